// The record bodies of the function-block families read back (everything after the two header
// bytes): one decoder per ImageFamily, each the mirror of its encoder in RecordEncoders.h, and
// the pin-slot walk they share.
#pragma once

#include "codec/RecordRoles.h"
#include "platform/core/Types.h"

class CBlockObj;
class DecodeContext;
class RecordReader;

namespace record {

// Calls role(slot, role code) for each slot from 0 below nSlots that carries a role, as
// WalkSlots wrote them: input slots take their source item, a role the callback does not take
// passes its two bytes.
template <class Role>
void ReadSlots(DecodeContext& ctx, CBlockObj& block, RecordReader& r, int nSlots, Role role);

// Parameter k (0-3) names a referenced block: its offset from 9000 goes to the reference,
// otherwise nValue goes to *pValue.
void RefOrValue(CBlockObj& block, int k, int nValue, int* pValue);
// A timer's time word back into time parameter nTime (1-4).
void ReadTimeWord(CBlockObj& block, int nTime, int nWord);
// An analog operand's source code (high byte first) into its kind (0 AM, 1 AQ, 2 AI) and index;
// FALSE, leaving both, for a code of no analog class.
bool ReadAnalogOperandCode(int nCode, int* pKind, int* pIndex);

void DecodeLogic(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeTimer(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeWeeklyTimer(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeYearlyTimer(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeAstroClock(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeStopwatch(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeCounter(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeHoursCounter(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeThresholdTrigger(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeRelay(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeMathError(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeMessageTextRecord(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeModbus(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeMath(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeUdc(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeQuad(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeEncoder(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeWifi(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
// The analog families (RecordDecodersAnalog.cpp).
void DecodeAnalog(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeAnalogWatchdog(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeAnalogMux(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeAnalogFilter(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeAverage(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeMaxMin(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodeAnalogRamp(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodePiController(DecodeContext& ctx, CBlockObj& block, RecordReader& r);
void DecodePwm(DecodeContext& ctx, CBlockObj& block, RecordReader& r);

} // namespace record

#include "codec/RecordDecoders.inl"
