// The sensor-scaling rules driven with plain values: the rounding rules, the derivations of
// each edit, the sensor conversions, the temperature presets, the limits and the settling pass.
#include "pages/blocks/SensorScaling.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

CSensorScaling Scaling(int nSensor, int nMin, int nMax, double dGain, int nOffset)
{
    CSensorScaling s;
    s.m_nSensor = nSensor;
    s.m_nRangeMin = nMin;
    s.m_nRangeMax = nMax;
    s.m_dGain = dGain;
    s.m_nGainX100 = int(dGain * 100);
    s.m_nOffset = nOffset;
    return s;
}

struct Shown {
    int nMin;
    int nMax;
    double dGain;
    int nGainX100;
    int nOffset;
};

void ExpectShown(const CSensorScaling& s, const Shown& want)
{
    EXPECT_EQ(s.m_nRangeMin, want.nMin);
    EXPECT_EQ(s.m_nRangeMax, want.nMax);
    EXPECT_NEAR(s.m_dGain, want.dGain, 1e-9);
    EXPECT_EQ(s.m_nGainX100, want.nGainX100);
    EXPECT_EQ(s.m_nOffset, want.nOffset);
}

TEST(SensorScalingRounding, RangeValuesRoundUpAboveZeroAndTruncateBelow)
{
    const struct {
        double dValue;
        int nRounded;
    } cases[] = {{36.6, 37}, {-36.6, -36}, {36.5, 37}, {36.4, 36}, {-36.5, -36}, {0.0, 0}, {19999.96, 20000}};
    for (const auto& c : cases)
        EXPECT_EQ(RoundScaled(c.dValue), c.nRounded) << c.dValue;
}

TEST(SensorScalingRounding, DerivedGainsAndTheGainEditRoundDifferently)
{
    int nRest = 0;
    EXPECT_EQ(RoundGainThousandths(1.006, &nRest), 1010);
    EXPECT_EQ(nRest, 6);
    EXPECT_EQ(RoundGainThousandths(-0.366, &nRest), -360);
    EXPECT_EQ(nRest, -6);
    EXPECT_EQ(RoundGainThousandths(2.5, &nRest), 2500);
    EXPECT_EQ(nRest, 0);
    // The gain edit's hundredths take a negative value away from zero.
    EXPECT_EQ(GainEditHundredths(-0.366), -37);
    EXPECT_EQ(GainEditHundredths(-0.364), -36);
    EXPECT_EQ(GainEditHundredths(0.366), 37);
}

TEST(SensorScalingRounding, NoNumberAndInfinityHaveDefinedResults)
{
    const double dNaN = std::numeric_limits<double>::quiet_NaN();
    const double dInf = std::numeric_limits<double>::infinity();
    EXPECT_EQ(TruncScaled(dNaN), 0);
    EXPECT_EQ(TruncScaled(dInf), 1000000000);
    EXPECT_EQ(TruncScaled(-dInf), -1000000000);
    EXPECT_EQ(RoundScaled(dNaN), 0);
    CSensorScaling s;
    s.GainTyped(dNaN);
    ExpectShown(s, {0, 0, 0.0, 0, 0});
    s.GainTyped(dInf);
    ExpectShown(s, {0, 10000, 10.0, 1000, 0});
    s.GainTyped(-dInf);
    ExpectShown(s, {0, -10000, -10.0, -1000, 0});
    EXPECT_EQ(s.ComputeGainOffset(), 0) << "a range within its limits leaves nothing to settle";
}

TEST(SensorScalingRounding, ValuesOfADamagedFileAreHeldWithinTheirLimits)
{
    CSensorScaling s = Scaling(9, -30000, 30000, std::numeric_limits<double>::quiet_NaN(), 12000);
    s.m_nUnit = 5;
    s.m_nResolution = -1;
    s.m_nDecimals = -2;
    s.HoldWithinLimits();
    EXPECT_EQ(s.m_nSensor, SENSOR_NONE);
    ExpectShown(s, {-10000, 20000, 0.0, 0, 10000});
    EXPECT_EQ(s.m_nUnit, 1);
    EXPECT_EQ(s.m_nResolution, 1);
    EXPECT_EQ(s.m_nDecimals, 0);
    s.m_dGain = -std::numeric_limits<double>::infinity();
    s.HoldWithinLimits();
    EXPECT_EQ(s.m_dGain, -10.0);
    EXPECT_EQ(s.m_nGainX100, -1000);
}

