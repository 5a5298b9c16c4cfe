// Template and control ids of the timer, clock, counter and average pages.
#pragma once

#include "platform/core/Types.h"

// Templates.
constexpr UINT IDD_SPECIAL_FUN_PAR = 4565;
constexpr UINT IDD_SPECIAL_FUN_PAR2 = 4552;
constexpr UINT IDD_WEEKLY_CAMS = 4555;
constexpr UINT IDD_WEEKLY_GENERAL = 4556;
constexpr UINT IDD_YEARLY_TIMER = 4557;

// The time values: time 1 (the single time, TH) and time 2 (TL).
constexpr int IDC_TIME1_GROUP = 1007;
constexpr int IDC_TIME1_HIGH = 1550;
constexpr int IDC_TIME1_HIGH_SPIN = 1552;
constexpr int IDC_TIME1_COLON = 1184;
constexpr int IDC_TIME1_LOW = 1549;
constexpr int IDC_TIME1_LOW_SPIN = 1551;
constexpr int IDC_TIME1_BASE = 1548;
constexpr int IDC_TIME1_REFERENCE = 1546;
constexpr UINT IDC_TIME1_UNIT_LIST = 102;
constexpr UINT IDC_TIME1_BLOCK_LIST = 104;
constexpr int IDC_TIME2_GROUP = 1015;
constexpr int IDC_TIME2_HIGH = 1017;
constexpr int IDC_TIME2_HIGH_SPIN = 1018;
constexpr int IDC_TIME2_COLON = 1185;
constexpr int IDC_TIME2_LOW = 1019;
constexpr int IDC_TIME2_LOW_SPIN = 1020;
constexpr int IDC_TIME2_BASE = 1016;
constexpr int IDC_TIME2_REFERENCE = 1547;
constexpr UINT IDC_TIME2_UNIT_LIST = 126;
constexpr UINT IDC_TIME2_BLOCK_LIST = 125;
constexpr int IDC_RETENTIVE = 1024;
// The edge triggered wiping relay's number of pulse cycles ("1" to "9").
constexpr int IDC_PULSE_CYCLES_LABEL = 1200;
constexpr int IDC_PULSE_CYCLES = 1013;

// The weekly timer: the general page's pulse output, and a cam page's days and times.
constexpr int IDC_PULSE_OUTPUT = 1076;
constexpr int IDC_WEEKDAY_GROUP = 1048;
constexpr int IDC_MONDAY = 1049;  // to IDC_MONDAY + 6, Sunday
constexpr int IDC_CAM_ON_GROUP = 1057;
constexpr int IDC_CAM_ON_HOUR = 1058;
constexpr int IDC_CAM_ON_HOUR_SPIN = 1060;
constexpr int IDC_CAM_ON_MINUTE = 1019;
constexpr int IDC_CAM_ON_MINUTE_SPIN = 1020;
constexpr int IDC_CAM_ON_DISABLE = 1056;
constexpr int IDC_CAM_OFF_GROUP = 1061;
constexpr int IDC_CAM_OFF_HOUR = 1062;
constexpr int IDC_CAM_OFF_HOUR_SPIN = 1063;
constexpr int IDC_CAM_OFF_MINUTE = 1021;
constexpr int IDC_CAM_OFF_MINUTE_SPIN = 1022;
constexpr int IDC_CAM_OFF_DISABLE = 1065;

// The yearly timer.
constexpr int IDC_YT_ON_MONTH = 1068;
constexpr int IDC_YT_ON_DAY = 1069;
constexpr int IDC_YT_OFF_MONTH = 1070;
constexpr int IDC_YT_OFF_DAY = 1071;
constexpr int IDC_YT_ON_MONTH_SPIN = 1072;
constexpr int IDC_YT_ON_DAY_SPIN = 1073;
constexpr int IDC_YT_OFF_MONTH_SPIN = 1074;
constexpr int IDC_YT_OFF_DAY_SPIN = 1075;
constexpr int IDC_YT_MONTHLY = 1066;
constexpr int IDC_YT_YEARLY = 1077;
constexpr int IDC_YT_ON_YEAR = 1078;
constexpr int IDC_YT_ON_YEAR_SPIN = 1079;
constexpr int IDC_YT_OFF_YEAR = 1080;
constexpr int IDC_YT_OFF_YEAR_SPIN = 1081;
constexpr int IDC_YT_ON_YEAR_GROUP = 1239;
constexpr int IDC_YT_ON_YEAR_LABEL = 1240;
constexpr int IDC_YT_OFF_YEAR_GROUP = 1062;
constexpr int IDC_YT_OFF_YEAR_LABEL = 1241;
constexpr int IDC_YT_ON_DATE_LABEL = 1342;
constexpr int IDC_YT_OFF_DATE_LABEL = 1343;
constexpr int IDC_YT_ON_CALENDAR = 1322;
constexpr int IDC_YT_OFF_CALENDAR = 1323;

// Keys of the Chinese tab titles of the weekly timer's pages.
constexpr WORD TEXT_KEY_WEEKLY_GENERAL = 175;
constexpr WORD TEXT_KEY_CAM_TITLES[] = {146, 148, 149};

