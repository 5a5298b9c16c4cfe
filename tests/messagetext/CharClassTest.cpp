#include "messagetext/CharClass.h"

#include <gtest/gtest.h>

namespace {

constexpr int O = CHARCLASS_OTHER;
constexpr int W = CHARCLASS_DOUBLE_WIDTH;
constexpr int E = CHARCLASS_EXTENDED;

// Typical characters (Chinese, accented Latin, Cyrillic, Hebrew, ASCII, the ideographic space,
// a full-width Latin letter, one beyond the basic plane), and both ends of the ideographs'
// range with the code points just outside them: the ends belong to their range.
TEST(CharClass, ClassOfCodePoint)
{
    const struct {
        UINT nCodePoint;
        int nClass;
    } cases[] = {
        {0x4E2D, W}, {0x00E9, E}, {0x0416, E}, {0x05D0, E}, {0x0041, O}, {0x0000, O},
        {0x3000, O}, {0xFF21, O}, {0x20000, O}, {0x4DFF, O}, {0x4E00, W}, {0x9FA5, W},
        {0x9FA6, O},
    };
    for (const auto& c : cases)
        EXPECT_EQ(GetCharClass(c.nCodePoint), c.nClass) << std::hex << c.nCodePoint;
}

} // namespace
