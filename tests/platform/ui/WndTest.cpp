#include "WindowFixture.h"

#include "platform/ui/Accelerator.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WndMessageMap.h"

namespace {

EventLog g_events;

// Logs its life and the messages tests care about, prefixed with its name.
class CLogWnd : public CWnd {
public:
    explicit CLogWnd(std::string name, bool bSelfDelete = false)
        : m_name(std::move(name)), m_bSelfDelete(bSelfDelete)
    {
    }
    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message == WM_KEYDOWN)
            g_events.push_back(m_name + ":pretranslate");
        return pMsg->message == WM_KEYDOWN && pMsg->wParam == m_nSwallowKey;
    }
    UINT_PTR m_nSwallowKey = 0;
    int m_nPaints = 0;
    CRect m_rectPainted;

protected:
    void OnDestroy() override { g_events.push_back(m_name + ":destroy"); }
    void PostNcDestroy() override
    {
        g_events.push_back(m_name + ":ncdestroy");
        if (m_bSelfDelete)
            delete this;
    }
    void OnSetFocus(CWnd* pOld) override
    {
        g_events.push_back(m_name + ":setfocus:" + Name(pOld));
    }
    void OnKillFocus(CWnd* pNew) override
    {
        g_events.push_back(m_name + ":killfocus:" + Name(pNew));
    }
    void OnTimer(UINT_PTR nIDEvent) override
    {
        g_events.push_back(m_name + ":timer:" + std::to_string(nIDEvent));
    }
    void OnPaint() override
    {
        CPaintDC dc(this);
        ++m_nPaints;
        m_rectPainted = dc.m_ps.rcPaint;
    }
    void OnKeyDown(UINT nChar, UINT, UINT) override
    {
        g_events.push_back(m_name + ":keydown:" + std::to_string(nChar));
    }
    LRESULT OnPosted(WPARAM wParam, LPARAM) { g_events.push_back(m_name + ":posted:" + std::to_string(wParam)); return 0; }
    void OnCommandX() { g_events.push_back(m_name + ":command"); }

    static std::string Name(CWnd* pWnd)
    {
        auto* pLog = dynamic_cast<CLogWnd*>(pWnd);
        return pLog ? pLog->m_name : "null";
    }

    std::string m_name;
    bool m_bSelfDelete;
    DECLARE_MESSAGE_MAP()
};

constexpr UINT WM_TEST_POSTED = WM_USER + 7;
constexpr UINT ID_TEST_COMMAND = 40001;

BEGIN_MESSAGE_MAP(CLogWnd, CWnd)
    ON_WM_DESTROY()
    ON_WM_SETFOCUS()
    ON_WM_KILLFOCUS()
    ON_WM_TIMER()
    ON_WM_PAINT()
    ON_WM_KEYDOWN()
    ON_MESSAGE(WM_TEST_POSTED, OnPosted)
    ON_COMMAND(ID_TEST_COMMAND, OnCommandX)
END_MESSAGE_MAP()

class WndTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        g_events.clear();
    }
};

TEST_F(WndTest, DestroyGoesDownWithWmDestroyAndUpWithPostNcDestroy)
{
    CLogWnd top("top");
    ASSERT_TRUE(top.Create(nullptr, u"top", WS_OVERLAPPED, kRect, nullptr, 0));
    auto* pChild = new CLogWnd("child", true);
    ASSERT_TRUE(pChild->Create(nullptr, nullptr, WS_CHILD, kRect, &top, 1));
    auto* pGrandchild = new CLogWnd("grandchild", true);
    ASSERT_TRUE(pGrandchild->Create(nullptr, nullptr, WS_CHILD, kRect, pChild, 2));
    auto* pOwned = new CLogWnd("owned", true);
    ASSERT_TRUE(pOwned->Create(nullptr, nullptr, WS_POPUP, kRect, pChild, 0));
    EXPECT_EQ(pOwned->GetWindow(GW_OWNER), &top);   // owners are top-level windows
    EXPECT_EQ(pOwned->GetParent(), &top);

    EXPECT_TRUE(top.DestroyWindow());
    EXPECT_EQ(g_events, (EventLog{"top:destroy", "owned:destroy", "owned:ncdestroy",
                                  "child:destroy", "grandchild:destroy", "grandchild:ncdestroy",
                                  "child:ncdestroy", "top:ncdestroy"}));
    EXPECT_FALSE(IsWindow(&top));
    EXPECT_EQ(top.m_hWnd, nullptr);
    EXPECT_FALSE(top.DestroyWindow());
    // The object lives on and can make a new window.
    EXPECT_TRUE(top.Create(nullptr, u"again", WS_OVERLAPPED, kRect, nullptr, 0));
    EXPECT_EQ(top.GetTopWindow(), nullptr);
}

