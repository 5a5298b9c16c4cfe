#include "codec/RecordEncoders.h"

#include "blocks/BlockClock.h"
#include "blocks/BlockCounter.h"
#include "blocks/BlockDelay.h"
#include "blocks/BlockExtended.h"
#include "blocks/BlockFunction.h"
#include "blocks/BlockGenerator.h"
#include "blocks/BlockMR.h"
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockMath.h"
#include "blocks/BlockRelay.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypeTable.h"
#include "blocks/BlockWIFI.h"
#include "blocks/BlockWord.h"
#include "blocks/SendableValues.h"
#include "codec/IoCodes.h"
#include "document/VetlaDoc.h"

#include <algorithm>
#include <cmath>

namespace record {

bool HasFloatConstant(int nType)
{
    switch (nType) {
    case BT_SQRT: case BT_POW2: case BT_EXP: case BT_SIN: case BT_COS:
    case BT_TAN: case BT_COT: case BT_SEC: case BT_CSC:
        return true;
    default:
        return false;
    }
}

long long Hundredths(double dValue)
{
    // Within a long long, and a double exactly.
    constexpr double kMost = 0x1p62;
    return static_cast<long long>(std::clamp(SentHundredths(dValue), -kMost, kMost));
}

int RefOffset(const CBlockObj& block, int k)
{
    return Wrapped(static_cast<long long>(block.m_nRefBlock[k]) - NUM_FUNCTION_BLOCK);
}

int RefOr(const CBlockObj& block, int k, int nValue)
{
    return RefUsed(block, k) ? RefOffset(block, k) : nValue;
}

namespace {

// The time parameters of the timers: larger and smaller part and the time-base setting (0
// hours:minutes, 1 minutes:seconds, 2 seconds:hundredths), for a referenced parameter its unit
// setting. Times 3 and 4 (the stairway switch's pre-warning and its length) have no base of
// their own: they count in the base of time 2, the off time, as their page shows them.

int TimeHigh(const CBlockObj& b, int nTime)
{
    switch (nTime) {
    case 1: return b.m_nParam[TIMER_ON_HIGH_PARAM];
    case 2: return b.m_nParamEx[TIMER_OFF_HIGH_PARAMEX];
    case 3: return b.m_nParamEx[STAIRCASE_WARN_TIME_HIGH_PARAMEX];
    default: return b.m_nParamEx[STAIRCASE_WARN_LENGTH_HIGH_PARAMEX];
    }
}

int TimeLow(const CBlockObj& b, int nTime)
{
    switch (nTime) {
    case 1: return b.m_nParam[TIMER_ON_LOW_PARAM];
    case 2: return b.m_nParamEx[TIMER_OFF_LOW_PARAMEX];
    case 3: return b.m_nParamEx[STAIRCASE_WARN_TIME_LOW_PARAMEX];
    default: return b.m_nParamEx[STAIRCASE_WARN_LENGTH_LOW_PARAMEX];
    }
}

int TimeBase(const CBlockObj& b, int nTime)
{
    switch (nTime) {
    case 1: return RefUsed(b, 0) ? b.m_nParam[TIMER_ON_REF_UNIT_PARAM] : b.m_nParam[TIMER_ON_BASE_PARAM];
    case 2: return RefUsed(b, 1) ? b.m_nParam[TIMER_OFF_REF_UNIT_PARAM] : b.m_nParamEx[TIMER_OFF_BASE_PARAMEX];
    default: return TimeBase(b, 2);
    }
}

// A minute of the day, or 0xFFFF for a switching time that is off.
int CamTime(const int nTime[2], int bDisabled)
{
    return bDisabled ? 0xFFFF : Wrapped(nTime[0] * 60LL + nTime[1]);
}

} // namespace

// Bits 14-15 the base code (3 hours:minutes, 2 minutes:seconds, 1 seconds:hundredths), bits 0-13
// the time in the smaller unit, or the referenced block's offset.
int TimeWord(const CBlockObj& b, int nTime)
{
    const int nBase = std::clamp(TimeBase(b, nTime), 0, kSecondsHundredths);
    const int nCode = 3 - nBase;
    const int nPerUnit = nBase == kSecondsHundredths ? 100 : 60;
    const int nValue = nTime <= 4 && RefUsed(b, nTime - 1)
                           ? RefOffset(b, nTime - 1)
                           : Wrapped(TimeLow(b, nTime) + static_cast<long long>(TimeHigh(b, nTime)) * nPerUnit);
    return nCode << 14 | (nValue & kTimeValueMask);
}

void EncodeLogic(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    const bool bGate = BlockFamilyOf(block.m_nType) == BlockFamily::Logic;
    const int nSlots = bGate ? block.m_nInputs : ParamSlots(block);
    WalkSlots(ctx, block, w, nSlots, [&](int, int nRole) {
        if (nRole != LINK_PARAM || block.m_nType != BT_BOOLEAN)
            return false;
        w.Word(block.m_nParamEx[BOOLEAN_TABLE_PARAMEX] & 0xFFFF);
        return true;
    });
}

void EncodeTimer(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    int nTime = block.m_nType == BT_SLS ? 2 : 1;
    bool bIndexWritten = false;
    // One word per slot after the header.
    WalkSlots(ctx, block, w, w.Size() / 2 - 1, [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM:
            w.Word(TimeWord(block, nTime++));
            return true;
        case 58:
            w.Byte(block.m_nParamEx[RPR_PULSES_PARAMEX] + 1);
            w.Byte(0);
            return true;
        case LINK_END:
            if (bIndexWritten)
                return false;
            w.Word(OwnIndex(block));
            bIndexWritten = true;
            return true;
        default:
            return false;
        }
    });
}

