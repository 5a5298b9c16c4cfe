// The settings operation against a simulated controller on a pseudo-terminal: the golden
// frames of every write, the values every read stores in the device dialogs, the selection of
// one bit, the model gate of the WiFi modules and the failures that stop a run at once. The
// session and the dialogs' objects work without a window.
#include "controller/SettingsSession.h"

#include "SessionOnSimulatedLine.h"
#include "controller/DeviceClockDlg.h"
#include "controller/RemoteWifiDlg.h"
#include "controller/SummerTimeDlg.h"
#include "controller/WifiSetupDlg.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;
using Fault = SimulatedController::Fault;

Bytes WithCrc(Bytes bytes)
{
    SimulatedController::AppendCrc(bytes);
    return bytes;
}

class SettingsSessionTest : public SessionOnSimulatedLine {
protected:
    void Connect(SimulatedController& controller)
    {
        SessionOnSimulatedLine::Connect(controller);
        MarkLog();
    }
    // One run of the settings operation on the dialogs' objects.
    int Settings(UINT nMask)
    {
        return CSettingsSession(m_session, {m_clock, m_summerTime, m_wifiSetup, m_remoteWifi}, nMask).Run();
    }
    // The function codes of the requests the controller received.
    static std::vector<int> FunctionCodes(SimulatedController& controller)
    {
        std::vector<int> codes;
        for (const Bytes& request : controller.Requests())
            codes.push_back(request[1]);
        return codes;
    }

    CDeviceClockDlg m_clock;
    CSummerTimeDlg m_summerTime;
    CWifiSetupDlg m_wifiSetup;
    CRemoteWifiDlg m_remoteWifi;
};

TEST_F(SettingsSessionTest, ClockWriteTakesTheFormOfTheModel)
{
    struct Case {
        WORD wHardware;
        Bytes record;
    };
    const Bytes twelve = {0x07, 0xEA, 0, 12, 0, 7, 0, 16, 0, 5, 0, 9};
    Bytes fourteen = {0, 1};
    fourteen.insert(fourteen.end(), twelve.begin(), twelve.end());
    for (const Case& c : {Case{0x5188, fourteen}, Case{0x2188, twelve}, Case{0x1088, {}}}) {
        SimulatedController controller(c.wHardware);
        Connect(controller);
        static_cast<DeviceClockValues&>(m_clock) = {.m_nYear = 2026, .m_nMonth = 12, .m_nDay = 7, .m_nDayOfWeek = 1,
                                                    .m_nHour = 16, .m_nMinute = 5, .m_nSecond = 9};
        EXPECT_EQ(Settings(SETTING_CLOCK_WRITE), SETTINGS_DONE);
        const auto requests = controller.Requests();
        ASSERT_EQ(requests.size(), 2u);
        Bytes expected = {0x00, 0xDC, BYTE(c.wHardware >> 8), 0x88, 0x00, BYTE(c.record.size() / 2), BYTE(c.record.size())};
        expected.insert(expected.end(), c.record.begin(), c.record.end());
        EXPECT_EQ(requests[1], WithCrc(expected)) << std::hex << c.wHardware;
        EXPECT_EQ(NewLogLines(), std::vector<std::string>{"Clock Setting Starts..."});
        m_session.ClosePort();
    }
}

TEST_F(SettingsSessionTest, OneCallPerformsOnlyTheFirstBit)
{
    SimulatedController controller(0x2188);
    Connect(controller);
    // Clock write before calibration write; no known bit: nothing at all.
    EXPECT_EQ(Settings(SETTING_CALIB_WRITE | SETTING_CLOCK_WRITE), SETTINGS_DONE);
    EXPECT_EQ(FunctionCodes(controller), (std::vector<int>{FC_READ_HOLDING_REGISTERS, FC_SET_CLOCK}));
    EXPECT_EQ(Settings(0x400 | 0x80000000), SETTINGS_DONE);
    EXPECT_EQ(controller.Requests().size(), 2u);
    // The summer/winter time write comes after the WiFi write, the reads after every write.
    EXPECT_EQ(Settings(SETTING_DST_READ | SETTING_DST_WRITE), SETTINGS_DONE);
    EXPECT_EQ(controller.Requests().back()[1], FC_WRITE_CONFIG);
}

