// Subclassing: an object takes the place of a live window (see Wnd.h).
#include "platform/ui/Wnd.h"

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent)
{
    CWnd* pOld = pParent ? pParent->GetDlgItem(int(nID)) : nullptr;
    return pOld ? SubclassWindow(pOld) : FALSE;
}

BOOL CWnd::SubclassWindow(HWND hWnd)
{
    if (m_hWnd || !IsWindow(hWnd) || hWnd == this)
        return FALSE;
    CWnd* pOld = hWnd;
    CWnd* pParent = (pOld->GetStyle() & WS_CHILD) ? pOld->GetParent() : pOld->GetWindow(GW_OWNER);
    CRect rect;
    pOld->GetWindowRect(rect);
    if (pOld->GetStyle() & WS_CHILD)
        pParent->ScreenToClient(rect);
    CString strText;
    pOld->GetWindowText(strText);
    const CString strClass = pOld->GetClassName();
    const bool bHadFocus = GetFocus() == pOld;
    // Created hidden so that it never shows beside the old window; shown once it is in place.
    const DWORD dwStyle = pOld->GetStyle();
    if (!CreateEx(pOld->GetExStyle(), strClass, strText, dwStyle & ~WS_VISIBLE, rect, pParent,
                  UINT(pOld->GetDlgCtrlID())))
        return FALSE;
    SetWindowPos(pOld, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
    if (CFont* pFont = pOld->GetFont())
        SetFont(pFont, FALSE);
    CopyStateFrom(*pOld);
    pOld->DestroyWindow();
    if (dwStyle & WS_VISIBLE)
        ShowWindow(SW_SHOWNA);
    if (bHadFocus)
        SetFocus();
    return TRUE;
}

void CWnd::CopyStateFrom(CWnd&) {}
