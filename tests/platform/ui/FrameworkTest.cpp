// The document framework end to end, headless: routing through the real classes, update-UI,
// templates making documents, frames and views, open/save/close with the save question, the menu
// bar switching with the active document, the recent-file list and the profile.
#include "platform/ui/FrameworkFixture.h"

#include "platform/ui/FrameIds.h"
#include "platform/ui/MenuBarWnd.h"
#include "platform/ui/RecentFileList.h"

namespace {

CTestDoc* ActiveDoc(CMDIFrameWnd* pFrame) { return static_cast<CTestDoc*>(pFrame->GetActiveDocument()); }

CMenu* PopupNamed(CMenu* pMenu, LPCTSTR lpszCaption)
{
    for (UINT i = 0; pMenu && i < pMenu->GetMenuItemCount(); ++i) {
        CString str;
        pMenu->GetMenuString(i, str, MF_BYPOSITION);
        if (str == lpszCaption)
            return pMenu->GetSubMenu(int(i));
    }
    return nullptr;
}

}  // namespace

TEST_F(FrameworkTest, CommandsRouteFromViewToDocumentChildMainAndApplication)
{
    StartApp();
    ASSERT_TRUE(Command(ID_FILE_NEW));
    ASSERT_NE(ActiveDoc(MainFrame()), nullptr);

    for (UINT nID : {ID_TEST_VIEW, ID_TEST_DOC, ID_TEST_CHILD, ID_TEST_MAIN, ID_TEST_APP})
        EXPECT_TRUE(Command(nID)) << nID;
    // A command several levels handle goes to the first of them only.
    Command(ID_TEST_SHARED);
    EXPECT_EQ(RoutingLog(), (std::vector<std::string>{"view", "doc", "child", "main", "app",
                                                      "view-shared"}));
    EXPECT_FALSE(Command(ID_TEST_UNHANDLED));
}

TEST_F(FrameworkTest, WithoutADocumentTheFrameAndApplicationStillAnswer)
{
    StartApp();
    EXPECT_FALSE(Command(ID_TEST_VIEW));
    EXPECT_FALSE(Command(ID_TEST_DOC));
    EXPECT_TRUE(Command(ID_TEST_MAIN));
    Command(ID_TEST_SHARED);
    EXPECT_EQ(RoutingLog(), (std::vector<std::string>{"main", "app-shared"}));
}

TEST_F(FrameworkTest, MenuItemsAreUpdatedThroughTheRoutingAtIdle)
{
    StartApp();
    Command(ID_FILE_NEW);
    CMenu* pTest = PopupNamed(MainFrame()->GetMenu(), _T("&Test"));
    ASSERT_NE(pTest, nullptr);
    MainFrame()->m_bChecked = TRUE;
    m_pApp->OnIdle(0);
    EXPECT_FALSE(pTest->GetMenuState(ID_TEST_VIEW, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_FALSE(pTest->GetMenuState(ID_TEST_DOC, MF_BYCOMMAND) & MF_GRAYED);
    EXPECT_TRUE(pTest->GetMenuState(ID_TEST_UNHANDLED, MF_BYCOMMAND) & MF_GRAYED);
    // Popups inside popups are reached when they open.
    CMenu* pMore = pTest->GetSubMenu(3);
    MainFrame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pMore), 0);
    EXPECT_TRUE(pMore->GetMenuState(ID_TEST_CHECKED, MF_BYCOMMAND) & MF_CHECKED);
    MainFrame()->m_bChecked = FALSE;
    MainFrame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pMore), 0);
    EXPECT_FALSE(pMore->GetMenuState(ID_TEST_CHECKED, MF_BYCOMMAND) & MF_CHECKED);
}

