// The device operations of the dispatcher against a simulated controller: the lines they write,
// the link-check box on failure, the dialogs they open only after a good read, and the remote
// module's factory reset with its long time-out and its model check.
#include "controller/DeviceOperations.h"

#include "platform/comm/SerialPortNames.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/MessageQueue.h"
#include "shell/MainFrame.h"
#include "support/LogLines.h"
#include "support/RunningApp.h"
#include "support/SimulatedLink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

using Fault = SimulatedController::Fault;
using Lines = std::vector<std::string>;

class DeviceOperationsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSerialPortNumbers();
        ASSERT_TRUE(m_app.Start());
        m_nLogStart = Frame()->m_wndInfoBar.GetLogText().ToUtf8().size();
    }
    void TearDown() override
    {
        Frame()->Session().SetLinkClock(nullptr);
        m_app.Close();
        ResetSerialPortNumbers();
    }

    static CMainFrame* Frame() { return AfxGetMainFrame(); }
    static void Configure(SimulatedController& controller)
    {
        UseSimulatedController(Frame()->Session(), controller);
    }
    // The operation on the frame's session and device dialogs.
    static BOOL Run(int nOperation, UINT nMask = 0)
    {
        CMainFrame& f = *Frame();
        const DeviceDialogs dialogs{f.m_dlgDeviceClock, f.m_dlgSummerTime, f.m_dlgWifiSetup, f.m_dlgRemoteWifi};
        return CDeviceOperations(f.Session(), dialogs, &f).Run(nOperation, nMask);
    }
    Lines NewLogLines()
    {
        const std::string strLog = Frame()->m_wndInfoBar.GetLogText().ToUtf8();
        const Lines lines = LogLinesFrom(strLog, m_nLogStart);
        m_nLogStart = strLog.size();
        return lines;
    }
    // Whether the link-check box was shown (and only it), forgetting the boxes.
    bool LinkCheckShown()
    {
        const bool bShown = m_boxes.Boxes().size() == 1 && m_boxes.Boxes()[0].text.Find(_T("Please check if cable")) == 0;
        m_boxes.Clear();
        return bShown;
    }

    RunningApp m_app{"qarvo-devops", RunningApp::BackendOfTheRun()};
    CMessageBoxRecorder m_boxes;
    std::size_t m_nLogStart = 0;
};

TEST_F(DeviceOperationsTest, WriteSettingsReportsByBit)
{
    SimulatedController controller(0x5188);
    Configure(controller);
    EXPECT_TRUE(Run(PLC_OP_WRITE_SETTINGS, SETTING_CLOCK_WRITE));
    EXPECT_EQ(NewLogLines(), (Lines{"Clock Setting Starts...", "Clock Setting Succeed!"}));
    EXPECT_FALSE(Frame()->Session().IsPortOpen());
    EXPECT_TRUE(Run(PLC_OP_WRITE_SETTINGS, SETTING_CALIB_READ));
    EXPECT_EQ(NewLogLines(), Lines{"Clock Calibration Reading Succeeds"});
    EXPECT_TRUE(Run(PLC_OP_WRITE_SETTINGS, SETTING_DST_WRITE));
    EXPECT_EQ(NewLogLines(), (Lines{"Summer/Winter Time Writing Starts...", "Summer/Winter Time Writing Succeed!"}));
    EXPECT_TRUE(m_boxes.Boxes().empty());

    // A failed summer/winter time write shows the box and adds no line of its own.
    controller.SetFault(Fault::WrongCrc);
    EXPECT_FALSE(Run(PLC_OP_WRITE_SETTINGS, SETTING_DST_WRITE));
    EXPECT_EQ(NewLogLines(), (Lines{"Summer/Winter Time Writing Starts...", "Summer/Winter Time Setting(RTU Function Code 233) Error!"}));
    EXPECT_TRUE(LinkCheckShown());
    EXPECT_FALSE(Run(PLC_OP_WRITE_SETTINGS, SETTING_CALIB_WRITE));
    EXPECT_EQ(NewLogLines().back(), "Clock Calibration Suspend!");
    EXPECT_TRUE(LinkCheckShown());
    EXPECT_FALSE(Frame()->Session().IsPortOpen());
}

