// What the Simulation bar's Stop, Start and Power buttons do to the blocks of a document, without
// any window: Stop resets every block but the inputs and the analog outputs and flags, keeping what
// a retentive block keeps; Start restarts the hours counters and threshold triggers; the supply
// returning after a power failure restarts every block as Stop does, the outputs and flags off.
#pragma once

#include "platform/core/Types.h"

class CBlockObj;
class CVetlaDoc;

// One block as Stop leaves it: the analog classes and the message texts alone; a retentive block
// carries its running time into the next start and a retentive relay keeps its output; any other
// block has nothing timed and its class's working fields cleared. Every input pin that has no
// role reads 0, the output is off unless kept, and a ladder's contacts follow the output.
void ResetBlockOnStop(CBlockObj& block, CVetlaDoc& doc);

// Stop: every block but the inputs, the high and low levels, the shift register bits and the
// analog outputs and flags reset as above.
void StopSimulationRun(CVetlaDoc& doc);

// Start: an hours counter enabled and not reset starts its counting period at stNow; a threshold
// trigger counts its pulses from none.
void StartAgainSimulationRun(CVetlaDoc& doc, const SYSTEMTIME& stNow);

// The supply returns after a power failure at stNow: the outputs and flags are off, and every
// block but the inputs, the levels, the open outputs, the analog classes and the message texts
// restarts as at Start and is reset as at Stop (retentive values survive).
void RestoreSupplyAfterPowerFailure(CVetlaDoc& doc, const SYSTEMTIME& stNow);
