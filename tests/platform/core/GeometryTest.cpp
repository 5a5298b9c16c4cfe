#include "platform/core/Geometry.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

::testing::AssertionResult SameRect(const RECT& actual, const RECT& expected)
{
    if (CRect(actual) == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure()
           << "(" << actual.left << "," << actual.top << "," << actual.right << ","
           << actual.bottom << ") instead of (" << expected.left << "," << expected.top << ","
           << expected.right << "," << expected.bottom << ")";
}

}  // namespace

TEST(Geometry, RectIsSixteenRawBytesInFieldOrder)
{
    const CRect rect(1, 2, 3, 4);
    LONG raw[4];
    std::memcpy(raw, &rect, sizeof rect);
    EXPECT_EQ(raw[0], 1);
    EXPECT_EQ(raw[1], 2);
    EXPECT_EQ(raw[2], 3);
    EXPECT_EQ(raw[3], 4);
}

TEST(Geometry, PtInRectIsHalfOpen)
{
    const CRect rect(10, 20, 30, 40);
    struct Case {
        CPoint point;
        BOOL inside;
    };
    const Case cases[] = {
        {{10, 20}, TRUE},  {{29, 39}, TRUE},  {{30, 20}, FALSE}, {{10, 40}, FALSE},
        {{9, 25}, FALSE},  {{15, 19}, FALSE}, {{30, 40}, FALSE}, {{20, 30}, TRUE},
    };
    for (const Case& c : cases)
        EXPECT_EQ(rect.PtInRect(c.point), c.inside) << c.point.x << "," << c.point.y;
    EXPECT_FALSE(CRect(5, 5, 5, 10).PtInRect(CPoint(5, 6)));  // zero width holds no point
}

TEST(Geometry, IntersectRect)
{
    struct Case {
        CRect a, b;
        BOOL result;
        CRect expected;
    };
    const Case cases[] = {
        {{0, 0, 10, 10}, {5, 5, 15, 15}, TRUE, {5, 5, 10, 10}},
        {{0, 0, 10, 10}, {10, 0, 20, 10}, FALSE, {0, 0, 0, 0}},   // touching right edge
        {{0, 0, 10, 10}, {0, 10, 10, 20}, FALSE, {0, 0, 0, 0}},   // touching bottom edge
        {{0, 0, 10, 10}, {20, 20, 30, 30}, FALSE, {0, 0, 0, 0}},  // apart
        {{0, 0, 10, 10}, {2, 2, 2, 8}, FALSE, {0, 0, 0, 0}},      // empty one inside
        {{0, 0, 10, 10}, {2, 3, 4, 5}, TRUE, {2, 3, 4, 5}},       // contained
        {{-5, -5, 5, 5}, {-10, 0, 0, 10}, TRUE, {-5, 0, 0, 5}},
    };
    for (const Case& c : cases) {
        CRect result(99, 99, 99, 99);
        EXPECT_EQ(result.IntersectRect(&c.a, &c.b), c.result);
        EXPECT_TRUE(SameRect(result, c.expected));
        EXPECT_TRUE(SameRect(c.a & c.b, c.expected));
    }
}

TEST(Geometry, IntersectRectMayWriteIntoAnOperand)
{
    CRect a(0, 0, 10, 10);
    a &= CRect(4, 4, 20, 20);
    EXPECT_TRUE(SameRect(a, {4, 4, 10, 10}));
}

TEST(Geometry, UnionRectIgnoresEmptyRectangles)
{
    CRect result;
    EXPECT_TRUE(result.UnionRect(CRect(0, 0, 10, 10), CRect(20, 5, 30, 15)));
    EXPECT_TRUE(SameRect(result, {0, 0, 30, 15}));
    EXPECT_TRUE(result.UnionRect(CRect(0, 0, 0, 0), CRect(20, 5, 30, 15)));
    EXPECT_TRUE(SameRect(result, {20, 5, 30, 15}));
    EXPECT_TRUE(result.UnionRect(CRect(50, 50, 40, 60), CRect(1, 2, 3, 4)));  // inverted = empty
    EXPECT_TRUE(SameRect(result, {1, 2, 3, 4}));
    EXPECT_FALSE(result.UnionRect(CRect(5, 5, 5, 9), CRect(7, 7, 3, 9)));
    EXPECT_TRUE(result.IsRectNull());
    EXPECT_TRUE(SameRect(CRect(0, 0, 1, 1) | CRect(-1, -1, 0, 0), {-1, -1, 1, 1}));
}

