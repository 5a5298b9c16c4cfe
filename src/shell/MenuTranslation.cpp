#include "shell/MenuTranslation.h"

#include "platform/ui/FrameIds.h"
#include "platform/ui/Menu.h"
#include "shell/ChineseTables.h"
#include "shell/Resource.h"

#include <span>

namespace {

constexpr UINT kNoDocumentCommands[] = {
    ID_FILE_NEW,      ID_FILE_NEW_LAD,      ID_FILE_OPEN,       ID_FILE_PRINT_SETUP, ID_APP_EXIT,
    ID_VIEW_TOOLBAR,  ID_VIEW_STATUS_BAR,   ID_PLC_UPLOAD,      ID_PLC_CLOCK,        ID_PLC_SUMMER_TIME,
    ID_PLC_CLEAR_PROGRAM, ID_PLC_IO_STATUS, ID_OPTIONS_COM_CONFIG, ID_OPTIONS_LANGUAGE,
    ID_OPTIONS_FRAME_BGCOLOR, ID_HELP_CONTENTS, ID_APP_ABOUT,
};

constexpr UINT kDocumentCommands[] = {
    ID_FILE_NEW, ID_FILE_NEW_LAD, ID_FILE_OPEN, ID_FILE_PRINT_SETUP, ID_APP_EXIT, ID_FILE_CLOSE, ID_FILE_SAVE,
    ID_FILE_SAVE_AS, ID_FILE_PRINT, ID_FILE_PRINT_PREVIEW, ID_FILE_PAGE_SETUP, ID_FILE_MSGTEXT_SETTINGS,
    ID_FILE_PROPERTIES,
    ID_EDIT_UNDO, ID_EDIT_REDO, ID_EDIT_CUT, ID_EDIT_COPY, ID_EDIT_PASTE, ID_EDIT_CLEAR, ID_EDIT_SELECT_ALL,
    ID_EDIT_BLOCK_PROPERTIES, ID_EDIT_GOTO_BLOCK,
    ID_VIEW_TOOLBAR, ID_VIEW_STATUS_BAR, ID_VIEW_SIMULATION_BAR, ID_VIEW_INFO_WINDOW,
    ID_PLC_UPLOAD, ID_PLC_CLOCK, ID_PLC_SUMMER_TIME, ID_PLC_CLEAR_PROGRAM, ID_PLC_IO_STATUS, ID_PLC_DOWNLOAD,
    ID_TOOLS_SIMULATION,
    ID_OPTIONS_COM_CONFIG, ID_OPTIONS_LANGUAGE, ID_OPTIONS_WIRE_COLOR, ID_OPTIONS_BG_COLOR,
    ID_OPTIONS_FRAME_BGCOLOR, ID_OPTIONS_SELECT_HARDWARE,
    ID_WINDOW_CASCADE, ID_WINDOW_TILE_HORZ,
    ID_HELP_CONTENTS, ID_APP_ABOUT,
};

// The popups whose own captions are translated: the menu bar's and the "New" and "Transfer"
// popups one level down.
void TranslatePopupCaptions(CMenu* pMenu, int nDepth)
{
    for (UINT nPos = 0; nPos < pMenu->GetMenuItemCount(); ++nPos) {
        CMenu* pSub = pMenu->GetSubMenu(int(nPos));
        if (!pSub)
            continue;
        CString strEnglish;
        CString strChinese;
        pMenu->GetMenuString(nPos, strEnglish, MF_BYPOSITION);
        if (g_mapMenuText.Lookup(strEnglish, strChinese))
            pMenu->ModifyMenu(nPos, MF_BYPOSITION | MF_STRING, 0, strChinese);
        if (nDepth == 0)
            TranslatePopupCaptions(pSub, 1);
    }
}

void TranslateCommands(CMenu* pMenu, std::span<const UINT> commands)
{
    for (UINT nID : commands) {
        CString strChinese;
        if (g_mapIdText.Lookup(WORD(nID), strChinese) && pMenu->GetMenuState(nID, MF_BYCOMMAND) != UINT(-1))
            pMenu->ModifyMenu(nID, MF_BYCOMMAND | MF_STRING, nID, strChinese);
    }
}

} // namespace

void TranslateMenus(CMenu* pMenuBar, BOOL bDocMenus)
{
    if (!pMenuBar)
        return;
    TranslatePopupCaptions(pMenuBar, 0);
    if (bDocMenus)
        TranslateCommands(pMenuBar, kDocumentCommands);
    else
        TranslateCommands(pMenuBar, kNoDocumentCommands);
}
