#include "blocks/BlockGenerator.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "blocks/ValueBox.h"
#include "platform/core/Runtime.h"

namespace {

constexpr std::array<BlockSetup, 4> kGeneratorSetups = {{
    {.nType = BT_APG, .nInputs = 3, .wProgramBytes = 12,
     .links = {{{2, LINK_PARAM}, {3, LINK_PARAM}, {4, LINK_END}}}},
    {.nType = BT_RG, .nInputs = 2, .wProgramBytes = 12, .nCapFlags = 0x06,
     .links = {{{1, LINK_PARAM}, {2, LINK_PARAM}, {3, LINK_END}, {4, LINK_END}}}},
    // T (the OFF setpoint) in minutes:seconds, as the ON base its texts show it in, with the
    // standard pre-warning of that base that the preset standard-values flag promises: 15 s
    // before the end, lasting 1 s.
    {.nType = BT_SLS, .nInputs = 2, .wProgramBytes = 12,
     .links = {{{1, LINK_PARAM}, {2, LINK_PARAM}, {3, LINK_PARAM}, {4, LINK_END}}},
     .words = {{{BlockWord::Param, TIMER_ON_BASE_PARAM, 1},
                {BlockWord::ParamEx, TIMER_OFF_BASE_PARAMEX, 1},
                {BlockWord::ParamEx, STAIRCASE_WARN_TIME_LOW_PARAMEX, 15},
                {BlockWord::ParamEx, STAIRCASE_WARN_LENGTH_LOW_PARAMEX, 1}}}},
    {.nType = BT_MFS, .nInputs = 3, .wProgramBytes = 16,
     .links = {{{2, LINK_PARAM}, {3, LINK_PARAM}, {4, LINK_PARAM}, {5, LINK_PARAM},
                {6, LINK_END}}}},
}};

} // namespace

IMPLEMENT_TABLE_BLOCK(CBlockAPG, CBlockTime, kGeneratorSetups, BT_APG)
IMPLEMENT_TABLE_BLOCK(CBlockRG, CBlockTime, kGeneratorSetups, BT_RG)
IMPLEMENT_TABLE_BLOCK(CBlockSLS, CBlockTime, kGeneratorSetups, BT_SLS)
IMPLEMENT_TABLE_BLOCK(CBlockMFS, CBlockTime, kGeneratorSetups, BT_MFS)

namespace {

constexpr int kTrg = 0;
constexpr int kEn = 0;
constexpr int kReset = 1;
constexpr int kInv = 1;

// The MFS waits this long after a press during the warning blink before a held button
// switches the light off.
constexpr int kMfsHoldOffMs = 50;

int Not(int nValue)
{
    return nValue ? 0 : 1;
}

// The sum of a setpoint's parameter parts, which the generators test for 0.
double OnPartsSum(const CBlockObj& block)
{
    return double(block.m_nParam[TIMER_ON_HIGH_PARAM]) + block.m_nParam[TIMER_ON_LOW_PARAM];
}

double OffPartsSum(const CBlockObj& block)
{
    return double(block.m_nParamEx[TIMER_OFF_HIGH_PARAMEX]) +
           block.m_nParamEx[TIMER_OFF_LOW_PARAMEX];
}

} // namespace

void CBlockAPG::ResetForRun(const SYSTEMTIME& stNow)
{
    CBlockTime::ResetForRun(stNow);
    m_nStopPhase = 0;
}

