#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "support/ActiveDocument.h"

#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

TEST(VetlaView, AWindowlessViewTakesItsFrameAndDocumentDirectly)
{
    CVetlaDoc doc;
    CVetlaView view(&doc);
    CChildFrame frame;
    EXPECT_EQ(view.GetParentFrame(), nullptr);
    frame.SetActiveView(&view);
    EXPECT_EQ(frame.GetActiveView(), &view);
    EXPECT_EQ(view.GetParentFrame(), &frame);
    EXPECT_EQ(view.GetDocument(), &doc);
    frame.SetActiveView(nullptr);
    EXPECT_EQ(frame.GetActiveView(), nullptr);
}

TEST(VetlaView, CastHelpersTellDiagramWindowsFromOthers)
{
    CVetlaView view;
    CChildFrame frame;
    CWnd plain;
    EXPECT_EQ(AsVetlaView(&view), &view);
    EXPECT_EQ(AsVetlaView(&plain), nullptr);
    EXPECT_EQ(AsVetlaView(nullptr), nullptr);
    EXPECT_EQ(AsChildFrame(&frame), &frame);
    EXPECT_EQ(AsChildFrame(&view), nullptr);
}

// Only the active view of the main window draws: an inactive one keeps its last image.
TEST(VetlaView, OnlyTheActiveViewDrawsAndNothingWithoutADocument)
{
    ActiveDocument active;
    for (int nType : {BT_AND, BT_OR}) {
        CBlockObj* pBlock = active.View().CreateBlockObject(nType);
        ASSERT_NE(pBlock, nullptr);
        active.Add(pBlock);
    }
    const auto draws = [](CVetlaView& view) {
        RecordingSurface surface;
        CDC dc(surface);
        view.OnDraw(&dc);
        return !surface.Records().empty();
    };
    EXPECT_TRUE(draws(active.View()));
    CVetlaView inactive(&active.Doc());
    EXPECT_FALSE(draws(inactive));
    CVetlaView empty;
    EXPECT_FALSE(draws(empty));
}

TEST(VetlaView, CreatesBlocksForItsDocumentThroughItsSlots)
{
    ActiveDocument active(DOC_TYPE_LAD);
    CVetlaView& view = active.View();
    view.MarkMsgTextSlot(0, true);
    std::unique_ptr<CBlockObj> pText(view.CreateBlockObject(BT_MSGTEXT));
    EXPECT_EQ(pText->m_nParamEx[MSGTEXT_SLOT_PARAMEX], 1);
    EXPECT_TRUE(view.IsMsgTextSlotUsed(1));
    EXPECT_EQ(pText->GetDocument(), &active.Doc());
    std::unique_ptr<CBlockObj> pGate(view.CreateBlockObject(BT_AND));
    EXPECT_EQ(pGate->m_nPinKind[BLOCK_FIRST_OUTPUT], PINKIND_NONE) << "a gate ends its rung";
}

// What the view tells its blocks: the frame's clocks and states, simulation mode, and which
// edits ask for the pin under the mouse to be outlined.
TEST(VetlaView, SimulationContextFollowsTheFrameAndTheEdit)
{
    ActiveDocument active;
    CVetlaView& view = active.View();
    CChildFrame& frame = active.Frame();
    const SYSTEMTIME stScan = {2024, 3, 1, 4, 8, 0, 0, 0};
    const SYSTEMTIME stSet = {2024, 3, 1, 4, 9, 30, 0, 0};
    view.OnSimulation();
    view.Simulation().Clock() = stScan;
    frame.SetSimTime(&stSet);
    frame.m_nSimRunState = SIM_RUN_SUSPENDED;
    frame.m_nSimStepState = SIM_STEP_STEPPING;
    CSimContext sim = view.MakeSimContext();
    EXPECT_EQ(sim.stScan.wHour, 8);
    EXPECT_EQ(sim.stNow.wMinute, 30);
    EXPECT_TRUE(sim.bClockSet);
    EXPECT_EQ(sim.nRunState, SIM_RUN_SUSPENDED);
    EXPECT_EQ(sim.nStepState, SIM_STEP_STEPPING);
    EXPECT_TRUE(sim.bSimulating);
    EXPECT_EQ(sim.pBars, &frame);
    EXPECT_EQ(sim.pinTool, SimPinTool::None);
    view.OnSimulation();
    EXPECT_FALSE(view.MakeSimContext().bSimulating);
}

TEST(VetlaView, ThePinOutlineFollowsTheToolAndTheDraggedWireEnd)
{
    CConnectLineObj line;
    const struct {
        int nMode;
        int bEndDrag;
        SimPinTool tool;
    } cases[] = {
        {EDIT_MODE_INSERT, 0, SimPinTool::Placing},    {EDIT_MODE_CONNECT, 0, SimPinTool::Wiring},
        {EDIT_MODE_DRAG_LINE, 1, SimPinTool::Wiring},  {EDIT_MODE_DRAG_LINE, 0, SimPinTool::None},
        {EDIT_MODE_SELECT, 0, SimPinTool::None},       {EDIT_MODE_DRAG_BLOCKS, 0, SimPinTool::None},
        {EDIT_MODE_SIMULATE, 0, SimPinTool::None},
    };
    for (const auto& c : cases) {
        line.m_bEndDrag = c.bEndDrag;
        EXPECT_EQ(PinToolFor(c.nMode, &line), c.tool) << c.nMode << " " << c.bEndDrag;
    }
    EXPECT_EQ(PinToolFor(EDIT_MODE_DRAG_LINE, nullptr), SimPinTool::None);
}

} // namespace
