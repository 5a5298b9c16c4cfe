#include "platform/gdi/Bitmap.h"

IMPLEMENT_DYNAMIC(CBitmap, CGdiObject)

BOOL CBitmap::CreateCompatibleBitmap(CDC* /*pDC*/, int nWidth, int nHeight)
{
    if (nWidth < 0 || nHeight < 0)
        return FALSE;
    if (nWidth == 0 || nHeight == 0)
        nWidth = nHeight = 1;
    if (!PixelBuffer::IsValidSize(nWidth, nHeight))
        return FALSE;
    Create(BitmapBits{PixelBuffer(nWidth, nHeight)});
    return TRUE;
}

BOOL CBitmap::CreateFromPixels(const PixelBuffer& pixels)
{
    Create(BitmapBits{pixels});
    return TRUE;
}

int CBitmap::GetBitmap(BITMAP* pBitMap) const
{
    const BitmapBits* pBits = Get<BitmapBits>();
    if (!pBits || !pBitMap)
        return 0;
    const int nWidth = pBits->pixels.Width();
    // The bits of a device bitmap are not addressable, as on the classic system.
    *pBitMap = BITMAP{0, nWidth, pBits->pixels.Height(), nWidth * 4, 1, 32, nullptr};
    return int(sizeof(BITMAP));
}

const PixelBuffer* CBitmap::GetPixels() const
{
    const BitmapBits* pBits = Get<BitmapBits>();
    return pBits ? &pBits->pixels : nullptr;
}
