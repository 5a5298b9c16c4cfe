// The golden corpus (tests/support/GoldenCorpus.h) against the files recorded in
// tests/data/golden: each document built today must save to the recorded bytes, and each
// recorded project file, opened and simulated with the golden script through the view's paint,
// must give the recorded trace scan by scan. A change of either is a change of behaviour.
//
// To record the files anew (only when a change of behaviour is intended), run
//   QARVO_RECORD_GOLDEN=1 build-test/tests/editor_tests --gtest_filter='*GoldenCorpus*'
// which rewrites the files instead of comparing, and commit them with the change.
#include "support/GoldenCorpus.h"
#include "support/GoldenTrace.h"

#include "blocks/BlockTime.h"
#include "document/DocTestSupport.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>

namespace {

using golden::CorpusEntry;

bool Recording()
{
    const char* pszRecord = std::getenv("QARVO_RECORD_GOLDEN");
    return pszRecord && std::string(pszRecord) == "1";
}

std::string GoldenPath(const std::string& strFile) { return std::string(QARVO_GOLDEN_DIR) + "/" + strFile; }

std::string ReadFile(const std::string& strPath)
{
    std::ifstream in(strPath, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

void WriteFile(const std::string& strPath, const std::string& strContent)
{
    std::ofstream out(strPath, std::ios::binary | std::ios::trunc);
    out << strContent;
    ASSERT_TRUE(out.good()) << strPath;
}

// The view's paint is the scan: each tick advances the child frame's clock and paints once
// into a recording surface. The simulation starts stopped for one paint, with the clock set to
// the script's start: entering simulation sets the clock to the PC's time, and a stopped paint
// stamps every block with the clock, so the run starts from the same moment on every PC.
class ViewSimulator : public golden::GoldenSimulator {
public:
    explicit ViewSimulator(golden::GoldenHost& host) : m_host(host) {}

    void Start() override
    {
        View().OnSimulation();
        Frame().m_nSimRunState = SIM_RUN_STOPPED;
        Frame().SetSimTime(&golden::kStartClock);
        Paint();
        Frame().m_nSimRunState = SIM_RUN_RUNNING;
        Paint();
    }
    void Tick() override
    {
        Frame().AdvanceSimTime();
        Paint();
    }
    bool ToggleInput(CBlockObj& input) override
    {
        const CPoint pt = input.m_ptPos + CPoint(5, 5);
        if (View().GetDocument()->BlockAtPoint(pt.x, pt.y) != &input)
            return false;
        View().PressSimulatedInput(pt);
        View().ReleaseSimulatedInput(pt);
        return true;
    }
    void SetAnalogInput(CBlockObj& input, int nValue) override
    {
        // What the value popup's slider writes.
        input.m_nAux[1] = nValue;
        View().UpdateSimInputSettings(&input);
    }
    void Suspend() override { Frame().m_nSimRunState = SIM_RUN_SUSPENDED; }
    void Resume() override { Frame().m_nSimRunState = SIM_RUN_RUNNING; }
    void SetClock(const SYSTEMTIME& st) override { Frame().SetSimTime(&st); }
    // What a tick of the frame does while the Simulation bar steps by cycles.
    void StepCycle() override
    {
        Frame().m_nSimStepState = SIM_STEP_STEPPING;
        Frame().m_nSimStepUnit = SIM_STEP_UNIT_CYCLES;
        Frame().AdvanceSimTime();
        for (POSITION pos = View().GetDocument()->m_blockList.GetHeadPosition(); pos;) {
            auto* pBlock = static_cast<CBlockObj*>(View().GetDocument()->m_blockList.GetNext(pos));
            if (auto* pTimer = dynamic_cast<CBlockTime*>(pBlock))
                pTimer->AdvanceByCycle();
        }
        Paint();
    }
    void EndStepping() override { Frame().m_nSimStepState = SIM_STEP_NONE; }
    void Stop() override { View().OnSimulation(); }

private:
    CVetlaView& View() { return m_host.View(); }
    CChildFrame& Frame() { return m_host.Frame(); }
    void Paint()
    {
        m_surface.Clear();
        View().OnDraw(&m_dc);
    }

    golden::GoldenHost& m_host;
    RecordingSurface m_surface;
    CDC m_dc{m_surface};
};

std::string BuildAndSave(const CorpusEntry& entry, golden::BuildReport* pReport)
{
    golden::GoldenHost host;
    *pReport = golden::DiagramBuilder(host, entry).Build();
    const Bytes bytes = SaveToBytes(host.Doc());
    return std::string(bytes.begin(), bytes.end());
}

std::string SimulateFile(const std::string& strPath)
{
    golden::GoldenHost host;
    CVetlaDoc* pDoc = host.OpenDocument(strPath);
    if (!pDoc)
        return "cannot open " + strPath;
    ViewSimulator sim(host);
    return golden::RecordTrace(*pDoc, sim);
}

class GoldenCorpus : public testing::TestWithParam<CorpusEntry> {
protected:
    CMessageBoxRecorder m_boxes;
};

// Every type the palette offers is placed, the wires are laid, and the saved bytes are the
// recorded ones.
TEST_P(GoldenCorpus, SavesToTheRecordedBytes)
{
    const CorpusEntry& entry = GetParam();
    golden::BuildReport report;
    const std::string saved = BuildAndSave(entry, &report);
    EXPECT_TRUE(report.refusedTypes.empty()) << "the placement refused " << report.refusedTypes.size() << " types";
    EXPECT_GT(report.nWires, 20);
    EXPECT_EQ(BuildAndSave(entry, &report), saved) << "two builds differ: the corpus is not deterministic";
    const std::string strPath = GoldenPath(golden::FileName(entry));
    if (Recording()) {
        WriteFile(strPath, saved);
        return;
    }
    const std::string recorded = ReadFile(strPath);
    ASSERT_FALSE(recorded.empty()) << "no golden file " << strPath;
    ASSERT_EQ(saved.size(), recorded.size()) << strPath;
    for (std::size_t i = 0; i < saved.size(); ++i)
        ASSERT_EQ(int(BYTE(saved[i])), int(BYTE(recorded[i]))) << "first differing byte at offset " << i;
    for (const auto& box : m_boxes.Boxes())
        ADD_FAILURE() << "a message box while building: " << box.text.ToUtf8();
}

// The recorded project file, opened and simulated by the script, gives the recorded trace; the
// trace shows outputs changing over the run.
TEST_P(GoldenCorpus, SimulatesToTheRecordedTrace)
{
    const CorpusEntry& entry = GetParam();
    const std::string trace = SimulateFile(GoldenPath(golden::FileName(entry)));
    EXPECT_EQ(trace.find("missed click"), std::string::npos);
    EXPECT_GT(golden::CountChanges(trace), 100) << "a trace where nothing changes proves nothing";
    const std::string strPath = GoldenPath(std::string(entry.pszName) + ".trace");
    if (Recording()) {
        WriteFile(strPath, trace);
        return;
    }
    const std::string recorded = ReadFile(strPath);
    ASSERT_FALSE(recorded.empty()) << "no golden trace " << strPath;
    if (const auto difference = golden::FirstDifference(recorded, trace))
        ADD_FAILURE() << "the trace differs from " << strPath << " at " << *difference;
}

INSTANTIATE_TEST_SUITE_P(Documents, GoldenCorpus, testing::ValuesIn(golden::Corpus()),
                         [](const testing::TestParamInfo<CorpusEntry>& info) {
                             std::string name = info.param.pszName;
                             std::erase(name, '-');
                             return name;
                         });

// Both generations of both kinds together cover every type code of the catalogue that a
// palette offers.
TEST(GoldenCorpusCoverage, EveryPaletteCodeOfBothGenerationsIsPlaced)
{
    for (const CorpusEntry& entry : golden::Corpus()) {
        if (entry.content != golden::Content::Catalogue)
            continue;
        golden::BuildReport report;
        BuildAndSave(entry, &report);
        for (int nType : golden::PaletteCodes(entry.nDocType, entry.wHardwareCode))
            EXPECT_TRUE(report.placedTypes.count(nType)) << entry.pszName << " lacks type " << nType;
    }
}

} // namespace
