// The application-wide state that the model reads: the interface language and the "Show at
// new file" setting. The block-name table and the hardware series, which the model reads
// through this header too, have headers of their own.
#pragma once

#include "shell/BlockNameMap.h"
#include "shell/HardwareSeries.h"

// 1 when the user interface is Chinese.
extern int g_bChineseUI;
// The application-wide "Show at new file" setting copied into each new document.
extern int g_bShowAtNewFile;
