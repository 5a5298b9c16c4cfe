// What the grid draws, read from a recording surface: grid lines beside and not inside a
// pair, the double-width glyph in its wide font, and the element layer by host.
#include "GridTestSupport.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/Widget.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

namespace {

class GridPaint : public LcdGridTest {
protected:
    const std::vector<RecordingSurface::Record>& Paint()
    {
        m_surface.Clear();
        CDC dc(m_surface);
        Grid().DrawGrid(&dc);
        return m_surface.Records();
    }
    // A vertical grid line at x over the height of LCD line nRow.
    bool HasVerticalLine(int x, int nRow)
    {
        const int yTop = (nRow - 1) * kCellHeight - 1;
        for (const auto& record : Paint()) {
            if (record.kind == RecordingSurface::Kind::Polyline && record.points.size() == 2 &&
                record.points[0].x == x && record.points[1].x == x && record.points[0].y == yTop &&
                record.points[1].y == yTop + kCellHeight)
                return true;
        }
        return false;
    }
    CWidget* AddWidget(int nLine, int nColumn, int nWidth, int nKind)
    {
        auto* pWidget = new CWidget((nColumn - 1) * kCellWidth, (nLine - 1) * kCellHeight,
                                    nWidth * kCellWidth, kCellHeight, RGB(128, 128, 128));
        pWidget->m_nLine = nLine;
        pWidget->m_nColumn = nColumn;
        pWidget->m_nWidth = nWidth;
        pWidget->m_nKind = nKind;
        pWidget->m_nBlockNumber = 101;
        Grid().m_arrWidgets[nLine - 1].Add(pWidget);
        return pWidget;
    }
    int CountText(const std::u16string& text)
    {
        int n = 0;
        for (const auto& record : Paint())
            n += record.kind == RecordingSurface::Kind::Text && record.text == text ? 1 : 0;
        return n;
    }

