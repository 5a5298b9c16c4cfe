// The weekly and yearly timers against the simulated calendar clock, across midnight, week,
// month and year ends, with their output held or pulsed; the astronomical clock and the
// stopwatch keep their output.
#include "SimDriver.h"

#include "blocks/BlockClock.h"
#include "blocks/BlockLow.h"
#include "blocks/BlockTypes.h"
#include "document/SimStopStart.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <string>
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

// A run's script: the clock runs nMs with a scan after each tick (stopped or not), or is set,
// or the Simulation bar suspends, resumes, stops or starts the run again.
enum class Act { Run, SetClock, Suspend, Resume, Stop, StartAgain };

struct Beat {
    Act act;
    int nMs = 0;
    Moment at = {};
};

Beat RunFor(int nMs) { return {Act::Run, nMs}; }
Beat SetTo(const Moment& at) { return {Act::SetClock, 0, at}; }

// The run starts at the driver's clock, Monday 4 March 2024 08:00, inside the timer's ON span.
// Then the clock runs into an ON time, is set onto one and across one, and passes one while
// suspended, one while stopped and one after the start again (for the yearly timer also the
// 4th of April).
const std::vector<Beat> kWeeklyScript = {
    RunFor(90000), SetTo({2024, 3, 4, 8, 3}), RunFor(1000), SetTo({2024, 3, 4, 8, 0}), RunFor(1000),
    SetTo({2024, 3, 4, 8, 2}), RunFor(1000), {Act::Suspend}, RunFor(60000), {Act::Resume}, RunFor(1000),
    SetTo({2024, 3, 4, 8, 0}), RunFor(1000), {Act::Stop}, RunFor(90000), {Act::StartAgain}, RunFor(91000)};
const std::vector<Beat> kYearlyScript = {
    RunFor(1000), SetTo({2024, 3, 3, 23, 59}), RunFor(61000), SetTo({2024, 3, 3, 12, 0}), RunFor(1000),
    SetTo({2024, 3, 4, 0, 0}), RunFor(1000), SetTo({2024, 3, 3, 12, 0}), RunFor(1000),
    SetTo({2024, 3, 5, 12, 0}), RunFor(1000), SetTo({2024, 3, 3, 23, 59}), {Act::Suspend}, RunFor(61000),
    {Act::Resume}, RunFor(1000), SetTo({2024, 3, 3, 23, 59}), RunFor(1000), {Act::Stop}, RunFor(61000),
    {Act::StartAgain}, RunFor(1000), SetTo({2024, 4, 3, 23, 59}), RunFor(61000)};

struct PulseCase {
    const char* pszName;
    int nType;
    int bMonthly;
    int bPulse;
    WORD wHardware;
    // The scans at which the output changed, "MM-DD hh:mm:ss.mmm state".
    std::vector<std::string> edges;
};

// The weekly timer's cams: 0 Monday 07:59 to 08:30, 1 Monday ON 08:01, 2 Monday 08:03 to
// 08:04; the yearly timer's dates 4 to 6 March, or with the monthly flag the 4th to the 6th.
std::vector<std::string> PlayClockScript(const PulseCase& c)
{
    SimDriver sim;
    sim.Doc().m_wHardwareCode = c.wHardware;
    CBlockObj* pTimer = sim.Add(CreateBlockForType(c.nType, nullptr, nullptr), NUM_FUNCTION_BLOCK);
    if (auto* pWeekly = dynamic_cast<CBlockWT*>(pTimer)) {
        SetCam(*pWeekly, 0, {{kMon}, 7, 59, 8, 30});
        SetCam(*pWeekly, 1, {{kMon}, 8, 1, -1, 0});
        SetCam(*pWeekly, 2, {{kMon}, 8, 3, 8, 4});
    } else {
        pTimer->m_nParam[YT_ON_MONTH_PARAM] = pTimer->m_nParamEx[YT_OFF_MONTH_PARAMEX] = 3;
        pTimer->m_nParam[YT_ON_DAY_PARAM] = 4;
        pTimer->m_nParamEx[YT_OFF_DAY_PARAMEX] = 6;
        pTimer->m_nParam[YT_MONTHLY_PARAM] = c.bMonthly;
    }
    pTimer->m_nParam[c.nType == BT_WT ? WT_PULSE_PARAM : YT_PULSE_PARAM] = c.bPulse;
    std::vector<std::string> edges;
    auto observe = [&] {
        const int nState = SimDriver::State(pTimer);
        const SYSTEMTIME& st = sim.Clock();
        char sz[40];
        std::snprintf(sz, sizeof sz, "%02d-%02d %02d:%02d:%02d.%03d %d", st.wMonth, st.wDay, st.wHour, st.wMinute,
                      st.wSecond, st.wMilliseconds, nState);
        if (nState != (edges.empty() ? 0 : edges.back().back() - '0'))
            edges.emplace_back(sz);
    };
    sim.Start();
    for (const Beat& beat : c.nType == BT_WT ? kWeeklyScript : kYearlyScript) {
        switch (beat.act) {
        case Act::Run:
            for (int nMs = 0; nMs < beat.nMs; nMs += SIM_TICK_MS) {
                sim.Tick();
                sim.Scan();
                observe();
            }
            break;
        case Act::SetClock: sim.SetClock(ClockAt(beat.at)); break;
        case Act::Suspend: sim.Suspend(); break;
        case Act::Resume: sim.Resume(); break;
        case Act::Stop:
            StopSimulationRun(sim.Doc());
            sim.Sim().nRunState = SIM_RUN_STOPPED;
            observe();
            break;
        case Act::StartAgain:
            StartAgainSimulationRun(sim.Doc(), sim.Clock());
            sim.Sim().nRunState = SIM_RUN_RUNNING;
            break;
        }
    }
    return edges;
}

