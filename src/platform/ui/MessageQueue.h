// The UI thread's message queue: posted messages in the order they were posted, the quit request,
// and the window timers. Timers are kept here rather than in the native toolkit so that every
// backend (and none) fires them the same way, against a clock that tests can drive by hand.
#pragma once

#include "platform/ui/Msg.h"

#include <deque>
#include <mutex>
#include <optional>
#include <vector>

using ULONGLONG = std::uint64_t;
using TIMERPROC = void (*)(HWND hWnd, UINT nMsg, UINT_PTR nIDEvent, DWORD dwTime);

// Milliseconds for timers and message times.
class ITickSource {
public:
    virtual ~ITickSource() = default;
    virtual ULONGLONG Now() = 0;
    // Blocks until Now() reaches nTick (a hand-driven clock simply moves there).
    virtual void WaitUntil(ULONGLONG nTick) = 0;
};

// A clock that only moves when told to: timers fire exactly when a test says time has passed.
class CManualTickSource : public ITickSource {
public:
    ULONGLONG Now() override { return m_nNow; }
    void WaitUntil(ULONGLONG nTick) override;
    void Advance(ULONGLONG nMilliseconds) { m_nNow += nMilliseconds; }

private:
    ULONGLONG m_nNow = 0;
};

class CMessageQueue {
public:
    // The one UI thread's queue.
    static CMessageQueue& Get();

    // Posting is safe from any thread.
    void Post(const MSG& msg);
    void PostQuit(int nExitCode);

    // The next message due now: a posted one, then WM_QUIT, then the earliest due timer (whose
    // next time is set from now). FALSE when nothing is due.
    bool Take(MSG& msg);
    bool HasPosted() const;
    bool HasWork();

    // Starts or restarts a timer; nElapse below USER_TIMER_MINIMUM is raised to it.
    void SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer);
    bool KillTimer(HWND hWnd, UINT_PTR nIDEvent);
    std::optional<ULONGLONG> NextTimerDue() const;
    // Drops everything addressed to a window that is going away.
    void RemoveWindow(HWND hWnd);

    // Null restores the steady system clock. The source is not owned.
    void SetTickSource(ITickSource* pSource);
    ULONGLONG Now();
    // Waits for the next timer; FALSE when no timer exists and so nothing could ever arrive.
    bool WaitForTimer();

    // Empties the queue, the quit request and the timers.
    void Reset();

private:
    struct Timer {
        HWND hWnd;
        UINT_PTR nIDEvent;
        UINT nElapse;
        TIMERPROC lpfnTimer;
        ULONGLONG nDue;
        ULONGLONG nSequence;   // equal due times fire in the order the timers were set
    };

    void WakeBackend();

    mutable std::mutex m_mutex;   // guards the posted messages and the quit request
    std::deque<MSG> m_posted;
    std::optional<int> m_nQuitCode;
    std::vector<Timer> m_timers;
    ULONGLONG m_nTimerSequence = 0;
    ITickSource* m_pTickSource = nullptr;
};

// The classic calls on the queue.
BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam = 0, LPARAM lParam = 0);
void PostQuitMessage(int nExitCode);