    RecordingSurface m_surface{SIZE{600, 200}};
};

TEST_F(GridPaint, NoGridLineInsideAPairButBesideIt)
{
    PutChinese(1, 3);
    const int xInside = 3 * kCellWidth - 1;
    EXPECT_FALSE(HasVerticalLine(xInside, 1));
    EXPECT_TRUE(HasVerticalLine(2 * kCellWidth - 1, 1));
    EXPECT_TRUE(HasVerticalLine(4 * kCellWidth - 1, 1));
    EXPECT_TRUE(HasVerticalLine(xInside, 2));
}

TEST_F(GridPaint, WideGlyphIsDrawnInTheWideFontAfterTheCells)
{
    PutChinese(2, 5);
    Focus(1, 1);
    const auto& records = Paint();
    int nGlyphs = 0;
    size_t nLastFill = 0;
    size_t nGlyphAt = 0;
    for (size_t i = 0; i < records.size(); ++i) {
        if (records[i].kind == RecordingSurface::Kind::FillRect)
            nLastFill = i;
        if (records[i].kind == RecordingSurface::Kind::Text && records[i].text == std::u16string(1, kChinese)) {
            ++nGlyphs;
            nGlyphAt = i;
            // Height 20, and as wide as both cells less the margins (the recording surface
            // draws a Chinese character two widths wide).
            EXPECT_EQ(records[i].state.font.lfHeight, 20);
            const int nMargin = int(Grid().GetDefaultCell(FALSE, FALSE)->GetMargin());
            const int nTarget = 2 * (kCellWidth - 1) - 2 * nMargin + 1;
            EXPECT_NEAR(2 * records[i].state.font.lfWidth, nTarget, 1);
        }
    }
    // Drawn with its cell and again on top of every cell background.
    EXPECT_EQ(nGlyphs, 2);
    EXPECT_GT(nGlyphAt, nLastFill);
}

TEST_F(GridPaint, FocusFrameOfAPairCoversBothCells)
{
    PutChinese(1, 3);
    Focus(1, 3);
    bool bFound = false;
    for (const auto& record : Paint()) {
        if (record.kind == RecordingSurface::Kind::FillRect && record.colour == RGB(255, 0, 0) &&
            record.rect.left == 2 * kCellWidth && record.rect.right >= 4 * kCellWidth - 1)
            bFound = true;
    }
    EXPECT_TRUE(bFound);
}

TEST_F(GridPaint, ElementsDrawnOverCellsWithSelectionFrame)
{
    CWidget* pWidget = AddWidget(1, 2, 6, 0);
    EXPECT_EQ(CountText(u"I001"), 1);
    auto redFrames = [&] {
        int n = 0;
        for (const auto& record : Paint())
            n += record.kind == RecordingSurface::Kind::Polyline && record.state.pen.crColour == RGB(255, 0, 0) &&
                         record.state.pen.nWidth == 2 ? 1 : 0;
        return n;
    };
    EXPECT_EQ(redFrames(), 0);
    pWidget->m_bSelected = TRUE;
    EXPECT_EQ(redFrames(), 1);
}

TEST_F(GridPaint, DisplayFollowsTheDetailsSwitch)
{
    AddWidget(1, 2, 6, 0);
    m_host.m_kind = LcdGridHostKind::MsgTxtDisplay;
    g_bShowMsgTextDetails = FALSE;
    EXPECT_EQ(CountText(u"I001"), 0);
    g_bShowMsgTextDetails = TRUE;
    EXPECT_EQ(CountText(u"I001"), 1);
}

TEST_F(GridPaint, DeleteRemovesSelectedElementsExceptInTheDisplay)
{
    CWidget* pWidget = AddWidget(2, 2, 6, 0);
    pWidget->m_bSelected = TRUE;
    Grid().m_pSelectedWidget = pWidget;
    m_host.m_kind = LcdGridHostKind::MsgTxtDisplay;
    Focus(1, 1);
    Key(VK_DELETE);
    EXPECT_EQ(Grid().m_arrWidgets[1].GetSize(), 1);
    m_host.m_kind = LcdGridHostKind::MessageTextsNew;
    Key(VK_DELETE);
    EXPECT_EQ(Grid().m_arrWidgets[1].GetSize(), 0);
    EXPECT_EQ(Grid().m_pSelectedWidget, nullptr);
}

TEST_F(GridPaint, SortColumnHeaderShowsItsDirection)
{
    Grid().SetRowHeight(0, kCellHeight);
    Grid().SetHeaderSort(TRUE);
    Grid().SortTextItems(3, TRUE);
    auto arrowTip = [&] {
        // The triangle's tip: the middle point of its first two-point stroke in the header.
        for (const auto& record : Paint())
            if (record.kind == RecordingSurface::Kind::Polyline && record.state.pen.crColour == RGB(160, 160, 160) &&
                record.points[0].y < kCellHeight && record.points[1].y < kCellHeight)
                return std::make_pair(record.points[0].y, record.points[1].y);
        return std::make_pair(LONG(-1), LONG(-1));
    };
    const auto up = arrowTip();
    ASSERT_NE(up.first, -1);
    EXPECT_GT(up.first, up.second);   // drawn from the bottom up to the tip
    Grid().SortTextItems(3, FALSE);
    const auto down = arrowTip();
    EXPECT_EQ(down.first, down.second);   // the top edge first
}

// The headings of the focus cell's row and column are drawn pressed in (the dark line at the top
// and left) while the grid tracks its focus cell; the other headings stand out.
TEST_F(GridPaint, TheHeadingsOfTheFocusCellLookPressedIn)
{
    Grid().SetRowHeight(0, kCellHeight);
    Grid().SetColumnWidth(0, kCellWidth);
    Focus(2, 5);
    // The colour of the heading's top edge.
    auto topEdge = [&](int nRow, int nCol) {
        CRect rect;
        Grid().GetCellRect(nRow, nCol, rect);
        for (const auto& record : Paint()) {
            if (record.kind == RecordingSurface::Kind::FillRect && record.rect.left == rect.left &&
                record.rect.top == rect.top && record.rect.bottom == rect.top + 1)
                return record.colour;
        }
        return COLORREF(-1);
    };
    const COLORREF crDark = RGB(160, 160, 160);
    const COLORREF crLight = RGB(255, 255, 255);
    const struct {
        BOOL bTrack;
        int nRow;
        int nCol;
        COLORREF crTop;
    } cases[] = {
        {TRUE, 0, 5, crDark},  {TRUE, 2, 0, crDark},  {TRUE, 0, 4, crLight},
        {TRUE, 3, 0, crLight}, {FALSE, 0, 5, crLight}, {FALSE, 2, 0, crLight},
    };
    for (const auto& c : cases) {
        Grid().SetTrackFocusCell(c.bTrack);
        EXPECT_EQ(topEdge(c.nRow, c.nCol), c.crTop) << c.bTrack << " " << c.nRow << "," << c.nCol;
    }
}

}  // namespace
