#include "GdiTestSupport.h"

namespace {

struct TextDC : RecordingDC {
    TextDC()
    {
        CreateBlockFont(font);
        dc.SelectObject(&font);
    }
    CFont font;
};

}  // namespace

TEST(Text, ExtentsOfTheFixedPitchBlockFont)
{
    TextDC t;
    EXPECT_EQ(t.dc.GetTextExtent(u"I000", 4), CSize(24, 12));
    EXPECT_EQ(t.dc.GetTextExtent(CString(u"B12 Q")), CSize(30, 12));
    EXPECT_EQ(t.dc.GetTextExtent(u"", 0), CSize(0, 12));
    EXPECT_EQ(t.dc.GetTextExtent(u"中文A", 3), CSize(30, 12));  // CJK takes two cells
    SIZE size{};
    ASSERT_TRUE(GetTextExtentPoint32(t.dc.m_hAttribDC, u"I000", 4, &size));
    EXPECT_EQ(CSize(size), CSize(24, 12));
    EXPECT_FALSE(t.dc.GetTextExtentPoint32(u"I000", -1, &size));
}

TEST(Text, ProportionalFontsMeasureDeterministically)
{
    RecordingDC r;
    CFont font;
    font.CreateFont(-12, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                    VARIABLE_PITCH | FF_SWISS, u"");
    r.dc.SelectObject(&font);
    EXPECT_EQ(r.dc.GetTextExtent(u"il", 2), CSize(6, 12));
    EXPECT_EQ(r.dc.GetTextExtent(u"ab", 2), CSize(12, 12));
    EXPECT_EQ(r.dc.GetTextExtent(u"MW", 2), CSize(18, 12));
    EXPECT_EQ(r.dc.GetTextExtent(u"i", 1), CSize(3, 12));
    CFont wide;
    wide.CreateFont(20, 7, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0, 0,
                    VARIABLE_PITCH, u"");
    r.dc.SelectObject(&wide);  // a width makes every character that wide
    EXPECT_EQ(r.dc.GetTextExtent(u"iM", 2), CSize(14, 20));
}

TEST(Text, ExtentsAndMetricsStayLogicalUnderZoom)
{
    for (int nZoom : {100, 150, 200, 400}) {
        TextDC t;
        ApplyZoom(t.dc, nZoom);
        EXPECT_EQ(t.dc.GetTextExtent(u"I000", 4), CSize(24, 12)) << nZoom;
        TEXTMETRIC metrics;
        ASSERT_TRUE(t.dc.GetTextMetrics(&metrics));
        EXPECT_EQ(metrics.tmHeight, 12);
        EXPECT_EQ(metrics.tmAscent, 10);
        EXPECT_EQ(metrics.tmDescent, 2);
        EXPECT_EQ(metrics.tmAveCharWidth, 6);
        EXPECT_EQ(metrics.tmMaxCharWidth, 12);
        EXPECT_EQ(metrics.tmInternalLeading + metrics.tmExternalLeading, 0);
    }
}

TEST(Text, TextOutRecordsTheDeviceFontAndColours)
{
    TextDC t;
    t.dc.SetTextColor(RGB(255, 0, 0));
    ASSERT_TRUE(t.dc.TextOut(10, 20, CString(u"I000")));
    t.dc.SetBkMode(TRANSPARENT);
    ApplyZoom(t.dc, 200);
    ASSERT_TRUE(t.dc.TextOut(10, 20, u"I000xyz", 4));
    EXPECT_EQ(t.surface.Dump(),
              "Text (10,20) \"I000\" font=\"Arial\" 12x6 w400 colour=RGB(255,0,0) "
              "bk=RGB(255,255,255)\n"
              "Text (20,40) \"I000\" font=\"Arial\" 24x12 w400 colour=RGB(255,0,0) "
              "bk=transparent\n");
}

TEST(Text, AlignmentPlacesTheTextCell)
{
    struct Case {
        UINT nAlign;
        POINT expected;
    };
    const Case cases[] = {
        {TA_LEFT | TA_TOP, {100, 50}},
        {TA_RIGHT | TA_BOTTOM, {88, 38}},
        {TA_CENTER | TA_BASELINE, {94, 40}},
    };
    for (const Case& c : cases) {
        TextDC t;
        EXPECT_NE(t.dc.SetTextAlign(c.nAlign), GDI_ERROR);
        t.dc.TextOut(100, 50, u"ab", 2);
        ASSERT_EQ(t.Records().size(), 1u);
        EXPECT_TRUE(PointIs(t.Records()[0].points[0], c.expected)) << c.nAlign;
    }
    TextDC t;
    EXPECT_EQ(t.dc.SetTextAlign(0x100), GDI_ERROR);
    EXPECT_EQ(t.dc.GetTextAlign(), TA_LEFT | TA_TOP);
}

