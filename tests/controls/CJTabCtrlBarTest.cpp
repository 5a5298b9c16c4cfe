// The tabbed control bar in a frame: its frame and content tables, one view per tab with only the
// selected one shown and enabled, the user's tab changes, and sizing by its one border.
#include "controls/CJTabCtrlBar.h"
#include "platform/ui/ImageList.h"

#include "BarFixture.h"
#include "platform/ui/View.h"

#include <memory>
#include <utility>

namespace {

class CTabTestView : public CView {
    DECLARE_DYNCREATE(CTabTestView)

public:
    void OnDraw(CDC*) override {}
};

IMPLEMENT_DYNCREATE(CTabTestView, CView)

// A bar that records the tab changes the user makes.
class CRecordingTabBar : public CCJTabCtrlBar {
public:
    std::vector<std::pair<int, CView*>> m_selected;

protected:
    void OnTabSelected(int nTab, CView* pView) override { m_selected.emplace_back(nTab, pView); }
};

constexpr UINT kBarID = 101;

CRect Shifted(CRect rect, CPoint pt)
{
    rect.OffsetRect(pt);
    return rect;
}
const LPCTSTR kTitles[] = {_T("BSC"), _T("TMR"), _T("I/O"), _T("Misc")};

class TabBarTest : public BarTest {
protected:
    // The palette's bar: 160 x 200 by default, docked at the left, one view per title.
    void CreateBar(UINT nDockBarID = AFX_IDW_DOCKBAR_LEFT)
    {
        m_pBar = std::make_unique<CRecordingTabBar>();
        ASSERT_TRUE(m_pBar->Create(m_pFrame, kBarID, _T("WorkBox"), CSize(160, 200),
                                 WS_CHILD | WS_VISIBLE | CBRS_TOP));
        for (LPCTSTR lpszTitle : kTitles)
            ASSERT_TRUE(m_pBar->AddView(lpszTitle, RUNTIME_CLASS(CTabTestView)));
        m_pBar->EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(m_pBar.get(), nDockBarID);
    }
    CRecordingTabBar& Bar() const { return *m_pBar; }
    // The user picks a tab in the tab control.
    void ClickTab(int nTab) { Bar().GetTabCtrl().UserSelect(nTab); }
    CRect ChildRect(CWnd& child) const
    {
        CRect rect = WindowRectOf(child);
        Bar().ScreenToClient(rect);
        return rect;
    }
    // The frame itself is never shown in these tests: the views' own styles tell.
    static BOOL ShownAndEnabled(CView* pView)
    {
        return (pView->GetStyle() & WS_VISIBLE) && pView->IsWindowEnabled();
    }
    static BOOL HiddenAndDisabled(CView* pView)
    {
        return !(pView->GetStyle() & WS_VISIBLE) && !pView->IsWindowEnabled();
    }
    // A press on the middle of the sizing border, a move by delta and a release there. The bar
    // follows the drag: each message is given where the cursor then is in the bar.
    void DragBorder(CSize delta)
    {
        const CPoint pt = Bar().GetBorderRect().CenterPoint();
        CPoint ptScreen = pt;
        Bar().ClientToScreen(&ptScreen);
        Press(Bar(), pt);
        ASSERT_TRUE(Bar().IsTracking());
        CPoint ptTarget = ptScreen + delta;
        Bar().ScreenToClient(&ptTarget);
        MoveTo(Bar(), ptTarget);
        ptTarget = ptScreen + delta;
        Bar().ScreenToClient(&ptTarget);
        Release(Bar(), ptTarget);
    }

    void TearDown() override
    {
        m_pBar.reset();
        BarTest::TearDown();
    }

