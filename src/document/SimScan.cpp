// The offline simulation of a document: the simulation order, the start and end of a run, and
// the scan.
#include "document/SimScan.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockConnector.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockLogic.h"
#include "blocks/BlockLow.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "blocks/SimTime.h"
#include "document/AnalogRanges.h"
#include "document/BlockNumberIndex.h"
#include "document/BlockNumbering.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <climits>
#include <cstdint>
#include <initializer_list>
#include <optional>
#include <vector>

namespace {

// Input pin codes of pins that carry a role and no wire.
constexpr int PIN_SOURCE_OPEN = 52;
// Codes that end the input pins of a block.
constexpr int PIN_SOURCE_END_A = 55;
constexpr int PIN_SOURCE_END_B = 72;
// Operand ranges a click can operate: the digital inputs and the function keys.
constexpr int kLastInputOperand = 355;
constexpr int kLastFunctionKeyOperand = 1304;
constexpr int kLastHighOperand = 3899;
constexpr int kOpenConnectors = 128;

// The groups of the simulation order, in the order the scan walks them. A kind the order does
// not name goes last rather than out of the scan.
enum SimGroup {
    GROUP_INPUT,
    GROUP_FUNCTION,
    GROUP_OUTPUT,
    GROUP_FLAG,
    GROUP_ANALOG_OUTPUT,
    GROUP_ANALOG_FLAG,
    GROUP_OPEN_OUTPUT,
    GROUP_MALE,
    GROUP_FEMALE,
    GROUP_DATALOG,
    GROUP_OTHER,
};

// Groups are tested in this order; each block goes to the first that matches.
SimGroup GroupOf(const CBlockObj& block)
{
    if (IsAnyOf(block, {RUNTIME_CLASS(CBlockIn), RUNTIME_CLASS(CBlockShift), RUNTIME_CLASS(CBlockLow),
                        RUNTIME_CLASS(CBlockAnalogIn), RUNTIME_CLASS(CBlockFKey), RUNTIME_CLASS(CBlockMake),
                        RUNTIME_CLASS(CBlockAContact)}))
        return GROUP_INPUT;
    if (block.IsKindOf(RUNTIME_CLASS(CBlockMale)))
        return GROUP_MALE;
    if (block.IsKindOf(RUNTIME_CLASS(CBlockFemale)))
        return GROUP_FEMALE;
    if (GetBlockCategory(block.m_nType) == BLOCK_CATEGORY_FUNCTION)
        return GROUP_FUNCTION;
    if (IsAnyOf(block, {RUNTIME_CLASS(CBlockOut), RUNTIME_CLASS(CBlockRelayCoil)}))
        return GROUP_OUTPUT;
    if (block.IsKindOf(RUNTIME_CLASS(CBlockFlag)))
        return GROUP_FLAG;
    if (block.IsKindOf(RUNTIME_CLASS(CBlockOpenX)))
        return GROUP_OPEN_OUTPUT;
    if (IsAnyOf(block, {RUNTIME_CLASS(CBlockAnalogOut), RUNTIME_CLASS(CBlockAOutLAD)}))
        return GROUP_ANALOG_OUTPUT;
    if (block.IsKindOf(RUNTIME_CLASS(CBlockAnalogFlag)))
        return GROUP_ANALOG_FLAG;
    if (block.IsKindOf(RUNTIME_CLASS(CBlockDataLog)))
        return GROUP_DATALOG;
    return GROUP_OTHER;
}

std::vector<CBlockObj*> BlocksOf(CObList& list)
{
    std::vector<CBlockObj*> blocks;
    for (POSITION pos = list.GetHeadPosition(); pos;)
        blocks.push_back(static_cast<CBlockObj*>(list.GetNext(pos)));
    return blocks;
}

void SetOutput(CBlockObj& block, int nState)
{
    block.m_nPinValue[BLOCK_FIRST_OUTPUT] = nState;
    block.m_bPinChanged[BLOCK_FIRST_OUTPUT] = 1;
}

void ResetTimer(CBlockObj& block, const SYSTEMTIME& stNow)
{
    block.m_dRunTime = 0.0;
    block.m_stStart = stNow;
}

// The start-of-run state of a timer: nothing timed, every working field of its steps cleared.
void ResetTimeBlock(CBlockTime& timer, const SYSTEMTIME& stNow)
{
    ResetTimer(timer, stNow);
    timer.m_dCarried = 0.0;
    timer.m_bTiming = 0;
    std::fill(std::begin(timer.m_nWork), std::end(timer.m_nWork), 0);
    if (timer.m_nType == BT_MFS)
        timer.m_nPinValue[BLOCK_FIRST_OUTPUT] = 0;
}

void ResetAnalogOutputValue(CBlockObj& block) { block.m_nAux2 = 0; }

// A ladder operand whose simulated input starts at its minimum (mode 3) starts there again.
void ResetOperandSimValue(const CBlockObj& element, bool bAnyMode)
{
    CVetlaDoc* pDoc = AsVetlaDoc(element.GetDocument());
    OperandSimRecord record;
    if (!pDoc || !pDoc->m_mapOperandSim.Lookup(element.m_nOperand, record))
        return;
    if (bAnyMode || record.nMode == SIM_INPUT_FREQUENCY) {
        record.nValue = record.nMin;
        pDoc->m_mapOperandSim.SetAt(element.m_nOperand, record);
    }
}

bool IsHighOperand(int nOperand) { return nOperand >= NUM_HIGH && nOperand <= kLastHighOperand; }

// Contacts start closed where their operand is on: a make contact on "High", a break contact
// on anything else; an inverted output starts on unless it drives an open connector.
bool ResetLadderElement(CBlockObj& block)
{
    if (block.IsKindOf(RUNTIME_CLASS(CBlockMake))) {
        const bool bBreak = block.IsKindOf(RUNTIME_CLASS(CBlockBreak));
        block.m_nContactState = bBreak != IsHighOperand(block.m_nOperand) ? 1 : 0;
        ResetOperandSimValue(block, false);
    } else if (block.IsKindOf(RUNTIME_CLASS(CBlockInvOut))) {
        if (block.m_nOperand < NUM_OPENX || block.m_nOperand >= NUM_OPENX + kOpenConnectors) {
            block.m_nContactState = 1;
            block.m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
        }
    } else if (block.IsKindOf(RUNTIME_CLASS(CBlockAContact))) {
        if (block.m_nPinSource[0] == PIN_SOURCE_OPEN)
            block.m_nPinValue[0] = 1;
        ResetOperandSimValue(block, true);
        ResetAnalogOutputValue(block);
    } else {
        return false;
    }
    return true;
}

// The hours counter counts on from its stored operating time, its maintenance interval whole.
void ResetHoursCounter(CBlockHCOUNTER& counter, const SYSTEMTIME& stNow)
{
    const int nOT = counter.m_nParamEx[HCOUNTER_OT_HOURS_PARAMEX] * 60 + counter.m_nParamEx[HCOUNTER_OT_MINUTES_PARAMEX];
    counter.m_nOTStart = nOT;
    counter.m_nOTMinutes = nOT;
    counter.m_nMNMinutes = counter.m_nParam[HCOUNTER_MI_HOURS_PARAM] * 60 + counter.m_nParam[HCOUNTER_MI_MINUTES_PARAM];
    counter.m_dRunTime = 0.0;
    counter.m_stStart = stNow;
    counter.m_stCountStart = stNow;
}

// The kinds whose start state differs from "nothing timed"; the first match decides.
bool ResetSpecialKind(CBlockObj& block, const SYSTEMTIME& stNow)
{
    if (IsAnyOf(block, {RUNTIME_CLASS(CBlockIn), RUNTIME_CLASS(CBlockFKey)})) {
        const int nMode = block.m_nParamEx[INPUT_SIM_MODE_PARAMEX];
        if (nMode == SIM_INPUT_PUSH_BREAK) {
            SetOutput(block, 1);  // a momentary-break input is ON until pressed
        } else if (nMode == SIM_INPUT_FREQUENCY) {
            block.m_nAux[INPUT_SIM_VALUE_AUX] = block.m_nAux[INPUT_SIM_START_AUX];
            if (auto* pIn = dynamic_cast<CBlockIn*>(&block))
                pIn->m_nShownValue = block.m_nAux[INPUT_SIM_VALUE_AUX];
            else if (auto* pKey = dynamic_cast<CBlockFKey*>(&block))
                pKey->m_nShownValue = block.m_nAux[INPUT_SIM_VALUE_AUX];
        }
    } else if (block.IsKindOf(RUNTIME_CLASS(CBlockHigh))) {
        SetOutput(block, 1);
    } else if (auto* pAnalogIn = dynamic_cast<CBlockAnalogIn*>(&block)) {
        if (CVetlaDoc* pDoc = AsVetlaDoc(block.GetDocument()))
            UpdateSimInputSettings(*pDoc, pAnalogIn, FALSE);
        pAnalogIn->m_nAux[INPUT_SIM_VALUE_AUX] = pAnalogIn->m_nAux[INPUT_SIM_START_AUX];
        pAnalogIn->m_nShownValue = pAnalogIn->m_nAux[INPUT_SIM_START_AUX];
        ResetAnalogOutputValue(block);
    } else if (IsAnyOf(block, {RUNTIME_CLASS(CBlockAnalogOut), RUNTIME_CLASS(CBlockAnalogFlag),
                               RUNTIME_CLASS(CBlockAOutLAD)})) {
        ResetAnalogOutputValue(block);
    } else if (auto* pAnalog = dynamic_cast<CBlockAnalog*>(&block)) {
        if (IsAnyOf(block, {RUNTIME_CLASS(CBlockAMUX), RUNTIME_CLASS(CBlockAMATH)}))
            pAnalog->m_nValue = 0;
    } else if (IsAnyOf(block, {RUNTIME_CLASS(CBlockLogic), RUNTIME_CLASS(CBlockPTOE)})) {
        ResetTimer(block, stNow);
    } else if (auto* pTimer = dynamic_cast<CBlockTime*>(&block)) {
        ResetTimeBlock(*pTimer, stNow);
    } else if (auto* pRegister = dynamic_cast<CBlockSREG*>(&block)) {
        pRegister->m_wShiftReg = 0;
    } else if (IsAnyOf(block, {RUNTIME_CLASS(CBlockCOUNTER), RUNTIME_CLASS(CBlockENCODER)})) {
        // A counter counts in its running value, from its start value.
        block.m_dRunTime = block.m_nParam[COUNTER_START_PARAM];
    } else if (auto* pHours = dynamic_cast<CBlockHCOUNTER*>(&block)) {
        ResetHoursCounter(*pHours, stNow);
    } else if (auto* pTrigger = dynamic_cast<CBlockTHTRG*>(&block)) {
        pTrigger->m_nMeasured = 0;
        pTrigger->m_nPulseCount = 0;
        pTrigger->m_bGateRunning = 0;
        pTrigger->m_stStart = stNow;
    } else {
        return ResetLadderElement(block);
    }
    return true;
}

// The index of the first input pin that has a wire; kept when there is none.
void FindFirstInput(CBlockObj& block)
{
    for (int nPin = 0; nPin < block.m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin) {
        const int nSource = block.m_nPinSource[nPin];
        if (nSource < PIN_SOURCE_OPEN || nSource > LINK_ROLE_CODE_LAST) {
            block.m_nFirstInput = nPin;
            return;
        }
    }
}

// What a block keeps of a run once the simulation ends: nothing but its drawing in black.
void ResetAfterRun(CBlockObj& block, BOOL bLadder)
{
    block.m_nFirstInput = -1;
    block.m_bRestartStamp = 0;
    block.m_bRestartStamp2 = 0;
    const bool bAnalogContactInput = block.IsKindOf(RUNTIME_CLASS(CBlockAContact)) &&
                                     block.m_nOperand >= NUM_ANALOG_IN && block.m_nOperand < NUM_ANALOG_IN + 128;
    if (block.IsKindOf(RUNTIME_CLASS(CBlockAnalogIn)) || bAnalogContactInput) {
        ResetAnalogOutputValue(block);
        block.m_nAux[INPUT_SIM_VALUE_AUX] = block.m_nAux[INPUT_SIM_START_AUX];
    }
    if (auto* pMessage = dynamic_cast<CBlockMSGTEXT*>(&block))
        pMessage->m_bAwaitingAck = 0;
    for (int nPin = 0; nPin < block.m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin) {
        const int nSource = block.m_nPinSource[nPin];
        if (nSource == PIN_SOURCE_END_A || nSource == PIN_SOURCE_END_B)
            break;
        block.m_bPinChanged[nPin] = 0;
        block.m_nPinValue[nPin] = 0;
    }
    block.m_bPinChanged[BLOCK_FIRST_OUTPUT] = 0;
    block.m_nPinValue[BLOCK_FIRST_OUTPUT] = 0;
    if (bLadder)
        block.m_nContactState = 0;
}

// Moves a stamp by a signed 64-bit span: a clock set months ahead must move the timers by all
// of it, while one addition takes only an int of milliseconds (24.8 days).
void ShiftStamp(SYSTEMTIME& st, std::int64_t nMs)
{
    while (nMs != 0) {
        const std::int64_t nStep = nMs > INT_MAX ? INT_MAX : nMs < INT_MIN ? INT_MIN : nMs;
        AddMsToSystemTime(&st, int(nStep), &st);
        nMs -= nStep;
    }
}

void ShiftStamps(CBlockObj& block, std::int64_t nMs)
{
    ShiftStamp(block.m_stStart, nMs);
    ShiftStamp(block.m_stStart2, nMs);
}

std::int64_t MsBetween(const SYSTEMTIME& stFrom, const SYSTEMTIME& stTo)
{
    return SystemTimeToMs(&stTo) - SystemTimeToMs(&stFrom);
}

// A contact's output follows its input while its switch is closed.
void SetContactSwitch(CBlockObj& contact, int nClosed)
{
    contact.m_nContactState = nClosed;
    contact.m_nPinValue[BLOCK_FIRST_OUTPUT] = nClosed ? contact.m_nPinValue[0] : 0;
}

// A pause stamp with year, month and day all set: a pause the Simulation bar's Resume ends.
bool IsFullDate(const SYSTEMTIME& st) { return st.wYear && st.wMonth && st.wDay; }

bool AsksForStamp(const CBlockObj& block) { return block.m_bRestartStamp || block.m_bRestartStamp2; }

// A block that decided in this scan to start a new interval asked for its stamp; it gets the
// clock only at the end of the scan, so that every block of the scan measured against the same
// start. A block only ever sets its own requests, in its step or between scans, so the blocks
// that still ask after their step are all that may ask at the end.
void RestampBlocks(const std::vector<CBlockObj*>& asking, const SYSTEMTIME& stNow)
{
    for (CBlockObj* pBlock : asking) {
        if (pBlock->m_bRestartStamp) {
            pBlock->m_stStart = stNow;
            pBlock->m_bRestartStamp = 0;
        }
        if (pBlock->m_bRestartStamp2) {
            pBlock->m_stStart2 = stNow;
            pBlock->m_bRestartStamp2 = 0;
        }
    }
}

} // namespace

