// CWinThread: the UI thread's message loop. Run takes messages from the queue, lets the windows
// filter them (PreTranslateMessage from the target window up to its top-level window, then the
// thread's accelerators), dispatches them, and calls OnIdle while the queue is empty. With a
// native backend the backend's event loop drives the same steps; without one (headless runs) the
// loop waits for timers on the queue's clock, and PumpPending is the test pump.
#pragma once

#include "platform/core/CmdTarget.h"
#include "platform/ui/Accelerator.h"
#include "platform/ui/Msg.h"

class CWnd;

class CWinThread : public CCmdTarget {
    DECLARE_DYNAMIC(CWinThread)

public:
    // The object becomes the current thread object (AfxGetThread) until it is destroyed.
    CWinThread();
    ~CWinThread() override;

    CWnd* m_pMainWnd = nullptr;
    // Accelerators translated for the main window after every window declined a key message.
    HACCEL m_hAccelTable = nullptr;

    virtual BOOL InitInstance();
    virtual int ExitInstance();
    // The message loop; returns ExitInstance's code after WM_QUIT.
    virtual int Run();
    // Takes one message, waiting for it, and routes it; FALSE on WM_QUIT (or, headless, when
    // nothing could ever arrive).
    virtual BOOL PumpMessage();
    // TRUE asks to be called again with a higher count while the queue stays empty. Count 0
    // sends WM_IDLEUPDATECMDUI to the main window and its descendants, so that bars and menus
    // ask the command routing for their state.
    virtual BOOL OnIdle(LONG lCount);
    virtual BOOL PreTranslateMessage(MSG* pMsg);
    // Mouse moves and the like that leave nothing for OnIdle to update.
    virtual BOOL IsIdleMessage(MSG* pMsg);

    // PreTranslateMessage, then DispatchMessage unless it was swallowed. The backend hands every
    // input message here. TRUE when the message was swallowed (a WM_KEYDOWN so swallowed gives
    // no WM_CHAR).
    BOOL RouteMessage(MSG& msg);
    // Routes every message that is due now: posted ones, due timers and, without a backend, the
    // paints of invalid windows. Returns how many. Stops at WM_QUIT and remembers it.
    int PumpPending();
    // Runs OnIdle with rising counts until it asks for no more or work arrives.
    void RunIdle();
    BOOL IsQuitReceived() const { return m_bQuit; }
    int GetExitCode() const { return m_nExitCode; }

    const MSG& GetCurrentMessage() const { return m_msgCur; }

private:
    // The next message due now; FALSE when nothing is.
    bool TakeDue(MSG& msg);

    MSG m_msgCur = {};
    BOOL m_bQuit = FALSE;
    int m_nExitCode = 0;
};

CWinThread* AfxGetThread();
CWnd* AfxGetMainWnd();
