#include "platform/core/String.h"

#include "platform/core/StringTable.h"

#include <algorithm>
#include <stdexcept>

namespace {

std::u16string_view ViewOf(LPCTSTR psz)
{
    return psz ? std::u16string_view(psz) : std::u16string_view();
}

int ClampCount(int n, std::size_t limit)
{
    if (n < 0)
        return 0;
    return std::size_t(n) > limit ? int(limit) : n;
}

bool IsAsciiSpace(char16_t c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

// Case pairs that differ by a fixed offset: [first, last] upper case maps to lower by delta.
struct CaseRange {
    char16_t first;
    char16_t last;
    char16_t delta;
};

constexpr CaseRange kCaseRanges[] = {
    {u'A', u'Z', 0x20},     // Basic Latin
    {0x00C0, 0x00D6, 0x20}, // Latin-1, before the multiplication sign
    {0x00D8, 0x00DE, 0x20}, // Latin-1, after it
    {0x0391, 0x03A1, 0x20}, // Greek, before the gap at U+03A2
    {0x03A3, 0x03A9, 0x20}, // Greek, after it
    {0x0400, 0x040F, 0x50}, // Cyrillic with diacritics
    {0x0410, 0x042F, 0x20}, // Cyrillic basic
    {0xFF21, 0xFF3A, 0x20}, // full-width Latin
};

// Latin Extended-A pairs its letters as neighbours: upper case on the even code in some runs
// and on the odd code in others.
struct AlternatingRange {
    char16_t first; // an upper-case letter; its lower case follows it
    char16_t last;
};

constexpr AlternatingRange kAlternatingRanges[] = {
    {0x0100, 0x012F}, {0x0132, 0x0137}, {0x0139, 0x0148}, {0x014A, 0x0177}, {0x0179, 0x017E},
};

char16_t ToLowerUnit(char16_t c)
{
    for (const CaseRange& r : kCaseRanges) {
        if (c >= r.first && c <= r.last)
            return char16_t(c + r.delta);
    }
    for (const AlternatingRange& r : kAlternatingRanges) {
        if (c >= r.first && c <= r.last && (c - r.first) % 2 == 0)
            return char16_t(c + 1);
    }
    return c == 0x0178 ? char16_t(0x00FF) : c;
}

char16_t ToUpperUnit(char16_t c)
{
    for (const CaseRange& r : kCaseRanges) {
        if (c >= r.first + r.delta && c <= r.last + r.delta)
            return char16_t(c - r.delta);
    }
    for (const AlternatingRange& r : kAlternatingRanges) {
        if (c > r.first && c <= r.last && (c - r.first) % 2 == 1)
            return char16_t(c - 1);
    }
    return c == 0x00FF ? char16_t(0x0178) : c;
}

bool IsHighSurrogate(char16_t c) { return c >= 0xD800 && c <= 0xDBFF; }
bool IsLowSurrogate(char16_t c) { return c >= 0xDC00 && c <= 0xDFFF; }

void AppendUtf8(std::string& out, char32_t cp)
{
    if (cp < 0x80) {
        out += char(cp);
    } else if (cp < 0x800) {
        out += char(0xC0 | (cp >> 6));
        out += char(0x80 | (cp & 0x3F));
    } else if (cp < 0x10000) {
        out += char(0xE0 | (cp >> 12));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    } else {
        out += char(0xF0 | (cp >> 18));
        out += char(0x80 | ((cp >> 12) & 0x3F));
        out += char(0x80 | ((cp >> 6) & 0x3F));
        out += char(0x80 | (cp & 0x3F));
    }
}

void AppendUtf16(std::u16string& out, char32_t cp)
{
    if (cp < 0x10000) {
        out += char16_t(cp);
    } else {
        cp -= 0x10000;
        out += char16_t(0xD800 + (cp >> 10));
        out += char16_t(0xDC00 + (cp & 0x3FF));
    }
}

// Decodes one UTF-8 sequence at bytes[i], advancing i; overlong forms, surrogates, values above
// U+10FFFF and truncated sequences give U+FFFD and consume one byte.
char32_t DecodeUtf8(std::string_view bytes, std::size_t& i)
{
    const auto lead = static_cast<unsigned char>(bytes[i]);
    int extra = 0;
    char32_t cp = 0;
    char32_t minimum = 0;
    if (lead < 0x80) {
        ++i;
        return lead;
    } else if ((lead & 0xE0) == 0xC0) {
        extra = 1, cp = lead & 0x1F, minimum = 0x80;
    } else if ((lead & 0xF0) == 0xE0) {
        extra = 2, cp = lead & 0x0F, minimum = 0x800;
    } else if ((lead & 0xF8) == 0xF0) {
        extra = 3, cp = lead & 0x07, minimum = 0x10000;
    } else {
        ++i;
        return 0xFFFD;
    }
    if (i + std::size_t(extra) >= bytes.size()) {
        ++i;
        return 0xFFFD;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(bytes[i + std::size_t(k)]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return 0xFFFD;
        }
        cp = (cp << 6) | (b & 0x3F);
    }
    if (cp < minimum || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF)) {
        ++i;
        return 0xFFFD;
    }
    i += std::size_t(extra) + 1;
    return cp;
}

} // namespace

