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

#include <functional>
#include <optional>
#include <string>
#include <vector>

class ShapeStamps {
public:
    // Paints the shape with the given pen and brush colours, its origin moved to the point.
    using Painting = std::function<void(QPainter& painter, QPoint origin, const QColor& pen, const QColor& brush)>;

    // Stores the shape known by key (its kind, pen, brush and points from the origin) with its
    // origin at the point: the pen's pixels in pen, the brush's in brush. box holds, from the
    // origin, every pixel the shape may cover. False when the caller must paint it itself: a
    // shape seen for the first time, one the clip would cut (the painter then clips its lines
    // itself) or one that marks pixels other than its pen's and brush's.
    bool Draw(PixelBuffer& pixels, const QRect& clip, const std::string& key, QPoint origin, const QRect& box,
              QRgb pen, QRgb brush, const Painting& paint);

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

    // Each shape of a diagram's paint has a few geometries; of a document with many block sizes
    // the stamps keep those of recent paints.
    RecentCache<std::string, Stamp> m_stamps{1024};
};
