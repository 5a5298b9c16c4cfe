#include "platform/qt/QPainterSurface.h"

#include "platform/gdi/DisplayDevice.h"
#include "platform/qt/FontEntry.h"
#include "platform/qt/HeldLines.h"
#include "platform/qt/PaintCaches.h"
#include "platform/qt/PixelFill.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QScreen>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <numbers>
#include <optional>
#include <string>
#include <vector>

namespace {

QColor ToQColor(COLORREF colour) { return QColor(GetRValue(colour), GetGValue(colour), GetBValue(colour)); }

QRect ToQRect(const RECT& rect)
{
    return QRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

bool IsEmpty(const RECT& rect) { return rect.right <= rect.left || rect.bottom <= rect.top; }

// A pen's raster operation as a composition mode; R2_BLACK and R2_WHITE replace the colour.
struct RopMode {
    QPainter::CompositionMode mode;
    std::optional<COLORREF> forcedColour;
};

RopMode RopFor(int nRop2)
{
    using M = QPainter::CompositionMode;
    switch (nRop2) {
    case R2_BLACK:
        return {M::CompositionMode_SourceOver, RGB(0, 0, 0)};
    case R2_NOTMERGEPEN:
        return {M::RasterOp_NotSourceAndNotDestination, std::nullopt};
    case R2_MASKNOTPEN:
        return {M::RasterOp_NotSourceAndDestination, std::nullopt};
    case R2_NOTCOPYPEN:
        return {M::RasterOp_NotSource, std::nullopt};
    case R2_MASKPENNOT:
        return {M::RasterOp_SourceAndNotDestination, std::nullopt};
    case R2_NOT:
        return {M::RasterOp_NotDestination, std::nullopt};
    case R2_XORPEN:
        return {M::RasterOp_SourceXorDestination, std::nullopt};
    case R2_NOTMASKPEN:
        return {M::RasterOp_NotSourceOrNotDestination, std::nullopt};
    case R2_MASKPEN:
        return {M::RasterOp_SourceAndDestination, std::nullopt};
    case R2_NOTXORPEN:
        return {M::RasterOp_NotSourceXorDestination, std::nullopt};
    case R2_MERGENOTPEN:
        return {M::RasterOp_NotSourceOrDestination, std::nullopt};
    case R2_MERGEPENNOT:
        return {M::RasterOp_SourceOrNotDestination, std::nullopt};
    case R2_MERGEPEN:
        return {M::RasterOp_SourceOrDestination, std::nullopt};
    case R2_WHITE:
        return {M::CompositionMode_SourceOver, RGB(255, 255, 255)};
    default:
        return {M::CompositionMode_SourceOver, std::nullopt};
    }
}

// The broken styles of one-pixel pens, in pixels: dash, gap, ...
QList<qreal> DashPattern(int nStyle)
{
    switch (nStyle) {
    case PS_DASH:
        return {18, 6};
    case PS_DOT:
        return {3, 3};
    case PS_DASHDOT:
        return {9, 6, 3, 6};
    default:
        return {9, 3, 3, 3, 3, 3};
    }
}

// One-pixel pens end flat at the last point's centre; wider pens have round ends and joins, as
// the classic system gives pens wider than one pixel.
QPen MakePen(const SurfacePen& pen, const RopMode& rop)
{
    if (pen.nStyle == PS_NULL)
        return QPen(Qt::NoPen);
    QPen qpen(ToQColor(rop.forcedColour.value_or(pen.crColour)));
    qpen.setWidth(std::max(1, pen.nWidth));
    const bool bWide = pen.nWidth > 1;
    qpen.setCapStyle(bWide ? Qt::RoundCap : Qt::FlatCap);
    qpen.setJoinStyle(bWide ? Qt::RoundJoin : Qt::MiterJoin);
    if (pen.nStyle >= PS_DASH && pen.nStyle <= PS_DASHDOTDOT)
        qpen.setDashPattern(DashPattern(pen.nStyle));
    return qpen;
}

QBrush MakeBrush(const SurfaceBrush& brush, const RopMode& rop)
{
    if (brush.bHollow)
        return QBrush(Qt::NoBrush);
    return QBrush(ToQColor(rop.forcedColour.value_or(brush.crColour)));
}

QString ToQString(std::u16string_view text)
{
    return QString::fromUtf16(text.data(), qsizetype(text.size()));
}

// The start or end of an arc as Qt's angle in degrees: counter-clockwise from three o'clock,
// on the ellipse's own parameter so that the ray through the point meets the drawn curve.
qreal ArcAngle(const QRectF& bounds, POINT point)
{
    const qreal rx = bounds.width() / 2;
    const qreal ry = bounds.height() / 2;
    const qreal dx = point.x + 0.5 - bounds.center().x();
    const qreal dy = point.y + 0.5 - bounds.center().y();
    if (rx <= 0 || ry <= 0 || (dx == 0 && dy == 0))
        return 0;
    return std::atan2(-dy / ry, dx / rx) * 180.0 / std::numbers::pi;
}

// How far to go from start to end; a full turn when they meet.
qreal ArcSpan(qreal start, qreal end, bool bClockwise)
{
    qreal span = bClockwise ? start - end : end - start;
    span = std::fmod(span, 360.0);
    if (span <= 0)
        span += 360.0;
    return bClockwise ? -span : span;
}

// Draws a primitive with whole pixels added to its coordinates.
using MovedDrawing = std::function<void(QPainter& painter, QPoint move)>;

void DrawPolygon(QPainter& painter, const DrawState& state, const POINT* points, int count, QPoint move)
{
    const qreal offset = state.pen.nStyle == PS_NULL ? 0.0 : 0.5;
    QPolygonF polygon;
    for (int i = 0; i < count; ++i)
        polygon << QPointF(points[i].x + move.x() + offset, points[i].y + move.y() + offset);
    painter.drawPolygon(polygon, state.nPolyFillMode == WINDING ? Qt::WindingFill : Qt::OddEvenFill);
}

// Outlined shapes run through pixel centres; without a pen the fill covers the pixels from the
// top-left corner up to, not including, the last row and column, as the classic system.
QRectF ShapeRect(const DrawState& state, const RECT& rect)
{
    const QRectF area(rect.left, rect.top, rect.right - rect.left - 1, rect.bottom - rect.top - 1);
    return state.pen.nStyle == PS_NULL ? area : area.translated(0.5, 0.5);
}

bool SamePen(const SurfacePen& a, const SurfacePen& b)
{
    return a.nStyle == b.nStyle && a.nWidth == b.nWidth && a.crColour == b.crColour;
}

bool SameBrush(const SurfaceBrush& a, const SurfaceBrush& b)
{
    return a.bHollow == b.bHollow && (a.bHollow || a.crColour == b.crColour);
}

bool SameRect(const RECT& a, const RECT& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom;
}

enum ShapeKind { SHAPE_POLYGON, SHAPE_RECTANGLE, SHAPE_WIDE_LINE };

}  // namespace

struct QPainterSurface::Impl {
    QPainter* pPainter = nullptr;
    SIZE size{0, 0};
    DeviceCaps caps;
    PixelBuffer* pPixels = nullptr;
    std::optional<QImage> image;
    std::optional<QPainter> ownPainter;
    // Shared with the other surfaces of the thread, and kept while any of them lives.
    std::shared_ptr<PaintCaches> pCaches = PaintCaches::ForThisThread();

