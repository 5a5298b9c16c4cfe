#include "platform/qt/TextStamps.h"

#include <QFontMetrics>

#include <algorithm>
#include <cstring>
#include <utility>

namespace {

// Beyond the ink box Qt reports, glyphs may still reach a pixel or two (antialiased edges,
// hinting): the stamp looks this much further.
constexpr int kProbeMargin = 4;
// Value boxes bring new strings on every tick; the stamps start again rather than grow.
constexpr std::size_t kMaxStamps = 4096;
constexpr std::size_t kMaxVariants = 8;

std::uint32_t* Row(QImage& image, int y) { return reinterpret_cast<std::uint32_t*>(image.scanLine(y)); }

// Raw values, as the bitmap holds them: QImage::fill would make them opaque first.
void FillRaw(QImage& image, std::uint32_t value)
{
    for (int y = 0; y < image.height(); ++y)
        std::fill(Row(image, y), Row(image, y) + image.width(), value);
}

// Draws the text as the surface does, with its cell's top-left corner at origin.
void Render(QImage& image, QPoint origin, const StampedText& text, const QColor& colour,
            const std::optional<QColor>& background, const QRect& cell, QPainter::RenderHints hints)
{
    QPainter painter(&image);
    painter.setRenderHints(painter.renderHints(), false);
    painter.setRenderHints(hints, true);
    painter.setFont(text.font);
    painter.setPen(colour);
    if (background)
        painter.fillRect(cell.translated(origin), *background);
    if (const QStaticText* pLayout = text.layout())
        painter.drawStaticText(origin, *pLayout);
    else
        painter.drawText(origin + QPoint(0, text.nAscent), text.string);
}

} // namespace

bool TextStamps::Draw(PixelBuffer& pixels, const QRect& clip, QPoint topLeft, const StampedText& text,
                      QPainter::RenderHints hints)
{
    auto found = m_stamps.find(text.string);
    if (found == m_stamps.end()) {
        if (m_stamps.size() >= kMaxStamps)
            m_stamps.clear();
        Stamp stamp;
        stamp.hints = hints;
        m_stamps.emplace(text.string, std::move(stamp));
        return false;
    }
    Stamp& stamp = found->second;
    if (stamp.hints != hints)
        return false;
    if (!stamp.bMarked) {
        stamp.glyphs = Mark(text, hints);
        stamp.bMarked = true;
    }
    if (!stamp.glyphs)
        return false;
    const Glyphs& glyphs = *stamp.glyphs;
    // What may change, from the cell's corner.
    const QRect within = (clip & QRect(0, 0, pixels.Width(), pixels.Height())).translated(-topLeft);
    const auto target = [&](int y, int x) {
        return pixels.Data() + std::size_t(topLeft.y() + y) * std::size_t(pixels.Width()) + std::size_t(topLeft.x() + x);
    };
    // A glyph's pixel blends with what lies under it: the same colour under every one of them
    // gives the stamp's pixels. Opaque text fills its cell first, whatever was there.
    const std::vector<Run>& blended = text.background ? glyphs.outsideCell : glyphs.touched;
    std::optional<std::uint32_t> plain;
    for (const Run& run : blended) {
        const int nLeft = std::max(run.left, within.left());
        const int nRight = std::min(run.right, within.right());
        if (run.y < within.top() || run.y > within.bottom() || nLeft > nRight)
            continue;
        const std::uint32_t* pFirst = target(run.y, nLeft);
        if (!plain)
            plain = *pFirst;
        if (!std::all_of(pFirst, pFirst + (nRight - nLeft + 1), [&](std::uint32_t p) { return p == *plain; }))
            return false;
    }
    const QImage& image = VariantFor(stamp, text, plain.value_or(0)).pixels;
    const auto copy = [&](int y, int nLeft, int nRight) {
        nLeft = std::max(nLeft, within.left());
        nRight = std::min(nRight, within.right());
        if (y < within.top() || y > within.bottom() || nLeft > nRight)
            return;
        const auto* pFrom = reinterpret_cast<const std::uint32_t*>(image.constScanLine(y - glyphs.box.top())) +
                            (nLeft - glyphs.box.left());
        std::memcpy(target(y, nLeft), pFrom, std::size_t(nRight - nLeft + 1) * sizeof(std::uint32_t));
    };
    if (text.background) {
        for (int y = glyphs.cell.top(); y <= glyphs.cell.bottom(); ++y)
            copy(y, glyphs.cell.left(), glyphs.cell.right());
    }
    for (const Run& run : blended)
        copy(run.y, run.left, run.right);
    return true;
}

