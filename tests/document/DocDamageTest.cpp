#include "DocSamples.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockTime.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <cmath>
#include <cstring>
#include <functional>
#include <random>
#include <string>
#include <tuple>

namespace {

class DocDamageTest : public DocTest {
protected:
    // The document a failed load must leave as it was: small, and unlike the samples.
    DocDamageTest()
    {
        AddNew(m_target, BT_OR, 5, 5);
        AddNew(m_target, BT_FLAG, 50, 5);
        m_target.m_settings.strProgramName = _T("KEEP");
        m_target.m_mapOperandComment.SetAt(7, _T("kept"));
        m_before = SaveToBytes(m_target);
        m_objects = ElementObjects(m_target);
    }

    // Loads the bytes into the target; a failure must leave it byte for byte as it was.
    // Returns TRUE when the load failed.
    BOOL LoadExpectingNoHarm(const Bytes& bytes)
    {
        const BOOL bFailed = LoadFails(m_target, bytes);
        if (bFailed) {
            EXPECT_EQ(SaveToBytes(m_target), m_before);
            EXPECT_EQ(ElementObjects(m_target), m_objects);
        }
        return bFailed;
    }

    CVetlaDoc m_target;
    Bytes m_before;
    std::vector<const CObject*> m_objects;
};

Bytes SampleBytes(BOOL bLadder)
{
    HardwareCodeScope hw(0x5188);
    CVetlaDoc doc;
    if (bLadder)
        FillLadSample(doc);
    else
        FillFbdSample(doc, FALSE);
    return SaveToBytes(doc);
}

// The two samples, and one block of every type in each generation.
TEST_F(DocDamageTest, SamplesLoadAndSaveToTheSameBytes)
{
    for (const auto& [bLadder, bEveryType, wCode] :
         {std::tuple(FALSE, FALSE, WORD(0x5188)), std::tuple(TRUE, FALSE, WORD(0x5188)),
          std::tuple(FALSE, TRUE, WORD(0x2188)), std::tuple(FALSE, TRUE, WORD(0x5288))}) {
        HardwareCodeScope hw(wCode);
        CVetlaDoc doc;
        if (bLadder)
            FillLadSample(doc);
        else
            FillFbdSample(doc, bEveryType);
        const Bytes bytes = SaveToBytes(doc);
        CVetlaDoc loaded;
        LoadFromBytes(loaded, bytes);
        EXPECT_EQ(CountBlocks(loaded), CountBlocks(doc)) << bLadder << bEveryType << wCode;
        EXPECT_EQ(SaveToBytes(loaded), bytes) << bLadder << bEveryType << wCode;
    }
}

TEST_F(DocDamageTest, TruncatedAtEveryOffsetFailsAndHarmsNothing)
{
    for (BOOL bLadder : {FALSE, TRUE}) {
        const Bytes bytes = SampleBytes(bLadder);
        for (std::size_t n = 0; n < bytes.size(); ++n) {
            const Bytes cut(bytes.begin(), bytes.begin() + std::ptrdiff_t(n));
            ASSERT_TRUE(LoadExpectingNoHarm(cut)) << "cut at " << n << (bLadder ? " (LAD)" : " (FBD)");
        }
    }
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(DocDamageTest, RandomBytesNeverHarm)
{
    std::mt19937 random(20240305);
    const Bytes sample = SampleBytes(FALSE);
    for (int i = 0; i < 400; ++i) {
        // Half start with the sample's settings, so that the lists are reached.
        const std::size_t nPrefix = i % 2 ? 430 : 0;
        Bytes bytes(sample.begin(), sample.begin() + std::ptrdiff_t(nPrefix));
        const std::size_t nRandom = random() % 3000;
        for (std::size_t k = 0; k < nRandom; ++k)
            bytes.push_back(BYTE(random()));
        LoadExpectingNoHarm(bytes);
    }
}

TEST_F(DocDamageTest, FlippedBytesNeverHarm)
{
    std::mt19937 random(7);
    for (BOOL bLadder : {FALSE, TRUE}) {
        const Bytes sample = SampleBytes(bLadder);
        for (int i = 0; i < 600; ++i) {
            Bytes bytes = sample;
            for (int nFlips = 1 + int(random() % 3); nFlips > 0; --nFlips)
                bytes[random() % bytes.size()] ^= BYTE(1u << (random() % 8));
            if (!LoadExpectingNoHarm(bytes)) {
                // A load that succeeded replaced the target; start again from the original.
                LoadFromBytes(m_target, m_before);
                m_objects = ElementObjects(m_target);
            }
        }
    }
}

// How many objects each of the document's lists holds.
std::vector<INT_PTR> ListCounts(const CVetlaDoc& doc)
{
    return {doc.m_blockList.GetCount(), doc.m_lineList.GetCount(), doc.m_commentList.GetCount(),
            doc.m_powerBusList.GetCount()};
}

// The bytes read once into a new document, as the trial load of an open does (a full open
// reads them up to three times); FALSE when the load failed.
BOOL LoadsInOnePass(CVetlaDoc& doc, const Bytes& bytes)
{
    CMemFile file;
    file.Write(bytes.data(), UINT(bytes.size()));
    file.SeekToBegin();
    try {
        CArchive ar(&file, CArchive::load | CArchive::bNoFlushOnDelete);
        ar.m_pDocument = &doc;
        doc.Serialize(ar);
        ar.Close();
    } catch (CException* e) {
        e->Delete();
        return FALSE;
    }
    return TRUE;
}

// A small diagram of each kind: every list has an element, and there are few bytes to damage.
Bytes SmallDiagramBytes(BOOL bLadder)
{
    HardwareCodeScope hw(0x5188);
    CVetlaDoc doc;
    if (bLadder) {
        doc.m_nDocType = DOC_TYPE_LAD;
        auto* pRail = new CPowerBusObj(BT_POWERBUS);
        doc.m_powerBusList.AddTail(pRail);
        CBlockObj* pMake = AddNew(doc, BT_MAKE, 60, 40);
        CBlockObj* pCoil = AddNew(doc, BT_RELAY_COIL, 200, 40);
        AddWire(doc, pRail, 10, pMake, 0);
        AddWire(doc, pMake, 10, pCoil, 0);
        doc.m_mapOperandComment.SetAt(100, _T("Start"));
    } else {
        CBlockObj* pIn = AddNew(doc, BT_IN, 20, 20);
        CBlockObj* pAnd = AddNew(doc, BT_AND, 100, 40);
        CBlockObj* pOut = AddNew(doc, BT_OUT, 240, 40);
        AddWire(doc, pIn, 10, pAnd, 0);
        AddWire(doc, pAnd, 10, pOut, 0);
    }
    AddCommentBox(doc, 10, 200, _T("Pump"));
    return SaveToBytes(doc);
}

// One damaged byte anywhere, in a count, a string length, a class tag or a value, either fails
// the load or leaves every element in place: a load that quietly drops part of the diagram
// would let the next save overwrite the file with less.
// Damages byte n of the sample (each of two ways) and checks what a load of it does.
void CheckDamageAt(const Bytes& sample, const std::vector<INT_PTR>& counts, std::size_t n, BOOL bLadder)
{
    for (const BYTE byDamage : {BYTE(0x01), BYTE(0xFF)}) {
        Bytes bytes = sample;
        bytes[n] ^= byDamage;
        CVetlaDoc doc;
        if (LoadsInOnePass(doc, bytes)) {
            ASSERT_EQ(ListCounts(doc), counts) << "byte " << n << " ^ " << int(byDamage)
                                               << (bLadder ? " (LAD)" : " (FBD)");
        }
    }
}

// Every byte of each sample when QARVO_LONG_TESTS is set (the "long" test of ctest, outside the
// default run), else the same bytes every run: the first bytes (header and settings) and an
// even spread of the rest.
void CheckDamagedBytes(bool bEveryByte)
{
    for (BOOL bLadder : {FALSE, TRUE}) {
        const Bytes sample = SmallDiagramBytes(bLadder);
        CVetlaDoc original;
        LoadFromBytes(original, sample);
        const std::vector<INT_PTR> counts = ListCounts(original);
        constexpr std::size_t kHead = 32;
        constexpr std::size_t kStride = 16;
        for (std::size_t n = 0; n < sample.size(); n += (bEveryByte || n < kHead) ? 1 : kStride) {
            CheckDamageAt(sample, counts, n, bLadder);
            if (::testing::Test::HasFatalFailure())
                return;
        }
    }
}

TEST_F(DocDamageTest, OneDamagedByteAnywhereFailsOrKeepsEveryElement)
{
    CheckDamagedBytes(false);
}

TEST_F(DocDamageTest, EveryDamagedByteFailsOrKeepsEveryElement)
{
    if (!std::getenv("QARVO_LONG_TESTS"))
        GTEST_SKIP() << "the sweep of every byte runs as the long test";
    CheckDamagedBytes(true);
}

void Replace(Bytes& bytes, std::string_view from, std::string_view to)
{
    const std::size_t nAt = FindText(bytes, from);
    ASSERT_NE(nAt, std::string_view::npos);
    std::copy(to.begin(), to.end(), bytes.begin() + std::ptrdiff_t(nAt));
}

// The cause of the archive exception a load raises; none when it loads.
int LoadFailureCause(CVetlaDoc& doc, const Bytes& bytes)
{
    try {
        LoadFromBytes(doc, bytes);
    } catch (CArchiveException* e) {
        const int nCause = e->m_cause;
        e->Delete();
        return nCause;
    }
    return CArchiveException::none;
}

TEST_F(DocDamageTest, UnknownClassNameFailsWithBadClass)
{
    Bytes bytes = SampleBytes(FALSE);
    Replace(bytes, "CBlockLogic", "CBlockLogiX");
    EXPECT_EQ(LoadFailureCause(m_target, bytes), CArchiveException::badClass);
    EXPECT_EQ(SaveToBytes(m_target), m_before);
}

// A file of one AND block whose block list is rewritten to hold the given entries after the
// block record: a back-reference to the block (object index 2), a null, a comment box.
Bytes BlockListWithExtra(const Bytes& extra, WORD wCount)
{
    HardwareCodeScope hw(0x2188);
    CVetlaDoc doc;
    AddNew(doc, BT_AND);
    Bytes bytes = SaveToBytes(doc);
    const std::size_t nClass = FindText(bytes, "CBlockLogic") - 6;
    bytes[nClass - 2] = LOBYTE(wCount);
    bytes[nClass - 1] = HIBYTE(wCount);
    // The block record ends right before the empty wire list, the last two bytes.
    bytes.insert(bytes.end() - 2, extra.begin(), extra.end());
    return bytes;
}

// Entries after the block record that are not new blocks: the block named again (without it
// being owned twice), a null, an object of the wrong class; and a wire or a message-text element,
// which name blocks by number, read after a null or a comment: such a one must not look the
// number up in a list that holds them.
TEST_F(DocDamageTest, BlockListEntriesThatAreNotNewBlocksAreRefused)
{
    CBlockComment comment;
    CConnectLineObj wire;
    wire.m_nStartBlock = 5;
    CWidget widget;
    widget.m_nBlockNumber = 5;
    const Bytes nullEntry = {0x00, 0x00};
    const Bytes commentRecord = ObjectRecords({&comment});
    const auto then = [](Bytes first, CObject* pNamer) {
        const Bytes namer = ObjectRecords({pNamer});
        first.insert(first.end(), namer.begin(), namer.end());
        return first;
    };
    const std::pair<Bytes, WORD> cases[] = {
        {{0x02, 0x00}, 2}, {nullEntry, 2}, {commentRecord, 2},
        {then(nullEntry, &wire), 3}, {then(nullEntry, &widget), 3},
        {then(commentRecord, &wire), 3}, {then(commentRecord, &widget), 3},
    };
    for (std::size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        EXPECT_EQ(LoadFailureCause(m_target, BlockListWithExtra(cases[i].first, cases[i].second)),
                  CArchiveException::generic);
        EXPECT_EQ(SaveToBytes(m_target), m_before);
    }
}

// A list entry that refers back to an object taken before must fail the load without the object
// being owned twice, whichever list took it: the file of one comment (object index 2), one AND
// block (4) and a wire between nothing (6), with a back-reference added to the block or the wire
// list. A wrong-class object refused in its list and named again later in that list as well.
TEST_F(DocDamageTest, ABackReferenceToAnObjectTakenBeforeIsRefusedInEveryList)
{
    HardwareCodeScope hw(0x2188);
    CVetlaDoc doc;
    AddCommentBox(doc, 10, 10, _T("note"));
    CBlockObj* pAnd = AddNew(doc, BT_AND);
    AddWire(doc, pAnd, 10, pAnd, 0);
    const Bytes bytes = SaveToBytes(doc);
    const std::size_t nWireCount = FindText(bytes, "CConnectLineObj") - 8;
    const std::size_t nBlockCount = FindText(bytes, "CBlockLogic") - 8;
    ASSERT_EQ(bytes[nWireCount], 1);
    ASSERT_EQ(bytes[nBlockCount], 1);

    CBlockComment comment;
    Bytes wrongClassTwice = ObjectRecords({&comment}); // class 7, object 8
    wrongClassTwice.insert(wrongClassTwice.end(), {0x08, 0x00});
    struct Case {
        const char* what;
        std::size_t nCount; // the list's count
        std::size_t nAt;    // where its added entries go
        Bytes extra;
        BYTE byCount;
    };
    const Case cases[] = {
        {"the comment in the block list", nBlockCount, nWireCount, {0x02, 0x00}, 2},
        {"the block in the wire list", nWireCount, bytes.size(), {0x04, 0x00}, 2},
        {"the wire twice", nWireCount, bytes.size(), {0x06, 0x00}, 2},
        {"a comment refused in the wire list, then again", nWireCount, bytes.size(), wrongClassTwice, 3},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.what);
        Bytes damaged = bytes;
        damaged[c.nCount] = c.byCount;
        damaged.insert(damaged.begin() + std::ptrdiff_t(c.nAt), c.extra.begin(), c.extra.end());
        EXPECT_EQ(LoadFailureCause(m_target, damaged), CArchiveException::generic);
        EXPECT_EQ(SaveToBytes(m_target), m_before);
    }
    // The same file undamaged loads, so that each case fails by its added entry alone.
    EXPECT_EQ(LoadFailureCause(m_target, bytes), CArchiveException::none);
}

// The wires after the first are read as a run of wire records; a list entry that refers back to
// one of them, or to the first, fails the load as any back-reference does.
TEST_F(DocDamageTest, AWireOfARunNamedAgainIsRefused)
{
    HardwareCodeScope hw(0x2188);
    CVetlaDoc doc;
    CBlockObj* pAnd = AddNew(doc, BT_AND);
    for (int nPin : {0, 1, 2})
        AddWire(doc, pAnd, 10, pAnd, nPin);
    const Bytes bytes = SaveToBytes(doc);
    const std::size_t nWireCount = FindText(bytes, "CConnectLineObj") - 8;
    ASSERT_EQ(bytes[nWireCount], 3);
    // The block is class 1 and object 2, the wires class 3 and objects 4 to 6.
    for (BYTE byWire : {4, 5, 6}) {
        SCOPED_TRACE(int(byWire));
        Bytes damaged = bytes;
        damaged[nWireCount] = 4;
        damaged.insert(damaged.end(), {byWire, 0x00});
        EXPECT_EQ(LoadFailureCause(m_target, damaged), CArchiveException::generic);
        EXPECT_EQ(SaveToBytes(m_target), m_before);
    }
    EXPECT_EQ(LoadFailureCause(m_target, bytes), CArchiveException::none);
    ASSERT_EQ(m_target.m_lineList.GetCount(), 3);
    for (POSITION pos = m_target.m_lineList.GetHeadPosition(); pos;) {
        const auto* pLine = static_cast<CConnectLineObj*>(m_target.m_lineList.GetNext(pos));
        EXPECT_EQ(pLine->m_pDoc, &m_target);
        EXPECT_NE(pLine->m_pStartBlock, nullptr);
        EXPECT_EQ(pLine->m_pStartBlock, m_target.FindBlockByNumber(pAnd->m_nNumber));
        EXPECT_EQ(pLine->m_pEndBlock, pLine->m_pStartBlock);
    }
}

TEST_F(DocDamageTest, BytesAfterTheLastRecordFailTheLoad)
{
    for (BOOL bLadder : {FALSE, TRUE}) {
        Bytes bytes = SampleBytes(bLadder);
        bytes.push_back(0);
        EXPECT_EQ(LoadFailureCause(m_target, bytes), CArchiveException::generic) << bLadder;
        EXPECT_EQ(SaveToBytes(m_target), m_before);
    }
}

CBlockObj* FirstBlock(CVetlaDoc& doc) { return static_cast<CBlockObj*>(doc.m_blockList.GetHead()); }
CConnectLineObj* FirstLine(CVetlaDoc& doc) { return static_cast<CConnectLineObj*>(doc.m_lineList.GetHead()); }

// The view adds and offsets coordinates in ints: an element far outside the diagram, which no
// edit makes, would overflow them. The same bytes are the undo snapshots.
TEST_F(DocDamageTest, ElementsOutsideTheDiagramAreRefused)
{
    const auto refused = [](const std::function<void(CVetlaDoc&)>& damage) {
        HardwareCodeScope hw(0x5188);
        CVetlaDoc doc;
        CBlockObj* pIn = AddNew(doc, BT_IN, 100, 100);
        CBlockObj* pOut = AddNew(doc, BT_OUT, 400, 100);
        AddWire(doc, pIn, BLOCK_FIRST_OUTPUT, pOut, 0);
        auto* pComment = new CBlockComment;
        pComment->m_nLeft = 50;
        pComment->m_nTop = 300;
        doc.AddComment(pComment);
        damage(doc);
        CVetlaDoc loaded;
        return LoadFails(loaded, SaveToBytes(doc));
    };
    EXPECT_FALSE(refused([](CVetlaDoc&) {}));
    EXPECT_FALSE(refused([](CVetlaDoc& doc) { FirstBlock(doc)->m_ptPos.x = 300000; }));
    EXPECT_TRUE(refused([](CVetlaDoc& doc) { FirstBlock(doc)->m_ptPos.x = INT_MAX - 20; }));
    EXPECT_TRUE(refused([](CVetlaDoc& doc) { FirstBlock(doc)->m_nHeight = -8; }));
    EXPECT_TRUE(refused([](CVetlaDoc& doc) { FirstLine(doc)->m_arrVertices[0].x = -2147483000; }));
    EXPECT_TRUE(refused([](CVetlaDoc& doc) { FirstLine(doc)->m_ptEnd.y = 1 << 30; }));
    EXPECT_TRUE(refused([](CVetlaDoc& doc) {
        static_cast<CBlockComment*>(doc.m_commentList.GetHead())->m_nBoxWidth = INT_MAX;
    }));
}

// The download sends these values in 14- to 32-bit fields, some times 100 or in a smaller
// unit: one the field cannot carry would reach the controller as another value.
TEST_F(DocDamageTest, ValuesTheDownloadCannotCarryAreRefused)
{
    const auto refused = [](int nType, const std::function<void(CVetlaDoc&, CBlockObj&)>& damage) {
        HardwareCodeScope hw(0x5188);
        CVetlaDoc doc;
        damage(doc, *AddNew(doc, nType, 100, 100));
        CVetlaDoc loaded;
        return LoadFails(loaded, SaveToBytes(doc));
    };
    const auto analog = [](CBlockObj& b) -> CBlockAnalog& { return static_cast<CBlockAnalog&>(b); };
    const auto cams = [](CBlockObj& b) -> CBlockTime& {
        auto& wt = static_cast<CBlockTime&>(b);
        std::fill(std::begin(wt.m_bOnDisabled), std::end(wt.m_bOnDisabled), 0);
        std::fill(std::begin(wt.m_bOffDisabled), std::end(wt.m_bOffDisabled), 0);
        return wt;
    };
    EXPECT_FALSE(refused(BT_AAMP, [](CVetlaDoc& doc, CBlockObj&) { doc.m_settings.analog.dAqFixedValue[3] = 10.0; }));
    EXPECT_TRUE(refused(BT_AAMP, [](CVetlaDoc& doc, CBlockObj&) { doc.m_settings.analog.dAqFixedValue[3] = std::nan(""); }));
    EXPECT_TRUE(refused(BT_AAMP, [](CVetlaDoc& doc, CBlockObj&) { doc.m_settings.analog.dAqFixedValue[0] = 1e12; }));
    EXPECT_TRUE(refused(BT_AAMP, [](CVetlaDoc& doc, CBlockObj&) { doc.m_settings.analog.dAqFixedValue[0] = -1.0; }));
    EXPECT_FALSE(refused(BT_AAMP, [&](CVetlaDoc&, CBlockObj& b) { analog(b).m_dGain = -10.0; }));
    EXPECT_TRUE(refused(BT_AAMP, [&](CVetlaDoc&, CBlockObj& b) { analog(b).m_dGain = 400.0; }));
    EXPECT_TRUE(refused(BT_AAMP, [&](CVetlaDoc&, CBlockObj& b) { analog(b).m_dGain = std::nan(""); }));
    EXPECT_FALSE(refused(BT_WT, [&](CVetlaDoc&, CBlockObj& b) { cams(b).m_nOnTime[1][0] = 23; }));
    EXPECT_TRUE(refused(BT_WT, [&](CVetlaDoc&, CBlockObj& b) { cams(b).m_nOnTime[1][0] = 2000000; }));
    EXPECT_TRUE(refused(BT_WT, [&](CVetlaDoc&, CBlockObj& b) { cams(b).m_nOffTime[2][1] = -1; }));
    EXPECT_FALSE(refused(BT_DPR, [](CVetlaDoc&, CBlockObj& b) { b.m_nParam[TIMER_ON_HIGH_PARAM] = 99; }));
    EXPECT_TRUE(refused(BT_DPR, [](CVetlaDoc&, CBlockObj& b) { b.m_nParam[TIMER_ON_HIGH_PARAM] = 1000000; }));
    EXPECT_TRUE(refused(BT_SLS, [](CVetlaDoc&, CBlockObj& b) { b.m_nParamEx[TIMER_OFF_HIGH_PARAMEX] = 1000; }));
    EXPECT_TRUE(refused(BT_THTRG, [](CVetlaDoc&, CBlockObj& b) { b.m_nParamEx[THTRG_GATE_SECONDS_PARAMEX] = INT_MAX; }));
    // The reference names no block and is dropped: the constant is the time again.
    EXPECT_TRUE(refused(BT_DPR, [](CVetlaDoc&, CBlockObj& b) {
        b.m_nParam[BLOCK_REF_USED_PARAM] = 1;
        b.m_nParam[TIMER_ON_HIGH_PARAM] = 1000000;
    }));
}

// What the fuzzers found in the golden files: a contact's operand, an on-/off-delay's off time
// (its high part) and an input's block number that no page offers; the labels and the download
// image computed with them past an int's range.
TEST_F(DocDamageTest, OperandsNumbersAndTimesNoPageOffersAreRefused)
{
    for (const auto& [pszFile, nOffset, nDamaged] : {std::tuple{"lad-older-catalogue.dld", 2947, INT_MIN},
                                                     {"lad-older-catalogue.dld", 9216, 858849280},
                                                     {"fbd-older-catalogue.dfb", 841, INT_MIN}}) {
        Bytes bytes = ReadFileBytes(CString((std::string(QARVO_GOLDEN_DIR "/") + pszFile).c_str()));
        CVetlaDoc doc;
        ASSERT_FALSE(LoadFails(doc, bytes)) << pszFile;
        std::memcpy(&bytes[nOffset], &nDamaged, sizeof nDamaged);
        EXPECT_TRUE(LoadExpectingNoHarm(bytes)) << pszFile << " " << nOffset;
    }
}

} // namespace
