#include "GdiTestSupport.h"

#include <memory>

TEST(GdiObjects, ANewContextHasTheStockObjectsSelected)
{
    CDC dc;
    EXPECT_EQ(dc.GetCurrentPen(), CGdiObject::FromStockObject(BLACK_PEN));
    EXPECT_EQ(dc.GetCurrentBrush(), CGdiObject::FromStockObject(WHITE_BRUSH));
    EXPECT_EQ(dc.GetCurrentFont(), CGdiObject::FromStockObject(SYSTEM_FONT));
    EXPECT_EQ(dc.GetCurrentBitmap(), nullptr);
    EXPECT_EQ(CGdiObject::FromStockObject(9), nullptr);
    EXPECT_EQ(CGdiObject::FromStockObject(-1), nullptr);
}

TEST(GdiObjects, SelectObjectReturnsThePreviousObject)
{
    CDC dc;
    CPen red(PS_SOLID, 1, RGB(255, 0, 0));
    CPen blue(PS_SOLID, 2, RGB(0, 0, 255));
    CBrush brush(RGB(1, 2, 3));
    CFont font;
    CreateBlockFont(font);

    CPen* pOldPen = dc.SelectObject(&red);
    EXPECT_EQ(pOldPen, CGdiObject::FromStockObject(BLACK_PEN));
    EXPECT_EQ(dc.SelectObject(&blue), &red);
    EXPECT_EQ(dc.SelectObject(pOldPen), &blue);
    EXPECT_EQ(dc.GetCurrentPen(), pOldPen);

    EXPECT_EQ(dc.SelectObject(&brush), CGdiObject::FromStockObject(WHITE_BRUSH));
    EXPECT_EQ(dc.SelectObject(&font), CGdiObject::FromStockObject(SYSTEM_FONT));
    EXPECT_EQ(dc.SelectObject(static_cast<CGdiObject*>(&red)), CGdiObject::FromStockObject(BLACK_PEN));
    EXPECT_EQ(dc.SelectStockObject(NULL_BRUSH), &brush);
    EXPECT_EQ(dc.GetCurrentBrush(), CGdiObject::FromStockObject(HOLLOW_BRUSH));
    EXPECT_EQ(dc.GetCurrentFont(), &font);
}

TEST(GdiObjects, AnEmptyObjectIsNotSelected)
{
    CDC dc;
    CPen empty;
    EXPECT_EQ(dc.SelectObject(&empty), nullptr);
    EXPECT_EQ(dc.SelectObject(static_cast<CPen*>(nullptr)), nullptr);
    EXPECT_EQ(dc.SelectStockObject(9), nullptr);
    EXPECT_EQ(dc.GetCurrentPen(), CGdiObject::FromStockObject(BLACK_PEN));
}

TEST(GdiObjects, AnObjectDestroyedWhileSelectedKeepsDrawingAndComesBackAsAnOwnerlessCopy)
{
    RecordingDC r;
    {
        CPen pen(PS_DOT, 1, RGB(9, 8, 7));
        r.dc.SelectObject(&pen);
    }
    r.dc.LineTo(10, 0);
    ASSERT_EQ(r.Records().size(), 1u);
    EXPECT_EQ(r.Records()[0].state.pen.crColour, RGB(9, 8, 7));

    CPen other(PS_SOLID, 1, 0);
    CPen* pPrevious = r.dc.SelectObject(&other);
    ASSERT_NE(pPrevious, nullptr);
    LOGPEN logPen;
    ASSERT_TRUE(pPrevious->GetLogPen(&logPen));
    EXPECT_EQ(logPen.lopnStyle, UINT(PS_DOT));
    EXPECT_EQ(logPen.lopnColor, RGB(9, 8, 7));
    EXPECT_EQ(r.dc.SelectObject(pPrevious), &other);
}

TEST(GdiObjects, DeleteObjectLeavesTheSelectionIntact)
{
    RecordingDC r;
    CBrush brush(RGB(0, 255, 0));
    r.dc.SelectObject(&brush);
    EXPECT_TRUE(brush.DeleteObject());
    EXPECT_FALSE(brush.DeleteObject());
    EXPECT_EQ(brush.GetSafeHandle(), nullptr);
    r.dc.Rectangle(0, 0, 5, 5);
    EXPECT_EQ(r.Records().at(0).state.brush.crColour, RGB(0, 255, 0));
    // The brush object can describe a new brush while the context keeps the old one.
    brush.CreateSolidBrush(RGB(1, 1, 1));
    CBrush* pPrevious = r.dc.SelectObject(&brush);
    LOGBRUSH logBrush;
    ASSERT_TRUE(pPrevious->GetLogBrush(&logBrush));
    EXPECT_EQ(logBrush.lbColor, RGB(0, 255, 0));
}

