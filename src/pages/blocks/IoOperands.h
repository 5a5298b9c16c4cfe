// The operands of the connector blocks (inputs, outputs, flags, shift-register bits, open
// connectors, function keys, cursor keys, analog connectors): per type code the list prefix, how
// many operands a unit holds and how many units there are, the base of the block number, and the
// texts of the page and the sheet's title. An operand of an I/O kind is a unit ("Main",
// "Ext.1" .. "Ext.7") and a number within it; the other kinds have one flat range.
#pragma once

#include "platform/core/String.h"
#include "platform/core/Types.h"

#include <optional>
#include <vector>

class CBlockObj;
class CVetlaDoc;

constexpr int IO_UNIT_COUNT = 8;

struct IoOperandKind {
    int nType;
    LPCTSTR lpszPrefix;
    // Operands per unit (the whole range for a flat kind), and how many of each unit the older
    // controller generation offers.
    int nPerUnit;
    int nPerUnitOld;
    // IO_UNIT_COUNT for the kinds on I/O modules, 1 for a flat range.
    int nUnits;
    int nBase;
    LPCTSTR lpszLabel;
    WORD nLabelKey;
    // The kind in the sheet's title.
    LPCTSTR lpszTitleKind;

    BOOL IsModular() const { return nUnits > 1; }
    // Shift-register bits read "S<group>.<bit>".
    BOOL IsGrouped() const { return nPerUnit == 64; }
    int Count() const { return nUnits * nPerUnit; }
    // The operand is offered in a document of that generation.
    BOOL IsOffered(int nIndex, BOOL bNewGeneration) const;
};

// The kind of the type code; null for a type that is no connector.
const IoOperandKind* FindIoOperandKind(int nType);

// "Main", "Ext.1" .. "Ext.7".
const CString& IoUnitName(int nUnit);
// The position of the name among the unit names, -1 when it is none of them.
int FindIoUnit(const CString& strUnit);

// The list text of an operand: "I5", "S1.3"; for an I/O kind the number within its unit.
CString IoOperandText(const IoOperandKind& kind, int nIndex);
// The operand a list text (and, for an I/O kind, a unit name) stands for; none when the text
// does not begin with the kind's prefix and a number, or names an operand the kind has not.
std::optional<int> ParseIoOperand(const IoOperandKind& kind, const CString& strNumber, const CString& strUnit);

// Per operand of the kind: 0 free, 1 taken by another block of the type, 2 the own operand.
enum class IoUsage { Free = 0, Taken = 1, Own = 2 };
std::vector<IoUsage> BuildIoUsage(const CVetlaDoc& doc, const IoOperandKind& kind, int nOwnIndex);

// The operand is free for a block of the type whose own operand is nOwnIndex.
BOOL IsIoOperandFree(const CVetlaDoc& doc, int nType, int nIndex, int nOwnIndex);

// The sheet's title after an Apply: the operand text (for an I/O kind with the unit's index in
// front of the two-digit number) followed by the kind; the kind alone for an unknown unit.
CString IoSheetTitle(const IoOperandKind& kind, const CString& strNumber, const CString& strUnit);
