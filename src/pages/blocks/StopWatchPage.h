// CStopWatch: the page shared by the stopwatch (413), the analog filter (820) and the math
// functions (864, 865, 869-878): a selector (time base, number of samples, base or decimal
// places), an amplification factor, a reference that replaces the selector, retentivity and
// protection, each shown only for the types that have it.
#pragma once

#include "pages/blocks/AmplificationRow.h"
#include "pages/blocks/ValueHints.h"
#include "pages/sheet/BlockPage.h"
#include "pages/sheet/ReferenceRow.h"

#include <vector>

class CStopWatch : public CBlockPage {
    DECLARE_DYNAMIC(CStopWatch)

public:
    explicit CStopWatch(int nType);

    int m_bProtection = 0;
    int m_bRetentive = 0;
    int m_nTimeBase = 2;
    double m_dAmplification = 0.0;
    int m_nBlockNumber = -1;
    CReferenceRow m_reference;

    void CopyFromBlock(const CBlockObj& block) override;
    void CopyToBlock(CBlockObj& block) const override;
    void AddToApplyRecord(SheetApplyRecord& record) override;

    // Which rows a type shows.
    static bool HasAmplification(int nType);
    static bool HasReference(int nType);
    // The selector index a referenced value stands for: the base "10" of the logarithm, no
    // decimals for truncation and rounding; the index as chosen for the other types.
    static int SelectorWithReference(int nType, int nSelector);

    BOOL PreTranslateMessage(MSG* pMsg) override;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    void OnOK() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    BOOL ShowsCurrentValue() const override { return TRUE; }

private:
    void ShowControlsByType();
    void FillSelector(const std::vector<CString>& items, LPCTSTR lpszLabel);
    void ShowControl(int nID, BOOL bShow);

    CAmplificationRow m_amplification;
    CValueHints m_hints;
};
