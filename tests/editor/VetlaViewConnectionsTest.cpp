// The connection upkeep of the diagram view: references cleared with a deleted block,
// message-text references, the page margins of a moved selection, wires and junction dots at a
// pin, reattaching a dragged wire end and tidying a dragged wire. Also the diagram consistency
// check that the editing tests share.
#include "editor/DiagramConsistency.h"
#include "editor/WiredDiagram.h"

#include "blocks/BlockComment.h"
#include "document/DocTestSupport.h"
#include "document/Junctions.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/Widget.h"

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
    pAnd->m_bSelected = 1;
    View().m_selBlocks.AddTail(pAnd);
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
    View().m_selLines.AddTail(pOther);
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

class LadderConsistencyTest : public WiredDiagram {
protected:
    LadderConsistencyTest() : WiredDiagram(DOC_TYPE_LAD) {}
};

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

// ---- references of a deleted block ----

// A parameter word as the reference table names it: P0-P4, Q0-Q8, A0/A1 of an analog block.
enum class W { P0, P1, P2, P3, P4, Q0, Q1, Q2, Q3, Q4, Q5, Q6, Q7, Q8, A0, A1 };

int& WordOf(CBlockObj* pBlock, W w)
{
    const int n = int(w);
    if (w <= W::P4)
        return pBlock->m_nParam[8 + n];
    if (w <= W::Q8)
        return pBlock->m_nParamEx[n - int(W::Q0)];
    auto* pAnalog = dynamic_cast<CBlockAnalog*>(pBlock);
    EXPECT_NE(pAnalog, nullptr);
    return w == W::A0 ? pAnalog->m_nThreshold1 : pAnalog->m_nThreshold2;
}

constexpr W kAllWords[] = {W::P0, W::P1, W::P2, W::P3, W::P4, W::Q0, W::Q1, W::Q2, W::Q3,
                           W::Q4, W::Q5, W::Q6, W::Q7, W::Q8};

class ReferenceTest : public WiredDiagram {
protected:
    static constexpr int kMark = 77;

    // A block of the type whose reference k names the source, every word kMark.
    CBlockObj* Referring(int nType, int k, CBlockObj* pSource)
    {
        CBlockObj* pBlock = Block(nType, 300, 300);
        for (W w : kAllWords)
            WordOf(pBlock, w) = kMark;
        if (dynamic_cast<CBlockAnalog*>(pBlock)) {
            WordOf(pBlock, W::A0) = kMark;
            WordOf(pBlock, W::A1) = kMark;
        }
        pBlock->m_pRefBlock[k] = pSource;
        pBlock->m_nRefBlock[k] = pSource->m_nNumber;
        pBlock->m_nParam[BLOCK_REF_USED_PARAM + k] = 1;
        return pBlock;
    }
};

struct ReferenceCase {
    int nType;
    int k;
    std::vector<std::pair<W, int>> resets;
};