CString::CString(LPCTSTR psz) : m_str(ViewOf(psz)) {}

CString::CString(LPCTSTR pch, int nLength)
{
    if (pch && nLength > 0)
        m_str.assign(pch, std::size_t(nLength));
}

CString::CString(TCHAR ch, int nRepeat)
{
    if (nRepeat > 0)
        m_str.assign(std::size_t(nRepeat), ch);
}

CString::CString(std::u16string_view text) : m_str(text) {}

CString::CString(const char* utf8)
{
    if (utf8)
        *this = FromUtf8(utf8);
}

CString& CString::operator=(LPCTSTR psz)
{
    // The source may point into this string's own buffer.
    std::u16string copy(ViewOf(psz));
    m_str.swap(copy);
    return *this;
}

void CString::ThrowIndex()
{
    throw std::out_of_range("CString index out of range");
}

TCHAR CString::GetAt(int nIndex) const
{
    return (*this)[nIndex];
}

void CString::SetAt(int nIndex, TCHAR ch)
{
    if (nIndex < 0 || std::size_t(nIndex) >= m_str.size())
        ThrowIndex();
    m_str[std::size_t(nIndex)] = ch;
}

CString CString::Left(int nCount) const
{
    return CString(std::u16string_view(m_str).substr(0, std::size_t(ClampCount(nCount, m_str.size()))));
}

CString CString::Mid(int nFirst) const
{
    return Mid(nFirst, GetLength());
}

CString CString::Mid(int nFirst, int nCount) const
{
    const int first = ClampCount(nFirst, m_str.size());
    const int count = ClampCount(nCount, m_str.size() - std::size_t(first));
    return CString(std::u16string_view(m_str).substr(std::size_t(first), std::size_t(count)));
}

CString CString::Right(int nCount) const
{
    const int count = ClampCount(nCount, m_str.size());
    return CString(std::u16string_view(m_str).substr(m_str.size() - std::size_t(count)));
}

CString CString::SpanIncluding(LPCTSTR pszCharSet) const
{
    const std::size_t n = m_str.find_first_not_of(ViewOf(pszCharSet));
    return Left(n == std::u16string::npos ? GetLength() : int(n));
}

CString CString::SpanExcluding(LPCTSTR pszCharSet) const
{
    const std::u16string_view set = ViewOf(pszCharSet);
    const std::size_t n = set.empty() ? std::u16string::npos : m_str.find_first_of(set);
    return Left(n == std::u16string::npos ? GetLength() : int(n));
}

int CString::Find(TCHAR ch, int nStart) const
{
    if (nStart < 0 || std::size_t(nStart) > m_str.size())
        return -1;
    const std::size_t n = m_str.find(ch, std::size_t(nStart));
    return n == std::u16string::npos ? -1 : int(n);
}

int CString::Find(LPCTSTR pszSub, int nStart) const
{
    if (nStart < 0 || std::size_t(nStart) > m_str.size())
        return -1;
    const std::size_t n = m_str.find(ViewOf(pszSub), std::size_t(nStart));
    return n == std::u16string::npos ? -1 : int(n);
}

int CString::ReverseFind(TCHAR ch) const
{
    const std::size_t n = m_str.rfind(ch);
    return n == std::u16string::npos ? -1 : int(n);
}