// Cam 1-3 ON and OFF times, their weekday masks, the pulse setting (newer generation) and the
// block's own index, as the weekly timer's record is read back.
void EncodeWeeklyTimer(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    const auto& wt = static_cast<const CBlockTime&>(block);
    for (int nCam = 0; nCam < TIMER_CAM_COUNT; ++nCam) {
        w.Word(CamTime(wt.m_nOnTime[nCam], wt.m_bOnDisabled[nCam]));
        w.Word(CamTime(wt.m_nOffTime[nCam], wt.m_bOffDisabled[nCam]));
    }
    for (int nCam = 0; nCam < TIMER_CAM_COUNT; ++nCam) {
        int nMask = 0;
        for (int nDay = 0; nDay < 7; ++nDay)
            nMask |= wt.m_bDay[nCam][nDay] ? 1 << nDay : 0;
        w.Byte(nMask);
    }
    w.Byte(ctx.IsNewGeneration() ? block.m_nParam[WT_PULSE_PARAM] : 0);
    w.Word(OwnIndex(block));
}

void EncodeYearlyTimer(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    const bool bMonthly = block.m_nParam[YT_MONTHLY_PARAM] != 0;
    w.Byte(block.m_nParam[YT_ON_DAY_PARAM]);
    w.Byte(bMonthly ? 0xFF : block.m_nParam[YT_ON_MONTH_PARAM]);
    if (ctx.IsNewGeneration())
        w.Word(block.m_nParam[YT_ON_YEAR_PARAM]);
    w.Byte(block.m_nParamEx[YT_OFF_DAY_PARAMEX]);
    w.Byte(bMonthly ? 0xFF : block.m_nParamEx[YT_OFF_MONTH_PARAMEX]);
    if (ctx.IsNewGeneration()) {
        w.Word(block.m_nParam[YT_OFF_YEAR_PARAM]);
        w.Byte((bMonthly ? 0x80 : 0) | (block.m_nParam[YT_YEARLY_PARAM] ? 0x40 : 0) |
               (block.m_nParam[YT_PULSE_PARAM] ? 0x01 : 0));
        w.Byte(0);
    }
    w.Word(OwnIndex(block));
}

