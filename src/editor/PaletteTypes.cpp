#include "editor/PaletteTypes.h"

#include <initializer_list>
#include <vector>

CUIntArray g_paletteTypeLists[PALETTE_LIST_COUNT];

namespace {

constexpr BYTE kFirstModel = 0x11;
constexpr BYTE kFirstNewerModel = 0x51;
constexpr BYTE kWifiModel = 0x52;

std::vector<UINT> Range(UINT nFirst, UINT nLast)
{
    std::vector<UINT> codes;
    for (UINT nCode = nFirst; nCode <= nLast; ++nCode)
        codes.push_back(nCode);
    return codes;
}

std::vector<UINT> Join(std::initializer_list<std::vector<UINT>> parts)
{
    std::vector<UINT> codes;
    for (const std::vector<UINT>& part : parts)
        codes.insert(codes.end(), part.begin(), part.end());
    return codes;
}

// The codes of each list in the order the palette shows them.
std::vector<UINT> CodesOf(int nList)
{
    const std::vector<UINT> miscNewer = {800, 801, 802, 815, 803, 804, 805, 806, 807, 816, 817, 818,
                                         819, 820, 821, 822, 808, 809, 810, 812, 823, 813, 814};
    switch (nList) {
    case PALETTE_BASIC:
        return Range(300, 307);
    case PALETTE_TIMERS:
        return Range(400, 413);
    case PALETTE_LADDER:
        return Range(700, 705);
    case PALETTE_IO_OLDER:
        return Join({{600}, Range(602, 610)});
    case PALETTE_IO_NEWER:
        return Join({{600, 611}, Range(602, 610)});
    case PALETTE_MISC_OLDER:
        return Join({Range(800, 810), {812, 813, 814}});
    case PALETTE_MISC_NEWER:
        return miscNewer;
    case PALETTE_MISC_WIFI:
        return Join({miscNewer, Range(824, 827)});
    case PALETTE_AUX:
        return Range(830, 856);
    case PALETTE_MATH:
        return Range(860, 879);
    case PALETTE_PROFILE:
        return {911};
    }
    return {};
}

} // namespace

void InitPaletteTypeLists()
{
    for (int nList = 0; nList < PALETTE_LIST_COUNT; ++nList) {
        const std::vector<UINT> codes = CodesOf(nList);
        CUIntArray& list = g_paletteTypeLists[nList];
        list.RemoveAll();
        list.SetSize(INT_PTR(codes.size()));
        for (std::size_t i = 0; i < codes.size(); ++i)
            list.SetAt(INT_PTR(i), codes[i]);
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
