// Wire route tidying helpers. The arithmetic runs in 64 bits and results are held to the int
// range: coordinates come from files and may lie anywhere, and a route must never overflow.
#include "document/LineRoute.h"

#include "document/LineRouteVertices.h"

#include "blocks/ConnectLineObj.h"

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

bool IsInputPin(int nPin) { return nPin >= 0 && nPin < 10; }
bool IsOutputPin(int nPin) { return nPin >= 10 && nPin < 20; }

bool SamePoint(POINT a, POINT b) { return a.x == b.x && a.y == b.y; }

// One end of a wire: its point and pin.
struct LineEnd {
    long long x;
    long long y;
    long long nPin;
};

// The fresh route between the output end o and the input end i, listed from the start end of
// the wire when bStartIsOutput, else from the input end.
RouteVertices FreshRoute(const LineEnd& o, const LineEnd& i, bool bStartIsOutput)
{
    const long long dx = i.x - o.x;
    const long long dy = i.y - o.y;
    const long long nAbsDy = std::llabs(dy);
    const long long p5 = 5 * i.nPin;
    RouteVertices route;
    if (dx >= 0) {
        if (dx >= 30) {
            if (bStartIsOutput)
                return {Vertex(o.x + dx / 2, o.y), Vertex(o.x + dx / 2, i.y)};
            return {Vertex(i.x - dx / 2, i.y), Vertex(i.x - dx / 2, o.y)};
        }
        if (bStartIsOutput) {
            const long long h = dy >= 0 ? o.y + nAbsDy / 2 : o.y - nAbsDy / 2 - p5;
            return {Vertex(o.x + 10, o.y), Vertex(o.x + 10, h), Vertex(i.x - p5 - 12, h),
                    Vertex(i.x - p5 - 12, i.y)};
        }
        const long long h = dy >= 0 ? i.y - nAbsDy / 2 : i.y + nAbsDy / 2 + p5;
        return {Vertex(i.x - p5 - 12, i.y), Vertex(i.x - p5 - 12, h), Vertex(o.x + 12, h),
                Vertex(o.x + 12, o.y)};
    }
    // The wire runs backwards: out of the output to the right, round, and into the input from
    // the left. Listed from the output end.
    if (nAbsDy >= 60) {
        const long long m = bStartIsOutput ? o.y + dy / 2 : i.y - dy / 2;
        route = {Vertex(o.x + 10, o.y), Vertex(o.x + 10, m), Vertex(i.x - 10, m),
                 Vertex(i.x - 10, i.y)};
    } else {
        const long long h = dy >= 0 ? o.y - 30 : i.y - 5 * (i.nPin + 6);
        route = {Vertex(o.x + 10, o.y), Vertex(o.x + 10, h), Vertex(i.x - p5 - 10, h),
                 Vertex(i.x - p5 - 10, i.y)};
    }
    if (!bStartIsOutput)
        std::reverse(route.begin(), route.end());
    return route;
}

// A 4-vertex wire whose middle run lies beyond either end is pulled 5 units inside that end.
void TidyFourVertices(CArray<CPoint>& v)
{
    const CPoint s = v[0];
    const CPoint e = v[3];
    int x1 = v[1].x;
    int x2 = v[2].x;
    if (static_cast<long long>(x1 - s.x) * (x1 - e.x) >= 1) {
        if (s.x > e.x) {
            if (x1 > s.x)
                x1 = x2 = s.x - 5;
            else if (x1 < e.x)
                x1 = x2 = e.x + 5;
        } else {
            if (x1 < s.x)
                x1 = x2 = s.x + 5;
            else if (x1 > e.x)
                x1 = x2 = e.x - 5;
        }
    }
    v[1] = CPoint(x1, s.y);
    v[2] = CPoint(x2, e.y);
}

// A 6-vertex wire keeps its middle segment clear of the ends by 5 units.
void TidySixVertices(CArray<CPoint>& v)
{
    const CPoint s = v[0];
    const CPoint e = v[5];
    int x1 = v[1].x;
    int x2 = v[2].x;
    int y2 = v[2].y;
    int x3 = v[3].x;
    int y3 = v[3].y;
    int x4 = v[4].x;
    const auto pullStart = [&](int x) {
        x1 = x;
        x2 = x1;
        y3 = y2;
        x3 = x4;
    };
    const auto pullEnd = [&](int x) {
        x4 = x;
        x3 = x4;
        x2 = x1;
        y2 = y3;
    };
    if (s.x >= e.x) {
        if (x1 <= s.x + 5)
            pullStart(s.x + 5);
        else if (x4 >= e.x - 5)
            pullEnd(e.x - 5);
    } else {
        if (x4 > e.x + 5 && x1 >= s.x - 5)
            pullStart(s.x - 5);
        if (x4 <= e.x + 5)
            pullEnd(e.x + 5);
    }
    v[1] = CPoint(x1, s.y);
    v[2] = CPoint(x2, y2);
    v[3] = CPoint(x3, y3);
    v[4] = CPoint(x4, e.y);
}

}  // namespace

