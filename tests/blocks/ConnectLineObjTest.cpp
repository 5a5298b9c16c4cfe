#include "RecordTestSupport.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/PowerBusObj.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

class ConnectLineObjTest : public testing::Test {
protected:
    static void SetUpTestSuite() { RegisterBlockClasses(); }

    CBlockObj* AddBlock(int nType, int nNumber)
    {
        CBlockObj* pBlock = m_active.Add(CreateBlockForType(nType, nullptr, nullptr));
        pBlock->m_nNumber = nNumber;
        return pBlock;
    }

    std::unique_ptr<CConnectLineObj> RoundTrip(const CConnectLineObj& line)
    {
        return LoadObjectAs<CConnectLineObj>(StoreObject(&line), &m_active.Doc());
    }

    TestDocument m_active;
};

void SetRoute(CConnectLineObj& line, std::initializer_list<CPoint> points)
{
    line.m_arrVertices.RemoveAll();
    for (const CPoint& pt : points)
        line.m_arrVertices.Add(pt);
    line.m_ptStart = *points.begin();
    line.m_ptEnd = *(points.end() - 1);
}

std::size_t CountRecords(const RecordingSurface& surface, RecordingSurface::Kind kind)
{
    return std::size_t(std::count_if(surface.Records().begin(), surface.Records().end(),
                                     [kind](const auto& r) { return r.kind == kind; }));
}

TEST_F(ConnectLineObjTest, NewWireHasSixEmptyJunctionsAndDrawsNoDot)
{
    CConnectLineObj line;
    ASSERT_EQ(line.m_arrJunctions.GetSize(), LINE_DEFAULT_JUNCTIONS);
    for (INT_PTR i = 0; i < line.m_arrJunctions.GetSize(); ++i)
        EXPECT_EQ(line.m_arrJunctions[i], CPoint(LINE_NO_JUNCTION, LINE_NO_JUNCTION));
    EXPECT_EQ(line.m_nLineAux[0], 1);
    EXPECT_EQ(line.m_nLineAux[1], 0);
    EXPECT_EQ(line.m_pStartBlock, nullptr);

    SetRoute(line, {{0, 0}, {10, 0}, {10, 20}, {30, 20}, {30, 40}, {50, 40}});
    RecordingSurface surface;
    CDC dc(surface);
    line.Draw(&dc, RGB(0, 0, 255), 0);
    EXPECT_EQ(CountRecords(surface, RecordingSurface::Kind::Dot), 0u);
    EXPECT_EQ(CountRecords(surface, RecordingSurface::Kind::Polyline), 5u);
}

TEST_F(ConnectLineObjTest, RecordHoldsTwelveIntsAndTwoPointLists)
{
    CConnectLineObj line;
    SetRoute(line, {{1, 2}, {3, 2}});
    line.m_nStartBlock = 100;
    line.m_nEndBlock = 9000;
    line.m_nStartPin = 10;
    line.m_nEndPin = 1;
    line.m_nLineAux[1] = 7;
    line.m_bEndDrag = 1;
    line.m_nDragEnd = -1;
    line.m_arrJunctions.SetSize(1);
    line.m_arrJunctions[0] = CPoint(3, 2);
    const Bytes bytes = StoreObject(&line);

    ByteWriter e;
    for (int v : {1, 2, 3, 2, 100, 9000, 10, 1, 1, 7, 1, -1})
        e.I32(v);
    e.W16(2);
    for (int v : {1, 2, 3, 2})
        e.I32(v);
    e.W16(1);
    e.I32(3);
    e.I32(2);
    const Bytes body(bytes.begin() + std::ptrdiff_t(ClassHeaderLength(&line)), bytes.end());
    EXPECT_EQ(body, e.b);
    EXPECT_EQ(ReadU16(bytes, 2), 0u) << "schema 0";

    auto pLoaded = RoundTrip(line);
    ASSERT_TRUE(pLoaded);
    EXPECT_EQ(pLoaded->m_pDoc, &m_active.Doc());
    EXPECT_EQ(StoreObject(pLoaded.get()), bytes);
}

TEST_F(ConnectLineObjTest, LoadedEndsResolveByNumberAndLadderWiresHangOnTheRail)
{
    CBlockObj* pInput = AddBlock(BT_IN, 100);
    CBlockObj* pGate = AddBlock(BT_AND, 9000);
    struct Case {
        int nDocType;
        int nStart;
        int nEnd;
        bool bStartIsRail;
        bool bEndIsRail;
    };
    const Case cases[] = {
        {DOC_TYPE_FBD, 100, 9000, false, false}, {DOC_TYPE_FBD, 5, 9001, false, false},
        {DOC_TYPE_LAD, -1, 9000, true, false},   {DOC_TYPE_LAD, 100, 9001, false, true},
        {DOC_TYPE_LAD, 7, 8, true, false},
    };
    auto* pRail = new CPowerBusObj(BT_POWERBUS);
    m_active.Doc().m_powerBusList.AddTail(pRail);
    for (const Case& c : cases) {
        m_active.Doc().m_nDocType = c.nDocType;
        CConnectLineObj line;
        SetRoute(line, {{0, 0}, {10, 0}});
        line.m_nStartBlock = c.nStart;
        line.m_nEndBlock = c.nEnd;
        auto pLoaded = RoundTrip(line);
        ASSERT_TRUE(pLoaded);
        EXPECT_EQ(pLoaded->m_pStartBlock, nullptr) << "the load itself resolves nothing";
        EXPECT_EQ(pLoaded->m_pEndBlock, nullptr);
        pLoaded->ResolveEnds();
        CBlockObj* pExpectedStart = c.bStartIsRail ? pRail : (c.nStart == 100 ? pInput : nullptr);
        CBlockObj* pExpectedEnd = c.bEndIsRail ? pRail : (c.nEnd == 9000 ? pGate : nullptr);
        EXPECT_EQ(pLoaded->m_pStartBlock, pExpectedStart) << c.nStart << " " << c.nDocType;
        EXPECT_EQ(pLoaded->m_pEndBlock, pExpectedEnd) << c.nEnd << " " << c.nDocType;
    }
}

