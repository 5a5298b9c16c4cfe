// The transfer command dispatcher: WM_PLC_COMMAND runs one controller operation to its end on
// this thread. The port is opened before and closed after each operation; the exchanges wait in
// CBusyWait, so the windows repaint and the progress moves while user input and other posted
// messages wait. A second command that still reaches the frame (through the modal loop of a
// box or the password dialog) is held and posted again once the running one has ended, and the
// main window does not close under a running transfer.
#include "shell/MainFrame.h"

#include "document/VetlaDoc.h"
#include "editor/DeviceCommands.h"
#include "editor/VetlaView.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/FrameIds.h"
#include "protocol/PlcOperation.h"
#include "shell/ComConfigDlg.h"
#include "shell/Resource.h"

static_assert(WM_PLC_COMMAND == WM_USER + 53);

namespace {

// After a download the controller restarts its program; the next command waits for it.
constexpr int kAfterDownloadMs = 1000;
constexpr int kAfterUploadMs = 100;

bool IsDeviceSettingsOperation(int nOperation)
{
    switch (nOperation) {
    case PLC_OP_IO_STATUS:
    case PLC_OP_WIFI_SETUP:
    case PLC_OP_CLOCK:
    case PLC_OP_SUMMER_TIME:
    case PLC_OP_WRITE_SETTINGS:
    case PLC_OP_REMOTE_WIFI_SETUP:
    case PLC_OP_REMOTE_WIFI_RESET:
        return true;
    default:
        return false;
    }
}

CVetlaDoc* DocumentOf(const CVetlaView* pView) { return pView ? pView->GetDocument() : nullptr; }

}  // namespace

void CMainFrame::OnDeviceCommand(UINT nID) { PostDeviceCommand(nID); }

void CMainFrame::OnClose()
{
    if (m_bTransferRunning) {
        // Closing would take the port and the documents away under the running operation.
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    // A move still held in the diagram (the window manager's close key comes while the button
    // drags) is a change the save question must know of.
    if (CVetlaView* pView = GetActiveView())
        pView->EndDrag();
    CMDIFrameWnd::OnClose();
}

int CMainFrame::AskPassword(BYTE* pBuffer) { return ShowToolDialog(ToolDialogKind::Password, nullptr, pBuffer); }

void CMainFrame::ConfigurePort()
{
    CComConfigDlg dlg(this);
    dlg.m_nPort = m_session.GetPortNumber();
    if (dlg.DoModal() == IDOK)
        m_session.SetPortNumber(dlg.m_nPort);
}

CVetlaDoc* CMainFrame::ActiveDocument() const { return DocumentOf(GetActiveView()); }

CDeviceOperations CMainFrame::DeviceOperations()
{
    return CDeviceOperations(m_session, {m_dlgDeviceClock, m_dlgSummerTime, m_dlgWifiSetup, m_dlgRemoteWifi}, this);
}

LRESULT CMainFrame::OnTransferCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_bTransferRunning) {
        m_deferredCommands.emplace_back(wParam, lParam);
        return 0;
    }
    // However the operation ends (an exception included), the next command may run and the
    // ones held meanwhile are posted again.
    struct Running {
        CMainFrame& frame;
        explicit Running(CMainFrame& f) : frame(f) { frame.m_bTransferRunning = TRUE; }
        ~Running()
        {
            frame.m_bTransferRunning = FALSE;
            for (const auto& [wDeferred, lDeferred] : std::exchange(frame.m_deferredCommands, {}))
                frame.PostMessage(WM_PLC_COMMAND, wDeferred, lDeferred);
        }
    } running(*this);
    const int nOperation = int(wParam);
    m_nOperation = nOperation;
    if (nOperation == PLC_OP_DOWNLOAD)
        RunDownloadCommand();
    else if (nOperation == PLC_OP_UPLOAD)
        m_session.RunWithPort([this] { m_session.Upload(); }, kAfterUploadMs);
    else if (nOperation == PLC_OP_CLEAR_PROGRAM)
        m_session.RunWithPort([this] { m_session.Clear(); }, 0);
    else if (IsDeviceSettingsOperation(nOperation))
        DeviceOperations().Run(nOperation, UINT(lParam));
    else if (nOperation == PLC_OP_SHOW_PROGRESS)
        ShowToolDialog(ToolDialogKind::Progress);
    // Run/Stop (the controller has no frame for it), the progress window's Ok and unknown codes
    // take no action.
    return 0;
}

void CMainFrame::RunDownloadCommand()
{
    CVetlaDoc* pDoc = DocumentOf(GetActiveView());
    const BOOL bLadder = pDoc && pDoc->IsLadder();
    if (bLadder) {
        if (!CControllerSession::CheckProgramForDownload(pDoc))
            return;
        // The ladder goes down as the FBD diagram it converts into, in a document of its own.
        SendMessage(WM_COMMAND, ID_FILE_LAD_TO_FBD);
        CVetlaDoc* pConverted = DocumentOf(GetActiveView());
        if (!pConverted || pConverted == pDoc || pConverted->IsLadder())
            return;
        pDoc = pConverted;
    }
    if (!pDoc)
        return;
    if (CControllerSession::CheckProgramForDownload(pDoc))
        m_session.RunWithPort([this, pDoc] { m_session.Download(*pDoc); }, kAfterDownloadMs);
    if (bLadder && DocumentOf(GetActiveView()) == pDoc) {
        // The converted document was only the vehicle of the download: it goes unasked.
        pDoc->SetModifiedFlag(FALSE);
        SendMessage(WM_COMMAND, ID_FILE_CLOSE);
    }
}
