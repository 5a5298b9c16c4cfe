// The in-place parameter editor's rules, by block type and parameter-name id: which elements a
// double click may edit, which controls stand for the parameter, and the check and the write of
// Enter. A type's row names its offers and the family of rules it is edited by; the tables here
// are keyed by that family.
#include "messagetext/InPlaceParam.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockClock.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockFunction.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWord.h"

#include <algorithm>
#include <cmath>
#include <initializer_list>

namespace {

using ParamIdList = std::initializer_list<int>;

constexpr bool ListsParam(ParamIdList ids, int nParamId)
{
    return ids.size() == 0 || std::find(ids.begin(), ids.end(), nParamId) != ids.end();
}

// The word and math blocks address their one parameter by any of these ids.
constexpr ParamIdList kWordParamIds = {118, 119, 120, 121, 122, 123, 124};

// ---- which elements open the popup: the first offer of the type naming the id decides ----

BOOL DisplayTableOffers(const CBlockObj& block, int nParamId)
{
    const BlockTypeRow* pRow = FindBlockType(block.m_nType);
    if (!pRow)
        return FALSE;
    for (const InPlaceOffer& offer : pRow->inPlace.offers) {
        if (offer.nParamId != IN_PLACE_ANY_PARAM && offer.nParamId != nParamId)
            continue;
        return offer.nSlot == IN_PLACE_ANY_SLOT || block.m_pRefBlock[offer.nSlot] == nullptr;
    }
    return FALSE;
}

InPlaceRules RulesOf(const CBlockObj& block)
{
    const BlockTypeRow* pRow = FindBlockType(block.m_nType);
    return pRow ? pRow->inPlace.rules : InPlaceRules::None;
}

// ---- the timers' time pairs ----

struct TimeRow {
    InPlaceRules rules;
    ParamIdList params;  // empty: any id
    bool bSecond;        // the second setpoint (time B) rather than the first
    bool bCurrent;       // the running time follows a new setpoint while the timer is idle
};

constexpr TimeRow kTimeRows[] = {
    {InPlaceRules::OnDelay, {4}, false, false},
    {InPlaceRules::OffDelay, {5}, false, false},
    {InPlaceRules::OnOffDelay, {6}, false, true},
    {InPlaceRules::OnOffDelay, {7}, true, true},
    {InPlaceRules::WipingRelay, {7}, false, true},
    {InPlaceRules::PulsePair, {40}, false, true},
    {InPlaceRules::PulsePair, {39}, true, true},
    {InPlaceRules::RandomGenerator, {10}, false, false},
    {InPlaceRules::RandomGenerator, {11}, true, false},
    {InPlaceRules::StairwayLight, {}, true, true},
    {InPlaceRules::MultipleFunctionSwitch, {14}, false, true},
    {InPlaceRules::MultipleFunctionSwitch, {41}, true, true},
};

const TimeRow* FindTimeRow(InPlaceRules rules, int nParamId)
{
    for (const TimeRow& row : kTimeRows) {
        if (row.rules == rules && ListsParam(row.params, nParamId))
            return &row;
    }
    return nullptr;
}

struct TimeWords {
    int* pFirst;
    int* pSecond;
    int* pBase;
};

TimeWords TimeOf(CBlockObj& block, bool bSecond)
{
    if (bSecond)
        return {&block.m_nParamEx[TIMER_OFF_HIGH_PARAMEX], &block.m_nParamEx[TIMER_OFF_LOW_PARAMEX],
                &block.m_nParamEx[TIMER_OFF_BASE_PARAMEX]};
    return {&block.m_nParam[TIMER_ON_HIGH_PARAM], &block.m_nParam[TIMER_ON_LOW_PARAM],
            &block.m_nParam[TIMER_ON_BASE_PARAM]};
}

const CString kRefuse0To59 = _T("Please enter an integer between 0 and 59");
const CString kRefuse0To23 = _T("Please enter an integer between 0 and 23");

// ---- the weekly timer's cams and the yearly timer's dates ----

constexpr ParamIdList kWeekdayIds = {15, 44, 47};
constexpr ParamIdList kOnTimeIds = {42, 45, 48};
constexpr ParamIdList kOffTimeIds = {43, 46, 49};

// The element's kind counts the weekly timer's parameters, three to a cam.
int CamOf(int nKind)
{
    return std::clamp(nKind / 3, 0, TIMER_CAM_COUNT - 1);
}

// The boxes run Monday to Sunday; the block keeps Sunday first.
int DayOfBox(int nBox)
{
    return (nBox + 1) % 7;
}

struct DateWords {
    int* pMonth;
    int* pDay;
};

DateWords DateOf(CBlockObj& block, int nParamId)
{
    if (nParamId == 36)
        return {&block.m_nParamEx[YT_OFF_MONTH_PARAMEX], &block.m_nParamEx[YT_OFF_DAY_PARAMEX]};
    return {&block.m_nParam[YT_ON_MONTH_PARAM], &block.m_nParam[YT_ON_DAY_PARAM]};
}

CString DateRefusal(int nMonth, int nDay)
{
    int nLast = 0;
    if (nMonth < 1 || nMonth > 12)
        nLast = 12;
    else if (nDay < 1 || nDay > 31)
        nLast = 31;
    else if (nDay == 31 && (nMonth == 4 || nMonth == 6 || nMonth == 9 || nMonth == 11))
        nLast = 30;
    else if (nMonth == 2 && nDay > 29)
        nLast = 29;
    if (nLast == 0)
        return CString();
    CString str;
    str.Format(_T("Enter an Integer between %d and %d."), 1, nLast);
    return str;
}

// ---- single values: numbers, masks, lists and real numbers ----

enum class Store { Param, ParamEx, Count, Threshold1, Threshold2, Real };

struct ValueRow {
    InPlaceRules rules;
    ParamIdList params;
    InPlaceControls controls;
    Store store;
    int nSlot;
    int nMin;
    int nMax;
    // Empty: any value the controls let through is written.
    LPCTSTR pszRefusal;
    bool bRefresh;
    std::initializer_list<LPCTSTR> choices;
};

constexpr LPCTSTR kAnalogRefusal = _T("Please enter an integer between -20000 and 20000");
constexpr LPCTSTR kEncoderRefusal = _T("Please enter an integer between -999999 and 999999");
constexpr LPCTSTR kPulseRefusal = _T("Please enter an integer between 0 and 99999999");
constexpr LPCTSTR kRealRefusal = _T("Please enter an number between -10000 and 10000");
constexpr LPCTSTR kHexRefusal = _T("Please enter an Hexadecimal number  between 0x0000 and 0xFFFF");
constexpr LPCTSTR kDivisorRefusal = _T("Please enter an integer between -32767 and 32767 and <> 0");
constexpr std::initializer_list<LPCTSTR> kModes = {_T("Maximum"), _T("Minimum"), _T("Average")};

constexpr ValueRow kValueRows[] = {
    {InPlaceRules::Counter, {16}, InPlaceControls::Unsigned, Store::Count, 0, 0, 999999, nullptr, true, {}},
    {InPlaceRules::Counter, {17}, InPlaceControls::Unsigned, Store::Param, COUNTER_ON_PARAM, 0, 999999, nullptr,
     false, {}},
    {InPlaceRules::Counter, {18}, InPlaceControls::Unsigned, Store::ParamEx, COUNTER_OFF_PARAMEX, 0, 999999,
     nullptr, false, {}},
    {InPlaceRules::HoursCounter, {19}, InPlaceControls::Unsigned, Store::Param, HCOUNTER_MI_HOURS_PARAM, 0, 1023,
     _T("Please enter an integer between 0 and 1023"), false, {}},
    {InPlaceRules::ThresholdTrigger, {37}, InPlaceControls::Unsigned, Store::Param, THTRG_ON_PARAM, 0, 9999,
     nullptr, false, {}},
    {InPlaceRules::ThresholdTrigger, {38}, InPlaceControls::Unsigned, Store::Param, THTRG_OFF_PARAM, 0, 9999,
     nullptr, false, {}},
    {InPlaceRules::AnalogThreshold, {24}, InPlaceControls::Signed, Store::Threshold1, 0, -20000, 20000,
     kAnalogRefusal, false, {}},
    {InPlaceRules::AnalogThreshold, {25, 31}, InPlaceControls::Signed, Store::Threshold2, 0, -20000, 20000,
     kAnalogRefusal, false, {}},
    {InPlaceRules::AnalogDifferential, {24}, InPlaceControls::Signed, Store::Threshold1, 0, -20000, 20000,
     kAnalogRefusal, true, {}},
    {InPlaceRules::AnalogDifferential, {31}, InPlaceControls::Signed, Store::Threshold2, 0, -20000, 20000,
     kAnalogRefusal, true, {}},
    {InPlaceRules::AnalogMath, {71}, InPlaceControls::Unsigned, Store::Param, AMATH_V1_PARAM, 0, ANALOG_LIMIT,
     nullptr, false, {}},
    {InPlaceRules::AnalogMath, {72}, InPlaceControls::Unsigned, Store::ParamEx, AMATH_V2_PARAMEX, 0, ANALOG_LIMIT,
     nullptr, false, {}},
    {InPlaceRules::AnalogMath, {73}, InPlaceControls::Unsigned, Store::ParamEx, AMATH_V3_PARAMEX, 0, ANALOG_LIMIT,
     nullptr, false, {}},
    {InPlaceRules::AnalogMath, {74}, InPlaceControls::Unsigned, Store::ParamEx, AMATH_V4_PARAMEX, 0, ANALOG_LIMIT,
     nullptr, false, {}},
    {InPlaceRules::WordShift, kWordParamIds, InPlaceControls::Unsigned, Store::Param, WORDOP_OPERAND_PARAM,
     1, 15, _T("Please enter an integer between 1 and 15"), false, {}},
    {InPlaceRules::WordToBit, kWordParamIds, InPlaceControls::Unsigned, Store::Param, WORD2BIT_BIT_PARAM, 0, 15,
     _T("Please enter an integer between 0 and 15"), false, {}},
    {InPlaceRules::RandomValue, kWordParamIds, InPlaceControls::Unsigned, Store::Param, RAND_RANGE_PARAM, 1, 32767,
     _T("Please enter an integer between 1 and 32767"), false, {}},
    {InPlaceRules::WordMask, kWordParamIds, InPlaceControls::Hex, Store::Param,
     WORDOP_OPERAND_PARAM, 0, 0xFFFF, kHexRefusal, false, {}},
    {InPlaceRules::Modulo, kWordParamIds, InPlaceControls::Signed, Store::Param, MOD_DIVISOR_PARAM, -32767, 32767,
     kDivisorRefusal, false, {}},
    {InPlaceRules::ArrayMaxMin, {95}, InPlaceControls::Choice, Store::Param, ARRMXIV_MODE_PARAM, 0, 2, nullptr,
     false, kModes},
    {InPlaceRules::ArrayMaxMin, {121}, InPlaceControls::Plain, Store::ParamEx, ARRMXIV_COUNT_PARAMEX, 1, 32,
     _T("Please enter an integer between 1 and 32"), false, {}},
    {InPlaceRules::AcMaxMin, {95}, InPlaceControls::Choice, Store::Param, ACMXIV_MODE_PARAM, 0, 2, nullptr, false,
     kModes},
    {InPlaceRules::Encoder, {130}, InPlaceControls::Choice, Store::ParamEx, ENCODER_PAIR_PARAMEX, 0, 1, nullptr, false,
     {_T("I0&I1"), _T("I2&I3")}},
    {InPlaceRules::Encoder, {144}, InPlaceControls::Signed, Store::Count, 0, -999999, 999999, kEncoderRefusal, true,
     {}},
    {InPlaceRules::Encoder, {140}, InPlaceControls::Signed, Store::Param, ENCODER_START_PARAM, -999999, 999999,
     kEncoderRefusal, false, {}},
    {InPlaceRules::Encoder, {141}, InPlaceControls::Signed, Store::Param, ENCODER_ON_PARAM, -999999, 999999,
     kEncoderRefusal, false, {}},
    {InPlaceRules::Encoder, {142}, InPlaceControls::Signed, Store::ParamEx, ENCODER_OFF_PARAMEX, -999999, 999999,
     kEncoderRefusal, false, {}},
    {InPlaceRules::SteppingMotor, {126}, InPlaceControls::Plain, Store::ParamEx, PULSE_RATE_PARAMEX, 0, 99999999,
     kPulseRefusal, false, {}},
    {InPlaceRules::SteppingMotor, {127}, InPlaceControls::Plain, Store::ParamEx, PULSE_LENGTH_PARAMEX, 0, 99999999,
     kPulseRefusal, false, {}},
    {InPlaceRules::PulseTrain, {138}, InPlaceControls::Plain, Store::ParamEx, PULSE_RATE_PARAMEX, 0, 99999999,
     kPulseRefusal, false, {}},
    {InPlaceRules::PulseTrain, {143}, InPlaceControls::Plain, Store::ParamEx, PULSE_LENGTH_PARAMEX, 0, 99999999,
     kPulseRefusal, false, {}},
    {InPlaceRules::Logarithm, {122}, InPlaceControls::Choice, Store::Param, LOG_BASE_PARAM, 0, 2, nullptr, false,
     {_T("e"), _T("2"), _T("10")}},
    {InPlaceRules::Logarithm, {123}, InPlaceControls::Real, Store::Real, 0, -10000, 10000, kRealRefusal, false, {}},
    {InPlaceRules::RealFunction, kWordParamIds, InPlaceControls::Real, Store::Real, 0, -10000, 10000, kRealRefusal,
     false, {}},
    {InPlaceRules::Rounding, kWordParamIds, InPlaceControls::Choice, Store::Param, FIX_DIGITS_PARAM, 0, 5, nullptr,
     false, {_T("0"), _T("1"), _T("2"), _T("3"), _T("4"), _T("5")}},
};

const ValueRow* FindValueRow(InPlaceRules rules, int nParamId)
{
    for (const ValueRow& row : kValueRows) {
        if (row.rules == rules && ListsParam(row.params, nParamId))
            return &row;
    }
    return nullptr;
}

// The analog blocks keep their thresholds in members of their own class.
CBlockAnalog* Analog(CBlockObj& block)
{
    return dynamic_cast<CBlockAnalog*>(&block);
}

double ReadStore(CBlockObj& block, const ValueRow& row)
{
    switch (row.store) {
    case Store::Param: return block.m_nParam[row.nSlot];
    case Store::ParamEx: return block.m_nParamEx[row.nSlot];
    case Store::Count: return block.m_dRunTime;
    case Store::Threshold1: return Analog(block) ? Analog(block)->m_nThreshold1 : 0;
    case Store::Threshold2: return Analog(block) ? Analog(block)->m_nThreshold2 : 0;
    case Store::Real: return block.m_dParam;
    }
    return 0.0;
}

void WriteStore(CBlockObj& block, const ValueRow& row, double dValue)
{
    const int nValue = int(dValue);
    switch (row.store) {
    case Store::Param: block.m_nParam[row.nSlot] = nValue; break;
    case Store::ParamEx: block.m_nParamEx[row.nSlot] = nValue; break;
    case Store::Count: block.m_dRunTime = nValue; break;
    case Store::Threshold1:
        if (CBlockAnalog* pAnalog = Analog(block))
            pAnalog->m_nThreshold1 = nValue;
        break;
    case Store::Threshold2:
        if (CBlockAnalog* pAnalog = Analog(block))
            pAnalog->m_nThreshold2 = nValue;
        break;
    case Store::Real: block.m_dParam = dValue; break;
    }
}

// An empty mask writes 0; any character but a hexadecimal digit refuses the text.
bool ParseHexWord(const CString& strText, int& nValue)
{
    nValue = 0;
    for (int i = 0; i < strText.GetLength(); ++i) {
        const TCHAR ch = strText[i];
        int nDigit = -1;
        if (ch >= '0' && ch <= '9')
            nDigit = ch - '0';
        else if (ch >= 'A' && ch <= 'F')
            nDigit = ch - 'A' + 10;
        else if (ch >= 'a' && ch <= 'f')
            nDigit = ch - 'a' + 10;
        if (nDigit < 0)
            return false;
        nValue = ((nValue << 4) | nDigit) & 0xFFFF;
    }
    return true;
}

InPlaceResult ApplyValueRow(CBlockObj& block, const ValueRow& row, const InPlaceValue& value)
{
    InPlaceResult result;
    double dValue = value.nFirst;
    bool bValid = true;
    switch (row.controls) {
    case InPlaceControls::Hex: {
        int nMask = 0;
        bValid = ParseHexWord(value.strHex, nMask);
        dValue = nMask;
        break;
    }
    case InPlaceControls::Real: dValue = value.dValue; break;
    case InPlaceControls::Choice: bValid = value.nFirst >= 0 && value.nFirst < int(row.choices.size()); break;
    default:
        if (row.pszRefusal)
            bValid = value.nFirst >= row.nMin && value.nFirst <= row.nMax;
        break;
    }
    // The divisor's row is the one that refuses 0 inside its range.
    if (bValid && row.pszRefusal == kDivisorRefusal)
        bValid = value.nFirst != 0;
    if (bValid && row.controls == InPlaceControls::Real)
        bValid = dValue >= row.nMin && dValue <= row.nMax;
    if (!bValid) {
        if (row.pszRefusal)
            result.strRefusal = row.pszRefusal;
        return result;
    }
    WriteStore(block, row, dValue);
    result.bWritten = TRUE;
    result.bRefresh = row.bRefresh;
    if (row.rules == InPlaceRules::HoursCounter) {
        if (auto* pCounter = dynamic_cast<CBlockHCOUNTER*>(&block)) {
            pCounter->m_nMNMinutes = HoursCounterToGo(value.nFirst, pCounter->m_nOTMinutes / 60);
            // The counter's own step takes the new interval as already applied.
            pCounter->m_nRefValue = pCounter->DerivedInterval();
        }
    }
    return result;
}

InPlaceResult ApplyTimePair(CBlockObj& block, const TimeRow& row, const InPlaceValue& value)
{
    InPlaceResult result;
    const bool bMinutesToCheck = value.nBase == 0 || value.nBase == 1;
    if (bMinutesToCheck && (value.nSecond < 0 || value.nSecond > 59)) {
        result.strRefusal = kRefuse0To59;
        return result;
    }
    const TimeWords words = TimeOf(block, row.bSecond);
    *words.pFirst = value.nFirst;
    *words.pSecond = value.nSecond;
    *words.pBase = value.nBase;
    auto* pTimer = dynamic_cast<CBlockTime*>(&block);
    if (row.bCurrent && pTimer && !pTimer->m_bTiming)
        block.m_dRunTime = TimePairMs(value.nFirst, value.nSecond, value.nBase);
    result.bWritten = TRUE;
    return result;
}

InPlaceResult ApplyWeekly(CBlockTime& timer, int nParamId, int nKind, const InPlaceValue& value)
{
    InPlaceResult result;
    const int nCam = CamOf(nKind);
    if (ListsParam(kWeekdayIds, nParamId)) {
        for (int nBox = 0; nBox < 7; ++nBox)
            timer.m_bDay[nCam][DayOfBox(nBox)] = value.bDays[nBox] ? 1 : 0;
        result.bWritten = TRUE;
        return result;
    }
    if (!value.bNoTime) {
        if (value.nFirst < 0 || value.nFirst > 23) {
            result.strRefusal = kRefuse0To23;
            return result;
        }
        if (value.nSecond < 0 || value.nSecond > 59) {
            result.strRefusal = kRefuse0To59;
            return result;
        }
    }
    const bool bOn = ListsParam(kOnTimeIds, nParamId);
    int* pTime = bOn ? timer.m_nOnTime[nCam] : timer.m_nOffTime[nCam];
    int& bDisabled = bOn ? timer.m_bOnDisabled[nCam] : timer.m_bOffDisabled[nCam];
    bDisabled = value.bNoTime ? 1 : 0;
    pTime[0] = value.nFirst;
    pTime[1] = value.nSecond;
    result.bWritten = TRUE;
    return result;
}

bool IsWeeklyParam(int nParamId)
{
    return std::find(kWeekdayIds.begin(), kWeekdayIds.end(), nParamId) != kWeekdayIds.end() ||
           std::find(kOnTimeIds.begin(), kOnTimeIds.end(), nParamId) != kOnTimeIds.end() ||
           std::find(kOffTimeIds.begin(), kOffTimeIds.end(), nParamId) != kOffTimeIds.end();
}

std::vector<CString> Items(std::initializer_list<LPCTSTR> items)
{
    return {items.begin(), items.end()};
}

}  // namespace

