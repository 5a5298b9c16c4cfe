#include "BlockDrawTestSupport.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockFactory.h"
#include "blocks/BlockMR.h"
#include "blocks/BlockPinText.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWIFI.h"

#include <gtest/gtest.h>

#include <climits>
#include <functional>
#include <list>
#include <string>
#include <tuple>
#include <utility>

namespace {

using Lines = std::vector<std::pair<int, std::u16string>>;

// A function block numbered n, to be referred to; it lives as long as the test program.
CBlockObj* Block(int nNumber)
{
    static std::list<std::unique_ptr<CBlockObj>> blocks;
    blocks.push_back(std::make_unique<CBlockObj>(BT_COUNTER, 4));
    blocks.back()->m_nNumber = nNumber;
    return blocks.back().get();
}

// Parameter i (0-3) refers to pRef (its flag set; a null block is an unresolved reference).
void Refer(CBlockObj& b, int i, CBlockObj* pRef)
{
    b.m_nParam[13 + i] = 1;
    b.m_pRefBlock[i] = pRef;
}

template <class T>
T& As(CBlockObj& b)
{
    return dynamic_cast<T&>(b);
}

Lines LinesOf(const PinTextLayout& layout)
{
    Lines lines;
    for (const PinTextLine& line : layout.lines)
        lines.emplace_back(line.nLine, std::u16string(line.strText.View()));
    return lines;
}

std::string Show(const Lines& lines)
{
    std::string s;
    for (const auto& [k, text] : lines) {
        s += std::to_string(k) + ": \"";
        for (char16_t c : text)
            s += c == u'\n' ? std::string("\\n") : std::string(1, char(c));
        s += "\"\n";
    }
    return s;
}

struct PinTextCase {
    const char* pszName;
    int nType;
    BOOL bNew;
    std::function<void(CBlockObj&)> setup;
    Lines expected;
    int nIndent = 8;  // left edge in characters; -1 when measured from a line
};

std::unique_ptr<CBlockObj> Make(const PinTextCase& c)
{
    std::unique_ptr<CBlockObj> pBlock(CreateBlockForType(c.nType, nullptr, nullptr));
    c.setup(*pBlock);
    return pBlock;
}

// Plain values in the first parameter words, so that a case sets only what it is about.
void Times(CBlockObj& b)
{
    b.m_nParam[0] = 0;
    b.m_nParam[1] = 0;
    b.m_nParam[9] = 5;
    b.m_nParam[8] = 30;
    b.m_nParam[10] = 2;
    b.m_nParamEx[1] = 1;
    b.m_nParamEx[0] = 15;
    b.m_nParamEx[2] = 1;
}

const PinTextCase kCases[] = {
    {"OnDelayPlain", BT_DPR, TRUE, Times, {{1, u"Rem=off\n"}, {2, u"05:30s+"}}},
    {"OnDelayReferencedRetentiveNegative", BT_DPR, TRUE,
     [](CBlockObj& b) { Times(b); b.m_nParam[0] = 1; b.m_nParam[1] = 1; b.m_nParam[11] = 1; Refer(b, 0, Block(9012)); },
     {{1, u"Rem=on\n"}, {2, u"B12s-"}}},
    {"UnresolvedReferenceLeavesItsLineEmpty", BT_DPR, TRUE,
     [](CBlockObj& b) { Times(b); Refer(b, 0, nullptr); }, {{1, u"Rem=off\n"}, {2, u""}}},
    {"TimeBaseOutsideTableShowsSeconds", BT_DDR, TRUE, [](CBlockObj& b) { Times(b); b.m_nParam[10] = 7; },
     {{1, u"Rem=off\n"}, {2, u"05:30s+"}}},
    {"ReferencedUnitOutsideTableShowsMs", BT_DDR, FALSE,
     [](CBlockObj& b) { Times(b); b.m_nParam[11] = -4; Refer(b, 0, Block(9003)); },
     {{1, u"Rem=off\n"}, {2, u"B3ms+"}}},
    {"OnOffDelayNewSecondTimeReferenced", BT_MPLR, TRUE,
     [](CBlockObj& b) { Times(b); b.m_nParam[10] = 0; b.m_nParam[12] = 0; Refer(b, 1, Block(9007)); },
     {{1, u"Rem=off\n"}, {2, u"05:30h+"}, {3, u"B7m"}}},
    {"OnOffDelayOldIgnoresSecondReference", BT_MPLR, FALSE,
     [](CBlockObj& b) { Times(b); Refer(b, 1, Block(9007)); },
     {{1, u"Rem=off\n"}, {2, u"05:30s+"}, {3, u"01:15m"}}},
    {"OldGenerationFirstReferenceHidesTheLater", BT_MPLR, FALSE,
     [](CBlockObj& b) { Times(b); b.m_nParam[11] = 0; Refer(b, 0, Block(9002)); },
     {{1, u"Rem=off\n"}, {2, u"B2m+"}, {3, u""}}},
    {"EdgeWipingRelayPulseCount", BT_RPR, TRUE, [](CBlockObj& b) { Times(b); b.m_nParamEx[3] = 4; },
     {{1, u"Rem=off\n"}, {2, u"05:30s+"}, {3, u"01:15m"}, {4, u"5"}}},
    {"StairwayWarningTimesFollowReferencedFirstTime", BT_SLS, TRUE,
     [](CBlockObj& b) {
         Times(b);
         b.m_nParam[11] = 2;
         Refer(b, 0, Block(9001));
         b.m_nParamEx[6] = 1, b.m_nParamEx[5] = 2, b.m_nParamEx[8] = 3, b.m_nParamEx[7] = 4;
     },
     {{1, u"Rem=off\n"}, {2, u"B1ms+"}, {3, u"01:02ms"}, {4, u"03:04ms"}}},
    {"StairwayOldUsesFirstTimeBase", BT_SLS, FALSE,
     [](CBlockObj& b) {
         Times(b);
         b.m_nParam[10] = 0;
         b.m_nParamEx[6] = 1, b.m_nParamEx[5] = 2, b.m_nParamEx[8] = 3, b.m_nParamEx[7] = 4;
     },
     {{1, u"Rem=off\n"}, {2, u"05:30h+"}, {3, u"01:02h"}, {4, u"03:04h"}}},
    {"MultiFunctionSwitchThirdReferencedInSecondBase", BT_MFS, TRUE,
     [](CBlockObj& b) {
         Times(b);
         Refer(b, 2, Block(9004));
         b.m_nParamEx[8] = 3, b.m_nParamEx[7] = 4;
     },
     {{1, u"Rem=off\n"}, {2, u"05:30s+"}, {3, u"01:15m"}, {4, u"B4m"}, {5, u"03:04m"}}},
    {"YearlyTimerNewGeneration", BT_YT, TRUE,
     [](CBlockObj& b) {
         b.m_nParam[0] = 0, b.m_nParam[1] = 0, b.m_nParam[2] = 0, b.m_nParam[3] = 0, b.m_nParam[4] = 1;
         b.m_nParam[6] = 2024, b.m_nParam[9] = 3, b.m_nParam[8] = 7;
         b.m_nParam[5] = 2025, b.m_nParamEx[1] = 12, b.m_nParamEx[0] = 31;
     },
     {{1, u"YY:MM.DD\n"}, {2, u"24:03.07+"}, {3, u"25:12.31"}, {4, u"Yearly=Y\n"}, {5, u"Pulse=N\n"}}, 9},
    {"YearlyTimerNewGenerationEveryMonth", BT_YT, TRUE,
     [](CBlockObj& b) {
         b.m_nParam[0] = 1, b.m_nParam[1] = 1, b.m_nParam[2] = 1, b.m_nParam[3] = 1, b.m_nParam[4] = 0;
         b.m_nParam[6] = 2024, b.m_nParam[9] = 3, b.m_nParam[8] = 7;
         b.m_nParam[5] = 2001, b.m_nParamEx[1] = 12, b.m_nParamEx[0] = 31;
     },
     {{1, u"Rem=on\n"}, {2, u"24:**.07-"}, {3, u"01:**.31"}, {4, u"Yearly=N\n"}, {5, u"Pulse=Y\n"}}, 9},
    {"YearlyTimerOldGeneration", BT_YT, FALSE,
     [](CBlockObj& b) {
         b.m_nParam[0] = 0, b.m_nParam[1] = 0, b.m_nParam[2] = 0;
         b.m_nParam[9] = 3, b.m_nParam[8] = 7, b.m_nParamEx[1] = 12, b.m_nParamEx[0] = 31;
     },
     {{1, u"MM.DD\n"}, {2, u"03.07+"}, {3, u"12.31"}}, 9},
    {"AstronomicalClockWestOfGreenwich", BT_AC, TRUE,
     [](CBlockObj& b) {
         b.m_nParam[9] = 1, b.m_nParamEx[1] = 12, b.m_nParamEx[6] = 30, b.m_nParamEx[8] = 15, b.m_nParam[1] = 0;
         b.m_nParam[8] = 0, b.m_nParamEx[0] = 48, b.m_nParamEx[5] = 8, b.m_nParamEx[7] = 5;
         b.m_nParamEx[2] = 13;
     },
     {{1, u"Lot:W12.30'15\"+"}, {2, u"Lat:N48.8'5\""}, {3, u"TZ:-1"}}, 11},
    {"AstronomicalClockZoneTwelve", BT_AC, TRUE,
     [](CBlockObj& b) {
         b.m_nParam[9] = 0, b.m_nParamEx[1] = 1, b.m_nParamEx[6] = 2, b.m_nParamEx[8] = 3, b.m_nParam[1] = 1;
         b.m_nParam[8] = 1, b.m_nParamEx[0] = 4, b.m_nParamEx[5] = 5, b.m_nParamEx[7] = 6;
         b.m_nParamEx[2] = 12;
     },
     {{1, u"Lot:E1.2'3\""}, {2, u"Lat:S4.5'6\""}, {3, u"TZ:12"}}, 11},
    {"StopwatchUnknownBaseShowsMs", BT_SW, TRUE, [](CBlockObj& b) { Times(b); b.m_nParam[10] = 3; },
     {{1, u"Rem=off\n"}, {2, u"TB = ms+"}}},
    {"CounterNewGeneration", BT_COUNTER, TRUE,
     [](CBlockObj& b) { Times(b); b.m_nParam[9] = 10, b.m_nParamEx[1] = 5, b.m_nParam[7] = 3; },
     {{1, u"Rem=off\n"}, {2, u"On=10+"}, {3, u"Off=5"}, {4, u"Start=3\n"}}, 10},
    {"CounterOldGenerationOffReferenced", BT_COUNTER, FALSE,
     [](CBlockObj& b) { Times(b); b.m_nParam[9] = 10; Refer(b, 1, Block(9020)); },
     {{1, u"Rem=off\n"}, {2, u"On=10+"}, {3, u"Off=B20"}}, 10},
    {"EncoderNewGenerationSource", BT_ENCODER, TRUE,
     [](CBlockObj& b) { Times(b); Refer(b, 0, Block(9006)); b.m_nParamEx[1] = 5, b.m_nParam[7] = 0, b.m_nParamEx[6] = 1; },
     {{1, u"Rem=off\n"}, {2, u"On=B6+"}, {3, u"Off=5"}, {4, u"Start=0\n"}, {5, u"Source=I2 & I3\n"}}, 10},
    {"HoursCounterResetWithEnable", BT_HCOUNTER, TRUE,
     [](CBlockObj& b) { Times(b); b.m_nParam[0] = 1, b.m_nParamEx[4] = 0, b.m_nParam[9] = 100, b.m_nParam[8] = 5, b.m_nParamEx[1] = 7, b.m_nParamEx[0] = 30; },
     {{1, u"MI=100h 5m+"}, {2, u"OT=7h30m"}, {3, u"Q->0=R+En"}}, 12},
    {"HoursCounterReferenced", BT_HCOUNTER, TRUE,
     [](CBlockObj& b) { Times(b); b.m_nParam[0] = 1, b.m_nParamEx[4] = 1; Refer(b, 0, Block(9009)); },
     {{1, u"MI=B9h+"}, {2, u"OT=1h15m"}, {3, u"Q->0=R"}}, 12},
    {"HoursCounterOldReferencedInItsUnitHidesOperatingTime", BT_HCOUNTER, FALSE,
     [](CBlockObj& b) { Times(b); b.m_nParam[11] = 1; Refer(b, 0, Block(9009)); },
     {{1, u"B9s+"}, {2, u""}, {3, u"Rem=off\n"}}, 12},
    {"ThresholdTriggerGateTime", BT_THTRG, TRUE,
     [](CBlockObj& b) { Times(b); b.m_nParam[9] = 50, b.m_nParam[8] = 20, b.m_nParamEx[1] = 1, b.m_nParamEx[0] = 0; },
     {{1, u"ON=50+"}, {2, u"OFF=20"}, {3, u"G_T=01:00s"}}, -1},
    {"ThresholdTriggerGateReferenced", BT_THTRG, FALSE,
     [](CBlockObj& b) { Times(b); b.m_nParam[9] = 50, b.m_nParam[8] = 20; Refer(b, 0, Block(9003)); },
     {{1, u"ON=50+"}, {2, u"OFF=20"}, {3, u"G_T=B3ms"}}, -1},
    {"PulseRelayResetFirst", BT_PR, TRUE, [](CBlockObj& b) { b.m_nParam[0] = 1, b.m_nParamEx[11] = 1; },
     {{1, u"RS"}, {2, u"Rem=on\n"}}},
    {"SoftkeySwitchOff", BT_SOFTKEY, TRUE,
     [](CBlockObj& b) { b.m_nParam[0] = 0, b.m_nParam[1] = 1, b.m_nParamEx[12] = 0, b.m_nParamEx[13] = 1; },
     {{1, u"Rem=off\n"}, {2, u"Switch=Off-"}}},
    {"AnalogComparatorOnTakenFromBlockWithoutFlag", BT_ACOMP, TRUE,
     [](CBlockObj& b) {
         auto& a = As<CBlockAnalog>(b);
         a.m_nParam[1] = 0, a.m_nThreshold1 = 100, a.m_nThreshold2 = 50, a.m_dGain = 1.5, a.m_nOffset = -3, a.m_nDecimals = 2;
         a.m_pRefBlock[0] = Block(9005);
     },
     {{0, u"On=B5"}, {1, u"Off=50"}, {2, u"Gain= 1.50+"}, {3, u"Offset=-3"}, {4, u"Point=2"}}, -1},
    {"AnalogWatchdogNewGeneration", BT_AWDOG, TRUE,
     [](CBlockObj& b) {
         auto& a = As<CBlockAnalog>(b);
         a.m_nThreshold1 = 100, a.m_nThreshold2 = 50, a.m_dGain = 10.0, a.m_nOffset = 0, a.m_nDecimals = 0;
     },
     {{1, u"Threshold 1=100+"}, {2, u"Threshold 2=50"}, {3, u"Gain=10.00"}, {4, u"Offset=0"}, {5, u"Point=0"}}, -1},
    {"AnalogWatchdogOldGenerationOneThreshold", BT_AWDOG, FALSE,
     [](CBlockObj& b) {
         auto& a = As<CBlockAnalog>(b);
         a.m_nThreshold1 = 100, a.m_nThreshold2 = 50, a.m_dGain = 10.0, a.m_nOffset = 0, a.m_nDecimals = 0;
         a.m_pRefBlock[0] = Block(9001);
     },
     {{1, u"Threshold 1=50+"}, {2, u"Threshold 2=50"}, {3, u"Gain=10.00"}, {4, u"Offset=0"}, {5, u"Point=0"}}, -1},
    {"AnalogMultiplexerValues", BT_AMUX, TRUE,
     [](CBlockObj& b) {
         auto& a = As<CBlockAnalog>(b);
         a.m_nParam[1] = 1, a.m_nParam[9] = 1, a.m_nParamEx[1] = 2, a.m_nParamEx[6] = 3, a.m_nDecimals = 1;
         Refer(a, 3, Block(9010));
     },
     {{1, u"V1=1-"}, {2, u"V2=2"}, {3, u"V3=3"}, {4, u"V4=B10"}, {5, u"Point=1"}}, -1},
    {"PIController", BT_PI, TRUE,
     [](CBlockObj& b) {
         auto& a = As<CBlockAnalog>(b);
         a.m_nParam[0] = 0, a.m_nParam[1] = 0, a.m_dGain = 1.0, a.m_nOffset = 0, a.m_nThreshold1 = 10;
         a.m_pRefBlock[1] = Block(9002);
         a.m_dPiKC = 0.5, a.m_nPiTIMinutes = 0, a.m_nPiTISeconds = 30, a.m_nPwmOpt = 1, a.m_nDecimals = 0;
     },
     {{0, u"Rem=off\n"}, {1, u"Gain= 1.00+"}, {2, u"Offset=0"}, {3, u"SP=10"}, {4, u"Mq=B2"},
      {5, u"KC= 0.50"}, {6, u"TI=0:30m"}, {7, u"Dir=-"}, {8, u"Point=0"}}, -1},
    {"PwmOutputDisabled", BT_PWM, TRUE,
     [](CBlockObj& b) {
         auto& a = As<CBlockAnalog>(b);
         Times(a);
         a.m_nThreshold1 = 0, a.m_nThreshold2 = 1000, a.m_nPwmOpt = 4;
     },
     {{0, u"RangeMax=1000"}, {1, u"RangeMin=0"}, {2, u"Out=Disable+"}, {3, u"05:30s+"}}, 15},
    {"AnalogFilterSampleCount", BT_AFILTER, TRUE, [](CBlockObj& b) { b.m_nParam[10] = 3; }, {{1, u"SN = 64"}}},
    {"MaxMinModeFromAnotherBlock", BT_MAXMIN, TRUE,
     [](CBlockObj& b) { b.m_nParam[0] = 0, b.m_nParamEx[4] = 1; Refer(b, 0, Block(9012)); },
     {{1, u"Rem=off\n"}, {2, u"Mode = B12"}, {3, u"ResetMaxMin = true"}}},
    {"AverageValue", BT_AVGVAL, TRUE,
     [](CBlockObj& b) { b.m_nParam[0] = 0, b.m_nParam[9] = 5, b.m_nParam[10] = 2, b.m_nParam[8] = 10; },
     {{1, u"Rem=off\n"}, {2, u"ST = 5m"}, {3, u"SN = 10"}}},
    {"MathErrorSourceFromAnotherBlock", BT_MATHERR, TRUE,
     [](CBlockObj& b) { b.m_nParam[0] = 0, b.m_nParam[1] = 0, b.m_nParam[8] = 1, b.m_nParamEx[4] = 0; Refer(b, 0, Block(9012)); },
     {{1, u"Rem=off\n"}, {2, u"Source = B12+"}, {3, u"Zero div = N"}, {4, u"Overflow = Y"}, {5, u"Auto Rst = N"}}},
    {"MathErrorWithoutSource", BT_MATHERR, TRUE,
     [](CBlockObj& b) { b.m_nParam[0] = 0, b.m_nParam[1] = 1, b.m_nParam[8] = 0, b.m_nParamEx[4] = 1; },
     {{1, u"Rem=off\n"}, {2, u"Source = null-"}, {3, u"Zero div = Y"}, {4, u"Overflow = N"}, {5, u"Auto Rst = Y"}}},
    {"ModbusWithoutPort", BT_MR, TRUE,
     [](CBlockObj& b) { auto& m = As<CBlockMR>(b); m.m_bySlave = 7, m.m_nPort = -1, m.m_byCommand = 2; },
     {{0, u"Slave Addr=  7"}, {1, u"No Setting"}, {2, u"No Setting"}}, 14},
    {"ModbusReadOnRs485", BT_MR, FALSE,
     [](CBlockObj& b) { auto& m = As<CBlockMR>(b); m.m_bySlave = 247, m.m_nPort = 1, m.m_byCommand = 2; },
     {{0, u"Slave Addr=247"}, {1, u"COM1(RS485)"}, {2, u"03 Read Holding Registers(4x)"}}, 14},
    {"ModbusWriteOnThirdPort", BT_MW, TRUE,
     [](CBlockObj& b) { auto& m = As<CBlockMR>(b); m.m_bySlave = 1, m.m_nPort = 2, m.m_byCommand = 3; },
     {{0, u"Slave Addr=  1"}, {1, u"COM2(RS485)"}, {2, u"16 Write Multiple Registers"}}, 14},
    {"WifiDigitalReadStation", BT_WIFI_IN, TRUE,
     [](CBlockObj& b) { auto& w = As<CBlockWIFI>(b); w.m_nWifiMode = 0, w.m_nWifiId = 0, w.m_nRemoteKind = 1, w.m_nRemoteNumber = 3; },
     {{1, u"Station : WiFi ID1"}, {2, u"Block : Q3"}}, 16},
    {"WifiDigitalReadDiagnostic", BT_WIFI_IN, TRUE,
     [](CBlockObj& b) { auto& w = As<CBlockWIFI>(b); w.m_nWifiMode = 2, w.m_nRemoteKind = 0; },
     {{1, u"Diagnostic"}, {2, u"WiFi ID1 communication status"}}, 16},
    {"WifiDigitalWriteVirtual", BT_WIFI_OUT, TRUE,
     [](CBlockObj& b) { auto& w = As<CBlockWIFI>(b); w.m_nWifiMode = 1, w.m_nWifiId = 2, w.m_nRemoteNumber = 4; },
     {{1, u""}, {2, u"Block : VM4"}}, 16},
    {"WifiUnknownModeEmptyLines", BT_WIFI_AOUT, TRUE, [](CBlockObj& b) { As<CBlockWIFI>(b).m_nWifiMode = 2; },
     {{1, u""}, {2, u""}}, 16},
    {"RotateCountReferenced", BT_ROL, TRUE, [](CBlockObj& b) { Refer(b, 0, Block(9011)); }, {{2, u"NbR = B11"}}},
    {"MaskInHex", BT_ANDM, TRUE, [](CBlockObj& b) { b.m_nParam[9] = 255; }, {{3, u"Mask = 0x00FF"}}},
    {"FixedPointBaseIsTheSecondWord", BT_FIX, TRUE, [](CBlockObj& b) { b.m_nParam[9] = 1, b.m_nParam[10] = 3; },
     {{2, u"Base = 3"}}},
    {"Logarithm", BT_LOG, TRUE, [](CBlockObj& b) { b.m_nParam[10] = 1, b.m_dParam = 1.0; },
     {{2, u"Base=2"}, {3, u"Amp= 1.00"}}, 10},
    {"QuadraticEquation", BT_QUAD, TRUE,
     [](CBlockObj& b) { b.m_nParam[9] = 1, b.m_nParamEx[1] = -2, b.m_nParamEx[6] = 3, b.m_nParam[10] = 0, b.m_dParam = 2.5; },
     {{1, u"A=1"}, {2, u"B=-2"}, {3, u"C=3"}, {4, u"Dir= 0"}, {5, u"Amp=  2.50"}}, 9},
    {"DataArrayAverage", BT_ARRMXIV, TRUE,
     [](CBlockObj& b) { b.m_nParam[9] = 2, b.m_nParam[8] = 2, b.m_nParamEx[0] = 5, b.m_nParamEx[1] = 3; },
     {{1, u"Mode=AVG"}, {2, u"Data=AI5"}, {3, u"Count=3"}}, 10},
    {"ArrayCompareModeReferenced", BT_ACMXIV, TRUE, [](CBlockObj& b) { Refer(b, 0, Block(9006)); },
     {{3, u"Mode=B6"}}, 10},
    {"ArrayCompareMode", BT_ACMXIV, TRUE, [](CBlockObj& b) { b.m_nParam[9] = 1; }, {{3, u"Mode=MIN(Ax,Ay)"}}, 10},
    {"SteppingMotorEdge", BT_SMCE, TRUE,
     [](CBlockObj& b) { b.m_nParam[9] = 2, b.m_nParam[8] = 1, b.m_nParamEx[1] = 100, b.m_nParamEx[6] = 200; },
     {{1, u"Mode=2 steps"}, {2, u"Pin=Q4~Q7"}, {3, u"Speed=100"}, {4, u"Steps=200"}}, 10},
    {"PulseTrainEdgeReferenced", BT_PTOE, TRUE,
     [](CBlockObj& b) { b.m_nParam[8] = 2; Refer(b, 1, Block(9001)); Refer(b, 0, Block(9002)); },
     {{2, u"Pin=Q2"}, {3, u"Pulse Width=B1"}, {4, u"Number=B2"}}, 10},
    {"GatesShowNothing", BT_AND, TRUE, Times, {}},
};

class PinTexts : public ::testing::TestWithParam<PinTextCase> {};

TEST_P(PinTexts, LinesAndLeftEdge)
{
    const PinTextCase& c = GetParam();
    auto pBlock = Make(c);
    const PinTextLayout layout = BuildPinText(*pBlock, 3, c.bNew);
    const Lines lines = LinesOf(layout);
    EXPECT_EQ(lines, c.expected) << "got\n" << Show(lines) << "expected\n" << Show(c.expected);
    if (c.nIndent < 0) {
        EXPECT_TRUE(layout.bMeasured);
    } else if (!c.expected.empty()) {
        EXPECT_FALSE(layout.bMeasured);
        EXPECT_EQ(layout.nIndentChars, c.nIndent);
    }
}

INSTANTIATE_TEST_SUITE_P(Types, PinTexts, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.pszName); });