// The words each kind of block falls back to when the block feeding reference k goes; every
// other word keeps its value.
TEST_F(ReferenceTest, DeletingTheSourceResetsTheWordsItFed)
{
    const ReferenceCase cases[] = {
        {BT_MFS, 3, {{W::Q8, 0}, {W::Q7, 0}}},
        {BT_DPR, 0, {{W::P3, 0}, {W::P1, 0}, {W::P0, 0}, {W::P2, 2}}},
        {BT_DDR, 1, {{W::P4, 0}, {W::Q1, 0}, {W::Q0, 0}, {W::Q2, 2}}},
        {BT_SLS, 2, {{W::Q6, 0}, {W::Q5, 0}}},
        {BT_COUNTER, 1, {{W::Q1, 0}}},
        {BT_ENCODER, 0, {{W::P1, 0}}},
        {BT_HCOUNTER, 0, {{W::P1, 0}, {W::P0, 0}}},
        {BT_THTRG, 0, {{W::Q1, 0}, {W::Q0, 0}}},
        {BT_PWM, 0, {{W::P3, 0}, {W::P1, 0}, {W::P0, 0}, {W::P2, 2}}},
        {BT_AMUX, 1, {{W::Q1, 0}}},
        {BT_AMATH, 3, {{W::Q8, 0}}},
        {BT_MAXMIN, 0, {{W::P1, 0}}},
        {BT_MAXMIN, 1, {{W::A1, 0}}},
        {BT_ACOMP, 0, {{W::A0, 0}}},
        {BT_PI, 2, {{W::Q6, 0}}},
        {BT_XORM, 0, {{W::P1, 0}}},
        {BT_WORD2BIT, 0, {{W::P1, 0}}},
        {BT_MEM, 0, {{W::P0, 0}, {W::P1, 0}}},
        {BT_SHR, 0, {{W::P1, 1}}},
        {BT_RAND, 0, {{W::P1, 1}}},
        {BT_PTOE, 0, {{W::Q6, 0}}},
        {BT_SMC, 1, {{W::Q1, 250}}},
        {BT_REM, 0, {{W::P1, 10}}},
        {BT_ROUND, 0, {{W::P2, 0}}},
        {BT_ARRMXIV, 1, {{W::Q1, 0}}},
    };
    CBlockObj* pSource = Block(BT_COUNTER, 40, 40);
    CBlockObj* pOther = Block(BT_COUNTER, 40, 140);
    for (const ReferenceCase& c : cases) {
        SCOPED_TRACE("type " + std::to_string(c.nType) + " reference " + std::to_string(c.k));
        CBlockObj* pBlock = Referring(c.nType, c.k, pSource);
        const int kOther = (c.k + 1) % BLOCK_REF_COUNT;
        pBlock->m_pRefBlock[kOther] = pOther;
        View().ClearReferencesTo(pSource);
        EXPECT_EQ(pBlock->m_pRefBlock[c.k], nullptr);
        EXPECT_EQ(pBlock->m_nParam[BLOCK_REF_USED_PARAM + c.k], 0);
        EXPECT_EQ(pBlock->m_pRefBlock[kOther], pOther) << "a reference to another block stays";
        for (W w : kAllWords) {
            int nExpected = kMark;
            for (const auto& [word, nValue] : c.resets)
                if (word == w)
                    nExpected = nValue;
            EXPECT_EQ(WordOf(pBlock, w), nExpected) << "word " << int(w);
        }
        for (const auto& [word, nValue] : c.resets)
            EXPECT_EQ(WordOf(pBlock, word), nValue) << "word " << int(word);
    }
}

// The clock timers and analog blocks without references in their records keep their words;
// the deleted block's address does not stay behind in them either.
TEST_F(ReferenceTest, BlocksWithoutARowKeepTheirWordsButNotTheAddress)
{
    CBlockObj* pSource = Block(BT_COUNTER, 40, 40);
    for (int nType : {BT_WT, BT_AC, BT_AAMP, BT_AND}) {
        SCOPED_TRACE("type " + std::to_string(nType));
        CBlockObj* pBlock = Referring(nType, 0, pSource);
        View().ClearReferencesTo(pSource);
        EXPECT_EQ(pBlock->m_pRefBlock[0], nullptr);
        EXPECT_EQ(pBlock->m_nParam[BLOCK_REF_USED_PARAM], 1) << "the use flag is the block's own";
        for (W w : kAllWords)
            EXPECT_EQ(WordOf(pBlock, w), kMark) << "word " << int(w);
    }
}

