// Building and running a diagram in the program's window under Qt's offscreen platform, with the
// mouse as Qt delivers it to the view's widget: I1, I2, an AND and Q1 chosen from the palette and
// placed, wired from pin to pin, then the simulation run and the inputs clicked, each repaint
// being a scan whose colours the widget's picture shows. Keys and the wheel come as Qt delivers
// them too: a run of arrow presses is one undo step, and the wheel turns the window under the
// pointer.
#include "SimulationQtWindow.h"

#include "blocks/BlockCounter.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/Widget.h"
#include "document/DocTestSupport.h"
#include "document/ListWalks.h"
#include "editor/CommandIds.h"
#include "editor/DiagramConsistency.h"
#include "support/DiagramPoints.h"
#include "support/QtTestInput.h"
#include "editor/PaletteHost.h"
#include "messagetext/AllDisplayMsgTxts.h"
#include "messagetext/InPlaceParamDlg.h"
#include "messagetext/MessageTextLists.h"
#include "messagetext/MsgTxtDisplay.h"
#include "messagetext/MsgTxtDisplayIds.h"
#include "pages/ladder/PropShLadIO.h"
#include "pages/program/ProgramPageIds.h"
#include "pages/program/PropertiesPropSh.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/MessageQueue.h"

#include <QImage>
#include <QKeyEvent>
#include <QWheelEvent>

#include <string>
#include <tuple>
#include <utility>

namespace {

class EditingQtTest : public SimulationQtWindow {
protected:
    void SetUp() override
    {
        ASSERT_NO_FATAL_FAILURE(SimulationQtWindow::SetUp());
        m_pWidget = QtWidgetOf(*View());
        ASSERT_NE(m_pWidget, nullptr);
    }
    void TearDown() override
    {
        CDialog::SetDialogHook(nullptr);
        SimulationQtWindow::TearDown();
    }

    // A palette item as its click reaches the main window.
    void ChooseFromPalette(int nType) const { Frame()->SendMessage(WM_PALETTE_SELECT, 1, nType); }

    // Where the client area starts in the view's widget (inside the window's border).
    static CPoint ClientOffset(const CWnd& view)
    {
        CRect rcWindow;
        view.GetWindowRect(rcWindow);
        CPoint ptClient(0, 0);
        view.ClientToScreen(&ptClient);
        return CPoint(ptClient.x - rcWindow.left, ptClient.y - rcWindow.top);
    }
    CPoint ClientOffset() const { return ClientOffset(*View()); }
    static QPoint Offset(const CWnd& view)
    {
        const CPoint pt = ClientOffset(view);
        return QPoint(pt.x, pt.y);
    }
    QPoint Offset() const { return Offset(*View()); }

    // A mouse event at a client point, as Qt delivers it to the view's widget.
    void Mouse(QEvent::Type type, CPoint pt, Qt::MouseButton button, Qt::MouseButtons held,
               const CWnd* pWnd = nullptr) const
    {
        QWidget* pWidget = pWnd ? QtWidgetOf(*pWnd) : m_pWidget;
        const CPoint ptWidget = pt + ClientOffset(pWnd ? *pWnd : *View());
        const QPointF local(ptWidget.x, ptWidget.y);
        QMouseEvent event(type, local, pWidget->mapToGlobal(local), button, held, Qt::NoModifier);
        QApplication::sendEvent(pWidget, &event);
    }
    void Press(CPoint pt) const { Mouse(QEvent::MouseButtonPress, pt, Qt::LeftButton, Qt::LeftButton); }
    void MoveHeld(CPoint pt) const { Mouse(QEvent::MouseMove, pt, Qt::NoButton, Qt::LeftButton); }
    void Release(CPoint pt) const { Mouse(QEvent::MouseButtonRelease, pt, Qt::LeftButton, Qt::NoButton); }
    void Click(CPoint pt) const
    {
        Press(pt);
        Release(pt);
    }
    void Drag(CPoint ptFrom, CPoint ptTo, int nSteps = 4) const
    {
        Press(ptFrom);
        for (int i = 1; i <= nSteps; ++i)
            MoveHeld(ptFrom + CPoint((ptTo.x - ptFrom.x) * i / nSteps, (ptTo.y - ptFrom.y) * i / nSteps));
        Release(ptTo);
    }
    void DragPinToPin(CBlockObj* pFrom, int nFromPin, CBlockObj* pTo, int nToPin) const
    {
        Drag(PinCentre(pFrom, nFromPin), PinCentre(pTo, nToPin));
    }
    // A repaint of the view, which in simulation mode is one scan, and what it shows.
    QImage Paint() const
    {
        m_pWidget->repaint();
        return m_pWidget->grab().toImage();
    }

