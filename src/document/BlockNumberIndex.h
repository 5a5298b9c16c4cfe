// CBlockNumberIndex: while it lives, the document's FindBlockByNumber answers from an index of
// the block list instead of walking the list, and a ladder document's contacts are found by
// their operand, so that an element whose state changed updates its contacts directly. A load resolves every wire end and reference by
// number, and a simulation scan reads every connected input by number; both run over a block
// list and block numbers that do not change while they run, and only such stretches may use
// the index.
#pragma once

#include "blocks/InputValue.h"
#include "platform/core/Types.h"

#include <array>
#include <cstddef>
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

class CBlockObj;
class CVetlaDoc;

// The output state that a wire from block nNumber carries in pDoc, from the document's index
// while it has one; false when pDoc is null or holds no block of that number.
bool FindOutputState(const CVetlaDoc* pDoc, int nNumber, int* pState);
// The analog value that a wire from block nNumber carries in pDoc (see InputValue.h), likewise;
// *pValue stays as it was when there is no such block.
void FindInputValue(const CVetlaDoc* pDoc, int nNumber, WORD* pValue);

class CBlockNumberIndex {
public:
    // Indexes the document's blocks as they stand: the first block of each number, the ladder
    // power rail before the blocks, as FindBlockByNumber takes them.
    explicit CBlockNumberIndex(CVetlaDoc& doc);
    // A block of the list and its number.
    struct NumberedBlock {
        CBlockObj* pBlock;
        int nNumber;
    };
    // An index that only finds blocks by number, without the scan's copies or the contacts: a
    // load's, from the blocks in list order as it read them, so that they need not be visited
    // again. The rail is taken from the document.
    CBlockNumberIndex(CVetlaDoc& doc, const std::vector<NumberedBlock>& blocks);
    // The document goes back to the index it had before (usually none).
    ~CBlockNumberIndex();

    CBlockNumberIndex(const CBlockNumberIndex&) = delete;
    CBlockNumberIndex& operator=(const CBlockNumberIndex&) = delete;

    // Inline: a load resolves every wire end through it, thousands of lookups a file.
    CBlockObj* Find(int nNumber) const { return BlockOfPlace(PlaceOf(nNumber)); }
    // The output state that a wire from block nNumber carries; false when no block has the
    // number. During a scan, once the source has stepped, the state is the index's copy, so
    // that the reader need not reach the source block: the sources lie anywhere in memory, and
    // fetching each one's lines made a large diagram's scan slower per block than a small one's.
    bool FindOutput(int nNumber, int* pState) const;
    // The analog value that a wire from block nNumber carries, from the copy of a block that
    // keeps its own value (an analog function block, input, output or flag) once it stepped.
    void FindValue(int nNumber, WORD* pValue) const;

    // The scan steps the blocks in list order from the index's own array of them.
    std::size_t BlockCount() const { return m_order.size(); }
    CBlockObj& BlockAt(std::size_t i) const { return *m_order[i]; }
    // The scan's stretch: each block's copy is taken after its step, and readers take the
    // copies until the scan ends; a block that has not stepped yet in this scan is read itself.
    // The copies are a cache of the blocks' own states, kept by a const index as well.
    void BeginScan() const;
    void NoteStepped(std::size_t i) const;
    void EndScan() const { m_bScanning = false; }
    // A block set another block's output in its step (a coil its contacts, a register its
    // bits): the copy of that block follows.
    void NoteOutputSet(const CBlockObj& block) const;
    // The blocks numbered nFirst to nLast (the first of each number), in the order they stand
    // in the block list: a few lookups instead of a walk of the whole list.
    std::vector<CBlockObj*> FindInNumberRange(int nFirst, int nLast) const;
    // The make and break contacts (and kinds of them) that read nOperand, in list order.
    const std::vector<CBlockObj*>& ContactsOn(int nOperand) const;
    // In a ladder document, the blocks at the far end of every wire into input nPin of pBlock
    // when more than one wire ends there (parallel branches of a rung); NULL for a pin with
    // one wire or none, which reads its pin source alone.
    const std::vector<CBlockObj*>* ParallelFeeds(const CBlockObj* pBlock, int nPin) const;

private:
    void IndexParallelFeeds();

    // What a number's place in the table holds besides an ordinal (the place in the list).
    static constexpr int kNoBlock = -1;
    static constexpr int kRail = -2;
    // The copy of a block's output state that readers see during a scan: kept apart from the
    // blocks, in list order, so that the copy after each step is written where the scan walks,
    // and eight bytes a block, so that the copies a large diagram's readers reach stay few lines.
    struct Copy {
        int nOutput;
        WORD wValue;
        InputValueKind valueKind;
        // kStepped: the block has stepped in this scan and nOutput is its output; kValueKept:
        // wValue is its value too.
        BYTE nFlags;
    };
    static constexpr BYTE kStepped = 1;
    static constexpr BYTE kValueKept = 2;
    // A run of kPageSize numbers that holds a block, by the run's key (the number shifted down).
    struct PageSlot {
        int nKey;
        // The run's first place in m_places; kNoBlock marks a free slot.
        int nFirst;
    };
    static constexpr int kPageBits = 6;
    static constexpr int kPageSize = 1 << kPageBits;

    // The blocks by number: numbers come in runs (the inputs from 100, the function blocks from
    // 9000, ...), so each run of 64 numbers that holds a block has a page of 64 places. The pages
    // of the numbers that numbering gives (below kDirectPages * 64) are found directly by the
    // run, any other (a damaged file's) by its key in a small open-addressed table. A large
    // diagram's pages are a few kilobytes that a scan's lookups keep in the first-level cache,
    // where a table with a slot per block was as large as that cache and was built and missed
    // in every scan. The first block of a number is kept.
    static constexpr int kDirectPages = 512;
    void StartTables(std::size_t nBlocks);
    void InsertRail();
    void Insert(int nNumber, int nPlace);
    int PlaceOf(int nNumber) const
    {
        const int nFirst = PageOf(nNumber >> kPageBits);
        if (nFirst == kNoBlock)
            return kNoBlock;
        return m_places[std::size_t(nFirst) + std::size_t(nNumber & (kPageSize - 1))];
    }
    int PageOf(int nKey) const
    {
        if (unsigned(nKey) < unsigned(kDirectPages))
            return m_directPages[std::size_t(nKey)];
        return TablePageOf(nKey);
    }
    int TablePageOf(int nKey) const;
    int AddPage(int nKey);
    void AddTablePage(const PageSlot& page);
    void PutPage(const PageSlot& page);
    std::size_t SlotOf(int nKey) const;
    CBlockObj* BlockOfPlace(int nPlace) const
    {
        if (nPlace >= 0)
            return m_order[std::size_t(nPlace)];
        return nPlace == kRail ? m_pRail : nullptr;
    }

    CVetlaDoc& m_doc;
    const CBlockNumberIndex* m_pPrevious;
    CBlockObj* m_pRail = nullptr;
    std::array<int, kDirectPages> m_directPages;
    std::vector<PageSlot> m_pageSlots;
    std::size_t m_nTablePages = 0;
    int m_nShift = 64;
    std::vector<int> m_places;
    std::vector<CBlockObj*> m_order;
    mutable std::vector<Copy> m_copies;
    mutable bool m_bScanning = false;
    // Some block has a copy, which the next scan must forget.
    mutable bool m_bCopiesTaken = false;
    std::unordered_map<int, std::vector<CBlockObj*>> m_contacts;
    std::map<std::pair<const CBlockObj*, int>, std::vector<CBlockObj*>> m_parallelFeeds;
};
