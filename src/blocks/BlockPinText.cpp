// The parameter lines beside a block's parameter pin. Each class with parameter lines writes
// them in its WritePinText, with the texts that several types share from the PinTextWriter: the
// common texts (retentivity, sign, the four parameters with their time units or the referenced
// block) and the lines of the timers, counters, analog, Modbus and WiFi blocks. Sums and
// differences are taken in a wider type: the words come from files and uploads and may hold
// any int.
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
#include "platform/core/StringArray.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Pen.h"

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
    return Formatted(_T("%02d:%02d%s"), nHigh, nLow, pszUnit);
}

// A line made of a parameter text and the sign stays empty with its parameter.
CString WithSign(const CString& strParam, LPCTSTR pszSign)
{
    return strParam.IsEmpty() ? CString() : strParam + pszSign;
}

// The statistic the array blocks take: the largest, the smallest or the mean value.
LPCTSTR ArrayMode(int nMode)
{
    return nMode == 0 ? _T("MAX") : nMode == 1 ? _T("MIN") : _T("AVG");
}

// The encoder keeps its on and off values where the up/down counter does, so both show them
// with the counter's lines.
static_assert(ENCODER_ON_PARAM == COUNTER_ON_PARAM && ENCODER_OFF_PARAMEX == COUNTER_OFF_PARAMEX);

// A block with several parameter pins shows its lines once, at the last of them.
bool ShowsLinesAt(const BlockTypeRow& row, int nPin)
{
    int nCount = 0;
    int nLast = 0;
    for (int k = 0; k < static_cast<int>(row.pins.nInputKinds.size()); ++k) {
        if (row.pins.nInputKinds[k] == PINKIND_TEXT) {
            ++nCount;
            nLast = k;
        }
    }
    return nCount < 2 || nPin >= nLast;
}

}  // namespace

// What the classes' WritePinText use: the block's words and references, the texts that several
// types share, and the lines with their placement.
class PinTextWriter {
public:
    PinTextWriter(const CBlockObj& block, BOOL bNewGeneration)
        : m_b(block), m_bNew(bNewGeneration)
    {
    }

    PinTextLayout Take() { return std::move(m_layout); }

    bool IsNew() const { return m_bNew; }
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
        return Formatted(pszFormat, pRef->m_nNumber - kDisplayNumberBase, rest...);
    }

    LPCTSTR Sign() const { return Param(BLOCK_PROTECTION_PARAM) == 0 ? _T("+") : _T("-"); }
    // The retentivity line; a type with texts of its own in this place passes them.
    CString Retentivity(LPCTSTR pszOff = _T("Rem=off\n"), LPCTSTR pszOn = _T("Rem=on\n")) const
    {
        return Param(BLOCK_RETENTIVE_PARAM) == 0 ? pszOff : pszOn;
    }
    // Parameter i while it is taken from another block (its display number in pszRef), else its
    // stored text.
    CString RefOr(int i, LPCTSTR pszRef, const CString& strStored) const
    {
        return IsReferenced(i) ? Ref(i, pszRef) : strStored;
    }
    CString RefOr(int i, LPCTSTR pszRef, LPCTSTR pszValue, int nValue) const
    {
        return RefOr(i, pszRef, Formatted(pszValue, nValue));
    }
    CString Date(int nYear, int nMonth, int nDay) const;
    // Parameter 1 and 2 as times: a referenced block read in its unit, else the stored time.
    // The older generation knows no reference for parameter 2 and shows no later parameter
    // while parameter 1 is referenced.
    CString FirstTime(const CString& strStored) const { return IsReferenced(0) ? TimeRef(0) : strStored; }
    CString SecondTime(const CString& strStored) const;
    // A timer's parameters: its on and off times, then the staircase's warning time and the
    // length of its warning, read in the time base of parameter iBase (0 or 1).
    CString P1() const { return FirstTime(OnTime()); }
    CString P2() const { return SecondTime(OffTime()); }
    CString P3(int iBase) const;
    CString P4(int iBase) const;

    // The texts of the analog blocks' own settings.
    struct AnalogTexts {
        CString strOn;
        CString strOff;
        CString strGain;
        CString strGainSign;
        CString strOffset;
        CString strPoint;
    };
    AnalogTexts Analog(const CBlockAnalog& a) const;
    // A reference of the analog blocks, else the value in its slot.
    CString AnalogRef(const CBlockAnalog& a, int i, LPCTSTR pszRef, LPCTSTR pszValue, int nValue) const;
    CString WifiStation(const CBlockWIFI& wifi) const;

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

    // The lines that several types share: a timer's, with or without its retentivity before
    // parameter 1 and the later lines after it; the up/down counter's and the encoder's; the
    // analog math blocks' values; a Modbus block's with the names of its functions; a WiFi
    // block's; a count, mask or base beside the word and math blocks (its display number
    // while it is taken from another block); the math functions' amplification; the step
    // motor's and the pulse train's, with the pulse count of the extended kinds.
    void TimerLines(bool bRetentivity, std::initializer_list<CString> later);
    void CounterLines();
    void AnalogValueLines(const CBlockAnalog& a);
    void ModbusLines(const CBlockMR& mr, const LPCTSTR (&functions)[MODBUS_COMMAND_COUNT]);
    void WifiLines(const CString& strStation, const CString& strBlock);
    void OperandLine(int k, LPCTSTR pszRef, LPCTSTR pszValue, int nValue);
    void AmpLine(int k);
    void StepMotorLines(bool bPulseCount);
    void PulseTrainLines(bool bPulseCount);

