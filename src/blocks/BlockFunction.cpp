#include "blocks/BlockFunction.h"

#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"

#include <cmath>
#include <cstdint>

namespace {

// A word input x, a parameter pin, the factor 1.0 and the limits offered for the factor.
constexpr BlockSetup FactorSetup(int nType)
{
    return {.nType = nType, .nInputs = 2, .wProgramBytes = 12, .nPinSlots = 4, .nCapFlags = 0x3F,
            .bLimits = true, .nLimitLow = -10000, .nLimitHigh = 10000,
            .links = {{{1, LINK_PARAM}, {2, LINK_END}, {3, LINK_END}}},
            .dFactor = 1.0};
}

// Role codes 61-63 and 72 are kept and sent with the program as written.
constexpr std::array<BlockSetup, 11> kFunctionSetups = {{
    // The base word keeps the typed constructor's 2 (base ten).
    {.nType = BT_LOG, .nInputs = 2, .wProgramBytes = 12, .nPinSlots = 4, .nCapFlags = 0x3F,
     .bLimits = true, .nLimitLow = -10000, .nLimitHigh = 10000,
     .links = {{{1, LINK_PARAM}, {2, 72}, {3, LINK_END}}},
     .dFactor = 1.0},
    FactorSetup(BT_SQRT),
    FactorSetup(BT_POW2),
    FactorSetup(BT_EXP),
    FactorSetup(BT_SIN),
    FactorSetup(BT_COS),
    FactorSetup(BT_TAN),
    FactorSetup(BT_COT),
    FactorSetup(BT_SEC),
    FactorSetup(BT_CSC),
    // A = 1, B = C = 0, the first root.
    {.nType = BT_QUAD, .nInputs = 3, .wProgramBytes = 20, .nPinSlots = 8, .nCapFlags = 0x3F,
     .bLimits = true, .nLimitLow = -10000, .nLimitHigh = 10000,
     .links = {{{2, LINK_PARAM}, {3, 61}, {4, 62}, {5, 63}, {6, 72}, {7, LINK_END}}},
     .words = {{{BlockWord::Param, QUAD_A_PARAM, 1}, {BlockWord::Param, QUAD_ROOT_PARAM, 0}}},
     .dFactor = 1.0},
}};

constexpr double kRadiansPerDegree = 0.017453292519943295;
constexpr double kLog2Of10 = 3.321928094931296;
constexpr double kPole = 32767.0;

double Radians(int nDegrees)
{
    return nDegrees * kRadiansPerDegree;
}

bool IsMultipleOf180(int x)
{
    return x % 180 == 0;
}

// 90, 270, -90 ...: where tan and sec have their poles and cos is 0.
bool IsOddMultipleOf90(int x)
{
    return x % 90 == 0 && x % 180 != 0;
}

// The saturated value of a growing power: the sign of the factor.
double SaturatedBySign(double k)
{
    return k > 0 ? 32767.0 : k < 0 ? -32767.0 : 0.0;
}

double Logarithm(int x, double k, int nBase)
{
    if (x <= 0)
        return 0.0;
    switch (nBase) {
    case 0:
        return k * std::log(double(x));
    case 1:
        return k * std::log10(double(x)) * kLog2Of10;
    case 2:
        return k * std::log10(double(x));
    default:
        return k;
    }
}

} // namespace

IMPLEMENT_DYNAMIC(CBlockFactorFn, CBlockWordValue)