TEST(GdiObjects, PenStyles)
{
    struct Case {
        int nStyle, nWidth;
        BOOL bCreated;
        UINT nStoredStyle;
        LONG nStoredWidth;
    };
    const Case cases[] = {
        {PS_SOLID, 1, TRUE, PS_SOLID, 1},      {PS_DOT, 1, TRUE, PS_DOT, 1},
        {PS_DASH, 2, TRUE, PS_SOLID, 2},       {PS_DOT, 5, TRUE, PS_SOLID, 5},
        {PS_NULL, 3, TRUE, PS_NULL, 3},        {PS_SOLID, -4, TRUE, PS_SOLID, 0},
        {PS_INSIDEFRAME + 1, 1, FALSE, 0, 0},  {-1, 1, FALSE, 0, 0},
    };
    for (const Case& c : cases) {
        CPen pen;
        ASSERT_EQ(pen.CreatePen(c.nStyle, c.nWidth, RGB(1, 2, 3)), c.bCreated) << c.nStyle;
        LOGPEN logPen{};
        EXPECT_EQ(pen.GetLogPen(&logPen) != 0, c.bCreated != FALSE);
        if (c.bCreated) {
            EXPECT_EQ(logPen.lopnStyle, c.nStoredStyle);
            EXPECT_EQ(logPen.lopnWidth.x, c.nStoredWidth);
        }
    }
}

TEST(GdiObjects, BrushesAndStockObjectsOfTheRightKind)
{
    CBrush hollow;
    EXPECT_FALSE(hollow.CreateStockObject(BLACK_PEN));
    ASSERT_TRUE(hollow.CreateStockObject(HOLLOW_BRUSH));
    LOGBRUSH logBrush;
    ASSERT_TRUE(hollow.GetLogBrush(&logBrush));
    EXPECT_EQ(logBrush.lbStyle, BS_NULL);
    const LOGBRUSH hatched{2, 0, 0};
    EXPECT_FALSE(CBrush().CreateBrushIndirect(&hatched));
    CGdiObject any;
    EXPECT_TRUE(any.CreateStockObject(DEFAULT_GUI_FONT));
    // Deleting a shared stock object leaves the stock object itself alone.
    EXPECT_TRUE(hollow.DeleteObject());
    ASSERT_TRUE(static_cast<CBrush*>(CGdiObject::FromStockObject(NULL_BRUSH))->GetLogBrush(&logBrush));
    EXPECT_EQ(logBrush.lbStyle, BS_NULL);
}

TEST(GdiObjects, FontKeepsEveryField)
{
    CFont font;
    ASSERT_TRUE(font.CreateFont(-14, 8, 900, 900, FW_BOLD, TRUE, TRUE, TRUE, GB2312_CHARSET,
                                OUT_TT_PRECIS, 2, PROOF_QUALITY, FIXED_PITCH | FF_SWISS,
                                u"A face name that is far longer than thirty-one units"));
    LOGFONT logFont;
    ASSERT_EQ(font.GetLogFont(&logFont), int(sizeof(LOGFONT)));
    EXPECT_EQ(logFont.lfHeight, -14);
    EXPECT_EQ(logFont.lfWidth, 8);
    EXPECT_EQ(logFont.lfEscapement, 900);
    EXPECT_EQ(logFont.lfOrientation, 900);
    EXPECT_EQ(logFont.lfWeight, FW_BOLD);
    EXPECT_EQ(logFont.lfItalic, TRUE);
    EXPECT_EQ(logFont.lfUnderline, TRUE);
    EXPECT_EQ(logFont.lfStrikeOut, TRUE);
    EXPECT_EQ(logFont.lfCharSet, GB2312_CHARSET);
    EXPECT_EQ(logFont.lfOutPrecision, OUT_TT_PRECIS);
    EXPECT_EQ(logFont.lfClipPrecision, 2);
    EXPECT_EQ(logFont.lfQuality, PROOF_QUALITY);
    EXPECT_EQ(logFont.lfPitchAndFamily, FIXED_PITCH | FF_SWISS);
    EXPECT_EQ(std::u16string(logFont.lfFaceName), u"A face name that is far longer ");
    EXPECT_EQ(logFont.lfFaceName[LF_FACESIZE - 1], 0);

    LOGFONT unterminated = logFont;
    for (WCHAR& c : unterminated.lfFaceName)
        c = u'x';
    CFont copy;
    ASSERT_TRUE(copy.CreateFontIndirect(&unterminated));
    copy.GetLogFont(&logFont);
    EXPECT_EQ(std::u16string(logFont.lfFaceName).size(), std::size_t(LF_FACESIZE - 1));
}

