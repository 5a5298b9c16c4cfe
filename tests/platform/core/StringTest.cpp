#include "platform/core/String.h"

#include "platform/core/StringPrinter.h"

#include <gtest/gtest.h>

#include <stdexcept>
#include <unordered_map>

namespace {

TEST(String, Construction)
{
    EXPECT_TRUE(CString().IsEmpty());
    EXPECT_TRUE(CString(LPCTSTR(nullptr)).IsEmpty());
    EXPECT_EQ(CString(u"abcdef", 3), u"abc");
    EXPECT_EQ(CString(u"ab", -1), u"");
    EXPECT_EQ(CString(u'x', 3), u"xxx");
    EXPECT_EQ(CString(u'x', 0), u"");
    EXPECT_EQ(CString("caf\xC3\xA9"), u"café");
    EXPECT_EQ(CString(std::u16string_view(u"view")), u"view");

    // Embedded NULs given by an explicit length are kept.
    const CString withNul(u"a\0b", 3);
    EXPECT_EQ(withNul.GetLength(), 3);
    EXPECT_EQ(withNul.GetAt(1), u'\0');
}

TEST(String, LengthsCountUtf16Units)
{
    const CString s(u"a\U0001F600b");
    EXPECT_EQ(s.GetLength(), 4);
    EXPECT_EQ(CString::FromUtf8("a\xF0\x9F\x98\x80" "b").GetLength(), 4);
    EXPECT_EQ(CString(u"中文").GetLength(), 2);
}

TEST(String, Utf8RoundTrip)
{
    const std::string text = "Ascii, caf\xC3\xA9, \xE4\xB8\xAD\xE6\x96\x87, \xF0\x9F\x98\x80";
    EXPECT_EQ(CString::FromUtf8(text).ToUtf8(), text);
    EXPECT_EQ(CString::FromUtf8(text), u"Ascii, café, 中文, \U0001F600");
}

TEST(String, InvalidUtf8AndLoneSurrogatesBecomeReplacementCharacters)
{
    EXPECT_EQ(CString::FromUtf8("a\xFF" "b"), u"a\uFFFDb");
    EXPECT_EQ(CString::FromUtf8("\xC0\xAF"), u"\uFFFD\uFFFD");         // overlong
    EXPECT_EQ(CString::FromUtf8("\xED\xA0\x80"), u"\uFFFD\uFFFD\uFFFD"); // encoded surrogate
    EXPECT_EQ(CString::FromUtf8("x\xE4\xB8"), u"x\uFFFD\uFFFD");        // truncated at the end
    EXPECT_EQ(CString::FromUtf8("\xE4" "a"), u"\uFFFDa");
    EXPECT_EQ(CString(u"a\xD800" "b").ToUtf8(), "a\xEF\xBF\xBD" "b");
    EXPECT_EQ(CString(u"\xDC00").ToUtf8(), "\xEF\xBF\xBD");
}

TEST(String, EightBitRoundTripAndReplacement)
{
    std::string all;
    for (int b = 0; b < 256; ++b)
        all += char(b);
    const CString wide = CString::From8Bit(all);
    ASSERT_EQ(wide.GetLength(), 256);
    EXPECT_EQ(wide.GetAt(0xE9), u'\u00E9');
    EXPECT_EQ(wide.To8Bit(), all);
    EXPECT_EQ(CString(u"A中\u0100\U0001F600").To8Bit(), "A????");
}

TEST(String, ComparisonsAreOrdinalLikeWcscmp)
{
    const CString b(u"B");
    EXPECT_LT(b, CString(u"a")); // upper case sorts before lower case
    EXPECT_LT(CString(u"ab"), CString(u"abc"));
    EXPECT_GT(CString(u"abd"), u"abc");
    EXPECT_EQ(CString(u"abc").Compare(u"abd"), -1);
    EXPECT_EQ(CString(u"abd").Compare(u"abc"), 1);
    EXPECT_EQ(CString(u"abc").Compare(u"abc"), 0);
    EXPECT_EQ(CString().Compare(nullptr), 0);
    // UTF-16 unit order, not code-point order: U+FFFF sorts after a surrogate pair.
    EXPECT_GT(CString(u"\uFFFF"), CString(u"\U0001F600"));

    EXPECT_TRUE(u"abc" == CString(u"abc"));
    EXPECT_TRUE(CString(u"abc") != u"abd");
    EXPECT_TRUE(u"a" < CString(u"b"));
    EXPECT_TRUE(u"b" > CString(u"a"));
    EXPECT_TRUE(CString(u"a") <= u"a");
    EXPECT_TRUE(u"a" >= CString(u"a"));
}

TEST(String, CompareNoCase)
{
    struct Row {
        const char16_t* a;
        const char16_t* b;
        int want;
    };
    const Row rows[] = {
        {u"Hello", u"hELLO", 0},
        {u"ÄRGER", u"ärger", 0},
        {u"ŁÓDŹ", u"łódź", 0},
        {u"ПРИВЕТ", u"привет", 0},
        {u"ΑΒΓ", u"αβγ", 0},
        {u"ＡＢＣ", u"ａｂｃ", 0},
        {u"Ÿ", u"ÿ", 0},
        {u"abc", u"ABD", -1},
        {u"_", u"A", -1}, // folded to lower case, so '_' (0x5F) is below 'a'
        {u"ab", u"AB ", -1},
        {u"abc", u"AB", 1},
    };
    for (const Row& r : rows)
        EXPECT_EQ(CString(r.a).CompareNoCase(r.b), r.want) << CString(r.a).ToUtf8();
}

TEST(String, CaseAndReverse)
{
    EXPECT_EQ(CString(u"Mixed Case ä ÿ ž Ж 1").MakeUpper(), u"MIXED CASE Ä Ÿ Ž Ж 1");
    EXPECT_EQ(CString(u"MIXED CASE Ä Ÿ Ž Ж ×").MakeLower(), u"mixed case ä ÿ ž ж ×");
    EXPECT_EQ(CString(u"abc").MakeReverse(), u"cba");
    // A character outside the BMP keeps its two halves in order.
    EXPECT_EQ(CString(u"a\U0001F600b").MakeReverse(), u"b\U0001F600a");
}

TEST(String, Trim)
{
    EXPECT_EQ(CString(u" \t\r\n x y \v\f").Trim(), u"x y");
    EXPECT_EQ(CString(u"  x  ").TrimLeft(), u"x  ");
    EXPECT_EQ(CString(u"  x  ").TrimRight(), u"  x");
    EXPECT_EQ(CString(u" \t ").Trim(), u"");
    EXPECT_EQ(CString(u"**x*y**").Trim(u'*'), u"x*y");
    EXPECT_EQ(CString(u"**x**").TrimLeft(u'*'), u"x**");
    EXPECT_EQ(CString(u"**x**").TrimRight(u'*'), u"**x");
    EXPECT_EQ(CString(u"0.500").TrimRight(u"0"), u"0.5");
    EXPECT_EQ(CString(u"-+x+-").Trim(u"+-"), u"x");
    EXPECT_EQ(CString(u"-+x+-").TrimLeft(u"+-"), u"x+-");
    EXPECT_EQ(CString(u"\u3000x").Trim(), u"\u3000x"); // only ASCII whitespace is trimmed

    CString self(u"aba");
    self.Trim(self.GetString());
    EXPECT_EQ(self, u"");
}

TEST(String, LeftMidRightClamp)
{
    const CString s(u"abcdef");
    EXPECT_EQ(s.Left(2), u"ab");
    EXPECT_EQ(s.Left(99), u"abcdef");
    EXPECT_EQ(s.Left(-1), u"");
    EXPECT_EQ(s.Mid(2), u"cdef");
    EXPECT_EQ(s.Mid(2, 3), u"cde");
    EXPECT_EQ(s.Mid(4, 99), u"ef");
    EXPECT_EQ(s.Mid(99), u"");
    EXPECT_EQ(s.Mid(-3, 2), u"ab");
    EXPECT_EQ(s.Right(2), u"ef");
    EXPECT_EQ(s.Right(99), u"abcdef");
    EXPECT_EQ(s.Right(-1), u"");
    EXPECT_EQ(s.SpanIncluding(u"abc"), u"abc");
    EXPECT_EQ(s.SpanIncluding(u"x"), u"");
    EXPECT_EQ(s.SpanExcluding(u"dx"), u"abc");
    EXPECT_EQ(s.SpanExcluding(u""), u"abcdef");
}

TEST(String, Find)
{
    const CString s(u"a,b,,c");
    EXPECT_EQ(s.Find(u','), 1);
    EXPECT_EQ(s.Find(u',', 2), 3);
    EXPECT_EQ(s.Find(u'x'), -1);
    EXPECT_EQ(s.Find(u',', 99), -1);
    EXPECT_EQ(s.Find(u',', -1), -1);
    EXPECT_EQ(s.Find(u",,"), 3);
    EXPECT_EQ(s.Find(u"b,", 2), 2);
    EXPECT_EQ(s.Find(u"b,", 3), -1);
    EXPECT_EQ(s.Find(u""), 0);
    EXPECT_EQ(s.Find(u"", 6), 6);
    EXPECT_EQ(s.ReverseFind(u','), 4);
    EXPECT_EQ(s.ReverseFind(u'x'), -1);
    EXPECT_EQ(s.FindOneOf(u"cb"), 2);
    EXPECT_EQ(s.FindOneOf(u""), -1);
}

TEST(String, ReplaceRemoveInsertDelete)
{
    CString s(u"a-b-c");
    EXPECT_EQ(s.Replace(u'-', u'+'), 2);
    EXPECT_EQ(s, u"a+b+c");
    EXPECT_EQ(s.Replace(u"+", u"::"), 2);
    EXPECT_EQ(s, u"a::b::c");
    EXPECT_EQ(s.Replace(u"::", u""), 2);
    EXPECT_EQ(s, u"abc");
    EXPECT_EQ(s.Replace(u"", u"x"), 0);
    EXPECT_EQ(s.Replace(u"zz", u"x"), 0);
    EXPECT_EQ(s, u"abc");

    CString overlap(u"aaaa");
    EXPECT_EQ(overlap.Replace(u"aa", u"a"), 2); // matches do not overlap
    EXPECT_EQ(overlap, u"aa");

    CString r(u"banana");
    EXPECT_EQ(r.Remove(u'a'), 3);
    EXPECT_EQ(r, u"bnn");

    CString i(u"ac");
    EXPECT_EQ(i.Insert(1, u'b'), 3);
    EXPECT_EQ(i.Insert(99, u"de"), 5);
    EXPECT_EQ(i.Insert(-5, u">"), 6);
    EXPECT_EQ(i, u">abcde");
    EXPECT_EQ(i.Delete(0), 5);
    EXPECT_EQ(i.Delete(1, 2), 3);
    EXPECT_EQ(i.Delete(2, 99), 2);
    EXPECT_EQ(i.Delete(99, 1), 2);
    EXPECT_EQ(i, u"ad");
}

TEST(String, IndexingChecksBounds)
{
    CString s(u"ab");
    EXPECT_EQ(s[0], u'a');
    EXPECT_EQ(s[std::size_t(1)], u'b');
    EXPECT_EQ(s.GetAt(2), u'\0'); // the terminator may be read
    EXPECT_THROW(s.GetAt(3), std::out_of_range);
    EXPECT_THROW(s.GetAt(-1), std::out_of_range);
    s.SetAt(1, u'x');
    EXPECT_EQ(s, u"ax");
    EXPECT_THROW(s.SetAt(2, u'y'), std::out_of_range);
}

TEST(String, Concatenation)
{
    CString s(u"a");
    s += CString(u"b");
    s += u"c";
    s += u'd';
    s.Append(u"efg", 2);
    EXPECT_EQ(s, u"abcdef");
    EXPECT_EQ(CString(u"x") + CString(u"y"), u"xy");
    EXPECT_EQ(CString(u"x") + u"y", u"xy");
    EXPECT_EQ(u"x" + CString(u"y"), u"xy");
    EXPECT_EQ(CString(u"x") + u'y', u"xy");
    EXPECT_EQ(u'x' + CString(u"y"), u"xy");

    s = s.GetString() + 2; // assigning a pointer into the string itself
    EXPECT_EQ(s, u"cdef");
    s += s.GetString();
    EXPECT_EQ(s, u"cdefcdef");
}

TEST(String, BufferAccess)
{
    CString s(u"ab");
    LPTSTR p = s.GetBuffer(10);
    EXPECT_EQ(p[0], u'a');
    p[2] = u'c';
    p[3] = u'\0';
    s.ReleaseBuffer();
    EXPECT_EQ(s, u"abc");

    p = s.GetBufferSetLength(5);
    p[3] = u'd';
    p[4] = u'e';
    s.ReleaseBuffer(4);
    EXPECT_EQ(s, u"abcd");
    s.GetBuffer(2);
    s.ReleaseBuffer(99); // a length past the buffer is clamped
    EXPECT_EQ(s, u"abcd");
}

TEST(String, HashKeysUnorderedMap)
{
    std::unordered_map<CString, int> map;
    map[CString(u"I1")] = 100;
    map[CString(u"Q1")] = 600;
    EXPECT_EQ(map.at(CString(u"I1")), 100);
    EXPECT_EQ(map.count(CString(u"i1")), 0u);
    EXPECT_EQ(std::hash<CString>{}(CString(u"x")), std::hash<CString>{}(CString(u"x")));
}

} // namespace
