// The I/O status monitor dialog in the running application, on a controller session's port against
// the simulated controller on a pseudo-terminal: the choices it offers, connecting and the poll
// timer, a cycle's values in the table, a failed cycle and the recovery, a port that does not
// open, and closing while a cycle waits for the controller.
#include "controller/IOStatus.h"

#include "blocks/BlockObj.h"
#include "platform/comm/SerialPortNames.h"
#include "platform/core/MessageBox.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/WinThread.h"
#include "shell/MainFrame.h"
#include "support/RunningApp.h"
#include "support/SimulatedLink.h"

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace {

using Fault = SimulatedController::Fault;

// A session on the frame, with a hook that runs when a frame is about to go out: the user's
// actions that arrive while a cycle waits.
class HookedLink : public CControllerSession {
public:
    using CControllerSession::CControllerSession;
    std::function<void(int)> onSend;
    int nSends = 0;
    BOOL SendFrame(const BYTE* pBuf, int nLength, DWORD* pdwError) override
    {
        if (onSend)
            onSend(++nSends);
        return CControllerSession::SendFrame(pBuf, nLength, pdwError);
    }
};

class IOStatusDlgTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSerialPortNumbers();
        ASSERT_TRUE(m_app.Start());
        ASSERT_NE(Frame(), nullptr);
        m_pLink = std::make_unique<HookedLink>(*Frame());
        UseSimulatedController(*m_pLink, m_controller);
    }
    void TearDown() override
    {
        if (m_pDlg && IsWindow(m_pDlg.get()))
            m_pDlg->DestroyWindow();
        m_pDlg.reset();
        m_pLink->ClosePort();
        m_app.Close();
        ResetSerialPortNumbers();
        g_wHardwareCode = m_wSavedHardwareCode;
    }

    static CMainFrame* Frame() { return AfxGetMainFrame(); }
    CIOStatus& Open()
    {
        m_pDlg = std::make_unique<CIOStatus>(*m_pLink, Frame());
        EXPECT_TRUE(m_pDlg->Create(CIOStatus::IDD, Frame()));
        m_pDlg->ShowWindow(SW_SHOW);
        return *m_pDlg;
    }
    static void Click(CIOStatus& d, UINT nID) { d.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0); }
    static void Tick(CIOStatus& d) { d.SendMessage(WM_TIMER, CIOStatus::kPollTimer, 0); }
    static std::string Text(CIOStatus& d, UINT nID)
    {
        CString str;
        d.GetDlgItemText(int(nID), str);
        return str.ToUtf8();
    }
    static std::vector<std::string> Entries(CIOStatus& d, UINT nID)
    {
        auto* pCombo = static_cast<CComboBox*>(d.GetDlgItem(int(nID)));
        std::vector<std::string> entries;
        for (int i = 0; i < pCombo->GetCount(); ++i) {
            CString str;
            pCombo->GetLBText(i, str);
            entries.push_back(str.ToUtf8());
        }
        return entries;
    }
    static BOOL Enabled(CIOStatus& d, UINT nID) { return d.GetDlgItem(int(nID))->IsWindowEnabled(); }
    static std::string Cell(CIOStatus& d, int r, int c) { return d.m_grid.GetItemText(r, c).ToUtf8(); }
    // How long until the poll timer fires; -1 without one.
    static long long TimerDueIn()
    {
        const auto due = CMessageQueue::Get().NextTimerDue();
        return due ? (long long)(*due) - (long long)(CMessageQueue::Get().Now()) : -1;
    }

    CManualTickSource m_clock;
    RunningApp m_app{"qarvo-iostatus", RunningApp::BackendOfTheRun(), &m_clock};
    CMessageBoxRecorder m_boxes;
    SimulatedController m_controller{0x5188};
    std::unique_ptr<HookedLink> m_pLink;
    std::unique_ptr<CIOStatus> m_pDlg;
    WORD m_wSavedHardwareCode = g_wHardwareCode;
};

TEST_F(IOStatusDlgTest, HighBaudRatesOnlyForTheNewerGeneration)
{
    const struct {
        WORD wHardwareCode;
        std::size_t nRates;
    } cases[] = {{0x5088, 10}, {0x1188, 10}, {0x5188, 13}, {0x6188, 13}};
    for (const auto& c : cases) {
        g_wHardwareCode = c.wHardwareCode;
        CIOStatus& d = Open();
        const std::vector<std::string> rates = Entries(d, CIOStatus::IDC_BAUD);
        EXPECT_EQ(rates.size(), c.nRates) << std::hex << c.wHardwareCode;
        EXPECT_EQ(rates.front(), "1200");
        EXPECT_EQ(rates.back(), c.nRates == 13 ? "921600" : "115200");
        EXPECT_EQ(Text(d, CIOStatus::IDC_BAUD), "115200");
        d.DestroyWindow();
    }
}

