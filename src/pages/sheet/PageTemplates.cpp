#include "pages/sheet/PageTemplates.h"

#include "pages/blocks/AnalogTemplates.h"
#include "pages/blocks/TimerTemplates.h"
#include "pages/sheet/PageIds.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/Static.h"

namespace {

constexpr DWORD kPageStyle = WS_CHILD | DS_SETFONT;
constexpr DWORD kEditStyle = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kMultiLine = WS_TABSTOP | WS_BORDER | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN;

DialogTemplate Page(UINT nID, LPCTSTR lpszCaption, CSize size)
{
    DialogTemplate t;
    t.nID = nID;
    t.strCaption = lpszCaption;
    t.dwStyle = kPageStyle;
    t.size = size;
    return t;
}

DialogItemTemplate Label(LPCTSTR lpszText, CRect rect, UINT nID = UINT(-1))
{
    return DialogItem(nID, WC_STATIC, 0, rect, lpszText);
}

void AddNameRow(DialogTemplate& t)
{
    t.items.push_back(Label(_T("Block name"), CRect(10, 12, 60, 22), IDC_BLOCK_NAME_LABEL));
    t.items.push_back(DialogItem(IDC_BLOCK_NAME, WC_EDIT, kEditStyle, CRect(62, 10, 120, 22)));
}

DialogTemplate CommentPage()
{
    DialogTemplate t = Page(IDD_COMMENT_PAGE, _T("Comment"), CSize(130, 128));
    t.items.push_back(DialogItem(IDC_COMMENT_EDIT, WC_EDIT, kMultiLine, CRect(7, 7, 123, 121)));
    return t;
}

DialogTemplate BasicFunPar()
{
    DialogTemplate t = Page(IDD_BASIC_FUN_PAR, _T("Parameter"), CSize(130, 128));
    AddNameRow(t);
    return t;
}

// Sixteen rows: the input combination in base 2 (Input1 first) and the output's combo.
DialogTemplate Boolean()
{
    DialogTemplate t = Page(IDD_BOOLEAN, _T("Parameter"), CSize(259, 348));
    AddNameRow(t);
    LPCTSTR heads[] = {_T("Input1"), _T("Input2"), _T("Input3"), _T("Input4"), _T("Output Set")};
    for (int i = 0; i < 5; ++i)
        t.items.push_back(Label(heads[i], CRect(10 + 40 * i, 32, i == 4 ? 220 : 48 + 40 * i, 42)));
    for (int k = 0; k < TRUTH_TABLE_ROWS; ++k) {
        const int y = 46 + 17 * k;
        for (int i = 0; i < 4; ++i) {
            const bool bSet = (k >> (3 - i)) & 1;
            t.items.push_back(Label(bSet ? _T("1") : _T("0"), CRect(24 + 40 * i, y + 2, 32 + 40 * i, y + 12)));
        }
        DialogItemTemplate combo =
            DialogItem(UINT(IDC_TRUTH_FIRST + k), WC_COMBOBOX, WS_TABSTOP | CBS_DROPDOWNLIST, CRect(170, y, 200, y + 60));
        combo.items = {_T("0"), _T("1")};
        t.items.push_back(combo);
    }
    t.items.push_back(Label(_T("BIT-0"), CRect(206, 48, 240, 58)));
    t.items.push_back(Label(_T("BIT-15"), CRect(206, 46 + 17 * 15 + 2, 240, 46 + 17 * 15 + 12)));
    t.items.push_back(DialogItem(IDC_PROTECTION, WC_BUTTON, WS_TABSTOP | BS_AUTOCHECKBOX,
                                 CRect(10, 330, 120, 342), _T("Protection Active")));
    return t;
}

DialogTemplate InsComments()
{
    DialogTemplate t = Page(IDD_INS_COMMENTS, _T("Comment"), CSize(184, 164));
    t.items.push_back(DialogItem(IDC_COMMENT_EDIT, WC_EDIT, kMultiLine | ES_AUTOHSCROLL | WS_HSCROLL | WS_VSCROLL,
                                 CRect(7, 7, 137, 135)));
    t.items.push_back(DialogItem(IDC_FONT_BUTTON, WC_BUTTON, WS_TABSTOP | BS_PUSHBUTTON, CRect(7, 142, 57, 156),
                                 _T("Font...")));
    return t;
}

}  // namespace

void RegisterPageTemplates()
{
    static const bool bRegistered = [] {
        AfxRegisterDialogTemplate(CommentPage());
        AfxRegisterDialogTemplate(BasicFunPar());
        AfxRegisterDialogTemplate(Boolean());
        AfxRegisterDialogTemplate(InsComments());
        RegisterAnalogTemplates();
        RegisterTimerTemplates();
        return true;
    }();
    (void)bRegistered;
}
