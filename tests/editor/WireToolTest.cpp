#include "editor/DiagramConsistency.h"
#include "editor/WiredDiagram.h"

#include "blocks/BlockConnector.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/VetlaDoc.h"
#include "document/WiringRules.h"
#include "editor/BlockTextTable.h"
#include "editor/VetlaView.h"
#include "platform/core/StringTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const CString kIncompatible = _T("Incompatible connectors!");
const CString kRecursion = _T("Recursions only allowed via outputs and flags!");

// The wire tool driven as the mouse handlers drive it: press on a pin, moves over the target
// (each a hover check), release on it.
class WiringTest : public WiredDiagram {
protected:
    explicit WiringTest(int nDocType = DOC_TYPE_FBD) : WiredDiagram(nDocType)
    {
        View().OnConnect();
        View().WireTool().LoadTexts();
    }

    void Press(CPoint pt) { View().WireTool().ClickAt(pt.x, pt.y); }
    // The hover check at the point; the text the tip was asked to show.
    CString Hover(CPoint pt)
    {
        View().WireTool().ShowPinTip(pt.x, pt.y, pt);
        return View().WireTool().Tip().GetText();
    }
    void Release(CPoint pt)
    {
        Hover(pt);
        View().WireTool().ClickAt(pt.x, pt.y);
    }
    // A whole wire by the mouse from pin to pin.
    void Draw(CBlockObj* pFrom, int nFromPin, CBlockObj* pTo, int nToPin)
    {
        Press(PinCentre(pFrom, nFromPin));
        Release(PinCentre(pTo, nToPin));
    }

    // A connector as the view makes them (the factory gives plain blocks for 900 and 901).
    CBlockObj* Connector(int nType, int x, int y, int nNumber)
    {
        CBlockObj* pBlock = nType == BT_MALE ? static_cast<CBlockObj*>(new CBlockMale(BT_MALE))
                                             : new CBlockFemale(BT_FEMALE);
        pBlock->m_ptPos = CPoint(x, y);
        pBlock->InitForDocument(&Doc());
        Doc().m_blockList.AddTail(pBlock);
        pBlock->m_nNumber = nNumber;
        return pBlock;
    }

    int LineCount() { return int(Doc().m_lineList.GetCount()); }
    CConnectLineObj* LastLine() { return static_cast<CConnectLineObj*>(Doc().m_lineList.GetTail()); }
    int Snapshots() { return Doc().m_undo.m_nTopIndex; }
    void ExpectConsistent() { EXPECT_TRUE(DiagramIsConsistent(Doc(), &View())); }
    void ExpectIdle()
    {
        EXPECT_EQ(View().WireTool().IsDrawing(), FALSE);
        EXPECT_EQ(View().WireTool().HoverVerdict(), HOVER_ALLOWED);
    }
};

class LadderWiringTest : public WiringTest {
protected:
    LadderWiringTest() : WiringTest(DOC_TYPE_LAD) {}
    CPoint OnRail(int y) { return CPoint(m_pRail->m_ptPos.x, y); }
};

// ---- drawing a wire in a function-block diagram ----

TEST_F(WiringTest, AWireFromAnOutputToAnOpenInputJoinsBothPinTablesWithOneSnapshot)
{
    CBlockObj* pIn = Block(BT_IN, 100, 100);
    CBlockObj* pAnd = Block(BT_AND, 200, 100);
    const int nSnapshots = Snapshots();

    Press(PinCentre(pIn, 10));
    EXPECT_EQ(View().WireTool().IsDrawing(), TRUE);
    EXPECT_EQ(View().WireTool().WireInProgress().m_ptStart, PinCentre(pIn, 10));
    EXPECT_EQ(Hover(PinCentre(pAnd, 0)), CString(_T("In1")));
    Release(PinCentre(pAnd, 0));

    ASSERT_EQ(LineCount(), 1);
    CConnectLineObj* pLine = LastLine();
    EXPECT_EQ(pLine->m_pStartBlock, pIn);
    EXPECT_EQ(pLine->m_pEndBlock, pAnd);
    EXPECT_EQ(pLine->m_nStartPin, 10);
    EXPECT_EQ(pLine->m_nEndPin, 0);
    EXPECT_EQ(pAnd->m_nPinSource[0], pIn->m_nNumber);
    EXPECT_EQ(pIn->m_nPinSource[10], pAnd->m_nNumber);
    EXPECT_EQ(pLine->m_arrJunctions.GetSize(), pLine->m_arrVertices.GetSize());
    EXPECT_EQ(Snapshots(), nSnapshots + 1);
    ExpectIdle();
    ExpectConsistent();
}

