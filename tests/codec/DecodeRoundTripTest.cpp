// Encoding a diagram, decoding its image into a fresh document and encoding that again: the two
// images are the same byte for byte, and the decoded diagram has the original's blocks,
// parameters, names, references and links (the positions are the decoder's own layout). The
// decoded document is a normal one: it saves and loads, undoes, simulates and downloads again.
#include "CodecTestSupport.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockDataLog.h"
#include "blocks/SimContext.h"
#include "codec/ImageDecoder.h"
#include "document/SimScan.h"
#include "blocks/MessageTextClasses.h"
#include "document/ParameterCaption.h"
#include "platform/core/MemFile.h"

#include <map>
#include <string>

namespace {

// A space and the number. Appended, not joined with +: a literal joined to a string sets off a
// false overlap warning in the optimised build.
void AppendNumber(std::string& str, int nValue)
{
    str += ' ';
    str += std::to_string(nValue);
}

// What a block is in the graph: its type, parameters, name, references and links.
std::string Describe(const CBlockObj& block)
{
    std::string str = std::to_string(block.m_nType) + " P";
    for (int nValue : block.m_nParam)
        AppendNumber(str, nValue);
    str += " X";
    for (int nValue : block.m_nParamEx)
        AppendNumber(str, nValue);
    str += " R";
    for (int k = 0; k < BLOCK_REF_COUNT; ++k)
        AppendNumber(str, block.m_nParam[BLOCK_REF_USED_PARAM + k] ? block.m_nRefBlock[k] : 0);
    str += " I";
    for (int nPin = 0; nPin < block.m_nInputs; ++nPin) {
        AppendNumber(str, block.m_nPinSource[nPin]);
        if (block.m_bPinInvert[nPin])
            str += '!';
    }
    str += " d" + std::to_string(block.m_dParam);
    for (TCHAR ch : std::u16string_view(block.m_strLabelSuffix))
        str += char(ch);
    return str;
}

std::map<int, std::string> Graph(const CVetlaDoc& doc)
{
    std::map<int, std::string> graph;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos));
        graph[pBlock->m_nNumber] = Describe(*pBlock);
    }
    return graph;
}

class RoundTrip : public CodecDiagram, public testing::WithParamInterface<bool> {
protected:
    RoundTrip() : CodecDiagram(GetParam() ? kNewerHardware : kOlderHardware) {}

    // Decodes the encoded image into m_decoded and encodes that into m_again.
    void DecodeAndEncodeAgain()
    {
        const DecodeResult result = DecodeProgramImage(Codec(), m_decoded);
        ASSERT_TRUE(result.bOk) << int(result.error) << " at " << result.nRecord;
        m_again.m_pDoc = &m_decoded;
        ASSERT_TRUE(m_again.AllocImageBuffers(CODEC_MODE_DOWNLOAD, GetParam() ? CountTexts(m_decoded) : 0));
        const EncodeResult encoded = BuildProgramImage(m_again, kStamp);
        ASSERT_TRUE(encoded.bOk) << encoded.nMessageId;
    }

    // The round trip of a document whose message text is pText: the decoded text.
    const CBlockMSGTEXT* DecodedText(const CBlockMSGTEXT* pText)
    {
        EXPECT_TRUE(Encode().bOk);
        DecodeAndEncodeAgain();
        ExpectSameImages();
        return static_cast<const CBlockMSGTEXT*>(m_decoded.FindBlockByNumber(pText->m_nNumber));
    }

    void ExpectSameImages()
    {
        const Bytes first = WholeImage(Codec());
        const Bytes second = WholeImage(m_again);
        ASSERT_EQ(first.size(), second.size());
        for (std::size_t i = 0; i < first.size(); ++i)
            ASSERT_EQ(int(first[i]), int(second[i])) << "first difference at byte " << i;
    }

    CVetlaDoc m_decoded;
    CVetlaCoreRule m_again;
};

