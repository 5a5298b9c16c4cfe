// The diagram view's block-name and pin-label table: one row of 21 texts per block kind, the
// labels of pins 0-19 in pin order and, in column 20, the kind's descriptive name: one row per
// type of the block-type table that has a tip, in code order. The texts come from the string
// table; the hover tip over a pin or a block body shows them.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

constexpr int BLOCK_TEXT_ROWS = 117;
constexpr int BLOCK_TEXT_COLUMNS = 21;
// The column of the block's name (a hit on the body, pin number 20).
constexpr int BLOCK_TEXT_NAME = 20;
// The ladder power rail's row; it has a name and no pin labels.
constexpr int BLOCK_TEXT_POWER_BUS_ROW = 116;

using BlockTextTable = CString[BLOCK_TEXT_ROWS][BLOCK_TEXT_COLUMNS];

// The row of a type code (logic from row 0, timers from 8, I/O from 22, ladder elements from
// 34, function blocks from 40, the data log at 115, the power rail at 116). -1 for a code that
// has no tip: the connectors 900 and 901 and every code without a row.
int BlockTextRow(int nType);

// The string id of a cell, 0 for a cell that stays empty (and for a row or column outside the
// table).
UINT BlockTextStringId(int nRow, int nColumn);

// Empties every cell, then fills each cell that has a string id with its text.
void LoadBlockTextTable(BlockTextTable& table);

// The cell of a type code's row; an empty text for a code without a row or a column outside
// 0..20, so that no caller reads past the table.
const CString& BlockTextOf(const BlockTextTable& table, int nType, int nColumn);
