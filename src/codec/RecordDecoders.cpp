#include "codec/RecordDecoders.h"

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
#include "codec/IoCodes.h"

#include <algorithm>
#include <bit>

namespace record {

namespace {

constexpr int kNoValue = 0xFFFF;

struct TimeSlots {
    int* pHigh;
    int* pLow;
    int* pBase;  // null for the times without a base of their own
};

TimeSlots TimeSlotsOf(CBlockObj& b, int nTime)
{
    switch (nTime) {
    case 1:
        return {&b.m_nParam[TIMER_ON_HIGH_PARAM], &b.m_nParam[TIMER_ON_LOW_PARAM],
                RefUsed(b, 0) ? &b.m_nParam[TIMER_ON_REF_UNIT_PARAM] : &b.m_nParam[TIMER_ON_BASE_PARAM]};
    case 2:
        return {&b.m_nParamEx[TIMER_OFF_HIGH_PARAMEX], &b.m_nParamEx[TIMER_OFF_LOW_PARAMEX],
                RefUsed(b, 1) ? &b.m_nParam[TIMER_OFF_REF_UNIT_PARAM] : &b.m_nParamEx[TIMER_OFF_BASE_PARAMEX]};
    case 3:
        return {&b.m_nParamEx[STAIRCASE_WARN_TIME_HIGH_PARAMEX], &b.m_nParamEx[STAIRCASE_WARN_TIME_LOW_PARAMEX],
                nullptr};
    default:
        return {&b.m_nParamEx[STAIRCASE_WARN_LENGTH_HIGH_PARAMEX],
                &b.m_nParamEx[STAIRCASE_WARN_LENGTH_LOW_PARAMEX], nullptr};
    }
}

// A switching time of a cam: a minute of the day, 0xFFFF when it is off.
void ReadCamTime(int nWord, int nTime[2], int* pDisabled)
{
    *pDisabled = nWord == kNoValue ? 1 : 0;
    if (nWord != kNoValue) {
        nTime[0] = nWord / 60;
        nTime[1] = nWord % 60;
    }
}

// Whether the stairway's or multi-function switch's pre-warning is the standard one, known once
// its length, time 4, is read: for the stairway 15 s lasting 1 s, or 0.75 s lasting 0.05 s when
// it counts in seconds:hundredths; for the multi-function switch none. A referenced pre-warning
// is no standard one.
int IsStandardWarning(const CBlockObj& b, int nLengthWord)
{
    if (RefUsed(b, 2) || RefUsed(b, 3))
        return 0;
    const int* X = b.m_nParamEx;
    const int nCode = nLengthWord >> 14 & 3;
    int nWarning = 0;
    int nLength = 0;
    if (b.m_nType == BT_SLS && nCode == 0)
        return 0;
    if (b.m_nType == BT_SLS) {
        nWarning = nCode == 1 ? 75 : 15;
        nLength = nCode == 1 ? 5 : 1;
    }
    return X[STAIRCASE_WARN_TIME_HIGH_PARAMEX] == 0 && X[STAIRCASE_WARN_TIME_LOW_PARAMEX] == nWarning &&
           X[STAIRCASE_WARN_LENGTH_HIGH_PARAMEX] == 0 && X[STAIRCASE_WARN_LENGTH_LOW_PARAMEX] == nLength;
}

} // namespace

void RefOrValue(CBlockObj& block, int k, int nValue, int* pValue)
{
    if (RefUsed(block, k))
        block.m_nRefBlock[k] = NUM_FUNCTION_BLOCK + nValue;
    else
        *pValue = nValue;
}

// Bits 14-15 the base code (3 hours:minutes, 2 minutes:seconds, 1 seconds:hundredths, 0 taken
// as seconds:hundredths), bits 0-13 the time in the smaller unit or the referenced offset. Times
// 3 and 4 count in their word's base without keeping it.
void ReadTimeWord(CBlockObj& block, int nTime, int nWord)
{
    const int nCode = nWord >> 14 & 3;
    const int nBase = nCode == 0 ? kSecondsHundredths : 3 - nCode;
    const int nValue = nWord & kTimeValueMask;
    const TimeSlots slots = TimeSlotsOf(block, nTime);
    if (slots.pBase)
        *slots.pBase = nBase;
    if (RefUsed(block, nTime - 1)) {
        block.m_nRefBlock[nTime - 1] = NUM_FUNCTION_BLOCK + nValue;
        return;
    }
    const int nPerUnit = nBase == kSecondsHundredths ? 100 : 60;
    *slots.pHigh = nValue / nPerUnit;
    *slots.pLow = nValue % nPerUnit;
}

void DecodeLogic(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    const bool bGate = BlockFamilyOf(block.m_nType) == BlockFamily::Logic;
    ReadSlots(ctx, block, r, bGate ? block.m_nInputs : ParamSlots(block), [&](int, int nRole) {
        if (nRole != LINK_PARAM || block.m_nType != BT_BOOLEAN)
            return false;
        block.m_nParamEx[BOOLEAN_TABLE_PARAMEX] = r.Word();
        return true;
    });
}

void DecodeTimer(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    int nTime = block.m_nType == BT_SLS ? 2 : 1;
    bool bIndexRead = false;
    ReadSlots(ctx, block, r, r.Size() / 2 - 1, [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: {
            const int nItem = std::min(nTime++, 4);
            const int nWord = r.Word();
            ReadTimeWord(block, nItem, nWord);
            if (nItem == 4 && (block.m_nType == BT_SLS || block.m_nType == BT_MFS))
                block.m_nParamEx[STAIRCASE_STANDARD_PARAMEX] = IsStandardWarning(block, nWord);
            return true;
        }
        case 58:
            block.m_nParamEx[RPR_PULSES_PARAMEX] = r.Byte() - 1;
            r.Skip(1);
            return true;
        case LINK_END:
            if (bIndexRead)
                return false;
            r.Skip(2);
            bIndexRead = true;
            return true;
        default:
            return false;
        }
    });
}

