// Double-byte characters of the newer controllers' message texts: simplified Chinese in code page
// 936 (GBK) and traditional Chinese in code page 950 (Big5), converted with the C library's
// iconv.
#pragma once

#include "platform/core/Types.h"

enum class MultiBytePage { Gbk936, Big5_950 };

// The character as lead byte x 256 + trail byte; 0 when the page has no double-byte form of it.
WORD ToDoubleByte(TCHAR ch, MultiBytePage page);
// The character of a double-byte code (lead byte x 256 + trail byte); 0 when the page has none.
TCHAR FromDoubleByte(WORD wCode, MultiBytePage page);
