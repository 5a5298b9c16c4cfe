// The offline simulation of a document as the model runs it, without any window: the block list
// put into the order a scan must step it in, the start-of-run and end-of-run states of every
// block, and the scan itself. The diagram view calls the scan at every paint of a simulating
// view and draws afterwards; tests and benchmarks call it directly with a context of their own.
#pragma once

#include "platform/core/Types.h"

#include <vector>

class CBlockObj;
class CVetlaDoc;
struct CSimContext;

// Re-orders the document's block list into the simulation order: inputs by number, then
// function blocks, outputs, flags, analog outputs, analog flags, open outputs, male and female
// connectors, the data log and any other kind, each group keeping its relative order. Returns
// the order it found.
std::vector<CBlockObj*> BuildSimulationOrder(CVetlaDoc& doc);

// The block list put into the simulation order for a run, the document keeping the order it
// had as its edit order: a save or an undo snapshot taken during the run holds that order, so
// that a run leaves the saved file and the undo snapshots as they were.
void EnterSimulationOrder(CVetlaDoc& doc);

// The end of the run: the block list back in the edit order the document kept (a block the
// run's list gained goes after it), and the document keeps none any more.
void RestoreBlockOrder(CVetlaDoc& doc);

// What entering the simulation does to the blocks (already in simulation order): the simulated
// inputs' settings are held as the file has them, the ladder power rail is on, every block
// finds its first wired input, and every block's run-time state starts from nothing, stamped
// with stNow (the clock as the run will see it).
void StartSimulationRun(CVetlaDoc& doc, const SYSTEMTIME& stNow);

// What leaving the simulation leaves of a run: the rail off, no pin states, the simulated
// inputs back at the settings held at the start, or written by an edit in the run.
void EndSimulationRun(CVetlaDoc& doc);

// The Simulation bar's Resume: every stamp a suspended function block keeps moves by the length
// of its pause, and the running time each measured so far stays, its reference stamps moving up
// to stNow less that time; an hours counter carries the length of its pause.
void ResumeSimulationRun(CVetlaDoc& doc, const SYSTEMTIME& stNow);

// One counted cycle of stepping by cycles: every timer that is timing gets 10 ms more running
// time (the clock stands still; the scan that follows measures nothing from it).
void AdvanceTimersByCycle(CVetlaDoc& doc);

// A make or break contact whose operand a click operates: a digital input or a function key.
BOOL IsOperableContact(const CBlockObj& block);

// What a click on a simulated input does to the blocks: an input or function key toggles (its
// output pin flagged changed for the Inputs bar); an operable contact's switch flips, and every
// contact of its operand follows, one of the other kind (make against break) the other way.
void ToggleSimulatedInput(CVetlaDoc& doc, CBlockObj& block);

// How a click or a bar button operates a simulated input (SIM_INPUT_...): the operand's record
// decides for a contact, as the ladder sheet keeps the way of operation per operand; an input
// block or function key has its own word.
int SimulatedInputMode(const CVetlaDoc& doc, const CBlockObj& block);

// Whether a contact's operand is switched on: a make contact is closed then, a break contact
// open.
int ContactOperandState(const CBlockObj& contact);

// A momentary button held (bHeld) or let go: the input takes the state its mode gives; a
// contact's operand switches through ToggleSimulatedInput, so that every contact on it follows.
// FALSE when the input is no momentary button (nothing changed).
BOOL HoldMomentaryInput(CVetlaDoc& doc, CBlockObj& block, BOOL bHeld);

// The release of a momentary input: a make button goes off, a break button on again, and a
// contact's operand with them, as the Inputs bar lets it go. FALSE when the block is no such
// input (nothing changed).
BOOL ReleaseSimulatedInput(CVetlaDoc& doc, CBlockObj& block);


// One scan: every block of the list in its order, under the run state of sim. Stopped, the
// blocks only take the clock as their start stamps; suspended, each keeps the moment of the
// first suspended scan as its pause stamp and is stepped; running, a function block's stamps
// move by the length of a pause just ended or by the jump of a clock the user set, so that its
// remaining time stays as it was, and every block is stepped. At the end of a scan that was not
// stopped, the blocks that asked for a new interval get the clock as their stamp.
void ScanDocument(CVetlaDoc& doc, const CSimContext& sim);
