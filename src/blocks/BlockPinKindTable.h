// The pin kinds of every defined block type code: one row of 20 entries per code, in code
// order. A new block takes the kinds of its used pins from its row.
#pragma once

#include <array>

constexpr int BLOCK_PINKIND_ROWS = 118;

using BlockPinKindRow = std::array<int, 20>;
extern const std::array<BlockPinKindRow, BLOCK_PINKIND_ROWS> g_BlockPinKindTable;

// The row of a type code, or -1 when the code is not one of the 118 defined codes. Codes
// without a row of their own get no pin kinds instead of a neighbour's row or a row past the
// end of the table.
int PinKindRow(int nType);

// The kind of pin nPin (0-19) of a block of type nType; 0 for an undefined code or pin.
int PinKindOf(int nType, int nPin);
