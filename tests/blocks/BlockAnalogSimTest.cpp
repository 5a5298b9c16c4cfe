// The analog blocks' steps: the rounding rule of the input scaling, the formula evaluator, the
// trigger, watchdog and multiplexer rules through headless scans, and the amplifier's walk up a
// feedback loop.
#include "SimDriver.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLogic.h"
#include "platform/core/MessageBox.h"

#include <gtest/gtest.h>

#include <array>
#include <limits>
#include <memory>

namespace {

constexpr int kIntMax = std::numeric_limits<int>::max();

TEST(AnalogRounding, FirstDecimalDigitRoundsHalvesAwayFromZeroThenClamps)
{
    const std::pair<double, int> cases[] = {
        {2.5, 3},        {-2.5, -3},        {2.49, 2},     {0.95, 1},
        {0.05, 0},       {32767.6, 32767},  {-4e4, -32767}, {1e300, 32767},
        {std::numeric_limits<double>::quiet_NaN(), 0}};
    for (const auto& [x, nExpected] : cases)
        EXPECT_EQ(RoundAnalogValue(x), nExpected) << x;
    EXPECT_EQ(ClampAnalogValue(2.5), 2) << "references are truncated, not rounded";
}

// Operands, operators (0 "+", 1 "-", 2 "*", 3 "/", 4 none) and priorities.
TEST(AnalogFormula, OperatorsBindByRankAndBracketsThenLeftToRight)
{
    const std::pair<AnalogFormulaInputs, int> cases[] = {
        {{{1, 2, 3, 0}, {0, 2, 4}, {0, 0, 0}}, 7},
        {{{1, 2, 3, 0}, {0, 2, 4}, {2, 0, 0}}, 9},
        {{{10, 4, 3, 0}, {1, 1, 4}, {0, 0, 0}}, 3},
        {{{7, 2, 1, 0}, {3, 0, 4}, {0, 0, 0}}, 4},
        {{{5, 7, 0, 0}, {0, 3, 4}, {0, 0, 0}}, 32767},
        {{{300, 300, 300, 0}, {2, 2, 4}, {0, 0, 0}}, 32767},
        {{{-300, 300, 0, 0}, {2, 4, 0}, {0, 0, 0}}, -32768},
        // A formula cut short by an operator index outside "+-*/" leaves brackets open.
        {{{2, 3, 9, 1}, {2, 9, 0}, {2, 1, 0}}, 6},
        // Each quotient is a whole number again: truncated toward zero, but a fraction that
        // rounds up at the sixth decimal counts as the next one.
        {{{-7, 2, 0, 0}, {3, 4, 0}, {0, 0, 0}}, -3},
        {{{5999999, 2000000, 0, 0}, {3, 4, 0}, {0, 0, 0}}, 3},
        {{{-5999999, 2000000, 0, 0}, {3, 4, 0}, {0, 0, 0}}, -3},
        {{{5999997, 2000000, 0, 0}, {3, 4, 0}, {0, 0, 0}}, 2},
        // Products beyond 32 bits are clamped there before the next operator.
        {{{65536, 65536, -1, 0}, {2, 0, 4}, {0, 0, 0}}, 32767},
        {{{-65536, 65536, 1, 0}, {2, 1, 4}, {0, 0, 0}}, -32768},
    };
    for (const auto& [formula, nExpected] : cases)
        EXPECT_EQ(EvaluateAnalogFormula(formula), nExpected) << formula.nOperand[0] << " " << formula.nOperand[1];
}

class AnalogSim : public testing::Test {
protected:
    // A math block enabled by pEnable: V1-V4, operators 1-3 (0 "+", 1 "-", 2 "*", 3 "/") and
    // the operators' priorities.
    CBlockAMATH* AddMath(CBlockIn* pEnable, const std::array<int, 4>& operands,
                         const std::array<int, 3>& operators, const std::array<int, 3>& priorities)
    {
        auto* pMath = m_sim.Add(new CBlockAMATH(BT_AMATH), 9001);
        SimDriver::Connect(pEnable, pMath, 0);
        int* pOperands[] = {&pMath->m_nParam[AMATH_V1_PARAM], &pMath->m_nParamEx[AMATH_V2_PARAMEX],
                            &pMath->m_nParamEx[AMATH_V3_PARAMEX], &pMath->m_nParamEx[AMATH_V4_PARAMEX]};
        int* pOperators[] = {&pMath->m_nParam[AMATH_OP1_PARAM], &pMath->m_nParamEx[AMATH_OP2_PARAMEX],
                             &pMath->m_nParamEx[AMATH_OP3_PARAMEX]};
        int* pPriorities[] = {&pMath->m_nParam[AMATH_PRIO1_PARAM], &pMath->m_nParamEx[AMATH_PRIO2_PARAMEX],
                              &pMath->m_nParamEx[AMATH_PRIO3_PARAMEX]};
        for (std::size_t i = 0; i < operands.size(); ++i)
            *pOperands[i] = operands[i];
        for (std::size_t i = 0; i < operators.size(); ++i) {
            *pOperators[i] = operators[i];
            *pPriorities[i] = priorities[i];
        }
        return pMath;
    }

