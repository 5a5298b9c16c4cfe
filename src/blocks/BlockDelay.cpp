#include "blocks/BlockDelay.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"

namespace {

constexpr std::array<BlockSetup, 6> kDelaySetups = {{
    {.nType = BT_DPR, .nInputs = 2, .wProgramBytes = 8,
     .links = {{{1, LINK_PARAM}, {2, LINK_END}}}},
    {.nType = BT_DDR, .nInputs = 3, .wProgramBytes = 12,
     .links = {{{2, LINK_PARAM}, {3, LINK_END}, {4, LINK_END}}}},
    {.nType = BT_MPLR, .nInputs = 2, .wProgramBytes = 12,
     .links = {{{1, LINK_PARAM}, {2, LINK_PARAM}, {3, LINK_END}, {4, LINK_END}}}},
    {.nType = BT_PLR, .nInputs = 3, .wProgramBytes = 12,
     .links = {{{2, LINK_PARAM}, {3, LINK_END}, {4, LINK_END}}}},
    {.nType = BT_CPG, .nInputs = 2, .wProgramBytes = 8,
     .links = {{{1, LINK_PARAM}, {2, LINK_END}}}},
    {.nType = BT_RPR, .nInputs = 3, .wProgramBytes = 16,
     .links = {{{2, LINK_PARAM}, {3, LINK_PARAM}, {4, 58}, {5, LINK_END}, {6, LINK_END}}}},
}};

} // namespace

IMPLEMENT_TABLE_BLOCK(CBlockDPR, CBlockTime, kDelaySetups, BT_DPR)
IMPLEMENT_TABLE_BLOCK(CBlockDDR, CBlockTime, kDelaySetups, BT_DDR)
IMPLEMENT_TABLE_BLOCK(CBlockMPLR, CBlockTime, kDelaySetups, BT_MPLR)
IMPLEMENT_TABLE_BLOCK(CBlockPLR, CBlockTime, kDelaySetups, BT_PLR)
IMPLEMENT_TABLE_BLOCK(CBlockCPG, CBlockTime, kDelaySetups, BT_CPG)
IMPLEMENT_TABLE_BLOCK(CBlockRPR, CBlockTime, kDelaySetups, BT_RPR)

namespace {

constexpr int kTrg = 0;
constexpr int kReset = 1;

} // namespace

BOOL CBlockDPR::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    m_nSetpointChanged = -1;
    const int nTrg = m_nPinValue[kTrg];
    if (m_bPinChanged[kTrg]) {
        if (nTrg == 1) {
            m_bTiming = 1;
            StampInterval(pSim);
        } else {
            m_dRunTime = 0.0;
            m_dCarried = 0.0;
            m_bTiming = 0;
            SetState(pSim, 0);
        }
        m_bPinChanged[kTrg] = 0;
    }
    if (nTrg == 1) {
        if (GetState() == 1) {
            m_nSetpointChanged = UpdateSetpoint(TRUE);
        } else if (IsTimeUp(pSim, TRUE)) {
            m_dCarried = 0.0;
            m_bTiming = 0;
            SetState(pSim, 1);
        }
    }
    EndStep();
    return TRUE;
}

BOOL CBlockDDR::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    const int nTrg = m_nPinValue[kTrg];
    if (m_nPinValue[kReset] == 1) {
        // Only the rising edge of R acts; while it stays 1 nothing else happens.
        if (m_bPinChanged[kReset]) {
            m_dRunTime = 0.0;
            m_bTiming = 0;
            SetState(pSim, 0);
            m_bPinChanged[kReset] = 0;
        }
        EndStep();
        return TRUE;
    }
    if (m_bPinChanged[kReset]) {
        // Reset released: the output takes the trigger level at once.
        SetState(pSim, nTrg);
        m_bPinChanged[kReset] = 0;
        EndStep();
        return TRUE;
    }
    if (m_bPinChanged[kTrg]) {
        if (nTrg == 0) {
            m_bTiming = 1;
            StampInterval(pSim);
        } else {
            m_dRunTime = 0.0;
            m_dCarried = 0.0;
            m_bTiming = 0;
            SetState(pSim, 1);
        }
        m_bPinChanged[kTrg] = 0;
    }
    if (nTrg == 0 && GetState() == 1 && IsTimeUp(pSim, TRUE)) {
        m_dRunTime = 0.0;
        m_dCarried = 0.0;
        m_bTiming = 0;
        SetState(pSim, 0);
    }
    EndStep();
    return TRUE;
}

BOOL CBlockMPLR::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    int& nOnTiming = m_bTiming;
    int& nOffTiming = m_nWork[0];
    int& nOffDone = m_nWork[1];
    const int nTrg = m_nPinValue[kTrg];
    if (m_bPinChanged[kTrg]) {
        if (nTrg == 1) {
            // A new trigger cuts off an OFF delay in progress.
            nOffDone = 0;
            nOnTiming = 1;
            nOffTiming = 0;
            StartInterval(pSim);
            SetState(pSim, 0);
        } else if (nOnTiming == 0) {
            // The ON delay had completed: the OFF delay starts.
            StartInterval(pSim);
            nOffTiming = 1;
        } else {
            m_dRunTime = 0.0;
            m_dCarried = 0.0;
            nOffTiming = 0;
            nOnTiming = 0;
        }
        m_bPinChanged[kTrg] = 0;
    }
    if (nTrg == 1) {
        if (GetState() == 0) {
            if (IsTimeUp(pSim, TRUE)) {
                nOnTiming = 0;
                SetState(pSim, 1);
            }
        } else {
            UpdateSetpoint(TRUE);
        }
    } else if (GetState() == 1) {
        if (IsTimeUp(pSim, FALSE)) {
            m_dCarried = 0.0;
            nOffTiming = 0;
            nOffDone = 1;
            SetState(pSim, 0);
        }
    } else if (nOffDone) {
        UpdateSetpoint(FALSE);
    }
    EndStep();
    return TRUE;
}

