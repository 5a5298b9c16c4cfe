// The loop checks a new connection must pass. In a function-block diagram the rule searches
// upstream from the output side of the new connection for its input side and, when the
// connection closes a loop, lets the kinds of the two blocks decide. In a ladder diagram two
// walks over the nets around the new wire's input pin look for a path that comes back to it:
// one over the wires fanning into the pin, one from the function blocks that end a rung back
// to a contact of their own. Both treat a connector pair as one wire, and both end on a
// diagram that already holds a cycle.
#pragma once

#include <vector>

class CBlockObj;
class CConnectLineObj;
class CVetlaDoc;

// The function-block diagram rule for joining the wire's fixed end (its start; while its start
// is dragged, its end) to (target, nPin): 0 when the connection closes no loop or a loop the
// program allows (through an output or a flag), else 1 or 2 by the kinds of the two blocks.
int CheckLoopRule(const CVetlaDoc& doc, const CConnectLineObj& line, CBlockObj& target, int nPin);

// The ladder check of a wire that the document lists with both ends set: 1 when a path comes
// back to its input pin, else 0. The walks' marks are cleared again afterwards.
int CheckLadLoop(CVetlaDoc& doc, const CConnectLineObj& line);

// The wires at the block's input pins, one per block at their far side (a Female counting as
// the block that drives its pair), in list order.
std::vector<CConnectLineObj*> GetDistinctInputLines(const CVetlaDoc& doc, const CBlockObj& block);

// The loop-trace marks (m_bLoopFound) of every block and power rail.
void ClearLoopMarks(CVetlaDoc& doc);
// The per-input path marks (m_bPinChanged 0-9) of the function blocks.
void ClearPathMarks(CVetlaDoc& doc);
