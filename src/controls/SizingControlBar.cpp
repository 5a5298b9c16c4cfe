#include "controls/SizingControlBar.h"

#include "controls/BarColors.h"
#include "controls/BarSizeProfile.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSizingControlBar, CControlBar)

BEGIN_MESSAGE_MAP(CSizingControlBar, CControlBar)
    ON_WM_CREATE()
    ON_WM_SIZE()
    ON_WM_PAINT()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_RBUTTONDOWN()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

namespace {

// What a docked bar's frame takes off its window on each side before the edges: the classic
// non-client border of a docked sizing bar (3, 5, 3, 3, and 2 more except at the top).
constexpr int kBorderLeft = 5;
constexpr int kBorderTop = 5;
constexpr int kBorderRight = 5;
constexpr int kBorderBottom = 5;
// The largest thickness a stretched bar reports along its side.
constexpr int kStretchLength = 32767;
// How far the mouse moves with the button down before a press on the caption drags the bar.
constexpr int kDragThreshold = 4;

CSize AtLeast(CSize size, CSize sizeMin)
{
    return CSize(std::max(size.cx, sizeMin.cx), std::max(size.cy, sizeMin.cy));
}

}  // namespace

CSizingControlBar::CSizingControlBar() = default;

BOOL CSizingControlBar::Create(LPCTSTR lpszWindowName, CWnd* pParentWnd, UINT nID, DWORD dwStyle)
{
    return CreateBar(lpszWindowName, dwStyle | WS_CLIPCHILDREN, pParentWnd, nID);
}

BOOL CSizingControlBar::Create(LPCTSTR lpszWindowName, CWnd* pParentWnd, CSize sizeDefault, BOOL,
                               UINT nID, DWORD dwStyle)
{
    m_szHorz = m_szVert = m_szFloat = sizeDefault;
    return Create(lpszWindowName, pParentWnd, nID, dwStyle);
}

int CSizingControlBar::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CControlBar::OnCreate(lpCreateStruct) == -1)
        return -1;
    // The window layer always redraws the frame while an edge is dragged.
    m_bDragShowContent = TRUE;
    UpdateEdges();
    return 0;
}

void CSizingControlBar::EnableDocking(DWORD dwDockStyle)
{
    CControlBar::EnableDocking(dwDockStyle);
    if (!GetOwner() && GetParent())
        SetOwner(GetParent());
}

// ---- sizes ----

UINT CSizingControlBar::GetDockBarID() const
{
    if (IsFloating())
        return AFX_IDW_DOCKBAR_FLOAT;
    if (m_dwStyle & CBRS_ALIGN_BOTTOM)
        return AFX_IDW_DOCKBAR_BOTTOM;
    if (m_dwStyle & CBRS_ALIGN_LEFT)
        return AFX_IDW_DOCKBAR_LEFT;
    if (m_dwStyle & CBRS_ALIGN_RIGHT)
        return AFX_IDW_DOCKBAR_RIGHT;
    return AFX_IDW_DOCKBAR_TOP;
}

BOOL CSizingControlBar::IsHorzDocked() const
{
    const UINT nID = GetDockBarID();
    return nID == AFX_IDW_DOCKBAR_TOP || nID == AFX_IDW_DOCKBAR_BOTTOM;
}

int CSizingControlBar::GetThickness() const
{
    return IsHorzDocked() ? AtLeast(m_szHorz, m_szMinHorz).cy : AtLeast(m_szVert, m_szMinVert).cx;
}

void CSizingControlBar::SetThickness(int nThickness)
{
    if (IsHorzDocked())
        m_szHorz.cy = std::max(nThickness, m_szMinHorz.cy);
    else
        m_szVert.cx = std::max(nThickness, m_szMinVert.cx);
}

CSize CSizingControlBar::CalcFixedLayout(BOOL bStretch, BOOL bHorz)
{
    m_nDockBarID = GetDockBarID();
    UpdateEdges();
    if (bStretch) {
        return bHorz ? CSize(kStretchLength, AtLeast(m_szHorz, m_szMinHorz).cy)
                     : CSize(AtLeast(m_szVert, m_szMinVert).cx, kStretchLength);
    }
    m_bParentSizing = FALSE;
    return bHorz ? AtLeast(m_szHorz, m_szMinHorz) : AtLeast(m_szVert, m_szMinVert);
}

