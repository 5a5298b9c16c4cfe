// A headless simulation run for block tests: a document with blocks placed by the test, scanned
// by the model's own scan in the model's simulation order against a simulated clock that the
// test advances by hand, with the Simulation bar's suspend, resume and cycle steps as the model
// does them. Nothing is drawn.
#pragma once

#include "BlockObjTest.h"

#include "blocks/BlockFactory.h"
#include "blocks/BlockIn.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "blocks/SimTime.h"
#include "document/SimScan.h"

#include <functional>
#include <map>
#include <utility>
#include <vector>

// One beat of a script played against a block: at nAtMs after Start, optionally a change of
// the input block that feeds pin nPin (-1: none; the view repaints at once, one more scan),
// and the state the block is expected to have after it.
struct ScriptBeat {
    int nAtMs;
    int nPin;
    int nValue;
    int nExpect;
};

class SimDriver {
public:
    // The clock starts at a fixed moment, Monday 4 March 2024 08:00:00.000, so that runs do not
    // depend on the PC's clock.
    explicit SimDriver(int nDocType = DOC_TYPE_FBD) : m_doc(nDocType)
    {
        m_clock = {2024, 3, 1, 4, 8, 0, 0, 0};
        m_doc.SetClock(m_clock);
    }

    CVetlaDoc& Doc() { return m_doc.Doc(); }
    CSimContext& Sim() { return m_doc.Sim(); }
    const SYSTEMTIME& Clock() const { return m_clock; }

    // Puts a block made for the document into it under the given number; the document owns it.
    template <class T>
    T* Add(T* pBlock, int nNumber)
    {
        return m_doc.Add(pBlock, nNumber);
    }

    // An input block (I) and an analog input (AI) under the given numbers.
    CBlockIn* AddInput(int nNumber) { return Add(new CBlockIn(BT_IN), nNumber); }
    CBlockAnalogIn* AddAnalogIn(int nNumber) { return Add(new CBlockAnalogIn(BT_ANALOG_IN), nNumber); }

    // Wires the output of pSource to input pin nPin of pDest.
    static void Connect(const CBlockObj* pSource, CBlockObj* pDest, int nPin)
    {
        pDest->m_nPinSource[nPin] = pSource->m_nNumber;
    }

    // Entering the simulation: the simulation order, every block's start state, a free run.
    void Start()
    {
        m_stRunStart = m_clock;
        BuildSimulationOrder(Doc());
        StartSimulationRun(Doc(), m_clock);
        Sim().bSimulating = TRUE;
        Sim().nRunState = SIM_RUN_RUNNING;
        Sim().nStepState = SIM_STEP_NONE;
    }

    // One scan at the clock as it stands.
    void Scan()
    {
        Sim().stScan = Sim().stNow = m_clock;
        Sim().stPrevious = m_prevClock;
        Sim().bClockSet = m_bClockSet;
        ScanDocument(Doc(), Sim());
        m_bClockSet = FALSE;
    }

    // Time passes without a scan: one 25 ms tick, or nMs milliseconds at once.
    void Tick() { AdvanceSimClock(&m_clock); }
    void Pass(int nMs) { AddMsToSystemTime(&m_clock, nMs, &m_clock); }

    // Runs the 25 ms ticks of nMs milliseconds, one scan after each.
    void Run(int nMs)
    {
        for (int nTicked = 0; nTicked < nMs; nTicked += SIM_TICK_MS) {
            AdvanceSimClock(&m_clock);
            Scan();
        }
    }

    // A click on an input block in a running simulation: the state toggles to nState and the
    // output pin is flagged changed for the Inputs bar.
    static void SetInput(CBlockObj* pInput, int nState)
    {
        pInput->m_nPinValue[BLOCK_FIRST_OUTPUT] = nState;
        pInput->m_bPinChanged[BLOCK_FIRST_OUTPUT] = 1;
    }

    // SetInput, then one scan.
    void Switch(CBlockObj* pInput, int nState)
    {
        SetInput(pInput, nState);
        Scan();
    }

