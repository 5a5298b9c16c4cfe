// The block palette in the running application: the "WorkBox" bar docked at the left with its
// tabs by controller generation, the palette's messages reaching the active diagram view as
// ID_PALETTE_REFRESH, the tab change that returns the view to select mode, the pages repainted
// when the active document's kind changes, and the bar's sizing border within the main frame.
#include "shell/MainFrame.h"

#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/PaletteHost.h"
#include "editor/PaletteTypes.h"
#include "editor/VetlaView.h"
#include "editor/WorkspaceView.h"
#include "platform/core/MessageBox.h"
#include "platform/qt/QtControlView.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/ProfileFile.h"
#include "platform/ui/WindowPlacement.h"
#include "shell/Resource.h"
#include "shell/VetlaApp.h"
#include "support/RunningApp.h"

#include <QImage>
#include <QTabBar>
#include <QWidget>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>
#include <vector>

namespace {

const std::vector<std::string> kAllTabs = {"BSC", "TMR", "I/O", "Misc", "Aux", "Math", "Profile"};

class PaletteTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_wOldHardware = g_wHardwareCode;
        // A new document would open its Properties sheet.
        g_bShowAtNewFile = 0;
    }

    void TearDown() override
    {
        m_app.Close();
        g_bShowAtNewFile = 1;
        g_wHardwareCode = m_wOldHardware;
    }


    void Start()
    {
        ASSERT_TRUE(m_app.Start());
        ASSERT_NE(Frame(), nullptr);
    }

    static CMainFrame* Frame() { return AfxGetMainFrame(); }
    static CWorkBoxBar& WorkBox() { return Frame()->m_wndWorkBox; }
    static CWorkspaceView* Page(int nTab) { return static_cast<CWorkspaceView*>(WorkBox().GetView(nTab)); }
    static void Command(UINT nID) { Frame()->SendMessage(WM_COMMAND, nID); }
    static CVetlaView* ActiveView() { return Frame()->GetActiveView(); }
    static void Click(CWnd& wnd, CPoint pt)
    {
        wnd.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(pt));
        wnd.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(pt));
    }
    // The centre of the box in which the page shows the block type.
    static CPoint ItemPoint(const CWorkspaceView& page, int nType)
    {
        const std::vector<UINT> items = page.GetItems();
        const auto it = std::find(items.begin(), items.end(), UINT(nType));
        EXPECT_NE(it, items.end()) << nType;
        return CWorkspaceView::ItemBox(int(it - items.begin())).CenterPoint();
    }
    static std::vector<std::string> TabTitles()
    {
        std::vector<std::string> titles;
        CTabCtrl& tabs = WorkBox().GetTabCtrl();
        for (int i = 0; i < tabs.GetItemCount(); ++i)
            titles.push_back(tabs.GetItem(i)->strText.ToUtf8());
        return titles;
    }
    static CRect WindowRectOf(CWnd& wnd)
    {
        CRect rect;
        wnd.GetWindowRect(rect);
        return rect;
    }
    // Idle time, as after every message: the bars update, then what they invalidated is painted.
    void Idle() { m_app->OnIdle(0); }
    // The tab's page, chosen at a start with the newer generation and painted for a new
    // document of wHardware.
    CWorkspaceView& PagePaintedFor(int nTab, WORD wHardware)
    {
        g_wHardwareCode = 0x5188;
        Start();
        WorkBox().GetTabCtrl().UserSelect(nTab);
        g_wHardwareCode = wHardware;
        Command(ID_FILE_NEW);
        Idle();
        Page(nTab)->UpdateWindow();
        return *Page(nTab);
    }
    static BOOL NeedsPaint(CWnd& wnd)
    {
        CRect rect;
        return wnd.GetUpdateRect(rect);
    }

    CManualTickSource m_clock;
    RunningApp m_app{"qarvo-palette", RunningApp::BackendOfTheRun(), &m_clock};
    CMessageBoxRecorder m_boxes;
    WORD m_wOldHardware = 0;
};

