// The five values of a simulated input as the simulation page edits them: whether the range of
// values is automatic, the current value, the range, and how a digital input is operated. An
// input block keeps them in its own words, a ladder contact's operand in the document's map.
#pragma once

class CBlockObj;
struct OperandSimRecord;

struct SimInputValues {
    int nAuto = 1;
    int nValue = 0;
    int nMin = 0;
    int nMax = 0;
    // SIM_INPUT_SWITCH .. SIM_INPUT_FREQUENCY.
    int nKind = 3;

    bool operator==(const SimInputValues&) const = default;
};

// A digital input confirmed on its page: a frequency source with an automatic range spans the
// four digits; then the range is put in order and the value held inside it.
void NormaliseDigitalSimInput(SimInputValues& values);

// The block's own simulated-input words (input, function-key and analog-input blocks).
SimInputValues ReadBlockSimInput(const CBlockObj& block);
void WriteBlockSimInput(CBlockObj& block, const SimInputValues& values);

OperandSimRecord ToOperandRecord(const SimInputValues& values);
SimInputValues FromOperandRecord(const OperandSimRecord& record);
