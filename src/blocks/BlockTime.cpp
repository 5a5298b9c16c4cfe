#include "blocks/BlockTime.h"

#include "blocks/BlockStep.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "blocks/SimTime.h"
#include "blocks/ValueBox.h"
#include "platform/core/Archive.h"
#include "platform/core/Exception.h"
#include "platform/core/FieldRun.h"

#include <algorithm>
#include <iterator>

IMPLEMENT_SERIAL(CBlockTime, CBlockObj, VERSIONABLE_SCHEMA | 1)

namespace {

// A time-base word that names no row (set by a page or an upload rather than read from a
// checked record) is read as the finest base, as SplitTimeValue does, never past the tables.
const TimeBaseRow& BaseRow(int nBase)
{
    return g_TimeBaseTable[IsValidTimeBase(nBase) ? nBase : 2];
}

const TimeLimitRow& LimitRow(int nBase)
{
    return g_TimeLimitTable[IsValidTimeBase(nBase) ? nBase : 2];
}

// The words that make up the ON or OFF setpoint.
struct SetpointWords {
    int nHigh;
    int nLow;
    int nBase;     // time base of the parameter parts
    int nRef;      // block reference that replaces them
    int nRefBase;  // time base of the referenced value
};

SetpointWords WordsOf(const CBlockObj& block, BOOL bOn)
{
    if (bOn)
        return {block.m_nParam[TIMER_ON_HIGH_PARAM], block.m_nParam[TIMER_ON_LOW_PARAM],
                block.m_nParam[TIMER_ON_BASE_PARAM], 0, block.m_nParam[TIMER_ON_REF_UNIT_PARAM]};
    return {block.m_nParamEx[TIMER_OFF_HIGH_PARAMEX], block.m_nParamEx[TIMER_OFF_LOW_PARAMEX],
            block.m_nParamEx[TIMER_OFF_BASE_PARAMEX], 1, block.m_nParam[TIMER_OFF_REF_UNIT_PARAM]};
}

} // namespace

CBlockTime::CBlockTime()
{
    std::fill(std::begin(m_bOnDisabled), std::end(m_bOnDisabled), 1);
    std::fill(std::begin(m_bOffDisabled), std::end(m_bOffDisabled), 1);
}

CBlockTime::CBlockTime(int nType, int nInputs) : CBlockObj(nType, nInputs)
{
    m_nAux[BLOCK_VALUE_MAX_AUX] = 99;
    m_nSetpointChanged = -1;
    std::fill(std::begin(m_bOnDisabled), std::end(m_bOnDisabled), 1);
    std::fill(std::begin(m_bOffDisabled), std::end(m_bOffDisabled), 1);
}

void CBlockTime::Serialize(CArchive& ar)
{
    CBlockObj::Serialize(ar);
    SerializeCams(ar);
}

// Record order: the 21 day flags, the ON times, the ON-unset flags, the OFF times, the
// OFF-unset flags, each cam 0 first.
void CBlockTime::SerializeCams(CArchive& ar)
{
    if (ar.IsStoring()) {
        ar.WriteFields(m_bDay, m_nOnTime, m_bOnDisabled, m_nOffTime, m_bOffDisabled);
        return;
    }
    // The cams' 39 ints in one piece rather than one by one.
    ReadFields(ar, m_bDay, m_nOnTime, m_bOnDisabled, m_nOffTime, m_bOffDisabled);
}

int* CBlockTime::CamWord(int n)
{
    int* const parts[] = {&m_bDay[0][0], &m_nOnTime[0][0], m_bOnDisabled, &m_nOffTime[0][0], m_bOffDisabled};
    const int sizes[] = {TIMER_CAM_COUNT * 7, TIMER_CAM_COUNT * 2, TIMER_CAM_COUNT, TIMER_CAM_COUNT * 2, TIMER_CAM_COUNT};
    for (int i = 0; i < 5 && n >= 0; ++i) {
        if (n < sizes[i])
            return parts[i] + n;
        n -= sizes[i];
    }
    return nullptr;
}

