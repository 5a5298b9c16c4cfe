// The I/O status monitor's dialog template: the table at the left, the line settings, the
// view choice, the device's time and the buttons in a column at the right, which follows the
// right edge when the dialog is resized.
#include "controller/IOStatus.h"

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "platform/ui/Static.h"

namespace {

constexpr DWORD kEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kList = WS_TABSTOP | CBS_DROPDOWNLIST | WS_VSCROLL;
constexpr DWORD kPush = WS_TABSTOP | BS_PUSHBUTTON;
constexpr DWORD kRadio = BS_AUTORADIOBUTTON;
// The column of settings at the right.
constexpr int kLeft = 428;
constexpr int kRight = 593;

DialogItemTemplate Label(LPCTSTR lpszText, CRect rect) { return DialogItem(UINT(-1), WC_STATIC, 0, rect, lpszText); }

}  // namespace

void RegisterIOStatusTemplate()
{
    if (AfxFindDialogTemplate(CIOStatus::IDD))
        return;
    DialogTemplate t;
    t.nID = CIOStatus::IDD;
    t.strCaption = _T("I/O Status Overview");
    t.dwStyle = WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_THICKFRAME | WS_MAXIMIZEBOX | DS_MODALFRAME | DS_SETFONT;
    // The size grip has the strip below the buttons to itself.
    t.size = CSize(600, 246);
    t.items = {
        DialogItem(CIOStatus::IDC_GRID, _T("MFCGridCtrl"), WS_TABSTOP | WS_BORDER, CRect(7, 7, 420, 229)),
        Label(_T("ComPort"), CRect(kLeft, 9, 470, 18)),
        DialogItem(CIOStatus::IDC_PORT, WC_COMBOBOX, WS_TABSTOP | CBS_DROPDOWN | CBS_AUTOHSCROLL | WS_VSCROLL,
                   CRect(472, 7, kRight, 90)),
        Label(_T("Baudrate"), CRect(kLeft, 25, 470, 34)),
        DialogItem(CIOStatus::IDC_BAUD, WC_COMBOBOX, kList, CRect(472, 23, 560, 140)),
        Label(_T("bps"), CRect(563, 25, kRight, 34)),
        Label(_T("Parity/Databit/Stopbit"), CRect(kLeft, 41, kRight, 50)),
        DialogItem(CIOStatus::IDC_PARITY, WC_COMBOBOX, kList, CRect(472, 51, kRight, 130)),
        Label(_T("Device Address"), CRect(kLeft, 69, 500, 78)),
        DialogItem(CIOStatus::IDC_DEVICE_ADDRESS, WC_EDIT, kEdit | ES_NUMBER, CRect(502, 67, 535, 79)),
        Label(_T("(for slave func 0~255)"), CRect(kLeft, 81, kRight, 90)),
        Label(_T("Delay Between Polls"), CRect(kLeft, 95, 525, 104)),
        DialogItem(CIOStatus::IDC_POLL_DELAY, WC_EDIT, kEdit | ES_NUMBER, CRect(527, 93, 560, 105)),
        Label(_T("ms"), CRect(563, 95, kRight, 104)),
        Label(_T("Refresh Time:"), CRect(kLeft, 111, 500, 120)),
        DialogItem(CIOStatus::IDC_REFRESH, WC_EDIT, kEdit | ES_NUMBER, CRect(502, 109, 530, 121)),
        DialogItem(CIOStatus::IDC_REFRESH_SPIN, UPDOWN_CLASS, UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS,
                   CRect(530, 109, 540, 121)),
        Label(_T("sec"), CRect(543, 111, kRight, 120)),
        DialogItem(CIOStatus::IDC_VIEW_POINTS, WC_BUTTON, kRadio | WS_GROUP | WS_TABSTOP, CRect(436, 139, 585, 149),
                   _T("I/Q/AI/AQ")),
        DialogItem(CIOStatus::IDC_VIEW_FLAGS, WC_BUTTON, kRadio, CRect(436, 150, 585, 160), _T("Flags")),
        DialogItem(CIOStatus::IDC_VIEW_ANALOG_FLAGS, WC_BUTTON, kRadio, CRect(436, 161, 585, 171),
                   _T("Analog flags")),
        Label(_T("Device Time:"), CRect(kLeft, 181, 490, 190)),
        DialogItem(CIOStatus::IDC_DEVICE_TIME, WC_EDIT, WS_BORDER | ES_READONLY | WS_GROUP, CRect(492, 179, kRight, 191)),
        DialogItem(CIOStatus::IDC_CONNECT, WC_BUTTON, kPush, CRect(kLeft, 197, kRight, 211), _T("Connect")),
        DialogItem(IDOK, WC_BUTTON, kPush, CRect(kLeft, 215, 505, 229), _T("Close")),
        DialogItem(CIOStatus::IDC_HELP_BUTTON, WC_BUTTON, kPush, CRect(515, 215, kRight, 229), _T("Help")),
        // Last, so that the frame stays below the buttons it surrounds.
        DialogItem(UINT(-1), WC_BUTTON, BS_GROUPBOX, CRect(kLeft, 126, kRight, 175), _T("Show")),
    };
    AfxRegisterDialogTemplate(std::move(t));
}
