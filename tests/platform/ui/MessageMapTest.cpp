#include "WindowFixture.h"

#include "platform/ui/WndMessageMap.h"

namespace {

constexpr UINT WM_TEST_USER = WM_USER + 53;
const UINT WM_TEST_REGISTERED = RegisterWindowMessage(u"QARVO_TEST_REGISTERED");

class CMapBase : public CWnd {
public:
    EventLog m_log;

protected:
    void OnLButtonDown(UINT nFlags, CPoint point) override
    {
        m_log.push_back("base-down:" + std::to_string(nFlags) + "," + std::to_string(point.x) +
                        "," + std::to_string(point.y));
    }
    void OnTimer(UINT_PTR nIDEvent) override { m_log.push_back("timer:" + std::to_string(nIDEvent)); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMapBase, CWnd)
    ON_WM_LBUTTONDOWN()
    ON_WM_TIMER()
END_MESSAGE_MAP()

class CMapWnd : public CMapBase {
public:
    LRESULT m_lKeyResult = 0;

protected:
    void OnSize(UINT nType, int cx, int cy) override
    {
        m_log.push_back("size:" + std::to_string(nType) + "," + std::to_string(cx) + "," +
                        std::to_string(cy));
    }
    void OnKeyDown(UINT nChar, UINT nRepCnt, UINT nFlags) override
    {
        m_log.push_back("key:" + std::to_string(nChar) + "," + std::to_string(nRepCnt) + "," +
                        std::to_string(nFlags));
    }
    BOOL OnMouseWheel(UINT nFlags, short zDelta, CPoint pt) override
    {
        m_log.push_back("wheel:" + std::to_string(nFlags) + "," + std::to_string(zDelta) + "," +
                        std::to_string(pt.x));
        return TRUE;
    }
    void OnHScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) override
    {
        m_log.push_back("hscroll:" + std::to_string(nSBCode) + "," + std::to_string(nPos) + "," +
                        (pScrollBar ? "bar" : "none"));
    }
    BOOL OnEraseBkgnd(CDC* pDC) override
    {
        m_log.push_back(std::string("erase:") + (pDC ? "dc" : "null"));
        return TRUE;
    }
    LRESULT OnUserMessage(WPARAM wParam, LPARAM lParam)
    {
        m_log.push_back("user:" + std::to_string(wParam) + "," + std::to_string(lParam));
        return 77;
    }
    LRESULT OnRegistered(WPARAM wParam, LPARAM)
    {
        m_log.push_back("registered:" + std::to_string(wParam));
        return 5;
    }
    void OnNotifyClick(NMHDR* pNMHDR, LRESULT* pResult)
    {
        m_log.push_back("nm-click:" + std::to_string(pNMHDR->idFrom));
        *pResult = 9;
    }
    void OnEditChange() { m_log.push_back("en-change"); }
    void OnComboSelect() { m_log.push_back("cbn-selendok"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CMapWnd, CMapBase)
    ON_WM_SIZE()
    ON_WM_KEYDOWN()
    ON_WM_MOUSEWHEEL()
    ON_WM_HSCROLL()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_TEST_USER, OnUserMessage)
    ON_REGISTERED_MESSAGE(WM_TEST_REGISTERED, OnRegistered)
    ON_NOTIFY(NM_CLICK, 300, OnNotifyClick)
    ON_EN_CHANGE(301, OnEditChange)
    ON_CBN_SELENDOK(302, OnComboSelect)
END_MESSAGE_MAP()

class MessageMapTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        ASSERT_TRUE(m_wnd.Create(nullptr, u"map", WS_OVERLAPPED, kRect, nullptr, 0));
        m_wnd.m_log.clear();
    }
    CMapWnd m_wnd;
};