void BuildSimulationOrder(CVetlaDoc& doc)
{
    std::vector<CBlockObj*> blocks = BlocksOf(doc.m_blockList);
    std::stable_sort(blocks.begin(), blocks.end(), [](const CBlockObj* a, const CBlockObj* b) {
        const SimGroup groupA = GroupOf(*a);
        const SimGroup groupB = GroupOf(*b);
        if (groupA != groupB)
            return groupA < groupB;
        // Inputs are read in number order; every other group keeps its relative order.
        return groupA == GROUP_INPUT && a->m_nNumber < b->m_nNumber;
    });
    doc.m_blockList.RemoveAll();
    for (CBlockObj* pBlock : blocks)
        doc.m_blockList.AddTail(pBlock);
}


void StartSimulationRun(CVetlaDoc& doc, const SYSTEMTIME& stNow)
{
    if (doc.IsLadder() && !doc.m_powerBusList.IsEmpty())
        static_cast<CBlockObj*>(doc.m_powerBusList.GetHead())->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    for (CBlockObj* pBlock : BlocksOf(doc.m_blockList)) {
        FindFirstInput(*pBlock);
        if (!ResetSpecialKind(*pBlock, stNow))
            pBlock->m_dRunTime = 0.0;
    }
}

void EndSimulationRun(CVetlaDoc& doc)
{
    const BOOL bLadder = doc.IsLadder();
    if (bLadder && !doc.m_powerBusList.IsEmpty())
        static_cast<CBlockObj*>(doc.m_powerBusList.GetHead())->m_nPinValue[BLOCK_FIRST_OUTPUT] = 0;
    for (CBlockObj* pBlock : BlocksOf(doc.m_blockList))
        ResetAfterRun(*pBlock, bLadder);
}

