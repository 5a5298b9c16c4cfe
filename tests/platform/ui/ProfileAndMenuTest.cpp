// The profile file, menus as data, and the scroll view's arithmetic.
#include "platform/ui/FrameworkFixture.h"

#include "platform/ui/FrameIds.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ProfileFile.h"
#include "platform/gdi/DC.h"

TEST_F(FrameworkTest, ProfileValuesSurviveAReopen)
{
    const CString strPath = TempPath("sub/dir/settings.ini");
    {
        CProfileFile profile;
        profile.Open(strPath);
        EXPECT_TRUE(profile.WriteInt(_T("WindowPositions\\Info"), _T("Left"), -12));
        EXPECT_TRUE(profile.WriteString(_T("Names"), _T("First"), _T("Zoom:100%\nsecond line")));
        EXPECT_TRUE(profile.WriteString(_T("Names"), _T("Gone"), _T("x")));
        EXPECT_TRUE(profile.WriteString(_T("Names"), _T("Gone"), nullptr));
        EXPECT_TRUE(profile.WriteString(_T("Dropped"), _T("A"), _T("1")));
        EXPECT_TRUE(profile.WriteString(_T("Dropped"), nullptr, nullptr));
        EXPECT_TRUE(profile.WriteString(_T("Names"), _T("Chinese"), _T("\u4E2D\u6587")));
    }
    CProfileFile profile;
    profile.Open(strPath);
    EXPECT_EQ(profile.GetInt(_T("windowpositions\\info"), _T("LEFT"), 0), -12);
    EXPECT_EQ(profile.GetString(_T("Names"), _T("First"), nullptr), _T("Zoom:100% second line"));
    EXPECT_EQ(profile.GetString(_T("Names"), _T("Gone"), _T("default")), _T("default"));
    EXPECT_EQ(profile.GetString(_T("Dropped"), _T("A"), _T("none")), _T("none"));
    EXPECT_EQ(profile.GetString(_T("Names"), _T("Chinese"), nullptr), _T("\u4E2D\u6587"));
    EXPECT_EQ(profile.GetInt(_T("Names"), _T("First"), 7), 7);
}

TEST_F(FrameworkTest, ApplicationProfileRoundTrip)
{
    StartApp();
    EXPECT_TRUE(m_pApp->WriteProfileInt(_T("Settings"), _T("Bars"), 3));
    EXPECT_TRUE(m_pApp->WriteProfileString(_T("Settings"), _T("Name"), _T("abc")));
    m_pApp->SetProfilePath(TempPath("profile.ini"));
    EXPECT_EQ(m_pApp->GetProfileInt(_T("Settings"), _T("Bars"), 0), 3u);
    EXPECT_EQ(m_pApp->GetProfileString(_T("Settings"), _T("Name")), _T("abc"));
}

TEST_F(FrameworkTest, MenusLoadNestedAndChangeByPositionOrCommand)
{
    CMenu menu;
    ASSERT_TRUE(menu.LoadMenu(IDR_TEST_DOC));
    ASSERT_EQ(menu.GetMenuItemCount(), 3u);
    CMenu* pTest = menu.GetSubMenu(1);
    ASSERT_NE(pTest, nullptr);
    EXPECT_EQ(pTest->GetMenuItemCount(), 5u);
    EXPECT_EQ(pTest->GetMenuItemID(3), UINT(-1));
    EXPECT_EQ(pTest->GetMenuItemID(4), ID_TEST_MAIN);
    EXPECT_EQ(menu.GetSubMenu(2)->GetMenuItemID(0), ID_WINDOW_CASCADE);
    CString str;
    menu.GetMenuString(ID_FILE_NEW, str, MF_BYCOMMAND);
    EXPECT_EQ(str, _T("&New\tCtrl+N"));

    // By position a popup keeps its items; by command the popups are searched.
    EXPECT_TRUE(menu.ModifyMenu(1, MF_BYPOSITION | MF_STRING, 0, _T("&Probe")));
    EXPECT_EQ(menu.GetSubMenu(1), pTest);
    EXPECT_TRUE(menu.ModifyMenu(ID_TEST_CHECKED, MF_BYCOMMAND | MF_STRING, ID_TEST_CHECKED,
                                _T("Ticked")));
    pTest->GetSubMenu(3)->GetMenuString(0, str, MF_BYPOSITION);
    EXPECT_EQ(str, _T("Ticked"));
    EXPECT_TRUE(menu.RemoveMenu(ID_TEST_DOC, MF_BYCOMMAND));
    EXPECT_EQ(pTest->GetMenuItemCount(), 4u);
    EXPECT_FALSE(menu.RemoveMenu(ID_TEST_DOC, MF_BYCOMMAND));
    EXPECT_EQ(menu.EnableMenuItem(ID_TEST_VIEW, MF_GRAYED), MF_ENABLED);
    EXPECT_EQ(menu.EnableMenuItem(ID_TEST_VIEW, MF_ENABLED), MF_GRAYED);

    // Loaded menus are copies: a change to one never reaches the next.
    CMenu again;
    again.LoadMenu(IDR_TEST_DOC);
    EXPECT_EQ(again.GetSubMenu(1)->GetMenuItemCount(), 5u);
    EXPECT_FALSE(CMenu().LoadMenu(9999));
}

