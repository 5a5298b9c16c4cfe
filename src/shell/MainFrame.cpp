#include "shell/MainFrame.h"

#include "blocks/BlockObj.h"
#include "document/AstroCities.h"
#include "editor/ChildFrame.h"
#include "editor/PaletteTypes.h"
#include "editor/VetlaView.h"
#include "messagetext/AIFilterDlg.h"
#include "platform/core/FileSystem.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Menu.h"
#include "platform/ui/WndMessageMap.h"
#include "protocol/PlcOperation.h"
#include "shell/ChineseTables.h"
#include "shell/HelpTopics.h"
#include "shell/Resource.h"
#include "shell/SettingsFile.h"
#include "shell/StatusLabel.h"
#include "shell/VetlaApp.h"

#include <initializer_list>

IMPLEMENT_DYNCREATE(CMainFrame, CMDIFrameWnd)

BEGIN_MESSAGE_MAP(CMainFrame, CMDIFrameWnd)
    ON_WM_CREATE()
    ON_WM_DESTROY()
    ON_WM_DRAWITEM()
    ON_WM_MOVE()
    ON_WM_SIZE()
    ON_COMMAND(ID_VIEW_INFO_WINDOW, OnViewInfoWindow)
    ON_UPDATE_COMMAND_UI(ID_VIEW_INFO_WINDOW, OnUpdateViewInfoWindow)
    ON_COMMAND(ID_HELP_CONTENTS, OnHelpContents)
    ON_COMMAND(ID_OPTIONS_LANGUAGE, OnLanguage)
    ON_UPDATE_COMMAND_UI(ID_OPTIONS_LANGUAGE, OnUpdateAlwaysEnabled)
    ON_COMMAND(ID_OPTIONS_COM_CONFIG, ConfigurePort)
    ON_COMMAND(ID_FILE_MSGTEXT_SETTINGS, OnMsgTextSettings)
    ON_UPDATE_COMMAND_UI(ID_FILE_MSGTEXT_SETTINGS, OnUpdateMsgTextSettings)
    ON_UPDATE_COMMAND_UI(ID_OPTIONS_COM_CONFIG, OnUpdateAlwaysEnabled)
    ON_UPDATE_COMMAND_UI(ID_PLC_MONIT, OnUpdateDisabled)
    ON_UPDATE_COMMAND_UI(ID_VIEW_ZOOM_IN, OnUpdateDisabled)
    ON_UPDATE_COMMAND_UI(ID_VIEW_ZOOM_OUT, OnUpdateDisabled)
    ON_UPDATE_COMMAND_UI(ID_INSERT_COMMENTS, OnUpdateDisabled)
    ON_COMMAND(CStatusBarControls::ID_STATUS_MODEL_BUTTON, OnStatusControl)
    ON_COMMAND(CStatusBarControls::ID_STATUS_MODEL_TEXT, OnStatusControl)
    ON_MESSAGE(WM_PALETTE_SELECT, OnPaletteSelect)
    ON_COMMAND(ID_FILE_LAD_TO_FBD, OnLadConvertToFbd)
    ON_UPDATE_COMMAND_UI(ID_FILE_LAD_TO_FBD, OnUpdateLadConvertToFbd)
    ON_COMMAND(ID_OPTIONS_FRAME_BGCOLOR, OnFrameBgColor)
    ON_COMMAND(ID_VIEW_OUTPUTS_BAR, OnToggleOutputsBar)
    ON_COMMAND(ID_VIEW_INPUTS_BAR, OnToggleInputsBar)
    ON_COMMAND(ID_VIEW_SIMULATION_BAR, OnToggleSimulationBar)
    ON_UPDATE_COMMAND_UI(ID_VIEW_OUTPUTS_BAR, OnUpdateSimBar)
    ON_UPDATE_COMMAND_UI(ID_VIEW_INPUTS_BAR, OnUpdateSimBar)
    ON_UPDATE_COMMAND_UI(ID_VIEW_SIMULATION_BAR, OnUpdateSimBar)
    ON_MESSAGE(WM_PLC_COMMAND, OnTransferCommand)
    ON_COMMAND_RANGE(ID_PLC_UPLOAD, ID_PLC_UPLOAD, OnDeviceCommand)
    ON_UPDATE_COMMAND_UI(ID_PLC_UPLOAD, OnUpdateAlwaysEnabled)
    ON_COMMAND_RANGE(ID_PLC_CLOCK, ID_PLC_CLOCK, OnDeviceCommand)
    ON_UPDATE_COMMAND_UI(ID_PLC_CLOCK, OnUpdateAlwaysEnabled)
    ON_COMMAND_RANGE(ID_PLC_SUMMER_TIME, ID_PLC_SUMMER_TIME, OnDeviceCommand)
    ON_UPDATE_COMMAND_UI(ID_PLC_SUMMER_TIME, OnUpdateAlwaysEnabled)
    ON_COMMAND_RANGE(ID_PLC_WIFI_SETUP, ID_PLC_WIFI_SETUP, OnDeviceCommand)
    ON_UPDATE_COMMAND_UI(ID_PLC_WIFI_SETUP, OnUpdateAlwaysEnabled)
    ON_COMMAND_RANGE(ID_PLC_REMOTE_WIFI_SETUP, ID_PLC_REMOTE_WIFI_SETUP, OnDeviceCommand)
    ON_UPDATE_COMMAND_UI(ID_PLC_REMOTE_WIFI_SETUP, OnUpdateAlwaysEnabled)
    ON_COMMAND_RANGE(ID_PLC_IO_STATUS, ID_PLC_IO_STATUS, OnDeviceCommand)
    ON_UPDATE_COMMAND_UI(ID_PLC_IO_STATUS, OnUpdateAlwaysEnabled)
    ON_COMMAND_RANGE(ID_PLC_RUNSTOP, ID_PLC_RUNSTOP, OnDeviceCommand)
    ON_UPDATE_COMMAND_UI(ID_PLC_RUNSTOP, OnUpdateAlwaysEnabled)
    ON_COMMAND_RANGE(ID_PLC_CLEAR_PROGRAM, ID_PLC_CLEAR_PROGRAM, OnDeviceCommand)
    ON_COMMAND(ID_FILE_PROPERTIES, OnFileProperties)
    ON_UPDATE_COMMAND_UI(ID_FILE_PROPERTIES, OnUpdateFileProperties)
