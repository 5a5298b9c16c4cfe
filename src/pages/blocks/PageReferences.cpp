#include "pages/blocks/PageReferences.h"

#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"
#include "pages/sheet/ReferenceRow.h"
#include "platform/ui/Dialog.h"

void ReadReference(const CBlockObj& block, int k, CReferenceRow& row)
{
    const CBlockObj* pRef = block.m_pRefBlock[k];
    row.m_bUse = pRef != nullptr;
    row.m_nBlockNumber = pRef ? pRef->m_nNumber : -1;
}

void WriteReference(CBlockObj& block, int k, BOOL bUse, int nNumber)
{
    const CVetlaDoc* pDoc = AsVetlaDoc(block.GetDocument());
    CBlockObj* pRef = bUse && pDoc && nNumber >= 0 ? pDoc->FindBlockByNumber(nNumber) : nullptr;
    if (pRef == &block)
        pRef = nullptr;
    block.m_pRefBlock[k] = pRef;
    block.m_nRefBlock[k] = pRef ? pRef->m_nNumber : -1;
    block.m_nParam[BLOCK_REF_USED_PARAM + k] = pRef ? 1 : 0;
}

void EnableReferenceCheck(CDialog& page, int nCheckID, const CVetlaDoc* pDoc, int nOwnNumber)
{
    if (CWnd* pCheck = page.GetDlgItem(nCheckID))
        pCheck->EnableWindow(pDoc && pDoc->CountReferenceBlocks(nOwnNumber) >= 1);
}
