#include "platform/qt/PixelFill.h"

#include <algorithm>
#include <cstddef>

#ifdef __SSE2__
#include <emmintrin.h>
#endif

namespace {

#ifdef __SSE2__
// Past this many bytes a fill cannot stay in the processor's cache (the page of a whole large
// diagram is 40 MB): stored past the cache, its rows go to memory without being read from there
// first. A screen's fill stays cached for the drawing over it.
constexpr std::size_t kStreamFrom = std::size_t(16) << 20;

void StreamRow(std::uint32_t* pRow, std::size_t nWidth, std::uint32_t value)
{
    std::size_t i = 0;
    for (; i < nWidth && reinterpret_cast<std::uintptr_t>(pRow + i) % 16 != 0; ++i)
        pRow[i] = value;
    const __m128i four = _mm_set1_epi32(int(value));
    for (; i + 4 <= nWidth; i += 4)
        _mm_stream_si128(reinterpret_cast<__m128i*>(pRow + i), four);
    for (; i < nWidth; ++i)
        pRow[i] = value;
}
#endif

} // namespace

void FillPixels(PixelBuffer& pixels, const QRect& area, std::uint32_t value)
{
    const QRect inside = area & QRect(0, 0, pixels.Width(), pixels.Height());
    if (inside.isEmpty())
        return;
    const std::size_t nStride = std::size_t(pixels.Width());
    std::uint32_t* pRow = pixels.Data() + std::size_t(inside.top()) * nStride + std::size_t(inside.left());
    const std::size_t nWidth = std::size_t(inside.width());
    int nRows = inside.height();
#ifdef __SSE2__
    if (nWidth * std::size_t(nRows) * sizeof(std::uint32_t) >= kStreamFrom) {
        for (; nRows > 0; --nRows, pRow += nStride)
            StreamRow(pRow, nWidth, value);
        // Whatever is stored next lands after the streamed stores.
        _mm_sfence();
        return;
    }
#endif
    if (nWidth > 1) {
        for (; nRows > 0; --nRows, pRow += nStride)
            std::fill(pRow, pRow + nWidth, value);
        return;
    }
    // A vertical line is most of what wires store: one pixel a row, four rows a step, which
    // takes half the instructions of a row at a time.
    for (; nRows >= 4; nRows -= 4, pRow += 4 * nStride) {
        pRow[0] = value;
        pRow[nStride] = value;
        pRow[2 * nStride] = value;
        pRow[3 * nStride] = value;
    }
    for (; nRows > 0; --nRows, pRow += nStride)
        *pRow = value;
}
