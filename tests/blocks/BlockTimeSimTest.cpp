// The timer base in a simulation: setpoints from parameters and references, the strict time-up
// rule, pause and resume, clock changes, stepping by cycles, the re-stamp rule and the value
// box.
#include "BlockDrawTestSupport.h"
#include "SimDriver.h"

#include "blocks/BlockClock.h"
#include "blocks/BlockDelay.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockTypes.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

// ON setpoint 3 s on an On-Delay fed by an input, the run started.
class OnDelayRun : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pTimer = m_sim.Add(new CBlockDPR(BT_DPR), NUM_FUNCTION_BLOCK);
        m_pTimer->m_nParam[TIMER_ON_BASE_PARAM] = 1;
        m_pTimer->m_nParam[TIMER_ON_LOW_PARAM] = 3;
        m_sim.FeedPin(m_pTimer, kTrg);
        m_sim.Start();
    }
    int State() const { return SimDriver::State(m_pTimer); }

    SimDriver m_sim;
    CBlockDPR* m_pTimer = nullptr;
};

// Suspending for a minute of simulated time delays the switching by that minute: no simulated
// time of the pause counts, and the running time stands still meanwhile.
TEST_F(OnDelayRun, SuspendAndResume)
{
    m_sim.Play(m_pTimer, {{0, kTrg, 1, 0}});
    m_sim.RunTo(1000);
    m_sim.Suspend();
    m_sim.RunTo(61000);
    EXPECT_EQ(State(), 0);
    EXPECT_DOUBLE_EQ(m_pTimer->m_dRunTime, 1000.0);
    m_sim.Resume();
    m_sim.RunTo(63000);
    EXPECT_EQ(State(), 0);
    m_sim.RunTo(63025);
    EXPECT_EQ(State(), 1);
}

// Setting the clock moves the stamps by the jump: a running interval neither ends nor grows.
TEST_F(OnDelayRun, ClockSetNeitherEndsNorExtendsTheInterval)
{
    m_sim.Play(m_pTimer, {{0, kTrg, 1, 0}});
    m_sim.RunTo(1000);
    SYSTEMTIME stNow = m_sim.Clock();
    for (int nJump : {3600 * 1000, -30 * 1000}) {
        SYSTEMTIME stNew = {};
        AddMsToSystemTime(&stNow, nJump, &stNew);
        m_sim.SetClock(stNew);
        m_sim.Scan();
        EXPECT_EQ(State(), 0) << nJump;
        EXPECT_DOUBLE_EQ(m_pTimer->m_dRunTime, 1000.0) << nJump;
        stNow = m_sim.Clock();
    }
    m_sim.RunTo(3000);
    EXPECT_EQ(State(), 0);
    m_sim.RunTo(3025);
    EXPECT_EQ(State(), 1);
}

// Stepping by cycles: the clock stands still and each cycle adds 10 ms to a timing timer.
TEST_F(OnDelayRun, SteppingByCycles)
{
    m_pTimer->m_nParam[TIMER_ON_BASE_PARAM] = 2;  // 0.10 s
    m_pTimer->m_nParam[TIMER_ON_LOW_PARAM] = 10;
    m_sim.Sim().nRunState = SIM_RUN_SUSPENDED;
    m_sim.Play(m_pTimer, {{0, kTrg, 1, 0}});
    m_sim.StepCycles(10);
    EXPECT_DOUBLE_EQ(m_pTimer->m_dRunTime, 100.0);
    EXPECT_EQ(State(), 0) << "100 ms is not yet past 100 ms";
    m_sim.StepCycles(1);
    EXPECT_EQ(State(), 1);
    EXPECT_EQ(m_pTimer->m_bTiming, 0);
    m_sim.StepCycles(5);
    EXPECT_DOUBLE_EQ(m_pTimer->m_dRunTime, 100.0) << "a timer that is not timing gains nothing";
}

