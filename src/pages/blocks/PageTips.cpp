#include "pages/blocks/PageTips.h"

#include "pages/controls/FilterEdit.h"

namespace {

constexpr LPCTSTR kRangeFormat = _T("Number between %d and %d");

}  // namespace

void CPageTips::Create(CWnd& page)
{
    if (!m_wnd.GetSafeHwnd())
        m_wnd.Create(&page);
}

void CPageTips::Set(CWnd& page, int nID, const CString& strText)
{
    CWnd* pControl = page.GetDlgItem(nID);
    if (!pControl || !m_wnd.GetSafeHwnd())
        return;
    if (m_texts.count(nID))
        m_wnd.RemoveTool(pControl, 0);
    m_wnd.AddTool(pControl, strText);
    m_texts[nID] = strText;
}

void CPageTips::SetRange(CWnd& page, int nID, int nMin, int nMax, LPCTSTR lpszMore)
{
    CString strText;
    strText.Format(kRangeFormat, nMin, nMax);
    Set(page, nID, strText + lpszMore);
    HoldPlainEditToRange(page.GetDlgItem(nID), nMin);
}

void CPageTips::Relay(const MSG* pMsg)
{
    if (m_wnd.GetSafeHwnd())
        m_wnd.RelayEvent(pMsg);
}

CString CPageTips::GetText(int nID) const
{
    const auto it = m_texts.find(nID);
    return it != m_texts.end() ? it->second : CString();
}