TEST_F(IOStatusDlgTest, LineSettingsAndNumbersAreReadAsTyped)
{
    CIOStatus& d = Open();
    const struct {
        int nEntry;
        int nParity, nDataBits, nStopBits;
    } parities[] = {{1, 0, 1, 1}, {2, 1, 1, 0}, {5, 2, 1, 1}, {0, 0, 1, 0}};
    auto* pParity = static_cast<CComboBox*>(d.GetDlgItem(CIOStatus::IDC_PARITY));
    for (const auto& p : parities) {
        pParity->UserSelect(p.nEntry);
        EXPECT_EQ(d.m_nParity, p.nParity) << p.nEntry;
        EXPECT_EQ(d.m_nDataBits, p.nDataBits) << p.nEntry;
        EXPECT_EQ(d.m_nStopBits, p.nStopBits) << p.nEntry;
    }
    const struct {
        UINT nID;
        const char* pszTyped;
        const char* pszShown;
    } numbers[] = {{CIOStatus::IDC_DEVICE_ADDRESS, "300", "255"}, {CIOStatus::IDC_DEVICE_ADDRESS, "17", "17"},
                   {CIOStatus::IDC_POLL_DELAY, "70000", "65535"}, {CIOStatus::IDC_POLL_DELAY, "09", "10"},
                   {CIOStatus::IDC_POLL_DELAY, "2", "2"},         {CIOStatus::IDC_POLL_DELAY, "250", "250"}};
    for (const auto& n : numbers) {
        d.SetDlgItemText(int(n.nID), CString::FromUtf8(n.pszTyped));
        EXPECT_EQ(Text(d, n.nID), n.pszShown) << n.pszTyped;
    }
}

TEST_F(IOStatusDlgTest, EnterAndEscapeStayWithTheFocusedControl)
{
    CIOStatus& d = Open();
    for (int nKey : {VK_RETURN, VK_ESCAPE}) {
        MSG msg = {d.GetDlgItem(CIOStatus::IDC_REFRESH), WM_KEYDOWN, WPARAM(nKey), 0, 0, {0, 0}};
        AfxGetThread()->RouteMessage(msg);
        EXPECT_TRUE(d.IsWindowVisible()) << nKey;
    }
}

