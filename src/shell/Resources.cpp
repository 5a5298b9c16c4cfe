// The application's menus, toolbar and accelerators as data; its texts are in the program's
// string table.
#include "shell/Resource.h"
#include "shell/ToolBarIcons.h"

#include "platform/ui/FrameIds.h"
#include "platform/ui/Menu.h"
#include "platform/ui/ToolBar.h"

CString ResourceString(UINT nID)
{
    CString strText;
    strText.LoadString(nID);
    return strText;
}

CString ShellMenuCaption(UINT nID)
{
    // The strings give "caption   Ctrl+X" with blanks; a menu item separates its accelerator
    // text with a tab.
    CString strText = ResourceString(nID);
    const int nGap = strText.Find(_T("   "));
    if (nGap < 0)
        return strText;
    CString strKey = strText.Mid(nGap);
    strKey.TrimLeft();
    return strText.Left(nGap) + _T("\t") + strKey;
}

void RegisterShellResources()
{
    AfxRegisterMenuResource(IDR_MAINFRAME, {
        {MF_POPUP, 0, _T("&File")},
        {MF_POPUP, 0, _T("New")},
        {0, ID_FILE_NEW, _T("Function block diagram(FBD)\tCtrl+N")},
        {MF_END, ID_FILE_NEW_LAD, _T("Ladder diagram(LAD)")},
        {0, ID_FILE_OPEN, _T("&Open...\tCtrl+O")},
        {MF_SEPARATOR, 0, nullptr},
        {0, ID_FILE_MRU_FILE1, _T("Recent File")},
        {MF_SEPARATOR, 0, nullptr},
        {MF_END, ID_APP_EXIT, _T("E&xit")},
        {MF_POPUP, 0, _T("&View")},
        {0, ID_VIEW_TOOLBAR, _T("&Toolbar")},
        {MF_END, ID_VIEW_STATUS_BAR, _T("&Status Bar")},
        {MF_POPUP, 0, _T("&Tools")},
        {MF_POPUP, 0, _T("Transfer")},
        {MF_END, ID_PLC_UPLOAD, _T("Device->PC\tCtrl+U")},
        {0, ID_PLC_CLOCK, _T("Clock Setting/Calibration")},
        {0, ID_PLC_SUMMER_TIME, _T("SummerTime/WinterTime")},
        {0, ID_PLC_CLEAR_PROGRAM, _T("Clear User Program and Password")},
        {0, ID_PLC_IO_STATUS, _T("I/O Status...")},
        {0, ID_PLC_WIFI_SETUP, _T("WiFi Setup(77XX only)")},
        {MF_END, ID_PLC_REMOTE_WIFI_SETUP, _T("Remote Control WiFi Setup(7450 only)")},
        {MF_POPUP, 0, _T("&Options")},
        {0, ID_OPTIONS_COM_CONFIG, _T("COM &Configuration")},
        {0, ID_OPTIONS_LANGUAGE, _T("Language")},
        {MF_END, ID_OPTIONS_FRAME_BGCOLOR, _T("Set Frame Window BGColor")},
        {MF_POPUP | MF_END, 0, _T("&Help")},
        {0, ID_HELP_CONTENTS, _T("&Contents")},
        {MF_END, ID_APP_ABOUT, _T("&About...")},
    });
    AfxRegisterMenuResource(IDR_FBDTYPE, {
        {MF_POPUP, 0, _T("&File")},
        {MF_POPUP, 0, _T("New")},
        {0, ID_FILE_NEW, _T("Function block diagram(FBD)\tCtrl+N")},
        {MF_END, ID_FILE_NEW_LAD, _T("Ladder diagram(LAD)")},
        {0, ID_FILE_OPEN, _T("&Open...\tCtrl+O")},
        {0, ID_FILE_CLOSE, _T("&Close")},
        {0, ID_FILE_SAVE, _T("&Save\tCtrl+S")},
        {0, ID_FILE_SAVE_AS, _T("Save &As...")},
        {MF_SEPARATOR, 0, nullptr},
        {0, ID_FILE_LAD_TO_FBD, _T("Convert to FBD")},
        {0, ID_FILE_PROPERTIES, _T("Properties")},
        {0, ID_FILE_MSGTEXT_SETTINGS, _T("Message Text Settings...")},
        {MF_SEPARATOR, 0, nullptr},
        {0, ID_FILE_PRINT, _T("&Print...\tCtrl+P")},
        {0, ID_FILE_PRINT_PREVIEW, _T("Print Pre&view")},
        {0, ID_FILE_PAGE_SETUP, _T("Page Setup")},
        {MF_SEPARATOR, 0, nullptr},
        {0, ID_FILE_MRU_FILE1, _T("Recent File")},
        {MF_SEPARATOR, 0, nullptr},
        {MF_END, ID_APP_EXIT, _T("E&xit")},
        {MF_POPUP, 0, _T("&Edit")},
        {0, ID_EDIT_UNDO, _T("&Undo\tCtrl+Z")},
        {0, ID_EDIT_REDO, _T("&Redo\tCtrl+Y")},
        {MF_SEPARATOR, 0, nullptr},
        {0, ID_EDIT_CUT, _T("Cu&t\tCtrl+X")},
        {0, ID_EDIT_COPY, _T("&Copy\tCtrl+C")},
        {0, ID_EDIT_PASTE, _T("&Paste\tCtrl+V")},
        {0, ID_EDIT_CLEAR, _T("&Delete\tDelete")},
        {0, ID_EDIT_SELECT_ALL, _T("Select &All\tCtrl+A")},
        {MF_SEPARATOR, 0, nullptr},
        {0, ID_EDIT_BLOCK_PROPERTIES, _T("Block Pr&operties...")},
        {0, ID_EDIT_GOTO_BLOCK, _T("&Go To Block...\tCtrl+G")},
        {MF_POPUP | MF_END, 0, _T("Align")},
        {0, ID_ALIGN_VERT, _T("Align Vertically")},
        {MF_END, ID_ALIGN_HORZ, _T("Align Horizontally")},
        {MF_POPUP, 0, _T("&View")},
        {0, ID_VIEW_TOOLBAR, _T("&Toolbar")},
        {0, ID_VIEW_STATUS_BAR, _T("&Status Bar")},
        {0, ID_VIEW_SIMULATION_BAR, _T("Simulation Bar")},
        {0, ID_VIEW_INFO_WINDOW, _T("Infomation Window")},
        {0, ID_VIEW_INPUTS_BAR, _T("Inputs Bar")},
        {0, ID_VIEW_OUTPUTS_BAR, _T("Outputs Bar")},
        {MF_SEPARATOR, 0, nullptr},
        {0, ID_VIEW_ZOOM_IN, _T("Zoom In")},
        {0, ID_VIEW_ZOOM_OUT, _T("Zoom Out")},
        {MF_END, ID_VIEW_PAGE_LAYOUT, _T("Page Layout")},
        {MF_POPUP, 0, _T("&Tools")},
        {MF_POPUP, 0, _T("Transfer")},
        {0, ID_PLC_DOWNLOAD, _T("PC->Device\tCtrl+D")},
        {MF_END, ID_PLC_UPLOAD, _T("Device->PC\tCtrl+U")},
        {0, ID_PLC_CLOCK, _T("Clock Setting/Calibration")},
        {0, ID_PLC_SUMMER_TIME, _T("SummerTime/WinterTime")},
        {0, ID_PLC_CLEAR_PROGRAM, _T("Clear User Program and Password")},
        {0, ID_PLC_IO_STATUS, _T("I/O Status...")},
        {0, ID_PLC_WIFI_SETUP, _T("WiFi Setup(77XX only)")},
        {0, ID_PLC_REMOTE_WIFI_SETUP, _T("Remote Control WiFi Setup(7450 only)")},
        {MF_SEPARATOR, 0, nullptr},
        {0, ID_TOOLS_SIMULATION, _T("&Simulation\tF3")},
        // Wiring has no other visible way in than its key.
        {0, ID_CONNECT, _T("Connect\tF5")},
        {0, ID_PLC_MONIT, _T("PLC Monit")},
        {MF_END, ID_INSERT_COMMENTS, _T("Insert Comments\tF9")},
        {MF_POPUP, 0, _T("&Options")},
        {0, ID_OPTIONS_COM_CONFIG, _T("COM &Configuration")},
        {0, ID_OPTIONS_LANGUAGE, _T("Language")},
        {0, ID_OPTIONS_WIRE_COLOR, _T("Set Wire Color...")},
        {0, ID_OPTIONS_BG_COLOR, _T("Set BackGround Color...")},
        {0, ID_OPTIONS_FRAME_BGCOLOR, _T("Set Frame Window BGColor")},
        {MF_END, ID_OPTIONS_SELECT_HARDWARE, _T("Select hardware")},
        {MF_POPUP, 0, _T("&Window")},
        {0, ID_WINDOW_CASCADE, _T("&Cascade")},
        {MF_END, ID_WINDOW_TILE_HORZ, _T("&Tile")},
        {MF_POPUP | MF_END, 0, _T("&Help")},
        {0, ID_HELP_CONTENTS, _T("&Contents")},
        {MF_END, ID_APP_ABOUT, _T("&About...")},
    });
    RegisterToolBarIcons();
    AfxRegisterToolBarResource(IDR_MAINFRAME,
                               {16, 15,
                                {ID_FILE_NEW, ID_FILE_OPEN, ID_FILE_SAVE, 0, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, 0,
                                 ID_EDIT_UNDO, ID_EDIT_REDO, 0, ID_PLC_DOWNLOAD, ID_PLC_UPLOAD, ID_PLC_RUNSTOP, 0,
                                 ID_TOOLS_SIMULATION, ID_CONNECT, 0, ID_VIEW_ZOOM_IN, ID_VIEW_ZOOM_OUT, 0, ID_APP_ABOUT},
                                nullptr});
}