END_MESSAGE_MAP()

namespace {

CMainFrame* g_pMainFrame = nullptr;

constexpr UINT kIndicators[] = {ID_SEPARATOR, ID_INDICATOR_ZOOM, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                ID_INDICATOR_SCRL};

// The frame's style whatever the template asked for: a maximised, titled top-level window.
constexpr DWORD kMainFrameStyle = WS_OVERLAPPEDWINDOW | WS_MAXIMIZE | FWS_ADDTOTITLE;
constexpr DWORD kToolBarStyle =
    WS_CHILD | WS_VISIBLE | CBRS_TOP | CBRS_GRIPPER | CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;
constexpr DWORD kInfoBarExtraStyle = CBRS_TOOLTIPS | CBRS_FLYBY | CBRS_SIZE_DYNAMIC;

// The caption of a drop-down item: its Chinese text in the Chinese interface (empty when the
// table has none), else the English one.
CString NewMenuCaption(UINT nID, LPCTSTR lpszEnglish)
{
    if (!g_bChineseUI)
        return lpszEnglish;
    CString strText;
    g_mapIdText.Lookup(WORD(nID), strText);
    return strText;
}

} // namespace

CMainFrame* AfxGetMainFrame() { return g_pMainFrame; }

void AfxSetMainFrame(CMainFrame* pFrame)
{
    g_pMainFrame = pFrame;
    SetDocumentObserver(pFrame);
    SetDiagramFrame(pFrame);
}

