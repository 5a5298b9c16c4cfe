#include "controls/HColorDialog.h"

IMPLEMENT_DYNAMIC(CHColorDialog, CColorDialog)

CHColorDialog::CHColorDialog(const CString& strCaption, COLORREF clrInit, DWORD dwFlags, CWnd* pParentWnd)
    : CColorDialog(clrInit, dwFlags | CC_SHOWHELP, pParentWnd), m_strCaption(strCaption)
{
}

BOOL CHColorDialog::OnInitDialog()
{
    const BOOL bResult = CColorDialog::OnInitDialog();
    // Without a caption of the caller's the dialog keeps its own title.
    if (!m_strCaption.IsEmpty())
        SetWindowText(m_strCaption);
    return bResult;
}
