#include "platform/ui/WinApp.h"

#include "platform/core/Document.h"
#include "platform/core/FileSystem.h"
#include "platform/core/MessageBox.h"
#include "platform/core/Position.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/FileDialogRequest.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/FrameWnd.h"
#include "platform/ui/RecentFileList.h"
#include "platform/ui/View.h"
#include "platform/ui/Wnd.h"

#include "platform/ui/IndexPosition.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CWinApp, CWinThread)

BEGIN_MESSAGE_MAP(CWinApp, CWinThread)
    ON_COMMAND_RANGE(ID_FILE_MRU_FILE1, ID_FILE_MRU_FILE16, OnOpenRecentFileCommand)
    ON_UPDATE_COMMAND_UI(ID_FILE_MRU_FILE1, OnUpdateRecentFileMenu)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
END_MESSAGE_MAP()

namespace {

CWinApp*& CurrentApp()
{
    static CWinApp* s_pApp = nullptr;
    return s_pApp;
}

CString AllFilesFilter() { return _T("All Files (*.*)|*.*|"); }

// "Name (*.ext)|*.ext|" of a template; empty when it names no file type.
CString TemplateFilter(const CDocTemplate* pTemplate, CString* pstrExt = nullptr)
{
    CString strName;
    CString strExt;
    if (!pTemplate->GetDocString(strName, CDocTemplate::filterName) ||
        !pTemplate->GetDocString(strExt, CDocTemplate::filterExt))
        return CString();
    if (pstrExt)
        *pstrExt = strExt;
    return strName + _T("|*") + strExt + _T("|");
}

}  // namespace

CWinApp* AfxGetApp() { return CurrentApp(); }

CWinApp::CWinApp(LPCTSTR lpszAppName)
{
    CurrentApp() = this;
    AfxInstallDocumentWindowOps();
    if (lpszAppName)
        m_pszAppName = lpszAppName;
    if (m_pszAppName.IsEmpty())
        m_pszAppName = GetAppTitle();
    m_pszProfileName = m_pszAppName;
    // A document's Save As asks through the application with the document's own template.
    CDocument::SetPromptFileName([](CString& strName, UINT nTitleId, DWORD dwFlags, BOOL bOpen,
                                    CDocument* pDoc) {
        CWinApp* pApp = AfxGetApp();
        return pApp ? pApp->DoPromptFileName(strName, nTitleId, dwFlags, bOpen,
                                             pDoc ? pDoc->GetDocTemplate() : nullptr)
                    : FALSE;
    });
}

CWinApp::~CWinApp()
{
    CloseAllDocuments(TRUE);
    m_templates.clear();
    if (CurrentApp() == this) {
        CurrentApp() = nullptr;
        CDocument::SetPromptFileName(nullptr);
    }
}

BOOL CWinApp::InitInstance() { return TRUE; }

int CWinApp::ExitInstance()
{
    SaveStdProfileSettings();
    return CWinThread::ExitInstance();
}

int CWinApp::Run() { return CWinThread::Run(); }

BOOL CWinApp::OnIdle(LONG lCount) { return CWinThread::OnIdle(lCount); }

// ---- profile ----

CProfileFile& CWinApp::Profile()
{
    if (!m_bProfileOpen) {
        CString strFolder = GetUserConfigFolder();
        if (!m_pszRegistryKey.IsEmpty())
            strFolder += CString(_T("/")) + m_pszRegistryKey;
        CString strName = m_pszProfileName;
        strName.Replace(_T('/'), _T('_'));
        m_profile.Open(strFolder + _T("/") + strName + _T(".ini"));
        m_bProfileOpen = true;
    }
    return m_profile;
}

void CWinApp::SetRegistryKey(LPCTSTR lpszRegistryKey)
{
    m_pszRegistryKey = lpszRegistryKey;
    // The registry key names a folder: no separators of its own.
    m_pszRegistryKey.Replace(_T('/'), _T('_'));
    m_bProfileOpen = false;
}

void CWinApp::SetProfilePath(const CString& strPath)
{
    m_profile.Open(strPath);
    m_bProfileOpen = true;
}

UINT CWinApp::GetProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nDefault)
{
    return UINT(Profile().GetInt(lpszSection, lpszEntry, nDefault));
}

