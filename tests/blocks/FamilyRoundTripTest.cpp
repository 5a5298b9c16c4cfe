// Every type code of the analog, special, message-text, Modbus, WiFi, data-log, ladder and
// connector classes: the constructor values the program image and the editor depend on, the
// record round trip and the copy.
#include "RecordTestSupport.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockConnector.h"
#include "blocks/BlockDataLog.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockLadder.h"
#include "blocks/BlockMR.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWIFI.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct FamilyCase {
    int nType;
    const char* pszClass;
    WORD wProgramBytes;
    int nPinSlots;
    BYTE byCapFlags;
    int nOutputs;
};

// Program bytes and pin slots size the controller program; the capability bits decide what
// message texts may show.
constexpr FamilyCase kCases[] = {
    {BT_MAKE, "CBlockMake", 0, 0, 0x0F, 1},
    {BT_BREAK, "CBlockBreak", 0, 0, 0x0F, 1},
    {BT_ACONTACT, "CBlockAContact", 0, 0, 0x2F, 1},
    {BT_RELAY_COIL, "CBlockRelayCoil", 0, 0, 0x0F, 0},
    {BT_INV_OUT, "CBlockInvOut", 0, 0, 0x0F, 0},
    {BT_AOUT_LAD, "CBlockAOutLAD", 0, 0, 0x2F, 1},
    {BT_ACOMP, "CBlockACOMP", 24, 8, 0x1F, 1},
    {BT_ATHTRG, "CBlockATHTRG", 16, 7, 0x1F, 1},
    {BT_AAMP, "CBlockAAMP", 12, 5, 0x3F, 1},
    {BT_AWDOG, "CBlockAWDOG", 20, 7, 0x1E, 1},
    {BT_ADTRG, "CBlockADTRG", 16, 7, 0x1E, 1},
    {BT_MSGTEXT, "CBlockMSGTEXT", 8, 4, 0x04, 1},
    {BT_MR, "CBlockMR", 18, 8, 0x00, 1},
    {BT_MW, "CBlockMW", 18, 8, 0x00, 1},
    {BT_AMATH, "CBlockAMATH", 20, 11, 0x3F, 1},
    {BT_AMUX, "CBlockAMUX", 20, 9, 0x3F, 1},
    {BT_ARAMP, "CBlockARAMP", 28, 12, 0x3F, 1},
    {BT_PI, "CBlockPI", 28, 14, 0x3F, 1},
    {BT_PWM, "CBlockPWM", 24, 11, 0x1E, 1},
    {BT_AFILTER, "CBlockAFILTER", 8, 4, 0x3F, 1},
    {BT_MAXMIN, "CBlockMAXMIN", 16, 6, 0x3F, 1},
    {BT_AVGVAL, "CBlockAVGVAL", 16, 6, 0x3F, 1},
    {BT_WIFI_IN, "CBlockWIFIIn", 12, 8, 0x00, 1},
    {BT_WIFI_OUT, "CBlockWIFIOut", 12, 7, 0x00, 0},
    {BT_WIFI_AI, "CBlockWIFIAI", 12, 7, 0x00, 1},
    {BT_WIFI_AOUT, "CBlockWIFIAOut", 12, 7, 0x00, 0},
    {BT_MEM, "CBlockMEM", 12, 6, 0x21, 1},
    {BT_ENCODER, "CBlockENCODER", 24, 8, 0x0F, 1},
    {BT_SMC, "CBlockSMC", 16, 6, 0x0E, 1},
    {BT_SMCE, "CBlockSMCE", 22, 8, 0x0E, 1},
    {BT_PTO, "CBlockPTO", 12, 4, 0x0E, 1},
    {BT_PTOE, "CBlockPTOE", 18, 6, 0x0E, 1},
    {BT_SEG, "CBlockSEG", 10, 4, 0x3C, 1},
    {BT_WORD2BIT, "CBlockWORD2BIT", 10, 4, 0x0E, 1},
    {BT_UDC, "CBlockUDC", 24, 15, 0x08, 1},
    {BT_CRC16, "CBlockCRC16", 12, 5, 0x2E, 1},
    {BT_MALE, "CBlockMale", 0, 0, 0x0F, 0},
    {BT_FEMALE, "CBlockFemale", 0, 0, 0x0F, 1},
    {BT_DATALOG, "CBlockDataLog", 0, 0, 0x00, 0},
};

// The factory gives plain blocks for the connector codes; the view makes the real pair.
CBlockObj* Create(int nType)
{
    if (nType == BT_MALE)
        return new CBlockMale(nType);
    if (nType == BT_FEMALE)
        return new CBlockFemale(nType);
    return CreateBlockForType(nType, nullptr, nullptr);
}

// Distinct values in common fields that every copy takes.
void FillCommon(CBlockObj& block)
{
    block.m_nNumber = 9001;
    block.m_nOperand = 1316;
    block.m_strText = _T("text");
    block.m_nParam[8] = 7;
}

