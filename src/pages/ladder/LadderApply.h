// What the ladder element sheet writes into the document: the comment kept under the operand,
// the simulated input of an input operand, and the operand itself. The view's half of an Apply
// is WriteLadderApplyRecord; the sheet's modal OK uses the same pieces.
#pragma once

#include "pages/sheet/SimInputValues.h"
#include "platform/core/String.h"
#include "platform/core/Types.h"

class CBlockObj;
class CVetlaDoc;
class ISheetHost;
struct SheetApplyRecord;

// The operand's comment, under the operand LadderCommentOperand names; a function block's
// operand has the block's own comment.
CString ReadLadderComment(const CVetlaDoc& doc, int nOperand);
void StoreLadderComment(CVetlaDoc& doc, int nOperand, const CString& strComment);

// The input's simulated values as the document keeps them, or the defaults of a new one.
SimInputValues ReadLadderSimInput(const CVetlaDoc& doc, int nType, int nOperand, int nPageDefaultKind);

// An analog contact's values fitted to the range its sources give (0 .. 1000 without sources
// in automatic mode), the value held inside.
SimInputValues FitLadderAnalogInput(const CVetlaDoc& doc, CBlockObj& element, SimInputValues values);

// The element takes its new operand; a number no element reads any more leaves the message
// texts. TRUE when the operand changed.
BOOL SetLadderOperand(CBlockObj& element, int nOperand, ISheetHost& host);

// The record of a ladder sheet into its element and the document's maps; the comment goes to
// the operand the record sets.
BOOL WriteLadderApplyRecord(const SheetApplyRecord& record, CBlockObj& element, ISheetHost& host);
