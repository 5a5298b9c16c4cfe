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
    ON_WM_MOVE()
    ON_WM_SHOWWINDOW()
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
// How far inside a floating bar's far edges the mouse is kept when the bar floats shorter than
// the point it was grabbed by.
constexpr int kGripInset = 8;

CSize AtLeast(CSize size, CSize sizeMin)
{
    return CSize(std::max(size.cx, sizeMin.cx), std::max(size.cy, sizeMin.cy));
}

CSizingControlBar* AsSizingBar(CControlBar* pBar)
{
    return pBar && pBar->IsKindOf(RUNTIME_CLASS(CSizingControlBar)) ? static_cast<CSizingControlBar*>(pBar)
                                                                     : nullptr;
}

// A sizing bar's length along a row and its thickness across it, and their minimums.
int& LengthOf(CSizingControlBar& bar, BOOL bHorz) { return bHorz ? bar.m_szHorz.cx : bar.m_szVert.cy; }
int& ThicknessOf(CSizingControlBar& bar, BOOL bHorz) { return bHorz ? bar.m_szHorz.cy : bar.m_szVert.cx; }
int MinLengthOf(const CSizingControlBar& bar, BOOL bHorz) { return bHorz ? bar.m_szMinHorz.cx : bar.m_szMinVert.cy; }
int MinThicknessOf(const CSizingControlBar& bar, BOOL bHorz)
{
    return bHorz ? bar.m_szMinHorz.cy : bar.m_szMinVert.cx;
}

// The length along the row a bar needs at the least: a sizing bar its minimum, another bar its
// window's.
int LeastLength(CControlBar& bar, BOOL bHorz)
{
    if (CSizingControlBar* pSizing = AsSizingBar(&bar))
        return MinLengthOf(*pSizing, bHorz);
    CRect rect;
    bar.GetWindowRect(rect);
    return bHorz ? rect.Width() : rect.Height();
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
    if (m_bParentSizing && m_pDockSite && !IsFloating() && IsVisible()) {
        const std::vector<CControlBar*> row = GetRow();
        if (!row.empty() && row.front() == this) {
            CRect rectRow = m_rectDockRow;
            if (rectRow.IsRectEmpty())
                m_pDockSite->GetClientRect(rectRow);
            // A frame that has no room yet (still being created) leaves the sizes as they are.
            // A row along the top or bottom starts before the side's start and so has 2 pixels
            // more; one along the left or right ends 2 pixels short of the side's end.
            const int nLength = bHorz ? rectRow.Width() + kRowStartShift : rectRow.Height() - 2;
            if (nLength > 0 && NegotiateSpace(nLength, bHorz))
                AlignControlBars();
        }
    }
    m_bParentSizing = FALSE;
    return bHorz ? AtLeast(m_szHorz, m_szMinHorz) : AtLeast(m_szVert, m_szMinVert);
}

// ---- the row ----

std::vector<CControlBar*> CSizingControlBar::GetRow() const
{
    return m_pDockSite ? m_pDockSite->GetDockRow(this) : std::vector<CControlBar*>();
}

