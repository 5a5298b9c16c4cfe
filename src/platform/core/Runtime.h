// The few C-runtime and system services the program uses: local time, a millisecond clock for
// waits, the C runtime's random generator and the wide string-to-number conversions.
#pragma once

#include "platform/core/Types.h"

#include <chrono>
#include <cstdint>

// The local date and time now; wDayOfWeek 0 is Sunday.
void GetLocalTime(SYSTEMTIME* pTime);
// The same for a given instant, in the process's time zone.
SYSTEMTIME LocalTimeAt(std::chrono::system_clock::time_point when);

// Milliseconds of a steady clock for waits and time-outs; unaffected by changes of the wall
// clock. The 32-bit form wraps after about 49.7 days: compare differences, never values.
DWORD GetTickCount();
std::uint64_t GetTickCount64();

// The C runtime's generator: the classic linear congruential formula with 15-bit results
// (0..32767) and the initial seed 1, per thread like the runtime it stands in for. Named apart
// from <cstdlib> because the program depends on this exact sequence.
namespace crt {
constexpr int RAND_MAX_VALUE = 0x7FFF;
int rand();
void srand(unsigned int seed);
} // namespace crt

// Leading ASCII whitespace, an optional sign and decimal digits; the first other character
// ends the number. A value outside 32 bits is clamped to LONG_MIN / LONG_MAX as the runtime
// does for a 32-bit long; no digits (or nullptr) gives 0.
LONG _wtol(LPCTSTR psz);
int _wtoi(LPCTSTR psz);
// Leading whitespace, then the longest prefix strtod accepts in the "C" locale (a '.' decimal
// point whatever the process locale, matching CString::Format; exponent, inf, nan and
// hexadecimal forms); 0.0 when there is none.
double _wtof(LPCTSTR psz);
