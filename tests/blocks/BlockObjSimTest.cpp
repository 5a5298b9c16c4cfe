#include "BlockObjTest.h"

#include "blocks/BlockConnector.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockLogic.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimTime.h"

#include <gtest/gtest.h>

namespace {

TEST(BlockObjSim, OpenInputsReadAsTheGateNeutralValue)
{
    struct Case {
        int nType, nOpen;
    } cases[] = {
        {BT_AND, 1}, {BT_AND_EDGE, 1}, {BT_NAND, 1}, {BT_NAND_EDGE, 1}, {BT_NOT, 1},
        {BT_OR, 0},  {BT_NOR, 0},      {BT_XOR, 0},  {BT_DPR, 0},       {BT_COUNTER, 0},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CBlockObj> pBlock(CreateBlockForType(c.nType, nullptr, nullptr));
        CBlockObj& block = *pBlock;
        block.SetInputValue(0, LINK_OPEN);
        EXPECT_EQ(block.m_nPinValue[0], c.nOpen) << c.nType;
        block.m_bPinInvert[1] = 1;
        block.SetInputValue(1, LINK_OPEN);
        EXPECT_EQ(block.m_nPinValue[1], c.nOpen ^ 1) << "negated open input of " << c.nType;
        block.SetInputValue(1, 1);
        EXPECT_EQ(block.m_nPinValue[1], 0);
    }
    CBlockObj block(BT_AND, 4);
    block.SetInputValue(-1, 1);  // ignored, not written outside the pins
    block.SetInputValue(20, 1);
}

TEST(BlockObjSim, ReadInputsWalksTheDigitalPinsAndFlagsChanges)
{
    TestDocument active;
    CBlockObj* pSource = active.Add(new CBlockObj(BT_IN, 0), 100);
    CBlockObj* pGate = active.Add(new CBlockLogic(BT_AND), 9000);
    pGate->m_nPinSource[0] = 100;
    pGate->m_nPinSource[1] = 4000;  // names no block: reads as open
    pGate->m_nPinKind[2] = PINKIND_ANALOG;  // the walk stops here
    pGate->m_nPinSource[2] = 100;
    pGate->m_nPinValue[2] = 7;

    pSource->m_nPinValue[10] = 1;
    pGate->ReadInputs(&active.Sim());
    EXPECT_EQ(pGate->m_nPinValue[0], 1);
    EXPECT_EQ(pGate->m_bPinChanged[0], 1);
    EXPECT_EQ(pGate->m_nPinValue[1], 1);
    EXPECT_EQ(pGate->m_bPinChanged[1], 1);
    EXPECT_EQ(pGate->m_nPinValue[2], 7) << "analog pin not read";

    pGate->ReadInputs(&active.Sim());
    EXPECT_EQ(pGate->m_bPinChanged[0], 0) << "no change in the second scan";

    pSource->m_nPinValue[10] = 0;
    pGate->m_bPinInvert[0] = 1;
    pGate->ReadInputs(&active.Sim());
    EXPECT_EQ(pGate->m_nPinValue[0], 1) << "0 negated";
    EXPECT_EQ(pGate->m_bPinChanged[0], 0);
}

TEST(BlockObjSim, EvalLogicAppliesOneCombination)
{
    CBlockObj gate(BT_AND, 4);
    const int values[4] = {1, 0, 1, 1};
    for (int i = 0; i < 4; ++i)
        gate.m_nPinValue[i] = values[i];
    struct Case {
        unsigned nMode;
        int nPreset, nResult;
    } cases[] = {
        {0x1, 1, 0}, {0x3, 1, 0}, {0x7, 1, 0},  // AND wins over the other bits
        {0x2, 0, 1}, {0x6, 0, 1}, {0x4, 0, 1},  // XOR of 1, 0, 1, 1
        {0x0, 5, 5}, {0x8, 0, 0},               // no combination
    };
    for (const Case& c : cases) {
        int nResult = c.nPreset;
        EXPECT_EQ(gate.EvalLogic(&nResult, c.nMode), c.nResult) << c.nMode;
    }
}

TEST(BlockObjSim, EvalLogicStopsAtAParameterPinAndNegatesOnlyTheReturn)
{
    CBlockObj gate(BT_AND, 4);
    gate.m_nPinValue[0] = 1;
    gate.m_nPinValue[1] = 1;
    gate.m_nPinValue[2] = 0;
    gate.m_nPinSource[2] = LINK_PARAM;
    int nResult = 1;
    EXPECT_EQ(gate.EvalLogic(&nResult, 0x1), 1) << "pins 0 and 1 only";

    gate.m_bPinInvert[10] = 1;
    nResult = 1;
    EXPECT_EQ(gate.EvalLogic(&nResult, 0x1), 0);
    EXPECT_EQ(nResult, 1) << "the accumulator itself is not negated";
}

class RunningTime : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_active.Sim().nRunState = SIM_RUN_RUNNING;
        m_start = SYSTEMTIME{2021, 12, 5, 31, 23, 59, 59, 0};
        m_block.m_stStart = m_start;
        m_block.m_stStart2 = m_start;
        SetClockMs(0);
    }
    void SetClockMs(int nMs)
    {
        SYSTEMTIME st = {};
        AddMsToSystemTime(&m_start, nMs, &st);
        m_active.SetClock(st);
    }

    TestDocument m_active;
    SYSTEMTIME m_start{};
    CBlockObj m_block{BT_DPR, 2};
};

