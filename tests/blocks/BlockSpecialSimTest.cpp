// The special blocks' steps through headless scans: 7-segment codes, word to bit, the level and
// edge runs of the stepping motor and pulse train, the encoder's counting and thresholds, the
// CRC-16 over analog flags, and their value boxes.
#include "SimDriver.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockSpecial.h"
#include "controller/ModBus.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

#include <gtest/gtest.h>

#include <vector>

namespace {

constexpr int kBlock = 9000;

TEST(SegmentPattern, HexDigitsLightTheirSegments)
{
    const BYTE expected[16] = {0x3F, 0x06, 0x5B, 0x4F, 0x66, 0x6D, 0x7D, 0x07,
                               0x7F, 0x67, 0x77, 0x7C, 0x39, 0x5E, 0x79, 0x71};
    for (int nDigit = 0; nDigit < 16; ++nDigit)
        EXPECT_EQ(SegmentPattern(nDigit), expected[nDigit]) << nDigit;
    EXPECT_EQ(SegmentPattern(0x1239), 0x67) << "only the low digit counts";
    EXPECT_EQ(SegmentPattern(-1), 0x71);
}

class SpecialSim : public testing::Test {
protected:
    CBlockIn* AddInput(int nNumber) { return m_sim.Add(new CBlockIn(BT_IN), nNumber); }
    CBlockAnalogIn* AddAnalogIn(int nNumber)
    {
        return m_sim.Add(new CBlockAnalogIn(BT_ANALOG_IN), nNumber);
    }
    template <class T>
    T* AddBlock(int nType, int nNumber = kBlock)
    {
        return m_sim.Add(new T(nType), nNumber);
    }

    SimDriver m_sim;
};

TEST_F(SpecialSim, SegmentDisplayShowsTheLowDigitOnlyWhileEnabled)
{
    auto* pEnable = AddInput(100);
    auto* pWord = AddAnalogIn(4000);
    auto* pSegment = AddBlock<CBlockSEG>(BT_SEG);
    SimDriver::Connect(pEnable, pSegment, 0);
    SimDriver::Connect(pWord, pSegment, 1);
    struct Case {
        int nEnable;
        int nWord;
        int nPattern;
    };
    const Case cases[] = {{1, 9, 0x67}, {1, 0x7F9, 0x67}, {1, 0xA, 0x77}, {0, 9, 0x00},
                          {1, -1, 0x71}, {1, 0, 0x3F}};
    m_sim.Start();
    for (const Case& c : cases) {
        SimDriver::SetInput(pEnable, c.nEnable);
        pWord->m_nAux2 = c.nWord;
        m_sim.Scan();
        EXPECT_EQ(pSegment->m_dRunTime, c.nPattern) << c.nEnable << " " << c.nWord;
    }
}

TEST_F(SpecialSim, WordToBitTakesItsBitNumberFromTheParameterOrAClampedReference)
{
    auto* pWord = AddAnalogIn(4000);
    auto* pBitSource = AddAnalogIn(4001);
    auto* pAmp = AddBlock<CBlockAAMP>(BT_AAMP, kBlock);
    SimDriver::Connect(pBitSource, pAmp, 0);
    auto* pSplit = AddBlock<CBlockWORD2BIT>(BT_WORD2BIT, kBlock + 1);
    SimDriver::Connect(pWord, pSplit, 0);
    pWord->m_nAux2 = 0x8001;
    struct Case {
        bool bReference;
        int nBit;
        int nState;
    };
    const Case cases[] = {{false, 0, 1}, {false, 1, 0}, {false, 15, 1}, {false, 16, 0},
                          {false, -1, 0}, {true, 20, 1}, {true, -3, 1},  {true, 14, 0}};
    m_sim.Start();
    for (const Case& c : cases) {
        pSplit->m_pRefBlock[0] = c.bReference ? pAmp : nullptr;
        pSplit->m_nParam[9] = c.bReference ? 1 : c.nBit;
        pBitSource->m_nAux2 = c.nBit;
        m_sim.Scan();
        EXPECT_EQ(SimDriver::State(pSplit), c.nState) << c.bReference << " " << c.nBit;
    }
}

TEST_F(SpecialSim, WordToBitReportsAChangeOfItsBitNumberOrWord)
{
    auto* pWord = AddAnalogIn(4000);
    auto* pSplit = AddBlock<CBlockWORD2BIT>(BT_WORD2BIT);
    SimDriver::Connect(pWord, pSplit, 0);
    m_sim.Start();
    pWord->m_nAux2 = 4;
    pSplit->m_nParam[9] = 2;
    EXPECT_TRUE(pSplit->Simulate(&m_sim.View()));
    EXPECT_FALSE(pSplit->Simulate(&m_sim.View()));
    pSplit->m_nParam[9] = 3;
    EXPECT_TRUE(pSplit->Simulate(&m_sim.View()));
    pWord->m_nAux2 = 5;
    EXPECT_TRUE(pSplit->Simulate(&m_sim.View()));
    EXPECT_FALSE(pSplit->Simulate(&m_sim.View()));
}

TEST_F(SpecialSim, LevelRunsFollowInputZero)
{
    auto* pInput = AddInput(100);
    auto* pMotor = AddBlock<CBlockSMC>(BT_SMC, kBlock);
    auto* pPulses = AddBlock<CBlockPTO>(BT_PTO, kBlock + 1);
    SimDriver::Connect(pInput, pMotor, 0);
    SimDriver::Connect(pInput, pPulses, 0);
    m_sim.Start();
    for (int nState : {1, 1, 0, 1}) {
        SimDriver::SetInput(pInput, nState);
        m_sim.Run(25);
        EXPECT_EQ(SimDriver::State(pMotor), nState);
        EXPECT_EQ(SimDriver::State(pPulses), nState);
    }
}

class EdgeRun : public SpecialSim {
protected:
    // The motor runs 0.005 x 250 x 100 = 125 ms, the pulse train 0.02 x 50 x 100 = 100 ms.
    void SetUp() override
    {
        m_pStart = AddInput(100);
        m_pStop = AddInput(101);
        m_pMotor = AddBlock<CBlockSMCE>(BT_SMCE, kBlock);
        m_pPulses = AddBlock<CBlockPTOE>(BT_PTOE, kBlock + 1);
        for (CBlockObj* pBlock : std::initializer_list<CBlockObj*>{m_pMotor, m_pPulses}) {
            SimDriver::Connect(m_pStart, pBlock, 0);
            SimDriver::Connect(m_pStop, pBlock, 1);
            pBlock->m_nParamEx[6] = 100;
        }
        m_pPulses->m_nParamEx[1] = 50;
        m_sim.Start();
    }

