#include "document/SimStopStart.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLow.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"

#include <vector>

namespace {

std::vector<CBlockObj*> BlocksOf(CVetlaDoc& doc)
{
    std::vector<CBlockObj*> blocks;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;)
        blocks.push_back(static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos)));
    return blocks;
}

template <class... Classes>
bool IsOneOf(const CBlockObj& block)
{
    return ((dynamic_cast<const Classes*>(&block) != nullptr) || ...);
}

// What Start and a returning supply do to the hours counter and the threshold trigger.
void RestartCounters(CBlockObj& block, const SYSTEMTIME& stNow)
{
    if (auto* pHours = dynamic_cast<CBlockHCOUNTER*>(&block)) {
        if (pHours->m_nPinValue[1] == 1 && pHours->m_nPinValue[0] == 0 && pHours->m_nPinValue[2] == 0) {
            pHours->m_stCountStart = stNow;
            pHours->m_nOTStart = pHours->m_nOTMinutes;
        }
    } else if (auto* pTrigger = dynamic_cast<CBlockTHTRG*>(&block)) {
        pTrigger->m_nPulseCount = 0;
    }
}

// The working fields of a non-retentive block's class that Stop clears.
void ClearWorkingFields(CBlockObj& block, CVetlaDoc& doc)
{
    auto* pTimer = dynamic_cast<CBlockTime*>(&block);
    // The value box of the next start shows the setpoint, as a new run's does.
    if (pTimer)
        pTimer->ForgetSetpoint();
    switch (block.m_nType) {
    case BT_SREG:
        for (CBlockObj* pOther : BlocksOf(doc)) {
            if (dynamic_cast<CBlockShift*>(pOther))
                pOther->m_nPinValue[BLOCK_FIRST_OUTPUT] = 0;
        }
        break;
    case BT_DDR: case BT_PLR: case BT_CPG: case BT_SLS:
        if (pTimer)
            pTimer->m_bTiming = 0;
        break;
    case BT_MPLR: case BT_RPR:
        if (pTimer)
            pTimer->m_nWork[0] = 0;
        break;
    case BT_APG:
        if (pTimer) {
            pTimer->m_bTiming = 0;
            pTimer->m_nWork[0] = 0;
        }
        break;
    case BT_RG:
        if (pTimer && !(block.m_nPinValue[0] & 1)) {
            block.m_dRunTime = 0.0;
            pTimer->m_bTiming = 0;
        }
        break;
    case BT_MFS:
        // A switch stopped in its staircase time starts the next run off, so that the first
        // press switches the light on.
        if (auto* pSwitch = dynamic_cast<CBlockMFS*>(&block)) {
            if (pSwitch->m_nPhase == MFS_STAIRCASE)
                pSwitch->m_nPhase = MFS_OFF;
            pSwitch->m_bTiming = 0;
        }
        break;
    case BT_TDT:
        // The output goes off, and with it the time it captured.
        block.m_strTimeText.Empty();
        break;
    default:
        break;
    }
}

// A retentive latching or pulse relay keeps its output: that is the value it keeps, as a
// retentive counter keeps its count.
bool KeepsOutput(const CBlockObj& block)
{
    return block.m_nParam[BLOCK_RETENTIVE_PARAM] && IsOneOf<CBlockLR, CBlockPR>(block);
}

} // namespace

void ResetBlockOnStop(CBlockObj& block, CVetlaDoc& doc)
{
    if (IsOneOf<CBlockAnalog, CBlockMSGTEXT>(block))
        return;
    // A clock timer's pulse notes the clock afresh at the next start: the ON times the clock
    // passed while stopped fire nothing.
    if (auto* pTimer = dynamic_cast<CBlockTime*>(&block))
        pTimer->ForgetClock();
    if (block.m_nParam[BLOCK_RETENTIVE_PARAM]) {
        // A retentive block keeps its time for the next start.
        block.m_dCarried = block.m_dRunTime;
    } else {
        block.m_dRunTime = 0.0;
        block.m_dCarried = 0.0;
        ClearWorkingFields(block, doc);
    }
    for (int nPin = 0; nPin < block.m_nInputs; ++nPin) {
        if (!IsRoleCode(block.m_nPinSource[nPin]))
            block.m_nPinValue[nPin] = 0;
    }
    if (!KeepsOutput(block))
        block.m_nPinValue[BLOCK_FIRST_OUTPUT] = 0;
    // The contacts that name the block follow its reset output, as they follow it in a scan:
    // a seal-in contact left closed would switch its coil on again by itself.
    if (doc.IsLadder())
        block.UpdateLadderContacts();
}

void StopSimulationRun(CVetlaDoc& doc)
{
    for (CBlockObj* pBlock : BlocksOf(doc)) {
        if (!IsOneOf<CBlockIn, CBlockAnalogIn, CBlockLow, CBlockShift, CBlockAnalogOut, CBlockAnalogFlag>(*pBlock))
            ResetBlockOnStop(*pBlock, doc);
    }
}

void StartAgainSimulationRun(CVetlaDoc& doc, const SYSTEMTIME& stNow)
{
    for (CBlockObj* pBlock : BlocksOf(doc))
        RestartCounters(*pBlock, stNow);
}

void RestoreSupplyAfterPowerFailure(CVetlaDoc& doc, const SYSTEMTIME& stNow)
{
    for (CBlockObj* pBlock : BlocksOf(doc)) {
        if (IsOneOf<CBlockIn, CBlockAnalogIn, CBlockLow, CBlockShift, CBlockOpenX, CBlockAnalogOut, CBlockAnalogFlag,
                    CBlockAnalog, CBlockMSGTEXT>(*pBlock))
            continue;
        if (IsOneOf<CBlockOut, CBlockFlag>(*pBlock))
            pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT] = 0;
        RestartCounters(*pBlock, stNow);
        ResetBlockOnStop(*pBlock, doc);
    }
}
