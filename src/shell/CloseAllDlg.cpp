#include "shell/CloseAllDlg.h"

#include "platform/ui/Button.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/WndMessageMap.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CCloseAllDlg, CDialog)

BEGIN_MESSAGE_MAP(CCloseAllDlg, CDialog)
    ON_REGISTERED_MESSAGE(WM_XLISTCTRL_CHECKBOX_CLICKED, OnToggleEntry)
    ON_BN_CLICKED(CCloseAllDlg::IDC_SELECT_ALL, OnSelectAll)
END_MESSAGE_MAP()

namespace {

// The Save column takes 14/64 of the list's width.
constexpr int kSaveColumnShare = 14;
constexpr int kWidthShares = 64;

void RegisterCloseAllTemplate()
{
    if (AfxFindDialogTemplate(CCloseAllDlg::IDD))
        return;
    DialogTemplate dialog;
    dialog.nID = CCloseAllDlg::IDD;
    dialog.strCaption = _T("Close All");
    dialog.size = CSize(262, 182);
    dialog.items = {
        DialogItem(CCloseAllDlg::IDC_DOCUMENT_LIST, WC_LISTVIEW,
                LVS_REPORT | LVS_SINGLESEL | LVS_SHOWSELALWAYS | WS_BORDER | WS_TABSTOP,
                CRect(7, 7, 255, 140), _T("")),
        DialogItem(CCloseAllDlg::IDC_SELECT_ALL, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP,
                CRect(7, 146, 160, 158), _T("Select all documents to save")),
        DialogItem(IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(151, 161, 201, 175), _T("OK")),
        DialogItem(IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(205, 161, 255, 175),
                _T("Cancel")),
    };
    AfxRegisterDialogTemplate(std::move(dialog));
}

}  // namespace

CCloseAllDlg::CCloseAllDlg(CWnd* pParent) : CDialog(IDD, pParent) { RegisterCloseAllTemplate(); }

BOOL CCloseAllDlg::AddDocument(const CString& strName)
{
    if (GetDocumentCount() >= kMaxDocuments)
        return FALSE;
    m_entries.push_back(Entry{strName, TRUE});
    return TRUE;
}

const CString& CCloseAllDlg::GetDocumentName(int nIndex) const
{
    static const CString s_strNone;
    return nIndex >= 0 && nIndex < GetDocumentCount() ? m_entries[std::size_t(nIndex)].strName
                                                      : s_strNone;
}

BOOL CCloseAllDlg::GetSaveFlag(int nIndex) const
{
    return nIndex >= 0 && nIndex < GetDocumentCount() ? m_entries[std::size_t(nIndex)].bSave
                                                      : FALSE;
}

void CCloseAllDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_DOCUMENT_LIST, m_List);
    DDX_Check(pDX, IDC_SELECT_ALL, m_bSelectAll);
}

void CCloseAllDlg::InsertColumns()
{
    CRect rect;
    m_List.GetWindowRect(rect);
    const int nWidth = rect.Width() - 2;
    const int nSaveWidth = nWidth * kSaveColumnShare / kWidthShares;
    m_List.InsertColumn(0, _T("Save"), LVCFMT_LEFT, nSaveWidth);
    m_List.InsertColumn(1, _T("File Name"), LVCFMT_LEFT, nWidth - nSaveWidth - 2);
    // The header bitmap's blank image on every column: room for an image, and no header box.
    CXHeaderCtrl* pHeader = m_List.GetXHeaderCtrl();
    if (pHeader && MakeHeaderCheckImages(m_HeaderImages)) {
        pHeader->SetImageList(&m_HeaderImages);
        for (int nCol = 0; nCol < pHeader->GetItemCount(); ++nCol)
            pHeader->SetItemImage(nCol, CXHeaderCtrl::kNoCheckbox);
    }
}

BOOL CCloseAllDlg::OnInitDialog()
{
    // The select-all box shows what the rows show, so that its first click does what it shows:
    // with every row ticked it starts ticked, and that click clears them.
    m_bSelectAll = std::ranges::all_of(m_entries, &Entry::bSave) ? 1 : 0;
    CDialog::OnInitDialog();
    m_List.SetExtendedStyle(LVS_EX_FULLROWSELECT | LVS_EX_TRACKSELECT);
    InsertColumns();
    for (int nItem = 0; nItem < GetDocumentCount(); ++nItem) {
        m_List.InsertItem(nItem, _T(""));
        m_List.SetCheckbox(nItem, 0, m_entries[std::size_t(nItem)].bSave ? 1 : 0);
        m_List.SetItemText(nItem, 1, m_entries[std::size_t(nItem)].strName);
    }
    return TRUE;
}

LRESULT CCloseAllDlg::OnToggleEntry(WPARAM wParam, LPARAM)
{
    // The flag follows the box itself, so that what the user sees is what is saved.
    const int nItem = int(wParam);
    if (nItem >= 0 && nItem < GetDocumentCount())
        m_entries[std::size_t(nItem)].bSave = m_List.GetCheckbox(nItem, 0) == 1;
    return 0;
}

void CCloseAllDlg::OnSelectAll()
{
    m_bSelectAll = IsDlgButtonChecked(IDC_SELECT_ALL) == BST_CHECKED ? 1 : 0;
    for (int nItem = 0; nItem < GetDocumentCount(); ++nItem) {
        m_List.SetCheckbox(nItem, 0, m_bSelectAll);
        m_entries[std::size_t(nItem)].bSave = m_bSelectAll;
    }
}
