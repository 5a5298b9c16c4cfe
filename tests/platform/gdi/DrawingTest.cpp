#include "GdiTestSupport.h"

using Kind = RecordingSurface::Kind;

TEST(Drawing, LineToDrawsFromTheCurrentPosition)
{
    RecordingDC r;
    CPen pen(PS_SOLID, 1, RGB(255, 0, 0));
    r.dc.SelectObject(&pen);
    EXPECT_EQ(r.dc.MoveTo(10, 20), CPoint(0, 0));
    ASSERT_TRUE(r.dc.LineTo(30, 20));
    ASSERT_TRUE(r.dc.LineTo(30, 40));
    EXPECT_EQ(r.dc.GetCurrentPosition(), CPoint(30, 40));
    EXPECT_EQ(r.surface.Dump(),
              "Polyline (10,20) (30,20) pen=solid/1/RGB(255,0,0)\n"
              "Polyline (30,20) (30,40) pen=solid/1/RGB(255,0,0)\n");
}

TEST(Drawing, AZeroLengthLineWithAWidePenIsADot)
{
    struct Case {
        int nStyle, nWidth, nZoom;
        const char* expected;
    };
    const Case cases[] = {
        {PS_SOLID, 5, 100, "Dot (40,50) pen=solid/5/RGB(0,0,255)\n"},
        {PS_SOLID, 2, 100, "Dot (40,50) pen=solid/2/RGB(0,0,255)\n"},
        {PS_SOLID, 5, 200, "Dot (80,100) pen=solid/10/RGB(0,0,255)\n"},
        {PS_SOLID, 1, 100, ""},  // a one-pixel pen leaves nothing
        {PS_SOLID, 0, 300, ""},  // width 0 stays one pixel at any zoom
        {PS_NULL, 5, 100, ""},
    };
    for (const Case& c : cases) {
        RecordingDC r;
        ApplyZoom(r.dc, c.nZoom);
        CPen pen(c.nStyle, c.nWidth, RGB(0, 0, 255));
        r.dc.SelectObject(&pen);
        r.dc.MoveTo(40, 50);
        r.dc.LineTo(40, 50);
        EXPECT_EQ(r.surface.Dump(), c.expected) << c.nWidth << " at " << c.nZoom;
    }
}

TEST(Drawing, PenWidthsScaleWithTheMapping)
{
    struct Case {
        int nWidth, nZoom, nDeviceWidth;
    };
    const Case cases[] = {{0, 400, 1}, {1, 100, 1}, {1, 200, 2}, {2, 150, 3}, {5, 25, 1}, {8, 50, 4}};
    for (const Case& c : cases) {
        RecordingDC r;
        ApplyZoom(r.dc, c.nZoom);
        CPen pen(PS_SOLID, c.nWidth, 0);
        r.dc.SelectObject(&pen);
        r.dc.LineTo(100, 0);
        ASSERT_EQ(r.Records().size(), 1u);
        EXPECT_EQ(r.Records()[0].state.pen.nWidth, c.nDeviceWidth) << c.nWidth << " at " << c.nZoom;
    }
}

TEST(Drawing, ShapesAreHandedOverInDevicePixels)
{
    RecordingDC r;
    ApplyZoom(r.dc, 150);
    r.dc.SetViewportOrg(-10, 0);
    CBrush body(RGB(255, 222, 140));
    r.dc.SelectObject(&body);
    r.dc.SetPolyFillMode(ALTERNATE);
    const POINT body_[] = {{10, 10}, {10, 30}, {40, 30}, {40, 10}};
    ASSERT_TRUE(r.dc.Polygon(body_, 4));
    ASSERT_TRUE(r.dc.Rectangle(40, 30, 10, 10));  // inverted corners are normalized
    r.dc.SelectStockObject(NULL_BRUSH);
    ASSERT_TRUE(r.dc.Ellipse(CRect(0, 0, 3, 3)));
    ASSERT_TRUE(r.dc.Polyline(body_, 3));
    EXPECT_FALSE(r.dc.Polyline(body_, 1));
    EXPECT_EQ(r.surface.Dump(),
              "Polygon (5,15) (5,45) (50,45) (50,15) pen=solid/1/RGB(0,0,0) "
              "brush=RGB(255,222,140) alternate\n"
              "Rectangle (5,15)-(50,45) pen=solid/1/RGB(0,0,0) brush=RGB(255,222,140)\n"
              "Ellipse (-10,0)-(-5,5) pen=solid/1/RGB(0,0,0) brush=hollow\n"
              "Polyline (5,15) (5,45) (50,45) pen=solid/1/RGB(0,0,0)\n");
}

