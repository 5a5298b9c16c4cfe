#include "RecordTestSupport.h"
#include "SimDriver.h"

#include "blocks/BlockDataLog.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockTypes.h"

#include <gtest/gtest.h>

namespace {

class BlockDataLogTest : public testing::Test {
protected:
    static void SetUpTestSuite() { RegisterBlockClasses(); }

    TestDocument m_active;
};

void AddItems(CBlockDataLog& log, int nCount)
{
    log.m_arrLogItems.SetSize(nCount);
    for (int i = 0; i < nCount; ++i) {
        log.m_arrLogItems[i].strItem.Format(_T("B%03d"), i);
        log.m_arrLogItems[i].nValue1 = 9000 + i;
    }
}

// The bytes of a log record whose stored count is nCount while nItems items follow it.
Bytes RecordWithCount(int nCount, int nItems)
{
    CBlockDataLog log(BT_DATALOG);
    AddItems(log, nItems);
    Bytes bytes = StoreObject(&log);
    // m_nParam[9] is the second int of item 19 of the common record: 166 bytes in when the
    // three strings before it are empty.
    const std::size_t nOffset = ClassHeaderLength(&log) + 166;
    EXPECT_EQ(ReadI32(bytes, nOffset), nItems);
    std::memcpy(bytes.data() + nOffset, &nCount, 4);
    return bytes;
}

TEST_F(BlockDataLogTest, ItemsRoundTripAndTheirBlockPointerStartsEmpty)
{
    CBlockDataLog log(BT_DATALOG);
    AddItems(log, DATALOG_MAX_ITEMS);
    log.m_arrLogItems[5].strParam = _T("Value");
    log.m_arrLogItems[5].nValue2 = -17;
    const Bytes bytes = StoreObject(&log);
    auto pLoaded = LoadObjectAs<CBlockDataLog>(bytes, &m_active.Doc());
    ASSERT_TRUE(pLoaded);
    ASSERT_EQ(pLoaded->m_arrLogItems.GetSize(), DATALOG_MAX_ITEMS);
    EXPECT_EQ(pLoaded->m_arrLogItems[5].strParam, _T("Value"));
    EXPECT_EQ(pLoaded->m_arrLogItems[5].nValue2, -17);
    EXPECT_EQ(pLoaded->m_arrLogItems[31].strItem, _T("B031"));
    EXPECT_EQ(pLoaded->m_arrLogItems[31].nSpare, nullptr);
    EXPECT_EQ(StoreObject(pLoaded.get()), bytes);
}

// The reader takes the count from the record, so the writer must put the number of items
// that follow there, whatever the count word said before.
TEST_F(BlockDataLogTest, StoredCountIsTheNumberOfItemsWritten)
{
    CBlockDataLog log(BT_DATALOG);
    AddItems(log, 3);
    log.m_nParam[DATALOG_COUNT_PARAM] = 1;
    auto pLoaded = LoadObjectAs<CBlockDataLog>(StoreObject(&log), &m_active.Doc());
    ASSERT_TRUE(pLoaded);
    EXPECT_EQ(pLoaded->m_arrLogItems.GetSize(), 3);
    EXPECT_EQ(pLoaded->m_nParam[DATALOG_COUNT_PARAM], 3);
}

TEST_F(BlockDataLogTest, CountZeroLoadsNoItemsEvenWhenItemsFollow)
{
    const Bytes bytes = RecordWithCount(0, 2);
    std::unique_ptr<CBlockDataLog> pLoaded;
    LoadWith(bytes, &m_active.Doc(), [&](CArchive& ar) {
        pLoaded.reset(static_cast<CBlockDataLog*>(ar.ReadObject(RUNTIME_CLASS(CBlockDataLog))));
    });
    ASSERT_TRUE(pLoaded);
    EXPECT_TRUE(pLoaded->m_arrLogItems.IsEmpty());
}

TEST_F(BlockDataLogTest, CountOutsideTheLogsCapacityIsRefused)
{
    for (int nCount : {-1, DATALOG_MAX_ITEMS + 1, 0x7FFFFFFF}) {
        const Bytes bytes = RecordWithCount(nCount, 1);
        EXPECT_EQ(ArchiveFailure([&] { LoadObjectAs<CBlockDataLog>(bytes, &m_active.Doc()); }),
                  CArchiveException::generic)
            << nCount;
    }
}

// The count travels with the common words while the items stay: the copy's count must still
// name the items it holds.
TEST_F(BlockDataLogTest, CopyLeavesACountThatNamesTheDestinationsItems)
{
    CBlockDataLog source(BT_DATALOG);
    AddItems(source, 3);
    source.m_nParam[DATALOG_COUNT_PARAM] = 3;
    CBlockDataLog copy(BT_DATALOG);
    AddItems(copy, 5);
    source.CopyTo(&copy, FALSE);
    EXPECT_EQ(copy.m_arrLogItems.GetSize(), 5);
    EXPECT_EQ(copy.m_nParam[DATALOG_COUNT_PARAM], 5);

    CBlockDataLog empty(BT_DATALOG);
    source.CopyTo(&empty, FALSE);
    EXPECT_EQ(empty.m_nParam[DATALOG_COUNT_PARAM], 0);
    auto pLoaded = LoadObjectAs<CBlockDataLog>(StoreObject(&copy), &m_active.Doc());
    ASSERT_TRUE(pLoaded);
    EXPECT_EQ(pLoaded->m_arrLogItems.GetSize(), 5);
    EXPECT_EQ(pLoaded->m_arrLogItems[4].nValue1, 9004);
}

}  // namespace
