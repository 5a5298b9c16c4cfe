#include "controls/BalloonTipWnd.h"

#include "platform/ui/WindowFixture.h"

#include "controls/IconImages.h"
#include "platform/gdi/Font.h"
#include "platform/qt/QtTipWindows.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/TipWindow.h"
#include "platform/ui/WindowStyles.h"
#include "support/QtTestInput.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

namespace {

// Where the tips point, on the screen.
const CPoint kPoint(300, 200);

class BalloonTipTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(m_owner.Create(nullptr, nullptr, WS_OVERLAPPED | WS_VISIBLE, CRect(100, 50, 500, 450), nullptr, 0));
        ASSERT_TRUE(m_tip.Create(&m_owner));
    }
    void TearDown() override
    {
        m_tip.DestroyWindow();
        m_owner.DestroyWindow();
        WindowTest::TearDown();
    }

    // Lets the test clock run and delivers the timers that fell due.
    void Wait(UINT nMilliseconds)
    {
        m_clock.Advance(nMilliseconds);
        m_thread.PumpPending();
    }
    MSG Message(CWnd* pWnd, UINT nMessage, CPoint ptClient)
    {
        return MSG{pWnd, nMessage, 0, MAKELPARAM(WORD(ptClient.x), WORD(ptClient.y)), 0, {0, 0}};
    }

    // Where the stem of the shown tip ends, on the screen.
    CPoint StemTip() const
    {
        CRect rect;
        m_tip.GetWindowRect(rect);
        const CSize sizeBox = m_tip.GetBoxSize();
        return rect.TopLeft() + CSize(sizeBox.cx - 12, sizeBox.cy + CBalloonTipWnd::STEM_LENGTH - 10);
    }

    CWnd m_owner;
    CBalloonTipWnd m_tip;
};

TEST_F(BalloonTipTest, TheTipIsHiddenAndOwnedByItsWindow)
{
    EXPECT_EQ(m_tip.GetParent(), &m_owner);
    EXPECT_FALSE(m_tip.IsWindowVisible());
}

TEST_F(BalloonTipTest, ATextShowsWithItsStemOnThePointAfterTheDelay)
{
    m_tip.Show(_T("In1"), &kPoint);
    EXPECT_TRUE(m_tip.IsShowPending());
    EXPECT_FALSE(m_tip.IsWindowVisible());
    Wait(CBalloonTipWnd::SHOW_DELAY - 1);
    EXPECT_FALSE(m_tip.IsWindowVisible());
    Wait(1);
    EXPECT_TRUE(m_tip.IsWindowVisible());
    EXPECT_FALSE(m_tip.IsShowPending());
    EXPECT_EQ(StemTip(), kPoint);
    CRect rect;
    m_tip.GetWindowRect(rect);
    EXPECT_EQ(rect.Size(), m_tip.GetBoxSize() + CSize(0, CBalloonTipWnd::STEM_LENGTH));
    EXPECT_EQ(m_tip.GetText(), CString(_T("In1")));
}

TEST_F(BalloonTipTest, EachRequestWhileHiddenRestartsTheDelay)
{
    m_tip.Show(_T("In1"), &kPoint);
    Wait(CBalloonTipWnd::SHOW_DELAY - 100);
    m_tip.Show(_T("In2"), &kPoint);
    Wait(150);
    EXPECT_FALSE(m_tip.IsWindowVisible());
    Wait(CBalloonTipWnd::SHOW_DELAY);
    EXPECT_TRUE(m_tip.IsWindowVisible());
    EXPECT_EQ(m_tip.GetText(), CString(_T("In2")));
}

