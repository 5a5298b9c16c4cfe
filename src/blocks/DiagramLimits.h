// The area a diagram's elements may lie in. Positions come from files, undo snapshots and the
// clipboard, which any program can fill; the view adds, halves and offsets them in plain ints
// (pin centres, a paste's offset, a moved selection), which stays sound only while every
// coordinate and size is far from the ends of an int. Each check is TRUE for an element that
// lies wholly inside the limits.
#pragma once

#include "platform/core/Types.h"

class CBlockComment;
class CBlockObj;
class CConnectLineObj;

// Far more than the hundred pages a layout holds on any screen, and small enough that the sum
// of any two coordinates (or a coordinate and a page's offset) stays an int.
constexpr int DIAGRAM_COORD_LIMIT = 1 << 19;

constexpr bool IsDiagramCoord(long long nValue)
{
    return nValue >= -DIAGRAM_COORD_LIMIT && nValue <= DIAGRAM_COORD_LIMIT;
}

BOOL IsInsideDiagram(const CBlockObj& block);
BOOL IsInsideDiagram(const CConnectLineObj& line);
BOOL IsInsideDiagram(const CBlockComment& comment);
