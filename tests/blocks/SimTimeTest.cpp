#include "blocks/SimTime.h"

#include <gtest/gtest.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace {

SYSTEMTIME MakeSt(int y, int mo, int d, int h = 0, int mi = 0, int s = 0, int ms = 0)
{
    SYSTEMTIME st{};
    st.wYear = WORD(y);
    st.wMonth = WORD(mo);
    st.wDay = WORD(d);
    st.wHour = WORD(h);
    st.wMinute = WORD(mi);
    st.wSecond = WORD(s);
    st.wMilliseconds = WORD(ms);
    return st;
}

std::string Text(const SYSTEMTIME& st)
{
    char buf[64];
    std::snprintf(buf, sizeof buf, "%04d-%02d-%02d %02d:%02d:%02d.%03d w%d", st.wYear, st.wMonth,
                  st.wDay, st.wHour, st.wMinute, st.wSecond, st.wMilliseconds, st.wDayOfWeek);
    return buf;
}

TEST(SimTime, SplitTimeValueUsesTheTimeBaseFields)
{
    struct Case {
        double dMs;
        int nBase;
        int nHigh;
        int nLow;
    } cases[] = {
        {125000.0, 1, 2, 5},     // 02:05m
        {12340.0, 2, 12, 34},    // 12:34s
        {3723000.0, 0, 1, 2},    // 01:02h
        {59999.0, 1, 0, 59},     // truncation, not rounding
        {0.0, 2, 0, 0},
        {1e300, 1, 35791394, 7},  // clamped to the largest int of units
        {12340.0, 7, 12, 34},    // an index outside the table reads no table row past the end
        {12340.0, -1, 12, 34},
    };
    for (const Case& c : cases) {
        int high = -99;
        int low = -99;
        SplitTimeValue(c.dMs, c.nBase, &high, &low);
        EXPECT_EQ(high, c.nHigh) << c.dMs << " base " << c.nBase;
        EXPECT_EQ(low, c.nLow) << c.dMs << " base " << c.nBase;
    }
}

TEST(SimTime, FloorDivCarryKeepsTheRemainderNonNegative)
{
    struct Case {
        int nHigh, nLow, nDiv, nHighOut, nLowOut;
    } cases[] = {
        {10, -120, 60, 8, 0},
        {10, -121, 60, 7, 59},
        {10, 125, 60, 12, 5},
        {0, 59, 60, 0, 59},
        {0, -1, 1000, -1, 999},
    };
    for (const Case& c : cases) {
        int high = c.nHigh;
        int low = c.nLow;
        FloorDivCarry(&high, &low, c.nDiv);
        EXPECT_EQ(high, c.nHighOut);
        EXPECT_EQ(low, c.nLowOut);
    }
}

TEST(SimTime, SystemTimeToMsAtTheEpochAndBeforeIt)
{
    SYSTEMTIME epoch = MakeSt(1970, 1, 1);
    EXPECT_EQ(SystemTimeToMs(&epoch), 0);
    SYSTEMTIME before = MakeSt(1969, 12, 31, 23, 59, 59, 250);
    EXPECT_EQ(SystemTimeToMs(&before), -1000 + 250);
    SYSTEMTIME zero{};  // the "not paused" stamp
    EXPECT_EQ(SystemTimeToMs(&zero), -1000);
    SYSTEMTIME y2000 = MakeSt(2000, 3, 1, 12, 0, 0, 5);
    EXPECT_EQ(SystemTimeToMs(&y2000), 951912000005LL);
}

TEST(SimTime, MakeTimeUtcIgnoresTheProcessTimeZone)
{
    const char* old = std::getenv("TZ");
    std::string saved = old ? old : "";
    setenv("TZ", "America/New_York", 1);
    tzset();
    SYSTEMTIME st = MakeSt(2021, 7, 4, 12, 30, 15);
    const std::int64_t ms = SystemTimeToMs(&st);
    if (old)
        setenv("TZ", saved.c_str(), 1);
    else
        unsetenv("TZ");
    tzset();
    EXPECT_EQ(ms, 1625401815000LL);
}

