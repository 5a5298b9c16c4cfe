#include "document/BlockNumbering.h"

#include "blocks/BlockTypes.h"

#include <gtest/gtest.h>

namespace {

TEST(NumberRange, FunctionBlocksHaveNoRange)
{
    for (int nType : {300, 400, 413, 800, 879, 951, 0})
        EXPECT_EQ(FindNumberRange(nType), nullptr) << nType;
}

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

// The yearly timer's and the Modbus write's sizes are checked where a document applies them.
TEST(SpecialProgramBytes, ByHardwareCode)
{
    EXPECT_EQ(GetSpecialProgramBytes(BT_SREG, 0x5187), 12);
    EXPECT_EQ(GetSpecialProgramBytes(BT_SREG, 0x6188), 16);
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