TEST_F(SettingsSessionTest, CalibrationBothWays)
{
    SimulatedController controller(0x5188);
    Connect(controller);
    m_clock.m_nCalibration = -7;
    ASSERT_EQ(Settings(SETTING_CALIB_WRITE), SETTINGS_DONE);
    EXPECT_EQ(controller.Requests().back(), WithCrc({0x00, 0xEA, 0x00, 0x01, 0x00, 0x07}));
    m_clock.m_nCalibration = 0;
    ASSERT_EQ(Settings(SETTING_CALIB_READ), SETTINGS_DONE);
    EXPECT_EQ(m_clock.m_nCalibration, -7);
    controller.SetRegister(262, 0x0500);
    controller.SetRegister(263, 0x0007);
    ASSERT_EQ(Settings(SETTING_CALIB_READ), SETTINGS_DONE);
    EXPECT_EQ(m_clock.m_nCalibration, 7);
}

TEST_F(SettingsSessionTest, ClockReadFillsTheClockValues)
{
    SimulatedController controller(0x5188);
    const WORD regs[] = {2031, 2, 28, 23, 59, 58};
    for (int i = 0; i < 6; ++i)
        controller.SetRegister(WORD(301 + i), regs[i]);
    Connect(controller);
    ASSERT_EQ(Settings(SETTING_CLOCK_READ), SETTINGS_DONE);
    const CDeviceClockDlg& clock = m_clock;
    EXPECT_EQ((std::vector<int>{clock.m_nYear, clock.m_nMonth, clock.m_nDay, clock.m_nHour, clock.m_nMinute, clock.m_nSecond}),
              (std::vector<int>{2031, 2, 28, 23, 59, 58}));
    EXPECT_EQ(controller.Requests().back(), WithCrc({0x00, 0x03, 0x01, 0x2D, 0x00, 0x06}));
}

TEST_F(SettingsSessionTest, SummerTimeWrittenAndReadBack)
{
    SimulatedController controller(0x5188);
    Connect(controller);
    CSummerTimeDlg& summer = m_summerTime;
    static_cast<SummerTimeValues&>(summer) = {.m_bActive = TRUE, .m_nEndDay = 1, .m_nEndMonth = 11, .m_nStartDay = 8,
                                              .m_nStartMonth = 3, .m_nTimeDiff = 60, .m_nRule = 2};
    ASSERT_EQ(Settings(SETTING_DST_WRITE), SETTINGS_DONE);
    EXPECT_EQ(controller.Requests().back(), WithCrc({0x00, 0xE9, 4, 0, 0, 0, 0x0B, 1, 3, 8, 0x3C, 0, 0, 0}));
    EXPECT_EQ(NewLogLines(), std::vector<std::string>{"Summer/Winter Time Writing Starts..."});

    summer.m_bActive = FALSE;
    summer.m_nRule = 0;
    summer.m_nTimeDiff = 0;
    ASSERT_EQ(Settings(SETTING_DST_READ), SETTINGS_DONE);
    EXPECT_TRUE(summer.m_bActive);
    EXPECT_EQ(summer.m_nRule, 2);
    EXPECT_EQ(summer.m_nStartMonth, 3);
    EXPECT_EQ(summer.m_nEndMonth, 11);
    EXPECT_EQ(summer.m_nTimeDiff, 60);
}

