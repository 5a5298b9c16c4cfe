#include "blocks/SendableValues.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <iterator>

namespace {

constexpr long long kWordMax = 0xFFFF;
// A time word keeps its value in bits 0-13, the PI controller's TI in bits 0-14.
constexpr long long kTimeWordMax = 0x3FFF;
constexpr long long kPiTimeMax = 0x7FFF;
// A cam's switching time in minutes; 0xFFFF marks a time that is not set.
constexpr long long kCamTimeMax = 0xFFFE;
// The time bases of a timer: 0 hours:minutes, 1 minutes:seconds, 2 seconds:hundredths.
constexpr int kSecondsHundredths = 2;
// Times 1-4 of a timer; a record with more parameter pins writes its last time again.
constexpr int kTimerTimes = 4;

bool IsSendableScaled(double dValue, double dLeast, double dMost)
{
    if (!std::isfinite(dValue))
        return false;
    const double dScaled = SentHundredths(dValue);
    return dScaled >= dLeast && dScaled <= dMost;
}

bool RefUsed(const CBlockObj& block, int k) { return block.m_nParam[BLOCK_REF_USED_PARAM + k] != 0; }

int PerUnit(int nBase) { return nBase >= kSecondsHundredths ? 100 : 60; }

// A time as a timer's page takes it: hours:minutes, minutes:seconds or seconds:hundredths
// (base 0, 1, 2), each part of two digits and the smaller one below its unit. Every such time
// fits the time word.
bool IsPageTime(int nHigh, int nLow, int nBase)
{
    constexpr int kMostHigh = 99;
    return nBase >= 0 && nBase <= kSecondsHundredths && nHigh >= 0 && nHigh <= kMostHigh && nLow >= 0 &&
           nLow < PerUnit(nBase);
}

// Time 1 (on), 2 (off), 3 and 4 (the pre-warning time and length of the switches, which are
// counted in the base of the off time but never cut when it changes), as the timer's record
// writes them. The page keeps the constant within its limits (0:00) while a block reference
// gives the time, and a reference dropped when its block is missing (a paste, a load) puts the
// constant back in use, so it is checked either way.
bool IsSendableTimerTime(const CBlockObj& b, int nTime)
{
    switch (nTime) {
    case 1:
        return IsPageTime(b.m_nParam[TIMER_ON_HIGH_PARAM], b.m_nParam[TIMER_ON_LOW_PARAM],
                          b.m_nParam[TIMER_ON_BASE_PARAM]);
    case 2:
        return IsPageTime(b.m_nParamEx[TIMER_OFF_HIGH_PARAMEX], b.m_nParamEx[TIMER_OFF_LOW_PARAMEX],
                          b.m_nParamEx[TIMER_OFF_BASE_PARAMEX]);
    case 3:
        return IsPageTime(b.m_nParamEx[STAIRCASE_WARN_TIME_HIGH_PARAMEX],
                          b.m_nParamEx[STAIRCASE_WARN_TIME_LOW_PARAMEX], kSecondsHundredths);
    default:
        return IsPageTime(b.m_nParamEx[STAIRCASE_WARN_LENGTH_HIGH_PARAMEX],
                          b.m_nParamEx[STAIRCASE_WARN_LENGTH_LOW_PARAMEX], kSecondsHundredths);
    }
}

// The times the record writes, one per parameter pin in order, the stairway switch's from its
// off time on.
bool HasSendableTimes(const CBlockObj& b)
{
    const int nParams = int(std::count(std::begin(b.m_nPinSource), std::end(b.m_nPinSource), LINK_PARAM));
    const int nFirst = b.IsKindOf(RUNTIME_CLASS(CBlockSLS)) ? 2 : 1;
    for (int nTime = nFirst; nTime < nFirst + nParams && nTime <= kTimerTimes; ++nTime) {
        if (!IsSendableTimerTime(b, nTime))
            return false;
    }
    return true;
}

bool HasSendableCams(const CBlockTime& wt)
{
    for (int nCam = 0; nCam < TIMER_CAM_COUNT; ++nCam) {
        if (!wt.m_bOnDisabled[nCam] && !IsSendableTime(wt.m_nOnTime[nCam][0], wt.m_nOnTime[nCam][1], 60, kCamTimeMax))
            return false;
        if (!wt.m_bOffDisabled[nCam] &&
            !IsSendableTime(wt.m_nOffTime[nCam][0], wt.m_nOffTime[nCam][1], 60, kCamTimeMax))
            return false;
    }
    return true;
}

// The hours counter's times go as minutes in a 32-bit field, which an uploaded image can fill
// with any value, a negative one too; the encoder counts them in ints.
bool IsIntMinutes(long long nHours, long long nMinutes)
{
    const auto isInt = [](long long n) { return n >= INT_MIN && n <= INT_MAX; };
    return isInt(nHours * 60) && isInt(nHours * 60 + nMinutes);
}

bool HasSendableHours(const CBlockObj& b)
{
    const int* P = b.m_nParam;
    const int* X = b.m_nParamEx;
    return IsIntMinutes(X[HCOUNTER_OT_HOURS_PARAMEX], X[HCOUNTER_OT_MINUTES_PARAMEX]) &&
           (RefUsed(b, 0) || IsIntMinutes(P[HCOUNTER_MI_HOURS_PARAM], P[HCOUNTER_MI_MINUTES_PARAM]));
}

} // namespace

