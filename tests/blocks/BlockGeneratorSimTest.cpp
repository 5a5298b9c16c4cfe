// The pulse and random generators and the two staircase switches on a simulated clock
// advanced by hand.
#include "SimDriver.h"

#include "blocks/BlockGenerator.h"
#include "blocks/BlockTypes.h"
#include "platform/core/Runtime.h"

#include <gtest/gtest.h>


namespace {

// Warning time T! and warning length T!L, in the base of the OFF setpoint.
void SetWarning(CBlockObj& block, int nWarnHigh, int nWarnLow, int nLengthHigh, int nLengthLow)
{
    block.m_nParamEx[STAIRCASE_WARN_TIME_HIGH_PARAMEX] = nWarnHigh;
    block.m_nParamEx[STAIRCASE_WARN_TIME_LOW_PARAMEX] = nWarnLow;
    block.m_nParamEx[STAIRCASE_WARN_LENGTH_HIGH_PARAMEX] = nLengthHigh;
    block.m_nParamEx[STAIRCASE_WARN_LENGTH_LOW_PARAMEX] = nLengthLow;
}

void OneTwoSeconds(CBlockObj& b)
{
    SetOn(b, {1, 0, 1});
    SetOff(b, {1, 0, 2});
}

// Stairway switch: T = 60 s, T! = 15 s, T!L = 1 s.
void Staircase(CBlockObj& b)
{
    SetOff(b, {1, 1, 0});
    SetWarning(b, 0, 15, 0, 1);
}

// Multiple function switch: TH = 2 s, T = 10 s, T! = 3 s, T!L = 1 s.
void MultiSwitch(CBlockObj& b)
{
    SetOn(b, {1, 0, 2});
    SetOff(b, {1, 0, 10});
    SetWarning(b, 0, 3, 0, 1);
}

const TimerScript kScripts[] = {
    {"pulse generator: NOT Inv for TH, then Inv for TL", BT_APG, OneTwoSeconds,
     {{0, kTrg, 1, 0}, {25, kNone, 0, 1}, {1000, kNone, 0, 1}, {1025, kNone, 0, 0},
      {3025, kNone, 0, 0}, {3050, kNone, 0, 1}, {4050, kNone, 0, 1}, {4075, kNone, 0, 0},
      {5000, kTrg, 0, 0}, {8000, kNone, 0, 0}}},
    {"pulse generator with Inv: the levels swap", BT_APG, OneTwoSeconds,
     {{0, kR, 1, 0}, {0, kTrg, 1, 0}, {25, kNone, 0, 0}, {1025, kNone, 0, 1},
      {3025, kNone, 0, 1}, {3050, kNone, 0, 0}}},
    {"pulse generator without TH starts in the second phase", BT_APG,
     [](CBlockObj& b) { SetOff(b, {1, 0, 1}); },
     {{0, kTrg, 1, 0}, {500, kNone, 0, 0}, {1025, kNone, 0, 1}, {1050, kNone, 0, 0}}},
    {"pulse generator without times is NOT Inv while enabled", BT_APG, [](CBlockObj&) {},
     {{0, kTrg, 1, 0}, {25, kNone, 0, 1}, {5000, kNone, 0, 1}, {5000, kR, 1, 0},
      {5000, kTrg, 0, 0}}},
    {"stairway switch: warning off at T - T!, back after T!L, off at T", BT_SLS, Staircase,
     {{0, kTrg, 1, 1}, {0, kTrg, 0, 1}, {45000, kNone, 0, 1}, {45025, kNone, 0, 0},
      {45975, kNone, 0, 0}, {46000, kNone, 0, 1}, {60000, kNone, 0, 1}, {60025, kNone, 0, 0}}},
    {"stairway switch: a trigger while the time runs restarts it at the release", BT_SLS,
     Staircase,
     {{0, kTrg, 1, 1}, {0, kTrg, 0, 1}, {30000, kTrg, 1, 1}, {30000, kTrg, 0, 1},
      {60025, kNone, 0, 1}, {75000, kNone, 0, 1}, {75025, kNone, 0, 0}, {90025, kNone, 0, 0}}},
    {"stairway switch: T! longer than T blinks at once", BT_SLS,
     [](CBlockObj& b) {
         SetOff(b, {1, 0, 10});
         SetWarning(b, 0, 20, 0, 1);
     },
     {{0, kTrg, 1, 1}, {0, kTrg, 0, 0}, {975, kNone, 0, 0}, {1000, kNone, 0, 1},
      {10000, kNone, 0, 1}, {10025, kNone, 0, 0}}},
    {"multiple function switch: a short press starts the staircase with its warning", BT_MFS,
     MultiSwitch,
     {{0, kTrg, 1, 1}, {500, kTrg, 0, 1}, {7475, kNone, 0, 1}, {7500, kNone, 0, 0},
      {8500, kNone, 0, 0}, {8525, kNone, 0, 1}, {10500, kNone, 0, 1}, {10525, kNone, 0, 0}}},
    {"multiple function switch: a press longer than TH gives permanent light", BT_MFS,
     MultiSwitch,
     {{0, kTrg, 1, 1}, {3000, kTrg, 0, 1}, {60000, kNone, 0, 1}, {60000, kTrg, 1, 0},
      {60100, kTrg, 0, 0}, {90000, kNone, 0, 0}}},
    {"multiple function switch: a press during the staircase switches off", BT_MFS, MultiSwitch,
     {{0, kTrg, 1, 1}, {100, kTrg, 0, 1}, {2000, kTrg, 1, 0}, {2100, kTrg, 0, 0},
      {20000, kNone, 0, 0}}},
    {"multiple function switch: a tap during the warning brings the light back", BT_MFS,
     MultiSwitch,
     {{0, kTrg, 1, 1}, {0, kTrg, 0, 1}, {6975, kNone, 0, 1}, {7000, kNone, 0, 0},
      {7050, kTrg, 1, 1}, {7050, kTrg, 0, 1}, {14025, kNone, 0, 1}, {14050, kNone, 0, 0},
      {15075, kNone, 0, 1}, {17050, kNone, 0, 1}, {17075, kNone, 0, 0}}},
    {"multiple function switch: holding during the warning switches off", BT_MFS, MultiSwitch,
     {{0, kTrg, 1, 1}, {0, kTrg, 0, 1}, {7050, kTrg, 1, 1}, {7075, kNone, 0, 1},
      {7100, kNone, 0, 1}, {7125, kNone, 0, 0}, {7200, kTrg, 0, 0}, {30000, kNone, 0, 0}}},
    {"multiple function switch: R switches off; released with Trg held it is a press", BT_MFS,
     MultiSwitch,
     {{0, kTrg, 1, 1}, {100, kR, 1, 0}, {200, kR, 0, 1}, {2225, kNone, 0, 1},
      {2300, kTrg, 0, 1}, {30000, kNone, 0, 1}}},
};

TEST(Generators, Scripts)
{
    for (const TimerScript& script : kScripts) {
        SCOPED_TRACE(script.pszName);
        EXPECT_EQ(PlayScript(script), SimDriver::Expected(script.beats));
    }
}

class RandomGenerator : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pGen = m_sim.Add(new CBlockRG(BT_RG), NUM_FUNCTION_BLOCK);
        m_sim.FeedPin(m_pGen, kTrg);
    }
    int DrawnOnDelay() const { return m_pGen->m_nOnDelaySec * 1000 + m_pGen->m_nOnDelayHund * 10; }
    int DrawnOffDelay() const
    {
        return m_pGen->m_nOffDelaySec * 1000 + m_pGen->m_nOffDelayHund * 10;
    }

    SimDriver m_sim;
    CBlockRG* m_pGen = nullptr;
};

