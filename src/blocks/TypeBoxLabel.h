// What the type box of a message-text element shows of a block's type: one or two short texts
// and a small line drawing (the pictogram) above them. Plain data; messagetext/ draws it.
#pragma once

#include "platform/core/Types.h"

#include <span>

// A label text's font: cell height and character width (device pixels), weight (0: the
// platform's default) and whether the platform's sans-serif rather than a fixed-pitch font.
struct TypeBoxFont {
    int nHeight = 0;
    int nWidth = 0;
    int nWeight = 0;
    bool bSans = false;
};

// A part of a pictogram in box coordinates (x from the box's left, y from its top) within the
// upper part of the 23 x 34 type box.
struct PictogramShape {
    enum Kind { Lines, Ellipse, ArcCounterClockwise, ArcClockwise };
    Kind kind = Lines;
    // Lines: the polyline's points; Ellipse: the bounding rectangle's corners; arcs: the
    // bounding rectangle's corners, the start and the end.
    std::span<const POINT> points;
};

// The points a shape of the kind is drawn from (a polyline: at least that many).
constexpr size_t PictogramShapePoints(PictogramShape::Kind kind)
{
    return kind == PictogramShape::Lines || kind == PictogramShape::Ellipse ? 2 : 4;
}

// The text is centred across the box unless the label places it.
constexpr int TYPE_BOX_CENTRED = -1;

// No text and no pictogram: the type box stays empty.
struct TypeBoxLabel {
    LPCTSTR pszText = nullptr;
    TypeBoxFont font;
    LPCTSTR pszSecond = nullptr;  // a second text under the first, or null
    TypeBoxFont second;
    std::span<const PictogramShape> pictogram;
    // The text's x from the box's left, where it starts under its pictogram.
    int nTextLeft = TYPE_BOX_CENTRED;

    constexpr bool IsEmpty() const { return !pszText && pictogram.empty(); }
};
