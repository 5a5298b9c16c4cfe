// The golden corpus simulated by the model alone: each recorded project file, opened without any
// window, scanned by the model's scan with a context of the test's own and drawn into a context
// without a device (what a block keeps of its drawing, the text of its value box, is part of
// the trace), gives the same trace, scan by scan, as the view's paint recorded
// (tests/editor/GoldenCorpusTest.cpp).
#include "DocTestSupport.h"

#include "blocks/BlockLadder.h"
#include "blocks/SimContext.h"
#include "blocks/SimTime.h"
#include "document/AnalogRanges.h"
#include "document/SimScan.h"
#include "platform/gdi/DC.h"
#include "support/GoldenTrace.h"

#include <fstream>
#include <iterator>
#include <string>

namespace {

std::string GoldenPath(const std::string& strFile) { return std::string(QARVO_GOLDEN_DIR) + "/" + strFile; }

std::string ReadFile(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// The model's scan against a clock the test keeps, with the Simulation bar's states as the
// script sets them. The run starts as the view's does: the blocks in simulation order and
// reset, one stopped scan that stamps every block with the clock, then a free run.
class ModelSimulator : public golden::GoldenSimulator {
public:
    explicit ModelSimulator(CVetlaDoc& doc) : m_doc(doc) {}

    void Start() override
    {
        m_clock = golden::kStartClock;
        BuildSimulationOrder(m_doc);
        StartSimulationRun(m_doc, m_clock);
        m_sim.bSimulating = TRUE;
        m_sim.nRunState = SIM_RUN_STOPPED;
        Scan();
        m_sim.nRunState = SIM_RUN_RUNNING;
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
        ReleaseSimulatedInput(input);
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

private:
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

class GoldenScan : public DocTest, public testing::WithParamInterface<const char*> {};

TEST_P(GoldenScan, TheModelsScanGivesTheRecordedTrace)
{
    const std::string strName = GetParam();
    const bool bLadder = strName.starts_with("lad");
    HardwareCodeScope hardware(g_wHardwareCode);
    CVetlaDoc doc;
    ASSERT_TRUE(doc.OnOpenDocument(CString::FromUtf8(GoldenPath(strName + (bLadder ? ".dld" : ".dfb")))));
    ModelSimulator sim(doc);
    const std::string trace = golden::RecordTrace(doc, sim);
    const std::string recorded = ReadFile(GoldenPath(strName + ".trace"));
    ASSERT_FALSE(recorded.empty());
    if (const auto difference = golden::FirstDifference(recorded, trace))
        ADD_FAILURE() << "the trace differs from " << strName << ".trace at " << *difference;
}

INSTANTIATE_TEST_SUITE_P(Documents, GoldenScan,
                         testing::Values("fbd-older-catalogue", "fbd-newer-catalogue", "lad-older-catalogue",
                                         "lad-newer-catalogue", "fbd-older-behaviour", "fbd-newer-behaviour",
                                         "lad-older-behaviour", "lad-newer-behaviour"),
                         [](const testing::TestParamInfo<const char*>& info) {
                             std::string name = info.param;
                             std::erase(name, '-');
                             return name;
                         });

} // namespace
