// The block number space and the capacity limits of the controller generations: which numbers
// a range-numbered block type may take, how many blocks of a kind a document may hold, the
// category of a type code and the program sizes that depend on the generation. Pure rules,
// without a document.
#pragma once

#include "blocks/BlockTypes.h"
#include "platform/core/Types.h"

#include <span>

// One range of block numbers: numbers nBase .. nBase + size - 1. With nGroup set, only the
// first nUsable numbers of each group of nGroup numbers may be handed out.
struct NumberRange {
    int nType;
    int nBase;
    int nSizeOld;  // older controller generation
    int nSizeNew;  // newer controller generation
    int nGroup;
    int nUsable;

    int Size(BOOL bNewGeneration) const { return bNewGeneration ? nSizeNew : nSizeOld; }
    BOOL IsAssignable(int nIndex) const { return nGroup == 0 || nIndex % nGroup < nUsable; }
};

// The range a type code is numbered in; null for types numbered as function blocks.
const NumberRange* FindNumberRange(int nType);

constexpr bool IsCoil(int nType) { return nType == BT_RELAY_COIL || nType == BT_INV_OUT; }

// Blocks of nBlockType count toward the limit and the numbering of nLimitType: relay coils and
// inverted outputs share one limit and one range.
constexpr bool CountsToward(int nLimitType, int nBlockType)
{
    return nBlockType == nLimitType || (IsCoil(nLimitType) && IsCoil(nBlockType));
}

// An operand table of a ladder document: operands nBase .. nBase + nSize - 1.
struct OperandTableRange {
    int nBase;
    int nSize;

    BOOL Contains(int nOperand) const { return nOperand >= nBase && nOperand < nBase + nSize; }
};
constexpr OperandTableRange OPERANDS_Q = {600, 128};
constexpr OperandTableRange OPERANDS_M = {1316, 512};
constexpr OperandTableRange OPERANDS_X = {4800, 128};
constexpr OperandTableRange OPERANDS_AQ = {4230, 32};
constexpr OperandTableRange OPERANDS_AM = {4288, 512};

// Function blocks take 9000 + the count of blocks numbered 9000..10999.
constexpr int FUNCTION_BLOCK_LAST = 10999;

// Every number the numbering hands out, the power rail's included, lies in
// NUMBER_SPACE_FIRST .. NUMBER_SPACE_END - 1; only a damaged file's blocks lie outside.
constexpr int NUMBER_SPACE_FIRST = NUM_POWERBUS;
constexpr int NUMBER_SPACE_END = NUM_AOUT_LAD + 544;
constexpr bool IsInNumberSpace(int nNumber)
{
    return nNumber >= NUMBER_SPACE_FIRST && nNumber < NUMBER_SPACE_END;
}

// A block's number lies in the space, and so does a ladder element's operand, which names an
// element by its number (in a ladder diagram) or is the element's index in its own range (in a
// function-block diagram). Labels and lookups compute with both, so a block with either outside
// comes from a damaged file.
constexpr bool IsSoundNumbering(int nType, int nNumber, int nOperand)
{
    const bool bLadder = nType >= BT_MAKE && nType <= BT_AOUT_LAD;
    return IsInNumberSpace(nNumber) && (!bLadder || IsInNumberSpace(nOperand));
}

constexpr bool IsFunctionBlockNumber(int nNumber)
{
    return nNumber >= NUM_FUNCTION_BLOCK && nNumber <= FUNCTION_BLOCK_LAST;
}

// What the function blocks' numbers of a diagram are: 9000, 9001, ... each once, as adding and
// deleting keep them (a new block takes 9000 + their count), with gaps, or with a number used
// twice. Numbers outside 9000..10999 are not looked at.
enum class FunctionNumbering { Sound, Gaps, Twice };
FunctionNumbering CheckFunctionNumbering(std::span<const int> numbers);

// How many blocks of a type a document may hold; null when the type has no limit entry (the
// document then refuses it).
struct CapacityLimit {
    int nType;
    int nLimitOld;
    int nLimitNew;

    int Limit(BOOL bNewGeneration) const { return bNewGeneration ? nLimitNew : nLimitOld; }
};
const CapacityLimit* FindCapacityLimit(int nType);

// By the type's family: 1 I/O, constants and LAD elements, 2 logic, timer and function blocks,
// 3 connectors, 4 the data log, 0 the power rail and every code without a row.
constexpr int BLOCK_CATEGORY_IO = 1;
constexpr int BLOCK_CATEGORY_FUNCTION = 2;
constexpr int BLOCK_CATEGORY_CONNECTOR = 3;
constexpr int BLOCK_CATEGORY_DATALOG = 4;
int GetBlockCategory(int nType);

// The program size of a type whose size differs between the generations (the yearly timer,
// shift register and Modbus write; hardware codes below 0x5188 are the older one), from its
// row's placement bytes; 0 for other types.
WORD GetSpecialProgramBytes(int nType, WORD wHardwareCode);
