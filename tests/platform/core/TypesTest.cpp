#include "platform/core/Types.h"

#include <gtest/gtest.h>

TEST(Types, ColourIsBlueGreenRed)
{
    EXPECT_EQ(RGB(0x12, 0x34, 0x56), 0x00563412u);
    EXPECT_EQ(GetRValue(0x00563412u), 0x12);
    EXPECT_EQ(GetGValue(0x00563412u), 0x34);
    EXPECT_EQ(GetBValue(0x00563412u), 0x56);
}

TEST(Types, MulDivRoundsHalfAwayFromZero)
{
    EXPECT_EQ(MulDiv(5, 3, 2), 8);    // 7.5
    EXPECT_EQ(MulDiv(-5, 3, 2), -8);  // -7.5
    EXPECT_EQ(MulDiv(5, 3, -2), -8);
    EXPECT_EQ(MulDiv(7, 1, 3), 2);    // 2.33
    EXPECT_EQ(MulDiv(0x40000000, 4, 4), 0x40000000);  // the product needs 64 bits
    EXPECT_EQ(MulDiv(1, 1, 0), -1);
    EXPECT_EQ(MulDiv(0x7FFFFFFF, 2, 1), -1);
}
