#include "controls/HColorDialog.h"

IMPLEMENT_DYNAMIC(CHColorDialog, CColorDialog)

CHColorDialog::CHColorDialog(const CString& strCaption, COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : CColorDialog(clrInit, dwFlags, pParentWnd), m_strCaption(strCaption)
{
}

BOOL CHColorDialog::OnInitDialog()
{
    const BOOL bResult = CColorDialog::OnInitDialog();
    SetWindowText(m_strCaption);
    return bResult;
}