TEST_F(WiringTest, ReleasingOnTheStartPinABodyOrEmptySpaceAbandonsTheWire)
{
    CBlockObj* pIn = Block(BT_IN, 100, 100);
    CBlockObj* pAnd = Block(BT_AND, 200, 100);
    const int nSnapshots = Snapshots();
    for (CPoint pt : {PinCentre(pIn, 10), CPoint(pAnd->m_ptPos.x + 12, pAnd->m_ptPos.y + 18), CPoint(600, 600)}) {
        Press(PinCentre(pIn, 10));
        // Output to output is refused, but over its own start the tip says nothing.
        EXPECT_EQ(Hover(PinCentre(pIn, 10)), CString());
        EXPECT_EQ(View().WireTool().HoverVerdict(), HOVER_INCOMPATIBLE);
        Release(pt);
        EXPECT_EQ(LineCount(), 0);
        EXPECT_EQ(Snapshots(), nSnapshots);
        ExpectIdle();
    }
}

TEST_F(WiringTest, APressOnAFedInputStartsNothing)
{
    CBlockObj* pIn = Block(BT_IN, 100, 100);
    CBlockObj* pAnd = Block(BT_AND, 200, 100);
    Wire(pIn, 10, pAnd, 0);
    Press(PinCentre(pAnd, 0));
    EXPECT_EQ(View().WireTool().IsDrawing(), FALSE);
    // An open input of the same block may start a wire (drawn from the input side).
    Press(PinCentre(pAnd, 1));
    EXPECT_EQ(View().WireTool().IsDrawing(), TRUE);
}

TEST_F(WiringTest, AWireDrawnFromAnInputToAnOutputIsKeptAsDrawn)
{
    CBlockObj* pIn = Block(BT_IN, 100, 100);
    CBlockObj* pAnd = Block(BT_AND, 200, 100);
    Draw(pAnd, 1, pIn, 10);
    ASSERT_EQ(LineCount(), 1);
    EXPECT_EQ(LastLine()->m_pStartBlock, pAnd);
    EXPECT_EQ(pAnd->m_nPinSource[1], pIn->m_nNumber);
    ExpectConsistent();
}

TEST_F(WiringTest, HoverTextsNameThePinOrTheReasonForARefusal)
{
    CBlockObj* pIn = Block(BT_IN, 100, 100);
    CBlockObj* pAnd1 = Block(BT_AND, 200, 100);
    CBlockObj* pAnd2 = Block(BT_AND, 300, 100);
    Wire(pIn, 10, pAnd1, 0);
    Wire(pAnd1, 10, pAnd2, 0);

    // Without a wire in progress: labels of pins and the block's name over its body.
    EXPECT_EQ(Hover(PinCentre(pAnd1, 10)), CString(_T("Out")));
    EXPECT_EQ(Hover(CPoint(pAnd1->m_ptPos.x + 12, pAnd1->m_ptPos.y + 18)), CString(_T("AND")));
    EXPECT_EQ(Hover(CPoint(900, 900)), CString());

    Press(PinCentre(pAnd2, 10));
    EXPECT_EQ(Hover(PinCentre(pAnd1, 0)), kIncompatible);   // already fed
    EXPECT_EQ(View().WireTool().HoverVerdict(), HOVER_INCOMPATIBLE);
    EXPECT_EQ(Hover(PinCentre(pAnd1, 1)), kRecursion);       // AND2 feeds back into AND1
    EXPECT_EQ(View().WireTool().HoverVerdict(), HOVER_RECURSION);
    EXPECT_EQ(Hover(PinCentre(pAnd1, 10)), kIncompatible);  // output to output
    EXPECT_EQ(Hover(PinCentre(pIn, 10)), kIncompatible);
    CBlockObj* pAnd3 = Block(BT_AND, 400, 200);
    EXPECT_EQ(Hover(PinCentre(pAnd3, 2)), CString(_T("In3")));
    EXPECT_EQ(View().WireTool().HoverVerdict(), HOVER_ALLOWED);
    // Moving off the pins clears the verdict and the tip.
    EXPECT_EQ(Hover(CPoint(900, 900)), CString());
    EXPECT_EQ(View().WireTool().HoverVerdict(), HOVER_ALLOWED);

    // A release after a refusing hover abandons the wire.
    Release(PinCentre(pAnd1, 1));
    EXPECT_EQ(LineCount(), 2);
    ExpectIdle();
}