TEST_F(WndTest, MessagesForADestroyedWindowAreDropped)
{
    auto* pWnd = new CLogWnd("gone", true);
    ASSERT_TRUE(pWnd->Create(nullptr, nullptr, WS_OVERLAPPED, kRect, nullptr, 0));
    pWnd->PostMessage(WM_TEST_POSTED, 1);
    pWnd->SetTimer(5, 10, nullptr);
    pWnd->DestroyWindow();
    g_events.clear();
    m_clock.Advance(100);
    EXPECT_EQ(m_thread.PumpPending(), 0);
    EXPECT_TRUE(g_events.empty());
}

TEST_F(WndTest, TreeQueriesFollowCreationOrderAndIds)
{
    CWnd top, first, second, third;
    ASSERT_TRUE(top.Create(nullptr, nullptr, WS_OVERLAPPED, kRect, nullptr, 0));
    ASSERT_TRUE(first.Create(nullptr, nullptr, WS_CHILD, kRect, &top, 11));
    ASSERT_TRUE(second.Create(nullptr, nullptr, WS_CHILD, kRect, &top, 12));
    ASSERT_TRUE(third.Create(nullptr, nullptr, WS_CHILD, kRect, &top, 13));
    EXPECT_EQ(top.GetWindow(GW_CHILD), &first);
    EXPECT_EQ(first.GetWindow(GW_HWNDNEXT), &second);
    EXPECT_EQ(third.GetWindow(GW_HWNDNEXT), nullptr);
    EXPECT_EQ(third.GetWindow(GW_HWNDPREV), &second);
    EXPECT_EQ(top.GetDlgItem(12), &second);
    EXPECT_EQ(top.GetDlgItem(99), nullptr);
    EXPECT_EQ(second.GetDlgCtrlID(), 12);
    EXPECT_TRUE(top.IsChild(&second));
    EXPECT_FALSE(second.IsChild(&top));
    EXPECT_EQ(second.GetParent(), &top);

    // Z-order placement: third after first, then second to the bottom.
    third.SetWindowPos(&first, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(first.GetWindow(GW_HWNDNEXT), &third);
    second.SetWindowPos(&CWnd::wndBottom, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
    EXPECT_EQ(top.GetWindow(GW_CHILD)->GetWindow(GW_HWNDLAST), &second);
    first.SetWindowPos(&CWnd::wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER);
    EXPECT_EQ(top.GetWindow(GW_CHILD), &first);
}

TEST_F(WndTest, CoordinatesMapThroughNestedWindowsAndBorders)
{
    CWnd top, middle, inner;
    ASSERT_TRUE(top.Create(nullptr, nullptr, WS_OVERLAPPED, CRect(100, 200, 500, 600), nullptr, 0));
    ASSERT_TRUE(middle.CreateEx(WS_EX_CLIENTEDGE, nullptr, nullptr, WS_CHILD,
                                CRect(10, 20, 210, 220), &top, 1));
    ASSERT_TRUE(inner.Create(nullptr, nullptr, WS_CHILD | WS_BORDER, CRect(5, 6, 55, 66), &middle, 2));

    CRect rectClient;
    inner.GetClientRect(rectClient);
    EXPECT_EQ(rectClient, CRect(0, 0, 48, 58));
    // Screen: top (100,200) + middle (10,20) + its edge 2 + inner (5,6) + its border 1.
    CPoint pt(0, 0);
    inner.ClientToScreen(&pt);
    EXPECT_EQ(pt, CPoint(118, 229));
    inner.ScreenToClient(&pt);
    EXPECT_EQ(pt, CPoint(0, 0));
    CRect rectWindow;
    inner.GetWindowRect(rectWindow);
    EXPECT_EQ(rectWindow, CRect(117, 228, 167, 288));
    CPoint mapped(3, 4);
    inner.MapWindowPoints(&top, &mapped, 1);
    EXPECT_EQ(mapped, CPoint(21, 33));

    middle.MoveWindow(30, 40, 100, 100);
    pt = CPoint(0, 0);
    inner.ClientToScreen(&pt);
    EXPECT_EQ(pt, CPoint(138, 249));
}

TEST_F(WndTest, FocusChangesSendKillFocusBeforeSetFocus)
{
    CLogWnd top("top"), a("a"), b("b");
    ASSERT_TRUE(top.Create(nullptr, nullptr, WS_OVERLAPPED | WS_VISIBLE, kRect, nullptr, 0));
    ASSERT_TRUE(a.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, kRect, &top, 1));
    ASSERT_TRUE(b.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, kRect, &top, 2));

    EXPECT_EQ(a.SetFocus(), nullptr);
    EXPECT_EQ(b.SetFocus(), &a);
    EXPECT_EQ(b.SetFocus(), &b);   // already there: nothing sent
    EXPECT_EQ(CWnd::GetFocus(), &b);
    // Hiding the focused window gives the focus to its parent; disabling drops it.
    b.ShowWindow(SW_HIDE);
    EXPECT_EQ(CWnd::GetFocus(), &top);
    a.SetFocus();
    a.EnableWindow(FALSE);
    EXPECT_EQ(CWnd::GetFocus(), nullptr);
    EXPECT_EQ(g_events, (EventLog{"a:setfocus:null", "a:killfocus:b", "b:setfocus:a",
                                  "b:killfocus:top", "top:setfocus:b", "top:killfocus:a",
                                  "a:setfocus:top", "a:killfocus:null"}));
}

