#include "platform/qt/HeldLines.h"

#include "platform/qt/PixelFill.h"

#include <algorithm>
#include <climits>

namespace {

constexpr int kBandRows = 64;

} // namespace

void HeldLines::Hold(const QRect& area, std::uint32_t value)
{
    if (!area.isEmpty())
        m_lines.push_back({area, value});
}

void HeldLines::Store(PixelBuffer& pixels)
{
    if (m_lines.empty())
        return;
    int nTop = INT_MAX;
    int nBottom = INT_MIN;
    for (const Line& line : m_lines) {
        nTop = std::min(nTop, line.area.top());
        nBottom = std::max(nBottom, line.area.bottom());
    }
    const int nBands = (nBottom - nTop) / kBandRows + 1;
    SortIntoBands(nTop, nBands);
    for (int nBand = 0; nBand < nBands; ++nBand) {
        const int nBandTop = nTop + nBand * kBandRows;
        const int nBandBottom = nBandTop + kBandRows - 1;
        for (std::size_t i = m_bandStarts[std::size_t(nBand)]; i < m_bandStarts[std::size_t(nBand) + 1]; ++i) {
            const QRect& area = m_lines[m_bandLines[i]].area;
            const QRect inBand(QPoint(area.left(), std::max(nBandTop, area.top())),
                               QPoint(area.right(), std::min(nBandBottom, area.bottom())));
            FillPixels(pixels, inBand, m_lines[m_bandLines[i]].value);
        }
    }
    m_lines.clear();
}

void HeldLines::SortIntoBands(int nTop, int nBands)
{
    const auto firstBand = [nTop](const Line& line) { return std::size_t((line.area.top() - nTop) / kBandRows); };
    const auto lastBand = [nTop](const Line& line) { return std::size_t((line.area.bottom() - nTop) / kBandRows); };
    m_bandStarts.assign(std::size_t(nBands) + 1, 0);
    for (const Line& line : m_lines) {
        for (std::size_t nBand = firstBand(line); nBand <= lastBand(line); ++nBand)
            ++m_bandStarts[nBand + 1];
    }
    for (std::size_t nBand = 0; nBand < std::size_t(nBands); ++nBand)
        m_bandStarts[nBand + 1] += m_bandStarts[nBand];
    m_bandFill.assign(m_bandStarts.begin(), m_bandStarts.end() - 1);
    m_bandLines.resize(m_bandStarts.back());
    for (std::size_t i = 0; i < m_lines.size(); ++i) {
        for (std::size_t nBand = firstBand(m_lines[i]); nBand <= lastBand(m_lines[i]); ++nBand)
            m_bandLines[m_bandFill[nBand]++] = std::uint32_t(i);
    }
}
