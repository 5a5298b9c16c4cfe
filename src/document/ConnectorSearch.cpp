#include "document/ConnectorSearch.h"

#include "blocks/BlockConnector.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/ConnectorPairs.h"
#include "document/ListWalks.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <array>
#include <optional>
#include <utility>

namespace {

constexpr int CONNECTOR_WIDTH = 15;
constexpr int CONNECTOR_HEIGHT = 10;
// A Female stands this far left of the input it feeds, a Male this far right of the output
// that drives it, both raised to centre their pin on the wire's row.
constexpr int FEMALE_GAP = 35;
constexpr int MALE_GAP = 20;
constexpr int CONNECTOR_RAISE = 5;

// The outward search around a connector's first spot, in grid steps: the spot itself, then
// eight rings, each ring k the cells (dx, -k), (dx, +k) for dx = 0 .. k-2, then (k-1, -j),
// (k-1, +j) for j = 1 .. k, then (k, 0), which the last ring leaves out. Males search to the
// right; a Female takes dx negated and searches to the left.
using SearchOffsets = std::array<std::pair<int, int>, CONNECTOR_SEARCH_SPOTS>;

constexpr SearchOffsets BuildSearchOffsets()
{
    SearchOffsets offsets{};
    std::size_t i = 1;
    for (int k = 1; k <= 8; ++k) {
        for (int dx = 0; dx <= k - 2; ++dx) {
            offsets[i++] = {dx, -k};
            offsets[i++] = {dx, k};
        }
        for (int j = 1; j <= k; ++j) {
            offsets[i++] = {k - 1, -j};
            offsets[i++] = {k - 1, j};
        }
        if (k < 8)
            offsets[i++] = {k, 0};
    }
    return offsets;
}

constexpr SearchOffsets kSearchOffsets = BuildSearchOffsets();
static_assert(kSearchOffsets[3] == std::pair(1, 0) && kSearchOffsets[10] == std::pair(2, 0) &&
              kSearchOffsets[CONNECTOR_SEARCH_SPOTS - 1] == std::pair(7, 8));

// Males search to the right (1), Females to the left (-1).
int SearchDirection(const CBlockObj* pConnector)
{
    return pConnector && pConnector->IsKindOf(RUNTIME_CLASS(CBlockFemale)) ? -1 : 1;
}

// The grid steps of spot nIndex with its columns toward nDirection (1 right, -1 left).
POINT SearchOffsetToward(int nIndex, int nDirection)
{
    if (nIndex < 0 || nIndex >= CONNECTOR_SEARCH_SPOTS)
        return {0, 0};
    const auto [dx, dy] = kSearchOffsets[nIndex];
    return {nDirection * dx, dy};
}

// Whether the rectangle lies inside the area of the given size, off its edges.
bool InsideArea(const CRect& rc, CSize extent)
{
    return rc.left > 0 && rc.top > 0 && rc.right < extent.cx && rc.bottom < extent.cy;
}

// The first spot of the search toward nDirection where the connector collides with nothing.
std::optional<POINT> FirstFreeSpot(const CVetlaDoc& doc, const CBlockObj& connector, CSize extent, int nDirection)
{
    for (int i = 0; i < CONNECTOR_SEARCH_SPOTS; ++i) {
        const POINT offset = SearchOffsetToward(i, nDirection);
        if (!ConnectorCollides(doc, connector, offset, extent))
            return offset;
    }
    return std::nullopt;
}

// The least move that brings the rectangle inside the area along one axis.
int MoveInside(int nLow, int nHigh, int nLimit)
{
    if (nLow <= 0)
        return 1 - nLow;
    if (nHigh >= nLimit)
        return std::max(nLimit - 1 - nHigh, 1 - nLow);
    return 0;
}

bool LineTouches(const CConnectLineObj& line, const CRect& rc)
{
    for (INT_PTR i = 1; i < line.m_arrVertices.GetSize(); ++i) {
        CRect rcCommon;
        const CRect rcSegment = SegmentRect(line.m_arrVertices[i - 1], line.m_arrVertices[i]);
        if (rcCommon.IntersectRect(&rcSegment, &rc))
            return true;
    }
    return false;
}

} // namespace

bool FindWireEnd(const CConnectLineObj& line, bool bInput, WireEnd* pEnd)
{
    const auto isWanted = [bInput](int nPin) { return (nPin < BLOCK_FIRST_OUTPUT) == bInput; };
    if (isWanted(line.m_nStartPin))
        *pEnd = {line.m_pStartBlock, line.m_nStartPin, line.m_ptStart};
    else if (isWanted(line.m_nEndPin))
        *pEnd = {line.m_pEndBlock, line.m_nEndPin, line.m_ptEnd};
    else
        return false;
    return true;
}