TEST(SensorScalingEdits, EachEditDerivesTheOtherValues)
{
    struct Case {
        const char* pszWhat;
        CSensorScaling start;
        void (*edit)(CSensorScaling&);
        Shown want;
    };
    const Case cases[] = {
        {"0-10 V, maximum 1000", Scaling(SENSOR_0_10V, 0, 500, 0.5, 0), [](CSensorScaling& s) { s.MaximumTyped(1000); },
         {0, 1000, 1.0, 100, 0}},
        {"4-20 mA, 0..800", Scaling(SENSOR_4_20MA, 0, 1000, 1.25, -250), [](CSensorScaling& s) { s.MaximumTyped(800); },
         {0, 800, 1.0, 100, -200}},
        {"0-20 mA, minimum takes the offset", Scaling(SENSOR_0_20MA, 0, 1000, 1.0, 0),
         [](CSensorScaling& s) { s.MinimumTyped(200); }, {200, 1000, 0.8, 80, 200}},
        {"gain typed", Scaling(SENSOR_0_10V, 0, 1000, 1.0, 100), [](CSensorScaling& s) { s.GainTyped(2.5); },
         {100, 2600, 2.5, 250, 100}},
        {"gain 12 becomes 10", Scaling(SENSOR_0_10V, 0, 1000, 1.0, 0), [](CSensorScaling& s) { s.GainTyped(12); },
         {0, 10000, 10.0, 1000, 0}},
        {"offset 15000 becomes 10000", Scaling(SENSOR_0_10V, 0, 1000, 1.0, 0),
         [](CSensorScaling& s) { s.OffsetTyped(15000); }, {10000, 11000, 1.0, 100, 10000}},
        {"4-20 mA gain", Scaling(SENSOR_4_20MA, 0, 800, 1.0, -200), [](CSensorScaling& s) { s.GainTyped(2.0); },
         {200, 1800, 2.0, 200, -200}},
        {"negative maximum -36.6 truncates", Scaling(SENSOR_0_10V, 0, 1000, 1.0, 0),
         [](CSensorScaling& s) { s.GainTyped(-0.0366); }, {0, -36, -0.0366, -4, 0}},
        {"positive maximum 36.6 rounds", Scaling(SENSOR_0_10V, 0, 1000, 1.0, 0),
         [](CSensorScaling& s) { s.GainTyped(0.0366); }, {0, 37, 0.0366, 4, 0}},
        {"spin steps a tenth", Scaling(SENSOR_0_10V, 0, 1000, 1.0, 0), [](CSensorScaling& s) { s.GainStepped(1); },
         {0, 1100, 1.1, 110, 0}},
        {"spin stops at 10", Scaling(SENSOR_0_10V, 0, 10000, 10.0, 0), [](CSensorScaling& s) { s.GainStepped(3); },
         {0, 10000, 10.0, 1000, 0}},
        {"range typed beyond its limit", Scaling(SENSOR_0_10V, 0, 1000, 1.0, 0),
         [](CSensorScaling& s) { s.MaximumTyped(25000); }, {0, 20000, 10.0, 1000, 0}},
        {"PT100 ignores range edits", Scaling(SENSOR_PT100, -50, 200, 0.25, -50),
         [](CSensorScaling& s) { s.OffsetTyped(7); }, {-50, 200, 0.25, 25, 7}},
        {"no sensor ignores the minimum", Scaling(SENSOR_NONE, 0, 1000, 1.0, 0),
         [](CSensorScaling& s) { s.MinimumTyped(300); }, {300, 1000, 1.0, 100, 0}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.pszWhat);
        CSensorScaling s = c.start;
        c.edit(s);
        ExpectShown(s, c.want);
    }
}

TEST(SensorScalingEdits, TheRampsGainStaysAtZeroOrAbove)
{
    CSensorScaling s = Scaling(SENSOR_0_10V, 0, 1000, 1.0, 0);
    s.m_dGainFloor = 0.0;
    s.GainTyped(-0.5);
    ExpectShown(s, {0, 0, 0.0, 0, 0});
    s.GainTyped(11);
    ExpectShown(s, {0, 10000, 10.0, 1000, 0});
}

TEST(SensorScalingConversions, SensorChangesConvertGainRangeAndOffset)
{
    CSensorScaling s = Scaling(SENSOR_0_10V, 0, 1000, 1.0, 0);
    EXPECT_FALSE(s.SensorChosen(SENSOR_0_10V));
    ASSERT_TRUE(s.SensorChosen(SENSOR_4_20MA));
    ExpectShown(s, {0, 1000, 1.25, 125, -250});
    ASSERT_TRUE(s.SensorChosen(SENSOR_0_10V));
    ExpectShown(s, {0, 1000, 1.0, 100, 0});
    ASSERT_TRUE(s.SensorChosen(SENSOR_0_20MA));
    ExpectShown(s, {0, 1000, 1.0, 100, 0});

    s.m_nUnit = 1;
    s.m_nResolution = 1;
    ASSERT_TRUE(s.SensorChosen(SENSOR_PT100));
    ExpectShown(s, {-580, 3920, 4.5, 450, -580});
    EXPECT_FALSE(s.IsRangeEditable());
    ASSERT_TRUE(s.SensorChosen(SENSOR_4_20MA));
    // From the temperature scale the minimum stays and the gain grows to the 4-20 mA span.
    ExpectShown(s, {-580, 3924, 5.63, 563, -1706});

    ASSERT_TRUE(s.SensorChosen(SENSOR_NONE));
    EXPECT_FALSE(s.ShowsRange());
    s.m_nRangeMax = 1000;
    s.m_dGain = 1.0;
    ASSERT_TRUE(s.SensorChosen(SENSOR_4_20MA));
    EXPECT_EQ(s.m_nRangeMin, 200);
    ASSERT_TRUE(s.SensorChosen(SENSOR_NONE));
    s.m_nOffset = 42;
    ASSERT_TRUE(s.SensorChosen(SENSOR_0_10V));
    EXPECT_EQ(s.m_nRangeMin, 42);
}

