// Sizing bars in a frame: their sizes and minimums, the side they lie at, dragging the edge that
// faces the frame's middle, the close button and its lock, and the sizes kept in the profile.
#include "controls/SizingControlBarCF.h"

#include "BarFixture.h"
#include "controls/BarColors.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/DisplayDevice.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/ui/MiniDockFrameWnd.h"
#include "platform/ui/WindowPlacement.h"

#include <memory>
#include <vector>

using namespace std::string_literals;

namespace {

constexpr UINT kBarID = 0xE823;

class SizingBarTest : public BarTest {
protected:
    // Docks the bar at a side of the frame, as the main frame docks the information window.
    void Dock(CSizingControlBar& bar, UINT nDockBarID, CSize sizeDefault = CSize(125, 125))
    {
        ASSERT_TRUE(bar.Create(_T("Infomation Window"), m_pFrame, sizeDefault, TRUE, kBarID));
        bar.EnableDocking(CBRS_ALIGN_ANY);
        m_pFrame->DockControlBar(&bar, nDockBarID);
    }
    // A point in the middle of the bar's inner edge, in its client coordinates.
    static CPoint InnerEdgePoint(const CSizingControlBar& bar)
    {
        const CRect rc = ClientRectOf(bar);
        switch (bar.GetDockBarID()) {
        case AFX_IDW_DOCKBAR_TOP:
            return CPoint(rc.CenterPoint().x, rc.bottom - 2);
        case AFX_IDW_DOCKBAR_BOTTOM:
            return CPoint(rc.CenterPoint().x, rc.top + 2);
        case AFX_IDW_DOCKBAR_LEFT:
            return CPoint(rc.right - 2, rc.CenterPoint().y);
        default:
            return CPoint(rc.left + 2, rc.CenterPoint().y);
        }
    }
    // Drags the inner edge by (dx, dy) and lets go.
    static void DragEdge(CSizingControlBar& bar, CSize delta)
    {
        const CPoint pt = InnerEdgePoint(bar);
        CPoint ptScreen = pt;
        bar.ClientToScreen(&ptScreen);
        Press(bar, pt);
        ASSERT_TRUE(bar.IsTracking());
        // The bar moves while it is dragged: each move is given where the cursor then is.
        CPoint ptTarget = ptScreen + delta;
        bar.ScreenToClient(&ptTarget);
        MoveTo(bar, ptTarget);
        ptTarget = ptScreen + delta;
        bar.ScreenToClient(&ptTarget);
        Release(bar, ptTarget);
    }
};

BOOL PowerFailureInProgress() { return TRUE; }

// Paints the caption alone, as the bar's frame painting does.
class CaptionPainter : public CSizingControlBarCF {
public:
    using CSizingControlBarCF::NcPaintGripper;
};

// The caption title of the bar as painted into a recording surface.
std::u16string PaintedTitle(CaptionPainter& bar)
{
    RecordingSurface surface(SIZE{800, 600});
    CDC dc(surface);
    CRect rcClient;
    bar.GetClientRect(rcClient);
    bar.NcPaintGripper(&dc, rcClient);
    for (const RecordingSurface::Record& record : surface.Records()) {
        if (record.kind == RecordingSurface::Kind::Text)
            return record.text;
    }
    return {};
}

}  // namespace

TEST_F(SizingBarTest, DefaultSizesAreHeldAtTheirMinimums)
{
    CSizingControlBarCF bar;
    EXPECT_EQ(bar.CalcFixedLayout(FALSE, TRUE), CSize(125, 125));
    EXPECT_EQ(bar.CalcFixedLayout(FALSE, FALSE), CSize(125, 125));
    bar.m_szHorz = CSize(10, 5);
    bar.m_szVert = CSize(0, 40);
    EXPECT_EQ(bar.CalcFixedLayout(FALSE, TRUE), CSize(33, 32));
    EXPECT_EQ(bar.CalcFixedLayout(FALSE, FALSE), CSize(33, 40));
    // Stretched, a bar claims the whole side with its own thickness.
    EXPECT_EQ(bar.CalcFixedLayout(TRUE, TRUE), CSize(32767, 32));
    EXPECT_EQ(bar.CalcFixedLayout(TRUE, FALSE), CSize(33, 32767));
}

TEST_F(SizingBarTest, FloatingSizeFollowsTheLengthAskedForAboveItsMinimum)
{
    CSizingControlBarCF bar;
    EXPECT_EQ(bar.CalcDynamicLayout(200, 0), CSize(200, 125));
    EXPECT_EQ(bar.CalcDynamicLayout(10, LM_LENGTHY), CSize(200, 32));
    // The most recent size is only read.
    EXPECT_EQ(bar.CalcDynamicLayout(500, LM_MRUWIDTH), CSize(200, 32));
    EXPECT_EQ(bar.CalcDynamicLayout(20, LM_COMMIT), CSize(37, 32));
}