private:
    // A timer's on and off times as stored.
    CString OnTime() const;
    CString OffTime() const;
    CString TimeRef(int i) const;
    // The unit of the times that parameter i (0 or 1) supplies, stored or referenced.
    LPCTSTR StoredUnit(int i) const;
    LPCTSTR TimeBaseUnit(int i) const;
    // A warning time of parameter i from the stored high and low words.
    CString WarnTime(int i, int iBase, int nHighSlot, int nLowSlot) const;

    const CBlockObj& m_b;
    const bool m_bNew;
    PinTextLayout m_layout;
};

CString PinTextWriter::OnTime() const
{
    return TimeText(Param(TIMER_ON_HIGH_PARAM), Param(TIMER_ON_LOW_PARAM), StoredUnit(0));
}

CString PinTextWriter::OffTime() const
{
    return TimeText(ParamEx(TIMER_OFF_HIGH_PARAMEX), ParamEx(TIMER_OFF_LOW_PARAMEX), StoredUnit(1));
}

CString PinTextWriter::TimeRef(int i) const
{
    return Ref(i, _T("B%d%s"), ReferencedUnit(Param(i == 0 ? TIMER_ON_REF_UNIT_PARAM : TIMER_OFF_REF_UNIT_PARAM)));
}

CString PinTextWriter::SecondTime(const CString& strStored) const
{
    if (!m_bNew)
        return IsReferenced(0) ? CString() : strStored;
    return IsReferenced(1) ? TimeRef(1) : strStored;
}

CString PinTextWriter::P3(int iBase) const
{
    return WarnTime(2, iBase, STAIRCASE_WARN_TIME_HIGH_PARAMEX, STAIRCASE_WARN_TIME_LOW_PARAMEX);
}

CString PinTextWriter::P4(int iBase) const
{
    return WarnTime(3, iBase, STAIRCASE_WARN_LENGTH_HIGH_PARAMEX, STAIRCASE_WARN_LENGTH_LOW_PARAMEX);
}

CString PinTextWriter::WarnTime(int i, int iBase, int nHighSlot, int nLowSlot) const
{
    if (!m_bNew)
        return IsReferenced(0) ? CString() : TimeText(ParamEx(nHighSlot), ParamEx(nLowSlot), StoredUnit(iBase));
    const LPCTSTR pszUnit = TimeBaseUnit(iBase);
    return IsReferenced(i) ? Ref(i, _T("B%d%s"), pszUnit) : TimeText(ParamEx(nHighSlot), ParamEx(nLowSlot), pszUnit);
}

CString PinTextWriter::Date(int nYear, int nMonth, int nDay) const
{
    const bool bNoMonth = Param(YT_MONTHLY_PARAM) != 0;
    const long long nShortYear = nYear - 2000LL;
    if (m_bNew) {
        return bNoMonth ? Formatted(_T("%02d:**.%02d"), nShortYear, nDay)
                        : Formatted(_T("%02d:%02d.%02d"), nShortYear, nMonth, nDay);
    }
    return bNoMonth ? Formatted(_T("**.%02d"), nDay) : Formatted(_T("%02d.%02d"), nMonth, nDay);
}

LPCTSTR PinTextWriter::StoredUnit(int i) const
{
    return PlainUnit(i == 0 ? Param(TIMER_ON_BASE_PARAM) : ParamEx(TIMER_OFF_BASE_PARAMEX));
}

LPCTSTR PinTextWriter::TimeBaseUnit(int i) const
{
    if (m_b.m_pRefBlock[i])
        return ReferencedUnit(Param(i == 0 ? TIMER_ON_REF_UNIT_PARAM : TIMER_OFF_REF_UNIT_PARAM));
    return StoredUnit(i);
}

void PinTextWriter::TimerLines(bool bRetentivity, std::initializer_list<CString> later)
{
    int k = 1;
    if (bRetentivity)
        Line(k++, Retentivity());
    Line(k++, WithSign(P1(), Sign()));
    for (const CString& str : later)
        Line(k++, str);
}

void PinTextWriter::CounterLines()
{
    Indent(10);
    Lines({{1, Retentivity()},
           {2, WithSign(RefOr(0, _T("On=B%d"), _T("On=%d"), Param(COUNTER_ON_PARAM)), Sign())},
           {3, RefOr(1, _T("Off=B%d"), _T("Off=%d"), ParamEx(COUNTER_OFF_PARAMEX))}});
    if (m_bNew)
        Line(4, Formatted(_T("Start=%d\n"), Param(COUNTER_START_PARAM)));
}

