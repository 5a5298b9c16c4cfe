// The parameter references of a block as the pages set them: a page keeps the chosen block by
// number, and the write looks the number up in the block's own document, so that a record that
// outlives a change of the diagram never leaves a pointer to a block that has gone.
#pragma once

class CBlockObj;

// The number of the block that reference k names, -1 for none.
int ReferenceNumberOf(const CBlockObj& block, int k);
// Reference k names the block numbered nNumber of the block's document, and the flag word of
// parameter k says so; with no such block (nNumber -1 among them) the reference and its flag
// are cleared: the flag never claims a block that is not there.
void SetBlockReference(CBlockObj& block, int k, int nNumber);