InPlaceEdit DescribeInPlaceEdit(const CBlockObj& block, int nParamId)
{
    const InPlaceRules rules = RulesOf(block);
    InPlaceEdit edit;
    if (FindTimeRow(rules, nParamId)) {
        edit.controls = InPlaceControls::TimePair;
        edit.nMax = 99;
        edit.choices = Items({_T("h"), _T("m"), _T("s")});
    } else if (rules == InPlaceRules::WeeklyTimer && IsWeeklyParam(nParamId)) {
        edit.controls = ListsParam(kWeekdayIds, nParamId) ? InPlaceControls::WeekdayBoxes : InPlaceControls::CamTime;
        edit.nMax = 99;
    } else if (rules == InPlaceRules::YearlyTimer && (nParamId == 35 || nParamId == 36)) {
        edit.controls = InPlaceControls::MonthDay;
        edit.nMin = 1;
        edit.nMax = 31;
    } else if (const ValueRow* pRow = FindValueRow(rules, nParamId)) {
        edit.controls = pRow->controls;
        edit.nMin = pRow->nMin;
        edit.nMax = pRow->nMax;
        edit.choices = Items(pRow->choices);
    }
    return edit;
}

BOOL OffersInPlaceEdit(const CBlockObj& block, int nParamId)
{
    return DisplayTableOffers(block, nParamId) &&
           DescribeInPlaceEdit(block, nParamId).controls != InPlaceControls::None;
}

