// Template and control ids of the message-text pages and their dialogs.
#pragma once

#include "platform/core/Types.h"

// Templates.
constexpr UINT IDD_MESSAGE_TEXTS = 4564;       // the older controllers' page, 12 x 4
constexpr UINT IDD_MESSAGE_TEXTS_NEW = 4596;   // the newer controllers' page, 24 x 4
constexpr UINT IDD_BAR_GRAPH_SETTING = 382;
constexpr UINT IDD_SCALE_TIME = 383;
constexpr UINT IDD_IO_STATUS_NAME = 384;
constexpr UINT IDD_GRAPH = 385;
constexpr UINT IDD_SPECIAL_CHAR = 381;
constexpr UINT IDD_AI_FILTER = 380;
constexpr UINT IDD_MSG_TEXT_SETTING = 347;

// The pages.
constexpr int IDC_MT_ACKNOWLEDGE = 1068;
constexpr int IDC_MT_DETAILS = 1026;
constexpr int IDC_MT_PRIORITY = 1118;
constexpr int IDC_MT_GRID = 1123;
constexpr int IDC_MT_BLOCK_LIST = 1120;
constexpr int IDC_MT_PARAM_LIST = 1122;
constexpr int IDC_MT_GENERAL_LIST = 1124;
constexpr int IDC_MT_INSERT = 1121;
constexpr int IDC_MT_PRIORITY_LABEL = 1353;
constexpr int IDC_MT_BLOCK_LABEL = 1352;
constexpr int IDC_MT_PARAM_LABEL = 1084;
constexpr int IDC_MT_TEXT_LABEL = 1354;
// Keys of the Chinese text of the parameter list's label: the older page's and the newer's.
constexpr WORD TEXT_KEY_MT_PARAM_LABEL = 1084;
constexpr WORD TEXT_KEY_MT_PARAM_LABEL_NEW = 1423;
constexpr int IDC_MT_SHOW_SET1 = 1380;
constexpr int IDC_MT_SHOW_SET2 = 1381;
constexpr int IDC_MT_ENABLE_SET1 = 1232;
constexpr int IDC_MT_ENABLE_SET2 = 1233;
constexpr int IDC_MT_TICKER_CHAR = 1382;
constexpr int IDC_MT_TICKER_LINE = 1383;
constexpr int IDC_MT_LINE1 = 1234;
constexpr int IDC_MT_LINE2 = 1236;
constexpr int IDC_MT_LINE3 = 1237;
constexpr int IDC_MT_LINE4 = 1238;
constexpr int IDC_MT_SPECIAL = 1395;
constexpr int IDC_MT_BAR = 1396;
constexpr int IDC_MT_AI = 1394;
constexpr int IDC_MT_AM = 1397;
constexpr int IDC_MT_ONOFF = 1398;
constexpr int IDC_MT_SCALE_TIME = 1399;
constexpr int IDC_MT_SCOPE = 1400;
constexpr int IDC_MT_POINTER = 1401;
constexpr int IDC_MT_GRAPH = 1402;

// The bar graph and scale time dialogs.
constexpr int IDC_BG_BLOCK = 1331;
constexpr int IDC_BG_ACTUAL = 1396;
constexpr int IDC_BG_MIN = 1133;
constexpr int IDC_BG_MAX = 1135;
constexpr int IDC_BG_WIDTH = 1137;
constexpr int IDC_BG_MIN_SPIN = 1134;
constexpr int IDC_BG_MAX_SPIN = 1136;
constexpr int IDC_BG_WIDTH_SPIN = 1138;
constexpr int IDC_BG_WIDTH_LABEL = 1416;
constexpr int IDC_BG_GROUP = 1417;
constexpr int IDC_BG_UNIT = 1278;
constexpr int IDC_ST_TIME_BASE = 1277;

// The I/O status name dialog.
constexpr int IDC_IOSN_TYPE = 1400;
constexpr int IDC_IOSN_ITEM = 1401;

// The graph picker: graph i is button IDC_GRAPH_FIRST + i.
constexpr int IDC_GRAPH_FIRST = 1422;
constexpr int GRAPH_COUNT = 30;
constexpr int IDC_GRAPH_PREVIEW = 1452;

// The special-character palette: character i is button IDC_SPECIAL_FIRST + i.
constexpr int IDC_SPECIAL_FIRST = 1396;
constexpr int SPECIAL_CHAR_COUNT = 10;

// The item-selection dialog.
constexpr int IDC_AIF_LABEL = 1424;
constexpr int IDC_AIF_LIST = 1395;

// The Message Text Setting dialog.
constexpr int IDC_MTS_CHARSET1 = 1339;
constexpr int IDC_MTS_CHARSET2 = 1340;
constexpr int IDC_MTS_DEFAULT1 = 1380;
constexpr int IDC_MTS_DEFAULT2 = 1381;
constexpr int IDC_MTS_FILTER = 1338;
constexpr int IDC_MTS_SCOPE_TIME = 1283;
constexpr int IDC_MTS_TICKER_CHAR = 1336;
constexpr int IDC_MTS_TICKER_LINE = 1551;
constexpr int IDC_MTS_SCOPE_SPIN = 1285;
constexpr int IDC_MTS_TICKER_SPIN = 1337;
constexpr int IDC_MTS_LABEL1 = 1382;
constexpr int IDC_MTS_LABEL2 = 1383;

// Registers the templates above once.
void RegisterMessageTextTemplates();
