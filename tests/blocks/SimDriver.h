// A headless simulation run for block tests: an active document with its view and child frame,
// blocks placed by the test, and scans that step every block in the simulation order against a
// simulated clock that the test advances by hand. It does what the view's scan does around the
// steps (the view's copy of the clock, the start-of-run reset, the restart stamps at the end of
// a scan) and nothing of the drawing.
#pragma once

#include "BlockObjTest.h"

#include "blocks/BlockIn.h"
#include "blocks/BlockTime.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimTime.h"
#include "platform/core/ObList.h"

#include <algorithm>
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
    explicit SimDriver(int nDocType = DOC_TYPE_FBD) : m_active(nDocType)
    {
        const SYSTEMTIME stStart = {2024, 3, 1, 4, 8, 0, 0, 0};
        m_active.Frame().SetSimTime(&stStart);
        m_active.Frame().m_bClockSet = 0;
    }

    CVetlaDoc& Doc() { return m_active.Doc(); }
    CVetlaView& View() { return m_active.View(); }
    CChildFrame& Frame() { return m_active.Frame(); }

    // Puts a block into the document under the given number; the document owns it.
    template <class T>
    T* Add(T* pBlock, int nNumber)
    {
        pBlock->m_nNumber = nNumber;
        return m_active.Add(pBlock);
    }

    // Wires the output of pSource to input pin nPin of pDest.
    static void Connect(const CBlockObj* pSource, CBlockObj* pDest, int nPin)
    {
        pDest->m_nPinSource[nPin] = pSource->m_nNumber;
    }

    // What the view does when a simulation starts: the run-time state of every block is reset,
    // inputs start by their mode, hi blocks at 1, the start stamps at the clock, and the blocks
    // are put into the simulation order.
    void Start()
    {
        SYSTEMTIME stNow = {};
        Frame().GetSimTime(&stNow);
        m_stRunStart = stNow;
        for (CBlockObj* pBlock : Blocks()) {
            ResetRunTime(*pBlock);
            pBlock->m_stStart = stNow;
            pBlock->m_stStart2 = stNow;
            if (pBlock->m_nType == BT_HIGH ||
                ((pBlock->m_nType == BT_IN || pBlock->m_nType == BT_FKEY) &&
                 pBlock->m_nParamEx[12] == 2))
                pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
        }
        m_order = Blocks();
        std::stable_sort(m_order.begin(), m_order.end(), [](const CBlockObj* a, const CBlockObj* b) {
            const int nRankA = SimRank(a->m_nType);
            const int nRankB = SimRank(b->m_nType);
            return nRankA != nRankB ? nRankA < nRankB
                                    : nRankA == 0 && a->m_nNumber < b->m_nNumber;
        });
        View().m_nEditMode = 100;
        Frame().m_nSimRunState = SIM_RUN_RUNNING;
    }

    // One scan: the view's clock copy, every step in order, then the restart stamps.
    void Scan()
    {
        Frame().GetSimTime(&View().m_simClock);
        for (CBlockObj* pBlock : m_order)
            pBlock->Simulate(&View());
        for (CBlockObj* pBlock : m_order) {
            if (pBlock->m_bRestartStamp)
                pBlock->m_stStart = View().m_simClock;
            if (pBlock->m_bRestartStamp2)
                pBlock->m_stStart2 = View().m_simClock;
        }
    }

    // Runs the 25 ms ticks of nMs milliseconds, one scan after each.
    void Run(int nMs)
    {
        for (int nTicked = 0; nTicked < nMs; nTicked += 25) {
            Frame().AdvanceSimTime();
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

    static int State(const CBlockObj* pBlock) { return pBlock->m_nPinValue[BLOCK_FIRST_OUTPUT]; }

    // Simulated milliseconds since Start.
    int Elapsed()
    {
        SYSTEMTIME stNow = {};
        Frame().GetSimTime(&stNow);
        return int(SystemTimeToMs(&stNow) - SystemTimeToMs(&m_stRunStart));
    }

    // Runs 25 ms ticks, a scan after each, until nMs have passed since Start.
    void RunTo(int nMs)
    {
        while (Elapsed() < nMs) {
            Frame().AdvanceSimTime();
            Scan();
        }
    }

    // The Simulation bar's Suspend: the clock runs on and the blocks are stepped, but each
    // function block is stamped with the moment of the pause.
    void Suspend()
    {
        Frame().m_nSimRunState = SIM_RUN_SUSPENDED;
        SYSTEMTIME stNow = {};
        Frame().GetSimTime(&stNow);
        for (CBlockObj* pBlock : FunctionBlocks())
            pBlock->m_stPause = stNow;
    }

    // Resuming moves the start stamps forward by the length of the pause.
    void Resume()
    {
        SYSTEMTIME stNow = {};
        Frame().GetSimTime(&stNow);
        for (CBlockObj* pBlock : FunctionBlocks()) {
            ShiftStamps(*pBlock, int(SystemTimeToMs(&stNow) - SystemTimeToMs(&pBlock->m_stPause)));
            pBlock->m_stPause = {};
        }
        Frame().m_nSimRunState = SIM_RUN_RUNNING;
    }

    // Steps nCycles cycles with the step unit "Cycles": each cycle gives every timer that is
    // timing 10 ms more running time, then scans; the clock stands still.
    void StepCycles(int nCycles)
    {
        Frame().m_nSimStepState = SIM_STEP_STEPPING;
        Frame().m_nSimStepUnit = SIM_STEP_UNIT_CYCLES;
        for (int i = 0; i < nCycles; ++i) {
            for (CBlockObj* pBlock : m_order) {
                if (auto* pTimer = dynamic_cast<CBlockTime*>(pBlock))
                    pTimer->AdvanceByCycle();
            }
            Scan();
        }
        Frame().m_nSimStepState = SIM_STEP_NONE;
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
                SetInput(m_feeds.at({pBlock, beat.nPin}), beat.nValue);
                Scan();
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

    // The user sets the simulated clock: the start stamps move by the jump, so that a clock
    // change neither ends nor extends a running interval.
    void SetClock(const SYSTEMTIME& stNew)
    {
        SYSTEMTIME stOld = {};
        Frame().GetSimTime(&stOld);
        Frame().SetSimTime(&stNew);
        const int nJump = int(SystemTimeToMs(&stNew) - SystemTimeToMs(&stOld));
        for (CBlockObj* pBlock : FunctionBlocks())
            ShiftStamps(*pBlock, nJump);
        m_stRunStart = AddMs(m_stRunStart, nJump);
        Frame().m_bClockSet = 0;
    }

private:
    static SYSTEMTIME AddMs(const SYSTEMTIME& st, int nMs)
    {
        SYSTEMTIME stOut = {};
        AddMsToSystemTime(&st, nMs, &stOut);
        return stOut;
    }

    static void ShiftStamps(CBlockObj& block, int nMs)
    {
        block.m_stStart = AddMs(block.m_stStart, nMs);
        block.m_stStart2 = AddMs(block.m_stStart2, nMs);
    }

    std::vector<CBlockObj*> FunctionBlocks()
    {
        std::vector<CBlockObj*> blocks;
        for (CBlockObj* pBlock : Blocks()) {
            const int nType = pBlock->m_nType;
            if ((nType >= BT_AND && nType <= BT_SW) || (nType >= 800 && nType <= 899))
                blocks.push_back(pBlock);
        }
        return blocks;
    }

    std::vector<CBlockObj*> Blocks()
    {
        std::vector<CBlockObj*> blocks;
        for (POSITION pos = Doc().m_blockList.GetHeadPosition(); pos;)
            blocks.push_back(static_cast<CBlockObj*>(Doc().m_blockList.GetNext(pos)));
        return blocks;
    }

    static void ResetRunTime(CBlockObj& block)
    {
        std::fill(std::begin(block.m_nPinValue), std::end(block.m_nPinValue), 0);
        std::fill(std::begin(block.m_bPinChanged), std::end(block.m_bPinChanged), 0);
        block.m_nFirstInput = -1;
        for (int nPin = 0; nPin < block.m_nInputs; ++nPin) {
            if (block.m_nPinSource[nPin] >= NUM_INPUT || block.m_nPinSource[nPin] == NUM_POWERBUS) {
                block.m_nFirstInput = nPin;
                break;
            }
        }
        block.m_dRunTime = 0.0;
        block.m_dCarried = 0.0;
        block.m_dRemaining = 0.0;
        block.m_stPause = {};
        block.m_bRestartStamp = 0;
        block.m_bRestartStamp2 = 0;
    }

    // The simulation order: input blocks (sorted by number), function blocks, outputs and
    // coils, flags, analog outputs and flags, open connectors, connector ends, the data log.
    static int SimRank(int nType)
    {
        switch (nType) {
        case BT_IN: case BT_SHIFT: case BT_HIGH: case BT_LOW: case BT_ANALOG_IN: case BT_FKEY:
        case BT_MAKE: case BT_BREAK: case BT_ACONTACT:
            return 0;
        case BT_OUT: case BT_RELAY_COIL: case BT_INV_OUT:
            return 2;
        case BT_FLAG:
            return 3;
        case BT_ANALOG_OUT: case BT_ANALOG_FLAG: case BT_AOUT_LAD:
            return 4;
        case BT_OPENX:
            return 5;
        case BT_MALE: case BT_FEMALE:
            return 6;
        case BT_DATALOG:
            return 7;
        default:
            return 1;
        }
    }

    ActiveDocument m_active;
    std::vector<CBlockObj*> m_order;
    SYSTEMTIME m_stRunStart = {};
    std::map<std::pair<const CBlockObj*, int>, CBlockObj*> m_feeds;
};
