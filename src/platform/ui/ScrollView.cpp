#include "platform/ui/ScrollView.h"

#include "platform/gdi/DC.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CScrollView, CView)

BEGIN_MESSAGE_MAP(CScrollView, CView)
    ON_WM_SIZE()
    ON_WM_HSCROLL()
    ON_WM_VSCROLL()
    ON_WM_MOUSEWHEEL()
END_MESSAGE_MAP()

namespace {

constexpr UINT kNoScroll = 0xFF;

}  // namespace

CScrollView::CScrollView() = default;

void CScrollView::SetScrollSizes(int nMapMode, SIZE sizeTotal, const SIZE& sizePage,
                                 const SIZE& sizeLine)
{
    m_nMapMode = nMapMode;
    m_totalLog = CSize(std::max(0, int(sizeTotal.cx)), std::max(0, int(sizeTotal.cy)));
    m_pageDev = sizePage;
    if (m_pageDev.cx == 0)
        m_pageDev.cx = m_totalLog.cx / 10;
    if (m_pageDev.cy == 0)
        m_pageDev.cy = m_totalLog.cy / 10;
    m_lineDev = sizeLine;
    if (m_lineDev.cx == 0)
        m_lineDev.cx = m_pageDev.cx / 10;
    if (m_lineDev.cy == 0)
        m_lineDev.cy = m_pageDev.cy / 10;
    UpdateBars();
    // A smaller document may leave the old position out of range.
    ScrollToPosition(m_ptScroll);
}

void CScrollView::UpdateBars()
{
    if (!m_hWnd || m_bInsideUpdate)
        return;
    m_bInsideUpdate = true;
    CRect rect;
    GetClientRect(rect);
    // The room without any bar; a bar needed one way takes room from the other way.
    const int nRoomX = rect.Width() + ((GetStyle() & WS_VSCROLL) ? kScrollBarThickness : 0);
    const int nRoomY = rect.Height() + ((GetStyle() & WS_HSCROLL) ? kScrollBarThickness : 0);
    bool bHorz = m_totalLog.cx > nRoomX;
    bool bVert = m_totalLog.cy > nRoomY;
    if (bHorz && !bVert)
        bVert = m_totalLog.cy > nRoomY - kScrollBarThickness;
    if (bVert && !bHorz)
        bHorz = m_totalLog.cx > nRoomX - kScrollBarThickness;
    ShowScrollBar(SB_HORZ, bHorz);
    ShowScrollBar(SB_VERT, bVert);
    ScrollToPosition(m_ptScroll);
    GetClientRect(rect);
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0,
                       int(m_totalLog.cx) - 1, UINT(rect.Width()), int(m_ptScroll.x), 0};
    SetScrollInfo(SB_HORZ, &info);
    info.nMax = int(m_totalLog.cy) - 1;
    info.nPage = UINT(rect.Height());
    info.nPos = int(m_ptScroll.y);
    SetScrollInfo(SB_VERT, &info);
    m_bInsideUpdate = false;
}

void CScrollView::GetDeviceScrollSizes(int& nMapMode, SIZE& sizeTotal, SIZE& sizePage,
                                       SIZE& sizeLine) const
{
    nMapMode = m_nMapMode;
    sizeTotal = m_totalLog;
    sizePage = m_pageDev;
    sizeLine = m_lineDev;
}

CSize CScrollView::GetScrollLimit() const
{
    CRect rect;
    GetClientRect(rect);
    return CSize(std::max(0, int(m_totalLog.cx) - rect.Width()),
                 std::max(0, int(m_totalLog.cy) - rect.Height()));
}

void CScrollView::ScrollToPosition(POINT pt)
{
    const CSize limit = GetScrollLimit();
    const CPoint ptNew(std::clamp(int(pt.x), 0, int(limit.cx)),
                       std::clamp(int(pt.y), 0, int(limit.cy)));
    if (ptNew == m_ptScroll)
        return;
    m_ptScroll = ptNew;
    if (!m_hWnd)
        return;
    SetScrollPos(SB_HORZ, m_ptScroll.x);
    SetScrollPos(SB_VERT, m_ptScroll.y);
    Invalidate();
}

