// The device dialogs in the running application, on both backends: the clock fields' clamping,
// the summer/winter time dates and enabled states, the WiFi dialogs' character filters, device
// modes and checks, which settings request each button posts to the main window, and what a
// simulated controller receives after it gave values a dialog cannot show.
#include "controller/DeviceClockDlg.h"
#include "controller/RemoteWifiDlg.h"
#include "controller/SettingMask.h"
#include "controller/SummerTimeDlg.h"
#include "controller/WifiSetupDlg.h"
#include "pages/controls/DateSelectDlg.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/comm/SerialPortNames.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/MessageQueue.h"
#include "protocol/ModBus.h"
#include "protocol/PlcOperation.h"
#include "shell/MainFrame.h"
#include "support/RunningApp.h"
#include "support/SimulatedController.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class DeviceDialogsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_app.Start()); }
    void TearDown() override { m_app.Close(); }

    static CMainFrame* Frame() { return AfxGetMainFrame(); }
    static void Click(CDialog& dlg, UINT nID) { dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0); }
    static CEdit& Edit(CDialog& dlg, UINT nID) { return *dynamic_cast<CEdit*>(dlg.GetDlgItem(int(nID))); }
    static CComboBox& Combo(CDialog& dlg, UINT nID) { return *dynamic_cast<CComboBox*>(dlg.GetDlgItem(int(nID))); }
    // The user types into the field: it has the focus and its text becomes strText.
    static void Type(CDialog& dlg, UINT nID, LPCTSTR pszText)
    {
        CEdit& edit = Edit(dlg, nID);
        edit.SetFocus();
        edit.UserEdit(pszText, CString(pszText).GetLength());
    }
    static std::string Text(CDialog& dlg, UINT nID)
    {
        CString strText;
        dlg.GetDlgItemText(int(nID), strText);
        return strText.ToUtf8();
    }
    // What the field shows after the user typed pszText into it.
    static std::string Typed(CDialog& dlg, UINT nID, LPCTSTR pszText)
    {
        Type(dlg, nID, pszText);
        return Text(dlg, nID);
    }
    static BOOL Enabled(CDialog& dlg, UINT nID) { return dlg.GetDlgItem(int(nID))->IsWindowEnabled(); }
    // Opens the dialog's window and drops what was posted before.
    template <class Dialog>
    static bool Open(Dialog& dlg)
    {
        return dlg.Create(Frame()) && (PostedMasks(), true);
    }
    // The masks of the settings requests posted since the last call; every other posted
    // message (a dialog's closing) is delivered.
    static std::vector<UINT> PostedMasks()
    {
        std::vector<UINT> masks;
        MSG msg{};
        while (CMessageQueue::Get().Take(msg)) {
            if (msg.message == WM_PLC_COMMAND)
                masks.push_back(UINT(msg.lParam));
            else if (msg.hwnd)
                SendMessage(msg.hwnd, msg.message, msg.wParam, msg.lParam);
        }
        return masks;
    }
    std::vector<std::string> BoxTexts()
    {
        std::vector<std::string> texts;
        for (const auto& box : m_boxes.Boxes())
            texts.push_back(box.text.ToUtf8());
        m_boxes.Clear();
        return texts;
    }
    // The boxes a click on OK raised.
    std::vector<std::string> OkBoxes(CDialog& dlg)
    {
        Click(dlg, IDOK);
        return BoxTexts();
    }

    RunningApp m_app{"qarvo-devdlg", RunningApp::BackendOfTheRun()};
    CMessageBoxRecorder m_boxes;
};

