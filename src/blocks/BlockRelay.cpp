#include "blocks/BlockRelay.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "platform/core/ObList.h"

namespace {

constexpr std::array<BlockSetup, 6> kRelaySetups = {{
    {.nType = BT_LR, .nInputs = 3, .wProgramBytes = 8, .nPinSlots = 3, .nCapFlags = 0x00,
     .links = {{{2, LINK_PARAM}}},
     .words = {{{BlockWord::Param, 1, 1}}}},
    {.nType = BT_PR, .nInputs = 4, .wProgramBytes = 12, .nPinSlots = 5, .nCapFlags = 0x04,
     .links = {{{3, LINK_PARAM}, {4, LINK_END}}},
     .words = {{{BlockWord::Param, 1, 1}}}},
    // 12 bytes on the older generation; the document sets 16 for the newer one.
    {.nType = BT_SREG, .nInputs = 4, .wProgramBytes = 12, .nPinSlots = 5, .nCapFlags = 0x04,
     .links = {{{3, LINK_PARAM}, {4, LINK_END}}},
     .words = {{{BlockWord::Param, 1, 1}}}},
    // Role codes 58 and 59 are kept and sent with the program as written.
    {.nType = BT_MATHERR, .nInputs = 3, .wProgramBytes = 16, .nPinSlots = 6, .nCapFlags = 0x1E,
     .links = {{{2, LINK_PARAM}, {3, 58}, {4, 59}, {5, LINK_END}}},
     .words = {{{BlockWord::ParamEx, 4, 0}}}},
    {.nType = BT_BOOLEAN, .nInputs = 4, .wProgramBytes = 16, .nPinSlots = 7, .nCapFlags = 0x06,
     .links = {{{4, LINK_PARAM}, {5, LINK_END}, {6, LINK_END}}}},
    {.nType = BT_TDT, .nInputs = 2, .wProgramBytes = 8, .nPinSlots = 3, .nCapFlags = 0x00,
     .links = {{{2, LINK_END}}}},
}};

// The lowest register index that no shift register of pDoc uses; 0 when all are taken.
int FirstFreeRegisterIndex(const CVetlaDoc* pDoc)
{
    bool bTaken[SREG_INDEX_COUNT] = {};
    for (POSITION pos = pDoc->m_blockList.GetHeadPosition(); pos;) {
        const auto* pBlock = static_cast<const CBlockObj*>(pDoc->m_blockList.GetNext(pos));
        const int nIndex = pBlock->m_nParamEx[10];
        if (pBlock->m_nType == BT_SREG && nIndex >= 0 && nIndex < SREG_INDEX_COUNT)
            bTaken[nIndex] = true;
    }
    for (int nIndex = 0; nIndex < SREG_INDEX_COUNT; ++nIndex) {
        if (!bTaken[nIndex])
            return nIndex;
    }
    return 0;
}

} // namespace

IMPLEMENT_TABLE_BLOCK(CBlockLR, CBlockObj, kRelaySetups, BT_LR)
IMPLEMENT_TABLE_BLOCK(CBlockPR, CBlockObj, kRelaySetups, BT_PR)
IMPLEMENT_TABLE_BLOCK(CBlockMATHERR, CBlockObj, kRelaySetups, BT_MATHERR)
IMPLEMENT_TABLE_BLOCK(CBlockBoolean, CBlockObj, kRelaySetups, BT_BOOLEAN)
IMPLEMENT_TABLE_BLOCK(CBlockTDT, CBlockObj, kRelaySetups, BT_TDT)

IMPLEMENT_SERIAL(CBlockSREG, CBlockObj, VERSIONABLE_SCHEMA | 1)

CBlockSREG::CBlockSREG()
{
    ApplyLoadDefaults(*this, FindBlockSetup(kRelaySetups, BT_SREG));
}

CBlockSREG::CBlockSREG(int nType)
    : CBlockObj(nType, FindBlockSetup(kRelaySetups, BT_SREG).nInputs)
{
    ApplyBlockSetup(*this, FindBlockSetup(kRelaySetups, BT_SREG));
    const CVetlaDoc* pDoc = GetActiveVetlaDoc();
    if (pDoc && IsActiveNewGeneration())
        m_nParamEx[10] = FirstFreeRegisterIndex(pDoc);
}
