#include "blocks/BlockClock.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"

namespace {

// Role codes of the clock timers' pin slots; kept and sent with the program as written.
constexpr int kLinkCamSlot = 54;
constexpr int kLinkCamEnd = 56;

constexpr std::array<BlockSetup, 4> kClockSetups = {{
    {.nType = BT_WT, .nInputs = 3, .wProgramBytes = 20, .nCapFlags = 0x06,
     .links = {{{0, LINK_PARAM}, {1, LINK_PARAM}, {2, LINK_PARAM}, {3, LINK_PARAM},
                {4, LINK_PARAM}, {5, LINK_PARAM}, {6, kLinkCamSlot}, {7, kLinkCamSlot},
                {8, kLinkCamSlot}, {9, kLinkCamEnd}}}},
    // ON and OFF dates 1 January.
    {.nType = BT_YT, .nInputs = 1, .wProgramBytes = 8, .nCapFlags = 0x06,
     .links = {{{0, LINK_PARAM}, {1, LINK_PARAM}, {2, LINK_PARAM}, {3, LINK_PARAM},
                {4, LINK_END}, {5, LINK_END}}},
     .words = {{{BlockWord::Param, 9, 1}, {BlockWord::Param, 8, 1}, {BlockWord::ParamEx, 1, 1},
                {BlockWord::ParamEx, 0, 1}}}},
    {.nType = BT_AC, .nInputs = 1, .wProgramBytes = 16, .nCapFlags = 0x0E,
     .links = {{{0, LINK_PARAM}, {1, 89}, {5, 89}, {2, 90}, {6, 90}, {3, 91}, {7, 91}, {4, 88},
                {8, 92}, {9, 93}, {11, LINK_END}}},
     .words = {{{BlockWord::Param, 10, 0}, {BlockWord::ParamEx, 2, 0}}}},
    {.nType = BT_SW, .nInputs = 4, .wProgramBytes = 16, .nPinSlots = 5, .nCapFlags = 0x3F,
     .links = {{{3, LINK_PARAM}, {4, LINK_END}}},
     .words = {{{BlockWord::Param, 10, 1}}}},
}};

} // namespace

IMPLEMENT_TABLE_BLOCK(CBlockWT, CBlockTime, kClockSetups, BT_WT)
IMPLEMENT_TABLE_BLOCK(CBlockYT, CBlockTime, kClockSetups, BT_YT)
IMPLEMENT_TABLE_BLOCK(CBlockAC, CBlockTime, kClockSetups, BT_AC)
IMPLEMENT_TABLE_BLOCK(CBlockSW, CBlockTime, kClockSetups, BT_SW)

void CBlockWT::CopyTo(CBlockObj* pDst, BOOL bGeometry)
{
    if (!pDst)
        return;
    CBlockObj::CopyTo(pDst, bGeometry);
    if (pDst->IsKindOf(RUNTIME_CLASS(CBlockTime)))
        CopyCamsTo(static_cast<CBlockTime*>(pDst));
}