TEST_F(SizingBarTest, ADockedBarTakesItsThicknessAlongItsSide)
{
    CSizingControlBarCF bottom;
    Dock(bottom, AFX_IDW_DOCKBAR_BOTTOM, CSize(200, 90));
    const CRect rcClient = FrameClient();
    const CRect rcBar = WindowRectOf(bottom);
    EXPECT_EQ(rcBar.Height(), 90);
    EXPECT_EQ(rcBar.Width(), rcClient.Width() + 2);
    EXPECT_EQ(PaneRect().bottom, rcBar.top);
    EXPECT_EQ(bottom.GetDockBarID(), UINT(AFX_IDW_DOCKBAR_BOTTOM));
    EXPECT_EQ(bottom.m_dwSCBStyle & SCBS_EDGEALL, SCBS_EDGETOP);

    CSizingControlBarCF left;
    ASSERT_TRUE(left.Create(_T("Left"), m_pFrame, CSize(70, 70), TRUE, kBarID + 1));
    left.EnableDocking(CBRS_ALIGN_ANY);
    m_pFrame->DockControlBar(&left, AFX_IDW_DOCKBAR_LEFT);
    EXPECT_EQ(WindowRectOf(left).Width(), 70);
    EXPECT_EQ(PaneRect().left, WindowRectOf(left).right);
    EXPECT_EQ(left.m_dwSCBStyle & SCBS_EDGEALL, SCBS_EDGERIGHT);
    // A bar without an owner reports to its frame.
    EXPECT_EQ(left.GetOwner(), m_pFrame);

    // Both caption orientations paint.
    for (CSizingControlBarCF* pBar : {&bottom, &left}) {
        pBar->Invalidate();
        pBar->UpdateWindow();
        CRect rcUpdate;
        EXPECT_FALSE(pBar->GetUpdateRect(rcUpdate));
    }

    m_pFrame->ShowControlBar(&bottom, FALSE, FALSE);
    EXPECT_FALSE(bottom.IsVisible());
    EXPECT_EQ(PaneRect().bottom, rcClient.bottom);
    m_pFrame->ShowControlBar(&bottom, TRUE, FALSE);
    EXPECT_EQ(WindowRectOf(bottom).Height(), 90);
}

TEST_F(SizingBarTest, DraggingTheInnerEdgeSizesTheBarWithinItsLimits)
{
    struct Case {
        UINT nDockBarID;
        CSize delta;
        int nExpected;  // thickness; -1: the largest the pane allows
    };
    const Case cases[] = {
        {AFX_IDW_DOCKBAR_BOTTOM, CSize(0, -40), 165},
        {AFX_IDW_DOCKBAR_BOTTOM, CSize(0, 30), 95},
        {AFX_IDW_DOCKBAR_BOTTOM, CSize(0, 500), 32},
        {AFX_IDW_DOCKBAR_BOTTOM, CSize(0, -2000), -1},
        {AFX_IDW_DOCKBAR_TOP, CSize(0, 25), 150},
        {AFX_IDW_DOCKBAR_LEFT, CSize(50, 0), 175},
        {AFX_IDW_DOCKBAR_LEFT, CSize(-400, 0), 33},
        {AFX_IDW_DOCKBAR_RIGHT, CSize(-10, 0), 135},
        {AFX_IDW_DOCKBAR_RIGHT, CSize(3000, 0), 33},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.nDockBarID << std::dec << " by "
                                        << c.delta.cx << "," << c.delta.cy);
        CSizingControlBarCF bar;
        Dock(bar, c.nDockBarID);
        const CRect rcPane = PaneRect();
        const bool bHorz = bar.IsHorzDocked();
        const int nLargest = 125 + (bHorz ? rcPane.Height() : rcPane.Width()) - 2;
        DragEdge(bar, c.delta);
        EXPECT_FALSE(bar.IsTracking());
        EXPECT_EQ(CWnd::GetCapture(), nullptr);
        const int nExpected = c.nExpected < 0 ? nLargest : c.nExpected;
        EXPECT_EQ(bar.GetThickness(), nExpected);
        const CRect rcBar = WindowRectOf(bar);
        EXPECT_EQ(bHorz ? rcBar.Height() : rcBar.Width(), nExpected);
        bar.DestroyWindow();
    }
}

TEST_F(SizingBarTest, TrackingStopsOnTheRightButtonAndOnALostCapture)
{
    CSizingControlBarCF bar;
    Dock(bar, AFX_IDW_DOCKBAR_BOTTOM);
    const CPoint pt = InnerEdgePoint(bar);
    Press(bar, pt);
    EXPECT_EQ(CWnd::GetCapture(), &bar);
    bar.SendMessage(WM_RBUTTONDOWN, MK_RBUTTON, MakePointLParam(pt));
    EXPECT_FALSE(bar.IsTracking());
    EXPECT_EQ(CWnd::GetCapture(), nullptr);

    Press(bar, pt);
    MoveTo(bar, pt - CSize(0, 20));
    EXPECT_EQ(bar.GetThickness(), 145);
    m_pane.SetCapture();
    EXPECT_FALSE(bar.IsTracking());
    // Moves after the capture went elsewhere change nothing.
    MoveTo(bar, pt - CSize(0, 60));
    EXPECT_EQ(bar.GetThickness(), 145);
}