PinTextWriter::AnalogTexts PinTextWriter::Analog(const CBlockAnalog& a) const
{
    AnalogTexts t;
    t.strOn = AnalogRef(a, 0, _T("On=B%d"), _T("On=%d"), a.m_nThreshold1);
    t.strOff = AnalogRef(a, 1, _T("Off=B%d"), _T("Off=%d"), a.m_nThreshold2);
    t.strGain = Formatted(_T("Gain=%5.2f"), a.m_dGain);
    t.strGainSign = t.strGain + Sign();
    t.strOffset = Formatted(_T("Offset=%d"), a.m_nOffset);
    t.strPoint = Formatted(_T("Point=%d"), a.m_nDecimals);
    return t;
}

CString PinTextWriter::AnalogRef(const CBlockAnalog& a, int i, LPCTSTR pszRef, LPCTSTR pszValue, int nValue) const
{
    // The analog blocks' own references are known by their resolved blocks alone.
    return a.m_pRefBlock[i] ? Ref(i, pszRef) : Formatted(pszValue, nValue);
}

void PinTextWriter::AnalogValueLines(const CBlockAnalog& a)
{
    const CString strP1 = WithSign(RefOr(0, _T("V1=B%d"), _T("V1=%d"), Param(AMATH_V1_PARAM)), Sign());
    Measure(strP1, kAnalogGap);
    Lines({{1, strP1}, {2, RefOr(1, _T("V2=B%d"), _T("V2=%d"), ParamEx(AMATH_V2_PARAMEX))},
           {3, RefOr(2, _T("V3=B%d"), _T("V3=%d"), ParamEx(AMATH_V3_PARAMEX))},
           {4, RefOr(3, _T("V4=B%d"), _T("V4=%d"), ParamEx(AMATH_V4_PARAMEX))}, {5, Analog(a).strPoint}});
}

void PinTextWriter::ModbusLines(const CBlockMR& mr, const LPCTSTR (&functions)[MODBUS_COMMAND_COUNT])
{
    Indent(14);
    const int nPort = mr.m_nPort;
    const LPCTSTR pszPort = nPort == MODBUS_NO_PORT ? _T("No Setting")
                            : nPort == 0 ? _T("COM0(RS232)")
                            : nPort == 1 ? _T("COM1(RS485)")
                                         : _T("COM2(RS485)");
    const int nCommand = mr.m_byCommand;
    CString strFunction;
    if (nPort == MODBUS_NO_PORT)
        strFunction = _T("No Setting");
    else if (nCommand < MODBUS_COMMAND_COUNT)
        strFunction = functions[nCommand];
    Lines({{0, Formatted(_T("Slave Addr=%3d"), mr.m_bySlave)}, {1, pszPort}, {2, strFunction}});
}

void PinTextWriter::WifiLines(const CString& strStation, const CString& strBlock)
{
    Indent(16);
    Lines({{1, strStation}, {2, strBlock}});
}

CString PinTextWriter::WifiStation(const CBlockWIFI& wifi) const
{
    return Formatted(_T("Station : WiFi ID%d"), static_cast<long long>(wifi.m_nWifiId) + 1);
}

void PinTextWriter::OperandLine(int k, LPCTSTR pszRef, LPCTSTR pszValue, int nValue)
{
    Line(k, RefOr(0, pszRef, pszValue, nValue));
}

void PinTextWriter::AmpLine(int k)
{
    Line(k, Formatted(_T("Amp=%5.2f"), m_b.m_dParam));
}

void CBlockObj::WritePinText(PinTextWriter& w) const
{
    // The soft key has no class of its own: a momentary key, else a switch that starts on or off.
    if (m_nType != BT_SOFTKEY)
        return;
    const CString strMode = w.ParamEx(SOFTKEY_MOMENTARY_PARAMEX) != 0
                                ? CString(_T("Momentary"))
                                : Formatted(_T("Switch=%s"),
                                            w.ParamEx(SOFTKEY_SWITCH_OFF_PARAMEX) == 0 ? _T("On") : _T("Off"));
    w.Lines({{1, w.Retentivity()}, {2, strMode + w.Sign()}});
}

void CBlockDPR::WritePinText(PinTextWriter& w) const
{
    w.TimerLines(true, {});
}

void CBlockDDR::WritePinText(PinTextWriter& w) const
{
    w.TimerLines(true, {});
}

void CBlockPLR::WritePinText(PinTextWriter& w) const
{
    w.TimerLines(true, {});
}

void CBlockCPG::WritePinText(PinTextWriter& w) const
{
    w.TimerLines(true, {});
}

void CBlockMPLR::WritePinText(PinTextWriter& w) const
{
    w.TimerLines(true, {w.P2()});
}

void CBlockAPG::WritePinText(PinTextWriter& w) const
{
    w.TimerLines(true, {w.P2()});
}

void CBlockRPR::WritePinText(PinTextWriter& w) const
{
    w.TimerLines(true, {w.P2(), Formatted(_T("%d"), w.ParamEx(RPR_PULSES_PARAMEX) + 1LL)});
}

