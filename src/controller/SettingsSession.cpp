#include "controller/SettingsSession.h"

#include "controller/ControllerSession.h"
#include "controller/DeviceClockDlg.h"
#include "controller/DeviceSettingRecords.h"
#include "controller/RemoteWifiDlg.h"
#include "controller/SummerTimeDlg.h"
#include "controller/WifiSetupDlg.h"

namespace {

constexpr BYTE kModelWifiController = 'R';
constexpr BYTE kModelRemoteWifi = '2';
constexpr int kInfoBuffer = 256;
constexpr int kAreaBuffer = 256;
constexpr int kFrameBuffer = 280;
constexpr int kEchoLength = 8;
// The clock frame's register field waits after the record in the data handed to WriteSetting.
constexpr int kClockRegisterOffset = 18;
// Where a read's data begin: after slave, function and count (function 3), or after slave,
// function, address and count (memory read).
constexpr int kRegisterData = 3;
constexpr int kMemoryData = 7;
// SetProgress kinds: the bar at a percentage, and the end of the progress window.
constexpr int kProgressBar = 2;
constexpr int kProgressEnd = -1;

}  // namespace

const CSettingsSession::Entry CSettingsSession::kOrder[] = {
    {SETTING_CLOCK_WRITE, &CSettingsSession::WriteClock},
    {SETTING_CALIB_WRITE, &CSettingsSession::WriteCalibration},
    {SETTING_WIFI_WRITE, &CSettingsSession::WriteWifi},
    {SETTING_DST_WRITE, &CSettingsSession::WriteSummerTime},
    {SETTING_REMOTE_WIFI_WRITE, &CSettingsSession::WriteRemoteWifi},
    {SETTING_CLOCK_READ, &CSettingsSession::ReadClock},
    {SETTING_CALIB_READ, &CSettingsSession::ReadCalibration},
    {SETTING_DST_READ, &CSettingsSession::ReadSummerTime},
    {SETTING_WIFI_READ, &CSettingsSession::ReadWifi},
    {SETTING_REMOTE_WIFI_READ, &CSettingsSession::ReadRemoteWifi},
};

// GCC 12's optimiser takes the call through a member pointer of the constant table, inlined into
// a temporary session, for a read of an uninitialised object; every member is initialised.
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#endif
int CSettingsSession::Run()
{
    for (const Entry& entry : kOrder) {
        if (m_nMask & entry.nBit)
            return (this->*entry.step)() ? SETTINGS_DONE : SETTINGS_FAILED;
    }
    return SETTINGS_DONE;
}
#if defined(__GNUC__) && !defined(__clang__)
#pragma GCC diagnostic pop
#endif

BOOL CSettingsSession::ReadModel(BYTE* pbyModel, BYTE* pbySecond)
{
    BYTE info[kInfoBuffer];
    DWORD dwError = 0;
    if (!m_session.ReadDeviceInfo(info, int(sizeof info), &dwError))
        return FALSE;
    *pbyModel = info[3];
    if (pbySecond)
        *pbySecond = info[4];
    return TRUE;
}

BOOL CSettingsSession::CheckModel(BYTE byExpected)
{
    BYTE byModel = 0;
    if (!ReadModel(&byModel))
        return FALSE;
    if (byModel == byExpected)
        return TRUE;
    m_session.LogMessage(_T("%s\n"), m_session.Protocol().GetResultText(PLC_RESULT_MACHINE_TYPE));
    return FALSE;
}

BOOL CSettingsSession::Exchange(const BYTE* pFrame, int nFrame, int nReplyLength, int nTimeoutMs)
{
    DWORD dwError = 0;
    if (nFrame == 0 || !m_session.SendFrame(pFrame, nFrame, &dwError))
        return FALSE;
    BYTE reply[kFrameBuffer];
    WORD wLength = WORD(nReplyLength);
    return m_session.ReceiveReply(reply, &wLength, &dwError, nTimeoutMs);
}

BOOL CSettingsSession::WriteClock()
{
    BYTE byModel = 0;
    BYTE bySecond = 0;
    if (!ReadModel(&byModel, &bySecond))
        return FALSE;
    BYTE data[kClockRegisterOffset + 2] = {};
    const int nLength = BuildClockRecord(m_dialogs.clock, byModel, data);
    data[kClockRegisterOffset] = byModel;
    data[kClockRegisterOffset + 1] = bySecond;
    DWORD dwError = 0;
    return m_session.WriteSetting(data, nLength, &dwError, SETTING_CLOCK_WRITE, m_nMask);
}

BOOL CSettingsSession::WriteCalibration()
{
    BYTE record[CALIBRATION_RECORD_SIZE];
    BuildCalibrationRecord(m_dialogs.clock.m_nCalibration, record);
    DWORD dwError = 0;
    return m_session.WriteSetting(record, CALIBRATION_RECORD_SIZE, &dwError, SETTING_CALIB_WRITE, m_nMask);
}

