// Where elements may lie on the LCD grid, the elements' clicks and the clipboard's refusals.
#include "GridTestSupport.h"

#include "blocks/Widget.h"
#include "messagetext/WidgetPlacement.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/DragDrop.h"
#include "platform/ui/FrameIds.h"
#include "platform/ui/KeyState.h"

namespace {

class WidgetPlacement : public LcdGridTest {
protected:
    // An element of the kind placed on the grid as the page places one.
    CWidget* Add(int nKind, int nLine, int nColumn, int nWidth)
    {
        auto* pWidget = new CWidget(0, 0, 0, 0, WidgetKindColor(nKind));
        pWidget->m_nKind = nKind;
        pWidget->m_nLine = nLine;
        pWidget->m_nColumn = nColumn;
        pWidget->m_nWidth = nWidth;
        PlaceWidget(Grid(), pWidget);
        return pWidget;
    }
    bool Fits(int nLine, int nColumn, int nLines, int nWidth)
    {
        return CanPlaceWidget(Grid(), WidgetSpan{nLine, nColumn, nLines, nWidth});
    }
    CMessageBoxRecorder m_boxes;
};

TEST_F(WidgetPlacement, BoundsOverlapAndPairHalves)
{
    Add(0, 2, 4, 7);   // columns 4-10 of line 2
    PutChinese(3, 12);  // 12-13 of line 3
    struct Case {
        int nLine, nColumn, nLines, nWidth;
        bool bFits;
    };
    const Case cases[] = {
        {1, 18, 1, 7, true},    // ends at 24
        {1, 19, 1, 7, false},   // would pass 24
        {2, 11, 1, 3, true},    // touches the element's end
        {2, 1, 1, 3, true},     // touches its start
        {2, 10, 1, 3, false},   // one cell of overlap
        {2, 1, 1, 4, false},
        {3, 9, 1, 4, false},    // ends on a left half
        {3, 13, 1, 3, false},   // starts on a right half
        {3, 9, 1, 5, true},     // covers the whole pair
        {2, 13, 3, 12, false},  // a scope from line 2 over the pair's line
        {1, 13, 3, 12, false},
        {3, 14, 3, 12, false},  // a scope on line 3 passes line 4
        {2, 14, 3, 11, true},
        {2, 13, 4, 12, false},  // a graph only from line 1
        {0, 5, 1, 3, false},    // the hidden header
        {1, 0, 1, 3, false},
        {4, 24, 1, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nLine << "," << c.nColumn << " x" << c.nLines << " w" << c.nWidth);
        EXPECT_EQ(Fits(c.nLine, c.nColumn, c.nLines, c.nWidth), c.bFits);
    }
}

TEST_F(WidgetPlacement, APlacedElementIsSelectedAndEmptiesItsCells)
{
    PutChinese(1, 6);
    TypeAt(1, 3, 'x');
    Add(0, 1, 3, 4);
    EXPECT_EQ(Text(1, 3) + Text(1, 6), "");
    EXPECT_EQ(WideBits(1, 6) | WideBits(1, 7), 0u);
    EXPECT_EQ(BrokenPair(Grid()), "");
    CWidget* pSecond = Add(WIDGET_KIND_BARGRAPH, 2, 1, 5);
    EXPECT_EQ(Grid().m_pSelectedWidget, pSecond);
    EXPECT_FALSE(static_cast<CWidget*>(Grid().m_arrWidgets[0].GetAt(0))->m_bSelected);
    const CRect rect = pSecond->GetRect();
    EXPECT_EQ(rect.Width(), 5 * kCellWidth);
    EXPECT_EQ(rect.Height(), kCellHeight);
    CRect first;
    Grid().GetCellRect(2, 1, &first);
    EXPECT_EQ(rect.TopLeft(), first.TopLeft());
    EXPECT_EQ(CountWidgetsOfKind(Grid(), WIDGET_KIND_BARGRAPH), 1);
}

TEST_F(WidgetPlacement, APressSelectsTheElementUnderItOrNone)
{
    CWidget* pFirst = Add(0, 1, 1, 4);
    CWidget* pSecond = Add(0, 3, 10, 4);
    Press(1, 2);
    EXPECT_EQ(Grid().m_pSelectedWidget, pFirst);
    EXPECT_FALSE(pSecond->m_bSelected);
    Press(3, 13);
    EXPECT_EQ(Grid().m_pSelectedWidget, pSecond);
    EXPECT_FALSE(pFirst->m_bSelected);
    Press(4, 20);
    EXPECT_EQ(Grid().m_pSelectedWidget, nullptr);
}

// As on the message-text pages, a press on an element may start dragging it; it still moves
// the focus, so that the next insert or keystroke lands at the pressed cell.
TEST_F(WidgetPlacement, APressOnAnElementMovesTheFocusThere)
{
    Grid().m_bAllowDragAndDrop = TRUE;
    CWidget* pElement = Add(0, 3, 10, 4);
    Focus(1, 1);
    Press(3, 12);
    EXPECT_EQ(Grid().m_pSelectedWidget, pElement);
    EXPECT_EQ(FocusCell(), CCellID(3, 12));
    Press(1, 5);
    EXPECT_EQ(Grid().m_pSelectedWidget, nullptr);
    EXPECT_EQ(FocusCell(), CCellID(1, 5));
}

// Ctrl with the keypad's plus makes every column as wide as its widest cell (an empty cell
// counts with the default cell's size); the elements stay over their cells.
TEST_F(WidgetPlacement, CtrlKeypadPlusSizesTheColumnsToTheirContents)
{
    CWidget* pElement = Add(0, 2, 5, 3);
    Focus(1, 1);
    AfxSetKeyState(VK_CONTROL, true);
    Grid().SendMessage(WM_KEYDOWN, VK_ADD, 1);
    AfxSetKeyState(VK_CONTROL, false);
    const int nWidth = Grid().GetDefaultCell(FALSE, FALSE)->GetWidth();
    ASSERT_NE(nWidth, kCellWidth);
    for (int c = 1; c <= kLcdColumns; ++c)
        EXPECT_EQ(Grid().GetColumnWidth(c), nWidth) << c;
    CRect rcCell;
    Grid().GetCellRect(2, 5, &rcCell);
    EXPECT_EQ(pElement->GetRect().left, rcCell.left);
    EXPECT_EQ(pElement->GetRect().Width(), 3 * nWidth);
}

// The Edit menu reaches the grid as commands, each enabled as the grid's state allows.
TEST_F(WidgetPlacement, EditCommandsAndTheirStates)
{
    const auto enabled = [this](UINT nID) {
        CCmdUI state;
        state.m_nID = nID;
        state.DoUpdate(&Grid(), TRUE);
        return bool(state.m_bEnabled);
    };
    Grid().ResetSelectedRange();
    Focus(1, 1);
    EXPECT_FALSE(enabled(ID_EDIT_COPY));
    EXPECT_FALSE(enabled(ID_EDIT_CUT));
    EXPECT_TRUE(enabled(ID_EDIT_SELECT_ALL));
    CClipboard::SetText(_T("ab"));
    EXPECT_TRUE(enabled(ID_EDIT_PASTE));
    Grid().SendMessage(WM_COMMAND, ID_EDIT_PASTE);
    EXPECT_EQ(Text(1, 1) + Text(1, 2), "ab");
    Grid().SendMessage(WM_COMMAND, ID_EDIT_SELECT_ALL);
    EXPECT_TRUE(Grid().IsCellSelected(4, kLcdColumns));
    EXPECT_TRUE(enabled(ID_EDIT_COPY));
    EXPECT_TRUE(enabled(ID_EDIT_CUT));
    Grid().SetEditable(FALSE);
    EXPECT_TRUE(enabled(ID_EDIT_COPY));
    EXPECT_FALSE(enabled(ID_EDIT_CUT));
    EXPECT_FALSE(enabled(ID_EDIT_PASTE));
}

TEST_F(WidgetPlacement, CopyUnderASelectedElementIsRefused)
{
    Add(0, 1, 5, 6);  // columns 5-10, selected
    CClipboard::SetText(_T("before"));
    Grid().SetSelectedRange(CCellRange(1, 7, 1, 7));
    EXPECT_FALSE(Grid().CopySelectionToClipboard());
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, CString(_T("Copy/paste of parameters is not supported.")));
    CString strText;
    EXPECT_TRUE(CClipboard::GetText(strText));
    EXPECT_EQ(strText, CString(_T("before")));
    // Cut refuses as well and leaves the cells.
    TypeAt(2, 7, 'q');
    Grid().SetSelectedRange(CCellRange(1, 7, 2, 7));
    Grid().OnEditCut();
    EXPECT_EQ(Text(2, 7), "q");
    // Without a selected element the cells under it copy.
    Press(4, 20);
    Grid().SetSelectedRange(CCellRange(2, 7, 2, 8));
    EXPECT_TRUE(Grid().CopySelectionToClipboard());
    EXPECT_TRUE(CClipboard::GetText(strText));
    EXPECT_EQ(strText, CString(_T("q\t")));
}

