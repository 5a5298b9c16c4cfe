#include "platform/ui/Cursor.h"

#include "platform/ui/NativeWindow.h"

#include <map>
#include <memory>

namespace {

HCURSOR Intern(bool bStandard, UINT nID)
{
    static std::map<std::pair<bool, UINT>, std::unique_ptr<CursorResource>> s_cursors;
    auto& slot = s_cursors[{bStandard, nID}];
    if (!slot)
        slot = std::make_unique<CursorResource>(CursorResource{bStandard, nID});
    return slot.get();
}

HCURSOR& CurrentCursor()
{
    static HCURSOR s_hCursor = nullptr;
    return s_hCursor;
}

POINT& LogicalCursorPos()
{
    static POINT s_pt = {0, 0};
    return s_pt;
}

}  // namespace

HCURSOR AfxLoadStandardCursor(UINT nIDCursor) { return Intern(true, nIDCursor); }
HCURSOR AfxLoadCursor(UINT nIDResource) { return Intern(false, nIDResource); }

HCURSOR SetCursor(HCURSOR hCursor)
{
    const HCURSOR hOld = CurrentCursor();
    CurrentCursor() = hCursor;
    if (IWindowBackend* pBackend = AfxGetWindowBackend())
        pBackend->SetCursor(hCursor);
    return hOld;
}

HCURSOR GetCursor() { return CurrentCursor(); }

BOOL GetCursorPos(LPPOINT lpPoint)
{
    if (!lpPoint)
        return FALSE;
    if (IWindowBackend* pBackend = AfxGetWindowBackend())
        *lpPoint = pBackend->GetCursorPos();
    else
        *lpPoint = LogicalCursorPos();
    return TRUE;
}

BOOL SetCursorPos(int x, int y)
{
    LogicalCursorPos() = POINT{x, y};
    if (IWindowBackend* pBackend = AfxGetWindowBackend())
        pBackend->SetCursorPos(CPoint(x, y));
    return TRUE;
}
