#include "blocks/BlockMath.h"

#include "blocks/BlockDocument.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockOut.h"
#include "blocks/BlockSetup.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "blocks/ValueBox.h"
#include "platform/core/ObList.h"
#include "platform/core/Runtime.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace {

// A block with one analog input (a word) and an analog or digital result.
constexpr BlockSetup OneInputSetup(int nType, int nCapFlags)
{
    return {.nType = nType, .nInputs = 1, .wProgramBytes = 8, .nPinSlots = 3,
            .nCapFlags = nCapFlags, .links = {{{1, LINK_END}, {2, LINK_END}}}};
}

// A word input and a parameter pin: the divisor or the number of digits.
constexpr BlockSetup ParamInputSetup(int nType)
{
    return {.nType = nType, .nInputs = 2, .wProgramBytes = 8, .nPinSlots = 3, .nCapFlags = 0x3F,
            .links = {{{1, LINK_PARAM}, {2, LINK_END}}}};
}

constexpr BlockSetup DivisorSetup(int nType)
{
    BlockSetup setup = ParamInputSetup(nType);
    setup.bLimits = true;
    setup.nLimitLow = -32767;
    setup.nLimitHigh = 32767;
    setup.words = {{{BlockWord::Param, MOD_DIVISOR_PARAM, 10}}};
    return setup;
}

constexpr BlockSetup DigitsSetup(int nType)
{
    BlockSetup setup = ParamInputSetup(nType);
    setup.words = {{{BlockWord::Param, FIX_DIGITS_PARAM, 0}}};
    return setup;
}

constexpr BlockSetup TwoWordSetup(int nType)
{
    return {.nType = nType, .nInputs = 2, .wProgramBytes = 8, .nPinSlots = 3, .nCapFlags = 0x3D,
            .links = {{{2, LINK_END}}}};
}

// Role codes 83 and 85 are kept and sent with the program as written.
constexpr std::array<BlockSetup, 12> kMathSetups = {{
    {.nType = BT_ARRMXIV, .nInputs = 1, .wProgramBytes = 12, .nPinSlots = 5, .nCapFlags = 0x3F,
     .bLimits = true, .nLimitLow = 1, .nLimitHigh = 32,
     .links = {{{0, LINK_PARAM}, {1, 85}, {2, 83}, {3, LINK_END}, {4, LINK_END}}},
     .words = {{{BlockWord::ParamEx, ARRMXIV_COUNT_PARAMEX, 1}}}},
    {.nType = BT_ACMXIV, .nInputs = 3, .wProgramBytes = 12, .nPinSlots = 5, .nCapFlags = 0x3F,
     .bLimits = true, .nLimitLow = 0, .nLimitHigh = 2,
     .links = {{{2, LINK_PARAM}, {3, LINK_END}, {4, LINK_END}}}},
    {.nType = BT_RAND, .nInputs = 1, .wProgramBytes = 8, .nPinSlots = 3, .nCapFlags = 0x3F,
     .bLimits = true, .nLimitLow = 1, .nLimitHigh = 32767,
     .links = {{{0, LINK_PARAM}, {1, LINK_END}, {2, LINK_END}}},
     .words = {{{BlockWord::Param, RAND_RANGE_PARAM, 1}}}},
    OneInputSetup(BT_ODD, 0x04),
    OneInputSetup(BT_EVEN, 0x04),
    DivisorSetup(BT_MOD),
    DivisorSetup(BT_REM),
    OneInputSetup(BT_ABS, 0x3D),
    TwoWordSetup(BT_GCD),
    TwoWordSetup(BT_LCM),
    DigitsSetup(BT_FIX),
    DigitsSetup(BT_ROUND),
}};

constexpr int kMaxArrayCount = 32;
constexpr int kModeMax = 0;
constexpr int kModeMin = 1;
constexpr int kModeAverage = 2;
constexpr int kMaxDigits = 5;

// One area of analog I/O blocks that the data-array block reads: the class, the first block
// number and the number of entries.
struct ArrayArea {
    const CRuntimeClass* pClass;
    int nFirstNumber;
    int nEntries;
};

const ArrayArea& AreaOf(int nArea)
{
    static const ArrayArea kAreas[] = {
        {RUNTIME_CLASS(CBlockAnalogFlag), NUM_ANALOG_FLAG, 512},
        {RUNTIME_CLASS(CBlockAnalogOut), NUM_ANALOG_OUT, 32},
        {RUNTIME_CLASS(CBlockAnalogIn), NUM_ANALOG_IN, 64},
    };
    // An area word outside 0-2 (only from a damaged record) reads the nearest area.
    return kAreas[std::clamp(nArea, 0, 2)];
}

// Max, min or the sum divided by the count (truncated); any other mode gives 0. The data array
// forms its sum in 16 bits (wrapping), the two-value block in an int.
enum class SumWidth { Word, Int };

