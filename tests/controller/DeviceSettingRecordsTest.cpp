// The byte layouts of the device settings beyond the settings session's golden frames: the
// clock by model code, the calibration's sign byte, the summer/winter-time modes and stored
// record, the WiFi register block and the remote module's image with its text terminators and
// key password entries.
#include "controller/DeviceSettingRecords.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <utility>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

DeviceClockValues SampleClock()
{
    return {.m_nYear = 2026, .m_nMonth = 12, .m_nDay = 7, .m_nDayOfWeek = 1, .m_nHour = 15,
            .m_nMinute = 48, .m_nSecond = 30};
}

TEST(DeviceSettingRecords, ClockRecordFollowsTheModelCode)
{
    struct Case {
        BYTE byModel;
        Bytes expected;
    };
    const Bytes twelve = {0x07, 0xEA, 0, 12, 0, 7, 0, 15, 0, 48, 0, 30};
    Bytes fourteen = {0, 1};
    fourteen.insert(fourteen.end(), twelve.begin(), twelve.end());
    const Case cases[] = {{0x51, fourteen}, {0x61, fourteen}, {0x50, twelve}, {0x11, twelve}, {0x10, {}}, {0x00, {}}};
    for (const Case& c : cases) {
        BYTE record[CLOCK_RECORD_MAX];
        const int n = BuildClockRecord(SampleClock(), c.byModel, record);
        EXPECT_EQ(Bytes(record, record + n), c.expected) << "model " << int(c.byModel);
    }
}

TEST(DeviceSettingRecords, CalibrationBothWays)
{
    struct Case {
        int nValue;
        Bytes record;
    };
    for (const Case& c : {Case{-7, {0, 1, 0, 7}}, Case{7, {0, 0, 0, 7}}, Case{-30, {0, 1, 0, 30}}, Case{0, {0, 0, 0, 0}}}) {
        BYTE record[CALIBRATION_RECORD_SIZE];
        BuildCalibrationRecord(c.nValue, record);
        EXPECT_EQ(Bytes(record, record + 4), c.record);
        EXPECT_EQ(DecodeCalibration(record), c.nValue);
    }
    // The first byte means nothing and any nonzero sign byte is negative.
    const BYTE positive[] = {5, 0, 0, 7};
    const BYTE negative[] = {0, 0x80, 0, 7};
    EXPECT_EQ(DecodeCalibration(positive), 7);
    EXPECT_EQ(DecodeCalibration(negative), -7);
}

TEST(DeviceSettingRecords, SummerTimeRecordBothWays)
{
    BYTE record[DST_RECORD_SIZE];
    struct Case {
        BOOL bActive;
        int nRule;
        BYTE byMode;
    };
    for (const Case& c : {Case{TRUE, 0, 2}, Case{TRUE, 5, 7}, Case{TRUE, 6, 1}, Case{FALSE, 6, 0}, Case{FALSE, 3, 0}}) {
        const SummerTimeValues values{.m_bActive = c.bActive, .m_nRule = c.nRule};
        BuildSummerTimeRecord(values, record);
        EXPECT_EQ(record[0], c.byMode) << "rule " << c.nRule;
    }

    // The controller keeps every value in an even byte; mode 0 keeps the rule chosen before.
    const BYTE stored[] = {1, 0xEE, 10, 0xEE, 25, 0xEE, 3, 0xEE, 30, 0xEE, 120, 0xEE};
    SummerTimeValues read;
    DecodeSummerTimeRecord(stored, read);
    EXPECT_TRUE(read.m_bActive);
    EXPECT_EQ(read.m_nRule, DST_RULE_FREE);
    EXPECT_EQ(read.m_nEndMonth, 10);
    EXPECT_EQ(read.m_nEndDay, 25);
    EXPECT_EQ(read.m_nStartMonth, 3);
    EXPECT_EQ(read.m_nStartDay, 30);
    EXPECT_EQ(read.m_nTimeDiff, 120);
    const BYTE off[12] = {0};
    DecodeSummerTimeRecord(off, read);
    EXPECT_FALSE(read.m_bActive);
    EXPECT_EQ(read.m_nRule, DST_RULE_FREE);
    const BYTE uk[12] = {3};
    DecodeSummerTimeRecord(uk, read);
    EXPECT_EQ(read.m_nRule, 1);
}

