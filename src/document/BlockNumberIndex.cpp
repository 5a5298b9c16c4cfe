#include "document/BlockNumberIndex.h"

#include "blocks/BlockConnector.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockObj.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/LadderFeed.h"
#include "document/BlockNumbering.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <cstdint>

namespace {

bool SameFeed(const LadderFeed& a, const LadderFeed& b)
{
    return a.pReader == b.pReader && a.nPin == b.nPin && a.pFeed == b.pFeed;
}

CBlockObj* RailOf(const CVetlaDoc& doc)
{
    if (!doc.IsLadder() || doc.m_powerBusList.IsEmpty())
        return nullptr;
    return AsBlock(doc.m_powerBusList.GetHead());
}

std::size_t SlotOf(int nNumber) { return std::size_t(nNumber - NUMBER_SPACE_FIRST); }

// The first block of a number is kept; the rail comes first.
void Place(BlockNumberTables& tables, int nNumber, CBlockObj* pBlock, int nPlace, InputValueKind valueKind)
{
    if (!IsInNumberSpace(nNumber))
        return;
    std::int32_t& slot = tables.slots[SlotOf(nNumber)];
    if (slot != BlockNumberTables::kNone)
        return;
    slot = std::int32_t(tables.found.size());
    tables.found.push_back({pBlock, nPlace, valueKind, pBlock->m_nType == BT_FEMALE});
}

void StartTables(BlockNumberTables& tables, const CVetlaDoc& doc, std::size_t nBlocks)
{
    tables.bLadder = doc.IsLadder() != FALSE;
    tables.entries.reserve(nBlocks);
    tables.slots.assign(SlotOf(NUMBER_SPACE_END), BlockNumberTables::kNone);
    tables.found.reserve(nBlocks + 1);
    if (CBlockObj* pRail = RailOf(doc)) {
        tables.pRail = pRail;
        tables.nRailNumber = pRail->m_nNumber;
        Place(tables, pRail->m_nNumber, pRail, BlockNumberTables::kRail, InputValueKindOf(*pRail));
    }
}

std::unique_ptr<BlockNumberTables> BuildTables(const CVetlaDoc& doc)
{
    auto pTables = std::make_unique<BlockNumberTables>();
    BlockNumberTables& tables = *pTables;
    StartTables(tables, doc, std::size_t(doc.m_blockList.GetCount()));
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        CBlockObj* pBlock = AsBlock(doc.m_blockList.GetNext(pos));
        if (!pBlock)
            continue;
        Place(tables, pBlock->m_nNumber, pBlock, int(tables.entries.size()), InputValueKindOf(*pBlock));
        tables.entries.push_back({pBlock, &typeid(*pBlock), pBlock->m_nNumber});
        if (pBlock->IsKindOf(RUNTIME_CLASS(CBlockMake)))
            tables.contacts[pBlock->m_nOperand].push_back(pBlock);
    }
    if (tables.bLadder) {
        for (POSITION pos = doc.m_lineList.GetHeadPosition(); pos;) {
            const auto* pLine = static_cast<const CConnectLineObj*>(doc.m_lineList.GetNext(pos));
            const LadderFeed feed = FeedOfLine(*pLine);
            tables.wires.push_back({pLine, feed});
            if (feed.pReader && feed.pFeed)
                tables.parallelFeeds[{feed.pReader, feed.nPin}].push_back(feed.pFeed);
        }
        std::erase_if(tables.parallelFeeds, [](const auto& entry) { return entry.second.size() < 2; });
    }
    return pTables;
}

} // namespace

bool BlockNumberTables::Matches(const CVetlaDoc& doc) const
{
    if (bLadder != (doc.IsLadder() != FALSE))
        return false;
    const CBlockObj* pDocRail = RailOf(doc);
    if (pDocRail != pRail || (pRail && pRail->m_nNumber != nRailNumber))
        return false;
    std::size_t i = 0;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos; ++i) {
        const CObject* pObject = doc.m_blockList.GetNext(pos);
        // The same object of the same class is the same block, and a block only once.
        if (i >= entries.size() || pObject != entries[i].pBlock || typeid(*pObject) != *entries[i].pClass)
            return false;
        if (entries[i].pBlock->m_nNumber != entries[i].nNumber)
            return false;
    }
    if (i != entries.size())
        return false;
    // Only a contact's operand is indexed. Reading every block's operand took one more cache
    // line of each block into every scan, which a large diagram's scan did not have room for.
    for (const auto& [nOperand, onOperand] : contacts) {
        for (const CBlockObj* pContact : onOperand) {
            if (pContact->m_nOperand != nOperand)
                return false;
        }
    }
    if (!bLadder)
        return true;
    std::size_t k = 0;
    for (POSITION pos = doc.m_lineList.GetHeadPosition(); pos; ++k) {
        const auto* pLine = static_cast<const CConnectLineObj*>(doc.m_lineList.GetNext(pos));
        if (k >= wires.size() || pLine != wires[k].pLine || !SameFeed(FeedOfLine(*pLine), wires[k].feed))
            return false;
    }
    return k == wires.size();
}

