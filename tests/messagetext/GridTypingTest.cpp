// Typing into LCD cells: which characters a cell takes in which host, and how a double-width
// character takes and keeps its two cells.
#include "GridTestSupport.h"

#include "blocks/Widget.h"

namespace {

using GridTyping = LcdGridTest;

TEST_F(GridTyping, LatinLetterWritesTheCellAndMovesOn)
{
    EXPECT_EQ(TypeAt(1, 3, 'A'), "A");
    EXPECT_EQ(FocusCell(), CCellID(1, 4));
}

TEST_F(GridTyping, ChineseCharacterTakesTwoCells)
{
    PutChinese(2, 5);
    EXPECT_EQ(Text(2, 5), "#");
    EXPECT_EQ(WideBits(2, 5), CELLSTATE_WIDE_FIRST);
    EXPECT_EQ(WideBits(2, 6), CELLSTATE_WIDE_SECOND);
    EXPECT_EQ(FocusCell(), CCellID(2, 7));
}

TEST_F(GridTyping, InputMethodCharactersTypeLikeKeys)
{
    Focus(1, 1);
    TypeIme(kChinese);
    EXPECT_EQ(WideBits(1, 1), CELLSTATE_WIDE_FIRST);
    EXPECT_EQ(FocusCell(), CCellID(1, 3));
}

TEST_F(GridTyping, LatinLetterOnLeftHalfKeepsThePairAndMovesPastIt)
{
    PutChinese(1, 3);
    EXPECT_EQ(TypeAt(1, 3, 'x'), "#");
    EXPECT_EQ(WideBits(1, 3), CELLSTATE_WIDE_FIRST);
    EXPECT_EQ(FocusCell(), CCellID(1, 5));
}

TEST_F(GridTyping, BackspaceKeepsLeftHalfAndEmptiesSingleCellsWithoutMoving)
{
    PutChinese(1, 3);
    EXPECT_EQ(TypeAt(1, 3, VK_BACK), "#");
    EXPECT_EQ(FocusCell(), CCellID(1, 3));

    TypeAt(1, 8, 'q');
    EXPECT_EQ(TypeAt(1, 8, VK_BACK), "");
    EXPECT_EQ(FocusCell(), CCellID(1, 8));
}

TEST_F(GridTyping, ChineseInLastColumnIsRefused)
{
    TypeAt(1, 24, 'z');
    EXPECT_EQ(TypeAt(1, 24, kChinese), "z");
    EXPECT_EQ(WideBits(1, 24), 0u);
    // The refused character ended the edit: the cell takes the next one.
    Type('y');
    EXPECT_EQ(Text(1, 24), "y");
}

TEST_F(GridTyping, ChineseInColumn23OverTwoSinglesTakes23And24)
{
    TypeAt(1, 23, 'a');
    Type('b');
    EXPECT_EQ(TypeAt(1, 23, kChinese), "#");
    EXPECT_EQ(Text(1, 24), "");
    EXPECT_EQ(WideBits(1, 24), CELLSTATE_WIDE_SECOND);
}

TEST_F(GridTyping, ChineseBeforeAnotherPairIsRefused)
{
    PutChinese(1, 6);
    EXPECT_EQ(TypeAt(1, 5, kChinese2), "");
    EXPECT_EQ(WideBits(1, 5), 0u);
    EXPECT_EQ(WideBits(1, 6), CELLSTATE_WIDE_FIRST);
}

TEST_F(GridTyping, ChineseOverARightHalfReplacesTheWholeOldPair)
{
    PutChinese(1, 6);
    TypeAt(1, 7, kChinese2);
    EXPECT_EQ(Text(1, 6), "");
    EXPECT_EQ(WideBits(1, 6), 0u);
    EXPECT_EQ(WideBits(1, 7), CELLSTATE_WIDE_FIRST);
    EXPECT_EQ(BrokenPair(Grid()), "");
}

TEST_F(GridTyping, LatinOverARightHalfRemovesThePair)
{
    PutChinese(1, 6);
    TypeAt(1, 7, 'k');
    EXPECT_EQ(Text(1, 6), "");
    EXPECT_EQ(Text(1, 7), "k");
    EXPECT_EQ(BrokenPair(Grid()), "");
}

TEST_F(GridTyping, ChineseRefusedOnOlderModelOtherLanguagesAndNameDialog)
{
    m_doc.m_wHardwareCode = 0x4188;
    PutChinese(1, 1);
    EXPECT_EQ(Text(1, 1), "");

    m_doc.m_wHardwareCode = 0x5188;
    m_doc.m_nCharSet1 = 2;
    PutChinese(1, 1);
    EXPECT_EQ(Text(1, 1), "");

    m_doc.m_nCharSet1 = 0;
    m_host.m_kind = LcdGridHostKind::IoStatusName;
    PutChinese(1, 1);
    EXPECT_EQ(Text(1, 1), "");

    m_host.m_kind = LcdGridHostKind::MessageTextsNew;
    PutChinese(1, 1);
    EXPECT_EQ(Text(1, 1), "#");
}

TEST_F(GridTyping, ShownSecondSetDecidesTheClass)
{
    m_doc.m_nCharSet1 = 0;
    m_doc.m_nCharSet2 = 2;
    m_host.m_nShownSet = 1;
    PutChinese(1, 1);
    EXPECT_EQ(Text(1, 1), "");
    EXPECT_EQ(TypeAt(1, 1, kAccented), "#");
    EXPECT_EQ(WideBits(1, 1), 0u);
    EXPECT_EQ(FocusCell(), CCellID(1, 2));
}

TEST_F(GridTyping, AccentedOnlyOnNewerModelWithOtherLanguages)
{
    EXPECT_EQ(TypeAt(1, 1, kAccented), "");
    m_doc.m_nCharSet1 = 2;
    m_doc.m_wHardwareCode = 0x4188;
    EXPECT_EQ(TypeAt(1, 1, kAccented), "");
    m_doc.m_wHardwareCode = 0x5188;
    EXPECT_EQ(TypeAt(1, 1, kAccented), "#");
}

TEST_F(GridTyping, CellUnderAnElementTakesNothing)
{
    auto* pWidget = new CWidget;
    pWidget->m_nLine = 2;
    pWidget->m_nColumn = 4;
    pWidget->m_nWidth = 3;
    pWidget->m_nKind = 0;
    Grid().m_arrWidgets[1].Add(pWidget);
    EXPECT_EQ(TypeAt(2, 5, 'a'), "");
    // A double-width character would take the covered cell as its right half.
    PutChinese(2, 3);
    EXPECT_EQ(Text(2, 3), "");
    EXPECT_EQ(TypeAt(2, 3, 'b'), "b");
    // The element's last cell takes no character either; beside it, one that takes one cell
    // goes in, as a paste places it.
    PutChinese(2, 6);
    EXPECT_EQ(Text(2, 6), "");
    EXPECT_EQ(WideBits(2, 7), 0u);
    m_doc.m_nCharSet1 = 2;
    for (const int nCol : {6, 3})
        TypeAt(2, nCol, kAccented);
    EXPECT_EQ(Text(2, 6), "");
    EXPECT_EQ(Text(2, 3), "#");
    TypeAt(2, 3, 'b');
    const TCHAR accented[] = {kAccented, 0};
    EXPECT_TRUE(Grid().PasteText(CCellID(2, 3), accented, TRUE));
    EXPECT_EQ(Text(2, 3), "#");
}

TEST_F(GridTyping, EndOfEditNotifiesOnlyOnChangeAndTakesRefusalBack)
{
    TypeAt(1, 2, 'a');
    m_host.m_codes.clear();
    EXPECT_TRUE(Grid().OnEndEditCell(1, 2, _T("a")));
    EXPECT_EQ(std::count(m_host.m_codes.begin(), m_host.m_codes.end(), GVN_ENDLABELEDIT), 0);

    m_host.m_nEndEditReply = -1;
    EXPECT_FALSE(Grid().OnEndEditCell(1, 2, _T("b")));
    EXPECT_EQ(Text(1, 2), "a");
    EXPECT_EQ(std::count(m_host.m_codes.begin(), m_host.m_codes.end(), GVN_ENDLABELEDIT), 1);
}

TEST_F(GridTyping, RefusedChineseLeavesNoHalfPair)
{
    m_host.m_nEndEditReply = -1;
    PutChinese(1, 4);
    EXPECT_EQ(WideBits(1, 4), 0u);
    EXPECT_EQ(BrokenPair(Grid()), "");
}

}  // namespace