TEST(SensorScalingConversions, TemperaturePresetsByUnitAndResolution)
{
    const struct {
        int nUnit;
        int nResolution;
        Shown want;
    } cases[] = {
        {0, 0, {-50, 200, 0.25, 25, -50}},
        {0, 1, {-500, 2000, 2.5, 250, -500}},
        {1, 0, {-58, 392, 0.45, 45, -58}},
        {1, 1, {-580, 3920, 4.5, 450, -580}},
    };
    for (const auto& c : cases) {
        CSensorScaling s;
        s.m_nSensor = SENSOR_PT100;
        s.UnitChosen(c.nUnit);
        s.ResolutionChosen(c.nResolution);
        SCOPED_TRACE(c.nUnit * 2 + c.nResolution);
        ExpectShown(s, c.want);
        EXPECT_EQ(c.want.nMax, c.want.nOffset + int(std::lround(1000 * c.want.dGain)));
    }
}

TEST(SensorScalingSettle, OnePassResolvesEveryPendingChange)
{
    // A gain rounded from the range puts the range back on the gain.
    CSensorScaling rounded = Scaling(SENSOR_0_10V, 0, 1000, 1.0, 0);
    rounded.MaximumTyped(1006);
    ExpectShown(rounded, {0, 1006, 1.01, 101, 0});
    EXPECT_EQ(rounded.ComputeGainOffset(), 1);
    ExpectShown(rounded, {0, 1010, 1.01, 101, 0});

    // A range cut at its limit gives the gain again.
    CSensorScaling cut = Scaling(SENSOR_4_20MA, 0, 800, 1.0, -200);
    cut.OffsetTyped(-10000);
    cut.GainTyped(-10.0);
    ExpectShown(cut, {-10000, -10000, -10.0, -1000, -10000});
    EXPECT_EQ(cut.ComputeGainOffset(), 1);
    ExpectShown(cut, {-10000, -10000, 0.0, 0, -10000});

    // Every edit of every sensor settles in at most two derivations, and a second pass has
    // nothing left to do.
    const double gains[] = {-10.0, -3.337, -0.0366, 0.0, 0.29, 1.006, 7.77, 10.0};
    const int values[] = {-10000, -37, 0, 555, 9999, 20000};
    for (int nSensor = SENSOR_0_10V; nSensor <= SENSOR_NONE; ++nSensor) {
        for (double dGain : gains) {
            for (int nValue : values) {
                for (int nEdit = 0; nEdit < 4; ++nEdit) {
                    CSensorScaling s = Scaling(nSensor, -500, 1500, 1.0, -500);
                    s.GainTyped(dGain);
                    switch (nEdit) {
                    case 0: s.OffsetTyped(nValue); break;
                    case 1: s.MinimumTyped(nValue); break;
                    case 2: s.MaximumTyped(nValue); break;
                    default: s.SensorChosen((nSensor + 2) % 5); break;
                    }
                    SCOPED_TRACE(testing::Message() << nSensor << " " << dGain << " " << nValue << " " << nEdit);
                    EXPECT_LE(s.ComputeGainOffset(), 2);
                    EXPECT_EQ(s.ComputeGainOffset(), 0);
                    EXPECT_GE(s.m_nGainX100, -SCALING_GAIN_X100_LIMIT);
                    EXPECT_LE(s.m_nGainX100, SCALING_GAIN_X100_LIMIT);
                    EXPECT_GE(s.m_nRangeMin, SCALING_RANGE_MIN);
                    EXPECT_LE(s.m_nRangeMax, SCALING_RANGE_MAX);
                    EXPECT_LE(std::abs(s.m_nOffset), SCALING_OFFSET_LIMIT);
                }
            }
        }
    }
}

TEST(SensorScalingDecimals, SampleShowsWhereThePointGoes)
{
    EXPECT_EQ(CSensorScaling::DecimalsSample(0), CString(_T("+12345")));
    EXPECT_EQ(CSensorScaling::DecimalsSample(2), CString(_T("+123.45")));
    EXPECT_EQ(CSensorScaling::DecimalsSample(3), CString(_T("+12.345")));
    EXPECT_EQ(CSensorScaling::DecimalsSample(7), CString());
    EXPECT_EQ(CSensorScaling::DecimalsSample(-1), CString());
    EXPECT_EQ(CSensorScaling::ClampDecimals(7), 3);
}

}  // namespace
