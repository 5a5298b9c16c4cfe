// The colours of the user interface's elements, by the classic indexes. The layer starts with
// the classic light theme; a backend gives them the colours of its own theme, so that what the
// program draws itself matches what the toolkit draws around it.
#pragma once

#include "platform/core/Types.h"

constexpr int COLOR_MENU = 4;
constexpr int COLOR_WINDOW = 5;
constexpr int COLOR_WINDOWTEXT = 8;
constexpr int COLOR_HIGHLIGHT = 13;
constexpr int COLOR_HIGHLIGHTTEXT = 14;
constexpr int COLOR_3DFACE = 15;
constexpr int COLOR_3DSHADOW = 16;
constexpr int COLOR_GRAYTEXT = 17;

// Black for an index the layer does not know.
COLORREF GetSysColor(int nIndex);
// Ignored for an index the layer does not know.
void AfxSetSysColor(int nIndex, COLORREF crColor);