TEST_F(FrameworkTest, FileNewMakesDocumentFrameAndViewAndSwitchesTheMenu)
{
    StartApp();
    CMenu* pNoDocMenu = MainFrame()->GetMenu();
    ASSERT_NE(pNoDocMenu, nullptr);
    EXPECT_EQ(PopupNamed(pNoDocMenu, _T("&Test")), nullptr);
    m_pApp->OnIdle(0);
    EXPECT_EQ(WindowText(*MainFrame()), _T("TestApp"));

    Command(ID_FILE_NEW);
    CMDIChildWnd* pChild = MainFrame()->MDIGetActive();
    ASSERT_NE(pChild, nullptr);
    auto* pView = dynamic_cast<CTestView*>(pChild->GetActiveView());
    ASSERT_NE(pView, nullptr);
    CTestDoc* pDoc = ActiveDoc(MainFrame());
    EXPECT_EQ(pView->GetDocument(), pDoc);
    EXPECT_EQ(pView->GetParentFrame(), pChild);
    EXPECT_EQ(pDoc->GetDocTemplate(), Template());
    EXPECT_EQ(pView->m_nInitialUpdates, 1);
    EXPECT_TRUE(pChild->IsZoomed());
    EXPECT_EQ(pDoc->GetTitle(), _T("Test1"));
    EXPECT_NE(PopupNamed(MainFrame()->GetMenu(), _T("&Test")), nullptr);
    m_pApp->OnIdle(0);
    EXPECT_EQ(WindowText(*MainFrame()), _T("TestApp - Test1"));

    Command(ID_FILE_NEW);
    EXPECT_EQ(ActiveDoc(MainFrame())->GetTitle(), _T("Test2"));
    EXPECT_EQ(MainFrame()->GetMDIChildren().size(), 2u);
    MainFrame()->MDINext();
    EXPECT_EQ(ActiveDoc(MainFrame()), pDoc);
}

TEST_F(FrameworkTest, ClosingAModifiedDocumentAsksAndCancelKeepsIt)
{
    StartApp();
    Command(ID_FILE_NEW);
    CTestDoc* pDoc = ActiveDoc(MainFrame());
    pDoc->SetModifiedFlag();
    m_boxes.QueueAnswer(IDCANCEL);
    MainFrame()->MDIGetActive()->SendMessage(WM_CLOSE);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, _T("Save changes to Test1?"));
    EXPECT_EQ(m_boxes.Boxes()[0].type & MB_TYPEMASK, MB_YESNOCANCEL);
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 1);

    m_boxes.QueueAnswer(IDNO);
    MainFrame()->MDIGetActive()->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 0);
    EXPECT_EQ(MainFrame()->MDIGetActive(), nullptr);
    // The no-document menu is back.
    EXPECT_EQ(PopupNamed(MainFrame()->GetMenu(), _T("&Test")), nullptr);
}

TEST_F(FrameworkTest, SaveAsWritesThroughTheDocumentAndOpenReadsItBack)
{
    StartApp();
    Command(ID_FILE_NEW);
    CTestDoc* pDoc = ActiveDoc(MainFrame());
    pDoc->m_strText = _T("ladder and blocks");
    pDoc->SetModifiedFlag();
    m_strNextFile = TempPath("saved.tst");
    ASSERT_TRUE(pDoc->DoSave(nullptr));
    EXPECT_FALSE(pDoc->IsModified());
    EXPECT_EQ(pDoc->GetTitle(), _T("saved.tst"));
    pDoc->OnCloseDocument();
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 0);

    m_strNextFile = TempPath("saved.tst");
    Command(ID_FILE_OPEN);
    CTestDoc* pOpened = ActiveDoc(MainFrame());
    ASSERT_NE(pOpened, nullptr);
    EXPECT_EQ(pOpened->m_strText, _T("ladder and blocks"));
    EXPECT_EQ(pOpened->GetPathName(), TempPath("saved.tst"));
    // Opening it again finds the open document.
    EXPECT_EQ(m_pApp->OpenDocumentFile(TempPath("saved.tst")), pOpened);
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 1);
}

TEST_F(FrameworkTest, AFileThatCannotBeReadLeavesNoDocumentBehind)
{
    StartApp();
    EXPECT_EQ(m_pApp->OpenDocumentFile(TempPath("missing.tst")), nullptr);
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 0);
    EXPECT_EQ(MainFrame()->MDIGetActive(), nullptr);
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);
}

