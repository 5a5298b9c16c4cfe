// Focus, mouse capture and timers: the layer's own state, mirrored to the backend afterwards.
#include "platform/ui/NativeWindow.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/Wnd.h"

namespace {

CWnd*& FocusWindow()
{
    static CWnd* s_pFocus = nullptr;
    return s_pFocus;
}

CWnd*& CaptureWindow()
{
    static CWnd* s_pCapture = nullptr;
    return s_pCapture;
}

CWnd*& ActiveWindow()
{
    static CWnd* s_pActive = nullptr;
    return s_pActive;
}

}  // namespace

BOOL CWnd::IsInputEnabled() const
{
    if (!m_hWnd)
        return FALSE;
    for (const CWnd* pWnd = this; pWnd; pWnd = pWnd->m_pParent) {
        if (!pWnd->IsWindowEnabled())
            return FALSE;
    }
    return TRUE;
}

CWnd* CWnd::GetActiveWindow() { return ActiveWindow(); }

CWnd* CWnd::SetActiveWindow(UINT nState)
{
    CWnd* pOld = ActiveWindow();
    if (!m_hWnd)
        return pOld;
    CWnd* pNew = GetTopLevelParent();
    if (pNew == pOld)
        return pOld;
    ActiveWindow() = pNew;
    if (IsWindow(pOld))
        pOld->SendMessage(WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), LParamFromWnd(pNew));
    // The old window's handler may have activated another window or destroyed this one.
    if (ActiveWindow() == pNew && IsWindow(pNew))
        pNew->SendMessage(WM_ACTIVATE, MAKEWPARAM(WORD(nState), 0),
                          LParamFromWnd(IsWindow(pOld) ? pOld : nullptr));
    return IsWindow(pOld) ? pOld : nullptr;
}

CWnd* CWnd::HandOnActivation()
{
    if (ActiveWindow() != this)
        return nullptr;
    // The owner takes the activation back, else the main window, as the window system hands it
    // on; a window that cannot take input takes none.
    for (CWnd* pNext : {m_pOwner, AfxGetMainWnd()}) {
        if (pNext != this && IsWindow(pNext) && (pNext->GetStyle() & WS_VISIBLE) && pNext->IsInputEnabled()) {
            pNext->SetActiveWindow(WA_ACTIVE);
            CWnd* pTop = pNext->GetTopLevelParent();
            ActivateNatively(pTop);
            return pTop;
        }
    }
    ActiveWindow() = nullptr;
    return nullptr;
}

// The native side is told as well: a window manager left to itself gives the activation to a
// window of its own choosing. It is told while the window that had the activation is still on
// the screen, and again once it has left: one window manager gives the keyboard away as that
// window goes (to the main window), another may refuse a request while it is still there.
void CWnd::ActivateNatively(CWnd* pTop)
{
    if (pTop && IsWindow(pTop) && ActiveWindow() == pTop && pTop->m_pPeer)
        pTop->m_pPeer->Activate();
}

CWnd* CWnd::GetFocus() { return FocusWindow(); }

CWnd* CWnd::SetFocus() { return ::SetFocus(this); }

HWND GetFocus() { return FocusWindow(); }

HWND SetFocus(HWND hWnd)
{
    if (hWnd && !IsWindow(hWnd))
        return nullptr;
    CWnd* pOld = FocusWindow();
    if (pOld == hWnd)
        return pOld;
    if (pOld)
        pOld->SendMessage(WM_KILLFOCUS, WParamFromWnd(hWnd));
    // The old window's handler may have moved the focus itself or destroyed the new window.
    if (FocusWindow() != pOld || (hWnd && !IsWindow(hWnd)))
        return pOld;
    FocusWindow() = hWnd;
    // The focus brings its top-level window to the front of the user's work, as on the classic
    // system: that window becomes the active one.
    if (hWnd && hWnd->IsWindowVisible() && hWnd->IsInputEnabled() &&
        hWnd->GetTopLevelParent() != ActiveWindow()) {
        hWnd->SetActiveWindow(WA_ACTIVE);
        if (FocusWindow() != hWnd || !IsWindow(hWnd))
            return IsWindow(pOld) ? pOld : nullptr;
    }
    if (hWnd) {
        hWnd->SendMessage(WM_SETFOCUS, WParamFromWnd(IsWindow(pOld) ? pOld : nullptr));
        if (FocusWindow() == hWnd && hWnd->m_pPeer)
            hWnd->m_pPeer->SetFocus();
    }
    return IsWindow(pOld) ? pOld : nullptr;
}

CWnd* CWnd::GetCapture() { return CaptureWindow(); }

CWnd* CWnd::SetCapture()
{
    if (!m_hWnd)
        return nullptr;
    CWnd* pOld = CaptureWindow();
    if (pOld == this)
        return pOld;
    CaptureWindow() = this;
    if (pOld) {
        if (pOld->m_pPeer)
            pOld->m_pPeer->SetCapture(false);
        pOld->SendMessage(WM_CAPTURECHANGED, 0, LParamFromWnd(this));
    }
    if (m_pPeer)
        m_pPeer->SetCapture(true);
    return pOld;
}

BOOL CWnd::ReleaseCapture()
{
    CWnd* pOld = CaptureWindow();
    if (!pOld)
        return TRUE;
    CaptureWindow() = nullptr;
    if (pOld->m_pPeer)
        pOld->m_pPeer->SetCapture(false);
    pOld->SendMessage(WM_CAPTURECHANGED, 0, 0);
    return TRUE;
}

void CWnd::DropInputState()
{
    if (FocusWindow() == this)
        FocusWindow() = nullptr;
    if (CaptureWindow() == this)
        CaptureWindow() = nullptr;
    if (ActiveWindow() == this)
        ActiveWindow() = nullptr;
}

void CWnd::ReleaseStateOfSubtree()
{
    CWnd* pFocus = FocusWindow();
    if (pFocus && (pFocus == this || IsChild(pFocus)))
        ::SetFocus(m_pParent);
    // A handler may have put the focus back; the window is going, so it is simply dropped.
    pFocus = FocusWindow();
    if (pFocus && (pFocus == this || IsChild(pFocus)))
        FocusWindow() = nullptr;
    CWnd* pCapture = CaptureWindow();
    if (pCapture && (pCapture == this || IsChild(pCapture)))
        ReleaseCapture();
}

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
    if (!m_hWnd)
        return 0;
    CMessageQueue::Get().SetTimer(this, nIDEvent, nElapse, lpfnTimer);
    return nIDEvent ? nIDEvent : 1;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent)
{
    return CMessageQueue::Get().KillTimer(this, nIDEvent) ? TRUE : FALSE;
}
