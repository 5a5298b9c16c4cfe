// The analog pages against their speed targets: opening the sheet of an analog block with all
// its pages made (under 30 ms), windowless and as Qt widgets, and the settling pass of the
// sensor scaling over every kind of pending edit.
#include "DiagramHost.h"

#include "blocks/BlockTypes.h"
#include "pages/blocks/SensorScaling.h"
#include "pages/sheet/AllPropertySheet.h"
#include "platform/qt/QtBackend.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// A simulating diagram of the controller's size, mostly analog blocks that may be referenced.
struct AnalogHost : DiagramHost {
    AnalogHost()
    {
        const int types[] = {BT_ACOMP, BT_AAMP, BT_AMATH, BT_PI, BT_PWM, BT_ARAMP, BT_AMUX, BT_AWDOG};
        for (int i = 0; i < 200; ++i)
            Place(types[i % 8]);
        FitPage(1);
        view.OnSimulation();
    }
    CBlockObj* First(int nType)
    {
        for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
            auto* pBlock = static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos));
            if (pBlock->m_nType == nType)
                return pBlock;
        }
        return nullptr;
    }
    void OpenAndClose(CBlockObj* pBlock)
    {
        auto* pSheet = new CAllPropertySheet(pBlock->m_nType, _T("B1 [Analog]"), &view, 0);
        pSheet->m_nBlockNumber = pBlock->m_nNumber;
        pSheet->CopyIn(*pBlock);
        if (!pSheet->Create(nullptr)) {
            delete pSheet;
            return;
        }
        for (int i = pSheet->GetPageCount() - 1; i >= 0; --i)
            pSheet->SetActivePage(i);
        view.OpenSheets().Add(pSheet);
        benchmark::DoNotOptimize(pSheet);
        pSheet->DestroyWindow();
    }
};

void OpenAnalogSheet(benchmark::State& state)
{
    AnalogHost host;
    CBlockObj* pBlock = host.First(int(state.range(0)));
    for (auto _ : state)
        host.OpenAndClose(pBlock);
}

void BM_OpenAnalogSheet(benchmark::State& state) { OpenAnalogSheet(state); }
BENCHMARK(BM_OpenAnalogSheet)->Arg(BT_ACOMP)->Arg(BT_AMATH)->Arg(BT_PI)->Arg(BT_PWM)->Unit(benchmark::kMillisecond);

void BM_OpenAnalogSheetAsWidgets(benchmark::State& state)
{
    static int argc = 1;
    static char name[] = "analog-pages-bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* pApp = new QApplication(argc, argv);
    benchmark::DoNotOptimize(pApp);
    InitQtBackend();
    OpenAnalogSheet(state);
    ShutdownQtBackend();
}
BENCHMARK(BM_OpenAnalogSheetAsWidgets)->Arg(BT_ACOMP)->Arg(BT_PI)->Arg(BT_PWM)->Unit(benchmark::kMillisecond);

// Every sensor with an edit that leaves each kind of pending change, then one settling pass.
void BM_SettleScaling(benchmark::State& state)
{
    for (auto _ : state) {
        int nSteps = 0;
        for (int nSensor = SENSOR_0_10V; nSensor <= SENSOR_NONE; ++nSensor) {
            CSensorScaling s;
            s.m_nSensor = nSensor;
            s.OffsetTyped(-10000);
            s.GainTyped(-10.0);
            nSteps += s.ComputeGainOffset();
            s.MaximumTyped(1006);
            nSteps += s.ComputeGainOffset();
            s.MinimumTyped(15000);
            nSteps += s.ComputeGainOffset();
        }
        benchmark::DoNotOptimize(nSteps);
    }
}
BENCHMARK(BM_SettleScaling)->Unit(benchmark::kMicrosecond);

}  // namespace
