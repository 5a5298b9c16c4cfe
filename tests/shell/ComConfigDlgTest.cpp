// The Communication Configuration dialog in the running application on both backends: the ports
// it lists, what OK keeps, the probe behind "Automatic Detection", and its Chinese texts.
#include "shell/ComConfigDlg.h"

#include "document/ModelSettings.h"
#include "platform/comm/SerialPortNames.h"
#include "platform/core/MessageBox.h"
#include "shell/ChineseTables.h"
#include "shell/MainFrame.h"
#include "support/ComboLines.h"
#include "support/RunningApp.h"
#include "support/SimulatedLink.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

class ComConfigDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSerialPortNumbers();
        ASSERT_TRUE(m_app.Start());
        ASSERT_NE(Frame(), nullptr);
        Frame()->Session().SetLinkTimeScale(10);
    }
    void TearDown() override
    {
        CDialog::SetDialogHook(nullptr);
        Frame()->Session().SetLinkClock(nullptr);
        m_app.Close();
        ResetSerialPortNumbers();
    }

    static CMainFrame* Frame() { return AfxGetMainFrame(); }
    static CComboBox& Ports(CDialog& d) { return static_cast<CComConfigDlg&>(d).m_wndPort; }
    static std::string Selected(CDialog& d)
    {
        CString strPath;
        if (Ports(d).GetCurSel() >= 0)
            Ports(d).GetLBText(Ports(d).GetCurSel(), strPath);
        return strPath.ToUtf8();
    }
    static std::string TextOf(CWnd& wnd)
    {
        CString strText;
        wnd.GetWindowText(strText);
        return strText.ToUtf8();
    }
    static void Click(CDialog& d, UINT nID) { d.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0); }
    static void ClickLater(CDialog& d, UINT nID) { d.PostMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0); }
    // Nothing selected and nothing typed.
    static void ClearChoice(CDialog& d)
    {
        Ports(d).SetCurSel(-1);
        Ports(d).UserEditText(_T(""));
    }

    // Runs the Options command with the user's actions in the dialog.
    void RunCommand(const std::function<void(CDialog&)>& actions)
    {
        CDialog::SetDialogHook([&](CDialog& d) { actions(d); });
        Frame()->ConfigurePort();
        CDialog::SetDialogHook(nullptr);
    }

    RunningApp m_app{"qarvo-comconfig", RunningApp::BackendOfTheRun()};
    CMessageBoxRecorder m_boxes;
};

