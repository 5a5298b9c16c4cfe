// The pixels of a bitmap: rows top to bottom of 32-bit 0xFFRRGGBB values, the layout a raster
// image library can paint into directly. The size is fixed for the buffer's life, so a painter
// may keep a pointer to the pixels.
#pragma once

#include "platform/core/Types.h"

#include <cstdint>
#include <vector>

class PixelBuffer {
public:
    static constexpr std::int64_t kMaxPixels = std::int64_t(1) << 26;
    static bool IsValidSize(int nWidth, int nHeight);

    // Starts black. A size that IsValidSize refuses gives a 1 x 1 buffer: callers check first.
    PixelBuffer(int nWidth, int nHeight);

    int Width() const { return m_nWidth; }
    int Height() const { return m_nHeight; }
    std::uint32_t* Data() { return m_pixels.data(); }
    const std::uint32_t* Data() const { return m_pixels.data(); }
    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < m_nWidth && y < m_nHeight; }

    // CLR_INVALID outside the buffer.
    COLORREF GetPixel(int x, int y) const;
    // Ignored outside the buffer.
    void SetPixel(int x, int y, COLORREF colour);
    // Fills the part of the rectangle inside both the buffer and the clip rectangle.
    void Fill(const RECT& rect, const RECT& clip, COLORREF colour);
    // Copies srcRect of src onto dst, stretched by nearest pixel when the sizes differ, limited to
    // clip. Copying within one buffer reads the pixels as they were before the copy.
    void Blit(const RECT& dst, const PixelBuffer& src, const RECT& srcRect, const RECT& clip);

    static std::uint32_t FromColour(COLORREF colour);
    static COLORREF ToColour(std::uint32_t pixel);

private:
    int m_nWidth;
    int m_nHeight;
    std::vector<std::uint32_t> m_pixels;
};
