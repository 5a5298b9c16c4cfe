// Message dispatch: SendMessage -> WindowProc -> OnWndMsg (commands, notifications, the message
// map) -> DefWindowProc, and the default behaviour of the handlers.
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/ui/NativeWindow.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
END_MESSAGE_MAP()

namespace {

MSG& CurrentMessage()
{
    static MSG s_msg = {};
    return s_msg;
}

}  // namespace

const MSG* CWnd::GetCurrentMessage() { return &CurrentMessage(); }

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return WindowProc(message, wParam, lParam);
}

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    return IsWindow(hWnd) ? hWnd->SendMessage(message, wParam, lParam) : 0;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    return m_hWnd ? ::PostMessage(m_hWnd, message, wParam, lParam) : FALSE;
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    // Kept outside the object: the handler may destroy and delete it.
    const MSG saved = CurrentMessage();
    CurrentMessage() = MSG{this, message, wParam, lParam, saved.time, saved.pt};
    LRESULT lResult = 0;
    if (!OnWndMsg(message, wParam, lParam, &lResult))
        lResult = DefWindowProc(message, wParam, lParam);
    CurrentMessage() = saved;
    return lResult;
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    if (message == WM_COMMAND) {
        if (!OnCommand(wParam, lParam))
            return FALSE;
        *pResult = 1;
        return TRUE;
    }
    if (message == WM_NOTIFY) {
        LRESULT lResult = 0;
        if (!OnNotify(wParam, lParam, &lResult))
            return FALSE;
        *pResult = lResult;
        return TRUE;
    }
    const AFX_MSGMAP_ENTRY* pEntry = FindMessageEntry(message, 0, 0);
    if (!pEntry)
        return FALSE;
    AFX_MSGCALL call;
    call.nMessage = message;
    call.wParam = wParam;
    call.lParam = lParam;
    pEntry->pfn(this, call);
    *pResult = call.lResult;
    return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const UINT nID = LOWORD(DWORD(wParam));
    int nCode = HIWORD(DWORD(wParam));
    if (!WndFromParam(lParam)) {
        // A menu item or an accelerator: a command whose update handler disables it does
        // nothing, whichever way it arrives.
        nCode = CN_COMMAND;
        CCmdUI state;
        state.m_nID = nID;
        OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
        if (!state.m_bEnabled)
            return TRUE;
    }
    return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult)
{
    auto* pNMHDR = reinterpret_cast<NMHDR*>(lParam);
    if (!pNMHDR)
        return FALSE;
    AFX_NOTIFY notify = {pResult, pNMHDR};
    return OnCmdMsg(UINT(pNMHDR->idFrom), int(MAKELONG(WORD(pNMHDR->code), WORD(WM_NOTIFY))),
                    &notify, nullptr);
}

LRESULT CWnd::Default()
{
    const MSG& msg = CurrentMessage();
    return DefWindowProc(msg.message, msg.wParam, msg.lParam);
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SETTEXT:
        m_strText = reinterpret_cast<LPCTSTR>(lParam);
        if (m_pPeer)
            m_pPeer->SetText(m_strText);
        return TRUE;
    case WM_GETTEXT: {
        auto* pBuffer = reinterpret_cast<LPTSTR>(lParam);
        if (!pBuffer || wParam == 0)
            return 0;
        const int nCopy = std::min(m_strText.GetLength(), int(wParam) - 1);
        std::copy_n(m_strText.GetString(), nCopy, pBuffer);
        pBuffer[nCopy] = 0;
        return nCopy;
    }
    case WM_GETTEXTLENGTH:
        return m_strText.GetLength();
    case WM_SETFONT: {
        m_pFont = reinterpret_cast<CFont*>(wParam);
        LOGFONT logFont = {};
        const bool bHasFont = m_pFont && m_pFont->GetLogFont(&logFont) != 0;
        if (m_pPeer)
            m_pPeer->SetFont(bHasFont ? &logFont : nullptr);
        if (lParam)
            Invalidate();
        return 0;
    }
    case WM_GETFONT:
        return reinterpret_cast<LRESULT>(m_pFont);
    case WM_PAINT: {
        PAINTSTRUCT ps;
        BeginPaint(&ps);
        EndPaint(&ps);
        return 0;
    }
    case WM_ERASEBKGND: {
        auto* pDC = reinterpret_cast<CDC*>(wParam);
        if (!pDC)
            return FALSE;
        CRect rect;
        GetClientRect(rect);
        pDC->FillSolidRect(rect, RGB(255, 255, 255));
        return TRUE;
    }
    case WM_CLOSE:
        DestroyWindow();
        return 0;
    case WM_CONTEXTMENU:
    case WM_MOUSEWHEEL:
        // Unhandled, they go up to the parent.
        if (m_pParent)
            return m_pParent->SendMessage(message, wParam, lParam);
        return 0;
    case WM_NCHITTEST:
        return HTCLIENT;
    case WM_SETCURSOR:
        if (m_pParent && m_pParent->SendMessage(message, wParam, lParam))
            return TRUE;
        if (LOWORD(DWORD(lParam)) == HTCLIENT)
            ::SetCursor(AfxLoadStandardCursor(IDC_ARROW));
        return FALSE;
    default:
        return 0;
    }
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

BOOL CWnd::WalkPreTranslateTree(HWND hWndStop, MSG* pMsg)
{
    for (CWnd* pWnd = pMsg->hwnd; IsWindow(pWnd);) {
        CWnd* pParent = pWnd->m_pParent;
        if (pWnd->PreTranslateMessage(pMsg))
            return TRUE;
        if (pWnd == hWndStop)
            break;
        pWnd = pParent;
    }
    return FALSE;
}

void CWnd::NotifyParent(UINT nCode)
{
    if (CWnd* pTarget = GetOwner())
        pTarget->SendMessage(WM_COMMAND, MAKEWPARAM(WORD(m_nID), WORD(nCode)),
                             LParamFromWnd(this));
}

LRESULT DispatchMessage(const MSG* lpMsg)
{
    if (lpMsg->message == WM_TIMER && lpMsg->lParam) {
        auto lpfnTimer = reinterpret_cast<TIMERPROC>(lpMsg->lParam);
        lpfnTimer(lpMsg->hwnd, WM_TIMER, UINT_PTR(lpMsg->wParam), lpMsg->time);
        return 0;
    }
    if (!IsWindow(lpMsg->hwnd))
        return 0;
    return lpMsg->hwnd->SendMessage(lpMsg->message, lpMsg->wParam, lpMsg->lParam);
}

// ---- default handlers: the window system's own behaviour ----

int CWnd::OnCreate(LPCREATESTRUCT) { return int(Default()); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return BOOL(Default()); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnCaptureChanged(CWnd*) { Default(); }
void CWnd::OnCancelMode() { Default(); }
void CWnd::OnSysColorChange() { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnSysChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnMButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnMButtonUp(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return BOOL(Default()); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return BOOL(Default()); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }

CString CWnd::ToolTipTextAt(CPoint) const { return CString(); }
