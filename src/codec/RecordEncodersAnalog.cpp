// The analog families. Their parameters live in CBlockAnalog's own fields: the first and second
// analog parameter (the thresholds), the gain, the offset (kept twice), the scaled offset and
// the setting word (the decimals the value is shown with).
#include "codec/RecordEncoders.h"

#include "blocks/BlockAnalog.h"

#include <cmath>

namespace record {

namespace {

const CBlockAnalog& Analog(const CBlockObj& block)
{
    return static_cast<const CBlockAnalog&>(block);
}

int GainTimes100(const CBlockAnalog& a)
{
    return Wrapped(Hundredths(a.m_dGain));
}

// Roles every analog member writes the same way; FALSE for a role that is the member's own.
bool WriteAnalogRole(EncodeContext& ctx, const CBlockAnalog& a, RecordWriter& w, int nRole)
{
    const BOOL bNew = ctx.IsNewGeneration();
    switch (nRole) {
    case 70: w.Word(a.m_nThreshold1); return true;
    case 71: w.Word(bNew ? RefOr(a, 1, a.m_nThreshold2) : a.m_nThreshold2); return true;
    case 72: w.Word(GainTimes100(a)); return true;
    case 73: w.Word(a.m_nOffset); return true;
    case 74: w.Word(a.m_nDecimals); return true;
    case 75: w.Word(Wrapped(static_cast<long long>(a.m_nThreshold1) + a.m_nThreshold2)); return true;
    default: return false;
    }
}

} // namespace

void EncodeAnalog(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    const CBlockAnalog& a = Analog(block);
    const int nType = block.m_nType;
    WalkSlots(ctx, block, w, ParamSlots(block), [&](int, int nRole) {
        if (nRole == LINK_PARAM) {
            int nValue = 0;
            if (nType == BT_AAMP)
                nValue = int(std::trunc(a.m_dGain)) * 100;
            else if (nType == BT_ACOMP || nType == BT_ATHTRG || nType == BT_ADTRG)
                nValue = a.m_nThreshold1;
            w.Word(ctx.IsNewGeneration() ? RefOr(a, 0, nValue) : nValue);
            return true;
        }
        if (nRole != LINK_END)
            return WriteAnalogRole(ctx, a, w, nRole);
        if (nType == BT_ADTRG)
            w.Word(Wrapped(static_cast<long long>(a.m_nThreshold1) + a.m_nThreshold2) >> 16);
        else
            w.Word(OwnIndex(block) | 0x8000);
        if (nType == BT_ACOMP)
            w.Zeros(6);
        return true;
    });
}

// The watchdog's items stand in a fixed order by generation, whatever roles its slots were
// given when its file was written: the enable and analog inputs, Delta1 (the upper threshold),
// Delta2 (the lower one, the older sheet's only threshold), on the older line their sum, then
// gain, offset and decimals; its own index ends the record.
void EncodeAnalogWatchdog(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    const CBlockAnalog& a = Analog(block);
    const bool bNew = ctx.IsNewGeneration();
    for (int nPin = 0; nPin < kWatchdogInputs; ++nPin)
        ctx.WritePinSource(w, block.m_nPinSource[nPin], block.m_bPinInvert[nPin]);
    w.Word(bNew ? RefOr(a, 0, a.m_nThreshold1) : a.m_nThreshold1);
    for (int nRole : bNew ? kWatchdogNewerRoles : kWatchdogOlderRoles)
        WriteAnalogRole(ctx, a, w, nRole);
    w.Word(OwnIndex(block));
    w.Zeros(w.Size() - w.Position());
}

void EncodeAnalogMux(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    const CBlockAnalog& a = Analog(block);
    const int* P = block.m_nParam;
    const int* X = block.m_nParamEx;
    const bool bMath = block.m_nType == BT_AMATH;
    const int nSlots = ParamSlots(block);
    WalkSlots(ctx, block, w, nSlots, [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: w.Word(RefOr(a, 0, P[AMATH_V1_PARAM])); return true;
        case 70: w.Word(RefOr(a, 1, X[AMATH_V2_PARAMEX])); return true;
        case 71: w.Word(RefOr(a, 2, X[AMATH_V3_PARAMEX])); return true;
        case 73: w.Word(RefOr(a, 3, X[AMATH_V4_PARAMEX])); return true;
        case 61: w.Byte(P[AMATH_OP1_PARAM]); return true;
        case 62: w.Byte(X[AMATH_OP2_PARAMEX]); return true;
        case 63: w.Byte(X[AMATH_OP3_PARAMEX]); return true;
        case 64:
            w.Byte(P[AMATH_PRIO1_PARAM] | X[AMATH_PRIO2_PARAMEX] << 2 |
                   (X[AMATH_KEEP_VALUE_PARAMEX] << 2 | X[AMATH_PRIO3_PARAMEX]) << 4);
            return true;
        case 74: w.Word(a.m_nDecimals); return true;
        case LINK_END: w.Zeros(2); return true;
        default: return false;
        }
    });
    // The math block's record closes with the two bytes of the role-53 slot its walk stops at.
    const int nNext = nSlots == BLOCK_FIRST_OUTPUT ? nSlots + 1 : nSlots;
    if (bMath && nNext < BLOCK_PIN_COUNT && block.m_nPinSource[nNext] == LINK_END)
        w.Zeros(2);
}

