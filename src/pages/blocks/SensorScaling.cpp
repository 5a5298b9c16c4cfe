#include "pages/blocks/SensorScaling.h"

#include <algorithm>
#include <cmath>

namespace {

// Readings run 0..1000 over the input span; 4-20 mA starts at 200, so 800 readings span it.
constexpr double kFullSpan = 1000.0;
constexpr double kCurrentSpan = 800.0;
constexpr double kCurrentFloor = 200.0;
constexpr double kPerReading = 0.001;
constexpr double kPerCurrentReading = 0.00125;
// The gain rules between the voltage and the 4-20 mA scales.
constexpr double kToCurrent = 1.25;
constexpr double kFromCurrent = 0.8;
constexpr double kIntLimit = 1e9;

struct TemperaturePreset {
    int nMin;
    int nMax;
    double dGain;
    int nGainX100;
    int nOffset;
};

// By unit (Celsius, Fahrenheit) and resolution (x1, x0.1); each keeps max = offset + 1000 x gain.
constexpr TemperaturePreset kPresets[2][2] = {
    {{-50, 200, 0.25, 25, -50}, {-500, 2000, 2.5, 250, -500}},
    {{-58, 392, 0.45, 45, -58}, {-580, 3920, 4.5, 450, -580}},
};

bool IsVoltageLike(int nSensor) { return nSensor == SENSOR_0_10V || nSensor == SENSOR_0_20MA; }

// The tenths (or thousandths) t of a value to a multiple of ten: a positive remainder of five
// or more goes up, anything else is dropped.
int RoundTens(int t)
{
    const int r = t % 10;
    return r < 5 ? t - r : t + 10 - r;
}

bool Outside(int nValue, int nLow, int nHigh) { return nValue < nLow || nValue > nHigh; }

}  // namespace

int TruncScaled(double dValue)
{
    if (std::isnan(dValue))
        return 0;
    return int(std::clamp(dValue, -kIntLimit, kIntLimit));
}

int RoundScaled(double dValue) { return RoundTens(TruncScaled(dValue * 10.0)) / 10; }

int RoundGainThousandths(double dGain, int* pRest)
{
    const int t = TruncScaled(dGain * 1000.0);
    if (pRest)
        *pRest = t % 10;
    return RoundTens(t);
}

int GainEditHundredths(double dGain)
{
    int t = TruncScaled(dGain * 1000.0);
    int r = t % 10;
    if (r < -4)
        r += 10;
    t = r < 5 ? t - r : t + 10 - r;
    return t / 10;
}

double CSensorScaling::ClampGain(double dGain) const
{
    if (std::isnan(dGain))
        return std::max(0.0, m_dGainFloor);
    return std::clamp(dGain, m_dGainFloor, SCALING_GAIN_LIMIT);
}

int CSensorScaling::ClampRange(int nValue) { return std::clamp(nValue, SCALING_RANGE_MIN, SCALING_RANGE_MAX); }

int CSensorScaling::ClampOffset(int nValue) { return std::clamp(nValue, -SCALING_OFFSET_LIMIT, SCALING_OFFSET_LIMIT); }

int CSensorScaling::ClampDecimals(int nDecimals) { return std::clamp(nDecimals, 0, SCALING_DECIMALS_MAX); }

CString CSensorScaling::DecimalsSample(int nDecimals)
{
    static const TCHAR* const kSamples[] = {_T("+12345"), _T("+1234.5"), _T("+123.45"), _T("+12.345")};
    if (nDecimals < 0 || nDecimals > SCALING_DECIMALS_MAX)
        return CString();
    return CString(kSamples[nDecimals]);
}

void CSensorScaling::ResetMarkers()
{
    m_nPendMax = 0;
    m_nPendMin = 0;
    m_nGainRest = 0;
    m_nPendOffset = 0;
    m_dPendGain = 0.0;
}

void CSensorScaling::HoldWithinLimits()
{
    m_nSensor = std::clamp(m_nSensor, int(SENSOR_0_10V), int(SENSOR_NONE));
    m_nRangeMin = ClampRange(m_nRangeMin);
    m_nRangeMax = ClampRange(m_nRangeMax);
    m_nOffset = ClampOffset(m_nOffset);
    m_nUnit = m_nUnit ? 1 : 0;
    m_nResolution = m_nResolution ? 1 : 0;
    m_nDecimals = ClampDecimals(m_nDecimals);
    ShowGain(m_dGain);
}

void CSensorScaling::ShowGain(double dGain)
{
    m_dGain = ClampGain(dGain);
    m_nGainX100 = TruncScaled(m_dGain * 1000.0) / 10;
}

