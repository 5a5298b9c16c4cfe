// Template and control ids of the simulation's message-text display and its in-place
// parameter popup.
#pragma once

#include "platform/core/Types.h"
#include "platform/ui/Msg.h"

constexpr UINT IDD_MSGTXT_DISPLAY = 102;
constexpr UINT IDD_INPLACE_PARAM = 4568;

constexpr int IDC_MTD_GRID = 1123;
constexpr int IDC_MTD_GROUP = 1124;
constexpr int IDC_MTD_DETAILS = 1322;

// The popup's controls.
constexpr int IDC_IPP_VALUE = 1550;
constexpr int IDC_IPP_VALUE2 = 1549;
constexpr int IDC_IPP_SPIN = 1552;
constexpr int IDC_IPP_SPIN2 = 1551;
constexpr int IDC_IPP_REAL_SPIN = 1290;
constexpr int IDC_IPP_LIST = 1548;
constexpr int IDC_IPP_MONTH = 1068;
constexpr int IDC_IPP_DAY = 1069;
constexpr int IDC_IPP_MONTH_SPIN = 1072;
constexpr int IDC_IPP_DAY_SPIN = 1073;
// Day box i (Monday first) is IDC_IPP_DAY_FIRST + i; the cam time's no-time box is the first.
constexpr int IDC_IPP_DAY_FIRST = 1049;

// The redraw timer of a display page and its period: the LCD's refresh, independent of the
// simulation's 25 ms tick.
constexpr UINT_PTR MSGTXT_REDRAW_TIMER = 2;
constexpr UINT MSGTXT_REDRAW_MS = 53;

// Posted to the display sheet to end it once a box of its pages has closed.
constexpr UINT WM_MTD_END = WM_APP + 0x150;

// Registers the two templates once.
void RegisterMsgTxtDisplayTemplates();