int Combine(int nMode, const int* pValues, int nCount, SumWidth width)
{
    switch (nMode) {
    case kModeMax:
        return *std::max_element(pValues, pValues + nCount);
    case kModeMin:
        return *std::min_element(pValues, pValues + nCount);
    case kModeAverage: {
        int nSum = 0;
        for (int i = 0; i < nCount; ++i)
            nSum = width == SumWidth::Word ? WrapWord(nSum + pValues[i]) : nSum + pValues[i];
        return nSum / nCount;
    }
    default:
        return 0;
    }
}

// x * d = 0 passes x through; the sign test avoids forming the product.
int TruncatedRemainder(int x, int d)
{
    if (x == 0 || d == 0)
        return x;
    return x % d;
}

// The result takes the sign of the divisor.
int FlooredModulo(int x, int d)
{
    if (x == 0 || d == 0)
        return x;
    const int r = x % d;
    if ((x > 0) == (d > 0))
        return r;
    return r != 0 ? r + d : 0;
}

// The divisor, or the referenced one clamped to -32767 .. 32767; false when a reference gives
// exactly 0, which ends the step with the value 0.
bool DivisorOf(CBlockObj& block, int* pDivisor)
{
    double v = 0.0;
    if (!GetReferencedValue(block, 0, &v)) {
        *pDivisor = block.m_nParam[MOD_DIVISOR_PARAM];
        return true;
    }
    if (v == 0.0)
        return false;
    *pDivisor = TruncToInt(ClampWord(v));
    return true;
}

int PowerOfTen(int n)
{
    int p = 1;
    for (int i = 0; i < n; ++i)
        p *= 10;
    return p;
}

// The digit count: the parameter or the referenced value, both held to 0..5 so that 10^n
// stays within an int.
int DigitsOf(CBlockObj& block)
{
    return std::clamp(
        ParamOrClampedRef(block, 0, block.m_nParam[FIX_DIGITS_PARAM], 0, kMaxDigits), 0,
        kMaxDigits);
}

// The absolute value within 16 bits: -32768 stays -32768.
int WordAbs(int x)
{
    return x == -32768 ? x : std::abs(x);
}

int FixDigits(int x, int p)
{
    const int a = WordAbs(x);
    return a < p ? 0 : a - a % p;
}

int RoundDigits(int x, int p)
{
    const int a = WordAbs(x);
    if (a < p)
        return a >= p / 2 ? p : 0;
    const int nRest = a % p;
    return a - nRest + (nRest >= p / 2 ? p : 0);
}

// Applies the digit rule to |x| and gives the result x's sign, wrapped to 16 bits.
int DigitsStep(CBlockObj& block, int (*pRule)(int, int))
{
    const int x = InputWord(block, 0);
    const int n = DigitsOf(block);
    if (n == 0)
        return x;
    const int r = pRule(x, PowerOfTen(n));
    return WrapWord(x > 0 ? r : -r);
}

} // namespace

IMPLEMENT_TABLE_BLOCK(CBlockARRMXIV, CBlockWordValue, kMathSetups, BT_ARRMXIV)
IMPLEMENT_TABLE_BLOCK(CBlockACMXIV, CBlockWordValue, kMathSetups, BT_ACMXIV)
IMPLEMENT_TABLE_BLOCK(CBlockRAND, CBlockWordValue, kMathSetups, BT_RAND)
IMPLEMENT_TABLE_BLOCK(CBlockODD, CBlockObj, kMathSetups, BT_ODD)
IMPLEMENT_TABLE_BLOCK(CBlockEVEN, CBlockObj, kMathSetups, BT_EVEN)
IMPLEMENT_TABLE_BLOCK(CBlockMOD, CBlockWordValue, kMathSetups, BT_MOD)
IMPLEMENT_TABLE_BLOCK(CBlockREM, CBlockWordValue, kMathSetups, BT_REM)
IMPLEMENT_TABLE_BLOCK(CBlockABS, CBlockWordValue, kMathSetups, BT_ABS)
IMPLEMENT_TABLE_BLOCK(CBlockGCD, CBlockWordValue, kMathSetups, BT_GCD)
IMPLEMENT_TABLE_BLOCK(CBlockLCM, CBlockWordValue, kMathSetups, BT_LCM)
IMPLEMENT_TABLE_BLOCK(CBlockFIX, CBlockWordValue, kMathSetups, BT_FIX)
IMPLEMENT_TABLE_BLOCK(CBlockROUND, CBlockWordValue, kMathSetups, BT_ROUND)

