#include "platform/qt/TextStamps.h"

#include <QFontMetrics>

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace {

// Beyond the ink box Qt reports, glyphs may still reach a pixel or two (antialiased edges,
// hinting): the stamp looks this much further.
constexpr int kProbeMargin = 4;
constexpr std::size_t kMaxVariants = 8;
// A pin text over a wire or an outline has two or three colours under its glyphs.
constexpr std::size_t kMaxGrounds = 3;

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
    Stamp* pStamp = m_stamps.Find(text.string);
    if (!pStamp) {
        Stamp stamp;
        stamp.hints = hints;
        m_stamps.Insert(text.string, std::move(stamp));
        return false;
    }
    Stamp& stamp = *pStamp;
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
    // A glyph's pixel blends with what lies under it, whatever lies under its neighbours: the
    // stamp drawn over each colour found under the glyphs gives the pixels over that colour.
    // Opaque text fills its cell first, whatever was there.
    const std::vector<Run>& blended = text.background ? glyphs.outsideCell : glyphs.touched;
    std::array<std::uint32_t, kMaxGrounds> grounds{};
    std::size_t nGrounds = 0;
    const auto groundOf = [&](std::uint32_t pixel) {
        return std::size_t(std::find(grounds.begin(), grounds.begin() + nGrounds, pixel) - grounds.begin());
    };
    const auto forEachShown = [&](const Run& run, auto fn) {
        const int nLeft = std::max(run.left, within.left());
        const int nRight = std::min(run.right, within.right());
        if (run.y >= within.top() && run.y <= within.bottom() && nLeft <= nRight)
            fn(run.y, nLeft, nRight);
    };
    for (const Run& run : blended) {
        bool bTooMany = false;
        forEachShown(run, [&](int y, int nLeft, int nRight) {
            for (const std::uint32_t* p = target(y, nLeft); p <= target(y, nRight) && !bTooMany; ++p) {
                if (nGrounds > 0 && *p == grounds[0])
                    continue;
                if (groundOf(*p) < nGrounds)
                    continue;
                if (nGrounds == kMaxGrounds)
                    bTooMany = true;
                else
                    grounds[nGrounds++] = *p;
            }
        });
        if (bTooMany)
            return false;
    }
    // Fetched before any is used: a new variant may push out the old ones, whose pixels the
    // images still share.
    if (stamp.variants.size() + std::max<std::size_t>(nGrounds, 1) > kMaxVariants)
        stamp.variants.clear();
    std::array<QImage, kMaxGrounds> images;
    for (std::size_t i = 0; i < std::max<std::size_t>(nGrounds, 1); ++i)
        images[i] = VariantFor(stamp, text, grounds[i]).pixels;
    const auto source = [&](std::size_t nGround, int y, int x) {
        return reinterpret_cast<const std::uint32_t*>(images[nGround].constScanLine(y - glyphs.box.top())) +
               (x - glyphs.box.left());
    };
    const auto copy = [&](int y, int nLeft, int nRight) {
        std::memcpy(target(y, nLeft), source(0, y, nLeft), std::size_t(nRight - nLeft + 1) * sizeof(std::uint32_t));
    };
    if (text.background) {
        for (int y = glyphs.cell.top(); y <= glyphs.cell.bottom(); ++y)
            forEachShown({y, glyphs.cell.left(), glyphs.cell.right()}, copy);
    }
    for (const Run& run : blended) {
        if (nGrounds <= 1) {
            forEachShown(run, copy);
            continue;
        }
        forEachShown(run, [&](int y, int nLeft, int nRight) {
            std::uint32_t* p = target(y, nLeft);
            for (int x = nLeft; x <= nRight; ++x, ++p)
                *p = *source(groundOf(*p), y, x);
        });
    }
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