    // A key pressed and let go, as Qt delivers it to the view's widget.
    void Key(int nKey, Qt::KeyboardModifiers modifiers = Qt::NoModifier) const
    {
        QKeyEvent press(QEvent::KeyPress, nKey, modifiers);
        QApplication::sendEvent(m_pWidget, &press);
        QKeyEvent release(QEvent::KeyRelease, nKey, modifiers);
        QApplication::sendEvent(m_pWidget, &release);
    }
    // One notch of the wheel towards the user, over the widget's middle.
    static void WheelDown(QWidget* pWidget)
    {
        const QPointF local(pWidget->width() / 2, pWidget->height() / 2);
        QWheelEvent wheel(local, pWidget->mapToGlobal(local), QPoint(), QPoint(0, -120), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(pWidget, &wheel);
    }
    // The position of the last block of the diagram (Undo and Redo make the blocks anew).
    CPoint LastBlockPos() const { return static_cast<CBlockObj*>(Doc().m_blockList.GetTail())->m_ptPos; }

    // A golden diagram opened as File > Open opens it, its view the one the mouse goes to.
    void OpenGolden(const char* pszFile)
    {
        ASSERT_NE(m_app->OpenDocumentFile(CString::FromUtf8(std::string(QARVO_GOLDEN_DIR "/") + pszFile)), nullptr);
        m_pWidget = QtWidgetOf(*View());
    }

    CBlockObj* PlaceAt(int nType, CPoint pt) const
    {
        ChooseFromPalette(nType);
        EXPECT_EQ(View()->EditMode(), EDIT_MODE_INSERT);
        EXPECT_EQ(View()->PaletteType(), nType);
        const INT_PTR nBefore = Doc().m_blockList.GetCount();
        Click(pt);
        EXPECT_EQ(Doc().m_blockList.GetCount(), nBefore + 1);
        return static_cast<CBlockObj*>(Doc().m_blockList.GetTail());
    }

    CMessageBoxRecorder m_boxes;
    QWidget* m_pWidget = nullptr;
};

TEST_F(EditingQtTest, TwoInputsAnAndAndAnOutputArePlacedWiredAndSimulated)
{
    CBlockObj* pI1 = PlaceAt(BT_IN, CPoint(100, 80));
    CBlockObj* pI2 = PlaceAt(BT_IN, CPoint(100, 200));
    CBlockObj* pAnd = PlaceAt(BT_AND, CPoint(300, 130));
    CBlockObj* pQ1 = PlaceAt(BT_OUT, CPoint(450, 140));
    EXPECT_EQ(pI1->m_nNumber, NUM_INPUT);
    EXPECT_EQ(pI2->m_nNumber, NUM_INPUT + 1);
    EXPECT_EQ(pAnd->m_nNumber, NUM_FUNCTION_BLOCK);
    EXPECT_EQ(pQ1->m_nNumber, NUM_OUTPUT);

    // Still in insert mode, a press on an output pin draws a wire.
    DragPinToPin(pI1, BLOCK_FIRST_OUTPUT, pAnd, 0);
    DragPinToPin(pI2, BLOCK_FIRST_OUTPUT, pAnd, 1);
    DragPinToPin(pAnd, BLOCK_FIRST_OUTPUT, pQ1, 0);
    ASSERT_EQ(Doc().m_lineList.GetCount(), 3);
    EXPECT_EQ(pAnd->m_nPinSource[0], pI1->m_nNumber);
    EXPECT_EQ(pAnd->m_nPinSource[1], pI2->m_nNumber);
    EXPECT_EQ(pQ1->m_nPinSource[0], pAnd->m_nNumber);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), View()));
    EXPECT_EQ(Doc().m_blockList.GetCount(), 4) << "wiring placed nothing";
    EXPECT_TRUE(m_boxes.Boxes().empty());

    Simulate();
    ASSERT_EQ(View()->EditMode(), EDIT_MODE_SIMULATE);
    auto* pOutWire = static_cast<CConnectLineObj*>(Doc().m_lineList.GetTail());
    const CPoint ptOnWire = pOutWire->m_arrVertices[pOutWire->m_arrVertices.GetSize() - 1] + CPoint(-8, 0);
    const struct {
        CBlockObj* pClicked;
        int nQ1;
    } steps[] = {{pI1, 0}, {pI2, 1}, {pI1, 0}, {pI1, 1}};
    for (const auto& step : steps) {
        Click(BlockCentre(step.pClicked));
        Paint();
        const QImage image = Paint();
        EXPECT_EQ(pQ1->m_nPinValue[BLOCK_FIRST_OUTPUT], step.nQ1);
        const CPoint ptPixel = ptOnWire + ClientOffset();
        const QColor wire = image.pixelColor(ptPixel.x, ptPixel.y);

        EXPECT_EQ(wire, step.nQ1 ? QColor(255, 0, 0) : QColor(0, 0, 255)) << "the AND's wire into Q1";
    }
}

