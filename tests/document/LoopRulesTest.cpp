// The loop checks on a document alone: the function-block rule with its class table, a loop
// through a connector pair, a diagram that already holds a cycle, a dragged wire judged from
// its fixed end, and the ladder walks with the marks they leave behind.
#include "RuleDiagram.h"

#include "document/LoopRules.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class FbdLoopRule : public RuleDiagram {
protected:
    // The verdict on a new wire from (pFrom, nFromPin) to (pTo, nToPin), started at pFrom.
    int Verdict(CBlockObj* pFrom, int nFromPin, CBlockObj* pTo, int nToPin)
    {
        CConnectLineObj wire;
        StartAt(wire, pFrom, nFromPin);
        return CheckLoopRule(Doc(), wire, *pTo, nToPin);
    }
};

TEST_F(FbdLoopRule, DirectFeedbackIsRefusedFromEitherEnd)
{
    auto [pAnd1, pAnd2] = Blocks(BT_AND, BT_AND);
    Wire(pAnd1, 10, pAnd2, 0);
    EXPECT_EQ(Verdict(pAnd2, 10, pAnd1, 0), 1);
    EXPECT_EQ(Verdict(pAnd1, 1, pAnd2, 10), 1);
    EXPECT_EQ(Verdict(pAnd1, 10, pAnd2, 1), 0) << "a second wire alongside";
    EXPECT_EQ(Verdict(pAnd1, 10, pAnd1, 1), 1) << "a gate into itself";
}

TEST_F(FbdLoopRule, ALongerLoopIsFoundAndAnUnrelatedWireAllowed)
{
    auto [pAnd, pOr, pXor, pOther] = Blocks(BT_AND, BT_OR, BT_XOR, BT_AND);
    Wire(pAnd, 10, pOr, 1);
    Wire(pOr, 10, pXor, 0);
    EXPECT_EQ(Verdict(pXor, 10, pAnd, 2), 1);
    EXPECT_EQ(Verdict(pXor, 10, pOther, 0), 0);
    EXPECT_EQ(Verdict(pOther, 10, pAnd, 0), 0);
}

TEST_F(FbdLoopRule, ALoopThroughAnOutputOrAFlagIsAllowed)
{
    for (int nType : {BT_OUT, BT_FLAG, BT_ANALOG_OUT, BT_ANALOG_FLAG}) {
        auto [pAnd1, pMid, pAnd2] = Blocks(BT_AND, nType, BT_AND);
        Wire(pAnd1, 10, pMid, 0);
        Wire(pMid, 10, pAnd2, 0);
        EXPECT_EQ(Verdict(pAnd2, 10, pAnd1, 0), 0) << nType;
    }
}

// The pair is crossed as the wire it stands for, however the wire at the Female was drawn; a
// pair without its Male's wire closes no loop.
TEST_F(FbdLoopRule, ALoopThroughAConnectorPairIsFound)
{
    for (const auto& [bFromConsumer, bPartnerWired] :
         {std::pair(true, true), std::pair(false, true), std::pair(true, false)}) {
        auto [pAnd1, pAnd2] = Blocks(BT_AND, BT_AND);
        auto [pMale, pFemale] = ConnectorPair();
        if (bPartnerWired)
            Wire(pAnd1, 10, pMale, 0);
        if (bFromConsumer)
            Wire(pAnd2, 0, pFemale, 10);
        else
            Wire(pFemale, 10, pAnd2, 0);
        const int nLoop = bPartnerWired ? 1 : 0;
        EXPECT_EQ(Verdict(pAnd2, 10, pAnd1, 0), nLoop) << bFromConsumer << bPartnerWired;
        EXPECT_EQ(Verdict(pAnd1, 1, pAnd2, 10), nLoop) << bFromConsumer << bPartnerWired;
    }
}

// A diagram that already holds a cycle (loaded or pasted) ends the search, with or without a
// loop through the new wire.
TEST_F(FbdLoopRule, AnExistingCycleEndsTheSearch)
{
    auto [pAnd1, pAnd2, pAnd3, pAnd4] = Blocks(BT_AND, BT_AND, BT_AND, BT_AND);
    Wire(pAnd1, 10, pAnd2, 0);
    Wire(pAnd2, 10, pAnd1, 0);
    Wire(pAnd2, 10, pAnd3, 0);
    EXPECT_EQ(Verdict(pAnd3, 10, pAnd4, 0), 0);
    EXPECT_EQ(Verdict(pAnd3, 10, pAnd1, 1), 1);
    EXPECT_EQ(Verdict(pAnd4, 10, pAnd3, 1), 0);
}