    std::unique_ptr<CRecordingTabBar> m_pBar;
};

TEST(CJControlBarLayout, TheFrameDeflatesTheContentAndPutsTheBorderTowardTheMiddle)
{
    const CSize size(160, 300);
    struct Case {
        UINT nDockBarID;
        CRect rcBorder;
        CRect rcClient;
    };
    const Case cases[] = {
        {AFX_IDW_DOCKBAR_TOP, CRect(1, 293, 159, 299), CRect(2, 2, 158, 292)},
        {AFX_IDW_DOCKBAR_LEFT, CRect(153, 1, 159, 299), CRect(2, 2, 152, 294)},
        {AFX_IDW_DOCKBAR_RIGHT, CRect(1, 1, 7, 299), CRect(8, 2, 158, 294)},
        {AFX_IDW_DOCKBAR_BOTTOM, CRect(1, 1, 159, 7), CRect(2, 8, 158, 298)},
        {AFX_IDW_DOCKBAR_FLOAT, CRect(), CRect(0, 0, 160, 300)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.nDockBarID);
        const CCJControlBar::NcLayout layout = CCJControlBar::CalcNcLayout(size, c.nDockBarID, 6);
        EXPECT_EQ(layout.rcBorder, c.rcBorder);
        EXPECT_EQ(layout.rcClient, c.rcClient);
    }
    // A bar too small for its frame keeps an empty content rectangle, never an inverted one.
    const CRect rcTiny = CCJControlBar::CalcNcLayout(CSize(5, 5), AFX_IDW_DOCKBAR_LEFT, 6).rcClient;
    EXPECT_TRUE(rcTiny.IsRectEmpty());
    EXPECT_GE(rcTiny.Width(), 0);
    EXPECT_GE(rcTiny.Height(), 0);
}

TEST(CJTabCtrlBarLayout, TheTabControlAndTheViewsFollowTheDockSide)
{
    const CSize size(160, 300);
    struct Case {
        UINT nDockBarID;
        CRect rcTab;   // x, y, width, height as CRect(x, y, x + w, y + h)
        CRect rcView;
    };
    const Case cases[] = {
        {AFX_IDW_DOCKBAR_FLOAT, CRect(5, 5, 155, 298), CRect(8, 8, 152, 274)},
        {AFX_IDW_DOCKBAR_TOP, CRect(17, 5, 152, 288), CRect(20, 8, 149, 264)},
        {AFX_IDW_DOCKBAR_BOTTOM, CRect(17, 5, 152, 288), CRect(20, 8, 149, 264)},
        {AFX_IDW_DOCKBAR_LEFT, CRect(5, 20, 148, 289), CRect(8, 23, 145, 265)},
        {AFX_IDW_DOCKBAR_RIGHT, CRect(5, 20, 148, 289), CRect(8, 23, 145, 265)},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.nDockBarID);
        const CCJTabCtrlBar::TabLayout layout = CCJTabCtrlBar::CalcTabLayout(size, c.nDockBarID);
        EXPECT_EQ(layout.rcTab, c.rcTab);
        EXPECT_EQ(layout.rcView, c.rcView);
    }
}

TEST_F(TabBarTest, TheFirstViewIsShownAndTheOthersWaitHiddenAndDisabled)
{
    CreateBar();
    ASSERT_EQ(Bar().GetViewCount(), 4);
    EXPECT_EQ(Bar().GetTabCtrl().GetItemCount(), 4);
    EXPECT_EQ(Bar().GetTabCtrl().GetCurSel(), 0);
    EXPECT_EQ(Bar().GetActiveTab(), 0);
    EXPECT_EQ(Bar().GetActiveView(), Bar().GetView(0));
    EXPECT_TRUE(ShownAndEnabled(Bar().GetView(0)));
    for (int i = 1; i < 4; ++i) {
        SCOPED_TRACE(i);
        EXPECT_TRUE(HiddenAndDisabled(Bar().GetView(i)));
        EXPECT_EQ(Bar().GetView(i)->GetParent(), &Bar());
    }
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(Bar().GetTabCtrl().GetItem(i)->strText, CString(kTitles[i]));
        EXPECT_EQ(Bar().GetTabCtrl().GetItem(i)->strTip, CString(kTitles[i]));
    }
    EXPECT_EQ(Bar().GetView(-1), nullptr);
    EXPECT_EQ(Bar().GetView(4), nullptr);
    // The views lie above the tab control, whose display area they cover.
    EXPECT_EQ(Bar().GetWindow(GW_CHILD), Bar().GetView(0));
}

TEST_F(TabBarTest, TheTabImageListIsTheTabControlsAndTheOldOneComesBack)
{
    CreateBar();
    CImageList first;
    CImageList second;
    EXPECT_EQ(Bar().SetTabImageList(&first), nullptr);
    EXPECT_EQ(Bar().GetTabCtrl().GetImageList(), &first);
    EXPECT_EQ(Bar().SetTabImageList(&second), &first);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(Bar().GetTabCtrl().GetItem(i)->nImage, i);
    Bar().SetTabImageList(nullptr);
}

