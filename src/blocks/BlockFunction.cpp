#include "blocks/BlockFunction.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"

namespace {

// A word input x, a parameter pin, the factor 1.0 and the limits offered for the factor.
constexpr BlockSetup FactorSetup(int nType)
{
    return {.nType = nType, .nInputs = 2, .wProgramBytes = 12, .nPinSlots = 4, .nCapFlags = 0x3F,
            .bLimits = true, .nLimitLow = -10000, .nLimitHigh = 10000,
            .links = {{{1, LINK_PARAM}, {2, LINK_END}, {3, LINK_END}}},
            .dFactor = 1.0};
}

// Role codes 61-63 and 72 are kept and sent with the program as written.
constexpr std::array<BlockSetup, 11> kFunctionSetups = {{
    // The base word keeps the typed constructor's 2 (base ten).
    {.nType = BT_LOG, .nInputs = 2, .wProgramBytes = 12, .nPinSlots = 4, .nCapFlags = 0x3F,
     .bLimits = true, .nLimitLow = -10000, .nLimitHigh = 10000,
     .links = {{{1, LINK_PARAM}, {2, 72}, {3, LINK_END}}},
     .dFactor = 1.0},
    FactorSetup(BT_SQRT),
    FactorSetup(BT_POW2),
    FactorSetup(BT_EXP),
    FactorSetup(BT_SIN),
    FactorSetup(BT_COS),
    FactorSetup(BT_TAN),
    FactorSetup(BT_COT),
    FactorSetup(BT_SEC),
    FactorSetup(BT_CSC),
    // A = 1, B = C = 0, the first root.
    {.nType = BT_QUAD, .nInputs = 3, .wProgramBytes = 20, .nPinSlots = 8, .nCapFlags = 0x3F,
     .bLimits = true, .nLimitLow = -10000, .nLimitHigh = 10000,
     .links = {{{2, LINK_PARAM}, {3, 61}, {4, 62}, {5, 63}, {6, 72}, {7, LINK_END}}},
     .words = {{{BlockWord::Param, 9, 1}, {BlockWord::Param, 10, 0}}},
     .dFactor = 1.0},
}};

} // namespace

IMPLEMENT_TABLE_BLOCK(CBlockLOG, CBlockObj, kFunctionSetups, BT_LOG)
IMPLEMENT_TABLE_BLOCK(CBlockSQRT, CBlockObj, kFunctionSetups, BT_SQRT)
IMPLEMENT_TABLE_BLOCK(CBlockPOW2, CBlockObj, kFunctionSetups, BT_POW2)
IMPLEMENT_TABLE_BLOCK(CBlockEXP, CBlockObj, kFunctionSetups, BT_EXP)
IMPLEMENT_TABLE_BLOCK(CBlockSIN, CBlockObj, kFunctionSetups, BT_SIN)
IMPLEMENT_TABLE_BLOCK(CBlockCOS, CBlockObj, kFunctionSetups, BT_COS)
IMPLEMENT_TABLE_BLOCK(CBlockTAN, CBlockObj, kFunctionSetups, BT_TAN)
IMPLEMENT_TABLE_BLOCK(CBlockCOT, CBlockObj, kFunctionSetups, BT_COT)
IMPLEMENT_TABLE_BLOCK(CBlockSEC, CBlockObj, kFunctionSetups, BT_SEC)
IMPLEMENT_TABLE_BLOCK(CBlockCSC, CBlockObj, kFunctionSetups, BT_CSC)
IMPLEMENT_TABLE_BLOCK(CBlockQUAD, CBlockObj, kFunctionSetups, BT_QUAD)
