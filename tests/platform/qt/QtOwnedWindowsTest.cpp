// Top-level windows on Qt's offscreen platform as a window manager sees them: an owned window is
// a transient of its owner's top-level window (a dialog, a sheet, a caption-less popup) and, on a
// desktop, has no entry of its own in the task list, a popup without a caption has no native
// frame, and raising an owner raises what it owns over it.
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/Wnd.h"
#include "support/QtTestInput.h"
#include "WindowManagerRequests.h"

#include <QApplication>
#include <QEvent>
#include <QWidget>
#include <QWindow>

#include <gtest/gtest.h>

#include <vector>

namespace {

class QtOwnedWindowsTest : public QtBackendSuite {
protected:
    void SetUp() override
    {
        CMessageQueue::Get().Reset();
        ASSERT_TRUE(m_frame.Create(nullptr, u"frame", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 400, 300),
                                   nullptr, 0));
        ASSERT_TRUE(m_child.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 100), &m_frame, 1));
    }
    void TearDown() override { m_frame.DestroyWindow(); }

    CWnd m_frame;
    CWnd m_child;
};

// Records the order in which windows are raised.
class RaiseLog : public QObject {
public:
    std::vector<QObject*> m_raised;

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        if (pEvent->type() == QEvent::ZOrderChange)
            m_raised.push_back(pObject);
        return false;
    }
};

}  // namespace

TEST_F(QtOwnedWindowsTest, OwnedWindowsAreTransientsOfTheOwnerAndCaptionlessPopupsHaveNoFrame)
{
    struct Case {
        const char* pszName;
        DWORD dwStyle;
        DWORD dwExStyle;
        bool bOwned;
        Qt::WindowType type;
        bool bFrameless;
    };
    const Case cases[] = {
        {"value editor over an element", WS_POPUP | WS_BORDER, 0, true, Qt::Tool, true},
        {"modeless sheet", WS_POPUP | WS_CAPTION | WS_SYSMENU, 0, true, Qt::Dialog, false},
        {"floating bar", WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_SYSMENU, WS_EX_TOOLWINDOW, true, Qt::Tool, false},
        {"main window", WS_OVERLAPPEDWINDOW, 0, false, Qt::Window, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszName);
        CWnd wnd;
        // Created as the program creates them: an owned window names a child of the owner.
        ASSERT_TRUE(wnd.CreateEx(c.dwExStyle, nullptr, u"window", c.dwStyle | WS_VISIBLE, CRect(50, 50, 150, 90),
                                 c.bOwned ? &m_child : nullptr, 0));
        QWidget* pWidget = QtWidgetOf(wnd);
        ASSERT_NE(pWidget, nullptr);
        ASSERT_TRUE(pWidget->isVisible());
        EXPECT_EQ(pWidget->windowType(), c.type);
        EXPECT_EQ(pWidget->windowFlags().testFlag(Qt::FramelessWindowHint), c.bFrameless);
        EXPECT_EQ(pWidget->windowFlags().testFlag(Qt::WindowMinimizeButtonHint), c.type == Qt::Window);
        ASSERT_NE(pWidget->windowHandle(), nullptr);
        EXPECT_EQ(pWidget->windowHandle()->transientParent(),
                  c.bOwned ? QtWidgetOf(m_frame)->windowHandle() : nullptr);
        // Each time it is shown: a window manager drops the state of a window it unmapped.
        for (int nShown = 0; nShown < 2 && QtTestOnDesktop(); ++nShown) {
            EXPECT_EQ(WindowCarriesState(*pWidget, "_NET_WM_STATE_SKIP_TASKBAR"), c.bOwned) << "shown " << nShown + 1;
            wnd.ShowWindow(SW_HIDE);
            // The window manager takes the window back before it appears again.
            ASSERT_TRUE(WaitForWindowManager(*QtWidgetOf(m_frame)));
            wnd.ShowWindow(SW_SHOWNA);
        }
        wnd.DestroyWindow();
    }
}

// Without a window manager nothing keeps an owned window over its owner: when the layer raises
// the owner, what it owns is raised after it, each over its own owner.
TEST_F(QtOwnedWindowsTest, RaisingAnOwnerRaisesItsOwnedWindowsAfterIt)
{
    CWnd sheet, popup, other;
    ASSERT_TRUE(sheet.Create(nullptr, u"sheet", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(50, 50, 250, 200),
                             &m_child, 0));
    ASSERT_TRUE(popup.Create(nullptr, nullptr, WS_POPUP | WS_BORDER | WS_VISIBLE, CRect(60, 60, 120, 80), &sheet, 0));
    ASSERT_TRUE(other.Create(nullptr, u"other", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 100, 100), nullptr, 0));
    RaiseLog log;
    for (CWnd* pWnd : {&m_frame, &sheet, &popup, &other})
        QtWidgetOf(*pWnd)->installEventFilter(&log);

    m_frame.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const std::vector<QObject*> expected = {QtWidgetOf(m_frame), QtWidgetOf(sheet), QtWidgetOf(popup)};
    EXPECT_EQ(log.m_raised, expected);

    // A hidden owned window stays where it is.
    log.m_raised.clear();
    popup.ShowWindow(SW_HIDE);
    m_frame.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    const std::vector<QObject*> withoutPopup = {QtWidgetOf(m_frame), QtWidgetOf(sheet)};
    EXPECT_EQ(log.m_raised, withoutPopup);
    other.DestroyWindow();
}
