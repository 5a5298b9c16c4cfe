#include "controller/PasswordDlg.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/DataExchange.h"
#include "platform/ui/Static.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CPasswordDlg, CDialog)

BEGIN_MESSAGE_MAP(CPasswordDlg, CDialog)
    ON_EN_CHANGE(CPasswordDlg::IDC_PASSWORD, OnPasswordChange)
END_MESSAGE_MAP()

namespace {

void RegisterPasswordTemplate()
{
    if (AfxFindDialogTemplate(CPasswordDlg::IDD))
        return;
    DialogTemplate dialog;
    dialog.nID = CPasswordDlg::IDD;
    dialog.strCaption = _T("Type your password, and then press ENTER");
    dialog.size = CSize(264, 62);
    dialog.items = {
        DialogItem(CPasswordDlg::IDC_PASSWORD_LABEL, WC_STATIC, SS_LEFT, CRect(10, 12, 50, 22), _T("Passowrd")),
        DialogItem(CPasswordDlg::IDC_PASSWORD, WC_EDIT, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, CRect(55, 10, 254, 24)),
        DialogItem(IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(72, 38, 127, 52), _T("OK")),
        DialogItem(IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(137, 38, 192, 52), _T("Cancel")),
    };
    AfxRegisterDialogTemplate(std::move(dialog));
}

}  // namespace

CPasswordDlg::CPasswordDlg(CWnd* pParent) : CDialog(IDD, pParent) { RegisterPasswordTemplate(); }

void CPasswordDlg::DoDataExchange(CDataExchange* pDX)
{
    CDialog::DoDataExchange(pDX);
    DDX_Control(pDX, IDC_PASSWORD, m_wndPassword);
    DDX_Text(pDX, IDC_PASSWORD, m_strPassword);
    DDV_MaxChars(pDX, m_strPassword, kMaxLength);
}

BOOL CPasswordDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    m_wndPassword.LimitText(kMaxLength);
    return TRUE;
}

void CPasswordDlg::OnPasswordChange()
{
    CString strText;
    m_wndPassword.GetWindowText(strText);
    for (int i = 0; i < strText.GetLength(); ++i) {
        // The low byte as a signed byte: a character beyond the 8-bit range whose low byte is a
        // capital letter passes, as the controller only ever sees that byte.
        const auto chLow = static_cast<signed char>(strText[i] & 0xFF);
        if (chLow >= 'A' && chLow <= 'Z')
            continue;
        m_wndPassword.SetWindowText(_T(""));
        AfxMessageBox(IDS_PASSWORD_LETTERS, MB_ICONINFORMATION);
        return;
    }
}
