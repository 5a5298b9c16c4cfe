// The function-block names in square brackets ("[On Delay]") by type code. Lists and combo
// boxes all over the program label a function block "B%d%s" with its number and this name;
// a type without an entry (basic logic, I/O, ladder elements, connectors, ...) has no name.
// The names are English in both interface languages; they are the list-name column of the
// block-type table.
#pragma once

#include "platform/core/Map.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

// Type code -> name; filled by InitBlockNames.
extern CMap<int, int, CString, LPCTSTR> g_mapBlockNames;

constexpr UINT BLOCK_NAME_HASH_SIZE = 91;
constexpr int BLOCK_NAME_COUNT = 77;

// Rebuilds g_mapBlockNames from nothing: 91 buckets, the 77 names in the order of their rows'
// list-name order (the order decides how the map iterates).
void InitBlockNames();

// "B<n><type name>": the line by which lists name function block 9000 + n of the type.
CString BlockListText(int nNumber, int nType);
