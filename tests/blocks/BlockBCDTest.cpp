// The code converters BCD and BIN: the conversion rules at the edges of their ranges and the
// texts of their value boxes.
#include "WordBlockRig.h"

#include "blocks/BlockBCD.h"

#include <gtest/gtest.h>

namespace {

struct ConvertCase {
    int nType;
    int nInput;  // the input word as the analog input holds it
    int nExpected;
    const char16_t* pszShown;
};

TEST(BlockBCD, ConversionsAndShownValues)
{
    const ConvertCase cases[] = {
        {BT_BCD, 1234, 0x1234, u"0x1234"}, {BT_BCD, 12345, 0x2345, u"0x2345"},
        {BT_BCD, -7, 0, u"0x0000"},        {BT_BCD, 9999, 0x9999, u"0x9999"},
        {BT_BIN, 0x1234, 1234, u"1234"},   {BT_BIN, 0x9999, 9999, u"9999"},
        {BT_BIN, 0x12A4, 0, u"0   "},      {BT_BIN, 0xA000, 9999, u"9999"},
        {BT_BIN, 0x0007, 7, u"7   "},
    };
    for (const ConvertCase& c : cases) {
        WordRig rig(c.nType);
        rig.SetInput(0, c.nInput);
        EXPECT_EQ(rig.Step(), c.nExpected) << c.nType << " of " << c.nInput;
        EXPECT_EQ(static_cast<CBlockWordValue*>(rig.Block())->FormatValue(), CString(c.pszShown));
    }
}

// The first scan of every run computes, even when the input is what it was in the last run.
TEST(BlockBCD, EveryRunStartsWithAComputedValue)
{
    WordRig rig(BT_BCD);
    rig.SetInput(0, 42);
    EXPECT_EQ(rig.Step(), 0x42);
    EXPECT_EQ(rig.Step(), 0x42);
}

}  // namespace
