// Every stored or sent value a control of the program's Properties pages, the message text
// settings and the device dialogs shows, set to what a file, an upload or a controller may give
// that the control cannot show: the dialog opened and closed with OK (Write) untouched gives it
// back unchanged, or shows what it stores (the document then marked changed), or refuses OK
// over a value it shows whole. Cancel leaves a device dialog's values as they came.
#include "PageFixture.h"

#include "controller/DeviceClockDlg.h"
#include "controller/RemoteWifiDlg.h"
#include "controller/SummerTimeDlg.h"
#include "controller/WifiSetupDlg.h"
#include "messagetext/MessageTextIds.h"
#include "pages/program/ProgramPageIds.h"
#include "pages/program/PropertiesPropSh.h"
#include "pages/sheet/PageIds.h"
#include "platform/ui/MessageQueue.h"

#include <climits>
#include <string>
#include <vector>

namespace {

enum class Place { Properties, FixedValue, RangeType, MsgText, Clock, Summer, Wifi, RemoteWifi };

struct Member {
    const char* pszName;
    Place place;
    int nPage;               // the Properties page that shows the control
    std::vector<int> ids;    // the control; a radio group's buttons in the order of their values
    std::vector<const char*> values;
    std::function<CString&(void)> text = {};   // a text member, or
    std::function<int&(void)> number = {};      // an int member, or
    std::function<UINT&(void)> unsignedNumber = {};
    std::function<double&(void)> real = {};
    std::function<BYTE&(void)> byte = {};
};

CString Format(const char* pszFormat, auto value)
{
    CString str;
    str.Format(CString::FromUtf8(pszFormat), value);
    return str;
}

class UntouchedDialogsTest : public PageFixture {
protected:
    void SetUp() override
    {
        PageFixture::SetUp();
        m_wOldCode = g_wHardwareCode;
        Doc().m_wHardwareCode = g_wHardwareCode = 0x5288;
    }
    void TearDown() override
    {
        g_wHardwareCode = m_wOldCode;
        PageFixture::TearDown();
    }

    static CString Read(const Member& m)
    {
        if (m.text)
            return m.text();
        if (m.number)
            return Format("%d", m.number());
        if (m.unsignedNumber)
            return Format("%u", m.unsignedNumber());
        if (m.real)
            return Format("%g", m.real());
        return Format("%d", int(m.byte()));
    }
    static void Write(const Member& m, const CString& strValue)
    {
        const std::string value = strValue.ToUtf8();
        if (m.text)
            m.text() = strValue;
        else if (m.number)
            m.number() = int(std::stoll(value));
        else if (m.unsignedNumber)
            m.unsignedNumber() = UINT(std::stoll(value));
        else if (m.real)
            m.real() = std::stod(value);
        else
            m.byte() = BYTE(std::stoi(value));
    }
    // What the control shows of the member: a list's line or a radio group's button as the
    // value it stands for, an edit's text; nothing for a hidden control or no choice.
    static CString Shown(CDialog& dlg, const Member& m)
    {
        CWnd* pControl = dlg.GetDlgItem(m.ids[0]);
        if (!pControl || !(pControl->GetStyle() & WS_VISIBLE))
            return CString();
        if (m.ids.size() > 1) {
            for (size_t i = 0; i < m.ids.size(); ++i) {
                if (dlg.IsDlgButtonChecked(m.ids[i]) == BST_CHECKED)
                    return Format("%d", int(i));
            }
            return CString();
        }
        if (auto* pCombo = dynamic_cast<CComboBox*>(pControl))
            return pCombo->GetCurSel() < 0 ? CString() : Format("%d", pCombo->GetCurSel());
        CString strText;
        pControl->GetWindowText(strText);
        return strText;
    }

    // Opens the member's dialog, notes what the control shows, and closes it with OK (bOk) or
    // Cancel. Returns whether OK was refused with a message.
    bool RunUntouched(const Member& m, bool bOk, CString& strShown)
    {
        m_bRefused = false;
        const auto close = [&](CDialog& dlg) { Close(dlg, bOk ? IDOK : IDCANCEL); };
        switch (m.place) {
        case Place::Properties:
        case Place::FixedValue:
        case Place::RangeType:
            CDialog::SetDialogHook([&](CDialog& dlg) {
                auto* pSheet = dynamic_cast<CPropertiesPropSh*>(&dlg);
                if (!pSheet) {
                    strShown = Shown(dlg, m);
                    close(dlg);
                    return;
                }
                pSheet->SetActivePage(m.nPage);
                CPropertyPage& page = *pSheet->GetActivePage();
                if (m.place == Place::Properties)
                    strShown = Shown(page, m);
                else
                    Click(page, m.place == Place::FixedValue ? IDC_FIXED_VALUE_BUTTON : IDC_VALUE_RANGE_BUTTON);
                close(*pSheet);
            });
            Command(ID_FILE_PROPERTIES);
            break;
        case Place::MsgText:
            CDialog::SetDialogHook([&](CDialog& dlg) {
                strShown = Shown(dlg, m);
                close(dlg);
            });
            Command(ID_FILE_MSGTEXT_SETTINGS);
            break;
        default:
            RunDevice(m, bOk, strShown);
        }
        CDialog::SetDialogHook(nullptr);
        return m_bRefused;
    }