TEST_F(DeviceOperationsTest, DialogsOpenOnlyAfterAGoodRead)
{
    SimulatedController controller(0x5188);
    controller.SetMemory(SimulatedController::kDstAddress, {4, 0, 11, 0, 1, 0, 3, 0, 8, 0, 60, 0});
    Configure(controller);
    EXPECT_TRUE(Run(PLC_OP_SUMMER_TIME));
    EXPECT_EQ(NewLogLines(), (Lines{"Summer/Winter Time Reading Starts...", "Summer/Winter Time Reading Succeeds"}));
    ASSERT_NE(Frame()->m_dlgSummerTime.m_hWnd, nullptr);
    EXPECT_EQ(Frame()->m_dlgSummerTime.m_nRule, 2);
    CString strDiff;
    Frame()->m_dlgSummerTime.GetDlgItemText(int(CSummerTimeDlg::IDC_DIFFERENCE), strDiff);
    EXPECT_EQ(strDiff, CString(_T("60")));
    // Opened again while still open: it shows what the new read brought (a freely adjustable
    // rule: its own difference).
    controller.SetMemory(SimulatedController::kDstAddress, {1});
    controller.SetMemory(SimulatedController::kDstAddress + 10, {120});
    EXPECT_TRUE(Run(PLC_OP_SUMMER_TIME));
    NewLogLines();
    Frame()->m_dlgSummerTime.GetDlgItemText(int(CSummerTimeDlg::IDC_DIFFERENCE), strDiff);
    EXPECT_EQ(strDiff, CString(_T("120")));

    // Not a WiFi controller: the read fails, nothing opens.
    EXPECT_FALSE(Run(PLC_OP_WIFI_SETUP));
    EXPECT_EQ(NewLogLines(), (Lines{"WIFI Setup Reading Starts...", "Machine type mismatch Error!",
                                    "WIFI(0x77XX) Setup Reading Error!"}));
    EXPECT_TRUE(LinkCheckShown());
    EXPECT_EQ(Frame()->m_dlgWifiSetup.m_hWnd, nullptr);
    EXPECT_FALSE(Run(PLC_OP_REMOTE_WIFI_SETUP));
    EXPECT_EQ(NewLogLines().back(), "Recontrol Control WIFI(0x7450) Setup Reading Error!");
    EXPECT_EQ(Frame()->m_dlgRemoteWifi.m_hWnd, nullptr);
    EXPECT_TRUE(LinkCheckShown());

    // The clock dialog opens without a word to the controller.
    const std::size_t nRequests = controller.Requests().size();
    EXPECT_TRUE(Run(PLC_OP_CLOCK));
    EXPECT_NE(Frame()->m_dlgDeviceClock.m_hWnd, nullptr);
    EXPECT_EQ(controller.Requests().size(), nRequests);
}

TEST_F(DeviceOperationsTest, RemoteFactoryReset)
{
    {
        SimulatedController controller(0x3288);
        Configure(controller);
        EXPECT_TRUE(Run(PLC_OP_REMOTE_WIFI_RESET));
        EXPECT_EQ(NewLogLines(), (Lines{"Remote Control WIFI(0x7450) Factory Reset Starts...",
                                        "Remote Control WIFI(0x7450) Factory Reset Setting Succeeds"}));
        ASSERT_EQ(controller.Requests().size(), 2u);
        const std::vector<BYTE> reset = controller.Requests().back();
        EXPECT_EQ(std::vector<BYTE>(reset.begin(), reset.begin() + 6), (std::vector<BYTE>{0, 3, 0x02, 0x9A, 0, 1}));
        EXPECT_TRUE(m_boxes.Boxes().empty());

        // The module answers when its reset is done: the wait is the long one.
        controller.SetSilentRegister(666);
        EXPECT_FALSE(Run(PLC_OP_REMOTE_WIFI_RESET));
        EXPECT_EQ(NewLogLines(), (Lines{"Remote Control WIFI(0x7450) Factory Reset Starts...",
                                        "Time Out! Can't Read Data in 30 Seconds, Please check!",
                                        "PC receives from Recontrol Control WIFI(0x7450) Fail!"}));
        EXPECT_TRUE(LinkCheckShown());
        EXPECT_FALSE(Frame()->Session().IsPortOpen());
    }
    {
        SimulatedController controller(0x5188);
        Configure(controller);
        EXPECT_FALSE(Run(PLC_OP_REMOTE_WIFI_RESET));
        EXPECT_EQ(NewLogLines(), (Lines{"Remote Control WIFI(0x7450) Factory Reset Starts...", "Machine type mismatch Error!"}));
        EXPECT_EQ(controller.Requests().size(), 1u);
    }
}

// A dialog's button reaches the controller through the dispatcher: the posted request, once
// the frame handles it, reads the clock into the open dialog.
TEST_F(DeviceOperationsTest, ClockDialogReadThroughTheDispatcher)
{
    SimulatedController controller(0x5188);
    const WORD regs[] = {2029, 3, 4, 5, 6, 7};
    for (int i = 0; i < 6; ++i)
        controller.SetRegister(WORD(301 + i), regs[i]);
    Configure(controller);
    CDeviceClockDlg& dlg = Frame()->m_dlgDeviceClock;
    ASSERT_TRUE(Run(PLC_OP_CLOCK));
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(CDeviceClockDlg::IDC_READ, BN_CLICKED), 0);
    int nHandled = 0;
    for (MSG msg{}; CMessageQueue::Get().Take(msg);) {
        if (msg.message == WM_PLC_COMMAND) {
            Frame()->SendMessage(msg.message, msg.wParam, msg.lParam);
            ++nHandled;
        }
    }
    EXPECT_EQ(nHandled, 1);
    EXPECT_EQ(NewLogLines(), Lines{"Clock Reading Succeeds"});
    EXPECT_EQ(dlg.m_nYear, 2029);
    CString strMinute;
    dlg.GetDlgItemText(int(CDeviceClockDlg::IDC_MINUTE), strMinute);
    EXPECT_EQ(strMinute, CString(_T("6")));
}

}  // namespace
