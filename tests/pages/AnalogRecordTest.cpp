// The analog form of the apply record: the fields an analog page stores, read from a block and
// written back by group, with references looked up by number.
#include "blocks/BlockAnalog.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "pages/blocks/AnalogRecord.h"

#include <gtest/gtest.h>

namespace {

class AnalogRecordTest : public ::testing::Test {
protected:
    CBlockAnalog* Add(int nType)
    {
        CBlockObj* pBlock = CreateBlockForType(nType, m_slots, &m_doc);
        m_doc.AddBlock(pBlock);
        return static_cast<CBlockAnalog*>(pBlock);
    }

    CVetlaDoc m_doc;
    int m_slots[16] = {};
};

TEST_F(AnalogRecordTest, EveryFieldTravelsFromBlockToBlock)
{
    CBlockAnalog* pFrom = Add(BT_PI);
    CBlockAnalog* pRef = Add(BT_AAMP);
    pFrom->m_nSensor = 2;
    pFrom->m_nRangeMin = -5;
    pFrom->m_nRangeMax = 795;
    pFrom->m_dGain = 1.0;
    pFrom->m_nOffset = -205;
    pFrom->m_nUnit = 1;
    pFrom->m_nResolution = 0;
    pFrom->m_nThreshold1 = 123;
    pFrom->m_nThreshold2 = 456;
    pFrom->m_nDecimals = 2;
    pFrom->m_nPiParamSet = 6;
    pFrom->m_dPiKC = 3.5;
    pFrom->m_bPiUseTI = 0;
    pFrom->m_nPiTIMinutes = 99;
    pFrom->m_nPiTISeconds = 59;
    pFrom->m_nPwmOpt = 1;
    pFrom->m_pRefBlock[1] = pRef;
    pFrom->m_nParam[BLOCK_REF_USED_PARAM + 1] = 1;

    CBlockAnalog* pTo = Add(BT_PI);
    AnalogRecord record = ReadAnalogRecord(*pFrom);
    WriteAnalogRecord(record, *pTo);
    EXPECT_EQ(pTo->m_nSensor, 2);
    EXPECT_EQ(pTo->m_nRangeMin, -5);
    EXPECT_EQ(pTo->m_nRangeMax, 795);
    EXPECT_EQ(pTo->m_nOffset, -205);
    EXPECT_EQ(pTo->m_nUnit, 1);
    EXPECT_EQ(pTo->m_nResolution, 0);
    EXPECT_EQ(pTo->m_nThreshold1, 123);
    EXPECT_EQ(pTo->m_nThreshold2, 456);
    EXPECT_EQ(pTo->m_nDecimals, 2);
    EXPECT_EQ(pTo->m_nPiParamSet, 6);
    EXPECT_DOUBLE_EQ(pTo->m_dPiKC, 3.5);
    EXPECT_EQ(pTo->m_bPiUseTI, 0);
    EXPECT_EQ(pTo->m_nPiTIMinutes, 99);
    EXPECT_EQ(pTo->m_nPiTISeconds, 59);
    EXPECT_EQ(pTo->m_nPwmOpt, 1);
    EXPECT_EQ(pTo->m_pRefBlock[0], nullptr);
    EXPECT_EQ(pTo->m_nParam[BLOCK_REF_USED_PARAM], 0);
    EXPECT_EQ(pTo->m_pRefBlock[1], pRef);
    EXPECT_EQ(pTo->m_nParam[BLOCK_REF_USED_PARAM + 1], 1);
}

TEST_F(AnalogRecordTest, OnlyTheRecordsGroupsAndReferencesAreWritten)
{
    CBlockAnalog* pBlock = Add(BT_PWM);
    CBlockAnalog* pRef = Add(BT_AAMP);
    pBlock->m_pRefBlock[2] = pRef;
    pBlock->m_nParam[BLOCK_REF_USED_PARAM + 2] = 1;
    pBlock->m_dPiKC = 7.0;
    AnalogRecord record;
    record.nGroups = ANALOG_GROUP_LIMITS | ANALOG_GROUP_PWM;
    record.nLimit1 = -20000;
    record.nLimit2 = 20000;
    record.nFastOutput = 3;
    record.nSensor = 4;
    record.nReferences = 1;
    WriteAnalogRecord(record, *pBlock);
    EXPECT_EQ(pBlock->m_nThreshold1, -20000);
    EXPECT_EQ(pBlock->m_nThreshold2, 20000);
    EXPECT_EQ(pBlock->m_nPwmOpt, 3);
    EXPECT_EQ(pBlock->m_nSensor, 0) << "no scaling group, no sensor written";
    EXPECT_DOUBLE_EQ(pBlock->m_dPiKC, 7.0) << "no PI group";
    EXPECT_EQ(pBlock->m_pRefBlock[2], pRef) << "only the record's first reference is written";
}

TEST_F(AnalogRecordTest, AReferenceToABlockThatIsGoneIsNoReference)
{
    CBlockAnalog* pBlock = Add(BT_ACOMP);
    AnalogRecord record = ReadAnalogRecord(*pBlock);
    record.refs[0] = {TRUE, 9999};
    record.refs[1] = {FALSE, pBlock->m_nNumber};
    WriteAnalogRecord(record, *pBlock);
    EXPECT_EQ(pBlock->m_pRefBlock[0], nullptr);
    EXPECT_EQ(pBlock->m_nParam[BLOCK_REF_USED_PARAM], 0);
    EXPECT_EQ(pBlock->m_pRefBlock[1], nullptr) << "a flag that is clear names no block";
    EXPECT_EQ(pBlock->m_nParam[BLOCK_REF_USED_PARAM + 1], 0);
}

}  // namespace
