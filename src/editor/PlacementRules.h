// The rules by which a block from the palette is let into the program: the program memory a
// new function block is counted with, the refusal text of each kind that has one, and which
// type codes the placement can create at all. Pure functions, without a view or a document,
// reading the placement columns of the block-type table.
#pragma once

#include "platform/core/Types.h"

// The program memory a function block may take in all.
constexpr int PROGRAM_MEMORY_BYTES = 24576;
// The number of function blocks a program may hold.
constexpr int FUNCTION_BLOCK_LIMIT = 1024;

// The bytes a new function block of the type is counted with before it is placed; for the
// yearly timer, the shift register and the Modbus write they depend on the generation. 0 for
// a code without a row and for the types the memory check does not count (the rotations and
// shifts 834-837 and the quadratic equation 879 among them, although their blocks carry 8 and
// 20 bytes once made).
WORD PlacementProgramBytes(int nType, BOOL bNewGeneration);

// The string id of the "All available ... are in use!" text of the type; 0 for a type without
// a text of its own.
UINT PlacementRefusalId(int nType);

// TRUE for the type codes the placement creates a block for; the cursor key (601), the soft
// key (811), the connector halves (900, 901), the power rail and every code without a row are
// never placed from the palette.
BOOL IsPlaceableType(int nType);
