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
constexpr int TEXT_SCREEN_LINES = 4;
// A text block: each screen's attribute rows from 0, its character cells from 256.
constexpr int TEXT_SCREEN_ATTR_BYTES = 128;
constexpr int TEXT_SCREEN_CHARS_FIRST = 256;
constexpr int TEXT_SCREEN_CHAR_BYTES = TEXT_SCREEN_TEXT_CELLS * TEXT_SCREEN_LINES * 2;
// The attribute of a cell holding one character, and of the first cell of a double-byte
// character of code page 936 (GBK) or 950 (Big5).
constexpr BYTE TEXT_ATTR_SINGLE = 1;
constexpr BYTE TEXT_ATTR_GBK = 0x61;
constexpr BYTE TEXT_ATTR_BIG5 = 0x51;
// Seven of the block's fourteen settings per screen.
constexpr int TEXT_SCREEN_SETTINGS = 7;
// The label areas of the two screens from 640, their records of drawn elements from 1024.
constexpr int TEXT_SCREEN_LABELS_FIRST = 640;
constexpr int TEXT_SCREEN_LABEL_BYTES = 192;
constexpr int TEXT_SCREEN_RECORDS_FIRST = 1024;
constexpr int TEXT_SCREEN_RECORD_BYTES = 128;

// The marks of the elements in the attribute rows: a code from 2 to 8 and its data for the
// elements the controller shows as values and names, a lead byte and one byte for the ones it
// draws (the kind's distance below -98 in the high nibble, the record's number in the low one).
constexpr BYTE TEXT_MARK_BLOCK_PARAMETER = 2;   // record code, offset, index << 4 | offset >> 8
constexpr BYTE TEXT_MARK_OWN_PARAMETER = 3;     // 3-6: the message text's own parameters 0-3
constexpr int TEXT_OWN_PARAMETERS = 4;
constexpr BYTE TEXT_MARK_ANALOG_VALUE = 7;      // record code, the point's number plus the bias
constexpr int TEXT_ANALOG_VALUE_BIAS = 0x7060;
constexpr BYTE TEXT_MARK_STATE_NAME = 8;        // label number, the point's reference word
constexpr BYTE TEXT_LEAD_GRAPHIC = 0xDD;        // bar graph, scope, pointer, graph
constexpr BYTE TEXT_LEAD_TIME_FIELD = 0xA9;
// The 27 label characters of an I/O state name; the 8 bytes of a drawn element's record (the
// shown function block with the value's index in bits 12-15 or 0xFFFF, minimum, maximum, option).
constexpr int TEXT_LABEL_CHARS = 27;
constexpr int TEXT_DRAWN_RECORD_BYTES = 8;
constexpr WORD TEXT_NO_OPERAND = 0xFFFF;

// A text of the older controllers in section C: one 16-byte line per LCD line, a text line
// giving its kind and 12 LCD codes from byte 2.
constexpr int OLD_TEXT_LINE_BYTES = 16;
constexpr int OLD_TEXT_LINE_CHARS = 12;
constexpr int OLD_TEXT_LINE_TEXT = 1;
// The LCD code of a blank cell.
constexpr BYTE LCD_BLANK = 0x5B;

// The same parts of an uploaded text block, for reading.
struct ConstTextScreen {
    std::span<const BYTE> attrs;
    std::span<const BYTE> chars;
    std::span<const BYTE> labels;
    std::span<const BYTE> records;
};

// Part nFirst of screen nScreen (0 or 1) of a text block, each screen's part nBytes long.
constexpr int TextScreenOffset(int nScreen, int nFirst, int nBytes)
{
    return nFirst + nScreen * nBytes;
}

// Marks the elements of the four line lists in the attribute rows and writes their labels and
// records. An element whose marks do not fit its row's text cells, or whose block the document
// lacks, stays plain text; more state names or drawn elements than the screen holds fail the
// pass with the resources message.
void EncodeScreenElements(EncodeContext& ctx, const TextScreen& screen, const CObArray* pLines);