TEST_F(ComConfigDlgTest, PortNamedBeforeIsListedSelectedAndKept)
{
    PtyPair pty;
    const int nPort = SerialPortNumberOf(CString::FromUtf8(pty.Path()));
    Frame()->Session().SetPortNumber(nPort);
    std::vector<CString> listed;
    std::string strSelected;
    RunCommand([&](CDialog& d) {
        listed = ComboLines(Ports(d));
        strSelected = Selected(d);
        ClickLater(d, CComConfigDlg::IDC_CONNECT);
    });
    EXPECT_NE(std::find(listed.begin(), listed.end(), CString::FromUtf8(pty.Path())), listed.end());
    EXPECT_EQ(strSelected, pty.Path());
    EXPECT_EQ(Frame()->Session().GetPortNumber(), nPort);
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(ComConfigDlgTest, TypedPathIsWhatOkKeeps)
{
    PtyPair pty;
    Frame()->Session().SetPortNumber(0);
    RunCommand([&](CDialog& d) {
        // Typed over whatever entry was selected.
        Ports(d).AddString(_T("/dev/ttyS77"));
        Ports(d).SetCurSel(0);
        Ports(d).UserEditText(CString::FromUtf8(pty.Path()));
        ClickLater(d, CComConfigDlg::IDC_CONNECT);
    });
    ASSERT_NE(Frame()->Session().GetPortNumber(), 0);
    EXPECT_EQ(SerialPortPath(Frame()->Session().GetPortNumber()).ToUtf8(), pty.Path());
}

TEST_F(ComConfigDlgTest, NothingChosenGivesZeroAndTheLinkCheck)
{
    PtyPair pty;
    Frame()->Session().SetPortNumber(SerialPortNumberOf(CString::FromUtf8(pty.Path())));
    RunCommand([&](CDialog& d) {
        ClearChoice(d);
        ClickLater(d, CComConfigDlg::IDC_CONNECT);
    });
    EXPECT_EQ(Frame()->Session().GetPortNumber(), 0);
    ASSERT_EQ(m_boxes.Boxes().size(), 1U);
    EXPECT_EQ(m_boxes.Boxes()[0].text.ToUtf8().rfind("Please check if cable connects Device and PC", 0), 0U);
    EXPECT_EQ(m_boxes.Boxes()[0].type & MB_ICONMASK, MB_ICONQUESTION);
}

TEST_F(ComConfigDlgTest, CancelKeepsTheConfiguredPort)
{
    PtyPair pty;
    Frame()->Session().SetPortNumber(5);
    RunCommand([&](CDialog& d) {
        Ports(d).UserEditText(CString::FromUtf8(pty.Path()));
        ClickLater(d, CComConfigDlg::IDC_CANCEL);
    });
    EXPECT_EQ(Frame()->Session().GetPortNumber(), 5);
}

TEST_F(ComConfigDlgTest, AutomaticDetectionProbesTheChosenPort)
{
    SimulatedController controller;
    PtyPair silent;
    SerialPortNumberOf(CString::FromUtf8(silent.Path()));
    // The silent port's line is quiet on the controller's clock too.
    UseSimulatedController(Frame()->Session(), controller);
    std::string strButtonAfter;
    BOOL bEnabledAfter = FALSE;
    std::size_t nBoxesAfterController = 99;
    std::size_t nBoxesAfterNothing = 99;
    RunCommand([&](CDialog& d) {
        Click(d, CComConfigDlg::IDC_AUTO_DETECT);
        nBoxesAfterController = m_boxes.Boxes().size();
        const int nSilent = Ports(d).FindStringExact(-1, CString::FromUtf8(silent.Path()));
        Ports(d).SetCurSel(nSilent);
        Click(d, CComConfigDlg::IDC_AUTO_DETECT);
        ClearChoice(d);
        const std::size_t nBefore = m_boxes.Boxes().size();
        Click(d, CComConfigDlg::IDC_AUTO_DETECT);
        nBoxesAfterNothing = m_boxes.Boxes().size() - nBefore;
        strButtonAfter = TextOf(*d.GetDlgItem(CComConfigDlg::IDC_AUTO_DETECT));
        bEnabledAfter = d.GetDlgItem(CComConfigDlg::IDC_AUTO_DETECT)->IsWindowEnabled();
        ClickLater(d, CComConfigDlg::IDC_CANCEL);
    });
    EXPECT_EQ(nBoxesAfterController, 0U);
    ASSERT_FALSE(controller.Requests().empty());
    EXPECT_EQ(controller.Requests().back()[1], FC_DOWNLOAD_END);
    // The silent port: the time-out line and the link check.
    ASSERT_GE(m_boxes.Boxes().size(), 1U);
    EXPECT_EQ(m_boxes.Boxes()[0].type & MB_ICONMASK, MB_ICONQUESTION);
    EXPECT_EQ(nBoxesAfterNothing, 1U);
    EXPECT_EQ(strButtonAfter, "Automatic Detection");
    EXPECT_TRUE(bEnabledAfter);
    EXPECT_FALSE(Frame()->Session().IsPortOpen());
}

TEST_F(ComConfigDlgTest, ChineseInterfaceTranslatesItsButtons)
{
    const int nOld = g_bChineseUI;
    g_bChineseUI = 1;
    InitChineseTexts();
    std::vector<std::string> texts;
    PtyPair silent;
    SerialPortNumberOf(CString::FromUtf8(silent.Path()));
    RunCommand([&](CDialog& d) {
        Ports(d).SetCurSel(Ports(d).FindStringExact(-1, CString::FromUtf8(silent.Path())));
        Click(d, CComConfigDlg::IDC_AUTO_DETECT);
        texts = {TextOf(d)};
        for (UINT nID : {CComConfigDlg::IDC_PORT_GROUP, CComConfigDlg::IDC_CANCEL, CComConfigDlg::IDC_CONNECT,
                         CComConfigDlg::IDC_AUTO_DETECT})
            texts.push_back(TextOf(*d.GetDlgItem(nID)));
        ClickLater(d, CComConfigDlg::IDC_CANCEL);
    });
    g_bChineseUI = nOld;
    // The command's text names the window; the detection button has its text back after the
    // probe.
    EXPECT_EQ(texts, (std::vector<std::string>{"COM配置", "选择通讯端口", "取消", "连接设备", "自动检测"}));
}

}  // namespace
