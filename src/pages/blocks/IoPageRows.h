// The sheets of the connector blocks: their operand page, for inputs, function keys and analog
// inputs the simulation page after the comment page, and what OK and Apply do beyond the page's
// words (the operand and block number from the chosen texts, the simulated input). The fixed
// levels have the comment page only.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <span>

struct SheetTypeRow;

std::span<const SheetTypeRow> IoPageRows();

class CBlockObj;
class ISheetHost;

// The operand the texts name into the block, its number following: nothing when they name no
// operand of the kind or one another block of the type has. TRUE when the number changed.
BOOL ApplyIoOperandChoice(CBlockObj& block, const CString& strNumber, const CString& strUnit);
