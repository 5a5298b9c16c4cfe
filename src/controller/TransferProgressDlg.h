// CTransferProgressDlg: the modeless "PC-->PLC" window (template 131) that shows the percentage
// of a running transfer. The main frame owns one for its whole life; its window exists from the
// first progress report of an operation to the operation's end. CMainFrame::SetProgress is the
// only sender of WM_TRANSFER_PROGRESS.
#pragma once

#include "platform/ui/Dialog.h"
#include "platform/ui/Msg.h"
#include "platform/ui/ProgressCtrl.h"

// wParam the percent (0..100), lParam the caption kind.
constexpr UINT WM_TRANSFER_PROGRESS = WM_USER + 200;

// Caption kinds: each picks the window title and the percentage line.
constexpr int PROGRESS_CAPTION_SETTINGS = 2;
constexpr int PROGRESS_CAPTION_UPLOAD = 6;
constexpr int PROGRESS_CAPTION_DOWNLOAD = 7;

class CTransferProgressDlg : public CDialog {
    DECLARE_DYNAMIC(CTransferProgressDlg)

public:
    enum { IDD = 131 };
    static constexpr UINT IDC_PROGRESS = 1001;
    static constexpr UINT IDC_TRANSFER_TEXT = 1204;
    static constexpr UINT IDC_PERCENT = 1127;
    static constexpr UINT IDS_DEVICE_TO_PC = 638;
    static constexpr UINT IDS_PC_TO_DEVICE = 639;

    explicit CTransferProgressDlg(CWnd* pParent = nullptr);

    // Makes the window from template 131 with no parent (it stays above whichever window is
    // active, as a tool window of the program).
    BOOL Create();

    // The caption kind of the last report; 0 before one came.
    int GetCaptionKind() const { return m_nCaptionKind; }

    CProgressCtrl m_wndProgress;

protected:
    BOOL OnInitDialog() override;
    void DoDataExchange(CDataExchange* pDX) override;
    // "Ok": tells the main window (which takes no action on it) and closes the window. While a
    // transfer runs the user's clicks wait for its end, so it never interrupts one.
    void OnCancel() override;
    LRESULT OnProgress(WPARAM wParam, LPARAM lParam);

    DECLARE_MESSAGE_MAP()

private:
    // Top-left at (screen width / 2 - 150, screen height / 2 - 60), size kept.
    void PlaceOnScreen();

    int m_nCaptionKind = 0;
};
