// The keys of the diagram view, sent as WM_KEYDOWN and WM_SYSKEYDOWN to a view in its window:
// Escape, the scroll keys, the arrows that move the selection and the function keys that post
// the mode commands.
#include "editor/DiagramConsistency.h"
#include "editor/DiagramWindow.h"

#include "blocks/BlockTypes.h"
#include "platform/ui/FrameIds.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

class ViewKeysTest : public DiagramWindow {
protected:
    void Select(CBlockObj* pBlock) { View()->Selection().Add(pBlock); }
    // The next posted message, taken off the queue without dispatching it.
    static std::optional<MSG> TakePosted()
    {
        MSG msg = {};
        if (!CMessageQueue::Get().HasPosted() || !CMessageQueue::Get().Take(msg))
            return std::nullopt;
        return msg;
    }
    // Starts a wire at the output pin of the block as the wire tool's first click does.
    void StartWire(CBlockObj* pFrom)
    {
        const CPoint pt = PinCentre(pFrom, BLOCK_FIRST_OUTPUT);
        EnterMode(EDIT_MODE_CONNECT);
        View()->WireTool().ClickAt(pt.x, pt.y);
        ASSERT_EQ(View()->WireTool().IsDrawing(), TRUE);
    }
    // The balloon tip's delay runs out and its timer is delivered.
    void WaitForTip()
    {
        m_clock.Advance(CBalloonTipWnd::SHOW_DELAY);
        Pump();
    }
};

TEST_F(ViewKeysTest, EscapeAbandonsAHalfDrawnWireAndReturnsToSelect)
{
    CBlockObj* pIn = Block(BT_IN, 40, 100);
    Block(BT_AND, 200, 100);
    StartWire(pIn);
    Key(VK_ESCAPE);
    EXPECT_EQ(View()->WireTool().IsDrawing(), FALSE);
    EXPECT_EQ(View()->EditMode(), EDIT_MODE_SELECT);
    EXPECT_TRUE(Doc().m_lineList.IsEmpty());
    EXPECT_TRUE(DiagramIsConsistent(Doc(), View()));
}

// The pin tip of the last hover goes with the tool when Escape ends it while the mouse rests:
// shown already, or still waiting for its delay.
TEST_F(ViewKeysTest, EscapeHidesThePinTipOfTheToolItEnds)
{
    CBlockObj* pIn = Block(BT_IN, 40, 100);
    CBlockObj* pAnd = Block(BT_AND, 200, 100);
    const CPoint ptPin = PinCentre(pAnd, 0);
    CBalloonTipWnd& tip = View()->WireTool().Tip();
    const struct {
        const char* pszTool;
        std::function<void()> start;
    } tools[] = {
        {"connect, wire in progress", [&] { StartWire(pIn); }},
        {"connect, no wire", [&] { EnterMode(EDIT_MODE_CONNECT); }},
        {"insert", [&] { EnterMode(EDIT_MODE_INSERT, BT_AND); }},
        {"select", [&] { EnterMode(EDIT_MODE_SELECT); }},
    };
    for (const auto& tool : tools) {
        for (const bool bShown : {true, false}) {
            SCOPED_TRACE(std::string(tool.pszTool) + (bShown ? ", tip shown" : ", tip pending"));
            tool.start();
            View()->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptPin.x, ptPin.y));
            ASSERT_EQ(tip.GetText(), CString(_T("In1")));
            if (bShown)
                WaitForTip();
            ASSERT_EQ(tip.IsWindowVisible(), bShown);
            Key(VK_ESCAPE);
            EXPECT_FALSE(tip.IsWindowVisible());
            EXPECT_FALSE(tip.IsShowPending());
            WaitForTip();
            EXPECT_FALSE(tip.IsWindowVisible()) << "a tip that was waiting shows no more";
            EXPECT_EQ(View()->EditMode(), EDIT_MODE_SELECT);
        }
    }
}

// A pin's tip points at a place on the screen: once the diagram scrolls under the resting mouse
// (a scroll key, the wheel, the scroll bar) it points at nothing and goes.
TEST_F(ViewKeysTest, ScrollingTheDiagramHidesThePinTip)
{
    View()->SetPageLayout(1, 6);
    CBlockObj* pAnd = Block(BT_AND, 200, 100);
    const CPoint ptPin = PinCentre(pAnd, 0);
    CBalloonTipWnd& tip = View()->WireTool().Tip();
    const struct {
        const char* pszScroll;
        std::function<void()> scroll;
    } scrolls[] = {
        {"Page Down", [this] { Key(VK_NEXT); }},
        {"the wheel", [this] { View()->SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(SHORT(-WHEEL_DELTA))), 0); }},
        {"the scroll bar", [this] { View()->SendMessage(WM_VSCROLL, SB_LINEDOWN); }},
    };
    for (const auto& s : scrolls) {
        SCOPED_TRACE(s.pszScroll);
        View()->ScrollToPosition(CPoint(0, 0));
        View()->SendMessage(WM_MOUSEMOVE, 0, MAKELPARAM(ptPin.x, ptPin.y));
        WaitForTip();
        ASSERT_TRUE(tip.IsWindowVisible());
        s.scroll();
        ASSERT_GT(View()->GetScrollPosition().y, 0);
        EXPECT_FALSE(tip.IsWindowVisible());
        EXPECT_FALSE(tip.IsShowPending());
    }
}

