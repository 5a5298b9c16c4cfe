// The label drawn above a block: the address of an I/O or constant block (I000, Q101, S1.1,
// M0 ...), the operand address of a ladder element, or the display number of a function block
// or data log with its label suffix (B12 Pump, L1).
#pragma once

#include "platform/core/String.h"

class CBlockObj;
class IBlockDocument;

// pDoc is where a ladder element's operand of 21000 and more (a coil or a LAD analog output)
// is looked up; a type code without a label rule gives an empty text.
CString FormatBlockLabel(const CBlockObj& block, const IBlockDocument* pDoc);
