// The connection upkeep of the diagram view: the page margins of a moved selection, the
// junction dots of wires made in one go and reattaching a dragged wire end. Also the diagram
// consistency check that the editing tests share.
#include "editor/DiagramConsistency.h"
#include "editor/WiredDiagram.h"

#include "blocks/BlockComment.h"
#include "document/DocTestSupport.h"
#include "document/Junctions.h"
#include "document/WiringRules.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace {

using ConsistencyTest = WiredDiagram;

bool Mentions(const std::vector<std::string>& problems, const std::string& strPart)
{
    for (const std::string& s : problems)
        if (s.find(strPart) != std::string::npos)
            return true;
    return false;
}

TEST_F(ConsistencyTest, AWiredDiagramHasNoProblems)
{
    CBlockObj* pI1 = Block(BT_IN, 40, 40);
    CBlockObj* pAnd = Block(BT_AND, 140, 40);
    CBlockObj* pQ1 = Block(BT_OUT, 260, 40);
    Wire(pI1, 10, pAnd, 0);
    Wire(pQ1, 0, pAnd, 10);  // drawn from the input end
    View().Selection().Add(pAnd);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));
}

// Each kind of fault the check exists for is named.
TEST_F(ConsistencyTest, EachFaultIsReported)
{
    CBlockObj* pI1 = Block(BT_IN, 40, 40);
    CBlockObj* pAnd = Block(BT_AND, 140, 40);
    CBlockObj* pOr = Block(BT_OR, 140, 140);
    CConnectLineObj* pLine = Wire(pI1, 10, pAnd, 0);
    CConnectLineObj* pOther = Wire(pI1, 10, pOr, 1);
    ASSERT_TRUE(DiagramProblems(Doc(), &View()).empty());

    pLine->m_nEndBlock = 9005;
    pLine->m_ptStart.x += 1;
    pLine->m_arrJunctions.Add(CPoint(0, 0));
    pOr->m_nPinSource[1] = 101;
    pOr->m_nNumber = 9007;
    pOther->m_nEndBlock = 9007;
    pAnd->m_bSelected = 1;
    View().Selection().Add(pOther);
    pOther->m_bLineSelected = 0;
    const std::vector<std::string> problems = DiagramProblems(Doc(), &View());
    EXPECT_TRUE(Mentions(problems, "stores number 9005")) << ::testing::PrintToString(problems);
    EXPECT_TRUE(Mentions(problems, "is not the centre"));
    EXPECT_TRUE(Mentions(problems, "first vertex"));
    EXPECT_TRUE(Mentions(problems, "junction entries"));
    EXPECT_TRUE(Mentions(problems, "pin source is 101"));
    EXPECT_TRUE(Mentions(problems, "without gaps"));
    EXPECT_TRUE(Mentions(problems, "has its selected flag but is not listed"));
    EXPECT_TRUE(Mentions(problems, "is listed but has no selected flag"));
    EXPECT_EQ(problems.size(), 8u) << ::testing::PrintToString(problems);
}

TEST_F(ConsistencyTest, AWireToABlockGoneFromTheListIsReported)
{
    CBlockObj* pI1 = Block(BT_IN, 40, 40);
    CBlockObj* pAnd = Block(BT_AND, 140, 40);
    Wire(pI1, 10, pAnd, 0);
    Doc().m_blockList.RemoveAt(Doc().m_blockList.Find(pI1));
    EXPECT_TRUE(Mentions(DiagramProblems(Doc()), "not in the block list"));
    delete pI1;
}

using LadderConsistencyTest = LadderDiagram;

// A ladder input may take several wires; the rail is a wire end of its own.
TEST_F(LadderConsistencyTest, RungsFromTheRailAndTwoWiresIntoOneInputAreSound)
{
    CBlockObj* pA = Block(BT_MAKE, 100, 40);
    CBlockObj* pB = Block(BT_MAKE, 100, 140);
    CBlockObj* pCoil = Block(BT_RELAY_COIL, 260, 40);
    Wire(m_pRail, 10, pA, 0);
    Wire(m_pRail, 10, pB, 0);
    Wire(pA, 10, pCoil, 0);
    Wire(pB, 10, pCoil, 0);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));
}

// ---- junction dots of wires made in one go ----

