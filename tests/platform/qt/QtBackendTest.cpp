// The Qt backend under the offscreen platform: real widgets, synthetic Qt input arriving as the
// layer's messages, and a paint through the device context landing in the widget's pixels.
#include "platform/gdi/DC.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/Cursor.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/WndMessageMap.h"
#include "support/QtTestInput.h"

#include <QApplication>
#include <QCursor>
#include <QImage>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPixmap>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

std::vector<std::string> g_events;

class CInputWnd : public CWnd {
protected:
    void OnLButtonDown(UINT nFlags, CPoint point) override
    {
        g_events.push_back("down:" + std::to_string(nFlags) + ":" + std::to_string(point.x) + "," +
                           std::to_string(point.y));
    }
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT) override
    {
        g_events.push_back("key:" + std::to_string(nChar) + ":" + std::to_string(nRepCnt));
    }
    void OnChar(UINT nChar, UINT, UINT) override { g_events.push_back("char:" + std::to_string(nChar)); }
    LRESULT OnImeChar(WPARAM wParam, LPARAM)
    {
        g_events.push_back("ime:" + std::to_string(wParam));
        return 0;
    }
    void OnPaint() override
    {
        CPaintDC dc(this);
        CRect rect;
        GetClientRect(rect);
        dc.FillSolidRect(rect, RGB(255, 0, 0));
        dc.FillSolidRect(CRect(0, 0, 10, 10), RGB(0, 0, 255));
    }
    LRESULT OnPosted(WPARAM wParam, LPARAM)
    {
        g_events.push_back("posted:" + std::to_string(wParam));
        if (wParam == 2)
            PostQuitMessage(5);
        return 0;
    }
    void OnTimer(UINT_PTR nIDEvent) override
    {
        g_events.push_back("timer:" + std::to_string(nIDEvent));
        KillTimer(nIDEvent);
        PostMessage(WM_USER + 1, 2);
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CInputWnd, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_KEYDOWN()
    ON_WM_CHAR()
    ON_WM_PAINT()
    ON_WM_TIMER()
    ON_MESSAGE(WM_USER + 1, OnPosted)
    ON_MESSAGE(WM_IME_CHAR, OnImeChar)
END_MESSAGE_MAP()

// A top-level window that allows sizes from 150 x 100 to 400 x 300.
class CLimitedWnd : public CWnd {
protected:
    void OnGetMinMaxInfo(MINMAXINFO* lpMMI) override
    {
        lpMMI->ptMinTrackSize = {150, 100};
        lpMMI->ptMaxTrackSize = {400, 300};
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CLimitedWnd, CWnd)
    ON_WM_GETMINMAXINFO()
END_MESSAGE_MAP()

// A top-level window that logs the kind of each size message.
class CSizeLogWnd : public CWnd {
protected:
    void OnSize(UINT nType, int, int) override { g_events.push_back("size:" + std::to_string(nType)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSizeLogWnd, CWnd)
    ON_WM_SIZE()
END_MESSAGE_MAP()

class QtBackendTest : public QtBackendSuite {
protected:
    void SetUp() override
    {
        g_events.clear();
        CMessageQueue::Get().Reset();
        AfxResetKeyState();
        ASSERT_TRUE(m_top.Create(nullptr, u"top", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 300, 200),
                                 nullptr, 0));
        ASSERT_TRUE(m_child.CreateEx(WS_EX_CLIENTEDGE, nullptr, nullptr, WS_CHILD | WS_VISIBLE,
                                     CRect(20, 30, 120, 110), &m_top, 7));
    }
    void TearDown() override { m_top.DestroyWindow(); }

    CWinThread m_thread;
    CWnd m_top;
    CInputWnd m_child;
};

TEST_F(QtBackendTest, ACreatedWindowGetsAWidgetThatFollowsIt)
{
    QWidget* pWidget = QtWidgetOf(m_child);
    ASSERT_NE(pWidget, nullptr);
    EXPECT_EQ(pWidget->parentWidget(), QtWidgetOf(m_top));
    EXPECT_EQ(pWidget->geometry(), QRect(20, 30, 100, 80));
    EXPECT_TRUE(pWidget->isVisible());
    m_child.MoveWindow(5, 6, 50, 40);
    EXPECT_EQ(pWidget->geometry(), QRect(5, 6, 50, 40));
    m_child.ShowWindow(SW_HIDE);
    EXPECT_FALSE(pWidget->isVisible());
    m_child.DestroyWindow();
    EXPECT_EQ(QtWidgetOf(m_child), nullptr);
}

TEST_F(QtBackendTest, ATopLevelWindowKeepsWithinItsTrackSizesWhoeverSizesIt)
{
    CLimitedWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, u"limited", WS_OVERLAPPED | WS_THICKFRAME | WS_VISIBLE, CRect(0, 0, 200, 150),
                           nullptr, 0));
    QWidget* pWidget = QtWidgetOf(wnd);
    ASSERT_NE(pWidget, nullptr);
    EXPECT_EQ(pWidget->minimumSize(), QSize(150, 100));
    EXPECT_EQ(pWidget->maximumSize(), QSize(400, 300));
    CRect rect;
    wnd.MoveWindow(0, 0, 50, 50);
    wnd.GetWindowRect(rect);
    EXPECT_EQ(rect.Size(), CSize(150, 100)) << "the program";
    pWidget->resize(900, 900);
    wnd.GetWindowRect(rect);
    EXPECT_EQ(rect.Size(), CSize(400, 300)) << "the user, through the toolkit";
    wnd.DestroyWindow();
}

// The title bar's buttons act through the window manager, not through ShowWindow: the window's
// state follows the widget's, and the window hears of it in a size message.
TEST_F(QtBackendTest, TheWindowManagersMaximiseMinimiseAndRestoreReachTheWindow)
{
    CSizeLogWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, u"sized", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(10, 10, 300, 200), nullptr, 0));
    const std::pair<Qt::WindowStates, UINT> cases[] = {{Qt::WindowMaximized, SIZE_MAXIMIZED},
                                                       {Qt::WindowMinimized | Qt::WindowMaximized, SIZE_MINIMIZED},
                                                       {Qt::WindowNoState, SIZE_RESTORED}};
    for (const auto& [states, nType] : cases) {
        g_events.clear();
        QtWidgetOf(wnd)->setWindowState(states);
        EXPECT_EQ(wnd.IsZoomed(), nType == SIZE_MAXIMIZED);
        EXPECT_EQ(wnd.IsIconic(), nType == SIZE_MINIMIZED);
        EXPECT_EQ(g_events, std::vector<std::string>{"size:" + std::to_string(nType)});
    }
    wnd.DestroyWindow();
}