void CBlockTime::CopyCamsTo(CBlockTime* pDst) const
{
    std::copy(&m_bDay[0][0], &m_bDay[0][0] + TIMER_CAM_COUNT * 7, &pDst->m_bDay[0][0]);
    std::copy(&m_nOnTime[0][0], &m_nOnTime[0][0] + TIMER_CAM_COUNT * 2, &pDst->m_nOnTime[0][0]);
    std::copy(std::begin(m_bOnDisabled), std::end(m_bOnDisabled), pDst->m_bOnDisabled);
    std::copy(&m_nOffTime[0][0], &m_nOffTime[0][0] + TIMER_CAM_COUNT * 2, &pDst->m_nOffTime[0][0]);
    std::copy(std::begin(m_bOffDisabled), std::end(m_bOffDisabled), pDst->m_bOffDisabled);
}

double CBlockTime::PartsToMs(int nHigh, int nLow, int nBase)
{
    const TimeBaseRow& row = BaseRow(nBase);
    // In double: parts from a record or an upload may be any int.
    return (double(row.nModulus) * nHigh + nLow) * row.nMsPerUnit;
}

double CBlockTime::ReferencedMs(int nRef, int nBase, BOOL bLowerLimit) const
{
    double dValue = 0.0;
    if (nRef < 0 || nRef >= BLOCK_REF_COUNT || !m_pRefBlock[nRef])
        return dValue;
    // GetValueAsDouble does not use the block it is called on.
    CBlockObj* pSource = m_pRefBlock[nRef];
    pSource->GetValueAsDouble(pSource, &dValue);
    const TimeLimitRow& row = LimitRow(nBase);
    dValue = std::min(dValue, double(row.nMaximum));
    if (bLowerLimit)
        dValue = std::max(dValue, 0.0);
    return dValue * row.nMultiplier;
}

double CBlockTime::GetSetpointMs(BOOL bOn, BOOL bLowerLimit) const
{
    const SetpointWords words = WordsOf(*this, bOn);
    if (m_pRefBlock[words.nRef])
        return ReferencedMs(words.nRef, words.nRefBase, bLowerLimit);
    return PartsToMs(words.nHigh, words.nLow, words.nBase);
}

int CBlockTime::GetTimeBase(BOOL bOn) const
{
    const SetpointWords words = WordsOf(*this, bOn);
    return m_pRefBlock[words.nRef] ? words.nRefBase : words.nBase;
}

double CBlockTime::ClockMs(const CSimContext* pSim)
{
    return pSim ? double(SystemTimeToMs(&pSim->stScan)) : 0.0;
}

double CBlockTime::TimeSinceStamp(const CSimContext* pSim) const
{
    const double dNow = IsPaused() ? double(SystemTimeToMs(&m_stPause)) : ClockMs(pSim);
    return dNow - double(SystemTimeToMs(&m_stStart));
}

// The stamp is the scan's clock, the moment every running time of this scan is
// measured against, so that an interval started in a scan measures 0 in that scan.
void CBlockTime::StampInterval(const CSimContext* pSim)
{
    if (pSim)
        m_stStart = pSim->stScan;
    m_bRestartStamp = 1;
}

void CBlockTime::StartInterval(const CSimContext* pSim)
{
    m_dRunTime = 0.0;
    m_dCarried = 0.0;
    StampInterval(pSim);
}

void CBlockTime::SetState(const CSimContext* pSim, int nState)
{
    int& nOutput = m_nPinValue[BLOCK_FIRST_OUTPUT];
    if (nOutput != nState && pSim && InLadderDocument(*this))
        m_bPinChanged[BLOCK_FIRST_OUTPUT] = 1;
    nOutput = nState;
}

void CBlockTime::EndStep()
{
    if (!m_bPinChanged[BLOCK_FIRST_OUTPUT])
        return;
    UpdateLadderContacts();
    m_bPinChanged[BLOCK_FIRST_OUTPUT] = 0;
}

