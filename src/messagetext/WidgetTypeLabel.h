// The block-type label in an element's type box: a short text (two for a few types) that tells
// which kind of block the element reads, for the timer on-delay with its pictogram.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/gdi/GdiTypes.h"

#include <span>

class CDC;

struct TypeLabelFont {
    int nHeight;
    int nWidth;
    int nWeight;
    bool bSans;   // the platform's sans-serif rather than a fixed-pitch font
};

struct TypeLabelRow {
    int nType;
    LPCTSTR pszText;        // null: no text
    TypeLabelFont font;
    LPCTSTR pszSecond;      // a second text under the first, or null
    TypeLabelFont second;
};

// Every type with a label, in type order; the types outside it draw an empty box.
std::span<const TypeLabelRow> TypeLabelRows();
const TypeLabelRow* FindTypeLabelRow(int nType);

// Draws the label of a block type in the type box (the 25 x 36 box shrunk by one pixel).
void DrawTypeLabel(CDC& dc, const CRect& box, int nType);
