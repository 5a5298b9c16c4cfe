// Message-text element texts of the counting blocks: the up/down counter, the hours counter and
// the threshold trigger.
#include "blocks/BlockWidgetText.h"

#include "blocks/BlockCounter.h"
#include "blocks/ValueBox.h"

#include <limits>

namespace {

// The counter's count never leaves 0 .. 999999; a referenced threshold is held to it too.
constexpr int kCountMax = 999999;
// A referenced maintenance interval in hours, as the hours counter holds it.
constexpr int kIntervalHoursMax = 9999;
// A referenced gate time has no upper limit of its own.
constexpr int kGateMsMax = std::numeric_limits<int>::max();

CString Count(const WidgetTextRequest& r) { return WidgetDecimal(TruncToInt(r.block.m_dRunTime)); }
CString OnThreshold(const WidgetTextRequest& r)
{
    return WidgetParamText(r, 0, r.block.m_nParam[COUNTER_ON_PARAM], 0, kCountMax, WidgetDecimal);
}

CString OffThreshold(const WidgetTextRequest& r)
{
    return WidgetParamText(r, 1, r.block.m_nParamEx[COUNTER_OFF_PARAMEX], 0, kCountMax,
                           WidgetDecimal);
}

CString StartValue(const WidgetTextRequest& r)
{
    return WidgetDecimal(r.block.m_nParam[COUNTER_START_PARAM]);
}

// The hours counter's own counts in minutes: MN the time to go, OT the total time.
struct HoursCounts {
    long long nToGo = 0;
    long long nTotal = 0;
};

HoursCounts CountsOf(const WidgetTextRequest& r)
{
    const auto* pCounter = dynamic_cast<const CBlockHCOUNTER*>(&r.block);
    return pCounter ? HoursCounts{pCounter->m_nMNMinutes, pCounter->m_nOTMinutes} : HoursCounts{};
}

CString HoursMinutes(const WidgetTextRequest& r, long long nHours, long long nMinutes)
{
    return Formatted(r.bDisplay ? _T("%dh:%dm") : _T("%d:%d Hours(h:m)"), nHours, nMinutes);
}

// A time to go that has begun an hour counts as that hour.
CString ToGoHours(const WidgetTextRequest& r)
{
    const long long n = CountsOf(r).nToGo;
    return Formatted(_T("%ld"), n >= 0 ? (n + 59) / 60 : n / 60);
}

CString TotalHours(const WidgetTextRequest& r)
{
    return Formatted(_T("%ld"), CountsOf(r).nTotal / 60);
}

CString MinutesAsHM(const WidgetTextRequest& r, long long nMinutes)
{
    return HoursMinutes(r, nMinutes / 60, nMinutes % 60);
}

CString ToGoHM(const WidgetTextRequest& r) { return MinutesAsHM(r, CountsOf(r).nToGo); }
CString TotalHM(const WidgetTextRequest& r) { return MinutesAsHM(r, CountsOf(r).nTotal); }

CString IntervalHours(const WidgetTextRequest& r)
{
    return WidgetParamText(r, 0, r.block.m_nParam[HCOUNTER_MI_HOURS_PARAM], 0, kIntervalHoursMax,
                           WidgetDecimal);
}

// A referenced interval is a number of hours.
CString IntervalHM(const WidgetTextRequest& r)
{
    const CBlockObj& b = r.block;
    if (!b.m_pRefBlock[0])
        return HoursMinutes(r, b.m_nParam[HCOUNTER_MI_HOURS_PARAM],
                            b.m_nParam[HCOUNTER_MI_MINUTES_PARAM]);
    if (r.bDisplay)
        return WidgetBlockNumber(*b.m_pRefBlock[0]) + _T("h");
    return HoursMinutes(r, WidgetParamValue(r, 0, 0, 0, kIntervalHoursMax), 0);
}

CString Frequency(const WidgetTextRequest& r)
{
    const auto* pTrigger = dynamic_cast<const CBlockTHTRG*>(&r.block);
    return WidgetDecimal(pTrigger ? pTrigger->m_nMeasured : 0);
}

CString TriggerOn(const WidgetTextRequest& r)
{
    return WidgetDecimal(r.block.m_nParam[THTRG_ON_PARAM]);
}

CString TriggerOff(const WidgetTextRequest& r)
{
    return WidgetDecimal(r.block.m_nParam[THTRG_OFF_PARAM]);
}

// Seconds and hundredths; a gate time taken from a block is in milliseconds.
CString GateTime(const WidgetTextRequest& r)
{
    const CBlockObj& b = r.block;
    long long nSec = b.m_nParamEx[THTRG_GATE_SECONDS_PARAMEX];
    long long nHund = b.m_nParamEx[THTRG_GATE_HUNDREDTHS_PARAMEX];
    if (const CBlockObj* pRef = b.m_pRefBlock[0]) {
        if (r.bDisplay)
            return WidgetBlockNumber(*pRef) + _T("ms");
        const int nMs = WidgetParamValue(r, 0, 0, 0, kGateMsMax);
        nSec = nMs / 1000;
        nHund = nMs % 1000 / 10;
    }
    if (r.bDisplay)
        return Formatted(_T("%02d:%02dms"), nSec, nHund);
    return Formatted(_T("%02d:%02d %s"), nSec, nHund, WidgetEditorBaseWord(2));
}

constexpr WidgetTextRow kCounter[] = {
    {16, Count},
    {17, OnThreshold},
    {18, OffThreshold},
    {64, StartValue},
};

constexpr WidgetTextRow kHoursCounter[] = {
    {19, IntervalHours},
    {20, ToGoHours},
    {21, TotalHours},
    {65, IntervalHM},
    {66, ToGoHM},
    {67, TotalHM},
};

constexpr WidgetTextRow kThresholdTrigger[] = {
    {22, Frequency},
    {37, TriggerOn},
    {38, TriggerOff},
    {23, GateTime},
};

}  // namespace

std::span<const WidgetTextRow> CounterWidgetTexts() { return kCounter; }
std::span<const WidgetTextRow> HoursCounterWidgetTexts() { return kHoursCounter; }
std::span<const WidgetTextRow> ThresholdTriggerWidgetTexts() { return kThresholdTrigger; }