TEST_F(SizingBarTest, APressAwayFromTheEdgeStartsNoTracking)
{
    CSizingControlBarCF bar;
    Dock(bar, AFX_IDW_DOCKBAR_BOTTOM);
    CRect rcInside;
    bar.GetInsideRect(rcInside);
    EXPECT_EQ(bar.HitTest(rcInside.CenterPoint()), UINT(HTCLIENT));
    Press(bar, rcInside.CenterPoint());
    EXPECT_FALSE(bar.IsTracking());
    // Double clicks leave a docked bar where it is.
    bar.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MakePointLParam(rcInside.CenterPoint()));
    EXPECT_EQ(bar.GetDockBarID(), UINT(AFX_IDW_DOCKBAR_BOTTOM));
}

TEST_F(SizingBarTest, TheCloseButtonHidesTheBarUnlessItIsLocked)
{
    CSizingControlBarCF bar;
    Dock(bar, AFX_IDW_DOCKBAR_BOTTOM);
    const CPoint ptClose = bar.GetCloseButtonRect().CenterPoint();
    EXPECT_EQ(bar.HitTest(ptClose), CSizingControlBar::HTCLOSE);

    const auto pfnOld = CSizingControlBarG::SetCloseLockQuery(&PowerFailureInProgress);
    EXPECT_EQ(bar.HitTest(ptClose), UINT(HTCLIENT));
    MoveTo(bar, ptClose, 0);
    EXPECT_FALSE(bar.IsCloseButtonRaised());
    Press(bar, ptClose);
    Release(bar, ptClose);
    EXPECT_TRUE(bar.IsVisible());
    CSizingControlBarG::SetCloseLockQuery(pfnOld);

    MoveTo(bar, ptClose, 0);
    EXPECT_TRUE(bar.IsCloseButtonRaised());
    Press(bar, ptClose);
    EXPECT_TRUE(bar.IsCloseButtonPushed());
    Release(bar, ptClose);
    EXPECT_FALSE(bar.IsVisible());
    EXPECT_FALSE(bar.IsCloseButtonPushed());
}

TEST_F(SizingBarTest, TheFirstChildFillsTheInsideWithTheSizeChildStyle)
{
    CSizingControlBarCF bar;
    Dock(bar, AFX_IDW_DOCKBAR_BOTTOM);
    bar.m_dwSCBStyle |= SCBS_SIZECHILD | SCBS_SHOWEDGES;
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), &bar, 1));
    DragEdge(bar, CSize(0, -10));
    CRect rcInside, rcChild, rcBar;
    bar.GetInsideRect(rcInside);
    child.GetWindowRect(rcChild);
    bar.ScreenToClient(rcChild);
    EXPECT_EQ(rcChild, rcInside);
    bar.GetClientRect(rcBar);
    // The caption runs down the left side; the shown top edge takes its own room.
    EXPECT_GE(rcInside.left, 12);
    EXPECT_GE(rcInside.top, 5 + bar.m_cxEdge);
    EXPECT_LT(rcInside.bottom, rcBar.bottom);
}

// Sizing bars docked one after another at the top of the frame, as a row.
class BarRowTest : public SizingBarTest {
protected:
    void DockRow(int nBars, CSize sizeMin, UINT nDockBarID = AFX_IDW_DOCKBAR_TOP)
    {
        for (int i = 0; i < nBars; ++i) {
            auto& bar = *m_bars.emplace_back(std::make_unique<CSizingControlBarG>());
            bar.m_szMinHorz = bar.m_szMinVert = sizeMin;
            ASSERT_TRUE(bar.Create(_T("Bar"), m_pFrame, CSize(125, 125), TRUE, kBarID + 1 + UINT(i)));
            bar.EnableDocking(CBRS_ALIGN_ANY);
            m_pFrame->DockControlBar(&bar, nDockBarID);
        }
    }
    int ClientWidth() const { return FrameClient().Width(); }
    CSizingControlBar& Bar(size_t i) { return *m_bars[i]; }
    std::vector<std::unique_ptr<CSizingControlBar>> m_bars;
};

