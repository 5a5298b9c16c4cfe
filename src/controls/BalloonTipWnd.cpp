#include "controls/BalloonTipWnd.h"

#include "controls/IconImages.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/TipWindow.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr COLORREF kTipBack = RGB(255, 255, 225);
constexpr COLORREF kTipBorder = RGB(64, 64, 64);
constexpr COLORREF kTipText = RGB(0, 0, 0);
// Room inside the border, between icon and text, and between the mouse and the box.
constexpr int kPadding = 4;
constexpr int kIconGap = 4;
constexpr CPoint kOffsetFromMouse(12, 16);

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
    const CPoint ptAnchor = pScreenPoint ? CPoint(*pScreenPoint) : m_ptLastMouse;
    if (m_hWnd && IsWindowVisible()) {
        // A tip already in view follows at once, unless nothing changed.
        if (strText != m_strText || ptAnchor != m_ptAnchor) {
            m_strText = strText;
            m_ptAnchor = ptAnchor;
            ShowNow();
        }
        return;
    }
    m_strText = strText;
    m_ptAnchor = ptAnchor;
    if (!m_hWnd)
        return;
    // Every new request restarts the delay: the tip waits for the mouse to rest.
    SetTimer(kShowTimer, SHOW_DELAY, nullptr);
    m_bPending = TRUE;
}

void CBalloonTipWnd::Hide()
{
    StopPending();
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
    m_ptLastMouse = ptScreen;
    if (const Tool* pTool = FindTool(pMsg->hwnd)) {
        Show(pTool->strText, &ptScreen);
        m_pShownTool = pTool->pWnd;
    } else if (m_pShownTool) {
        // The mouse left the registered window whose tip shows.
        Hide();
    }
}

CSize CBalloonTipWnd::GetBoxSize() const
{
    CDC dc;
    dc.CreateCompatibleDC(nullptr);
    CFont* pOldFont = m_pFont ? dc.SelectObject(m_pFont) : nullptr;
    const CSize sizeText = dc.GetTextExtent(m_strText);
    if (m_pFont)
        dc.SelectObject(pOldFont);
    const BOOL bIcon = IsKnownIconImage(m_nIconId);
    const int cx = sizeText.cx + 2 * kPadding + (bIcon ? ICON_IMAGE_SIZE + kIconGap : 0) + 2;
    const int cy = std::max<int>(sizeText.cy, bIcon ? ICON_IMAGE_SIZE : 0) + 2 * kPadding + 2;
    return CSize(cx, cy);
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
    if (nIDEvent != kShowTimer) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    StopPending();
    if (!m_strText.IsEmpty())
        ShowNow();
}

void CBalloonTipWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(rect);
    dc.FillSolidRect(rect, kTipBack);
    CBrush border(kTipBorder);
    dc.FrameRect(rect, &border);
    int x = rect.left + 1 + kPadding;
    if (IsKnownIconImage(m_nIconId)) {
        DrawIconImage(&dc, m_nIconId, CPoint(x, rect.top + (rect.Height() - ICON_IMAGE_SIZE) / 2), FALSE);
        x += ICON_IMAGE_SIZE + kIconGap;
    }
    CFont* pOldFont = m_pFont ? dc.SelectObject(m_pFont) : nullptr;
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kTipText);
    const CSize sizeText = dc.GetTextExtent(m_strText);
    dc.TextOut(x, rect.top + (rect.Height() - sizeText.cy) / 2, m_strText);
    if (m_pFont)
        dc.SelectObject(pOldFont);
}

void CBalloonTipWnd::ShowNow()
{
    const CSize size = GetBoxSize();
    const CPoint ptTopLeft = m_ptAnchor + kOffsetFromMouse;
    SetWindowPos(&wndTopMost, ptTopLeft.x, ptTopLeft.y, size.cx, size.cy, SWP_NOACTIVATE);
    ShowWindow(SW_SHOWNA);
    Invalidate(TRUE);
}

void CBalloonTipWnd::StopPending()
{
    if (m_bPending && m_hWnd)
        KillTimer(kShowTimer);
    m_bPending = FALSE;
}

const CBalloonTipWnd::Tool* CBalloonTipWnd::FindTool(const CWnd* pWnd) const
{
    for (const Tool& tool : m_tools) {
        if (tool.pWnd == pWnd)
            return &tool;
    }
    return nullptr;
}