int CString::FindOneOf(LPCTSTR pszCharSet) const
{
    const std::u16string_view set = ViewOf(pszCharSet);
    const std::size_t n = set.empty() ? std::u16string::npos : m_str.find_first_of(set);
    return n == std::u16string::npos ? -1 : int(n);
}

int CString::Replace(TCHAR chOld, TCHAR chNew)
{
    int count = 0;
    for (char16_t& c : m_str) {
        if (c == chOld) {
            c = chNew;
            ++count;
        }
    }
    return count;
}

int CString::Replace(LPCTSTR pszOld, LPCTSTR pszNew)
{
    const std::u16string_view from = ViewOf(pszOld);
    if (from.empty())
        return 0;
    const std::u16string to(ViewOf(pszNew)); // may point into this string
    std::u16string result;
    int count = 0;
    std::size_t pos = 0;
    for (std::size_t hit; (hit = m_str.find(from, pos)) != std::u16string::npos; pos = hit + from.size()) {
        result.append(m_str, pos, hit - pos);
        result += to;
        ++count;
    }
    if (count > 0) {
        result.append(m_str, pos);
        m_str.swap(result);
    }
    return count;
}

int CString::Remove(TCHAR ch)
{
    const auto removed = std::erase(m_str, ch);
    return int(removed);
}

int CString::Insert(int nIndex, TCHAR ch)
{
    return Insert(nIndex, std::u16string(1, ch).c_str());
}

int CString::Insert(int nIndex, LPCTSTR psz)
{
    const std::u16string text(ViewOf(psz));
    m_str.insert(std::size_t(ClampCount(nIndex, m_str.size())), text);
    return GetLength();
}

int CString::Delete(int nIndex, int nCount)
{
    const int first = ClampCount(nIndex, m_str.size());
    const int count = ClampCount(nCount, m_str.size() - std::size_t(first));
    m_str.erase(std::size_t(first), std::size_t(count));
    return GetLength();
}

CString& CString::operator+=(const CString& s)
{
    m_str += s.m_str;
    return *this;
}

CString& CString::operator+=(LPCTSTR psz)
{
    const std::u16string text(ViewOf(psz));
    m_str += text;
    return *this;
}

CString& CString::operator+=(TCHAR ch)
{
    m_str += ch;
    return *this;
}

void CString::Append(LPCTSTR pch, int nLength)
{
    if (pch && nLength > 0)
        *this += CString(pch, nLength);
}

int CString::Compare(LPCTSTR psz) const
{
    const int c = std::u16string_view(m_str).compare(ViewOf(psz));
    return c < 0 ? -1 : (c > 0 ? 1 : 0);
}

int CString::CompareNoCase(LPCTSTR psz) const
{
    const std::u16string_view other = ViewOf(psz);
    const std::size_t n = std::min(m_str.size(), other.size());
    for (std::size_t i = 0; i < n; ++i) {
        const char16_t a = ToLowerUnit(m_str[i]);
        const char16_t b = ToLowerUnit(other[i]);
        if (a != b)
            return a < b ? -1 : 1;
    }
    if (m_str.size() == other.size())
        return 0;
    return m_str.size() < other.size() ? -1 : 1;
}

CString& CString::MakeUpper()
{
    std::transform(m_str.begin(), m_str.end(), m_str.begin(), ToUpperUnit);
    return *this;
}

CString& CString::MakeLower()
{
    std::transform(m_str.begin(), m_str.end(), m_str.begin(), ToLowerUnit);
    return *this;
}

CString& CString::MakeReverse()
{
    std::reverse(m_str.begin(), m_str.end());
    // Keep the characters outside the BMP intact: their two halves were swapped.
    for (std::size_t i = 0; i + 1 < m_str.size(); ++i) {
        if (IsLowSurrogate(m_str[i]) && IsHighSurrogate(m_str[i + 1])) {
            std::swap(m_str[i], m_str[i + 1]);
            ++i;
        }
    }
    return *this;
}

namespace {

template <class Match>
void TrimLeftIf(std::u16string& s, Match match)
{
    const auto it = std::find_if_not(s.begin(), s.end(), match);
    s.erase(s.begin(), it);
}

template <class Match>
void TrimRightIf(std::u16string& s, Match match)
{
    const auto it = std::find_if_not(s.rbegin(), s.rend(), match);
    s.erase(it.base(), s.end());
}

auto InSet(LPCTSTR pszTargets)
{
    return [set = ViewOf(pszTargets)](char16_t c) { return set.find(c) != std::u16string_view::npos; };
}

auto Equal(TCHAR ch)
{
    return [ch](char16_t c) { return c == ch; };
}

} // namespace

