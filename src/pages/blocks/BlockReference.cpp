#include "pages/blocks/BlockReference.h"

#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"

int ReferenceNumberOf(const CBlockObj& block, int k)
{
    const CBlockObj* pRef = block.m_pRefBlock[k];
    return pRef ? pRef->m_nNumber : -1;
}

void SetBlockReference(CBlockObj& block, int k, int nNumber)
{
    const CVetlaDoc* pDoc = AsVetlaDoc(block.GetDocument());
    CBlockObj* pRef = pDoc && nNumber >= 0 ? pDoc->FindBlockByNumber(nNumber) : nullptr;
    if (pRef == &block)
        pRef = nullptr;
    block.m_pRefBlock[k] = pRef;
    block.m_nRefBlock[k] = pRef ? pRef->m_nNumber : -1;
    block.m_nParam[BLOCK_REF_USED_PARAM + k] = pRef ? 1 : 0;
}