const CAcceleratorTable& ShellAccelerators()
{
    static const CAcceleratorTable table{
        {FVIRTKEY | FCONTROL, 'N', WORD(ID_FILE_NEW)},     {FVIRTKEY | FCONTROL, 'O', WORD(ID_FILE_OPEN)},
        {FVIRTKEY | FCONTROL, 'S', WORD(ID_FILE_SAVE)},    {FVIRTKEY | FCONTROL, 'P', WORD(ID_FILE_PRINT)},
        {FVIRTKEY | FCONTROL, 'U', WORD(ID_PLC_UPLOAD)},   {FVIRTKEY | FCONTROL, 'D', WORD(ID_PLC_DOWNLOAD)},
        {FVIRTKEY | FCONTROL, 'Z', WORD(ID_EDIT_UNDO)},    {FVIRTKEY | FCONTROL, 'Y', WORD(ID_EDIT_REDO)},
        {FVIRTKEY | FCONTROL, 'X', WORD(ID_EDIT_CUT)},     {FVIRTKEY | FCONTROL, 'C', WORD(ID_EDIT_COPY)},
        {FVIRTKEY | FCONTROL, 'V', WORD(ID_EDIT_PASTE)},   {FVIRTKEY | FCONTROL, 'A', WORD(ID_EDIT_SELECT_ALL)},
        {FVIRTKEY | FCONTROL, 'G', WORD(ID_EDIT_GOTO_BLOCK)},
    };
    return table;
}
