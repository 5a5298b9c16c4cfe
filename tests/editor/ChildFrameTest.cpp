#include "editor/ChildFrame.h"

#include <gtest/gtest.h>

namespace {

SYSTEMTIME MakeTime(int year, int month, int dayOfWeek, int day, int hour, int minute, int second, int ms = 0)
{
    return {WORD(year), WORD(month), WORD(dayOfWeek), WORD(day), WORD(hour), WORD(minute), WORD(second), WORD(ms)};
}

CString Format(const SYSTEMTIME& st, BOOL bShortMonth, int nMode)
{
    CChildFrame frame;
    frame.SetSimTime(&st);
    CString strOut(_T("stale"));
    frame.FormatSimTime(strOut, bShortMonth, nMode);
    return strOut;
}

struct FormatCase {
    SYSTEMTIME st;
    BOOL bShortMonth;
    int nMode;
    const char* pszExpected;
};

class FormatSimTimeTest : public testing::TestWithParam<FormatCase> {};

TEST_P(FormatSimTimeTest, FormatsTheClock)
{
    const FormatCase& c = GetParam();
    EXPECT_EQ(Format(c.st, c.bShortMonth, c.nMode).ToUtf8(), c.pszExpected);
}

// 2024-03-05 is a Tuesday.
INSTANTIATE_TEST_SUITE_P(
    FourModes, FormatSimTimeTest,
    testing::Values(FormatCase{MakeTime(2024, 3, 2, 5, 8, 7, 6), FALSE, SIMTIME_FULL, "Tuesday, March 5, 2024 8:7:6 AM"},
                    FormatCase{MakeTime(2024, 3, 2, 5, 8, 7, 6), TRUE, SIMTIME_FULL, "Tuesday, March 5, 2024 8:7:6 AM"},
                    FormatCase{MakeTime(2024, 3, 2, 5, 8, 7, 6), TRUE, SIMTIME_DATE, "Mar 5, 2024"},
                    FormatCase{MakeTime(2024, 3, 2, 5, 8, 7, 6), FALSE, SIMTIME_DATE, "March 5, 2024"},
                    FormatCase{MakeTime(2024, 3, 2, 5, 8, 7, 6), FALSE, SIMTIME_DIGITS, "240305080706"},
                    FormatCase{MakeTime(2024, 3, 2, 5, 12, 5, 9), FALSE, SIMTIME_CLOCK, "12:05:09 PM"},
                    FormatCase{MakeTime(2024, 3, 2, 5, 0, 5, 9), FALSE, SIMTIME_CLOCK, "0:05:09 AM"},
                    FormatCase{MakeTime(2024, 3, 2, 5, 23, 59, 0), FALSE, SIMTIME_CLOCK, "11:59:00 PM"},
                    FormatCase{MakeTime(2024, 3, 2, 5, 13, 0, 0), FALSE, SIMTIME_FULL,
                               "Tuesday, March 5, 2024 1:0:0 PM"},
                    FormatCase{MakeTime(1999, 12, 5, 31, 23, 59, 59), FALSE, SIMTIME_DIGITS, "991231235959"},
                    // An unknown mode leaves the text empty; an impossible day and month give empty names.
                    FormatCase{MakeTime(2024, 3, 2, 5, 8, 7, 6), FALSE, 4, ""},
                    FormatCase{MakeTime(2024, 13, 9, 5, 8, 7, 6), FALSE, SIMTIME_FULL, ",  5, 2024 8:7:6 AM"}));

TEST(SimClock, SetSimTimeKeepsThePreviousClockAndFlagsTheJump)
{
    CChildFrame frame;
    const SYSTEMTIME first = MakeTime(2020, 1, 3, 2, 10, 0, 0);
    const SYSTEMTIME second = MakeTime(2021, 6, 2, 1, 11, 30, 15, 500);
    frame.SetSimTime(&first);
    frame.m_bClockSet = 0;
    frame.SetSimTime(&second);
    SYSTEMTIME now = {};
    SYSTEMTIME prev = {};
    EXPECT_EQ(frame.GetSimTime(&now), &now);
    frame.GetPrevSimTime(&prev);
    EXPECT_EQ(now.wYear, 2021);
    EXPECT_EQ(now.wMilliseconds, 500);
    EXPECT_EQ(prev.wYear, 2020);
    EXPECT_EQ(frame.m_bClockSet, 1);
}

SYSTEMTIME Advance(SYSTEMTIME st, int nTicks)
{
    CChildFrame frame;
    frame.SetSimTime(&st);
    for (int i = 0; i < nTicks; ++i)
        frame.AdvanceSimTime();
    SYSTEMTIME out = {};
    frame.GetSimTime(&out);
    return out;
}

// A full second drops the rest of the second and then advances by 25 ms; the date carries
// over the day, the month (by the leap years) and the year, the weekday with it.
TEST(SimClock, TicksCarryThroughTheCalendar)
{
    const struct {
        SYSTEMTIME start;
        int nTicks;
        SYSTEMTIME after;
    } cases[] = {
        {MakeTime(2024, 3, 2, 5, 10, 0, 0, 990), 1, MakeTime(2024, 3, 2, 5, 10, 0, 1, 0)},
        {MakeTime(2024, 3, 2, 5, 10, 0, 0, 990), 3, MakeTime(2024, 3, 2, 5, 10, 0, 1, 50)},
        {MakeTime(2020, 12, 4, 31, 23, 59, 59, 975), 1, MakeTime(2021, 1, 5, 1, 0, 0, 0, 0)},
        {MakeTime(2024, 2, 3, 28, 23, 59, 59, 975), 1, MakeTime(2024, 2, 4, 29, 0, 0, 0, 0)},
        {MakeTime(2023, 2, 2, 28, 23, 59, 59, 975), 1, MakeTime(2023, 3, 3, 1, 0, 0, 0, 0)},
    };
    for (const auto& c : cases) {
        const SYSTEMTIME st = Advance(c.start, c.nTicks);
        EXPECT_EQ(Format(st, FALSE, SIMTIME_FULL), Format(c.after, FALSE, SIMTIME_FULL));
        EXPECT_EQ(st.wMilliseconds, c.after.wMilliseconds) << Format(c.after, FALSE, SIMTIME_FULL).ToUtf8();
    }
}

} // namespace
