#include "controls/XComboList.h"

#include "controls/BarColors.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>
#include <cwctype>
#include <utility>

const UINT WM_XCOMBOLIST_VK_RETURN = ::RegisterWindowMessage(_T("WM_XCOMBOLIST_VK_RETURN"));
const UINT WM_XCOMBOLIST_VK_ESCAPE = ::RegisterWindowMessage(_T("WM_XCOMBOLIST_VK_ESCAPE"));
const UINT WM_XCOMBOLIST_KEYDOWN = ::RegisterWindowMessage(_T("WM_XCOMBOLIST_KEYDOWN"));
const UINT WM_XCOMBOLIST_LBUTTONUP = ::RegisterWindowMessage(_T("WM_XCOMBOLIST_LBUTTONUP"));

IMPLEMENT_DYNAMIC(CXComboList, CWnd)

BEGIN_MESSAGE_MAP(CXComboList, CWnd)
    ON_WM_PAINT()
    ON_WM_KEYDOWN()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
    ON_WM_KILLFOCUS()
    ON_WM_TIMER()
    ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {

constexpr int kTextMargin = 2;
constexpr int kArrowHeight = 3;
constexpr COLORREF kThumbColour = RGB(205, 205, 205);

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

CRect CXComboList::ScrollBarRect() const
{
    CRect client;
    GetClientRect(&client);
    if (int(m_strings.size()) <= RowsShown())
        return CRect(0, 0, 0, 0);
    return CRect(client.right - kScrollBarWidth, client.top, client.right, client.bottom);
}

CRect CXComboList::ThumbRect() const
{
    const CRect bar = ScrollBarRect();
    const int nTrack = bar.Height() - 2 * kScrollBarWidth;
    const int nCount = int(m_strings.size());
    if (bar.IsRectEmpty() || nTrack <= 0)
        return CRect(0, 0, 0, 0);
    const int nThumb = std::clamp(nTrack * RowsShown() / nCount, std::min(nTrack, kScrollBarWidth / 2), nTrack);
    const int nTop = bar.top + kScrollBarWidth + (nTrack - nThumb) * m_nTop / std::max(1, LastTop());
    return CRect(bar.left, nTop, bar.right, nTop + nThumb);
}

int CXComboList::ItemFromPoint(CPoint point) const
{
    CRect client;
    GetClientRect(&client);
    if (!client.PtInRect(point) || ScrollBarRect().PtInRect(point))
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
    m_nTop = std::clamp(nTop, 0, LastTop());
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
    DrawScrollBar(dc);
    client.right -= ScrollBarRect().Width();
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
    GetClientRect(&client);
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

void CXComboList::DrawScrollBar(CDC& dc) const
{
    const CRect bar = ScrollBarRect();
    if (bar.IsRectEmpty())
        return;
    dc.FillSolidRect(&bar, kColorBtnFace);
    const CRect boxUp(bar.left, bar.top, bar.right, bar.top + kScrollBarWidth);
    const CRect boxDown(bar.left, bar.bottom - kScrollBarWidth, bar.right, bar.bottom);
    CPen pen(PS_SOLID, 1, kColorWindowText);
    CPen* pOldPen = dc.SelectObject(&pen);
    for (const auto& [box, nDirection] : {std::pair{boxUp, -1}, {boxDown, 1}}) {
        dc.Draw3dRect(&box, kColorBtnHighlight, kColorBtnShadow);
        // A small triangle pointing up or down.
        const CPoint ptCentre = box.CenterPoint();
        for (int i = 0; i < kArrowHeight; ++i) {
            const int y = ptCentre.y + nDirection * (i - kArrowHeight / 2);
            dc.MoveTo(ptCentre.x - (kArrowHeight - 1 - i), y);
            dc.LineTo(ptCentre.x + (kArrowHeight - i), y);
        }
    }
    dc.SelectObject(pOldPen);
    const CRect thumb = ThumbRect();
    if (!thumb.IsRectEmpty()) {
        dc.FillSolidRect(&thumb, kThumbColour);
        dc.Draw3dRect(&thumb, kColorBtnHighlight, kColorBtnShadow);
    }
}

void CXComboList::PressScrollBar(CPoint point)
{
    const CRect bar = ScrollBarRect();
    const CRect thumb = ThumbRect();
    if (point.y < bar.top + kScrollBarWidth)
        ScrollTo(m_nTop - 1);
    else if (point.y >= bar.bottom - kScrollBarWidth)
        ScrollTo(m_nTop + 1);
    else if (point.y < thumb.top)
        ScrollTo(m_nTop - RowsShown());
    else if (point.y >= thumb.bottom)
        ScrollTo(m_nTop + RowsShown());
    else
        m_nThumbGrip = point.y - thumb.top;
}

void CXComboList::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (!ScrollBarRect().PtInRect(point)) {
        CWnd::OnLButtonDown(nFlags, point);
        return;
    }
    m_bScrollBarPressed = true;
    SetCapture();
    PressScrollBar(point);
}

void CXComboList::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_nThumbGrip < 0) {
        CWnd::OnMouseMove(nFlags, point);
        return;
    }
    const CRect bar = ScrollBarRect();
    const int nTravel = bar.Height() - 2 * kScrollBarWidth - ThumbRect().Height();
    if (nTravel > 0) {
        const int nOffset = point.y - m_nThumbGrip - (bar.top + kScrollBarWidth);
        ScrollTo((nOffset * LastTop() + nTravel / 2) / nTravel);
    }
}

void CXComboList::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bScrollBarPressed) {
        ReleaseCapture();
        return;
    }
    if (const int nItem = ItemFromPoint(point); nItem >= 0)
        Select(nItem);
    CWnd::OnLButtonUp(nFlags, point);
    Report(WM_XCOMBOLIST_LBUTTONUP);
}

void CXComboList::OnCaptureChanged(CWnd* pWnd)
{
    m_bScrollBarPressed = false;
    m_nThumbGrip = -1;
    CWnd::OnCaptureChanged(pWnd);
}

void CXComboList::OnKillFocus(CWnd* pNewWnd)
{
    CWnd::OnKillFocus(pNewWnd);
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

void CXComboList::OnDestroy()
{
    KillTimer(kHoverTimer);
    CWnd::OnDestroy();
}
