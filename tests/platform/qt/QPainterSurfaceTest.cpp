#include "platform/gdi/DC.h"
#include "platform/gdi/DisplayDevice.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/qt/OffscreenImage.h"
#include "platform/qt/QPainterSurface.h"
#include "platform/qt/QtBackend.h"
#include "support/QtTestApp.h"

#include <QApplication>
#include <QImage>
#include <QPainter>

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <initializer_list>
#include <string>

namespace {

constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kRed = RGB(255, 0, 0);
constexpr COLORREF kBlue = RGB(0, 0, 255);
constexpr COLORREF kGreen = RGB(0, 160, 0);

class QPainterSurfaceTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { QtTestApp(); }
};

std::string Hex(COLORREF colour)
{
    char text[16];
    std::snprintf(text, sizeof text, "%06X", unsigned(colour));
    return text;
}

::testing::AssertionResult PixelIs(const COffscreenImage& image, int x, int y, COLORREF expected)
{
    const COLORREF actual = image.GetPixel(x, y);
    if (actual == expected)
        return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "pixel (" << x << "," << y << ") is " << Hex(actual)
                                         << ", expected " << Hex(expected);
}

struct Pixel {
    LONG x, y;
    COLORREF colour;
};

// Every pixel of the list, each wrong one named.
::testing::AssertionResult PixelsAre(const COffscreenImage& image, std::initializer_list<Pixel> pixels)
{
    std::string strWrong;
    for (const Pixel& p : pixels) {
        if (const ::testing::AssertionResult one = PixelIs(image, p.x, p.y, p.colour); !one)
            strWrong += std::string(one.message()) + "; ";
    }
    return strWrong.empty() ? ::testing::AssertionSuccess() : ::testing::AssertionFailure() << strWrong;
}

void CreateSceneFont(CFont& font)
{
    font.CreateFont(16, 0, 0, 0, FW_BOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                    CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, VARIABLE_PITCH | FF_SWISS, u"");
}

// A few primitives as block drawing uses them; every object is deselected again at the end.
void DrawScene(CDC& dc)
{
    CPen red(PS_SOLID, 1, kRed);
    CPen* pOldPen = dc.SelectObject(&red);
    CGdiObject* pOldBrush = dc.SelectStockObject(HOLLOW_BRUSH);
    dc.Rectangle(10, 10, 60, 40);

    CBrush blue(kBlue);
    dc.SelectObject(&blue);
    dc.SelectStockObject(NULL_PEN);
    dc.Ellipse(70, 10, 130, 50);

    CPen green(PS_SOLID, 3, kGreen);
    dc.SelectObject(&green);
    dc.MoveTo(10, 70);
    dc.LineTo(120, 70);

    CFont font;
    CreateSceneFont(font);
    CFont* pOldFont = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kBlack);
    dc.TextOut(10, 90, CString(u"Qarvo 中文"));

    dc.SelectObject(pOldFont);
    dc.SelectObject(pOldBrush);
    dc.SelectObject(pOldPen);
}

bool AnyPixelIn(const COffscreenImage& image, const RECT& area, COLORREF colour)
{
    for (LONG y = area.top; y < area.bottom; ++y)
        for (LONG x = area.left; x < area.right; ++x)
            if (image.GetPixel(x, y) == colour)
                return true;
    return false;
}