// While its start is dragged the wire's end stays; a connector there stands for the block
// across its pair.
TEST_F(FbdLoopRule, ADraggedWireIsJudgedFromItsFixedEnd)
{
    auto [pAnd1, pAnd2, pAnd3] = Blocks(BT_AND, BT_AND, BT_AND);
    Wire(pAnd1, 10, pAnd2, 0);
    CConnectLineObj* pLine = Wire(pAnd3, 10, pAnd1, 1);
    pLine->m_bEndDrag = 1;
    pLine->m_nDragEnd = -1;
    EXPECT_EQ(CheckLoopRule(Doc(), *pLine, *pAnd2, 10), 1);
    pLine->m_nDragEnd = 1;
    EXPECT_EQ(CheckLoopRule(Doc(), *pLine, *pAnd2, 1), 0);

    auto [pMale, pFemale] = ConnectorPair();
    Wire(pAnd2, 10, pMale, 0);
    CConnectLineObj* pFromFemale = Wire(pFemale, 10, pAnd3, 0);
    pFromFemale->m_bEndDrag = 1;
    pFromFemale->m_nDragEnd = 1;
    EXPECT_EQ(CheckLoopRule(Doc(), *pFromFemale, *pAnd1, 1), 1) << "AND2 stands behind the Female";
}

struct ClassCase {
    int nSource;
    int nTarget;
    int nVerdict;
};

// A closed loop is judged by the class of the fixed end's block (rows) and of the target
// (columns); a source of no listed class is of the value class, a target of none takes the
// last column.
TEST_F(FbdLoopRule, TheClassTableRowByRow)
{
    const ClassCase cases[] = {
        {BT_AND, BT_AND, 1},     {BT_AND, BT_BCD, 2},        {BT_AND, BT_AWDOG, 1},     {BT_AND, BT_EXP, 0},
        {BT_BCD, BT_AND, 2},     {BT_BCD, BT_BCD, 1},        {BT_BCD, BT_AWDOG, 1},     {BT_BCD, BT_EXP, 0},
        {BT_ACOMP, BT_AND, 1},   {BT_ACOMP, BT_BCD, 2},      {BT_ACOMP, BT_AWDOG, 1},   {BT_ACOMP, BT_EXP, 2},
        {BT_AMATH, BT_AND, 2},   {BT_AMATH, BT_BCD, 1},      {BT_AMATH, BT_AWDOG, 1},   {BT_AMATH, BT_EXP, 0},
        {BT_WIFI_IN, BT_AND, 2}, {BT_WIFI_IN, BT_BCD, 1},    {BT_WIFI_IN, BT_EXP, 0},   {BT_SW, BT_MEM, 2},
        {BT_MEM, BT_SW, 2},      {BT_COUNTER, BT_ARRMXIV, 0}, {BT_PWM, BT_PI, 1},       {BT_ODD, BT_LCM, 2},
    };
    for (const ClassCase& c : cases) {
        Doc().DeleteContents();
        CBlockObj* pTarget = Block(c.nTarget);
        CBlockObj* pSource = Block(c.nSource);
        Wire(pTarget, 10, pSource, 0);
        EXPECT_EQ(Verdict(pSource, 10, pTarget, 0), c.nVerdict) << c.nSource << " -> " << c.nTarget;
    }
}

// A block wired to itself is judged by its own row and column, outputs and flags included.
TEST_F(FbdLoopRule, ABlockWiredToItselfIsJudgedByItsOwnClasses)
{
    const std::pair<int, int> cases[] = {
        {BT_AND, 1}, {BT_OUT, 0}, {BT_FLAG, 0}, {BT_ANALOG_OUT, 0}, {BT_AWDOG, 1}, {BT_AMATH, 2}, {BT_EXP, 0},
    };
    for (auto [nType, nVerdict] : cases) {
        CBlockObj* pBlock = Block(nType);
        EXPECT_EQ(Verdict(pBlock, 10, pBlock, 0), nVerdict) << nType;
    }
}

TEST_F(FbdLoopRule, DistinctInputLinesCountEachBlockBehindTheInputsOnce)
{
    auto [pIn, pAnd, pOr] = Blocks(BT_IN, BT_AND, BT_OR);
    auto [pMale, pFemale] = ConnectorPair();
    CConnectLineObj* pFirst = Wire(pIn, 10, pAnd, 0);
    Wire(pIn, 10, pAnd, 1);
    Wire(pIn, 10, pMale, 0);
    Wire(pAnd, 2, pFemale, 10);  // the Female stands for the input behind its pair
    CConnectLineObj* pFromOr = Wire(pOr, 10, pAnd, 3);
    Wire(pAnd, 10, pOr, 0);  // the output is no input line
    EXPECT_EQ(GetDistinctInputLines(Doc(), *pAnd), (std::vector<CConnectLineObj*>{pFirst, pFromOr}));
    EXPECT_TRUE(GetDistinctInputLines(Doc(), *pIn).empty());
}

// ---- ladder ----

class LadLoopCheck : public RuleDiagram {
protected:
    LadLoopCheck() : RuleDiagram(DOC_TYPE_LAD) {}

    // The verdict on a wire just added, then that every mark the walks set is cleared.
    int Verdict(CConnectLineObj* pLine)
    {
        const int nVerdict = CheckLadLoop(Doc(), *pLine);
        EXPECT_EQ(Marks(), std::vector<int>(Marks().size(), 0));
        return nVerdict;
    }
};