TEST_F(BarRowTest, BarsAtOneSideShareARowUntilTheyNoLongerFit)
{
    DockRow(3, CSize(200, 32));
    for (auto& pBar : m_bars)
        pBar->m_szHorz.cy = 60;
    Bar(1).m_szHorz.cy = 90;
    m_pFrame->RecalcLayout();
    // One row as thick as its thickest bar, the bars overlapping by 2 and filling the width.
    const CRect rc0 = WindowRectOf(Bar(0)), rc1 = WindowRectOf(Bar(1)), rc2 = WindowRectOf(Bar(2));
    EXPECT_EQ(rc0.top, rc2.top);
    EXPECT_EQ(rc0.Height(), 90);
    EXPECT_EQ(rc2.Height(), 90);
    EXPECT_EQ(rc1.left, rc0.right - 2);
    EXPECT_EQ(rc2.left, rc1.right - 2);
    EXPECT_EQ(rc2.right - rc0.left, ClientWidth() + 2);
    EXPECT_EQ(PaneRect().top, rc0.bottom);

    // 2 + 3 x 198 passes 560: the third bar goes on to a row of its own.
    m_pFrame->MoveWindow(CRect(0, 0, 560, 600));
    ASSERT_LT(ClientWidth(), 2 + 3 * 198);
    EXPECT_TRUE(Bar(2).m_bNewRow);
    EXPECT_EQ(WindowRectOf(Bar(2)).top, WindowRectOf(Bar(0)).bottom - 2) << "over the row above's border";
    EXPECT_EQ(WindowRectOf(Bar(2)).Width(), ClientWidth() + 2);
    EXPECT_EQ(WindowRectOf(Bar(1)).right - WindowRectOf(Bar(0)).left, ClientWidth() + 2);
}

TEST_F(BarRowTest, ABarThatAloneDoesNotFitShrinksToItsMinimumLength)
{
    DockRow(1, CSize(300, 32));
    Bar(0).m_szHorz.cx = 700;
    m_pFrame->MoveWindow(CRect(0, 0, 250, 600));
    EXPECT_EQ(Bar(0).m_szHorz.cx, 300);
    m_pFrame->MoveWindow(CRect(0, 0, 500, 600));
    EXPECT_EQ(WindowRectOf(Bar(0)).Width(), ClientWidth() + 2);
}

TEST_F(BarRowTest, ARowAlongTheTopOrBottomStartsBeforeTheSideAndOneAlongTheTopLiesHigher)
{
    const CRect rcClient = FrameClient();
    const struct {
        UINT nDockBarID;
        CPoint ptFirst;  // the first bar's top-left in the frame's client area
        CPoint ptEnd;    // the last bar's bottom-right
    } cases[] = {
        {AFX_IDW_DOCKBAR_TOP, CPoint(-2, -2), CPoint(rcClient.right, 30)},
        {AFX_IDW_DOCKBAR_BOTTOM, CPoint(-2, rcClient.bottom - 32), rcClient.BottomRight()},
        {AFX_IDW_DOCKBAR_LEFT, CPoint(0, 0), CPoint(40, rcClient.bottom - 2)},
    };
    for (const auto& c : cases) {
        DockRow(2, CSize(40, 32), c.nDockBarID);
        for (auto& pBar : m_bars)
            pBar->m_szHorz.cy = pBar->m_szVert.cx = 32;
        m_pFrame->RecalcLayout();
        CPoint ptOrigin(0, 0);
        m_pFrame->ClientToScreen(&ptOrigin);
        EXPECT_EQ(WindowRectOf(Bar(0)).TopLeft() - ptOrigin, CSize(c.ptFirst)) << c.nDockBarID;
        EXPECT_EQ(WindowRectOf(Bar(1)).BottomRight() - ptOrigin, CSize(c.ptEnd)) << c.nDockBarID;
        if (c.nDockBarID == AFX_IDW_DOCKBAR_TOP) {
            EXPECT_EQ(PaneRect().top, WindowRectOf(Bar(0)).bottom) << "no gap under a row along the top";
        }
        for (auto& pBar : m_bars)
            pBar->DestroyWindow();
        m_bars.clear();
    }
}

TEST_F(BarRowTest, RoomIsHandedOutAPixelAtATimeSkippingBarsThatKeepTheirSize)
{
    DockRow(3, CSize(40, 32));
    const auto lengths = [&] {
        return std::vector<int>{Bar(0).m_szHorz.cx, Bar(1).m_szHorz.cx, Bar(2).m_szHorz.cx};
    };
    for (auto& pBar : m_bars)
        pBar->m_szHorz.cx = 102;
    // 2 + 3 x 100 = 302: 11 pixels to hand out, the middle bar keeping its size.
    Bar(1).m_bKeepSize = TRUE;
    EXPECT_TRUE(Bar(0).NegotiateSpace(313, TRUE));
    EXPECT_EQ(lengths(), (std::vector<int>{108, 102, 107}));
    EXPECT_FALSE(Bar(1).m_bKeepSize);

    // When every bar keeps its size a pass gives nothing: the marks go and the sharing goes on.
    for (auto& pBar : m_bars)
        pBar->m_bKeepSize = TRUE;
    EXPECT_TRUE(Bar(0).NegotiateSpace(317, TRUE));
    EXPECT_EQ(lengths(), (std::vector<int>{110, 103, 108}));

    // Shrinking passes over a bar at its minimum.
    Bar(0).m_szHorz.cx = 40;
    EXPECT_TRUE(Bar(0).NegotiateSpace(2 + 38 + 101 + 106 - 6, TRUE));
    EXPECT_EQ(lengths(), (std::vector<int>{40, 100, 105}));
    EXPECT_FALSE(Bar(0).NegotiateSpace(2 + 38 + 98 + 103, TRUE));
}

