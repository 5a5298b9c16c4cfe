// Mouse editing driven by synthetic mouse messages to a diagram view in the application's
// window, without a screen: the coordinates under zoom and scroll, drags and their undo
// snapshots, the right button during a drag, wire segments, the insert tool on pins, the
// simulated inputs of a running simulation, double clicks on pins, the auto-scroll and the pointer
// it moves back, the cursors, and undo after every kind of edit compared through the saved bytes.
#include "editor/DiagramWindow.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockComment.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/DocTestSupport.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/DiagramConsistency.h"
#include "editor/InputsBarDlg.h"
#include "editor/SimulationBarDlg.h"
#include "editor/VetlaView.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/ui/Cursor.h"

#include <gtest/gtest.h>

#include <functional>
#include <vector>

namespace {

LPARAM At(CPoint pt) { return MAKELPARAM(WORD(SHORT(pt.x)), WORD(SHORT(pt.y))); }

class MouseEditing : public DiagramWindow {
protected:
    void SetUp() override
    {
        DiagramWindow::SetUp();
        CRect rcClient;
        View()->GetClientRect(rcClient);
        ASSERT_GE(rcClient.Width(), 600);
        ASSERT_GE(rcClient.Height(), 350);
        // What the mouse meets is measured from the base, whatever the screen it was made on.
        Doc().m_rcExtent = CRect(0, 0, 1600, 1200);
        View()->UpdateScrollSizes();
    }

    CVetlaView& V() const { return *View(); }
    // How many kinds of object the last right press hit.
    int HitKinds() const
    {
        const ContextHits& hits = V().ContextMenuHits();
        return hits.bBlock + hits.bLine + hits.bComment;
    }

    // Mouse messages at client points, the left button held from the press to the release.
    void Down(CPoint pt, UINT nFlags = MK_LBUTTON) { V().SendMessage(WM_LBUTTONDOWN, nFlags, At(pt)); }
    void Move(CPoint pt, UINT nFlags = MK_LBUTTON) { V().SendMessage(WM_MOUSEMOVE, nFlags, At(pt)); }
    void Up(CPoint pt) { V().SendMessage(WM_LBUTTONUP, 0, At(pt)); }
    void RightDown(CPoint pt) { V().SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, At(pt)); }
    void RightUp(CPoint pt) { V().SendMessage(WM_RBUTTONUP, 0, At(pt)); }
    void Click(CPoint pt)
    {
        Down(pt);
        Up(pt);
    }
    void RightClick(CPoint pt)
    {
        RightDown(pt);
        RightUp(pt);
    }
    // What a hand's double click sends: a click, the double-click press and its release.
    void DoubleClick(CPoint pt)
    {
        Click(pt);
        V().SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, At(pt));
        Up(pt);
    }
    // Press, a few moves on the way and the release, as a hand drags.
    void Drag(CPoint ptFrom, CPoint ptTo, int nSteps = 3)
    {
        Down(ptFrom);
        for (int i = 1; i <= nSteps; ++i)
            Move(ptFrom + CPoint((ptTo.x - ptFrom.x) * i / nSteps, (ptTo.y - ptFrom.y) * i / nSteps));
        Up(ptTo);
    }

    static CPoint MiddleOfSecondSegment(const CConnectLineObj* pLine)
    {
        return CPoint((pLine->m_arrVertices[1].x + pLine->m_arrVertices[2].x) / 2,
                      (pLine->m_arrVertices[1].y + pLine->m_arrVertices[2].y) / 2);
    }
    // A wire drawn with the Connect tool from one pin to another.
    CConnectLineObj* Connect(CBlockObj* pFrom, int nFromPin, CBlockObj* pTo, int nToPin)
    {
        const int nMode = V().EditMode();
        EnterMode(EDIT_MODE_CONNECT);
        const INT_PTR nBefore = Doc().m_lineList.GetCount();
        Drag(PinCentre(pFrom, nFromPin), PinCentre(pTo, nToPin));
        EnterMode(nMode);
        EXPECT_EQ(Doc().m_lineList.GetCount(), nBefore + 1);
        return Doc().m_lineList.IsEmpty() ? nullptr : static_cast<CConnectLineObj*>(Doc().m_lineList.GetTail());
    }

    // A wire away from the points the tests press: Cut/Join is offered once there is one.
    void AddWireForCutJoin()
    {
        Connect(Block(BT_IN, 400, 250), BLOCK_FIRST_OUTPUT, Block(BT_OUT, 500, 250), 0);
    }

    Bytes Saved() const { return SaveToBytes(Doc()); }

    int Snapshots() const { return Doc().m_undo.m_nIndex; }

    // The view's simulation with the bar running freely.
    void StartSimulation()
    {
        Command(ID_TOOLS_SIMULATION);
        ASSERT_EQ(V().EditMode(), EDIT_MODE_SIMULATE);
    }
    void SetRunState(int nRunState, int nStepState = SIM_STEP_NONE)
    {
        CChildFrame* pFrame = V().GetParentFrame();
        ASSERT_NE(pFrame, nullptr);
        pFrame->m_nSimRunState = nRunState;
        pFrame->m_nSimStepState = nStepState;
        if (CSimulationBarDlg* pBar = pFrame->GetSimulationBarDlg()) {
            pBar->m_nSimRunState = nRunState;
            pBar->m_nSimStepState = nStepState;
        }
    }
};

