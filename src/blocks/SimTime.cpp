#include "blocks/SimTime.h"

#include <algorithm>
#include <chrono>
#include <climits>
#include <limits>
#include <thread>

const TimeBaseRow g_TimeBaseTable[TIME_BASE_COUNT] = {
    {60000, 60, 1},
    {1000, 60, 1},
    {10, 100, 10},
};

const TimeLimitRow g_TimeLimitTable[TIME_BASE_COUNT] = {
    {5999, 60000},
    {5999, 1000},
    {99990, 1},
};

namespace {

std::int64_t FloorDiv(std::int64_t a, std::int64_t d)
{
    std::int64_t q = a / d;
    if ((a % d != 0) && ((a < 0) != (d < 0)))
        --q;
    return q;
}

// Days since 1970-01-01 of a proleptic Gregorian date (month 1-12); exact for any day of
// month, so that days before the 1st or past the month's end simply move the date.
std::int64_t DaysFromCivil(std::int64_t y, std::int64_t m, std::int64_t d)
{
    y -= m <= 2 ? 1 : 0;
    const std::int64_t era = FloorDiv(y, 400);
    const std::int64_t yoe = y - era * 400;
    const std::int64_t mp = (m + 9) % 12;
    const std::int64_t doy = (153 * mp + 2) / 5 + d - 1;
    const std::int64_t doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe - 719468;
}

struct CivilDate {
    std::int64_t y;
    int m;  // 1-12
    int d;  // 1-31
};

CivilDate CivilFromDays(std::int64_t z)
{
    z += 719468;
    const std::int64_t era = FloorDiv(z, 146097);
    const std::int64_t doe = z - era * 146097;
    const std::int64_t yoe = (doe - doe / 1460 + doe / 36524 - doe / 146096) / 365;
    const std::int64_t doy = doe - (365 * yoe + yoe / 4 - yoe / 100);
    const std::int64_t mp = (5 * doy + 2) / 153;
    const int d = int(doy - (153 * mp + 2) / 5 + 1);
    const int m = int(mp < 10 ? mp + 3 : mp - 9);
    return {yoe + era * 400 + (m <= 2 ? 1 : 0), m, d};
}

// Carries *pLow into *pHigh so that 0 <= *pLow < nDivisor.
void Carry(std::int64_t* pHigh, std::int64_t* pLow, std::int64_t nDivisor)
{
    const std::int64_t q = FloorDiv(*pLow, nDivisor);
    *pHigh += q;
    *pLow -= q * nDivisor;
}

}  // namespace

void SplitTimeValue(double dMs, int nBase, int* pHigh, int* pLow)
{
    const TimeBaseRow& row = g_TimeBaseTable[IsValidTimeBase(nBase) ? nBase : 2];
    const double dUnits = dMs / row.nMsPerUnit;
    // Values beyond an int cannot be shown; clamp instead of relying on an undefined cast.
    const double dLimit = double(std::numeric_limits<int>::max());
    const int n = dUnits >= dLimit ? std::numeric_limits<int>::max()
                  : dUnits <= -dLimit ? -std::numeric_limits<int>::max()
                                      : int(dUnits);
    *pHigh = n / row.nModulus;
    *pLow = n % row.nModulus;
}

void FloorDivCarry(int* pHigh, int* pLow, int nDivisor)
{
    std::int64_t high = *pHigh;
    std::int64_t low = *pLow;
    Carry(&high, &low, nDivisor);
    *pHigh = int(high);
    *pLow = int(low);
}

std::int64_t MakeTimeUtc(struct tm* pTm)
{
    if (!pTm)
        return -1;
    std::int64_t sec = pTm->tm_sec;
    std::int64_t min = pTm->tm_min;
    std::int64_t hour = pTm->tm_hour;
    std::int64_t day = pTm->tm_mday;
    std::int64_t mon = pTm->tm_mon;
    std::int64_t year = std::int64_t(pTm->tm_year) + 1900;
    Carry(&min, &sec, 60);
    Carry(&hour, &min, 60);
    Carry(&day, &hour, 24);
    Carry(&year, &mon, 12);

    const std::int64_t days = DaysFromCivil(year, mon + 1, 1) + (day - 1);
    const CivilDate date = CivilFromDays(days);
    const std::int64_t tmYear = date.y - 1900;
    if (tmYear < std::numeric_limits<int>::min() || tmYear > std::numeric_limits<int>::max())
        return -1;
    pTm->tm_sec = int(sec);
    pTm->tm_min = int(min);
    pTm->tm_hour = int(hour);
    pTm->tm_mday = date.d;
    pTm->tm_mon = date.m - 1;
    pTm->tm_year = int(tmYear);
    pTm->tm_yday = int(days - DaysFromCivil(date.y, 1, 1));
    pTm->tm_wday = int(days + 4 - FloorDiv(days + 4, 7) * 7);  // 1970-01-01 was a Thursday
    if (date.y < 1970)
        return -1;

    std::int64_t total = 0;
    if (__builtin_mul_overflow(days, std::int64_t(86400), &total) ||
        __builtin_add_overflow(total, hour * 3600 + min * 60 + sec, &total))
        return -1;
    return total;
}