TEST_F(BarRowTest, AnEdgeBetweenNeighboursLiesOnlyBetweenThem)
{
    DockRow(2, CSize(40, 32));
    CSizingControlBar& first = Bar(0);
    CSizingControlBar& second = Bar(1);
    CRect rc;
    first.GetClientRect(rc);
    const int nMid = rc.CenterPoint().y;
    EXPECT_EQ(first.HitTest(CPoint(rc.right - 2, nMid)), CSizingControlBar::HTRIGHT);
    EXPECT_EQ(first.HitTest(CPoint(rc.left + 2, nMid)), UINT(HTCLIENT));
    // Shortened at its ends, where the edge toward the frame's middle lies.
    EXPECT_EQ(first.HitTest(CPoint(rc.right - 2, rc.bottom - 2)), CSizingControlBar::HTBOTTOM);
    EXPECT_EQ(first.HitTest(CPoint(rc.right - 2, rc.top + 2)), UINT(HTCLIENT));
    second.GetClientRect(rc);
    EXPECT_EQ(second.HitTest(CPoint(rc.left + 2, nMid)), CSizingControlBar::HTLEFT);
    EXPECT_EQ(second.HitTest(CPoint(rc.right - 2, nMid)), UINT(HTCLIENT));

    // Alone again, the bar has no edge along the row.
    m_pFrame->ShowControlBar(&second, FALSE, FALSE);
    first.GetClientRect(rc);
    EXPECT_EQ(first.HitTest(CPoint(rc.right - 2, nMid)), UINT(HTCLIENT));
}

TEST_F(BarRowTest, DraggingTheEdgeBetweenNeighboursMovesLengthBetweenThem)
{
    DockRow(3, CSize(60, 32));
    const int nTotal = WindowRectOf(Bar(2)).right - WindowRectOf(Bar(0)).left;
    const int nFirst = WindowRectOf(Bar(0)).Width();
    const int nSecond = WindowRectOf(Bar(1)).Width();
    const int nThird = WindowRectOf(Bar(2)).Width();
    CRect rc;
    Bar(1).GetClientRect(rc);
    const CPoint ptEdge(rc.right - 2, rc.CenterPoint().y);
    Press(Bar(1), ptEdge);
    ASSERT_TRUE(Bar(1).IsTracking());
    MoveTo(Bar(1), ptEdge + CSize(30, 0));
    EXPECT_EQ(WindowRectOf(Bar(1)).Width(), nSecond + 30);
    EXPECT_EQ(WindowRectOf(Bar(2)).Width(), nThird - 30);
    // Past the third bar's minimum the edge stops; toward the start it takes from the second
    // bar, then the first.
    CPoint pt = ptEdge;
    Bar(1).ClientToScreen(&pt);
    const auto moveScreen = [&](int dx) {
        CPoint ptClient = pt + CSize(dx, 0);
        Bar(1).ScreenToClient(&ptClient);
        MoveTo(Bar(1), ptClient);
    };
    moveScreen(nThird);
    EXPECT_EQ(WindowRectOf(Bar(2)).Width(), 60);
    moveScreen(-(nSecond - 60) - 20);
    EXPECT_EQ(WindowRectOf(Bar(1)).Width(), 60);
    EXPECT_EQ(WindowRectOf(Bar(0)).Width(), nFirst - 20);
    EXPECT_EQ(WindowRectOf(Bar(2)).Width(), nThird + nSecond - 60 + 20);
    Release(Bar(1), ptEdge);
    EXPECT_EQ(WindowRectOf(Bar(2)).right - WindowRectOf(Bar(0)).left, nTotal);
}

TEST_F(BarRowTest, ABarLetGoOverARowJoinsItWhereItsStartLies)
{
    DockRow(3, CSize(60, 32), AFX_IDW_DOCKBAR_BOTTOM);
    // Two rows: the first bar by itself, then the other two.
    Bar(1).m_bNewRow = TRUE;
    m_pFrame->RecalcLayout();
    const CRect rcPane = PaneRect();
    const auto row = [&](size_t i) { return m_pFrame->GetDockRow(&Bar(i)); };
    const auto dropAt = [&](size_t i, CPoint ptStart) {
        CRect rect = WindowRectOf(Bar(i));
        rect.OffsetRect(ptStart - rect.TopLeft());
        m_pFrame->DockControlBar(&Bar(i), AFX_IDW_DOCKBAR_BOTTOM, rect);
    };

    // Let go along its row, short of its neighbour's middle, a bar keeps its place.
    dropAt(1, WindowRectOf(Bar(1)).TopLeft() + CSize(20, 0));
    EXPECT_EQ(row(1), (std::vector<CControlBar*>{&Bar(1), &Bar(2)}));
    EXPECT_EQ(row(0), (std::vector<CControlBar*>{&Bar(0)}));
    EXPECT_EQ(PaneRect(), rcPane);

    // The bar that began a row, let go at the end of another, hands the start of its row on.
    dropAt(1, CPoint(WindowRectOf(Bar(0)).right - 10, WindowRectOf(Bar(0)).top));
    EXPECT_EQ(row(0), (std::vector<CControlBar*>{&Bar(0), &Bar(1)}));
    EXPECT_EQ(row(2), (std::vector<CControlBar*>{&Bar(2)}));
    EXPECT_EQ(PaneRect(), rcPane);

    // Let go at the start of the other row, the last bar begins it; its own row goes.
    dropAt(2, WindowRectOf(Bar(0)).TopLeft());
    EXPECT_EQ(row(2), (std::vector<CControlBar*>{&Bar(2), &Bar(0), &Bar(1)}));
    EXPECT_GT(PaneRect().bottom, rcPane.bottom);
    EXPECT_EQ(PaneRect().bottom, WindowRectOf(Bar(0)).top);
}

