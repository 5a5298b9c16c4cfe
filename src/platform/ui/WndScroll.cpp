// The window's own scroll bars: their range, page and position, and the room they take from the
// client area while shown.
#include "platform/ui/NativeWindow.h"
#include "platform/ui/Wnd.h"

#include <algorithm>

namespace {

bool IsWindowBar(int nBar) { return nBar == SB_HORZ || nBar == SB_VERT; }

// The largest position: the last page ends at nMax.
int MaxScrollPos(int nMin, int nMax, UINT nPage)
{
    const int nLast = nPage > 0 ? nMax - int(nPage) + 1 : nMax;
    return std::max(nMin, nLast);
}

// Whether the bar has anything to scroll: a range wider than one page.
bool NeedsBar(int nMin, int nMax, UINT nPage)
{
    return nMax > nMin && (nPage == 0 || static_cast<long long>(nMax) - nMin + 1 > static_cast<long long>(nPage));
}

}  // namespace

DWORD CWnd::ScrollStyleOf(int nBar) { return nBar == SB_HORZ ? WS_HSCROLL : WS_VSCROLL; }

int CWnd::SetScrollInfo(int nBar, LPCSCROLLINFO lpScrollInfo, BOOL)
{
    if (!IsWindowBar(nBar) || !lpScrollInfo)
        return 0;
    ScrollBarState& bar = m_scrollBars[nBar];
    const UINT fMask = lpScrollInfo->fMask;
    if (fMask & SIF_RANGE) {
        bar.nMin = lpScrollInfo->nMin;
        bar.nMax = std::max(lpScrollInfo->nMin, lpScrollInfo->nMax);
    }
    if (fMask & SIF_PAGE)
        bar.nPage = lpScrollInfo->nPage;
    if (fMask & SIF_POS)
        bar.nPos = lpScrollInfo->nPos;
    bar.nPos = std::clamp(bar.nPos, bar.nMin, MaxScrollPos(bar.nMin, bar.nMax, bar.nPage));
    bar.nTrackPos = bar.nPos;
    if (fMask & (SIF_RANGE | SIF_PAGE)) {
        const bool bNeeded = NeedsBar(bar.nMin, bar.nMax, bar.nPage);
        bar.bEnabled = bNeeded;
        if (bNeeded || !(fMask & SIF_DISABLENOSCROLL))
            SetScrollBarsShown(ScrollStyleOf(nBar), bNeeded);
    }
    SyncPeerScrollBar(nBar);
    return bar.nPos;
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) const
{
    if (!IsWindowBar(nBar) || !lpScrollInfo)
        return FALSE;
    const ScrollBarState& bar = m_scrollBars[nBar];
    lpScrollInfo->fMask = nMask;
    if (nMask & SIF_RANGE) {
        lpScrollInfo->nMin = bar.nMin;
        lpScrollInfo->nMax = bar.nMax;
    }
    if (nMask & SIF_PAGE)
        lpScrollInfo->nPage = bar.nPage;
    if (nMask & SIF_POS)
        lpScrollInfo->nPos = bar.nPos;
    if (nMask & SIF_TRACKPOS)
        lpScrollInfo->nTrackPos = bar.nTrackPos;
    return TRUE;
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw)
{
    const int nOld = GetScrollPos(nBar);
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_POS, 0, 0, 0, nPos, 0};
    SetScrollInfo(nBar, &info, bRedraw);
    return nOld;
}

int CWnd::GetScrollPos(int nBar) const
{
    return IsWindowBar(nBar) ? m_scrollBars[nBar].nPos : 0;
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw)
{
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_RANGE, nMinPos, nMaxPos, 0, 0, 0};
    SetScrollInfo(nBar, &info, bRedraw);
}

void CWnd::GetScrollRange(int nBar, int* lpMinPos, int* lpMaxPos) const
{
    SCROLLINFO info = {sizeof(SCROLLINFO), 0, 0, 0, 0, 0, 0};
    GetScrollInfo(nBar, &info, SIF_RANGE);
    *lpMinPos = info.nMin;
    *lpMaxPos = info.nMax;
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow)
{
    if (nBar == SB_BOTH)
        SetScrollBarsShown(WS_HSCROLL | WS_VSCROLL, bShow);
    else if (IsWindowBar(int(nBar)))
        SetScrollBarsShown(ScrollStyleOf(int(nBar)), bShow);
}

void CWnd::SetScrollTrackPos(int nBar, int nTrackPos)
{
    if (IsWindowBar(nBar))
        m_scrollBars[nBar].nTrackPos = nTrackPos;
}

void CWnd::SetScrollBarsShown(DWORD dwBars, bool bShow)
{
    const DWORD dwOld = m_dwStyle;
    m_dwStyle = bShow ? (m_dwStyle | dwBars) : (m_dwStyle & ~dwBars);
    if (m_dwStyle == dwOld || !m_hWnd)
        return;
    // The bars live in the frame around the client area, so the client area changes size.
    SyncPeerGeometry();
    for (int nBar : {SB_HORZ, SB_VERT})
        if ((dwOld ^ m_dwStyle) & ScrollStyleOf(nBar))
            SyncPeerScrollBar(nBar);
    SendSizeMessage();
    if (m_hWnd)
        Invalidate(TRUE);
}

void CWnd::SyncPeerScrollBar(int nBar)
{
    if (!m_pPeer)
        return;
    const ScrollBarState& bar = m_scrollBars[nBar];
    const NativeScrollBar state = {(m_dwStyle & ScrollStyleOf(nBar)) != 0,
                                   bar.bEnabled,
                                   bar.nMin,
                                   MaxScrollPos(bar.nMin, bar.nMax, bar.nPage),
                                   int(bar.nPage),
                                   bar.nPos};
    m_pPeer->SetScrollBar(nBar, state);
}