InPlaceValue ReadInPlaceValue(const CBlockObj& constBlock, int nParamId, int nKind)
{
    auto& block = const_cast<CBlockObj&>(constBlock);
    const InPlaceRules rules = RulesOf(block);
    InPlaceValue value;
    if (const TimeRow* pRow = FindTimeRow(rules, nParamId)) {
        const TimeWords words = TimeOf(block, pRow->bSecond);
        value.nFirst = *words.pFirst;
        value.nSecond = *words.pSecond;
        value.nBase = *words.pBase;
    } else if (auto* pTimer = dynamic_cast<CBlockTime*>(&block); pTimer && rules == InPlaceRules::WeeklyTimer) {
        const int nCam = CamOf(nKind);
        for (int nBox = 0; nBox < 7; ++nBox)
            value.bDays[nBox] = pTimer->m_bDay[nCam][DayOfBox(nBox)] != 0;
        const bool bOn = ListsParam(kOnTimeIds, nParamId);
        const int* pTime = bOn ? pTimer->m_nOnTime[nCam] : pTimer->m_nOffTime[nCam];
        value.bNoTime = (bOn ? pTimer->m_bOnDisabled[nCam] : pTimer->m_bOffDisabled[nCam]) != 0;
        value.nFirst = pTime[0];
        value.nSecond = pTime[1];
    } else if (rules == InPlaceRules::YearlyTimer) {
        const DateWords date = DateOf(block, nParamId);
        value.nFirst = *date.pMonth;
        value.nSecond = *date.pDay;
    } else if (const ValueRow* pValueRow = FindValueRow(rules, nParamId)) {
        const double dValue = ReadStore(block, *pValueRow);
        value.nFirst = int(dValue);
        value.dValue = dValue;
        value.strHex.Format(_T("%X"), unsigned(value.nFirst) & 0xFFFFu);
    }
    return value;
}