    // Solid one-pixel lines of a line run not yet stored.
    HeldLines heldLines;
    bool bLineRun = false;
    std::string shapeKey;

    // What Prepare last gave the painter. Setting a clip, a pen or a brush costs as much as a
    // short line; most primitives of a paint share them with the one before.
    struct Applied {
        bool bClip = false;
        RECT rcClip{};
        bool bPen = false;
        bool bBrush = false;
        int nRop2 = R2_COPYPEN;
        SurfacePen pen{};
        SurfaceBrush brush{};
        bool bBackground = false;
        int nBkMode = 0;
        COLORREF crBk = 0;
        const QFont* pFont = nullptr;
    } applied;

    FontEntry& FontFor(const LOGFONT& logFont) { return pCaches->FontFor(logFont); }

    // Sets up the painter for one primitive after the held lines, which it may cover; false when
    // nothing may be drawn.
    bool Prepare(const DrawState& state, bool bUsesRop)
    {
        StoreHeldLines();
        return PrepareState(state, bUsesRop);
    }

    // Only what differs from the painter's present state is set.
    bool PrepareState(const DrawState& state, bool bUsesRop)
    {
        if (IsEmpty(state.rcClip) || (bUsesRop && state.nRop2 == R2_NOP))
            return false;
        QPainter& painter = *pPainter;
        if (!applied.bClip || !SameRect(applied.rcClip, state.rcClip)) {
            if (!applied.bClip)
                painter.setRenderHint(QPainter::Antialiasing, false);
            painter.setClipRect(ToQRect(state.rcClip));
            applied.bClip = true;
            applied.rcClip = state.rcClip;
        }
        const int nRop2 = bUsesRop ? state.nRop2 : R2_COPYPEN;
        const bool bRopChanged = nRop2 != applied.nRop2 || !applied.bPen || !applied.bBrush;
        if (bRopChanged) {
            painter.setCompositionMode(RopFor(nRop2).mode);
            applied.nRop2 = nRop2;
        }
        if (bRopChanged || !SamePen(applied.pen, state.pen)) {
            painter.setPen(MakePen(state.pen, RopFor(nRop2)));
            applied.bPen = true;
            applied.pen = state.pen;
        }
        if (bRopChanged || !SameBrush(applied.brush, state.brush)) {
            painter.setBrush(MakeBrush(state.brush, RopFor(nRop2)));
            applied.bBrush = true;
            applied.brush = state.brush;
        }
        if (!applied.bBackground || applied.nBkMode != state.nBkMode || applied.crBk != state.crBk) {
            painter.setBackgroundMode(state.nBkMode == OPAQUE ? Qt::OpaqueMode : Qt::TransparentMode);
            painter.setBackground(QBrush(ToQColor(state.crBk)));
            applied.bBackground = true;
            applied.nBkMode = state.nBkMode;
            applied.crBk = state.crBk;
        }
        return true;
    }

