// The application's resources: the ids of its menus, toolbar, strings and commands, and the
// registration of the menus, the toolbar and the accelerators with the window layer.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"
#include "platform/ui/Accelerator.h"

// Resources: the no-document menu, toolbar and application name; the FBD document type with its
// menu; the LAD document type (document strings only).
constexpr UINT IDR_MAINFRAME = 128;
constexpr UINT IDR_FBDTYPE = 129;
constexpr UINT IDR_LADTYPE = 130;
// The diagram view's context menus (six popups).
constexpr UINT IDR_CONTEXT_MENU = 141;

// Strings.
constexpr UINT IDS_FRAME_BGCOLOR = 306;
constexpr UINT IDS_WRONG_FILE_TYPE = 377;
constexpr UINT IDS_ZOOM_FORMAT = 565;
constexpr UINT IDS_OPEN_FILTER = 912;
constexpr UINT IDS_TWO_SIMULATIONS = 935;
constexpr UINT IDS_LAD_EXTENSION = 952;
constexpr UINT ID_INDICATOR_ZOOM = 0xE6FF;

// Commands of the application and its frames.
constexpr UINT ID_FILE_LAD_TO_FBD = 3015;
constexpr UINT ID_PLC_MONIT = 1350;
constexpr UINT ID_VIEW_ZOOM_IN = 6020;
constexpr UINT ID_VIEW_ZOOM_OUT = 6021;
constexpr UINT ID_VIEW_PAGE_LAYOUT = 6022;
constexpr UINT ID_OPTIONS_COM_CONFIG = 32773;
constexpr UINT ID_FILE_PROPERTIES = 32779;
constexpr UINT ID_CUT_JOIN_CONNECTION = 32780;
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
constexpr UINT ID_VIEW_OUTPUTS_BAR = 32812;
constexpr UINT ID_VIEW_INPUTS_BAR = 32813;
constexpr UINT ID_PLC_SUMMER_TIME = 32815;
constexpr UINT ID_VIEW_INFO_WINDOW = 32817;
constexpr UINT ID_OPTIONS_BG_COLOR = 32818;
constexpr UINT ID_OPTIONS_SELECT_HARDWARE = 32819;
constexpr UINT ID_PLC_CLEAR_PROGRAM = 32820;
constexpr UINT ID_INSERT_COMMENTS = 32822;
constexpr UINT ID_FILE_NEW_LAD = 32824;
constexpr UINT ID_EDIT_BLOCK_PROPERTIES = 32829;
constexpr UINT ID_PLC_IO_STATUS = 32830;
constexpr UINT ID_OPTIONS_FRAME_BGCOLOR = 32834;
constexpr UINT ID_FILE_MSGTEXT_SETTINGS = 32835;
constexpr UINT ID_GOTO_PARTNER = 32850;
constexpr UINT ID_OPTIONS_LANGUAGE = 32852;
constexpr UINT ID_PLC_WIFI_SETUP = 32853;
// Align Vertically stands the selection in one column (one x), Align Horizontally in one row.
constexpr UINT ID_ALIGN_VERT = 32854;
constexpr UINT ID_ALIGN_HORZ = 32855;
constexpr UINT ID_PLC_REMOTE_WIFI_SETUP = 32856;
constexpr UINT ID_EDIT_GOTO_BLOCK = 32709;
constexpr UINT ID_HELP_CONTENTS = 57667;
constexpr UINT ID_VIEW_SIMULATION_BAR = 59580;

// Registers menus 128 and 129 and toolbar 128 with the window layer. Safe to call again.
void RegisterShellResources();
// The keyboard accelerators of the main frame.
const CAcceleratorTable& ShellAccelerators();
// The text of string nID in the interface language; empty when the string table has none.
CString ResourceString(UINT nID);
// The string-resource caption of a menu command, with its tab-separated accelerator.
CString ShellMenuCaption(UINT nID);