void CBlockRG::WritePinText(PinTextWriter& w) const
{
    w.TimerLines(false, {w.P2()});
}

void CBlockSLS::WritePinText(PinTextWriter& w) const
{
    w.TimerLines(true, {w.P3(0), w.P4(0)});
}

void CBlockMFS::WritePinText(PinTextWriter& w) const
{
    w.TimerLines(true, {w.P2(), w.P3(1), w.P4(1)});
}

void CBlockSW::WritePinText(PinTextWriter& w) const
{
    static constexpr LPCTSTR kBase[] = {_T("h"), _T("m"), _T("s")};
    const int n = w.Param(SW_BASE_PARAM);
    w.Lines({{1, w.Retentivity()}, {2, Formatted(_T("TB = %s"), n >= 0 && n <= 2 ? kBase[n] : _T("ms")) + w.Sign()}});
}

void CBlockWT::WritePinText(PinTextWriter& w) const
{
    w.Line(0, w.Sign());
    static constexpr TCHAR kDayLetters[] = _T("SMTWTFS");
    for (int cam = 0; cam < TIMER_CAM_COUNT; ++cam) {
        CString strDays;
        for (int d = 0; d < 7; ++d)
            strDays += m_bDay[cam][d] == 1 ? kDayLetters[d] : _T('-');
        const bool bNoDay = strDays == _T("-------");
        auto time = [&](const int (&hm)[2], int bUnset) {
            return bNoDay || bUnset ? CString(_T("--:--")) : Formatted(_T("%02d:%02dh"), hm[0], hm[1]);
        };
        const int k = 1 + 3 * cam;
        w.Lines({{k, strDays}, {k + 1, time(m_nOnTime[cam], m_bOnDisabled[cam])},
                 {k + 2, time(m_nOffTime[cam], m_bOffDisabled[cam])}});
    }
}

void CBlockYT::WritePinText(PinTextWriter& w) const
{
    w.Indent(9);
    w.Lines({{1, w.Retentivity(w.IsNew() ? _T("YY:MM.DD\n") : _T("MM.DD\n"))},
             {2, w.Date(w.Param(YT_ON_YEAR_PARAM), w.Param(YT_ON_MONTH_PARAM), w.Param(YT_ON_DAY_PARAM)) + w.Sign()},
             {3, w.Date(w.Param(YT_OFF_YEAR_PARAM), w.ParamEx(YT_OFF_MONTH_PARAMEX), w.ParamEx(YT_OFF_DAY_PARAMEX))}});
    if (w.IsNew()) {
        w.Lines({{4, Formatted(_T("Yearly=%s\n"), w.Param(YT_YEARLY_PARAM) == 1 ? _T("Y") : _T("N"))},
                 {5, Formatted(_T("Pulse=%s\n"), w.Param(YT_PULSE_PARAM) == 1 ? _T("Y") : _T("N"))}});
    }
}

void CBlockAC::WritePinText(PinTextWriter& w) const
{
    // Longitude, latitude and time zone; zones above 12 are west.
    w.Indent(11);
    const int nZoneWord = w.ParamEx(AC_TIME_ZONE_PARAMEX);
    const long long nZone = nZoneWord > 12 ? 12LL - nZoneWord : nZoneWord;
    w.Lines({{1, Formatted(_T("Lot:%s%d.%d'%d\"%s"), w.Param(AC_LONGITUDE_WEST_PARAM) == 0 ? _T("E") : _T("W"),
                     w.ParamEx(AC_LONGITUDE_DEGREES_PARAMEX), w.ParamEx(AC_LONGITUDE_MINUTES_PARAMEX),
                     w.ParamEx(AC_LONGITUDE_SECONDS_PARAMEX), w.Param(BLOCK_PROTECTION_PARAM) == 0 ? _T("+") : _T(""))},
             {2, Formatted(_T("Lat:%s%d.%d'%d\""), w.Param(AC_LATITUDE_SOUTH_PARAM) == 0 ? _T("N") : _T("S"),
                     w.ParamEx(AC_LATITUDE_DEGREES_PARAMEX), w.ParamEx(AC_LATITUDE_MINUTES_PARAMEX),
                     w.ParamEx(AC_LATITUDE_SECONDS_PARAMEX))},
             {3, Formatted(_T("TZ:%d"), nZone)}});
}

void CBlockCOUNTER::WritePinText(PinTextWriter& w) const
{
    w.CounterLines();
}

void CBlockENCODER::WritePinText(PinTextWriter& w) const
{
    w.CounterLines();
    if (w.IsNew())
        w.Line(5, Formatted(_T("Source=%s\n"), w.ParamEx(ENCODER_PAIR_PARAMEX) == 0 ? _T("I0 & I1") : _T("I2 & I3")));
}

