// The delay timers on a simulated clock advanced by hand: scripts of input changes and the
// output expected after each, scan by scan (25 ms ticks).
#include "SimDriver.h"

#include "blocks/BlockDelay.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockTypes.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr Time kOneSecond = {1, 0, 1};
constexpr Time kTwoSeconds = {1, 0, 2};
constexpr Time kThreeSeconds = {1, 0, 3};
constexpr Time kHalfSecond = {2, 0, 50};

const TimerScript kScripts[] = {
    {"on-delay switches in the first scan past T, not at T", BT_DPR,
     [](CBlockObj& b) { SetOn(b, kThreeSeconds); },
     {{1000, kTrg, 1, 0}, {4000, kNone, 0, 0}, {4025, kNone, 0, 1}, {9000, kNone, 0, 1},
      {9000, kTrg, 0, 0}}},
    {"on-delay: Trg falling before T starts the next edge from 0", BT_DPR,
     [](CBlockObj& b) { SetOn(b, kThreeSeconds); },
     {{0, kTrg, 1, 0}, {2000, kTrg, 0, 0}, {2500, kTrg, 1, 0}, {5500, kNone, 0, 0},
      {5525, kNone, 0, 1}}},
    {"off-delay times T from the falling edge", BT_DDR,
     [](CBlockObj& b) { SetOn(b, kTwoSeconds); },
     {{0, kTrg, 1, 1}, {1000, kTrg, 0, 1}, {3000, kNone, 0, 1}, {3025, kNone, 0, 0}}},
    {"off-delay: R holds 0 whatever Trg does; release takes the Trg level", BT_DDR,
     [](CBlockObj& b) { SetOn(b, kTwoSeconds); },
     {{0, kTrg, 1, 1}, {500, kR, 1, 0}, {600, kTrg, 0, 0}, {700, kTrg, 1, 0}, {1000, kR, 0, 1},
      {1500, kTrg, 0, 1}, {3500, kNone, 0, 1}, {3525, kNone, 0, 0}}},
    {"off-delay: R released while Trg is 0 leaves 0", BT_DDR,
     [](CBlockObj& b) { SetOn(b, kTwoSeconds); },
     {{0, kR, 1, 0}, {100, kR, 0, 0}, {3000, kNone, 0, 0}}},
    {"on-/off-delay: TH on, TL off", BT_MPLR,
     [](CBlockObj& b) { SetOn(b, kOneSecond); SetOff(b, kTwoSeconds); },
     {{0, kTrg, 1, 0}, {1000, kNone, 0, 0}, {1025, kNone, 0, 1}, {3000, kTrg, 0, 1},
      {5000, kNone, 0, 1}, {5025, kNone, 0, 0}}},
    {"on-/off-delay: Trg falling before TH gives no pulse", BT_MPLR,
     [](CBlockObj& b) { SetOn(b, kOneSecond); SetOff(b, kTwoSeconds); },
     {{0, kTrg, 1, 0}, {500, kTrg, 0, 0}, {4000, kNone, 0, 0}}},
    {"on-/off-delay: a new trigger cuts the OFF delay off", BT_MPLR,
     [](CBlockObj& b) { SetOn(b, kOneSecond); SetOff(b, kTwoSeconds); },
     {{0, kTrg, 1, 0}, {1025, kNone, 0, 1}, {2000, kTrg, 0, 1}, {3000, kTrg, 1, 0},
      {4000, kNone, 0, 0}, {4025, kNone, 0, 1}}},
    {"retentive on-delay: a one-scan pulse switches on after T until R", BT_PLR,
     [](CBlockObj& b) { SetOn(b, kOneSecond); },
     {{100, kTrg, 1, 0}, {100, kTrg, 0, 0}, {1100, kNone, 0, 0}, {1125, kNone, 0, 1},
      {5000, kNone, 0, 1}, {5000, kR, 1, 0}, {5100, kR, 0, 0}, {7000, kNone, 0, 0}}},
    {"retentive on-delay: R during the interval ends it", BT_PLR,
     [](CBlockObj& b) { SetOn(b, kOneSecond); },
     {{0, kTrg, 1, 0}, {0, kTrg, 0, 0}, {500, kR, 1, 0}, {600, kR, 0, 0}, {3000, kNone, 0, 0}}},
    {"wiping relay: Trg held longer than T gives one pulse of T", BT_CPG,
     [](CBlockObj& b) { SetOn(b, kOneSecond); },
     {{0, kTrg, 1, 1}, {1000, kNone, 0, 1}, {1025, kNone, 0, 0}, {3000, kNone, 0, 0},
      {3000, kTrg, 0, 0}, {3100, kTrg, 1, 1}, {3500, kTrg, 0, 0}, {5000, kNone, 0, 0}}},
    {"edge triggered wiping relay: pulse total 0 gives one pulse after TL", BT_RPR,
     [](CBlockObj& b) { SetOn(b, kOneSecond); SetOff(b, kHalfSecond); },
     {{0, kTrg, 1, 0}, {500, kNone, 0, 0}, {525, kNone, 0, 1}, {1525, kNone, 0, 1},
      {1550, kNone, 0, 0}, {6000, kNone, 0, 0}}},
    {"edge triggered wiping relay: pulse total 1 gives two pulses", BT_RPR,
     [](CBlockObj& b) {
         SetOn(b, kOneSecond);
         SetOff(b, kHalfSecond);
         b.m_nParamEx[RPR_PULSES_PARAMEX] = 1;
     },
     {{0, kTrg, 1, 0}, {525, kNone, 0, 1}, {1550, kNone, 0, 0}, {2050, kNone, 0, 0},
      {2075, kNone, 0, 1}, {3075, kNone, 0, 1}, {3100, kNone, 0, 0}, {8000, kNone, 0, 0}}},
    {"edge triggered wiping relay: R ends the pulses; a falling Trg does not", BT_RPR,
     [](CBlockObj& b) {
         SetOn(b, kOneSecond);
         SetOff(b, kHalfSecond);
         b.m_nParamEx[RPR_PULSES_PARAMEX] = 5;
     },
     {{0, kTrg, 1, 0}, {300, kTrg, 0, 0}, {600, kNone, 0, 1}, {700, kR, 1, 0},
      {900, kR, 0, 0}, {4000, kNone, 0, 0}}},
    {"edge triggered wiping relay with TL and TH 0 stays 0", BT_RPR, [](CBlockObj&) {},
     {{0, kTrg, 1, 0}, {100, kNone, 0, 0}, {2000, kNone, 0, 0}}},
};

