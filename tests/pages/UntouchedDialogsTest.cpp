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

#include <sstream>
#include <string>
#include <variant>
#include <vector>

namespace {

enum class Place { Properties, FixedValue, RangeType, MsgText, Clock, Summer, Wifi, RemoteWifi };
bool IsDevice(Place place) { return place >= Place::Clock; }

using Field = std::variant<CString*, int*, UINT*, double*, BYTE*>;

struct Member {
    const char* pszName;
    Place place;
    int nPage;             // the Properties page that shows the control
    std::vector<int> ids;  // the control; a radio group's buttons in the order of their values
    std::vector<std::string> values;
    Field field;
};

CString Read(const Field& field)
{
    return std::visit([](auto* p) {
        if constexpr (std::is_same_v<decltype(p), CString*>)
            return *p;
        else
            return CString::FromUtf8((std::ostringstream() << +*p).str());
    }, field);
}

void Write(const Field& field, const std::string& value)
{
    std::visit([&](auto* p) {
        if constexpr (std::is_same_v<decltype(p), CString*>)
            *p = CString::FromUtf8(value);
        else
            *p = static_cast<std::remove_pointer_t<decltype(p)>>(std::stod(value));
    }, field);
}

CString Number(int n) { return CString::FromUtf8(std::to_string(n)); }

class UntouchedDialogsTest : public PageFixture {
protected:
    void SetUp() override
    {
        PageFixture::SetUp();
        Doc().m_wHardwareCode = g_wHardwareCode = 0x5288;
    }

    // What the control shows of the member: a list's line or a radio group's button as the
    // value it stands for, an edit's text; nothing for a hidden control or no choice.
    static CString Shown(CDialog& dlg, const Member& m)
    {
        if (!PageFixture::Shown(dlg, m.ids[0]))
            return CString();
        if (m.ids.size() > 1) {
            for (size_t i = 0; i < m.ids.size(); ++i) {
                if (dlg.IsDlgButtonChecked(m.ids[i]) == BST_CHECKED)
                    return Number(int(i));
            }
            return CString();
        }
        if (auto* pCombo = dynamic_cast<CComboBox*>(dlg.GetDlgItem(m.ids[0])))
            return pCombo->GetCurSel() < 0 ? CString() : Number(pCombo->GetCurSel());
        return Text(dlg, m.ids[0]);
    }

    // Opens the member's dialog, notes what the control shows, and closes it with OK (Write)
    // or Cancel. Returns whether OK was refused with a message.
    bool RunUntouched(const Member& m, bool bOk, CString& strShown)
    {
        bool bRefused = false;
        // The button; a message it raises refuses, and Cancel follows as the user would.
        const auto close = [&](CDialog& dlg, UINT nOk) {
            strShown = strShown.IsEmpty() ? Shown(dlg, m) : strShown;
            const size_t nBoxes = m_boxes.Boxes().size();
            dlg.SendMessage(WM_COMMAND, MAKEWPARAM(bOk ? nOk : UINT(IDCANCEL), BN_CLICKED), 0);
            bRefused = m_boxes.Boxes().size() > nBoxes;
            if (bRefused && dlg.GetSafeHwnd())
                dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        };
        if (!IsDevice(m.place)) {
            CDialog::SetDialogHook([&](CDialog& dlg) {
                auto* pSheet = dynamic_cast<CPropertiesPropSh*>(&dlg);
                if (pSheet && m.place != Place::Properties) {
                    pSheet->SetActivePage(m.nPage);
                    Click(*pSheet->GetActivePage(), m.place == Place::FixedValue ? IDC_FIXED_VALUE_BUTTON : IDC_VALUE_RANGE_BUTTON);
                } else if (pSheet) {
                    pSheet->SetActivePage(m.nPage);
                    strShown = Shown(*pSheet->GetActivePage(), m);
                }
                close(dlg, IDOK);
            });
            Command(m.place == Place::MsgText ? ID_FILE_MSGTEXT_SETTINGS : ID_FILE_PROPERTIES);
            CDialog::SetDialogHook(nullptr);
            return bRefused;
        }
        CMainFrame& frame = *Frame();
        const auto open = [&frame](auto& dlg) -> CDeviceToolDialog& {
            dlg.Create(&frame);
            return dlg;
        };
        // The clock's values come in by a read, after the dialog is made.
        const DeviceClockValues given = frame.m_dlgDeviceClock;
        CDeviceToolDialog& dlg = m.place == Place::Clock    ? open(frame.m_dlgDeviceClock)
                                 : m.place == Place::Summer ? open(frame.m_dlgSummerTime)
                                 : m.place == Place::Wifi   ? open(frame.m_dlgWifiSetup)
                                                            : open(frame.m_dlgRemoteWifi);
        if (m.place == Place::Clock) {
            static_cast<DeviceClockValues&>(frame.m_dlgDeviceClock) = given;
            frame.m_dlgDeviceClock.RefreshFields();
        }
        EXPECT_NE(dlg.GetSafeHwnd(), nullptr);
        const bool bCalibration = m.ids[0] == int(CDeviceClockDlg::IDC_CALIBRATION);
        close(dlg, m.place != Place::Clock ? IDOK : bCalibration ? CDeviceClockDlg::IDC_SET : CDeviceClockDlg::IDC_WRITE);
        // The closing and the posted requests: no port is open, so no request is carried out.
        MSG msg{};
        while (CMessageQueue::Get().Take(msg)) {
            if (msg.hwnd && msg.message != WM_PLC_COMMAND)
                SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
        }
        return bRefused;
    }