CString& CString::Trim()
{
    return TrimRight().TrimLeft();
}

CString& CString::Trim(TCHAR chTarget)
{
    return TrimRight(chTarget).TrimLeft(chTarget);
}

CString& CString::Trim(LPCTSTR pszTargets)
{
    const std::u16string targets(ViewOf(pszTargets)); // may point into this string
    return TrimRight(targets.c_str()).TrimLeft(targets.c_str());
}

CString& CString::TrimLeft()
{
    TrimLeftIf(m_str, IsAsciiSpace);
    return *this;
}

CString& CString::TrimLeft(TCHAR chTarget)
{
    TrimLeftIf(m_str, Equal(chTarget));
    return *this;
}

CString& CString::TrimLeft(LPCTSTR pszTargets)
{
    const std::u16string targets(ViewOf(pszTargets)); // may point into this string
    TrimLeftIf(m_str, InSet(targets.c_str()));
    return *this;
}

CString& CString::TrimRight()
{
    TrimRightIf(m_str, IsAsciiSpace);
    return *this;
}

CString& CString::TrimRight(TCHAR chTarget)
{
    TrimRightIf(m_str, Equal(chTarget));
    return *this;
}

CString& CString::TrimRight(LPCTSTR pszTargets)
{
    const std::u16string targets(ViewOf(pszTargets));
    TrimRightIf(m_str, InSet(targets.c_str()));
    return *this;
}

LPTSTR CString::GetBuffer()
{
    return m_str.data();
}

LPTSTR CString::GetBuffer(int nMinBufLength)
{
    if (nMinBufLength > GetLength())
        m_str.resize(std::size_t(nMinBufLength));
    return m_str.data();
}

LPTSTR CString::GetBufferSetLength(int nNewLength)
{
    m_str.resize(std::size_t(std::max(nNewLength, 0)));
    return m_str.data();
}

void CString::ReleaseBuffer(int nNewLength)
{
    if (nNewLength < 0) {
        const std::size_t nul = m_str.find(u'\0');
        if (nul != std::u16string::npos)
            m_str.resize(nul);
    } else if (std::size_t(nNewLength) < m_str.size()) {
        m_str.resize(std::size_t(nNewLength));
    }
}

BOOL CString::LoadString(UINT nID)
{
    const LPCTSTR text = CStringTable::Program().Lookup(nID, GetUiLanguage());
    *this = text;
    return text != nullptr;
}

CString CString::FromUtf8(std::string_view utf8)
{
    CString result;
    result.m_str.reserve(utf8.size());
    for (std::size_t i = 0; i < utf8.size();)
        AppendUtf16(result.m_str, DecodeUtf8(utf8, i));
    return result;
}

std::string CString::ToUtf8() const
{
    std::string out;
    out.reserve(m_str.size());
    for (std::size_t i = 0; i < m_str.size(); ++i) {
        const char16_t c = m_str[i];
        if (IsHighSurrogate(c) && i + 1 < m_str.size() && IsLowSurrogate(m_str[i + 1])) {
            AppendUtf8(out, 0x10000 + ((char32_t(c) - 0xD800) << 10) + (char32_t(m_str[i + 1]) - 0xDC00));
            ++i;
        } else if (IsHighSurrogate(c) || IsLowSurrogate(c)) {
            AppendUtf8(out, 0xFFFD);
        } else {
            AppendUtf8(out, c);
        }
    }
    return out;
}

CString CString::From8Bit(std::string_view bytes)
{
    CString result;
    result.m_str.reserve(bytes.size());
    for (const char b : bytes)
        result.m_str += char16_t(static_cast<unsigned char>(b));
    return result;
}

std::string CString::To8Bit() const
{
    std::string out;
    out.reserve(m_str.size());
    for (const char16_t c : m_str)
        out += c <= 0xFF ? char(c) : '?';
    return out;
}

CString operator+(const CString& a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const CString& a, LPCTSTR b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(LPCTSTR a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(const CString& a, TCHAR b)
{
    CString r(a);
    r += b;
    return r;
}

CString operator+(TCHAR a, const CString& b)
{
    CString r(a);
    r += b;
    return r;
}
