#include "platform/qt/ShapeStamps.h"

#include <QImage>

#include <algorithm>
#include <cstdint>

namespace {

// The marker colours: what is left in the background's, the brush's and the pen's.
constexpr QRgb kBlank = 0xFF000000;
constexpr QRgb kBrushMark = 0xFF0000FF;
constexpr QRgb kPenMark = 0xFFFF0000;

} // namespace

ShapeStamps::ShapeStamps(std::size_t nGeneration) : m_stamps(nGeneration) {}

bool ShapeStamps::Draw(PixelBuffer& pixels, const QRect& clip, const std::string& key, QPoint origin,
                       const QRect& box, QRgb pen, QRgb brush, const Painting& paint, QPainter* pInPlace)
{
    const QRect area = box.translated(origin);
    if (!(clip & QRect(0, 0, pixels.Width(), pixels.Height())).contains(area))
        return false;
    Stamp* pStamp = m_stamps.Find(key);
    if (!pStamp) {
        m_stamps.Insert(key, Stamp{});
        return false;
    }
    Stamp& stamp = *pStamp;
    if (!stamp.bMarked) {
        stamp.runs = pInPlace ? MarkInPlace(pixels, *pInPlace, origin, box, paint) : Mark(box, paint);
        stamp.bMarked = true;
    }
    if (!stamp.runs)
        return false;
    const std::size_t nStride = std::size_t(pixels.Width());
    for (const Run& run : *stamp.runs) {
        std::uint32_t* pRow = pixels.Data() + std::size_t(origin.y() + run.y) * nStride + std::size_t(origin.x());
        std::fill(pRow + run.left, pRow + run.right + 1, std::uint32_t(run.bPen ? pen : brush));
    }
    return true;
}

// The pixels the painter marks, row by row, with the box's outer ring left blank as the proof
// that the box holds the whole shape.
std::optional<std::vector<ShapeStamps::Run>> ShapeStamps::Mark(const QRect& box, const Painting& paint)
{
    const QRect probe = box.adjusted(-1, -1, 1, 1);
    QImage image(probe.size(), QImage::Format_RGB32);
    image.fill(kBlank);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::Antialiasing, false);
        paint(painter, -probe.topLeft(), QColor::fromRgb(kPenMark), QColor::fromRgb(kBrushMark));
    }
    const auto row = [&image](int y) { return reinterpret_cast<const QRgb*>(image.constScanLine(y)); };
    return RunsOf(row, probe.size(), probe.topLeft());
}

// The painter's own pixels, put back afterwards: where the shape lies, the marks are the
// pixels the painter covers there, whatever rounding its coordinates meet.
std::optional<std::vector<ShapeStamps::Run>> ShapeStamps::MarkInPlace(PixelBuffer& pixels, QPainter& painter,
                                                                      QPoint origin, const QRect& box,
                                                                      const Painting& paint)
{
    const QRect probe = box.adjusted(-1, -1, 1, 1).translated(origin);
    if (!QRect(0, 0, pixels.Width(), pixels.Height()).contains(probe))
        return std::nullopt;
    const std::size_t nStride = std::size_t(pixels.Width());
    std::uint32_t* pCorner = pixels.Data() + std::size_t(probe.top()) * nStride + std::size_t(probe.left());
    const auto row = [&](int y) { return pCorner + std::size_t(y) * nStride; };
    const std::size_t nWidth = std::size_t(probe.width());
    std::vector<std::uint32_t> saved;
    saved.reserve(nWidth * std::size_t(probe.height()));
    for (int y = 0; y < probe.height(); ++y) {
        saved.insert(saved.end(), row(y), row(y) + nWidth);
        std::fill(row(y), row(y) + nWidth, kBlank);
    }
    painter.save();
    painter.setClipRect(probe);
    paint(painter, origin, QColor::fromRgb(kPenMark), QColor::fromRgb(kBrushMark));
    painter.restore();
    std::optional<std::vector<Run>> runs = RunsOf(row, probe.size(), probe.topLeft() - origin);
    for (int y = 0; y < probe.height(); ++y)
        std::copy_n(saved.begin() + std::ptrdiff_t(std::size_t(y) * nWidth), nWidth, row(y));
    return runs;
}

// The marked runs of size's rows, moved by offset; none when a mark touches the outer ring.
std::optional<std::vector<ShapeStamps::Run>> ShapeStamps::RunsOf(const std::function<const QRgb*(int)>& row,
                                                                 QSize size, QPoint offset)
{
    std::vector<Run> runs;
    const QRect inside(1, 1, size.width() - 2, size.height() - 2);
    for (int y = 0; y < size.height(); ++y) {
        const QRgb* pRow = row(y);
        for (int x = 0; x < size.width();) {
            const QRgb mark = pRow[x];
            int nEnd = x + 1;
            while (nEnd < size.width() && pRow[nEnd] == mark)
                ++nEnd;
            if (mark != kBlank) {
                if ((mark != kPenMark && mark != kBrushMark) || !inside.contains(x, y) || !inside.contains(nEnd - 1, y))
                    return std::nullopt;
                runs.push_back({y + offset.y(), x + offset.x(), nEnd - 1 + offset.x(), mark == kPenMark});
            }
            x = nEnd;
        }
    }
    return runs;
}
