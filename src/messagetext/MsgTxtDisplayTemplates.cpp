// The dialog templates of the simulation's message-text display: the page (its grid is made in
// code, at the place the page keeps for it) and the empty popup of the in-place editor.
#include "messagetext/MsgTxtDisplayIds.h"

#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"

namespace {

DialogTemplate DisplayPage()
{
    DialogTemplate t;
    t.nID = IDD_MSGTXT_DISPLAY;
    t.strCaption = _T("Message Text");
    t.dwStyle = WS_CHILD | DS_SETFONT;
    t.size = CSize(195, 148);
    t.strFontFace = _T("MS Sans Serif");
    t.items.push_back(DialogItem(IDC_MTD_GROUP, WC_BUTTON, BS_GROUPBOX, CRect(14, 5, 182, 141), _T("Message Text")));
    t.items.push_back(
        DialogItem(IDC_MTD_DETAILS, WC_BUTTON, WS_TABSTOP | BS_PUSHBUTTON, CRect(19, 17, 174, 32), _T("Details")));
    return t;
}

DialogTemplate ParamPopup()
{
    DialogTemplate t;
    t.nID = IDD_INPLACE_PARAM;
    t.dwStyle = WS_POPUP | WS_VISIBLE | DS_SETFONT;
    t.size = CSize(158, 16);
    t.strFontFace = _T("MS Sans Serif");
    t.nPointSize = 12;
    return t;
}

}  // namespace

void RegisterMsgTxtDisplayTemplates()
{
    static const bool bRegistered = [] {
        AfxRegisterDialogTemplate(DisplayPage());
        AfxRegisterDialogTemplate(ParamPopup());
        return true;
    }();
    (void)bRegistered;
}