void CheckRecordOnImage(const RecordingSurface::Record& record, const COffscreenImage& image,
                        CDC& dc)
{
    using Kind = RecordingSurface::Kind;
    const CRect r(record.rect);
    const CPoint mid = r.CenterPoint();
    switch (record.kind) {
    case Kind::Rectangle:  // an outline: the edges in the pen colour, hollow inside
        EXPECT_TRUE(PixelsAre(image, {{r.left, mid.y, record.state.pen.crColour},
                                      {r.right - 1, mid.y, record.state.pen.crColour},
                                      {mid.x, r.top, record.state.pen.crColour},
                                      {mid.x, r.bottom - 1, record.state.pen.crColour},
                                      {mid.x, mid.y, kWhite}, {r.right, mid.y, kWhite}, {r.left - 1, mid.y, kWhite}}));
        break;
    case Kind::Ellipse:  // filled without an outline
        EXPECT_TRUE(PixelsAre(image, {{mid.x, mid.y, record.state.brush.crColour},
                                      {r.left + 1, mid.y, record.state.brush.crColour},
                                      {r.left, r.top, kWhite}, {r.right, mid.y, kWhite}}));
        break;
    case Kind::Polyline: {
        const POINT from = record.points[0];
        const POINT to = record.points[1];
        const LONG x = (from.x + to.x) / 2;
        const COLORREF pen = record.state.pen.crColour;  // three pixels wide
        EXPECT_TRUE(PixelsAre(image, {{x, from.y - 1, pen}, {x, from.y, pen}, {x, from.y + 1, pen},
                                      {x, from.y + 3, kWhite}, {x, from.y - 3, kWhite}}));
        break;
    }
    case Kind::Text: {
        CFont font;
        CreateSceneFont(font);
        CFont* pOld = dc.SelectObject(&font);
        const CSize extent = dc.GetTextExtent(CString(record.text));
        dc.SelectObject(pOld);
        const POINT at = record.points[0];
        const CRect cell(at, extent);
        EXPECT_TRUE(AnyPixelIn(image, cell, record.state.crText)) << "no text in its cell";
        EXPECT_FALSE(AnyPixelIn(image, {cell.right + 2, cell.top, cell.right + 30, cell.bottom},
                                record.state.crText))
            << "text beyond its measured extent";
        break;
    }
    default:
        ADD_FAILURE() << "unexpected record " << record.ToString();
    }
}

TEST_F(QPainterSurfaceTest, PaintsWhatTheRecordingLogged)
{
    RecordingSurface recording(SIZE{160, 120});
    CDC recordingDC(recording);
    DrawScene(recordingDC);

    COffscreenImage image(160, 120);
    DrawScene(image.GetDC());
    const std::string path = (std::filesystem::current_path() / "QPainterSurfaceTest.png").string();
    ASSERT_TRUE(image.SavePng(CString::FromUtf8(path)));

    SCOPED_TRACE(recording.Dump());
    ASSERT_EQ(recording.Records().size(), 4u);
    for (const RecordingSurface::Record& record : recording.Records()) {
        SCOPED_TRACE(record.ToString());
        CheckRecordOnImage(record, image, image.GetDC());
    }
    const QImage saved(QString::fromStdString(path));
    EXPECT_EQ(saved.size(), QSize(160, 120));
    EXPECT_EQ(saved.pixel(10, 25), qRgb(255, 0, 0));
}

TEST_F(QPainterSurfaceTest, OnePixelLinesCoverTheirStartButNotTheirEnd)
{
    struct Case {
        POINT from, to;
        POINT first, last, beyond;
    };
    const Case cases[] = {
        {{10, 5}, {15, 5}, {10, 5}, {14, 5}, {15, 5}},
        {{15, 8}, {10, 8}, {15, 8}, {11, 8}, {10, 8}},
        {{5, 10}, {5, 15}, {5, 10}, {5, 14}, {5, 15}},
        {{8, 15}, {8, 10}, {8, 15}, {8, 11}, {8, 10}},
        {{20, 20}, {24, 24}, {20, 20}, {23, 23}, {24, 24}},
        {{34, 34}, {30, 30}, {34, 34}, {31, 31}, {30, 30}},
    };
    for (const Case& c : cases) {
        COffscreenImage image(40, 40);
        CPen pen(PS_SOLID, 1, kRed);
        image.GetDC().SelectObject(&pen);
        image.GetDC().MoveTo(c.from);
        image.GetDC().LineTo(c.to);
        EXPECT_TRUE(PixelsAre(image, {{c.first.x, c.first.y, kRed}, {c.last.x, c.last.y, kRed},
                                      {c.beyond.x, c.beyond.y, kWhite}}));
    }
}

