// PC->Device through the running application against the simulated controller: the frames in
// their order for both generations and the image the controller then holds, the progress
// arithmetic, and the ways a download stops: a wrong controller, a changed byte, a late echo,
// a diagram the pre-check or the encoder refuses, a ladder.
#include "document/LogoBitmap.h"
#include "controller/TransferSupport.h"
#include "support/ActiveDocument.h"
#include "TransferLinkSupport.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

struct GenerationCase {
    WORD wHardwareCode;
    WORD wVersion;
    bool bText;
};

class DownloadSequenceTest : public TransferLinkTest, public ::testing::WithParamInterface<GenerationCase> {};

// The function codes a download sends: device information, handshake, the writes of both
// buffers and the texts, the read-backs, the end.
Bytes ExpectedCodes(int nBuffer1Bytes, int nTexts)
{
    Bytes codes = {FC_READ_HOLDING_REGISTERS, FC_DOWNLOAD_START};
    const int nImageBlocks = (IMAGE_BUFFER0_BYTES + nBuffer1Bytes) / 128;
    const int nTextBlocks = nTexts * IMAGE_TEXT_BLOCK_BYTES / 128;
    codes.insert(codes.end(), std::size_t(nImageBlocks), FC_WRITE_MULTIPLE_REGISTERS);
    codes.insert(codes.end(), std::size_t(nTextBlocks), FC_WRITE_MSGTEXT);
    codes.insert(codes.end(), std::size_t(nImageBlocks), FC_READ_HOLDING_REGISTERS);
    codes.insert(codes.end(), std::size_t(nTextBlocks), FC_READ_MSGTEXT);
    codes.push_back(FC_DOWNLOAD_END);
    return codes;
}

TEST_P(DownloadSequenceTest, FramesInOrderAndTheImageByteForByte)
{
    const GenerationCase& c = GetParam();
    SimulatedController controller(c.wHardwareCode, c.wVersion);
    UsePort(controller);
    CVetlaDoc* pDoc = SmallDiagram(c.wHardwareCode, c.bText);
    ASSERT_NE(pDoc, nullptr);
    MarkLog();
    Run(PLC_OP_DOWNLOAD);

    const int nTexts = c.bText && pDoc->IsNewGenerationDoc() ? 1 : 0;
    const Bytes buffer0 = Memory(controller, IMAGE_REGISTER_BUFFER0, IMAGE_BUFFER0_BYTES);
    const WireImage image = EncodedImage(*pDoc, StampOf(buffer0), nTexts);
    EXPECT_EQ(FunctionCodes(controller), ExpectedCodes(int(image.buffer1.size()), nTexts));
    EXPECT_EQ(NewLogLines(), (std::vector<std::string>{"DownLoad Starts...", "DownLoad Succeeds"}));
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(controller.LastEndFlag(), 1);
    EXPECT_EQ(buffer0, image.buffer0);
    EXPECT_EQ(Memory(controller, IMAGE_REGISTER_BUFFER1, int(image.buffer1.size())), image.buffer1);
    EXPECT_EQ(Memory(controller, 0, int(image.texts.size()), true), image.texts);

    // The writes walk each buffer from its first register in steps of 64 registers.
    const auto requests = controller.Requests();
    EXPECT_EQ(Bytes(requests[2].begin(), requests[2].begin() + 7), (Bytes{0, 16, 0x8C, 0x00, 0, 64, 128}));
    EXPECT_EQ(Bytes(requests[3].begin() + 2, requests[3].begin() + 4), (Bytes{0x8C, 0x40}));
    EXPECT_EQ(Bytes(requests[2 + 80].begin() + 2, requests[2 + 80].begin() + 4), (Bytes{0xA0, 0x00}));
    // The progress window went with the end, and the port is closed.
    EXPECT_EQ(Frame()->m_progressDlg.GetSafeHwnd(), nullptr);
    EXPECT_FALSE(Frame()->Session().IsPortOpen());
}

INSTANTIATE_TEST_SUITE_P(Generations, DownloadSequenceTest,
                         ::testing::Values(GenerationCase{0x5188, 0xC100, true}, GenerationCase{0x1188, 0xB100, false},
                                           GenerationCase{0x5288, 0xC100, false}));