// The average value.
constexpr UINT IDD_AVGVAL = 4583;
constexpr int IDC_AVG_TIME = 1283;
constexpr int IDC_AVG_TIME_SPIN = 1285;
constexpr int IDC_AVG_UNIT = 1288;
constexpr int IDC_AVG_REFERENCE = 1287;
constexpr int IDC_AVG_SAMPLES = 1284;
constexpr int IDC_AVG_SAMPLES_SPIN = 1286;
constexpr int IDC_AVG_RETENTIVE = 1276;
constexpr int IDC_AVG_PROTECTION = 1269;

// The threshold trigger.
constexpr UINT IDD_THRESHOLD_TRIGGER = 4560;
constexpr int IDC_TT_ON = 1076;
constexpr int IDC_TT_ON_SPIN = 1078;
constexpr int IDC_TT_OFF = 1243;
constexpr int IDC_TT_OFF_SPIN = 1244;
constexpr int IDC_TT_SECONDS = 1131;
constexpr int IDC_TT_SECONDS_SPIN = 1132;
constexpr int IDC_TT_COLON = 1185;
constexpr int IDC_TT_HUNDREDTHS = 1550;
constexpr int IDC_TT_HUNDREDTHS_SPIN = 1552;
constexpr int IDC_TT_UNIT_LABEL = 1245;
constexpr int IDC_TT_THRESHOLD_GROUP = 1349;
constexpr int IDC_TT_ON_LABEL = 1342;
constexpr int IDC_TT_OFF_LABEL = 1343;
constexpr int IDC_TT_TIME_GROUP = 1350;
// Keys of the unit's Chinese text: seconds, and milliseconds with a reference.
constexpr WORD TEXT_KEY_TT_SECONDS = 172;
constexpr WORD TEXT_KEY_TT_MILLISECONDS = 1212;
constexpr int IDC_TT_REFERENCE = 1546;
constexpr UINT IDC_TT_BLOCK_LIST = 125;

// The stairway and multi-function switches: T (off delay), TL (permanent light, the
// multi-function switch's), the pre-warning time T! and period T!L, and the standard values.
constexpr UINT IDD_SPECIAL_PAR3 = 4553;
constexpr UINT IDD_SPECIAL_PAR4 = 4554;
constexpr int IDC_SW_T_GROUP = 1007;
constexpr int IDC_SW_T_COLON = 1186;
constexpr int IDC_SW_TL_GROUP = 1015;
constexpr int IDC_SW_STANDARD = 1026;
constexpr int IDC_SW_WARN_GROUP = 1013;
constexpr int IDC_SW_WARN_HIGH = 1023;
constexpr int IDC_SW_WARN_HIGH_SPIN = 1027;
constexpr int IDC_SW_WARN_COLON = 1185;
constexpr int IDC_SW_WARN_LOW = 1028;
constexpr int IDC_SW_WARN_LOW_SPIN = 1029;
constexpr int IDC_SW_WARN_UNIT = 1237;
constexpr int IDC_SW_WARN_REFERENCE = 1553;
constexpr UINT IDC_SW_WARN_BLOCK_LIST = 127;
constexpr int IDC_SW_PERIOD_GROUP = 1031;
constexpr int IDC_SW_PERIOD_HIGH = 1033;
constexpr int IDC_SW_PERIOD_HIGH_SPIN = 1034;
constexpr int IDC_SW_PERIOD_COLON = 1187;
constexpr int IDC_SW_PERIOD_LOW = 1035;
constexpr int IDC_SW_PERIOD_LOW_SPIN = 1036;
constexpr int IDC_SW_PERIOD_UNIT = 1238;
constexpr int IDC_SW_PERIOD_REFERENCE = 1554;
constexpr UINT IDC_SW_PERIOD_BLOCK_LIST = 129;

// The hours counter.
constexpr UINT IDD_HOURS_COUNTER = 4559;
constexpr int IDC_HC_MI_HOURS = 1076;
constexpr int IDC_HC_MI_HOURS_SPIN = 1078;
constexpr int IDC_HC_MI_COLON = 1184;
constexpr int IDC_HC_MI_MINUTES = 1243;
constexpr int IDC_HC_MI_MINUTES_SPIN = 1244;
constexpr int IDC_HC_MI_UNIT = 1245;
constexpr int IDC_HC_REFERENCE = 1546;
constexpr UINT IDC_HC_BLOCK_LIST = 104;
constexpr int IDC_HC_OT_HOURS = 1131;
constexpr int IDC_HC_OT_HOURS_SPIN = 1132;
constexpr int IDC_HC_OT_COLON = 1185;
constexpr int IDC_HC_OT_MINUTES = 1550;
constexpr int IDC_HC_OT_MINUTES_SPIN = 1552;
constexpr int IDC_HC_OT_UNIT = 1348;
constexpr int IDC_HC_OUTPUT_NOT_ZERO = 1026;
constexpr int IDC_HC_MI_GROUP = 1346;
constexpr int IDC_HC_OT_GROUP = 1347;
