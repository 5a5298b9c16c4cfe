// The operands a ladder element may take, as its sheet lists them: I/O points, function keys,
// the fixed levels, shift-register bits, flags, open connectors, analog points and function
// blocks, by the element's kind, the controller generation and the elements already in the
// document. A contact never stores a Q, M, AQ or AM address: it reads the coil or analog output
// that drives the address, so its entry stores that element's number.
#pragma once

#include "platform/core/String.h"

#include <vector>

class CVetlaDoc;

struct LadderOperandEntry {
    CString strText;
    // The operand the entry stands for, which orders the entries that depend on the document.
    int nKey = 0;
    // What the element stores when the entry is chosen.
    int nOperand = 0;
};

// The list of the element type (700 .. 705) whose own operand is nOwnOperand, in the order the
// sheet shows it.
std::vector<LadderOperandEntry> BuildLadderOperandList(const CVetlaDoc& doc, int nType, int nOwnOperand);

// The operand ranges the ladder sheet treats apart: digital inputs (I and F) and analog inputs
// have a simulation page; their comments and those of S, Low and High live under the operand.
bool IsLadderDigitalInput(int nOperand);
bool IsLadderAnalogInput(int nOperand);
bool IsLadderSimulatedInput(int nOperand);
// The operand a comment of the element lives under: its own (an input, register bit, level,
// or a coil's or analog output's address), or for a contact that reads a coil or analog output
// that element's address; -1 for a function block's, which the block keeps itself.
int LadderCommentOperand(const CVetlaDoc& doc, int nOperand);