void AddLineEndStub(CConnectLineObj* pLine, BOOL bStart, int nPinSide)
{
    if (!pLine || (nPinSide != LINE_PIN_SIDE_OUTPUT && nPinSide != LINE_PIN_SIDE_INPUT))
        return;
    RouteVertices v = VerticesOf(*pLine);
    if (v.size() < 2)
        return;
    if (!bStart)
        std::reverse(v.begin(), v.end());
    // K the moved end, N its neighbour, F the far end.
    const CPoint k = v[0];
    const CPoint n = v[1];
    const CPoint f = v.back();
    long long s = 0;
    if (nPinSide == LINE_PIN_SIDE_OUTPUT) {
        if (k.x < (long long)n.x - 5)
            return;
        s = (long long)k.x + 10;
    } else {
        if (k.x > (long long)n.x + 5)
            return;
        s = (long long)k.x - 10;
    }
    // The detour runs below both ends when they lie close in height, else between them.
    const long long j = std::llabs((long long)f.y - k.y) < 80 ? std::max(f.y, k.y) + 50LL
                                                               : ((long long)f.y + k.y) / 2;
    // N keeps its place, so the wire's further route stays as it was; where N now lies on a
    // straight run the tidying removes it.
    v.insert(v.begin() + 1, {Vertex(s, k.y), Vertex(s, j), Vertex(n.x, j)});
    if (!bStart)
        std::reverse(v.begin(), v.end());
    SetVertices(*pLine, v);
}

BOOL IsLoopedSegment(const POINT points[4], int nLastX, int nLastY, int nFirstX, int nFirstY)
{
    int order[4] = {0, 1, 2, 3};
    std::stable_sort(std::begin(order), std::end(order),
                     [&](int a, int b) { return points[a].x < points[b].x; });
    // Upper and lower point of a pair; on equal heights the one first in the order is upper.
    auto split = [&](int a, int b) {
        const POINT& pa = points[order[a]];
        const POINT& pb = points[order[b]];
        return pb.y < pa.y ? std::pair{pb, pa} : std::pair{pa, pb};
    };
    const auto [lu, ll] = split(0, 1);
    const auto [ru, rl] = split(2, 3);
    const bool bLeftVertical = lu.x == ll.x;
    const bool bRightVertical = ru.x == rl.x;
    if (lu.y == ru.y && ll.y == rl.y) {
        if (bLeftVertical && bRightVertical)
            return TRUE;
        if (!bLeftVertical && !bRightVertical)
            return FALSE;
        const long long nTop = std::llabs((long long)ru.x - lu.x);
        const long long nBottom = std::llabs((long long)rl.x - ll.x);
        const auto [a, b] = nTop <= nBottom ? std::pair{lu, ru} : std::pair{ll, rl};
        const POINT last{nLastX, nLastY};
        const POINT first{nFirstX, nFirstY};
        const bool bAtWireEnd = SamePoint(a, last) || SamePoint(a, first) || SamePoint(b, last) ||
                                SamePoint(b, first);
        return bAtWireEnd ? FALSE : TRUE;
    }
    if (!bLeftVertical || !bRightVertical)
        return FALSE;
    return lu.y == ru.y || ll.y == rl.y;
}

void RerouteLine(CConnectLineObj* pLine)
{
    if (!pLine)
        return;
    const bool bStartIsOutput = IsOutputPin(pLine->m_nStartPin) && IsInputPin(pLine->m_nEndPin);
    const bool bStartIsInput = IsInputPin(pLine->m_nStartPin) && IsOutputPin(pLine->m_nEndPin);
    if (!bStartIsOutput && !bStartIsInput)
        return;
    const LineEnd start{pLine->m_ptStart.x, pLine->m_ptStart.y, pLine->m_nStartPin};
    const LineEnd end{pLine->m_ptEnd.x, pLine->m_ptEnd.y, pLine->m_nEndPin};
    RouteVertices route = FreshRoute(bStartIsOutput ? start : end, bStartIsOutput ? end : start,
                                     bStartIsOutput);
    route.insert(route.begin(), pLine->m_ptStart);
    route.push_back(pLine->m_ptEnd);
    SetVertices(*pLine, route);
}

void TidyDraggedRoute(CConnectLineObj& line)
{
    CArray<CPoint>& v = line.m_arrVertices;
    switch (v.GetSize()) {
    case 3:
        v.RemoveAt(1);
        break;
    case 4:
        TidyFourVertices(v);
        break;
    case 6:
        TidySixVertices(v);
        break;
    default:
        break;
    }
}

void OffsetLine(CConnectLineObj& line, int dx, int dy)
{
    for (INT_PTR i = 0; i < line.m_arrVertices.GetSize(); ++i)
        line.m_arrVertices[i].Offset(dx, dy);
    line.m_ptStart.Offset(dx, dy);
    line.m_ptEnd.Offset(dx, dy);
}