TEST_F(ReferenceTest, OlderGenerationExaminesOnlyTimersAndTheCounter)
{
    Doc().m_wHardwareCode = 0x2188;
    CBlockObj* pSource = Block(BT_COUNTER, 40, 40);
    CBlockObj* pTimer = Referring(BT_PLR, 0, pSource);
    CBlockObj* pCounter = Referring(BT_COUNTER, 1, pSource);
    CBlockObj* pPwm = Referring(BT_PWM, 0, pSource);
    CBlockObj* pTimer2 = Referring(BT_DPR, 1, pSource);
    View().ClearReferencesTo(pSource);

    EXPECT_EQ(pTimer->m_pRefBlock[0], nullptr);
    EXPECT_EQ(WordOf(pTimer, W::P2), 2);
    EXPECT_EQ(WordOf(pTimer, W::P0), 0);
    EXPECT_EQ(WordOf(pCounter, W::Q1), 0);
    EXPECT_EQ(pCounter->m_nParam[BLOCK_REF_USED_PARAM + 1], 0);
    for (CBlockObj* pKept : {pPwm, pTimer2})
        for (W w : kAllWords)
            EXPECT_EQ(WordOf(pKept, w), kMark) << "word " << int(w);
    EXPECT_EQ(WordOf(pPwm, W::A0), kMark);
    EXPECT_EQ(pPwm->m_nParam[BLOCK_REF_USED_PARAM], 1) << "the PWM block is not examined";
    EXPECT_EQ(pTimer2->m_nParam[BLOCK_REF_USED_PARAM + 1], 1) << "a timer's second reference is not examined";
    EXPECT_NE(pPwm->m_pRefBlock[0], pSource) << "but no pointer to the deleted block stays";
    EXPECT_NE(pTimer2->m_pRefBlock[1], pSource);
}

TEST_F(ReferenceTest, DataLogDropsEveryItemOfTheDeletedBlock)
{
    CBlockObj* pSource = Block(BT_COUNTER, 40, 40);
    CBlockObj* pKept = Block(BT_COUNTER, 40, 140);
    auto* pLog = static_cast<CBlockDataLog*>(Block(BT_DATALOG, 300, 40));
    for (CBlockObj* pItem : {pSource, pKept, pSource}) {
        DataLogItem item;
        item.strItem.Format(_T("B%d"), pItem->m_nNumber - NUM_FUNCTION_BLOCK);
        item.nValue1 = pItem->m_nNumber;
        item.nSpare = pItem;
        pLog->m_arrLogItems.Add(item);
    }
    pLog->m_nParam[DATALOG_COUNT_PARAM] = 3;
    View().ClearReferencesTo(pSource);
    ASSERT_EQ(pLog->m_arrLogItems.GetSize(), 1);
    EXPECT_EQ(pLog->m_arrLogItems[0].nSpare, pKept);
    EXPECT_EQ(pLog->m_nParam[DATALOG_COUNT_PARAM], 1);
}

// ---- message-text elements ----

class MsgTextRefTest : public WiredDiagram {
protected:
    CWidget* AddWidget(CBlockMSGTEXT* pText, int nArray, CBlockObj* pBlock, int nNumber)
    {
        auto* pWidget = new CWidget(10, 10, 60, 16, RGB(0, 0, 0));
        pWidget->m_pBlock = pBlock;
        pWidget->m_nBlockNumber = nNumber;
        pText->WidgetArray(nArray).Add(pWidget);
        return pWidget;
    }
    static std::vector<CWidget*> Widgets(CBlockMSGTEXT* pText)
    {
        std::vector<CWidget*> widgets;
        for (int a = 0; a < MSGTEXT_WIDGET_ARRAYS; ++a)
            for (INT_PTR i = 0; i < pText->WidgetArray(a).GetSize(); ++i)
                widgets.push_back(static_cast<CWidget*>(pText->WidgetArray(a)[i]));
        return widgets;
    }
};

