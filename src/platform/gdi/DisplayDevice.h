// The screen as the drawing layer sees it: what GetDeviceCaps reports for display contexts and
// which kind of surface draws the bitmaps of memory contexts made compatible with the display.
// Until the window layer installs the real screen, a 1024 x 768 display at 96 dpi with recording
// surfaces stands in, so that the layer works headless.
#pragma once

#include "platform/gdi/DrawingSurface.h"

struct DisplayDevice {
    DeviceCaps caps;
    BitmapSurfaceMaker pMaker;
};

const DisplayDevice& GetDisplayDevice();
void SetDisplayDevice(const DeviceCaps& caps, BitmapSurfaceMaker pMaker);
// Puts the headless stand-in back, with no font family known: what the real screen installed
// leaves with the window layer, so that text is measured afterwards as it was before it came.
void ResetDisplayDevice();

// Whether the screen's fonts include that family. The window layer installs the answer with the
// real screen; headless, no family is known.
using FontFamilyQuery = bool (*)(LPCTSTR lpszFaceName);
void SetFontFamilyQuery(FontFamilyQuery pfnQuery);
bool HasFontFamily(LPCTSTR lpszFaceName);
