// The view's hit tests, selection and moving of the selection, on diagrams built by hand:
// tolerances and half-open rectangles, what a press in select mode selects and which drag it
// starts, the rubber band, moving blocks with their wires, dragging wire segments and keeping
// blocks and comments on the base.
#include "editor/DiagramConsistency.h"
#include "editor/WiredDiagram.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/PinHits.h"
#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"
#include "editor/WireDrag.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/Msg.h"

#include <gtest/gtest.h>

#include <cctype>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

using Points = std::vector<CPoint>;

Points Shifted(Points points, int dx, int dy)
{
    for (CPoint& pt : points)
        pt.Offset(dx, dy);
    return points;
}

// A wire of its own vertices from an output pin (at its first vertex) to an input pin (at its
// last), in no document: the segment drags need only its route and its end pins.
std::unique_ptr<CConnectLineObj> Route(const Points& points, int nStartPin = 10, int nEndPin = 0)
{
    auto pLine = std::make_unique<CConnectLineObj>();
    for (const CPoint& pt : points)
        pLine->m_arrVertices.Add(pt);
    pLine->m_ptStart = points.front();
    pLine->m_ptEnd = points.back();
    pLine->m_nStartPin = nStartPin;
    pLine->m_nEndPin = nEndPin;
    return pLine;
}

const CString kOffBaseText = u"ERROR: Block can not be placed out side of the FBD base";

class Selection : public WiredDiagram {
protected:
    // Two AND gates, A at (100, 100) and B at (x, y), and the wire from A's output to B's
    // first input.
    struct WiredPair {
        CBlockObj* pA;
        CBlockObj* pB;
        CConnectLineObj* pLine;
    };
    WiredPair Pair(int x, int y)
    {
        CBlockObj* pA = Block(BT_AND, 100, 100);
        CBlockObj* pB = Block(BT_AND, x, y);
        return {pA, pB, Wire(pA, 10, pB, 0)};
    }

    int Press(CPoint pt, UINT nFlags = 0) { return View().PressInSelectMode(pt.x, pt.y, nFlags); }

    void Band(CPoint from, CPoint to)
    {
        View().Selection().StartBand(from);
        View().Selection().StretchBand(to);
    }

    ::testing::AssertionResult Consistent() { return DiagramIsConsistent(Doc(), &View()); }

    CMessageBoxRecorder m_boxes;
};

// ---- hit tests ----

TEST_F(Selection, SelectedBodiesPinsAndBoxesAreHitHalfOpen)
{
    CBlockObj* pAnd = Block(BT_AND, 100, 100); // 25 x 40
    CBlockComment* pComment = Comment(300, 100, 60, 20);
    struct Case {
        CPoint pt;
        bool bBody;
        bool bWithPins;
        bool bComment;
    };
    const Case cases[] = {
        {{100, 100}, true, true, false},   // the left and top edges belong to the body
        {{124, 139}, true, true, false},
        {{125, 120}, false, true, false},  // the right edge does not
        {{110, 140}, false, false, false}, // nor the bottom edge
        {{91, 120}, false, true, false},   // 9 units of pin stubs beside the body
        {{90, 120}, false, false, false},
        {{133, 120}, false, true, false},
        {{134, 120}, false, false, false},
        {{300, 100}, false, false, true},
        {{359, 119}, false, false, true},
        {{360, 110}, false, false, false},
        {{330, 120}, false, false, false},
    };
    for (const Case& c : cases) {
        // Nothing selected: the selection's hit tests find nothing, wherever the point is.
        EXPECT_EQ(View().Selection().BlockAt(c.pt.x, c.pt.y), nullptr);
        EXPECT_EQ(View().Selection().CommentAt(c.pt.x, c.pt.y), nullptr);
    }
    Select(pAnd);
    Select(pComment);
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.pt.x << ", " << c.pt.y << ")");
        EXPECT_EQ(View().Selection().BlockAt(c.pt.x, c.pt.y), c.bBody ? pAnd : nullptr);
        EXPECT_EQ(View().Selection().BlockPinsAt(c.pt.x, c.pt.y), c.bWithPins ? pAnd : nullptr);
        EXPECT_EQ(View().Selection().CommentAt(c.pt.x, c.pt.y), c.bComment ? pComment : nullptr);
    }
}

TEST_F(Selection, SelectedWireIsHitOnlyOnceSelected)
{
    auto [pA, pB, pLine] = Pair(300, 100);
    const CPoint onWire = pLine->m_arrVertices[1] + CPoint(0, -10);
    ASSERT_EQ(Doc().LineAtPoint(onWire.x, onWire.y), pLine);
    EXPECT_EQ(View().Selection().LineAt(onWire.x, onWire.y), nullptr);
    Select(pLine);
    EXPECT_EQ(View().Selection().LineAt(onWire.x, onWire.y), pLine);
    EXPECT_EQ(View().Selection().LineAt(onWire.x, onWire.y + 40), nullptr);
}