TEST_F(MsgTextRefTest, ElementsGoByNumberOrByBlockAndKeepTheirNumbersCurrent)
{
    CBlockObj* pCounter = Block(BT_COUNTER, 40, 40);
    CBlockObj* pTimer = Block(BT_DPR, 40, 140);
    auto* pText = static_cast<CBlockMSGTEXT*>(Block(BT_MSGTEXT, 300, 40));
    auto* pText2 = static_cast<CBlockMSGTEXT*>(Block(BT_MSGTEXT, 300, 140));
    CWidget* pByNumber = AddWidget(pText, 0, nullptr, 9005);
    CWidget* pPointed = AddWidget(pText, 5, pCounter, 9005);
    CWidget* pTimerWidget = AddWidget(pText, 7, pTimer, pTimer->m_nNumber);
    pText->WidgetArray(2).Add(nullptr);
    CWidget* pOwn = AddWidget(pText2, 1, pText2, pText2->m_nNumber);
    CWidget* pOnText2 = AddWidget(pText, 3, pText2, pText2->m_nNumber);

    View().RemoveMsgTextRefsByNumber(9005);
    EXPECT_EQ(Widgets(pText), (std::vector<CWidget*>{nullptr, pOnText2, pPointed, pTimerWidget}))
        << "only the element without a block pointer goes";
    (void)pByNumber;

    View().RemoveMsgTextRefsByBlock(pText2);
    EXPECT_EQ(Widgets(pText), (std::vector<CWidget*>{nullptr, pPointed, pTimerWidget}));
    EXPECT_EQ(Widgets(pText2), std::vector<CWidget*>{pOwn}) << "the block's own elements stay";

    // The counter leaves the list and the timer takes its number, as a delete renumbers.
    Doc().m_blockList.RemoveAt(Doc().m_blockList.Find(pCounter));
    pTimer->m_nNumber = NUM_FUNCTION_BLOCK;
    View().RefreshMsgTextRefNumbers();
    EXPECT_EQ(pTimerWidget->m_nBlockNumber, NUM_FUNCTION_BLOCK);
    EXPECT_EQ(pPointed->m_nBlockNumber, 9005) << "a block no longer listed is not read";
    delete pCounter;
}

// ---- wires at a pin and junction dots ----

using PinLinesTest = WiredDiagram;

TEST_F(PinLinesTest, WiresAtAPinInListOrderByPointer)
{
    CBlockObj* pI1 = Block(BT_IN, 40, 40);
    CBlockObj* pAnd = Block(BT_AND, 200, 40);
    CBlockObj* pOr = Block(BT_OR, 200, 140);
    CConnectLineObj* pA = Wire(pI1, 10, pAnd, 0);
    Wire(pI1, 10, pOr, 0);
    CConnectLineObj* pC = Wire(pOr, 1, pI1, 10);  // drawn from the input end
    CPtrArray arr;
    arr.Add(nullptr);
    EXPECT_EQ(View().GetLinesAtPin(arr, pI1, 10), 3);
    EXPECT_EQ(arr[0], pA);
    EXPECT_EQ(arr[2], pC);
    EXPECT_EQ(View().CountLinesAtPin(pAnd, 0), 1);
    EXPECT_EQ(View().CountLinesAtPin(pAnd, 1), 0);
    EXPECT_EQ(View().CountLinesAtPin(pOr, 10), 0);
}

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
    View().UpdateJunctionsAtPin(pShort, m_pSource, FALSE, 10);
    EXPECT_EQ(Junctions(pShort), std::vector<int>{2});
    EXPECT_EQ(pShort->m_arrJunctions[2], pShort->m_arrVertices[2]);
    EXPECT_TRUE(Junctions(pLong).empty());
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));

    // Seen from the other wire the dot lands on the same vertex.
    ResetJunctions(pShort);
    View().UpdateJunctionsAtPin(pLong, m_pSource, FALSE, 10);
    EXPECT_EQ(Junctions(pShort), std::vector<int>{2});
    EXPECT_TRUE(Junctions(pLong).empty());
}

