#include "controls/ResizableDialog.h"

#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNAMIC(cdxCDynamicDialog, CDialog)
IMPLEMENT_DYNAMIC(cdxCDynamicChildDlg, cdxCDynamicDialog)

BEGIN_MESSAGE_MAP(cdxCDynamicDialog, CDialog)
    ON_WM_DESTROY()
    ON_WM_SIZE()
    ON_WM_GETMINMAXINFO()
    ON_MESSAGE(WM_PARENTNOTIFY, OnParentNotify)
END_MESSAGE_MAP()

cdxCDynamicDialog::cdxCDynamicDialog(UINT nIDTemplate, CWnd* pParentWnd, DWORD dwFreedom, DWORD dwFlags)
    : CDialog(nIDTemplate, pParentWnd), cdxCDynamicLayoutEngine(dwFreedom, dwFlags)
{
    if (nIDTemplate)
        m_strPositionName.Format(_T("ID=0x%08lx"), static_cast<unsigned long>(nIDTemplate));
}

BOOL cdxCDynamicDialog::OnInitDialog()
{
    const BOOL bResult = CDialog::OnInitDialog();
    CRect rc;
    GetClientRect(rc);
    DoInitWindow(this, rc.Size());
    return bResult;
}

BOOL cdxCDynamicDialog::DestroyWindow()
{
    DoOnDestroy();
    return CDialog::DestroyWindow();
}

void cdxCDynamicDialog::OnDestroy()
{
    DoOnDestroy();
    CDialog::OnDestroy();
}

void cdxCDynamicDialog::OnSize(UINT nType, int cx, int cy)
{
    CDialog::OnSize(nType, cx, cy);
    if (nType != SIZE_MINIMIZED && IsStarted())
        Layout();
}

void cdxCDynamicDialog::OnGetMinMaxInfo(MINMAXINFO* lpMMI)
{
    CDialog::OnGetMinMaxInfo(lpMMI);
    DoOnGetMinMaxInfo(lpMMI);
}

LRESULT cdxCDynamicDialog::OnParentNotify(WPARAM wParam, LPARAM lParam)
{
    const LRESULT lResult = Default();
    if (LOWORD(DWORD(wParam)) == WM_DESTROY && lParam)
        RemSzControl(reinterpret_cast<CWnd*>(lParam));
    return lResult;
}
