// Every function-block type of both generations, set as a user sets real values on its sheet
// (the middle of each range; the lowest, with negative values and negated inputs; the highest;
// on the newer line references too), downloaded and uploaded: what the sheet showed comes back,
// setting by setting, but for the few values the image does not hold or the upload rebuilds.
#include "CodecTestSupport.h"

#include "blocks/BlockWord.h"
#include "codec/ImageDecoder.h"
#include "support/BlockCatalogue.h"

#include <initializer_list>

namespace {

using namespace catalogue;

enum ValueSet { kMiddle, kLowest, kHighest, kReferences };

// A setting the sheet offers, with its lowest, a middle and its highest value.
struct Setting {
    std::initializer_list<int> types;
    const char* pszField;
    double dValue[3];
    BYTE byGenerations = GEN_ALL;
    bool bAllBut = false;  // the setting of every type but those listed
};

constexpr BYTE kNewer = GEN_NEWER_ONES;
using Types = std::initializer_list<int>;
constexpr Types kScaled = {BT_ACOMP, BT_ATHTRG, BT_AAMP, BT_AWDOG, BT_ADTRG, BT_ARAMP, BT_PI, BT_PWM};
constexpr Types kFloatConstant = {BT_SQRT, BT_POW2, BT_EXP, BT_SIN, BT_COS, BT_TAN, BT_COT, BT_SEC, BT_CSC, BT_QUAD};
// A time's larger part, smaller part and base (0 hours:minutes, 1 minutes:seconds, 2
// seconds:hundredths).
constexpr Types kFirstTime = {BT_DPR, BT_DDR, BT_MPLR, BT_PLR, BT_CPG, BT_RPR, BT_APG, BT_RG, BT_MFS, BT_PWM};
constexpr Types kSecondTime = {BT_MPLR, BT_RPR, BT_APG, BT_RG, BT_SLS, BT_MFS};
constexpr Types kWarning = {BT_SLS, BT_MFS};
constexpr Types kNotRetentive = {BT_WT, BT_YT, BT_AC, BT_HCOUNTER, BT_THTRG, BT_ACOMP, BT_ATHTRG, BT_AAMP,
                                 BT_ADTRG, BT_MSGTEXT, BT_MR, BT_MW, BT_AMATH, BT_AMUX, BT_ARAMP, BT_PWM,
                                 BT_AFILTER, BT_WIFI_IN, BT_WIFI_OUT, BT_WIFI_AI, BT_WIFI_AOUT, BT_UDC, BT_QUAD};
constexpr Types kNotProtected = {BT_LR, BT_PR, BT_SREG, BT_MR, BT_MW, BT_WIFI_IN, BT_WIFI_OUT, BT_WIFI_AI, BT_WIFI_AOUT};
constexpr Types kShift = {BT_ROL, BT_ROR, BT_SHL, BT_SHR};
constexpr Types kMask = {BT_ANDM, BT_ORM, BT_NANDM, BT_NORM, BT_XORM};
constexpr Types kMuxValues = {BT_AMATH, BT_AMUX};

const Setting kSettings[] = {
    {kNotRetentive, "P0", {1, 0, 1}, GEN_ALL, true},
    {kNotProtected, "P1", {1, 0, 1}, GEN_ALL, true},
    {kFirstTime, "P10", {1, 0, 2}},
    {kFirstTime, "P9", {12, 0, 99}},
    {kFirstTime, "P8", {30, 0, 99}},
    {kSecondTime, "X2", {0, 1, 2}},
    {kSecondTime, "X1", {5, 0, 99}},
    {kSecondTime, "X0", {45, 0, 99}},
    {kWarning, "X6", {0, 0, 99}},  // the pre-warning time and length, in seconds:hundredths
    {kWarning, "X5", {30, 0, 99}},
    {kWarning, "X8", {0, 0, 99}},
    {kWarning, "X7", {10, 0, 99}},
    {{BT_SLS}, "X4", {0, 0, 0}},  // not the standard pre-warning
    {{BT_MFS}, "X4", {0, 1, 0}},  // the standard pre-warning is none
    {{BT_RPR}, "X3", {3, 0, 99}},
    {{BT_WT}, "P3", {1, 0, 1}, kNewer},
    {{BT_YT}, "P8", {15, 1, 31}},
    {{BT_YT}, "P9", {3, 1, 12}},
    {{BT_YT}, "X0", {20, 1, 31}},
    {{BT_YT}, "X1", {9, 12, 12}},
    {{BT_YT}, "P2", {0, 1, 0}},  // every month
    {{BT_YT}, "P6", {2026, 2000, 2099}, kNewer},
    {{BT_YT}, "P5", {2027, 2000, 2099}, kNewer},
    {{BT_YT}, "P4", {0, 0, 1}, kNewer},
    {{BT_YT}, "P3", {1, 0, 1}, kNewer},
    {{BT_AC}, "P9", {1, 0, 1}},
    {{BT_AC}, "X1", {116, 0, 180}},
    {{BT_AC}, "X6", {23, 0, 59}},
    {{BT_AC}, "X8", {45, 0, 59}},
    {{BT_AC}, "P8", {1, 0, 1}},
    {{BT_AC}, "X0", {39, 0, 90}},
    {{BT_AC}, "X5", {54, 0, 59}},
    {{BT_AC}, "X7", {27, 0, 59}},
    {{BT_AC}, "X2", {8, 0, 24}},
    {{BT_SW}, "P10", {1, 0, 3}},
    {{BT_COUNTER}, "P9", {500, 0, 999999}},
    {{BT_COUNTER}, "X1", {250, 0, 999999}},
    {{BT_COUNTER}, "P7", {17, 0, 999999}, kNewer},
    {{BT_HCOUNTER}, "P9", {100, 0, 9999}},
    {{BT_HCOUNTER}, "P8", {30, 0, 59}, kNewer},
    {{BT_HCOUNTER}, "X1", {1234, 0, 99999}},
    {{BT_HCOUNTER}, "X0", {15, 0, 59}, kNewer},
    {{BT_HCOUNTER}, "X4", {1, 0, 1}},
    {{BT_THTRG}, "P9", {500, 0, 9999}},
    {{BT_THTRG}, "P8", {250, 0, 9999}},
    {{BT_THTRG}, "X1", {1, 0, 99}},
    {{BT_THTRG}, "X0", {50, 0, 99}},
    {kScaled, "Gain", {0.57, -9.95, 10.0}},
    {kScaled, "Offset", {50, -10000, 10000}},
    {kScaled, "Decimals", {2, 0, 3}},
    {{BT_ACOMP, BT_ATHTRG, BT_ADTRG, BT_ARAMP, BT_PI}, "Threshold1", {250, -20000, 20000}},
    {{BT_ACOMP, BT_ATHTRG, BT_ADTRG, BT_ARAMP, BT_PI}, "Threshold2", {-1150, -20000, 20000}},
    {{BT_AWDOG}, "Threshold1", {250, 0, 20000}, kNewer},
    {{BT_AWDOG}, "Threshold2", {250, 1, 20000}},
    {{BT_PR}, "X11", {1, 0, 1}},
    {{BT_SREG}, "X9", {7, 0, 15}},
    {{BT_SREG}, "X10", {1, 0, 3}, kNewer},
    {{BT_MSGTEXT}, "X3", {-1, 0, 15}},  // the slot: none, the first, the last
    {{BT_MSGTEXT}, "X4", {1, 0, 1}},  // waits for an acknowledgement
    {{BT_MR, BT_MW}, "P10", {500, 1, 9999}, kNewer},  // the cycle
    {{BT_MR, BT_MW}, "Slave", {5, 0, 255}},
    {{BT_MR, BT_MW}, "Register", {100, 0, 65535}},
    // Read: registers into AQ5, coils into M0, registers into AM511.
    {{BT_MR}, "Command", {2, 0, 3}},
    {{BT_MR}, "Function", {3, 1, 4}},
    {{BT_MR}, "Count", {10, 1, 32}},
    {{BT_MR}, "DataKind", {1, 0, 0}},
    {{BT_MR}, "DataNumber", {5, 0, 511}},
    {{BT_MR}, "FirstData", {569, 384, 1107}},
    // Write: a single register by hand, a single coil from I0, two registers by hand.
    {{BT_MW}, "Command", {1, 0, 3}},
    {{BT_MW}, "Function", {6, 5, 16}},
    {{BT_MW}, "Count", {1, 1, 2}},
    {{BT_MW}, "Mode", {1, 0, 1}},
    {{BT_MW}, "DataKind", {0, 2, 0}},
    {{BT_MW}, "FirstData", {0xABCD, 0, 0x1234}},
    {{BT_MW}, "SecondData", {0, 0, 0xFFFF}},
    {kMuxValues, "P9", {100, -32768, 32767}},
    {kMuxValues, "X1", {-200, -32768, 32767}},
    {kMuxValues, "X6", {300, -32768, 32767}},
    {kMuxValues, "X8", {-400, -32768, 32767}},
    {kMuxValues, "Decimals", {2, 0, 3}},
    {{BT_AMATH}, "P8", {1, 0, 3}},
    {{BT_AMATH}, "X0", {2, 0, 3}},
    {{BT_AMATH}, "X5", {3, 0, 3}},
    {{BT_AMATH}, "P10", {1, 0, 2}},
    {{BT_AMATH}, "X2", {2, 0, 2}},
    {{BT_AMATH}, "X7", {0, 0, 2}},
    {{BT_AMATH}, "X11", {1, 0, 1}},
    {{BT_ARAMP}, "P9", {100, 1, 10000}},
    {{BT_ARAMP}, "X1", {5000, -20000, 20000}},
    {{BT_ARAMP}, "X6", {10, -20000, 20000}},
    {{BT_PI}, "PiKC", {1.15, 0.01, 99.99}},
    {{BT_PI}, "PiParamSet", {3, 0, 6}},
    {{BT_PI}, "PiTIMinutes", {12, 0, 99}},  // TI switched off: "User defined" at 99:59
    {{BT_PI}, "PiTISeconds", {30, 0, 59}},
    {{BT_PI}, "PiUseTI", {1, 1, 0}},
    {{BT_PI, BT_PWM}, "PwmOpt", {1, 0, 1}},  // the PI's direction, the PWM's setting
    {{BT_PWM}, "Threshold1", {115, -20000, 20000}},
    {{BT_PWM}, "Threshold2", {620, -20000, 20000}},
    {{BT_PWM}, "RangeMin", {50, -58, 1000}},
    {{BT_AFILTER}, "P10", {2, 0, 5}},
    {{BT_MAXMIN}, "P9", {1, 0, 3}},
    {{BT_MAXMIN}, "X4", {1, 0, 1}},
    {{BT_AVGVAL}, "P8", {100, 1, 32767}},
    {{BT_AVGVAL}, "P9", {30, 1, 59}},
    {{BT_AVGVAL}, "P10", {1, 0, 3}},
    {{BT_MATHERR}, "P8", {1, 0, 2}},
    {{BT_MATHERR}, "X4", {1, 0, 1}},
    {{BT_BOOLEAN}, "X10", {0x1234, 0, 0xFFFF}},
    {kShift, "P9", {5, 0, 15}},
    {kMask, "P9", {0x1234, 0, 0xFFFF}},
    {{BT_ACMXIV, BT_RAND, BT_WORD2BIT}, "P9", {7, 0, 15}},
    {{BT_MOD, BT_REM}, "P9", {-3, -32768, 32767}},
    {{BT_LOG}, "P10", {1, 0, 2}},
    {{BT_FIX, BT_ROUND}, "P10", {2, 0, 4}},
    {{BT_ENCODER}, "P7", {100, -999999, 999999}},
    {{BT_ENCODER}, "P9", {5000, -999999, 999999}},
    {{BT_ENCODER}, "X1", {-5000, -999999, 999999}},
    {{BT_ENCODER}, "X6", {1, 0, 1}},
    {{BT_SMC, BT_SMCE}, "P9", {1, 0, 1}},
    {{BT_SMC, BT_SMCE, BT_PTO, BT_PTOE}, "X1", {1000, 0, 99999999}},
    {{BT_SMCE, BT_PTOE}, "X6", {500, 0, 99999999}},
    {{BT_PTO, BT_PTOE}, "P8", {1, 0, 1}},
    {{BT_UDC}, "X2", {1, 0, 2}},  // the port
    {{BT_UDC}, "P10", {500, 0, 9999}},  // the cycle
    {{BT_UDC}, "X6", {0, 0, 1}},  // the send area and number (AM, AQ)
    {{BT_UDC}, "P5", {100, 0, 31}},
    {{BT_UDC}, "X8", {10, 1, 127}},
    {{BT_UDC}, "X5", {2, 0, 1}},  // the receive area and number (AI, AM, AQ)
    {{BT_UDC}, "P6", {63, 0, 31}},
    {{BT_UDC}, "X7", {20, 1, 127}},
    {{BT_UDC}, "P4", {1, 0, 1}},  // start and end flags and characters
    {{BT_UDC}, "P9", {0x02, 0, 0xFF}},
    {{BT_UDC}, "P2", {1, 0, 1}},
    {{BT_UDC}, "X1", {0x03, 0, 0xFF}},
    {{BT_UDC}, "X4", {1, 0, 1}},
    {{BT_UDC}, "P8", {0x3A, 0, 0xFF}},
    {{BT_UDC}, "P3", {1, 0, 1}},
    {{BT_UDC}, "X0", {0x0D, 0x0A, 0xFF}},
    {{BT_QUAD}, "P9", {3, -32767, 32767}},
    {{BT_QUAD}, "X1", {-4, -32767, 32767}},
    {{BT_QUAD}, "X6", {1, -32767, 32767}},
    {{BT_QUAD}, "P10", {1, 0, 1}},
    {kFloatConstant, "dParam", {0.57, -9999.95, 10000.0}},
};

// A weekly timer's cams, setting by setting.
double CamValue(const std::string& strField, int nSet)
{
    if (strField.find("Day") != std::string::npos)
        return nSet == kHighest || (nSet == kMiddle && strField.back() % 2 == 1) ? 1 : 0;
    if (strField.ends_with("OnOff") || strField.ends_with("OffOff"))
        return nSet == kLowest && strField.ends_with("OffOff") ? 1 : 0;
    const bool bHour = strField.back() == '0';
    const bool bOn = strField[4] == 'n';  // "Cam0On0", "Cam0Off0"
    switch (nSet) {
    case kMiddle: return bHour ? (bOn ? 6 : 18) : (bOn ? 30 : 45);
    case kLowest: return 0;
    default: return bHour ? 23 : 59;
    }
}

// The references a type's sheet offers: those its record has a place for, and those a record
// must carry whatever the encoder does.
std::vector<int> SheetReferences(int nType)
{
    std::vector<int> refs = ProbeType(nType, kNewerHardware).refs;
    if (nType == BT_AWDOG)
        refs = {0, 1};  // its upper and lower threshold
    return refs;
}

// What may come back otherwise, each with why.
struct MayDiffer {
    int nType;  // 0: every type
    const char* pszField;
};
const MayDiffer kMayDiffer[] = {
    {BT_AC, "P10"},  // the astronomical clock's place index: the image holds the coordinates alone
    {BT_MR, "Port"},  // the Modbus port is a setting of the controller's port, not of the block
    {BT_MW, "Port"},
    {0, "Unit"},  // the analog unit and resolution only label the value on the display
    {0, "Resolution"},
    {0, "Sensor"},  // the analog mode, which the upload rebuilds from the scaling
    {0, "RangeMax"},  // the range, which the upload rebuilds from gain and offset; the PWM
    {BT_ACOMP, "RangeMin"},  // block alone sends its lower bound
    {BT_ATHTRG, "RangeMin"},
    {BT_AAMP, "RangeMin"},
    {BT_AWDOG, "RangeMin"},
    {BT_ADTRG, "RangeMin"},
    {BT_ARAMP, "RangeMin"},
    {BT_PI, "RangeMin"},
    {BT_PI, "Decimals"},  // the PI controller's role-74 item carries its parameter set instead
    {BT_LOG, "dParam"},  // the logarithm's factor: its record keeps two zero bytes in its place
    {BT_YT, "P9"},  // "every month": the months, which the image does not hold
    {BT_YT, "X1"},
};

bool MayDifferIn(int nType, const std::string& strField)
{
    return std::ranges::any_of(kMayDiffer, [&](const MayDiffer& m) {
        return (m.nType == 0 || m.nType == nType) && strField == m.pszField;
    });
}

// The values the image does not hold are taken from the original, so that what is left to
// compare is what must come back: a switched-off cam's time, a comment. (The references' set
// leaves the constants behind them at their defaults, which the image does not hold either.)
void TakeWhatMayDiffer(CBlockObj& original, CBlockObj& decoded)
{
    std::vector<Field> fields = FieldsOf(original);
    const auto value = [&](const std::string& strName) {
        return std::ranges::find(fields, strName, &Field::strName)->get(original);
    };
    for (Field& field : fields) {
        // A weekly timer's switched-off time ("Cam0On0" is off when "Cam0OnOff" is set).
        const std::string& str = field.strName;
        const bool bOffCam = str.starts_with("Cam") && str.find("Day") == std::string::npos &&
                             !str.ends_with("Off") && value(str.substr(0, str.size() - 1) + "Off") != 0;
        if (MayDifferIn(original.m_nType, str) || bOffCam)
            field.set(decoded, field.get(original));
    }
    decoded.m_strComment = original.m_strComment;  // comments: no image section holds them
    if (original.m_nType == BT_AC)
        decoded.m_strParamText = original.m_strParamText;  // the astronomical clock's place name
}

// The texts a page writes with the values it shows: a mask's four hexadecimal digits, a Modbus
// write's data words typed by hand.
void SettleTexts(CBlockObj& block)
{
    if (std::ranges::find(kMask, block.m_nType) != kMask.end())
        block.m_strParamText.Format(_T("%04X"), block.m_nParam[WORDOP_OPERAND_PARAM]);
    if (auto* pModbus = dynamic_cast<CBlockMR*>(&block); pModbus && pModbus->m_byMode) {
        pModbus->m_strFirstData.Format(_T("%X"), int(pModbus->m_wFirstData));
        pModbus->m_strSecondData.Format(_T("%X"), int(pModbus->m_wSecondData));
    }
}

class WalkingRoundTrip : public CodecDiagram, public testing::WithParamInterface<std::tuple<bool, int>> {
protected:
    WalkingRoundTrip() : CodecDiagram(std::get<0>(GetParam()) ? kNewerHardware : kOlderHardware) {}

