// CMainFrame: the application's main window, an MDI frame with the menu bar, the toolbar of
// resource 128 (File New with its FBD/LAD drop-down, the Run/Stop button hidden), the status bar
// with its five panes and the two controls it hosts while documents are open, and the
// information window docked at the bottom, shown while documents are open, and the block palette
// "WorkBox" docked at the left, whose selections it keeps for the diagram view. As the observer of
// the documents it keeps their bookkeeping: the count of open documents and the type of the next
// new document.
//
// Without a window (the model's tests run the frame as a plain object) there are no bars: the
// frame is handed its active child frame directly and remembers what the documents asked of the
// bars (information window shown, status controls added, series text), so that the same calls
// keep their meaning.
#pragma once

#include "controller/ControllerSession.h"
#include "controller/ControllerSessionHost.h"
#include "controller/DeviceClockDlg.h"
#include "controller/DeviceOperations.h"
#include "controller/RemoteWifiDlg.h"
#include "controller/SettingMask.h"
#include "controller/SummerTimeDlg.h"
#include "controller/ToolDialogKind.h"
#include "controller/TransferProgressDlg.h"
#include "controller/WifiSetupDlg.h"
#include "document/DocumentObserver.h"
#include "editor/ActiveDiagram.h"
#include "editor/PaletteHost.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"
#include "platform/ui/DrawItem.h"
#include "platform/ui/ImageList.h"
#include "platform/ui/MDIFrameWnd.h"
#include "platform/ui/ToolBar.h"
#include "shell/CtrlStatusBar.h"
#include "shell/InfoWindowBar.h"
#include "shell/StatusBarControls.h"
#include "shell/WorkBoxBar.h"

#include <utility>
#include <vector>

class CChildFrame;
class CVetlaCoreRule;
class CVetlaDoc;

class CVetlaView;

// Status-bar control kinds of AddStatusBarControl and the which-argument of
// RemoveStatusBarControl.
constexpr int STATUS_CONTROL_BUTTON = CStatusBarControls::kButton;
constexpr int STATUS_CONTROL_SERIES = CStatusBarControls::kSeries;
constexpr int STATUS_REMOVE_BUTTON = CStatusBarControls::kRemoveButton;
constexpr int STATUS_REMOVE_SERIES = CStatusBarControls::kRemoveSeries;

