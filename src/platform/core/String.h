// CString: the framework's text class. Text is stored as UTF-16 and every length, index and
// count is in UTF-16 units, so a character outside the Basic Multilingual Plane counts two.
#pragma once

#include "platform/core/Types.h"

#include <array>
#include <concepts>
#include <cstddef>
#include <functional>
#include <span>
#include <string>
#include <string_view>
#include <type_traits>

class CString;

namespace formatdetail {

// One argument of CString::Format, converted to a typed value at the call so that the
// formatter never reads an argument as a type it is not.
struct FormatArg {
    enum class Kind { Signed, Unsigned, Floating, Text, Character };
    Kind kind = Kind::Signed;
    long long s = 0;
    unsigned long long u = 0;
    double d = 0.0;
    std::u16string_view text;
    bool nullText = false;
    char32_t ch = 0;
    // Bits of the argument after the usual promotion (at least those of int): %u and %x of a
    // negative value show it in this width, as the C library does.
    int bits = 32;
};

template <class T>
inline constexpr bool kUnsupported = false;

template <class T>
FormatArg MakeArg(const T& value)
{
    using U = std::remove_cv_t<T>;
    FormatArg a;
    if constexpr (std::is_same_v<U, char16_t> || std::is_same_v<U, char32_t> ||
                  std::is_same_v<U, wchar_t>) {
        a.kind = FormatArg::Kind::Character;
        a.ch = char32_t(value);
    } else if constexpr (std::is_same_v<U, char>) {
        a.kind = FormatArg::Kind::Character;
        a.ch = char32_t(static_cast<unsigned char>(value));
    } else if constexpr (std::is_same_v<U, bool>) {
        a.kind = FormatArg::Kind::Signed;
        a.s = value ? 1 : 0;
    } else if constexpr (std::is_enum_v<U>) {
        return MakeArg(static_cast<std::underlying_type_t<U>>(value));
    } else if constexpr (std::is_integral_v<U> && std::is_signed_v<U>) {
        a.kind = FormatArg::Kind::Signed;
        a.s = value;
        a.bits = sizeof(U) < sizeof(int) ? int(8 * sizeof(int)) : int(8 * sizeof(U));
    } else if constexpr (std::is_integral_v<U>) {
        a.kind = FormatArg::Kind::Unsigned;
        a.u = value;
        a.bits = sizeof(U) < sizeof(int) ? int(8 * sizeof(int)) : int(8 * sizeof(U));
    } else if constexpr (std::is_floating_point_v<U>) {
        a.kind = FormatArg::Kind::Floating;
        a.d = double(value);
    } else if constexpr (std::is_same_v<U, const char16_t*> || std::is_same_v<U, char16_t*>) {
        a.kind = FormatArg::Kind::Text;
        if (value)
            a.text = std::u16string_view(value);
        else
            a.nullText = true;
    } else if constexpr (std::is_array_v<U> &&
                         std::is_same_v<std::remove_cv_t<std::remove_extent_t<U>>, char16_t>) {
        return MakeArg(static_cast<const char16_t*>(value));
    } else if constexpr (std::is_same_v<U, std::u16string> ||
                         std::is_same_v<U, std::u16string_view>) {
        a.kind = FormatArg::Kind::Text;
        a.text = value;
    } else if constexpr (std::is_same_v<U, CString>) {
        a.kind = FormatArg::Kind::Text;
        a.text = value.View();
    } else {
        static_assert(kUnsupported<T>, "CString::Format: unsupported argument type "
                                       "(pass CString, LPCTSTR, TCHAR, integers or doubles)");
    }
    return a;
}

// Formats into out (appending or replacing); out changes only once the result is complete.
void FormatInto(std::u16string& out, const char16_t* format, std::span<const FormatArg> args,
                bool append);

} // namespace formatdetail

