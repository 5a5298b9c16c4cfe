// Align Vertically and Align Horizontally: the reference block, the comments, the wires that
// follow, the undo snapshot and when the commands are offered.
#include "editor/DiagramConsistency.h"
#include "editor/WiredDiagram.h"

#include "blocks/BlockComment.h"
#include "shell/Resource.h"

#include <vector>

namespace {

class AlignTest : public WiredDiagram {
protected:
    CBlockComment* SelectedComment(int x, int y) { return Select(Comment(x, y)); }
    static bool IsOrthogonal(const CConnectLineObj* pLine)
    {
        for (INT_PTR i = 1; i < pLine->m_arrVertices.GetSize(); ++i) {
            const CPoint a = pLine->m_arrVertices[i - 1];
            const CPoint b = pLine->m_arrVertices[i];
            if (a.x != b.x && a.y != b.y)
                return false;
        }
        return true;
    }
    int Snapshots() { return Doc().m_undo.m_nIndex; }
};

TEST_F(AlignTest, VerticallyGivesEveryBlockTheFirstSelectedBlocksX)
{
    CBlockObj* pA = Block(BT_AND, 40, 100);
    CBlockObj* pB = Block(BT_OR, 100, 300);
    CBlockObj* pC = Block(BT_NOT, 70, 500);
    for (CBlockObj* pBlock : {pA, pB, pC})
        Select(pBlock);
    const int nBefore = Snapshots();
    Command(ID_ALIGN_VERT);
    EXPECT_EQ(pA->m_ptPos, CPoint(40, 100));
    EXPECT_EQ(pB->m_ptPos, CPoint(40, 300));
    EXPECT_EQ(pC->m_ptPos, CPoint(40, 500));
    EXPECT_EQ(Snapshots(), nBefore + 1);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View())) << "every object selected again";
}

TEST_F(AlignTest, HorizontallyGivesEveryBlockTheFirstSelectedBlocksY)
{
    CBlockObj* pA = Block(BT_AND, 300, 120);
    CBlockObj* pB = Block(BT_OR, 100, 60);
    Select(pA);
    Select(pB);
    Command(ID_ALIGN_HORZ);
    EXPECT_EQ(pA->m_ptPos, CPoint(300, 120));
    EXPECT_EQ(pB->m_ptPos, CPoint(100, 120));
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));
}

TEST_F(AlignTest, NothingToMoveTakesNoUndoSnapshot)
{
    CBlockObj* pA = Block(BT_AND, 80, 100);
    CBlockObj* pB = Block(BT_OR, 80, 300);
    Select(pA);
    Select(pB);
    const int nBefore = Snapshots();
    View().AlignSelection(0);
    EXPECT_EQ(Snapshots(), nBefore);
    EXPECT_EQ(pB->m_ptPos, CPoint(80, 300));
    View().AlignSelection(2);
    EXPECT_EQ(pB->m_ptPos, CPoint(80, 300)) << "no such axis";
}

TEST_F(AlignTest, CommentsAlignToTheFirstSelectedBlockNotTheFirstComment)
{
    CBlockObj* pA = Block(BT_AND, 200, 100);
    CBlockObj* pB = Block(BT_OR, 260, 300);
    CBlockComment* pFirst = SelectedComment(500, 40);
    CBlockComment* pSecond = SelectedComment(20, 400);
    Select(pA);
    Select(pB);
    View().AlignSelection(0);
    EXPECT_EQ(pFirst->m_nLeft, 200);
    EXPECT_EQ(pSecond->m_nLeft, 200);
    EXPECT_EQ(pFirst->m_nTop, 40);
    EXPECT_EQ(pFirst->m_bCommentSelected, 1);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));
}

TEST_F(AlignTest, WiresBetweenAlignedBlocksAreReLaidAndStayOrthogonal)
{
    CBlockObj* pIn = Block(BT_IN, 40, 100);
    CBlockObj* pAnd = Block(BT_AND, 300, 160);
    CBlockObj* pOut = Block(BT_OUT, 560, 60);
    CConnectLineObj* pFirst = Wire(pIn, BLOCK_FIRST_OUTPUT, pAnd, 0);
    CConnectLineObj* pSecond = Wire(pAnd, BLOCK_FIRST_OUTPUT, pOut, 0);
    for (CBlockObj* pBlock : {pIn, pAnd, pOut})
        Select(pBlock);
    Select(pFirst);
    Select(pSecond);
    View().AlignSelection(1);
    EXPECT_EQ(pAnd->m_ptPos.y, 100);
    EXPECT_EQ(pOut->m_ptPos.y, 100);
    for (const CConnectLineObj* pLine : {pFirst, pSecond}) {
        EXPECT_TRUE(IsOrthogonal(pLine));
        EXPECT_EQ(pLine->m_bLineSelected, 1);
    }
    EXPECT_EQ(pFirst->m_ptEnd, PinCentre(pAnd, 0));
    EXPECT_EQ(pSecond->m_ptStart, PinCentre(pAnd, BLOCK_FIRST_OUTPUT));
    EXPECT_EQ(pSecond->m_ptEnd, PinCentre(pOut, 0));
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));
}

// A wire held on a pin of a block that Align moves is let go: finished later, it would start
// where the pin was before the move.
TEST_F(AlignTest, AlignLetsGoOfAWireHeldOnAPin)
{
    CBlockObj* pA = Block(BT_AND, 40, 100);
    CBlockObj* pB = Block(BT_OR, 200, 300);
    Select(pA);
    Select(pB);
    View().WireTool().ClickAt(PinCentre(pB, BLOCK_FIRST_OUTPUT).x, PinCentre(pB, BLOCK_FIRST_OUTPUT).y);
    ASSERT_TRUE(View().WireTool().IsDrawing());
    View().AlignSelection(0);
    EXPECT_EQ(pB->m_ptPos.x, 40);
    EXPECT_FALSE(View().WireTool().IsDrawing());
    EXPECT_EQ(Doc().m_lineList.GetCount(), 0);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));
}

TEST_F(AlignTest, OfferedOnlyForTwoBlocksOutsideASimulationAndUnlocked)
{
    CBlockObj* pA = Block(BT_AND, 40, 100);
    CBlockObj* pB = Block(BT_OR, 100, 300);
    Select(pA);
    CBlockComment* pComment = SelectedComment(10, 10);
    EXPECT_FALSE(Enabled(ID_ALIGN_VERT)) << "one block and a comment";
    EXPECT_FALSE(Enabled(ID_ALIGN_HORZ));
    Command(ID_ALIGN_VERT);
    EXPECT_EQ(pComment->m_nLeft, 10) << "the command does nothing while disabled";
    Select(pB);
    EXPECT_TRUE(Enabled(ID_ALIGN_VERT));
    EXPECT_TRUE(Enabled(ID_ALIGN_HORZ));
    Doc().m_bEditLock = 1;
    EXPECT_FALSE(Enabled(ID_ALIGN_VERT));
    Doc().m_bEditLock = 0;
    Doc().m_bSimulating = 1;
    EXPECT_FALSE(Enabled(ID_ALIGN_HORZ));
    Command(ID_ALIGN_HORZ);
    EXPECT_EQ(pB->m_ptPos.y, 300);
    Doc().m_bSimulating = 0;
}

} // namespace
