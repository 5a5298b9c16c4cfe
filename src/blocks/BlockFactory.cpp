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
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWIFI.h"
#include "blocks/BlockWord.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/PowerBusObj.h"

#include <new>

namespace {

void ClaimMsgTextSlot(CBlockObj* pBlock, int* pTextSlots)
{
    if (!pTextSlots)
        return;
    for (int i = 0; i < MSGTEXT_SLOT_COUNT; ++i) {
        if (pTextSlots[i] == 0) {
            pTextSlots[i] = 1;
            pBlock->m_nParamEx[MSGTEXT_SLOT_PARAMEX] = i;
            return;
        }
    }
}

}  // namespace

CBlockObj* CreateBlockForType(int nType, int* pTextSlots, IBlockDocument* pDoc)
{
    const BlockTypeRow* pRow = FindBlockType(nType);
    CBlockObj* pBlock = nullptr;
    try {
        pBlock = pRow && pRow->cls.pfnCreate ? pRow->cls.pfnCreate(nType) : new CBlockObj(nType, 4);
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