BOOL CBlockAPG::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    int& nEnabled = m_bTiming;
    int& nPhase = m_nWork[0];
    const int nEn = m_nPinValue[kEn];
    const int nInv = m_nPinValue[kInv] ? 1 : 0;
    if (m_bPinChanged[kEn] && nEn == 1) {
        nEnabled = 1;
        StartInterval(pSim);
        nPhase = OnPartsSum(*this) == 0.0 && OffPartsSum(*this) > 0.0 ? 1 : 0;
    } else if (m_bPinChanged[kEn]) {
        m_dRunTime = 0.0;
        m_dCarried = 0.0;
        m_nStopPhase = nPhase == 0 ? 1 : 0;
        nEnabled = 0;
        nPhase = 0;
        SetState(pSim, 0);
    } else if (nEnabled && nEn == 1) {
        // A negative referenced time is a time, which the timing reads as 0 ms.
        const bool bNoTimes =
            m_nParam[TIMER_ON_LOW_PARAM] == 0 && m_nParam[TIMER_ON_HIGH_PARAM] == 0 &&
            m_nParamEx[TIMER_OFF_LOW_PARAMEX] == 0 && m_nParamEx[TIMER_OFF_HIGH_PARAMEX] == 0 &&
            ReferencedMs(0, m_nParam[TIMER_ON_REF_UNIT_PARAM], FALSE) == 0.0 &&
            ReferencedMs(1, m_nParam[TIMER_OFF_REF_UNIT_PARAM], FALSE) == 0.0;
        if (bNoTimes) {
            StartInterval(pSim);
            SetState(pSim, Not(nInv));
        } else if (nPhase == 0) {
            if (!IsTimeUp(pSim, TRUE)) {
                SetState(pSim, Not(nInv));
            } else {
                const double dOff =
                    m_pRefBlock[1] ? ReferencedMs(1, m_nParam[TIMER_OFF_REF_UNIT_PARAM], TRUE)
                                   : OffPartsSum(*this);
                if (dOff > 0.0) {
                    nPhase = 1;
                    SetState(pSim, Not(GetState()));
                }
                StartInterval(pSim);
            }
        } else if (IsTimeUp(pSim, FALSE)) {
            SetState(pSim, Not(GetState()));
            StartInterval(pSim);
            nPhase = 0;
        } else {
            SetState(pSim, nInv);
        }
    }
    m_bPinChanged[kEn] = 0;
    m_bPinChanged[kInv] = 0;
    EndStep();
    return TRUE;
}

BOOL CBlockRG::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    int& nOffPhase = m_nWork[0];
    if (m_bPinChanged[kEn]) {
        if (m_nPinValue[kEn] == 1) {
            PickRandomDelay(TRUE);
            m_bTiming = 1;
            StartInterval(pSim);
            nOffPhase = 0;
            SetState(pSim, 0);
        } else {
            PickRandomDelay(FALSE);
            // A pending switch-on is dropped; a lit output waits for its OFF delay.
            m_bTiming = GetState() == 1 ? 1 : 0;
            if (m_bTiming) {
                StartInterval(pSim);
                nOffPhase = 1;
            }
        }
    }
    if (m_bTiming) {
        if (!nOffPhase) {
            if (IsTimeUp(pSim, TRUE)) {
                SetState(pSim, 1);
                m_bTiming = 0;
            }
        } else if (IsTimeUp(pSim, FALSE)) {
            SetState(pSim, 0);
            m_dRunTime = 0.0;
            m_bTiming = 0;
        }
    }
    EndStep();
    return TRUE;
}

// The setpoint is limited from above only, as the controller does; a negative one still
// gives a delay below its magnitude. A setpoint that truncates to 0 ms gives no delay rather
// than a division by zero.
void CBlockRG::PickRandomDelay(BOOL bOn)
{
    crt::srand(unsigned(crt::rand()));
    const int nSetpoint = TruncToInt(GetSetpointMs(bOn, FALSE));
    const int nDelay = nSetpoint != 0 ? crt::rand() % nSetpoint : 0;
    (bOn ? m_nOnDelaySec : m_nOffDelaySec) = nDelay / 1000;
    (bOn ? m_nOnDelayHund : m_nOffDelayHund) = nDelay / 10 % 100;
}

BOOL CBlockRG::IsTimeUp(const CSimContext* pSim, BOOL bOn)
{
    if (!MeasureRunTime(pSim, 0.0))
        return FALSE;
    const int nSec = bOn ? m_nOnDelaySec : m_nOffDelaySec;
    const int nHund = bOn ? m_nOnDelayHund : m_nOffDelayHund;
    const double dLimit = (100.0 * nSec + nHund) * 10.0;
    BOOL bUp = FALSE;
    if (dLimit <= m_dRunTime) {
        m_dRunTime = dLimit;
        bUp = TRUE;
    }
    m_dRemaining = dLimit - m_dRunTime;
    return bUp;
}

