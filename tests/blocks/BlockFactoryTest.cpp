#include "BlockObjTest.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockPinKindTable.h"
#include "blocks/BlockTypes.h"

#include <gtest/gtest.h>

#include <cstring>

namespace {

std::unique_ptr<CBlockObj> Create(int nType, int* pSlots = nullptr)
{
    return std::unique_ptr<CBlockObj>(CreateBlockForType(nType, pSlots));
}

// Every code of the catalogue gives its own class, with the class's input count and the
// factory's size, and is registered for loading by name.
TEST(BlockFactory, EveryCatalogueCodeCreatesItsClass)
{
    RegisterBlockClasses();
    ASSERT_EQ(BlockCatalogue().size(), std::size_t(BLOCK_PINKIND_ROWS));
    for (const BlockCatalogueEntry& entry : BlockCatalogue()) {
        auto pBlock = Create(entry.nType);
        ASSERT_NE(pBlock, nullptr);
        EXPECT_STREQ(pBlock->GetRuntimeClass()->m_lpszClassName, entry.pszClassName)
            << entry.nType;
        EXPECT_EQ(pBlock->m_nType, entry.nType);
        EXPECT_EQ(pBlock->m_nInputs, entry.nInputs) << entry.nType;
        EXPECT_EQ(pBlock->m_nWidth, 25);
        EXPECT_EQ(pBlock->m_nHeight, entry.nInputs == 4 ? 40 : 36) << entry.nType;
        EXPECT_NE(PinKindRow(entry.nType), -1) << entry.nType;
        EXPECT_EQ(CRuntimeClass::FromName(entry.pszClassName), pBlock->GetRuntimeClass())
            << entry.pszClassName;
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
    EXPECT_EQ(FindCatalogueEntry(828), nullptr);
    ASSERT_NE(FindCatalogueEntry(911), nullptr);
    EXPECT_STREQ(FindCatalogueEntry(911)->pszClassName, "CBlockDataLog");
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

TEST(BlockFactory, TheViewCreatesThroughItsSlots)
{
    CVetlaView view;
    view.m_bMsgTextUsed[0] = 1;
    std::unique_ptr<CBlockObj> pBlock(view.CreateBlockObject(BT_MSGTEXT));
    EXPECT_EQ(pBlock->m_nParamEx[MSGTEXT_SLOT_PARAMEX], 1);
    EXPECT_EQ(view.m_bMsgTextUsed[1], 1);
}

}  // namespace
