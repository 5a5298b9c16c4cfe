// The block type codes that the tabs of the block palette offer, one list per tab and
// controller generation (taken from the palette columns of the block-type table), and the rule
// that picks a tab's list.
#pragma once

#include "platform/core/Types.h"
#include "platform/core/UIntArray.h"

enum PaletteTypeList {
    PALETTE_BASIC,       // "BSC"
    PALETTE_TIMERS,      // "TMR"
    PALETTE_LADDER,      // "I/O" of a LAD document
    PALETTE_IO_OLDER,    // "I/O" of an FBD document, model byte 0x11-0x50
    PALETTE_IO_NEWER,    // "I/O" of an FBD document, model byte 0x51 or more
    PALETTE_MISC_OLDER,  // "Misc", model byte 0x11-0x50
    PALETTE_MISC_NEWER,  // "Misc", model byte 0x51 or more except 0x52
    PALETTE_MISC_WIFI,   // "Misc", model byte 0x52: the newer list and the WiFi blocks
    PALETTE_AUX,         // "Aux"
    PALETTE_MATH,        // "Math"
    PALETTE_PROFILE,     // "Profile"
    PALETTE_LIST_COUNT
};

// The palette tabs in their order.
enum PaletteTab {
    PALETTE_TAB_BSC,
    PALETTE_TAB_TMR,
    PALETTE_TAB_IO,
    PALETTE_TAB_MISC,
    PALETTE_TAB_AUX,
    PALETTE_TAB_MATH,
    PALETTE_TAB_PROFILE,
};

extern CUIntArray g_paletteTypeLists[PALETTE_LIST_COUNT];

// Rebuilds the eleven lists from nothing.
void InitPaletteTypeLists();

// The list that tab nTab shows for a controller of model byte byModel in an FBD or a LAD
// document; -1 when the tab offers nothing (the "I/O" tab of an FBD document and the "Misc" tab
// below model byte 0x11, or a tab index out of range). A LAD document's "BSC" tab offers only
// a part of its list, and older controllers only the first timers: the palette narrows those.
int PaletteListOfTab(int nTab, BYTE byModel, BOOL bLadder);
