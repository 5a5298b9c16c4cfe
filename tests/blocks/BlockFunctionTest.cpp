// The factor blocks (logarithm, square root, powers, trigonometric functions) and the quadratic
// equation: their clamping, truncation and the fixed values of undefined cases.
#include "WordBlockRig.h"

#include "blocks/BlockFunction.h"
#include "blocks/BlockLow.h"

#include <gtest/gtest.h>

namespace {

struct FactorCase {
    int nType;
    int x;
    double k;
    int nBase;  // LOG only
    double dExpected;
};

TEST(BlockFunction, FactorFunctionsAndTheirFixedValues)
{
    const FactorCase cases[] = {
        {BT_LOG, 500, 1.0, 2, 2},     {BT_LOG, 1000, 1.0, 1, 9},    {BT_LOG, 0, 1.0, 0, 0},
        {BT_LOG, -5, 1.0, 0, 0},      {BT_LOG, 10, 100.0, 0, 230},  {BT_LOG, 10, 7.0, 5, 7},
        {BT_LOG, 30000, 1e6, 2, 32767},
        {BT_SQRT, -1, 10.0, 0, -1},   {BT_SQRT, 16, 10.0, 0, 40},   {BT_SQRT, 0, 10.0, 0, 0},
        {BT_SQRT, 32767, -1e4, 0, -32767},
        {BT_POW2, 14, 1.0, 0, 16384}, {BT_POW2, 15, 1.0, 0, 32767}, {BT_POW2, 15, -1.0, 0, -32767},
        {BT_POW2, 20, 0.0, 0, 0},     {BT_POW2, -1, 1.0, 0, 0.5},   {BT_POW2, -15, 1.0, 0, 0},
        {BT_EXP, 10, 1.0, 0, 22026.465794806718},                   {BT_EXP, 11, 1.0, 0, 32767},
        {BT_EXP, -11, 5.0, 0, 0},
        {BT_SIN, 90, 1000.0, 0, 1000}, {BT_SIN, 180, 1000.0, 0, 0}, {BT_SIN, -360, 1000.0, 0, 0},
        {BT_SIN, 30, 1000.0, 0, 499},  {BT_COS, 0, 1000.0, 0, 1000}, {BT_COS, 270, 1000.0, 0, 0},
        {BT_COS, 180, 1000.0, 0, -1000},
        {BT_TAN, 90, 1.0, 0, 32767},  {BT_TAN, -90, -5.0, 0, 32767}, {BT_TAN, 45, 100.0, 0, 99},
        {BT_COT, 0, 1.0, 0, 32767},   {BT_COT, 45, 100.0, 0, 100},  {BT_SEC, 270, 1.0, 0, 32767},
        {BT_SEC, 60, 100.0, 0, 199},  {BT_CSC, 180, 1.0, 0, 32767}, {BT_CSC, 1, 1000.0, 0, 32767},
        // SIN and COS are not clamped; a factor from a damaged record still wraps defined.
        {BT_SIN, 90, 40000.0, 0, 40000 - 65536},
        {BT_COS, 0, 1e300, 0, -1},
    };
    for (const FactorCase& c : cases)
        EXPECT_DOUBLE_EQ(FactorFunction(c.nType, c.x, c.k, c.nBase), c.dExpected)
            << c.nType << " of " << c.x << " with factor " << c.k;
}

TEST(BlockFunction, StepsReadTheInputFactorAndReferencedBase)
{
    WordRig rig(BT_LOG);
    rig.SetInput(0, 1000);
    EXPECT_EQ(rig.Step(), 3) << "the log's new block keeps base ten";
    rig.SetReference(0, 0.9);
    EXPECT_EQ(rig.Step(), 6) << "a referenced base 0.9 truncates to 0 (natural log)";
    rig.SetReference(0, 7.0);
    EXPECT_EQ(rig.Step(), 3) << "held to base ten";

    WordRig pow(BT_POW2);
    pow.SetInput(0, -1);
    EXPECT_EQ(pow.Step(), 0.5) << "the power keeps its fraction";
    EXPECT_EQ(static_cast<CBlockWordValue*>(pow.Block())->FormatValue(), CString(_T("0")));
}

struct QuadCase {
    int a, b, c;
    int nDirection;
    int x;
    double k;
    int nExpected;
};

TEST(BlockFunction, QuadraticRoots)
{
    const QuadCase cases[] = {
        {1, 0, 0, 0, 16, 1.0, 4},
        {1, 0, 0, 1, 16, 1.0, -4},
        {1, 0, 20, 0, 16, 1.0, 0},       // no real root
        {1, -4, 4, 0, 0, 1.0, 2},        // one root: B / (-2A)
        {2, 3, 0, 0, 0, 1.0, 0},         // D = 9: (3 - 3) / 4
        {2, 3, 0, 1, 0, 10.0, -15},      // (-3 - 3) / 4 = -1.5, times 10
        {1, 0, 0, 2, 16, 1.0, 0},        // a root word other than 0 or 1
        {1, 0, 0, 0, 16, -1e9, -32767},
        // Coefficients only a damaged record or an upload holds.
        {0, 5, 1, 0, 11, 1.0, 0},        // A = 0: no division by zero
        {1, 0, -2000000000, 0, 0, 1.0, 32767},  // D = 8e9 overflows 32 bits
        {-2000000000, 2000000000, 2000000000, 1, 0, 1.0, 1},
    };
    for (const QuadCase& c : cases) {
        WordRig rig(BT_QUAD);
        CBlockObj& block = *rig.Block();
        block.m_nParam[9] = c.a;
        block.m_nParamEx[1] = c.b;
        block.m_nParamEx[6] = c.c;
        block.m_nParam[10] = c.nDirection;
        block.m_dParam = c.k;
        rig.SetInput(1, c.x);
        EXPECT_EQ(rig.Step(), c.nExpected)
            << c.a << "y^2 + " << c.b << "y + " << c.c << " = " << c.x;
    }
}

TEST(BlockFunction, QuadraticSuppressedByItsDigitalInput)
{
    WordRig rig(BT_QUAD);
    rig.SetInput(1, 16);
    auto* pHigh = rig.Sim().Add(new CBlockHigh(BT_HIGH), NUM_HIGH);
    SimDriver::Connect(pHigh, rig.Block(), 0);
    EXPECT_EQ(rig.Step(), 0);
}

}  // namespace
