#include "DocTestSupport.h"

#include "blocks/BlockDataLog.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTypes.h"
#include "blocks/PowerBusObj.h"
#include "blocks/Widget.h"
#include "platform/core/Archive.h"
#include "platform/core/FileSystem.h"
#include "platform/core/ObArray.h"

#include <limits>
#include <tuple>

namespace {

WORD WordAt(const Bytes& bytes, std::size_t nOffset) { return WORD(bytes.at(nOffset) | (bytes.at(nOffset + 1) << 8)); }

// The bytes of a new document up to and including its (empty) comment list.
ByteWriter ExpectedHead(int nDocType)
{
    ByteWriter w;
    w.Repeat('U', 3).Repeat(0xAA, 97);
    w.Int(0);
    for (int i = 0; i < 10; ++i)
        w.Int(1);
    w.Str("").Str("").Int(0).Str("").Str("").Str("");
    w.Int(0).Int(0).Int(1024).Int(768);
    w.Int(nDocType);
    w.Str("").Str("");
    w.Float(1.0f);
    for (int i = 0; i < 10; ++i)
        w.Str("");
    w.Int(1).Str("");
    w.Int(0).Int(0).Int(5000).Int(90).Int(-20);
    for (int com = 0; com < 3; ++com) {
        for (int n : {1, 0, 1, 3, 0, 0, 1, 0, 200, 0, 0, 0})
            w.Int(n);
    }
    w.Int(0).Int(0);
    w.Word(0);
    return w;
}

void AppendHardware(ByteWriter& w, WORD wCode, WORD wFirmware, const char* pszName)
{
    w.Word(wCode).Word(0).Word(wFirmware).Word(0).Str(pszName);
    if (HIBYTE(wCode) < 0x51)
        return;
    w.Int(1).Word(32).Repeat(0, 32).Word(32);
    for (int i = 0; i < 32; ++i)
        w.Double(0.0);
    for (int n : {0, 0, 2, 0, 0, 0, 0, 1000, 10000, 0, 5, 0, 0})
        w.Int(n);
}

// Where the hardware section starts in a new document.
constexpr std::size_t OFFSET_HARDWARE = 422;

class DocFileTest : public DocTest {};

// The older generation has no newer settings.
TEST_F(DocFileTest, NewFbdDocumentOfEachGeneration)
{
    for (const auto& [wCode, wFirmware, pszName] : {std::tuple(WORD(0x5188), WORD(0xC100), "75X Series C1.XX"),
                                                     std::tuple(WORD(0x2188), WORD(0xB100), "4X Series B1.XX")}) {
        HardwareCodeScope hw(wCode);
        CVetlaDoc doc;
        ByteWriter expected = ExpectedHead(DOC_TYPE_FBD);
        AppendHardware(expected, wCode, wFirmware, pszName);
        expected.Word(0).Word(0);
        const Bytes bytes = SaveToBytes(doc);
        EXPECT_EQ(bytes, expected.Get()) << wCode;
        EXPECT_EQ(WordAt(bytes, OFFSET_HARDWARE), wCode);
    }
}

TEST_F(DocFileTest, NewLadDocumentWritesTheMapsBeforeTheHardwareAndTheRailBeforeTheWires)
{
    HardwareCodeScope hw(0x6188);
    CVetlaDoc doc;
    doc.m_nDocType = DOC_TYPE_LAD;
    doc.m_mapOperandComment.SetAt(100, _T("Start"));
    doc.m_mapOperandSim.SetAt(100, OperandSimRecord{1, 2, 3, 4, 5});
    auto* pRail = new CPowerBusObj(BT_POWERBUS);
    doc.m_powerBusList.AddTail(pRail);

    ByteWriter expected = ExpectedHead(DOC_TYPE_LAD);
    expected.Word(1).Int(100).Str("Start");
    expected.Word(1).Int(100).Int(1).Int(2).Int(3).Int(4).Int(5);
    AppendHardware(expected, 0x6188, 0xC100, "8X Series C1.XX");
    expected.Word(0).Word(1);
    for (BYTE b : ObjectRecords({pRail}))
        expected.Byte(b);
    expected.Word(0);
    EXPECT_EQ(SaveToBytes(doc), expected.Get());
}

TEST_F(DocFileTest, SaveLoadSaveGivesTheSameBytesForEveryField)
{
    HardwareCodeScope hw(0x5288);
    CVetlaDoc doc;
    doc.m_nPagesAcross = 3;
    doc.m_nPageReserved[7] = 9;
    doc.m_strReserved3 = _T("r3");
    doc.m_nReserved1 = 17;
    doc.m_nReserved2 = -4;
    doc.m_settings.strProgramName = _T("PUMP1");
    doc.m_settings.strPassword = _T("ABC");
    doc.m_fZoom = 1.5f;
    doc.m_settings.strProject[PROJECT_VERSION3] = _T("v3");
    doc.m_settings.strComment = _T("line 1\r\nline 2");
    doc.m_settings.nSyncTime = 2500;
    doc.m_settings.com[2].nBaudIndex = 12;
    doc.m_bHasUploadedLogo = 1;
    doc.m_pUploadedLogo = std::make_unique<BYTE[]>(UPLOADED_LOGO_SIZE);
    doc.m_pUploadedLogo[959] = 0x5A;
    doc.m_settings.analog.byAqRangeType[31] = 2;
    doc.m_settings.analog.dAqFixedValue[0] = 12.5;
    doc.m_settings.lcd.nBacklight = 3;
    doc.m_nScopeTime = 9;
    doc.m_settings.analog.nAiRangeType[1] = 2;
    doc.m_rcExtent = CRect(1, 2, 3000, 4000);
    AddNew(doc, BT_IN);
    AddNew(doc, BT_AND);

    const Bytes first = SaveToBytes(doc);
    CVetlaDoc copy;
    LoadFromBytes(copy, first);
    EXPECT_EQ(SaveToBytes(copy), first);
    EXPECT_EQ(copy.m_pUploadedLogo[959], 0x5A);
    EXPECT_EQ(copy.m_settings.strComment, doc.m_settings.strComment);
    EXPECT_EQ(CountBlocks(copy), 2);
}

// Cuts the hardware section of a saved file out and clears header byte 0, as a file of an old
// program looks.
Bytes WithoutHardwareSection(Bytes bytes, std::size_t nHardwareSize)
{
    bytes.erase(bytes.begin() + std::ptrdiff_t(OFFSET_HARDWARE), bytes.begin() + std::ptrdiff_t(OFFSET_HARDWARE + nHardwareSize));
    bytes[0] = 0;
    return bytes;
}

constexpr std::size_t OLD_HARDWARE_SIZE = 8 + 4 + 2 * 15;  // "4X Series B1.XX"

TEST_F(DocFileTest, FileWithoutHardwareSectionLoadsAsTheOldestSeries)
{
    HardwareCodeScope hw(0x2188);
    CVetlaDoc doc;
    AddNew(doc, BT_OUT);
    const Bytes bytes = WithoutHardwareSection(SaveToBytes(doc), OLD_HARDWARE_SIZE);

    HardwareCodeScope newer(0x5188);
    CVetlaDoc loaded;
    LoadFromBytes(loaded, bytes);
    EXPECT_EQ(loaded.m_wHardwareCode, 0x1188);
    EXPECT_EQ(loaded.m_strHardwareName.ToUtf8(), "3X Series B1.XX");
    EXPECT_EQ(loaded.m_wFirmwareWord, 0xB100);
    EXPECT_EQ(CountBlocks(loaded), 1);
}

TEST_F(DocFileTest, NewerFileWithoutTheAiMarkKeepsTheAiPair)
{
    HardwareCodeScope hw(0x5188);
    CVetlaDoc doc;
    doc.m_settings.analog.nAiRangeType[0] = 3;
    doc.m_settings.analog.nAiRangeType[1] = 4;
    Bytes bytes = SaveToBytes(doc);
    // The pair is the last 8 bytes before the (empty) block and wire lists.
    bytes.erase(bytes.end() - 4 - 8, bytes.end() - 4);
    bytes[1] = 0;

    CVetlaDoc loaded;
    loaded.m_settings.analog.nAiRangeType[0] = 7;
    LoadFromBytes(loaded, bytes);
    EXPECT_EQ(loaded.m_settings.analog.nAiRangeType[0], 7);
    EXPECT_EQ(loaded.m_settings.analog.nAiRangeType[1], 0);
    EXPECT_EQ(loaded.m_byFormatHeader[1], 0);
}

class DocOpenTest : public DocTest {
protected:
    void SetUp() override { m_strPath = UniqueTempPath(_T("open.dfb")); }
    void TearDown() override { DeleteFile(m_strPath); }

