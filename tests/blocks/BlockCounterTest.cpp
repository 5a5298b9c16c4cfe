// The up/down counter's window and hysteresis, the hours counter on a simulated clock moved by
// hand, and the threshold trigger's gates with pulses and a frequency input.
#include "BlockRig.h"

#include "blocks/BlockCounter.h"
#include "blocks/SimTime.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using States = std::vector<int>;

// Pins R, Cnt, Dir: the states after each of nPulses counting pulses.
States Count(BlockRig& rig, int nPulses, int nDown)
{
    States states;
    for (int i = 0; i < nPulses; ++i) {
        states.push_back(rig.Scan({0, 1, nDown}));
        rig.Scan({0, 0, nDown});
    }
    return states;
}

TEST(BlockCounter, WindowAndHysteresis)
{
    const struct {
        int nOn, nOff, nUp, nDown;
        States states;
    } cases[] = {
        {5, 3, 6, 4, {0, 0, 0, 0, 1, 1, 1, 1, 1, 0}},  // on at 5, off below 3
        {3, 5, 6, 0, {0, 0, 1, 1, 0, 0}},              // 1 for 3 and 4 only
    };
    for (const auto& c : cases) {
        BlockRig rig(BT_COUNTER, 3);
        rig.Block()->m_nParam[COUNTER_ON_PARAM] = c.nOn;
        rig.Block()->m_nParamEx[COUNTER_OFF_PARAMEX] = c.nOff;
        States states = Count(rig, c.nUp, 0);
        const States down = Count(rig, c.nDown, 1);
        states.insert(states.end(), down.begin(), down.end());
        EXPECT_EQ(states, c.states) << c.nOn << "/" << c.nOff;
    }
}

TEST(BlockCounter, CountLimitsResetAndReferences)
{
    BlockRig rig(BT_COUNTER, 3);
    CBlockObj& counter = *rig.Block();
    counter.m_nParam[COUNTER_ON_PARAM] = 100;
    counter.m_nParamEx[COUNTER_OFF_PARAMEX] = 50;
    Count(rig, 1, 1);
    EXPECT_EQ(counter.m_dRunTime, 0) << "counting down from 0";
    counter.m_dRunTime = 999999;
    Count(rig, 1, 0);
    EXPECT_EQ(counter.m_dRunTime, 999999);
    counter.m_nParam[COUNTER_START_PARAM] = 7;
    EXPECT_EQ(rig.Run({{1, 1, 0}, {1, 0, 0}, {1, 1, 0}, {1, 0, 0}}), (States{0, 0, 0, 0}));
    EXPECT_EQ(counter.m_dRunTime, 7) << "R keeps the start value";
    rig.SetReference(0, 8.7);
    rig.SetReference(1, -5.0);
    EXPECT_EQ(Count(rig, 2, 0), (States{1, 1})) << "ON 8, OFF held to 0";
    rig.SetReference(0, 5e6);
    EXPECT_EQ(Count(rig, 1, 0), (States{1})) << "ON held to 999999: the state holds";
}

// Pins R, En, Ral; MI 1 h. The clock jumps by whole minutes, each jump ending with a scan.
class HoursCounter : public ::testing::Test {
protected:
    HoursCounter() : m_rig(BT_HCOUNTER, 3) { Counter().m_nParam[HCOUNTER_MI_HOURS_PARAM] = 1; }

    CBlockHCOUNTER& Counter() { return static_cast<CBlockHCOUNTER&>(*m_rig.Block()); }

    int After(int nMinutes, const std::vector<int>& levels)
    {
        m_rig.Sim().Pass(nMinutes * 60000);
        return m_rig.Scan(levels);
    }

    CString Line(int n)
    {
        CString lines[3];
        Counter().FormatValueLines(lines);
        return lines[n];
    }

    BlockRig m_rig;
};

TEST_F(HoursCounter, IntervalRunsOutAndResetRestoresIt)
{
    EXPECT_EQ(After(0, {0, 1, 0}), 0);
    EXPECT_EQ(After(59, {0, 1, 0}), 0);
    EXPECT_EQ(After(1, {0, 1, 0}), 1);
    EXPECT_EQ(Line(1), CString(_T("MN=    0h 0m")));
    EXPECT_EQ(After(0, {0, 0, 0}), 0) << "without En the output falls";
    EXPECT_EQ(After(0, {1, 1, 0}), 0);
    EXPECT_EQ(Counter().m_nMNMinutes, 60) << "R restores the time to go";
    EXPECT_EQ(After(30, {1, 1, 0}), 0) << "nothing counts while R is held";
    After(0, {0, 1, 0});
    After(45, {0, 1, 0});
    EXPECT_EQ(Line(1), CString(_T("MN=    0h15m")));
    EXPECT_EQ(Line(2), CString(_T("OT=    1h45m")));
    After(0, {0, 1, 1});
    EXPECT_EQ(Counter().m_nOTMinutes, 0) << "Ral clears the operating time";
}

// A run starts from the stored operating time with the whole interval to go, whatever the
// last run left.
TEST_F(HoursCounter, ARunStartsFromTheStoredTimes)
{
    Counter().m_nParam[HCOUNTER_MI_MINUTES_PARAM] = 30;
    Counter().m_nParamEx[HCOUNTER_OT_HOURS_PARAMEX] = 5;
    Counter().m_nParamEx[HCOUNTER_OT_MINUTES_PARAMEX] = 10;
    Counter().m_nOTMinutes = 999;
    Counter().m_nMNMinutes = 3;
    m_rig.Sim().Start();
    EXPECT_EQ(Counter().m_nOTMinutes, 310);
    EXPECT_EQ(Counter().m_nOTStart, 310);
    EXPECT_EQ(Counter().m_nMNMinutes, 90);
}

