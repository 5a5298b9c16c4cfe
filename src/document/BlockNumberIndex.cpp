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
#include <utility>

namespace {

// What the index needs of an object's class.
struct ClassFacts {
    const CRuntimeClass* pClass;
    bool bBlock;
    bool bContact;
    InputValueKind valueKind;
};

// The runtime class, not a dynamic_cast: the index is built for every scan, and a cast across
// the library compares type names. A class's facts never change, so they are kept for the
// whole run in a small direct-mapped table (one per thread, as nothing else guards it); a
// class that meets another's slot is walked again.
const ClassFacts& FactsOf(CObject& object)
{
    constexpr int kSlotBits = 10;
    thread_local std::array<ClassFacts, std::size_t(1) << kSlotBits> s_facts{};
    const CRuntimeClass* pClass = object.GetRuntimeClass();
    const std::uint64_t nHash = std::uint64_t(reinterpret_cast<std::uintptr_t>(pClass)) * 0x9E3779B97F4A7C15ull;
    ClassFacts& facts = s_facts[std::size_t(nHash >> (64 - kSlotBits))];
    if (facts.pClass != pClass) {
        const CBlockObj* pBlock = AsBlock(&object);
        facts = ClassFacts{pClass, pBlock != nullptr, pBlock && pBlock->IsKindOf(RUNTIME_CLASS(CBlockMake)),
                           pBlock ? InputValueKindOf(*pBlock) : InputValueKind::RunTime};
    }
    return facts;
}

// Fibonacci hashing: the page keys of a document run in steps of one, which the multiplication
// spreads over the page table.
constexpr std::uint64_t kFibonacci = 0x9E3779B97F4A7C15ull;
constexpr std::size_t kFirstPageSlots = 8;

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
    const std::size_t nBlocks = std::size_t(doc.m_blockList.GetCount());
    StartTables(nBlocks);
    m_copies.reserve(nBlocks);
    InsertRail();
    int nOrdinal = 0;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
        CObject* pObject = doc.m_blockList.GetNext(pos);
        if (!pObject)
            continue;
        const ClassFacts& facts = FactsOf(*pObject);
        if (!facts.bBlock)
            continue;
        auto* pBlock = static_cast<CBlockObj*>(pObject);
        Insert(pBlock->m_nNumber, nOrdinal++);
        m_order.push_back(pBlock);
        m_copies.push_back(Copy{0, 0, facts.valueKind, 0});
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
    StartTables(blocks.size());
    InsertRail();
    for (const NumberedBlock& block : blocks) {
        Insert(block.nNumber, int(m_order.size()));
        m_order.push_back(block.pBlock);
    }
    doc.m_pNumberIndex = this;
}

void CBlockNumberIndex::StartTables(std::size_t nBlocks)
{
    m_directPages.fill(kNoBlock);
    m_order.reserve(nBlocks);
    // The function blocks fill their pages; the few runs of the inputs, outputs and flags
    // besides them take a handful more. Pages added one by one moved every place at each growth.
    constexpr std::size_t kOtherRuns = 8;
    m_places.reserve((nBlocks / kPageSize + kOtherRuns) * kPageSize);
}

void CBlockNumberIndex::InsertRail()
{
    if (m_doc.IsLadder() && !m_doc.m_powerBusList.IsEmpty()) {
        if (CBlockObj* pRail = AsBlock(m_doc.m_powerBusList.GetHead())) {
            m_pRail = pRail;
            Insert(pRail->m_nNumber, kRail);
        }
    }
}

std::size_t CBlockNumberIndex::SlotOf(int nKey) const
{
    return std::size_t((std::uint64_t(std::uint32_t(nKey)) * kFibonacci) >> m_nShift);
}

// The first place of the page of nKey, kNoBlock when no block's number lies in that run.
// The page of a number that numbering does not give: only a damaged file has one.
int CBlockNumberIndex::TablePageOf(int nKey) const
{
    if (m_pageSlots.empty())
        return kNoBlock;
    const std::size_t nMask = m_pageSlots.size() - 1;
    for (std::size_t i = SlotOf(nKey);; i = (i + 1) & nMask) {
        const PageSlot& slot = m_pageSlots[i];
        if (slot.nFirst == kNoBlock || slot.nKey == nKey)
            return slot.nFirst;
    }
}

void CBlockNumberIndex::PutPage(const PageSlot& page)
{
    const std::size_t nMask = m_pageSlots.size() - 1;
    std::size_t i = SlotOf(page.nKey);
    while (m_pageSlots[i].nFirst != kNoBlock)
        i = (i + 1) & nMask;
    m_pageSlots[i] = page;
}

// At most two thirds of the page slots in use keeps the probe runs short.
void CBlockNumberIndex::AddTablePage(const PageSlot& page)
{
    if ((m_nTablePages + 1) * 3 > m_pageSlots.size() * 2) {
        const std::vector<PageSlot> old = std::exchange(m_pageSlots, {});
        const std::size_t nSlots = old.empty() ? kFirstPageSlots : old.size() * 2;
        m_pageSlots.assign(nSlots, PageSlot{0, kNoBlock});
        m_nShift = 64 - std::countr_zero(nSlots);
        for (const PageSlot& kept : old) {
            if (kept.nFirst != kNoBlock)
                PutPage(kept);
        }
    }
    PutPage(page);
    ++m_nTablePages;
}