    // A primitive changed the painter's state itself; the next Prepare sets it again.
    void ForgetPenAndBrush() { applied.bPen = applied.bBrush = false; }
    void ForgetClip() { applied.bClip = false; }

    void UseFont(const FontEntry& entry)
    {
        if (applied.pFont == &entry.font)
            return;
        pPainter->setFont(entry.font);
        applied.pFont = &entry.font;
    }

    // Unrotated text on the bitmap's own pixels may be copied from the font's stamps.
    bool StampText(const DrawState& state, POINT topLeft, FontEntry& font, const QString& string,
                   const RECT* pClip)
    {
        if (!pPixels || state.font.lfEscapement != 0 || !pPainter->worldTransform().isIdentity())
            return false;
        QRect clip = ToQRect(state.rcClip);
        if (pClip)
            clip &= ToQRect(*pClip);
        const int nAscent = font.nAscent;
        const auto cell = [&] { return QRect(0, 0, font.Width(string), nAscent + font.nDescent); };
        const std::optional<QColor> background =
            state.nBkMode == OPAQUE ? std::optional(ToQColor(state.crBk)) : std::nullopt;
        const auto layout = [&] { return font.CanLayOut(string) ? &font.Layout(string) : nullptr; };
        const StampedText text{font.font, string, nAscent, layout, cell, ToQColor(state.crText), background};
        return font.stamps.Draw(*pPixels, clip, QPoint(topLeft.x, topLeft.y), text, pPainter->renderHints());
    }

