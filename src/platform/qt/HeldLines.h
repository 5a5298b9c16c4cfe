// Solid one-pixel lines of a line run, kept back and stored together at its end. On a large
// bitmap a long vertical line touches a new row of memory with every pixel; stored band after
// band of rows, each band taking the lines that cross it in the order they came, the rows of a
// band stay in the cache for every line that crosses them, and every pixel ends up as storing
// the lines one by one would leave it.
#pragma once

#include "platform/gdi/PixelBuffer.h"

#include <QRect>

#include <cstddef>
#include <cstdint>
#include <vector>

class HeldLines {
public:
    bool IsEmpty() const { return m_lines.empty(); }
    // A line's pixels (clipped, corners included) and its colour.
    void Hold(const QRect& area, std::uint32_t value);
    // Stores every held line and holds none after.
    void Store(PixelBuffer& pixels);

private:
    struct Line {
        QRect area;
        std::uint32_t value;
    };

    // Sorts the lines into the bands they cross: m_bandLines holds, band after band, the
    // indices of the lines crossing it in the order they came; band b's run from
    // m_bandStarts[b] to m_bandStarts[b + 1].
    void SortIntoBands(int nTop, int nBands);

    std::vector<Line> m_lines;
    // Kept from one run to the next, so that a paint allocates nothing.
    std::vector<std::size_t> m_bandStarts;
    std::vector<std::size_t> m_bandFill;
    std::vector<std::uint32_t> m_bandLines;
};
