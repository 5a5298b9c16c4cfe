#include "BlockObjTest.h"

#include "blocks/BlockLadder.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockTypes.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using Kind = RecordingSurface::Kind;

// A block whose step is counted, to see DrawSim step before it draws.
class CountingBlock : public CBlockObj {
public:
    CountingBlock() : CBlockObj(BT_AND, 1)
    {
        m_ptPos = CPoint(100, 100);
        m_nWidth = 25;
        m_nHeight = 36;
    }
    BOOL Simulate(const CSimContext*) override
    {
        ++m_nSteps;
        m_nPinValue[10] = 1;
        return TRUE;
    }
    void Draw(const CSimContext*, CDC*, BOOL, COLORREF crColor) override
    {
        m_crDrawn = crColor;
        m_nStepsAtDraw = m_nSteps;
    }
    int m_nSteps = 0;
    int m_nStepsAtDraw = -1;
    COLORREF m_crDrawn = 0xFFFFFFFF;
};

std::vector<POINT> Points(std::initializer_list<POINT> points)
{
    return points;
}

bool SamePoints(const std::vector<POINT>& a, const std::vector<POINT>& b)
{
    if (a.size() != b.size())
        return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].x != b[i].x || a[i].y != b[i].y)
            return false;
    }
    return true;
}

class BlockDraw : public ::testing::Test {
protected:
    RecordingSurface m_surface;
    CDC m_dc{m_surface};
};

TEST_F(BlockDraw, HighlightFillsTheBodyPolygon)
{
    CountingBlock block;
    block.DrawHighlight(&m_dc, RGB(255, 0, 0), TRUE);
    ASSERT_EQ(m_surface.Records().size(), 1u) << m_surface.Dump();
    const auto& body = m_surface.Records()[0];
    EXPECT_EQ(body.kind, Kind::Polygon);
    EXPECT_TRUE(SamePoints(body.points, Points({{100, 100}, {100, 136}, {125, 136}, {125, 100}})))
        << m_surface.Dump();
    EXPECT_EQ(body.state.pen.crColour, RGB(255, 0, 0));
    EXPECT_EQ(body.state.brush.crColour, RGB(255, 222, 140));
}

TEST_F(BlockDraw, SelectedBlockGetsFourRedHandles)
{
    CountingBlock block;
    block.DrawSelected(nullptr, &m_dc);
    EXPECT_EQ(block.m_crDrawn, RGB(0, 0, 0)) << "black outside a simulation";
    ASSERT_EQ(m_surface.Records().size(), 4u) << m_surface.Dump();
    EXPECT_TRUE(SamePoints(m_surface.Records()[2].points,
                           Points({{121, 132}, {121, 140}, {129, 140}, {129, 132}})));
    for (const auto& handle : m_surface.Records())
        EXPECT_EQ(handle.state.brush.crColour, RGB(255, 0, 0));

    CSimContext sim;
    sim.bSimulating = TRUE;
    block.m_nPinValue[10] = 0;
    block.DrawSelected(&sim, &m_dc);
    EXPECT_EQ(block.m_crDrawn, RGB(0, 0, 255));
}

// The scan steps the blocks before the paint draws them: drawing steps nothing.
TEST_F(BlockDraw, DrawSimDrawsInTheStateColourWithoutAStep)
{
    CountingBlock block;
    block.m_nPinValue[10] = 1;
    block.DrawSim(nullptr, &m_dc);
    EXPECT_EQ(block.m_nStepsAtDraw, 0);
    EXPECT_EQ(block.m_crDrawn, RGB(255, 0, 0));
    block.m_nPinValue[10] = 0;
    block.DrawSim(nullptr, &m_dc);
    EXPECT_EQ(block.m_crDrawn, RGB(0, 0, 255));
}

