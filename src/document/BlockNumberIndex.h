// CBlockNumberIndex: while it lives, the document's FindBlockByNumber answers from an index of
// the block list instead of walking the list, and a ladder document's contacts are found by
// their operand, so that an element whose state changed updates its contacts directly. A load resolves every wire end and reference by
// number, and a simulation scan reads every connected input by number; both run over a block
// list and block numbers that do not change while they run, and only such stretches may use
// the index.
#pragma once

#include <cstddef>
#include <map>
#include <unordered_map>
#include <utility>
#include <vector>

class CBlockObj;
class CVetlaDoc;

class CBlockNumberIndex {
public:
    // Indexes the document's blocks as they stand: the first block of each number, the ladder
    // power rail before the blocks, as FindBlockByNumber takes them.
    explicit CBlockNumberIndex(CVetlaDoc& doc);
    // The document goes back to the index it had before (usually none).
    ~CBlockNumberIndex();

    CBlockNumberIndex(const CBlockNumberIndex&) = delete;
    CBlockNumberIndex& operator=(const CBlockNumberIndex&) = delete;

    CBlockObj* Find(int nNumber) const;
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

    // A block with its place in the list (-1 for the power rail, which stands before it).
    struct Entry {
        CBlockObj* pBlock;
        int nOrdinal;
        int nNumber;
    };

    // The blocks by number in one open-addressed table (a null block marks a free slot): a node
    // allocated per block cost as much as a load's reading of the wires that look them up.
    // The first block of a number is kept.
    void Insert(const Entry& entry);
    const Entry* FindEntry(int nNumber) const;
    std::size_t SlotOf(int nNumber) const;

    CVetlaDoc& m_doc;
    const CBlockNumberIndex* m_pPrevious;
    std::vector<Entry> m_slots;
    int m_nShift = 64;
    std::unordered_map<int, std::vector<CBlockObj*>> m_contacts;
    std::map<std::pair<const CBlockObj*, int>, std::vector<CBlockObj*>> m_parallelFeeds;
};