TEST_F(DeviceDialogsTest, ClockFieldsClampAndButtonsPost)
{
    CDeviceClockDlg& dlg = Frame()->m_dlgDeviceClock;
    ASSERT_TRUE(Open(dlg));
    struct Case {
        UINT nID;
        LPCTSTR pszTyped;
        const char* pszShown;
    };
    for (const Case& c : {Case{CDeviceClockDlg::IDC_MINUTE, _T("75"), "59"}, Case{CDeviceClockDlg::IDC_HOUR, _T(""), "0"},
                          Case{CDeviceClockDlg::IDC_HOUR, _T("24"), "23"}, Case{CDeviceClockDlg::IDC_SECOND, _T("-3"), "0"},
                          Case{CDeviceClockDlg::IDC_SECOND, _T("59"), "59"}}) {
        EXPECT_EQ(Typed(dlg, c.nID, c.pszTyped), c.pszShown);
    }
    Click(dlg, CDeviceClockDlg::IDC_WRITE);
    EXPECT_EQ(PostedMasks(), std::vector<UINT>{SETTING_CLOCK_WRITE});
    EXPECT_EQ(dlg.m_nMinute, 59);
    EXPECT_EQ(dlg.m_nSecond, 59);

    // Read and Get take nothing from the fields; Write and Set check them first.
    Type(dlg, CDeviceClockDlg::IDC_CALIBRATION, _T("x"));
    Click(dlg, CDeviceClockDlg::IDC_SET);
    Click(dlg, CDeviceClockDlg::IDC_GET);
    Click(dlg, CDeviceClockDlg::IDC_READ);
    EXPECT_EQ(PostedMasks(), (std::vector<UINT>{SETTING_CALIB_READ, SETTING_CLOCK_READ}));
    EXPECT_EQ(BoxTexts().size(), 1u);
    Type(dlg, CDeviceClockDlg::IDC_CALIBRATION, _T("-7"));
    Click(dlg, CDeviceClockDlg::IDC_SET);
    EXPECT_EQ(PostedMasks(), std::vector<UINT>{SETTING_CALIB_WRITE});
    EXPECT_EQ(dlg.m_nCalibration, -7);

    // A read shows the controller's date, with the weekday of that date.
    dlg.m_nYear = 2030;
    dlg.m_nMonth = 6;
    dlg.m_nDay = 9;
    dlg.m_nHour = 7;
    dlg.ShowReadClock();
    EXPECT_EQ(dlg.m_nDayOfWeek, 0);
    EXPECT_EQ(Text(dlg, CDeviceClockDlg::IDC_HOUR), "7");
    // Cancel's own button outlives its click: the window hides now and goes from the queue.
    dynamic_cast<CButton*>(dlg.GetDlgItem(IDCANCEL))->Click();
    ASSERT_NE(dlg.m_hWnd, nullptr);
    EXPECT_FALSE(dlg.IsWindowVisible());
    PostedMasks();
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_nCalibration, -7);
}

