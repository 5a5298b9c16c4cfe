// One polling cycle of the I/O status monitor through a controller session's port against the
// simulated controller on a pseudo-terminal: the frames of each view, the values that come
// back, the failures and their log lines, and the slave address afterwards.
#include "controller/IOStatusCycle.h"

#include "platform/comm/SerialPortNames.h"
#include "platform/core/MessageBox.h"
#include "shell/MainFrame.h"
#include "controller/ControllerSession.h"
#include "support/LogLines.h"
#include "support/RunningApp.h"
#include "support/SimulatedLink.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;
using Fault = SimulatedController::Fault;

class IOStatusCycleTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSerialPortNumbers();
        ASSERT_TRUE(m_app.Start());
        ASSERT_NE(Frame(), nullptr);
        m_pLink = std::make_unique<CControllerSession>(*Frame());
        UseSimulatedController(*m_pLink, m_controller);
        ASSERT_TRUE(m_pLink->OpenPort(115200, 8, 0, 0));
        m_nLogStart = Frame()->m_wndInfoBar.GetLogText().ToUtf8().size();
    }
    void TearDown() override
    {
        if (m_pLink)
            m_pLink->ClosePort();
        m_app.Close();
        ResetSerialPortNumbers();
    }

    static CMainFrame* Frame() { return AfxGetMainFrame(); }
    CIOStatusCycle::Result Run(IOStatusView view, BYTE byAddress = 0)
    {
        CIOStatusCycle cycle(*m_pLink);
        return cycle.Run(view, byAddress, 10);
    }
    std::vector<std::string> NewLogLines() const
    {
        return LogLinesFrom(Frame()->m_wndInfoBar.GetLogText().ToUtf8(), m_nLogStart);
    }
    // The request headers (slave, function, address, count) the controller received.
    std::vector<Bytes> RequestHeaders()
    {
        std::vector<Bytes> headers;
        for (const Bytes& request : m_controller.Requests())
            headers.emplace_back(request.begin(), request.begin() + std::min<std::size_t>(6, request.size()));
        return headers;
    }

    RunningApp m_app{"qarvo-iocycle", RunningApp::BackendOfTheRun()};
    CMessageBoxRecorder m_boxes;
    SimulatedController m_controller{0x5188};
    std::unique_ptr<CControllerSession> m_pLink;
    std::size_t m_nLogStart = 0;
};

Bytes Header(BYTE bySlave, BYTE byFunction, int nAddress, int nCount)
{
    return {bySlave, byFunction, BYTE(nAddress >> 8), BYTE(nAddress), BYTE(nCount >> 8), BYTE(nCount)};
}

TEST_F(IOStatusCycleTest, EachViewReadsTheClockThenItsAreasInAddressOrder)
{
    const struct {
        IOStatusView view;
        std::vector<Bytes> areas;
    } cases[] = {
        {IOStatusView::IoPoints,
         {Header(0, 2, 0, 128), Header(0, 2, 128, 128), Header(0, 1, 256, 128), Header(0, 4, 500, 64),
          Header(0, 3, 564, 32)}},
        {IOStatusView::Flags, {Header(0, 1, 384, 128), Header(0, 1, 512, 128), Header(0, 1, 640, 128),
                               Header(0, 1, 768, 128)}},
        {IOStatusView::AnalogFlags,
         {Header(0, 3, 596, 64), Header(0, 3, 660, 64), Header(0, 3, 724, 64), Header(0, 3, 788, 64),
          Header(0, 3, 852, 64), Header(0, 3, 916, 64), Header(0, 3, 980, 64), Header(0, 3, 1044, 64)}},
    };
    for (const auto& c : cases) {
        const std::size_t nBefore = m_controller.Requests().size();
        const CIOStatusCycle::Result result = Run(c.view);
        EXPECT_TRUE(result.bOk);
        std::vector<Bytes> expected = {Header(0, 3, 301, 6)};
        expected.insert(expected.end(), c.areas.begin(), c.areas.end());
        const std::vector<Bytes> all = RequestHeaders();
        EXPECT_EQ(std::vector<Bytes>(all.begin() + std::ptrdiff_t(nBefore), all.end()), expected)
            << "view " << int(c.view);
    }
}

