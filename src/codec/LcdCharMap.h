// The character codes of the older controllers' LCD: names and message texts of an older
// program are stored in these codes. 95 characters have a code; every other has none.
#pragma once

#include "platform/core/Types.h"

// The LCD code of a character, 0 when it has none.
BYTE UnicodeToLcd(TCHAR ch);
// The character of an LCD code, 0 for a code without a character.
TCHAR LcdToUnicode(BYTE byCode);
