#include "messagetext/LcdGridSetup.h"

#include "messagetext/CharClass.h"
#include "messagetext/LcdCanvas.h"
#include "controls/WidePairs.h"

namespace {

constexpr COLORREF kCellBack = RGB(85, 157, 85);
constexpr COLORREF kCellText = RGB(0, 0, 0);
constexpr COLORREF kGridBack = RGB(255, 255, 224);
// The grid's border and client edge on both sides.
constexpr int kBorder = 6;

}  // namespace

void SetUpLcdGrid(CLcdCanvas& grid, int nLines, int nColumns)
{
    grid.SetRowCount(nLines + 1);
    grid.SetColumnCount(nColumns + 1);
    grid.SetFixedRowCount(1);
    grid.SetFixedColumnCount(1);
    grid.GetDefaultCell(FALSE, FALSE)->SetBackClr(kGridBack);
    grid.SetRowHeight(0, 0);
    grid.SetColumnWidth(0, 0);
    for (int r = 1; r <= nLines; ++r)
        grid.SetRowHeight(r, LCD_CELL_HEIGHT);
    for (int c = 1; c <= nColumns; ++c)
        grid.SetColumnWidth(c, LCD_CELL_WIDTH);
    for (int r = 0; r <= nLines; ++r) {
        for (int c = 0; c <= nColumns; ++c) {
            grid.SetItemBkColour(r, c, kCellBack);
            grid.SetItemFgColour(r, c, kCellText);
        }
    }
    grid.SetEditable(TRUE);
    grid.SetRowResize(FALSE);
    grid.SetColumnResize(FALSE);
    grid.SetFocusCell(CCellID(1, 1));
}

void FillLcdGrid(CLcdCanvas& grid, const CString* pCells, int nStride)
{
    for (int r = 0; r < grid.GetRowCount(); ++r) {
        for (int c = 0; c < grid.GetColumnCount(); ++c)
            WidePairs::Break(grid, r, c);
    }
    for (int r = 0; r < grid.GetRowCount(); ++r) {
        for (int c = 0; c < grid.GetColumnCount() && c < nStride; ++c) {
            if (WidePairs::IsSecond(grid, r, c))
                continue;
            const CString& strCell = pCells[r * nStride + c];
            grid.SetItemText(r, c, strCell);
            if (!strCell.IsEmpty() && strCell.GetAt(0) >= 0x80 &&
                GetCharClass(strCell.GetAt(0)) == CHARCLASS_DOUBLE_WIDTH)
                WidePairs::Join(grid, r, c);
        }
    }
    grid.Refresh();
}

void ReadLcdGrid(const CLcdCanvas& grid, CString* pCells, int nStride)
{
    for (int r = 0; r < grid.GetRowCount(); ++r) {
        for (int c = 0; c < grid.GetColumnCount() && c < nStride; ++c)
            pCells[r * nStride + c] = grid.GetItemText(r, c);
    }
}

CSize LcdGridExtent(int nLines, int nColumns)
{
    return CSize(nColumns * LCD_CELL_WIDTH + kBorder, nLines * LCD_CELL_HEIGHT + kBorder);
}