class JunctionTest : public WiredDiagram {
protected:
    JunctionTest()
    {
        m_pSource = Block(BT_IN, 40, 140);
        m_pTop = Block(BT_AND, 300, 60);
        m_pMiddle = Block(BT_AND, 300, 150);
        m_pBottom = Block(BT_AND, 300, 260);
        m_pOut = PinCentre(m_pSource, 10);
    }
    CBlockObj* m_pSource;
    CBlockObj* m_pTop;
    CBlockObj* m_pMiddle;
    CBlockObj* m_pBottom;
    CPoint m_pOut;
};

// Wires made in one go (an upload, a conversion, a paste) get the dots the wire tool gives
// them when they are drawn one after the other.
TEST_F(JunctionTest, WiresMarkedInOneGoGetTheDotsOfDrawingThemInTurn)
{
    std::vector<CConnectLineObj*> lines;
    for (CBlockObj* pTo : {m_pTop, m_pMiddle, m_pBottom})
        lines.push_back(View().WireTool().ConnectPins(m_pOut, m_pSource, 10, PinCentre(pTo, 0), pTo, 0));
    std::vector<std::vector<int>> drawn;
    for (CConnectLineObj* pLine : lines) {
        drawn.push_back(JunctionsOf(pLine));
        ResetJunctions(pLine);
    }
    ASSERT_NE(drawn, std::vector<std::vector<int>>(3));
    MarkJunctionsOfWires(lines);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(JunctionsOf(lines[i]), drawn[i]) << i;
}

// ---- the page margins of a moved selection ----

class PageMarginTest : public WiredDiagram {
protected:
    // The step of a drag from the last mouse point one unit left (or up) to the current one.
    void StepBack(int dx, int dy)
    {
        View().SetPressPoint(CPoint(400, 400));
        View().KeepSelectionOnPage(400 + dx, 400 + dy);
    }
};

TEST_F(PageMarginTest, ABlockWithInputsKeepsFiveUnitsFromTheLeftEdge)
{
    CBlockObj* pAnd = Block(BT_AND, 5, 200);
    Select(pAnd);
    StepBack(-1, 0);
    EXPECT_EQ(pAnd->m_ptPos, CPoint(6, 200)) << "5 - 5 is below 1: the step is undone";
    StepBack(-1, 0);
    EXPECT_EQ(pAnd->m_ptPos, CPoint(6, 200)) << "x = 6 is accepted";
}

TEST_F(PageMarginTest, EachKindOfObjectIsHeldInsideThePage)
{
    const int w = Doc().m_rcExtent.Width();
    const int h = Doc().m_rcExtent.Height();
    CBlockObj* pIn = Block(BT_IN, 5, 200);  // no inputs: 4 units are enough on the left
    Select(pIn);
    StepBack(0, -1);
    EXPECT_EQ(pIn->m_ptPos, CPoint(5, 200));
    pIn->m_ptPos = CPoint(4, 200);
    StepBack(-1, 0);
    EXPECT_EQ(pIn->m_ptPos, CPoint(5, 200));

    pIn->m_ptPos = CPoint(400, 12);
    StepBack(0, -1);
    EXPECT_EQ(pIn->m_ptPos, CPoint(400, 13)) << "12 units above";
    pIn->m_ptPos = CPoint(400, h - 4 - pIn->m_nHeight);
    StepBack(0, 1);
    EXPECT_EQ(pIn->m_ptPos, CPoint(400, h - 5 - pIn->m_nHeight)) << "4 units below";
    pIn->m_ptPos = CPoint(w - 5 - pIn->m_nWidth, 400);
    StepBack(1, 0);
    EXPECT_EQ(pIn->m_ptPos, CPoint(w - 6 - pIn->m_nWidth, 400)) << "5 units right of a block with an output";
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));
}

TEST_F(PageMarginTest, CommentsAndWiresAreHeldInsideThePage)
{
    CBlockComment* pComment = Select(Comment(300, 12, 80, 30));
    StepBack(0, -1);
    EXPECT_EQ(pComment->m_nTop, 13);
    View().Selection().Clear(SELECTION_ALL);

    CBlockObj* pI1 = Block(BT_IN, 40, 200);
    CBlockObj* pAnd = Block(BT_AND, 200, 200);
    CConnectLineObj* pLine = RoutedWire(pI1, 10, pAnd, 0, {CPoint(100, 218), CPoint(100, 2), CPoint(150, 2),
                                                           CPoint(150, PinCentre(pAnd, 0).y)});
    const CArray<CPoint>& v = pLine->m_arrVertices;
    View().Selection().Add(pLine);
    View().SetPressPoint(CPoint(400, 400));
    View().KeepSelectionOnPage(400, 399);
    EXPECT_EQ(v[2].y, 3) << "a vertex 2 units from the top is moved back";
    View().KeepSelectionOnPage(400, 399);
    EXPECT_EQ(v[2].y, 3) << "3 units are enough";
}

