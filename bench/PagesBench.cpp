// The property sheets against their speed targets: opening a sheet with all its pages made
// (under 30 ms), what the live values of ten open sheets add to a scan (under 1 ms), and opening
// a ladder contact's sheet in a diagram of 768 rungs, its operand list built and sorted (under
// 50 ms).
#include "DiagramHost.h"

#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "pages/ladder/PropShLadIO.h"
#include "pages/sheet/AllPropertySheet.h"
#include "pages/sheet/BlockPage.h"
#include "pages/sheet/BlockPageRegistry.h"
#include "platform/qt/QtBackend.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <vector>

namespace {

// A simulating diagram of the controller's size with a Boolean block to open.
struct SheetHost : DiagramHost {
    SheetHost()
    {
        for (int i = 0; i < 200; ++i)
            Place(i % 2 ? BT_BOOLEAN : BT_COUNTER);
        FitPage(1);
        view.OnSimulation();
    }
    CAllPropertySheet* Open(CBlockObj* pBlock)
    {
        auto* pSheet = new CAllPropertySheet(pBlock->m_nType, _T("B1 [Boolean]"), &view, 0);
        pSheet->m_nBlockNumber = pBlock->m_nNumber;
        pSheet->CopyIn(*pBlock);
        if (!pSheet->Create(nullptr)) {
            delete pSheet;
            return nullptr;
        }
        // Every page made, as a user who looks at each tab.
        for (int i = pSheet->GetPageCount() - 1; i >= 0; --i)
            pSheet->SetActivePage(i);
        view.OpenSheets().Add(pSheet);
        return pSheet;
    }
};

void BM_OpenBooleanSheet(benchmark::State& state)
{
    SheetHost host;
    CBlockObj* pBlock = host.doc.FindBlockByNumber(NUM_FUNCTION_BLOCK + 1);
    for (auto _ : state) {
        CAllPropertySheet* pSheet = host.Open(pBlock);
        benchmark::DoNotOptimize(pSheet);
        pSheet->DestroyWindow();
    }
}
BENCHMARK(BM_OpenBooleanSheet)->Unit(benchmark::kMillisecond);

// The timer sheets with the most controls: the multi-function switch's four times with their
// lists, and the weekly timer's general page and three cams.
void BM_OpenTimerSheet(benchmark::State& state)
{
    SheetHost host;
    CBlockObj* pBlock = host.Place(int(state.range(0)));
    for (auto _ : state) {
        CAllPropertySheet* pSheet = host.Open(pBlock);
        benchmark::DoNotOptimize(pSheet);
        pSheet->DestroyWindow();
    }
}
BENCHMARK(BM_OpenTimerSheet)->Arg(BT_MFS)->Arg(BT_WT)->Unit(benchmark::kMillisecond);

// The same with every window a Qt widget (offscreen), as the program shows it.
void BM_OpenBooleanSheetAsWidgets(benchmark::State& state)
{
    static int argc = 1;
    static char name[] = "pages-bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* pApp = new QApplication(argc, argv);
    benchmark::DoNotOptimize(pApp);
    InitQtBackend();
    {
        SheetHost host;
        CBlockObj* pBlock = host.doc.FindBlockByNumber(NUM_FUNCTION_BLOCK + 1);
        for (auto _ : state) {
            CAllPropertySheet* pSheet = host.Open(pBlock);
            benchmark::DoNotOptimize(pSheet);
            pSheet->DestroyWindow();
        }
    }
    ShutdownQtBackend();
}
BENCHMARK(BM_OpenBooleanSheetAsWidgets)->Unit(benchmark::kMillisecond);

// Ten sheets open: per scan each is found by its block's number and shown a counter's value
// text, as a page with a value box is.
void BM_LiveValuesOfTenSheets(benchmark::State& state)
{
    SheetHost host;
    std::vector<CAllPropertySheet*> sheets;
    std::vector<CBlockObj*> counters;
    for (int i = 0; i < 10; ++i) {
        sheets.push_back(host.Open(host.doc.FindBlockByNumber(NUM_FUNCTION_BLOCK + 2 * i + 1)));
        counters.push_back(host.doc.FindBlockByNumber(NUM_FUNCTION_BLOCK + 2 * i));
    }
    const CSimContext sim = host.view.MakeSimContext();
    const LiveValueFormatter pfnCounter = FindBlockPageRow(BT_COUNTER)->pfnLiveValue;
    int nScan = 0;
    for (auto _ : state) {
        host.view.OpenSheets().RefreshAll(host.doc, sim);
        for (std::size_t i = 0; i < sheets.size(); ++i) {
            counters[i]->m_dRunTime = ++nScan;
            CString strText;
            pfnCounter(*counters[i], sim, strText);
            sheets[i]->m_pMainPage->DrawCurrentValue(strText);
        }
    }
    host.view.OpenSheets().CloseAll();
}
BENCHMARK(BM_LiveValuesOfTenSheets)->Unit(benchmark::kMicrosecond);

// 768 rungs, each a make contact and a relay coil: the coils take every Q, M and X address,
// so that the contact's list holds all 768 of them besides its fixed entries, with a function
// block on every eighth rung.
struct LadderHost : DiagramHost {
    static constexpr int RUNGS = 768;

    LadderHost() : DiagramHost(DOC_TYPE_LAD)
    {
        for (int i = 0; i < RUNGS; ++i) {
            Place(BT_MAKE);
            Place(BT_RELAY_COIL);
            if (i % 8 == 0)
                Place(BT_AND);
        }
        FitPage(1);
        view.OnSimulation();
    }
};

void BM_OpenLadderContactSheet(benchmark::State& state)
{
    LadderHost host;
    CBlockObj* pContact = host.doc.FindBlockByNumber(NUM_MAKE + LadderHost::RUNGS / 2);
    for (auto _ : state) {
        auto* pSheet = new CPropShLadIO(*pContact, _T("Contact"), &host.view, 0);
        pSheet->CopyIn(*pContact);
        if (!pSheet->Create(nullptr)) {
            delete pSheet;
            state.SkipWithError("the sheet's window was not made");
            break;
        }
        for (int i = pSheet->GetPageCount() - 1; i >= 0; --i)
            pSheet->SetActivePage(i);
        host.view.OpenLadSheets().Add(pSheet);
        benchmark::DoNotOptimize(pSheet->m_pLadPage->GetEntries().size());
        pSheet->DestroyWindow();
    }
}
BENCHMARK(BM_OpenLadderContactSheet)->Unit(benchmark::kMillisecond);

}  // namespace
