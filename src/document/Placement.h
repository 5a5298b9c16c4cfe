// Where a block or a point may be put down on the base of a diagram.
#pragma once

#include "platform/core/Types.h"

class CBlockObj;
class CVetlaDoc;

// A point on the base but inside its margin is pulled onto the inner edge, so that the block
// (or, without one, a fresh block of unknown size) lies wholly on the base; false, with the
// point untouched, when the point lies off the base.
bool PullOntoBase(const CVetlaDoc& doc, POINT& point, const CBlockObj* pBlock);