    void Write(const Bytes& bytes) { WriteFileBytes(m_strPath, bytes); }

    CString m_strPath;
};

TEST_F(DocOpenTest, OpeningAnOldFileSetsTheGlobalHardwareAndTheMarks)
{
    HardwareCodeScope hw(0x2188);
    {
        CVetlaDoc doc;
        AddNew(doc, BT_IN);
        Write(WithoutHardwareSection(SaveToBytes(doc), OLD_HARDWARE_SIZE));
    }
    g_wHardwareCode = 0x5288;
    CVetlaDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(m_strPath));
    EXPECT_EQ(g_wHardwareCode, 0x1188);
    EXPECT_EQ(doc.m_byFormatHeader[0], 'U');
    EXPECT_EQ(doc.m_byFormatHeader[1], 'U');
    EXPECT_FALSE(doc.IsModified());
    EXPECT_FALSE(doc.m_undo.CanUndo()) << "nothing before the opened diagram";
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(DocOpenTest, OpeningAFileWithOldPinKindsReinitialisesThemOnce)
{
    {
        CVetlaDoc doc;
        CBlockObj* pAnd = AddNew(doc, BT_AND);
        pAnd->m_nPinKind[0] = PINKIND_TEXT;
        doc.m_byFormatHeader[2] = 0x00;
        Write(SaveToBytes(doc));
    }
    CVetlaDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(m_strPath));
    auto* pAnd = static_cast<CBlockObj*>(doc.m_blockList.GetHead());
    EXPECT_EQ(pAnd->m_nPinKind[0], PINKIND_DIGITAL);
    EXPECT_EQ(SaveToBytes(doc)[2], 'U');
}

