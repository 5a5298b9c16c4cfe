// The view's geometry: the zoom factor and its steps, the scroll extent of the base, the
// mapping between the window and the document, and the paint through the memory bitmap.
#include "editor/ActiveDiagram.h"
#include "editor/VetlaView.h"

#include "blocks/BlockObj.h"
#include "document/PageLayout.h"
#include "document/VetlaDoc.h"
#include "platform/ui/PaintDC.h"

#include <cmath>

// A document opens with a zoom within the range the views step through.
static_assert(VIEW_ZOOM_MIN == DOC_ZOOM_MIN && VIEW_ZOOM_MAX == DOC_ZOOM_MAX);

namespace {

// Every float-to-int conversion of the geometry rounds half away from zero.
int RoundHalfAway(double dValue) { return dValue >= 0 ? int(dValue + 0.5) : int(dValue - 0.5); }

// Fills the part of rcArea outside rcBase (the bands above, below, left and right of it): the
// base gets a fill of its own, and each pixel is filled once.
void FillAround(CDC* pDC, const CRect& rcArea, const CRect& rcBase, COLORREF colour)
{
    CRect rcInner;
    if (!rcInner.IntersectRect(rcArea, rcBase)) {
        pDC->FillSolidRect(rcArea, colour);
        return;
    }
    const CRect bands[] = {{rcArea.left, rcArea.top, rcArea.right, rcInner.top},
                           {rcArea.left, rcInner.bottom, rcArea.right, rcArea.bottom},
                           {rcArea.left, rcInner.top, rcInner.left, rcInner.bottom},
                           {rcInner.right, rcInner.top, rcArea.right, rcInner.bottom}};
    for (const CRect& rcBand : bands) {
        if (!rcBand.IsRectEmpty())
            pDC->FillSolidRect(rcBand, colour);
    }
}

} // namespace

float CVetlaView::GetZoom() const { return m_pDocument ? m_pDocument->m_fZoom : 1.0f; }

void CVetlaView::SetZoom(float fZoom)
{
    if (!m_pDocument)
        return;
    if (fZoom <= VIEW_ZOOM_MIN)
        fZoom = VIEW_ZOOM_MIN;
    else if (fZoom >= VIEW_ZOOM_MAX)
        fZoom = VIEW_ZOOM_MAX;
    m_pDocument->m_fZoom = fZoom;
}

float CVetlaView::ZoomInStep(float fZoom) { return fZoom < 1.0f ? fZoom + 0.25f : fZoom + 0.5f; }

float CVetlaView::ZoomOutStep(float fZoom) { return fZoom <= 1.0f ? fZoom - 0.25f : fZoom - 0.5f; }

int CVetlaView::ApplyZoomMapping(CDC* pDC) const
{
    const int nOldMode = pDC->SetMapMode(MM_ISOTROPIC);
    const int nDevice = RoundHalfAway(double(GetZoom()) * 100.0);
    pDC->SetWindowExt(100, 100);
    pDC->SetViewportExt(nDevice, nDevice);
    return nOldMode;
}

void CVetlaView::UpdateScrollSizes()
{
    if (!m_pDocument)
        return;
    const double dZoom = GetZoom();
    const CRect& rcBase = m_pDocument->m_rcExtent;
    SetScrollSizes(MM_TEXT, CSize(RoundHalfAway(rcBase.Width() * dZoom), RoundHalfAway(rcBase.Height() * dZoom)));
}

CPoint CVetlaView::GetViewCentre() const
{
    CRect rcClient;
    GetClientRect(rcClient);
    return GetScrollPosition() + CPoint(rcClient.Width() / 2, rcClient.Height() / 2);
}

void CVetlaView::ZoomTo(float fZoom)
{
    const double dOld = GetZoom();
    const CPoint ptCentre = GetViewCentre();
    SetZoom(fZoom);
    UpdateScrollSizes();
    const double dNew = GetZoom();
    if (dOld >= 1.0) {
        CRect rcClient;
        GetClientRect(rcClient);
        const CPoint ptNewCentre(RoundHalfAway(ptCentre.x / dOld * dNew), RoundHalfAway(ptCentre.y / dOld * dNew));
        ScrollToPosition(CPoint(ptNewCentre.x - rcClient.Width() / 2, ptNewCentre.y - rcClient.Height() / 2));
    } else {
        ScrollToPosition(CPoint(0, 0));
    }
    InvalidateAll();
}

void CVetlaView::ClientToDocRect(CRect& rect) const
{
    CDC dc;
    const_cast<CVetlaView*>(this)->OnPrepareDC(&dc);
    ApplyZoomMapping(&dc);
    dc.DPtoLP(&rect);
}