class LadderMouseEditing : public MouseEditing {
protected:
    LadderMouseEditing() { m_nDocType = DOC_TYPE_LAD; }
};

// A contact placed from the palette is the only selected block, while its sheet asks for the
// operand and after it.
TEST_F(LadderMouseEditing, AContactPlacedFromThePaletteIsTheOnlySelectedBlock)
{
    CBlockObj* pCoil = Block(BT_RELAY_COIL, 400, 100);
    const CObList& selected = V().Selection().Blocks();
    std::vector<const CObject*> inSheet;
    CDialog::SetDialogHook([&](CDialog& d) {
        inSheet.clear();
        for (POSITION pos = selected.GetHeadPosition(); pos;)
            inSheet.push_back(selected.GetNext(pos));
        d.PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    int y = 60;
    for (const int nType : {BT_MAKE, BT_BREAK, BT_ACONTACT}) {
        SCOPED_TRACE(nType);
        V().Selection().Only(pCoil);
        EnterMode(EDIT_MODE_INSERT, nType);
        // The sheet opens on the press: the release comes while it is open, to the sheet.
        Down(CPoint(200, y += 60));
        auto* pContact = static_cast<CBlockObj*>(Doc().m_blockList.GetTail());
        ASSERT_EQ(pContact->m_nType, nType);
        EXPECT_EQ(inSheet, std::vector<const CObject*>{pContact}) << "while the sheet is open";
        ASSERT_EQ(selected.GetCount(), 1);
        EXPECT_EQ(selected.GetHead(), pContact);
        EXPECT_TRUE(pContact->m_bSelected);
        EXPECT_FALSE(pCoil->m_bSelected);
    }
    CDialog::SetDialogHook(nullptr);
}

TEST_F(MouseEditing, ClientPointsBecomeDocumentPointsUnderZoomAndScroll)
{
    const struct {
        float fZoom;
        CPoint ptScroll;
        CPoint ptDoc;
    } cases[] = {
        {2.0f, CPoint(0, 0), CPoint(50, 30)},
        {0.75f, CPoint(0, 0), CPoint(133, 80)},
        {2.0f, CPoint(40, 20), CPoint(70, 40)},
        {1.0f, CPoint(0, 0), CPoint(100, 60)},
    };
    AddWireForCutJoin();
    EnterMode(EDIT_MODE_CUT_JOIN);  // a press on nothing there changes nothing else
    for (const auto& c : cases) {
        V().SetZoom(c.fZoom);
        V().UpdateScrollSizes();
        V().ScrollToPosition(c.ptScroll);
        ASSERT_EQ(V().GetScrollPosition(), c.ptScroll);
        Down(CPoint(100, 60));
        EXPECT_EQ(V().ContextPoint(), c.ptDoc) << "left press at zoom " << c.fZoom;
        EXPECT_EQ(V().LastMousePoint(), c.ptDoc);
        Up(CPoint(100, 60));
        V().SetPressPoint(CPoint());
        RightDown(CPoint(100, 60));
        EXPECT_EQ(V().ContextPoint(), c.ptDoc) << "right press at zoom " << c.fZoom;
        RightUp(CPoint(100, 60));
    }
}

TEST_F(MouseEditing, EveryBlockDragThatMovesItTakesOneUndoSnapshot)
{
    for (const CSize step : {CSize(1, 0), CSize(-9, 9), CSize(10, 0), CSize(0, -10)}) {
        CBlockObj* pBlock = Block(BT_AND, 300, 300);
        const int nBefore = Snapshots();
        const CPoint ptFrom = BlockCentre(pBlock);
        Drag(ptFrom, ptFrom + step);
        EXPECT_EQ(V().EditMode(), EDIT_MODE_SELECT);
        EXPECT_EQ(pBlock->m_ptPos, CPoint(300, 300) + step);
        EXPECT_EQ(Snapshots() - nBefore, 1) << step.cx << ", " << step.cy;
        EXPECT_TRUE(Doc().IsModified());
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
        EXPECT_TRUE(DiagramIsConsistent(Doc(), &V()));
        V().ForgetObjects();
        Doc().m_blockList.RemoveAt(Doc().m_blockList.Find(pBlock));
        delete pBlock;
    }
}

// A click selects; only a drag that moves something asks for saving at close.
TEST_F(MouseEditing, AClickOnABlockOrAWireLeavesTheDocumentUnmodified)
{
    CBlockObj* pIn = Block(BT_IN, 100, 100);
    CBlockObj* pOut = Block(BT_OUT, 400, 250);
    CConnectLineObj* pLine = Connect(pIn, BLOCK_FIRST_OUTPUT, pOut, 0);
    ASSERT_NE(pLine, nullptr);
    const CPoint ptMiddle = MiddleOfSecondSegment(pLine);
    Doc().SetModifiedFlag(FALSE);
    Click(BlockCentre(pOut));
    EXPECT_TRUE(pOut->m_bSelected);
    Down(BlockCentre(pIn));
    Move(BlockCentre(pIn));
    Up(BlockCentre(pIn));
    Click(ptMiddle);
    Click(ptMiddle);
    EXPECT_TRUE(pLine->m_bLineSelected);
    EXPECT_FALSE(Doc().IsModified());
    Drag(BlockCentre(pOut), BlockCentre(pOut) + CPoint(1, 0), 1);
    EXPECT_TRUE(Doc().IsModified());
}

TEST_F(MouseEditing, TheRightButtonAbandonsABlockDragWhereItStands)
{
    CBlockObj* pBlock = Block(BT_AND, 300, 300);
    const int nBefore = Snapshots();
    const CPoint ptFrom = BlockCentre(pBlock);
    Down(ptFrom);
    ASSERT_EQ(V().EditMode(), EDIT_MODE_DRAG_BLOCKS);
    Move(ptFrom + CPoint(30, 20));
    RightDown(ptFrom + CPoint(30, 20));
    EXPECT_EQ(V().EditMode(), EDIT_MODE_SELECT);
    EXPECT_EQ(CWnd::GetCapture(), nullptr) << "the view must not keep the mouse";
    Move(ptFrom + CPoint(60, 40));
    RightUp(ptFrom + CPoint(60, 40));
    Up(ptFrom + CPoint(60, 40));
    EXPECT_EQ(pBlock->m_ptPos, CPoint(330, 320));
    EXPECT_EQ(Snapshots(), nBefore + 1) << "the move as it stands is one undo step";
    EXPECT_EQ(HitKinds(), 1) << "the release in select mode";
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &V()));
}

