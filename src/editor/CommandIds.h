// The ids of the commands the diagram view handles, enables or sends, and of its context menu.
// The editor lies below the shell, so they live here; shell/Resource.h includes this header and
// binds the same ids to its menus, toolbar and accelerators.
#pragma once

#include "platform/core/Types.h"

// The diagram view's context menus (six popups).
constexpr UINT IDR_CONTEXT_MENU = 141;

constexpr UINT ID_VIEW_ZOOM_IN = 6020;
constexpr UINT ID_VIEW_ZOOM_OUT = 6021;
constexpr UINT ID_VIEW_PAGE_LAYOUT = 6022;
constexpr UINT ID_EDIT_GOTO_BLOCK = 32709;
// Save All Files answers with a note only; Add System Time Page is reserved and does nothing.
constexpr UINT ID_FILE_SAVE_ALL = 32777;
constexpr UINT ID_CUT_JOIN_CONNECTION = 32780;
constexpr UINT ID_ADD_SYSTEM_TIME_PAGE = 32786;
constexpr UINT ID_WIRE_JOIN = 32787;
constexpr UINT ID_EDIT_SELECTION = 32790;
constexpr UINT ID_PLC_RUNSTOP = 32794;
constexpr UINT ID_OPTIONS_WIRE_COLOR = 32795;
constexpr UINT ID_PLC_CLOCK = 32798;
constexpr UINT ID_CONNECT = 32801;
constexpr UINT ID_TOOLS_SIMULATION = 32802;
constexpr UINT ID_PLC_UPLOAD = 32806;
constexpr UINT ID_PLC_DOWNLOAD = 32807;
constexpr UINT ID_WIRE_SEPARATE = 32809;
constexpr UINT ID_PLC_SUMMER_TIME = 32815;
constexpr UINT ID_OPTIONS_BG_COLOR = 32818;
constexpr UINT ID_PLC_CLEAR_PROGRAM = 32820;
constexpr UINT ID_INSERT_COMMENTS = 32822;
constexpr UINT ID_EDIT_BLOCK_PROPERTIES = 32829;
constexpr UINT ID_PLC_IO_STATUS = 32830;
constexpr UINT ID_GOTO_PARTNER = 32850;
constexpr UINT ID_PLC_WIFI_SETUP = 32853;
// Align Vertically stands the selection in one column (one x), Align Horizontally in one row.
constexpr UINT ID_ALIGN_VERT = 32854;
constexpr UINT ID_ALIGN_HORZ = 32855;
constexpr UINT ID_PLC_REMOTE_WIFI_SETUP = 32856;