TEST_F(IOStatusDlgTest, ConnectPollsEveryRefreshTimeAndShowsTheValues)
{
    m_controller.SetRegister(304, 9);
    m_controller.SetRegister(305, 30);
    m_controller.SetRegister(306, 5);
    m_controller.SetCoil(384 + 250, true);
    m_controller.SetDiscreteInput(33, true);
    for (int nRefresh : {1, 30}) {
        CIOStatus& d = Open();
        d.SetDlgItemText(CIOStatus::IDC_REFRESH, CString::FromUtf8(std::to_string(nRefresh)));
        Click(d, CIOStatus::IDC_CONNECT);
        EXPECT_TRUE(m_pLink->IsPortOpen());
        EXPECT_FALSE(Enabled(d, CIOStatus::IDC_CONNECT));
        EXPECT_EQ(TimerDueIn(), 1000LL * nRefresh);
        d.DestroyWindow();
        m_pLink->ClosePort();
    }

    // The session's port is the one offered.
    CIOStatus& d = Open();
    EXPECT_EQ(Text(d, CIOStatus::IDC_PORT), m_controller.Path());
    // The table draws in the LCD cells' font, whatever the dialog's.
    EXPECT_EQ(d.m_grid.GetDefaultCell(FALSE, FALSE)->GetFont()->lfHeight, 24);
    Click(d, CIOStatus::IDC_CONNECT);
    Tick(d);
    EXPECT_TRUE(d.IsPolling());
    EXPECT_EQ(Text(d, CIOStatus::IDC_CONNECT), "Disconnect");
    EXPECT_TRUE(Enabled(d, CIOStatus::IDC_CONNECT));
    EXPECT_FALSE(Enabled(d, CIOStatus::IDC_PORT));
    EXPECT_FALSE(Enabled(d, CIOStatus::IDC_REFRESH_SPIN));
    EXPECT_EQ(Text(d, CIOStatus::IDC_DEVICE_TIME), "9:30:5");
    EXPECT_EQ(Cell(d, 2, 2), "1");
    EXPECT_EQ(Cell(d, 2, 3), "0");

    // The flags view, and a changed value in the next cycle.
    d.CheckRadioButton(CIOStatus::IDC_VIEW_POINTS, CIOStatus::IDC_VIEW_ANALOG_FLAGS, CIOStatus::IDC_VIEW_FLAGS);
    Click(d, CIOStatus::IDC_VIEW_FLAGS);
    EXPECT_EQ(Cell(d, 3, 51), "");
    Tick(d);
    EXPECT_EQ(Cell(d, 3, 51), "1");
    m_controller.SetCoil(384 + 250, false);
    Tick(d);
    EXPECT_EQ(Cell(d, 3, 51), "0");

    Click(d, CIOStatus::IDC_CONNECT);
    EXPECT_EQ(Text(d, CIOStatus::IDC_CONNECT), "Connect");
    EXPECT_FALSE(m_pLink->IsPortOpen());
    EXPECT_EQ(TimerDueIn(), -1);
    EXPECT_TRUE(Enabled(d, CIOStatus::IDC_PORT));
    EXPECT_EQ(Cell(d, 3, 51), "");
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(IOStatusDlgTest, AFailedCycleStopsPollingUntilConnectedAgain)
{
    CIOStatus& d = Open();
    d.SetDlgItemText(CIOStatus::IDC_DEVICE_ADDRESS, _T("5"));
    Click(d, CIOStatus::IDC_CONNECT);
    m_controller.SetFault(Fault::NoReply, FC_READ_INPUT_REGISTERS);
    Tick(d);
    EXPECT_FALSE(d.IsPolling());
    EXPECT_FALSE(m_pLink->IsPortOpen());
    EXPECT_EQ(TimerDueIn(), -1);
    EXPECT_EQ(Text(d, CIOStatus::IDC_CONNECT), "Connect");
    EXPECT_TRUE(Enabled(d, CIOStatus::IDC_CONNECT));
    EXPECT_TRUE(Enabled(d, CIOStatus::IDC_DEVICE_ADDRESS));
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text.Left(37).ToUtf8(), "Please check if cable connects Device");
    EXPECT_EQ(m_pLink->Protocol().m_bySlave, 0);

    m_controller.SetFault(Fault::None);
    Click(d, CIOStatus::IDC_CONNECT);
    Tick(d);
    EXPECT_TRUE(d.IsPolling());
    EXPECT_EQ(m_controller.Requests().back()[0], 5);
    EXPECT_EQ(m_pLink->Protocol().m_bySlave, 0);
}

// The controller's time shows as soon as the clock is read, before the I/O is asked for, and
// stays when the I/O read after it fails.
TEST_F(IOStatusDlgTest, TheDeviceTimeShowsOnceTheClockIsReadAlsoWhenTheIoReadFails)
{
    m_controller.SetRegister(304, 17);
    m_controller.SetRegister(305, 4);
    m_controller.SetRegister(306, 59);
    m_controller.SetFault(Fault::Exception, FC_READ_DISCRETE_INPUTS);
    CIOStatus& d = Open();
    Click(d, CIOStatus::IDC_CONNECT);
    std::string strWhileReadingInputs;
    m_pLink->onSend = [&](int nSend) {
        if (nSend == 2)
            strWhileReadingInputs = Text(d, CIOStatus::IDC_DEVICE_TIME);
    };
    Tick(d);
    EXPECT_EQ(strWhileReadingInputs, "17:4:59");
    EXPECT_FALSE(d.IsPolling());
    EXPECT_EQ(Text(d, CIOStatus::IDC_DEVICE_TIME), "17:4:59");
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);
}

TEST_F(IOStatusDlgTest, APortThatDoesNotOpenFailsTheFirstCycle)
{
    CIOStatus& d = Open();
    static_cast<CComboBox*>(d.GetDlgItem(CIOStatus::IDC_PORT))->UserEditText(_T("/dev/qarvo-no-such-port"));
    Click(d, CIOStatus::IDC_CONNECT);
    ASSERT_FALSE(m_boxes.Boxes().empty());
    EXPECT_EQ(m_boxes.Boxes().back().text.ToUtf8(), "/dev/qarvo-no-such-port fail to open, Please check!");
    EXPECT_EQ(TimerDueIn(), 3000);
    const std::size_t nBoxes = m_boxes.Boxes().size();
    Tick(d);
    EXPECT_EQ(m_boxes.Boxes().size(), nBoxes + 1);
    EXPECT_EQ(Text(d, CIOStatus::IDC_CONNECT), "Connect");
    EXPECT_TRUE(m_controller.Requests().empty());
}