TEST_F(SizingBarTest, SizesAreStoredInTheProfileAndReadBackAboveTheirMinimums)
{
    {
        CSizingControlBarCF bar;
        Dock(bar, AFX_IDW_DOCKBAR_BOTTOM, CSize(140, 80));
        bar.m_szVert = CSize(60, 300);
        bar.m_szFloat = CSize(250, 110);
        ASSERT_TRUE(bar.SaveState(_T("Bars")));
    }
    const CString strSection = CString(_T("Bars-SCBar-")) + CString(_T("59427"));
    EXPECT_EQ(m_pApp->GetProfileInt(strSection, _T("sizeHorzCY"), 0), 80u);
    EXPECT_EQ(m_pApp->GetProfileInt(strSection, _T("sizeVertCX"), 0), 60u);
    EXPECT_EQ(m_pApp->GetProfileInt(strSection, _T("sizeFloatCX"), 0), 250u);

    // A new run reads the same file.
    m_pApp->SetProfilePath(ProfilePath());
    CSizingControlBarCF bar;
    Dock(bar, AFX_IDW_DOCKBAR_BOTTOM);
    ASSERT_TRUE(bar.LoadState(_T("Bars")));
    // Alone in its row at the bottom, the bar's length there is the row's.
    EXPECT_EQ(bar.m_szHorz.cy, 80);
    EXPECT_EQ(bar.m_szVert, CSize(60, 300));
    EXPECT_EQ(bar.m_szFloat, CSize(250, 110));
    EXPECT_EQ(WindowRectOf(bar).Height(), 80);

    m_pApp->WriteProfileInt(strSection, _T("sizeHorzCY"), 3);
    m_pApp->WriteProfileInt(strSection, _T("sizeFloatCX"), -20);
    ASSERT_TRUE(bar.LoadState(_T("Bars")));
    EXPECT_EQ(bar.m_szHorz.cy, 32);
    EXPECT_EQ(bar.m_szFloat, CSize(37, 110));

    // A damaged profile gives no size beyond the screen.
    m_pApp->WriteProfileInt(strSection, _T("sizeVertCY"), 2000000000);
    ASSERT_TRUE(bar.LoadState(_T("Bars")));
    EXPECT_EQ(bar.m_szVert, CSize(60, AfxGetScreenArea().Height()));

    // Another profile name has nothing stored: the sizes stay.
    ASSERT_TRUE(bar.LoadState(_T("Other")));
    EXPECT_EQ(bar.m_szVert, CSize(60, AfxGetScreenArea().Height()));
}

TEST_F(SizingBarTest, AnUprightCaptionTooLongForItsBarEndsInAnEllipsisBeforeTheCloseButton)
{
    CaptionPainter bar;
    Dock(bar, AFX_IDW_DOCKBAR_BOTTOM, CSize(200, 200));
    EXPECT_EQ(PaintedTitle(bar), u"Infomation Window") << "room enough";

    m_pFrame->ShowControlBar(&bar, FALSE, FALSE);
    CaptionPainter low;
    Dock(low, AFX_IDW_DOCKBAR_BOTTOM, CSize(200, 60));
    const std::u16string title = PaintedTitle(low);
    ASSERT_GE(title.size(), 4u);
    EXPECT_EQ(title.substr(title.size() - 3), u"...");
    EXPECT_EQ(u"Infomation Window"s.substr(0, title.size() - 3), title.substr(0, title.size() - 3));
}

