// The analog blocks' steps: input scaling and its rounding rule, the trigger, watchdog and
// differential rules, the multiplexer, the formula evaluator, references and the amplifier's
// loop check, driven through headless scans.
#include "SimDriver.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLogic.h"
#include "platform/core/MessageBox.h"
#include "platform/core/StringArray.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

namespace {

constexpr int kAi1 = 4000;
constexpr int kAi2 = 4001;
constexpr int kIn1 = 100;
constexpr int kIn2 = 101;
constexpr int kIn3 = 102;
constexpr int kBlock = 9000;

TEST(AnalogRounding, FirstDecimalDigitRoundsHalvesAwayFromZeroThenClamps)
{
    struct Case {
        double x;
        int nExpected;
    };
    const Case cases[] = {
        {2.5, 3},         {-2.5, -3},       {2.49, 2},       {-2.49, -2},      {0.95, 1},
        {0.05, 0},        {0.0, 0},         {32767.4, 32767}, {32767.6, 32767}, {40000.0, 32767},
        {-40000.0, -32767}, {1e300, 32767}, {-1e300, -32767},
        {std::numeric_limits<double>::infinity(), 32767},
        {std::numeric_limits<double>::quiet_NaN(), 0},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RoundAnalogValue(c.x), c.nExpected) << c.x;
}

TEST(AnalogRounding, ReferencedValuesAreClampedAndTruncatedWithoutRounding)
{
    struct Case {
        double x;
        int nExpected;
    };
    const Case cases[] = {{12.9, 12},        {-12.9, -12},  {50000.0, 32767},
                          {-1e9, -32767},    {2.5, 2},
                          {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const Case& c : cases)
        EXPECT_EQ(ClampAnalogValue(c.x), c.nExpected) << c.x;
}

CStringArray Tokens(std::initializer_list<LPCTSTR> tokens)
{
    CStringArray parts;
    for (LPCTSTR pszToken : tokens)
        parts.Add(pszToken);
    parts.Add(_T(""));
    return parts;
}

TEST(AnalogFormula, OperatorsBindByRankAndBracketsThenLeftToRight)
{
    struct Case {
        const char* pszName;
        CStringArray parts;
        int nExpected;
    };
    const Case cases[] = {
        {"times before plus", Tokens({_T("1"), _T("+"), _T("2"), _T("*"), _T("3")}), 7},
        {"brackets first",
         Tokens({_T("("), _T("1"), _T("+"), _T("2"), _T(")"), _T("*"), _T("3")}), 9},
        {"left to right", Tokens({_T("10"), _T("-"), _T("4"), _T("-"), _T("3")}), 3},
        {"quotient loses its fraction at the next operator",
         Tokens({_T("7"), _T("/"), _T("2"), _T("+"), _T("1")}), 4},
        {"final quotient truncated", Tokens({_T("7"), _T("/"), _T("2")}), 3},
        {"negative operands", Tokens({_T("-7"), _T("*"), _T("3")}), -21},
        {"division by zero", Tokens({_T("5"), _T("+"), _T("7"), _T("/"), _T("0")}), 32767},
        {"clamped above", Tokens({_T("300"), _T("*"), _T("300"), _T("*"), _T("300")}), 32767},
        {"clamped below", Tokens({_T("-300"), _T("*"), _T("300")}), -32768},
        {"beyond 32 bits", Tokens({_T("32767"), _T("*"), _T("32767"), _T("*"), _T("32767")}),
         32767},
        {"unclosed bracket of a cut formula", Tokens({_T("("), _T("("), _T("2"), _T("*"), _T("3")}),
         6},
        {"ends at the first empty entry", Tokens({_T("4"), _T(""), _T("+"), _T("5")}), 4},
    };
    CMessageBoxRecorder boxes;
    for (const Case& c : cases)
        EXPECT_EQ(EvaluateAnalogFormula(c.parts), c.nExpected) << c.pszName;
    EXPECT_TRUE(boxes.Boxes().empty());
}

class AnalogSim : public testing::Test {
protected:
    CBlockAnalogIn* AddAnalogIn(int nNumber)
    {
        return m_sim.Add(new CBlockAnalogIn(BT_ANALOG_IN), nNumber);
    }

    CBlockIn* AddInput(int nNumber) { return m_sim.Add(new CBlockIn(BT_IN), nNumber); }

    template <class T>
    T* AddAnalog(int nType, int nNumber = kBlock)
    {
        return m_sim.Add(new T(nType), nNumber);
    }

    // Feeds each value to the analog input in turn and checks the block's state after the
    // scan.
    struct Step {
        int nInput;
        int nState;
    };
    void ExpectStates(CBlockAnalogIn* pInput, const CBlockObj* pBlock,
                      std::initializer_list<Step> steps)
    {
        for (const Step& step : steps) {
            pInput->m_nAux2 = step.nInput;
            m_sim.Scan();
            EXPECT_EQ(SimDriver::State(pBlock), step.nState) << "input " << step.nInput;
        }
    }

    SimDriver m_sim;
};

TEST_F(AnalogSim, InputIsScaledAsASignedWordWithGainOffsetAndRounding)
{
    struct Case {
        int nInput;
        double dGain;
        int nOffset;
        int nExpected;
    };
    const Case cases[] = {
        {40000, 1.0, 0, -25536}, {5, 0.5, 3, 6},     {3, -1.5, 0, -5},   {1000, 40.0, 0, 32767},
        {-1000, 40.0, 0, -32767}, {65535, 1.0, 0, -1}, {7, 1.0, -7, 0},    {10, 0.25, 0, 3},
    };
    auto* pInput = AddAnalogIn(kAi1);
    auto* pAmp = AddAnalog<CBlockAAMP>(BT_AAMP);
    SimDriver::Connect(pInput, pAmp, 0);
    m_sim.Start();
    for (const Case& c : cases) {
        pInput->m_nAux2 = c.nInput;
        pAmp->m_dGain = c.dGain;
        pAmp->m_nOffset = c.nOffset;
        m_sim.Scan();
        EXPECT_EQ(pAmp->m_nValue, c.nExpected)
            << c.nInput << " x " << c.dGain << " + " << c.nOffset;
        EXPECT_EQ(pAmp->m_nAx, c.nExpected);
    }
}

TEST_F(AnalogSim, ComparatorTriggersOnTheDifferenceOfItsTwoInputs)
{
    auto* pAx = AddAnalogIn(kAi1);
    auto* pAy = AddAnalogIn(kAi2);
    auto* pComp = AddAnalog<CBlockACOMP>(BT_ACOMP);
    SimDriver::Connect(pAx, pComp, 0);
    SimDriver::Connect(pAy, pComp, 1);
    pComp->m_nThreshold1 = 100;
    pComp->m_nThreshold2 = 100;
    pAy->m_nAux2 = 50;
    m_sim.Start();
    ExpectStates(pAx, pComp, {{151, 1}, {150, 0}, {151, 1}, {-32767, 0}});
    EXPECT_EQ(pComp->m_nAy, 50);
    EXPECT_EQ(pComp->m_nValue, -32767) << "the difference is clamped";
}

TEST_F(AnalogSim, ThresholdTriggerFollowsBothOrdersOfItsThresholds)
{
    auto* pInput = AddAnalogIn(kAi1);
    auto* pBand = AddAnalog<CBlockATHTRG>(BT_ATHTRG, kBlock);
    auto* pHysteresis = AddAnalog<CBlockATHTRG>(BT_ATHTRG, kBlock + 1);
    SimDriver::Connect(pInput, pBand, 0);
    SimDriver::Connect(pInput, pHysteresis, 0);
    // On below Off: on inside the band [On, Off).
    pBand->m_nThreshold1 = 50;
    pBand->m_nThreshold2 = 100;
    // On above Off: a switch with hysteresis.
    pHysteresis->m_nThreshold1 = 100;
    pHysteresis->m_nThreshold2 = 50;
    m_sim.Start();
    ExpectStates(pInput, pBand, {{49, 0}, {50, 1}, {99, 1}, {100, 0}});
    ExpectStates(pInput, pHysteresis, {{100, 0}, {101, 1}, {75, 1}, {51, 1}, {50, 0}, {75, 0}});
}

TEST_F(AnalogSim, DifferentialTriggerUsesOnAndOnPlusDelta)
{
    auto* pInput = AddAnalogIn(kAi1);
    auto* pNegative = AddAnalog<CBlockADTRG>(BT_ADTRG, kBlock);
    auto* pPositive = AddAnalog<CBlockADTRG>(BT_ADTRG, kBlock + 1);
    SimDriver::Connect(pInput, pNegative, 0);
    SimDriver::Connect(pInput, pPositive, 0);
    pNegative->m_nThreshold1 = 100;
    pNegative->m_nThreshold2 = -20;
    pPositive->m_nThreshold1 = 100;
    pPositive->m_nThreshold2 = 20;
    m_sim.Start();
    ExpectStates(pInput, pNegative, {{101, 1}, {90, 1}, {80, 0}, {90, 0}, {101, 1}});
    ExpectStates(pInput, pPositive, {{99, 0}, {100, 1}, {119, 1}, {120, 0}});
}

TEST_F(AnalogSim, DifferentialTriggerWithExtremeThresholdsDoesNotOverflow)
{
    auto* pInput = AddAnalogIn(kAi1);
    auto* pTrigger = AddAnalog<CBlockADTRG>(BT_ADTRG);
    SimDriver::Connect(pInput, pTrigger, 0);
    pTrigger->m_nThreshold1 = std::numeric_limits<int>::max();
    pTrigger->m_nThreshold2 = std::numeric_limits<int>::max();
    m_sim.Start();
    ExpectStates(pInput, pTrigger, {{100, 0}});
    pTrigger->m_nThreshold1 = std::numeric_limits<int>::min();
    pTrigger->m_nThreshold2 = std::numeric_limits<int>::min();
    ExpectStates(pInput, pTrigger, {{100, 1}});
}

TEST_F(AnalogSim, WatchdogCapturesTheValueWhenEnabledAndWatchesTheBand)
{
    auto* pEnable = AddInput(kIn1);
    auto* pInput = AddAnalogIn(kAi1);
    auto* pDog = AddAnalog<CBlockAWDOG>(BT_AWDOG);
    SimDriver::Connect(pEnable, pDog, 0);
    SimDriver::Connect(pInput, pDog, 1);
    pDog->m_nThreshold1 = 10;
    pDog->m_nThreshold2 = 10;
    m_sim.Start();
    pInput->m_nAux2 = 500;
    m_sim.Scan();
    EXPECT_EQ(pDog->m_nRefValue, 0) << "nothing captured while disabled";
    SimDriver::SetInput(pEnable, 1);
    m_sim.Scan();
    EXPECT_EQ(pDog->m_nRefValue, 500);
    ExpectStates(pInput, pDog, {{510, 0}, {511, 1}, {490, 0}, {489, 1}, {500, 0}});
    EXPECT_EQ(pDog->m_nRefValue, 500) << "captured only on a change of the enable input";
    pInput->m_nAux2 = 900;
    SimDriver::SetInput(pEnable, 0);
    m_sim.Scan();
    EXPECT_EQ(SimDriver::State(pDog), 0);
    EXPECT_EQ(pDog->m_nRefValue, 0);
}

TEST_F(AnalogSim, MultiplexerPicksByItsSelectInputsOnlyWhileEnabled)
{
    auto* pEnable = AddInput(kIn1);
    auto* pS1 = AddInput(kIn2);
    auto* pS2 = AddInput(kIn3);
    auto* pMux = AddAnalog<CBlockAMUX>(BT_AMUX);
    SimDriver::Connect(pEnable, pMux, 0);
    SimDriver::Connect(pS1, pMux, 1);
    SimDriver::Connect(pS2, pMux, 2);
    pMux->m_nParam[9] = 11;
    pMux->m_nParamEx[1] = 22;
    pMux->m_nParamEx[6] = 33;
    pMux->m_nParamEx[8] = 44;
    struct Case {
        int nEnable;
        int nS1;
        int nS2;
        int nExpected;
    };
    const Case cases[] = {{1, 0, 0, 11}, {1, 0, 1, 22}, {1, 1, 0, 33}, {1, 1, 1, 44},
                          {0, 1, 1, 0},  {0, 0, 0, 0},  {0, 1, 0, 0}};
    m_sim.Start();
    for (const Case& c : cases) {
        SimDriver::SetInput(pEnable, c.nEnable);
        SimDriver::SetInput(pS1, c.nS1);
        SimDriver::SetInput(pS2, c.nS2);
        m_sim.Scan();
        EXPECT_EQ(pMux->m_nValue, c.nExpected) << c.nEnable << c.nS1 << c.nS2;
    }
}

TEST_F(AnalogSim, ReferencesReplaceThresholdsAndMultiplexerValues)
{
    auto* pInput = AddAnalogIn(kAi1);
    auto* pSource = AddAnalog<CBlockAAMP>(BT_AAMP, kBlock);
    SimDriver::Connect(pInput, pSource, 0);
    pSource->m_dGain = 10.0;
    auto* pTrigger = AddAnalog<CBlockATHTRG>(BT_ATHTRG, kBlock + 1);
    SimDriver::Connect(pInput, pTrigger, 0);
    pTrigger->m_nThreshold1 = 1;
    pTrigger->m_nThreshold2 = 0;
    pTrigger->m_pRefBlock[0] = pSource;
    auto* pEnable = AddInput(kIn1);
    auto* pMux = AddAnalog<CBlockAMUX>(BT_AMUX, kBlock + 2);
    SimDriver::Connect(pEnable, pMux, 0);
    pMux->m_nParam[9] = 5;
    pMux->m_pRefBlock[0] = pSource;
    m_sim.Start();
    SimDriver::SetInput(pEnable, 1);
    pInput->m_nAux2 = 5000;
    m_sim.Scan();
    EXPECT_EQ(pTrigger->m_nThreshold1, 32767) << "50000 clamped";
    EXPECT_EQ(SimDriver::State(pTrigger), 0);
    EXPECT_EQ(pMux->m_nValue, 32767);
    EXPECT_EQ(pMux->m_nParam[9], 5) << "the multiplexer keeps its stored value";
    pInput->m_nAux2 = 5;
    m_sim.Scan();
    EXPECT_EQ(pTrigger->m_nThreshold1, 50);
    EXPECT_EQ(pMux->m_nValue, 50);
}

TEST_F(AnalogSim, MathBlockEvaluatesItsFormulaAndKeepsOrDropsItsValueWhenDisabled)
{
    auto* pEnable = AddInput(kIn1);
    auto* pKeep = AddAnalog<CBlockAMATH>(BT_AMATH, kBlock);
    auto* pDrop = AddAnalog<CBlockAMATH>(BT_AMATH, kBlock + 1);
    for (CBlockAnalog* pMath : std::initializer_list<CBlockAnalog*>{pKeep, pDrop}) {
        SimDriver::Connect(pEnable, pMath, 0);
        // 1 + ((2 * 3) - 4): the middle operator has the high priority, the last the middle.
        pMath->m_nParam[9] = 1;
        pMath->m_nParamEx[1] = 2;
        pMath->m_nParamEx[6] = 3;
        pMath->m_nParamEx[8] = 4;
        pMath->m_nParam[8] = 0;
        pMath->m_nParamEx[0] = 2;
        pMath->m_nParamEx[5] = 1;
        pMath->m_nParam[10] = 0;
        pMath->m_nParamEx[2] = 2;
        pMath->m_nParamEx[7] = 1;
    }
    pKeep->m_nParamEx[11] = 1;
    pDrop->m_nParamEx[11] = 0;
    m_sim.Start();
    SimDriver::SetInput(pEnable, 1);
    m_sim.Scan();
    EXPECT_EQ(pKeep->m_nValue, 3);
    EXPECT_EQ(pDrop->m_nValue, 3);
    SimDriver::SetInput(pEnable, 0);
    m_sim.Scan();
    EXPECT_EQ(pKeep->m_nValue, 3);
    EXPECT_EQ(pDrop->m_nValue, 0);
}

TEST_F(AnalogSim, MathBlockTakesReferencedOperandsAndDividesByZeroToTheLimit)
{
    auto* pEnable = AddInput(kIn1);
    auto* pInput = AddAnalogIn(kAi1);
    auto* pSource = AddAnalog<CBlockAAMP>(BT_AAMP, kBlock);
    SimDriver::Connect(pInput, pSource, 0);
    auto* pMath = AddAnalog<CBlockAMATH>(BT_AMATH, kBlock + 1);
    SimDriver::Connect(pEnable, pMath, 0);
    // V1 / V2 + V3 - V4 with V2 from the amplifier.
    pMath->m_nParam[9] = 100;
    pMath->m_nParamEx[6] = 1;
    pMath->m_nParamEx[8] = 0;
    pMath->m_nParam[8] = 3;
    pMath->m_nParamEx[0] = 0;
    pMath->m_nParamEx[5] = 1;
    pMath->m_nParam[10] = 0;
    pMath->m_nParamEx[2] = 0;
    pMath->m_pRefBlock[1] = pSource;
    m_sim.Start();
    SimDriver::SetInput(pEnable, 1);
    pInput->m_nAux2 = 8;
    m_sim.Scan();
    EXPECT_EQ(pMath->m_nParamEx[1], 8);
    EXPECT_EQ(pMath->m_nValue, 13);
    pInput->m_nAux2 = 0;
    m_sim.Scan();
    EXPECT_EQ(pMath->m_nValue, 32767);
}

TEST_F(AnalogSim, BlocksWithoutAStepKeepZeroThroughoutARun)
{
    auto* pEnable = AddInput(kIn1);
    auto* pInput = AddAnalogIn(kAi1);
    std::vector<CBlockAnalog*> blocks;
    int nNumber = kBlock;
    for (int nType : {BT_ARAMP, BT_PI, BT_PWM, BT_AFILTER, BT_MAXMIN, BT_AVGVAL}) {
        CBlockAnalog* pBlock = nullptr;
        switch (nType) {
        case BT_ARAMP: pBlock = AddAnalog<CBlockARAMP>(nType, nNumber++); break;
        case BT_PI: pBlock = AddAnalog<CBlockPI>(nType, nNumber++); break;
        case BT_PWM: pBlock = AddAnalog<CBlockPWM>(nType, nNumber++); break;
        case BT_AFILTER: pBlock = AddAnalog<CBlockAFILTER>(nType, nNumber++); break;
        case BT_MAXMIN: pBlock = AddAnalog<CBlockMAXMIN>(nType, nNumber++); break;
        default: pBlock = AddAnalog<CBlockAVGVAL>(nType, nNumber++); break;
        }
        SimDriver::Connect(pEnable, pBlock, 0);
        SimDriver::Connect(pInput, pBlock, 1);
        blocks.push_back(pBlock);
    }
    m_sim.Start();
    SimDriver::SetInput(pEnable, 1);
    pInput->m_nAux2 = 1234;
    m_sim.Run(500);
    for (const CBlockAnalog* pBlock : blocks) {
        EXPECT_EQ(pBlock->m_nValue, 0) << pBlock->m_nType;
        EXPECT_EQ(SimDriver::State(pBlock), 0) << pBlock->m_nType;
    }
}

// Two OR gates feed each other ahead of the amplifier, and the second of them also takes the
// amplifier's output: the loop check finds the loop, and the walk back along input 0 circles
// between the gates without meeting an analog block.
TEST_F(AnalogSim, AmplifierInALoopOfPlainBlocksEndsItsWalkWithZero)
{
    auto* pAmp = AddAnalog<CBlockAAMP>(BT_AAMP, kBlock);
    auto* pFirst = m_sim.Add(new CBlockLogic(BT_OR), kBlock + 1);
    auto* pSecond = m_sim.Add(new CBlockLogic(BT_OR), kBlock + 2);
    SimDriver::Connect(pFirst, pAmp, 0);
    SimDriver::Connect(pSecond, pFirst, 0);
    SimDriver::Connect(pAmp, pFirst, 1);
    SimDriver::Connect(pFirst, pSecond, 0);
    pAmp->m_nOffset = 7;
    m_sim.Start();
    pFirst->m_dRunTime = 40.0;
    m_sim.Scan();
    EXPECT_EQ(pAmp->m_bLoopFound, 1);
    EXPECT_EQ(pAmp->m_nValue, 7) << "no analog block up the chain: 0, then the offset";
    EXPECT_EQ(pAmp->m_nAx, 47);
}

TEST_F(AnalogSim, AmplifierInALoopTakesTheNearestAnalogBlockUpItsChain)
{
    auto* pAmp = AddAnalog<CBlockAAMP>(BT_AAMP, kBlock);
    auto* pGate = m_sim.Add(new CBlockLogic(BT_OR), kBlock + 1);
    auto* pTrigger = AddAnalog<CBlockATHTRG>(BT_ATHTRG, kBlock + 2);
    auto* pInput = AddAnalogIn(kAi1);
    SimDriver::Connect(pGate, pAmp, 0);
    SimDriver::Connect(pTrigger, pGate, 0);
    SimDriver::Connect(pAmp, pGate, 1);
    SimDriver::Connect(pInput, pTrigger, 0);
    pInput->m_nAux2 = 300;
    pAmp->m_dGain = 2.0;
    m_sim.Start();
    // The trigger is stepped after the amplifier: its value reaches the amplifier a scan later.
    m_sim.Scan();
    m_sim.Scan();
    EXPECT_EQ(pAmp->m_bLoopFound, 1);
    EXPECT_EQ(pAmp->m_nValue, 600);
}

TEST_F(AnalogSim, ValueBoxShowsTheValueAndTheSecondLineOfWatchdogAndDifferentialTrigger)
{
    struct Case {
        int nType;
        std::vector<std::u16string> lines;
    };
    const Case cases[] = {
        {BT_AAMP, {u"-25   "}},
        {BT_AWDOG, {u"-25   ", u"12    "}},
        {BT_ADTRG, {u"-25   ", u"-2    "}},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CBlockObj> pBlock(CreateBlockForType(c.nType, nullptr));
        auto& analog = static_cast<CBlockAnalog&>(*pBlock);
        analog.m_ptPos = CPoint(100, 100);
        analog.m_nWidth = 26;
        analog.m_nHeight = 36;
        analog.m_nValue = -25;
        analog.m_nRefValue = 12;
        analog.m_nThreshold1 = 3;
        analog.m_nThreshold2 = -5;
        RecordingSurface surface;
        CDC dc(surface);
        analog.DrawValue(nullptr, &dc);
        std::vector<std::u16string> texts;
        RECT box{};
        for (const auto& record : surface.Records()) {
            if (record.kind == RecordingSurface::Kind::Text)
                texts.push_back(record.text);
            if (record.kind == RecordingSurface::Kind::FillRect)
                box = record.rect;
        }
        EXPECT_EQ(texts, c.lines) << c.nType << "\n" << surface.Dump();
        EXPECT_EQ(box.left, 100);
        EXPECT_EQ(box.right, 139) << "one and a half widths";
        EXPECT_EQ(box.top, 138);
        EXPECT_EQ(box.bottom, 138 + 12 * int(c.lines.size()));
    }
}

}  // namespace