TEST(Geometry, NormalizeRectSwapsInvertedEdges)
{
    CRect rect(30, 40, 10, 20);
    EXPECT_TRUE(rect.IsRectEmpty());
    EXPECT_EQ(rect.Width(), -20);
    rect.NormalizeRect();
    EXPECT_TRUE(SameRect(rect, {10, 20, 30, 40}));
    CRect half(5, 40, 10, 20);
    half.NormalizeRect();
    EXPECT_TRUE(SameRect(half, {5, 20, 10, 40}));
}

TEST(Geometry, InflateAndDeflateForms)
{
    CRect rect(10, 10, 20, 20);
    rect.InflateRect(1, 2, 3, 4);
    EXPECT_TRUE(SameRect(rect, {9, 8, 23, 24}));
    rect.DeflateRect(1, 2, 3, 4);
    EXPECT_TRUE(SameRect(rect, {10, 10, 20, 20}));
    rect.InflateRect(2, 3);
    EXPECT_TRUE(SameRect(rect, {8, 7, 22, 23}));
    rect.DeflateRect(CSize(2, 3));
    EXPECT_TRUE(SameRect(rect, {10, 10, 20, 20}));
    const RECT margins{1, 2, 3, 4};
    rect.InflateRect(&margins);
    EXPECT_TRUE(SameRect(rect, {9, 8, 23, 24}));
    rect -= &margins;
    EXPECT_TRUE(SameRect(rect, {10, 10, 20, 20}));
    EXPECT_TRUE(SameRect(rect + &margins, {9, 8, 23, 24}));
}

TEST(Geometry, RectAccessorsAndOffsets)
{
    CRect rect(CPoint(10, 20), CSize(30, 40));
    EXPECT_EQ(rect.Size(), CSize(30, 40));
    EXPECT_EQ(rect.TopLeft(), CPoint(10, 20));
    EXPECT_EQ(rect.BottomRight(), CPoint(40, 60));
    EXPECT_EQ(rect.CenterPoint(), CPoint(25, 40));
    EXPECT_EQ(CRect(-3, -3, 0, 0).CenterPoint(), CPoint(-1, -1));  // truncates toward zero
    rect.OffsetRect(-10, 5);
    EXPECT_TRUE(SameRect(rect, {0, 25, 30, 65}));
    rect += CPoint(1, 1);
    rect -= CSize(2, 2);
    EXPECT_TRUE(SameRect(rect, {-1, 24, 29, 64}));
    EXPECT_TRUE(SameRect(rect + CSize(1, -24), {0, 0, 30, 40}));
    rect.MoveToXY(100, 200);
    EXPECT_TRUE(SameRect(rect, {100, 200, 130, 240}));
    EXPECT_TRUE(CRect(0, 0, 0, 0).IsRectNull());
    EXPECT_FALSE(CRect(1, 1, 1, 1).IsRectNull());
    EXPECT_TRUE(CRect(1, 1, 1, 1).IsRectEmpty());
}

TEST(Geometry, PointAndSizeArithmetic)
{
    const CPoint a(10, 20);
    const CPoint b(3, 4);
    EXPECT_EQ(a - b, CSize(7, 16));
    EXPECT_EQ(a + b, CPoint(13, 24));
    EXPECT_EQ(a + CSize(1, 1), CPoint(11, 21));
    EXPECT_EQ(a - CSize(1, 1), CPoint(9, 19));
    EXPECT_EQ(-a, CPoint(-10, -20));
    EXPECT_EQ(CSize(2, 3) + CSize(4, 5), CSize(6, 8));
    EXPECT_EQ(CSize(2, 3) - CSize(4, 5), CSize(-2, -2));
    EXPECT_EQ(CSize(2, 3) + a, CPoint(12, 23));
    EXPECT_TRUE(SameRect(a + CRect(0, 0, 5, 5), {10, 20, 15, 25}));
    CPoint p(1, 1);
    p += CSize(2, 2);
    p -= CPoint(1, 0);
    p.Offset(10, 10);
    EXPECT_EQ(p, CPoint(12, 13));
    EXPECT_NE(p, CPoint(13, 12));
}
