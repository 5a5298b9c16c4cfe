#include "platform/ui/PeriodicTimer.h"

#include <chrono>
#include <utility>

CSteadyPeriodicTimer::~CSteadyPeriodicTimer() { Stop(); }

BOOL CSteadyPeriodicTimer::Start(UINT nPeriodMs, Callback fn)
{
    if (nPeriodMs == 0 || !fn)
        return FALSE;
    Stop();
    m_bStop = false;
    m_thread = std::thread(&CSteadyPeriodicTimer::Run, this, nPeriodMs, std::move(fn));
    return TRUE;
}

void CSteadyPeriodicTimer::Stop()
{
    {
        std::lock_guard lock(m_mutex);
        m_bStop = true;
    }
    m_wake.notify_all();
    if (m_thread.joinable())
        m_thread.join();
}

BOOL CSteadyPeriodicTimer::IsRunning() const
{
    std::lock_guard lock(m_mutex);
    return m_thread.joinable() && !m_bStop;
}

void CSteadyPeriodicTimer::Run(UINT nPeriodMs, Callback fn)
{
    using Clock = std::chrono::steady_clock;
    const auto period = std::chrono::milliseconds(nPeriodMs);
    Clock::time_point start = Clock::now();
    long long nTick = 1;
    std::unique_lock lock(m_mutex);
    while (!m_bStop) {
        const Clock::time_point due = start + nTick * period;
        if (m_wake.wait_until(lock, due, [this] { return m_bStop; }))
            break;
        if (Clock::now() - due > kMaxCatchUp * period) {
            start = Clock::now();
            nTick = 1;
        } else {
            ++nTick;
        }
        // The callback runs unlocked, so that Stop is never kept waiting for the lock.
        lock.unlock();
        fn();
        lock.lock();
    }
}

BOOL CManualPeriodicTimer::Start(UINT nPeriodMs, Callback fn)
{
    if (nPeriodMs == 0 || !fn)
        return FALSE;
    m_nPeriod = nPeriodMs;
    m_fn = std::move(fn);
    return TRUE;
}

void CManualPeriodicTimer::Stop() { m_fn = nullptr; }

void CManualPeriodicTimer::Fire(int nTicks)
{
    for (int i = 0; i < nTicks && m_fn; ++i)
        m_fn();
}

namespace {

PeriodicTimerFactory& Factory()
{
    static PeriodicTimerFactory s_factory;
    return s_factory;
}

} // namespace

PeriodicTimerFactory AfxSetPeriodicTimerFactory(PeriodicTimerFactory factory)
{
    return std::exchange(Factory(), std::move(factory));
}

std::unique_ptr<IPeriodicTimer> AfxCreatePeriodicTimer()
{
    if (Factory())
        return Factory()();
    return std::make_unique<CSteadyPeriodicTimer>();
}