TEST_F(SizingBarTest, TheCaptionFadesFromItsStartAndItsTitleTakesTheActiveOrInactiveColours)
{
    const struct {
        BOOL bActive;
        UINT nDockBarID;
        COLORREF crStart;
        COLORREF crEnd;
        COLORREF crTitle;
        int nEscapement;
    } cases[] = {
        {TRUE, AFX_IDW_DOCKBAR_LEFT, kColorActiveCaption, kColorGradientActiveCaption, kColorCaptionText, 0},
        {FALSE, AFX_IDW_DOCKBAR_BOTTOM, kColorInactiveCaption, kColorGradientInactiveCaption, kColorInactiveCaptionText,
         900},
    };
    for (const auto& c : cases) {
        CaptionPainter bar;
        Dock(bar, c.nDockBarID, CSize(200, 200));
        bar.m_bActive = c.bActive;
        RecordingSurface surface(SIZE{800, 600});
        CDC dc(surface);
        CRect rcClient;
        bar.GetClientRect(rcClient);
        bar.NcPaintGripper(&dc, rcClient);
        std::vector<const RecordingSurface::Record*> bands;
        const RecordingSurface::Record* pTitle = nullptr;
        for (const RecordingSurface::Record& record : surface.Records()) {
            if (record.kind == RecordingSurface::Kind::FillRect)
                bands.push_back(&record);
            else if (record.kind == RecordingSurface::Kind::Text && !pTitle)
                pTitle = &record;
        }
        ASSERT_EQ(bands.size(), 64u);
        EXPECT_EQ(bands.front()->colour, c.crStart);
        EXPECT_EQ(bands.back()->colour, c.crEnd);
        // The first band lies where the title begins: the left end, or the bottom of an upright caption.
        if (c.nEscapement)
            EXPECT_GT(bands.front()->rect.top, bands.back()->rect.top);
        else
            EXPECT_LT(bands.front()->rect.left, bands.back()->rect.left);
        ASSERT_NE(pTitle, nullptr);
        EXPECT_EQ(pTitle->state.crText, c.crTitle);
        EXPECT_EQ(pTitle->state.font.lfEscapement, c.nEscapement);
        m_pFrame->ShowControlBar(&bar, FALSE, FALSE);
        bar.DestroyWindow();
    }
}

TEST(SizingBarFont, TheCaptionTakesTahomaWhenTheScreenHasItElseArial)
{
    SetFontFamilyQuery([](LPCTSTR lpszFace) { return CString(lpszFace) == _T("Tahoma"); });
    EXPECT_EQ(CSizingControlBarCF().m_sFontFace, CString(_T("Tahoma")));
    SetFontFamilyQuery([](LPCTSTR) { return false; });
    EXPECT_EQ(CSizingControlBarCF().m_sFontFace, CString(_T("Arial")));
    SetFontFamilyQuery(nullptr);
}

// ---- dragging the bar by its caption ----

class BarDragTest : public SizingBarTest {
protected:
    // A point of the caption, in the bar's client coordinates: beside the close button along
    // the caption, which runs down the left of a bar lying along the top or bottom and across
    // the top otherwise.
    static CPoint CaptionPoint(const CSizingControlBarCF& bar)
    {
        const CRect rcClose = bar.GetCloseButtonRect();
        return bar.IsHorzDocked() ? CPoint(rcClose.CenterPoint().x, rcClose.bottom + 20)
                                  : CPoint(rcClose.left - 20, rcClose.CenterPoint().y);
    }
    // Presses the caption, moves and lets go at a point of the screen.
    static void DragCaption(CSizingControlBarCF& bar, CPoint ptScreen)
    {
        const CPoint ptGrip = CaptionPoint(bar);
        ASSERT_EQ(bar.HitTest(ptGrip), UINT(HTCAPTION));
        Press(bar, ptGrip);
        CPoint ptTarget = ptScreen;
        bar.ScreenToClient(&ptTarget);
        MoveTo(bar, ptTarget);
        Release(bar, ptTarget);
    }
};

TEST_F(BarDragTest, LetGoInTheMiddleTheBarFloatsThereAndMovesWhenDraggedAgain)
{
    CSizingControlBarCF bar;
    Dock(bar, AFX_IDW_DOCKBAR_BOTTOM);
    const CPoint ptGrip = CaptionPoint(bar);
    DragCaption(bar, CPoint(400, 300));
    ASSERT_TRUE(bar.IsFloating());
    CWnd* pMini = bar.GetParent();
    ASSERT_TRUE(pMini && pMini->IsKindOf(RUNTIME_CLASS(CMiniDockFrameWnd)));
    EXPECT_TRUE(pMini->IsWindowVisible());
    EXPECT_EQ(WindowRectOf(bar).TopLeft(), CPoint(400 - ptGrip.x, 300 - ptGrip.y)) << "the grip stays under the cursor";
    EXPECT_EQ(PaneRect(), FrameClient()) << "the view takes the room the bar left";
    CRect rcInside;
    pMini->GetClientRect(rcInside);
    pMini->ClientToScreen(rcInside);
    EXPECT_EQ(WindowRectOf(bar), rcInside) << "the bar fills its tool window";
    EXPECT_EQ(pMini->GetStyle() & WS_CAPTION, 0u) << "the bar's caption is the only title";

    const CPoint ptFloatGrip = CaptionPoint(bar);
    DragCaption(bar, CPoint(500, 350));
    EXPECT_TRUE(bar.IsFloating());
    EXPECT_EQ(bar.GetParent(), pMini);
    EXPECT_EQ(WindowRectOf(bar).TopLeft(), CPoint(500 - ptFloatGrip.x, 350 - ptFloatGrip.y));

    // Floating, the close button hides the tool window with the bar; showing brings both back.
    const CPoint ptClose = bar.GetCloseButtonRect().CenterPoint();
    Press(bar, ptClose);
    Release(bar, ptClose);
    EXPECT_FALSE(bar.IsVisible());
    EXPECT_FALSE(pMini->IsWindowVisible());
    m_pFrame->ShowControlBar(&bar, TRUE, FALSE);
    EXPECT_TRUE(pMini->IsWindowVisible());
    m_pFrame->DockControlBar(&bar);
}

