// Toolbar and status bar in the test application's main frame: layout, update-UI at idle through
// the routing, clicks, the drop-down arrow and pane bookkeeping.
#include "platform/ui/FrameworkFixture.h"

#include "platform/ui/FrameIds.h"
#include "platform/ui/MenuBarWnd.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/ToolBar.h"

namespace {

class BarsTest : public FrameworkTest {
protected:
    void SetUp() override
    {
        FrameworkTest::SetUp();
        StartApp();
        AfxRegisterToolBarResource(IDR_TEST_MAIN,
                                   {16, 15, {ID_FILE_NEW, 0, ID_TEST_VIEW, ID_TEST_UNHANDLED,
                                             ID_TEST_CHECKED}, nullptr});
        m_pStatus = new CStatusBar;
        m_pStatus->m_bAutoDelete = TRUE;
        ASSERT_TRUE(m_pStatus->Create(MainFrame()));
        const UINT indicators[] = {ID_SEPARATOR, ID_TEST_CHECKED, ID_INDICATOR_CAPS};
        m_pStatus->SetIndicators(indicators, 3);
        m_pToolBar = new CToolBar;
        m_pToolBar->m_bAutoDelete = TRUE;
        ASSERT_TRUE(m_pToolBar->CreateEx(MainFrame(), TBSTYLE_FLAT,
                                         WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER));
        ASSERT_TRUE(m_pToolBar->LoadToolBar(IDR_TEST_MAIN));
        MainFrame()->RecalcLayout();
    }

    CPoint Centre(int nIndex) const
    {
        CRect rect;
        m_pToolBar->GetItemRect(nIndex, rect);
        return rect.CenterPoint();
    }

    CStatusBar* m_pStatus = nullptr;
    CToolBar* m_pToolBar = nullptr;
};

}  // namespace

TEST_F(BarsTest, BarsAreLaidOutAroundTheClientArea)
{
    CRect rectFrame, rectMenu, rectTool, rectStatus, rectClient;
    MainFrame()->GetClientRect(rectFrame);
    MainFrame()->GetDlgItem(AFX_IDW_MENU_BAR)->GetWindowRect(rectMenu);
    m_pToolBar->GetWindowRect(rectTool);
    m_pStatus->GetWindowRect(rectStatus);
    MainFrame()->GetMDIClient()->GetWindowRect(rectClient);
    EXPECT_EQ(rectMenu.Height(), CMenuBarWnd::kHeight);
    EXPECT_EQ(rectTool.top, rectMenu.bottom);
    EXPECT_EQ(rectClient.top, rectTool.bottom);
    EXPECT_EQ(rectClient.bottom, rectStatus.top);
    EXPECT_EQ(rectStatus.Height(), CStatusBar::kHeight);
    EXPECT_EQ(rectStatus.Width(), rectFrame.Width());

    MainFrame()->ShowControlBar(m_pToolBar, FALSE, FALSE);
    MainFrame()->GetMDIClient()->GetWindowRect(rectClient);
    EXPECT_EQ(rectClient.top, rectMenu.bottom);
    EXPECT_TRUE(Command(ID_VIEW_TOOLBAR));
    EXPECT_TRUE(m_pToolBar->IsVisible());
}

TEST_F(BarsTest, ButtonsAndPanesFollowTheRoutingAtIdle)
{
    m_pApp->OnIdle(0);
    auto enabled = [&](UINT nID) { return m_pToolBar->SendMessage(TB_ISBUTTONENABLED, nID) != 0; };
    EXPECT_TRUE(enabled(ID_FILE_NEW));
    EXPECT_FALSE(enabled(ID_TEST_VIEW));
    EXPECT_FALSE(enabled(ID_TEST_UNHANDLED));
    EXPECT_TRUE(m_pToolBar->GetButtonState(4) & TBSTATE_CHECKED);
    EXPECT_TRUE(m_pStatus->GetPaneStyle(1) & SBPS_POPOUT);

    Command(ID_FILE_NEW);
    MainFrame()->m_bChecked = FALSE;
    m_pApp->OnIdle(0);
    EXPECT_TRUE(enabled(ID_TEST_VIEW));
    EXPECT_FALSE(m_pToolBar->GetButtonState(4) & TBSTATE_CHECKED);
    EXPECT_FALSE(m_pStatus->GetPaneStyle(1) & SBPS_POPOUT);
}