TEST(Drawing, ArcToLinesUpToTheArcAndEndsOnIt)
{
    RecordingDC r;
    r.dc.MoveTo(0, 50);
    r.dc.SetArcDirection(AD_CLOCKWISE);
    ASSERT_TRUE(r.dc.ArcTo(0, 0, 100, 100, 200, 50, 50, -300));
    EXPECT_EQ(r.dc.GetCurrentPosition(), CPoint(50, 0));
    EXPECT_EQ(r.surface.Dump(),
              "Polyline (0,50) (100,50) pen=solid/1/RGB(0,0,0)\n"
              "Arc (0,0)-(100,100) from (200,50) to (50,-300) clockwise pen=solid/1/RGB(0,0,0)\n");

    // On an elongated ellipse the arc starts where the ray through the point crosses it.
    r.surface.Clear();
    r.dc.MoveTo(100, 20);
    r.dc.ArcTo(0, 0, 200, 40, 300, 40, 100, 0);
    EXPECT_EQ(r.dc.GetCurrentPosition(), CPoint(100, 0));
    ASSERT_EQ(r.Records().size(), 2u);
    EXPECT_TRUE(PointIs(r.Records()[0].points[1], {189, 29}));
}

TEST(Drawing, ArcDirectionFlipsWithAMirroringMapping)
{
    RecordingDC r;
    r.dc.SetMapMode(MM_ANISOTROPIC);
    r.dc.SetWindowExt(1, 1);
    r.dc.SetViewportExt(1, -1);
    EXPECT_EQ(r.dc.GetArcDirection(), AD_COUNTERCLOCKWISE);
    r.dc.Arc(0, 0, 10, 10, 10, 5, 5, 0);
    EXPECT_EQ(r.dc.SetArcDirection(3), 0);
    ASSERT_EQ(r.Records().size(), 1u);
    EXPECT_TRUE(r.Records()[0].bClockwise);
    EXPECT_EQ(r.dc.GetCurrentPosition(), CPoint(0, 0));  // Arc leaves it alone
}

TEST(Drawing, FillsAndFrames)
{
    RecordingDC r;
    CBrush green(RGB(0, 255, 0));
    CBrush hollow;
    hollow.CreateStockObject(HOLLOW_BRUSH);
    const CRect rect(10, 10, 20, 15);
    r.dc.FillRect(rect, &green);
    r.dc.FillRect(rect, &hollow);
    r.dc.FillRect(rect, nullptr);
    r.dc.FrameRect(rect, &green);
    EXPECT_EQ(r.surface.Dump(),
              "FillRect (10,10)-(20,15) RGB(0,255,0)\n"
              "FillRect (10,10)-(20,11) RGB(0,255,0)\n"
              "FillRect (10,14)-(20,15) RGB(0,255,0)\n"
              "FillRect (10,11)-(11,14) RGB(0,255,0)\n"
              "FillRect (19,11)-(20,14) RGB(0,255,0)\n");
}

TEST(Drawing, FillSolidRectLeavesItsColourAsTheBackground)
{
    RecordingDC r;
    r.dc.FillSolidRect(0, 0, 5, 5, RGB(128, 128, 128));
    EXPECT_EQ(r.dc.GetBkColor(), RGB(128, 128, 128));
    r.surface.Clear();
    r.dc.Draw3dRect(CRect(0, 0, 4, 3), RGB(255, 255, 255), RGB(64, 64, 64));
    EXPECT_EQ(r.surface.Dump(),
              "FillRect (0,0)-(3,1) RGB(255,255,255)\n"
              "FillRect (0,0)-(1,2) RGB(255,255,255)\n"
              "FillRect (3,0)-(4,3) RGB(64,64,64)\n"
              "FillRect (0,2)-(4,3) RGB(64,64,64)\n");
    EXPECT_EQ(r.dc.GetBkColor(), RGB(64, 64, 64));
}