TEST_F(QPainterSurfaceTest, ShapesCoverTheClassicPixels)
{
    COffscreenImage image(60, 60);
    CDC& dc = image.GetDC();
    CPen pen(PS_SOLID, 1, kRed);
    CBrush blue(kBlue);
    dc.SelectObject(&pen);
    dc.SelectObject(&blue);
    dc.Rectangle(10, 10, 20, 15);  // outline on 10..19 x 10..14, filled inside
    EXPECT_TRUE(PixelsAre(image, {{19, 14, kRed}, {15, 12, kBlue}, {20, 12, kWhite}, {15, 15, kWhite}}));

    const POINT body[] = {{30, 10}, {30, 20}, {40, 20}, {40, 10}};
    dc.Polygon(body, 4);  // the outline passes through every vertex
    EXPECT_TRUE(PixelsAre(image, {{40, 20, kRed}, {35, 15, kBlue}, {41, 15, kWhite}}));

    dc.SelectStockObject(NULL_PEN);  // without a pen the fill stops a pixel short
    dc.Rectangle(10, 30, 20, 35);
    EXPECT_TRUE(PixelsAre(image, {{10, 30, kBlue}, {18, 33, kBlue}, {19, 33, kWhite}, {15, 34, kWhite}}));

    CPen dotPen(PS_SOLID, 5, kGreen);
    dc.SelectObject(&dotPen);
    dc.MoveTo(45, 45);
    dc.LineTo(45, 45);  // a negation dot
    EXPECT_TRUE(PixelsAre(image, {{45, 45, kGreen}, {43, 45, kGreen}, {47, 45, kGreen}, {45, 43, kGreen},
                                  {45, 48, kWhite}, {42, 45, kWhite}}));
}

TEST_F(QPainterSurfaceTest, RasterOperations)
{
    COffscreenImage image(30, 10);
    CDC& dc = image.GetDC();
    CPen black(PS_SOLID, 1, kBlack);
    dc.SelectObject(&black);
    EXPECT_EQ(dc.SetROP2(R2_NOTXORPEN), R2_COPYPEN);
    dc.MoveTo(0, 2);
    dc.LineTo(10, 2);
    EXPECT_TRUE(PixelIs(image, 5, 2, kBlack));
    dc.MoveTo(0, 2);
    dc.LineTo(10, 2);  // drawn twice: the rubber band is gone
    EXPECT_TRUE(PixelIs(image, 5, 2, kWhite));

    dc.SetROP2(R2_NOT);
    dc.MoveTo(0, 4);
    dc.LineTo(10, 4);
    EXPECT_TRUE(PixelIs(image, 5, 4, kBlack));

    CPen red(PS_SOLID, 1, kRed);
    dc.SelectObject(&red);
    dc.SetROP2(R2_XORPEN);
    dc.MoveTo(0, 6);
    dc.LineTo(10, 6);
    EXPECT_TRUE(PixelIs(image, 5, 6, RGB(0, 255, 255)));

    dc.SetROP2(R2_NOP);
    dc.MoveTo(0, 8);
    dc.LineTo(10, 8);
    EXPECT_TRUE(PixelIs(image, 5, 8, kWhite));
    dc.FillSolidRect(20, 0, 5, 5, kBlue);  // fills ignore the pen's raster operation
    EXPECT_TRUE(PixelIs(image, 22, 2, kBlue));
}

