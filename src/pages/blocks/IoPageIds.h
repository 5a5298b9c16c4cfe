// Template and control ids of the constant and I/O pages and of the simulation page.
#pragma once

#include "platform/core/Types.h"

constexpr UINT IDD_CONSTANTS_IO_PAR = 4576;
constexpr UINT IDD_CONSTANTS_PAR = 4551;
constexpr UINT IDD_SIMULATION = 4567;

// The operand pages.
constexpr int IDC_IO_NUMBER = 1001;
constexpr int IDC_IO_UNIT = 1002;
constexpr int IDC_IO_NUMBER_LABEL = 1003;
constexpr int IDC_IO_UNIT_LABEL = 1004;
constexpr int IDC_IO_HIGH_SPEED = 1215;
constexpr int IDC_IO_STOP_BEHAVIOUR = 1233;
constexpr int IDC_IO_RANGE_TYPE = 1234;
constexpr int IDC_IO_ICON = 1332;

// The simulation page: the four button kinds in their order, then the value rows.
constexpr int IDC_SIM_SWITCH = 1116;
constexpr int IDC_SIM_PUSH_MAKE = 1141;
constexpr int IDC_SIM_PUSH_BREAK = 1118;
constexpr int IDC_SIM_FREQUENCY = 1119;
constexpr int IDC_SIM_AUTO_RANGE = 1137;
constexpr int IDC_SIM_VALUE_LABEL = 1142;
constexpr int IDC_SIM_VALUE = 1553;
constexpr int IDC_SIM_VALUE_SPIN = 1554;
constexpr int IDC_SIM_MIN_LABEL = 1139;
constexpr int IDC_SIM_MIN = 1133;
constexpr int IDC_SIM_MIN_SPIN = 1134;
constexpr int IDC_SIM_MAX_LABEL = 1140;
constexpr int IDC_SIM_MAX = 1135;
constexpr int IDC_SIM_MAX_SPIN = 1136;
constexpr int IDC_SIM_VALUE_I = 1322;
constexpr int IDC_SIM_MIN_I = 1323;
constexpr int IDC_SIM_MAX_I = 1324;

// Keys of the Chinese texts of the operand pages.
constexpr WORD TEXT_KEY_UNIT_LABEL = 156;
constexpr WORD TEXT_KEY_HIGH_SPEED = 157;
constexpr WORD TEXT_KEY_FLAG_NOTE = 168;

// The dialog templates of these pages, registered once.
void RegisterIoPageTemplates();
