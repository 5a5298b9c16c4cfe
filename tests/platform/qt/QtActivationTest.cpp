// Activation and closing as Qt reports them: a window Qt activates hears WM_ACTIVATE, and the
// owner of a running modal dialog ignores the window manager's close request.
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Wnd.h"
#include "support/QtTestInput.h"

#include <QApplication>
#include <QCloseEvent>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// Logs "activate:<state>" and "close".
class CLoggedWindow : public CWnd {
public:
    std::vector<std::string> m_log;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ACTIVATE)
            m_log.push_back("activate:" + std::to_string(LOWORD(DWORD(wParam))));
        if (message == WM_CLOSE) {
            m_log.emplace_back("close");
            return 0;
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

class QtActivationTest : public QtBackendSuite {
protected:
    void TearDown() override { CMessageQueue::Get().Reset(); }
};

TEST_F(QtActivationTest, QtsActivationReachesTheWindowAndADisabledOneCannotBeClosed)
{
    CLoggedWindow first, second;
    ASSERT_TRUE(first.CreateEx(0, _T("Q"), _T("first"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
    ASSERT_TRUE(second.CreateEx(0, _T("Q"), _T("second"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
    ASSERT_EQ(CWnd::GetActiveWindow(), &second);
    first.m_log.clear();
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(QtWidgetOf(first), &activate);
    EXPECT_EQ(CWnd::GetActiveWindow(), &first);
    EXPECT_EQ(first.m_log, (std::vector<std::string>{"activate:1"}));

    first.EnableWindow(FALSE);
    QCloseEvent closeDisabled;
    QApplication::sendEvent(QtWidgetOf(first), &closeDisabled);
    first.EnableWindow(TRUE);
    QCloseEvent closeEnabled;
    QApplication::sendEvent(QtWidgetOf(first), &closeEnabled);
    EXPECT_EQ(first.m_log, (std::vector<std::string>{"activate:1", "close"}));
    second.DestroyWindow();
    first.DestroyWindow();
}

}  // namespace
