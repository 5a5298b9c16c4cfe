#include "editor/PlacementRules.h"

#include "blocks/BlockTypes.h"

#include <algorithm>
#include <iterator>

namespace {

// An unset range (of a row shorter than the longest) holds no code.
struct CodeRange {
    int nFirst = 1;
    int nLast = 0;

    constexpr bool Contains(int nType) const { return nType >= nFirst && nType <= nLast; }
};

template <class Ranges>
constexpr bool InAny(const Ranges& ranges, int nType)
{
    return std::any_of(std::begin(ranges), std::end(ranges),
                       [nType](const CodeRange& range) { return range.Contains(nType); });
}

// One row per size: the codes a new block is counted with that many bytes. The memory check
// counts by this table, not by the size the block's class gives it.
struct ProgramSizeRow {
    WORD wOlder;
    WORD wNewer;
    CodeRange codes[12];
};

constexpr ProgramSizeRow kProgramSizes[] = {
    {4, 4, {{307, 307}}},
    {8, 8, {{306, 306}, {400, 400}, {404, 404}, {808, 808}, {810, 811}, {820, 820}, {831, 833},
            {838, 843}, {846, 846}, {860, 863}, {866, 868}, {871, 872}}},
    {10, 10, {{853, 854}}},
    {12, 12, {{300, 305}, {401, 403}, {406, 408}, {805, 805}, {809, 809}, {824, 827}, {844, 845},
              {847, 847}, {851, 851}, {864, 865}, {869, 870}, {873, 878}}},
    {16, 16, {{405, 405}, {409, 409}, {412, 413}, {802, 802}, {804, 804}, {807, 807}, {821, 823},
              {830, 830}, {849, 849}, {856, 856}}},
    {18, 18, {{813, 813}, {852, 852}}},
    {20, 20, {{410, 410}, {806, 806}, {815, 816}}},
    {22, 22, {{850, 850}}},
    {24, 24, {{800, 801}, {803, 803}, {819, 819}, {848, 848}, {855, 855}}},
    {28, 28, {{817, 818}}},
    {8, 14, {{411, 411}}},
    {12, 16, {{812, 812}}},
    {18, 22, {{814, 814}}},
};

struct RefusalText {
    int nType;
    UINT nStringId;
};

constexpr RefusalText kRefusals[] = {
    {BT_WT, 591},          {BT_IN, 570},          {BT_CURSOR_KEY, 579},  {BT_SHIFT, 580},
    {BT_LOW, 583},         {BT_HIGH, 584},        {BT_OUT, 571},         {BT_OPENX, 581},
    {BT_FLAG, 582},        {BT_ANALOG_IN, 585},   {BT_ANALOG_OUT, 586},  {BT_ANALOG_FLAG, 587},
    {BT_FKEY, 605},        {BT_MAKE, 603},        {BT_BREAK, 606},       {BT_ACONTACT, 616},
    {BT_RELAY_COIL, 600},  {BT_INV_OUT, 600},     {BT_AOUT_LAD, 599},    {BT_MSGTEXT, 592},
    {BT_SREG, 593},        {BT_AFILTER, 624},     {BT_DATALOG, 637},
};

} // namespace

WORD PlacementProgramBytes(int nType, BOOL bNewGeneration)
{
    for (const ProgramSizeRow& row : kProgramSizes) {
        if (InAny(row.codes, nType))
            return bNewGeneration ? row.wNewer : row.wOlder;
    }
    return 0;
}

UINT PlacementRefusalId(int nType)
{
    for (const RefusalText& refusal : kRefusals) {
        if (refusal.nType == nType)
            return refusal.nStringId;
    }
    return 0;
}

BOOL IsPlaceableType(int nType)
{
    constexpr CodeRange kPlaceable[] = {{300, 307}, {400, 413}, {600, 600}, {602, 611}, {700, 705}, {800, 810},
                                        {812, 827}, {830, 856}, {860, 879}, {BT_DATALOG, BT_DATALOG}};
    return InAny(kPlaceable, nType);
}
