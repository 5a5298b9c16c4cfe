#include "RecordTestSupport.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockTypes.h"

#include <gtest/gtest.h>

namespace {

class BlockAnalogTest : public testing::Test {
protected:
    static void SetUpTestSuite() { RegisterBlockClasses(); }

    TestDocument m_active;
};

void SetPiFields(CBlockAnalog& block)
{
    block.m_nPiParamSet = 7;
    block.m_dPiKC = 0.75;
    block.m_bPiUseTI = 8;
    block.m_nPiTIMinutes = 9;
    block.m_nPiTISeconds = 10;
    block.m_nPwmOpt = 11;
}

TEST_F(BlockAnalogTest, AnalogRecordFollowsTheCommonRecordInItsOrder)
{
    CBlockAAMP block(BT_AAMP);
    block.m_nSensor = 1;
    block.m_nRangeMin = 2;
    block.m_nRangeMax = 3;
    block.m_dGain = -1.5;
    block.m_nOffset = 5;
    block.m_nThreshold1 = 6;
    block.m_nThreshold2 = 7;
    block.m_nDecimals = 3;
    block.m_nUnit = 9;
    block.m_nResolution = 10;
    SetPiFields(block);
    const Bytes bytes = StoreObject(&block);
    // Ten items of 4 bytes but the 8-byte gain, then six PI/PWM items with one 8-byte double.
    const std::size_t nTail = ClassHeaderLength(&block) + kCommonShortLength + kCommonTailLength;
    ASSERT_EQ(bytes.size(), nTail + 44 + 28);
    EXPECT_EQ(ReadI32(bytes, nTail), 1);
    EXPECT_EQ(ReadI32(bytes, nTail + 8), 3);
    double dGain = 0.0;
    std::memcpy(&dGain, bytes.data() + nTail + 12, 8);
    EXPECT_EQ(dGain, -1.5);
    EXPECT_EQ(ReadI32(bytes, nTail + 20), 5);
    EXPECT_EQ(ReadI32(bytes, nTail + 40), 10);
    EXPECT_EQ(ReadI32(bytes, nTail + 44), 7);
    EXPECT_EQ(ReadI32(bytes, nTail + 68), 11);
}

TEST_F(BlockAnalogTest, SchemaZeroRecordKeepsThePiAndPwmDefaults)
{
    for (int nType : {BT_PI, BT_PWM}) {
        std::unique_ptr<CBlockObj> pBlock(CreateBlockForType(nType, nullptr, nullptr));
        auto& analog = static_cast<CBlockAnalog&>(*pBlock);
        analog.m_nThreshold1 = 123;
        analog.m_nResolution = 55;
        SetPiFields(analog);
        const Bytes schema0 = ToSchema0(StoreObject(pBlock.get()), pBlock.get(), 28);
        auto pLoaded = LoadObjectAs<CBlockAnalog>(schema0, &m_active.Doc());
        ASSERT_TRUE(pLoaded) << nType;
        EXPECT_EQ(pLoaded->m_nSchema, 0);
        EXPECT_EQ(pLoaded->m_nThreshold1, 123);
        EXPECT_EQ(pLoaded->m_nResolution, 55);
        EXPECT_EQ(pLoaded->m_dPiKC, 0.5);
        EXPECT_EQ(pLoaded->m_nPiParamSet, 0);
        EXPECT_EQ(pLoaded->m_nPwmOpt, nType == BT_PWM ? 4 : 0);
    }
}

TEST_F(BlockAnalogTest, SchemaTwoRecordIsRefused)
{
    CBlockAMUX block(BT_AMUX);
    const Bytes schema2 = WithSchema(StoreObject(&block), 2);
    EXPECT_EQ(ArchiveFailure([&] { LoadObjectAs<CBlockAnalog>(schema2, &m_active.Doc()); }),
              CArchiveException::badSchema);
}

TEST_F(BlockAnalogTest, OnlyThePiControllerTakesThePiSettingsAndOnlyItAndPwmThePwmSetting)
{
    struct Case {
        int nType;
        bool bPi;
        bool bPwm;
    };
    for (const Case& c : {Case{BT_ACOMP, false, false}, Case{BT_PWM, false, true},
                          Case{BT_PI, true, true}}) {
        std::unique_ptr<CBlockObj> pSource(CreateBlockForType(c.nType, nullptr, nullptr));
        std::unique_ptr<CBlockObj> pCopy(CreateBlockForType(c.nType, nullptr, nullptr));
        auto& source = static_cast<CBlockAnalog&>(*pSource);
        auto& copy = static_cast<CBlockAnalog&>(*pCopy);
        const int nPwmBefore = copy.m_nPwmOpt;
        SetPiFields(source);
        source.m_dGain = 3.0;
        source.m_nValue = 99;
        source.CopyTo(&copy, FALSE);
        EXPECT_EQ(copy.m_dGain, 3.0) << c.nType;
        EXPECT_EQ(copy.m_nValue, 0) << "the result is simulation state";
        EXPECT_EQ(copy.m_dPiKC, c.bPi ? 0.75 : 0.5) << c.nType;
        EXPECT_EQ(copy.m_nPiTISeconds, c.bPi ? 10 : 30) << c.nType;
        EXPECT_EQ(copy.m_nPwmOpt, c.bPwm ? 11 : nPwmBefore) << c.nType;
    }
}

}  // namespace
