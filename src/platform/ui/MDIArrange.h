// Where Window > Cascade and Tile put the document frames inside the MDI client area, as pure
// functions of their number and the area's size: the rectangles are in the area's coordinates,
// one per frame, in the order the frames are given.
#pragma once

#include "platform/core/Geometry.h"

#include <vector>

// Cascade: each frame nStep lower and to the right of the one before it, the last on top; all
// of one size, so that the last reaches the area's bottom-right corner. Frames are never
// smaller than half the area: beyond that the steps start again at the top-left.
std::vector<CRect> CascadeRects(int nCount, CSize area, int nStep);

// Tile: the area shared without overlap. bHorz lays the frames out wide, in columns of frames
// one above the other (two frames: one above the other); otherwise tall, in rows of frames side
// by side. The columns (rows) number the whole square root of nCount; the later ones take one
// frame more when the frames do not share out evenly.
std::vector<CRect> TileRects(int nCount, CSize area, bool bHorz);
