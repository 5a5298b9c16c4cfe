// Cursor keys, mouse presses and selections around double-width characters, the wheel, and
// the geometry and row order of the grid.
#include "GridTestSupport.h"

#include "platform/ui/Cursor.h"
#include "platform/ui/MessageQueue.h"

namespace {

using GridNavigation = LcdGridTest;

TEST_F(GridNavigation, RightArrowOnLeftHalfJumpsPastThePair)
{
    PutChinese(1, 3);
    Focus(1, 3);
    Key(VK_RIGHT);
    EXPECT_EQ(FocusCell(), CCellID(1, 5));
}

TEST_F(GridNavigation, LeftArrowAfterAPairLandsOnItsLeftHalf)
{
    PutChinese(1, 3);
    Focus(1, 5);
    Key(VK_LEFT);
    EXPECT_EQ(FocusCell(), CCellID(1, 3));
    // Landing on a pair selects both of its halves.
    EXPECT_EQ(Grid().GetSelectedCellRange(), CCellRange(1, 3, 1, 4));
}

TEST_F(GridNavigation, EndAndHomeAroundPairs)
{
    PutChinese(2, 23);
    Focus(2, 5);
    Key(VK_END);
    EXPECT_EQ(FocusCell(), CCellID(2, 23));
    Key(VK_HOME);
    EXPECT_EQ(FocusCell(), CCellID(2, 1));
    Focus(3, 5);
    Key(VK_END);
    EXPECT_EQ(FocusCell(), CCellID(3, 24));
}

TEST_F(GridNavigation, UpAndDownStayInTheTextRows)
{
    Focus(1, 4);
    Key(VK_UP);
    EXPECT_EQ(FocusCell(), CCellID(1, 4));
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN);
    Key(VK_DOWN);
    EXPECT_EQ(FocusCell(), CCellID(4, 4));
}

TEST_F(GridNavigation, ShiftArrowExtendsWithoutSplittingAPair)
{
    PutChinese(1, 5);
    Focus(1, 3);
    Key(VK_LEFT);
    Key(VK_RIGHT);
    EXPECT_EQ(FocusCell(), CCellID(1, 3));
    Key(VK_RIGHT, true);
    Key(VK_RIGHT, true);
    EXPECT_EQ(FocusCell(), CCellID(1, 5));
    EXPECT_EQ(Grid().GetSelectedCellRange(), CCellRange(1, 3, 1, 6));
}

TEST_F(GridNavigation, APressOnEitherHalfFocusesTheLeftHalfAndSelectsBoth)
{
    PutChinese(2, 7);
    for (int nColumn : {8, 7}) {
        Press(2, nColumn);
        EXPECT_EQ(FocusCell(), CCellID(2, 7)) << nColumn;
        EXPECT_EQ(Grid().GetSelectedCellRange(), CCellRange(2, 7, 2, 8)) << nColumn;
    }
}

TEST_F(GridNavigation, ShiftPressOnLeftHalfExtendsOverBothHalves)
{
    PutChinese(1, 7);
    Press(1, 3);
    Press(1, 7, MK_SHIFT);
    EXPECT_EQ(Grid().GetSelectedCellRange(), CCellRange(1, 3, 1, 8));
}

TEST_F(GridNavigation, DraggingOverAPairSelectsBothHalves)
{
    PutChinese(1, 7);
    Grid().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(CellPoint(1, 4)));
    Grid().SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MakePointLParam(CellPoint(1, 7)));
    Grid().SendMessage(WM_LBUTTONUP, 0, MakePointLParam(CellPoint(1, 7)));
    EXPECT_EQ(Grid().GetSelectedCellRange(), CCellRange(1, 4, 1, 8));
}

TEST_F(GridNavigation, WideningFromLeftHalfOntoItsOwnColumnEndsOneRight)
{
    PutChinese(1, 7);
    Focus(1, 6);
    Key(VK_RIGHT);
    ASSERT_EQ(Grid().GetSelectionStart(), CCellID(1, 7));
    CCellID end(3, 7);
    Grid().ExtendSelectionOverWideChars(end);
    EXPECT_EQ(end, CCellID(3, 8));
}

