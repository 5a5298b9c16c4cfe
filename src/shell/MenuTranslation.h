// The Chinese captions of the menu bar. Menu 128 (no document open) is rewritten at start-up
// and the shared document menu 129 once, at the first document; both only in the Chinese
// interface. Captions come from the tables of ChineseTables.h.
#pragma once

#include "platform/core/Types.h"

class CMenu;

// Rewrites the captions of pMenuBar: the top-level captions and the "New" and "Transfer"
// popups by their English captions, the listed commands by number. bDocMenus FALSE is menu
// 128 with its five menus from position 0; TRUE is menu 129 with its seven menus from position
// nStart (1 while a maximised document window puts its own menu in front). Items the tables
// leave out (Convert to FBD, the recent files, Align, the Inputs and Outputs bars, the WiFi
// set-ups) and captions that are no English key stay as they are, so that a second call
// changes nothing. Items keep their submenus, grey state and check marks.
void TranslateMenuBar(CMenu* pMenuBar, BOOL bDocMenus, int nStart);
