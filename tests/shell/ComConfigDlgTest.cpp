// The Communication Configuration dialog in the running application on both backends: the ports
// it lists, what OK keeps, the probe behind "Automatic Detection", and its Chinese texts.
#include "shell/ComConfigDlg.h"

#include "document/ModelSettings.h"
#include "platform/comm/SerialPortNames.h"
#include "platform/core/MessageBox.h"
#include "shell/ChineseTables.h"
#include "shell/MainFrame.h"
#include "support/RunningApp.h"
#include "support/SimulatedController.h"

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
        m_app.Close();
        ResetSerialPortNumbers();
    }

    static CMainFrame* Frame() { return AfxGetMainFrame(); }
    static CComboBox& Ports(CDialog& d) { return static_cast<CComConfigDlg&>(d).m_wndPort; }
    static std::vector<std::string> Listed(CDialog& d)
    {
        std::vector<std::string> paths;
        for (int i = 0; i < Ports(d).GetCount(); ++i) {
            CString strPath;
            Ports(d).GetLBText(i, strPath);
            paths.push_back(strPath.ToUtf8());
        }
        return paths;
    }
    static std::string Selected(CDialog& d)
    {
        CString strPath;
        if (Ports(d).GetCurSel() >= 0)
            Ports(d).GetLBText(Ports(d).GetCurSel(), strPath);
        return strPath.ToUtf8();
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
    std::vector<std::string> listed;
    std::string strSelected;
    RunCommand([&](CDialog& d) {
        listed = Listed(d);
        strSelected = Selected(d);
        ClickLater(d, CComConfigDlg::IDC_CONNECT);
    });
    EXPECT_NE(std::find(listed.begin(), listed.end(), pty.Path()), listed.end());
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
    Frame()->Session().SetPortNumber(SerialPortNumberOf(CString::FromUtf8(controller.Path())));
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
        CString strText;
        d.GetDlgItem(CComConfigDlg::IDC_AUTO_DETECT)->GetWindowText(strText);
        strButtonAfter = strText.ToUtf8();
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
    std::string strGroup;
    std::string strCaption;
    std::string strCancel;
    std::string strConnect;
    std::string strDetectAfterProbe;
    PtyPair silent;
    SerialPortNumberOf(CString::FromUtf8(silent.Path()));
    RunCommand([&](CDialog& d) {
        Ports(d).SetCurSel(Ports(d).FindStringExact(-1, CString::FromUtf8(silent.Path())));
        Click(d, CComConfigDlg::IDC_AUTO_DETECT);
        CString strDetect;
        d.GetDlgItem(CComConfigDlg::IDC_AUTO_DETECT)->GetWindowText(strDetect);
        strDetectAfterProbe = strDetect.ToUtf8();
        CString strText;
        d.GetDlgItem(CComConfigDlg::IDC_PORT_GROUP)->GetWindowText(strText);
        strGroup = strText.ToUtf8();
        d.GetWindowText(strText);
        strCaption = strText.ToUtf8();
        d.GetDlgItem(CComConfigDlg::IDC_CANCEL)->GetWindowText(strText);
        strCancel = strText.ToUtf8();
        d.GetDlgItem(CComConfigDlg::IDC_CONNECT)->GetWindowText(strText);
        strConnect = strText.ToUtf8();
        ClickLater(d, CComConfigDlg::IDC_CANCEL);
    });
    g_bChineseUI = nOld;
    // The command's text names the window; the port group has no Chinese text of its own.
    EXPECT_EQ(strCaption, "COM配置");
    EXPECT_EQ(strGroup, "Select Communication Port");
    EXPECT_EQ(strCancel, "取消");
    EXPECT_EQ(strConnect, "连接设备");
    EXPECT_EQ(strDetectAfterProbe, "自动检测");
}

}  // namespace