TEST_F(Selection, PinToleranceTakesInputsWideLeftAndOutputsOnlyRight)
{
    CBlockObj* pAnd = Block(BT_AND, 100, 100);
    const CRect in0 = [&] { CRect rc; GetBlockPinRect(&rc, pAnd, 0); return rc; }();
    const CRect in3 = [&] { CRect rc; GetBlockPinRect(&rc, pAnd, 3); return rc; }();
    const CRect out = [&] { CRect rc; GetBlockPinRect(&rc, pAnd, 10); return rc; }();
    const int y0 = in0.CenterPoint().y;
    const int x0 = in0.CenterPoint().x;
    const int yOut = out.CenterPoint().y;
    struct Case {
        CPoint pt;
        int nPin;
    };
    const Case cases[] = {
        {{in0.left - 2, y0}, 0},  {{in0.left - 3, y0}, -1},         // 2 units left of the stub
        {{in0.right, y0}, 0},     {{in0.right + 1, y0}, -1},        // 1 unit right (into the body)
        {{x0, in0.top - 1}, 0},   {{x0, in0.top - 2}, -1},          // 1 unit up
        {{x0, in3.bottom}, 3},    {{x0, in3.bottom + 1}, -1},       // 1 unit down
        {{in0.right - 1, y0}, 0},                                    // the pin before the body
        {{out.right + 1, yOut}, 10}, {{out.right + 2, yOut}, -1},    // 2 units right of an output
        {{out.left, yOut}, 10},   {{out.left - 1, yOut}, -1},       // but not left of it
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.pt.x << ", " << c.pt.y << ")");
        EXPECT_EQ(PinAt(pAnd, c.pt.x, c.pt.y), c.nPin);
    }
    // A point where the input stub reaches into the body is the body too.
    EXPECT_EQ(Doc().BlockAtPoint(in0.right - 1, y0), pAnd);
    EXPECT_EQ(PinAt(nullptr, x0, y0), -1);
    // A pin of kind 0 has no stub.
    const CPoint centre1 = PinCentre(pAnd, 1);
    EXPECT_EQ(PinAt(pAnd, centre1.x, centre1.y), 1);
    pAnd->m_nPinKind[1] = PINKIND_NONE;
    EXPECT_EQ(PinAt(pAnd, centre1.x, centre1.y), -1);
}

TEST_F(Selection, PinTestTakesInputsBeforeOutputs)
{
    CBlockObj* pNarrow = Block(BT_NOT, 100, 100);
    pNarrow->m_nWidth = 3; // the output stub's slack overlaps the input's
    const CPoint in = PinCentre(pNarrow, 0);
    ASSERT_EQ(in.y, PinCentre(pNarrow, 10).y);
    CRect out;
    GetBlockPinRect(&out, pNarrow, 10);
    EXPECT_EQ(PinAt(pNarrow, out.left, in.y), 0);
    EXPECT_EQ(PinAt(pNarrow, out.right, in.y), 10);
}

// ---- press in select mode ----

TEST_F(Selection, PressOnABlockSelectsItAloneAndStartsABlockDrag)
{
    auto [pA, pB, pLine] = Pair(300, 100);
    CBlockComment* pComment = Comment(500, 100);
    Select(pB);
    Select(pLine);
    Select(pComment);
    View().SetCurrentObjects(nullptr, pLine, pComment);

    EXPECT_EQ(Press({110, 110}), EDIT_MODE_DRAG_BLOCKS);
    EXPECT_TRUE(View().Selection().Contains(pA));
    EXPECT_EQ(View().Selection().Blocks().GetCount(), 1);
    EXPECT_TRUE(View().Selection().Lines().IsEmpty());
    EXPECT_TRUE(View().Selection().Comments().IsEmpty());
    EXPECT_EQ(View().CurrentBlock(), pA);
    EXPECT_EQ(View().CurrentLine(), nullptr);
    EXPECT_EQ(View().CurrentComment(), nullptr);
    EXPECT_EQ(pA->m_ptDragStart, pA->m_ptPos);
    EXPECT_TRUE(Consistent());
}

TEST_F(Selection, ControlClickOnASelectedBlockDropsItAndStillDragsTheRest)
{
    CBlockObj* pA = Block(BT_AND, 100, 100);
    CBlockObj* pB = Block(BT_AND, 300, 100);
    Select(pA);
    Select(pB);
    View().SetCurrentObjects(pA, nullptr, nullptr);
    EXPECT_EQ(Press({110, 110}, MK_CONTROL), EDIT_MODE_DRAG_BLOCKS);
    EXPECT_EQ(pA->m_bSelected, 0);
    EXPECT_FALSE(View().Selection().Contains(pA));
    EXPECT_TRUE(View().Selection().Contains(pB));
    EXPECT_EQ(View().CurrentBlock(), nullptr);
    EXPECT_TRUE(Consistent());
}

TEST_F(Selection, ControlClickOnAnUnselectedBlockAddsItWithoutADrag)
{
    CBlockObj* pA = Block(BT_AND, 100, 100);
    CBlockObj* pB = Block(BT_AND, 300, 100);
    Select(pB);
    EXPECT_EQ(Press({110, 110}, MK_CONTROL), EDIT_MODE_SELECT);
    EXPECT_TRUE(View().Selection().Contains(pA));
    EXPECT_TRUE(View().Selection().Contains(pB));
    EXPECT_EQ(View().CurrentBlock(), pA);
    EXPECT_TRUE(Consistent());
}