// Distinct values in the class's own fields.
void FillOwn(CBlockObj& block)
{
    if (auto* pAnalog = dynamic_cast<CBlockAnalog*>(&block)) {
        pAnalog->m_nSensor = 11;
        pAnalog->m_nRangeMin = 12;
        pAnalog->m_nRangeMax = 13;
        pAnalog->m_dGain = 2.5;
        pAnalog->m_nOffset = -7;
        pAnalog->m_nThreshold1 = 300;
        pAnalog->m_nThreshold2 = -300;
        pAnalog->m_nDecimals = 2;
        pAnalog->m_nUnit = 14;
        pAnalog->m_nResolution = 15;
        if (dynamic_cast<CBlockPI*>(&block)) {
            pAnalog->m_nPiParamSet = 21;
            pAnalog->m_dPiKC = 0.25;
            pAnalog->m_bPiUseTI = 23;
            pAnalog->m_nPiTIMinutes = 24;
            pAnalog->m_nPiTISeconds = 25;
        }
        if (dynamic_cast<CBlockPI*>(&block) || dynamic_cast<CBlockPWM*>(&block))
            pAnalog->m_nPwmOpt = 9;
    }
    if (auto* pWifi = dynamic_cast<CBlockWIFI*>(&block)) {
        pWifi->m_nWifiMode = 1;
        pWifi->m_nWifiId = 2;
        pWifi->m_nRemoteKind = 3;
        pWifi->m_nRemoteNumber = 4;
    }
    if (auto* pModbus = dynamic_cast<CBlockMR*>(&block)) {
        pModbus->m_bySlave = 17;
        pModbus->m_byCommand = 3;
        pModbus->m_byFunction = 16;
        pModbus->m_byMode = 1;
        pModbus->m_nPort = 2;
        pModbus->m_wRegister = 40001;
        pModbus->m_wCount = 2;
        pModbus->m_wFirstData = 596;
        pModbus->m_wSecondData = 0xABCD;
        pModbus->m_wDataNumber = 5;
        pModbus->m_nDataKind = 1;
        pModbus->m_strFirstData = _T("FFFF");
        pModbus->m_strSecondData = _T("FF");
    }
    if (auto* pLog = dynamic_cast<CBlockDataLog*>(&block)) {
        pLog->m_arrLogItems.SetSize(2);
        pLog->m_arrLogItems[0].strItem = _T("B001");
        pLog->m_arrLogItems[0].nValue1 = 9001;
        pLog->m_arrLogItems[1].strItem = _T("I3");
        pLog->m_arrLogItems[1].strParam = _T("State");
        pLog->m_arrLogItems[1].nValue2 = -4;
    }
    if (auto* pText = dynamic_cast<CBlockMSGTEXT*>(&block)) {
        pText->m_strCells1[2][20] = _T("a");
        pText->m_strCells2[4][24] = _T("z");
        pText->m_nMsgSettings[13] = 99;
    }
}

void Fill(CBlockObj& block)
{
    FillCommon(block);
    FillOwn(block);
}

// The data-log items are not part of a block copy: whoever copies a data log copies them.
bool CopiesOwnFields(int nType) { return nType != BT_DATALOG; }

class FamilyRoundTrip : public testing::TestWithParam<FamilyCase> {
protected:
    static void SetUpTestSuite() { RegisterBlockClasses(); }
    void SetUp() override { m_active.Doc().m_wHardwareCode = kNewHardware; }

    TestDocument m_active;
};

TEST_P(FamilyRoundTrip, ConstructorGivesTheCataloguedClassAndItsControllerSizes)
{
    const FamilyCase& c = GetParam();
    std::unique_ptr<CBlockObj> pBlock(Create(c.nType));
    EXPECT_STREQ(pBlock->GetRuntimeClass()->m_lpszClassName, c.pszClass);
    EXPECT_EQ(pBlock->m_nType, c.nType);
    EXPECT_EQ(pBlock->m_wProgramBytes, c.wProgramBytes);
    EXPECT_EQ(pBlock->m_nPinSlots, c.nPinSlots);
    EXPECT_EQ(pBlock->m_nCapFlags, c.byCapFlags);
    EXPECT_EQ(pBlock->m_nOutputs, c.nOutputs);
    const BlockTypeRow* pRow = FindBlockType(c.nType);
    if (pRow && pRow->cls.pfnCreate && pRow->cls.pClass != RUNTIME_CLASS(CBlockObj)) {
        EXPECT_EQ(pBlock->m_nInputs, pRow->pins.nInputs);
    }
    // Every used input that no role code claims is open.
    for (int nPin = 0; nPin < pBlock->m_nInputs; ++nPin)
        EXPECT_GE(pBlock->m_nPinSource[nPin], LINK_OPEN) << "pin " << nPin;
}

TEST_P(FamilyRoundTrip, StoreLoadStoreGivesTheSameBytes)
{
    std::unique_ptr<CBlockObj> pBlock(Create(GetParam().nType));
    Fill(*pBlock);
    const Bytes first = StoreObject(pBlock.get());
    auto pLoaded = LoadObjectAs<CBlockObj>(first, &m_active.Doc());
    ASSERT_TRUE(pLoaded);
    EXPECT_STREQ(pLoaded->GetRuntimeClass()->m_lpszClassName, GetParam().pszClass);
    EXPECT_EQ(StoreObject(pLoaded.get()), first);
    // The capability bits are not stored: a loaded block has its class's own.
    EXPECT_EQ(pLoaded->m_nCapFlags, GetParam().byCapFlags);
}

TEST_P(FamilyRoundTrip, CopyToTakesWhatTheClassCopies)
{
    const int nType = GetParam().nType;
    std::unique_ptr<CBlockObj> pSource(Create(nType));
    Fill(*pSource);
    std::unique_ptr<CBlockObj> pCopy(Create(nType));
    pSource->CopyTo(pCopy.get(), TRUE);

    std::unique_ptr<CBlockObj> pExpected(Create(nType));
    FillCommon(*pExpected);
    if (CopiesOwnFields(nType))
        FillOwn(*pExpected);
    EXPECT_EQ(StoreObject(pCopy.get()), StoreObject(pExpected.get()));
}

INSTANTIATE_TEST_SUITE_P(Families, FamilyRoundTrip, testing::ValuesIn(kCases),
                         [](const testing::TestParamInfo<FamilyCase>& info) {
                             return std::string(info.param.pszClass);
                         });

}  // namespace
