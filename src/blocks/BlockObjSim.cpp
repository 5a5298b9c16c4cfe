// The step framework every block's simulation is built from: reading digital inputs through
// the block numbers in the pins, the open-input default, gate evaluation, loop tracing, running
// time against the scan's simulated clock, and ladder contact updates.
#include "blocks/BlockObj.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockClock.h"
#include "blocks/BlockConnector.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockDelay.h"
#include "blocks/BlockDocument.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockNumberLookup.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/LadderFeed.h"
#include "blocks/SimContext.h"
#include "blocks/SimTime.h"

namespace {

CBlockObj* FindInDocument(const IBlockDocument* pDoc, int nNumber)
{
    return pDoc ? pDoc->FindBlockByNumber(nNumber) : nullptr;
}

}  // namespace

BOOL CBlockObj::IsPaused() const
{
    return m_stPause.wYear != 0 || m_stPause.wMonth != 0 || m_stPause.wDay != 0;
}

BOOL CBlockObj::Simulate(const CSimContext*)
{
    return TRUE;
}

void CBlockObj::ResetForRun(const SYSTEMTIME&) { m_dRunTime = 0.0; }

void CBlockObj::ShiftStamps(std::int64_t nMs)
{
    ShiftSystemTime(&m_stStart, nMs);
    ShiftSystemTime(&m_stStart2, nMs);
}

void CBlockObj::RestartTiming(const SYSTEMTIME& stNow)
{
    m_dRunTime = 0.0;
    m_stStart = stNow;
}

BOOL CBlockObj::IsTimeElapsed(const CSimContext* pSim, double dLimit)
{
    if (!IsPaused() && pSim) {
        if ((pSim && pSim->ClockDrivesRunTime()))
            m_bRestartStamp = 0;
        m_dRunTime = double(SystemTimeToMs(&pSim->stScan) - SystemTimeToMs(&m_stStart));
    }
    return m_dRunTime >= dLimit;
}

BOOL CBlockObj::IsTimeElapsedInt(const CSimContext* pSim, int nLimit)
{
    int nElapsed = 0;
    if (!IsPaused() && pSim) {
        m_bRestartStamp2 = 0;
        nElapsed = int(SystemTimeToMs(&pSim->stScan) - SystemTimeToMs(&m_stStart2));
    }
    return nElapsed <= nLimit;
}

void CBlockObj::ReadInputs(const CSimContext*)
{
    for (int nPin = 0; nPin < m_nInputs && nPin < BLOCK_FIRST_OUTPUT &&
                       m_nPinKind[nPin] == PINKIND_DIGITAL;
         ++nPin) {
        const int nOld = m_nPinValue[nPin];
        int nValue = LINK_OPEN;
        // The pin source names one wire's block only; a ladder pin with parallel branches is
        // on while any branch is.
        int nFeeds = 0;
        const int nAnyBranch = ReadParallelFeeds(*this, nPin, &nFeeds);
        if (nFeeds > 0) {
            nValue = nAnyBranch;
        } else if (m_nPinSource[nPin] != LINK_OPEN) {
            int nState = 0;
            if (FindOutputState(GetDocument(), m_nPinSource[nPin], &nState))
                nValue = nState;
        }
        SetInputValue(nPin, nValue);
        m_bPinChanged[nPin] = nOld != m_nPinValue[nPin];
    }
}

void CBlockObj::SetInputValue(int nPin, int nValue)
{
    if (nPin < 0 || nPin >= BLOCK_PIN_COUNT)
        return;
    if (nValue == LINK_OPEN)
        nValue = OpenInputValue();
    m_nPinValue[nPin] = nValue ^ m_bPinInvert[nPin];
}

int CBlockObj::EvalLogic(int* pResult, unsigned int nMode)
{
    enum class Op { None, And, Or, Xor };
    const Op op = (nMode & 0x1) ? Op::And : (nMode & 0x2) ? Op::Or : (nMode & 0x4) ? Op::Xor
                                                                                    : Op::None;
    if (op != Op::None) {
        for (int i = 0; i < m_nInputs && i < BLOCK_FIRST_OUTPUT; ++i) {
            if (m_nPinSource[i] == LINK_PARAM)
                break;
            if (op == Op::And)
                *pResult &= m_nPinValue[i];
            else if (op == Op::Or)
                *pResult |= m_nPinValue[i];
            else
                *pResult ^= m_nPinValue[i];
        }
    }
    if (m_bPinInvert[BLOCK_FIRST_OUTPUT])
        return *pResult ? 0 : 1;
    return *pResult;
}

