#include "controller/DeviceDialogPlacement.h"

#include "platform/ui/NativeWindow.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/Wnd.h"

namespace {

void PlaceAt(CWnd& dialog, int nX, int nY)
{
    dialog.SetWindowPos(nullptr, nX, nY, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

CRect ScreenArea()
{
    const IWindowBackend* pBackend = AfxGetWindowBackend();
    return pBackend ? pBackend->GetWorkArea() : CRect();
}

}  // namespace

void PlaceDeviceDialogMiddle(CWnd& dialog)
{
    const CRect rcScreen = ScreenArea();
    if (!rcScreen.IsRectEmpty())
        PlaceAt(dialog, rcScreen.Width() / 2 - 100, rcScreen.Height() / 2 - 100);
}

void PlaceDeviceDialogHigh(CWnd& dialog)
{
    const CRect rcScreen = ScreenArea();
    if (!rcScreen.IsRectEmpty())
        PlaceAt(dialog, rcScreen.Width() / 2 - 100, rcScreen.Height() / 6);
}