BOOL CWinApp::WriteProfileInt(LPCTSTR lpszSection, LPCTSTR lpszEntry, int nValue)
{
    return Profile().WriteInt(lpszSection, lpszEntry, nValue);
}

CString CWinApp::GetProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszDefault)
{
    return Profile().GetString(lpszSection, lpszEntry, lpszDefault);
}

BOOL CWinApp::WriteProfileString(LPCTSTR lpszSection, LPCTSTR lpszEntry, LPCTSTR lpszValue)
{
    return Profile().WriteString(lpszSection, lpszEntry, lpszValue);
}

void CWinApp::LoadStdProfileSettings(UINT nMaxMRU)
{
    m_pRecentFileList.reset();
    if (nMaxMRU == 0)
        return;
    const int nSize = int(std::min<UINT>(nMaxMRU, ID_FILE_MRU_LAST - ID_FILE_MRU_FIRST + 1));
    m_pRecentFileList = std::make_unique<CRecentFileList>(ID_FILE_MRU_FILE1, _T("Recent File List"),
                                                          _T("File%d"), nSize);
    m_pRecentFileList->ReadList(Profile());
}

void CWinApp::SaveStdProfileSettings()
{
    if (m_pRecentFileList)
        m_pRecentFileList->WriteList(Profile());
}

void CWinApp::AddToRecentFileList(LPCTSTR lpszPathName)
{
    if (!m_pRecentFileList)
        return;
    m_pRecentFileList->Add(lpszPathName);
    m_pRecentFileList->WriteList(Profile());
}

// ---- documents ----

void CWinApp::AddDocTemplate(CDocTemplate* pTemplate) { m_templates.emplace_back(pTemplate); }

POSITION CWinApp::GetFirstDocTemplatePosition() const
{
    return m_templates.empty() ? nullptr : PositionOfIndex(0);
}

CDocTemplate* CWinApp::GetNextDocTemplate(POSITION& pos) const
{
    std::vector<CDocTemplate*> templates;
    for (const auto& pTemplate : m_templates)
        templates.push_back(pTemplate.get());
    return NextAtPosition(templates, pos);
}

int CWinApp::GetOpenDocumentCount() const
{
    int nCount = 0;
    for (const auto& pTemplate : m_templates) {
        for (POSITION pos = pTemplate->GetFirstDocPosition(); pos;) {
            pTemplate->GetNextDoc(pos);
            ++nCount;
        }
    }
    return nCount;
}

CDocument* CWinApp::OpenDocumentFile(LPCTSTR lpszFileName)
{
    CDocTemplate* pBest = nullptr;
    CDocTemplate::Confidence bestMatch = CDocTemplate::noAttempt;
    for (const auto& pTemplate : m_templates) {
        CDocument* pOpen = nullptr;
        const CDocTemplate::Confidence match = pTemplate->MatchDocType(lpszFileName, pOpen);
        if (match == CDocTemplate::yesAlreadyOpen) {
            // Bring its window to the front instead of opening it twice.
            POSITION pos = pOpen->GetFirstViewPosition();
            if (CView* pView = pos ? pOpen->GetNextView(pos) : nullptr) {
                if (CFrameWnd* pFrame = pView->GetParentFrame())
                    pFrame->ActivateFrame();
            }
            return pOpen;
        }
        if (match > bestMatch) {
            bestMatch = match;
            pBest = pTemplate.get();
        }
    }
    return pBest ? pBest->OpenDocumentFile(lpszFileName) : nullptr;
}

BOOL CWinApp::DoPromptFileName(CString& fileName, UINT nIDSTitle, DWORD lFlags,
                               BOOL bOpenFileDialog, CDocTemplate* pTemplate)
{
    FileDialogRequest request;
    request.bOpenFileDialog = bOpenFileDialog;
    request.strTitle.LoadString(nIDSTitle);
    request.dwFlags = lFlags | OFN_HIDEREADONLY | OFN_OVERWRITEPROMPT;
    request.pOwner = m_pMainWnd;
    request.strFileName = fileName;
    if (pTemplate) {
        CString strExt;
        request.strFilter = TemplateFilter(pTemplate, &strExt);
        request.strDefExt = strExt.Left(1) == _T(".") ? strExt.Mid(1) : strExt;
    } else {
        for (const auto& pEach : m_templates)
            request.strFilter += TemplateFilter(pEach.get());
    }
    request.strFilter += AllFilesFilter() + _T("|");
    if (!AfxRunFileDialog(request))
        return FALSE;
    fileName = request.strFileName;
    return TRUE;
}

