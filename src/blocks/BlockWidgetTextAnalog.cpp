// Message-text element texts of the analog blocks and of the analog input and flag values.
// Analog values are shown with the block's decimal places: the stored
// integer divided by 10 to the power m_nDecimals.
#include "blocks/BlockWidgetText.h"

#include "blocks/BlockAnalog.h"
#include "blocks/BlockRelay.h"

#include <algorithm>

namespace {

constexpr int kMaxDecimals = 3;
constexpr double kPowersOfTen[kMaxDecimals + 1] = {1.0, 10.0, 100.0, 1000.0};
using ScaledFormats = LPCTSTR[kMaxDecimals + 1];
constexpr ScaledFormats kAnalogFormats = {_T("%6.0f "), _T("%7.1f"), _T("%7.2f"), _T("%7.3f")};
// The ramp's offset and speed are one character narrower.
constexpr ScaledFormats kRampFormats = {_T("%5.0f "), _T("%6.1f"), _T("%6.2f"), _T("%6.3f")};

const CBlockAnalog* AnalogOf(const WidgetTextRequest& r)
{
    return dynamic_cast<const CBlockAnalog*>(&r.block);
}

// Decimal places outside 0-3 (from a damaged record) are held to the nearest.
CString Scaled(const CBlockAnalog& a, long long nValue, const ScaledFormats& formats)
{
    const int nDecimals = std::clamp(a.m_nDecimals, 0, kMaxDecimals);
    return Formatted(formats[nDecimals], double(nValue) / kPowersOfTen[nDecimals]);
}

// A stored analog field, scaled; pField names the field of the analog base.
template <int CBlockAnalog::*pField>
CString Field(const WidgetTextRequest& r)
{
    const CBlockAnalog* pAnalog = AnalogOf(r);
    return pAnalog ? Scaled(*pAnalog, pAnalog->*pField, kAnalogFormats) : CString();
}

// A threshold that block reference nRef may supply: on the LCD the block's number, in the
// editor its value held to the analog range, scaled.
template <int CBlockAnalog::*pField, int nRef>
CString Threshold(const WidgetTextRequest& r)
{
    const CBlockAnalog* pAnalog = AnalogOf(r);
    if (!pAnalog)
        return CString();
    if (r.bDisplay && pAnalog->m_pRefBlock[nRef])
        return WidgetBlockNumber(*pAnalog->m_pRefBlock[nRef]);
    const int nValue = WidgetParamValue(r, nRef, pAnalog->*pField, -ANALOG_LIMIT, ANALOG_LIMIT);
    return Scaled(*pAnalog, nValue, kAnalogFormats);
}

// The differential trigger switches off at On + Delta.
CString DifferentialOff(const WidgetTextRequest& r)
{
    const CBlockAnalog* pAnalog = AnalogOf(r);
    if (!pAnalog)
        return CString();
    const long long nOff = (long long)pAnalog->m_nThreshold1 + pAnalog->m_nThreshold2;
    return Scaled(*pAnalog, nOff, kAnalogFormats);
}

CString Gain(const WidgetTextRequest& r)
{
    const CBlockAnalog* pAnalog = AnalogOf(r);
    return pAnalog ? Formatted(_T("%5.2f"), pAnalog->m_dGain) : CString();
}

CString Offset(const WidgetTextRequest& r)
{
    const CBlockAnalog* pAnalog = AnalogOf(r);
    return pAnalog ? Formatted(_T("%6d"), pAnalog->m_nOffset) : CString();
}

// A whole number from the analog base: the filter's, Max/Min's and the average's values, the
// multiplexer's output.
template <int CBlockAnalog::*pField>
CString Whole(const WidgetTextRequest& r)
{
    const CBlockAnalog* pAnalog = AnalogOf(r);
    return pAnalog ? WidgetDecimal(pAnalog->*pField) : CString();
}

// The multiplexer's and the analog math's values V1-V4; block references 0-3 replace them.
template <int nRef>
CString Operand(const WidgetTextRequest& r)
{
    const CBlockObj& b = r.block;
    const int nStored[] = {b.m_nParam[AMATH_V1_PARAM], b.m_nParamEx[AMATH_V2_PARAMEX],
                           b.m_nParamEx[AMATH_V3_PARAMEX], b.m_nParamEx[AMATH_V4_PARAMEX]};
    return WidgetParamText(r, nRef, nStored[nRef], -ANALOG_LIMIT, ANALOG_LIMIT, WidgetDecimal);
}

CString RampWord(const WidgetTextRequest& r, int nValue, const ScaledFormats& formats)
{
    const CBlockAnalog* pAnalog = AnalogOf(r);
    return pAnalog ? Scaled(*pAnalog, nValue, formats) : CString();
}

CString RampMaximum(const WidgetTextRequest& r)
{
    return RampWord(r, r.block.m_nParamEx[ARAMP_MAX_OUTPUT_PARAMEX], kAnalogFormats);
}

CString RampStartStop(const WidgetTextRequest& r)
{
    return RampWord(r, r.block.m_nParamEx[ARAMP_START_STOP_PARAMEX], kRampFormats);
}

CString RampSpeed(const WidgetTextRequest& r)
{
    return RampWord(r, r.block.m_nParam[ARAMP_SPEED_PARAM], kRampFormats);
}

CString ControllerAmplification(const WidgetTextRequest& r)
{
    const CBlockAnalog* pAnalog = AnalogOf(r);
    return pAnalog ? Formatted(_T("%5.2f"), pAnalog->m_dPiKC) : CString();
}

CString IntegrationTime(const WidgetTextRequest& r)
{
    const CBlockAnalog* pAnalog = AnalogOf(r);
    if (!pAnalog)
        return CString();
    return Formatted(_T("%02d:%02dm"), pAnalog->m_nPiTIMinutes, pAnalog->m_nPiTISeconds);
}

CString ManualOutput(const WidgetTextRequest& r)
{
    const CBlockAnalog* pAnalog = AnalogOf(r);
    if (!pAnalog)
        return CString();
    return WidgetParamText(r, 1, pAnalog->m_nThreshold2, -ANALOG_LIMIT, ANALOG_LIMIT,
                           WidgetDecimal);
}

// The filter takes 8 samples doubled per step; a step beyond what an int holds is cut.
CString SampleCount(const WidgetTextRequest& r)
{
    return WidgetDecimal(8 << std::clamp(r.block.m_nParam[AFILTER_SAMPLES_PARAM], 0, 27));
}

CString Mode(const WidgetTextRequest& r)
{
    return WidgetParamText(r, 0, r.block.m_nParam[MAXMIN_MODE_PARAM], -ANALOG_LIMIT, ANALOG_LIMIT,
                           WidgetDecimal);
}

// The average's sampling time: days, hours or minutes by its unit, else seconds.
CString SamplingTime(const WidgetTextRequest& r)
{
    static constexpr LPCTSTR kUnits[] = {_T("d"), _T("h"), _T("m")};
    const int nUnit = r.block.m_nParam[AVGVAL_UNIT_PARAM];
    const LPCTSTR pszUnit = nUnit >= 0 && nUnit <= 2 ? kUnits[nUnit] : _T("s");
    return Formatted(_T("%d%s"), r.block.m_nParam[AVGVAL_TIME_PARAM], pszUnit);
}

CString AverageSamples(const WidgetTextRequest& r)
{
    return WidgetDecimal(r.block.m_nParam[AVGVAL_SAMPLES_PARAM]);
}

// The error detection's watched math block.
CString WatchedBlock(const WidgetTextRequest& r)
{
    const CBlockObj* pRef = r.block.m_pRefBlock[0];
    return pRef ? WidgetBlockNumber(*pRef) : CString(_T("----"));
}

// The error to detect: 0 zero division, 1 overflow, 2 both.
CString DetectsOverflow(const WidgetTextRequest& r)
{
    return r.block.m_nParam[MATHERR_ERROR_PARAM] == 0 ? _T("N") : _T("Y");
}

CString DetectsZeroDivision(const WidgetTextRequest& r)
{
    return r.block.m_nParam[MATHERR_ERROR_PARAM] == 1 ? _T("N") : _T("Y");
}

CString IOValue(const WidgetTextRequest& r)
{
    return Formatted(_T("%6.1f"), double(r.block.m_nHeldValue));
}

using A = CBlockAnalog;

// The comparator-like blocks' thresholds, and their gain, offset, inputs and value.
constexpr WidgetTextRow kComparingLimits[] = {
    {24, Threshold<&A::m_nThreshold1, 0>},
    {25, Threshold<&A::m_nThreshold2, 1>},
};

constexpr WidgetTextRow kComparingScaled[] = {
    {26, Gain},
    {27, Offset},
    {28, Field<&A::m_nAx>},
    {29, Field<&A::m_nAy>},
    {30, Field<&A::m_nValue>},
};

// The analog comparator, threshold trigger and amplifier.
constexpr auto kComparing = JoinWidgetTexts(kComparingLimits, kComparingScaled);

constexpr WidgetTextRow kWatchdogOwn[] = {
    {31, Threshold<&A::m_nThreshold2, 1>},
    {68, Threshold<&A::m_nThreshold1, 0>},
    {69, Threshold<&A::m_nThreshold2, 1>},
    {32, Field<&A::m_nRefValue>},
};
constexpr auto kWatchdog = JoinWidgetTexts(kWatchdogOwn, kComparingLimits, kComparingScaled);

// The differential trigger reads its thresholds as they stand.
constexpr WidgetTextRow kDifferentialOwn[] = {
    {24, Field<&A::m_nThreshold1>},
    {31, Field<&A::m_nThreshold2>},
    {25, DifferentialOff},
};
constexpr auto kDifferential = JoinWidgetTexts(kDifferentialOwn, kComparingScaled);

// The analog math and the analog multiplexer.
constexpr WidgetTextRow kOperands[] = {
    {70, Whole<&A::m_nValue>},
    {71, Operand<0>},
    {72, Operand<1>},
    {73, Operand<2>},
    {74, Operand<3>},
    {84, Operand<0>},
    {85, Operand<1>},
    {86, Operand<2>},
    {87, Operand<3>},
};

constexpr WidgetTextRow kGainOffset[] = {
    {26, Gain},
    {27, Offset},
};

constexpr WidgetTextRow kRampOwn[] = {
    {102, Field<&A::m_nValue>},
    {103, Threshold<&A::m_nThreshold1, 0>},
    {104, Threshold<&A::m_nThreshold2, 1>},
    {105, RampMaximum},
    {106, RampStartStop},
    {107, RampSpeed},
};
constexpr auto kRamp = JoinWidgetTexts(kGainOffset, kRampOwn);

constexpr WidgetTextRow kPiOwn[] = {
    {108, Field<&A::m_nRangeMin>},
    {109, Field<&A::m_nRangeMax>},
    {110, Threshold<&A::m_nThreshold1, 0>},
    {111, ControllerAmplification},
    {112, IntegrationTime},
    {113, ManualOutput},
    {114, Field<&A::m_nValue>},
    {115, Field<&A::m_nAx>},
};
constexpr auto kPi = JoinWidgetTexts(kGainOffset, kPiOwn);

constexpr WidgetTextRow kPwmOwn[] = {
    {117, Field<&A::m_nAx>},
    {116, WidgetOnTimeSetpoint},
};
constexpr auto kPwm = JoinWidgetTexts(kGainOffset, kPwmOwn);

constexpr WidgetTextRow kFilter[] = {
    {88, SampleCount},
    {89, Whole<&A::m_nAx>},
    {98, Whole<&A::m_nValue>},
};

// Max/Min keeps its minimum and maximum in the analog base's second input and captured
// reference fields.
constexpr WidgetTextRow kMaxMin[] = {
    {89, Whole<&A::m_nAx>},
    {98, Whole<&A::m_nValue>},
    {95, Mode},
    {96, Whole<&A::m_nAy>},
    {97, Whole<&A::m_nRefValue>},
};

constexpr WidgetTextRow kAverage[] = {
    {91, SamplingTime},
    {92, AverageSamples},
    {93, Whole<&A::m_nAx>},
    {94, Whole<&A::m_nValue>},
};

constexpr WidgetTextRow kMathError[] = {
    {99, WatchedBlock},
    {100, DetectsOverflow},
    {101, DetectsZeroDivision},
};

constexpr WidgetTextRow kAnalogInput[] = {{131, IOValue}};
constexpr WidgetTextRow kAnalogFlag[] = {{137, IOValue}};

}  // namespace

std::span<const WidgetTextRow> ComparingWidgetTexts() { return kComparing; }
std::span<const WidgetTextRow> AnalogWatchdogWidgetTexts() { return kWatchdog; }
std::span<const WidgetTextRow> DifferentialTriggerWidgetTexts() { return kDifferential; }
std::span<const WidgetTextRow> AnalogOperandWidgetTexts() { return kOperands; }
std::span<const WidgetTextRow> AnalogRampWidgetTexts() { return kRamp; }
std::span<const WidgetTextRow> PiControllerWidgetTexts() { return kPi; }
std::span<const WidgetTextRow> PwmWidgetTexts() { return kPwm; }
std::span<const WidgetTextRow> AnalogFilterWidgetTexts() { return kFilter; }
std::span<const WidgetTextRow> MaxMinWidgetTexts() { return kMaxMin; }
std::span<const WidgetTextRow> AverageWidgetTexts() { return kAverage; }
std::span<const WidgetTextRow> MathErrorWidgetTexts() { return kMathError; }
std::span<const WidgetTextRow> AnalogInputWidgetTexts() { return kAnalogInput; }
std::span<const WidgetTextRow> AnalogFlagWidgetTexts() { return kAnalogFlag; }
