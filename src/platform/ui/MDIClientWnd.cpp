#include "platform/ui/MDIClientWnd.h"

#include "platform/gdi/DC.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CMDIClientWnd, CWnd)
    ON_WM_ERASEBKGND()
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
END_MESSAGE_MAP()

namespace {

constexpr COLORREF kAppWorkspaceColour = RGB(171, 171, 171);
// One arrow click scrolls this far.
constexpr int kLineStep = 16;

}  // namespace

BOOL CMDIClientWnd::OnEraseBkgnd(CDC* pDC)
{
    CRect rect;
    GetClientRect(rect);
    pDC->FillSolidRect(rect, kAppWorkspaceColour);
    return TRUE;
}

void CMDIClientWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    for (CWnd* pChild = GetTopWindow(); pChild; pChild = pChild->GetNextWindow()) {
        if (pChild->IsZoomed())
            pChild->MoveWindow(0, 0, cx, cy);
    }
    RecalcChildScroll();
}

void CMDIClientWnd::RecalcChildScroll(const CWnd* pGoing)
{
    if (m_bScrolling || m_bRecalculating || !GetSafeHwnd())
        return;
    m_bRecalculating = true;
    // A maximised document fills the area: there is nothing to scroll to.
    bool bMaximised = false;
    for (CWnd* pChild = GetTopWindow(); pChild; pChild = pChild->GetNextWindow())
        bMaximised |= pChild != pGoing && pChild->IsWindowVisible() && pChild->IsZoomed();
    // Showing one bar narrows the area, which may call for the other, which shortens the first
    // one's page: three passes settle it.
    for (int nPass = 0; nPass < 3; ++nPass) {
        CRect rectClient;
        GetClientRect(rectClient);
        CRect rectAll = rectClient;
        for (CWnd* pChild = GetTopWindow(); pChild && !bMaximised; pChild = pChild->GetNextWindow()) {
            if (pChild == pGoing || !pChild->IsWindowVisible())
                continue;
            CRect rectChild;
            pChild->GetWindowRect(rectChild);
            ScreenToClient(rectChild);
            rectAll |= rectChild;
        }
        SCROLLINFO horz = {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, rectAll.Width() - 1,
                           UINT(rectClient.Width()), rectClient.left - rectAll.left, 0};
        SCROLLINFO vert = {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, rectAll.Height() - 1,
                           UINT(rectClient.Height()), rectClient.top - rectAll.top, 0};
        SetScrollInfo(SB_HORZ, &horz, TRUE);
        SetScrollInfo(SB_VERT, &vert, TRUE);
        CRect rectNow;
        GetClientRect(rectNow);
        if (rectNow == rectClient)
            break;
    }
    m_bRecalculating = false;
}

void CMDIClientWnd::OnHScroll(UINT nSBCode, UINT, CScrollBar*) { ScrollChildren(SB_HORZ, nSBCode); }

void CMDIClientWnd::OnVScroll(UINT nSBCode, UINT, CScrollBar*) { ScrollChildren(SB_VERT, nSBCode); }

void CMDIClientWnd::ScrollChildren(int nBar, UINT nSBCode)
{
    SCROLLINFO info = {sizeof(SCROLLINFO), 0, 0, 0, 0, 0, 0};
    GetScrollInfo(nBar, &info, SIF_ALL);
    int nPos = info.nPos;
    switch (nSBCode) {
    case SB_LINEUP: nPos -= kLineStep; break;
    case SB_LINEDOWN: nPos += kLineStep; break;
    case SB_PAGEUP: nPos -= int(info.nPage); break;
    case SB_PAGEDOWN: nPos += int(info.nPage); break;
    case SB_TOP: nPos = info.nMin; break;
    case SB_BOTTOM: nPos = info.nMax; break;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION: nPos = info.nTrackPos; break;
    case SB_ENDSCROLL: RecalcChildScroll(); return;
    default: return;
    }
    nPos = std::clamp(nPos, info.nMin, std::max(info.nMin, info.nMax - int(info.nPage) + 1));
    const int nDelta = nPos - info.nPos;
    if (nDelta == 0)
        return;
    SetScrollPos(nBar, nPos, TRUE);
    m_bScrolling = true;
    for (CWnd* pChild = GetTopWindow(); pChild; pChild = pChild->GetNextWindow()) {
        CRect rectChild;
        pChild->GetWindowRect(rectChild);
        ScreenToClient(rectChild);
        rectChild.OffsetRect(nBar == SB_HORZ ? -nDelta : 0, nBar == SB_VERT ? -nDelta : 0);
        pChild->SetWindowPos(nullptr, rectChild.left, rectChild.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    }
    m_bScrolling = false;
    Invalidate();
}
