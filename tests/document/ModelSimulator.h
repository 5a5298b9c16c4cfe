// The model's scan against a clock the test keeps, with the Simulation bar's states as the
// script sets them, for the tests that simulate a document without any window. The run starts
// as the view's does: the blocks in simulation order and reset, one stopped scan that stamps
// every block with the clock, then a free run. Each scan draws every block into a context
// without a device, as the view draws it: what a block keeps of its drawing (the text of its
// value box) is part of its state.
#pragma once

#include "blocks/BlockLadder.h"
#include "blocks/SimContext.h"
#include "blocks/SimTime.h"
#include "document/AnalogRanges.h"
#include "document/SimScan.h"
#include "document/VetlaDoc.h"
#include "platform/gdi/DC.h"
#include "support/GoldenTrace.h"

class ModelSimulator : public golden::GoldenSimulator {
public:
    explicit ModelSimulator(CVetlaDoc& doc) : m_doc(doc) {}

    void Start() override
    {
        Enter();
        Scan();
    }
    void Tick() override
    {
        AdvanceSimClock(&m_clock);
        Scan();
    }
    // A click follows the view's rules: an operable contact or an input in a mode that is not
    // Frequency, while the simulation runs freely; a momentary input is let go at once.
    bool ToggleInput(CBlockObj& input) override
    {
        const bool bContact = input.IsKindOf(RUNTIME_CLASS(CBlockMake));
        const bool bFrequency = !bContact && input.m_nParamEx[INPUT_SIM_MODE_PARAMEX] == SIM_INPUT_FREQUENCY;
        const bool bRunsFreely = m_sim.nRunState == SIM_RUN_RUNNING && m_sim.nStepState != SIM_STEP_STEPPING;
        if ((!bContact || IsOperableContact(input)) && !bFrequency && bRunsFreely)
            ToggleSimulatedInput(m_doc, input);
        ReleaseSimulatedInput(m_doc, input);
        return true;
    }
    void SetAnalogInput(CBlockObj& input, int nValue) override
    {
        // What the value popup's slider writes.
        input.m_nAux[INPUT_SIM_VALUE_AUX] = nValue;
        UpdateSimInputSettings(m_doc, &input, TRUE);
    }
    void Suspend() override { m_sim.nRunState = SIM_RUN_SUSPENDED; }
    void Resume() override { m_sim.nRunState = SIM_RUN_RUNNING; }
    void SetClock(const SYSTEMTIME& st) override
    {
        m_sim.stPrevious = m_clock;
        m_clock = st;
        m_sim.bClockSet = TRUE;
    }
    void StepCycle() override
    {
        m_sim.nStepState = SIM_STEP_STEPPING;
        m_sim.nStepUnit = SIM_STEP_UNIT_CYCLES;
        AdvanceSimClock(&m_clock);
        AdvanceTimersByCycle(m_doc);
        Scan();
    }
    void EndStepping() override { m_sim.nStepState = SIM_STEP_NONE; }
    void Stop() override { EndSimulationRun(m_doc); }

    // Entering the simulation at kStartClock: the blocks reset and the stopped scan that stamps
    // them; the free run's first scan is left to the caller.
    void Enter()
    {
        m_clock = golden::kStartClock;
        BuildSimulationOrder(m_doc);
        StartSimulationRun(m_doc, m_clock);
        m_sim.bSimulating = TRUE;
        m_sim.nRunState = SIM_RUN_STOPPED;
        Scan();
        m_sim.nRunState = SIM_RUN_RUNNING;
    }

protected:
    void Scan()
    {
        m_sim.stScan = m_sim.stNow = m_clock;
        ScanDocument(m_doc, m_sim);
        m_sim.bClockSet = FALSE;
        for (POSITION pos = m_doc.m_blockList.GetHeadPosition(); pos;) {
            auto* pBlock = static_cast<CBlockObj*>(m_doc.m_blockList.GetNext(pos));
            if (m_sim.nRunState == SIM_RUN_STOPPED)
                pBlock->Draw(&m_sim, &m_dc, TRUE, RGB(0, 0, 0));
            else
                pBlock->DrawSim(&m_sim, &m_dc);
        }
    }

    CVetlaDoc& m_doc;
    CSimContext m_sim;
    SYSTEMTIME m_clock = {};
    CDC m_dc;
};
