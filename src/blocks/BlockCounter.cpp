#include "blocks/BlockCounter.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockSetup.h"
#include "blocks/BlockStep.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWordValue.h"
#include "blocks/SimContext.h"
#include "blocks/SimTime.h"
#include "blocks/ValueBox.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdint>

namespace {

// Role codes 58 and 59 are kept and sent with the program as written.
constexpr std::array<BlockSetup, 3> kCounterSetups = {{
    {.nType = BT_COUNTER, .nInputs = 4, .wProgramBytes = 24, .nPinSlots = 6, .nCapFlags = 0x1F,
     .bLimits = true, .nLimitLow = 0, .nLimitHigh = 999999,
     .links = {{{3, LINK_PARAM}, {4, 59}, {5, LINK_END}}}},
    // Retentive, OT and MI in hours:minutes, the output falls while En is 0.
    {.nType = BT_HCOUNTER, .nInputs = 4, .wProgramBytes = 24, .nPinSlots = 7, .nCapFlags = 0x1E,
     .bLimits = true, .nLimitLow = 0, .nLimitHigh = 1023,
     .links = {{{3, LINK_PARAM}, {4, 59}, {5, 58}, {6, LINK_END}}},
     .words = {{{BlockWord::Param, BLOCK_RETENTIVE_PARAM, 1},
                {BlockWord::Param, HCOUNTER_BASE_PARAM, 0},
                {BlockWord::ParamEx, HCOUNTER_RETAIN_OUTPUT_PARAMEX, 0}}}},
    // A gate of one second.
    {.nType = BT_THTRG, .nInputs = 2, .wProgramBytes = 16, .nPinSlots = 5, .nCapFlags = 0x1F,
     .bLimits = true, .nLimitLow = 0, .nLimitHigh = 9999,
     .links = {{{1, LINK_PARAM}, {2, 59}, {3, 58}, {4, LINK_END}}},
     .words = {{{BlockWord::ParamEx, THTRG_GATE_SECONDS_PARAMEX, 1}}}},
}};

constexpr int kMaxCount = 999999;
// The hours counter's referenced interval is held to 9999 hours.
constexpr double kMaxIntervalHours = 9999.0;
// The operating time stops at 99999 hours.
constexpr std::int64_t kOTLimitMinutes = 6000000;
constexpr int kOTCapMinutes = 5999940;
constexpr std::int64_t kMsPerMinute = 60000;

// Pins of the counters.
constexpr int kPinReset = 0;
constexpr int kPinCount = 1;
constexpr int kPinDirection = 2;
constexpr int kPinEnable = 1;
constexpr int kPinResetAll = 2;
constexpr int kPinFrequency = 0;

// Operating time and gates advance while the Simulation bar runs or steps in any unit.
bool BarRunsOrSteps(const CSimContext* pSim)
{
    return pSim && (pSim->nRunState == SIM_RUN_RUNNING || pSim->nStepState == SIM_STEP_STEPPING);
}

std::int64_t ElapsedMs(const CSimContext& sim, const SYSTEMTIME& stFrom)
{
    return SystemTimeToMs(&sim.stScan) - SystemTimeToMs(&stFrom);
}

// A threshold, or the referenced value held to 0 .. 999999.
int Threshold(CBlockObj& block, int nRef, int nParam)
{
    return ParamOrClampedRef(block, nRef, nParam, 0, kMaxCount);
}

// Where a hysteresis switches: the counter turns on at count >= On and off at count < Off, the
// threshold trigger on at fa > On and off at fa <= Off.
enum class Hysteresis { Counter, Trigger };

// On < Off is a window: 1 for On <= value < Off. Otherwise a hysteresis that keeps the state
// between its two edges.
int CompareWithThresholds(int nValue, int nOn, int nOff, int nState, Hysteresis kind)
{
    if (nOn < nOff)
        return nOn <= nValue && nValue < nOff ? 1 : 0;
    const bool bTrigger = kind == Hysteresis::Trigger;
    const bool bOn = bTrigger ? nValue > nOn : nValue >= nOn;
    const bool bOff = bTrigger ? nValue <= nOff : nValue < nOff;
    if (bOn)
        return 1;
    if (bOff)
        return 0;
    return nState;
}

} // namespace