TEST(GdiObjects, PointFontFollowsTheResolutionAndMapping)
{
    DeviceCaps caps;
    caps.nLogPixelsY = 120;
    RecordingDC r(SIZE{100, 100}, caps);
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(90, u"Tahoma", &r.dc));  // 9 pt at 120 dpi: 15 pixels
    LOGFONT logFont;
    font.GetLogFont(&logFont);
    EXPECT_EQ(logFont.lfHeight, -15);
    ApplyZoom(r.dc, 300);
    ASSERT_TRUE(font.CreatePointFont(90, u"Tahoma", &r.dc));
    font.GetLogFont(&logFont);
    EXPECT_EQ(logFont.lfHeight, -5);
}

TEST(GdiObjects, BitmapSizes)
{
    struct Case {
        int nWidth, nHeight;
        BOOL bCreated;
        LONG nStoredWidth, nStoredHeight;
    };
    const Case cases[] = {
        {10, 20, TRUE, 10, 20},
        {0, 0, TRUE, 1, 1},  // a minimized window's bitmap
        {0, 500, TRUE, 1, 1},
        {-1, 5, FALSE, 0, 0},
        {100000, 100000, FALSE, 0, 0},
    };
    for (const Case& c : cases) {
        CBitmap bitmap;
        ASSERT_EQ(bitmap.CreateCompatibleBitmap(nullptr, c.nWidth, c.nHeight), c.bCreated);
        BITMAP info{};
        EXPECT_EQ(bitmap.GetBitmap(&info) != 0, c.bCreated != FALSE);
        EXPECT_EQ(info.bmWidth, c.nStoredWidth);
        EXPECT_EQ(info.bmHeight, c.nStoredHeight);
        if (c.bCreated) {
            EXPECT_EQ(info.bmBitsPixel, 32);
            EXPECT_EQ(info.bmWidthBytes, c.nStoredWidth * 4);
        }
    }
}

TEST(GdiObjects, ABitmapIsSelectedIntoOneMemoryContextAtATime)
{
    RecordingDC screen;
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&screen.dc, 4, 4);
    EXPECT_EQ(screen.dc.SelectObject(&bitmap), nullptr);  // not a memory context

    CDC first;
    CDC second;
    ASSERT_TRUE(first.CreateCompatibleDC(&screen.dc));
    ASSERT_TRUE(second.CreateCompatibleDC(&screen.dc));
    CBitmap* pDefault = first.SelectObject(&bitmap);
    ASSERT_NE(pDefault, nullptr);
    BITMAP info;
    pDefault->GetBitmap(&info);
    EXPECT_EQ(info.bmWidth, 1);
    EXPECT_EQ(second.SelectObject(&bitmap), nullptr);
    EXPECT_EQ(first.SelectObject(pDefault), &bitmap);
    EXPECT_NE(second.SelectObject(&bitmap), nullptr);
}

