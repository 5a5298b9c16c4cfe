#include "controls/XComboList.h"

#include "controls/BarColors.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>
#include <cwctype>

const UINT WM_XCOMBOLIST_VK_RETURN = ::RegisterWindowMessage(_T("WM_XCOMBOLIST_VK_RETURN"));
const UINT WM_XCOMBOLIST_VK_ESCAPE = ::RegisterWindowMessage(_T("WM_XCOMBOLIST_VK_ESCAPE"));
const UINT WM_XCOMBOLIST_KEYDOWN = ::RegisterWindowMessage(_T("WM_XCOMBOLIST_KEYDOWN"));
const UINT WM_XCOMBOLIST_LBUTTONUP = ::RegisterWindowMessage(_T("WM_XCOMBOLIST_LBUTTONUP"));

IMPLEMENT_DYNAMIC(CXComboList, CWnd)

BEGIN_MESSAGE_MAP(CXComboList, CWnd)
    ON_WM_PAINT()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_KILLFOCUS()
    ON_WM_TIMER()
    ON_WM_VSCROLL()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

constexpr int kTextMargin = 2;

}  // namespace

CXComboList::~CXComboList()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CXComboList::Open(const CRect& rectScreen, const std::vector<CString>& strings, int nItemHeight, int nSel)
{
    m_strings = strings;
    m_nItemHeight = std::max(1, nItemHeight);
    m_nSel = nSel >= 0 && nSel < int(m_strings.size()) ? nSel : -1;
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, nullptr, nullptr, WS_POPUP, rectScreen, m_pOwnerList, 0))
        return FALSE;
    if (int(m_strings.size()) > RowsShown()) {
        SCROLLINFO info{sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, int(m_strings.size()) - 1,
                        UINT(RowsShown()), 0, 0};
        SetScrollInfo(SB_VERT, &info);
    }
    if (m_nSel >= 0)
        Select(m_nSel);
    ShowWindow(SW_SHOW);
    SetFocus();
    ::GetCursorPos(&m_ptLastCursor);
    SetTimer(kHoverTimer, kHoverInterval, nullptr);
    return TRUE;
}

CString CXComboList::GetSelectedText() const
{
    return m_nSel >= 0 ? m_strings[std::size_t(m_nSel)] : CString();
}

int CXComboList::RowsShown() const
{
    CRect client;
    GetClientRect(&client);
    return std::max(1, client.Height() / m_nItemHeight);
}

int CXComboList::ItemFromPoint(CPoint point) const
{
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point))
        return -1;
    const int nItem = m_nTop + point.y / m_nItemHeight;
    return nItem < int(m_strings.size()) ? nItem : -1;
}

void CXComboList::Select(int nItem)
{
    if (m_strings.empty())
        return;
    m_nSel = std::clamp(nItem, 0, int(m_strings.size()) - 1);
    if (m_nSel < m_nTop)
        ScrollTo(m_nSel);
    else if (m_nSel >= m_nTop + RowsShown())
        ScrollTo(m_nSel - RowsShown() + 1);
    Invalidate();
}

void CXComboList::ScrollTo(int nTop)
{
    m_nTop = std::clamp(nTop, 0, std::max(0, int(m_strings.size()) - RowsShown()));
    if (GetStyle() & WS_VSCROLL)
        SetScrollPos(SB_VERT, m_nTop);
    Invalidate();
}

int CXComboList::NextStartingWith(UINT nLetter) const
{
    const int nCount = int(m_strings.size());
    for (int i = 1; i <= nCount; ++i) {
        const int nItem = (std::max(m_nSel, -1) + i + nCount) % nCount;
        const CString& str = m_strings[std::size_t(nItem)];
        if (!str.IsEmpty() && std::towupper(wint_t(str[0])) == wint_t(nLetter))
            return nItem;
    }
    return -1;
}