TEST_F(BarsTest, AClickSendsTheCommandAndTheArrowTheDropDown)
{
    Command(ID_FILE_NEW);
    m_pApp->OnIdle(0);
    const CPoint pt = Centre(2);
    m_pToolBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(pt));
    m_pToolBar->SendMessage(WM_LBUTTONUP, 0, MakePointLParam(pt));
    EXPECT_EQ(RoutingLog(), std::vector<std::string>{"view"});

    // A press that leaves the button before the release does nothing.
    m_pToolBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(pt));
    m_pToolBar->SendMessage(WM_LBUTTONUP, 0, MakePointLParam(Centre(0)));
    EXPECT_EQ(RoutingLog().size(), 1u);

    m_pToolBar->SetExtendedStyle(TBSTYLE_EX_DRAWDDARROWS);
    m_pToolBar->SetButtonStyle(0, TBSTYLE_DROPDOWN);
    CRect rectNew;
    m_pToolBar->GetItemRect(0, rectNew);
    EXPECT_GT(rectNew.Width(), 16 + 7);
    const CPoint ptArrow(rectNew.right - 2, rectNew.CenterPoint().y);
    RECT rectAsked = {};
    EXPECT_TRUE(m_pToolBar->SendMessage(TB_GETRECT, ID_FILE_NEW, reinterpret_cast<LPARAM>(&rectAsked)));
    EXPECT_EQ(CRect(rectAsked), rectNew);
    const int nDocs = m_pApp->GetOpenDocumentCount();
    m_pToolBar->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(ptArrow));
    m_pToolBar->SendMessage(WM_LBUTTONUP, 0, MakePointLParam(ptArrow));
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), nDocs);
}

TEST_F(BarsTest, HiddenButtonsTakeNoRoomAndPanesKeepTheirInfo)
{
    CRect rectBefore, rectShown;
    m_pToolBar->GetItemRect(4, rectBefore);
    m_pToolBar->GetItemRect(3, rectShown);
    EXPECT_GT(rectShown.Width(), 0);
    EXPECT_TRUE(m_pToolBar->SendMessage(TB_HIDEBUTTON, ID_TEST_UNHANDLED, TRUE));
    CRect rectHidden, rectAfter;
    m_pToolBar->GetItemRect(3, rectHidden);
    m_pToolBar->GetItemRect(4, rectAfter);
    EXPECT_TRUE(rectHidden.IsRectEmpty());
    EXPECT_EQ(rectAfter.left, rectBefore.left - rectShown.Width());
    EXPECT_FALSE(m_pToolBar->SendMessage(TB_HIDEBUTTON, 12345, TRUE));

    EXPECT_EQ(m_pStatus->CommandToIndex(ID_INDICATOR_CAPS), 2);
    m_pStatus->SetPaneInfo(2, ID_INDICATOR_CAPS, SBPS_DISABLED, 60);
    UINT nID = 0, nStyle = 0;
    int cx = 0;
    m_pStatus->GetPaneInfo(2, nID, nStyle, cx);
    EXPECT_EQ(nID, ID_INDICATOR_CAPS);
    EXPECT_EQ(nStyle, SBPS_DISABLED);
    EXPECT_EQ(cx, 60);
    CRect rectPane, rectBar;
    m_pStatus->GetItemRect(2, rectPane);
    m_pStatus->GetClientRect(rectBar);
    EXPECT_EQ(rectPane.Width(), 60 + 8);
    EXPECT_LE(rectPane.right, rectBar.right);
    EXPECT_TRUE(m_pStatus->SetPaneText(0, _T("Ready")));
    EXPECT_EQ(m_pStatus->GetPaneText(0), _T("Ready"));
    EXPECT_FALSE(m_pStatus->SetPaneText(3, _T("none")));
}
