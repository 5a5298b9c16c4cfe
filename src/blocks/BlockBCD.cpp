#include "blocks/BlockBCD.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"

namespace {

// The limits offered for editing the value: 0-9999 for BCD, up to 0x9999 for BIN.
constexpr std::array<BlockSetup, 2> kConverterSetups = {{
    {.nType = BT_BCD, .nInputs = 1, .wProgramBytes = 8, .nPinSlots = 3, .nCapFlags = 0x39,
     .bLimits = true, .nLimitLow = 0, .nLimitHigh = 9999,
     .links = {{{1, LINK_END}, {2, LINK_END}}}},
    {.nType = BT_BIN, .nInputs = 1, .wProgramBytes = 8, .nPinSlots = 3, .nCapFlags = 0x39,
     .bLimits = true, .nLimitLow = 0, .nLimitHigh = 0x9999,
     .links = {{{1, LINK_END}, {2, LINK_END}}}},
}};

} // namespace

IMPLEMENT_TABLE_BLOCK(CBlockBCD, CBlockObj, kConverterSetups, BT_BCD)
IMPLEMENT_TABLE_BLOCK(CBlockBIN, CBlockObj, kConverterSetups, BT_BIN)