TEST_F(TabBarTest, ATitleKeepsFifteenCharacters)
{
    CreateBar();
    ASSERT_TRUE(Bar().AddView(_T("A title of many characters"), RUNTIME_CLASS(CTabTestView)));
    EXPECT_EQ(Bar().GetViewTitle(4).ToUtf8(), "A title of many");
    EXPECT_EQ(Bar().GetTabCtrl().GetItem(4)->strText.ToUtf8(), "A title of many");
}

TEST_F(TabBarTest, ChoosingATabShowsItsViewAloneAndTellsTheBar)
{
    CreateBar();
    ClickTab(2);
    EXPECT_EQ(Bar().GetActiveTab(), 2);
    EXPECT_EQ(Bar().GetActiveView(), Bar().GetView(2));
    EXPECT_TRUE(ShownAndEnabled(Bar().GetView(2)));
    EXPECT_EQ(CWnd::GetFocus(), Bar().GetView(2));
    for (int i : {0, 1, 3})
        EXPECT_TRUE(HiddenAndDisabled(Bar().GetView(i))) << i;
    ASSERT_EQ(Bar().m_selected.size(), 1U);
    EXPECT_EQ(Bar().m_selected[0], std::make_pair(2, Bar().GetView(2)));

    // Back to the first tab: the view shown at the start is the one shown again.
    ClickTab(0);
    EXPECT_TRUE(ShownAndEnabled(Bar().GetView(0)));
    EXPECT_TRUE(HiddenAndDisabled(Bar().GetView(2)));
    EXPECT_EQ(Bar().m_selected.size(), 2U);
}

TEST_F(TabBarTest, ChoosingTheActiveTabChangesNothing)
{
    CreateBar();
    ClickTab(1);
    // A notification for the tab already active, as a tab control may send on a second click.
    Bar().GetTabCtrl().SetCurSel(1);
    NMHDR hdr = {&Bar().GetTabCtrl(), CCJTabCtrlBar::kTabCtrlID, TCN_SELCHANGE};
    Bar().SendMessage(WM_NOTIFY, CCJTabCtrlBar::kTabCtrlID, reinterpret_cast<LPARAM>(&hdr));
    ClickTab(1);
    EXPECT_EQ(Bar().m_selected.size(), 1U);
    EXPECT_TRUE(ShownAndEnabled(Bar().GetView(1)));
    // The program's own calls for no tab or the active tab leave everything as it is.
    Bar().SetActiveView(-1);
    Bar().SetActiveView(1);
    Bar().SetActiveView(7);
    EXPECT_EQ(Bar().GetActiveTab(), 1);
    EXPECT_TRUE(ShownAndEnabled(Bar().GetView(1)));
    EXPECT_EQ(Bar().GetTabCtrl().GetCurSel(), 1);
    // SetActiveView is the program's choice: the bar hears nothing of it.
    Bar().SetActiveView(3);
    EXPECT_EQ(Bar().GetTabCtrl().GetCurSel(), 3);
    EXPECT_EQ(Bar().m_selected.size(), 1U);
}

TEST_F(TabBarTest, DockedAtTheLeftTheBarTakesItsWidthAndPlacesItsContent)
{
    CreateBar();
    EXPECT_EQ(Bar().GetDockBarID(), UINT(AFX_IDW_DOCKBAR_LEFT));
    const CRect rcBar = WindowRectOf(Bar());
    EXPECT_EQ(rcBar.Width(), 160);
    EXPECT_EQ(PaneRect().left, rcBar.right);
    EXPECT_EQ(Bar().CalcFixedLayout(TRUE, FALSE), CSize(160, 32767));
    Bar().Invalidate();
    Bar().UpdateWindow();
    CRect rcUpdate;
    EXPECT_FALSE(Bar().GetUpdateRect(rcUpdate));

    const CCJTabCtrlBar::TabLayout layout = CCJTabCtrlBar::CalcTabLayout(rcBar.Size(), AFX_IDW_DOCKBAR_LEFT);
    const CPoint ptOrigin = Bar().GetContentRect().TopLeft();
    EXPECT_EQ(ChildRect(Bar().GetTabCtrl()), Shifted(layout.rcTab, ptOrigin));
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(ChildRect(*Bar().GetView(i)), Shifted(layout.rcView, ptOrigin)) << i;

    // Docked at the top the content moves right of the gripper, without a change of size.
    m_pFrame->DockControlBar(&Bar(), AFX_IDW_DOCKBAR_TOP);
    const CRect rcTop = WindowRectOf(Bar());
    EXPECT_EQ(rcTop.Height(), 200);
    const CCJTabCtrlBar::TabLayout top = CCJTabCtrlBar::CalcTabLayout(rcTop.Size(), AFX_IDW_DOCKBAR_TOP);
    EXPECT_EQ(ChildRect(Bar().GetTabCtrl()), Shifted(top.rcTab, Bar().GetContentRect().TopLeft()));
}