// Which working field makes a timer count cycles: the first always, the second except for
// the edge triggered wiping relay and the random generator.
TEST(TimerCycles, WorkingFieldsThatCount)
{
    struct Case {
        int bFirst;
        int nSecond;
        double dPlain;  // added to an On-Delay
        double dRelay;  // added to an edge triggered wiping relay (the random generator alike)
    };
    const Case cases[] = {{1, 0, 10.0, 10.0}, {0, 1, 10.0, 0.0}, {0, 0, 0.0, 0.0}};
    TestDocument active;
    for (const Case& c : cases) {
        CBlockDPR plain(BT_DPR);
        CBlockRPR relay(BT_RPR);
        for (CBlockTime* pTimer : {static_cast<CBlockTime*>(&plain), static_cast<CBlockTime*>(&relay)}) {
            pTimer->m_bTiming = c.bFirst;
            pTimer->m_nWork[0] = c.nSecond;
            pTimer->AdvanceByCycle();
        }
        EXPECT_DOUBLE_EQ(plain.m_dRunTime, c.dPlain) << c.bFirst << c.nSecond;
        EXPECT_DOUBLE_EQ(relay.m_dRunTime, c.dRelay) << c.bFirst << c.nSecond;
    }
}

// Starting an interval asks for a re-stamp at the end of the scan; the next measurement on the
// running clock takes the stamp over. An edge triggered wiping relay that was never triggered
// lets its stamp follow the clock.
TEST_F(OnDelayRun, RestampRule)
{
    auto* pRelay = m_sim.Add(new CBlockRPR(BT_RPR), NUM_FUNCTION_BLOCK + 1);
    pRelay->m_nParam[TIMER_ON_LOW_PARAM] = 1;
    m_sim.Start();
    m_sim.Play(m_pTimer, {{0, kTrg, 1, 0}});
    EXPECT_EQ(m_pTimer->m_bRestartStamp, 0) << "measured in the same scan";
    m_sim.RunTo(500);
    EXPECT_EQ(pRelay->m_bRestartStamp, 0) << "the end of the scan took the request";
    EXPECT_EQ(SystemTimeToMs(&pRelay->m_stStart), SystemTimeToMs(&m_sim.Clock()));
    EXPECT_EQ(SystemTimeToMs(&m_sim.Clock()) - SystemTimeToMs(&m_pTimer->m_stStart),
              500)
        << "the On-Delay's stamp stays where its interval started";

    // While stepping by cycles the measurement leaves the request alone; the end of the scan
    // takes it.
    m_pTimer->m_bRestartStamp = 1;
    m_sim.StepCycles(1);
    EXPECT_EQ(m_pTimer->m_bRestartStamp, 0);
    EXPECT_EQ(SystemTimeToMs(&m_pTimer->m_stStart), SystemTimeToMs(&m_sim.Clock()));
}

// Setpoints in milliseconds: parameter parts through the time-base table, references through
// the time-limit table; a time-base word outside 0..2 reads as base 2, never past a table.
TEST(TimerSetpoints, ParametersAndReferences)
{
    struct Case {
        int nBase;
        int nHigh;
        int nLow;
        bool bReferenced;
        double dRefValue;
        double dExpectMs;
    };
    const Case cases[] = {
        {0, 1, 30, false, 0, 90 * 60000.0},
        {1, 2, 5, false, 0, 125000.0},
        {2, 12, 34, false, 0, 12340.0},
        {3, 1, 5, false, 0, 1050.0},
        {-1, 1, 5, false, 0, 1050.0},
        {0, 0, 0, true, -5.0, 0.0},
        {0, 0, 0, true, 7000.0, 5999 * 60000.0},
        {1, 0, 0, true, 12.5, 12500.0},
        {2, 0, 0, true, 150000.0, 99990.0},
        {7, 0, 0, true, 150000.0, 99990.0},
    };
    TestDocument active;
    CBlockObj source(BT_COUNTER, 0);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nBase << " " << c.nHigh << ":" << c.nLow << " ref "
                                        << c.dRefValue);
        CBlockDPR timer(BT_DPR);
        timer.m_nParam[c.bReferenced ? TIMER_ON_REF_UNIT_PARAM : TIMER_ON_BASE_PARAM] = c.nBase;
        timer.m_nParam[TIMER_ON_HIGH_PARAM] = c.nHigh;
        timer.m_nParam[TIMER_ON_LOW_PARAM] = c.nLow;
        source.m_dRunTime = c.dRefValue;
        timer.m_pRefBlock[0] = c.bReferenced ? &source : nullptr;
        EXPECT_DOUBLE_EQ(timer.GetSetpointMs(TRUE), c.dExpectMs);
    }
}