TEST(DeviceSettingRecords, WifiRegistersRoundTripAndCutTexts)
{
    const WifiValues values{.m_nDeviceMode = 3, .m_bEncryption = TRUE, .m_strSSID = CString(TCHAR('S'), 40),
                            .m_strPassword = CString(TCHAR('p'), 64), .m_nChannel = 11, .m_ip = {10, 0, 0, 7},
                            .m_nDeviceID = 200, .m_nLocalPort = 65535, .m_nAddressMode = 1, .m_nTxPower = 12,
                            .m_strMac = {}};
    const WifiRegisters regs = BuildWifiRegisters(values);
    // Register and value: the mode, the SSID's last character, the password's first and last,
    // channel, address, ID, port and power.
    const std::pair<std::size_t, int> kRegisters[] = {{0, 3},   {33, 'S'}, {34, 'p'},     {97, 'p'},  {98, 11},
                                                      {102, 7}, {106, 0},  {108, 65535}, {111, 0}, {112, 12}};
    for (const auto& [k, nValue] : kRegisters)
        EXPECT_EQ(regs[k], nValue) << "register " << k;

    // The block as read: the written registers, then the module's MAC text.
    Bytes data(2 * WIFI_READ_REGISTERS, 0);
    for (std::size_t k = 0; k < regs.size(); ++k) {
        data[2 * k] = BYTE(regs[k] >> 8);
        data[2 * k + 1] = BYTE(regs[k] & 0xFF);
    }
    const char* pszMac = "A1B2C3D4E5F6";
    for (int i = 0; i < 6; ++i) {
        data[std::size_t(2 * (113 + i))] = BYTE(pszMac[2 * i + 1]);
        data[std::size_t(2 * (113 + i) + 1)] = BYTE(pszMac[2 * i]);
    }
    WifiValues read;
    DecodeWifiRegisters(data.data(), read);
    EXPECT_EQ(read.m_strSSID, CString(TCHAR('S'), 32));
    EXPECT_EQ(read.m_strPassword, values.m_strPassword);
    EXPECT_EQ(read.m_ip, values.m_ip);
    EXPECT_EQ(read.m_mask, values.m_mask);
    EXPECT_EQ(read.m_nDeviceID, 200u);
    EXPECT_EQ(read.m_nAddressMode, 1);
    EXPECT_EQ(read.m_strMac, CString(_T("A1-B2-C3-D4-E5-F6")));

    // An erased module's 0xFFFF ends a text too.
    data[2 * 2] = 0xFF;
    data[2 * 2 + 1] = 0xFF;
    DecodeWifiRegisters(data.data(), read);
    EXPECT_TRUE(read.m_strSSID.IsEmpty());
}