TEST_F(WidgetPlacement, PasteNeverSplitsAPair)
{
    PutChinese(1, 5);
    // A narrow field on the right half stops the paste and keeps the pair.
    EXPECT_FALSE(Grid().PasteText(CCellID(1, 5), _T("a\tb"), TRUE));
    EXPECT_EQ(WideBits(1, 5), CELLSTATE_WIDE_FIRST);
    EXPECT_EQ(WideBits(1, 6), CELLSTATE_WIDE_SECOND);
    EXPECT_EQ(Text(1, 5), "#");
    // The empty field a copied pair leaves for its right half keeps it.
    const TCHAR copied[] = {kChinese2, '\t', 0};
    EXPECT_TRUE(Grid().PasteText(CCellID(1, 5), copied, TRUE));
    EXPECT_EQ(BrokenPair(Grid()), "");
}

TEST_F(WidgetPlacement, ClipboardTextRoundTripsThroughTheEditCommands)
{
    TypeAt(1, 1, 'A');
    Type('B');
    PutChinese(2, 1);
    Grid().SetSelectedRange(CCellRange(1, 1, 2, 2));
    Grid().OnEditCopy();
    CString strText;
    ASSERT_TRUE(CClipboard::GetText(strText));
    const TCHAR expected[] = {'A', '\t', 'B', '\r', '\n', kChinese, '\t', 0};
    EXPECT_EQ(strText, CString(expected));
    Grid().SetSelectedRange(CCellRange(3, 3, 3, 3));
    Grid().OnEditPaste();
    EXPECT_EQ(Text(3, 3) + Text(3, 4) + Text(4, 3), "AB#");
    EXPECT_EQ(WideBits(4, 3), CELLSTATE_WIDE_FIRST);
    EXPECT_EQ(BrokenPair(Grid()), "");
}