void ResumeSimulationRun(CVetlaDoc& doc, const SYSTEMTIME& stNow)
{
    for (CBlockObj* pBlock : BlocksOf(doc.m_blockList)) {
        if (GetBlockCategory(pBlock->m_nType) == 0)
            continue;
        AddMsToSystemTime(&stNow, -int(pBlock->m_dRunTime), &pBlock->m_stStart);
        pBlock->m_stStart2 = pBlock->m_stStart;
        pBlock->m_dCarried = dynamic_cast<CBlockHCOUNTER*>(pBlock) && IsFullDate(pBlock->m_stPause)
                                 ? double(MsBetween(pBlock->m_stPause, stNow))
                                 : 0.0;
        pBlock->m_stPause = {};
    }
}

void AdvanceTimersByCycle(CVetlaDoc& doc)
{
    for (CBlockObj* pBlock : BlocksOf(doc.m_blockList)) {
        if (auto* pTimer = dynamic_cast<CBlockTime*>(pBlock))
            pTimer->AdvanceByCycle();
    }
}

BOOL IsOperableContact(const CBlockObj& block)
{
    const int n = block.m_nOperand;
    return block.IsKindOf(RUNTIME_CLASS(CBlockMake)) &&
           ((n >= NUM_INPUT && n <= kLastInputOperand) || (n >= NUM_FKEY && n <= kLastFunctionKeyOperand));
}