TEST_P(RoundTrip, EveryTypeGivesTheSameImageAndGraph)
{
    BuildEveryTypeCatalogue();
    ASSERT_TRUE(Encode().bOk);
    DecodeAndEncodeAgain();
    ExpectSameImages();
    EXPECT_EQ(Graph(m_decoded), Graph(Doc()));
    EXPECT_EQ(m_decoded.m_wHardwareCode, Doc().m_wHardwareCode);
}

// Names, the program name and password, references between blocks and negated links travel
// through the image too.
TEST_P(RoundTrip, NamesReferencesAndSettingsComeBack)
{
    CBlockObj* pInput = Point(BT_IN, NUM_INPUT + 2);
    CBlockObj* pTimer = Block(BT_DPR);
    CBlockObj* pCounter = Block(BT_COUNTER);
    CBlockObj* pOutput = Point(BT_OUT, NUM_OUTPUT + 1);
    Feed(pInput, pTimer, 0, TRUE);
    Feed(pTimer, pCounter, 1);
    Feed(pCounter, pOutput, 0);
    pTimer->m_strLabelSuffix = _T("PUMP");
    pCounter->m_strLabelSuffix = _T("CYCLES");
    pCounter->m_nParam[BLOCK_REF_USED_PARAM] = 1;
    pCounter->m_nRefBlock[0] = pTimer->m_nNumber;
    pTimer->m_nParam[BLOCK_RETENTIVE_PARAM] = 1;
    if (GetParam()) {
        auto* pLog = static_cast<CBlockDataLog*>(Block(BT_DATALOG));
        pLog->m_arrLogItems.SetSize(2);
        pLog->m_arrLogItems[0].strItem = _T("B002");
        pLog->m_arrLogItems[0].nValue1 = pTimer->m_nNumber;
        pLog->m_arrLogItems[0].nValue2 = 1;
        pLog->m_arrLogItems[1].strItem = _T("Q2");
        pLog->m_arrLogItems[1].nValue1 = NUM_OUTPUT + 1;
        pLog->m_nParam[DATALOG_COUNT_PARAM] = 2;
        Feed(pInput, pLog, 0);
    }
    Doc().m_settings.strProgramName = _T("ABC");
    Doc().m_settings.strPassword = _T("1234");
    ASSERT_TRUE(Encode().bOk);
    DecodeAndEncodeAgain();
    ExpectSameImages();
    EXPECT_EQ(Graph(m_decoded), Graph(Doc()));
    EXPECT_EQ(m_decoded.m_settings.strProgramName, CString(_T("ABC")));
    EXPECT_EQ(m_decoded.m_settings.strPassword, CString(_T("1234")));
    const CBlockObj* pDecodedCounter = m_decoded.FindBlockByNumber(pCounter->m_nNumber);
    ASSERT_NE(pDecodedCounter, nullptr);
    EXPECT_EQ(pDecodedCounter->m_pRefBlock[0], m_decoded.FindBlockByNumber(pTimer->m_nNumber));
    EXPECT_EQ(m_decoded.m_lineList.GetCount(), GetParam() ? 4 : 3);
    if (GetParam()) {
        const auto* pLog = static_cast<const CBlockDataLog*>(m_decoded.FindBlockByNumber(NUM_DATALOG));
        ASSERT_NE(pLog, nullptr);
        ASSERT_EQ(pLog->m_arrLogItems.GetSize(), 2);
        EXPECT_EQ(pLog->m_arrLogItems[0].nValue1, pTimer->m_nNumber);
        EXPECT_EQ(pLog->m_arrLogItems[0].nValue2, 1);
        EXPECT_EQ(pLog->m_arrLogItems[0].nSpare, m_decoded.FindBlockByNumber(pTimer->m_nNumber));
        EXPECT_EQ(pLog->m_arrLogItems[1].nValue1, NUM_OUTPUT + 1);
    }
}

