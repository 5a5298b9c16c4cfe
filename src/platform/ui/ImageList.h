// CImageList: a row of equally sized images, each pixel either a colour or transparent. Images
// come from a horizontal strip of pixels (a toolbar-style bitmap) in which one colour, the mask
// colour, stands for "transparent"; drawing leaves the transparent pixels of the destination as
// they were.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/Types.h"

#include <vector>

class CBitmap;
class CDC;
class PixelBuffer;

constexpr UINT ILC_MASK = 0x0001;
constexpr UINT ILC_COLOR = 0x0000;
constexpr UINT ILC_COLOR24 = 0x0018;
constexpr UINT ILC_COLOR32 = 0x0020;

constexpr UINT ILD_NORMAL = 0x0000;
constexpr UINT ILD_TRANSPARENT = 0x0001;

constexpr COLORREF CLR_NONE = 0xFFFFFFFF;

struct IMAGEINFO {
    void* hbmImage;
    void* hbmMask;
    int Unused1;
    int Unused2;
    RECT rcImage;  // the image's place in the list's strip
};

class CImageList {
public:
    // An empty list of cx x cy images.
    BOOL Create(int cx, int cy, UINT nFlags, int nInitial, int nGrow);
    // The strip cut into images cx wide, as high as the strip; pixels of crMask are transparent.
    BOOL Create(const PixelBuffer& strip, int cx, int nGrow, COLORREF crMask);
    BOOL DeleteImageList();
    BOOL IsCreated() const { return m_cx > 0; }

    // Appends the strip's images (its width need not be a multiple of the image width: the rest
    // is dropped). Returns the index of the first new image, -1 when nothing could be added.
    int Add(const PixelBuffer& strip, COLORREF crMask);
    int Add(CBitmap* pbmImage, COLORREF crMask);
    BOOL Remove(int nImage);
    int GetImageCount() const { return int(m_images.size()); }
    BOOL GetImageInfo(int nImage, IMAGEINFO* pImageInfo) const;
    CSize GetImageSize() const { return CSize(m_cx, m_cy); }
    // The pixel of an image; CLR_NONE where it is transparent or outside the image.
    COLORREF GetImagePixel(int nImage, int x, int y) const;

    // Draws the image with its top-left corner at pt (logical coordinates of the context).
    BOOL Draw(CDC* pDC, int nImage, POINT pt, UINT nStyle) const;

private:
    int m_cx = 0;
    int m_cy = 0;
    std::vector<std::vector<COLORREF>> m_images;  // row by row, CLR_NONE for transparent
};
