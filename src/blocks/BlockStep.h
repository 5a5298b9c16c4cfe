// Small pieces that the steps of the counter, relay and register blocks are built from: edges
// of digital inputs, the output state with its changed mark for ladder contacts, and the end of
// a step.
#pragma once

#include "blocks/BlockDocument.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"

// Ladder contacts follow the outputs of a block in a ladder document.
inline bool InLadderDocument(const CBlockObj& block)
{
    return block.GetDocument() && block.GetDocument()->IsLadder();
}

// The input is 1 and changed in this scan's ReadInputs.
inline bool IsRisingEdge(const CBlockObj& block, int nPin)
{
    return block.m_bPinChanged[nPin] && block.m_nPinValue[nPin] == 1;
}

// Sets the output state; a change marks the output changed when bMark is set (in a ladder
// document, where contacts follow the output).
inline void SetOutputState(CBlockObj& block, int nState, bool bMark)
{
    int& nOutput = block.m_nPinValue[BLOCK_FIRST_OUTPUT];
    if (nOutput != nState && bMark)
        block.m_bPinChanged[BLOCK_FIRST_OUTPUT] = 1;
    nOutput = nState;
}

// The end of a step: the contacts of a changed output follow it.
inline void FinishOutputChange(CBlockObj& block)
{
    if (block.m_bPinChanged[BLOCK_FIRST_OUTPUT]) {
        block.UpdateLadderContacts();
        block.m_bPinChanged[BLOCK_FIRST_OUTPUT] = 0;
    }
}

// Clears the changed flags of the input pins before the first parameter pin.
inline void ClearInputChanges(CBlockObj& block)
{
    for (int nPin = 0; nPin < block.m_nInputs && nPin < BLOCK_FIRST_OUTPUT &&
                       block.m_nPinSource[nPin] != LINK_PARAM;
         ++nPin)
        block.m_bPinChanged[nPin] = 0;
}