// What the controller gives and the dialogs cannot show; what a write sends is what they show.
TEST_F(DeviceDialogsTest, ControllerValuesTheDialogsCannotShowAreNotSent)
{
    ResetSerialPortNumbers();
    SimulatedController controller(0x5288);
    Frame()->Session().SetPortNumber(SerialPortNumberOf(CString::FromUtf8(controller.Path())));
    const auto sent = [&controller](BYTE byFunction) {
        std::vector<SimulatedController::Bytes> frames;
        for (const auto& request : controller.Requests()) {
            if (request[1] == byFunction)
                frames.push_back(request);
        }
        return frames;
    };
    // The clock record's words: day of the week, year, month, day, hour, minute, second.
    const auto clockWords = [](const SimulatedController::Bytes& frame) {
        std::vector<int> words;
        for (std::size_t i = 7; i + 3 < frame.size(); i += 2)
            words.push_back(frame[i] << 8 | frame[i + 1]);
        return words;
    };
    // A click whose posted request the main window then carries out.
    const auto press = [](CDialog& dlg, UINT nID) {
        Click(dlg, nID);
        AfxGetThread()->PumpPending();
    };
    CDeviceClockDlg& clock = Frame()->m_dlgDeviceClock;
    ASSERT_TRUE(clock.Create(Frame()));
    // A calibration that Set refuses leaves the clock's Write alone.
    controller.SetRegister(263, 45);
    press(clock, CDeviceClockDlg::IDC_GET);
    EXPECT_EQ(Text(clock, CDeviceClockDlg::IDC_CALIBRATION), "45");
    struct Case {
        std::vector<int> read;   // year, month, day, hour, minute, second
        bool bShown;
        std::vector<int> written;   // day of the week, year .. second
    };
    const Case cases[] = {
        {{2005, 6, 15, 10, 20, 30}, false, {0, 2030, 6, 9, 10, 20, 30}},
        {{0, 0, 0, 0, 0, 0}, false, {0, 2030, 6, 9, 0, 0, 0}},
        {{2026, 2, 29, 1, 2, 3}, false, {0, 2030, 6, 9, 1, 2, 3}},
        {{2031, 3, 4, 7, 8, 9}, true, {2, 2031, 3, 4, 7, 8, 9}},
        {{2030, 1, 2, 25, 61, 60}, true, {3, 2030, 1, 2, 23, 59, 59}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.read[0]);
        dynamic_cast<CDateTimeCtrl*>(clock.GetDlgItem(int(CDeviceClockDlg::IDC_DATE)))
            ->UserSetTime(SYSTEMTIME{2030, 6, 0, 9, 12, 0, 0, 0});
        for (std::size_t i = 0; i < 6; ++i)
            controller.SetRegister(WORD(SimulatedController::kClockRegister + i), WORD(c.read[i]));
        BoxTexts();
        press(clock, CDeviceClockDlg::IDC_READ);
        const std::vector<std::string> boxes = BoxTexts();
        EXPECT_EQ(boxes.empty(), c.bShown);
        if (!boxes.empty()) {
            EXPECT_NE(boxes[0].find("cannot be shown"), std::string::npos) << boxes[0];
        }
        press(clock, CDeviceClockDlg::IDC_WRITE);
        ASSERT_FALSE(sent(FC_SET_CLOCK).empty());
        EXPECT_EQ(clockWords(sent(FC_SET_CLOCK).back()), c.written);
    }
    press(clock, CDeviceClockDlg::IDC_SET);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Please enter an integer between -30 and 30."});
    EXPECT_TRUE(sent(FC_SET_CALIBRATION).empty());
    press(clock, IDCANCEL);

    // A rule chosen and cancelled in the summer/winter time dialog: the WiFi write sends the
    // controller's own rule (EU).
    controller.SetMemory(SimulatedController::kDstAddress, {2, 0, 10, 0, 25, 0, 3, 0, 28, 0, 60, 0});
    controller.SetRegister(9162, 'H');
    Frame()->SendMessage(WM_PLC_COMMAND, PLC_OP_WIFI_SETUP, 0);
    ASSERT_NE(Frame()->m_dlgWifiSetup.GetSafeHwnd(), nullptr);
    Frame()->SendMessage(WM_PLC_COMMAND, PLC_OP_SUMMER_TIME, 0);
    CSummerTimeDlg& summer = Frame()->m_dlgSummerTime;
    ASSERT_NE(summer.GetSafeHwnd(), nullptr);
    Combo(summer, CSummerTimeDlg::IDC_RULE).UserSelect(2);
    press(summer, IDCANCEL);
    press(Frame()->m_dlgWifiSetup, IDOK);
    ASSERT_FALSE(sent(FC_WRITE_CONFIG).empty());
    EXPECT_EQ(sent(FC_WRITE_CONFIG).back()[2], 2) << "the mode byte of EU";
    EXPECT_EQ(summer.m_nRule, 0);
    Frame()->Session().ClosePort();
    ResetSerialPortNumbers();
}

