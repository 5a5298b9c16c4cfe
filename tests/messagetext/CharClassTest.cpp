#include "messagetext/CharClass.h"

#include <gtest/gtest.h>

namespace {

struct CharCase {
    UINT nCodePoint;
    int nClass;
};

class CharClassTest : public testing::TestWithParam<CharCase> {};

TEST_P(CharClassTest, ClassOfCodePoint)
{
    EXPECT_EQ(GetCharClass(GetParam().nCodePoint), GetParam().nClass)
        << std::hex << GetParam().nCodePoint;
}

constexpr int O = CHARCLASS_OTHER;
constexpr int W = CHARCLASS_DOUBLE_WIDTH;
constexpr int E = CHARCLASS_EXTENDED;

// Both ends of every range and the code points just outside them.
INSTANTIATE_TEST_SUITE_P(
    RangeEdges, CharClassTest,
    testing::Values(CharCase{0x3104, O}, CharCase{0x3105, W}, CharCase{0x3129, W},
                    CharCase{0x312A, O}, CharCase{0x32A2, O}, CharCase{0x32A3, W},
                    CharCase{0x32A4, O}, CharCase{0x4DFF, O}, CharCase{0x4E00, W},
                    CharCase{0x9FA5, W}, CharCase{0x9FA6, O}, CharCase{0x009F, O},
                    CharCase{0x00A0, E}, CharCase{0x017F, E}, CharCase{0x0180, O},
                    CharCase{0x019F, O}, CharCase{0x01A0, E}, CharCase{0x01CF, E},
                    CharCase{0x01D0, O}, CharCase{0x01EF, O}, CharCase{0x01F0, E},
                    CharCase{0x01FF, E}, CharCase{0x0200, O}, CharCase{0x020F, O},
                    CharCase{0x0210, E}, CharCase{0x021F, E}, CharCase{0x0220, O},
                    CharCase{0x036F, O}, CharCase{0x0370, E}, CharCase{0x03CF, E},
                    CharCase{0x03D0, O}, CharCase{0x03FF, O}, CharCase{0x0400, E},
                    CharCase{0x045F, E}, CharCase{0x0460, O}, CharCase{0x048F, O},
                    CharCase{0x0490, E}, CharCase{0x04FF, E}, CharCase{0x0500, O},
                    CharCase{0x058F, O}, CharCase{0x0590, E}, CharCase{0x05FF, E},
                    CharCase{0x0600, O}, CharCase{0x0DFF, O}, CharCase{0x0E00, E},
                    CharCase{0x0E5F, E}, CharCase{0x0E60, O}, CharCase{0x1E9F, O},
                    CharCase{0x1EA0, E}, CharCase{0x1EFF, E}, CharCase{0x1F00, O}));

// Typical characters: Chinese, accented Latin, Cyrillic, Hebrew, ASCII, the ideographic space,
// a full-width Latin letter and one beyond the basic plane.
INSTANTIATE_TEST_SUITE_P(
    Characters, CharClassTest,
    testing::Values(CharCase{0x4E2D, W}, CharCase{0x00E9, E}, CharCase{0x0416, E},
                    CharCase{0x05D0, E}, CharCase{0x0041, O}, CharCase{0x0000, O},
                    CharCase{0x3000, O}, CharCase{0xFF21, O}, CharCase{0x20000, O}));

} // namespace