TEST_F(WndTest, DestroyingTheFocusedWindowMovesTheFocusOut)
{
    CLogWnd top("top");
    ASSERT_TRUE(top.Create(nullptr, nullptr, WS_OVERLAPPED | WS_VISIBLE, kRect, nullptr, 0));
    auto* pChild = new CLogWnd("child", true);
    ASSERT_TRUE(pChild->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, kRect, &top, 1));
    pChild->SetFocus();
    pChild->SetCapture();
    pChild->DestroyWindow();
    EXPECT_EQ(CWnd::GetFocus(), &top);
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(WndTest, DestroyingAnOwnerDropsTheFocusAndCaptureHeldInItsOwnedPopup)
{
    CLogWnd owner("owner");
    ASSERT_TRUE(owner.Create(nullptr, nullptr, WS_OVERLAPPED | WS_VISIBLE, kRect, nullptr, 0));
    auto* pPopup = new CLogWnd("popup", true);
    ASSERT_TRUE(pPopup->CreateEx(0, nullptr, nullptr, WS_POPUP | WS_VISIBLE, kRect, &owner, 0));
    auto* pEdit = new CLogWnd("edit", true);
    ASSERT_TRUE(pEdit->Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, kRect, pPopup, 1));
    pEdit->SetFocus();
    pEdit->SetCapture();
    owner.DestroyWindow();
    EXPECT_EQ(CWnd::GetFocus(), nullptr) << "no focus left on a deleted popup's control";
    EXPECT_EQ(CWnd::GetCapture(), nullptr);
}