// A measurement on the running clock also takes the stamp over from the view, as
// IsTimeElapsed does: it ends the re-stamping that starting an interval asked for. Without
// that the stamp would follow the clock for ever and no interval could end.
BOOL CBlockTime::MeasureRunTime(const CSimContext* pSim, double dCarried)
{
    if (IsPaused())
        return FALSE;
    if ((pSim && pSim->ClockDrivesRunTime())) {
        m_bRestartStamp = 0;
        m_dRunTime = ClockMs(pSim) - double(SystemTimeToMs(&m_stStart)) + dCarried;
    }
    return TRUE;
}

BOOL CBlockTime::IsTimeUp(const CSimContext* pSim, BOOL bOn)
{
    if (!MeasureRunTime(pSim, m_dCarried))
        return FALSE;
    const double dSetpoint = GetSetpointMs(bOn);
    BOOL bUp = FALSE;
    if (dSetpoint < m_dRunTime) {
        m_dRunTime = dSetpoint;
        bUp = TRUE;
    }
    m_dRemaining = dSetpoint - m_dRunTime;
    return bUp;
}

BOOL CBlockTime::UpdateSetpoint(BOOL bOn)
{
    const SetpointWords words = WordsOf(*this, bOn);
    if (!m_pRefBlock[words.nRef]) {
        if (m_nCacheTimeBase == words.nBase && m_nCacheHigh == words.nHigh &&
            m_nCacheLow == words.nLow)
            return FALSE;
        m_nCacheTimeBase = words.nBase;
        m_nCacheHigh = words.nHigh;
        m_nCacheLow = words.nLow;
        m_dCacheSetpoint = PartsToMs(words.nHigh, words.nLow, words.nBase);
    } else {
        const double dMs = ReferencedMs(words.nRef, words.nRefBase, TRUE);
        if (dMs == m_dCacheSetpoint && words.nRefBase == m_nCacheTimeBase)
            return FALSE;
        m_dCacheSetpoint = dMs;
        m_nCacheTimeBase = words.nRefBase;
        SplitTimeValue(dMs, words.nRefBase, &m_nCacheHigh, &m_nCacheLow);
    }
    m_dRunTime = m_dCacheSetpoint;
    m_dRemaining = 0.0;
    return TRUE;
}

void CBlockTime::AdvanceByCycle()
{
    const bool bSecondCounts = m_nType != BT_RPR && m_nType != BT_RG;
    if (m_bTiming || (bSecondCounts && m_nWork[0]))
        m_dRunTime += TIMER_CYCLE_MS;
}

void CBlockTime::DrawSim(const CSimContext* pSim, CDC* pDC)
{
    CBlockObj::DrawSim(pSim, pDC);
    if (m_nType != BT_WT)
        DrawValue(pSim, pDC);
}

void CBlockTime::DrawValue(const CSimContext* pSim, CDC* pDC)
{
    FormatTime(pSim, m_strTimeText);
    DrawValueBox(pDC, *this, 3, {&m_strTimeText, 1});
}

void CBlockTime::ForgetSetpoint()
{
    m_nCacheHigh = 0;
    m_nCacheLow = 0;
    m_nCacheTimeBase = 0;
    m_dCacheSetpoint = 0.0;
}

void CBlockTime::ResetForRun(const SYSTEMTIME& stNow)
{
    RestartTiming(stNow);
    // A new run shows the setpoint as the first run after a load does.
    ForgetSetpoint();
    m_dCarried = 0.0;
    m_bTiming = 0;
    std::fill(std::begin(m_nWork), std::end(m_nWork), 0);
    ForgetClock();
}

BOOL CBlockTime::IsPulseDue(const CSimContext* pSim, std::optional<std::int64_t> nOnAt, std::int64_t nNow)
{
    const std::optional<std::int64_t> nSeen = pSim && pSim->bClockSet ? std::nullopt : m_nClockSeen;
    m_nClockSeen = nNow;
    return nSeen && nOnAt && *nSeen < *nOnAt && *nOnAt <= nNow;
}
