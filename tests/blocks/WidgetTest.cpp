#include "blocks/RecordTestSupport.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockTypes.h"
#include "blocks/MessageTextClasses.h"
#include "blocks/ParamTables.h"
#include "blocks/Widget.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>

namespace {

// A parameter id whose table width is 5 cells.
constexpr int kFiveCellParam = 19;

class WidgetTest : public testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RegisterBlockClasses();
        RegisterMessageTextClasses();
    }
    void SetUp() override { m_active.Doc().m_wHardwareCode = kNewHardware; }

    std::unique_ptr<CWidget> RoundTrip(const CWidget& widget)
    {
        return LoadObjectAs<CWidget>(StoreObject(&widget), &m_active.Doc());
    }

    TestDocument m_active;
};

// A parameter element 4 cells of 10 pixels wide, starting at nColumn.
CWidget ParameterElement(int nColumn)
{
    CWidget widget(100, 20, 40, 16, RGB(128, 128, 128));
    widget.m_nLine = 2;
    widget.m_nColumn = nColumn;
    widget.m_nParamId = kFiveCellParam;
    widget.m_nKind = 1;
    widget.m_nWidth = 4;
    return widget;
}

TEST_F(WidgetTest, RecordHasTheElementLayout)
{
    CWidget widget(1, 2, 3, 4, RGB(128, 128, 255));
    widget.m_nLine = 1;
    widget.m_nColumn = 5;
    widget.m_nBlockNumber = 9002;
    widget.m_nParamId = 26;
    widget.m_strCaption = _T("Ax");
    widget.m_nKind = WIDGET_KIND_BARGRAPH;
    widget.m_nWidth = 6;
    widget.m_strNames[1][1] = _T("O");
    widget.m_nValueIndex = 1;
    widget.m_nMinValue = -10;
    widget.m_nMaxValue = 1000;
    widget.m_nOption = 6;
    const Bytes bytes = StoreObject(&widget);

    ByteWriter e;
    for (int v : {1, 2, 4, 6, int(RGB(128, 128, 255)), 1, 5, 9002, 26})
        e.I32(v);
    e.Str(u"Ax");
    e.I32(WIDGET_KIND_BARGRAPH);
    e.I32(6);
    for (int nRow = 0; nRow < 3; ++nRow) {
        for (int nCol = 0; nCol < 9; ++nCol)
            e.Str(nRow == 0 || nCol == 0 ? u"W" : (nRow == 1 && nCol == 1 ? u"O" : u" "));
    }
    for (int v : {1, -10, 1000, 6})
        e.I32(v);
    const Bytes body(bytes.begin() + std::ptrdiff_t(ClassHeaderLength(&widget)), bytes.end());
    EXPECT_EQ(body, e.b);
    EXPECT_EQ(ReadU16(bytes, 2), 1u) << "stored with schema 1";
}

TEST_F(WidgetTest, LoadedElementResolvesTheBlockThroughTheArchivesDocument)
{
    auto* pBlock = m_active.Add(new CBlockACOMP(BT_ACOMP));
    pBlock->m_nNumber = 9002;
    CWidget shown = ParameterElement(3);
    shown.m_nBlockNumber = 9002;
    auto pLoaded = RoundTrip(shown);
    ASSERT_TRUE(pLoaded);
    EXPECT_EQ(pLoaded->m_pBlock, nullptr) << "the load itself resolves nothing";
    pLoaded->ResolveBlock();
    EXPECT_EQ(pLoaded->m_pBlock, pBlock);
    EXPECT_EQ(pLoaded->m_pDoc, &m_active.Doc());
    EXPECT_EQ(StoreObject(pLoaded.get()), StoreObject(&shown));

    CWidget missing = ParameterElement(3);
    missing.m_nBlockNumber = 9100;
    pLoaded = RoundTrip(missing);
    ASSERT_TRUE(pLoaded);
    pLoaded->ResolveBlock();
    EXPECT_EQ(pLoaded->m_pBlock, nullptr);
}

