#include "document/DiagramPlaces.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockObj.h"
#include "blocks/ConnectLineObj.h"
#include "document/ListWalks.h"
#include "document/VetlaDoc.h"

#include <cstddef>

namespace {

std::vector<CPoint> PointsOf(const CArray<CPoint>& points)
{
    std::vector<CPoint> copy(std::size_t(points.GetSize()));
    for (INT_PTR i = 0; i < points.GetSize(); ++i)
        copy[std::size_t(i)] = points[i];
    return copy;
}

void SetPoints(CArray<CPoint>& points, const std::vector<CPoint>& copy)
{
    points.SetSize(INT_PTR(copy.size()));
    for (std::size_t i = 0; i < copy.size(); ++i)
        points[INT_PTR(i)] = copy[i];
}

CPoint CommentPlace(const CBlockComment& comment) { return CPoint(comment.m_nLeft, comment.m_nTop); }

// Walks the list's objects together with their places, when the list is as long as they are.
template <class T, class Place, class Put>
void PutListBack(const CObList& list, const std::vector<Place>& places, Put put)
{
    if (std::size_t(list.GetCount()) != places.size())
        return;
    std::size_t i = 0;
    ForEachListed<T>(list, [&](T& object) { put(object, places[i++]); });
}

} // namespace

DiagramPlaces PlacesOf(const CVetlaDoc& doc)
{
    DiagramPlaces places;
    ForEachListed<CBlockObj>(doc.m_blockList, [&](const CBlockObj& block) { places.blocks.push_back(block.m_ptPos); });
    ForEachListed<CBlockComment>(doc.m_commentList,
                                 [&](const CBlockComment& comment) { places.comments.push_back(CommentPlace(comment)); });
    ForEachListed<CConnectLineObj>(doc.m_lineList, [&](const CConnectLineObj& line) {
        places.wires.push_back({line.m_ptStart, line.m_ptEnd, PointsOf(line.m_arrVertices), PointsOf(line.m_arrJunctions)});
    });
    return places;
}

void PutBack(CVetlaDoc& doc, const DiagramPlaces& places)
{
    PutListBack<CBlockObj>(doc.m_blockList, places.blocks, [](CBlockObj& block, CPoint pt) { block.m_ptPos = pt; });
    PutListBack<CBlockComment>(doc.m_commentList, places.comments, [](CBlockComment& comment, CPoint pt) {
        comment.m_nLeft = pt.x;
        comment.m_nTop = pt.y;
    });
    PutListBack<CConnectLineObj>(doc.m_lineList, places.wires, [](CConnectLineObj& line, const WirePlace& place) {
        line.m_ptStart = place.ptStart;
        line.m_ptEnd = place.ptEnd;
        SetPoints(line.m_arrVertices, place.vertices);
        SetPoints(line.m_arrJunctions, place.junctions);
    });
}