TEST_F(WiringTest, AFeedbackLoopIsRefusedOnRelease)
{
    CBlockObj* pAnd1 = Block(BT_AND, 200, 100);
    CBlockObj* pAnd2 = Block(BT_AND, 300, 100);
    Wire(pAnd1, 10, pAnd2, 0);
    Draw(pAnd2, 10, pAnd1, 1);
    EXPECT_EQ(LineCount(), 1);
    // The same loop closed without a hover check first is refused by the release itself.
    Press(PinCentre(pAnd2, 10));
    View().WireTool().ClickAt(PinCentre(pAnd1, 1).x, PinCentre(pAnd1, 1).y);
    EXPECT_EQ(LineCount(), 1);
    ExpectIdle();
}

TEST_F(WiringTest, AnAnalogOutputFeedsAnalogInputsButNoDigitalOne)
{
    CBlockObj* pAq = Block(BT_ANALOG_OUT, 100, 100);
    CBlockObj* pAm = Block(BT_ANALOG_FLAG, 200, 100);
    CBlockObj* pAnd = Block(BT_AND, 200, 200);
    EXPECT_TRUE(IsPinCompatible(Doc(), *pAq, *Block(BT_ANALOG_IN, 300, 300), 0));
    EXPECT_FALSE(IsPinCompatible(Doc(), *pAq, *pAnd, 0));
    Draw(pAq, 10, pAnd, 0);
    EXPECT_EQ(LineCount(), 0);
    Draw(pAq, 10, pAm, 0);
    EXPECT_EQ(LineCount(), 1);
    ExpectConsistent();
}

TEST_F(WiringTest, TheFirstRouteRunsAcrossAtMidWayBeforeTheEndsAreLaid)
{
    // Pins whose centres lie at (100, 40) and (161, 90): a block's output stub centre is two
    // units right of its edge and its single input's two units left, at mid-height.
    CBlockObj* pIn = Block(BT_IN, 300, 300);
    CBlockObj* pOut = Block(BT_OUT, 300, 300);
    const CPoint ptOut = PinCentre(pIn, 10);
    pIn->m_ptPos += CPoint(100, 40) - ptOut;
    const CPoint ptIn = PinCentre(pOut, 0);
    pOut->m_ptPos += CPoint(161, 90) - ptIn;
    ASSERT_EQ(PinCentre(pIn, 10), CPoint(100, 40));
    ASSERT_EQ(PinCentre(pOut, 0), CPoint(161, 90));
    ASSERT_EQ(View().EditMode(), EDIT_MODE_CONNECT);
    Draw(pIn, 10, pOut, 0);
    ASSERT_EQ(LineCount(), 1);
    // Laying the ends keeps a route that already leaves and enters its pins the right way.
    EXPECT_EQ(VerticesOf(LastLine()),
              (std::vector<CPoint>{CPoint(100, 40), CPoint(130, 40), CPoint(130, 90), CPoint(161, 90)}));
}

