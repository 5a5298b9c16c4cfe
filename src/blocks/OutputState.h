// The output state (pin 10) as a block's step sets it. In a ladder document a real change marks
// the output changed; the end of the step hands a marked change to the contacts that read the
// block and clears the mark, so that they follow within the same scan.
#pragma once

class CBlockObj;
class CVetlaView;

void SetOutputState(CBlockObj& block, const CVetlaView* pView, int nState);
void PassOutputChange(CBlockObj& block);
