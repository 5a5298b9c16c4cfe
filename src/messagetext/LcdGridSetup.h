// The LCD grid as its hosts lay it out: a hidden header row and column, then the LCD's lines
// and columns in cells of one size, green cells with black text; and the text planes that go
// in and out of it, with double-width characters kept as pairs.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/String.h"

class CLcdCanvas;

constexpr int LCD_CELL_WIDTH = 20;
constexpr int LCD_CELL_HEIGHT = 30;

// Sets the counts (nLines + 1 rows, nColumns + 1 columns, one fixed of each), hides the
// header, sizes the cells and colours them.
void SetUpLcdGrid(CLcdCanvas& grid, int nLines, int nColumns);
// The grid's cells from a plane whose row r, column c is pCells[r * nStride + c]; a character
// of the double-width class takes its cell and the next as a pair.
void FillLcdGrid(CLcdCanvas& grid, const CString* pCells, int nStride);
// The grid's cells into the plane, the hidden header included.
void ReadLcdGrid(const CLcdCanvas& grid, CString* pCells, int nStride);
// The pixel size a grid of the counts needs inside its border.
CSize LcdGridExtent(int nLines, int nColumns);
