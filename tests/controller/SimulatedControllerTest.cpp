// The simulated controller that the controller-link tests talk to, driven through the
// controller session's port as the transfer operations are: the upload handshake reports the image's own
// size and password words, the password guards the program, the clock reads back as it was set,
// a slow line is slow, the message-text area and the standard reads and writes work on its
// maps, and the end frames are echoed.
#include "controller/ControllerSession.h"

#include "controller/RecordingSessionHost.h"
#include "platform/comm/SerialPortNames.h"
#include "platform/core/MessageBox.h"
#include "support/SimulatedLink.h"

#include <gtest/gtest.h>

#include <chrono>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;

class SimulatedControllerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ResetSerialPortNumbers();
        UseSimulatedController(m_session, m_controller);
        ASSERT_TRUE(m_session.OpenConfiguredPort());
    }
    void TearDown() override { ResetSerialPortNumbers(); }

    // Sends the frame and returns the reply of the expected length (empty on failure).
    Bytes Exchange(const BYTE* pFrame, int n, int nReplyLength)
    {
        DWORD dwError = 0;
        Bytes reply(static_cast<std::size_t>(nReplyLength));
        WORD wLength = WORD(nReplyLength);
        if (!m_session.SendFrame(pFrame, n, &dwError) ||
            !m_session.ReceiveReply(reply.data(), &wLength, &dwError, REPLY_TIMEOUT_MS))
            return {};
        reply.resize(wLength);
        return reply;
    }

    CMessageBoxRecorder m_boxes;
    SimulatedController m_controller{0x5188, 0xC105};
    RecordingSessionHost m_host;
    CControllerSession m_session{m_host};
    CModBus& m_modbus = m_session.Protocol();
};

TEST_F(SimulatedControllerTest, UploadHandshakeReportsTheImagesOwnWordsAndGuardsItsPassword)
{
    BYTE frame[160];
    // LC word 0: 10240 + 128 bytes in words; LC byte 1010: one message text in words; section L
    // holds "AB".
    const BYTE size[] = {0x14, 0x40};
    const BYTE texts[] = {0x02, 0x80};
    const BYTE password[] = {'B', 'A', 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
    ASSERT_EQ(Exchange(frame, m_modbus.BuildWriteMultiple(0x8C00, 1, size, frame, FC_WRITE_MULTIPLE_REGISTERS), 8).size(), 8U);
    ASSERT_EQ(Exchange(frame, m_modbus.BuildWriteMultiple(0x8C00 + 505, 1, texts, frame, FC_WRITE_MULTIPLE_REGISTERS), 8).size(), 8U);
    ASSERT_EQ(Exchange(frame, m_modbus.BuildWriteMultiple(0x8C00 + 4270, 4, password, frame, FC_WRITE_MULTIPLE_REGISTERS), 8).size(), 8U);
    Bytes reply = Exchange(frame, m_modbus.BuildUploadStart(frame), 19);
    ASSERT_EQ(reply.size(), 19U);
    BOOL bPassword = FALSE;
    EXPECT_EQ(m_modbus.CheckUploadStartReply(reply.data(), 19, &bPassword), PLC_RESULT_OK);
    EXPECT_TRUE(bPassword);
    EXPECT_EQ((reply[13] << 8) | reply[14], 5184);
    EXPECT_EQ((reply[15] << 8) | reply[16], 640);

    // The program stays closed until the right password came: the read goes unanswered.
    const int nRead = m_modbus.BuildReadRequest(0x8C00, 64, frame, FC_READ_HOLDING_REGISTERS);
    EXPECT_TRUE(Exchange(frame, nRead, 133).empty());
    BYTE typed[8];
    CModBus::MakePasswordBytes(_T("BA"), typed);
    reply = Exchange(frame, m_modbus.BuildPassword(typed, frame), 7);
    EXPECT_FALSE(m_modbus.CheckPasswordReply(reply.data(), int(reply.size())));
    CModBus::MakePasswordBytes(_T("AB"), typed);
    reply = Exchange(frame, m_modbus.BuildPassword(typed, frame), 7);
    EXPECT_TRUE(m_modbus.CheckPasswordReply(reply.data(), int(reply.size())));
    reply = Exchange(frame, m_modbus.BuildReadRequest(0x8C00, 64, frame, FC_READ_HOLDING_REGISTERS), 133);
    ASSERT_EQ(reply.size(), 133U);
    EXPECT_EQ(reply[3], 0x14);

    reply = Exchange(frame, m_modbus.BuildUploadEnd(1, frame), 8);
    EXPECT_TRUE(m_modbus.CheckUploadEndReply(reply.data(), int(reply.size()), 1));
    EXPECT_EQ(m_controller.LastEndFlag(), 1);
}

// The sizes are the image's words as they stand: a cleared image has no program, and a small
// program written over a large one is the small one.
TEST_F(SimulatedControllerTest, UploadSizeFollowsWhatWasWrittenLast)
{
    BYTE frame[160];
    const auto programWords = [&](BYTE byHigh, BYTE byLow) {
        const BYTE word[] = {byHigh, byLow};
        Exchange(frame, m_modbus.BuildWriteMultiple(0x8C00, 1, word, frame, FC_WRITE_MULTIPLE_REGISTERS), 8);
        const Bytes reply = Exchange(frame, m_modbus.BuildUploadStart(frame), 19);
        Exchange(frame, m_modbus.BuildUploadEnd(0, frame), 8);
        return reply.size() == 19 ? (reply[13] << 8) | reply[14] : -1;
    };
    const Bytes fresh = Exchange(frame, m_modbus.BuildUploadStart(frame), 19);
    ASSERT_EQ(fresh.size(), 19U);
    EXPECT_EQ((fresh[13] << 8) | fresh[14], 0xFFFF);  // nothing written yet: no program
    Exchange(frame, m_modbus.BuildUploadEnd(0, frame), 8);
    EXPECT_EQ(programWords(0x20, 0x00), 0x2000);
    EXPECT_EQ(programWords(0x14, 0x40), 0x1440);
    EXPECT_EQ(programWords(0xFF, 0xFF), 0xFFFF);
}

// The newer models are sent the day of the week first; the clock reads back year to second.
TEST_F(SimulatedControllerTest, ClockReadsBackAsItWasSet)
{
    BYTE frame[64];
    const BYTE record[] = {0, 2, 0x07, 0xEA, 0, 12, 0, 8, 0, 7, 0, 45, 0, 30};
    ASSERT_EQ(Exchange(frame, m_modbus.BuildSettingFrame(record, 14, frame, FC_SET_CLOCK, 0x5188), 8).size(), 8U);
    const Bytes reply = Exchange(frame, m_modbus.BuildReadRequest(301, 6, frame, FC_READ_HOLDING_REGISTERS), 17);
    ASSERT_EQ(reply.size(), 17U);
    EXPECT_EQ(Bytes(reply.begin() + 3, reply.end() - 2), Bytes(record + 2, record + 14));
}

// At 115200 baud the 133 bytes of a 64-register reply take more than 11 ms to come.
TEST_F(SimulatedControllerTest, SlowLineTakesItsTime)
{
    m_controller.SetLineBaud(115200);
    BYTE frame[16];
    const auto start = std::chrono::steady_clock::now();
    const Bytes reply = Exchange(frame, m_modbus.BuildReadRequest(0, 64, frame, FC_READ_HOLDING_REGISTERS), 133);
    EXPECT_EQ(reply.size(), 133U);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::microseconds(133 * 86));
}

