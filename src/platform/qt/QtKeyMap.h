// Qt key codes to virtual-key codes.
#pragma once

#include "platform/core/Types.h"

// The virtual key of a Qt key (Qt::Key value); bKeypad for keys of the numeric keypad. 0 when
// the key has no virtual-key code.
UINT VirtualKeyFromQtKey(int nQtKey, bool bKeypad);
