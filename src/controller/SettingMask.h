// The settings operation's mask: one bit per settings read or write that a device dialog asks
// the main frame for. A call performs only the first set bit in the operation's own order, so
// a dialog posts one bit at a time.
#pragma once

#include "platform/core/Types.h"

using SettingMask = UINT;

constexpr SettingMask SETTING_CLOCK_WRITE = 0x001;
constexpr SettingMask SETTING_CLOCK_READ = 0x002;
constexpr SettingMask SETTING_DST_WRITE = 0x004;
constexpr SettingMask SETTING_DST_READ = 0x008;
constexpr SettingMask SETTING_CALIB_WRITE = 0x010;
constexpr SettingMask SETTING_CALIB_READ = 0x020;
constexpr SettingMask SETTING_WIFI_WRITE = 0x040;
constexpr SettingMask SETTING_WIFI_READ = 0x080;
constexpr SettingMask SETTING_REMOTE_WIFI_WRITE = 0x100;
constexpr SettingMask SETTING_REMOTE_WIFI_READ = 0x200;

// What the settings operation returns.
constexpr int SETTINGS_FAILED = 0;
constexpr int SETTINGS_DONE = 2;

// Posts the settings request with one mask bit to the application's main window, where the
// transfer dispatcher runs it once the dialog's handler has returned.
void PostSettingsRequest(SettingMask nMask);
// Sends (not posts) the factory reset of the remote-control WiFi module to the main window:
// the caller's button handler waits until the reset has ended.
void SendRemoteWifiReset();