TEST_F(WiringTest, AWireStartedAtABlockThatWasDeletedMeanwhileIsAbandoned)
{
    CBlockObj* pIn = Block(BT_IN, 100, 100);
    CBlockObj* pAnd = Block(BT_AND, 200, 100);
    Press(PinCentre(pIn, 10));
    Doc().m_blockList.RemoveAt(Doc().m_blockList.Find(pIn));
    Release(PinCentre(pAnd, 0));
    EXPECT_EQ(LineCount(), 0);
    ExpectIdle();
    EXPECT_EQ(View().EditMode(), EDIT_MODE_CONNECT);
    delete pIn;
}

TEST_F(WiringTest, ASecondWireFromOneOutputGetsAJunctionDotWhereTheyPart)
{
    CBlockObj* pIn = Block(BT_IN, 100, 100);
    CBlockObj* pAnd1 = Block(BT_AND, 300, 60);
    CBlockObj* pAnd2 = Block(BT_AND, 300, 200);
    Draw(pIn, 10, pAnd1, 0);
    Draw(pIn, 10, pAnd2, 0);
    ASSERT_EQ(LineCount(), 2);
    int nDots = 0;
    for (POSITION pos = Doc().m_lineList.GetHeadPosition(); pos;)
        nDots += int(JunctionsOf(static_cast<CConnectLineObj*>(Doc().m_lineList.GetNext(pos))).size());
    EXPECT_EQ(nDots, 1);
    ExpectConsistent();
}

TEST_F(WiringTest, ConnectPinsBuildsAWireWithoutRulesOrSnapshot)
{
    CBlockObj* pAnd1 = Block(BT_AND, 200, 100);
    CBlockObj* pAnd2 = Block(BT_AND, 300, 100);
    Wire(pAnd1, 10, pAnd2, 0);
    const int nSnapshots = Snapshots();
    // A loop the wire tool would refuse.
    CConnectLineObj* pLine =
        View().WireTool().ConnectPins(PinCentre(pAnd2, 10), pAnd2, 10, PinCentre(pAnd1, 1), pAnd1, 1);
    ASSERT_NE(pLine, nullptr);
    EXPECT_EQ(LineCount(), 2);
    EXPECT_EQ(pAnd1->m_nPinSource[1], pAnd2->m_nNumber);
    EXPECT_EQ(pLine->m_arrVertices[0], PinCentre(pAnd2, 10));
    EXPECT_EQ(Snapshots(), nSnapshots);
    ExpectConsistent();
}

TEST_F(WiringTest, WithoutUndoOnWireTheWireTakesNoSnapshot)
{
    CBlockObj* pIn = Block(BT_IN, 100, 100);
    CBlockObj* pAnd = Block(BT_AND, 200, 100);
    const int nSnapshots = Snapshots();
    View().WireTool().DrawWire(PinCentre(pIn, 10), PinCentre(pAnd, 0), FALSE);
    EXPECT_EQ(LineCount(), 1);
    EXPECT_EQ(Snapshots(), nSnapshots);
}

// ---- the pin-kind table ----

struct KindCase {
    int nSource;
    int nDest;
    int nPin;
    bool bFits;
};

