#include "controls/BalloonTipWnd.h"

#include "controls/IconImages.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/gdi/Pen.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/TipWindow.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr UINT_PTR kShowTimer = 100;
// While the tip shows, this timer looks whether the cursor still rests on the anchor: the mouse
// may leave the view without the view seeing another move (onto a bar, another window).
constexpr UINT_PTR kWatchTimer = 101;
constexpr UINT kWatchPeriod = 500;
// The window, scroll-bar and window-text colours of the classic scheme.
constexpr COLORREF kTipBack = RGB(255, 255, 255);
constexpr COLORREF kTipBand = RGB(200, 200, 200);
constexpr COLORREF kTipText = RGB(0, 0, 0);
// Room around the text, left and right and above and below, and between icon and text.
constexpr int kMarginX = 12;
constexpr int kMarginY = 10;
constexpr int kIconGap = 5;
// The box's corners are quarter ellipses this wide and high; the stem leaves the bottom this far
// from the right edge and is 25 pixels wide where it meets the box's straight bottom edge.
constexpr int kCornerX = 12;
constexpr int kCornerY = 10;
constexpr int kStemFromRight = 12;
constexpr int kStemSlant = 25;
constexpr int kCornerSteps = 4;

// The points of a quarter ellipse around the centre, clockwise on the screen from angle nFrom
// (counted anticlockwise from the right, y pointing down) to nFrom - 90 degrees.
void AddCorner(std::vector<CPoint>& outline, CPoint ptCentre, int nFromDegrees)
{
    for (int i = 0; i <= kCornerSteps; ++i) {
        const double dAngle = (nFromDegrees - 90.0 * i / kCornerSteps) * 3.14159265358979 / 180.0;
        outline.emplace_back(ptCentre.x + int(std::lround(std::cos(dAngle) * kCornerX / 2.0)),
                             ptCentre.y - int(std::lround(std::sin(dAngle) * kCornerY / 2.0)));
    }
}

bool IsButtonPress(UINT nMessage)
{
    switch (nMessage) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
    case WM_NCLBUTTONDOWN:
        return true;
    default:
        return false;
    }
}

} // namespace

IMPLEMENT_DYNAMIC(CBalloonTipWnd, CWnd)

BEGIN_MESSAGE_MAP(CBalloonTipWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_CANCELMODE()
END_MESSAGE_MAP()

CBalloonTipWnd::~CBalloonTipWnd()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CBalloonTipWnd::Create(CWnd* pParentWnd)
{
    if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, nullptr, nullptr, WS_POPUP, CRect(0, 0, 0, 0),
                  pParentWnd, 0))
        return FALSE;
    AfxMakeTipWindow(*this);
    return TRUE;
}

void CBalloonTipWnd::SetIcon(int nIconId)
{
    m_nIconId = nIconId;
    if (m_hWnd && IsWindowVisible())
        ShowNow();
}

void CBalloonTipWnd::SetTipFont(CFont* pFont)
{
    m_pFont = pFont;
    if (m_hWnd && IsWindowVisible())
        ShowNow();
}

void CBalloonTipWnd::Show(const CString& strText, const POINT* pScreenPoint)
{
    m_pShownTool = nullptr;
    if (strText.IsEmpty()) {
        m_strText.Empty();
        Hide();
        return;
    }
    m_strText = strText;
    if (pScreenPoint)
        m_ptAnchor = *pScreenPoint;
    else
        ::GetCursorPos(&m_ptAnchor);
    if (!m_hWnd)
        return;
    // Every request restarts the delay, also while the tip shows: the tip waits for the mouse to
    // rest before it moves to the new place or text.
    SetTimer(kShowTimer, SHOW_DELAY, nullptr);
    m_bPending = TRUE;
}

void CBalloonTipWnd::Hide()
{
    StopPending();
    StopWatching();
    m_pShownTool = nullptr;
    if (m_hWnd && IsWindowVisible())
        ShowWindow(SW_HIDE);
}

void CBalloonTipWnd::AddTool(CWnd* pWnd, const CString& strText)
{
    if (!pWnd)
        return;
    for (Tool& tool : m_tools) {
        if (tool.pWnd == pWnd) {
            tool.strText = strText;
            return;
        }
    }
    m_tools.push_back(Tool{pWnd, strText});
}

void CBalloonTipWnd::DelTool(CWnd* pWnd)
{
    std::erase_if(m_tools, [pWnd](const Tool& tool) { return tool.pWnd == pWnd; });
    if (m_pShownTool == pWnd)
        Hide();
}

void CBalloonTipWnd::RelayEvent(const MSG* pMsg)
{
    if (!pMsg)
        return;
    if (IsButtonPress(pMsg->message)) {
        Hide();
        return;
    }
    if (pMsg->message != WM_MOUSEMOVE || !pMsg->hwnd)
        return;
    CPoint ptScreen(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam));
    pMsg->hwnd->ClientToScreen(&ptScreen);
    if (ptScreen == m_ptAnchor)
        return;
    // The mouse left the anchor: the tip goes at once, before the owner handles the move (and
    // perhaps asks for a tip at the new place), not when the watch next looks.
    if (const Tool* pTool = FindTool(pMsg->hwnd)) {
        Show(pTool->strText, &ptScreen);
        m_pShownTool = pTool->pWnd;
    } else {
        Hide();
    }
}

