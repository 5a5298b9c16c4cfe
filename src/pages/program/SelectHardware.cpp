#include "pages/program/SelectHardware.h"

#include "document/HardwareChange.h"
#include "document/HardwareSeries.h"
#include "pages/program/ProgramPageIds.h"
#include "pages/sheet/PageTexts.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/PropertySheet.h"
#include "platform/ui/TreeCtrl.h"

IMPLEMENT_DYNAMIC(CSelectHardware, CProgramPage)

namespace {

constexpr int kUnknownLineCountsAs = 5;
constexpr int kLastItem = 9;

}  // namespace

CSelectHardware::CSelectHardware() : CProgramPage(IDD_SELECT_HARDWARE) {}

CTreeCtrl& CSelectHardware::Tree() const { return *static_cast<CTreeCtrl*>(GetDlgItem(IDC_HARDWARE_TREE)); }

int CSelectHardware::CurrentItem() const
{
    const int nItem = GetHardwareSeries(m_wHardwareCode, nullptr, nullptr);
    return nItem < 0 ? kUnknownLineCountsAs : nItem;
}

BOOL CSelectHardware::OnInitDialog()
{
    CProgramPage::OnInitDialog();
    BuildTree();
    static constexpr ControlTextKey kChineseTexts[] = {{IDC_HARDWARE_GROUP, IDC_HARDWARE_GROUP},
                                                       {IDC_RESOURCES_GROUP, IDC_RESOURCES_GROUP}};
    TranslateControls(*this, kChineseTexts);
    return TRUE;
}

void CSelectHardware::BuildTree()
{
    CTreeCtrl& tree = Tree();
    tree.DeleteAllItems();
    const int nCurrent = GetHardwareSeries(m_wHardwareCode, nullptr, nullptr);
    HTREEITEM hCurrent = nullptr;
    for (const HardwareLine& line : g_hardwareLines) {
        HTREEITEM hFamily = tree.InsertItem(line.pszFamily);
        tree.SetItemData(hFamily, DWORD_PTR(line.nFamilyItem));
        HTREEITEM hLine = tree.InsertItem(line.pszFirmware, hFamily);
        tree.SetItemData(hLine, DWORD_PTR(line.nFamilyItem + 1));
        tree.Expand(hFamily, TVE_EXPAND);
        if (line.nFamilyItem + 1 == nCurrent)
            hCurrent = hLine;
    }
    if (hCurrent)
        tree.Select(hCurrent, TVGN_CARET);
}

int CSelectHardware::GetSelectedItem() const
{
    const HTREEITEM hItem = Tree().GetSelectedItem();
    return hItem ? int(Tree().GetItemData(hItem)) : -1;
}

void CSelectHardware::DoDataExchange(CDataExchange* pDX)
{
    CProgramPage::DoDataExchange(pDX);
    DDX_Text(pDX, IDC_HARDWARE_RESOURCES, m_strResources);
}

BOOL CSelectHardware::OnNotify(WPARAM wParam, LPARAM lParam, LRESULT* pResult)
{
    const auto* pHeader = reinterpret_cast<const NMHDR*>(lParam);
    if (pHeader && pHeader->idFrom == UINT_PTR(IDC_HARDWARE_TREE)) {
        if (pHeader->code == TVN_SELCHANGED) {
            const auto* pTree = reinterpret_cast<const NMTREEVIEW*>(lParam);
            const int nOld = pTree->itemOld.hItem ? int(pTree->itemOld.lParam) : -1;
            const int nNew = pTree->itemNew.hItem ? int(pTree->itemNew.lParam) : -1;
            OnSelectionChanged(nOld, nNew);
            *pResult = 0;
            return TRUE;
        }
        if (pHeader->code == UINT(NM_DBLCLK)) {
            OnDoubleClick();
            *pResult = 0;
            return TRUE;
        }
    }
    return CProgramPage::OnNotify(wParam, lParam, pResult);
}

void CSelectHardware::OnSelectionChanged(int nOldItem, int nNewItem)
{
    if (nNewItem < 0 || nNewItem > kLastItem)
        return;
    CString strProblem;
    if (const CVetlaDoc* pDoc = GetDocument()) {
        const HTREEITEM hNew = Tree().GetSelectedItem();
        strProblem = HardwareChangeProblem(*pDoc, CurrentItem(), nNewItem, hNew ? Tree().GetItemText(hNew) : CString());
    }
    if (!strProblem.IsEmpty()) {
        EnableSheetOk(false);
        m_strResources = strProblem;
    } else {
        if (nNewItem != nOldItem)
            EnableSheetOk(true);
        m_strResources = nNewItem % 2 ? HardwareResourcesText() : CString();
    }
    UpdateData(FALSE);
}

void CSelectHardware::OnDoubleClick()
{
    const HTREEITEM hItem = Tree().GetSelectedItem();
    if (!hItem || !Tree().GetParentItem(hItem) || !IsSheetOkEnabled() || !GetSheet())
        return;
    GetSheet()->PressOK();
}

void CSelectHardware::EnableSheetOk(bool bEnable)
{
    CWnd* pOwner = GetSheet() ? static_cast<CWnd*>(GetSheet()) : GetParent();
    if (CWnd* pOk = pOwner ? pOwner->GetDlgItem(IDOK) : nullptr)
        pOk->EnableWindow(bEnable);
}

bool CSelectHardware::IsSheetOkEnabled() const
{
    const CWnd* pOwner = GetSheet() ? static_cast<const CWnd*>(GetSheet()) : GetParent();
    const CWnd* pOk = pOwner ? pOwner->GetDlgItem(IDOK) : nullptr;
    return pOk && pOk->IsWindowEnabled();
}

void CSelectHardware::OnOK()
{
    const int nItem = GetSelectedItem();
    if (nItem > 0 && nItem % 2 == 1 && nItem != GetHardwareSeries(m_wHardwareCode, nullptr, nullptr))
        m_wHardwareCode = HardwareCodeOfItem(nItem);
    CProgramPage::OnOK();
}
