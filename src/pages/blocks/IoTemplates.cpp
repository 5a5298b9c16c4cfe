// The dialog templates of the constant and I/O pages and of the simulation page.
#include "pages/blocks/IoPageIds.h"

#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "platform/ui/Static.h"

namespace {

constexpr DWORD kPageStyle = WS_CHILD | DS_SETFONT;
constexpr DWORD kList = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST;
constexpr DWORD kEdit = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kSpin = UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS;

DialogTemplate Page(UINT nID, LPCTSTR lpszCaption, CSize size)
{
    DialogTemplate t;
    t.nID = nID;
    t.strCaption = lpszCaption;
    t.dwStyle = kPageStyle;
    t.size = size;
    return t;
}

DialogItemTemplate Label(UINT nID, LPCTSTR lpszText, CRect rect) { return DialogItem(nID, WC_STATIC, 0, rect, lpszText); }

DialogTemplate ConstantsIOPar()
{
    DialogTemplate t = Page(IDD_CONSTANTS_IO_PAR, _T("Parameter"), CSize(210, 154));
    t.items.push_back(Label(IDC_IO_ICON, _T(""), CRect(10, 10, 30, 30)));
    t.items.push_back(Label(IDC_IO_UNIT_LABEL, _T("Main/Ext. Module"), CRect(40, 14, 120, 24)));
    t.items.push_back(DialogItem(IDC_IO_UNIT, WC_COMBOBOX, kList, CRect(125, 12, 190, 100)));
    t.items.push_back(Label(IDC_IO_NUMBER_LABEL, _T("Input Number:"), CRect(40, 36, 120, 46)));
    t.items.push_back(DialogItem(IDC_IO_NUMBER, WC_COMBOBOX, kList, CRect(125, 34, 190, 130)));
    t.items.push_back(DialogItem(IDC_IO_HIGH_SPEED, WC_BUTTON, WS_TABSTOP | BS_AUTOCHECKBOX, CRect(40, 58, 140, 70),
                                 _T("High Speed")));
    t.items.push_back(DialogItem(IDC_IO_STOP_BEHAVIOUR, WC_BUTTON, WS_TABSTOP | BS_PUSHBUTTON, CRect(10, 90, 200, 106),
                                 _T("Behavior of analog outputs in STOP mode")));
    t.items.push_back(DialogItem(IDC_IO_RANGE_TYPE, WC_BUTTON, WS_TABSTOP | BS_PUSHBUTTON, CRect(10, 112, 200, 128),
                                 _T("Set analog outputs value range type")));
    return t;
}

DialogTemplate ConstantsPar()
{
    DialogTemplate t = Page(IDD_CONSTANTS_PAR, _T("Parameter"), CSize(210, 154));
    t.items.push_back(Label(IDC_IO_NUMBER_LABEL, _T("Output Number:"), CRect(20, 22, 100, 32)));
    t.items.push_back(DialogItem(IDC_IO_NUMBER, WC_COMBOBOX, kList, CRect(105, 20, 180, 140)));
    return t;
}

// One value row: its label, the edit with its spin, and the "I" button beside it.
void AddValueRow(DialogTemplate& t, int nLabel, LPCTSTR lpszLabel, int nEdit, int nSpin, int nButton, int y)
{
    t.items.push_back(Label(UINT(nLabel), lpszLabel, CRect(14, y + 2, 84, y + 12)));
    t.items.push_back(DialogItem(UINT(nEdit), WC_EDIT, kEdit, CRect(88, y, 148, y + 13)));
    t.items.push_back(DialogItem(UINT(nSpin), UPDOWN_CLASS, kSpin, CRect(148, y, 158, y + 13)));
    t.items.push_back(DialogItem(UINT(nButton), WC_BUTTON, WS_TABSTOP | BS_PUSHBUTTON, CRect(162, y, 176, y + 13), _T("I")));
}

DialogTemplate Simulation()
{
    DialogTemplate t = Page(IDD_SIMULATION, _T("Simulation"), CSize(210, 154));
    const struct {
        int nID;
        LPCTSTR lpszText;
    } radios[] = {{IDC_SIM_SWITCH, _T("Switch")},
                  {IDC_SIM_PUSH_MAKE, _T("Momentary PushButton(make)")},
                  {IDC_SIM_PUSH_BREAK, _T("Momentary PushButton(break)")},
                  {IDC_SIM_FREQUENCY, _T("Frequency")}};
    int y = 8;
    for (const auto& radio : radios) {
        const DWORD dwGroup = radio.nID == IDC_SIM_SWITCH ? WS_GROUP | WS_TABSTOP : 0;
        t.items.push_back(DialogItem(UINT(radio.nID), WC_BUTTON, BS_AUTORADIOBUTTON | dwGroup, CRect(10, y, 180, y + 11),
                                     radio.lpszText));
        y += 14;
    }
    t.items.push_back(DialogItem(IDC_SIM_AUTO_RANGE, WC_BUTTON, WS_GROUP | WS_TABSTOP | BS_AUTOCHECKBOX,
                                 CRect(10, 70, 180, 81), _T("Automatic Range Of Values")));
    AddValueRow(t, IDC_SIM_VALUE_LABEL, _T("Current Value"), IDC_SIM_VALUE, IDC_SIM_VALUE_SPIN, IDC_SIM_VALUE_I, 88);
    AddValueRow(t, IDC_SIM_MIN_LABEL, _T("Minimum Value"), IDC_SIM_MIN, IDC_SIM_MIN_SPIN, IDC_SIM_MIN_I, 108);
    AddValueRow(t, IDC_SIM_MAX_LABEL, _T("Maximum Value"), IDC_SIM_MAX, IDC_SIM_MAX_SPIN, IDC_SIM_MAX_I, 128);
    return t;
}

}  // namespace

void RegisterIoPageTemplates()
{
    static const bool bRegistered = [] {
        AfxRegisterDialogTemplate(ConstantsIOPar());
        AfxRegisterDialogTemplate(ConstantsPar());
        AfxRegisterDialogTemplate(Simulation());
        return true;
    }();
    (void)bRegistered;
}