// Held, the output follows the spans. Pulsed, it is on for the one scan that reaches an ON
// time: not at the start inside a span, not when the clock is set onto or across an ON time,
// not for one passed while stopped; also while suspended, where the blocks are stepped. The
// older generation receives no pulse setting, so it holds.
TEST(ClockTimers, HeldAndPulsedOutputThroughARun)
{
    const std::vector<std::string> weeklyHeld = {"03-04 08:00:00.025 1", "03-04 08:00:01.000 0", "03-04 08:01:31.025 1"};
    const std::vector<std::string> marchHeld = {
        "03-04 08:00:00.025 1", "03-03 23:59:00.025 0", "03-04 00:00:00.000 1", "03-03 12:00:00.025 0",
        "03-04 00:00:00.025 1", "03-03 12:00:00.025 0", "03-05 12:00:00.025 1", "03-03 23:59:00.025 0",
        "03-04 00:00:00.000 1", "03-03 23:59:00.025 0", "03-04 00:00:02.025 1", "04-03 23:59:00.025 0"};
    std::vector<std::string> monthlyHeld = marchHeld;
    monthlyHeld.emplace_back("04-04 00:00:00.000 1");
    const std::vector<std::string> marchPulsed = {"03-04 00:00:00.000 1", "03-04 00:00:00.025 0",
                                                  "03-04 00:00:00.000 1", "03-04 00:00:00.025 0"};
    std::vector<std::string> monthlyPulsed = marchPulsed;
    monthlyPulsed.insert(monthlyPulsed.end(), {"04-04 00:00:00.000 1", "04-04 00:00:00.025 0"});
    const PulseCase cases[] = {
        {"weekly, held", BT_WT, 0, 0, kNewHardware, weeklyHeld},
        {"weekly, pulsed", BT_WT, 0, 1, kNewHardware,
         {"03-04 08:01:00.000 1", "03-04 08:01:00.025 0", "03-04 08:03:00.000 1", "03-04 08:03:00.025 0",
          "03-04 08:03:00.000 1", "03-04 08:03:00.025 0"}},
        {"weekly, pulse setting on the older generation", BT_WT, 0, 1, kOldHardware, weeklyHeld},
        {"yearly, held", BT_YT, 0, 0, kNewHardware, marchHeld},
        {"yearly, pulsed", BT_YT, 0, 1, kNewHardware, marchPulsed},
        {"yearly, pulse setting on the older generation", BT_YT, 0, 1, kOldHardware, marchHeld},
        {"monthly, held", BT_YT, 1, 0, kNewHardware, monthlyHeld},
        {"monthly, pulsed", BT_YT, 1, 1, kNewHardware, monthlyPulsed},
    };
    for (const PulseCase& c : cases) {
        SCOPED_TRACE(c.pszName);
        EXPECT_EQ(PlayClockScript(c), c.edges);
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