TEST(Text, UpdateCurrentPositionWritesOnFromWhereItStopped)
{
    TextDC t;
    t.dc.SetTextAlign(TA_UPDATECP);
    t.dc.MoveTo(5, 5);
    t.dc.TextOut(0, 0, u"abc", 3);
    t.dc.TextOut(0, 0, u"d", 1);
    EXPECT_EQ(t.dc.GetCurrentPosition(), CPoint(29, 5));
    ASSERT_EQ(t.Records().size(), 2u);
    EXPECT_TRUE(PointIs(t.Records()[1].points[0], {23, 5}));
}

TEST(Text, ExtTextOutFillsClipsAndSpaces)
{
    TextDC t;
    t.dc.SetBkColor(RGB(0, 0, 255));
    const CRect box(0, 0, 30, 12);
    ASSERT_TRUE(t.dc.ExtTextOut(2, 0, ETO_OPAQUE | ETO_CLIPPED, box, CString(u"wide text"), nullptr));
    const int spacing[] = {10, 10, 10};
    ASSERT_TRUE(t.dc.ExtTextOut(0, 20, 0, nullptr, u"abc", 3, spacing));
    EXPECT_EQ(t.surface.Dump(),
              "FillRect (0,0)-(30,12) RGB(0,0,255)\n"
              "Text (2,0) \"wide text\" font=\"Arial\" 12x6 w400 colour=RGB(0,0,0) "
              "bk=RGB(0,0,255) clip=(0,0)-(30,12)\n"
              "Text (0,20) \"a\" font=\"Arial\" 12x6 w400 colour=RGB(0,0,0) bk=RGB(0,0,255)\n"
              "Text (10,20) \"b\" font=\"Arial\" 12x6 w400 colour=RGB(0,0,0) bk=RGB(0,0,255)\n"
              "Text (20,20) \"c\" font=\"Arial\" 12x6 w400 colour=RGB(0,0,0) bk=RGB(0,0,255)\n");
    t.surface.Clear();
    ASSERT_TRUE(t.dc.ExtTextOut(0, 0, ETO_OPAQUE, box, nullptr, 0, nullptr));  // a plain fill
    EXPECT_EQ(t.surface.Dump(), "FillRect (0,0)-(30,12) RGB(0,0,255)\n");
}

TEST(Text, DrawTextCalcRect)
{
    struct Case {
        const char16_t* text;
        UINT nFormat;
        RECT rect;
        RECT expected;
        int nHeight;
    };
    const Case cases[] = {
        {u"Hello", DT_SINGLELINE, {10, 10, 10, 10}, {10, 10, 40, 22}, 12},
        {u"one two three", DT_WORDBREAK, {10, 0, 58, 100}, {10, 0, 52, 24}, 24},
        {u"a verylongword b", DT_WORDBREAK, {0, 0, 30, 0}, {0, 0, 72, 36}, 36},
        {u"one\r\ntwo\nthree", 0, {0, 0, 5, 5}, {0, 0, 30, 36}, 36},
        {u"&File", 0, {0, 0, 0, 0}, {0, 0, 24, 12}, 12},
        {u"&File", DT_NOPREFIX, {0, 0, 0, 0}, {0, 0, 30, 12}, 12},
        {u"a\tb", DT_EXPANDTABS | DT_SINGLELINE, {0, 0, 0, 0}, {0, 0, 54, 12}, 12},
        {u"", DT_SINGLELINE, {3, 4, 50, 50}, {3, 4, 3, 16}, 12},
    };
    for (const Case& c : cases) {
        TextDC t;
        CRect rect(c.rect);
        EXPECT_EQ(t.dc.DrawText(c.text, -1, rect, c.nFormat | DT_CALCRECT), c.nHeight)
            << CString(c.text).ToUtf8();
        EXPECT_TRUE(RectIs(rect, c.expected)) << CString(c.text).ToUtf8();
        EXPECT_TRUE(t.Records().empty());
    }
}