TEST_F(BalloonTipTest, AShowWhileShownWaitsForTheDelayAndAnEmptyTextHidesIt)
{
    m_tip.Show(_T("In1"), &kPoint);
    Wait(CBalloonTipWnd::SHOW_DELAY);
    CRect before;
    m_tip.GetWindowRect(before);
    const CPoint ptMoved(340, 260);
    ::SetCursorPos(ptMoved.x, ptMoved.y);
    m_tip.Show(_T("Incompatible connectors!"), &ptMoved);
    EXPECT_TRUE(m_tip.IsShowPending());
    Wait(CBalloonTipWnd::SHOW_DELAY - 1);
    CRect waiting;
    m_tip.GetWindowRect(waiting);
    EXPECT_EQ(waiting, before);
    Wait(1);
    EXPECT_FALSE(m_tip.IsShowPending());
    CRect after;
    m_tip.GetWindowRect(after);
    // A longer text grows the box leftwards: the stem stays on the point.
    EXPECT_EQ(StemTip(), ptMoved);
    EXPECT_GT(after.Width(), before.Width());

    m_tip.Show(CString(), nullptr);
    EXPECT_FALSE(m_tip.IsWindowVisible());
    EXPECT_TRUE(m_tip.GetText().IsEmpty());
    // An empty text also stops a show that was waiting.
    m_tip.Show(_T("In1"), &kPoint);
    m_tip.Show(CString(), &kPoint);
    EXPECT_FALSE(m_tip.IsShowPending());
    Wait(2 * CBalloonTipWnd::SHOW_DELAY);
    EXPECT_FALSE(m_tip.IsWindowVisible());
}

// The mouse may leave the view for a bar or another window without the view seeing it: the shown
// tip looks every half second whether the cursor still rests on its anchor.
TEST_F(BalloonTipTest, AShownTipGoesOnceTheCursorLeavesItsAnchor)
{
    ::SetCursorPos(kPoint.x, kPoint.y);
    m_tip.Show(_T("Input"), &kPoint);
    Wait(499);
    EXPECT_FALSE(m_tip.IsWindowVisible());
    Wait(1);
    ASSERT_TRUE(m_tip.IsWindowVisible());
    Wait(1500);
    EXPECT_TRUE(m_tip.IsWindowVisible());
    ::SetCursorPos(kPoint.x, kPoint.y + 40);
    Wait(499);
    EXPECT_TRUE(m_tip.IsWindowVisible());
    Wait(1);
    EXPECT_FALSE(m_tip.IsWindowVisible());
    // Once hidden it stays hidden when the cursor comes back.
    ::SetCursorPos(kPoint.x, kPoint.y);
    Wait(1000);
    EXPECT_FALSE(m_tip.IsWindowVisible());
}

TEST_F(BalloonTipTest, TheRelayShowsARegisteredWindowsTipAndAPressHidesIt)
{
    CWnd tool;
    ASSERT_TRUE(tool.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 60, 40), &m_owner, 5));
    m_tip.AddTool(&tool, _T("Tool tip"));
    CWnd other;
    ASSERT_TRUE(other.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(100, 10, 160, 40), &m_owner, 6));

    MSG move = Message(&tool, WM_MOUSEMOVE, CPoint(5, 5));
    m_tip.RelayEvent(&move);
    Wait(CBalloonTipWnd::SHOW_DELAY);
    ASSERT_TRUE(m_tip.IsWindowVisible());
    EXPECT_EQ(m_tip.GetText(), CString(_T("Tool tip")));
    CPoint ptScreen(5, 5);
    tool.ClientToScreen(&ptScreen);
    EXPECT_EQ(m_tip.GetAnchor(), ptScreen);

    MSG press = Message(&tool, WM_LBUTTONDOWN, CPoint(5, 5));
    m_tip.RelayEvent(&press);
    EXPECT_FALSE(m_tip.IsWindowVisible());

    // Over a window without a tip of its own, a registered window's tip goes away.
    MSG moveOn = Message(&tool, WM_MOUSEMOVE, CPoint(6, 5));
    m_tip.RelayEvent(&moveOn);
    Wait(CBalloonTipWnd::SHOW_DELAY);
    ASSERT_TRUE(m_tip.IsWindowVisible());
    MSG moveOther = Message(&other, WM_MOUSEMOVE, CPoint(5, 5));
    m_tip.RelayEvent(&moveOther);
    EXPECT_FALSE(m_tip.IsWindowVisible());

    // A null point is where the cursor is, wherever the relay saw the mouse last.
    const CPoint ptCursor(250, 300);
    ::SetCursorPos(ptCursor.x, ptCursor.y);
    m_tip.Show(_T("Owner's"), nullptr);
    EXPECT_EQ(m_tip.GetAnchor(), ptCursor);

    m_tip.DelTool(&tool);
    m_tip.RelayEvent(&move);
    EXPECT_EQ(m_tip.GetText(), CString(_T("Owner's")));
}