TEST(Drawing, ModesTravelWithEachPrimitive)
{
    RecordingDC r;
    EXPECT_EQ(r.dc.SetROP2(R2_NOTXORPEN), R2_COPYPEN);
    EXPECT_EQ(r.dc.SetROP2(0), 0);
    EXPECT_EQ(r.dc.SetPolyFillMode(WINDING), ALTERNATE);
    EXPECT_EQ(r.dc.SetBkMode(3), 0);
    EXPECT_EQ(r.dc.SetStretchBltMode(HALFTONE), BLACKONWHITE);
    r.dc.LineTo(5, 0);
    const POINT triangle[] = {{0, 0}, {5, 0}, {0, 5}};
    r.dc.Polygon(triangle, 3);
    EXPECT_EQ(r.surface.Dump(),
              "Polyline (0,0) (5,0) pen=solid/1/RGB(0,0,0) rop=R2_NOTXORPEN\n"
              "Polygon (0,0) (5,0) (0,5) pen=solid/1/RGB(0,0,0) brush=RGB(255,255,255) winding "
              "rop=R2_NOTXORPEN\n");
    EXPECT_EQ(r.Records()[1].state.nStretchBltMode, HALFTONE);
}

TEST(Drawing, ClippingIsKeptInDeviceUnitsAndReportedInLogicalOnes)
{
    RecordingDC r(SIZE{400, 300});
    CRect box;
    EXPECT_EQ(r.dc.GetClipBox(box), SIMPLEREGION);
    EXPECT_TRUE(RectIs(box, {0, 0, 400, 300}));

    ApplyZoom(r.dc, 200);
    r.dc.SetViewportOrg(-100, 0);
    EXPECT_EQ(r.dc.GetClipBox(box), SIMPLEREGION);
    EXPECT_TRUE(RectIs(box, {50, 0, 250, 150}));

    EXPECT_EQ(r.dc.IntersectClipRect(60, 10, 70, 20), SIMPLEREGION);
    r.dc.Rectangle(0, 0, 100, 100);
    EXPECT_TRUE(RectIs(r.Records().at(0).state.rcClip, {20, 20, 40, 40}));
    EXPECT_TRUE(r.dc.RectVisible(CRect(65, 15, 80, 80)));
    EXPECT_FALSE(r.dc.RectVisible(CRect(70, 10, 80, 20)));  // only touches

    EXPECT_EQ(r.dc.IntersectClipRect(0, 0, 60, 100), NULLREGION);
    EXPECT_EQ(r.dc.GetClipBox(box), NULLREGION);
    EXPECT_TRUE(box.IsRectNull());

    EXPECT_EQ(r.dc.SelectClipRgn(nullptr), SIMPLEREGION);
    const RECT invalid{0, 0, 40, 30};
    r.dc.SetSystemClip(&invalid);  // a paint's invalid area survives SelectClipRgn
    EXPECT_EQ(r.dc.SelectClipRgn(nullptr), SIMPLEREGION);
    r.dc.GetClipBox(box);
    EXPECT_TRUE(RectIs(box, {50, 0, 70, 15}));
}