class CString {
public:
    CString() = default;
    CString(LPCTSTR psz);                          // nullptr gives an empty string
    CString(LPCTSTR pch, int nLength);             // exactly nLength units (embedded NULs kept)
    explicit CString(TCHAR ch, int nRepeat = 1);
    explicit CString(std::u16string_view text);
    explicit CString(const char* utf8);            // UTF-8; nullptr gives an empty string
    CString(const CString&) = default;
    CString(CString&&) noexcept = default;
    CString& operator=(const CString&) = default;
    CString& operator=(CString&&) noexcept = default;
    CString& operator=(LPCTSTR psz);
    // A text of one unit over one of one unit is a store: a message text's cells, two hundred
    // and fifty of them in each message, are such texts.
    CString& operator=(TCHAR ch)
    {
        if (m_str.size() == 1)
            m_str[0] = ch;
        else
            m_str.assign(1, ch);
        return *this;
    }

    // Always NUL-terminated; valid until the string is next changed.
    operator LPCTSTR() const { return m_str.c_str(); }
    LPCTSTR GetString() const { return m_str.c_str(); }
    std::u16string_view View() const { return m_str; }
    const std::u16string& Str() const { return m_str; }

    int GetLength() const { return int(m_str.size()); }
    BOOL IsEmpty() const { return m_str.empty(); }
    void Empty() { m_str.clear(); }

    // Index GetLength() reads the terminating NUL; anything outside throws std::out_of_range.
    TCHAR GetAt(int nIndex) const;
    void SetAt(int nIndex, TCHAR ch);
    template <std::integral I>
    TCHAR operator[](I nIndex) const
    {
        if (nIndex < 0 || std::make_unsigned_t<I>(nIndex) > m_str.size())
            ThrowIndex();
        return m_str.c_str()[nIndex];
    }

    // Counts are clamped to the string, as the framework does, never an error.
    CString Left(int nCount) const;
    CString Mid(int nFirst) const;
    CString Mid(int nFirst, int nCount) const;
    CString Right(int nCount) const;
    CString SpanIncluding(LPCTSTR pszCharSet) const;
    CString SpanExcluding(LPCTSTR pszCharSet) const;

    // -1 when not found or when nStart lies beyond the string.
    int Find(TCHAR ch, int nStart = 0) const;
    int Find(LPCTSTR pszSub, int nStart = 0) const;
    int ReverseFind(TCHAR ch) const;
    int FindOneOf(LPCTSTR pszCharSet) const;

    // Return the number of replacements / removals, or the new length for Insert and Delete.
    int Replace(TCHAR chOld, TCHAR chNew);
    int Replace(LPCTSTR pszOld, LPCTSTR pszNew);
    int Remove(TCHAR ch);
    int Insert(int nIndex, TCHAR ch);
    int Insert(int nIndex, LPCTSTR psz);
    int Delete(int nIndex, int nCount = 1);

    CString& operator+=(const CString& s);
    CString& operator+=(LPCTSTR psz);
    CString& operator+=(TCHAR ch);
    void Append(LPCTSTR pch, int nLength);

    // Ordinal comparisons of UTF-16 units, like wcscmp: <0, 0 or >0.
    int Compare(LPCTSTR psz) const;
    // Compares after simple case folding (Latin, Greek, Cyrillic, full-width Latin); the
    // result does not depend on the process locale.
    int CompareNoCase(LPCTSTR psz) const;

    CString& MakeUpper();
    CString& MakeLower();
    CString& MakeReverse();

    // Whitespace is the ASCII set (space, tab, line feed, vertical tab, form feed, return).
    CString& Trim();
    CString& Trim(TCHAR chTarget);
    CString& Trim(LPCTSTR pszTargets);
    CString& TrimLeft();
    CString& TrimLeft(TCHAR chTarget);
    CString& TrimLeft(LPCTSTR pszTargets);
    CString& TrimRight();
    CString& TrimRight(TCHAR chTarget);
    CString& TrimRight(LPCTSTR pszTargets);

    // Direct writes: the buffer holds at least nMinBufLength units plus a NUL, and the current
    // text. ReleaseBuffer(-1) takes the length up to the first NUL; a larger length is clamped.
    LPTSTR GetBuffer();
    LPTSTR GetBuffer(int nMinBufLength);
    LPTSTR GetBufferSetLength(int nNewLength);
    void ReleaseBuffer(int nNewLength = -1);

    // The text of a string-table id in the current interface language; FALSE and an empty
    // string when the id has no text.
    BOOL LoadString(UINT nID);