TEST_F(ViewKeysTest, EscapeEndsASimulationAndTheCaptureAndShowsTheArrow)
{
    Block(BT_IN, 40, 100);
    Command(ID_TOOLS_SIMULATION);
    ASSERT_EQ(View()->EditMode(), EDIT_MODE_SIMULATE);
    View()->SetCapture();
    SetCursor(AfxLoadCursor(232));
    Key(VK_ESCAPE);
    EXPECT_EQ(View()->EditMode(), EDIT_MODE_SELECT);
    EXPECT_EQ(g_pSimulatingView, nullptr);
    EXPECT_EQ(Doc().m_bSimulating, 0);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
    EXPECT_EQ(GetCursor(), AfxLoadStandardCursor(IDC_ARROW));
}

TEST_F(ViewKeysTest, PageKeysScrollByAPageAndCtrlHomeEndToTheEnds)
{
    View()->SetPageLayout(1, 6);
    const CSize limit = View()->GetScrollLimit();
    ASSERT_GT(limit.cy, 0);
    Key(VK_NEXT);
    const int nPage = View()->GetScrollPosition().y;
    EXPECT_GT(nPage, 0);
    Key(VK_NEXT);
    EXPECT_EQ(View()->GetScrollPosition().y, std::min(2 * nPage, int(limit.cy)));
    Key(VK_PRIOR);
    EXPECT_EQ(View()->GetScrollPosition().y, std::min(2 * nPage, int(limit.cy)) - nPage);
    Key(VK_END);
    EXPECT_EQ(View()->GetScrollPosition().y, std::min(2 * nPage, int(limit.cy)) - nPage) << "End alone";
    CtrlKey(VK_END);
    EXPECT_EQ(View()->GetScrollPosition().y, limit.cy);
    Key(VK_HOME);
    EXPECT_EQ(View()->GetScrollPosition().y, limit.cy) << "Home alone";
    CtrlKey(VK_HOME);
    EXPECT_EQ(View()->GetScrollPosition().y, 0);
}

TEST_F(ViewKeysTest, ArrowsMoveTheSelectionOneUnitAndItsWiresFollow)
{
    CBlockObj* pIn = Block(BT_IN, 40, 100);
    CBlockObj* pAnd = Block(BT_AND, 200, 140);
    CBlockObj* pOther = Block(BT_OR, 400, 140);
    View()->WireTool().ConnectPins(PinCentre(pIn, BLOCK_FIRST_OUTPUT), pIn, BLOCK_FIRST_OUTPUT, PinCentre(pAnd, 0), pAnd, 0);
    for (UINT nKey : {VK_LEFT, VK_RIGHT, VK_UP, VK_DOWN})
        Key(nKey);
    EXPECT_EQ(pAnd->m_ptPos, CPoint(200, 140)) << "nothing selected, nothing moves";
    Select(pAnd);
    Key(VK_RIGHT);
    EXPECT_EQ(pAnd->m_ptPos, CPoint(201, 140));
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(pAnd->m_ptPos, CPoint(201, 142));
    Key(VK_LEFT);
    Key(VK_UP);
    EXPECT_EQ(pAnd->m_ptPos, CPoint(200, 141));
    EXPECT_EQ(pIn->m_ptPos, CPoint(40, 100));
    EXPECT_EQ(pOther->m_ptPos, CPoint(400, 140));
    EXPECT_TRUE(DiagramIsConsistent(Doc(), View()));
}

TEST_F(ViewKeysTest, AnArrowThatWouldLeaveThePageIsTakenBack)
{
    // A block with inputs keeps 5 units left of its body on the page.
    CBlockObj* pAnd = Block(BT_AND, 6, 140);
    Select(pAnd);
    Key(VK_LEFT);
    EXPECT_EQ(pAnd->m_ptPos, CPoint(6, 140));
    Key(VK_RIGHT);
    EXPECT_EQ(pAnd->m_ptPos, CPoint(7, 140));
}

// A selection that stands partly off the page already (a connector put beside the left edge by
// an older version) still moves: a step that takes it no further off goes through.
TEST_F(ViewKeysTest, ASelectionOffThePageMovesAlongOrBackOntoIt)
{
    CBlockObj* pOff = Block(BT_AND, 2, 140);  // its left margin of 5 reaches past the edge
    CBlockObj* pOn = Block(BT_OR, 200, 140);
    Select(pOff);
    Select(pOn);
    struct Step {
        UINT nKey;
        CPoint ptOff;  // where the block off the page is afterwards
    };
    const Step steps[] = {
        {VK_DOWN, CPoint(2, 141)},   // along the edge
        {VK_UP, CPoint(2, 140)},
        {VK_LEFT, CPoint(2, 140)},   // further off: taken back
        {VK_RIGHT, CPoint(3, 140)},  // back toward the page
        {VK_RIGHT, CPoint(4, 140)},
    };
    for (const Step& step : steps) {
        Key(step.nKey);
        EXPECT_EQ(pOff->m_ptPos, step.ptOff) << step.nKey;
        EXPECT_EQ(pOn->m_ptPos - pOff->m_ptPos, CSize(198, 0)) << "the selection moves as one";
    }
}