// The cam lines of the weekly timer: a cam without a day shows no times, a time marked unset
// shows dashes.
TEST(PinTexts, WeeklyTimerCamsAtTheLastPinOnly)
{
    std::unique_ptr<CBlockObj> pBlock(CreateBlockForType(BT_WT, nullptr, nullptr));
    auto& wt = As<CBlockTime>(*pBlock);
    wt.m_nParam[1] = 1;
    wt.m_bDay[0][0] = wt.m_bDay[0][1] = 1;
    wt.m_nOnTime[0][0] = 8, wt.m_nOnTime[0][1] = 5, wt.m_bOnDisabled[0] = 0, wt.m_bOffDisabled[0] = 1;
    wt.m_nOnTime[1][0] = 9, wt.m_bOnDisabled[1] = 0;  // no day chosen
    for (int d = 0; d < 7; ++d)
        wt.m_bDay[2][d] = 1;
    wt.m_nOnTime[2][0] = 22, wt.m_nOffTime[2][0] = 6, wt.m_nOffTime[2][1] = 30;
    wt.m_bOnDisabled[2] = wt.m_bOffDisabled[2] = 0;

    EXPECT_TRUE(BuildPinText(wt, 0, TRUE).lines.empty());
    EXPECT_TRUE(BuildPinText(wt, 1, TRUE).lines.empty());
    const Lines expected = {{0, u"-"},        {1, u"SM-----"}, {2, u"08:05h"}, {3, u"--:--"},
                            {4, u"-------"},  {5, u"--:--"},   {6, u"--:--"},  {7, u"SMTWTFS"},
                            {8, u"22:00h"},   {9, u"06:30h"}};
    EXPECT_EQ(LinesOf(BuildPinText(wt, 2, TRUE)), expected);
}

