#include "platform/core/String.h"
#include "platform/core/StringTable.h"

#include <gtest/gtest.h>

#include <climits>
#include <clocale>
#include <cstdint>
#include <locale.h>

namespace {

template <class... Args>
std::string F(LPCTSTR format, const Args&... args)
{
    CString s;
    s.Format(format, args...);
    return s.ToUtf8();
}

struct Case {
    std::string got;
    const char* want;
};

void Check(std::initializer_list<Case> cases)
{
    int row = 0;
    for (const Case& c : cases) {
        EXPECT_EQ(c.got, c.want) << "row " << row;
        ++row;
    }
}

TEST(StringFormat, Integers)
{
    Check({
        {F(u"%d", 42), "42"},
        {F(u"%i", -7), "-7"},
        {F(u"%u", 3000000000u), "3000000000"},
        {F(u"%ld", long(-5)), "-5"},
        {F(u"%lu", 123456ul), "123456"},
        {F(u"%x", 255), "ff"},
        {F(u"%X", 0xABCD), "ABCD"},
        {F(u"%o", 8), "10"},
        {F(u"%lld", LLONG_MIN), "-9223372036854775808"},
        {F(u"%llu", ULLONG_MAX), "18446744073709551615"},
        {F(u"%d", BYTE(200)), "200"},
        {F(u"%d", true), "1"},
    });
}

TEST(StringFormat, IntegerWidthsOfTheArgumentType)
{
    Check({
        // Negative values in unsigned conversions show in the promoted width of the argument.
        {F(u"%u", -1), "4294967295"},
        {F(u"%x", -1), "ffffffff"},
        {F(u"%x", SHORT(-1)), "ffffffff"},
        {F(u"%x", std::int64_t(-1)), "ffffffffffffffff"},
        {F(u"%X", WORD(0xFFFF)), "FFFF"},
        // An unsigned argument in a signed conversion is read in its own width, as C does.
        {F(u"%d", DWORD(0xFFFFFFFF)), "-1"},
        {F(u"%d", WORD(0xFFFF)), "65535"},
        // h and hh narrow.
        {F(u"%hd", 70000), "4464"},
        {F(u"%hx", -1), "ffff"},
        {F(u"%hhu", 257), "1"},
    });
}

TEST(StringFormat, FlagsWidthAndPrecisionOfIntegers)
{
    Check({
        {F(u"%04X", 0x1F), "001F"},
        {F(u"%02d", 5), "05"},
        {F(u"%02d", 123), "123"},
        {F(u"%-6d|", 42), "42    |"},
        {F(u"%6d|", 42), "    42|"},
        {F(u"%+d", 5), "+5"},
        {F(u"% d", 5), " 5"},
        {F(u"%#x", 255), "0xff"},
        {F(u"%#o", 8), "010"},
        {F(u"%.3d", 7), "007"},
        {F(u"%05d", -42), "-0042"},
        {F(u"%-05d|", 42), "42   |"},
    });
}

TEST(StringFormat, StarWidthAndPrecision)
{
    Check({
        {F(u"%*d", 5, 42), "   42"},
        {F(u"%-*d|", 5, 42), "42   |"},
        {F(u"%*d|", -5, 42), "42   |"},
        {F(u"%.*f", 2, 3.14159), "3.14"},
        {F(u"%*.*f", 8, 3, 3.14159), "   3.142"},
        {F(u"%.*f", -1, 2.5), "2.500000"},
        {F(u"%*s|", 4, u"ab"), "  ab|"},
    });
}

TEST(StringFormat, Floating)
{
    Check({
        {F(u"%f", 3.14159), "3.141590"},
        {F(u"%lf", 2.5), "2.500000"},
        {F(u"%5.2f", 3.14159), " 3.14"},
        {F(u"%5.2f", 9.999), "10.00"},
        {F(u"%5.2f", 1.005), " 1.00"}, // 1.005 is stored just below 1.005
        {F(u"%5.2f", 2.3456), " 2.35"},
        {F(u"%6.1f", -2.26), "  -2.3"},
        {F(u"%7.3f", 3.14159), "  3.142"},
        {F(u"%08.3f", -3.14159), "-003.142"},
        {F(u"%-8.2f|", 1.5), "1.50    |"},
        {F(u"%+.1f", 1.0), "+1.0"},
        {F(u"%e", 12345.678), "1.234568e+04"},
        {F(u"%.2E", 0.000123), "1.23E-04"},
        {F(u"%g", 0.0001), "0.0001"},
        {F(u"%g", 0.00001), "1e-05"},
        {F(u"%g", 123456789.0), "1.23457e+08"},
        {F(u"%#g", 1.0), "1.00000"},
        {F(u"%f", float(0.5f)), "0.500000"},
        // Integers are accepted and converted exactly.
        {F(u"%f", 3), "3.000000"},
        {F(u"%.1f", 7u), "7.0"},
    });
}

TEST(StringFormat, WideCharactersAndStrings)
{
    const CString name(u"Timer");
    const LPCTSTR unit = u"ms";
    Check({
        {F(u"%s", name), "Timer"},
        {F(u"%s", unit), "ms"},
        {F(u"%ls", name), "Timer"},
        {F(u"%S", unit), "ms"},
        {F(u"%s=%d%s", name, 25, unit), "Timer=25ms"},
        {F(u"%-25ls|", name), "Timer                    |"},
        {F(u"%10s|", unit), "        ms|"},
        {F(u"%.3s", name), "Tim"},
        {F(u"%s", LPCTSTR(nullptr)), "(null)"},
        {F(u"%s", u"literal"), "literal"},
        {F(u"%s", u"中文"), "中文"},
        {F(u"%c", u'A'), "A"},
        {F(u"%c", u'中'), "中"},
        {F(u"%c", 65), "A"},
        {F(u"%c", 'z'), "z"},
        {F(u"%c", U'\U0001F600'), "\U0001F600"},
        {F(u"%3c|", u'x'), "  x|"},
        {F(u"%-3c|", u'x'), "x  |"},
        {F(u"%d", u'A'), "65"},
    });
}

TEST(StringFormat, PercentSignsAndLiteralText)
{
    Check({
        {F(u"%%"), "%"},
        {F(u"100%%"), "100%"},
        {F(u"%d%%", 50), "50%"},
        // Building a format with a width taken from a number.
        {F(u"%%%ds", 12), "%12s"},
        {F(u"no conversions"), "no conversions"},
        {F(u"%q"), "%q"},
        {F(u"end %"), "end %"},
        {F(u"中%d文", 1), "中1文"},
    });
}

TEST(StringFormat, WrongOrMissingArgumentsWriteNothing)
{
    const CString text(u"text");
    Check({
        {F(u"a%db", text), "ab"},
        {F(u"a%xb", text), "ab"},
        {F(u"a%sb", 42), "ab"},
        {F(u"a%fb", text), "ab"},
        {F(u"a%cb", 2.5), "ab"},
        {F(u"a%db", 2.5), "ab"},
        {F(u"x%dy"), "xy"},
        {F(u"%d-%d-%d", 1, 2), "1-2-"},
        {F(u"%*d", text, 42), "42"},
        // The arguments stay in step after a wrong one.
        {F(u"%d %s", text, text), " text"},
        {F(u"%d", 1, 2, 3), "1"},
    });
}

TEST(StringFormat, FormatReplacesAndAppendFormatAppends)
{
    CString s(u"old");
    s.Format(u"%d", 1);
    EXPECT_EQ(s, u"1");
    s.AppendFormat(u"+%d", 2);
    EXPECT_EQ(s, u"1+2");
}

TEST(StringFormat, StringMayBeItsOwnArgumentOrFormat)
{
    CString s(u"ab");
    s.Format(u"%s-%s", s, s);
    EXPECT_EQ(s, u"ab-ab");
    s.AppendFormat(u"|%s", s);
    EXPECT_EQ(s, u"ab-ab|ab-ab");

    CString format(u"<%d>");
    format.Format(format, 7);
    EXPECT_EQ(format, u"<7>");
}

TEST(StringFormat, FormatFromStringTableId)
{
    CString s;
    s.Format(AFX_IDP_PARSE_INT);
    EXPECT_EQ(s, u"Please enter an integer.");
}

TEST(StringFormat, DecimalPointIgnoresTheProcessLocale)
{
    locale_t comma = locale_t(nullptr);
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "fr_FR.utf8"}) {
        if ((comma = newlocale(LC_ALL_MASK, name, locale_t(nullptr))) != locale_t(nullptr))
            break;
    }
    if (comma == locale_t(nullptr))
        GTEST_SKIP() << "no locale with a decimal comma is installed";
    const locale_t previous = uselocale(comma);
    const std::string text = F(u"%.2f", 2.5);
    uselocale(previous);
    freelocale(comma);
    EXPECT_EQ(text, "2.50");
}

TEST(StringFormat, HugeStarWidthIsCapped)
{
    CString s;
    s.Format(u"%*d", INT_MAX, 1);
    EXPECT_EQ(s.GetLength(), 4096);
    EXPECT_EQ(s.Right(1), u"1");
}

} // namespace