TEST_F(WiringTest, PinKindsDecideWhichOutputMayFeedWhichInput)
{
    const KindCase cases[] = {
        {BT_ANALOG_IN, BT_ANALOG_OUT, 0, true},    // analog into analog
        {BT_ANALOG_IN, BT_AND, 0, false},          // analog into digital
        {BT_ANALOG_IN, BT_AWDOG, 1, true},         // the watchdog's Ax
        {BT_ANALOG_IN, BT_AWDOG, 0, false},        // its En
        {BT_IN, BT_AWDOG, 0, true},
        {BT_IN, BT_ACOMP, 0, false},               // a digital input into a comparator
        {BT_ACOMP, BT_AND, 0, true},               // its digital output
        {BT_ACOMP, BT_ANALOG_OUT, 0, false},
        {BT_AAMP, BT_ACOMP, 1, true},              // analog function output into Ay
        {BT_AAMP, BT_PI, 2, true},                 // kind 1 into the PI's analog input
        {BT_AAMP, BT_PI, 1, false},
        {BT_AAMP, BT_AND, 0, false},
        {BT_ACONTACT, BT_AOUT_LAD, 0, true},
        {BT_MAKE, BT_AOUT_LAD, 0, false},
        {BT_QUAD, BT_SQRT, 0, true},
        {BT_ODD, BT_OUT, 0, true},
        {BT_MALE, BT_ACOMP, 0, true},              // a lone connector fits everything
        {BT_IN, BT_FEMALE, 0, true},
        {BT_IN, BT_OUT, 0, true},
        {BT_IN, BT_ANALOG_FLAG, 0, false},
    };
    for (const KindCase& c : cases) {
        CBlockObj* pSource = Block(c.nSource, 100, 100);
        CBlockObj* pDest = Block(c.nDest, 200, 100);
        EXPECT_EQ(IsPinCompatible(Doc(), *pSource, *pDest, c.nPin), c.bFits)
            << c.nSource << " -> " << c.nDest << " pin " << c.nPin;
    }
}

TEST_F(WiringTest, AConnectorPairStandsForTheBlockThatFeedsIt)
{
    CBlockObj* pAi = Block(BT_ANALOG_IN, 100, 100);
    CBlockObj* pMale = Connector(BT_MALE, 200, 100, NUM_MALE);
    CBlockObj* pFemale = Connector(BT_FEMALE, 300, 300, NUM_MALE + NUM_FEMALE_OFFSET);
    CBlockObj* pAnd = Block(BT_AND, 400, 300);
    CBlockObj* pAq = Block(BT_ANALOG_OUT, 400, 400);
    Wire(pAi, 10, pMale, 0);
    // The Female gives the analog input's signal: it may feed an analog output, not an AND.
    EXPECT_FALSE(IsPinCompatible(Doc(), *pFemale, *pAnd, 0));
    EXPECT_TRUE(IsPinCompatible(Doc(), *pFemale, *pAq, 0));
    Draw(pFemale, 10, pAnd, 0);
    EXPECT_EQ(LineCount(), 1);
}

TEST_F(WiringTest, AConnectorIsNeverWiredToItsKindOfPartnerAndShowsNoTip)
{
    CBlockObj* pMale = Connector(BT_MALE, 200, 100, NUM_MALE);
    CBlockObj* pFemale = Connector(BT_FEMALE, 100, 100, NUM_MALE + NUM_FEMALE_OFFSET);
    // Codes 900 and 901 have no row of labels: nothing shown, nothing refused by the hover.
    EXPECT_EQ(Hover(PinCentre(pMale, 0)), CString());
    Press(PinCentre(pFemale, 10));
    EXPECT_EQ(Hover(PinCentre(pMale, 0)), CString());
    EXPECT_EQ(View().WireTool().HoverVerdict(), HOVER_ALLOWED);
    Release(PinCentre(pMale, 0));
    EXPECT_EQ(LineCount(), 0);
    ExpectIdle();
}

// ---- ladder documents ----

TEST_F(LadderWiringTest, ARungFromThePowerBusIsOneStraightRun)
{
    CBlockObj* pMake = Block(BT_MAKE, 100, 100);
    const CPoint ptIn = PinCentre(pMake, 0);
    EXPECT_EQ(Hover(OnRail(300)), CString(_T("Power bus")));
    Press(OnRail(300));
    EXPECT_EQ(View().WireTool().IsDrawing(), TRUE);
    EXPECT_EQ(View().WireTool().WireInProgress().m_pStartBlock, m_pRail);
    Release(ptIn);
    ASSERT_EQ(LineCount(), 1);
    CConnectLineObj* pLine = LastLine();
    EXPECT_EQ(pLine->m_pStartBlock, m_pRail);
    EXPECT_EQ(pLine->m_nStartPin, 10);
    EXPECT_EQ(VerticesOf(pLine), (std::vector<CPoint>{CPoint(m_pRail->m_ptPos.x, ptIn.y), ptIn}));
    EXPECT_EQ(pMake->m_nPinSource[0], m_pRail->m_nNumber);
    ExpectConsistent();
}

