// CSimContext: what a block may know of the simulation that steps or draws it, apart from its
// own document: the simulated clock of the scan, the run and step state of the Simulation bar,
// and what the edit in progress asks the drawing to outline. The view that scans a document
// fills one from its child frame and itself; a test or any other caller fills its own, so that
// blocks never look for an active frame, view or document.
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/Types.h"

// Simulation run states and step states as the Simulation bar reports them.
constexpr int SIM_RUN_STOPPED = 0;
constexpr int SIM_RUN_SUSPENDED = 1;
constexpr int SIM_RUN_RUNNING = 2;
constexpr int SIM_STEP_NONE = 0;
constexpr int SIM_STEP_STEPPING = 2;
// Step units of the Simulation bar's unit combo.
constexpr int SIM_STEP_UNIT_CYCLES = 0;

class CBlockObj;

// The Inputs and Outputs bars of a running simulation, which input and output blocks tell about
// a changed state. They belong to the frame of the view that scans, in the window layer.
class ISimBars {
public:
    virtual void RefreshInputs(CBlockObj* pBlock) = 0;
    virtual void RefreshOutputs(CBlockObj* pBlock) = 0;

protected:
    ~ISimBars() = default;
};

// What the edit in progress does with the mouse; the drawing outlines the pin under the mouse
// where a wire could attach.
enum class SimPinTool {
    None,
    // A block is being placed.
    Placing,
    // A wire is being drawn, or a wire's end dragged.
    Wiring,
};

struct CSimContext {
    // The simulated clock that this scan steps the blocks against, taken once at its start.
    SYSTEMTIME stScan = {};
    // The simulated clock as it stands now; the same as stScan during a scan, later between
    // scans (texts shown outside the scan read it).
    SYSTEMTIME stNow = {};
    // The clock before the user last set it, and whether the next scan has yet to move the
    // timers by that jump.
    SYSTEMTIME stPrevious = {};
    BOOL bClockSet = FALSE;

    int nRunState = SIM_RUN_RUNNING;
    int nStepState = SIM_STEP_NONE;
    int nStepUnit = SIM_STEP_UNIT_CYCLES;
    // The diagram is in simulation mode (a scan at every paint).
    BOOL bSimulating = FALSE;

    SimPinTool pinTool = SimPinTool::None;
    // The mouse in device coordinates, far outside every block until it has moved.
    CPoint ptCursor{-32768, -32768};

    // The bars of the simulation, null when there are none to refresh.
    ISimBars* pBars = nullptr;

    void RefreshInputsBar(CBlockObj* pBlock) const
    {
        if (pBars)
            pBars->RefreshInputs(pBlock);
    }
    void RefreshOutputsBar(CBlockObj* pBlock) const
    {
        if (pBars)
            pBars->RefreshOutputs(pBlock);
    }

    // The simulated clock drives running times while the simulation runs freely or steps by a
    // time unit; while stepping by cycles the caller advances the running times itself.
    BOOL ClockDrivesRunTime() const
    {
        const bool bRunning = nRunState == SIM_RUN_RUNNING && nStepState == SIM_STEP_NONE;
        const bool bSteppingByTime =
            nStepState == SIM_STEP_STEPPING && nStepUnit != SIM_STEP_UNIT_CYCLES;
        return bRunning || bSteppingByTime;
    }
};