void CScrollView::CenterOnPoint(CPoint ptCenter)
{
    CRect rect;
    GetClientRect(rect);
    ScrollToPosition(CPoint(ptCenter.x - rect.Width() / 2, ptCenter.y - rect.Height() / 2));
}

void CScrollView::OnPrepareDC(CDC* pDC, CPrintInfo* pInfo)
{
    CView::OnPrepareDC(pDC, pInfo);
    if (!pDC->IsPrinting()) {
        pDC->SetMapMode(MM_TEXT);
        pDC->SetViewportOrg(-m_ptScroll.x, -m_ptScroll.y);
    }
}

int CScrollView::PositionForCode(UINT nCode, UINT nPos, int nCurrent, int nPage, int nLine,
                                 int nMax) const
{
    switch (nCode) {
    case SB_TOP:
        return 0;
    case SB_BOTTOM:
        return nMax;
    case SB_LINEUP:
        return nCurrent - nLine;
    case SB_LINEDOWN:
        return nCurrent + nLine;
    case SB_PAGEUP:
        return nCurrent - nPage;
    case SB_PAGEDOWN:
        return nCurrent + nPage;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return int(nPos);
    default:
        return nCurrent;
    }
}

BOOL CScrollView::OnScroll(UINT nScrollCode, UINT nPos, BOOL bDoScroll)
{
    const CSize limit = GetScrollLimit();
    CPoint pt = m_ptScroll;
    const UINT nHorz = LOBYTE(WORD(nScrollCode));
    const UINT nVert = HIBYTE(WORD(nScrollCode));
    if (nHorz != kNoScroll)
        pt.x = PositionForCode(nHorz, nPos, pt.x, m_pageDev.cx, m_lineDev.cx, limit.cx);
    if (nVert != kNoScroll)
        pt.y = PositionForCode(nVert, nPos, pt.y, m_pageDev.cy, m_lineDev.cy, limit.cy);
    return OnScrollBy(CSize(pt.x - m_ptScroll.x, pt.y - m_ptScroll.y), bDoScroll);
}

BOOL CScrollView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    const CSize limit = GetScrollLimit();
    const CPoint ptNew(std::clamp(int(m_ptScroll.x + sizeScroll.cx), 0, int(limit.cx)),
                       std::clamp(int(m_ptScroll.y + sizeScroll.cy), 0, int(limit.cy)));
    if (ptNew == m_ptScroll)
        return FALSE;
    if (bDoScroll)
        ScrollToPosition(ptNew);
    return TRUE;
}

void CScrollView::OnSize(UINT nType, int cx, int cy)
{
    CView::OnSize(nType, cx, cy);
    // A larger window may need fewer bars and show the end of the document.
    UpdateBars();
    ScrollToPosition(m_ptScroll);
}

UINT CScrollView::ThumbPosition(int nBar, UINT nSBCode, UINT nPos,
                                const CScrollBar* pScrollBar) const
{
    if (pScrollBar || (nSBCode != SB_THUMBTRACK && nSBCode != SB_THUMBPOSITION))
        return nPos;
    SCROLLINFO info = {sizeof(SCROLLINFO), 0, 0, 0, 0, 0, 0};
    GetScrollInfo(nBar, &info, SIF_TRACKPOS);
    return WORD(info.nTrackPos) == WORD(nPos) ? UINT(std::max(0, info.nTrackPos)) : nPos;
}

void CScrollView::OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    OnScroll(MAKEWORD(BYTE(nSBCode), BYTE(kNoScroll)),
             ThumbPosition(SB_HORZ, nSBCode, nPos, pScrollBar));
}

void CScrollView::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar)
{
    OnScroll(MAKEWORD(BYTE(kNoScroll), BYTE(nSBCode)),
             ThumbPosition(SB_VERT, nSBCode, nPos, pScrollBar));
}

BOOL CScrollView::OnMouseWheel(UINT, short zDelta, CPoint)
{
    // Three lines per notch, as the system's default setting has it.
    const int nLines = -zDelta * 3 / WHEEL_DELTA;
    return OnScrollBy(CSize(0, nLines * int(m_lineDev.cy)));
}
