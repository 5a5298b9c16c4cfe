#include "controls/CJControlBar.h"

#include "controls/BarColors.h"
#include "controls/BarSizeProfile.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CCJControlBar, CControlBar)

BEGIN_MESSAGE_MAP(CCJControlBar, CControlBar)
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_MOUSEMOVE()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

namespace {

// The length a stretched bar claims along its side.
constexpr int kStretchLength = 32767;

// The frame of a docked bar: the content keeps 2 pixels from each side, 6 from the far end of
// a bar lying along the left or right, and the sizing border's thickness plus 2 on the side
// facing the middle of the frame, where the border strip lies 1 pixel inside the window.
struct DockFrame {
    UINT nDockBarID;
    int nLeft, nTop, nRight, nBottom;  // content margins; -1 stands for the border's thickness
};

constexpr DockFrame kDockFrames[] = {
    {AFX_IDW_DOCKBAR_TOP, 2, 2, 2, -1},
    {AFX_IDW_DOCKBAR_LEFT, 2, 2, -1, 6},
    {AFX_IDW_DOCKBAR_RIGHT, -1, 2, 2, 6},
    {AFX_IDW_DOCKBAR_BOTTOM, 2, -1, 2, 2},
};

int Margin(int nMargin, int nBorder) { return nMargin < 0 ? nBorder + 2 : nMargin; }

}  // namespace

CCJControlBar::NcLayout CCJControlBar::CalcNcLayout(CSize sizeWindow, UINT nDockBarID, int nBorder)
{
    const CRect rcWindow(0, 0, sizeWindow.cx, sizeWindow.cy);
    const auto* pFrame = std::find_if(std::begin(kDockFrames), std::end(kDockFrames),
                                      [nDockBarID](const DockFrame& f) { return f.nDockBarID == nDockBarID; });
    if (pFrame == std::end(kDockFrames))
        return {CRect(), rcWindow};
    NcLayout layout;
    layout.rcClient = rcWindow;
    layout.rcClient.DeflateRect(Margin(pFrame->nLeft, nBorder), Margin(pFrame->nTop, nBorder),
                                Margin(pFrame->nRight, nBorder), Margin(pFrame->nBottom, nBorder));
    layout.rcClient.right = std::max(layout.rcClient.left, layout.rcClient.right);
    layout.rcClient.bottom = std::max(layout.rcClient.top, layout.rcClient.bottom);
    CRect& rc = layout.rcBorder;
    rc = rcWindow;
    rc.DeflateRect(1, 1);
    switch (nDockBarID) {
    case AFX_IDW_DOCKBAR_TOP:
        rc.top = rc.bottom - nBorder;
        break;
    case AFX_IDW_DOCKBAR_LEFT:
        rc.left = rc.right - nBorder;
        break;
    case AFX_IDW_DOCKBAR_RIGHT:
        rc.right = rc.left + nBorder;
        break;
    default:
        rc.bottom = rc.top + nBorder;
        break;
    }
    return layout;
}

CCJControlBar::CCJControlBar() = default;

BOOL CCJControlBar::Create(CWnd* pParentWnd, UINT nID, LPCTSTR lpszWindowName, CSize sizeDefault,
                           DWORD dwStyle)
{
    m_sizeHorz = m_sizeVert = m_sizeFloat = sizeDefault;
    return CreateBar(lpszWindowName, dwStyle & (CBRS_ALL | WS_CHILD | WS_VISIBLE), pParentWnd, nID);
}

// ---- docking and sizes ----

UINT CCJControlBar::DockBarFromStyle() const
{
    if (!m_pDockSite)
        return AFX_IDW_DOCKBAR_FLOAT;
    if (m_dwStyle & CBRS_ALIGN_TOP)
        return AFX_IDW_DOCKBAR_TOP;
    if (m_dwStyle & CBRS_ALIGN_BOTTOM)
        return AFX_IDW_DOCKBAR_BOTTOM;
    if (m_dwStyle & CBRS_ALIGN_LEFT)
        return AFX_IDW_DOCKBAR_LEFT;
    if (m_dwStyle & CBRS_ALIGN_RIGHT)
        return AFX_IDW_DOCKBAR_RIGHT;
    return AFX_IDW_DOCKBAR_FLOAT;
}

