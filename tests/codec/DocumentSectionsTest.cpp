// The sections written from the document: names, program name and password, the ports, the
// download stamp, the settings of the newer generation, outputs, inputs, the data log and the
// checksums.
#include "CodecTestSupport.h"

#include "blocks/BlockDataLog.h"
#include "blocks/BlockIn.h"

#include <cstdint>

namespace {

TEST_F(CodecDiagram, OlderNamesAreLcdCodesPaddedWith5B)
{
    Block(BT_NOT)->m_strLabelSuffix = _T("PUMP 1.A");
    Block(BT_NOT);
    Block(BT_NOT)->m_strLabelSuffix = _T("a(b");
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(SectionBytes("A", 0, 6), (Bytes{0x00, 0x00, 0x02, 0x00, 0xFF, 0xFF}));
    EXPECT_EQ(SectionBytes("B", 0, 16),
              (Bytes{'P', 'U', 'M', 'P', 91, '1', 92, 'A', 'a', 95, 'b', 0x5B, 0x5B, 0x5B, 0x5B, 0x5B}));
    EXPECT_EQ(SectionBytes("B", 16, 1), Bytes{0xFF});
}

TEST_F(NewerCodecDiagram, NewerNamesAreLowBytesPaddedWithSpaces)
{
    Block(BT_NOT)->m_strLabelSuffix = _T("a(b");
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(SectionBytes("B", 0, 8), (Bytes{'a', '(', 'b', 0x20, 0x20, 0x20, 0x20, 0x20}));
}

TEST_F(CodecDiagram, ProgramNameAndPassword)
{
    Doc().m_settings.strProgramName = _T("Hall");
    Doc().m_settings.strPassword = _T("AB");
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(SectionBytes("K"), Cat(Bytes{'H', 'a', 'l', 'l'}, Bytes(12, 0xFF)));
    EXPECT_EQ(SectionBytes("L"), Cat(Bytes{'A', 'B'}, Bytes(14, 0xFF)));
}

TEST_F(CodecDiagram, LongPasswordKeepsEightCharacters)
{
    Doc().m_settings.strPassword = _T("123456789");
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(SectionBytes("L"), Cat(Bytes{'1', '2', '3', '4', '5', '6', '7', '8'}, Bytes(8, 0xFF)));
}

TEST_F(CodecDiagram, StampSwapsEachPairOfCharacters)
{
    ASSERT_TRUE(Encode().bOk);
    // "DL20260314092653".
    const std::string strStamp = "LD02623041906235";
    EXPECT_EQ(SectionBytes("ID"), Bytes(strStamp.begin(), strStamp.end()));
}

TEST_F(CodecDiagram, PortsAreThreeRecordsOfElevenWords)
{
    ComPortSettings& port0 = Doc().m_settings.com[0];
    port0.nModel = 2;  // the text panel is sent as 0
    port0.nAddress = 7;
    port0.nParityDataStop = 5;  // not sent
    port0.nTimeout = 70000;     // truncated to 16 bits
    Doc().m_settings.com[2].nSpare = 9;
    ASSERT_TRUE(Encode().bOk);
    const Bytes port = SectionBytes("CM", 0, 22);
    EXPECT_EQ(port, (Bytes{0, 0, 0, 0, 7, 0, 3, 0, 0, 0, 1, 0, 0, 0, 0x70, 0x11, 0, 0, 0, 0, 0, 0}));
    EXPECT_EQ(SectionBytes("CM", 22, 2), (Bytes{1, 0}));
    EXPECT_EQ(SectionBytes("CM", 64, 2), (Bytes{9, 0}));
    EXPECT_EQ(SectionBytes("CM", 66), Bytes(110, 0xFF));
}

TEST_F(CodecDiagram, SettingsWordsOfEveryGeneration)
{
    Doc().m_settings.bCopyProtect = 1;
    Doc().m_settings.nRedundancy = 2;
    Doc().m_settings.nSyncTime = 70000;
    Doc().m_settings.nTempHigh = 90;
    Doc().m_settings.nTempLow = -20;
    Doc().m_wFirmwareWord = 0x0203;
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(SectionBytes("PR"), (Bytes{1, 0}));
    EXPECT_EQ(SectionBytes("RD"), (Bytes{2, 0, 0x70, 0x11, 0x01, 0x00}));
    EXPECT_EQ(SectionBytes("HT"), (Bytes{90, 0}));
    EXPECT_EQ(SectionBytes("LT"), (Bytes{0xEC, 0xFF}));
    EXPECT_EQ(SectionBytes("M1"), (Bytes{0x88, 0x11}));
    EXPECT_EQ(SectionBytes("V1"), (Bytes{0x03, 0x02}));
    // The older generation gets none of the newer sections and C keeps its starting contents.
    EXPECT_EQ(SectionBytes("KV"), Bytes(2, 0xFF));
    EXPECT_EQ(SectionBytes("RV", 0, 4), Bytes(4, 0xFF));
    EXPECT_EQ(SectionBytes("C", 0, 2), (Bytes{0xFF, 0x00}));
}

TEST_F(NewerCodecDiagram, NewerSettingsFillCKvQtFvAndRv)
{
    Doc().m_nAiFilter = 2;
    Doc().m_nTickerCharTime = 300;
    Doc().m_nCharSet1 = 1;
    Doc().m_settings.analog.bKeepAqValues = 0;
    Doc().m_settings.analog.byAqRangeType[1] = 3;
    Doc().m_settings.analog.dAqFixedValue[0] = 2.5;
    Doc().m_settings.analog.dAqFixedValue[1] = 0.57;  // the hundredths shown, not 56.99.. truncated
    Doc().m_settings.lcd.nLanguage = 1;
    Doc().m_settings.lcd.nContrast = 4;
    Doc().m_settings.analog.nAiRangeType[1] = 2;
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(SectionBytes("C", 0, 10), (Bytes{0x90, 0x01, 0x2C, 0x01, 1, 0, 0, 0, 0, 0}));
    EXPECT_EQ(SectionBytes("KV"), (Bytes{0, 0}));
    EXPECT_EQ(SectionBytes("QT", 0, 2), (Bytes{0, 3}));
    EXPECT_EQ(SectionBytes("FV", 0, 4), (Bytes{250, 0, 57, 0}));
    EXPECT_EQ(SectionBytes("RV", 6, 12), (Bytes{1, 0, 44, 0, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0, 2}));
}

TEST_F(CodecDiagram, OutputsTakeTheirSourceAtTheirIndex)
{
    CBlockObj* pInput = Point(BT_IN, NUM_INPUT + 1);
    Feed(pInput, Point(BT_OUT, NUM_OUTPUT + 3), 0, TRUE);  // never negated in an output section
    Point(BT_OUT, NUM_OUTPUT);                            // open
    Feed(Point(BT_ANALOG_IN, NUM_ANALOG_IN), Point(BT_ANALOG_OUT, NUM_ANALOG_OUT + 2), 0);
    Feed(pInput, Point(BT_OPENX, NUM_OPENX + 1), 0);
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(SectionBytes("E", 0, 8), (Bytes{0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0xFF, 0x01, 0x00}));
    EXPECT_EQ(SectionBytes("G1", 4, 2), (Bytes{0x00, 0x80}));
    EXPECT_EQ(SectionBytes("H", 2, 2), (Bytes{0x01, 0x00}));
}

TEST_F(CodecDiagram, InputSettingsGoToPw)
{
    static_cast<CBlockIn*>(Point(BT_IN, NUM_INPUT + 4))->m_bHighSpeed = 1;
    Point(BT_IN, NUM_INPUT + 5);
    ASSERT_TRUE(Encode().bOk);
    EXPECT_EQ(SectionBytes("PW", 3, 4), (Bytes{0, 1, 0, 0}));
}

TEST_F(NewerCodecDiagram, DataLogListsItsItems)
{
    CBlockObj* pCounter = Block(BT_COUNTER);
    auto* pLog = static_cast<CBlockDataLog*>(Block(BT_DATALOG));
    Feed(Point(BT_IN, NUM_INPUT + 1), pLog, 0);
    pLog->m_nParam[BLOCK_PROTECTION_PARAM] = 1;
    DataLogItem block;
    block.strItem = _T("B001");
    block.nValue1 = pCounter->m_nNumber;
    block.nValue2 = 2;
    DataLogItem flags;
    flags.strItem = _T("M3-M10");
    flags.nValue1 = NUM_FLAG + 2;
    pLog->m_arrLogItems.Add(block);
    pLog->m_arrLogItems.Add(flags);
    ASSERT_TRUE(Encode().bOk);
    const int nInputWords = 2 * (pLog->m_nInputs - 1);
    EXPECT_EQ(SectionBytes("DL", 0, 2), (Bytes{0x01, 0x00}));
    EXPECT_EQ(SectionBytes("DL", nInputWords, 4), (Bytes{1, 0, 2, 0}));
    EXPECT_EQ(SectionBytes("DL", nInputWords + 4, 10), Bytes(10, 0xFF));
    EXPECT_EQ(SectionBytes("DL", nInputWords + 14, 8), (Bytes{0x07, 0x2B, 0x00, 0x20, 0x06, 0xFF, 0x02, 0x00}));
}

// The little-endian 32-bit words of the bytes added up; of four bytes, the word they hold.
std::uint32_t Sum(std::span<const BYTE> bytes)
{
    std::uint32_t nSum = 0;
    for (std::size_t i = 0; i < bytes.size(); i += 4)
        nSum += std::uint32_t(bytes[i] | bytes[i + 1] << 8 | bytes[i + 2] << 16) | std::uint32_t(bytes[i + 3]) << 24;
    return nSum;
}

TEST_F(CodecDiagram, ChecksumCoversTheImageAndTheErasedRest)
{
    Block(BT_AND);
    ASSERT_TRUE(Encode().bOk);
    WriteImageChecksums(Codec(), FALSE);
    const std::uint32_t nExpected = Sum(Codec().Image(0).subspan(1024)) + Sum(Codec().Image(1)) +
                                    std::uint32_t((24576 - 128) / 4) * 0xFFFFFFFFu;
    EXPECT_EQ(Sum(SectionBytes("LC", 1016, 4)), nExpected);
    EXPECT_EQ(SectionBytes("LC", 1010, 2), (Bytes{0, 0}));
}

TEST_F(NewerCodecDiagram, ChecksumOfTheTextArea)
{
    Block(BT_MSGTEXT);
    Block(BT_MSGTEXT);
    ASSERT_TRUE(Encode().bOk);
    WriteImageChecksums(Codec(), TRUE);
    EXPECT_EQ(SectionBytes("LC", 1010, 2), (Bytes{0x00, 0x05}));  // 2 x 1280 / 2 words
    EXPECT_EQ(Sum(SectionBytes("LC", 1012, 4)), Sum(Codec().TextArea()));
}

} // namespace
