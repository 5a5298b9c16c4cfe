// The pictures of the palette's tabs, 16 pixels square, one for each tab in tab order: a gate
// (BSC), a clock (TMR), arrows in and out (I/O), a switch (Misc), a plug (Aux), plus and minus
// (Math) and a chart line (Profile).
#pragma once

#include "platform/core/Types.h"

class CImageList;

constexpr int PALETTE_TAB_IMAGE_SIZE = 16;

// FALSE when the list could not be made.
BOOL MakePaletteTabImages(CImageList& images);
