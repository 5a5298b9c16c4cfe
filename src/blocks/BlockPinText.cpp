// The parameter lines beside a block's parameter pin. A block's settings live in generic
// parameter words whose meaning depends on its type code, so the texts are chosen by type code:
// the common texts (retentivity, sign, the four parameters with their time units or the
// referenced block) first, then the lines of the type. Sums and differences are taken in a
// wider type: the words come from files and uploads and may hold any int.
#include "blocks/BlockPinText.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockClock.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockDelay.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockFunction.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockMR.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockTypes.h"
#include "blocks/BlockWIFI.h"
#include "blocks/BlockWord.h"
#include "blocks/TypeCodeList.h"
#include "platform/core/StringArray.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"

#include <cstddef>
#include <initializer_list>
#include <utility>

namespace {

constexpr COLORREF kPinTextColour = RGB(64, 128, 64);
constexpr long long kDisplayNumberBase = 9000;
// The analog blocks stand their lines this far left of their widest reference line.
constexpr int kAnalogGap = 20;
constexpr int kThresholdTriggerGap = 5;
// The soft key has no class of its own: a momentary key, else a switch that starts on or off.
constexpr int SOFTKEY_MOMENTARY_PARAMEX = 12;
constexpr int SOFTKEY_SWITCH_OFF_PARAMEX = 13;

template <class... Args>
CString Fmt(LPCTSTR pszFormat, const Args&... args)
{
    CString str;
    str.Format(pszFormat, args...);
    return str;
}

// The unit letter of a time given by its time base: 0 hours, 1 minutes, else seconds.
LPCTSTR PlainUnit(int nBase)
{
    return nBase == 0 ? _T("h") : nBase == 1 ? _T("m") : _T("s");
}

// The unit of a time taken from another block's value: 0 minutes, 1 seconds, else ms.
LPCTSTR ReferencedUnit(int nUnit)
{
    return nUnit == 0 ? _T("m") : nUnit == 1 ? _T("s") : _T("ms");
}

CString TimeText(int nHigh, int nLow, LPCTSTR pszUnit)
{
    return Fmt(_T("%02d:%02d%s"), nHigh, nLow, pszUnit);
}

// A line made of a parameter text and the sign stays empty with its parameter.
CString WithSign(const CString& strParam, LPCTSTR pszSign)
{
    return strParam.IsEmpty() ? CString() : strParam + pszSign;
}

// Parameter 1 or 2 of the newer generation where it shows a count, a value or a mode rather than
// a time: its line while it is taken from another block (null: none) and while it is stored,
// from its slot (null: the type's own text).
struct ParamLine {
    TypeCodeList types;
    LPCTSTR pszRef;
    LPCTSTR pszValue;
    bool bParamEx;
    int nSlot;
};

constexpr ParamLine kFirstParamLines[] = {
    {{BT_COUNTER}, _T("On=B%d"), _T("On=%d"), false, COUNTER_ON_PARAM},
    {{BT_ENCODER}, _T("On=B%d"), _T("On=%d"), false, ENCODER_ON_PARAM},
    {{BT_HCOUNTER}, _T("MI=B%dh"), nullptr, false, 0},
    {{BT_THTRG}, nullptr, nullptr, false, 0},
    {{BT_AMATH, BT_AMUX}, _T("V1=B%d"), _T("V1=%d"), false, AMATH_V1_PARAM},
    {{BT_ARRMXIV, BT_ACMXIV}, _T("Mode=B%d"), nullptr, false, 0},
    {{BT_RAND}, _T("Base=B%d"), _T("Base=%d"), false, RAND_RANGE_PARAM},
    {{BT_LOG}, _T("Base=B%d"), nullptr, false, 0},
    {{BT_SMCE}, _T("Steps=B%d"), _T("Steps=%d"), true, PULSE_LENGTH_PARAMEX},
    {{BT_PTOE}, _T("Number=B%d"), _T("Number=%d"), true, PULSE_LENGTH_PARAMEX},
};

constexpr ParamLine kSecondParamLines[] = {
    {{BT_COUNTER}, _T("Off=B%d"), _T("Off=%d"), true, COUNTER_OFF_PARAMEX},
    {{BT_ENCODER}, _T("Off=B%d"), _T("Off=%d"), true, ENCODER_OFF_PARAMEX},
    {{BT_AMATH, BT_AMUX}, _T("V2=B%d"), _T("V2=%d"), true, AMATH_V2_PARAMEX},
    {{BT_ARRMXIV}, _T("Count=B%d"), _T("Count=%d"), true, ARRMXIV_COUNT_PARAMEX},
    {{BT_SMC, BT_SMCE}, _T("Speed=B%d"), _T("Speed=%d"), true, PULSE_RATE_PARAMEX},
    {{BT_PTO, BT_PTOE}, _T("Pulse Width=B%d"), _T("Pulse Width=%d"), true, PULSE_RATE_PARAMEX},
};

template <std::size_t N>
const ParamLine* FindParamLine(const ParamLine (&lines)[N], int nType)
{
    for (const ParamLine& line : lines) {
        if (ListsType(line.types, nType))
            return &line;
    }
    return nullptr;
}

class PinTextBuilder {
public:
    PinTextBuilder(const CBlockObj& block, BOOL bNewGeneration)
        : m_b(block), m_nType(block.m_nType), m_bNew(bNewGeneration)
    {
    }

