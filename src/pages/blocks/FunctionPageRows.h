// The main pages of the data log, the astronomical clock, the register and pulse blocks, the
// quadratic equation, the math-error detection, the stopwatch and math functions, and the
// up/down counter and encoder, set into their registry rows.
#pragma once

struct BlockPageRow;

// Sets the main page of the row's type when it is one of these; FALSE for other types.
bool BindFunctionPage(BlockPageRow& row);
