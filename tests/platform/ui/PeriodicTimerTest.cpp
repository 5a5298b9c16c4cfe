// The periodic timer service: the steady timer calls on a thread of its own and never after
// Stop; the manual timer fires only when told and only while started; the factory swaps them.
#include "platform/ui/PeriodicTimer.h"

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

TEST(PeriodicTimer, SteadyTimerCallsOnItsOwnThreadUntilStopped)
{
    CSteadyPeriodicTimer timer;
    std::atomic<int> nCalls{0};
    std::atomic<bool> bOtherThread{false};
    const auto idTest = std::this_thread::get_id();
    ASSERT_TRUE(timer.Start(2, [&] {
        bOtherThread = std::this_thread::get_id() != idTest;
        ++nCalls;
    }));
    EXPECT_TRUE(timer.IsRunning());
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (nCalls < 5 && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(1));
    timer.Stop();
    EXPECT_GE(nCalls.load(), 5);
    EXPECT_TRUE(bOtherThread.load());
    EXPECT_FALSE(timer.IsRunning());
    const int nAfterStop = nCalls;
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
    EXPECT_EQ(nCalls.load(), nAfterStop);
}

TEST(PeriodicTimer, RefusesAZeroPeriodOrNoCallback)
{
    CSteadyPeriodicTimer steady;
    EXPECT_FALSE(steady.Start(0, [] {}));
    EXPECT_FALSE(steady.Start(25, nullptr));
    EXPECT_FALSE(steady.IsRunning());
    CManualPeriodicTimer manual;
    EXPECT_FALSE(manual.Start(0, [] {}));
    EXPECT_FALSE(manual.IsRunning());
}

TEST(PeriodicTimer, ManualTimerFiresOnlyWhileStarted)
{
    CManualPeriodicTimer timer;
    int nCalls = 0;
    timer.Fire(3);
    EXPECT_EQ(nCalls, 0);
    ASSERT_TRUE(timer.Start(25, [&] { ++nCalls; }));
    EXPECT_EQ(timer.GetPeriod(), 25u);
    timer.Fire(3);
    EXPECT_EQ(nCalls, 3);
    timer.Stop();
    timer.Fire();
    EXPECT_EQ(nCalls, 3);
}

TEST(PeriodicTimer, FactoryGivesTheInstalledKindAndRestoresTheSteadyOne)
{
    const PeriodicTimerFactory previous =
        AfxSetPeriodicTimerFactory([] { return std::make_unique<CManualPeriodicTimer>(); });
    EXPECT_NE(dynamic_cast<CManualPeriodicTimer*>(AfxCreatePeriodicTimer().get()), nullptr);
    AfxSetPeriodicTimerFactory(nullptr);
    EXPECT_NE(dynamic_cast<CSteadyPeriodicTimer*>(AfxCreatePeriodicTimer().get()), nullptr);
    AfxSetPeriodicTimerFactory(previous);
}

} // namespace