TEST_F(FrameworkTest, ClosingTheMainFrameSavesOrStaysOpen)
{
    StartApp();
    Command(ID_FILE_NEW);
    ActiveDoc(MainFrame())->SetModifiedFlag();
    m_boxes.QueueAnswer(IDCANCEL);
    MainFrame()->SendMessage(WM_CLOSE);
    EXPECT_TRUE(IsWindow(m_pApp->m_pMainWnd));

    m_boxes.QueueAnswer(IDYES);
    m_strNextFile = TempPath("closing.tst");
    MainFrame()->SendMessage(WM_CLOSE);
    EXPECT_EQ(m_pApp->m_pMainWnd, nullptr);
    EXPECT_TRUE(std::filesystem::exists(m_folder / "closing.tst"));
    m_pApp->PumpPending();
    EXPECT_TRUE(m_pApp->IsQuitReceived());
}

TEST_F(FrameworkTest, RecentFilesKeepNewestFirstWithinTheirSizeAndPersist)
{
    StartApp(3);
    for (const char* name : {"a.tst", "b.tst", "c.tst", "d.tst", "b.tst"})
        m_pApp->AddToRecentFileList(TempPath(name));
    CRecentFileList* pList = m_pApp->GetRecentFileList();
    ASSERT_EQ(pList->GetCount(), 3);
    EXPECT_EQ((*pList)[0], TempPath("b.tst"));
    EXPECT_EQ((*pList)[1], TempPath("d.tst"));
    EXPECT_EQ((*pList)[2], TempPath("c.tst"));
    EXPECT_EQ(pList->GetMenuText(0), _T("&1 b.tst"));

    // The menu shows them where the first recent-file item stands.
    CMenu* pFile = MainFrame()->GetMenu()->GetSubMenu(0);
    MainFrame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pFile), 0);
    EXPECT_EQ(pFile->GetMenuItemCount(), 8u);
    CString str;
    pFile->GetMenuString(ID_FILE_MRU_FILE1 + 2, str, MF_BYCOMMAND);
    EXPECT_EQ(str, _T("&3 c.tst"));
    EXPECT_FALSE(pFile->GetMenuState(ID_APP_EXIT, MF_BYCOMMAND) & MF_GRAYED);

    m_pApp->LoadStdProfileSettings(3);
    EXPECT_EQ((*m_pApp->GetRecentFileList())[0], TempPath("b.tst"));
    EXPECT_EQ(m_pApp->GetProfileString(_T("Recent File List"), _T("File2")), TempPath("d.tst"));
}

TEST_F(FrameworkTest, ARecentFileThatNoLongerOpensLeavesTheList)
{
    StartApp();
    m_pApp->AddToRecentFileList(TempPath("gone.tst"));
    Command(ID_FILE_MRU_FILE1);
    EXPECT_EQ(m_pApp->GetRecentFileList()->GetCount(), 0);
}

TEST_F(FrameworkTest, SavingAddsTheFileToTheRecentList)
{
    StartApp();
    Command(ID_FILE_NEW);
    m_strNextFile = TempPath("new.tst");
    ASSERT_TRUE(ActiveDoc(MainFrame())->DoSave(nullptr));
    EXPECT_EQ((*m_pApp->GetRecentFileList())[0], TempPath("new.tst"));
}