TEST(PinTexts, MessageTextAtTheLastPinOnly)
{
    std::unique_ptr<CBlockObj> pBlock(CreateBlockForType(BT_MSGTEXT, nullptr, nullptr));
    pBlock->m_nParamEx[3] = 3, pBlock->m_nParamEx[4] = 1;
    EXPECT_TRUE(BuildPinText(*pBlock, 1, TRUE).lines.empty());
    EXPECT_EQ(LinesOf(BuildPinText(*pBlock, 2, TRUE)), (Lines{{1, u"Prio=3"}, {2, u"Quit=On"}}));
}

// Words from a damaged file reach the texts unchecked: extreme values format without overflow.
// An older controller has no texts for the types only the newer generation offers; a type both
// generations offer keeps its texts there.
TEST(PinTexts, NewerOnlyTypesHaveNoTextsOnAnOlderController)
{
    for (int nType : {BT_ARRMXIV, BT_MATHERR, BT_PTO}) {
        std::unique_ptr<CBlockObj> pBlock(CreateBlockForType(nType, nullptr, nullptr));
        EXPECT_FALSE(BuildPinText(*pBlock, 3, TRUE).lines.empty()) << nType;
        EXPECT_TRUE(BuildPinText(*pBlock, 3, FALSE).lines.empty()) << nType;
    }
    std::unique_ptr<CBlockObj> pTimer(CreateBlockForType(BT_DPR, nullptr, nullptr));
    EXPECT_FALSE(BuildPinText(*pTimer, 3, FALSE).lines.empty());
}