    void Press(CBlockIn* pInput)
    {
        SimDriver::SetInput(pInput, 1);
        m_sim.Run(25);
        SimDriver::SetInput(pInput, 0);
        m_sim.Run(25);
    }

    CBlockIn* m_pStart = nullptr;
    CBlockIn* m_pStop = nullptr;
    CBlockSMCE* m_pMotor = nullptr;
    CBlockPTOE* m_pPulses = nullptr;
};

TEST_F(EdgeRun, RisingStartRunsUntilTheLimit)
{
    Press(m_pStart);
    EXPECT_EQ(SimDriver::State(m_pMotor), 1);
    EXPECT_EQ(SimDriver::State(m_pPulses), 1);
    m_sim.Run(50);
    EXPECT_EQ(SimDriver::State(m_pMotor), 1) << "75 ms of 125";
    EXPECT_EQ(SimDriver::State(m_pPulses), 1) << "75 ms of 100";
    m_sim.Run(25);
    EXPECT_EQ(SimDriver::State(m_pPulses), 0);
    EXPECT_EQ(m_pPulses->m_dRunTime, 100.0) << "the running time stops at the limit";
    EXPECT_EQ(SimDriver::State(m_pMotor), 1);
    m_sim.Run(25);
    EXPECT_EQ(SimDriver::State(m_pMotor), 0);
    EXPECT_EQ(m_pMotor->m_dRunTime, 125.0);
}

TEST_F(EdgeRun, FinerStepRateDoublesTheMotorsRun)
{
    m_pMotor->m_nParam[9] = 1;
    Press(m_pStart);
    m_sim.Run(200);
    EXPECT_EQ(SimDriver::State(m_pMotor), 1) << "250 ms";
    m_sim.Run(25);
    EXPECT_EQ(SimDriver::State(m_pMotor), 0);
}

TEST_F(EdgeRun, RisingStopEndsTheRunAndAHeldStopBlocksTheStart)
{
    Press(m_pStart);
    Press(m_pStop);
    EXPECT_EQ(SimDriver::State(m_pMotor), 0);
    EXPECT_EQ(SimDriver::State(m_pPulses), 0);
    SimDriver::SetInput(m_pStop, 1);
    m_sim.Run(25);
    SimDriver::SetInput(m_pStart, 1);
    m_sim.Run(50);
    EXPECT_EQ(SimDriver::State(m_pMotor), 0) << "a rising start while stop is on";
    SimDriver::SetInput(m_pStop, 0);
    m_sim.Run(50);
    EXPECT_EQ(SimDriver::State(m_pMotor), 0) << "start was not seen rising";
}

TEST_F(EdgeRun, PausedRunDoesNotEnd)
{
    Press(m_pStart);
    m_pPulses->m_stPause = m_sim.View().m_simClock;
    m_sim.Run(500);
    EXPECT_EQ(SimDriver::State(m_pPulses), 1);
}

TEST_F(EdgeRun, ReferencesReplaceTheRateAndCountAndAreBounded)
{
    auto* pSource = AddAnalogIn(4000);
    auto* pAmp = AddBlock<CBlockAAMP>(BT_AAMP, kBlock + 2);
    SimDriver::Connect(pSource, pAmp, 0);
    m_sim.Start();
    pSource->m_nAux2 = 25;
    m_pPulses->m_pRefBlock[1] = pAmp;  // rate 25: 0.02 x 25 x 100 = 50 ms
    Press(m_pStart);
    EXPECT_EQ(SimDriver::State(m_pPulses), 1);
    m_sim.Run(25);
    EXPECT_EQ(SimDriver::State(m_pPulses), 0);
    pSource->m_nAux2 = -25;  // a negative rate counts as 0: the run ends at its first check
    m_sim.Scan();
    Press(m_pStart);
    m_sim.Scan();
    EXPECT_EQ(SimDriver::State(m_pPulses), 0);
    EXPECT_EQ(m_pPulses->m_dRunTime, 0.0);
}

class EncoderSim : public SpecialSim {
protected:
    void SetUp() override
    {
        for (int nNumber = 100; nNumber <= 103; ++nNumber)
            m_pPulse[nNumber - 100] = AddInput(nNumber);
        m_pReset = AddInput(104);
        m_pEncoder = AddBlock<CBlockENCODER>(BT_ENCODER);
        SimDriver::Connect(m_pReset, m_pEncoder, 0);
        m_pEncoder->m_nParam[9] = 10;
        m_pEncoder->m_nParamEx[1] = 5;
        m_sim.Start();
    }