TEST_F(BarDragTest, TheToolWindowOfAFloatingBarIsNoSmallerThanItsMinimumFloatingSize)
{
    CSizingControlBarCF bar;
    bar.m_szMinFloat = CSize(120, 80);
    Dock(bar, AFX_IDW_DOCKBAR_BOTTOM);
    DragCaption(bar, CPoint(400, 300));
    ASSERT_TRUE(bar.IsFloating());
    CWnd* pMini = bar.GetParent();
    pMini->SetWindowPos(nullptr, 0, 0, 30, 20, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(WindowRectOf(*pMini).Size(), CSize(120 + 2 * kThickFrame, 80 + 2 * kThickFrame));
    EXPECT_EQ(WindowRectOf(bar).Size(), CSize(120, 80));
    m_pFrame->DockControlBar(&bar);
}

TEST_F(BarDragTest, ADoubleClickDocksAFloatingBarAtItsSideAndAnEdgeDocksItThere)
{
    CSizingControlBarCF bar;
    Dock(bar, AFX_IDW_DOCKBAR_BOTTOM);
    const CRect rcPaneDocked = PaneRect();
    // On the caption or anywhere in the client area below it.
    for (const bool bCaption : {true, false}) {
        DragCaption(bar, CPoint(400, 300));
        ASSERT_TRUE(bar.IsFloating());
        CRect rcInside;
        bar.GetInsideRect(rcInside);
        const CPoint pt = bCaption ? CaptionPoint(bar) : CPoint(rcInside.CenterPoint().x, rcInside.bottom - 3);
        ASSERT_EQ(bar.HitTest(pt), UINT(bCaption ? HTCAPTION : HTCLIENT));
        bar.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MakePointLParam(pt));
        EXPECT_FALSE(bar.IsFloating()) << bCaption;
        EXPECT_EQ(bar.GetParent(), m_pFrame);
        EXPECT_EQ(bar.GetDockBarID(), UINT(AFX_IDW_DOCKBAR_BOTTOM));
        EXPECT_EQ(PaneRect(), rcPaneDocked);
    }

    DragCaption(bar, CPoint(10, 300));
    EXPECT_EQ(bar.GetDockBarID(), UINT(AFX_IDW_DOCKBAR_LEFT));
    EXPECT_EQ(PaneRect().left, WindowRectOf(bar).right);

    // A click on the caption without a move leaves the bar where it is.
    const CRect rcBar = WindowRectOf(bar);
    Press(bar, CaptionPoint(bar));
    Release(bar, CaptionPoint(bar));
    EXPECT_EQ(WindowRectOf(bar), rcBar);
    EXPECT_FALSE(bar.IsFloating());
}

// The bar's window keeps its size as it floats or docks at another side, but its caption moves
// between the left and the top: the child follows the inside every time.
TEST_F(BarDragTest, TheFirstChildFillsTheInsideAfterEveryChangeOfSide)
{
    CSizingControlBarCF bar;
    Dock(bar, AFX_IDW_DOCKBAR_BOTTOM);
    bar.m_dwSCBStyle |= SCBS_SIZECHILD;
    bar.m_szFloat = WindowRectOf(bar).Size();
    CWnd child;
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(), &bar, 1));
    auto expectChildFillsInside = [&](const char* pszWhere) {
        CRect rcInside, rcChild;
        bar.GetInsideRect(rcInside);
        child.GetWindowRect(rcChild);
        bar.ScreenToClient(rcChild);
        EXPECT_EQ(rcChild, rcInside) << pszWhere;
    };
    DragCaption(bar, CPoint(400, 300));
    ASSERT_TRUE(bar.IsFloating());
    expectChildFillsInside("floating");
    bar.SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MakePointLParam(CaptionPoint(bar)));
    ASSERT_FALSE(bar.IsFloating());
    expectChildFillsInside("docked again");
    DragCaption(bar, CPoint(10, 300));
    ASSERT_EQ(bar.GetDockBarID(), UINT(AFX_IDW_DOCKBAR_LEFT));
    expectChildFillsInside("docked at the left");
}

TEST_F(BarDragTest, AFloatingBarThatGoesTakesItsToolWindowWithIt)
{
    auto pBar = std::make_unique<CSizingControlBarCF>();
    Dock(*pBar, AFX_IDW_DOCKBAR_BOTTOM);
    DragCaption(*pBar, CPoint(400, 300));
    CWnd* pMini = pBar->GetParent();
    ASSERT_TRUE(pBar->IsFloating());
    pBar.reset();
    m_thread.PumpPending();
    EXPECT_FALSE(IsWindow(pMini));
}
