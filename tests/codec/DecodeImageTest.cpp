// Decoding hand-made uploads: what each kind of item becomes, where the layout puts the blocks,
// which wires it draws, and how a damaged image is refused without a partial document.
#include "CodecTestSupport.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockMR.h"
#include "blocks/BlockTime.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/SimContext.h"
#include "codec/EncodeContext.h"
#include "codec/ImageDecoder.h"
#include "codec/LcdCharMap.h"
#include "codec/MessageTextScreen.h"
#include "document/SimScan.h"

#include <algorithm>
#include <set>
#include <utility>

namespace {

// Record codes and lengths of the records these tests write.
const Bytes kAndRecord = {0x01, 0x40, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};
const Bytes kTextRecord = {0x34, 0x40, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF};

Bytes Repeat(const Bytes& record, int nTimes, Bytes tail = {})
{
    Bytes bytes;
    for (int i = 0; i < nTimes; ++i)
        bytes.insert(bytes.end(), record.begin(), record.end());
    bytes.insert(bytes.end(), tail.begin(), tail.end());
    return bytes;
}

// Puts into the codec an upload of these function-block records from a controller with this
// hardware code.
void LoadUpload(CVetlaCoreRule& codec, const Bytes& records, WORD wHardware, int nTexts)
{
    codec.m_nImageSize1 = int(records.size());
    ASSERT_TRUE(codec.AllocImageBuffers(CODEC_MODE_UPLOAD, nTexts));
    std::ranges::copy(records, codec.Image(1).begin());
    std::ranges::copy(Bytes{BYTE(wHardware & 0xFF), BYTE(wHardware >> 8)}, codec.Section("M1").begin());
}

class UploadedImage : public testing::Test {
protected:
    void Upload(const Bytes& records, WORD wHardware = kOlderHardware, int nTexts = 0)
    {
        LoadUpload(m_codec, records, wHardware, nTexts);
    }

    void Put(const char* pszSection, int nOffset, const Bytes& bytes)
    {
        std::ranges::copy(bytes, m_codec.Section(pszSection).begin() + nOffset);
    }

    DecodeResult Decode() { return DecodeProgramImage(m_codec, m_doc); }

    CBlockObj* Block(int nNumber) const { return m_doc.FindBlockByNumber(nNumber); }

    // The wires as (input block, pin, source block).
    std::multiset<std::pair<std::pair<int, int>, int>> Wires() const
    {
        std::multiset<std::pair<std::pair<int, int>, int>> wires;
        for (POSITION pos = m_doc.m_lineList.GetHeadPosition(); pos;) {
            const auto* pLine = static_cast<const CConnectLineObj*>(m_doc.m_lineList.GetNext(pos));
            wires.insert({{pLine->m_nStartBlock, pLine->m_nStartPin}, pLine->m_nEndBlock});
            EXPECT_EQ(pLine->m_nEndPin, BLOCK_FIRST_OUTPUT);
        }
        return wires;
    }

