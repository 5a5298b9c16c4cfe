// The basic gates one step at a time, and a scan of a small diagram of inputs, gates, flags and
// outputs on the headless simulation driver.
#include "SimDriver.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockLogic.h"
#include "blocks/BlockLow.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockTypes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A gate whose inputs are wired to hi and lo blocks as the values list says (1 hi, 0 lo,
// -1 left open), stepped once.
int GateAfterOneScan(int nType, std::initializer_list<int> values, int nNegatedPin = -1)
{
    SimDriver sim;
    auto* pHigh = sim.Add(new CBlockHigh(BT_HIGH), NUM_HIGH);
    auto* pLow = sim.Add(new CBlockLow(BT_LOW), NUM_LOW);
    auto* pGate = sim.Add(new CBlockLogic(nType), NUM_FUNCTION_BLOCK);
    int nPin = 0;
    for (int nValue : values) {
        if (nValue >= 0)
            SimDriver::Connect(nValue ? static_cast<CBlockObj*>(pHigh) : pLow, pGate, nPin);
        ++nPin;
    }
    if (nNegatedPin >= 0)
        pGate->m_bPinInvert[nNegatedPin] = 1;
    sim.Start();
    sim.Scan();
    return SimDriver::State(pGate);
}

struct GateCase {
    int nType;
    std::initializer_list<int> values;
    int nExpected;
    int nNegatedPin = -1;
};

// A negated input is read after negation: a negated open input reads 0.
TEST(BlockLogic, GatesWithOpenConnectedAndNegatedInputs)
{
    const GateCase cases[] = {
        {BT_AND, {-1, -1, -1, -1}, 1},  {BT_AND, {1, 1, -1, -1}, 1},  {BT_AND, {1, 0, -1, -1}, 0},
        {BT_NAND, {-1, -1, -1, -1}, 0}, {BT_NAND, {1, 0, -1, -1}, 1}, {BT_OR, {-1, -1, -1, -1}, 0},
        {BT_OR, {0, 1, -1, -1}, 1},     {BT_NOR, {-1, -1, -1, -1}, 1}, {BT_NOR, {0, 1, -1, -1}, 0},
        {BT_XOR, {1, 1}, 0},            {BT_XOR, {1, -1}, 1},          {BT_XOR, {-1, -1}, 0},
        {BT_NOT, {-1}, 0},              {BT_NOT, {0}, 1},              {BT_NOT, {1}, 0},
        {BT_AND, {-1, -1, -1, -1}, 0, 2}, {BT_AND, {1, 0, -1, -1}, 1, 1},
        {BT_OR, {-1, -1, -1, -1}, 1, 3},
    };
    for (const GateCase& c : cases)
        EXPECT_EQ(GateAfterOneScan(c.nType, c.values, c.nNegatedPin), c.nExpected)
            << c.nType << " negated pin " << c.nNegatedPin;
}

TEST(BlockLogic, NandWithoutOutputNegationIsAPlainAnd)
{
    SimDriver sim;
    auto* pGate = sim.Add(new CBlockLogic(BT_NAND), NUM_FUNCTION_BLOCK);
    pGate->m_bPinInvert[BLOCK_FIRST_OUTPUT] = 0;
    sim.Start();
    sim.Scan();
    EXPECT_EQ(SimDriver::State(pGate), 1);
}

// Two inputs into one gate; the states of the gate over a sequence of input pairs.
std::vector<int> EdgeGateRun(int nType, std::initializer_list<std::pair<int, int>> inputs)
{
    SimDriver sim;
    auto* pIn1 = sim.Add(new CBlockIn(BT_IN), NUM_INPUT);
    auto* pIn2 = sim.Add(new CBlockIn(BT_IN), NUM_INPUT + 1);
    auto* pGate = sim.Add(new CBlockLogic(nType), NUM_FUNCTION_BLOCK);
    SimDriver::Connect(pIn1, pGate, 0);
    SimDriver::Connect(pIn2, pGate, 1);
    sim.Start();
    std::vector<int> states;
    for (auto [nIn1, nIn2] : inputs) {
        SimDriver::SetInput(pIn1, nIn1);
        SimDriver::SetInput(pIn2, nIn2);
        sim.Run(25);
        states.push_back(SimDriver::State(pGate));
    }
    return states;
}

