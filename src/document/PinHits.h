// What a press on the diagram hits among the places a wire can end: a block's pin stub, taken
// with a little slack, or a ladder document's power rail, taken in a band around it.
#pragma once

class CBlockObj;
class CVetlaDoc;

// The pin of the block under the point, -1 when none or no block (inputs first, each in index
// order).
int PinAt(const CBlockObj* pBlock, int x, int y);
// A ladder document's power rail when the point lies on it (its rectangle widened by 7 units
// left and right), else null.
CBlockObj* PowerBusAt(const CVetlaDoc& doc, int x, int y);
// A pin of the block under the point, or a ladder document's power rail, lies under it: where
// a wire may end.
bool IsOnWireEnd(const CVetlaDoc& doc, int x, int y);
