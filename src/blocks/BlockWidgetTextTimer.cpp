// Message-text element texts of the delay timers, generators and switches, the stopwatch's times
// and the PWM block's period: their setpoints and their running and remaining times. A time is
// two fields "%02d:%02d" in a time base; the editor names the base in words, the LCD with its
// unit letter. A setpoint taken from another block shows that block's number
// on the LCD and its value, split in the reference's unit, in the editor.
#include "blocks/BlockWidgetText.h"

#include "blocks/BlockClock.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockTime.h"
#include "blocks/SimTime.h"

namespace {

LPCTSTR BaseLetter(int nBase)
{
    return nBase == 0 ? _T("h") : nBase == 1 ? _T("m") : _T("s");
}

// A value taken from a block is in minutes, seconds or milliseconds by its unit code.
LPCTSTR ReferencedUnitLetter(int nUnit)
{
    return nUnit == 0 ? _T("m") : nUnit == 1 ? _T("s") : _T("ms");
}

CString TimeFields(const WidgetTextRequest& req, int nHigh, int nLow, int nBase)
{
    if (req.bDisplay)
        return Formatted(_T("%02d:%02d%s"), nHigh, nLow, BaseLetter(nBase));
    return Formatted(_T("%02d:%02d %s"), nHigh, nLow, WidgetEditorBaseWord(nBase));
}

// A time setpoint: its two parameter fields and their base, and the block reference (with the
// unit of the referenced value) that may replace them.
struct TimeParam {
    int nHigh;
    int nLow;
    int nBase;
    int nRef;
    int nRefUnit;
};

TimeParam Time1(const CBlockObj& b)
{
    return {b.m_nParam[TIMER_ON_HIGH_PARAM], b.m_nParam[TIMER_ON_LOW_PARAM],
            b.m_nParam[TIMER_ON_BASE_PARAM], 0, b.m_nParam[TIMER_ON_REF_UNIT_PARAM]};
}

TimeParam Time2(const CBlockObj& b)
{
    return {b.m_nParamEx[TIMER_OFF_HIGH_PARAMEX], b.m_nParamEx[TIMER_OFF_LOW_PARAMEX],
            b.m_nParamEx[TIMER_OFF_BASE_PARAMEX], 1, b.m_nParam[TIMER_OFF_REF_UNIT_PARAM]};
}

// The warning times of the two staircase switches, read in the base of the OFF setpoint.
TimeParam Time3(const CBlockObj& b)
{
    return {b.m_nParamEx[STAIRCASE_WARN_TIME_HIGH_PARAMEX],
            b.m_nParamEx[STAIRCASE_WARN_TIME_LOW_PARAMEX], b.m_nParamEx[TIMER_OFF_BASE_PARAMEX], 2,
            b.m_nParam[TIMER_OFF_REF_UNIT_PARAM]};
}

TimeParam Time4(const CBlockObj& b)
{
    return {b.m_nParamEx[STAIRCASE_WARN_LENGTH_HIGH_PARAMEX],
            b.m_nParamEx[STAIRCASE_WARN_LENGTH_LOW_PARAMEX], b.m_nParamEx[TIMER_OFF_BASE_PARAMEX],
            3, b.m_nParam[TIMER_OFF_REF_UNIT_PARAM]};
}

// The referenced value is held to the limit of its unit, as the timer itself reads it, and split
// by the modulus of the unit taken as a time base: a value of 1234 in unit 2 reads 12:34.
CString TimeParamText(const WidgetTextRequest& req, const TimeParam& time)
{
    const CBlockObj* pRef = req.block.m_pRefBlock[time.nRef];
    if (!pRef)
        return TimeFields(req, time.nHigh, time.nLow, time.nBase);
    if (req.bDisplay)
        return WidgetBlockNumber(*pRef) + ReferencedUnitLetter(time.nRefUnit);
    const int nUnit = IsValidTimeBase(time.nRefUnit) ? time.nRefUnit : 2;
    const int nValue = WidgetParamValue(req, time.nRef, 0, 0, g_TimeLimitTable[nUnit].nMaximum);
    const int nModulus = g_TimeBaseTable[nUnit].nModulus;
    return TimeFields(req, nValue / nModulus, nValue % nModulus, nUnit);
}

// The base of the ON (time 1) or OFF (time 2) setpoint: the reference's unit while a block
// supplies it.
int OnBase(const WidgetTextRequest& req)
{
    const CBlockObj& b = req.block;
    return b.m_pRefBlock[0] ? b.m_nParam[TIMER_ON_REF_UNIT_PARAM] : b.m_nParam[TIMER_ON_BASE_PARAM];
}

int OffBase(const WidgetTextRequest& req)
{
    const CBlockObj& b = req.block;
    return b.m_pRefBlock[1] ? b.m_nParam[TIMER_OFF_REF_UNIT_PARAM]
                            : b.m_nParamEx[TIMER_OFF_BASE_PARAMEX];
}

CString MsText(const WidgetTextRequest& req, double dMs, int nBase)
{
    int nHigh = 0;
    int nLow = 0;
    if (dMs != 0.0)
        SplitTimeValue(dMs, nBase, &nHigh, &nLow);
    return TimeFields(req, nHigh, nLow, nBase);
}

CString RunTimeText(const WidgetTextRequest& req, int nBase)
{
    return MsText(req, req.block.m_dRunTime, nBase);
}

// The time still to go exists only while the timer times an interval in a simulation; a
// stopped timer shows 00:00. bWorkTimes: a set m_nWork[0] means it still times too (not for the
// wiping relay with pulse output, which keeps its phase there).
CString RemainingText(const WidgetTextRequest& req, int nBase, bool bWorkTimes)
{
    const auto* pTimer = dynamic_cast<const CBlockTime*>(&req.block);
    bool bRuns = false;
    if (pTimer && req.bSimulating && pTimer->m_dRunTime != 0.0)
        bRuns = pTimer->m_bTiming || (bWorkTimes && pTimer->m_nWork[0]);
    return MsText(req, bRuns ? req.block.m_dRemaining : 0.0, nBase);
}

// The timers whose running time belongs to the ON or the OFF setpoint by their phase: the
// On-/Off-Delay is in its OFF phase while it times the OFF delay or has done it (bBothWords:
// either of m_nWork[0] and m_nWork[1] is set); the wiping relay with pulse output, the pulse and
// the random generator keep their phase in m_nWork[0].
bool InOffPhase(const WidgetTextRequest& req, bool bBothWords)
{
    const auto* pTimer = dynamic_cast<const CBlockTime*>(&req.block);
    if (!pTimer)
        return false;
    return pTimer->m_nWork[0] != 0 || (bBothWords && pTimer->m_nWork[1] != 0);
}

int PhaseBase(const WidgetTextRequest& req, bool bBothWords)
{
    return InOffPhase(req, bBothWords) ? OffBase(req) : OnBase(req);
}

int SwitchPhase(const WidgetTextRequest& req)
{
    const auto* pSwitch = dynamic_cast<const CBlockMFS*>(&req.block);
    return pSwitch ? pSwitch->m_nPhase : MFS_OFF;
}

// The random generator's drawn ON or OFF delay, by its phase, in the base of that setpoint.
CString RandomDelayText(const WidgetTextRequest& req)
{
    const auto* pRandom = dynamic_cast<const CBlockRG*>(&req.block);
    if (!pRandom)
        return CString();
    const bool bOff = InOffPhase(req, false);
    const int nSec = bOff ? pRandom->m_nOffDelaySec : pRandom->m_nOnDelaySec;
    const int nHund = bOff ? pRandom->m_nOffDelayHund : pRandom->m_nOnDelayHund;
    return MsText(req, (100.0 * nSec + nHund) * 10.0, bOff ? OffBase(req) : OnBase(req));
}

CString T1(const WidgetTextRequest& r) { return TimeParamText(r, Time1(r.block)); }
CString T2(const WidgetTextRequest& r) { return TimeParamText(r, Time2(r.block)); }
CString T3(const WidgetTextRequest& r) { return TimeParamText(r, Time3(r.block)); }
CString T4(const WidgetTextRequest& r) { return TimeParamText(r, Time4(r.block)); }
CString RunOn(const WidgetTextRequest& r) { return RunTimeText(r, OnBase(r)); }
CString RunOff(const WidgetTextRequest& r) { return RunTimeText(r, OffBase(r)); }
CString LeftOn(const WidgetTextRequest& r) { return RemainingText(r, OnBase(r), true); }
CString LeftOff(const WidgetTextRequest& r) { return RemainingText(r, OffBase(r), true); }

template <bool bBothWords>
CString RunPhase(const WidgetTextRequest& r)
{
    return RunTimeText(r, PhaseBase(r, bBothWords));
}

template <bool bBothWords, bool bWorkTimes>
CString LeftPhase(const WidgetTextRequest& r)
{
    return RemainingText(r, PhaseBase(r, bBothWords), bWorkTimes);
}

// The multiple function switch times the staircase (phases 0, 2, 4) in the OFF base and the
// press and permanent light (1, 3) in the ON base; its time to go is in the ON base in phases
// 0, 1 and 3.
CString SwitchRun(const WidgetTextRequest& r)
{
    return RunTimeText(r, SwitchPhase(r) % 2 == 0 ? OffBase(r) : OnBase(r));
}

// The stopwatch's current, lap and output times: no operation measures them, so its running
// time stays as the simulation left it, shown in the stopwatch's own base.
CString StopwatchTime(const WidgetTextRequest& r)
{
    return RunTimeText(r, r.block.m_nParam[SW_BASE_PARAM]);
}

CString SwitchLeft(const WidgetTextRequest& r)
{
    const int nPhase = SwitchPhase(r);
    const bool bOn = nPhase == MFS_OFF || nPhase == MFS_PRESSED || nPhase == MFS_PERMANENT;
    return RemainingText(r, bOn ? OnBase(r) : OffBase(r), true);
}

// The on-delay, the off-delay and the wiping relay.
constexpr WidgetTextRow kDelay[] = {
    {0, RunOn},
    {4, T1},
    {5, T1},
    {50, LeftOn},
};

constexpr WidgetTextRow kOnOffDelay[] = {
    {0, RunPhase<true>},
    {50, LeftPhase<true, true>},
    {6, T1},
    {7, T2},
};

constexpr WidgetTextRow kClockPulse[] = {
    {0, RunOn},
    {50, LeftOn},
    {7, T1},
};

constexpr WidgetTextRow kPulseRelay[] = {
    {0, RunPhase<false>},
    {50, LeftPhase<false, false>},
    {39, T2},
    {40, T1},
};

constexpr WidgetTextRow kPulseGenerator[] = {
    {0, RunPhase<false>},
    {50, LeftPhase<false, true>},
    {39, T2},
    {40, T1},
};

constexpr WidgetTextRow kRandom[] = {
    {10, T1},
    {11, T2},
    {50, RandomDelayText},
};

constexpr WidgetTextRow kStairway[] = {
    {0, RunOff},
    {5, T2},
    {12, T3},
    {13, T4},
    {50, LeftOff},
};

constexpr WidgetTextRow kMultipleFunction[] = {
    {0, SwitchRun},
    {14, T1},
    {41, T2},
    {12, T3},
    {13, T4},
    {50, SwitchLeft},
};

}  // namespace

CString WidgetStopwatchTime(const WidgetTextRequest& req)
{
    return StopwatchTime(req);
}

// The PWM block's period is a time setpoint like a timer's ON time.
CString WidgetOnTimeSetpoint(const WidgetTextRequest& req)
{
    return T1(req);
}

std::span<const WidgetTextRow> DelayWidgetTexts() { return kDelay; }
std::span<const WidgetTextRow> OnOffDelayWidgetTexts() { return kOnOffDelay; }
std::span<const WidgetTextRow> ClockPulseWidgetTexts() { return kClockPulse; }
std::span<const WidgetTextRow> PulseRelayWidgetTexts() { return kPulseRelay; }
std::span<const WidgetTextRow> PulseGeneratorWidgetTexts() { return kPulseGenerator; }
std::span<const WidgetTextRow> RandomWidgetTexts() { return kRandom; }
std::span<const WidgetTextRow> StairwayWidgetTexts() { return kStairway; }
std::span<const WidgetTextRow> MultipleFunctionWidgetTexts() { return kMultipleFunction; }
