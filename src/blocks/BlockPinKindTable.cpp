#include "blocks/BlockPinKindTable.h"

namespace {

// Only input pins 0-3 and output pin 10 carry a kind in any row.
struct CompactRow {
    int nType;
    int nInputKind[4];
    int nOutputKind;
};

constexpr CompactRow kRows[BLOCK_PINKIND_ROWS] = {
    {300, {1, 1, 1, 1}, 1}, {301, {1, 1, 1, 1}, 1}, {302, {1, 1, 1, 1}, 1},
    {303, {1, 1, 1, 1}, 1}, {304, {1, 1, 1, 1}, 1}, {305, {1, 1, 1, 1}, 1},
    {306, {1, 1, 0, 0}, 1}, {307, {1, 0, 0, 0}, 1},

    {400, {1, 3, 0, 0}, 1}, {401, {1, 1, 3, 0}, 1}, {402, {1, 3, 0, 0}, 1},
    {403, {1, 1, 3, 0}, 1}, {404, {1, 3, 0, 0}, 1}, {405, {1, 1, 3, 0}, 1},
    {406, {1, 1, 3, 0}, 1}, {407, {1, 3, 0, 0}, 1}, {408, {1, 3, 0, 0}, 1},
    {409, {1, 1, 3, 0}, 1}, {410, {3, 3, 3, 0}, 1}, {411, {3, 0, 0, 0}, 1},
    {412, {3, 0, 0, 0}, 1}, {413, {1, 1, 1, 3}, 2},

    {600, {0, 0, 0, 0}, 1}, {601, {0, 0, 0, 0}, 1}, {602, {0, 0, 0, 0}, 1},
    {603, {0, 0, 0, 0}, 1}, {604, {0, 0, 0, 0}, 1}, {605, {1, 0, 0, 0}, 1},
    {606, {1, 0, 0, 0}, 0}, {607, {1, 0, 0, 0}, 1}, {608, {0, 0, 0, 0}, 2},
    {609, {2, 0, 0, 0}, 2}, {610, {2, 0, 0, 0}, 2}, {611, {0, 0, 0, 0}, 1},

    {700, {1, 0, 0, 0}, 1}, {701, {1, 0, 0, 0}, 1}, {702, {1, 0, 0, 0}, 2},
    {703, {1, 0, 0, 0}, 0}, {704, {1, 0, 0, 0}, 0}, {705, {2, 0, 0, 0}, 0},

    {800, {1, 1, 1, 3}, 1}, {801, {1, 1, 1, 3}, 1}, {802, {1, 3, 0, 0}, 1},
    {803, {2, 2, 3, 0}, 1}, {804, {2, 3, 0, 0}, 1}, {805, {2, 3, 0, 0}, 2},
    {806, {1, 2, 3, 0}, 1}, {807, {2, 3, 0, 0}, 1}, {808, {1, 1, 3, 0}, 1},
    {809, {1, 1, 1, 3}, 1}, {810, {1, 3, 3, 0}, 1}, {811, {1, 1, 0, 0}, 1},
    {812, {1, 1, 1, 3}, 1}, {813, {1, 1, 3, 0}, 1}, {814, {1, 1, 3, 0}, 1},
    {815, {1, 3, 0, 0}, 2}, {816, {1, 1, 1, 3}, 2}, {817, {1, 1, 1, 3}, 2},
    {818, {1, 1, 2, 3}, 2}, {819, {1, 2, 3, 0}, 2}, {820, {2, 3, 0, 0}, 2},
    {821, {1, 1, 2, 3}, 2}, {822, {1, 1, 2, 3}, 2}, {823, {1, 1, 3, 0}, 1},
    {824, {1, 3, 0, 0}, 1}, {825, {1, 1, 3, 0}, 0}, {826, {1, 3, 0, 0}, 2},
    {827, {1, 2, 3, 0}, 0},

    {830, {1, 1, 1, 1}, 1}, {831, {1, 1, 0, 0}, 1}, {832, {2, 0, 0, 0}, 2},
    {833, {2, 0, 0, 0}, 2}, {834, {2, 3, 0, 0}, 2}, {835, {2, 3, 0, 0}, 2},
    {836, {2, 3, 0, 0}, 2}, {837, {2, 3, 0, 0}, 2}, {838, {2, 3, 0, 0}, 2},
    {839, {2, 3, 0, 0}, 2}, {840, {2, 0, 0, 0}, 2}, {841, {2, 3, 0, 0}, 2},
    {842, {2, 3, 0, 0}, 2}, {843, {2, 3, 0, 0}, 2}, {844, {3, 0, 0, 0}, 2},
    {845, {2, 2, 3, 0}, 2}, {846, {3, 0, 0, 0}, 2}, {847, {1, 3, 0, 0}, 2},
    {848, {1, 3, 0, 0}, 1}, {849, {1, 1, 3, 0}, 1}, {850, {1, 1, 1, 3}, 1},
    {851, {1, 3, 0, 0}, 1}, {852, {1, 1, 3, 0}, 1}, {853, {1, 2, 0, 0}, 2},
    {854, {2, 3, 0, 0}, 1}, {855, {1, 3, 0, 0}, 1}, {856, {1, 3, 0, 0}, 2},

    {860, {2, 0, 0, 0}, 1}, {861, {2, 0, 0, 0}, 1}, {862, {2, 3, 0, 0}, 2},
    {863, {2, 3, 0, 0}, 2}, {864, {2, 3, 0, 0}, 2}, {865, {2, 3, 0, 0}, 2},
    {866, {2, 0, 0, 0}, 2}, {867, {2, 2, 0, 0}, 2}, {868, {2, 2, 0, 0}, 2},
    {869, {2, 3, 0, 0}, 2}, {870, {2, 3, 0, 0}, 2}, {871, {2, 3, 0, 0}, 2},
    {872, {2, 3, 0, 0}, 2}, {873, {2, 3, 0, 0}, 2}, {874, {2, 3, 0, 0}, 2},
    {875, {2, 3, 0, 0}, 2}, {876, {2, 3, 0, 0}, 2}, {877, {2, 3, 0, 0}, 2},
    {878, {2, 3, 0, 0}, 2}, {879, {1, 2, 3, 0}, 2},

    {900, {1, 0, 0, 0}, 0}, {901, {0, 0, 0, 0}, 1}, {911, {1, 3, 0, 0}, 0},
};

// The classic row arithmetic: the code minus an offset per run of codes. It is only applied
// to the defined codes, for which it yields exactly their position in code order.
constexpr int OffsetRow(int nType)
{
    struct Run {
        int nFirst;
        int nLast;
        int nOffset;
    };
    constexpr Run kRuns[] = {
        {300, 399, 300}, {400, 599, 392}, {600, 699, 578}, {700, 799, 666}, {800, 829, 760},
        {830, 859, 762}, {860, 899, 765}, {900, 910, 785}, {911, 999, 794},
    };
    for (const Run& run : kRuns) {
        if (nType >= run.nFirst && nType <= run.nLast)
            return nType - run.nOffset;
    }
    return 0;
}

constexpr bool RowsInCodeOrder()
{
    for (int i = 0; i < BLOCK_PINKIND_ROWS; ++i) {
        if (OffsetRow(kRows[i].nType) != i)
            return false;
    }
    return true;
}
static_assert(RowsInCodeOrder(), "the pin-kind rows must follow the row arithmetic");

constexpr std::array<BlockPinKindRow, BLOCK_PINKIND_ROWS> Expand()
{
    std::array<BlockPinKindRow, BLOCK_PINKIND_ROWS> table{};
    for (int i = 0; i < BLOCK_PINKIND_ROWS; ++i) {
        for (int pin = 0; pin < 4; ++pin)
            table[i][pin] = kRows[i].nInputKind[pin];
        table[i][10] = kRows[i].nOutputKind;
    }
    return table;
}

}  // namespace

const std::array<BlockPinKindRow, BLOCK_PINKIND_ROWS> g_BlockPinKindTable = Expand();

int PinKindRow(int nType)
{
    const int nRow = OffsetRow(nType);
    if (nRow < 0 || nRow >= BLOCK_PINKIND_ROWS || kRows[nRow].nType != nType)
        return -1;
    return nRow;
}

int PinKindOf(int nType, int nPin)
{
    const int nRow = PinKindRow(nType);
    if (nRow < 0 || nPin < 0 || nPin >= 20)
        return 0;
    return g_BlockPinKindTable[nRow][nPin];
}
