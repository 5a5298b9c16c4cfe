#include "document/Placement.h"

#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"

namespace {

// The margins a placement is pulled into when no block size is known yet.
constexpr int PLACE_MARGIN = 25;
constexpr int PLACE_MARGIN_BOTTOM = 50;
constexpr int PLACE_MARGIN_BOTTOM_BLOCK = 10;

// Clamps a coordinate that lies on the base but outside the inner area onto the inner edge.
int PullInside(int v, int nBaseLow, int nInnerLow, int nInnerHigh, int nBaseHigh)
{
    if (v >= nBaseLow && v < nInnerLow)
        return nInnerLow;
    if (v >= nInnerHigh && v < nBaseHigh)
        return nInnerHigh;
    return v;
}

} // namespace

bool PullOntoBase(const CVetlaDoc& doc, POINT& point, const CBlockObj* pBlock)
{
    const CRect base = doc.m_rcExtent;
    if (!base.PtInRect(point))
        return false;
    CRect inner(base.left + PLACE_MARGIN, base.top + PLACE_MARGIN, base.right - PLACE_MARGIN,
                base.bottom - PLACE_MARGIN_BOTTOM);
    if (pBlock) {
        const int w = pBlock->m_nWidth;
        const int h = pBlock->m_nHeight;
        inner.SetRect(base.left + w / 2, base.top + h, base.right - w, base.bottom - PLACE_MARGIN_BOTTOM_BLOCK - h);
    }
    if (inner.PtInRect(point))
        return true;
    point.x = PullInside(point.x, base.left, inner.left, inner.right, base.right);
    point.y = PullInside(point.y, base.top, inner.top, inner.bottom, base.bottom);
    return true;
}
