// The wide-cell rule of the grid, in one place: a cell marked CELLSTATE_WIDE_FIRST in column c
// is followed by one marked CELLSTATE_WIDE_SECOND in column c + 1 of the same row, and only the
// left one holds the text (the LCD's double-width characters are such pairs). Typing, delete,
// backspace, cut, paste, selection, navigation, drawing and widening all go through these
// functions; the grid lets nothing else touch the two bits.
#pragma once

#include "controls/GridTypes.h"

#include "platform/core/String.h"

class CGridCtrl;

namespace WidePairs {

bool IsFirst(const CGridCtrl& grid, int nRow, int nCol);
bool IsSecond(const CGridCtrl& grid, int nRow, int nCol);

// Makes (row, col) and (row, col + 1) one pair around the character the left cell already
// holds; a pair either cell belonged to before is removed first, and the right cell is emptied.
// FALSE, changing nothing, when the right cell does not exist.
BOOL Join(CGridCtrl& grid, int nRow, int nCol);
// Removes the pair that (row, col) belongs to, if any: both bits go and so does the character,
// so that no half of a character is ever left behind.
void Break(CGridCtrl& grid, int nRow, int nCol);
// Empties a cell; a pair it belongs to goes as a whole.
void Clear(CGridCtrl& grid, int nRow, int nCol);

// The column a cursor lands on when it moves onto nCol in direction nStep (+1 right, -1 left):
// one further in that direction from a right half.
int StepOverSecond(const CGridCtrl& grid, int nRow, int nCol, int nStep);

// Widens the rectangle between the selection start and the end cell so that it cuts no pair.
// The end cell and the start column change.
void ExtendSelection(const CGridCtrl& grid, CCellID& start, CCellID& end);
// A press on a pair: without Shift a press on a right half moves to its left half and a start
// on a left half moves to its right half; with Shift both ends widen outwards.
void WidenPress(const CGridCtrl& grid, CCellID& start, CCellID& pressed, bool bShift);

}  // namespace WidePairs
