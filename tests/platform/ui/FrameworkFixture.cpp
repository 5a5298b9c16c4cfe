#include "platform/ui/FrameworkFixture.h"

#include "platform/ui/FrameIds.h"
#include "platform/ui/Menu.h"

#include <unistd.h>

std::vector<std::string>& RoutingLog()
{
    static std::vector<std::string> s_log;
    return s_log;
}

IMPLEMENT_DYNCREATE(CTestDoc, CDocument)
BEGIN_MESSAGE_MAP(CTestDoc, CDocument)
    ON_COMMAND(ID_TEST_DOC, OnDocCommand)
    ON_COMMAND(ID_TEST_SHARED, OnShared)
END_MESSAGE_MAP()

void CTestDoc::Serialize(CArchive& ar)
{
    if (ar.IsStoring())
        ar << m_strText;
    else
        ar >> m_strText;
}

IMPLEMENT_DYNCREATE(CTestView, CScrollView)
BEGIN_MESSAGE_MAP(CTestView, CScrollView)
    ON_COMMAND(ID_TEST_VIEW, OnViewCommand)
    ON_COMMAND(ID_TEST_SHARED, OnShared)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTestChildFrame, CMDIChildWnd)
BEGIN_MESSAGE_MAP(CTestChildFrame, CMDIChildWnd)
    ON_COMMAND(ID_TEST_CHILD, OnChildCommand)
END_MESSAGE_MAP()

IMPLEMENT_DYNCREATE(CTestMainFrame, CMDIFrameWnd)
BEGIN_MESSAGE_MAP(CTestMainFrame, CMDIFrameWnd)
    ON_COMMAND(ID_TEST_MAIN, OnMainCommand)
    ON_COMMAND(ID_TEST_CHECKED, OnChecked)
    ON_UPDATE_COMMAND_UI(ID_TEST_CHECKED, OnUpdateChecked)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CTestApp, CWinApp)
    ON_COMMAND(ID_TEST_APP, OnAppCommand)
    ON_COMMAND(ID_TEST_SHARED, OnShared)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
END_MESSAGE_MAP()

void FrameworkTest::SetUp()
{
    AfxSetWindowBackend(nullptr);
    CMessageQueue::Get().Reset();
    CMessageQueue::Get().SetTickSource(&m_clock);
    RoutingLog().clear();
    m_folder = std::filesystem::temp_directory_path() /
               ("qarvo-frames-" + std::to_string(getpid()) + "-" +
                ::testing::UnitTest::GetInstance()->current_test_info()->name());
    std::filesystem::remove_all(m_folder);
    std::filesystem::create_directories(m_folder);
    AfxRegisterMenuResource(IDR_TEST_MAIN, {
        {MF_POPUP | MF_END, 0, _T("&File")},
        {0, ID_FILE_NEW, _T("&New\tCtrl+N")},
        {0, ID_FILE_OPEN, _T("&Open...\tCtrl+O")},
        {MF_SEPARATOR, 0, nullptr},
        {0, ID_FILE_MRU_FILE1, _T("Recent File")},
        {MF_SEPARATOR, 0, nullptr},
        {MF_END, ID_APP_EXIT, _T("E&xit")},
    });
    AfxRegisterMenuResource(IDR_TEST_DOC, {
        {MF_POPUP, 0, _T("&File")},
        {0, ID_FILE_NEW, _T("&New\tCtrl+N")},
        {0, ID_FILE_SAVE, _T("&Save")},
        {0, ID_FILE_MRU_FILE1, _T("Recent File")},
        {MF_END, ID_APP_EXIT, _T("E&xit")},
        {MF_POPUP, 0, _T("&Test")},
        {0, ID_TEST_VIEW, _T("View")},
        {0, ID_TEST_DOC, _T("Document")},
        {0, ID_TEST_UNHANDLED, _T("Nobody")},
        {MF_POPUP, 0, _T("More")},
        {MF_END, ID_TEST_CHECKED, _T("Checked")},
        {MF_END, ID_TEST_MAIN, _T("Main")},
        {MF_POPUP | MF_END, 0, _T("&Window")},
        {MF_END, ID_WINDOW_CASCADE, _T("&Cascade")},
    });
    m_previousDialog = AfxSetFileDialogHandler([this](FileDialogRequest& request) {
        ++m_nFileDialogs;
        if (m_strNextFile.IsEmpty())
            return FALSE;
        request.strFileName = m_strNextFile;
        return TRUE;
    });
}

void FrameworkTest::TearDown()
{
    if (m_pApp) {
        if (IsWindow(m_pApp->m_pMainWnd)) {
            m_pApp->CloseAllDocuments(TRUE);
            m_pApp->m_pMainWnd->DestroyWindow();
        }
        m_pApp.reset();
    }
    AfxSetFileDialogHandler(m_previousDialog);
    CMessageQueue::Get().Reset();
    CMessageQueue::Get().SetTickSource(nullptr);
    std::filesystem::remove_all(m_folder);
}

void FrameworkTest::StartApp(UINT nMaxMRU)
{
    m_pApp = std::make_unique<CTestApp>();
    m_pApp->SetProfilePath(TempPath("profile.ini"));
    m_pApp->LoadStdProfileSettings(nMaxMRU);
    auto* pTemplate = new CMultiDocTemplate(IDR_TEST_DOC, RUNTIME_CLASS(CTestDoc),
                                            RUNTIME_CLASS(CTestChildFrame), RUNTIME_CLASS(CTestView));
    pTemplate->SetDocStrings(
        _T("\nTest\nTest\nTest Files (*.tst)\n.tst\nTest.Document\nTest Document"));
    m_pApp->AddDocTemplate(pTemplate);
    auto* pFrame = new CTestMainFrame;
    ASSERT_TRUE(pFrame->LoadFrame(IDR_TEST_MAIN));
    pFrame->SetTitle(_T("TestApp"));
    m_pApp->m_pMainWnd = pFrame;
    pFrame->ShowWindow(SW_SHOWMAXIMIZED);
}

CDocTemplate* FrameworkTest::Template() const
{
    POSITION pos = m_pApp->GetFirstDocTemplatePosition();
    return m_pApp->GetNextDocTemplate(pos);
}

CString FrameworkTest::TempPath(const char* name) const
{
    return CString::FromUtf8((m_folder / name).string());
}

LRESULT FrameworkTest::Command(UINT nID) const
{
    return m_pApp->m_pMainWnd->SendMessage(WM_COMMAND, MAKEWPARAM(WORD(nID), 0), 0);
}
