// The printf-style formatter behind CString::Format. Numbers are converted by the C library's
// snprintf from a rebuilt narrow conversion, so flags, widths and rounding are exactly the C
// library's; text and characters are padded here because they are UTF-16. Numbers always use
// the "C" conventions (a '.' decimal point) whatever locale the process has chosen, so that a
// formatted text means the same on every machine.
#include "platform/core/String.h"

#include <algorithm>
#include <clocale>
#include <cstdio>
#include <locale.h>
#include <optional>
#include <string>
#include <vector>

namespace formatdetail {
namespace {

// A width or precision this large is never meant; capping it keeps a bad '*' argument from
// asking for gigabytes.
constexpr int kMaxFieldSize = 4096;

struct Conversion {
    std::string flags;
    int width = 0;
    int precision = -1; // -1: none given
    int lengthBits = 0; // 8 for hh, 16 for h; 0 keeps the argument's own width
    char conversion = 0;

    bool LeftAlign() const { return flags.find('-') != std::string::npos; }
};

class Formatter {
public:
    Formatter(std::u16string& out, std::span<const FormatArg> args) : m_out(out), m_args(args) {}

    void Run(const char16_t* format);

private:
    const FormatArg* NextArg()
    {
        return m_next < m_args.size() ? &m_args[m_next++] : nullptr;
    }
    std::optional<long long> NextIntArg();
    const char16_t* ParseSpec(const char16_t* p, Conversion& conv);
    void Convert(const Conversion& conv);
    void Pad(const Conversion& conv, std::u16string_view body);
    void AppendNarrow(const std::string& narrowFormat, auto value);
    void ConvertInteger(const Conversion& conv, const FormatArg& arg);
    void ConvertFloating(const Conversion& conv, const FormatArg& arg);
    void ConvertCharacter(const Conversion& conv, const FormatArg& arg);
    void ConvertText(const Conversion& conv, const FormatArg& arg);