    // Values that OK does not refuse, so that each row meets only its own member's checks.
    void SoundValues()
    {
        Doc().m_settings.nTempHigh = 32767;
        Doc().m_settings.nTempLow = -32768;
        static_cast<SummerTimeValues&>(Frame()->m_dlgSummerTime) = SummerTimeValues{};
        WifiValues wifi;
        wifi.m_nDeviceMode = CWifiSetupDlg::kModeRemote;
        wifi.m_nDeviceID = 1;
        static_cast<WifiValues&>(Frame()->m_dlgWifiSetup) = wifi;
        static_cast<RemoteWifiValues&>(Frame()->m_dlgRemoteWifi) = RemoteWifiValues{};
        DeviceClockValues clock;
        clock.m_nYear = 2030;
        clock.m_nMonth = clock.m_nDay = 6;
        static_cast<DeviceClockValues&>(Frame()->m_dlgDeviceClock) = clock;
    }

    std::vector<Member> Members() const
    {
        ProgramSettings& s = Doc().m_settings;
        CVetlaDoc& doc = Doc();
        CSummerTimeDlg& summer = Frame()->m_dlgSummerTime;
        CWifiSetupDlg& wifi = Frame()->m_dlgWifiSetup;
        CRemoteWifiDlg& remote = Frame()->m_dlgRemoteWifi;
        CDeviceClockDlg& clock = Frame()->m_dlgDeviceClock;
        const std::vector<std::string> kIndexes = {"-1", "7", "99", "2147483647"};
        const std::vector<std::string> kNumbers = {"-1", "-40000", "70000", "123456789", "2147483647"};
        const std::vector<std::string> kFlags = {"2", "-1"};
        const auto longText = [](int nLength) { return std::vector<std::string>{std::string(size_t(nLength), 'A'), "A-B C"}; };
        using P = CPropertiesPropSh;
        constexpr int kGeneral = P::PAGE_GENERAL, kComment = 1, kParameter = P::PAGE_PARAMETER, kProtect = 3, kLcd = 7;
        constexpr Place kProps = Place::Properties, kMsg = Place::MsgText, kSummer = Place::Summer;
        constexpr Place kWifi = Place::Wifi, kRemote = Place::RemoteWifi;
        std::vector<Member> members = {
            {"general text", kProps, kGeneral, {IDC_GENERAL_TEXTS[0]}, longText(GENERAL_TEXT_MAX + 1), &s.strProject[0]},
            {"show at new file", kProps, kGeneral, {IDC_SHOW_AT_NEW_FILE}, kFlags, &s.bShowAtNewFile},
            {"comment", kProps, kComment, {IDC_COMMENT_EDIT}, longText(4096), &s.strComment},
            {"program name", kProps, kParameter, {IDC_PROGRAM_NAME}, longText(PROGRAM_NAME_MAX + 1), &s.strProgramName},
            {"redundancy", kProps, kParameter, {IDC_REDUNDANCY}, kIndexes, &s.nRedundancy},
            {"sync time", kProps, kParameter, {IDC_SYNC_TIME}, kNumbers, &s.nSyncTime},
            {"AI0 range", kProps, kParameter, {IDC_AI0_RANGE}, kIndexes, &s.analog.nAiRangeType[0]},
            {"AI1 range", kProps, kParameter, {IDC_AI1_RANGE}, kIndexes, &s.analog.nAiRangeType[1]},
            {"keep AQ values", kProps, kParameter, {IDC_KEEP_AQ_VALUES}, kFlags, &s.analog.bKeepAqValues},
            {"AQ fixed value", Place::FixedValue, kParameter, {IDC_FIXED_VALUE_FIRST}, {"123.45", "1e-05", "-1", "12345678"},
             &s.analog.dAqFixedValue[0]},
            {"AQ range type", Place::RangeType, kParameter, {IDC_RANGE_TYPE_FIRST}, {"2", "7", "255"}, &s.analog.byAqRangeType[0]},
            {"copy protect", kProps, kProtect, {IDC_COPY_PROTECT}, kFlags, &s.bCopyProtect},
            {"temperature high", kProps, kProtect, {IDC_TEMP_HIGH}, kNumbers, &s.nTempHigh},
            {"temperature low", kProps, kProtect, {IDC_TEMP_LOW}, kNumbers, &s.nTempLow},
            {"logo file", kProps, kLcd, {IDC_LOGO_FILE}, longText(LOGO_PATH_MAX + 1), &s.strLogoFile},
            {"logo inverse", kProps, kLcd, {IDC_LOGO_INVERSE}, kFlags, &s.bLogoInverse},
            {"LCD language", kProps, kLcd, {IDC_LCD_LANGUAGE}, kIndexes, &s.lcd.nLanguage},
            {"logo time", kProps, kLcd, {IDC_LOGO_TIME}, kIndexes, &s.lcd.nLogoTime},
            {"LCD contrast", kProps, kLcd, {IDC_LCD_CONTRAST}, kIndexes, &s.lcd.nContrast},
            {"LCD backlight", kProps, kLcd, {IDC_LCD_BACKLIGHT}, kIndexes, &s.lcd.nBacklight},
            {"character set 1", kMsg, 0, {IDC_MTS_CHARSET1}, kIndexes, &doc.m_nCharSet1},
            {"character set 2", kMsg, 0, {IDC_MTS_CHARSET2}, kIndexes, &doc.m_nCharSet2},
            {"default set", kMsg, 0, {IDC_MTS_DEFAULT1, IDC_MTS_DEFAULT2}, {"-1", "2", "5"}, &doc.m_nDefaultCharSet},
            {"analog filter", kMsg, 0, {IDC_MTS_FILTER}, kIndexes, &doc.m_nAiFilter},
            {"scope time", kMsg, 0, {IDC_MTS_SCOPE_TIME}, kNumbers, &doc.m_nScopeTime},
            {"ticker character time", kMsg, 0, {IDC_MTS_TICKER_CHAR}, kNumbers, &doc.m_nTickerCharTime},
            {"ticker line time", kMsg, 0, {IDC_MTS_TICKER_LINE}, kNumbers, &doc.m_nTickerLineTime},
            {"clock hour", Place::Clock, 0, {CDeviceClockDlg::IDC_HOUR}, kNumbers, &clock.m_nHour},
            {"clock minute", Place::Clock, 0, {CDeviceClockDlg::IDC_MINUTE}, kNumbers, &clock.m_nMinute},
            {"clock second", Place::Clock, 0, {CDeviceClockDlg::IDC_SECOND}, kNumbers, &clock.m_nSecond},
            {"calibration", Place::Clock, 0, {CDeviceClockDlg::IDC_CALIBRATION}, kNumbers, &clock.m_nCalibration},
            {"summer rule", kSummer, 0, {CSummerTimeDlg::IDC_RULE}, kIndexes, &summer.m_nRule},
            {"summer start month", kSummer, 0, {CSummerTimeDlg::IDC_START_MONTH}, kNumbers, &summer.m_nStartMonth},
            {"summer start day", kSummer, 0, {CSummerTimeDlg::IDC_START_DAY}, kNumbers, &summer.m_nStartDay},
            {"summer end month", kSummer, 0, {CSummerTimeDlg::IDC_END_MONTH}, kNumbers, &summer.m_nEndMonth},
            {"summer end day", kSummer, 0, {CSummerTimeDlg::IDC_END_DAY}, kNumbers, &summer.m_nEndDay},
            {"summer difference", kSummer, 0, {CSummerTimeDlg::IDC_DIFFERENCE}, kNumbers, &summer.m_nTimeDiff},
            {"WiFi device mode", kWifi, 0, {CWifiSetupDlg::IDC_DEVICE_MODE}, kIndexes, &wifi.m_nDeviceMode},
            {"WiFi channel", kWifi, 0, {CWifiSetupDlg::IDC_CHANNEL}, kIndexes, &wifi.m_nChannel},
            {"WiFi TX power", kWifi, 0, {CWifiSetupDlg::IDC_TX_POWER}, kIndexes, &wifi.m_nTxPower},
            {"WiFi device ID", kWifi, 0, {CWifiSetupDlg::IDC_DEVICE_ID}, kNumbers, &wifi.m_nDeviceID},
            {"WiFi local port", kWifi, 0, {CWifiSetupDlg::IDC_LOCAL_PORT}, kNumbers, &wifi.m_nLocalPort},
            {"WiFi remote port", kWifi, 0, {CWifiSetupDlg::IDC_REMOTE_PORT}, kNumbers, &wifi.m_nRemotePort},
            {"WiFi address mode", kWifi, 0, {CWifiSetupDlg::IDC_DHCP, CWifiSetupDlg::IDC_FIXED_IP}, {"-1", "2", "7"},
             &wifi.m_nAddressMode},
            {"WiFi SSID", kWifi, 0, {CWifiSetupDlg::IDC_SSID}, longText(WIFI_SSID_MAX + 1), &wifi.m_strSSID},
            {"WiFi password", kWifi, 0, {CWifiSetupDlg::IDC_PASSWORD}, longText(WIFI_PASSWORD_MAX + 1), &wifi.m_strPassword},
            {"remote TX power", kRemote, 0, {CRemoteWifiDlg::IDC_TX_POWER}, kIndexes, &remote.m_nTxPower},
            {"remote mode", kRemote, 0, {CRemoteWifiDlg::IDC_MODE}, kIndexes, &remote.m_nMode},
            {"remote sleep mode", kRemote, 0, {CRemoteWifiDlg::IDC_SLEEP}, kIndexes, &remote.m_nSleepMode},
            {"remote device ID", kRemote, 0, {CRemoteWifiDlg::IDC_DEVICE_ID}, kNumbers, &remote.m_nDeviceID},
            {"remote LED on", kRemote, 0, {CRemoteWifiDlg::IDC_LED_ON}, kNumbers, &remote.m_nLedOnTime},
            {"remote LED off", kRemote, 0, {CRemoteWifiDlg::IDC_LED_OFF}, kNumbers, &remote.m_nLedOffTime},
            {"remote SSID", kRemote, 0, {CRemoteWifiDlg::IDC_SSID}, longText(WIFI_SSID_MAX + 1), &remote.m_strSSID},
            {"remote password", kRemote, 0, {CRemoteWifiDlg::IDC_PASSWORD}, longText(WIFI_PASSWORD_MAX + 1), &remote.m_strPassword},
            {"remote key password", kRemote, 0, {CRemoteWifiDlg::IDC_KEY_PASSWORD}, {"1234561", "789"}, &remote.m_strKeyPassword},
        };
        for (int i = 0; i < COM_PORT_COUNT; ++i) {
            ComPortSettings& com = s.com[i];
            for (auto [nID, pField] : {std::pair{IDC_COM_MODEL, &com.nModel}, {IDC_COM_PROTOCOL, &com.nProtocol},
                                       {IDC_COM_ADDRESS, &com.nAddress}, {IDC_COM_BAUD, &com.nBaudIndex},
                                       {IDC_COM_PARITY, &com.nParityDataStop}, {IDC_COM_TIMEOUT, &com.nTimeout},
                                       {IDC_COM_DELAY, &com.nDelay}, {IDC_COM_DATA_REGISTER, &com.nDataRegister}}) {
                const bool bNumber = nID == IDC_COM_ADDRESS || nID == IDC_COM_TIMEOUT || nID == IDC_COM_DELAY;
                members.push_back({"COM field", kProps, 4 + i, {nID}, bNumber ? kNumbers : kIndexes, pField});
            }
        }
        return members;
    }
};

TEST_F(UntouchedDialogsTest, AnUntouchedOkStoresAndSendsWhatWasThere)
{
    int nRows = 0;
    for (const Member& m : Members()) {
        for (const std::string& value : m.values) {
            for (const bool bOk : {true, false}) {
                if (!bOk && !IsDevice(m.place))
                    continue;
                ++nRows;
                SoundValues();
                const CString strKept = Read(m.field);
                Write(m.field, value);
                const CString strGiven = Read(m.field);
                Doc().SetModifiedFlag(FALSE);
                CString strShown;
                const bool bRefused = RunUntouched(m, bOk, strShown);
                const CString strStored = Read(m.field);
                // Unchanged; or shown as stored, the document marked changed (a device dialog
                // has no document: what it sends is what it shows); or refused over a value
                // shown whole. Cancel changes nothing.
                const bool bSound = bRefused ? strStored == strGiven && (strShown == strGiven || !bOk)
                                             : strStored == strGiven ||
                                                   (bOk && strStored == strShown && (IsDevice(m.place) || Doc().IsModified()));
                EXPECT_TRUE(bSound) << m.pszName << " " << m.ids[0] << (bOk ? " OK " : " Cancel ") << value << ": shown '"
                                    << strShown.ToUtf8() << "' stored '" << strStored.ToUtf8() << "'"
                                    << (bRefused ? " refused: " + m_boxes.Boxes().back().text.ToUtf8() : "");
                m_boxes.Clear();
                Write(m.field, strKept.ToUtf8());
            }
        }
    }
    EXPECT_GT(nRows, 300);
}

}  // namespace
