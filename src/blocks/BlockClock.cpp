#include "blocks/BlockClock.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "blocks/SimTime.h"
#include "blocks/ValueBox.h"

#include <compare>
#include <cstdint>
#include <ctime>
#include <optional>
#include <span>

namespace {

// Role codes of the clock timers' pin slots; kept and sent with the program as written.
constexpr int kLinkCamSlot = 54;
constexpr int kLinkCamEnd = 56;

constexpr std::array<BlockSetup, 4> kClockSetups = {{
    {.nType = BT_WT, .nInputs = 3, .wProgramBytes = 20, .nCapFlags = 0x06,
     .links = {{{0, LINK_PARAM}, {1, LINK_PARAM}, {2, LINK_PARAM}, {3, LINK_PARAM},
                {4, LINK_PARAM}, {5, LINK_PARAM}, {6, kLinkCamSlot}, {7, kLinkCamSlot},
                {8, kLinkCamSlot}, {9, kLinkCamEnd}}}},
    // ON and OFF dates 1 January, every year from 2000 to 2099.
    {.nType = BT_YT, .nInputs = 1, .wProgramBytes = 8, .nCapFlags = 0x06,
     .links = {{{0, LINK_PARAM}, {1, LINK_PARAM}, {2, LINK_PARAM}, {3, LINK_PARAM},
                {4, LINK_END}, {5, LINK_END}}},
     .words = {{{BlockWord::Param, YT_ON_MONTH_PARAM, 1}, {BlockWord::Param, YT_ON_DAY_PARAM, 1},
                {BlockWord::ParamEx, YT_OFF_MONTH_PARAMEX, 1},
                {BlockWord::ParamEx, YT_OFF_DAY_PARAMEX, 1}, {BlockWord::Param, YT_YEARLY_PARAM, 1},
                {BlockWord::Param, YT_ON_YEAR_PARAM, 2000}, {BlockWord::Param, YT_OFF_YEAR_PARAM, 2099}}}},
    {.nType = BT_AC, .nInputs = 1, .wProgramBytes = 16, .nCapFlags = 0x0E,
     .links = {{{0, LINK_PARAM}, {1, 89}, {5, 89}, {2, 90}, {6, 90}, {3, 91}, {7, 91}, {4, 88},
                {8, 92}, {9, 93}, {11, LINK_END}}},
     .words = {{{BlockWord::Param, TIMER_ON_BASE_PARAM, 0},
                {BlockWord::ParamEx, AC_TIME_ZONE_PARAMEX, 0}}}},
    {.nType = BT_SW, .nInputs = 4, .wProgramBytes = 16, .nPinSlots = 5, .nCapFlags = 0x3F,
     .links = {{{3, LINK_PARAM}, {4, LINK_END}}},
     .words = {{{BlockWord::Param, SW_BASE_PARAM, 1}}}},
}};

} // namespace

IMPLEMENT_TABLE_BLOCK(CBlockWT, CBlockTime, kClockSetups, BT_WT)
IMPLEMENT_TABLE_BLOCK(CBlockYT, CBlockTime, kClockSetups, BT_YT)
IMPLEMENT_TABLE_BLOCK(CBlockAC, CBlockTime, kClockSetups, BT_AC)
IMPLEMENT_TABLE_BLOCK(CBlockSW, CBlockTime, kClockSetups, BT_SW)

void CBlockWT::CopyTo(CBlockObj* pDst, BOOL bGeometry)
{
    if (!pDst)
        return;
    CBlockObj::CopyTo(pDst, bGeometry);
    if (pDst->IsKindOf(RUNTIME_CLASS(CBlockTime)))
        CopyCamsTo(static_cast<CBlockTime*>(pDst));
}

namespace {

constexpr std::int64_t kMinutesPerDay = 24 * 60;
constexpr std::int64_t kSecondsPerWeek = 7 * kMinutesPerDay * 60;

// The simulated clock as a normalised calendar time and in seconds since 1970; the weekday is
// computed from the date rather than trusted from the clock, which the user may have set.
struct ClockNow {
    struct tm t = {};
    std::int64_t nSeconds = 0;
};

ClockNow ReadClock(const CSimContext* pSim)
{
    ClockNow now;
    if (pSim) {
        SystemTimeToTm(&pSim->stScan, &now.t);
        now.nSeconds = MakeTimeUtc(&now.t);
    }
    return now;
}

// One switching event of a cam: its minute of the week, the cam and the kind. Ordered so
// that the later minute wins, then the later cam, then OFF over ON.
struct CamEvent {
    std::int64_t nMinute;
    int nCam;
    int bOff;

    auto operator<=>(const CamEvent&) const = default;
};

// Seconds since 1970 of 00:00:00 on a day of a year; an impossible day or month carries on
// as the calendar normalisation does.
std::int64_t DateSeconds(int nYear, int nMonth, int nDay)
{
    struct tm t = {};
    // Out-of-range words from a record narrow modulo 2^32 (defined in C++20) and then
    // normalise; nothing here overflows.
    t.tm_year = int(std::int64_t(nYear) - 1900);
    t.tm_mon = int(std::int64_t(nMonth) - 1);
    t.tm_mday = nDay;
    return MakeTimeUtc(&t);
}

bool InSpan(std::int64_t nNow, std::int64_t nOn, std::int64_t nOff)
{
    if (nOn == nOff)
        return false;
    if (nOn < nOff)
        return nOn <= nNow && nNow < nOff;
    return nNow >= nOn || nNow < nOff;
}

} // namespace

