// The I/O status monitor's cost per cycle. One polling cycle of each view through the main
// frame's session against the simulated controller on a pty, with no delay between polls, so that
// what is measured is the program's own share (frames, hand-overs, reads, checks) plus the
// simulated controller's answer (aim: under 20 ms plus the configured delays). And the table's
// repaint after a cycle: filling the cells with the cycle's values and drawing the grid into an
// offscreen image of the dialog's table size (aim: under 5 ms).
#include "controller/IOStatusCycle.h"
#include "controller/IOStatusGrid.h"
#include "platform/comm/SerialPortNames.h"
#include "platform/qt/OffscreenImage.h"
#include "shell/MainFrame.h"
#include "support/SimulatedController.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <memory>

namespace {

// The table's size in the dialog at its first size, in pixels.
constexpr int kTableWidth = 830;
constexpr int kTableHeight = 480;

QApplication& App()
{
    static int argc = 1;
    static char name[] = "iostatus-bench";
    static char* argv[] = {name, nullptr};
    static QApplication* pApp = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *pApp;
}

struct Link {
    SimulatedController controller;
    CMainFrame frame;
    Link()
    {
        frame.Session().SetPortNumber(SerialPortNumberOf(CString::FromUtf8(controller.Path())));
        frame.Session().OpenPort(115200, 8, 0, 0);
        for (int i = 0; i < 512; i += 3) {
            controller.SetCoil(WORD(384 + i), true);
            controller.SetRegister(WORD(596 + i), WORD(i * 37));
        }
    }
};

void RunCycles(benchmark::State& state, IOStatusView view)
{
    Link link;
    CIOStatusCycle cycle(link.frame.Session());
    for (auto _ : state) {
        if (!cycle.Run(view, 0, 0).bOk) {
            state.SkipWithError("cycle failed");
            break;
        }
    }
}

void BM_CyclePoints(benchmark::State& state) { RunCycles(state, IOStatusView::IoPoints); }
void BM_CycleFlags(benchmark::State& state) { RunCycles(state, IOStatusView::Flags); }
void BM_CycleAnalogFlags(benchmark::State& state) { RunCycles(state, IOStatusView::AnalogFlags); }
BENCHMARK(BM_CyclePoints)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CycleFlags)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_CycleAnalogFlags)->Unit(benchmark::kMillisecond)->UseRealTime();

// A cycle's worth of values, every other one not zero.
CIOStatusCycle::Result SampleResult(int nSeed)
{
    CIOStatusCycle::Result result;
    for (int nArea = 0; nArea < IOAREA_COUNT; ++nArea) {
        auto& data = result.areas[std::size_t(nArea)];
        data.resize(std::size_t(GetIOStatusArea(nArea).nBytes));
        for (std::size_t i = 0; i < data.size(); ++i)
            data[i] = BYTE((i * 29 + std::size_t(nSeed)) & 0x55);
    }
    return result;
}

void Repaint(benchmark::State& state, IOStatusView view)
{
    App();
    CWnd host;
    host.CreateEx(0, _T("Host"), _T("host"), WS_OVERLAPPEDWINDOW, CRect(0, 0, kTableWidth, kTableHeight), nullptr, 0);
    auto pGrid = std::make_unique<CIOStatusGrid>();
    pGrid->Create(CRect(0, 0, kTableWidth, kTableHeight), &host, 1123);
    pGrid->LayOut(view);
    pGrid->AutoSize();
    const CIOStatusCycle::Result results[2] = {SampleResult(0), SampleResult(1)};
    COffscreenImage image(kTableWidth, kTableHeight);
    int n = 0;
    for (auto _ : state) {
        pGrid->Fill(view, results[n++ & 1]);
        pGrid->DrawGrid(&image.GetDC());
    }
    pGrid.reset();
    host.DestroyWindow();
}

void BM_RepaintPoints(benchmark::State& state) { Repaint(state, IOStatusView::IoPoints); }
void BM_RepaintFlags(benchmark::State& state) { Repaint(state, IOStatusView::Flags); }
void BM_RepaintAnalogFlags(benchmark::State& state) { Repaint(state, IOStatusView::AnalogFlags); }
BENCHMARK(BM_RepaintPoints)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintFlags)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RepaintAnalogFlags)->Unit(benchmark::kMillisecond);

}  // namespace
