#include "blocks/BlockCounter.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"

namespace {

// Role codes 58 and 59 are kept and sent with the program as written.
constexpr std::array<BlockSetup, 3> kCounterSetups = {{
    {.nType = BT_COUNTER, .nInputs = 4, .wProgramBytes = 24, .nPinSlots = 6, .nCapFlags = 0x1F,
     .bLimits = true, .nLimitLow = 0, .nLimitHigh = 999999,
     .links = {{{3, LINK_PARAM}, {4, 59}, {5, LINK_END}}}},
    // Retentive, OT and MI in hours:minutes, the output falls while En is 0.
    {.nType = BT_HCOUNTER, .nInputs = 4, .wProgramBytes = 24, .nPinSlots = 7, .nCapFlags = 0x1E,
     .bLimits = true, .nLimitLow = 0, .nLimitHigh = 1023,
     .links = {{{3, LINK_PARAM}, {4, 59}, {5, 58}, {6, LINK_END}}},
     .words = {{{BlockWord::Param, 0, 1}, {BlockWord::Param, 10, 0}, {BlockWord::ParamEx, 4, 0}}}},
    // A gate of one second.
    {.nType = BT_THTRG, .nInputs = 2, .wProgramBytes = 16, .nPinSlots = 5, .nCapFlags = 0x1F,
     .bLimits = true, .nLimitLow = 0, .nLimitHigh = 9999,
     .links = {{{1, LINK_PARAM}, {2, 59}, {3, 58}, {4, LINK_END}}},
     .words = {{{BlockWord::ParamEx, 1, 1}}}},
}};

} // namespace

IMPLEMENT_TABLE_BLOCK(CBlockHCOUNTER, CBlockObj, kCounterSetups, BT_HCOUNTER)
IMPLEMENT_TABLE_BLOCK(CBlockTHTRG, CBlockObj, kCounterSetups, BT_THTRG)

IMPLEMENT_SERIAL(CBlockCOUNTER, CBlockObj, VERSIONABLE_SCHEMA | 1)

CBlockCOUNTER::CBlockCOUNTER()
{
    ApplyLoadDefaults(*this, FindBlockSetup(kCounterSetups, BT_COUNTER));
}

// A new counter starts at its start value.
CBlockCOUNTER::CBlockCOUNTER(int nType)
    : CBlockObj(nType, FindBlockSetup(kCounterSetups, BT_COUNTER).nInputs)
{
    ApplyBlockSetup(*this, FindBlockSetup(kCounterSetups, BT_COUNTER));
    m_dRunTime = m_nParam[7];
}