    PinTextLayout Build();

private:
    int Param(int i) const { return m_b.m_nParam[i]; }
    int ParamEx(int i) const { return m_b.m_nParamEx[i]; }
    // Parameter i (0-3) is taken from another block.
    bool IsReferenced(int i) const { return m_b.m_nParam[BLOCK_REF_USED_PARAM + i] != 0; }

    // The referenced block i shown by its display number as the first argument of the
    // format; empty when the reference is not resolved.
    template <class... Args>
    CString Ref(int i, LPCTSTR pszFormat, const Args&... rest) const
    {
        const CBlockObj* pRef = m_b.m_pRefBlock[i];
        if (!pRef)
            return CString();
        return Fmt(pszFormat, pRef->m_nNumber - kDisplayNumberBase, rest...);
    }

    LPCTSTR Sign() const { return Param(BLOCK_PROTECTION_PARAM) == 0 ? _T("+") : _T("-"); }
    CString FirstText() const;
    CString GateTime() const;
    // A timer's on and off times and the hours counter's operating time, as stored.
    CString OnTime() const;
    CString OffTime() const;
    CString OperatingTime() const;
    // The staircase's warning time and the length of its warning, in the unit given.
    CString WarnTime(LPCTSTR pszUnit) const;
    CString WarnLength(LPCTSTR pszUnit) const;
    CString Date(int nYear, int nMonth, int nDay) const;
    // Parameter 1 or 2 (index 0 or 1) supplies the time base of the later times.
    LPCTSTR TimeBaseUnit(int i) const;

    CString P1() const { return m_bNew ? P1New() : P1Old(); }
    CString P2() const { return m_bNew ? P2New() : P2Old(); }
    // The older generation shows no later parameter while parameter 1 is referenced.
    CString P3() const { return m_bNew ? P3New() : IsReferenced(0) ? CString() : WarnTime(OlderWarnUnit()); }
    CString P4() const { return m_bNew ? P4New() : IsReferenced(0) ? CString() : WarnLength(OlderWarnUnit()); }
    CString ParamLineText(const ParamLine& line, int i) const;
    // The stored parameter 1 of the types whose line is no value of one slot.
    CString OwnFirstValue() const;
    CString P1New() const;
    CString P2New() const;
    CString P3New() const;
    CString P4New() const;
    CString P1Old() const;
    CString P2Old() const;
    LPCTSTR OlderWarnUnit() const;

    void Line(int k, const CString& str) { m_layout.lines.push_back({k, str}); }
    void Lines(std::initializer_list<std::pair<int, CString>> lines)
    {
        for (const auto& [k, str] : lines)
            Line(k, str);
    }
    void Indent(int nChars) { m_layout.nIndentChars = nChars; }
    void Measure(const CString& str, int nGap)
    {
        m_layout.bMeasured = TRUE;
        m_layout.strMeasure = str;
        m_layout.nGap = nGap;
    }

    void AddTimerLines();
    void AddWeeklyTimerLines();
    void AddClockLines();
    void AddCounterLines();
    void AddAnalogLines(const CBlockAnalog& a);
    void AddModbusLines(const CBlockMR& mr);
    void AddWifiLines(const CBlockWIFI& wifi);
    void AddWordAndMathLines();
    void AddSpecialLines();