TEST_F(PaletteTest, TheNewerGenerationAtStartGivesSevenTabsDockedAtTheLeft)
{
    g_wHardwareCode = 0x5188;
    Start();
    EXPECT_EQ(Frame()->m_pWorkBox, &WorkBox());
    ASSERT_TRUE(IsWindow(&WorkBox()));
    EXPECT_EQ(TabTitles(), kAllTabs);
    for (int i = 0; i < WorkBox().GetViewCount(); ++i) {
        SCOPED_TRACE(i);
        ASSERT_TRUE(WorkBox().GetView(i)->IsKindOf(RUNTIME_CLASS(CWorkspaceView)));
        EXPECT_EQ(Page(i)->m_nCategory, 0);
        EXPECT_EQ(bool(Page(i)->GetStyle() & WS_VISIBLE), i == 0);
    }
    EXPECT_TRUE(WorkBox().IsVisible());
    EXPECT_EQ(WorkBox().GetDockBarID(), UINT(AFX_IDW_DOCKBAR_LEFT));
    // 160 wide, from below the toolbar to above the status bar; the documents lie to its right.
    const CRect rcBar = WindowRectOf(WorkBox());
    EXPECT_EQ(rcBar.Width(), 160);
    EXPECT_EQ(rcBar.top, WindowRectOf(Frame()->m_wndToolBar).bottom);
    EXPECT_EQ(rcBar.bottom, WindowRectOf(Frame()->m_wndStatusBar).top);
    EXPECT_EQ(WindowRectOf(*Frame()->GetMDIClient()).left, rcBar.right);
}

TEST_F(PaletteTest, AnOlderGenerationAtStartGivesFourTabs)
{
    g_wHardwareCode = 0x2188;
    Start();
    EXPECT_EQ(TabTitles(), std::vector<std::string>(kAllTabs.begin(), kAllTabs.begin() + 4));
    EXPECT_EQ(WorkBox().GetViewCount(), 4);
}

TEST_F(PaletteTest, ASelectionReachesTheActiveViewAsThePaletteRefreshCommand)
{
    // Without a document the selection is only kept.
    Start();
    Frame()->SendMessage(WM_PALETTE_SELECT, 1, BT_AND);
    EXPECT_EQ(Frame()->m_nPaletteFlag, 1);
    EXPECT_EQ(Frame()->m_nPaletteTypeCode, BT_AND);
    EXPECT_TRUE(m_boxes.Boxes().empty());
    Command(ID_FILE_NEW);
    CVetlaView* pView = ActiveView();
    ASSERT_NE(pView, nullptr);
    EXPECT_EQ(AfxGetPaletteHost(), static_cast<IPaletteHost*>(Frame()));

    Frame()->SendMessage(WM_PALETTE_SELECT, 1, BT_OR);
    EXPECT_EQ(Frame()->m_nPaletteFlag, 1);
    EXPECT_EQ(Frame()->m_nPaletteTypeCode, BT_OR);
    EXPECT_EQ(pView->EditMode(), EDIT_MODE_INSERT);
    EXPECT_EQ(pView->PaletteType(), BT_OR);

    // A tab change's (0, 0) still reaches the view, with a type code of 0: select mode.
    Frame()->SendMessage(WM_PALETTE_SELECT, 0, 0);
    EXPECT_EQ(Frame()->m_nPaletteFlag, 0);
    EXPECT_EQ(Frame()->m_nPaletteTypeCode, 0);
    EXPECT_EQ(pView->EditMode(), EDIT_MODE_SELECT);
}

TEST_F(PaletteTest, AClickOnAPaletteItemPutsTheDiagramIntoInsertMode)
{
    Start();
    Command(ID_FILE_NEW);
    CVetlaView* pView = ActiveView();
    ASSERT_NE(pView, nullptr);
    // The second item of the BSC page, in its client coordinates (the page is not scrolled).
    const CPoint ptItem = CWorkspaceView::ItemBox(1).CenterPoint();
    Click(*Page(0), ptItem);
    EXPECT_EQ(Page(0)->m_nSelectedType, BT_AND_EDGE);
    EXPECT_EQ(pView->EditMode(), EDIT_MODE_INSERT);
    EXPECT_EQ(pView->PaletteType(), BT_AND_EDGE);
}

