// The application-wide state that the model reads: the interface language, the "Show at new
// file" setting, the block-name table and the hardware series of a hardware code.
#pragma once

#include "platform/core/Map.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

// 1 when the user interface is Chinese.
extern int g_bChineseUI;
// The application-wide "Show at new file" setting copied into each new document.
extern int g_bShowAtNewFile;
// Function-block type code -> its name in square brackets; a type without an entry has none.
extern CMap<int, int, CString, LPCTSTR> g_mapBlockNames;

// The series text and firmware word of a hardware code, by its model byte; returns the
// hardware page's tree item (1, 3, 5, 7, 9), or -1 for an unknown model byte, leaving both
// outputs unchanged.
int GetHardwareSeries(WORD wHardwareCode, CString* pName, WORD* pFirmware);
