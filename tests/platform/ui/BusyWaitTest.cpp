// Waiting for a worker thread on the UI thread: the result comes back, the windows that need it
// are painted meanwhile, and the queue's posted messages wait until the end.
#include "platform/ui/BusyWait.h"

#include "platform/ui/PaintDC.h"
#include "platform/ui/WindowFixture.h"
#include "platform/ui/WndMessageMap.h"

#include <atomic>
#include <chrono>
#include <thread>

namespace {

constexpr UINT WM_BUSY_TEST = WM_USER + 31;

class CPaintCounter : public CWnd {
public:
    std::atomic<int> m_nPaints{0};
    int m_nPosted = 0;

protected:
    void OnPaint() override
    {
        CPaintDC dc(this);
        ++m_nPaints;
    }
    LRESULT OnBusyTest(WPARAM, LPARAM)
    {
        ++m_nPosted;
        return 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CPaintCounter, CWnd)
    ON_WM_PAINT()
    ON_MESSAGE(WM_BUSY_TEST, OnBusyTest)
END_MESSAGE_MAP()

using BusyWaitTest = WindowTest;

TEST_F(BusyWaitTest, WorkersResultComesBackAndWindowsRepaintMeanwhile)
{
    CPaintCounter wnd;
    ASSERT_TRUE(wnd.Create(nullptr, u"busy", WS_OVERLAPPED | WS_VISIBLE, kRect, nullptr, 0));
    wnd.UpdateWindow();
    const int nPaintsBefore = wnd.m_nPaints;
    wnd.PostMessage(WM_BUSY_TEST);
    wnd.Invalidate();
    bool bRunningInside = false;
    const int nResult = CBusyWait::RunElsewhere<int>([&] {
        bRunningInside = CBusyWait::IsRunning();
        // The worker goes on until the window has been painted.
        for (int i = 0; i < 200 && wnd.m_nPaints == nPaintsBefore; ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return 42;
    });
    EXPECT_EQ(nResult, 42);
    EXPECT_TRUE(bRunningInside);
    EXPECT_FALSE(CBusyWait::IsRunning());
    EXPECT_GT(wnd.m_nPaints, nPaintsBefore);
    // The posted message waited for the end of the wait.
    EXPECT_EQ(wnd.m_nPosted, 0);
    m_thread.PumpPending();
    EXPECT_EQ(wnd.m_nPosted, 1);
    wnd.DestroyWindow();
}

TEST_F(BusyWaitTest, WaitEndsOnTheConditionAfterAWake)
{
    std::atomic<bool> bDone{false};
    std::thread worker([&] {
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
        bDone = true;
        CBusyWait::Wake();
    });
    CBusyWait::Run([&] { return bDone.load(); });
    worker.join();
    EXPECT_TRUE(bDone);
}

}  // namespace