void CBlockHCOUNTER::WritePinText(PinTextWriter& w) const
{
    // The newer generation reads a referenced interval in hours, the older one in its unit.
    const CString strInterval =
        Formatted(_T("MI=%dh%2dm"), w.Param(HCOUNTER_MI_HOURS_PARAM), w.Param(HCOUNTER_MI_MINUTES_PARAM));
    const CString strP1 = w.IsNew() ? w.RefOr(0, _T("MI=B%dh"), strInterval) : w.FirstTime(strInterval);
    const CString strP2 =
        w.SecondTime(
            Formatted(_T("OT=%dh%2dm"), w.ParamEx(HCOUNTER_OT_HOURS_PARAMEX), w.ParamEx(HCOUNTER_OT_MINUTES_PARAMEX)));
    const LPCTSTR pszRetained = w.ParamEx(HCOUNTER_RETAIN_OUTPUT_PARAMEX) == 0 ? _T("Q->0=R+En") : _T("Q->0=R");
    w.Indent(12);
    w.Lines({{1, WithSign(strP1, w.Sign())}, {2, strP2}, {3, w.Retentivity(_T("Rem=off\n"), pszRetained)}});
}

void CBlockTHTRG::WritePinText(PinTextWriter& w) const
{
    const CString strGate = w.RefOr(0, _T("G_T=B%dms"),
                                    Formatted(_T("G_T=%02d:%02ds"), w.ParamEx(THTRG_GATE_SECONDS_PARAMEX),
                                              w.ParamEx(THTRG_GATE_HUNDREDTHS_PARAMEX)));
    w.Measure(strGate, kThresholdTriggerGap);
    w.Lines({{1, Formatted(_T("ON=%d"), w.Param(THTRG_ON_PARAM)) + w.Sign()},
             {2, Formatted(_T("OFF=%d"), w.Param(THTRG_OFF_PARAM))},
             {3, strGate}});
}

void CBlockLR::WritePinText(PinTextWriter& w) const
{
    w.Line(1, w.Retentivity());
}

void CBlockPR::WritePinText(PinTextWriter& w) const
{
    w.Lines({{1, w.ParamEx(PR_SET_WINS_PARAMEX) == 0 ? _T("SR") : _T("RS")}, {2, w.Retentivity()}});
}

void CBlockMSGTEXT::WritePinText(PinTextWriter& w) const
{
    w.Lines({{1, Formatted(_T("Prio=%d"), w.ParamEx(MSGTEXT_SLOT_PARAMEX))},
             {2, Formatted(_T("Quit=%s"), w.ParamEx(MSGTEXT_ACK_PARAMEX) == 1 ? _T("On") : _T("Off"))}});
}

void CBlockSREG::WritePinText(PinTextWriter& w) const
{
    w.Lines({{1, Formatted(_T("Q=S%d.%d"), w.ParamEx(SREG_INDEX_PARAMEX), w.ParamEx(SREG_BIT_PARAMEX))},
             {2, w.Retentivity()}});
}

void CBlockMR::WritePinText(PinTextWriter& w) const
{
    static constexpr LPCTSTR kRead[MODBUS_COMMAND_COUNT] = {
        _T("01 Read Coils(0x)"), _T("02 Read Discrete Input(1x)"), _T("03 Read Holding Registers(4x)"),
        _T("04 Read Input Registers(3x)")};
    w.ModbusLines(*this, kRead);
}

void CBlockMW::WritePinText(PinTextWriter& w) const
{
    static constexpr LPCTSTR kWrite[MODBUS_COMMAND_COUNT] = {
        _T("05 Write Single Coil"), _T("06 Write Single Register"), _T("15 Write Multiple Coils"),
        _T("16 Write Multiple Registers")};
    w.ModbusLines(*this, kWrite);
}

void CBlockMATHERR::WritePinText(PinTextWriter& w) const
{
    w.Lines({{1, w.Retentivity()},
             {2, w.IsReferenced(0) ? w.Ref(0, _T("Source = B%d%s"), w.Sign()) : Formatted(_T("Source = null%s"), w.Sign())},
             {3, Formatted(_T("Zero div = %s"), w.Param(MATHERR_ERROR_PARAM) == 1 ? _T("N") : _T("Y"))},
             {4, Formatted(_T("Overflow = %s"), w.Param(MATHERR_ERROR_PARAM) == 0 ? _T("N") : _T("Y"))},
             {5, Formatted(_T("Auto Rst = %s"), w.ParamEx(MATHERR_AUTO_RESET_PARAMEX) != 0 ? _T("Y") : _T("N"))}});
}

void CBlockWIFIIn::WritePinText(PinTextWriter& w) const
{
    if (m_nWifiMode == 0)
        w.WifiLines(w.WifiStation(*this),
                    Formatted(_T("Block : %s%d"), m_nRemoteKind == 0 ? _T("I") : _T("Q"), m_nRemoteNumber));
    else if (m_nWifiMode == 1)
        w.WifiLines(Formatted(_T("WiFi ID%d"), m_nWifiId), Formatted(_T("Block : VM%d"), m_nRemoteNumber));
    else if (m_nWifiMode == 2)
        w.WifiLines(_T("Diagnostic"), Formatted(_T("WiFi ID%d communication status"), m_nRemoteKind + 1LL));
    else
        w.WifiLines(CString(), CString());
}