// The PI controller sends its range's upper end as it stands, and the upload keeps it as sent,
// whatever gain and offset stand beside it (the comparators rebuild it from those two instead).
TEST_F(NewerCodecDiagram, PiRangeComesBackAsSent)
{
    auto* pPi = static_cast<CBlockAnalog*>(Block(BT_PI));
    pPi->m_dGain = 1.0;
    pPi->m_nOffset = 220;
    pPi->m_nRangeMin = 0;
    pPi->m_nRangeMax = 1000;
    ASSERT_TRUE(Encode().bOk);
    CVetlaDoc uploaded;
    ASSERT_TRUE(DecodeProgramImage(Codec(), uploaded).bOk);
    const auto* pBack = static_cast<const CBlockAnalog*>(uploaded.FindBlockByNumber(pPi->m_nNumber));
    ASSERT_NE(pBack, nullptr);
    EXPECT_EQ(pBack->m_nRangeMax, 1000);
    EXPECT_EQ(pBack->m_nOffset, 220);
    CVetlaCoreRule again;
    again.m_pDoc = &uploaded;
    ASSERT_TRUE(again.AllocImageBuffers(CODEC_MODE_DOWNLOAD, 0));
    ASSERT_TRUE(BuildProgramImage(again, kStamp).bOk);
    EXPECT_EQ(WholeImage(again), WholeImage(Codec()));
}

// The upload takes the ticker's line time as the character time x 10, as the Message Text
// Setting dialog gives it, whatever the 16-bit word beside it holds.
TEST_F(NewerCodecDiagram, TickerLineTimeIsTenCharacterTimes)
{
    struct Case {
        int nCharTime;
        int nLineTime;  // as the document holds it
    };
    const Case cases[] = {
        {300, 3000},
        {10000, 100000},  // past 16 bits
        {500, 1234},      // set apart from the character time by hand
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.nLineTime);
        Doc().m_nTickerCharTime = c.nCharTime;
        Doc().m_nTickerLineTime = c.nLineTime;
        ASSERT_TRUE(Encode().bOk);
        CVetlaDoc uploaded;
        ASSERT_TRUE(DecodeProgramImage(Codec(), uploaded).bOk);
        EXPECT_EQ(uploaded.m_nTickerCharTime, c.nCharTime);
        EXPECT_EQ(uploaded.m_nTickerLineTime, c.nCharTime * 10);
    }
}

// The decoded document saves, loads into an equal graph, takes an undo step back to itself,
// simulates, and downloads again (the round trips above).
TEST_P(RoundTrip, DecodedDocumentIsANormalDocument)
{
    BuildEveryTypeCatalogue();
    ASSERT_TRUE(Encode().bOk);
    DecodeAndEncodeAgain();

    RegisterBlockClasses();
    RegisterMessageTextClasses();
    CMemFile file;
    m_decoded.StoreContents(&file);
    file.SeekToBegin();
    CVetlaDoc loaded;
    loaded.LoadContents(&file);
    EXPECT_EQ(Graph(loaded), Graph(m_decoded));
    EXPECT_EQ(loaded.m_lineList.GetCount(), m_decoded.m_lineList.GetCount());

    const auto before = Graph(m_decoded);
    m_decoded.m_undo.SaveState(&m_decoded);
    static_cast<CBlockObj*>(m_decoded.m_blockList.GetHead())->m_strLabelSuffix = _T("EDITED");
    m_decoded.m_undo.SaveState(&m_decoded);
    ASSERT_TRUE(m_decoded.m_undo.Undo());
    EXPECT_EQ(Graph(m_decoded), before);

    BuildSimulationOrder(m_decoded);
    const SYSTEMTIME stNow = kStamp;
    StartSimulationRun(m_decoded, stNow);
    CSimContext sim;
    sim.stNow = stNow;
    for (int nScan = 0; nScan < 4; ++nScan)
        ScanDocument(m_decoded, sim);
    EndSimulationRun(m_decoded);
}

INSTANTIATE_TEST_SUITE_P(Generations, RoundTrip, testing::Values(false, true),
                         [](const testing::TestParamInfo<bool>& info) { return info.param ? "Newer" : "Older"; });

