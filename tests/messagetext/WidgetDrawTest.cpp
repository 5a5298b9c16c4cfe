// Element drawing in both styles and the block-type labels, read from a recording surface.
#include "messagetext/WidgetDraw.h"
#include "messagetext/WidgetTypeLabel.h"
#include "messagetext/WidgetTypePictogram.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/Widget.h"
#include "document/VetlaDoc.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace {

constexpr int kCell = 20;

class WidgetDraw : public testing::Test {
protected:
    WidgetDraw() { m_doc.m_wHardwareCode = 0x5188; }

    CBlockObj* AddBlock(int nType, int nNumber)
    {
        CBlockObj* pBlock = CreateBlockForType(nType, nullptr, &m_doc);
        pBlock->m_nNumber = nNumber;
        m_doc.AddBlock(pBlock);
        return pBlock;
    }
    CWidget& MakeWidget(int nKind, int nWidth, int nNumber, CBlockObj* pBlock, int nLines = 1)
    {
        m_widgets.push_back(std::make_unique<CWidget>(0, 0, nWidth * kCell, nLines * 30, RGB(128, 128, 128)));
        CWidget& widget = *m_widgets.back();
        widget.m_nKind = nKind;
        widget.m_nWidth = nWidth;
        widget.m_nBlockNumber = nNumber;
        widget.m_pBlock = pBlock;
        widget.m_nLine = 1;
        widget.m_nColumn = 1;
        return widget;
    }
    std::vector<std::u16string> Texts(CWidget& widget, BOOL bDetails)
    {
        m_surface.Clear();
        CDC dc(m_surface);
        DrawWidget(widget, dc, &m_doc, nullptr, bDetails);
        std::vector<std::u16string> texts;
        for (const auto& record : m_surface.Records())
            if (record.kind == RecordingSurface::Kind::Text)
                texts.push_back(record.text);
        return texts;
    }
    bool Shows(CWidget& widget, const std::u16string& text, BOOL bDetails = TRUE)
    {
        const auto texts = Texts(widget, bDetails);
        return std::find(texts.begin(), texts.end(), text) != texts.end();
    }

    CVetlaDoc m_doc;
    std::vector<std::unique_ptr<CWidget>> m_widgets;
    RecordingSurface m_surface{SIZE{400, 200}};
};

TEST_F(WidgetDraw, ReferencesOfIoPoints)
{
    EXPECT_TRUE(Shows(MakeWidget(0, 6, 101, AddBlock(600, 101)), u"I001"));
    EXPECT_TRUE(Shows(MakeWidget(0, 6, 617, AddBlock(605, 617)), u"Q101"));
    EXPECT_TRUE(Shows(MakeWidget(0, 6, 4009, AddBlock(608, 4009)), u"AI101"));
    EXPECT_TRUE(Shows(MakeWidget(0, 6, 4290, AddBlock(610, 4290)), u"AM2"));
    EXPECT_TRUE(Shows(MakeWidget(0, 6, 1017, AddBlock(602, 1017)), u"S1.1"));
    // Without a block the number's range names the point.
    EXPECT_TRUE(Shows(MakeWidget(0, 6, 4009, nullptr), u"AI101"));
    EXPECT_TRUE(Shows(MakeWidget(0, 6, 4009, nullptr), u"AI"));
}

TEST_F(WidgetDraw, FunctionBlockReferenceIsCutBesideTheTypeBox)
{
    CBlockObj* pCounter = AddBlock(800, 9012);
    CWidget& wide = MakeWidget(0, 8, 9012, pCounter);
    wide.m_strCaption = _T("Counter");
    EXPECT_TRUE(Shows(wide, u"B12 - Counter"));
    EXPECT_TRUE(Shows(wide, u"U/D"));
    // 60 pixels leave 35 beside the box: 8 characters of 4 pixels.
    CWidget& narrow = MakeWidget(0, 3, 9012, pCounter);
    narrow.m_strCaption = _T("Counter");
    EXPECT_TRUE(Shows(narrow, u"B12 - Co"));
}