    // The button; a message it raised refuses, and Cancel follows as the user would.
    void Close(CDialog& dlg, UINT nButton)
    {
        const size_t nBoxes = m_boxes.Boxes().size();
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), 0);
        m_bRefused = m_boxes.Boxes().size() > nBoxes;
        if (m_bRefused && dlg.GetSafeHwnd())
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    }

    // A device dialog opens on what the controller gave: the clock's values come in by a read.
    void RunDevice(const Member& m, bool bOk, CString& strShown)
    {
        CDeviceToolDialog* pDlg = nullptr;
        UINT nWrite = IDOK;
        switch (m.place) {
        case Place::Clock: {
            CDeviceClockDlg& clock = Frame()->m_dlgDeviceClock;
            const DeviceClockValues given = clock;
            clock.Create(Frame());
            static_cast<DeviceClockValues&>(clock) = given;
            clock.RefreshFields();
            nWrite = m.ids[0] == int(CDeviceClockDlg::IDC_CALIBRATION) ? CDeviceClockDlg::IDC_SET : CDeviceClockDlg::IDC_WRITE;
            pDlg = &clock;
            break;
        }
        case Place::Summer:
            Frame()->m_dlgSummerTime.Create(Frame());
            pDlg = &Frame()->m_dlgSummerTime;
            break;
        case Place::Wifi:
            Frame()->m_dlgWifiSetup.Create(Frame());
            pDlg = &Frame()->m_dlgWifiSetup;
            break;
        default:
            Frame()->m_dlgRemoteWifi.Create(Frame());
            pDlg = &Frame()->m_dlgRemoteWifi;
        }
        ASSERT_NE(pDlg->GetSafeHwnd(), nullptr);
        strShown = Shown(*pDlg, m);
        Close(*pDlg, bOk ? nWrite : UINT(IDCANCEL));
        if (pDlg->GetSafeHwnd())
            pDlg->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        // The closing and the posted requests: no port is open, so no request is carried out.
        MSG msg{};
        while (CMessageQueue::Get().Take(msg)) {
            if (msg.hwnd && msg.message != WM_PLC_COMMAND)
                SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
        }
    }

    // The values of a device dialog that OK does not refuse, so that each row meets only its
    // own member's checks.
    void SoundDeviceValues()
    {
        static_cast<SummerTimeValues&>(Frame()->m_dlgSummerTime) = SummerTimeValues{};
        WifiValues wifi;
        wifi.m_nDeviceMode = CWifiSetupDlg::kModeRemote;
        wifi.m_nDeviceID = 1;
        static_cast<WifiValues&>(Frame()->m_dlgWifiSetup) = wifi;
        static_cast<RemoteWifiValues&>(Frame()->m_dlgRemoteWifi) = RemoteWifiValues{};
        DeviceClockValues clock;
        clock.m_nYear = 2030;
        clock.m_nMonth = 6;
        clock.m_nDay = 9;
        static_cast<DeviceClockValues&>(Frame()->m_dlgDeviceClock) = clock;
    }

    std::vector<Member> Members()
    {
        ProgramSettings& s = Doc().m_settings;
        CVetlaDoc& doc = Doc();
        CSummerTimeDlg& summer = Frame()->m_dlgSummerTime;
        CWifiSetupDlg& wifi = Frame()->m_dlgWifiSetup;
        CRemoteWifiDlg& remote = Frame()->m_dlgRemoteWifi;
        CDeviceClockDlg& clock = Frame()->m_dlgDeviceClock;
        const std::vector<const char*> kIndexes = {"-1", "7", "99", "2147483647"};
        const std::vector<const char*> kNumbers = {"-1", "-40000", "70000", "123456789", "2147483647"};
        const std::vector<const char*> kBytes = {"2", "7", "255"};
        const std::vector<const char*> kReals = {"123.45", "1e-05", "-1", "12345678"};
        const auto longText = [this](int nLength) {
            m_texts.push_back(std::string(size_t(nLength), 'A'));
            return std::vector<const char*>{m_texts.back().c_str(), "A-B C"};
        };
        m_texts.reserve(16);
        using P = CPropertiesPropSh;
        constexpr int kGeneral = P::PAGE_GENERAL, kComment = 1, kParameter = P::PAGE_PARAMETER, kProtect = 3;
        constexpr int kCom0 = 4, kLcd = 7;
        const auto text = [](CString& str) { return [&str]() -> CString& { return str; }; };
        const auto number = [](int& n) { return [&n]() -> int& { return n; }; };
        const auto unsignedNumber = [](UINT& n) { return [&n]() -> UINT& { return n; }; };
        std::vector<Member> members = {
            {"general text", Place::Properties, kGeneral, {IDC_GENERAL_TEXTS[0]}, longText(GENERAL_TEXT_MAX + 1), text(s.strProject[0])},
            {"show at new file", Place::Properties, kGeneral, {IDC_SHOW_AT_NEW_FILE}, {"2", "-1"}, {}, number(s.bShowAtNewFile)},
            {"comment", Place::Properties, kComment, {IDC_COMMENT_EDIT}, longText(4096), text(s.strComment)},
            {"program name", Place::Properties, kParameter, {IDC_PROGRAM_NAME}, longText(PROGRAM_NAME_MAX + 1), text(s.strProgramName)},
            {"redundancy", Place::Properties, kParameter, {IDC_REDUNDANCY}, kIndexes, {}, number(s.nRedundancy)},
            {"sync time", Place::Properties, kParameter, {IDC_SYNC_TIME}, kNumbers, {}, number(s.nSyncTime)},
            {"AI0 range", Place::Properties, kParameter, {IDC_AI0_RANGE}, kIndexes, {}, number(s.analog.nAiRangeType[0])},
            {"AI1 range", Place::Properties, kParameter, {IDC_AI1_RANGE}, kIndexes, {}, number(s.analog.nAiRangeType[1])},
            {"keep AQ values", Place::Properties, kParameter, {IDC_KEEP_AQ_VALUES}, {"2", "-1"}, {}, number(s.analog.bKeepAqValues)},
            {"AQ fixed value", Place::FixedValue, kParameter, {IDC_FIXED_VALUE_FIRST}, kReals, {}, {}, {}, [&s]() -> double& { return s.analog.dAqFixedValue[0]; }},
            {"AQ range type", Place::RangeType, kParameter, {IDC_RANGE_TYPE_FIRST}, kBytes, {}, {}, {}, {}, [&s]() -> BYTE& { return s.analog.byAqRangeType[0]; }},
            {"copy protect", Place::Properties, kProtect, {IDC_COPY_PROTECT}, {"2", "-1"}, {}, number(s.bCopyProtect)},
            {"temperature high", Place::Properties, kProtect, {IDC_TEMP_HIGH}, kNumbers, {}, number(s.nTempHigh)},
            {"temperature low", Place::Properties, kProtect, {IDC_TEMP_LOW}, kNumbers, {}, number(s.nTempLow)},
            {"logo file", Place::Properties, kLcd, {IDC_LOGO_FILE}, longText(LOGO_PATH_MAX + 1), text(s.strLogoFile)},
            {"logo inverse", Place::Properties, kLcd, {IDC_LOGO_INVERSE}, {"2", "-1"}, {}, number(s.bLogoInverse)},
            {"LCD language", Place::Properties, kLcd, {IDC_LCD_LANGUAGE}, kIndexes, {}, number(s.lcd.nLanguage)},
            {"logo time", Place::Properties, kLcd, {IDC_LOGO_TIME}, kIndexes, {}, number(s.lcd.nLogoTime)},
            {"LCD contrast", Place::Properties, kLcd, {IDC_LCD_CONTRAST}, kIndexes, {}, number(s.lcd.nContrast)},
            {"LCD backlight", Place::Properties, kLcd, {IDC_LCD_BACKLIGHT}, kIndexes, {}, number(s.lcd.nBacklight)},
            {"character set 1", Place::MsgText, 0, {IDC_MTS_CHARSET1}, kIndexes, {}, number(doc.m_nCharSet1)},
            {"character set 2", Place::MsgText, 0, {IDC_MTS_CHARSET2}, kIndexes, {}, number(doc.m_nCharSet2)},
            {"default set", Place::MsgText, 0, {IDC_MTS_DEFAULT1, IDC_MTS_DEFAULT2}, {"-1", "2", "5"}, {}, number(doc.m_nDefaultCharSet)},
            {"analog filter", Place::MsgText, 0, {IDC_MTS_FILTER}, kIndexes, {}, number(doc.m_nAiFilter)},
            {"scope time", Place::MsgText, 0, {IDC_MTS_SCOPE_TIME}, kNumbers, {}, number(doc.m_nScopeTime)},
            {"ticker character time", Place::MsgText, 0, {IDC_MTS_TICKER_CHAR}, kNumbers, {}, number(doc.m_nTickerCharTime)},
            {"ticker line time", Place::MsgText, 0, {IDC_MTS_TICKER_LINE}, kNumbers, {}, number(doc.m_nTickerLineTime)},
            {"clock hour", Place::Clock, 0, {CDeviceClockDlg::IDC_HOUR}, kNumbers, {}, number(clock.m_nHour)},
            {"clock minute", Place::Clock, 0, {CDeviceClockDlg::IDC_MINUTE}, kNumbers, {}, number(clock.m_nMinute)},
            {"clock second", Place::Clock, 0, {CDeviceClockDlg::IDC_SECOND}, kNumbers, {}, number(clock.m_nSecond)},
            {"calibration", Place::Clock, 0, {CDeviceClockDlg::IDC_CALIBRATION}, kNumbers, {}, number(clock.m_nCalibration)},
            {"summer rule", Place::Summer, 0, {CSummerTimeDlg::IDC_RULE}, kIndexes, {}, number(summer.m_nRule)},
            {"summer start month", Place::Summer, 0, {CSummerTimeDlg::IDC_START_MONTH}, kNumbers, {}, number(summer.m_nStartMonth)},
            {"summer start day", Place::Summer, 0, {CSummerTimeDlg::IDC_START_DAY}, kNumbers, {}, number(summer.m_nStartDay)},
            {"summer end month", Place::Summer, 0, {CSummerTimeDlg::IDC_END_MONTH}, kNumbers, {}, number(summer.m_nEndMonth)},
            {"summer end day", Place::Summer, 0, {CSummerTimeDlg::IDC_END_DAY}, kNumbers, {}, number(summer.m_nEndDay)},
            {"summer difference", Place::Summer, 0, {CSummerTimeDlg::IDC_DIFFERENCE}, kNumbers, {}, number(summer.m_nTimeDiff)},
            {"WiFi device mode", Place::Wifi, 0, {CWifiSetupDlg::IDC_DEVICE_MODE}, kIndexes, {}, number(wifi.m_nDeviceMode)},
            {"WiFi channel", Place::Wifi, 0, {CWifiSetupDlg::IDC_CHANNEL}, kIndexes, {}, number(wifi.m_nChannel)},
            {"WiFi TX power", Place::Wifi, 0, {CWifiSetupDlg::IDC_TX_POWER}, kIndexes, {}, number(wifi.m_nTxPower)},
            {"WiFi device ID", Place::Wifi, 0, {CWifiSetupDlg::IDC_DEVICE_ID}, kNumbers, {}, {}, unsignedNumber(wifi.m_nDeviceID)},
            {"WiFi local port", Place::Wifi, 0, {CWifiSetupDlg::IDC_LOCAL_PORT}, kNumbers, {}, {}, unsignedNumber(wifi.m_nLocalPort)},
            {"WiFi remote port", Place::Wifi, 0, {CWifiSetupDlg::IDC_REMOTE_PORT}, kNumbers, {}, {}, unsignedNumber(wifi.m_nRemotePort)},
            {"WiFi address mode", Place::Wifi, 0, {CWifiSetupDlg::IDC_DHCP, CWifiSetupDlg::IDC_FIXED_IP}, {"-1", "2", "7"}, {}, number(wifi.m_nAddressMode)},
            {"WiFi SSID", Place::Wifi, 0, {CWifiSetupDlg::IDC_SSID}, longText(WIFI_SSID_MAX + 1), text(wifi.m_strSSID)},
            {"WiFi password", Place::Wifi, 0, {CWifiSetupDlg::IDC_PASSWORD}, longText(WIFI_PASSWORD_MAX + 1), text(wifi.m_strPassword)},
            {"remote TX power", Place::RemoteWifi, 0, {CRemoteWifiDlg::IDC_TX_POWER}, kIndexes, {}, number(remote.m_nTxPower)},
            {"remote mode", Place::RemoteWifi, 0, {CRemoteWifiDlg::IDC_MODE}, kIndexes, {}, number(remote.m_nMode)},
            {"remote sleep mode", Place::RemoteWifi, 0, {CRemoteWifiDlg::IDC_SLEEP}, kIndexes, {}, number(remote.m_nSleepMode)},
            {"remote device ID", Place::RemoteWifi, 0, {CRemoteWifiDlg::IDC_DEVICE_ID}, kNumbers, {}, number(remote.m_nDeviceID)},
            {"remote LED on", Place::RemoteWifi, 0, {CRemoteWifiDlg::IDC_LED_ON}, kNumbers, {}, number(remote.m_nLedOnTime)},
            {"remote LED off", Place::RemoteWifi, 0, {CRemoteWifiDlg::IDC_LED_OFF}, kNumbers, {}, number(remote.m_nLedOffTime)},
            {"remote SSID", Place::RemoteWifi, 0, {CRemoteWifiDlg::IDC_SSID}, longText(WIFI_SSID_MAX + 1), text(remote.m_strSSID)},
            {"remote password", Place::RemoteWifi, 0, {CRemoteWifiDlg::IDC_PASSWORD}, longText(WIFI_PASSWORD_MAX + 1), text(remote.m_strPassword)},
            {"remote key password", Place::RemoteWifi, 0, {CRemoteWifiDlg::IDC_KEY_PASSWORD}, {"1234561", "789"}, text(remote.m_strKeyPassword)},
        };
        for (int i = 0; i < COM_PORT_COUNT; ++i) {
            ComPortSettings& com = s.com[i];
            for (auto [pszName, nID, pField] : {std::tuple{"COM model", IDC_COM_MODEL, &com.nModel},
                                                 std::tuple{"COM protocol", IDC_COM_PROTOCOL, &com.nProtocol},
                                                 std::tuple{"COM address", IDC_COM_ADDRESS, &com.nAddress},
                                                 std::tuple{"COM baud", IDC_COM_BAUD, &com.nBaudIndex},
                                                 std::tuple{"COM parity", IDC_COM_PARITY, &com.nParityDataStop},
                                                 std::tuple{"COM timeout", IDC_COM_TIMEOUT, &com.nTimeout},
                                                 std::tuple{"COM delay", IDC_COM_DELAY, &com.nDelay},
                                                 std::tuple{"COM data register", IDC_COM_DATA_REGISTER, &com.nDataRegister}}) {
                const bool bIndex = nID != IDC_COM_ADDRESS && nID != IDC_COM_TIMEOUT && nID != IDC_COM_DELAY;
                members.push_back({pszName, Place::Properties, kCom0 + i, {nID}, bIndex ? kIndexes : kNumbers, {}, number(*pField)});
            }
        }
        return members;
    }

    std::vector<std::string> m_texts;
    WORD m_wOldCode = 0;
    bool m_bRefused = false;
};