IMPLEMENT_TABLE_BLOCK(CBlockHCOUNTER, CBlockObj, kCounterSetups, BT_HCOUNTER)
IMPLEMENT_TABLE_BLOCK(CBlockTHTRG, CBlockObj, kCounterSetups, BT_THTRG)

IMPLEMENT_SERIAL(CBlockCOUNTER, CBlockObj, VERSIONABLE_SCHEMA | 1)

CBlockCOUNTER::CBlockCOUNTER()
{
    ApplyLoadDefaults(*this, FindBlockSetup(kCounterSetups, BT_COUNTER));
}

// A new counter starts at its start value.
CBlockCOUNTER::CBlockCOUNTER(int nType)
    : CBlockObj(nType, FindBlockSetup(kCounterSetups, BT_COUNTER).nInputs)
{
    ApplyBlockSetup(*this, FindBlockSetup(kCounterSetups, BT_COUNTER));
    m_dRunTime = m_nParam[COUNTER_START_PARAM];
}

void CBlockCOUNTER::ResetForRun(const SYSTEMTIME&) { m_dRunTime = m_nParam[COUNTER_START_PARAM]; }

BOOL CBlockCOUNTER::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    const bool bLadder = InLadderDocument(*this);
    const int nOn = Threshold(*this, 0, m_nParam[COUNTER_ON_PARAM]);
    const int nOff = Threshold(*this, 1, m_nParamEx[COUNTER_OFF_PARAMEX]);
    if (m_nPinValue[kPinReset] == 1) {
        m_dRunTime = std::clamp(m_nParam[COUNTER_START_PARAM], 0, kMaxCount);
        SetOutputState(*this, 0, bLadder);
    } else {
        if (IsRisingEdge(*this, kPinCount)) {
            const bool bDown = m_nPinValue[kPinDirection] == 1;
            m_bRefThreshold = m_pRefBlock[bDown ? 1 : 0] ? 1 : 0;
            if (!bDown && m_dRunTime < kMaxCount)
                m_dRunTime += 1.0;
            else if (bDown && m_dRunTime > 0)
                m_dRunTime -= 1.0;
        }
        const int nCount = TruncToInt(m_dRunTime);
        SetOutputState(*this,
                       CompareWithThresholds(nCount, nOn, nOff, m_nPinValue[BLOCK_FIRST_OUTPUT],
                                             Hysteresis::Counter),
                       bLadder);
    }
    m_bPinChanged[kPinCount] = 0;
    FinishOutputChange(*this);
    return TRUE;
}

void CBlockCOUNTER::DrawSim(const CSimContext* pSim, CDC* pDC)
{
    DrawSimShowingValue(*this, pSim, pDC, SimBodyColour::State);
}

void CBlockCOUNTER::DrawValue(const CSimContext*, CDC* pDC)
{
    CString strCount;
    strCount.Format(_T("%6ld"), TruncToInt(m_dRunTime));
    DrawValueBox(pDC, *this, 3, {&strCount, 1});
}

void CBlockHCOUNTER::ResetForRun(const SYSTEMTIME& stNow)
{
    const int nOT = m_nParamEx[HCOUNTER_OT_HOURS_PARAMEX] * 60 + m_nParamEx[HCOUNTER_OT_MINUTES_PARAMEX];
    m_nRunOTParam = nOT;
    m_nOTStart = nOT;
    m_nOTMinutes = nOT;
    m_nMNMinutes = m_nParam[HCOUNTER_MI_HOURS_PARAM] * 60 + m_nParam[HCOUNTER_MI_MINUTES_PARAM];
    // Nothing derived in an earlier run counts: the first scan derives the time to go afresh.
    m_nRefValue = 0;
    RestartTiming(stNow);
    m_stCountStart = stNow;
}

void CBlockHCOUNTER::ShiftStamps(std::int64_t nMs)
{
    CBlockObj::ShiftStamps(nMs);
    ShiftSystemTime(&m_stCountStart, nMs);
}