    std::u16string& m_out;
    std::span<const FormatArg> m_args;
    std::size_t m_next = 0;
};

int ParseNumber(const char16_t*& p)
{
    int n = 0;
    while (*p >= u'0' && *p <= u'9') {
        n = std::min(n * 10 + (*p - u'0'), kMaxFieldSize);
        ++p;
    }
    return n;
}

std::optional<long long> Formatter::NextIntArg()
{
    const FormatArg* arg = NextArg();
    if (!arg)
        return std::nullopt;
    switch (arg->kind) {
    case FormatArg::Kind::Signed:
        return arg->s;
    case FormatArg::Kind::Unsigned:
        return static_cast<long long>(std::min<unsigned long long>(arg->u, kMaxFieldSize));
    case FormatArg::Kind::Character:
        return static_cast<long long>(arg->ch);
    default:
        return std::nullopt;
    }
}

const char16_t* Formatter::ParseSpec(const char16_t* p, Conversion& conv)
{
    for (; *p && std::u16string_view(u"-+ #0").find(*p) != std::u16string_view::npos; ++p)
        conv.flags += char(*p);

    if (*p == u'*') {
        ++p;
        const long long w = NextIntArg().value_or(0);
        if (w < 0)
            conv.flags += '-'; // a negative '*' width means left alignment, as in C
        conv.width = int(std::min<long long>(w < 0 ? -w : w, kMaxFieldSize));
    } else {
        conv.width = ParseNumber(p);
    }

    if (*p == u'.') {
        ++p;
        if (*p == u'*') {
            ++p;
            const long long prec = NextIntArg().value_or(-1);
            conv.precision = prec < 0 ? -1 : int(std::min<long long>(prec, kMaxFieldSize));
        } else {
            conv.precision = ParseNumber(p);
        }
    }

    // Length modifiers: h and hh narrow an integer; the others (l, ll, L, w, I64, z, j, t)
    // change nothing because each argument already carries its own type.
    for (;;) {
        if (*p == u'h') {
            conv.lengthBits = conv.lengthBits == 16 ? 8 : 16;
            ++p;
        } else if (*p == u'l' || *p == u'L' || *p == u'w' || *p == u'z' || *p == u'j' || *p == u't') {
            ++p;
        } else if (*p == u'I' && ((p[1] == u'6' && p[2] == u'4') || (p[1] == u'3' && p[2] == u'2'))) {
            p += 3;
        } else if (*p == u'I') {
            ++p;
        } else {
            break;
        }
    }
    conv.conversion = (*p > 0 && *p < 0x80) ? char(*p) : 0;
    return p;
}

void Formatter::Run(const char16_t* format)
{
    if (!format)
        return;
    for (const char16_t* p = format; *p;) {
        if (*p != u'%') {
            m_out += *p++;
            continue;
        }
        const char16_t* start = p;
        Conversion conv;
        p = ParseSpec(p + 1, conv);
        if (conv.conversion == '%') {
            m_out += u'%';
            ++p;
        } else if (conv.conversion && std::string_view("diuoxXcCsSfFeEgGaA").find(conv.conversion) !=
                                          std::string_view::npos) {
            Convert(conv);
            ++p;
        } else {
            // Not a conversion: keep the text as written, including the unknown character.
            if (*p)
                ++p;
            m_out.append(start, std::size_t(p - start));
        }
    }
}

void Formatter::Convert(const Conversion& conv)
{
    const FormatArg* arg = NextArg();
    if (!arg)
        return;
    switch (conv.conversion) {
    case 'd': case 'i': case 'u': case 'o': case 'x': case 'X':
        ConvertInteger(conv, *arg);
        break;
    case 'c': case 'C':
        ConvertCharacter(conv, *arg);
        break;
    case 's': case 'S':
        ConvertText(conv, *arg);
        break;
    default:
        ConvertFloating(conv, *arg);
        break;
    }
}

void Formatter::Pad(const Conversion& conv, std::u16string_view body)
{
    const std::size_t fill = conv.width > int(body.size()) ? std::size_t(conv.width) - body.size() : 0;
    if (!conv.LeftAlign())
        m_out.append(fill, u' ');
    m_out += body;
    if (conv.LeftAlign())
        m_out.append(fill, u' ');
}

// Switches the calling thread to the "C" locale for its lifetime.
class CLocaleScope {
public:
    CLocaleScope() : m_previous(uselocale(CLocale())) {}
    ~CLocaleScope() { uselocale(m_previous); }
    CLocaleScope(const CLocaleScope&) = delete;
    CLocaleScope& operator=(const CLocaleScope&) = delete;

private:
    static locale_t CLocale()
    {
        static const locale_t c = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
        return c;
    }
    locale_t m_previous;
};

void Formatter::AppendNarrow(const std::string& narrowFormat, auto value)
{
    const CLocaleScope cLocale;
    char small[128];
    const int n = std::snprintf(small, sizeof small, narrowFormat.c_str(), value);
    if (n < 0)
        return;
    std::vector<char> big;
    const char* text = small;
    if (std::size_t(n) >= sizeof small) {
        big.resize(std::size_t(n) + 1);
        std::snprintf(big.data(), big.size(), narrowFormat.c_str(), value);
        text = big.data();
    }
    m_out.append(text, text + n);
}

std::string NarrowFormat(const Conversion& conv, const char* lengthModifier)
{
    // Appended piece by piece: a literal joined to a string with + sets off a false overlap
    // warning in the optimised build.
    std::string f = "%";
    f += conv.flags;
    if (conv.width > 0)
        f += std::to_string(conv.width);
    if (conv.precision >= 0) {
        f += '.';
        f += std::to_string(conv.precision);
    }
    f += lengthModifier;
    f += conv.conversion;
    return f;
}

unsigned long long Mask(int bits)
{
    return bits >= 64 ? ~0ULL : (1ULL << bits) - 1;
}

// Sign-extends the low `bits` of v.
long long SignExtend(unsigned long long v, int bits)
{
    if (bits >= 64)
        return static_cast<long long>(v);
    const unsigned long long sign = 1ULL << (bits - 1);
    v &= Mask(bits);
    return static_cast<long long>((v ^ sign) - sign);
}

void Formatter::ConvertInteger(const Conversion& conv, const FormatArg& arg)
{
    unsigned long long raw = 0;
    int bits = arg.bits;
    switch (arg.kind) {
    case FormatArg::Kind::Signed:
        raw = static_cast<unsigned long long>(arg.s);
        break;
    case FormatArg::Kind::Unsigned:
        raw = arg.u;
        break;
    case FormatArg::Kind::Character:
        raw = arg.ch;
        bits = 32;
        break;
    default:
        return; // text or a floating value for an integer conversion
    }
    if (conv.lengthBits)
        bits = std::min(bits, conv.lengthBits);

    const bool isSigned = conv.conversion == 'd' || conv.conversion == 'i';
    if (isSigned) {
        // A signed argument keeps its value; an unsigned one is read in its own width.
        const long long v = arg.kind == FormatArg::Kind::Signed && !conv.lengthBits
                                ? arg.s
                                : SignExtend(raw, bits);
        AppendNarrow(NarrowFormat(conv, "ll"), v);
    } else {
        AppendNarrow(NarrowFormat(conv, "ll"), raw & Mask(bits));
    }
}

void Formatter::ConvertFloating(const Conversion& conv, const FormatArg& arg)
{
    double v = 0.0;
    switch (arg.kind) {
    case FormatArg::Kind::Floating:
        v = arg.d;
        break;
    case FormatArg::Kind::Signed:
        v = double(arg.s);
        break;
    case FormatArg::Kind::Unsigned:
        v = double(arg.u);
        break;
    default:
        return; // text or a character for a floating conversion
    }
    AppendNarrow(NarrowFormat(conv, ""), v);
}

void Formatter::ConvertCharacter(const Conversion& conv, const FormatArg& arg)
{
    char32_t cp = 0;
    switch (arg.kind) {
    case FormatArg::Kind::Character:
        cp = arg.ch;
        break;
    case FormatArg::Kind::Signed:
        if (arg.s < 0)
            return;
        cp = char32_t(arg.s);
        break;
    case FormatArg::Kind::Unsigned:
        cp = char32_t(std::min<unsigned long long>(arg.u, 0x110000));
        break;
    default:
        return;
    }
    std::u16string body;
    if (cp < 0x10000) {
        body += char16_t(cp);
    } else if (cp <= 0x10FFFF) {
        body += char16_t(0xD800 + ((cp - 0x10000) >> 10));
        body += char16_t(0xDC00 + ((cp - 0x10000) & 0x3FF));
    } else {
        return;
    }
    Pad(conv, body);
}

void Formatter::ConvertText(const Conversion& conv, const FormatArg& arg)
{
    if (arg.kind != FormatArg::Kind::Text)
        return;
    std::u16string_view body = arg.nullText ? std::u16string_view(u"(null)") : arg.text;
    if (conv.precision >= 0 && std::size_t(conv.precision) < body.size())
        body = body.substr(0, std::size_t(conv.precision));
    Pad(conv, body);
}

} // namespace

void FormatInto(std::u16string& out, const char16_t* format, std::span<const FormatArg> args,
                bool append)
{
    std::u16string result = append ? out : std::u16string();
    Formatter(result, args).Run(format);
    out.swap(result);
}

} // namespace formatdetail
