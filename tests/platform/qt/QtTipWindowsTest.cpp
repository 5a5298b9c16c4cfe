// Tip windows on Qt's offscreen platform: a popup the layer marks as a tip becomes a frameless
// tool-tip widget that shows, moves and hides as the layer says, without taking the activation.
#include "platform/qt/QtPeerWidget.h"
#include "platform/qt/QtTipWindows.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/TipWindow.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/Wnd.h"
#include "platform/ui/WndMessageMap.h"
#include "support/QtTestInput.h"

#include <QApplication>
#include <QWidget>

#include <gtest/gtest.h>

namespace {

// Counts the cancel-mode messages a tip receives.
class CCountingTip : public CWnd {
public:
    int m_nCancels = 0;

protected:
    void OnCancelMode() override { ++m_nCancels; }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CCountingTip, CWnd)
    ON_WM_CANCELMODE()
END_MESSAGE_MAP()

class QtTipWindowsTest : public QtBackendSuite {
protected:
    static void SetUpTestSuite()
    {
        QtBackendSuite::SetUpTestSuite();
        InitQtTipWindows();
    }
    static void TearDownTestSuite()
    {
        ShutdownQtTipWindows();
        QtBackendSuite::TearDownTestSuite();
    }

    void SetUp() override
    {
        CMessageQueue::Get().Reset();
        ASSERT_TRUE(m_owner.Create(nullptr, u"owner", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 300, 200),
                                   nullptr, 0));
        ASSERT_TRUE(m_tip.CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, nullptr, nullptr, WS_POPUP, CRect(0, 0, 0, 0),
                                   &m_owner, 0));
    }
    void TearDown() override
    {
        m_tip.DestroyWindow();
        m_owner.DestroyWindow();
    }

    CWnd m_owner;
    CCountingTip m_tip;
};

TEST_F(QtTipWindowsTest, AMarkedPopupBecomesAFramelessToolTipThatFollowsTheLayer)
{
    QWidget* pWidget = QtWidgetOf(m_tip);
    ASSERT_NE(pWidget, nullptr);
    EXPECT_NE(pWidget->windowType(), Qt::ToolTip);
    AfxMakeTipWindow(m_tip);
    EXPECT_EQ(pWidget, QtWidgetOf(m_tip));
    EXPECT_EQ(pWidget->windowType(), Qt::ToolTip);
    EXPECT_TRUE(pWidget->windowFlags().testFlag(Qt::FramelessWindowHint));
    EXPECT_TRUE(pWidget->windowFlags().testFlag(Qt::WindowDoesNotAcceptFocus));
    EXPECT_TRUE(pWidget->testAttribute(Qt::WA_ShowWithoutActivating));
    EXPECT_FALSE(pWidget->isVisible());

    m_tip.SetWindowPos(&CWnd::wndTopMost, 120, 80, 60, 20, SWP_NOACTIVATE);
    m_tip.ShowWindow(SW_SHOWNA);
    EXPECT_TRUE(pWidget->isVisible());
    EXPECT_EQ(pWidget->geometry(), QRect(120, 80, 60, 20));
    EXPECT_NE(QApplication::activeWindow(), pWidget);
    m_tip.ShowWindow(SW_HIDE);
    EXPECT_FALSE(pWidget->isVisible());

    // A shaped tip shows and takes the mouse only inside its outline.
    AfxSetTipShape(m_tip, {CPoint(0, 0), CPoint(60, 0), CPoint(0, 20)});
    EXPECT_TRUE(pWidget->mask().contains(QPoint(5, 5)));
    EXPECT_FALSE(pWidget->mask().contains(QPoint(55, 18)));
    AfxSetTipShape(m_tip, {});
    EXPECT_TRUE(pWidget->mask().isEmpty());
}

// A window that opens after the tip (a menu, a dialog) tells the tip to cancel its mode;
// another tool tip opening does not.
TEST_F(QtTipWindowsTest, AWindowOpeningOverATipCancelsIt)
{
    AfxMakeTipWindow(m_tip);
    m_tip.ShowWindow(SW_SHOWNA);
    QWidget otherTip(nullptr, Qt::ToolTip);
    otherTip.show();
    EXPECT_EQ(m_tip.m_nCancels, 0);
    QWidget menu(nullptr, Qt::Popup);
    menu.show();
    EXPECT_EQ(m_tip.m_nCancels, 1);
    menu.hide();
    QWidget dialog(nullptr, Qt::Dialog);
    dialog.show();
    EXPECT_EQ(m_tip.m_nCancels, 2);
    // A child widget showing is no new window.
    QWidget child(&dialog);
    child.show();
    EXPECT_EQ(m_tip.m_nCancels, 2);
}

TEST_F(QtTipWindowsTest, WithoutTheTipServiceAPopupStaysAsItWas)
{
    ShutdownQtTipWindows();
    AfxMakeTipWindow(m_tip);
    EXPECT_NE(QtWidgetOf(m_tip)->windowType(), Qt::ToolTip);
    InitQtTipWindows();
}

} // namespace
