// The device commands of the menus, the toolbar and the view: each posts WM_PLC_COMMAND with
// its operation to the main window, which runs the operation (one at a time).
#pragma once

#include "platform/core/Types.h"

// The operation of a device command; -1 for a command that is none.
int PlcOperationOfCommand(UINT nID);
// Posts the command's operation to the main window; FALSE when there is none or no window.
BOOL PostDeviceCommand(UINT nID);