BOOL CBlockHCOUNTER::Simulate(const CSimContext* pSim)
{
    if (!pSim)
        return TRUE;
    ReadInputs(pSim);
    const bool bLadder = InLadderDocument(*this);
    const int nOldState = m_nPinValue[BLOCK_FIRST_OUTPUT];
    int& nState = m_nPinValue[BLOCK_FIRST_OUTPUT];

    // A change of the parameters re-derives the time to go.
    const int nInterval = DerivedInterval();
    if (nInterval != m_nRefValue) {
        m_nMNMinutes = nInterval;
        m_nRefValue = nInterval;
    }

    const bool bEnabled = m_nPinValue[kPinEnable] == 1;
    const bool bReset = m_nPinValue[kPinReset] == 1;
    if (m_nPinValue[kPinResetAll] == 1) {
        if (m_bPinChanged[kPinResetAll]) {
            nState = 0;
            m_nOTMinutes = 0;
            m_nOTStart = 0;
            m_nRunOTParam = 0;
        }
    } else if (bReset) {
        // R restores the time to go as well, so that a new maintenance interval starts.
        if (m_bPinChanged[kPinReset]) {
            nState = 0;
            m_nOTStart = m_nOTMinutes;
            m_nMNMinutes = nInterval;
        }
    } else {
        const bool bReleased = m_bPinChanged[kPinResetAll] || m_bPinChanged[kPinReset];
        if (bReleased && bEnabled) {
            m_stCountStart = pSim->stScan;
            m_bRestartStamp = 1;
        }
        if (!bEnabled) {
            if (m_nParamEx[HCOUNTER_RETAIN_OUTPUT_PARAMEX] == 0)
                nState = 0;
        } else {
            CountOperatingTime(pSim);
            nState = m_nMNMinutes == 0 ? 1 : 0;
        }
    }
    if (bLadder && nState != nOldState)
        m_bPinChanged[BLOCK_FIRST_OUTPUT] = 1;
    ClearInputChanges(*this);
    FinishOutputChange(*this);
    return TRUE;
}

// The time to go in minutes as the parameters give it: the interval less the part of it that the
// run's OT parameter has used, or the referenced interval in hours, held to 0 .. 9999 hours.
int CBlockHCOUNTER::DerivedInterval()
{
    double dHours = 0.0;
    if (GetReferencedValue(*this, 0, &dHours))
        return dHours > 0.0 ? int(std::min(dHours, kMaxIntervalHours) * 60.0) : 0;
    const std::int64_t nMI =
        std::int64_t(m_nParam[HCOUNTER_MI_HOURS_PARAM]) * 60 + m_nParam[HCOUNTER_MI_MINUTES_PARAM];
    if (nMI <= 0)
        return 0;
    const std::int64_t nDerived = nMI - ((m_nRunOTParam % nMI) + nMI) % nMI;
    return int(std::min<std::int64_t>(nDerived, INT_MAX));
}

// While En is 1: whole minutes run since the start of the counting period, beyond those already
// counted, move from MN to OT.
void CBlockHCOUNTER::CountOperatingTime(const CSimContext* pSim)
{
    if (m_bPinChanged[kPinEnable]) {
        m_stCountStart = pSim->stScan;
        m_nOTStart = m_nOTMinutes;
    }
    if (IsPaused() || !BarRunsOrSteps(pSim))
        return;
    const std::int64_t nCounted = std::int64_t(m_nOTMinutes) - m_nOTStart;
    const std::int64_t nRunning = ElapsedMs(*pSim, m_stCountStart) - nCounted * kMsPerMinute;
    if (nRunning < kMsPerMinute)
        return;
    const std::int64_t nMinutes = nRunning / kMsPerMinute;
    m_nMNMinutes = int(std::max<std::int64_t>(m_nMNMinutes - nMinutes, 0));
    const std::int64_t nOT = m_nOTMinutes + nMinutes;
    if (nOT >= kOTLimitMinutes) {
        m_nOTMinutes = kOTCapMinutes;
        m_nOTStart = kOTCapMinutes;
    } else {
        m_nOTMinutes = int(nOT);
    }
}

void CBlockHCOUNTER::DrawSim(const CSimContext* pSim, CDC* pDC)
{
    DrawSimShowingValue(*this, pSim, pDC, SimBodyColour::State);
}

void CBlockHCOUNTER::DrawValue(const CSimContext*, CDC* pDC)
{
    CString lines[3];
    FormatValueLines(lines);
    DrawValueBox(pDC, *this, 3, lines);
}

