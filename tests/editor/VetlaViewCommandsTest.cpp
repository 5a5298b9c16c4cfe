// The view's context menus, chosen by right clicks sent as mouse messages and WM_CONTEXTMENU,
// and its smaller commands sent as WM_COMMAND through the main frame: Insert Comments,
// Selection, the colour options, Go To Block and the state of the transfer commands.
#include "editor/DiagramConsistency.h"
#include "editor/DiagramWindow.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockTypes.h"
#include "editor/SelectBlockDlg.h"
#include "platform/ui/Button.h"
#include "platform/ui/ColorDialog.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/MessageQueue.h"
#include "protocol/PlcOperation.h"

#include <functional>
#include <vector>

namespace {

class ViewCommandsTest : public DiagramWindow {
protected:
    CConnectLineObj* Connect(CBlockObj* pFrom, CBlockObj* pTo, int nToPin = 0)
    {
        return View()->WireTool().ConnectPins(PinCentre(pFrom, BLOCK_FIRST_OUTPUT), pFrom, BLOCK_FIRST_OUTPUT,
                                   PinCentre(pTo, nToPin), pTo, nToPin);
    }
    // A point on the wire's middle segment.
    static CPoint OnWire(const CConnectLineObj* pLine)
    {
        const INT_PTR n = pLine->m_arrVertices.GetSize();
        const CPoint a = pLine->m_arrVertices[n / 2 - 1];
        const CPoint b = pLine->m_arrVertices[n / 2];
        return CPoint((a.x + b.x) / 2, (a.y + b.y) / 2);
    }
    // A modal dialog of the command gets the actions and then the closing button.
    void OnDialog(const std::function<void(CDialog&)>& actions, UINT nClose = IDOK)
    {
        CDialog::SetDialogHook([actions, nClose](CDialog& d) {
            actions(d);
            d.PostMessage(WM_COMMAND, MAKEWPARAM(nClose, BN_CLICKED), 0);
        });
    }
    std::vector<CBlockObj*> SelectedBlocks() const
    {
        return diagram_consistency::ListOf<CBlockObj>(View()->Selection().Blocks());
    }
};

constexpr UINT kOwnerDrawn = MF_OWNERDRAW;

TEST_F(ViewCommandsTest, ARightClickOnEmptySpaceOffersSelectionPasteAndSelectAll)
{
    Block(BT_AND, 300, 300);
    RightClick(CPoint(40, 40));
    ASSERT_EQ(m_nPopups, 1);
    EXPECT_EQ(ShownCommands(), (std::vector<UINT>{ID_EDIT_SELECTION, ID_EDIT_PASTE, ID_EDIT_SELECT_ALL}));
    EXPECT_TRUE(ShownFlags(ID_EDIT_PASTE) & kOwnerDrawn);
    EXPECT_FALSE(ShownFlags(ID_EDIT_SELECTION) & kOwnerDrawn);
    EXPECT_EQ(m_pPopupOwner, Frame()) << "the top-level frame owns the menu and draws its items";
    CPoint ptScreen(40, 40);
    View()->ClientToScreen(&ptScreen);
    EXPECT_EQ(m_ptPopup, ptScreen);
}

TEST_F(ViewCommandsTest, ARightClickOnABlockOrACommentOffersPropertiesAndTheEditCommands)
{
    CBlockObj* pAnd = Block(BT_AND, 300, 300);
    auto* pComment = new CBlockComment;
    pComment->m_nLeft = 100;
    pComment->m_nTop = 100;
    pComment->m_nBoxWidth = 80;
    pComment->m_nBoxHeight = 30;
    Doc().AddComment(pComment);
    for (const CPoint pt : {CPoint(120, 110), BlockCentre(pAnd)}) {
        RightClick(pt);
        EXPECT_EQ(ShownCommands(), (std::vector<UINT>{ID_EDIT_BLOCK_PROPERTIES, ID_EDIT_CUT, ID_EDIT_COPY,
                                                      ID_EDIT_CLEAR, ID_EDIT_SELECT_ALL}));
        for (UINT nID : {ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_CLEAR})
            EXPECT_TRUE(ShownFlags(nID) & kOwnerDrawn) << nID;
        EXPECT_FALSE(ShownFlags(ID_EDIT_BLOCK_PROPERTIES) & kOwnerDrawn);
    }
    EXPECT_EQ(SelectedBlocks(), (std::vector<CBlockObj*>{pAnd}));
}

TEST_F(ViewCommandsTest, WithTwoObjectsSelectedARightClickOnEitherOffersCutCopyDelete)
{
    CBlockObj* pAnd = Block(BT_AND, 300, 300);
    CBlockObj* pOr = Block(BT_OR, 500, 300);
    for (CBlockObj* pBlock : {pAnd, pOr}) {
        View()->Selection().Add(pBlock);
    }
    for (CBlockObj* pBlock : {pAnd, pOr}) {
        RightClick(BlockCentre(pBlock));
        EXPECT_EQ(ShownCommands(), (std::vector<UINT>{ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_CLEAR, ID_EDIT_SELECT_ALL}));
    }
}

TEST_F(ViewCommandsTest, ARightClickOnAWireOffersSeparate)
{
    CBlockObj* pIn = Block(BT_IN, 40, 100);
    CBlockObj* pAnd = Block(BT_AND, 300, 200);
    CConnectLineObj* pLine = Connect(pIn, pAnd);
    RightClick(OnWire(pLine));
    EXPECT_EQ(ShownCommands(), (std::vector<UINT>{ID_WIRE_SEPARATE, ID_EDIT_CLEAR, ID_EDIT_SELECT_ALL}));
    EXPECT_TRUE(ShownFlags(ID_EDIT_CLEAR) & kOwnerDrawn);
    EXPECT_EQ(View()->CurrentLine(), pLine);
}

TEST_F(ViewCommandsTest, ConnectorPairsOfferJoinAndGoToPartner)
{
    CBlockObj* pIn = Block(BT_IN, 40, 100);
    CBlockObj* pAnd = Block(BT_AND, 500, 300);
    CConnectLineObj* pLine = Connect(pIn, pAnd);
    View()->Selection().Clear(SELECTION_ALL);
    View()->Selection().Add(pLine);
    View()->SetCurrentObjects(nullptr, pLine, nullptr);
    View()->SeparateLine();
    ASSERT_EQ(Doc().m_lineList.GetCount(), 2) << "the wire is now a connector pair";
    View()->Selection().Clear(SELECTION_ALL);
    CBlockObj* pMale = Doc().FindBlockByNumber(NUM_MALE);
    ASSERT_NE(pMale, nullptr);
    CConnectLineObj* pIntoMale = Doc().FindLineToConnector(pMale);
    ASSERT_NE(pIntoMale, nullptr);

    RightClick(OnWire(pIntoMale));
    EXPECT_EQ(ShownCommands(), (std::vector<UINT>{ID_WIRE_JOIN, ID_EDIT_CLEAR, ID_EDIT_SELECT_ALL}));
    EXPECT_EQ(View()->CurrentBlock(), nullptr);
    EXPECT_TRUE(View()->Selection().Blocks().IsEmpty());

    RightClick(BlockCentre(pMale));
    EXPECT_EQ(ShownCommands(), (std::vector<UINT>{ID_GOTO_PARTNER, ID_WIRE_JOIN, ID_EDIT_CLEAR, ID_EDIT_SELECT_ALL}));
    EXPECT_EQ(View()->CurrentLine(), nullptr);
    EXPECT_TRUE(View()->Selection().Lines().IsEmpty());
    EXPECT_EQ(SelectedBlocks(), (std::vector<CBlockObj*>{pMale}));
    EXPECT_TRUE(DiagramIsConsistent(Doc(), View()));
}

TEST_F(ViewCommandsTest, NoMenuWithoutACurrentObjectOfTheKindHit)
{
    View()->SetCurrentObjects(nullptr, nullptr, nullptr);
    for (int ContextHits::*pHit : {&ContextHits::bBlock, &ContextHits::bLine, &ContextHits::bComment}) {
        ContextHits hits{0, 0, 0};
        hits.*pHit = 1;
        View()->SetContextMenuHits(hits);
        View()->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(View()), MAKELPARAM(10, 10));
    }
    EXPECT_EQ(m_nPopups, 0);
}