TEST(DownloadProgressTest, TotalsCountEveryByteOnTheLine)
{
    // An empty program still sends buffer 0 and one block of buffer 1.
    EXPECT_EQ(DownloadProgressTotal(IMAGE_BUFFER0_BYTES + 128, 0), 23207U);
    // 145A/128 + 141A/128 + 286M/128 + 41, each division on its own.
    EXPECT_EQ(DownloadProgressTotal(IMAGE_BUFFER0_BYTES + 256, 2 * 1280), 145U * 10496 / 128 + 141U * 10496 / 128 + 286U * 20 + 41);
    EXPECT_EQ(DownloadProgressTotal(8576, 0), 145U * 67 + 141U * 67 + 41);
}

TEST_F(TransferLinkTest, UploadedLogoGoesDownAgainUnlessAFileReplacedIt)
{
    SimulatedController controller;
    UsePort(controller);
    CVetlaDoc* pDoc = SmallDiagram(0x5188, false);
    pDoc->m_bHasUploadedLogo = 1;
    pDoc->m_pUploadedLogo = std::make_unique<BYTE[]>(UPLOADED_LOGO_SIZE);
    for (int i = 0; i < UPLOADED_LOGO_SIZE; ++i)
        pDoc->m_pUploadedLogo[std::size_t(i)] = BYTE(i * 7);
    for (const bool bFile : {false, true}) {
        pDoc->m_settings.strLogoFile = bFile ? _T("logo.bmp") : _T("");
        Run(PLC_OP_DOWNLOAD);
        ASSERT_EQ(controller.LastEndFlag(), 1);
        // The image's bytes 2..961 and the flag at 1022, each word high byte first on the wire.
        const Bytes lc = Memory(controller, IMAGE_REGISTER_BUFFER0, 1024);
        EXPECT_EQ(lc[1023], bFile ? 0 : 1);
        EXPECT_EQ(lc[3], bFile ? 0 : BYTE(0 * 7));
        EXPECT_EQ(lc[2], bFile ? 0 : BYTE(1 * 7));
        EXPECT_EQ(lc[961], bFile ? 0 : BYTE(958 * 7));
    }
}

// A logo file goes down converted, inverted when the project asks for it.
TEST_F(TransferLinkTest, TheProjectsLogoFileGoesDownConverted)
{
    SimulatedController controller;
    UsePort(controller);
    CVetlaDoc* pDoc = SmallDiagram(0x5188, false);
    // 108 x 64, one bit a pixel, palette black then white, every pixel index 0: all black.
    std::vector<BYTE> bmp(62 + 64 * 16, 0);
    const BYTE header[] = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0, 40, 0, 0, 0, LOGO_WIDTH, 0, 0, 0,
                           LOGO_HEIGHT, 0, 0, 0, 1, 0, 1};
    std::copy(std::begin(header), std::end(header), bmp.begin());
    bmp[58] = bmp[59] = bmp[60] = 0xFF;
    const std::filesystem::path path = std::filesystem::temp_directory_path() /
                                       ("download-logo-" + std::to_string(getpid()) + ".bmp");
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bmp.data()), std::streamsize(bmp.size()));
    pDoc->m_settings.strLogoFile = CString::FromUtf8(path.string());
    for (const int bInverse : {0, 1}) {
        pDoc->m_settings.bLogoInverse = bInverse;
        Run(PLC_OP_DOWNLOAD);
        ASSERT_EQ(controller.LastEndFlag(), 1);
        const Bytes lc = Memory(controller, IMAGE_REGISTER_BUFFER0, 1024);
        EXPECT_EQ(lc[1023], 1);
        // Column 0 of the first page: eight black pixels, lit unless inverted.
        EXPECT_EQ(lc[3], bInverse ? 0x00 : 0xFF);
        EXPECT_EQ(lc[2 + LOGO_WIDTH], 0) << "past the picture: unlit either way";
    }
    // A file changed since into one of 4 bits a pixel: named, and the download goes on without it.
    bmp[28] = 4;
    std::ofstream(path, std::ios::binary).write(reinterpret_cast<const char*>(bmp.data()), std::streamsize(bmp.size()));
    Run(PLC_OP_DOWNLOAD);
    EXPECT_EQ(controller.LastEndFlag(), 1);
    EXPECT_EQ(Memory(controller, IMAGE_REGISTER_BUFFER0, 1024)[1023], 0);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{LogoFormatMessage(pDoc->m_settings.strLogoFile, TRUE).ToUtf8()});
    std::filesystem::remove(path);
}