TEST(PinTexts, ExtremeWordsFormatWithoutOverflow)
{
    std::unique_ptr<CBlockObj> pClock(CreateBlockForType(BT_AC, nullptr, nullptr));
    pClock->m_nParamEx[2] = INT_MAX;
    EXPECT_EQ(LinesOf(BuildPinText(*pClock, 0, TRUE))[2].second, u"TZ:-2147483635");

    std::unique_ptr<CBlockObj> pFilter(CreateBlockForType(BT_AFILTER, nullptr, nullptr));
    pFilter->m_nParam[10] = 40;
    EXPECT_EQ(LinesOf(BuildPinText(*pFilter, 1, TRUE))[0].second, u"SN = 1073741824");
    pFilter->m_nParam[10] = -1;
    EXPECT_EQ(LinesOf(BuildPinText(*pFilter, 1, TRUE))[0].second, u"SN = 8");

    std::unique_ptr<CBlockObj> pYearly(CreateBlockForType(BT_YT, nullptr, nullptr));
    pYearly->m_nParam[6] = INT_MIN;
    pYearly->m_nParam[2] = 1;
    EXPECT_EQ(LinesOf(BuildPinText(*pYearly, 0, TRUE))[1].second.substr(0, 12), u"-2147485648:");
}

// The texts drawn, in drawing order.
class PinTextDrawing : public BlockDrawTest {
protected:
    const DrawRecord* TextAt(std::size_t nLine) const
    {
        const auto texts = OfKind(DrawKind::Text);
        return nLine < texts.size() ? texts[nLine] : nullptr;
    }
};

