// The application's resources: the ids of its menus, toolbar, strings and commands, and the
// registration of the menus, the toolbar and the accelerators with the window layer.
#pragma once

#include "editor/CommandIds.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"
#include "platform/ui/Accelerator.h"

// Resources: the no-document menu, toolbar and application name; the FBD document type with its
// menu; the LAD document type (document strings only).
constexpr UINT IDR_MAINFRAME = 128;
constexpr UINT IDR_FBDTYPE = 129;
constexpr UINT IDR_LADTYPE = 130;

// Strings.
constexpr UINT IDS_FRAME_BGCOLOR = 306;
constexpr UINT IDS_WRONG_FILE_TYPE = 377;
constexpr UINT IDS_ZOOM_FORMAT = 565;
constexpr UINT IDS_OPEN_FILTER = 912;
constexpr UINT IDS_TWO_SIMULATIONS = 935;
constexpr UINT IDS_LAD_EXTENSION = 952;
constexpr UINT ID_INDICATOR_ZOOM = 0xE6FF;

// Commands of the application and its frames; those the diagram view handles or sends are in
// editor/CommandIds.h.
constexpr UINT ID_FILE_LAD_TO_FBD = 3015;
constexpr UINT ID_PLC_MONIT = 1350;
constexpr UINT ID_OPTIONS_COM_CONFIG = 32773;
constexpr UINT ID_FILE_PROPERTIES = 32779;
constexpr UINT ID_VIEW_OUTPUTS_BAR = 32812;
constexpr UINT ID_VIEW_INPUTS_BAR = 32813;
constexpr UINT ID_VIEW_INFO_WINDOW = 32817;
constexpr UINT ID_OPTIONS_SELECT_HARDWARE = 32819;
constexpr UINT ID_FILE_NEW_LAD = 32824;
constexpr UINT ID_OPTIONS_FRAME_BGCOLOR = 32834;
constexpr UINT ID_FILE_MSGTEXT_SETTINGS = 32835;
constexpr UINT ID_OPTIONS_LANGUAGE = 32852;
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