// Moving the selection with the arrow keys is an edit: the diagram is modified, and one Undo
// takes back a whole run of presses. A click ends the run; the next presses are a step of their
// own.
TEST_F(EditingQtTest, ARunOfArrowPressesIsOneUndoStep)
{
    const CPoint ptStart = PlaceAt(BT_AND, CPoint(300, 130))->m_ptPos;
    Frame()->SendMessage(WM_PALETTE_SELECT, 0, 0);
    Click(ptStart + CPoint(12, 18));
    Doc().SetModifiedFlag(FALSE);
    for (int i = 0; i < 20; ++i)
        Key(Qt::Key_Right);
    EXPECT_EQ(LastBlockPos(), ptStart + CPoint(20, 0));
    EXPECT_TRUE(Doc().IsModified());
    Click(LastBlockPos() + CPoint(12, 18));
    for (int i = 0; i < 3; ++i)
        Key(Qt::Key_Down);
    EXPECT_EQ(LastBlockPos(), ptStart + CPoint(20, 3));

    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(LastBlockPos(), ptStart + CPoint(20, 0));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(LastBlockPos(), ptStart) << "the twenty steps are one";
    EXPECT_EQ(Doc().m_blockList.GetCount(), 1);
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(LastBlockPos(), ptStart + CPoint(20, 0)) << "Redo brings the run's last step";

    // An arrow pressed while the mouse drags is part of the drag, which is one step.
    const CPoint ptOn = LastBlockPos() + CPoint(12, 18);
    Press(ptOn);
    MoveHeld(ptOn + CPoint(10, 0));
    Key(Qt::Key_Down);
    MoveHeld(ptOn + CPoint(30, 0));
    Release(ptOn + CPoint(30, 0));
    const CPoint ptDragged = LastBlockPos();
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(LastBlockPos(), ptStart + CPoint(20, 0));
    Key(Qt::Key_Y, Qt::ControlModifier);
    EXPECT_EQ(LastBlockPos(), ptDragged) << "Redo brings the whole drag";
}

// A drag of a few pixels is one undo step like a long one; a move the base refuses leaves
// everything as it was, the wires' routes and junction dots too.
TEST_F(EditingQtTest, EveryMoveIsOneUndoStepAndARefusedMoveChangesNothing)
{
    OpenGolden("fbd-newer-behaviour.dfb");
    const CPoint ptInput = Doc().BlockAtPoint(90, 58)->m_ptPos;  // I000
    Drag(CPoint(90, 58), CPoint(98, 58));
    EXPECT_EQ(Doc().BlockAtPoint(98, 58)->m_ptPos, ptInput + CPoint(8, 0));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Doc().BlockAtPoint(90, 58)->m_ptPos, ptInput);
    EXPECT_FALSE(Doc().IsModified());
    const Bytes undone = SaveToBytes(Doc());
    Click(CPoint(439, 164));  // selects the wire from I003 to B20 on its vertical segment
    Drag(CPoint(439, 164), CPoint(447, 164), 1);  // the mouse's first report past the hit margin
    EXPECT_TRUE(!Doc().LineAtPoint(439, 164) && Doc().LineAtPoint(447, 164) && Doc().IsModified());
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(SaveToBytes(Doc()) == undone && !Doc().IsModified());

    OpenGolden("fbd-newer-catalogue.dfb");
    Doc().m_rcExtent = CRect(0, 0, 1024, 768);  // one page, which the rows of blocks pass
    const Bytes opened = SaveToBytes(Doc());
    Key(Qt::Key_A, Qt::ControlModifier);
    Drag(CPoint(90, 148), CPoint(190, 148));  // on B2
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, CString(_T("ERROR: Block can not be placed out side of the FBD base")));
    EXPECT_TRUE(SaveToBytes(Doc()) == opened);
    EXPECT_FALSE(Doc().IsModified());
    EXPECT_FALSE(Doc().m_undo.CanUndo());
}

