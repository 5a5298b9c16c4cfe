#include "pages/blocks/AmplificationRow.h"

#include "platform/ui/DataExchange.h"
#include "platform/ui/Dialog.h"

#include <algorithm>
#include <cmath>

void CAmplificationRow::Exchange(CDataExchange* pDX, int nEditID, double& dValue)
{
    if (!m_edit.GetSafeHwnd()) {
        DDX_Control(pDX, nEditID, m_edit);
        m_edit.SetRange(-AMPLIFICATION_LIMIT, AMPLIFICATION_LIMIT);
    }
    DDX_Text(pDX, nEditID, dValue);
}

double CAmplificationRow::Clamped(double dValue) { return std::clamp(dValue, -AMPLIFICATION_LIMIT, AMPLIFICATION_LIMIT); }

void CAmplificationRow::OnDeltaPos(CDialog& page, int nEditID, int nDelta)
{
    CWnd* pEdit = page.GetDlgItem(nEditID);
    if (!pEdit)
        return;
    CString strText;
    pEdit->GetWindowText(strText);
    double dValue = 0.0;
    AfxParseDouble(strText, dValue);
    // Whole hundredths, so that steps add up without drift.
    const double dStepped = Clamped(std::round(dValue * 100.0 + nDelta) / 100.0);
    strText.Format(_T("%.2f"), dStepped);
    pEdit->SetWindowText(strText);
}

void CAmplificationRow::OnUpdate(CDialog& page, int nEditID)
{
    CWnd* pEdit = page.GetDlgItem(nEditID);
    if (!pEdit || CWnd::GetFocus() != pEdit)
        return;
    CString strText;
    pEdit->GetWindowText(strText);
    double dValue = 0.0;
    if (!AfxParseDouble(strText, dValue) || Clamped(dValue) == dValue)
        return;
    pEdit->SetWindowText(dValue > 0 ? _T("10000") : _T("-10000"));
}
