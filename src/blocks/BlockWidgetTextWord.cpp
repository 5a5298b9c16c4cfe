// Message-text element texts of the word, math and special blocks (832-879): their input words,
// their current value (m_dRunTime) and the count, mask, base or limit they work with. A
// parameter taken from another block shows the block's number on the LCD and its value, held to
// the parameter's range, in the editor.
#include "blocks/BlockWidgetText.h"

#include "blocks/BlockExtended.h"
#include "blocks/BlockFunction.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
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

// The binary-code block reads BCD, shown in hexadecimal.
CString InputText(const WidgetTextRequest& r, int nPin)
{
    const int nWord = InputWordOf(r, nPin);
    return r.block.m_nType == BT_BIN ? WidgetHexWord(nWord) : WidgetDecimal(nWord);
}

CString InputA(const WidgetTextRequest& r) { return InputText(r, 0); }
CString InputB(const WidgetTextRequest& r) { return InputText(r, 1); }

int CurrentValue(const WidgetTextRequest& r)
{
    return TruncToInt(r.block.m_dRunTime);
}

CString Value(const WidgetTextRequest& r) { return WidgetDecimal(CurrentValue(r)); }
CString ValueHexWord(const WidgetTextRequest& r) { return WidgetHexWord(CurrentValue(r)); }
CString SegmentPattern(const WidgetTextRequest& r)
{
    return WidgetFormat(_T("0x%02X"), unsigned(CurrentValue(r)) & 0xFFu);
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

// The logarithm names its base; the fixed-point blocks count decimal places.
CString Base10(const WidgetTextRequest& r)
{
    const auto pFormat = r.block.m_nType == BT_LOG ? BaseOfLogarithm : WidgetDecimal;
    return WidgetParamText(r, 0, r.block.m_nParam[LOG_BASE_PARAM], -kWordLimit, kWordLimit,
                           pFormat);
}

CString Amplification(const WidgetTextRequest& r)
{
    return WidgetFormat(_T("%.2f"), r.block.m_dParam);
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

// The word, math and special blocks, and the math functions among them that have a base and an
// amplification.
constexpr TypeCodeList kWordTypes = {
    BT_BCD, BT_BIN, BT_ROL, BT_ROR, BT_SHL, BT_SHR, BT_ANDM, BT_ORM, BT_NOTM, BT_NANDM, BT_NORM, BT_XORM,
    BT_ARRMXIV, BT_ACMXIV, BT_RAND, BT_MEM, BT_ENCODER, BT_SMC, BT_SMCE, BT_PTO, BT_PTOE, BT_SEG,
    BT_WORD2BIT, BT_UDC, BT_CRC16, BT_ODD, BT_EVEN, BT_MOD, BT_REM, BT_LOG, BT_SQRT, BT_ABS, BT_GCD,
    BT_LCM, BT_POW2, BT_EXP, BT_FIX, BT_ROUND, BT_SIN, BT_COS, BT_TAN, BT_COT, BT_SEC, BT_CSC, BT_QUAD};
constexpr TypeCodeList kMathTypes = {BT_LOG, BT_SQRT, BT_ABS, BT_GCD, BT_LCM, BT_POW2, BT_EXP, BT_FIX,
                                     BT_ROUND, BT_SIN, BT_COS, BT_TAN, BT_COT, BT_SEC, BT_CSC, BT_QUAD};

// Earlier rows win: the special meanings of 114 and 122 come before the shared ones.
constexpr WidgetTextRow kRows[] = {
    {kWordTypes, 89, InputA},
    {kWordTypes, 90, InputB},
    {{BT_BCD}, 114, ValueHexWord},
    {{BT_SEG}, 114, SegmentPattern},
    {kWordTypes, 114, Value},
    {{BT_ROL, BT_ROR, BT_SHL, BT_SHR}, 118, Param9<1, 15>},
    {{BT_ROL, BT_ROR, BT_SHL, BT_SHR}, 119, Param9<1, 15>},
    {{BT_ANDM, BT_ORM, BT_NOTM, BT_NANDM, BT_NORM, BT_XORM}, 120, Mask},
    {kMathTypes, 122, Base10},
    {{BT_RAND, BT_MEM, BT_ENCODER, BT_SMC, BT_SMCE, BT_PTO, BT_PTOE, BT_SEG, BT_WORD2BIT, BT_UDC, BT_CRC16,
      BT_ODD, BT_EVEN, BT_MOD, BT_REM},
     122, Param9<-kWordLimit, kWordLimit>},
    {kMathTypes, 123, Amplification},
    {{BT_WORD2BIT}, 124, Param9<0, 15>},
    {{BT_ARRMXIV, BT_ACMXIV}, 95, Mode},
    {{BT_ARRMXIV}, 121, ArrayCount},
    {{BT_ENCODER}, 144, Value},
    {{BT_ENCODER}, 140, EncoderStart},
    {{BT_ENCODER}, 130, EncoderSource},
    {{BT_ENCODER}, 141, Param9<-kEncoderLimit, kEncoderLimit>},
    {{BT_ENCODER}, 142, PulseEx1<-kEncoderLimit, kEncoderLimit>},
    {{BT_SMC, BT_SMCE}, 126, PulseEx1<0, kPulseLimit>},
    {{BT_SMCE}, 127, PulseEx6},
    {{BT_PTO, BT_PTOE}, 138, PulseEx1<0, kPulseLimit>},
    {{BT_PTOE}, 143, PulseEx6},
    {{BT_UDC}, 128, Cycle},
    {{BT_CRC16}, 129, ValueHexWord},
};

}  // namespace

std::span<const WidgetTextRow> WordWidgetTextRows()
{
    return kRows;
}