    SimDriver m_sim;
};

// Each row feeds its inputs in turn and checks the state after every scan; the comparator's
// second input stays 0, so it compares its first.
TEST_F(AnalogSim, TriggerRulesOfComparatorThresholdAndDifferentialTrigger)
{
    struct Row {
        int nType;
        int nOn;
        int nOff;
        std::vector<std::pair<int, int>> steps;  // input, state
    };
    const Row rows[] = {
        {BT_ACOMP, 100, 100, {{101, 1}, {100, 0}}},
        {BT_ATHTRG, 50, 100, {{49, 0}, {50, 1}, {99, 1}, {100, 0}}},
        {BT_ATHTRG, 100, 50, {{101, 1}, {75, 1}, {50, 0}, {75, 0}}},
        {BT_ATHTRG, 0, 0, {{40000, 0}, {25536, 1}}},  // read as a signed word
        {BT_ADTRG, 100, -20, {{101, 1}, {90, 1}, {80, 0}, {90, 0}}},
        {BT_ADTRG, 100, 20, {{99, 0}, {100, 1}, {119, 1}, {120, 0}}},
        {BT_ADTRG, kIntMax, kIntMax, {{100, 0}}},  // On + Delta beyond 32 bits
    };
    auto* pInput = m_sim.AddAnalogIn(4000);
    int nNumber = 9000;
    std::vector<CBlockAnalog*> blocks;
    for (const Row& row : rows) {
        auto* pBlock = m_sim.Add(static_cast<CBlockAnalog*>(CreateBlockForType(row.nType, nullptr, nullptr)),
                                 nNumber++);
        SimDriver::Connect(pInput, pBlock, 0);
        pBlock->m_nThreshold1 = row.nOn;
        pBlock->m_nThreshold2 = row.nOff;
        blocks.push_back(pBlock);
    }
    m_sim.Start();
    for (std::size_t i = 0; i < blocks.size(); ++i) {
        for (const auto& [nInput, nState] : rows[i].steps) {
            pInput->m_nHeldValue = nInput;
            m_sim.Scan();
            EXPECT_EQ(SimDriver::State(blocks[i]), nState) << "row " << i << " input " << nInput;
        }
    }
}

TEST_F(AnalogSim, WatchdogCapturesTheValueWhenEnabledAndWatchesTheBand)
{
    auto* pEnable = m_sim.AddInput(100);
    auto* pInput = m_sim.AddAnalogIn(4000);
    auto* pDog = m_sim.Add(new CBlockAWDOG(BT_AWDOG), 9000);
    SimDriver::Connect(pEnable, pDog, 0);
    SimDriver::Connect(pInput, pDog, 1);
    pDog->m_nThreshold1 = 10;
    pDog->m_nThreshold2 = 10;
    m_sim.Start();
    pInput->m_nHeldValue = 500;
    m_sim.Switch(pEnable, 1);
    EXPECT_EQ(pDog->m_nRefValue, 500);
    for (const auto& [nInput, nState] : {std::pair{510, 0}, {511, 1}, {490, 0}, {489, 1}}) {
        pInput->m_nHeldValue = nInput;
        m_sim.Scan();
        EXPECT_EQ(SimDriver::State(pDog), nState) << nInput;
    }
    EXPECT_EQ(pDog->m_nRefValue, 500) << "captured only on a change of the enable input";
    m_sim.Switch(pEnable, 0);
    EXPECT_EQ(SimDriver::State(pDog), 0);
    EXPECT_EQ(pDog->m_nRefValue, 0);
}

TEST_F(AnalogSim, MultiplexerAndMathBlockWorkOnlyWhileEnabled)
{
    auto* pEnable = m_sim.AddInput(100);
    auto* pS2 = m_sim.AddInput(102);
    auto* pMux = m_sim.Add(new CBlockAMUX(BT_AMUX), 9000);
    SimDriver::Connect(pEnable, pMux, 0);
    SimDriver::Connect(pS2, pMux, 2);
    pMux->m_nParam[AMATH_V1_PARAM] = 11;
    pMux->m_nParamEx[AMATH_V2_PARAMEX] = 22;
    // 1 + ((2 * 3) - 4): the middle operator ranks high, the last in the middle.
    auto* pMath = AddMath(pEnable, {1, 2, 3, 4}, {0, 2, 1}, {0, 2, 1});
    pMath->m_nParamEx[AMATH_KEEP_VALUE_PARAMEX] = 1;
    m_sim.Start();
    SimDriver::SetInput(pEnable, 1);
    m_sim.Switch(pS2, 1);
    EXPECT_EQ(pMux->m_nValue, 22);
    EXPECT_EQ(pMath->m_nValue, 3);
    m_sim.Switch(pEnable, 0);
    EXPECT_EQ(pMux->m_nValue, 0);
    EXPECT_EQ(pMath->m_nValue, 3) << "kept: its keep flag is set";
}

// The value of an unchanged formula is kept from step to step; every change of an operand, an
// operator or a priority between steps gives the new formula's value.
TEST_F(AnalogSim, MathBlockFollowsEveryChangeOfItsFormula)
{
    auto* pEnable = m_sim.AddInput(100);
    auto* pMath = AddMath(pEnable, {6, 2, 0, 0}, {0, 0, 0}, {0, 0, 0});
    m_sim.Start();
    m_sim.Switch(pEnable, 1);
    EXPECT_EQ(pMath->m_nValue, 8) << "6 + 2 + 0 + 0";
    m_sim.Scan();
    EXPECT_EQ(pMath->m_nValue, 8);
    const struct {
        int* pParam;
        int nValue;
        int nExpected;
        const char* pszFormula;
    } steps[] = {
        {&pMath->m_nParamEx[AMATH_V2_PARAMEX], 3, 9, "6 + 3 + 0 + 0"},
        {&pMath->m_nParam[AMATH_OP1_PARAM], 2, 18, "6 * 3 + 0 + 0"},
        {&pMath->m_nParamEx[AMATH_V4_PARAMEX], 5, 23, "6 * 3 + 0 + 5"},
        {&pMath->m_nParamEx[AMATH_OP3_PARAMEX], 2, 18, "6 * 3 + 0 * 5"},
        {&pMath->m_nParamEx[AMATH_V3_PARAMEX], 1, 23, "6 * 3 + 1 * 5"},
        {&pMath->m_nParamEx[AMATH_PRIO2_PARAMEX], 2, 120, "6 * (3 + 1) * 5"},
    };
    for (const auto& step : steps) {
        *step.pParam = step.nValue;
        m_sim.Scan();
        EXPECT_EQ(pMath->m_nValue, step.nExpected) << step.pszFormula;
    }
}

// Two OR gates feed each other ahead of the amplifier, and the first also takes the
// amplifier's output: the loop check finds the loop, and the walk back along input 0 circles
// between the gates without meeting an analog block.
TEST_F(AnalogSim, AmplifierInALoopOfPlainBlocksEndsItsWalkWithZero)
{
    auto* pAmp = m_sim.Add(new CBlockAAMP(BT_AAMP), 9000);
    auto* pFirst = m_sim.Add(new CBlockLogic(BT_OR), 9001);
    auto* pSecond = m_sim.Add(new CBlockLogic(BT_OR), 9002);
    SimDriver::Connect(pFirst, pAmp, 0);
    SimDriver::Connect(pSecond, pFirst, 0);
    SimDriver::Connect(pAmp, pFirst, 1);
    SimDriver::Connect(pFirst, pSecond, 0);
    pAmp->m_nOffset = 7;
    m_sim.Start();
    pFirst->m_dRunTime = 40.0;
    m_sim.Scan();
    EXPECT_EQ(pAmp->m_bLoopFound, 1);
    EXPECT_EQ(pAmp->m_nAx, 47);
    EXPECT_EQ(pAmp->m_nValue, 7) << "no analog block up the chain: 0, then the offset";
}

}  // namespace