CMainFrame::CMainFrame() : m_nLanguage(g_bChineseUI)
{
    // Rebuilt with every frame, so that each starts from the lists as the program defines them.
    InitPaletteTypeLists();
    InitBlockNames();
    m_strAstroCitiesRead = GetAstroCityFileToRead();
    LoadAstroCities(m_strAstroCitiesRead);
    // A place the user saves is written at once, into the settings folder.
    SetAstroCityStore(GetAstroCityFilePath());
}

CMainFrame::~CMainFrame()
{
    SetAstroCityStore(CString());
    // Places read from an earlier version's folder go to the settings folder; the earlier file
    // goes once they are safe there, so that places the user removed do not come back from it.
    CString strReason;
    if (!SaveAstroCities(GetAstroCityFilePath(), &strReason))
        AfxMessageBox(ASTRO_SAVE_FAILED + strReason, MB_ICONSTOP);
    else if (m_strAstroCitiesRead != GetAstroCityFilePath())
        DeleteFile(m_strAstroCitiesRead);
    if (g_pMainFrame == this)
        AfxSetMainFrame(nullptr);
}

void CMainFrame::OnHelpContents()
{
    if (CVetlaApp* pApp = AfxGetVetlaApp())
        pApp->OpenHelp(HELP_TOPIC_INPUTS);
}

CChildFrame* CMainFrame::MDIGetActive(BOOL* pbMaximized) const
{
    CChildFrame* pChild =
        GetSafeHwnd() ? AsChildFrame(CMDIFrameWnd::MDIGetActive()) : m_headless.pActiveChild;
    if (pbMaximized)
        *pbMaximized = pChild != nullptr;
    return pChild;
}

void CMainFrame::MDIActivate(CWnd* pWndActivate)
{
    if (GetSafeHwnd())
        CMDIFrameWnd::MDIActivate(pWndActivate);
    else
        m_headless.pActiveChild = AsChildFrame(pWndActivate);
}

CVetlaView* CMainFrame::GetActiveView() const
{
    CChildFrame* pChild = MDIGetActive();
    return pChild ? pChild->GetActiveView() : nullptr;
}

BOOL CMainFrame::PreCreateWindow(CREATESTRUCT& cs)
{
    if (!CMDIFrameWnd::PreCreateWindow(cs))
        return FALSE;
    cs.style = LONG(kMainFrameStyle);
    return TRUE;
}

// The port is open only inside an operation; a frame going in the middle of one still leaves no
// port open. The device dialogs' windows go before the frame they belong to.
void CMainFrame::OnDestroy()
{
    CMDIFrameWnd::OnDestroy();
    m_session.ClosePort();
    for (CDialog* pDialog : std::initializer_list<CDialog*>{&m_dlgDeviceClock, &m_dlgSummerTime, &m_dlgWifiSetup,
                                                             &m_dlgRemoteWifi, &m_progressDlg}) {
        if (pDialog->GetSafeHwnd())
            pDialog->DestroyWindow();
    }
}

int CMainFrame::OnCreate(LPCREATESTRUCT lpCreateStruct)
{
    if (CMDIFrameWnd::OnCreate(lpCreateStruct) == -1)
        return -1;
    if (!CreateStatusBar() || !CreateToolBar() || !CreateInfoBar())
        return -1;
    EnableDocking(CBRS_ALIGN_ANY);
    m_wndToolBar.EnableDocking(CBRS_ALIGN_ANY);
    m_wndInfoBar.EnableDocking(CBRS_ALIGN_ANY);
    DockControlBar(&m_wndToolBar);
    DockControlBar(&m_wndInfoBar, AFX_IDW_DOCKBAR_BOTTOM);
    // Shown with the first open document.
    ShowControlBar(&m_wndInfoBar, FALSE, FALSE);
    // The program runs on without a palette rather than not at all.
    CreatePaletteBar();
    m_hAccelTable = &ShellAccelerators();
    m_nOpenDocuments = 0;
    // A simulated power interruption holds the bars and ends at a release over the log's frame.
    CSizingControlBarG::SetCloseLockQuery(&IsSimulationPowerOn);
    CInfoWindowBar::SetPowerReleaseHandler(&EndSimulationPowerFailure);
    return 0;
}