    const CBlockObj& m_b;
    const int m_nType;
    const bool m_bNew;
    PinTextLayout m_layout;
};

CString PinTextBuilder::FirstText() const
{
    if (m_nType == BT_THTRG)
        return GateTime();
    if (Param(BLOCK_RETENTIVE_PARAM) == 0) {
        if (m_nType == BT_YT)
            return m_bNew ? _T("YY:MM.DD\n") : _T("MM.DD\n");
        return _T("Rem=off\n");
    }
    if (m_nType == BT_HCOUNTER)
        return ParamEx(HCOUNTER_RETAIN_OUTPUT_PARAMEX) == 0 ? _T("Q->0=R+En") : _T("Q->0=R");
    return _T("Rem=on\n");
}

CString PinTextBuilder::GateTime() const
{
    if (IsReferenced(0))
        return Ref(0, _T("G_T=B%dms"));
    return Fmt(_T("G_T=%02d:%02ds"), ParamEx(THTRG_GATE_SECONDS_PARAMEX), ParamEx(THTRG_GATE_HUNDREDTHS_PARAMEX));
}

CString PinTextBuilder::OnTime() const
{
    return TimeText(Param(TIMER_ON_HIGH_PARAM), Param(TIMER_ON_LOW_PARAM), PlainUnit(Param(TIMER_ON_BASE_PARAM)));
}

CString PinTextBuilder::OffTime() const
{
    return TimeText(ParamEx(TIMER_OFF_HIGH_PARAMEX), ParamEx(TIMER_OFF_LOW_PARAMEX),
                    PlainUnit(ParamEx(TIMER_OFF_BASE_PARAMEX)));
}

CString PinTextBuilder::OperatingTime() const
{
    return Fmt(_T("OT=%dh%2dm"), ParamEx(HCOUNTER_OT_HOURS_PARAMEX), ParamEx(HCOUNTER_OT_MINUTES_PARAMEX));
}

CString PinTextBuilder::WarnTime(LPCTSTR pszUnit) const
{
    return TimeText(ParamEx(STAIRCASE_WARN_TIME_HIGH_PARAMEX), ParamEx(STAIRCASE_WARN_TIME_LOW_PARAMEX), pszUnit);
}

CString PinTextBuilder::WarnLength(LPCTSTR pszUnit) const
{
    return TimeText(ParamEx(STAIRCASE_WARN_LENGTH_HIGH_PARAMEX), ParamEx(STAIRCASE_WARN_LENGTH_LOW_PARAMEX), pszUnit);
}

CString PinTextBuilder::Date(int nYear, int nMonth, int nDay) const
{
    const bool bNoMonth = Param(YT_MONTHLY_PARAM) != 0;
    const long long nShortYear = nYear - 2000LL;
    if (m_bNew) {
        return bNoMonth ? Fmt(_T("%02d:**.%02d"), nShortYear, nDay)
                        : Fmt(_T("%02d:%02d.%02d"), nShortYear, nMonth, nDay);
    }
    return bNoMonth ? Fmt(_T("**.%02d"), nDay) : Fmt(_T("%02d.%02d"), nMonth, nDay);
}

LPCTSTR PinTextBuilder::TimeBaseUnit(int i) const
{
    if (m_b.m_pRefBlock[i])
        return ReferencedUnit(Param(i == 0 ? TIMER_ON_REF_UNIT_PARAM : TIMER_OFF_REF_UNIT_PARAM));
    return PlainUnit(i == 0 ? Param(TIMER_ON_BASE_PARAM) : ParamEx(TIMER_OFF_BASE_PARAMEX));
}

CString PinTextBuilder::ParamLineText(const ParamLine& line, int i) const
{
    if (IsReferenced(i))
        return line.pszRef ? Ref(i, line.pszRef) : CString();
    if (!line.pszValue)
        return OwnFirstValue();
    return Fmt(line.pszValue, line.bParamEx ? ParamEx(line.nSlot) : Param(line.nSlot));
}

CString PinTextBuilder::OwnFirstValue() const
{
    switch (m_nType) {
    case BT_HCOUNTER:
        return Fmt(_T("MI=%dh%2dm"), Param(HCOUNTER_MI_HOURS_PARAM), Param(HCOUNTER_MI_MINUTES_PARAM));
    case BT_ARRMXIV:
    case BT_ACMXIV: {
        const int nMode = Param(ARRMXIV_MODE_PARAM);
        const LPCTSTR pszMode = nMode == 0 ? _T("MAX") : nMode == 1 ? _T("MIN") : _T("AVG");
        return Fmt(m_nType == BT_ARRMXIV ? _T("Mode=%s") : _T("Mode=%s(Ax,Ay)"), pszMode);
    }
    case BT_LOG: {
        const int nBase = Param(LOG_BASE_PARAM);
        return Fmt(_T("Base=%s"), nBase == 0 ? _T("e") : nBase == 1 ? _T("2") : _T("10"));
    }
    default:  // the threshold trigger: its gate time stands in the first text
        return CString();
    }
}

CString PinTextBuilder::P1New() const
{
    if (const ParamLine* pLine = FindParamLine(kFirstParamLines, m_nType))
        return ParamLineText(*pLine, 0);
    return IsReferenced(0) ? Ref(0, _T("B%d%s"), ReferencedUnit(Param(TIMER_ON_REF_UNIT_PARAM))) : OnTime();
}

CString PinTextBuilder::P2New() const
{
    if (const ParamLine* pLine = FindParamLine(kSecondParamLines, m_nType))
        return ParamLineText(*pLine, 1);
    if (IsReferenced(1))
        return Ref(1, _T("B%d%s"), ReferencedUnit(Param(TIMER_OFF_REF_UNIT_PARAM)));
    return m_nType == BT_HCOUNTER ? OperatingTime() : OffTime();
}

CString PinTextBuilder::P3New() const
{
    if (m_nType == BT_SLS || m_nType == BT_MFS) {
        const LPCTSTR pszUnit = TimeBaseUnit(m_nType == BT_SLS ? 0 : 1);
        return IsReferenced(2) ? Ref(2, _T("B%d%s"), pszUnit) : WarnTime(pszUnit);
    }
    if (m_nType == BT_AMATH || m_nType == BT_AMUX)
        return IsReferenced(2) ? Ref(2, _T("V3=B%d")) : Fmt(_T("V3=%d"), ParamEx(AMATH_V3_PARAMEX));
    return CString();
}

CString PinTextBuilder::P4New() const
{
    if (m_nType == BT_SLS || m_nType == BT_MFS) {
        const LPCTSTR pszUnit = TimeBaseUnit(m_nType == BT_SLS ? 0 : 1);
        return IsReferenced(3) ? Ref(3, _T("B%d%s"), pszUnit) : WarnLength(pszUnit);
    }
    if (m_nType == BT_AMATH || m_nType == BT_AMUX)
        return IsReferenced(3) ? Ref(3, _T("V4=B%d")) : Fmt(_T("V4=%d"), ParamEx(AMATH_V4_PARAMEX));
    return CString();
}

// The older generation knows references for parameter 1 only (and the counter's off value);
// with parameter 1 referenced the later parameters are not shown.
CString PinTextBuilder::P1Old() const
{
    const bool bCounter = m_nType == BT_COUNTER || m_nType == BT_ENCODER;
    if (IsReferenced(0))
        return bCounter ? Ref(0, _T("On=B%d")) : Ref(0, _T("B%d%s"), ReferencedUnit(Param(TIMER_ON_REF_UNIT_PARAM)));
    if (bCounter)
        return Fmt(_T("On=%d"), Param(COUNTER_ON_PARAM));
    if (m_nType == BT_HCOUNTER)
        return Fmt(_T("MI=%dh%2dm"), Param(HCOUNTER_MI_HOURS_PARAM), Param(HCOUNTER_MI_MINUTES_PARAM));
    if (m_nType == BT_THTRG)
        return CString();
    return OnTime();
}

CString PinTextBuilder::P2Old() const
{
    if (m_nType == BT_COUNTER || m_nType == BT_ENCODER)
        return IsReferenced(1) ? Ref(1, _T("Off=B%d")) : Fmt(_T("Off=%d"), ParamEx(COUNTER_OFF_PARAMEX));
    if (IsReferenced(0))
        return CString();
    if (m_nType == BT_HCOUNTER)
        return OperatingTime();
    return OffTime();
}

LPCTSTR PinTextBuilder::OlderWarnUnit() const
{
    return PlainUnit(m_nType == BT_SLS ? Param(TIMER_ON_BASE_PARAM) : ParamEx(TIMER_OFF_BASE_PARAMEX));
}

void PinTextBuilder::AddTimerLines()
{
    switch (m_nType) {
    case BT_DPR: case BT_DDR: case BT_PLR: case BT_CPG:
        Lines({{1, FirstText()}, {2, WithSign(P1(), Sign())}});
        break;
    case BT_MPLR: case BT_APG:
        Lines({{1, FirstText()}, {2, WithSign(P1(), Sign())}, {3, P2()}});
        break;
    case BT_RPR:
        Lines({{1, FirstText()}, {2, WithSign(P1(), Sign())}, {3, P2()},
               {4, Fmt(_T("%d"), ParamEx(RPR_PULSES_PARAMEX) + 1LL)}});
        break;
    case BT_RG:
        Lines({{1, WithSign(P1(), Sign())}, {2, P2()}});
        break;
    case BT_SLS:
        Lines({{1, FirstText()}, {2, WithSign(P1(), Sign())}, {3, P3()}, {4, P4()}});
        break;
    case BT_MFS:
        Lines({{1, FirstText()}, {2, WithSign(P1(), Sign())}, {3, P2()}, {4, P3()}, {5, P4()}});
        break;
    case BT_SW: {
        static constexpr LPCTSTR kBase[] = {_T("h"), _T("m"), _T("s")};
        const int n = Param(SW_BASE_PARAM);
        Lines({{1, FirstText()}, {2, Fmt(_T("TB = %s"), n >= 0 && n <= 2 ? kBase[n] : _T("ms")) + Sign()}});
        break;
    }
    default:
        break;
    }
}

void PinTextBuilder::AddWeeklyTimerLines()
{
    Line(0, Sign());
    const auto* pTimer = dynamic_cast<const CBlockTime*>(&m_b);
    if (!pTimer)
        return;
    static constexpr TCHAR kDayLetters[] = _T("SMTWTFS");
    for (int cam = 0; cam < TIMER_CAM_COUNT; ++cam) {
        CString strDays;
        for (int d = 0; d < 7; ++d)
            strDays += pTimer->m_bDay[cam][d] == 1 ? kDayLetters[d] : _T('-');
        const bool bNoDay = strDays == _T("-------");
        auto time = [&](const int (&hm)[2], int bUnset) {
            return bNoDay || bUnset ? CString(_T("--:--")) : Fmt(_T("%02d:%02dh"), hm[0], hm[1]);
        };
        const int k = 1 + 3 * cam;
        Lines({{k, strDays},
               {k + 1, time(pTimer->m_nOnTime[cam], pTimer->m_bOnDisabled[cam])},
               {k + 2, time(pTimer->m_nOffTime[cam], pTimer->m_bOffDisabled[cam])}});
    }
}

void PinTextBuilder::AddClockLines()
{
    if (m_nType == BT_YT) {
        Indent(9);
        Lines({{1, FirstText()},
               {2, Date(Param(YT_ON_YEAR_PARAM), Param(YT_ON_MONTH_PARAM), Param(YT_ON_DAY_PARAM)) + Sign()},
               {3, Date(Param(YT_OFF_YEAR_PARAM), ParamEx(YT_OFF_MONTH_PARAMEX), ParamEx(YT_OFF_DAY_PARAMEX))}});
        if (m_bNew) {
            Lines({{4, Fmt(_T("Yearly=%s\n"), Param(YT_YEARLY_PARAM) == 1 ? _T("Y") : _T("N"))},
                   {5, Fmt(_T("Pulse=%s\n"), Param(YT_PULSE_PARAM) == 1 ? _T("Y") : _T("N"))}});
        }
        return;
    }
    // The astronomical clock: longitude, latitude and time zone; zones above 12 are west.
    Indent(11);
    const int nZoneWord = ParamEx(AC_TIME_ZONE_PARAMEX);
    const long long nZone = nZoneWord > 12 ? 12LL - nZoneWord : nZoneWord;
    Lines({{1, Fmt(_T("Lot:%s%d.%d'%d\"%s"), Param(AC_LONGITUDE_WEST_PARAM) == 0 ? _T("E") : _T("W"),
                   ParamEx(AC_LONGITUDE_DEGREES_PARAMEX), ParamEx(AC_LONGITUDE_MINUTES_PARAMEX),
                   ParamEx(AC_LONGITUDE_SECONDS_PARAMEX), Param(BLOCK_PROTECTION_PARAM) == 0 ? _T("+") : _T(""))},
           {2, Fmt(_T("Lat:%s%d.%d'%d\""), Param(AC_LATITUDE_SOUTH_PARAM) == 0 ? _T("N") : _T("S"),
                   ParamEx(AC_LATITUDE_DEGREES_PARAMEX), ParamEx(AC_LATITUDE_MINUTES_PARAMEX),
                   ParamEx(AC_LATITUDE_SECONDS_PARAMEX))},
           {3, Fmt(_T("TZ:%d"), nZone)}});
}

void PinTextBuilder::AddCounterLines()
{
    switch (m_nType) {
    case BT_COUNTER: case BT_ENCODER:
        Indent(10);
        Lines({{1, FirstText()}, {2, WithSign(P1(), Sign())}, {3, P2()}});
        if (m_bNew)
            Line(4, Fmt(_T("Start=%d\n"), Param(COUNTER_START_PARAM)));
        if (m_bNew && m_nType == BT_ENCODER)
            Line(5, Fmt(_T("Source=%s\n"), ParamEx(ENCODER_PAIR_PARAMEX) == 0 ? _T("I0 & I1") : _T("I2 & I3")));
        break;
    case BT_HCOUNTER:
        Indent(12);
        Lines({{1, WithSign(P1(), Sign())}, {2, P2()}, {3, FirstText()}});
        break;
    case BT_THTRG: {
        const CString strGate = FirstText();
        Measure(strGate, kThresholdTriggerGap);
        Lines({{1, Fmt(_T("ON=%d"), Param(THTRG_ON_PARAM)) + Sign()}, {2, Fmt(_T("OFF=%d"), Param(THTRG_OFF_PARAM))},
               {3, strGate}});
        break;
    }
    default:
        break;
    }
}

void PinTextBuilder::AddAnalogLines(const CBlockAnalog& a)
{
    // The analog blocks' own references are known by their resolved blocks alone.
    auto refOr = [&](int i, LPCTSTR pszRef, LPCTSTR pszValue, int nValue) {
        return m_b.m_pRefBlock[i] ? Ref(i, pszRef) : Fmt(pszValue, nValue);
    };
    const CString strOn = refOr(0, _T("On=B%d"), _T("On=%d"), a.m_nThreshold1);
    const CString strOff = refOr(1, _T("Off=B%d"), _T("Off=%d"), a.m_nThreshold2);
    const CString strGain = Fmt(_T("Gain=%5.2f"), a.m_dGain);
    const CString strGainSign = strGain + Sign();
    const CString strOffset = Fmt(_T("Offset=%d"), a.m_nOffset);
    const CString strPoint = Fmt(_T("Point=%d"), a.m_nDecimals);

    switch (m_nType) {
    case BT_ACOMP:
        Measure(strGainSign, kAnalogGap);
        Lines({{0, strOn}, {1, strOff}, {2, strGainSign}, {3, strOffset}, {4, strPoint}});
        break;
    case BT_ATHTRG:
        Measure(strGainSign, kAnalogGap);
        Lines({{1, strGainSign}, {2, strOffset}, {3, strOn}, {4, strOff}, {5, strPoint}});
        break;
    case BT_AAMP:
        Measure(strGainSign, kAnalogGap);
        Lines({{1, strGainSign}, {2, strOffset}, {3, strPoint}});
        break;
    case BT_AWDOG: {
        // The older generation keeps one threshold for both directions.
        const CString strTh1 = m_bNew ? refOr(0, _T("Threshold 1=B%d+"), _T("Threshold 1=%d+"), a.m_nThreshold1)
                                      : Fmt(_T("Threshold 1=%d+"), a.m_nThreshold2);
        const CString strTh2 = m_bNew ? refOr(1, _T("Threshold 2=B%d"), _T("Threshold 2=%d"), a.m_nThreshold2)
                                      : Fmt(_T("Threshold 2=%d"), a.m_nThreshold2);
        Measure(strTh2, kAnalogGap);
        Lines({{1, strTh1}, {2, strTh2}, {3, strGain}, {4, strOffset}, {5, strPoint}});
        break;
    }
    case BT_ADTRG:
        Measure(strGain, kAnalogGap);
        Lines({{1, strGain}, {2, strOffset}, {3, Fmt(_T("On=%d"), a.m_nThreshold1)},
               {4, Fmt(_T("Delta=%d"), a.m_nThreshold2)}});
        break;
    case BT_AMATH:
    case BT_AMUX: {
        const CString strP1 = WithSign(P1(), Sign());
        Measure(strP1, kAnalogGap);
        Lines({{1, strP1}, {2, P2()}, {3, P3()}, {4, P4()}, {5, strPoint}});
        if (m_nType == BT_AMATH) {
            CString strFormula;
            CStringArray parts;
            m_b.GetFormulaText(strFormula, parts);
            Line(6, strFormula);
        }
        break;
    }
    case BT_ARAMP:
        Measure(strGainSign, kAnalogGap);
        Lines({{0, strGainSign}, {1, strOffset}, {2, strPoint},
               {3, Fmt(_T("Rate=%d"), Param(ARAMP_SPEED_PARAM)) + Sign()},
               {4, Fmt(_T("maxL=%d"), ParamEx(ARAMP_MAX_OUTPUT_PARAMEX))},
               {5, Fmt(_T("StSp=%d"), ParamEx(ARAMP_START_STOP_PARAMEX))},
               {6, refOr(0, _T("L1=B%d"), _T("L1=%d"), a.m_nThreshold1)},
               {7, refOr(1, _T("L2=B%d"), _T("L2=%d"), a.m_nThreshold2)}});
        break;
    case BT_PI:
        Measure(strGainSign, kAnalogGap);
        Lines({{0, FirstText()}, {1, strGainSign}, {2, strOffset},
               {3, refOr(0, _T("SP=B%d"), _T("SP=%d"), a.m_nThreshold1)},
               {4, refOr(1, _T("Mq=B%d"), _T("Mq=%d"), a.m_nThreshold2)},
               {5, Fmt(_T("KC=%5.2f"), a.m_dPiKC)}, {6, Fmt(_T("TI=%d:%dm"), a.m_nPiTIMinutes, a.m_nPiTISeconds)},
               {7, Fmt(_T("Dir=%s"), a.m_nPwmOpt == 0 ? _T("+") : _T("-"))}, {8, strPoint}});
        break;
    case BT_PWM:
        Indent(15);
        Lines({{0, Fmt(_T("RangeMax=%d"), a.m_nThreshold2)}, {1, Fmt(_T("RangeMin=%d"), a.m_nThreshold1)},
               {2, (a.m_nPwmOpt == 4 ? CString(_T("Out=Disable")) : Fmt(_T("Out=Q%d"), a.m_nPwmOpt)) + Sign()},
               {3, WithSign(P1(), Sign())}});
        break;
    case BT_AFILTER: {
        // The sample count doubles per step from 8; a step outside what an int holds is cut.
        const int nSamples = Param(AFILTER_SAMPLES_PARAM);
        const int nShift = nSamples < 0 ? 0 : nSamples > 27 ? 27 : nSamples;
        Line(1, Fmt(_T("SN = %d"), 8 << nShift));
        break;
    }
    case BT_MAXMIN:
        Lines({{1, FirstText()},
               {2, IsReferenced(0) ? Ref(0, _T("Mode = B%d")) : Fmt(_T("Mode = %d"), Param(MAXMIN_MODE_PARAM))},
               {3, Fmt(_T("ResetMaxMin = %s"), ParamEx(MAXMIN_RESET_PARAMEX) != 0 ? _T("true") : _T("false"))}});
        break;
    case BT_AVGVAL: {
        static constexpr LPCTSTR kUnit[] = {_T("d"), _T("h"), _T("m")};
        const int n = Param(AVGVAL_UNIT_PARAM);
        Lines({{1, FirstText()},
               {2, Fmt(_T("ST = %d%s"), Param(AVGVAL_TIME_PARAM), n >= 0 && n <= 2 ? kUnit[n] : _T("s"))},
               {3, Fmt(_T("SN = %d"), Param(AVGVAL_SAMPLES_PARAM))}});
        break;
    }
    default:
        break;
    }
}

void PinTextBuilder::AddModbusLines(const CBlockMR& mr)
{
    static constexpr LPCTSTR kRead[MODBUS_COMMAND_COUNT] = {
        _T("01 Read Coils(0x)"), _T("02 Read Discrete Input(1x)"), _T("03 Read Holding Registers(4x)"),
        _T("04 Read Input Registers(3x)")};
    static constexpr LPCTSTR kWrite[MODBUS_COMMAND_COUNT] = {
        _T("05 Write Single Coil"), _T("06 Write Single Register"), _T("15 Write Multiple Coils"),
        _T("16 Write Multiple Registers")};
    Indent(14);
    const int nPort = mr.m_nModbus5;
    const LPCTSTR pszPort = nPort == MODBUS_NO_PORT ? _T("No Setting")
                            : nPort == 0 ? _T("COM0(RS232)")
                            : nPort == 1 ? _T("COM1(RS485)")
                                         : _T("COM2(RS485)");
    const int nCommand = mr.m_byModbus2;
    CString strFunction;
    if (nPort == MODBUS_NO_PORT)
        strFunction = _T("No Setting");
    else if (nCommand < MODBUS_COMMAND_COUNT)
        strFunction = (m_nType == BT_MR ? kRead : kWrite)[nCommand];
    Lines({{0, Fmt(_T("Slave Addr=%3d"), mr.m_byModbus1)}, {1, pszPort}, {2, strFunction}});
}

void PinTextBuilder::AddWifiLines(const CBlockWIFI& wifi)
{
    Indent(16);
    const int nMode = wifi.m_nWifi1;
    const long long nStation = wifi.m_nWifi2;
    const int nSelector = wifi.m_nWifi3;
    const int nIndex = wifi.m_nWifi4;
    const CString strStation = Fmt(_T("Station : WiFi ID%d"), nStation + 1);
    CString str1;
    CString str2;
    switch (m_nType) {
    case BT_WIFI_IN:
        if (nMode == 0) {
            str1 = strStation;
            str2 = Fmt(_T("Block : %s%d"), nSelector == 0 ? _T("I") : _T("Q"), nIndex);
        } else if (nMode == 1) {
            str1 = Fmt(_T("WiFi ID%d"), nStation);
            str2 = Fmt(_T("Block : VM%d"), nIndex);
        } else if (nMode == 2) {
            str1 = _T("Diagnostic");
            str2 = Fmt(_T("WiFi ID%d communication status"), nSelector + 1LL);
        }
        break;
    case BT_WIFI_OUT:
        if (nMode == 0) {
            str1 = strStation;
            str2 = Fmt(_T("Block : Q%d"), nIndex);
        } else if (nMode == 1) {
            str2 = Fmt(_T("Block : VM%d"), nIndex);
        }
        break;
    case BT_WIFI_AI:
        if (nMode == 0) {
            str1 = strStation;
            str2 = Fmt(_T("Block : %s%d"), nSelector == 0 ? _T("AI") : _T("AQ"), nIndex);
        } else if (nMode == 1) {
            str1 = Fmt(_T("WiFi ID%d"), nStation);
            str2 = Fmt(_T("Block : VAM%d"), nIndex);
        }
        break;
    default:  // the analog write block
        if (nMode == 0) {
            str1 = strStation;
            str2 = Fmt(_T("Block : AQ%d"), nIndex);
        } else if (nMode == 1) {
            str2 = Fmt(_T("Block : VAM%d"), nIndex);
        }
        break;
    }
    Lines({{1, str1}, {2, str2}});
}

void PinTextBuilder::AddWordAndMathLines()
{
    // A count, mask or base taken from another block shows its display number.
    auto refOr = [&](LPCTSTR pszRef, LPCTSTR pszValue, int nValue) {
        return IsReferenced(0) ? Ref(0, pszRef) : Fmt(pszValue, nValue);
    };
    const CString strAmp = Fmt(_T("Amp=%5.2f"), m_b.m_dParam);
    if (IsShiftType(m_nType)) {
        Line(2, refOr(_T("NbR = B%d"), _T("NbR = %d"), Param(WORDOP_OPERAND_PARAM)));
    } else if (IsMaskType(m_nType)) {
        Line(3, refOr(_T("Mask = B%d"), _T("Mask = 0x%04X"), Param(WORDOP_OPERAND_PARAM)));
    } else if (m_nType == BT_WORD2BIT) {
        Line(2, refOr(_T("BitNo = B%d"), _T("BitNo = %d"), Param(WORD2BIT_BIT_PARAM)));
    } else if (m_nType == BT_MOD || m_nType == BT_REM) {
        Line(3, refOr(_T("Base = B%d"), _T("Base = %d"), Param(MOD_DIVISOR_PARAM)));
    } else if (m_nType == BT_FIX || m_nType == BT_ROUND) {
        Line(2, refOr(_T("Base = B%d"), _T("Base = %d"), Param(FIX_DIGITS_PARAM)));
    } else if (m_nType == BT_LOG) {
        Indent(10);
        Lines({{2, P1()}, {3, strAmp}});
    } else if (ListsType({BT_SQRT, BT_POW2, BT_EXP, BT_SIN, BT_COS, BT_TAN, BT_COT, BT_SEC, BT_CSC}, m_nType)) {
        Indent(10);
        Line(3, strAmp);
    } else if (m_nType == BT_QUAD) {
        Indent(9);
        Lines({{1, Fmt(_T("A=%d"), Param(QUAD_A_PARAM))}, {2, Fmt(_T("B=%d"), ParamEx(QUAD_B_PARAMEX))},
               {3, Fmt(_T("C=%d"), ParamEx(QUAD_C_PARAMEX))}, {4, Fmt(_T("Dir= %d"), Param(QUAD_ROOT_PARAM))},
               {5, Fmt(_T("Amp= %5.2f"), m_b.m_dParam)}});
    }
}

void PinTextBuilder::AddSpecialLines()
{
    static constexpr LPCTSTR kSource[] = {_T("AM"), _T("AQ")};
    static constexpr LPCTSTR kStep[] = {_T("0.5 step"), _T("1 step")};
    Indent(10);
    switch (m_nType) {
    case BT_ARRMXIV: {
        const int n = Param(ARRMXIV_AREA_PARAM);
        Lines({{1, P1()},
               {2, Fmt(_T("Data=%s%d"), n == 0 || n == 1 ? kSource[n] : _T("AI"), ParamEx(ARRMXIV_FIRST_PARAMEX))},
               {3, P2()}});
        break;
    }
    case BT_ACMXIV:
        Line(3, P1());
        break;
    case BT_RAND:
        Line(1, P1());
        break;
    case BT_SMC:
    case BT_SMCE: {
        const int n = Param(SMC_MODE_PARAM);
        Lines({{1, Fmt(_T("Mode=%s"), n == 0 || n == 1 ? kStep[n] : _T("2 steps"))},
               {2, Fmt(_T("Pin=%s"), Param(SMC_PINS_PARAM) == 0 ? _T("Q0~Q3") : _T("Q4~Q7"))}, {3, P2()}});
        if (m_nType == BT_SMCE)
            Line(4, P1());
        break;
    }
    case BT_PTO:
    case BT_PTOE:
        Lines({{2, Fmt(_T("Pin=Q%d"), Param(PTO_PIN_PARAM))}, {3, P2()}});
        if (m_nType == BT_PTOE)
            Line(4, P1());
        break;
    case BT_CRC16:
        Lines({{3, Fmt(_T("Start Address=AM%d"), ParamEx(CRC16_START_PARAMEX))},
               {4, Fmt(_T("Count=%d"), ParamEx(CRC16_COUNT_PARAMEX))}});
        break;
    default:
        break;
    }
}

PinTextLayout PinTextBuilder::Build()
{
    switch (m_nType) {
    case BT_WT:
        AddWeeklyTimerLines();
        break;
    case BT_YT:
    case BT_AC:
        AddClockLines();
        break;
    case BT_COUNTER:
    case BT_HCOUNTER:
    case BT_THTRG:
    case BT_ENCODER:
        AddCounterLines();
        break;
    case BT_LR:
        Line(1, FirstText());
        break;
    case BT_PR:
        Lines({{1, ParamEx(PR_SET_WINS_PARAMEX) == 0 ? _T("SR") : _T("RS")}, {2, FirstText()}});
        break;
    case BT_MSGTEXT:
        Lines({{1, Fmt(_T("Prio=%d"), ParamEx(MSGTEXT_SLOT_PARAMEX))},
               {2, Fmt(_T("Quit=%s"), ParamEx(MSGTEXT_ACK_PARAMEX) == 1 ? _T("On") : _T("Off"))}});
        break;
    case BT_SOFTKEY: {
        const CString strMode = ParamEx(SOFTKEY_MOMENTARY_PARAMEX) != 0
                                    ? CString(_T("Momentary"))
                                    : Fmt(_T("Switch=%s"),
                                          ParamEx(SOFTKEY_SWITCH_OFF_PARAMEX) == 0 ? _T("On") : _T("Off"));
        Lines({{1, FirstText()}, {2, strMode + Sign()}});
        break;
    }
    case BT_SREG:
        Lines({{1, Fmt(_T("Q=S%d.%d"), ParamEx(SREG_INDEX_PARAMEX), ParamEx(SREG_BIT_PARAMEX))}, {2, FirstText()}});
        break;
    case BT_MR:
    case BT_MW:
        if (const auto* pModbus = dynamic_cast<const CBlockMR*>(&m_b))
            AddModbusLines(*pModbus);
        break;
    case BT_MATHERR:
        Lines({{1, FirstText()},
               {2, IsReferenced(0) ? Ref(0, _T("Source = B%d%s"), Sign()) : Fmt(_T("Source = null%s"), Sign())},
               {3, Fmt(_T("Zero div = %s"), Param(MATHERR_ERROR_PARAM) == 1 ? _T("N") : _T("Y"))},
               {4, Fmt(_T("Overflow = %s"), Param(MATHERR_ERROR_PARAM) == 0 ? _T("N") : _T("Y"))},
               {5, Fmt(_T("Auto Rst = %s"), ParamEx(MATHERR_AUTO_RESET_PARAMEX) != 0 ? _T("Y") : _T("N"))}});
        break;
    case BT_WIFI_IN:
    case BT_WIFI_OUT:
    case BT_WIFI_AI:
    case BT_WIFI_AOUT:
        if (const auto* pWifi = dynamic_cast<const CBlockWIFI*>(&m_b))
            AddWifiLines(*pWifi);
        break;
    case BT_ARRMXIV:
    case BT_ACMXIV:
    case BT_RAND:
    case BT_SMC:
    case BT_SMCE:
    case BT_PTO:
    case BT_PTOE:
    case BT_CRC16:
        AddSpecialLines();
        break;
    default:
        if (BlockFamilyOf(m_nType) == BlockFamily::Timer)
            AddTimerLines();
        else if (const auto* pAnalog = dynamic_cast<const CBlockAnalog*>(&m_b))
            AddAnalogLines(*pAnalog);
        else
            AddWordAndMathLines();
        break;
    }
    return std::move(m_layout);
}

} // namespace