TEST_F(Selection, PressOnEmptySpaceClearsTheSelectionAndStartsABand)
{
    CBlockObj* pA = Block(BT_AND, 100, 100);
    CBlockComment* pComment = Comment(500, 100);
    Select(pA);
    Select(pComment);
    View().SetCurrentObjects(pA, nullptr, nullptr);
    EXPECT_EQ(Press({700, 500}), EDIT_MODE_BAND);
    EXPECT_EQ(View().Selection().Band(), CRect(700, 500, 700, 500));
    EXPECT_TRUE(View().Selection().Blocks().IsEmpty());
    EXPECT_TRUE(View().Selection().Comments().IsEmpty());
    EXPECT_EQ(View().CurrentBlock(), nullptr);
    EXPECT_TRUE(Consistent());
}

TEST_F(Selection, PressOnAWireSelectsItAndASecondPressOnItsPinGrabsThatEnd)
{
    auto [pA, pB, pLine] = Pair(300, 100);
    const CPoint onWire = pLine->m_arrVertices[1] + CPoint(0, -10);

    EXPECT_EQ(Press(onWire), EDIT_MODE_DRAG_LINE);
    EXPECT_TRUE(View().Selection().Contains(pLine));
    EXPECT_EQ(View().CurrentLine(), pLine);
    EXPECT_EQ(pLine->m_bEndDrag, 0);
    EXPECT_TRUE(Consistent());

    struct Case {
        CPoint pt;
        int nDragEnd;
    };
    const Case cases[] = {{PinCentre(pB, 0), 1}, {PinCentre(pA, 10), -1}};
    for (const Case& c : cases) {
        pLine->m_bEndDrag = 0;
        pLine->m_nDragEnd = 0;
        EXPECT_EQ(Press(c.pt), EDIT_MODE_DRAG_LINE);
        EXPECT_EQ(pLine->m_bEndDrag, 1);
        EXPECT_EQ(pLine->m_nDragEnd, c.nDragEnd);
        EXPECT_TRUE(View().Selection().Contains(pLine));
    }
}

TEST_F(Selection, AWireThatOnlyPassesAPinGrabsNoEnd)
{
    CBlockObj* pA = Block(BT_AND, 100, 100);
    CBlockObj* pB = Block(BT_AND, 400, 100);
    CBlockObj* pD = Block(BT_AND, 250, 292);
    const CPoint passed = PinCentre(pD, 0);
    ASSERT_EQ(passed.y, 300);
    CConnectLineObj* pLine = RoutedWire(pA, 10, pB, 0,
                                        {CPoint(200, 120), CPoint(200, 300), CPoint(300, 300), CPoint(300, 108)});
    Select(pLine);
    ASSERT_EQ(View().Selection().LineAt(passed.x, passed.y), pLine);
    EXPECT_EQ(Press(passed), EDIT_MODE_DRAG_LINE);
    EXPECT_EQ(pLine->m_bEndDrag, 0);
    EXPECT_EQ(pLine->m_nDragEnd, 0);
}

TEST_F(Selection, ControlClickTogglesAWireUnlessABlockIsUnderThePoint)
{
    auto [pA, pB, pLine] = Pair(300, 100);
    const CPoint onWire = pLine->m_arrVertices[1] + CPoint(0, -10);
    EXPECT_EQ(Press(onWire, MK_CONTROL), EDIT_MODE_SELECT);
    EXPECT_TRUE(View().Selection().Contains(pLine));
    // A selected wire under Control leaves the selection but the press still drags.
    EXPECT_EQ(Press(onWire, MK_CONTROL), EDIT_MODE_DRAG_LINE);
    EXPECT_FALSE(View().Selection().Contains(pLine));
    EXPECT_EQ(View().CurrentLine(), nullptr);
    // Over the pin stub of a block the Control press changes nothing.
    const CPoint atPin = PinCentre(pB, 0);
    EXPECT_EQ(Press(atPin, MK_CONTROL), EDIT_MODE_SELECT);
    EXPECT_FALSE(View().Selection().Contains(pLine));
    EXPECT_TRUE(Consistent());
}

TEST_F(Selection, PressOnACommentSelectsItAndControlTogglesIt)
{
    CBlockComment* pFirst = Comment(100, 100);
    CBlockComment* pSecond = Comment(300, 100);
    EXPECT_EQ(Press({110, 110}), EDIT_MODE_DRAG_COMMENTS);
    EXPECT_EQ(View().CurrentComment(), pFirst);
    EXPECT_EQ(pFirst->m_ptDragStart, CPoint(100, 100));
    EXPECT_EQ(Press({310, 110}, MK_CONTROL), EDIT_MODE_SELECT);
    EXPECT_TRUE(View().Selection().Contains(pFirst));
    EXPECT_TRUE(View().Selection().Contains(pSecond));
    EXPECT_EQ(Press({310, 110}, MK_CONTROL), EDIT_MODE_DRAG_COMMENTS);
    EXPECT_FALSE(View().Selection().Contains(pSecond));
    EXPECT_EQ(View().CurrentComment(), nullptr);
    EXPECT_TRUE(Consistent());
}

