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
    EXPECT_EQ(indexed[0], flags[0]);
    EXPECT_EQ(indexed[1], flags[1]);
    EXPECT_EQ(indexed[2], flags[3]);
    EXPECT_EQ(indexed[3]->m_nNumber, 4289);
}

// The index answers every number as the walk of the list does: the first block of a number
// where several share it, nothing for a number no block has, whatever the numbers (negative,
// zero, far apart, or crowded into the same slots of the index's table).
TEST(NumberRange, IndexFindsWhatTheWalkFinds)
{
    RegisterBlockClasses();
    CVetlaDoc doc;
    std::vector<int> numbers = {0, -1, 9001, 9001, 1 << 30, -(1 << 30), 7, 7, 7};
    for (int i = 0; i < 200; ++i)
        numbers.push_back(i * 1024);  // spaced as hashing by the low bits would crowd them
    for (int nNumber : numbers)
        AddNew(doc, BT_AND)->m_nNumber = nNumber;

    std::vector<int> probes = numbers;
    for (int nAbsent : {1, -2, 9002, 1023, 1025, 204800, 1 << 29})
        probes.push_back(nAbsent);
    std::vector<CBlockObj*> walked;
    for (int nNumber : probes)
        walked.push_back(doc.FindBlockByNumber(nNumber));
    const CBlockNumberIndex index(doc);
    for (std::size_t i = 0; i < probes.size(); ++i)
        EXPECT_EQ(doc.FindBlockByNumber(probes[i]), walked[i]) << "number " << probes[i];
    EXPECT_EQ(doc.FindBlockByNumber(1), nullptr);
}

// The index keeps numbers in runs of 64: the numbers on either side of a run's edge, at the ends
// of the int range and among a run's negative neighbours each find their own block, their
// absent neighbours none, and a range that ends at the largest number stops there.
TEST(NumberRange, RunEdgesAndTheEndsOfTheRangeAreFound)
{
    RegisterBlockClasses();
    CVetlaDoc doc;
    const std::vector<int> numbers = {-65, -64, -1, 0, 63, 64, 128, 9000, 9063, 9064,
                                      INT32_MIN, INT32_MIN + 63, INT32_MAX - 64, INT32_MAX};
    std::vector<CBlockObj*> blocks;
    for (int nNumber : numbers) {
        blocks.push_back(AddNew(doc, BT_AND));
        blocks.back()->m_nNumber = nNumber;
    }
    const CBlockNumberIndex index(doc);
    for (std::size_t i = 0; i < numbers.size(); ++i)
        EXPECT_EQ(doc.FindBlockByNumber(numbers[i]), blocks[i]) << "number " << numbers[i];
    for (int nAbsent : {-66, -63, -2, 1, 62, 65, 127, 129, 8999, 9062, 9065, INT32_MIN + 1, INT32_MIN + 64,
                        INT32_MAX - 63, INT32_MAX - 1})
        EXPECT_EQ(doc.FindBlockByNumber(nAbsent), nullptr) << "number " << nAbsent;
    EXPECT_EQ(doc.FindBlocksInNumberRange(INT32_MAX - 64, INT32_MAX),
              (std::vector<CBlockObj*>{blocks[12], blocks[13]}));
    EXPECT_EQ(doc.FindBlocksInNumberRange(-65, 64),
              (std::vector<CBlockObj*>{blocks[0], blocks[1], blocks[2], blocks[3], blocks[4], blocks[5]}));
}

}  // namespace
