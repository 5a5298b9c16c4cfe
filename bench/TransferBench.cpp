// A whole PC->Device with its read-back of the diagram of the controller's largest size, against
// the simulated controller on a pseudo-terminal answering at once: the line costs nothing, so
// what is measured is the controller's 5 s pause plus the program's own share (encoding, every
// block's frame out and in, the comparison, the progress reports). The aim: the pause plus under
// 0.5 s (counter "beyond_pause_ms"); at 115200 baud the same transfer takes about 12.7 s on the
// line, to which the program must add nothing measurable.
#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "document/HardwareSeries.h"
#include "platform/comm/SerialPortNames.h"
#include "shell/MainFrame.h"
#include "support/ActiveDocument.h"
#include "support/LargestDiagram.h"
#include "support/SimulatedController.h"

#include <benchmark/benchmark.h>

#include <chrono>

namespace {

constexpr WORD kNewerWifiHardware = 0x5288;
constexpr double kPauseMs = 5000.0;

void BM_DownloadAndVerifyLargestDiagram(benchmark::State& state)
{
    SimulatedController controller(kNewerWifiHardware, 0xC100);
    ActiveDocument active;
    CVetlaDoc& doc = active.Doc();
    doc.m_wHardwareCode = kNewerWifiHardware;
    GetHardwareSeries(kNewerWifiHardware, &doc.m_strHardwareName, &doc.m_wFirmwareWord);
    BuildLargestDiagram(
        doc,
        [&](int nType) {
            CBlockObj* pBlock = CreateBlockForType(nType, nullptr, &doc);
            doc.AddBlock(pBlock);
            return pBlock;
        },
        [](CBlockObj* pFrom, CBlockObj* pTo, int nPin) { pTo->m_nPinSource[nPin] = pFrom->m_nNumber; });
    CMainFrame* pFrame = AfxGetMainFrame();
    pFrame->Session().SetPortNumber(SerialPortNumberOf(CString::FromUtf8(controller.Path())));
    double dBeyondMs = 0.0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        if (!pFrame->Session().OpenConfiguredPort()) {
            state.SkipWithError("the port does not open");
            return;
        }
        pFrame->Session().Download(doc);
        pFrame->Session().ClosePort();
        const std::chrono::duration<double, std::milli> elapsed = std::chrono::steady_clock::now() - start;
        if (controller.LastEndFlag() != 1) {
            state.SkipWithError("the download failed");
            return;
        }
        dBeyondMs = elapsed.count() - kPauseMs;
    }
    state.counters["beyond_pause_ms"] = dBeyondMs;
    state.counters["program_bytes"] = double(doc.GetProgramSize());
}
BENCHMARK(BM_DownloadAndVerifyLargestDiagram)->Unit(benchmark::kMillisecond)->UseRealTime()->Iterations(3);

}  // namespace
