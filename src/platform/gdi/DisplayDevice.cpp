#include "platform/gdi/DisplayDevice.h"

#include "platform/gdi/RecordingSurface.h"

namespace {

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