// With a palette block chosen, a press on a block drags the selection: the move is an edit like
// any other, one undo step that Close asks to save.
TEST_F(EditingQtTest, ABlockDraggedWhileInsertingIsOneUndoStepThatCloseAsksToSave)
{
    OpenGolden("fbd-newer-behaviour.dfb");
    const CBlockObj* pOutput = Doc().FindBlockByNumber(NUM_OUTPUT);
    ASSERT_NE(pOutput, nullptr);
    const CPoint ptStart = pOutput->m_ptPos;
    const CPoint ptOn = BlockCentre(pOutput);
    const Bytes opened = SaveToBytes(Doc());
    Click(ptOn);
    ChooseFromPalette(BT_AND);
    Drag(ptOn, ptOn + CPoint(60, 0), 30);  // the block stays under the mouse as it follows
    EXPECT_EQ(Doc().FindBlockByNumber(NUM_OUTPUT)->m_ptPos, ptStart + CPoint(60, 0));
    EXPECT_TRUE(Doc().m_undo.CanUndo());
    m_boxes.QueueAnswer(IDCANCEL);
    Frame()->SendMessage(WM_COMMAND, ID_FILE_CLOSE);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u) << "Close asks to save the move";
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(SaveToBytes(Doc()) == opened);
    EXPECT_FALSE(Doc().IsModified());
}

// However a drag is left before its release (Escape, F3, the right button, another tool's key,
// Close), it ends as the release would end it: the move stays and is a change that Close asks to
// save, and one Undo takes back exactly the move. A move that left the base goes back.
TEST_F(EditingQtTest, AMoveLeftByAKeyOrTheRightButtonIsKeptAsOneUndoStep)
{
    enum Grab { Block, Wire, Comment, BlockWhileInserting };
    const int kDragMode[] = {EDIT_MODE_DRAG_BLOCKS, EDIT_MODE_DRAG_LINE, EDIT_MODE_DRAG_COMMENTS, EDIT_MODE_INSERT};
    // A key, or (Qt::Key_unknown) a press of the right button, and the mode it leaves.
    struct Way {
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int nModeAfter;
    };
    const Way escape{Qt::Key_Escape, Qt::NoModifier, EDIT_MODE_SELECT};
    const Way f3{Qt::Key_F3, Qt::NoModifier, EDIT_MODE_SIMULATE};
    const Way right{Qt::Key_unknown, Qt::NoModifier, EDIT_MODE_SELECT};
    const Way f9{Qt::Key_F9, Qt::NoModifier, EDIT_MODE_INSERT_COMMENT};
    const Way close{Qt::Key_F4, Qt::ControlModifier, EDIT_MODE_SELECT};
    const std::pair<Grab, const Way*> cases[] = {
        {Block, &escape},   {Block, &f3},   {Block, &right},
        {Wire, &escape},    {Wire, &f3},    {Wire, &right},
        {Comment, &escape}, {Comment, &f3}, {Comment, &right}, {Comment, &f9},
        {BlockWhileInserting, &escape}, {BlockWhileInserting, &f3}, {BlockWhileInserting, &f9},
        {Block, &close},
    };
    const CPoint ptComment(420, 420);  // free ground of the diagram
    for (const auto& [grab, pWay] : cases) {
        SCOPED_TRACE(testing::Message() << "grab " << grab << ", key " << pWay->key);
        OpenGolden("fbd-newer-behaviour.dfb");
        Frame()->SendMessage(WM_COMMAND, ID_INSERT_COMMENTS);
        Click(ptComment);
        Key(Qt::Key_Escape);
        ASSERT_TRUE(Doc().DoSave(m_app.Path("drag.dfb")));
        const Bytes before = SaveToBytes(Doc());
        const CBlockObj* pOutput = Doc().FindBlockByNumber(NUM_OUTPUT);
        const CPoint ptGrab[] = {CPoint(90, 58) /* I000 */, CPoint(439, 164) /* the wire into B20 */,
                                 ptComment + CPoint(5, 5), pOutput->m_ptPos + CPoint(pOutput->m_nWidth / 2, 5)};
        const CPoint ptFrom = ptGrab[grab];
        if (grab == Wire || grab == BlockWhileInserting)
            Click(ptFrom);  // selects it
        if (grab == BlockWhileInserting)
            ChooseFromPalette(BT_AND);
        Press(ptFrom);
        for (int i = 1; i <= 8; ++i)
            MoveHeld(ptFrom + CPoint(10 * i, 0));
        ASSERT_EQ(View()->EditMode(), kDragMode[grab]);
        if (pWay == &close)
            m_boxes.QueueAnswer(IDCANCEL);
        if (pWay == &right)
            Mouse(QEvent::MouseButtonPress, ptFrom + CPoint(80, 0), Qt::RightButton, Qt::LeftButton | Qt::RightButton);
        else
            Key(pWay->key, pWay->modifiers);
        m_app->PumpPending();
        ASSERT_NE(View(), nullptr) << "Close asks to save the move, and Cancel keeps the diagram";
        EXPECT_EQ(View()->EditMode(), pWay->nModeAfter) << "the drag ends where it stands";
        Release(ptFrom + CPoint(80, 0));
        if (pWay == &f3) {
            Key(Qt::Key_F3);
            m_app->PumpPending();
        }
        EXPECT_EQ(m_boxes.Boxes().size(), pWay == &close ? 1u : 0u);
        m_boxes.Clear();
        EXPECT_FALSE(SaveToBytes(Doc()) == before) << "the move stays";
        EXPECT_TRUE(Doc().IsModified());
        Key(Qt::Key_Z, Qt::ControlModifier);
        EXPECT_TRUE(SaveToBytes(Doc()) == before) << "one Undo takes back the move";
        EXPECT_FALSE(Doc().IsModified());
        m_app->CloseAllDocuments(TRUE);
    }

    OpenGolden("fbd-newer-catalogue.dfb");
    Doc().m_rcExtent = CRect(0, 0, 1024, 768);  // one page, which the rows of blocks pass
    const Bytes opened = SaveToBytes(Doc());
    Key(Qt::Key_A, Qt::ControlModifier);
    Press(CPoint(90, 148));  // on B2
    MoveHeld(CPoint(190, 148));
    Key(Qt::Key_Escape);
    Release(CPoint(190, 148));
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, CString(_T("ERROR: Block can not be placed out side of the FBD base")));
    EXPECT_TRUE(SaveToBytes(Doc()) == opened && !Doc().IsModified());
}

