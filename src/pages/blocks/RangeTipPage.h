// CRangeTipPage: a block page whose number edits tell their valid range in a tooltip ("Number
// between 0 and 99"); a range that follows a time base is set again when the base changes.
#pragma once

#include "pages/controls/ToolTipWnd.h"
#include "pages/sheet/BlockPage.h"

class CTimeValueRow;

class CRangeTipPage : public CBlockPage {
    DECLARE_DYNAMIC(CRangeTipPage)

public:
    CRangeTipPage(UINT nIDTemplate, int nType) : CBlockPage(nIDTemplate, nType) {}

    BOOL PreTranslateMessage(MSG* pMsg) override;
    const CToolTipWnd& GetTips() const { return m_tips; }

protected:
    BOOL OnInitDialog() override;
    // The control's tip, replacing the one it had.
    void SetTip(int nID, const CString& strText);
    // "Number between %d and %d"; a plain edit takes what the tip says (HoldPlainEditToRange).
    void SetRangeTip(int nID, int nLow, int nHigh);
    // The parts of a time: the high part to its largest, the low part to nBase's largest.
    void SetTimeTips(const CTimeValueRow& row, int nBase);

private:
    CToolTipWnd m_tips;
};