TEST(Drawing, PixelsAndBlocksBetweenMemoryContexts)
{
    RecordingDC screen;
    CDC source;
    CDC target;
    ASSERT_TRUE(source.CreateCompatibleDC(&screen.dc));
    ASSERT_TRUE(target.CreateCompatibleDC(&screen.dc));
    CBitmap sourceBits;
    CBitmap targetBits;
    ASSERT_TRUE(sourceBits.CreateCompatibleBitmap(&screen.dc, 10, 10));
    ASSERT_TRUE(targetBits.CreateCompatibleBitmap(&screen.dc, 20, 20));
    CBitmap* pOldSource = source.SelectObject(&sourceBits);
    CBitmap* pOldTarget = target.SelectObject(&targetBits);

    source.FillSolidRect(0, 0, 10, 10, RGB(255, 0, 0));
    EXPECT_EQ(source.SetPixel(2, 3, RGB(0, 0, 255)), RGB(0, 0, 255));
    EXPECT_EQ(source.SetPixel(10, 3, RGB(0, 0, 255)), CLR_INVALID);
    EXPECT_EQ(source.GetPixel(2, 3), RGB(0, 0, 255));
    EXPECT_EQ(source.GetPixel(-1, 3), CLR_INVALID);
    EXPECT_EQ(target.GetPixel(5, 5), RGB(0, 0, 0));  // a new bitmap is black

    ASSERT_TRUE(target.BitBlt(5, 5, 10, 10, &source, 0, 0, SRCCOPY));
    EXPECT_EQ(target.GetPixel(7, 8), RGB(0, 0, 255));
    EXPECT_EQ(target.GetPixel(5, 5), RGB(255, 0, 0));
    EXPECT_EQ(target.GetPixel(15, 15), RGB(0, 0, 0));

    ASSERT_TRUE(target.StretchBlt(0, 0, 20, 20, &source, 0, 0, 10, 10, SRCCOPY));
    EXPECT_EQ(target.GetPixel(4, 6), RGB(0, 0, 255));
    EXPECT_EQ(target.GetPixel(5, 7), RGB(0, 0, 255));
    EXPECT_EQ(target.GetPixel(6, 6), RGB(255, 0, 0));

    // The same logical coordinates on both sides, as the view copies its memory bitmap.
    ApplyZoom(source, 200);
    ApplyZoom(target, 200);
    target.FillSolidRect(0, 0, 10, 10, RGB(0, 0, 0));
    ASSERT_TRUE(target.BitBlt(1, 1, 2, 2, &source, 1, 1, SRCCOPY));
    EXPECT_EQ(target.GetPixel(1, 1), RGB(255, 0, 0));
    EXPECT_EQ(targetBits.GetPixels()->GetPixel(2, 2), RGB(255, 0, 0));
    EXPECT_EQ(targetBits.GetPixels()->GetPixel(1, 1), RGB(0, 0, 0));

    EXPECT_FALSE(target.BitBlt(0, 0, 5, 5, &source, 0, 0, 0x00EE0086));  // SRCPAINT
    EXPECT_FALSE(target.BitBlt(0, 0, 5, 5, &screen.dc, 0, 0, SRCCOPY));   // no pixels to read
    source.SelectObject(pOldSource);
    target.SelectObject(pOldTarget);
}

TEST(Drawing, BlockTransferToTheScreenIsOneImage)
{
    RecordingDC screen;
    CDC memory;
    memory.CreateCompatibleDC(&screen.dc);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen.dc, 50, 40);
    memory.SelectObject(&bitmap);
    screen.dc.SetViewportOrg(-20, -10);
    memory.SetViewportOrg(-20, -10);
    ASSERT_TRUE(screen.dc.BitBlt(25, 15, 30, 20, &memory, 25, 15, SRCCOPY));
    EXPECT_EQ(screen.surface.Dump(), "DrawImage (5,5)-(35,25) from (5,5)-(35,25)\n");
}

TEST(Drawing, SelfCopyWithinOneBitmapReadsTheOriginalPixels)
{
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&memory, 4, 1);
    memory.SelectObject(&bitmap);
    memory.SetPixel(0, 0, RGB(10, 0, 0));
    memory.SetPixel(1, 0, RGB(20, 0, 0));
    ASSERT_TRUE(memory.BitBlt(1, 0, 2, 1, &memory, 0, 0, SRCCOPY));
    EXPECT_EQ(memory.GetPixel(1, 0), RGB(10, 0, 0));
    EXPECT_EQ(memory.GetPixel(2, 0), RGB(20, 0, 0));
}

TEST(Drawing, WithoutASurfaceNothingIsDrawn)
{
    CDC dc;
    EXPECT_EQ(dc.GetSafeHdc(), nullptr);
    EXPECT_FALSE(dc.LineTo(5, 5));
    EXPECT_EQ(dc.GetCurrentPosition(), CPoint(5, 5));
    EXPECT_FALSE(dc.Rectangle(0, 0, 5, 5));
    EXPECT_FALSE(dc.TextOut(0, 0, u"x", 1));
    EXPECT_EQ(dc.SetPixel(0, 0, 0), CLR_INVALID);
    // Measuring still works, so layout code can run before a window exists.
    CFont font;
    CreateBlockFont(font);
    dc.SelectObject(&font);
    EXPECT_EQ(dc.GetTextExtent(u"abc", 3), CSize(18, 12));
}
