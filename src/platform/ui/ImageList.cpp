#include "platform/ui/ImageList.h"

#include "platform/gdi/Bitmap.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/PixelBuffer.h"

BOOL CImageList::Create(int cx, int cy, UINT, int, int)
{
    if (cx <= 0 || cy <= 0 || !PixelBuffer::IsValidSize(cx, cy))
        return FALSE;
    m_cx = cx;
    m_cy = cy;
    m_images.clear();
    return TRUE;
}

BOOL CImageList::Create(const PixelBuffer& strip, int cx, int nGrow, COLORREF crMask)
{
    if (!Create(cx, strip.Height(), ILC_MASK, 0, nGrow))
        return FALSE;
    if (Add(strip, crMask) < 0) {
        DeleteImageList();
        return FALSE;
    }
    return TRUE;
}

BOOL CImageList::DeleteImageList()
{
    m_cx = m_cy = 0;
    m_images.clear();
    return TRUE;
}

int CImageList::Add(const PixelBuffer& strip, COLORREF crMask)
{
    // A strip lower than the images would leave rows undefined.
    if (!IsCreated() || strip.Height() < m_cy || strip.Width() < m_cx)
        return -1;
    const int nFirst = GetImageCount();
    for (int nLeft = 0; nLeft + m_cx <= strip.Width(); nLeft += m_cx) {
        std::vector<COLORREF> pixels(std::size_t(m_cx) * std::size_t(m_cy));
        for (int y = 0; y < m_cy; ++y) {
            for (int x = 0; x < m_cx; ++x) {
                const COLORREF colour = strip.GetPixel(nLeft + x, y);
                pixels[std::size_t(y) * std::size_t(m_cx) + std::size_t(x)] =
                    colour == crMask ? CLR_NONE : colour;
            }
        }
        m_images.push_back(std::move(pixels));
    }
    return nFirst;
}

int CImageList::Add(CBitmap* pbmImage, COLORREF crMask)
{
    const PixelBuffer* pPixels = pbmImage ? pbmImage->GetPixels() : nullptr;
    return pPixels ? Add(*pPixels, crMask) : -1;
}

BOOL CImageList::Remove(int nImage)
{
    if (nImage == -1) {
        m_images.clear();
        return TRUE;
    }
    if (nImage < 0 || nImage >= GetImageCount())
        return FALSE;
    m_images.erase(m_images.begin() + nImage);
    return TRUE;
}

BOOL CImageList::GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const
{
    if (nImage < 0 || nImage >= GetImageCount() || !pImageInfo)
        return FALSE;
    *pImageInfo = {};
    pImageInfo->rcImage = CRect(nImage * m_cx, 0, (nImage + 1) * m_cx, m_cy);
    return TRUE;
}

COLORREF CImageList::GetImagePixel(int nImage, int x, int y) const
{
    if (nImage < 0 || nImage >= GetImageCount() || x < 0 || y < 0 || x >= m_cx || y >= m_cy)
        return CLR_NONE;
    return m_images[std::size_t(nImage)][std::size_t(y) * std::size_t(m_cx) + std::size_t(x)];
}

BOOL CImageList::Draw(CDC* pDC, int nImage, POINT pt, UINT) const
{
    if (!pDC || nImage < 0 || nImage >= GetImageCount())
        return FALSE;
    for (int y = 0; y < m_cy; ++y) {
        for (int x = 0; x < m_cx; ++x) {
            const COLORREF colour = GetImagePixel(nImage, x, y);
            if (colour != CLR_NONE)
                pDC->SetPixel(pt.x + x, pt.y + y, colour);
        }
    }
    return TRUE;
}
