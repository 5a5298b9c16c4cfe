// The Chinese captions of the menu bar. Menus are registered with English captions; in the
// Chinese interface the application rewrites the no-document menu at start-up and the document
// menu, which every document shares, once at the first document.
#pragma once

#include "platform/core/Types.h"

class CMenu;

// Rewrites the captions of pMenuBar from the Chinese tables: the top-level captions and the
// captions of the "New" and "Transfer" popups by their English text, then the listed commands
// of the no-document menu (bDocMenus FALSE) or of the document menu by command. An item whose
// text the tables lack keeps its English caption. Popups are found by what they hold, not by
// position, so a menu bar with other items in front translates the same.
void TranslateMenus(CMenu* pMenuBar, BOOL bDocMenus);
