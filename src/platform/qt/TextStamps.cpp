#include "platform/qt/TextStamps.h"

#include <QFontMetrics>
#include <QImage>

#include <algorithm>
#include <array>
#include <cstring>
#include <utility>

namespace {

// Beyond the ink box Qt reports, glyphs may still reach a pixel or two (antialiased edges,
// hinting): the stamp looks this much further.
constexpr int kProbeMargin = 4;
constexpr std::size_t kMaxVariants = 8;
// The places a string is kept at over mixed colours: a value such as "0" stands over other
// texts in some hundred places of a large diagram.
constexpr std::size_t kMaxPlaced = 512;

std::uint32_t* Row(QImage& image, int y) { return reinterpret_cast<std::uint32_t*>(image.scanLine(y)); }

const std::uint32_t* ConstRow(const QImage& image, int y)
{
    return reinterpret_cast<const std::uint32_t*>(image.constScanLine(y));
}

// Raw values, as the bitmap holds them: QImage::fill would make them opaque first.
void FillRaw(QImage& image, std::uint32_t value)
{
    for (int y = 0; y < image.height(); ++y) {
        std::uint32_t* pRow = Row(image, y);
        std::fill(pRow, pRow + image.width(), value);
    }
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
    if (!within.contains(glyphs.box))
        return DrawOverGrounds(pixels, within, topLeft, stamp, text);
    const QRect area = glyphs.box.translated(topLeft);
    if (const std::optional<std::uint32_t> plain = PlainUnder(pixels, area))
        CopyBox(pixels, area, VariantFor(stamp, text, *plain).pixels);
    else
        DrawWhereItLies(pixels, within, topLeft, stamp, text);
    return true;
}

// A glyph's pixel blends with what lies under it, whatever lies under its neighbours: the stamp
// drawn over each colour found under the glyphs gives the pixels over that colour. Opaque text
// fills its cell first, whatever was there.
bool TextStamps::DrawOverGrounds(PixelBuffer& pixels, const QRect& within, QPoint topLeft, Stamp& stamp,
                                 const StampedText& text)
{
    const Glyphs& glyphs = *stamp.glyphs;
    ShownSpans(pixels, within, topLeft, glyphs, text.background ? glyphs.outsideCell : glyphs.touched);
    Grounds grounds;
    if (!FindGrounds(grounds))
        return false;
    // Fetched before any is used: a new variant may push out the old ones.
    if (stamp.variants.size() + std::max<std::size_t>(grounds.nCount, 1) > kMaxVariants)
        stamp.variants.clear();
    std::array<const std::uint32_t*, kMaxGrounds> sources{};
    for (std::size_t i = 0; i < std::max<std::size_t>(grounds.nCount, 1); ++i)
        sources[i] = VariantFor(stamp, text, grounds.values[i]).pixels.data();
    if (text.background) {
        const std::size_t nSaved = m_spans.size();
        for (int y = glyphs.cell.top(); y <= glyphs.cell.bottom(); ++y)
            AddSpan(pixels, within, topLeft, glyphs, {y, glyphs.cell.left(), glyphs.cell.right()});
        for (std::size_t i = nSaved; i < m_spans.size(); ++i)
            std::memcpy(m_spans[i].pTarget, sources[0] + m_spans[i].nSource, m_spans[i].nPixels * sizeof(std::uint32_t));
        m_spans.resize(nSaved);
    }
    for (const Span& span : m_spans) {
        if (grounds.nCount <= 1) {
            std::memcpy(span.pTarget, sources[0] + span.nSource, span.nPixels * sizeof(std::uint32_t));
            continue;
        }
        for (std::size_t i = 0; i < span.nPixels; ++i)
            span.pTarget[i] = sources[grounds.IndexOf(span.pTarget[i])][span.nSource + i];
    }
    return true;
}

// Most texts stand on a block's body or the page: over one colour, the untouched pixels of the
// variant for that colour are that colour too, and whole rows of it may be copied.
std::optional<std::uint32_t> TextStamps::PlainUnder(const PixelBuffer& pixels, const QRect& area)
{
    const std::size_t nStride = std::size_t(pixels.Width());
    const std::uint32_t* pRow = pixels.Data() + std::size_t(area.top()) * nStride + std::size_t(area.left());
    const std::uint32_t plain = *pRow;
    for (int nRows = area.height(); nRows > 0; --nRows, pRow += nStride) {
        // Without an early exit within the row the loop runs on vectors.
        std::uint32_t nDiffering = 0;
        for (int x = 0; x < area.width(); ++x)
            nDiffering |= pRow[x] ^ plain;
        if (nDiffering != 0)
            return std::nullopt;
    }
    return plain;
}

void TextStamps::CopyBox(PixelBuffer& pixels, const QRect& area, const std::vector<std::uint32_t>& box)
{
    const std::size_t nStride = std::size_t(pixels.Width());
    const std::size_t nWidth = std::size_t(area.width());
    std::uint32_t* pRow = pixels.Data() + std::size_t(area.top()) * nStride + std::size_t(area.left());
    const std::uint32_t* pSource = box.data();
    for (int nRows = area.height(); nRows > 0; --nRows, pRow += nStride, pSource += nWidth)
        std::memcpy(pRow, pSource, nWidth * sizeof(std::uint32_t));
}

std::vector<std::uint32_t> TextStamps::ReadBox(const PixelBuffer& pixels, const QRect& area)
{
    const std::size_t nStride = std::size_t(pixels.Width());
    const std::size_t nWidth = std::size_t(area.width());
    const std::uint32_t* pRow = pixels.Data() + std::size_t(area.top()) * nStride + std::size_t(area.left());
    std::vector<std::uint32_t> box;
    box.reserve(nWidth * std::size_t(area.height()));
    for (int nRows = area.height(); nRows > 0; --nRows, pRow += nStride)
        box.insert(box.end(), pRow, pRow + nWidth);
    return box;
}

void TextStamps::DrawWhereItLies(PixelBuffer& pixels, const QRect& within, QPoint topLeft, Stamp& stamp,
                                 const StampedText& text)
{
    const QRect& box = stamp.glyphs->box;
    const QRect area = box.translated(topLeft);
    const QRgb colour = text.colour.rgb();
    const std::optional<QRgb> background = text.background ? std::optional(text.background->rgb()) : std::nullopt;
    const auto found = std::find_if(stamp.placed.begin(), stamp.placed.end(), [&](const Placed& placed) {
        return placed.topLeft == topLeft && placed.colour == colour && placed.background == background;
    });
    std::vector<std::uint32_t> ground = ReadBox(pixels, area);
    if (found != stamp.placed.end() && found->ground == ground) {
        CopyBox(pixels, area, found->result);
        return;
    }
    if (!DrawOverGrounds(pixels, within, topLeft, stamp, text)) {
        // More colours than the variants serve: drawn over a copy of what lies there.
        QImage image(box.size(), QImage::Format_RGB32);
        for (int y = 0; y < box.height(); ++y)
            std::copy_n(ground.begin() + std::ptrdiff_t(y) * box.width(), box.width(), Row(image, y));
        Render(image, -box.topLeft(), text, text.colour, text.background, stamp.glyphs->cell, stamp.hints);
        for (int y = 0; y < box.height(); ++y)
            std::copy_n(ConstRow(image, y), box.width(), pixels.Data() + std::size_t(area.top() + y) * std::size_t(pixels.Width()) + std::size_t(area.left()));
    }
    Placed placed{topLeft, colour, background, std::move(ground), ReadBox(pixels, area)};
    if (found != stamp.placed.end())
        *found = std::move(placed);
    else if (stamp.placed.size() < kMaxPlaced)
        stamp.placed.push_back(std::move(placed));
    else
        stamp.placed.front() = std::move(placed);
}

void TextStamps::ShownSpans(PixelBuffer& pixels, const QRect& within, QPoint topLeft, const Glyphs& glyphs,
                            const std::vector<Run>& runs)
{
    m_spans.clear();
    for (const Run& run : runs)
        AddSpan(pixels, within, topLeft, glyphs, run);
}

void TextStamps::AddSpan(PixelBuffer& pixels, const QRect& within, QPoint topLeft, const Glyphs& glyphs, const Run& run)
{
    const int nLeft = std::max(run.left, within.left());
    const int nRight = std::min(run.right, within.right());
    if (run.y < within.top() || run.y > within.bottom() || nLeft > nRight)
        return;
    const std::ptrdiff_t nRow = std::ptrdiff_t(topLeft.y() + run.y) * pixels.Width();
    m_spans.push_back({pixels.Data() + nRow + topLeft.x() + nLeft, std::size_t(nRight - nLeft + 1),
                       std::size_t(run.y - glyphs.box.top()) * std::size_t(glyphs.box.width()) +
                           std::size_t(nLeft - glyphs.box.left())});
}

bool TextStamps::FindGrounds(Grounds& grounds) const
{
    for (const Span& span : m_spans) {
        for (const std::uint32_t* p = span.pTarget; p != span.pTarget + span.nPixels; ++p) {
            if (grounds.nCount > 0 && *p == grounds.values[0])
                continue;
            if (grounds.IndexOf(*p) < grounds.nCount)
                continue;
            if (grounds.nCount == kMaxGrounds)
                return false;
            grounds.values[grounds.nCount++] = *p;
        }
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
    const QRect inner = QRect(QPoint(0, 0), probe.size()).adjusted(1, 1, -1, -1);
    for (int y = 0; y < probe.height(); ++y) {
        const std::uint32_t* pLight = ConstRow(light, y);
        const std::uint32_t* pDark = ConstRow(dark, y);
        const auto touched = [&](int x) { return pLight[x] != black || pDark[x] != white; };
        for (int x = 0; x < probe.width(); ++x) {
            if (!touched(x))
                continue;
            int nEnd = x;
            while (nEnd + 1 < probe.width() && touched(nEnd + 1))
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
    std::vector<std::uint32_t> pixels;
    pixels.reserve(std::size_t(box.width()) * std::size_t(box.height()));
    for (int y = 0; y < box.height(); ++y)
        pixels.insert(pixels.end(), ConstRow(image, y), ConstRow(image, y) + box.width());
    return stamp.variants.emplace_back(Variant{colour, background, plain, std::move(pixels)});
}