CSize CSizingControlBar::CalcDynamicLayout(int nLength, DWORD nMode)
{
    if (nMode & (LM_HORZDOCK | LM_VERTDOCK)) {
        if (nLength == -1)
            m_bParentSizing = TRUE;
        return CalcFixedLayout((nMode & LM_STRETCH) != 0, (nMode & LM_HORZDOCK) != 0);
    }
    if (!(nMode & (LM_MRUWIDTH | LM_COMMIT))) {
        if (nMode & LM_LENGTHY)
            m_szFloat.cy = nLength;
        else
            m_szFloat.cx = nLength;
    } else if (nMode & LM_COMMIT) {
        m_szFloat.cx = nLength;
    }
    m_szFloat = AtLeast(m_szFloat, m_szMinFloat);
    return m_szFloat;
}

// ---- profile ----

BOOL CSizingControlBar::LoadState(LPCTSTR lpszProfileName)
{
    if (!LoadBarSizes(lpszProfileName, GetDlgCtrlID(), ProfileSizes()))
        return FALSE;
    if (m_pDockSite && m_hWnd)
        m_pDockSite->RecalcLayout();
    return TRUE;
}

BOOL CSizingControlBar::SaveState(LPCTSTR lpszProfileName)
{
    return SaveBarSizes(lpszProfileName, GetDlgCtrlID(), ProfileSizes());
}

BarSizes CSizingControlBar::ProfileSizes()
{
    return {&m_szHorz, &m_szVert, &m_szFloat, m_szMinHorz, m_szMinVert, m_szMinFloat};
}

// ---- frame and edges ----

UINT CSizingControlBar::InnerEdge() const
{
    switch (GetDockBarID()) {
    case AFX_IDW_DOCKBAR_TOP:
        return HTBOTTOM;
    case AFX_IDW_DOCKBAR_BOTTOM:
        return HTTOP;
    case AFX_IDW_DOCKBAR_LEFT:
        return HTRIGHT;
    case AFX_IDW_DOCKBAR_RIGHT:
        return HTLEFT;
    default:
        return 0;
    }
}

void CSizingControlBar::UpdateEdges()
{
    static constexpr struct {
        UINT nHit;
        DWORD dwBit;
    } kEdgeBits[] = {{HTLEFT, SCBS_EDGELEFT}, {HTTOP, SCBS_EDGETOP},
                     {HTRIGHT, SCBS_EDGERIGHT}, {HTBOTTOM, SCBS_EDGEBOTTOM}};
    m_dwSCBStyle &= ~SCBS_EDGEALL;
    const UINT nEdge = InnerEdge();
    for (const auto& edge : kEdgeBits) {
        if (edge.nHit == nEdge)
            m_dwSCBStyle |= edge.dwBit;
    }
}

void CSizingControlBar::NcCalcClient(LPRECT pRc, UINT nDockBarID)
{
    CRect rc(pRc);
    if (nDockBarID == AFX_IDW_DOCKBAR_FLOAT)
        rc.DeflateRect(3, 5, 3, 3);
    else
        rc.DeflateRect(kBorderLeft, kBorderTop, kBorderRight, kBorderBottom);
    if (m_dwSCBStyle & SCBS_SHOWEDGES) {
        if (m_dwSCBStyle & SCBS_EDGELEFT)
            rc.left += m_cxEdge;
        if (m_dwSCBStyle & SCBS_EDGETOP)
            rc.top += m_cxEdge;
        if (m_dwSCBStyle & SCBS_EDGERIGHT)
            rc.right -= m_cxEdge;
        if (m_dwSCBStyle & SCBS_EDGEBOTTOM)
            rc.bottom -= m_cxEdge;
    }
    rc.right = std::max(rc.left, rc.right);
    rc.bottom = std::max(rc.top, rc.bottom);
    *pRc = rc;
}

void CSizingControlBar::GetInsideRect(CRect& rect) const
{
    GetClientRect(rect);
    const_cast<CSizingControlBar*>(this)->NcCalcClient(rect, GetDockBarID());
}