TEST_F(LadderWiringTest, AWireFromAnInputEndsOnTheBusLevelWithItsStart)
{
    CBlockObj* pMake = Block(BT_MAKE, 100, 100);
    const CPoint ptIn = PinCentre(pMake, 0);
    Press(ptIn);
    Release(OnRail(500));
    ASSERT_EQ(LineCount(), 1);
    EXPECT_EQ(VerticesOf(LastLine()), (std::vector<CPoint>{ptIn, CPoint(m_pRail->m_ptPos.x, ptIn.y)}));
    ExpectConsistent();
}

TEST_F(LadderWiringTest, NothingFromAnOutputOrFromTheBusEndsOnTheBus)
{
    CBlockObj* pMake = Block(BT_MAKE, 100, 100);
    Press(PinCentre(pMake, 10));
    EXPECT_EQ(Hover(OnRail(300)), kIncompatible);
    Release(OnRail(300));
    Press(OnRail(200));
    Release(OnRail(300));
    EXPECT_EQ(LineCount(), 0);
    ExpectIdle();
}

TEST_F(LadderWiringTest, AnInputTakesSeveralWiresButNoDuplicateAndNoWireToItself)
{
    CBlockObj* pMake1 = Block(BT_MAKE, 100, 100);
    CBlockObj* pMake2 = Block(BT_MAKE, 100, 200);
    CBlockObj* pCoil = Block(BT_RELAY_COIL, 300, 100);
    Draw(pMake1, 10, pCoil, 0);
    Draw(pMake2, 10, pCoil, 0);
    EXPECT_EQ(LineCount(), 2);
    // The same pins again, either way round.
    Draw(pMake1, 10, pCoil, 0);
    Draw(pCoil, 0, pMake1, 10);
    EXPECT_EQ(LineCount(), 2);
    // A contact's output into its own input.
    Draw(pMake1, 10, pMake1, 0);
    EXPECT_EQ(LineCount(), 2);
    ExpectIdle();
    ExpectConsistent();
}

TEST_F(LadderWiringTest, AFedAnalogInputStartsNoFurtherWire)
{
    CBlockObj* pContact = Block(BT_ACONTACT, 100, 100);
    CBlockObj* pAout = Block(BT_AOUT_LAD, 300, 100);
    CBlockObj* pCoil = Block(BT_RELAY_COIL, 300, 300);
    Draw(pContact, 10, pAout, 0);
    ASSERT_EQ(LineCount(), 1);
    Press(PinCentre(pAout, 0));
    EXPECT_EQ(View().WireTool().IsDrawing(), FALSE);
    // A relay coil's fed input may start one.
    Draw(pContact, 10, pCoil, 0);
    Press(PinCentre(pCoil, 0));
    EXPECT_EQ(View().WireTool().IsDrawing(), TRUE);
}

// ---- the label table ----

// Which row holds which type is the block-type table's order; the power bus's constant and the
// lookup must reach it, and codes without a row have none.
TEST(BlockTextTable, ThePowerBusIsTheLastRowAndCodesWithoutARowHaveNone)
{
    EXPECT_EQ(BlockTextRow(BT_POWERBUS), BLOCK_TEXT_POWER_BUS_ROW);
    for (int nType : {BT_MALE, BT_FEMALE, 0, -1, 299, 308, 399, 414, 599, 612, 706, 828, 829, 857, 880, 899,
                      910, 912, 950, 952, 100000})
        EXPECT_EQ(BlockTextRow(nType), -1) << nType;
}