// ---- the edits ----

void CSensorScaling::GainTyped(double dGain)
{
    m_dGain = ClampGain(dGain);
    if (m_nSensor == SENSOR_PT100)
        return;
    DeriveRangeFromGain();
}

void CSensorScaling::GainStepped(int nSteps)
{
    const int nX100 = std::clamp(m_nGainX100 + 10 * nSteps, -SCALING_GAIN_X100_LIMIT, SCALING_GAIN_X100_LIMIT);
    GainTyped(nX100 / 100.0);
}

void CSensorScaling::OffsetTyped(int nOffset)
{
    m_nOffset = ClampOffset(nOffset);
    if (m_nSensor == SENSOR_PT100)
        return;
    DeriveRangeFromGain();
}

// The range ends may lie beyond their limits: the ends shown are cut, the markers keep the
// derived ones for the settling pass.
void CSensorScaling::DeriveRangeFromGain()
{
    const int nMax = RoundScaled(m_nOffset + kFullSpan * m_dGain);
    const int nMin = m_nSensor == SENSOR_4_20MA ? TruncScaled(nMax - kCurrentSpan * m_dGain) : m_nOffset;
    m_nRangeMax = ClampRange(nMax);
    m_nRangeMin = ClampRange(nMin);
    ResetMarkers();
    m_nPendMax = nMax;
    m_nPendMin = nMin;
    m_nGainX100 = std::clamp(GainEditHundredths(m_dGain), -SCALING_GAIN_X100_LIMIT, SCALING_GAIN_X100_LIMIT);
}

void CSensorScaling::TakeDerivedGain(double dRaw)
{
    int nRest = 0;
    const int t = RoundGainThousandths(dRaw, &nRest);
    const double dGain = t * 0.001;
    m_dPendGain = dGain;
    m_nGainRest = nRest;
    m_nPendMax = 0;
    m_nPendMin = 0;
    m_dGain = ClampGain(dGain);
    m_nGainX100 = dGain == m_dGain ? t / 10 : TruncScaled(m_dGain * 100.0);
}

void CSensorScaling::MinimumTyped(int nMinimum)
{
    m_nRangeMin = ClampRange(nMinimum);
    if (IsVoltageLike(m_nSensor)) {
        m_nOffset = ClampOffset(m_nRangeMin);
        m_nPendOffset = m_nRangeMin;
        TakeDerivedGain((m_nRangeMax - m_nRangeMin) * kPerReading);
    } else if (m_nSensor == SENSOR_4_20MA) {
        TakeDerivedGain((m_nRangeMax - m_nRangeMin) * kPerCurrentReading);
        m_nPendOffset = TruncScaled(m_nRangeMax - kFullSpan * m_dPendGain);
        m_nOffset = ClampOffset(m_nPendOffset);
    }
}

void CSensorScaling::MaximumTyped(int nMaximum)
{
    m_nRangeMax = ClampRange(nMaximum);
    if (IsVoltageLike(m_nSensor)) {
        TakeDerivedGain((m_nRangeMax - m_nOffset) * kPerReading);
        m_nPendOffset = m_nOffset;
    } else if (m_nSensor == SENSOR_4_20MA) {
        TakeDerivedGain((m_nRangeMax - m_nRangeMin) * kPerCurrentReading);
        m_nPendOffset = TruncScaled(m_nRangeMax - kFullSpan * m_dPendGain);
        m_nOffset = ClampOffset(m_nPendOffset);
    }
}

void CSensorScaling::UnitChosen(int nUnit)
{
    m_nUnit = nUnit ? 1 : 0;
    SetTemperatureDefaults();
}

void CSensorScaling::ResolutionChosen(int nResolution)
{
    m_nResolution = nResolution ? 1 : 0;
    SetTemperatureDefaults();
}

void CSensorScaling::SetTemperatureDefaults()
{
    const TemperaturePreset& preset = kPresets[m_nUnit ? 1 : 0][m_nResolution ? 1 : 0];
    m_nRangeMin = preset.nMin;
    m_nRangeMax = preset.nMax;
    m_dGain = preset.dGain;
    m_nGainX100 = preset.nGainX100;
    m_nOffset = preset.nOffset;
}

// ---- the sensor type ----

BOOL CSensorScaling::SensorChosen(int nSensor)
{
    if (nSensor == m_nSensor || nSensor < SENSOR_0_10V || nSensor > SENSOR_NONE)
        return FALSE;
    const int nOld = m_nSensor;
    m_nSensor = nSensor;
    // Edits still pending under the old type are settled before the values are converted.
    if (nOld != SENSOR_NONE)
        ComputeGainOffset();
    ConvertSensor(nOld, nSensor);
    return TRUE;
}