void CBlockWIFIOut::WritePinText(PinTextWriter& w) const
{
    if (m_nWifiMode == 0)
        w.WifiLines(w.WifiStation(*this), Formatted(_T("Block : Q%d"), m_nRemoteNumber));
    else
        w.WifiLines(CString(), m_nWifiMode == 1 ? Formatted(_T("Block : VM%d"), m_nRemoteNumber) : CString());
}

void CBlockWIFIAI::WritePinText(PinTextWriter& w) const
{
    if (m_nWifiMode == 0)
        w.WifiLines(w.WifiStation(*this),
                    Formatted(_T("Block : %s%d"), m_nRemoteKind == 0 ? _T("AI") : _T("AQ"), m_nRemoteNumber));
    else if (m_nWifiMode == 1)
        w.WifiLines(Formatted(_T("WiFi ID%d"), m_nWifiId), Formatted(_T("Block : VAM%d"), m_nRemoteNumber));
    else
        w.WifiLines(CString(), CString());
}

void CBlockWIFIAOut::WritePinText(PinTextWriter& w) const
{
    if (m_nWifiMode == 0)
        w.WifiLines(w.WifiStation(*this), Formatted(_T("Block : AQ%d"), m_nRemoteNumber));
    else
        w.WifiLines(CString(), m_nWifiMode == 1 ? Formatted(_T("Block : VAM%d"), m_nRemoteNumber) : CString());
}

void CBlockACOMP::WritePinText(PinTextWriter& w) const
{
    const PinTextWriter::AnalogTexts t = w.Analog(*this);
    w.Measure(t.strGainSign, kAnalogGap);
    w.Lines({{0, t.strOn}, {1, t.strOff}, {2, t.strGainSign}, {3, t.strOffset}, {4, t.strPoint}});
}

void CBlockATHTRG::WritePinText(PinTextWriter& w) const
{
    const PinTextWriter::AnalogTexts t = w.Analog(*this);
    w.Measure(t.strGainSign, kAnalogGap);
    w.Lines({{1, t.strGainSign}, {2, t.strOffset}, {3, t.strOn}, {4, t.strOff}, {5, t.strPoint}});
}

void CBlockAAMP::WritePinText(PinTextWriter& w) const
{
    const PinTextWriter::AnalogTexts t = w.Analog(*this);
    w.Measure(t.strGainSign, kAnalogGap);
    w.Lines({{1, t.strGainSign}, {2, t.strOffset}, {3, t.strPoint}});
}

void CBlockAWDOG::WritePinText(PinTextWriter& w) const
{
    const PinTextWriter::AnalogTexts t = w.Analog(*this);
    // The older generation keeps one threshold for both directions.
    const CString strTh1 = w.IsNew() ? w.AnalogRef(*this, 0, _T("Threshold 1=B%d+"), _T("Threshold 1=%d+"), m_nThreshold1)
                                     : Formatted(_T("Threshold 1=%d+"), m_nThreshold2);
    const CString strTh2 = w.IsNew() ? w.AnalogRef(*this, 1, _T("Threshold 2=B%d"), _T("Threshold 2=%d"), m_nThreshold2)
                                     : Formatted(_T("Threshold 2=%d"), m_nThreshold2);
    w.Measure(strTh2, kAnalogGap);
    w.Lines({{1, strTh1}, {2, strTh2}, {3, t.strGain}, {4, t.strOffset}, {5, t.strPoint}});
}

void CBlockADTRG::WritePinText(PinTextWriter& w) const
{
    const PinTextWriter::AnalogTexts t = w.Analog(*this);
    w.Measure(t.strGain, kAnalogGap);
    w.Lines({{1, t.strGain}, {2, t.strOffset}, {3, Formatted(_T("On=%d"), m_nThreshold1)},
             {4, Formatted(_T("Delta=%d"), m_nThreshold2)}});
}

void CBlockAMUX::WritePinText(PinTextWriter& w) const
{
    w.AnalogValueLines(*this);
}

void CBlockAMATH::WritePinText(PinTextWriter& w) const
{
    w.AnalogValueLines(*this);
    CString strFormula;
    CStringArray parts;
    GetFormulaText(strFormula, parts);
    w.Line(6, strFormula);
}

void CBlockARAMP::WritePinText(PinTextWriter& w) const
{
    const PinTextWriter::AnalogTexts t = w.Analog(*this);
    w.Measure(t.strGainSign, kAnalogGap);
    w.Lines({{0, t.strGainSign}, {1, t.strOffset}, {2, t.strPoint},
             {3, Formatted(_T("Rate=%d"), w.Param(ARAMP_SPEED_PARAM)) + w.Sign()},
             {4, Formatted(_T("maxL=%d"), w.ParamEx(ARAMP_MAX_OUTPUT_PARAMEX))},
             {5, Formatted(_T("StSp=%d"), w.ParamEx(ARAMP_START_STOP_PARAMEX))},
             {6, w.AnalogRef(*this, 0, _T("L1=B%d"), _T("L1=%d"), m_nThreshold1)},
             {7, w.AnalogRef(*this, 1, _T("L2=B%d"), _T("L2=%d"), m_nThreshold2)}});
}

