#include "pages/sheet/ReferenceRow.h"

#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Dialog.h"

namespace {

// The drop-down part of the list reaches this far below the value control.
constexpr int kDropHeight = 120;

}  // namespace

int CReferenceRow::NumberOfLine(const CString& strLine)
{
    if (strLine.GetLength() < 2 || strLine[0] != 'B')
        return -1;
    int nValue = 0;
    int i = 1;
    for (; i < strLine.GetLength() && strLine[i] >= '0' && strLine[i] <= '9'; ++i)
        nValue = nValue * 10 + (strLine[i] - '0');
    return i == 1 ? -1 : NUM_FUNCTION_BLOCK + nValue;
}

BOOL CReferenceRow::RefersToBlock(const CVetlaDoc* pDoc, int nOwnNumber) const
{
    return m_bUse && m_nBlockNumber >= 0 && m_nBlockNumber != nOwnNumber && pDoc &&
           pDoc->FindBlockByNumber(m_nBlockNumber) != nullptr;
}

BOOL CReferenceRow::Create(CDialog& page, const CVetlaDoc* pDoc, int nOwnNumber)
{
    CWnd* pValue = page.GetDlgItem(m_nValueID);
    if (!pValue || !page.GetDlgItem(m_nCheckID))
        return FALSE;
    CRect rect;
    pValue->GetWindowRect(rect);
    page.ScreenToClient(rect);
    rect.bottom += kDropHeight;
    auto* pCombo = new CComboBox;
    pCombo->SetAutoDelete(TRUE);
    if (!pCombo->Create(WS_CHILD | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWNLIST, rect, &page, m_nComboID)) {
        delete pCombo;
        return FALSE;
    }
    m_pCombo = pCombo;
    m_pCombo->SetWindowPos(pValue, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (pDoc)
        pDoc->FillReferenceCombo(nOwnNumber, m_pCombo);
    SelectBlock();
    page.CheckDlgButton(m_nCheckID, m_bUse ? 1 : 0);
    Show(page);
    return TRUE;
}

void CReferenceRow::SelectBlock()
{
    for (int i = 0; i < m_pCombo->GetCount(); ++i) {
        CString strLine;
        m_pCombo->GetLBText(i, strLine);
        if (NumberOfLine(strLine) == m_nBlockNumber) {
            m_pCombo->SetCurSel(i);
            return;
        }
    }
    // A referenced block the list does not offer is shown as no choice, so that OK keeps it
    // rather than naming the first block offered.
    const bool bKeepUnlisted = m_bUse && m_nBlockNumber >= 0;
    m_pCombo->SetCurSel(!bKeepUnlisted && m_pCombo->GetCount() > 0 ? 0 : -1);
}

void CReferenceRow::OnCheckClicked(CDialog& page)
{
    m_bUse = page.IsDlgButtonChecked(m_nCheckID) != 0;
    Show(page);
}

void CReferenceRow::Show(CDialog& page)
{
    if (CWnd* pValue = page.GetDlgItem(m_nValueID))
        pValue->ShowWindow(m_bUse ? SW_HIDE : SW_SHOW);
    if (m_pCombo)
        m_pCombo->ShowWindow(m_bUse ? SW_SHOW : SW_HIDE);
}

void CReferenceRow::ReadChoice()
{
    if (!m_pCombo)
        return;
    const int nSel = m_pCombo->GetCurSel();
    if (!m_bUse) {
        m_nBlockNumber = -1;
    } else if (nSel >= 0) {
        CString strLine;
        m_pCombo->GetLBText(nSel, strLine);
        m_nBlockNumber = NumberOfLine(strLine);
    }
}
