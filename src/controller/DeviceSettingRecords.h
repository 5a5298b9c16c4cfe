// The values the device dialogs edit and the byte layouts in which the settings operation sends
// them to the controller and reads them back: the clock and calibration records, the
// summer/winter-time record, the WiFi module's register block and the remote-control module's
// image. Pure functions over plain values, so that every layout is checked without a port or a
// window; each dialog holds its values by deriving from its struct.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <array>

// ---- clock and calibration ----
struct DeviceClockValues {
    int m_nYear = 0;
    int m_nMonth = 0;
    int m_nDay = 0;
    int m_nDayOfWeek = 0;  // 0 Sunday .. 6 Saturday
    int m_nHour = 0;
    int m_nMinute = 0;
    int m_nSecond = 0;
    int m_nCalibration = 0;  // seconds per week, signed
};

constexpr int CLOCK_RECORD_MAX = 14;
constexpr int CALIBRATION_RECORD_SIZE = 4;
constexpr int CLOCK_READ_SIZE = 12;

// The clock record in the form the model code asks for: 14 bytes with the day of week first
// from the newer generation on, 12 without it for 0x11..0x50, none at all for older models.
// Returns the length written into pOut (CLOCK_RECORD_MAX bytes).
int BuildClockRecord(const DeviceClockValues& values, BYTE byModel, BYTE* pOut);
// Registers 301..306 (12 bytes, each high byte first) into year .. second.
void DecodeClockRegisters(const BYTE* pData, DeviceClockValues& values);
// 0, sign, magnitude high, magnitude low.
void BuildCalibrationRecord(int nCalibration, BYTE* pOut);
// The 4 data bytes of registers 262..263: any nonzero sign byte makes the value negative.
int DecodeCalibration(const BYTE* pData);

// ---- summer/winter time ----
constexpr int DST_RULE_FREE = 6;
constexpr int DST_RULE_COUNT = 7;
constexpr int DST_RECORD_SIZE = 12;

struct SummerTimeValues {
    BOOL m_bActive = FALSE;
    int m_nEndDay = 1;
    int m_nEndMonth = 1;
    int m_nStartDay = 1;
    int m_nStartMonth = 1;
    int m_nTimeDiff = 0;  // minutes
    int m_nRule = 0;      // "EU" .. "Freely adjustable"
};

// The record the controller takes: the mode byte names the rule (1 free, rule + 2 otherwise,
// 0 off); the dates and the difference travel whatever the rule, since the controller ignores
// them for the fixed rules.
void BuildSummerTimeRecord(const SummerTimeValues& values, BYTE* pOut);
// The controller keeps each value in an even byte. Mode 0 leaves the rule as it was.
void DecodeSummerTimeRecord(const BYTE* pData, SummerTimeValues& values);

// ---- the WiFi module of the 'R' controllers ----
constexpr int WIFI_REGISTER_FIRST = 9160;
constexpr int WIFI_WRITE_REGISTERS = 113;
constexpr int WIFI_READ_REGISTERS = 119;
constexpr int WIFI_SSID_MAX = 32;
constexpr int WIFI_PASSWORD_MAX = 64;
constexpr UINT WIFI_LOCAL_PORT_DEFAULT = 502;
constexpr UINT WIFI_REMOTE_PORT_DEFAULT = 200;

struct WifiValues {
    int m_nDeviceMode = 0;  // 0 Server, 1 Station, 2 Groups, 3 Remote, 4 Slave
    BOOL m_bEncryption = FALSE;
    CString m_strSSID = _T("QXWIFI");
    CString m_strPassword = _T("63018452");
    int m_nChannel = 0;
    std::array<BYTE, 4> m_ip{192, 168, 1, 1};
    std::array<BYTE, 4> m_mask{255, 255, 255, 0};
    UINT m_nDeviceID = 0;
    UINT m_nLocalPort = WIFI_LOCAL_PORT_DEFAULT;
    UINT m_nRemotePort = WIFI_REMOTE_PORT_DEFAULT;
    int m_nAddressMode = 0;  // 0 DHCP, 1 fixed address
    int m_nTxPower = 0;
    CString m_strMac;
};

using WifiRegisters = std::array<WORD, WIFI_WRITE_REGISTERS>;
// Registers 9160..9272 as written; texts longer than their fields are cut to them.
WifiRegisters BuildWifiRegisters(const WifiValues& values);
// The 238 data bytes of registers 9160..9278 (each high byte first).
void DecodeWifiRegisters(const BYTE* pData, WifiValues& values);

// ---- the remote-control WiFi module ----
constexpr int REMOTE_IMAGE_SIZE = 148;
constexpr int REMOTE_IMAGE_REGISTERS = REMOTE_IMAGE_SIZE / 2;
constexpr int REMOTE_KEY_DIGITS_MAX = 6;
constexpr int REMOTE_SLEEP_COUNT = 6;

struct RemoteWifiValues {
    int m_nTxPower = 0;
    CString m_strMac;
    int m_nDeviceID = 1;
    CString m_strPassword = _T("63018452");
    CString m_strSSID = _T("QRWIFI");
    int m_nMode = 0;       // 0 "Standard", 1 "Simple"
    int m_nSleepMode = 0;  // "Disable", "30s" .. "10min"
    int m_nLedOffTime = 10;
    int m_nLedOnTime = 10;
    CString m_strKeyPassword = _T("415263");
    std::array<WORD, 6> m_wMac{};
};

using RemoteWifiImage = std::array<BYTE, REMOTE_IMAGE_SIZE>;
// Whether the key password is one the module can take: at most 6 digits, each 1..6 (an empty
// key is the end entry alone). Anything else would shift a bit out of its word.
bool IsValidKeyPassword(const CString& strKey);
// The image; FALSE (image zeroed) when the key password is not valid.
BOOL BuildRemoteImage(const RemoteWifiValues& values, RemoteWifiImage& image);
void DecodeRemoteImage(const RemoteWifiImage& image, RemoteWifiValues& values);
// Register k holds P[2k] as its low byte: the image in the wire order of its registers, and back.
void RemoteImageToWire(const RemoteWifiImage& image, BYTE* pWire);
void RemoteImageFromWire(const BYTE* pWire, RemoteWifiImage& image);
