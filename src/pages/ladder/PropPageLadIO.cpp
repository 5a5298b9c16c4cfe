#include "pages/ladder/PropPageLadIO.h"

#include "document/VetlaDoc.h"
#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/Static.h"

IMPLEMENT_DYNAMIC(CPropPageLadIO, CPropertyPage)

namespace {

constexpr UINT kItemHeight = 20;

void RegisterTemplate()
{
    static const bool bRegistered = [] {
        DialogTemplate t;
        t.nID = IDD_PROP_PAGE_LAD_IO;
        t.strCaption = _T("Parameter");
        t.dwStyle = WS_CHILD | DS_SETFONT;
        t.size = CSize(235, 337);
        t.items.push_back(DialogItem(UINT(-1), WC_STATIC, 0, CRect(10, 8, 120, 18), _T("Available Blocks")));
        t.items.push_back(DialogItem(IDC_LAD_OPERAND_LIST, WC_LISTBOX,
                                     WS_TABSTOP | WS_BORDER | WS_VSCROLL | LBS_NOTIFY | LBS_HASSTRINGS,
                                     CRect(10, 20, 225, 290)));
        t.items.push_back(DialogItem(UINT(-1), WC_STATIC, 0, CRect(10, 302, 80, 312), _T("Block Number")));
        t.items.push_back(DialogItem(IDC_LAD_SEARCH, WC_EDIT, WS_TABSTOP | WS_BORDER | ES_AUTOHSCROLL | ES_UPPERCASE,
                                     CRect(85, 300, 225, 313)));
        AfxRegisterDialogTemplate(t);
        return true;
    }();
    (void)bRegistered;
}

}  // namespace

CPropPageLadIO::CPropPageLadIO() : CPropertyPage(IDD_PROP_PAGE_LAD_IO)
{
    RegisterTemplate();
    m_psp.dwFlags |= PSP_HASHELP;
}

CListBox* CPropPageLadIO::List() const { return static_cast<CListBox*>(GetDlgItem(IDC_LAD_OPERAND_LIST)); }

BOOL CPropPageLadIO::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    FillList();
    return TRUE;
}

// The entry that stores the element's operand is selected; none when no entry does, so that an
// unchanged OK keeps the operand.
void CPropPageLadIO::FillList()
{
    CListBox* pList = List();
    if (!pList)
        return;
    pList->ResetContent();
    pList->SetItemHeight(0, kItemHeight);
    m_entries.clear();
    if (m_pDocument)
        m_entries = BuildLadderOperandList(*m_pDocument, m_nType, m_nOperand);
    int nSelect = -1;
    for (size_t i = 0; i < m_entries.size(); ++i) {
        const int nItem = pList->AddString(m_entries[i].strText);
        pList->SetItemData(nItem, DWORD_PTR(i));
        if (nSelect < 0 && m_entries[i].nOperand == m_nOperand)
            nSelect = nItem;
    }
    pList->SetCurSel(nSelect);
    if (nSelect >= 0)
        pList->SetTopIndex(nSelect);
}

void CPropPageLadIO::SaveSelectedOperand()
{
    CListBox* pList = List();
    const int nSel = pList ? pList->GetCurSel() : -1;
    if (nSel < 0)
        return;
    const size_t nEntry = size_t(pList->GetItemData(nSel));
    if (nEntry < m_entries.size())
        m_nOperand = m_entries[nEntry].nOperand;
}

void CPropPageLadIO::OnSearchChange()
{
    CString strText;
    GetDlgItemText(IDC_LAD_SEARCH, strText);
    strText.MakeUpper();
    CListBox* pList = List();
    if (strText.IsEmpty() || !pList)
        return;
    const int nFound = pList->FindString(-1, strText);
    if (nFound >= 0) {
        pList->SetCurSel(nFound);
        // The entry found comes into view, wherever the list stood.
        pList->SetTopIndex(nFound);
        SetModified(TRUE);
    }
}

BOOL CPropPageLadIO::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    if (nID == IDC_LAD_OPERAND_LIST && nCode == LBN_DBLCLK) {
        // Confirms the sheet as its OK button does, in either kind of sheet.
        if (CWnd* pSheet = GetParent()) {
            CWnd* pOK = pSheet->GetDlgItem(IDOK);
            pSheet->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED),
                                reinterpret_cast<LPARAM>(pOK ? pOK->GetSafeHwnd() : nullptr));
        }
        return TRUE;
    }
    if (nID == IDC_LAD_OPERAND_LIST && nCode == LBN_SELCHANGE) {
        SetModified(TRUE);
        return TRUE;
    }
    if (nID == IDC_LAD_SEARCH && nCode == EN_CHANGE) {
        OnSearchChange();
        return TRUE;
    }
    return CPropertyPage::OnCommand(wParam, lParam);
}

void CPropPageLadIO::OnOK()
{
    SaveSelectedOperand();
    CPropertyPage::OnOK();
}