InPlaceResult ApplyInPlaceValue(CBlockObj& block, int nParamId, int nKind, const InPlaceValue& value)
{
    const InPlaceRules rules = RulesOf(block);
    if (const TimeRow* pRow = FindTimeRow(rules, nParamId))
        return ApplyTimePair(block, *pRow, value);
    auto* pTimer = dynamic_cast<CBlockTime*>(&block);
    if (pTimer && rules == InPlaceRules::WeeklyTimer && IsWeeklyParam(nParamId))
        return ApplyWeekly(*pTimer, nParamId, nKind, value);
    if (rules == InPlaceRules::YearlyTimer && (nParamId == 35 || nParamId == 36)) {
        InPlaceResult result;
        result.strRefusal = DateRefusal(value.nFirst, value.nSecond);
        if (result.strRefusal.IsEmpty()) {
            const DateWords date = DateOf(block, nParamId);
            *date.pMonth = value.nFirst;
            *date.pDay = value.nSecond;
            result.bWritten = TRUE;
        }
        return result;
    }
    if (const ValueRow* pRow = FindValueRow(rules, nParamId))
        return ApplyValueRow(block, *pRow, value);
    return {};
}

double TimePairMs(int nFirst, int nSecond, int nBase)
{
    switch (nBase) {
    case 0: return (double(nFirst) * 60.0 + nSecond) * 60000.0;
    case 1: return (double(nFirst) * 60.0 + nSecond) * 1000.0;
    case 2: return (double(nFirst) * 100.0 + nSecond) * 10.0;
    default: return 0.0;
    }
}

int HoursCounterToGo(int nInterval, int nOperating)
{
    if (nInterval <= 0)
        return 0;
    if (nInterval > nOperating)
        return 60 * (nInterval - nOperating);
    return 60 * (nInterval - nOperating % nInterval);
}
