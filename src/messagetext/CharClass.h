// The character classes of the LCD text editors. The controller's LCD has two character sets:
// the Chinese one, whose characters take two cells, and an extended single-cell set (accented
// Latin, Greek, Cyrillic, Hebrew, Thai, Vietnamese). Typing, pasting and the character-set
// switch of the message-text pages ask which of them a character belongs to.
#pragma once

#include "platform/core/Types.h"

// Plain ASCII and everything neither set holds.
constexpr int CHARCLASS_OTHER = 0;
// A character of the Chinese set: two LCD cells.
constexpr int CHARCLASS_DOUBLE_WIDTH = 1;
// A character of the extended single-cell set.
constexpr int CHARCLASS_EXTENDED = 2;

int GetCharClass(UINT nCodePoint);