BOOL CBlockARRMXIV::Simulate(const CSimContext*)
{
    const int nMode = ParamOrClampedRef(*this, 0, m_nParam[ARRMXIV_MODE_PARAM], 0, 2);
    const int nCount = std::clamp(
        ParamOrClampedRef(*this, 1, m_nParamEx[ARRMXIV_COUNT_PARAMEX], 1, kMaxArrayCount), 1,
        kMaxArrayCount);
    const ArrayArea& area = AreaOf(m_nParam[ARRMXIV_AREA_PARAM]);
    const int nFirstIndex = m_nParamEx[ARRMXIV_FIRST_PARAMEX];
    // A first index outside the area leaves no element to combine.
    const IBlockDocument* pDoc = GetDocument();
    if (!pDoc || nFirstIndex < 0 || nFirstIndex >= area.nEntries) {
        m_dRunTime = 0.0;
        return TRUE;
    }
    const int n = std::min(nCount, area.nEntries - nFirstIndex);
    const int nFirst = area.nFirstNumber + nFirstIndex;
    const int nLast = nFirst + n - 1;
    std::array<int, kMaxArrayCount> values{};
    int nFilled = 0;
    for (const CBlockObj* pBlock : pDoc->FindBlocksInNumberRange(nFirst, nLast)) {
        if (nFilled < n && pBlock->IsKindOf(area.pClass))
            values[std::size_t(nFilled++)] = WrapWord(pBlock->m_nHeldValue);
    }
    m_dRunTime = Combine(nMode, values.data(), n, SumWidth::Word);
    return TRUE;
}

BOOL CBlockACMXIV::Simulate(const CSimContext*)
{
    const int a = InputWord(*this, 0);
    const int b = InputWord(*this, 1);
    const int nMode = ParamOrClampedRef(*this, 0, m_nParam[ACMXIV_MODE_PARAM], 0, 2);
    const int values[2] = {a, b};
    m_dRunTime = Combine(nMode, values, 2, SumWidth::Int);
    return TRUE;
}

// The runtime generator is reseeded with its own next output before each draw; a range of 0 or
// below (only from a damaged record) gives 0 instead of a division by zero.
BOOL CBlockRAND::Simulate(const CSimContext*)
{
    const int nRange = ParamOrClampedRef(*this, 0, m_nParam[RAND_RANGE_PARAM], 1, 32767);
    crt::srand(unsigned(crt::rand()));
    const int nDraw = crt::rand();
    m_dRunTime = nRange > 0 ? nDraw % nRange : 0;
    return TRUE;
}

BOOL CBlockODD::Simulate(const CSimContext*)
{
    m_nPinValue[BLOCK_FIRST_OUTPUT] = InputWord(*this, 0) & 1;
    return TRUE;
}

BOOL CBlockEVEN::Simulate(const CSimContext*)
{
    m_nPinValue[BLOCK_FIRST_OUTPUT] = (InputWord(*this, 0) & 1) ? 0 : 1;
    return TRUE;
}

BOOL CBlockMOD::Simulate(const CSimContext*)
{
    int d = 0;
    m_dRunTime = DivisorOf(*this, &d) ? WrapWord(FlooredModulo(InputWord(*this, 0), d)) : 0;
    return TRUE;
}

BOOL CBlockREM::Simulate(const CSimContext*)
{
    int d = 0;
    m_dRunTime = DivisorOf(*this, &d) ? WrapWord(TruncatedRemainder(InputWord(*this, 0), d)) : 0;
    return TRUE;
}

BOOL CBlockABS::Simulate(const CSimContext*)
{
    m_dRunTime = WordAbs(InputWord(*this, 0));
    return TRUE;
}

BOOL CBlockGCD::Simulate(const CSimContext*)
{
    const int a = InputWord(*this, 0);
    const int b = InputWord(*this, 1);
    m_dRunTime = a > 0 && b > 0 ? Gcd(a, b) : 0;
    return TRUE;
}

// Both operands are below 2^15, so the product in Lcm stays within an int.
BOOL CBlockLCM::Simulate(const CSimContext*)
{
    const int a = InputWord(*this, 0);
    const int b = InputWord(*this, 1);
    m_dRunTime = a > 0 && b > 0 ? std::min(Lcm(a, b), 32767) : 0;
    return TRUE;
}

BOOL CBlockFIX::Simulate(const CSimContext*)
{
    m_dRunTime = DigitsStep(*this, FixDigits);
    return TRUE;
}

BOOL CBlockROUND::Simulate(const CSimContext*)
{
    m_dRunTime = DigitsStep(*this, RoundDigits);
    return TRUE;
}

WordValueStyle CBlockARRMXIV::ValueStyle() const
{
    return {3, _T("%d")};
}

WordValueStyle CBlockACMXIV::ValueStyle() const
{
    return {3, _T("%d")};
}

WordValueStyle CBlockFIX::ValueStyle() const
{
    return {3, _T("%-d")};
}

WordValueStyle CBlockROUND::ValueStyle() const
{
    return {3, _T("%-d")};
}

WordValueStyle CBlockRAND::ValueStyle() const
{
    return {5, _T("%d")};
}