void CBlockObj::TraceLoop(const CSimContext* pSim, CBlockObj* pBlock, int nPin, int* pDepth)
{
    if (m_bLoopFound || !pBlock || pBlock->m_nFirstInput == -1)
        return;
    if (nPin < 0 || nPin >= BLOCK_PIN_COUNT)
        return;
    CBlockObj* pSource = FindInDocument(GetDocument(), pBlock->m_nPinSource[nPin]);
    // A cut wire continues at the male end that feeds the female one.
    if (pSource && pSource->IsKindOf(RUNTIME_CLASS(CBlockFemale))) {
        *pDepth += 1;
        pSource = FindInDocument(GetDocument(), pSource->m_nNumber - NUM_FEMALE_OFFSET);
    }
    if (!pSource)
        return;
    if (pSource == m_pTraceTarget) {
        m_bLoopFound = 1;
        return;
    }
    *pDepth += 1;
    if (*pDepth >= int(GetDocument()->Blocks().GetCount())) {
        m_bLoopFound = 0;
        return;
    }
    TraceLoop(pSim, pSource, pSource->m_nFirstInput, pDepth);
    for (int p = pSource->m_nFirstInput + 1; p < pSource->m_nInputs && p < BLOCK_FIRST_OUTPUT;
         ++p) {
        const int nLink = pSource->m_nPinSource[p];
        if (nLink < LINK_OPEN || nLink > LINK_ROLE_CODE_LAST)
            TraceLoop(pSim, pSource, p, pDepth);
    }
}

namespace {

// A setpoint that comes from a block is read in the unit of its reference.
int OnTimeBase(const CBlockObj& block)
{
    return block.m_pRefBlock[0] ? block.m_nParam[TIMER_ON_REF_UNIT_PARAM]
                                 : block.m_nParam[TIMER_ON_BASE_PARAM];
}

int OffTimeBase(const CBlockObj& block)
{
    return block.m_pRefBlock[1] ? block.m_nParam[TIMER_OFF_REF_UNIT_PARAM]
                                 : block.m_nParamEx[TIMER_OFF_BASE_PARAMEX];
}

// The base in which a timer shows its running time: the phase it is timing. The working
// fields are those of the timer classes: m_bTiming is the first, m_nWork[0] the second and
// m_nWork[1] the third.
int DisplayTimeBase(const CBlockObj& block)
{
    if (const auto* pMplr = dynamic_cast<const CBlockMPLR*>(&block)) {
        const bool bOnTiming = pMplr->m_bTiming != 0;
        const bool bOffDone = pMplr->m_nWork[1] != 0;
        return !bOnTiming && bOffDone ? OffTimeBase(block) : OnTimeBase(block);
    }
    if (const auto* pRpr = dynamic_cast<const CBlockRPR*>(&block))
        return pRpr->m_nWork[0] ? OffTimeBase(block) : OnTimeBase(block);
    if (const auto* pApg = dynamic_cast<const CBlockAPG*>(&block)) {
        if (pApg->m_bTiming)
            return pApg->m_nWork[0] ? OffTimeBase(block) : OnTimeBase(block);
        return pApg->m_nStopPhase == 0 ? OffTimeBase(block) : OnTimeBase(block);
    }
    if (dynamic_cast<const CBlockSLS*>(&block))
        return OffTimeBase(block);
    if (const auto* pMfs = dynamic_cast<const CBlockMFS*>(&block)) {
        switch (pMfs->m_nPhase) {
        case 0:
        case 2:
        case 4:
            return OffTimeBase(block);
        case 1:
        case 3:
            return OnTimeBase(block);
        default:
            return block.m_nParam[TIMER_ON_BASE_PARAM];
        }
    }
    const bool bRefShowsOwnBase = dynamic_cast<const CBlockDPR*>(&block) ||
                                  dynamic_cast<const CBlockDDR*>(&block) ||
                                  dynamic_cast<const CBlockPLR*>(&block) ||
                                  dynamic_cast<const CBlockCPG*>(&block);
    if (bRefShowsOwnBase && block.m_pRefBlock[0])
        return block.m_nParam[TIMER_ON_REF_UNIT_PARAM];
    return block.m_nParam[TIMER_ON_BASE_PARAM];
}

bool IsFormattedTimer(const CBlockObj& block)
{
    return dynamic_cast<const CBlockDPR*>(&block) || dynamic_cast<const CBlockDDR*>(&block) ||
           dynamic_cast<const CBlockMPLR*>(&block) || dynamic_cast<const CBlockPLR*>(&block) ||
           dynamic_cast<const CBlockCPG*>(&block) || dynamic_cast<const CBlockRPR*>(&block) ||
           dynamic_cast<const CBlockAPG*>(&block) || dynamic_cast<const CBlockRG*>(&block) ||
           dynamic_cast<const CBlockSLS*>(&block) || dynamic_cast<const CBlockMFS*>(&block) ||
           dynamic_cast<const CBlockHCOUNTER*>(&block);
}

// The time base in which another block reads a timer's running time.
int ValueTimeBase(const CBlockTime& timer)
{
    const int nState = timer.m_nPinValue[BLOCK_FIRST_OUTPUT];
    if (dynamic_cast<const CBlockMPLR*>(&timer))
        return timer.m_nPinValue[0] == 1 ? OnTimeBase(timer) : OffTimeBase(timer);
    if (dynamic_cast<const CBlockAPG*>(&timer))
        return nState != timer.m_nPinValue[1] ? OnTimeBase(timer) : OffTimeBase(timer);
    if (dynamic_cast<const CBlockRPR*>(&timer)) {
        if (nState == 1)
            return OnTimeBase(timer);
        return timer.m_bTiming ? OffTimeBase(timer) : OnTimeBase(timer);
    }
    if (dynamic_cast<const CBlockSLS*>(&timer))
        return OffTimeBase(timer);
    return OnTimeBase(timer);
}

bool IsRunTimeValueType(int nType)
{
    return HasTypeFlag(nType, BTF_RUN_TIME_VALUE);
}

bool IsAnalogValueType(int nType)
{
    return HasTypeFlag(nType, BTF_ANALOG_VALUE);
}

}  // namespace

