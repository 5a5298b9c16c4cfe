#include "shell/VetlaApp.h"

#include "document/UndoStore.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/DiagramClipboard.h"
#include "editor/SimulationBarDlg.h"
#include "editor/VetlaView.h"
#include "messagetext/MessageTextPages.h"
#include "pages/sheet/PageTexts.h"
#include "platform/core/FileSystem.h"
#include "platform/core/MessageBox.h"
#include "platform/core/StringTable.h"
#include "platform/gdi/DC.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/PrintDialog.h"
#include "shell/AboutDlg.h"
#include "shell/ChineseTables.h"
#include "shell/CtrlStatusBar.h"
#include "shell/HelpTopics.h"
#include "shell/MainFrame.h"
#include "shell/MenuTranslation.h"
#include "shell/Resource.h"
#include "shell/SettingsFile.h"

int g_bShowAtNewFile = 1;

BEGIN_MESSAGE_MAP(CVetlaApp, CWinApp)
    ON_COMMAND(ID_FILE_NEW, OnFileNew)
    ON_COMMAND(ID_FILE_NEW_LAD, OnFileNewLad)
    ON_COMMAND(ID_FILE_OPEN, OnFileOpen)
    ON_COMMAND(ID_APP_EXIT, OnAppExit)
    ON_COMMAND(ID_APP_ABOUT, OnAppAbout)
    ON_COMMAND(ID_FILE_PAGE_SETUP, OnFilePageSetup)
END_MESSAGE_MAP()

namespace {

constexpr LPCTSTR kRegistryKey = _T("Local AppWizard-Generated Applications");
constexpr UINT kRecentFiles = 4;

} // namespace

CVetlaApp* AfxGetVetlaApp() { return dynamic_cast<CVetlaApp*>(AfxGetApp()); }

namespace {

// The Simulation bar of the active view's frame while that view simulates; null otherwise.
CSimulationBarDlg* ActiveSimulationBar()
{
    const CMainFrame* pMain = AfxGetMainFrame();
    const CVetlaView* pView = pMain ? pMain->GetActiveView() : nullptr;
    if (!pView || pView->EditMode() != EDIT_MODE_SIMULATE || !pView->GetParentFrame())
        return nullptr;
    CSimulationBarDlg* pBar = pView->GetParentFrame()->GetSimulationBarDlg();
    return pBar && pBar->GetSafeHwnd() ? pBar : nullptr;
}

}  // namespace

BOOL IsSimulationPowerOn()
{
    const CSimulationBarDlg* pBar = ActiveSimulationBar();
    return pBar && pBar->IsPowerPressed();
}

void EndSimulationPowerFailure()
{
    if (IsSimulationPowerOn())
        ActiveSimulationBar()->ReleasePower();
}

CVetlaApp::CVetlaApp() : CVetlaApp(GetSettingsFileToRead(LANGUAGE_FILE_NAME)) {}

CVetlaApp::CVetlaApp(const CString& strSettingsPath) : CWinApp(_T("QARVOEditor"))
{
    // The language is fixed for the run before any window or text exists.
    if (ReadChineseSetting(strSettingsPath))
        g_bChineseUI = 1;
    SetUiLanguage(g_bChineseUI ? UiLanguage::SimplifiedChinese : UiLanguage::English);
    SetAppTitle(ResourceString(IDR_MAINFRAME));
    // Save As asks with the type of the document being saved, which the template alone does
    // not tell: FBD and LAD documents share one template.
    CDocument::SetPromptFileName([](CString& strName, UINT nTitleId, DWORD dwFlags, BOOL bOpen, CDocument* pDoc) {
        CVetlaApp* pApp = AfxGetVetlaApp();
        if (!pApp)
            return FALSE;
        pApp->m_pPromptDocument = pDoc;
        const BOOL bResult =
            pApp->DoPromptFileName(strName, nTitleId, dwFlags, bOpen, pDoc ? pDoc->GetDocTemplate() : nullptr);
        pApp->m_pPromptDocument = nullptr;
        return bResult;
    });
}

