#include "blocks/BlockDelay.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"

namespace {

constexpr std::array<BlockSetup, 6> kDelaySetups = {{
    {.nType = BT_DPR, .nInputs = 2, .wProgramBytes = 8,
     .links = {{{1, LINK_PARAM}, {2, LINK_END}}}},
    {.nType = BT_DDR, .nInputs = 3, .wProgramBytes = 12,
     .links = {{{2, LINK_PARAM}, {3, LINK_END}, {4, LINK_END}}}},
    {.nType = BT_MPLR, .nInputs = 2, .wProgramBytes = 12,
     .links = {{{1, LINK_PARAM}, {2, LINK_PARAM}, {3, LINK_END}, {4, LINK_END}}}},
    {.nType = BT_PLR, .nInputs = 3, .wProgramBytes = 12,
     .links = {{{2, LINK_PARAM}, {3, LINK_END}, {4, LINK_END}}}},
    {.nType = BT_CPG, .nInputs = 2, .wProgramBytes = 8,
     .links = {{{1, LINK_PARAM}, {2, LINK_END}}}},
    {.nType = BT_RPR, .nInputs = 3, .wProgramBytes = 16,
     .links = {{{2, LINK_PARAM}, {3, LINK_PARAM}, {4, 58}, {5, LINK_END}, {6, LINK_END}}}},
}};

} // namespace

IMPLEMENT_TABLE_BLOCK(CBlockDPR, CBlockTime, kDelaySetups, BT_DPR)
IMPLEMENT_TABLE_BLOCK(CBlockDDR, CBlockTime, kDelaySetups, BT_DDR)
IMPLEMENT_TABLE_BLOCK(CBlockMPLR, CBlockTime, kDelaySetups, BT_MPLR)
IMPLEMENT_TABLE_BLOCK(CBlockPLR, CBlockTime, kDelaySetups, BT_PLR)
IMPLEMENT_TABLE_BLOCK(CBlockCPG, CBlockTime, kDelaySetups, BT_CPG)
IMPLEMENT_TABLE_BLOCK(CBlockRPR, CBlockTime, kDelaySetups, BT_RPR)