void DecodeWeeklyTimer(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    auto& wt = static_cast<CBlockTime&>(block);
    for (int nCam = 0; nCam < TIMER_CAM_COUNT; ++nCam) {
        ReadCamTime(r.Word(), wt.m_nOnTime[nCam], &wt.m_bOnDisabled[nCam]);
        ReadCamTime(r.Word(), wt.m_nOffTime[nCam], &wt.m_bOffDisabled[nCam]);
    }
    for (int nCam = 0; nCam < TIMER_CAM_COUNT; ++nCam) {
        const int nMask = r.Byte();
        for (int nDay = 0; nDay < 7; ++nDay)
            wt.m_bDay[nCam][nDay] = nMask >> nDay & 1;
    }
    const int nPulse = r.Byte();
    if (ctx.IsNewGeneration())
        block.m_nParam[WT_PULSE_PARAM] = nPulse;
}

void DecodeYearlyTimer(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    int* P = block.m_nParam;
    int* X = block.m_nParamEx;
    P[YT_ON_DAY_PARAM] = r.Byte();
    const int nOnMonth = r.Byte();
    if (ctx.IsNewGeneration())
        P[YT_ON_YEAR_PARAM] = r.Word();
    X[YT_OFF_DAY_PARAMEX] = r.Byte();
    const int nOffMonth = r.Byte();
    if (ctx.IsNewGeneration()) {
        P[YT_OFF_YEAR_PARAM] = r.Word();
        const int nFlags = r.Byte();
        P[YT_MONTHLY_PARAM] = nFlags >> 7 & 1;
        P[YT_YEARLY_PARAM] = nFlags >> 6 & 1;
        P[YT_PULSE_PARAM] = nFlags & 1;
    } else {
        P[YT_MONTHLY_PARAM] = nOnMonth == 0xFF ? 1 : 0;
    }
    // Every month: the months are not stored; the page shows January to December.
    P[YT_ON_MONTH_PARAM] = P[YT_MONTHLY_PARAM] ? 1 : nOnMonth;
    X[YT_OFF_MONTH_PARAMEX] = P[YT_MONTHLY_PARAM] ? 12 : nOffMonth;
}

