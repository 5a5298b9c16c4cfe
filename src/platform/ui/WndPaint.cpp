// The update region and painting. The region is kept as its bounding rectangle: what the paint
// handlers of the program ask for (GetUpdateRect, the paint rectangle) is that rectangle.
#include "platform/gdi/DC.h"
#include "platform/ui/NativeWindow.h"
#include "platform/ui/Wnd.h"

void CWnd::Invalidate(BOOL bErase) { InvalidateRect(nullptr, bErase); }

void CWnd::InvalidateRect(LPCRECT lpRect, BOOL bErase)
{
    // Hidden windows have nothing to paint; showing them invalidates them whole.
    if (!IsWindowVisible())
        return;
    CRect rectClient;
    GetClientRect(rectClient);
    CRect rect = rectClient;
    if (lpRect)
        rect.IntersectRect(rectClient, lpRect);
    if (rect.IsRectEmpty())
        return;
    if (m_rectUpdate.IsRectEmpty())
        m_rectUpdate = rect;
    else
        m_rectUpdate.UnionRect(m_rectUpdate, rect);
    if (bErase)
        m_bUpdateErase = TRUE;
    if (m_pPeer)
        m_pPeer->Invalidate(rect);
}

void CWnd::ValidateRect(LPCRECT lpRect)
{
    if (!lpRect) {
        m_rectUpdate.SetRectEmpty();
        m_bUpdateErase = FALSE;
        return;
    }
    // A rectangle that covers the region whole empties it; any other part leaves the bounds.
    CRect rectCover;
    rectCover.UnionRect(m_rectUpdate, lpRect);
    if (rectCover == CRect(lpRect))
        ValidateRect(nullptr);
}

BOOL CWnd::GetUpdateRect(LPRECT lpRect, BOOL bErase)
{
    if (lpRect)
        *lpRect = m_rectUpdate;
    const BOOL bPending = !m_rectUpdate.IsRectEmpty();
    if (bPending && bErase && m_bUpdateErase) {
        m_bUpdateErase = FALSE;
        PAINTSTRUCT ps = {};
        CDC dc;
        PreparePaint(dc, ps);
        SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc));
        EndPaintOn(dc);
    }
    return bPending;
}

void CWnd::UpdateWindow()
{
    if (m_rectUpdate.IsRectEmpty() || !IsWindowVisible())
        return;
    if (m_pPeer)
        m_pPeer->UpdateNow();
    else
        SendMessage(WM_PAINT);
}

BOOL CWnd::RedrawWindow(LPCRECT lpRectUpdate, CRgn* prgnUpdate, UINT flags)
{
    if (!m_hWnd || prgnUpdate)
        return FALSE;
    if (flags & RDW_INVALIDATE)
        InvalidateRect(lpRectUpdate, (flags & RDW_ERASE) && !(flags & RDW_NOERASE));
    else if (flags & RDW_VALIDATE)
        ValidateRect(lpRectUpdate);
    if (flags & RDW_ALLCHILDREN) {
        for (CWnd* pChild : std::vector<CWnd*>(m_children)) {
            if (IsWindow(pChild))
                pChild->RedrawWindow(nullptr, nullptr, flags & ~RDW_UPDATENOW);
        }
    }
    if (flags & (RDW_UPDATENOW | RDW_ERASENOW)) {
        UpdateWindow();
        if (flags & RDW_ALLCHILDREN) {
            for (CWnd* pChild : std::vector<CWnd*>(m_children)) {
                if (IsWindow(pChild))
                    pChild->RedrawWindow(nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
            }
        }
    }
    return TRUE;
}

void CWnd::PreparePaint(CDC& dc, PAINTSTRUCT& ps)
{
    DrawingSurface* pSurface = m_pPeer ? m_pPeer->BeginPaint() : nullptr;
    if (pSurface)
        dc.AttachSurface(pSurface);
    ps.hdc = &dc;
    ps.rcPaint = m_rectUpdate;
    dc.SetSystemClip(&ps.rcPaint);
}

void CWnd::FinishPaint()
{
    if (m_pPeer)
        m_pPeer->EndPaint();
}

void CWnd::BeginPaintOn(CDC& dc, PAINTSTRUCT& ps)
{
    PreparePaint(dc, ps);
    const BOOL bErase = m_bUpdateErase;
    m_bUpdateErase = FALSE;
    m_rectUpdate.SetRectEmpty();
    ps.fErase = bErase && !SendMessage(WM_ERASEBKGND, reinterpret_cast<WPARAM>(&dc));
}

void CWnd::EndPaintOn(CDC& dc)
{
    dc.AttachSurface(nullptr);
    FinishPaint();
}

CDC* CWnd::BeginPaint(LPPAINTSTRUCT lpPaint)
{
    m_pPaintDC = std::make_unique<CDC>();
    BeginPaintOn(*m_pPaintDC, *lpPaint);
    return m_pPaintDC.get();
}

void CWnd::EndPaint(LPPAINTSTRUCT)
{
    if (m_pPaintDC)
        EndPaintOn(*m_pPaintDC);
    m_pPaintDC.reset();
}
