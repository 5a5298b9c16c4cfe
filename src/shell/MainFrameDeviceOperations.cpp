// The dispatcher's device operations and the device tool dialogs it shows (CDeviceOperations).
#include "shell/DeviceOperations.h"
#include "shell/MainFrame.h"

BOOL CMainFrame::RunDeviceOperation(int nOperation, UINT nMask) { return CDeviceOperations(*this).Run(nOperation, nMask); }

void CMainFrame::ShowDeviceDialog(ToolDialogKind kind) { CDeviceOperations(*this).ShowDialog(kind); }