void DecodeAstroClock(DecodeContext&, CBlockObj& block, RecordReader& r)
{
    for (int* pValue : {&block.m_nParamEx[AC_LONGITUDE_SECONDS_PARAMEX], &block.m_nParamEx[AC_LONGITUDE_MINUTES_PARAMEX],
                        &block.m_nParamEx[AC_LONGITUDE_DEGREES_PARAMEX], &block.m_nParam[AC_LONGITUDE_WEST_PARAM],
                        &block.m_nParamEx[AC_LATITUDE_SECONDS_PARAMEX], &block.m_nParamEx[AC_LATITUDE_MINUTES_PARAMEX],
                        &block.m_nParamEx[AC_LATITUDE_DEGREES_PARAMEX], &block.m_nParam[AC_LATITUDE_SOUTH_PARAM]})
        *pValue = r.Byte();
    const int nZone = r.Byte();
    block.m_nParamEx[AC_TIME_ZONE_PARAMEX] = r.Byte() ? nZone + 12 : nZone;
}

void DecodeStopwatch(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int, int nRole) {
        if (nRole == LINK_PARAM)
            block.m_nParam[SW_BASE_PARAM] = 3 - r.Word();
        else if (nRole == LINK_END)
            r.Skip(6);
        else
            return false;
        return true;
    });
}

void DecodeCounter(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM:
            RefOrValue(block, 0, r.Long(), &block.m_nParam[COUNTER_ON_PARAM]);
            return true;
        case 59:
            RefOrValue(block, 1, r.Long(), &block.m_nParamEx[COUNTER_OFF_PARAMEX]);
            return true;
        case LINK_END:
            if (ctx.IsNewGeneration()) {
                block.m_nParam[COUNTER_START_PARAM] = r.Long();
                r.Skip(4);
            } else {
                r.Skip(8);
            }
            return true;
        default:
            return false;
        }
    });
}

void DecodeHoursCounter(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    const BOOL bNew = ctx.IsNewGeneration();
    int* P = block.m_nParam;
    int* X = block.m_nParamEx;
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: {
            const int nMinutes = r.Long();
            X[HCOUNTER_OT_HOURS_PARAMEX] = nMinutes / 60;
            if (bNew)
                X[HCOUNTER_OT_MINUTES_PARAMEX] = nMinutes % 60;
            return true;
        }
        case 59:
            if (bNew) {
                int nMinutes = 0;
                RefOrValue(block, 0, r.Long(), &nMinutes);
                if (!RefUsed(block, 0)) {
                    P[HCOUNTER_MI_HOURS_PARAM] = nMinutes / 60;
                    P[HCOUNTER_MI_MINUTES_PARAM] = nMinutes % 60;
                }
            } else {
                P[HCOUNTER_MI_HOURS_PARAM] = r.Word();
            }
            return true;
        case 58:
            X[HCOUNTER_RETAIN_OUTPUT_PARAMEX] = r.Word() == 1 ? 1 : 0;
            return true;
        case LINK_END:
            r.Skip(bNew ? 6 : 8);
            return true;
        default:
            return false;
        }
    });
}

void DecodeThresholdTrigger(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM:
            block.m_nParam[THTRG_ON_PARAM] = r.Word();
            return true;
        case 59:
            block.m_nParam[THTRG_OFF_PARAM] = r.WordHighFirst();
            return true;
        case 58: {
            const int nGate = r.Word() & kTimeValueMask;
            if (ctx.IsNewGeneration() && RefUsed(block, 0)) {
                block.m_nRefBlock[0] = NUM_FUNCTION_BLOCK + nGate;
            } else {
                block.m_nParamEx[THTRG_GATE_SECONDS_PARAMEX] = nGate / 100;
                block.m_nParamEx[THTRG_GATE_HUNDREDTHS_PARAMEX] = nGate % 100;
            }
            return true;
        }
        case LINK_END:
            r.Skip(6);
            return true;
        default:
            return false;
        }
    });
}

void DecodeRelay(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    if (block.m_nType == BT_SOFTKEY) {
        constexpr int kSoftKeyInputs = 2;
        for (int nPin = 0; nPin < kSoftKeyInputs; ++nPin)
            ctx.ReadPinSource(r, block, nPin);
        block.m_nParamEx[SOFTKEY_STATE_PARAMEX] = r.Word() == 256 ? 1 : 0;
        return;
    }
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int, int nRole) {
        if (nRole == LINK_PARAM) {
            const int nWord = r.Word();
            if (block.m_nType == BT_PR)
                block.m_nParamEx[PR_SET_WINS_PARAMEX] = nWord ? 1 : 0;
            else if (block.m_nType == BT_SREG)
                block.m_nParamEx[SREG_BIT_PARAMEX] = nWord ? std::countr_zero(unsigned(nWord)) : 0;
            return true;
        }
        if (nRole != LINK_END)
            return false;
        if (block.m_nType == BT_SREG && ctx.IsNewGeneration()) {
            block.m_nParamEx[SREG_INDEX_PARAMEX] = r.Word();
            r.Skip(4);
        } else {
            r.Skip(2);
        }
        return true;
    });
}

