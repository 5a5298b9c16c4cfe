// The parameter table's lookups: counts by generation, the analog watchdog's shifted list, and
// no id read past a count.
#include "blocks/ParamTables.h"

#include <gtest/gtest.h>

namespace {

TEST(ParamTables, ListsAndActualValuesByGeneration)
{
    const int* pCounter = FindBlockParamRow(800);
    ASSERT_NE(pCounter, nullptr);
    EXPECT_EQ(BlockParamCount(pCounter, false), 3);
    EXPECT_EQ(BlockParamCount(pCounter, true), 4);
    EXPECT_EQ(BlockParamId(pCounter, 3, true), 64);
    EXPECT_EQ(BlockParamId(pCounter, 3, false), -1);
    EXPECT_EQ(ActualValueCount(pCounter), 1);
    EXPECT_EQ(ActualValueId(pCounter, 0), 16);
    EXPECT_EQ(ActualValueId(pCounter, 1), -1);
    // The analog watchdog's newer list starts one column on.
    const int* pWatchdog = FindBlockParamRow(806);
    EXPECT_EQ(BlockParamId(pWatchdog, 0, false), 31);
    EXPECT_EQ(BlockParamId(pWatchdog, 0, true), 26);
    EXPECT_EQ(BlockParamId(pWatchdog, 5, true), 69);
    // The encoder has no actual value: no id from its count column.
    const int* pEncoder = FindBlockParamRow(848);
    EXPECT_EQ(ActualValueCount(pEncoder), 0);
    EXPECT_EQ(ActualValueId(pEncoder, 0), -1);
    EXPECT_EQ(FirstBlockParamId(FindBlockParamRow(610)), 137);
    EXPECT_EQ(FindBlockParamRow(847), nullptr);
    EXPECT_EQ(FindBlockParamRow(0), nullptr);
    EXPECT_EQ(BlockParamCount(nullptr, true), 0);
    for (const auto& row : g_arrBlockParamIds) {
        for (int i = 0; i < BlockParamCount(row, true); ++i) {
            const int nId = BlockParamId(row, i, true);
            EXPECT_TRUE(nId >= 0 && nId < PARAM_NAME_COUNT) << row[0] << " " << i;
        }
    }
}

}  // namespace
