// CQUAD: the page of the quadratic-equation block (879): the coefficients A, B and C of
// y = Ax² + Bx + C, which root x the block takes, and the amplification of its output.
#pragma once

#include "pages/blocks/AmplificationRow.h"
#include "pages/blocks/ValueHints.h"
#include "pages/sheet/BlockPage.h"

constexpr int QUAD_COEF_LIMIT = 32767;

class CQUAD : public CBlockPage {
    DECLARE_DYNAMIC(CQUAD)

public:
    explicit CQUAD(int nType);

    int m_bProtection = 0;
    int m_nDirection = 0;
    int m_nCoefA = 1;
    int m_nCoefB = 0;
    int m_nCoefC = 0;
    double m_dAmplification = 0.0;

    void CopyFromBlock(const CBlockObj& block) override;
    void CopyToBlock(CBlockObj& block) const override;
    void AddToApplyRecord(SheetApplyRecord& record) override;

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL ShowsCurrentValue() const override { return TRUE; }

private:
    // A of 0 has no root: refused when the values are saved (a stored 0 still opens).
    void CheckCoefA(CDataExchange* pDX) const;

    CAmplificationRow m_amplification;
    CValueHints m_hints;
};