// A zoom the views do not offer opens at the default; one they offer opens as stored.
TEST_F(DocOpenTest, AZoomOutsideTheOfferedRangeOpensAtTheDefault)
{
    const std::pair<float, float> cases[] = {
        {0.0f, 1.0f},  {-2.0f, 1.0f}, {1e30f, 1.0f}, {std::numeric_limits<float>::quiet_NaN(), 1.0f},
        {std::numeric_limits<float>::infinity(), 1.0f}, {0.2f, 1.0f}, {4.5f, 1.0f},
        {0.25f, 0.25f}, {1.5f, 1.5f}, {4.0f, 4.0f}};
    for (const auto& [fStored, fOpened] : cases) {
        SCOPED_TRACE(fStored);
        {
            CVetlaDoc doc;
            doc.m_fZoom = fStored;
            Write(SaveToBytes(doc));
        }
        CVetlaDoc doc;
        ASSERT_TRUE(doc.OnOpenDocument(m_strPath));
        EXPECT_EQ(doc.m_fZoom, fOpened);
    }
}

// The message names the file; the document, its objects, the global hardware and its undo
// history stay, and the shell hears of no series.
TEST_F(DocOpenTest, ADamagedOrMissingFileIsReportedAndChangesNothing)
{
    {
        CVetlaDoc doc;
        AddNew(doc, BT_AND);
        AddNew(doc, BT_OR);
        Bytes bytes = SaveToBytes(doc);
        bytes.resize(bytes.size() - 3);
        Write(bytes);
    }
    RecordingObserver shell;
    CVetlaDoc doc;
    AddNew(doc, BT_XOR);
    const Bytes before = SaveToBytes(doc);
    const auto objects = ElementObjects(doc);
    const WORD wHardware = g_wHardwareCode;
    for (const CString& strPath : {m_strPath, m_strPath + _T(".missing")}) {
        SCOPED_TRACE(strPath.ToUtf8());
        m_boxes.Clear();
        EXPECT_FALSE(doc.OnOpenDocument(strPath));
        ASSERT_EQ(m_boxes.Boxes().size(), 1u);
        EXPECT_NE(m_boxes.Boxes()[0].text.Find(strPath), -1) << m_boxes.Boxes()[0].text.ToUtf8();
        EXPECT_EQ(ElementObjects(doc), objects);
        EXPECT_EQ(SaveToBytes(doc), before);
        EXPECT_EQ(g_wHardwareCode, wHardware);
        EXPECT_FALSE(doc.m_undo.CanUndo());
    }
    EXPECT_EQ(shell.OpenDocuments(), 1);
    EXPECT_TRUE(shell.m_series.empty());
}

// A block whose reference k points at a block object numbered nNumber, which need not be in
// the document: the file then names a block that may not exist.
void PointReference(CBlockObj* pBlock, int k, int nNumber, std::vector<std::unique_ptr<CBlockObj>>& strays)
{
    strays.push_back(std::make_unique<CBlockObj>(BT_AND, 4));
    strays.back()->m_nNumber = nNumber;
    pBlock->m_pRefBlock[k] = strays.back().get();
    pBlock->m_nParam[BLOCK_REF_USED_PARAM + k] = 1;
}

