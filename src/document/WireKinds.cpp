#include "document/WireKinds.h"

#include "blocks/BlockTypes.h"

#include <algorithm>
#include <array>
#include <initializer_list>
#include <span>

namespace {

using Source = WireSourceKind;
using Dest = WireDestKind;

struct SourceKindRow {
    Source kind;
    std::initializer_list<int> types;
};

// Codes not listed here give Digital.
const SourceKindRow kSourceKinds[] = {
    {Source::AnalogSignal, {BT_ANALOG_IN, BT_ANALOG_OUT, BT_ANALOG_FLAG, BT_ACONTACT}},
    {Source::AnalogFunction,
     {BT_SW, BT_AAMP, BT_AMATH, BT_AMUX, BT_ARAMP, BT_PI, BT_AFILTER, BT_MAXMIN, BT_AVGVAL, BT_WIFI_AI, BT_BCD,
      BT_BIN, BT_ROL, BT_ROR, BT_SHL, BT_SHR, BT_ANDM, BT_ORM, BT_NOTM, BT_NANDM, BT_NORM, BT_XORM, BT_ARRMXIV,
      BT_ACMXIV, BT_RAND, BT_MEM, BT_SEG, BT_CRC16, BT_MOD, BT_REM, BT_LOG, BT_SQRT, BT_ABS, BT_GCD, BT_LCM,
      BT_POW2, BT_EXP, BT_FIX, BT_ROUND, BT_SIN, BT_COS, BT_TAN, BT_COT, BT_SEC, BT_CSC, BT_QUAD}},
    {Source::DigitalFunction, {BT_ACOMP, BT_ATHTRG, BT_AWDOG, BT_ADTRG, BT_PWM, BT_WORD2BIT, BT_ODD, BT_EVEN}},
    {Source::Connector, {BT_MALE, BT_FEMALE}},
};

// The kinds of a block's pins 0, 1, 2 and of its other pins.
using PinKinds = std::array<Dest, 4>;

struct DestKindRow {
    PinKinds kinds;
    std::initializer_list<int> types;
};

constexpr Dest A = Dest::AnalogSignal;
constexpr Dest D = Dest::DigitalFunction;
constexpr Dest F = Dest::AnalogFunction;
constexpr Dest C = Dest::Connector;

// Codes not listed here give Digital at every pin.
const DestKindRow kDestKinds[] = {
    {{A, A, A, A}, {BT_ANALOG_IN, BT_ANALOG_OUT, BT_ANALOG_FLAG, BT_AOUT_LAD}},
    {{D, F, A, A}, {BT_AWDOG, BT_PWM, BT_WIFI_AOUT, BT_SEG, BT_QUAD}},
    {{D, D, D, D}, {BT_SW, BT_AMATH, BT_AMUX, BT_ARAMP, BT_MEM}},
    {{D, D, F, A}, {BT_PI, BT_MAXMIN, BT_AVGVAL}},
    {{F, F, F, F},
     {BT_ACOMP, BT_ATHTRG, BT_AAMP, BT_ADTRG, BT_AFILTER, BT_BCD, BT_BIN, BT_ROL, BT_ROR, BT_SHL, BT_SHR,
      BT_ANDM, BT_ORM, BT_NOTM, BT_NANDM, BT_NORM, BT_XORM, BT_ACMXIV, BT_RAND, BT_WORD2BIT, BT_ODD, BT_EVEN,
      BT_MOD, BT_REM, BT_LOG, BT_SQRT, BT_ABS, BT_GCD, BT_LCM, BT_POW2, BT_EXP, BT_FIX, BT_ROUND, BT_SIN, BT_COS,
      BT_TAN, BT_COT, BT_SEC, BT_CSC}},
    {{C, C, C, C}, {BT_MALE, BT_FEMALE}},
};

// Which source kind may feed which destination kind, rows and columns in enum order.
constexpr bool kKindFits[5][5] = {
    {true, false, true, true, false},
    {true, false, true, true, false},
    {false, true, false, true, true},
    {true, true, true, true, true},
    {false, true, false, true, true},
};

bool Lists(std::initializer_list<int> types, int nType)
{
    return std::find(types.begin(), types.end(), nType) != types.end();
}

} // namespace

WireSourceKind SourceKindOf(int nType)
{
    for (const SourceKindRow& row : kSourceKinds) {
        if (Lists(row.types, nType))
            return row.kind;
    }
    return Source::Digital;
}

WireDestKind DestKindOf(int nType, int nPin)
{
    for (const DestKindRow& row : kDestKinds) {
        if (Lists(row.types, nType))
            return row.kinds[std::size_t(nPin >= 0 && nPin < 3 ? nPin : 3)];
    }
    return Dest::Digital;
}

bool WireKindsFit(WireSourceKind source, WireDestKind dest)
{
    return kKindFits[std::size_t(source)][std::size_t(dest)];
}