TEST_F(WndTest, InvalidateThenUpdateSendsOnePaintWithTheUnion)
{
    CLogWnd wnd("w");
    ASSERT_TRUE(wnd.Create(nullptr, nullptr, WS_OVERLAPPED | WS_VISIBLE, CRect(0, 0, 200, 100), nullptr, 0));
    wnd.UpdateWindow();   // the paint every new window needs
    ASSERT_EQ(wnd.m_nPaints, 1);
    wnd.InvalidateRect(CRect(10, 10, 20, 20));
    wnd.InvalidateRect(CRect(50, 5, 60, 15));
    wnd.InvalidateRect(CRect(150, 50, 400, 400));   // clipped to the client area
    wnd.UpdateWindow();
    wnd.UpdateWindow();
    EXPECT_EQ(wnd.m_nPaints, 2);
    EXPECT_EQ(wnd.m_rectPainted, CRect(10, 5, 200, 100));
    EXPECT_FALSE(wnd.GetUpdateRect(nullptr));

    // A hidden window collects nothing; the pump paints what a shown one needs.
    wnd.ShowWindow(SW_HIDE);
    wnd.Invalidate();
    EXPECT_FALSE(wnd.GetUpdateRect(nullptr));
    wnd.ShowWindow(SW_SHOW);
    wnd.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE);
    EXPECT_EQ(m_thread.PumpPending(), 1);
    EXPECT_EQ(wnd.m_nPaints, 3);
    EXPECT_EQ(wnd.m_rectPainted, CRect(0, 0, 200, 100));
}

TEST_F(WndTest, SendIsDirectAndPostedMessagesArriveInOrder)
{
    CLogWnd a("a"), b("b");
    ASSERT_TRUE(a.Create(nullptr, nullptr, WS_OVERLAPPED, kRect, nullptr, 0));
    ASSERT_TRUE(b.Create(nullptr, nullptr, WS_OVERLAPPED, kRect, nullptr, 0));
    a.PostMessage(WM_TEST_POSTED, 1);
    b.PostMessage(WM_TEST_POSTED, 2);
    a.SendMessage(WM_TEST_POSTED, 3);
    EXPECT_EQ(g_events, (EventLog{"a:posted:3"}));
    a.PostMessage(WM_TEST_POSTED, 4);
    EXPECT_EQ(m_thread.PumpPending(), 3);
    EXPECT_EQ(g_events, (EventLog{"a:posted:3", "a:posted:1", "b:posted:2", "a:posted:4"}));
}

TEST_F(WndTest, TimersFireOnTheTestClockOncePerPeriod)
{
    CLogWnd wnd("w");
    ASSERT_TRUE(wnd.Create(nullptr, nullptr, WS_OVERLAPPED, kRect, nullptr, 0));
    EXPECT_EQ(wnd.SetTimer(2, 100, nullptr), 2u);
    EXPECT_EQ(wnd.SetTimer(258, 250, nullptr), 258u);
    m_clock.Advance(99);
    EXPECT_EQ(m_thread.PumpPending(), 0);
    m_clock.Advance(1);
    m_thread.PumpPending();
    m_clock.Advance(400);   // late: still one message per timer
    m_thread.PumpPending();
    EXPECT_TRUE(wnd.KillTimer(2));
    EXPECT_FALSE(wnd.KillTimer(2));
    m_clock.Advance(1000);
    m_thread.PumpPending();
    EXPECT_EQ(g_events, (EventLog{"w:timer:2", "w:timer:2", "w:timer:258", "w:timer:258"}));
}

TEST_F(WndTest, HeadlessRunWaitsForTimersAndEndsOnQuit)
{
    CLogWnd wnd("w");
    ASSERT_TRUE(wnd.Create(nullptr, nullptr, WS_OVERLAPPED, kRect, nullptr, 0));
    wnd.SetTimer(1, 25, [](HWND, UINT, UINT_PTR, DWORD dwTime) {
        g_events.push_back("tick:" + std::to_string(dwTime));
        if (g_events.size() == 3)
            PostQuitMessage(7);
    });
    EXPECT_EQ(m_thread.Run(), 7);
    EXPECT_EQ(g_events, (EventLog{"tick:25", "tick:50", "tick:75"}));
}

