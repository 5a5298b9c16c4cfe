// The integer math blocks: modulo and remainder, absolute value, GCD and LCM, fixed point and
// rounding, two-value max/min/average, the data array over analog I/O blocks, parity and the
// random number, with the fixed results of their undefined cases.
#include "WordBlockRig.h"

#include "blocks/BlockMath.h"
#include "blocks/BlockOut.h"

#include <gtest/gtest.h>

#include <climits>
#include <set>
#include <utility>
#include <vector>

namespace {

constexpr int kNoParam = INT_MIN;

struct MathCase {
    int nType;
    std::vector<int> inputs;
    int nParam;  // the divisor, digits or mode word; kNoParam keeps the default
    int nExpected;
};

// The parameter word each type reads.
int& ParamWord(CBlockObj& block)
{
    return block.m_nType == BT_FIX || block.m_nType == BT_ROUND ? block.m_nParam[10]
                                                                 : block.m_nParam[9];
}

TEST(BlockMath, IntegerRulesWithinSixteenBits)
{
    const MathCase cases[] = {
        {BT_MOD, {-7}, 3, 2},        {BT_MOD, {7}, -3, -2},       {BT_MOD, {-6}, 3, 0},
        {BT_MOD, {7}, 3, 1},         {BT_REM, {-7}, 3, -1},       {BT_REM, {7}, -3, 1},
        {BT_MOD, {-7}, 0, -7},       {BT_REM, {0}, 5, 0},         {BT_MOD, {-7}, 100000, -31079},
        {BT_ABS, {-32768}, kNoParam, -32768},
        {BT_ABS, {-5}, kNoParam, 5},
        {BT_GCD, {12, 18}, kNoParam, 6},
        {BT_GCD, {0, 5}, kNoParam, 0},
        {BT_GCD, {-12, 18}, kNoParam, 0},
        {BT_LCM, {300, 400}, kNoParam, 1200},
        {BT_LCM, {32767, 32766}, kNoParam, 32767},
        {BT_LCM, {4, -6}, kNoParam, 0},
        {BT_FIX, {1234}, 2, 1200},   {BT_FIX, {-1299}, 2, -1200}, {BT_FIX, {99}, 2, 0},
        {BT_FIX, {1234}, 0, 1234},   {BT_FIX, {-32768}, 1, 0},
        {BT_ROUND, {1250}, 2, 1300}, {BT_ROUND, {1249}, 2, 1200}, {BT_ROUND, {-1250}, 2, -1300},
        {BT_ROUND, {50}, 2, 100},    {BT_ROUND, {49}, 2, 0},      {BT_ROUND, {32767}, 1, -32766},
        {BT_ROUND, {-32768}, 3, 0},
        // Digit counts beyond 5 (a damaged record) are held to 5, so 10^n stays an int.
        {BT_FIX, {32767}, 12, 0},    {BT_ROUND, {32767}, 40, 0},  {BT_FIX, {1234}, -2, 1234},
        {BT_ACMXIV, {-3, 0}, 2, -1}, {BT_ACMXIV, {32767, 32767}, 2, 32767},
        {BT_ACMXIV, {-3, 4}, 0, 4},  {BT_ACMXIV, {-3, 4}, 1, -3}, {BT_ACMXIV, {-3, 4}, 9, 0},
    };
    for (const MathCase& c : cases) {
        WordRig rig(c.nType);
        for (std::size_t i = 0; i < c.inputs.size(); ++i)
            rig.SetInput(int(i), c.inputs[i]);
        if (c.nParam != kNoParam)
            ParamWord(*rig.Block()) = c.nParam;
        EXPECT_EQ(rig.Step(), c.nExpected) << c.nType << " param " << c.nParam;
    }
}

struct RefCase {
    int nType;
    int nInput;
    double dReference;
    int nExpected;
};

TEST(BlockMath, ReferencedParametersAreClamped)
{
    const RefCase cases[] = {
        {BT_MOD, -7, 0.0, 0},        // exactly 0 from a reference: the value is 0
        {BT_REM, -7, 0.4, -7},       // truncated to 0: x passes through
        {BT_REM, 7, -3.9, 1},
        {BT_MOD, 7, -1e9, -32760},   // clamped to -32767
        {BT_FIX, 1234, 2.9, 1200},
        {BT_ROUND, 1234, 9.0, 0},    // held to 5 digits
        {BT_ROUND, 1234, -1.0, 1234},
        {BT_ACMXIV, 5, 7.0, 2},      // mode held to 2: (5 + 0) / 2
    };
    for (const RefCase& c : cases) {
        WordRig rig(c.nType);
        rig.SetInput(0, c.nInput);
        rig.SetReference(0, c.dReference);
        EXPECT_EQ(rig.Step(), c.nExpected) << c.nType << " reference " << c.dReference;
    }
}

TEST(BlockMath, ParityDrivesTheOutputState)
{
    const struct {
        int nType;
        int nInput;
        int nState;
    } cases[] = {{BT_ODD, -3, 1}, {BT_ODD, 4, 0}, {BT_EVEN, -32768, 1}, {BT_EVEN, 7, 0}};
    for (const auto& c : cases) {
        WordRig rig(c.nType);
        rig.SetInput(0, c.nInput);
        rig.Step();
        EXPECT_EQ(SimDriver::State(rig.Block()), c.nState) << c.nType << " of " << c.nInput;
    }
}

// A data array over analog flags AM numbered 4288 + index with the given values. The flags'
// own steps, scanned after the array, copy their open input; each run sets the values again.
class DataArray : public ::testing::Test {
protected:
    DataArray() : m_rig(BT_ARRMXIV) {}

