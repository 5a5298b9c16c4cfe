// Simulated-time arithmetic on SYSTEMTIME: a proleptic Gregorian calendar without time zones
// or daylight saving, so that the results never depend on the process environment.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <cstdint>
#include <ctime>

// Time bases of the timers: index 0 hours:minutes, 1 minutes:seconds, 2 seconds:hundredths.
struct TimeBaseRow {
    int nMsPerUnit;
    int nModulus;
    int nStep;
};
constexpr int TIME_BASE_COUNT = 3;
extern const TimeBaseRow g_TimeBaseTable[TIME_BASE_COUNT];

// A value taken from a referenced block is clamped to 0 .. nMaximum and multiplied by
// nMultiplier to give milliseconds.
struct TimeLimitRow {
    int nMaximum;
    int nMultiplier;
};
extern const TimeLimitRow g_TimeLimitTable[TIME_BASE_COUNT];

// TRUE when nBase indexes the two tables above.
constexpr bool IsValidTimeBase(int nBase) { return nBase >= 0 && nBase < TIME_BASE_COUNT; }

// Splits a millisecond time into the two display fields of a time base. An index outside the
// table is treated as base 2 (the finest), never read past the table.
void SplitTimeValue(double dMs, int nBase, int* pHigh, int* pLow);

// *pHigh += floor(*pLow / nDivisor); *pLow := the remainder in 0 .. nDivisor-1.
void FloorDivCarry(int* pHigh, int* pLow, int nDivisor);

// Normalises *pTm (seconds, minutes, hours, days, months) and returns the seconds since
// 1970-01-01 00:00:00; sets tm_yday and tm_wday. -1 for a year before 1970 or an overflow.
std::int64_t MakeTimeUtc(struct tm* pTm);

BOOL SystemTimeToTm(const SYSTEMTIME* pSt, struct tm* pTm);
BOOL TmToSystemTime(const struct tm* pTm, SYSTEMTIME* pSt);

// Milliseconds since 1970-01-01; a date before 1970 gives -1000 plus the milliseconds.
std::int64_t SystemTimeToMs(const SYSTEMTIME* pSt);

// *pOut := *pIn + nMs, normalised, weekday recomputed.
void AddMsToSystemTime(const SYSTEMTIME* pIn, int nMs, SYSTEMTIME* pOut);

// *pSt moved by a signed 64-bit span: a clock set months ahead must move a stamp by all of it,
// while one addition takes only an int of milliseconds (24.8 days).
void ShiftSystemTime(SYSTEMTIME* pSt, std::int64_t nMs);

// Waits nMs milliseconds on the steady clock (the serial transfer's pause between frames).
void WaitMs(int nMs);

// The simulated clock ticks every 25 ms.
constexpr int SIM_TICK_MS = 25;

// One tick of a simulated clock: a full second carries without loss of a second (the part
// above it is dropped) and the date is normalised.
void AdvanceSimClock(SYSTEMTIME* pClock);

// English day names by wDayOfWeek (0 = Sunday) and month names by wMonth (1 = January, index
// 0 empty).
extern const LPCTSTR g_astrDayNames[7];
extern const LPCTSTR g_astrMonthNames[13];

// FormatSimTime modes.
constexpr int SIMTIME_FULL = 0;        // "Tuesday, March 5, 2024 8:7:6 AM"
constexpr int SIMTIME_DATE = 1;        // "March 5, 2024" / "Mar 5, 2024"
constexpr int SIMTIME_CLOCK = 2;       // "8:07:06 AM"
constexpr int SIMTIME_DIGITS = 3;      // "240305080706"

// A simulated clock as the Simulation bar and the clock blocks show it.
void FormatSimTime(const SYSTEMTIME& st, CString& strOut, BOOL bShortMonth, int nMode);
