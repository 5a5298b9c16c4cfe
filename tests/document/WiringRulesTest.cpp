// The wiring rules on a document alone: which pins may be joined in a function-block and in a
// ladder diagram, the kinds the pins carry with connector pairs standing for the blocks behind
// them, the wire tool's refusals of a press and a release, the refusals of a dropped wire end,
// and the role codes those rules read.
#include "RuleDiagram.h"

#include "blocks/BlockTypeTable.h"
#include "document/WiringRules.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

class WiringRulesTest : public RuleDiagram {
protected:
    explicit WiringRulesTest(int nDocType = DOC_TYPE_FBD) : RuleDiagram(nDocType) {}

    // The verdict on joining a wire started at (pFrom, nFromPin) to (pTo, nToPin).
    int Verdict(CBlockObj* pFrom, int nFromPin, CBlockObj* pTo, int nToPin)
    {
        CConnectLineObj wire;
        StartAt(wire, pFrom, nFromPin);
        return CheckConnectionRules(Doc(), wire, *pTo, nToPin);
    }
};

class LadderWiringRulesTest : public WiringRulesTest {
protected:
    LadderWiringRulesTest() : WiringRulesTest(DOC_TYPE_LAD) {}
};

TEST_F(WiringRulesTest, AnOutputJoinsAnOpenInputButNeverItsOwnSide)
{
    auto [pIn, pAnd, pOr] = Blocks(BT_IN, BT_AND, BT_OR);
    EXPECT_EQ(Verdict(pIn, 10, pAnd, 0), HOVER_ALLOWED);
    EXPECT_EQ(Verdict(pAnd, 1, pIn, 10), HOVER_ALLOWED) << "drawn from the input side";
    EXPECT_EQ(Verdict(pAnd, 0, pOr, 1), HOVER_INCOMPATIBLE) << "input to input";
    EXPECT_EQ(Verdict(pAnd, 10, pOr, 10), HOVER_INCOMPATIBLE) << "output to output";
    EXPECT_EQ(Verdict(pAnd, 10, pOr, BLOCK_PIN_COUNT), HOVER_INCOMPATIBLE) << "no such pin";
    EXPECT_EQ(Verdict(pAnd, 10, pOr, -1), HOVER_INCOMPATIBLE);
}

// A function-block input takes one wire; a ladder input takes several, but never a pin that
// holds a role of its class.
TEST_F(WiringRulesTest, AFedInputTakesNoSecondWire)
{
    auto [pIn1, pIn2, pAnd] = Blocks(BT_IN, BT_IN, BT_AND);
    Wire(pIn1, 10, pAnd, 0);
    EXPECT_EQ(Verdict(pIn2, 10, pAnd, 0), HOVER_INCOMPATIBLE);
    EXPECT_EQ(pAnd->m_nPinSource[4], LINK_END) << "the slot past an AND's inputs";
    EXPECT_EQ(Verdict(pIn2, 10, pAnd, 4), HOVER_INCOMPATIBLE);
}

TEST_F(LadderWiringRulesTest, AFedInputTakesFurtherWiresButARolePinNone)
{
    auto [pMake1, pMake2, pCoil, pAnd] = Blocks(BT_MAKE, BT_MAKE, BT_RELAY_COIL, BT_AND);
    Wire(pMake1, 10, pCoil, 0);
    EXPECT_EQ(Verdict(pMake2, 10, pCoil, 0), HOVER_ALLOWED);
    EXPECT_EQ(Verdict(pMake2, 10, pAnd, 3), HOVER_ALLOWED);
    EXPECT_EQ(Verdict(pMake2, 10, pAnd, 4), HOVER_INCOMPATIBLE) << "role code 53";
    pAnd->m_nPinSource[3] = LINK_PARAM;
    EXPECT_EQ(Verdict(pMake2, 10, pAnd, 3), HOVER_INCOMPATIBLE) << "role code 55";
}

TEST_F(LadderWiringRulesTest, ThePowerRailCountsAsPinTen)
{
    CBlockObj* pMake = Block(BT_MAKE);
    EXPECT_EQ(Verdict(m_pRail, 10, pMake, 0), HOVER_ALLOWED);
    EXPECT_EQ(Verdict(pMake, 0, m_pRail, 0), HOVER_ALLOWED) << "any pin of the rail is its output";
    EXPECT_EQ(Verdict(pMake, 10, m_pRail, 0), HOVER_INCOMPATIBLE);
}

