// The block-type label in an element's type box: a short text (two for a few types) that tells
// which kind of block the element reads, under a pictogram for some; the block-type row of the
// type gives them.
#pragma once

#include "platform/core/Geometry.h"

class CDC;

// Draws the label of a block type in the type box (the 25 x 36 box shrunk by one pixel); a type
// without one leaves the box empty.
void DrawTypeLabel(CDC& dc, const CRect& box, int nType);
