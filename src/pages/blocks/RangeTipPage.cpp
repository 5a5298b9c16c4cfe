#include "pages/blocks/RangeTipPage.h"

#include "pages/controls/FilterEdit.h"
#include "pages/sheet/TimeValueRow.h"

IMPLEMENT_DYNAMIC(CRangeTipPage, CBlockPage)

namespace {

constexpr LPCTSTR kRangeText = _T("Number between %d and %d");

}  // namespace

BOOL CRangeTipPage::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    m_tips.Create(this);
    return TRUE;
}

BOOL CRangeTipPage::PreTranslateMessage(MSG* pMsg)
{
    m_tips.RelayEvent(pMsg);
    return CBlockPage::PreTranslateMessage(pMsg);
}

void CRangeTipPage::SetTip(int nID, const CString& strText)
{
    CWnd* pControl = GetDlgItem(nID);
    if (!pControl)
        return;
    m_tips.RemoveTool(pControl, 0);
    m_tips.AddTool(pControl, strText);
}

void CRangeTipPage::SetRangeTip(int nID, int nLow, int nHigh)
{
    CString strText;
    strText.Format(kRangeText, nLow, nHigh);
    SetTip(nID, strText);
    HoldPlainEditToRange(GetDlgItem(nID), nLow);
}

void CRangeTipPage::SetTimeTips(const CTimeValueRow& row, int nBase)
{
    SetRangeTip(row.Ids().nHigh, 0, row.m_nHighMax);
    SetRangeTip(row.Ids().nLow, 0, MaxLowPart(nBase));
}
