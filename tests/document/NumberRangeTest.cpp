// The blocks of a run of numbers, as the array and CRC blocks read them on every scan: from the
// scan's number index the same blocks in the same (list) order as from a walk of the list.
#include "DocTestSupport.h"

#include "blocks/BlockTypes.h"
#include "document/BlockNumberIndex.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

TEST(NumberRange, IndexAndWalkGiveTheBlocksInListOrder)
{
    RegisterBlockClasses();
    CVetlaDoc doc;
    std::vector<CBlockObj*> flags;
    for (int nNumber : {4291, 4288, 4300, 4290}) {
        flags.push_back(AddNew(doc, BT_ANALOG_FLAG));
        flags.back()->m_nNumber = nNumber;
    }
    AddNew(doc, BT_AND)->m_nNumber = 4289;  // in the run, though no flag

    const std::vector<CBlockObj*> walked = doc.FindBlocksInNumberRange(4288, 4291);
    std::vector<CBlockObj*> indexed;
    {
        const CBlockNumberIndex index(doc);
        indexed = doc.FindBlocksInNumberRange(4288, 4291);
        EXPECT_TRUE(doc.FindBlocksInNumberRange(4301, 4400).empty());
    }
    EXPECT_EQ(walked, indexed);
    ASSERT_EQ(indexed.size(), 4u);
    EXPECT_EQ(std::vector<CBlockObj*>(indexed.begin(), indexed.begin() + 3),
              (std::vector<CBlockObj*>{flags[0], flags[1], flags[3]}));
    EXPECT_EQ(indexed[3]->m_nNumber, 4289);
}

// The index answers every number as the walk of the list does: the first block of a number
// where several share it, nothing for a number no block has, whatever the numbers (negative,
// zero, far apart, or crowded into the same slots of the index's table); a run of numbers
// reaching beyond the numbering's space, as the walk does, every block of it.
TEST(NumberRange, IndexFindsWhatTheWalkFinds)
{
    RegisterBlockClasses();
    CVetlaDoc doc;
    std::vector<int> numbers = {0, -1, 9001, 9001, 1 << 30, -(1 << 30), 7, 7, 7, INT32_MAX, INT32_MIN};
    for (int i = 0; i < 200; ++i)
        numbers.push_back(i * 1024);  // spaced as hashing by the low bits would crowd them
    for (int k = 1; k <= 64; ++k)
        numbers.push_back(k << 20);
    for (int nNumber : numbers)
        AddNew(doc, BT_AND)->m_nNumber = nNumber;

    std::vector<int> probes = numbers;
    for (int nAbsent : {1, -2, 9002, 1023, 1025, 204800, 1 << 29, 65 << 20, INT32_MAX - 1})
        probes.push_back(nAbsent);
    std::vector<CBlockObj*> walked;
    for (int nNumber : probes)
        walked.push_back(doc.FindBlockByNumber(nNumber));
    const std::vector<CBlockObj*> walkedRun = doc.FindBlocksInNumberRange(-(1 << 30), 0);
    const CBlockNumberIndex index(doc);
    for (std::size_t i = 0; i < probes.size(); ++i)
        EXPECT_EQ(doc.FindBlockByNumber(probes[i]), walked[i]) << "number " << probes[i];
    EXPECT_EQ(doc.FindBlocksInNumberRange(-(1 << 30), 0), walkedRun);
    EXPECT_EQ(doc.FindBlockByNumber(1), nullptr);
}

}  // namespace
