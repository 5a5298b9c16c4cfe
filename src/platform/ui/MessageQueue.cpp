#include "platform/ui/MessageQueue.h"

#include "platform/ui/NativeWindow.h"
#include "platform/ui/WindowStyles.h"

#include <algorithm>
#include <chrono>
#include <thread>

namespace {

class SteadyTickSource : public ITickSource {
public:
    ULONGLONG Now() override
    {
        using namespace std::chrono;
        return ULONGLONG(duration_cast<milliseconds>(steady_clock::now() - m_start).count());
    }
    void WaitUntil(ULONGLONG nTick) override
    {
        const ULONGLONG nNow = Now();
        if (nTick > nNow)
            std::this_thread::sleep_for(std::chrono::milliseconds(nTick - nNow));
    }

private:
    std::chrono::steady_clock::time_point m_start = std::chrono::steady_clock::now();
};

SteadyTickSource& SteadyClock()
{
    static SteadyTickSource s_clock;
    return s_clock;
}

}  // namespace

void CManualTickSource::WaitUntil(ULONGLONG nTick) { m_nNow = std::max(m_nNow, nTick); }

CMessageQueue& CMessageQueue::Get()
{
    static CMessageQueue s_queue;
    return s_queue;
}

void CMessageQueue::WakeBackend()
{
    if (IWindowBackend* pBackend = AfxGetWindowBackend())
        pBackend->Wake();
}

void CMessageQueue::Post(const MSG& msg)
{
    {
        std::lock_guard lock(m_mutex);
        m_posted.push_back(msg);
    }
    WakeBackend();
}

void CMessageQueue::PostQuit(int nExitCode)
{
    {
        std::lock_guard lock(m_mutex);
        m_nQuitCode = nExitCode;
    }
    WakeBackend();
}

bool CMessageQueue::HasPosted() const
{
    std::lock_guard lock(m_mutex);
    return !m_posted.empty() || m_nQuitCode.has_value();
}

bool CMessageQueue::HasWork()
{
    if (HasPosted())
        return true;
    const std::optional<ULONGLONG> nDue = NextTimerDue();
    return nDue && *nDue <= Now();
}

bool CMessageQueue::Take(MSG& msg)
{
    const ULONGLONG nNow = Now();
    {
        std::lock_guard lock(m_mutex);
        if (!m_posted.empty()) {
            msg = m_posted.front();
            m_posted.pop_front();
            return true;
        }
        if (m_nQuitCode) {
            msg = MSG{nullptr, WM_QUIT, WPARAM(*m_nQuitCode), 0, DWORD(nNow), {0, 0}};
            m_nQuitCode.reset();
            return true;
        }
    }
    auto due = std::min_element(m_timers.begin(), m_timers.end(),
                                [](const Timer& a, const Timer& b) {
                                    return a.nDue != b.nDue ? a.nDue < b.nDue
                                                            : a.nSequence < b.nSequence;
                                });
    if (due == m_timers.end() || due->nDue > nNow)
        return false;
    msg = MSG{due->hWnd, WM_TIMER, WPARAM(due->nIDEvent),
              reinterpret_cast<LPARAM>(due->lpfnTimer), DWORD(nNow), {0, 0}};
    // One WM_TIMER however late the loop is: a timer never fires twice to catch up.
    due->nDue = nNow + due->nElapse;
    due->nSequence = ++m_nTimerSequence;
    return true;
}

void CMessageQueue::SetTimer(HWND hWnd, UINT_PTR nIDEvent, UINT nElapse, TIMERPROC lpfnTimer)
{
    nElapse = std::max(nElapse, USER_TIMER_MINIMUM);
    const Timer timer{hWnd, nIDEvent, nElapse, lpfnTimer, Now() + nElapse, ++m_nTimerSequence};
    auto it = std::find_if(m_timers.begin(), m_timers.end(), [&](const Timer& t) {
        return t.hWnd == hWnd && t.nIDEvent == nIDEvent;
    });
    if (it != m_timers.end())
        *it = timer;
    else
        m_timers.push_back(timer);
    WakeBackend();
}

bool CMessageQueue::KillTimer(HWND hWnd, UINT_PTR nIDEvent)
{
    return std::erase_if(m_timers, [&](const Timer& t) {
               return t.hWnd == hWnd && t.nIDEvent == nIDEvent;
           }) != 0;
}

std::optional<ULONGLONG> CMessageQueue::NextTimerDue() const
{
    std::optional<ULONGLONG> nDue;
    for (const Timer& timer : m_timers) {
        if (!nDue || timer.nDue < *nDue)
            nDue = timer.nDue;
    }
    return nDue;
}

void CMessageQueue::RemoveWindow(HWND hWnd)
{
    std::erase_if(m_timers, [&](const Timer& t) { return t.hWnd == hWnd; });
    std::lock_guard lock(m_mutex);
    std::erase_if(m_posted, [&](const MSG& msg) { return msg.hwnd == hWnd; });
}

void CMessageQueue::SetTickSource(ITickSource* pSource) { m_pTickSource = pSource; }

ULONGLONG CMessageQueue::Now() { return (m_pTickSource ? *m_pTickSource : SteadyClock()).Now(); }

bool CMessageQueue::WaitForTimer()
{
    const std::optional<ULONGLONG> nDue = NextTimerDue();
    if (!nDue)
        return false;
    (m_pTickSource ? *m_pTickSource : SteadyClock()).WaitUntil(*nDue);
    return true;
}

void CMessageQueue::Reset()
{
    m_timers.clear();
    std::lock_guard lock(m_mutex);
    m_posted.clear();
    m_nQuitCode.reset();
}

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam)
{
    CMessageQueue& queue = CMessageQueue::Get();
    queue.Post(MSG{hWnd, message, wParam, lParam, DWORD(queue.Now()), {0, 0}});
    return TRUE;
}

void PostQuitMessage(int nExitCode) { CMessageQueue::Get().PostQuit(nExitCode); }