TEST_F(QtBackendTest, AClickArrivesAsLeftButtonDownInClientCoordinates)
{
    QWidget* pWidget = QtWidgetOf(m_child);
    // Widget (12, 9) lies inside the 2-pixel client edge: client (10, 7).
    QMouseEvent press(QEvent::MouseButtonPress, QPointF(12, 9), pWidget->mapToGlobal(QPointF(12, 9)),
                      Qt::LeftButton, Qt::LeftButton, Qt::ControlModifier);
    QApplication::sendEvent(pWidget, &press);
    EXPECT_EQ(g_events, (std::vector<std::string>{"down:9:10,7"}));   // MK_LBUTTON | MK_CONTROL
}

TEST_F(QtBackendTest, AKeyPressArrivesAsKeyDownAndCharAtTheFocusWindow)
{
    m_child.SetFocus();
    QKeyEvent f5(QEvent::KeyPress, Qt::Key_F5, Qt::NoModifier);
    QApplication::sendEvent(QtWidgetOf(m_top), &f5);
    QKeyEvent letter(QEvent::KeyPress, Qt::Key_A, Qt::NoModifier, QStringLiteral("a"));
    QApplication::sendEvent(QtWidgetOf(m_child), &letter);
    QKeyEvent ctrlN(QEvent::KeyPress, Qt::Key_N, Qt::ControlModifier);
    QApplication::sendEvent(QtWidgetOf(m_child), &ctrlN);
    EXPECT_EQ(g_events, (std::vector<std::string>{"key:116:1", "key:65:1", "char:97", "key:78:1",
                                                  "char:14"}));
}

TEST_F(QtBackendTest, CommittedInputMethodTextArrivesAsImeCharsAtTheFocusWindow)
{
    m_child.SetFocus();
    QInputMethodEvent composing(QStringLiteral("zhong"), {});
    QApplication::sendEvent(QtWidgetOf(m_top), &composing);
    QInputMethodEvent committed;
    committed.setCommitString(QString::fromUtf16(u"\u4E2D\u6587"));
    QApplication::sendEvent(QtWidgetOf(m_top), &committed);
    EXPECT_EQ(g_events, (std::vector<std::string>{"ime:20013", "ime:25991"}));
}

TEST_F(QtBackendTest, APaintDrawsThroughTheDeviceContextIntoTheWidget)
{
    const QImage image = QtWidgetOf(m_child)->grab().toImage();
    ASSERT_EQ(image.size(), QSize(100, 80));
    // The client area starts inside the 2-pixel edge.
    EXPECT_EQ(image.pixelColor(2 + 3, 2 + 3), QColor(0, 0, 255));
    EXPECT_EQ(image.pixelColor(2 + 50, 2 + 40), QColor(255, 0, 0));
}

TEST_F(QtBackendTest, TheCursorPositionIsTheRealPointerInScreenCoordinates)
{
    for (const CPoint pt : {CPoint(137, 84), CPoint(12, 250)}) {
        ASSERT_TRUE(SetCursorPos(pt.x, pt.y));
        EXPECT_EQ(QCursor::pos(), QPoint(pt.x, pt.y));
        CPoint ptRead;
        ASSERT_TRUE(GetCursorPos(&ptRead));
        EXPECT_EQ(ptRead, pt);
    }
    // Qt moving the pointer is what the layer reads, not a position the layer keeps.
    QCursor::setPos(40, 60);
    CPoint ptRead;
    ASSERT_TRUE(GetCursorPos(&ptRead));
    EXPECT_EQ(ptRead, CPoint(40, 60));
    EXPECT_FALSE(GetCursorPos(nullptr));
}

TEST_F(QtBackendTest, TheQtLoopDeliversTimersAndPostedMessagesUntilQuit)
{
    m_child.SetTimer(3, 20, nullptr);
    m_child.PostMessage(WM_USER + 1, 1);
    EXPECT_EQ(m_thread.Run(), 5);
    EXPECT_EQ(g_events, (std::vector<std::string>{"posted:1", "timer:3", "posted:2"}));
}

}  // namespace