void CSensorScaling::ConvertSensor(int nOld, int nNew)
{
    if (nNew == SENSOR_PT100) {
        SetTemperatureDefaults();
        return;
    }
    if (nNew == SENSOR_4_20MA) {
        if (IsVoltageLike(nOld)) {
            const double dRaw = m_dGain * kToCurrent;
            const double dRounded = RoundGainThousandths(dRaw, nullptr) * 0.001;
            const int nMax = m_nRangeMax;
            m_nRangeMin = ClampRange(TruncScaled(nMax - kCurrentSpan * dRounded));
            m_nOffset = ClampOffset(TruncScaled(nMax - kFullSpan * dRounded));
            m_dPendGain = dRaw;
            m_nPendMax = 0;
            ShowGain(dRaw);
            ComputeGainOffset();
        } else if (nOld == SENSOR_PT100) {
            const int t = RoundGainThousandths(ClampGain(m_dGain * kToCurrent), nullptr);
            const double dGain = t * 0.001;
            const int nMin = m_nRangeMin;
            m_dGain = dGain;
            m_nOffset = ClampOffset(TruncScaled(nMin - kCurrentFloor * dGain));
            m_nRangeMax = ClampRange(TruncScaled(nMin + kCurrentSpan * dGain));
            m_nGainX100 = t / 10;
        } else if (nOld == SENSOR_NONE) {
            m_nRangeMin = ClampRange(TruncScaled(m_nRangeMax - kCurrentSpan * m_dGain));
        }
        return;
    }
    if (!IsVoltageLike(nNew))
        return;
    if (nOld == SENSOR_4_20MA) {
        int nRest = 0;
        const int t = RoundGainThousandths(m_dGain * kFromCurrent, &nRest);
        const double dGain = t * 0.001;
        m_dGain = ClampGain(dGain);
        m_nGainRest = nRest;
        const int nMin = TruncScaled(m_nRangeMax - kFullSpan * dGain);
        m_nRangeMin = ClampRange(nMin);
        m_nOffset = ClampOffset(nMin);
        m_nPendOffset = nMin;
        m_nGainX100 = t / 10;
        ComputeGainOffset();
    } else if (nOld == SENSOR_NONE) {
        m_nRangeMin = ClampRange(m_nOffset);
    }
}

// ---- the settling pass ----

int CSensorScaling::ComputeGainOffset()
{
    int nSteps = 0;
    if (Outside(m_nPendMax, SCALING_RANGE_MIN, SCALING_RANGE_MAX) ||
        Outside(m_nPendMin, SCALING_RANGE_MIN, SCALING_RANGE_MAX)) {
        // The range was cut to its limits: the gain follows the range as it stands.
        if (m_nSensor == SENSOR_4_20MA) {
            const double dGain = (m_nRangeMax - m_nRangeMin) * kPerCurrentReading;
            m_nOffset = ClampOffset(TruncScaled(m_nRangeMax - kFullSpan * dGain));
            ShowGain(dGain);
        } else if (m_nSensor != SENSOR_PT100) {
            ShowGain((m_nRangeMax - m_nOffset) * kPerReading);
        }
        m_nPendMax = 0;
        m_nPendMin = 0;
        ++nSteps;
    }
    const bool bGainCut = std::isnan(m_dPendGain) || m_dPendGain < m_dGainFloor || m_dPendGain > SCALING_GAIN_LIMIT;
    if (bGainCut || m_nGainRest != 0 || Outside(m_nPendOffset, -SCALING_OFFSET_LIMIT, SCALING_OFFSET_LIMIT)) {
        // The gain was rounded or cut: the range follows the gain as it stands.
        ShowGain(m_dGain);
        if (m_nSensor != SENSOR_PT100) {
            const int nMax = RoundScaled(m_nOffset + kFullSpan * m_dGain);
            m_nRangeMax = ClampRange(nMax);
            if (m_nSensor == SENSOR_4_20MA)
                m_nRangeMin = ClampRange(TruncScaled(nMax - kCurrentSpan * m_dGain));
            else if (Outside(m_nPendOffset, -SCALING_OFFSET_LIMIT, SCALING_OFFSET_LIMIT))
                m_nRangeMin = ClampRange(m_nOffset);
        }
        m_dPendGain = 0.0;
        m_nGainRest = 0;
        m_nPendOffset = 0;
        ++nSteps;
    }
    return nSteps;
}
