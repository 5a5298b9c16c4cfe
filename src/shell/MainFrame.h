// CMainFrame: the application's main window. Until the window layer gives it a window it is a
// plain object holding the document bookkeeping the model relies on: the count of open
// documents, the type of the next new document, whether the information window shows, and the
// two status-bar controls as data (whether each exists and the series text shown). It reaches
// the active diagram view through its active child frame.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

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

class CMainFrame {
public:
    CMainFrame() = default;
    // Unregisters the frame when it is the application's main window.
    ~CMainFrame();

    CMainFrame(const CMainFrame&) = delete;
    CMainFrame& operator=(const CMainFrame&) = delete;

    CChildFrame* MDIGetActive() const { return m_pActiveChild; }
    void MDIActivate(CChildFrame* pChild) { m_pActiveChild = pChild; }
    // The view of the active child frame; null when there is none.
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

    int m_nPaneIndex = 0;
    int m_nPaneControlKind = 0;
    int m_nOpenDocuments = 0;
    // Kind of the next new document: 1 FBD, 2 LAD; the document constructor takes and resets it.
    int m_nNewDocType = 1;

private:
    CChildFrame* m_pActiveChild = nullptr;
    BOOL m_bInfoWindowVisible = FALSE;
    BOOL m_bStatusButton = FALSE;
    BOOL m_bSeriesLabel = FALSE;
    CString m_strSeriesText;
};

// The application's main window; null when there is none (headless runs without a frame).
CMainFrame* AfxGetMainFrame();
void AfxSetMainFrame(CMainFrame* pFrame);