    // printf-style formatting: %d %i %u %x %X %o %c %s %ls %f %e %g %% with flags - + 0 space #,
    // width and precision (also *), and the length modifiers h l ll. %s and %c take wide text.
    // A conversion that is given an argument of the wrong kind (a string for %d, a number for
    // %s) or that has no argument left writes nothing; integers are accepted by the floating
    // conversions and characters by the integer ones, as the C library's promotions would.
    // Numbers use the "C" conventions (a '.' decimal point) whatever the process locale.
    template <class... Args>
    void Format(LPCTSTR pszFormat, const Args&... args)
    {
        FormatArgs<sizeof...(Args)>(pszFormat, false, {formatdetail::MakeArg(args)...});
    }
    template <class... Args>
    void Format(UINT nFormatID, const Args&... args)
    {
        CString format;
        format.LoadString(nFormatID);
        Format(format.GetString(), args...);
    }
    template <class... Args>
    void AppendFormat(LPCTSTR pszFormat, const Args&... args)
    {
        FormatArgs<sizeof...(Args)>(pszFormat, true, {formatdetail::MakeArg(args)...});
    }

    // UTF-8 text; invalid sequences and unpaired surrogates become U+FFFD.
    static CString FromUtf8(std::string_view utf8);
    std::string ToUtf8() const;
    // The 8-bit form of the narrow archive string and old face names: ISO-8859-1, byte n is
    // U+00nn; characters above U+00FF become '?'.
    static CString From8Bit(std::string_view bytes);
    std::string To8Bit() const;

    friend CString operator+(const CString& a, const CString& b);
    friend CString operator+(const CString& a, LPCTSTR b);
    friend CString operator+(LPCTSTR a, const CString& b);
    friend CString operator+(const CString& a, TCHAR b);
    friend CString operator+(TCHAR a, const CString& b);

    friend bool operator==(const CString& a, const CString& b) { return a.m_str == b.m_str; }
    friend bool operator==(const CString& a, LPCTSTR b) { return a.Compare(b) == 0; }
    friend bool operator!=(const CString& a, const CString& b) { return !(a == b); }
    friend bool operator!=(const CString& a, LPCTSTR b) { return !(a == b); }
    friend bool operator<(const CString& a, const CString& b) { return a.Compare(b) < 0; }
    friend bool operator<(const CString& a, LPCTSTR b) { return a.Compare(b) < 0; }
    friend bool operator<(LPCTSTR a, const CString& b) { return b.Compare(a) > 0; }
    friend bool operator>(const CString& a, const CString& b) { return a.Compare(b) > 0; }
    friend bool operator>(const CString& a, LPCTSTR b) { return a.Compare(b) > 0; }
    friend bool operator>(LPCTSTR a, const CString& b) { return b.Compare(a) < 0; }
    friend bool operator<=(const CString& a, const CString& b) { return a.Compare(b) <= 0; }
    friend bool operator<=(const CString& a, LPCTSTR b) { return a.Compare(b) <= 0; }
    friend bool operator<=(LPCTSTR a, const CString& b) { return b.Compare(a) >= 0; }
    friend bool operator>=(const CString& a, const CString& b) { return a.Compare(b) >= 0; }
    friend bool operator>=(const CString& a, LPCTSTR b) { return a.Compare(b) >= 0; }
    friend bool operator>=(LPCTSTR a, const CString& b) { return b.Compare(a) <= 0; }

private:
    [[noreturn]] static void ThrowIndex();
    // The arguments may view this string's own text, so it changes only after formatting.
    template <std::size_t N>
    void FormatArgs(LPCTSTR pszFormat, bool append, const std::array<formatdetail::FormatArg, N>& args)
    {
        formatdetail::FormatInto(m_str, pszFormat, args, append);
    }

    std::u16string m_str;
};

template <>
struct std::hash<CString> {
    std::size_t operator()(const CString& s) const noexcept
    {
        return std::hash<std::u16string_view>{}(s.View());
    }
};

// A formatted text as one expression (CString::Format's arguments: a format text or string id,
// then the values), for code that builds a text to return or pass on.
template <class Format, class... Args>
CString Formatted(Format format, const Args&... args)
{
    CString str;
    str.Format(format, args...);
    return str;
}