TEST_F(FrameworkTest, TheWindowMenuListsTheDocumentsAndActivatesThem)
{
    StartApp();
    Command(ID_FILE_NEW);
    CDocument* pFirst = ActiveDoc(MainFrame());
    Command(ID_FILE_NEW);
    m_pApp->OnIdle(0);
    CMenu* pWindow = PopupNamed(MainFrame()->GetMenu(), _T("&Window"));
    ASSERT_NE(pWindow, nullptr);
    MainFrame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pWindow), 2);
    ASSERT_EQ(pWindow->GetMenuItemCount(), 4u);
    CString str;
    pWindow->GetMenuString(2, str, MF_BYPOSITION);
    EXPECT_EQ(str, _T("&1 Test1"));
    EXPECT_TRUE(pWindow->GetMenuState(3, MF_BYPOSITION) & MF_CHECKED);
    // Asked again at every idle pass, a list that is right already leaves the menu unchanged.
    const unsigned nRevision = MainFrame()->GetMenu()->GetRevision();
    for (int i = 0; i < 3; ++i) {
        m_pApp->OnIdle(0);
        MainFrame()->SendMessage(WM_INITMENUPOPUP, reinterpret_cast<WPARAM>(pWindow), 2);
    }
    EXPECT_EQ(MainFrame()->GetMenu()->GetRevision(), nRevision);

    Command(pWindow->GetMenuItemID(2));
    EXPECT_EQ(ActiveDoc(MainFrame()), pFirst);
    m_pApp->OnIdle(0);
    ASSERT_EQ(pWindow->GetMenuItemCount(), 4u);
    EXPECT_TRUE(pWindow->GetMenuState(2, MF_BYPOSITION) & MF_CHECKED);
    EXPECT_FALSE(pWindow->GetMenuState(3, MF_BYPOSITION) & MF_CHECKED);
}

TEST_F(FrameworkTest, CommandLineOpensAFileOrNothing)
{
    StartApp();
    CCommandLineInfo nothing;
    const char* argvNone[] = {"prog"};
    m_pApp->SetCommandLineArgs(1, argvNone);
    m_pApp->ParseCommandLine(nothing);
    EXPECT_EQ(nothing.m_nShellCommand, CCommandLineInfo::FileNew);
    nothing.m_nShellCommand = CCommandLineInfo::FileNothing;
    EXPECT_TRUE(m_pApp->ProcessShellCommand(nothing));
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 0);

    const std::string strMissing = TempPath("none.tst").ToUtf8();
    const char* argvOpen[] = {"prog", strMissing.c_str()};
    m_pApp->SetCommandLineArgs(2, argvOpen);
    CCommandLineInfo open;
    m_pApp->ParseCommandLine(open);
    EXPECT_EQ(open.m_nShellCommand, CCommandLineInfo::FileOpen);
    EXPECT_EQ(open.m_strFileName, TempPath("none.tst"));
    EXPECT_FALSE(m_pApp->ProcessShellCommand(open));

    CCommandLineInfo print;
    print.ParseParam(_T("p"), TRUE, FALSE);
    print.ParseParam(_T("x.tst"), FALSE, TRUE);
    EXPECT_EQ(print.m_nShellCommand, CCommandLineInfo::FilePrint);
}

TEST_F(FrameworkTest, DocumentStringsAndTypeMatching)
{
    StartApp();
    CDocTemplate* pTemplate = Template();
    CString str;
    const std::pair<CDocTemplate::DocStringIndex, LPCTSTR> fields[] = {
        {CDocTemplate::windowTitle, _T("")},
        {CDocTemplate::docName, _T("Test")},
        {CDocTemplate::filterName, _T("Test Files (*.tst)")},
        {CDocTemplate::filterExt, _T(".tst")},
        {CDocTemplate::regFileTypeName, _T("Test Document")},
    };
    for (const auto& [index, text] : fields) {
        pTemplate->GetDocString(str, index);
        EXPECT_EQ(str, text) << int(index);
    }
    CDocument* pMatch = nullptr;
    EXPECT_EQ(pTemplate->MatchDocType(_T("/x/A.TST"), pMatch), CDocTemplate::yesAttemptNative);
    EXPECT_EQ(pTemplate->MatchDocType(_T("/x/a.txt"), pMatch), CDocTemplate::maybeAttemptForeign);
}

TEST_F(FrameworkTest, AnUnchangedRecentListLeavesTheMenuAlone)
{
    StartApp();
    m_pApp->AddToRecentFileList(TempPath("a.tst"));
    CMenu* pMenu = MainFrame()->GetMenu();
    m_pApp->OnIdle(0);
    const unsigned nRevision = pMenu->GetRevision();
    m_pApp->OnIdle(0);
    EXPECT_EQ(pMenu->GetRevision(), nRevision);
    m_pApp->AddToRecentFileList(TempPath("b.tst"));
    m_pApp->OnIdle(0);
    EXPECT_NE(pMenu->GetRevision(), nRevision);
}
