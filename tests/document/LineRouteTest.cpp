#include "blocks/ConnectLineObj.h"
#include "document/LineRoute.h"
#include "document/VetlaDoc.h"

#include <gtest/gtest.h>

#include <climits>
#include <utility>
#include <vector>

namespace {

using Route = std::vector<std::pair<int, int>>;

// A wire from pin nStartPin at the first point to pin nEndPin at the last, routed through them.
void Lay(CConnectLineObj& line, const Route& route, int nStartPin = 10, int nEndPin = 0)
{
    line.m_arrVertices.RemoveAll();
    for (const auto& [x, y] : route)
        line.m_arrVertices.Add(CPoint(x, y));
    line.m_ptStart = CPoint(route.front().first, route.front().second);
    line.m_ptEnd = CPoint(route.back().first, route.back().second);
    line.m_nStartPin = nStartPin;
    line.m_nEndPin = nEndPin;
}

Route RouteOf(const CConnectLineObj& line)
{
    Route route;
    for (INT_PTR i = 0; i < line.m_arrVertices.GetSize(); ++i)
        route.emplace_back(line.m_arrVertices[i].x, line.m_arrVertices[i].y);
    return route;
}

bool IsOrthogonal(const Route& route)
{
    for (std::size_t i = 1; i < route.size(); ++i) {
        if (route[i].first != route[i - 1].first && route[i].second != route[i - 1].second)
            return false;
    }
    return true;
}

struct MoveCase {
    const char* pszName;
    Route before;
    int x;
    int y;
    BOOL bStart;
    int nPinSide;
    Route after;
};

// Each row moves one end as the view does when a block moves or a wire end is dragged.
TEST(LineRouteTest, MovedEndsDragTheirRoute)
{
    const MoveCase cases[] = {
        {"a straight wire gets an elbow", {{0, 0}, {100, 0}}, 0, 40, TRUE, LINE_PIN_SIDE_NONE,
         {{0, 40}, {50, 40}, {50, 0}, {100, 0}}},
        {"the block at the input end moves down", {{0, 0}, {100, 0}}, 100, 40, FALSE,
         LINE_PIN_SIDE_INPUT, {{0, 0}, {50, 0}, {50, 40}, {100, 40}}},
        {"a vertical first segment keeps its x", {{0, 0}, {0, 50}, {100, 50}}, 20, 10, TRUE,
         LINE_PIN_SIDE_NONE, {{20, 10}, {20, 50}, {100, 50}}},
        {"an output left from the right adds no stub", {{100, 0}, {50, 0}, {50, 30}, {0, 30}}, 0,
         60, FALSE, LINE_PIN_SIDE_OUTPUT, {{100, 0}, {50, 0}, {50, 60}, {0, 60}}},
        {"an output left to the left gets a stub out to the right",
         {{0, 0}, {50, 0}, {50, 200}, {-100, 200}}, 80, 0, TRUE, LINE_PIN_SIDE_OUTPUT,
         {{80, 0}, {90, 0}, {90, 100}, {50, 100}, {50, 200}, {-100, 200}}},
        // Here the stub's detour would run back along the wire: it is routed afresh.
        {"a stub that turns back is rerouted", {{0, 0}, {50, 0}, {50, 200}, {300, 200}}, 80, 0,
         TRUE, LINE_PIN_SIDE_OUTPUT, {{80, 0}, {190, 0}, {190, 200}, {300, 200}}},
        // The stub's detour turns back on itself; the wire is routed afresh round the back.
        {"an input moved behind its source is rerouted", {{0, 0}, {50, 0}, {50, 40}, {100, 40}},
         -50, 40, FALSE, LINE_PIN_SIDE_INPUT,
         {{0, 0}, {10, 0}, {10, -30}, {-60, -30}, {-60, 40}, {-50, 40}}},
        {"a wire without vertices runs from its stored ends", {}, 0, 40, TRUE, LINE_PIN_SIDE_NONE,
         {{0, 40}, {50, 40}, {50, 0}, {100, 0}}},
    };
    for (const MoveCase& c : cases) {
        CVetlaDoc doc;
        CConnectLineObj line;
        Lay(line, c.before.empty() ? Route{{0, 0}, {100, 0}} : c.before);
        if (c.before.empty())
            line.m_arrVertices.RemoveAll();
        doc.MoveLineEnd(&line, c.x, c.y, c.bStart, c.nPinSide);
        EXPECT_EQ(RouteOf(line), c.after) << c.pszName;
        const CPoint moved = c.bStart ? line.m_ptStart : line.m_ptEnd;
        EXPECT_EQ(moved, CPoint(c.x, c.y)) << c.pszName;
    }
}

// No wire means nothing to change: the document's own wire keeps its route and the document
// is not marked changed.
TEST(LineRouteTest, NullWireIsIgnored)
{
    CVetlaDoc doc;
    auto* pLine = new CConnectLineObj;
    const Route route = {{0, 0}, {40, 0}, {40, 30}, {100, 30}};
    Lay(*pLine, route);
    doc.m_lineList.AddTail(pLine);
    doc.MoveLineEnd(nullptr, 1, 2, TRUE, LINE_PIN_SIDE_INPUT);
    doc.SimplifyLine(nullptr);
    AddLineEndStub(nullptr, TRUE, LINE_PIN_SIDE_INPUT);
    RerouteLine(nullptr);
    EXPECT_EQ(RouteOf(*pLine), route);
    EXPECT_EQ(pLine->m_ptStart, CPoint(0, 0));
    EXPECT_EQ(pLine->m_ptEnd, CPoint(100, 30));
    EXPECT_FALSE(doc.IsModified());
}

// The stub keeps the far end attached to its pin, also on a wire of one segment.
TEST(LineRouteTest, StubOnAStraightWireKeepsTheFarEnd)
{
    CConnectLineObj line;
    Lay(line, {{100, 0}, {0, 0}});
    AddLineEndStub(&line, TRUE, LINE_PIN_SIDE_OUTPUT);
    const Route route = RouteOf(line);
    EXPECT_EQ(route, (Route{{100, 0}, {110, 0}, {110, 50}, {0, 50}, {0, 0}}));
    EXPECT_TRUE(IsOrthogonal(route));
}

TEST(LineRouteTest, SimplifyDropsStraightRunsAndCutsLongRoutes)
{
    const struct {
        const char* pszName;
        Route before;
        Route after;
    } cases[] = {
        {"three on one vertical line", {{0, 0}, {0, 10}, {0, 30}}, {{0, 0}, {0, 30}}},
        {"a run of straight points", {{0, 0}, {10, 0}, {20, 0}, {20, 5}, {30, 5}},
         {{0, 0}, {20, 0}, {20, 5}, {30, 5}}},
        {"nine vertices cut to six, starting level",
         {{0, 0}, {10, 0}, {10, 10}, {20, 10}, {20, 20}, {30, 20}, {30, 30}, {40, 30}, {40, 40}},
         {{0, 0}, {10, 0}, {10, 10}, {40, 10}, {40, 30}, {40, 40}}},
        {"nine vertices cut to six, starting upright",
         {{0, 0}, {0, 10}, {10, 10}, {10, 20}, {20, 20}, {20, 30}, {30, 30}, {30, 40}, {40, 40}},
         {{0, 0}, {0, 10}, {10, 10}, {30, 10}, {30, 40}, {40, 40}}},
    };
    for (const auto& c : cases) {
        CVetlaDoc doc;
        CConnectLineObj line;
        Lay(line, c.before, 10, 10);
        doc.SimplifyLine(&line);
        EXPECT_EQ(RouteOf(line), c.after) << c.pszName;
        EXPECT_TRUE(IsOrthogonal(RouteOf(line))) << c.pszName;
    }
}

TEST(LineRouteTest, LoopedSegments)
{
    const struct {
        const char* pszName;
        POINT run[4];
        bool bLooped;
    } cases[] = {
        {"U", {{0, 0}, {10, 0}, {10, 10}, {0, 10}}, true},
        {"upside-down U", {{0, 10}, {0, 0}, {10, 0}, {10, 10}}, true},
        {"Z", {{0, 0}, {10, 0}, {10, 10}, {20, 10}}, false},
        {"stairs", {{0, 0}, {0, 10}, {10, 10}, {10, 20}}, false},
        {"turn back below", {{10, 0}, {10, 20}, {-5, 20}, {-5, 10}}, true},
        {"C with a short top run", {{20, 0}, {0, 0}, {0, 10}, {40, 10}}, true},
        {"C whose short run leaves the wire's first vertex",
         {{100, 0}, {0, 0}, {0, 10}, {140, 10}}, false},
    };
    for (const auto& c : cases)
        EXPECT_EQ(IsLoopedSegment(c.run, 500, 500, 100, 0) != FALSE, c.bLooped) << c.pszName;
}

TEST(LineRouteTest, FreshRoutes)
{
    const struct {
        const char* pszName;
        Route ends;
        int nStartPin;
        int nEndPin;
        Route after;
    } cases[] = {
        {"forwards, far", {{0, 0}, {101, 40}}, 10, 1, {{0, 0}, {50, 0}, {50, 40}, {101, 40}}},
        {"forwards, far, from the input", {{101, 40}, {0, 0}}, 1, 10,
         {{101, 40}, {51, 40}, {51, 0}, {0, 0}}},
        {"forwards, near, below", {{0, 0}, {20, 40}}, 10, 2,
         {{0, 0}, {10, 0}, {10, 20}, {-2, 20}, {-2, 40}, {20, 40}}},
        {"forwards, near, above", {{0, 40}, {20, 0}}, 10, 2,
         {{0, 40}, {10, 40}, {10, 10}, {-2, 10}, {-2, 0}, {20, 0}}},
        {"forwards, near, from the input", {{20, 40}, {0, 0}}, 2, 10,
         {{20, 40}, {-2, 40}, {-2, 20}, {12, 20}, {12, 0}, {0, 0}}},
        {"backwards, far apart", {{100, 0}, {0, 100}}, 10, 0,
         {{100, 0}, {110, 0}, {110, 50}, {-10, 50}, {-10, 100}, {0, 100}}},
        {"backwards, far apart, from the input", {{0, 100}, {100, 0}}, 0, 10,
         {{0, 100}, {-10, 100}, {-10, 50}, {110, 50}, {110, 0}, {100, 0}}},
        {"backwards, close, below", {{100, 0}, {0, 20}}, 10, 1,
         {{100, 0}, {110, 0}, {110, -30}, {-15, -30}, {-15, 20}, {0, 20}}},
        {"backwards, close, above", {{100, 20}, {0, 0}}, 10, 1,
         {{100, 20}, {110, 20}, {110, -35}, {-15, -35}, {-15, 0}, {0, 0}}},
        {"two outputs stay as they are", {{0, 0}, {5, 5}, {100, 0}}, 10, 11,
         {{0, 0}, {5, 5}, {100, 0}}},
    };
    for (const auto& c : cases) {
        CConnectLineObj line;
        Lay(line, c.ends, c.nStartPin, c.nEndPin);
        RerouteLine(&line);
        EXPECT_EQ(RouteOf(line), c.after) << c.pszName;
    }
}

// Coordinates from a damaged file must not overflow the route arithmetic.
TEST(LineRouteTest, ExtremeCoordinatesAreHeldToTheIntRange)
{
    CVetlaDoc doc;
    CConnectLineObj line;
    Lay(line, {{INT_MIN, INT_MIN}, {INT_MAX, INT_MIN}});
    doc.MoveLineEnd(&line, INT_MAX, INT_MAX, FALSE, LINE_PIN_SIDE_INPUT);
    RerouteLine(&line);
    const Route route = RouteOf(line);
    ASSERT_FALSE(route.empty());
    EXPECT_EQ(route.back(), std::make_pair(INT_MAX, INT_MAX));
}

struct TidyCase {
    const char* pszName;
    CPoint s;
    std::vector<CPoint> inner;
    CPoint e;
    std::vector<CPoint> expected;
};

// A dragged wire of three vertices becomes straight; the middle runs of a longer one are
// pulled inside its ends.
TEST(LineRouteTest, DraggedWiresAreTidied)
{
    const TidyCase cases[] = {
        {"3: straight", {40, 50}, {{100, 50}}, {200, 50}, {}},
        {"4: right of the end", {100, 50}, {{250, 50}, {250, 90}}, {200, 90}, {{195, 50}, {195, 90}}},
        {"4: left of the start", {100, 50}, {{80, 50}, {80, 90}}, {200, 90}, {{105, 50}, {105, 90}}},
        {"4: inside stays", {100, 50}, {{150, 50}, {150, 90}}, {200, 90}, {{150, 50}, {150, 90}}},
        {"4: backwards, beyond the start", {200, 50}, {{230, 50}, {230, 90}}, {100, 90}, {{195, 50}, {195, 90}}},
        {"4: backwards, beyond the end", {200, 50}, {{60, 50}, {60, 90}}, {100, 90}, {{105, 50}, {105, 90}}},
        {"6: backwards, first run too near the start", {200, 50},
         {{203, 50}, {203, 120}, {90, 120}, {90, 90}}, {100, 90},
         {{205, 50}, {205, 120}, {90, 120}, {90, 90}}},
        {"6: backwards, last run too near the end", {200, 50},
         {{220, 50}, {220, 120}, {98, 120}, {98, 90}}, {100, 90},
         {{220, 50}, {220, 120}, {95, 120}, {95, 90}}},
        {"6: forwards, last run too near the end", {100, 50},
         {{90, 50}, {90, 120}, {203, 120}, {203, 90}}, {200, 90},
         {{90, 50}, {90, 120}, {205, 120}, {205, 90}}},
        {"6: forwards, first run too near the start", {100, 50},
         {{97, 50}, {97, 120}, {230, 120}, {230, 90}}, {200, 90},
         {{95, 50}, {95, 120}, {230, 120}, {230, 90}}},
    };
    for (const TidyCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        CConnectLineObj line;
        line.m_arrVertices.Add(c.s);
        for (const CPoint& pt : c.inner)
            line.m_arrVertices.Add(pt);
        line.m_arrVertices.Add(c.e);
        TidyDraggedRoute(line);
        Route expected = {{c.s.x, c.s.y}};
        for (const CPoint& pt : c.expected)
            expected.emplace_back(pt.x, pt.y);
        expected.emplace_back(c.e.x, c.e.y);
        EXPECT_EQ(RouteOf(line), expected);
    }
}

TEST(LineRouteTest, OffsetMovesTheWholeWire)
{
    CConnectLineObj line;
    line.m_ptStart = CPoint(100, 100);
    line.m_ptEnd = CPoint(300, 150);
    for (const CPoint& pt : {CPoint(100, 100), CPoint(200, 100), CPoint(200, 150), CPoint(300, 150)})
        line.m_arrVertices.Add(pt);
    OffsetLine(line, 1, 2);
    EXPECT_EQ(RouteOf(line), (Route{{101, 102}, {201, 102}, {201, 152}, {301, 152}}));
    EXPECT_EQ(line.m_ptStart, CPoint(101, 102));
    EXPECT_EQ(line.m_ptEnd, CPoint(301, 152));
}

}  // namespace
