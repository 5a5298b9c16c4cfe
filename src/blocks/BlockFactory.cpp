#include "blocks/BlockFactory.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockBCD.h"
#include "blocks/BlockClock.h"
#include "blocks/BlockComment.h"
#include "blocks/BlockConnector.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockDelay.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockFunction.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockLogic.h"
#include "blocks/BlockLow.h"
#include "blocks/BlockMR.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWIFI.h"
#include "blocks/BlockWord.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/PowerBusObj.h"

#include <algorithm>
#include <new>

namespace {

constexpr int kMsgTextSlotParam = 3;  // m_nParamEx index of a message text's slot

CBlockObj* NewPlain(int nType)
{
    return new CBlockObj(nType, 4);
}

template <class T>
CBlockObj* New(int nType)
{
    return new T(nType);
}

// In code order.
constexpr BlockCatalogueEntry kCatalogue[] = {
    {300, "CBlockLogic", 4, 450, &New<CBlockLogic>},
    {301, "CBlockLogic", 4, 451, &New<CBlockLogic>},
    {302, "CBlockLogic", 4, 455, &New<CBlockLogic>},
    {303, "CBlockLogic", 4, 456, &New<CBlockLogic>},
    {304, "CBlockLogic", 4, 452, &New<CBlockLogic>},
    {305, "CBlockLogic", 4, 457, &New<CBlockLogic>},
    {306, "CBlockLogic", 2, 454, &New<CBlockLogic>},
    {307, "CBlockLogic", 1, 453, &New<CBlockLogic>},
    {400, "CBlockDPR", 2, 460, &New<CBlockDPR>},
    {401, "CBlockDDR", 3, 461, &New<CBlockDDR>},
    {402, "CBlockMPLR", 2, 462, &New<CBlockMPLR>},
    {403, "CBlockPLR", 3, 463, &New<CBlockPLR>},
    {404, "CBlockCPG", 2, 464, &New<CBlockCPG>},
    {405, "CBlockRPR", 3, 465, &New<CBlockRPR>},
    {406, "CBlockAPG", 3, 477, &New<CBlockAPG>},
    {407, "CBlockRG", 2, 478, &New<CBlockRG>},
    {408, "CBlockSLS", 2, 479, &New<CBlockSLS>},
    {409, "CBlockMFS", 3, 492, &New<CBlockMFS>},
    {410, "CBlockWT", 3, 493, &New<CBlockWT>},
    {411, "CBlockYT", 1, 494, &New<CBlockYT>},
    {412, "CBlockAC", 1, 501, &New<CBlockAC>},
    {413, "CBlockSW", 4, 502, &New<CBlockSW>},
    {600, "CBlockIn", 0, 480, &New<CBlockIn>},
    {601, "CBlockObj", 4, 490, &NewPlain},
    {602, "CBlockShift", 0, 488, &New<CBlockShift>},
    {603, "CBlockLow", 0, 473, &New<CBlockLow>},
    {604, "CBlockHigh", 0, 476, &New<CBlockHigh>},
    {605, "CBlockOut", 1, 481, &New<CBlockOut>},
    {606, "CBlockOpenX", 1, 482, &New<CBlockOpenX>},
    {607, "CBlockFlag", 1, 483, &New<CBlockFlag>},
    {608, "CBlockAnalogIn", 0, 486, &New<CBlockAnalogIn>},
    {609, "CBlockAnalogOut", 1, 487, &New<CBlockAnalogOut>},
    {610, "CBlockAnalogFlag", 1, 491, &New<CBlockAnalogFlag>},
    {611, "CBlockFKey", 0, 500, &New<CBlockFKey>},
    {700, "CBlockMake", 1, 520, &New<CBlockMake>},
    {701, "CBlockBreak", 1, 521, &New<CBlockBreak>},
    {702, "CBlockAContact", 1, 522, &New<CBlockAContact>},
    {703, "CBlockRelayCoil", 1, 523, &New<CBlockRelayCoil>},
    {704, "CBlockInvOut", 1, 524, &New<CBlockInvOut>},
    {705, "CBlockAOutLAD", 1, 525, &New<CBlockAOutLAD>},
    {800, "CBlockCOUNTER", 4, 467, &New<CBlockCOUNTER>},
    {801, "CBlockHCOUNTER", 4, 495, &New<CBlockHCOUNTER>},
    {802, "CBlockTHTRG", 2, 496, &New<CBlockTHTRG>},
    {803, "CBlockACOMP", 3, 497, &New<CBlockACOMP>},
    {804, "CBlockATHTRG", 2, 498, &New<CBlockATHTRG>},
    {805, "CBlockAAMP", 2, 499, &New<CBlockAAMP>},
    {806, "CBlockAWDOG", 3, 504, &New<CBlockAWDOG>},
    {807, "CBlockADTRG", 2, 505, &New<CBlockADTRG>},
    {808, "CBlockLR", 3, 506, &New<CBlockLR>},
    {809, "CBlockPR", 4, 507, &New<CBlockPR>},
    {810, "CBlockMSGTEXT", 3, 508, &New<CBlockMSGTEXT>},
    {811, "CBlockObj", 4, 509, &NewPlain},
    {812, "CBlockSREG", 4, 517, &New<CBlockSREG>},
    {813, "CBlockMR", 3, 518, &New<CBlockMR>},
    {814, "CBlockMW", 3, 519, &New<CBlockMW>},
    {815, "CBlockAMATH", 2, 510, &New<CBlockAMATH>},
    {816, "CBlockAMUX", 4, 511, &New<CBlockAMUX>},
    {817, "CBlockARAMP", 4, 512, &New<CBlockARAMP>},
    {818, "CBlockPI", 4, 513, &New<CBlockPI>},
    {819, "CBlockPWM", 3, 514, &New<CBlockPWM>},
    {820, "CBlockAFILTER", 2, 515, &New<CBlockAFILTER>},
    {821, "CBlockMAXMIN", 4, 516, &New<CBlockMAXMIN>},
    {822, "CBlockAVGVAL", 4, 527, &New<CBlockAVGVAL>},
    {823, "CBlockMATHERR", 3, 528, &New<CBlockMATHERR>},
    {824, "CBlockWIFIIn", 2, 645, &New<CBlockWIFIIn>},
    {825, "CBlockWIFIOut", 3, 646, &New<CBlockWIFIOut>},
    {826, "CBlockWIFIAI", 2, 647, &New<CBlockWIFIAI>},
    {827, "CBlockWIFIAOut", 3, 648, &New<CBlockWIFIAOut>},
    {830, "CBlockBoolean", 4, 529, &New<CBlockBoolean>},
    {831, "CBlockTDT", 2, 530, &New<CBlockTDT>},
    {832, "CBlockBCD", 1, 531, &New<CBlockBCD>},
    {833, "CBlockBIN", 1, 532, &New<CBlockBIN>},
    {834, "CBlockROL", 2, 533, &New<CBlockROL>},
    {835, "CBlockROR", 2, 534, &New<CBlockROR>},
    {836, "CBlockSHL", 2, 535, &New<CBlockSHL>},
    {837, "CBlockSHR", 2, 536, &New<CBlockSHR>},
    {838, "CBlockANDM", 2, 537, &New<CBlockANDM>},
    {839, "CBlockORM", 2, 538, &New<CBlockORM>},
    {840, "CBlockNOTM", 2, 539, &New<CBlockNOTM>},
    {841, "CBlockNANDM", 2, 540, &New<CBlockNANDM>},
    {842, "CBlockNORM", 2, 541, &New<CBlockNORM>},
    {843, "CBlockXORM", 2, 542, &New<CBlockXORM>},
    {844, "CBlockARRMXIV", 1, 543, &New<CBlockARRMXIV>},
    {845, "CBlockACMXIV", 3, 544, &New<CBlockACMXIV>},
    {846, "CBlockRAND", 1, 545, &New<CBlockRAND>},
    {847, "CBlockMEM", 2, 568, &New<CBlockMEM>},
    {848, "CBlockENCODER", 2, 569, &New<CBlockENCODER>},
    {849, "CBlockSMC", 3, 572, &New<CBlockSMC>},
    {850, "CBlockSMCE", 4, 573, &New<CBlockSMCE>},
    {851, "CBlockPTO", 2, 574, &New<CBlockPTO>},
    {852, "CBlockPTOE", 3, 575, &New<CBlockPTOE>},
    {853, "CBlockSEG", 2, 576, &New<CBlockSEG>},
    {854, "CBlockWORD2BIT", 2, 577, &New<CBlockWORD2BIT>},
    {855, "CBlockUDC", 2, 564, &New<CBlockUDC>},
    {856, "CBlockCRC16", 2, 578, &New<CBlockCRC16>},
    {860, "CBlockODD", 1, 546, &New<CBlockODD>},
    {861, "CBlockEVEN", 1, 547, &New<CBlockEVEN>},
    {862, "CBlockMOD", 2, 548, &New<CBlockMOD>},
    {863, "CBlockREM", 2, 549, &New<CBlockREM>},
    {864, "CBlockLOG", 2, 550, &New<CBlockLOG>},
    {865, "CBlockSQRT", 2, 551, &New<CBlockSQRT>},
    {866, "CBlockABS", 1, 552, &New<CBlockABS>},
    {867, "CBlockGCD", 2, 553, &New<CBlockGCD>},
    {868, "CBlockLCM", 2, 554, &New<CBlockLCM>},
    {869, "CBlockPOW2", 2, 555, &New<CBlockPOW2>},
    {870, "CBlockEXP", 2, 556, &New<CBlockEXP>},
    {871, "CBlockFIX", 2, 557, &New<CBlockFIX>},
    {872, "CBlockROUND", 2, 558, &New<CBlockROUND>},
    {873, "CBlockSIN", 2, 559, &New<CBlockSIN>},
    {874, "CBlockCOS", 2, 560, &New<CBlockCOS>},
    {875, "CBlockTAN", 2, 561, &New<CBlockTAN>},
    {876, "CBlockCOT", 2, 562, &New<CBlockCOT>},
    {877, "CBlockSEC", 2, 563, &New<CBlockSEC>},
    {878, "CBlockCSC", 2, 566, &New<CBlockCSC>},
    {879, "CBlockQUAD", 3, 567, &New<CBlockQUAD>},
    // The view makes the real connector pair; the factory gives plain blocks for their codes.
    {900, "CBlockObj", 4, 0, &NewPlain},
    {901, "CBlockObj", 4, 0, &NewPlain},
    {911, "CBlockDataLog", 2, 636, &New<CBlockDataLog>},
};

constexpr bool CatalogueSorted()
{
    for (std::size_t i = 1; i < std::size(kCatalogue); ++i) {
        if (kCatalogue[i - 1].nType >= kCatalogue[i].nType)
            return false;
    }
    return true;
}
static_assert(CatalogueSorted(), "the catalogue is searched by code");

void ClaimMsgTextSlot(CBlockObj* pBlock, int* pTextSlots)
{
    if (!pTextSlots)
        return;
    for (int i = 0; i < MSGTEXT_SLOT_COUNT; ++i) {
        if (pTextSlots[i] == 0) {
            pTextSlots[i] = 1;
            pBlock->m_nParamEx[kMsgTextSlotParam] = i;
            return;
        }
    }
}

}  // namespace