void EncodeAstroClock(EncodeContext&, const CBlockObj& block, RecordWriter& w)
{
    const int nZone = block.m_nParamEx[AC_TIME_ZONE_PARAMEX];
    for (int nValue : {block.m_nParamEx[AC_LONGITUDE_SECONDS_PARAMEX], block.m_nParamEx[AC_LONGITUDE_MINUTES_PARAMEX],
                       block.m_nParamEx[AC_LONGITUDE_DEGREES_PARAMEX], block.m_nParam[AC_LONGITUDE_WEST_PARAM],
                       block.m_nParamEx[AC_LATITUDE_SECONDS_PARAMEX], block.m_nParamEx[AC_LATITUDE_MINUTES_PARAMEX],
                       block.m_nParamEx[AC_LATITUDE_DEGREES_PARAMEX], block.m_nParam[AC_LATITUDE_SOUTH_PARAM]})
        w.Byte(nValue);
    w.Byte(nZone < 13 ? nZone : nZone - 12);
    w.Byte(nZone > 12 ? 1 : 0);
    w.Zeros(4);
}

void EncodeStopwatch(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    WalkSlots(ctx, block, w, ParamSlots(block), [&](int, int nRole) {
        if (nRole == LINK_PARAM)
            w.Word(3 - block.m_nParam[SW_BASE_PARAM]);
        else if (nRole == LINK_END)
            w.Zeros(6);
        else
            return false;
        return true;
    });
}

void EncodeCounter(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    WalkSlots(ctx, block, w, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM:
            w.Long(RefOr(block, 0, block.m_nParam[COUNTER_ON_PARAM]));
            return true;
        case 59:
            w.Long(RefOr(block, 1, block.m_nParamEx[COUNTER_OFF_PARAMEX]));
            return true;
        case LINK_END:
            if (ctx.IsNewGeneration()) {
                w.Long(block.m_nParam[COUNTER_START_PARAM]);
                w.Zeros(4);
            } else {
                w.Word(OwnIndex(block) | 0x8000);
                w.Zeros(6);
            }
            return true;
        default:
            return false;
        }
    });
}

void EncodeHoursCounter(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    const BOOL bNew = ctx.IsNewGeneration();
    WalkSlots(ctx, block, w, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM:
            w.Long(bNew ? block.m_nParamEx[HCOUNTER_OT_MINUTES_PARAMEX] + block.m_nParamEx[HCOUNTER_OT_HOURS_PARAMEX] * 60
                        : block.m_nParamEx[HCOUNTER_OT_HOURS_PARAMEX] * 60);
            return true;
        case 59:
            if (bNew)
                w.Long(RefOr(block, 0,
                             block.m_nParam[HCOUNTER_MI_MINUTES_PARAM] + block.m_nParam[HCOUNTER_MI_HOURS_PARAM] * 60));
            else
                w.Word(block.m_nParam[HCOUNTER_MI_HOURS_PARAM]);
            return true;
        case 58:
            w.Word(block.m_nParamEx[HCOUNTER_RETAIN_OUTPUT_PARAMEX] == 1 ? 1 : 0);
            return true;
        case LINK_END:
            w.Word(OwnIndex(block));
            w.Zeros(bNew ? 4 : 6);
            return true;
        default:
            return false;
        }
    });
}

void EncodeThresholdTrigger(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    WalkSlots(ctx, block, w, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM:
            w.Word(block.m_nParam[THTRG_ON_PARAM]);
            return true;
        case 59:
            // The off threshold travels high byte first, as the decoder reads it.
            w.WordHighFirst(block.m_nParam[THTRG_OFF_PARAM]);
            return true;
        case 58: {
            const bool bRef = ctx.IsNewGeneration() && RefUsed(block, 0);
            const int nGate = bRef ? RefOffset(block, 0)
                                   : Wrapped(block.m_nParamEx[THTRG_GATE_HUNDREDTHS_PARAMEX] +
                                             block.m_nParamEx[THTRG_GATE_SECONDS_PARAMEX] * 100LL);
            w.Word(1 << 14 | (nGate & kTimeValueMask));
            return true;
        }
        case LINK_END:
            w.Word(OwnIndex(block));
            w.Zeros(4);
            return true;
        default:
            return false;
        }
    });
}