CPoint CVetlaView::ClientToDoc(CPoint ptClient) const
{
    const double dZoom = GetZoom();
    const CPoint ptScrolled = ptClient + GetScrollPosition();
    return CPoint(int(ptScrolled.x / dZoom), int(ptScrolled.y / dZoom));
}

void CVetlaView::SetPageLayout(int nAcross, int nDown)
{
    if (!m_pDocument || !SetPagesOfBase(*m_pDocument, nAcross, nDown))
        return;
    UpdateScrollSizes();
    InvalidateAll();
}

// A pin's tip points at the place on the screen where the pin was: once the diagram scrolls
// under the resting mouse, it would point at nothing. The value popup goes along with its block.
BOOL CVetlaView::OnScrollBy(CSize sizeScroll, BOOL bDoScroll)
{
    const BOOL bScrolled = CScrollView::OnScrollBy(sizeScroll, bDoScroll);
    if (bScrolled && bDoScroll) {
        m_wireTool.Tip().Hide();
        m_simulation.PlaceValuePopup();
    }
    return bScrolled;
}

void CVetlaView::OnZoomIn() { ZoomTo(ZoomInStep(GetZoom())); }

void CVetlaView::OnZoomOut() { ZoomTo(ZoomOutStep(GetZoom())); }

void CVetlaView::OnUpdateZoomIn(CCmdUI* pCmdUI) { pCmdUI->Enable(GetZoom() < VIEW_ZOOM_MAX); }

void CVetlaView::OnUpdateZoomOut(CCmdUI* pCmdUI) { pCmdUI->Enable(GetZoom() > VIEW_ZOOM_MIN); }

BOOL CVetlaView::IsActiveDiagramView() const { return GetActiveVetlaView() == this; }

BOOL CVetlaView::PrepareMemoryBitmap(const CSize& sizeClient)
{
    if (m_pMemBitmap && m_sizeMemBitmap == sizeClient)
        return FALSE;
    if (!m_memDC.GetSafeHdc())
        m_memDC.CreateCompatibleDC(nullptr);
    // A new bitmap can only be made while the old one is not selected anywhere.
    m_pMemBitmap = std::make_unique<CBitmap>();
    m_pMemBitmap->CreateCompatibleBitmap(&m_memDC, sizeClient.cx, sizeClient.cy);
    m_sizeMemBitmap = sizeClient;
    return TRUE;
}

// The memory bitmap keeps the last image, so the paint copies only the invalid part and an
// inactive view goes on showing what it showed. A new bitmap (the window was resized, as Tile and
// Cascade do to the views behind the active one) holds no image yet: it gets the whole diagram
// once, even in an inactive view, so that no view shows an empty window. Only the active view
// simulates, so an inactive simulating view leaves it to its next activation.
void CVetlaView::OnPaint()
{
    CPaintDC dc(this);
    OnPrepareDC(&dc);
    ApplyZoomMapping(&dc);
    CRect rcClient;
    GetClientRect(rcClient);
    const BOOL bNoImage = PrepareMemoryBitmap(rcClient.Size());
    ApplyZoomMapping(&m_memDC);
    m_memDC.SetViewportOrg(dc.GetViewportOrg());
    CRect rcClip;
    dc.GetClipBox(rcClip);
    if (rcClip.IsRectEmpty())
        return;
    CBitmap* pOldBitmap = m_memDC.SelectObject(m_pMemBitmap.get());
    m_memDC.SelectClipRgn(nullptr);
    if (IsActiveDiagramView()) {
        m_memDC.IntersectClipRect(rcClip);
        OnDraw(&m_memDC);
    } else if (bNoImage && m_nEditMode != EDIT_MODE_SIMULATE) {
        DrawImage(&m_memDC);
    }
    dc.BitBlt(rcClip.left, rcClip.top, rcClip.Width(), rcClip.Height(), &m_memDC, rcClip.left, rcClip.top, SRCCOPY);
    m_memDC.SelectObject(pOldBitmap);
}

BOOL CVetlaView::OnEraseBkgnd(CDC*) { return TRUE; }

void CVetlaView::OnDraw(CDC* pDC)
{
    if (IsActiveDiagramView())
        DrawImage(pDC);
}

void CVetlaView::DrawImage(CDC* pDC)
{
    if (!m_pDocument || pDC->IsPrinting())
        return;
    CRect rcClip;
    if (pDC->GetClipBox(rcClip) == ERROR)
        return;
    // The clip box is already in document units: everything outside the base shows grey; the
    // page background fills the base.
    FillAround(pDC, rcClip, m_pDocument->m_rcExtent, VIEW_COLOUR_OUTSIDE);
    DrawPageBackground(pDC);
    DrawDiagram(pDC, TRUE);
}
