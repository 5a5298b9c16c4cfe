#include "pages/blocks/ValueHints.h"

#include "pages/controls/FilterEdit.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Dialog.h"
#include "platform/ui/SpinButtonCtrl.h"

void SetupSpin(CDialog& page, int nSpinID, int nEditID, int nMin, int nMax)
{
    auto* pSpin = static_cast<CSpinButtonCtrl*>(page.GetDlgItem(nSpinID));
    if (!pSpin)
        return;
    CWnd* pEdit = page.GetDlgItem(nEditID);
    CString strText;
    if (pEdit)
        pEdit->GetWindowText(strText);
    pSpin->SetBuddy(pEdit);
    pSpin->SetRange32(nMin, nMax);
    HoldPlainEditToRange(pEdit, nMin);
    // The spin starts from the value the edit shows, which keeps its text.
    long long nValue = 0;
    if (AfxParseInteger(strText, nMin, nMax, nValue))
        pSpin->SetPos32(int(nValue));
    if (pEdit)
        pEdit->SetWindowText(strText);
}

void SetupFreeSpin(CDialog& page, int nSpinID, int nMin, int nMax, int nPos)
{
    auto* pSpin = static_cast<CSpinButtonCtrl*>(page.GetDlgItem(nSpinID));
    if (!pSpin)
        return;
    pSpin->SetRange32(nMin, nMax);
    pSpin->SetPos32(nPos);
}

void CValueHints::AddRange(CDialog& page, int nEditID, int nMin, int nMax)
{
    CString strText;
    strText.Format(_T("Number between %d and %d"), nMin, nMax);
    Add(page, nEditID, strText);
    HoldPlainEditToRange(page.GetDlgItem(nEditID), nMin);
}

void CValueHints::AddRange(CDialog& page, int nEditID, double dMin, double dMax)
{
    CString strText;
    strText.Format(_T("Number between %.2f and %.2f"), dMin, dMax);
    Add(page, nEditID, strText);
}

void CValueHints::Add(CDialog& page, int nEditID, const CString& strText)
{
    if (!m_tips.GetSafeHwnd())
        m_tips.Create(&page);
    m_tips.AddTool(page.GetDlgItem(nEditID), strText);
}

void CValueHints::Relay(const MSG* pMsg)
{
    if (m_tips.GetSafeHwnd())
        m_tips.RelayEvent(pMsg);
}