// A trigger while the time runs keeps the light on; the time counts from the last release.
BOOL CBlockSLS::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    const int nTrg = m_nPinValue[kTrg];
    if (m_bPinChanged[kTrg]) {
        if (nTrg == 0) {
            m_bTiming = 1;
            StartInterval(pSim);
            m_nWarning = WARNING_NONE;
        } else {
            SetState(pSim, 1);
        }
        m_bPinChanged[kTrg] = 0;
    }
    if (!m_bTiming) {
        UpdateSetpoint(FALSE);
    } else if (CheckWarning(pSim, nTrg)) {
        SetState(pSim, Not(GetState()));
    } else if (IsTimeUp(pSim, FALSE)) {
        double dTime = 0.0;
        double dWarnTime = 0.0;
        double dWarnLength = 0.0;
        GetWarningTimes(*this, &dTime, &dWarnTime, &dWarnLength);
        // A warning blink that has not yet ended holds the end of the time back.
        const double dSince = TimeSinceStamp(pSim);
        const bool bBlinkRunning = m_nWarning == WARNING_BLINKING &&
                                   (dSince < dTime - dWarnTime + dWarnLength || dSince < dWarnLength);
        if (!bBlinkRunning) {
            SetState(pSim, nTrg);
            m_bTiming = 0;
            m_nWarning = WARNING_NONE;
        }
    }
    EndStep();
    return TRUE;
}

void CBlockSLS::GetWarningTimes(const CBlockTime& timer, double* pTime, double* pWarnTime,
                                double* pWarnLength)
{
    const int nBase = timer.GetTimeBase(FALSE);
    *pTime = timer.GetSetpointMs(FALSE, FALSE);
    *pWarnTime = timer.m_pRefBlock[2]
                     ? timer.ReferencedMs(2, nBase, FALSE)
                     : PartsToMs(timer.m_nParamEx[STAIRCASE_WARN_TIME_HIGH_PARAMEX],
                                 timer.m_nParamEx[STAIRCASE_WARN_TIME_LOW_PARAMEX], nBase);
    *pWarnLength = timer.m_pRefBlock[3]
                       ? timer.ReferencedMs(3, nBase, FALSE)
                       : PartsToMs(timer.m_nParamEx[STAIRCASE_WARN_LENGTH_HIGH_PARAMEX],
                                   timer.m_nParamEx[STAIRCASE_WARN_LENGTH_LOW_PARAMEX], nBase);
}

// The warning starts T! before the end of T (at once when T! exceeds T) and lasts T!L; the
// light goes off when it starts and comes back when it ends.
BOOL CBlockSLS::CheckWarning(const CSimContext* pSim, int nTrg)
{
    if (nTrg != 0 || !m_bTiming)
        return FALSE;
    double dTime = 0.0;
    double dWarnTime = 0.0;
    double dWarnLength = 0.0;
    GetWarningTimes(*this, &dTime, &dWarnTime, &dWarnLength);
    const double dStart = dTime - dWarnTime;
    if (dStart >= 0.0 && m_dRunTime < dStart)
        return FALSE;
    if (m_nWarning == WARNING_NONE) {
        m_nWarning = WARNING_BLINKING;
        return TRUE;
    }
    if (m_nWarning != WARNING_BLINKING)
        return FALSE;
    const double dSince = TimeSinceStamp(pSim);
    const bool bOver = dStart >= 0.0
                           ? dStart + dWarnLength <= m_dRunTime || dStart + dWarnLength <= dSince
                           : dSince >= dWarnLength;
    if (!bOver)
        return FALSE;
    m_nWarning = WARNING_DONE;
    return TRUE;
}

void CBlockSLS::ResetForRun(const SYSTEMTIME& stNow)
{
    CBlockTime::ResetForRun(stNow);
    m_nWarning = WARNING_NONE;
}

void CBlockMFS::ResetForRun(const SYSTEMTIME& stNow)
{
    CBlockTime::ResetForRun(stNow);
    m_nPhase = MFS_OFF;
    m_nWarning = WARNING_NONE;
    m_nPinValue[BLOCK_FIRST_OUTPUT] = 0;
}