TEST_F(Selection, EveryPressThatStartsADragTakesTheDragStartsAfresh)
{
    CBlockObj* pA = Block(BT_AND, 100, 100);
    CBlockObj* pB = Block(BT_AND, 300, 100);
    CBlockComment* pComment = Comment(500, 100);
    Band({50, 50}, {700, 200});
    ASSERT_EQ(View().Selection().Blocks().GetCount(), 2);
    pA->m_ptDragStart = pB->m_ptDragStart = pComment->m_ptDragStart = CPoint(0, 0);
    EXPECT_EQ(Press({110, 110}), EDIT_MODE_DRAG_BLOCKS);
    EXPECT_EQ(pA->m_ptDragStart, CPoint(100, 100));
    EXPECT_EQ(pB->m_ptDragStart, CPoint(300, 100));
    EXPECT_EQ(pComment->m_ptDragStart, CPoint(500, 100));
}

// ---- clearing and asking ----

TEST_F(Selection, ClearSelectionClearsOnlyTheKindAsked)
{
    struct Case {
        BYTE nWhat;
        bool bBlocks;
        bool bLines;
        bool bComments;
    };
    const Case cases[] = {
        {SELECTION_ALL, false, false, false},
        {SELECTION_LINES, true, false, true},
        {SELECTION_BLOCKS, false, true, true},
        {SELECTION_COMMENTS, true, true, false},
    };
    auto [pA, pB, pLine] = Pair(300, 100);
    CBlockComment* pComment = Comment(500, 100);
    for (const Case& c : cases) {
        SCOPED_TRACE(int(c.nWhat));
        View().Selection().Clear(SELECTION_ALL);
        Select(pA);
        Select(pLine);
        Select(pComment);
        View().Selection().Clear(c.nWhat);
        EXPECT_EQ(pA->m_bSelected != 0, c.bBlocks);
        EXPECT_EQ(pLine->m_bLineSelected != 0, c.bLines);
        EXPECT_EQ(pComment->m_bCommentSelected != 0, c.bComments);
        EXPECT_TRUE(Consistent());
    }
}

TEST_F(Selection, IsSelectedAsksTheListsAndByNumberAnyEntryOfTheNumber)
{
    CBlockObj* pA = Block(BT_AND, 100, 100);
    CBlockObj* pTwin = Block(BT_AND, 300, 100);
    pTwin->m_nNumber = pA->m_nNumber;
    Select(pA);
    EXPECT_TRUE(View().Selection().Contains(pA, FALSE));
    EXPECT_FALSE(View().Selection().Contains(pTwin, FALSE));
    EXPECT_TRUE(View().Selection().Contains(pTwin, TRUE));
    EXPECT_FALSE(View().Selection().Contains(nullptr, TRUE));
    CConnectLineObj* pLine = Wire(pA, 10, pTwin, 0);
    CBlockComment* pComment = Comment(500, 100);
    EXPECT_FALSE(View().Selection().Contains(pLine));
    EXPECT_FALSE(View().Selection().Contains(pComment));
    Select(pLine);
    Select(pComment);
    EXPECT_TRUE(View().Selection().Contains(pLine));
    EXPECT_TRUE(View().Selection().Contains(pComment));
    EXPECT_FALSE(View().Selection().Contains(static_cast<const CConnectLineObj*>(nullptr)));
}

// ---- rubber band ----

TEST_F(Selection, BandSelectsTheSameWhicheverWayItIsDrawn)
{
    CBlockObj* pA = Block(BT_AND, 100, 100);
    CBlockObj* pB = Block(BT_AND, 300, 100);
    CBlockObj* pOutside = Block(BT_AND, 600, 100);
    CConnectLineObj* pLine = Wire(pA, 10, pB, 0);
    CBlockComment* pComment = Comment(150, 200);
    CBlockComment* pFar = Comment(700, 400);
    const CPoint tl(50, 50);
    const CPoint br(400, 300);
    const std::pair<CPoint, CPoint> bands[] = {
        {tl, br}, {br, tl}, {CPoint(br.x, tl.y), CPoint(tl.x, br.y)}, {CPoint(tl.x, br.y), CPoint(br.x, tl.y)}};
    for (const auto& [from, to] : bands) {
        SCOPED_TRACE(testing::Message() << "from (" << from.x << ", " << from.y << ")");
        View().Selection().Clear(SELECTION_ALL);
        Band(from, to);
        EXPECT_TRUE(pA->m_bSelected && pB->m_bSelected);
        EXPECT_EQ(pOutside->m_bSelected, 0);
        EXPECT_EQ(View().Selection().Blocks().GetCount(), 2);
        EXPECT_TRUE(View().Selection().Contains(pLine));
        EXPECT_TRUE(View().Selection().Contains(pComment));
        EXPECT_FALSE(View().Selection().Contains(pFar));
        EXPECT_TRUE(Consistent());
    }
}

TEST_F(Selection, BandTouchingAnEdgeDoesNotSelect)
{
    CBlockObj* pA = Block(BT_AND, 100, 100); // body (100, 100) - (125, 140)
    CBlockComment* pComment = Comment(300, 100, 60, 20);
    struct Case {
        CRect band;
        bool bBlock;
        bool bComment;
    };
    const Case cases[] = {
        {{50, 50, 100, 200}, false, false},  {{50, 50, 101, 200}, true, false},
        {{125, 50, 300, 200}, false, false}, {{124, 50, 301, 200}, true, true},
        {{50, 140, 400, 200}, false, false}, {{50, 139, 400, 200}, true, false},
        {{50, 120, 400, 200}, true, false},  {{50, 119, 400, 200}, true, true},
        {{50, 50, 400, 100}, false, false},  {{360, 50, 400, 200}, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << c.band.left << " " << c.band.top << " " << c.band.right << " "
                                        << c.band.bottom);
        Band(c.band.TopLeft(), c.band.BottomRight());
        EXPECT_EQ(pA->m_bSelected != 0, c.bBlock);
        EXPECT_EQ(pComment->m_bCommentSelected != 0, c.bComment);
        EXPECT_TRUE(Consistent());
    }
}