CVetlaApp::~CVetlaApp()
{
    CloseAllDocuments(TRUE);
    SetPageHelpHandler(nullptr);
    if (AfxGetMainFrame() == m_pMainWnd)
        AfxSetMainFrame(nullptr);
}

void CVetlaApp::InitHelpTopics() { ::InitHelpTopics(); }

void CVetlaApp::OpenHelp(WORD nHelpId) { OpenHelpTopic(m_strAppFolder, g_bChineseUI, nHelpId); }

BOOL CVetlaApp::InitInstance()
{
    const CString strModule = GetModuleFileName();
    const int nSlash = strModule.ReverseFind(PATH_SEPARATOR);
    if (nSlash < 0)
        return FALSE;
    m_strAppFolder = strModule.Left(nSlash + 1);
    // A run ended by a signal (as at logout) could not remove its undo snapshots.
    CUndoStore::RemoveAbandonedFolders();

    if (GetProfilePath().IsEmpty())
        SetRegistryKey(kRegistryKey);
    LoadStdProfileSettings(kRecentFiles);
    // Diagrams are wider than high: printing starts in landscape.
    AfxGetPrinterSettings().bLandscape = TRUE;
    RegisterShellResources();
    RegisterDiagramClipboardFormats();
    InstallMessageTextPages();

    m_pFBDTemplate = new CMultiDocTemplate(IDR_FBDTYPE, RUNTIME_CLASS(CVetlaDoc), RUNTIME_CLASS(CChildFrame),
                                           RUNTIME_CLASS(CVetlaView));
    m_pFBDTemplate->SetDocStrings(ResourceString(IDR_FBDTYPE));
    AddDocTemplate(m_pFBDTemplate);
    m_pLADTemplate = new CMultiDocTemplate(IDR_LADTYPE, RUNTIME_CLASS(CVetlaDoc), RUNTIME_CLASS(CChildFrame),
                                           RUNTIME_CLASS(CVetlaView));
    m_pLADTemplate->SetDocStrings(ResourceString(IDR_LADTYPE));
    AddDocTemplate(m_pLADTemplate);

    auto* pMainFrame = new CMainFrame;
    if (!pMainFrame->LoadFrame(IDR_MAINFRAME, WS_OVERLAPPEDWINDOW | FWS_ADDTOTITLE)) {
        delete pMainFrame;
        return FALSE;
    }
    pMainFrame->SetTitle(ResourceString(IDR_MAINFRAME));
    pMainFrame->OnUpdateFrameTitle(TRUE);
    m_pMainWnd = pMainFrame;
    AfxSetMainFrame(pMainFrame);

    // The property sheets take their Chinese texts from the same map.
    SetPageTextLookup([](WORD nKey, CString& strText) { return LookupChineseText(nKey, strText); });
    // The main frame of the moment: the opener outlives this one.
    SetProgramPropertiesOpener([](int nStartPage) {
        if (CMainFrame* pFrame = AfxGetMainFrame()) {
            pFrame->m_nPropertiesStartPage = nStartPage;
            pFrame->SendMessage(WM_COMMAND, ID_FILE_PROPERTIES);
        }
    });
    if (g_bChineseUI) {
        InitChineseTexts();
        TranslateMenuBar(pMainFrame->GetMenu(), FALSE, 0);
    }

    InitHelpTopics();
    // Every block sheet's Help button and F1 open the page of its type.
    SetPageHelpHandler([](UINT nTopic) {
        if (CVetlaApp* pApp = AfxGetVetlaApp())
            pApp->OpenHelp(WORD(nTopic));
    });

    // Project files dropped on the main window open as documents.
    pMainFrame->DragAcceptFiles();

    CCommandLineInfo cmdInfo;
    ParseCommandLine(cmdInfo);
    if (cmdInfo.m_bRunEmbedded || cmdInfo.m_bRunAutomated)
        return TRUE;
    if (cmdInfo.m_nShellCommand == CCommandLineInfo::FileNew)
        cmdInfo.m_nShellCommand = CCommandLineInfo::FileNothing;
    if (!ProcessShellCommand(cmdInfo))
        return FALSE;

    // The no-document menu shows the device commands with their strings' captions, also in the
    // Chinese interface.
    if (CMenu* pMenu = pMainFrame->GetDefaultMenu()) {
        for (UINT nID : {ID_PLC_UPLOAD, ID_PLC_CLOCK})
            pMenu->ModifyMenu(nID, MF_BYCOMMAND | MF_STRING, nID, ShellMenuCaption(nID));
    }
    pMainFrame->ShowWindow(SW_SHOWMAXIMIZED);
    pMainFrame->UpdateWindow();
    return TRUE;
}

