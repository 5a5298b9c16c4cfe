// Opening the message-text page of a block with 16 elements (target: under 50 ms): the sheet
// made, the cells and elements copied in, the page's window, grid and lists built. And the
// page of a message text in a diagram of the controller's largest size, its controls shown as
// the program shows them (target: under 500 ms): its block list offers some 780 blocks.
#include "DiagramHost.h"

#include "blocks/BlockMSGTEXT.h"
#include "blocks/BlockTypes.h"
#include "blocks/Widget.h"
#include "messagetext/MessageTextPages.h"
#include "pages/sheet/AllPropertySheet.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtDialogServices.h"
#include "support/LargestDiagram.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

// A diagram with counters to show and a message text with 16 parameter elements over both sets.
struct MessageTextHost : DiagramHost {
    MessageTextHost()
    {
        InstallMessageTextPages();
        for (int i = 0; i < 40; ++i)
            Place(BT_COUNTER);
        pText = static_cast<CBlockMSGTEXT*>(Place(BT_MSGTEXT));
        for (int i = 0; i < 16; ++i) {
            auto* pWidget = new CWidget(0, 0, 0, 0, RGB(128, 128, 128));
            pWidget->m_nLine = 1 + (i / 2) % 4;
            pWidget->m_nColumn = 1 + 12 * (i % 2);
            pWidget->m_nWidth = 6;
            pWidget->m_nKind = 0;
            pWidget->m_nParamId = 16;
            pWidget->m_nBlockNumber = NUM_FUNCTION_BLOCK + 1 + i;
            pWidget->m_pBlock = doc.FindBlockByNumber(pWidget->m_nBlockNumber);
            (i < 8 ? pText->m_arrWidgets1 : pText->m_arrWidgets2)[pWidget->m_nLine - 1].Add(pWidget);
        }
        FitPage(1);
    }

    CBlockMSGTEXT* pText = nullptr;
};

// The first message text of a diagram of the controller's largest size.
struct LargestDiagramHost : DiagramHost {
    LargestDiagramHost()
    {
        InstallMessageTextPages();
        BuildLargestDiagram(
            doc, [this](int nType) { return Place(nType); },
            [this](const CBlockObj* pSource, CBlockObj* pDest, int nPin) { AddRoutedWire(doc, pSource, pDest, nPin); });
        Place(BT_DATALOG);
        FitPage(1);
        for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos && !pText;) {
            auto* pBlock = static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos));
            if (pBlock->m_nType == BT_MSGTEXT)
                pText = static_cast<CBlockMSGTEXT*>(pBlock);
        }
    }

    CBlockMSGTEXT* pText = nullptr;
};

void OpenAndClose(DiagramHost& host, CBlockMSGTEXT& text)
{
    auto* pSheet = new CAllPropertySheet(BT_MSGTEXT, _T("B41 [Message]"), &host.view, 0);
    pSheet->CopyIn(text);
    if (pSheet->Create(nullptr))
        pSheet->DestroyWindow();
    else
        delete pSheet;
}

void BM_OpenMessageTextPage(benchmark::State& state)
{
    MessageTextHost host;
    for (auto _ : state)
        OpenAndClose(host, *host.pText);
}
BENCHMARK(BM_OpenMessageTextPage)->Unit(benchmark::kMillisecond);

// The one Qt application of the benchmarks that show widgets (offscreen).
void StartQtApplication()
{
    static int argc = 1;
    static char name[] = "messagetext-bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* pApp = new QApplication(argc, argv);
    benchmark::DoNotOptimize(pApp);
}

// The same with every window a Qt widget (offscreen), as the program shows it.
void BM_OpenMessageTextPageAsWidgets(benchmark::State& state)
{
    StartQtApplication();
    InitQtBackend();
    {
        MessageTextHost host;
        for (auto _ : state)
            OpenAndClose(host, *host.pText);
    }
    ShutdownQtBackend();
}
BENCHMARK(BM_OpenMessageTextPageAsWidgets)->Unit(benchmark::kMillisecond);

// The largest diagram's message text with every control a Qt widget of its own kind (a list
// box a list view), as the program shows them.
void BM_OpenMessageTextPageOfLargestDiagram(benchmark::State& state)
{
    StartQtApplication();
    InitQtBackend();
    InitQtDialogServices();
    {
        LargestDiagramHost host;
        for (auto _ : state)
            OpenAndClose(host, *host.pText);
    }
    ShutdownQtDialogServices();
    ShutdownQtBackend();
}
BENCHMARK(BM_OpenMessageTextPageOfLargestDiagram)->Unit(benchmark::kMillisecond);

}  // namespace