TEST_F(Selection, BandSelectsAWireOnlyWithBothItsEndBlocks)
{
    auto [pA, pB, pLine] = Pair(400, 100);
    // The band covers the whole wire and B's pin stub, but not B's body.
    Band({50, 50}, {400, 200});
    EXPECT_TRUE(pA->m_bSelected);
    EXPECT_FALSE(pB->m_bSelected);
    EXPECT_FALSE(pLine->m_bLineSelected);
    Band({50, 50}, {401, 200});
    EXPECT_TRUE(pLine->m_bLineSelected);
    EXPECT_TRUE(Consistent());
}

TEST_F(Selection, BandForgetsWhatTheBandBeforeItSelected)
{
    auto [pA, pB, pLine] = Pair(400, 100);
    Band({390, 50}, {450, 200}); // B alone
    ASSERT_TRUE(pB->m_bSelected);
    // The band moves over to A: B, listed after A, still has its flag when A is looked at.
    Band({50, 50}, {150, 200});
    EXPECT_TRUE(pA->m_bSelected);
    EXPECT_FALSE(pB->m_bSelected);
    EXPECT_FALSE(pLine->m_bLineSelected);
    EXPECT_TRUE(Consistent());
}

TEST_F(Selection, SelectLinesOfBlockFollowsTheOtherEnd)
{
    CBlockObj* pA = Block(BT_AND, 100, 100);
    CBlockObj* pB = Block(BT_AND, 400, 100);
    CBlockObj* pC = Block(BT_AND, 400, 300);
    CConnectLineObj* pToB = Wire(pA, 10, pB, 0);
    CConnectLineObj* pToC = Wire(pA, 10, pC, 0);
    Select(pA);
    Select(pB);
    Select(pToC); // C is not selected: the wire to it leaves the selection
    View().Selection().SelectLinesOfBlock(pA);
    EXPECT_TRUE(pToB->m_bLineSelected);
    EXPECT_FALSE(pToC->m_bLineSelected);
    EXPECT_TRUE(Consistent());
}

// ---- moving ----

TEST_F(Selection, MovingTwoConnectedBlocksMovesTheirWireWhole)
{
    auto [pA, pB, pLine] = Pair(400, 200);
    Band({50, 50}, {500, 300});
    ASSERT_TRUE(pLine->m_bLineSelected);
    const Points before = VerticesOf(pLine);
    View().MoveSelection(17, -9, nullptr);
    EXPECT_EQ(pA->m_ptPos, CPoint(117, 91));
    EXPECT_EQ(pB->m_ptPos, CPoint(417, 191));
    EXPECT_EQ(VerticesOf(pLine), Shifted(before, 17, -9));
    EXPECT_EQ(pLine->m_arrJunctions.GetSize(), pLine->m_arrVertices.GetSize());
    EXPECT_FALSE(pLine->IsJunction(0));
    EXPECT_TRUE(Consistent());
}

TEST_F(Selection, MovingOneBlockRelaysOnlyItsEnd)
{
    auto [pA, pB, pLine] = Pair(400, 200);
    const CPoint endBefore = pLine->m_ptEnd;
    ASSERT_EQ(Press({110, 110}), EDIT_MODE_DRAG_BLOCKS);
    View().MoveSelection(20, 30, nullptr);
    EXPECT_EQ(pLine->m_ptStart, PinCentre(pA, 10));
    EXPECT_EQ(pLine->m_ptEnd, endBefore);
    EXPECT_EQ(pB->m_ptPos, CPoint(400, 200));
    EXPECT_EQ(pLine->m_bMoved, 1);
    EXPECT_TRUE(Consistent());
    // The route stays orthogonal.
    const Points route = VerticesOf(pLine);
    for (std::size_t i = 1; i < route.size(); ++i)
        EXPECT_TRUE(route[i].x == route[i - 1].x || route[i].y == route[i - 1].y) << "segment " << i;
}

TEST_F(Selection, MovingNothingOrByNothingChangesNothing)
{
    CBlockObj* pA = Block(BT_AND, 100, 100);
    CBlockComment* pComment = Comment(300, 100);
    Select(pA);
    Select(pComment);
    View().MoveSelection(0, 0, nullptr);
    EXPECT_EQ(pA->m_ptPos, CPoint(100, 100));
    View().MoveSelection(-5, 4, nullptr);
    EXPECT_EQ(pA->m_ptPos, CPoint(95, 104));
    EXPECT_EQ(CPoint(pComment->m_nLeft, pComment->m_nTop), CPoint(295, 104));
}

TEST_F(Selection, SelectedWireBetweenUnselectedBlocksHasItsMiddleDraggedWithTheBlocks)
{
    auto [pA, pB, pLine] = Pair(400, 200); // four vertices
    Select(pLine);
    const Points before = VerticesOf(pLine);
    View().MoveSelection(12, 0, nullptr);
    Points expected = before;
    expected[1].x += 12;
    expected[2].x += 12;
    EXPECT_EQ(VerticesOf(pLine), expected);
    EXPECT_TRUE(Consistent());
}