TEST_F(MouseEditing, DraggingAWireSegmentIsOneUndoStep)
{
    CBlockObj* pIn = Block(BT_IN, 100, 100);
    CBlockObj* pOut = Block(BT_OUT, 400, 250);
    CConnectLineObj* pLine = Connect(pIn, BLOCK_FIRST_OUTPUT, pOut, 0);
    ASSERT_NE(pLine, nullptr);
    ASSERT_EQ(pLine->m_arrVertices.GetSize(), 4);
    const CPoint ptMiddle = MiddleOfSecondSegment(pLine);
    Click(ptMiddle);  // selects the wire
    ASSERT_TRUE(pLine->m_bLineSelected);
    Doc().SetModifiedFlag(FALSE);
    const int nBefore = Snapshots();
    const int xBefore = pLine->m_arrVertices[1].x;
    Drag(ptMiddle, ptMiddle + CPoint(30, 0), 10);
    EXPECT_EQ(pLine->m_arrVertices[1].x, xBefore + 30);
    EXPECT_EQ(pLine->m_arrVertices[2].x, xBefore + 30);
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Snapshots(), nBefore + 1);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &V()));
}

TEST_F(MouseEditing, AnInsertPressOnAnOpenInputStartsAWireAndOnAFedOneOnlyOffTheBlock)
{
    CBlockObj* pAnd = Block(BT_AND, 300, 200);
    CBlockObj* pIn = Block(BT_IN, 100, 100);
    EnterMode(EDIT_MODE_INSERT, BT_OR);
    Down(PinCentre(pAnd, 0));
    EXPECT_EQ(V().WireTool().IsDrawing(), TRUE);
    EXPECT_EQ(V().WireTool().IsFromInsert(), TRUE);
    EXPECT_EQ(CWnd::GetCapture(), &V());
    Move(PinCentre(pIn, BLOCK_FIRST_OUTPUT) + CPoint(0, 1));
    Up(PinCentre(pIn, BLOCK_FIRST_OUTPUT));
    EXPECT_EQ(Doc().m_lineList.GetCount(), 1) << "the wire ends at the input's output pin";
    EXPECT_EQ(V().WireTool().IsDrawing(), FALSE);
    EXPECT_EQ(V().EditMode(), EDIT_MODE_INSERT);
    EXPECT_EQ(Doc().m_blockList.GetCount(), 2);

    // Input 0 is fed now: a press there is no wire start; on the wire or the body it does
    // nothing, on free ground a block is placed.
    Click(PinCentre(pAnd, 0) + CPoint(-1, 0));
    Click(BlockCentre(pAnd));
    EXPECT_EQ(Doc().m_blockList.GetCount(), 2);
    EXPECT_EQ(V().WireTool().IsDrawing(), FALSE);
    const int nBefore = Snapshots();
    Click(CPoint(600, 300));
    ASSERT_EQ(Doc().m_blockList.GetCount(), 3);
    const auto* pNew = static_cast<CBlockObj*>(Doc().m_blockList.GetTail());
    EXPECT_EQ(pNew->m_nType, BT_OR);
    EXPECT_EQ(pNew->m_ptPos, CPoint(600 - 12, 300));
    EXPECT_EQ(Snapshots(), nBefore + 1);
    EXPECT_EQ(V().EditMode(), EDIT_MODE_INSERT);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &V()));
}

