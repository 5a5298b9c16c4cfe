// One screen of a newer-generation message-text block, as the message-text encoder fills it:
// its attribute rows, its character cells, its label area for the I/O state names and its
// records of the drawn elements (bar graphs, time fields, scopes, pointers, graphs).
#pragma once

#include "platform/core/Types.h"

#include <span>

class CObArray;
class EncodeContext;

struct TextScreen {
    std::span<BYTE> attrs;    // 4 rows of 32 attribute bytes; cells 0-23 are text cells
    std::span<BYTE> chars;    // one 16-bit value per text cell
    std::span<BYTE> labels;   // 27 label characters per I/O state name, in element order
    std::span<BYTE> records;  // 8 bytes per drawn element, in element order
    int nCharSet;
};

constexpr int TEXT_SCREEN_ROW_CELLS = 32;
constexpr int TEXT_SCREEN_TEXT_CELLS = 24;

// Marks the elements of the four line lists in the attribute rows and writes their labels and
// records. An element whose marks do not fit its row's text cells, or whose block the document
// lacks, stays plain text; more state names or drawn elements than the screen holds fail the
// pass with the resources message.
void EncodeScreenElements(EncodeContext& ctx, const TextScreen& screen, const CObArray* pLines);
