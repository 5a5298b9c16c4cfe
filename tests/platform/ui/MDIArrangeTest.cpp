// Window > Cascade and Tile: the places of the document frames, and the command on a running
// application that restores the frames, places them and keeps the active one in front.
#include "FrameworkFixture.h"

#include "platform/ui/MDIArrange.h"

#include <gtest/gtest.h>

namespace {

TEST(MDIArrange, TileSharesTheAreaWithoutOverlap)
{
    const CSize area(900, 600);
    // Two frames wide: one above the other; tall: side by side.
    EXPECT_EQ(TileRects(2, area, true), (std::vector<CRect>{{0, 0, 900, 300}, {0, 300, 900, 600}}));
    EXPECT_EQ(TileRects(2, area, false), (std::vector<CRect>{{0, 0, 450, 600}, {450, 0, 900, 600}}));
    // Five frames in two columns, the later one taking the odd frame.
    const std::vector<CRect> five = TileRects(5, area, true);
    ASSERT_EQ(five.size(), 5u);
    EXPECT_EQ(five[0], CRect(0, 0, 450, 300));
    EXPECT_EQ(five[4], CRect(450, 400, 900, 600));
    long long nCovered = 0;
    for (size_t i = 0; i < five.size(); ++i) {
        nCovered += (long long)five[i].Width() * five[i].Height();
        for (size_t k = i + 1; k < five.size(); ++k) {
            CRect both;
            EXPECT_FALSE(both.IntersectRect(&five[i], &five[k])) << i << " " << k;
        }
    }
    EXPECT_EQ(nCovered, 900LL * 600);
    EXPECT_TRUE(TileRects(0, area, true).empty());
}

TEST(MDIArrange, CascadeStepsDownToTheCornerAndStartsAgainBeyondHalfTheArea)
{
    const std::vector<CRect> three = CascadeRects(3, CSize(800, 600), 20);
    EXPECT_EQ(three, (std::vector<CRect>{{0, 0, 760, 560}, {20, 20, 780, 580}, {40, 40, 800, 600}}));
    const std::vector<CRect> many = CascadeRects(40, CSize(800, 600), 20);
    for (const CRect& rect : many) {
        EXPECT_GE(rect.Width(), 400);
        EXPECT_LE(rect.bottom, 600);
    }
    EXPECT_EQ(many[16].TopLeft(), CPoint(0, 0));
}

class MDIArrangeCommand : public FrameworkTest {};

TEST_F(MDIArrangeCommand, TileAndCascadePlaceTheDocumentsAndActivationKeepsThem)
{
    StartApp();
    MainFrame()->MoveWindow(0, 0, 800, 600);
    Command(ID_FILE_NEW);
    CMDIChildWnd* pFirst = MainFrame()->MDIGetActive();
    Command(ID_FILE_NEW);
    CMDIChildWnd* pSecond = MainFrame()->MDIGetActive();
    ASSERT_TRUE(pFirst && pSecond && pFirst != pSecond);
    CRect rcClient;
    MainFrame()->GetMDIClient()->GetClientRect(rcClient);

    Command(ID_WINDOW_TILE_HORZ);
    for (CMDIChildWnd* pChild : {pFirst, pSecond}) {
        EXPECT_FALSE(pChild->IsZoomed());
        EXPECT_TRUE(pChild->IsWindowVisible());
    }
    CRect rcFirst, rcSecond;
    pFirst->GetWindowRect(rcFirst);
    pSecond->GetWindowRect(rcSecond);
    EXPECT_EQ(rcFirst.Width(), rcClient.Width());
    EXPECT_EQ(rcFirst.Height() + rcSecond.Height(), rcClient.Height());
    EXPECT_EQ(rcSecond.bottom, rcFirst.top) << "the active document takes the first tile";
    // The view lies below the caption, inside the border.
    CRect rcView;
    pFirst->GetActiveView()->GetWindowRect(rcView);
    EXPECT_EQ(rcView.top, rcFirst.top + CMDIChildWnd::kCaptionHeight);

    // A press in the other document activates it where it stands.
    CView* pFirstView = pFirst->GetActiveView();
    MSG msg = {pFirstView, WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(CPoint(5, 5)), 0, {0, 0}};
    m_pApp->RouteMessage(msg);
    EXPECT_EQ(MainFrame()->MDIGetActive(), pFirst);
    EXPECT_FALSE(pFirst->IsZoomed());
    CRect rcNow;
    pFirst->GetWindowRect(rcNow);
    EXPECT_EQ(rcNow, rcFirst);

    Command(ID_WINDOW_CASCADE);
    pFirst->GetWindowRect(rcFirst);
    pSecond->GetWindowRect(rcSecond);
    EXPECT_EQ(rcFirst.TopLeft() - rcSecond.TopLeft(), CSize(23, 23)) << "the active one in front, last";
    EXPECT_EQ(MainFrame()->GetMDIChildren().front(), pFirst);

    // Its caption drags it, never out of reach above the client area.
    pFirst->GetWindowRect(rcFirst);
    pFirst->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(CPoint(40, 5)));
    pFirst->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MakePointLParam(CPoint(70, 15)));
    pFirst->GetWindowRect(rcNow);
    EXPECT_EQ(rcNow.TopLeft(), rcFirst.TopLeft() + CSize(30, 10));
    pFirst->SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MakePointLParam(CPoint(40, -500)));
    pFirst->SendMessage(WM_LBUTTONUP, 0, MakePointLParam(CPoint(40, -500)));
    pFirst->GetWindowRect(rcNow);
    CPoint ptOrigin(0, 0);
    MainFrame()->GetMDIClient()->ClientToScreen(&ptOrigin);
    EXPECT_EQ(rcNow.top, ptOrigin.y);

    // Closing the active one leaves the other where it stands.
    Command(ID_WINDOW_TILE_HORZ);
    pSecond->GetWindowRect(rcSecond);
    pFirst->SendMessage(WM_CLOSE);
    ASSERT_EQ(MainFrame()->MDIGetActive(), pSecond);
    EXPECT_FALSE(pSecond->IsZoomed());
    pSecond->GetWindowRect(rcNow);
    EXPECT_EQ(rcNow, rcSecond);
    pFirst = pSecond;

    // A double click on the caption maximises it again.
    pFirst->SendMessage(WM_LBUTTONDBLCLK, MK_LBUTTON, MakePointLParam(CPoint(40, 5)));
    EXPECT_TRUE(pFirst->IsZoomed());
    pFirst->GetActiveView()->GetWindowRect(rcView);
    pFirst->GetWindowRect(rcNow);
    EXPECT_EQ(rcView.top, rcNow.top);
}

}  // namespace