// AND(Edge) gives one scan at 1 when an input change makes all inputs 1; NAND(Edge), its
// mirror, when an input change ends "all inputs 1", and 0 in scans without such a change,
// however long the AND stays 0.
TEST(BlockLogic, EdgeGatesPulseForOneScan)
{
    EXPECT_EQ(EdgeGateRun(BT_AND_EDGE, {{0, 0}, {1, 0}, {1, 1}, {1, 1}, {1, 1}, {1, 0}, {1, 1}}),
              (std::vector<int>{0, 0, 1, 0, 0, 0, 1}));
    EXPECT_EQ(EdgeGateRun(BT_NAND_EDGE,
                          {{0, 0}, {0, 0}, {1, 1}, {1, 0}, {1, 0}, {0, 0}, {1, 1}, {0, 0}, {0, 0}}),
              (std::vector<int>{0, 0, 0, 1, 0, 0, 0, 1, 0}));
}

TEST(BlockLogic, EdgeGatesConsumeTheInputChangedFlags)
{
    SimDriver sim;
    auto* pIn = sim.Add(new CBlockIn(BT_IN), NUM_INPUT);
    auto* pGate = sim.Add(new CBlockLogic(BT_NAND_EDGE), NUM_FUNCTION_BLOCK);
    SimDriver::Connect(pIn, pGate, 0);
    sim.Start();
    SimDriver::SetInput(pIn, 1);
    sim.Run(25);
    for (int nPin = 0; nPin < pGate->m_nInputs; ++nPin)
        EXPECT_EQ(pGate->m_bPinChanged[nPin], 0) << nPin;
}

// In a ladder document an edge gate hands each new state to the contacts that name it.
TEST(BlockLogic, EdgeGateUpdatesLadderContactsInALadderDocument)
{
    SimDriver sim(DOC_TYPE_LAD);
    auto* pIn = sim.Add(new CBlockIn(BT_IN), NUM_INPUT);
    auto* pGate = sim.Add(new CBlockLogic(BT_AND_EDGE), NUM_FUNCTION_BLOCK);
    SimDriver::Connect(pIn, pGate, 0);
    auto* pContact = sim.Add(new CBlockMake(BT_MAKE), NUM_MAKE);
    pContact->m_nOperand = NUM_FUNCTION_BLOCK;
    sim.Start();
    SimDriver::SetInput(pIn, 1);
    sim.Run(25);
    EXPECT_EQ(pContact->m_nContactState, 1);
    EXPECT_EQ(pGate->m_bPinChanged[BLOCK_FIRST_OUTPUT], 0) << "the flag is consumed";
    sim.Run(25);
    EXPECT_EQ(pContact->m_nContactState, 0) << "the pulse has ended";
}

// The diagram of the headless scan: inputs I1 and I2 into each gate, each gate into its own
// output Q. NOT reads I1; the four-input gates have pins 2 and 3 open.
class GateDiagram : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_pIn1 = m_sim.Add(new CBlockIn(BT_IN), NUM_INPUT);
        m_pIn2 = m_sim.Add(new CBlockIn(BT_IN), NUM_INPUT + 1);
        const int types[] = {BT_AND, BT_NAND, BT_OR, BT_NOR, BT_XOR, BT_NOT, BT_AND_EDGE,
                             BT_NAND_EDGE};
        int nNumber = NUM_FUNCTION_BLOCK;
        int nOutput = NUM_OUTPUT;
        // Outputs first in the list: the scan order, not the list order, must decide.
        for (int nType : types) {
            auto* pOut = m_sim.Add(new CBlockOut(BT_OUT), nOutput++);
            auto* pGate = m_sim.Add(new CBlockLogic(nType), nNumber++);
            SimDriver::Connect(m_pIn1, pGate, 0);
            if (nType != BT_NOT)
                SimDriver::Connect(m_pIn2, pGate, 1);
            SimDriver::Connect(pGate, pOut, 0);
            m_outputs.push_back(pOut);
        }
        m_sim.Start();
    }

    // Q states after one tick with the inputs set, in the order AND, NAND, OR, NOR, XOR, NOT,
    // AND(Edge), NAND(Edge).
    std::vector<int> Step(int nIn1, int nIn2)
    {
        SimDriver::SetInput(m_pIn1, nIn1);
        SimDriver::SetInput(m_pIn2, nIn2);
        m_sim.Run(25);
        std::vector<int> states;
        for (const CBlockObj* pOut : m_outputs)
            states.push_back(SimDriver::State(pOut));
        return states;
    }

    SimDriver m_sim;
    CBlockIn* m_pIn1 = nullptr;
    CBlockIn* m_pIn2 = nullptr;
    std::vector<CBlockOut*> m_outputs;
};

