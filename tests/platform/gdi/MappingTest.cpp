#include "GdiTestSupport.h"

#include <limits>

namespace {

POINT ToDevice(const CDC& dc, POINT point)
{
    dc.LPtoDP(&point);
    return point;
}

POINT ToLogical(const CDC& dc, POINT point)
{
    dc.DPtoLP(&point);
    return point;
}

void SetMapping(CDC& dc, int nMapMode, SIZE window, SIZE viewport)
{
    dc.SetMapMode(nMapMode);
    dc.SetWindowExt(window);
    dc.SetViewportExt(viewport);
}

}  // namespace

TEST(Mapping, TextModeShiftsByTheOrigins)
{
    RecordingDC r;
    r.dc.SetViewportOrg(-100, -50);  // scrolled by (100, 50)
    EXPECT_TRUE(PointIs(ToDevice(r.dc, {100, 50}), {0, 0}));
    r.dc.SetWindowOrg(10, 20);
    EXPECT_TRUE(PointIs(ToDevice(r.dc, {110, 70}), {0, 0}));
    EXPECT_TRUE(PointIs(ToLogical(r.dc, {0, 0}), {110, 70}));
    EXPECT_EQ(r.dc.OffsetViewportOrg(5, 5), CPoint(-100, -50));
    EXPECT_EQ(r.dc.GetViewportOrg(), CPoint(-95, -45));
}

TEST(Mapping, ZoomRoundsHalfAwayFromZero)
{
    struct Case {
        int nZoom;
        POINT viewportOrg;
        POINT logical;
        POINT device;
    };
    const Case cases[] = {
        {150, {0, 0}, {3, 3}, {5, 5}},        // 4.5
        {150, {0, 0}, {-3, -3}, {-5, -5}},    // -4.5
        {150, {0, 0}, {1, -1}, {2, -2}},      // 1.5
        {75, {0, 0}, {2, -2}, {2, -2}},       // 1.5
        {75, {0, 0}, {1, 5}, {1, 4}},         // 0.75, 3.75
        {25, {0, 0}, {2, -2}, {1, -1}},       // 0.5
        {250, {0, 0}, {1, 3}, {3, 8}},        // 2.5, 7.5
        {150, {-30, -20}, {10, 10}, {-15, -5}},
        {400, {7, 0}, {-1, 0}, {3, 0}},
    };
    for (const Case& c : cases) {
        RecordingDC r;
        ApplyZoom(r.dc, c.nZoom);
        r.dc.SetViewportOrg(c.viewportOrg);
        EXPECT_TRUE(PointIs(ToDevice(r.dc, c.logical), c.device)) << "zoom " << c.nZoom;
    }
}

TEST(Mapping, DeviceToLogicalRoundsHalfAwayFromZero)
{
    struct Case {
        int nZoom;
        POINT device;
        POINT logical;
    };
    const Case cases[] = {
        {150, {5, -5}, {3, -3}},   // 3.33
        {75, {1, 2}, {1, 3}},      // 1.33, 2.67
        {75, {-2, -3}, {-3, -4}},  // -2.67, -4
        {200, {1, -1}, {1, -1}},   // 0.5
        {400, {2, 6}, {1, 2}},     // 0.5, 1.5
    };
    for (const Case& c : cases) {
        RecordingDC r;
        ApplyZoom(r.dc, c.nZoom);
        EXPECT_TRUE(PointIs(ToLogical(r.dc, c.device), c.logical)) << "zoom " << c.nZoom;
    }
}

