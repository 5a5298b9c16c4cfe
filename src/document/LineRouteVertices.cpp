#include "document/LineRouteVertices.h"

#include "blocks/ConnectLineObj.h"

#include <algorithm>
#include <limits>

namespace {

int ClampToInt(long long n)
{
    using Limits = std::numeric_limits<int>;
    return int(std::clamp<long long>(n, Limits::min(), Limits::max()));
}

}  // namespace

CPoint Vertex(long long x, long long y)
{
    return CPoint(ClampToInt(x), ClampToInt(y));
}

RouteVertices VerticesOf(const CConnectLineObj& line)
{
    const CPoint* pData = line.m_arrVertices.GetData();
    return pData ? RouteVertices(pData, pData + line.m_arrVertices.GetSize()) : RouteVertices();
}

void SetVertices(CConnectLineObj& line, const RouteVertices& vertices)
{
    line.m_arrVertices.SetSize(INT_PTR(vertices.size()));
    std::copy(vertices.begin(), vertices.end(), line.m_arrVertices.GetData());
}
