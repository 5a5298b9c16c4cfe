#include "platform/gdi/PixelBuffer.h"

#include <algorithm>
#include <cmath>

namespace {

// The device pixels a rectangle covers, whichever way round its edges are given.
RECT Normalized(const RECT& rect)
{
    return {std::min(rect.left, rect.right), std::min(rect.top, rect.bottom),
            std::max(rect.left, rect.right), std::max(rect.top, rect.bottom)};
}

RECT Intersect(const RECT& a, const RECT& b)
{
    return {std::max(a.left, b.left), std::max(a.top, b.top), std::min(a.right, b.right),
            std::min(a.bottom, b.bottom)};
}

// The source coordinate that a destination pixel centre maps to.
int SourceCoordinate(int d, LONG dstFrom, LONG dstTo, LONG srcFrom, LONG srcTo)
{
    const double fraction = (d + 0.5 - dstFrom) / double(dstTo - dstFrom);
    return int(std::floor(srcFrom + fraction * (srcTo - srcFrom)));
}

}  // namespace

bool PixelBuffer::IsValidSize(int nWidth, int nHeight)
{
    return nWidth > 0 && nHeight > 0 && std::int64_t(nWidth) * nHeight <= kMaxPixels;
}

PixelBuffer::PixelBuffer(int nWidth, int nHeight)
    : m_nWidth(IsValidSize(nWidth, nHeight) ? nWidth : 1),
      m_nHeight(IsValidSize(nWidth, nHeight) ? nHeight : 1),
      m_pixels(std::size_t(m_nWidth) * std::size_t(m_nHeight), FromColour(RGB(0, 0, 0)))
{
}

std::uint32_t PixelBuffer::FromColour(COLORREF colour)
{
    return 0xFF000000u | (std::uint32_t(GetRValue(colour)) << 16) |
           (std::uint32_t(GetGValue(colour)) << 8) | GetBValue(colour);
}

COLORREF PixelBuffer::ToColour(std::uint32_t pixel)
{
    return RGB(BYTE(pixel >> 16), BYTE(pixel >> 8), BYTE(pixel));
}

COLORREF PixelBuffer::GetPixel(int x, int y) const
{
    if (!Contains(x, y))
        return CLR_INVALID;
    return ToColour(m_pixels[std::size_t(y) * m_nWidth + x]);
}

void PixelBuffer::SetPixel(int x, int y, COLORREF colour)
{
    if (Contains(x, y))
        m_pixels[std::size_t(y) * m_nWidth + x] = FromColour(colour);
}

void PixelBuffer::Fill(const RECT& rect, const RECT& clip, COLORREF colour)
{
    const RECT area = Intersect(Intersect(Normalized(rect), clip), {0, 0, m_nWidth, m_nHeight});
    const std::uint32_t pixel = FromColour(colour);
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x)
            m_pixels[std::size_t(y) * m_nWidth + x] = pixel;
}

void PixelBuffer::Blit(const RECT& dst, const PixelBuffer& src, const RECT& srcRect,
                       const RECT& clip)
{
    if (&src == this) {
        const PixelBuffer copy(src);
        Blit(dst, copy, srcRect, clip);
        return;
    }
    if (dst.left == dst.right || dst.top == dst.bottom)
        return;
    const RECT area = Intersect(Intersect(Normalized(dst), clip), {0, 0, m_nWidth, m_nHeight});
    const RECT from = Normalized(srcRect);
    for (LONG y = area.top; y < area.bottom; ++y) {
        const int sy = SourceCoordinate(y, dst.top, dst.bottom, srcRect.top, srcRect.bottom);
        for (LONG x = area.left; x < area.right; ++x) {
            const int sx = SourceCoordinate(x, dst.left, dst.right, srcRect.left, srcRect.right);
            if (sx >= from.left && sx < from.right && sy >= from.top && sy < from.bottom &&
                src.Contains(sx, sy))
                m_pixels[std::size_t(y) * m_nWidth + x] = src.m_pixels[std::size_t(sy) * src.m_nWidth + sx];
        }
    }
}