// A menu or a dialog opening (WM_CANCELMODE) takes a shown tip away and drops one that waits
// for its delay, which would otherwise appear over that window.
TEST_F(BalloonTipTest, CancelModeHidesTheTipAndDropsAPendingShow)
{
    m_tip.Show(_T("In1"), &kPoint);
    Wait(CBalloonTipWnd::SHOW_DELAY);
    ASSERT_TRUE(m_tip.IsWindowVisible());
    m_tip.SendMessage(WM_CANCELMODE);
    EXPECT_FALSE(m_tip.IsWindowVisible());

    m_tip.Show(_T("Output"), &kPoint);
    ASSERT_TRUE(m_tip.IsShowPending());
    m_tip.SendMessage(WM_CANCELMODE);
    EXPECT_FALSE(m_tip.IsShowPending());
    Wait(CBalloonTipWnd::SHOW_DELAY);
    EXPECT_FALSE(m_tip.IsWindowVisible());
}

TEST_F(BalloonTipTest, TheIconAndTheFontSizeTheBox)
{
    m_tip.Show(_T("Out"), nullptr);
    const CSize sizePlain = m_tip.GetBoxSize();
    m_tip.SetIcon(IDI_LAMP_ON);
    const CSize sizeIcon = m_tip.GetBoxSize();
    EXPECT_GT(sizeIcon.cx, sizePlain.cx + ICON_IMAGE_SIZE);
    EXPECT_GE(sizeIcon.cy, ICON_IMAGE_SIZE);
    // An id without a picture takes no room.
    m_tip.SetIcon(133);
    EXPECT_EQ(m_tip.GetBoxSize(), sizePlain);

    CFont font;
    ASSERT_TRUE(font.CreateFont(24, 12, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                                CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH, _T("")));
    m_tip.SetTipFont(&font);
    EXPECT_EQ(m_tip.GetTipFont(), &font);
    EXPECT_GT(m_tip.GetBoxSize().cy, sizePlain.cy);
    m_tip.SetTipFont(nullptr);
}

// The mouse as Qt delivers it to a window that relays it to its tip, as the diagram view does:
// the tip goes the moment the mouse leaves its anchor (from pin to pin), not when its watch looks.
class BalloonTipQtTest : public QtControlsSuite {
protected:
    void TearDown() override
    {
        CMessageQueue::Get().SetTickSource(nullptr);
        QtControlsSuite::TearDown();
    }
    struct CRelayingWnd : CWnd {
        CBalloonTipWnd tip;
        BOOL PreTranslateMessage(MSG* pMsg) override
        {
            tip.RelayEvent(pMsg);
            return FALSE;
        }
    } m_owner;
    CManualTickSource m_clock;

    // The owner made, and the tip shown at the owner's client point (40, 60).
    void ShowAtAnchor(CBalloonTipWnd& tip)
    {
        ASSERT_TRUE(m_owner.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 250, 150), &m_top, 1));
        ASSERT_TRUE(tip.Create(&m_owner));
        CPoint ptAnchor(40, 60);
        m_owner.ClientToScreen(&ptAnchor);
        tip.Show(_T("In1"), &ptAnchor);
    }
    // The owner's own tip shown, its delay run out on the queue's clock.
    void ShowOwnersTip()
    {
        CMessageQueue::Get().SetTickSource(&m_clock);
        ASSERT_NO_FATAL_FAILURE(ShowAtAnchor(m_owner.tip));
        m_clock.Advance(CBalloonTipWnd::SHOW_DELAY);
        m_thread.PumpPending();
    }
};

