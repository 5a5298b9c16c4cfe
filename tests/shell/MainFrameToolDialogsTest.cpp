// The main frame's tool dialogs and progress reports in the running application on both
// backends: when SetProgress brings the progress window up, which caption it shows for the
// running operation and when the window goes; ShowToolDialog's kinds and the password bytes;
// and the operations that are not there yet saying so rather than pretending.
#include "controller/PasswordDlg.h"
#include "controller/TransferProgressDlg.h"
#include "platform/core/MessageBox.h"
#include "protocol/PlcOperation.h"
#include "shell/MainFrame.h"
#include "support/RunningApp.h"
#include "support/SimulatedLink.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class ToolDialogsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_app.Start()); }
    void TearDown() override
    {
        CDialog::SetDialogHook(nullptr);
        m_app.Close();
    }
    static CMainFrame* Frame() { return AfxGetMainFrame(); }
    static CTransferProgressDlg& Progress() { return Frame()->m_progressDlg; }
    static bool ProgressShown() { return Progress().GetSafeHwnd() != nullptr; }
    static std::string ProgressLine()
    {
        CString str;
        Progress().GetDlgItemText(int(CTransferProgressDlg::IDC_PERCENT), str);
        return str.ToUtf8();
    }

    RunningApp m_app{"qarvo-tooldialogs", RunningApp::BackendOfTheRun()};
    CMessageBoxRecorder m_boxes;
};

struct TransferCaptionCase {
    int nOperation;
    const char* pszLine;
};

TEST_F(ToolDialogsTest, TransferProgressCaptionFollowsTheOperation)
{
    const TransferCaptionCase cases[] = {
        {PLC_OP_DOWNLOAD, "DownLoading Program - 30%"},
        {PLC_OP_CLEAR_PROGRAM, "DownLoading Program - 30%"},
        {PLC_OP_UPLOAD, "UpLoading Program - 30%"},
        {PLC_OP_WIFI_SETUP, "It's writing or Factory Resetting - 30%"},
    };
    for (const TransferCaptionCase& c : cases) {
        Frame()->m_nOperation = c.nOperation;
        Frame()->SetProgress(2, 0);
        ASSERT_TRUE(ProgressShown());
        Frame()->SetProgress(2, 30);
        EXPECT_EQ(ProgressLine(), c.pszLine) << c.nOperation;
        EXPECT_EQ(Progress().m_wndProgress.GetPos(), 30);
        Frame()->SetProgress(2, 100);
        EXPECT_FALSE(ProgressShown()) << c.nOperation;
    }
}

struct ReportCase {
    int nKind;
    int nPercent;
    bool bShownBefore;
    bool bShownAfter;
};

TEST_F(ToolDialogsTest, ReportsBringTheWindowUpAndTakeItAway)
{
    const ReportCase cases[] = {
        {2, 150, false, false},  // beyond the range: no window made
        {2, 0, false, true},
        {2, 150, true, false},   // with the window: sent, then the window goes
        {3, 99, false, true},
        {3, 100, true, false},
        {4, 50, false, false},   // kind 4 makes no window
        {5, 101, false, true},
        {5, 100, true, false},
        {6, 1, false, false},
        {6, 2, false, true},
        {-1, 0, true, false},
        {-1, 0, false, false},
        {9, 50, true, true},     // an unknown kind leaves the window alone
    };
    for (const ReportCase& c : cases) {
        if (c.bShownBefore)
            Frame()->ShowToolDialog(ToolDialogKind::Progress);
        else if (ProgressShown())
            Progress().DestroyWindow();
        Frame()->SetProgress(c.nKind, c.nPercent);
        EXPECT_EQ(ProgressShown(), c.bShownAfter) << c.nKind << " " << c.nPercent;
    }
}

TEST_F(ToolDialogsTest, ToolDialogKinds)
{
    using Kind = ToolDialogKind;
    int nResult = 0;
    for (Kind kind : {Kind::Idle1, Kind::Idle3, Kind::Idle9, Kind::Idle10, Kind::Idle12, Kind::Idle14})
        EXPECT_EQ(Frame()->ShowToolDialog(kind, &nResult), 1) << int(kind);
    for (Kind kind : {Kind(11), Kind(0), Kind(15), Kind::DeviceClock, Kind::SummerTime, Kind::WifiSetup,
                      Kind::RemoteWifiSetup})
        EXPECT_EQ(Frame()->ShowToolDialog(kind, &nResult), -1) << int(kind);
    EXPECT_EQ(nResult, 0);
    EXPECT_EQ(Frame()->ShowToolDialog(Kind::ResultOne, &nResult), 1);
    EXPECT_EQ(nResult, 1);
    // The progress window once, however often it is asked for.
    EXPECT_EQ(Frame()->ShowToolDialog(Kind::Progress), -1);
    const HWND hProgress = Progress().GetSafeHwnd();
    ASSERT_NE(hProgress, nullptr);
    Frame()->ShowToolDialog(Kind::Progress);
    EXPECT_EQ(Progress().GetSafeHwnd(), hProgress);
}