TEST_F(ConnectLineObjTest, PinIndexOutsideTheTwentyPinsIsRefused)
{
    for (int nPin : {-1, 20, 0x7FFFFFFF}) {
        for (bool bStart : {true, false}) {
            CConnectLineObj line;
            (bStart ? line.m_nStartPin : line.m_nEndPin) = nPin;
            EXPECT_EQ(ArchiveFailure([&] { RoundTrip(line); }), CArchiveException::generic)
                << nPin;
        }
    }
}

TEST_F(ConnectLineObjTest, PenIsAsWideAsTheWiderEndPinAndOneWithoutEnds)
{
    CBlockObj* pInput = AddBlock(BT_IN, 100);          // digital output
    CBlockObj* pAnalogIn = AddBlock(BT_ANALOG_IN, 4000);  // analog output
    CBlockObj* pGate = AddBlock(BT_AND, 9000);          // digital inputs
    struct Case {
        CBlockObj* pStart;
        CBlockObj* pEnd;
        int nWidth;
    };
    const Case cases[] = {{pInput, pGate, 1}, {pAnalogIn, pGate, 2}, {nullptr, pGate, 1},
                          {pAnalogIn, nullptr, 2}, {nullptr, nullptr, 1}};
    for (const Case& c : cases) {
        CConnectLineObj line;
        SetRoute(line, {{0, 0}, {10, 0}});
        line.m_pStartBlock = c.pStart;
        line.m_pEndBlock = c.pEnd;
        line.m_nStartPin = 10;
        line.m_nEndPin = 0;
        EXPECT_EQ(line.GetPenWidth(), c.nWidth);
        RecordingSurface surface;
        CDC dc(surface);
        line.Draw(&dc, RGB(255, 0, 0), 0);
        ASSERT_FALSE(surface.Records().empty());
        EXPECT_EQ(surface.Records()[0].state.pen.nWidth, c.nWidth);
        EXPECT_EQ(surface.Records()[0].state.pen.crColour, RGB(255, 0, 0));
    }
}

// Junction entries beyond the vertex list mark nothing: a wire whose route was shortened keeps
// its six entries.
TEST_F(ConnectLineObjTest, JunctionDotsOnlyAtExistingVertices)
{
    CConnectLineObj line;
    SetRoute(line, {{0, 0}, {10, 0}, {10, 10}});
    for (INT_PTR i = 0; i < line.m_arrJunctions.GetSize(); ++i)
        line.m_arrJunctions[i] = CPoint(1, 1);
    line.m_arrJunctions[1] = CPoint(LINE_NO_JUNCTION, LINE_NO_JUNCTION);
    EXPECT_TRUE(line.IsJunction(0));
    EXPECT_FALSE(line.IsJunction(1));
    EXPECT_TRUE(line.IsJunction(2));
    EXPECT_FALSE(line.IsJunction(3));
    EXPECT_FALSE(line.IsJunction(-1));

    RecordingSurface surface;
    CDC dc(surface);
    line.Draw(&dc, RGB(0, 0, 255), 0);
    std::vector<POINT> dots;
    for (const auto& r : surface.Records()) {
        if (r.kind == RecordingSurface::Kind::Dot) {
            dots.push_back(r.points[0]);
            EXPECT_EQ(r.state.pen.nWidth, 8);
            EXPECT_EQ(r.state.pen.crColour, RGB(0, 0, 0));
        }
    }
    ASSERT_EQ(dots.size(), 2u);
    EXPECT_EQ(CPoint(dots[0]), CPoint(0, 0));
    EXPECT_EQ(CPoint(dots[1]), CPoint(10, 10));

    line.m_arrVertices.RemoveAll();
    surface.Clear();
    line.Draw(&dc, RGB(0, 0, 255), 0);
    EXPECT_TRUE(surface.Records().empty());
}