// Message texts come back cell for cell: LCD codes on the older controllers; on the newer ones
// single characters, the LCD symbols and double-byte characters of code pages 936 and 950,
// with the screens' settings.
TEST_P(RoundTrip, MessageTextCells)
{
    Doc().m_nCharSet1 = 0;
    Doc().m_nCharSet2 = 1;
    auto* pText = static_cast<CBlockMSGTEXT*>(Block(BT_MSGTEXT));
    const LPCTSTR kLine1[] = {_T("H"), _T("I"), _T(""), _T("5")};
    for (int nCol = 0; nCol < 4; ++nCol)
        pText->m_strCells1[1][nCol + 1] = kLine1[nCol];
    if (GetParam()) {
        pText->m_strCells1[2][1] = CString(TCHAR(0x4E2D));  // GBK
        pText->m_strCells1[2][5] = CString(TCHAR(0x20AC));  // the LCD euro symbol
        pText->m_strCells2[3][1] = CString(TCHAR(0x570B));  // Big5
        for (int i = 0; i < MSGTEXT_BLOCK_SETTING_COUNT; ++i)
            pText->m_nMsgSettings[i] = i + 1;
    }
    const CBlockMSGTEXT* pDecoded = DecodedText(pText);
    ASSERT_NE(pDecoded, nullptr);
    for (int nRow = 1; nRow < MSGTEXT_ROWS; ++nRow) {
        for (int nCol = 1; nCol <= (GetParam() ? 24 : 12); ++nCol) {
            EXPECT_EQ(pDecoded->m_strCells1[nRow][nCol], pText->m_strCells1[nRow][nCol]) << nRow << "," << nCol;
            if (GetParam()) {
                EXPECT_EQ(pDecoded->m_strCells2[nRow][nCol], pText->m_strCells2[nRow][nCol]) << nRow << "," << nCol;
            }
        }
    }
    if (GetParam()) {
        EXPECT_TRUE(std::equal(std::begin(pText->m_nMsgSettings), std::end(pText->m_nMsgSettings),
                               std::begin(pDecoded->m_nMsgSettings)));
    }
}

class ElementRoundTrip : public RoundTrip {};

std::string DescribeElements(const CBlockMSGTEXT& text)
{
    return DescribeElements(text, [](const CWidget& w) {
        std::string str = std::to_string(w.m_nLine) + "," + std::to_string(w.m_nColumn) + " k" +
                          std::to_string(w.m_nKind) + " b" + std::to_string(w.m_nBlockNumber) + " v" +
                          std::to_string(w.m_nValueIndex) + " " + std::to_string(w.m_nMinValue) + ".." +
                          std::to_string(w.m_nMaxValue) + " o" + std::to_string(w.m_nOption) + " ";
        for (const auto& row : w.m_strNames)
            for (const CString& strCell : row)
                str += strCell.IsEmpty() ? '?' : char(strCell[0]);
        return str;
    });
}