// Elements moved by dragging, through the layer's drag loop with a loop of the test's that drops
// on the grid at a point.
class WidgetDrag : public WidgetPlacement {
protected:
    void SetUp() override
    {
        WidgetPlacement::SetUp();
        Grid().m_bAllowDragAndDrop = TRUE;
    }
    void TearDown() override
    {
        AfxSetDragLoop(nullptr);
        WidgetPlacement::TearDown();
    }
    // Presses on the cell, moves with the button down and drops on the point.
    DROPEFFECT Drag(int nRow, int nCol, CPoint drop, DWORD dwKeys = 0)
    {
        DROPEFFECT result = DROPEFFECT_NONE;
        AfxSetDragLoop([&](CWnd&, const ClipboardData& data, DROPEFFECT allowed) {
            result = AfxDragOverAndDrop(Grid(), data, dwKeys, drop, allowed);
            return result;
        });
        PressMoveRelease(nRow, nCol);
        return result;
    }
    // Presses on the cell and moves with the button down far enough to start a drag.
    void PressMoveRelease(int nRow, int nCol)
    {
        const CPoint start = CellPoint(nRow, nCol);
        Grid().SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(start));
        Grid().SendMessage(WM_MOUSEMOVE, MK_LBUTTON, MakePointLParam(start + CPoint(3, 0)));
        Grid().SendMessage(WM_LBUTTONUP, 0, MakePointLParam(start));
    }
    int Count() const
    {
        int n = 0;
        for (const CObArray& list : m_grid->m_arrWidgets)
            n += int(list.GetSize());
        return n;
    }
    const CWidget* Only() const
    {
        for (const CObArray& list : m_grid->m_arrWidgets)
            if (list.GetSize() == 1)
                return static_cast<const CWidget*>(list.GetAt(0));
        return nullptr;
    }
};

