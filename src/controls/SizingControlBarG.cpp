#include "controls/SizingControlBarG.h"

#include "controls/BarColors.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"
#include "platform/ui/FrameWnd.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CSizingControlBarG, CSizingControlBar)

namespace {

CSizingControlBarG::CloseLockQuery g_pfnCloseLocked = nullptr;

}  // namespace

CSizingControlBarG::CloseLockQuery CSizingControlBarG::SetCloseLockQuery(CloseLockQuery pfnQuery)
{
    const CloseLockQuery pfnOld = g_pfnCloseLocked;
    g_pfnCloseLocked = pfnQuery;
    return pfnOld;
}

BOOL CSizingControlBarG::IsCloseLocked() { return g_pfnCloseLocked && g_pfnCloseLocked(); }

void CSizingControlBarG::NcCalcClient(LPRECT pRc, UINT nDockBarID)
{
    CSizingControlBar::NcCalcClient(pRc, nDockBarID);
    if (!HasGripper())
        return;
    CRect rc(pRc);
    if (nDockBarID == AFX_IDW_DOCKBAR_TOP || nDockBarID == AFX_IDW_DOCKBAR_BOTTOM) {
        rc.left = std::min(rc.right, rc.left + m_cyGripper);
        m_ptCloseOrigin = CPoint(rc.left - m_cyGripper - 1, rc.top);
    } else {
        rc.top = std::min(rc.bottom, rc.top + m_cyGripper);
        m_ptCloseOrigin = CPoint(rc.right - m_cyGripper, rc.top - m_cyGripper - 1);
    }
    *pRc = rc;
}

CRect CSizingControlBarG::GetGripperRect() const
{
    CRect rcInside;
    GetInsideRect(rcInside);
    if (IsHorzDocked())
        return CRect(rcInside.left - m_cyGripper, rcInside.top, rcInside.left, rcInside.bottom);
    return CRect(rcInside.left, rcInside.top - m_cyGripper, rcInside.right, rcInside.top);
}

CRect CSizingControlBarG::GetCloseButtonRect() const
{
    CRect rcInside;
    GetInsideRect(rcInside);  // places the button as a side effect
    return CRect(m_ptCloseOrigin.x, m_ptCloseOrigin.y, m_ptCloseOrigin.x + kCloseButtonSize,
                 m_ptCloseOrigin.y + kCloseButtonSize);
}

UINT CSizingControlBarG::HitTest(CPoint point) const
{
    const UINT nHit = CSizingControlBar::HitTest(point);
    if (nHit != HTCLIENT || !HasGripper())
        return nHit;
    if (GetCloseButtonRect().PtInRect(point))
        return IsCloseLocked() ? UINT(HTCLIENT) : HTCLOSE;
    return GetGripperRect().PtInRect(point) ? UINT(HTCAPTION) : UINT(HTCLIENT);
}

void CSizingControlBarG::SetButtonState(BOOL bPushed, BOOL bRaised)
{
    if (m_bPushed == bPushed && m_bRaised == bRaised)
        return;
    m_bPushed = bPushed;
    m_bRaised = bRaised;
    Invalidate();
}

void CSizingControlBarG::OnLButtonDown(UINT nFlags, CPoint point)
{
    if (HitTest(point) == HTCLOSE) {
        SetButtonState(TRUE, FALSE);
        return;
    }
    CSizingControlBar::OnLButtonDown(nFlags, point);
}

void CSizingControlBarG::OnMouseMove(UINT nFlags, CPoint point)
{
    if (!m_bTracking) {
        const BOOL bOver = HitTest(point) == HTCLOSE;
        const BOOL bDown = (nFlags & MK_LBUTTON) != 0;
        SetButtonState(bOver && bDown, bOver && !bDown);
    }
    CSizingControlBar::OnMouseMove(nFlags, point);
}

void CSizingControlBarG::OnNcLButtonUp(UINT nHitTest, CPoint point)
{
    SetButtonState(FALSE, FALSE);
    if (nHitTest == HTCLOSE && m_pDockSite)
        m_pDockSite->ShowControlBar(this, FALSE, FALSE);
    CSizingControlBar::OnNcLButtonUp(nHitTest, point);
}

void CSizingControlBarG::DrawCloseButton(CDC* pDC) const
{
    const CRect rect = GetCloseButtonRect();
    if (m_bPushed)
        pDC->Draw3dRect(rect, kColorBtnShadow, kColorBtnHighlight);
    else if (m_bRaised)
        pDC->Draw3dRect(rect, kColorBtnHighlight, kColorBtnShadow);
    // The cross, drawn as two diagonals 2 pixels inside the square.
    CPen pen(PS_SOLID, 1, kColorBtnText);
    CPen* pOldPen = pDC->SelectObject(&pen);
    const CRect rcCross(rect.left + 2, rect.top + 2, rect.right - 2, rect.bottom - 2);
    pDC->MoveTo(rcCross.left, rcCross.top);
    pDC->LineTo(rcCross.right, rcCross.bottom);
    pDC->MoveTo(rcCross.right - 1, rcCross.top);
    pDC->LineTo(rcCross.left - 1, rcCross.bottom);
    pDC->SelectObject(pOldPen);
}

void CSizingControlBarG::NcPaintGripper(CDC* pDC, const CRect&)
{
    if (!HasGripper())
        return;
    const CRect rcGrip = GetGripperRect();
    const CRect rcClose = GetCloseButtonRect();
    // Two raised lines 3 pixels apart along the gripper, leaving room for the close button.
    for (int i = 0; i < 2; ++i) {
        CRect rcLine;
        if (IsHorzDocked())
            rcLine = CRect(rcGrip.left + 3 + 3 * i, rcClose.bottom + 2, rcGrip.left + 6 + 3 * i,
                           rcGrip.bottom);
        else
            rcLine = CRect(rcGrip.left, rcGrip.top + 3 + 3 * i, rcClose.left - 2,
                           rcGrip.top + 6 + 3 * i);
        pDC->Draw3dRect(rcLine, kColorBtnHighlight, kColorBtnShadow);
    }
    DrawCloseButton(pDC);
}