TEST_F(TabBarTest, TheSizingBorderAnswersOnlyOnTheSideFacingTheMiddle)
{
    CreateBar();
    const CRect rcBorder = Bar().GetBorderRect();
    EXPECT_EQ(rcBorder.Width(), 6);
    EXPECT_EQ(Bar().HitTest(rcBorder.CenterPoint()), CCJControlBar::HTSIZE);
    EXPECT_EQ(Bar().HitTest(Bar().GetContentRect().CenterPoint()), UINT(HTCLIENT));
    EXPECT_EQ(Bar().HitTest(CPoint(-1, 5)), UINT(HTNOWHERE));
    // A press on the content starts nothing.
    Press(Bar(), Bar().GetContentRect().CenterPoint());
    EXPECT_FALSE(Bar().IsTracking());
}

TEST_F(TabBarTest, DraggingTheBorderSizesTheBarWithinItsLimits)
{
    struct Case {
        UINT nDockBarID;
        CSize delta;
        int nExpected;  // -1: the frame's client extent plus the old thickness
    };
    const Case cases[] = {
        {AFX_IDW_DOCKBAR_LEFT, CSize(40, 7), 200},
        {AFX_IDW_DOCKBAR_LEFT, CSize(-30, 0), 130},
        {AFX_IDW_DOCKBAR_LEFT, CSize(5000, 0), -1},
        {AFX_IDW_DOCKBAR_LEFT, CSize(-5000, 0), 32},
        {AFX_IDW_DOCKBAR_RIGHT, CSize(-25, 0), 185},
        {AFX_IDW_DOCKBAR_TOP, CSize(0, 30), 230},
        {AFX_IDW_DOCKBAR_BOTTOM, CSize(0, 500), 32},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.nDockBarID << std::dec << " by "
                                        << c.delta.cx << "," << c.delta.cy);
        CreateBar(c.nDockBarID);
        const CRect rcFrame = FrameClient();
        const bool bHorz = Bar().IsHorzDocked();
        const int nOld = bHorz ? Bar().m_sizeHorz.cy : Bar().m_sizeVert.cx;
        DragBorder(c.delta);
        EXPECT_FALSE(Bar().IsTracking());
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
        const int nExpected = c.nExpected < 0 ? (bHorz ? rcFrame.Height() : rcFrame.Width()) + nOld : c.nExpected;
        EXPECT_EQ(bHorz ? Bar().m_sizeHorz.cy : Bar().m_sizeVert.cx, nExpected);
        // The other size stays as it was.
        EXPECT_EQ(bHorz ? Bar().m_sizeVert : Bar().m_sizeHorz, CSize(160, 200));
            }
}

TEST_F(TabBarTest, ALostCaptureUndoesTheDrag)
{
    CreateBar();
    const CPoint pt = Bar().GetBorderRect().CenterPoint();
    Press(Bar(), pt);
    MoveTo(Bar(), pt + CSize(60, 0));
    // The frame follows the drag while it lasts.
    EXPECT_EQ(WindowRectOf(Bar()).Width(), 220);
    m_pane.SetCapture();
    EXPECT_FALSE(Bar().IsTracking());
    EXPECT_EQ(Bar().m_sizeVert.cx, 160);
    EXPECT_EQ(WindowRectOf(Bar()).Width(), 160);
    MoveTo(Bar(), pt + CSize(90, 0));
    EXPECT_EQ(Bar().m_sizeVert.cx, 160);
}

TEST_F(TabBarTest, TheViewsGoWithTheBar)
{
    CreateBar();
    CView* pView = Bar().GetView(1);
    ASSERT_TRUE(IsWindow(pView));
    Bar().DestroyWindow();
    EXPECT_EQ(Bar().GetViewCount(), 0);
    EXPECT_EQ(Bar().GetActiveView(), nullptr);
}

}  // namespace