TEST_F(GateDiagram, EveryGateFollowsItsInputsWithinTheScan)
{
    using V = std::vector<int>;
    EXPECT_EQ(Step(0, 0), (V{0, 1, 0, 1, 0, 1, 0, 0}));
    EXPECT_EQ(Step(1, 0), (V{0, 1, 1, 0, 1, 0, 0, 0}));
    EXPECT_EQ(Step(1, 1), (V{1, 0, 1, 0, 0, 0, 1, 0}));
    EXPECT_EQ(Step(1, 1), (V{1, 0, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(Step(0, 1), (V{0, 1, 1, 0, 1, 1, 0, 1}));
    EXPECT_EQ(Step(0, 1), (V{0, 1, 1, 0, 1, 1, 0, 0}));
}

TEST_F(GateDiagram, ANegatedPinInvertsOnlyThatInput)
{
    auto* pAnd = m_sim.Doc().FindBlockByNumber(NUM_FUNCTION_BLOCK);
    ASSERT_NE(pAnd, nullptr);
    pAnd->m_bPinInvert[1] = 1;
    EXPECT_EQ(Step(1, 0)[0], 1);
    EXPECT_EQ(Step(1, 1)[0], 0);
}

// A self-holding circuit: Q1 = (I1 OR M1) AND NOT I2, with M1 taking Q1's gate. The flag is
// scanned after the gates, so the OR sees it one scan later: the loop holds the state.
TEST(BlockLogic, FeedbackThroughAFlagHoldsTheState)
{
    SimDriver sim;
    auto* pSet = sim.Add(new CBlockIn(BT_IN), NUM_INPUT);
    auto* pReset = sim.Add(new CBlockIn(BT_IN), NUM_INPUT + 1);
    auto* pOr = sim.Add(new CBlockLogic(BT_OR), NUM_FUNCTION_BLOCK);
    auto* pAnd = sim.Add(new CBlockLogic(BT_AND), NUM_FUNCTION_BLOCK + 1);
    auto* pFlag = sim.Add(new CBlockFlag(BT_FLAG), NUM_FLAG);
    auto* pOut = sim.Add(new CBlockOut(BT_OUT), NUM_OUTPUT);
    SimDriver::Connect(pSet, pOr, 0);
    SimDriver::Connect(pFlag, pOr, 1);
    SimDriver::Connect(pOr, pAnd, 0);
    SimDriver::Connect(pReset, pAnd, 1);
    pAnd->m_bPinInvert[1] = 1;
    SimDriver::Connect(pAnd, pFlag, 0);
    SimDriver::Connect(pAnd, pOut, 0);
    sim.Start();

    sim.Run(50);
    EXPECT_EQ(SimDriver::State(pOut), 0);
    SimDriver::SetInput(pSet, 1);
    sim.Run(25);
    EXPECT_EQ(SimDriver::State(pOut), 1);
    EXPECT_EQ(SimDriver::State(pFlag), 1);
    SimDriver::SetInput(pSet, 0);
    sim.Run(100);
    EXPECT_EQ(SimDriver::State(pOut), 1) << "held through the flag";
    SimDriver::SetInput(pReset, 1);
    sim.Run(25);
    EXPECT_EQ(SimDriver::State(pOut), 0);
    SimDriver::SetInput(pReset, 0);
    sim.Run(100);
    EXPECT_EQ(SimDriver::State(pOut), 0) << "the loop stays released";
}

} // namespace