TEST_F(WidgetDrag, AnElementMovesWhereItMayLie)
{
    Add(0, 1, 1, 4);
    const CWidget* pOther = Add(0, 3, 10, 4);
    struct Case {
        int nRow, nCol;  // the drop cell
        DWORD dwKeys;
        bool bMoved;
    };
    const Case cases[] = {
        {2, 5, 0, true},            // free cells
        {2, 5, MK_CONTROL, true},   // Ctrl moves as well: no second element
        {2, 21, 0, true},           // ends at 24
        {2, 22, 0, false},          // would pass 24
        {3, 7, 0, false},           // overlaps the other element
        {3, 14, 0, true},           // touches it
        {1, 1, 0, true},            // back onto its own cells
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.nRow << "," << c.nCol << " keys " << c.dwKeys);
        const CWidget* pDragged = nullptr;
        for (const CObArray& list : Grid().m_arrWidgets)
            for (INT_PTR i = 0; i < list.GetSize(); ++i)
                if (list.GetAt(i) != pOther)
                    pDragged = static_cast<const CWidget*>(list.GetAt(i));
        ASSERT_NE(pDragged, nullptr);
        const int nLine = pDragged->m_nLine;
        const int nColumn = pDragged->m_nColumn;
        const DROPEFFECT effect = Drag(nLine, nColumn, CellPoint(c.nRow, c.nCol), c.dwKeys);
        EXPECT_EQ(effect != DROPEFFECT_NONE, c.bMoved);
        EXPECT_EQ(Count(), 2);
        ASSERT_NE(Grid().m_pSelectedWidget, nullptr);
        EXPECT_EQ(Grid().m_pSelectedWidget->m_nLine, c.bMoved ? c.nRow : nLine);
        EXPECT_EQ(Grid().m_pSelectedWidget->m_nColumn, c.bMoved ? c.nCol : nColumn);
        EXPECT_EQ(m_boxes.Boxes().empty(), c.bMoved);
        m_boxes.Clear();
    }
}

TEST_F(WidgetDrag, DropsOutsideTheCellsOrFromElsewhereAreRefused)
{
    Add(0, 1, 1, 4);
    // Below the cells.
    EXPECT_EQ(Drag(1, 1, CPoint(10, 4 * kCellHeight + 2)), DROPEFFECT_NONE);
    EXPECT_EQ(Only()->m_nColumn, 1);
    // "Widget" data of a drag this grid did not start.
    ClipboardData foreign;
    foreign[CLcdCanvas::GetWidgetDragFormat()] = std::vector<BYTE>(20, 0);
    EXPECT_EQ(AfxDragOverAndDrop(Grid(), foreign, 0, CellPoint(2, 2), DROPEFFECT_MOVE), DROPEFFECT_NONE);
    EXPECT_EQ(Count(), 1);
    EXPECT_EQ(Only()->m_nLine, 1);
}

