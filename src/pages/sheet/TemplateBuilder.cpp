#include "pages/sheet/TemplateBuilder.h"

#include "pages/sheet/PageIds.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "platform/ui/Static.h"

namespace {

constexpr DWORD kEditStyle = WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL;
constexpr DWORD kListStyle = WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST | WS_GROUP;
constexpr DWORD kSpinStyle = UDS_SETBUDDYINT | UDS_ALIGNRIGHT | UDS_ARROWKEYS | UDS_NOTHOUSANDS;
constexpr int kSpinWidth = 10;

}  // namespace

CTemplateBuilder::CTemplateBuilder(UINT nID, LPCTSTR lpszCaption, CSize size, DWORD dwStyle)
{
    m_t.nID = nID;
    m_t.strCaption = lpszCaption;
    m_t.dwStyle = dwStyle;
    m_t.size = size;
}

CTemplateBuilder& CTemplateBuilder::Add(DialogItemTemplate item)
{
    m_t.items.push_back(std::move(item));
    return *this;
}

CTemplateBuilder& CTemplateBuilder::Label(int nID, LPCTSTR lpszText, CRect rect)
{
    return Add(DialogItem(UINT(nID), WC_STATIC, 0, rect, lpszText));
}

CTemplateBuilder& CTemplateBuilder::Edit(int nID, CRect rect, DWORD dwExtra)
{
    return Add(DialogItem(UINT(nID), WC_EDIT, kEditStyle | dwExtra, rect));
}

CTemplateBuilder& CTemplateBuilder::HiddenEdit(int nID, CRect rect)
{
    return Add(DialogControl(UINT(nID), WC_EDIT, kEditStyle, rect));
}

CTemplateBuilder& CTemplateBuilder::SpinEdit(int nEditID, int nSpinID, CRect rect, bool bBuddyInt)
{
    Edit(nEditID, rect);
    const DWORD dwStyle = UDS_AUTOBUDDY | (bBuddyInt ? kSpinStyle : kSpinStyle & ~UDS_SETBUDDYINT);
    return Add(DialogItem(UINT(nSpinID), UPDOWN_CLASS, dwStyle,
                          CRect(rect.right, rect.top, rect.right + kSpinWidth, rect.bottom)));
}

CTemplateBuilder& CTemplateBuilder::Spin(int nID, CRect rect)
{
    return Add(DialogItem(UINT(nID), UPDOWN_CLASS, kSpinStyle, rect));
}

CTemplateBuilder& CTemplateBuilder::Check(int nID, LPCTSTR lpszText, CRect rect, DWORD dwExtra)
{
    return Add(DialogItem(UINT(nID), WC_BUTTON, WS_TABSTOP | BS_AUTOCHECKBOX | dwExtra, rect, lpszText));
}

CTemplateBuilder& CTemplateBuilder::Push(int nID, LPCTSTR lpszText, CRect rect)
{
    return Add(DialogItem(UINT(nID), WC_BUTTON, WS_TABSTOP | BS_PUSHBUTTON, rect, lpszText));
}

CTemplateBuilder& CTemplateBuilder::Radio(int nID, LPCTSTR lpszText, CRect rect, bool bFirst, bool bVisible)
{
    const DWORD dwStyle = WS_TABSTOP | BS_AUTORADIOBUTTON | (bFirst ? WS_GROUP : 0);
    return Add(bVisible ? DialogItem(UINT(nID), WC_BUTTON, dwStyle, rect, lpszText)
                        : DialogControl(UINT(nID), WC_BUTTON, dwStyle, rect, lpszText));
}

CTemplateBuilder& CTemplateBuilder::Group(int nID, LPCTSTR lpszText, CRect rect)
{
    m_groups.push_back(DialogItem(UINT(nID), WC_BUTTON, BS_GROUPBOX | WS_GROUP, rect, lpszText));
    return *this;
}

CTemplateBuilder& CTemplateBuilder::HiddenGroup(int nID, LPCTSTR lpszText, CRect rect)
{
    m_groups.push_back(DialogControl(UINT(nID), WC_BUTTON, BS_GROUPBOX | WS_GROUP, rect, lpszText));
    return *this;
}

CTemplateBuilder& CTemplateBuilder::List(int nID, CRect rect, std::vector<CString> items)
{
    DialogItemTemplate item = DialogItem(UINT(nID), WC_COMBOBOX, kListStyle, rect);
    item.items = std::move(items);
    return Add(std::move(item));
}

CTemplateBuilder& CTemplateBuilder::Numbers(int nID, CRect rect, int nLast)
{
    std::vector<CString> items;
    for (int n = 0; n <= nLast; ++n) {
        CString str;
        str.Format(_T("%d"), n);
        items.push_back(str);
    }
    return List(nID, rect, std::move(items));
}

CTemplateBuilder& CTemplateBuilder::Name(int y)
{
    Label(IDC_BLOCK_NAME_LABEL, _T("Block name"), CRect(10, y + 2, 60, y + 12));
    return Edit(IDC_BLOCK_NAME, CRect(62, y, 120, y + 12));
}

void CTemplateBuilder::Register()
{
    m_t.items.insert(m_t.items.end(), m_groups.begin(), m_groups.end());
    AfxRegisterDialogTemplate(m_t);
}