TEST_F(QPainterSurfaceTest, ClippingAndOpaqueText)
{
    COffscreenImage image(60, 40);
    CDC& dc = image.GetDC();
    dc.IntersectClipRect(10, 10, 20, 20);
    dc.FillSolidRect(0, 0, 60, 40, kBlue);
    EXPECT_TRUE(PixelsAre(image, {{10, 10, kBlue}, {19, 19, kBlue}, {20, 15, kWhite}, {9, 15, kWhite}}));
    dc.SelectClipRgn(nullptr);

    CFont font;
    CreateSceneFont(font);
    dc.SelectObject(&font);
    dc.SetBkMode(OPAQUE);
    dc.SetBkColor(kRed);
    dc.SetTextColor(kBlack);
    dc.TextOut(30, 5, u"..", 2);
    // The cell is filled before the text is drawn.
    EXPECT_TRUE(PixelsAre(image, {{30, 5, kRed}, {29, 5, kWhite}}));
}

TEST_F(QPainterSurfaceTest, FontsFollowTheLogFont)
{
    COffscreenImage image(10, 10);
    CDC& dc = image.GetDC();
    CFont block;
    block.CreateFont(12, 6, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_TT_PRECIS,
                     CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, FIXED_PITCH, u"Arial");
    dc.SelectObject(&block);
    TEXTMETRIC metrics;
    ASSERT_TRUE(dc.GetTextMetrics(&metrics));
    EXPECT_NEAR(metrics.tmHeight, 12, 1);
    EXPECT_NEAR(metrics.tmAveCharWidth, 6, 1);
    EXPECT_EQ(metrics.tmAscent + metrics.tmDescent, metrics.tmHeight);
    EXPECT_NEAR(dc.GetTextExtent(u"I000", 4).cx, 24, 4);
    EXPECT_EQ(dc.GetTextExtent(u"I000", 4).cy, metrics.tmHeight);

    CFont big;
    big.CreateFont(-32, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, GB2312_CHARSET, 0, 0, 0, 0, u"");
    dc.SelectObject(&big);
    const LONG latin = dc.GetTextExtent(u"a", 1).cx;
    const LONG chinese = dc.GetTextExtent(u"中", 1).cx;
    EXPECT_GT(chinese, latin * 3 / 2) << "CJK characters are about twice as wide";

    // Zoomed, the same logical font measures about the same in logical units.
    dc.SelectObject(&block);
    dc.SetMapMode(MM_ISOTROPIC);
    dc.SetWindowExt(100, 100);
    dc.SetViewportExt(200, 200);
    EXPECT_NEAR(dc.GetTextExtent(u"I000", 4).cx, 24, 4);
}

TEST_F(QPainterSurfaceTest, DrawTextMeasuresWithTheSurface)
{
    COffscreenImage image(200, 100);
    CDC& dc = image.GetDC();
    CFont font;
    CreateSceneFont(font);
    dc.SelectObject(&font);
    TEXTMETRIC metrics;
    dc.GetTextMetrics(&metrics);
    const LONG nWidth = dc.GetTextExtent(u"one two", 7).cx;
    CRect rect(0, 0, nWidth, 0);
    EXPECT_EQ(dc.DrawText(u"one two three", -1, rect, DT_WORDBREAK | DT_CALCRECT), 2 * metrics.tmHeight);
    EXPECT_EQ(rect.Width(), nWidth);
    dc.SetTextColor(kBlue);
    rect = CRect(0, 0, nWidth, 100);
    dc.DrawText(u"one two three", -1, rect, DT_WORDBREAK);
    EXPECT_TRUE(AnyPixelIn(image, {0, metrics.tmHeight, nWidth, 2 * metrics.tmHeight}, kBlue));
    EXPECT_FALSE(AnyPixelIn(image, {0, 2 * metrics.tmHeight, 200, 100}, kBlue));
}

