#include "pages/blocks/FunctionTemplates.h"

#include "pages/sheet/PageIds.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/SpinButtonCtrl.h"

#include <set>

DialogTemplate ParameterPage(UINT nID, CSize size)
{
    DialogTemplate t;
    t.nID = nID;
    t.strCaption = _T("Parameter");
    t.dwStyle = WS_CHILD | DS_SETFONT;
    t.size = size;
    return t;
}

DialogItemTemplate PageLabel(LPCTSTR lpszText, CRect rect, UINT nID)
{
    return DialogItem(nID, WC_STATIC, 0, rect, lpszText);
}

DialogItemTemplate PageEdit(UINT nID, CRect rect)
{
    return DialogItem(nID, WC_EDIT, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL, rect);
}

DialogItemTemplate PageCheck(UINT nID, LPCTSTR lpszText, CRect rect)
{
    return DialogItem(nID, WC_BUTTON, WS_TABSTOP | BS_AUTOCHECKBOX, rect, lpszText);
}

DialogItemTemplate PageButton(UINT nID, LPCTSTR lpszText, CRect rect)
{
    return DialogItem(nID, WC_BUTTON, WS_TABSTOP | BS_PUSHBUTTON, rect, lpszText);
}

DialogItemTemplate PageSpin(UINT nID, CRect rect)
{
    return DialogItem(nID, UPDOWN_CLASS, UDS_SETBUDDYINT | UDS_ARROWKEYS | UDS_NOTHOUSANDS, rect);
}

DialogItemTemplate PageGroup(LPCTSTR lpszText, CRect rect, UINT nID)
{
    return DialogItem(nID, WC_BUTTON, BS_GROUPBOX, rect, lpszText);
}

DialogItemTemplate PageCombo(UINT nID, CRect rect, std::initializer_list<LPCTSTR> items)
{
    DialogItemTemplate combo = DialogItem(nID, WC_COMBOBOX, WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, rect);
    for (LPCTSTR lpszItem : items)
        combo.items.emplace_back(lpszItem);
    return combo;
}

void AddBlockNameRow(DialogTemplate& t)
{
    t.items.push_back(PageLabel(_T("Block name"), CRect(10, 12, 60, 22), IDC_BLOCK_NAME_LABEL));
    t.items.push_back(PageEdit(IDC_BLOCK_NAME, CRect(62, 10, 120, 22)));
}

void RegisterPageTemplateOnce(UINT nID, DialogTemplate (*pfnBuild)())
{
    static std::set<UINT> registered;
    if (registered.insert(nID).second)
        AfxRegisterDialogTemplate(pfnBuild());
}
