// The math blocks: integer rules within 16 bits, clamped references, the data array over analog
// I/O blocks, the factor functions and the quadratic equation, with the fixed results of
// undefined cases and of words only a damaged record or an upload holds.
#include "BlockRig.h"

#include "blocks/BlockFunction.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockOut.h"

#include <gtest/gtest.h>

#include <climits>
#include <cmath>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr int kDefault = INT_MIN;

// The parameter word (divisor, digits or mode) that each type reads.
int& ParamWord(CBlockObj& block)
{
    const bool bDigits = block.m_nType == BT_FIX || block.m_nType == BT_ROUND;
    return block.m_nParam[bDigits ? FIX_DIGITS_PARAM : MOD_DIVISOR_PARAM];
}

TEST(BlockMath, IntegerRulesWithinSixteenBits)
{
    const struct {
        int nType;
        std::vector<int> inputs;
        int nParam;
        int nExpected;
    } cases[] = {
        {BT_MOD, {-7}, 3, 2},         {BT_MOD, {7}, -3, -2},       {BT_MOD, {-6}, 3, 0},
        {BT_REM, {-7}, 3, -1},        {BT_MOD, {-7}, 0, -7},       {BT_MOD, {-7}, 100000, -31079},
        {BT_ABS, {-32768}, kDefault, -32768},  {BT_GCD, {12, 18}, kDefault, 6},
        {BT_GCD, {0, 5}, kDefault, 0},         {BT_LCM, {300, 400}, kDefault, 1200},
        {BT_LCM, {32767, 32766}, kDefault, 32767}, {BT_LCM, {4, -6}, kDefault, 0},
        {BT_FIX, {1234}, 2, 1200},    {BT_FIX, {-1299}, 2, -1200}, {BT_FIX, {99}, 2, 0},
        {BT_FIX, {-32768}, 1, 0},     {BT_ROUND, {1250}, 2, 1300}, {BT_ROUND, {1249}, 2, 1200},
        {BT_ROUND, {-1250}, 2, -1300}, {BT_ROUND, {50}, 2, 100},   {BT_ROUND, {49}, 2, 0},
        {BT_ROUND, {32767}, 1, -32766},
        // Digit counts outside 0-5 (a damaged record) are held there, so 10^n stays an int.
        {BT_FIX, {32767}, 12, 0},     {BT_ROUND, {32767}, 40, 0},  {BT_FIX, {1234}, -2, 1234},
        {BT_ACMXIV, {-3, 0}, 2, -1},  {BT_ACMXIV, {32767, 32767}, 2, 32767},
        {BT_ACMXIV, {-3, 4}, 1, -3},  {BT_ACMXIV, {-3, 4}, 9, 0},
    };
    for (const auto& c : cases) {
        BlockRig rig(c.nType);
        for (std::size_t i = 0; i < c.inputs.size(); ++i)
            rig.SetWord(int(i), c.inputs[i]);
        if (c.nParam != kDefault)
            ParamWord(*rig.Block()) = c.nParam;
        EXPECT_EQ(rig.Step(), c.nExpected) << c.nType << " param " << c.nParam;
    }
}

TEST(BlockMath, ReferencedParametersAreClamped)
{
    const struct {
        int nType;
        int nInput;
        double dReference;
        int nExpected;
    } cases[] = {
        {BT_MOD, -7, 0.0, 0},        // exactly 0 from a reference
        {BT_REM, -7, 0.4, -7},       // truncated to 0: the input passes
        {BT_MOD, 7, -1e9, -32760},   // held to -32767
        {BT_ROUND, 1234, 9.0, 0},    // held to 5 digits
        {BT_ACMXIV, 5, 7.0, 2},      // mode held to 2: (5 + 0) / 2
        {BT_LOG, 1000, 0.9, 6},      // base 0: the natural logarithm
        {BT_RAND, 0, -100.0, 0},     // range held to 1
    };
    for (const auto& c : cases) {
        BlockRig rig(c.nType);
        rig.SetWord(0, c.nInput);
        rig.SetReference(0, c.dReference);
        EXPECT_EQ(rig.Step(), c.nExpected) << c.nType << " reference " << c.dReference;
    }
}

// Flags AM at index 0 (10), 2 (20) and 511 (-7); index 1 is missing and counts 0.
TEST(BlockMath, DataArrayRanges)
{
    const struct {
        int nMode, nFirst, nCount, nArea;
        int nExpected;
    } cases[] = {
        {2, 0, 3, 0, 10}, {0, 0, 3, 0, 20},  {1, 0, 3, 0, 0}, {1, 511, 32, 0, -7},
        // Ranges with no element, counts and areas from a damaged record or an upload.
        {2, 512, 4, 0, 0}, {2, -3, 4, 0, 0}, {2, 511, 0, 0, -7}, {1, 511, 32, -4, -7},
        {1, 0, 32, 9, 0},
    };
    for (const auto& c : cases) {
        BlockRig rig(BT_ARRMXIV);
        for (auto [nIndex, nValue] : {std::pair{0, 10}, {2, 20}, {511, -7}}) {
            auto* pFlag = new CBlockAnalogFlag(BT_ANALOG_FLAG);
            rig.Sim().Add(pFlag, NUM_ANALOG_FLAG + nIndex);
            rig.HoldWord(pFlag, nValue);
        }
        CBlockObj& block = *rig.Block();
        block.m_nParam[ARRMXIV_MODE_PARAM] = c.nMode;
        block.m_nParamEx[ARRMXIV_FIRST_PARAMEX] = c.nFirst;
        block.m_nParamEx[ARRMXIV_COUNT_PARAMEX] = c.nCount;
        block.m_nParam[ARRMXIV_AREA_PARAM] = c.nArea;
        EXPECT_EQ(rig.Step(), c.nExpected) << c.nMode << " from " << c.nFirst << " " << c.nCount;
    }
}

