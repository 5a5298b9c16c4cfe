#include "editor/EditDocuments.h"

#include "blocks/BlockConnector.h"
#include "codec/ImageDecoder.h"
#include "codec/ImageEncoder.h"
#include "codec/VetlaCoreRule.h"
#include "document/ConnectorSearch.h"
#include "editor/DiagramEditHelpers.h"
#include "platform/core/CmdTarget.h"
#include "support/DecodeRoundTrip.h"
#include "support/LargestDiagram.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <sstream>
#include <string>
#include <memory>
#include <utility>
#include <vector>

namespace {

class ConnectorPairTest : public EditingTest {
protected:
    // I1 at (100, 100) wired to Q1 at (600, 300).
    struct Wired {
        CBlockObj* pIn;
        CBlockObj* pOut;
        CConnectLineObj* pLine;
        CPoint ptOutput;  // I1's output pin
        CPoint ptInput;   // Q1's input pin
    };
    static Wired Build(EditDocument& d, CPoint ptOut = CPoint(600, 300))
    {
        Wired w{};
        w.pIn = d.Block(BT_IN, 100, 100);
        w.pOut = d.Block(BT_OUT, ptOut.x, ptOut.y);
        w.pLine = d.Wire(w.pIn, 10, w.pOut, 0);
        w.ptOutput = PinCentre(w.pIn, 10);
        w.ptInput = PinCentre(w.pOut, 0);
        return w;
    }

    static void Separate(EditDocument& d, CConnectLineObj* pLine)
    {
        d.View().Selection().Clear(SELECTION_ALL);
        d.Select(pLine);
        d.View().SetCurrentObjects(nullptr, pLine, nullptr);
        d.View().SeparateLine();
    }
};

TEST_F(ConnectorPairTest, SearchOrderRunsOutwardInRings)
{
    EditDocument& d = NewDocument();
    std::unique_ptr<CBlockObj> pMale(NewConnector(d.Doc(), BT_MALE, nullptr, nullptr));
    std::unique_ptr<CBlockObj> pFemale(NewConnector(d.Doc(), BT_FEMALE, nullptr, nullptr));
    const std::vector<std::pair<int, int>> expected = {{0, 0},  {0, -1}, {0, 1},  {1, 0},  {0, -2}, {0, 2},
                                                       {1, -1}, {1, 1},  {1, -2}, {1, 2},  {2, 0}};
    for (std::size_t i = 0; i < expected.size(); ++i) {
        POINT offset = ConnectorSearchOffset(pMale.get(), int(i));
        EXPECT_EQ(std::pair(int(offset.x), int(offset.y)), expected[i]) << i;
        offset = ConnectorSearchOffset(pFemale.get(), int(i));
        EXPECT_EQ(std::pair(int(offset.x), int(offset.y)), std::pair(-expected[i].first, expected[i].second)) << i;
    }
    POINT last = ConnectorSearchOffset(pMale.get(), 135);
    EXPECT_EQ(std::pair(int(last.x), int(last.y)), std::pair(7, 8));
    last = ConnectorSearchOffset(pMale.get(), 136);
    EXPECT_EQ(std::pair(int(last.x), int(last.y)), std::pair(0, 0));
}

TEST_F(ConnectorPairTest, SeparatePutsTheFemaleBeforeTheInputAndTheMaleAfterTheOutput)
{
    EditDocument& d = NewDocument();
    const Wired w = Build(d);
    const int nUndoBefore = d.Doc().m_undo.m_nIndex;
    Separate(d, w.pLine);

    CBlockObj* pFemale = d.Doc().FindBlockByNumber(NUM_FEMALE);
    CBlockObj* pMale = d.Doc().FindBlockByNumber(NUM_MALE);
    ASSERT_NE(pFemale, nullptr);
    ASSERT_NE(pMale, nullptr);
    EXPECT_TRUE(pFemale->IsKindOf(RUNTIME_CLASS(CBlockFemale)));
    EXPECT_TRUE(pMale->IsKindOf(RUNTIME_CLASS(CBlockMale)));
    EXPECT_EQ(pFemale->m_ptPos, CPoint(w.ptInput.x - 35, w.ptInput.y - 5));
    EXPECT_EQ(pMale->m_ptPos, CPoint(w.ptOutput.x + 20, w.ptOutput.y - 5));
    EXPECT_EQ(pFemale->m_nWidth, 15);
    EXPECT_EQ(pFemale->m_nHeight, 10);

    // Two wires: Q1's input from the Female, the Male's input from I1.
    ASSERT_EQ(d.Lines().size(), 2u);
    CConnectLineObj* pIntoFemale = d.Doc().FindLineToConnector(pFemale);
    CConnectLineObj* pIntoMale = d.Doc().FindLineToConnector(pMale);
    ASSERT_NE(pIntoFemale, nullptr);
    ASSERT_NE(pIntoMale, nullptr);
    EXPECT_EQ(pIntoFemale->m_pStartBlock, w.pOut);
    EXPECT_EQ(pIntoMale->m_pStartBlock, w.pIn);
    EXPECT_EQ(w.pOut->m_nPinSource[0], NUM_FEMALE);
    EXPECT_EQ(pMale->m_nPinSource[0], w.pIn->m_nNumber);
    // The cut is one step of undo.
    EXPECT_EQ(d.Doc().m_undo.m_nIndex, nUndoBefore + 1);
    EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &d.View()));
}