void CXComboList::Report(UINT nMessage)
{
    if (m_pOwnerList && IsWindow(m_pOwnerList->GetSafeHwnd()))
        m_pOwnerList->SendMessage(nMessage, 0, 0);
}

void CXComboList::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, kColorWindow);
    CFont* pOldFont = GetFont() ? dc.SelectObject(GetFont()) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    for (int nItem = m_nTop; nItem < int(m_strings.size()) && (nItem - m_nTop) * m_nItemHeight < client.bottom;
         ++nItem) {
        CRect rect(client.left, (nItem - m_nTop) * m_nItemHeight, client.right, (nItem - m_nTop + 1) * m_nItemHeight);
        const bool bSelected = nItem == m_nSel;
        if (bSelected)
            dc.FillSolidRect(&rect, kColorHighlight);
        dc.SetTextColor(bSelected ? kColorHighlightText : kColorWindowText);
        rect.DeflateRect(kTextMargin, 0);
        dc.DrawText(m_strings[std::size_t(nItem)], &rect, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    }
    dc.Draw3dRect(&client, kColorBtnShadow, kColorBtnShadow);
    if (pOldFont)
        dc.SelectObject(pOldFont);
}

void CXComboList::OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags)
{
    const int nPage = RowsShown();
    switch (nChar) {
    case VK_RETURN:
        Report(WM_XCOMBOLIST_VK_RETURN);
        return;
    case VK_ESCAPE:
        Report(WM_XCOMBOLIST_VK_ESCAPE);
        return;
    case VK_UP:
        Select(m_nSel - 1);
        break;
    case VK_DOWN:
        Select(m_nSel + 1);
        break;
    case VK_PRIOR:
        Select(m_nSel - nPage);
        break;
    case VK_NEXT:
        Select(m_nSel + nPage);
        break;
    case VK_HOME:
        Select(0);
        break;
    case VK_END:
        Select(int(m_strings.size()) - 1);
        break;
    default:
        if (nChar < 'A' || nChar > 'Z') {
            CWnd::OnKeyDown(nChar, nRepCnt, nFlags);
            return;
        }
        if (const int nItem = NextStartingWith(nChar); nItem >= 0)
            Select(nItem);
        break;
    }
    Report(WM_XCOMBOLIST_KEYDOWN);
}

void CXComboList::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (const int nItem = ItemFromPoint(point); nItem >= 0)
        Select(nItem);
    CWnd::OnLButtonUp(nFlags, point);
    Report(WM_XCOMBOLIST_LBUTTONUP);
}

void CXComboList::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
    // The focus going to a window of the drop-down list's own is no leaving.
    if (pNewWnd && (pNewWnd == this || IsChild(pNewWnd)))
        return;
    Report(WM_XCOMBOLIST_VK_ESCAPE);
}

void CXComboList::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kHoverTimer) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    // Only a mouse that moved selects: one resting over the list leaves the keys' choice alone.
    CPoint point;
    ::GetCursorPos(&point);
    if (point == m_ptLastCursor)
        return;
    m_ptLastCursor = point;
    ScreenToClient(&point);
    if (const int nItem = ItemFromPoint(point); nItem >= 0 && nItem != m_nSel)
        Select(nItem);
}

void CXComboList::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    switch (nSBCode) {
    case SB_LINEUP:
        ScrollTo(m_nTop - 1);
        break;
    case SB_LINEDOWN:
        ScrollTo(m_nTop + 1);
        break;
    case SB_PAGEUP:
        ScrollTo(m_nTop - RowsShown());
        break;
    case SB_PAGEDOWN:
        ScrollTo(m_nTop + RowsShown());
        break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        ScrollTo(int(nPos));
        break;
    default:
        CWnd::OnVScroll(nSBCode, nPos, pScrollBar);
        break;
    }
}

void CXComboList::OnDestroy()
{
    KillTimer(kHoverTimer);
    CWnd::OnDestroy();
}