struct CommandKeyCase {
    UINT nKey;
    bool bCtrl;
    UINT nCommand;
    bool bMainWindow;
};

TEST_F(ViewKeysTest, FunctionKeysEndAWireAndPostTheirCommands)
{
    const CommandKeyCase cases[] = {
        {VK_F3, false, ID_TOOLS_SIMULATION, false}, {VK_F5, false, ID_CONNECT, false},
        {VK_F9, false, ID_INSERT_COMMENTS, false},  {VK_F11, false, ID_CUT_JOIN_CONNECTION, false},
        {VK_F4, true, ID_FILE_CLOSE, true},
    };
    CBlockObj* pIn = Block(BT_IN, 40, 100);
    for (const CommandKeyCase& c : cases) {
        StartWire(pIn);
        if (c.bCtrl)
            CtrlKey(c.nKey);
        else
            Key(c.nKey);
        EXPECT_EQ(View()->WireTool().IsDrawing(), FALSE) << c.nKey;
        const std::optional<MSG> msg = TakePosted();
        ASSERT_TRUE(msg) << c.nKey;
        EXPECT_EQ(msg->hwnd, c.bMainWindow ? static_cast<CWnd*>(Frame()) : View()) << c.nKey;
        EXPECT_EQ(msg->message, WM_COMMAND);
        EXPECT_EQ(msg->wParam, c.nCommand);
        EXPECT_FALSE(TakePosted()) << "one command per key";
    }
    EnterMode(EDIT_MODE_SELECT);
    Key(VK_F4);
    EXPECT_FALSE(TakePosted()) << "F4 without Ctrl";
}

// Delete does what Edit > Delete does, and nothing when that command is not offered.
TEST_F(ViewKeysTest, DeleteRemovesTheSelectionAsTheMenuCommandDoes)
{
    CBlockObj* pIn = Block(BT_IN, 40, 100);
    CBlockObj* pAnd = Block(BT_AND, 200, 100);
    Key(VK_DELETE);
    EXPECT_FALSE(TakePosted()) << "nothing selected";
    Select(pAnd);
    Key(VK_DELETE);
    Pump();
    EXPECT_EQ(Doc().m_blockList.GetCount(), 1);
    EXPECT_EQ(Doc().m_blockList.GetHead(), pIn);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), View()));
}

// F5's command can be found without knowing the key: the Tools menu offers it with its key.
TEST_F(ViewKeysTest, ConnectModeIsOnTheToolsMenu)
{
    Block(BT_IN, 40, 100);
    CString strCaption;
    ASSERT_GT(Frame()->GetMenu()->GetMenuString(ID_CONNECT, strCaption, MF_BYCOMMAND), 0);
    EXPECT_EQ(strCaption.ToUtf8(), "Connect\tF5");
    Frame()->SendMessage(WM_COMMAND, ID_CONNECT);
    EXPECT_EQ(View()->EditMode(), EDIT_MODE_CONNECT);
}

TEST_F(ViewKeysTest, PostedKeysTakeEffectWhenTheLoopRunsThem)
{
    Block(BT_IN, 40, 100);
    Key(VK_F3);
    EXPECT_EQ(View()->EditMode(), EDIT_MODE_SELECT) << "posted, not yet run";
    Pump();
    EXPECT_EQ(View()->EditMode(), EDIT_MODE_SIMULATE);
    Key(VK_F9);
    Pump();
    EXPECT_EQ(View()->EditMode(), EDIT_MODE_INSERT_COMMENT) << "the simulation ended first";
    EXPECT_EQ(g_pSimulatingView, nullptr);
    Doc().SetModifiedFlag(FALSE);
    CtrlKey(VK_F4);
    Pump();
    EXPECT_EQ(m_app->GetOpenDocumentCount(), 0);
}

TEST_F(ViewKeysTest, AltClosesTheValuePopup)
{
    CBlockObj* pIn = Block(BT_ANALOG_IN, 200, 100);
    Command(ID_TOOLS_SIMULATION);
    View()->Simulation().OpenValuePopup(pIn, 0, 0);
    ASSERT_NE(View()->Simulation().ValuePopup(), nullptr);
    Key(VK_MENU, WM_SYSKEYDOWN, 1);
    EXPECT_NE(View()->Simulation().ValuePopup(), nullptr) << "without the context bit it is not Alt";
    Key(VK_MENU, WM_SYSKEYDOWN, 1 | (LPARAM(1) << 29));
    EXPECT_EQ(View()->Simulation().ValuePopup(), nullptr);
}

} // namespace
