// CMathErr: the page of the math-error detection block (823): the analog math block it
// watches, the error it detects (zero division, overflow or either), automatic reset,
// retentivity and protection.
#pragma once

#include "pages/sheet/BlockPage.h"

// The first line of the list of math blocks: none is watched.
inline constexpr LPCTSTR MATHERR_NO_BLOCK = _T("-----------------------------------");

class CMathErr : public CBlockPage {
    DECLARE_DYNAMIC(CMathErr)

public:
    explicit CMathErr(int nType);

    int m_bAutoReset = 0;
    int m_bProtection = 0;
    int m_bRetentive = 0;
    int m_nMathBlockIndex = -1;
    int m_nErrorKind = 0;
    int m_nBlockNumber = -1;
    // The watched math block's number; -1 for none.
    int m_nRefNumber = -1;

    void CopyFromBlock(const CBlockObj& block) override;
    void CopyToBlock(CBlockObj& block) const override;
    void AddToApplyRecord(SheetApplyRecord& record) override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL ShowsCurrentValue() const override { return TRUE; }

private:
    void FillMathBlocks();
    void OnSelectMathBlock();
};
