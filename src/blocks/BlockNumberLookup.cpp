#include "blocks/BlockNumberLookup.h"

#include "blocks/BlockConnector.h"
#include "blocks/BlockDocument.h"
#include "blocks/BlockObj.h"
#include "blocks/InputValue.h"

namespace {

// The block whose output a wire from block nNumber carries, a connector pair followed to what
// feeds it.
const CBlockObj* WireSourceBehind(const IBlockDocument& doc, int nNumber)
{
    return WireSourceAcrossPairs(doc.FindBlockByNumber(nNumber), [&doc](int n) { return doc.FindBlockByNumber(n); });
}

} // namespace

bool FindOutputState(const IBlockDocument* pDoc, int nNumber, int* pState)
{
    if (!pDoc)
        return false;
    if (const IBlockNumberIndex* pIndex = pDoc->GetNumberIndex())
        return pIndex->FindOutput(nNumber, pState);
    const CBlockObj* pSource = WireSourceBehind(*pDoc, nNumber);
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
    if (const CBlockObj* pSource = WireSourceBehind(*pDoc, nNumber))
        *pValue = InputValueOf(*pSource, InputValueKindOf(*pSource));
}