// The soft key is a plain block: no roles in its pins, two digital inputs, then its state word.
void EncodeSoftKey(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    constexpr int kSoftKeyInputs = 2;
    for (int nPin = 0; nPin < kSoftKeyInputs; ++nPin)
        ctx.WritePinSource(w, block.m_nPinSource[nPin], block.m_bPinInvert[nPin]);
    w.Word(block.m_nParamEx[SOFTKEY_STATE_PARAMEX] > 0 ? 256 : 257);
}

void EncodeRelay(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    if (block.m_nType == BT_SOFTKEY) {
        EncodeSoftKey(ctx, block, w);
        return;
    }
    WalkSlots(ctx, block, w, ParamSlots(block), [&](int, int nRole) {
        if (nRole == LINK_PARAM) {
            switch (block.m_nType) {
            case BT_LR: w.Word(OwnIndex(block)); break;
            case BT_PR: w.Word(block.m_nParamEx[PR_SET_WINS_PARAMEX] ? 1 : 0); break;
            default: w.Word(1 << std::clamp(block.m_nParamEx[SREG_BIT_PARAMEX], 0, 15)); break;
            }
            return true;
        }
        if (nRole != LINK_END)
            return false;
        if (block.m_nType == BT_SREG && ctx.IsNewGeneration()) {
            w.Word(block.m_nParamEx[SREG_INDEX_PARAMEX]);
            w.Zeros(4);
        } else {
            w.Word(OwnIndex(block));
        }
        return true;
    });
}

void EncodeMathError(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    WalkSlots(ctx, block, w, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM:
            w.Word(RefUsed(block, 0) ? RefOffset(block, 0) : 0xFFFF);
            return true;
        case 58:
            w.Byte(block.m_nParamEx[MATHERR_AUTO_RESET_PARAMEX]);
            w.Byte(0xFF);
            return true;
        case 59: {
            const int nError = block.m_nParam[MATHERR_ERROR_PARAM];
            w.Word(nError == 0 ? 2 : nError == 2 ? 3 : 1);
            return true;
        }
        case LINK_END:
            w.Zeros(4);
            return true;
        default:
            return false;
        }
    });
}

// Slot 1 the message-text slot (plus 128 when it waits for an acknowledgement), slot 2 the text's
// number in this image, then the own index.
void EncodeMessageTextRecord(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    WalkSlots(ctx, block, w, ParamSlots(block), [&](int nSlot, int nRole) {
        if (nRole == LINK_PARAM && nSlot == 1)
            w.Byte(Wrapped(block.m_nParamEx[MSGTEXT_SLOT_PARAMEX] + (block.m_nParamEx[MSGTEXT_ACK_PARAMEX] > 0 ? 128LL : 0)));
        else if (nRole == LINK_PARAM)
            w.Byte(ctx.m_nTexts);
        else if (nRole == LINK_END)
            w.Word(OwnIndex(block));
        else
            return false;
        return true;
    });
}

// The Modbus transaction: slave address and command, the four words of register address,
// count and data, the port and data kind, and on the newer line the cycle.
void EncodeModbus(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    const auto& mr = static_cast<const CBlockMR&>(block);
    const auto cycle = [&] {
        const int nCycle = block.m_nParam[MODBUS_CYCLE_PARAM];
        return nCycle == 0 ? 0xFFFF : nCycle;
    };
    // The newer read block's record ends before a cycle item: the cycle takes the place of the
    // second data word, which a read has no use for.
    const bool bReadCycle = block.m_nType == BT_MR && ctx.IsNewGeneration();
    // Every item is one word: the newer write block's longer record reaches its cycle (57).
    WalkSlots(ctx, block, w, w.Size() / 2 - 1, [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM:
            w.Byte(mr.m_bySlave);
            w.Byte(mr.m_byCommand);
            return true;
        case 57: w.Word(cycle()); return true;
        case 82: w.Word(mr.m_wRegister); return true;
        case 83: w.Word(mr.m_wCount); return true;
        case 84: w.Word(mr.m_wFirstData); return true;
        case 85: w.Word(bReadCycle ? cycle() : mr.m_wSecondData); return true;
        case 86:
            w.Byte(mr.m_nDataKind);
            w.Byte(mr.m_byMode);
            return true;
        default:
            return false;
        }
    });
}