BOOL CCJControlBar::IsHorzDocked() const
{
    return m_nDockBarID == AFX_IDW_DOCKBAR_TOP || m_nDockBarID == AFX_IDW_DOCKBAR_BOTTOM;
}

BOOL CCJControlBar::IsVertDocked() const
{
    return m_nDockBarID == AFX_IDW_DOCKBAR_LEFT || m_nDockBarID == AFX_IDW_DOCKBAR_RIGHT;
}

BOOL CCJControlBar::IsFloating() const { return !IsHorzDocked() && !IsVertDocked(); }

int CCJControlBar::GetThickness() const { return IsHorzDocked() ? m_sizeHorz.cy : m_sizeVert.cx; }

void CCJControlBar::SetThickness(int nThickness)
{
    if (IsHorzDocked())
        m_sizeHorz.cy = nThickness;
    else
        m_sizeVert.cx = nThickness;
}

CSize CCJControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    // The frame lays its bars out after a dock or a show: the side may have changed while the
    // window kept its size, which would bring no WM_SIZE.
    UpdateFrame(FALSE);
    int nLength = kStretchLength;
    if (!bStretch && m_pDockSite) {
        CRect rcFrame;
        m_pDockSite->GetClientRect(rcFrame);
        nLength = (bHorz ? rcFrame.Width() : rcFrame.Height()) + 4;
    }
    return bHorz ? CSize(nLength, m_sizeHorz.cy) : CSize(m_sizeVert.cx, nLength);
}

// ---- frame ----

void CCJControlBar::UpdateFrame(BOOL bAlways)
{
    const UINT nDockBarID = DockBarFromStyle();
    CRect rcWindow;
    GetClientRect(rcWindow);
    const CRect rcBorder = CalcNcLayout(rcWindow.Size(), nDockBarID, m_iTrackBorderSize).rcBorder;
    if (!bAlways && nDockBarID == m_nDockBarID && rcBorder == m_rcBorder)
        return;
    m_nDockBarID = nDockBarID;
    m_rcBorder = rcBorder;
    if (m_hWnd) {
        LayoutContent();
        Invalidate();
    }
}

CRect CCJControlBar::GetContentRect() const
{
    CRect rcWindow;
    GetClientRect(rcWindow);
    return CalcNcLayout(rcWindow.Size(), m_nDockBarID, m_iTrackBorderSize).rcClient;
}

UINT CCJControlBar::HitTest(CPoint point) const
{
    CRect rcWindow;
    GetClientRect(rcWindow);
    if (!rcWindow.PtInRect(point))
        return HTNOWHERE;
    return !IsFloating() && m_rcBorder.PtInRect(point) ? HTSIZE : UINT(HTCLIENT);
}

void CCJControlBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    UpdateFrame(TRUE);
}

void CCJControlBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rcWindow;
    GetClientRect(rcWindow);
    dc.FillSolidRect(rcWindow, kColorBtnFace);
    if (!m_rcBorder.IsRectEmpty())
        dc.Draw3dRect(m_rcBorder, kColorBtnHighlight, kColorBtnShadow);
    if (m_bGripper && !IsFloating())
        DrawGripper(&dc, GetContentRect());
}

void CCJControlBar::DrawGripper(CDC* pDC, const CRect& rcClient) const
{
    // Two raised lines 3 pixels thick, 4 apart: down the left side of a bar lying along the top
    // or bottom, across the top of one lying along the left or right.
    constexpr int kLineThickness = 3;
    constexpr int kLineStep = 4;
    for (int i = 0; i < 2; ++i) {
        CRect rcLine;
        if (IsHorzDocked()) {
            CRect rc = rcClient;
            rc.DeflateRect(3, 3);
            const int nLeft = rc.left + 1 + i * kLineStep;
            rcLine = CRect(nLeft, rc.top + 1, nLeft + kLineThickness, rc.bottom - 1);
        } else {
            CRect rc = rcClient;
            rc.DeflateRect(4, 4);
            const int nTop = rc.top + 2 + i * kLineStep;
            rcLine = CRect(rc.left + 4, nTop, rc.right - 2, nTop + kLineThickness);
        }
        pDC->Draw3dRect(rcLine, kColorBtnHighlight, kColorBtnShadow);
    }
}