    // A straight-edged shape with a solid pen or none, on the bitmap's own pixels, may come from
    // the shape stamps. nKind, the pen's width and the points from the first one make the
    // geometry's key; draw paints the shape moved by whole pixels. The round ends and joins of a
    // wide pen cover pixels that depend on where they lie: such a shape is stamped where it lies
    // only, its first point in the key, and the round ends are what the painter takes longest
    // over in a simulated diagram's pins and outlines.
    bool StampShape(const DrawState& state, int nKind, const POINT* points, int count, const MovedDrawing& draw)
    {
        const RopMode rop = RopFor(state.nRop2);
        const bool bPen = state.pen.nStyle != PS_NULL;
        if (!pPixels || count < 1 || rop.mode != QPainter::CompositionMode_SourceOver ||
            (bPen && state.pen.nStyle != PS_SOLID) || !pPainter->worldTransform().isIdentity())
            return false;
        const POINT first = points[0];
        const int nPenWidth = bPen ? std::max(1, state.pen.nWidth) : 0;
        const bool bInPlace = nPenWidth > 1;
        const int header[] = {nKind, nPenWidth, state.brush.bHollow, state.nPolyFillMode, count};
        shapeKey.assign(reinterpret_cast<const char*>(header), sizeof header);
        if (bInPlace) {
            const int place[] = {int(first.x), int(first.y)};
            shapeKey.append(reinterpret_cast<const char*>(place), sizeof place);
        }
        QRect box(0, 0, 1, 1);
        for (int i = 0; i < count; ++i) {
            const int moved[] = {int(points[i].x - first.x), int(points[i].y - first.y)};
            shapeKey.append(reinterpret_cast<const char*>(moved), sizeof moved);
            box |= QRect(moved[0], moved[1], 1, 1);
        }
        const QPoint origin(first.x, first.y);
        const auto painting = [&](QPainter& painter, QPoint at, const QColor& penMark, const QColor& brushMark) {
            QPen pen = MakePen(state.pen, RopMode{QPainter::CompositionMode_SourceOver, std::nullopt});
            pen.setColor(penMark);
            painter.setPen(bPen ? pen : QPen(Qt::NoPen));
            painter.setBrush(state.brush.bHollow ? QBrush(Qt::NoBrush) : QBrush(brushMark));
            draw(painter, at - origin);
        };
        // A wide pen reaches half its width beyond the points.
        const int nMargin = 2 + nPenWidth / 2;
        ShapeStamps& stamps = bInPlace ? pCaches->PlacedLines() : pCaches->Shapes();
        return stamps.Draw(*pPixels, ToQRect(state.rcClip), shapeKey, origin,
                           box.adjusted(-nMargin, -nMargin, nMargin, nMargin),
                           ToQColor(rop.forcedColour.value_or(state.pen.crColour)).rgb(),
                           ToQColor(rop.forcedColour.value_or(state.brush.crColour)).rgb(), painting,
                           bInPlace ? pPainter : nullptr);
    }

    // A solid one-pixel line along an axis is a one-pixel rectangle: a fill, where the stroker
    // would take ten times as long for the same pixels. It covers its first point and stops
    // before its last.
    bool FillsAxisLine(const DrawState& state, POINT a, POINT b)
    {
        if ((a.x != b.x && a.y != b.y) || state.pen.nStyle != PS_SOLID || state.pen.nWidth > 1)
            return false;
        const RopMode rop = RopFor(state.nRop2);
        if (rop.mode != QPainter::CompositionMode_SourceOver)
            return false;
        QRect line;
        if (a.y == b.y)
            line = a.x < b.x ? QRect(a.x, a.y, b.x - a.x, 1) : QRect(b.x + 1, a.y, a.x - b.x, 1);
        else
            line = a.y < b.y ? QRect(a.x, a.y, 1, b.y - a.y) : QRect(a.x, b.y + 1, 1, a.y - b.y);
        const QColor colour = ToQColor(rop.forcedColour.value_or(state.pen.crColour));
        if (pPixels && pPainter->worldTransform().isIdentity())
            StoreLine(line & ToQRect(state.rcClip), colour.rgb());
        else
            pPainter->fillRect(line, colour);
        return true;
    }

    void StoreLine(const QRect& area, QRgb value)
    {
        if (!bLineRun)
            StorePixels(area, value);
        else
            heldLines.Hold(area, value);
    }

    void StoreHeldLines()
    {
        if (!heldLines.IsEmpty())
            heldLines.Store(*pPixels);
    }

