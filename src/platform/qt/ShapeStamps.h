// Straight-edged shapes (a block's body, a gate's outline) kept as the pixels they cover. Without
// antialiasing an opaque shape leaves each pixel untouched, in the brush's colour or in the
// pen's, whatever was there before; which one depends only on the shape's geometry, the same
// wherever whole pixels move it. So the painter draws a shape once in marker colours, and every
// later shape of the same geometry stores its colours into the pixels that marked, without the
// painter's setup of a polygon fill for every block of every paint.
#pragma once

#include "platform/gdi/PixelBuffer.h"
#include "platform/qt/RecentCache.h"

#include <QPainter>
#include <QPoint>
#include <QRect>
#include <QRgb>
#include <QSize>

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

class ShapeStamps {
public:
    // nGeneration: how many shapes a paint may draw without pushing out its own stamps.
    explicit ShapeStamps(std::size_t nGeneration);

    // Paints the shape with the given pen and brush colours, its origin moved to the point.
    using Painting = std::function<void(QPainter& painter, QPoint origin, const QColor& pen, const QColor& brush)>;

    // Stores the shape known by key (its kind, pen, brush and points from the origin) with its
    // origin at the point: the pen's pixels in pen, the brush's in brush. box holds, from the
    // origin, every pixel the shape may cover. False when the caller must paint it itself: a
    // shape seen for the first time, one the clip would cut (the painter then clips its lines
    // itself) or one that marks pixels other than its pen's and brush's.
    //
    // Some shapes (the round ends and joins of wide pens) cover pixels that depend on where they
    // lie, through the rounding of their curves: given pInPlace, the painter that paints on
    // pixels, the stamp is marked there, at the origin itself, and the key must hold the origin.
    bool Draw(PixelBuffer& pixels, const QRect& clip, const std::string& key, QPoint origin, const QRect& box,
              QRgb pen, QRgb brush, const Painting& paint, QPainter* pInPlace = nullptr);

private:
    struct Run {
        int y;
        int left;
        int right;
        bool bPen;
    };
    struct Stamp {
        bool bMarked = false;
        std::optional<std::vector<Run>> runs;
    };

    static std::optional<std::vector<Run>> Mark(const QRect& box, const Painting& paint);
    static std::optional<std::vector<Run>> MarkInPlace(PixelBuffer& pixels, QPainter& painter, QPoint origin,
                                                       const QRect& box, const Painting& paint);
    static std::optional<std::vector<Run>> RunsOf(const std::function<const QRgb*(int)>& row, QSize size,
                                                  QPoint offset);

    // The stamps of recent paints, a generation at a time.
    RecentCache<std::string, Stamp> m_stamps;
};