using LadderRung = LadderDiagram;

TEST_F(LadderRung, MovingAContactKeepsItsRungFromTheRailHorizontal)
{
    CBlockObj* pContact = Block(BT_MAKE, 200, 300);
    CConnectLineObj* pRung = Wire(m_pRail, 10, pContact, 0);
    View().Selection().Add(pContact);
    View().MoveSelection(5, 7, nullptr);
    const CPoint pin = PinCentre(pContact, 0);
    EXPECT_EQ(pRung->m_ptEnd, pin);
    EXPECT_EQ(pRung->m_ptStart, CPoint(m_pRail->m_ptPos.x, pin.y));
    EXPECT_EQ(VerticesOf(pRung), (Points{pRung->m_ptStart, pRung->m_ptEnd}));
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));
}

TEST_F(LadderRung, ASelectedRungIsGrabbedAtTheRail)
{
    CBlockObj* pContact = Block(BT_MAKE, 200, 300);
    CConnectLineObj* pRung = Wire(m_pRail, 10, pContact, 0);
    View().Selection().Add(pRung);
    const CPoint onRail(m_pRail->m_ptPos.x + 1, pRung->m_ptStart.y);
    EXPECT_EQ(PowerBusAt(Doc(), onRail.x, onRail.y), m_pRail);
    EXPECT_EQ(View().PressInSelectMode(onRail.x, onRail.y, 0), EDIT_MODE_DRAG_LINE);
    EXPECT_EQ(pRung->m_bEndDrag, 1);
    EXPECT_EQ(pRung->m_nDragEnd, -1);
}

TEST_F(LadderRung, PowerBusIsHitSevenUnitsBesideItsRectangle)
{
    CRect rail;
    m_pRail->GetRect(&rail);
    const int y = rail.top + 100;
    EXPECT_EQ(PowerBusAt(Doc(), rail.left - 7, y), m_pRail);
    EXPECT_EQ(PowerBusAt(Doc(), rail.left - 8, y), nullptr);
    EXPECT_EQ(PowerBusAt(Doc(), rail.right + 6, y), m_pRail);
    EXPECT_EQ(PowerBusAt(Doc(), rail.right + 7, y), nullptr);
}

TEST_F(Selection, FunctionBlockDiagramHasNoPowerBusToHit)
{
    EXPECT_EQ(PowerBusAt(Doc(), 26, 200), nullptr);
}

// ---- dragging wire segments ----

const Points kTwo = {{100, 100}, {300, 100}};
const Points kThree = {{100, 100}, {200, 100}, {300, 100}};
const Points kFour = {{100, 100}, {200, 100}, {200, 150}, {300, 150}};
const Points kFive = {{100, 100}, {150, 100}, {150, 200}, {250, 200}, {300, 200}};
const Points kSix = {{100, 100}, {150, 100}, {150, 200}, {300, 200}, {300, 150}, {350, 150}};

struct SegmentCase {
    const char* pszName;
    int nMode;
    UINT nKey; // 0: the mouse
    int nSegment;
    int nDirection;
    Points before;
    int dx;
    int dy;
    Points after;
};