TEST_F(WidgetTest, SchemaZeroRecordKeepsDefaultNamesAndSettings)
{
    CWidget widget = ParameterElement(3);
    widget.m_strNames[1][1] = _T("X");
    widget.m_nOption = 7;
    Bytes bytes = WithSchema(StoreObject(&widget), 0);
    // Cut the 27 name cells (one-unit strings of 6 bytes) and the four settings.
    bytes.resize(bytes.size() - 27 * 6 - 16);
    auto pLoaded = LoadObjectAs<CWidget>(bytes, &m_active.Doc());
    ASSERT_TRUE(pLoaded);
    EXPECT_EQ(pLoaded->m_strNames[1][1], _T(" "));
    EXPECT_EQ(pLoaded->m_nOption, 0);
    EXPECT_EQ(pLoaded->m_nColumn, 3);

    const Bytes schema2 = WithSchema(StoreObject(&widget), 2);
    EXPECT_EQ(ArchiveFailure([&] { LoadObjectAs<CWidget>(schema2, &m_active.Doc()); }),
              CArchiveException::badSchema);
}

// The older controllers show 12 columns; a parameter element is refitted to its table width
// and kept on the display.
TEST_F(WidgetTest, OlderModelsFitParameterElementsToTheirTableWidth)
{
    ASSERT_EQ(g_arrParamWidth[kFiveCellParam], 5);
    struct Case {
        WORD wModel;
        int nKind;
        int nColumn;
        int nExpectedColumn;
        CRect rcExpected;
        int nExpectedWidth;
    };
    const Case cases[] = {
        // Passing column 12 by one cell: moved one cell left.
        {kOldHardware, 1, 9, 8, CRect(90, 20, 140, 36), 5},
        // Still ending by column 12: grows to the right.
        {kOldHardware, 1, 8, 8, CRect(100, 20, 150, 36), 5},
        // Newer models keep whatever the element says.
        {kNewHardware, 1, 9, 9, CRect(100, 20, 140, 36), 4},
        // Special kinds have widths of their own.
        {kOldHardware, WIDGET_KIND_BARGRAPH, 9, 9, CRect(100, 20, 140, 36), 4},
    };
    for (const Case& c : cases) {
        m_active.Doc().m_wHardwareCode = c.wModel;
        CWidget widget = ParameterElement(c.nColumn);
        widget.m_nKind = c.nKind;
        auto pLoaded = RoundTrip(widget);
        ASSERT_TRUE(pLoaded);
        EXPECT_EQ(pLoaded->m_nColumn, c.nExpectedColumn) << c.nColumn << " " << c.nKind;
        EXPECT_EQ(pLoaded->m_rect, c.rcExpected) << c.nColumn << " " << c.nKind;
        EXPECT_EQ(pLoaded->m_nWidth, c.nExpectedWidth) << c.nColumn << " " << c.nKind;
    }
}

TEST_F(WidgetTest, ZeroWidthElementThatNeedsARefitIsRefused)
{
    m_active.Doc().m_wHardwareCode = kOldHardware;
    CWidget widget = ParameterElement(3);
    widget.m_nWidth = 0;
    const Bytes bytes = StoreObject(&widget);
    EXPECT_EQ(ArchiveFailure([&] { LoadObjectAs<CWidget>(bytes, &m_active.Doc()); }),
              CArchiveException::generic);
}

