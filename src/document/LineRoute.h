// Wire route tidying: the helpers behind CVetlaDoc::MoveLineEnd and CVetlaDoc::SimplifyLine
// (VetlaDocRoute.cpp), which keep a wire's polyline orthogonal and short when the blocks at its
// ends move. Coordinates are document units, y growing downwards.
#pragma once

#include "platform/core/Types.h"

class CConnectLineObj;

// The pin a moved wire end sits on, as MoveLineEnd and AddLineEndStub take it: an output pin
// must be left to the right, an input pin entered from the left; NONE adds no stub.
constexpr int LINE_PIN_SIDE_NONE = 0;
constexpr int LINE_PIN_SIDE_OUTPUT = 1;
constexpr int LINE_PIN_SIDE_INPUT = 2;

// The pin side of a wire end on pin nPin.
constexpr int LinePinSideOf(int nPin)
{
    return nPin < 10 ? LINE_PIN_SIDE_INPUT : LINE_PIN_SIDE_OUTPUT;
}

// Adds a detour at the start (bStart) or end of the wire when it leaves its output pin to the
// left or enters its input pin from the right: a 10-unit stub out of the pin's proper side, then
// a run to the neighbouring vertex at a height clear of the wire. The wire's other vertices keep
// their places. Nothing for a null wire, a wire with fewer than two vertices or nPinSide NONE.
void AddLineEndStub(CConnectLineObj* pLine, BOOL bStart, int nPinSide);

// TRUE when the four consecutive vertices turn back on themselves: both pairs of points, split
// by x into a left and a right pair, run vertically and are joined at one level, or a top and a
// bottom run join a vertical pair; a shortest run that ends at the wire's first or last vertex
// (lastX/lastY, firstX/firstY) is the wire leaving its pin and does not count.
BOOL IsLoopedSegment(const POINT points[4], int nLastX, int nLastY, int nFirstX, int nFirstY);

// Replaces the route of a wire from an output pin (10-19) to an input pin (0-9) by a fresh one
// of four vertices between its two end points; a wire without one end of each kind is left as
// it is.
void RerouteLine(CConnectLineObj* pLine);

// The whole wire, its ends and every vertex, moved by (dx, dy).
void OffsetLine(CConnectLineObj& line, int dx, int dy);

// After a segment drag: a wire of three vertices becomes straight, a middle run of a 4-vertex
// wire that lies beyond either end is pulled 5 units inside it, and the middle segment of a
// 6-vertex wire keeps 5 units clear of the ends; other wires stay as they are.
void TidyDraggedRoute(CConnectLineObj& line);
