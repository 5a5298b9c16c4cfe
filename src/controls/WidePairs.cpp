#include "controls/WidePairs.h"

#include "controls/GridCtrl.h"

namespace WidePairs {

bool IsFirst(const CGridCtrl& grid, int nRow, int nCol)
{
    return (grid.GetItemState(nRow, nCol) & CELLSTATE_WIDE_FIRST) != 0;
}

bool IsSecond(const CGridCtrl& grid, int nRow, int nCol)
{
    return (grid.GetItemState(nRow, nCol) & CELLSTATE_WIDE_SECOND) != 0;
}

BOOL Join(CGridCtrl& grid, int nRow, int nCol)
{
    if (!grid.IsValid(nRow, nCol) || !grid.IsValid(nRow, nCol + 1))
        return FALSE;
    if (IsFirst(grid, nRow, nCol) && IsSecond(grid, nRow, nCol + 1))
        return TRUE;
    const CString strChar = grid.GetItemText(nRow, nCol);
    Break(grid, nRow, nCol);
    Break(grid, nRow, nCol + 1);
    grid.SetItemText(nRow, nCol, strChar);
    grid.SetItemText(nRow, nCol + 1, _T(""));
    grid.SetWideBits(nRow, nCol, CELLSTATE_WIDE_FIRST);
    grid.SetWideBits(nRow, nCol + 1, CELLSTATE_WIDE_SECOND);
    return TRUE;
}

void Break(CGridCtrl& grid, int nRow, int nCol)
{
    int nFirst = -1;
    if (IsFirst(grid, nRow, nCol))
        nFirst = nCol;
    else if (IsSecond(grid, nRow, nCol))
        nFirst = nCol - 1;
    if (nFirst < 0)
        return;
    grid.SetWideBits(nRow, nFirst, 0);
    grid.SetWideBits(nRow, nFirst + 1, 0);
    grid.SetItemText(nRow, nFirst, _T(""));
    grid.SetItemText(nRow, nFirst + 1, _T(""));
}

void Clear(CGridCtrl& grid, int nRow, int nCol)
{
    Break(grid, nRow, nCol);
    grid.SetItemText(nRow, nCol, _T(""));
}

int StepOverSecond(const CGridCtrl& grid, int nRow, int nCol, int nStep)
{
    if (IsSecond(grid, nRow, nCol) && grid.IsValid(nRow, nCol + nStep))
        return nCol + nStep;
    return nCol;
}

void ExtendSelection(const CGridCtrl& grid, CCellID& start, CCellID& end)
{
    if (!grid.IsValid(start) || !grid.IsValid(end))
        return;
    const int nTop = std::min(start.row, end.row);
    const int nBottom = std::max(start.row, end.row);
    const int nLastCol = grid.GetColumnCount() - 1;
    // Pass over the end column: push it outwards past every pair it would cut.
    for (int r = nTop; r <= nBottom;) {
        if (end.col >= start.col && end.col < nLastCol && IsFirst(grid, r, end.col)) {
            ++end.col;
            r = nTop;
            continue;
        }
        if (end.col < start.col) {
            if (start.col < nLastCol && IsFirst(grid, start.row, start.col))
                ++start.col;
            if (end.col > 0 && IsSecond(grid, r, end.col)) {
                --end.col;
                r = nTop;
                continue;
            }
        }
        ++r;
    }
    // Pass over the start column, likewise.
    for (int r = nTop; r <= nBottom;) {
        if (start.col >= end.col) {
            if (start.col < nLastCol && IsFirst(grid, r, start.col)) {
                ++start.col;
                r = nTop;
                continue;
            }
        } else {
            if (end.col < nLastCol && IsFirst(grid, end.row, end.col))
                ++end.col;
            if (start.col > 0 && IsSecond(grid, r, start.col)) {
                --start.col;
                r = nTop;
                continue;
            }
        }
        ++r;
    }
}

void WidenPress(const CGridCtrl& grid, CCellID& start, CCellID& pressed, bool bShift)
{
    if (!bShift) {
        if (IsSecond(grid, pressed.row, pressed.col))
            --pressed.col;
        else if (IsFirst(grid, pressed.row, pressed.col))
            ++start.col;
        return;
    }
    if (!grid.IsValid(start))
        return;
    if (IsSecond(grid, start.row, start.col) && start.col <= pressed.col)
        --start.col;
    else if (IsFirst(grid, start.row, start.col) && start.col >= pressed.col)
        ++start.col;
    if (IsSecond(grid, pressed.row, pressed.col) && pressed.col <= start.col)
        --pressed.col;
    else if (IsFirst(grid, pressed.row, pressed.col) && pressed.col >= start.col)
        ++pressed.col;
}

}  // namespace WidePairs