    void AddFlag(int nIndex, int nValue)
    {
        auto* pFlag = new CBlockAnalogFlag(BT_ANALOG_FLAG);
        m_flags.emplace_back(m_rig.Sim().Add(pFlag, NUM_ANALOG_FLAG + nIndex), nValue);
    }

    double Run(int nMode, int nFirst, int nCount, int nArea = 0)
    {
        CBlockObj& block = *m_rig.Block();
        block.m_nParam[9] = nMode;
        block.m_nParamEx[0] = nFirst;
        block.m_nParamEx[1] = nCount;
        block.m_nParam[8] = nArea;
        for (auto [pFlag, nValue] : m_flags)
            pFlag->m_nAux2 = nValue;
        return m_rig.Step();
    }

    WordRig m_rig;
    std::vector<std::pair<CBlockObj*, int>> m_flags;
};

TEST_F(DataArray, MissingEntriesCountAsZero)
{
    AddFlag(0, 10);
    AddFlag(2, 20);
    EXPECT_EQ(Run(2, 0, 3), 10);
    EXPECT_EQ(Run(0, 0, 3), 20);
    EXPECT_EQ(Run(1, 0, 3), 0);
    EXPECT_EQ(Run(1, 2, 1), 20);
}

TEST_F(DataArray, SumWrapsInSixteenBits)
{
    AddFlag(0, 30000);
    AddFlag(1, 30000);
    EXPECT_EQ(Run(2, 0, 2), (60000 - 65536) / 2);
    EXPECT_EQ(Run(0, 0, 2), 30000);
}

// Ranges and words that only a damaged record or an upload holds give defined results.
TEST_F(DataArray, RangesWithoutElementsAndDamagedWords)
{
    AddFlag(511, -7);
    EXPECT_EQ(Run(1, 511, 32), -7) << "the count is cut at the end of the area";
    EXPECT_EQ(Run(2, 512, 4), 0) << "a first index beyond the area leaves no element";
    EXPECT_EQ(Run(2, -3, 4), 0) << "a negative first index leaves no element";
    EXPECT_EQ(Run(2, 511, 0), -7) << "a count of 0 reads one entry, no division by zero";
    EXPECT_EQ(Run(1, 511, 32, -4), -7) << "an area word below 0 reads the AM area";
    EXPECT_EQ(Run(1, 0, 32, 9), 0) << "an area word above 2 reads the AI area, here empty";
}

TEST_F(DataArray, CountAndModeFromReferences)
{
    AddFlag(0, 5);
    AddFlag(1, 9);
    m_rig.SetReference(1, 0.0);
    EXPECT_EQ(Run(0, 0, 32), 5) << "a referenced count is held to 1";
    m_rig.SetReference(1, 100.0);
    m_rig.SetReference(0, -3.0);
    EXPECT_EQ(Run(2, 0, 1), 9) << "mode held to 0 (max) over 32 entries";
}

TEST(BlockMath, RandomNumbersStayBelowTheRange)
{
    WordRig rig(BT_RAND);
    EXPECT_EQ(rig.Step(), 0) << "range 1";
    rig.Block()->m_nParam[9] = 0;
    EXPECT_EQ(rig.Step(), 0) << "a range of 0 from a damaged record";
    rig.Block()->m_nParam[9] = -5;
    EXPECT_EQ(rig.Step(), 0);
    rig.Block()->m_nParam[9] = 10;
    std::set<int> seen;
    for (int i = 0; i < 200; ++i) {
        const int n = int(rig.Step());
        ASSERT_GE(n, 0);
        ASSERT_LT(n, 10);
        seen.insert(n);
    }
    EXPECT_GT(seen.size(), 5u) << "a new number every scan";
    rig.SetReference(0, -100.0);
    EXPECT_EQ(rig.Step(), 0) << "a referenced range is held to 1";
}

}  // namespace
