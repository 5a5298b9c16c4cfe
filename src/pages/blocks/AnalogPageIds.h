// Template and control ids of the analog blocks' pages. The sensor-scaling group has the same
// ids on every page that carries it.
#pragma once

#include "platform/core/Types.h"

constexpr UINT IDD_ANALOG_COMPARATOR = 4561;
constexpr UINT IDD_AMATH_MUX = 4580;
constexpr UINT IDD_ARAMP = 4586;
constexpr UINT IDD_PI = 4587;
constexpr UINT IDD_PWM = 4588;

// The sensor-scaling group.
constexpr int IDC_SENSOR = 1082;
constexpr int IDC_RANGE_GROUP = 1083;
constexpr int IDC_RANGE_MIN_LABEL = 1104;
constexpr int IDC_RANGE_MIN = 1092;
constexpr int IDC_RANGE_MIN_SPIN = 1094;
constexpr int IDC_RANGE_MAX_LABEL = 1105;
constexpr int IDC_RANGE_MAX = 1093;
constexpr int IDC_RANGE_MAX_SPIN = 1095;
constexpr int IDC_PARAM_GROUP = 1084;
constexpr int IDC_GAIN_LABEL = 1106;
constexpr int IDC_GAIN = 1021;
constexpr int IDC_GAIN_SPIN = 1022;
constexpr int IDC_GAIN_X100 = 1028;
constexpr int IDC_OFFSET_LABEL = 1107;
constexpr int IDC_OFFSET = 1039;
constexpr int IDC_OFFSET_SPIN = 1040;
constexpr int IDC_UNIT_GROUP = 1085;
constexpr int IDC_CELSIUS = 1087;
constexpr int IDC_FAHRENHEIT = 1088;
constexpr int IDC_RESOLUTION_GROUP = 1086;
constexpr int IDC_RESOLUTION_X1 = 1089;
constexpr int IDC_RESOLUTION_X01 = 1090;
constexpr int IDC_DECIMALS = 1096;
constexpr int IDC_DECIMALS_SPIN = 1097;
constexpr int IDC_DECIMALS_SAMPLE = 1098;

// The two parameter rows of the comparator, ramp, PI and PWM pages.
constexpr int IDC_LIMIT_GROUP = 1091;
constexpr int IDC_LIMIT1_LABEL = 1108;
constexpr int IDC_LIMIT1 = 1023;
constexpr int IDC_LIMIT1_SPIN = 1370;
constexpr int IDC_LIMIT1_REF = 1080;
constexpr UINT IDC_LIMIT1_LIST = 105;
constexpr int IDC_LIMIT2_LABEL = 1109;
constexpr int IDC_LIMIT2 = 1026;
constexpr int IDC_LIMIT2_SPIN = 1027;
constexpr int IDC_LIMIT2_REF = 1014;
constexpr UINT IDC_LIMIT2_LIST = 106;
// Keys of the Chinese captions of the limit rows.
constexpr WORD TEXT_KEY_LIMIT_ON = 1108;
constexpr WORD TEXT_KEY_LIMIT_OFF = 1109;
constexpr WORD TEXT_KEY_LIMIT_UPPER = 139;
constexpr WORD TEXT_KEY_LIMIT_LOWER = 140;
constexpr WORD TEXT_KEY_LIMIT_DIFFERENTIAL = 138;
constexpr WORD TEXT_KEY_REFERENCE = 1546;
constexpr int IDC_RETENTIVE = 1024;

// The ramp.
constexpr int IDC_RAMP_SPEED = 1029;
constexpr int IDC_RAMP_SPEED_SPIN = 1030;
constexpr int IDC_RAMP_MAX_OUTPUT = 1031;
constexpr int IDC_RAMP_MAX_OUTPUT_SPIN = 1032;
constexpr int IDC_RAMP_START_STOP = 1033;
constexpr int IDC_RAMP_START_STOP_SPIN = 1034;

// The PI controller.
constexpr int IDC_PI_MQ_GROUP = 1102;
constexpr int IDC_PI_PARAM_SET = 1099;
constexpr int IDC_PI_KC_LABEL = 1297;
constexpr int IDC_PI_KC = 1029;
constexpr int IDC_PI_KC_SPIN = 1030;
constexpr int IDC_PI_USE_TI = 1031;
constexpr int IDC_PI_TI_MINUTES = 1032;
constexpr int IDC_PI_TI_MINUTES_SPIN = 1033;
constexpr int IDC_PI_TI_COLON = 1299;
constexpr int IDC_PI_TI_SECONDS = 1034;
constexpr int IDC_PI_TI_SECONDS_SPIN = 1035;
constexpr int IDC_PI_TI_UNIT = 1300;
constexpr WORD TEXT_KEY_MINUTES_SECONDS = 171;
constexpr int IDC_PI_DIRECTION_LABEL = 1298;
constexpr int IDC_PI_UP = 1100;
constexpr int IDC_PI_DOWN = 1101;

// The PWM block.
constexpr int IDC_PWM_TIME_GROUP = 1007;
constexpr int IDC_PWM_TIME_HIGH = 1550;
constexpr int IDC_PWM_TIME_HIGH_SPIN = 1552;
constexpr int IDC_PWM_TIME_COLON = 1184;
constexpr int IDC_PWM_TIME_LOW = 1549;
constexpr int IDC_PWM_TIME_LOW_SPIN = 1551;
constexpr int IDC_PWM_TIME_BASE = 1548;
constexpr int IDC_PWM_REF = 1546;
constexpr UINT IDC_PWM_REF_UNIT = 102;
constexpr UINT IDC_PWM_REF_BLOCK = 104;
constexpr int IDC_PWM_OUTPUT_GROUP = 1099;
constexpr int IDC_PWM_OUTPUT = 1325;

// The analog math and multiplexer: per row V1..V4 its caption, value, spin, Reference check
// and block list; operator and priority lists between the rows.
constexpr int AMATH_ROWS = 4;
constexpr int IDC_AMATH_CAPTION[AMATH_ROWS] = {1258, 1265, 1272, 1279};
constexpr int IDC_AMATH_VALUE[AMATH_ROWS] = {1252, 1262, 1269, 1276};
constexpr int IDC_AMATH_SPIN[AMATH_ROWS] = {1253, 1263, 1270, 1277};
constexpr int IDC_AMATH_REF[AMATH_ROWS] = {1254, 1264, 1271, 1278};
constexpr UINT IDC_AMATH_LIST[AMATH_ROWS] = {104, 125, 127, 129};
constexpr int IDC_AMATH_OP_LABEL[3] = {1255, 1267, 1274};
constexpr int IDC_AMATH_OP[3] = {1257, 1251, 1273};
constexpr int IDC_AMATH_PRIO_LABEL[3] = {1256, 1268, 1275};
constexpr int IDC_AMATH_PRIO[3] = {1083, 1084, 1085};
constexpr int IDC_AMATH_EN_LABEL = 1259;
constexpr int IDC_AMATH_EN_ZERO = 1260;
constexpr int IDC_AMATH_EN_LAST = 1261;

// The model byte (high byte of the hardware code) from which a controller takes references.
constexpr int MODEL_BYTE_REFERENCES = 0x51;
