// Clear User Program and Password through a controller session without a window, against the
// simulated controller: 67 blocks of 0xFF from register 0x8C00 for whatever controller
// answers, a declined question, and a time-out that ends the clear without its end frame.
#include "SessionOnSimulatedLine.h"
#include "controller/TransferSupport.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

using Bytes = std::vector<BYTE>;
using Fault = SimulatedController::Fault;

class ClearTest : public SessionOnSimulatedLine {
protected:
    void UsePort(SimulatedController& controller) { UseSimulatedController(m_session, controller); }
    // The clear as its command runs it: the port opened, the clear, the port closed.
    void Run()
    {
        m_session.RunWithPort([this] { m_session.Clear(); }, 0);
    }
    static Bytes FunctionCodes(SimulatedController& controller)
    {
        Bytes codes;
        for (const auto& request : controller.Requests())
            codes.push_back(request[1]);
        return codes;
    }
    // The controller's registers from wFirst as bytes, high byte first as on the wire.
    static Bytes Memory(SimulatedController& controller, WORD wFirst, int nBytes)
    {
        Bytes bytes;
        for (int i = 0; i < nBytes / 2; ++i) {
            const WORD w = controller.Register(WORD(wFirst + i));
            bytes.push_back(BYTE(w >> 8));
            bytes.push_back(BYTE(w & 0xFF));
        }
        return bytes;
    }
};

TEST_F(ClearTest, WritesSixtySevenBlocksOfFFForAnyController)
{
    SimulatedController controller;
    // A controller that answers the handshake as "any machine", even with a wrong CRC.
    controller.SetFault(Fault::AnyMachineReply, FC_DOWNLOAD_START);
    UsePort(controller);
    for (WORD w = 0; w <= 4288; ++w)
        controller.SetRegister(WORD(IMAGE_REGISTER_BUFFER0 + w), 0x1234);
    MarkLog();
    m_boxes.QueueAnswer(IDYES);
    Run();
    EXPECT_EQ(m_boxes.Boxes().at(0).text.ToUtf8(), "Are you sure to clear Device's Program?");
    Bytes expected = {FC_READ_HOLDING_REGISTERS, FC_DOWNLOAD_START};
    expected.insert(expected.end(), 67, FC_WRITE_MULTIPLE_REGISTERS);
    expected.insert(expected.end(), 67, FC_READ_HOLDING_REGISTERS);
    expected.push_back(FC_DOWNLOAD_END);
    EXPECT_EQ(FunctionCodes(controller), expected);
    EXPECT_EQ(Memory(controller, IMAGE_REGISTER_BUFFER0, 8576), Bytes(8576, 0xFF));
    EXPECT_EQ(controller.Register(WORD(IMAGE_REGISTER_BUFFER0 + 4288)), 0x1234);
    EXPECT_EQ(controller.LastEndFlag(), 1);
    EXPECT_EQ(NewLogLines(), (std::vector<std::string>{"Clear Program and Password Starts...",
                                                       "Clear Program and Password Succeeds"}));
    EXPECT_EQ(m_boxes.Boxes().size(), 1U);
}

TEST_F(ClearTest, DeclinedClearSendsNothing)
{
    SimulatedController controller;
    UsePort(controller);
    m_boxes.QueueAnswer(IDNO);
    Run();
    EXPECT_TRUE(controller.Requests().empty());
}

TEST_F(ClearTest, TimeOutDuringTheVerifyEndsWithoutTheEndFrame)
{
    SimulatedController controller;
    UsePort(controller);
    m_boxes.QueueAnswer(IDYES);
    // The verify's reads go unanswered: those after the handshake, the start and the 67 writes.
    controller.SetFault(Fault::NoReply, FC_READ_HOLDING_REGISTERS);
    controller.SetFaultAfter(2 + 67);
    MarkLog();
    Run();
    const Bytes codes = FunctionCodes(controller);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), FC_WRITE_MULTIPLE_REGISTERS), 67);
    EXPECT_EQ(std::count(codes.begin(), codes.end(), FC_DOWNLOAD_END), 0);
    EXPECT_EQ(controller.LastEndFlag(), -1);
    ASSERT_FALSE(NewLogLines().empty());
    EXPECT_EQ(NewLogLines().back(), "Clear Program Suspend!");
    EXPECT_EQ(m_boxes.Boxes().back().text.ToUtf8(),
              "Please check if cable connects Device and PC, Initial/Run Mode Setting, ComPort is selected "
              "correctly, and Machine type(Device/PC) matches!");
}

}  // namespace