const SegmentCase kSegmentCases[] = {
    {"wire drag, horizontal segment", EDIT_MODE_DRAG_LINE, 0, 3, 1, kSix, 0, 10,
     {{100, 100}, {150, 100}, {150, 210}, {300, 210}, {300, 150}, {350, 150}}},
    {"wire drag, vertical segment", EDIT_MODE_DRAG_LINE, 0, 2, 0, kSix, 20, 0,
     {{100, 100}, {170, 100}, {170, 200}, {300, 200}, {300, 150}, {350, 150}}},
    {"wire drag, vertical segment 6 right of the output", EDIT_MODE_DRAG_LINE, 0, 2, 0, kSix, -44, 0,
     {{100, 100}, {106, 100}, {106, 200}, {300, 200}, {300, 150}, {350, 150}}},
    {"wire drag, vertical segment 5 right of the output stays", EDIT_MODE_DRAG_LINE, 0, 2, 0, kSix, -45, 0, kSix},
    {"wire drag, vertical segment 6 left of the input", EDIT_MODE_DRAG_LINE, 0, 4, 0, kSix, 44, 0,
     {{100, 100}, {150, 100}, {150, 200}, {344, 200}, {344, 150}, {350, 150}}},
    {"wire drag, vertical segment 5 left of the input stays", EDIT_MODE_DRAG_LINE, 0, 4, 0, kSix, 45, 0, kSix},
    {"wire drag, end segment of a straight wire", EDIT_MODE_DRAG_LINE, 0, 1, -1, kTwo, 3, 4,
     {{100, 100}, {200, 100}, {300, 100}}},
    {"wire drag, no direction", EDIT_MODE_DRAG_LINE, 0, 1, 7, kSix, 3, 4, kSix},
    {"block drag up, six vertices", EDIT_MODE_DRAG_BLOCKS, 0, 0, 0, kSix, 0, -10,
     {{100, 100}, {150, 100}, {150, 190}, {300, 190}, {300, 150}, {350, 150}}},
    {"block drag up, four vertices", EDIT_MODE_DRAG_BLOCKS, 0, 0, 0, kFour, 0, -10, kFour},
    {"block drag right, four vertices", EDIT_MODE_DRAG_BLOCKS, 0, 0, 0, kFour, 10, 0,
     {{100, 100}, {210, 100}, {210, 150}, {300, 150}}},
    {"block drag right, six vertices", EDIT_MODE_DRAG_BLOCKS, 0, 0, 0, kSix, 10, 0,
     {{100, 100}, {160, 100}, {160, 200}, {310, 200}, {310, 150}, {350, 150}}},
    {"block drag slanted, two vertices", EDIT_MODE_DRAG_BLOCKS, 0, 0, 0, kTwo, 10, 10, kThree},
    {"block drag slanted, three vertices", EDIT_MODE_DRAG_BLOCKS, 0, 0, 0, kThree, 10, 10,
     {{100, 100}, {210, 110}, {300, 100}}},
    {"block drag slanted, four vertices", EDIT_MODE_DRAG_BLOCKS, 0, 0, 0, kFour, 10, 10,
     {{100, 100}, {210, 110}, {210, 160}, {300, 150}}},
    {"block drag slanted, five vertices", EDIT_MODE_DRAG_BLOCKS, 0, 0, 0, kFive, 10, 10, kFive},
    {"block drag slanted, six vertices", EDIT_MODE_DRAG_BLOCKS, 0, 0, 0, kSix, 10, 10,
     {{100, 100}, {160, 110}, {160, 210}, {310, 210}, {310, 160}, {350, 150}}},
    {"block drag by nothing", EDIT_MODE_DRAG_BLOCKS, 0, 0, 0, kTwo, 0, 0, kTwo},
    {"key up, six vertices", EDIT_MODE_SELECT, VK_UP, 0, 0, kSix, 0, -1,
     {{100, 100}, {150, 100}, {150, 199}, {300, 199}, {300, 150}, {350, 150}}},
    {"key down, four vertices", EDIT_MODE_SELECT, VK_DOWN, 0, 0, kFour, 0, 1, kFour},
    {"key left, four vertices", EDIT_MODE_SELECT, VK_LEFT, 0, 0, kFour, -1, 0,
     {{100, 100}, {199, 100}, {199, 150}, {300, 150}}},
    {"key right, six vertices", EDIT_MODE_SELECT, VK_RIGHT, 0, 0, kSix, 1, 0,
     {{100, 100}, {151, 100}, {151, 200}, {301, 200}, {301, 150}, {350, 150}}},
    {"key right, five vertices", EDIT_MODE_SELECT, VK_RIGHT, 0, 0, kFive, 1, 0, kFive},
    {"another key", EDIT_MODE_SELECT, VK_HOME, 0, 0, kSix, 1, 0, kSix},
};

class DragSegmentTest : public ::testing::TestWithParam<SegmentCase> {};

TEST_P(DragSegmentTest, MovesTheSegmentsTheCaseNames)
{
    const SegmentCase& c = GetParam();
    CVetlaView view;
    CWireDrag drag(view);
    drag.Hold(c.nSegment, c.nDirection);
    auto pLine = Route(c.before);
    const UINT nKey = c.nKey;
    drag.DragSegment(c.dx, c.dy, *pLine, c.nKey ? &nKey : nullptr, c.nMode == EDIT_MODE_DRAG_LINE);
    EXPECT_EQ(VerticesOf(pLine.get()), c.after);
}

INSTANTIATE_TEST_SUITE_P(Segments, DragSegmentTest, ::testing::ValuesIn(kSegmentCases),
                         [](const testing::TestParamInfo<SegmentCase>& info) {
                             std::string name = info.param.pszName;
                             for (char& ch : name)
                                 if (!std::isalnum(static_cast<unsigned char>(ch)))
                                     ch = '_';
                             return name;
                         });

TEST(SegmentAtPinRow, KeepsVerticalSegmentsClearOfThePinsOnTheirRows)
{
    struct Case {
        int nStartPin;
        int nEndPin;
        int nSegment;
        int x;
        BOOL bBlocked;
    };
    // Four vertices: start (100, 100), (200, 100), (200, 150), end (300, 150).
    const Case cases[] = {
        {10, 0, 2, 105, TRUE},  {10, 0, 2, 106, FALSE}, // left of an output start's clearance
        {0, 0, 2, 95, TRUE},    {0, 0, 2, 94, FALSE},   // right of an input start's
        {10, 0, 2, 295, TRUE},  {10, 0, 2, 294, FALSE}, // right of an input end's
        {10, 10, 2, 305, TRUE}, {10, 10, 2, 306, FALSE}, // left of an output end's
        {10, 0, 9, 105, FALSE},                          // no such segment
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "pins " << c.nStartPin << "/" << c.nEndPin << " x " << c.x);
        CVetlaView view;
        CWireDrag drag(view);
        drag.Hold(c.nSegment, 0);
        auto pLine = Route(kFour, c.nStartPin, c.nEndPin);
        EXPECT_EQ(drag.IsSegmentAtPinRow(c.x, pLine.get()), c.bBlocked);
    }
    CVetlaView view;
    EXPECT_FALSE(CWireDrag(view).IsSegmentAtPinRow(0, nullptr));
}