TEST(BlockTextTable, CellsTakeTheirTextsFromTheStringTable)
{
    SetUiLanguage(UiLanguage::English);
    static BlockTextTable table;
    table[3][5] = _T("left over");
    LoadBlockTextTable(table);
    EXPECT_EQ(table[3][5], CString());
    // The logic rows take the names in code order AND, AND(Edge), NAND, NAND(Edge), OR, NOR,
    // XOR, NOT.
    const char* const logic[] = {"AND", "AND(Edge)", "NAND", "NAND(Edge)", "OR", "NOR", "XOR", "NOT"};
    for (int i = 0; i < 8; ++i)
        EXPECT_EQ(table[i][BLOCK_TEXT_NAME].ToUtf8(), logic[i]);
    EXPECT_EQ(BlockTextOf(table, BT_DPR, BLOCK_TEXT_NAME).ToUtf8(), "On-Delay(Trg,T)");
    EXPECT_EQ(BlockTextOf(table, BT_YT, BLOCK_TEXT_NAME).ToUtf8(), "Yearly Timer(No)");
    EXPECT_EQ(BlockTextOf(table, BT_DDR, 1).ToUtf8(), "R");
    EXPECT_EQ(BlockTextOf(table, BT_AND, 3).ToUtf8(), "In4");
    EXPECT_EQ(BlockTextOf(table, BT_AND, 10).ToUtf8(), "Out");
    EXPECT_EQ(BlockTextOf(table, BT_ACOMP, 1).ToUtf8(), "Ay");
    EXPECT_EQ(BlockTextOf(table, BT_DATALOG, BLOCK_TEXT_NAME).ToUtf8(), "Data Log");
    // The relays and the shift register name their pins by what each does.
    const struct {
        int nType;
        const char* labels[4];
    } named[] = {{BT_LR, {"S", "R", "Par", ""}}, {BT_PR, {"Trg", "S", "R", "Par"}}, {BT_SREG, {"In", "Trg", "Dir", "Par"}}};
    for (const auto& row : named) {
        for (int nPin = 0; nPin < 4; ++nPin)
            EXPECT_EQ(BlockTextOf(table, row.nType, nPin).ToUtf8(), row.labels[nPin]) << row.nType << "/" << nPin;
    }
    // Every kind has a name; no cell beyond the used pins has a text.
    for (int nRow = 0; nRow < BLOCK_TEXT_ROWS; ++nRow) {
        EXPECT_FALSE(table[nRow][BLOCK_TEXT_NAME].IsEmpty()) << nRow;
        for (int nColumn : {4, 9, 11, 19})
            EXPECT_TRUE(table[nRow][nColumn].IsEmpty()) << nRow << "/" << nColumn;
    }
    // Codes without a row and columns outside the table read as empty, never past the table.
    EXPECT_TRUE(BlockTextOf(table, BT_MALE, BLOCK_TEXT_NAME).IsEmpty());
    EXPECT_TRUE(BlockTextOf(table, 500, 0).IsEmpty());
    EXPECT_TRUE(BlockTextOf(table, BT_AND, 21).IsEmpty());
    EXPECT_TRUE(BlockTextOf(table, BT_AND, -1).IsEmpty());
    EXPECT_EQ(BlockTextStringId(BLOCK_TEXT_ROWS, 0), 0u);
}

// Every label a pin can show exists for a block's wirable pins.
TEST(BlockTextTable, EveryPinThatCanBeWiredHasALabel)
{
    ActiveDocument active;
    CVetlaView& view = active.View();
    view.WireTool().LoadTexts();
    for (int nRow = 0; nRow < BLOCK_TEXT_POWER_BUS_ROW; ++nRow) {
        int nType = 0;
        for (int nCode = 300; nCode < 1000 && !nType; ++nCode) {
            if (BlockTextRow(nCode) == nRow)
                nType = nCode;
        }
        ASSERT_NE(nType, 0) << nRow;
        CBlockObj* pBlock = view.CreateBlockObject(nType);
        for (int nPin = 0; nPin < BLOCK_PIN_COUNT; ++nPin) {
            if (pBlock->IsPinUsed(nPin) && pBlock->m_nPinKind[nPin] != PINKIND_NONE) {
                EXPECT_FALSE(view.WireTool().Texts()[nRow][nPin].IsEmpty()) << nType << " pin " << nPin;
            }
        }
        delete pBlock;
    }
}

} // namespace