// The trigger level, not its edge, starts the interval; once started it runs on after Trg
// returns to 0, and only R ends it.
BOOL CBlockPLR::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    m_nSetpointChanged = -1;
    if (m_nPinValue[kReset] == 1) {
        m_bTiming = 0;
        StartInterval(pSim);
        SetState(pSim, 0);
        EndStep();
        return TRUE;
    }
    if (m_nPinValue[kTrg] == 1 && !m_bTiming && GetState() == 0) {
        m_bTiming = 1;
        StampInterval(pSim);
    }
    if (!m_bTiming && GetState() == 1)
        m_nSetpointChanged = UpdateSetpoint(TRUE);
    if (m_bTiming && IsTimeUp(pSim, TRUE)) {
        SetState(pSim, 1);
        m_bTiming = 0;
    }
    EndStep();
    return TRUE;
}

// The output is 1 from the rising edge of Trg for T, and falls early when Trg falls.
BOOL CBlockCPG::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    const int nTrg = m_nPinValue[kTrg];
    if (m_bPinChanged[kTrg]) {
        if (nTrg == 1) {
            m_bTiming = 1;
            StampInterval(pSim);
            SetState(pSim, 1);
        } else {
            m_dRunTime = 0.0;
            m_dCarried = 0.0;
            m_bTiming = 0;
            SetState(pSim, 0);
        }
        m_bPinChanged[kTrg] = 0;
    }
    if (nTrg == 1) {
        if (GetState() == 0) {
            UpdateSetpoint(TRUE);
        } else if (IsTimeUp(pSim, TRUE)) {
            m_bTiming = 0;
            m_dCarried = 0.0;
            SetState(pSim, 0);
        }
    }
    EndStep();
    return TRUE;
}

// After a trigger the output is low for TL, then high for TH, repeated: the pulse counter
// starts at -1 and is compared after its increment, so a pulse total n gives n + 1 high
// pulses. A zero TL keeps the output high across the low phases, a zero TH keeps it low.
BOOL CBlockRPR::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    int& nActive = m_bTiming;
    int& nLowPhase = m_nWork[0];
    int& nTriggered = m_nWork[1];
    if (m_nPinValue[kReset] == 1) {
        m_dRunTime = 0.0;
        m_dCarried = 0.0;
        nLowPhase = 0;
        nActive = 0;
        SetState(pSim, 0);
        nTriggered = 0;
        EndStep();
        return TRUE;
    }
    // A negative referenced time is not "no time": only the timing itself reads it as 0 ms.
    const double dOn =
        m_pRefBlock[0] ? ReferencedMs(0, m_nParam[TIMER_ON_REF_UNIT_PARAM], FALSE)
                       : double(m_nParam[TIMER_ON_HIGH_PARAM]) + m_nParam[TIMER_ON_LOW_PARAM];
    const double dOff =
        m_pRefBlock[1]
            ? ReferencedMs(1, m_nParam[TIMER_OFF_REF_UNIT_PARAM], FALSE)
            : double(m_nParamEx[TIMER_OFF_HIGH_PARAMEX]) + m_nParamEx[TIMER_OFF_LOW_PARAMEX];
    if (dOn == 0.0 && dOff == 0.0) {
        StartInterval(pSim);
        nActive = 0;
        nLowPhase = 0;
        m_nPulseCount = -1;
        SetState(pSim, 0);
        m_bPinChanged[kTrg] = 0;
        EndStep();
        return TRUE;
    }
    if (m_bPinChanged[kTrg]) {
        if (m_nPinValue[kTrg] == 1) {
            nActive = 1;
            StartInterval(pSim);
            SetState(pSim, 0);
            nLowPhase = 1;
            m_nPulseCount = -1;
            m_nPulseTotal = m_nParamEx[RPR_PULSES_PARAMEX];
            nTriggered = 1;
        }
        m_bPinChanged[kTrg] = 0;
        EndStep();
        return TRUE;
    }
    if (!nActive) {
        nLowPhase = 0;
        m_nPulseCount = -1;
        SetState(pSim, 0);
        if (!nTriggered)
            StampInterval(pSim);  // the reference stamp follows the clock
        else
            UpdateSetpoint(TRUE);
    } else if (!nLowPhase) {
        if (IsTimeUp(pSim, TRUE)) {
            if (dOff > 0.0)
                SetState(pSim, 0);
            StampInterval(pSim);
            nLowPhase = 1;
            m_dCarried = 0.0;
            ++m_nPulseCount;
            if (m_nPulseCount < m_nPulseTotal)
                m_dRunTime = 0.0;
            else
                nActive = 0;
        }
    } else if (IsTimeUp(pSim, FALSE)) {
        if (dOn > 0.0)
            SetState(pSim, 1);
        StartInterval(pSim);
        nLowPhase = 0;
    }
    EndStep();
    return TRUE;
}