// The frame places a row's bars one after another from the row's start, each overlapping the
// one before by 2 pixels; so the bars fill a row exactly when the sum of their lengths, each less
// 2, plus 2 makes the row's length.
BOOL CSizingControlBar::NegotiateSpace(int nLengthTotal, BOOL bHorz)
{
    std::vector<CControlBar*> row = GetRow();
    const auto itThis = std::find(row.begin(), row.end(), this);
    if (itThis == row.end())
        return FALSE;
    const size_t nThis = size_t(itThis - row.begin());

    // The bars that fit at their least length; the first that does not begins a new row.
    int nTotal = 2;
    for (size_t i = 0; i < row.size(); ++i) {
        nTotal += LeastLength(*row[i], bHorz) - 2;
        if (nTotal <= nLengthTotal)
            continue;
        if (i < nThis) {
            row[i + 1]->m_bNewRow = TRUE;
            return FALSE;
        }
        if (i == nThis) {
            // Alone it does not fit: it is as short as it may be.
            int& nLength = LengthOf(*this, bHorz);
            const int nMin = MinLengthOf(*this, bHorz);
            const BOOL bChanged = nLength != nMin;
            nLength = nMin;
            return bChanged;
        }
        row[i]->m_bNewRow = TRUE;
        row.resize(i);
        break;
    }

    std::vector<CSizingControlBar*> bars;
    int nRoom = nLengthTotal - 2;
    for (CControlBar* pBar : row) {
        if (CSizingControlBar* pSizing = AsSizingBar(pBar))
            bars.push_back(pSizing);
        else
            nRoom -= LeastLength(*pBar, bHorz) - 2;
    }
    BOOL bChanged = FALSE;
    int nThickness = 0;
    for (CSizingControlBar* pBar : bars)
        nThickness = std::max({nThickness, ThicknessOf(*pBar, bHorz), MinThicknessOf(*pBar, bHorz)});
    int nDiff = nRoom;
    for (CSizingControlBar* pBar : bars) {
        int& nLength = LengthOf(*pBar, bHorz);
        if (nLength < MinLengthOf(*pBar, bHorz)) {
            nLength = MinLengthOf(*pBar, bHorz);
            bChanged = TRUE;
        }
        if (ThicknessOf(*pBar, bHorz) != nThickness) {
            ThicknessOf(*pBar, bHorz) = nThickness;
            bChanged = TRUE;
        }
        nDiff -= nLength - 2;
    }
    if (nDiff != 0)
        bChanged = TRUE;
    if (bars.size() == 1) {
        int& nLength = LengthOf(*bars.front(), bHorz);
        nLength = std::max(nLength + nDiff, MinLengthOf(*bars.front(), bHorz));
        nDiff = 0;
    }
    // A pixel at a time, bar by bar, so that every bar grows or shrinks alike.
    const int nStep = nDiff > 0 ? 1 : -1;
    while (nDiff != 0) {
        BOOL bGave = FALSE;
        for (CSizingControlBar* pBar : bars) {
            if (nDiff == 0)
                break;
            int& nLength = LengthOf(*pBar, bHorz);
            if (pBar->m_bKeepSize || (nStep < 0 && nLength <= MinLengthOf(*pBar, bHorz)))
                continue;
            nLength += nStep;
            nDiff -= nStep;
            bGave = TRUE;
        }
        if (bGave)
            continue;
        BOOL bKept = FALSE;
        for (CSizingControlBar* pBar : bars) {
            bKept = bKept || pBar->m_bKeepSize;
            pBar->m_bKeepSize = FALSE;
        }
        // Every bar is at its minimum: what is left cannot be taken.
        if (!bKept)
            break;
    }
    for (CSizingControlBar* pBar : bars)
        pBar->m_bKeepSize = FALSE;
    return bChanged;
}

