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
