#include "blocks/DiagramLimits.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockObj.h"
#include "blocks/ConnectLineObj.h"

namespace {

bool IsBox(long long nLeft, long long nTop, long long nWidth, long long nHeight)
{
    return IsDiagramCoord(nLeft) && IsDiagramCoord(nTop) && nWidth >= 0 && nHeight >= 0 &&
           IsDiagramCoord(nLeft + nWidth) && IsDiagramCoord(nTop + nHeight);
}

// A block's pins, and the ends of the wires drawn to them, reach a little beyond its box.
constexpr long long kPinReach = 256;

bool IsPoint(const CPoint& pt) { return IsDiagramCoord(pt.x) && IsDiagramCoord(pt.y); }

} // namespace

BOOL IsInsideDiagram(const CBlockObj& block)
{
    const auto inner = [](long long n) { return IsDiagramCoord(n < 0 ? n - kPinReach : n + kPinReach); };
    return IsBox(block.m_ptPos.x, block.m_ptPos.y, block.m_nWidth, block.m_nHeight) && inner(block.m_ptPos.x) &&
           inner(block.m_ptPos.y) && inner(block.m_ptPos.x + block.m_nWidth) &&
           inner(block.m_ptPos.y + block.m_nHeight) && IsPoint(block.m_ptPos2);
}

BOOL IsInsideDiagram(const CConnectLineObj& line)
{
    if (!IsPoint(line.m_ptStart) || !IsPoint(line.m_ptEnd))
        return FALSE;
    for (INT_PTR i = 0; i < line.m_arrVertices.GetSize(); ++i) {
        if (!IsPoint(line.m_arrVertices[i]))
            return FALSE;
    }
    return TRUE;
}

BOOL IsInsideDiagram(const CBlockComment& comment)
{
    return IsBox(comment.m_nLeft, comment.m_nTop, comment.m_nBoxWidth, comment.m_nBoxHeight);
}
