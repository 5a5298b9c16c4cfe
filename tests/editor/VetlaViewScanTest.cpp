// The simulation scan as the paint runs it, driven by a hand-advanced clock: a sample diagram
// operated by clicks on its input blocks, the stamps moved across a pause and a clock jump,
// and the colours of blocks and wires.
#include "support/ActiveDocument.h"

#include "blocks/BlockCounter.h"
#include "blocks/BlockDelay.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLogic.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/SimTime.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cstdint>

namespace {

constexpr int kTrg = 0;
constexpr int kCount = 1;

// A running simulation of the active document; each tick advances the clock and paints once.
class ScanTest : public ::testing::Test {
protected:
    ScanTest()
    {
        const SYSTEMTIME stStart = {2024, 3, 1, 4, 8, 0, 0, 0};
        Frame().SetSimTime(&stStart);
        Frame().m_bClockSet = 0;
    }

    CVetlaDoc& Doc() { return m_active.Doc(); }
    CVetlaView& View() { return m_active.View(); }
    CChildFrame& Frame() { return m_active.Frame(); }

    template <class T>
    T* Place(T* pBlock, int nNumber, int nColumn, int nRow)
    {
        pBlock->m_nNumber = nNumber;
        pBlock->m_ptPos = CPoint(60 + 120 * nColumn, 40 + 80 * nRow);
        pBlock->m_nWidth = 25;
        pBlock->m_nHeight = 36;
        return m_active.Add(pBlock);
    }

    // A wire whose route runs along its own row below the blocks, so that its strokes can be
    // told from theirs.
    CConnectLineObj* Wire(const CBlockObj* pFrom, int nFromPin, const CBlockObj* pTo, int nToPin, int y)
    {
        auto* pLine = new CConnectLineObj;
        pLine->m_arrVertices.Add(CPoint(10, y));
        pLine->m_arrVertices.Add(CPoint(50, y));
        pLine->m_nStartBlock = pFrom->m_nNumber;
        pLine->m_nStartPin = nFromPin;
        pLine->m_nEndBlock = pTo->m_nNumber;
        pLine->m_nEndPin = nToPin;
        Doc().m_lineList.AddTail(pLine);
        return pLine;
    }

    static void Connect(const CBlockObj* pSource, CBlockObj* pDest, int nPin)
    {
        pDest->m_nPinSource[nPin] = pSource->m_nNumber;
    }

    void Paint()
    {
        m_surface.Clear();
        View().OnDraw(&m_dc);
    }

    SYSTEMTIME Now()
    {
        SYSTEMTIME st = {};
        Frame().GetSimTime(&st);
        return st;
    }

    std::int64_t ElapsedMs()
    {
        const SYSTEMTIME stNow = Now();
        return SystemTimeToMs(&stNow) - SystemTimeToMs(&m_stRunStart);
    }

    void Start()
    {
        View().OnSimulation();
        m_stRunStart = Now();
        Paint();
    }

    void RunTo(std::int64_t nMs)
    {
        while (ElapsedMs() < nMs) {
            Frame().AdvanceSimTime();
            Paint();
        }
    }

    // A click on the block as the mouse handlers deliver it: press and release.
    void Click(const CBlockObj* pBlock)
    {
        const CPoint pt = pBlock->m_ptPos + CPoint(5, 5);
        View().PressSimulatedInput(pt);
        View().ReleaseSimulatedInput(pt);
        Paint();
    }

    static int State(const CBlockObj* pBlock) { return pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT]; }

    // The pen colour of the last paint's stroke along the row y; CLR_INVALID when none.
    COLORREF StrokeColourAt(int y) const
    {
        for (const auto& record : m_surface.Records()) {
            if (record.kind == RecordingSurface::Kind::Polyline && !record.points.empty() &&
                record.points.front().y == y)
                return record.state.pen.crColour;
        }
        return CLR_INVALID;
    }

    ActiveDocument m_active;
    RecordingSurface m_surface;
    CDC m_dc{m_surface};
    SYSTEMTIME m_stRunStart = {};
};

std::int64_t MsBetween(const SYSTEMTIME& a, const SYSTEMTIME& b) { return SystemTimeToMs(&b) - SystemTimeToMs(&a); }

