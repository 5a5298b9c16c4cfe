#include "pages/controls/BitMaskDlg.h"

#include "platform/ui/Button.h"
#include "platform/ui/DialogTemplate.h"

#include <utility>

IMPLEMENT_DYNAMIC(CBitMaskDlg, CDialog)

namespace {

void RegisterBitMaskTemplate()
{
    if (AfxFindDialogTemplate(IDD_BIT_MASK))
        return;
    DialogTemplate t;
    t.nID = IDD_BIT_MASK;
    t.strCaption = _T("Dialog");
    t.size = CSize(120, 127);
    for (int k = 0; k < BIT_MASK_BITS; ++k) {
        const int x = 7 + (k / 8) * 55;
        const int y = 7 + (k % 8) * 12;
        CString strText;
        strText.Format(_T("Bit %d"), k);
        t.items.push_back(DialogItem(UINT(IDC_BIT_FIRST + k), WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP,
                                     CRect(x, y, x + 50, y + 10), strText));
    }
    t.items.push_back(DialogItem(IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(7, 106, 57, 120), _T("OK")));
    t.items.push_back(DialogItem(IDCANCEL, WC_BUTTON, BS_PUSHBUTTON | WS_TABSTOP, CRect(63, 106, 113, 120), _T("Cancel")));
    AfxRegisterDialogTemplate(std::move(t));
}

int HexDigit(TCHAR ch)
{
    if (ch >= '0' && ch <= '9')
        return ch - '0';
    if (ch >= 'A' && ch <= 'F')
        return ch - 'A' + 10;
    return 0;
}

}  // namespace

CBitMaskDlg::CBitMaskDlg(CWnd* pParent) : CDialog(IDD_BIT_MASK, pParent) { RegisterBitMaskTemplate(); }

WORD CBitMaskDlg::ParseMask(const CString& strMask)
{
    unsigned nValue = 0;
    for (int i = 0; i < strMask.GetLength(); ++i)
        nValue = (nValue << 4) | unsigned(HexDigit(strMask[i]));
    return WORD(nValue);
}

BOOL CBitMaskDlg::OnInitDialog()
{
    CDialog::OnInitDialog();
    const WORD wMask = ParseMask(m_strMask);
    for (int k = 0; k < BIT_MASK_BITS; ++k)
        CheckDlgButton(IDC_BIT_FIRST + k, (wMask >> k) & 1);
    return TRUE;
}

void CBitMaskDlg::OnOK()
{
    unsigned nValue = 0;
    for (int k = 0; k < BIT_MASK_BITS; ++k) {
        if (IsDlgButtonChecked(IDC_BIT_FIRST + k))
            nValue |= 1u << k;
    }
    m_strMask.Format(_T("%04X"), nValue);
    CDialog::OnOK();
}
