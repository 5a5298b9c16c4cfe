// The character codes of the older controllers' LCD: names and message texts of an older
// program are stored in these codes. 95 characters have a code; every other has none.
#pragma once

#include "platform/core/Types.h"

// The LCD code of a character, 0 when it has none.
BYTE UnicodeToLcd(TCHAR ch);
// The character of an LCD code, 0 for a code without a character.
TCHAR LcdToUnicode(BYTE byCode);

// The symbols the newer controllers' message texts keep as LCD codes 0x0E to 0x17 (euro,
// degrees Fahrenheit and Celsius, arrows, plus-minus, double bar, block): the code of a
// character, -1 for a character that is no such symbol, and the character of a code, 0 for a
// code that is none.
int LcdSymbolCode(TCHAR ch);
TCHAR LcdSymbolChar(int nCode);
