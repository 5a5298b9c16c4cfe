// The opaque cursor of the list and map collections: a list hands out its node, a map its
// association, and both take it back unchanged. Only null and BEFORE_START_POSITION carry a
// meaning of their own.
#pragma once

struct PositionTag;
using POSITION = PositionTag*;

// The cursor of a map before its first association; GetNextAssoc turns it into the first one.
inline const POSITION BEFORE_START_POSITION = reinterpret_cast<POSITION>(-1L);
