// Line layout for DrawText: prefix characters, line breaks, word wrapping, tab stops and end
// ellipses, measured through a callback so that the layout agrees with whatever surface draws.
#pragma once

#include "platform/core/Types.h"

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The width of a run of text (without tabs) in the caller's units.
using TextMeasure = std::function<int(std::u16string_view)>;

struct TextRun {
    int nOffset;                // from the start of the line
    std::u16string_view text;   // a part of the line between tabs
};

struct TextLine {
    std::u16string text;
    int nUnderline = -1;        // index of the character a '&' prefix marks, or -1
};

// The runs between tabs with the offset of each tab stop; a tab width of 0 leaves tabs in place
// as ordinary characters.
std::vector<TextRun> SplitTabRuns(std::u16string_view line, const TextMeasure& measure,
                                  int nTabWidth);
int MeasureTabbed(std::u16string_view line, const TextMeasure& measure, int nTabWidth);

// The lines DrawText shows for text in a rectangle nWidth wide, by the DT_ flags SINGLELINE,
// WORDBREAK, NOPREFIX and END_ELLIPSIS.
std::vector<TextLine> LayoutText(std::u16string_view text, UINT nFormat, int nWidth,
                                 const TextMeasure& measure, int nTabWidth);
