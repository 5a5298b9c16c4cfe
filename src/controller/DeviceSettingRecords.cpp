#include "controller/DeviceSettingRecords.h"

#include <algorithm>
#include <cstring>

namespace {

constexpr BYTE kModelTwelveByteClock = 0x11;
constexpr BYTE kModelFourteenByteClock = 0x51;

// Summer/winter-time mode bytes: 0 off, 1 freely adjustable, rule + 2 for the fixed rules.
constexpr BYTE kDstModeOff = 0;
constexpr BYTE kDstModeFree = 1;
constexpr int kDstModeRuleBase = 2;

// WiFi register block: register 9160 + k.
constexpr int kWifiMode = 0;
constexpr int kWifiEncryption = 1;
constexpr int kWifiSsid = 2;
constexpr int kWifiPassword = 34;
constexpr int kWifiChannel = 98;
constexpr int kWifiIp = 99;
constexpr int kWifiMask = 103;
constexpr int kWifiDeviceId = 107;
constexpr int kWifiLocalPort = 108;
constexpr int kWifiRemotePort = 109;
constexpr int kWifiAddressMode = 110;
constexpr int kWifiTxPower = 112;
constexpr int kWifiMac = 113;
constexpr WORD kWifiTextEnd = 0xFFFF;

// Remote image P.
constexpr int kRemoteSsid = 0;
constexpr int kRemotePassword = 33;
constexpr int kRemoteDeviceId = 98;
constexpr int kRemoteTxPower = 99;
constexpr int kRemoteMac = 100;
constexpr int kRemoteMode = 112;
constexpr int kRemoteLedOn = 114;
constexpr int kRemoteLedOff = 116;
constexpr int kRemoteSleep = 118;
constexpr int kRemoteKey = 120;
constexpr int kRemoteKeyEntries = 7;
constexpr BYTE kRemoteTextEnd = 0x0A;
constexpr DWORD kKeyDigitFlag = 0x80000000;
constexpr DWORD kKeyEnd = 0x0000000A;
// Sleep time in units of 100 ms for each index of the sleep list.
constexpr WORD kSleepTimes[REMOTE_SLEEP_COUNT] = {0, 300, 600, 1200, 3000, 6000};

WORD WordAt(const BYTE* p) { return WORD((p[0] << 8) | p[1]); }
void PutWordBE(BYTE* p, int nValue)
{
    p[0] = BYTE((nValue >> 8) & 0xFF);
    p[1] = BYTE(nValue & 0xFF);
}
WORD WordLE(const RemoteWifiImage& image, int nAt) { return WORD(image[std::size_t(nAt)] | (image[std::size_t(nAt) + 1] << 8)); }
void PutWordLE(RemoteWifiImage& image, int nAt, int nValue)
{
    image[std::size_t(nAt)] = BYTE(nValue & 0xFF);
    image[std::size_t(nAt) + 1] = BYTE((nValue >> 8) & 0xFF);
}
void PutDwordLE(RemoteWifiImage& image, int nAt, DWORD dwValue)
{
    PutWordLE(image, nAt, int(dwValue & 0xFFFF));
    PutWordLE(image, nAt + 2, int(dwValue >> 16));
}

// One text into registers, one character per register, the rest of the field 0.
void PutTextRegisters(WifiRegisters& regs, int nFirst, int nMax, const CString& strText)
{
    const int nLength = std::min(strText.GetLength(), nMax);
    for (int i = 0; i < nLength; ++i)
        regs[std::size_t(nFirst + i)] = WORD(strText.GetAt(i));
}

CString TextFromRegisters(const BYTE* pData, int nFirst, int nMax)
{
    CString strText;
    for (int i = 0; i < nMax; ++i) {
        const WORD w = WordAt(pData + 2 * (nFirst + i));
        if (w == 0 || w == kWifiTextEnd)
            break;
        strText += TCHAR(w);
    }
    return strText;
}

// A MAC address byte as the module stores it: a character of the hexadecimal text. Anything
// unprintable (an unset module) shows as '?' rather than cutting the text short.
TCHAR MacCharacter(BYTE by) { return by >= 0x20 && by < 0x7F ? TCHAR(by) : TCHAR('?'); }

CString FormatMac(const BYTE (&chars)[12])
{
    CString strMac;
    for (int i = 0; i < 12; ++i) {
        if (i > 0 && i % 2 == 0)
            strMac += TCHAR('-');
        strMac += MacCharacter(chars[i]);
    }
    return strMac;
}

void PutImageText(RemoteWifiImage& image, int nAt, int nMax, const CString& strText)
{
    const int nLength = std::min(strText.GetLength(), nMax);
    for (int i = 0; i < nLength; ++i)
        image[std::size_t(nAt + i)] = BYTE(strText.GetAt(i) & 0xFF);
    image[std::size_t(nAt + nLength)] = kRemoteTextEnd;
}

// The bytes up to the line feed; a 0 ends the text too, as an erased module holds no text.
CString ImageText(const RemoteWifiImage& image, int nAt, int nMax)
{
    CString strText;
    for (int i = 0; i < nMax && nAt + i < REMOTE_IMAGE_SIZE; ++i) {
        const BYTE by = image[std::size_t(nAt + i)];
        if (by == kRemoteTextEnd || by == 0)
            break;
        strText += TCHAR(by);
    }
    return strText;
}

int SleepIndexOf(int nTime)
{
    const int q = nTime / 300;
    if (q >= 20)
        return 5;
    if (q >= 10)
        return 4;
    if (q >= 4)
        return 3;
    return q;
}

// The key digit an entry stands for (1..6), 0 when it names none.
int KeyDigitOf(DWORD dwEntry)
{
    for (int nBit = 0; nBit < REMOTE_KEY_DIGITS_MAX; ++nBit) {
        if (dwEntry & (1U << nBit))
            return nBit + 1;
    }
    return 0;
}

}  // namespace

