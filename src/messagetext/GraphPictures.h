// The pictures of the predefined graphs that a graph element of a message text names by its
// number (m_nOption, 0 to GRAPH_COUNT - 1): dark shapes on the LCD's green, each fitted into
// whatever rectangle it is drawn in, so that the user picks a graph by its look.
#pragma once

#include "platform/core/Geometry.h"

class CDC;

// Draws graph nGraph into the rectangle: the LCD's green over all of it, the picture in the
// largest field of two by one that fits, centred. A number without a graph leaves the field
// empty; FALSE then.
BOOL DrawGraphPicture(CDC& dc, int nGraph, const CRect& rect);