// The ladder check reads the wire as if finished; the document, the wire and the walks' marks
// are as they were afterwards.
TEST_F(LadderWiringRulesTest, TheCheckLeavesDocumentWireAndMarksAsTheyWere)
{
    auto [pMake, pTimer] = Blocks(BT_MAKE, BT_DPR);
    Wire(m_pRail, 10, pMake, 0);
    CConnectLineObj wire;
    StartAt(wire, pMake, 10);
    wire.m_nEndPin = 7;
    EXPECT_EQ(CheckConnectionRules(Doc(), wire, *pTimer, 0), HOVER_ALLOWED);
    EXPECT_EQ(Doc().m_lineList.GetCount(), 1);
    EXPECT_EQ(wire.m_pEndBlock, nullptr);
    EXPECT_EQ(wire.m_nEndPin, 7);
    EXPECT_EQ(wire.m_nEndBlock, 0);
    EXPECT_EQ(Marks(), std::vector<int>(Marks().size(), 0));

    // A wire already listed (a dragged one) stays listed once.
    CConnectLineObj* pListed = Wire(pMake, 10, pTimer, 0);
    pListed->m_bEndDrag = 1;
    pListed->m_nDragEnd = 1;
    CBlockObj* pCoil = Block(BT_RELAY_COIL);
    EXPECT_EQ(CheckConnectionRules(Doc(), *pListed, *pCoil, 0), HOVER_ALLOWED);
    EXPECT_EQ(Doc().m_lineList.GetCount(), 2);
    EXPECT_EQ(pListed->m_pEndBlock, pTimer);
}

// ---- pin kinds ----

struct KindCase {
    int nSource;
    int nDest;
    int nPin;
    bool bFits;
};

TEST_F(WiringRulesTest, PinKindsDecideWhichOutputFeedsWhichInput)
{
    const KindCase cases[] = {
        {BT_ANALOG_IN, BT_ANALOG_OUT, 0, true}, {BT_ANALOG_IN, BT_AND, 0, false}, {BT_ANALOG_IN, BT_AWDOG, 1, true},
        {BT_ANALOG_IN, BT_AWDOG, 0, false},     {BT_IN, BT_AWDOG, 0, true},       {BT_IN, BT_ACOMP, 0, false},
        {BT_ACOMP, BT_AND, 0, true},            {BT_ACOMP, BT_ANALOG_OUT, 0, false}, {BT_AAMP, BT_PI, 2, true},
        {BT_AAMP, BT_PI, 1, false},             {BT_QUAD, BT_SQRT, 0, true},      {BT_IN, BT_ANALOG_FLAG, 0, false},
    };
    for (const KindCase& c : cases) {
        CBlockObj* pSource = Block(c.nSource);
        CBlockObj* pDest = Block(c.nDest);
        EXPECT_EQ(IsPinCompatible(Doc(), *pSource, *pDest, c.nPin), c.bFits)
            << c.nSource << " -> " << c.nDest << " pin " << c.nPin;
        // The rules ask the same question from either end of the wire.
        const int nExpected = c.bFits ? HOVER_ALLOWED : HOVER_INCOMPATIBLE;
        EXPECT_EQ(Verdict(pSource, 10, pDest, c.nPin), nExpected) << c.nSource << " -> " << c.nDest;
        EXPECT_EQ(Verdict(pDest, c.nPin, pSource, 10), nExpected) << c.nDest << " <- " << c.nSource;
    }
}

// A Female gives the signal of the block wired into its Male; a lone connector fits anything.
TEST_F(WiringRulesTest, AConnectorPairStandsForTheBlockBehindIt)
{
    auto [pMale, pFemale] = ConnectorPair();
    auto [pAnd, pAq] = Blocks(BT_AND, BT_ANALOG_OUT);
    EXPECT_TRUE(IsPinCompatible(Doc(), *pFemale, *pAnd, 0));
    EXPECT_TRUE(IsPinCompatible(Doc(), *pFemale, *pAq, 0));
    Wire(Block(BT_ANALOG_IN), 10, pMale, 0);
    EXPECT_FALSE(IsPinCompatible(Doc(), *pFemale, *pAnd, 0));
    EXPECT_TRUE(IsPinCompatible(Doc(), *pFemale, *pAq, 0));
}