TEST_F(ViewCommandsTest, AMenuAskedForFromTheKeyboardOpensAtTheLastPress)
{
    RightClick(CPoint(70, 90));
    View()->SendMessage(WM_CONTEXTMENU, reinterpret_cast<WPARAM>(View()), MAKELPARAM(0xFFFF, 0xFFFF));
    CPoint ptScreen(70, 90);
    View()->ClientToScreen(&ptScreen);
    EXPECT_EQ(m_nPopups, 2);
    EXPECT_EQ(m_ptPopup, ptScreen);
}

TEST_F(ViewCommandsTest, TheChosenItemArrivesAsACommand)
{
    CBlockObj* pIn = Block(BT_IN, 40, 100);
    CBlockObj* pAnd = Block(BT_AND, 300, 200);
    Connect(pIn, pAnd);
    m_nPick = ID_EDIT_SELECT_ALL;
    RightClick(CPoint(600, 600));
    EXPECT_EQ(View()->Selection().Blocks().GetCount(), 2);
    EXPECT_EQ(View()->Selection().Lines().GetCount(), 1);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), View()));

    Command(ID_INSERT_COMMENTS);
    m_nPick = ID_EDIT_SELECTION;
    RightClick(CPoint(600, 600));
    EXPECT_EQ(View()->EditMode(), EDIT_MODE_SELECT);
}