TEST(DeviceSettingRecords, RemoteImageFieldsAndTerminators)
{
    const RemoteWifiValues values{.m_nTxPower = 11, .m_strMac = {}, .m_nDeviceID = 7,
                                  .m_strPassword = CString(TCHAR('w'), 64), .m_strSSID = CString(TCHAR('s'), 32),
                                  .m_nSleepMode = 2, .m_nLedOnTime = 9999, .m_strKeyPassword = _T("123")};
    RemoteWifiImage image;
    ASSERT_TRUE(BuildRemoteImage(values, image));
    // Byte and value: the texts and their terminators, ID, power, LED time, sleep time.
    const std::pair<std::size_t, int> kBytes[] = {{31, 's'}, {32, 0x0A},   {33, 'w'},    {97, 0x0A},        {98, 7},
                                                  {99, 12},  {114, 0x0F}, {115, 0x27}, {118, 600 & 0xFF}, {119, 600 >> 8}};
    for (const auto& [k, nValue] : kBytes)
        EXPECT_EQ(image[k], nValue) << "byte " << k;
    // Key "123": the flagged entries 8000 0001, 8000 0002, 8000 0004 and the end entry
    // 0000 000A, each a 32-bit value stored low byte first.
    const Bytes key(image.begin() + 120, image.begin() + 136);
    EXPECT_EQ(key, (Bytes{1, 0, 0, 0x80, 2, 0, 0, 0x80, 4, 0, 0, 0x80, 0x0A, 0, 0, 0}));
    EXPECT_TRUE(std::all_of(image.begin() + 136, image.end(), [](BYTE b) { return b == 0; }));

    RemoteWifiValues read;
    read.m_strKeyPassword.Empty();
    DecodeRemoteImage(image, read);
    EXPECT_EQ(read.m_strSSID, values.m_strSSID);
    EXPECT_EQ(read.m_strPassword, values.m_strPassword);
    EXPECT_EQ(read.m_nDeviceID, 7);
    EXPECT_EQ(read.m_nTxPower, 11);
    EXPECT_EQ(read.m_nLedOnTime, 9999);
    EXPECT_EQ(read.m_nSleepMode, 2);
    EXPECT_EQ(read.m_strKeyPassword, CString(_T("123")));

    // Register k goes on the wire as P[2k + 1], P[2k].
    BYTE wire[REMOTE_IMAGE_SIZE];
    RemoteImageToWire(image, wire);
    EXPECT_EQ(wire[120], 0);
    EXPECT_EQ(wire[121], 1);
    EXPECT_EQ(wire[122], 0x80);
    RemoteWifiImage back{};
    RemoteImageFromWire(wire, back);
    EXPECT_EQ(back, image);
}

TEST(DeviceSettingRecords, SleepIndexFromAnyStoredTime)
{
    struct Case {
        int nTime;
        int nIndex;
    };
    for (const Case& c : {Case{0, 0}, Case{300, 1}, Case{899, 2}, Case{1199, 3}, Case{3000, 4}, Case{5999, 4}, Case{6000, 5},
                          Case{65535, 5}}) {
        RemoteWifiImage image{};
        image[118] = BYTE(c.nTime & 0xFF);
        image[119] = BYTE(c.nTime >> 8);
        RemoteWifiValues values;
        DecodeRemoteImage(image, values);
        EXPECT_EQ(values.m_nSleepMode, c.nIndex) << c.nTime;
    }
}

// A key password holding 0, 7 or more than six digits would shift a bit out of its word: such a
// key is refused before anything is built, and a stored list gives only digits 1..6. An empty
// key is the end entry alone.
TEST(DeviceSettingRecords, KeyPasswordOnlyDigitsOneToSix)
{
    RemoteWifiValues empty;
    empty.m_strKeyPassword.Empty();
    RemoteWifiImage image{};
    ASSERT_TRUE(BuildRemoteImage(empty, image));
    RemoteWifiValues emptyRead;
    emptyRead.m_strKeyPassword = _T("1");
    DecodeRemoteImage(image, emptyRead);
    EXPECT_TRUE(emptyRead.m_strKeyPassword.IsEmpty());
    for (LPCTSTR psz : {_T("0"), _T("17"), _T("1234561"), _T("12a")}) {
        RemoteWifiValues values;
        values.m_strKeyPassword = psz;
        RemoteWifiImage image;
        image.fill(0x55);
        EXPECT_FALSE(BuildRemoteImage(values, image)) << CString(psz).ToUtf8();
        EXPECT_TRUE(std::all_of(image.begin(), image.end(), [](BYTE b) { return b == 0; }));
    }
    // Seven flagged entries: only six digits are taken; an entry naming no digit ends the list.
    RemoteWifiImage seven{};
    for (int i = 0; i < 7; ++i) {
        seven[std::size_t(120 + 4 * i)] = BYTE(1 << (i % 6));
        seven[std::size_t(123 + 4 * i)] = 0x80;
    }
    RemoteWifiValues read;
    DecodeRemoteImage(seven, read);
    EXPECT_EQ(read.m_strKeyPassword, CString(_T("123456")));
    RemoteWifiImage noDigit{};
    noDigit[120] = 2;
    noDigit[123] = 0x80;
    noDigit[127] = 0x80;
    noDigit[128] = 1;
    DecodeRemoteImage(noDigit, read);
    EXPECT_EQ(read.m_strKeyPassword, CString(_T("2")));
}

}  // namespace
