// The up/down counter with its window and hysteresis thresholds, the hours counter on a
// simulated clock moved by hand, and the threshold trigger's gates with pulses and a
// frequency input.
#include "DigitalBlockRig.h"

#include "blocks/BlockCounter.h"
#include "blocks/SimTime.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using States = std::vector<int>;

// Pins R, Cnt, Dir.
class UpDownCounter : public ::testing::Test {
protected:
    UpDownCounter() : m_rig(BT_COUNTER, 3) {}

    void SetThresholds(int nOn, int nOff)
    {
        m_rig.Block()->m_nParam[9] = nOn;
        m_rig.Block()->m_nParamEx[1] = nOff;
    }

    // The states after nPulses counting pulses in the direction given.
    States Count(int nPulses, int nDown)
    {
        States states;
        for (int i = 0; i < nPulses; ++i) {
            states.push_back(m_rig.Scan({0, 1, nDown}));
            m_rig.Scan({0, 0, nDown});
        }
        return states;
    }

    double Value() { return m_rig.Block()->m_dRunTime; }

    // Reference nRef names a block holding dValue.
    void SetReference(int nRef, double dValue)
    {
        auto* pSource = m_rig.Sim().Add(new CBlockObj(BT_COUNTER, 4), 9100 + nRef);
        m_rig.Scan({0, 0, 0});
        pSource->m_dRunTime = dValue;
        m_rig.Block()->m_pRefBlock[nRef] = pSource;
    }

    DigitalRig m_rig;
};

TEST_F(UpDownCounter, HysteresisWhenOnIsNotBelowOff)
{
    SetThresholds(5, 3);
    EXPECT_EQ(Count(6, 0), (States{0, 0, 0, 0, 1, 1}));
    EXPECT_EQ(Count(4, 1), (States{1, 1, 1, 0}));
}

TEST_F(UpDownCounter, WindowWhenOnIsBelowOff)
{
    SetThresholds(3, 5);
    EXPECT_EQ(Count(6, 0), (States{0, 0, 1, 1, 0, 0}));
}

TEST_F(UpDownCounter, CountStaysWithinItsRange)
{
    Count(1, 1);
    EXPECT_EQ(Value(), 0) << "counting down from 0";
    m_rig.Block()->m_dRunTime = 999999;
    Count(1, 0);
    EXPECT_EQ(Value(), 999999);
}

TEST_F(UpDownCounter, HeldCountInputAndReset)
{
    m_rig.Block()->m_nParam[7] = 7;
    m_rig.Scan({0, 1, 0});
    m_rig.Scan({0, 1, 0});
    EXPECT_EQ(Value(), 1) << "a held count input counts once";
    m_rig.Scan({1, 0, 0});
    m_rig.Scan({1, 1, 0});
    m_rig.Scan({1, 0, 0});
    EXPECT_EQ(Value(), 7) << "R keeps the start value";
    m_rig.Block()->m_nParam[7] = -3;
    m_rig.Scan({0, 0, 0});
    m_rig.Scan({1, 0, 0});
    EXPECT_EQ(Value(), 0) << "a start value from a damaged record is held to the range";
}

TEST_F(UpDownCounter, ReferencedThresholdsAreLimited)
{
    SetThresholds(100, 50);
    SetReference(0, 2.7);
    SetReference(1, -5.0);
    EXPECT_EQ(Count(2, 0), (States{0, 1})) << "ON 2, OFF 0";
    EXPECT_EQ(static_cast<CBlockCOUNTER*>(m_rig.Block())->m_bRefThreshold, 1);
    m_rig.Block()->m_pRefBlock[0]->m_dRunTime = 5e6;
    EXPECT_EQ(Count(1, 0), (States{1})) << "ON 999999: between the edges the state holds";
}

// Pins R, En, Ral. The clock is moved in jumps; each jump ends with one scan.
class HoursCounter : public ::testing::Test {
protected:
    HoursCounter() : m_rig(BT_HCOUNTER, 3)
    {
        Counter().m_nParam[9] = 1;  // MI 1 h
        Counter().m_nParam[8] = 0;
    }

    CBlockHCOUNTER& Counter() { return static_cast<CBlockHCOUNTER&>(*m_rig.Block()); }

    int After(int nMinutes, std::vector<int> levels)
    {
        SYSTEMTIME st = {};
        m_rig.Sim().Frame().GetSimTime(&st);
        AddMsToSystemTime(&st, nMinutes * 60000, &st);
        m_rig.Sim().Frame().SetSimTime(&st);
        return m_rig.Scan(levels);
    }

    std::vector<CString> Lines()
    {
        CString lines[3];
        Counter().FormatValueLines(lines);
        return {lines[0], lines[1], lines[2]};
    }

    DigitalRig m_rig;
};

TEST_F(HoursCounter, SignalsWhenTheIntervalHasRunOut)
{
    EXPECT_EQ(m_rig.Scan({0, 1, 0}), 0);
    EXPECT_EQ(After(59, {0, 1, 0}), 0);
    EXPECT_EQ(Counter().m_nMNMinutes, 1);
    EXPECT_EQ(After(1, {0, 1, 0}), 1);
    EXPECT_EQ(Lines(), (std::vector<CString>{_T("MI=    1h 0m"), _T("MN=    0h 0m"),
                                             _T("OT=    1h 0m")}));
}

