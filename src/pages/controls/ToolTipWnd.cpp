#include "pages/controls/ToolTipWnd.h"

#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/Pen.h"
#include "platform/ui/Button.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/NativeWindow.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/Static.h"
#include "platform/ui/TipWindow.h"
#include "platform/ui/ToolBar.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>
#include <cstring>

IMPLEMENT_DYNAMIC(CToolTipWnd, CWnd)

BEGIN_MESSAGE_MAP(CToolTipWnd, CWnd)
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_WM_LBUTTONDOWN()
    ON_WM_SETFOCUS()
    ON_MESSAGE(WM_SETFONT, OnSetFontMessage)
    ON_MESSAGE(WM_GETFONT, OnGetFontMessage)
    ON_MESSAGE(WM_SETTINGCHANGE, OnSettingChange)
END_MESSAGE_MAP()

namespace {

constexpr UINT_PTR kShowTimer = 1;
constexpr UINT_PTR kPollTimer = 2;
constexpr CRect kMargins(2, 2, 3, 3);
constexpr COLORREF kInfoBack = RGB(255, 255, 225);
constexpr COLORREF kInfoText = RGB(0, 0, 0);
constexpr UINT kTextFormat = DT_WORDBREAK | DT_EXPANDTABS | DT_NOPREFIX;
// A two-part text makes room for its triangle with two blanks.
constexpr LPCTSTR kPartIndent = _T("  ");

// The non-client button messages of the three buttons follow WM_NCLBUTTONDOWN in threes:
// down, up, double click.
bool IsNonClientPress(UINT message)
{
    return message >= WM_NCLBUTTONDOWN && message < WM_NCLBUTTONDOWN + 9 && (message - WM_NCLBUTTONDOWN) % 3 != 1;
}

bool IsHidingMessage(UINT message)
{
    switch (message) {
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return true;
    default:
        return IsNonClientPress(message) || (message >= WM_KEYFIRST && message <= WM_KEYLAST);
    }
}

// A text or a group box lets the mouse through to what lies below it.
bool LetsMouseThrough(const CWnd& wnd)
{
    if (wnd.GetClassName().CompareNoCase(WC_STATIC) == 0)
        return (wnd.GetStyle() & SS_NOTIFY) == 0;
    return wnd.GetClassName().CompareNoCase(WC_BUTTON) == 0 && (wnd.GetStyle() & BS_TYPEMASK) == BS_GROUPBOX;
}

bool Covers(const CWnd& wnd, CPoint ptScreen)
{
    CRect rect;
    wnd.GetWindowRect(rect);
    return rect.PtInRect(ptScreen) != FALSE;
}

// The control the mouse is over among the parent's descendants: shown, enabled and not letting
// the mouse through; the innermost one.
CWnd* ShownControlAt(const CWnd& parent, CPoint ptScreen)
{
    for (CWnd* pChild = parent.GetWindow(GW_CHILD); pChild; pChild = pChild->GetWindow(GW_HWNDNEXT)) {
        if ((pChild->GetStyle() & WS_VISIBLE) && pChild->IsWindowEnabled() && !LetsMouseThrough(*pChild) &&
            Covers(*pChild, ptScreen)) {
            CWnd* pInner = ShownControlAt(*pChild, ptScreen);
            return pInner ? pInner : pChild;
        }
    }
    return nullptr;
}

bool SameFont(const LOGFONT& a, const LOGFONT& b)
{
    return a.lfHeight == b.lfHeight && a.lfWidth == b.lfWidth && a.lfWeight == b.lfWeight &&
           a.lfItalic == b.lfItalic && std::memcmp(a.lfFaceName, b.lfFaceName, sizeof(a.lfFaceName)) == 0;
}

COLORREF OrSystem(COLORREF cr, COLORREF crSystem) { return cr == CToolTipWnd::SYSTEM_COLOR ? crSystem : cr; }

CPoint MouseNow()
{
    CPoint pt;
    GetCursorPos(&pt);
    return pt;
}

}  // namespace

CToolTipWnd::~CToolTipWnd()
{
    if (m_hWnd)
        DestroyWindow();
}

BOOL CToolTipWnd::Create(CWnd* pOwner)
{
    m_pOwner = pOwner;
    if (!CreateEx(WS_EX_TOPMOST, nullptr, nullptr, WS_POPUP, CRect(0, 0, 10, 10), pOwner, 0))
        return FALSE;
    AfxMakeTipWindow(*this);
    SetFont(GetSystemStatusFont(), FALSE);
    return TRUE;
}