void CVetlaApp::OnFileNewLad()
{
    if (CMainFrame* pFrame = AfxGetMainFrame())
        pFrame->m_nNewDocType = DOC_TYPE_LAD;
    OnFileNew();
}

void CVetlaApp::OnAppAbout()
{
    CAboutDlg dlg(AfxGetMainWnd());
    dlg.DoModal();
}

void CVetlaApp::OnFileNew()
{
    if (!m_pFBDTemplate || !m_pFBDTemplate->OpenDocumentFile(nullptr))
        return;
    UpdateDocumentMenu();
    // Opens the new document's Properties sheet once that command has its handler.
    if (g_bShowAtNewFile && m_pMainWnd)
        m_pMainWnd->SendMessage(WM_COMMAND, ID_FILE_PROPERTIES);
}

void CVetlaApp::UpdateDocumentMenu()
{
    CMainFrame* pFrame = AfxGetMainFrame();
    CMenu* pMenu = pFrame ? pFrame->GetMenu() : nullptr;
    if (!pMenu)
        return;
    for (UINT nID : {ID_PLC_DOWNLOAD, ID_PLC_UPLOAD, ID_PLC_CLOCK}) {
        CString strCaption = ShellMenuCaption(nID);
        if (nID == ID_PLC_CLOCK && g_bChineseUI)
            g_mapIdText.Lookup(WORD(nID), strCaption);
        pMenu->ModifyMenu(nID, MF_BYCOMMAND | MF_STRING, nID, strCaption);
    }
    pMenu->RemoveMenu(ID_OPTIONS_SELECT_HARDWARE, MF_BYCOMMAND);
    if (g_bChineseUI && !m_bDocMenusTranslated) {
        TranslateMenuBar(pMenu, TRUE, 0);
        m_bDocMenusTranslated = TRUE;
    }
}

BOOL CVetlaApp::OnIdle(LONG lCount)
{
    CWnd* pBar = m_pMainWnd ? m_pMainWnd->GetDlgItem(AFX_IDW_STATUS_BAR) : nullptr;
    if (pBar && pBar->IsKindOf(RUNTIME_CLASS(CCtrlStatusBar))) {
        auto* pStatusBar = static_cast<CCtrlStatusBar*>(pBar);
        const int nIndex = pStatusBar->CommandToIndex(ID_INDICATOR_ZOOM);
        PaneInfo info;
        if (pStatusBar->GetPaneInfoEx(nIndex, info)) {
            info.strText = ZoomPaneText();
            CDC dc;
            dc.CreateDC(_T("DISPLAY"), nullptr, nullptr, nullptr);
            // Measured in the font the bar draws its panes in.
            if (CFont* pFont = pStatusBar->GetFont())
                dc.SelectObject(pFont);
            info.cxWidth = dc.GetTextExtent(info.strText).cx;
            // Also enables the pane's hosted controls, or disables them with SBPS_DISABLED.
            pStatusBar->SetPaneInfoEx(nIndex, info);
        }
    }
    return CWinApp::OnIdle(lCount);
}

CString CVetlaApp::ZoomPaneText() const
{
    const CMainFrame* pFrame = AfxGetMainFrame();
    const CVetlaView* pView = pFrame ? pFrame->GetActiveView() : nullptr;
    const CVetlaDoc* pDoc = pView ? pView->GetDocument() : nullptr;
    const int nPercent = pDoc ? int(pDoc->m_fZoom * 100) : 100;
    CString strText;
    strText.Format(ResourceString(IDS_ZOOM_FORMAT), nPercent);
    return strText + _T("%");
}