// The stub and the lines in the parameter colour, the first line 3 units above the pin's
// level, lines one line height apart, the left edge 8 characters left of the block; the
// context's text colour is restored.
TEST_F(PinTextDrawing, TimerLinesStandUnderThePin)
{
    std::unique_ptr<CBlockObj> pBlock(CreateBlockForType(BT_DPR, nullptr, nullptr));
    Times(*pBlock);
    pBlock->m_ptPos = CPoint(200, 100);
    m_dc.SetTextColor(RGB(1, 2, 3));
    pBlock->DrawPinText(&m_dc, 1, 12, 6, 12);

    const auto& stub = Records().at(0);
    ASSERT_EQ(stub.kind, DrawKind::Polyline) << Dump();
    EXPECT_EQ(stub.points.front().x, 195);
    EXPECT_EQ(stub.points.front().y, 124);
    EXPECT_EQ(stub.points.back().x, 200);
    EXPECT_EQ(stub.state.pen.crColour, RGB(64, 128, 64));

    const auto* pSecond = TextAt(1);
    ASSERT_NE(pSecond, nullptr) << Dump();
    EXPECT_EQ(pSecond->text, u"05:30s+");
    EXPECT_EQ(pSecond->points.front().x, 200 - 8 * 6);
    EXPECT_EQ(pSecond->points.front().y, 124 + 2 * 12 - 3);
    EXPECT_EQ(pSecond->state.crText, RGB(64, 128, 64));
    EXPECT_EQ(m_dc.GetTextColor(), RGB(1, 2, 3));
}