void CBlockPI::WritePinText(PinTextWriter& w) const
{
    const PinTextWriter::AnalogTexts t = w.Analog(*this);
    w.Measure(t.strGainSign, kAnalogGap);
    w.Lines({{0, w.Retentivity()}, {1, t.strGainSign}, {2, t.strOffset},
             {3, w.AnalogRef(*this, 0, _T("SP=B%d"), _T("SP=%d"), m_nThreshold1)},
             {4, w.AnalogRef(*this, 1, _T("Mq=B%d"), _T("Mq=%d"), m_nThreshold2)},
             {5, Formatted(_T("KC=%5.2f"), m_dPiKC)}, {6, Formatted(_T("TI=%d:%dm"), m_nPiTIMinutes, m_nPiTISeconds)},
             {7, Formatted(_T("Dir=%s"), m_nPwmOpt == 0 ? _T("+") : _T("-"))}, {8, t.strPoint}});
}

void CBlockPWM::WritePinText(PinTextWriter& w) const
{
    w.Indent(15);
    w.Lines({{0, Formatted(_T("RangeMax=%d"), m_nThreshold2)}, {1, Formatted(_T("RangeMin=%d"), m_nThreshold1)},
             {2, (m_nPwmOpt == 4 ? CString(_T("Out=Disable")) : Formatted(_T("Out=Q%d"), m_nPwmOpt)) + w.Sign()},
             {3, WithSign(w.P1(), w.Sign())}});
}

void CBlockAFILTER::WritePinText(PinTextWriter& w) const
{
    // The sample count doubles per step from 8; a step outside what an int holds is cut.
    const int nSamples = w.Param(AFILTER_SAMPLES_PARAM);
    const int nShift = nSamples < 0 ? 0 : nSamples > 27 ? 27 : nSamples;
    w.Line(1, Formatted(_T("SN = %d"), 8 << nShift));
}

void CBlockMAXMIN::WritePinText(PinTextWriter& w) const
{
    w.Lines({{1, w.Retentivity()},
             {2, w.RefOr(0, _T("Mode = B%d"), _T("Mode = %d"), w.Param(MAXMIN_MODE_PARAM))},
             {3, Formatted(_T("ResetMaxMin = %s"), w.ParamEx(MAXMIN_RESET_PARAMEX) != 0 ? _T("true") : _T("false"))}});
}

void CBlockAVGVAL::WritePinText(PinTextWriter& w) const
{
    static constexpr LPCTSTR kUnit[] = {_T("d"), _T("h"), _T("m")};
    const int n = w.Param(AVGVAL_UNIT_PARAM);
    w.Lines({{1, w.Retentivity()},
             {2, Formatted(_T("ST = %d%s"), w.Param(AVGVAL_TIME_PARAM), n >= 0 && n <= 2 ? kUnit[n] : _T("s"))},
             {3, Formatted(_T("SN = %d"), w.Param(AVGVAL_SAMPLES_PARAM))}});
}

void CBlockARRMXIV::WritePinText(PinTextWriter& w) const
{
    static constexpr LPCTSTR kSource[] = {_T("AM"), _T("AQ")};
    w.Indent(10);
    const int n = w.Param(ARRMXIV_AREA_PARAM);
    w.Lines({{1, w.RefOr(0, _T("Mode=B%d"), Formatted(_T("Mode=%s"), ArrayMode(w.Param(ARRMXIV_MODE_PARAM))))},
             {2, Formatted(_T("Data=%s%d"), n == 0 || n == 1 ? kSource[n] : _T("AI"), w.ParamEx(ARRMXIV_FIRST_PARAMEX))},
             {3, w.RefOr(1, _T("Count=B%d"), _T("Count=%d"), w.ParamEx(ARRMXIV_COUNT_PARAMEX))}});
}

void CBlockACMXIV::WritePinText(PinTextWriter& w) const
{
    w.Indent(10);
    w.Line(3, w.RefOr(0, _T("Mode=B%d"), Formatted(_T("Mode=%s(Ax,Ay)"), ArrayMode(w.Param(ARRMXIV_MODE_PARAM)))));
}

void CBlockRAND::WritePinText(PinTextWriter& w) const
{
    w.Indent(10);
    w.Line(1, w.RefOr(0, _T("Base=B%d"), _T("Base=%d"), w.Param(RAND_RANGE_PARAM)));
}

void PinTextWriter::StepMotorLines(bool bPulseCount)
{
    static constexpr LPCTSTR kStep[] = {_T("0.5 step"), _T("1 step")};
    Indent(10);
    const int n = Param(SMC_MODE_PARAM);
    Lines({{1, Formatted(_T("Mode=%s"), n == 0 || n == 1 ? kStep[n] : _T("2 steps"))},
           {2, Formatted(_T("Pin=%s"), Param(SMC_PINS_PARAM) == 0 ? _T("Q0~Q3") : _T("Q4~Q7"))},
           {3, RefOr(1, _T("Speed=B%d"), _T("Speed=%d"), ParamEx(PULSE_RATE_PARAMEX))}});
    if (bPulseCount)
        Line(4, RefOr(0, _T("Steps=B%d"), _T("Steps=%d"), ParamEx(PULSE_LENGTH_PARAMEX)));
}

