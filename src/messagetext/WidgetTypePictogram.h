// The small line drawings above the block-type label texts: a pulse, a step, a clock face, an
// amplifier and so on, in box coordinates (x from the box's left, y from its top) within the
// upper part of the 23 x 34 type box.
#pragma once

#include "platform/core/Geometry.h"

#include <span>

class CDC;

struct PictogramShape {
    enum Kind { Lines, Ellipse, ArcCounterClockwise, ArcClockwise };
    Kind kind;
    // Lines: the polyline's points; Ellipse: the bounding rectangle's corners; arcs: the
    // bounding rectangle's corners, the start and the end.
    std::span<const POINT> points;
};

// The shapes of a block type's pictogram; empty for a type without one.
std::span<const PictogramShape> PictogramOf(int nType);
// Draws them with the selected pen, offset to the box.
void DrawPictogram(CDC& dc, const CRect& box, int nType);
