#include "document/BlockNumberIndex.h"

#include "blocks/BlockLadder.h"
#include "blocks/BlockObj.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/LadderFeed.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <array>
#include <bit>
#include <cassert>
#include <cstdint>

namespace {

// What the index needs of a block's class.
struct ClassFacts {
    const CRuntimeClass* pClass;
    bool bContact;
    InputValueKind valueKind;
};

// The runtime class, not a dynamic_cast: the index is built for every scan, and a cast across
// the library compares type names. A class's facts never change, so they are kept for the
// whole run in a small direct-mapped table (one per thread, as nothing else guards it); a
// class that meets another's slot is walked again.
const ClassFacts& FactsOf(const CBlockObj& block)
{
    constexpr int kSlotBits = 10;
    thread_local std::array<ClassFacts, std::size_t(1) << kSlotBits> s_facts{};
    const CRuntimeClass* pClass = block.GetRuntimeClass();
    const std::uint64_t nHash = std::uint64_t(reinterpret_cast<std::uintptr_t>(pClass)) * 0x9E3779B97F4A7C15ull;
    ClassFacts& facts = s_facts[std::size_t(nHash >> (64 - kSlotBits))];
    if (facts.pClass != pClass)
        facts = ClassFacts{pClass, block.IsKindOf(RUNTIME_CLASS(CBlockMake)) != FALSE, InputValueKindOf(block)};
    return facts;
}

}  // namespace

bool FindOutputState(const CVetlaDoc* pDoc, int nNumber, int* pState)
{
    if (!pDoc)
        return false;
    if (const CBlockNumberIndex* pIndex = pDoc->GetNumberIndex())
        return pIndex->FindOutput(nNumber, pState);
    const CBlockObj* pSource = pDoc->FindBlockByNumber(nNumber);
    if (!pSource)
        return false;
    *pState = pSource->m_nPinValue[BLOCK_FIRST_OUTPUT];
    return true;
}

void FindInputValue(const CVetlaDoc* pDoc, int nNumber, WORD* pValue)
{
    if (!pDoc)
        return;
    if (const CBlockNumberIndex* pIndex = pDoc->GetNumberIndex()) {
        pIndex->FindValue(nNumber, pValue);
        return;
    }
    if (const CBlockObj* pSource = pDoc->FindBlockByNumber(nNumber))
        *pValue = InputValueOf(*pSource, InputValueKindOf(*pSource));
}

CBlockNumberIndex::CBlockNumberIndex(CVetlaDoc& doc) : m_doc(doc), m_pPrevious(doc.m_pNumberIndex)
{
    SizeSlots(std::size_t(doc.m_blockList.GetCount()));
    m_order.reserve(std::size_t(doc.m_blockList.GetCount()));
    InsertRail();
    int nOrdinal = 0;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        CBlockObj* pBlock = AsBlock(doc.m_blockList.GetNext(pos));
        if (!pBlock)
            continue;
        Insert(Entry{pBlock, nOrdinal++, pBlock->m_nNumber});
        const ClassFacts& facts = FactsOf(*pBlock);
        m_order.push_back(Step{pBlock, 0, 0, facts.valueKind, false, false});
        if (facts.bContact)
            m_contacts[pBlock->m_nOperand].push_back(pBlock);
    }
    if (doc.IsLadder())
        IndexParallelFeeds();
    doc.m_pNumberIndex = this;
}

CBlockNumberIndex::CBlockNumberIndex(CVetlaDoc& doc, const std::vector<NumberedBlock>& blocks)
    : m_doc(doc), m_pPrevious(doc.m_pNumberIndex)
{
    SizeSlots(blocks.size());
    InsertRail();
    int nOrdinal = 0;
    for (const NumberedBlock& block : blocks)
        Insert(Entry{block.pBlock, nOrdinal++, block.nNumber});
    doc.m_pNumberIndex = this;
}

void CBlockNumberIndex::SizeSlots(std::size_t nBlocks)
{
    // At most two thirds of the slots in use keeps the probe runs short; one more for the rail.
    const std::size_t nSlots = std::bit_ceil(nBlocks + 1 + (nBlocks + 1) / 2);
    m_slots.assign(nSlots, Entry{nullptr, 0, 0});
    m_nShift = 64 - std::countr_zero(nSlots);
}

void CBlockNumberIndex::InsertRail()
{
    if (m_doc.IsLadder() && !m_doc.m_powerBusList.IsEmpty()) {
        if (CBlockObj* pRail = AsBlock(m_doc.m_powerBusList.GetHead()))
            Insert(Entry{pRail, -1, pRail->m_nNumber});
    }
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

bool CBlockNumberIndex::FindOutput(int nNumber, int* pState) const
{
    const Entry* pEntry = FindEntry(nNumber);
    if (!pEntry)
        return false;
    // The power rail stands before the list and has no copy.
    if (!m_bScanning || pEntry->nOrdinal < 0 || !m_order[std::size_t(pEntry->nOrdinal)].bStepped) {
        *pState = pEntry->pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT];
        return true;
    }
    const Step& step = m_order[std::size_t(pEntry->nOrdinal)];
    // A writer of another block's output that does not tell the index shows here in the
    // tests' builds.
    assert(step.nOutput == step.pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT]);
    *pState = step.nOutput;
    return true;
}

void CBlockNumberIndex::FindValue(int nNumber, WORD* pValue) const
{
    const Entry* pEntry = FindEntry(nNumber);
    if (!pEntry)
        return;
    if (pEntry->nOrdinal < 0 || std::size_t(pEntry->nOrdinal) >= m_order.size()) {
        *pValue = InputValueOf(*pEntry->pBlock, InputValueKindOf(*pEntry->pBlock));
        return;
    }
    const Step& step = m_order[std::size_t(pEntry->nOrdinal)];
    if (m_bScanning && step.bValueKept) {
        // A writer of another block's value that does not tell the index shows here in the
        // tests' builds.
        assert(step.wValue == InputValueOf(*step.pBlock, step.valueKind));
        *pValue = step.wValue;
        return;
    }
    *pValue = InputValueOf(*step.pBlock, step.valueKind);
}

void CBlockNumberIndex::BeginScan() const
{
    // An index that outlives a scan (the view's, for the scan and the drawing) forgets the
    // copies of the last one: clicks and the clock change blocks between scans.
    if (m_bCopiesTaken) {
        for (Step& step : m_order) {
            step.bStepped = false;
            step.bValueKept = false;
        }
    }
    m_bCopiesTaken = false;
    m_bScanning = true;
}

// Only the kinds whose value is the block's own and lies in what its step touched are copied:
// taking every block's running time would fetch a line of every block for the few readers.
void CBlockNumberIndex::NoteStepped(std::size_t i) const
{
    Step& step = m_order[i];
    step.nOutput = step.pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT];
    step.bStepped = true;
    m_bCopiesTaken = true;
    step.bValueKept = step.valueKind == InputValueKind::AnalogValue || step.valueKind == InputValueKind::HeldValue;
    if (step.bValueKept)
        step.wValue = InputValueOf(*step.pBlock, step.valueKind);
}

void CBlockNumberIndex::NoteOutputSet(const CBlockObj& block) const
{
    if (!m_bScanning)
        return;
    const Entry* pEntry = FindEntry(block.m_nNumber);
    if (pEntry && pEntry->pBlock == &block && pEntry->nOrdinal >= 0 && m_order[std::size_t(pEntry->nOrdinal)].bStepped)
        m_order[std::size_t(pEntry->nOrdinal)].nOutput = block.m_nPinValue[BLOCK_FIRST_OUTPUT];
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