void ToggleSimulatedInput(CVetlaDoc& doc, CBlockObj& block)
{
    if (!block.IsKindOf(RUNTIME_CLASS(CBlockMake))) {
        const int nState = 1 - block.m_nPinValue[BLOCK_FIRST_OUTPUT];
        block.m_nPinValue[BLOCK_FIRST_OUTPUT] = nState;
        block.m_nPinValue[0] = nState;
        block.m_bPinChanged[BLOCK_FIRST_OUTPUT] = 1;
        return;
    }
    const int nClosed = block.m_nContactState ? 0 : 1;
    SetContactSwitch(block, nClosed);
    for (CBlockObj* pOther : BlocksOf(doc.m_blockList)) {
        if (pOther == &block || !pOther->IsKindOf(RUNTIME_CLASS(CBlockMake)) || pOther->m_nOperand != block.m_nOperand)
            continue;
        SetContactSwitch(*pOther, pOther->m_nType == block.m_nType ? nClosed : 1 - nClosed);
    }
}

BOOL ReleaseSimulatedInput(CBlockObj& block)
{
    if (!IsAnyOf(block, {RUNTIME_CLASS(CBlockIn), RUNTIME_CLASS(CBlockFKey)}))
        return FALSE;
    switch (block.m_nParamEx[INPUT_SIM_MODE_PARAMEX]) {
    case SIM_INPUT_PUSH_MAKE:
        block.m_nPinValue[BLOCK_FIRST_OUTPUT] = 0;
        break;
    case SIM_INPUT_PUSH_BREAK:
        block.m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
        break;
    default:
        return FALSE;
    }
    block.m_bPinChanged[BLOCK_FIRST_OUTPUT] = 1;
    return TRUE;
}

