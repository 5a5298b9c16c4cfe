#include "blocks/BlockSetup.h"

#include "blocks/BlockObj.h"

namespace {

void ApplyWordDefault(CBlockObj& block, const WordDefault& def)
{
    switch (def.word) {
    case BlockWord::Param:
        block.m_nParam[def.nIndex] = def.nValue;
        break;
    case BlockWord::ParamEx:
        block.m_nParamEx[def.nIndex] = def.nValue;
        break;
    case BlockWord::None:
        break;
    }
}

} // namespace

void ApplyBlockSetup(CBlockObj& block, const BlockSetup& setup)
{
    for (const PinLink& link : setup.links) {
        if (link.nPin < 0)
            break;
        block.m_nPinSource[link.nPin] = link.nCode;
    }
    block.m_wProgramBytes = setup.wProgramBytes;
    if (setup.nPinSlots >= 0)
        block.m_nPinSlots = setup.nPinSlots;
    if (setup.bLimits) {
        block.m_nAux[BLOCK_VALUE_MIN_AUX] = setup.nLimitLow;
        block.m_nAux[BLOCK_VALUE_MAX_AUX] = setup.nLimitHigh;
    }
    for (const WordDefault& def : setup.words)
        ApplyWordDefault(block, def);
    ApplyLoadDefaults(block, setup);
}

// Selected rather than branched on: every block a load makes passes here, and what its family
// sets changes from one block to the next.
void ApplyLoadDefaults(CBlockObj& block, const BlockSetup& setup)
{
    block.m_nCapFlags = setup.nCapFlags >= 0 ? BYTE(setup.nCapFlags) : block.m_nCapFlags;
    block.m_dParam = setup.dFactor != 0.0 ? setup.dFactor : block.m_dParam;
    if (setup.pszParamText)
        block.m_strParamText = setup.pszParamText;
}