// Into a Male whose Female feeds a watchdog, the watchdog's pin decides: its Ax takes an
// analog signal, its En a digital one.
TEST_F(WiringRulesTest, AMalesFarPinDecidesForTheWatchdogFamily)
{
    auto [pAi, pIn] = Blocks(BT_ANALOG_IN, BT_IN);
    for (int nWatchdogPin : {0, 1}) {
        auto [pMale, pFemale] = ConnectorPair();
        Wire(Block(BT_AWDOG), nWatchdogPin, pFemale, 10);
        EXPECT_EQ(Verdict(pAi, 10, pMale, 0), nWatchdogPin == 1 ? HOVER_ALLOWED : HOVER_INCOMPATIBLE);
        EXPECT_EQ(Verdict(pIn, 10, pMale, 0), nWatchdogPin == 0 ? HOVER_ALLOWED : HOVER_INCOMPATIBLE);
    }
}

// ---- the wire tool ----

TEST_F(WiringRulesTest, AWireFromAConnectorsInputIsNeverFinished)
{
    CBlockObj* pMale = ConnectorPair().first;
    CBlockObj* pAnd = Block(BT_AND);
    CConnectLineObj wire;
    StartAt(wire, pMale, 0);
    EXPECT_EQ(CheckConnectionRules(Doc(), wire, *pAnd, 10), HOVER_ALLOWED);
    EXPECT_EQ(CheckWireInProgress(Doc(), wire, *pAnd, 10), HOVER_INCOMPATIBLE);
    // Drawn the other way, into the connector's input, it is an ordinary wire.
    StartAt(wire, pAnd, 10);
    EXPECT_EQ(CheckWireInProgress(Doc(), wire, *pMale, 0), HOVER_ALLOWED);
}

struct StartCase {
    int nDocType;
    int nType;
    int nPin;
    bool bMay;
};

TEST(WireToolStart, AFedInputStartsAWireOnlyWhereLadderInputsTakeSeveral)
{
    const StartCase cases[] = {
        {DOC_TYPE_FBD, BT_AND, 0, false},     {DOC_TYPE_LAD, BT_RELAY_COIL, 0, true},
        {DOC_TYPE_LAD, BT_AOUT_LAD, 0, false}, {DOC_TYPE_LAD, BT_ACOMP, 0, false},
        {DOC_TYPE_LAD, BT_AWDOG, 1, false},   {DOC_TYPE_LAD, BT_AWDOG, 0, true},
        {DOC_TYPE_LAD, BT_ADTRG, 0, false},   {DOC_TYPE_LAD, BT_AND, 0, true},
    };
    for (const StartCase& c : cases) {
        CVetlaDoc doc;
        doc.m_nDocType = c.nDocType;
        CBlockObj* pBlock = CreateBlockForType(c.nType, nullptr, nullptr);
        doc.AddBlock(pBlock);
        EXPECT_TRUE(MayStartWire(doc, *pBlock, c.nPin)) << c.nType << " open";
        EXPECT_TRUE(MayStartWire(doc, *pBlock, 10)) << c.nType << " output";
        pBlock->m_nPinSource[c.nPin] = NUM_INPUT;
        EXPECT_EQ(MayStartWire(doc, *pBlock, c.nPin), c.bMay) << c.nType << " pin " << c.nPin;
    }
}

TEST_F(WiringRulesTest, AReleaseOnTheOtherConnectorOfAPairIsRefused)
{
    auto [pMale, pFemale] = ConnectorPair();
    CConnectLineObj wire;
    StartAt(wire, pFemale, 10);
    EXPECT_TRUE(IsRefusedWireEnd(Doc(), wire, *pMale, 0));
    CBlockObj* pMale2 = ConnectorPair().first;
    EXPECT_TRUE(IsRefusedWireEnd(Doc(), wire, *pMale2, 0)) << "any Male";
    CBlockObj* pAnd = Block(BT_AND);
    EXPECT_FALSE(IsRefusedWireEnd(Doc(), wire, *pAnd, 0));
    EXPECT_TRUE(IsRefusedWireEnd(Doc(), wire, *pAnd, 10)) << "and the connection rules";
}