bool CBlockWT::HasPulseOutput() const
{
    return IsNewGeneration() && BYTE(m_nParam[WT_PULSE_PARAM]) != 0;
}

BOOL CBlockWT::Simulate(const CSimContext* pSim)
{
    const ClockNow now = ReadClock(pSim);
    const std::int64_t nNow = now.t.tm_wday * kMinutesPerDay + now.t.tm_hour * 60 + now.t.tm_min;
    const bool bPulse = HasPulseOutput();
    std::optional<CamEvent> passed;  // latest at or before now
    std::optional<CamEvent> ahead;   // latest after now: the previous week's
    auto consider = [&](const CamEvent& event) {
        std::optional<CamEvent>& best = event.nMinute <= nNow ? passed : ahead;
        if (!best || *best < event)
            best = event;
    };
    for (int nCam = 0; nCam < TIMER_CAM_COUNT; ++nCam) {
        const bool bOffUsed = !m_bOffDisabled[nCam] && !bPulse;
        if (m_bOnDisabled[nCam] && !bOffUsed)
            continue;
        const std::int64_t nOn = std::int64_t(m_nOnTime[nCam][0]) * 60 + m_nOnTime[nCam][1];
        const std::int64_t nOff = std::int64_t(m_nOffTime[nCam][0]) * 60 + m_nOffTime[nCam][1];
        for (int nDay = 0; nDay < 7; ++nDay) {
            if (!m_bDay[nCam][nDay])
                continue;
            if (!m_bOnDisabled[nCam])
                consider({nDay * kMinutesPerDay + nOn, nCam, 0});
            if (bOffUsed)
                consider({nDay * kMinutesPerDay + nOff, nCam, 1});
        }
    }
    const std::optional<CamEvent>& latest = passed ? passed : ahead;
    if (bPulse) {
        std::optional<std::int64_t> nOnAt;
        if (latest) {
            const std::int64_t nWeekStart = now.nSeconds - nNow * 60 - now.t.tm_sec;
            nOnAt = nWeekStart + latest->nMinute * 60 - (passed ? 0 : kSecondsPerWeek);
        }
        SetState(pSim, IsPulseDue(pSim, nOnAt, now.nSeconds) ? 1 : 0);
    } else {
        SetState(pSim, latest && !latest->bOff ? 1 : 0);
    }
    EndStep();
    return TRUE;
}

void CBlockYT::DrawValue(const CSimContext* pSim, CDC* pDC)
{
    FormatTime(pSim, m_strTimeText);
    // On one line the date runs far beyond the block, where the next block's drawing covers
    // its end ("December 9, 202"); month names hold no space.
    const int nSpace = m_strTimeText.Find(_T(' '));
    const CString lines[] = {m_strTimeText.Left(nSpace), m_strTimeText.Mid(nSpace + 1)};
    const std::span<const CString> shown = nSpace < 0 ? std::span<const CString>(&m_strTimeText, 1) : lines;
    DrawValueBox(pDC, *this, ValueBoxHalfWidths(pDC, *this, shown, 3), shown);
}

bool CBlockYT::HasPulseOutput() const
{
    return IsNewGeneration() && m_nParam[YT_PULSE_PARAM] != 0;
}

std::optional<std::int64_t> CBlockYT::LatestOnDate(const struct tm& now, std::int64_t nNow) const
{
    const int nYear = now.tm_year + 1900;
    const int nOnDay = m_nParam[YT_ON_DAY_PARAM];
    if (!m_nParam[YT_MONTHLY_PARAM]) {
        const std::int64_t nThisYear = DateSeconds(nYear, m_nParam[YT_ON_MONTH_PARAM], nOnDay);
        return nThisYear <= nNow ? nThisYear : DateSeconds(nYear - 1, m_nParam[YT_ON_MONTH_PARAM], nOnDay);
    }
    // As the monthly span compares days of the month, a month without the ON day has none.
    for (int nBack = 0; nBack < 12; ++nBack) {
        const int nMonth = now.tm_mon + 1 - nBack;
        const std::int64_t nOn = DateSeconds(nYear, nMonth, nOnDay);
        if (nOnDay >= 1 && nOn < DateSeconds(nYear, nMonth + 1, 1) && nOn <= nNow)
            return nOn;
    }
    return std::nullopt;
}

BOOL CBlockYT::Simulate(const CSimContext* pSim)
{
    const ClockNow now = ReadClock(pSim);
    bool bOn = false;
    if (HasPulseOutput()) {
        bOn = IsPulseDue(pSim, LatestOnDate(now.t, now.nSeconds), now.nSeconds);
    } else if (m_nParam[YT_MONTHLY_PARAM]) {
        bOn = InSpan(now.t.tm_mday, m_nParam[YT_ON_DAY_PARAM], m_nParamEx[YT_OFF_DAY_PARAMEX]);
    } else {
        const int nYear = now.t.tm_year + 1900;
        bOn = InSpan(now.nSeconds,
                     DateSeconds(nYear, m_nParam[YT_ON_MONTH_PARAM], m_nParam[YT_ON_DAY_PARAM]),
                     DateSeconds(nYear, m_nParamEx[YT_OFF_MONTH_PARAMEX],
                                 m_nParamEx[YT_OFF_DAY_PARAMEX]));
    }
    SetState(pSim, bOn ? 1 : 0);
    EndStep();
    return TRUE;
}
