// A wire's two ends kept in step with the blocks they join: the numbers a wire records of its
// end blocks, the pin tables where each end block names the other, and which wires stand on a
// block or a pin.
#pragma once

#include "platform/core/Types.h"

#include <vector>

class CBlockObj;
class CConnectLineObj;
class CVetlaDoc;

// Each end block's pin table names the block at the other end (the power rail keeps no pin
// table); nothing for a wire with an open end.
void WritePinSources(CConnectLineObj& line);
// Every wire takes the current numbers of its end blocks, and both end pins name each other.
void RefreshLineEnds(CVetlaDoc& doc);
// The wires that recorded nOldNumber at an end take that block's new number; the block at the
// other end names it in its pin table (a function block by its own entry for the pin).
void RenumberLineEnds(CVetlaDoc& doc, int nOldNumber);
// Some wire of the document other than pExcept stands on pin nPin of the block.
BOOL IsPinConnected(const CVetlaDoc& doc, const CBlockObj* pBlock, const CConnectLineObj* pExcept, int nPin);
// The wires with an end at the block, in list order.
std::vector<CConnectLineObj*> LinesOfBlock(const CVetlaDoc& doc, const CBlockObj* pBlock);
// The marks a drag leaves on the wires it moved are cleared.
void ClearLineMoveMarks(const CVetlaDoc& doc);