TEST_F(SettingsSessionTest, WifiWriteSendsEveryRegisterThenTheRule)
{
    SimulatedController controller(0x5288);
    Connect(controller);
    static_cast<WifiValues&>(m_wifiSetup) = {.m_nDeviceMode = 3, .m_strSSID = _T("Plant7"), .m_nDeviceID = 42,
                                             .m_nTxPower = 5, .m_strMac = {}};
    ASSERT_EQ(Settings(SETTING_WIFI_WRITE), SETTINGS_DONE);
    const auto requests = controller.Requests();
    ASSERT_EQ(requests.size(), 1u + 113u + 1u);
    for (int k = 0; k < 113; ++k) {
        ASSERT_EQ(requests[std::size_t(1 + k)][1], FC_WRITE_SINGLE_REGISTER);
        EXPECT_EQ((requests[std::size_t(1 + k)][2] << 8) | requests[std::size_t(1 + k)][3], 9160 + k);
    }
    EXPECT_EQ(requests.back()[1], FC_WRITE_CONFIG);
    EXPECT_EQ(controller.Register(9160), 3);
    EXPECT_EQ(controller.Register(9162), 'P');
    EXPECT_EQ(controller.Register(9167), ' ' + 0x17);
    EXPECT_EQ(controller.Register(9168), 0);
    EXPECT_EQ(controller.Register(9267), 42);
    EXPECT_EQ(controller.Register(9272), 5);
    EXPECT_EQ(NewLogLines(), std::vector<std::string>{"WIFI Setup Setting Starts..."});
}

TEST_F(SettingsSessionTest, WifiReadFillsTheValuesAndTheRule)
{
    SimulatedController controller(0x5288);
    const char* pszSsid = "Hall3";
    for (int i = 0; pszSsid[i]; ++i)
        controller.SetRegister(WORD(9162 + i), WORD(pszSsid[i]));
    controller.SetRegister(9160, 1);
    controller.SetRegister(9259, 0x0C0A);  // the IP's bytes are the registers' low bytes
    controller.SetRegister(9267, 6);
    controller.SetRegister(9270, 1);
    controller.SetRegister(9273, ('B' << 8) | 'A');
    controller.SetMemory(SimulatedController::kDstAddress, {1, 0, 10, 0, 27, 0, 3, 0, 29, 0, 90, 0});
    Connect(controller);
    ASSERT_EQ(Settings(SETTING_WIFI_READ), SETTINGS_DONE);
    const CWifiSetupDlg& wifi = m_wifiSetup;
    EXPECT_EQ(wifi.m_nDeviceMode, 1);
    EXPECT_EQ(wifi.m_strSSID, CString(_T("Hall3")));
    EXPECT_EQ(wifi.m_ip[0], 0x0A);
    EXPECT_EQ(wifi.m_nDeviceID, 6u);
    EXPECT_EQ(wifi.m_nAddressMode, 1);
    EXPECT_EQ(wifi.m_strMac.Left(2), CString(_T("AB")));
    EXPECT_EQ(m_summerTime.m_nRule, DST_RULE_FREE);
    EXPECT_EQ(m_summerTime.m_nTimeDiff, 90);
    EXPECT_EQ(FunctionCodes(controller), (std::vector<int>{FC_READ_HOLDING_REGISTERS, FC_READ_MEMORY, FC_READ_HOLDING_REGISTERS}));
}

// A WiFi operation for a controller of another kind sends nothing after the identification.
TEST_F(SettingsSessionTest, WifiOperationsRefuseAnotherModel)
{
    struct Case {
        WORD wHardware;
        SettingMask nMask;
    };
    for (const Case& c : {Case{0x5188, SETTING_WIFI_READ}, Case{0x3288, SETTING_WIFI_WRITE},
                          Case{0x5288, SETTING_REMOTE_WIFI_READ}, Case{0x5188, SETTING_REMOTE_WIFI_WRITE}}) {
        SimulatedController controller(c.wHardware);
        Connect(controller);
        EXPECT_EQ(Settings(c.nMask), SETTINGS_FAILED);
        EXPECT_EQ(controller.Requests().size(), 1u);
        EXPECT_EQ(NewLogLines(), std::vector<std::string>{"Machine type mismatch Error!"});
        m_session.ClosePort();
    }
}