void DecodeMathError(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: {
            const int nWord = r.Word();
            if (RefUsed(block, 0))
                block.m_nRefBlock[0] = NUM_FUNCTION_BLOCK + nWord;
            return true;
        }
        case 58:
            block.m_nParamEx[MATHERR_AUTO_RESET_PARAMEX] = r.Byte();
            r.Skip(1);
            return true;
        case 59: {
            const int nError = r.Word();
            block.m_nParam[MATHERR_ERROR_PARAM] = nError == 2 ? 0 : nError == 3 ? 2 : 1;
            return true;
        }
        case LINK_END:
            r.Skip(4);
            return true;
        default:
            return false;
        }
    });
}

// Slot 1 the message-text slot (plus 128 when it waits for an acknowledgement), slot 2 the
// text's number in the image, which the text itself is found by in upload order.
void DecodeMessageTextRecord(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int nSlot, int nRole) {
        if (nRole == LINK_PARAM && nSlot == 1) {
            // The slot -1 (none) travels as 0xFF, or 0x7F with the acknowledgement; a slot
            // the view does not have is none, so that the document saves and opens again.
            const int nSlotByte = r.Byte();
            const int nSlot = nSlotByte == 0xFF || nSlotByte == 0x7F ? MSGTEXT_NO_SLOT : nSlotByte & 0x7F;
            block.m_nParamEx[MSGTEXT_SLOT_PARAMEX] = nSlot < MSGTEXT_SLOT_COUNT ? nSlot : MSGTEXT_NO_SLOT;
            block.m_nParamEx[MSGTEXT_ACK_PARAMEX] = nSlotByte == 0x7F || (nSlotByte != 0xFF && nSlotByte >> 7) ? 1 : 0;
        } else if (nRole == LINK_PARAM) {
            r.Skip(1);
        } else if (nRole == LINK_END) {
            r.Skip(2);
        } else {
            return false;
        }
        return true;
    });
}

namespace {

// In Auto mode the data number comes back from the data address. The kind is the record's own;
// an address below its kind's offset (a block whose page never set it) is number 0.
void ReadDataNumber(CBlockMR& mr)
{
    if (mr.m_nDataKind < 0 || mr.m_nDataKind >= MODBUS_KIND_COUNT)
        return;
    const int* pOffsets = IsModbusCoilFunction(mr.m_byFunction) ? MODBUS_COIL_OFFSETS : MODBUS_REGISTER_OFFSETS;
    mr.m_wDataNumber = WORD(std::max(0, mr.m_wFirstData - pOffsets[mr.m_nDataKind]));
}

// In Manual mode the data words are the data the page shows as hexadecimal texts; a single coil
// written on is the word 0xFF00, shown as 1.
void ReadManualData(CBlockMR& mr)
{
    constexpr int kCoilOn = 0xFF00;
    const int nFirst = mr.m_byFunction == 5 && mr.m_wFirstData == kCoilOn ? 1 : mr.m_wFirstData;
    mr.m_strFirstData.Format(_T("%X"), nFirst);
    mr.m_strSecondData.Format(_T("%X"), int(mr.m_wSecondData));
}

} // namespace