TEST(Mapping, RoundTripsInEachMode)
{
    const POINT points[] = {{0, 0}, {1, 1}, {-1, 2}, {7, -13}, {1023, 767}, {-5000, 40000}};
    struct Mode {
        const char* name;
        int nMapMode;
        SIZE window;
        SIZE viewport;
        POINT windowOrg;
        POINT viewportOrg;
    };
    // Device units no larger than logical ones, so that logical -> device -> logical is exact.
    const Mode modes[] = {
        {"text", MM_TEXT, {1, 1}, {1, 1}, {3, 4}, {-100, -200}},
        {"isotropic 1.5", MM_ISOTROPIC, {100, 100}, {150, 150}, {0, 0}, {-37, -11}},
        {"isotropic 4", MM_ISOTROPIC, {100, 100}, {400, 400}, {10, 10}, {0, 0}},
        {"anisotropic flipped", MM_ANISOTROPIC, {10, 10}, {30, -20}, {5, 5}, {0, 600}},
    };
    for (const Mode& mode : modes) {
        RecordingDC r;
        SetMapping(r.dc, mode.nMapMode, mode.window, mode.viewport);
        r.dc.SetWindowOrg(mode.windowOrg);
        r.dc.SetViewportOrg(mode.viewportOrg);
        for (POINT point : points)
            EXPECT_TRUE(PointIs(ToLogical(r.dc, ToDevice(r.dc, point)), point)) << mode.name;
    }
    // Shrinking mappings round-trip the other way: device -> logical -> device.
    RecordingDC r;
    ApplyZoom(r.dc, 75);
    r.dc.SetViewportOrg(13, -9);
    for (POINT point : points)
        EXPECT_TRUE(PointIs(ToDevice(r.dc, ToLogical(r.dc, point)), point)) << "zoom 0.75";
}

TEST(Mapping, IsotropicShrinksTheLongerUnit)
{
    struct Case {
        SIZE window;
        SIZE viewport;
        SIZE adjusted;
    };
    const Case cases[] = {
        {{100, 100}, {200, 100}, {100, 100}},
        {{100, 100}, {200, -100}, {100, -100}},
        {{100, 50}, {100, 100}, {100, 50}},
        {{100, 100}, {150, 150}, {150, 150}},
        {{-100, 100}, {150, 300}, {150, 150}},
    };
    for (const Case& c : cases) {
        RecordingDC r;
        SetMapping(r.dc, MM_ISOTROPIC, c.window, c.viewport);
        EXPECT_EQ(r.dc.GetViewportExt(), CSize(c.adjusted))
            << r.dc.GetViewportExt().cx << "," << r.dc.GetViewportExt().cy;
        EXPECT_EQ(r.dc.GetWindowExt(), CSize(c.window));
    }
}

TEST(Mapping, IsotropicAccountsForNonSquarePixels)
{
    DeviceCaps caps;
    caps.nLogPixelsX = 96;
    caps.nLogPixelsY = 192;
    RecordingDC r(SIZE{800, 600}, caps);
    SetMapping(r.dc, MM_ISOTROPIC, {100, 100}, {100, 100});
    EXPECT_EQ(r.dc.GetViewportExt(), CSize(50, 100));
}

TEST(Mapping, AnisotropicKeepsBothExtents)
{
    RecordingDC r;
    EXPECT_EQ(r.dc.SetMapMode(MM_ANISOTROPIC), MM_TEXT);
    r.dc.SetWindowExt(100, 50);
    r.dc.SetViewportExt(300, -25);
    EXPECT_EQ(r.dc.GetViewportExt(), CSize(300, -25));
    EXPECT_TRUE(PointIs(ToDevice(r.dc, {10, 10}), {30, -5}));
}

TEST(Mapping, RefusesWhatItCannotMap)
{
    RecordingDC r;
    EXPECT_EQ(r.dc.SetMapMode(MM_LOMETRIC), 0);
    EXPECT_EQ(r.dc.GetMapMode(), MM_TEXT);
    r.dc.SetWindowExt(100, 100);  // ignored in MM_TEXT
    EXPECT_EQ(r.dc.GetWindowExt(), CSize(1, 1));
    r.dc.SetMapMode(MM_ANISOTROPIC);
    r.dc.SetWindowExt(100, 100);
    EXPECT_EQ(r.dc.SetViewportExt(0, 5), CSize(1, 1));  // a zero extent would divide by zero
    EXPECT_EQ(r.dc.GetViewportExt(), CSize(1, 1));
    r.dc.SetWindowExt(7, 0);
    EXPECT_EQ(r.dc.GetWindowExt(), CSize(100, 100));
    EXPECT_EQ(r.dc.SetMapMode(MM_TEXT), MM_ANISOTROPIC);
    EXPECT_EQ(r.dc.GetWindowExt(), CSize(1, 1));
}