TEST_F(TransferLinkTest, VerifyMismatchInBufferOneEndsWithFailure)
{
    SimulatedController controller;
    // The controller keeps its own value in the first register of buffer 1.
    controller.SetStuckRegister(IMAGE_REGISTER_BUFFER1, 0x1234);
    UsePort(controller);
    SmallDiagram(0x5188, false);
    MarkLog();
    Run(PLC_OP_DOWNLOAD);
    EXPECT_EQ(NewLogLines(), (std::vector<std::string>{"DownLoad Starts...", "PC and Device Data Mismatch!",
                                                       "Verify Data Error!", "DownLoad Fails"}));
    EXPECT_EQ(controller.LastEndFlag(), 0);
    EXPECT_EQ(FunctionCodes(controller).back(), FC_DOWNLOAD_END);
    // A reply that failed its comparison is no link problem: no boxes.
    EXPECT_TRUE(BoxTexts().empty());
    EXPECT_EQ(Frame()->m_progressDlg.GetSafeHwnd(), nullptr);
}

TEST_F(TransferLinkTest, AnotherModelStopsBeforeTheHandshake)
{
    SimulatedController controller(0x2188, 0xB100);
    UsePort(controller);
    SmallDiagram(0x5188, false);
    MarkLog();
    Run(PLC_OP_DOWNLOAD);
    // No handshake: the end frame alone tells the controller that nothing came.
    EXPECT_EQ(FunctionCodes(controller), (Bytes{FC_READ_HOLDING_REGISTERS, FC_DOWNLOAD_END}));
    EXPECT_EQ(controller.LastEndFlag(), 0);
    EXPECT_EQ(NewLogLines(),
              (std::vector<std::string>{"Machine type mismatch Error!", "DownLoad Fails", "DownLoad Suspend!"}));
    EXPECT_EQ(BoxTexts(), (std::vector<std::string>{
                              "Please check if cable connects Device and PC, Initial/Run Mode Setting, ComPort is "
                              "selected correctly, and Machine type(Device/PC) matches!",
                              "Download PC->Device failed!"}));
}

TEST_F(TransferLinkTest, FirstEchoMayTakeSixSecondsTheOthersThree)
{
    SimulatedController controller;
    // 4.5 s on the line's clock: within the first block's 6 s, beyond the 3 s of the next.
    controller.SetReplyDelay(4500, FC_WRITE_MULTIPLE_REGISTERS);
    UsePort(controller);
    SmallDiagram(0x5188, false);
    MarkLog();
    Run(PLC_OP_DOWNLOAD);
    const Bytes codes = FunctionCodes(controller);
    ASSERT_GE(codes.size(), 4U);
    EXPECT_EQ(Bytes(codes.begin(), codes.begin() + 4),
              (Bytes{FC_READ_HOLDING_REGISTERS, FC_DOWNLOAD_START, FC_WRITE_MULTIPLE_REGISTERS, FC_WRITE_MULTIPLE_REGISTERS}));
    const std::vector<std::string> lines = NewLogLines();
    ASSERT_GE(lines.size(), 3U) << ::testing::PrintToString(lines);
    EXPECT_EQ(lines[1], "Time Out! Can't Read Data in 3 Seconds, Please check!");
    EXPECT_EQ(lines[2], "Write Data Error!");
    EXPECT_EQ(lines.back(), "DownLoad Suspend!");
    EXPECT_EQ(codes.back(), FC_DOWNLOAD_END);
    EXPECT_EQ(BoxTexts().back(), "Download PC->Device failed!");
}

struct RefusalCase {
    const char* pszName;
    void (*pfnBuild)(CVetlaDoc& doc);
    const char* pszBox;
};