void DecodeModbus(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    auto& mr = static_cast<CBlockMR&>(block);
    const auto readCycle = [&] {
        const int nCycle = r.Word();
        block.m_nParam[MODBUS_CYCLE_PARAM] = nCycle == kNoValue ? 0 : nCycle;
    };
    // The newer read block's cycle stands in the place of the second data word, which a read
    // block keeps at 0.
    const bool bReadCycle = block.m_nType == BT_MR && ctx.IsNewGeneration();
    ReadSlots(ctx, block, r, r.Size() / 2 - 1, [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM:
            mr.m_bySlave = BYTE(r.Byte());
            mr.m_byCommand = BYTE(r.Byte());
            return true;
        case 57: readCycle(); return true;
        case 82: mr.m_wRegister = WORD(r.Word()); return true;
        case 83: mr.m_wCount = WORD(r.Word()); return true;
        case 84: mr.m_wFirstData = WORD(r.Word()); return true;
        case 85:
            if (bReadCycle)
                readCycle();
            else
                mr.m_wSecondData = WORD(r.Word());
            return true;
        case 86:
            mr.m_nDataKind = r.Byte();
            mr.m_byMode = r.Byte() ? 1 : 0;
            return true;
        default:
            return false;
        }
    });
    mr.m_byFunction = ModbusFunctionCode(block.m_nType, mr.m_byCommand);
    if (mr.m_byMode)
        ReadManualData(mr);
    else
        ReadDataNumber(mr);
    // The command and data kind index the block's own lists; a project could not hold others.
    if (mr.m_byCommand >= MODBUS_COMMAND_COUNT || mr.m_nDataKind >= MODBUS_KIND_COUNT)
        ctx.Fail(DecodeError::BadSetting, ctx.m_nRecord);
}

namespace {

void ReadMathConstant(CBlockObj& block, RecordReader& r)
{
    const int nType = block.m_nType;
    if (HasFloatConstant(nType)) {
        block.m_dParam = r.Long() / 100.0;
    } else if (nType == BT_SMC || nType == BT_SMCE) {
        block.m_nParam[SMC_MODE_PARAM] = r.Word();
    } else if (nType == BT_PTO || nType == BT_PTOE) {
        block.m_nParam[PTO_PIN_PARAM] = r.Word();
    } else if (nType == BT_MEM) {
        r.Skip(1);
    } else {
        const bool bTenth = nType == BT_LOG || nType == BT_FIX || nType == BT_ROUND;
        const int nWord = r.Word();
        // The divisor of MOD and REM is signed; the other words are not.
        const bool bSigned = (nType == BT_MOD || nType == BT_REM) && !RefUsed(block, 0);
        RefOrValue(block, 0, bSigned ? r.Signed(nWord) : nWord, &block.m_nParam[bTenth ? LOG_BASE_PARAM : WORDOP_OPERAND_PARAM]);
        // The mask's page edits it as the text of its four hexadecimal digits.
        if (IsMaskType(nType) && nType != BT_NOTM && !RefUsed(block, 0))
            block.m_strParamText.Format(_T("%04X"), nWord);
    }
}

void ReadAnalogOperand(CBlockObj& block, int nCode)
{
    ReadAnalogOperandCode(nCode, &block.m_nParam[ARRMXIV_AREA_PARAM], &block.m_nParamEx[ARRMXIV_FIRST_PARAMEX]);
}

} // namespace

bool ReadAnalogOperandCode(int nCode, int* pKind, int* pIndex)
{
    constexpr int kTypes[] = {BT_ANALOG_FLAG, BT_ANALOG_OUT, BT_ANALOG_IN};
    const IoClass* pClass = FindIoClassByCode((nCode & 0xFF) >> 4);
    for (int nKind = 0; pClass && nKind < 3; ++nKind) {
        if (pClass->nType == kTypes[nKind]) {
            *pKind = nKind;
            *pIndex = (nCode & 3) * 256 + (nCode >> 8);
            return true;
        }
    }
    return false;
}

void DecodeMath(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    const int nKindParam = ARRMXIV_AREA_PARAM;
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM:
            ReadMathConstant(block, r);
            return true;
        case 85:
            ReadAnalogOperand(block, r.WordHighFirst());
            return true;
        case 83: {
            const int nWord = r.Word();
            if (block.m_nType != BT_MEM) {
                RefOrValue(block, 1, nWord, &block.m_nParamEx[ARRMXIV_COUNT_PARAMEX]);
            } else if (RefUsed(block, 0)) {
                block.m_nParam[nKindParam] = nWord >> 12;
                block.m_nRefBlock[0] = NUM_FUNCTION_BLOCK + (nWord & 0xFFF);
            }
            return true;
        }
        case 95:
            block.m_nParam[nKindParam] = r.Word();
            return true;
        case 84:
            r.Skip(1);
            return true;
        case 78:
            RefOrValue(block, 1, r.Long(), &block.m_nParamEx[ARRMXIV_COUNT_PARAMEX]);
            return true;
        case 77:
            RefOrValue(block, 0, r.Long(), &block.m_nParamEx[PULSE_LENGTH_PARAMEX]);
            return true;
        case 72:
            r.Skip(2);
            return true;
        default:
            return false;
        }
    });
}