// The elements of a newer message text come back with their place, kind, block, value index,
// range, option and state names, and with the I/O points they show even when nothing else uses
// them; a download of the decoded program writes the same image.
TEST_P(ElementRoundTrip, NewerElementsComeBack)
{
    CVetlaDoc::InitBlockCaptions();
    CBlockObj* pTimer = Block(BT_DPR);
    CBlockObj* pPi = Block(818);
    Point(BT_ANALOG_IN, NUM_ANALOG_IN + 1);
    // Flag 301's reference word 0x612C ends in a byte that is also the GBK attribute.
    Point(BT_FLAG, NUM_FLAG + 300);
    auto* pText = static_cast<CBlockMSGTEXT*>(Block(BT_MSGTEXT));
    // Widths the decoder gives back from the kind.
    const auto place = [&](int nScreen, int nLine, int nColumn, int nKind, int nNumber) {
        return PlaceElement(*pText, nScreen, nLine, nColumn, nKind, nNumber, 0);
    };
    place(1, 1, 3, 1, pTimer->m_nNumber);
    place(1, 2, 1, 0, NUM_ANALOG_IN + 1);
    place(1, 2, 9, 2, pText->m_nNumber);
    CWidget* pName = place(1, 3, 2, WIDGET_KIND_IOSTATUSNAME, NUM_FLAG + 300);
    pName->m_strNames[1][1] = _T("O");
    pName->m_strNames[2][1] = _T("I");
    CWidget* pBar = place(2, 3, 14, WIDGET_KIND_BARGRAPH, pPi->m_nNumber);
    pBar->m_nValueIndex = 1;
    pBar->m_nMinValue = -10;
    pBar->m_nMaxValue = 100;
    pBar->m_nOption = 4;
    place(2, 2, 13, WIDGET_KIND_SCALETIME, pTimer->m_nNumber)->m_nOption = 2;
    place(2, 1, 1, WIDGET_KIND_GRAPH, -1)->m_nOption = 3;
    // The character under that byte stays a character.
    pText->m_strCells1[3][5] = _T("Q");
    const CBlockMSGTEXT* pDecoded = DecodedText(pText);
    ASSERT_NE(pDecoded, nullptr);
    EXPECT_EQ(DescribeElements(*pDecoded), DescribeElements(*pText));
    EXPECT_EQ(pDecoded->m_strCells1[3][5], CString(_T("Q")));
    const auto* pFirst = static_cast<const CWidget*>(pDecoded->m_arrWidgets1[0][0]);
    EXPECT_EQ(pFirst->m_pBlock, m_decoded.FindBlockByNumber(pTimer->m_nNumber));
    EXPECT_NE(m_decoded.FindBlockByNumber(NUM_ANALOG_IN + 1), nullptr);
    EXPECT_NE(m_decoded.FindBlockByNumber(NUM_FLAG + 300), nullptr);
    // Each kind as wide and tall as its kind makes it, with the id of the value it shows; the
    // state name has its block type's caption.
    EXPECT_EQ(DescribeElements(*pDecoded,
                               [](const CWidget& w) {
                                   return std::to_string(w.m_nKind) + ":" + std::to_string(w.m_nWidth) + "x" +
                                          std::to_string(w.GetRect().Height()) + " id" + std::to_string(w.m_nParamId);
                               }),
              "0:1:7x37 id4\n1:0:4x37 id131\n1:2:8x37 id2\n2:-101:8x37 id134\n4:-104:12x148 id-1\n"
              "5:-100:11x37 id-1\n6:-99:4x37 id115\n");
    const auto* pDecodedName = static_cast<const CWidget*>(pDecoded->m_arrWidgets1[2][0]);
    EXPECT_FALSE(pDecodedName->m_strCaption.IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(Generations, ElementRoundTrip, testing::Values(true),
                         [](const testing::TestParamInfo<bool>&) { return "Newer"; });

class OlderElementRoundTrip : public RoundTrip {};

// On the older controllers a line showing one of the message text's own parameters comes back
// with its element and the characters beside it.
TEST_P(OlderElementRoundTrip, OwnParameterLinesComeBack)
{
    auto* pText = static_cast<CBlockMSGTEXT*>(Block(BT_MSGTEXT));
    PlaceParameter(*pText, 1, 2, 3, 2, pText->m_nNumber, 2);
    pText->m_strCells1[2][1] = _T("A");
    pText->m_strCells1[2][2] = _T("B");
    pText->m_strCells1[2][12] = _T("Z");
    const CBlockMSGTEXT* pDecoded = DecodedText(pText);
    ASSERT_NE(pDecoded, nullptr);
    ASSERT_EQ(pDecoded->m_arrWidgets1[1].GetSize(), 1);
    const auto* pElement = static_cast<const CWidget*>(pDecoded->m_arrWidgets1[1][0]);
    EXPECT_EQ(pElement->m_nParamId, 2);
    EXPECT_EQ(pElement->m_nKind, 2);
    EXPECT_EQ(pElement->m_nColumn, 3);
    EXPECT_EQ(pElement->m_nWidth, g_arrParamWidth[2]);
    EXPECT_EQ(pElement->m_nBlockNumber, pText->m_nNumber);
    EXPECT_EQ(pDecoded->m_strCells1[2][1], CString(_T("A")));
    EXPECT_EQ(pDecoded->m_strCells1[2][2], CString(_T("B")));
    EXPECT_EQ(pDecoded->m_strCells1[2][12], CString(_T("Z")));
}

INSTANTIATE_TEST_SUITE_P(Generations, OlderElementRoundTrip, testing::Values(false),
                         [](const testing::TestParamInfo<bool>&) { return "Older"; });

// What a parameter element is to its user: where it stands, the block and the entry of its
// list it shows, the parameter-name id, the caption and the width.
std::string DescribeParameters(const CBlockMSGTEXT& text)
{
    return DescribeElements(text, [](const CWidget& w) {
        std::string str = std::to_string(w.m_nLine) + "," + std::to_string(w.m_nColumn) + " k" +
                          std::to_string(w.m_nKind) + " b" + std::to_string(w.m_nBlockNumber) + " id" +
                          std::to_string(w.m_nParamId) + " w" + std::to_string(w.m_nWidth) + " ";
        for (TCHAR ch : std::u16string_view(w.m_strCaption))
            str += char(ch);
        return str;
    });
}

struct ShownParameter {
    int nSet;     // 1 or 2
    int nLine;
    int nColumn;
    int nIndex;   // the entry of the block's list
    int nNumber;  // 0: the message text itself
    int nParamId; // the id the pages give the entry
};

// Texts that show block parameters come back with the parameter-name id, caption and width the
// message-text pages give them: a timer's (its record after the text's), a pulse relay's (whose
// older entries the controller counts from one), ones with shortened captions and the text's
// own; on the newer controllers also an analog input's and an analog flag's value and the
// analog watchdog's (whose newer list starts one entry further on).
TEST_P(RoundTrip, ParameterElementsComeBack)
{
    CVetlaDoc::InitParameterNames();
    auto* pText = static_cast<CBlockMSGTEXT*>(Block(BT_MSGTEXT));
    const int nTimer = Block(BT_DPR)->m_nNumber;
    const int nRelay = Block(BT_RG)->m_nNumber;
    const int nPulse = Block(BT_SLS)->m_nNumber;
    std::vector<ShownParameter> shown = {
        {1, 1, 2, 1, nTimer, 4}, {1, 2, 1, 0, nRelay, 10}, {1, 3, 6, 2, nPulse, 12}, {1, 4, 3, 1, 0, 1}};
    pText->m_strCells1[1][1] = _T("A");
    pText->m_strCells1[3][1] = _T("Z");
    if (GetParam()) {
        const int nWatchdog = Block(BT_AWDOG)->m_nNumber;
        Point(BT_ANALOG_IN, NUM_ANALOG_IN + 1);
        Point(BT_ANALOG_FLAG, NUM_ANALOG_FLAG + 2);
        shown = {{1, 1, 1, 2, nTimer, 50},          {1, 1, 10, 1, nRelay, 11},
                 {1, 2, 1, 3, nPulse, 13},          {1, 2, 12, 0, 0, 34},
                 {1, 3, 1, 0, NUM_ANALOG_IN + 1, 131}, {1, 3, 18, 0, NUM_ANALOG_FLAG + 2, 137},
                 {2, 4, 3, 0, nWatchdog, 26}};
    }
    for (const ShownParameter& s : shown)
        PlaceParameter(*pText, s.nSet, s.nLine, s.nColumn, s.nIndex, s.nNumber ? s.nNumber : pText->m_nNumber,
                       s.nParamId)->m_strCaption = ParameterCaption(s.nParamId);
    const CBlockMSGTEXT* pDecoded = DecodedText(pText);
    ASSERT_NE(pDecoded, nullptr);
    EXPECT_EQ(DescribeParameters(*pDecoded), DescribeParameters(*pText));
    const auto* pShortened = static_cast<const CWidget*>(pDecoded->m_arrWidgets1[GetParam() ? 1 : 2][0]);
    EXPECT_EQ(pShortened->m_strCaption, CString(GetParam() ? _T("Pre-warning period") : _T("Pre-warning time")));
    EXPECT_FALSE(static_cast<const CWidget*>(pDecoded->m_arrWidgets1[0][0])->m_strCaption.IsEmpty());
    EXPECT_EQ(pDecoded->m_strCells1[1][1], pText->m_strCells1[1][1]);
    EXPECT_EQ(pDecoded->m_strCells1[3][1], pText->m_strCells1[3][1]);
}

} // namespace
