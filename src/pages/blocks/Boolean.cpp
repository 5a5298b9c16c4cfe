#include "pages/blocks/Boolean.h"

#include "pages/sheet/PageIds.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DataExchange.h"

IMPLEMENT_DYNAMIC(CBoolean, CBlockPage)

void SetWordBit(int& w, int k) { w |= int(WORD(1u << (k & 31))); }

void ClearWordBit(int& w, int k) { w &= ~int(WORD(1u << (k & 31))); }

CBoolean::CBoolean(int nType) : CBlockPage(IDD_BOOLEAN, nType) {}

BOOL CBoolean::OnInitDialog()
{
    CBlockPage::OnInitDialog();
    for (int k = 0; k < TRUTH_TABLE_ROWS; ++k) {
        if (auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_TRUTH_FIRST + k)))
            pCombo->SetCurSel((m_wTruthTable >> k) & 1);
    }
    return TRUE;
}

void CBoolean::DoDataExchange(CDataExchange* pDX)
{
    CBlockPage::DoDataExchange(pDX);
    DDX_Check(pDX, IDC_PROTECTION, m_bProtection);
}

BOOL CBoolean::OnCommand(WPARAM wParam, LPARAM lParam)
{
    const int nID = LOWORD(DWORD(wParam));
    const int nCode = HIWORD(DWORD(wParam));
    if (nID >= IDC_TRUTH_FIRST && nID < IDC_TRUTH_FIRST + TRUTH_TABLE_ROWS && nCode == CBN_SELCHANGE) {
        OnTruthTableChange();
        return TRUE;
    }
    if (nID == IDC_PROTECTION && nCode == BN_CLICKED)
        SetModified(TRUE);
    return CBlockPage::OnCommand(wParam, lParam);
}

void CBoolean::OnTruthTableChange()
{
    SetModified(TRUE);
    CWnd* pFocus = CWnd::GetFocus();
    for (int k = 0; k < TRUTH_TABLE_ROWS; ++k) {
        auto* pCombo = static_cast<CComboBox*>(GetDlgItem(IDC_TRUTH_FIRST + k));
        if (!pCombo || pCombo != pFocus)
            continue;
        if (pCombo->GetCurSel() == 0)
            ClearWordBit(m_wTruthTable, k);
        else
            SetWordBit(m_wTruthTable, k);
        return;
    }
}