// MI 1:30 with OT 5:10 leaves 0:50 to go, in the first run and in every run after it.
TEST_F(HoursCounter, EveryRunDerivesTheTimeToGoAfresh)
{
    Counter().m_nParam[HCOUNTER_MI_MINUTES_PARAM] = 30;
    Counter().m_nParamEx[HCOUNTER_OT_HOURS_PARAMEX] = 5;
    Counter().m_nParamEx[HCOUNTER_OT_MINUTES_PARAMEX] = 10;
    for (int nRun = 1; nRun <= 2; ++nRun) {
        m_rig.Sim().Start();
        m_rig.Scan({0, 1, 0});
        EXPECT_EQ(Counter().m_nMNMinutes, 50) << "run " << nRun;
    }
}

// Ral clears the operating time for the rest of the run as if the stored OT were 0: the whole
// interval goes again. The stored OT stays, so the next run starts from it once more.
TEST_F(HoursCounter, RalClearsTheRunsOperatingTimeNotTheStoredOne)
{
    Counter().m_nParamEx[HCOUNTER_OT_HOURS_PARAMEX] = 5;
    Counter().m_nParamEx[HCOUNTER_OT_MINUTES_PARAMEX] = 10;
    m_rig.Sim().Start();
    After(0, {0, 1, 0});
    EXPECT_EQ(Counter().m_nMNMinutes, 50);
    After(0, {0, 1, 1});
    After(0, {0, 1, 0});
    EXPECT_EQ(Line(1), CString(_T("MN=    1h 0m")));
    EXPECT_EQ(Line(2), CString(_T("OT=    0h 0m")));
    EXPECT_EQ(After(59, {0, 1, 0}), 0);
    EXPECT_EQ(After(1, {0, 1, 0}), 1) << "the whole interval after Ral";
    EXPECT_EQ(Counter().m_nParamEx[HCOUNTER_OT_HOURS_PARAMEX], 5);
    EXPECT_EQ(Counter().m_nParamEx[HCOUNTER_OT_MINUTES_PARAMEX], 10);
    m_rig.Sim().Start();
    After(0, {0, 1, 0});
    EXPECT_EQ(Counter().m_nMNMinutes, 50) << "the next run starts from the stored OT";
}

TEST_F(HoursCounter, ReferencedIntervalIsHeldTo9999Hours)
{
    m_rig.SetReference(0, 20000.0);
    Counter().m_pRefBlock[0]->m_nNumber = 9005;
    m_rig.Scan({0, 1, 0});
    EXPECT_EQ(Line(0), CString(_T("MI=     B5h")));
    EXPECT_EQ(Line(1), CString(_T("MN= 9999h 0m")));
    m_rig.SetReference(0, -1.0);
    EXPECT_EQ(m_rig.Scan({0, 1, 0}), 1) << "a negative interval has run out at once";
}

// Pin Fre; On 10, Off 5. Every tick advances the clock by 25 ms and scans once.
class ThresholdTrigger : public ::testing::Test {
protected:
    ThresholdTrigger() : m_rig(BT_THTRG, 1)
    {
        Trigger().m_nParam[THTRG_ON_PARAM] = 10;
        Trigger().m_nParam[THTRG_OFF_PARAM] = 5;
        m_rig.Scan({0});  // the first gate starts
    }

    CBlockTHTRG& Trigger() { return static_cast<CBlockTHTRG&>(*m_rig.Block()); }

    // nTicks ticks with nPulses pulses at their start; the state at their end.
    int Ticks(int nTicks, int nPulses = 0)
    {
        int nState = 0;
        for (int i = 0; i < nTicks; ++i) {
            m_rig.Sim().Tick();
            nState = m_rig.Scan({i < 2 * nPulses ? (i + 1) % 2 : 0});
        }
        return nState;
    }

    BlockRig m_rig;
};

TEST_F(ThresholdTrigger, CountsPulsesPerGate)
{
    const struct {
        int nPulses, nState;
    } gates[] = {{12, 1}, {7, 1}, {5, 0}, {11, 1}};
    for (const auto& g : gates) {
        EXPECT_EQ(Ticks(40, g.nPulses), g.nState) << g.nPulses << " pulses in a gate of 1 s";
        EXPECT_EQ(Trigger().m_nMeasured, g.nPulses);
    }
    Ticks(20);
    EXPECT_EQ(Trigger().m_dRunTime, 500) << "the running gate";
}

TEST_F(ThresholdTrigger, FrequencyInputAndReferencedGate)
{
    auto* pInput = static_cast<CBlockIn*>(m_rig.Sim().Doc().FindBlockByNumber(NUM_INPUT));
    pInput->m_nParamEx[INPUT_SIM_MODE_PARAMEX] = SIM_INPUT_FREQUENCY;
    pInput->m_nAux[INPUT_SIM_VALUE_AUX] = 50;
    Trigger().m_nParamEx[THTRG_GATE_SECONDS_PARAMEX] = 2;
    Ticks(80);  // the running gate, now of 2 s, ends
    EXPECT_EQ(Trigger().m_nMeasured, 100);
    pInput->m_nParamEx[INPUT_SIM_MODE_PARAMEX] = SIM_INPUT_SWITCH;
    m_rig.SetReference(0, 100.0);
    Ticks(4);  // the next gate ends after 100 ms
    EXPECT_EQ(Trigger().m_nMeasured, 0);
    Ticks(4, 2);
    EXPECT_EQ(Trigger().m_nMeasured, 2);
    m_rig.SetReference(0, -50.0);
    Ticks(1, 1);
    EXPECT_EQ(Trigger().m_nMeasured, 1) << "a negative gate time closes every gate at once";
}

}  // namespace
