#include "editor/VetlaView.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"

void CVetlaView::SetScrollSizes(int nMapMode, CSize sizeTotal)
{
    m_nMapMode = nMapMode;
    m_sizeTotal = sizeTotal;
}

void CVetlaView::RebuildMsgTextSlots()
{
    for (int& bUsed : m_bMsgTextUsed)
        bUsed = 0;
    if (!m_pDocument)
        return;
    for (POSITION pos = m_pDocument->m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(m_pDocument->m_blockList.GetNext(pos));
        const int nSlot = pBlock->m_nParamEx[3];
        if (pBlock->m_nType == BT_MSGTEXT && nSlot >= 0 && nSlot < MSGTEXT_SLOT_COUNT)
            m_bMsgTextUsed[nSlot] = 1;
    }
}