CBlockNumberIndex::CBlockNumberIndex(CVetlaDoc& doc) : m_doc(doc), m_pPrevious(doc.m_pNumberIndex), m_bKept(true)
{
    if (doc.m_pKeptNumberTables && doc.m_pKeptNumberTables->Matches(doc))
        m_pTables = std::move(doc.m_pKeptNumberTables);
    else
        m_pTables = BuildTables(doc);
    doc.m_pNumberIndex = this;
}

CBlockNumberIndex::CBlockNumberIndex(CVetlaDoc& doc, const std::vector<NumberedBlock>& blocks)
    : m_doc(doc), m_pPrevious(doc.m_pNumberIndex), m_pTables(std::make_unique<BlockNumberTables>())
{
    StartTables(*m_pTables, doc, blocks.size());
    // The kinds of value are not worked out: the load only finds blocks.
    for (const NumberedBlock& block : blocks) {
        Place(*m_pTables, block.nNumber, block.pBlock, int(m_pTables->entries.size()), InputValueKind::RunTime);
        m_pTables->entries.push_back({block.pBlock, nullptr, block.nNumber});
    }
    doc.m_pNumberIndex = this;
}

CBlockNumberIndex::~CBlockNumberIndex()
{
    m_doc.m_pNumberIndex = m_pPrevious;
    if (m_bKept)
        m_doc.m_pKeptNumberTables = std::move(m_pTables);
}

const BlockNumberTables::Found* CBlockNumberIndex::Lookup(int nNumber) const
{
    if (!IsInNumberSpace(nNumber))
        return nullptr;
    const std::int32_t slot = m_pTables->slots[SlotOf(nNumber)];
    return slot == BlockNumberTables::kNone ? nullptr : &m_pTables->found[std::size_t(slot)];
}

CBlockObj* CBlockNumberIndex::Find(int nNumber) const
{
    if (!IsInNumberSpace(nNumber))
        return m_doc.FindBlockInList(nNumber);
    const BlockNumberTables::Found* pFound = Lookup(nNumber);
    return pFound ? pFound->pBlock : nullptr;
}

CBlockObj* CBlockNumberIndex::FindWireSource(int nNumber) const
{
    const BlockNumberTables::Found* pFound = Lookup(nNumber);
    // Most sources are no Female: the flag answers without a look at the block.
    if (pFound && !pFound->bFemale)
        return pFound->pBlock;
    return WireSourceAcrossPairs(pFound ? pFound->pBlock : Find(nNumber), [this](int n) { return Find(n); });
}

bool CBlockNumberIndex::FindOutput(int nNumber, int* pState) const
{
    const CBlockObj* pSource = FindWireSource(nNumber);
    if (!pSource)
        return false;
    *pState = pSource->m_nPinValue[BLOCK_FIRST_OUTPUT];
    return true;
}

void CBlockNumberIndex::FindValue(int nNumber, WORD* pValue) const
{
    const BlockNumberTables::Found* pFound = Lookup(nNumber);
    const CBlockObj* pSource = FindWireSource(nNumber);
    if (!pSource)
        return;
    // A load's index does not know the kinds of its blocks, nor the number the kind of the
    // block behind a pair.
    const bool bKnown = m_bKept && pFound && pFound->pBlock == pSource;
    *pValue = InputValueOf(*pSource, bKnown ? pFound->valueKind : InputValueKindOf(*pSource));
}

std::vector<CBlockObj*> CBlockNumberIndex::FindInNumberRange(int nFirst, int nLast) const
{
    if (!IsInNumberSpace(nFirst) || !IsInNumberSpace(nLast))
        return m_doc.FindBlocksInList(nFirst, nLast);
    // The rail's place sorts before every ordinal, as it stands before the list.
    std::vector<const BlockNumberTables::Found*> found;
    for (int nNumber = nFirst; nNumber <= nLast; ++nNumber) {
        if (const BlockNumberTables::Found* pFound = Lookup(nNumber))
            found.push_back(pFound);
    }
    std::sort(found.begin(), found.end(), [](const auto* a, const auto* b) { return a->nPlace < b->nPlace; });
    std::vector<CBlockObj*> blocks;
    blocks.reserve(found.size());
    for (const BlockNumberTables::Found* pFound : found)
        blocks.push_back(pFound->pBlock);
    return blocks;
}

const std::vector<CBlockObj*>* CBlockNumberIndex::ParallelFeeds(const CBlockObj* pBlock, int nPin) const
{
    const auto& feeds = m_pTables->parallelFeeds;
    const auto it = feeds.find({pBlock, nPin});
    return it == feeds.end() ? nullptr : &it->second;
}

const std::vector<CBlockObj*>& CBlockNumberIndex::ContactsOn(int nOperand) const
{
    static const std::vector<CBlockObj*> s_none;
    const auto it = m_pTables->contacts.find(nOperand);
    return it == m_pTables->contacts.end() ? s_none : it->second;
}