TEST(BlockMath, RandomNumbersStayBelowTheRange)
{
    BlockRig rig(BT_RAND);
    EXPECT_EQ(rig.Step(), 0) << "range 1";
    rig.Block()->m_nParam[RAND_RANGE_PARAM] = 0;
    EXPECT_EQ(rig.Step(), 0) << "a range of 0 from a damaged record";
    rig.Block()->m_nParam[RAND_RANGE_PARAM] = 10;
    std::set<int> seen;
    for (int i = 0; i < 200; ++i)
        seen.insert(int(rig.Step()));
    EXPECT_EQ(*seen.begin(), 0);
    EXPECT_EQ(*seen.rbegin(), 9);
}

TEST(BlockMath, FactorFunctionsAndTheirFixedValues)
{
    const struct {
        int nType;
        int x;
        double k;
        int nBase;
        double dExpected;
    } cases[] = {
        {BT_LOG, 500, 1, 2, 2},        {BT_LOG, 1000, 1, 1, 9},       {BT_LOG, -5, 1, 0, 0},
        {BT_LOG, 10, 100, 0, 230},     {BT_LOG, 10, 7, 5, 7},         {BT_LOG, 9999, 1e6, 2, 32767},
        {BT_SQRT, -1, 10, 0, -1},      {BT_SQRT, 16, 10, 0, 40},    {BT_SQRT, 99, -1e4, 0, -32767},
        {BT_POW2, 14, 1, 0, 16384},    {BT_POW2, 15, -1, 0, -32767},  {BT_POW2, 20, 0, 0, 0},
        {BT_POW2, -1, 1, 0, 0.5},      {BT_EXP, 10, 1, 0, 22026.465794806718},
        {BT_EXP, 11, 1, 0, 32767},     {BT_SIN, 90, 1000, 0, 1000},   {BT_SIN, -360, 1000, 0, 0},
        {BT_SIN, 30, 1000, 0, 499},    {BT_COS, 270, 1000, 0, 0},     {BT_COS, 180, 1000, 0, -1000},
        {BT_TAN, -90, -5, 0, 32767},   {BT_TAN, 45, 100, 0, 99},      {BT_COT, 0, 1, 0, 32767},
        {BT_SEC, 270, 1, 0, 32767},    {BT_CSC, 180, 1, 0, 32767},    {BT_CSC, 1, 1000, 0, 32767},
        // SIN and COS are not clamped; a factor from a damaged record still wraps defined.
        {BT_SIN, 90, 40000, 0, 40000 - 65536},                        {BT_COS, 0, 1e300, 0, -1},
    };
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(FactorFunction(c.nType, c.x, c.k, c.nBase), c.dExpected)
            << c.nType << " of " << c.x << " with factor " << c.k;
}

TEST(BlockMath, QuadraticRoots)
{
    const struct {
        int a, b, c, nDirection, x;
        double k;
        int nExpected;
    } cases[] = {
        {1, 0, 0, 0, 16, 1, 4},    {1, 0, 0, 1, 16, 1, -4},   {1, 0, 20, 0, 16, 1, 0},
        {1, -4, 4, 0, 0, 1, 2},    {2, 3, 0, 1, 0, 10, -15},  {1, 0, 0, 2, 16, 1, 0},
        {1, 0, 0, 0, 16, -1e9, -32767},
        // A = 0 and a discriminant beyond 32 bits come only from a damaged record or an upload.
        {0, 5, 1, 0, 11, 1, 0},    {1, 0, -2000000000, 0, 0, 1, 32767},
        {-2000000000, 2000000000, 2000000000, 1, 0, 1, 1},
    };
    for (const auto& c : cases) {
        BlockRig rig(BT_QUAD);
        CBlockObj& block = *rig.Block();
        block.m_nParam[QUAD_A_PARAM] = c.a;
        block.m_nParamEx[QUAD_B_PARAMEX] = c.b;
        block.m_nParamEx[QUAD_C_PARAMEX] = c.c;
        block.m_nParam[QUAD_ROOT_PARAM] = c.nDirection;
        block.m_dParam = c.k;
        rig.SetWord(1, c.x);
        EXPECT_EQ(rig.Step(), c.nExpected) << c.a << " " << c.b << " " << c.c << " = " << c.x;
    }
    BlockRig suppressed(BT_QUAD, 1);
    suppressed.SetWord(1, 16);
    suppressed.Scan({1});
    EXPECT_EQ(suppressed.Block()->m_dRunTime, 0) << "pin 0 at 1 suppresses the root";
}

}  // namespace
