#include "blocks/BlockNumberLookup.h"

#include "blocks/BlockDocument.h"
#include "blocks/BlockObj.h"
#include "blocks/InputValue.h"

bool FindOutputState(const IBlockDocument* pDoc, int nNumber, int* pState)
{
    if (!pDoc)
        return false;
    if (const IBlockNumberIndex* pIndex = pDoc->GetNumberIndex())
        return pIndex->FindOutput(nNumber, pState);
    const CBlockObj* pSource = pDoc->FindBlockByNumber(nNumber);
    if (!pSource)
        return false;
    *pState = pSource->m_nPinValue[BLOCK_FIRST_OUTPUT];
    return true;
}

void FindInputValue(const IBlockDocument* pDoc, int nNumber, WORD* pValue)
{
    if (!pDoc)
        return;
    if (const IBlockNumberIndex* pIndex = pDoc->GetNumberIndex()) {
        pIndex->FindValue(nNumber, pValue);
        return;
    }
    if (const CBlockObj* pSource = pDoc->FindBlockByNumber(nNumber))
        *pValue = InputValueOf(*pSource, InputValueKindOf(*pSource));
}
