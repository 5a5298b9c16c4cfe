// The value box: while a simulation runs, counters, timers, the TDT, word, math and analog blocks
// show their current value in a pale box just below themselves. Shared by every family that
// draws one, so that all boxes look alike.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <span>

class CBlockObj;
class CDC;
struct CSimContext;

constexpr int VALUE_BOX_LINE_HEIGHT = 12;

// Draws the box from the block's left edge, nHalfWidths half block widths wide (3: one and a
// half widths, 5: two and a half, 6: three), 2 units below the block, one 12-unit line per
// text in a fixed-pitch 12 x 6 font and the DC's text colour. The DC's font is restored.
void DrawValueBox(CDC* pDC, const CBlockObj& block, int nHalfWidths,
                  std::span<const CString> lines);

// The half block widths (at least nAtLeast) a box needs to hold its widest line in the box's
// font: for texts that would otherwise run out of the box onto the next block.
int ValueBoxHalfWidths(CDC* pDC, const CBlockObj& block, std::span<const CString> lines, int nAtLeast);

// Colour of the block body in a simulation paint that shows a value.
enum class SimBodyColour {
    State,  // red while the output state is 1, else blue
    Black,  // blocks whose output is a word, not a state
};

// The simulation paint of a block that shows a value: the block, then its value box
// (DrawValue).
void DrawSimShowingValue(CBlockObj& block, const CSimContext* pSim, CDC* pDC, SimBodyColour colour);

// A running value truncated toward zero to an int, as the boxes and the 16-bit rules read it;
// values beyond the int range saturate and NaN reads 0, never undefined behaviour.
int TruncToInt(double dValue);
