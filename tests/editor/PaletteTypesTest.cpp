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

struct ListCase {
    int nList;
    std::vector<UINT> codes;
};

const std::vector<UINT> kMiscNewer = {800, 801, 802, 815, 803, 804, 805, 806, 807, 816, 817, 818,
                                      819, 820, 821, 822, 808, 809, 810, 812, 823, 813, 814};

std::vector<UINT> MiscWifi()
{
    std::vector<UINT> codes = kMiscNewer;
    codes.insert(codes.end(), {824, 825, 826, 827});
    return codes;
}

const ListCase kLists[] = {
    {PALETTE_BASIC, {300, 301, 302, 303, 304, 305, 306, 307}},
    {PALETTE_TIMERS, {400, 401, 402, 403, 404, 405, 406, 407, 408, 409, 410, 411, 412, 413}},
    {PALETTE_LADDER, {700, 701, 702, 703, 704, 705}},
    {PALETTE_IO_OLDER, {600, 602, 603, 604, 605, 606, 607, 608, 609, 610}},
    {PALETTE_IO_NEWER, {600, 611, 602, 603, 604, 605, 606, 607, 608, 609, 610}},
    {PALETTE_MISC_OLDER, {800, 801, 802, 803, 804, 805, 806, 807, 808, 809, 810, 812, 813, 814}},
    {PALETTE_MISC_NEWER, kMiscNewer},
    {PALETTE_MISC_WIFI, MiscWifi()},
    {PALETTE_AUX, {830, 831, 832, 833, 834, 835, 836, 837, 838, 839, 840, 841, 842, 843,
                   844, 845, 846, 847, 848, 849, 850, 851, 852, 853, 854, 855, 856}},
    {PALETTE_MATH, {860, 861, 862, 863, 864, 865, 866, 867, 868, 869,
                    870, 871, 872, 873, 874, 875, 876, 877, 878, 879}},
    {PALETTE_PROFILE, {911}},
};

TEST(PaletteTypes, EveryListHoldsItsCodesInPaletteOrder)
{
    InitPaletteTypeLists();
    for (const ListCase& c : kLists)
        EXPECT_EQ(Codes(c.nList), c.codes) << "list " << c.nList;
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
