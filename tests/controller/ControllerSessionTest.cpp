// The controller session's port against a simulated controller on a pseudo-terminal, without
// a window: frames out, replies in with their time-outs and shortened forms, exception replies
// and silence, the device information, the settings frames, the port probe and the open
// failures.
#include "SessionOnSimulatedLine.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <utility>
#include <vector>

namespace {

using Clock = std::chrono::steady_clock;
using Bytes = std::vector<BYTE>;
using Fault = SimulatedController::Fault;

long MsSince(Clock::time_point start)
{
    return long(std::chrono::duration_cast<std::chrono::milliseconds>(Clock::now() - start).count());
}

class ComPortTest : public SessionOnSimulatedLine {
protected:
    BOOL Send(const BYTE* pFrame, int n)
    {
        DWORD dwError = 0;
        return m_session.SendFrame(pFrame, n, &dwError);
    }
    // The device information read into m_reply: whether it came, and the error it left.
    std::pair<bool, DWORD> ReadInfo()
    {
        DWORD dwError = 99;
        const bool bOk = m_session.ReadDeviceInfo(m_reply, int(sizeof m_reply), &dwError);
        return {bOk, dwError};
    }

    BYTE m_reply[32] = {};
};

TEST_F(ComPortTest, DeviceInformationGivesTheModelCode)
{
    SimulatedController controller(0x5188, 0xC100);
    Connect(controller);
    EXPECT_TRUE(m_session.IsPortOpen());
    ASSERT_EQ(ReadInfo(), std::pair(true, DWORD(PLC_RESULT_OK)));
    EXPECT_EQ(m_reply[3], 0x51);
    ASSERT_FALSE(controller.Requests().empty());
    EXPECT_EQ(controller.Requests().front(), (Bytes{0x00, 0x03, 0x00, 0xD2, 0x00, 0x03, 0xA4, 0x23}));
    m_session.ClosePort();
    EXPECT_FALSE(m_session.IsPortOpen());
}

TEST_F(ComPortTest, DeviceInformationThatFailsItsCheckIsLogged)
{
    SimulatedController controller;
    controller.SetFault(Fault::WrongSlave);
    Connect(controller);
    MarkLog();
    EXPECT_EQ(ReadInfo(), std::pair(false, DWORD(PLC_RESULT_DEVICE_ID)));
    EXPECT_EQ(NewLogLines(), std::vector<std::string>{"Device ID Error!"});
    DWORD dwError = 0;
    EXPECT_FALSE(m_session.ReadDeviceInfo(m_reply, 10, &dwError));
}

TEST_F(ComPortTest, ShortHandshakeRepliesCompleteAtOnce)
{
    SimulatedController controller;
    controller.SetFault(Fault::AnyMachineReply, FC_DOWNLOAD_START);
    Connect(controller);
    BYTE frame[16];
    ASSERT_TRUE(Send(frame, m_session.Protocol().BuildDownloadStart(frame)));
    BYTE reply[32];
    WORD wLength = 19;
    DWORD dwError = 0;
    const Clock::time_point start = Clock::now();
    ASSERT_TRUE(m_session.ReceiveReply(reply, &wLength, &dwError, REPLY_TIMEOUT_MS));
    EXPECT_LT(MsSince(start), 1000);
    EXPECT_EQ(wLength, 17);
    EXPECT_EQ(reply[3], 0x88);
    EXPECT_EQ(reply[4], 0x99);

    // An older controller's upload handshake where the newer form was expected.
    SimulatedController older(0x2188, 0xB100);
    m_session.ClosePort();
    Connect(older);
    ASSERT_TRUE(Send(frame, m_session.Protocol().BuildUploadStart(frame)));
    wLength = 19;
    ASSERT_TRUE(m_session.ReceiveReply(reply, &wLength, &dwError, REPLY_TIMEOUT_MS));
    EXPECT_EQ(wLength, 17);
}

TEST_F(ComPortTest, ExceptionReplyFailsAtTheTimeOutWithOneLine)
{
    SimulatedController controller;
    controller.SetFault(Fault::Exception, FC_READ_HOLDING_REGISTERS, 3);
    Connect(controller);
    MarkLog();
    const Clock::time_point start = Clock::now();
    EXPECT_EQ(ReadInfo(), std::pair(false, DWORD(ERR_EXCEPTION_REPLY)));
    EXPECT_GE(MsSince(start), REPLY_TIMEOUT_MS / SimulatedController::kQuietScale);
    EXPECT_EQ(NewLogLines(), std::vector<std::string>{"Exception Code : No=3->ILLIGAL DATA VALUE,Please Check!"});
}

TEST_F(ComPortTest, SilenceAndRepliesCutShortTimeOut)
{
    for (Fault fault : {Fault::NoReply, Fault::CutShort}) {
        // A controller of its own for each fault: a late reply to one request, sent once the
        // next fault is set, must not reach the next request.
        SimulatedController controller;
        controller.SetFault(fault);
        Connect(controller);
        MarkLog();
        EXPECT_EQ(ReadInfo(), std::pair(false, DWORD(ERR_TIMEOUT)));
        EXPECT_EQ(NewLogLines(), std::vector<std::string>{"Time Out! Can't Read Data in 3 Seconds, Please check!"});
        m_session.ClosePort();
    }
}

TEST_F(ComPortTest, ReplyInPiecesIsAssembled)
{
    SimulatedController controller;
    controller.SetFault(Fault::InPieces);
    Connect(controller);
    EXPECT_TRUE(ReadInfo().first);
    EXPECT_EQ(m_reply[3], 0x51);
}

TEST_F(ComPortTest, LongTimeOutsAreHonoured)
{
    // Each echo comes half-way between the short time-out and the long one, on the line's
    // clock: the first block's 6 s, a remote module's 30 s.
    SimulatedController controller;
    Connect(controller);
    Bytes data(128, 0x5A);
    BYTE frame[160];
    const int n = m_session.Protocol().BuildWriteMultiple(0x8C00, 64, data.data(), frame, FC_WRITE_MULTIPLE_REGISTERS);
    struct Case {
        int nDelayMs;
        int nTimeoutMs;
        BOOL bArrives;
    };
    const Case cases[] = {
        {4500, FIRST_BLOCK_TIMEOUT_MS, TRUE},
        {4500, REPLY_TIMEOUT_MS, FALSE},
        {16500, REMOTE_MODULE_TIMEOUT_MS, TRUE},
        {16500, REPLY_TIMEOUT_MS, FALSE},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nTimeoutMs);
        controller.SetReplyDelay(c.nDelayMs, FC_WRITE_MULTIPLE_REGISTERS);
        // The next request's purge drops a late echo of the one before.
        ASSERT_TRUE(Send(frame, n));
        BYTE reply[8] = {};
        WORD wLength = 8;
        DWORD dwError = 0;
        EXPECT_EQ(m_session.ReceiveReply(reply, &wLength, &dwError, c.nTimeoutMs), c.bArrives);
        EXPECT_EQ(dwError, c.bArrives ? 0 : ERR_TIMEOUT);
        EXPECT_EQ(reply[1], c.bArrives ? FC_WRITE_MULTIPLE_REGISTERS : 0);
    }
    EXPECT_EQ(controller.Register(0x8C00), 0x5A5A);
}

