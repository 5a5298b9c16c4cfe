// What the device tool dialogs' templates share: the styles of their controls and the frame of
// a modeless dialog that shows as soon as it is made.
#pragma once

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/SpinButtonCtrl.h"

namespace DeviceTemplate {

constexpr UINT kStatic = UINT(-1);
constexpr DWORD kEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kSpin = UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
constexpr DWORD kList = CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP;
constexpr DWORD kButton = WS_TABSTOP | BS_PUSHBUTTON;

// A titled, visible modeless dialog of that size in dialog units, without controls yet.
inline DialogTemplate ModelessDialog(UINT nID, LPCTSTR lpszCaption, CSize size)
{
    DialogTemplate dlg;
    dlg.nID = nID;
    dlg.strCaption = lpszCaption;
    dlg.dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | DS_MODALFRAME | DS_SETFONT;
    dlg.size = size;
    return dlg;
}

}  // namespace DeviceTemplate