// ---- staying on the base ----

TEST_F(Selection, CheckPlacementPullsPointsInsideTheMargins)
{
    // The base is (0, 0) - (2000, 1400).
    CBlockObj* pSized = Block(BT_AND, 0, 0);
    pSized->m_nWidth = 41;
    pSized->m_nHeight = 30;
    struct Case {
        CPoint pt;
        const CBlockObj* pObject;
        CPoint expected;
    };
    const Case cases[] = {
        {{10, 300}, nullptr, {25, 300}},     {{0, 0}, nullptr, {25, 25}},
        {{1990, 300}, nullptr, {1975, 300}}, {{500, 1380}, nullptr, {500, 1350}},
        {{500, 300}, nullptr, {500, 300}},   {{25, 25}, nullptr, {25, 25}},
        {{10, 10}, pSized, {20, 30}},        {{1970, 1370}, pSized, {1959, 1360}},
        {{500, 300}, pSized, {500, 300}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "(" << c.pt.x << ", " << c.pt.y << ")");
        POINT pt = c.pt;
        EXPECT_TRUE(View().CheckPlacement(&pt, c.pObject));
        EXPECT_EQ(CPoint(pt), c.expected);
    }
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(Selection, CheckPlacementRefusesAPointOffTheBase)
{
    const CPoint outside[] = {{2000, 300}, {-1, 300}, {500, 1400}, {500, -1}};
    for (const CPoint& pt : outside) {
        m_boxes.Clear();
        POINT point = pt;
        EXPECT_FALSE(View().CheckPlacement(&point, nullptr));
        EXPECT_EQ(CPoint(point), pt);
        ASSERT_EQ(m_boxes.Boxes().size(), 1u);
        EXPECT_EQ(m_boxes.Boxes()[0].text, kOffBaseText);
        EXPECT_EQ(m_boxes.Boxes()[0].type & MB_ICONMASK, MB_ICONSTOP);
        EXPECT_EQ(m_boxes.Beeps(), std::vector<UINT>{MB_ICONEXCLAMATION});
    }
}

TEST_F(Selection, DragEndingOnTheRightEdgeGoesBack)
{
    auto [pA, pB, pLine] = Pair(400, 300);
    Select(pA);
    Select(pLine);
    pA->m_ptDragStart = pA->m_ptPos;
    // The body's right edge 1 unit inside the base stays.
    pA->m_ptPos = CPoint(2000 - 25 - 1, 100);
    EXPECT_EQ(View().CheckDragEnd(), 0);
    EXPECT_EQ(pA->m_ptPos, CPoint(1974, 100));
    EXPECT_TRUE(m_boxes.Boxes().empty());
    // Exactly on the base's right edge is outside.
    pA->m_ptPos = CPoint(2000 - 25, 100);
    EXPECT_EQ(View().CheckDragEnd(), 1);
    EXPECT_EQ(pA->m_ptPos, CPoint(100, 100));
    EXPECT_EQ(pLine->m_ptStart, PinCentre(pA, 10));
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, kOffBaseText);
    EXPECT_EQ(m_boxes.Boxes()[0].type & (MB_ICONMASK | MB_TYPEMASK), MB_OK);
    EXPECT_EQ(m_boxes.Beeps(), std::vector<UINT>{MB_ICONEXCLAMATION});
    // The blocks stay selected; the wire does not.
    EXPECT_TRUE(pA->m_bSelected);
    EXPECT_FALSE(pLine->m_bLineSelected);
    EXPECT_TRUE(Consistent());
}

TEST_F(Selection, DragEndingAboveTheBaseGoesBackForCommentsToo)
{
    CBlockComment* pComment = Comment(300, 100);
    Select(pComment);
    pComment->m_ptDragStart = CPoint(300, 100);
    pComment->m_nTop = -1;
    EXPECT_EQ(View().CheckDragEnd(), 1);
    EXPECT_EQ(CPoint(pComment->m_nLeft, pComment->m_nTop), CPoint(300, 100));
    EXPECT_TRUE(pComment->m_bCommentSelected);
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);
    m_boxes.Clear();
    EXPECT_EQ(View().CheckDragEnd(), 0);
    EXPECT_TRUE(m_boxes.Boxes().empty());
    EXPECT_TRUE(Consistent());
}

TEST_F(Selection, APressDragAndDropOffTheBaseRestoresWhereThisDragStarted)
{
    auto [pA, pB, pLine] = Pair(400, 300);
    const Points route = VerticesOf(pLine);
    Band({50, 50}, {500, 400});
    // An earlier drag left its start behind.
    pA->m_ptDragStart = CPoint(0, 0);
    Press({110, 110});
    ASSERT_EQ(View().EditMode(), EDIT_MODE_DRAG_BLOCKS);
    View().MoveSelection(1700, 0, nullptr);
    EXPECT_EQ(View().CheckDragEnd(), 1);
    EXPECT_EQ(pA->m_ptPos, CPoint(100, 100));
    EXPECT_EQ(pB->m_ptPos, CPoint(400, 300));
    EXPECT_EQ(pLine->m_ptStart, route.front());
    EXPECT_EQ(pLine->m_ptEnd, route.back());
    EXPECT_TRUE(Consistent());
}

} // namespace