TEST_F(WidgetDrag, DroppedTextPastesByTheRules)
{
    COleDataSource source;
    source.CacheText(_T("xy"));
    EXPECT_EQ(AfxDragOverAndDrop(Grid(), source.Data(), MK_CONTROL, CellPoint(3, 3), DROPEFFECT_COPY | DROPEFFECT_MOVE),
              DROPEFFECT_COPY);
    EXPECT_EQ(Text(3, 3) + Text(3, 4), "xy");
    EXPECT_EQ(Grid().GetItemState(3, 3) & GVIS_DROPHILITED, 0u);
    Add(0, 2, 1, 4);
    EXPECT_EQ(AfxDragOverAndDrop(Grid(), source.Data(), 0, CellPoint(2, 2), DROPEFFECT_MOVE), DROPEFFECT_NONE);
    EXPECT_EQ(Text(2, 2), "");
    Grid().m_bAllowDragAndDrop = FALSE;
    EXPECT_EQ(AfxDragOverAndDrop(Grid(), source.Data(), 0, CellPoint(4, 3), DROPEFFECT_MOVE), DROPEFFECT_NONE);
}

TEST_F(WidgetDrag, ADraggedElementShowsItsOutlineWithinTheLastColumn)
{
    Add(0, 1, 1, 4);
    CRect rcSeen;
    AfxSetDragLoop([&](CWnd&, const ClipboardData& data, DROPEFFECT allowed) {
        COleDataObject object(data);
        Grid().OnDragEnter(object, 0, CellPoint(2, 23));
        rcSeen = Grid().GetDragOutline();
        Grid().OnDragLeave();
        EXPECT_TRUE(Grid().GetDragOutline().IsRectEmpty());
        return AfxDragOverAndDrop(Grid(), data, 0, CellPoint(2, 3), allowed);
    });
    PressMoveRelease(1, 1);
    // Four columns from column 23 would pass 24: the outline ends at the last column.
    EXPECT_EQ(rcSeen, SpanRect(Grid(), WidgetSpan{2, 21, 1, 4}));
    EXPECT_TRUE(Grid().GetDragOutline().IsRectEmpty());
    EXPECT_EQ(Only()->m_nColumn, 3);
}

TEST_F(WidgetDrag, SelectedTextDragsOutAndMovesOrCopies)
{
    struct Case {
        CPoint drop;          // in cells; (0, 0) for a window elsewhere that takes a move
        DWORD dwKeys;
        const char* pszSource;  // (1, 1) and (1, 2) afterwards
        const char* pszTarget;  // (3, 3) and (3, 4) afterwards
    };
    const Case cases[] = {
        {CPoint(3, 3), 0, "", "ab"},            // moved
        {CPoint(3, 3), MK_CONTROL, "ab", "ab"},  // copied
        {CPoint(1, 2), 0, "ab", ""},            // onto its own cells: refused
        {CPoint(0, 0), 0, "", ""},              // taken by another window
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.drop.x << "," << c.drop.y << " keys " << c.dwKeys);
        for (int nCol : {3, 4})
            Grid().SetItemText(3, nCol, _T(""));
        Grid().SetItemText(1, 1, _T("a"));
        Grid().SetItemText(1, 2, _T("b"));
        Grid().SetSelectedRange(CCellRange(1, 1, 1, 2));
        CString strDragged;
        AfxSetDragLoop([&](CWnd&, const ClipboardData& data, DROPEFFECT allowed) {
            COleDataObject(data).GetText(strDragged);
            if (c.drop == CPoint(0, 0))
                return DROPEFFECT(DROPEFFECT_MOVE);
            return AfxDragOverAndDrop(Grid(), data, c.dwKeys, CellPoint(c.drop.x, c.drop.y), allowed);
        });
        PressMoveRelease(1, 1);
        EXPECT_EQ(strDragged, CString(_T("a\tb")));
        EXPECT_EQ(Text(1, 1) + Text(1, 2), c.pszSource);
        EXPECT_EQ(Text(3, 3) + Text(3, 4), c.pszTarget);
    }
}

TEST_F(WidgetDrag, AClickOnTheSelectionWithoutMovingSelectsTheClickedCell)
{
    Grid().SetSelectedRange(CCellRange(1, 1, 1, 3));
    Press(1, 2);
    EXPECT_EQ(Grid().GetSelectedCellRange(), CCellRange(1, 2, 1, 2));
    EXPECT_EQ(Grid().GetFocusCell(), CCellID(1, 2));
}

}  // namespace