TEST_F(MouseEditing, AnInsertPressOffTheBaseEndsInsertMode)
{
    Doc().m_rcExtent = CRect(0, 0, 400, 300);
    EnterMode(EDIT_MODE_INSERT, BT_AND);
    Click(CPoint(500, 100));
    EXPECT_EQ(V().EditMode(), EDIT_MODE_SELECT);
    EXPECT_TRUE(Doc().m_blockList.IsEmpty());
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, CString(_T("ERROR: Block can not be placed out side of the FBD base")));
}

TEST_F(MouseEditing, ASwitchInputTogglesOnlyWhileTheSimulationRunsFreely)
{
    CBlockObj* pSwitch = Block(BT_IN, 100, 100);
    StartSimulation();
    const CPoint pt = BlockCentre(pSwitch);
    const struct {
        int nRunState;
        int nStepState;
    } refused[] = {{SIM_RUN_STOPPED, SIM_STEP_NONE}, {SIM_RUN_SUSPENDED, SIM_STEP_NONE}, {SIM_RUN_RUNNING, SIM_STEP_STEPPING}};
    for (const auto& r : refused) {
        SetRunState(r.nRunState, r.nStepState);
        V().SetPressPoint(CPoint(-1, -1));
        Click(pt);
        EXPECT_EQ(pSwitch->m_nPinValue[BLOCK_FIRST_OUTPUT], 0) << r.nRunState << "/" << r.nStepState;
        EXPECT_EQ(V().LastMousePoint(), CPoint(-1, -1)) << "a refused press leaves the last point";
    }
    SetRunState(SIM_RUN_RUNNING, SIM_STEP_ENABLED);
    Click(pt);
    EXPECT_EQ(pSwitch->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);
    EXPECT_EQ(pSwitch->m_nPinValue[0], 1);
    EXPECT_EQ(V().LastMousePoint(), pt);
    Click(pt);
    EXPECT_EQ(pSwitch->m_nPinValue[BLOCK_FIRST_OUTPUT], 0);
}

TEST_F(MouseEditing, MomentaryPushButtonsFollowTheButton)
{
    CBlockObj* pMake = Block(BT_IN, 100, 100);
    CBlockObj* pBreak = Block(BT_IN, 100, 200);
    pMake->m_nParamEx[INPUT_SIM_MODE_PARAMEX] = SIM_INPUT_PUSH_MAKE;
    pBreak->m_nParamEx[INPUT_SIM_MODE_PARAMEX] = SIM_INPUT_PUSH_BREAK;
    StartSimulation();
    ASSERT_EQ(pBreak->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);
    for (CBlockObj* pBlock : {pMake, pBreak}) {
        const int nIdle = pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT];
        Down(BlockCentre(pBlock));
        EXPECT_EQ(pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT], 1 - nIdle) << "pressed";
        pBlock->m_bPinChanged[BLOCK_FIRST_OUTPUT] = 0;
        Up(BlockCentre(pBlock));
        EXPECT_EQ(pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT], nIdle) << "released";
        EXPECT_EQ(pBlock->m_bPinChanged[BLOCK_FIRST_OUTPUT], 1);
    }
}