void CBlockHCOUNTER::FormatValueLines(CString lines[3]) const
{
    if (m_pRefBlock[0]) {
        CString strRef;
        strRef.Format(_T("B%dh"), m_pRefBlock[0]->m_nNumber - NUM_FUNCTION_BLOCK);
        lines[0].Format(_T("MI=%8s"), strRef);
    } else {
        lines[0].Format(_T("MI=%5ldh%2ldm"), m_nParam[HCOUNTER_MI_HOURS_PARAM],
                        m_nParam[HCOUNTER_MI_MINUTES_PARAM]);
    }
    lines[1].Format(_T("MN=%5ldh%2ldm"), m_nMNMinutes / 60, m_nMNMinutes % 60);
    lines[2].Format(_T("OT=%5ldh%2ldm"), m_nOTMinutes / 60, m_nOTMinutes % 60);
}

void CBlockTHTRG::ResetForRun(const SYSTEMTIME& stNow)
{
    m_nMeasured = 0;
    m_nPulseCount = 0;
    m_bGateRunning = 0;
    RestartTiming(stNow);
}

BOOL CBlockTHTRG::Simulate(const CSimContext* pSim)
{
    if (!pSim)
        return TRUE;
    ReadInputs(pSim);
    const bool bLadder = InLadderDocument(*this);
    if (IsRisingEdge(*this, kPinFrequency))
        ++m_nPulseCount;
    if (!m_bGateRunning || IsTimeUp(pSim, TRUE)) {
        if (m_bGateRunning)
            CountFrequencyInput(pSim);
        m_nMeasured = m_nPulseCount;
        SetOutputState(*this,
                       CompareWithThresholds(m_nMeasured, m_nParam[THTRG_ON_PARAM],
                                             m_nParam[THTRG_OFF_PARAM],
                                             m_nPinValue[BLOCK_FIRST_OUTPUT], Hysteresis::Trigger),
                       bLadder);
        m_nPulseCount = 0;
        m_stStart = pSim->stScan;
        m_bRestartStamp = 1;
        m_bGateRunning = 1;
    }
    ClearInputChanges(*this);
    FinishOutputChange(*this);
    return TRUE;
}

// An input in Frequency mode stands for a pulse train of its simulated value in Hz: the gate
// counts value x gate time pulses.
void CBlockTHTRG::CountFrequencyInput(const CSimContext*)
{
    const IBlockDocument* pDoc = GetDocument();
    const CBlockObj* pSource =
        pDoc ? pDoc->FindBlockByNumber(m_nPinSource[kPinFrequency]) : nullptr;
    const auto* pInput = dynamic_cast<const CBlockIn*>(pSource);
    if (pInput && pInput->m_nParamEx[INPUT_SIM_MODE_PARAMEX] == SIM_INPUT_FREQUENCY)
        m_nPulseCount = TruncToInt(pInput->m_nAux[INPUT_SIM_VALUE_AUX] * GateTimeMs() * 0.001);
}

double CBlockTHTRG::GateTimeMs()
{
    double dRef = 0.0;
    if (GetReferencedValue(*this, 0, &dRef))
        return dRef < 0.0 || std::isnan(dRef) ? 0.0 : dRef;
    return (100.0 * m_nParamEx[THTRG_GATE_SECONDS_PARAMEX] +
            m_nParamEx[THTRG_GATE_HUNDREDTHS_PARAMEX]) *
           10.0;
}

// The re-stamp flag is taken back once the gate is measured, as the timers' running time does;
// otherwise the view would re-stamp the gate in every scan and it would never end.
BOOL CBlockTHTRG::IsTimeUp(const CSimContext* pSim, BOOL)
{
    if (IsPaused())
        return FALSE;
    if (BarRunsOrSteps(pSim)) {
        m_bRestartStamp = 0;
        m_dRunTime = double(ElapsedMs(*pSim, m_stStart));
    }
    const double dGate = GateTimeMs();
    if (dGate <= m_dRunTime) {
        m_dRunTime = std::trunc(dGate);
        return TRUE;
    }
    return FALSE;
}

void CBlockTHTRG::DrawSim(const CSimContext* pSim, CDC* pDC)
{
    DrawSimShowingValue(*this, pSim, pDC, SimBodyColour::State);
}

void CBlockTHTRG::DrawValue(const CSimContext*, CDC* pDC)
{
    const int nHundredths = TruncToInt(m_dRunTime) / 10;
    CString lines[2];
    lines[0].Format(_T("%6ld"), m_nMeasured);
    lines[1].Format(_T("%02d:%02d%s"), nHundredths / 100, nHundredths % 100, _T("s"));
    DrawValueBox(pDC, *this, 3, lines);
}
