// The parameter lines that a function block shows beside its parameter pin: its times, counter
// values, analog settings, Modbus and WiFi addresses and so on, in the formats of the older or
// the newer controller generation. They show stored settings only, never simulated values.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <vector>

class CBlockObj;

// One line of text; line k stands k line heights below the first line.
struct PinTextLine {
    int nLine;
    CString strText;
};

// The lines of one block and where their common left edge lies: nIndentChars characters left of
// the block, or, when bMeasured is set, the width of strMeasure plus nGap left of the block.
struct PinTextLayout {
    std::vector<PinTextLine> lines;
    int nIndentChars = 8;
    BOOL bMeasured = FALSE;
    CString strMeasure;
    int nGap = 0;
};

// The lines that DrawPinText draws for pin nPin of the block, as its class writes them. A block
// with several parameter pins (the weekly timer, the message text) gives its lines at the last.
PinTextLayout BuildPinText(const CBlockObj& block, int nPin, BOOL bNewGeneration);