TEST(Text, DrawTextWrapsWordsIntoLines)
{
    TextDC t;
    CRect rect(10, 0, 58, 100);
    EXPECT_EQ(t.dc.DrawText(CString(u"one two three"), rect, DT_WORDBREAK | DT_NOPREFIX), 24);
    ASSERT_EQ(t.Records().size(), 2u);
    EXPECT_EQ(t.Records()[0].text, u"one two");
    EXPECT_TRUE(PointIs(t.Records()[0].points[0], {10, 0}));
    EXPECT_EQ(t.Records()[1].text, u"three");
    EXPECT_TRUE(PointIs(t.Records()[1].points[0], {10, 12}));
    ASSERT_TRUE(t.Records()[1].textClip.has_value());
    EXPECT_TRUE(RectIs(*t.Records()[1].textClip, {10, 0, 58, 100}));
}

TEST(Text, DrawTextPlacesASingleLine)
{
    struct Case {
        UINT nFormat;
        POINT expected;
        int nReturned;
    };
    const Case cases[] = {
        {DT_SINGLELINE, {0, 0}, 12},
        {DT_SINGLELINE | DT_CENTER | DT_VCENTER, {41, 14}, 26},
        {DT_SINGLELINE | DT_RIGHT | DT_BOTTOM, {82, 28}, 40},
        {DT_CENTER | DT_VCENTER, {41, 0}, 12},  // vertical placement needs a single line
    };
    for (const Case& c : cases) {
        TextDC t;
        CRect rect(0, 0, 100, 40);
        EXPECT_EQ(t.dc.DrawText(u"abc", 3, rect, c.nFormat), c.nReturned);
        ASSERT_EQ(t.Records().size(), 1u);
        EXPECT_TRUE(PointIs(t.Records()[0].points[0], c.expected)) << c.nFormat;
    }
}

TEST(Text, DrawTextEllipsisPrefixTabsAndNoClip)
{
    TextDC t;
    CRect rect(0, 0, 36, 12);
    t.dc.DrawText(u"abcdefghij", -1, rect, DT_SINGLELINE | DT_END_ELLIPSIS | DT_NOCLIP);
    t.dc.SetTextColor(RGB(0, 128, 0));
    t.dc.DrawText(u"&File", -1, rect, DT_SINGLELINE);
    t.dc.DrawText(u"a&&b", -1, rect, DT_SINGLELINE);
    t.dc.DrawText(u"a\tb", -1, rect, DT_SINGLELINE | DT_EXPANDTABS | DT_NOCLIP);
    ASSERT_EQ(t.Records().size(), 6u);
    EXPECT_EQ(t.Records()[0].text, u"abc...");
    EXPECT_FALSE(t.Records()[0].textClip.has_value());
    EXPECT_EQ(t.Records()[1].text, u"File");
    EXPECT_EQ(t.Records()[2].ToString(), "FillRect (0,11)-(6,12) RGB(0,128,0)");
    EXPECT_EQ(t.Records()[3].text, u"a&b");
    EXPECT_EQ(t.Records()[4].text, u"a");
    EXPECT_EQ(t.Records()[5].text, u"b");
    EXPECT_TRUE(PointIs(t.Records()[5].points[0], {48, 0}));
}

TEST(Text, DrawTextUnderZoomLaysOutInLogicalUnits)
{
    TextDC t;
    ApplyZoom(t.dc, 200);
    CRect rect(10, 0, 58, 100);
    EXPECT_EQ(t.dc.DrawText(u"one two three", -1, rect, DT_WORDBREAK), 24);
    ASSERT_EQ(t.Records().size(), 2u);
    EXPECT_TRUE(PointIs(t.Records()[1].points[0], {20, 24}));
    EXPECT_EQ(t.Records()[1].state.font.lfHeight, 24);
    EXPECT_TRUE(RectIs(*t.Records()[1].textClip, {20, 0, 116, 200}));
}

TEST(Text, DrawTextRejectsMissingArguments)
{
    TextDC t;
    CRect rect(0, 0, 10, 10);
    EXPECT_EQ(t.dc.DrawText(nullptr, 3, rect, 0), 0);
    EXPECT_EQ(t.dc.DrawText(u"abc", 3, nullptr, 0), 0);
    EXPECT_TRUE(t.Records().empty());
}