// ---- re-attaching a dragged wire end ----

class ReattachTest : public WiredDiagram {
protected:
    ReattachTest()
    {
        m_pI1 = Block(BT_IN, 40, 40);
        m_pI2 = Block(BT_IN, 40, 140);
        m_pAnd = Block(BT_AND, 200, 40);
        m_pOr = Block(BT_OR, 200, 140);
        m_pLine = Wire(m_pI1, 10, m_pAnd, 0);
        Wire(m_pI2, 10, m_pAnd, 1);
        Doc().m_undo.SaveState(&Doc());
    }
    // The end (bEnd) or the start of the wire is being dragged.
    void StartDrag(CConnectLineObj* pLine, bool bEnd)
    {
        pLine->m_bEndDrag = 1;
        pLine->m_nDragEnd = bEnd ? 1 : -1;
        View().SetCurrentObjects(nullptr, pLine, nullptr);
        View().WireTool().SetHoverVerdict(HOVER_ALLOWED);
    }
    // Drops the dragged side on pin nPin of the block.
    void Drop(CConnectLineObj* pLine, bool bEnd, CBlockObj* pTarget, int nPin)
    {
        StartDrag(pLine, bEnd);
        View().ReattachLineEnd(PinCentre(pTarget, nPin), pTarget, nPin);
    }
    // The drop is refused with the verdict and leaves the document as it was.
    void ExpectRefused(CConnectLineObj* pLine, bool bEnd, CBlockObj* pTarget, int nPin, int nVerdict)
    {
        StartDrag(pLine, bEnd);
        const Bytes before = SaveToBytes(Doc());
        const int nUndo = Doc().m_undo.m_nIndex;
        View().ReattachLineEnd(PinCentre(pTarget, nPin), pTarget, nPin);
        EXPECT_EQ(View().WireTool().HoverVerdict(), nVerdict);
        EXPECT_EQ(SaveToBytes(Doc()), before);
        EXPECT_EQ(Doc().m_undo.m_nIndex, nUndo) << "no snapshot";
        pLine->m_bEndDrag = 0;
        pLine->m_nDragEnd = 0;
    }

    CBlockObj* m_pI1;
    CBlockObj* m_pI2;
    CBlockObj* m_pAnd;
    CBlockObj* m_pOr;
    CConnectLineObj* m_pLine;
};

// Each refused drop shows its verdict and leaves the document as it was.
TEST_F(ReattachTest, RefusedDropsChangeNothing)
{
    CBlockObj* pAnd2 = Block(BT_AND, 350, 40);
    Wire(m_pAnd, 10, pAnd2, 0);
    CConnectLineObj* pBack = Wire(m_pOr, 10, m_pAnd, 2);
    CBlockObj* pMale = Block(BT_MALE, 120, 300);
    CBlockObj* pFemale = Block(BT_FEMALE, 40, 300, pMale->m_nNumber + NUM_FEMALE_OFFSET);
    CConnectLineObj* pIntoMale = Wire(m_pOr, 10, pMale, 0);
    ExpectRefused(m_pLine, true, m_pAnd, 1, HOVER_INCOMPATIBLE);       // an input already fed
    ExpectRefused(m_pLine, true, m_pOr, 10, HOVER_INCOMPATIBLE);       // output to output
    ExpectRefused(m_pLine, false, m_pOr, 0, HOVER_INCOMPATIBLE);       // input to input
    ExpectRefused(pBack, false, pAnd2, 10, HOVER_RECURSION);           // a loop
    ExpectRefused(pIntoMale, false, pFemale, 10, HOVER_INCOMPATIBLE);  // into a Male from a Female
}

