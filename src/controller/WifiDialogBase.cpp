#include "controller/WifiDialogBase.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/KeyState.h"

IMPLEMENT_DYNAMIC(CWifiDialogBase, CDeviceToolDialog)

bool CWifiDialogBase::IsTextChar(TCHAR ch)
{
    return (ch >= 'A' && ch <= 'Z') || (ch >= 'a' && ch <= 'z') || (ch >= '0' && ch <= '9');
}

int CWifiDialogBase::AcceptedLength(const CString& strText, bool (*pAllowed)(TCHAR))
{
    int n = 0;
    while (n < strText.GetLength() && pAllowed(strText.GetAt(n)))
        ++n;
    return n;
}

BOOL CWifiDialogBase::PreTranslateMessage(MSG* pMsg)
{
    if (m_tips.GetSafeHwnd())
        m_tips.RelayEvent(pMsg);
    if (pMsg->message == WM_KEYDOWN && pMsg->wParam == WPARAM(VK_RETURN))
        pMsg->wParam = WPARAM(VK_TAB);
    return CDialog::PreTranslateMessage(pMsg);
}

void CWifiDialogBase::FilterFocusedField(UINT nID, bool (*pAllowed)(TCHAR), LPCTSTR pszMessage)
{
    CWnd* pField = GetDlgItem(int(nID));
    if (!pField || CWnd::GetFocus() != pField)
        return;
    CString strText;
    pField->GetWindowText(strText);
    const int nAccepted = AcceptedLength(strText, pAllowed);
    if (nAccepted == strText.GetLength())
        return;
    pField->SetWindowText(strText.Left(nAccepted));
    if (auto* pEdit = dynamic_cast<CEdit*>(pField))
        pEdit->SetSel(nAccepted, nAccepted);
    AfxMessageBox(pszMessage, MB_ICONINFORMATION);
    pField->SetFocus();
}

void CWifiDialogBase::AddTip(UINT nID, LPCTSTR pszText)
{
    if (CWnd* pControl = GetDlgItem(int(nID)))
        m_tips.AddTool(pControl, pszText);
}

BOOL CWifiDialogBase::Refuse(UINT nID, LPCTSTR pszMessage, UINT nIcon)
{
    AfxMessageBox(pszMessage, nIcon);
    if (CWnd* pField = GetDlgItem(int(nID)))
        GotoDlgCtrl(pField);
    return FALSE;
}
