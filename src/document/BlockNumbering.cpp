#include "document/BlockNumbering.h"

#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"

#include <algorithm>
#include <bitset>
#include <cstddef>

namespace {

constexpr NumberRange kRanges[] = {
    {BT_IN, NUM_INPUT, 256, 256, 32, 16},
    {BT_CURSOR_KEY, NUM_CURSOR_KEY, 4, 4, 0, 0},
    {BT_SHIFT, NUM_SHIFT, 16, 64, 0, 0},
    {BT_LOW, NUM_LOW, 1000, 1000, 0, 0},
    {BT_HIGH, NUM_HIGH, 1000, 1000, 0, 0},
    {BT_OUT, NUM_OUTPUT, 128, 128, 16, 8},
    {BT_OPENX, NUM_OPENX, 128, 128, 0, 0},
    {BT_FLAG, NUM_FLAG, 512, 512, 0, 0},
    {BT_ANALOG_IN, NUM_ANALOG_IN, 64, 64, 0, 0},
    {BT_ANALOG_OUT, NUM_ANALOG_OUT, 32, 32, 0, 0},
    {BT_ANALOG_FLAG, NUM_ANALOG_FLAG, 512, 512, 0, 0},
    {BT_FKEY, NUM_FKEY, 5, 5, 0, 0},
    {BT_MAKE, NUM_MAKE, 2560, 2560, 0, 0},
    {BT_BREAK, NUM_BREAK, 2560, 2560, 0, 0},
    {BT_ACONTACT, NUM_ACONTACT, 2560, 2560, 0, 0},
    {BT_RELAY_COIL, NUM_COIL, 768, 768, 0, 0},
    {BT_INV_OUT, NUM_COIL, 768, 768, 0, 0},
    {BT_AOUT_LAD, NUM_AOUT_LAD, 544, 544, 0, 0},
    {BT_MALE, NUM_MALE, 1900, 1900, 0, 0},
    {BT_FEMALE, NUM_FEMALE, 1900, 1900, 0, 0},
    {BT_DATALOG, NUM_DATALOG, 1, 1, 0, 0},
};

constexpr bool RangesLieInNumberSpace()
{
    for (const NumberRange& range : kRanges) {
        const int nEnd = range.nBase + (range.nSizeNew > range.nSizeOld ? range.nSizeNew : range.nSizeOld);
        if (range.nBase < NUMBER_SPACE_FIRST || nEnd > NUMBER_SPACE_END)
            return false;
    }
    return FUNCTION_BLOCK_LAST < NUMBER_SPACE_END;
}
static_assert(RangesLieInNumberSpace());

constexpr CapacityLimit kLimits[] = {
    {BT_IN, 128, 128},           {BT_SHIFT, 16, 64},          {BT_LOW, 1000, 1000},
    {BT_HIGH, 1000, 1000},       {BT_OUT, 64, 64},            {BT_OPENX, 128, 128},
    {BT_FLAG, 512, 512},         {BT_ANALOG_IN, 64, 64},      {BT_ANALOG_OUT, 32, 32},
    {BT_ANALOG_FLAG, 512, 512},  {BT_FKEY, 5, 5},             {BT_MAKE, 2560, 2560},
    {BT_BREAK, 2560, 2560},      {BT_ACONTACT, 2560, 2560},   {BT_RELAY_COIL, 768, 768},
    {BT_INV_OUT, 768, 768},      {BT_AOUT_LAD, 544, 544},     {BT_MSGTEXT, 16, 16},
    {BT_SREG, 1, 4},             {BT_AFILTER, 8, 8},          {BT_MALE, 1900, 1900},
    {BT_FEMALE, 1900, 1900},     {BT_DATALOG, 1, 1},
};

constexpr WORD FIRST_NEW_HARDWARE_CODE = 0x5188;

template <class Row, std::size_t N>
const Row* FindRow(const Row (&rows)[N], int nType)
{
    for (const Row& row : rows) {
        if (row.nType == nType)
            return &row;
    }
    return nullptr;
}

} // namespace

const NumberRange* FindNumberRange(int nType) { return FindRow(kRanges, nType); }

const CapacityLimit* FindCapacityLimit(int nType) { return FindRow(kLimits, nType); }

int GetBlockCategory(int nType)
{
    switch (BlockFamilyOf(nType)) {
    case BlockFamily::IO:
    case BlockFamily::LadderContact:
    case BlockFamily::LadderOutput:
        return BLOCK_CATEGORY_IO;
    case BlockFamily::Logic:
    case BlockFamily::Timer:
    case BlockFamily::Function:
        return BLOCK_CATEGORY_FUNCTION;
    case BlockFamily::Connector:
        return BLOCK_CATEGORY_CONNECTOR;
    case BlockFamily::DataLog:
        return BLOCK_CATEGORY_DATALOG;
    case BlockFamily::None:
    case BlockFamily::PowerBus:
        break;
    }
    return 0;
}

WORD GetSpecialProgramBytes(int nType, WORD wHardwareCode)
{
    const WORD wOlder = ImageRecordBytes(nType, FALSE);
    const WORD wNewer = ImageRecordBytes(nType, TRUE);
    if (wOlder == wNewer)
        return 0;
    return wHardwareCode < FIRST_NEW_HARDWARE_CODE ? wOlder : wNewer;
}

FunctionNumbering CheckFunctionNumbering(std::span<const int> numbers)
{
    std::bitset<FUNCTION_BLOCK_LAST - NUM_FUNCTION_BLOCK + 1> used;
    int nCount = 0;
    int nHighest = NUM_FUNCTION_BLOCK - 1;
    for (const int nNumber : numbers) {
        if (!IsFunctionBlockNumber(nNumber))
            continue;
        const std::size_t nIndex = std::size_t(nNumber - NUM_FUNCTION_BLOCK);
        if (used.test(nIndex))
            return FunctionNumbering::Twice;
        used.set(nIndex);
        ++nCount;
        nHighest = std::max(nHighest, nNumber);
    }
    return nHighest - NUM_FUNCTION_BLOCK + 1 == nCount ? FunctionNumbering::Sound : FunctionNumbering::Gaps;
}