// I1 AND I2 start a 2 s on-delay into Q1; three rising edges of I3 reach the counter's ON
// threshold of 3 into Q2.
TEST_F(ScanTest, SampleDiagramGivesItsOutputsAtTheirTimes)
{
    auto* pI1 = Place(new CBlockIn(BT_IN), NUM_INPUT, 0, 0);
    auto* pI2 = Place(new CBlockIn(BT_IN), NUM_INPUT + 1, 0, 1);
    auto* pI3 = Place(new CBlockIn(BT_IN), NUM_INPUT + 2, 0, 2);
    auto* pQ1 = Place(new CBlockOut(BT_OUT), NUM_OUTPUT, 3, 0);
    auto* pQ2 = Place(new CBlockOut(BT_OUT), NUM_OUTPUT + 1, 3, 2);
    auto* pAnd = Place(new CBlockLogic(BT_AND), NUM_FUNCTION_BLOCK, 1, 0);
    auto* pTimer = Place(new CBlockDPR(BT_DPR), NUM_FUNCTION_BLOCK + 1, 2, 0);
    auto* pCounter = Place(new CBlockCOUNTER(BT_COUNTER), NUM_FUNCTION_BLOCK + 2, 2, 2);
    Connect(pI1, pAnd, 0);
    Connect(pI2, pAnd, 1);
    Connect(pAnd, pTimer, kTrg);
    Connect(pTimer, pQ1, 0);
    Connect(pI3, pCounter, kCount);
    Connect(pCounter, pQ2, 0);
    pTimer->m_nParam[TIMER_ON_BASE_PARAM] = 1;  // minutes:seconds
    pTimer->m_nParam[TIMER_ON_LOW_PARAM] = 2;   // 00:02
    pCounter->m_nParam[COUNTER_ON_PARAM] = 3;
    pCounter->m_nParamEx[COUNTER_OFF_PARAMEX] = 3;
    Wire(pAnd, BLOCK_FIRST_OUTPUT, pTimer, kTrg, 700);
    Wire(pQ1, 0, pTimer, BLOCK_FIRST_OUTPUT, 720);  // drawn from the input end

    Start();
    EXPECT_EQ(Doc().m_blockList.GetHead(), pI1) << "inputs first";
    RunTo(100);
    Click(pI1);
    EXPECT_EQ(State(pAnd), 0);
    Click(pI2);
    EXPECT_EQ(State(pAnd), 1);
    EXPECT_EQ(StrokeColourAt(700), SIM_COLOUR_ON);
    EXPECT_EQ(StrokeColourAt(720), SIM_COLOUR_OFF) << "the timer has not switched";
    const std::int64_t nTriggered = ElapsedMs();
    RunTo(nTriggered + 1975);
    EXPECT_EQ(State(pQ1), 0) << "not before 2 s";
    RunTo(nTriggered + 2050);
    EXPECT_EQ(State(pQ1), 1);
    EXPECT_EQ(StrokeColourAt(720), SIM_COLOUR_ON) << "coloured by the source at the far end";

    for (int i = 0; i < 5; ++i) {
        Click(pI3);
        RunTo(ElapsedMs() + 50);
    }
    EXPECT_EQ(State(pI3), 1);
    EXPECT_EQ(pCounter->m_dRunTime, 3.0);
    EXPECT_EQ(State(pQ2), 1);

    Click(pI1);
    EXPECT_EQ(State(pQ1), 0) << "the trigger fell";
}

TEST_F(ScanTest, ClicksToggleInputsOnlyWhileRunningFreely)
{
    auto* pSwitch = Place(new CBlockIn(BT_IN), NUM_INPUT, 0, 0);
    auto* pMake = Place(new CBlockIn(BT_IN), NUM_INPUT + 1, 0, 1);
    auto* pBreak = Place(new CBlockIn(BT_IN), NUM_INPUT + 2, 0, 2);
    pMake->m_nParamEx[INPUT_SIM_MODE_PARAMEX] = SIM_INPUT_PUSH_MAKE;
    pBreak->m_nParamEx[INPUT_SIM_MODE_PARAMEX] = SIM_INPUT_PUSH_BREAK;
    Start();
    EXPECT_EQ(State(pBreak), 1) << "a momentary-break input is ON until pressed";

    const CPoint ptMake = pMake->m_ptPos + CPoint(5, 5);
    View().PressSimulatedInput(ptMake);
    EXPECT_EQ(State(pMake), 1);
    EXPECT_EQ(pMake->m_bPinChanged[BLOCK_FIRST_OUTPUT], 1) << "the Inputs bar hears of it";
    View().ReleaseSimulatedInput(ptMake);
    EXPECT_EQ(State(pMake), 0);

    for (int nRunState : {SIM_RUN_STOPPED, SIM_RUN_SUSPENDED}) {
        Frame().m_nSimRunState = nRunState;
        Click(pSwitch);
        EXPECT_EQ(State(pSwitch), 0) << "run state " << nRunState;
    }
    Frame().m_nSimRunState = SIM_RUN_RUNNING;
    Frame().m_nSimStepState = SIM_STEP_STEPPING;
    Click(pSwitch);
    EXPECT_EQ(State(pSwitch), 0) << "stepping";
    Frame().m_nSimStepState = SIM_STEP_NONE;
    Click(pSwitch);
    EXPECT_EQ(State(pSwitch), 1);
    Click(pSwitch);
    EXPECT_EQ(State(pSwitch), 0);
    EXPECT_FALSE(View().PressSimulatedInput(CPoint(5000, 5000))) << "no block there";
}

