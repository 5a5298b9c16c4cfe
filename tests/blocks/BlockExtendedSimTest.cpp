// The special blocks' steps through headless scans: 7-segment codes, word to bit, the edge run
// of the stepping motor and pulse train, the encoder's counting and thresholds, and the CRC-16
// over a run of analog flags with the bounds of their register area.
#include "SimDriver.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockOut.h"
#include "protocol/Crc16.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

class SpecialSim : public testing::Test {
protected:
    void Press(CBlockIn* pInput)
    {
        SimDriver::SetInput(pInput, 1);
        m_sim.Run(25);
        SimDriver::SetInput(pInput, 0);
        m_sim.Run(25);
    }

    SimDriver m_sim;
};

TEST_F(SpecialSim, SegmentDisplayShowsTheCodeOfTheLowDigitWhileEnabled)
{
    const BYTE codes[16] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07,
                            0x7F, 0x67, 0x77, 0x7C, 0x39, 0x5E, 0x79, 0x71};
    auto* pEnable = m_sim.AddInput(100);
    auto* pWord = m_sim.AddAnalogIn(4000);
    auto* pSegment = m_sim.Add(new CBlockSEG(BT_SEG), 9000);
    SimDriver::Connect(pEnable, pSegment, 0);
    SimDriver::Connect(pWord, pSegment, 1);
    m_sim.Start();
    SimDriver::SetInput(pEnable, 1);
    for (int nDigit = 0; nDigit < 16; ++nDigit) {
        pWord->m_nHeldValue = 0x7F0 + nDigit;
        m_sim.Scan();
        EXPECT_EQ(pSegment->m_dRunTime, codes[nDigit]) << nDigit;
    }
    m_sim.Switch(pEnable, 0);
    EXPECT_EQ(pSegment->m_dRunTime, 0.0);
}

TEST_F(SpecialSim, WordToBitTakesItsBitFromTheParameterOrAClampedReference)
{
    auto* pWord = m_sim.AddAnalogIn(4000);
    auto* pBitSource = m_sim.AddAnalogIn(4001);
    auto* pAmp = m_sim.Add(new CBlockAAMP(BT_AAMP), 9000);
    SimDriver::Connect(pBitSource, pAmp, 0);
    auto* pSplit = m_sim.Add(new CBlockWORD2BIT(BT_WORD2BIT), 9001);
    SimDriver::Connect(pWord, pSplit, 0);
    struct Case {
        bool bReference;
        int nBit;
        int nState;
    };
    const Case cases[] = {{false, 1, 0}, {false, 15, 1}, {false, 16, 0}, {false, -1, 0},
                          {true, 20, 1}, {true, -3, 1},  {true, 14, 0}};
    m_sim.Start();
    pWord->m_nHeldValue = 0x8001;  // the start of the run clears the analog inputs' values
    for (const Case& c : cases) {
        pSplit->m_pRefBlock[0] = c.bReference ? pAmp : nullptr;
        pSplit->m_nParam[WORD2BIT_BIT_PARAM] = c.bReference ? 1 : c.nBit;
        pBitSource->m_nHeldValue = c.nBit;
        m_sim.Scan();
        EXPECT_EQ(SimDriver::State(pSplit), c.nState) << c.bReference << " " << c.nBit;
    }
}

// The motor runs 0.005 x 250 x 100 = 125 ms, the pulse train 0.02 x 50 x 100 = 100 ms.
TEST_F(SpecialSim, EdgeRunsStartOnARisingInputAndStopAtTheirLimitOrOnStop)
{
    auto* pStart = m_sim.AddInput(100);
    auto* pStop = m_sim.AddInput(101);
    auto* pMotor = m_sim.Add(new CBlockSMCE(BT_SMCE), 9000);
    auto* pPulses = m_sim.Add(new CBlockPTOE(BT_PTOE), 9001);
    for (CBlockObj* pBlock : std::initializer_list<CBlockObj*>{pMotor, pPulses}) {
        SimDriver::Connect(pStart, pBlock, 0);
        SimDriver::Connect(pStop, pBlock, 1);
        pBlock->m_nParamEx[PULSE_LENGTH_PARAMEX] = 100;
    }
    pPulses->m_nParamEx[PULSE_RATE_PARAMEX] = 50;
    m_sim.Start();
    Press(pStart);
    m_sim.Run(50);
    EXPECT_EQ(SimDriver::State(pPulses), 1) << "75 ms";
    m_sim.Run(25);
    EXPECT_EQ(SimDriver::State(pPulses), 0);
    EXPECT_EQ(pPulses->m_dRunTime, 100.0) << "the running time stops at the limit";
    EXPECT_EQ(SimDriver::State(pMotor), 1);
    m_sim.Run(25);
    EXPECT_EQ(SimDriver::State(pMotor), 0);

    Press(pStart);
    Press(pStop);
    EXPECT_EQ(SimDriver::State(pMotor), 0) << "stopped";
    SimDriver::SetInput(pStop, 1);
    m_sim.Run(25);
    Press(pStart);
    EXPECT_EQ(SimDriver::State(pMotor), 0) << "a rising start while stop is held";
}

