// The I/O status monitor; the device settings and WiFi operations are not built yet: each says
// so in the information window and reports failure, and their dialogs do not open.
#include "shell/MainFrame.h"

#include "protocol/PlcOperation.h"
#include "shell/MainFrameLink.h"

namespace {

LPCTSTR OperationName(int nOperation)
{
    switch (nOperation) {
    case PLC_OP_IO_STATUS:
        return _T("I/O Status");
    case PLC_OP_WIFI_SETUP:
        return _T("WiFi Setup");
    case PLC_OP_CLOCK:
        return _T("Clock Setting/Calibration");
    case PLC_OP_SUMMER_TIME:
        return _T("SummerTime/WinterTime");
    case PLC_OP_REMOTE_WIFI_SETUP:
        return _T("Remote Control WiFi Setup");
    case PLC_OP_REMOTE_WIFI_RESET:
        return _T("Remote Control WiFi Factory Reset");
    default:
        return _T("Device Setting");
    }
}

}  // namespace

BOOL CMainFrame::RunDeviceOperation(int nOperation, UINT /*nMask*/)
{
    // The monitor opens and closes its own port.
    if (nOperation == PLC_OP_IO_STATUS) {
        RunIOStatusMonitor(*this);
        return TRUE;
    }
    LogMessage(_T("%s not available yet\n"), OperationName(nOperation));
    return FALSE;
}

void CMainFrame::ShowDeviceDialog(int /*nKind*/) {}
