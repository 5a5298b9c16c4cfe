// Constructor settings of the block classes as table rows. Most block classes differ from the
// typed CBlockObj constructor only in a handful of words: the input count, the role codes
// written into pin slots, the program size, the pin-slot count, the capability bits, the
// value limits offered for editing and a few parameter defaults. Keeping those in one row per
// type code lets a class constructor be a single call and lets tests read the rows back.
#pragma once

#include "platform/core/Types.h"

#include <array>
#include <cstddef>

class CBlockObj;

// One role code written into one pin slot of m_nPinSource. An entry left at its default
// (pin -1) ends the list.
struct PinLink {
    int nPin = -1;
    int nCode = 0;
};

// Which run of generic words a parameter default goes into.
enum class BlockWord { None, Param, ParamEx };

struct WordDefault {
    BlockWord word = BlockWord::None;
    int nIndex = 0;
    int nValue = 0;
};

struct BlockSetup {
    int nType = 0;
    int nInputs = 0;
    WORD wProgramBytes = 0;
    int nPinSlots = -1;   // -1: not set by the class
    int nCapFlags = -1;   // -1: the base's 0x0F stays
    // Lower and upper value limits offered for editing (BLOCK_VALUE_MIN_AUX, _MAX_AUX).
    bool bLimits = false;
    int nLimitLow = 0;
    int nLimitHigh = 0;
    std::array<PinLink, 12> links{};
    std::array<WordDefault, 7> words{};
    // The factor m_dParam of the math blocks that scale their result; 0 leaves the base's 0.0.
    double dFactor = 0.0;
    // The starting text parameter (m_strParamText); null leaves it empty.
    LPCTSTR pszParamText = nullptr;
};

// Writes a row's settings into a block built by the typed constructor with the row's input
// count. The type code itself is not touched.
void ApplyBlockSetup(CBlockObj& block, const BlockSetup& setup);

// What dynamic creation before a load needs of a row: the capability bits, which are not part
// of the record, and the defaults of the fields that an older (schema 0) record lacks.
void ApplyLoadDefaults(CBlockObj& block, const BlockSetup& setup);

// The row of nCode. Used in constant evaluation by IMPLEMENT_TABLE_BLOCK, where a code without a
// row fails the build instead of giving a block without its settings.
template <std::size_t N>
constexpr const BlockSetup& FindBlockSetup(const std::array<BlockSetup, N>& table, int nCode)
{
    for (const BlockSetup& row : table) {
        if (row.nType == nCode)
            return row;
    }
    throw "a block class names a type code that its settings table lacks";
}

// Defines the run-time class and both constructors of a block class whose settings are the row
// of nCode in table; the base class takes (type code, input count) in its typed constructor.
#define IMPLEMENT_TABLE_BLOCK(class_name, base_class_name, table, nCode)                         \
    IMPLEMENT_SERIAL(class_name, base_class_name, VERSIONABLE_SCHEMA | 1)                         \
    class_name::class_name()                                                                     \
    {                                                                                            \
        constexpr const BlockSetup& row = FindBlockSetup(table, nCode);                          \
        ApplyLoadDefaults(*this, row);                                                           \
    }                                                                                            \
    class_name::class_name(int nType)                                                            \
        : base_class_name(nType, FindBlockSetup(table, nCode).nInputs)                           \
    {                                                                                            \
        constexpr const BlockSetup& row = FindBlockSetup(table, nCode);                          \
        ApplyBlockSetup(*this, row);                                                             \
    }