TEST_F(ToolDialogsTest, PasswordDialogFillsTheBufferOnOkOnly)
{
    for (const int nButton : {IDOK, IDCANCEL}) {
        CDialog::SetDialogHook([&](CDialog& d) {
            static_cast<CPasswordDlg&>(d).m_wndPassword.UserEdit(_T("QRST"), 4);
            d.PostMessage(WM_COMMAND, MAKEWPARAM(nButton, BN_CLICKED), 0);
        });
        std::vector<BYTE> buffer(8, 0xFF);
        EXPECT_EQ(Frame()->ShowToolDialog(ToolDialogKind::Password, nullptr, buffer.data()), nButton);
        const std::vector<BYTE> expected = nButton == IDOK
                                               ? std::vector<BYTE>{'Q', 'R', 'S', 'T', 0xFF, 0xFF, 0xFF, 0xFF}
                                               : std::vector<BYTE>(8, 0xFF);
        EXPECT_EQ(buffer, expected);
    }
}

TEST_F(ToolDialogsTest, SlowRequestsShowTheirWaitingAsProgress)
{
    // On the line's clock the echo comes after 15 of 30 s, or never within the 3 s of an
    // ordinary request.
    SimulatedController controller;
    controller.SetReplyDelay(15000, FC_WRITE_SINGLE_REGISTER);
    UseSimulatedController(Frame()->Session(), controller);
    ASSERT_TRUE(Frame()->Session().OpenConfiguredPort());
    const BYTE data[2] = {0, 1};
    BYTE frame[16];
    BYTE reply[8];
    for (const int nTimeoutMs : {REPLY_TIMEOUT_MS, REMOTE_MODULE_TIMEOUT_MS}) {
        ASSERT_FALSE(ProgressShown());
        DWORD dwError = 0;
        ASSERT_TRUE(Frame()->Session().SendFrame(frame, Frame()->Session().Protocol().BuildWriteSingle(666, data, frame, FC_WRITE_SINGLE_REGISTER), &dwError));
        WORD wLength = 8;
        const BOOL bArrived = Frame()->Session().ReceiveReply(reply, &wLength, &dwError, nTimeoutMs);
        EXPECT_EQ(bArrived, nTimeoutMs == REMOTE_MODULE_TIMEOUT_MS);
        EXPECT_EQ(ProgressShown(), nTimeoutMs == REMOTE_MODULE_TIMEOUT_MS);
    }
    // The bar shows the wait when the echo came: 15 of 30 s.
    EXPECT_EQ(Progress().m_wndProgress.GetPos(), 50);
    Frame()->Session().ClosePort();
    Frame()->Session().SetLinkClock(nullptr);
}

// The operations that need no port: the clock dialog opens without a word to a controller, the
// others do nothing (the I/O monitor, which opens its own port, has a test of its own).
TEST_F(ToolDialogsTest, OperationsWithoutAPortAndTheOthersDoNothing)
{
    for (const int nOperation : {int(PLC_OP_CLOCK), int(PLC_OP_RUNSTOP), int(PLC_OP_CANCEL), 77}) {
        const CString strBefore = Frame()->m_wndInfoBar.GetLogText();
        Frame()->SendMessage(WM_PLC_COMMAND, WPARAM(nOperation), SETTING_CLOCK_WRITE);
        EXPECT_EQ(Frame()->m_wndInfoBar.GetLogText(), strBefore) << nOperation;
        EXPECT_EQ(Frame()->m_nOperation, nOperation);
        EXPECT_FALSE(Frame()->Session().IsPortOpen());
    }
    EXPECT_TRUE(m_boxes.Boxes().empty());
    EXPECT_NE(Frame()->m_dlgDeviceClock.GetSafeHwnd(), nullptr);
    Frame()->SendMessage(WM_PLC_COMMAND, PLC_OP_SHOW_PROGRESS, 0);
    EXPECT_TRUE(ProgressShown());
}

TEST_F(ToolDialogsTest, IOStatusOpensTheMonitorOnItsOwnPort)
{
    std::string strShown;
    CDialog::SetDialogHook([&](CDialog& dlg) {
        strShown = dlg.GetRuntimeClass()->m_lpszClassName;
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    Frame()->SendMessage(WM_PLC_COMMAND, PLC_OP_IO_STATUS, 0);
    CDialog::SetDialogHook(nullptr);
    EXPECT_EQ(strShown, "CIOStatus");
    EXPECT_FALSE(Frame()->Session().IsPortOpen());
}

}  // namespace