// An edit of the diagram's blocks or wires given while the button still holds a tool ends the
// tool first: nothing the tool held points into the diagram the edit changed, so that the moves
// and the release after it find nothing freed, and each change is one undo step.
TEST_F(EditingQtTest, AnEditWhileAToolIsHeldEndsTheToolAndIsOneUndoStep)
{
    enum Tool { Wire, BlockDrag, CommentDrag, WireEnd, Band, InsertWire };
    const int kToolSteps[] = {0, 1, 1, 0, 0, 0};  // what ending the tool changes, in undo steps
    enum Command { Delete, Cut, Paste, Undo, Redo };
    const Qt::Key kKeys[] = {Qt::Key_Delete, Qt::Key_X, Qt::Key_V, Qt::Key_Z, Qt::Key_Y};
    const CPoint ptComment(420, 420);  // free ground of the diagram
    const CPoint ptInput(90, 59);      // I000, one step down
    for (int tool = Wire; tool <= InsertWire; ++tool) {
        for (int command = Delete; command <= Redo; ++command) {
            SCOPED_TRACE(testing::Message() << "tool " << tool << ", command " << command);
            OpenGolden("fbd-newer-behaviour.dfb");
            Frame()->SendMessage(WM_COMMAND, ID_INSERT_COMMENTS);
            Click(ptComment);
            Key(Qt::Key_Escape);
            const CPoint ptWireEnd = Doc().LineAtPoint(439, 164)->m_ptEnd;  // the wire into B20
            // I000 on the clipboard for Paste, an edit for Undo and one undone for Redo.
            Click(ptInput);
            Key(Qt::Key_C, Qt::ControlModifier);
            Key(Qt::Key_Down);
            Click(ptInput);
            Key(Qt::Key_Down);
            Key(Qt::Key_Z, Qt::ControlModifier);
            const CPoint ptPin = PinCentre(Doc().BlockAtPoint(ptInput.x, ptInput.y), BLOCK_FIRST_OUTPUT);
            const CPoint ptFrom[] = {ptPin, ptInput, ptComment + CPoint(5, 5), ptWireEnd, CPoint(20, 30), ptPin};
            const int nIndex = Doc().m_undo.m_nIndex;
            if (tool == Wire)
                Frame()->SendMessage(WM_COMMAND, ID_CONNECT);
            if (tool == InsertWire)
                ChooseFromPalette(BT_AND);
            if (tool == WireEnd)
                Click(CPoint(439, 164));  // selects the wire
            // The right button selects the wire's start block in the wire tools.
            if (tool == Wire || tool == InsertWire)
                Mouse(QEvent::MouseButtonPress, ptInput, Qt::RightButton, Qt::RightButton);
            Press(ptFrom[tool]);
            for (int i = 1; i <= 8; ++i)
                MoveHeld(ptFrom[tool] + CPoint(10 * i, 5 * i));
            Key(kKeys[command], command == Delete ? Qt::NoModifier : Qt::ControlModifier);
            m_app->PumpPending();
            EXPECT_FALSE(View()->WireTool().IsDrawing());
            // The mouse goes on over the pins of the diagram as it now is, and is let go on one.
            CRect rcPin;
            for (CBlockObj* pBlock : ListSnapshot<CBlockObj>(Doc().m_blockList)) {
                if (GetBlockPinRect(&rcPin, pBlock, 0))
                    MoveHeld(rcPin.CenterPoint());
            }
            Release(rcPin.CenterPoint());
            EXPECT_TRUE(DiagramIsConsistent(Doc(), View()));
            // A wire alone is not copied; a step taken by the tool leaves nothing to redo.
            const int nSteps = kToolSteps[tool];
            const int nCommandSteps[] = {1, tool == WireEnd ? 0 : 1, 1, -1, nSteps == 0 ? 1 : 0};
            EXPECT_EQ(Doc().m_undo.m_nIndex, nIndex + nSteps + nCommandSteps[command]) << "one undo step per change";
            m_app->CloseAllDocuments(TRUE);
        }
    }
}

