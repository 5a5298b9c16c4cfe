#include "platform/ui/BusyWait.h"

#include "platform/ui/NativeWindow.h"
#include "platform/ui/Wnd.h"

#include <chrono>
#include <condition_variable>
#include <mutex>

namespace {

struct BusyWaitState {
    CBusyWait::Runner runner;
    CBusyWait::Waker waker;
    std::mutex mutex;
    std::condition_variable woken;
    unsigned long nWakes = 0;
    std::atomic<int> nRunning{0};
};

BusyWaitState& State()
{
    static BusyWaitState s_state;
    return s_state;
}

// A wake lost between the test and the wait costs at most this long.
constexpr auto kHeadlessPoll = std::chrono::milliseconds(10);

void RunHeadless(const std::function<bool()>& bDone)
{
    BusyWaitState& state = State();
    while (!bDone()) {
        if (CWnd* pPaint = CWnd::FindWindowToPaint()) {
            pPaint->UpdateWindow();
            continue;
        }
        std::unique_lock lock(state.mutex);
        const unsigned long nSeen = state.nWakes;
        state.woken.wait_for(lock, kHeadlessPoll, [&] { return state.nWakes != nSeen; });
    }
}

}  // namespace

void CBusyWait::SetBackend(Runner runner, Waker waker)
{
    State().runner = std::move(runner);
    State().waker = std::move(waker);
}

CBusyWait::RunningMark::RunningMark() { ++State().nRunning; }

CBusyWait::RunningMark::~RunningMark()
{
    --State().nRunning;
    // What the queue pump skipped meanwhile runs now.
    if (IWindowBackend* pBackend = AfxGetWindowBackend())
        pBackend->Wake();
}

void CBusyWait::Run(const std::function<bool()>& bDone)
{
    const RunningMark mark;
    Wait(bDone);
}

void CBusyWait::Wait(const std::function<bool()>& bDone)
{
    BusyWaitState& state = State();
    if (state.runner)
        state.runner(bDone);
    else
        RunHeadless(bDone);
}

void CBusyWait::Wake()
{
    BusyWaitState& state = State();
    {
        std::lock_guard lock(state.mutex);
        ++state.nWakes;
    }
    state.woken.notify_all();
    if (state.waker)
        state.waker();
}

bool CBusyWait::IsRunning() { return State().nRunning > 0; }
