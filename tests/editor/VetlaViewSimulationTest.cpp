// Entering and leaving simulation mode: the order of the block list, the start state of the
// blocks, what leaving clears, and which view may simulate.
#include "support/ActiveDocument.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockConnector.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockDelay.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockTypes.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "platform/core/CmdTarget.h"
#include "platform/ui/FrameIds.h"
#include "shell/Resource.h"

#include <gtest/gtest.h>

#include <cstring>
#include <vector>

namespace {

std::vector<int> Numbers(const CObList& list)
{
    std::vector<int> numbers;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        numbers.push_back(static_cast<const CBlockObj*>(list.GetNext(pos))->m_nNumber);
    return numbers;
}

CCmdUI SimulationUpdate(CVetlaView& view)
{
    CCmdUI cmdUI;
    cmdUI.m_nID = ID_TOOLS_SIMULATION;
    cmdUI.DoUpdate(&view, FALSE);
    return cmdUI;
}

class SimulationMode : public ::testing::Test {
protected:

    template <class T>
    void AddOfClass(int nType, int nNumber)
    {
        m_active.Add(new T(nType))->m_nNumber = nNumber;
    }

    ActiveDocument m_active;
};

TEST_F(SimulationMode, OrderPutsInputsByNumberFirstForTheRunAlone)
{
    m_active.Add(BT_DATALOG, NUM_DATALOG);
    m_active.Add(BT_OUT, NUM_OUTPUT);
    AddOfClass<CBlockFemale>(BT_FEMALE, NUM_FEMALE);
    m_active.Add(BT_AND, NUM_FUNCTION_BLOCK + 1);
    m_active.Add(BT_IN, NUM_INPUT + 2);
    m_active.Add(BT_OPENX, NUM_OPENX);
    m_active.Add(999, 12345);  // a kind that fits no group of the order
    m_active.Add(BT_ANALOG_FLAG, NUM_ANALOG_FLAG);
    AddOfClass<CBlockMale>(BT_MALE, NUM_MALE);
    m_active.Add(BT_FLAG, NUM_FLAG);
    m_active.Add(BT_OR, NUM_FUNCTION_BLOCK);
    m_active.Add(BT_HIGH, NUM_HIGH);
    m_active.Add(BT_ANALOG_OUT, NUM_ANALOG_OUT);
    m_active.Add(BT_IN, NUM_INPUT);
    m_active.Add(BT_ANALOG_IN, NUM_ANALOG_IN);
    const std::vector<int> drawn = Numbers(m_active.Doc().m_blockList);

    m_active.View().OnSimulation();
    EXPECT_EQ(Numbers(m_active.Doc().m_blockList),
              (std::vector<int>{NUM_INPUT, NUM_INPUT + 2, NUM_HIGH, NUM_ANALOG_IN, NUM_FUNCTION_BLOCK + 1,
                                NUM_FUNCTION_BLOCK, NUM_OUTPUT, NUM_FLAG, NUM_ANALOG_OUT, NUM_ANALOG_FLAG, NUM_OPENX,
                                NUM_MALE, NUM_FEMALE, NUM_DATALOG, 12345}));
    m_active.View().OnSimulation();
    EXPECT_EQ(Numbers(m_active.Doc().m_blockList), drawn) << "the run leaves the file's order";
}

TEST_F(SimulationMode, EnteringResetsEveryBlockToItsStartState)
{
    CBlockObj* pSwitch = m_active.Add(BT_IN, NUM_INPUT);
    CBlockObj* pBreak = m_active.Add(BT_IN, NUM_INPUT + 1);
    CBlockObj* pFrequency = m_active.Add(BT_IN, NUM_INPUT + 2);
    CBlockObj* pHigh = m_active.Add(BT_HIGH, NUM_HIGH);
    CBlockObj* pAnalogOut = m_active.Add(BT_ANALOG_OUT, NUM_ANALOG_OUT);
    CBlockObj* pAnalogIn = m_active.Add(BT_ANALOG_IN, NUM_ANALOG_IN);
    auto* pTimer = static_cast<CBlockTime*>(m_active.Add(BT_DPR, NUM_FUNCTION_BLOCK));
    CBlockObj* pCounter = m_active.Add(BT_COUNTER, NUM_FUNCTION_BLOCK + 1);
    CBlockObj* pOut = m_active.Add(BT_OUT, NUM_OUTPUT);
    pBreak->m_nParamEx[INPUT_SIM_MODE_PARAMEX] = SIM_INPUT_PUSH_BREAK;
    pFrequency->m_nParamEx[INPUT_SIM_MODE_PARAMEX] = SIM_INPUT_FREQUENCY;
    pFrequency->m_nAux[INPUT_SIM_START_AUX] = 40;
    pFrequency->m_nAux[INPUT_SIM_VALUE_AUX] = 7;
    pAnalogOut->m_nHeldValue = 123;
    pAnalogIn->m_nParamEx[INPUT_SIM_AUTO_RANGE_PARAMEX] = 0;
    pAnalogIn->m_nAux[BLOCK_VALUE_MIN_AUX] = -1000;
    pAnalogIn->m_nAux[INPUT_SIM_VALUE_AUX] = 250;
    pTimer->m_dRunTime = 900.0;
    pTimer->m_dCarried = 300.0;
    pTimer->m_bTiming = 1;
    pTimer->m_nPinSource[1] = NUM_INPUT;
    pCounter->m_nParam[COUNTER_START_PARAM] = 5;
    pOut->m_dRunTime = 42.0;
    m_active.View().OnSimulation();
    SYSTEMTIME stNow = {};
    m_active.Frame().GetSimTime(&stNow);
    EXPECT_EQ(m_active.View().EditMode(), EDIT_MODE_SIMULATE);
    EXPECT_EQ(m_active.Doc().m_bSimulating, 1);
    EXPECT_EQ(g_pSimulatingView, &m_active.View());
    EXPECT_EQ(pSwitch->m_nPinValue[BLOCK_FIRST_OUTPUT], 0);
    EXPECT_EQ(pBreak->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);
    EXPECT_EQ(pFrequency->m_nAux[INPUT_SIM_VALUE_AUX], 40) << "the default value";
    EXPECT_EQ(pHigh->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);
    EXPECT_EQ(pAnalogOut->m_nHeldValue, 0);
    EXPECT_EQ(pAnalogIn->m_nAux[INPUT_SIM_VALUE_AUX], 0) << "the default value";
    EXPECT_EQ(pAnalogIn->m_nHeldValue, 500) << "the blocks fed take the value shown from the start";
    EXPECT_EQ(pTimer->m_dRunTime, 0.0);
    EXPECT_EQ(pTimer->m_dCarried, 0.0);
    EXPECT_EQ(pTimer->m_bTiming, 0);
    EXPECT_EQ(pTimer->m_nFirstInput, 1);
    EXPECT_EQ(std::memcmp(&pTimer->m_stStart, &stNow, sizeof stNow), 0);
    EXPECT_EQ(pCounter->m_dRunTime, 5.0) << "a counter starts at its start value";
    EXPECT_EQ(pOut->m_dRunTime, 0.0);
}

TEST_F(SimulationMode, LeavingClearsThePinsAndTheSimulatingView)
{
    CBlockObj* pInput = m_active.Add(BT_IN, NUM_INPUT);
    CBlockObj* pOut = m_active.Add(BT_OUT, NUM_OUTPUT);
    pOut->m_nPinSource[0] = NUM_INPUT;
    m_active.View().OnSimulation();
    pInput->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    pOut->m_nPinValue[0] = 1;
    pOut->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    pOut->m_bRestartStamp = 1;

    m_active.View().OnSimulation();
    EXPECT_EQ(m_active.View().EditMode(), EDIT_MODE_SELECT);
    EXPECT_EQ(m_active.Doc().m_bSimulating, 0);
    EXPECT_EQ(g_pSimulatingView, nullptr);
    EXPECT_EQ(pInput->m_nPinValue[BLOCK_FIRST_OUTPUT], 0);
    EXPECT_EQ(pOut->m_nPinValue[0], 0);
    EXPECT_EQ(pOut->m_nPinValue[BLOCK_FIRST_OUTPUT], 0);
    EXPECT_EQ(pOut->m_nFirstInput, -1);
    EXPECT_EQ(pOut->m_bRestartStamp, 0);
}

// The simulation's clicks never finish a wire begun before it, and nothing stays selected.
TEST_F(SimulationMode, EnteringAbandonsAWireInProgressAndTheSelection)
{
    CVetlaView& view = m_active.View();
    CBlockObj* pInput = m_active.Add(BT_IN, NUM_INPUT);
    pInput->m_ptPos = CPoint(100, 100);
    m_active.Add(BT_OUT, NUM_OUTPUT)->m_ptPos = CPoint(300, 100);
    view.OnConnect();
    view.Selection().Add(pInput);
    ASSERT_EQ(pInput->m_bSelected, 1);
    CRect pin;
    pInput->GetPinRect(&pin, BLOCK_FIRST_OUTPUT, 5);
    view.WireTool().ClickAt(pin.CenterPoint().x, pin.CenterPoint().y);
    ASSERT_EQ(view.WireTool().IsDrawing(), TRUE) << "a wire is being drawn";

    view.OnSimulation();
    EXPECT_EQ(view.WireTool().IsDrawing(), FALSE);
    EXPECT_EQ(view.EditMode(), EDIT_MODE_SIMULATE);
    EXPECT_TRUE(view.Selection().Blocks().IsEmpty());
    EXPECT_TRUE(view.Selection().Lines().IsEmpty());
    EXPECT_EQ(pInput->m_bSelected, 0);
    EXPECT_EQ(m_active.Doc().m_lineList.GetCount(), 0) << "the wire was not finished";
    view.OnSimulation();
}

// A run in progress is never entered a second time, which would start its blocks over; with the
// view's mode taken back to select under it, the Simulation command ends the run.
TEST_F(SimulationMode, ARunningRunIsNotEnteredAgain)
{
    auto* pTimer = static_cast<CBlockTime*>(m_active.Add(BT_DPR, NUM_FUNCTION_BLOCK));
    CVetlaView& view = m_active.View();
    view.OnSimulation();
    pTimer->m_dRunTime = 900.0;
    view.Simulation().Enter();
    EXPECT_EQ(pTimer->m_dRunTime, 900.0);

    view.ResetEditMode();
    view.OnSimulation();
    EXPECT_EQ(view.EditMode(), EDIT_MODE_SELECT);
    EXPECT_EQ(m_active.Doc().m_bSimulating, 0);
    EXPECT_EQ(g_pSimulatingView, nullptr);
}

TEST_F(SimulationMode, OnlyOneViewWithContentMaySimulate)
{
    EXPECT_FALSE(SimulationUpdate(m_active.View()).m_bEnabled) << "nothing to simulate";
    m_active.Doc().m_commentList.AddTail(new CBlockComment);
    EXPECT_TRUE(SimulationUpdate(m_active.View()).m_bEnabled) << "comments alone are enough";

    CVetlaView other(&m_active.Doc());
    m_active.View().OnSimulation();
    CCmdUI own = SimulationUpdate(m_active.View());
    EXPECT_TRUE(own.m_bEnabled);
    EXPECT_EQ(own.m_nCheck, 1);
    EXPECT_FALSE(SimulationUpdate(other).m_bEnabled);

    m_active.View().Simulation().EndOnClose();
    EXPECT_EQ(g_pSimulatingView, nullptr);
    EXPECT_EQ(m_active.Doc().m_bSimulating, 0);
    EXPECT_TRUE(SimulationUpdate(other).m_bEnabled);
}

TEST_F(SimulationMode, SaveIsDisabledWhileSimulatingAndSelectionLeaves)
{
    m_active.Add(BT_IN, NUM_INPUT);
    auto saveEnabled = [this] {
        CCmdUI cmdUI;
        cmdUI.m_nID = ID_FILE_SAVE;
        cmdUI.DoUpdate(&m_active.View(), FALSE);
        return cmdUI.m_bEnabled;
    };
    EXPECT_TRUE(saveEnabled());
    m_active.View().OnSimulation();
    EXPECT_FALSE(saveEnabled());
    m_active.View().OnCmdMsg(32816, CN_COMMAND, nullptr, nullptr);
    EXPECT_EQ(m_active.View().EditMode(), EDIT_MODE_SELECT);
    EXPECT_EQ(m_active.Doc().m_bSimulating, 0);
    EXPECT_TRUE(saveEnabled());
}

} // namespace