    // An I/O point numbered and labelled by its index, as the editor places it.
    CBlockObj* At(int nType, int nBase, int nIndex)
    {
        CBlockObj* pBlock = Point(nType, nBase + nIndex);
        pBlock->m_nOperand = nIndex;
        return pBlock;
    }
};

TEST_P(WalkingRoundTrip, EverySheetValueComesBack)
{
    const auto [bNewer, nSet] = GetParam();
    if (nSet == kReferences && !bNewer)
        GTEST_SKIP() << "the older line takes no references";
    CBlockObj* pInput = At(BT_IN, NUM_INPUT, 6);
    CBlockObj* pAnalog = At(BT_ANALOG_IN, NUM_ANALOG_IN, 3);
    int nFlags = 0;
    int nValues = 0;
    CBlockObj* pPrevious = nullptr;
    for (const BlockTypeRow& row : FactoryTypeRows()) {
        if (!IsFunctionBlockType(row.nType) || !(row.byGenerations & (bNewer ? GEN_NEWER_ONES : GEN_OLDER)))
            continue;
        CBlockObj* pBlock = Block(row.nType);
        std::vector<Field> fields = FieldsOf(*pBlock);
        for (const Setting& setting : nSet == kReferences ? std::span<const Setting>() : std::span(kSettings)) {
            const auto it = std::ranges::find(fields, setting.pszField, &Field::strName);
            const bool bListed = std::ranges::find(setting.types, row.nType) != setting.types.end();
            if (bListed == setting.bAllBut || it == fields.end() ||
                !(setting.byGenerations & (bNewer ? GEN_NEWER_ONES : GEN_OLDER)))
                continue;
            it->set(*pBlock, setting.dValue[nSet]);
            ++nValues;
        }
        for (Field& field : nSet == kReferences || row.nType != BT_WT ? std::span<Field>() : std::span(fields)) {
            if (field.strName.starts_with("Cam")) {
                field.set(*pBlock, CamValue(field.strName, nSet));
                ++nValues;
            }
        }
        SettleTexts(*pBlock);
        for (int k : nSet == kReferences && pPrevious ? SheetReferences(row.nType) : std::vector<int>()) {
            pBlock->m_nParam[BLOCK_REF_USED_PARAM + k] = 1;
            pBlock->m_nRefBlock[k] = pPrevious->m_nNumber;
            pBlock->m_pRefBlock[k] = pPrevious;
        }
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
            Feed(pBlock, At(bAnalog ? BT_ANALOG_FLAG : BT_FLAG, bAnalog ? NUM_ANALOG_FLAG : NUM_FLAG, nFlags++), 0);
        pPrevious = pBlock;
    }
    ASSERT_TRUE(Encode().bOk);
    CVetlaDoc decoded;
    ASSERT_TRUE(DecodeProgramImage(Codec(), decoded).bOk);
    for (POSITION pos = Doc().m_blockList.GetHeadPosition(); pos;) {
        auto* pBlock = static_cast<CBlockObj*>(Doc().m_blockList.GetNext(pos));
        if (CBlockObj* pOther = decoded.FindBlockByNumber(pBlock->m_nNumber); pOther && pOther->m_nType == pBlock->m_nType)
            TakeWhatMayDiffer(*pBlock, *pOther);
    }
    for (const std::string& strDifference : CompareDocuments(Doc(), decoded))
        ADD_FAILURE() << strDifference;
    RecordProperty("values", nValues);
}

INSTANTIATE_TEST_SUITE_P(Sets, WalkingRoundTrip,
                         testing::Combine(testing::Bool(), testing::Values(kMiddle, kLowest, kHighest, kReferences)));

} // namespace
