// Analog value ranges on diagrams built in memory: the sources traced downstream of an analog
// input, the range they agree on, the input's normalised settings and raw level, the upstream
// walk after a function block changed, and the feedback loops that used to never end a walk.
#include "RuleDiagram.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/VetlaDoc.h"
#include "document/AnalogRanges.h"

#include <gtest/gtest.h>

namespace {

class AnalogRanges : public RuleDiagram {
protected:
    CBlockAnalog* Comparator(int nMin, int nMax, int nSensor = 0)
    {
        auto* pComp = static_cast<CBlockAnalog*>(Block(BT_ACOMP));
        pComp->m_nSensor = nSensor;
        pComp->m_nRangeMin = nMin;
        pComp->m_nRangeMax = nMax;
        return pComp;
    }
    // A wire from the output of one block to an input of another.
    void Wire(CBlockObj* pFrom, CBlockObj* pTo, int nPin = 0)
    {
        RuleDiagram::Wire(pFrom, BLOCK_FIRST_OUTPUT, pTo, nPin);
    }
    CBlockAnalogIn* Input(int nMin, int nMax, int nValue, int nAuto = 0)
    {
        auto* pIn = static_cast<CBlockAnalogIn*>(Block(BT_ANALOG_IN));
        pIn->m_nParamEx[INPUT_SIM_AUTO_RANGE_PARAMEX] = nAuto;
        pIn->m_nAux[BLOCK_VALUE_MIN_AUX] = nMin;
        pIn->m_nAux[BLOCK_VALUE_MAX_AUX] = nMax;
        pIn->m_nAux[INPUT_SIM_VALUE_AUX] = nValue;
        return pIn;
    }
    static std::pair<int, int> RangeOf(const CBlockObj* p)
    {
        return {p->m_nAux[BLOCK_VALUE_MIN_AUX], p->m_nAux[BLOCK_VALUE_MAX_AUX]};
    }
    std::pair<int, int> Traced(CBlockObj* p)
    {
        int nMax = 1;
        int nMin = 1;
        GetAnalogRange(m_doc, p, &nMax, &nMin);
        return {nMin, nMax};
    }
};

TEST_F(AnalogRanges, AnInputThatFeedsNothing)
{
    CBlockAnalogIn* pIn = Input(0, 0, 700, 1);
    UpdateSimInputSettings(m_doc, pIn, TRUE);
    EXPECT_EQ(RangeOf(pIn), std::make_pair(0, 1000));
    EXPECT_EQ(Traced(pIn), std::make_pair(-32767, 32767));
    EXPECT_EQ(pIn->m_nHeldValue, 700);
    // A file's range beyond what the Simulation page offers is held within it.
    CBlockAnalogIn* pWide = Input(-2000000000, 2000000000, 2000000000);
    UpdateSimInputSettings(m_doc, pWide, TRUE);
    EXPECT_EQ(RangeOf(pWide), std::make_pair(-32767, 32767));
    EXPECT_EQ(pWide->m_nHeldValue, 1000);
}

TEST_F(AnalogRanges, OneComparatorCutsTheOwnRangeOrReplacesIt)
{
    CBlockAnalogIn* pIn = Input(200, 5000, 100);
    Wire(pIn, Comparator(0, 1000));
    EXPECT_EQ(Traced(pIn), std::make_pair(0, 1000));
    UpdateSimInputSettings(m_doc, pIn, FALSE);
    EXPECT_EQ(RangeOf(pIn), std::make_pair(200, 1000));
    EXPECT_EQ(pIn->m_nAux[INPUT_SIM_VALUE_AUX], 200);
    pIn->m_nAux[BLOCK_VALUE_MIN_AUX] = 2000;
    pIn->m_nAux[BLOCK_VALUE_MAX_AUX] = 5000;
    UpdateSimInputSettings(m_doc, pIn, FALSE);
    EXPECT_EQ(RangeOf(pIn), std::make_pair(0, 1000)) << "no overlap with one source";
}

TEST_F(AnalogRanges, TwoAgreeingComparatorsPinTheRangeAndDisagreeingOnesLeaveIt)
{
    CBlockAnalogIn* pIn = Input(2000, 5000, 3000);
    Wire(pIn, Comparator(0, 1000));
    CBlockAnalog* pSecond = Comparator(0, 1000);
    Wire(pIn, pSecond);
    UpdateSimInputSettings(m_doc, pIn, FALSE);
    EXPECT_EQ(RangeOf(pIn), std::make_pair(1000, 1000));
    pSecond->m_nRangeMax = 500;
    pIn->m_nAux[BLOCK_VALUE_MIN_AUX] = 2000;
    pIn->m_nAux[BLOCK_VALUE_MAX_AUX] = 5000;
    UpdateSimInputSettings(m_doc, pIn, FALSE);
    EXPECT_EQ(RangeOf(pIn), std::make_pair(2000, 5000));
    EXPECT_EQ(Traced(pIn), std::make_pair(-32767, 32767));
}

TEST_F(AnalogRanges, TheRawLevelFollowsTheSourcesSensor)
{
    CBlockAnalogIn* pIn = Input(0, 1000, 500);
    CBlockAnalog* pComp = Comparator(0, 1000, 2);
    Wire(pIn, pComp);
    UpdateSimInputSettings(m_doc, pIn, TRUE);
    EXPECT_EQ(pIn->m_nHeldValue, 600) << "4 .. 20 mA";
    pComp->m_nSensor = 1;
    UpdateSimInputSettings(m_doc, pIn, TRUE);
    EXPECT_EQ(pIn->m_nHeldValue, 500);
    pIn->m_nHeldValue = -1;
    UpdateSimInputSettings(m_doc, pIn, FALSE);
    EXPECT_EQ(pIn->m_nHeldValue, -1) << "computed only while simulating";
}

TEST_F(AnalogRanges, AZeroWidthRangeGivesTheBottomOfTheScale)
{
    CBlockAnalogIn* pAlone = Input(300, 300, 300);
    UpdateSimInputSettings(m_doc, pAlone, TRUE);
    EXPECT_EQ(pAlone->m_nHeldValue, 0);
    CBlockAnalogIn* pIn = Input(0, 0, 40, 1);
    Wire(pIn, Comparator(40, 40, 2));
    UpdateSimInputSettings(m_doc, pIn, TRUE);
    EXPECT_EQ(RangeOf(pIn), std::make_pair(40, 40));
    EXPECT_EQ(pIn->m_nHeldValue, 200);
}

TEST_F(AnalogRanges, RawLevelRounding)
{
    EXPECT_EQ(RoundRawLevel(0.0), 0);
    EXPECT_EQ(RoundRawLevel(499.5), 500);
    EXPECT_EQ(RoundRawLevel(499.49), 499);
    EXPECT_EQ(RoundRawLevel(-12.5), -13);
    EXPECT_EQ(RoundRawLevel(-12.4), -12);
    EXPECT_EQ(RoundRawLevel(1e12), 2147483647) << "kept within an int";
}

TEST_F(AnalogRanges, ADigitalInputsRangeIsOrderedAndTheValueClamped)
{
    CBlockObj* pIn = Block(BT_IN);
    pIn->m_nParamEx[INPUT_SIM_AUTO_RANGE_PARAMEX] = 0;
    pIn->m_nAux[BLOCK_VALUE_MIN_AUX] = 80;
    pIn->m_nAux[BLOCK_VALUE_MAX_AUX] = 20;
    pIn->m_nAux[INPUT_SIM_VALUE_AUX] = 90;
    UpdateSimInputSettings(m_doc, pIn, TRUE);
    EXPECT_EQ(RangeOf(pIn), std::make_pair(20, 80));
    EXPECT_EQ(pIn->m_nAux[INPUT_SIM_VALUE_AUX], 80);
    pIn->m_nParamEx[INPUT_SIM_AUTO_RANGE_PARAMEX] = 1;
    UpdateSimInputSettings(m_doc, pIn, TRUE);
    EXPECT_EQ(RangeOf(pIn), std::make_pair(0, 9999));
}

// AI -> AM1 -> AM2 -> AM1 and AM2 -> comparator: the trace used to go round AM1 and AM2 until
// the stack ran out.
TEST_F(AnalogRanges, AFeedbackLoopEndsTheTrace)
{
    CBlockAnalogIn* pIn = Input(0, 0, 0, 1);
    auto [pFlag1, pFlag2] = Blocks(BT_ANALOG_FLAG, BT_ANALOG_FLAG);
    CBlockAnalog* pComp = Comparator(100, 900);
    Wire(pIn, pFlag1);
    Wire(pFlag1, pFlag2);
    Wire(pFlag2, pFlag1, 1);
    Wire(pFlag2, pComp);
    const std::vector<CBlockAnalog*> sources = TraceAnalogSources(m_doc, pIn, FALSE);
    ASSERT_EQ(sources.size(), 1u);
    EXPECT_EQ(sources[0], pComp);
    UpdateSimInputSettings(m_doc, pIn, TRUE);
    EXPECT_EQ(RangeOf(pIn), std::make_pair(100, 900));
}

// The comparator's first input comes from a flag whose input comes from a second flag fed by
// the first: the upstream walk used to circle for ever.
TEST_F(AnalogRanges, AFlagLoopEndsTheUpstreamWalk)
{
    CBlockAnalogIn* pIn = Input(0, 0, 5000, 1);
    auto [pFlag1, pFlag2] = Blocks(BT_ANALOG_FLAG, BT_ANALOG_FLAG);
    CBlockAnalog* pComp = Comparator(0, 1000);
    pFlag1->m_nPinSource[0] = pFlag2->m_nNumber;
    pFlag2->m_nPinSource[0] = pFlag1->m_nNumber;
    pComp->m_nPinSource[0] = pFlag1->m_nNumber;
    pComp->m_nPinSource[1] = pFlag2->m_nNumber;
    RefreshAnalogSources(m_doc, pComp, TRUE);
    EXPECT_EQ(pIn->m_nAux[INPUT_SIM_VALUE_AUX], 5000) << "no input reached, nothing normalised";
}

TEST_F(AnalogRanges, TheUpstreamWalkCrossesAConnectorPairButStopsAtAnAmplifier)
{
    CBlockAnalogIn* pIn = Input(0, 0, 5000, 1);
    auto [pMale, pFemale] = Blocks(BT_MALE, BT_FEMALE);
    pFemale->m_nNumber = pMale->m_nNumber + 2000;
    pMale->m_nPinSource[0] = pIn->m_nNumber;
    CBlockAnalog* pComp = Comparator(0, 1000);
    pComp->m_nPinSource[0] = pFemale->m_nNumber;
    RefreshAnalogSources(m_doc, pComp, TRUE);
    EXPECT_EQ(RangeOf(pIn), std::make_pair(0, 1000));
    EXPECT_EQ(pIn->m_nAux[INPUT_SIM_VALUE_AUX], 1000);

    CBlockAnalogIn* pBehind = Input(0, 0, 5000, 1);
    CBlockObj* pAmp = Block(BT_AAMP);
    pAmp->m_nPinSource[0] = pBehind->m_nNumber;
    CBlockAnalog* pSecond = Comparator(0, 1000);
    pSecond->m_nPinSource[0] = pAmp->m_nNumber;
    RefreshAnalogSources(m_doc, pSecond, TRUE);
    EXPECT_EQ(pBehind->m_nAux[INPUT_SIM_VALUE_AUX], 5000);
}

TEST_F(AnalogRanges, AComparatorFedTwiceFromOneInputIsOneSource)
{
    CBlockAnalogIn* pIn = Input(0, 0, 0, 1);
    CBlockAnalog* pComp = Comparator(0, 1000);
    Wire(pIn, pComp, 0);
    Wire(pIn, pComp, 1);
    EXPECT_EQ(TraceAnalogSources(m_doc, pIn, FALSE).size(), 1u);
}

}  // namespace