const LOGFONT& CToolTipWnd::GetSystemStatusFont()
{
    static const LOGFONT logFont = [] {
        LOGFONT font{};
        if (const CGdiObject* pStock = CGdiObject::FromStockObject(DEFAULT_GUI_FONT))
            static_cast<const CFont*>(pStock)->GetLogFont(&font);
        return font;
    }();
    return logFont;
}

void CToolTipWnd::SetFont(const LOGFONT& logFont, BOOL bRedraw)
{
    m_logFont = logFont;
    m_bSystemFont = SameFont(logFont, GetSystemStatusFont());
    m_font.DeleteObject();
    m_font.CreateFontIndirect(&m_logFont);
    if (bRedraw && m_hWnd)
        Invalidate();
}

LRESULT CToolTipWnd::OnSetFontMessage(WPARAM wParam, LPARAM)
{
    LOGFONT logFont;
    const auto* pFont = reinterpret_cast<const CFont*>(wParam);
    SetFont(pFont && pFont->GetLogFont(&logFont) ? logFont : GetSystemStatusFont(), TRUE);
    return 0;
}

LRESULT CToolTipWnd::OnGetFontMessage(WPARAM, LPARAM) { return reinterpret_cast<LRESULT>(&m_font); }

LRESULT CToolTipWnd::OnSettingChange(WPARAM, LPARAM)
{
    if (m_bSystemFont)
        SetFont(GetSystemStatusFont(), TRUE);
    return 0;
}

void CToolTipWnd::SetDefaultColors(COLORREF crText, COLORREF crBack)
{
    m_crDefaultText = crText;
    m_crDefaultBack = crBack;
}

BOOL CToolTipWnd::AddTool(CWnd* pControl, LPCTSTR lpszText, const RECT* pRect, UINT nID)
{
    if (!pControl || !m_pOwner)
        return FALSE;
    CRect rect;
    if (pRect) {
        rect = *pRect;
        pControl->ClientToScreen(rect);
    } else {
        pControl->GetWindowRect(rect);
    }
    m_pOwner->ScreenToClient(rect);
    const bool bAskOwner = lpszText == LPSTR_TEXTCALLBACK;
    m_tools.push_back({pControl, nID, rect, bAskOwner, bAskOwner || !lpszText ? CString() : CString(lpszText),
                       m_nDefaultWidth, m_crDefaultText, m_crDefaultBack});
    return TRUE;
}

void CToolTipWnd::RemoveTool(CWnd* pControl, UINT nID)
{
    const auto it = std::find_if(m_tools.begin(), m_tools.end(),
                                 [&](const Tool& tool) { return tool.pWnd == pControl && tool.nID == nID; });
    if (it == m_tools.end())
        return;
    const int nIndex = int(it - m_tools.begin());
    m_tools.erase(it);
    if (nIndex == m_nCurrent) {
        Hide();
        m_nCurrent = -1;
    } else if (nIndex < m_nCurrent) {
        --m_nCurrent;
    }
}

CString CToolTipWnd::GetTextLine(const CString& strText, int n, TCHAR chSeparator)
{
    int nStart = 0;
    for (int i = 0; i < n; ++i) {
        const int nNext = strText.Find(chSeparator, nStart);
        if (nNext < 0)
            return CString();
        nStart = nNext + 1;
    }
    const int nEnd = strText.Find(chSeparator, nStart);
    return nEnd < 0 ? strText.Mid(nStart) : strText.Mid(nStart, nEnd - nStart);
}

CRect CToolTipWnd::PositionRect(CPoint pt, CSize size, const CRect& rcScreen, const CRect& rcControl)
{
    CRect rect(pt, size);
    if (rcScreen.IsRectEmpty())
        return rect;
    if (rect.right > rcScreen.right)
        rect.OffsetRect(rcScreen.right - rect.right, 0);
    if (rect.left < rcScreen.left)
        rect.OffsetRect(rcScreen.left - rect.left, 0);
    if (rect.bottom > rcScreen.bottom)
        rect.OffsetRect(0, rcControl.top - rect.bottom);
    return rect;
}

// ---- the mouse ----

