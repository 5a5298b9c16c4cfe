#include "document/BlockNumbering.h"

#include "blocks/BlockTypes.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberRange, InputsUseTheFirstSixteenOfEachGroupOfThirtyTwo)
{
    const NumberRange* pRange = FindNumberRange(BT_IN);
    ASSERT_NE(pRange, nullptr);
    EXPECT_EQ(pRange->nBase, 100);
    EXPECT_EQ(pRange->Size(FALSE), 256);
    EXPECT_TRUE(pRange->IsAssignable(15));
    EXPECT_FALSE(pRange->IsAssignable(16));
    EXPECT_FALSE(pRange->IsAssignable(31));
    EXPECT_TRUE(pRange->IsAssignable(32));
}

TEST(NumberRange, OutputsUseTheFirstEightOfEachGroupOfSixteen)
{
    const NumberRange* pRange = FindNumberRange(BT_OUT);
    ASSERT_NE(pRange, nullptr);
    EXPECT_EQ(pRange->nBase, 600);
    EXPECT_TRUE(pRange->IsAssignable(7));
    EXPECT_FALSE(pRange->IsAssignable(8));
    EXPECT_TRUE(pRange->IsAssignable(16));
}

struct RangeCase {
    int nType;
    int nBase;
    int nSizeOld;
    int nSizeNew;
};

class NumberRangeTest : public testing::TestWithParam<RangeCase> {};

TEST_P(NumberRangeTest, HasItsBaseAndSize)
{
    const RangeCase& c = GetParam();
    const NumberRange* pRange = FindNumberRange(c.nType);
    ASSERT_NE(pRange, nullptr) << c.nType;
    EXPECT_EQ(pRange->nBase, c.nBase);
    EXPECT_EQ(pRange->Size(FALSE), c.nSizeOld);
    EXPECT_EQ(pRange->Size(TRUE), c.nSizeNew);
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberRangeTest,
    testing::Values(RangeCase{601, 1280, 4, 4}, RangeCase{602, 1000, 16, 64}, RangeCase{603, 1870, 1000, 1000},
                    RangeCase{604, 2900, 1000, 1000}, RangeCase{606, 4800, 128, 128}, RangeCase{607, 1316, 512, 512},
                    RangeCase{608, 4000, 64, 64}, RangeCase{609, 4230, 32, 32}, RangeCase{610, 4288, 512, 512},
                    RangeCase{611, 1300, 5, 5}, RangeCase{700, 12000, 2560, 2560}, RangeCase{701, 15000, 2560, 2560},
                    RangeCase{702, 18000, 2560, 2560}, RangeCase{703, 21000, 768, 768},
                    RangeCase{704, 21000, 768, 768}, RangeCase{705, 22000, 544, 544},
                    RangeCase{900, 5000, 1900, 1900}, RangeCase{901, 7000, 1900, 1900},
                    RangeCase{911, 8950, 1, 1}));

TEST(NumberRange, FunctionBlocksHaveNoRange)
{
    for (int nType : {300, 400, 413, 800, 879, 951, 0})
        EXPECT_EQ(FindNumberRange(nType), nullptr) << nType;
}

struct LimitCase {
    int nType;
    int nOld;
    int nNew;
};

class CapacityLimitTest : public testing::TestWithParam<LimitCase> {};

TEST_P(CapacityLimitTest, LimitsByGeneration)
{
    const LimitCase& c = GetParam();
    const CapacityLimit* pLimit = FindCapacityLimit(c.nType);
    ASSERT_NE(pLimit, nullptr) << c.nType;
    EXPECT_EQ(pLimit->Limit(FALSE), c.nOld);
    EXPECT_EQ(pLimit->Limit(TRUE), c.nNew);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CapacityLimitTest,
    testing::Values(LimitCase{600, 128, 128}, LimitCase{602, 16, 64}, LimitCase{603, 1000, 1000},
                    LimitCase{604, 1000, 1000}, LimitCase{605, 64, 64}, LimitCase{606, 128, 128},
                    LimitCase{607, 512, 512}, LimitCase{608, 64, 64}, LimitCase{609, 32, 32},
                    LimitCase{610, 512, 512}, LimitCase{611, 5, 5}, LimitCase{700, 2560, 2560},
                    LimitCase{701, 2560, 2560}, LimitCase{702, 2560, 2560}, LimitCase{703, 768, 768},
                    LimitCase{704, 768, 768}, LimitCase{705, 544, 544}, LimitCase{810, 16, 16},
                    LimitCase{812, 1, 4}, LimitCase{820, 8, 8}, LimitCase{900, 1900, 1900},
                    LimitCase{901, 1900, 1900}, LimitCase{911, 1, 1}));

TEST(CapacityLimit, TypesWithoutAnEntryHaveNone)
{
    for (int nType : {601, 300, 400, 800, 811, 813, 951})
        EXPECT_EQ(FindCapacityLimit(nType), nullptr) << nType;
}

// By the family of the type's row: a code without a row has no category, even inside a run of
// codes of one family.
TEST(BlockCategory, ByTypeFamily)
{
    const std::pair<int, int> cases[] = {{299, 0}, {300, 2}, {307, 2}, {413, 2}, {414, 0}, {599, 0},
                                         {600, 1}, {705, 1}, {799, 0}, {800, 2}, {828, 0}, {879, 2},
                                         {899, 0}, {900, 3}, {901, 3}, {902, 0}, {911, 4}, {951, 0}};
    for (const auto& [nType, nCategory] : cases)
        EXPECT_EQ(GetBlockCategory(nType), nCategory) << nType;
}

TEST(SpecialProgramBytes, ByHardwareCode)
{
    EXPECT_EQ(GetSpecialProgramBytes(BT_YT, 0x2188), 8);
    EXPECT_EQ(GetSpecialProgramBytes(BT_YT, 0x5188), 14);
    EXPECT_EQ(GetSpecialProgramBytes(BT_SREG, 0x5187), 12);
    EXPECT_EQ(GetSpecialProgramBytes(BT_SREG, 0x6188), 16);
    EXPECT_EQ(GetSpecialProgramBytes(BT_MW, 0x1188), 18);
    EXPECT_EQ(GetSpecialProgramBytes(BT_MW, 0x5288), 22);
    EXPECT_EQ(GetSpecialProgramBytes(BT_MR, 0x5288), 0);
}

TEST(OperandTableRange, ContainsItsOperandsOnly)
{
    EXPECT_TRUE(OPERANDS_Q.Contains(727));
    EXPECT_FALSE(OPERANDS_Q.Contains(728));
    EXPECT_TRUE(OPERANDS_AM.Contains(4288));
    EXPECT_FALSE(OPERANDS_AQ.Contains(4262));
}

} // namespace