BOOL CWinApp::SaveAllModified()
{
    for (const auto& pTemplate : m_templates) {
        if (!pTemplate->SaveAllModified())
            return FALSE;
    }
    return TRUE;
}

void CWinApp::CloseAllDocuments(BOOL bEndSession)
{
    for (const auto& pTemplate : m_templates)
        pTemplate->CloseAllDocuments(bEndSession);
}

void CWinApp::OnFileNew()
{
    if (!m_templates.empty())
        m_templates.front()->OpenDocumentFile(nullptr);
}

void CWinApp::OnFileOpen()
{
    CString strName;
    if (DoPromptFileName(strName, AFX_IDS_OPENFILE, OFN_FILEMUSTEXIST, TRUE, nullptr))
        OpenDocumentFile(strName);
}

void CWinApp::OnAppExit()
{
    if (IsWindow(m_pMainWnd))
        m_pMainWnd->SendMessage(WM_CLOSE);
}

BOOL CWinApp::OnOpenRecentFile(UINT nID)
{
    if (!m_pRecentFileList)
        return FALSE;
    const int nIndex = int(nID - ID_FILE_MRU_FILE1);
    if (nIndex < 0 || nIndex >= m_pRecentFileList->GetCount())
        return FALSE;
    const CString strPath = (*m_pRecentFileList)[nIndex];
    if (OpenDocumentFile(strPath))
        return TRUE;
    // A file that no longer opens leaves the list.
    m_pRecentFileList->Remove(nIndex);
    m_pRecentFileList->WriteList(Profile());
    return FALSE;
}

void CWinApp::OnOpenRecentFileCommand(UINT nID) { OnOpenRecentFile(nID); }

void CWinApp::OnUpdateRecentFileMenu(CCmdUI* pCmdUI)
{
    if (m_pRecentFileList)
        m_pRecentFileList->UpdateMenu(pCmdUI);
    else
        pCmdUI->Enable(FALSE);
}

// ---- command line ----

void CWinApp::SetCommandLineArgs(int argc, const char* const* argv)
{
    m_args.clear();
    for (int i = 1; i < argc; ++i)
        m_args.push_back(CString::FromUtf8(argv[i]));
}

void CWinApp::ParseCommandLine(CCommandLineInfo& rCmdInfo)
{
    for (std::size_t i = 0; i < m_args.size(); ++i) {
        const CString& strArg = m_args[i];
        // "-p" and "/p" are flags; a path starting with '/' is a file when it holds another '/'.
        const bool bFlag = strArg.GetLength() > 1 &&
                           (strArg[0] == _T('-') ||
                            (strArg[0] == _T('/') && strArg.Find(_T('/'), 1) < 0 &&
                             !PathFileExists(strArg)));
        rCmdInfo.ParseParam(bFlag ? strArg.Mid(1).GetString() : strArg.GetString(),
                            bFlag ? TRUE : FALSE, i + 1 == m_args.size());
    }
}

BOOL CWinApp::ProcessShellCommand(CCommandLineInfo& rCmdInfo)
{
    switch (rCmdInfo.m_nShellCommand) {
    case CCommandLineInfo::FileNew:
        if (!OnCmdMsg(ID_FILE_NEW, CN_COMMAND, nullptr, nullptr))
            OnFileNew();
        return m_pMainWnd != nullptr;
    case CCommandLineInfo::FileOpen:
        return OpenDocumentFile(rCmdInfo.m_strFileName) != nullptr;
    case CCommandLineInfo::FilePrint:
    case CCommandLineInfo::FilePrintTo:
        // Print and end: the program does not stay open after a print from the shell.
        if (OpenDocumentFile(rCmdInfo.m_strFileName) && IsWindow(m_pMainWnd)) {
            m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PRINT_DIRECT);
            m_pMainWnd->SendMessage(WM_CLOSE);
        }
        return FALSE;
    case CCommandLineInfo::FileNothing:
        return TRUE;
    default:
        return FALSE;
    }
}
