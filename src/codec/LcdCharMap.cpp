#include "codec/LcdCharMap.h"

#include <algorithm>
#include <iterator>

namespace {

struct LcdPair {
    TCHAR ch;
    BYTE byCode;
};

// The punctuation the LCD places away from its ASCII positions; digits, ":" to "@", and the
// letters keep theirs.
constexpr LcdPair kMoved[] = {
    {u' ', 91},   {u'!', 130}, {u'"', 155}, {u'#', 144}, {u'$', 145}, {u'%', 146}, {u'&', 148},
    {u'\'', 156}, {u'(', 95},  {u')', 96},  {u'*', 127}, {u'+', 123}, {u',', 157}, {u'-', 124},
    {u'.', 92},   {u'/', 126}, {u'[', 153}, {u'\\', 150}, {u']', 154}, {u'^', 147}, {u'_', 131},
    {u'`', 158},  {u'{', 151}, {u'|', 149}, {u'}', 152}, {u'~', 143},
};

constexpr bool KeepsItsCode(TCHAR ch)
{
    return (ch >= u'0' && ch <= u'Z') || (ch >= u'a' && ch <= u'z');
}

struct LcdSymbol {
    TCHAR ch;
    BYTE byCode;
};

constexpr LcdSymbol kSymbols[] = {
    {u'\u20AC', 0x0E}, {u'\u2109', 0x0F}, {u'\u25BA', 0x10}, {u'\u25C4', 0x11}, {u'\u25BC', 0x12},
    {u'\u25B2', 0x13}, {u'\u00B1', 0x14}, {u'\u2103', 0x15}, {u'\u2551', 0x16}, {u'\u25A0', 0x17},
};

} // namespace

BYTE UnicodeToLcd(TCHAR ch)
{
    if (KeepsItsCode(ch))
        return BYTE(ch);
    const auto* it = std::ranges::find(kMoved, ch, &LcdPair::ch);
    return it == std::end(kMoved) ? 0 : it->byCode;
}

TCHAR LcdToUnicode(BYTE byCode)
{
    if (KeepsItsCode(TCHAR(byCode)))
        return TCHAR(byCode);
    const auto* it = std::ranges::find(kMoved, byCode, &LcdPair::byCode);
    return it == std::end(kMoved) ? 0 : it->ch;
}

int LcdSymbolCode(TCHAR ch)
{
    const auto* it = std::ranges::find(kSymbols, ch, &LcdSymbol::ch);
    return it == std::end(kSymbols) ? -1 : it->byCode;
}

TCHAR LcdSymbolChar(int nCode)
{
    const auto* it = std::ranges::find(kSymbols, nCode, [](const LcdSymbol& s) { return int(s.byCode); });
    return it == std::end(kSymbols) ? TCHAR(0) : it->ch;
}