// Diagrams the download refuses before it sends a byte, each with its reason.
TEST_F(TransferLinkTest, RefusedDownloadsSendNothing)
{
    const RefusalCase cases[] = {
        RefusalCase{"Empty", [](CVetlaDoc&) {}, "There is not any Block(s) for DownLoading!"},
        RefusalCase{"UnconnectedBlock",
                    [](CVetlaDoc& doc) {
                        CBlockObj* pIn = Add(doc, BT_IN, NUM_INPUT);
                        Wire(doc, pIn, Add(doc, BT_OUT, NUM_OUTPUT), 0);
                        Wire(doc, pIn, Add(doc, BT_NOT), 0);
                    },
                    "Blocks without connection to an Output!"},
        RefusalCase{"NoOutput",
                    [](CVetlaDoc& doc) { Wire(doc, Add(doc, BT_IN, NUM_INPUT), Add(doc, BT_NOT), 0); },
                    "Blocks without connection to an Output!"},
        RefusalCase{"TooManyNames",
                    [](CVetlaDoc& doc) {
                        CBlockObj* pPrevious = Add(doc, BT_IN, NUM_INPUT);
                        for (int i = 0; i < 257; ++i) {
                            CBlockObj* pNot = Add(doc, BT_NOT);
                            pNot->m_strLabelSuffix = _T("N");
                            Wire(doc, pPrevious, pNot, 0);
                            pPrevious = pNot;
                        }
                        Wire(doc, pPrevious, Add(doc, BT_OUT, NUM_OUTPUT), 0);
                    },
                    "Insufficient Resources to create/paste the blocks."},
        RefusalCase{"ModbusWithoutMaster",
                    [](CVetlaDoc& doc) {
                        // COM0, the block's port, is the controller's slave port.
                        doc.m_settings.com[0].nModel = 0;
                        CBlockObj* pRead = Add(doc, BT_MR);
                        Wire(doc, Add(doc, BT_IN, NUM_INPUT), pRead, 0);
                        Wire(doc, pRead, Add(doc, BT_OUT, NUM_OUTPUT), 0);
                    },
                    "Error!, Modbus Block B0's Port Setting Should be Master, Please Check!"},
        // The older image has no data-log section.
        RefusalCase{"DataLogOnAnOlderController",
                    [](CVetlaDoc& doc) {
                        doc.m_wHardwareCode = 0x1188;
                        Wire(doc, Add(doc, BT_IN, NUM_INPUT), Add(doc, BT_DATALOG), 0);
                    },
                    "L0[Data Log] : Not supported!"},
    };
    for (const RefusalCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        SimulatedController controller;
        UsePort(controller);
        m_boxes.Clear();
        c.pfnBuild(*NewDiagram(0x5188));
        Run(PLC_OP_DOWNLOAD);
        EXPECT_TRUE(controller.Requests().empty());
        EXPECT_EQ(BoxTexts(), std::vector<std::string>{c.pszBox});
    }
}

TEST_F(TransferLinkTest, LadderGoesDownAsItsConvertedDiagramWhichThenCloses)
{
    SimulatedController controller;
    UsePort(controller);
    CVetlaDoc* pLadder = LadderOfRungs(NewDiagram(0x5188, DOC_TYPE_LAD), 1, 1);
    ASSERT_TRUE(pLadder->IsLadder());
    const int nDocuments = Frame()->m_nOpenDocuments;
    Run(PLC_OP_DOWNLOAD);
    EXPECT_EQ(controller.LastEndFlag(), 1) << ::testing::PrintToString(BoxTexts());
    // The converted document went without asking; the ladder stays as it was.
    EXPECT_EQ(Frame()->m_nOpenDocuments, nDocuments);
    EXPECT_EQ(ActiveDoc(), pLadder);
    EXPECT_TRUE(BoxTexts().empty());
}

TEST_F(TransferLinkTest, LadderTheConversionRefusesSendsNothing)
{
    SimulatedController controller;
    UsePort(controller);
    CVetlaDoc* pLadder = LadderOfRungs(NewDiagram(0x5188, DOC_TYPE_LAD), 400, 8);
    const int nBlocks = int(pLadder->m_blockList.GetCount());
    const int nDocuments = Frame()->m_nOpenDocuments;
    Run(PLC_OP_DOWNLOAD);
    EXPECT_TRUE(controller.Requests().empty());
    EXPECT_EQ(Frame()->m_nOpenDocuments, nDocuments);
    EXPECT_EQ(ActiveDoc(), pLadder);
    EXPECT_EQ(int(pLadder->m_blockList.GetCount()), nBlocks);
    EXPECT_EQ(BoxTexts(), std::vector<std::string>{"your program has taken 1024 blocks,can't  add new block"});
}

TEST_F(TransferLinkTest, NoPortConfiguredAsksForOneAndACancelSendsNothing)
{
    SimulatedController controller;
    SmallDiagram(0x5188, false);
    Frame()->Session().SetPortNumber(0);
    int nDialogs = 0;
    CDialog::SetDialogHook([&](CDialog& d) {
        ++nDialogs;
        d.PostMessage(WM_COMMAND, MAKEWPARAM(1014, BN_CLICKED), 0);
    });
    Run(PLC_OP_DOWNLOAD);
    EXPECT_EQ(nDialogs, 1);
    EXPECT_TRUE(controller.Requests().empty());
    EXPECT_TRUE(BoxTexts().empty());
}

}  // namespace