void DecodeUdc(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    int* P = block.m_nParam;
    int* X = block.m_nParamEx;
    const struct {
        int nRole;
        int* pValue;
    } kBytes[] = {{58, &P[UDC_TX_START_FLAG_PARAM]},      {86, &P[UDC_TX_END_FLAG_PARAM]},
                  {64, &P[UDC_RX_END_FLAG_PARAM]},        {62, &P[UDC_RX_START_CHARACTER_PARAM]},
                  {60, &P[UDC_TX_START_CHARACTER_PARAM]}, {63, &X[UDC_RX_END_CHARACTER_PARAMEX]},
                  {61, &X[UDC_TX_END_CHARACTER_PARAMEX]}, {59, &X[UDC_RX_START_FLAG_PARAMEX]}};
    ReadSlots(ctx, block, r, std::max(ParamSlots(block), kUdcRecordSlots), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: X[UDC_PORT_PARAMEX] = r.Word(); return true;
        case 57: {
            const int nCycle = r.Word();
            P[UDC_CYCLE_PARAM] = nCycle == kNoValue ? 0 : nCycle;
            return true;
        }
        case 82:
            if (!ReadAnalogOperandCode(r.WordHighFirst(), &X[UDC_TX_AREA_PARAMEX], &P[UDC_TX_NUMBER_PARAM]))
                ctx.Fail(DecodeError::BadSetting, ctx.m_nRecord);
            return true;
        case 83: X[UDC_TX_WORDS_PARAMEX] = r.Word(); return true;
        case 84:
            if (!ReadAnalogOperandCode(r.WordHighFirst(), &X[UDC_RX_AREA_PARAMEX], &P[UDC_RX_NUMBER_PARAM]))
                ctx.Fail(DecodeError::BadSetting, ctx.m_nRecord);
            return true;
        case 85: X[UDC_RX_WORDS_PARAMEX] = r.Word(); return true;
        default: break;
        }
        for (const auto& byte : kBytes) {
            if (byte.nRole == nRole) {
                *byte.pValue = r.Byte();
                return true;
            }
        }
        return false;
    });
}

void DecodeQuad(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: block.m_nParam[QUAD_A_PARAM] = r.SignedWord(); return true;
        case 61: block.m_nParamEx[QUAD_B_PARAMEX] = r.SignedWord(); return true;
        case 62: block.m_nParamEx[QUAD_C_PARAMEX] = r.SignedWord(); return true;
        case 63: block.m_nParam[QUAD_ROOT_PARAM] = r.Word(); return true;
        case 72: block.m_dParam = r.Long() / 100.0; return true;
        default: return false;
        }
    });
}

void DecodeEncoder(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: block.m_nParam[ENCODER_START_PARAM] = r.Long(); return true;
        case 70: RefOrValue(block, 0, r.Long(), &block.m_nParam[ENCODER_ON_PARAM]); return true;
        case 71: RefOrValue(block, 1, r.Long(), &block.m_nParamEx[ENCODER_OFF_PARAMEX]); return true;
        case 58: block.m_nParamEx[ENCODER_PAIR_PARAMEX] = r.Word(); return true;
        default: return false;
        }
    });
}

void DecodeWifi(DecodeContext& ctx, CBlockObj& block, RecordReader& r)
{
    auto& wifi = static_cast<CBlockWIFI&>(block);
    ReadSlots(ctx, block, r, ParamSlots(block), [&](int, int nRole) {
        switch (nRole) {
        case LINK_PARAM: wifi.m_nWifiMode = r.Byte(); return true;
        case 98: {
            const int nChannel = r.Byte();
            if (wifi.m_nWifiMode <= 1)
                wifi.m_nWifiId = wifi.m_nWifiMode == 0 ? nChannel - 1 : nChannel;
            return true;
        }
        case 99: wifi.m_nRemoteKind = r.Byte(); return true;
        case 100: wifi.m_nRemoteNumber = r.Byte(); return true;
        case 101:
        case 58: r.Skip(1); return true;
        default: return false;
        }
    });
}

} // namespace record