TEST_F(SettingsSessionTest, RemoteImageWrittenAndReadBack)
{
    SimulatedController controller(0x3288);
    Connect(controller);
    CRemoteWifiDlg& remote = m_remoteWifi;
    static_cast<RemoteWifiValues&>(remote) = {.m_strMac = {}, .m_nDeviceID = 5, .m_strSSID = CString(TCHAR('S'), 32),
                                              .m_nSleepMode = 3, .m_strKeyPassword = _T("123")};
    ASSERT_EQ(Settings(SETTING_REMOTE_WIFI_WRITE), SETTINGS_DONE);
    const Bytes write = controller.Requests().back();
    ASSERT_EQ(write.size(), 9u + 148u);
    EXPECT_EQ(Bytes(write.begin(), write.begin() + 7), (Bytes{0x00, 0x10, 0x00, 0x00, 0x00, 74, 148}));
    // Register 16 holds P[32], the SSID's 0x0A, low and the password's first character high;
    // registers 60..67 the key entries.
    EXPECT_EQ(controller.Register(16), ('6' << 8) | 0x0A);
    const std::vector<WORD> key = {controller.Register(60), controller.Register(61), controller.Register(62),
                                   controller.Register(63), controller.Register(64), controller.Register(65),
                                   controller.Register(66), controller.Register(67)};
    EXPECT_EQ(key, (std::vector<WORD>{0x0001, 0x8000, 0x0002, 0x8000, 0x0004, 0x8000, 0x000A, 0x0000}));

    remote.m_strSSID.Empty();
    remote.m_strKeyPassword.Empty();
    remote.m_nSleepMode = 0;
    ASSERT_EQ(Settings(SETTING_REMOTE_WIFI_READ), SETTINGS_DONE);
    EXPECT_EQ(remote.m_strSSID, CString(TCHAR('S'), 32));
    EXPECT_EQ(remote.m_strKeyPassword, CString(_T("123")));
    EXPECT_EQ(remote.m_nDeviceID, 5);
    EXPECT_EQ(remote.m_nSleepMode, 3);
}

TEST_F(SettingsSessionTest, FailuresStopTheRunAtOnce)
{
    {
        // A remote key the module cannot take is not sent.
        SimulatedController controller(0x3288);
        Connect(controller);
        m_remoteWifi.m_strKeyPassword = _T("1270");
        EXPECT_EQ(Settings(SETTING_REMOTE_WIFI_WRITE), SETTINGS_FAILED);
        EXPECT_EQ(controller.Requests().size(), 1u);
        m_session.ClosePort();
    }
    {
        // A register write that gets no echo ends the WiFi write: nothing after it.
        SimulatedController controller(0x5288);
        controller.SetFault(Fault::NoReply, FC_WRITE_SINGLE_REGISTER);
        Connect(controller);
        EXPECT_EQ(Settings(SETTING_WIFI_WRITE), SETTINGS_FAILED);
        EXPECT_EQ(FunctionCodes(controller), (std::vector<int>{FC_READ_HOLDING_REGISTERS, FC_WRITE_SINGLE_REGISTER}));
        m_session.ClosePort();
    }
    {
        // A read reply that fails its check stores nothing.
        SimulatedController controller(0x5188);
        controller.SetRegister(262, 1);
        controller.SetRegister(263, 9);
        controller.SetFault(Fault::WrongCrc, FC_READ_HOLDING_REGISTERS);
        Connect(controller);
        m_clock.m_nCalibration = 4;
        EXPECT_EQ(Settings(SETTING_CALIB_READ), SETTINGS_FAILED);
        EXPECT_EQ(m_clock.m_nCalibration, 4);
        EXPECT_EQ(NewLogLines(), std::vector<std::string>{"Check Sum Error!"});
    }
}

}  // namespace
