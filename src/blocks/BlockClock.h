// The clock timers of the timer family: Weekly Timer (410), Yearly Timer (411), Astronomical
// clock (412) and Stopwatch (413). The weekly timer switches by its cam table, the yearly timer
// by its ON and OFF dates.
#pragma once

#include "blocks/BlockTime.h"

#include <cstdint>
#include <ctime>
#include <optional>

constexpr int WT_PULSE_PARAM = 3;  // pulse output

// The yearly timer's dates. With the monthly flag only the days count; the years, the yearly
// flag and the pulse output are the newer generation's.
constexpr int YT_ON_MONTH_PARAM = 9;
constexpr int YT_ON_DAY_PARAM = 8;
constexpr int YT_ON_YEAR_PARAM = 6;
constexpr int YT_OFF_MONTH_PARAMEX = 1;
constexpr int YT_OFF_DAY_PARAMEX = 0;
constexpr int YT_OFF_YEAR_PARAM = 5;
constexpr int YT_MONTHLY_PARAM = 2;
constexpr int YT_YEARLY_PARAM = 4;
constexpr int YT_PULSE_PARAM = 3;

// The astronomical clock's location (a direction flag, degrees, minutes and seconds of each
// angle) and time zone (above 12: west of Greenwich).
constexpr int AC_LONGITUDE_WEST_PARAM = 9;
constexpr int AC_LONGITUDE_DEGREES_PARAMEX = 1;
constexpr int AC_LONGITUDE_MINUTES_PARAMEX = 6;
constexpr int AC_LONGITUDE_SECONDS_PARAMEX = 8;
constexpr int AC_LATITUDE_SOUTH_PARAM = 8;
constexpr int AC_LATITUDE_DEGREES_PARAMEX = 0;
constexpr int AC_LATITUDE_MINUTES_PARAMEX = 5;
constexpr int AC_LATITUDE_SECONDS_PARAMEX = 7;
constexpr int AC_TIME_ZONE_PARAMEX = 2;
// The index of the chosen place in the list of places when it was stored; the place's name
// (m_strParamText) is what finds it again.
constexpr int AC_LOCATION_PARAM = 10;

// The stopwatch's time base, with a fourth base (milliseconds) of its own.
constexpr int SW_BASE_PARAM = 10;

class CBlockWT : public CBlockTime {
    DECLARE_SERIAL(CBlockWT)

public:
    CBlockWT();
    explicit CBlockWT(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    // The state of the latest cam event at or before the simulated weekday and minute; with
    // none this week, the week before's latest event. With the pulse output, on for the one scan
    // that reaches an ON time, the OFF times unused.
    BOOL Simulate(const CSimContext* pSim) override;

    // The common copy, then the whole cam table.
    void CopyTo(CBlockObj* pDst, BOOL bGeometry) override;

    // A pulse output.
    CString OlderLineProblem(long long nIndex, const CString& strCaption) const override;

private:
    // The pulse output as the controller receives it: the newer generation only, one byte.
    bool HasPulseOutput() const;
};

class CBlockYT : public CBlockTime {
    DECLARE_SERIAL(CBlockYT)

public:
    CBlockYT();
    explicit CBlockYT(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;

    // 1 from the ON date up to the OFF date of the simulated year (across the year end when
    // the OFF date comes first); with the monthly flag, by the day of the month alone. With the
    // pulse output, on for the one scan that reaches the ON date, the OFF date unused.
    BOOL Simulate(const CSimContext* pSim) override;
    // The simulated date in the value box: the month on the first line, the day and year on
    // the second, in a box as wide as they are.
    void DrawValue(const CSimContext* pSim, CDC* pDC) override;

    // A year range other than the older line's only one, the yearly mode off, or a pulse
    // output; the newer line sets them to what the older line did.
    CString OlderLineProblem(long long nIndex, const CString& strCaption) const override;
    void AdaptToNewerLine() override;

private:
    // The pulse output as the controller receives it: the newer generation only.
    bool HasPulseOutput() const;
    // 00:00 of the latest ON date at or before nNow (seconds since 1970): this year's or last
    // year's, or with the monthly flag that of the latest month that has the ON day.
    std::optional<std::int64_t> LatestOnDate(const struct tm& now, std::int64_t nNow) const;
};

// Its location and times are edited, stored and sent with the program; its output does not
// change during a simulation.
class CBlockAC : public CBlockTime {
    DECLARE_SERIAL(CBlockAC)

public:
    CBlockAC();
    explicit CBlockAC(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
};

class CBlockSW : public CBlockTime {
    DECLARE_SERIAL(CBlockSW)

public:
    CBlockSW();
    explicit CBlockSW(int nType);

    void DrawSymbol(CDC* pDC) const override;
    void WritePinText(PinTextWriter& w) const override;
};