TEST_F(HoursCounter, ResetRestoresTheTimeToGo)
{
    m_rig.Scan({0, 1, 0});
    After(60, {0, 1, 0});
    EXPECT_EQ(After(0, {1, 1, 0}), 0);
    EXPECT_EQ(Counter().m_nMNMinutes, 60);
    EXPECT_EQ(After(30, {1, 1, 0}), 0) << "nothing counts while R is held";
    EXPECT_EQ(After(0, {0, 1, 0}), 0);
    EXPECT_EQ(After(45, {0, 1, 0}), 0);
    EXPECT_EQ(Counter().m_nMNMinutes, 15);
    EXPECT_EQ(Counter().m_nOTMinutes, 105);
}

TEST_F(HoursCounter, ResetAllClearsTheOperatingTime)
{
    Counter().m_nParamEx[1] = 3;
    m_rig.Scan({0, 1, 0});
    After(20, {0, 1, 0});
    After(0, {0, 1, 1});
    EXPECT_EQ(Counter().m_nOTMinutes, 0);
    EXPECT_EQ(Counter().m_nParamEx[1], 0) << "the OT parameter is cleared too";
    After(30, {0, 1, 1});
    After(0, {0, 1, 0});
    After(10, {0, 1, 0});
    EXPECT_EQ(Counter().m_nOTMinutes, 10);
}

TEST_F(HoursCounter, OutputWithoutEnableFollowsTheRetentionFlag)
{
    m_rig.Scan({0, 1, 0});
    After(60, {0, 1, 0});
    EXPECT_EQ(After(0, {0, 0, 0}), 0);
    Counter().m_nParamEx[4] = 1;
    EXPECT_EQ(After(0, {0, 1, 0}), 1);
    EXPECT_EQ(After(0, {0, 0, 0}), 1);
}

TEST_F(HoursCounter, ReferencedIntervalIsHeldTo9999Hours)
{
    auto* pSource = m_rig.Sim().Add(new CBlockObj(BT_COUNTER, 4), 9005);
    m_rig.Scan({0, 0, 0});
    Counter().m_pRefBlock[0] = pSource;
    pSource->m_dRunTime = 20000.0;
    m_rig.Scan({0, 1, 0});
    EXPECT_EQ(Counter().m_nMNMinutes, 9999 * 60);
    EXPECT_EQ(Lines()[0], CString(_T("MI=     B5h")));
    EXPECT_EQ(Lines()[1], CString(_T("MN= 9999h 0m")));
    pSource->m_dRunTime = -1.0;
    EXPECT_EQ(m_rig.Scan({0, 1, 0}), 1) << "a negative interval has run out at once";
}

// Pin Fre. Every tick advances the clock by 25 ms and scans once.
class ThresholdTrigger : public ::testing::Test {
protected:
    ThresholdTrigger() : m_rig(BT_THTRG, 1)
    {
        Trigger().m_nParam[9] = 10;  // On
        Trigger().m_nParam[8] = 5;   // Off
        m_rig.Scan({0});             // the first gate starts
    }

    CBlockTHTRG& Trigger() { return static_cast<CBlockTHTRG&>(*m_rig.Block()); }

    int Tick(int nLevel)
    {
        m_rig.Sim().Frame().AdvanceSimTime();
        return m_rig.Scan({nLevel});
    }

    // One gate of 1 s (40 ticks) with nPulses pulses at its start; the state at its end.
    int Gate(int nPulses)
    {
        int nState = 0;
        for (int i = 0; i < 40; ++i)
            nState = Tick(i < 2 * nPulses ? (i + 1) % 2 : 0);
        return nState;
    }

    DigitalRig m_rig;
};

TEST_F(ThresholdTrigger, CountsPulsesPerGateWithHysteresis)
{
    EXPECT_EQ(Gate(12), 1);
    EXPECT_EQ(Trigger().m_nMeasured, 12);
    EXPECT_EQ(Gate(7), 1);
    EXPECT_EQ(Gate(5), 0);
    Trigger().m_nParam[9] = 3;  // On < Off: a window
    EXPECT_EQ(Gate(4), 1);
    EXPECT_EQ(Gate(5), 0);
}

TEST_F(ThresholdTrigger, GateTimeIsShownInHundredths)
{
    for (int i = 0; i < 20; ++i)
        Tick(0);
    EXPECT_EQ(Trigger().m_dRunTime, 500);
}

TEST_F(ThresholdTrigger, FrequencyInputCountsValueTimesGate)
{
    auto* pInput = static_cast<CBlockIn*>(
        m_rig.Sim().Doc().FindBlockByNumber(NUM_INPUT));
    pInput->m_nParamEx[12] = SIM_INPUT_FREQUENCY;
    pInput->m_nAux[1] = 50;
    Trigger().m_nParamEx[1] = 2;
    for (int i = 0; i < 40; ++i)
        Tick(0);  // the running gate of 1 s ends
    for (int i = 0; i < 80; ++i)
        Tick(0);
    EXPECT_EQ(Trigger().m_nMeasured, 100);
}

TEST_F(ThresholdTrigger, ReferencedGateTime)
{
    auto* pSource = m_rig.Sim().Add(new CBlockObj(BT_COUNTER, 4), 9005);
    Trigger().m_pRefBlock[0] = pSource;
    pSource->m_dRunTime = 100.0;
    Gate(0);  // ends the 1 s gate; a gate of 100 ms follows
    Tick(1);
    Tick(0);
    Tick(1);
    Tick(0);
    EXPECT_EQ(Trigger().m_nMeasured, 2);
    pSource->m_dRunTime = -50.0;
    Tick(1);
    EXPECT_EQ(Trigger().m_nMeasured, 1) << "a negative gate time closes every gate at once";
}

}  // namespace