void CBlockObj::FormatTime(const CSimContext* pSim, CString& strOut)
{
    const bool bYearly = dynamic_cast<const CBlockYT*>(this) != nullptr;
    if (bYearly || dynamic_cast<const CBlockWT*>(this)) {
        // The yearly timer shows the date with the full month name, the weekly timer the
        // whole date and time.
        if (pSim)
            FormatSimTime(pSim->stNow, strOut, FALSE, bYearly ? SIMTIME_DATE : SIMTIME_FULL);
        return;
    }
    if (!IsFormattedTimer(*this))
        return;
    const int nBase = DisplayTimeBase(*this);
    int nHigh = 0;
    int nLow = 0;
    if (m_dRunTime != 0.0)
        SplitTimeValue(m_dRunTime, nBase, &nHigh, &nLow);
    LPCTSTR pszUnit = nBase == 0 ? _T("h") : nBase == 1 ? _T("m") : _T("s");
    strOut.Format(_T("%02d:%02d%s"), nHigh, nLow, pszUnit);
}

void CBlockObj::GetValueAsDouble(CBlockObj* pSrc, double* pOut)
{
    if (!pSrc)
        return;
    if (IsAnalogValueType(pSrc->m_nType)) {
        if (const auto* pAnalog = dynamic_cast<const CBlockAnalog*>(pSrc))
            *pOut = pAnalog->m_nValue;
        return;
    }
    if (IsRunTimeValueType(pSrc->m_nType)) {
        *pOut = pSrc->m_dRunTime;
        return;
    }
    if (const auto* pTrigger = dynamic_cast<const CBlockTHTRG*>(pSrc)) {
        *pOut = pTrigger->m_nMeasured;
        return;
    }
    if (const auto* pTimer = dynamic_cast<const CBlockTime*>(pSrc)) {
        const int nBase = ValueTimeBase(*pTimer);
        if (IsValidTimeBase(nBase))
            *pOut = pTimer->m_dRunTime / g_TimeBaseTable[nBase].nMsPerUnit;
    }
}

void CBlockObj::UpdateLadderContacts()
{
    const IBlockDocument* pDoc = GetDocument();
    if (!pDoc)
        return;
    const int nState = m_nPinValue[BLOCK_FIRST_OUTPUT];
    auto update = [nState](CBlockObj* pContact) {
        // A break contact closes while its operand is off.
        const bool bBreak = dynamic_cast<CBlockBreak*>(pContact) != nullptr;
        const int nClosed = bBreak ? (nState ? 0 : 1) : (nState ? 1 : 0);
        pContact->m_nContactState = nClosed;
        if (pContact->m_nPinValue[0] != 0)
            pContact->m_nPinValue[BLOCK_FIRST_OUTPUT] = bBreak ? nClosed : nState;
    };
    if (const IBlockNumberIndex* pIndex = pDoc->GetNumberIndex()) {
        for (CBlockObj* pContact : pIndex->ContactsOn(m_nNumber))
            update(pContact);
        return;
    }
    for (POSITION pos = pDoc->Blocks().GetHeadPosition(); pos;) {
        auto* pContact = static_cast<CBlockObj*>(pDoc->Blocks().GetNext(pos));
        if (pContact->m_nOperand == m_nNumber && dynamic_cast<CBlockMake*>(pContact))
            update(pContact);
    }
}