double SentHundredths(double dValue)
{
    if (!std::isfinite(dValue))
        return 0.0;
    // Far below the hundredth, far above the error of a two-decimal value times 100 (at most a
    // few units in the last place of numbers up to 2^31).
    constexpr double kEpsilon = 1e-6;
    const double dScaled = dValue * 100.0;
    const double dNearest = std::round(dScaled);
    return std::abs(dScaled - dNearest) < kEpsilon ? dNearest : std::trunc(dScaled);
}

bool IsSendableAqFixedValue(double dValue) { return IsSendableScaled(dValue, 0.0, double(kWordMax)); }

bool IsSendableHundredths(double dValue) { return IsSendableScaled(dValue, -32768.0, 32767.0); }

bool IsSendableTime(long long nHigh, long long nLow, int nPerUnit, long long nMost)
{
    // Both parts are ints, so neither the product nor the sum can overflow here.
    return nHigh >= 0 && nLow >= 0 && nHigh * nPerUnit + nLow <= nMost;
}

bool HasSendableValues(const CBlockObj& block)
{
    const ImageRecord* pRecord = FindImageRecord(block.m_nType);
    if (!pRecord)
        return true;
    const auto* pAnalog = block.IsKindOf(RUNTIME_CLASS(CBlockAnalog)) ? static_cast<const CBlockAnalog*>(&block) : nullptr;
    if (pAnalog && !IsSendableHundredths(pAnalog->m_dGain))
        return false;
    switch (pRecord->family) {
    case ImageFamily::Timer:
        return HasSendableTimes(block);
    case ImageFamily::Pwm:
        return IsSendableTimerTime(block, 1);
    case ImageFamily::WeeklyTimer:
        return !block.IsKindOf(RUNTIME_CLASS(CBlockTime)) || HasSendableCams(static_cast<const CBlockTime&>(block));
    case ImageFamily::HoursCounter:
        return HasSendableHours(block);
    case ImageFamily::ThresholdTrigger:
        // The gate time in hundredths, whether or not a reference stands for it.
        return IsSendableTime(block.m_nParamEx[THTRG_GATE_SECONDS_PARAMEX],
                              block.m_nParamEx[THTRG_GATE_HUNDREDTHS_PARAMEX], 100, kTimeWordMax);
    case ImageFamily::PiController:
        return !pAnalog || (IsSendableHundredths(pAnalog->m_dPiKC) &&
                            IsSendableTime(pAnalog->m_nPiTIMinutes, pAnalog->m_nPiTISeconds, 60, kPiTimeMax));
    default:
        return true;
    }
}
