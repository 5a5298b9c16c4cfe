#include "platform/ui/Static.h"

IMPLEMENT_DYNAMIC(CStatic, CControlWnd)

BOOL CStatic::Create(LPCTSTR lpszText, DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(WC_STATIC, lpszText, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

LRESULT CStatic::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_LBUTTONUP:
        if (GetStyle() & SS_NOTIFY)
            NotifyCommand(STN_CLICKED);
        return 0;
    case WM_LBUTTONDBLCLK:
        if (GetStyle() & SS_NOTIFY)
            NotifyCommand(STN_DBLCLK);
        return 0;
    case WM_GETDLGCODE:
        return DLGC_STATIC;
    case WM_NCHITTEST:
        // A label that reports no clicks lets the mouse through to the window beneath it.
        return (GetStyle() & SS_NOTIFY) ? HTCLIENT : HTTRANSPARENT;
    default:
        return CControlWnd::DefWindowProc(message, wParam, lParam);
    }
}
