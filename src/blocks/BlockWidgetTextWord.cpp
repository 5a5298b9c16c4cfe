// Message-text element texts of the word, math and special blocks: their input words,
// their current value (m_dRunTime) and the count, mask, base or limit they work with. A
// parameter taken from another block shows the block's number on the LCD and its value, held to
// the parameter's range, in the editor.
#include "blocks/BlockWidgetText.h"

#include "blocks/BlockExtended.h"
#include "blocks/BlockFunction.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockWord.h"
#include "blocks/BlockWordValue.h"
#include "blocks/ValueBox.h"

namespace {

constexpr int kWordLimit = 32767;
// The encoder's count range and the stepping motor's and pulse train's limits.
constexpr int kEncoderLimit = 999999;
constexpr int kPulseLimit = 99999999;

// The texts below serve several types from one word, which each family names for itself: the
// first parameter (shift count, mask, range, divisor, bit number, the encoder's On count),
static_assert(RAND_RANGE_PARAM == WORDOP_OPERAND_PARAM);
static_assert(MOD_DIVISOR_PARAM == WORDOP_OPERAND_PARAM);
static_assert(WORD2BIT_BIT_PARAM == WORDOP_OPERAND_PARAM);
static_assert(ENCODER_ON_PARAM == WORDOP_OPERAND_PARAM);
// the base word (the logarithm's base, the decimal digits, the quadratic equation's root),
static_assert(FIX_DIGITS_PARAM == LOG_BASE_PARAM && QUAD_ROOT_PARAM == LOG_BASE_PARAM);
// the mode of both max/min/average blocks and the encoder's Off count beside the pulse rate.
static_assert(ACMXIV_MODE_PARAM == ARRMXIV_MODE_PARAM);
static_assert(ENCODER_OFF_PARAMEX == PULSE_RATE_PARAMEX);

// Input word 0 or 1: the word at the pin while a simulation runs; in the editor the block's
// stored editor input.
int InputWordOf(const WidgetTextRequest& r, int nPin)
{
    return r.bSimulating ? InputWord(r.block, nPin) : WrapWord(r.block.m_nEditorInput[nPin]);
}

template <int nPin>
CString Input(const WidgetTextRequest& r) { return WidgetDecimal(InputWordOf(r, nPin)); }

// The binary-code block reads BCD, shown in hexadecimal.
template <int nPin>
CString BcdInput(const WidgetTextRequest& r) { return WidgetHexWord(InputWordOf(r, nPin)); }

int CurrentValue(const WidgetTextRequest& r)
{
    return TruncToInt(r.block.m_dRunTime);
}

CString Value(const WidgetTextRequest& r) { return WidgetDecimal(CurrentValue(r)); }
CString ValueHexWord(const WidgetTextRequest& r) { return WidgetHexWord(CurrentValue(r)); }
CString SegmentPattern(const WidgetTextRequest& r)
{
    return Formatted(_T("0x%02X"), unsigned(CurrentValue(r)) & 0xFFu);
}

template <int nLow, int nHigh>
CString Param9(const WidgetTextRequest& r)
{
    return WidgetParamText(r, 0, r.block.m_nParam[WORDOP_OPERAND_PARAM], nLow, nHigh,
                           WidgetDecimal);
}

CString Mask(const WidgetTextRequest& r)
{
    return WidgetParamText(r, 0, r.block.m_nParam[WORDOP_OPERAND_PARAM], -kWordLimit, 65535,
                           WidgetHexWord);
}

CString BaseOfLogarithm(int nBase)
{
    return nBase == 0 ? CString(_T("e")) : nBase == 1 ? CString(_T("2")) : CString(_T("10"));
}

CString BaseText(const WidgetTextRequest& r, CString (*pFormat)(int nValue))
{
    return WidgetParamText(r, 0, r.block.m_nParam[LOG_BASE_PARAM], -kWordLimit, kWordLimit,
                           pFormat);
}

// The logarithm names its base; the fixed-point blocks count decimal places.
CString LogarithmBase(const WidgetTextRequest& r) { return BaseText(r, BaseOfLogarithm); }
CString Base10(const WidgetTextRequest& r) { return BaseText(r, WidgetDecimal); }

CString Amplification(const WidgetTextRequest& r)
{
    return Formatted(_T("%.2f"), r.block.m_dParam);
}

CString ModeName(int nMode)
{
    if (nMode == 0)
        return _T("Maximum");
    return nMode == 1 ? _T("Minimum") : _T("Average");
}

CString Mode(const WidgetTextRequest& r)
{
    return WidgetParamText(r, 0, r.block.m_nParam[ARRMXIV_MODE_PARAM], 0, 2, ModeName);
}

CString ArrayCount(const WidgetTextRequest& r)
{
    return WidgetParamText(r, 1, r.block.m_nParamEx[ARRMXIV_COUNT_PARAMEX], 1, 32, WidgetDecimal);
}

// The pulse blocks' rate (reference 1) and length (reference 0).
template <int nLow, int nHigh>
CString PulseEx1(const WidgetTextRequest& r)
{
    return WidgetParamText(r, 1, r.block.m_nParamEx[PULSE_RATE_PARAMEX], nLow, nHigh,
                           WidgetDecimal);
}

CString PulseEx6(const WidgetTextRequest& r)
{
    return WidgetParamText(r, 0, r.block.m_nParamEx[PULSE_LENGTH_PARAMEX], 0, kPulseLimit,
                           WidgetDecimal);
}

CString EncoderStart(const WidgetTextRequest& r)
{
    return WidgetDecimal(r.block.m_nParam[ENCODER_START_PARAM]);
}

CString EncoderSource(const WidgetTextRequest& r)
{
    return r.block.m_nParamEx[ENCODER_PAIR_PARAMEX] == 0 ? CString(_T("I0&I1"))
                                                          : CString(_T("I2&I3"));
}

CString Cycle(const WidgetTextRequest& r)
{
    return WidgetDecimal(r.block.m_nParam[UDC_CYCLE_PARAM]);
}

// Every word, math and special block shows its input words and, but for the BCD converter and
// the segment decoder, its value as a number.
constexpr WidgetTextRow kInputs[] = {
    {89, Input<0>},
    {90, Input<1>},
};
constexpr WidgetTextRow kBcdInputs[] = {
    {89, BcdInput<0>},
    {90, BcdInput<1>},
};
constexpr WidgetTextRow kValue[] = {{114, Value}};
constexpr WidgetTextRow kHexValue[] = {{114, ValueHexWord}};
constexpr WidgetTextRow kSegmentValue[] = {{114, SegmentPattern}};

// The parameter word of the blocks that take one.
constexpr WidgetTextRow kParam[] = {{122, Param9<-kWordLimit, kWordLimit>}};

constexpr WidgetTextRow kShiftCounts[] = {
    {118, Param9<1, 15>},
    {119, Param9<1, 15>},
};
constexpr WidgetTextRow kMask[] = {{120, Mask}};
constexpr WidgetTextRow kMode[] = {{95, Mode}};
constexpr WidgetTextRow kArrayCount[] = {{121, ArrayCount}};
// The math functions' base and amplification.
constexpr WidgetTextRow kMathOwn[] = {
    {122, Base10},
    {123, Amplification},
};
constexpr WidgetTextRow kLogarithmOwn[] = {
    {122, LogarithmBase},
    {123, Amplification},
};
constexpr WidgetTextRow kEncoderOwn[] = {
    {144, Value},
    {140, EncoderStart},
    {130, EncoderSource},
    {141, Param9<-kEncoderLimit, kEncoderLimit>},
    {142, PulseEx1<-kEncoderLimit, kEncoderLimit>},
};
constexpr WidgetTextRow kSteps[] = {{126, PulseEx1<0, kPulseLimit>}};
constexpr WidgetTextRow kStepLength[] = {{127, PulseEx6}};
constexpr WidgetTextRow kPulses[] = {{138, PulseEx1<0, kPulseLimit>}};
constexpr WidgetTextRow kPulseLength[] = {{143, PulseEx6}};
constexpr WidgetTextRow kBit[] = {{124, Param9<0, 15>}};
constexpr WidgetTextRow kCycle[] = {{128, Cycle}};
constexpr WidgetTextRow kChecksum[] = {{129, ValueHexWord}};

constexpr auto kBin = JoinWidgetTexts(kBcdInputs, kValue);
constexpr auto kBcd = JoinWidgetTexts(kInputs, kHexValue);
constexpr auto kShift = JoinWidgetTexts(kInputs, kValue, kShiftCounts);
constexpr auto kMasking = JoinWidgetTexts(kInputs, kValue, kMask);
constexpr auto kArrayMaxMin = JoinWidgetTexts(kInputs, kValue, kMode, kArrayCount);
constexpr auto kAcMaxMin = JoinWidgetTexts(kInputs, kValue, kMode);
constexpr auto kWordParam = JoinWidgetTexts(kInputs, kValue, kParam);
constexpr auto kMath = JoinWidgetTexts(kInputs, kValue, kMathOwn);
constexpr auto kLogarithm = JoinWidgetTexts(kInputs, kValue, kLogarithmOwn);
constexpr auto kEncoder = JoinWidgetTexts(kInputs, kValue, kParam, kEncoderOwn);
constexpr auto kSteppingMotor = JoinWidgetTexts(kInputs, kValue, kParam, kSteps);
constexpr auto kEdgeSteppingMotor = JoinWidgetTexts(kInputs, kValue, kParam, kSteps, kStepLength);
constexpr auto kPulseTrain = JoinWidgetTexts(kInputs, kValue, kParam, kPulses);
constexpr auto kEdgePulseTrain = JoinWidgetTexts(kInputs, kValue, kParam, kPulses, kPulseLength);
constexpr auto kSegment = JoinWidgetTexts(kInputs, kSegmentValue, kParam);
constexpr auto kWordToBit = JoinWidgetTexts(kInputs, kValue, kParam, kBit);
constexpr auto kUpDownCycle = JoinWidgetTexts(kInputs, kValue, kParam, kCycle);
constexpr auto kCrc = JoinWidgetTexts(kInputs, kValue, kParam, kChecksum);

}  // namespace

