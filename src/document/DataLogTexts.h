// The texts by which the data-log page names what a data log records: a range of eight inputs,
// outputs or flags, a single analog operand, or a value of a function block. The page lists its
// sources with them and reads each back as the operand or block it stands for; an uploaded data
// log names its items with the same texts, so that the page finds them unchanged.
#pragma once

#include "platform/core/String.h"

#include <vector>

// The operand sources in the page's order: analog inputs, analog flags, analog outputs, then
// ranges of eight inputs, flags and outputs.
std::vector<CString> DataLogOperandSources();

// The source text of an operand number, a range by its first operand ("I100-I107" for 132,
// "AQ103[Analog output]" for 4237); empty for a number of no kind the page lists.
CString DataLogOperandText(int nNumber);

// The names of the values a block type can log, in the page's order; empty for a type that
// logs none.
std::vector<CString> LoggableParamNames(int nType);