// A record whose place is off the LCD or whose width or kind is impossible is a damaged file:
// refused before anything divides by its width or indexes a line list with its line.
TEST_F(WidgetTest, DamagedPlacementsAreRefused)
{
    struct Case {
        int nLine, nColumn, nWidth, nKind;
        bool bLoads;
    };
    const Case cases[] = {
        {2, 3, 4, 1, true},
        {2, 0x7FFFFFF0, -1, 1, false},
        {1, 3, 0, 1, false},
        {0, 3, 4, 1, true},    // line 0 or column 0: not placed
        {-1, -1, 5, -1, true},
        {5, 3, 4, 1, false},
        {-1, -1, 5, 1, true},  // not placed yet
        {-2, 3, 4, 1, false},
        {1, 3, -1, 1, false},
        {2, 25, 4, 1, false},
        {2, 0, 4, 1, true},
        {2, 3, 4, -1, false},
        {2, 3, 25, 1, false},
        {2, 21, 4, 1, true},   // ends in the last column
        {2, 22, 4, 1, false},  // starts on the LCD, ends past it
        {1, 20, 12, WIDGET_KIND_GRAPH, false},
        {2, 3, 4, -98, false},
        {2, 3, 4, -105, false},
        {2, 3, 4, 12, false},
        {2, 3, 12, WIDGET_KIND_SCOPE, true},
        {3, 3, 12, WIDGET_KIND_SCOPE, false},
        {1, 3, 12, WIDGET_KIND_GRAPH, true},
        {2, 3, 12, WIDGET_KIND_GRAPH, false},
    };
    for (const WORD wModel : {kOldHardware, kNewHardware}) {
        m_active.Doc().m_wHardwareCode = wModel;
        for (const Case& c : cases) {
            CWidget widget = ParameterElement(c.nColumn);
            widget.m_nLine = c.nLine;
            widget.m_nWidth = c.nWidth;
            widget.m_nKind = c.nKind;
            const Bytes bytes = StoreObject(&widget);
            const int nFailure = ArchiveFailure([&] { LoadObjectAs<CWidget>(bytes, &m_active.Doc()); });
            EXPECT_EQ(nFailure, c.bLoads ? -1 : int(CArchiveException::generic))
                << c.nLine << "," << c.nColumn << " w" << c.nWidth << " k" << c.nKind;
        }
    }
}

// The element's pixel rectangle is cut into cells when it is drawn: edges past an int's reach of
// each other are a damaged file.
TEST_F(WidgetTest, DamagedRectanglesAreRefused)
{
    const struct {
        CRect rect;
        bool bLoads;
    } cases[] = {
        {{100, 20, 140, 36}, true},
        {{-8, -8, 0, 0}, true},
        {{INT_MIN, 20, INT_MAX, 36}, false},
        {{100, 20, 1 << 20, 36}, false},
        {{100, -(1 << 20), 140, 36}, false},
    };
    for (const auto& c : cases) {
        CWidget widget = ParameterElement(3);
        widget.m_rect = c.rect;
        const Bytes bytes = StoreObject(&widget);
        const int nFailure = ArchiveFailure([&] { LoadObjectAs<CWidget>(bytes, &m_active.Doc()); });
        EXPECT_EQ(nFailure, c.bLoads ? -1 : int(CArchiveException::generic)) << c.rect.left << "," << c.rect.right;
    }
}

TEST_F(WidgetTest, CopyTakesEveryFieldButTheDocument)
{
    CBlockACOMP block(BT_ACOMP);
    CWidget source = ParameterElement(4);
    source.m_pBlock = &block;
    source.m_nBlockNumber = 9001;
    source.m_strCaption = _T("On");
    source.m_bSelected = TRUE;
    source.m_strNames[2][8] = _T("Z");
    source.m_nMaxValue = 42;
    CVetlaDoc other;
    CWidget copy;
    copy.m_pDoc = &other;
    source.CopyTo(&copy);
    EXPECT_EQ(copy.m_pDoc, &other);
    EXPECT_EQ(copy.m_pBlock, &block);
    EXPECT_EQ(copy.m_bSelected, TRUE);
    EXPECT_EQ(copy.m_strNames[2][8], _T("Z"));
    EXPECT_EQ(StoreObject(&copy), StoreObject(&source));
    source.CopyTo(nullptr);
}

}  // namespace
