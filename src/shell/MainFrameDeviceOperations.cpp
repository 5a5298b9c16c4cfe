// The dispatcher's device operations and the device tool dialogs it shows (CDeviceOperations),
// and the settings operation on the frame's device dialogs (CSettingsSession).
#include "controller/SettingsSession.h"
#include "shell/DeviceOperations.h"
#include "shell/MainFrame.h"

BOOL CMainFrame::RunDeviceOperation(int nOperation, UINT nMask) { return CDeviceOperations(*this).Run(nOperation, nMask); }

void CMainFrame::ShowDeviceDialog(ToolDialogKind kind) { CDeviceOperations(*this).ShowDialog(kind); }

int CMainFrame::SettingsSession(UINT nMask)
{
    const DeviceDialogs dialogs{m_dlgDeviceClock, m_dlgSummerTime, m_dlgWifiSetup, m_dlgRemoteWifi};
    return CSettingsSession(m_session, dialogs, nMask).Run();
}