TEST_F(ConnectorPairTest, ATakenSpotMovesTheMaleOneGridStepUp)
{
    EditDocument& d = NewDocument();
    const Wired w = Build(d);
    d.Block(BT_AND, w.ptOutput.x + 23, w.ptOutput.y - 3);
    Separate(d, w.pLine);
    CBlockObj* pMale = d.Doc().FindBlockByNumber(NUM_MALE);
    ASSERT_NE(pMale, nullptr);
    EXPECT_EQ(pMale->m_ptPos, CPoint(w.ptOutput.x + 20, w.ptOutput.y - 5 - 20));
    EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &d.View()));
}

// Beside an input at the sheet's left edge every spot further left is off the sheet, where the
// Female could be neither seen nor clicked: it is searched to the right instead, onto the sheet
// and clear of the block it feeds.
TEST_F(ConnectorPairTest, AFemaleAtTheLeftBorderIsSearchedTheOtherWayOntoTheSheet)
{
    EditDocument& d = NewDocument();
    const Wired w = Build(d, CPoint(20, 300));
    ASSERT_LT(w.ptInput.x - 35, 0) << "the Female's first spot is off the sheet";
    Separate(d, w.pLine);
    CBlockObj* pFemale = d.Doc().FindBlockByNumber(NUM_FEMALE);
    ASSERT_NE(pFemale, nullptr);
    const CRect rc = BlockRect(*pFemale);
    const CSize extent = d.View().GetTotalSize();
    EXPECT_GT(rc.left, 0);
    EXPECT_GT(rc.top, 0);
    EXPECT_LT(rc.right, extent.cx);
    EXPECT_LT(rc.bottom, extent.cy);
    CRect rcCommon;
    const CRect rcFed = BlockRect(*w.pOut);
    EXPECT_FALSE(rcCommon.IntersectRect(&rc, &rcFed));
    const CPoint centre = rc.CenterPoint();
    EXPECT_EQ(d.Doc().BlockAtPoint(centre.x, centre.y), pFemale) << "it can be clicked";
    EXPECT_EQ(w.pOut->m_nPinSource[0], NUM_FEMALE);
    EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &d.View()));
}

// A connector made off the sheet where no spot is free either way still goes onto the sheet.
TEST_F(ConnectorPairTest, WithNoFreeSpotAConnectorMadeOffTheSheetIsMovedOntoIt)
{
    EditDocument& d = NewDocument();
    d.Block(BT_AND, 5, 5);  // with its margins it takes every spot of a 40 x 40 sheet
    std::unique_ptr<CBlockObj> pFemale(NewConnector(d.Doc(), BT_FEMALE, nullptr, nullptr));
    pFemale->m_ptPos = CPoint(-19, 10);
    PlaceConnectorFree(d.Doc(), *pFemale, CSize(40, 40));
    EXPECT_EQ(pFemale->m_ptPos, CPoint(1, 10));
    EXPECT_EQ(pFemale->m_ptPos2, pFemale->m_ptPos);
}

// Without room for the pair the wire stays: the check comes before anything is removed.
TEST_F(ConnectorPairTest, WithoutRoomForThePairNothingChanges)
{
    EditDocument& d = NewDocument();
    const Wired w = Build(d);
    for (int i = 0; i < 1900; ++i) {
        CBlockObj* pMale = NewConnector(d.Doc(), BT_MALE, nullptr, nullptr);
        pMale->m_ptPos = CPoint(1900, 1400);
        d.Doc().m_blockList.AddTail(pMale);
    }
    d.View().OnCutJoinConnection();
    const Bytes before = d.Saved();
    Separate(d, w.pLine);
    EXPECT_EQ(d.Saved(), before);
    EXPECT_EQ(d.View().EditMode(), EDIT_MODE_SELECT);
    ASSERT_EQ(d.Lines().size(), 1u);
    EXPECT_EQ(d.Lines()[0], w.pLine);
}