namespace {

void WriteMathConstant(const CBlockObj& block, RecordWriter& w)
{
    const int nType = block.m_nType;
    if (HasFloatConstant(nType)) {
        w.Long(Hundredths(block.m_dParam));
    } else if (nType == BT_SMC || nType == BT_SMCE) {
        w.Word(block.m_nParam[SMC_MODE_PARAM]);
    } else if (nType == BT_PTO || nType == BT_PTOE) {
        w.Word(block.m_nParam[PTO_PIN_PARAM]);
    } else if (nType == BT_MEM) {
        w.Byte(7);
    } else {
        const bool bTenth = nType == BT_LOG || nType == BT_FIX || nType == BT_ROUND;
        w.Word(RefOr(block, 0, block.m_nParam[bTenth ? LOG_BASE_PARAM : WORDOP_OPERAND_PARAM]));
    }
}

} // namespace

int AnalogOperandCode(int nKind, int nIndex)
{
    constexpr int kTypes[] = {BT_ANALOG_FLAG, BT_ANALOG_OUT, BT_ANALOG_IN};
    return nKind >= 0 && nKind < 3 ? IoSourceCode(kTypes[nKind], nIndex) : 0xFFFF;
}

// The roles past the constant stand in the same slots in every math class that has them: the
// operand's kind and first index (the array block's area and first element, the CRC's source
// and start), the count, and the pulse length.
void EncodeMath(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    static_assert(ARRMXIV_AREA_PARAM == CRC16_SOURCE_PARAM && ARRMXIV_FIRST_PARAMEX == CRC16_START_PARAMEX);
    const int nKindParam = ARRMXIV_AREA_PARAM;
    WalkSlots(ctx, block, w, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM:
            WriteMathConstant(block, w);
            return true;
        case 85:
            w.WordHighFirst(AnalogOperandCode(block.m_nParam[nKindParam], block.m_nParamEx[ARRMXIV_FIRST_PARAMEX]));
            return true;
        case 83:
            if (block.m_nType == BT_MEM)
                w.Word(block.m_pRefBlock[0] || RefUsed(block, 0)
                           ? Wrapped(block.m_nParam[nKindParam] * 4096LL + RefOffset(block, 0))
                           : 0);
            else
                w.Word(RefOr(block, 1, block.m_nParamEx[ARRMXIV_COUNT_PARAMEX]));
            return true;
        case 95:
            w.Word(block.m_nParam[nKindParam]);
            return true;
        case 84: {
            const CBlockObj* pRef = RefUsed(block, 0) ? ctx.Doc().FindBlockByNumber(block.m_nRefBlock[0]) : nullptr;
            w.Byte(pRef ? RecordCodeOf(pRef->m_nType) : 0);
            return true;
        }
        case 78:
            w.Long(RefOr(block, 1, block.m_nParamEx[ARRMXIV_COUNT_PARAMEX]));
            return true;
        case 77:
            w.Long(RefOr(block, 0, block.m_nParamEx[PULSE_LENGTH_PARAMEX]));
            return true;
        case 72:
            w.Zeros(2);
            return true;
        default:
            return false;
        }
    });
}

