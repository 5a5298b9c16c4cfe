// The simulated clock against the wall clock: the real 25 ms timer thread posts its ticks to a
// child frame with its simulation bars, the UI thread takes them, and after the run the
// simulated time is compared with the time that passed on the steady clock. The run lasts the
// argument's seconds (60 for the measured figure); "drift_percent" is the result.
#include "blocks/SimTime.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/NativeWindow.h"
#include "platform/ui/WinThread.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <thread>

namespace {

void BM_SimClockAgainstWallClock(benchmark::State& state)
{
    AfxSetWindowBackend(nullptr);
    CMessageQueue::Get().Reset();
    CWinThread thread;
    CVetlaDoc doc;
    CVetlaView view;
    view.SetDocument(&doc);
    auto* pFrame = new CChildFrame;
    pFrame->CFrameWnd::Create(nullptr, _T("Diagram"), WS_OVERLAPPEDWINDOW, CRect(0, 0, 2400, 600));
    pFrame->SetActiveView(&view);
    pFrame->CreateSimBars();
    const auto run = std::chrono::seconds(state.range(0));
    double dDriftPercent = 0.0;
    for (auto _ : state) {
        pFrame->StartSimTimer();
        SYSTEMTIME stStart = {};
        pFrame->GetSimTime(&stStart);
        const auto wallStart = std::chrono::steady_clock::now();
        while (std::chrono::steady_clock::now() - wallStart < run) {
            thread.PumpPending();
            std::this_thread::sleep_for(std::chrono::milliseconds(1));
        }
        pFrame->StopSimTimer();
        thread.PumpPending();
        const double dWallMs =
            std::chrono::duration<double, std::milli>(std::chrono::steady_clock::now() - wallStart).count();
        SYSTEMTIME stEnd = {};
        pFrame->GetSimTime(&stEnd);
        const double dSimMs = double(SystemTimeToMs(&stEnd) - SystemTimeToMs(&stStart));
        dDriftPercent = 100.0 * (dSimMs - dWallMs) / dWallMs;
        state.counters["sim_ms"] = dSimMs;
        state.counters["wall_ms"] = dWallMs;
    }
    state.counters["drift_percent"] = dDriftPercent;
    pFrame->DestroyWindow();
}

BENCHMARK(BM_SimClockAgainstWallClock)->Arg(60)->Iterations(1)->Unit(benchmark::kSecond)->UseRealTime();

} // namespace
