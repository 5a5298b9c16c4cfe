// The offline simulation of a document: the simulation order, the start and end of a run, and
// the scan.
#include "document/SimScan.h"

#include "blocks/BlockConnector.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockLow.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "blocks/SimTime.h"
#include "document/BlockNumberIndex.h"
#include "document/BlockNumbering.h"
#include "document/VetlaDoc.h"

#include <algorithm>
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

void ResetAnalogOutputValue(CBlockObj& block) { block.m_nHeldValue = 0; }

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

// What a block keeps of a run once the simulation ends: nothing but its drawing in black. Its
// simulated input goes back to the settings held at the start (SimInputStore).
void ResetAfterRun(CBlockObj& block, BOOL bLadder)
{
    block.m_nFirstInput = -1;
    block.m_bRestartStamp = 0;
    block.m_bRestartStamp2 = 0;
    const bool bAnalogContactInput = block.IsKindOf(RUNTIME_CLASS(CBlockAContact)) &&
                                     block.m_nOperand >= NUM_ANALOG_IN && block.m_nOperand < NUM_ANALOG_IN + 128;
    if (block.IsKindOf(RUNTIME_CLASS(CBlockAnalogIn)) || bAnalogContactInput)
        ResetAnalogOutputValue(block);
    if (auto* pMessage = dynamic_cast<CBlockMSGTEXT*>(&block)) {
        pMessage->m_bAwaitingAck = 0;
        pMessage->m_bShown = 0;
    }
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

std::vector<CBlockObj*> BuildSimulationOrder(CVetlaDoc& doc)
{
    const std::vector<CBlockObj*> former = BlocksOf(doc.m_blockList);
    std::vector<CBlockObj*> blocks = former;
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
    return former;
}

void EnterSimulationOrder(CVetlaDoc& doc)
{
    if (doc.m_editOrder.empty())
        doc.m_editOrder = BuildSimulationOrder(doc);
}

void RestoreBlockOrder(CVetlaDoc& doc)
{
    const std::vector<CBlockObj*> order = doc.BlocksInEditOrder();
    doc.m_editOrder.clear();
    doc.m_blockList.RemoveAll();
    for (CBlockObj* pBlock : order)
        doc.m_blockList.AddTail(pBlock);
}

void StartSimulationRun(CVetlaDoc& doc, const SYSTEMTIME& stNow)
{
    doc.m_simInputs.Hold(doc);
    if (doc.IsLadder() && !doc.m_powerBusList.IsEmpty())
        static_cast<CBlockObj*>(doc.m_powerBusList.GetHead())->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
    for (CBlockObj* pBlock : BlocksOf(doc.m_blockList)) {
        FindFirstInput(*pBlock);
        pBlock->ResetForRun(stNow);
    }
}

void EndSimulationRun(CVetlaDoc& doc)
{
    const BOOL bLadder = doc.IsLadder();
    if (bLadder && !doc.m_powerBusList.IsEmpty())
        static_cast<CBlockObj*>(doc.m_powerBusList.GetHead())->m_nPinValue[BLOCK_FIRST_OUTPUT] = 0;
    for (CBlockObj* pBlock : BlocksOf(doc.m_blockList))
        ResetAfterRun(*pBlock, bLadder);
    doc.m_simInputs.Release(doc);
}

void ResumeSimulationRun(CVetlaDoc& doc, const SYSTEMTIME& stNow)
{
    for (CBlockObj* pBlock : BlocksOf(doc.m_blockList)) {
        if (GetBlockCategory(pBlock->m_nType) == 0)
            continue;
        // The pause moves every stamp the block keeps; the reference stamps then count back
        // from the running time, which stepping by cycles may have moved on without the clock.
        if (IsFullDate(pBlock->m_stPause))
            pBlock->ShiftStamps(MsBetween(pBlock->m_stPause, stNow));
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

int SimulatedInputMode(const CVetlaDoc& doc, const CBlockObj& block)
{
    OperandSimRecord record;
    if (block.IsKindOf(RUNTIME_CLASS(CBlockMake)) && doc.m_mapOperandSim.Lookup(block.m_nOperand, record))
        return record.nMode;
    return block.m_nParamEx[INPUT_SIM_MODE_PARAMEX];
}

int ContactOperandState(const CBlockObj& contact)
{
    const bool bClosed = contact.m_nContactState != 0;
    return bClosed != bool(contact.IsKindOf(RUNTIME_CLASS(CBlockBreak))) ? 1 : 0;
}

BOOL HoldMomentaryInput(CVetlaDoc& doc, CBlockObj& block, BOOL bHeld)
{
    const int nMode = SimulatedInputMode(doc, block);
    if (nMode != SIM_INPUT_PUSH_MAKE && nMode != SIM_INPUT_PUSH_BREAK)
        return FALSE;
    const int nOn = (nMode == SIM_INPUT_PUSH_MAKE) == bool(bHeld) ? 1 : 0;
    if (!block.IsKindOf(RUNTIME_CLASS(CBlockMake)))
        block.m_nPinValue[BLOCK_FIRST_OUTPUT] = nOn;
    else if (ContactOperandState(block) != nOn)
        ToggleSimulatedInput(doc, block);
    return TRUE;
}

BOOL ReleaseSimulatedInput(CVetlaDoc& doc, CBlockObj& block)
{
    if (IsOperableContact(block))
        return HoldMomentaryInput(doc, block, FALSE);
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
                    block.ShiftStamps(MsBetween(block.m_stPause, sim.stScan));
                    block.m_stPause = {};
                } else {
                    block.ShiftStamps(nClockJump);
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
