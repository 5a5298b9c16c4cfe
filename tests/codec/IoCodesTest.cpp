// Reference words, source codes and their decoding, and the LCD character map.
#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "codec/IoCodes.h"
#include "codec/LcdCharMap.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

WORD Ref(int nType, int nNumber, BOOL bNegated = FALSE)
{
    WORD w = 0xEEEE;
    EXPECT_TRUE(ImageReference(nType, nNumber, bNegated, &w)) << nType << " " << nNumber;
    return w;
}

TEST(ImageReference, NamesTheClassAndTheOffset)
{
    EXPECT_EQ(Ref(BT_OUT, 600), 0x5000);         // Q1: bytes 00 50
    EXPECT_EQ(Ref(BT_FLAG, 1316 + 299), 0x612B); // M300: bytes 2B 61
    EXPECT_EQ(Ref(BT_IN, 100), 0x0000);
    EXPECT_EQ(Ref(BT_IN, 100, TRUE), 0x0400);
    EXPECT_EQ(Ref(BT_LOW, 1870), 0x3000);
    EXPECT_EQ(Ref(BT_HIGH, 2900), 0x4000);
    EXPECT_EQ(Ref(BT_ANALOG_IN, 4001), 0x8001);
    EXPECT_EQ(Ref(BT_ANALOG_FLAG, 4288 + 511), 0xA1FF);
    EXPECT_EQ(Ref(BT_FKEY, 1304), 0xB004);
    EXPECT_EQ(Ref(BT_AND, 9000 + 1023), 0x73FF);
    EXPECT_EQ(Ref(BT_COUNTER, 9005, TRUE), 0x7405);
}

TEST(ImageReference, RefusesWhatTheWordCannotHold)
{
    WORD w = 0x1234;
    // The 1025th function block would set the negation bit.
    EXPECT_FALSE(ImageReference(BT_AND, 9000 + 1024, FALSE, &w));
    EXPECT_FALSE(ImageReference(BT_OUT, 600 + 128, FALSE, &w));
    EXPECT_FALSE(ImageReference(BT_IN, 99, FALSE, &w));
    // An open connector, a connector and a ladder contact are never sources in the image.
    EXPECT_FALSE(ImageReference(BT_OPENX, 4800, FALSE, &w));
    EXPECT_FALSE(ImageReference(BT_FEMALE, 7000, FALSE, &w));
    EXPECT_FALSE(ImageReference(BT_MAKE, 12000, FALSE, &w));
    EXPECT_EQ(w, 0x1234);
}

TEST(IoSourceCode, IndexMapsGiveTheImageBytes)
{
    EXPECT_EQ(IoSourceCode(BT_OUT, 0), 0x0050);
    EXPECT_EQ(IoSourceCode(BT_FLAG, 299), 0x2B61);
    EXPECT_EQ(IoSourceCode(BT_ANALOG_FLAG, 300), 0x2CA1);
    EXPECT_EQ(IoSourceCode(BT_OPENX, 0), 0xFFFF);
    EXPECT_EQ(IoSourceCode(BT_ANALOG_IN, 64), 0xFFFF);
}

class DecodeIoCodeTest : public testing::Test {
protected:
    int Decode(BYTE b0, BYTE b1)
    {
        m_pBlock->m_nPinSource[0] = -7;
        return DecodeIoCode(WORD(b0 << 8 | b1), m_pBlock.get(), 0);
    }
    int Pin() const { return m_pBlock->m_nPinSource[0]; }

    std::unique_ptr<CBlockObj> m_pBlock{CreateBlockForType(BT_AND, nullptr, nullptr)};
};

TEST_F(DecodeIoCodeTest, GivesTheBlockNumberAndType)
{
    EXPECT_EQ(Decode(0x05, 0x20), BT_SHIFT);
    EXPECT_EQ(Pin(), 1005);
    // The index keeps the two high bits of b1 even in a small class.
    EXPECT_EQ(Decode(0x05, 0x21), BT_SHIFT);
    EXPECT_EQ(Pin(), 1261);
    EXPECT_EQ(Decode(0x00, 0x30), BT_LOW);
    EXPECT_EQ(Pin(), 1870);
    EXPECT_EQ(Decode(0x2B, 0x61), BT_FLAG);
    EXPECT_EQ(Pin(), 1615);
    EXPECT_EQ(Decode(0x29, 0x62), BT_FLAG);  // M index 553, the last flag number
    EXPECT_EQ(Pin(), 1869);
}

TEST_F(DecodeIoCodeTest, RefusesWhatNoClassHolds)
{
    EXPECT_EQ(Decode(0x05, 0x70), -1);  // function blocks are not I/O
    EXPECT_EQ(Decode(0x00, 0xC0), -1);
    EXPECT_EQ(Decode(0x00, 0xF4), -1);
    // Flag index 554 would be the low constant's number.
    EXPECT_EQ(Decode(0x2A, 0x62), -1);
    // The low constant has one number only.
    EXPECT_EQ(Decode(0x01, 0x30), -1);
    EXPECT_EQ(Pin(), -7);
}

TEST(LcdCharMap, MapsTheControllersCodes)
{
    EXPECT_EQ(UnicodeToLcd(u'A'), 65);
    EXPECT_EQ(UnicodeToLcd(u'1'), 49);
    EXPECT_EQ(UnicodeToLcd(u' '), 91);
    EXPECT_EQ(UnicodeToLcd(u'~'), 143);
    EXPECT_EQ(UnicodeToLcd(u'\u00E9'), 0);
    EXPECT_EQ(LcdToUnicode(91), u' ');
    EXPECT_EQ(LcdToUnicode(200), 0);
    EXPECT_EQ(LcdToUnicode(0), 0);
}

TEST(LcdCharMap, HasNinetyFiveCharactersBothWays)
{
    int nMapped = 0;
    for (int ch = 1; ch < 0x3000; ++ch) {
        const BYTE byCode = UnicodeToLcd(TCHAR(ch));
        if (byCode == 0)
            continue;
        ++nMapped;
        EXPECT_EQ(LcdToUnicode(byCode), TCHAR(ch)) << ch;
    }
    EXPECT_EQ(nMapped, 95);
}

} // namespace
