#include "messagetext/CharClass.h"

namespace {

struct CharRange {
    UINT nFirst;
    UINT nLast;
    int nClass;
};

// Tested in this order; the first range holding the character decides.
constexpr CharRange kRanges[] = {
    {0x3105, 0x3129, CHARCLASS_DOUBLE_WIDTH},  // Bopomofo letters
    {0x32A3, 0x32A3, CHARCLASS_DOUBLE_WIDTH},  // circled ideograph "correct"
    {0x4E00, 0x9FA5, CHARCLASS_DOUBLE_WIDTH},  // CJK unified ideographs
    {0x00A0, 0x017F, CHARCLASS_EXTENDED},      // Latin-1 supplement, Latin extended-A
    {0x01A0, 0x01CF, CHARCLASS_EXTENDED},
    {0x01F0, 0x01FF, CHARCLASS_EXTENDED},
    {0x0210, 0x021F, CHARCLASS_EXTENDED},
    {0x0370, 0x03CF, CHARCLASS_EXTENDED},      // Greek
    {0x0400, 0x045F, CHARCLASS_EXTENDED},      // Cyrillic
    {0x0490, 0x04FF, CHARCLASS_EXTENDED},
    {0x0590, 0x05FF, CHARCLASS_EXTENDED},      // Hebrew
    {0x0E00, 0x0E5F, CHARCLASS_EXTENDED},      // Thai
    {0x1EA0, 0x1EFF, CHARCLASS_EXTENDED},      // Vietnamese
};

} // namespace

int GetCharClass(UINT nCodePoint)
{
    for (const CharRange& range : kRanges) {
        if (nCodePoint >= range.nFirst && nCodePoint <= range.nLast)
            return range.nClass;
    }
    return CHARCLASS_OTHER;
}
