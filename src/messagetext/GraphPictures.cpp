#include "messagetext/GraphPictures.h"

#include "messagetext/MessageTextIds.h"
#include "platform/gdi/Brush.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <numbers>
#include <vector>

namespace {

constexpr COLORREF kLcdGreen = RGB(85, 157, 85);
constexpr COLORREF kInk = RGB(16, 40, 16);
// Every picture is drawn on a field of 32 x 16 units, twice as wide as high like the element's
// twelve by four cells.
constexpr int kFieldWidth = 32;
constexpr int kFieldHeight = 16;

// Draws shapes given in field units, scaled into the rectangle; a shape is filled with the ink
// or outlined with it.
class GraphPainter {
public:
    GraphPainter(CDC& dc, const CRect& rect) : m_dc(dc)
    {
        m_dScale = std::min(double(rect.Width()) / kFieldWidth, double(rect.Height()) / kFieldHeight);
        m_dLeft = rect.left + (rect.Width() - m_dScale * kFieldWidth) / 2;
        m_dTop = rect.top + (rect.Height() - m_dScale * kFieldHeight) / 2;
        m_pen.CreatePen(PS_SOLID, std::max(1, int(m_dScale)), kInk);
        m_brush.CreateSolidBrush(kInk);
        m_pOldPen = dc.SelectObject(&m_pen);
        m_pOldBrush = dc.SelectObject(&m_brush);
    }
    ~GraphPainter()
    {
        m_dc.SelectObject(m_pOldBrush);
        m_dc.SelectObject(m_pOldPen);
    }
    GraphPainter(const GraphPainter&) = delete;
    GraphPainter& operator=(const GraphPainter&) = delete;

    void Line(std::initializer_list<POINT> points) { Line(std::vector<POINT>(points)); }
    void Line(std::vector<POINT> points)
    {
        Map(points);
        m_dc.Polyline(points.data(), int(points.size()));
    }
    void Shape(std::initializer_list<POINT> points) { Shape(std::vector<POINT>(points)); }
    void Shape(std::vector<POINT> points)
    {
        Map(points);
        m_dc.Polygon(points.data(), int(points.size()));
    }
    void Block(int l, int t, int r, int b) { Shape({{l, t}, {r, t}, {r, b}, {l, b}}); }
    void Box(int l, int t, int r, int b) { Line({{l, t}, {r, t}, {r, b}, {l, b}, {l, t}}); }
    void Disc(int l, int t, int r, int b) { m_dc.Ellipse(Map(CRect(l, t, r, b))); }
    void Ring(int l, int t, int r, int b)
    {
        CGdiObject* pOld = m_dc.SelectStockObject(HOLLOW_BRUSH);
        Disc(l, t, r, b);
        m_dc.SelectObject(pOld);
    }

private:
    POINT Map(POINT pt) const
    {
        return POINT{LONG(std::lround(m_dLeft + pt.x * m_dScale)), LONG(std::lround(m_dTop + pt.y * m_dScale))};
    }
    void Map(std::vector<POINT>& points) const
    {
        for (POINT& pt : points)
            pt = Map(pt);
    }
    CRect Map(const CRect& rect) const
    {
        const POINT tl = Map(POINT{rect.left, rect.top});
        const POINT br = Map(POINT{rect.right, rect.bottom});
        return CRect(tl.x, tl.y, br.x, br.y);
    }

