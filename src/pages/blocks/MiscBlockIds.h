// Template and control ids of the pages of the word, relay, memory and communication blocks
// (mask, max/min and shift, relay and conversion, memory, Modbus, user-defined communication,
// WiFi) and of the coil-state dialog.
#pragma once

#include "platform/core/Types.h"

constexpr UINT IDD_SET_COIL_STATE = 223;
constexpr UINT IDD_MISC_RELAY = 4562;
constexpr UINT IDD_MODBUS = 4574;
constexpr UINT IDD_MAXMIN = 4584;
constexpr UINT IDD_UDC = 4590;
constexpr UINT IDD_MASK = 4593;
constexpr UINT IDD_MEM = 4594;
constexpr UINT IDD_WIFI = 4597;

// The reference list a page makes over its value control.
constexpr UINT IDC_REFERENCE_LIST = 104;
constexpr int IDC_REFERENCE_BUTTON = 1546;
// The one parameter of the mask and max/min pages, with its group, spin and "(Hex)" label.
constexpr int IDC_PARAM_VALUE = 1289;
constexpr int IDC_PARAM_SPIN = 1290;
constexpr int IDC_PARAM_GROUP = 1007;
constexpr int IDC_HEX_LABEL = 1330;
// The mask page's bit-mask dialog; the Modbus page's coil-state dialog.
constexpr int IDC_SETTING_BUTTON = 1183;
constexpr int IDC_PROTECT_ACTIVE = 1269;
constexpr int IDC_RETENTIVE = 1276;
constexpr int IDC_RESET_ON_DISABLE = 1008;
// The max/min page's four lines on the modes.
constexpr int IDC_MODE_TEXT_FIRST = 1303;
constexpr int MODE_TEXT_LINES = 4;

// Relay and conversion page.
constexpr int IDC_RETENTIVITY = 1024;
constexpr int IDC_PRIORITY_R = 1110;
constexpr int IDC_PRIORITY_S = 1111;
constexpr int IDC_SREG_BIT = 1112;
constexpr int IDC_SREG_BIT_LABEL = 1113;
constexpr int IDC_SREG_INDEX = 1114;
constexpr int IDC_SREG_INDEX_LABEL = 1115;

// Memory page.
constexpr int IDC_MEM_TYPE = 1319;
constexpr int IDC_MEM_BLOCK = 1331;
constexpr int IDC_MEM_BLOCK_LABEL = 1321;
constexpr WORD TEXT_KEY_MEM_BLOCK_LABEL = 1352;
constexpr int IDC_MEM_INDEX = 1320;

// Modbus page.
constexpr int IDC_CYCLE = 1307;
constexpr int IDC_CYCLE_LABEL = 1326;
constexpr int IDC_CYCLE_NOTE = 1327;
constexpr int IDC_SLAVE = 1082;
constexpr int IDC_PORT = 1178;
constexpr int IDC_COMMAND = 1179;
constexpr int IDC_REGISTER = 1083;
constexpr int IDC_COUNT = 1084;
constexpr int IDC_MODE_AUTO = 1180;
constexpr int IDC_MODE_MANUAL = 1181;
constexpr int IDC_DATA_KIND = 1182;
constexpr int IDC_DATA_NUMBER = 1085;
constexpr int IDC_DATA_FIRST = 1087;
constexpr int IDC_DATA_SECOND = 1086;
constexpr int IDC_SLAVE_LABEL = 1355;
constexpr int IDC_PORT_LABEL = 1356;
constexpr int IDC_COMMAND_LABEL = 1357;
constexpr int IDC_REGISTER_LABEL = 1358;
constexpr int IDC_COUNT_LABEL = 1359;
constexpr int IDC_WRITING_MODE_GROUP = 1360;
constexpr int IDC_DATA_ADDRESS_LABEL = 1361;
// The coil-state dialog: coil b is the box IDC_COIL_FIRST + b.
constexpr int IDC_COIL_FIRST = 1215;
constexpr int COIL_BOXES = 32;

// User-defined communication page.
constexpr int IDC_UDC_TX_START_CHECK = 1232;
constexpr int IDC_UDC_TX_END_CHECK = 1233;
constexpr int IDC_UDC_RX_END_CHECK = 1234;
constexpr int IDC_UDC_RX_START_CHECK = 1235;
constexpr int IDC_UDC_TX_START = 1308;
constexpr int IDC_UDC_TX_END = 1088;
constexpr int IDC_UDC_RX_START = 1311;
constexpr int IDC_UDC_RX_END = 1089;
constexpr int IDC_UDC_TX_AREA = 1310;
constexpr int IDC_UDC_RX_AREA = 1312;
constexpr int IDC_UDC_TX_WORDS = 1309;
constexpr int IDC_UDC_RX_WORDS = 1313;
constexpr int IDC_UDC_TX_NUMBER = 1314;
constexpr int IDC_UDC_RX_NUMBER = 1315;

// WiFi page.
constexpr int IDC_WIFI_STATION = 1433;
constexpr int IDC_WIFI_VM = 1434;
constexpr int IDC_WIFI_DIAGNOSTIC = 1112;
constexpr int IDC_WIFI_GROUP = 1437;
constexpr int IDC_WIFI_ID_LABEL = 1436;
constexpr int IDC_WIFI_ID = 1435;
constexpr int IDC_WIFI_TYPE_LABEL = 1372;
constexpr int IDC_WIFI_TYPE = 1319;
constexpr int IDC_WIFI_NUMBER_LABEL = 1373;
constexpr int IDC_WIFI_NUMBER = 1550;
