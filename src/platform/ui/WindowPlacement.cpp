#include "platform/ui/WindowPlacement.h"

#include "platform/ui/NativeWindow.h"
#include "platform/ui/WinThread.h"
#include "platform/ui/Wnd.h"

#include <algorithm>
#include <cstdlib>

CRect AfxGetScreenArea()
{
    if (IWindowBackend* pBackend = AfxGetWindowBackend()) {
        const CRect rect = pBackend->GetWorkArea();
        if (!rect.IsRectEmpty())
            return rect;
    }
    return CRect(0, 0, 1024, 768);
}

CRect AfxKeepInside(const CRect& rect, const CRect& area)
{
    // Sums are taken in 64 bits: a damaged stored place may hold any int.
    const long long nLeft = std::min(rect.left, rect.right);
    const long long nTop = std::min(rect.top, rect.bottom);
    const long long cx = std::min<long long>(std::llabs((long long)rect.right - rect.left), area.Width());
    const long long cy = std::min<long long>(std::llabs((long long)rect.bottom - rect.top), area.Height());
    const int x = int(std::clamp<long long>(nLeft, area.left, area.right - cx));
    const int y = int(std::clamp<long long>(nTop, area.top, area.bottom - cy));
    return CRect(x, y, x + int(cx), y + int(cy));
}

CRect AfxKeepOnScreen(const CRect& rect) { return AfxKeepInside(rect, AfxGetScreenArea()); }

CRect AfxPlaceOverOwner(CSize size, const CWnd* pOwner)
{
    if (pOwner && IsWindow(const_cast<CWnd*>(pOwner)))
        pOwner = pOwner->GetTopLevelParent();
    else
        pOwner = AfxGetMainWnd();
    CRect rcOwner = AfxGetScreenArea();
    if (pOwner && IsWindow(const_cast<CWnd*>(pOwner))) {
        CRect rc;
        pOwner->GetWindowRect(rc);
        if (!rc.IsRectEmpty())
            rcOwner = rc;
    }
    const CPoint ptTopLeft(rcOwner.left + (rcOwner.Width() - size.cx) / 2,
                           rcOwner.top + (rcOwner.Height() - size.cy) / 2);
    return AfxKeepOnScreen(CRect(ptTopLeft, size));
}