    // One coincident pulse on the pair starting at input nFirst.
    void Pulse(int nFirst)
    {
        SimDriver::SetInput(m_pPulse[nFirst], 1);
        SimDriver::SetInput(m_pPulse[nFirst + 1], 1);
        m_sim.Scan();
        SimDriver::SetInput(m_pPulse[nFirst + 1], 0);
        m_sim.Scan();
        SimDriver::SetInput(m_pPulse[nFirst], 0);
    }

    CBlockIn* m_pPulse[4] = {};
    CBlockIn* m_pReset = nullptr;
    CBlockENCODER* m_pEncoder = nullptr;
};

TEST_F(EncoderSim, CountsCoincidentPulsesAndSwitchesWithHysteresis)
{
    for (int i = 1; i <= 9; ++i)
        Pulse(0);
    EXPECT_EQ(m_pEncoder->m_dRunTime, 9.0);
    EXPECT_EQ(SimDriver::State(m_pEncoder), 0) << "between Off and On the state stays";
    Pulse(0);
    EXPECT_EQ(SimDriver::State(m_pEncoder), 1);
    SimDriver::SetInput(m_pPulse[0], 1);
    SimDriver::SetInput(m_pPulse[1], 1);
    m_sim.Run(100);
    EXPECT_EQ(m_pEncoder->m_dRunTime, 11.0) << "inputs held on count once";
}

TEST_F(EncoderSim, SecondPairCountsOnlyWhenChosen)
{
    Pulse(2);
    EXPECT_EQ(m_pEncoder->m_dRunTime, 0.0);
    m_pEncoder->m_nParamEx[6] = 1;
    Pulse(2);
    Pulse(0);
    EXPECT_EQ(m_pEncoder->m_dRunTime, 1.0);
}

TEST_F(EncoderSim, ResetRestoresTheStartValueAndCountStopsAtTheMaximum)
{
    m_pEncoder->m_nParam[8] = 999998;
    SimDriver::SetInput(m_pReset, 1);
    m_sim.Scan();
    EXPECT_EQ(m_pEncoder->m_dRunTime, 999998.0);
    EXPECT_EQ(SimDriver::State(m_pEncoder), 0);
    SimDriver::SetInput(m_pReset, 0);
    for (int i = 0; i < 3; ++i)
        Pulse(0);
    EXPECT_EQ(m_pEncoder->m_dRunTime, 999999.0);
    EXPECT_EQ(SimDriver::State(m_pEncoder), 1);
}

class CrcSim : public SpecialSim {
protected:
    // Analog flags fed from analog inputs, in the list order given.
    void AddFlags(std::initializer_list<std::pair<int, int>> flags)
    {
        int nInput = 4000;
        for (const auto& [nNumber, nValue] : flags) {
            auto* pSource = AddAnalogIn(nInput++);
            pSource->m_nAux2 = nValue;
            auto* pFlag = m_sim.Add(new CBlockAnalogFlag(BT_ANALOG_FLAG), nNumber);
            SimDriver::Connect(pSource, pFlag, 0);
        }
    }