// The pixels the glyphs touch: whatever changes when the text is drawn light on dark or dark
// on light, in an image around the cell and Qt's ink box. A text that reaches the image's edge
// may reach further than it shows; it keeps being drawn by the painter.
std::optional<TextStamps::Glyphs> TextStamps::Mark(const StampedText& text, QPainter::RenderHints hints)
{
    const QFontMetrics metrics(text.font);
    const QRect ink = metrics.boundingRect(text.string).translated(0, metrics.ascent());
    const QRect cell = text.cell();
    const QRect probe = (cell | ink).adjusted(-kProbeMargin, -kProbeMargin, kProbeMargin, kProbeMargin);
    QImage light(probe.size(), QImage::Format_RGB32);
    QImage dark(probe.size(), QImage::Format_RGB32);
    const std::uint32_t black = QColor(Qt::black).rgb();
    const std::uint32_t white = QColor(Qt::white).rgb();
    FillRaw(light, black);
    FillRaw(dark, white);
    Render(light, -probe.topLeft(), text, Qt::white, std::nullopt, cell, hints);
    Render(dark, -probe.topLeft(), text, Qt::black, std::nullopt, cell, hints);
    Glyphs glyphs;
    glyphs.cell = cell;
    glyphs.box = cell;
    const auto touched = [&](int x, int y) { return Row(light, y)[x] != black || Row(dark, y)[x] != white; };
    const QRect inner = QRect(QPoint(0, 0), probe.size()).adjusted(1, 1, -1, -1);
    for (int y = 0; y < probe.height(); ++y) {
        for (int x = 0; x < probe.width(); ++x) {
            if (!touched(x, y))
                continue;
            int nEnd = x;
            while (nEnd + 1 < probe.width() && touched(nEnd + 1, y))
                ++nEnd;
            if (!inner.contains(x, y) || !inner.contains(nEnd, y))
                return std::nullopt;
            const Run run{y + probe.top(), x + probe.left(), nEnd + probe.left()};
            glyphs.touched.push_back(run);
            glyphs.box |= QRect(QPoint(run.left, run.y), QPoint(run.right, run.y));
            const bool bCellRow = run.y >= cell.top() && run.y <= cell.bottom() && !cell.isEmpty();
            if (!bCellRow) {
                glyphs.outsideCell.push_back(run);
            } else {
                if (run.left < cell.left())
                    glyphs.outsideCell.push_back({run.y, run.left, std::min(run.right, cell.left() - 1)});
                if (run.right > cell.right())
                    glyphs.outsideCell.push_back({run.y, std::max(run.left, cell.right() + 1), run.right});
            }
            x = nEnd;
        }
    }
    return glyphs;
}

const TextStamps::Variant& TextStamps::VariantFor(Stamp& stamp, const StampedText& text, std::uint32_t plain)
{
    const QRgb colour = text.colour.rgb();
    const std::optional<QRgb> background = text.background ? std::optional(text.background->rgb()) : std::nullopt;
    for (const Variant& variant : stamp.variants) {
        if (variant.colour == colour && variant.background == background && variant.plain == plain)
            return variant;
    }
    if (stamp.variants.size() >= kMaxVariants)
        stamp.variants.clear();
    const QRect& box = stamp.glyphs->box;
    QImage image(box.size(), QImage::Format_RGB32);
    FillRaw(image, plain);
    Render(image, -box.topLeft(), text, text.colour, text.background, stamp.glyphs->cell, stamp.hints);
    return stamp.variants.emplace_back(Variant{colour, background, plain, std::move(image)});
}
