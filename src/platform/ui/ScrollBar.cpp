#include "platform/ui/ScrollBar.h"

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID)
{
    return CWnd::Create(u"SCROLLBAR", nullptr, dwStyle, rect, pParentWnd, nID);
}
