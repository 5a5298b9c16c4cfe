#include "BlockObjTest.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWidgetText.h"
#include "blocks/Widget.h"

#include <gtest/gtest.h>

#include <functional>
#include <initializer_list>
#include <memory>
#include <string>
#include <vector>

namespace {

struct Texts {
    std::u16string editor;
    std::u16string display;
};

class WidgetTextTest : public testing::Test {
public:
    WidgetTextTest()
    {
        m_active.Doc().m_wHardwareCode = kNewHardware;
        // Monday 4 March 2024, 08:05:07.
        const SYSTEMTIME st = {2024, 3, 1, 4, 8, 5, 7, 0};
        m_active.SetClock(st);
    }

    CBlockObj* Make(int nType)
    {
        m_blocks.emplace_back(CreateBlockForType(nType, nullptr, nullptr));
        return m_blocks.back().get();
    }

    // A value block numbered 9100 (display number B100) whose value is dValue.
    CBlockObj* Source(double dValue)
    {
        CBlockObj* pSource = Make(BT_COUNTER);
        pSource->m_nNumber = 9100;
        pSource->m_dRunTime = dValue;
        return pSource;
    }

    static CBlockTime& Time(CBlockObj& b) { return dynamic_cast<CBlockTime&>(b); }
    static CBlockAnalog& Analog(CBlockObj& b) { return dynamic_cast<CBlockAnalog&>(b); }

    Texts TextsOf(CBlockObj& block, int nId, int nKind, bool bSimulating)
    {
        m_active.Sim().bSimulating = bSimulating;
        CString strEditor;
        CString strDisplay;
        block.GetWidgetText(&m_active.Sim(), &strEditor, nId, nKind);
        block.GetWidgetValueText(&m_active.Sim(), &strDisplay, nId, nKind);
        return {std::u16string(strEditor.View()), std::u16string(strDisplay.View())};
    }