BOOL CSettingsSession::WriteSummerTimeRecord()
{
    BYTE record[DST_RECORD_SIZE];
    BuildSummerTimeRecord(m_dialogs.summerTime, record);
    DWORD dwError = 0;
    return m_session.WriteSetting(record, DST_RECORD_SIZE, &dwError, SETTING_DST_WRITE, m_nMask);
}

BOOL CSettingsSession::WriteSummerTime() { return WriteSummerTimeRecord(); }

BOOL CSettingsSession::WriteWifi()
{
    if (!CheckModel(kModelWifiController))
        return FALSE;
    const WifiRegisters regs = BuildWifiRegisters(m_dialogs.wifiSetup);
    for (std::size_t k = 0; k < regs.size(); ++k) {
        const BYTE value[2] = {BYTE(regs[k] >> 8), BYTE(regs[k] & 0xFF)};
        BYTE frame[kFrameBuffer];
        const int nFrame = m_session.Protocol().BuildWriteSingle(WORD(WIFI_REGISTER_FIRST + int(k)), value, frame,
                                                             FC_WRITE_SINGLE_REGISTER);
        if (!Exchange(frame, nFrame, kEchoLength, REPLY_TIMEOUT_MS))
            return FALSE;
    }
    // The module takes its clock rule with its settings: the rule the WiFi read brought in.
    return WriteSummerTimeRecord();
}

BOOL CSettingsSession::WriteRemoteWifi()
{
    if (!CheckModel(kModelRemoteWifi))
        return FALSE;
    RemoteWifiImage image;
    if (!BuildRemoteImage(m_dialogs.remoteWifi, image)) {
        m_session.LogMessage(_T("Every character must be 1 - 6\n"));
        return FALSE;
    }
    BYTE wire[REMOTE_IMAGE_SIZE];
    RemoteImageToWire(image, wire);
    BYTE frame[kFrameBuffer];
    const int nFrame =
        m_session.Protocol().BuildWriteMultiple(0, REMOTE_IMAGE_REGISTERS, wire, frame, FC_WRITE_MULTIPLE_REGISTERS);
    // The module takes its time over the image: the progress window shows the wait.
    m_session.Host().SetProgress(kProgressBar, 0);
    const BOOL bWritten = Exchange(frame, nFrame, kEchoLength, REMOTE_MODULE_TIMEOUT_MS);
    if (bWritten)
        m_session.Host().SetProgress(kProgressBar, 100);
    m_session.Host().SetProgress(kProgressEnd, 0);
    return bWritten;
}

BOOL CSettingsSession::ReadClock()
{
    BYTE reply[kAreaBuffer];
    DWORD dwError = 0;
    if (!m_session.ReadArea(reply, kAreaBuffer, CLOCK_READ_SIZE, &dwError, SETTING_CLOCK_READ))
        return FALSE;
    DecodeClockRegisters(reply + kRegisterData, m_dialogs.clock);
    m_dialogs.clock.ShowReadClock();
    return TRUE;
}

BOOL CSettingsSession::ReadCalibration()
{
    BYTE reply[kAreaBuffer];
    DWORD dwError = 0;
    if (!m_session.ReadArea(reply, kAreaBuffer, CALIBRATION_RECORD_SIZE, &dwError, SETTING_CALIB_READ))
        return FALSE;
    m_dialogs.clock.m_nCalibration = DecodeCalibration(reply + kRegisterData);
    m_dialogs.clock.RefreshFields();
    return TRUE;
}

BOOL CSettingsSession::ReadSummerTime()
{
    BYTE reply[kAreaBuffer];
    DWORD dwError = 0;
    if (!m_session.ReadArea(reply, kAreaBuffer, DST_RECORD_SIZE, &dwError, SETTING_DST_READ))
        return FALSE;
    DecodeSummerTimeRecord(reply + kMemoryData, m_dialogs.summerTime);
    return TRUE;
}

BOOL CSettingsSession::ReadWifi()
{
    if (!CheckModel(kModelWifiController) || !ReadSummerTime())
        return FALSE;
    BYTE reply[kAreaBuffer];
    DWORD dwError = 0;
    if (!m_session.ReadArea(reply, kAreaBuffer, 2 * WIFI_READ_REGISTERS, &dwError, SETTING_WIFI_READ))
        return FALSE;
    DecodeWifiRegisters(reply + kRegisterData, m_dialogs.wifiSetup);
    return TRUE;
}

BOOL CSettingsSession::ReadRemoteWifi()
{
    if (!CheckModel(kModelRemoteWifi))
        return FALSE;
    BYTE reply[kAreaBuffer];
    DWORD dwError = 0;
    if (!m_session.ReadArea(reply, kAreaBuffer, REMOTE_IMAGE_SIZE, &dwError, SETTING_REMOTE_WIFI_READ))
        return FALSE;
    RemoteWifiImage image;
    RemoteImageFromWire(reply + kRegisterData, image);
    DecodeRemoteImage(image, m_dialogs.remoteWifi);
    return TRUE;
}