    static WORD Crc(std::vector<BYTE> bytes)
    {
        return CModBus().CalcCRC(bytes.data(), int(bytes.size()));
    }

    // The flags are stepped after the function blocks: the CRC sees them a scan later.
    double RunCrc(int nStart, int nCount, int nSource = 0)
    {
        m_pCrc->m_nParamEx[0] = nStart;
        m_pCrc->m_nParamEx[1] = nCount;
        m_pCrc->m_nParam[8] = nSource;
        m_sim.Scan();
        m_sim.Scan();
        return m_pCrc->m_dRunTime;
    }

    void SetUp() override
    {
        m_pEnable = AddInput(100);
        m_pCrc = AddBlock<CBlockCRC16>(BT_CRC16);
        SimDriver::Connect(m_pEnable, m_pCrc, 0);
    }

    CBlockIn* m_pEnable = nullptr;
    CBlockCRC16* m_pCrc = nullptr;
};

TEST_F(CrcSim, RangeOfAnalogFlagsInListOrderWithTheRegisterAreaBounds)
{
    AddFlags({{4290, 0x1234}, {4289, 0x00AB}, {4799, 0x0102}, {4798, 0x0304}});
    m_sim.Start();
    SimDriver::SetInput(m_pEnable, 1);
    struct Case {
        const char* pszName;
        int nStart;
        int nCount;
        int nSource;
        WORD wExpected;
    };
    const Case cases[] = {
        {"two flags, list order", 1, 2, 0, Crc({0x34, 0x12, 0xAB, 0x00})},
        {"flags and a gap", 1, 3, 0, Crc({0x34, 0x12, 0xAB, 0x00, 0, 0})},
        {"no flags in range: zeros", 3, 3, 0, Crc({0, 0, 0, 0, 0, 0})},
        {"count cut at the area's end", 510, 10, 0, Crc({0x02, 0x01, 0x04, 0x03})},
        {"negative start", -1, 4, 0, 0xFFFF},
        {"start past the area", 512, 1, 0, 0xFFFF},
        {"negative count", 1, -2, 0, 0xFFFF},
        {"no count", 1, 0, 0, 0xFFFF},
        {"another source", 0, 2, 1, 0xFFFF},
        {"another source with a start", 5, 2, 1, 0xFFFF},
    };
    for (const Case& c : cases)
        EXPECT_EQ(RunCrc(c.nStart, c.nCount, c.nSource), c.wExpected) << c.pszName;
    SimDriver::SetInput(m_pEnable, 0);
    EXPECT_EQ(RunCrc(1, 2), 0.0);
}

TEST_F(SpecialSim, ValueBoxesShowTheirFormatsInTheirWidths)
{
    struct Case {
        int nType;
        double dValue;
        const char16_t* pszText;
        int nRight;
    };
    const Case cases[] = {
        {BT_ENCODER, -1234.0, u"-1234  ", 150},
        {BT_SEG, 0x67, u"0x67", 162},
        {BT_CRC16, 0x374B, u"0x374B", 137},
    };
    for (const Case& c : cases) {
        std::unique_ptr<CBlockObj> pBlock(CreateBlockForType(c.nType, nullptr));
        pBlock->m_ptPos = CPoint(100, 100);
        pBlock->m_nWidth = 25;
        pBlock->m_nHeight = 36;
        pBlock->m_dRunTime = c.dValue;
        RecordingSurface surface;
        CDC dc(surface);
        pBlock->DrawValue(nullptr, &dc);
        std::u16string text;
        RECT box{};
        for (const auto& record : surface.Records()) {
            if (record.kind == RecordingSurface::Kind::Text)
                text = record.text;
            if (record.kind == RecordingSurface::Kind::FillRect)
                box = record.rect;
        }
        EXPECT_EQ(text, c.pszText) << c.nType;
        EXPECT_EQ(box.right, c.nRight) << c.nType;
        EXPECT_EQ(box.bottom - box.top, 12) << c.nType;
    }
}

}  // namespace
