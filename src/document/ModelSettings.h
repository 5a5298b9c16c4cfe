// The application-wide setting that the model reads: the interface language, which chooses the
// names of blocks and parameters. The application sets it at start-up.
#pragma once

// 1 when the user interface is Chinese.
extern int g_bChineseUI;
