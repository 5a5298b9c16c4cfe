// The golden corpus simulated by the model alone: each recorded project file, opened without any
// window, scanned by the model's scan with a context of the test's own and drawn into a context
// without a device (what a block keeps of its drawing, the text of its value box, is part of
// the trace), gives the same trace, scan by scan, as the view's paint recorded
// (tests/editor/GoldenCorpusTest.cpp).
#include "DocTestSupport.h"
#include "ModelSimulator.h"

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