TEST(GdiObjects, SaveAndRestoreTheState)
{
    RecordingDC r;
    CPen pen(PS_SOLID, 3, RGB(255, 0, 0));
    r.dc.SetTextColor(RGB(1, 1, 1));
    const int nFirst = r.dc.SaveDC();
    EXPECT_EQ(nFirst, 1);

    r.dc.SelectObject(&pen);
    r.dc.SetTextColor(RGB(2, 2, 2));
    r.dc.SetBkMode(TRANSPARENT);
    r.dc.SetROP2(R2_NOTXORPEN);
    ApplyZoom(r.dc, 200);
    r.dc.SetViewportOrg(-10, -10);
    r.dc.IntersectClipRect(0, 0, 50, 50);
    r.dc.MoveTo(7, 7);
    EXPECT_EQ(r.dc.SaveDC(), 2);
    r.dc.SetTextColor(RGB(3, 3, 3));
    EXPECT_EQ(r.dc.SaveDC(), 3);

    ASSERT_TRUE(r.dc.RestoreDC(-1));
    EXPECT_EQ(r.dc.GetTextColor(), RGB(3, 3, 3));
    ASSERT_TRUE(r.dc.RestoreDC(-1));
    EXPECT_EQ(r.dc.GetTextColor(), RGB(2, 2, 2));
    EXPECT_EQ(r.dc.GetMapMode(), MM_ISOTROPIC);

    r.dc.SaveDC();
    r.dc.SaveDC();
    ASSERT_TRUE(r.dc.RestoreDC(nFirst));  // drops every later level too
    EXPECT_FALSE(r.dc.RestoreDC(-1));
    EXPECT_EQ(r.dc.GetTextColor(), RGB(1, 1, 1));
    EXPECT_EQ(r.dc.GetCurrentPen(), CGdiObject::FromStockObject(BLACK_PEN));
    EXPECT_EQ(r.dc.GetBkMode(), OPAQUE);
    EXPECT_EQ(r.dc.GetROP2(), R2_COPYPEN);
    EXPECT_EQ(r.dc.GetMapMode(), MM_TEXT);
    EXPECT_EQ(r.dc.GetViewportOrg(), CPoint(0, 0));
    EXPECT_EQ(r.dc.GetCurrentPosition(), CPoint(0, 0));
    CRect clip;
    EXPECT_EQ(r.dc.GetClipBox(clip), SIMPLEREGION);
    EXPECT_TRUE(RectIs(clip, {0, 0, 800, 600}));
}

TEST(GdiObjects, RestoreRefusesLevelsThatDoNotExist)
{
    CDC dc;
    EXPECT_FALSE(dc.RestoreDC(-1));
    EXPECT_FALSE(dc.RestoreDC(1));
    dc.SaveDC();
    EXPECT_FALSE(dc.RestoreDC(0));
    EXPECT_FALSE(dc.RestoreDC(2));
    EXPECT_FALSE(dc.RestoreDC(-2));
    EXPECT_TRUE(dc.RestoreDC(1));
}

TEST(GdiObjects, RestoringAMemoryContextBringsItsBitmapBack)
{
    CDC memory;
    ASSERT_TRUE(memory.CreateCompatibleDC(nullptr));
    CBitmap red;
    CBitmap blue;
    red.CreateCompatibleBitmap(&memory, 2, 2);
    blue.CreateCompatibleBitmap(&memory, 2, 2);
    memory.SelectObject(&red);
    memory.SetPixel(0, 0, RGB(255, 0, 0));
    memory.SaveDC();
    memory.SelectObject(&blue);
    memory.SetPixel(0, 0, RGB(0, 0, 255));
    ASSERT_TRUE(memory.RestoreDC(-1));
    EXPECT_EQ(memory.GetCurrentBitmap(), &red);
    EXPECT_EQ(memory.GetPixel(0, 0), RGB(255, 0, 0));
    EXPECT_EQ(blue.GetPixels()->GetPixel(0, 0), RGB(0, 0, 255));
}

TEST(GdiObjects, DeviceCapsComeFromTheSurfaceOrTheDisplay)
{
    DeviceCaps caps;
    caps.nHorzRes = 1280;
    caps.nVertRes = 1024;
    caps.nBitsPixel = 24;
    RecordingDC r(SIZE{10, 10}, caps);
    EXPECT_EQ(r.dc.GetDeviceCaps(HORZRES), 1280);
    EXPECT_EQ(r.dc.GetDeviceCaps(VERTRES), 1024);
    EXPECT_EQ(r.dc.GetDeviceCaps(BITSPIXEL), 24);
    EXPECT_EQ(r.dc.GetDeviceCaps(PLANES), 1);
    EXPECT_EQ(r.dc.GetDeviceCaps(LOGPIXELSX), 96);
    EXPECT_EQ(r.dc.GetDeviceCaps(12345), 0);
    CDC memory;
    memory.CreateCompatibleDC(&r.dc);
    EXPECT_EQ(memory.GetDeviceCaps(HORZRES), 1280);

    CDC display;
    EXPECT_FALSE(display.CreateDC(u"WINSPOOL", nullptr, nullptr, nullptr));
    ASSERT_TRUE(display.CreateDC(u"DISPLAY", nullptr, nullptr, nullptr));
    EXPECT_EQ(display.GetDeviceCaps(HORZRES), 1024);
    EXPECT_EQ(display.GetSafeHdc(), &display);
    EXPECT_FALSE(display.IsPrinting());
    EXPECT_FALSE(display.LineTo(5, 5));  // nothing to draw on
    EXPECT_TRUE(display.DeleteDC());
    EXPECT_EQ(display.GetSafeHdc(), nullptr);
}
