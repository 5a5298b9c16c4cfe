#include "controls/SizeIconCtrl.h"

#include "controls/BarColors.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNAMIC(cdxCSizeIconCtrl, CScrollBar)

BEGIN_MESSAGE_MAP(cdxCSizeIconCtrl, CScrollBar)
    ON_WM_PAINT()
    ON_WM_SETCURSOR()
    ON_WM_LBUTTONDOWN()
    ON_WM_LBUTTONUP()
    ON_WM_LBUTTONDBLCLK()
    ON_WM_MOUSEMOVE()
    ON_WM_CAPTURECHANGED()
END_MESSAGE_MAP()

BOOL cdxCSizeIconCtrl::Create(CWnd* pParent, UINT nID)
{
    if (!pParent)
        return FALSE;
    CRect rc;
    pParent->GetClientRect(rc);
    const CRect rcCorner(rc.right - kSize, rc.bottom - kSize, rc.right, rc.bottom);
    if (!CreateEx(WS_EX_TRANSPARENT, _T("SCROLLBAR"), nullptr, WS_CHILD | SBS_SIZEBOX | SBS_SIZEBOXBOTTOMRIGHTALIGN,
                  rcCorner, pParent, nID))
        return FALSE;
    m_bCapture = TRUE;
    return TRUE;
}

bool cdxCSizeIconCtrl::ParentMaximised() const
{
    const CWnd* pParent = GetParent();
    return m_bCapture && pParent && pParent->IsZoomed();
}

// The classic grip: three diagonal ridges, each a light line over two shadow lines, toward the
// corner.
void cdxCSizeIconCtrl::OnPaint()
{
    CPaintDC dc(this);
    if (ParentMaximised())
        return;
    CRect rc;
    GetClientRect(rc);
    CPen penLight(PS_SOLID, 1, kColorBtnHighlight);
    CPen penShadow(PS_SOLID, 1, kColorBtnShadow);
    CPen* pOldPen = dc.SelectObject(&penLight);
    for (int nRidge = 0; nRidge < 3; ++nRidge) {
        for (int nLine = 0; nLine < 3; ++nLine) {
            dc.SelectObject(nLine == 0 ? &penLight : &penShadow);
            const int nOffset = 4 * nRidge + nLine + 2;
            dc.MoveTo(rc.right - nOffset, rc.bottom - 1);
            dc.LineTo(rc.right, rc.bottom - nOffset - 1);
        }
    }
    dc.SelectObject(pOldPen);
}

BOOL cdxCSizeIconCtrl::OnSetCursor(CWnd* pWnd, UINT nHitTest, UINT message)
{
    if (ParentMaximised())
        return CScrollBar::OnSetCursor(pWnd, nHitTest, message);
    ::SetCursor(nHitTest == UINT(HTCLIENT) ? AfxLoadStandardCursor(IDC_SIZENWSE) : nullptr);
    return TRUE;
}

void cdxCSizeIconCtrl::OnLButtonDown(UINT, CPoint point)
{
    CWnd* pParent = GetParent();
    if (!pParent || ParentMaximised())
        return;
    CRect rc;
    pParent->GetWindowRect(rc);
    m_sizeStart = rc.Size();
    m_ptStart = point;
    ClientToScreen(&m_ptStart);
    m_bSizing = true;
    SetCapture();
}

void cdxCSizeIconCtrl::OnMouseMove(UINT, CPoint point)
{
    CWnd* pParent = GetParent();
    if (!m_bSizing || !pParent)
        return;
    ClientToScreen(&point);
    pParent->SetWindowPos(nullptr, 0, 0, m_sizeStart.cx + point.x - m_ptStart.x,
                          m_sizeStart.cy + point.y - m_ptStart.y, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
}

void cdxCSizeIconCtrl::OnLButtonUp(UINT, CPoint)
{
    if (m_bSizing)
        ReleaseCapture();
    m_bSizing = false;
}

void cdxCSizeIconCtrl::OnLButtonDblClk(UINT, CPoint) {}

void cdxCSizeIconCtrl::OnCaptureChanged(CWnd* pWnd)
{
    if (pWnd != this)
        m_bSizing = false;
    CScrollBar::OnCaptureChanged(pWnd);
}
