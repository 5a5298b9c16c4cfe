// CSensorScaling: the sensor, measuring range, gain and offset of an analog block that reads a
// sensor, kept consistent while the user edits any one of them. The scaling law is value =
// gain x reading + offset over readings 0..1000 (200..1000 for 4-20 mA). The class holds the
// values the group's controls show and the rules that derive the others from an edit; it knows
// no window, so that the pages host it and tests drive it with plain values.
#pragma once

#include "platform/core/String.h"

enum AnalogSensor {
    SENSOR_0_10V = 0,
    SENSOR_0_20MA = 1,
    SENSOR_4_20MA = 2,
    SENSOR_PT100 = 3,
    SENSOR_NONE = 4,
};

// The limits of the group's values.
constexpr int SCALING_RANGE_MIN = -10000;
constexpr int SCALING_RANGE_MAX = 20000;
constexpr int SCALING_OFFSET_LIMIT = 10000;
constexpr double SCALING_GAIN_LIMIT = 10.0;
constexpr int SCALING_GAIN_X100_LIMIT = 1000;
constexpr int SCALING_DECIMALS_MAX = 3;

// The rounding of every derived range value: positive values round half up on their first
// decimal, negative ones are truncated toward zero (-36.6 gives -36, 36.6 gives 37).
int RoundScaled(double dValue);
// A derived gain rounded to hundredths by the same rule on its thousandths: the result in
// thousandths (a multiple of ten) and, in *pRest, the thousandths that were dropped.
int RoundGainThousandths(double dGain, int* pRest);
// The gain x 100 that the gain edit shows: nearest hundredth, negative halves toward zero
// but other negative remainders away from it (-0.366 gives -37, -0.364 gives -36).
int GainEditHundredths(double dGain);
// A double truncated toward zero into an int; no number gives 0 and a value beyond what the
// scaling uses is held at +-1e9, so that no conversion is undefined.
int TruncScaled(double dValue);

class CSensorScaling {
public:
    // What the group's controls show.
    int m_nSensor = SENSOR_0_10V;
    int m_nRangeMin = 0;
    int m_nRangeMax = 1000;
    double m_dGain = 1.0;
    int m_nGainX100 = 100;
    int m_nOffset = 0;
    // PT100/PT1000: 0 Celsius, 1 Fahrenheit; 0 x1, 1 x0.1.
    int m_nUnit = 0;
    int m_nResolution = 1;
    int m_nDecimals = 0;

    // Pending changes that the settling pass resolves: a range derived from gain and offset
    // (m_nPendMax, m_nPendMin) or a gain and offset derived from the range (m_dPendGain,
    // m_nGainRest, m_nPendOffset) that the limits cut or the rounding changed.
    int m_nPendMax = 0;
    int m_nPendMin = 0;
    int m_nGainRest = 0;
    int m_nPendOffset = 0;
    double m_dPendGain = 0.0;

    // The lowest gain the page allows (the ramp's gain cannot be negative).
    double m_dGainFloor = -SCALING_GAIN_LIMIT;

    void ResetMarkers();
    // Every value within its limits (a damaged file may hold anything, a gain that is no
    // number among it); the gain x 100 follows the gain.
    void HoldWithinLimits();

    // The user's edits; each first holds the typed value within its limits.
    void GainTyped(double dGain);
    void OffsetTyped(int nOffset);
    void MinimumTyped(int nMinimum);
    void MaximumTyped(int nMaximum);
    // The gain's spin button: nSteps tenths up or down.
    void GainStepped(int nSteps);
    // A new sensor type; FALSE when it is the current one.
    BOOL SensorChosen(int nSensor);
    void UnitChosen(int nUnit);
    void ResolutionChosen(int nResolution);

    // The settling pass: a range that the limits cut gives the gain again, a gain that was
    // rounded or cut gives the range again. Returns how many of those two derivations ran;
    // the markers are then clear, so a second pass finds nothing to do.
    int ComputeGainOffset();
    // The PT100/PT1000 range, gain and offset for the unit and resolution.
    void SetTemperatureDefaults();

    // Range and parameter values are editable for the sensor; the range group shows.
    BOOL IsRangeEditable() const { return m_nSensor != SENSOR_PT100; }
    BOOL ShowsRange() const { return m_nSensor != SENSOR_NONE; }

    double ClampGain(double dGain) const;
    static int ClampRange(int nValue);
    static int ClampOffset(int nValue);
    static int ClampDecimals(int nDecimals);
    // "+12345" with the decimal point where nDecimals puts it; empty beyond 0..3.
    static CString DecimalsSample(int nDecimals);

private:
    // Gain or offset changed: the range follows.
    void DeriveRangeFromGain();
    // The rounded gain from a range, with its markers; the gain shown is cut to the limits.
    void TakeDerivedGain(double dRaw);
    void ShowGain(double dGain);
    void ConvertSensor(int nOld, int nNew);
};