TEST_F(ReattachTest, TheEndMovesToTheNewInput)
{
    const int nUndo = Doc().m_undo.m_nIndex;
    Drop(m_pLine, true, m_pOr, 1);
    EXPECT_EQ(View().WireTool().HoverVerdict(), HOVER_ALLOWED);
    EXPECT_EQ(m_pLine->m_pEndBlock, m_pOr);
    EXPECT_EQ(m_pLine->m_nEndPin, 1);
    EXPECT_EQ(m_pLine->m_nEndBlock, m_pOr->m_nNumber);
    EXPECT_EQ(m_pLine->m_ptEnd, PinCentre(m_pOr, 1));
    EXPECT_EQ(m_pAnd->m_nPinSource[0], LINK_OPEN) << "the input left is open again";
    EXPECT_EQ(m_pOr->m_nPinSource[1], m_pI1->m_nNumber);
    EXPECT_EQ(Doc().m_undo.m_nIndex, nUndo + 1);
    EXPECT_EQ(m_pLine->m_arrJunctions.GetSize(), m_pLine->m_arrVertices.GetSize());
    EXPECT_EQ(m_pLine->m_bEndDrag, 0) << "the drag ends with the drop";
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));
    // The snapshot holds the diagram as it is now: undo and redo come back to the same bytes.
    const Bytes after = SaveToBytes(Doc());
    ASSERT_TRUE(Doc().m_undo.Undo());
    EXPECT_NE(SaveToBytes(Doc()), after);
    ASSERT_TRUE(Doc().m_undo.Redo());
    EXPECT_EQ(SaveToBytes(Doc()), after);
}

TEST_F(ReattachTest, TheStartMovesToAnotherSourceAndTheOldOutputIsFree)
{
    Drop(m_pLine, false, m_pOr, 10);
    EXPECT_EQ(m_pLine->m_pStartBlock, m_pOr);
    EXPECT_EQ(m_pLine->m_ptStart, PinCentre(m_pOr, 10));
    EXPECT_EQ(m_pI1->m_nPinSource[10], LINK_OUTPUT);
    EXPECT_EQ(m_pAnd->m_nPinSource[0], m_pOr->m_nNumber);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));
}

// Two wires from one output: the moved wire's junction dots are worked out at its new pin, and
// a dot of the wire left behind that no other wire passes any more goes.
TEST_F(ReattachTest, JunctionDotsFollowTheMovedWire)
{
    CConnectLineObj* pSecond = Wire(m_pI2, 10, m_pOr, 0);
    Drop(pSecond, false, m_pI1, 10);
    EXPECT_EQ(LinesAtPin(Doc(), m_pI1, 10).size(), 2u);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));
    const std::vector<CConnectLineObj*> left = LinesAtPin(Doc(), m_pI2, 10);
    ASSERT_EQ(left.size(), 1u);
    const CConnectLineObj* pLeft = left.front();
    for (INT_PTR i = 0; i < pLeft->m_arrJunctions.GetSize(); ++i) {
        if (pLeft->IsJunction(i)) {
            EXPECT_GE(CountLinesAtPoint(&Doc(), pLeft->m_arrVertices[i].x, pLeft->m_arrVertices[i].y), 2);
        }
    }
}

using LadderReattachTest = LadderDiagram;

// A rung dragged to another contact stays a straight run from the rail.
TEST_F(LadderReattachTest, ARungKeepsItsTwoPointsLevelWithTheNewContact)
{
    CBlockObj* pA = Block(BT_MAKE, 100, 40);
    CBlockObj* pB = Block(BT_MAKE, 100, 140);
    CConnectLineObj* pRung = Wire(m_pRail, 10, pA, 0);
    pRung->m_bEndDrag = 1;
    pRung->m_nDragEnd = 1;
    View().SetCurrentObjects(nullptr, pRung, nullptr);
    View().ReattachLineEnd(PinCentre(pB, 0), pB, 0);
    EXPECT_EQ(View().WireTool().HoverVerdict(), HOVER_ALLOWED);
    ASSERT_EQ(pRung->m_arrVertices.GetSize(), 2);
    EXPECT_EQ(pRung->m_ptEnd, PinCentre(pB, 0));
    EXPECT_EQ(pRung->m_ptStart, CPoint(m_pRail->m_ptPos.x, PinCentre(pB, 0).y));
    EXPECT_EQ(pA->m_nPinSource[0], LINK_OPEN);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));
}

}  // namespace