// Over a shown control only its own tool (or one of a window around it) counts, so a hidden
// control's tip never shows over the control that took its place. Elsewhere (over the owner, a
// text, a group box, a disabled control) the first tool whose area holds the point counts.
int CToolTipWnd::ToolAt(CPoint ptScreen) const
{
    if (!m_pOwner || !IsWindow(m_pOwner))
        return -1;
    CPoint pt = ptScreen;
    m_pOwner->ScreenToClient(&pt);
    const CWnd* pShown = ShownControlAt(*m_pOwner, ptScreen);
    for (std::size_t i = 0; i < m_tools.size(); ++i) {
        const Tool& tool = m_tools[i];
        if (!tool.rect.PtInRect(pt))
            continue;
        if (!pShown || tool.pWnd == pShown || tool.pWnd->IsChild(pShown))
            return int(i);
    }
    return -1;
}

bool CToolTipWnd::MouseInTip(CPoint ptScreen) const
{
    if (!IsTipShown())
        return false;
    CRect rect;
    GetWindowRect(rect);
    return rect.PtInRect(ptScreen) != FALSE;
}

void CToolTipWnd::RelayEvent(const MSG* pMsg)
{
    if (!pMsg || !m_hWnd)
        return;
    if (pMsg->message == WM_MOUSEMOVE) {
        CPoint pt(GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam));
        if (pMsg->hwnd)
            pMsg->hwnd->ClientToScreen(&pt);
        const int nTool = ToolAt(pt);
        if (nTool >= 0) {
            if (nTool == m_nCurrent || (m_nCurrent >= 0 && MouseInTip(pt)))
                return;
            m_nCurrent = nTool;
            StopTimers();
            ShowWindow(SW_HIDE);
            m_bHidden = false;
            SetTimer(kShowTimer, SHOW_DELAY, nullptr);
        } else if (!IsTipShown()) {
            m_nCurrent = -1;
        }
    } else if (pMsg->message == WM_LBUTTONDOWN) {
        if (!MouseInTip(MouseNow()))
            Hide();
    } else if (IsHidingMessage(pMsg->message)) {
        Hide();
    }
}

void CToolTipWnd::OnTimer(UINT_PTR nIDEvent)
{
    if (nIDEvent != kShowTimer && nIDEvent != kPollTimer) {
        CWnd::OnTimer(nIDEvent);
        return;
    }
    if (m_nCurrent < 0 || m_bHidden) {
        KillTimer(nIDEvent);
        Hide();
        return;
    }
    const CPoint ptMouse = MouseNow();
    const int nUnder = ToolAt(ptMouse);
    if (nIDEvent == kShowTimer) {
        KillTimer(kShowTimer);
        if (nUnder != m_nCurrent)
            return;
        ShowAt(ptMouse + CPoint(0, OFFSET_Y), false);
        m_nElapsed = 0;
        SetTimer(kPollTimer, POLL_INTERVAL, nullptr);
        return;
    }
    m_nElapsed += POLL_INTERVAL;
    if (nUnder >= 0 && nUnder != m_nCurrent) {
        KillTimer(kPollTimer);
        Hide();
        return;
    }
    if (nUnder == m_nCurrent && m_nElapsed < VISIBLE_TIME)
        return;
    if (!MouseInTip(ptMouse)) {
        KillTimer(kPollTimer);
        Hide();
    }
}

// A click on a two-part tip shows its other part in the same place; the click does not keep the
// keyboard from where it was.
void CToolTipWnd::OnLButtonDown(UINT, CPoint)
{
    if (m_nCurrent < 0 || !IsTipShown())
        return;
    if (m_bTwoPart) {
        CRect rect;
        GetWindowRect(rect);
        ShowAt(rect.TopLeft(), !m_bSecondPart);
    }
    if (m_hWndFocusBefore && IsWindow(m_hWndFocusBefore))
        m_hWndFocusBefore->SetFocus();
}

void CToolTipWnd::OnSetFocus(CWnd* pOldWnd) { m_hWndFocusBefore = pOldWnd; }

void CToolTipWnd::StopTimers()
{
    KillTimer(kShowTimer);
    KillTimer(kPollTimer);
}

void CToolTipWnd::Hide()
{
    if (m_hWnd)
        ShowWindow(SW_HIDE);
    m_bHidden = true;
}

// ---- showing and painting ----

