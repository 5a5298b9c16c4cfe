// Function-block records in section J and the reference words of their pins, with the bytes
// written out from the record layouts.
#include "CodecTestSupport.h"

#include "blocks/BlockConnector.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockWord.h"

namespace {

class Records : public CodecDiagram {
protected:
    Bytes Record(int nOffset, int nBytes) { return SectionBytes("J", nOffset, nBytes); }
};

class NewerRecords : public Records {
protected:
    NewerRecords() { Doc().m_wHardwareCode = kNewerHardware; }
};

TEST_F(Records, AndGateWritesHeaderAndInputReferences)
{
    CBlockObj* pInput = Point(BT_IN, NUM_INPUT);
    CBlockObj* pAnd = Block(BT_AND);
    Feed(pInput, pAnd, 0);
    pAnd->m_bPinInvert[1] = TRUE;
    pAnd->m_nParam[BLOCK_PROTECTION_PARAM] = 0;
    ASSERT_TRUE(Encode().bOk);
    // Protection off sets bit 6 of the flag byte.
    EXPECT_EQ(Record(0, 12), (Bytes{0x01, 0x40, 0x00, 0x00, 0x00, 0xF4, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF}));
}

TEST_F(Records, FlagByteCarriesRetentivityAndProtection)
{
    CBlockObj* pAnd = Block(BT_AND);
    pAnd->m_nParam[BLOCK_PROTECTION_PARAM] = 1;
    pAnd->m_nParam[BLOCK_RETENTIVE_PARAM] = 1;
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(Record(0, 2), (Bytes{0x01, 0x80}));
}

TEST_F(Records, SourcesNameTheirClassAndIndex)
{
    CBlockObj* pAnd = Block(BT_AND);
    Feed(Point(BT_OUT, NUM_OUTPUT), pAnd, 0);
    Feed(Point(BT_FLAG, NUM_FLAG + 299), pAnd, 1);
    Feed(Point(BT_ANALOG_IN, NUM_ANALOG_IN + 2), pAnd, 2, TRUE);
    CBlockObj* pNot = Block(BT_NOT);
    Feed(pNot, pAnd, 3, TRUE);
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(Record(2, 8), (Bytes{0x00, 0x50, 0x2B, 0x61, 0x02, 0x84, 0x01, 0x74}));
}

TEST_F(Records, ConnectorPairNamesTheBlockThatFeedsIt)
{
    CBlockObj* pInput = Point(BT_IN, NUM_INPUT + 2);
    auto* pMale = new CBlockMale(BT_MALE);
    auto* pFemale = new CBlockFemale(BT_FEMALE);
    pMale->m_nNumber = NUM_MALE;
    pFemale->m_nNumber = NUM_MALE + NUM_FEMALE_OFFSET;
    Doc().m_blockList.AddTail(pMale);
    Doc().m_blockList.AddTail(pFemale);
    Feed(pInput, pMale, 0);
    CBlockObj* pAnd = Block(BT_AND);
    Feed(pFemale, pAnd, 0);
    // A pair that nothing feeds leaves the pin as an open one.
    auto* pLoose = new CBlockFemale(BT_FEMALE);
    pLoose->m_nNumber = NUM_MALE + 1 + NUM_FEMALE_OFFSET;
    Doc().m_blockList.AddTail(pLoose);
    Feed(pLoose, pAnd, 1);
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(Record(2, 4), (Bytes{0x02, 0x00, 0xFF, 0xFF}));
}

TEST_F(NewerRecords, RecordsFollowOneAnotherByProgramSize)
{
    // 10, 12 and 8 bytes.
    Block(BT_SEG);
    Block(BT_AND);
    Block(BT_XOR);
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(Record(0, 1), Bytes{0x52});
    EXPECT_EQ(Record(10, 1), Bytes{0x01});
    EXPECT_EQ(Record(22, 1), Bytes{0x06});
    EXPECT_EQ(Record(30, 1), Bytes{0xFF});
    EXPECT_EQ(Codec().m_nImageSize1, 128);
}

// The read block keeps 18 bytes on the newer controllers too, as the upload's walk reads it; only
// the write block grows to 22.
TEST_F(NewerRecords, ModbusReadKeepsEighteenBytes)
{
    Block(BT_MR);
    Block(BT_MW);
    Block(BT_NOT);
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(Record(18, 1), Bytes{0x3C});
    // The write block's cycle (0 is sent as 0xFFFF) ends its 22 bytes.
    EXPECT_EQ(Record(18 + 16, 6), (Bytes{0x00, 0x00, 0xFF, 0xFF, 0x00, 0x00}));
    EXPECT_EQ(Record(40, 1), Bytes{0x03});
}

TEST(RecordSizes, TableMatchesWhatEachBlockCountsInItsDocument)
{
    for (const WORD wHardware : {kOlderHardware, kNewerHardware}) {
        for (const BlockTypeRow& row : FactoryTypeRows()) {
            // The soft key has no class of its own to count it.
            if (!IsFunctionBlockType(row.nType) || row.nType == BT_SOFTKEY)
                continue;
            CVetlaDoc doc;
            doc.m_wHardwareCode = wHardware;
            CBlockObj* pBlock = CreateBlockForType(row.nType, nullptr, &doc);
            doc.AddBlock(pBlock);
            doc.UpdateSpecialBlockSizes();
            EXPECT_EQ(pBlock->m_wProgramBytes, ImageRecordBytes(row.nType, doc.IsNewGenerationDoc()))
                << row.nType << " " << wHardware;
        }
    }
    EXPECT_EQ(ImageRecordBytes(BT_MR, TRUE), 18);
    EXPECT_EQ(ImageRecordBytes(BT_MW, TRUE), 22);
    EXPECT_EQ(ImageRecordBytes(BT_IN, TRUE), 0);
}

TEST_F(Records, OnDelayWritesItsTimeWordAndIndex)
{
    Block(BT_NOT);
    CBlockObj* pTimer = Block(BT_DPR);
    pTimer->m_nParam[TIMER_ON_HIGH_PARAM] = 1;
    pTimer->m_nParam[TIMER_ON_LOW_PARAM] = 30;
    pTimer->m_nParam[TIMER_ON_BASE_PARAM] = 1;  // minutes:seconds
    pTimer->m_nParam[BLOCK_PROTECTION_PARAM] = 1;
    ASSERT_TRUE(Encode().bOk);
    // NOT takes 4 bytes; 90 + 2 x 16384 = 0x805A; then the own index 1.
    EXPECT_EQ(Record(4, 8), (Bytes{0x21, 0x00, 0xFF, 0xFF, 0x5A, 0x80, 0x01, 0x00}));
}

TEST_F(Records, TimeBasesGiveTheirCodes)
{
    CBlockObj* pTimer = Block(BT_DPR);
    pTimer->m_nParam[TIMER_ON_HIGH_PARAM] = 2;
    pTimer->m_nParam[TIMER_ON_LOW_PARAM] = 5;
    pTimer->m_nParam[TIMER_ON_BASE_PARAM] = 0;  // hours:minutes: 125 minutes
    CBlockObj* pSecond = Block(BT_DPR);
    pSecond->m_nParam[TIMER_ON_HIGH_PARAM] = 3;
    pSecond->m_nParam[TIMER_ON_LOW_PARAM] = 7;
    pSecond->m_nParam[TIMER_ON_BASE_PARAM] = 2;  // seconds:hundredths: 307
    // The stairway's pre-warning and its length count in its off time's base: 0:15 and 0:01.
    CBlockObj* pStairway = Block(BT_SLS);
    pStairway->m_nParamEx[TIMER_OFF_BASE_PARAMEX] = 1;
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(Record(4, 2), (Bytes{0x7D, 0xC0}));
    EXPECT_EQ(Record(12, 2), (Bytes{0x33, 0x41}));
    EXPECT_EQ(Record(22, 4), (Bytes{0x0F, 0x80, 0x01, 0x80}));
}

TEST_F(NewerRecords, MathParameterFromAReferenceWritesItsOffset)
{
    for (int i = 0; i < 6; ++i)
        Block(BT_NOT);
    CBlockObj* pRol = Block(BT_ROL);
    pRol->m_nParam[BLOCK_REF_USED_PARAM] = 1;
    pRol->m_nRefBlock[0] = 9005;  // B5
    pRol->m_nParam[WORDOP_OPERAND_PARAM] = 3;
    pRol->m_nParam[BLOCK_PROTECTION_PARAM] = 1;
    ASSERT_TRUE(Encode().bOk);
    // Bit 5 of the flags: parameter 1 is a reference, whose offset replaces the constant 3.
    EXPECT_EQ(Record(24, 6), (Bytes{0x0F, 0x20, 0xFF, 0xFF, 0x05, 0x00}));
}

// A value of two decimals goes as the hundredths it shows (0.57 is 56.99.. hundredths as a
// double); one with more decimals than the box takes is cut toward zero.
TEST_F(NewerRecords, FloatConstantsSendTheHundredthsTheyShow)
{
    for (const double dValue : {0.57, 0.579, -0.579})
        Block(BT_SQRT)->m_dParam = dValue;
    ASSERT_TRUE(Encode().bOk);
    // Each record: its header, its input, then the constant.
    EXPECT_EQ(Cat(Record(4, 4), Record(16, 4)), (Bytes{57, 0, 0, 0, 57, 0, 0, 0}));
    EXPECT_EQ(Record(28, 4), (Bytes{0xC7, 0xFF, 0xFF, 0xFF}));
}

TEST_F(NewerRecords, PulseBlocksSwapTheirReferenceFlags)
{
    CBlockObj* pSmc = Block(BT_SMC);
    pSmc->m_nParam[BLOCK_PROTECTION_PARAM] = 1;
    pSmc->m_nParam[BLOCK_REF_USED_PARAM] = 1;       // parameter 1: bit 4
    pSmc->m_nParam[BLOCK_REF_USED_PARAM + 1] = 0;
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(Record(0, 2), (Bytes{0x5D, 0x10}));
}

TEST_F(Records, SoftKeyWritesTwoInputsAndItsState)
{
    CBlockObj* pKey = Block(BT_SOFTKEY);
    Feed(Point(BT_IN, NUM_INPUT + 1), pKey, 0);
    Feed(Point(BT_IN, NUM_INPUT + 2), pKey, 1);
    Feed(Point(BT_IN, NUM_INPUT + 3), pKey, 2);  // no pin of the controller's soft key
    pKey->m_nParam[BLOCK_PROTECTION_PARAM] = 1;
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(Record(0, 8), (Bytes{0x37, 0x00, 0x01, 0x00, 0x02, 0x00, 0x01, 0x01}));
}

TEST_F(Records, CounterWritesThirtyTwoBitThresholds)
{
    CBlockObj* pCounter = Block(BT_COUNTER);
    pCounter->m_nParam[BLOCK_PROTECTION_PARAM] = 1;
    pCounter->m_nParam[9] = 100000;    // on
    pCounter->m_nParamEx[1] = 7;       // off
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(Record(0, 24), (Bytes{0x2B, 0x00, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xA0, 0x86, 0x01, 0x00,
                                    0x07, 0x00, 0x00, 0x00, 0x00, 0x80, 0, 0, 0, 0, 0, 0}));
}

class UdcAreas : public NewerCodecDiagram {
protected:
    CBlockObj* Udc(int nTxKind, int nTxNumber, int nRxKind, int nRxNumber)
    {
        CBlockObj* pUdc = Block(BT_UDC);
        pUdc->m_nParamEx[UDC_TX_AREA_PARAMEX] = nTxKind;
        pUdc->m_nParam[UDC_TX_NUMBER_PARAM] = nTxNumber;
        pUdc->m_nParamEx[UDC_RX_AREA_PARAMEX] = nRxKind;
        pUdc->m_nParam[UDC_RX_NUMBER_PARAM] = nRxNumber;
        return pUdc;
    }
};

// The send and receive areas are the source codes of their kind, high byte first: AQ 3 and AI 5
// (AM keeps its 0xA000 + number, as before).
TEST_F(UdcAreas, AreWrittenByTheirKind)
{
    Udc(1, 3, 2, 5);
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(SectionBytes("J", 8, 2), (Bytes{3, 0x90}));
    EXPECT_EQ(SectionBytes("J", 12, 2), (Bytes{5, 0x80}));
}

// AQ has 32 points: a 33rd cannot be named, and the download is refused.
TEST_F(UdcAreas, ThatNoPointHasRefuseTheDownload)
{
    Udc(1, 32, 0, 0);
    EXPECT_FALSE(Encode().bOk);
}

} // namespace
