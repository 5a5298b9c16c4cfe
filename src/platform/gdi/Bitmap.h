// A 32-bit bitmap that a memory device context draws into.
#pragma once

#include "platform/gdi/GdiObject.h"

class CBitmap : public CGdiObject {
    DECLARE_DYNAMIC(CBitmap)
public:
    // 32 bits per pixel whatever the context; a zero width or height gives a 1 x 1 bitmap as the
    // classic system does, a negative or too large size fails.
    BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
    // A copy of the pixels as a bitmap (the pages of a print preview).
    BOOL CreateFromPixels(const PixelBuffer& pixels);
    int GetBitmap(BITMAP* pBitMap) const;
    const PixelBuffer* GetPixels() const;
};