int BuildClockRecord(const DeviceClockValues& values, BYTE byModel, BYTE* pOut)
{
    std::memset(pOut, 0, CLOCK_RECORD_MAX);
    if (byModel < kModelTwelveByteClock)
        return 0;
    const bool bWithWeekday = byModel >= kModelFourteenByteClock;
    BYTE* p = pOut;
    if (bWithWeekday) {
        PutWordBE(p, values.m_nDayOfWeek);
        p += 2;
    }
    for (int nField : {values.m_nYear, values.m_nMonth, values.m_nDay, values.m_nHour, values.m_nMinute, values.m_nSecond}) {
        PutWordBE(p, nField);
        p += 2;
    }
    return int(p - pOut);
}

void DecodeClockRegisters(const BYTE* pData, DeviceClockValues& values)
{
    int* fields[] = {&values.m_nYear, &values.m_nMonth, &values.m_nDay, &values.m_nHour, &values.m_nMinute, &values.m_nSecond};
    for (int i = 0; i < 6; ++i)
        *fields[i] = WordAt(pData + 2 * i);
}

void BuildCalibrationRecord(int nCalibration, BYTE* pOut)
{
    pOut[0] = 0;
    pOut[1] = nCalibration < 0 ? 1 : 0;
    PutWordBE(pOut + 2, nCalibration < 0 ? -nCalibration : nCalibration);
}

int DecodeCalibration(const BYTE* pData)
{
    const int nMagnitude = WordAt(pData + 2);
    return pData[1] != 0 ? -nMagnitude : nMagnitude;
}

void BuildSummerTimeRecord(const SummerTimeValues& values, BYTE* pOut)
{
    std::memset(pOut, 0, DST_RECORD_SIZE);
    if (values.m_bActive)
        pOut[0] = values.m_nRule == DST_RULE_FREE ? kDstModeFree : BYTE(values.m_nRule + kDstModeRuleBase);
    pOut[4] = BYTE(values.m_nEndMonth);
    pOut[5] = BYTE(values.m_nEndDay);
    pOut[6] = BYTE(values.m_nStartMonth);
    pOut[7] = BYTE(values.m_nStartDay);
    pOut[8] = BYTE(values.m_nTimeDiff);
}