TEST_F(PaletteTest, ATabChangeSetsThePageAndReturnsTheViewToSelectMode)
{
    Start();
    Command(ID_FILE_NEW);
    CVetlaView* pView = ActiveView();
    ASSERT_NE(pView, nullptr);
    Frame()->SendMessage(WM_PALETTE_SELECT, 1, BT_OR);
    ASSERT_EQ(pView->EditMode(), EDIT_MODE_INSERT);
    Page(2)->m_nSelectedType = 602;

    WorkBox().GetTabCtrl().UserSelect(2);
    EXPECT_EQ(WorkBox().GetActiveView(), Page(2));
    EXPECT_EQ(Page(2)->m_nCategory, 2);
    EXPECT_EQ(Page(2)->m_nSelectedType, 0);
    EXPECT_TRUE(Page(2)->GetStyle() & WS_VISIBLE);
    EXPECT_FALSE(Page(0)->GetStyle() & WS_VISIBLE);
    EXPECT_EQ(Frame()->m_nPaletteFlag, 0);
    EXPECT_EQ(Frame()->m_nPaletteTypeCode, 0);
    EXPECT_EQ(pView->EditMode(), EDIT_MODE_SELECT);
    // The page now offers the I/O items: its first box is the input.
    WPARAM wParam = 0;
    int nType = 0;
    const CPoint ptFirst = CWorkspaceView::ItemBox(0).CenterPoint();
    ASSERT_EQ(Page(2)->HitTestItem(&wParam, &nType, ptFirst.x, ptFirst.y), 1);
    EXPECT_EQ(nType, BT_IN);

    // The active tab again: nothing is sent, the view keeps its insert mode.
    Frame()->SendMessage(WM_PALETTE_SELECT, 1, BT_OR);
    WorkBox().GetTabCtrl().UserSelect(2);
    EXPECT_EQ(pView->EditMode(), EDIT_MODE_INSERT);
    EXPECT_EQ(Frame()->m_nPaletteFlag, 1);
}

// At idle time every page whose drawing no longer matches the active document is repainted,
// and only such a page.
TEST_F(PaletteTest, ThePagesRepaintWhenTheActiveDocumentsListsChange)
{
    CWorkspaceView& page = PagePaintedFor(PALETTE_TAB_TMR, 0x5188);
    ASSERT_FALSE(NeedsPaint(page));
    // Idle time with the same document leaves the page as it is, and so does a controller of
    // the same generation: the timers are the same.
    Idle();
    EXPECT_FALSE(NeedsPaint(page));
    CVetlaDoc* pDoc = ActiveView()->GetDocument();
    pDoc->m_wHardwareCode = 0x5288;
    Idle();
    EXPECT_FALSE(NeedsPaint(page));
    // An older controller offers two timers fewer.
    pDoc->m_wHardwareCode = 0x2188;
    Idle();
    EXPECT_TRUE(NeedsPaint(page));
    page.UpdateWindow();
    Idle();
    EXPECT_FALSE(NeedsPaint(page));
}

// A page painted in passing while another document was briefly active (a new document's frame
// before its view, say) is caught at idle time, although the active document is again the one
// of the idle time before.
TEST_F(PaletteTest, APagePaintedInPassingForAnotherDocumentIsRepaintedAtIdle)
{
    CWorkspaceView& page = PagePaintedFor(PALETTE_TAB_IO, 0x5188);
    CVetlaDoc* pDoc = ActiveView()->GetDocument();
    pDoc->m_wHardwareCode = 0x2188;
    page.Invalidate(FALSE);
    page.UpdateWindow();
    pDoc->m_wHardwareCode = 0x5188;
    ASSERT_FALSE(NeedsPaint(page));
    Idle();
    EXPECT_TRUE(NeedsPaint(page));
}

// A page painted for one document and clicked after a document of the other generation became
// active, before the page was painted again (the click queued behind the new document's
// activation): the click gives the block drawn under it, never the one at that place in the
// other generation's list ("Output" is the fifth I/O item of the older list and the sixth of
// the newer, where the older list has the open connector and the newer the high level).
class PaletteStaleClickTest : public PaletteTest {
protected:
    // Paints the I/O page for a new document of wPainted, makes a new document of wActive, and
    // clicks the box that was painted with nType. The active view, which the click reached.
    CVetlaView* ClickPaintedItem(WORD wPainted, WORD wActive, int nType)
    {
        CWorkspaceView& page = PagePaintedFor(PALETTE_TAB_IO, wPainted);
        const CPoint ptItem = ItemPoint(page, nType);

        g_wHardwareCode = wActive;
        Command(ID_FILE_NEW);
        EXPECT_EQ(ActiveView()->GetDocument()->m_wHardwareCode, wActive);
        EXPECT_FALSE(page.ShowsCurrentItems());
        Click(page, ptItem);
        return ActiveView();
    }
};