TEST_F(BalloonTipQtTest, AMouseMoveOffTheAnchorHidesTheTipAtOnce)
{
    const auto moveTo = [this](int y) {
        QMouseEvent move(QEvent::MouseMove, QPointF(40, y), QPointF(), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
        QApplication::sendEvent(QtWidgetOf(m_owner), &move);
    };
    ASSERT_NO_FATAL_FAILURE(ShowOwnersTip());
    moveTo(60);
    EXPECT_TRUE(m_owner.tip.IsWindowVisible()) << "the mouse still rests on the anchor";
    moveTo(72);
    EXPECT_FALSE(m_owner.tip.IsWindowVisible());
}

// A tip is drawn in the step that shows it: a paint left to the queue would let it stand on the
// screen unpainted while other windows' work runs first.
TEST_F(BalloonTipQtTest, TheTipIsPaintedAsItShows)
{
    struct CCountingTip : CBalloonTipWnd {
        int nPaints = 0;
        bool bVisibleAtFirstPaint = false;
        void OnPaint() override
        {
            if (nPaints++ == 0)
                bVisibleAtFirstPaint = QtWidgetOf(*this) && QtWidgetOf(*this)->isVisible();
            CBalloonTipWnd::OnPaint();
        }
    } tip;
    ASSERT_NO_FATAL_FAILURE(ShowAtAnchor(tip));
    // The show timer's message, as the queue delivers it; Qt's own events do not run meanwhile.
    tip.SendMessage(WM_TIMER, 100, 0);
    ASSERT_TRUE(QtWidgetOf(tip)->isVisible());
    EXPECT_EQ(tip.nPaints, 1);
    EXPECT_TRUE(tip.bVisibleAtFirstPaint);
    EXPECT_FALSE(tip.GetUpdateRect(nullptr));
    tip.DestroyWindow();
}

// A tip goes with its window's top-level window when that is minimised (by the window manager's
// button or the program), also while the cursor still rests on the anchor; and when that window
// moves, since the anchor is a point of the screen that the owner's spot has left.
TEST_F(BalloonTipQtTest, TheTipGoesWhenItsTopWindowIsMinimisedOrMoved)
{
    struct TipBackendScope {
        TipBackendScope() { InitQtTipWindows(); }
        ~TipBackendScope() { ShutdownQtTipWindows(); }
    } tipBackend;
    const struct {
        const char* pszChange;
        std::function<void(QWidget*)> change;
    } changes[] = {
        {"minimised", [](QWidget* pTop) { pTop->showMinimized(); }},
        {"moved", [](QWidget* pTop) { pTop->move(pTop->pos() + QPoint(200, 150)); }},
    };
    for (const auto& c : changes) {
        SCOPED_TRACE(c.pszChange);
        ASSERT_NO_FATAL_FAILURE(ShowOwnersTip());
        QWidget* pTip = QtWidgetOf(m_owner.tip);
        ASSERT_TRUE(pTip && pTip->isVisible());
        c.change(QtWidgetOf(m_top));
        EXPECT_FALSE(pTip->isVisible());
        EXPECT_FALSE(m_owner.tip.IsWindowVisible());
        m_owner.tip.DestroyWindow();
        m_owner.DestroyWindow();
        QtWidgetOf(m_top)->showNormal();
    }
}

// The native side learns which windows are tips, and their shape.
class RecordingTipBackend : public ITipWindowBackend {
public:
    void MakeTipWindow(CWnd& wnd) override { m_pLast = &wnd; }
    void SetTipShape(CWnd& wnd, const std::vector<CPoint>& outline) override
    {
        m_pShaped = &wnd;
        m_outline = outline;
    }
    CWnd* m_pLast = nullptr;
    CWnd* m_pShaped = nullptr;
    std::vector<CPoint> m_outline;
};

TEST_F(BalloonTipTest, CreatingATipTellsTheTipBackendAndShowingItsShape)
{
    RecordingTipBackend backend;
    AfxSetTipWindowBackend(&backend);
    CBalloonTipWnd tip;
    ASSERT_TRUE(tip.Create(&m_owner));
    EXPECT_EQ(backend.m_pLast, &tip);
    tip.Show(_T("In1"), &kPoint);
    Wait(CBalloonTipWnd::SHOW_DELAY);
    AfxSetTipWindowBackend(nullptr);
    ASSERT_EQ(backend.m_pShaped, &tip);
    // The outline's lowest point is the stem's tip, on the anchor; the box lies above it.
    const auto lowest = std::max_element(backend.m_outline.begin(), backend.m_outline.end(),
                                         [](const CPoint& a, const CPoint& b) { return a.y < b.y; });
    ASSERT_NE(lowest, backend.m_outline.end());
    CPoint ptScreen = *lowest;
    tip.ClientToScreen(&ptScreen);
    EXPECT_EQ(ptScreen, kPoint);
    const CSize sizeBox = tip.GetBoxSize();
    for (const CPoint& ptEdge : backend.m_outline) {
        EXPECT_GE(ptEdge.x, 0);
        EXPECT_LE(ptEdge.x, sizeBox.cx);
        EXPECT_GE(ptEdge.y, 0);
    }
}

} // namespace