int CBlockNumberIndex::AddPage(int nKey)
{
    const int nFirst = int(m_places.size());
    m_places.resize(m_places.size() + kPageSize, kNoBlock);
    if (unsigned(nKey) < unsigned(kDirectPages))
        m_directPages[std::size_t(nKey)] = nFirst;
    else
        AddTablePage(PageSlot{nKey, nFirst});
    return nFirst;
}

// Numbers are split by an arithmetic shift, so that negative ones have runs of their own.
void CBlockNumberIndex::Insert(int nNumber, int nPlace)
{
    const int nKey = nNumber >> kPageBits;
    int nFirst = PageOf(nKey);
    if (nFirst == kNoBlock)
        nFirst = AddPage(nKey);
    int& place = m_places[std::size_t(nFirst) + std::size_t(nNumber & (kPageSize - 1))];
    if (place == kNoBlock)
        place = nPlace;
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

bool CBlockNumberIndex::FindOutput(int nNumber, int* pState) const
{
    const int nPlace = PlaceOf(nNumber);
    if (nPlace == kNoBlock)
        return false;
    // The power rail stands before the list and has no copy.
    if (m_bScanning && nPlace >= 0) {
        const Copy& copy = m_copies[std::size_t(nPlace)];
        if (copy.nFlags & kStepped) {
            // A writer of another block's output that does not tell the index shows here in
            // the tests' builds.
            assert(copy.nOutput == m_order[std::size_t(nPlace)]->m_nPinValue[BLOCK_FIRST_OUTPUT]);
            *pState = copy.nOutput;
            return true;
        }
    }
    *pState = BlockOfPlace(nPlace)->m_nPinValue[BLOCK_FIRST_OUTPUT];
    return true;
}

void CBlockNumberIndex::FindValue(int nNumber, WORD* pValue) const
{
    const int nPlace = PlaceOf(nNumber);
    if (nPlace == kNoBlock)
        return;
    // The rail, and every block of a load's index, which keeps no copies.
    if (nPlace == kRail || std::size_t(nPlace) >= m_copies.size()) {
        const CBlockObj& block = *BlockOfPlace(nPlace);
        *pValue = InputValueOf(block, InputValueKindOf(block));
        return;
    }
    const Copy& copy = m_copies[std::size_t(nPlace)];
    if (m_bScanning && (copy.nFlags & kValueKept)) {
        // A writer of another block's value that does not tell the index shows here in the
        // tests' builds.
        assert(copy.wValue == InputValueOf(*m_order[std::size_t(nPlace)], copy.valueKind));
        *pValue = copy.wValue;
        return;
    }
    *pValue = InputValueOf(*m_order[std::size_t(nPlace)], copy.valueKind);
}

void CBlockNumberIndex::BeginScan() const
{
    assert(m_copies.size() == m_order.size() && "a load's index does not scan");
    // An index that outlives a scan (the view's, for the scan and the drawing) forgets the
    // copies of the last one: clicks and the clock change blocks between scans.
    if (m_bCopiesTaken) {
        for (Copy& copy : m_copies)
            copy.nFlags = 0;
    }
    m_bCopiesTaken = false;
    m_bScanning = true;
}

// Only the kinds whose value is the block's own and lies in what its step touched are copied:
// taking every block's running time would fetch a line of every block for the few readers.
void CBlockNumberIndex::NoteStepped(std::size_t i) const
{
    Copy& copy = m_copies[i];
    const CBlockObj& block = *m_order[i];
    copy.nOutput = block.m_nPinValue[BLOCK_FIRST_OUTPUT];
    m_bCopiesTaken = true;
    const bool bValueKept =
        copy.valueKind == InputValueKind::AnalogValue || copy.valueKind == InputValueKind::HeldValue;
    copy.nFlags = bValueKept ? kStepped | kValueKept : kStepped;
    if (bValueKept)
        copy.wValue = InputValueOf(block, copy.valueKind);
}

void CBlockNumberIndex::NoteOutputSet(const CBlockObj& block) const
{
    if (!m_bScanning)
        return;
    const int nPlace = PlaceOf(block.m_nNumber);
    if (nPlace >= 0 && m_order[std::size_t(nPlace)] == &block &&
        (m_copies[std::size_t(nPlace)].nFlags & kStepped))
        m_copies[std::size_t(nPlace)].nOutput = block.m_nPinValue[BLOCK_FIRST_OUTPUT];
}

std::vector<CBlockObj*> CBlockNumberIndex::FindInNumberRange(int nFirst, int nLast) const
{
    // The rail's place sorts before every ordinal, as it stands before the list.
    std::vector<int> found;
    for (std::int64_t nNumber = nFirst; nNumber <= nLast; ++nNumber) {
        const int nPlace = PlaceOf(int(nNumber));
        if (nPlace != kNoBlock)
            found.push_back(nPlace);
    }
    std::sort(found.begin(), found.end());
    std::vector<CBlockObj*> blocks;
    blocks.reserve(found.size());
    for (int nPlace : found)
        blocks.push_back(BlockOfPlace(nPlace));
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
