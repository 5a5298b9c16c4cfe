#include "shell/VetlaApp.h"

int g_bChineseUI = 0;
int g_bShowAtNewFile = 1;
