#include "blocks/BlockWord.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"

namespace {

// A shift by 1 to 15 places, or a mask over the whole signed word.
constexpr BlockSetup ShiftSetup(int nType)
{
    return {.nType = nType, .nInputs = 2, .wProgramBytes = 8, .nPinSlots = 3, .nCapFlags = 0x3F,
            .bLimits = true, .nLimitLow = 1, .nLimitHigh = 15,
            .links = {{{1, LINK_PARAM}, {2, LINK_END}}},
            .words = {{{BlockWord::Param, 9, 1}}}};
}

constexpr BlockSetup MaskSetup(int nType, LPCTSTR pszMaskText = nullptr)
{
    return {.nType = nType, .nInputs = 2, .wProgramBytes = 8, .nPinSlots = 3, .nCapFlags = 0x3F,
            .bLimits = true, .nLimitLow = -32768, .nLimitHigh = 32767,
            .links = {{{1, LINK_PARAM}, {2, LINK_END}}},
            .pszParamText = pszMaskText};
}

constexpr std::array<BlockSetup, 10> kWordSetups = {{
    ShiftSetup(BT_ROL),
    ShiftSetup(BT_ROR),
    ShiftSetup(BT_SHL),
    ShiftSetup(BT_SHR),
    MaskSetup(BT_ANDM, _T("0000")),
    MaskSetup(BT_ORM),
    // NOT has no operand.
    {.nType = BT_NOTM, .nInputs = 2, .wProgramBytes = 8, .nPinSlots = 3, .nCapFlags = 0x3D,
     .links = {{{1, LINK_END}, {2, LINK_END}}}},
    MaskSetup(BT_NANDM),
    MaskSetup(BT_NORM),
    MaskSetup(BT_XORM),
}};

} // namespace

IMPLEMENT_TABLE_BLOCK(CBlockROL, CBlockObj, kWordSetups, BT_ROL)
IMPLEMENT_TABLE_BLOCK(CBlockROR, CBlockObj, kWordSetups, BT_ROR)
IMPLEMENT_TABLE_BLOCK(CBlockSHL, CBlockObj, kWordSetups, BT_SHL)
IMPLEMENT_TABLE_BLOCK(CBlockSHR, CBlockObj, kWordSetups, BT_SHR)
IMPLEMENT_TABLE_BLOCK(CBlockANDM, CBlockObj, kWordSetups, BT_ANDM)
IMPLEMENT_TABLE_BLOCK(CBlockORM, CBlockObj, kWordSetups, BT_ORM)
IMPLEMENT_TABLE_BLOCK(CBlockNOTM, CBlockObj, kWordSetups, BT_NOTM)
IMPLEMENT_TABLE_BLOCK(CBlockNANDM, CBlockObj, kWordSetups, BT_NANDM)
IMPLEMENT_TABLE_BLOCK(CBlockNORM, CBlockObj, kWordSetups, BT_NORM)
IMPLEMENT_TABLE_BLOCK(CBlockXORM, CBlockObj, kWordSetups, BT_XORM)