// After an Undo the next edit takes the undone one's place, also in a full history: Undo of that
// edit goes back to where the first Undo had left the diagram.
TEST_F(EditingQtTest, AnUndoneEditStaysUndoneWhenTheHistoryIsFull)
{
    OpenGolden("lad-newer-behaviour.dld");
    for (int i = 0; i < UNDO_MAX_INDEX; ++i)  // some thirty edits since the diagram was opened
        ASSERT_TRUE(Doc().m_undo.SaveState(&Doc()));
    const CPoint ptFirst = BlockCentre(static_cast<CBlockObj*>(Doc().m_blockList.GetHead()));
    const CPoint ptLast = BlockCentre(static_cast<CBlockObj*>(Doc().m_blockList.GetTail()));
    const INT_PTR nBlocks = Doc().m_blockList.GetCount();
    Click(ptFirst);
    Key(Qt::Key_C, Qt::ControlModifier);
    Key(Qt::Key_V, Qt::ControlModifier);
    ASSERT_GT(Doc().m_blockList.GetCount(), nBlocks);
    Key(Qt::Key_Z, Qt::ControlModifier);
    const Bytes undone = SaveToBytes(Doc());
    Click(ptLast);
    Key(Qt::Key_Delete);  // posts Edit > Delete
    m_app->PumpPending();
    ASSERT_LT(Doc().m_blockList.GetCount(), nBlocks);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Doc().m_blockList.GetCount(), nBlocks) << "the paste stays undone";
    EXPECT_TRUE(SaveToBytes(Doc()) == undone);
}

// The edits: a new diagram's first Properties, Align, a contact placed with its operand.
TEST_F(EditingQtTest, EditsAskToBeSavedAndCtrlZAndCtrlYTakeExactlyThemBackAndForth)
{
    CDialog::SetDialogHook([](CDialog& dlg) {
        if (auto* pSheet = dynamic_cast<CPropertiesPropSh*>(&dlg))
            pSheet->m_general.GetDlgItem(IDC_GENERAL_TEXTS[0])->SetWindowText(_T("Anna"));
        dlg.PostMessage(WM_COMMAND, IDOK);
    });
    Frame()->SendMessage(WM_COMMAND, ID_FILE_PROPERTIES);
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Doc().m_settings.strProject[PROJECT_CREATOR].IsEmpty());
    const CPoint ptSecond = (PlaceAt(BT_AND, CPoint(300, 130)), PlaceAt(BT_AND, CPoint(400, 230))->m_ptPos);
    ASSERT_TRUE(Doc().DoSave(m_app.Path("edits.dfb")));
    for (const auto& [nKey, bModified] : {std::pair{Qt::Key_Z, true}, {Qt::Key_S, false}, {Qt::Key_Y, true}, {Qt::Key_S, false}}) {
        Key(nKey, Qt::ControlModifier);
        EXPECT_EQ(Doc().IsModified(), bModified) << nKey;
    }
    Key(Qt::Key_A, Qt::ControlModifier);
    Frame()->SendMessage(WM_COMMAND, ID_ALIGN_VERT);
    m_boxes.QueueAnswer(IDCANCEL);
    Frame()->SendMessage(WM_COMMAND, ID_FILE_CLOSE);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u) << "Close asks to save the aligned diagram";
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(LastBlockPos(), ptSecond);
    EXPECT_FALSE(Doc().IsModified());
    Frame()->SendMessage(WM_COMMAND, ID_FILE_NEW_LAD);
    m_pWidget = QtWidgetOf(*View());
    PlaceAt(BT_MAKE, CPoint(300, 130));
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_TRUE(Doc().m_blockList.IsEmpty()) << "the contact and its operand are one step";
}

