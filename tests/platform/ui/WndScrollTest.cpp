// A window's own scroll bars without a backend: their state, the room they take from the client
// area, and the scroll view driving them from its sizes and position.
#include "platform/gdi/DC.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/WndMessageMap.h"
#include "WindowFixture.h"

namespace {

class CSizeLogWnd : public CWnd {
public:
    std::vector<CSize> m_sizes;

protected:
    void OnSize(UINT, int cx, int cy) override { m_sizes.emplace_back(cx, cy); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSizeLogWnd, CWnd)
    ON_WM_SIZE()
END_MESSAGE_MAP()

class CPlainScrollView : public CScrollView {
protected:
    void OnDraw(CDC*) override {}
};

SCROLLINFO InfoOf(const CWnd& wnd, int nBar)
{
    SCROLLINFO info = {sizeof(SCROLLINFO), 0, 0, 0, 0, 0, 0};
    wnd.GetScrollInfo(nBar, &info);
    return info;
}

CSize ClientSize(const CWnd& wnd)
{
    CRect rect;
    wnd.GetClientRect(rect);
    return rect.Size();
}

class WndScrollTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(m_wnd.Create(nullptr, nullptr, WS_POPUP, CRect(0, 0, 200, 100), nullptr, 0));
    }

    CSizeLogWnd m_wnd;
};

TEST_F(WndScrollTest, RangeThatNeedsTheBarShowsItAndTakesItsRoomFromTheClient)
{
    EXPECT_EQ(ClientSize(m_wnd), CSize(200, 100));
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_POS, 0, 999, 100, 50, 0};
    EXPECT_EQ(m_wnd.SetScrollInfo(SB_VERT, &info), 50);
    EXPECT_TRUE(m_wnd.GetStyle() & WS_VSCROLL);
    EXPECT_EQ(ClientSize(m_wnd), CSize(200 - kScrollBarThickness, 100));
    ASSERT_FALSE(m_wnd.m_sizes.empty());
    EXPECT_EQ(m_wnd.m_sizes.back(), CSize(200 - kScrollBarThickness, 100));

    const SCROLLINFO got = InfoOf(m_wnd, SB_VERT);
    EXPECT_EQ(got.nMin, 0);
    EXPECT_EQ(got.nMax, 999);
    EXPECT_EQ(got.nPage, 100u);
    EXPECT_EQ(got.nPos, 50);

    // A range that fits one page hides the bar and gives the room back.
    m_wnd.SetScrollRange(SB_VERT, 0, 50);
    EXPECT_FALSE(m_wnd.GetStyle() & WS_VSCROLL);
    EXPECT_EQ(ClientSize(m_wnd), CSize(200, 100));
    EXPECT_EQ(m_wnd.m_sizes.back(), CSize(200, 100));
}

TEST_F(WndScrollTest, PositionStaysWithinTheLastPage)
{
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE, 10, 109, 30, 0, 0};
    m_wnd.SetScrollInfo(SB_HORZ, &info);
    const struct {
        int nSet;
        int nExpected;
    } cases[] = {{0, 10}, {50, 50}, {80, 80}, {81, 80}, {5000, 80}, {-7, 10}};
    for (const auto& c : cases) {
        m_wnd.SetScrollPos(SB_HORZ, c.nSet);
        EXPECT_EQ(m_wnd.GetScrollPos(SB_HORZ), c.nExpected) << c.nSet;
    }
    // A larger page pulls the position back.
    m_wnd.SetScrollPos(SB_HORZ, 80);
    info = {sizeof(SCROLLINFO), SIF_PAGE, 0, 0, 60, 0, 0};
    m_wnd.SetScrollInfo(SB_HORZ, &info);
    EXPECT_EQ(m_wnd.GetScrollPos(SB_HORZ), 50);
    int nMin = 0;
    int nMax = 0;
    m_wnd.GetScrollRange(SB_HORZ, &nMin, &nMax);
    EXPECT_EQ(nMin, 10);
    EXPECT_EQ(nMax, 109);
}

TEST_F(WndScrollTest, DisableNoScrollKeepsAShownBar)
{
    m_wnd.ShowScrollBar(SB_BOTH);
    EXPECT_EQ(ClientSize(m_wnd), CSize(200 - kScrollBarThickness, 100 - kScrollBarThickness));
    SCROLLINFO info = {sizeof(SCROLLINFO), SIF_RANGE | SIF_PAGE | SIF_DISABLENOSCROLL, 0, 10, 50,
                       0, 0};
    m_wnd.SetScrollInfo(SB_HORZ, &info);
    EXPECT_TRUE(m_wnd.GetStyle() & WS_HSCROLL);
    m_wnd.ShowScrollBar(SB_BOTH, FALSE);
    EXPECT_EQ(ClientSize(m_wnd), CSize(200, 100));
    // Bars other than the window's own are not this window's to set.
    EXPECT_FALSE(m_wnd.GetScrollInfo(SB_CTL, &info));
    EXPECT_EQ(m_wnd.SetScrollInfo(SB_BOTH, &info), 0);
}

class ScrollViewBarsTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(m_view.Create(nullptr, nullptr, WS_POPUP, CRect(0, 0, 300, 200), nullptr, 0));
    }

    CPlainScrollView m_view;
};