CRect SegmentRect(const CPoint& a, const CPoint& b)
{
    CRect rc(a.x, a.y, b.x, b.y);
    rc.NormalizeRect();
    if (a.x == b.x)
        rc.InflateRect(2, 0);
    else if (a.y == b.y)
        rc.InflateRect(0, 2);
    else
        rc.InflateRect(2, 2);
    return rc;
}

CRect BlockRect(const CBlockObj& block)
{
    return CRect(block.m_ptPos.x, block.m_ptPos.y, block.m_ptPos.x + block.m_nWidth, block.m_ptPos.y + block.m_nHeight);
}

CBlockObj* NewConnector(CVetlaDoc& doc, int nType, const CConnectLineObj* pWire, POINT* pWireEnd)
{
    CBlockObj* pConnector = nType == BT_FEMALE ? new CBlockFemale(BT_FEMALE)
                            : nType == BT_MALE ? static_cast<CBlockObj*>(new CBlockMale(BT_MALE))
                                               : new CBlockObj(nType, 4);
    pConnector->InitForDocument(&doc);
    pConnector->m_nWidth = CONNECTOR_WIDTH;
    pConnector->m_nHeight = CONNECTOR_HEIGHT;
    WireEnd end;
    const bool bFemale = nType == BT_FEMALE;
    if ((bFemale || nType == BT_MALE) && pWire && FindWireEnd(*pWire, bFemale, &end)) {
        pConnector->m_ptPos = CPoint(end.pt.x + (bFemale ? -FEMALE_GAP : MALE_GAP), end.pt.y - CONNECTOR_RAISE);
        if (pWireEnd)
            *pWireEnd = end.pt;
    }
    pConnector->m_ptPos2 = pConnector->m_ptPos;
    return pConnector;
}

POINT ConnectorSearchOffset(const CBlockObj* pConnector, int nIndex)
{
    return SearchOffsetToward(nIndex, SearchDirection(pConnector));
}

bool ConnectorCollides(const CVetlaDoc& doc, const CBlockObj& connector, POINT offset, CSize extent)
{
    CRect rc = BlockRect(connector);
    rc.OffsetRect(CONNECTOR_SEARCH_STEP * offset.x, CONNECTOR_SEARCH_STEP * offset.y);
    if (rc.left <= 0 || rc.top <= 0 || rc.left >= extent.cx || rc.right >= extent.cx || rc.top >= extent.cy ||
        rc.bottom >= extent.cy)
        return true;
    for (const CBlockObj* pOther : ListSnapshot<CBlockObj>(doc.m_blockList)) {
        CRect rcOther = BlockRect(*pOther);
        const int nSide = IsConnectorBlock(pOther) ? 2 : 5;
        rcOther.InflateRect(nSide, 5, nSide, 0);
        CRect rcCommon;
        if (rcCommon.IntersectRect(&rc, &rcOther))
            return true;
    }
    for (const CConnectLineObj* pLine : ListSnapshot<CConnectLineObj>(doc.m_lineList)) {
        if (pLine->m_arrVertices.GetSize() >= 2 && LineTouches(*pLine, rc))
            return true;
    }
    return false;
}

void PlaceConnectorFree(const CVetlaDoc& doc, CBlockObj& connector, CSize extent)
{
    const int nDirection = SearchDirection(&connector);
    std::optional<POINT> offset = FirstFreeSpot(doc, connector, extent, nDirection);
    // Beside an input at the sheet's left edge (an output at its right) the first spot and all
    // those further out lie off the sheet, where the connector could be neither seen nor taken:
    // the search goes the other way.
    if (!offset && !InsideArea(BlockRect(connector), extent))
        offset = FirstFreeSpot(doc, connector, extent, -nDirection);
    if (offset) {
        connector.m_ptPos.Offset(CONNECTOR_SEARCH_STEP * offset->x, CONNECTOR_SEARCH_STEP * offset->y);
    } else {
        // A sheet without a free spot near the wire: the connector still goes onto the sheet.
        const CRect rc = BlockRect(connector);
        connector.m_ptPos.Offset(MoveInside(rc.left, rc.right, extent.cx), MoveInside(rc.top, rc.bottom, extent.cy));
    }
    connector.m_ptPos2 = connector.m_ptPos;
}