void EncodeAnalogFilter(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    WalkSlots(ctx, block, w, ParamSlots(block), [&](int, int nRole) {
        if (nRole == LINK_PARAM)
            w.Byte(Wrapped(block.m_nParam[AFILTER_SAMPLES_PARAM] + 3LL));
        else if (nRole == 94)
            w.Byte(ctx.m_nFilters++);
        else
            return false;
        return true;
    });
}

void EncodeAverage(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    WalkSlots(ctx, block, w, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: w.Word(block.m_nParam[AVGVAL_SAMPLES_PARAM]); return true;
        case 72:
            w.Word(Wrapped(block.m_nParam[AVGVAL_TIME_PARAM] * 8LL) | Wrapped(4LL - block.m_nParam[AVGVAL_UNIT_PARAM]));
            return true;
        case LINK_END: w.Zeros(4); return true;
        default: return false;
        }
    });
}

void EncodeMaxMin(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    WalkSlots(ctx, block, w, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: w.Word(RefOr(block, 0, block.m_nParam[MAXMIN_MODE_PARAM])); return true;
        case 72: w.Word(block.m_nParamEx[MAXMIN_RESET_PARAMEX]); return true;
        case LINK_END: w.Zeros(4); return true;
        default: return false;
        }
    });
}

void EncodeAnalogRamp(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    const CBlockAnalog& a = Analog(block);
    WalkSlots(ctx, block, w, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: w.Word(RefOr(a, 0, a.m_nThreshold1)); return true;
        case 71: w.Word(RefOr(a, 1, a.m_nThreshold2)); return true;
        case 76: w.Word(block.m_nParamEx[ARAMP_MAX_OUTPUT_PARAMEX]); return true;
        case 77: w.Word(block.m_nParamEx[ARAMP_START_STOP_PARAMEX]); return true;
        case 78: w.Word(block.m_nParam[ARAMP_SPEED_PARAM]); return true;
        default: return WriteAnalogRole(ctx, a, w, nRole);
        }
    });
}

// The PI controller's own settings: KC times 100 (role 76), TI as minutes and seconds with bit
// 15 set (77), the direction as the character "+" or "-" (78), the offset's second copy (89),
// the scaled offset (79) and the parameter set (74), whose item the other analog blocks give
// their decimals. TI switched off is "User defined" with TI at 99:59.
void EncodePiController(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    const CBlockAnalog& a = Analog(block);
    WalkSlots(ctx, block, w, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: w.Word(RefOr(a, 0, a.m_nThreshold1)); return true;
        case 74: w.Word(a.m_nPiParamSet); return true;
        case 71: w.Word(RefOr(a, 1, a.m_nThreshold2)); return true;
        case 76: w.Word(Wrapped(Hundredths(a.m_dPiKC))); return true;
        case 77: w.Word(0x8000 | (a.m_nPiTIMinutes * 60 + a.m_nPiTISeconds)); return true;
        case 78:
            w.Byte(a.m_nPwmOpt == 0 ? '+' : '-');
            w.Byte(0);
            return true;
        case 89: w.Word(a.m_nOffset); return true;
        case 79: w.Word(a.m_nRangeMax); return true;
        default: return WriteAnalogRole(ctx, a, w, nRole);
        }
    });
}

// The PWM block: its period as a timer's time word (55), the first and second analog
// parameters (89, 79), its unit and mode (95), the range's lower bound, which may be negative,
// as a word (96) and the 4-byte setting item (74).
void EncodePwm(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    const CBlockAnalog& a = Analog(block);
    WalkSlots(ctx, block, w, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: w.Word(TimeWord(block, 1)); return true;
        case 89: w.Word(a.m_nThreshold1); return true;
        case 79: w.Word(a.m_nThreshold2); return true;
        case 95:
            w.Byte(a.m_nUnit);
            w.Byte(Wrapped((a.m_nPwmOpt + 1LL) % 5));
            return true;
        case 96: w.Word(a.m_nRangeMin); return true;
        case 74:
            w.Word(a.m_nDecimals);
            w.Zeros(2);
            return true;
        default: return WriteAnalogRole(ctx, a, w, nRole);
        }
    });
}

} // namespace record
