// CSettingsSession: one run of the settings operation over the controller session's open port.
// It performs exactly one settings read or write, the first bit of the mask in the order below,
// taking the values from the device dialog objects or storing what it read into them. Every failure ends the run at once: nothing is retried and no frame follows the one
// that failed. Replies are taken apart only after their length and CRC were checked.
#pragma once

#include "controller/SettingMask.h"
#include "platform/core/Types.h"

class CControllerSession;
class CDeviceClockDlg;
class CRemoteWifiDlg;
class CSummerTimeDlg;
class CWifiSetupDlg;

// The device tool dialogs whose values the settings operation writes and reads into; their
// owner keeps them for its whole life.
struct DeviceDialogs {
    CDeviceClockDlg& clock;
    CSummerTimeDlg& summerTime;
    CWifiSetupDlg& wifiSetup;
    CRemoteWifiDlg& remoteWifi;
};

class CSettingsSession {
public:
    CSettingsSession(CControllerSession& session, const DeviceDialogs& dialogs, UINT nMask)
        : m_session(session), m_dialogs(dialogs), m_nMask(nMask)
    {
    }

    // SETTINGS_DONE or SETTINGS_FAILED; SETTINGS_DONE without traffic for a mask of no known
    // bit.
    int Run();

private:
    // The step of each bit, in the order in which one call picks the first set bit.
    using Step = BOOL (CSettingsSession::*)();
    struct Entry {
        UINT nBit;
        Step step;
    };
    static const Entry kOrder[];

    BOOL WriteClock();
    BOOL WriteCalibration();
    BOOL WriteWifi();
    BOOL WriteSummerTime();
    BOOL WriteRemoteWifi();
    BOOL ReadClock();
    BOOL ReadCalibration();
    BOOL ReadSummerTime();
    BOOL ReadWifi();
    BOOL ReadRemoteWifi();

    // The identification reply's model code and second byte; FALSE when the read failed.
    BOOL ReadModel(BYTE* pbyModel, BYTE* pbySecond = nullptr);
    // The WiFi operations talk to one kind of module only: anything else is refused before a
    // frame is sent to it.
    BOOL CheckModel(BYTE byExpected);
    BOOL WriteSummerTimeRecord();
    // One request and its reply of nReplyLength bytes within the time-out; the reply's content
    // is the caller's.
    BOOL Exchange(const BYTE* pFrame, int nFrame, int nReplyLength, int nTimeoutMs);

    CControllerSession& m_session;
    DeviceDialogs m_dialogs;
    UINT m_nMask;
};
