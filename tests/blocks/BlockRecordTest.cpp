#include "RecordTestSupport.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "platform/core/Exception.h"

#include <gtest/gtest.h>

#include <string>

namespace {

// A subclass without fields of its own, declared like every block class (versionable,
// schema 1), so that the common record's full form and its schema handling can be tested on
// their own.
class CRecordTestBlock : public CBlockObj {
    DECLARE_SERIAL(CRecordTestBlock)
public:
    CRecordTestBlock() = default;
    explicit CRecordTestBlock(int nType) : CBlockObj(nType, 4) {}
};
IMPLEMENT_SERIAL(CRecordTestBlock, CBlockObj, VERSIONABLE_SCHEMA | 1)

void FillDistinct(CBlockObj& block)
{
    block.m_nType = 812;
    block.m_ptPos = CPoint(1, 2);
    block.m_ptPos2 = CPoint(3, 4);
    block.m_nWidth = 25;
    block.m_nHeight = 40;
    block.m_nNumber = 9003;
    block.m_bShowComment = 1;
    for (int i = 0; i < 20; ++i) {
        block.m_nPinSource[i] = 1000 + i;
        block.m_bPinInvert[i] = i % 2;
        block.m_nPinKind[i] = i % 4;
    }
    block.m_strText = _T("ab");
    block.m_nOperand = 77;
    block.m_strLabelSuffix = _T("x");
    block.m_wProgramBytes = 16;
    block.m_strComment = _T("c\r\nd");
    block.m_nContactState = 1;
    block.m_nInputs = 4;
    block.m_nOutputs = 1;
    block.m_nEditorInput[0] = 5;
    block.m_nEditorInput[1] = 6;
    for (int i = 0; i < 17; ++i)
        block.m_nParam[i] = 100 + i;
    for (int i = 0; i < 15; ++i)
        block.m_nParamEx[i] = 200 + i;
    block.m_nPinSlots = 7;
    for (int i = 0; i < 4; ++i)
        block.m_nAux[i] = 8 + i;
    block.m_strParamText = _T("mask");
    block.m_dParam = 1.5;
}

// The record of FillDistinct's block as the format lays it out; bTail adds the schema-1 part.
Bytes ExpectedRecord(bool bTail)
{
    ByteWriter w;
    w.I32(812);
    w.I32(1), w.I32(2), w.I32(3), w.I32(4);
    w.I32(25), w.I32(40), w.I32(9003);
    w.W16(1);
    for (int i = 0; i < 20; ++i)
        w.I32(1000 + i);
    w.Str(u"ab");
    w.I32(77);
    w.Str(u"x");
    w.W16(16);
    w.Str(u"c\r\nd");
    w.W16(1);
    w.I32(4), w.I32(1), w.I32(5), w.I32(6);
    for (int p : {2, 0, 1, 8, 9, 10, 11, 13})
        w.I32(100 + p);
    for (int p = 0; p < 10; ++p)
        w.I32(200 + p);
    for (int p : {11, 12, 13})
        w.I32(200 + p);
    w.I32(-1), w.I32(114), w.I32(-1), w.I32(7);
    for (int i = 0; i < 4; ++i)
        w.I32(8 + i);
    for (int i = 0; i < 20; ++i)
        w.I32(i % 2);
    for (int i = 0; i < 20; ++i)
        w.I32(i % 4);
    if (bTail) {
        for (int p : {12, 3, 6, 5, 4})
            w.I32(100 + p);
        w.Str(u"mask");
        w.I32(107), w.I32(115), w.I32(-1), w.I32(116), w.I32(-1), w.I32(210);
        w.F64(1.5);
    }
    return w.b;
}

Bytes RecordOf(const Bytes& object, const CObject* pObject)
{
    return Bytes(object.begin() + std::ptrdiff_t(ClassHeaderLength(pObject)), object.end());
}

// The archive error a load ends with; -1 when it succeeds.
int LoadCause(const Bytes& bytes)
{
    return ArchiveFailure([&] { LoadObject(bytes); });
}

TEST(BlockRecord, FullRecordIsByteExact)
{
    CRecordTestBlock block(812);
    FillDistinct(block);
    const Bytes stored = StoreObject(&block);
    EXPECT_EQ(RecordOf(stored, &block), ExpectedRecord(true));
}

TEST(BlockRecord, SizesAreFixedApartFromTheStrings)
{
    CRecordTestBlock full(300);
    EXPECT_EQ(RecordOf(StoreObject(&full), &full).size(), 466u + 4 * 4);
    CBlockObj plain(811, 4);
    EXPECT_EQ(RecordOf(StoreObject(&plain), &plain).size(), 414u + 3 * 4);
}

TEST(BlockRecord, ReferencesAreWrittenWithTheReferencedBlocksCurrentNumbers)
{
    CRecordTestBlock target(300);
    target.m_nNumber = 9005;
    CRecordTestBlock block(812);
    block.m_pRefBlock[0] = &target;
    block.m_nRefBlock[0] = 9007;
    block.m_nRefBlock[1] = 9010;  // stale number without a resolved block
    block.m_pRefBlock[3] = &target;
    const Bytes record = RecordOf(StoreObject(&block), &block);
    auto intAt = [&](std::size_t offset) {
        int v = 0;
        std::memcpy(&v, record.data() + offset, 4);
        return v;
    };
    // Offsets with the three strings of the common part empty (4 bytes each).
    EXPECT_EQ(intAt(222 + 12), 9005);
    EXPECT_EQ(intAt(222 + 12 + 8), -1);
    EXPECT_EQ(intAt(426 + 20 + 4 + 8), -1);
    EXPECT_EQ(intAt(426 + 20 + 4 + 16), 9005);
    EXPECT_EQ(block.m_nRefBlock[0], 9005);
    EXPECT_EQ(block.m_nRefBlock[1], -1);
}

TEST(BlockRecord, SchemaZeroRecordLoadsWithTheDefaultsOfTheMissingFields)
{
    CRecordTestBlock block(812);
    FillDistinct(block);
    Bytes stored = StoreObject(&block);
    stored[2] = 0;  // the class header's schema word
    stored[3] = 0;
    stored.resize(ClassHeaderLength(&block) + ExpectedRecord(false).size());
    auto pLoaded = LoadObject(stored);
    auto* pBlock = dynamic_cast<CBlockObj*>(pLoaded.get());
    ASSERT_NE(pBlock, nullptr);
    EXPECT_EQ(pBlock->m_nSchema, 0);
    EXPECT_EQ(pBlock->m_bPinInvert[1], 1);
    EXPECT_EQ(pBlock->m_nPinKind[3], 3);
    const int defaults[] = {0, 1, 2099, 2000, 0};
    for (int p = 3; p <= 7; ++p)
        EXPECT_EQ(pBlock->m_nParam[p], defaults[p - 3]) << p;
    EXPECT_EQ(pBlock->m_nParam[12], 0);
    EXPECT_EQ(pBlock->m_nParam[15], 0);
    EXPECT_EQ(pBlock->m_nParam[16], 0);
    EXPECT_EQ(pBlock->m_nRefBlock[2], -1);
    EXPECT_EQ(pBlock->m_nRefBlock[3], -1);
    EXPECT_EQ(pBlock->m_nParamEx[10], 0);
    EXPECT_TRUE(pBlock->m_strParamText.IsEmpty());
    EXPECT_EQ(pBlock->m_dParam, 0.0);
}

TEST(BlockRecord, SchemaTwoRaisesBadSchema)
{
    CRecordTestBlock block(300);
    Bytes stored = StoreObject(&block);
    stored[2] = 2;
    EXPECT_EQ(LoadCause(stored), CArchiveException::badSchema);
}

TEST(BlockRecord, PinCountsBeyondThePinArraysAreRefused)
{
    for (int nField : {0, 1}) {  // m_nInputs, then m_nOutputs
        for (int nValue : {-1, 11, 0x7FFFFFFF}) {
            CRecordTestBlock block(300);
            Bytes stored = StoreObject(&block);
            const std::size_t offset = ClassHeaderLength(&block) + 122 + 12 + 4 * nField;
            std::memcpy(stored.data() + offset, &nValue, 4);
            EXPECT_EQ(LoadCause(stored), CArchiveException::generic) << nField << " " << nValue;
        }
    }
}

TEST(BlockRecord, TruncatedRecordEndsWithEndOfFile)
{
    CRecordTestBlock block(812);
    FillDistinct(block);
    const Bytes stored = StoreObject(&block);
    for (std::size_t n = ClassHeaderLength(&block); n < stored.size(); ++n) {
        const Bytes cut(stored.begin(), stored.begin() + std::ptrdiff_t(n));
        EXPECT_EQ(LoadCause(cut), CArchiveException::endOfFile) << n;
    }
}

// A plain block has class schema 0 and is read in the short form, so it must be written so.
TEST(BlockRecord, SoftkeyBlockIsStoredAndLoadedInTheShortForm)
{
    std::unique_ptr<CBlockObj> pSoftkey(CreateBlockForType(BT_SOFTKEY, nullptr, nullptr));
    ASSERT_EQ(pSoftkey->GetRuntimeClass(), RUNTIME_CLASS(CBlockObj));
    pSoftkey->m_nNumber = 9001;
    pSoftkey->m_nParamEx[12] = 1;
    pSoftkey->m_nParamEx[13] = 0;
    pSoftkey->m_strComment = _T("softkey");
    const Bytes stored = StoreObject(pSoftkey.get());
    EXPECT_EQ(RecordOf(stored, pSoftkey.get()).size(), 414u + 3 * 4 + 14);

    auto pLoaded = LoadObject(stored);
    auto* pBlock = dynamic_cast<CBlockObj*>(pLoaded.get());
    ASSERT_NE(pBlock, nullptr);
    EXPECT_EQ(pBlock->m_nSchema, 0);
    EXPECT_EQ(pBlock->m_nType, BT_SOFTKEY);
    EXPECT_EQ(pBlock->m_nNumber, 9001);
    EXPECT_EQ(pBlock->m_nParamEx[12], 1);
    EXPECT_EQ(pBlock->m_strComment, CString(_T("softkey")));
    EXPECT_EQ(pBlock->m_nInputs, 4);
    EXPECT_EQ(pBlock->m_nPinKind[1], 1);
    EXPECT_EQ(StoreObject(pBlock), stored);
}

// A softkey followed by another object in the same archive: the reader must stop exactly
// where the writer stopped, or the next record is misread.
TEST(BlockRecord, ObjectAfterAPlainBlockLoads)
{
    std::unique_ptr<CBlockObj> pSoftkey(CreateBlockForType(BT_SOFTKEY, nullptr, nullptr));
    CRecordTestBlock next(300);
    next.m_nNumber = 9002;
    CMemFile file;
    {
        CArchive ar(&file, CArchive::store);
        ar.WriteObject(pSoftkey.get());
        ar.WriteObject(&next);
        ar.Close();
    }
    file.SeekToBegin();
    CArchive ar(&file, CArchive::load);
    std::unique_ptr<CObject> pFirst(ar.ReadObject(nullptr));
    std::unique_ptr<CObject> pSecond(ar.ReadObject(RUNTIME_CLASS(CRecordTestBlock)));
    ar.Close();
    ASSERT_NE(pSecond, nullptr);
    EXPECT_EQ(static_cast<CBlockObj*>(pSecond.get())->m_nNumber, 9002);
}

class CatalogueRoundTrip : public ::testing::TestWithParam<int> {};

TEST_P(CatalogueRoundTrip, EveryCodeRoundTripsByteIdentically)
{
    RegisterBlockClasses();
    TestDocument active(GetParam());
    for (const BlockTypeRow& entry : FactoryTypeRows()) {
        std::unique_ptr<CBlockObj> pBlock(CreateBlockForType(entry.nType, nullptr, &active.Doc()));
        pBlock->m_nNumber = 9000;
        pBlock->m_ptPos = CPoint(40, 60);
        pBlock->m_ptPos2 = CPoint(-3, 7);
        pBlock->m_strComment = _T("comment\r\nline two");
        pBlock->m_strText = _T("text");
        pBlock->m_strLabelSuffix = _T("a");
        pBlock->m_nOperand = 100;
        if (pBlock->m_nInputs > 0 && pBlock->m_nPinSource[0] == LINK_OPEN)
            pBlock->m_nPinSource[0] = 9001;
        const Bytes first = StoreObject(pBlock.get());
        std::unique_ptr<CObject> pLoaded;
        try {
            pLoaded = LoadObject(first);
        } catch (CException* e) {
            e->Delete();
            ADD_FAILURE() << "type " << entry.nType << " does not load";
            continue;
        }
        ASSERT_NE(pLoaded, nullptr);
        EXPECT_EQ(pLoaded->GetRuntimeClass(), pBlock->GetRuntimeClass()) << entry.nType;
        EXPECT_EQ(StoreObject(pLoaded.get()), first) << "type " << entry.nType;
    }
}

INSTANTIATE_TEST_SUITE_P(FbdAndLad, CatalogueRoundTrip,
                         ::testing::Values(DOC_TYPE_FBD, DOC_TYPE_LAD));

}  // namespace