TEST_F(DeviceDialogsTest, SummerTimeDatesAndEnabledState)
{
    CSummerTimeDlg& dlg = Frame()->m_dlgSummerTime;
    dlg.m_bActive = TRUE;
    dlg.m_nRule = DST_RULE_FREE;
    ASSERT_TRUE(Open(dlg));
    EXPECT_TRUE(Enabled(dlg, CSummerTimeDlg::IDC_START_DAY));
    // The day follows its month as soon as the month is entered, and the other way round.
    Type(dlg, CSummerTimeDlg::IDC_START_DAY, _T("31"));
    Type(dlg, CSummerTimeDlg::IDC_START_MONTH, _T("2"));
    EXPECT_EQ(Text(dlg, CSummerTimeDlg::IDC_START_DAY), "28");
    EXPECT_EQ(Typed(dlg, CSummerTimeDlg::IDC_END_MONTH, _T("13")), "12");
    Type(dlg, CSummerTimeDlg::IDC_END_MONTH, _T("4"));
    EXPECT_EQ(Typed(dlg, CSummerTimeDlg::IDC_END_DAY, _T("31")), "30");
    EXPECT_EQ(Typed(dlg, CSummerTimeDlg::IDC_END_DAY, _T("0")), "1");
    EXPECT_EQ(Typed(dlg, CSummerTimeDlg::IDC_DIFFERENCE, _T("200")), "180");

    // A fixed rule keeps the dates and difference the fields hold, disabled, and they travel.
    const auto shownDates = [&dlg] {
        return Text(dlg, CSummerTimeDlg::IDC_START_MONTH) + "." + Text(dlg, CSummerTimeDlg::IDC_START_DAY) + "-" +
               Text(dlg, CSummerTimeDlg::IDC_END_MONTH) + "." + Text(dlg, CSummerTimeDlg::IDC_END_DAY) + "/" +
               Text(dlg, CSummerTimeDlg::IDC_DIFFERENCE);
    };
    for (const int nRule : {0, 2, 5, int(DST_RULE_FREE)}) {
        Combo(dlg, CSummerTimeDlg::IDC_RULE).UserSelect(nRule);
        EXPECT_EQ(shownDates(), "2.28-4.1/180") << nRule;
        EXPECT_EQ(Enabled(dlg, CSummerTimeDlg::IDC_START_MONTH), nRule == DST_RULE_FREE);
        EXPECT_EQ(Enabled(dlg, CSummerTimeDlg::IDC_DIFFERENCE_SPIN), nRule == DST_RULE_FREE);
    }
    Combo(dlg, CSummerTimeDlg::IDC_RULE).UserSelect(0);
    Click(dlg, IDOK);
    EXPECT_EQ(PostedMasks(), std::vector<UINT>{SETTING_DST_WRITE});
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_nRule, 0);
    EXPECT_EQ(dlg.m_nStartMonth, 2);
    EXPECT_EQ(dlg.m_nStartDay, 28);
    EXPECT_EQ(dlg.m_nTimeDiff, 180);

    // Read back with the "EU" rule and dates of the controller's own, the dialog shows those.
    dlg.m_nStartMonth = dlg.m_nStartDay = dlg.m_nEndMonth = dlg.m_nEndDay = 1;
    dlg.m_nTimeDiff = 0;
    ASSERT_TRUE(dlg.Create(Frame()));
    EXPECT_EQ(shownDates(), "1.1-1.1/0");
    Click(dlg, IDCANCEL);
    PostedMasks();

    // The date selection fills the pair it was opened for, starting from the fields.
    dlg.m_nRule = DST_RULE_FREE;
    dlg.m_nStartMonth = 2;
    dlg.m_nEndMonth = 4;
    ASSERT_TRUE(dlg.Create(Frame()));
    int nShownMonth = 0;
    CDialog::SetDialogHook([&](CDialog& d) {
        auto& pick = dynamic_cast<CDateSelectDlg&>(d);
        nShownMonth = pick.m_nMonth2;
        pick.m_nMonth2 = 10;
        pick.m_nDay2 = 25;
        d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    Click(dlg, CSummerTimeDlg::IDC_END_PICK);
    CDialog::SetDialogHook(nullptr);
    EXPECT_EQ(nShownMonth, 4);
    EXPECT_EQ(Text(dlg, CSummerTimeDlg::IDC_END_MONTH), "10");
    EXPECT_EQ(Text(dlg, CSummerTimeDlg::IDC_END_DAY), "25");
    EXPECT_EQ(Text(dlg, CSummerTimeDlg::IDC_START_MONTH), "2");
    Click(dlg, IDCANCEL);
    PostedMasks();

    // Conversion off: disabled whatever the rule.
    dlg.m_bActive = FALSE;
    dlg.m_nRule = DST_RULE_FREE;
    ASSERT_TRUE(dlg.Create(Frame()));
    EXPECT_FALSE(Enabled(dlg, CSummerTimeDlg::IDC_END_DAY));
    dynamic_cast<CButton*>(dlg.GetDlgItem(int(CSummerTimeDlg::IDC_ACTIVE)))->Click();
    EXPECT_TRUE(Enabled(dlg, CSummerTimeDlg::IDC_END_DAY));
    Click(dlg, IDCANCEL);
    EXPECT_TRUE(PostedMasks().empty());
}

TEST_F(DeviceDialogsTest, WifiFilterModesAndChecks)
{
    CWifiSetupDlg& dlg = Frame()->m_dlgWifiSetup;
    dlg.m_nDeviceMode = 1;
    dlg.m_nDeviceID = 9;
    dlg.m_bEncryption = FALSE;
    dlg.m_strPassword = _T("abc");
    ASSERT_TRUE(Open(dlg));
    // Station: 9 is no station's ID.
    EXPECT_EQ(Text(dlg, CWifiSetupDlg::IDC_DEVICE_ID), "1");
    EXPECT_FALSE(dlg.GetDlgItem(int(CWifiSetupDlg::IDC_IP))->IsWindowVisible());
    Type(dlg, CWifiSetupDlg::IDC_SSID, _T("ab"));
    EXPECT_EQ(Typed(dlg, CWifiSetupDlg::IDC_SSID, _T("ab-c")), "ab");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Every character must be A - Z, a - z, and 0 - 9"});
    // The program's own changes are not filtered.
    dlg.SetDlgItemText(int(CWifiSetupDlg::IDC_PASSWORD), _T("x y"));
    EXPECT_EQ(Text(dlg, CWifiSetupDlg::IDC_PASSWORD), "x y");
    dlg.SetDlgItemText(int(CWifiSetupDlg::IDC_PASSWORD), _T("abc"));

    Type(dlg, CWifiSetupDlg::IDC_DEVICE_ID, _T("9"));
    EXPECT_EQ(OkBoxes(dlg), std::vector<std::string>{"Please enter a Number between 1 and 7"});
    Type(dlg, CWifiSetupDlg::IDC_SSID, _T(""));
    EXPECT_EQ(OkBoxes(dlg), std::vector<std::string>{"Enter 1 numerics or characters at least!"});
    Type(dlg, CWifiSetupDlg::IDC_SSID, _T("Hall"));
    dynamic_cast<CButton*>(dlg.GetDlgItem(int(CWifiSetupDlg::IDC_ENCRYPTION)))->Click();
    EXPECT_EQ(OkBoxes(dlg), std::vector<std::string>{"Enter 8 numerics or characters at least!"});
    dynamic_cast<CButton*>(dlg.GetDlgItem(int(CWifiSetupDlg::IDC_ENCRYPTION)))->Click();
    EXPECT_TRUE(PostedMasks().empty());

    // Remote: the addresses show, and a fixed address enables them.
    Combo(dlg, CWifiSetupDlg::IDC_DEVICE_MODE).UserSelect(3);
    EXPECT_TRUE(dlg.GetDlgItem(int(CWifiSetupDlg::IDC_IP))->IsWindowVisible());
    dynamic_cast<CButton*>(dlg.GetDlgItem(int(CWifiSetupDlg::IDC_FIXED_IP)))->Click();
    EXPECT_TRUE(Enabled(dlg, CWifiSetupDlg::IDC_IP));
    dlg.SetDlgItemText(int(CWifiSetupDlg::IDC_IP), _T("10.0.300.1"));
    Type(dlg, CWifiSetupDlg::IDC_DEVICE_ID, _T("200"));
    EXPECT_EQ(OkBoxes(dlg), std::vector<std::string>{"Please enter a Number between 0 and 255"});
    dlg.SetDlgItemText(int(CWifiSetupDlg::IDC_IP), _T("10.0.30.1"));

    // Server: the ID is 0 and not checked; a short password passes without encryption.
    Combo(dlg, CWifiSetupDlg::IDC_DEVICE_MODE).UserSelect(0);
    EXPECT_EQ(Text(dlg, CWifiSetupDlg::IDC_DEVICE_ID), "0");
    EXPECT_FALSE(Enabled(dlg, CWifiSetupDlg::IDC_DEVICE_ID));
    EXPECT_TRUE(OkBoxes(dlg).empty());
    EXPECT_EQ(PostedMasks(), std::vector<UINT>{SETTING_WIFI_WRITE});
    EXPECT_EQ(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_nDeviceID, 0u);
    EXPECT_EQ(dlg.m_ip[2], 30);
    EXPECT_EQ(dlg.m_nAddressMode, 1);
}

// A server's module reads its ports back as 0: the hidden port fields do not stop OK, and the
// ports go back to the module as they came.
TEST_F(DeviceDialogsTest, WifiHiddenPortsOutOfRangeAreWrittenBackAsRead)
{
    CWifiSetupDlg& dlg = Frame()->m_dlgWifiSetup;
    dlg.m_nLocalPort = dlg.m_nRemotePort = 0;
    ASSERT_TRUE(Open(dlg));
    EXPECT_TRUE(OkBoxes(dlg).empty());
    EXPECT_EQ(PostedMasks(), std::vector<UINT>{SETTING_WIFI_WRITE});
    EXPECT_EQ(std::make_pair(dlg.m_nLocalPort, dlg.m_nRemotePort), std::make_pair(0u, 0u));
}

TEST_F(DeviceDialogsTest, RemoteWifiKeyFilterAndRepeatedWrites)
{
    CRemoteWifiDlg& dlg = Frame()->m_dlgRemoteWifi;
    dlg.m_nTxPower = -1;
    dlg.m_nSleepMode = 9;
    ASSERT_TRUE(Open(dlg));
    EXPECT_EQ(Combo(dlg, CRemoteWifiDlg::IDC_TX_POWER).GetCurSel(), 0);
    EXPECT_EQ(Combo(dlg, CRemoteWifiDlg::IDC_SLEEP).GetCurSel(), 0);
    Type(dlg, CRemoteWifiDlg::IDC_KEY_PASSWORD, _T("12"));
    EXPECT_EQ(Typed(dlg, CRemoteWifiDlg::IDC_KEY_PASSWORD, _T("127")), "12");
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Every character must be 1 - 6"});
    // OK writes and keeps the window for another write.
    Click(dlg, IDOK);
    Type(dlg, CRemoteWifiDlg::IDC_LED_ON, _T("5"));
    EXPECT_EQ(OkBoxes(dlg).size(), 1u);
    Type(dlg, CRemoteWifiDlg::IDC_LED_ON, _T("500"));
    Type(dlg, CRemoteWifiDlg::IDC_KEY_PASSWORD, _T(""));
    EXPECT_TRUE(OkBoxes(dlg).empty()) << "an empty key has no character to refuse";
    EXPECT_TRUE(dlg.m_strKeyPassword.IsEmpty());
    Type(dlg, CRemoteWifiDlg::IDC_KEY_PASSWORD, _T("6"));
    Click(dlg, IDOK);
    EXPECT_EQ(PostedMasks(), (std::vector<UINT>{SETTING_REMOTE_WIFI_WRITE, SETTING_REMOTE_WIFI_WRITE,
                                                SETTING_REMOTE_WIFI_WRITE}));
    EXPECT_NE(dlg.m_hWnd, nullptr);
    EXPECT_EQ(dlg.m_nLedOnTime, 500);
    EXPECT_EQ(dlg.m_strKeyPassword, CString(_T("6")));

    // Factory reset asks first; No keeps everything.
    m_boxes.QueueAnswer(IDNO);
    Click(dlg, CRemoteWifiDlg::IDC_FACTORY_RESET);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"Make sure to factory reset?"});
    EXPECT_NE(dlg.m_hWnd, nullptr);
    // Closed, then opened again before the queue came round: the new window stays.
    Click(dlg, IDCANCEL);
    ASSERT_TRUE(Open(dlg));
    EXPECT_TRUE(dlg.IsWindowVisible());
    Click(dlg, IDCANCEL);
    PostedMasks();
    EXPECT_EQ(dlg.m_hWnd, nullptr);
}

}  // namespace
