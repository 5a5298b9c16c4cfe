// The request to the main window to run one controller operation: WM_PLC_COMMAND with the
// operation code in wParam and, for the settings operation, the setting mask in lParam. The
// view's device commands, the main frame's menu and the device dialogs' buttons post it; the
// main frame runs the operation to its end, one at a time.
#pragma once

#include "platform/core/Types.h"

// WM_USER + 53; the model knows no window messages, so the value is spelt out here and checked
// against the window layer where the main frame handles it.
constexpr UINT WM_PLC_COMMAND = 0x0400 + 53;

enum PlcOperation : int {
    PLC_OP_RUNSTOP = 3,
    PLC_OP_DOWNLOAD = 5,
    PLC_OP_UPLOAD = 6,
    PLC_OP_CLEAR_PROGRAM = 12,
    PLC_OP_IO_STATUS = 13,
    PLC_OP_WIFI_SETUP = 14,
    PLC_OP_CLOCK = 18,
    PLC_OP_SUMMER_TIME = 19,
    PLC_OP_WRITE_SETTINGS = 23,
    PLC_OP_REMOTE_WIFI_SETUP = 26,
    PLC_OP_REMOTE_WIFI_RESET = 27,
    PLC_OP_SHOW_PROGRESS = 32,
    PLC_OP_CANCEL = 85,
};

// lParam of PLC_OP_WRITE_SETTINGS: which settings are written or read.
enum SettingMask : UINT {
    SETTING_CLOCK_WRITE = 0x001,
    SETTING_CLOCK_READ = 0x002,
    SETTING_DST_WRITE = 0x004,
    SETTING_DST_READ = 0x008,
    SETTING_CALIB_WRITE = 0x010,
    SETTING_CALIB_READ = 0x020,
    SETTING_WIFI_WRITE = 0x040,
    SETTING_WIFI_READ = 0x080,
    SETTING_REMOTE_WIFI_WRITE = 0x100,
    SETTING_REMOTE_WIFI_READ = 0x200,
};