// A value typed over a running message text's element is saved with the diagram, and one Undo
// after the simulation takes back that value alone.
TEST_F(EditingQtTest, AValueTypedOverARunningMessageIsOneUndoStep)
{
    CBlockObj* pIn = PlaceAt(BT_IN, CPoint(100, 80));
    auto* pText = static_cast<CBlockMSGTEXT*>(PlaceAt(BT_MSGTEXT, CPoint(300, 80)));
    CBlockObj* pCounter = PlaceAt(BT_COUNTER, CPoint(300, 250));
    DragPinToPin(pIn, BLOCK_FIRST_OUTPUT, pText, 0);
    auto* pElement = new CWidget(0, 0, 7, 9, RGB(128, 128, 128));
    std::tie(pElement->m_nLine, pElement->m_nColumn, pElement->m_nWidth, pElement->m_nKind) = std::tuple(1, 1, 6, 0);
    BindWidgetToValue(pElement, pCounter->m_nNumber, pCounter, 17);  // the counter's on value
    pText->m_arrWidgets1[0].Add(pElement);
    const int nCounter = pCounter->m_nNumber;
    const int nOnBefore = pCounter->m_nParam[COUNTER_ON_PARAM];
    Doc().m_undo.SaveState(&Doc());  // the element, added by hand, in the saved state
    ASSERT_TRUE(Doc().DoSave(m_app.Path("message.dfb")));

    Simulate();
    Click(BlockCentre(pIn));
    Paint();
    auto* pSheet = static_cast<CAllDisplayMsgTxts*>(View()->MsgTextDisplay().GetDisplay());
    ASSERT_NE(pSheet, nullptr);
    CLcdCanvas& grid = pSheet->GetDisplayPage(pSheet->GetActiveIndex())->m_grid;
    const CPoint ptElement = static_cast<CWidget*>(grid.m_arrWidgets[0].GetAt(0))->m_rect.CenterPoint();
    for (QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease, QEvent::MouseButtonDblClick,
                              QEvent::MouseButtonRelease})
        Mouse(type, ptElement, Qt::LeftButton, type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
              &grid);
    ASSERT_NE(grid.m_pParamPopup, nullptr);
    QtTypeText(QtWidgetOf(*grid.m_pParamPopup->GetDlgItem(IDC_IPP_VALUE)), "42\r");
    EXPECT_EQ(grid.m_pParamPopup, nullptr);
    EXPECT_EQ(pCounter->m_nParam[COUNTER_ON_PARAM], 42);
    EXPECT_TRUE(Doc().IsModified());

    Simulate();
    Key(Qt::Key_Z, Qt::ControlModifier);
    EXPECT_EQ(Doc().FindBlockByNumber(nCounter)->m_nParam[COUNTER_ON_PARAM], nOnBefore);
    EXPECT_FALSE(Doc().IsModified()) << "back at the saved diagram";
}

// The wheel turns what lies under the pointer: over the palette the palette scrolls, and the
// diagram, which has the keyboard, stays where it is; over the diagram the diagram scrolls.
TEST_F(EditingQtTest, TheWheelOverThePaletteScrollsThePaletteNotTheDiagram)
{
    Click(CPoint(200, 200));
    ASSERT_EQ(CWnd::GetFocus(), View());
    ASSERT_NE(Frame()->m_pWorkBox, nullptr);
    auto* pPalette = static_cast<CScrollView*>(Frame()->m_pWorkBox->GetActiveView());
    ASSERT_NE(pPalette, nullptr);
    ASSERT_GT(pPalette->GetScrollLimit().cy, 0);
    ASSERT_GT(View()->GetScrollLimit().cy, 0);

    WheelDown(QtWidgetOf(*pPalette));
    EXPECT_EQ(View()->GetScrollPosition(), CPoint(0, 0));
    EXPECT_GT(pPalette->GetScrollPosition().y, 0);
    WheelDown(m_pWidget);
    EXPECT_GT(View()->GetScrollPosition().y, 0);
}

// While the mouse is held, the picture shows the edit in progress: the selection band framed in
// dark red, and the wire being drawn as a line that turns once to reach the mouse, inverting the
// base below it.
TEST_F(EditingQtTest, TheBandAndTheWireInProgressShowWhileTheButtonIsHeld)
{
    CBlockObj* pIn = PlaceAt(BT_IN, CPoint(100, 80));
    Frame()->SendMessage(WM_PALETTE_SELECT, 0, 0);
    ASSERT_EQ(View()->EditMode(), EDIT_MODE_SELECT);
    const QColor base = Paint().pixelColor(QPoint(300, 300) + Offset());

    Press(CPoint(300, 250));
    MoveHeld(CPoint(360, 300));
    MoveHeld(CPoint(400, 330));
    QImage image = Paint();
    EXPECT_EQ(image.pixelColor(QPoint(300, 290) + Offset()), QColor(128, 0, 0)) << "left edge";
    EXPECT_EQ(image.pixelColor(QPoint(350, 250) + Offset()), QColor(128, 0, 0)) << "top edge";
    EXPECT_EQ(image.pixelColor(QPoint(350, 290) + Offset()), base) << "inside";
    Release(CPoint(400, 330));
    EXPECT_EQ(Paint().pixelColor(QPoint(300, 290) + Offset()), base) << "gone with the release";

    ChooseFromPalette(BT_AND);
    const CPoint ptPin = PinCentre(pIn, BLOCK_FIRST_OUTPUT);
    Press(ptPin);
    MoveHeld(ptPin + CPoint(30, 20));
    MoveHeld(ptPin + CPoint(60, 40));
    image = Paint();
    const QColor inverted(255 - base.red(), 255 - base.green(), 255 - base.blue());
    EXPECT_EQ(image.pixelColor(QPoint(ptPin.x + 30, ptPin.y) + Offset()), inverted) << "along the pin's row";
    EXPECT_EQ(image.pixelColor(QPoint(ptPin.x + 60, ptPin.y + 20) + Offset()), inverted) << "down to the mouse";
    EXPECT_EQ(image.pixelColor(QPoint(ptPin.x + 30, ptPin.y + 20) + Offset()), base) << "never across";
    Release(ptPin + CPoint(60, 40));
    EXPECT_EQ(View()->WireTool().IsDrawing(), FALSE) << "a release on empty ground abandons the wire";
    EXPECT_TRUE(Doc().m_lineList.IsEmpty());
    EXPECT_EQ(Paint().pixelColor(QPoint(ptPin.x + 30, ptPin.y) + Offset()), base);
}

