#include "platform/qt/PixelFill.h"

#include <algorithm>
#include <cstddef>

void FillPixels(PixelBuffer& pixels, const QRect& area, std::uint32_t value)
{
    const QRect inside = area & QRect(0, 0, pixels.Width(), pixels.Height());
    if (inside.isEmpty())
        return;
    const std::size_t nStride = std::size_t(pixels.Width());
    std::uint32_t* pRow = pixels.Data() + std::size_t(inside.top()) * nStride + std::size_t(inside.left());
    const std::size_t nWidth = std::size_t(inside.width());
    int nRows = inside.height();
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