TEST_F(FrameworkTest, TrackPopupMenuReturnsOrSendsTheChosenCommand)
{
    StartApp();
    CMenu popup;
    popup.CreatePopupMenu();
    popup.AppendMenu(MF_STRING, ID_TEST_MAIN, _T("Main"));
    popup.AppendMenu(MF_STRING, ID_TEST_APP, _T("App"));
    CPoint ptSeen;
    const TrackPopupMenuHandler previous =
        AfxSetTrackPopupMenuHandler([&](CMenu& menu, UINT, CPoint pt, CWnd*) {
            ptSeen = pt;
            return menu.GetMenuItemID(1);
        });
    EXPECT_EQ(UINT(popup.TrackPopupMenu(TPM_RETURNCMD, 5, 6, MainFrame())), ID_TEST_APP);
    EXPECT_EQ(ptSeen, CPoint(5, 6));
    EXPECT_TRUE(RoutingLog().empty());
    EXPECT_TRUE(popup.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, 0, 0, MainFrame()));
    EXPECT_EQ(RoutingLog(), std::vector<std::string>{"app"});
    AfxSetTrackPopupMenuHandler(nullptr);
    EXPECT_FALSE(popup.TrackPopupMenu(TPM_RETURNCMD, 0, 0, MainFrame()));
    AfxSetTrackPopupMenuHandler(previous);
}

TEST_F(FrameworkTest, ScrollViewKeepsItsPositionInRange)
{
    StartApp();
    Command(ID_FILE_NEW);
    auto* pView = static_cast<CScrollView*>(MainFrame()->MDIGetActive()->GetActiveView());
    pView->MoveWindow(0, 0, 200, 100);
    pView->SetScrollSizes(MM_TEXT, CSize(1000, 500));
    // The scroll bars the document needs take their room from the client area.
    CRect rectClient;
    pView->GetClientRect(rectClient);
    int nMapMode = 0;
    CSize total, page, line;
    pView->GetDeviceScrollSizes(nMapMode, total, page, line);
    EXPECT_EQ(page, CSize(100, 50));
    EXPECT_EQ(line, CSize(10, 5));
    const CSize limit(1000 - rectClient.Width(), 500 - rectClient.Height());
    EXPECT_EQ(pView->GetScrollLimit(), limit);

    struct Case {
        UINT nMessage;
        UINT nCode;
        UINT nPos;
        CPoint expected;
    };
    const Case cases[] = {
        {WM_VSCROLL, SB_LINEDOWN, 0, {0, 5}},
        {WM_VSCROLL, SB_PAGEDOWN, 0, {0, 55}},
        {WM_HSCROLL, SB_THUMBTRACK, 300, {300, 55}},
        {WM_HSCROLL, SB_PAGELEFT, 0, {200, 55}},
        {WM_VSCROLL, SB_BOTTOM, 0, {200, limit.cy}},
        {WM_VSCROLL, SB_LINEDOWN, 0, {200, limit.cy}},
        {WM_HSCROLL, SB_THUMBPOSITION, 5000, {limit.cx, limit.cy}},
        {WM_HSCROLL, SB_TOP, 0, {0, limit.cy}},
        {WM_HSCROLL, SB_LINELEFT, 0, {0, limit.cy}},
    };
    for (const Case& c : cases) {
        pView->SendMessage(c.nMessage, MAKEWPARAM(WORD(c.nCode), WORD(c.nPos)), 0);
        EXPECT_EQ(pView->GetScrollPosition(), c.expected) << c.nCode;
    }
    pView->CenterOnPoint(CPoint(500, 250));
    EXPECT_EQ(pView->GetScrollPosition(),
              CPoint(500 - rectClient.Width() / 2, 250 - rectClient.Height() / 2));
    CDC dc;
    pView->OnPrepareDC(&dc);
    EXPECT_EQ(dc.GetViewportOrg(), CPoint(-pView->GetScrollPosition().x,
                                          -pView->GetScrollPosition().y));
    // A smaller document pulls the position back.
    pView->SetScrollSizes(MM_TEXT, CSize(150, 50));
    EXPECT_EQ(pView->GetScrollPosition(), CPoint(0, 0));
}
