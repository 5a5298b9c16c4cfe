// Junction dots where wires that leave one pin part: marked at a pin and checked against the
// document's wires.
#include "document/RuleDiagram.h"

#include "document/Junctions.h"
#include "document/StraightWire.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class JunctionTest : public RuleDiagram {
protected:
    JunctionTest()
    {
        m_pSource = Block(BT_IN, 40, 140);
        m_pTop = Block(BT_AND, 300, 60);
        m_pMiddle = Block(BT_AND, 300, 150);
        m_pBottom = Block(BT_AND, 300, 260);
        m_pOut = PinCentre(m_pSource, 10);
    }
    CConnectLineObj* From(CBlockObj* pTo, int nPin, const std::vector<CPoint>& inner)
    {
        return RoutedWire(m_pSource, 10, pTo, nPin, inner);
    }
    CPoint At(int dx, int dy) const { return m_pOut + CPoint(dx, dy); }

    CBlockObj* m_pSource;
    CBlockObj* m_pTop;
    CBlockObj* m_pMiddle;
    CBlockObj* m_pBottom;
    CPoint m_pOut;
};

// Two wires run together from the pin and part: the one that turns off first gets the dot
// where it leaves the other.
TEST_F(JunctionTest, WiresThatRunTogetherGetOneDotWhereTheyPart)
{
    const CPoint bottomPin = PinCentre(m_pBottom, 0);
    const CPoint topPin = PinCentre(m_pMiddle, 1);
    // Both go right 60, then down; the shorter drop turns right to the block at the middle.
    CConnectLineObj* pLong = From(m_pBottom, 0, {At(60, 0), CPoint(m_pOut.x + 60, bottomPin.y)});
    CConnectLineObj* pShort = From(m_pMiddle, 1, {At(60, 0), CPoint(m_pOut.x + 60, topPin.y)});
    ASSERT_GT(topPin.y, m_pOut.y);
    ASSERT_GT(bottomPin.y, topPin.y);
    UpdateJunctionsAtPin(Doc(), *pShort, m_pSource, 10, FALSE);
    EXPECT_EQ(JunctionsOf(pShort), std::vector<int>{2});
    EXPECT_EQ(pShort->m_arrJunctions[2], pShort->m_arrVertices[2]);
    EXPECT_TRUE(JunctionsOf(pLong).empty());

    // Seen from the other wire the dot lands on the same vertex.
    ResetJunctions(*pShort);
    UpdateJunctionsAtPin(Doc(), *pLong, m_pSource, 10, FALSE);
    EXPECT_EQ(JunctionsOf(pShort), std::vector<int>{2});
    EXPECT_TRUE(JunctionsOf(pLong).empty());
}

TEST_F(JunctionTest, WiresLeavingInOppositeDirectionsGetTheDotAtTheSharedVertex)
{
    CConnectLineObj* pUp = From(m_pTop, 0, {At(30, 0), CPoint(m_pOut.x + 30, PinCentre(m_pTop, 0).y)});
    CConnectLineObj* pDown = From(m_pBottom, 0, {At(30, 0), CPoint(m_pOut.x + 30, PinCentre(m_pBottom, 0).y)});
    UpdateJunctionsAtPin(Doc(), *pUp, m_pSource, 10, FALSE);
    EXPECT_EQ(JunctionsOf(pUp), std::vector<int>{1});
    EXPECT_TRUE(JunctionsOf(pDown).empty());
}

// Equal first segments mark nothing on their own; the wires meet at their ends only.
TEST_F(JunctionTest, EqualFirstSegmentsGetNoDot)
{
    const CPoint shared = At(40, 0);
    CConnectLineObj* pA = From(m_pTop, 0, {shared, CPoint(shared.x, PinCentre(m_pTop, 0).y)});
    CConnectLineObj* pB = From(m_pBottom, 0, {shared, CPoint(shared.x + 20, shared.y),
                                              CPoint(shared.x + 20, PinCentre(m_pBottom, 0).y)});
    UpdateJunctionsAtPin(Doc(), *pA, m_pSource, 10, FALSE);
    EXPECT_TRUE(JunctionsOf(pA).empty());
    EXPECT_TRUE(JunctionsOf(pB).empty());
}

// With refresh a dot where no other wire passes any more goes; a short junction list grows
// to the vertex count first.
TEST_F(JunctionTest, RefreshClearsDotsNoOtherWirePasses)
{
    CConnectLineObj* pUp = From(m_pTop, 0, {At(30, 0), CPoint(m_pOut.x + 30, PinCentre(m_pTop, 0).y)});
    CConnectLineObj* pDown = From(m_pBottom, 0, {At(30, 0), CPoint(m_pOut.x + 30, PinCentre(m_pBottom, 0).y)});
    pDown->m_arrJunctions.SetSize(1);
    pDown->m_arrJunctions.Add(CPoint(1, 1));  // a stale dot on vertex 1 of the lower wire
    pDown->m_arrJunctions.Add(CPoint(2, 2));  // and on vertex 2, where it runs alone
    UpdateJunctionsAtPin(Doc(), *pUp, m_pSource, 10, TRUE);
    EXPECT_EQ(JunctionsOf(pUp), std::vector<int>{1});
    EXPECT_EQ(JunctionsOf(pDown), std::vector<int>{1}) << "both wires pass vertex 1";
    EXPECT_EQ(pDown->m_arrJunctions[1], pDown->m_arrVertices[1]) << "rewritten from the vertex";
    EXPECT_EQ(pDown->m_arrJunctions.GetSize(), pDown->m_arrVertices.GetSize());
}

} // namespace
