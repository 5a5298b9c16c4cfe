// Numbering the function blocks again without gaps after some went: everything that names a
// function block by number follows it.
#pragma once

#include "platform/core/String.h"

class CBlockObj;
class CVetlaDoc;

// Function blocks 9000, 9001, ... in list order. The wires' end numbers and pin tables, the
// data log's items of a renumbered block, the ladder contacts that read a function block and
// the message-text elements that show one take the new numbers; the document is marked
// modified.
void RenumberFunctionBlocks(CVetlaDoc& doc);

// "B<n><type name>", the text of a data-log item that logs the function block.
CString DataLogItemText(const CBlockObj* pBlock);
