// The busy wait on the Qt backend: while a worker thread works, Qt repaints the windows, but the
// layer's posted messages wait until the work is done and then arrive.
#include "platform/qt/QtBackend.h"
#include "platform/ui/BusyWait.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/WndMessageMap.h"
#include "support/QtTestApp.h"

#include <QApplication>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>

namespace {

constexpr UINT WM_WAIT_TEST = WM_USER + 41;

class CWaitWnd : public CWnd {
public:
    std::atomic<int> m_nPaints{0};
    std::atomic<int> m_nPosted{0};

protected:
    void OnPaint() override
    {
        CPaintDC dc(this);
        ++m_nPaints;
    }
    LRESULT OnWaitTest(WPARAM, LPARAM)
    {
        ++m_nPosted;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CWaitWnd, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_WAIT_TEST, OnWaitTest)
END_MESSAGE_MAP()

}  // namespace

TEST(QtBusyWait, WindowsRepaintWhilePostedMessagesWait)
{
    QtTestApp();
    InitQtBackend();
    CMessageQueue::Get().Reset();
    CWinThread thread;
    CWaitWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, u"wait", WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
    QApplication::processEvents();
    const int nPaintsBefore = wnd.m_nPaints;

    wnd.PostMessage(WM_WAIT_TEST);
    wnd.Invalidate();
    int nPostedWhilePainted = -1;
    const bool bPainted = CBusyWait::RunElsewhere<bool>([&] {
        for (int i = 0; i < 400; ++i) {
            if (wnd.m_nPaints > nPaintsBefore) {
                nPostedWhilePainted = wnd.m_nPosted;
                return true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        }
        return false;
    });
    EXPECT_TRUE(bPainted);
    EXPECT_EQ(nPostedWhilePainted, 0);
    for (int i = 0; i < 100 && wnd.m_nPosted == 0; ++i)
        QApplication::processEvents(QEventLoop::WaitForMoreEvents, 10);
    EXPECT_EQ(wnd.m_nPosted, 1);

    wnd.DestroyWindow();
    CMessageQueue::Get().Reset();
    ShutdownQtBackend();
}