TEST_F(QPainterSurfaceTest, BlocksBetweenQtMemoryContexts)
{
    COffscreenImage image(40, 40);
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(&image.GetDC()));
    CBitmap bitmap;
    ASSERT_TRUE(bitmap.CreateCompatibleBitmap(&image.GetDC(), 10, 10));
    CBitmap* pOld = memory.SelectObject(&bitmap);
    memory.FillSolidRect(0, 0, 10, 10, kRed);
    CPen pen(PS_SOLID, 1, kBlue);
    memory.SelectObject(&pen);
    memory.MoveTo(0, 5);
    memory.LineTo(10, 5);  // painted by Qt into the bitmap, not only recorded
    EXPECT_EQ(memory.GetPixel(3, 5), kBlue);

    ASSERT_TRUE(image.GetDC().BitBlt(20, 20, 10, 10, &memory, 0, 0, SRCCOPY));
    EXPECT_TRUE(PixelsAre(image, {{20, 20, kRed}, {23, 25, kBlue}, {30, 30, kWhite}}));
    ASSERT_TRUE(image.GetDC().StretchBlt(0, 0, 20, 20, &memory, 0, 0, 10, 10, SRCCOPY));
    EXPECT_TRUE(PixelsAre(image, {{6, 10, kBlue}, {6, 11, kBlue}, {6, 12, kRed}}));
    memory.SelectObject(pOld);
}

TEST_F(QPainterSurfaceTest, PaintsOnAPainterItIsGiven)
{
    QImage target(20, 20, QImage::Format_RGB32);
    target.fill(Qt::white);
    {
        QPainter painter(&target);
        QPainterSurface surface(painter, SIZE{20, 20}, DeviceCaps{});
        CDC dc(surface);
        dc.SetViewportOrg(5, 5);
        dc.FillSolidRect(0, 0, 2, 2, kGreen);
        EXPECT_EQ(dc.GetPixel(0, 0), CLR_INVALID);  // a window's pixels are not readable
    }
    EXPECT_EQ(target.pixel(5, 5), qRgb(0, 160, 0));
    EXPECT_EQ(target.pixel(7, 7), qRgb(255, 255, 255));
}

TEST_F(QPainterSurfaceTest, TheScreenIsTheDisplayWhileTheBackendRuns)
{
    InitQtBackend();
    EXPECT_EQ(GetDisplayDevice().pMaker, &QPainterSurface::ForPixels);
    CDC display;
    ASSERT_TRUE(display.CreateDC(u"DISPLAY", nullptr, nullptr, nullptr));
    EXPECT_GT(display.GetDeviceCaps(HORZRES), 0);
    EXPECT_GT(display.GetDeviceCaps(LOGPIXELSY), 0);

    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&memory, 5, 5);
    memory.SelectObject(&bitmap);
    memory.Rectangle(0, 0, 5, 5);
    EXPECT_EQ(memory.GetPixel(0, 2), kBlack);
    memory.DeleteDC();
    ShutdownQtBackend();
    EXPECT_EQ(GetDisplayDevice().pMaker, &RecordingSurface::ForPixels);
}

TEST_F(QPainterSurfaceTest, OffscreenImageEdges)
{
    COffscreenImage image(3, 2);
    EXPECT_EQ(image.Width(), 3);
    EXPECT_EQ(image.Height(), 2);
    EXPECT_TRUE(PixelIs(image, 2, 1, kWhite));
    EXPECT_EQ(image.GetPixel(3, 0), CLR_INVALID);
    EXPECT_FALSE(image.SavePng(u"/nonexistent-folder/image.png"));
    EXPECT_FALSE(image.SavePng(nullptr));
    COffscreenImage tooLarge(100000, 100000);
    EXPECT_EQ(tooLarge.Width(), 1);
}