TEST_F(IOStatusCycleTest, ValuesComeBackWhereTheControllerKeepsThem)
{
    m_controller.SetRegister(304, 13);
    m_controller.SetRegister(305, 5);
    m_controller.SetRegister(306, 42);
    m_controller.SetDiscreteInput(129, true);
    m_controller.SetCoil(256 + 9, true);
    m_controller.SetInputRegister(500 + 63, 0xBEEF);
    m_controller.SetRegister(564 + 1, 0x0102);
    CIOStatusCycle::Result result = Run(IOStatusView::IoPoints);
    ASSERT_TRUE(result.bOk);
    EXPECT_EQ(result.nHour, 13);
    EXPECT_EQ(result.nMinute, 5);
    EXPECT_EQ(result.nSecond, 42);
    ASSERT_EQ(result.areas[IOAREA_INPUTS].size(), 32u);
    EXPECT_EQ(result.areas[IOAREA_INPUTS][16], 0x02);
    ASSERT_EQ(result.areas[IOAREA_OUTPUTS].size(), 16u);
    EXPECT_EQ(result.areas[IOAREA_OUTPUTS][1], 0x02);
    ASSERT_EQ(result.areas[IOAREA_ANALOG_INPUTS].size(), 128u);
    EXPECT_EQ(result.areas[IOAREA_ANALOG_INPUTS][126], 0xBE);
    EXPECT_EQ(result.areas[IOAREA_ANALOG_INPUTS][127], 0xEF);
    ASSERT_EQ(result.areas[IOAREA_ANALOG_OUTPUTS].size(), 64u);
    EXPECT_EQ(result.areas[IOAREA_ANALOG_OUTPUTS][2], 0x01);
    EXPECT_EQ(result.areas[IOAREA_ANALOG_OUTPUTS][3], 0x02);

    m_controller.SetRegister(596 + 511, 7);
    result = Run(IOStatusView::AnalogFlags);
    ASSERT_EQ(result.areas[IOAREA_ANALOG_FLAGS].size(), 1024u);
    EXPECT_EQ(result.areas[IOAREA_ANALOG_FLAGS][1023], 7);
}

TEST_F(IOStatusCycleTest, SilenceAfterTheClockFailsWithTimeOutAndRecovers)
{
    m_controller.SetFault(Fault::NoReply, FC_READ_DISCRETE_INPUTS);
    const std::size_t nBefore = m_controller.Requests().size();
    CIOStatusCycle::Result result = Run(IOStatusView::IoPoints, 7);
    EXPECT_FALSE(result.bOk);
    EXPECT_EQ(result.dwError, ERR_TIMEOUT);
    // The clock and three sends of the first input request, nothing after them.
    const std::vector<Bytes> all = RequestHeaders();
    EXPECT_EQ(std::vector<Bytes>(all.begin() + std::ptrdiff_t(nBefore), all.end()),
              (std::vector<Bytes>{Header(7, 3, 301, 6), Header(7, 2, 0, 128), Header(7, 2, 0, 128),
                                  Header(7, 2, 0, 128)}));
    const std::vector<std::string> lines = NewLogLines();
    ASSERT_GE(lines.size(), 2u);
    EXPECT_EQ(lines[lines.size() - 2], "Read Data Error!");
    EXPECT_EQ(lines.back(), "TimeOut!");
    // Every later transfer goes to address 0 again.
    EXPECT_EQ(m_pLink->Protocol().m_bySlave, 0);

    m_controller.SetFault(Fault::None);
    result = Run(IOStatusView::IoPoints);
    EXPECT_TRUE(result.bOk);
    BYTE reply[16];
    DWORD dwError = 0;
    EXPECT_TRUE(m_pLink->ReadDeviceInfo(reply, int(sizeof reply), &dwError));
}

TEST_F(IOStatusCycleTest, FailuresNameTheirCause)
{
    const struct {
        Fault fault;
        BYTE byFunction;
        std::vector<std::string> tail;
    } cases[] = {
        // A clock that never answers: three attempts, then the cycle fails.
        {Fault::NoReply, FC_READ_HOLDING_REGISTERS, {"Read Data Error!", "TimeOut!"}},
        // A reply from another device fails its check at once.
        {Fault::WrongSlave, FC_READ_COILS, {"Device ID Error!", "Read Data Error!", "Connection Error!"}},
        {Fault::WrongCrc, FC_READ_INPUT_REGISTERS, {"Read Data Error!", "Connection Error!"}},
    };
    for (const auto& c : cases) {
        m_controller.SetFault(c.fault, c.byFunction);
        m_nLogStart = Frame()->m_wndInfoBar.GetLogText().ToUtf8().size();
        EXPECT_FALSE(Run(IOStatusView::IoPoints, 3).bOk);
        const std::vector<std::string> lines = NewLogLines();
        ASSERT_GE(lines.size(), c.tail.size());
        EXPECT_EQ(std::vector<std::string>(lines.end() - std::ptrdiff_t(c.tail.size()), lines.end()), c.tail)
            << "fault on function " << int(c.byFunction);
        EXPECT_EQ(m_pLink->Protocol().m_bySlave, 0);
    }
}

}  // namespace
