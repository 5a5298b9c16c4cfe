// The kinds a wire joins: the compatibility table row by row, and the kinds the type codes
// give as a source and at each pin as a destination.
#include "blocks/BlockTypes.h"
#include "document/WireKinds.h"

#include <gtest/gtest.h>

#include <array>
#include <string>

namespace {

using S = WireSourceKind;
using D = WireDestKind;

constexpr std::array<D, 5> kDests = {D::AnalogSignal, D::DigitalFunction, D::AnalogFunction, D::Connector,
                                     D::Digital};

struct FitRow {
    S source;
    std::array<bool, 5> fits;  // by destination, in the order of kDests
};

// An analog signal reaches only analog pins, a digital one only digital pins, and a connector
// is taken by, and fits, everything.
TEST(WireKinds, TheCompatibilityTableRowByRow)
{
    const FitRow rows[] = {
        {S::AnalogSignal, {true, false, true, true, false}},
        {S::AnalogFunction, {true, false, true, true, false}},
        {S::DigitalFunction, {false, true, false, true, true}},
        {S::Connector, {true, true, true, true, true}},
        {S::Digital, {false, true, false, true, true}},
    };
    for (const FitRow& row : rows) {
        for (std::size_t i = 0; i < kDests.size(); ++i)
            EXPECT_EQ(WireKindsFit(row.source, kDests[i]), row.fits[i])
                << "source " << int(row.source) << " dest " << int(kDests[i]);
    }
}

struct SourceCase {
    int nType;
    S kind;
};

TEST(WireKinds, TheSourceKindOfATypeCode)
{
    const SourceCase cases[] = {
        {BT_ANALOG_IN, S::AnalogSignal},   {BT_ANALOG_FLAG, S::AnalogSignal}, {BT_ACONTACT, S::AnalogSignal},
        {BT_SW, S::AnalogFunction},        {BT_AAMP, S::AnalogFunction},      {BT_PI, S::AnalogFunction},
        {BT_WIFI_AI, S::AnalogFunction},   {BT_BCD, S::AnalogFunction},       {BT_ARRMXIV, S::AnalogFunction},
        {BT_MEM, S::AnalogFunction},       {BT_SEG, S::AnalogFunction},       {BT_CRC16, S::AnalogFunction},
        {BT_MOD, S::AnalogFunction},       {BT_QUAD, S::AnalogFunction},      {BT_ACOMP, S::DigitalFunction},
        {BT_AWDOG, S::DigitalFunction},    {BT_PWM, S::DigitalFunction},      {BT_WORD2BIT, S::DigitalFunction},
        {BT_EVEN, S::DigitalFunction},     {BT_MALE, S::Connector},           {BT_FEMALE, S::Connector},
        {BT_IN, S::Digital},               {BT_AND, S::Digital},              {BT_MAKE, S::Digital},
        {BT_ENCODER, S::Digital},          {BT_UDC, S::Digital},              {BT_WIFI_AOUT, S::Digital},
        {BT_POWERBUS, S::Digital},         {0, S::Digital},                   {BT_DATALOG, S::Digital},
    };
    for (const SourceCase& c : cases)
        EXPECT_EQ(SourceKindOf(c.nType), c.kind) << c.nType;
}

struct DestCase {
    int nType;
    std::array<D, 4> kinds;  // pins 0, 1, 2 and 3 (any further pin is as pin 3)
};

TEST(WireKinds, TheDestinationKindOfAPin)
{
    constexpr D A = D::AnalogSignal;
    constexpr D G = D::DigitalFunction;
    constexpr D F = D::AnalogFunction;
    constexpr D C = D::Connector;
    constexpr D O = D::Digital;
    const DestCase cases[] = {
        {BT_ANALOG_OUT, {A, A, A, A}}, {BT_AOUT_LAD, {A, A, A, A}},  {BT_AWDOG, {G, F, A, A}},
        {BT_WIFI_AOUT, {G, F, A, A}},  {BT_QUAD, {G, F, A, A}},      {BT_SW, {G, G, G, G}},
        {BT_ARAMP, {G, G, G, G}},      {BT_MEM, {G, G, G, G}},       {BT_PI, {G, G, F, A}},
        {BT_AVGVAL, {G, G, F, A}},     {BT_ACOMP, {F, F, F, F}},     {BT_XORM, {F, F, F, F}},
        {BT_ACMXIV, {F, F, F, F}},     {BT_CSC, {F, F, F, F}},       {BT_WORD2BIT, {F, F, F, F}},
        {BT_FEMALE, {C, C, C, C}},     {BT_ARRMXIV, {O, O, O, O}},   {BT_AND, {O, O, O, O}},
        {BT_ACONTACT, {O, O, O, O}},   {BT_WIFI_AI, {O, O, O, O}},
    };
    for (const DestCase& c : cases) {
        for (int nPin = 0; nPin < 4; ++nPin)
            EXPECT_EQ(DestKindOf(c.nType, nPin), c.kinds[std::size_t(nPin)]) << c.nType << " pin " << nPin;
        EXPECT_EQ(DestKindOf(c.nType, 9), c.kinds[3]) << c.nType;
        EXPECT_EQ(DestKindOf(c.nType, -1), c.kinds[3]) << c.nType;
    }
}

} // namespace
