// The kinds a wire joins: which source kind may feed which destination kind (the kinds of a type
// are columns of the block-type table). An analog signal and a digital one never share a wire; a
// connector fits either until the block behind it decides.
#pragma once

#include "blocks/BlockTypeTable.h"

bool WireKindsFit(WireSourceKind source, WireDestKind dest);
