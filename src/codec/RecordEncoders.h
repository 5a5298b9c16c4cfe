// The record bodies of the function-block families (everything after the two header bytes),
// one encoder per ImageFamily, and the pin-slot walk they share.
#pragma once

#include "codec/RecordRoles.h"
#include "platform/core/Types.h"

class CBlockObj;
class EncodeContext;
class RecordWriter;

namespace record {

inline int OwnIndex(const CBlockObj& block);
// Sums and products of values a file gave may pass an int; a field keeps only their low bits,
// so they are taken modulo 2^32 (the bits sent are those of the plain sum where it fits).
constexpr int Wrapped(long long nValue)
{
    return int(static_cast<unsigned int>(static_cast<unsigned long long>(nValue)));
}
// A value times 100 as the 32-bit field of a floating-point constant takes it: no number gives
// 0, a value past the field's range its end.
long long Hundredths(double dValue);
// The referenced block's offset from 9000 when parameter k is a reference, else nValue.
int RefOr(const CBlockObj& block, int k, int nValue);
// The offset from 9000 of the block parameter k refers to.
int RefOffset(const CBlockObj& block, int k);

// An analog operand chosen by kind (0 AM, 1 AQ, 2 AI): its source code, to be written high
// byte first; 0xFFFF for a kind or index of no analog point.
int AnalogOperandCode(int nKind, int nIndex);

// A timer's time parameter nTime (1-4) as its time word: bits 14-15 the time base (3
// hours:minutes, 2 minutes:seconds, 1 seconds:hundredths), bits 0-13 the time in the smaller
// unit or the referenced block's offset.
int TimeWord(const CBlockObj& block, int nTime);

// Calls role(slot, role code) for each slot from 0 below nSlots that carries a role (the output
// pin 10 is no item); input slots fed by a block or open get their source's reference. A role the callback does not
// take writes two zero bytes for 53 and leaves two bytes otherwise.
template <class Role>
void WalkSlots(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w, int nSlots, Role role);

void EncodeLogic(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeTimer(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeWeeklyTimer(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeYearlyTimer(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeAstroClock(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeStopwatch(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeCounter(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeHoursCounter(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeThresholdTrigger(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeRelay(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeMathError(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeMessageTextRecord(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeModbus(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeMath(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeUdc(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeQuad(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeEncoder(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeWifi(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
// The analog families (RecordEncodersAnalog.cpp).
void EncodeAnalog(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeAnalogWatchdog(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeAnalogMux(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeAnalogFilter(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeAverage(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeMaxMin(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodeAnalogRamp(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodePiController(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);
void EncodePwm(EncodeContext& ctx, const CBlockObj& block, RecordWriter& w);

} // namespace record

#include "codec/RecordEncoders.inl"