TEST_F(MessageMapTest, WindowMessagesReachTheirHandlersWithDecodedArguments)
{
    struct Case {
        UINT nMessage;
        WPARAM wParam;
        LPARAM lParam;
        const char* pszExpected;
    };
    const Case cases[] = {
        {WM_LBUTTONDOWN, MK_LBUTTON | MK_CONTROL, MAKELPARAM(WORD(-5), 7), "base-down:9,-5,7"},
        {WM_TIMER, 42, 0, "timer:42"},
        {WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(300, 200), "size:2,300,200"},
        {WM_KEYDOWN, 'A', MAKELPARAM(3, 0x1E), "key:65,3,30"},
        {WM_MOUSEWHEEL, MAKEWPARAM(MK_SHIFT, WORD(-120)), MAKELPARAM(40, 50), "wheel:4,-120,40"},
        {WM_HSCROLL, MAKEWPARAM(SB_THUMBTRACK, 17), 0, "hscroll:5,17,none"},
        {WM_TEST_USER, 4, 6, "user:4,6"},
        {WM_TEST_REGISTERED, 8, 0, "registered:8"},
    };
    for (const Case& c : cases) {
        m_wnd.m_log.clear();
        m_wnd.SendMessage(c.nMessage, c.wParam, c.lParam);
        ASSERT_EQ(m_wnd.m_log.size(), 1u) << c.pszExpected;
        EXPECT_EQ(m_wnd.m_log[0], c.pszExpected);
    }
}

TEST_F(MessageMapTest, HandlerResultsAreTheMessageResults)
{
    EXPECT_EQ(m_wnd.SendMessage(WM_TEST_USER, 1, 2), 77);
    EXPECT_EQ(m_wnd.SendMessage(WM_TEST_REGISTERED), 5);
    EXPECT_EQ(m_wnd.SendMessage(WM_MOUSEWHEEL), TRUE);
}

TEST_F(MessageMapTest, UnmappedMessagesFallToTheDefault)
{
    // No map entry: the default handling stores and returns the text, and the unmapped virtual
    // handler is never called.
    m_wnd.SendMessage(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(u"fallback"));
    EXPECT_EQ(WindowText(m_wnd), u"fallback");
    EXPECT_EQ(m_wnd.SendMessage(WM_USER + 999), 0);
    EXPECT_EQ(m_wnd.SendMessage(WM_RBUTTONDOWN), 0);
    EXPECT_TRUE(m_wnd.m_log.empty());
}

TEST_F(MessageMapTest, NotificationsMatchTheirCodeAndControlOnly)
{
    NMHDR hdr = {nullptr, 300, UINT(NM_CLICK)};
    EXPECT_EQ(m_wnd.SendMessage(WM_NOTIFY, 300, reinterpret_cast<LPARAM>(&hdr)), 9);
    NMHDR other = {nullptr, 300, UINT(NM_DBLCLK)};
    EXPECT_EQ(m_wnd.SendMessage(WM_NOTIFY, 300, reinterpret_cast<LPARAM>(&other)), 0);
    NMHDR wrongId = {nullptr, 301, UINT(NM_CLICK)};
    EXPECT_EQ(m_wnd.SendMessage(WM_NOTIFY, 301, reinterpret_cast<LPARAM>(&wrongId)), 0);

    CWnd edit;
    ASSERT_TRUE(edit.Create(u"EDIT", nullptr, WS_CHILD, kRect, &m_wnd, 301));
    edit.NotifyParent(EN_CHANGE);
    edit.NotifyParent(EN_UPDATE);   // not mapped
    CWnd combo;
    ASSERT_TRUE(combo.Create(u"COMBOBOX", nullptr, WS_CHILD, kRect, &m_wnd, 302));
    combo.NotifyParent(CBN_SELENDOK);
    combo.NotifyParent(CBN_SELCHANGE);   // not mapped
    EXPECT_EQ(m_wnd.m_log, (EventLog{"nm-click:300", "en-change", "cbn-selendok"}));
}

TEST(RegisterWindowMessage, SameNameSameNumberFromC000)
{
    const UINT nFirst = RegisterWindowMessage(u"WM_XLISTCTRL_CHECKBOX_CLICKED");
    const UINT nSecond = RegisterWindowMessage(u"WM_XLISTCTRL_COMBO_SELECTION");
    EXPECT_GE(nFirst, 0xC000u);
    EXPECT_GE(nSecond, 0xC000u);
    EXPECT_NE(nFirst, nSecond);
    EXPECT_EQ(RegisterWindowMessage(u"WM_XLISTCTRL_CHECKBOX_CLICKED"), nFirst);
    EXPECT_EQ(RegisterWindowMessage(u"wm_xlistctrl_checkbox_clicked"), nFirst);
    EXPECT_EQ(RegisterWindowMessage(u""), 0u);
}

}  // namespace