class CMainFrame : public CMDIFrameWnd,
                   public IPaletteHost,
                   public IDocumentObserver,
                   public IDiagramFrame,
                   public IControllerSessionHost {
    DECLARE_DYNCREATE(CMainFrame)

public:
    // The palette bar's control id.
    static constexpr UINT kWorkBoxID = 101;

    // Reads the astronomical clock's user places from their file after the built-in ones.
    CMainFrame();
    // Writes the user places back (or deletes their file when there are none) and unregisters
    // the frame when it is the application's main window.
    ~CMainFrame() override;

    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // The active document frame; the one handed to MDIActivate while the frame has no window.
    CChildFrame* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    // The diagram view of the active child frame; null when there is none.
    CVetlaView* GetActiveView() const;
    CVetlaView* GetActiveDiagramView() const override { return GetActiveView(); }

    // Help Contents: the page of the inputs.
    void OnHelpContents();

    // Shows the information window when it is hidden and hides it when it shows.
    void OnViewInfoWindow();
    BOOL IsInfoWindowVisible() const;

    // Creates the control of kind m_nPaneControlKind at pane m_nPaneIndex unless it exists.
    void AddStatusBarControl();
    // 1 removes the button, 2 the series text, each with its own pane.
    void RemoveStatusBarControl(int nWhich);
    BOOL HasStatusButton() const;
    BOOL HasSeriesLabel() const;
    // The hardware series the status bar shows.
    void SetSeriesText(const CString& strText);

    // ---- the documents (MainFrameDocuments.cpp) ----
    // The first document shows the information window and the status bar's controls; a new
    // document takes the kind the frame was asked for (once) and "Show at new file".
    void OnDocumentCreated(CVetlaDoc& doc) override;
    // The last document hides them again.
    void OnDocumentDestroyed(CVetlaDoc& doc) override;
    void OnHardwareSeriesChanged(CVetlaDoc& doc) override;
    // The active view of the document takes its extent and message-text slots again.
    void OnContentsReloaded(CVetlaDoc& doc) override;
    CString GetSeriesText() const;

    // ---- Convert to FBD (MainFrameConvert.cpp) ----
    // The active ladder diagram converted into a new FBD document that opens in a window of its
    // own, without its Properties sheet; a conversion the program's limits refuse is shown and
    // opens nothing. Enabled while the active diagram is a ladder.
    void OnLadConvertToFbd();
    void OnUpdateLadConvertToFbd(CCmdUI* pCmdUI);

    // ---- File > Properties (MainFrameProperties.cpp) ----
    // The program settings of the active diagram in their sheet, first on the page that
    // m_nPropertiesStartPage asks for (once); OK writes what changed, marks the diagram
    // modified and takes an undo snapshot. Enabled while a diagram is active.
    void OnFileProperties();
    void OnUpdateFileProperties(CCmdUI* pCmdUI);

    // Appends the formatted text (complete lines ending in "\n") to the information window.
    template <class... Args>
    void LogMessage(LPCTSTR pszFormat, const Args&... args)
    {
        CString strText;
        strText.Format(pszFormat, args...);
        m_wndInfoBar.AppendLog(strText);
    }

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    // The palette's last selection and the colour its pages stand on.
    int GetPaletteFlag() const override { return m_nPaletteFlag; }
    int GetPaletteTypeCode() const override { return m_nPaletteTypeCode; }
    COLORREF GetPaletteBackground() const override { return m_crFrameBg; }

    CCtrlStatusBar m_wndStatusBar;
    // Declared after the bar it places its controls in.
    CStatusBarControls m_statusControls{m_wndStatusBar};
    // The page the next Properties command opens first: 0 the first, 1 the hardware page.
    int m_nPropertiesStartPage = 0;
    int m_nPaneIndex = 0;
    int m_nPaneControlKind = 0;
    int m_nOpenDocuments = 0;
    CInfoWindowBar m_wndInfoBar;
    // Kind of the next new document: 1 FBD, 2 LAD; the document constructor takes and resets it.
    int m_nNewDocType = 1;
    // The language of the next start: 1 Chinese, 0 English.
    int m_nLanguage = 0;
    CToolBar m_wndToolBar;
    // The background the user chose for the frame's own windows: the palette's pages.
    COLORREF m_crFrameBg = RGB(255, 255, 255);
    // The last WM_PALETTE_SELECT: lParam, the block type code (0 with a tab change), and wParam,
    // 1 when a block item was clicked and 0 when the palette's tab changed.
    int m_nPaletteTypeCode = 0;
    int m_nPaletteFlag = 0;
    // The palette bar once it is docked; null when it could not be made.
    CWorkBoxBar* m_pWorkBox = nullptr;
    CWorkBoxBar m_wndWorkBox;
    CImageList m_imlWorkBoxTabs;

    // ---- the controller session: what it shows (MainFrameTransfer.cpp) ----
    // The session on the controller link: its port, protocol object and transfers.
    CControllerSession& Session() { return m_session; }
    void LogText(const CString& strText) override { m_wndInfoBar.AppendLog(strText); }
    int AskPassword(BYTE* pBuffer) override;
    // The Communication Configuration dialog, preset with the configured port; OK keeps its
    // choice.
    void ConfigurePort() override;
    CVetlaDoc* ActiveDocument() const override;
    // The image decoded into a new document (MainFrameUpload.cpp).
    void OpenUploadedProgram(CVetlaCoreRule& codec) override;

    // ---- the device settings (CDeviceOperations, CSettingsSession) ----
    // The device tool dialogs, one each for the frame's whole life: their values are what the
    // settings operation writes and where it stores what it read.
    CDeviceClockDlg m_dlgDeviceClock;
    CSummerTimeDlg m_dlgSummerTime;
    CWifiSetupDlg m_dlgWifiSetup;
    CRemoteWifiDlg m_dlgRemoteWifi;

    // The Language command once the user has chosen: rewrites the settings file for nChoice
    // and, when that worked, makes it the language of the next start. A failed write keeps the
    // old choice and says why.
    void ApplyLanguageChoice(int nChoice);

    // ---- the smaller commands (MainFrameCommands.cpp) ----
    // The Esc, F3, F5, F9, F11 and Ctrl+F4 keys and Ctrl+U, D, N and O go to the diagram view
    // wherever the focus is; F1 alone opens nothing.
    BOOL PreTranslateMessage(MSG* pMsg) override;
    // The tip of a toolbar button: the tip part of its command string; FALSE for a command
    // without a string. The transfer buttons' tips also stand in the status bar's message pane.
    BOOL ToolTipText(UINT nID, CString& strText);
    // ---- the transfer operations: WM_PLC_COMMAND and what it runs (MainFrameTransfer.cpp,
    // MainFrameToolDialogs.cpp); the session runs the transfers, CDeviceOperations the device
    // settings and the I/O monitor ----
    // Runs the operation of wParam to its end: opens the configured port (asking for one first
    // when none is set), runs it, closes the port. A command posted meanwhile waits its turn.
    LRESULT OnTransferCommand(WPARAM wParam, LPARAM lParam);
    BOOL IsTransferRunning() const { return m_bTransferRunning; }
    // The password dialog (its characters' low bytes into pBuffer on OK), the device dialogs,
    // the progress window; ResultOne sets *pResult to 1.
    int ShowToolDialog(ToolDialogKind kind, int* pResult = nullptr, BYTE* pBuffer = nullptr);
    // Kind 2: the progress window (made when needed) at nPercent, gone from 100 on; -1 ends it.
    void SetProgress(int nKind, int nPercent) override;

    // The operation being run (SetProgress picks its caption by it).
    int m_nOperation = 0;
    CTransferProgressDlg m_progressDlg;

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    void OnDestroy() override;
    BOOL OnCommand(WPARAM wParam, LPARAM lParam) override;
    // During a simulation: coming back from the value popup or a property sheet closes the
    // popup; any other activation goes on to the view.
    void OnActivate(UINT nState, CWnd* pWndOther, BOOL bMinimized) override;
    // The value popup of a simulation, a window of its own, keeps to its block, or closes when
    // a smaller window leaves the block out of sight.
    void OnMove(int x, int y) override;
    void OnSize(UINT nType, int cx, int cy) override;
    // View > Outputs, Inputs and Simulation Bar: shown or hidden on the active diagram while it
    // simulates.
    void OnToggleOutputsBar();
    void OnToggleInputsBar();
    void OnToggleSimulationBar();
    void OnToggleSimBar(UINT nID);
    void OnUpdateSimBar(CCmdUI* pCmdUI);
    CControlBar* SimBarOf(UINT nID) const;
    // Options > Set Frame Window BGColor: the colour the palette's pages stand on.
    void OnFrameBgColor();
    void InvalidatePaletteTabs();
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
public:
    // The LCD grid of a message text's sheet or display takes the Edit menu's Copy, Cut, Paste
    // and Select All (and decides their states) while it has the focus; everything else goes
    // the usual way.
    BOOL OnCmdMsg(UINT nID, int nCode, void* pExtra, AFX_CMDHANDLERINFO* pHandlerInfo) override;
protected:
    void OnUpdateViewInfoWindow(CCmdUI* pCmdUI);
    void OnUpdateAlwaysEnabled(CCmdUI* pCmdUI);
    void OnUpdateDisabled(CCmdUI* pCmdUI);
    void OnLanguage();
    // The project's message-text settings in their dialog; a change marks the document modified.
    void OnMsgTextSettings();
    void OnUpdateMsgTextSettings(CCmdUI* pCmdUI);
    // A click on the status bar's button or series text: the Properties sheet on its hardware
    // page, unless the active view simulates.
    void OnStatusControl();
    // Cut, Copy, Paste and Delete of the diagram's context menu: the command's picture and its
    // caption, highlighted while selected, greyed while disabled and, whatever their state, while
    // the active diagram simulates (MainFrameEditItems.cpp).
    void OnDrawItem(int nIDCtl, LPDRAWITEMSTRUCT pItem);
    // Keeps the palette's selection and hands it to the active diagram view as ID_PALETTE_REFRESH;
    // returns what that command returned.
    LRESULT OnPaletteSelect(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // The active view's value popup follows its block.
    void PlaceValuePopup();
    BOOL CreateStatusBar();
    BOOL CreateToolBar();
    BOOL CreateInfoBar();
    // The palette "WorkBox" docked at the left: the tabs BSC, TMR, I/O and Misc, and Aux, Math
    // and Profile when g_wHardwareCode is of the newer generation. FALSE when the bar or one of
    // its pages could not be made.
    BOOL CreatePaletteBar();
    // The FBD/LAD menu under the File New button's arrow.
    void ShowNewMenu(const RECT& rcButton);
    BOOL IsActiveDocumentSimulating() const;

    // What the documents asked of the bars while the frame has no window.
    struct Headless {
        CChildFrame* pActiveChild = nullptr;
        BOOL bInfoWindow = FALSE;
        BOOL bButton = FALSE;
        BOOL bSeriesLabel = FALSE;
        CString strSeries;
    };
    Headless m_headless;

    CControllerSession m_session{*this};
    BOOL m_bTransferRunning = FALSE;
    // Commands that came while one ran, posted again at its end.
    std::vector<std::pair<WPARAM, LPARAM>> m_deferredCommands;
    // The device commands of the menus post their operation; closing waits for a transfer.
    void OnDeviceCommand(UINT nID);
    void OnClose() override;
    // PC->Device of the active diagram; a ladder through its converted FBD document.
    void RunDownloadCommand();
    // The device settings, WiFi and I/O-monitor operations on the session and the frame's
    // device dialogs.
    CDeviceOperations DeviceOperations();

    // The file the astronomical clock's places were read from: an earlier version's goes once
    // they are written into the settings folder.
    CString m_strAstroCitiesRead;
};

// The application's main window; null when there is none (headless runs without a frame). The
// main window is the documents' observer.
CMainFrame* AfxGetMainFrame();
void AfxSetMainFrame(CMainFrame* pFrame);
