#include "blocks/BlockGenerator.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"

namespace {

constexpr std::array<BlockSetup, 4> kGeneratorSetups = {{
    {.nType = BT_APG, .nInputs = 3, .wProgramBytes = 12,
     .links = {{{2, LINK_PARAM}, {3, LINK_PARAM}, {4, LINK_END}}}},
    {.nType = BT_RG, .nInputs = 2, .wProgramBytes = 12, .nCapFlags = 0x06,
     .links = {{{1, LINK_PARAM}, {2, LINK_PARAM}, {3, LINK_END}, {4, LINK_END}}}},
    // T (the OFF setpoint) in minutes:seconds, a warning 15 s before the end lasting 1 s.
    {.nType = BT_SLS, .nInputs = 2, .wProgramBytes = 12,
     .links = {{{1, LINK_PARAM}, {2, LINK_PARAM}, {3, LINK_PARAM}, {4, LINK_END}}},
     .words = {{{BlockWord::Param, 10, 1}, {BlockWord::ParamEx, 5, 15},
                {BlockWord::ParamEx, 7, 1}}}},
    {.nType = BT_MFS, .nInputs = 3, .wProgramBytes = 16,
     .links = {{{2, LINK_PARAM}, {3, LINK_PARAM}, {4, LINK_PARAM}, {5, LINK_PARAM},
                {6, LINK_END}}}},
}};

} // namespace

IMPLEMENT_TABLE_BLOCK(CBlockAPG, CBlockTime, kGeneratorSetups, BT_APG)
IMPLEMENT_TABLE_BLOCK(CBlockRG, CBlockTime, kGeneratorSetups, BT_RG)
IMPLEMENT_TABLE_BLOCK(CBlockSLS, CBlockTime, kGeneratorSetups, BT_SLS)
IMPLEMENT_TABLE_BLOCK(CBlockMFS, CBlockTime, kGeneratorSetups, BT_MFS)