void DecodeSummerTimeRecord(const BYTE* pData, SummerTimeValues& values)
{
    const BYTE byMode = pData[0];
    values.m_bActive = byMode != kDstModeOff;
    if (byMode == kDstModeFree)
        values.m_nRule = DST_RULE_FREE;
    else if (byMode != kDstModeOff)
        values.m_nRule = byMode - kDstModeRuleBase;
    values.m_nEndMonth = pData[2];
    values.m_nEndDay = pData[4];
    values.m_nStartMonth = pData[6];
    values.m_nStartDay = pData[8];
    values.m_nTimeDiff = pData[10];
}

WifiRegisters BuildWifiRegisters(const WifiValues& values)
{
    WifiRegisters regs{};
    regs[kWifiMode] = WORD(values.m_nDeviceMode);
    regs[kWifiEncryption] = values.m_bEncryption ? 1 : 0;
    PutTextRegisters(regs, kWifiSsid, WIFI_SSID_MAX, values.m_strSSID);
    PutTextRegisters(regs, kWifiPassword, WIFI_PASSWORD_MAX, values.m_strPassword);
    regs[kWifiChannel] = WORD(values.m_nChannel);
    for (std::size_t i = 0; i < 4; ++i) {
        regs[kWifiIp + i] = values.m_ip[i];
        regs[kWifiMask + i] = values.m_mask[i];
    }
    regs[kWifiDeviceId] = WORD(values.m_nDeviceID);
    regs[kWifiLocalPort] = WORD(values.m_nLocalPort);
    regs[kWifiRemotePort] = WORD(values.m_nRemotePort);
    regs[kWifiAddressMode] = WORD(values.m_nAddressMode);
    regs[kWifiTxPower] = WORD(values.m_nTxPower);
    return regs;
}

void DecodeWifiRegisters(const BYTE* pData, WifiValues& values)
{
    auto reg = [pData](int k) { return WordAt(pData + 2 * k); };
    values.m_nDeviceMode = reg(kWifiMode);
    values.m_bEncryption = reg(kWifiEncryption);
    values.m_strSSID = TextFromRegisters(pData, kWifiSsid, WIFI_SSID_MAX);
    values.m_strPassword = TextFromRegisters(pData, kWifiPassword, WIFI_PASSWORD_MAX);
    values.m_nChannel = reg(kWifiChannel);
    for (int i = 0; i < 4; ++i) {
        values.m_ip[std::size_t(i)] = BYTE(reg(kWifiIp + i) & 0xFF);
        values.m_mask[std::size_t(i)] = BYTE(reg(kWifiMask + i) & 0xFF);
    }
    values.m_nDeviceID = reg(kWifiDeviceId);
    values.m_nLocalPort = reg(kWifiLocalPort);
    values.m_nRemotePort = reg(kWifiRemotePort);
    values.m_nAddressMode = reg(kWifiAddressMode);
    values.m_nTxPower = reg(kWifiTxPower);
    BYTE chars[12];
    for (int i = 0; i < 6; ++i) {
        const WORD w = reg(kWifiMac + i);
        chars[2 * i] = BYTE(w & 0xFF);
        chars[2 * i + 1] = BYTE(w >> 8);
    }
    values.m_strMac = FormatMac(chars);
}

bool IsValidKeyPassword(const CString& strKey)
{
    if (strKey.GetLength() > REMOTE_KEY_DIGITS_MAX)
        return false;
    for (int i = 0; i < strKey.GetLength(); ++i) {
        if (strKey.GetAt(i) < '1' || strKey.GetAt(i) > '6')
            return false;
    }
    return true;
}