TEST_F(WidgetDraw, SecondLinesOfTheGraphicElements)
{
    CBlockObj* pCounter = AddBlock(800, 9003);
    CWidget& scale = MakeWidget(WIDGET_KIND_SCALETIME, 11, 9003, pCounter);
    scale.m_nOption = 2;
    EXPECT_TRUE(Shows(scale, u"00:00:00"));
    EXPECT_TRUE(Shows(MakeWidget(WIDGET_KIND_BARGRAPH, 6, 9003, pCounter), u"Bar"));
    EXPECT_TRUE(Shows(MakeWidget(WIDGET_KIND_SCOPE, 12, 9003, pCounter, 3), u"Scope 12 X 3"));
    EXPECT_TRUE(Shows(MakeWidget(WIDGET_KIND_POINTER, 12, 9003, pCounter, 3), u"Pointer 12 X 3"));
}

TEST_F(WidgetDraw, GraphShowsNoTypeBoxInDetailAndBlankCellsOnTheLcd)
{
    CWidget& graph = MakeWidget(WIDGET_KIND_GRAPH, 12, -1, nullptr, 4);
    EXPECT_TRUE(Shows(graph, u"[Graph]"));
    EXPECT_TRUE(Shows(graph, u"Graph 12 X 4"));
    for (const auto& record : m_surface.Records())
        EXPECT_FALSE(record.kind == RecordingSurface::Kind::FillRect && record.colour == RGB(245, 217, 129));
    for (const auto& text : Texts(graph, FALSE))
        EXPECT_EQ(text, u" ");
}

TEST_F(WidgetDraw, LcdStyleRightAlignsOneCharacterPerCell)
{
    CBlockObj* pConst = AddBlock(800, 9004);
    CWidget& widget = MakeWidget(0, 6, 9004, pConst);
    widget.m_nParamId = 16;
    CString strValue;
    pConst->GetWidgetValueText(nullptr, &strValue, widget.m_nParamId, widget.m_nKind);
    const auto texts = Texts(widget, FALSE);
    ASSERT_EQ(int(texts.size()), std::max(6, strValue.GetLength()));
    const int nBlanks = int(texts.size()) - strValue.GetLength();
    for (int i = 0; i < int(texts.size()); ++i)
        EXPECT_EQ(texts[size_t(i)], i < nBlanks ? u" " : std::u16string(1, strValue.GetAt(i - nBlanks)));
    // Each character centred in its own cell, on the LCD's green.
    for (const auto& record : m_surface.Records()) {
        if (record.kind != RecordingSurface::Kind::Text)
            continue;
        EXPECT_EQ(record.state.crBk, RGB(85, 157, 85));
        // The height is B - T + 1 of a rectangle 30 high, less 3.
        EXPECT_EQ(record.state.font.lfHeight, 30 + 1 - 3);
    }
}

// An I/O status name shows its point's state by name on the LCD, one character in each of eight
// cells: Q1 through its block, and in a ladder the operand M2 through the coil that switches it.
TEST_F(WidgetDraw, LcdStyleShowsTheNameOfTheIoPointsState)
{
    const auto shown = [this](CWidget& widget) {
        std::u16string str;
        for (const auto& text : Texts(widget, FALSE))
            str += text;
        return str;
    };
    const auto named = [this](int nNumber, CBlockObj* pBlock) -> CWidget& {
        CWidget& widget = MakeWidget(WIDGET_KIND_IOSTATUSNAME, 8, nNumber, pBlock);
        for (int c = 1; c < WIDGET_NAME_COLUMNS; ++c) {
            widget.m_strNames[1][c] = c <= 3 ? CString(_T("OFF")).Mid(c - 1, 1) : CString(_T(" "));
            widget.m_strNames[2][c] = c <= 2 ? CString(_T("ON")).Mid(c - 1, 1) : CString(_T(" "));
        }
        return widget;
    };
    CBlockObj* pOutput = AddBlock(BT_OUT, NUM_OUTPUT + 1);
    CWidget& output = named(NUM_OUTPUT + 1, pOutput);
    EXPECT_EQ(shown(output), u"OFF     ");
    pOutput->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    EXPECT_EQ(shown(output), u"ON      ");

    m_doc.m_nDocType = DOC_TYPE_LAD;
    CBlockObj* pCoil = AddBlock(BT_RELAY_COIL, NUM_COIL);
    pCoil->m_nOperand = NUM_FLAG + 2;
    CWidget& flag = named(NUM_FLAG + 2, nullptr);
    EXPECT_EQ(shown(flag), u"OFF     ");
    pCoil->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    EXPECT_EQ(shown(flag), u"ON      ");
}