TEST(SimTime, MakeTimeUtcNormalisesEveryField)
{
    struct tm t{};
    t.tm_year = 2023 - 1900;
    t.tm_mon = 13;      // February of the next year
    t.tm_mday = 29;     // 2024 is a leap year: stays in February
    t.tm_hour = 25;     // carries into 1 March
    t.tm_min = -1;      // borrows back to 00:59
    t.tm_sec = 0;
    const std::int64_t s = MakeTimeUtc(&t);
    EXPECT_EQ(t.tm_year, 2024 - 1900);
    EXPECT_EQ(t.tm_mon, 2);
    EXPECT_EQ(t.tm_mday, 1);
    EXPECT_EQ(t.tm_hour, 0);
    EXPECT_EQ(t.tm_min, 59);
    EXPECT_EQ(t.tm_wday, 5);   // Friday
    EXPECT_EQ(t.tm_yday, 60);  // 31 + 29
    EXPECT_EQ(s, 1709254740LL);

    // A day before the 1st lands on the exact calendar date, also after a leap February.
    struct tm d{};
    d.tm_year = 2024 - 1900;
    d.tm_mon = 2;   // March
    d.tm_mday = 0;  // the day before 1 March 2024
    MakeTimeUtc(&d);
    EXPECT_EQ(d.tm_mon, 1);
    EXPECT_EQ(d.tm_mday, 29);

    struct tm old{};
    old.tm_year = 69;
    old.tm_mday = 1;
    EXPECT_EQ(MakeTimeUtc(&old), -1);
    EXPECT_EQ(MakeTimeUtc(nullptr), -1);
}

TEST(SimTime, AddMsAcrossMonthYearAndLeapDays)
{
    struct Case {
        SYSTEMTIME in;
        int nMs;
        const char* out;
    } cases[] = {
        {MakeSt(2020, 12, 31, 23, 59, 59, 900), 200, "2021-01-01 00:00:00.100 w5"},
        {MakeSt(2024, 2, 28, 23, 59, 59, 999), 1, "2024-02-29 00:00:00.000 w4"},
        {MakeSt(2024, 2, 29, 23, 59, 59, 999), 1, "2024-03-01 00:00:00.000 w5"},
        {MakeSt(2023, 2, 28, 23, 59, 59, 999), 1, "2023-03-01 00:00:00.000 w3"},
        {MakeSt(1900 + 200, 2, 28, 23, 59, 59, 999), 1, "2100-03-01 00:00:00.000 w1"},
        {MakeSt(2000, 2, 28, 23, 59, 59, 999), 1, "2000-02-29 00:00:00.000 w2"},
        {MakeSt(2021, 4, 30, 23, 59, 59, 975), 25, "2021-05-01 00:00:00.000 w6"},
        {MakeSt(2021, 1, 1, 0, 0, 0, 50), -100, "2020-12-31 23:59:59.950 w4"},
        {MakeSt(2024, 3, 1, 0, 0, 0, 0), -1, "2024-02-29 23:59:59.999 w4"},
        {MakeSt(2023, 3, 1, 0, 0, 0, 0), -1, "2023-02-28 23:59:59.999 w2"},
        {MakeSt(2021, 6, 15, 10, 0, 0, 0), 86400000, "2021-06-16 10:00:00.000 w3"},
        {MakeSt(2021, 6, 15, 10, 0, 0, 0), 2147483647, "2021-07-10 06:31:23.647 w6"},
    };
    for (const Case& c : cases) {
        SYSTEMTIME out{};
        AddMsToSystemTime(&c.in, c.nMs, &out);
        EXPECT_EQ(Text(out), c.out) << Text(c.in) << " + " << c.nMs;
    }
}

TEST(SimTime, WaitMsWaitsAtLeastTheTimeOnTheSteadyClock)
{
    const auto start = std::chrono::steady_clock::now();
    WaitMs(20);
    EXPECT_GE(std::chrono::steady_clock::now() - start, std::chrono::milliseconds(20));
    WaitMs(-5);  // returns at once
}

}  // namespace