TEST_F(SimulatedControllerTest, MessageTextsAndStandardAreasReadBack)
{
    BYTE frame[160];
    Bytes data(128);
    for (std::size_t i = 0; i < data.size(); ++i)
        data[i] = BYTE(i);
    int n = m_modbus.BuildWriteMultiple(0, 64, data.data(), frame, FC_WRITE_MSGTEXT);
    ASSERT_EQ(Exchange(frame, n, 8).size(), 8U);
    n = m_modbus.BuildReadRequest(0, 64, frame, FC_READ_MSGTEXT);
    Bytes reply = Exchange(frame, n, 133);
    ASSERT_EQ(m_modbus.CheckReadReply(reply.data(), int(reply.size()), FC_READ_MSGTEXT), PLC_RESULT_OK);
    EXPECT_EQ(Bytes(reply.begin() + 3, reply.end() - 2), data);

    const BYTE value[] = {0x12, 0x34};
    ASSERT_EQ(Exchange(frame, m_modbus.BuildWriteSingle(9160, value, frame, FC_WRITE_SINGLE_REGISTER), 8).size(), 8U);
    EXPECT_EQ(m_controller.Register(9160), 0x1234);

    m_controller.SetDiscreteInput(1, true);
    m_controller.SetDiscreteInput(9, true);
    reply = Exchange(frame, m_modbus.BuildReadRequest(0, 16, frame, FC_READ_DISCRETE_INPUTS), 7);
    ASSERT_EQ(m_modbus.CheckReadReply(reply.data(), int(reply.size()), FC_READ_DISCRETE_INPUTS), PLC_RESULT_OK);
    EXPECT_EQ(reply[3], 0x02);
    EXPECT_EQ(reply[4], 0x02);
    m_controller.SetCoil(256, true);
    reply = Exchange(frame, m_modbus.BuildReadRequest(256, 8, frame, FC_READ_COILS), 6);
    EXPECT_EQ(reply[3], 0x01);
    m_controller.SetInputRegister(500, 1234);
    reply = Exchange(frame, m_modbus.BuildReadRequest(500, 1, frame, FC_READ_INPUT_REGISTERS), 7);
    EXPECT_EQ((reply[3] << 8) | reply[4], 1234);
}

TEST_F(SimulatedControllerTest, DownloadHandshakeMatchesTheProject)
{
    BYTE frame[16];
    const Bytes reply = Exchange(frame, m_modbus.BuildDownloadStart(frame), 19);
    ASSERT_EQ(reply.size(), 19U);
    EXPECT_EQ(m_modbus.CheckDownloadStartReply(reply.data(), 19, {0x5188, 0, 0xC100, HANDSHAKE_DOWNLOAD}),
              PLC_RESULT_OK);
    EXPECT_EQ(m_modbus.CheckDownloadStartReply(reply.data(), 19, {0x5188, 0, 0xC200, HANDSHAKE_DOWNLOAD}),
              PLC_RESULT_MACHINE_VERSION);
    EXPECT_EQ(m_modbus.CheckDownloadStartReply(reply.data(), 19, {0x6188, 0, 0xC100, HANDSHAKE_DOWNLOAD}),
              PLC_RESULT_MACHINE_TYPE);
}

TEST_F(SimulatedControllerTest, UnknownFunctionGivesAnExceptionReply)
{
    BYTE frame[16] = {0x00, 0x2B, 0, 0, 0, 0};
    m_modbus.AppendCRC(frame, 6);
    DWORD dwError = 0;
    BYTE reply[8];
    WORD wLength = 8;
    ASSERT_TRUE(m_session.SendFrame(frame, 8, &dwError));
    EXPECT_FALSE(m_session.ReceiveReply(reply, &wLength, &dwError, REPLY_TIMEOUT_MS));
    EXPECT_EQ(dwError, ERR_EXCEPTION_REPLY);
    CString strText;
    EXPECT_EQ(m_modbus.GetExceptionText(reply, 5, strText), 1);
}

}  // namespace