CSize CBalloonTipWnd::GetBoxSize() const
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont* pOldFont = m_pFont ? dc.SelectObject(m_pFont) : nullptr;
    CRect rcText(0, 0, 0, 0);
    dc.DrawText(m_strText, rcText, DT_CALCRECT);
    if (m_pFont)
        dc.SelectObject(pOldFont);
    int cx = rcText.Width() + 2 * kMarginX;
    int cy = rcText.Height() + 2 * kMarginY;
    if (IsKnownIconImage(m_nIconId)) {
        cx += ICON_IMAGE_SIZE + kIconGap;
        cy = std::max(cy, ICON_IMAGE_SIZE);
    }
    return CSize(cx, cy);
}

std::vector<CPoint> CBalloonTipWnd::BalloonOutline(CSize sizeBox)
{
    const int w = sizeBox.cx;
    const int h = sizeBox.cy;
    std::vector<CPoint> outline;
    // Clockwise from the top-left corner; the stem's slanted side meets the bottom edge 15
    // pixels left of where its upright side does.
    AddCorner(outline, CPoint(kCornerX / 2, kCornerY / 2), 180);
    AddCorner(outline, CPoint(w - kCornerX / 2, kCornerY / 2), 90);
    AddCorner(outline, CPoint(w - kCornerX / 2, h - kCornerY / 2), 0);
    outline.emplace_back(w - kStemFromRight, h);
    outline.emplace_back(w - kStemFromRight, h + STEM_LENGTH - kMarginY);
    outline.emplace_back(w - kStemFromRight - kStemSlant + kMarginY, h);
    AddCorner(outline, CPoint(kCornerX / 2, h - kCornerY / 2), -90);
    return outline;
}
void CBalloonTipWnd::OnCancelMode()
{
    // Another window opened over the one the tip was about; a pending show is dropped too, so
    // that the tip does not appear over that window after its delay.
    Hide();
    CWnd::OnCancelMode();
}

void CBalloonTipWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent == kShowTimer) {
        StopPending();
        if (!m_strText.IsEmpty())
            ShowNow();
    } else if (nIDEvent == kWatchTimer) {
        CPoint ptCursor;
        ::GetCursorPos(&ptCursor);
        if (ptCursor != m_ptAnchor)
            Hide();
    } else {
        CWnd::OnTimer(nIDEvent);
    }
}

void CBalloonTipWnd::OnPaint()
{
    CPaintDC dc(this);
    DrawBalloon(dc, BalloonOutline(GetBoxSize()));
    int x = kMarginX;
    if (IsKnownIconImage(m_nIconId)) {
        DrawIconImage(&dc, m_nIconId, CPoint(kMarginX, kMarginY), FALSE);
        x += ICON_IMAGE_SIZE + kIconGap;
    }
    CFont* pOldFont = m_pFont ? dc.SelectObject(m_pFont) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kTipText);
    CRect rcText(x, kMarginY, x, kMarginY);
    dc.DrawText(m_strText, rcText, DT_CALCRECT);
    dc.DrawText(m_strText, rcText, 0);
    if (m_pFont)
        dc.SelectObject(pOldFont);
}

// The inside in the window colour with a band in the scroll-bar colour along the edge and a thin
// line in the text colour on it; the window's shape cuts what lies outside the outline.
void CBalloonTipWnd::DrawBalloon(CDC& dc, const std::vector<CPoint>& outline) const
{
    CRect rcClient;
    GetClientRect(rcClient);
    dc.FillSolidRect(rcClient, kTipBand);
    struct Stroke {
        COLORREF cr;
        int nWidth;
        bool bFill;
    };
    for (const Stroke& stroke : {Stroke{kTipBand, 6, true}, Stroke{kTipText, 2, false}}) {
        CPen pen(PS_SOLID, stroke.nWidth, stroke.cr);
        CBrush brush(kTipBack);
        CPen* pOldPen = dc.SelectObject(&pen);
        CGdiObject* pOldBrush = stroke.bFill ? dc.SelectObject(&brush) : dc.SelectStockObject(NULL_BRUSH);
        dc.Polygon(outline.data(), int(outline.size()));
        dc.SelectObject(pOldBrush);
        dc.SelectObject(pOldPen);
    }
}

void CBalloonTipWnd::ShowNow()
{
    const CSize sizeBox = GetBoxSize();
    // The stem's tip, STEM_LENGTH - 10 below the box and 12 left of its right edge, on the anchor.
    const CPoint ptTopLeft(m_ptAnchor.x - sizeBox.cx + kStemFromRight,
                           m_ptAnchor.y - sizeBox.cy - STEM_LENGTH + kMarginY);
    SetWindowPos(&wndTopMost, ptTopLeft.x, ptTopLeft.y, sizeBox.cx, sizeBox.cy + STEM_LENGTH, SWP_NOACTIVATE);
    AfxSetTipShape(*this, BalloonOutline(sizeBox));
    // Drawn in the step that shows it: a paint left to the queue lets the tip stand on the
    // screen as a bare shape while other windows' work runs first.
    Invalidate(TRUE);
    ShowWindow(SW_SHOWNA);
    UpdateWindow();
    SetTimer(kWatchTimer, kWatchPeriod, nullptr);
    m_bWatching = TRUE;
}

void CBalloonTipWnd::StopPending()
{
    if (m_bPending && m_hWnd)
        KillTimer(kShowTimer);
    m_bPending = FALSE;
}

void CBalloonTipWnd::StopWatching()
{
    if (m_bWatching && m_hWnd)
        KillTimer(kWatchTimer);
    m_bWatching = FALSE;
}

const CBalloonTipWnd::Tool* CBalloonTipWnd::FindTool(const CWnd* pWnd) const
{
    for (const Tool& tool : m_tools) {
        if (tool.pWnd == pWnd)
            return &tool;
    }
    return nullptr;
}
