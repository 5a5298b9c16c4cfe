// The document's wire upkeep when blocks move: a moved wire end drags its neighbouring vertex
// along so that the route stays orthogonal, gets a stub where it would leave or enter its pin
// from the wrong side, and the route is tidied.
#include "document/VetlaDoc.h"

#include "blocks/ConnectLineObj.h"
#include "document/LineRoute.h"
#include "document/LineRouteVertices.h"

#include <algorithm>
#include <cstddef>

namespace {

long long Half(long long a, long long b)
{
    return (a + b) / 2;
}

bool OnOneLine(const CPoint& a, const CPoint& b, const CPoint& c)
{
    return (a.x == b.x && b.x == c.x) || (a.y == b.y && b.y == c.y);
}

// The first run of four vertices that turns back on itself, as IsLoopedSegment sees it.
bool HasLoop(const RouteVertices& v)
{
    const CPoint& first = v.front();
    const CPoint& last = v.back();
    for (std::size_t i = 0; i + 3 < v.size(); ++i) {
        const POINT run[4] = {v[i], v[i + 1], v[i + 2], v[i + 3]};
        if (IsLoopedSegment(run, last.x, last.y, first.x, first.y))
            return true;
    }
    return false;
}

}  // namespace

void CVetlaDoc::MoveLineEnd(CConnectLineObj* pLine, int x, int y, BOOL bStart, int nPinSide)
{
    if (!pLine)
        return;
    RouteVertices v = VerticesOf(*pLine);
    // A wire without a route of its own runs straight between its ends.
    if (v.size() < 2)
        v = {pLine->m_ptStart, pLine->m_ptEnd};
    (bStart ? pLine->m_ptStart : pLine->m_ptEnd) = CPoint(x, y);
    // Work from the moved end: K is v[0], N is v[1].
    if (!bStart)
        std::reverse(v.begin(), v.end());
    const CPoint k = v[0];
    const CPoint n = v[1];
    if (v.size() < 3) {
        // One straight segment becomes an elbowed route to the old neighbour.
        if (k.y != n.y) {
            const long long m = Half(y, n.y);
            v = {CPoint(x, y), Vertex(x, m), Vertex(n.x, m), n};
        } else {
            const long long m = Half(x, n.x);
            v = {CPoint(x, y), Vertex(m, y), Vertex(m, n.y), n};
        }
    } else {
        if (k.y != n.y)
            v[1].x = x;
        else
            v[1].y = y;
        v[0] = CPoint(x, y);
    }
    if (!bStart)
        std::reverse(v.begin(), v.end());
    SetVertices(*pLine, v);
    AddLineEndStub(pLine, bStart, nPinSide);
    SimplifyLine(pLine);
}

void CVetlaDoc::SimplifyLine(CConnectLineObj* pLine)
{
    if (!pLine)
        return;
    RouteVertices v = VerticesOf(*pLine);
    for (std::size_t i = 1; i + 1 < v.size();) {
        if (OnOneLine(v[i - 1], v[i], v[i + 1]))
            v.erase(v.begin() + std::ptrdiff_t(i));
        else
            ++i;
    }
    constexpr std::size_t kMaxVertices = 6;
    if (v.size() > kMaxVertices) {
        // The middle is cut to one run level with P2 that meets the tail where the tail turns,
        // so that the route stays orthogonal.
        const std::size_t n = v.size();
        const CPoint& tailFirst = v[n - 3];
        const CPoint& tailTurn = v[n - 2];
        const int xJoin = tailFirst.x == tailTurn.x ? tailFirst.x : tailTurn.x;
        v = {v[0], v[1], v[2], CPoint(xJoin, v[2].y), v[n - 2], v[n - 1]};
    }
    SetVertices(*pLine, v);
    if (v.size() >= 5 && HasLoop(v))
        RerouteLine(pLine);
    pLine->m_arrVertices.FreeExtra();
}