TEST(DelayTimers, Scripts)
{
    for (const TimerScript& script : kScripts) {
        SCOPED_TRACE(script.pszName);
        EXPECT_EQ(PlayScript(script), SimDriver::Expected(script.beats));
    }
}

// A negative referenced TH is a setpoint of 0 ms, not "no times": the trigger starts the
// pulses, so a reference that turns positive while they run gives a high pulse.
TEST(DelayTimers, EdgeWipingRelayTakesATriggerWithANegativeReference)
{
    SimDriver sim;
    auto* pTimer = sim.Add(new CBlockRPR(BT_RPR), NUM_FUNCTION_BLOCK);
    pTimer->m_nParamEx[RPR_PULSES_PARAMEX] = 5;
    CBlockObj source(BT_COUNTER, 0);
    source.m_dRunTime = -5.0;
    pTimer->m_pRefBlock[0] = &source;
    pTimer->m_nParam[TIMER_ON_REF_UNIT_PARAM] = 1;
    CBlockObj* pTrigger = sim.FeedPin(pTimer, kTrg);
    sim.FeedPin(pTimer, kR);
    sim.Start();
    sim.Switch(pTrigger, 1);
    source.m_dRunTime = 1.0;
    sim.Run(2 * SIM_TICK_MS);
    EXPECT_EQ(SimDriver::State(pTimer), 1);
    pTimer->m_pRefBlock[0] = nullptr;
}