    CDC& m_dc;
    double m_dScale = 1;
    double m_dLeft = 0;
    double m_dTop = 0;
    CPen m_pen;
    CBrush m_brush;
    CPen* m_pOldPen = nullptr;
    CBrush* m_pOldBrush = nullptr;
};

// One period of a wave across the field, sampled every two units.
std::vector<POINT> SineWave()
{
    std::vector<POINT> points;
    for (int x = 2; x <= 30; x += 2) {
        const double dPhase = 2 * std::numbers::pi * (x - 2) / 28;
        points.push_back(POINT{x, LONG(std::lround(8 - 6 * std::sin(dPhase)))});
    }
    return points;
}

// A five-pointed star round the field's centre.
std::vector<POINT> Star()
{
    std::vector<POINT> points;
    for (int i = 0; i < 10; ++i) {
        const double dRadius = i % 2 == 0 ? 8 : 3.2;
        const double dAngle = std::numbers::pi * i / 5 - std::numbers::pi / 2;
        points.push_back(POINT{LONG(std::lround(16 + dRadius * std::cos(dAngle))),
                               LONG(std::lround(8.5 + dRadius * std::sin(dAngle)))});
    }
    return points;
}

using GraphDraw = void (*)(GraphPainter&);

// The graphs in number order.
const GraphDraw kGraphs[] = {
    // Arrows: right, left, up, down, both ways.
    [](GraphPainter& p) { p.Shape({{3, 6}, {20, 6}, {20, 2}, {29, 8}, {20, 14}, {20, 10}, {3, 10}}); },
    [](GraphPainter& p) { p.Shape({{29, 6}, {12, 6}, {12, 2}, {3, 8}, {12, 14}, {12, 10}, {29, 10}}); },
    [](GraphPainter& p) { p.Shape({{14, 15}, {14, 7}, {10, 7}, {16, 1}, {22, 7}, {18, 7}, {18, 15}}); },
    [](GraphPainter& p) { p.Shape({{14, 1}, {14, 9}, {10, 9}, {16, 15}, {22, 9}, {18, 9}, {18, 1}}); },
    [](GraphPainter& p) {
        p.Shape({{2, 8}, {9, 2}, {9, 6}, {23, 6}, {23, 2}, {30, 8}, {23, 14}, {23, 10}, {9, 10}, {9, 14}});
    },
    // Curves: rising and falling ramps, sine, square, triangle and sawtooth waves.
    [](GraphPainter& p) { p.Line({{2, 14}, {10, 14}, {22, 2}, {30, 2}}); },
    [](GraphPainter& p) { p.Line({{2, 2}, {10, 2}, {22, 14}, {30, 14}}); },
    [](GraphPainter& p) { p.Line(SineWave()); },
    [](GraphPainter& p) {
        p.Line({{2, 13}, {2, 3}, {9, 3}, {9, 13}, {16, 13}, {16, 3}, {23, 3}, {23, 13}, {30, 13}, {30, 3}});
    },
    [](GraphPainter& p) { p.Line({{2, 13}, {9, 3}, {16, 13}, {23, 3}, {30, 13}}); },
    [](GraphPainter& p) { p.Line({{2, 13}, {11, 3}, {11, 13}, {20, 3}, {20, 13}, {29, 3}, {29, 13}}); },
    // Rising bars.
    [](GraphPainter& p) {
        for (int i = 0; i < 5; ++i)
            p.Block(3 + 6 * i, 11 - 2 * i, 7 + 6 * i, 15);
    },
    // A tank empty, half full and full.
    [](GraphPainter& p) { p.Box(10, 1, 22, 15); },
    [](GraphPainter& p) {
        p.Box(10, 1, 22, 15);
        p.Block(10, 8, 22, 15);
    },
    [](GraphPainter& p) {
        p.Box(10, 1, 22, 15);
        p.Block(10, 3, 22, 15);
    },
    // A lamp with its rays.
    [](GraphPainter& p) {
        p.Ring(11, 1, 21, 11);
        p.Block(13, 11, 19, 15);
        p.Line({{4, 6}, {8, 6}});
        p.Line({{24, 6}, {28, 6}});
        p.Line({{6, 1}, {9, 3}});
        p.Line({{26, 1}, {23, 3}});
    },
    // A fan of three blades.
    [](GraphPainter& p) {
        p.Ring(8, 0, 24, 16);
        p.Shape({{16, 8}, {13, 1}, {19, 1}});
        p.Shape({{16, 8}, {23, 11}, {20, 15}});
        p.Shape({{16, 8}, {12, 15}, {9, 11}});
    },
    // A motor with its shaft.
    [](GraphPainter& p) {
        p.Ring(9, 1, 23, 15);
        p.Line({{12, 12}, {12, 4}, {16, 9}, {20, 4}, {20, 12}});
        p.Block(23, 7, 30, 9);
    },
    // A pump between two pipes.
    [](GraphPainter& p) {
        p.Ring(9, 1, 23, 15);
        p.Shape({{12, 4}, {21, 8}, {12, 12}});
        p.Line({{2, 8}, {9, 8}});
        p.Line({{23, 8}, {30, 8}});
    },
    // A valve with its hand wheel.
    [](GraphPainter& p) {
        p.Shape({{6, 4}, {16, 9}, {6, 14}});
        p.Shape({{26, 4}, {16, 9}, {26, 14}});
        p.Line({{16, 9}, {16, 2}});
        p.Line({{11, 2}, {21, 2}});
    },
    // A battery two thirds charged.
    [](GraphPainter& p) {
        p.Box(4, 3, 26, 13);
        p.Block(26, 6, 29, 10);
        p.Block(6, 5, 12, 11);
        p.Block(13, 5, 19, 11);
    },
    // A thermometer.
    [](GraphPainter& p) {
        p.Box(14, 1, 18, 10);
        p.Block(14, 5, 18, 10);
        p.Disc(12, 9, 20, 16);
    },
    // A clock.
    [](GraphPainter& p) {
        p.Ring(8, 0, 24, 16);
        p.Line({{16, 8}, {16, 3}});
        p.Line({{16, 8}, {20, 10}});
    },
    // A bell.
    [](GraphPainter& p) {
        p.Shape({{9, 12}, {12, 4}, {16, 1}, {20, 4}, {23, 12}});
        p.Disc(14, 12, 18, 16);
    },
    // A tick and a cross.
    [](GraphPainter& p) { p.Shape({{5, 8}, {8, 6}, {13, 10}, {25, 1}, {28, 3}, {13, 15}}); },
    [](GraphPainter& p) {
        p.Shape({{8, 1}, {16, 6}, {24, 1}, {26, 3}, {19, 8}, {26, 13}, {24, 15}, {16, 10}, {8, 15}, {6, 13},
                 {13, 8}, {6, 3}});
    },
    // A warning sign.
    [](GraphPainter& p) {
        p.Line({{16, 1}, {26, 15}, {6, 15}, {16, 1}});
        p.Block(15, 5, 17, 11);
        p.Block(15, 12, 17, 14);
    },
    // A house.
    [](GraphPainter& p) {
        p.Shape({{6, 7}, {16, 1}, {26, 7}});
        p.Box(9, 7, 23, 15);
        p.Block(14, 10, 18, 15);
    },
    // A padlock.
    [](GraphPainter& p) {
        p.Line({{12, 7}, {12, 4}, {14, 2}, {18, 2}, {20, 4}, {20, 7}});
        p.Block(9, 7, 23, 15);
    },
    [](GraphPainter& p) { p.Shape(Star()); },
};
static_assert(std::size(kGraphs) == GRAPH_COUNT, "one picture for every graph");

}  // namespace

BOOL DrawGraphPicture(CDC& dc, int nGraph, const CRect& rect)
{
    dc.FillSolidRect(&rect, kLcdGreen);
    if (nGraph < 0 || nGraph >= GRAPH_COUNT)
        return FALSE;
    GraphPainter painter(dc, rect);
    kGraphs[nGraph](painter);
    return TRUE;
}