TEST_F(ViewCommandsTest, InsertCommentsTwiceReturnsToSelectAndEndsASimulationFirst)
{
    Block(BT_IN, 40, 100);
    EXPECT_TRUE(State(ID_INSERT_COMMENTS).bEnabled) << "the view's state, not the frame's";
    Command(ID_INSERT_COMMENTS);
    EXPECT_EQ(View()->EditMode(), EDIT_MODE_INSERT_COMMENT);
    EXPECT_EQ(GetCursor(), AfxLoadCursor(232));
    EXPECT_EQ(State(ID_INSERT_COMMENTS).nCheck, 1);
    Command(ID_INSERT_COMMENTS);
    EXPECT_EQ(View()->EditMode(), EDIT_MODE_SELECT);
    EXPECT_EQ(State(ID_INSERT_COMMENTS).nCheck, 0);

    Command(ID_TOOLS_SIMULATION);
    ASSERT_EQ(g_pSimulatingView, View());
    Command(ID_INSERT_COMMENTS);
    EXPECT_EQ(View()->EditMode(), EDIT_MODE_INSERT_COMMENT);
    EXPECT_EQ(g_pSimulatingView, nullptr);
    EXPECT_EQ(Doc().m_bSimulating, 0);
}

TEST_F(ViewCommandsTest, TheColourOptionsShowTheirCaptionAndKeepTheChoiceOnOk)
{
    CString strCaption;
    COLORREF crShown = 0;
    OnDialog([&](CDialog& d) {
        d.GetWindowText(strCaption);
        crShown = RGB(BYTE(d.GetDlgItemInt(int(IDC_COLOR_RED))), BYTE(d.GetDlgItemInt(int(IDC_COLOR_GREEN))),
                      BYTE(d.GetDlgItemInt(int(IDC_COLOR_BLUE))));
        d.SetDlgItemText(int(IDC_COLOR_RED), _T("255"));
    });
    Command(ID_OPTIONS_WIRE_COLOR);
    EXPECT_EQ(strCaption.ToUtf8(), "Set the linked line color");
    EXPECT_EQ(crShown, RGB(0, 0, 0));
    EXPECT_EQ(View()->GetWireColour(), RGB(255, 0, 0));

    Command(ID_OPTIONS_BG_COLOR);
    EXPECT_EQ(strCaption.ToUtf8(), "Set the logic view background color");
    EXPECT_EQ(crShown, VIEW_COLOUR_BACKGROUND);
    EXPECT_EQ(View()->GetBackgroundColour(), RGB(255, 180, 180));

    OnDialog([](CDialog& d) { d.SetDlgItemText(int(IDC_COLOR_GREEN), _T("7")); }, IDCANCEL);
    Command(ID_OPTIONS_WIRE_COLOR);
    EXPECT_EQ(View()->GetWireColour(), RGB(255, 0, 0)) << "Cancel keeps the colour";
}

