#include "platform/ui/WinThread.h"

#include "platform/ui/Dialog.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/NativeWindow.h"
#include "platform/ui/Wnd.h"

IMPLEMENT_DYNAMIC(CWinThread, CCmdTarget)

namespace {

CWinThread*& CurrentThread()
{
    static CWinThread* s_pThread = nullptr;
    return s_pThread;
}

bool IsKeyMessage(UINT message) { return message >= WM_KEYFIRST && message <= WM_KEYLAST; }

bool IsInputMessage(UINT message)
{
    return IsKeyMessage(message) || message == WM_IME_CHAR ||
           (message >= WM_MOUSEFIRST && message <= WM_MOUSELAST);
}

// The window lies in a modal dialog: its keys are the dialog's alone.
bool IsInModalDialog(CWnd* pWnd)
{
    const auto* pDialog = IsWindow(pWnd) ? dynamic_cast<const CDialog*>(pWnd->GetTopLevelParent()) : nullptr;
    return pDialog && pDialog->IsModal();
}

// Without a backend nothing else paints: invalid windows are painted by the loop once the queue
// has nothing more urgent, as the window system does.
CWnd* WindowToPaintHeadless()
{
    return AfxGetWindowBackend() ? nullptr : CWnd::FindWindowToPaint();
}

bool HasDueWork() { return CMessageQueue::Get().HasWork() || WindowToPaintHeadless(); }

}  // namespace

CWinThread* AfxGetThread() { return CurrentThread(); }

CWnd* AfxGetMainWnd()
{
    CWinThread* pThread = AfxGetThread();
    return pThread ? pThread->m_pMainWnd : nullptr;
}

CWinThread::CWinThread() { CurrentThread() = this; }

CWinThread::~CWinThread()
{
    if (CurrentThread() == this)
        CurrentThread() = nullptr;
}

BOOL CWinThread::InitInstance() { return TRUE; }

int CWinThread::ExitInstance() { return m_nExitCode; }

bool CWinThread::TakeDue(MSG& msg)
{
    if (CMessageQueue::Get().Take(msg))
        return true;
    if (CWnd* pWnd = WindowToPaintHeadless()) {
        msg = MSG{pWnd, WM_PAINT, 0, 0, DWORD(CMessageQueue::Get().Now()), {0, 0}};
        return true;
    }
    return false;
}

BOOL CWinThread::RouteMessage(MSG& msg)
{
    m_msgCur = msg;
    // A disabled window (or one inside a disabled window, as a modal loop leaves its owners)
    // takes no input: the window system never delivers it.
    if (IsInputMessage(msg.message) && IsWindow(msg.hwnd) && !msg.hwnd->IsInputEnabled())
        return TRUE;
    if (PreTranslateMessage(&msg))
        return TRUE;
    DispatchMessage(&msg);
    return FALSE;
}

BOOL CWinThread::PreTranslateMessage(MSG* pMsg)
{
    CWnd* pMainWnd = IsWindow(m_pMainWnd) ? m_pMainWnd : nullptr;
    if (CWnd::WalkPreTranslateTree(pMainWnd, pMsg))
        return TRUE;
    // While a modal loop runs its owners are disabled: the dialog's keys are its own, and
    // neither the main window's handlers nor its accelerators may act on the diagram behind it.
    if (!pMainWnd || !pMainWnd->IsInputEnabled() || IsInModalDialog(pMsg->hwnd))
        return FALSE;
    // A message for a window outside the main window's tree (a modeless dialog) still gives the
    // main window its chance.
    const bool bInMainTree = pMsg->hwnd == pMainWnd || pMainWnd->IsChild(pMsg->hwnd);
    if (!bInMainTree && IsWindow(pMsg->hwnd) && pMainWnd->PreTranslateMessage(pMsg))
        return TRUE;
    return IsKeyMessage(pMsg->message) && IsWindow(pMainWnd) &&
           TranslateAccelerator(pMainWnd, m_hAccelTable, pMsg);
}

BOOL CWinThread::PumpMessage()
{
    MSG msg;
    while (!TakeDue(msg)) {
        if (!CMessageQueue::Get().WaitForTimer()) {
            // Headless and with no timer: nothing can ever arrive.
            m_bQuit = TRUE;
            m_nExitCode = -1;
            return FALSE;
        }
    }
    if (msg.message == WM_QUIT) {
        m_bQuit = TRUE;
        m_nExitCode = int(msg.wParam);
        return FALSE;
    }
    RouteMessage(msg);
    return TRUE;
}

int CWinThread::PumpPending()
{
    int nCount = 0;
    MSG msg;
    while (!m_bQuit && TakeDue(msg)) {
        if (msg.message == WM_QUIT) {
            m_bQuit = TRUE;
            m_nExitCode = int(msg.wParam);
            break;
        }
        RouteMessage(msg);
        ++nCount;
    }
    return nCount;
}

BOOL CWinThread::OnIdle(LONG lCount)
{
    if (lCount == 0 && IsWindow(m_pMainWnd)) {
        m_pMainWnd->SendMessage(WM_IDLEUPDATECMDUI, TRUE);
        if (IsWindow(m_pMainWnd))
            m_pMainWnd->SendMessageToDescendants(WM_IDLEUPDATECMDUI, TRUE);
    }
    return FALSE;
}

void CWinThread::RunIdle()
{
    LONG lCount = 0;
    while (!m_bQuit && !HasDueWork() && OnIdle(lCount++)) {
    }
}

BOOL CWinThread::IsIdleMessage(MSG* pMsg)
{
    static POINT s_ptLast = {-1, -1};
    static UINT s_nLastMouseMessage = 0;
    if (pMsg->message == WM_PAINT)
        return FALSE;
    if (pMsg->message == WM_MOUSEMOVE || pMsg->message == WM_NCMOUSEMOVE) {
        // A move to where the mouse already was changes nothing.
        const POINT pt = {GET_X_LPARAM(pMsg->lParam), GET_Y_LPARAM(pMsg->lParam)};
        const bool bSame = s_nLastMouseMessage == pMsg->message && pt.x == s_ptLast.x &&
                           pt.y == s_ptLast.y;
        s_ptLast = pt;
        s_nLastMouseMessage = pMsg->message;
        return bSame ? FALSE : TRUE;
    }
    return TRUE;
}

int CWinThread::Run()
{
    if (IWindowBackend* pBackend = AfxGetWindowBackend()) {
        pBackend->RunLoop(*this);
        return ExitInstance();
    }
    BOOL bIdle = TRUE;
    LONG lIdleCount = 0;
    for (;;) {
        while (bIdle && !HasDueWork()) {
            if (!OnIdle(lIdleCount++))
                bIdle = FALSE;
        }
        do {
            if (!PumpMessage())
                return ExitInstance();
            if (IsIdleMessage(&m_msgCur)) {
                bIdle = TRUE;
                lIdleCount = 0;
            }
        } while (HasDueWork());
    }
}
