// The weekly and yearly timers against the simulated calendar clock, across midnight, week,
// month and year ends; the astronomical clock and the stopwatch keep their output.
#include "SimDriver.h"

#include "blocks/BlockClock.h"
#include "blocks/BlockLow.h"
#include "blocks/BlockTypes.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

// A simulated moment; the weekday is left for the timers to compute from the date.
struct Moment {
    int nYear;
    int nMonth;
    int nDay;
    int nHour;
    int nMinute;
};

SYSTEMTIME ClockAt(const Moment& m)
{
    SYSTEMTIME st = {};
    st.wYear = WORD(m.nYear);
    st.wMonth = WORD(m.nMonth);
    st.wDay = WORD(m.nDay);
    st.wHour = WORD(m.nHour);
    st.wMinute = WORD(m.nMinute);
    st.wDayOfWeek = 3;  // deliberately wrong for most dates
    return st;
}

int StateAt(TestDocument& active, CBlockObj& timer, const Moment& m)
{
    active.SetClock(ClockAt(m));
    timer.Simulate(&active.Sim());
    return SimDriver::State(&timer);
}

// In March 2024: Sunday 3, Monday 4, Tuesday 5, Wednesday 6, Saturday 9, Sunday 10, Monday 11.
constexpr int kSun = 0;
constexpr int kMon = 1;
constexpr int kWed = 3;
constexpr int kSat = 6;

struct Cam {
    std::vector<int> days;
    int nOnHour;  // -1: the ON time is unset
    int nOnMinute;
    int nOffHour;  // -1: the OFF time is unset
    int nOffMinute;
};

void SetCam(CBlockWT& timer, int nCam, const Cam& cam)
{
    for (int nDay : cam.days)
        timer.m_bDay[nCam][nDay] = 1;
    timer.m_bOnDisabled[nCam] = cam.nOnHour < 0;
    timer.m_nOnTime[nCam][0] = cam.nOnHour;
    timer.m_nOnTime[nCam][1] = cam.nOnMinute;
    timer.m_bOffDisabled[nCam] = cam.nOffHour < 0;
    timer.m_nOffTime[nCam][0] = cam.nOffHour;
    timer.m_nOffTime[nCam][1] = cam.nOffMinute;
}

struct Probe {
    Moment at;
    int nExpect;
};

struct WeeklyCase {
    const char* pszName;
    std::vector<Cam> cams;  // cam 0, 1, 2
    std::vector<Probe> probes;
};

const WeeklyCase kWeeklyCases[] = {
    {"Monday 08:00 to 17:00",
     {{{kMon}, 8, 0, 17, 0}},
     {{{2024, 3, 4, 7, 59}, 0}, {{2024, 3, 4, 8, 0}, 1}, {{2024, 3, 4, 16, 59}, 1},
      {{2024, 3, 4, 17, 0}, 0}, {{2024, 3, 5, 10, 0}, 0}, {{2024, 3, 3, 23, 59}, 0}}},
    {"Monday ON 22:00 OFF 06:00 runs across midnight to the next Monday",
     {{{kMon}, 22, 0, 6, 0}},
     {{{2024, 3, 4, 21, 59}, 0}, {{2024, 3, 4, 22, 0}, 1}, {{2024, 3, 5, 0, 0}, 1},
      {{2024, 3, 9, 23, 59}, 1}, {{2024, 3, 10, 0, 0}, 1}, {{2024, 3, 11, 5, 59}, 1},
      {{2024, 3, 11, 6, 0}, 0}}},
    {"Saturday and Sunday 20:00 to 02:00 across the week end",
     {{{kSat, kSun}, 20, 0, 2, 0}},
     {{{2024, 3, 9, 20, 0}, 1}, {{2024, 3, 10, 1, 59}, 1}, {{2024, 3, 10, 2, 0}, 0},
      {{2024, 3, 10, 20, 0}, 1}, {{2024, 3, 11, 12, 0}, 1}, {{2024, 3, 16, 2, 0}, 0}}},
    {"a whole Monday, midnight to 23:59",
     {{{kMon}, 0, 0, 23, 59}},
     {{{2024, 3, 3, 23, 59}, 0}, {{2024, 3, 4, 0, 0}, 1}, {{2024, 3, 4, 23, 58}, 1},
      {{2024, 3, 4, 23, 59}, 0}}},
    {"only an ON time: on from then for good, also the week before",
     {{{kWed}, 10, 0, -1, 0}},
     {{{2024, 3, 6, 9, 59}, 1}, {{2024, 3, 6, 10, 0}, 1}, {{2024, 3, 7, 0, 0}, 1}}},
    {"a cam with both times unset is inactive",
     {{{kMon, kWed}, -1, 0, -1, 0}},
     {{{2024, 3, 4, 12, 0}, 0}}},
    {"a cam without days is inactive",
     {{{}, 8, 0, 17, 0}},
     {{{2024, 3, 4, 12, 0}, 0}}},
    {"the later cam wins a tie: cam 1 OFF over cam 0 ON",
     {{{kMon}, 8, 0, -1, 0}, {{kMon}, -1, 0, 8, 0}},
     {{{2024, 3, 4, 8, 0}, 0}}},
    {"the later cam wins a tie: cam 2 ON over cam 0 OFF",
     {{{kMon}, -1, 0, 8, 0}, {{}, 0, 0, 0, 0}, {{kMon}, 8, 0, -1, 0}},
     {{{2024, 3, 4, 8, 0}, 1}}},
    {"ON and OFF of one cam at the same minute give OFF",
     {{{kMon}, 8, 0, 8, 0}},
     {{{2024, 3, 4, 8, 0}, 0}, {{2024, 3, 4, 9, 0}, 0}}},
    {"seconds are ignored: an event in the current minute has passed",
     {{{kMon}, 8, 30, 9, 0}},
     {{{2024, 3, 4, 8, 30}, 1}}},
};