BOOL CMainFrame::CreateStatusBar()
{
    // Each pane is as wide as its string ("   Zoom:100%   " for the zoom pane).
    return m_wndStatusBar.Create(this, WS_CHILD | WS_VISIBLE | CBRS_BOTTOM, AFX_IDW_STATUS_BAR) &&
           m_wndStatusBar.SetIndicators(kIndicators, int(std::size(kIndicators)));
}

BOOL CMainFrame::CreateInfoBar()
{
    if (!m_wndInfoBar.Create(_T("Infomation Window"), this, CInfoWindowBar::kID, WS_CHILD | WS_VISIBLE | CBRS_TOP))
        return FALSE;
    m_wndInfoBar.SetBarStyle(m_wndInfoBar.GetBarStyle() | kInfoBarExtraStyle);
    return TRUE;
}

BOOL CMainFrame::CreateToolBar()
{
    if (!m_wndToolBar.CreateEx(this, TBSTYLE_FLAT, kToolBarStyle, CRect(0, 0, 0, 0), AFX_IDW_TOOLBAR) ||
        !m_wndToolBar.LoadToolBar(IDR_MAINFRAME))
        return FALSE;
    m_wndToolBar.SetExtendedStyle(TBSTYLE_EX_DRAWDDARROWS);
    const int nNew = m_wndToolBar.CommandToIndex(ID_FILE_NEW);
    if (nNew >= 0)
        m_wndToolBar.SetButtonStyle(nNew, m_wndToolBar.GetButtonStyle(nNew) | TBSTYLE_DROPDOWN);
    m_wndToolBar.SendMessage(TB_HIDEBUTTON, ID_PLC_RUNSTOP, TRUE);
    return TRUE;
}

BOOL CMainFrame::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    if (pHeader && int(pHeader->code) == TBN_DROPDOWN)
        ShowNewMenu(reinterpret_cast<const NMTOOLBAR*>(lParam)->rcButton);
    if (pHeader && int(pHeader->code) == TTN_NEEDTEXT) {
        auto* pInfo = reinterpret_cast<NMTTDISPINFO*>(lParam);
        *pResult = ToolTipText(UINT(pHeader->idFrom), pInfo->strText);
        return TRUE;
    }
    return CMDIFrameWnd::OnNotify(wParam, lParam, pResult);
}

void CMainFrame::ShowNewMenu(const RECT& rcButton)
{
    CRect rect(rcButton);
    m_wndToolBar.ClientToScreen(rect);
    CMenu menu;
    menu.CreatePopupMenu();
    menu.AppendMenu(MF_STRING, ID_FILE_NEW, NewMenuCaption(ID_FILE_NEW, _T("Function block diagram(FBD)")));
    menu.AppendMenu(MF_STRING, ID_FILE_NEW_LAD, NewMenuCaption(ID_FILE_NEW_LAD, _T("Ladder diagram(LAD)")));
    menu.TrackPopupMenu(TPM_LEFTALIGN | TPM_RIGHTBUTTON, rect.left, rect.bottom, this);
    menu.DestroyMenu();
}

void CMainFrame::OnViewInfoWindow()
{
    if (GetSafeHwnd())
        ShowControlBar(&m_wndInfoBar, !m_wndInfoBar.IsVisible(), FALSE);
    else
        m_headless.bInfoWindow = !m_headless.bInfoWindow;
}

BOOL CMainFrame::IsInfoWindowVisible() const
{
    return GetSafeHwnd() ? m_wndInfoBar.IsVisible() : m_headless.bInfoWindow;
}

