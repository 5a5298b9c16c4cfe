// The analog families read back into CBlockAnalog's own fields. Analog values are 16-bit two's
// complement: a set bit 7 of the high byte makes them negative.
#include "codec/RecordDecoders.h"

#include "blocks/BlockAnalog.h"

#include <cmath>
#include <cstdint>

namespace record {

namespace {

CBlockAnalog& Analog(CBlockObj& block)
{
    return static_cast<CBlockAnalog&>(block);
}

// The offset is kept twice, as itself and as the range's lower end. Every member but the PWM
// block then shows its scaling as "No sensor".
void KeepOffset(CBlockAnalog& a, int nOffset)
{
    a.m_nOffset = nOffset;
    a.m_nRangeMin = nOffset;
    if (a.m_nType != BT_PWM)
        a.m_nSensor = ANALOG_SENSOR_NONE;
}

// A record without the range's upper end: with the gain read before the offset it gives that
// end, the scaled offset. The gain came as hundredths, so 1000 times it is a whole number.
void KeepOffsetAndScale(CBlockAnalog& a, int nOffset)
{
    KeepOffset(a, nOffset);
    a.m_nRangeMax = int(std::lround(a.m_dGain * 1000.0)) + nOffset;
}

// Roles every analog member writes the same way; FALSE for a role that is the member's own.
bool ReadAnalogRole(DecodeContext& ctx, CBlockAnalog& a, RecordReader& r, int nRole)
{
    switch (nRole) {
    case 70: a.m_nThreshold1 = r.SignedWord(); return true;
    case 71:
        if (ctx.IsNewGeneration())
            RefOrValue(a, 1, r.SignedWord(), &a.m_nThreshold2);
        else
            a.m_nThreshold2 = r.SignedWord();
        return true;
    case 72: a.m_dGain = r.SignedWord() / 100.0; return true;
    case 73: KeepOffsetAndScale(a, r.SignedWord()); return true;
    case 74: a.m_nDecimals = r.Word(); return true;
    default: return false;
    }
}

// A reference word is the referenced block's offset, never negative.
void RefOrSigned(CBlockAnalog& a, int k, RecordReader& r, int* pValue)
{
    const int nWord = r.Word();
    RefOrValue(a, k, RefUsed(a, k) ? nWord : int(std::int16_t(std::uint16_t(nWord))), pValue);
}

} // namespace

void DecodeAnalog(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    CBlockAnalog& a = Analog(block);
    const int nType = block.m_nType;
    const bool bThreshold = nType == BT_ACOMP || nType == BT_ATHTRG || nType == BT_ADTRG;
    // The differential trigger keeps its On threshold plus its Delta: the low half in the
    // role-75 word, the high half in the closing word.
    std::uint32_t dwSumLow = 0;
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int, int nRole) {
        if (nRole == LINK_PARAM) {
            int nIgnored = 0;
            if (ctx.IsNewGeneration())
                RefOrSigned(a, 0, r, bThreshold ? &a.m_nThreshold1 : &nIgnored);
            else if (bThreshold)
                a.m_nThreshold1 = r.SignedWord();
            else
                r.Skip(2);
            return true;
        }
        if (nRole == 75) {
            dwSumLow = std::uint32_t(r.Word());
            return true;
        }
        if (nRole != LINK_END)
            return ReadAnalogRole(ctx, a, r, nRole);
        if (nType == BT_ADTRG) {
            const auto nSum = std::int32_t(std::uint32_t(r.Word()) << 16 | dwSumLow);
            a.m_nThreshold2 = int(nSum - a.m_nThreshold1);
            return true;
        }
        r.Skip(nType == BT_ACOMP ? 8 : 2);
        return true;
    });
}

void DecodeAnalogWatchdog(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    CBlockAnalog& a = Analog(block);
    const bool bNew = ctx.IsNewGeneration();
    for (int nPin = 0; nPin < kWatchdogInputs; ++nPin)
        ctx.ReadPinSource(r, block, nPin);
    if (bNew)
        RefOrSigned(a, 0, r, &a.m_nThreshold1);
    else
        a.m_nThreshold1 = r.SignedWord();
    // The older line's sum of the thresholds (75) repeats what 55 and 71 gave.
    for (int nRole : bNew ? kWatchdogNewerRoles : kWatchdogOlderRoles) {
        if (!ReadAnalogRole(ctx, a, r, nRole))
            r.Skip(2);
    }
    r.Skip(r.Size() - r.Position());
}

