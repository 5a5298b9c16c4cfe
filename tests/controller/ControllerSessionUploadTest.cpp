// The controller session's upload without a window, against the simulated controller on a
// pseudo-terminal: what one upload leaves behind for the next, and what a program uploaded and
// sent again leaves in the controller.
#include "controller/ControllerSession.h"

#include "codec/ImageDecoder.h"
#include "codec/ImageLayout.h"
#include "controller/RecordingSessionHost.h"
#include "controller/TransferSupport.h"
#include "document/HardwareSeries.h"
#include "platform/comm/SerialPortNames.h"
#include "platform/core/MessageBox.h"
#include "support/BlockCatalogue.h"
#include "support/SimulatedLink.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A password answered with Cancel, or refused, whose upload then loses its end frame, leaves
// no answer behind: the next upload of a program without a password opens it.
TEST(ControllerSessionUploadTest, AnUploadCutShortAfterThePasswordDoesNotSpoilTheNext)
{
    for (const int nAnswer : {IDCANCEL, IDOK}) {
        SCOPED_TRACE(nAnswer);
        ResetSerialPortNumbers();
        CMessageBoxRecorder boxes;
        RecordingSessionHost host;
        CControllerSession session(host);
        SimulatedController controller;
        controller.SetProgramSize(10240 + 128);
        controller.SetPassword("ABC");
        UseSimulatedController(session, controller);
        host.m_strPassword = "ABD";
        host.m_nPasswordAnswer = nAnswer;
        controller.SetFault(SimulatedController::Fault::NoReply, FC_UPLOAD_END);
        session.RunWithPort([&] { session.Upload(); }, 0);
        EXPECT_EQ(host.m_nUploadsOpened, 0);

        controller.SetFault(SimulatedController::Fault::None);
        controller.SetPassword("");
        session.RunWithPort([&] { session.Upload(); }, 0);
        EXPECT_EQ(host.m_nUploadsOpened, 1);
        ResetSerialPortNumbers();
    }
}

// A host that opens the uploaded program as the main window does: decoded into its document.
struct DecodingHost : RecordingSessionHost {
    void OpenUploadedProgram(CVetlaCoreRule& codec) override
    {
        for (int i = 0; i < 2; ++i)
            SwapImageWords(codec.Wire(i), codec.Image(i));
        SwapImageWords(codec.WireTextArea(), codec.TextArea());
        m_bDecoded = DecodeProgramImage(codec, m_uploaded).bOk;
    }
    CVetlaDoc m_uploaded;
    bool m_bDecoded = false;
};

// The controller's program memory as registers, but for the download stamp (section ID) and the
// checksums (bytes 1012-1019 of section LC); then the message-text area.
std::vector<int> ProgramRegisters(SimulatedController& controller)
{
    const ImageSection* pStamp = FindImageSection("ID");
    const int nSums = FindImageSection("LC")->nOffset + 1012;
    std::vector<int> registers;
    for (std::uint32_t r = SimulatedController::kImageBuffer0; r < SimulatedController::kImageEnd; ++r) {
        const int nByte = int(r - SimulatedController::kImageBuffer0) * 2;
        if ((nByte < pStamp->nOffset || nByte >= pStamp->nOffset + pStamp->nSize) && (nByte < nSums || nByte >= nSums + 8))
            registers.push_back(controller.Register(std::uint16_t(r)));
    }
    for (int r = 0; r < controller.Register(SimulatedController::kTextWordsRegister) % 0xFFFF; ++r)
        registers.push_back(controller.MessageTextRegister(std::uint16_t(r)));
    return registers;
}

// The block catalogue of each generation (every type with settings off their defaults, the
// analog blocks with a sensor the upload gives back as "No sensor") downloaded, uploaded and the
// upload sent again: the controller holds the same program but for the stamp and the checksums.
TEST(ControllerSessionUploadTest, TheCatalogueUploadedAndSentAgainIsTheSameProgram)
{
    for (const bool bNewer : {false, true}) {
        SCOPED_TRACE(bNewer ? "newer" : "older");
        ResetSerialPortNumbers();
        CMessageBoxRecorder boxes;
        DecodingHost host;
        CControllerSession session(host);
        CVetlaDoc doc;
        doc.m_wHardwareCode = bNewer ? 0x5288 : 0x1188;
        GetHardwareSeries(doc.m_wHardwareCode, &doc.m_strHardwareName, &doc.m_wFirmwareWord);
        SimulatedController controller(doc.m_wHardwareCode, doc.m_wFirmwareWord);
        UseSimulatedController(session, controller);
        ASSERT_TRUE(catalogue::Builder(doc, bNewer).Build());
        for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
            if (auto* pAnalog = dynamic_cast<CBlockAnalog*>(static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos))))
                pAnalog->m_nSensor = 2;
        }
        session.RunWithPort([&] { session.Download(doc); }, 0);
        const std::vector<int> sent = ProgramRegisters(controller);
        host.m_strPassword = "QARVO";
        session.RunWithPort([&] { session.Upload(); }, 0);
        EXPECT_TRUE(host.m_bDecoded);
        // The function blocks erased, so that only the second download can bring them back.
        for (std::uint32_t r = SimulatedController::kImageBuffer1; r < SimulatedController::kImageEnd; ++r)
            controller.SetRegister(std::uint16_t(r), 0xFFFF);
        session.RunWithPort([&] { session.Download(host.m_uploaded); }, 0);
        const std::vector<int> again = ProgramRegisters(controller);
        EXPECT_TRUE(sent == again) << "first difference at " << std::ranges::mismatch(sent, again).in1 - sent.begin();
        for (const auto& box : boxes.Boxes())
            ADD_FAILURE() << box.text.ToUtf8();
        ResetSerialPortNumbers();
    }
}

}  // namespace