// The surface sets only what changed since the primitive before: a text's colour, an
// intersected text clip or a dot's fill must not stay on for the next primitive that shares
// its pen and clip with the one before them.
TEST_F(QPainterSurfaceTest, StateSetByOnePrimitiveDoesNotLeakIntoTheNext)
{
    COffscreenImage image(80, 60);
    CDC& dc = image.GetDC();
    CPen red(PS_SOLID, 1, kRed);
    CPen* pOldPen = dc.SelectObject(&red);
    CFont font;
    CreateSceneFont(font);
    CFont* pOldFont = dc.SelectObject(&font);
    dc.SetTextColor(kBlue);
    dc.SetBkMode(TRANSPARENT);

    dc.MoveTo(2, 2);
    dc.LineTo(30, 2);
    const RECT rcTextClip{40, 0, 42, 20};
    dc.ExtTextOut(40, 0, ETO_CLIPPED, &rcTextClip, u"WW", 2, nullptr);
    dc.MoveTo(2, 50);  // the same pen and clip as the first line
    dc.LineTo(70, 50);
    EXPECT_TRUE(PixelIs(image, 60, 50, kRed));  // neither blue nor cut by the text's clip

    CPen wide(PS_SOLID, 6, kGreen);
    dc.SelectObject(&wide);
    dc.MoveTo(60, 20);
    dc.LineTo(60, 20);  // a dot
    dc.SelectObject(&red);
    dc.SelectStockObject(HOLLOW_BRUSH);
    dc.Rectangle(5, 10, 25, 30);
    // Hollow, not the dot's fill.
    EXPECT_TRUE(PixelsAre(image, {{5, 20, kRed}, {15, 20, kWhite}}));

    dc.SelectObject(pOldFont);
    dc.SelectObject(pOldPen);
}

// Lines along an axis are filled instead of stroked: the same pixels in each direction, and
// broken, wide and raster-operation pens still stroked.
TEST_F(QPainterSurfaceTest, AxisLinesAsFillsMatchStrokedLines)
{
    const POINT route[] = {{5, 5}, {30, 5}, {30, 25}, {12, 25}, {12, 8}, {20, 14}};
    COffscreenImage filled(40, 40);
    CPen red(PS_SOLID, 1, kRed);
    filled.GetDC().SelectObject(&red);
    filled.GetDC().Polyline(route, int(std::size(route)));
    // The same route with a raster operation that paints the pen as it is takes the stroker.
    COffscreenImage stroked(40, 40);
    stroked.GetDC().SelectObject(&red);
    stroked.GetDC().SetROP2(R2_MASKPEN);
    stroked.GetDC().Polyline(route, int(std::size(route)));
    for (int y = 0; y < 40; ++y) {
        for (int x = 0; x < 40; ++x)
            ASSERT_EQ(filled.GetPixel(x, y), stroked.GetPixel(x, y)) << x << "," << y;
    }
    EXPECT_TRUE(PixelsAre(filled, {{29, 5, kRed}, {30, 24, kRed}, {13, 25, kRed}, {12, 9, kRed}}));
}

int InkedPixels(const COffscreenImage& image)
{
    int nInked = 0;
    for (int y = 0; y < image.Height(); ++y) {
        for (int x = 0; x < image.Width(); ++x)
            nInked += image.GetPixel(x, y) != kWhite;
    }
    return nInked;
}

// Text is drawn from a cache of laid-out strings, drawn a second time here; an underlined font
// still shows its underline, which such a layout would leave out.
TEST_F(QPainterSurfaceTest, UnderlinedTextKeepsItsUnderline)
{
    int nInked[2] = {};
    for (const bool bUnderline : {false, true}) {
        LOGFONT logFont{};
        logFont.lfHeight = 14;
        logFont.lfUnderline = bUnderline;
        logFont.lfQuality = NONANTIALIASED_QUALITY;
        CFont font;
        font.CreateFontIndirect(&logFont);
        COffscreenImage image(120, 30);
        image.GetDC().SelectObject(&font);
        image.GetDC().SetBkMode(TRANSPARENT);
        image.GetDC().TextOut(4, 4, u"WWWW", 4);
        image.GetDC().TextOut(4, 4, u"WWWW", 4);
        nInked[bUnderline] = InkedPixels(image);
    }
    EXPECT_GT(nInked[1], nInked[0] + 20);
}

}  // namespace
