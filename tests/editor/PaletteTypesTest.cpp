#include "editor/PaletteTypes.h"

#include "blocks/BlockTypeTable.h"

#include <gtest/gtest.h>

#include <set>
#include <vector>

namespace {

std::vector<UINT> Codes(int nList)
{
    std::vector<UINT> codes;
    const CUIntArray& list = g_paletteTypeLists[nList];
    for (INT_PTR i = 0; i < list.GetSize(); ++i)
        codes.push_back(list[i]);
    return codes;
}

TEST(PaletteTypes, ASecondBuildStartsFromNothing)
{
    InitPaletteTypeLists();
    g_paletteTypeLists[PALETTE_PROFILE].Add(999);
    g_paletteTypeLists[PALETTE_BASIC].RemoveAll();
    InitPaletteTypeLists();
    EXPECT_EQ(Codes(PALETTE_PROFILE), std::vector<UINT>{911});
    EXPECT_EQ(Codes(PALETTE_BASIC).size(), 8u);
}

struct TabCase {
    int nTab;
    BYTE byModel;
    BOOL bLadder;
    int nList;
};

class PaletteTabTest : public testing::TestWithParam<TabCase> {};

TEST_P(PaletteTabTest, ListByTabModelAndDocumentKind)
{
    const TabCase& c = GetParam();
    EXPECT_EQ(PaletteListOfTab(c.nTab, c.byModel, c.bLadder), c.nList);
}

INSTANTIATE_TEST_SUITE_P(
    Tabs, PaletteTabTest,
    testing::Values(TabCase{PALETTE_TAB_BSC, 0x11, FALSE, PALETTE_BASIC},
                    TabCase{PALETTE_TAB_BSC, 0x51, TRUE, PALETTE_BASIC},
                    TabCase{PALETTE_TAB_TMR, 0x00, FALSE, PALETTE_TIMERS},
                    TabCase{PALETTE_TAB_IO, 0x50, FALSE, PALETTE_IO_OLDER},
                    TabCase{PALETTE_TAB_IO, 0x51, FALSE, PALETTE_IO_NEWER},
                    TabCase{PALETTE_TAB_IO, 0x10, FALSE, -1},
                    TabCase{PALETTE_TAB_IO, 0x10, TRUE, PALETTE_LADDER},
                    TabCase{PALETTE_TAB_MISC, 0x10, FALSE, -1},
                    TabCase{PALETTE_TAB_MISC, 0x21, TRUE, PALETTE_MISC_OLDER},
                    TabCase{PALETTE_TAB_MISC, 0x50, FALSE, PALETTE_MISC_OLDER},
                    TabCase{PALETTE_TAB_MISC, 0x51, FALSE, PALETTE_MISC_NEWER},
                    TabCase{PALETTE_TAB_MISC, 0x52, FALSE, PALETTE_MISC_WIFI},
                    TabCase{PALETTE_TAB_MISC, 0x53, FALSE, PALETTE_MISC_NEWER},
                    TabCase{PALETTE_TAB_AUX, 0x51, FALSE, PALETTE_AUX},
                    TabCase{PALETTE_TAB_PROFILE, 0x51, FALSE, PALETTE_PROFILE},
                    TabCase{7, 0x51, FALSE, -1}, TabCase{-1, 0x51, FALSE, -1}));

} // namespace

// Every code a palette page offers is a placeable type with a row that gives the page its
// symbol, name and pins, and each row offered on a page is on one of its lists.
TEST(PaletteTypes, EveryOfferedCodeHasAPlaceableRowWithASymbol)
{
    InitPaletteTypeLists();
    std::set<int> offered;
    for (int nList = 0; nList < PALETTE_LIST_COUNT; ++nList) {
        for (UINT nCode : Codes(nList)) {
            const BlockTypeRow* pRow = FindBlockType(int(nCode));
            ASSERT_NE(pRow, nullptr) << nCode;
            EXPECT_NE(pRow->palette.group, PaletteGroup::None) << nCode;
            EXPECT_NE(pRow->palette.pszSymbol, nullptr) << nCode;
            EXPECT_NE(pRow->texts.nNameId, 0u) << nCode;
            EXPECT_TRUE(pRow->placement.bPlaceable) << nCode;
            offered.insert(int(nCode));
        }
    }
    for (const BlockTypeRow& row : BlockTypeRows())
        EXPECT_EQ(offered.count(row.nType) == 1, row.palette.group != PaletteGroup::None) << row.nType;
}