void CSizingControlBar::AlignControlBars()
{
    const std::vector<CControlBar*> row = GetRow();
    if (row.empty())
        return;
    const BOOL bHorz = IsHorzDocked();
    const CRect& rectRow = m_rectDockRow;
    const int nTopShift = GetDockBarID() == AFX_IDW_DOCKBAR_TOP ? kRowTopShift : 0;
    int nPos = bHorz ? rectRow.left - kRowStartShift : rectRow.top;
    for (CControlBar* pBar : row) {
        CRect rect;
        pBar->GetWindowRect(rect);
        int nLength = bHorz ? rect.Width() : rect.Height();
        if (CSizingControlBar* pSizing = AsSizingBar(pBar))
            nLength = std::max(LengthOf(*pSizing, bHorz), MinLengthOf(*pSizing, bHorz));
        if (bHorz)
            pBar->MoveWindow(nPos, rectRow.top - nTopShift, nLength, rectRow.Height() + nTopShift);
        else
            pBar->MoveWindow(rectRow.left, nPos, rectRow.Width(), nLength);
        nPos += nLength - 2;
    }
    // Inside the frame's own layout the frame places the row itself next.
    if (m_pDockSite && !m_pDockSite->IsInRecalcLayout())
        m_pDockSite->RecalcLayout();
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
    UINT edges[3] = {InnerEdge(), 0, 0};
    const std::vector<CControlBar*> row = GetRow();
    if (!row.empty() && !IsFloating()) {
        const BOOL bHorz = IsHorzDocked();
        if (row.front() != this)
            edges[1] = bHorz ? HTLEFT : HTTOP;
        if (row.back() != this)
            edges[2] = bHorz ? HTRIGHT : HTBOTTOM;
    }
    for (const auto& edge : kEdgeBits) {
        if (std::find(std::begin(edges), std::end(edges), edge.nHit) != std::end(edges))
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
    const BOOL bHorz = IsHorzDocked();
    // An edge toward a neighbour stops short of the row's edges, which belong to the thickness.
    const int nShortLR = bHorz ? 0 : m_cxEdge;
    const int nShortTB = bHorz ? m_cxEdge : 0;
    const struct {
        UINT nHit;
        DWORD dwBit;
        CRect rect;
    } edges[] = {
        {HTLEFT, SCBS_EDGELEFT, CRect(rc.left, rc.top + nShortTB, rc.left + m_cxEdge, rc.bottom - nShortTB)},
        {HTTOP, SCBS_EDGETOP, CRect(rc.left + nShortLR, rc.top, rc.right - nShortLR, rc.top + m_cxEdge)},
        {HTRIGHT, SCBS_EDGERIGHT, CRect(rc.right - m_cxEdge, rc.top + nShortTB, rc.right, rc.bottom - nShortTB)},
        {HTBOTTOM, SCBS_EDGEBOTTOM, CRect(rc.left + nShortLR, rc.bottom - m_cxEdge, rc.right - nShortLR, rc.bottom)},
    };
    for (const auto& edge : edges) {
        if ((m_dwSCBStyle & edge.dwBit) && edge.rect.PtInRect(point))
            return edge.nHit;
    }
    return HTCLIENT;
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

// A bar that floats or docks at another side may keep its size while its caption moves between
// the left and the top: every move lays the inside out anew.
void CSizingControlBar::OnMove(int x, int y)
{
    CControlBar::OnMove(x, y);
    SizeFirstChild();
}

void CSizingControlBar::OnShowWindow(BOOL bShow, UINT nStatus)
{
    CControlBar::OnShowWindow(bShow, nStatus);
    // A bar shown again in its row keeps the length it had; the others make room.
    if (bShow && !IsFloating())
        m_bKeepSize = TRUE;
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
    // The caption or gripper, or anywhere in the client area, drags the bar.
    if (!m_bTracking && (nHit == HTCAPTION || nHit == HTCLIENT) && m_pDockSite) {
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
    // The double click's own press began a drag: the click is no drag.
    if (m_bDragging)
        EndDragging();
    // Anywhere in a floating bar but its close button docks it again; a docked bar stays.
    const UINT nHit = HitTest(point);
    if (IsFloating() && m_pDockSite && (nHit == HTCLIENT || nHit == HTCAPTION)) {
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

void CSizingControlBar::EndDragging()
{
    // Cleared first: giving up the capture reports the change back here.
    m_bDragging = FALSE;
    if (GetCapture() == this)
        ReleaseCapture();
}

BOOL CSizingControlBar::StopDragging(CPoint point)
{
    EndDragging();
    CPoint ptScreen = point;
    ClientToScreen(&ptScreen);
    const CSize moved = ptScreen - m_ptDragStart;
    if (std::abs(moved.cx) < kDragThreshold && std::abs(moved.cy) < kDragThreshold)
        return FALSE;
    if (const DWORD dwSide = m_pDockSite->DockSideAt(this, ptScreen)) {
        // Where the bar is let go decides its place among the bars of that side.
        CRect rectDrop;
        GetWindowRect(rectDrop);
        rectDrop.OffsetRect(moved);
        m_pDockSite->DockControlBar(this, DockBarIdOfSide(dwSide), rectDrop);
        return TRUE;
    }
    if (IsFloating()) {
        // The tool window goes with the bar, its frame around it.
        CRect rectFrame;
        GetParent()->GetWindowRect(rectFrame);
        rectFrame.OffsetRect(moved);
        GetParent()->SetWindowPos(nullptr, rectFrame.left, rectFrame.top, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    } else {
        // The bar floats at its floating size, which may be far shorter than it lay docked: the
        // point it was grabbed by stays under the mouse only as far as the floating bar reaches,
        // and the mouse stays a little inside the bar's far edges.
        const CSize sizeFloat = CalcDynamicLayout(0, LM_MRUWIDTH);
        const CPoint ptGrip(std::clamp(m_ptDragGrip.x, 0, std::max(0, int(sizeFloat.cx) - kGripInset)),
                            std::clamp(m_ptDragGrip.y, 0, std::max(0, int(sizeFloat.cy) - kGripInset)));
        m_pDockSite->FloatControlBar(this, CPoint(ptScreen.x - ptGrip.x, ptScreen.y - ptGrip.y));
    }
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
            SetCursor(AfxLoadStandardCursor((nHit == HTTOP || nHit == HTBOTTOM) ? IDC_SIZENS : IDC_SIZEWE));
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
    return (m_htEdge == HTTOP || m_htEdge == HTBOTTOM) ? ptScreen.y : ptScreen.x;
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
    const BOOL bHorz = IsHorzDocked();
    m_trackRow = GetRow();
    if (m_trackRow.empty())
        m_trackRow.push_back(this);
    if (nHitTest != InnerEdge()) {
        // An edge toward a neighbour: it may move as far as the bars on either side of it can
        // shrink.
        m_trackLengths.clear();
        const auto itThis = std::find(m_trackRow.begin(), m_trackRow.end(), this);
        m_nTrackBefore = size_t(itThis - m_trackRow.begin()) +
                         ((nHitTest == HTRIGHT || nHitTest == HTBOTTOM) ? 1 : 0);
        int nBefore = 0;
        int nAfter = 0;
        for (size_t i = 0; i < m_trackRow.size(); ++i) {
            CSizingControlBar* pBar = AsSizingBar(m_trackRow[i]);
            // The length the bar shows: a frame that lays its row out itself may stretch a bar
            // beyond its own length.
            CRect rect;
            m_trackRow[i]->GetWindowRect(rect);
            const int nShown = bHorz ? rect.Width() : rect.Height();
            const int nLength = pBar ? std::max(nShown, MinLengthOf(*pBar, bHorz)) : 0;
            m_trackLengths.push_back(nLength);
            const int nSpare = pBar ? nLength - MinLengthOf(*pBar, bHorz) : 0;
            (i < m_nTrackBefore ? nBefore : nAfter) += nSpare;
        }
        m_nTrackPosMin = m_nTrackStartPos - nBefore;
        m_nTrackPosMax = m_nTrackStartPos + nAfter;
        return;
    }
    // The thickness edge: no thinner than the thickest minimum of the row.
    const int nSign = (nHitTest == HTLEFT || nHitTest == HTTOP) ? -1 : 1;
    int nMin = 0;
    for (CControlBar* pBar : m_trackRow) {
        if (CSizingControlBar* pSizing = AsSizingBar(pBar))
            nMin = std::max(nMin, MinThicknessOf(*pSizing, bHorz));
    }
    const int nMax = std::max(m_nTrackThickness, m_nTrackThickness + RoomToGrow() - 2);
    const int nPosShrunk = m_nTrackStartPos + nSign * (nMin - m_nTrackThickness);
    const int nPosGrown = m_nTrackStartPos + nSign * (nMax - m_nTrackThickness);
    m_nTrackPosMin = std::min(nPosShrunk, nPosGrown);
    m_nTrackPosMax = std::max(nPosShrunk, nPosGrown);
}

void CSizingControlBar::TrackRowEdge(int nPos)
{
    const BOOL bHorz = IsHorzDocked();
    if (m_nTrackBefore == 0 || m_nTrackBefore >= m_trackRow.size())
        return;
    for (size_t i = 0; i < m_trackRow.size(); ++i) {
        if (CSizingControlBar* pBar = AsSizingBar(m_trackRow[i]))
            LengthOf(*pBar, bHorz) = m_trackLengths[i];
    }
    const int nMoved = nPos - m_nTrackStartPos;
    // The bar beside the edge on the side it moves away from grows; the bars on the other side
    // give the same, nearest first, each down to its minimum.
    const size_t nGrows = nMoved > 0 ? m_nTrackBefore - 1 : m_nTrackBefore;
    int nLeft = std::abs(nMoved);
    auto give = [&](size_t i) {
        CSizingControlBar* pBar = AsSizingBar(m_trackRow[i]);
        if (!pBar)
            return;
        int& nLength = LengthOf(*pBar, bHorz);
        const int nTaken = std::min(nLeft, nLength - MinLengthOf(*pBar, bHorz));
        nLength -= std::max(0, nTaken);
        nLeft -= std::max(0, nTaken);
    };
    if (nMoved > 0) {
        for (size_t i = m_nTrackBefore; i < m_trackRow.size() && nLeft > 0; ++i)
            give(i);
    } else {
        for (size_t i = m_nTrackBefore; i-- > 0 && nLeft > 0;)
            give(i);
    }
    if (CSizingControlBar* pBar = AsSizingBar(m_trackRow[nGrows]))
        LengthOf(*pBar, bHorz) += std::abs(nMoved) - nLeft;
}

void CSizingControlBar::OnTrackUpdateSize(CPoint& point)
{
    const int nPos = std::clamp(CursorPos(point), m_nTrackPosMin, m_nTrackPosMax);
    if (nPos == m_nTrackPosOld)
        return;
    m_nTrackPosOld = nPos;
    if (m_htEdge != InnerEdge()) {
        TrackRowEdge(nPos);
    } else {
        const int nSign = (m_htEdge == HTLEFT || m_htEdge == HTTOP) ? -1 : 1;
        SetThickness(m_nTrackThickness + nSign * (nPos - m_nTrackStartPos));
        // The whole row is as thick as the bar.
        for (CControlBar* pBar : m_trackRow) {
            if (CSizingControlBar* pSizing = AsSizingBar(pBar); pSizing && pSizing != this)
                ThicknessOf(*pSizing, IsHorzDocked()) = GetThickness();
        }
    }
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
