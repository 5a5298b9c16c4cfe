#include "platform/ui/MiniDockFrameWnd.h"

#include "platform/ui/ControlBar.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/WindowPlacement.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CMiniDockFrameWnd, CWnd)

BEGIN_MESSAGE_MAP(CMiniDockFrameWnd, CWnd)
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_WM_CLOSE()
    ON_WM_LBUTTONDOWN()
    ON_WM_MOUSEMOVE()
    ON_WM_LBUTTONUP()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

namespace {

constexpr UINT kEdgeLeft = 0x1;
constexpr UINT kEdgeTop = 0x2;
constexpr UINT kEdgeRight = 0x4;
constexpr UINT kEdgeBottom = 0x8;

UINT SizingCursorOf(UINT nEdges)
{
    switch (nEdges) {
    case kEdgeLeft | kEdgeTop:
    case kEdgeRight | kEdgeBottom:
        return IDC_SIZENWSE;
    case kEdgeRight | kEdgeTop:
    case kEdgeLeft | kEdgeBottom:
        return IDC_SIZENESW;
    case kEdgeLeft:
    case kEdgeRight:
        return IDC_SIZEWE;
    default:
        return IDC_SIZENS;
    }
}

}  // namespace

BOOL CMiniDockFrameWnd::Create(CControlBar* pBar, CPoint ptScreen, CSize sizeClient)
{
    CFrameWnd* pDockSite = pBar ? pBar->GetDockingFrame() : nullptr;
    if (!pDockSite)
        return FALSE;
    CString strTitle;
    pBar->GetWindowText(strTitle);
    CRect rect(ptScreen, sizeClient);
    rect.InflateRect(kThickFrame, kThickFrame);
    // Wherever the bar was let go, its window lands where it can be reached again.
    rect = AfxKeepOnScreen(rect);
    if (!CreateEx(WS_EX_TOOLWINDOW, nullptr, strTitle, WS_POPUP | WS_THICKFRAME, rect,
                  pDockSite->GetTopLevelParent(), 0))
        return FALSE;
    m_pBar = pBar;
    pBar->SetParent(this);
    CRect rectClient;
    GetClientRect(rectClient);
    pBar->MoveWindow(rectClient);
    return TRUE;
}

void CMiniDockFrameWnd::ReleaseBar()
{
    m_pBar = nullptr;
    DestroyWindow();
}

void CMiniDockFrameWnd::OnBarDestroyed()
{
    m_pBar = nullptr;
    PostMessage(WM_CLOSE);
}

void CMiniDockFrameWnd::OnSize(UINT nType, int cx, int cy)
{
    CWnd::OnSize(nType, cx, cy);
    if (!m_pBar)
        return;
    // A window the user resized keeps its size the next time the bar floats.
    m_pBar->CalcDynamicLayout(cx, 0);
    m_pBar->CalcDynamicLayout(cy, LM_LENGTHY);
    m_pBar->MoveWindow(0, 0, cx, cy);
}

CSize CMiniDockFrameWnd::GetMinWindowSize() const
{
    const CSize sizeMin = m_pBar ? m_pBar->GetMinFloatingSize() : CSize(0, 0);
    return CSize(sizeMin.cx + 2 * kThickFrame, sizeMin.cy + 2 * kThickFrame);
}

void CMiniDockFrameWnd::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CWnd::OnGetMinMaxInfo(lpMMI);
    if (!m_pBar)
        return;
    const CSize sizeMin = GetMinWindowSize();
    lpMMI->ptMinTrackSize = {std::max(lpMMI->ptMinTrackSize.x, sizeMin.cx), std::max(lpMMI->ptMinTrackSize.y, sizeMin.cy)};
}

void CMiniDockFrameWnd::OnClose()
{
    if (!m_pBar)
        DestroyWindow();
    else if (m_pBar->GetDockingFrame())
        m_pBar->GetDockingFrame()->ShowControlBar(m_pBar, FALSE, FALSE);
}

void CMiniDockFrameWnd::PostNcDestroy() { delete this; }

// ---- sizing by the frame ----

UINT CMiniDockFrameWnd::EdgesAt(CPoint point) const
{
    CRect rectClient;
    GetClientRect(rectClient);
    UINT nEdges = 0;
    if (point.x < 0)
        nEdges |= kEdgeLeft;
    if (point.x >= rectClient.right)
        nEdges |= kEdgeRight;
    if (point.y < 0)
        nEdges |= kEdgeTop;
    if (point.y >= rectClient.bottom)
        nEdges |= kEdgeBottom;
    return nEdges;
}

void CMiniDockFrameWnd::OnLButtonDown(UINT nFlags, CPoint point)
{
    m_nSizingEdges = EdgesAt(point);
    if (!m_nSizingEdges) {
        CWnd::OnLButtonDown(nFlags, point);
        return;
    }
    m_ptSizingStart = point;
    ClientToScreen(&m_ptSizingStart);
    GetWindowRect(m_rectSizingStart);
    SetCapture();
}

void CMiniDockFrameWnd::OnMouseMove(UINT nFlags, CPoint point)
{
    if (const UINT nEdges = m_nSizingEdges ? m_nSizingEdges : EdgesAt(point))
        SetCursor(AfxLoadStandardCursor(SizingCursorOf(nEdges)));
    if (!m_nSizingEdges) {
        CWnd::OnMouseMove(nFlags, point);
        return;
    }
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    const CSize moved = ptScreen - m_ptSizingStart;
    const CSize sizeMin = GetMinWindowSize();
    // Each dragged edge follows the cursor as far as the window may shrink; the others stay.
    CRect rect = m_rectSizingStart;
    if (m_nSizingEdges & kEdgeLeft)
        rect.left = std::min(rect.left + moved.cx, rect.right - sizeMin.cx);
    if (m_nSizingEdges & kEdgeRight)
        rect.right = std::max(rect.right + moved.cx, rect.left + sizeMin.cx);
    if (m_nSizingEdges & kEdgeTop)
        rect.top = std::min(rect.top + moved.cy, rect.bottom - sizeMin.cy);
    if (m_nSizingEdges & kEdgeBottom)
        rect.bottom = std::max(rect.bottom + moved.cy, rect.top + sizeMin.cy);
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
}

void CMiniDockFrameWnd::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_nSizingEdges) {
        CWnd::OnLButtonUp(nFlags, point);
        return;
    }
    // Cleared first: giving up the capture reports the change back here.
    m_nSizingEdges = 0;
    ReleaseCapture();
}

void CMiniDockFrameWnd::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd != this)
        m_nSizingEdges = 0;
    CWnd::OnCaptureChanged(pWnd);
}