// Switching on holds the running time at the setpoint with nothing remaining; changing the
// setpoint of an On-Delay that is already on shows the new setpoint as its running time.
TEST(DelayTimers, OnDelayRunningTimeAndSetpointChangeWhileOn)
{
    SimDriver sim;
    auto* pTimer = sim.Add(new CBlockDPR(BT_DPR), NUM_FUNCTION_BLOCK);
    SetOn(*pTimer, kOneSecond);
    sim.FeedPin(pTimer, kTrg);
    sim.Start();
    sim.Play(pTimer, {{0, kTrg, 1, 0}, {500, kNone, 0, 0}});
    EXPECT_DOUBLE_EQ(pTimer->m_dRemaining, 500.0);
    sim.RunTo(1025);
    EXPECT_DOUBLE_EQ(pTimer->m_dRunTime, 1000.0);
    EXPECT_DOUBLE_EQ(pTimer->m_dRemaining, 0.0);
    sim.RunTo(1100);
    EXPECT_EQ(pTimer->m_nSetpointChanged, FALSE) << "the cache has taken the setpoint";
    SetOn(*pTimer, {1, 0, 7});
    sim.RunTo(1125);
    EXPECT_EQ(pTimer->m_nSetpointChanged, TRUE);
    EXPECT_DOUBLE_EQ(pTimer->m_dRunTime, 7000.0);
    EXPECT_DOUBLE_EQ(pTimer->m_dRemaining, 0.0);
    EXPECT_EQ(SimDriver::State(pTimer), 1);
}

// Stepping by cycles and running freely give a timer the same result for the same simulated
// time: 10 ms cycles count as much running time as 25 ms ticks, also for a delay of 0.
TEST(DelayTimers, SteppingByCyclesSwitchesLikeRunning)
{
    for (const Time t : {Time{2, 0, 0}, Time{2, 0, 5}, kHalfSecond}) {
        const int nSetpointMs = t.nLow * 10;
        for (const bool bStepping : {false, true}) {
            SimDriver sim;
            auto* pTimer = sim.Add(new CBlockDPR(BT_DPR), NUM_FUNCTION_BLOCK);
            SetOn(*pTimer, t);
            CBlockObj* pTrigger = sim.FeedPin(pTimer, kTrg);
            sim.Start();
            sim.Run(100);
            sim.Switch(pTrigger, 1);
            ASSERT_EQ(SimDriver::State(pTimer), 0) << "not in the scan that triggers";
            // Just past the setpoint, in cycles or in ticks.
            if (bStepping)
                sim.StepCycles(nSetpointMs / 10 + 1);
            else
                sim.Run(nSetpointMs + SIM_TICK_MS);
            EXPECT_EQ(SimDriver::State(pTimer), 1) << nSetpointMs << " ms" << (bStepping ? " stepping" : " running");
        }
    }
}

// In a ladder document a timer's change of state reaches the contacts of its operand at once.
TEST(DelayTimers, LadderContactsFollowTheTimer)
{
    SimDriver sim(DOC_TYPE_LAD);
    auto* pTimer = sim.Add(new CBlockCPG(BT_CPG), NUM_FUNCTION_BLOCK);
    SetOn(*pTimer, kOneSecond);
    auto* pContact = sim.Add(new CBlockMake(BT_MAKE), NUM_MAKE);
    pContact->m_nOperand = pTimer->m_nNumber;
    sim.FeedPin(pTimer, kTrg);
    sim.Start();
    sim.Play(pTimer, {{0, kTrg, 1, 1}});
    EXPECT_EQ(pContact->m_nContactState, 1);
    EXPECT_EQ(pTimer->m_bPinChanged[BLOCK_FIRST_OUTPUT], 0) << "the step consumes its flag";
    sim.RunTo(1025);
    EXPECT_EQ(pContact->m_nContactState, 0);
}

} // namespace