void DecodeAnalogMux(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    CBlockAnalog& a = Analog(block);
    int* P = block.m_nParam;
    int* X = block.m_nParamEx;
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: RefOrSigned(a, 0, r, &P[AMATH_V1_PARAM]); return true;
        case 70: RefOrSigned(a, 1, r, &X[AMATH_V2_PARAMEX]); return true;
        case 71: RefOrSigned(a, 2, r, &X[AMATH_V3_PARAMEX]); return true;
        case 73: RefOrSigned(a, 3, r, &X[AMATH_V4_PARAMEX]); return true;
        case 61: P[AMATH_OP1_PARAM] = r.Byte(); return true;
        case 62: X[AMATH_OP2_PARAMEX] = r.Byte(); return true;
        case 63: X[AMATH_OP3_PARAMEX] = r.Byte(); return true;
        case 64: {
            // Two bits each: priorities 1, 2 and 3, then the keep-value setting.
            const int nByte = r.Byte();
            P[AMATH_PRIO1_PARAM] = nByte & 3;
            X[AMATH_PRIO2_PARAMEX] = nByte >> 2 & 3;
            X[AMATH_PRIO3_PARAMEX] = nByte >> 4 & 3;
            X[AMATH_KEEP_VALUE_PARAMEX] = nByte >> 6 & 3;
            return true;
        }
        case 74: a.m_nDecimals = r.Word(); return true;
        case LINK_END: r.Skip(2); return true;
        default: return false;
        }
    });
}

void DecodeAnalogFilter(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int, int nRole) {
        if (nRole == LINK_PARAM)
            block.m_nParam[AFILTER_SAMPLES_PARAM] = r.Byte() - 3;
        else if (nRole == 94)
            r.Skip(1);  // the filter's number in the image, given anew by each download
        else
            return false;
        return true;
    });
}

void DecodeAverage(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: block.m_nParam[AVGVAL_SAMPLES_PARAM] = r.Word(); return true;
        case 72: {
            const int nWord = r.Word();
            block.m_nParam[AVGVAL_TIME_PARAM] = nWord >> 3;
            block.m_nParam[AVGVAL_UNIT_PARAM] = 4 - (nWord & 7);
            return true;
        }
        case LINK_END: r.Skip(4); return true;
        default: return false;
        }
    });
}

void DecodeMaxMin(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: RefOrValue(block, 0, r.Word(), &block.m_nParam[MAXMIN_MODE_PARAM]); return true;
        case 72: block.m_nParamEx[MAXMIN_RESET_PARAMEX] = r.Word(); return true;
        case LINK_END: r.Skip(4); return true;
        default: return false;
        }
    });
}

void DecodeAnalogRamp(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    CBlockAnalog& a = Analog(block);
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: RefOrSigned(a, 0, r, &a.m_nThreshold1); return true;
        case 71: RefOrSigned(a, 1, r, &a.m_nThreshold2); return true;
        case 76: block.m_nParamEx[ARAMP_MAX_OUTPUT_PARAMEX] = r.SignedWord(); return true;
        case 77: block.m_nParamEx[ARAMP_START_STOP_PARAMEX] = r.SignedWord(); return true;
        case 78: block.m_nParam[ARAMP_SPEED_PARAM] = r.SignedWord(); return true;
        default: return ReadAnalogRole(ctx, a, r, nRole);
        }
    });
}

void DecodePiController(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    CBlockAnalog& a = Analog(block);
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: RefOrSigned(a, 0, r, &a.m_nThreshold1); return true;
        case 74: {
            // Read after TI (77): "User defined" at 99:59 is TI switched off.
            constexpr int kUserDefined = 6;
            constexpr int kOffMinutes = 99;
            constexpr int kOffSeconds = 59;
            a.m_nPiParamSet = r.Byte();
            r.Skip(1);
            const bool bOff =
                a.m_nPiParamSet == kUserDefined && a.m_nPiTIMinutes == kOffMinutes && a.m_nPiTISeconds == kOffSeconds;
            a.m_bPiUseTI = bOff ? 0 : 1;
            return true;
        }
        case 71: RefOrSigned(a, 1, r, &a.m_nThreshold2); return true;
        case 76: a.m_dPiKC = r.SignedWord() / 100.0; return true;
        case 77: {
            const int nSeconds = r.Word() & 0x7FFF;
            a.m_nPiTIMinutes = nSeconds / 60;
            a.m_nPiTISeconds = nSeconds % 60;
            return true;
        }
        case 78:
            a.m_nPwmOpt = r.Byte() == '+' ? 0 : 1;
            r.Skip(1);
            return true;
        case 89:
            a.m_nOffset = r.SignedWord();
            a.m_nRangeMin = a.m_nOffset;
            return true;
        // The range's upper end travels as itself: the offset after it leaves it as sent.
        case 79: a.m_nRangeMax = r.SignedWord(); return true;
        case 73: KeepOffset(a, r.SignedWord()); return true;
        default: return ReadAnalogRole(ctx, a, r, nRole);
        }
    });
}

void DecodePwm(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    CBlockAnalog& a = Analog(block);
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: ReadTimeWord(block, 1, r.Word()); return true;
        case 89: a.m_nThreshold1 = r.SignedWord(); return true;
        case 79: a.m_nThreshold2 = r.SignedWord(); return true;
        case 95:
            a.m_nUnit = r.Byte();
            a.m_nPwmOpt = (r.Byte() + 4) % 5;
            return true;
        case 96: a.m_nRangeMin = r.SignedWord(); return true;
        case 74:
            a.m_nDecimals = r.Word();
            r.Skip(2);
            return true;
        default: return ReadAnalogRole(ctx, a, r, nRole);
        }
    });
}

} // namespace record
