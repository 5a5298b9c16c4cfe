// A small MDI application for the framework's tests: a document with a text, a view, a child
// frame, a main frame and an application, each handling one command of its own and the shared
// command, and recording which of them ran. Menus 700 (no document) and 701 (document) and the
// document strings of template 701 are registered; the profile is a temporary file.
#pragma once

#include "platform/core/Archive.h"
#include "platform/core/Document.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/FileDialogRequest.h"
#include "platform/ui/MDIChildWnd.h"
#include "platform/ui/MDIFrameWnd.h"
#include "platform/ui/ScrollView.h"
#include "platform/ui/WinApp.h"
#include "platform/ui/WndMessageMap.h"

#include "platform/ui/WindowFixture.h"
#include "platform/core/StringPrinter.h"

#include <filesystem>
#include <string>
#include <vector>

constexpr UINT ID_TEST_VIEW = 40001;
constexpr UINT ID_TEST_DOC = 40002;
constexpr UINT ID_TEST_CHILD = 40003;
constexpr UINT ID_TEST_MAIN = 40004;
constexpr UINT ID_TEST_APP = 40005;
constexpr UINT ID_TEST_SHARED = 40006;
constexpr UINT ID_TEST_UNHANDLED = 40007;
constexpr UINT ID_TEST_CHECKED = 40008;
constexpr UINT IDR_TEST_MAIN = 700;
constexpr UINT IDR_TEST_DOC = 701;

// Which level handled the commands, in order.
std::vector<std::string>& RoutingLog();

class CTestDoc : public CDocument {
    DECLARE_DYNCREATE(CTestDoc)
public:
    void Serialize(CArchive& ar) override;
    CString m_strText;

protected:
    void OnDocCommand() { RoutingLog().push_back("doc"); }
    void OnShared() { RoutingLog().push_back("doc-shared"); }
    DECLARE_MESSAGE_MAP()
};

class CTestView : public CScrollView {
    DECLARE_DYNCREATE(CTestView)
public:
    void OnDraw(CDC*) override { ++m_nDraws; }
    void OnInitialUpdate() override
    {
        ++m_nInitialUpdates;
        CScrollView::OnInitialUpdate();
    }
    int m_nDraws = 0;
    int m_nInitialUpdates = 0;

protected:
    void OnViewCommand() { RoutingLog().push_back("view"); }
    void OnShared() { RoutingLog().push_back("view-shared"); }
    DECLARE_MESSAGE_MAP()
};

class CTestChildFrame : public CMDIChildWnd {
    DECLARE_DYNCREATE(CTestChildFrame)
protected:
    void OnChildCommand() { RoutingLog().push_back("child"); }
    DECLARE_MESSAGE_MAP()
};

class CTestMainFrame : public CMDIFrameWnd {
    DECLARE_DYNCREATE(CTestMainFrame)
public:
    BOOL m_bChecked = TRUE;

protected:
    void OnMainCommand() { RoutingLog().push_back("main"); }
    void OnUpdateChecked(CCmdUI* pCmdUI) { pCmdUI->SetCheck(m_bChecked); }
    void OnChecked() {}
    DECLARE_MESSAGE_MAP()
};

class CTestApp : public CWinApp {
public:
    CTestApp() : CWinApp(_T("TestApp")) {}

protected:
    void OnAppCommand() { RoutingLog().push_back("app"); }
    void OnShared() { RoutingLog().push_back("app-shared"); }
    DECLARE_MESSAGE_MAP()
};

// Headless window layer, a registered menu pair, a temporary folder, a message-box recorder and
// a file dialog that answers with m_strNextFile.
class FrameworkTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // Makes the application (profile in the temporary folder), its template and its main frame.
    void StartApp(UINT nMaxMRU = 4);
    CTestMainFrame* MainFrame() const { return static_cast<CTestMainFrame*>(m_pApp->m_pMainWnd); }
    CDocTemplate* Template() const;
    CString TempPath(const char* name) const;
    // The WM_COMMAND's result through the main frame, as a menu sends it.
    LRESULT Command(UINT nID) const;

    CManualTickSource m_clock;
    std::filesystem::path m_folder;
    CMessageBoxRecorder m_boxes;
    std::unique_ptr<CTestApp> m_pApp;
    CString m_strNextFile;
    int m_nFileDialogs = 0;
    FileDialogHandler m_previousDialog;
};