TEST_F(WndTest, PreTranslateWalksUpAndAcceleratorsBecomeCommands)
{
    CLogWnd top("top"), child("child");
    ASSERT_TRUE(top.Create(nullptr, nullptr, WS_OVERLAPPED | WS_VISIBLE, kRect, nullptr, 0));
    ASSERT_TRUE(child.Create(nullptr, nullptr, WS_CHILD | WS_VISIBLE, kRect, &top, 1));
    const CAcceleratorTable table = {{FVIRTKEY | FCONTROL, 'N', ID_TEST_COMMAND}};
    m_thread.m_pMainWnd = &top;
    m_thread.m_hAccelTable = &table;
    top.m_nSwallowKey = VK_F5;

    EXPECT_FALSE(KeyDown(&child, 'N'));
    AfxSetKeyState(VK_LCONTROL, true);
    EXPECT_TRUE(KeyDown(&child, 'N'));
    AfxSetKeyState(VK_LCONTROL, false);
    EXPECT_TRUE(KeyDown(&child, VK_F5));
    EXPECT_EQ(g_events,
              (EventLog{"child:pretranslate", "top:pretranslate", "child:keydown:78",
                        "child:pretranslate", "top:pretranslate", "top:command",
                        "child:pretranslate", "top:pretranslate"}));
}

TEST_F(WndTest, TextFontAndStyleKeepTheirState)
{
    CWnd wnd;
    ASSERT_TRUE(wnd.Create(nullptr, u"caption", WS_OVERLAPPED, kRect, nullptr, 0));
    EXPECT_EQ(wnd.GetWindowTextLength(), 7);
    TCHAR buffer[4];
    EXPECT_EQ(wnd.GetWindowText(buffer, 4), 3);
    EXPECT_EQ(CString(buffer), u"cap");
    wnd.SetWindowText(u"");
    EXPECT_EQ(wnd.GetWindowTextLength(), 0);
    EXPECT_TRUE(wnd.ModifyStyle(0, WS_BORDER));
    EXPECT_FALSE(wnd.ModifyStyle(0, WS_BORDER));
    EXPECT_TRUE(wnd.GetStyle() & WS_BORDER);
    EXPECT_TRUE(wnd.ModifyStyleEx(0, WS_EX_CLIENTEDGE));
    EXPECT_EQ(wnd.GetExStyle(), WS_EX_CLIENTEDGE);
    EXPECT_EQ(wnd.EnableWindow(FALSE), FALSE);
    EXPECT_EQ(wnd.EnableWindow(TRUE), TRUE);
}

TEST_F(WndTest, ACreateRefusedByOnCreateLeavesNoWindow)
{
    class CRefusing : public CLogWnd {
    public:
        CRefusing() : CLogWnd("refusing") {}

    protected:
        int OnCreate(LPCREATESTRUCT) override { return -1; }
        // CLogWnd maps no WM_CREATE, so the window procedure hands it over itself.
        LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
        {
            if (message == WM_CREATE)
                return OnCreate(reinterpret_cast<LPCREATESTRUCT>(lParam));
            return CLogWnd::WindowProc(message, wParam, lParam);
        }
    };
    CRefusing wnd;
    EXPECT_FALSE(wnd.Create(nullptr, nullptr, WS_OVERLAPPED, kRect, nullptr, 0));
    EXPECT_FALSE(IsWindow(&wnd));
    EXPECT_EQ(g_events, (EventLog{"refusing:destroy", "refusing:ncdestroy"}));
    CWnd child;
    EXPECT_FALSE(child.Create(nullptr, nullptr, WS_CHILD, kRect, nullptr, 1));   // no parent
}

}  // namespace