TEST_F(ConnectorPairTest, JoinLeavesOneWireBetweenTheFarPins)
{
    for (const bool bFromWire : {false, true}) {
        EditDocument& d = NewDocument();
        Activate(d);
        const Wired w = Build(d);
        Separate(d, w.pLine);
        CBlockObj* pFemale = d.Doc().FindBlockByNumber(NUM_FEMALE);
        ASSERT_NE(pFemale, nullptr);
        CConnectLineObj* pToMale = d.Doc().FindLineToConnector(d.Doc().FindBlockByNumber(NUM_MALE));
        d.View().SetCurrentObjects(bFromWire ? nullptr : pFemale, bFromWire ? pToMale : nullptr, nullptr);
        d.View().JoinConnectorPair();

        EXPECT_EQ(d.CountType(BT_MALE) + d.CountType(BT_FEMALE), 0) << bFromWire;
        ASSERT_EQ(d.Lines().size(), 1u) << bFromWire;
        CConnectLineObj* pLine = d.Lines()[0];
        const bool bJoins = (pLine->m_pStartBlock == w.pOut && pLine->m_pEndBlock == w.pIn) ||
                            (pLine->m_pStartBlock == w.pIn && pLine->m_pEndBlock == w.pOut);
        EXPECT_TRUE(bJoins) << bFromWire;
        EXPECT_EQ(w.pOut->m_nPinSource[0], w.pIn->m_nNumber);
        EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &d.View()));
    }
}

TEST_F(ConnectorPairTest, SeparateCommandCutsAtThePressPointAndJoinsAPair)
{
    EditDocument& d = NewDocument();
    const Wired w = Build(d);
    // A point on the wire's horizontal run at I1's height.
    d.View().SetPressPoint(CPoint(w.ptOutput.x + 40, w.ptOutput.y));
    d.View().OnWireSeparate();
    EXPECT_EQ(d.CountType(BT_FEMALE), 1);
    EXPECT_EQ(d.Lines().size(), 2u);

    // On a wire into a connector the same command joins the pair again.
    CBlockObj* pMale = d.Doc().FindBlockByNumber(NUM_MALE);
    ASSERT_NE(pMale, nullptr);
    const CPoint ptMaleIn = PinCentre(pMale, 0);
    d.View().SetPressPoint(CPoint(ptMaleIn.x - 6, ptMaleIn.y));
    d.View().OnWireSeparate();
    EXPECT_EQ(d.CountType(BT_FEMALE), 0);
    EXPECT_EQ(d.Lines().size(), 1u);
    EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &d.View()));
}

TEST_F(ConnectorPairTest, ARungAtThePowerRailIsOnlyUnselected)
{
    EditDocument& d = NewDocument(DOC_TYPE_LAD);
    CBlockObj* pContact = d.Block(BT_MAKE, 200, 100);
    CConnectLineObj* pRung = d.Wire(d.Rail(), 10, pContact, 0);
    d.Select(pRung);
    const Bytes before = d.Saved();
    d.View().SetPressPoint(CPoint((pRung->m_ptStart.x + pRung->m_ptEnd.x) / 2, pRung->m_ptEnd.y));
    d.View().OnWireSeparate();
    EXPECT_EQ(d.Saved(), before);
    EXPECT_FALSE(pRung->m_bLineSelected);
    EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &d.View()));
}

TEST_F(ConnectorPairTest, GoToPartnerSelectsThePartner)
{
    EditDocument& d = NewDocument();
    const Wired w = Build(d);
    Separate(d, w.pLine);
    CBlockObj* pFemale = d.Doc().FindBlockByNumber(NUM_FEMALE);
    CBlockObj* pMale = d.Doc().FindBlockByNumber(NUM_MALE);
    d.View().SetCurrentObjects(pFemale, nullptr, nullptr);
    d.View().OnGoToPartner();
    EXPECT_EQ(d.View().CurrentBlock(), pMale);
    EXPECT_TRUE(pMale->m_bSelected);
    EXPECT_FALSE(pFemale->m_bSelected);
    EXPECT_EQ(d.View().Selection().Blocks().GetCount(), 1);
    EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &d.View()));
}

