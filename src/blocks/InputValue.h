// What a block reads of another block through an analog input: the source's value by the
// source's class.
#pragma once

#include "platform/core/Types.h"

class CBlockObj;

enum class InputValueKind : unsigned char {
    // An analog function block: its computed value.
    AnalogValue,
    // An analog input, output or flag: the value it holds for the simulation.
    HeldValue,
    // An analog contact: the value of its operand, another block or an analog input.
    Operand,
    // Any other block: the low word of its running time.
    RunTime,
};

// The kind by the source's class, tested in this order.
InputValueKind InputValueKindOf(const CBlockObj& source);
// The value a reader takes from the source; Operand kinds look up their operand in the source's
// document.
WORD InputValueOf(const CBlockObj& source, InputValueKind kind);
