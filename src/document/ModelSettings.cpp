#include "document/ModelSettings.h"

int g_bChineseUI = 0;
