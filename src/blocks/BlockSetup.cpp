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

void ApplyLoadDefaults(CBlockObj& block, const BlockSetup& setup)
{
    if (setup.nCapFlags >= 0)
        block.m_nCapFlags = BYTE(setup.nCapFlags);
    if (setup.dFactor != 0.0)
        block.m_dParam = setup.dFactor;
    if (setup.pszParamText)
        block.m_strParamText = setup.pszParamText;
}