std::span<const BlockCatalogueEntry> BlockCatalogue()
{
    return kCatalogue;
}

const BlockCatalogueEntry* FindCatalogueEntry(int nType)
{
    const auto* it = std::lower_bound(
        std::begin(kCatalogue), std::end(kCatalogue), nType,
        [](const BlockCatalogueEntry& entry, int n) { return entry.nType < n; });
    return it != std::end(kCatalogue) && it->nType == nType ? it : nullptr;
}

CBlockObj* CreateBlockForType(int nType, int* pTextSlots, CVetlaDoc* pDoc)
{
    const BlockCatalogueEntry* pEntry = FindCatalogueEntry(nType);
    CBlockObj* pBlock = nullptr;
    try {
        pBlock = pEntry && pEntry->pfnCreate ? pEntry->pfnCreate(nType) : NewPlain(nType);
    } catch (const std::bad_alloc&) {
        return nullptr;  // before a message-text slot is claimed
    }
    pBlock->InitForDocument(pDoc);
    if (nType == BT_MSGTEXT)
        ClaimMsgTextSlot(pBlock, pTextSlots);
    pBlock->m_nWidth = 25;
    pBlock->m_nHeight = pBlock->m_nInputs == 4 ? 40 : 36;
    return pBlock;
}

void RegisterBlockClasses()
{
    AfxRegisterClasses({
        RUNTIME_CLASS(CBlockAAMP), RUNTIME_CLASS(CBlockABS), RUNTIME_CLASS(CBlockAC),
        RUNTIME_CLASS(CBlockACMXIV), RUNTIME_CLASS(CBlockACOMP), RUNTIME_CLASS(CBlockAContact),
        RUNTIME_CLASS(CBlockADTRG), RUNTIME_CLASS(CBlockAFILTER), RUNTIME_CLASS(CBlockAMATH),
        RUNTIME_CLASS(CBlockAMUX), RUNTIME_CLASS(CBlockANDM), RUNTIME_CLASS(CBlockAOutLAD),
        RUNTIME_CLASS(CBlockAPG), RUNTIME_CLASS(CBlockARAMP), RUNTIME_CLASS(CBlockARRMXIV),
        RUNTIME_CLASS(CBlockATHTRG), RUNTIME_CLASS(CBlockAVGVAL), RUNTIME_CLASS(CBlockAWDOG),
        RUNTIME_CLASS(CBlockAnalogFlag), RUNTIME_CLASS(CBlockAnalogIn),
        RUNTIME_CLASS(CBlockAnalogOut), RUNTIME_CLASS(CBlockBCD), RUNTIME_CLASS(CBlockBIN),
        RUNTIME_CLASS(CBlockBoolean), RUNTIME_CLASS(CBlockBreak), RUNTIME_CLASS(CBlockCOS),
        RUNTIME_CLASS(CBlockCOT), RUNTIME_CLASS(CBlockCOUNTER), RUNTIME_CLASS(CBlockCPG),
        RUNTIME_CLASS(CBlockCRC16), RUNTIME_CLASS(CBlockCSC), RUNTIME_CLASS(CBlockComment),
        RUNTIME_CLASS(CBlockDDR), RUNTIME_CLASS(CBlockDPR), RUNTIME_CLASS(CBlockDataLog),
        RUNTIME_CLASS(CBlockENCODER), RUNTIME_CLASS(CBlockEVEN), RUNTIME_CLASS(CBlockEXP),
        RUNTIME_CLASS(CBlockFIX), RUNTIME_CLASS(CBlockFKey), RUNTIME_CLASS(CBlockFemale),
        RUNTIME_CLASS(CBlockFlag), RUNTIME_CLASS(CBlockGCD), RUNTIME_CLASS(CBlockHCOUNTER),
        RUNTIME_CLASS(CBlockHigh), RUNTIME_CLASS(CBlockIn), RUNTIME_CLASS(CBlockInvOut),
        RUNTIME_CLASS(CBlockLCM), RUNTIME_CLASS(CBlockLOG), RUNTIME_CLASS(CBlockLR),
        RUNTIME_CLASS(CBlockLogic), RUNTIME_CLASS(CBlockLow), RUNTIME_CLASS(CBlockMATHERR),
        RUNTIME_CLASS(CBlockMAXMIN), RUNTIME_CLASS(CBlockMEM), RUNTIME_CLASS(CBlockMFS),
        RUNTIME_CLASS(CBlockMOD), RUNTIME_CLASS(CBlockMPLR), RUNTIME_CLASS(CBlockMR),
        RUNTIME_CLASS(CBlockMSGTEXT), RUNTIME_CLASS(CBlockMW), RUNTIME_CLASS(CBlockMake),
        RUNTIME_CLASS(CBlockMale), RUNTIME_CLASS(CBlockNANDM), RUNTIME_CLASS(CBlockNORM),
        RUNTIME_CLASS(CBlockNOTM), RUNTIME_CLASS(CBlockODD), RUNTIME_CLASS(CBlockORM),
        RUNTIME_CLASS(CBlockObj), RUNTIME_CLASS(CBlockOpenX), RUNTIME_CLASS(CBlockOut),
        RUNTIME_CLASS(CBlockPI), RUNTIME_CLASS(CBlockPLR), RUNTIME_CLASS(CBlockPOW2),
        RUNTIME_CLASS(CBlockPR), RUNTIME_CLASS(CBlockPTO), RUNTIME_CLASS(CBlockPTOE),
        RUNTIME_CLASS(CBlockPWM), RUNTIME_CLASS(CBlockQUAD), RUNTIME_CLASS(CBlockRAND),
        RUNTIME_CLASS(CBlockREM), RUNTIME_CLASS(CBlockRG), RUNTIME_CLASS(CBlockROL),
        RUNTIME_CLASS(CBlockROR), RUNTIME_CLASS(CBlockROUND), RUNTIME_CLASS(CBlockRPR),
        RUNTIME_CLASS(CBlockRelayCoil), RUNTIME_CLASS(CBlockSEC), RUNTIME_CLASS(CBlockSEG),
        RUNTIME_CLASS(CBlockSHL), RUNTIME_CLASS(CBlockSHR), RUNTIME_CLASS(CBlockSIN),
        RUNTIME_CLASS(CBlockSLS), RUNTIME_CLASS(CBlockSMC), RUNTIME_CLASS(CBlockSMCE),
        RUNTIME_CLASS(CBlockSQRT), RUNTIME_CLASS(CBlockSREG), RUNTIME_CLASS(CBlockSW),
        RUNTIME_CLASS(CBlockShift), RUNTIME_CLASS(CBlockTAN), RUNTIME_CLASS(CBlockTDT),
        RUNTIME_CLASS(CBlockTHTRG), RUNTIME_CLASS(CBlockTime), RUNTIME_CLASS(CBlockUDC),
        RUNTIME_CLASS(CBlockWIFIAI), RUNTIME_CLASS(CBlockWIFIAOut), RUNTIME_CLASS(CBlockWIFIIn),
        RUNTIME_CLASS(CBlockWIFIOut), RUNTIME_CLASS(CBlockWORD2BIT), RUNTIME_CLASS(CBlockWT),
        RUNTIME_CLASS(CBlockXORM), RUNTIME_CLASS(CBlockYT), RUNTIME_CLASS(CConnectLineObj),
        RUNTIME_CLASS(CPowerBusObj),
    });
}