TEST_F(DocFileTest, ReferencesBelow9000ClearAndMissingBlocksResolveToNull)
{
    HardwareCodeScope hw(0x5188);
    CVetlaDoc doc;
    CBlockObj* pTimer = AddNew(doc, BT_DPR);
    CBlockObj* pTarget = AddNew(doc, BT_COUNTER);
    std::vector<std::unique_ptr<CBlockObj>> strays;
    pTimer->m_pRefBlock[0] = pTarget;
    pTimer->m_nParam[BLOCK_REF_USED_PARAM] = 1;
    PointReference(pTimer, 1, 500, strays);
    PointReference(pTimer, 2, 9999, strays);
    const Bytes bytes = SaveToBytes(doc);

    CVetlaDoc loaded;
    LoadFromBytes(loaded, bytes);
    auto* pLoadedTimer = static_cast<CBlockObj*>(loaded.m_blockList.GetHead());
    // Per reference: the block it points at and whether it is marked used.
    const std::pair<CBlockObj*, int> expected[] = {
        {loaded.FindBlockByNumber(9001), 1}, {nullptr, 0}, {nullptr, 1}, {nullptr, 0}};
    for (int k = 0; k < 4; ++k) {
        EXPECT_EQ(pLoadedTimer->m_pRefBlock[k], expected[k].first) << k;
        EXPECT_EQ(pLoadedTimer->m_nParam[BLOCK_REF_USED_PARAM + k], expected[k].second) << k;
    }
}

TEST_F(DocFileTest, OlderGenerationResolvesOnlyTheReferencesItSupports)
{
    HardwareCodeScope hw(0x2188);
    CVetlaDoc doc;
    CBlockObj* pTimer = AddNew(doc, BT_DPR);
    CBlockObj* pCounter = AddNew(doc, BT_COUNTER);
    CBlockObj* pCompare = AddNew(doc, BT_ACOMP);
    pTimer->m_pRefBlock[0] = pTimer->m_pRefBlock[1] = pCounter;
    pCounter->m_pRefBlock[0] = pCounter->m_pRefBlock[1] = pTimer;
    pCompare->m_pRefBlock[0] = pCounter;

    CVetlaDoc loaded;
    LoadFromBytes(loaded, SaveToBytes(doc));
    CBlockObj* pLoadedTimer = loaded.FindBlockByNumber(9000);
    CBlockObj* pLoadedCounter = loaded.FindBlockByNumber(9001);
    CBlockObj* pLoadedCompare = loaded.FindBlockByNumber(9002);
    EXPECT_EQ(pLoadedTimer->m_pRefBlock[0], pLoadedCounter);
    EXPECT_EQ(pLoadedTimer->m_pRefBlock[1], nullptr);
    EXPECT_EQ(pLoadedCounter->m_pRefBlock[0], pLoadedTimer);
    EXPECT_EQ(pLoadedCounter->m_pRefBlock[1], pLoadedTimer);
    EXPECT_EQ(pLoadedCompare->m_pRefBlock[0], nullptr);
    EXPECT_EQ(pLoadedCompare->m_nRefBlock[0], 9001);
}

TEST_F(DocFileTest, DataLogItemsOfFunctionBlocksPointAtTheirBlocks)
{
    HardwareCodeScope hw(0x5188);
    CVetlaDoc doc;
    AddNew(doc, BT_AND);
    auto* pLog = static_cast<CBlockDataLog*>(AddNew(doc, BT_DATALOG));
    DataLogItem block;
    block.strItem = _T("B1");
    block.nValue1 = 9000;
    DataLogItem input;
    input.strItem = _T("I1");
    input.nValue1 = 9000;
    pLog->m_arrLogItems.Add(block);
    pLog->m_arrLogItems.Add(input);

    CVetlaDoc loaded;
    LoadFromBytes(loaded, SaveToBytes(doc));
    auto* pLoadedLog = static_cast<CBlockDataLog*>(loaded.FindBlockByNumber(8950));
    ASSERT_EQ(pLoadedLog->m_arrLogItems.GetSize(), 2);
    EXPECT_EQ(pLoadedLog->m_arrLogItems[0].nSpare, loaded.FindBlockByNumber(9000));
    EXPECT_EQ(pLoadedLog->m_arrLogItems[1].nSpare, nullptr);
}

CWidget* NewWidget(int nBlockNumber, int nKind)
{
    auto* pWidget = new CWidget;
    pWidget->m_nBlockNumber = nBlockNumber;
    pWidget->m_nKind = nKind;
    return pWidget;
}