// Tile resizes the diagram behind the active one: its window shows the diagram at once, not an
// empty picture, although only the active diagram draws as it is edited.
TEST_F(EditingQtTest, ADiagramBehindTheActiveOneShowsItsPictureWhenTiled)
{
    CBlockObj* pAnd = PlaceAt(BT_AND, CPoint(100, 80));
    CVetlaView* pFirst = View();
    QWidget* pFirstWidget = m_pWidget;
    const CPoint ptBody = pAnd->m_ptPos + CPoint(pAnd->m_nWidth / 2, 2);
    const QColor body = Paint().pixelColor(QPoint(ptBody.x, ptBody.y) + Offset());
    const QColor page = Paint().pixelColor(QPoint(300, 300) + Offset());
    ASSERT_NE(body, page);

    Frame()->SendMessage(WM_COMMAND, ID_FILE_NEW);
    ASSERT_NE(View(), pFirst);
    Frame()->SendMessage(WM_COMMAND, ID_WINDOW_TILE_HORZ);
    ASSERT_NE(Frame()->GetActiveView(), pFirst);
    CRect rcClient;
    pFirst->GetClientRect(rcClient);
    const QPoint offset = Offset(*pFirst);
    pFirstWidget->repaint();
    const QImage image = pFirstWidget->grab().toImage();
    EXPECT_EQ(image.pixelColor(QPoint(ptBody.x, ptBody.y) + offset), body) << "the AND's body";
    EXPECT_EQ(image.pixelColor(QPoint(20, rcClient.Height() - 5) + offset), page) << "the page";
}

} // namespace

// In a running ladder a click on a contact whose operand runs in frequency mode (as its sheet
// keeps it) opens the value popup; a press the view catches over an open sheet focuses that.
TEST_F(EditingQtTest, AFrequencyContactOpensTheValuePopupAndAPressOverASheetFocusesIt)
{
    Frame()->SendMessage(WM_COMMAND, ID_FILE_NEW_LAD);
    m_pWidget = QtWidgetOf(*View());
    CBlockObj* pContact = View()->CreateBlockObject(BT_MAKE);
    std::tie(pContact->m_ptPos, pContact->m_nOperand) = std::tuple(CPoint(100, 60), NUM_INPUT);
    Doc().AddBlock(pContact);
    Doc().m_mapOperandSim.SetAt(NUM_INPUT, OperandSimRecord{1, 0, 0, 9999, SIM_INPUT_FREQUENCY});
    Simulate();
    const CPoint ptContact = BlockCentre(pContact);
    Click(ptContact);
    EXPECT_EQ(View()->Simulation().PopupBlock(), pContact);

    Mouse(QEvent::MouseButtonPress, ptContact, Qt::RightButton, Qt::RightButton);
    Frame()->SendMessage(WM_COMMAND, ID_EDIT_BLOCK_PROPERTIES);
    CWnd* pSheet = View()->OpenLadSheets().Find(pContact->m_nNumber);
    ASSERT_NE(pSheet, nullptr);
    CRect rcSheet;
    CRect rcClient;
    pSheet->GetWindowRect(rcSheet);
    View()->GetClientRect(rcClient);
    View()->ClientToScreen(rcClient);
    rcSheet &= rcClient;
    CPoint ptOverSheet(rcSheet.right - 10, rcSheet.bottom - 10);
    View()->ScreenToClient(&ptOverSheet);
    Press(ptOverSheet);
    EXPECT_TRUE(CWnd::GetFocus() == pSheet || pSheet->IsChild(CWnd::GetFocus()));
}
