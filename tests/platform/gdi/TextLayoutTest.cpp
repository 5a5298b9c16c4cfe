#include "platform/gdi/GdiTypes.h"
#include "platform/gdi/TextLayout.h"

#include <gtest/gtest.h>

namespace {

const TextMeasure kSixEach = [](std::u16string_view text) { return int(text.size()) * 6; };

std::vector<std::u16string> Texts(const std::vector<TextLine>& lines)
{
    std::vector<std::u16string> texts;
    for (const TextLine& line : lines)
        texts.push_back(line.text);
    return texts;
}

}  // namespace

TEST(TextLayout, LinesByFormat)
{
    struct Case {
        std::u16string_view text;
        UINT nFormat;
        int nWidth;
        std::vector<std::u16string> lines;
    };
    const Case cases[] = {
        {u"aaa bbb", DT_WORDBREAK, 42, {u"aaa bbb"}},       // fits exactly
        {u"aaa bbb", DT_WORDBREAK, 41, {u"aaa", u"bbb"}},
        {u"aaa   bbb", DT_WORDBREAK, 18, {u"aaa", u"bbb"}},  // blanks at a break vanish
        {u"  aaa", DT_WORDBREAK, 100, {u"  aaa"}},           // leading blanks stay
        {u"aaaaaaaa b", DT_WORDBREAK, 12, {u"aaaaaaaa", u"b"}},
        {u"aaa bbb", DT_WORDBREAK, 0, {u"aaa", u"bbb"}},
        {u"", 0, 10, {u""}},
        {u"\n", 0, 10, {u"", u""}},
        {u"a\r\n\r\nb", 0, 10, {u"a", u"", u"b"}},
        {u"a\rb", DT_WORDBREAK, 100, {u"a", u"b"}},
        {u"a\nb", DT_SINGLELINE, 100, {u"a\nb"}},
        {u"abcdefghij", DT_SINGLELINE | DT_END_ELLIPSIS, 36, {u"abc..."}},
        {u"abcdefghij", DT_SINGLELINE | DT_END_ELLIPSIS, 10, {u"..."}},
        {u"abc", DT_SINGLELINE | DT_END_ELLIPSIS, 18, {u"abc"}},
        // A path loses its middle and keeps its last part; too narrow even for that, its end.
        {u"C:/dir/sub/printer", DT_SINGLELINE | DT_PATH_ELLIPSIS, 84, {u"C:/.../printer"}},
        {u"C:/dir/sub/printer", DT_SINGLELINE | DT_PATH_ELLIPSIS, 108, {u"C:/dir/sub/printer"}},
        {u"C:/dir/sub/printer", DT_SINGLELINE | DT_PATH_ELLIPSIS, 60, {u".../pri..."}},
        {u"printername", DT_SINGLELINE | DT_PATH_ELLIPSIS, 48, {u"print..."}},
        {u"a&&b&", 0, 100, {u"a&b"}},
        {u"a&&b&", DT_NOPREFIX, 100, {u"a&&b&"}},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Texts(LayoutText(c.text, c.nFormat, c.nWidth, kSixEach, 0)), c.lines)
            << std::string(c.text.begin(), c.text.end());
    }
}

TEST(TextLayout, PrefixUnderlineFollowsItsLine)
{
    const std::vector<TextLine> lines = LayoutText(u"one &two", DT_WORDBREAK, 24, kSixEach, 0);
    ASSERT_EQ(lines.size(), 2u);
    EXPECT_EQ(lines[0].nUnderline, -1);
    EXPECT_EQ(lines[1].text, u"two");
    EXPECT_EQ(lines[1].nUnderline, 0);
    // An ellipsis that cuts the marked character drops the underline.
    const std::vector<TextLine> cut =
        LayoutText(u"abcdef&g", DT_SINGLELINE | DT_END_ELLIPSIS, 36, kSixEach, 0);
    EXPECT_EQ(cut[0].text, u"abc...");
    EXPECT_EQ(cut[0].nUnderline, -1);
}

TEST(TextLayout, TabStops)
{
    const std::u16string_view line = u"ab\tc\t\td";
    const std::vector<TextRun> runs = SplitTabRuns(line, kSixEach, 48);
    ASSERT_EQ(runs.size(), 4u);
    const int offsets[] = {0, 48, 96, 144};
    const std::u16string_view texts[] = {u"ab", u"c", u"", u"d"};
    for (std::size_t i = 0; i < runs.size(); ++i) {
        EXPECT_EQ(runs[i].nOffset, offsets[i]);
        EXPECT_EQ(runs[i].text, texts[i]);
    }
    EXPECT_EQ(MeasureTabbed(line, kSixEach, 48), 150);
    EXPECT_EQ(MeasureTabbed(u"12345678\tx", kSixEach, 48), 102);  // a full cell moves on a stop
    EXPECT_EQ(SplitTabRuns(line, kSixEach, 0).size(), 1u);
    // Tabs count in the width that wrapping compares.
    EXPECT_EQ(Texts(LayoutText(u"a\tb c", DT_WORDBREAK, 60, kSixEach, 48)),
              (std::vector<std::u16string>{u"a\tb", u"c"}));
}
