#include "document/BlockNumberIndex.h"

#include "blocks/BlockLadder.h"
#include "blocks/BlockObj.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/LadderFeed.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <bit>
#include <cstdint>

CBlockNumberIndex::CBlockNumberIndex(CVetlaDoc& doc) : m_doc(doc), m_pPrevious(doc.m_pNumberIndex)
{
    // At most half the slots in use keeps the probe runs short.
    const std::size_t nSlots = std::bit_ceil(2 * std::size_t(doc.m_blockList.GetCount() + 1));
    m_slots.assign(nSlots, Entry{nullptr, 0, 0});
    m_nShift = 64 - std::countr_zero(nSlots);
    if (doc.IsLadder() && !doc.m_powerBusList.IsEmpty()) {
        if (CBlockObj* pRail = AsBlock(doc.m_powerBusList.GetHead()))
            Insert(Entry{pRail, -1, pRail->m_nNumber});
    }
    int nOrdinal = 0;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        CBlockObj* pBlock = AsBlock(doc.m_blockList.GetNext(pos));
        if (!pBlock)
            continue;
        Insert(Entry{pBlock, nOrdinal++, pBlock->m_nNumber});
        // The runtime class, not a dynamic_cast: the index is built for every scan, and a cast
        // across the library compares type names.
        if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockMake)))
            m_contacts[pBlock->m_nOperand].push_back(pBlock);
    }
    if (doc.IsLadder())
        IndexParallelFeeds();
    doc.m_pNumberIndex = this;
}

// Fibonacci hashing: block numbers run in steps of one, which the multiplication spreads over
// the table.
std::size_t CBlockNumberIndex::SlotOf(int nNumber) const
{
    return std::size_t((std::uint64_t(std::uint32_t(nNumber)) * 0x9E3779B97F4A7C15ull) >> m_nShift);
}

void CBlockNumberIndex::Insert(const Entry& entry)
{
    const std::size_t nMask = m_slots.size() - 1;
    for (std::size_t i = SlotOf(entry.nNumber);; i = (i + 1) & nMask) {
        if (!m_slots[i].pBlock) {
            m_slots[i] = entry;
            return;
        }
        if (m_slots[i].nNumber == entry.nNumber)
            return;
    }
}

const CBlockNumberIndex::Entry* CBlockNumberIndex::FindEntry(int nNumber) const
{
    const std::size_t nMask = m_slots.size() - 1;
    for (std::size_t i = SlotOf(nNumber);; i = (i + 1) & nMask) {
        if (!m_slots[i].pBlock)
            return nullptr;
        if (m_slots[i].nNumber == nNumber)
            return &m_slots[i];
    }
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
    const Entry* pEntry = FindEntry(nNumber);
    return pEntry ? pEntry->pBlock : nullptr;
}

std::vector<CBlockObj*> CBlockNumberIndex::FindInNumberRange(int nFirst, int nLast) const
{
    std::vector<Entry> found;
    for (int nNumber = nFirst; nNumber <= nLast; ++nNumber) {
        if (const Entry* pEntry = FindEntry(nNumber))
            found.push_back(*pEntry);
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