// A reply that comes after the time-out is not waited for, however little after it.
TEST_F(ComPortTest, TheWaitEndsAtTheTimeOut)
{
    SimulatedController controller;
    Connect(controller);
    controller.SetReplyDelay(REPLY_TIMEOUT_MS + 100, FC_READ_HOLDING_REGISTERS);
    EXPECT_EQ(ReadInfo(), std::pair(false, DWORD(ERR_TIMEOUT)));
}

TEST_F(ComPortTest, SettingsAreWrittenAndReadBack)
{
    SimulatedController controller(0x5188);
    Connect(controller);
    MarkLog();
    DWORD dwError = 0;
    const BYTE calibration[] = {0, 1, 0, 7};
    ASSERT_TRUE(m_session.WriteSetting(calibration, 4, &dwError, 0x010, 0x010));
    BYTE area[64];
    ASSERT_TRUE(m_session.ReadArea(area, int(sizeof area), 4, &dwError, 0x020));
    EXPECT_EQ(Bytes(area + 3, area + 7), (Bytes{0, 1, 0, 7}));

    const BYTE dst[12] = {4, 0, 0, 0, 0x0B, 0x01, 0x03, 0x08, 0x3C, 0, 0, 0};
    ASSERT_TRUE(m_session.WriteSetting(dst, 12, &dwError, 0x004, 0x004));
    ASSERT_TRUE(m_session.ReadArea(area, int(sizeof area), 12, &dwError, 0x008));
    EXPECT_EQ(Bytes(area + 7, area + 19), (Bytes{4, 0, 0x0B, 0, 0x01, 0, 0x03, 0, 0x08, 0, 0x3C, 0}));

    // The clock frame's register field is the identification's first two bytes, at 18-19.
    BYTE clock[20] = {0, 1, 0x07, 0xEA, 0, 12, 0, 7, 0, 10, 0, 30, 0, 15};
    clock[18] = 0x51;
    clock[19] = 0x88;
    ASSERT_TRUE(m_session.WriteSetting(clock, 14, &dwError, 0x001, 0x001));
    // Year to second from 301, where the clock is read; the day of the week apart.
    EXPECT_EQ(controller.Register(301), 0x07EA);
    EXPECT_EQ(controller.Register(306), 15);
    EXPECT_EQ(controller.Register(SimulatedController::kDayOfWeekRegister), 1);
    EXPECT_EQ(NewLogLines(), (std::vector<std::string>{"Clock Calibration Setting Starts...",
                                                       "Summer/Winter Time Writing Starts...",
                                                       "Clock Setting Starts..."}));

    // A reply that fails its check names the frame.
    controller.SetFault(Fault::WrongCrc);
    MarkLog();
    EXPECT_FALSE(m_session.WriteSetting(dst, 12, &dwError, 0x004, 0x044));
    EXPECT_EQ(NewLogLines(), (std::vector<std::string>{"WIFI Setup Setting Starts...",
                                                       "WIFI Config Setting(RTU Function Code 233) Error!"}));
    MarkLog();
    EXPECT_FALSE(m_session.ReadArea(area, int(sizeof area), 4, &dwError, 0x020));
    EXPECT_EQ(dwError, PLC_RESULT_CHECKSUM);
    EXPECT_EQ(NewLogLines(), std::vector<std::string>{"Check Sum Error!"});
}

