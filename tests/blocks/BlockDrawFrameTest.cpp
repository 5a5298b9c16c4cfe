// The block drawing frame through the recording surface: pins and their colours, negation dots,
// the body and its outline, the label's place, the pin under the mouse, and that every symbol
// stays black whatever colour the block is drawn in.
#include "BlockDrawTestSupport.h"

#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/SimContext.h"

namespace {

const DrawRecord* Body(const std::vector<DrawRecord>& records)
{
    for (const DrawRecord& record : records) {
        if (record.kind == DrawKind::Polygon)
            return &record;
    }
    return nullptr;
}

class DrawFrame : public BlockDrawTest {};

// Every type of the catalogue, in edit colours and in both simulation colours: the body is
// outlined in the given colour (black for X, AI, AQ, AM) and filled with the body colour, and
// every stroke of the symbol after it is black.
TEST_F(DrawFrame, EveryTypeOutlinesInItsColourAndKeepsItsSymbolBlack)
{
    for (const BlockTypeRow& entry : FactoryTypeRows()) {
        // The contacts and the connectors draw themselves.
        if (entry.nType == BT_MAKE || entry.nType == BT_BREAK || entry.nType == BT_MALE ||
            entry.nType == BT_FEMALE)
            continue;
        for (COLORREF crColour : {kTestBlack, kTestRed, kTestBlue}) {
            m_surface.Clear();
            CBlockObj* pBlock = Place(entry.nType);
            pBlock->Draw(nullptr, &m_dc, TRUE, crColour);
            const DrawRecord* pBody = Body(Records());
            ASSERT_NE(pBody, nullptr) << entry.nType;
            const bool bBlackOutline = entry.nType == BT_OPENX || entry.nType == BT_ANALOG_IN ||
                                       entry.nType == BT_ANALOG_OUT ||
                                       entry.nType == BT_ANALOG_FLAG;
            EXPECT_EQ(pBody->state.pen.crColour, bBlackOutline ? kTestBlack : crColour)
                << entry.nType;
            EXPECT_EQ(pBody->state.brush.crColour, RGB(255, 222, 140)) << entry.nType;
            for (const DrawRecord* pRecord = pBody + 1; pRecord != Records().data() + Records().size();
                 ++pRecord) {
                if (pRecord->kind != DrawKind::Text) {
                    EXPECT_EQ(pRecord->state.pen.crColour, kTestBlack)
                        << entry.nType << "\n" << Dump();
                }
            }
        }
    }
}

TEST_F(DrawFrame, DrawingLeavesTheContextsObjectsSelected)
{
    CBlockObj* pBlock = Place(BT_DPR);
    CPen* pPen = m_dc.GetCurrentPen();
    CBrush* pBrush = m_dc.GetCurrentBrush();
    CFont* pFont = m_dc.GetCurrentFont();
    pBlock->Draw(nullptr, &m_dc, TRUE, kTestRed);
    EXPECT_EQ(m_dc.GetCurrentPen(), pPen);
    EXPECT_EQ(m_dc.GetCurrentBrush(), pBrush);
    EXPECT_EQ(m_dc.GetCurrentFont(), pFont);
}

// A 4-input AND (25 x 40, pitch 8) with input 1 high, input 2 low and the output high.
TEST_F(DrawFrame, InputStubsTakeThePinValueAndTheOutputStubTheBlockColour)
{
    struct Case {
        COLORREF crBlock;
        COLORREF crHighPin;
        COLORREF crLowPin;
    };
    for (const Case& c : {Case{kTestBlack, kTestBlack, kTestBlack},
                          Case{kTestBlue, kTestRed, kTestBlue}, Case{kTestRed, kTestRed, kTestBlue}}) {
        m_surface.Clear();
        CBlockObj* pBlock = Place(BT_AND);
        pBlock->m_nPinValue[1] = 1;
        pBlock->m_nPinValue[10] = 1;
        pBlock->Draw(nullptr, &m_dc, TRUE, c.crBlock);
        const DrawRecord* pHigh = FindLine({95, 116}, {100, 116});
        const DrawRecord* pLow = FindLine({95, 124}, {100, 124});
        const DrawRecord* pOut = FindLine({130, 120}, {125, 120});
        ASSERT_TRUE(pHigh && pLow && pOut) << Dump();
        EXPECT_EQ(pHigh->state.pen.crColour, c.crHighPin);
        EXPECT_EQ(pLow->state.pen.crColour, c.crLowPin);
        EXPECT_EQ(pOut->state.pen.crColour, c.crBlock);
        EXPECT_EQ(pOut->state.pen.nWidth, 1);
    }
}

TEST_F(DrawFrame, AnalogStubsAreBlackAndTwoWideInSimulation)
{
    CBlockObj* pBlock = Place(BT_BCD);  // analog input 0 and output, 25 x 36
    pBlock->m_nPinValue[0] = 1;
    pBlock->Draw(nullptr, &m_dc, TRUE, kTestRed);
    for (const DrawRecord* pStub : {FindLine({95, 118}, {100, 118}), FindLine({130, 118}, {125, 118})}) {
        ASSERT_NE(pStub, nullptr) << Dump();
        EXPECT_EQ(pStub->state.pen.crColour, kTestBlack);
        EXPECT_EQ(pStub->state.pen.nWidth, 2);
    }
}

// Pins of kind 0 leave a gap but still count in the spacing; a block without inputs draws its
// output alone.
TEST_F(DrawFrame, PinsOfKindNoneLeaveAGap)
{
    CBlockObj* pGate = Place(BT_AND);
    pGate->m_nPinKind[1] = PINKIND_NONE;
    pGate->Draw(nullptr, &m_dc, TRUE, kTestBlack);
    EXPECT_NE(FindLine({95, 108}, {100, 108}), nullptr);
    EXPECT_EQ(FindLine({95, 116}, {100, 116}), nullptr);
    EXPECT_NE(FindLine({95, 124}, {100, 124}), nullptr);
    EXPECT_NE(FindLine({95, 132}, {100, 132}), nullptr);

    m_surface.Clear();
    CBlockObj* pInput = Place(BT_IN, 100);
    pInput->Draw(nullptr, &m_dc, TRUE, kTestBlack);
    std::vector<const DrawRecord*> stubs;
    for (const DrawRecord* pLine : OfKind(DrawKind::Polyline)) {
        if (pLine->points.size() == 2)
            stubs.push_back(pLine);
    }
    ASSERT_EQ(stubs.size(), 1u) << Dump();
    EXPECT_EQ(At(stubs[0]->points[0]), At({130, 118}));
}

TEST_F(DrawFrame, NegationDotsSitBesideTheEdgeInThePinColour)
{
    struct Case {
        COLORREF crBlock;
        int nInputValue;
        COLORREF crInputDot;
        COLORREF crOutputDot;
    };
    for (const Case& c : {Case{kTestBlack, 1, kTestBlack, kTestBlack},
                          Case{kTestRed, 1, kTestRed, kTestBlue},
                          Case{kTestBlue, 0, kTestBlue, kTestBlue}}) {
        m_surface.Clear();
        CBlockObj* pBlock = Place(BT_AND);
        pBlock->m_bPinInvert[0] = 1;
        pBlock->m_bPinInvert[10] = 1;
        pBlock->m_nPinValue[0] = c.nInputValue;
        pBlock->Draw(nullptr, &m_dc, TRUE, c.crBlock);
        const auto dots = OfKind(DrawKind::Dot);
        ASSERT_EQ(dots.size(), 2u) << Dump();
        EXPECT_EQ(At(dots[0]->points[0]), At({98, 108}));
        EXPECT_EQ(dots[0]->state.pen.nWidth, 5);
        EXPECT_EQ(dots[0]->state.pen.crColour, c.crInputDot);
        EXPECT_EQ(At(dots[1]->points[0]), At({127, 120}));
        EXPECT_EQ(dots[1]->state.pen.crColour, c.crOutputDot);
    }
}

TEST_F(DrawFrame, LabelIsCentredOverTheBodyEvenWhenWider)
{
    CBlockObj* pBlock = Place(BT_DPR, 9012);
    pBlock->m_strLabelSuffix = _T("Pump");
    pBlock->Draw(nullptr, &m_dc, TRUE, kTestBlack);
    const DrawRecord* pLabel = FindText(u"B12 Pump");
    ASSERT_NE(pLabel, nullptr) << Dump();
    // 8 characters of 6 units over a body of 25: (25 - 48) / 2 truncates to -11.
    EXPECT_EQ(At(pLabel->points[0]), At({89, 84}));
    EXPECT_EQ(pLabel->state.font.lfHeight, 12);
    EXPECT_EQ(pLabel->state.font.lfWidth, 6);
}

class DrawLadderFrame : public BlockDrawTest {
protected:
    DrawLadderFrame() : BlockDrawTest(DOC_TYPE_LAD) {}
};

TEST_F(DrawLadderFrame, LadderElementsHaveNoOutlineWhileEdited)
{
    for (int nType : {BT_ACONTACT, BT_RELAY_COIL, BT_AOUT_LAD}) {  // the frame's ladder elements
        for (BOOL bSimulating : {FALSE, TRUE}) {
            m_surface.Clear();
            m_active.Sim().bSimulating = bSimulating;
            CBlockObj* pBlock = Place(nType, 21000);
            pBlock->Draw(&m_active.Sim(), &m_dc, TRUE, bSimulating ? kTestRed : kTestBlack);
            const DrawRecord* pBody = Body(Records());
            ASSERT_NE(pBody, nullptr);
            EXPECT_EQ(pBody->state.pen.nStyle, bSimulating ? PS_SOLID : PS_NULL) << nType;
            if (bSimulating) {
                EXPECT_EQ(pBody->state.pen.crColour, kTestRed);
            }
        }
    }
}

// The outline of the pin under the mouse: a closed five-point path round its rectangle.
int PinOutlines(const std::vector<DrawRecord>& records)
{
    int n = 0;
    for (const DrawRecord& record : records)
        n += record.kind == DrawKind::Polyline && record.points.size() == 5;
    return n;
}

struct CursorCase {
    int nDocType;
    int nType;
    int nPin;
    bool bConnected;
    SimPinTool tool;
    bool bOutlined;
};

class PinUnderCursor : public ::testing::TestWithParam<CursorCase> {};

TEST_P(PinUnderCursor, IsOutlinedWhenTheToolAndThePinAllowAWire)
{
    const CursorCase& c = GetParam();
    TestDocument active(c.nDocType);
    CBlockObj* pBlock = active.Add(CreateBlockForType(c.nType, nullptr, nullptr));
    pBlock->m_ptPos = CPoint(100, 100);
    pBlock->m_nNumber = 9000;
    if (c.bConnected)
        pBlock->m_nPinSource[c.nPin] = 100;
    CSimContext& sim = active.Sim();
    sim.pinTool = c.tool;

    // The view is zoomed 2:1, so the cursor is compared in device units.
    RecordingSurface surface;
    CDC dc(surface);
    dc.SetMapMode(MM_ANISOTROPIC);
    dc.SetWindowExt(1, 1);
    dc.SetViewportExt(2, 2);
    CRect pin;
    pBlock->GetPinRect(&pin, c.nPin, 5);
    sim.ptCursor = CPoint(2 * pin.CenterPoint().x, 2 * pin.CenterPoint().y);
    pBlock->Draw(&sim, &dc, TRUE, kTestBlack);
    EXPECT_EQ(PinOutlines(surface.Records()), c.bOutlined ? 1 : 0) << surface.Dump();

    surface.Clear();
    sim.ptCursor = CPoint(pin.CenterPoint().x, pin.CenterPoint().y);
    pBlock->Draw(&sim, &dc, TRUE, kTestBlack);
    EXPECT_EQ(PinOutlines(surface.Records()), 0) << "logical position taken for a device one";
}

INSTANTIATE_TEST_SUITE_P(
    Modes, PinUnderCursor,
    ::testing::Values(
        CursorCase{DOC_TYPE_FBD, BT_AND, 10, false, SimPinTool::Wiring, true},
        CursorCase{DOC_TYPE_FBD, BT_AND, 10, false, SimPinTool::Placing, true},
        CursorCase{DOC_TYPE_FBD, BT_AND, 10, false, SimPinTool::None, false},
        CursorCase{DOC_TYPE_FBD, BT_AND, 0, false, SimPinTool::Wiring, true},
        CursorCase{DOC_TYPE_FBD, BT_AND, 0, true, SimPinTool::Wiring, false},
        CursorCase{DOC_TYPE_LAD, BT_AND, 0, true, SimPinTool::Wiring, true},
        CursorCase{DOC_TYPE_LAD, BT_ACOMP, 0, true, SimPinTool::Wiring, false},
        CursorCase{DOC_TYPE_LAD, BT_ACOMP, 0, false, SimPinTool::Wiring, true},
        CursorCase{DOC_TYPE_LAD, BT_AWDOG, 1, true, SimPinTool::Wiring, false},
        CursorCase{DOC_TYPE_LAD, BT_AWDOG, 0, true, SimPinTool::Wiring, true}));

}  // namespace
