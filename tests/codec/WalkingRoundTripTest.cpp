// Every function-block type on both generations (the codec encodes each for either line), set
// as a user sets real values on its sheet (the middle of each range; the lowest, with negative
// values and negated inputs; the highest; on the newer line references too), downloaded and
// uploaded: what the sheet showed comes back, setting by setting, but for the few values the
// image does not hold or the upload rebuilds.
#include "CodecTestSupport.h"

#include "codec/ImageDecoder.h"
#include "support/BlockCatalogue.h"

#include <initializer_list>
#include <sstream>

namespace {

using namespace catalogue;
using Types = std::initializer_list<int>;

enum ValueSet { kMiddle, kLowest, kHighest, kReferences };

// Settings the sheet offers (names as FieldsOf gives them, "+" before those of the newer line
// alone), with a middle, the lowest and the highest value of each.
struct Setting {
    Types types;
    const char* pszFields;
    std::initializer_list<double> values[3];
    bool bAllBut = false;  // every type but those listed
};

constexpr Types kScaled = {BT_ACOMP, BT_ATHTRG, BT_AAMP, BT_AWDOG, BT_ADTRG, BT_ARAMP, BT_PI, BT_PWM};

const Setting kSettings[] = {
    {{BT_WT, BT_YT, BT_AC, BT_HCOUNTER, BT_THTRG, BT_ACOMP, BT_ATHTRG, BT_AAMP, BT_ADTRG, BT_MSGTEXT, BT_MR, BT_MW,
      BT_AMATH, BT_AMUX, BT_ARAMP, BT_PWM, BT_AFILTER, BT_WIFI_IN, BT_WIFI_OUT, BT_WIFI_AI, BT_WIFI_AOUT, BT_UDC,
      BT_QUAD},
     "P0", {{1}, {0}, {1}}, true},  // retentive
    {{BT_LR, BT_PR, BT_SREG, BT_MR, BT_MW, BT_WIFI_IN, BT_WIFI_OUT, BT_WIFI_AI, BT_WIFI_AOUT},
     "P1", {{1}, {0}, {1}}, true},  // protection
    // A time's base (0 hours:minutes, 1 minutes:seconds, 2 seconds:hundredths) and its parts.
    {{BT_DPR, BT_DDR, BT_MPLR, BT_PLR, BT_CPG, BT_RPR, BT_APG, BT_RG, BT_MFS, BT_PWM},
     "P10 P9 P8", {{1, 12, 30}, {0, 0, 0}, {2, 99, 99}}},
    {{BT_MPLR, BT_RPR, BT_APG, BT_RG, BT_SLS, BT_MFS}, "X2 X1 X0", {{0, 5, 45}, {1, 0, 0}, {2, 99, 99}}},
    // The pre-warning time and length in the off time's base: the stairway's standard one (15 s
    // lasting 1 s in hours:minutes), a switch's own, the multi-function switch's standard none.
    {{BT_SLS}, "X6 X5 X8 X7", {{0, 15, 0, 1}, {0, 0, 0, 0}, {99, 99, 99, 99}}},
    {{BT_MFS}, "X6 X5 X8 X7", {{0, 30, 0, 10}, {0, 0, 0, 0}, {99, 99, 99, 99}}},
    {{BT_RPR}, "X3", {{3}, {0}, {99}}},
    // Each cam ("*") 6:30 to 18:45 on every other day; at 0:00 with the off time switched off (the
    // image keeps no time for it, the upload leaves 0:00); 23:59 every day.
    {{BT_WT}, "Cam*On0 Cam*On1 Cam*Off0 Cam*Off1 Cam*OnOff Cam*OffOff +P3",
     {{6, 30, 18, 45, 0, 0, 1}, {0, 0, 0, 0, 0, 1, 0}, {23, 59, 23, 59, 0, 0, 1}}},
    {{BT_WT}, "Cam*Day0 Cam*Day1 Cam*Day2 Cam*Day3 Cam*Day4 Cam*Day5 Cam*Day6",
     {{0, 1, 0, 1, 0, 1, 0}, {0, 0, 0, 0, 0, 0, 0}, {1, 1, 1, 1, 1, 1, 1}}},
    // On and off day and month, every month (whose months the page shows as 1 and 12); the years.
    {{BT_YT}, "P8 P9 X0 X1 P2 +P6 +P5 +P4 +P3",
     {{15, 3, 20, 9, 0, 2026, 2027, 0, 1}, {1, 1, 1, 12, 1, 2000, 2000, 0, 0}, {31, 12, 31, 12, 0, 2099, 2099, 1, 1}}},
    // West, longitude, south, latitude (degrees, minutes, seconds), time zone.
    {{BT_AC}, "P9 X1 X6 X8 P8 X0 X5 X7 X2",
     {{1, 116, 23, 45, 1, 39, 54, 27, 8}, {0, 0, 0, 0, 0, 0, 0, 0, 0}, {1, 180, 59, 59, 1, 90, 59, 59, 24}}},
    {{BT_SW}, "P10", {{1}, {0}, {3}}},
    {{BT_COUNTER}, "P9 X1 +P7", {{500, 250, 17}, {0, 0, 0}, {999999, 999999, 999999}}},
    {{BT_HCOUNTER}, "P9 X1 X4 +P8 +X0", {{100, 1234, 1, 30, 15}, {0, 0, 0, 0, 0}, {9999, 99999, 1, 59, 59}}},
    {{BT_THTRG}, "P9 P8 X1 X0", {{500, 250, 1, 50}, {0, 0, 0, 0}, {9999, 9999, 99, 99}}},
    {kScaled, "Gain Offset Decimals", {{0.57, 50, 2}, {-9.95, -10000, 0}, {10.0, 10000, 3}}},
    {{BT_ACOMP, BT_ATHTRG, BT_ADTRG, BT_ARAMP, BT_PI, BT_PWM},
     "Threshold1 Threshold2", {{250, -1150}, {-20000, -20000}, {20000, 20000}}},
    // The older watchdog's sheet has the second threshold alone.
    {{BT_AWDOG}, "+Threshold1 Threshold2", {{250, 250}, {0, 1}, {20000, 20000}}},
    {{BT_PR}, "X11", {{1}, {0}, {1}}},
    {{BT_SREG}, "X9 +X10", {{7, 1}, {0, 0}, {15, 3}}},
    {{BT_MSGTEXT}, "X3 X4", {{-1, 1}, {0, 0}, {15, 1}}},  // the slot (none, first, last), acknowledged
    // Reading registers into AQ5, coils into M0, registers into AM511; the cycle.
    {{BT_MR}, "Slave Port Register Command Count DataKind FirstData +P10",
     {{5, 1, 100, 2, 10, 1, 5, 500}, {0, 0, 0, 0, 1, 0, 0, 1}, {255, 2, 65535, 3, 32, 0, 511, 9999}}},
    // Writing a register by hand, a single coil from I0, two registers by hand; the cycle. (The
    // page sets the function, and the data address in Auto mode, from these.)
    {{BT_MW}, "Slave Port Register Command Count Mode DataKind FirstData SecondData +P10",
     {{5, 1, 100, 1, 1, 1, 0, 0xABCD, 0, 500}, {0, 0, 0, 0, 1, 0, 2, 0, 0, 1},
      {255, 2, 65535, 3, 2, 1, 0, 0x1234, 0xFFFF, 9999}}},
    {{BT_AMATH, BT_AMUX}, "P9 X1 X6 X8 Decimals",
     {{100, -200, 300, -400, 2}, {-32768, -32768, -32768, -32768, 0}, {32767, 32767, 32767, 32767, 3}}},
    // Operators, priorities, the value kept while disabled.
    {{BT_AMATH}, "P8 X0 X5 P10 X2 X7 X11", {{1, 2, 3, 1, 2, 0, 1}, {0, 0, 0, 0, 0, 0, 0}, {3, 3, 3, 2, 2, 2, 1}}},
    {{BT_ARAMP}, "P9 X1 X6", {{100, 5000, 10}, {1, -20000, -20000}, {10000, 20000, 20000}}},
    // KC, the parameter set, TI, the direction: the fixed sets 3 and 0 as the page fills them,
    // "User defined" with TI switched off (at 99:59).
    {{BT_PI}, "PiKC PiParamSet PiTIMinutes PiTISeconds PiUseTI PwmOpt",
     {{1.2, 3, 0, 12, 1, 0}, {0.5, 0, 0, 30, 1, 0}, {99.99, 6, 99, 59, 0, 1}}},
    {{BT_PWM}, "PwmOpt", {{1}, {0}, {1}}},
    {{BT_AFILTER}, "P10", {{2}, {0}, {5}}},
    {{BT_MAXMIN}, "P9 X4", {{1, 1}, {0, 0}, {3, 1}}},
    {{BT_AVGVAL}, "P8 P9 P10", {{100, 30, 1}, {1, 1, 0}, {32767, 59, 3}}},
    {{BT_MATHERR}, "P8 X4", {{1, 1}, {0, 0}, {2, 1}}},
    {{BT_BOOLEAN}, "X10", {{0x1234}, {0}, {0xFFFF}}},
    {{BT_ANDM, BT_ORM, BT_NANDM, BT_NORM, BT_XORM}, "P9", {{0x1234}, {0}, {0xFFFF}}},
    {{BT_ROL, BT_ROR, BT_SHL, BT_SHR, BT_ACMXIV, BT_RAND, BT_WORD2BIT}, "P9", {{5}, {0}, {15}}},
    // The array's and the CRC's operand area (AM, AQ, AI), first element and count.
    {{BT_ARRMXIV}, "P8 X0 X1 P9", {{1, 5, 10, 1}, {0, 0, 1, 0}, {0, 511, 32, 3}}},
    {{BT_CRC16}, "P8 X0 X1", {{1, 5, 10}, {0, 0, 1}, {2, 63, 128}}},
    {{BT_WIFI_IN, BT_WIFI_OUT, BT_WIFI_AI, BT_WIFI_AOUT},
     "WifiMode WifiId RemoteKind RemoteNumber", {{1, 3, 1, 7}, {0, 0, 0, 0}, {1, 31, 2, 63}}},
    {{BT_MOD, BT_REM}, "P9", {{-3}, {-32768}, {32767}}},
    {{BT_LOG}, "P10", {{1}, {0}, {2}}},
    {{BT_FIX, BT_ROUND}, "P10", {{2}, {0}, {4}}},
    {{BT_ENCODER}, "P7 P9 X1 X6", {{100, 5000, -5000, 1}, {-999999, -999999, -999999, 0}, {999999, 999999, 999999, 1}}},
    {{BT_SMC, BT_SMCE}, "P9", {{1}, {0}, {1}}},
    {{BT_PTO, BT_PTOE}, "P8", {{1}, {0}, {1}}},
    {{BT_SMC, BT_SMCE, BT_PTO, BT_PTOE}, "X1", {{1000}, {0}, {99999999}}},  // the rate
    {{BT_SMCE, BT_PTOE}, "X6", {{500}, {0}, {99999999}}},
    // Port and cycle; send area, number and words; receive area, number and words; the start and
    // end flags and characters of sending and receiving.
    {{BT_UDC}, "X2 P10 X6 P5 X8 X5 P6 X7 P4 P9 P2 X1 X4 P8 P3 X0",
     {{1, 500, 0, 100, 10, 2, 63, 20, 1, 0x02, 1, 0x03, 1, 0x3A, 1, 0x0D},
      {0, 0, 0, 0, 1, 0, 0, 1, 0, 0, 0, 0, 0, 0, 0, 0x0A},
      {2, 9999, 1, 31, 127, 1, 31, 127, 1, 0xFF, 1, 0xFF, 1, 0xFF, 1, 0xFF}}},
    {{BT_QUAD}, "P9 X1 X6 P10", {{3, -4, 1, 1}, {-32767, -32767, -32767, 0}, {32767, 32767, 32767, 1}}},
    {{BT_SQRT, BT_POW2, BT_EXP, BT_SIN, BT_COS, BT_TAN, BT_COT, BT_SEC, BT_CSC, BT_QUAD},
     "dParam", {{0.57}, {-9999.95}, {10000.0}}},
};

// What may come back otherwise (of type 0: of every type), and why.
const std::pair<int, const char*> kMayDiffer[] = {
    {BT_AC, "P10"},  // the astronomical clock's place index: the image holds its coordinates
    {BT_MR, "Port"},  // the Modbus port is a setting of the controller's port
    {BT_MW, "Port"},
    {0, "Unit"},  // the analog unit and resolution only label the value on the display
    {0, "Resolution"},
    {BT_PI, "Decimals"},  // the PI controller's role-74 item carries its parameter set instead
    {BT_LOG, "dParam"},  // the logarithm's factor: its record keeps two zero bytes in its place
};

// The values the image does not hold, taken from the original: what is left to compare is what
// must come back. (The references' set leaves the constants behind them at their defaults.)
void TakeWhatMayDiffer(CBlockObj& original, CBlockObj& decoded)
{
    std::vector<Field> fields = FieldsOf(original);
    for (const auto& [nType, pszField] : kMayDiffer) {
        const auto it = std::ranges::find(fields, pszField, &Field::strName);
        if (it != fields.end() && (nType == 0 || nType == original.m_nType))
            it->set(decoded, it->get(original));
    }
    decoded.m_strComment = original.m_strComment;  // no image section holds the comments
    if (original.m_nType == BT_AC)
        decoded.m_strParamText = original.m_strParamText;  // the place name
}

// Sets a block's settings to one value set, a "*" in a name standing for each cam.
void SetValues(CBlockObj& block, int nSet, bool bNewer)
{
    std::vector<Field> fields = FieldsOf(block);
    for (const Setting& setting : kSettings) {
        if ((std::ranges::find(setting.types, block.m_nType) != setting.types.end()) == setting.bAllBut)
            continue;
        std::istringstream names(setting.pszFields);
        auto value = setting.values[nSet].begin();
        for (std::string strName; names >> strName; ++value) {
            if (strName[0] == '+' && !bNewer)
                continue;
            strName.erase(0, strName[0] == '+' ? 1 : 0);
            const std::size_t nCam = strName.find('*');
            for (int c = 0; c < (nCam == std::string::npos ? 1 : TIMER_CAM_COUNT); ++c) {
                if (nCam != std::string::npos)
                    strName[nCam] = char('0' + c);
                const auto it = std::ranges::find(fields, strName, &Field::strName);
                if (it == fields.end())
                    ADD_FAILURE() << block.m_nType << " has no " << strName;
                else
                    it->set(block, *value);
            }
        }
    }
}

class WalkingRoundTrip : public CodecDiagram, public testing::WithParamInterface<std::tuple<bool, int>> {
protected:
    WalkingRoundTrip() : CodecDiagram(std::get<0>(GetParam()) ? kNewerHardware : kOlderHardware) {}
};

TEST_P(WalkingRoundTrip, EverySheetValueComesBack)
{
    const auto [bNewer, nSet] = GetParam();
    if (nSet == kReferences && !bNewer)
        GTEST_SKIP() << "the older line takes no references";
    // An I/O point numbered and labelled by its index, as the editor places it.
    const auto at = [&](int nType, int nBase, int nIndex) {
        CBlockObj* pBlock = Point(nType, nBase + nIndex);
        pBlock->m_nOperand = nIndex;
        return pBlock;
    };
    CBlockObj* pInput = at(BT_IN, NUM_INPUT, 6);
    CBlockObj* pAnalog = at(BT_ANALOG_IN, NUM_ANALOG_IN, 3);
    int nFlags = 0;
    CBlockObj* pPrevious = nullptr;
    for (const BlockTypeRow& row : FactoryTypeRows()) {
        if (!IsFunctionBlockType(row.nType))
            continue;
        CBlockObj* pBlock = Block(row.nType);
        if (nSet != kReferences)
            SetValues(*pBlock, nSet, bNewer);
        // The references the sheet offers: those the record has a place for, and the watchdog's
        // two thresholds, which its record must carry whatever the encoder does.
        const auto refs = row.nType == BT_AWDOG ? std::vector<int>{0, 1} : ProbeType(row.nType, kNewerHardware).refs;
        for (int k : nSet == kReferences && pPrevious ? refs : std::vector<int>()) {
            pBlock->m_nParam[BLOCK_REF_USED_PARAM + k] = 1;
            pBlock->m_nRefBlock[k] = pPrevious->m_nNumber;
            pBlock->m_pRefBlock[k] = pPrevious;
        }
        SettleAsThePage(*pBlock);
        for (int nPin = 0; nPin < pBlock->m_nInputs; ++nPin) {
            if (pBlock->m_nPinKind[nPin] == PINKIND_DIGITAL)
                Feed(pInput, pBlock, nPin, nSet == kLowest || (nSet == kHighest && nPin % 2 == 1));
            else if (pBlock->m_nPinKind[nPin] == PINKIND_ANALOG)
                Feed(pAnalog, pBlock, nPin);
        }
        pBlock->m_strLabelSuffix.Format(_T("W%d"), pBlock->m_nNumber - NUM_FUNCTION_BLOCK);
        // Every block reaches a flag of its own, as a program's blocks reach an output.
        const bool bAnalog = pBlock->m_nPinKind[BLOCK_FIRST_OUTPUT] == PINKIND_ANALOG;
        if (pBlock->m_nOutputs > 0)
            Feed(pBlock, at(bAnalog ? BT_ANALOG_FLAG : BT_FLAG, bAnalog ? NUM_ANALOG_FLAG : NUM_FLAG, nFlags++), 0);
        pPrevious = pBlock;
    }
    ASSERT_TRUE(Encode().bOk);
    CVetlaDoc decoded;
    ASSERT_TRUE(DecodeProgramImage(Codec(), decoded).bOk);
    for (POSITION pos = Doc().m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(Doc().m_blockList.GetNext(pos));
        CBlockObj* pOther = decoded.FindBlockByNumber(pBlock->m_nNumber);
        if (pOther && pOther->m_nType == pBlock->m_nType)
            TakeWhatMayDiffer(*pBlock, *pOther);
    }
    for (const std::string& strDifference : CompareDocuments(Doc(), decoded))
        ADD_FAILURE() << strDifference;
}

INSTANTIATE_TEST_SUITE_P(Sets, WalkingRoundTrip,
                         testing::Combine(testing::Bool(), testing::Values(kMiddle, kLowest, kHighest, kReferences)));

} // namespace