TEST_F(DocFileTest, MessageTextElementArraysFollowTheWires)
{
    HardwareCodeScope hw(0x5188);
    CVetlaDoc doc;
    AddNew(doc, BT_AND);
    auto* pText = static_cast<CBlockMSGTEXT*>(AddNew(doc, BT_MSGTEXT));
    pText->m_arrWidgets1[0].Add(NewWidget(9000, 0));
    // A null entry keeps its place: elements are found by their index.
    pText->m_arrWidgets2[3].Add(nullptr);
    pText->m_arrWidgets2[3].Add(NewWidget(9000, WIDGET_KIND_BARGRAPH));
    const Bytes bytes = SaveToBytes(doc);
    EXPECT_NE(FindText(bytes, "CWidget"), std::string_view::npos);
    EXPECT_GT(FindText(bytes, "CWidget"), FindText(bytes, "CBlockMSGTEXT"));

    CVetlaDoc loaded;
    LoadFromBytes(loaded, bytes);
    auto* pLoaded = static_cast<CBlockMSGTEXT*>(loaded.FindBlockByNumber(9001));
    ASSERT_EQ(pLoaded->m_arrWidgets1[0].GetSize(), 1);
    ASSERT_EQ(pLoaded->m_arrWidgets2[3].GetSize(), 2);
    EXPECT_EQ(pLoaded->m_arrWidgets2[3][0], nullptr);
    EXPECT_EQ(static_cast<CWidget*>(pLoaded->m_arrWidgets1[0][0])->m_pBlock, loaded.FindBlockByNumber(9000));
    EXPECT_EQ(SaveToBytes(loaded), bytes);
}

// An old file: no hardware section and one element array per message-text block. The array is
// written after the file's two blocks, so that its class and object indexes continue theirs.
// Takes the elements (and frees them).
Bytes OldStyleMessageTextFile(const std::vector<CWidget*>& widgets)
{
    CObArray elements;
    for (CWidget* pWidget : widgets)
        elements.Add(pWidget);
    HardwareCodeScope hw(0x2188);
    CVetlaDoc doc;
    AddNew(doc, BT_AND);
    AddNew(doc, BT_MSGTEXT);
    Bytes bytes = WithoutHardwareSection(SaveToBytes(doc), OLD_HARDWARE_SIZE);
    bytes.resize(bytes.size() - 2 * MSGTEXT_WIDGET_ARRAYS);
    CMemFile file;
    CArchive ar(&file, CArchive::store);
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;)
        ar.WriteObject(doc.m_blockList.GetNext(pos));
    ar.Flush();
    const auto nBlocks = std::size_t(file.GetLength());
    elements.Serialize(ar);
    ar.Close();
    const std::size_t nOld = bytes.size();
    bytes.resize(nOld + std::size_t(file.GetLength()) - nBlocks);
    file.Seek(LONGLONG(nBlocks), CFile::begin);
    file.Read(bytes.data() + nOld, UINT(bytes.size() - nOld));
    for (CWidget* pWidget : widgets)
        delete pWidget;
    return bytes;
}

TEST_F(DocFileTest, OldStyleElementArrayFillsOneListPerElement)
{
    const Bytes bytes =
        OldStyleMessageTextFile({NewWidget(9000, 1), nullptr, nullptr, nullptr, nullptr, NewWidget(9000, 2)});

    CVetlaDoc loaded;
    LoadFromBytes(loaded, bytes);
    auto* pText = static_cast<CBlockMSGTEXT*>(loaded.FindBlockByNumber(9001));
    EXPECT_EQ(pText->m_arrWidgets1[0].GetSize(), 1);
    EXPECT_EQ(pText->m_arrWidgets1[1].GetSize(), 0);
    EXPECT_EQ(pText->m_arrWidgets2[1].GetSize(), 1);
    EXPECT_EQ(static_cast<CWidget*>(pText->m_arrWidgets2[1][0])->m_nKind, 2);
}

TEST_F(DocFileTest, OldStyleElementArrayLongerThanEightIsCutAtEight)
{
    std::vector<CWidget*> widgets;
    for (int i = 0; i < 9; ++i)
        widgets.push_back(NewWidget(9000, i));
    const Bytes bytes = OldStyleMessageTextFile(widgets);

    CVetlaDoc loaded;
    LoadFromBytes(loaded, bytes);
    auto* pText = static_cast<CBlockMSGTEXT*>(loaded.FindBlockByNumber(9001));
    ASSERT_NE(pText, nullptr);
    for (int i = 0; i < MSGTEXT_WIDGET_ARRAYS; ++i) {
        ASSERT_EQ(pText->WidgetArray(i).GetSize(), 1) << i;
        EXPECT_EQ(static_cast<CWidget*>(pText->WidgetArray(i)[0])->m_nKind, i);
    }
}

} // namespace
