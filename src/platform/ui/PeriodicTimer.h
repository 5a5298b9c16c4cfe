// The periodic timer service that stands in for the multimedia timer: a function called every
// period on a thread of the service's own. The callback runs on that thread, so it must not
// touch windows, documents or blocks; it posts a message to the UI thread and returns, and the
// UI thread does the work. Tests swap the service for a manual one that fires when told.
#pragma once

#include "platform/core/Types.h"

#include <condition_variable>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

class IPeriodicTimer {
public:
    using Callback = std::function<void()>;

    virtual ~IPeriodicTimer() = default;
    // Starts (or restarts) the timer: fn every nPeriodMs. FALSE for a zero period or no function.
    virtual BOOL Start(UINT nPeriodMs, Callback fn) = 0;
    // Stops the timer; once Stop returns no call is running and none will come.
    virtual void Stop() = 0;
    virtual BOOL IsRunning() const = 0;
};

// On a thread with the steady clock. Tick n is due at start + n periods, so a late wake-up
// does not delay the ticks after it and the count of ticks keeps pace with the wall clock.
class CSteadyPeriodicTimer : public IPeriodicTimer {
public:
    // A thread that falls this many periods behind (a suspended machine, a stalled process)
    // starts its schedule afresh instead of firing the missed ticks in a burst.
    static constexpr int kMaxCatchUp = 40;

    CSteadyPeriodicTimer() = default;
    ~CSteadyPeriodicTimer() override;
    CSteadyPeriodicTimer(const CSteadyPeriodicTimer&) = delete;
    CSteadyPeriodicTimer& operator=(const CSteadyPeriodicTimer&) = delete;

    BOOL Start(UINT nPeriodMs, Callback fn) override;
    void Stop() override;
    BOOL IsRunning() const override;

private:
    void Run(UINT nPeriodMs, Callback fn);

    mutable std::mutex m_mutex;
    std::condition_variable m_wake;
    bool m_bStop = false;
    std::thread m_thread;
};

// Fires only when a test calls Fire, on the caller's thread.
class CManualPeriodicTimer : public IPeriodicTimer {
public:
    BOOL Start(UINT nPeriodMs, Callback fn) override;
    void Stop() override;
    BOOL IsRunning() const override { return m_fn != nullptr; }

    // nTicks calls of the callback while the timer runs; a stopped timer does nothing.
    void Fire(int nTicks = 1);
    UINT GetPeriod() const { return m_nPeriod; }

private:
    UINT m_nPeriod = 0;
    Callback m_fn;
};

// Makes the timers the program starts: the steady one unless a test installed another.
using PeriodicTimerFactory = std::function<std::unique_ptr<IPeriodicTimer>()>;
// Installs a factory (an empty one restores the steady timer) and returns the previous one.
PeriodicTimerFactory AfxSetPeriodicTimerFactory(PeriodicTimerFactory factory);
std::unique_ptr<IPeriodicTimer> AfxCreatePeriodicTimer();