TEST_F(SpecialSim, EncoderCountsCoincidentPulsesAndSwitchesWithHysteresis)
{
    auto* pA = m_sim.AddInput(100);
    auto* pB = m_sim.AddInput(101);
    auto* pReset = m_sim.AddInput(104);
    auto* pEncoder = m_sim.Add(new CBlockENCODER(BT_ENCODER), 9000);
    SimDriver::Connect(pReset, pEncoder, 0);
    pEncoder->m_nParam[ENCODER_ON_PARAM] = 10;
    pEncoder->m_nParamEx[ENCODER_OFF_PARAMEX] = 5;
    pEncoder->m_nParam[ENCODER_RESET_VALUE_PARAM] = 3;
    m_sim.Start();
    SimDriver::SetInput(pA, 1);
    for (int nCount = 1; nCount <= 10; ++nCount) {
        SimDriver::SetInput(pB, 1);
        m_sim.Run(50);
        m_sim.Switch(pB, 0);
        EXPECT_EQ(pEncoder->m_dRunTime, nCount);
        EXPECT_EQ(SimDriver::State(pEncoder), nCount < 10 ? 0 : 1) << nCount;
    }
    m_sim.Switch(pReset, 1);
    EXPECT_EQ(pEncoder->m_dRunTime, 3.0);
    EXPECT_EQ(SimDriver::State(pEncoder), 0);
}

TEST_F(SpecialSim, CrcCoversARunOfAnalogFlagsInListOrderWithinTheirArea)
{
    auto* pEnable = m_sim.AddInput(100);
    auto* pCrc = m_sim.Add(new CBlockCRC16(BT_CRC16), 9000);
    SimDriver::Connect(pEnable, pCrc, 0);
    int nSource = 4000;
    std::vector<std::pair<CBlockObj*, int>> values;
    for (const auto& [nNumber, nValue] :
         {std::pair{4290, 0x1234}, {4289, 0x00AB}, {4799, 0x0102}, {4798, 0x0304}}) {
        auto* pValue = m_sim.AddAnalogIn(nSource++);
        values.emplace_back(pValue, nValue);
        auto* pFlag = m_sim.Add(new CBlockAnalogFlag(BT_ANALOG_FLAG), nNumber);
        SimDriver::Connect(pValue, pFlag, 0);
    }
    const auto crc = [](std::vector<BYTE> bytes) {
        return ModbusCrc16(bytes.data(), int(bytes.size()));
    };
    struct Case {
        const char* pszName;
        int nStart;
        int nCount;
        int nSource;
        WORD wExpected;
    };
    const Case cases[] = {
        {"list order, a gap left 0", 1, 3, 0, crc({0x34, 0x12, 0xAB, 0x00, 0, 0})},
        {"no flags in range", 3, 2, 0, crc({0, 0, 0, 0})},
        {"cut at the area's end", 510, 10, 0, crc({0x02, 0x01, 0x04, 0x03})},
        {"negative start", -1, 4, 0, 0xFFFF},
        {"start past the area", 512, 1, 0, 0xFFFF},
        {"negative count", 1, -2, 0, 0xFFFF},
        {"another source", 0, 2, 1, 0xFFFF},
    };
    m_sim.Start();
    // The start of the run clears the analog inputs' values.
    for (const auto& [pValue, nValue] : values)
        pValue->m_nHeldValue = nValue;
    SimDriver::SetInput(pEnable, 1);
    for (const Case& c : cases) {
        pCrc->m_nParamEx[CRC16_START_PARAMEX] = c.nStart;
        pCrc->m_nParamEx[CRC16_COUNT_PARAMEX] = c.nCount;
        pCrc->m_nParam[CRC16_SOURCE_PARAM] = c.nSource;
        // The flags are stepped after the function blocks: their values arrive a scan later.
        m_sim.Scan();
        m_sim.Scan();
        EXPECT_EQ(pCrc->m_dRunTime, c.wExpected) << c.pszName;
    }
    m_sim.Switch(pEnable, 0);
    EXPECT_EQ(pCrc->m_dRunTime, 0.0);
}

}  // namespace