TEST_F(MouseEditing, APressOutsideTheWindowClosesTheValuePopupAndChangesNothing)
{
    CBlockObj* pAnalog = Block(BT_ANALOG_IN, 100, 100);
    StartSimulation();
    Click(BlockCentre(pAnalog));
    ASSERT_EQ(V().Simulation().PopupBlock(), pAnalog);
    CRect rcClient;
    V().GetClientRect(rcClient);
    Click(CPoint(rcClient.right + 5, 10));
    EXPECT_EQ(V().Simulation().ValuePopup(), nullptr);
    Click(BlockCentre(pAnalog));
    Click(CPoint(rcClient.right - 5, rcClient.bottom - 5));
    EXPECT_EQ(V().Simulation().ValuePopup(), nullptr) << "a press beside every block closes it too";
    EXPECT_EQ(CWnd::GetCapture(), nullptr) << "and the release gives the mouse back";
}

TEST_F(MouseEditing, DoubleClickOnADigitalInputPinTogglesItsNegation)
{
    CBlockObj* pAnd = Block(BT_AND, 300, 200);
    CBlockObj* pCompare = Block(BT_ACOMP, 300, 280);
    ASSERT_EQ(pAnd->m_nPinKind[0], PINKIND_DIGITAL);
    ASSERT_EQ(pCompare->m_nPinKind[0], PINKIND_ANALOG);
    const CPoint ptPin = PinCentre(pAnd, 0);
    DoubleClick(ptPin);
    EXPECT_EQ(pAnd->m_bPinInvert[0], 1);
    EXPECT_TRUE(Doc().IsModified());
    DoubleClick(ptPin);
    EXPECT_EQ(pAnd->m_bPinInvert[0], 0);
    const CPoint ptAnalog = PinCentre(pCompare, 0);
    DoubleClick(ptAnalog);
    EXPECT_EQ(pCompare->m_bPinInvert[0], 0);
    EXPECT_EQ(V().EditMode(), EDIT_MODE_SELECT);
}

TEST_F(MouseEditing, AutoScrollStepsTowardsTheBorderAtMostAHundredPixels)
{
    CRect rcClient;
    V().GetClientRect(rcClient);
    const CSize total = V().GetTotalSize();
    const int nLimitX = total.cx - rcClient.Width();
    ASSERT_GT(nLimitX, 150);
    // The pointer moves against every scroll, by what the view really scrolled.
    const CPoint ptPointer(400, 300);
    SetCursorPos(ptPointer.x, ptPointer.y);
    const auto pointerMoved = [&] {
        CPoint pt;
        EXPECT_TRUE(GetCursorPos(&pt));
        SetCursorPos(ptPointer.x, ptPointer.y);
        return pt - ptPointer;
    };
    // Near the right edge: at most 100 pixels, and only what is left to show.
    V().ScrollToPosition(CPoint(0, 0));
    V().AutoScroll(TRUE, rcClient.right - 5, 200);
    EXPECT_EQ(V().GetScrollPosition(), CPoint(100, 0));
    EXPECT_EQ(pointerMoved(), CSize(-100, 0));
    V().ScrollToPosition(CPoint(nLimitX - 30, 0));
    V().AutoScroll(TRUE, nLimitX - 30 + rcClient.right - 10, 200);
    EXPECT_EQ(V().GetScrollPosition(), CPoint(nLimitX, 0));
    EXPECT_EQ(pointerMoved(), CSize(-30, 0));
    V().AutoScroll(TRUE, nLimitX + rcClient.right - 1, 200);
    EXPECT_EQ(V().GetScrollPosition(), CPoint(nLimitX, 0)) << "nothing more at the end";
    EXPECT_EQ(pointerMoved(), CSize(0, 0));
    // Back at the left edge, and not at all when the drag is not active or in the middle.
    V().AutoScroll(TRUE, nLimitX + 10, 200);
    EXPECT_EQ(V().GetScrollPosition(), CPoint(nLimitX - 100, 0));
    EXPECT_EQ(pointerMoved(), CSize(100, 0));
    V().AutoScroll(FALSE, nLimitX - 100 + 2, 200);
    V().AutoScroll(TRUE, nLimitX - 100 + rcClient.Width() / 2, 200);
    EXPECT_EQ(V().GetScrollPosition(), CPoint(nLimitX - 100, 0));
    EXPECT_EQ(pointerMoved(), CSize(0, 0));
}

