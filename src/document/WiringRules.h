// The rules a new or moved wire must pass, as functions of the document: which pin may start a
// wire, which pin may take the other end (input to input, output to output, fed inputs, the
// kinds the pins carry, the ladder rules), and the loop checks behind them (document/LoopRules.h).
// The view asks them at the pin under the mouse and shows their verdict; they need no window.
#pragma once

#include <vector>

class CBlockObj;
class CConnectLineObj;
class CVetlaDoc;

// Verdicts of the connection rules; the view keeps the last one at the pin under the mouse.
constexpr int HOVER_ALLOWED = 0;
constexpr int HOVER_INCOMPATIBLE = 1;
constexpr int HOVER_RECURSION = 2;

// The wires of the document that start or end at the pin, in list order.
std::vector<CConnectLineObj*> LinesAtPin(const CVetlaDoc& doc, const CBlockObj* pBlock, int nPin);

// Whether the source may feed the destination's pin by the kinds of the two; a connector
// stands for the block behind its pair (document/WireKinds.h).
bool IsPinCompatible(const CVetlaDoc& doc, const CBlockObj& source, const CBlockObj& dest, int nDestPin);

// Joining the wire's fixed end (its start; while one end is dragged, the other end) to pin
// nPin of the target (the ladder power rail as pin 10): input to input, output to output, an
// input already fed (in a ladder document only by a role code) and unfit pin kinds give
// HOVER_INCOMPATIBLE; else the loop check gives HOVER_RECURSION when it refuses; else
// HOVER_ALLOWED. The document and the wire are left as they were.
int CheckConnectionRules(CVetlaDoc& doc, CConnectLineObj& line, CBlockObj& target, int nPin);

// The verdict at the pin under the mouse while a wire is drawn from its start: the connection
// rules, and a wire from a connector's input reaches only an input that is already fed.
int CheckWireInProgress(CVetlaDoc& doc, CConnectLineObj& wire, CBlockObj& target, int nPin);

// A press on the pin may start a wire: a fed input may not (in a ladder document, where an
// input takes several wires, only the analog inputs that take one).
bool MayStartWire(const CVetlaDoc& doc, const CBlockObj& block, int nPin);

// The release of a wire in progress on the pin is refused: a connector to its own kind of
// partner; in a ladder document a wire to its own block, a wire that repeats one of the start
// block's wires and a wire from a connector to the rail; else the connection rules.
bool IsRefusedWireEnd(CVetlaDoc& doc, CConnectLineObj& wire, CBlockObj& end, int nEndPin);

// The drop of a dragged wire end on the pin is refused before the connection rules run: a fed
// input, an end of the same side as the fixed one, the start of a wire into a connector's
// input moved to a connector's output, and a wire that repeats another.
bool IsRefusedDrop(const CVetlaDoc& doc, CConnectLineObj& line, CBlockObj& target, int nPin);