CString CToolTipWnd::ToolText(const Tool& tool) const
{
    if (!tool.bAskOwner)
        return tool.strText;
    if (!m_pOwner || !IsWindow(m_pOwner))
        return CString();
    NMTTDISPINFO info{};
    info.hdr.hwndFrom = const_cast<CToolTipWnd*>(this);
    info.hdr.idFrom = UINT_PTR(tool.pWnd->GetDlgCtrlID());
    info.hdr.code = UINT(TTN_NEEDTEXT);
    m_pOwner->SendMessage(WM_NOTIFY, tool.nID, reinterpret_cast<LPARAM>(&info));
    return info.strText;
}

void CToolTipWnd::ShowAt(CPoint ptScreen, bool bSecondPart)
{
    const Tool& tool = m_tools[std::size_t(m_nCurrent)];
    const CString strText = ToolText(tool);
    m_bSecondPart = bSecondPart;
    m_bTwoPart = strText.Find('\r') >= 0;
    m_strShown = m_bTwoPart ? CString(kPartIndent) + GetTextLine(strText, bSecondPart ? 1 : 0, '\r') : strText;
    if (m_strShown.IsEmpty())
        return;
    CRect rcControl;
    tool.pWnd->GetWindowRect(rcControl);
    const IWindowBackend* pBackend = AfxGetWindowBackend();
    const CRect rcScreen = pBackend ? pBackend->GetWorkArea() : CRect();
    const CRect rect = PositionRect(ptScreen, CalcWindowSize(m_strShown, tool.nWidth), rcScreen, rcControl);
    ShowWindow(SW_HIDE);
    SetWindowPos(nullptr, rect.left, rect.top, rect.Width(), rect.Height(),
                 SWP_NOCOPYBITS | SWP_SHOWWINDOW | SWP_NOACTIVATE | SWP_NOZORDER);
    m_bHidden = false;
    Invalidate(TRUE);
}

CSize CToolTipWnd::CalcWindowSize(const CString& strText, int nWrapWidth) const
{
    CDC dc;
    CFont* pOldFont = dc.SelectObject(const_cast<CFont*>(&m_font));
    int nWidth = nWrapWidth;
    for (int nStart = 0; nWrapWidth == 0;) {
        const int nEnd = strText.Find('\n', nStart);
        const CString strLine = nEnd < 0 ? strText.Mid(nStart) : strText.Mid(nStart, nEnd - nStart);
        nWidth = std::max(nWidth, int(dc.GetTextExtent(strLine).cx));
        if (nEnd < 0)
            break;
        nStart = nEnd + 1;
    }
    CRect rect(0, 0, nWidth, 0);
    dc.DrawText(strText, rect, kTextFormat | DT_CALCRECT);
    if (pOldFont)
        dc.SelectObject(pOldFont);
    return CSize(rect.Width() + kMargins.left + kMargins.right, rect.Height() + kMargins.top + kMargins.bottom);
}

void CToolTipWnd::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(rect);
    const Tool* pTool = m_nCurrent >= 0 ? &m_tools[std::size_t(m_nCurrent)] : nullptr;
    dc.FillSolidRect(rect, OrSystem(pTool ? pTool->crBack : SYSTEM_COLOR, kInfoBack));
    CBrush frame(RGB(0, 0, 0));
    dc.FrameRect(rect, &frame);
    CFont* pOldFont = dc.SelectObject(&m_font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(OrSystem(pTool ? pTool->crText : SYSTEM_COLOR, kInfoText));
    CRect rcText(rect.left + kMargins.left, rect.top + kMargins.top, rect.right - kMargins.right,
                 rect.bottom - kMargins.bottom);
    dc.DrawText(m_strShown, rcText, kTextFormat);
    if (m_bTwoPart) {
        // Right for the first part, left for the second: the way a click turns the text.
        const int nSize = std::max(2, int(dc.GetTextExtent(CString(kPartIndent)).cx) / 2);
        const int x = rcText.left + 1;
        const int y = rcText.top + 3;
        CBrush black(RGB(0, 0, 0));
        CBrush* pOldBrush = dc.SelectObject(&black);
        const POINT first[] = {{x, y}, {x + nSize, y + nSize}, {x, y + 2 * nSize}, {x, y}};
        const POINT second[] = {{x + nSize, y}, {x, y + nSize}, {x + nSize, y + 2 * nSize}, {x + nSize, y}};
        dc.Polygon(m_bSecondPart ? second : first, 4);
        dc.SelectObject(pOldBrush);
    }
    if (pOldFont)
        dc.SelectObject(pOldFont);
}
