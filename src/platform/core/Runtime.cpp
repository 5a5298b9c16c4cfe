#include "platform/core/Runtime.h"

#include <climits>
#include <cstdlib>
#include <ctime>
#include <locale.h>
#include <string>

SYSTEMTIME LocalTimeAt(std::chrono::system_clock::time_point when)
{
    using namespace std::chrono;
    const auto wholeSeconds = floor<seconds>(when);
    const std::time_t t = system_clock::to_time_t(wholeSeconds);
    const auto millis = duration_cast<milliseconds>(when - wholeSeconds).count();
    std::tm tm{};
    localtime_r(&t, &tm);
    SYSTEMTIME st{};
    st.wYear = WORD(tm.tm_year + 1900);
    st.wMonth = WORD(tm.tm_mon + 1);
    st.wDayOfWeek = WORD(tm.tm_wday);
    st.wDay = WORD(tm.tm_mday);
    st.wHour = WORD(tm.tm_hour);
    st.wMinute = WORD(tm.tm_min);
    // A leap second shows as :59, as the system this stands in for never reports :60.
    st.wSecond = WORD(tm.tm_sec > 59 ? 59 : tm.tm_sec);
    st.wMilliseconds = WORD(millis);
    return st;
}

void GetLocalTime(SYSTEMTIME* pTime)
{
    if (pTime)
        *pTime = LocalTimeAt(std::chrono::system_clock::now());
}

std::uint64_t GetTickCount64()
{
    using namespace std::chrono;
    return std::uint64_t(duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count());
}

DWORD GetTickCount()
{
    return DWORD(GetTickCount64());
}

namespace crt {
namespace {
thread_local unsigned int t_seed = 1;
} // namespace

int rand()
{
    t_seed = t_seed * 214013u + 2531011u;
    return int((t_seed >> 16) & 0x7FFF);
}

void srand(unsigned int seed)
{
    t_seed = seed;
}
} // namespace crt

namespace {

bool IsSpace(TCHAR c)
{
    return c == u' ' || (c >= u'\t' && c <= u'\r');
}

LPCTSTR SkipSpace(LPCTSTR p)
{
    while (IsSpace(*p))
        ++p;
    return p;
}

} // namespace

LONG _wtol(LPCTSTR psz)
{
    if (!psz)
        return 0;
    const TCHAR* p = SkipSpace(psz);
    const bool negative = *p == u'-';
    if (*p == u'-' || *p == u'+')
        ++p;
    // Accumulate the magnitude and stop growing it once it is past every 32-bit value.
    constexpr long long kLimit = static_cast<long long>(INT32_MAX) + 1;
    long long magnitude = 0;
    for (; *p >= u'0' && *p <= u'9'; ++p) {
        if (magnitude <= kLimit)
            magnitude = magnitude * 10 + (*p - u'0');
    }
    if (negative)
        return magnitude >= kLimit ? INT32_MIN : LONG(-magnitude);
    return magnitude > INT32_MAX ? INT32_MAX : LONG(magnitude);
}

int _wtoi(LPCTSTR psz)
{
    return _wtol(psz);
}

double _wtof(LPCTSTR psz)
{
    if (!psz)
        return 0.0;
    // strtod reads narrow text: hand it the ASCII run, which holds every character a number
    // can contain.
    std::string narrow;
    for (const TCHAR* p = SkipSpace(psz); *p > 0 && *p < 0x80; ++p)
        narrow += char(*p);
    static const locale_t cLocale = newlocale(LC_ALL_MASK, "C", locale_t(nullptr));
    return strtod_l(narrow.c_str(), nullptr, cLocale);
}
