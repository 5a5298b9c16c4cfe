// The sheets of the data log, the astronomical clock, the register and pulse blocks, the
// quadratic equation, the math-error detection, the stopwatch and math functions, and the
// up/down counter and encoder.
#pragma once

#include <span>

struct SheetTypeRow;

std::span<const SheetTypeRow> FunctionPageRows();