TEST_F(JunctionTest, WiresLeavingInOppositeDirectionsGetTheDotAtTheSharedVertex)
{
    CConnectLineObj* pUp = From(m_pTop, 0, {At(30, 0), CPoint(m_pOut.x + 30, PinCentre(m_pTop, 0).y)});
    CConnectLineObj* pDown = From(m_pBottom, 0, {At(30, 0), CPoint(m_pOut.x + 30, PinCentre(m_pBottom, 0).y)});
    View().UpdateJunctionsAtPin(pUp, m_pSource, FALSE, 10);
    EXPECT_EQ(Junctions(pUp), std::vector<int>{1});
    EXPECT_TRUE(Junctions(pDown).empty());
}

// Equal first segments mark nothing on their own; the wires meet at their ends only.
TEST_F(JunctionTest, EqualFirstSegmentsGetNoDot)
{
    const CPoint shared = At(40, 0);
    CConnectLineObj* pA = From(m_pTop, 0, {shared, CPoint(shared.x, PinCentre(m_pTop, 0).y)});
    CConnectLineObj* pB = From(m_pBottom, 0, {shared, CPoint(shared.x + 20, shared.y),
                                              CPoint(shared.x + 20, PinCentre(m_pBottom, 0).y)});
    View().UpdateJunctionsAtPin(pA, m_pSource, FALSE, 10);
    EXPECT_TRUE(Junctions(pA).empty());
    EXPECT_TRUE(Junctions(pB).empty());
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
    View().UpdateJunctionsAtPin(pUp, m_pSource, TRUE, 10);
    EXPECT_EQ(Junctions(pUp), std::vector<int>{1});
    EXPECT_EQ(Junctions(pDown), std::vector<int>{1}) << "both wires pass vertex 1";
    EXPECT_EQ(pDown->m_arrJunctions[1], pDown->m_arrVertices[1]) << "rewritten from the vertex";
    EXPECT_EQ(pDown->m_arrJunctions.GetSize(), pDown->m_arrVertices.GetSize());
}

// Wires made in one go (an upload, a conversion, a paste) get the dots the wire tool gives
// them when they are drawn one after the other.
TEST_F(JunctionTest, WiresMarkedInOneGoGetTheDotsOfDrawingThemInTurn)
{
    std::vector<CConnectLineObj*> lines;
    for (CBlockObj* pTo : {m_pTop, m_pMiddle, m_pBottom})
        lines.push_back(View().ConnectPins(m_pOut, m_pSource, 10, PinCentre(pTo, 0), pTo, 0));
    std::vector<std::vector<int>> drawn;
    for (CConnectLineObj* pLine : lines) {
        drawn.push_back(Junctions(pLine));
        ResetJunctions(pLine);
    }
    ASSERT_NE(drawn, std::vector<std::vector<int>>(3));
    MarkJunctionsOfWires(lines);
    for (std::size_t i = 0; i < lines.size(); ++i)
        EXPECT_EQ(Junctions(lines[i]), drawn[i]) << i;
}

// ---- tidying a dragged wire ----

using TidyTest = WiredDiagram;

TEST_F(TidyTest, ThreeVerticesBecomeAStraightWire)
{
    CBlockObj* pI1 = Block(BT_IN, 40, 40);
    CBlockObj* pAnd = Block(BT_AND, 200, 40);
    CConnectLineObj* pLine = RoutedWire(pI1, 10, pAnd, 0, {CPoint(100, 50)});
    View().TidyDraggedLine(pLine);
    ASSERT_EQ(pLine->m_arrVertices.GetSize(), 2);
    EXPECT_EQ(pLine->m_arrVertices[1], pLine->m_ptEnd);
}

struct TidyCase {
    const char* pszName;
    CPoint s;
    std::vector<CPoint> inner;
    CPoint e;
    std::vector<CPoint> expected;
};

