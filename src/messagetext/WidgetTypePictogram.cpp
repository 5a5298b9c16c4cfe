#include "messagetext/WidgetTypePictogram.h"

#include "platform/gdi/DC.h"

#include <vector>

namespace {

POINT At(const CRect& box, POINT point) { return {box.left + point.x, box.top + point.y}; }

}  // namespace

void DrawPictogram(CDC& dc, const CRect& box, std::span<const PictogramShape> shapes)
{
    for (const PictogramShape& shape : shapes) {
        const auto& pts = shape.points;
        if (pts.size() < PictogramShapePoints(shape.kind))
            continue;
        if (shape.kind == PictogramShape::Lines) {
            std::vector<POINT> points;
            for (const POINT& point : pts)
                points.push_back(At(box, point));
            dc.Polyline(points.data(), int(points.size()));
        } else if (shape.kind == PictogramShape::Ellipse) {
            const CRect rect(At(box, pts[0]), At(box, pts[1]));
            CGdiObject* pOldBrush = dc.SelectStockObject(HOLLOW_BRUSH);
            dc.Ellipse(&rect);
            dc.SelectObject(pOldBrush);
        } else {
            // The swing of the watched value: the same arc drawn once in each direction.
            const int nOldDirection = dc.SetArcDirection(
                shape.kind == PictogramShape::ArcClockwise ? AD_CLOCKWISE : AD_COUNTERCLOCKWISE);
            const CRect rect(At(box, pts[0]), At(box, pts[1]));
            dc.Arc(&rect, At(box, pts[2]), At(box, pts[3]));
            dc.SetArcDirection(nOldDirection);
        }
    }
}
