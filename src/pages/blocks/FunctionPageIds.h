// Template and control ids of the pages of the data log, the astronomical clock, the register
// and pulse blocks, the quadratic equation, the math-error detection, the stopwatch and math
// functions, and the up/down counter. Control ids repeat between templates as the pages share
// rows; the shared ones (name, protection) are in pages/sheet/PageIds.h.
#pragma once

#include "platform/core/Types.h"

constexpr UINT IDD_UPDOWN_COUNTER = 4558;
constexpr UINT IDD_ASTRO_CLOCK = 4581;
constexpr UINT IDD_STOPWATCH = 4582;
constexpr UINT IDD_MATH_ERROR = 4585;
constexpr UINT IDD_ARRMXIV = 4591;
constexpr UINT IDD_QUAD = 4592;
constexpr UINT IDD_DATALOG = 4595;

// Rows several of these pages share.
constexpr int IDC_RETENTIVITY = 1024;
constexpr int IDC_AMPLIFICATION = 1289;
constexpr int IDC_AMPLIFICATION_LABEL = 1324;
constexpr int IDC_AMPLIFICATION_SPIN = 1290;
constexpr int IDC_SELECTOR = 1277;
constexpr int IDC_SELECTOR_LABEL = 1278;
constexpr int IDC_PAGE_PROTECTION = 1269;
constexpr int IDC_PAGE_RETENTIVITY = 1276;
constexpr int IDC_REFERENCE = 1546;
constexpr int IDC_REFERENCE2 = 1547;
constexpr int IDC_REFERENCE_COMBO = 104;
constexpr int IDC_REFERENCE_COMBO2 = 125;

// Data log.
constexpr int IDC_LOG_ITEMS = 1000;
constexpr int IDC_LOG_BLOCK_LABEL = 1119;
constexpr int IDC_LOG_PARAM_LABEL = 1084;
// The key of the Chinese text "Block" of list captions.
constexpr WORD TEXT_KEY_BLOCK_LABEL = 1352;
constexpr int IDC_LOG_SOURCES = 1120;
constexpr int IDC_LOG_ADD = 1121;
constexpr int IDC_LOG_PARAMS = 1122;
constexpr int IDC_LOG_REMOVE = 1123;

// Astronomical clock.
constexpr int IDC_AC_LOCATION_NAME = 1006;
constexpr int IDC_AC_ZONE = 1270;
constexpr int IDC_AC_LONG_DEGREE = 1271;
constexpr int IDC_AC_LONG_MINUTE = 1272;
constexpr int IDC_AC_LONG_SECOND = 1555;
constexpr int IDC_AC_LAT_DEGREE = 1558;
constexpr int IDC_AC_LAT_MINUTE = 1560;
constexpr int IDC_AC_LAT_SECOND = 1562;
constexpr int IDC_AC_LONG_SIDE = 1557;
constexpr int IDC_AC_LAT_SIDE = 1564;
constexpr int IDC_AC_LOCATION = 1565;
constexpr int IDC_AC_SAVE = 1268;
constexpr int IDC_AC_REMOVE = 1267;
constexpr int IDC_AC_NAME_LABEL = 1275;
constexpr int IDC_AC_LONG_DEGREE_SPIN = 1273;
constexpr int IDC_AC_LONG_MINUTE_SPIN = 1274;
constexpr int IDC_AC_LONG_SECOND_SPIN = 1556;
constexpr int IDC_AC_LAT_DEGREE_SPIN = 1559;
constexpr int IDC_AC_LAT_MINUTE_SPIN = 1561;
constexpr int IDC_AC_LAT_SECOND_SPIN = 1563;

// Register range and pulse output.
constexpr int IDC_ARR_MODE = 1317;
constexpr int IDC_ARR_ADDRESS = 1318;
constexpr int IDC_ARR_AREA = 1319;
constexpr int IDC_ARR_COUNT = 1320;
constexpr int IDC_ARR_AREA_LABEL = 1321;
constexpr int IDC_ARR_COUNT_LABEL = 1322;
constexpr WORD TEXT_KEY_DATA_ADDRESS = 1361;
constexpr WORD TEXT_KEY_COUNT = 1359;
constexpr int IDC_ARR_STEPS = 1323;
constexpr int IDC_ARR_MODE_LABEL = 1324;
constexpr int IDC_ARR_STEPS_LABEL = 1325;
constexpr int IDC_ARR_SPEED_TEXT = 1326;
constexpr int IDC_ARR_STEP_TIME = 1327;

// Quadratic equation.
constexpr int IDC_QUAD_A = 1291;
constexpr int IDC_QUAD_B = 1293;
constexpr int IDC_QUAD_C = 1295;
// The spin of each coefficient follows its edit.
constexpr int IDC_QUAD_A_SPIN = 1292;
constexpr int IDC_QUAD_B_SPIN = 1294;
constexpr int IDC_QUAD_C_SPIN = 1296;

// Math-error detection.
constexpr int IDC_MATHERR_ZERO_DIVISION = 1291;
constexpr int IDC_MATHERR_AUTO_RESET = 1279;
constexpr int IDC_MATHERR_BLOCKS = 1294;

// Up/down counter.
constexpr int IDC_COUNTER_REF_OFF = 1014;
constexpr int IDC_COUNTER_ON = 1076;
constexpr int IDC_COUNTER_REF_ON = 1080;
constexpr int IDC_COUNTER_OFF = 1131;
constexpr int IDC_COUNTER_START = 1133;
constexpr int IDC_COUNTER_START_LABEL = 1238;
constexpr int IDC_COUNTER_SOURCE_LABEL = 1239;
constexpr int IDC_COUNTER_SOURCE = 1328;
constexpr int IDC_COUNTER_ON_GROUP = 1344;
constexpr int IDC_COUNTER_OFF_GROUP = 1345;
constexpr int IDC_COUNTER_REF_ON_COMBO = 105;
constexpr int IDC_COUNTER_REF_OFF_COMBO = 106;
constexpr int IDC_COUNTER_ON_SPIN = 1078;
constexpr int IDC_COUNTER_OFF_SPIN = 1132;
constexpr int IDC_COUNTER_START_SPIN = 1134;
