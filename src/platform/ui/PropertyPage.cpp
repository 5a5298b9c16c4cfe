#include "platform/ui/PropertyPage.h"

#include "platform/ui/PropertySheet.h"

IMPLEMENT_DYNAMIC(CPropertyPage, CDialog)

CPropertyPage::CPropertyPage(UINT nIDTemplate, UINT nIDCaption)
    : CDialog(nIDTemplate), m_nIDCaption(nIDCaption)
{
    m_psp.nIDTemplate = nIDTemplate;
}

CString CPropertyPage::GetTabTitle() const
{
    if ((m_psp.dwFlags & PSP_USETITLE) && m_psp.pszTitle)
        return CString(m_psp.pszTitle);
    CString strTitle;
    if (m_nIDCaption && strTitle.LoadString(m_nIDCaption))
        return strTitle;
    const DialogTemplate* pTemplate = AfxFindDialogTemplate(m_psp.nIDTemplate);
    return pTemplate ? pTemplate->strCaption : CString();
}

BOOL CPropertyPage::CreateDialogWindow(CWnd* pParentWnd, BOOL)
{
    const DialogTemplate* pTemplate = AfxFindDialogTemplate(m_psp.nIDTemplate);
    if (!pTemplate || !pParentWnd)
        return FALSE;
    DialogTemplate pageTemplate = *pTemplate;
    // A page is a child of the sheet whose controls take part in the sheet's tab order.
    pageTemplate.dwStyle = (pageTemplate.dwStyle &
                            ~(WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_VISIBLE | WS_THICKFRAME |
                              DS_MODALFRAME)) |
                           WS_CHILD | DS_CONTROL;
    pageTemplate.dwExStyle |= WS_EX_CONTROLPARENT;
    if (!CreateFromTemplate(pageTemplate, pParentWnd))
        return FALSE;
    InitDialogWindow();
    return IsWindow(this);
}

void CPropertyPage::SetModified(BOOL bChanged)
{
    m_bModified = bChanged;
    if (m_pSheet && IsWindow(m_pSheet))
        m_pSheet->SendMessage(bChanged ? PSM_CHANGED : PSM_UNCHANGED, WParamFromWnd(this));
}

LRESULT CPropertyPage::QuerySiblings(WPARAM wParam, LPARAM lParam)
{
    return m_pSheet && IsWindow(m_pSheet) ? m_pSheet->SendMessage(PSM_QUERYSIBLINGS, wParam, lParam)
                                          : 0;
}

BOOL CPropertyPage::OnSetActive()
{
    if (m_bFirstSetActive)
        m_bFirstSetActive = FALSE;
    else
        UpdateData(FALSE);
    return TRUE;
}

BOOL CPropertyPage::OnKillActive() { return UpdateData(TRUE); }

BOOL CPropertyPage::OnApply()
{
    OnOK();
    return TRUE;
}

void CPropertyPage::OnReset() { OnCancel(); }

BOOL CPropertyPage::OnQueryCancel() { return TRUE; }

void CPropertyPage::OnOK() { m_bModified = FALSE; }

void CPropertyPage::OnCancel() {}

BOOL CPropertyPage::PreTranslateMessage(MSG*) { return FALSE; }