void ScanDocument(CVetlaDoc& doc, const CSimContext& sim)
{
    // Block numbers and the list stand still for the whole scan: every input is read by number,
    // and the blocks are stepped from the index's array of them.
    std::optional<CBlockNumberIndex> ownIndex;
    if (!doc.GetNumberIndex())
        ownIndex.emplace(doc);
    const CBlockNumberIndex& index = *doc.GetNumberIndex();
    const std::int64_t nClockJump = sim.bClockSet ? MsBetween(sim.stPrevious, sim.stScan) : 0;
    std::vector<CBlockObj*> asking;
    for (std::size_t i = 0; i < index.BlockCount(); ++i) {
        CBlockObj& block = index.BlockAt(i);
        switch (sim.nRunState) {
        case SIM_RUN_STOPPED:
            block.m_stStart = sim.stScan;
            block.m_stStart2 = sim.stScan;
            block.m_stPause = {};
            continue;
        case SIM_RUN_SUSPENDED:
            // The pause keeps the moment of the first suspended scan.
            if (!block.IsPaused())
                block.m_stPause = sim.stScan;
            break;
        default:
            // Timers measure from their stamps: moving the stamps by the pause or the clock
            // jump keeps their remaining time as it was.
            if ((block.IsPaused() || nClockJump != 0) &&
                GetBlockCategory(block.m_nType) == BLOCK_CATEGORY_FUNCTION) {
                if (block.IsPaused()) {
                    ShiftStamps(block, MsBetween(block.m_stPause, sim.stScan));
                    block.m_stPause = {};
                } else {
                    ShiftStamps(block, nClockJump);
                }
            }
            break;
        }
        block.Simulate(&sim);
        if (AsksForStamp(block))
            asking.push_back(&block);
    }
    RestampBlocks(asking, sim.stNow);
}