// A referenced setpoint that changes is taken into the cache as parts of its own time base.
TEST(TimerSetpoints, UpdateSetpointFromAReference)
{
    TestDocument active;
    CBlockObj source(BT_COUNTER, 0);
    CBlockDPR timer(BT_DPR);
    timer.m_pRefBlock[0] = &source;
    timer.m_nParam[TIMER_ON_REF_UNIT_PARAM] = 1;
    source.m_dRunTime = 125.0;  // 125 s
    EXPECT_TRUE(timer.UpdateSetpoint(TRUE));
    EXPECT_EQ(timer.m_nCacheHigh, 2);
    EXPECT_EQ(timer.m_nCacheLow, 5);
    EXPECT_DOUBLE_EQ(timer.m_dRunTime, 125000.0);
    EXPECT_FALSE(timer.UpdateSetpoint(TRUE));
    // The same value read in hundredths is another setpoint.
    timer.m_nParam[TIMER_ON_REF_UNIT_PARAM] = 2;
    EXPECT_TRUE(timer.UpdateSetpoint(TRUE));
    EXPECT_DOUBLE_EQ(timer.m_dRunTime, 125.0);
}

// A timer's value box, drawn for a timer placed at (100, 100) with a 30 x 40 body.
class TimerValueBox : public BlockDrawTest {
protected:
    static void Position(CBlockObj& block)
    {
        block.m_ptPos = CPoint(100, 100);
        block.m_nWidth = 30;
        block.m_nHeight = 40;
    }
};

// 1.5 block widths wide from 2 to 14 below the block, the running time in the timer's base.
TEST_F(TimerValueBox, ShowsTheRunningTimeBelowTheBlock)
{
    CBlockDPR timer(BT_DPR);
    Position(timer);
    timer.m_nParam[TIMER_ON_BASE_PARAM] = 1;
    timer.m_dRunTime = 125000.0;
    timer.DrawValue(&m_active.Sim(), &m_dc);
    const auto fills = OfKind(DrawKind::FillRect);
    ASSERT_EQ(fills.size(), 1u) << m_surface.Dump();
    EXPECT_EQ(fills[0]->colour, RGB(255, 255, 204));
    EXPECT_EQ(CRect(fills[0]->rect), CRect(100, 142, 145, 154));
    const auto texts = OfKind(DrawKind::Text);
    ASSERT_EQ(texts.size(), 1u) << m_surface.Dump();
    EXPECT_EQ(texts[0]->text, u"02:05m");
    EXPECT_EQ(texts[0]->points[0].x, 100);
    EXPECT_EQ(texts[0]->points[0].y, 142);
    EXPECT_EQ(texts[0]->state.font.lfHeight, 12);
    EXPECT_EQ(texts[0]->state.font.lfWidth, 6);
}

// The weekly timer draws no value box; the yearly timer shows the simulated date.
TEST_F(TimerValueBox, ClockTimers)
{
    const SYSTEMTIME stDay = {2024, 9, 1, 30, 8, 0, 0, 0};
    m_active.SetClock(stDay);
    m_active.Sim().bSimulating = TRUE;
    CBlockWT weekly(BT_WT);
    Position(weekly);
    weekly.DrawSim(&m_active.Sim(), &m_dc);
    for (const DrawRecord* pFill : OfKind(DrawKind::FillRect))
        EXPECT_NE(pFill->colour, RGB(255, 255, 204)) << m_surface.Dump();

    m_surface.Clear();
    CBlockYT yearly(BT_YT);
    Position(yearly);
    yearly.DrawValue(&m_active.Sim(), &m_dc);
    const auto texts = OfKind(DrawKind::Text);
    const auto fills = OfKind(DrawKind::FillRect);
    ASSERT_TRUE(texts.size() == 2 && fills.size() == 1) << m_surface.Dump();
    EXPECT_EQ(texts[0]->text + u"|" + texts[1]->text, u"September|30, 2024");
    EXPECT_EQ(CRect(fills[0]->rect), CRect(100, 142, 160, 166)) << "nine letters of 6: four half widths of 30";
    EXPECT_EQ(yearly.m_strTimeText, CString(_T("September 30, 2024"))) << "as message texts show it";
}

} // namespace