TEST_F(MouseEditing, ABlockDraggedToTheRightBorderScrollsTheView)
{
    CBlockObj* pBlock = Block(BT_AND, 300, 300);
    CRect rcClient;
    V().GetClientRect(rcClient);
    const CPoint ptFrom = BlockCentre(pBlock);
    Down(ptFrom);
    Move(CPoint(rcClient.right - 20, ptFrom.y));
    EXPECT_EQ(V().GetScrollPosition(), CPoint(0, 0));
    // The pointer stands where the move reports it.
    const CPoint ptBorder(rcClient.right - 5, ptFrom.y);
    CPoint ptScreen = ptBorder;
    V().ClientToScreen(&ptScreen);
    SetCursorPos(ptScreen.x, ptScreen.y);
    Move(ptBorder);
    EXPECT_EQ(V().GetScrollPosition(), CPoint(100, 0));
    EXPECT_EQ(pBlock->m_ptPos.x, 300 + (rcClient.right - 5 - ptFrom.x)) << "moved by the unscrolled step";
    // The pointer went back by the step and so still stands over the block's diagram point:
    // the next move, from there, leaves the block where it is and scrolls no further.
    CPoint ptCursor;
    ASSERT_TRUE(GetCursorPos(&ptCursor));
    EXPECT_EQ(ptCursor, ptScreen - CSize(100, 0));
    const int nDraggedX = pBlock->m_ptPos.x;
    V().ScreenToClient(&ptCursor);
    Move(ptCursor);
    EXPECT_EQ(pBlock->m_ptPos.x, nDraggedX);
    EXPECT_EQ(V().GetScrollPosition(), CPoint(100, 0));
    Up(ptCursor);
    V().ScrollToPosition(CPoint(0, 0));
    Move(CPoint(rcClient.right - 5, ptFrom.y), 0);
    EXPECT_EQ(V().GetScrollPosition(), CPoint(0, 0)) << "no drag, no scroll";
}

TEST_F(MouseEditing, CursorsShowTheToolUnderTheMouse)
{
    CBlockObj* pAnd = Block(BT_AND, 300, 200);
    AddWireForCutJoin();
    const struct {
        int nMode;
        CPoint pt;
        EditCursor kind;
    } cases[] = {
        {EDIT_MODE_CONNECT, PinCentre(pAnd, 0), EditCursor::ConnectPin},
        {EDIT_MODE_CONNECT, CPoint(600, 300), EditCursor::Connect},
        {EDIT_MODE_INSERT, CPoint(600, 300), EditCursor::Insert},
        {EDIT_MODE_INSERT_COMMENT, CPoint(600, 300), EditCursor::Comment},
        {EDIT_MODE_CUT_JOIN, CPoint(600, 300), EditCursor::CutJoin},
    };
    for (const auto& c : cases) {
        EnterMode(c.nMode, BT_AND);
        Move(c.pt, 0);
        EXPECT_EQ(GetCursor(), V().Cursors().Get(c.kind)) << "mode " << c.nMode;
        EXPECT_EQ(V().MakeSimContext().ptCursor, c.pt) << "the blocks see the mouse";
        ASSERT_NE(GetCursor(), nullptr);
        EXPECT_NE(GetCursor(), AfxLoadStandardCursor(IDC_ARROW));
    }
    // The program's cursor resources, whose look the backend chooses.
    EXPECT_EQ(V().Cursors().Get(EditCursor::ConnectPin), AfxLoadCursor(192));
    EXPECT_EQ(V().Cursors().Get(EditCursor::Connect), AfxLoadCursor(191));
    EXPECT_EQ(V().Cursors().Get(EditCursor::CutJoin), AfxLoadCursor(167));
    EXPECT_EQ(V().Cursors().Get(EditCursor::Comment), AfxLoadCursor(232));
    EXPECT_EQ(V().Cursors().Get(EditCursor::Insert), AfxLoadCursor(4509));
    EnterMode(EDIT_MODE_INSERT, BT_AND);
    Move(BlockCentre(pAnd), 0);
    EXPECT_EQ(GetCursor(), AfxLoadStandardCursor(IDC_ARROW)) << "over a block body";
    EnterMode(EDIT_MODE_CUT_JOIN);
    Move(CPoint(600, 300), 0);
    Move(CPoint(0, 50), 0);
    EXPECT_EQ(GetCursor(), AfxLoadStandardCursor(IDC_ARROW)) << "at the window's edge";
}