TEST_F(PaletteStaleClickTest, PaintedForTheNewerGenerationClickedForTheOlder)
{
    CVetlaView* pView = ClickPaintedItem(0x5188, 0x2188, BT_OUT);
    EXPECT_EQ(Frame()->m_nPaletteTypeCode, BT_OUT);
    EXPECT_EQ(pView->EditMode(), EDIT_MODE_INSERT);
    EXPECT_EQ(pView->PaletteType(), BT_OUT);
    EXPECT_EQ(Page(PALETTE_TAB_IO)->m_nSelectedType, BT_OUT);
    EXPECT_TRUE(NeedsPaint(*Page(PALETTE_TAB_IO)));
}

TEST_F(PaletteStaleClickTest, PaintedForTheOlderGenerationClickedForTheNewer)
{
    CVetlaView* pView = ClickPaintedItem(0x2188, 0x5188, BT_OUT);
    EXPECT_EQ(Frame()->m_nPaletteTypeCode, BT_OUT);
    EXPECT_EQ(pView->PaletteType(), BT_OUT);
}

// The function key is the newer generation's alone: clicked on a page still showing the newer
// list while an older document is active it selects nothing, and the page is repainted with
// the older list.
TEST_F(PaletteStaleClickTest, ABlockTheActiveDocumentIsNotOfferedIsNoHit)
{
    CVetlaView* pView = ClickPaintedItem(0x5188, 0x2188, BT_FKEY);
    EXPECT_EQ(Frame()->m_nPaletteFlag, 0);
    EXPECT_EQ(pView->EditMode(), EDIT_MODE_SELECT);
    EXPECT_EQ(Page(PALETTE_TAB_IO)->m_nSelectedType, 0);
    EXPECT_TRUE(NeedsPaint(*Page(PALETTE_TAB_IO)));
    Page(PALETTE_TAB_IO)->UpdateWindow();
    EXPECT_TRUE(Page(PALETTE_TAB_IO)->ShowsCurrentItems());
}

TEST_F(PaletteTest, TheBorderHoldsTheBarWithinTheFramesWidthPlusItsOwn)
{
    Start();
    CWorkBoxBar& bar = WorkBox();
    CRect rcFrame;
    Frame()->GetClientRect(rcFrame);
    for (const int nDelta : {5000, -5000}) {
        SCOPED_TRACE(nDelta);
        const int nOld = bar.m_sizeVert.cx;
        const CPoint pt = bar.GetBorderRect().CenterPoint();
        CPoint ptScreen = pt;
        bar.ClientToScreen(&ptScreen);
        bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(pt));
        ASSERT_TRUE(bar.IsTracking());
        CPoint ptEnd = ptScreen + CSize(nDelta, 0);
        bar.ScreenToClient(&ptEnd);
        bar.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(ptEnd));
        EXPECT_EQ(bar.m_sizeVert.cx, nDelta > 0 ? rcFrame.Width() + nOld : 32);
    }
}

// The bars' sizes last for the run only: a width dragged, or one a profile holds, is not taken
// at the next start.
TEST_F(PaletteTest, TheWidthDraggedLastsForTheRunOnly)
{
    Start();
    CWorkBoxBar& bar = WorkBox();
    const int nStartWidth = bar.m_sizeVert.cx;
    bar.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(bar.GetBorderRect().CenterPoint()));
    bar.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(bar.GetBorderRect().CenterPoint() + CSize(70, 0)));
    ASSERT_EQ(bar.m_sizeVert.cx, nStartWidth + 70);
    m_app.Close();

    CProfileFile profile;
    profile.Open(m_app.Path("profile.ini"));
    const CString strPalette = CString(_T("MainFrame-SCBar-101"));
    EXPECT_EQ(profile.GetInt(strPalette, _T("sizeVertCX"), -1), -1);
    profile.WriteInt(strPalette, _T("sizeVertCX"), nStartWidth + 50);

    Start();
    EXPECT_EQ(WorkBox().m_sizeVert.cx, nStartWidth);
    EXPECT_EQ(WindowRectOf(WorkBox()).Width(), nStartWidth);
}

// The tabs show pictures 16 pixels wide, a different one each.
TEST_F(PaletteTest, TheTabsHaveAPictureEach)
{
    Start();
    const CImageList* pImages = WorkBox().GetTabCtrl().GetImageList();
    ASSERT_NE(pImages, nullptr);
    EXPECT_EQ(pImages->GetImageSize(), CSize(16, 16));
    ASSERT_EQ(pImages->GetImageCount(), int(kAllTabs.size()));
    std::set<std::vector<COLORREF>> pictures;
    for (int i = 0; i < pImages->GetImageCount(); ++i) {
        std::vector<COLORREF> pixels;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                pixels.push_back(pImages->GetImagePixel(i, x, y));
        pictures.insert(pixels);
    }
    EXPECT_EQ(pictures.size(), kAllTabs.size());
}