void CMainFrame::OnUpdateViewInfoWindow(CCmdUI* pCmdUI)
{
    CMDIChildWnd* pChild = CMDIFrameWnd::MDIGetActive();
    pCmdUI->Enable(pChild && pChild->CFrameWnd::GetActiveView());
    pCmdUI->SetCheck(IsInfoWindowVisible());
}

void CMainFrame::OnUpdateAlwaysEnabled(CCmdUI* pCmdUI) { pCmdUI->Enable(TRUE); }

void CMainFrame::OnUpdateDisabled(CCmdUI* pCmdUI) { pCmdUI->Enable(FALSE); }

void CMainFrame::OnLanguage()
{
    CAIFilterDlg dlg(nullptr, this);
    dlg.m_nMode = AIFILTER_MODE_LANGUAGE;
    dlg.m_nLanguageChoice = m_nLanguage;
    if (dlg.DoModal() == IDOK)
        ApplyLanguageChoice(dlg.m_nLanguageChoice);
}

void CMainFrame::ApplyLanguageChoice(int nChoice)
{
    if (nChoice == m_nLanguage)
        return;
    CString strReason;
    if (!WriteLanguageSetting(GetSettingsFilePath(), nChoice, &strReason)) {
        AfxMessageBox(_T("The language setting could not be saved: ") + strReason, MB_ICONSTOP);
        return;
    }
    m_nLanguage = nChoice;
}

void CMainFrame::OnStatusControl()
{
    const CVetlaView* pView = GetActiveView();
    if (!pView || pView->EditMode() == EDIT_MODE_SIMULATE)
        return;
    m_nPropertiesStartPage = 1;
    SendMessage(WM_COMMAND, ID_FILE_PROPERTIES);
}

void CMainFrame::AddStatusBarControl()
{
    if (GetSafeHwnd()) {
        m_statusControls.Add(m_nPaneControlKind, m_nPaneIndex, g_wHardwareCode);
        return;
    }
    if (m_nPaneIndex < 0 || m_nPaneIndex > CStatusBarControls::kLastPaneIndex)
        return;
    if (m_nPaneControlKind == STATUS_CONTROL_BUTTON) {
        m_headless.bButton = TRUE;
    } else if (m_nPaneControlKind == STATUS_CONTROL_SERIES && !m_headless.bSeriesLabel) {
        GetHardwareSeries(g_wHardwareCode, &m_headless.strSeries, nullptr);
        m_headless.bSeriesLabel = TRUE;
    }
}

void CMainFrame::RemoveStatusBarControl(int nWhich)
{
    if (GetSafeHwnd()) {
        m_statusControls.Remove(nWhich);
        return;
    }
    if (nWhich == STATUS_REMOVE_BUTTON) {
        m_headless.bButton = FALSE;
    } else if (nWhich == STATUS_REMOVE_SERIES) {
        m_headless.bSeriesLabel = FALSE;
        m_headless.strSeries.Empty();
    }
}

BOOL CMainFrame::HasStatusButton() const
{
    return GetSafeHwnd() ? m_statusControls.GetButton() != nullptr : m_headless.bButton;
}

BOOL CMainFrame::HasSeriesLabel() const
{
    return GetSafeHwnd() ? m_statusControls.GetSeriesLabel() != nullptr : m_headless.bSeriesLabel;
}

void CMainFrame::SetSeriesText(const CString& strText)
{
    if (GetSafeHwnd())
        m_statusControls.SetSeriesText(strText);
    else if (m_headless.bSeriesLabel)
        m_headless.strSeries = strText;
}

CString CMainFrame::GetSeriesText() const
{
    if (!GetSafeHwnd())
        return m_headless.strSeries;
    CString strText;
    if (const CWnd* pLabel = m_statusControls.GetSeriesLabel())
        pLabel->GetWindowText(strText);
    return strText;
}
