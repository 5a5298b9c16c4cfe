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

bool ShapeStamps::Draw(PixelBuffer& pixels, const QRect& clip, const std::string& key, QPoint origin,
                       const QRect& box, QRgb pen, QRgb brush, const Painting& paint)
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
        stamp.runs = Mark(box, paint);
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
    std::vector<Run> runs;
    const QRect inside(1, 1, box.width(), box.height());
    for (int y = 0; y < image.height(); ++y) {
        const auto* pRow = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width();) {
            const QRgb mark = pRow[x];
            int nEnd = x + 1;
            while (nEnd < image.width() && pRow[nEnd] == mark)
                ++nEnd;
            if (mark != kBlank) {
                if ((mark != kPenMark && mark != kBrushMark) || !inside.contains(x, y) || !inside.contains(nEnd - 1, y))
                    return std::nullopt;
                runs.push_back({y + probe.top(), x + probe.left(), nEnd - 1 + probe.left(), mark == kPenMark});
            }
            x = nEnd;
        }
    }
    return runs;
}