bool IsDevice(Place place) { return place >= Place::Clock; }

TEST_F(UntouchedDialogsTest, AnUntouchedOkStoresAndSendsWhatWasThere)
{
    const std::vector<Member> members = Members();
    int nRows = 0;
    std::vector<std::string> failed;
    for (const Member& m : members) {
        for (const char* pszValue : m.values) {
            for (const bool bOk : {true, false}) {
                if (!bOk && !IsDevice(m.place))
                    continue;
                SoundDeviceValues();
                const CString strGiven = CString::FromUtf8(pszValue);
                Write(m, strGiven);
                const CString strBefore = Read(m);
                Doc().SetModifiedFlag(FALSE);
                CString strShown;
                const bool bRefused = RunUntouched(m, bOk, strShown);
                const CString strStored = Read(m);
                ++nRows;
                // Unchanged; or shown as stored, the document marked changed (a device dialog
                // has no document: what it sends is what it shows); or refused over a value
                // shown whole. Cancel changes nothing.
                const bool bSound = strStored == strBefore ||
                                    (bOk && !bRefused && strStored == strShown && (IsDevice(m.place) || Doc().IsModified()));
                const bool bVisibleRefusal = bRefused && strStored == strBefore && strShown == strBefore;
                const bool bRefusalOk = !bRefused || bVisibleRefusal || !bOk;
                if (!bSound || !bRefusalOk)
                    failed.push_back(std::string(m.pszName) + (bOk ? " OK " : " Cancel ") + pszValue + ": shown '" +
                                     strShown.ToUtf8() + "' stored '" + strStored.ToUtf8() + "'" +
                                     (bRefused ? " refused" : ""));
                m_boxes.Clear();
                Write(m, strBefore);
            }
        }
    }
    EXPECT_GT(nRows, 300);
    EXPECT_EQ(failed, std::vector<std::string>{});
}

}  // namespace
