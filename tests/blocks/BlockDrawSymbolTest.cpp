// The symbols inside the block bodies: where each family's text stands and in which font, the
// exact strokes of the on-delay example, the gates' bars, the ladder contacts and coils, the
// clock faces and the analog pictograms, and the blocks that only the newer controller
// generation shows.
#include "BlockDrawTestSupport.h"

#include "blocks/BlockTypes.h"

namespace {

class DrawSymbol : public BlockDrawTest {
protected:
    // A block of the default size 25 x 36 at (100, 100), its symbol drawn over the frame's
    // 12 x 6 font.
    CBlockObj* Symbol(int nType)
    {
        CBlockObj* pBlock = Place(nType);
        pBlock->m_nWidth = 25;
        pBlock->m_nHeight = 36;
        CFont frameFont;
        frameFont.CreateFont(12, 6, 0, 0, FW_NORMAL, 0, 0, 0, DEFAULT_CHARSET, OUT_TT_PRECIS, 0, 0,
                             FIXED_PITCH, _T("Arial"));
        CFont* pOld = m_dc.SelectObject(&frameFont);
        pBlock->DrawSymbol(&m_dc);
        m_dc.SelectObject(pOld);
        return pBlock;
    }
};

struct TextCase {
    int nType;
    const char16_t* pszText;
    POINT at;
    int nFontHeight;
    int nFontWidth;
};

class SymbolText : public DrawSymbol, public ::testing::WithParamInterface<TextCase> {};

TEST_P(SymbolText, StandsWhereTheFamilyPutsIt)
{
    const TextCase& c = GetParam();
    Symbol(c.nType);
    const DrawRecord* pText = FindText(c.pszText);
    ASSERT_NE(pText, nullptr) << Dump();
    EXPECT_EQ(At(pText->points[0]), At(c.at));
    EXPECT_EQ(pText->state.font.lfHeight, c.nFontHeight);
    EXPECT_EQ(pText->state.font.lfWidth, c.nFontWidth);
}

INSTANTIATE_TEST_SUITE_P(
    Families, SymbolText,
    ::testing::Values(TextCase{BT_ANALOG_IN, u"AI", {106, 112}, 12, 6},
                      TextCase{BT_AND, u"&", {108, 112}, 12, 8},
                      TextCase{BT_DDR, u"OFF-D", {105, 125}, 10, 3},
                      TextCase{BT_APG, u"A-P-G", {102, 126}, 10, 4},
                      TextCase{BT_AC, u"AC", {106, 121}, 12, 7},
                      TextCase{BT_AC, u"*", {101, 104}, 20, 12},
                      TextCase{BT_COUNTER, u"U/D", {103, 124}, 12, 6},
                      TextCase{BT_HCOUNTER, u"H-C", {103, 112}, 12, 6},
                      TextCase{BT_AMATH, u"+=", {106, 100}, 12, 7},
                      TextCase{BT_PWM, u"~", {106, 106}, 12, 7},
                      TextCase{BT_BOOLEAN, u"BOOL", {106, 124}, 9, 3},
                      TextCase{BT_BCD, u"BCD", {106, 112}, 12, 5},
                      TextCase{BT_ANDM, u"&", {109, 109}, 12, 8},
                      TextCase{BT_ANDM, u"MASK", {105, 124}, 10, 4},
                      TextCase{BT_MEM, u"MEM", {105, 112}, 10, 5},
                      TextCase{BT_SMCE, u"SMCE", {105, 112}, 11, 4},
                      TextCase{BT_ROUND, u"round", {101, 112}, 12, 5},
                      TextCase{BT_DATALOG, u"L", {111, 112}, 12, 5}));

// The example of the on-delay at the default size.
TEST_F(DrawSymbol, OnDelayDrawsItsArrowAndStep)
{
    Symbol(BT_DPR);
    const POINT lines[][2] = {{{106, 114}, {106, 103}}, {{106, 103}, {103, 107}},
                              {{106, 103}, {109, 107}}, {{104, 121}, {114, 121}},
                              {{114, 121}, {114, 113}}, {{114, 113}, {124, 113}}};
    for (const auto& line : lines)
        EXPECT_NE(FindLine(line[0], line[1]), nullptr) << At(line[0]) << "\n" << Dump();
    EXPECT_EQ(OfKind(DrawKind::Polyline).size(), std::size(lines));
    const DrawRecord* pText = FindText(u"ON-D");
    ASSERT_NE(pText, nullptr);
    EXPECT_EQ(At(pText->points[0]), At({100, 125}));
}

// ">1" is 16 x 12 in the 12 x 8 font and stands at (104, 112).
TEST_F(DrawSymbol, NorShowsTheNegationBarAndTheGreaterOrEqualLine)
{
    Symbol(BT_NOR);
    EXPECT_NE(FindLine({104, 111}, {120, 111}), nullptr) << Dump();
    EXPECT_NE(FindLine({104, 124}, {112, 124}), nullptr) << Dump();
    m_surface.Clear();
    Symbol(BT_OR);
    EXPECT_EQ(FindLine({104, 111}, {120, 111}), nullptr) << Dump();
}

TEST_F(DrawSymbol, NewerGenerationBlocksStayEmptyForAnOlderController)
{
    for (int nType : {BT_BCD, BT_ANDM, BT_SMCE, BT_SQRT, BT_ROUND, BT_DATALOG}) {
        for (WORD wHardware : {kOldHardware, kNewHardware}) {
            m_surface.Clear();
            m_active.Doc().m_wHardwareCode = wHardware;
            Symbol(nType);
            EXPECT_EQ(Records().empty(), wHardware == kOldHardware) << nType << "\n" << Dump();
        }
    }
}

TEST_F(DrawSymbol, MathTextKeepsItsPlaceInAWiderBlock)
{
    CBlockObj* pBlock = Place(BT_SQRT);
    pBlock->m_nWidth = 60;
    pBlock->DrawSymbol(&m_dc);
    const DrawRecord* pText = FindText(u"SQRT");
    ASSERT_NE(pText, nullptr);
    EXPECT_EQ(At(pText->points[0]), At({103, 112}));
}

TEST_F(DrawSymbol, ContactsDrawLeadsBarsAndTheAnalogBox)
{
    Symbol(BT_BREAK);
    for (const auto& line : {std::pair<POINT, POINT>{{100, 118}, {108, 118}},
                             {{116, 118}, {126, 118}}, {{108, 100}, {108, 136}},
                             {{116, 100}, {116, 136}}, {{114, 100}, {110, 136}}})
        EXPECT_NE(FindLine(line.first, line.second), nullptr) << At(line.first) << Dump();

    m_surface.Clear();
    Symbol(BT_ACONTACT);
    const DrawRecord* pLead = FindLine({116, 118}, {126, 118});
    ASSERT_NE(pLead, nullptr);
    EXPECT_EQ(pLead->state.pen.nWidth, 2);
    const auto ellipses = OfKind(DrawKind::Ellipse);
    ASSERT_EQ(ellipses.size(), 1u);
    EXPECT_EQ(ellipses[0]->rect.left, 118);
    EXPECT_EQ(ellipses[0]->rect.bottom, 108);
    EXPECT_EQ(ellipses[0]->state.brush.crColour, RGB(255, 222, 140));
}

TEST_F(DrawSymbol, CoilsWriteTheirBracketsInTheSwissFont)
{
    Symbol(BT_INV_OUT);
    const DrawRecord* pOpen = FindText(u"(");
    const DrawRecord* pClose = FindText(u")");
    ASSERT_TRUE(pOpen && pClose) << Dump();
    EXPECT_EQ(At(pOpen->points[0]), At({103, 100}));
    EXPECT_EQ(At(pClose->points[0]), At({118, 100}));
    EXPECT_EQ(pOpen->state.font.lfHeight, 32);
    EXPECT_EQ(pOpen->state.font.lfPitchAndFamily, FF_SWISS);
    EXPECT_NE(FindLine({115, 107}, {110, 129}), nullptr) << "the inverting slash\n" << Dump();
}

TEST_F(DrawSymbol, ClockFacesAreFilledOneStepOffTheBodyColour)
{
    for (int nType : {BT_WT, BT_YT, BT_AC, BT_SW}) {
        m_surface.Clear();
        Symbol(nType);
        const auto ellipses = OfKind(DrawKind::Ellipse);
        ASSERT_EQ(ellipses.size(), 1u) << nType;
        EXPECT_EQ(ellipses[0]->state.brush.crColour, RGB(255, 223, 140)) << nType;
    }
}

TEST_F(DrawSymbol, WatchdogArcsTurnClockwiseThenCounterClockwise)
{
    Symbol(BT_AWDOG);
    const auto arcs = OfKind(DrawKind::Arc);
    ASSERT_EQ(arcs.size(), 2u) << Dump();
    EXPECT_TRUE(arcs[0]->bClockwise);
    EXPECT_FALSE(arcs[1]->bClockwise);
    EXPECT_EQ(m_dc.GetArcDirection(), AD_COUNTERCLOCKWISE);
}

TEST_F(DrawSymbol, WifiAntennaIsDottedWithAWideDotAtItsFoot)
{
    Symbol(BT_WIFI_AOUT);
    const DrawRecord* pMast = FindLine({110, 107}, {110, 111});
    ASSERT_NE(pMast, nullptr) << Dump();
    EXPECT_EQ(pMast->state.pen.nStyle, PS_DOT);
    const auto dots = OfKind(DrawKind::Dot);
    ASSERT_EQ(dots.size(), 1u);
    EXPECT_EQ(At(dots[0]->points[0]), At({110, 111}));
    EXPECT_EQ(dots[0]->state.pen.nWidth, 4);
    EXPECT_NE(FindText(u"AQ"), nullptr);
}

}  // namespace
