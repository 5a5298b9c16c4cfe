// Points of a diagram that the editing and document tests press, hover and compare: the centre of a pin, the
// route of a wire and its junction dots.
#pragma once

#include "blocks/BlockObj.h"
#include "blocks/ConnectLineObj.h"
#include "document/VetlaDoc.h"

#include <gtest/gtest.h>

#include <vector>

// The centre of the pin's stub; a pin without a stub fails the test that asks.
inline CPoint PinCentre(CBlockObj* pBlock, int nPin)
{
    CRect rc;
    EXPECT_TRUE(GetBlockPinRect(&rc, pBlock, nPin)) << "block " << pBlock->m_nNumber << " pin " << nPin;
    return rc.CenterPoint();
}

// The middle of the block's body.
inline CPoint BlockCentre(const CBlockObj* pBlock)
{
    return pBlock->m_ptPos + CPoint(pBlock->m_nWidth / 2, pBlock->m_nHeight / 2);
}

// The wire's vertices in order.
inline std::vector<CPoint> VerticesOf(const CConnectLineObj* pLine)
{
    std::vector<CPoint> points;
    for (INT_PTR i = 0; i < pLine->m_arrVertices.GetSize(); ++i)
        points.push_back(pLine->m_arrVertices[i]);
    return points;
}

// The vertex indexes of the wire that carry a junction dot.
inline std::vector<int> JunctionsOf(const CConnectLineObj* pLine)
{
    std::vector<int> marked;
    for (INT_PTR i = 0; i < pLine->m_arrJunctions.GetSize(); ++i) {
        if (pLine->IsJunction(i))
            marked.push_back(int(i));
    }
    return marked;
}