    void StorePixels(const QRect& area, QRgb value) { FillPixels(*pPixels, area, value); }
};

QPainterSurface::QPainterSurface(std::unique_ptr<Impl> pImpl) : m_pImpl(std::move(pImpl)) {}

QPainterSurface::QPainterSurface(QPainter& painter, SIZE size, const DeviceCaps& caps)
    : m_pImpl(std::make_unique<Impl>())
{
    m_pImpl->pPainter = &painter;
    m_pImpl->size = size;
    m_pImpl->caps = caps;
}

QPainterSurface::~QPainterSurface()
{
    m_pImpl->StoreHeldLines();
    if (m_pImpl->ownPainter)
        m_pImpl->ownPainter->end();
}

std::unique_ptr<DrawingSurface> QPainterSurface::ForPixels(PixelBuffer& pixels, const DeviceCaps& caps)
{
    auto pImpl = std::make_unique<Impl>();
    pImpl->size = {pixels.Width(), pixels.Height()};
    pImpl->caps = caps;
    pImpl->pPixels = &pixels;
    // The image paints straight into the bitmap's pixels; it never copies them.
    pImpl->image.emplace(reinterpret_cast<uchar*>(pixels.Data()), pixels.Width(), pixels.Height(),
                         qsizetype(pixels.Width()) * 4, QImage::Format_RGB32);
    pImpl->ownPainter.emplace(&*pImpl->image);
    pImpl->pPainter = &*pImpl->ownPainter;
    return std::unique_ptr<DrawingSurface>(new QPainterSurface(std::move(pImpl)));
}

void QPainterSurface::InstallAsDisplay()
{
    const QScreen* pScreen = QGuiApplication::primaryScreen();
    DeviceCaps caps;
    if (pScreen) {
        const QSize size = pScreen->size();
        caps.nHorzRes = caps.nPhysicalWidth = size.width();
        caps.nVertRes = caps.nPhysicalHeight = size.height();
        caps.nLogPixelsX = std::max(1, int(std::lround(pScreen->logicalDotsPerInchX())));
        caps.nLogPixelsY = std::max(1, int(std::lround(pScreen->logicalDotsPerInchY())));
        caps.nBitsPixel = pScreen->depth();
        caps.nHorzSizeMm = int(std::lround(pScreen->physicalSize().width()));
        caps.nVertSizeMm = int(std::lround(pScreen->physicalSize().height()));
    }
    SetDisplayDevice(caps, &ForPixels);
    SetFontFamilyQuery([](LPCTSTR lpszFaceName) { return QFontDatabase::hasFamily(QString::fromUtf16(lpszFaceName)); });
}

SIZE QPainterSurface::GetSize() const { return m_pImpl->size; }
const DeviceCaps& QPainterSurface::GetDeviceCaps() const { return m_pImpl->caps; }
const PixelBuffer* QPainterSurface::GetPixels() const
{
    // Whoever reads the pixels sees the lines drawn so far.
    m_pImpl->StoreHeldLines();
    return m_pImpl->pPixels;
}

void QPainterSurface::Polyline(const DrawState& state, const POINT* points, int count)
{
    Impl& impl = *m_pImpl;
    if (!impl.PrepareState(state, true))
        return;
    QPainter& painter = *impl.pPainter;
    if (state.pen.nWidth > 1) {
        impl.StoreHeldLines();
        const auto draw = [&](QPainter& target, QPoint move) {
            QPolygonF line;
            for (int i = 0; i < count; ++i)
                line << QPointF(points[i].x + move.x() + 0.5, points[i].y + move.y() + 0.5);
            target.drawPolyline(line);
        };
        if (!impl.StampShape(state, SHAPE_WIDE_LINE, points, count, draw))
            draw(painter, QPoint(0, 0));
        return;
    }
    // A one-pixel line covers its first point and stops before its last. Qt's aliased lines
    // cover [min, max) along the main axis at whole coordinates and (min, max] at pixel centres,
    // whichever way they run, so each segment picks the placement that starts on its first point.
    for (int i = 0; i + 1 < count; ++i) {
        const POINT a = points[i];
        const POINT b = points[i + 1];
        const LONG dx = b.x - a.x;
        const LONG dy = b.y - a.y;
        if ((dx == 0 && dy == 0) || impl.FillsAxisLine(state, a, b))
            continue;
        impl.StoreHeldLines();
        const bool bForward = std::abs(dx) >= std::abs(dy) ? dx > 0 : dy > 0;
        const qreal offset = bForward ? 0.0 : 0.5;
        painter.drawLine(QPointF(a.x + offset, a.y + offset), QPointF(b.x + offset, b.y + offset));
    }
}

void QPainterSurface::Dot(const DrawState& state, POINT centre)
{
    if (!m_pImpl->Prepare(state, true))
        return;
    QPainter& painter = *m_pImpl->pPainter;
    painter.setBrush(QBrush(painter.pen().color()));
    painter.setPen(Qt::NoPen);
    m_pImpl->ForgetPenAndBrush();
    const qreal radius = state.pen.nWidth / 2.0;
    painter.drawEllipse(QPointF(centre.x + 0.5, centre.y + 0.5), radius, radius);
}

void QPainterSurface::Polygon(const DrawState& state, const POINT* points, int count)
{
    Impl& impl = *m_pImpl;
    if (!impl.Prepare(state, true))
        return;
    const auto draw = [&](QPainter& painter, QPoint move) { DrawPolygon(painter, state, points, count, move); };
    if (!impl.StampShape(state, SHAPE_POLYGON, points, count, draw))
        draw(*impl.pPainter, QPoint(0, 0));
}

void QPainterSurface::Rectangle(const DrawState& state, const RECT& rect)
{
    Impl& impl = *m_pImpl;
    if (!impl.Prepare(state, true))
        return;
    const auto draw = [&](QPainter& painter, QPoint move) { painter.drawRect(ShapeRect(state, rect).translated(move)); };
    const POINT corners[] = {{rect.left, rect.top}, {rect.right, rect.bottom}};
    if (!impl.StampShape(state, SHAPE_RECTANGLE, corners, 2, draw))
        draw(*impl.pPainter, QPoint(0, 0));
}

void QPainterSurface::Ellipse(const DrawState& state, const RECT& rect)
{
    if (m_pImpl->Prepare(state, true))
        m_pImpl->pPainter->drawEllipse(ShapeRect(state, rect));
}

void QPainterSurface::Arc(const DrawState& state, const RECT& bounds, POINT start, POINT end,
                          bool bClockwise)
{
    if (!m_pImpl->Prepare(state, true))
        return;
    const QRectF area(bounds.left + 0.5, bounds.top + 0.5, bounds.right - bounds.left - 1,
                      bounds.bottom - bounds.top - 1);
    const qreal startAngle = ArcAngle(area, start);
    const qreal span = ArcSpan(startAngle, ArcAngle(area, end), bClockwise);
    m_pImpl->pPainter->drawArc(area, int(std::lround(startAngle * 16)), int(std::lround(span * 16)));
}

void QPainterSurface::FillRect(const DrawState& state, const RECT& rect, COLORREF colour)
{
    Impl& impl = *m_pImpl;
    if (!impl.Prepare(state, false))
        return;
    // An opaque fill of the bitmap's own pixels stores the colour as the painter would.
    if (impl.pPixels && !IsEmpty(rect) && impl.pPainter->worldTransform().isIdentity())
        impl.StorePixels(ToQRect(rect) & ToQRect(state.rcClip), ToQColor(colour).rgb());
    else
        impl.pPainter->fillRect(ToQRect(rect), ToQColor(colour));
}

void QPainterSurface::Text(const DrawState& state, POINT topLeft, std::u16string_view text,
                           const RECT* pClip)
{
    Impl& impl = *m_pImpl;
    if (!impl.Prepare(state, false))
        return;
    FontEntry& font = impl.FontFor(state.font);
    const QString string = ToQString(text);
    if (impl.StampText(state, topLeft, font, string, pClip))
        return;
    QPainter& painter = *impl.pPainter;
    if (pClip) {
        painter.setClipRect(ToQRect(*pClip), Qt::IntersectClip);
        impl.ForgetClip();
    }
    const int nAscent = font.nAscent;
    const bool bOpaque = state.nBkMode == OPAQUE;
    const QRect background(0, 0, bOpaque ? font.Width(string) : 0, nAscent + font.nDescent);
    impl.UseFont(font);
    painter.setPen(ToQColor(state.crText));
    impl.ForgetPenAndBrush();
    if (state.font.lfEscapement == 0) {
        // Unrotated text needs no transformation of its own: most text of a diagram.
        if (bOpaque)
            painter.fillRect(background.translated(topLeft.x, topLeft.y), ToQColor(state.crBk));
        // A laid-out text draws nothing while the painter's background is opaque; the
        // background is filled above, and the painter lays such a text out itself.
        if (!bOpaque && font.CanLayOut(string))
            painter.drawStaticText(QPoint(topLeft.x, topLeft.y), font.Layout(string));
        else
            painter.drawText(QPoint(topLeft.x, topLeft.y + nAscent), string);
        return;
    }
    painter.save();
    painter.translate(topLeft.x, topLeft.y);
    painter.rotate(-state.font.lfEscapement / 10.0);
    if (bOpaque)
        painter.fillRect(background, ToQColor(state.crBk));
    painter.drawText(QPoint(0, nAscent), string);
    painter.restore();
    // The restored state is the one from before the text: the font and pen set here are gone.
    impl.applied.pFont = nullptr;
}

void QPainterSurface::SetPixel(const DrawState& state, POINT point, COLORREF colour)
{
    if (m_pImpl->Prepare(state, false))
        m_pImpl->pPainter->fillRect(QRect(point.x, point.y, 1, 1), ToQColor(colour));
}

void QPainterSurface::DrawImage(const DrawState& state, const RECT& dst, const PixelBuffer& src,
                                const RECT& srcRect)
{
    if (!m_pImpl->Prepare(state, false))
        return;
    const QImage view(reinterpret_cast<const uchar*>(src.Data()), src.Width(), src.Height(),
                      qsizetype(src.Width()) * 4, QImage::Format_RGB32);
    // Copying within one bitmap reads a snapshot, not pixels already overwritten.
    const QImage image = &src == m_pImpl->pPixels ? view.copy() : view;
    QPainter& painter = *m_pImpl->pPainter;
    painter.setRenderHint(QPainter::SmoothPixmapTransform, state.nStretchBltMode == HALFTONE);
    painter.drawImage(QRectF(ToQRect(dst)), image, QRectF(ToQRect(srcRect)));
}

void QPainterSurface::BeginLineRun() { m_pImpl->bLineRun = true; }

void QPainterSurface::EndLineRun()
{
    m_pImpl->StoreHeldLines();
    m_pImpl->bLineRun = false;
}

SIZE QPainterSurface::MeasureText(const LOGFONT& font, std::u16string_view text)
{
    FontEntry& entry = m_pImpl->FontFor(font);
    return SIZE{entry.Width(ToQString(text)), entry.nAscent + entry.nDescent};
}

TEXTMETRIC QPainterSurface::GetTextMetrics(const LOGFONT& logFont)
{
    FontEntry& entry = m_pImpl->FontFor(logFont);
    if (entry.textMetrics)
        return *entry.textMetrics;
    const QFont& font = entry.font;
    const QFontMetrics& metrics = entry.metrics;
    TEXTMETRIC tm{};
    tm.tmAscent = metrics.ascent();
    tm.tmDescent = metrics.descent();
    tm.tmHeight = tm.tmAscent + tm.tmDescent;
    tm.tmInternalLeading = std::max<LONG>(0, tm.tmHeight - font.pixelSize());
    tm.tmExternalLeading = std::max<LONG>(0, metrics.leading());
    tm.tmAveCharWidth = metrics.averageCharWidth();
    tm.tmMaxCharWidth = metrics.maxWidth();
    tm.tmWeight = logFont.lfWeight == FW_DONTCARE ? FW_NORMAL : logFont.lfWeight;
    tm.tmDigitizedAspectX = m_pImpl->caps.nLogPixelsX;
    tm.tmDigitizedAspectY = m_pImpl->caps.nLogPixelsY;
    tm.tmFirstChar = u' ';
    tm.tmLastChar = 0xFFFD;
    tm.tmDefaultChar = u'?';
    tm.tmBreakChar = u' ';
    tm.tmItalic = logFont.lfItalic;
    tm.tmUnderlined = logFont.lfUnderline;
    tm.tmStruckOut = logFont.lfStrikeOut;
    tm.tmPitchAndFamily = BYTE((logFont.lfPitchAndFamily & 0xF0) |
                               (QFontInfo(font).fixedPitch() ? 0 : TMPF_FIXED_PITCH));
    tm.tmCharSet = logFont.lfCharSet;
    entry.textMetrics = tm;
    return tm;
}
