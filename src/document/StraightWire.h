// A wire between two pins made without the wire tool and without its connection rules: the
// routing of a new wire across at mid-way, the wire's end stubs, and both blocks' pin tables.
// The view's scripted wires and the decoder of an uploaded program draw their wires with it.
#pragma once

#include "platform/core/Geometry.h"

class CBlockObj;
class CConnectLineObj;
class CVetlaDoc;

// The orthogonal route of a new wire: across at mid-way between its ends.
void RouteStraightAcross(CConnectLineObj& line);
// One junction entry per vertex, none marking a dot.
void ResetJunctions(CConnectLineObj& line);

// A new wire of the document from pin nStartPin of pStart at ptStart to pin nEndPin of pEnd at
// ptEnd, recorded in both pin tables; null for a null block.
CConnectLineObj* AddStraightWire(CVetlaDoc& doc, CPoint ptStart, CBlockObj* pStart, int nStartPin, CPoint ptEnd,
                                 CBlockObj* pEnd, int nEndPin);
