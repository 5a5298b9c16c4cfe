// The transfer command dispatcher: WM_PLC_COMMAND runs one controller operation to its end on
// this thread. The port is opened before and closed after each operation; the exchanges wait in
// CBusyWait, so the windows repaint and the progress moves while user input and other posted
// messages wait. A second command that still reaches the frame (through the modal loop of a
// box or the password dialog) is held and posted again once the running one has ended, and the
// main window does not close under a running transfer.
#include "shell/MainFrame.h"

#include "blocks/SimTime.h"
#include "editor/DeviceCommands.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/BusyWait.h"
#include "protocol/PlcOperation.h"

static_assert(WM_PLC_COMMAND == WM_USER + 53);

namespace {

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

}  // namespace

void CMainFrame::OnDeviceCommand(UINT nID) { PostDeviceCommand(nID); }

void CMainFrame::OnClose()
{
    if (m_bTransferRunning) {
        // Closing would take the port and the documents away under the running operation.
        MessageBeep(MB_ICONEXCLAMATION);
        return;
    }
    CMDIFrameWnd::OnClose();
}

void CMainFrame::WaitLink(int nMs)
{
    const int nScaled = nMs / m_nLinkTimeScale;
    CBusyWait::RunElsewhere<int>([nScaled] {
        WaitMs(nScaled);
        return 0;
    });
}

LRESULT CMainFrame::OnTransferCommand(WPARAM wParam, LPARAM lParam)
{
    if (m_bTransferRunning) {
        m_deferredCommands.emplace_back(wParam, lParam);
        return 0;
    }
    m_bTransferRunning = TRUE;
    const int nOperation = int(wParam);
    m_nOperation = nOperation;
    if (IsDeviceSettingsOperation(nOperation))
        RunDeviceOperation(nOperation, UINT(lParam));
    else if (nOperation == PLC_OP_SHOW_PROGRESS)
        ShowToolDialog(6);
    // Run/Stop (the controller has no frame for it), the progress window's Ok and unknown codes
    // take no action.
    m_bTransferRunning = FALSE;
    for (const auto& [wDeferred, lDeferred] : std::exchange(m_deferredCommands, {}))
        PostMessage(WM_PLC_COMMAND, wDeferred, lDeferred);
    return 0;
}

BOOL CMainFrame::OpenPortForOperation()
{
    if (m_nComPort == 0)
        OnComConfig();
    return OpenConfiguredPort();
}

void CMainFrame::RunWithPort(const std::function<void()>& operation, int nWaitAfterMs)
{
    if (OpenPortForOperation()) {
        operation();
        CloseConfiguredPort();
    }
    WaitLink(nWaitAfterMs);
}