TEST_F(ConnectorPairTest, OnlyWiresThatCrossABlockAreCut)
{
    EditDocument& d = NewDocument();
    const Wired crossing = Build(d, CPoint(600, 100));
    d.Block(BT_AND, 300, 100);
    CBlockObj* pIn2 = d.Block(BT_IN, 100, 500);
    CBlockObj* pOut2 = d.Block(BT_OUT, 600, 500);
    CConnectLineObj* pClear = d.Wire(pIn2, 10, pOut2, 0);
    EXPECT_EQ(d.View().CutWiresCrossingBlocks(), 0);
    EXPECT_EQ(d.CountType(BT_MALE), 1);
    EXPECT_EQ(d.CountType(BT_FEMALE), 1);
    // The cut wire's memory may already hold one of the new wires: the wires are told apart by
    // their ends, not by their addresses.
    const std::vector<CConnectLineObj*> lines = d.Lines();
    const auto joins = [&lines](const CBlockObj* pFrom, const CBlockObj* pTo) {
        return std::count_if(lines.begin(), lines.end(), [&](const CConnectLineObj* pLine) {
            return pLine->m_pStartBlock == pFrom && pLine->m_pEndBlock == pTo;
        });
    };
    EXPECT_EQ(joins(crossing.pIn, crossing.pOut), 0);
    EXPECT_EQ(joins(pIn2, pOut2), 1);
    EXPECT_EQ(std::count(lines.begin(), lines.end(), pClear), 1);
    EXPECT_EQ(lines.size(), 3u);
    EXPECT_TRUE(DiagramIsConsistent(d.Doc(), &d.View()));
}

TEST_F(ConnectorPairTest, CutJoinModeTogglesAndIsOfferedWithWires)
{
    EditDocument& d = NewDocument();
    CCmdUI empty;
    d.View().OnUpdateCutJoinConnection(&empty);
    EXPECT_FALSE(empty.m_bEnabled);
    Build(d);
    d.View().OnCutJoinConnection();
    EXPECT_EQ(d.View().EditMode(), EDIT_MODE_CUT_JOIN);
    CCmdUI ui;
    d.View().OnUpdateCutJoinConnection(&ui);
    EXPECT_TRUE(ui.m_bEnabled);
    EXPECT_EQ(ui.m_nCheck, 1);
    d.View().OnCutJoinConnection();
    EXPECT_EQ(d.View().EditMode(), EDIT_MODE_SELECT);
}

// ---- the cut of an uploaded diagram against separating its wires one by one ----

// The program build() makes, encoded and decoded into the document as an upload gives it.
void DecodeInto(EditDocument& d, const std::function<void(CVetlaDoc&)>& build)
{
    CVetlaDoc source;
    source.m_wHardwareCode = HW_NEWER;
    build(source);
    int nTexts = 0;
    for (POSITION pos = source.m_blockList.GetHeadPosition(); pos;)
        nTexts += static_cast<CBlockObj*>(source.m_blockList.GetNext(pos))->m_nType == BT_MSGTEXT;
    CVetlaCoreRule encoder;
    encoder.m_pDoc = &source;
    ASSERT_TRUE(encoder.AllocImageBuffers(CODEC_MODE_DOWNLOAD, nTexts));
    ASSERT_TRUE(BuildProgramImage(encoder, {2026, 3, 0, 14, 9, 26, 53, 0}).bOk);
    Bytes image(encoder.Image(0).begin(), encoder.Image(0).end());
    image.insert(image.end(), encoder.Image(1).begin(), encoder.Image(1).end());
    image.insert(image.end(), encoder.TextArea().begin(), encoder.TextArea().end());
    CVetlaCoreRule upload;
    decode_round_trip::FillCodec(upload, image.data(), image.size());
    ASSERT_TRUE(DecodeProgramImage(upload, d.Doc()).bOk);
    d.View().UpdateScrollSizes();
}

// One input feeding the first pin of nGates AND gates, each gate feeding the next one's
// second pin: the layout runs the gates down a staircase that the input's wires cross.
void BuildFanOut(CVetlaDoc& doc, int nGates)
{
    CBlockObj* pInput = CreateBlockForType(BT_IN, nullptr, &doc);
    doc.AddBlock(pInput);
    CBlockObj* pLast = nullptr;
    for (int i = 0; i < nGates; ++i) {
        CBlockObj* pGate = CreateBlockForType(BT_AND, nullptr, &doc);
        doc.AddBlock(pGate);
        pGate->m_nPinSource[0] = pInput->m_nNumber;
        if (pLast)
            pGate->m_nPinSource[1] = pLast->m_nNumber;
        pLast = pGate;
    }
}

