// Where the connector pair of a cut wire goes: a Male beside the output that drives the wire, a
// Female beside the input it feeds, each moved to the first free spot of a fixed outward search.
// The cut of every wire that crosses a block shares the end, rectangle and search helpers.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/Types.h"

class CBlockObj;
class CConnectLineObj;
class CVetlaDoc;

// The search moves a connector in steps of this many units.
constexpr int CONNECTOR_SEARCH_STEP = 20;
// The spots of the search: the first spot itself, then eight rings around it.
constexpr int CONNECTOR_SEARCH_SPOTS = 136;

// One end of a wire: its block, pin and point.
struct WireEnd {
    CBlockObj* pBlock = nullptr;
    int nPin = -1;
    CPoint pt;
};

// The wire's end on an input pin (bInput) or on an output pin; false when it has none.
bool FindWireEnd(const CConnectLineObj& line, bool bInput, WireEnd* pEnd);

// The rectangle a wire segment takes: 2 units to each side of its run.
CRect SegmentRect(const CPoint& a, const CPoint& b);

// The block's body, from its position and size.
CRect BlockRect(const CBlockObj& block);

// A new connector of the type (BT_FEMALE or BT_MALE; a plain 4-input block for another code)
// made for the document, not yet added to it.
// Given the wire it cuts, it stands beside that wire's input (a Female) or output (a Male) and
// pWireEnd, when given, receives that end's point.
CBlockObj* NewConnector(CVetlaDoc& doc, int nType, const CConnectLineObj* pWire, POINT* pWireEnd);

// The grid steps of the search's spot nIndex: Males search to the right, Females to the left;
// {0, 0} past the last spot.
POINT ConnectorSearchOffset(const CBlockObj* pConnector, int nIndex);

// The connector moved by offset grid steps leaves the area of the given size or touches a
// block (widened by 5, a connector by 2, at the sides and on top) or a wire of the document.
bool ConnectorCollides(const CVetlaDoc& doc, const CBlockObj& connector, POINT offset, CSize extent);

// The connector goes to the first spot of the search where it collides with nothing; when there
// is none and it was made off the sheet, the search goes the other way. Without a free spot it
// stays where it was made, moved onto the sheet when it was made off it.
void PlaceConnectorFree(const CVetlaDoc& doc, CBlockObj& connector, CSize extent);
