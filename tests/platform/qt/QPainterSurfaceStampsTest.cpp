// The paths by which the painter surface stores pixels itself instead of asking the painter
// (text and shape stamps, lines held back for a run) must leave exactly the pixels the painter
// leaves. Each case draws on a fresh image, where every primitive is new and goes through the
// painter, and on an image that has drawn the same primitives before, where they come from the
// stamps; the two must agree pixel for pixel.
#include "platform/gdi/DC.h"
#include "platform/qt/OffscreenImage.h"
#include "platform/qt/PaintCaches.h"
#include "support/QtTestApp.h"

#include <gtest/gtest.h>

#include <QString>

#include <functional>
#include <ostream>
#include <string>

namespace {

constexpr int kWidth = 160;
constexpr int kHeight = 120;
// The compared area; primitives drawn beforehand go below it.
constexpr RECT kCompared{0, 0, kWidth, 60};
constexpr POINT kWarmUpAt[] = {{10, 75}, {80, 75}};

enum class Ground { White, Grey, Stripes, Rainbow, Bands };

void PaintGround(CDC& dc, Ground ground)
{
    dc.FillSolidRect(0, 0, kWidth, kHeight, ground == Ground::Grey ? RGB(200, 200, 200) : RGB(255, 255, 255));
    if (ground == Ground::Stripes) {
        for (int x = 0; x < kWidth; x += 2)
            dc.FillSolidRect(x, 0, 1, kHeight, RGB(0, 90, 0));
    } else if (ground == Ground::Rainbow) {
        const COLORREF colours[] = {RGB(255, 0, 0), RGB(0, 255, 0), RGB(0, 0, 255), RGB(90, 90, 0)};
        for (int x = 0; x < kWidth; ++x)
            dc.FillSolidRect(x, 0, 1, kHeight, colours[x % 4]);
    } else if (ground == Ground::Bands) {
        const COLORREF colours[] = {RGB(0, 90, 90), RGB(250, 200, 0), RGB(0, 0, 90), RGB(90, 0, 90)};
        for (int y = 0; y < kHeight; ++y)
            dc.FillSolidRect(0, y, kWidth, 1, colours[y % 4]);
    }
}

::testing::AssertionResult SameInComparedArea(const COffscreenImage& drawn, const COffscreenImage& fresh)
{
    for (int y = kCompared.top; y < kCompared.bottom; ++y) {
        for (int x = kCompared.left; x < kCompared.right; ++x) {
            if (drawn.GetPixel(x, y) != fresh.GetPixel(x, y))
                return ::testing::AssertionFailure() << "first difference at " << x << "," << y;
        }
    }
    return ::testing::AssertionSuccess();
}

// draw(dc, at) draws the primitive with its reference point at at.
using Drawing = std::function<void(CDC& dc, POINT at)>;

// The primitive at (20, 12) on a fresh image and on one that drew it twice before. The surfaces
// share their caches, so they start from empty ones: the fresh image's primitive is the first.
::testing::AssertionResult StampedAsPainted(Ground ground, const Drawing& draw)
{
    PaintCaches::Drop();
    COffscreenImage fresh(kWidth, kHeight);
    PaintGround(fresh.GetDC(), ground);
    draw(fresh.GetDC(), {20, 12});
    COffscreenImage drawn(kWidth, kHeight);
    PaintGround(drawn.GetDC(), ground);
    for (const POINT at : kWarmUpAt)
        draw(drawn.GetDC(), at);
    draw(drawn.GetDC(), {20, 12});
    return SameInComparedArea(drawn, fresh);
}

struct TextCase {
    const char16_t* pszText;
    BYTE nQuality;
    int nBkMode;
    Ground ground;
    bool bClipped;
    bool bUnderline = false;
};

void PrintTo(const TextCase& c, std::ostream* pOut)
{
    *pOut << '"' << QString::fromStdU16String(c.pszText).toStdString() << "\" quality " << int(c.nQuality)
          << (c.nBkMode == OPAQUE ? " opaque" : " transparent") << " ground " << int(c.ground)
          << (c.bClipped ? " clipped" : "") << (c.bUnderline ? " underlined" : "");
}

// Antialiased glyphs blend with what is under them: over plain grounds and over two colours the
// stamps serve, over four colours the painter; a clip that cuts a text, opaque text, whose cell
// is filled first, texts that end in a line break and underlined ones.
TEST(TextStampsTest, LeavesThePaintersPixels)
{
    QtTestApp();
    const TextCase cases[] = {
        {u"T1 12.5s", ANTIALIASED_QUALITY, TRANSPARENT, Ground::White, false},
        {u"T1 12.5s", ANTIALIASED_QUALITY, TRANSPARENT, Ground::Grey, false},
        {u"T1 12.5s", ANTIALIASED_QUALITY, TRANSPARENT, Ground::Stripes, false},
        {u"T1 12.5s", ANTIALIASED_QUALITY, TRANSPARENT, Ground::Rainbow, false},
        {u"Wjg", ANTIALIASED_QUALITY, TRANSPARENT, Ground::White, true},
        {u"Wjg", ANTIALIASED_QUALITY, OPAQUE, Ground::Stripes, false},
        {u"Wjg", ANTIALIASED_QUALITY, OPAQUE, Ground::Grey, false},
        {u"Qy", NONANTIALIASED_QUALITY, OPAQUE, Ground::Grey, true},
        {u"", ANTIALIASED_QUALITY, OPAQUE, Ground::White, false},
        {u"Rem=off\n", ANTIALIASED_QUALITY, TRANSPARENT, Ground::Grey, false},
        {u"Rem=off\n", ANTIALIASED_QUALITY, OPAQUE, Ground::White, true},
        {u"Out", ANTIALIASED_QUALITY, TRANSPARENT, Ground::White, false, true},
        {u"Out", NONANTIALIASED_QUALITY, OPAQUE, Ground::Grey, false, true},
    };
    for (const TextCase& c : cases) {
        EXPECT_TRUE(StampedAsPainted(c.ground, [&c](CDC& dc, POINT at) {
            LOGFONT logFont{};
            logFont.lfHeight = 15;
            logFont.lfQuality = c.nQuality;
            logFont.lfItalic = c.nQuality == ANTIALIASED_QUALITY;
            logFont.lfUnderline = c.bUnderline;
            CFont font;
            font.CreateFontIndirect(&logFont);
            CFont* pOldFont = dc.SelectObject(&font);
            dc.SetTextColor(RGB(160, 0, 40));
            dc.SetBkColor(RGB(255, 255, 0));
            dc.SetBkMode(c.nBkMode);
            const std::u16string text = c.pszText;
            const RECT rcClip{at.x + 4, at.y + 3, at.x + 30, at.y + 40};
            dc.ExtTextOut(at.x, at.y, c.bClipped ? ETO_CLIPPED : 0, c.bClipped ? &rcClip : nullptr, text.c_str(),
                          UINT(text.size()), nullptr);
            dc.SelectObject(pOldFont);
        })) << ::testing::PrintToString(c);
    }
}

// A text over more than one colour is kept where it lies, with the pixels under it: drawn again
// over the same pixels it is copied, over other pixels or in another colour drawn anew, by the
// variants for two colours (stripes) or over a copy of the pixels for more. Each draw leaves
// what the painter leaves on a fresh image.
TEST(PlacedStampsTest, ATextOverManyColoursIsKeptWhereItLies)
{
    QtTestApp();
    const auto draw = [](CDC& dc, COLORREF colour) {
        LOGFONT logFont{};
        logFont.lfHeight = 15;
        logFont.lfQuality = ANTIALIASED_QUALITY;
        CFont font;
        font.CreateFontIndirect(&logFont);
        CFont* pOldFont = dc.SelectObject(&font);
        dc.SetTextColor(colour);
        dc.SetBkMode(TRANSPARENT);
        dc.TextOut(20, 12, CString(u"T1 12.5s"));
        dc.SelectObject(pOldFont);
    };
    struct Step {
        Ground ground;
        COLORREF colour;
    };
    // Seen, marked and kept, copied, drawn anew in another colour and over other pixels.
    const Step steps[] = {{Ground::Rainbow, RGB(160, 0, 40)}, {Ground::Rainbow, RGB(160, 0, 40)},
                          {Ground::Rainbow, RGB(160, 0, 40)}, {Ground::Rainbow, RGB(0, 0, 200)},
                          {Ground::Bands, RGB(0, 0, 200)},    {Ground::Stripes, RGB(0, 0, 200)},
                          {Ground::Stripes, RGB(0, 0, 200)},  {Ground::Rainbow, RGB(160, 0, 40)}};
    PaintCaches::Drop();
    COffscreenImage drawn(kWidth, kHeight);
    for (const Step& step : steps) {
        PaintGround(drawn.GetDC(), step.ground);
        draw(drawn.GetDC(), step.colour);
        PaintCaches::Drop();
        COffscreenImage fresh(kWidth, kHeight);
        PaintGround(fresh.GetDC(), step.ground);
        draw(fresh.GetDC(), step.colour);
        PaintCaches::Drop();
        EXPECT_TRUE(SameInComparedArea(drawn, fresh)) << "step " << (&step - steps);
    }
}

struct ShapeCase {
    const char* pszName;
    int nPenStyle;
    int nPenWidth;
    bool bHollow;
    int nRop2;
    int nFillMode;
    bool bRectangle;
    bool bClipped;
};

// A block's body, a concave outline under both fill rules, a hollow outline, a shape the clip
// cuts, and the pens and raster operations the stamps leave to the painter.
TEST(ShapeStampsTest, LeavesThePaintersPixels)
{
    QtTestApp();
    const ShapeCase cases[] = {
        {"body", PS_NULL, 1, false, R2_COPYPEN, ALTERNATE, false, false},
        {"outlined", PS_SOLID, 1, false, R2_COPYPEN, ALTERNATE, false, false},
        {"winding", PS_SOLID, 1, false, R2_COPYPEN, WINDING, false, false},
        {"hollow", PS_SOLID, 1, true, R2_COPYPEN, ALTERNATE, false, false},
        {"black", PS_SOLID, 1, false, R2_BLACK, ALTERNATE, false, false},
        {"clipped", PS_SOLID, 1, false, R2_COPYPEN, ALTERNATE, false, true},
        {"wide", PS_SOLID, 3, false, R2_COPYPEN, ALTERNATE, false, false},
        {"dashed", PS_DOT, 1, false, R2_COPYPEN, ALTERNATE, false, false},
        {"xor", PS_SOLID, 1, false, R2_XORPEN, ALTERNATE, false, false},
        {"rectangle", PS_SOLID, 1, false, R2_COPYPEN, ALTERNATE, true, false},
        {"filled rectangle", PS_NULL, 1, false, R2_COPYPEN, ALTERNATE, true, false},
        {"clipped rectangle", PS_SOLID, 1, true, R2_COPYPEN, ALTERNATE, true, true},
    };
    for (const ShapeCase& c : cases) {
        EXPECT_TRUE(StampedAsPainted(Ground::Stripes, [&c](CDC& dc, POINT at) {
            CPen pen(c.nPenStyle, c.nPenWidth, RGB(200, 0, 0));
            CBrush brush(RGB(0, 0, 220));
            CPen* pOldPen = dc.SelectObject(&pen);
            CBrush* pOldBrush = dc.SelectObject(&brush);
            if (c.bHollow)
                dc.SelectStockObject(HOLLOW_BRUSH);
            dc.SetROP2(c.nRop2);
            dc.SetPolyFillMode(c.nFillMode);
            dc.SaveDC();
            if (c.bClipped)
                dc.IntersectClipRect(at.x + 5, at.y + 5, at.x + 200, at.y + 200);
            if (c.bRectangle) {
                dc.Rectangle(at.x, at.y, at.x + 31, at.y + 23);
            } else {
                const POINT star[] = {{at.x, at.y + 10}, {at.x + 40, at.y + 10}, {at.x + 8, at.y + 35},
                                      {at.x + 20, at.y},  {at.x + 32, at.y + 35}, {at.x + 3, at.y + 12}};
                dc.Polygon(star, int(std::size(star)));
            }
            dc.RestoreDC(-1);
            dc.SelectObject(pOldBrush);
            dc.SelectObject(pOldPen);
        })) << c.pszName;
    }
}

// The round ends and joins of wide pens cover pixels that depend on where they lie, so their
// stamps serve where they were marked only. Drawn three times at one place in three colours,
// first by the painter, then marked there and then stamped, the last colour covers exactly
// what one painter's drawing covers, and the marking leaves nothing of its own behind.
TEST(PlacedStampsTest, WidePensLeaveThePaintersPixelsWhereTheyLie)
{
    QtTestApp();
    enum class Kind { Zigzag, Box, Star };
    struct Case {
        Kind kind;
        int nWidth;
        bool bFilled;
    };
    const Case cases[] = {{Kind::Zigzag, 2, false}, {Kind::Zigzag, 3, false}, {Kind::Zigzag, 6, false},
                          {Kind::Box, 2, true},     {Kind::Box, 5, false},    {Kind::Star, 3, true}};
    for (const Case& c : cases) {
        const auto draw = [&c](CDC& dc, COLORREF colour) {
            CPen pen(PS_SOLID, c.nWidth, colour);
            CBrush brush(RGB(0, 0, 220));
            CPen* pOldPen = dc.SelectObject(&pen);
            CBrush* pOldBrush = dc.SelectObject(&brush);
            if (!c.bFilled)
                dc.SelectStockObject(HOLLOW_BRUSH);
            if (c.kind == Kind::Zigzag) {
                const POINT zigzag[] = {{23, 43}, {33, 15}, {43, 43}, {61, 43}, {61, 21}};
                dc.Polyline(zigzag, int(std::size(zigzag)));
                dc.MoveTo(71, 33);
                dc.LineTo(97, 33);
            } else if (c.kind == Kind::Box) {
                dc.Rectangle(21, 13, 52, 36);
            } else {
                const POINT star[] = {{20, 22}, {60, 22}, {28, 47}, {40, 12}, {52, 47}, {23, 24}};
                dc.Polygon(star, int(std::size(star)));
            }
            dc.SelectObject(pOldBrush);
            dc.SelectObject(pOldPen);
        };
        PaintCaches::Drop();
        COffscreenImage once(kWidth, kHeight);
        PaintGround(once.GetDC(), Ground::Stripes);
        draw(once.GetDC(), RGB(200, 0, 0));
        COffscreenImage thrice(kWidth, kHeight);
        PaintGround(thrice.GetDC(), Ground::Stripes);
        draw(thrice.GetDC(), RGB(0, 160, 0));
        draw(thrice.GetDC(), RGB(0, 0, 160));
        draw(thrice.GetDC(), RGB(200, 0, 0));
        EXPECT_TRUE(SameInComparedArea(thrice, once)) << "kind " << int(c.kind) << " width " << c.nWidth;
    }
}

// Wires in different colours over the same column, crossing more than one band of rows, with a
// junction dot and a stroked slope between them: held back for a run and stored at its end,
// they leave what storing them at once leaves, the later over the earlier.
TEST(LineRunTest, HeldLinesLeaveWhatDrawnLinesLeave)
{
    QtTestApp();
    const auto drawWires = [](CDC& dc) {
        CPen red(PS_SOLID, 1, RGB(255, 0, 0));
        CPen blue(PS_SOLID, 1, RGB(0, 0, 255));
        CPen dot(PS_SOLID, 5, RGB(0, 0, 0));
        CPen* pOldPen = dc.SelectObject(&red);
        dc.MoveTo(10, 2);
        dc.LineTo(10, 290);
        dc.LineTo(60, 290);
        dc.SelectObject(&blue);
        dc.MoveTo(10, 150);
        dc.LineTo(10, 20);
        dc.LineTo(30, 40);
        dc.SelectObject(&dot);
        dc.MoveTo(10, 100);
        dc.LineTo(10, 100);
        dc.SelectObject(&red);
        dc.MoveTo(0, 100);
        dc.LineTo(40, 100);
        dc.SelectObject(pOldPen);
    };
    COffscreenImage atOnce(70, 300);
    drawWires(atOnce.GetDC());
    COffscreenImage held(70, 300);
    {
        const CLineRun run(&held.GetDC());
        drawWires(held.GetDC());
    }
    for (int y = 0; y < 300; ++y) {
        for (int x = 0; x < 70; ++x)
            ASSERT_EQ(held.GetPixel(x, y), atOnce.GetPixel(x, y)) << x << "," << y;
    }
    EXPECT_EQ(atOnce.GetPixel(10, 60), RGB(0, 0, 255));
    EXPECT_EQ(atOnce.GetPixel(10, 200), RGB(255, 0, 0));
    EXPECT_EQ(atOnce.GetPixel(9, 100), RGB(255, 0, 0));
}

// Reading the context's pixels within a run sees the lines drawn so far.
TEST(LineRunTest, ReadingThePixelsStoresTheHeldLines)
{
    QtTestApp();
    COffscreenImage image(20, 20);
    CDC& dc = image.GetDC();
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CPen* pOldPen = dc.SelectObject(&red);
    const CLineRun run(&dc);
    dc.MoveTo(5, 0);
    dc.LineTo(5, 15);
    EXPECT_EQ(dc.GetPixel(5, 7), RGB(255, 0, 0));
    dc.SelectObject(pOldPen);
}

} // namespace