TEST_F(LadLoopCheck, ParallelBranchesIntoACoilAreNoLoop)
{
    auto [pA, pB, pCoil] = Blocks(BT_MAKE, BT_MAKE, BT_RELAY_COIL);
    Wire(m_pRail, 10, pA, 0);
    Wire(m_pRail, 10, pB, 0);
    Wire(pA, 10, pCoil, 0);
    EXPECT_EQ(Verdict(Wire(pB, 10, pCoil, 0)), 0);
}

TEST_F(LadLoopCheck, AWireBackToAnEarlierContactIsALoop)
{
    auto [pA, pB, pCoil] = Blocks(BT_MAKE, BT_MAKE, BT_RELAY_COIL);
    Wire(m_pRail, 10, pA, 0);
    Wire(pA, 10, pB, 0);
    Wire(pB, 10, pCoil, 0);
    EXPECT_EQ(Verdict(Wire(pB, 10, pA, 0)), 1);
}

// A wire back through a connector pair is a loop; a Female without its partner's wire leads
// nowhere.
TEST_F(LadLoopCheck, AWireBackThroughAConnectorPairIsALoop)
{
    for (bool bPartnerWired : {true, false}) {
        auto [pA, pB] = Blocks(BT_MAKE, BT_MAKE);
        auto [pMale, pFemale] = ConnectorPair();
        Wire(m_pRail, 10, pA, 0);
        if (bPartnerWired)
            Wire(pA, 10, pMale, 0);
        Wire(pB, 0, pFemale, 10);
        EXPECT_EQ(Verdict(Wire(pB, 10, pA, 0)), bPartnerWired ? 1 : 0);
    }
}

// A function block ends its rung; a contact of its own in the rung that feeds it reads its
// output back into its input, even behind another contact.
TEST_F(LadLoopCheck, ARungThatFeedsAFunctionBlockThroughItsOwnContactIsALoop)
{
    auto [pTimer, pTimer2, pOwn, pOther, pMid] = Blocks(BT_DPR, BT_DPR, BT_MAKE, BT_MAKE, BT_BREAK);
    pOwn->m_nOperand = pTimer->m_nNumber;
    pOther->m_nOperand = pTimer2->m_nNumber;
    pMid->m_nOperand = NUM_INPUT;
    Wire(m_pRail, 10, pOwn, 0);
    Wire(m_pRail, 10, pOther, 0);
    Wire(pOwn, 10, pMid, 0);
    EXPECT_EQ(Verdict(Wire(pOther, 10, pTimer, 0)), 0) << "a contact of another timer";
    EXPECT_EQ(Verdict(Wire(pMid, 10, pTimer, 0)), 1);
}

// A rung that already loops back on itself does not keep the walks going.
TEST_F(LadLoopCheck, AnExistingLoopEndsTheWalks)
{
    auto [pA, pB, pC, pCoil] = Blocks(BT_MAKE, BT_MAKE, BT_MAKE, BT_RELAY_COIL);
    Wire(m_pRail, 10, pA, 0);
    Wire(pA, 10, pB, 0);
    Wire(pB, 10, pA, 0);
    EXPECT_EQ(Verdict(Wire(pC, 10, pCoil, 0)), 0);
    EXPECT_EQ(Verdict(Wire(pB, 10, pCoil, 0)), 0);
}

TEST_F(LadLoopCheck, ClearLoopMarksClearsEveryBlockAndEveryRail)
{
    auto* pSecondRail = new CPowerBusObj(BT_POWERBUS);
    Doc().m_powerBusList.AddTail(pSecondRail);
    CBlockObj* pA = Block(BT_MAKE);
    pA->m_bLoopFound = 1;
    m_pRail->m_bLoopFound = 1;
    pSecondRail->m_bLoopFound = 1;
    ClearLoopMarks(Doc());
    EXPECT_EQ(pA->m_bLoopFound, 0);
    EXPECT_EQ(m_pRail->m_bLoopFound, 0);
    EXPECT_EQ(pSecondRail->m_bLoopFound, 0);
}

TEST_F(LadLoopCheck, ClearPathMarksClearsTheInputsOfFunctionBlocksOnly)
{
    auto [pTimer, pMake] = Blocks(BT_DPR, BT_MAKE);
    pTimer->m_bPinChanged[0] = pTimer->m_bPinChanged[9] = pTimer->m_bPinChanged[10] = 1;
    pMake->m_bPinChanged[0] = 1;
    ClearPathMarks(Doc());
    EXPECT_EQ(pTimer->m_bPinChanged[0], 0);
    EXPECT_EQ(pTimer->m_bPinChanged[9], 0);
    EXPECT_EQ(pTimer->m_bPinChanged[10], 1) << "outputs keep their changed flags";
    EXPECT_EQ(pMake->m_bPinChanged[0], 1) << "the per-pin changed flags of other blocks stay";
}

} // namespace