UINT CSizingControlBar::HitTest(CPoint point) const
{
    CRect rc;
    GetClientRect(rc);
    if (!rc.PtInRect(point))
        return HTNOWHERE;
    if (IsFloating())
        return HTCLIENT;
    if (m_dwSCBStyle & SCBS_SHOWEDGES)
        rc.DeflateRect(1, 1);
    const UINT nEdge = InnerEdge();
    CRect rcEdge = rc;
    switch (nEdge) {
    case HTLEFT:
        rcEdge.right = rc.left + m_cxEdge;
        break;
    case HTTOP:
        rcEdge.bottom = rc.top + m_cxEdge;
        break;
    case HTRIGHT:
        rcEdge.left = rc.right - m_cxEdge;
        break;
    case HTBOTTOM:
        rcEdge.top = rc.bottom - m_cxEdge;
        break;
    default:
        return HTCLIENT;
    }
    return rcEdge.PtInRect(point) ? nEdge : UINT(HTCLIENT);
}

void CSizingControlBar::SizeFirstChild()
{
    if (!(m_dwSCBStyle & SCBS_SIZECHILD))
        return;
    CWnd* pChild = GetWindow(GW_CHILD);
    if (!pChild)
        return;
    CRect rect;
    GetInsideRect(rect);
    pChild->MoveWindow(rect);
}

void CSizingControlBar::OnSize(UINT nType, int cx, int cy)
{
    CControlBar::OnSize(nType, cx, cy);
    SizeFirstChild();
    Invalidate();
}

void CSizingControlBar::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(rcClient);
    dc.FillSolidRect(rcClient, kColorBtnFace);
    if (m_dwSCBStyle & SCBS_SHOWEDGES)
        dc.Draw3dRect(rcClient, kColorBtnHighlight, kColorBtnShadow);
    NcPaintGripper(&dc, rcClient);
}

void CSizingControlBar::NcPaintGripper(CDC*, const CRect&) {}

// ---- mouse ----

void CSizingControlBar::OnLButtonDown(UINT nFlags, CPoint point)
{
    const UINT nHit = HitTest(point);
    if (!m_bTracking && !IsFloating() && nHit >= HTLEFT && nHit <= HTBOTTOM) {
        StartTracking(nHit, point);
        return;
    }
    if (!m_bTracking && nHit == HTCAPTION && m_pDockSite) {
        StartDragging(point);
        return;
    }
    CControlBar::OnLButtonDown(nFlags, point);
}

void CSizingControlBar::OnLButtonUp(UINT nFlags, CPoint point)
{
    if (m_bTracking) {
        StopTracking();
        return;
    }
    if (m_bDragging && StopDragging(point))
        return;
    const UINT nHit = HitTest(point);
    if (nHit != HTCLIENT && nHit != HTNOWHERE)
        OnNcLButtonUp(nHit, point);
    else
        CControlBar::OnLButtonUp(nFlags, point);
}

void CSizingControlBar::OnNcLButtonUp(UINT, CPoint) {}

void CSizingControlBar::OnLButtonDblClk(UINT nFlags, CPoint point)
{
    if (IsFloating() && m_pDockSite && HitTest(point) == HTCAPTION) {
        m_pDockSite->DockControlBar(this);
        return;
    }
    CControlBar::OnLButtonDblClk(nFlags, point);
}

// ---- dragging to dock or float ----

void CSizingControlBar::StartDragging(CPoint point)
{
    m_bDragging = TRUE;
    m_ptDragGrip = point;
    m_ptDragStart = point;
    ClientToScreen(&m_ptDragStart);
    SetCapture();
}