BOOL SystemTimeToTm(const SYSTEMTIME* pSt, struct tm* pTm)
{
    if (!pSt || !pTm)
        return FALSE;
    *pTm = {};
    pTm->tm_sec = pSt->wSecond;
    pTm->tm_min = pSt->wMinute;
    pTm->tm_hour = pSt->wHour;
    pTm->tm_mday = pSt->wDay;
    pTm->tm_wday = pSt->wDayOfWeek;
    pTm->tm_mon = int(pSt->wMonth) - 1;
    pTm->tm_year = int(pSt->wYear) - 1900;
    pTm->tm_isdst = -1;
    return TRUE;
}

BOOL TmToSystemTime(const struct tm* pTm, SYSTEMTIME* pSt)
{
    if (!pTm || !pSt)
        return FALSE;
    pSt->wYear = WORD(pTm->tm_year + 1900);
    pSt->wMonth = WORD(pTm->tm_mon + 1);
    pSt->wDayOfWeek = WORD(pTm->tm_wday);
    pSt->wDay = WORD(pTm->tm_mday);
    pSt->wHour = WORD(pTm->tm_hour);
    pSt->wMinute = WORD(pTm->tm_min);
    pSt->wSecond = WORD(pTm->tm_sec);
    pSt->wMilliseconds = 0;
    return TRUE;
}

std::int64_t SystemTimeToMs(const SYSTEMTIME* pSt)
{
    struct tm t;
    if (!SystemTimeToTm(pSt, &t))
        return -1000;
    return MakeTimeUtc(&t) * 1000 + pSt->wMilliseconds;
}

void AddMsToSystemTime(const SYSTEMTIME* pIn, int nMs, SYSTEMTIME* pOut)
{
    if (!pIn || !pOut)
        return;
    std::int64_t total = std::int64_t(pIn->wMilliseconds) + nMs;
    std::int64_t sec = pIn->wSecond;
    Carry(&sec, &total, 1000);
    struct tm t;
    SystemTimeToTm(pIn, &t);
    // Whole minutes go into the minute field so that the seconds fit an int for any nMs.
    std::int64_t min = pIn->wMinute;
    Carry(&min, &sec, 60);
    t.tm_sec = int(sec);
    t.tm_min = int(min);
    MakeTimeUtc(&t);
    TmToSystemTime(&t, pOut);
    pOut->wMilliseconds = WORD(total);
}

void ShiftSystemTime(SYSTEMTIME* pSt, std::int64_t nMs)
{
    while (pSt && nMs != 0) {
        const std::int64_t nStep = std::clamp<std::int64_t>(nMs, INT_MIN, INT_MAX);
        AddMsToSystemTime(pSt, int(nStep), pSt);
        nMs -= nStep;
    }
}

void WaitMs(int nMs)
{
    if (nMs <= 0)
        return;
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(nMs);
    while (std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_until(deadline);
}

const LPCTSTR g_astrDayNames[7] = {_T("Sunday"),   _T("Monday"), _T("Tuesday"), _T("Wednesday"),
                                   _T("Thursday"), _T("Friday"), _T("Saturday")};
const LPCTSTR g_astrMonthNames[13] = {
    _T(""),     _T("January"), _T("February"),  _T("March"),   _T("April"),    _T("May"),     _T("June"),
    _T("July"), _T("August"),  _T("September"), _T("October"), _T("November"), _T("December")};

namespace {

// Names of a clock that was set to something impossible show as empty text rather than
// reading outside the tables.
CString DayName(WORD wDayOfWeek) { return wDayOfWeek < 7 ? CString(g_astrDayNames[wDayOfWeek]) : CString(); }

CString MonthName(WORD wMonth, BOOL bShort)
{
    const CString strName = wMonth >= 1 && wMonth <= 12 ? CString(g_astrMonthNames[wMonth]) : CString();
    return bShort ? strName.Left(3) : strName;
}

} // namespace

void AdvanceSimClock(SYSTEMTIME* pClock)
{
    pClock->wMilliseconds = WORD(pClock->wMilliseconds + SIM_TICK_MS);
    if (pClock->wMilliseconds < 1000)
        return;
    pClock->wSecond = WORD(pClock->wSecond + 1);
    pClock->wMilliseconds = 0;
    struct tm tmClock = {};
    SystemTimeToTm(pClock, &tmClock);
    if (MakeTimeUtc(&tmClock) >= 0)
        TmToSystemTime(&tmClock, pClock);
}

void FormatSimTime(const SYSTEMTIME& st, CString& strOut, BOOL bShortMonth, int nMode)
{
    strOut.Empty();
    const BOOL bAm = st.wHour < 12 || st.wHour > 23;
    const CString strSuffix = bAm ? _T("AM") : _T("PM");
    const int nHour12 = !bAm && st.wHour >= 13 ? st.wHour - 12 : st.wHour;
    switch (nMode) {
    case SIMTIME_FULL:
        strOut.Format(_T("%s, %s %d, %d %d:%d:%d %s"), DayName(st.wDayOfWeek), MonthName(st.wMonth, FALSE),
                      st.wDay, st.wYear, nHour12, st.wMinute, st.wSecond, strSuffix);
        break;
    case SIMTIME_DATE:
        strOut.Format(_T("%s %d, %d"), MonthName(st.wMonth, bShortMonth), st.wDay, st.wYear);
        break;
    case SIMTIME_CLOCK:
        strOut.Format(_T("%d:%02d:%02d %s"), nHour12, st.wMinute, st.wSecond, strSuffix);
        break;
    case SIMTIME_DIGITS:
        strOut.Format(_T("%02d%02d%02d%02d%02d%02d"), st.wYear % 100, st.wMonth, st.wDay, st.wHour, st.wMinute,
                      st.wSecond);
        break;
    default:
        break;
    }
}
