// Pasting text into the LCD grid, and the pair rule kept by every editing operation over long
// random sequences.
#include "GridTestSupport.h"

#include <random>

namespace {

using GridPaste = LcdGridTest;

TEST_F(GridPaste, TwoLettersGoCharacterByCharacter)
{
    EXPECT_TRUE(Grid().PasteText(CCellID(1, 3), _T("ab"), TRUE));
    EXPECT_EQ(Text(1, 3) + Text(1, 4), "ab");
    EXPECT_EQ(Grid().GetSelectedCellRange(), CCellRange(1, 3, 1, 4));
}

TEST_F(GridPaste, TabsSplitFieldsAndBlankFieldsLeaveEmptyCells)
{
    TypeAt(1, 2, 'x');
    EXPECT_TRUE(Grid().PasteText(CCellID(1, 1), _T("a\t \tc\r\nd"), TRUE));
    EXPECT_EQ(Text(1, 1) + "|" + Text(1, 2) + "|" + Text(1, 3) + "|" + Text(2, 1), "a||c|d");
}

TEST_F(GridPaste, ChineseTakesTwoCellsAndAdvancesTwo)
{
    const TCHAR text[] = {kChinese, 'a', 0};
    EXPECT_TRUE(Grid().PasteText(CCellID(1, 5), text, TRUE));
    EXPECT_EQ(WideBits(1, 5), CELLSTATE_WIDE_FIRST);
    EXPECT_EQ(WideBits(1, 6), CELLSTATE_WIDE_SECOND);
    EXPECT_EQ(Text(1, 7), "a");
}

// As when it is typed, a Chinese character needs both of its cells.
TEST_F(GridPaste, ChineseInLastColumnIsRefusedAndPastTheGridDropped)
{
    const TCHAR text[] = {kChinese, kChinese2, 0};
    EXPECT_TRUE(Grid().PasteText(CCellID(1, 23), text, TRUE));
    EXPECT_EQ(WideBits(1, 23), CELLSTATE_WIDE_FIRST);
    EXPECT_EQ(Text(1, 24), "");
    EXPECT_FALSE(Grid().PasteText(CCellID(2, 24), text, TRUE));
    EXPECT_EQ(Text(2, 24), "");
    EXPECT_EQ(WideBits(2, 24), 0u);
    const TCHAR field[] = {kChinese, '\t', 0};
    EXPECT_FALSE(Grid().PasteText(CCellID(3, 24), field, TRUE));
    EXPECT_EQ(Text(3, 24), "");
}

TEST_F(GridPaste, OlderModelStopsAtTheFirstWideCharacterButTakesSpecials)
{
    m_doc.m_wHardwareCode = 0x4188;
    const TCHAR specials[] = {0x00B0, 0x20AC, 0x2103, 0x25A0, 0x2551, 0};
    EXPECT_TRUE(Grid().PasteText(CCellID(1, 1), specials, TRUE));
    EXPECT_EQ(Text(1, 1) + Text(1, 2) + Text(1, 3) + Text(1, 4) + Text(1, 5), "#####");
    const TCHAR text[] = {'a', kChinese, 'b', 0};
    EXPECT_FALSE(Grid().PasteText(CCellID(2, 1), text, TRUE));
    EXPECT_EQ(Text(2, 1) + "|" + Text(2, 2) + "|" + Text(2, 3), "a||");
}

TEST_F(GridPaste, NarrowCharacterOnALeftHalfStopsThePaste)
{
    PutChinese(1, 4);
    EXPECT_FALSE(Grid().PasteText(CCellID(1, 3), _T("xyz"), TRUE));
    EXPECT_EQ(Text(1, 3), "x");
    EXPECT_EQ(WideBits(1, 4), CELLSTATE_WIDE_FIRST);
}

TEST_F(GridPaste, CopiedPairPastesBackAsAPair)
{
    PutChinese(1, 4);
    Press(1, 4);
    const CString strCopied = Grid().GetSelectionText();
    EXPECT_TRUE(Grid().PasteText(CCellID(3, 10), strCopied, TRUE));
    EXPECT_EQ(WideBits(3, 10), CELLSTATE_WIDE_FIRST);
    EXPECT_EQ(WideBits(3, 11), CELLSTATE_WIDE_SECOND);
    EXPECT_EQ(BrokenPair(Grid()), "");
}

// Random typing (Latin, accented, Chinese), Delete, Backspace, paste and selections, with the
// pair rule checked after every step, in both kinds of character set.
class GridPairProperty : public LcdGridTest, public testing::WithParamInterface<int> {};

TEST_P(GridPairProperty, NoOperationBreaksAPair)
{
    m_doc.m_nCharSet1 = GetParam();
    std::mt19937 random(20261207u + unsigned(GetParam()));
    auto pick = [&](int nLow, int nHigh) { return std::uniform_int_distribution<int>(nLow, nHigh)(random); };
    const WCHAR typed[] = {'a', 'Z', '5', ' ', kAccented, 0x00FC, kChinese, kChinese2, VK_BACK};
    const WCHAR pasted[] = {'q', kChinese, kAccented, '\t', '\n', 0x00B0, kChinese2};
    int nStepsWithPairs = 0;
    for (int nStep = 0; nStep < 3000; ++nStep) {
        const int nOp = pick(0, 9);
        std::string what;
        if (nOp <= 3) {
            const WCHAR ch = typed[pick(0, int(std::size(typed)) - 1)];
            (pick(0, 1) ? Type(ch) : TypeIme(ch));
            what = "type " + std::to_string(int(ch));
        } else if (nOp == 4) {
            Key(VK_DELETE);
            what = "delete";
        } else if (nOp == 5) {
            Key(pick(0, 1) ? VK_BACK : VK_LEFT);
            what = "backspace or left";
        } else if (nOp == 6) {
            const int nKeys[] = {VK_RIGHT, VK_LEFT, VK_UP, VK_DOWN, VK_END, VK_HOME};
            Key(nKeys[pick(0, 5)], pick(0, 1) != 0);
            what = "key";
        } else if (nOp == 7) {
            Press(pick(1, 4), pick(1, kLcdColumns), pick(0, 2) == 0 ? MK_SHIFT : 0);
            what = "press";
        } else if (nOp == 8) {
            CString str;
            for (int n = pick(1, 6); n > 0; --n)
                str += pasted[pick(0, int(std::size(pasted)) - 1)];
            const CCellID at(pick(1, 4), pick(1, kLcdColumns));
            Grid().PasteText(at, str, pick(0, 1));
            what = "paste";
        } else {
            Grid().CutSelectedText();
            what = "cut";
        }
        ASSERT_EQ(BrokenPair(Grid()), "") << "step " << nStep << ": " << what;
        bool bAnyPair = false;
        for (int r = 1; r <= LCD_LINE_COUNT; ++r)
            for (int c = 1; c <= kLcdColumns; ++c)
                bAnyPair = bAnyPair || WidePairs::IsFirst(Grid(), r, c);
        nStepsWithPairs += bAnyPair ? 1 : 0;
    }
    // The Chinese sets must really have had pairs to keep.
    if (GetParam() != 2)
        EXPECT_GT(nStepsWithPairs, 1000);
    else
        EXPECT_EQ(nStepsWithPairs, 0);
}

INSTANTIATE_TEST_SUITE_P(ChineseAndOtherLanguages, GridPairProperty, testing::Values(0, 1, 2));

}  // namespace