void BuildEighthOfLargest(CVetlaDoc& doc)
{
    BuildLargestDiagram(
        doc,
        [&doc](int nType) {
            CBlockObj* pBlock = CreateBlockForType(nType, nullptr, &doc);
            doc.AddBlock(pBlock);
            return pBlock;
        },
        [](CBlockObj* pFrom, CBlockObj* pTo, int nPin) { pTo->m_nPinSource[nPin] = pFrom->m_nNumber; }, 8);
}

// A segment meets the block widened by 2 at the sides and 5 on top.
bool CrossesAnyBlock(EditDocument& d, const CConnectLineObj& line)
{
    for (const CBlockObj* pBlock : d.Blocks()) {
        CRect rcBlock(pBlock->m_ptPos.x, pBlock->m_ptPos.y, pBlock->m_ptPos.x + pBlock->m_nWidth,
                      pBlock->m_ptPos.y + pBlock->m_nHeight);
        rcBlock.InflateRect(2, 5, 2, 0);
        for (INT_PTR i = 1; i < line.m_arrVertices.GetSize(); ++i) {
            const CPoint a = line.m_arrVertices[i - 1];
            const CPoint b = line.m_arrVertices[i];
            CRect rcSegment(a, b);
            rcSegment.NormalizeRect();
            rcSegment.InflateRect(a.x == b.x || a.y != b.y ? 2 : 0, a.x != b.x ? 2 : 0);
            CRect rcCommon;
            if (rcCommon.IntersectRect(&rcSegment, &rcBlock))
                return true;
        }
    }
    return false;
}

// The blocks with their places and pin sources, and the wires with their ends and vertices.
std::string Describe(EditDocument& d)
{
    std::ostringstream out;
    for (const CBlockObj* pBlock : d.Blocks()) {
        out << pBlock->m_nType << ' ' << pBlock->m_nNumber << " @" << pBlock->m_ptPos.x << ',' << pBlock->m_ptPos.y << ':';
        for (int nPin = 0; nPin < BLOCK_PIN_COUNT; ++nPin)
            out << ' ' << pBlock->m_nPinSource[nPin];
        out << '\n';
    }
    for (const CConnectLineObj* pLine : d.Lines()) {
        out << pLine->m_nStartBlock << '.' << pLine->m_nStartPin << " > " << pLine->m_nEndBlock << '.'
            << pLine->m_nEndPin << ':';
        for (INT_PTR i = 0; i < pLine->m_arrVertices.GetSize(); ++i)
            out << ' ' << pLine->m_arrVertices[i].x << ',' << pLine->m_arrVertices[i].y;
        out << '\n';
    }
    return out.str();
}

using NamedProgram = std::pair<const char*, std::function<void(CVetlaDoc&)>>;

class CrossingCutTest : public ConnectorPairTest, public ::testing::WithParamInterface<NamedProgram> {};

TEST_P(CrossingCutTest, GivesTheWiresOfSeparatingEachCrossingWireInTurn)
{
    EditDocument& cut = NewDocument();
    EditDocument& separated = NewDocument();
    DecodeInto(cut, GetParam().second);
    DecodeInto(separated, GetParam().second);
    ASSERT_EQ(Describe(cut), Describe(separated));
    cut.View().CutWiresCrossingBlocks();
    int nSeparated = 0;
    for (CConnectLineObj* pLine : separated.Lines()) {
        if (IsConnectorBlock(pLine->m_pStartBlock) || IsConnectorBlock(pLine->m_pEndBlock) ||
            !CrossesAnyBlock(separated, *pLine))
            continue;
        Separate(separated, pLine);
        ++nSeparated;
    }
    EXPECT_GT(nSeparated, 0);
    EXPECT_EQ(Describe(cut), Describe(separated));
    // Every wire ends on its pin, also where a connector stands close to another.
    EXPECT_TRUE(DiagramIsConsistent(cut.Doc(), &cut.View()));
    EXPECT_TRUE(DiagramIsConsistent(separated.Doc(), &separated.View()));
}

INSTANTIATE_TEST_SUITE_P(UploadedPrograms, CrossingCutTest,
                         ::testing::Values(NamedProgram{"FanOut", [](CVetlaDoc& doc) { BuildFanOut(doc, 30); }},
                                           NamedProgram{"EighthOfLargest", BuildEighthOfLargest}),
                         [](const auto& info) { return std::string(info.param.first); });

} // namespace