TEST_F(WidgetDraw, SelectionFrameAndDragOutline)
{
    CWidget& widget = MakeWidget(0, 4, 101, nullptr);
    CDC dc(m_surface);
    m_surface.Clear();
    DrawWidgetSelectionFrame(widget, dc);
    ASSERT_EQ(m_surface.Records().size(), 1u);
    const auto& frame = m_surface.Records()[0];
    EXPECT_EQ(frame.state.pen.crColour, RGB(255, 0, 0));
    EXPECT_EQ(frame.state.pen.nWidth, 2);
    EXPECT_EQ(frame.points.size(), 5u);
    m_surface.Clear();
    DrawWidgetDragOutline(widget, dc, CPoint(50, 60));
    ASSERT_EQ(m_surface.Records().size(), 1u);
    EXPECT_EQ(m_surface.Records()[0].state.nRop2, R2_NOT);
    EXPECT_EQ(m_surface.Records()[0].points[0].x, 50);
    EXPECT_EQ(m_surface.Records()[0].points[2].x, 50 + 4 * kCell);
    EXPECT_FALSE(widget.HitTest(CPoint(4 * kCell, 5)));
    EXPECT_TRUE(widget.HitTest(CPoint(4 * kCell - 1, 5)));
}

TEST_F(WidgetDraw, EveryLabelRowDrawsItsTextsInTheBox)
{
    const CRect box(1, 1, 24, 35);
    for (const BlockTypeRow& row : BlockTypeRows()) {
        m_surface.Clear();
        CDC dc(m_surface);
        DrawTypeLabel(dc, box, row.nType);
        std::vector<std::u16string> texts;
        for (const auto& record : m_surface.Records()) {
            if (record.kind != RecordingSurface::Kind::Text)
                continue;
            texts.push_back(record.text);
            EXPECT_EQ(record.state.crBk, RGB(245, 217, 129)) << row.nType;
            EXPECT_GE(record.points[0].y, box.top) << row.nType;
            EXPECT_LT(record.points[0].y, box.bottom) << row.nType;
        }
        std::vector<std::u16string> expected;
        if (row.typeBox.pszText)
            expected.emplace_back(row.typeBox.pszText);
        if (row.typeBox.pszSecond)
            expected.emplace_back(row.typeBox.pszSecond);
        EXPECT_EQ(texts, expected) << row.nType;
    }
}

// Segments, ellipses and arcs of a pictogram as the recording surface sees them.
struct ShapeCount {
    int nSegments = 0;
    int nEllipses = 0;
    int nArcs = 0;
    bool operator==(const ShapeCount&) const = default;
};

ShapeCount CountShapes(int nType)
{
    RecordingSurface surface{SIZE{100, 100}};
    CDC dc(surface);
    DrawTypeLabel(dc, CRect(1, 1, 24, 35), nType);
    ShapeCount count;
    for (const auto& record : surface.Records()) {
        if (record.kind == RecordingSurface::Kind::Polyline)
            count.nSegments += int(record.points.size()) - 1;
        count.nEllipses += record.kind == RecordingSurface::Kind::Ellipse ? 1 : 0;
        count.nArcs += record.kind == RecordingSurface::Kind::Arc ? 1 : 0;
    }
    return count;
}

// One pictogram of each kind of shape, drawn as the recording surface sees it.
TEST(TypePictogram, SegmentsEllipsesAndArcsAreDrawn)
{
    const struct {
        int nType;
        ShapeCount count;
    } expected[] = {{400, {6, 0, 0}}, {406, {20, 0, 0}}, {413, {7, 1, 0}}, {806, {8, 0, 2}}, {408, {0, 0, 0}}};
    for (const auto& e : expected)
        EXPECT_EQ(CountShapes(e.nType), e.count) << e.nType;
}

// A shape short of the points its kind needs is left out; the shapes after it are drawn.
TEST(TypePictogram, ShapeShortOfPointsIsLeftOut)
{
    const POINT corners[] = {{1, 1}, {8, 8}};
    const PictogramShape shapes[] = {{PictogramShape::ArcClockwise, corners}, {PictogramShape::Lines, corners}};
    RecordingSurface surface{SIZE{100, 100}};
    CDC dc(surface);
    DrawPictogram(dc, CRect(1, 1, 24, 35), shapes);
    ASSERT_EQ(surface.Records().size(), 1u);
    EXPECT_EQ(surface.Records()[0].kind, RecordingSurface::Kind::Polyline);
}

}  // namespace