TEST(Mapping, SizesUseMagnitudesAndRectsBothCorners)
{
    RecordingDC r;
    SetMapping(r.dc, MM_ANISOTROPIC, {100, 100}, {150, -150});
    r.dc.SetViewportOrg(0, 300);
    SIZE size{10, 10};
    r.dc.LPtoDP(&size);
    EXPECT_EQ(CSize(size), CSize(15, 15));
    r.dc.DPtoLP(&size);
    EXPECT_EQ(CSize(size), CSize(10, 10));
    CRect rect(0, 0, 10, 20);
    r.dc.LPtoDP(rect);
    EXPECT_TRUE(RectIs(rect, {0, 300, 15, 270}));  // not normalized, as the classic call leaves it
    r.dc.DPtoLP(rect);
    EXPECT_TRUE(RectIs(rect, {0, 0, 10, 20}));
}

TEST(Mapping, ExtremeCoordinatesClampInsteadOfOverflowing)
{
    RecordingDC r;
    ApplyZoom(r.dc, 400);
    r.dc.SetViewportOrg(1000, -1000);
    const LONG kMax = std::numeric_limits<LONG>::max();
    const LONG kMin = std::numeric_limits<LONG>::min();
    EXPECT_TRUE(PointIs(ToDevice(r.dc, {kMax, kMin}), {kMax, kMin}));
    ApplyZoom(r.dc, 25);
    r.dc.SetViewportOrg(0, 0);
    EXPECT_TRUE(PointIs(ToLogical(r.dc, {kMax, kMin}), {kMax, kMin}));
}

// Equal extents map without scaling, a mirrored axis still flips, and the origins still clamp
// at the ends of the range.
TEST(Mapping, OneToOneExtentsShiftFlipAndClamp)
{
    const LONG kMax = std::numeric_limits<LONG>::max();
    const LONG kMin = std::numeric_limits<LONG>::min();
    struct Case {
        SIZE viewportExt;
        POINT viewportOrg;
        POINT logical;
        POINT device;
    };
    const Case cases[] = {
        {{100, 100}, {-40, 7}, {50, 50}, {10, 57}},
        {{100, -100}, {0, 300}, {10, 20}, {10, 280}},
        {{100, 100}, {1000, -1000}, {kMax, kMin}, {kMax, kMin}},
        {{100, 100}, {-1000, 1000}, {kMin, kMax}, {kMin, kMax}},
    };
    for (const Case& c : cases) {
        RecordingDC r;
        SetMapping(r.dc, MM_ANISOTROPIC, {100, 100}, c.viewportExt);
        r.dc.SetViewportOrg(c.viewportOrg);
        r.dc.SetWindowOrg(0, 0);
        EXPECT_TRUE(PointIs(ToDevice(r.dc, c.logical), c.device)) << c.viewportExt.cy << " " << c.viewportOrg.x;
        SIZE size{-7, 9};
        r.dc.LPtoDP(&size);
        EXPECT_EQ(CSize(size), CSize(-7, 9));
    }
}

TEST(Mapping, HandleFunctionsUseTheContext)
{
    RecordingDC r;
    ApplyZoom(r.dc, 200);
    POINT points[2] = {{1, 2}, {3, 4}};
    ASSERT_TRUE(LPtoDP(r.dc.m_hAttribDC, points, 2));
    EXPECT_TRUE(PointIs(points[1], {6, 8}));
    ASSERT_TRUE(DPtoLP(r.dc.GetSafeHdc(), points, 2));
    EXPECT_TRUE(PointIs(points[0], {1, 2}));
    EXPECT_FALSE(LPtoDP(nullptr, points, 2));
    EXPECT_EQ(GetDeviceCaps(r.dc.m_hDC, LOGPIXELSY), 96);
}
