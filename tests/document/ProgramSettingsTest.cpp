#include "document/HardwareChange.h"
#include "document/ProgramSettings.h"

#include "DocTestSupport.h"
#include "blocks/BlockAnalog.h"
#include "blocks/BlockClock.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockMR.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTypes.h"
#include "document/BlockNames.h"

#include <gtest/gtest.h>

#include <functional>

namespace {

constexpr WORD k3X = 0x1188;
constexpr WORD k75X = 0x5188;
constexpr WORD k77X = 0x5288;
constexpr WORD k89X = 0x6188;

class ProgramSettingsTest : public DocTest {
protected:
    static void SetUpTestSuite()
    {
        DocTest::SetUpTestSuite();
        CVetlaDoc::InitBlockCaptions();
    }
    void MakeHardware(CVetlaDoc& doc, WORD wCode)
    {
        doc.m_wHardwareCode = wCode;
        ApplyHardwareChange(doc, wCode);
    }
    CBlockObj* AddPoint(CVetlaDoc& doc, int nType, int nFirstNumber, int nOperand)
    {
        CBlockObj* pBlock = AddNew(doc, nType);
        pBlock->m_nOperand = nOperand;
        pBlock->m_nNumber = nFirstNumber + nOperand;
        return pBlock;
    }
    HardwareCodeScope m_code{k75X};
};

// The checks that refuse an older or another line, as the hardware page shows them.
TEST_F(ProgramSettingsTest, OlderLinesRefuseWhatTheyCannotRun)
{
    CVetlaDoc doc;
    MakeHardware(doc, k75X);
    EXPECT_TRUE(HardwareChangeProblem(doc, 5, 1, _T("B1.XX")).IsEmpty());
    AddPoint(doc, BT_IN, 100, 16);
    for (int nItem : {0, 1, 2, 3}) {
        const CString strProblem = HardwareChangeProblem(doc, 5, nItem, _T("B1.XX"));
        EXPECT_EQ(strProblem.Left(4).ToUtf8(), "I016") << nItem;
        EXPECT_GE(strProblem.Find(_T("Block number too high!")), 0) << nItem;
    }
    for (int nItem : {5, 7, 9})
        EXPECT_TRUE(HardwareChangeProblem(doc, 5, nItem, _T("C1.XX")).IsEmpty()) << nItem;
    // Outputs: the lower 8 of each module of 16.
    CVetlaDoc outputs;
    MakeHardware(outputs, k75X);
    AddPoint(outputs, BT_OUT, 600, 7);
    EXPECT_TRUE(HardwareChangeProblem(outputs, 5, 1, _T("B1.XX")).IsEmpty());
    AddPoint(outputs, BT_OUT, 600, 24);
    EXPECT_EQ(HardwareChangeProblem(outputs, 5, 1, _T("B1.XX")).Left(4).ToUtf8(), "Q18 ");
    // An older diagram is never checked: what it holds every line runs.
    EXPECT_TRUE(HardwareChangeProblem(doc, 1, 3, _T("B1.XX")).IsEmpty());

    // Function keys and data logs are refused by their operand, each with a text of its own.
    const std::pair<int, const char*> lacking[] = {{BT_FKEY, "F2 "}, {BT_DATALOG, "L2"}};
    for (const auto& [nType, pszLabel] : lacking) {
        CVetlaDoc other;
        MakeHardware(other, k75X);
        AddNew(other, nType)->m_nOperand = 2;
        const std::string strProblem = HardwareChangeProblem(other, 5, 1, _T("B1.XX")).ToUtf8();
        EXPECT_EQ(strProblem.rfind(pszLabel, 0), 0u) << strProblem;
        EXPECT_NE(strProblem.find(": Not supported!"), std::string::npos) << strProblem;
    }
}

// Each block setting the older line cannot follow is refused with its own text.
TEST_F(ProgramSettingsTest, OlderLinesRefuseBlockSettingsTheyCannotFollow)
{
    using Set = std::function<void(CBlockObj&)>;
    const std::tuple<int, Set, const char*> cases[] = {
        {BT_WT, [](CBlockObj& b) { b.m_nParam[WT_PULSE_PARAM] = 1; }, "pulse function"},
        {BT_YT, [](CBlockObj& b) { b.m_nParam[YT_ON_YEAR_PARAM] = 2010; }, "Year range"},
        {BT_COUNTER, [](CBlockObj& b) { b.m_nParam[COUNTER_START_PARAM] = 5; }, "start value"},
        {BT_HCOUNTER, [](CBlockObj& b) { b.m_nParam[HCOUNTER_MI_MINUTES_PARAM] = 30; }, "to hours"},
        {BT_AWDOG, [](CBlockObj& b) { static_cast<CBlockAnalog&>(b).m_nThreshold1 = 5; }, "must be equal"},
        {BT_SREG, [](CBlockObj& b) { b.m_nParamEx[SREG_INDEX_PARAMEX] = 2; }, "first shift register"},
        {BT_MSGTEXT, [](CBlockObj&) {}, "Rich Text"},
        {BT_MAKE, [](CBlockObj& b) { b.m_nOperand = NUM_SHIFT + 17; }, "S1.1 "},
    };
    for (const auto& [nType, set, pszText] : cases) {
        CVetlaDoc doc;
        MakeHardware(doc, k75X);
        set(*AddNew(doc, nType));
        const std::string strProblem = HardwareChangeProblem(doc, 5, 1, _T("B1.XX")).ToUtf8();
        EXPECT_NE(strProblem.find(pszText), std::string::npos) << nType << ": " << strProblem;
    }
}

TEST_F(ProgramSettingsTest, OnlyTheWifiLineRunsWifiBlocks)
{
    CVetlaDoc doc;
    MakeHardware(doc, k77X);
    EXPECT_TRUE(HardwareChangeProblem(doc, 7, 5, _T("C1.XX")).IsEmpty());
    CBlockObj* pWifi = AddNew(doc, BT_WIFI_IN);
    for (int nItem : {5, 9}) {
        const CString strProblem = HardwareChangeProblem(doc, 7, nItem, _T("C1.XX"));
        CString strExpected;
        strExpected.Format(_T("B%d"), pWifi->m_nNumber - 9000);
        EXPECT_EQ(strProblem.Left(strExpected.GetLength()), strExpected) << nItem;
        EXPECT_GE(strProblem.Find(_T(": Not supported!")), 0) << nItem;
    }
    EXPECT_TRUE(HardwareChangeProblem(doc, 7, 7, _T("C1.XX")).IsEmpty());
}

TEST_F(ProgramSettingsTest, HardwareChangeAdaptsBlocksAndPortsToTheGeneration)
{
    CVetlaDoc doc;
    MakeHardware(doc, k75X);
    doc.m_settings.com[0].nBaudIndex = 12;
    doc.m_settings.com[1].nBaudIndex = 9;
    auto* pRead = static_cast<CBlockMR*>(AddNew(doc, BT_MR));
    pRead->m_nDataKind = 2;
    auto* pOlderWrite = static_cast<CBlockMW*>(AddNew(doc, BT_MW));
    pOlderWrite->m_nDataKind = 3;
    ApplyHardwareChange(doc, k3X);
    EXPECT_EQ(doc.m_wHardwareCode, k3X);
    EXPECT_EQ(doc.m_wFirmwareWord, 0xB100);
    EXPECT_EQ(doc.m_strHardwareName.ToUtf8(), "3X Series B1.XX");
    EXPECT_EQ(doc.m_settings.com[0].nBaudIndex, COM_BAUD_9600);
    EXPECT_EQ(doc.m_settings.com[1].nBaudIndex, 9);
    EXPECT_EQ(pRead->m_nDataKind, 0);
    EXPECT_EQ(pOlderWrite->m_nDataKind, 0) << "the write block is a read block too";

    auto* pWatchdog = static_cast<CBlockAnalog*>(AddNew(doc, BT_AWDOG));
    pWatchdog->m_nThreshold1 = 5;
    pWatchdog->m_nThreshold2 = 9;
    CBlockObj* pYearly = AddNew(doc, BT_YT);
    pYearly->m_nParam[YT_PULSE_PARAM] = 1;
    pYearly->m_nParam[YT_ON_YEAR_PARAM] = 2010;
    CBlockObj* pWrite = AddNew(doc, BT_MW);
    pWrite->m_nPinSource[8] = 0;
    CBlockObj* pRegister = AddNew(doc, BT_SREG);
    pRegister->m_nParamEx[SREG_INDEX_PARAMEX] = 2;
    ApplyHardwareChange(doc, k89X);
    EXPECT_EQ(doc.m_wFirmwareWord, 0xC100);
    EXPECT_EQ(pWatchdog->m_nThreshold1, 9);
    EXPECT_EQ(pYearly->m_nParam[YT_PULSE_PARAM], 0);
    EXPECT_EQ(pYearly->m_nParam[YT_YEARLY_PARAM], 1);
    EXPECT_EQ(pYearly->m_nParam[YT_ON_YEAR_PARAM], 2000);
    EXPECT_EQ(pYearly->m_nParam[YT_OFF_YEAR_PARAM], 2099);
    EXPECT_EQ(pWrite->m_nPinSource[8], 57);
    EXPECT_EQ(pWrite->m_nPinSource[9], LINK_END);
    EXPECT_EQ(pRegister->m_nParamEx[SREG_INDEX_PARAMEX], 0);
}

TEST_F(ProgramSettingsTest, UnchangedSettingsLeaveTheDocumentUntouched)
{
    CVetlaDoc doc;
    MakeHardware(doc, k77X);
    doc.m_settings.com[2].nBaudIndex = 12;
    AddNew(doc, BT_AWDOG);
    const Bytes before = SaveToBytes(doc);
    EXPECT_FALSE(WriteProgramSettings(ReadProgramSettings(doc), doc.m_wHardwareCode, doc));
    // The same line again changes nothing either, blocks included.
    EXPECT_FALSE(WriteProgramSettings(ReadProgramSettings(doc), 0x52FF, doc));
    EXPECT_EQ(SaveToBytes(doc), before);
}

TEST_F(ProgramSettingsTest, OlderControllersKeepTheirLcdAndRunNoFastPorts)
{
    HardwareCodeScope older(k3X);
    CVetlaDoc doc;
    MakeHardware(doc, k3X);
    doc.m_settings.lcd.nLanguage = 3;
    doc.m_settings.lcd.nLogoTime = 2;
    doc.m_settings.lcd.nContrast = 5;
    doc.m_settings.lcd.nBacklight = 1;
    doc.m_settings.com[1].nBaudIndex = 0;
    const LcdSettings lcd = doc.m_settings.lcd;
    ProgramSettings settings = ReadProgramSettings(doc);
    EXPECT_EQ(settings.lcd.nContrast, 0);
    settings.com[1].nBaudIndex = 11;
    settings.lcd.nBacklight = 0;
    EXPECT_TRUE(WriteProgramSettings(settings, k3X, doc));
    EXPECT_EQ(doc.m_settings.com[1].nBaudIndex, COM_BAUD_9600);
    EXPECT_TRUE(doc.m_settings.lcd == lcd);
}

TEST_F(ProgramSettingsTest, ChangedSettingsSurviveSaveAndOpen)
{
    CVetlaDoc doc;
    MakeHardware(doc, k75X);
    ProgramSettings settings = ReadProgramSettings(doc);
    settings.strProject[PROJECT_CREATOR] = _T("Creator");
    settings.strProject[PROJECT_VERSION3] = _T("V3");
    settings.strComment = _T("Pumps");
    settings.strProgramName = _T("PUMP1");
    settings.strPassword = _T("ABC");
    settings.nTempHigh = 70;
    settings.nTempLow = -5;
    settings.bCopyProtect = 1;
    settings.com[2].nModel = 2;
    settings.com[2].nBaudIndex = 9;
    settings.lcd.nContrast = 6;
    settings.analog.nAiRangeType[1] = 1;
    settings.analog.bKeepAqValues = 0;
    settings.analog.dAqFixedValue[31] = 7.5;
    settings.analog.byAqRangeType[4] = 1;
    ASSERT_TRUE(WriteProgramSettings(settings, k89X, doc));
    CVetlaDoc reopened;
    LoadFromBytes(reopened, SaveToBytes(doc));
    EXPECT_TRUE(ReadProgramSettings(reopened) == settings);
    EXPECT_EQ(reopened.m_strHardwareName.ToUtf8(), "8X Series C1.XX");
}

} // namespace