TEST_F(ConnectLineObjTest, HitTestFindsSegmentsAndTheirOrientation)
{
    CConnectLineObj line;
    SetRoute(line, {{0, 0}, {20, 0}, {20, 40}, {60, 40}});
    struct Case {
        CPoint pt;
        bool bHit;
        int nSegment;
        int nOrientation;
    };
    const Case cases[] = {
        {{10, 3}, true, 1, -1},   // first segment starts at the start point
        {{23, 20}, true, 2, 0},   // inner vertical segment
        {{17, 20}, true, 2, 0},
        {{25, 20}, false, 0, 0},  // 5 units away
        {{40, 44}, false, 0, 0},  // the band's bottom edge is outside
        {{62, 40}, true, 3, -1},  // last segment reaches past its end
        {{100, 100}, false, 0, 0},
    };
    for (const Case& c : cases) {
        int nSegment = 0;
        int nOrientation = 99;
        const BOOL bHit = line.HitTest(c.pt.x, c.pt.y, &nSegment, &nOrientation, nullptr);
        EXPECT_EQ(bHit != FALSE, c.bHit) << c.pt.x << "," << c.pt.y;
        if (c.bHit) {
            EXPECT_EQ(nSegment, c.nSegment) << c.pt.x << "," << c.pt.y;
            EXPECT_EQ(nOrientation, c.nOrientation) << c.pt.x << "," << c.pt.y;
        }
    }
    CConnectLineObj single;
    SetRoute(single, {{0, 0}});
    int nSegment = 0;
    int nOrientation = 0;
    EXPECT_FALSE(single.HitTest(0, 0, &nSegment, &nOrientation, nullptr));
}

// A dragged standard route is grabbed only at its middle segment; the margin test uses its own
// margin.
TEST_F(ConnectLineObjTest, DragAndMarginNarrowTheHitTest)
{
    CConnectLineObj line;
    SetRoute(line, {{0, 0}, {20, 0}, {20, 30}, {60, 30}, {60, 50}, {80, 50}});
    int flags[2] = {0, 1};
    int nSegment = 0;
    int nOrientation = 0;
    EXPECT_FALSE(line.HitTest(20, 10, &nSegment, &nOrientation, flags));
    EXPECT_TRUE(line.HitTest(40, 30, &nSegment, &nOrientation, flags));
    EXPECT_EQ(nSegment, 3);
    flags[0] = 1;
    EXPECT_TRUE(line.HitTest(20, 10, &nSegment, &nOrientation, flags));
    EXPECT_EQ(nSegment, 2);

    EXPECT_TRUE(line.HitTestMargin(20, 10, &nSegment, &nOrientation, 1));
    EXPECT_FALSE(line.HitTestMargin(22, 10, &nSegment, &nOrientation, 1));
    EXPECT_TRUE(line.HitTest(22, 10, &nSegment, &nOrientation, nullptr));
}

TEST_F(ConnectLineObjTest, CopyFromTakesGeometryAndEndsButNotJunctionsOrDragState)
{
    CBlockObj* pGate = AddBlock(BT_AND, 9000);
    CConnectLineObj source;
    SetRoute(source, {{0, 0}, {10, 0}, {10, 10}});
    source.m_nEndBlock = 9000;
    source.m_pEndBlock = pGate;
    source.m_nEndPin = 2;
    source.m_nLineAux[0] = 5;
    source.m_nLineAux[1] = 6;
    source.m_bEndDrag = 1;
    source.m_arrJunctions[0] = CPoint(0, 0);
    CConnectLineObj copy;
    copy.CopyFrom(&source);
    EXPECT_EQ(copy.m_pEndBlock, pGate);
    EXPECT_EQ(copy.m_nEndPin, 2);
    EXPECT_EQ(copy.m_ptEnd, CPoint(10, 10));
    EXPECT_EQ(copy.m_arrVertices.GetSize(), 3);
    EXPECT_EQ(copy.m_nLineAux[0], 5);
    EXPECT_EQ(copy.m_nLineAux[1], 0);
    EXPECT_EQ(copy.m_bEndDrag, 0);
    EXPECT_FALSE(copy.IsJunction(0));
    copy.CopyFrom(nullptr);
    EXPECT_EQ(copy.m_arrVertices.GetSize(), 3);
}

TEST_F(ConnectLineObjTest, DocumentLookupsWalkTheWireList)
{
    auto* pFirst = new CConnectLineObj;
    SetRoute(*pFirst, {{0, 0}, {0, 40}});
    auto* pSecond = new CConnectLineObj;
    SetRoute(*pSecond, {{-20, 20}, {20, 20}});
    m_active.Doc().m_lineList.AddTail(pFirst);
    m_active.Doc().m_lineList.AddTail(pSecond);
    EXPECT_EQ(FindLineAtPoint(&m_active.Doc(), 0, 20), pFirst);
    EXPECT_EQ(FindLineAtPoint(&m_active.Doc(), 10, 21), pSecond);
    EXPECT_EQ(FindLineAtPoint(&m_active.Doc(), 10, 30), nullptr);
    EXPECT_EQ(CountLinesAtPoint(&m_active.Doc(), 0, 20), 2);
    EXPECT_EQ(CountLinesAtPoint(&m_active.Doc(), 0, 30), 1);
    EXPECT_EQ(CountLinesAtPoint(nullptr, 0, 30), 0);
}

}  // namespace
