// The analog form of the apply record: the fields of an analog block that its page edits beyond
// the generic parameter words (the scaling, the thresholds, the referenced blocks, the PI and PWM
// settings). A page fills the groups it edits; writing into a block touches only those, so that
// Apply and the modal OK store the same fields.
#pragma once

#include "blocks/BlockObj.h"
#include "pages/sheet/SheetApplyRecord.h"

class CBlockAnalog;

constexpr unsigned ANALOG_GROUP_SCALING = 0x01;
constexpr unsigned ANALOG_GROUP_LIMITS = 0x02;
constexpr unsigned ANALOG_GROUP_PI = 0x04;
constexpr unsigned ANALOG_GROUP_PWM = 0x08;

// A parameter taken from another block: whether it is, and that block's number (-1: none).
struct AnalogReference {
    BOOL bUse = FALSE;
    int nBlockNumber = -1;
};

struct AnalogRecord {
    unsigned nGroups = 0;
    // The first nReferences references are written (flag and block).
    int nReferences = 0;
    AnalogReference refs[BLOCK_REF_COUNT];
    int nDecimals = 0;
    // ANALOG_GROUP_SCALING
    int nSensor = 0;
    int nRangeMin = 0;
    int nRangeMax = 1000;
    double dGain = 1.0;
    int nOffset = 0;
    int nUnit = 0;
    int nResolution = 1;
    // ANALOG_GROUP_LIMITS: On/Off, L1/L2, SP/Mq or the PWM's range.
    int nLimit1 = 0;
    int nLimit2 = 0;
    // ANALOG_GROUP_PI
    int nParamSet = 0;
    double dKC = 0.5;
    int bUseTI = 1;
    int nTIMinutes = 0;
    int nTISeconds = 30;
    int nDirection = 0;
    // ANALOG_GROUP_PWM: the high-speed output (the periodic time is in the timer's words).
    int nFastOutput = 4;
};

// Every field of the block; the references as their flags and block numbers.
AnalogRecord ReadAnalogRecord(const CBlockAnalog& block);
// The record's groups into the block; a reference is looked up by number in the block's
// document and is no reference when that block is gone.
void WriteAnalogRecord(const AnalogRecord& record, CBlockAnalog& block);

