// The values of a function block that a data-log block can record (and a memory block can
// keep), as parameter-name ids (g_arrParameterNames), per block type code.
#pragma once

#include <span>

// The ids in list order; empty for a type that offers none.
std::span<const int> LoggableParamIds(int nType);