void PinTextWriter::PulseTrainLines(bool bPulseCount)
{
    Indent(10);
    Lines({{2, Formatted(_T("Pin=Q%d"), Param(PTO_PIN_PARAM))},
           {3, RefOr(1, _T("Pulse Width=B%d"), _T("Pulse Width=%d"), ParamEx(PULSE_RATE_PARAMEX))}});
    if (bPulseCount)
        Line(4, RefOr(0, _T("Number=B%d"), _T("Number=%d"), ParamEx(PULSE_LENGTH_PARAMEX)));
}

void CBlockSMC::WritePinText(PinTextWriter& w) const
{
    w.StepMotorLines(false);
}

void CBlockSMCE::WritePinText(PinTextWriter& w) const
{
    w.StepMotorLines(true);
}

void CBlockPTO::WritePinText(PinTextWriter& w) const
{
    w.PulseTrainLines(false);
}

void CBlockPTOE::WritePinText(PinTextWriter& w) const
{
    w.PulseTrainLines(true);
}

void CBlockCRC16::WritePinText(PinTextWriter& w) const
{
    w.Indent(10);
    w.Lines({{3, Formatted(_T("Start Address=AM%d"), w.ParamEx(CRC16_START_PARAMEX))},
             {4, Formatted(_T("Count=%d"), w.ParamEx(CRC16_COUNT_PARAMEX))}});
}

void CBlockWordOp::WritePinText(PinTextWriter& w) const
{
    if (IsShiftType(m_nType))
        w.OperandLine(2, _T("NbR = B%d"), _T("NbR = %d"), w.Param(WORDOP_OPERAND_PARAM));
    else if (IsMaskType(m_nType))
        w.OperandLine(3, _T("Mask = B%d"), _T("Mask = 0x%04X"), w.Param(WORDOP_OPERAND_PARAM));
}

void CBlockWORD2BIT::WritePinText(PinTextWriter& w) const
{
    w.OperandLine(2, _T("BitNo = B%d"), _T("BitNo = %d"), w.Param(WORD2BIT_BIT_PARAM));
}

void CBlockMOD::WritePinText(PinTextWriter& w) const
{
    w.OperandLine(3, _T("Base = B%d"), _T("Base = %d"), w.Param(MOD_DIVISOR_PARAM));
}

void CBlockREM::WritePinText(PinTextWriter& w) const
{
    w.OperandLine(3, _T("Base = B%d"), _T("Base = %d"), w.Param(MOD_DIVISOR_PARAM));
}

void CBlockFIX::WritePinText(PinTextWriter& w) const
{
    w.OperandLine(2, _T("Base = B%d"), _T("Base = %d"), w.Param(FIX_DIGITS_PARAM));
}

void CBlockROUND::WritePinText(PinTextWriter& w) const
{
    w.OperandLine(2, _T("Base = B%d"), _T("Base = %d"), w.Param(FIX_DIGITS_PARAM));
}

void CBlockFactorFn::WritePinText(PinTextWriter& w) const
{
    w.Indent(10);
    w.AmpLine(3);
}

void CBlockLOG::WritePinText(PinTextWriter& w) const
{
    const int nBase = w.Param(LOG_BASE_PARAM);
    w.Indent(10);
    const LPCTSTR pszBase = nBase == 0 ? _T("e") : nBase == 1 ? _T("2") : _T("10");
    w.Line(2, w.RefOr(0, _T("Base=B%d"), Formatted(_T("Base=%s"), pszBase)));
    w.AmpLine(3);
}

void CBlockQUAD::WritePinText(PinTextWriter& w) const
{
    w.Indent(9);
    w.Lines({{1, Formatted(_T("A=%d"), w.Param(QUAD_A_PARAM))}, {2, Formatted(_T("B=%d"), w.ParamEx(QUAD_B_PARAMEX))},
             {3, Formatted(_T("C=%d"), w.ParamEx(QUAD_C_PARAMEX))}, {4, Formatted(_T("Dir= %d"), w.Param(QUAD_ROOT_PARAM))},
             {5, Formatted(_T("Amp= %5.2f"), m_dParam)}});
}

PinTextLayout BuildPinText(const CBlockObj& block, int nPin, BOOL bNewGeneration)
{
    const BlockTypeRow* pRow = FindBlockType(block.m_nType);
    if (pRow && !ShowsLinesAt(*pRow, nPin))
        return {};
    // An older controller has no texts for the types only the newer generation offers.
    if (!bNewGeneration && pRow && !(pRow->byGenerations & GEN_OLDER))
        return {};
    PinTextWriter writer(block, bNewGeneration);
    block.WritePinText(writer);
    return writer.Take();
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