TEST_F(ComPortTest, ReadAreaRefusesABufferTheReplyWouldOverrun)
{
    SimulatedController controller;
    Connect(controller);
    BYTE area[16];
    DWORD dwError = 0;
    EXPECT_FALSE(m_session.ReadArea(area, int(sizeof area), 12, &dwError, 0x008));
    EXPECT_EQ(dwError, DWORD(EINVAL));
    EXPECT_TRUE(controller.Requests().empty());
}

TEST_F(ComPortTest, ProbeAnswersWhetherAControllerEchoes)
{
    SimulatedController controller;
    PtyPair silent;
    const int nController = SerialPortNumberOf(CString::FromUtf8(controller.Path()));
    const int nSilent = SerialPortNumberOf(CString::FromUtf8(silent.Path()));
    const int nMissing = SerialPortNumberOf(_T("/nonexistent/ttyUSB7"));
    m_session.SetPortNumber(0);
    // The silent port's line is quiet on the controller's clock too.
    m_session.SetLinkClock(&controller.LinkClock());
    DWORD dwError = 0;
    EXPECT_TRUE(m_session.ProbePort(&dwError, 0, nController));
    ASSERT_FALSE(controller.Requests().empty());
    EXPECT_EQ(controller.Requests().back()[1], FC_DOWNLOAD_END);
    EXPECT_EQ(controller.LastEndFlag(), 0);
    EXPECT_FALSE(m_session.IsPortOpen());
    EXPECT_EQ(m_session.GetPortNumber(), 0);

    MarkLog();
    EXPECT_FALSE(m_session.ProbePort(&dwError, 0, nSilent));
    EXPECT_EQ(dwError, ERR_TIMEOUT);
    EXPECT_EQ(NewLogLines(), std::vector<std::string>{"Time Out! Can't Read Data in 3 Seconds, Please check!"});

    EXPECT_TRUE(m_boxes.Boxes().empty());
    EXPECT_FALSE(m_session.ProbePort(&dwError, 0, nMissing));
    ASSERT_EQ(m_boxes.Boxes().size(), 2U);
    EXPECT_EQ(m_boxes.Boxes()[0].text.ToUtf8(), "This Port is not ready!, Error Code=[2]");
    EXPECT_EQ(m_boxes.Boxes()[0].type & MB_ICONMASK, MB_ICONERROR);
    EXPECT_EQ(m_boxes.Boxes()[1].text.ToUtf8(), "/nonexistent/ttyUSB7 fail to open, Please check!");
    EXPECT_FALSE(m_session.IsPortOpen());
    EXPECT_EQ(m_session.GetPortNumber(), 0);
}

TEST_F(ComPortTest, NoConfiguredPortOpensNothing)
{
    m_session.SetPortNumber(0);
    EXPECT_FALSE(m_session.OpenConfiguredPort());
    EXPECT_TRUE(m_boxes.Boxes().empty());
    // A port number that names no device fails as a missing device.
    m_session.SetPortNumber(42);
    EXPECT_FALSE(m_session.OpenConfiguredPort());
    ASSERT_EQ(m_boxes.Boxes().size(), 2U);
    EXPECT_EQ(m_boxes.Boxes()[1].text.ToUtf8(), "COM42 fail to open, Please check!");
}

TEST_F(ComPortTest, SendingOnAClosedPortGivesTheSystemError)
{
    BYTE frame[8] = {};
    DWORD dwError = 0;
    EXPECT_FALSE(m_session.SendFrame(frame, 8, &dwError));
    EXPECT_EQ(dwError, DWORD(EBADF));
    WORD wLength = 8;
    EXPECT_FALSE(m_session.ReceiveReply(frame, &wLength, &dwError, REPLY_TIMEOUT_MS));
    EXPECT_EQ(dwError, DWORD(EBADF));
}

}  // namespace