// The generation is the block's document's: the same yearly timer shows the year in a
// newer-generation document only.
TEST_F(PinTextDrawing, GenerationFollowsTheBlocksDocument)
{
    std::unique_ptr<CBlockObj> pBlock(CreateBlockForType(BT_YT, nullptr, &m_active.Doc()));
    pBlock->m_nParam[0] = 0;
    for (const auto& [wCode, pszFirst, nTexts] :
         {std::tuple{kNewHardware, u"YY:MM.DD\n", 5}, std::tuple{kOldHardware, u"MM.DD\n", 3}}) {
        m_surface.Clear();
        m_active.Doc().m_wHardwareCode = wCode;
        pBlock->DrawPinText(&m_dc, 0, 18, 6, 12);
        ASSERT_NE(TextAt(0), nullptr);
        EXPECT_EQ(TextAt(0)->text, pszFirst);
        EXPECT_EQ(OfKind(DrawKind::Text).size(), std::size_t(nTexts)) << Dump();
    }
}

// An analog block's lines stand left of the block by the width of its widest line plus 20.
TEST_F(PinTextDrawing, AnalogLinesMeasureTheirWidestLine)
{
    std::unique_ptr<CBlockObj> pBlock(CreateBlockForType(BT_AAMP, nullptr, nullptr));
    pBlock->m_ptPos = CPoint(300, 50);
    As<CBlockAnalog>(*pBlock).m_dGain = 2.0;
    pBlock->m_nParam[1] = 0;
    const CSize extent = m_dc.GetTextExtent(CString(_T("Gain= 2.00+")));
    pBlock->DrawPinText(&m_dc, 1, 12, 6, 12);
    ASSERT_NE(TextAt(0), nullptr);
    EXPECT_EQ(TextAt(0)->points.front().x, 300 - extent.cx - 20);
}

} // namespace
