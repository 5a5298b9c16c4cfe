// Draws the small line drawings above the block-type label texts (a pulse, a step, a clock face,
// an amplifier and so on) that the block-type rows give in box coordinates.
#pragma once

#include "blocks/TypeBoxLabel.h"
#include "platform/core/Geometry.h"

#include <span>

class CDC;

// Draws the shapes with the selected pen, offset to the box; a shape with too few points for
// its kind is left out.
void DrawPictogram(CDC& dc, const CRect& box, std::span<const PictogramShape> shapes);