    CVetlaCoreRule m_codec;
    CVetlaDoc m_doc;
};

TEST_F(UploadedImage, AnErasedImageGivesAnEmptyDiagramOnAnUnchangedSheet)
{
    Upload({});
    const CRect rcBefore = m_doc.m_rcExtent;
    ASSERT_TRUE(Decode().bOk);
    EXPECT_TRUE(m_doc.m_blockList.IsEmpty());
    EXPECT_TRUE(m_doc.m_lineList.IsEmpty());
    EXPECT_EQ(m_doc.m_rcExtent, rcBefore);
    EXPECT_EQ(m_doc.m_nPagesAcross, 1);
    EXPECT_EQ(m_doc.m_nPagesDown, 1);
    EXPECT_TRUE(m_doc.m_settings.strProgramName.IsEmpty());
}

TEST_F(UploadedImage, OutputsTheirSourcesAndTheLayout)
{
    // Q1 fed by I1: Q in column 1 and I in column 2 of row 1, joined by one wire.
    {
        Upload({});
        Put("E", 0, {0x00, 0x00});
        ASSERT_TRUE(Decode().bOk);
        CBlockObj* pQ = Block(NUM_OUTPUT);
        CBlockObj* pI = Block(NUM_INPUT);
        ASSERT_TRUE(pQ && pI);
        EXPECT_EQ(pQ->m_nType, BT_OUT);
        EXPECT_EQ(pI->m_nType, BT_IN);
        EXPECT_EQ(pI->m_nPinSource[BLOCK_FIRST_OUTPUT], NUM_OUTPUT);
        EXPECT_EQ(pQ->m_ptPos, CPoint(150, 55));
        EXPECT_EQ(pI->m_ptPos, CPoint(75, 55));
        EXPECT_EQ(Wires(), (std::multiset<std::pair<std::pair<int, int>, int>>{{{NUM_OUTPUT, 0}, NUM_INPUT}}));
    }
    // An entry of FF FF had no source at download: no block for it.
    {
        CVetlaDoc doc;
        m_codec.AllocImageBuffers(CODEC_MODE_UPLOAD, 0);
        Put("E", 0, {0xFF, 0xFF, 0x00, 0x00});
        ASSERT_TRUE(DecodeProgramImage(m_codec, doc).bOk);
        EXPECT_EQ(doc.FindBlockByNumber(NUM_OUTPUT), nullptr);
        EXPECT_NE(doc.FindBlockByNumber(NUM_OUTPUT + 1), nullptr);
    }
}

TEST_F(UploadedImage, WiresFromOneSourcePartWithJunctionDots)
{
    // Q1, Q2 and Q3 fed by I1: the three wires leave I1 together, Q1's runs straight on, the
    // others turn down at mid-way, and Q2's turns off Q3's at its own row.
    Upload({});
    Put("E", 0, {0x00, 0x00, 0x00, 0x00, 0x00, 0x00});
    ASSERT_TRUE(Decode().bOk);
    std::set<std::pair<int, int>> dots;
    int nWires = 0;
    for (POSITION pos = m_doc.m_lineList.GetHeadPosition(); pos; ++nWires) {
        const auto* pLine = static_cast<const CConnectLineObj*>(m_doc.m_lineList.GetNext(pos));
        ASSERT_EQ(pLine->m_arrJunctions.GetSize(), pLine->m_arrVertices.GetSize());
        for (INT_PTR i = 0; i < pLine->m_arrJunctions.GetSize(); ++i) {
            if (pLine->IsJunction(i))
                dots.insert({pLine->m_arrVertices[i].x, pLine->m_arrVertices[i].y});
        }
    }
    ASSERT_EQ(nWires, 3);
    const CPoint ptFrom = Block(NUM_INPUT)->m_ptPos;
    const CPoint ptQ2 = Block(NUM_OUTPUT + 1)->m_ptPos;
    ASSERT_EQ(dots.size(), 2U);
    // Both dots stand on the run down at mid-way: at I1's row and at Q2's.
    EXPECT_EQ(dots.begin()->first, std::next(dots.begin())->first);
    EXPECT_GT(dots.begin()->first, ptFrom.x);
    EXPECT_LT(dots.begin()->first, ptQ2.x);
    EXPECT_EQ(dots.begin()->second - ptFrom.y, std::next(dots.begin())->second - ptQ2.y);
}

TEST_F(UploadedImage, TwoOutputsOfOneBlockPlaceItOnceInTheFirstOutputsRow)
{
    Upload(kAndRecord);
    Put("E", 0, {0x00, 0x70, 0x00, 0x70});
    ASSERT_TRUE(Decode().bOk);
    const CBlockObj* pGate = Block(NUM_FUNCTION_BLOCK);
    ASSERT_NE(pGate, nullptr);
    EXPECT_EQ(pGate->m_ptPos.y, Block(NUM_OUTPUT)->m_ptPos.y);
    EXPECT_EQ(Block(NUM_OUTPUT + 1)->m_ptPos.y, 2 * 55);
    EXPECT_EQ(Wires().size(), 2u);
}

// M1 is an output fed by the gate and the gate's source: a loop the wire tool would refuse.
// Every link is one wire, none twice.
TEST_F(UploadedImage, AFlagThatIsOutputAndSourceIsWiredOnce)
{
    Upload({0x01, 0x40, 0x00, 0x60, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF});
    Put("E", 0, {0x00, 0x70});
    Put("F", 0, {0x00, 0x70});
    ASSERT_TRUE(Decode().bOk);
    EXPECT_EQ(Wires(), (std::multiset<std::pair<std::pair<int, int>, int>>{
                           {{NUM_OUTPUT, 0}, NUM_FUNCTION_BLOCK},
                           {{NUM_FLAG, 0}, NUM_FUNCTION_BLOCK},
                           {{NUM_FUNCTION_BLOCK, 0}, NUM_FLAG},
                       }));
    EXPECT_EQ(Block(NUM_FUNCTION_BLOCK)->m_nPinSource[0], NUM_FLAG);
}

// Blocks that no output reaches go in rows after the others, on the sheet.
TEST_F(UploadedImage, UnreachedBlocksGetRowsOfTheirOwn)
{
    Upload(Repeat(kAndRecord, 2));
    Put("E", 0, {0x00, 0x00});
    ASSERT_TRUE(Decode().bOk);
    std::set<int> rows;
    for (int nNumber : {NUM_OUTPUT, NUM_FUNCTION_BLOCK, NUM_FUNCTION_BLOCK + 1}) {
        const CBlockObj* pBlock = Block(nNumber);
        ASSERT_NE(pBlock, nullptr);
        EXPECT_GT(pBlock->m_ptPos.x, 0);
        rows.insert(pBlock->m_ptPos.y);
    }
    EXPECT_EQ(rows, (std::set<int>{55, 110, 165}));
    EXPECT_EQ(m_doc.m_nPagesAcross, 1);
    EXPECT_EQ(m_doc.m_nPagesDown, 1);
}

TEST_F(UploadedImage, HeaderFlagsNamesAndTexts)
{
    Upload(Cat(Cat({0x01, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}, kAndRecord),
               {0x01, 0x80, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
    Put("K", 0, {'A', 'B', 'C', 0xFF, 'D'});
    Put("L", 0, {'1', '2', 0x00});
    // Block 2 is named "GO" in LCD codes padded with the LCD blank.
    Put("A", 0, {0x02, 0x00, 0xFF, 0xFF});
    Put("B", 0, {UnicodeToLcd(u'G'), UnicodeToLcd(u'O'), 0x5B, 0x5B, 0x5B, 0x5B, 0x5B, 0x5B});
    ASSERT_TRUE(Decode().bOk);
    EXPECT_EQ(m_doc.m_settings.strProgramName, CString(_T("ABC")));
    EXPECT_EQ(m_doc.m_settings.strPassword, CString(_T("12")));
    // Bit 6 clear: protection on; set: off. Bit 7: retentive.
    EXPECT_EQ(Block(NUM_FUNCTION_BLOCK)->m_nParam[BLOCK_PROTECTION_PARAM], 1);
    EXPECT_EQ(Block(NUM_FUNCTION_BLOCK + 1)->m_nParam[BLOCK_PROTECTION_PARAM], 0);
    EXPECT_EQ(Block(NUM_FUNCTION_BLOCK + 2)->m_nParam[BLOCK_RETENTIVE_PARAM], 1);
    EXPECT_EQ(Block(NUM_FUNCTION_BLOCK + 2)->m_strLabelSuffix, CString(_T("GO")));
    EXPECT_TRUE(Block(NUM_FUNCTION_BLOCK + 1)->m_strLabelSuffix.IsEmpty());
}

TEST_F(UploadedImage, InputPinItems)
{
    // 00 F4: open and negated; 05 74: block 9005, negated; 01 50: Q2.
    Upload(Repeat(kAndRecord, 5, Repeat(kAndRecord, 1)));
    std::ranges::copy(Bytes{0x05, 0x74, 0x00, 0xF4, 0x01, 0x50}, m_codec.Image(1).begin() + 2);
    ASSERT_TRUE(Decode().bOk);
    const CBlockObj* pGate = Block(NUM_FUNCTION_BLOCK);
    EXPECT_EQ(pGate->m_nPinSource[0], NUM_FUNCTION_BLOCK + 5);
    EXPECT_TRUE(pGate->m_bPinInvert[0]);
    EXPECT_EQ(pGate->m_nPinSource[1], LINK_OPEN);
    EXPECT_TRUE(pGate->m_bPinInvert[1]);
    EXPECT_EQ(pGate->m_nPinSource[2], NUM_OUTPUT + 1);
    EXPECT_FALSE(pGate->m_bPinInvert[2]);
    EXPECT_EQ(pGate->m_nFirstInput, 0);
    ASSERT_NE(Block(NUM_OUTPUT + 1), nullptr);
    EXPECT_EQ(Block(NUM_OUTPUT + 1)->m_nType, BT_OUT);
}

TEST_F(UploadedImage, TimeAndSwitchingTimeItems)
{
    const Bytes kDelay30 = {0x21, 0x40, 0xFF, 0xFF, 0x1E, 0x80, 0x00, 0x00};
    const Bytes kDelay100 = {0x21, 0x40, 0xFF, 0xFF, 0x64, 0x40, 0x01, 0x00};
    Bytes weekly = {0x24, 0x40, 0xFF, 0xFF, 0x58, 0x02};
    weekly.resize(20, 0);
    Upload(Cat(Cat(kDelay30, kDelay100), weekly));
    ASSERT_TRUE(Decode().bOk);
    const CBlockObj* p30 = Block(NUM_FUNCTION_BLOCK);
    const CBlockObj* p100 = Block(NUM_FUNCTION_BLOCK + 1);
    // Base 1 (minutes:seconds), count 30: 0:30; base 2 (seconds:hundredths), count 100: 1.00.
    EXPECT_EQ(std::pair(p30->m_nParam[TIMER_ON_HIGH_PARAM], p30->m_nParam[TIMER_ON_LOW_PARAM]), std::pair(0, 30));
    EXPECT_EQ(p30->m_nParam[TIMER_ON_BASE_PARAM], 1);
    EXPECT_EQ(std::pair(p100->m_nParam[TIMER_ON_HIGH_PARAM], p100->m_nParam[TIMER_ON_LOW_PARAM]), std::pair(1, 0));
    EXPECT_EQ(p100->m_nParam[TIMER_ON_BASE_PARAM], 2);
    const auto* pWeekly = static_cast<const CBlockTime*>(Block(NUM_FUNCTION_BLOCK + 2));
    EXPECT_TRUE(pWeekly->m_bOnDisabled[0]);
    EXPECT_FALSE(pWeekly->m_bOffDisabled[0]);
    EXPECT_EQ(pWeekly->m_nOffTime[0][0], 10);
    EXPECT_EQ(pWeekly->m_nOffTime[0][1], 0);
}

// A damaged image stops decoding with an error the user is shown, and leaves no block or wire.
TEST_F(UploadedImage, DamagedImagesAreRefusedWhole)
{
    struct Case {
        const char* pszWhat;
        Bytes records;
        WORD wHardware;
        int nTexts;
        DecodeError error;
        int nRecord;
    };
    Bytes cutShort(kAndRecord.begin(), kAndRecord.begin() + 6);
    const Case kCases[] = {
        {"unknown record code", Cat(kAndRecord, {0xEE, 0x40, 0, 0}), kOlderHardware, 0, DecodeError::UnknownRecord, 1},
        {"record past the upload", Cat(kAndRecord, cutShort), kOlderHardware, 0, DecodeError::RecordPastEnd, 1},
        {"33rd older text", Repeat(kTextRecord, 33), kOlderHardware, 0, DecodeError::TextPastArea, 32},
        {"text past the area", Repeat(kTextRecord, 2), kNewerHardware, 1, DecodeError::TextPastArea, 1},
        {"1025 blocks", Repeat({0x03, 0x40, 0xFF, 0xFF}, 1025), kOlderHardware, 0, DecodeError::TooManyBlocks, 1024},
    };
    for (const Case& c : kCases) {
        CVetlaCoreRule codec;
        ASSERT_NO_FATAL_FAILURE(LoadUpload(codec, c.records, c.wHardware, c.nTexts));
        std::ranges::copy(Bytes{'A', 'B', 0xFF}, codec.Section("K").begin());
        std::ranges::copy(Bytes{0x00, 0x00}, codec.Section("E").begin());
        CVetlaDoc doc;
        const DecodeResult result = DecodeProgramImage(codec, doc);
        EXPECT_FALSE(result.bOk) << c.pszWhat;
        EXPECT_EQ(result.error, c.error) << c.pszWhat;
        EXPECT_EQ(result.nRecord, c.nRecord) << c.pszWhat;
        EXPECT_FALSE(DecodeErrorText(result).IsEmpty()) << c.pszWhat;
        EXPECT_TRUE(doc.m_blockList.IsEmpty()) << c.pszWhat;
        EXPECT_TRUE(doc.m_lineList.IsEmpty()) << c.pszWhat;
        EXPECT_TRUE(doc.m_settings.strProgramName.IsEmpty()) << c.pszWhat;
    }
}

TEST_F(UploadedImage, DataLogBoundsAndItems)
{
    // Input open, protection 0, two items: Q1 and block 1's parameter 2.
    Upload(kAndRecord, kNewerHardware);
    Put("DL", 0, {0xFF, 0xFF, 0x00, 0x00, 0x02, 0x00});
    Put("DL", 16, {0x05, 0xFF, 0x00, 0x00, 0x07, 0x01, 0x00, 0x20});
    ASSERT_TRUE(Decode().bOk);
    ASSERT_NE(Block(NUM_DATALOG), nullptr);
    // An item count past the section is a damaged image.
    CVetlaDoc doc;
    Put("DL", 4, {0xC8, 0x00});
    const DecodeResult result = DecodeProgramImage(m_codec, doc);
    EXPECT_EQ(result.error, DecodeError::DataLogDamaged);
    EXPECT_TRUE(doc.m_blockList.IsEmpty());
}

// An uploaded analog operand is named by the operand and the comment the document keeps for
// it, not by its type's caption; ranges of eight keep the data-log page's names.
TEST_F(UploadedImage, DataLogOperandsAreNamedByTheirOperandAndComment)
{
    CVetlaDoc::InitBlockCaptions();
    Upload(kAndRecord, kNewerHardware);
    Put("DL", 0, {0xFF, 0xFF, 0x00, 0x00, 0x04, 0x00});
    Put("DL", 16, {0x08, 0xFF, 0x01, 0x00, 0x09, 0xFF, 0x07, 0x00, 0x0A, 0xFF, 0x07, 0x00, 0x05, 0xFF, 0x08, 0x00});
    m_doc.m_mapOperandComment.SetAt(NUM_ANALOG_FLAG + 7, _T("Level"));
    ASSERT_TRUE(Decode().bOk);
    const auto* pLog = static_cast<const CBlockDataLog*>(Block(NUM_DATALOG));
    ASSERT_NE(pLog, nullptr);
    std::vector<std::string> names;
    for (INT_PTR i = 0; i < pLog->m_arrLogItems.GetSize(); ++i)
        names.push_back(pLog->m_arrLogItems[i].strItem.ToUtf8());
    EXPECT_EQ(names, (std::vector<std::string>{"AI001", "AQ103", "AM7Level", "Q008-Q015"}));
}

// An uploaded length beyond the buffer reads only the buffer.
TEST_F(UploadedImage, AnUploadedLengthPastTheBufferIsClipped)
{
    Upload(kAndRecord);
    m_codec.m_nImageSize1 = IMAGE_PROGRAM_BYTES_MAX * 4;
    ASSERT_TRUE(Decode().bOk);
    EXPECT_EQ(m_doc.m_blockList.GetCount(), 1);
}

// Values: a word with bit 7 of its high byte set is negative where the value is signed (an
// analog threshold), and large where it is not (a frequency threshold).
class DecodeValues : public CodecDiagram {};

TEST_F(DecodeValues, SignedAndUnsignedWords)
{
    auto* pAnalog = static_cast<CBlockAnalog*>(Block(BT_ACOMP));
    pAnalog->m_nThreshold1 = -1000;
    CBlockObj* pTrigger = Block(BT_THTRG);
    pTrigger->m_nParam[THTRG_ON_PARAM] = 64536;
    ASSERT_TRUE(Encode().bOk);
    const Bytes records = SectionBytes("J");
    const Bytes kValue = {0x18, 0xFC};
    EXPECT_NE(std::search(records.begin(), records.end(), kValue.begin(), kValue.end()), records.end());
    CVetlaDoc doc;
    ASSERT_TRUE(DecodeProgramImage(Codec(), doc).bOk);
    EXPECT_EQ(static_cast<CBlockAnalog*>(doc.FindBlockByNumber(NUM_FUNCTION_BLOCK))->m_nThreshold1, -1000);
    EXPECT_EQ(doc.FindBlockByNumber(NUM_FUNCTION_BLOCK + 1)->m_nParam[THTRG_ON_PARAM], 64536);
}

// A Modbus block whose command or data kind is past its lists could not be saved and opened
// again: the image is refused as damaged.
TEST_F(DecodeValues, AModbusSettingPastItsListIsRefused)
{
    for (const auto& [nCommand, nKind] : {std::pair(9, 0), std::pair(0, 7)}) {
        CVetlaDoc source;
        CBlockMR* pModbus = static_cast<CBlockMR*>(CreateBlockForType(BT_MR, nullptr, &source));
        source.AddBlock(pModbus);
        pModbus->m_byCommand = BYTE(nCommand);
        pModbus->m_nDataKind = nKind;
        CVetlaCoreRule codec;
        codec.m_pDoc = &source;
        ASSERT_TRUE(codec.AllocImageBuffers(CODEC_MODE_DOWNLOAD, 0));
        ASSERT_TRUE(BuildProgramImage(codec, kStamp).bOk);
        CVetlaDoc doc;
        const DecodeResult result = DecodeProgramImage(codec, doc);
        EXPECT_EQ(result.error, DecodeError::BadSetting) << nCommand << " " << nKind;
        EXPECT_EQ(result.nRecord, 0);
        EXPECT_TRUE(doc.m_blockList.IsEmpty());
    }
}

// A time the timer's page does not take (120:00 minutes; the time word carries up to 273:03)
// could not be saved and opened again: the image is refused as damaged.
TEST_F(DecodeValues, ATimerTimePastItsPageIsRefused)
{
    Doc().m_wHardwareCode = g_wHardwareCode;
    Block(BT_DPR)->m_nParam[TIMER_ON_BASE_PARAM] = 1;
    ASSERT_TRUE(Encode().bOk);
    for (const int nSeconds : {99 * 60 + 59, 120 * 60}) {
        // The header, the trigger's source, then the time word: minutes:seconds in seconds.
        const int nWord = 2 << 14 | nSeconds;
        Codec().Image(1)[4] = BYTE(nWord);
        Codec().Image(1)[5] = BYTE(nWord >> 8);
        CVetlaDoc doc;
        const DecodeResult result = DecodeProgramImage(Codec(), doc);
        EXPECT_EQ(result.bOk, nSeconds < 100 * 60) << nSeconds;
        if (result.bOk)
            EXPECT_EQ(doc.FindBlockByNumber(NUM_FUNCTION_BLOCK)->m_nParam[TIMER_ON_HIGH_PARAM], 99);
        else
            EXPECT_EQ(result.error, DecodeError::BadSetting);
    }
}

// More rows than a page holds grow the sheet down to hold them all.
TEST_F(UploadedImage, ManyOutputsGrowTheSheet)
{
    Upload({});
    Bytes entries;
    for (int i = 0; i < 64; ++i)
        entries.insert(entries.end(), {BYTE(i), 0x00});
    Put("E", 0, entries);
    ASSERT_TRUE(Decode().bOk);
    int nBottom = 0;
    for (POSITION pos = m_doc.m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(m_doc.m_blockList.GetNext(pos));
        nBottom = std::max(nBottom, int(pBlock->m_ptPos.y + pBlock->m_nHeight));
    }
    EXPECT_EQ(nBottom, 64 * 55 + 36);
    EXPECT_GE(m_doc.m_rcExtent.bottom, nBottom);
    EXPECT_EQ(m_doc.m_rcExtent.bottom, m_doc.m_nPagesDown * m_doc.m_sizeScreen.cy);
    EXPECT_EQ(m_doc.m_lineList.GetCount(), 64);
    // On small pages the sheet stops at the hundred pages the Page Layout dialog allows.
    m_doc.DeleteContents();
    m_doc.m_sizeScreen = CSize(40, 40);
    m_doc.m_nPagesAcross = m_doc.m_nPagesDown = 1;
    ASSERT_TRUE(Decode().bOk);
    EXPECT_LE(m_doc.m_nPagesAcross * m_doc.m_nPagesDown, 100);
    EXPECT_GT(m_doc.m_nPagesDown, 1);
}

// The decoded links drive the simulation: switching I1 on switches Q1, which it feeds.
TEST_F(UploadedImage, DecodedLinksDriveTheSimulation)
{
    Upload({});
    Put("E", 0, {0x00, 0x00});
    ASSERT_TRUE(Decode().bOk);
    BuildSimulationOrder(m_doc);
    StartSimulationRun(m_doc, kStamp);
    CSimContext sim;
    sim.stNow = kStamp;
    ToggleSimulatedInput(m_doc, *Block(NUM_INPUT));
    ScanDocument(m_doc, sim);
    EXPECT_EQ(Block(NUM_OUTPUT)->m_nPinValue[0], 1);
    EXPECT_EQ(Block(NUM_OUTPUT)->m_nPinValue[BLOCK_FIRST_OUTPUT], 1);
    EndSimulationRun(m_doc);
}

// A state name whose label lies past the screen's label area is a damaged text, not a read
// into the next screen's labels or past the block.
TEST_F(UploadedImage, AStateNameLabelPastItsAreaIsRefused)
{
    Upload(kTextRecord, kNewerHardware, 1);
    std::ranges::copy(Bytes{8, 9, 0x00, 0x50}, m_codec.TextArea().begin());
    const DecodeResult result = Decode();
    EXPECT_EQ(result.error, DecodeError::TextPastArea);
    EXPECT_TRUE(m_doc.m_blockList.IsEmpty());
}

// An element showing a parameter that the per-type table lacks, a drawn element of no kind or
// width, or one that would run past the LCD's last column or line, is a damaged setting of its
// text: the image is refused whole.
TEST(UploadedParameterElements, ThoseTheTableCannotPlaceAreRefused)
{
    struct Case {
        const char* pszWhat;
        WORD wHardware;
        int nAt;  // in section C, or in the text area
        Bytes element;
    };
    const BYTE byTimer = RecordCodeOf(BT_DPR);
    const int nFlagWord = NUM_ANALOG_FLAG + 2 + TEXT_ANALOG_VALUE_BIAS;
    const Case kCases[] = {
        {"older: unknown record code", kOlderHardware, 0, {2, 0, 0, 0, 0xEE, 0}},
        {"older: entry past the list", kOlderHardware, 16, {2, 0, 0, 0, byTimer, 2}},
        {"older: a type the older controllers lack", kOlderHardware, 32, {2, 0, 0, 0, RecordCodeOf(832), 0}},
        {"older: own parameter past column 12", kOlderHardware, 48, {4, 5}},
        {"newer: entry past the list", kNewerHardware, 0, {2, byTimer, 0, 0x30}},
        {"newer: own parameter past column 24", kNewerHardware, 32 + 15, {4}},
        {"newer: analog flag value past column 24", kNewerHardware, 64 + 18,
         {7, 0, BYTE(nFlagWord), BYTE(nFlagWord >> 8)}},
        {"newer: a drawn kind the lead byte cannot carry", kNewerHardware, 0, {TEXT_LEAD_GRAPHIC, 0x00}},
        {"newer: a bar graph without width", kNewerHardware, 0, {TEXT_LEAD_GRAPHIC, 0x10}},
        {"newer: a scope from line 3", kNewerHardware, 64, {TEXT_LEAD_GRAPHIC, 0x40}},
    };
    for (const Case& c : kCases) {
        const bool bNewer = c.wHardware == kNewerHardware;
        CVetlaCoreRule codec;
        ASSERT_NO_FATAL_FAILURE(LoadUpload(codec, kTextRecord, c.wHardware, bNewer ? 1 : 0));
        std::ranges::copy(c.element, (bNewer ? codec.TextArea() : codec.Section("C")).begin() + c.nAt);
        CVetlaDoc doc;
        const DecodeResult result = DecodeProgramImage(codec, doc);
        EXPECT_EQ(result.error, DecodeError::BadSetting) << c.pszWhat;
        EXPECT_EQ(result.nRecord, 0) << c.pszWhat;
        EXPECT_TRUE(doc.m_blockList.IsEmpty()) << c.pszWhat;
    }
}

} // namespace