TEST_F(RunningTime, IsTimeElapsedMeasuresAgainstTheViewsClock)
{
    CSimContext& sim = m_active.Sim();
    m_block.m_bRestartStamp = 1;
    SetClockMs(2999);
    EXPECT_FALSE(m_block.IsTimeElapsed(&sim, 3000.0));
    EXPECT_EQ(m_block.m_dRunTime, 2999.0);
    EXPECT_EQ(m_block.m_bRestartStamp, 0) << "a running clock takes over the stamp";
    SetClockMs(3000);  // across the year end
    EXPECT_TRUE(m_block.IsTimeElapsed(&sim, 3000.0));
}

TEST_F(RunningTime, IsTimeElapsedWhilePausedKeepsTheLastRunningTime)
{
    CSimContext& sim = m_active.Sim();
    SetClockMs(1000);
    m_block.IsTimeElapsed(&sim, 5000.0);
    m_block.m_stPause = sim.stScan;
    SetClockMs(9000);
    EXPECT_FALSE(m_block.IsTimeElapsed(&sim, 5000.0));
    EXPECT_EQ(m_block.m_dRunTime, 1000.0);
    EXPECT_TRUE(m_block.IsTimeElapsed(&sim, 1000.0));
}

TEST_F(RunningTime, RestartFlagStaysWhileSteppingByCyclesOrSuspended)
{
    CSimContext& sim = m_active.Sim();
    struct Case {
        int nRun, nStep, nUnit, nFlagAfter;
    } cases[] = {
        {SIM_RUN_RUNNING, SIM_STEP_NONE, 0, 0},
        {SIM_RUN_RUNNING, SIM_STEP_STEPPING, 0, 1},
        {SIM_RUN_SUSPENDED, SIM_STEP_STEPPING, 1, 0},
        {SIM_RUN_SUSPENDED, SIM_STEP_NONE, 1, 1},
        {SIM_RUN_STOPPED, SIM_STEP_NONE, 0, 1},
    };
    for (const Case& c : cases) {
        sim.nRunState = c.nRun;
        sim.nStepState = c.nStep;
        sim.nStepUnit = c.nUnit;
        m_block.m_bRestartStamp = 1;
        m_block.IsTimeElapsed(&sim, 0.0);
        EXPECT_EQ(m_block.m_bRestartStamp, c.nFlagAfter) << c.nRun << c.nStep << c.nUnit;
    }
}

