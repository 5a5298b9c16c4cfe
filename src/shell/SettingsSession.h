// CSettingsSession: one run of the main frame's settings operation over the open port. It
// performs exactly one settings read or write, the first bit of the mask in the order below,
// taking the values from the main frame's device dialog objects or storing what it read into
// them. Every failure ends the run at once: nothing is retried and no frame follows the one
// that failed. Replies are taken apart only after their length and CRC were checked.
#pragma once

#include "controller/SettingMask.h"
#include "platform/core/Types.h"

class CMainFrame;

class CSettingsSession {
public:
    CSettingsSession(CMainFrame& frame, UINT nMask) : m_frame(frame), m_nMask(nMask) {}

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

    CMainFrame& m_frame;
    UINT m_nMask;
};