TEST(WeeklyTimer, CamEvents)
{
    TestDocument active;
    for (const WeeklyCase& c : kWeeklyCases) {
        SCOPED_TRACE(c.pszName);
        CBlockWT timer(BT_WT);
        for (std::size_t nCam = 0; nCam < c.cams.size(); ++nCam)
            SetCam(timer, int(nCam), c.cams[nCam]);
        for (const Probe& probe : c.probes) {
            SCOPED_TRACE(testing::Message() << probe.at.nDay << " " << probe.at.nHour << ":"
                                            << probe.at.nMinute);
            EXPECT_EQ(StateAt(active, timer, probe.at), probe.nExpect);
        }
    }
}

struct YearlyCase {
    const char* pszName;
    int nOnMonth;
    int nOnDay;
    int nOffMonth;
    int nOffDay;
    int bMonthly;
    std::vector<Probe> probes;
};

const YearlyCase kYearlyCases[] = {
    {"December 1 to March 1 across the year end", 12, 1, 3, 1, 0,
     {{{2023, 11, 30, 23, 59}, 0}, {{2023, 12, 1, 0, 0}, 1}, {{2023, 12, 31, 23, 59}, 1},
      {{2024, 1, 1, 0, 0}, 1}, {{2024, 2, 29, 23, 59}, 1}, {{2024, 3, 1, 0, 0}, 0}}},
    {"March 1 to December 1 within the year", 3, 1, 12, 1, 0,
     {{{2023, 2, 28, 23, 59}, 0}, {{2023, 3, 1, 0, 0}, 1}, {{2023, 11, 30, 23, 59}, 1},
      {{2023, 12, 1, 0, 0}, 0}}},
    {"equal ON and OFF dates never switch on", 6, 15, 6, 15, 0,
     {{{2024, 6, 15, 12, 0}, 0}, {{2024, 6, 14, 12, 0}, 0}}},
    {"February 30 carries into March by the year's length", 2, 30, 3, 5, 0,
     {{{2023, 3, 1, 12, 0}, 0}, {{2023, 3, 2, 0, 0}, 1}, {{2024, 3, 1, 0, 0}, 1},
      {{2024, 2, 29, 23, 59}, 0}}},
    {"monthly: days 10 to 20 of every month", 1, 10, 1, 20, 1,
     {{{2024, 4, 9, 23, 59}, 0}, {{2024, 4, 10, 0, 0}, 1}, {{2024, 7, 19, 23, 59}, 1},
      {{2024, 7, 20, 0, 0}, 0}}},
    {"monthly: day 25 to day 5 across the month end", 1, 25, 1, 5, 1,
     {{{2024, 2, 24, 12, 0}, 0}, {{2024, 2, 25, 0, 0}, 1}, {{2024, 2, 29, 12, 0}, 1},
      {{2024, 3, 1, 0, 0}, 1}, {{2024, 3, 5, 0, 0}, 0}, {{2024, 3, 15, 0, 0}, 0}}},
    {"monthly: equal days never switch on", 1, 7, 1, 7, 1,
     {{{2024, 5, 7, 12, 0}, 0}}},
};

TEST(YearlyTimer, Dates)
{
    TestDocument active;
    for (const YearlyCase& c : kYearlyCases) {
        SCOPED_TRACE(c.pszName);
        CBlockYT timer(BT_YT);
        timer.m_nParam[YT_ON_MONTH_PARAM] = c.nOnMonth;
        timer.m_nParam[YT_ON_DAY_PARAM] = c.nOnDay;
        timer.m_nParamEx[YT_OFF_MONTH_PARAMEX] = c.nOffMonth;
        timer.m_nParamEx[YT_OFF_DAY_PARAMEX] = c.nOffDay;
        timer.m_nParam[YT_MONTHLY_PARAM] = c.bMonthly;
        for (const Probe& probe : c.probes) {
            SCOPED_TRACE(testing::Message() << probe.at.nYear << "-" << probe.at.nMonth << "-"
                                            << probe.at.nDay << " " << probe.at.nHour << ":"
                                            << probe.at.nMinute);
            EXPECT_EQ(StateAt(active, timer, probe.at), probe.nExpect);
        }
    }
}

TEST(ClockTimers, AstronomicalClockAndStopwatchKeepTheirOutput)
{
    SimDriver sim;
    auto* pClock = sim.Add(new CBlockAC(BT_AC), NUM_FUNCTION_BLOCK);
    auto* pWatch = sim.Add(new CBlockSW(BT_SW), NUM_FUNCTION_BLOCK + 1);
    auto* pHigh = sim.Add(new CBlockHigh(BT_HIGH), NUM_HIGH);
    SimDriver::Connect(pHigh, pWatch, 0);
    sim.Start();
    sim.RunTo(2000);
    EXPECT_EQ(SimDriver::State(pClock), 0);
    EXPECT_EQ(SimDriver::State(pWatch), 0);
}

} // namespace
