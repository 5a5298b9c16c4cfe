#include "editor/PaletteTypes.h"

#include "blocks/BlockTypeTable.h"

#include <algorithm>
#include <vector>

CUIntArray g_paletteTypeLists[PALETTE_LIST_COUNT];

namespace {

constexpr BYTE kFirstModel = 0x11;
constexpr BYTE kFirstNewerModel = 0x51;
constexpr BYTE kWifiModel = 0x52;

// The page of each list and, for the pages that differ by controller generation, the
// generation whose palette the list is.
struct ListRule {
    PaletteGroup group;
    BYTE byGeneration;  // 0: the page is the same for every generation
};

constexpr ListRule kListRules[PALETTE_LIST_COUNT] = {
    {PaletteGroup::Basic, 0},          {PaletteGroup::Timers, 0},       {PaletteGroup::Ladder, 0},
    {PaletteGroup::IO, GEN_OLDER},     {PaletteGroup::IO, GEN_NEWER},   {PaletteGroup::Misc, GEN_OLDER},
    {PaletteGroup::Misc, GEN_NEWER},   {PaletteGroup::Misc, GEN_WIFI},  {PaletteGroup::Aux, 0},
    {PaletteGroup::Math, 0},           {PaletteGroup::Profile, 0},
};

// The rows of each list in the order the palette shows them.
std::vector<const BlockTypeRow*> RowsOf(int nList)
{
    const ListRule& rule = kListRules[nList];
    std::vector<const BlockTypeRow*> rows;
    for (const BlockTypeRow& row : BlockTypeRows()) {
        if (row.palette.group == rule.group && (rule.byGeneration == 0 || (row.byGenerations & rule.byGeneration)))
            rows.push_back(&row);
    }
    std::ranges::stable_sort(rows, {}, [](const BlockTypeRow* pRow) { return pRow->palette.nOrder; });
    return rows;
}

} // namespace

void InitPaletteTypeLists()
{
    for (int nList = 0; nList < PALETTE_LIST_COUNT; ++nList) {
        const std::vector<const BlockTypeRow*> rows = RowsOf(nList);
        CUIntArray& list = g_paletteTypeLists[nList];
        list.RemoveAll();
        list.SetSize(INT_PTR(rows.size()));
        for (std::size_t i = 0; i < rows.size(); ++i)
            list.SetAt(INT_PTR(i), UINT(rows[i]->nType));
    }
}

int PaletteListOfTab(int nTab, BYTE byModel, BOOL bLadder)
{
    const BOOL bNewer = byModel >= kFirstNewerModel;
    switch (nTab) {
    case PALETTE_TAB_BSC:
        return PALETTE_BASIC;
    case PALETTE_TAB_TMR:
        return PALETTE_TIMERS;
    case PALETTE_TAB_IO:
        if (bLadder)
            return PALETTE_LADDER;
        if (byModel < kFirstModel)
            return -1;
        return bNewer ? PALETTE_IO_NEWER : PALETTE_IO_OLDER;
    case PALETTE_TAB_MISC:
        if (byModel < kFirstModel)
            return -1;
        if (!bNewer)
            return PALETTE_MISC_OLDER;
        return byModel == kWifiModel ? PALETTE_MISC_WIFI : PALETTE_MISC_NEWER;
    case PALETTE_TAB_AUX:
        return PALETTE_AUX;
    case PALETTE_TAB_MATH:
        return PALETTE_MATH;
    case PALETTE_TAB_PROFILE:
        return PALETTE_PROFILE;
    }
    return -1;
}