BOOL BuildRemoteImage(const RemoteWifiValues& values, RemoteWifiImage& image)
{
    image.fill(0);
    if (!IsValidKeyPassword(values.m_strKeyPassword))
        return FALSE;
    PutImageText(image, kRemoteSsid, WIFI_SSID_MAX, values.m_strSSID);
    PutImageText(image, kRemotePassword, WIFI_PASSWORD_MAX, values.m_strPassword);
    image[kRemoteDeviceId] = BYTE(values.m_nDeviceID);
    image[kRemoteTxPower] = BYTE(values.m_nTxPower + 1);
    for (int i = 0; i < 6; ++i)
        PutWordLE(image, kRemoteMac + 2 * i, values.m_wMac[std::size_t(i)]);
    PutWordLE(image, kRemoteMode, values.m_nMode);
    PutWordLE(image, kRemoteLedOn, values.m_nLedOnTime);
    PutWordLE(image, kRemoteLedOff, values.m_nLedOffTime);
    const int nSleep = values.m_nSleepMode >= 0 && values.m_nSleepMode < REMOTE_SLEEP_COUNT ? values.m_nSleepMode : 0;
    PutWordLE(image, kRemoteSleep, kSleepTimes[nSleep]);
    // Each digit d is a flagged entry with bit d - 1 set, the list closed by the end entry.
    int nAt = kRemoteKey;
    for (int i = 0; i < values.m_strKeyPassword.GetLength(); ++i, nAt += 4)
        PutDwordLE(image, nAt, kKeyDigitFlag | (1U << (values.m_strKeyPassword.GetAt(i) - '1')));
    PutDwordLE(image, nAt, kKeyEnd);
    return TRUE;
}

void DecodeRemoteImage(const RemoteWifiImage& image, RemoteWifiValues& values)
{
    values.m_strSSID = ImageText(image, kRemoteSsid, WIFI_SSID_MAX + 1);
    values.m_strPassword = ImageText(image, kRemotePassword, WIFI_PASSWORD_MAX + 1);
    values.m_nDeviceID = image[kRemoteDeviceId];
    values.m_nTxPower = image[kRemoteTxPower] - 1;
    BYTE chars[12];
    for (int i = 0; i < 12; ++i)
        chars[i] = image[std::size_t(kRemoteMac + i)];
    for (int i = 0; i < 6; ++i)
        values.m_wMac[std::size_t(i)] = WordLE(image, kRemoteMac + 2 * i);
    values.m_strMac = FormatMac(chars);
    values.m_nMode = WordLE(image, kRemoteMode);
    values.m_nLedOnTime = WordLE(image, kRemoteLedOn);
    values.m_nLedOffTime = WordLE(image, kRemoteLedOff);
    values.m_nSleepMode = SleepIndexOf(WordLE(image, kRemoteSleep));
    // Only digits 1..6 and at most six of them: an entry that names no digit ends the list as
    // the end entry does, so that a damaged image never gives a key the module cannot take.
    CString strKey;
    for (int i = 0; i < kRemoteKeyEntries && strKey.GetLength() < REMOTE_KEY_DIGITS_MAX; ++i) {
        const int nAt = kRemoteKey + 4 * i;
        const DWORD dwEntry = DWORD(WordLE(image, nAt)) | (DWORD(WordLE(image, nAt + 2)) << 16);
        const int nDigit = dwEntry == kKeyEnd ? 0 : KeyDigitOf(dwEntry);
        if (nDigit == 0)
            break;
        strKey += TCHAR('0' + nDigit);
    }
    values.m_strKeyPassword = strKey;
}

void RemoteImageToWire(const RemoteWifiImage& image, BYTE* pWire)
{
    for (int k = 0; k < REMOTE_IMAGE_REGISTERS; ++k) {
        pWire[2 * k] = image[std::size_t(2 * k + 1)];
        pWire[2 * k + 1] = image[std::size_t(2 * k)];
    }
}

void RemoteImageFromWire(const BYTE* pWire, RemoteWifiImage& image)
{
    for (int k = 0; k < REMOTE_IMAGE_REGISTERS; ++k) {
        image[std::size_t(2 * k)] = pWire[2 * k + 1];
        image[std::size_t(2 * k + 1)] = pWire[2 * k];
    }
}
