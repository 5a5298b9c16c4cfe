#include "document/BlockNumberIndex.h"

#include "blocks/BlockLadder.h"
#include "blocks/BlockObj.h"
#include "document/VetlaDoc.h"

CBlockNumberIndex::CBlockNumberIndex(CVetlaDoc& doc) : m_doc(doc), m_pPrevious(doc.m_pNumberIndex)
{
    m_index.reserve(std::size_t(doc.m_blockList.GetCount()) + 1);
    if (doc.IsLadder() && !doc.m_powerBusList.IsEmpty()) {
        if (CBlockObj* pRail = AsBlock(doc.m_powerBusList.GetHead()))
            m_index.emplace(pRail->m_nNumber, pRail);
    }
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        CBlockObj* pBlock = AsBlock(doc.m_blockList.GetNext(pos));
        if (!pBlock)
            continue;
        m_index.try_emplace(pBlock->m_nNumber, pBlock);
        if (dynamic_cast<CBlockMake*>(pBlock))
            m_contacts[pBlock->m_nOperand].push_back(pBlock);
    }
    doc.m_pNumberIndex = this;
}

CBlockNumberIndex::~CBlockNumberIndex() { m_doc.m_pNumberIndex = m_pPrevious; }

CBlockObj* CBlockNumberIndex::Find(int nNumber) const
{
    const auto it = m_index.find(nNumber);
    return it == m_index.end() ? nullptr : it->second;
}

const std::vector<CBlockObj*>& CBlockNumberIndex::ContactsOn(int nOperand) const
{
    static const std::vector<CBlockObj*> s_none;
    const auto it = m_contacts.find(nOperand);
    return it == m_contacts.end() ? s_none : it->second;
}