// A pause and a clock jump move the stamps of function blocks by their length, so that a
// timer's remaining time is kept; a jump of more than 24.8 days must not wrap.
TEST_F(ScanTest, PauseAndClockJumpMoveTheStampsOfFunctionBlocks)
{
    auto* pInput = Place(new CBlockIn(BT_IN), NUM_INPUT, 0, 0);
    auto* pTimer = Place(new CBlockDPR(BT_DPR), NUM_FUNCTION_BLOCK, 1, 0);
    Connect(pInput, pTimer, kTrg);
    pTimer->m_nParam[TIMER_ON_BASE_PARAM] = 1;
    pTimer->m_nParam[TIMER_ON_LOW_PARAM] = 20;
    Start();
    Click(pInput);
    RunTo(1000);
    const SYSTEMTIME stBefore = pTimer->m_stStart;
    const double dRunBefore = pTimer->m_dRunTime;

    Frame().m_nSimRunState = SIM_RUN_SUSPENDED;
    Paint();
    EXPECT_EQ(MsBetween(pTimer->m_stPause, Now()), 0) << "the pause starts at the first suspended scan";
    RunTo(11000);
    Frame().m_nSimRunState = SIM_RUN_RUNNING;
    Paint();
    EXPECT_EQ(MsBetween(stBefore, pTimer->m_stStart), 10000);
    EXPECT_FALSE(pTimer->IsPaused());
    EXPECT_NEAR(pTimer->m_dRunTime, dRunBefore, 25.0) << "the remaining time is kept";

    const SYSTEMTIME stInputBefore = pInput->m_stStart;
    const SYSTEMTIME stTimerBefore = pTimer->m_stStart;
    SYSTEMTIME stJump = {};
    const std::int64_t nJump = std::int64_t(40) * 24 * 3600 * 1000;
    SYSTEMTIME stNow = Now();
    AddMsToSystemTime(&stNow, int(nJump / 2), &stJump);
    AddMsToSystemTime(&stJump, int(nJump / 2), &stJump);
    Frame().SetSimTime(&stJump);
    Paint();
    EXPECT_EQ(MsBetween(stTimerBefore, pTimer->m_stStart), nJump);
    EXPECT_EQ(MsBetween(stInputBefore, pInput->m_stStart), 0) << "only function blocks move";
    EXPECT_EQ(Frame().m_bClockSet, 0) << "one scan shifts";
    Paint();
    EXPECT_EQ(MsBetween(stTimerBefore, pTimer->m_stStart), nJump);
    EXPECT_EQ(State(pTimer), 0) << "20 s have not passed on the timer";
}

// A block far outside the painted area steps all the same; only its drawing is left out.
TEST_F(ScanTest, BlocksOutsideThePaintStillStep)
{
    auto* pInput = Place(new CBlockIn(BT_IN), NUM_INPUT, 0, 0);
    auto* pFar = Place(new CBlockOut(BT_OUT), NUM_OUTPUT, 0, 0);
    pFar->m_ptPos = CPoint(7000, 7000);
    Connect(pInput, pFar, 0);
    Start();
    Click(pInput);
    EXPECT_EQ(State(pFar), 1);
    for (const auto& record : m_surface.Records()) {
        for (const POINT& pt : record.points)
            EXPECT_LT(pt.x, 10000) << "nothing of the far block reaches the surface";
    }
}

TEST_F(ScanTest, StoppedSimulationDrawsBlackAndStampsTheClock)
{
    auto* pTimer = Place(new CBlockDPR(BT_DPR), NUM_FUNCTION_BLOCK, 1, 0);
    auto* pInput = Place(new CBlockIn(BT_IN), NUM_INPUT, 0, 0);
    Wire(pInput, BLOCK_FIRST_OUTPUT, pTimer, kTrg, 700);
    Start();
    EXPECT_EQ(StrokeColourAt(700), SIM_COLOUR_OFF);
    Frame().m_nSimRunState = SIM_RUN_STOPPED;
    RunTo(500);
    EXPECT_EQ(MsBetween(pTimer->m_stStart, Now()), 0);
    EXPECT_EQ(StrokeColourAt(700), RGB(0, 0, 0));
    View().OnSimulation();
    Paint();
    EXPECT_EQ(StrokeColourAt(700), View().GetWireColour()) << "editing colour after the simulation";
}

} // namespace