std::span<const WidgetTextRow> BinWidgetTexts() { return kBin; }
std::span<const WidgetTextRow> BcdWidgetTexts() { return kBcd; }
std::span<const WidgetTextRow> ShiftWidgetTexts() { return kShift; }
std::span<const WidgetTextRow> MaskWidgetTexts() { return kMasking; }
std::span<const WidgetTextRow> ArrayMaxMinWidgetTexts() { return kArrayMaxMin; }
std::span<const WidgetTextRow> AcMaxMinWidgetTexts() { return kAcMaxMin; }
std::span<const WidgetTextRow> WordParamWidgetTexts() { return kWordParam; }
std::span<const WidgetTextRow> MathWidgetTexts() { return kMath; }
std::span<const WidgetTextRow> LogarithmWidgetTexts() { return kLogarithm; }
std::span<const WidgetTextRow> EncoderWidgetTexts() { return kEncoder; }
std::span<const WidgetTextRow> SteppingMotorWidgetTexts() { return kSteppingMotor; }
std::span<const WidgetTextRow> EdgeSteppingMotorWidgetTexts() { return kEdgeSteppingMotor; }
std::span<const WidgetTextRow> PulseTrainWidgetTexts() { return kPulseTrain; }
std::span<const WidgetTextRow> EdgePulseTrainWidgetTexts() { return kEdgePulseTrain; }
std::span<const WidgetTextRow> SegmentWidgetTexts() { return kSegment; }
std::span<const WidgetTextRow> WordToBitWidgetTexts() { return kWordToBit; }
std::span<const WidgetTextRow> UpDownCycleWidgetTexts() { return kUpDownCycle; }
std::span<const WidgetTextRow> CrcWidgetTexts() { return kCrc; }