TEST_F(MouseEditing, CommentsArePlacedInTheirModeButNotOnABlock)
{
    CBlockObj* pAnd = Block(BT_AND, 300, 200);
    EnterMode(EDIT_MODE_INSERT_COMMENT);
    Click(BlockCentre(pAnd));
    EXPECT_TRUE(Doc().m_commentList.IsEmpty());
    const int nBefore = Snapshots();
    Click(CPoint(500, 300));
    ASSERT_EQ(Doc().m_commentList.GetCount(), 1);
    const auto* pComment = static_cast<const CBlockComment*>(Doc().m_commentList.GetHead());
    EXPECT_EQ(CPoint(pComment->m_nLeft, pComment->m_nTop), CPoint(500, 300));
    EXPECT_GT(pComment->m_nBoxWidth, 0);
    EXPECT_GT(pComment->m_nBoxHeight, 0);
    EXPECT_EQ(Snapshots(), nBefore + 1);
    EXPECT_EQ(V().EditMode(), EDIT_MODE_INSERT_COMMENT);
}

TEST_F(MouseEditing, ARightPressKeepsASelectionItLiesInAndElseSelectsWhatItHits)
{
    CBlockObj* pA = Block(BT_AND, 300, 200);
    CBlockObj* pB = Block(BT_OR, 400, 200);
    // A band around both.
    Drag(CPoint(280, 180), CPoint(450, 260));
    ASSERT_EQ(V().Selection().Blocks().GetCount(), 2);
    RightClick(BlockCentre(pA));
    EXPECT_EQ(V().Selection().Blocks().GetCount(), 2);
    EXPECT_EQ(V().ContextMenuHits().bBlock, 1);
    EXPECT_EQ(V().CurrentBlock(), pA);
    RightClick(CPoint(700, 330));
    EXPECT_TRUE(V().Selection().Blocks().IsEmpty());
    EXPECT_EQ(HitKinds(), 0);
    // In a tool mode a right press selects the block alone and leaves the tool on.
    EnterMode(EDIT_MODE_CONNECT);
    RightClick(BlockCentre(pB));
    EXPECT_EQ(V().EditMode(), EDIT_MODE_CONNECT);
    EXPECT_TRUE(pB->m_bSelected);
    EXPECT_EQ(V().ContextMenuHits().bBlock, 1);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &V()));
}

// After a click in the palette the keys went there; a press in the diagram takes them back, so
// that Escape, Delete and the function keys reach the view.
TEST_F(MouseEditing, APressInTheDiagramTakesTheKeyboard)
{
    for (const bool bRight : {false, true}) {
        Frame()->SetFocus();
        ASSERT_NE(CWnd::GetFocus(), &V());
        bRight ? RightClick(CPoint(500, 300)) : Click(CPoint(500, 300));
        EXPECT_EQ(CWnd::GetFocus(), &V()) << (bRight ? "right" : "left");
    }
}

// An analog input's level follows the blocks its wires reach, through a wire cut into a pair
// as through a drawn one: AI0 feeds an amplifier (gain 2) into a comparator's Ax and the
// comparator's Ay itself, and 400 typed into the Inputs bar is 800 against 400, over On 300.
TEST_F(MouseEditing, ATypedAnalogValueLeavesTheSameLevelAfterItsWireIsCutIntoAPair)
{
    CBlockObj* pInput = Block(BT_ANALOG_IN, 100, 200);
    auto* pAmplifier = static_cast<CBlockAnalog*>(Block(BT_AAMP, 250, 100));
    auto* pComparator = static_cast<CBlockAnalog*>(Block(BT_ACOMP, 400, 200));
    CBlockObj* pOutput = Block(BT_OUT, 550, 200);
    pAmplifier->m_nSensor = ANALOG_SENSOR_NONE;
    pAmplifier->m_dGain = 2.0;
    pAmplifier->m_nRangeMax = 2000;
    pComparator->m_nThreshold1 = 300;
    pComparator->m_nThreshold2 = 200;
    Connect(pInput, BLOCK_FIRST_OUTPUT, pAmplifier, 0);
    Connect(pAmplifier, BLOCK_FIRST_OUTPUT, pComparator, 0);
    CConnectLineObj* pAy = Connect(pInput, BLOCK_FIRST_OUTPUT, pComparator, 1);
    Connect(pComparator, BLOCK_FIRST_OUTPUT, pOutput, 0);
    ASSERT_NE(pAy, nullptr);

    Key(VK_F11);
    Pump();
    // Near the comparator, past where the two wires from AI0 part.
    const CPoint ptLast = pAy->m_arrVertices[pAy->m_arrVertices.GetSize() - 1];
    const CPoint ptBefore = pAy->m_arrVertices[pAy->m_arrVertices.GetSize() - 2];
    Click(ptBefore + CPoint((ptLast.x - ptBefore.x) * 3 / 4, (ptLast.y - ptBefore.y) * 3 / 4));
    ASSERT_EQ(Doc().FindBlockByNumber(pComparator->m_nPinSource[1])->m_nType, BT_FEMALE) << "Ay fed by the pair";
    Key(VK_F3);
    Pump();
    ASSERT_EQ(V().EditMode(), EDIT_MODE_SIMULATE);
    CInputsBarDlg& inputs = *V().GetParentFrame()->m_pInputsBar->GetDlg();
    const SimBarControl* pEdit = inputs.FindControl(pInput->m_nNumber);
    ASSERT_NE(pEdit, nullptr);
    pEdit->pWnd->SetWindowText(_T("400"));
    inputs.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BAR_ANALOG_INPUT, EN_UPDATE), LParamFromWnd(pEdit->pWnd));
    inputs.SendMessage(WM_COMMAND, MAKEWPARAM(IDC_BAR_ANALOG_INPUT, EN_KILLFOCUS), LParamFromWnd(pEdit->pWnd));
    RecordingSurface surface;
    CDC dc(surface);
    V().OnDraw(&dc);
    EXPECT_EQ(pInput->m_nHeldValue, 400);
    EXPECT_EQ(pOutput->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);
}

