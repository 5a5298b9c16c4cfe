#include "pages/program/ProgramPage.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "pages/program/ProgramPageTemplates.h"
#include "pages/sheet/PageTexts.h"

#include "platform/core/Runtime.h"

IMPLEMENT_DYNAMIC(CProgramPage, CPropertyPage)

CProgramPage::CProgramPage(UINT nIDTemplate) : CPropertyPage(nIDTemplate)
{
    RegisterProgramPageTemplates();
    m_psp.dwFlags |= PSP_HASHELP;
}

BOOL CProgramPage::OnInitDialog()
{
    CPropertyPage::OnInitDialog();
    m_tips.Create(*this);
    return TRUE;
}

BOOL CProgramPage::PreTranslateMessage(MSG* pMsg)
{
    m_tips.Relay(pMsg);
    return CPropertyPage::PreTranslateMessage(pMsg);
}

bool CProgramPage::IsNewGeneration() const
{
    return ::IsNewGeneration(m_pDoc ? m_pDoc->m_wHardwareCode : g_wHardwareCode);
}

void CProgramPage::ShowControl(int nID, bool bShow)
{
    if (CWnd* pControl = GetDlgItem(nID))
        pControl->ShowWindow(bShow ? SW_SHOW : SW_HIDE);
}

void CProgramPage::EnableControl(int nID, bool bEnable)
{
    if (CWnd* pControl = GetDlgItem(nID))
        pControl->EnableWindow(bEnable);
}

void CProgramPage::ClampEditValue(int nID, int nMin, int nMax)
{
    CWnd* pEdit = GetDlgItem(nID);
    if (!pEdit)
        return;
    CString strText;
    pEdit->GetWindowText(strText);
    // A box being emptied or given its sign first is left to the exchange's own check.
    if (strText.FindOneOf(_T("0123456789")) < 0)
        return;
    const LONG nValue = _wtol(strText);
    if (nValue < nMin || nValue > nMax) {
        CString strClamped;
        strClamped.Format(_T("%d"), nValue < nMin ? nMin : nMax);
        pEdit->SetWindowText(strClamped);
    }
}