TEST_F(RunningTime, IsTimeElapsedIntIsTrueUntilTheLimitIsPassed)
{
    CSimContext& sim = m_active.Sim();
    m_block.m_bRestartStamp2 = 1;
    SetClockMs(500);
    EXPECT_TRUE(m_block.IsTimeElapsedInt(&sim, 500));
    EXPECT_EQ(m_block.m_bRestartStamp2, 0);
    SetClockMs(501);
    EXPECT_FALSE(m_block.IsTimeElapsedInt(&sim, 500));
    m_block.m_stPause = sim.stScan;
    EXPECT_TRUE(m_block.IsTimeElapsedInt(&sim, 0)) << "paused: no time has elapsed";
    EXPECT_FALSE(m_block.IsTimeElapsedInt(&sim, -1));
}

// Chains of plain blocks wired through their first inputs.
class LoopTrace : public ::testing::Test {
protected:
    CBlockObj* Block(int nNumber, int nSource)
    {
        CBlockObj* pBlock = m_active.Add(new CBlockObj(BT_AND, 2), nNumber);
        pBlock->m_nPinSource[0] = nSource;
        pBlock->m_nFirstInput = 0;
        return pBlock;
    }
    bool Traces(CBlockObj* pStarter)
    {
        pStarter->m_bLoopFound = 0;
        pStarter->m_pTraceTarget = pStarter;
        int nDepth = 0;
        pStarter->TraceLoop(&m_active.Sim(), pStarter, pStarter->m_nFirstInput, &nDepth);
        return pStarter->m_bLoopFound != 0;
    }

    TestDocument m_active;
};

TEST_F(LoopTrace, FindsAFeedbackPathBackToTheStarter)
{
    CBlockObj* pA = Block(9000, 9002);
    Block(9001, 9000);
    Block(9002, 9001);
    EXPECT_TRUE(Traces(pA));
}

TEST_F(LoopTrace, FollowsFurtherInputsOfTheBlocksOnThePath)
{
    CBlockObj* pA = Block(9000, 9001);
    CBlockObj* pB = Block(9001, 100);  // first input from an input block
    m_active.Add(new CBlockObj(BT_IN, 0), 100);
    pB->m_nPinSource[1] = 9000;  // the loop closes through pin 1
    EXPECT_TRUE(Traces(pA));
    pB->m_nPinSource[1] = LINK_PARAM;  // parameter pins are not followed
    EXPECT_FALSE(Traces(pA));
}

// The walk crosses from a female connector to what feeds its male partner.
TEST_F(LoopTrace, CrossesACutWire)
{
    CBlockObj* pA = Block(9000, 7000);
    auto* pMale = m_active.Add(new CBlockMale(BT_MALE), 5000);
    m_active.Add(new CBlockFemale(BT_FEMALE), 7000);
    pMale->m_nPinSource[0] = 9000;
    pMale->m_nFirstInput = 0;
    EXPECT_TRUE(Traces(pA));
}

TEST_F(LoopTrace, EndsAtMissingSourcesAndUnconnectedBlocks)
{
    CBlockObj* pA = Block(9000, 9001);
    CBlockObj* pB = Block(9001, 9555);  // names no block
    EXPECT_FALSE(Traces(pA));
    pB->m_nPinSource[0] = 9000;
    pB->m_nFirstInput = -1;  // nothing connected: the walk does not enter it
    EXPECT_FALSE(Traces(pA));
    pA->m_nFirstInput = -1;
    EXPECT_FALSE(Traces(pA));
}

TEST_F(LoopTrace, ACycleThatAvoidsTheStarterEndsWithinTheBlockCount)
{
    CBlockObj* pA = Block(9000, 9001);
    Block(9001, 9002);
    Block(9002, 9001);  // 9001 and 9002 feed each other
    EXPECT_FALSE(Traces(pA));
}

}  // namespace
