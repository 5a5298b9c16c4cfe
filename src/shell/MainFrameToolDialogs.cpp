// The main frame's tool dialogs: the password dialog of the upload, the device dialogs and the
// transfer progress window, and SetProgress, the one way the operations report their progress.
#include "shell/MainFrame.h"

#include "controller/PasswordDlg.h"
#include "protocol/PlcOperation.h"

#include <algorithm>

namespace {

// When the window goes after a report.
enum class Closing { Never, Always, AtHundred, FromHundred };

// How SetProgress reports one kind: the caption kind it sends (by the running operation where
// it depends on it), whether it sends rather than posts, and when the window goes.
struct ProgressRow {
    int nKind;
    int (*pfnCaption)(int nOperation);
    bool bSend;
    bool bZeroPercent;  // wParam 0 whatever the percent
    Closing closing;
};

int CaptionZero(int) { return 0; }
int CaptionOne(int) { return 1; }
int CaptionNone(int) { return -1; }
int CaptionTransfer(int nOperation)
{
    if (nOperation == PLC_OP_UPLOAD)
        return PROGRESS_CAPTION_UPLOAD;
    if (nOperation == PLC_OP_DOWNLOAD || nOperation == PLC_OP_CLEAR_PROGRAM)
        return PROGRESS_CAPTION_DOWNLOAD;
    return PROGRESS_CAPTION_SETTINGS;
}
int CaptionThree(int nOperation)
{
    constexpr int kFactoryResetOperation = 48;
    return nOperation == kFactoryResetOperation ? 8 : nOperation == PLC_OP_DOWNLOAD ? 9 : 3;
}
int CaptionFour(int) { return 4; }
int CaptionFive(int) { return 5; }

constexpr ProgressRow kProgressRows[] = {
    {0, CaptionZero, false, false, Closing::Never},
    {6, CaptionZero, false, false, Closing::Never},
    {1, CaptionOne, false, true, Closing::Never},
    {-1, CaptionNone, false, true, Closing::Always},
    {2, CaptionTransfer, true, false, Closing::FromHundred},
    {3, CaptionThree, false, false, Closing::AtHundred},
    {4, CaptionFour, false, false, Closing::AtHundred},
    {5, CaptionFive, false, false, Closing::AtHundred},
};

bool ClosesAfter(Closing closing, int nPercent)
{
    constexpr int kComplete = 100;
    switch (closing) {
    case Closing::Always:
        return true;
    case Closing::AtHundred:
        return nPercent == kComplete;
    case Closing::FromHundred:
        return nPercent >= kComplete;
    default:
        return false;
    }
}

// The reports that bring the window up when it is not there.
bool CreatesWindow(int nKind, int nPercent)
{
    switch (nKind) {
    case 2:
    case 3:
        return nPercent >= 0 && nPercent <= 100;
    case 5:
        return nPercent >= 101 && nPercent <= 10000;
    case 6:
        return nPercent >= 2 && nPercent <= 30000;
    default:
        return false;
    }
}

}  // namespace

int CMainFrame::ShowToolDialog(ToolDialogKind kind, int* pResult, BYTE* pBuffer)
{
    switch (kind) {
    case ToolDialogKind::Idle1:
    case ToolDialogKind::Idle3:
    case ToolDialogKind::Idle9:
    case ToolDialogKind::Idle10:
    case ToolDialogKind::Idle12:
    case ToolDialogKind::Idle14:
        return 1;
    case ToolDialogKind::Password: {
        CPasswordDlg dlg(GetSafeHwnd() ? this : nullptr);
        const int nResult = int(dlg.DoModal());
        if (nResult == IDOK && pBuffer) {
            const int nLength = std::min(dlg.m_strPassword.GetLength(), CModBus::kPasswordLength);
            for (int i = 0; i < nLength; ++i)
                pBuffer[i] = BYTE(dlg.m_strPassword[i] & 0xFF);
        }
        return nResult;
    }
    case ToolDialogKind::DeviceClock:
    case ToolDialogKind::SummerTime:
    case ToolDialogKind::WifiSetup:
    case ToolDialogKind::RemoteWifiSetup:
        DeviceOperations().ShowDialog(kind);
        return -1;
    case ToolDialogKind::Progress:
        if (!m_progressDlg.GetSafeHwnd())
            m_progressDlg.Create();
        if (m_progressDlg.m_wndProgress.GetSafeHwnd())
            m_progressDlg.m_wndProgress.SetRange(0, 100);
        return -1;
    case ToolDialogKind::ResultOne:
        if (pResult)
            *pResult = 1;
        return 1;
    default:
        return -1;
    }
}

void CMainFrame::SetProgress(int nKind, int nPercent)
{
    if (CreatesWindow(nKind, nPercent) && !m_progressDlg.GetSafeHwnd())
        ShowToolDialog(ToolDialogKind::Progress);
    if (!m_progressDlg.GetSafeHwnd() || !m_progressDlg.m_wndProgress.GetSafeHwnd())
        return;
    const ProgressRow* pRow = nullptr;
    for (const ProgressRow& row : kProgressRows) {
        if (row.nKind == nKind)
            pRow = &row;
    }
    if (!pRow)
        return;
    const WPARAM wParam = WPARAM(pRow->bZeroPercent ? 0 : nPercent);
    const LPARAM lParam = LPARAM(pRow->pfnCaption(m_nOperation));
    if (pRow->bSend) {
        m_progressDlg.SendMessage(WM_TRANSFER_PROGRESS, wParam, lParam);
        // The operation holds this thread between its exchanges: the bar is drawn now.
        m_progressDlg.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    } else {
        m_progressDlg.PostMessage(WM_TRANSFER_PROGRESS, wParam, lParam);
    }
    if (ClosesAfter(pRow->closing, nPercent))
        m_progressDlg.DestroyWindow();
}