// ---- sizing ----

int CCJControlBar::TrackedThickness(CPoint ptScreen) const
{
    const CSize delta = ptScreen - m_ptTrackStart;
    int nToMiddle = 0;
    switch (m_nDockBarID) {
    case AFX_IDW_DOCKBAR_TOP:
        nToMiddle = delta.cy;
        break;
    case AFX_IDW_DOCKBAR_BOTTOM:
        nToMiddle = -delta.cy;
        break;
    case AFX_IDW_DOCKBAR_LEFT:
        nToMiddle = delta.cx;
        break;
    default:
        nToMiddle = -delta.cx;
        break;
    }
    CRect rcFrame;
    if (m_pDockSite)
        m_pDockSite->GetClientRect(rcFrame);
    const BOOL bHorz = IsHorzDocked();
    const int nMin = bHorz ? m_sizeMin.cy : m_sizeMin.cx;
    const int nMax = std::max(nMin, (bHorz ? rcFrame.Height() : rcFrame.Width()) + m_nTrackThickness);
    return std::clamp(m_nTrackThickness + nToMiddle, nMin, nMax);
}

void CCJControlBar::OnLButtonDown(UINT, CPoint point)
{
    // Only the sizing border answers a click; the bar does not move by dragging.
    if (m_bTracking || IsFloating() || HitTest(point) != HTSIZE)
        return;
    m_bTracking = TRUE;
    m_ptTrackStart = point;
    ClientToScreen(&m_ptTrackStart);
    m_nTrackThickness = GetThickness();
    SetCapture();
}

void CCJControlBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bTracking) {
        if (HitTest(point) == HTSIZE)
            SetCursor(AfxLoadStandardCursor(IsHorzDocked() ? IDC_SIZENS : IDC_SIZEWE));
        CControlBar::OnMouseMove(nFlags, point);
        return;
    }
    ClientToScreen(&point);
    const int nThickness = TrackedThickness(point);
    if (nThickness == GetThickness())
        return;
    SetThickness(nThickness);
    if (m_pDockSite)
        m_pDockSite->RecalcLayout();
}

void CCJControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (!m_bTracking) {
        CControlBar::OnLButtonUp(nFlags, point);
        return;
    }
    ClientToScreen(&point);
    StopTracking(TRUE, point);
}

void CCJControlBar::OnCaptureChanged(CWnd* pWnd)
{
    if (m_bTracking && pWnd != this)
        StopTracking(FALSE, m_ptTrackStart);
    CControlBar::OnCaptureChanged(pWnd);
}

void CCJControlBar::StopTracking(BOOL bApply, CPoint ptScreen)
{
    // Cleared first: giving up the capture reports the change back here.
    m_bTracking = FALSE;
    SetThickness(bApply ? TrackedThickness(ptScreen) : m_nTrackThickness);
    if (GetCapture() == this)
        ReleaseCapture();
    if (m_pDockSite)
        m_pDockSite->RecalcLayout();
}

// ---- profile ----

BOOL CCJControlBar::LoadState(LPCTSTR lpszProfileName)
{
    if (!LoadBarSizes(lpszProfileName, GetDlgCtrlID(),
                      {&m_sizeHorz, &m_sizeVert, &m_sizeFloat, m_sizeMin, m_sizeMin, m_sizeMin}))
        return FALSE;
    if (m_pDockSite && m_hWnd)
        m_pDockSite->RecalcLayout();
    return TRUE;
}

BOOL CCJControlBar::SaveState(LPCTSTR lpszProfileName)
{
    return SaveBarSizes(lpszProfileName, GetDlgCtrlID(),
                        {&m_sizeHorz, &m_sizeVert, &m_sizeFloat, m_sizeMin, m_sizeMin, m_sizeMin});
}