TEST_F(ScrollViewBarsTest, LargeDocumentShowsBothBarsWithRangePageAndPosition)
{
    m_view.SetScrollSizes(MM_TEXT, CSize(1000, 800));
    EXPECT_TRUE(m_view.GetStyle() & WS_HSCROLL);
    EXPECT_TRUE(m_view.GetStyle() & WS_VSCROLL);
    const CSize client(300 - kScrollBarThickness, 200 - kScrollBarThickness);
    EXPECT_EQ(ClientSize(m_view), client);
    EXPECT_EQ(m_view.GetScrollLimit(), CSize(1000 - client.cx, 800 - client.cy));

    const SCROLLINFO horz = InfoOf(m_view, SB_HORZ);
    EXPECT_EQ(horz.nMin, 0);
    EXPECT_EQ(horz.nMax, 999);
    EXPECT_EQ(horz.nPage, UINT(client.cx));
    const SCROLLINFO vert = InfoOf(m_view, SB_VERT);
    EXPECT_EQ(vert.nMax, 799);
    EXPECT_EQ(vert.nPage, UINT(client.cy));

    m_view.ScrollToPosition(CPoint(120, 5000));
    EXPECT_EQ(m_view.GetScrollPos(SB_HORZ), 120);
    EXPECT_EQ(m_view.GetScrollPos(SB_VERT), 800 - client.cy);
}

TEST_F(ScrollViewBarsTest, BarsFollowWhatTheDocumentNeeds)
{
    const struct {
        CSize total;
        bool bHorz;
        bool bVert;
    } cases[] = {
        {{300, 200}, false, false},   // fits exactly
        {{100, 50}, false, false},
        {{310, 100}, true, false},    // only wider
        {{100, 900}, false, true},    // only taller
        // Wider only by less than a bar, but the vertical bar takes that room.
        {{290, 900}, true, true},
        {{400, 190}, true, true},
        {{0, 0}, false, false},
    };
    for (const auto& c : cases) {
        m_view.SetScrollSizes(MM_TEXT, c.total);
        EXPECT_EQ((m_view.GetStyle() & WS_HSCROLL) != 0, c.bHorz) << c.total.cx << "x" << c.total.cy;
        EXPECT_EQ((m_view.GetStyle() & WS_VSCROLL) != 0, c.bVert) << c.total.cx << "x" << c.total.cy;
        EXPECT_EQ(ClientSize(m_view), CSize(300 - (c.bVert ? kScrollBarThickness : 0),
                                            200 - (c.bHorz ? kScrollBarThickness : 0)));
    }
}

TEST_F(ScrollViewBarsTest, ResizingTheWindowRecomputesTheBarsAndKeepsThePositionInRange)
{
    m_view.SetScrollSizes(MM_TEXT, CSize(600, 400));
    m_view.ScrollToPosition(CPoint(400, 300));
    m_view.MoveWindow(0, 0, 650, 450);
    EXPECT_FALSE(m_view.GetStyle() & (WS_HSCROLL | WS_VSCROLL));
    EXPECT_EQ(m_view.GetScrollPosition(), CPoint(0, 0));
    m_view.MoveWindow(0, 0, 500, 450);
    EXPECT_TRUE(m_view.GetStyle() & WS_HSCROLL);
    EXPECT_FALSE(m_view.GetStyle() & WS_VSCROLL);
    EXPECT_EQ(InfoOf(m_view, SB_HORZ).nPage, 500u);
}

TEST_F(ScrollViewBarsTest, PageDownMovesThePositionAndTheBar)
{
    m_view.SetScrollSizes(MM_TEXT, CSize(1000, 800), CSize(150, 120), CSize(15, 12));
    m_view.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_PAGEDOWN, 0), 0);
    EXPECT_EQ(m_view.GetScrollPosition(), CPoint(0, 120));
    EXPECT_EQ(m_view.GetScrollPos(SB_VERT), 120);
    m_view.SendMessage(WM_HSCROLL, MAKEWPARAM(SB_LINEDOWN, 0), 0);
    EXPECT_EQ(m_view.GetScrollPos(SB_HORZ), 15);
    m_view.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_BOTTOM, 0), 0);
    EXPECT_EQ(m_view.GetScrollPos(SB_VERT), m_view.GetScrollLimit().cy);
}

TEST_F(ScrollViewBarsTest, ThumbDragBeyondSixteenBitsUsesTheFullTrackPosition)
{
    m_view.SetScrollSizes(MM_TEXT, CSize(300, 200000));
    const int nTrack = 70000;
    m_view.SetScrollTrackPos(SB_VERT, nTrack);
    m_view.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBTRACK, WORD(nTrack)), 0);
    EXPECT_EQ(m_view.GetScrollPosition().y, nTrack);
    EXPECT_EQ(m_view.GetScrollPos(SB_VERT), nTrack);
    // A message whose position is not the track position's low word stands for itself.
    m_view.SendMessage(WM_VSCROLL, MAKEWPARAM(SB_THUMBPOSITION, 300), 0);
    EXPECT_EQ(m_view.GetScrollPosition().y, 300);
}

TEST_F(ScrollViewBarsTest, SizesBeforeCreationApplyTheBarsWhenTheWindowIsSized)
{
    CPlainScrollView view;
    view.SetScrollSizes(MM_TEXT, CSize(1000, 100));
    ASSERT_TRUE(view.Create(nullptr, nullptr, WS_POPUP, CRect(0, 0, 0, 0), nullptr, 0));
    view.MoveWindow(0, 0, 200, 300);
    EXPECT_TRUE(view.GetStyle() & WS_HSCROLL);
    EXPECT_FALSE(view.GetStyle() & WS_VSCROLL);
    EXPECT_EQ(InfoOf(view, SB_HORZ).nMax, 999);
}

}  // namespace