TEST_F(PaletteTest, OnScreenThePageLiesOverTheTabControlAndShowsItsItems)
{
    if (!RunningApp::OnQt())
        GTEST_SKIP() << "needs the Qt backend";
    Start();
    QWidget* pBar = QtWidgetOf(WorkBox());
    QWidget* pPage = QtWidgetOf(*Page(0));
    ASSERT_NE(pBar, nullptr);
    ASSERT_NE(pPage, nullptr);
    EXPECT_TRUE(pPage->isVisible());
    // The tab control's area holds the pages: they, not the control, take the clicks there.
    EXPECT_EQ(pBar->childAt(pPage->geometry().center()), pPage);
    // The first symbol box is filled with the palette's item colour.
    const QImage image = pPage->grab().toImage();
    const CPoint ptBox = CWorkspaceView::ItemBox(0).CenterPoint();
    const QRgb rgb = image.pixel(ptBox.x + 4, ptBox.y + 8);
    EXPECT_EQ(QColor(rgb), QColor(245, 217, 129));
}

// At its first width (160 pixels) the palette shows several whole tabs, each with its picture.
TEST_F(PaletteTest, AtItsFirstWidthThePaletteShowsSeveralTabs)
{
    if (!RunningApp::OnQt())
        GTEST_SKIP() << "needs the Qt backend";
    InitQtControls();
    Start();
    ASSERT_EQ(WindowRectOf(WorkBox()).Width(), 160);
    // The strip's first tab bar is the one it shows; the other only measures.
    const QTabBar* pShown = QtWidgetOf(WorkBox().GetTabCtrl())->findChild<QTabBar*>();
    ASSERT_GE(pShown->count(), 3);
    for (int i = 0; i < 3; ++i)
        EXPECT_TRUE(!pShown->tabIcon(i).isNull() && pShown->tabRect(i).right() < pShown->width()) << i;
}

// An older diagram left in insert mode with the open connector, then a new diagram for which the
// palette's output is chosen: the older diagram, activated again, does not place the open
// connector under a click while the palette frames the output.
TEST_F(PaletteTest, ASelectionForOneDiagramLeavesNoOtherInsertingAnEarlierOne)
{
    g_wHardwareCode = 0x2188;
    Start();
    WorkBox().GetTabCtrl().UserSelect(PALETTE_TAB_IO);
    CWorkspaceView& page = *Page(PALETTE_TAB_IO);
    const auto clickItem = [&page](int nType) { Click(page, ItemPoint(page, nType)); };
    Command(ID_FILE_NEW);
    CVetlaView* pOlder = ActiveView();
    CChildFrame* pOlderFrame = pOlder->GetParentFrame();
    clickItem(BT_OPENX);
    ASSERT_EQ(pOlder->EditMode(), EDIT_MODE_INSERT);

    g_wHardwareCode = 0x5188;
    Command(ID_FILE_NEW);
    CVetlaView* pNewer = ActiveView();
    ASSERT_NE(pNewer, pOlder);
    clickItem(BT_OUT);
    EXPECT_EQ(pNewer->EditMode(), EDIT_MODE_INSERT);
    EXPECT_EQ(pNewer->PaletteType(), BT_OUT);
    EXPECT_EQ(pOlder->EditMode(), EDIT_MODE_SELECT);

    Frame()->MDIActivate(pOlderFrame);
    ASSERT_EQ(ActiveView(), pOlder);
    const CPoint ptDiagram(200, 150);
    Click(*pOlder, ptDiagram);
    EXPECT_TRUE(pOlder->GetDocument()->m_blockList.IsEmpty());

    // A tab change returns every diagram to select mode, not only the active one.
    clickItem(BT_OUT);
    ASSERT_EQ(pOlder->EditMode(), EDIT_MODE_INSERT);
    Frame()->MDIActivate(pNewer->GetParentFrame());
    clickItem(BT_OUT);
    WorkBox().GetTabCtrl().UserSelect(PALETTE_TAB_BSC);
    EXPECT_EQ(pOlder->EditMode(), EDIT_MODE_SELECT);
    EXPECT_EQ(pNewer->EditMode(), EDIT_MODE_SELECT);
}

}  // namespace