TEST_F(TidyTest, MiddleRunsArePulledInsideTheEnds)
{
    const TidyCase cases[] = {
        {"4: right of the end", {100, 50}, {{250, 50}, {250, 90}}, {200, 90}, {{195, 50}, {195, 90}}},
        {"4: left of the start", {100, 50}, {{80, 50}, {80, 90}}, {200, 90}, {{105, 50}, {105, 90}}},
        {"4: inside stays", {100, 50}, {{150, 50}, {150, 90}}, {200, 90}, {{150, 50}, {150, 90}}},
        {"4: backwards, beyond the start", {200, 50}, {{230, 50}, {230, 90}}, {100, 90}, {{195, 50}, {195, 90}}},
        {"4: backwards, beyond the end", {200, 50}, {{60, 50}, {60, 90}}, {100, 90}, {{105, 50}, {105, 90}}},
        {"6: backwards, first run too near the start", {200, 50},
         {{203, 50}, {203, 120}, {90, 120}, {90, 90}}, {100, 90},
         {{205, 50}, {205, 120}, {90, 120}, {90, 90}}},
        {"6: backwards, last run too near the end", {200, 50},
         {{220, 50}, {220, 120}, {98, 120}, {98, 90}}, {100, 90},
         {{220, 50}, {220, 120}, {95, 120}, {95, 90}}},
        {"6: forwards, last run too near the end", {100, 50},
         {{90, 50}, {90, 120}, {203, 120}, {203, 90}}, {200, 90},
         {{90, 50}, {90, 120}, {205, 120}, {205, 90}}},
        {"6: forwards, first run too near the start", {100, 50},
         {{97, 50}, {97, 120}, {230, 120}, {230, 90}}, {200, 90},
         {{95, 50}, {95, 120}, {230, 120}, {230, 90}}},
    };
    for (const TidyCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        CConnectLineObj line;
        line.m_arrVertices.Add(c.s);
        for (const CPoint& pt : c.inner)
            line.m_arrVertices.Add(pt);
        line.m_arrVertices.Add(c.e);
        View().TidyDraggedLine(&line);
        ASSERT_EQ(line.m_arrVertices.GetSize(), INT_PTR(c.expected.size() + 2));
        EXPECT_EQ(line.m_arrVertices[0], c.s);
        for (std::size_t i = 0; i < c.expected.size(); ++i)
            EXPECT_EQ(line.m_arrVertices[INT_PTR(i + 1)], c.expected[i]) << "vertex " << i + 1;
        EXPECT_EQ(line.m_arrVertices[line.m_arrVertices.GetUpperBound()], c.e);
    }
}

// ---- the page margins of a moved selection ----

class PageMarginTest : public WiredDiagram {
protected:
    void Select(CBlockObj* pBlock)
    {
        pBlock->m_bSelected = 1;
        View().m_selBlocks.AddTail(pBlock);
    }
    // The step of a drag from the last mouse point one unit left (or up) to the current one.
    void StepBack(int dx, int dy)
    {
        View().m_ptLastMouse = CPoint(400, 400);
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
    auto* pComment = new CBlockComment;
    pComment->m_nLeft = 300;
    pComment->m_nTop = 12;
    pComment->m_nBoxWidth = 80;
    pComment->m_nBoxHeight = 30;
    Doc().m_commentList.AddTail(pComment);
    pComment->m_bCommentSelected = 1;
    View().m_selComments.AddTail(pComment);
    StepBack(0, -1);
    EXPECT_EQ(pComment->m_nTop, 13);
    View().ClearSelection(SELECTION_ALL);

    CBlockObj* pI1 = Block(BT_IN, 40, 200);
    CBlockObj* pAnd = Block(BT_AND, 200, 200);
    CConnectLineObj* pLine = RoutedWire(pI1, 10, pAnd, 0, {CPoint(100, 218), CPoint(100, 2), CPoint(150, 2),
                                                           CPoint(150, PinCentre(pAnd, 0).y)});
    const CArray<CPoint>& v = pLine->m_arrVertices;
    pLine->m_bLineSelected = 1;
    View().m_selLines.AddTail(pLine);
    View().m_ptLastMouse = CPoint(400, 400);
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
        View().m_pCurLine = pLine;
        View().m_nHoverVerdict = HOVER_ALLOWED;
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
        EXPECT_EQ(View().m_nHoverVerdict, nVerdict);
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

TEST_F(ReattachTest, DroppingOnAnInputAlreadyFedChangesNothing)
{
    ExpectRefused(m_pLine, true, m_pAnd, 1, HOVER_INCOMPATIBLE);
}

TEST_F(ReattachTest, OutputToOutputAndInputToInputAreRefused)
{
    ExpectRefused(m_pLine, true, m_pOr, 10, HOVER_INCOMPATIBLE);
    ExpectRefused(m_pLine, false, m_pOr, 0, HOVER_INCOMPATIBLE);
}

TEST_F(ReattachTest, TheEndMovesToTheNewInput)
{
    const int nUndo = Doc().m_undo.m_nIndex;
    Drop(m_pLine, true, m_pOr, 1);
    EXPECT_EQ(View().m_nHoverVerdict, HOVER_ALLOWED);
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
    EXPECT_EQ(View().CountLinesAtPin(m_pI1, 10), 2);
    EXPECT_EQ(View().CountLinesAtPin(m_pI2, 10), 1);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));
    CPtrArray arr;
    ASSERT_EQ(View().GetLinesAtPin(arr, m_pI2, 10), 1);
    const auto* pLeft = static_cast<const CConnectLineObj*>(arr[0]);
    for (INT_PTR i = 0; i < pLeft->m_arrJunctions.GetSize(); ++i) {
        if (pLeft->IsJunction(i)) {
            EXPECT_GE(CountLinesAtPoint(&Doc(), pLeft->m_arrVertices[i].x, pLeft->m_arrVertices[i].y), 2);
        }
    }
}

