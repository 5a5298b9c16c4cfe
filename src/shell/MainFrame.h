// CMainFrame: the application's main window, an MDI frame with the menu bar, the toolbar of
// resource 128 (File New with its FBD/LAD drop-down, the Run/Stop button hidden) and the status
// bar with its five panes. It keeps the document bookkeeping the model relies on: the count of
// open documents, the type of the next new document, whether the information window shows, and
// the two status-bar controls (whether each exists and the series text shown). Without a window
// (headless runs and tests) it is a plain object that is handed its active child frame directly.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"
#include "platform/ui/MDIFrameWnd.h"
#include "platform/ui/StatusBar.h"
#include "platform/ui/ToolBar.h"

class CChildFrame;
class CVetlaView;

// Status-bar control kinds of AddStatusBarControl and the which-argument of
// RemoveStatusBarControl.
constexpr int STATUS_CONTROL_BUTTON = 4;
constexpr int STATUS_CONTROL_SERIES = 6;
constexpr int STATUS_REMOVE_BUTTON = 1;
constexpr int STATUS_REMOVE_SERIES = 2;
// Controls go into panes 0 .. STATUS_PANE_LAST.
constexpr int STATUS_PANE_LAST = 20;

class CMainFrame : public CMDIFrameWnd {
    DECLARE_DYNCREATE(CMainFrame)

public:
    CMainFrame();
    // Unregisters the frame when it is the application's main window.
    ~CMainFrame() override;

    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    // The active document frame; the one handed to MDIActivate while the frame has no window.
    CChildFrame* MDIGetActive(BOOL* pbMaximized = nullptr) const;
    void MDIActivate(CWnd* pWndActivate);
    // The diagram view of the active child frame; null when there is none.
    CVetlaView* GetActiveView() const;

    // Shows the information window when it is hidden and hides it when it shows.
    void OnViewInfoWindow();
    BOOL IsInfoWindowVisible() const { return m_bInfoWindowVisible; }

    // Creates the control of kind m_nPaneControlKind at pane m_nPaneIndex unless it exists.
    void AddStatusBarControl();
    // 1 removes the button, 2 the series text.
    void RemoveStatusBarControl(int nWhich);
    BOOL HasStatusButton() const { return m_bStatusButton; }
    BOOL HasSeriesLabel() const { return m_bSeriesLabel; }
    // The hardware series the status bar shows.
    void SetSeriesText(const CString& strText);
    const CString& GetSeriesText() const { return m_strSeriesText; }

    BOOL PreCreateWindow(CREATESTRUCT& cs) override;

    CStatusBar m_wndStatusBar;
    CToolBar m_wndToolBar;
    int m_nPaneIndex = 0;
    int m_nPaneControlKind = 0;
    int m_nOpenDocuments = 0;
    // Kind of the next new document: 1 FBD, 2 LAD; the document constructor takes and resets it.
    int m_nNewDocType = 1;
    // The language of the next start: 1 Chinese, 0 English.
    int m_nLanguage = 0;

    // The Language command once the user has chosen: rewrites the settings file for nChoice
    // and, when that worked, makes it the language of the next start. A failed write keeps the
    // old choice and says why.
    void ApplyLanguageChoice(int nChoice);

protected:
    int OnCreate(LPCREATESTRUCT lpCreateStruct) override;
    BOOL OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult) override;
    void OnUpdateViewInfoWindow(CCmdUI* pCmdUI);
    void OnUpdateAlwaysEnabled(CCmdUI* pCmdUI);
    void OnUpdateDisabled(CCmdUI* pCmdUI);
    void OnLanguage();

    DECLARE_MESSAGE_MAP()

private:
    BOOL CreateStatusBar();
    BOOL CreateToolBar();
    // The FBD/LAD menu under the File New button's arrow.
    void ShowNewMenu(const RECT& rcButton);

    CChildFrame* m_pHeadlessChild = nullptr;
    BOOL m_bInfoWindowVisible = FALSE;
    BOOL m_bStatusButton = FALSE;
    BOOL m_bSeriesLabel = FALSE;
    CString m_strSeriesText;
};

// The application's main window; null when there is none (headless runs without a frame).
CMainFrame* AfxGetMainFrame();
void AfxSetMainFrame(CMainFrame* pFrame);
