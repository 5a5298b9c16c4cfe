// One bit of a 16-bit word, as the shift register and the Boolean block read their registers
// and truth tables.
#pragma once

#include "platform/core/Types.h"

// 1 when bit nBit (0 = least significant) of wValue is set, else 0. A bit outside 0-15 (only a
// damaged record holds one) gives 0 rather than a shift by an out-of-range count.
int GetWordBit(WORD wValue, int nBit);