PinTextLayout BuildPinText(const CBlockObj& block, int nPin, BOOL bNewGeneration)
{
    // These blocks have several parameter pins and show their settings once, at the last.
    if ((block.m_nType == BT_WT || block.m_nType == BT_MSGTEXT) && nPin < 2)
        return {};
    // An older controller has no texts for the types only the newer generation offers.
    const BlockTypeRow* pRow = FindBlockType(block.m_nType);
    if (!bNewGeneration && pRow && !(pRow->byGenerations & GEN_OLDER))
        return {};
    return PinTextBuilder(block, bNewGeneration).Build();
}

void CBlockObj::DrawPinText(CDC* pDC, int nPin, int nPitch, int nCharWidth, int nLineHeight)
{
    const int x = m_ptPos.x;
    const int yPin = m_ptPos.y + (nPin + 1) * nPitch;

    CPen pen(PS_SOLID, 1, kPinTextColour);
    CPen* pOldPen = pDC->SelectObject(&pen);
    pDC->MoveTo(x - 5, yPin);
    pDC->LineTo(x, yPin);
    pDC->SelectObject(pOldPen);

    const PinTextLayout layout = BuildPinText(*this, nPin, IsNewGeneration());
    if (layout.lines.empty())
        return;

    const COLORREF crOld = pDC->SetTextColor(kPinTextColour);
    const int xLeft = layout.bMeasured ? x - pDC->GetTextExtent(layout.strMeasure).cx - layout.nGap
                                       : x - layout.nIndentChars * nCharWidth;
    for (const PinTextLine& line : layout.lines)
        pDC->TextOut(xLeft, yPin + line.nLine * nLineHeight - 3, line.strText);
    pDC->SetTextColor(crOld);
}