// rand() gives at most 32767, so even a setpoint of 60 s switches within 32.767 s; the output
// comes on in the first scan at or past the drawn delay.
TEST_F(RandomGenerator, SwitchesOnWithinTheDrawnDelay)
{
    SetOn(*m_pGen, {1, 1, 0});
    SetOff(*m_pGen, {1, 1, 0});
    m_sim.Start();
    for (unsigned nSeed : {1u, 7u, 4242u}) {
        SCOPED_TRACE(nSeed);
        crt::srand(nSeed);
        const int nStart = m_sim.Elapsed();
        m_sim.Play(m_pGen, {{nStart, kTrg, 1, 0}});
        const int nDelay = DrawnOnDelay();
        EXPECT_LE(nDelay, 32767);
        if (nDelay > 0) {
            EXPECT_EQ(SimDriver::State(m_pGen), 0);
        }
        m_sim.RunTo(nStart + nDelay + 25);
        EXPECT_EQ(SimDriver::State(m_pGen), 1);
        m_sim.Play(m_pGen, {{m_sim.Elapsed(), kTrg, 0, 0}});
        EXPECT_LE(DrawnOffDelay(), 32767);
        m_sim.RunTo(m_sim.Elapsed() + 60000);
        EXPECT_EQ(SimDriver::State(m_pGen), 0);
    }
}

TEST_F(RandomGenerator, EnFallingBeforeTheDelayDropsTheSwitchOn)
{
    SetOn(*m_pGen, {1, 1, 0});
    m_sim.Start();
    // A seed whose first draw is a delay of a second or more.
    unsigned nSeed = 1;
    for (;; ++nSeed) {
        crt::srand(nSeed);
        m_pGen->PickRandomDelay(TRUE);
        if (DrawnOnDelay() >= 1000)
            break;
    }
    crt::srand(nSeed);
    const std::vector<ScriptBeat> beats = {
        {0, kTrg, 1, 0}, {500, kTrg, 0, 0}, {40000, kNone, 0, 0}};
    EXPECT_EQ(m_sim.Play(m_pGen, beats), SimDriver::Expected(beats));
}

// A referenced setpoint is limited from above only; one that truncates to 0 ms draws no delay
// rather than dividing by zero, and a negative one stays below its magnitude.
TEST_F(RandomGenerator, ReferencedSetpoints)
{
    struct Case {
        double dValue;
        int nBase;
        int nMaxDelay;
    };
    const Case cases[] = {{0.5, 2, 0}, {-5000.0, 2, 4999}, {7000.0, 0, 32767}, {3.0, 1, 2999}};
    CBlockObj source(BT_COUNTER, 0);
    m_pGen->m_pRefBlock[0] = &source;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.dValue);
        source.m_dRunTime = c.dValue;
        m_pGen->m_nParam[TIMER_ON_REF_UNIT_PARAM] = c.nBase;
        for (unsigned nSeed = 1; nSeed <= 20; ++nSeed) {
            crt::srand(nSeed);
            m_pGen->PickRandomDelay(TRUE);
            EXPECT_GE(DrawnOnDelay(), 0);
            EXPECT_LE(DrawnOnDelay(), c.nMaxDelay);
        }
    }
    m_pGen->m_pRefBlock[0] = nullptr;
}

} // namespace
