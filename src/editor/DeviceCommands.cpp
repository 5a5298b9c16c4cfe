#include "editor/DeviceCommands.h"

#include "editor/CommandIds.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/Wnd.h"
#include "protocol/PlcOperation.h"

namespace {

constexpr struct {
    UINT nID;
    int nOperation;
} kDeviceCommands[] = {
    {ID_PLC_RUNSTOP, PLC_OP_RUNSTOP},
    {ID_PLC_DOWNLOAD, PLC_OP_DOWNLOAD},
    {ID_PLC_UPLOAD, PLC_OP_UPLOAD},
    {ID_PLC_CLEAR_PROGRAM, PLC_OP_CLEAR_PROGRAM},
    {ID_PLC_IO_STATUS, PLC_OP_IO_STATUS},
    {ID_PLC_WIFI_SETUP, PLC_OP_WIFI_SETUP},
    {ID_PLC_CLOCK, PLC_OP_CLOCK},
    {ID_PLC_SUMMER_TIME, PLC_OP_SUMMER_TIME},
    {ID_PLC_REMOTE_WIFI_SETUP, PLC_OP_REMOTE_WIFI_SETUP},
};

}  // namespace

int PlcOperationOfCommand(UINT nID)
{
    for (const auto& command : kDeviceCommands) {
        if (command.nID == nID)
            return command.nOperation;
    }
    return -1;
}

BOOL PostDeviceCommand(UINT nID)
{
    const int nOperation = PlcOperationOfCommand(nID);
    CWnd* pMain = AfxGetMainWnd();
    if (nOperation < 0 || !pMain)
        return FALSE;
    return pMain->PostMessage(WM_PLC_COMMAND, WPARAM(nOperation), 0);
}
