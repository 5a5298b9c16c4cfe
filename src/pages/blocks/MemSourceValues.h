// The values a memory block can read of another function block: per source type, the
// parameter-name ids of its loggable values in the order the controller numbers them.
#pragma once

#include "platform/core/String.h"

#include <vector>

// The parameter-name ids of the type's values; empty for a type that offers none.
std::vector<int> MemSourceValueIds(int nType);
// Their names as the index list shows them.
std::vector<CString> MemSourceValueNames(int nType);
