// The loop checks of new connections: the FBD rule with its class table, connector pairs as
// one wire, a diagram that already holds a cycle, and the ladder walks.
#include "editor/DiagramConsistency.h"
#include "editor/WiredDiagram.h"

#include "document/LoopRules.h"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

namespace {

class FbdLoopTest : public WiredDiagram {
protected:
    // The verdict on a new wire from (pFrom, nFromPin) to (pTo, nToPin), asked as the wire
    // tool asks it: the wire in progress has its start, the target is the pin under the mouse.
    int Verdict(CBlockObj* pFrom, int nFromPin, CBlockObj* pTo, int nToPin)
    {
        CConnectLineObj wire;
        wire.m_pStartBlock = pFrom;
        wire.m_nStartPin = nFromPin;
        wire.m_nStartBlock = pFrom->m_nNumber;
        return CheckLoopRule(Doc(), wire, *pTo, nToPin);
    }
};

// Wires between blocks of the listed types (placed in a row), then the verdicts on new wires:
// 1 a loop that is refused, 0 none.
struct LoopCase {
    const char* pszName;
    std::vector<int> types;
    std::vector<std::array<int, 4>> wires;  // from block, pin, to block, pin
    std::vector<std::array<int, 5>> asks;   // the same, and the verdict
};

TEST_F(FbdLoopTest, AClosedLoopIsRefusedUnlessItPassesAnOutputOrAFlag)
{
    const LoopCase cases[] = {
        // From the output end, from the input end; a second wire alongside closes no loop.
        {"between gates", {BT_AND, BT_AND}, {{0, 10, 1, 0}}, {{1, 10, 0, 0, 1}, {0, 1, 1, 10, 1}, {0, 10, 1, 1, 0}}},
        {"through an output", {BT_AND, BT_OUT, BT_AND}, {{0, 10, 1, 0}, {1, 10, 2, 0}}, {{2, 10, 0, 0, 0}}},
        {"through a flag", {BT_AND, BT_FLAG, BT_AND}, {{0, 10, 1, 0}, {1, 10, 2, 0}}, {{2, 10, 0, 0, 0}}},
        {"a gate to itself", {BT_AND}, {}, {{0, 10, 0, 0, 1}, {0, 2, 0, 10, 1}}},
        {"a longer loop beside unrelated connections",
         {BT_AND, BT_OR, BT_XOR, BT_AND},
         {{0, 10, 1, 1}, {1, 10, 2, 0}},
         {{2, 10, 0, 2, 1}, {2, 10, 3, 0, 0}, {3, 10, 0, 0, 0}}},
        // A diagram that already holds a cycle (loaded or pasted) must not keep the search going.
        {"an existing cycle",
         {BT_AND, BT_AND, BT_AND, BT_AND},
         {{0, 10, 1, 0}, {1, 10, 0, 0}, {1, 10, 2, 0}},
         {{2, 10, 3, 0, 0}, {2, 10, 0, 1, 1}}},
    };
    for (const LoopCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        Doc().DeleteContents();
        std::vector<CBlockObj*> blocks;
        for (int nType : c.types)
            blocks.push_back(Block(nType, 100 + 150 * int(blocks.size()), 40));
        for (const auto& [nFrom, nFromPin, nTo, nToPin] : c.wires)
            Wire(blocks[nFrom], nFromPin, blocks[nTo], nToPin);
        for (const auto& [nFrom, nFromPin, nTo, nToPin, nVerdict] : c.asks)
            EXPECT_EQ(Verdict(blocks[nFrom], nFromPin, blocks[nTo], nToPin), nVerdict)
                << nFrom << "." << nFromPin << " -> " << nTo << "." << nToPin;
    }
}

// A loop through a connector pair counts as one through a wire.
TEST_F(FbdLoopTest, ALoopThroughAConnectorPairIsFound)
{
    CBlockObj* pAnd1 = Block(BT_AND, 100, 40);
    CBlockObj* pAnd2 = Block(BT_AND, 400, 40);
    CBlockObj* pMale = Block(BT_MALE, 160, 40);
    CBlockObj* pFemale = Block(BT_FEMALE, 340, 40, pMale->m_nNumber + NUM_FEMALE_OFFSET);
    Wire(pAnd1, 10, pMale, 0);
    Wire(pAnd2, 0, pFemale, 10);  // as Separate draws it: from the consumer to the Female
    EXPECT_TRUE(DiagramIsConsistent(Doc()));
    EXPECT_EQ(Verdict(pAnd2, 10, pAnd1, 0), 1);

    Wire(pAnd1, 10, pAnd2, 1);
    EXPECT_EQ(GetDistinctInputLines(Doc(), *pAnd2).size(), 1u) << "the pair and the wire come from one block";
}

// The fixed end of a wire whose start is dragged is its end; connectors there stand for the
// block behind the pair.
TEST_F(FbdLoopTest, ADraggedEndIsJudgedFromTheOtherEnd)
{
    CBlockObj* pAnd1 = Block(BT_AND, 100, 40);
    CBlockObj* pAnd2 = Block(BT_AND, 250, 40);
    CBlockObj* pAnd3 = Block(BT_AND, 250, 200);
    Wire(pAnd1, 10, pAnd2, 0);
    CConnectLineObj* pLine = Wire(pAnd3, 10, pAnd1, 1);
    pLine->m_bEndDrag = 1;
    pLine->m_nDragEnd = -1;  // the start (at AND3) is dragged
    EXPECT_EQ(CheckLoopRule(Doc(), *pLine, *pAnd2, 10), 1);
    pLine->m_nDragEnd = 1;  // the end is dragged: AND3 stays
    EXPECT_EQ(CheckLoopRule(Doc(), *pLine, *pAnd2, 1), 0);
}

struct ClassCase {
    int nSource;
    int nTarget;
    int nVerdict;
};

// Once a loop is closed the two blocks' kinds decide; a target of no listed kind answers by
// the source's class only.
TEST_F(FbdLoopTest, TheBlockKindsDecideAClosedLoop)
{
    const ClassCase cases[] = {
        {BT_AND, BT_AND, 1},         {BT_AND, BT_ACOMP, 2},   {BT_ACOMP, BT_AND, 1},
        {BT_BCD, BT_BCD, 1},         {BT_BCD, BT_AND, 2},     {BT_BCD, BT_AWDOG, 1},
        {BT_AMATH, BT_AMATH, 2},     {BT_AMATH, BT_BCD, 1},   {BT_PWM, BT_PI, 1},
        {BT_AND, BT_EXP, 0},         {BT_ACOMP, BT_EXP, 2},   {BT_BCD, BT_EXP, 0},
        {BT_AMATH, BT_EXP, 0},       {BT_COUNTER, BT_ARRMXIV, 0},
    };
    for (const ClassCase& c : cases) {
        SCOPED_TRACE(std::to_string(c.nSource) + " -> " + std::to_string(c.nTarget));
        Doc().DeleteContents();
        CBlockObj* pTarget = Block(c.nTarget, 100, 40);
        CBlockObj* pSource = Block(c.nSource, 250, 40);
        Wire(pTarget, 10, pSource, 0);
        EXPECT_EQ(Verdict(pSource, 10, pTarget, 0), c.nVerdict);
    }
}

// ---- ladder ----

class LadLoopTest : public LadderDiagram {
protected:
    // The verdict on a wire just added, as the wire tool asks while the wire is in the list.
    int Verdict(CConnectLineObj* pLine) { return CheckLadLoop(Doc(), *pLine); }

