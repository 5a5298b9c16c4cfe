#include "platform/gdi/DisplayDevice.h"

#include "platform/gdi/RecordingSurface.h"

namespace {

FontFamilyQuery g_pfnHasFamily = nullptr;

DisplayDevice& Display()
{
    static DisplayDevice display{DeviceCaps{}, &RecordingSurface::ForPixels};
    return display;
}

}  // namespace

const DisplayDevice& GetDisplayDevice() { return Display(); }

void SetDisplayDevice(const DeviceCaps& caps, BitmapSurfaceMaker pMaker)
{
    Display() = DisplayDevice{caps, pMaker ? pMaker : &RecordingSurface::ForPixels};
}

void ResetDisplayDevice()
{
    SetDisplayDevice(DeviceCaps{}, nullptr);
    SetFontFamilyQuery(nullptr);
}

void SetFontFamilyQuery(FontFamilyQuery pfnQuery) { g_pfnHasFamily = pfnQuery; }

bool HasFontFamily(LPCTSTR lpszFaceName) { return g_pfnHasFamily && lpszFaceName && g_pfnHasFamily(lpszFaceName); }
