#include "document/BlockNumberIndex.h"

#include "blocks/BlockLadder.h"
#include "blocks/BlockObj.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/LadderFeed.h"
#include "document/VetlaDoc.h"

#include <algorithm>

CBlockNumberIndex::CBlockNumberIndex(CVetlaDoc& doc) : m_doc(doc), m_pPrevious(doc.m_pNumberIndex)
{
    m_index.reserve(std::size_t(doc.m_blockList.GetCount()) + 1);
    if (doc.IsLadder() && !doc.m_powerBusList.IsEmpty()) {
        if (CBlockObj* pRail = AsBlock(doc.m_powerBusList.GetHead()))
            m_index.emplace(pRail->m_nNumber, Entry{pRail, -1});
    }
    int nOrdinal = 0;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        CBlockObj* pBlock = AsBlock(doc.m_blockList.GetNext(pos));
        if (!pBlock)
            continue;
        m_index.try_emplace(pBlock->m_nNumber, Entry{pBlock, nOrdinal++});
        // The runtime class, not a dynamic_cast: the index is built for every scan, and a cast
        // across the library compares type names.
        if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockMake)))
            m_contacts[pBlock->m_nOperand].push_back(pBlock);
    }
    if (doc.IsLadder())
        IndexParallelFeeds();
    doc.m_pNumberIndex = this;
}

void CBlockNumberIndex::IndexParallelFeeds()
{
    for (POSITION pos = m_doc.m_lineList.GetHeadPosition(); pos;) {
        const auto* pLine = static_cast<const CConnectLineObj*>(m_doc.m_lineList.GetNext(pos));
        const LadderFeed feed = FeedOfLine(*pLine);
        if (feed.pReader && feed.pFeed)
            m_parallelFeeds[{feed.pReader, feed.nPin}].push_back(feed.pFeed);
    }
    std::erase_if(m_parallelFeeds, [](const auto& entry) { return entry.second.size() < 2; });
}

CBlockNumberIndex::~CBlockNumberIndex() { m_doc.m_pNumberIndex = m_pPrevious; }

CBlockObj* CBlockNumberIndex::Find(int nNumber) const
{
    const auto it = m_index.find(nNumber);
    return it == m_index.end() ? nullptr : it->second.pBlock;
}

std::vector<CBlockObj*> CBlockNumberIndex::FindInNumberRange(int nFirst, int nLast) const
{
    std::vector<Entry> found;
    for (int nNumber = nFirst; nNumber <= nLast; ++nNumber) {
        if (const auto it = m_index.find(nNumber); it != m_index.end())
            found.push_back(it->second);
    }
    std::sort(found.begin(), found.end(),
              [](const Entry& a, const Entry& b) { return a.nOrdinal < b.nOrdinal; });
    std::vector<CBlockObj*> blocks;
    blocks.reserve(found.size());
    for (const Entry& entry : found)
        blocks.push_back(entry.pBlock);
    return blocks;
}

const std::vector<CBlockObj*>* CBlockNumberIndex::ParallelFeeds(const CBlockObj* pBlock, int nPin) const
{
    if (m_parallelFeeds.empty())
        return nullptr;
    const auto it = m_parallelFeeds.find({pBlock, nPin});
    return it == m_parallelFeeds.end() ? nullptr : &it->second;
}

const std::vector<CBlockObj*>& CBlockNumberIndex::ContactsOn(int nOperand) const
{
    static const std::vector<CBlockObj*> s_none;
    const auto it = m_contacts.find(nOperand);
    return it == m_contacts.end() ? s_none : it->second;
}
