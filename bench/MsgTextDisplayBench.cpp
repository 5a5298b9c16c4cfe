// The simulation's "Message texts" display at its largest: 16 message texts, each showing four
// running values of the counters a pulse input drives, all 16 pages open. One iteration is one
// simulated second of the running program: 40 scans of the 25 ms tick (each followed by the
// view's message-text pass) and 19 redraws of the 53 ms display timer, every page's LCD grid
// painted through the QPainter surface into an offscreen image. The time of an iteration in
// milliseconds divided by 10 is the share of one core in percent (aim: under 30 %).
#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTypes.h"
#include "blocks/Widget.h"
#include "document/SimScan.h"
#include "messagetext/AllDisplayMsgTxts.h"
#include "messagetext/MessageTextPages.h"
#include "messagetext/WidgetPlacement.h"
#include "platform/qt/OffscreenImage.h"

#include "DiagramHost.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <vector>

namespace {

constexpr int kTexts = MSGTEXT_SLOT_COUNT;
constexpr int kScansPerSecond = 40;
constexpr int kRedrawsPerSecond = 19;

QApplication& App()
{
    static int argc = 1;
    static char name[] = "msgtext-display-bench";
    static char* argv[] = {name, nullptr};
    static QApplication* pApp = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *pApp;
}

struct DisplayedTexts : DiagramHost {
    DisplayedTexts()
    {
        App();
        InstallMessageTextPages();
        pPulse = Place(BT_IN);
        for (int i = 0; i < kTexts; ++i) {
            CBlockObj* pCounter = Place(BT_COUNTER);
            pCounter->m_nPinSource[1] = pPulse->m_nNumber;
            auto* pText = static_cast<CBlockMSGTEXT*>(Place(BT_MSGTEXT));
            pText->m_nParamEx[MSGTEXT_SLOT_PARAMEX] = i;
            for (int nLine = 0; nLine < MSGTEXT_LINES; ++nLine) {
                pText->m_strCells1[nLine + 1][1] = _T("N");
                auto* pWidget = new CWidget;
                pWidget->m_nLine = nLine + 1;
                pWidget->m_nColumn = 4;
                pWidget->m_nWidth = 6;
                pWidget->m_nKind = 0;
                pWidget->m_nParamId = 16;
                pWidget->m_nBlockNumber = pCounter->m_nNumber;
                pWidget->m_pBlock = pCounter;
                pText->m_arrWidgets1[nLine].Add(pWidget);
            }
        }
        BuildSimulationOrder(doc);
        view.OnSimulation();
        child.m_nSimRunState = SIM_RUN_RUNNING;
        child.GetSimTime(&view.Simulation().Clock());
        StartSimulationRun(doc, view.Simulation().Clock());
        view.OpenMessageTexts();
        pSheet = CAllDisplayMsgTxts::Open(view.MsgTextDisplay());
        // Every page's window made, as if the user had looked at each.
        for (int i = 0; pSheet && i < pSheet->GetPageCount(); ++i)
            pSheet->SetActivePage(i);
    }
    ~DisplayedTexts()
    {
        if (pSheet)
            pSheet->DestroyDisplay();
    }

    void Tick(int nTick)
    {
        // The pulse input is clicked every other tick: the counters count every fourth.
        if (nTick % 2 == 0)
            ToggleSimulatedInput(doc, *pPulse);
        child.AdvanceSimTime();
        child.GetSimTime(&view.Simulation().Clock());
        ScanDocument(doc, view.MakeSimContext());
        view.OpenMessageTexts();
    }

    CBlockObj* pPulse = nullptr;
    CAllDisplayMsgTxts* pSheet = nullptr;
};

void BM_SixteenTextsOneSimulatedSecond(benchmark::State& state)
{
    DisplayedTexts texts;
    if (!texts.pSheet || texts.pSheet->GetPageCount() != kTexts) {
        state.SkipWithError("the display did not open with 16 pages");
        return;
    }
    g_bShowMsgTextDetails = FALSE;
    COffscreenImage image(300, 140);
    int nTick = 0;
    for (auto _ : state) {
        int nRedrawn = 0;
        for (int nScan = 0; nScan < kScansPerSecond; ++nScan) {
            texts.Tick(nTick++);
            // The 53 ms timer falls due about every second or third scan.
            while (nRedrawn * kScansPerSecond < (nScan + 1) * kRedrawsPerSecond) {
                for (int i = 0; i < kTexts; ++i)
                    texts.pSheet->GetDisplayPage(i)->m_grid.DrawGrid(&image.GetDC());
                ++nRedrawn;
            }
        }
    }
    g_bShowMsgTextDetails = TRUE;
}

BENCHMARK(BM_SixteenTextsOneSimulatedSecond)->Unit(benchmark::kMillisecond);

}  // namespace
