#include "BlockObjTest.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"

#include <gtest/gtest.h>

#include <cstring>
#include <ranges>

namespace {

std::unique_ptr<CBlockObj> Create(int nType, int* pSlots = nullptr)
{
    return std::unique_ptr<CBlockObj>(CreateBlockForType(nType, pSlots, nullptr));
}

// Every code the factory makes gives its row's class, with the row's input count and the
// factory's size, and is registered for loading by name.
TEST(BlockFactory, EveryFactoryCodeCreatesItsClass)
{
    RegisterBlockClasses();
    EXPECT_EQ(std::ranges::distance(FactoryTypeRows()), 118);
    for (const BlockTypeRow& row : FactoryTypeRows()) {
        auto pBlock = Create(row.nType);
        ASSERT_NE(pBlock, nullptr);
        EXPECT_EQ(pBlock->GetRuntimeClass(), row.cls.pClass) << row.nType;
        EXPECT_EQ(pBlock->m_nType, row.nType);
        EXPECT_EQ(pBlock->m_nInputs, row.pins.nInputs) << row.nType;
        EXPECT_EQ(pBlock->m_nWidth, 25);
        EXPECT_EQ(pBlock->m_nHeight, row.pins.nInputs == 4 ? 40 : 36) << row.nType;
        EXPECT_EQ(CRuntimeClass::FromName(row.cls.pClass->m_lpszClassName), pBlock->GetRuntimeClass())
            << row.cls.pClass->m_lpszClassName;
    }
}

TEST(BlockFactory, CodesWithoutAClassGivePlainFourInputBlocks)
{
    for (int nType : {BT_CURSOR_KEY, BT_SOFTKEY, BT_MALE, BT_FEMALE, 828, 829, 857, 859, 880, 899,
                      902, 910, 951, 0, -3, 5000}) {
        auto pBlock = Create(nType);
        EXPECT_EQ(pBlock->GetRuntimeClass(), RUNTIME_CLASS(CBlockObj)) << nType;
        EXPECT_EQ(pBlock->m_nType, nType);
        EXPECT_EQ(pBlock->m_nInputs, 4);
        EXPECT_EQ(pBlock->m_nHeight, 40);
    }
    EXPECT_EQ(FindBlockType(828), nullptr);
    ASSERT_NE(FindBlockType(911), nullptr);
    EXPECT_STREQ(FindBlockType(911)->cls.pClass->m_lpszClassName, "CBlockDataLog");
}

TEST(BlockFactory, MessageTextsClaimTheLowestFreeSlot)
{
    int slots[MSGTEXT_SLOT_COUNT] = {};
    std::vector<std::unique_ptr<CBlockObj>> blocks;
    for (int i = 0; i < MSGTEXT_SLOT_COUNT; ++i) {
        blocks.push_back(Create(BT_MSGTEXT, slots));
        EXPECT_EQ(blocks.back()->m_nParamEx[MSGTEXT_SLOT_PARAMEX], i);
    }
    auto pSeventeenth = Create(BT_MSGTEXT, slots);
    EXPECT_EQ(pSeventeenth->m_nParamEx[MSGTEXT_SLOT_PARAMEX], -1) << "all taken: the constructor's -1 stays";
    slots[3] = 0;
    EXPECT_EQ(Create(BT_MSGTEXT, slots)->m_nParamEx[MSGTEXT_SLOT_PARAMEX], 3);
    EXPECT_EQ(slots[3], 1);

    // Other codes leave the slots alone.
    slots[5] = 0;
    Create(BT_AND, slots);
    EXPECT_EQ(slots[5], 0);
}

}  // namespace