    void ExpectMarksCleared()
    {
        for (POSITION pos = Doc().m_blockList.GetHeadPosition(); pos;) {
            auto* pBlock = static_cast<CBlockObj*>(Doc().m_blockList.GetNext(pos));
            EXPECT_EQ(pBlock->m_bLoopFound, 0) << "block " << pBlock->m_nNumber;
            for (int k = 0; k < BLOCK_FIRST_OUTPUT; ++k)
                EXPECT_EQ(pBlock->m_bPinChanged[k], 0) << "block " << pBlock->m_nNumber << " pin " << k;
        }
    }
};

TEST_F(LadLoopTest, ParallelBranchesIntoACoilAreAllowed)
{
    CBlockObj* pA = Block(BT_MAKE, 100, 40);
    CBlockObj* pB = Block(BT_MAKE, 100, 140);
    CBlockObj* pCoil = Block(BT_RELAY_COIL, 300, 40);
    Wire(m_pRail, 10, pA, 0);
    Wire(m_pRail, 10, pB, 0);
    Wire(pA, 10, pCoil, 0);
    CConnectLineObj* pNew = Wire(pB, 10, pCoil, 0);
    EXPECT_EQ(Verdict(pNew), 0);
    ExpectMarksCleared();
}

TEST_F(LadLoopTest, AWireBackToAnEarlierContactIsALoop)
{
    CBlockObj* pA = Block(BT_MAKE, 100, 40);
    CBlockObj* pB = Block(BT_MAKE, 200, 40);
    CBlockObj* pCoil = Block(BT_RELAY_COIL, 300, 40);
    Wire(m_pRail, 10, pA, 0);
    Wire(pA, 10, pB, 0);
    Wire(pB, 10, pCoil, 0);
    CConnectLineObj* pNew = Wire(pB, 10, pA, 0);
    EXPECT_EQ(Verdict(pNew), 1);
    ExpectMarksCleared();
}

// A function block ends its rung; a contact of its own in the rung that feeds it reads its
// output back into its input.
TEST_F(LadLoopTest, ARungThatFeedsAFunctionBlockThroughItsOwnContactIsALoop)
{
    CBlockObj* pTimer = Block(BT_DPR, 300, 40);
    CBlockObj* pOwn = Block(BT_MAKE, 100, 40);
    CBlockObj* pOther = Block(BT_MAKE, 100, 140);
    CBlockObj* pTimer2 = Block(BT_DPR, 300, 140);
    pOwn->m_nOperand = pTimer->m_nNumber;
    pOther->m_nOperand = pTimer2->m_nNumber;
    Wire(m_pRail, 10, pOwn, 0);
    Wire(m_pRail, 10, pOther, 0);
    EXPECT_EQ(Verdict(Wire(pOther, 10, pTimer, 0)), 0) << "a contact of another timer";
    ExpectMarksCleared();
    EXPECT_EQ(Verdict(Wire(pOwn, 10, pTimer, 1)), 1);
    ExpectMarksCleared();
}

// The contact reading the function block may sit further up the rung, behind another contact.
TEST_F(LadLoopTest, TheOwnContactIsFoundFurtherUpTheRung)
{
    CBlockObj* pTimer = Block(BT_DPR, 400, 40);
    CBlockObj* pOwn = Block(BT_MAKE, 100, 40);
    CBlockObj* pMid = Block(BT_BREAK, 250, 40);
    pOwn->m_nOperand = pTimer->m_nNumber;
    pMid->m_nOperand = NUM_INPUT;
    Wire(m_pRail, 10, pOwn, 0);
    Wire(pOwn, 10, pMid, 0);
    EXPECT_EQ(Verdict(Wire(pMid, 10, pTimer, 0)), 1);
}

}  // namespace