    TestDocument m_active;
    std::vector<std::unique_ptr<CBlockObj>> m_blocks;
};

// The message-text parameter table: the ids each block type offers, in list order (the list
// index is the element's kind). The watchdog lists the ids of both generations.
struct ParamList {
    std::vector<int> types;
    std::vector<int> ids;
};

const std::vector<ParamList>& ParameterTable()
{
    static const std::vector<ParamList> table = {
        {{400, 403}, {0, 4, 50}}, {{401}, {0, 5, 50}}, {{402}, {0, 6, 7, 50}}, {{404}, {0, 7, 50}},
        {{405, 406}, {0, 40, 39, 50}}, {{407}, {10, 11, 50}}, {{408}, {0, 5, 12, 13, 50}},
        {{409}, {0, 41, 14, 12, 13, 50}}, {{410}, {15, 42, 43, 44, 45, 46, 47, 48, 49}},
        {{411}, {35, 36}}, {{412}, {75, 76, 77, 78, 79}}, {{413}, {80, 81, 82, 83}},
        {{800}, {16, 17, 18, 64}}, {{801}, {19, 20, 21, 65, 66, 67}}, {{802}, {22, 37, 38, 23}},
        {{803}, {24, 25, 26, 27, 28, 29, 30}}, {{804}, {24, 25, 26, 27, 28}}, {{805}, {26, 27, 28}},
        {{806}, {31, 26, 27, 32, 28, 68, 69}}, {{807}, {24, 31, 26, 27, 28, 25}},
        {{810}, {34, 1, 2, 3}}, {{815}, {70, 71, 72, 73, 74}}, {{816}, {70, 84, 85, 86, 87}},
        {{820}, {88, 89, 98}}, {{822}, {91, 92, 93, 94}}, {{821}, {95, 89, 96, 97, 98}},
        {{823}, {99, 100, 101}}, {{817}, {26, 27, 102, 103, 104, 105, 106, 107}},
        {{818}, {26, 27, 108, 109, 110, 111, 112, 113, 114, 115}}, {{819}, {116, 26, 27, 117}},
        {{832, 833, 840, 866}, {89, 114}}, {{834, 835}, {89, 118, 114}},
        {{836, 837}, {89, 119, 114}}, {{838, 839, 841, 842, 843}, {89, 120, 114}},
        {{844}, {95, 121, 114}}, {{845}, {89, 90, 95, 114}}, {{846}, {122, 114}},
        {{848}, {144, 140, 130, 141, 142}}, {{849}, {126}}, {{850}, {126, 127}},
        {{851}, {138}}, {{852}, {138, 143}}, {{853}, {114}}, {{854}, {124}}, {{855}, {128}},
        {{856}, {129}}, {{860, 861}, {89}}, {{862, 863, 871, 872}, {89, 122, 114}},
        {{864}, {89, 122, 123, 114}},
        {{865, 869, 870, 873, 874, 875, 876, 877, 878}, {89, 123, 114}},
        {{867, 868}, {89, 90, 114}}, {{879}, {123, 114}}, {{608}, {131}}, {{610}, {137}},
    };
    return table;
}

TEST_F(WidgetTextTest, EveryListedParameterHasATextInBothModes)
{
    for (const ParamList& list : ParameterTable()) {
        for (int nType : list.types) {
            CBlockObj* pBlock = Make(nType);
            for (int nKind = 0; nKind < int(list.ids.size()); ++nKind) {
                const int nId = list.ids[std::size_t(nKind)];
                for (bool bSimulating : {false, true}) {
                    const Texts texts = TextsOf(*pBlock, nId, nKind, bSimulating);
                    // Longitude and latitude exist on the LCD only.
                    const bool bDisplayOnly = nType == BT_AC && (nId == 75 || nId == 76);
                    EXPECT_EQ(texts.editor.empty(), bDisplayOnly) << nType << " id " << nId;
                    EXPECT_FALSE(texts.display.empty()) << nType << " id " << nId;
                }
            }
        }
    }
}

TEST_F(WidgetTextTest, GraphicKindsShowPlaceholdersInTheEditor)
{
    CBlockObj* pBlock = Make(BT_DPR);
    const struct {
        int nKind;
        const char16_t* pszEditor;
    } rows[] = {
        {WIDGET_KIND_BARGRAPH, u"Bar"},
        {WIDGET_KIND_SCOPE, u"Scope 12 X 3"},
        {WIDGET_KIND_POINTER, u"Pointer 12 X 3"},
        {WIDGET_KIND_GRAPH, u"Graph 12 X 4"},
        {WIDGET_KIND_SCALETIME, u"keep"},
        {WIDGET_KIND_IOSTATUSNAME, u"keep"},
    };
    for (const auto& row : rows) {
        CString str(_T("keep"));
        pBlock->GetWidgetText(&m_active.Sim(), &str, 0, row.nKind);
        EXPECT_EQ(str.View(), row.pszEditor) << row.nKind;
    }
    // On the LCD a bar graph shows the value its id names; a scale time draws its own digits.
    pBlock->m_nParam[10] = 2;
    EXPECT_EQ(TextsOf(*pBlock, 0, WIDGET_KIND_BARGRAPH, true).display, u"00:00s");
    EXPECT_EQ(TextsOf(*pBlock, 0, WIDGET_KIND_SCALETIME, true).display, u"");
}

TEST_F(WidgetTextTest, UnknownTypeOrIdLeavesTheTextAsPassed)
{
    for (auto [nType, nId] : {std::pair{BT_AND, 0}, {BT_DPR, 16}, {BT_COUNTER, 999}}) {
        CString str(_T("keep"));
        Make(nType)->GetWidgetValueText(&m_active.Sim(), &str, nId, 0);
        EXPECT_EQ(str, _T("keep")) << nType << " id " << nId;
    }
}

// A code between two types that share a list (the unassigned 857-859 among the word blocks)
// finds no row, nor does a code beside a family's last.
TEST_F(WidgetTextTest, RowsListBlockTypesAndNothingBetweenThem)
{
    for (int nId : {89, 90, 114, 122}) {
        EXPECT_NE(FindWidgetTextRow(BT_CRC16, nId), nullptr) << nId;
        EXPECT_NE(FindWidgetTextRow(BT_ODD, nId), nullptr) << nId;
        for (int nType : {857, 858, 859, 880})
            EXPECT_EQ(FindWidgetTextRow(nType, nId), nullptr) << nType << " id " << nId;
    }
    CBlockObj unassigned(858, 4);
    CString str(_T("keep"));
    unassigned.GetWidgetValueText(&m_active.Sim(), &str, 89, 0);
    EXPECT_EQ(str, _T("keep"));
}

// One hand-set block state and the texts it gives.
struct TextCase {
    const char* pszName;
    int nType;
    int nId;
    int nKind;
    bool bSimulating;
    std::function<void(CBlockObj&, WidgetTextTest&)> setUp;
    const char16_t* pszEditor;
    const char16_t* pszDisplay;
};

TEST_F(WidgetTextTest, FieldsSetByHand)
{
    const TextCase cases[] = {
        {"referenced time in base 2 splits by 100", BT_DPR, 4, 1, false,
         [](auto& b, auto& t) { b.m_nParam[11] = 2; b.m_pRefBlock[0] = t.Source(1234); },
         u"12:34 Seconds(s:1/100s)", u"B100ms"},
        {"referenced time is held to its unit's limit", BT_MPLR, 7, 2, false,
         [](auto& b, auto& t) { b.m_nParam[12] = 1; b.m_pRefBlock[1] = t.Source(7000); },
         u"99:59 Minutes(m:s)", u"B100s"},
        {"plain setpoint", BT_SLS, 12, 3, false,
         [](auto& b, auto&) { b.m_nParamEx[2] = 1; b.m_nParamEx[6] = 0; b.m_nParamEx[5] = 15; },
         u"00:15 Minutes(m:s)", u"00:15m"},
        {"remaining time of a stopped timer", BT_DPR, 50, 2, true,
         [](auto& b, auto&) { b.m_nParam[10] = 1; b.m_dRunTime = 5000; b.m_dRemaining = 3000; },
         u"00:00 Minutes(m:s)", u"00:00m"},
        {"remaining time of a running timer", BT_DPR, 50, 2, true,
         [](auto& b, auto&) {
             b.m_nParam[10] = 1;
             b.m_dRunTime = 5000;
             b.m_dRemaining = 65000;
             Time(b).m_bTiming = 1;
         },
         u"01:05 Minutes(m:s)", u"01:05m"},
        {"on/off delay in its off phase times in the off base", BT_MPLR, 0, 0, true,
         [](auto& b, auto&) {
             b.m_nParam[10] = 0;
             b.m_nParamEx[2] = 2;
             b.m_dRunTime = 1230;
             Time(b).m_nWork[0] = 1;
         },
         u"01:23 Seconds(s:1/100s)", u"01:23s"},
        {"on/off delay that has done its off delay stays in the off base", BT_MPLR, 0, 0, true,
         [](auto& b, auto&) {
             b.m_nParam[10] = 0;
             b.m_nParamEx[2] = 2;
             b.m_dRunTime = 1230;
             Time(b).m_nWork[1] = 1;
         },
         u"01:23 Seconds(s:1/100s)", u"01:23s"},
        {"pulse relay's phase field is no interval still timed", BT_RPR, 50, 2, true,
         [](auto& b, auto&) {
             b.m_nParamEx[2] = 1;
             b.m_dRunTime = 5000;
             b.m_dRemaining = 65000;
             Time(b).m_nWork[0] = 1;
         },
         u"00:00 Minutes(m:s)", u"00:00m"},
        {"random generator's drawn off delay", BT_RG, 50, 2, true,
         [](auto& b, auto&) {
             b.m_nParamEx[2] = 1;
             auto& rg = dynamic_cast<CBlockRG&>(b);
             rg.m_nWork[0] = 1;
             rg.m_nOffDelaySec = 75;
             rg.m_nOffDelayHund = 50;
         },
         u"01:15 Minutes(m:s)", u"01:15m"},
        {"weekly timer's second cam, Monday first", BT_WT, 44, 3, false,
         [](auto& b, auto&) {
             Time(b).m_bDay[1][1] = 1;
             Time(b).m_bDay[1][0] = 1;
             Time(b).m_bDay[0][2] = 1;
         },
         u"M-----S", u"M-----S"},
        {"weekly timer's third cam's off time", BT_WT, 49, 8, false,
         [](auto& b, auto&) { Time(b).m_nOffTime[2][0] = 17; Time(b).m_nOffTime[2][1] = 5; },
         u"17:05 Hours", u"17:05"},
        {"yearly timer with the month wildcard", BT_YT, 36, 1, false,
         [](auto& b, auto&) { b.m_nParam[2] = 1; b.m_nParamEx[0] = 5; },
         u"**.05 Day.Month", u"**.05 "},
        {"time zone 13 lies west", BT_AC, 77, 2, false,
         [](auto& b, auto&) { b.m_nParamEx[2] = 13; }, u"-1", u"-1"},
        {"sunrise shows zero", BT_AC, 78, 3, false, nullptr, u"00:00 Hours(h:m)", u"00:00h"},
        {"counter threshold from a block", BT_COUNTER, 17, 1, false,
         [](auto& b, auto& t) { b.m_pRefBlock[0] = t.Source(2e6); }, u"999999", u"B100"},
        {"hours counter rounds the time to go up", BT_HCOUNTER, 20, 1, true,
         [](auto& b, auto&) { dynamic_cast<CBlockHCOUNTER&>(b).m_nMNMinutes = 61; }, u"2", u"2"},
        {"hours counter total as hours and minutes", BT_HCOUNTER, 67, 5, true,
         [](auto& b, auto&) { dynamic_cast<CBlockHCOUNTER&>(b).m_nOTMinutes = 125; },
         u"2:5 Hours(h:m)", u"2h:5m"},
        {"threshold trigger gate", BT_THTRG, 23, 3, false,
         [](auto& b, auto&) { b.m_nParamEx[1] = 1; b.m_nParamEx[0] = 5; },
         u"01:05 Seconds(s:1/100s)", u"01:05ms"},
        {"analog value with two decimals", BT_ACOMP, 30, 6, true,
         [](auto& b, auto&) { Analog(b).m_nDecimals = 2; Analog(b).m_nValue = -12345; },
         u"-123.45", u"-123.45"},
        {"damaged decimal places are held to 3", BT_ATHTRG, 24, 0, false,
         [](auto& b, auto&) { Analog(b).m_nDecimals = 9; Analog(b).m_nThreshold1 = 5; },
         u"  0.005", u"  0.005"},
        {"differential trigger's off is on plus delta", BT_ADTRG, 25, 5, false,
         [](auto& b, auto&) { Analog(b).m_nThreshold1 = 100; Analog(b).m_nThreshold2 = -20; },
         u"    80 ", u"    80 "},
        {"error detection without a block", BT_MATHERR, 99, 0, false, nullptr, u"----", u"----"},
        {"analog flag value", BT_ANALOG_FLAG, 137, 0, true,
         [](auto& b, auto&) { b.m_nHeldValue = -42; }, u" -42.0", u" -42.0"},
        {"binary code input word in hexadecimal, editor default", BT_BIN, 89, 0, false,
         [](auto& b, auto&) { b.m_nEditorInput[0] = 0x11234; }, u"0x1234", u"0x1234"},
        {"referenced shift count is held to 1-15", BT_ROL, 118, 1, false,
         [](auto& b, auto& t) { b.m_pRefBlock[0] = t.Source(20); }, u"15", u"B100"},
        {"mask in hexadecimal", BT_XORM, 120, 1, false,
         [](auto& b, auto&) { b.m_nParam[9] = -1; }, u"0xFFFF", u"0xFFFF"},
        {"referenced mode is held to 0-2", BT_ARRMXIV, 95, 0, false,
         [](auto& b, auto& t) { b.m_pRefBlock[0] = t.Source(7); }, u"Average", u"B100"},
        {"logarithm's referenced base", BT_LOG, 122, 1, false,
         [](auto& b, auto& t) { b.m_pRefBlock[0] = t.Source(1); }, u"2", u"B100"},
        {"segment pattern's low byte", BT_SEG, 114, 0, true,
         [](auto& b, auto&) { b.m_dRunTime = 0x167; }, u"0x67", u"0x67"},
        {"CRC in four hex digits", BT_CRC16, 129, 0, true,
         [](auto& b, auto&) { b.m_dRunTime = 0x4B37; }, u"0x4B37", u"0x4B37"},
        {"encoder source pair", BT_ENCODER, 130, 2, false,
         [](auto& b, auto&) { b.m_nParamEx[6] = 1; }, u"I2&I3", u"I2&I3"},
        {"pulse train's referenced pulse width is held below 100000000", BT_PTOE, 138, 0, false,
         [](auto& b, auto& t) { b.m_pRefBlock[1] = t.Source(-5); }, u"0", u"B100"},
        {"message text's current time", BT_MSGTEXT, 34, 0, true, nullptr, u"AM 08:05:07",
         u"Mo 08:05"},
        {"message text's current date", BT_MSGTEXT, 1, 1, true, nullptr, u"2024-03-04",
         u"2024-03-04"},
    };
    for (const TextCase& c : cases) {
        CBlockObj* pBlock = Make(c.nType);
        if (c.setUp)
            c.setUp(*pBlock, *this);
        const Texts texts = TextsOf(*pBlock, c.nId, c.nKind, c.bSimulating);
        EXPECT_EQ(texts.editor, c.pszEditor) << c.pszName;
        EXPECT_EQ(texts.display, c.pszDisplay) << c.pszName;
    }
}

TEST_F(WidgetTextTest, InputWordsAreTheDefaultsInTheEditorAndThePinsInASimulation)
{
    CBlockObj* pBlock = m_active.Add(CreateBlockForType(BT_GCD, nullptr, nullptr));
    auto* pInput = m_active.Add(new CBlockAnalogIn(BT_ANALOG_IN));
    pInput->m_nNumber = NUM_ANALOG_IN;
    pInput->m_nHeldValue = 40000;
    pBlock->m_nPinSource[1] = NUM_ANALOG_IN;
    pBlock->m_nEditorInput[1] = 7;
    EXPECT_EQ(TextsOf(*pBlock, 90, 1, false).editor, u"7");
    EXPECT_EQ(TextsOf(*pBlock, 90, 1, true).display, u"-25536");
}

// The enable time is taken from the clock once per refresh flag, in the mode of the element
// that asks first, and then kept.
TEST_F(WidgetTextTest, MessageEnableTimeIsCachedUntilTheFlagIsSetAgain)
{
    auto& message = dynamic_cast<CBlockMSGTEXT&>(*Make(BT_MSGTEXT));
    m_active.Sim().bSimulating = TRUE;
    auto text = [&](int nId, bool bDisplay) {
        CString str;
        if (bDisplay)
            message.GetWidgetValueText(&m_active.Sim(), &str, nId, nId);
        else
            message.GetWidgetText(&m_active.Sim(), &str, nId, nId);
        return std::u16string(str.View());
    };
    EXPECT_EQ(text(2, true), u"Mo 08:05");
    EXPECT_EQ(message.m_bRefresh[0], 0);
    const SYSTEMTIME later = {2024, 3, 2, 5, 21, 30, 0, 0};
    m_active.SetClock(later);
    EXPECT_EQ(text(2, false), u"Mo 08:05");
    message.m_bRefresh[0] = 1;
    EXPECT_EQ(text(2, false), u"PM 09:30:00");
    EXPECT_EQ(text(3, true), u"2024-03-05");
    EXPECT_EQ(message.m_bRefresh[1], 0);
}

}  // namespace
