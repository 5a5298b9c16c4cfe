// The settings operation's requests from the device dialogs: one SettingMask bit at a time
// (protocol/PlcOperation.h), since a call performs only the first set bit in the operation's
// own order.
#pragma once

#include "platform/core/Types.h"
#include "protocol/PlcOperation.h"

// What the settings operation returns.
constexpr int SETTINGS_FAILED = 0;
constexpr int SETTINGS_DONE = 2;

// Posts the settings request with one mask bit to the application's main window, where the
// transfer dispatcher runs it once the dialog's handler has returned.
void PostSettingsRequest(UINT nMask);
// Sends (not posts) the factory reset of the remote-control WiFi module to the main window:
// the caller's button handler waits until the reset has ended.
void SendRemoteWifiReset();