BOOL CBlockMFS::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    const int nTrg = m_nPinValue[kTrg];
    if (m_nPinValue[kReset] == 1) {
        m_nPhase = MFS_OFF;
        StartInterval(pSim);
        SetState(pSim, 0);
        m_nWarning = WARNING_NONE;
    } else if (m_bPinChanged[kReset] && nTrg == 1) {
        // R released while Trg is held: the press counts from now.
        m_nPhase = MFS_PRESSED;
        StartInterval(pSim);
        SetState(pSim, 1);
    } else if (m_bPinChanged[kTrg]) {
        if (nTrg == 1)
            OnPress(pSim);
        else
            OnRelease(pSim);
    } else {
        Advance(pSim, nTrg);
    }
    if (m_nPhase == MFS_PERMANENT)
        UpdateSetpoint(TRUE);
    else if (m_nPhase == MFS_ENDED)
        UpdateSetpoint(FALSE);
    m_bPinChanged[kTrg] = 0;
    m_bPinChanged[kReset] = 0;
    m_bTiming = m_nPhase == MFS_PRESSED || m_nPhase == MFS_STAIRCASE ? 1 : 0;
    EndStep();
    return TRUE;
}

void CBlockMFS::OnPress(const CSimContext* pSim)
{
    SetState(pSim, Not(GetState()));
    switch (m_nPhase) {
    case MFS_OFF:
    case MFS_PERMANENT:
    case MFS_ENDED:
        if (GetState() == 1) {
            m_nPhase = MFS_PRESSED;
            StartInterval(pSim);
        }
        break;
    case MFS_STAIRCASE:
        if (m_nWarning != WARNING_BLINKING) {
            // A press switches the staircase light off.
            m_nPhase = MFS_OFF;
            m_nWarning = WARNING_NONE;
            SetState(pSim, 0);
        } else {
            // During the warning blink the light comes back and the staircase time restarts.
            m_stStart2 = pSim ? pSim->stScan : m_stStart2;
            m_bRestartStamp2 = 1;
        }
        StartInterval(pSim);
        break;
    default:
        break;
    }
}

void CBlockMFS::OnRelease(const CSimContext* pSim)
{
    switch (m_nPhase) {
    case MFS_OFF:
    case MFS_PERMANENT:
    case MFS_ENDED:
        if (GetState() == 0)
            StartInterval(pSim);
        break;
    case MFS_PRESSED:
        // A short press starts the staircase time.
        m_nPhase = MFS_STAIRCASE;
        StartInterval(pSim);
        break;
    case MFS_STAIRCASE:
        if (GetState() == 1) {
            m_nWarning = WARNING_NONE;
            StartInterval(pSim);
        }
        break;
    default:
        break;
    }
}

void CBlockMFS::Advance(const CSimContext* pSim, int nTrg)
{
    if (m_nPhase == MFS_PRESSED) {
        if (IsTimeUp(pSim, TRUE)) {
            m_nWarning = WARNING_NONE;
            m_nPhase = MFS_PERMANENT;
        }
        return;
    }
    if (m_nPhase != MFS_STAIRCASE)
        return;
    if (IsTimeUp(pSim, FALSE)) {
        SetState(pSim, 0);
        m_nWarning = WARNING_NONE;
        m_nPhase = MFS_ENDED;
    } else if (CheckWarning(nTrg)) {
        SetState(pSim, Not(GetState()));
    } else if (m_nWarning == WARNING_BLINKING && nTrg == 1 && GetState() == 1 &&
               !IsTimeElapsedInt(pSim, kMfsHoldOffMs)) {
        // Holding the button pressed during the warning switches the light off.
        m_nPhase = MFS_OFF;
        m_nWarning = WARNING_NONE;
        SetState(pSim, 0);
        StartInterval(pSim);
    }
}

BOOL CBlockMFS::CheckWarning(int nTrg)
{
    if (nTrg != 0)
        return FALSE;
    double dTime = 0.0;
    double dWarnTime = 0.0;
    double dWarnLength = 0.0;
    CBlockSLS::GetWarningTimes(*this, &dTime, &dWarnTime, &dWarnLength);
    const double dStart = dTime - dWarnTime;
    if (m_nWarning == WARNING_NONE && (dStart < 0.0 || dStart <= m_dRunTime)) {
        m_nWarning = WARNING_BLINKING;
        return TRUE;
    }
    const bool bOver = dStart >= 0.0 ? m_dRunTime > dStart + dWarnLength
                                     : m_dRunTime >= dWarnLength;
    if (m_nWarning == WARNING_BLINKING && bOver) {
        m_nWarning = WARNING_DONE;
        return TRUE;
    }
    return FALSE;
}
