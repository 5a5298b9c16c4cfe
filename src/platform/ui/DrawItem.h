// What the owner of an item it draws itself is handed with WM_DRAWITEM: the item, its state, the
// context to draw with and the item's rectangle in that context. The owner draws everything in
// the rectangle and leaves the context's colours and objects as it found them.
#pragma once

#include "platform/gdi/GdiTypes.h"

constexpr UINT ODT_MENU = 1;

constexpr UINT ODS_SELECTED = 0x0001;
constexpr UINT ODS_GRAYED = 0x0002;

struct DRAWITEMSTRUCT {
    UINT CtlType = ODT_MENU;
    UINT itemID = 0;     // a menu item's command
    UINT itemState = 0;  // ODS_ bits
    HDC hDC = nullptr;
    RECT rcItem{};
};
using LPDRAWITEMSTRUCT = DRAWITEMSTRUCT*;
