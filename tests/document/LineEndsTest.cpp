// A wire's ends in step with its blocks: the wires at a pin and at a block, the pin tables and
// the end numbers after a block took a new number.
#include "document/RuleDiagram.h"

#include "document/LineEnds.h"
#include "document/WiringRules.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

using LineEndsTest = RuleDiagram;

TEST_F(LineEndsTest, WiresAtAPinInListOrderByPointer)
{
    auto [pI1, pAnd, pOr] = Blocks(BT_IN, BT_AND, BT_OR);
    CConnectLineObj* pA = Wire(pI1, 10, pAnd, 0);
    Wire(pI1, 10, pOr, 0);
    CConnectLineObj* pC = Wire(pOr, 1, pI1, 10);  // drawn from the input end
    const std::vector<CConnectLineObj*> atPin = LinesAtPin(Doc(), pI1, 10);
    ASSERT_EQ(atPin.size(), 3u);
    EXPECT_EQ(atPin[0], pA);
    EXPECT_EQ(atPin[2], pC);
    EXPECT_EQ(LinesAtPin(Doc(), pAnd, 0).size(), 1u);
    EXPECT_EQ(LinesAtPin(Doc(), pAnd, 1).size(), 0u);
    EXPECT_EQ(LinesAtPin(Doc(), pOr, 10).size(), 0u);
}

TEST_F(LineEndsTest, WiresOfABlockAndConnectedPins)
{
    auto [pIn, pAnd, pOut] = Blocks(BT_IN, BT_AND, BT_OUT);
    CConnectLineObj* pA = Wire(pIn, 10, pAnd, 0);
    CConnectLineObj* pB = Wire(pAnd, 10, pOut, 0);
    EXPECT_EQ(LinesOfBlock(Doc(), pAnd), (std::vector<CConnectLineObj*>{pA, pB}));
    EXPECT_EQ(LinesOfBlock(Doc(), pIn), std::vector<CConnectLineObj*>{pA});
    EXPECT_TRUE(LinesOfBlock(Doc(), nullptr).empty());
    EXPECT_TRUE(IsPinConnected(Doc(), pAnd, nullptr, 0));
    EXPECT_FALSE(IsPinConnected(Doc(), pAnd, pA, 0));
    EXPECT_FALSE(IsPinConnected(Doc(), pAnd, nullptr, 1));
    EXPECT_TRUE(IsPinConnected(Doc(), pAnd, nullptr, 10));
}

TEST_F(LineEndsTest, RenumberingAnInputWritesTheNewNumberIntoTheBlocksItFeeds)
{
    auto [pIn, pAnd] = Blocks(BT_IN, BT_AND);
    pIn->m_nNumber = 100;
    CConnectLineObj* pLine = Wire(pIn, 10, pAnd, 0);
    pIn->m_nNumber = 101;
    RenumberLineEnds(Doc(), 100);
    EXPECT_EQ(pLine->m_nStartBlock, 101);
    EXPECT_EQ(pAnd->m_nPinSource[0], 101);
}

TEST_F(LineEndsTest, RenumberingAFunctionBlockWritesItsOwnPinEntryInstead)
{
    auto [pAnd, pOut, pIn] = Blocks(BT_AND, BT_OUT, BT_IN);
    CConnectLineObj* pOutLine = Wire(pAnd, 10, pOut, 0);
    CConnectLineObj* pInLine = Wire(pIn, 10, pAnd, 0);
    const int nOld = pAnd->m_nNumber;
    pAnd->m_nNumber = nOld + 5;
    RenumberLineEnds(Doc(), nOld);
    EXPECT_EQ(pOutLine->m_nStartBlock, nOld + 5);
    EXPECT_EQ(pOut->m_nPinSource[0], pAnd->m_nPinSource[10]);
    EXPECT_EQ(pInLine->m_nEndBlock, nOld + 5);
    EXPECT_EQ(pIn->m_nPinSource[10], pAnd->m_nPinSource[0]);
}

// Refreshing takes every end block's current number into the wire and both pin tables; a
// rung at the ladder's rail writes no pin table of the rail.
TEST_F(LineEndsTest, RefreshingWritesCurrentNumbersAndLeavesTheRailAlone)
{
    auto [pIn, pAnd] = Blocks(BT_IN, BT_AND);
    CConnectLineObj* pLine = Wire(pIn, 10, pAnd, 0);
    pAnd->m_nNumber += 3;
    pIn->m_nNumber += 1;
    RefreshLineEnds(Doc());
    EXPECT_EQ(pLine->m_nStartBlock, pIn->m_nNumber);
    EXPECT_EQ(pLine->m_nEndBlock, pAnd->m_nNumber);
    EXPECT_EQ(pIn->m_nPinSource[10], pAnd->m_nNumber);
    EXPECT_EQ(pAnd->m_nPinSource[0], pIn->m_nNumber);

    CPowerBusObj rail(BT_POWERBUS);
    const int nRailSource = rail.m_nPinSource[BLOCK_FIRST_OUTPUT];
    CConnectLineObj rung;
    rung.m_pStartBlock = &rail;
    rung.m_nStartPin = BLOCK_FIRST_OUTPUT;
    rung.m_pEndBlock = pAnd;
    rung.m_nEndPin = 1;
    WritePinSources(rung);
    EXPECT_EQ(rail.m_nPinSource[BLOCK_FIRST_OUTPUT], nRailSource);
    EXPECT_EQ(pAnd->m_nPinSource[1], rail.m_nNumber);
}

TEST_F(LineEndsTest, ClearingMoveMarksLeavesTheLoopMarks)
{
    auto [pIn, pAnd] = Blocks(BT_IN, BT_AND);
    CConnectLineObj* pLine = Wire(pIn, 10, pAnd, 0);
    pLine->m_bMoved = 1;
    pAnd->m_bLoopFound = 1;
    ClearLineMoveMarks(Doc());
    EXPECT_EQ(pLine->m_bMoved, 0);
    EXPECT_EQ(pAnd->m_bLoopFound, 1);
}

} // namespace