// The user-defined communication: send and receive settings, one word or one byte each.
void EncodeUdc(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    const int* P = block.m_nParam;
    const int* X = block.m_nParamEx;
    const struct {
        int nRole;
        int nValue;
    } kBytes[] = {{58, P[UDC_TX_START_FLAG_PARAM]}, {86, P[UDC_TX_END_FLAG_PARAM]},
                  {64, P[UDC_RX_END_FLAG_PARAM]},    {62, P[UDC_RX_START_CHARACTER_PARAM]},
                  {60, P[UDC_TX_START_CHARACTER_PARAM]},  {63, X[UDC_RX_END_CHARACTER_PARAMEX]},
                  {61, X[UDC_TX_END_CHARACTER_PARAMEX]},  {59, X[UDC_RX_START_FLAG_PARAMEX]}};
    // The send and receive areas by the kind the page chose (AM, AQ, AI), as the analog operands
    // of the other blocks: the AM areas keep their 0xA000 + number. An area no analog point has
    // (a kind or number from a file the page would not take) cannot be sent.
    const auto area = [&](int nKind, int nNumber) {
        const int nCode = AnalogOperandCode(nKind, nNumber);
        if (nCode == 0xFFFF)
            ctx.Fail(IDS_ENCODE_INTERNAL_ERROR);
        w.WordHighFirst(nCode);
    };
    WalkSlots(ctx, block, w, std::max(ParamSlots(block), kUdcRecordSlots), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: w.Word(X[UDC_PORT_PARAMEX]); return true;
        case 57: w.Word(P[UDC_CYCLE_PARAM] == 0 ? 0xFFFF : P[UDC_CYCLE_PARAM]); return true;
        case 82: area(X[UDC_TX_AREA_PARAMEX], P[UDC_TX_NUMBER_PARAM]); return true;
        case 83: w.Word(X[UDC_TX_WORDS_PARAMEX]); return true;
        case 84: area(X[UDC_RX_AREA_PARAMEX], P[UDC_RX_NUMBER_PARAM]); return true;
        case 85: w.Word(X[UDC_RX_WORDS_PARAMEX]); return true;
        default: break;
        }
        for (const auto& byte : kBytes) {
            if (byte.nRole == nRole) {
                w.Byte(byte.nValue);
                return true;
            }
        }
        return false;
    });
}

void EncodeQuad(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    WalkSlots(ctx, block, w, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: w.Word(block.m_nParam[QUAD_A_PARAM]); return true;
        case 61: w.Word(block.m_nParamEx[QUAD_B_PARAMEX]); return true;
        case 62: w.Word(block.m_nParamEx[QUAD_C_PARAMEX]); return true;
        case 63: w.Word(block.m_nParam[QUAD_ROOT_PARAM]); return true;
        case 72: w.Long(Hundredths(block.m_dParam)); return true;
        default: return false;
        }
    });
}

void EncodeEncoder(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    WalkSlots(ctx, block, w, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: w.Long(block.m_nParam[ENCODER_START_PARAM]); return true;
        case 70: w.Long(RefOr(block, 0, block.m_nParam[ENCODER_ON_PARAM])); return true;
        case 71: w.Long(RefOr(block, 1, block.m_nParamEx[ENCODER_OFF_PARAMEX])); return true;
        case 58: w.Word(block.m_nParamEx[ENCODER_PAIR_PARAMEX]); return true;
        default: return false;
        }
    });
}

// Inputs but the last, then one byte per setting of the WiFi transaction.
void EncodeWifi(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w)
{
    const auto& wifi = static_cast<const CBlockWIFI&>(block);
    const int nMode = wifi.m_nWifiMode;
    WalkSlots(ctx, block, w, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: w.Byte(nMode); return true;
        case 98: w.Byte(nMode == 0 ? wifi.m_nWifiId + 1 : nMode == 1 ? wifi.m_nWifiId : 1); return true;
        case 99: w.Byte(wifi.m_nRemoteKind); return true;
        case 100: w.Byte(wifi.m_nRemoteNumber); return true;
        case 101: w.Byte(nMode == 2 ? wifi.m_nRemoteKind + 1 : 0); return true;
        case 58: w.Byte(0); return true;
        default: return false;
        }
    });
}

} // namespace record
