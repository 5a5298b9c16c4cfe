// Entering and leaving the offline simulation: the block list goes into the order in which a
// scan must step the blocks, and every block gets a defined run-time state.
#include "editor/VetlaView.h"

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
#include "document/BlockNumbering.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/DiagramEditHelpers.h"
#include "platform/core/CmdTarget.h"

#include <algorithm>
#include <initializer_list>
#include <vector>

namespace {

// Input pin codes of pins that carry a role and no wire.
constexpr int PIN_SOURCE_OPEN = 52;
constexpr int PIN_SOURCE_ROLE_LAST = 75;
// Codes that end the input pins of a block.
constexpr int PIN_SOURCE_END_A = 55;
constexpr int PIN_SOURCE_END_B = 72;
constexpr int SIM_INPUT_RANGE_MAX = 9999;

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

// The kinds whose start state differs from "nothing timed"; the first match decides.
bool ResetSpecialKind(CVetlaView& view, CBlockObj& block, const SYSTEMTIME& stNow)
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
        view.UpdateSimInputSettings(pAnalogIn);
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
    } else if (auto* pTrigger = dynamic_cast<CBlockTHTRG*>(&block)) {
        pTrigger->m_nMeasured = 0;
        pTrigger->m_nPulseCount = 0;
        pTrigger->m_bGateRunning = 0;
        pTrigger->m_stStart = stNow;
    } else {
        return false;
    }
    return true;
}

// The index of the first input pin that has a wire; kept when there is none.
void FindFirstInput(CBlockObj& block)
{
    for (int nPin = 0; nPin < block.m_nInputs && nPin < BLOCK_FIRST_OUTPUT; ++nPin) {
        const int nSource = block.m_nPinSource[nPin];
        if (nSource < PIN_SOURCE_OPEN || nSource > PIN_SOURCE_ROLE_LAST) {
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

} // namespace

void CVetlaView::BuildSimulationOrder()
{
    if (!m_pDocument)
        return;
    std::vector<CBlockObj*> blocks = BlocksOf(m_pDocument->m_blockList);
    std::stable_sort(blocks.begin(), blocks.end(), [](const CBlockObj* a, const CBlockObj* b) {
        const SimGroup groupA = GroupOf(*a);
        const SimGroup groupB = GroupOf(*b);
        if (groupA != groupB)
            return groupA < groupB;
        // Inputs are read in number order; every other group keeps its relative order.
        return groupA == GROUP_INPUT && a->m_nNumber < b->m_nNumber;
    });
    m_pDocument->m_blockList.RemoveAll();
    for (CBlockObj* pBlock : blocks)
        m_pDocument->m_blockList.AddTail(pBlock);
}

void CVetlaView::UpdateSimInputSettings(CBlockObj* pBlock)
{
    if (!pBlock)
        return;
    int* pSim = pBlock->m_nAux;
    if (pBlock->m_nParamEx[INPUT_SIM_MODE_PARAMEX] != SIM_INPUT_SWITCH) {
        pSim[BLOCK_VALUE_MIN_AUX] = 0;
        pSim[BLOCK_VALUE_MAX_AUX] = SIM_INPUT_RANGE_MAX;
    }
    if (pSim[BLOCK_VALUE_MIN_AUX] > pSim[BLOCK_VALUE_MAX_AUX])
        std::swap(pSim[BLOCK_VALUE_MIN_AUX], pSim[BLOCK_VALUE_MAX_AUX]);
    pSim[INPUT_SIM_VALUE_AUX] = std::clamp(pSim[INPUT_SIM_VALUE_AUX], pSim[BLOCK_VALUE_MIN_AUX], pSim[BLOCK_VALUE_MAX_AUX]);
}

void CVetlaView::OnSimulation()
{
    if (m_nEditMode == EDIT_MODE_SIMULATE)
        LeaveSimulation();
    else
        EnterSimulation();
}

void CVetlaView::OnUpdateSimulation(CCmdUI* pCmdUI)
{
    const BOOL bHasContent =
        m_pDocument && (!m_pDocument->m_blockList.IsEmpty() || !m_pDocument->m_commentList.IsEmpty());
    pCmdUI->Enable(bHasContent && (!g_pSimulatingView || g_pSimulatingView == this));
    pCmdUI->SetCheck(m_nEditMode == EDIT_MODE_SIMULATE);
}

void CVetlaView::EnterSimulation()
{
    if (!m_pDocument)
        return;
    m_pCurLine = nullptr;
    g_pSimulatingView = this;
    m_nEditMode = EDIT_MODE_SIMULATE;
    m_pDocument->m_bSimulating = 1;
    m_pCurBlock = nullptr;
    for (CBlockObj* pBlock : BlocksOf(m_pDocument->m_blockList))
        pBlock->m_bSelected = 0;
    if (m_pDocument->IsLadder() && !m_pDocument->m_powerBusList.IsEmpty())
        static_cast<CBlockObj*>(m_pDocument->m_powerBusList.GetHead())->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;

    BuildSimulationOrder();
    // The clock jumps to the PC's time when the timer starts. The blocks take their start
    // stamps from the clock as it will run: stamped before the jump, every timer would see
    // the whole jump as time already passed in the first scan.
    CChildFrame* pFrame = GetParentFrame();
    SYSTEMTIME stNow = m_simClock;
    if (pFrame) {
        pFrame->StartSimTimer();
        pFrame->GetSimTime(&stNow);
    }
    for (CBlockObj* pBlock : BlocksOf(m_pDocument->m_blockList)) {
        FindFirstInput(*pBlock);
        if (!ResetSpecialKind(*this, *pBlock, stNow))
            pBlock->m_dRunTime = 0.0;
    }
    if (pFrame) {
        // Without its bar's window the frame's own fields stand for a bar that runs freely.
        pFrame->m_nSimRunState = SIM_RUN_RUNNING;
        pFrame->m_nSimStepState = SIM_STEP_NONE;
        pFrame->CreateSimBars();
        pFrame->m_bBarsRedrawn = 0;
    }
    InvalidateAll();
}

void CVetlaView::LeaveSimulation()
{
    if (m_hWnd)
        SetFocus();
    CloseValuePopup();
    m_nEditMode = EDIT_MODE_SELECT;
    if (g_pSimulatingView == this)
        g_pSimulatingView = nullptr;
    if (CChildFrame* pFrame = GetParentFrame()) {
        pFrame->StopSimTimer();
        pFrame->DestroySimBars();
        pFrame->m_nSimRunState = SIM_RUN_STOPPED;
    }
    if (m_pDocument) {
        m_pDocument->m_bSimulating = 0;
        const BOOL bLadder = m_pDocument->IsLadder();
        if (bLadder && !m_pDocument->m_powerBusList.IsEmpty())
            static_cast<CBlockObj*>(m_pDocument->m_powerBusList.GetHead())->m_nPinValue[BLOCK_FIRST_OUTPUT] = 0;
        for (CBlockObj* pBlock : BlocksOf(m_pDocument->m_blockList))
            ResetAfterRun(*pBlock, bLadder);
    }
    InvalidateAll();
}

void CVetlaView::EndSimulationOnClose()
{
    if (m_pDocument && m_pDocument->m_bSimulating) {
        m_pDocument->m_bSimulating = 0;
        m_nEditMode = EDIT_MODE_SELECT;
    }
    if (g_pSimulatingView == this)
        g_pSimulatingView = nullptr;
}