BOOL CSizingControlBar::StopDragging(CPoint point)
{
    // Cleared first: giving up the capture reports the change back here.
    m_bDragging = FALSE;
    if (GetCapture() == this)
        ReleaseCapture();
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    const CSize moved = ptScreen - m_ptDragStart;
    if (std::abs(moved.cx) < kDragThreshold && std::abs(moved.cy) < kDragThreshold)
        return FALSE;
    if (const DWORD dwSide = m_pDockSite->DockSideAt(this, ptScreen)) {
        m_dwStyle = (m_dwStyle & ~CBRS_ALIGN_ANY) | dwSide;
        m_pDockSite->DockControlBar(this);
        return TRUE;
    }
    const CPoint ptTopLeft(ptScreen.x - m_ptDragGrip.x, ptScreen.y - m_ptDragGrip.y);
    if (IsFloating())
        GetParent()->SetWindowPos(nullptr, ptTopLeft.x, ptTopLeft.y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    else
        m_pDockSite->FloatControlBar(this, ptTopLeft);
    return TRUE;
}

void CSizingControlBar::OnMouseMove(UINT nFlags, CPoint point)
{
    if (m_bDragging) {
        SetCursor(AfxLoadStandardCursor(IDC_SIZEALL));
        return;
    }
    if (!m_bTracking) {
        const UINT nHit = HitTest(point);
        if (nHit >= HTLEFT && nHit <= HTBOTTOM)
            SetCursor(AfxLoadStandardCursor(IsHorzDocked() ? IDC_SIZENS : IDC_SIZEWE));
        CControlBar::OnMouseMove(nFlags, point);
        return;
    }
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    OnTrackUpdateSize(ptScreen);
}

void CSizingControlBar::OnRButtonDown(UINT nFlags, CPoint point)
{
    if (m_bTracking)
        StopTracking();
    else
        CControlBar::OnRButtonDown(nFlags, point);
}

void CSizingControlBar::OnCaptureChanged(CWnd* pWnd)
{
    if (m_bTracking && pWnd != this)
        StopTracking();
    if (pWnd != this)
        m_bDragging = FALSE;
    CControlBar::OnCaptureChanged(pWnd);
}

// ---- tracking ----

int CSizingControlBar::CursorPos(CPoint ptScreen) const
{
    return IsHorzDocked() ? ptScreen.y : ptScreen.x;
}

int CSizingControlBar::RoomToGrow() const
{
    if (!m_pDockSite)
        return 0;
    CRect rect;
    if (CWnd* pPane = m_pDockSite->GetDlgItem(AFX_IDW_PANE_FIRST)) {
        pPane->GetWindowRect(rect);
    } else {
        m_pDockSite->GetClientRect(rect);
        if (IsHorzDocked())
            rect.bottom -= GetThickness();
        else
            rect.right -= GetThickness();
    }
    return std::max(0, IsHorzDocked() ? rect.Height() : rect.Width());
}

void CSizingControlBar::StartTracking(UINT nHitTest, CPoint point)
{
    m_htEdge = nHitTest;
    m_bTracking = TRUE;
    SetCapture();
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    m_nTrackStartPos = m_nTrackPosOld = CursorPos(ptScreen);
    m_nTrackThickness = GetThickness();
    // A left or top edge grows the bar when it moves toward lower coordinates.
    const int nSign = (nHitTest == HTLEFT || nHitTest == HTTOP) ? -1 : 1;
    const int nMin = IsHorzDocked() ? m_szMinHorz.cy : m_szMinVert.cx;
    const int nMax = std::max(m_nTrackThickness, m_nTrackThickness + RoomToGrow() - 2);
    const int nPosShrunk = m_nTrackStartPos + nSign * (nMin - m_nTrackThickness);
    const int nPosGrown = m_nTrackStartPos + nSign * (nMax - m_nTrackThickness);
    m_nTrackPosMin = std::min(nPosShrunk, nPosGrown);
    m_nTrackPosMax = std::max(nPosShrunk, nPosGrown);
}

void CSizingControlBar::OnTrackUpdateSize(CPoint& point)
{
    const int nPos = std::clamp(CursorPos(point), m_nTrackPosMin, m_nTrackPosMax);
    if (nPos == m_nTrackPosOld)
        return;
    m_nTrackPosOld = nPos;
    const int nSign = (m_htEdge == HTLEFT || m_htEdge == HTTOP) ? -1 : 1;
    SetThickness(m_nTrackThickness + nSign * (nPos - m_nTrackStartPos));
    if (m_pDockSite && m_bDragShowContent)
        m_pDockSite->RecalcLayout();
}

void CSizingControlBar::StopTracking()
{
    // Cleared first: giving up the capture reports the change back here.
    m_bTracking = FALSE;
    if (GetCapture() == this)
        ReleaseCapture();
    m_htEdge = 0;
    if (m_pDockSite)
        m_pDockSite->RecalcLayout();
}