TEST_F(ViewCommandsTest, GoToBlockCentresTheChosenBlockAndSelectsItAlone)
{
    View()->SetPageLayout(4, 4);
    CBlockObj* pFar = Block(BT_AND, 2000, 1500);
    CBlockObj* pNear = Block(BT_OR, 40, 40);
    View()->Selection().Add(pNear);
    View()->SetCurrentObjects(pNear, nullptr, nullptr);
    OnDialog([](CDialog& d) { d.SetDlgItemText(int(IDC_SELECT_BLOCK_FIND), _T("b0")); }, IDCANCEL);
    Command(ID_EDIT_GOTO_BLOCK);
    EXPECT_EQ(SelectedBlocks(), (std::vector<CBlockObj*>{pFar}));
    EXPECT_EQ(View()->CurrentBlock(), nullptr);
    CRect rcClient;
    View()->GetClientRect(rcClient);
    const CSize limit = View()->GetScrollLimit();
    EXPECT_EQ(View()->GetScrollPosition(), CPoint(std::clamp(2000 - rcClient.Width() / 2, 0, int(limit.cx)),
                                                  std::clamp(1500 - rcClient.Height() / 2, 0, int(limit.cy))));
    EXPECT_TRUE(DiagramIsConsistent(Doc(), View()));

    // Under a zoom the block's point is scaled to the window's pixels.
    View()->SetZoom(0.5f);
    View()->UpdateScrollSizes();
    View()->GoToBlock(pFar->m_nNumber);
    const CSize zoomedLimit = View()->GetScrollLimit();
    EXPECT_EQ(View()->GetScrollPosition(), CPoint(std::clamp(1000 - rcClient.Width() / 2, 0, int(zoomedLimit.cx)),
                                                  std::clamp(750 - rcClient.Height() / 2, 0, int(zoomedLimit.cy))));
    View()->GoToBlock(12345);
    EXPECT_EQ(SelectedBlocks(), (std::vector<CBlockObj*>{pFar})) << "no such block: nothing changes";
}

TEST_F(ViewCommandsTest, TheTransferCommandsPostTheirOperationToTheMainWindow)
{
    const struct {
        UINT nID;
        int nOperation;
    } commands[] = {
        {ID_PLC_DOWNLOAD, PLC_OP_DOWNLOAD},       {ID_PLC_UPLOAD, PLC_OP_UPLOAD},
        {ID_PLC_RUNSTOP, PLC_OP_RUNSTOP},         {ID_PLC_CLOCK, PLC_OP_CLOCK},
        {ID_PLC_SUMMER_TIME, PLC_OP_SUMMER_TIME}, {ID_PLC_WIFI_SETUP, PLC_OP_WIFI_SETUP},
        {ID_PLC_REMOTE_WIFI_SETUP, PLC_OP_REMOTE_WIFI_SETUP},
    };
    for (const auto& command : commands) {
        EXPECT_TRUE(State(command.nID).bEnabled) << command.nID;
        View()->SendMessage(WM_COMMAND, command.nID);
        // The view only posts: the operation runs when the main window takes the message.
        std::vector<MSG> posted;
        for (MSG msg; CMessageQueue::Get().Take(msg);)
            posted.push_back(msg);
        ASSERT_EQ(posted.size(), 1U) << command.nID;
        EXPECT_EQ(posted[0].hwnd, Frame()->GetSafeHwnd());
        EXPECT_EQ(posted[0].message, WM_PLC_COMMAND);
        EXPECT_EQ(int(posted[0].wParam), command.nOperation);
        EXPECT_EQ(posted[0].lParam, 0);
    }
    EXPECT_TRUE(State(ID_EDIT_GOTO_BLOCK).bEnabled);
    EXPECT_TRUE(State(ID_OPTIONS_WIRE_COLOR).bEnabled);
}

TEST_F(ViewCommandsTest, SaveAllFilesOnlySaysSoAndAddSystemTimePageWantsBlocks)
{
    EXPECT_FALSE(State(ID_ADD_SYSTEM_TIME_PAGE).bEnabled);
    Command(ID_FILE_SAVE_ALL);
    ASSERT_EQ(m_boxes.Boxes().size(), 1U);
    EXPECT_EQ(m_boxes.Boxes()[0].text, CString(_T("Save All Files!")));
    EXPECT_EQ(m_boxes.Boxes()[0].type & 0xF, UINT(MB_OK));
    EXPECT_FALSE(Doc().IsModified());

    Block(BT_AND, 300, 300);
    EXPECT_TRUE(State(ID_ADD_SYSTEM_TIME_PAGE).bEnabled);
    const INT_PTR nBlocks = Doc().m_blockList.GetCount();
    Command(ID_ADD_SYSTEM_TIME_PAGE);
    EXPECT_EQ(Doc().m_blockList.GetCount(), nBlocks);
    EXPECT_EQ(m_boxes.Boxes().size(), 1U);
}

} // namespace