TEST_F(GridNavigation, WideningLeftwardsOntoARightHalfEndsOneFurtherLeft)
{
    PutChinese(2, 4);
    Press(1, 10);
    CCellID end(2, 5);
    Grid().ExtendSelectionOverWideChars(end);
    EXPECT_EQ(end, CCellID(2, 4));
}

TEST_F(GridNavigation, WheelNotchPostsThreeLines)
{
    CMessageQueue::Get().Reset();
    Grid().SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, WORD(-120)), 0);
    int nLines = 0;
    MSG msg;
    while (CMessageQueue::Get().Take(msg)) {
        if (msg.message == WM_VSCROLL && LOWORD(msg.wParam) == SB_LINEDOWN)
            ++nLines;
    }
    EXPECT_EQ(nLines, 3);
}

TEST_F(GridNavigation, SizesOutsideTheGridAreMinusOne)
{
    EXPECT_EQ(Grid().GetRowHeight(-1), -1);
    EXPECT_EQ(Grid().GetRowHeight(Grid().GetRowCount()), -1);
    EXPECT_EQ(Grid().GetColumnWidth(-1), -1);
    EXPECT_EQ(Grid().GetItemText(-1, 3), CString());
}

TEST_F(GridNavigation, HeaderPressesSelectColumnsAndRows)
{
    Grid().SetRowHeight(0, kCellHeight);
    Grid().SetColumnWidth(0, kCellWidth);
    // With the header shown, row 0 and column 0 take the first pixels.
    PressAt(CPoint(3 * kCellWidth + 5, 5));
    EXPECT_EQ(Grid().GetSelectedCellRange(), CCellRange(1, 3, 4, 3));
    PressAt(CPoint(5, 2 * kCellHeight + 5));
    EXPECT_EQ(Grid().GetSelectedCellRange(), CCellRange(2, 1, 2, kLcdColumns));
}

TEST_F(GridNavigation, HeaderPressSortsWhenAsked)
{
    CLcdCanvas& grid = Grid();
    grid.SetRowHeight(0, kCellHeight);
    grid.SetHeaderSort(TRUE);
    grid.SetItemText(1, 2, _T("c"));
    grid.SetItemText(2, 2, _T("a"));
    grid.SetItemText(3, 2, _T("d"));
    grid.SetItemText(4, 2, _T("b"));
    const CPoint header((2 - 1) * kCellWidth + 5, 5);
    PressAt(header);
    EXPECT_EQ(Text(1, 2) + Text(2, 2) + Text(3, 2) + Text(4, 2), "abcd");
    PressAt(header);
    EXPECT_EQ(Text(1, 2) + Text(2, 2) + Text(3, 2) + Text(4, 2), "dcba");
}

TEST_F(GridNavigation, DeleteClearsSelectedCellsAndPairsAsAWhole)
{
    PutChinese(1, 4);
    TypeAt(1, 2, 'a');
    Press(1, 2);
    Press(1, 4, MK_SHIFT);
    Key(VK_DELETE);
    EXPECT_EQ(Text(1, 2), "");
    EXPECT_EQ(Text(1, 4), "");
    EXPECT_EQ(WideBits(1, 4), 0u);
    EXPECT_EQ(WideBits(1, 5), 0u);
}

TEST_F(GridNavigation, HiddenHeaderOfTheLcdHasNoDividers)
{
    Grid().SendMessage(WM_MOUSEMOVE, 0, MakePointLParam(CPoint(kCellWidth - 1, 1)));
    EXPECT_EQ(Grid().GetMouseMode(), CLcdCanvas::MOUSE_NOTHING);
    EXPECT_EQ(TypeAt(1, 1, 'a'), "a");
}

TEST_F(GridNavigation, CanvasTakingOverADialogControlGetsTheLcdFont)
{
    CWnd placeholder;
    ASSERT_TRUE(placeholder.CreateEx(0, _T("Static"), _T(""), WS_CHILD | WS_VISIBLE, CRect(10, 10, 200, 100),
                                     &m_host, 1123));
    CLcdCanvas grid(5, 13, 1, 1);
    ASSERT_TRUE(grid.SubclassDlgItem(1123, &m_host));
    EXPECT_EQ(grid.GetDefaultCell(FALSE, FALSE)->GetFont()->lfHeight, 24);
    EXPECT_EQ(grid.GetDefaultCell(TRUE, TRUE)->GetFont()->lfWidth, 8);
}

}  // namespace
