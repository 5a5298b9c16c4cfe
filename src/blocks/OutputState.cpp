#include "blocks/OutputState.h"

#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"
#include "editor/VetlaView.h"

void SetOutputState(CBlockObj& block, const CVetlaView* pView, int nState)
{
    int& nOutput = block.m_nPinValue[BLOCK_FIRST_OUTPUT];
    const CVetlaDoc* pDoc = pView ? pView->GetDocument() : nullptr;
    if (pDoc && pDoc->IsLadder() && nOutput != nState)
        block.m_bPinChanged[BLOCK_FIRST_OUTPUT] = 1;
    nOutput = nState;
}

void PassOutputChange(CBlockObj& block)
{
    if (!block.m_bPinChanged[BLOCK_FIRST_OUTPUT])
        return;
    block.UpdateLadderContacts();
    block.m_bPinChanged[BLOCK_FIRST_OUTPUT] = 0;
}