double FactorFunction(int nType, int x, double k, int nBase)
{
    switch (nType) {
    case BT_LOG:
        return WordOf(ClampWord(Logarithm(x, k, nBase)));
    case BT_SQRT:
        if (x < 0)
            return -1.0;
        return x == 0 ? 0.0 : WordOf(ClampWord(k * std::sqrt(double(x))));
    // The powers keep the unrounded value; the box shows it truncated.
    case BT_POW2:
        if (x >= 15)
            return SaturatedBySign(k);
        return x <= -15 ? 0.0 : ClampWord(k * std::exp2(double(x)));
    case BT_EXP:
        if (x >= 11)
            return SaturatedBySign(k);
        return x <= -11 ? 0.0 : ClampWord(k * std::exp(double(x)));
    case BT_SIN:
        return IsMultipleOf180(x) ? 0.0 : WordOf(k * std::sin(Radians(x)));
    case BT_COS:
        return IsOddMultipleOf90(x) ? 0.0 : WordOf(k * std::cos(Radians(x)));
    case BT_TAN:
        return IsOddMultipleOf90(x) ? kPole : WordOf(ClampWord(k * std::tan(Radians(x))));
    case BT_COT:
        return IsMultipleOf180(x) ? kPole : WordOf(ClampWord(k / std::tan(Radians(x))));
    case BT_SEC:
        return IsOddMultipleOf90(x) ? kPole : WordOf(ClampWord(k / std::cos(Radians(x))));
    case BT_CSC:
        return IsMultipleOf180(x) ? kPole : WordOf(ClampWord(k / std::sin(Radians(x))));
    default:
        return 0.0;
    }
}

BOOL CBlockFactorFn::Simulate(const CSimContext*)
{
    const int nBase =
        m_nType == BT_LOG ? ParamOrClampedRef(*this, 0, m_nParam[LOG_BASE_PARAM], 0, 2) : 0;
    m_dRunTime = FactorFunction(m_nType, InputWord(*this, 0), m_dParam, nBase);
    return TRUE;
}

IMPLEMENT_TABLE_BLOCK(CBlockLOG, CBlockFactorFn, kFunctionSetups, BT_LOG)
IMPLEMENT_TABLE_BLOCK(CBlockSQRT, CBlockFactorFn, kFunctionSetups, BT_SQRT)
IMPLEMENT_TABLE_BLOCK(CBlockPOW2, CBlockFactorFn, kFunctionSetups, BT_POW2)
IMPLEMENT_TABLE_BLOCK(CBlockEXP, CBlockFactorFn, kFunctionSetups, BT_EXP)
IMPLEMENT_TABLE_BLOCK(CBlockSIN, CBlockFactorFn, kFunctionSetups, BT_SIN)
IMPLEMENT_TABLE_BLOCK(CBlockCOS, CBlockFactorFn, kFunctionSetups, BT_COS)
IMPLEMENT_TABLE_BLOCK(CBlockTAN, CBlockFactorFn, kFunctionSetups, BT_TAN)
IMPLEMENT_TABLE_BLOCK(CBlockCOT, CBlockFactorFn, kFunctionSetups, BT_COT)
IMPLEMENT_TABLE_BLOCK(CBlockSEC, CBlockFactorFn, kFunctionSetups, BT_SEC)
IMPLEMENT_TABLE_BLOCK(CBlockCSC, CBlockFactorFn, kFunctionSetups, BT_CSC)
IMPLEMENT_TABLE_BLOCK(CBlockQUAD, CBlockWordValue, kFunctionSetups, BT_QUAD)

BOOL CBlockQUAD::Simulate(const CSimContext* pSim)
{
    ReadInputs(pSim);
    m_dRunTime = m_nPinValue[0] == 1 ? 0.0 : WordOf(ClampWord(m_dParam * SolveRoot()));
    return TRUE;
}

// The discriminant is formed in doubles: exact for every coefficient the property page offers,
// and free of the overflow that 32-bit products give for coefficients from a damaged record.
double CBlockQUAD::SolveRoot() const
{
    const int a = m_nParam[QUAD_A_PARAM];
    const int b = m_nParamEx[QUAD_B_PARAMEX];
    const int c = m_nParamEx[QUAD_C_PARAMEX];
    if (a == 0)
        return 0.0;
    const int x = InputWord(*this, 1);
    const double d = double(b) * b - 4.0 * ((double(c) - x) * a);
    if (d == 0.0)
        return double(std::int64_t(b) / (-2 * std::int64_t(a)));
    if (d < 0.0)
        return 0.0;
    switch (m_nParam[QUAD_ROOT_PARAM]) {
    case 0:
        return (std::sqrt(d) - b) / (2.0 * a);
    case 1:
        return (-b - std::sqrt(d)) / (2.0 * a);
    default:
        return 0.0;
    }
}

WordValueStyle CBlockFactorFn::ValueStyle() const
{
    return {5, _T("%d")};
}

WordValueStyle CBlockQUAD::ValueStyle() const
{
    return {5, _T("%d")};
}