TEST_F(IOStatusDlgTest, ClosingWhileACycleWaitsClosesThePortAfterThatExchange)
{
    CIOStatus& d = Open();
    d.CheckRadioButton(CIOStatus::IDC_VIEW_POINTS, CIOStatus::IDC_VIEW_ANALOG_FLAGS, CIOStatus::IDC_VIEW_ANALOG_FLAGS);
    Click(d, CIOStatus::IDC_CONNECT);
    // The user closes the dialog while the third request is under way.
    m_pLink->onSend = [&](int nSend) {
        if (nSend == 3)
            Click(d, IDOK);
    };
    ASSERT_TRUE(d.IsWindowVisible());
    Tick(d);
    EXPECT_FALSE(m_pLink->IsPortOpen());
    EXPECT_EQ(m_pLink->nSends, 3);
    EXPECT_EQ(TimerDueIn(), -1);
    EXPECT_FALSE(d.IsWindowVisible());
    EXPECT_EQ(m_pLink->Protocol().m_bySlave, 0);
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

// The size grip keeps to the bottom-right corner and hides while the window is maximised; Copy,
// Cut and Paste act on the table, Copy and Cut with a cell selected, Paste with text to paste.
TEST_F(IOStatusDlgTest, TheSizeGripKeepsToTheCornerAndTheEditCommandsReachTheTable)
{
    CIOStatus& d = Open();
    CWnd* pGrip = d.GetDlgItem(CIOStatus::IDC_SIZE_GRIP);
    ASSERT_NE(pGrip, nullptr);
    EXPECT_TRUE(pGrip->IsWindowVisible());
    const auto gripInClient = [&] {
        CRect rect;
        pGrip->GetWindowRect(rect);
        d.ScreenToClient(rect);
        return rect;
    };
    CRect rcClient;
    d.GetClientRect(rcClient);
    EXPECT_EQ(gripInClient().BottomRight(), rcClient.BottomRight());
    CRect rcWindow;
    d.GetWindowRect(rcWindow);
    d.SetWindowPos(nullptr, 0, 0, rcWindow.Width() + 40, rcWindow.Height() + 30, SWP_NOMOVE | SWP_NOZORDER);
    d.GetClientRect(rcClient);
    EXPECT_EQ(gripInClient().BottomRight(), rcClient.BottomRight());
    d.SendMessage(WM_SIZE, SIZE_MAXIMIZED, MAKELPARAM(rcClient.Width(), rcClient.Height()));
    EXPECT_FALSE(pGrip->IsWindowVisible());
    d.SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(rcClient.Width(), rcClient.Height()));
    EXPECT_TRUE(pGrip->IsWindowVisible());
    // On screen the title bar's button maximises through the window manager, not the program.
    if (QWidget* pWidget = QtWidgetOf(d)) {
        pWidget->showMaximized();
        EXPECT_FALSE(pGrip->IsWindowVisible());
        pWidget->showNormal();
        EXPECT_TRUE(pGrip->IsWindowVisible());
    }

    const auto enabled = [&d](UINT nID) {
        CCmdUI state;
        state.m_nID = nID;
        state.DoUpdate(&d, TRUE);
        return state.m_bEnabled;
    };
    CClipboard::Empty();
    d.m_grid.ResetSelectedRange();
    EXPECT_FALSE(enabled(ID_EDIT_COPY));
    EXPECT_FALSE(enabled(ID_EDIT_CUT));
    EXPECT_FALSE(enabled(ID_EDIT_PASTE));
    d.m_grid.SetItemText(1, 1, _T("1"));
    d.m_grid.SetSelectedRange(CCellRange(1, 1, 1, 1));
    EXPECT_TRUE(enabled(ID_EDIT_COPY));
    EXPECT_TRUE(enabled(ID_EDIT_CUT));
    d.SendMessage(WM_COMMAND, ID_EDIT_COPY);
    CString strText;
    ASSERT_TRUE(CClipboard::GetText(strText));
    EXPECT_EQ(strText.ToUtf8().substr(0, 1), "1");
    EXPECT_TRUE(enabled(ID_EDIT_PASTE));
}

}  // namespace
