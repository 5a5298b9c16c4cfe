// CBlockNumberIndex: while it lives, the document's FindBlockByNumber answers from a table of
// number to block instead of walking the list, and a ladder document's contacts are found by
// their operand and the parallel branches into an input by the input. A load resolves every wire
// end and reference by number, and a simulation scan reads every connected input by number; both
// run over a block list and block numbers that do not change while they run, and only such
// stretches may use the index.
//
// A scan's index is kept by the document when it ends, and the next one takes it over when the
// document's blocks, numbers, contacts' operands and wires are still what it indexed (one walk
// of the lists), so that a running simulation does not rebuild it at every step.
#pragma once

#include "blocks/BlockNumberLookup.h"
#include "blocks/InputValue.h"
#include "blocks/LadderFeed.h"
#include "platform/core/Types.h"

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <typeinfo>
#include <unordered_map>
#include <utility>
#include <vector>

class CBlockObj;
class CConnectLineObj;
class CVetlaDoc;

// What an index holds, and what it was made of so that a later scan can tell whether it still
// holds.
struct BlockNumberTables {
    // A block of the list as it was indexed.
    struct Entry {
        CBlockObj* pBlock;
        const std::type_info* pClass;
        int nNumber;
    };
    // What a number finds: the first block of the number (or the rail), its place in the list
    // (kRail for the rail), what a wire from it carries as an analog value, and whether it is
    // a Female, whose wires carry what feeds its pair.
    struct Found {
        CBlockObj* pBlock;
        int nPlace;
        InputValueKind valueKind;
        bool bFemale;
    };
    struct Wire {
        const CConnectLineObj* pLine;
        LadderFeed feed;
    };

    // The place of the rail, which stands before the list.
    static constexpr int kRail = -1;

    // Whether the document's lists, numbers and contacts' operands are still those indexed.
    bool Matches(const CVetlaDoc& doc) const;

    bool bLadder = false;
    CBlockObj* pRail = nullptr;
    int nRailNumber = 0;
    std::vector<Entry> entries;             // the blocks in list order
    std::vector<Wire> wires;                // a ladder document's, in list order
    // What each number of the numbering's space finds: an entry of found, kNone for none. A
    // plain table, filled without a node per block as a load builds one for every file; numbers
    // outside the space (only a damaged file's) are found by a walk of the list instead.
    static constexpr std::int32_t kNone = -1;
    std::vector<std::int32_t> slots;
    std::vector<Found> found;
    std::unordered_map<int, std::vector<CBlockObj*>> contacts;
    std::map<std::pair<const CBlockObj*, int>, std::vector<CBlockObj*>> parallelFeeds;
};

class CBlockNumberIndex final : public IBlockNumberIndex {
public:
    // Indexes the document's blocks as they stand (or takes over the index the document kept
    // from its last scan, when that still holds): the first block of each number, the ladder
    // power rail before the blocks, as FindBlockByNumber takes them.
    explicit CBlockNumberIndex(CVetlaDoc& doc);
    // A block of the list and its number.
    struct NumberedBlock {
        CBlockObj* pBlock;
        int nNumber;
    };
    // An index that only finds blocks by number, without the contacts and the parallel feeds: a
    // load's, from the blocks in list order as it read them, so that they need not be visited
    // again. The rail is taken from the document. Not kept.
    CBlockNumberIndex(CVetlaDoc& doc, const std::vector<NumberedBlock>& blocks);
    // The document goes back to the index it had before (usually none).
    ~CBlockNumberIndex();

    CBlockNumberIndex(const CBlockNumberIndex&) = delete;
    CBlockNumberIndex& operator=(const CBlockNumberIndex&) = delete;

    CBlockObj* Find(int nNumber) const override;
    bool FindOutput(int nNumber, int* pState) const override;
    void FindValue(int nNumber, WORD* pValue) const override;

    // The scan steps the blocks in list order from the index's array of them.
    std::size_t BlockCount() const { return m_pTables->entries.size(); }
    CBlockObj& BlockAt(std::size_t i) const { return *m_pTables->entries[i].pBlock; }
    // The blocks numbered nFirst to nLast (the first of each number), in the order they stand
    // in the block list: a few lookups instead of a walk of the whole list.
    std::vector<CBlockObj*> FindInNumberRange(int nFirst, int nLast) const;
    const std::vector<CBlockObj*>& ContactsOn(int nOperand) const override;
    const std::vector<CBlockObj*>* ParallelFeeds(const CBlockObj* pBlock, int nPin) const override;

private:
    // Null for none, and for a number outside the numbering's space.
    const BlockNumberTables::Found* Lookup(int nNumber) const;
    // The block whose output a wire from block nNumber carries: the block, or across a
    // connector pair the block that feeds it; null when no block has the number.
    CBlockObj* FindWireSource(int nNumber) const;

    CVetlaDoc& m_doc;
    const CBlockNumberIndex* m_pPrevious;
    std::unique_ptr<BlockNumberTables> m_pTables;
    // A scan's index, which the document keeps for the next one.
    bool m_bKept = false;
};