TEST_F(LadderWiringRulesTest, AReleaseOnItsOwnBlockOrRepeatingAWireIsRefused)
{
    auto [pMake, pCoil] = Blocks(BT_MAKE, BT_RELAY_COIL);
    CConnectLineObj wire;
    StartAt(wire, pMake, 10);
    EXPECT_TRUE(IsRefusedWireEnd(Doc(), wire, *pMake, 0));
    EXPECT_FALSE(IsRefusedWireEnd(Doc(), wire, *pCoil, 0));
    Wire(pMake, 10, pCoil, 0);
    EXPECT_TRUE(IsRefusedWireEnd(Doc(), wire, *pCoil, 0));
    StartAt(wire, pCoil, 0);
    EXPECT_TRUE(IsRefusedWireEnd(Doc(), wire, *pMake, 10)) << "the same pins the other way round";
}

TEST_F(LadderWiringRulesTest, NoConnectorsInputEndsAtTheRail)
{
    CBlockObj* pMale = ConnectorPair().first;
    CBlockObj* pMake = Block(BT_MAKE);
    CConnectLineObj wire;
    StartAt(wire, pMale, 0);
    EXPECT_TRUE(IsRefusedWireEnd(Doc(), wire, *m_pRail, 10));
    StartAt(wire, pMake, 0);
    EXPECT_FALSE(IsRefusedWireEnd(Doc(), wire, *m_pRail, 10));
}

// ---- a dropped wire end ----

TEST_F(WiringRulesTest, ADroppedEndIsRefusedOnAFedInputItsOwnSideOrARepeat)
{
    auto [pIn, pAnd, pOr] = Blocks(BT_IN, BT_AND, BT_OR);
    CConnectLineObj* pLine = Wire(pIn, 10, pAnd, 0);
    pLine->m_bEndDrag = 1;
    pLine->m_nDragEnd = 1;  // the end moves; the input's output stays
    EXPECT_FALSE(IsRefusedDrop(Doc(), *pLine, *pOr, 0));
    EXPECT_TRUE(IsRefusedDrop(Doc(), *pLine, *pOr, 10)) << "output to output";
    Wire(Block(BT_IN), 10, pOr, 1);
    EXPECT_TRUE(IsRefusedDrop(Doc(), *pLine, *pOr, 1)) << "fed";
    Wire(pIn, 10, pOr, 2);
    pOr->m_nPinSource[2] = LINK_OPEN;
    EXPECT_TRUE(IsRefusedDrop(Doc(), *pLine, *pOr, 2)) << "repeats a wire";
}

TEST_F(WiringRulesTest, TheStartOfAWireIntoAConnectorIsNotDroppedOnItsPartner)
{
    auto [pMale, pFemale] = ConnectorPair();
    CConnectLineObj* pLine = Wire(Block(BT_AND), 10, pMale, 0);
    pLine->m_bEndDrag = 1;
    pLine->m_nDragEnd = -1;
    EXPECT_TRUE(IsRefusedDrop(Doc(), *pLine, *pFemale, 10));
    EXPECT_FALSE(IsRefusedDrop(Doc(), *pLine, *Block(BT_OR), 10));
}

// ---- role codes ----

// The rules and walks read only LINK_END .. LINK_ROLE_CODE_LAST as roles: a pin that can be
// wired holds the open code or such a role, and a parameter role above that range stands only
// on a pin that is never wired.
TEST(LinkRoles, EveryWirableInputHoldsTheOpenCodeOrARoleCode)
{
    for (const BlockTypeRow& entry : FactoryTypeRows()) {
        const std::unique_ptr<CBlockObj> pBlock(CreateBlockForType(entry.nType, nullptr, nullptr));
        for (int nPin = 0; nPin < BLOCK_PIN_COUNT; ++nPin) {
            const int nSource = pBlock->m_nPinSource[nPin];
            const bool bWirable = pBlock->m_nPinKind[nPin] != PINKIND_NONE;
            if (nPin < BLOCK_FIRST_OUTPUT && bWirable) {
                EXPECT_TRUE(nSource == LINK_OPEN || IsRoleCode(nSource)) << entry.nType << " pin " << nPin;
            }
            if (nSource > LINK_ROLE_CODE_LAST && nSource < NUM_INPUT) {
                EXPECT_GE(nSource, LINK_PARAM_ROLE_FIRST) << entry.nType << " pin " << nPin;
                EXPECT_LE(nSource, LINK_PARAM_ROLE_LAST) << entry.nType << " pin " << nPin;
                EXPECT_FALSE(bWirable) << entry.nType << " pin " << nPin;
                EXPECT_FALSE(pBlock->IsPinUsed(nPin)) << entry.nType << " pin " << nPin;
            }
        }
    }
}

} // namespace
