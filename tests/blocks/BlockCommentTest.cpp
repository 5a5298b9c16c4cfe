#include "RecordTestSupport.h"

#include "blocks/BlockComment.h"
#include "blocks/BlockFactory.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <utility>
#include <vector>

namespace {

class BlockCommentTest : public testing::Test {
protected:
    static void SetUpTestSuite() { RegisterBlockClasses(); }
};

std::u16string FaceName(const LOGFONT& lf)
{
    return std::u16string(lf.lfFaceName);
}

TEST_F(BlockCommentTest, NewBoxSaysCommentInTwelveUnitArial)
{
    CBlockComment comment;
    EXPECT_EQ(comment.m_strBoxText, _T("Comment"));
    EXPECT_EQ(comment.m_nLineCount, 1);
    EXPECT_EQ(comment.m_crText, RGB(0, 0, 0));
    EXPECT_EQ(comment.m_logFont.lfHeight, 12);
    EXPECT_EQ(comment.m_logFont.lfWeight, 0);
    EXPECT_EQ(FaceName(comment.m_logFont), u"Arial");
}

TEST_F(BlockCommentTest, RecordHasTheBoxLayout)
{
    CBlockComment comment;
    comment.m_nLeft = 1;
    comment.m_nTop = 2;
    comment.m_nAuxX = 3;
    comment.m_nAuxY = 4;
    comment.m_nBoxWidth = 5;
    comment.m_nBoxHeight = 6;
    comment.m_strBoxText = _T("a\r\nb");
    comment.m_nLineCount = 2;
    comment.m_crText = RGB(1, 2, 3);
    comment.m_logFont.lfWeight = 700;
    comment.m_logFont.lfItalic = 1;
    comment.m_logFont.lfPitchAndFamily = 0x22;
    comment.m_bCommentSelected = 9;
    const Bytes bytes = StoreObject(&comment);
    const std::size_t n = ClassHeaderLength(&comment);
    // Six ints, the text (4 + 2 x 4), two ints, five font ints, eight font bytes, 32 units.
    ASSERT_EQ(bytes.size(), n + 24 + 12 + 8 + 20 + 8 + 64);
    for (int i = 0; i < 6; ++i)
        EXPECT_EQ(ReadI32(bytes, n + 4 * std::size_t(i)), i + 1);
    EXPECT_EQ(ReadI32(bytes, n + 36), 2);
    EXPECT_EQ(ReadI32(bytes, n + 40), int(RGB(1, 2, 3)));
    EXPECT_EQ(ReadI32(bytes, n + 44), 12);
    EXPECT_EQ(ReadI32(bytes, n + 60), 700);
    EXPECT_EQ(bytes[n + 64], 1);
    EXPECT_EQ(bytes[n + 71], 0x22);
    EXPECT_EQ(ReadU16(bytes, n + 72), unsigned('A'));
    EXPECT_EQ(ReadU16(bytes, n + 80), unsigned('l'));

    auto pLoaded = LoadObjectAs<CBlockComment>(bytes, nullptr);
    ASSERT_TRUE(pLoaded);
    EXPECT_EQ(pLoaded->m_bCommentSelected, 0);
    EXPECT_EQ(StoreObject(pLoaded.get()), bytes);
}

// Older files stored the face name in single bytes.
TEST_F(BlockCommentTest, SchemaZeroFaceNameLoadsToTheSameFace)
{
    CBlockComment comment;
    const Bytes wide = StoreObject(&comment);
    Bytes narrow = WithSchema(wide, 0);
    const std::size_t nFace = narrow.size() - 64;
    narrow.resize(nFace);
    for (int i = 0; i < 32; ++i)
        narrow.push_back(BYTE(comment.m_logFont.lfFaceName[i]));
    auto pLoaded = LoadObjectAs<CBlockComment>(narrow, nullptr);
    ASSERT_TRUE(pLoaded);
    EXPECT_EQ(FaceName(pLoaded->m_logFont), u"Arial");
    EXPECT_EQ(StoreObject(pLoaded.get()), wide);
}

// A font taller or wider than any font dialog offers comes from a damaged file: the box opens
// with the new box's font size, its face and style kept.
TEST_F(BlockCommentTest, AFontNoDialogOffersOpensAtTheDefaultSize)
{
    const struct {
        LONG nHeight, nWidth;
        LONG nLoadedHeight, nLoadedWidth;
    } cases[] = {
        {-13, 0, -13, 0},      {40, 20, 40, 20},      {-2184, 2184, -2184, 2184},
        {INT_MIN, 0, 12, 0},   {100000, 0, 12, 0},    {-13, INT_MAX, 12, 0},
    };
    for (const auto& c : cases) {
        CBlockComment comment;
        comment.m_logFont.lfHeight = c.nHeight;
        comment.m_logFont.lfWidth = c.nWidth;
        comment.m_logFont.lfWeight = 700;
        auto pLoaded = LoadObjectAs<CBlockComment>(StoreObject(&comment), nullptr);
        ASSERT_TRUE(pLoaded);
        EXPECT_EQ(pLoaded->m_logFont.lfHeight, c.nLoadedHeight) << c.nHeight << "x" << c.nWidth;
        EXPECT_EQ(pLoaded->m_logFont.lfWidth, c.nLoadedWidth) << c.nHeight << "x" << c.nWidth;
        EXPECT_EQ(pLoaded->m_logFont.lfWeight, 700);
        EXPECT_EQ(FaceName(pLoaded->m_logFont), u"Arial");
    }
}

TEST_F(BlockCommentTest, OtherSchemaIsRefused)
{
    CBlockComment comment;
    const Bytes schema2 = WithSchema(StoreObject(&comment), 2);
    EXPECT_EQ(ArchiveFailure([&] { LoadObjectAs<CBlockComment>(schema2, nullptr); }),
              CArchiveException::badSchema);
}

// The texts a box draws, each with its position.
struct DrawnText {
    std::u16string text;
    int x;
    int y;
    bool operator==(const DrawnText&) const = default;
};

std::vector<DrawnText> DrawnTexts(const RecordingSurface& surface)
{
    std::vector<DrawnText> texts;
    for (const auto& record : surface.Records()) {
        if (record.kind == RecordingSurface::Kind::Text)
            texts.push_back({record.text, int(record.points[0].x), int(record.points[0].y)});
    }
    return texts;
}

CBlockComment& Box(CBlockComment& comment, const char16_t* pszText, int nLines, int nHeight)
{
    comment.m_nLeft = 10;
    comment.m_nTop = 100;
    comment.m_nBoxWidth = 60;
    comment.m_nBoxHeight = nHeight;
    comment.m_strBoxText = pszText;
    comment.m_nLineCount = nLines;
    return comment;
}

TEST_F(BlockCommentTest, LinesAreSpreadOverTheBoxHeight)
{
    const struct {
        const char16_t* pszText;
        int nLines;
        int nHeight;
        std::vector<DrawnText> expected;
    } rows[] = {
        {u"Comment", 1, 12, {{u"Comment", 10, 100}}},
        {u"a\r\nb", 2, 40, {{u"a", 10, 100}, {u"b", 10, 120}}},
        // No empty line after a final separator; an empty line inside keeps its place.
        {u"a\r\n", 2, 40, {{u"a", 10, 100}}},
        {u"a\r\n\r\nc", 3, 40, {{u"a", 10, 100}, {u"c", 10, 126}}},
        {u"a\r\nb", 0, 40, {}},
    };
    for (const auto& row : rows) {
        CBlockComment comment;
        RecordingSurface surface;
        CDC dc(surface);
        Box(comment, row.pszText, row.nLines, row.nHeight).Draw(&dc);
        EXPECT_EQ(DrawnTexts(surface), row.expected) << "row " << &row - rows;
    }
}

TEST_F(BlockCommentTest, TextIsDrawnInTheBoxFontAndColourOnGrey)
{
    CBlockComment comment;
    comment.m_crText = RGB(0, 128, 0);
    RecordingSurface surface;
    CDC dc(surface);
    const COLORREF crBkBefore = dc.GetBkColor();
    Box(comment, u"x", 1, 12).Draw(&dc);
    ASSERT_EQ(surface.Records().size(), 1u);
    const DrawState& state = surface.Records()[0].state;
    EXPECT_EQ(state.crText, RGB(0, 128, 0));
    EXPECT_EQ(state.crBk, RGB(180, 180, 180));
    EXPECT_EQ(std::u16string(state.font.lfFaceName), u"Arial");
    EXPECT_EQ(dc.GetTextColor(), RGB(0, 0, 0));
    EXPECT_EQ(dc.GetBkColor(), crBkBefore);
}

TEST_F(BlockCommentTest, SelectedBoxHasRedGripsOnItsCorners)
{
    CBlockComment comment;
    RecordingSurface surface;
    CDC dc(surface);
    Box(comment, u"x", 1, 12).DrawSelected(&dc);
    std::vector<std::pair<int, int>> centres;
    for (const auto& record : surface.Records()) {
        if (record.kind != RecordingSurface::Kind::Polygon)
            continue;
        ASSERT_EQ(record.points.size(), 4u);
        EXPECT_EQ(record.state.brush.crColour, RGB(255, 0, 0));
        EXPECT_EQ(record.state.pen.crColour, RGB(0, 0, 0));
        EXPECT_EQ(record.points[2].x - record.points[0].x, 8);
        centres.emplace_back(record.points[0].x + 4, record.points[0].y + 4);
    }
    const std::vector<std::pair<int, int>> corners = {{10, 100}, {10, 112}, {70, 112}, {70, 100}};
    EXPECT_EQ(centres, corners);
}

TEST_F(BlockCommentTest, HitTestsTheBoxAndItsGrips)
{
    CBlockComment comment;
    Box(comment, u"x", 1, 20);
    const struct {
        CPoint point;
        BOOL bInBox;
        int nGrip;
    } rows[] = {
        {{10, 100}, TRUE, COMMENT_GRIP_TOP_LEFT},  {{65, 115}, TRUE, -1},
        {{70, 110}, FALSE, -1},                     {{74, 124}, FALSE, COMMENT_GRIP_BOTTOM_RIGHT},
        {{75, 100}, FALSE, -1},                     {{6, 116}, FALSE, COMMENT_GRIP_BOTTOM_LEFT},
        {{66, 96}, FALSE, COMMENT_GRIP_TOP_RIGHT},
    };
    for (const auto& row : rows) {
        EXPECT_EQ(comment.HitTest(row.point), row.bInBox) << row.point.x << "," << row.point.y;
        EXPECT_EQ(comment.HitTestGrip(row.point), row.nGrip) << row.point.x << "," << row.point.y;
    }
}

// Dragging a grip moves its corner; the opposite corner stays, also when the drag crosses it.
TEST_F(BlockCommentTest, GripsResizeTheBox)
{
    const struct {
        int nGrip;
        CPoint to;
        CRect expected;
    } rows[] = {
        {COMMENT_GRIP_BOTTOM_RIGHT, {90, 150}, {10, 100, 90, 150}},
        {COMMENT_GRIP_TOP_LEFT, {0, 90}, {0, 90, 70, 120}},
        {COMMENT_GRIP_TOP_RIGHT, {40, 130}, {10, 120, 40, 130}},
        {COMMENT_GRIP_BOTTOM_LEFT, {80, 90}, {70, 90, 80, 100}},
        {7, {500, 500}, {10, 100, 70, 120}},
    };
    for (const auto& row : rows) {
        CBlockComment comment;
        Box(comment, u"x", 1, 20).MoveGrip(row.nGrip, row.to);
        EXPECT_EQ(comment.GetBoxRect(), row.expected) << row.nGrip;
    }
}

}  // namespace
