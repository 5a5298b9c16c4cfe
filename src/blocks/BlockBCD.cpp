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

IMPLEMENT_TABLE_BLOCK(CBlockBCD, CBlockWordValue, kConverterSetups, BT_BCD)
IMPLEMENT_TABLE_BLOCK(CBlockBIN, CBlockWordValue, kConverterSetups, BT_BIN)

// The conversion is a function of the input word alone, so it is computed in every scan: the
// first scan of a run then always shows the value of the input it finds.
BOOL CBlockBCD::Simulate(const CSimContext*)
{
    WORD wInput = 0;
    GetInputValue(&wInput, 0);
    const int w = short(wInput);
    const int nDecimal = w > 9999 ? w % 10000 : w < 0 ? 0 : w;
    m_dRunTime = IntToBCD(nDecimal);
    return TRUE;
}

BOOL CBlockBIN::Simulate(const CSimContext*)
{
    WORD wInput = 0;
    GetInputValue(&wInput, 0);
    m_dRunTime = BCDToInt(wInput);
    return TRUE;
}

// The BCD word is shown as its four nibbles.
WordValueStyle CBlockBCD::ValueStyle() const
{
    return {3, _T("0x%04X"), 0xFFFF};
}

WordValueStyle CBlockBIN::ValueStyle() const
{
    return {3, _T("%-4d")};
}
