#include "blocks/BlockMath.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"

namespace {

// A block with one analog input (a word) and an analog or digital result.
constexpr BlockSetup OneInputSetup(int nType, int nCapFlags)
{
    return {.nType = nType, .nInputs = 1, .wProgramBytes = 8, .nPinSlots = 3,
            .nCapFlags = nCapFlags, .links = {{{1, LINK_END}, {2, LINK_END}}}};
}

// A word input and a parameter pin: the divisor or the number of digits.
constexpr BlockSetup ParamInputSetup(int nType)
{
    return {.nType = nType, .nInputs = 2, .wProgramBytes = 8, .nPinSlots = 3, .nCapFlags = 0x3F,
            .links = {{{1, LINK_PARAM}, {2, LINK_END}}}};
}

constexpr BlockSetup DivisorSetup(int nType)
{
    BlockSetup setup = ParamInputSetup(nType);
    setup.bLimits = true;
    setup.nLimitLow = -32767;
    setup.nLimitHigh = 32767;
    setup.words = {{{BlockWord::Param, 9, 10}}};
    return setup;
}

constexpr BlockSetup DigitsSetup(int nType)
{
    BlockSetup setup = ParamInputSetup(nType);
    setup.words = {{{BlockWord::Param, 10, 0}}};
    return setup;
}

constexpr BlockSetup TwoWordSetup(int nType)
{
    return {.nType = nType, .nInputs = 2, .wProgramBytes = 8, .nPinSlots = 3, .nCapFlags = 0x3D,
            .links = {{{2, LINK_END}}}};
}

// Role codes 83 and 85 are kept and sent with the program as written.
constexpr std::array<BlockSetup, 12> kMathSetups = {{
    {.nType = BT_ARRMXIV, .nInputs = 1, .wProgramBytes = 12, .nPinSlots = 5, .nCapFlags = 0x3F,
     .bLimits = true, .nLimitLow = 1, .nLimitHigh = 32,
     .links = {{{0, LINK_PARAM}, {1, 85}, {2, 83}, {3, LINK_END}, {4, LINK_END}}},
     .words = {{{BlockWord::ParamEx, 1, 1}}}},
    {.nType = BT_ACMXIV, .nInputs = 3, .wProgramBytes = 12, .nPinSlots = 5, .nCapFlags = 0x3F,
     .bLimits = true, .nLimitLow = 0, .nLimitHigh = 2,
     .links = {{{2, LINK_PARAM}, {3, LINK_END}, {4, LINK_END}}}},
    {.nType = BT_RAND, .nInputs = 1, .wProgramBytes = 8, .nPinSlots = 3, .nCapFlags = 0x3F,
     .bLimits = true, .nLimitLow = 1, .nLimitHigh = 32767,
     .links = {{{0, LINK_PARAM}, {1, LINK_END}, {2, LINK_END}}},
     .words = {{{BlockWord::Param, 9, 1}}}},
    OneInputSetup(BT_ODD, 0x04),
    OneInputSetup(BT_EVEN, 0x04),
    DivisorSetup(BT_MOD),
    DivisorSetup(BT_REM),
    OneInputSetup(BT_ABS, 0x3D),
    TwoWordSetup(BT_GCD),
    TwoWordSetup(BT_LCM),
    DigitsSetup(BT_FIX),
    DigitsSetup(BT_ROUND),
}};

} // namespace

IMPLEMENT_TABLE_BLOCK(CBlockARRMXIV, CBlockObj, kMathSetups, BT_ARRMXIV)
IMPLEMENT_TABLE_BLOCK(CBlockACMXIV, CBlockObj, kMathSetups, BT_ACMXIV)
IMPLEMENT_TABLE_BLOCK(CBlockRAND, CBlockObj, kMathSetups, BT_RAND)
IMPLEMENT_TABLE_BLOCK(CBlockODD, CBlockObj, kMathSetups, BT_ODD)
IMPLEMENT_TABLE_BLOCK(CBlockEVEN, CBlockObj, kMathSetups, BT_EVEN)
IMPLEMENT_TABLE_BLOCK(CBlockMOD, CBlockObj, kMathSetups, BT_MOD)
IMPLEMENT_TABLE_BLOCK(CBlockREM, CBlockObj, kMathSetups, BT_REM)
IMPLEMENT_TABLE_BLOCK(CBlockABS, CBlockObj, kMathSetups, BT_ABS)
IMPLEMENT_TABLE_BLOCK(CBlockGCD, CBlockObj, kMathSetups, BT_GCD)
IMPLEMENT_TABLE_BLOCK(CBlockLCM, CBlockObj, kMathSetups, BT_LCM)
IMPLEMENT_TABLE_BLOCK(CBlockFIX, CBlockObj, kMathSetups, BT_FIX)
IMPLEMENT_TABLE_BLOCK(CBlockROUND, CBlockObj, kMathSetups, BT_ROUND)