TEST_F(BlockDraw, StateLabelBelowTheOutputPin)
{
    CountingBlock block;  // pin 10 rectangle: (123, 114) - (132, 122)
    block.DrawStateLabel(nullptr, &m_dc);
    ASSERT_EQ(m_surface.Records().size(), 1u) << m_surface.Dump();
    const auto& text = m_surface.Records()[0];
    EXPECT_EQ(text.kind, Kind::Text);
    EXPECT_EQ(text.text, u"OFF");
    EXPECT_EQ(text.points[0].x, 126);
    EXPECT_EQ(text.points[0].y, 125);
    EXPECT_EQ(text.state.crText, RGB(0, 0, 0));
    EXPECT_EQ(text.state.font.lfHeight, 12);
    EXPECT_EQ(text.state.font.lfWidth, 6);

    m_surface.Clear();
    block.m_nPinValue[10] = 1;
    block.DrawStateLabel(nullptr, &m_dc);
    ASSERT_EQ(m_surface.Records().size(), 1u);
    EXPECT_EQ(m_surface.Records()[0].text, u"ON");
    EXPECT_EQ(m_surface.Records()[0].state.crText, RGB(255, 0, 0));

    m_surface.Clear();
    block.m_nPinKind[10] = PINKIND_NONE;  // no output kind: no label
    block.DrawStateLabel(nullptr, &m_dc);
    EXPECT_TRUE(m_surface.Records().empty());
}

TEST_F(BlockDraw, FlagsAndOpenConnectorsHaveNoStateLabel)
{
    CBlockFlag flag(BT_FLAG);
    flag.DrawStateLabel(nullptr, &m_dc);
    CBlockOpenX open(BT_OPENX);
    open.DrawStateLabel(nullptr, &m_dc);
    // The blocks themselves are drawn; only the ON/OFF text must be missing.
    for (const auto& record : m_surface.Records())
        EXPECT_TRUE(record.text != u"ON" && record.text != u"OFF") << m_surface.Dump();
}

std::vector<std::u16string> CommentLines(const RecordingSurface& surface)
{
    std::vector<std::u16string> lines;
    for (const auto& record : surface.Records())
        lines.push_back(record.text);
    return lines;
}

TEST_F(BlockDraw, OperandCommentLinesStandAboveTheElement)
{
    CountingBlock block;
    block.m_strComment = _T("first\r\nsecond");
    int nLineHeight = 12;
    block.DrawOperandComment(&m_dc, &nLineHeight);
    ASSERT_EQ(m_surface.Records().size(), 2u) << m_surface.Dump();
    EXPECT_EQ(m_surface.Records()[0].text, u"first");
    EXPECT_EQ(m_surface.Records()[0].points[0].y, 100 - 36);
    EXPECT_EQ(m_surface.Records()[1].text, u"second");
    EXPECT_EQ(m_surface.Records()[1].points[0].y, 100 - 24);
    EXPECT_EQ(m_surface.Records()[1].points[0].x, 100);

    m_surface.Clear();
    block.m_bShowComment = 0;
    block.DrawOperandComment(&m_dc, &nLineHeight);
    EXPECT_TRUE(m_surface.Records().empty());
}

TEST_F(BlockDraw, LadderCommentsComeFromTheOperand)
{
    TestDocument active(DOC_TYPE_LAD);
    CVetlaDoc& doc = active.Doc();
    doc.m_mapOperandComment.SetAt(100, _T("start button"));
    doc.m_mapOperandComment.SetAt(600, _T("motor"));
    doc.m_mapOperandComment.SetAt(4000, _T("level"));
    auto* pCoil = active.Add(new CBlockRelayCoil(BT_RELAY_COIL));
    pCoil->m_nNumber = 21000;
    pCoil->m_nOperand = 600;
    auto* pBlock = active.Add(new CBlockObj(BT_AND, 4));
    pBlock->m_nNumber = 9000;
    pBlock->m_strComment = _T("gate");
    auto* pMake = active.Add(new CBlockMake(BT_MAKE));
    pMake->m_strComment = _T("own");
    auto* pAContact = active.Add(new CBlockAContact(BT_ACONTACT));
    int nLineHeight = 12;

    struct Case {
        CBlockObj* pElement;
        int nOperand;
        const char16_t* text;
    } cases[] = {
        {pMake, 100, u"start button"}, {pMake, 21000, u"motor"}, {pMake, 9000, u"gate"},
        {pMake, 12345, u"own"},        {pCoil, 600, u"motor"},   {pAContact, 4000, u"level"},
        {pAContact, 9000, u"gate"},
    };
    for (const Case& c : cases) {
        m_surface.Clear();
        c.pElement->m_nOperand = c.nOperand;
        c.pElement->DrawOperandComment(&m_dc, &nLineHeight);
        EXPECT_EQ(CommentLines(m_surface), std::vector<std::u16string>{c.text}) << c.nOperand;
    }
}

}  // namespace
