// Routing through five levels built from small targets standing for the view, the document, the
// child frame, the main frame and the application; each level handles one command of its own and
// one shared command, and passes on what it does not handle.
#include "WindowFixture.h"

#include "platform/ui/WndMessageMap.h"

namespace {

constexpr UINT ID_SHARED = 100;   // handled at every level: the first one wins
constexpr UINT ID_AT_VIEW = 101;
constexpr UINT ID_AT_DOC = 102;
constexpr UINT ID_AT_CHILD = 103;
constexpr UINT ID_AT_MAIN = 104;
constexpr UINT ID_AT_APP = 105;
constexpr UINT ID_NOBODY = 106;
constexpr UINT ID_DISABLED = 107;    // the application disables it
constexpr UINT ID_PASS = 108;        // the view's update handler passes it on to the document
constexpr UINT ID_RANGE_FIRST = 200;
constexpr UINT ID_RANGE_LAST = 209;

EventLog g_log;

#define LEVEL_HANDLERS(level)                                                                    \
    void OnShared() { g_log.push_back(level); }                                                  \
    void OnOwn() { g_log.push_back(level); }                                                     \
    void OnUpdateShared(CCmdUI* pCmdUI) { pCmdUI->SetText(u"" level); }                           \
    void OnUpdateOwn(CCmdUI* pCmdUI)                                                             \
    {                                                                                            \
        pCmdUI->Enable(TRUE);                                                                    \
        pCmdUI->SetCheck(1);                                                                     \
        pCmdUI->SetText(u"" level);                                                              \
    }

// The message-map entries of LEVEL_HANDLERS, for the shared command and the level's own.
#define LEVEL_ENTRIES(idOwn)                                                                     \
    ON_COMMAND(ID_SHARED, OnShared)                                                              \
    ON_COMMAND(idOwn, OnOwn)                                                                     \
    ON_UPDATE_COMMAND_UI(ID_SHARED, OnUpdateShared)                                              \
    ON_UPDATE_COMMAND_UI(idOwn, OnUpdateOwn)

class CTestApp : public CCmdTarget {
    LEVEL_HANDLERS("app")
    void OnRange(UINT nID) { g_log.push_back("range:" + std::to_string(nID)); }
    void OnUpdateRange(CCmdUI* pCmdUI) { pCmdUI->SetCheck(int(pCmdUI->m_nID - ID_RANGE_FIRST)); }
    void OnDisabled() { g_log.push_back("disabled-ran"); }
    void OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestApp, CCmdTarget)
    LEVEL_ENTRIES(ID_AT_APP)
    ON_COMMAND_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnRange)
    ON_UPDATE_COMMAND_UI_RANGE(ID_RANGE_FIRST, ID_RANGE_LAST, OnUpdateRange)
    ON_COMMAND(ID_DISABLED, OnDisabled)
    ON_UPDATE_COMMAND_UI(ID_DISABLED, OnUpdateDisabled)
END_MESSAGE_MAP()

class CTestDoc : public CCmdTarget {
    LEVEL_HANDLERS("doc")
    void OnUpdatePass(CCmdUI* pCmdUI) { pCmdUI->SetText(u"doc-pass"); }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestDoc, CCmdTarget)
    LEVEL_ENTRIES(ID_AT_DOC)
    ON_UPDATE_COMMAND_UI(ID_PASS, OnUpdatePass)
END_MESSAGE_MAP()

// The view asks itself, then its document.
class CTestView : public CWnd {
public:
    CTestDoc* m_pDoc = nullptr;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override
    {
        return CWnd::OnCmdMsg(nID, nCode, pExtra, pInfo) ||
               (m_pDoc && m_pDoc->OnCmdMsg(nID, nCode, pExtra, pInfo));
    }
    LEVEL_HANDLERS("view")
    void OnUpdatePass(CCmdUI* pCmdUI)
    {
        pCmdUI->SetCheck(1);
        pCmdUI->ContinueRouting();
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestView, CWnd)
    LEVEL_ENTRIES(ID_AT_VIEW)
    ON_UPDATE_COMMAND_UI(ID_PASS, OnUpdatePass)
END_MESSAGE_MAP()

// A frame asks its active part first, then itself, then (the main frame) the application.
class CTestFrame : public CWnd {
public:
    CCmdTarget* m_pActive = nullptr;
    CCmdTarget* m_pApp = nullptr;
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pInfo) override
    {
        return (m_pActive && m_pActive->OnCmdMsg(nID, nCode, pExtra, pInfo)) ||
               CWnd::OnCmdMsg(nID, nCode, pExtra, pInfo) ||
               (m_pApp && m_pApp->OnCmdMsg(nID, nCode, pExtra, pInfo));
    }
};

class CTestChildFrame : public CTestFrame {
    LEVEL_HANDLERS("child")
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestChildFrame, CTestFrame)
    LEVEL_ENTRIES(ID_AT_CHILD)
END_MESSAGE_MAP()

class CTestMainFrame : public CTestFrame {
    LEVEL_HANDLERS("main")
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CTestMainFrame, CTestFrame)
    LEVEL_ENTRIES(ID_AT_MAIN)
END_MESSAGE_MAP()

class CommandRoutingTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        g_log.clear();
        ASSERT_TRUE(m_main.Create(nullptr, u"main", WS_OVERLAPPEDWINDOW, kRect, nullptr, 0));
        ASSERT_TRUE(m_child.Create(nullptr, u"child", WS_CHILD, kRect, &m_main, 1));
        ASSERT_TRUE(m_view.Create(nullptr, u"view", WS_CHILD, kRect, &m_child, 2));
        m_view.m_pDoc = &m_doc;
        m_child.m_pActive = &m_view;
        m_main.m_pActive = &m_child;
        m_main.m_pApp = &m_app;
    }

    void Command(UINT nID) { m_main.SendMessage(WM_COMMAND, nID, 0); }

    CTestApp m_app;
    CTestDoc m_doc;
    CTestMainFrame m_main;
    CTestChildFrame m_child;
    CTestView m_view;
};

TEST_F(CommandRoutingTest, EachLevelHandlesItsOwnCommandAndTheViewComesFirst)
{
    const UINT ids[] = {ID_AT_VIEW, ID_AT_DOC, ID_AT_CHILD, ID_AT_MAIN, ID_AT_APP, ID_SHARED,
                        ID_NOBODY};
    for (UINT nID : ids)
        Command(nID);
    EXPECT_EQ(g_log, (EventLog{"view", "doc", "child", "main", "app", "view"}));
}

TEST_F(CommandRoutingTest, ALevelLeftOutPassesTheSharedCommandOn)
{
    m_view.m_pDoc = nullptr;
    m_child.m_pActive = nullptr;
    Command(ID_SHARED);
    m_main.m_pActive = nullptr;
    Command(ID_SHARED);
    EXPECT_EQ(g_log, (EventLog{"child", "main"}));
}

TEST_F(CommandRoutingTest, UpdateUiAsksTheSameLevelsInTheSameOrder)
{
    struct Case {
        UINT nID;
        const char16_t* pszText;
    };
    const Case cases[] = {{ID_AT_VIEW, u"view"}, {ID_AT_DOC, u"doc"},   {ID_AT_CHILD, u"child"},
                          {ID_AT_MAIN, u"main"}, {ID_AT_APP, u"app"}};
    for (const Case& c : cases) {
        CCmdUI state;
        state.m_nID = c.nID;
        state.m_bEnabled = FALSE;
        EXPECT_TRUE(state.DoUpdate(&m_main, TRUE));
        EXPECT_TRUE(state.m_bEnableChanged);
        EXPECT_TRUE(state.m_bEnabled);
        EXPECT_EQ(state.m_nCheck, 1);
        EXPECT_EQ(state.m_strText, c.pszText);
    }
    CCmdUI shared;
    shared.m_nID = ID_SHARED;
    shared.DoUpdate(&m_main, TRUE);
    EXPECT_EQ(shared.m_strText, u"view");
    EXPECT_TRUE(shared.m_bEnabled);
}

TEST_F(CommandRoutingTest, ACommandWithoutHandlerIsDisabledOnlyWhenAsked)
{
    CCmdUI state;
    state.m_nID = ID_NOBODY;
    EXPECT_FALSE(state.DoUpdate(&m_main, TRUE));
    EXPECT_FALSE(state.m_bEnabled);
    CCmdUI kept;
    kept.m_nID = ID_NOBODY;
    kept.DoUpdate(&m_main, FALSE);
    EXPECT_TRUE(kept.m_bEnabled);
    // A handled command without an update handler stays enabled.
    CCmdUI handled;
    handled.m_nID = ID_RANGE_FIRST + 1;
    handled.DoUpdate(&m_main, TRUE);
    EXPECT_TRUE(handled.m_bEnabled);
}

TEST_F(CommandRoutingTest, RangesPassTheCommandId)
{
    Command(ID_RANGE_FIRST + 3);
    Command(ID_RANGE_LAST);
    Command(ID_RANGE_LAST + 1);
    EXPECT_EQ(g_log, (EventLog{"range:203", "range:209"}));
    CCmdUI state;
    state.m_nID = ID_RANGE_FIRST + 2;
    state.DoUpdate(&m_main, TRUE);
    EXPECT_EQ(state.m_nCheck, 2);
}

TEST_F(CommandRoutingTest, ContinueRoutingLetsTheNextLevelDecide)
{
    CCmdUI state;
    state.m_nID = ID_PASS;
    EXPECT_TRUE(state.DoUpdate(&m_main, TRUE));
    EXPECT_EQ(state.m_nCheck, 1);
    EXPECT_EQ(state.m_strText, u"doc-pass");
}

TEST_F(CommandRoutingTest, ACommandDisabledByItsUpdateHandlerDoesNotRun)
{
    // A menu or accelerator command (no control in lParam) is refused; a control's own
    // notification is not subject to it.
    Command(ID_DISABLED);
    EXPECT_TRUE(g_log.empty());
    m_main.SendMessage(WM_COMMAND, MAKEWPARAM(ID_DISABLED, BN_CLICKED), LParamFromWnd(&m_view));
    EXPECT_EQ(g_log, (EventLog{"disabled-ran"}));
}

}  // namespace