    static int State(const CBlockObj* pBlock) { return pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT]; }

    // Simulated milliseconds since Start.
    int Elapsed() const { return int(SystemTimeToMs(&m_clock) - SystemTimeToMs(&m_stRunStart)); }

    // Runs 25 ms ticks, a scan after each, until nMs have passed since Start.
    void RunTo(int nMs)
    {
        while (Elapsed() < nMs) {
            AdvanceSimClock(&m_clock);
            Scan();
        }
    }

    // The Simulation bar's Suspend: the clock runs on and the blocks are stepped, each function
    // block keeping the moment of the first suspended scan.
    void Suspend() { Sim().nRunState = SIM_RUN_SUSPENDED; }

    // The Simulation bar's Resume.
    void Resume()
    {
        ResumeSimulationRun(Doc(), m_clock);
        Sim().nRunState = SIM_RUN_RUNNING;
    }

    // Steps nCycles cycles with the step unit "Cycles", as the Simulation bar does: the run goes
    // on while it steps, each cycle gives every timer that is timing 10 ms more running time,
    // then scans; the clock stands still. Afterwards the run is in the state it was before.
    void StepCycles(int nCycles)
    {
        const int nRunState = Sim().nRunState;
        Sim().nRunState = SIM_RUN_RUNNING;
        Sim().nStepState = SIM_STEP_STEPPING;
        Sim().nStepUnit = SIM_STEP_UNIT_CYCLES;
        for (int i = 0; i < nCycles; ++i) {
            AdvanceTimersByCycle(Doc());
            Scan();
        }
        Sim().nStepState = SIM_STEP_NONE;
        Sim().nRunState = nRunState;
    }

    // Wires a new input block to pin nPin of pBlock, for Play.
    CBlockObj* FeedPin(CBlockObj* pBlock, int nPin)
    {
        CBlockObj* pInput = Add(new CBlockIn(BT_IN), NUM_INPUT + int(m_feeds.size()));
        Connect(pInput, pBlock, nPin);
        m_feeds[{pBlock, nPin}] = pInput;
        return pInput;
    }

    // Plays the beats (after Start) and gives the block's state after each, to compare with
    // the nExpect column (Expected).
    std::vector<int> Play(const CBlockObj* pBlock, const std::vector<ScriptBeat>& beats)
    {
        std::vector<int> states;
        for (const ScriptBeat& beat : beats) {
            RunTo(beat.nAtMs);
            if (beat.nPin >= 0) {
                Switch(m_feeds.at({pBlock, beat.nPin}), beat.nValue);
            }
            states.push_back(State(pBlock));
        }
        return states;
    }

    static std::vector<int> Expected(const std::vector<ScriptBeat>& beats)
    {
        std::vector<int> states;
        for (const ScriptBeat& beat : beats)
            states.push_back(beat.nExpect);
        return states;
    }

    // The user sets the simulated clock (the Set Clock dialog): the next scan moves the timers
    // by the jump, so that a clock change neither ends nor extends a running interval; the run's
    // start moves with them.
    void SetClock(const SYSTEMTIME& stNew)
    {
        const int nJump = int(SystemTimeToMs(&stNew) - SystemTimeToMs(&m_clock));
        m_prevClock = m_clock;
        m_clock = stNew;
        m_bClockSet = TRUE;
        AddMsToSystemTime(&m_stRunStart, nJump, &m_stRunStart);
    }

private:
    TestDocument m_doc;
    SYSTEMTIME m_clock = {};
    SYSTEMTIME m_prevClock = {};
    BOOL m_bClockSet = FALSE;
    SYSTEMTIME m_stRunStart = {};
    std::map<std::pair<const CBlockObj*, int>, CBlockObj*> m_feeds;
};

// The timers' script inputs: no change in a beat, the trigger (En) and the reset (Inv of the
// pulse generator).
constexpr int kNone = -1;
constexpr int kTrg = 0;
constexpr int kR = 1;

// A timer's setpoint: time base, high part and low part.
struct Time {
    int nBase;
    int nHigh;
    int nLow;
};

inline void SetOn(CBlockObj& block, Time t)
{
    block.m_nParam[TIMER_ON_BASE_PARAM] = t.nBase;
    block.m_nParam[TIMER_ON_HIGH_PARAM] = t.nHigh;
    block.m_nParam[TIMER_ON_LOW_PARAM] = t.nLow;
}

inline void SetOff(CBlockObj& block, Time t)
{
    block.m_nParamEx[TIMER_OFF_BASE_PARAMEX] = t.nBase;
    block.m_nParamEx[TIMER_OFF_HIGH_PARAMEX] = t.nHigh;
    block.m_nParamEx[TIMER_OFF_LOW_PARAMEX] = t.nLow;
}

// A script for a new timer of the type: its setup, then the beats played against it with its
// trigger and, unless that pin takes a parameter, its reset fed by input blocks.
struct TimerScript {
    const char* pszName;
    int nType;
    std::function<void(CBlockObj&)> setup;
    std::vector<ScriptBeat> beats;
};

// The states the timer had after each beat, to compare with SimDriver::Expected.
inline std::vector<int> PlayScript(const TimerScript& script)
{
    SimDriver sim;
    CBlockObj* pTimer = sim.Add(CreateBlockForType(script.nType, nullptr, nullptr), NUM_FUNCTION_BLOCK);
    script.setup(*pTimer);
    sim.FeedPin(pTimer, kTrg);
    if (pTimer->m_nPinSource[kR] != LINK_PARAM)
        sim.FeedPin(pTimer, kR);
    sim.Start();
    return sim.Play(pTimer, script.beats);
}

