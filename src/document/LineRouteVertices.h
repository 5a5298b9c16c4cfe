// The vertex list of a wire as the route tidying edits it: a plain vector taken from the wire
// and written back, and vertices made from wide intermediate results.
#pragma once

#include "platform/core/Geometry.h"

#include <vector>

class CConnectLineObj;

using RouteVertices = std::vector<CPoint>;

// A vertex at (x, y), each held to the int range.
CPoint Vertex(long long x, long long y);

RouteVertices VerticesOf(const CConnectLineObj& line);
void SetVertices(CConnectLineObj& line, const RouteVertices& vertices);