TEST_F(ReattachTest, ALoopIsRefusedWithTheRecursionVerdict)
{
    CBlockObj* pAnd2 = Block(BT_AND, 350, 40);
    Wire(m_pAnd, 10, pAnd2, 0);
    CConnectLineObj* pBack = Wire(m_pOr, 10, m_pAnd, 2);
    ExpectRefused(pBack, false, pAnd2, 10, HOVER_RECURSION);
}

TEST_F(ReattachTest, AWireIntoAMaleCannotStartAtAFemale)
{
    CBlockObj* pMale = Block(BT_MALE, 120, 300);
    CBlockObj* pFemale = Block(BT_FEMALE, 40, 300, pMale->m_nNumber + NUM_FEMALE_OFFSET);
    CConnectLineObj* pIntoMale = Wire(m_pOr, 10, pMale, 0);
    ExpectRefused(pIntoMale, false, pFemale, 10, HOVER_INCOMPATIBLE);
}

class LadderReattachTest : public WiredDiagram {
protected:
    LadderReattachTest() : WiredDiagram(DOC_TYPE_LAD) {}
};

// A rung dragged to another contact stays a straight run from the rail.
TEST_F(LadderReattachTest, ARungKeepsItsTwoPointsLevelWithTheNewContact)
{
    CBlockObj* pA = Block(BT_MAKE, 100, 40);
    CBlockObj* pB = Block(BT_MAKE, 100, 140);
    CConnectLineObj* pRung = Wire(m_pRail, 10, pA, 0);
    pRung->m_bEndDrag = 1;
    pRung->m_nDragEnd = 1;
    View().m_pCurLine = pRung;
    View().ReattachLineEnd(PinCentre(pB, 0), pB, 0);
    EXPECT_EQ(View().m_nHoverVerdict, HOVER_ALLOWED);
    ASSERT_EQ(pRung->m_arrVertices.GetSize(), 2);
    EXPECT_EQ(pRung->m_ptEnd, PinCentre(pB, 0));
    EXPECT_EQ(pRung->m_ptStart, CPoint(m_pRail->m_ptPos.x, PinCentre(pB, 0).y));
    EXPECT_EQ(pA->m_nPinSource[0], LINK_OPEN);
    EXPECT_TRUE(DiagramIsConsistent(Doc(), &View()));
}

}  // namespace
