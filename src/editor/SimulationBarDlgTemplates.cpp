// The templates of the three simulation bars, as data. Their controls sit in one strip, so
// that the bars lie side by side in a row at the bottom of the child frame.
#include "editor/OutputsBarDlg.h"
#include "editor/SimulationBarDlg.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

namespace {

constexpr DWORD kBarDlgStyle = WS_CHILD | DS_CONTROL | DS_SETFONT;

DialogTemplate BarTemplate(UINT nID, CSize size, std::vector<DialogItemTemplate> items)
{
    DialogTemplate dlg;
    dlg.nID = nID;
    dlg.dwStyle = kBarDlgStyle;
    dlg.size = size;
    dlg.items = std::move(items);
    return dlg;
}

DialogTemplate SimulationBarTemplate()
{
    constexpr DWORD kIcon = WS_VISIBLE | WS_TABSTOP | BS_PUSHBUTTON;
    std::vector<DialogItemTemplate> items;
    const UINT nButtons[] = {IDC_SIM_POWER, IDC_SIM_START, IDC_SIM_STOP, IDC_SIM_SUSPEND, IDC_SIM_STEP};
    int x = 2;
    for (UINT nID : nButtons) {
        items.push_back(DialogControl(nID, WC_BUTTON, kIcon, CRect(x, 2, x + 16, 22)));
        x += 18;
    }
    items.push_back(DialogControl(IDC_SIM_SET_CLOCK, WC_BUTTON, WS_VISIBLE | WS_TABSTOP | BS_AUTOCHECKBOX, CRect(x, 2, x + 16, 22)));
    x += 20;
    // Each box is as wide as the longest text it takes in the dialog font: four digits of
    // cycles, a span "88:88", the counter "99:59m"; the clock keeps a gap from the box before it.
    constexpr int kAmountWidth = 30;
    constexpr int kCounterWidth = 36;
    constexpr int kClockGap = 4;
    items.push_back(DialogControl(IDC_SIM_STEP_CYCLES, WC_EDIT, WS_VISIBLE | WS_TABSTOP | WS_BORDER | ES_NUMBER,
                         CRect(x, 6, x + kAmountWidth, 18), _T("1")));
    items.push_back(DialogControl(IDC_SIM_STEP_SPAN, WC_EDIT, WS_TABSTOP | WS_BORDER, CRect(x, 6, x + kAmountWidth, 18),
                                  _T("01:00")));
    x += kAmountWidth + 2;
    DialogItemTemplate unit = DialogControl(IDC_SIM_STEP_UNIT, WC_COMBOBOX, WS_VISIBLE | WS_TABSTOP | CBS_DROPDOWNLIST,
                                   CRect(x, 6, x + 44, 60));
    unit.items = {_T("Cycles"), _T("s"), _T("m"), _T("h")};
    items.push_back(unit);
    x += 46;
    // The counter shows, the clock moves right by the counter's width.
    items.push_back(DialogControl(IDC_SIM_STEP_COUNTER, WC_STATIC, SS_CENTER, CRect(x, 8, x + kCounterWidth, 18)));
    x += kClockGap;
    // The clock's label holds the widest time ("10:58:58 PM") on one line in the dialog font.
    constexpr int kClockWidth = 60;
    items.push_back(
        DialogControl(IDC_SIM_CLOCK_TEXT, WC_STATIC, WS_VISIBLE | SS_LEFT, CRect(x, 8, x + kClockWidth, 18)));
    return BarTemplate(IDD_SIMULATION_BAR, CSize(x + kClockWidth + 1, 24), std::move(items));
}

} // namespace

void RegisterSimBarTemplates()
{
    AfxRegisterDialogTemplate(SimulationBarTemplate());
    AfxRegisterDialogTemplate(BarTemplate(
        IDD_OUTPUTS_BAR, CSize(283, 28),
        {DialogControl(IDC_BAR_COLLAPSE, WC_BUTTON, WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 18, 28), _T("<<"))}));
    AfxRegisterDialogTemplate(BarTemplate(
        IDD_INPUTS_BAR, CSize(579, 27),
        {DialogControl(IDC_BAR_COLLAPSE, WC_BUTTON, WS_VISIBLE | BS_PUSHBUTTON, CRect(0, 0, 18, 27), _T("<<"))}));
}
