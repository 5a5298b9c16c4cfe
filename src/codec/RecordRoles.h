// What the record encoders and decoders share about a function block's record: the slots a
// family walks, the reference flags, the time word's parts and the classes whose constant is a
// floating-point value. Both directions read these, so that a record is read back exactly as it
// was written.
#pragma once

#include "blocks/BlockObj.h"

#include <algorithm>
#include <initializer_list>

namespace record {

// The soft key keeps its state where the message texts keep their image index; it has no family
// header of its own.
constexpr int SOFTKEY_STATE_PARAMEX = 12;
// A time word: bits 14-15 the base code, bits 0-13 the time in the smaller unit.
constexpr int kTimeValueMask = 0x3FFF;
// The time-base setting of seconds:hundredths, which a time word's base code 0 is taken as too.
constexpr int kSecondsHundredths = 2;

// The user-defined communication's record runs to the receive end character in slot 15, one
// past the slot count its blocks (and the files that hold them) keep.
constexpr int kUdcRecordSlots = 16;

// The analog watchdog's record: its two inputs, the role-55 threshold, then these roles.
constexpr int kWatchdogInputs = 2;
constexpr std::initializer_list<int> kWatchdogNewerRoles = {71, 72, 73, 74};
constexpr std::initializer_list<int> kWatchdogOlderRoles = {71, 75, 72, 73, 74};

// Parameter k (0-3) comes from a referenced block.
inline bool RefUsed(const CBlockObj& block, int k)
{
    return block.m_nParam[BLOCK_REF_USED_PARAM + k] != 0;
}

// The slots a family walks: its parameter slots, at least its inputs.
inline int ParamSlots(const CBlockObj& block)
{
    return std::max(block.m_nPinSlots, block.m_nInputs);
}

// The math blocks whose constant is a floating-point value, stored times 100 in 32 bits.
bool HasFloatConstant(int nType);

} // namespace record