// Each kind of edit is undone to the very bytes the document had before it, and redone to the
// bytes it had after.
TEST_F(MouseEditing, UndoAfterEachKindOfEditRestoresTheDiagramExactly)
{
    const struct {
        const char* name;
        std::function<void()> edit;
    } edits[] = {
        {"place",
         [this] {
             EnterMode(EDIT_MODE_INSERT, BT_XOR);
             Click(CPoint(600, 320));
             EnterMode(EDIT_MODE_SELECT);
         }},
        {"wire",
         [this] {
             Connect(Doc().FindBlockByNumber(NUM_INPUT + 1), BLOCK_FIRST_OUTPUT,
                       Doc().FindBlockByNumber(NUM_FUNCTION_BLOCK), 1);
         }},
        {"move",
         [this] {
             const CPoint pt = BlockCentre(Doc().FindBlockByNumber(NUM_FUNCTION_BLOCK));
             Drag(pt, pt + CPoint(40, 30));
         }},
        {"band and move",
         [this] {
             Drag(CPoint(80, 80), CPoint(340, 200));
             EXPECT_EQ(V().Selection().Blocks().GetCount(), 2);
             const CPoint pt = BlockCentre(Doc().FindBlockByNumber(NUM_INPUT));
             Drag(pt, pt + CPoint(20, 60));
         }},
        {"reattach",
         [this] {
             CConnectLineObj* pLine = static_cast<CConnectLineObj*>(Doc().m_lineList.GetHead());
             CBlockObj* pAnd = Doc().FindBlockByNumber(NUM_FUNCTION_BLOCK);
             Click(pLine->m_arrVertices[1] + CPoint(0, 2));
             ASSERT_TRUE(pLine->m_bLineSelected);
             Drag(PinCentre(pAnd, 0), PinCentre(pAnd, 2), 6);
             EXPECT_EQ(pLine->m_nEndPin, 2);
         }},
    };
    for (const auto& e : edits) {
        SCOPED_TRACE(e.name);
        // I1 at (100, 100) into input 0 of an AND at (300, 150); I2 below I1.
        CBlockObj* pIn1 = Block(BT_IN, 100, 100);
        Block(BT_IN, 100, 250);
        CBlockObj* pAnd = Block(BT_AND, 300, 150);
        Connect(pIn1, BLOCK_FIRST_OUTPUT, pAnd, 0);
        V().Selection().Clear(SELECTION_ALL);
        ASSERT_TRUE(Doc().m_undo.SaveState(&Doc()));
        const Bytes before = Saved();
        const int nBefore = Snapshots();
        e.edit();
        EXPECT_TRUE(DiagramIsConsistent(Doc(), &V()));
        const Bytes after = Saved();
        EXPECT_NE(after, before);
        EXPECT_EQ(Snapshots(), nBefore + 1);
        V().ForgetObjects();
        ASSERT_TRUE(Doc().m_undo.Undo());
        EXPECT_EQ(Saved(), before);
        ASSERT_TRUE(Doc().m_undo.Redo());
        EXPECT_EQ(Saved(), after);
        V().ForgetObjects();
        Doc().DeleteContents();
    }
}

} // namespace
