#include "document/BlockNameMap.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace {

UINT BucketOf(int nType) { return (UINT(nType) >> 4) % BLOCK_NAME_HASH_SIZE; }

std::vector<std::pair<int, std::string>> IterationOrder()
{
    std::vector<std::pair<int, std::string>> order;
    POSITION pos = g_mapBlockNames.GetStartPosition();
    while (pos) {
        int nType = 0;
        CString strName;
        g_mapBlockNames.GetNextAssoc(pos, nType, strName);
        order.emplace_back(nType, strName.ToUtf8());
    }
    return order;
}

TEST(BlockNameMap, HoldsEveryNameOnceAndNoOther)
{
    InitBlockNames();
    EXPECT_EQ(g_mapBlockNames.GetCount(), BLOCK_NAME_COUNT);
    EXPECT_EQ(g_mapBlockNames.GetHashTableSize(), BLOCK_NAME_HASH_SIZE);
    for (const auto& [nType, strName] : IterationOrder()) {
        ASSERT_GT(strName.size(), 2u) << nType;
        EXPECT_TRUE(strName.front() == '[' && strName.back() == ']') << nType << " " << strName;
    }
    // Basic logic, I/O, the unnamed counters and relays, WiFi, ladder, connector pair and
    // data log have no name.
    for (int nType : {300, 307, 600, 611, 808, 809, 811, 814, 824, 830, 831, 857, 700, 900, 911}) {
        CString strName(_T("kept"));
        EXPECT_FALSE(g_mapBlockNames.Lookup(nType, strName)) << nType;
        EXPECT_EQ(strName.ToUtf8(), "kept");
    }
}

// The map iterates bucket by bucket and, inside a bucket, the latest insertion first. The
// bucket of 832..847 shows both: the word functions go in as 832..846 and the memory block
// only near the end, so it iterates first, then the others backwards.
TEST(BlockNameMap, IteratesAsItsInsertionOrderAndBucketsDecide)
{
    InitBlockNames();
    const auto order = IterationOrder();
    ASSERT_EQ(order.size(), std::size_t(BLOCK_NAME_COUNT));
    for (std::size_t i = 1; i < order.size(); ++i)
        EXPECT_LE(BucketOf(order[i - 1].first), BucketOf(order[i].first)) << order[i].first;
    std::vector<int> bucket;
    for (const auto& entry : order) {
        if (BucketOf(entry.first) == BucketOf(847))
            bucket.push_back(entry.first);
    }
    std::vector<int> expected = {847};
    for (int nType = 846; nType >= 832; --nType)
        expected.push_back(nType);
    EXPECT_EQ(bucket, expected);
}

TEST(BlockNameMap, ASecondBuildStartsFromNothing)
{
    InitBlockNames();
    const auto first = IterationOrder();
    g_mapBlockNames.SetAt(300, _T("[AND]"));
    g_mapBlockNames.SetAt(400, _T("changed"));
    InitBlockNames();
    EXPECT_EQ(IterationOrder(), first);
}

} // namespace
