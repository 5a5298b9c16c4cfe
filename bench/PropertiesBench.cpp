// Opening the program Properties sheet (target: under 50 ms): the modal sheet made with every
// one of its nine pages shown once, as a user who looks at each tab, then closed, on a diagram
// of 400 blocks.
#include "DiagramHost.h"

#include "blocks/BlockTypes.h"
#include "pages/program/PropertiesPropSh.h"
#include "platform/qt/QtBackend.h"
#include "platform/ui/Dialog.h"

#include <QApplication>
#include <benchmark/benchmark.h>

namespace {

struct PropertiesHost : DiagramHost {
    PropertiesHost()
    {
        for (int i = 0; i < 400; ++i)
            Place(i % 2 ? BT_AND : BT_COUNTER);
        FitPage(1);
        CDialog::SetDialogHook([this](CDialog& dlg) {
            auto& sheet = static_cast<CPropertySheet&>(dlg);
            for (int i = sheet.GetPageCount() - 1; i >= 0; --i) {
                sheet.SetActivePage(i);
                pagesMade += sheet.GetPage(i)->GetSafeHwnd() != nullptr;
            }
            sheet.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
    }
    ~PropertiesHost() { CDialog::SetDialogHook(nullptr); }
    PropertiesHost(const PropertiesHost&) = delete;
    PropertiesHost& operator=(const PropertiesHost&) = delete;

    // False when the sheet did not show all its pages and close with Cancel.
    bool OpenSheet()
    {
        pagesMade = 0;
        CPropertiesPropSh sheet(_T("Properties"), nullptr, 0);
        sheet.CopyFromDocument(doc);
        return sheet.DoModal() == IDCANCEL && pagesMade == CPropertiesPropSh::PAGE_COUNT;
    }

    int pagesMade = 0;
};

void Measure(benchmark::State& state, PropertiesHost& host)
{
    for (auto _ : state) {
        if (!host.OpenSheet()) {
            state.SkipWithError("the sheet did not show its pages");
            break;
        }
    }
}

void BM_OpenPropertiesSheet(benchmark::State& state)
{
    PropertiesHost host;
    Measure(state, host);
}
BENCHMARK(BM_OpenPropertiesSheet)->Unit(benchmark::kMillisecond);

// The same with every window a Qt widget (offscreen), as the program shows it.
void BM_OpenPropertiesSheetAsWidgets(benchmark::State& state)
{
    static int argc = 1;
    static char name[] = "properties-bench";
    static char* argv[] = {name, nullptr};
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QApplication* pApp = new QApplication(argc, argv);
    benchmark::DoNotOptimize(pApp);
    InitQtBackend();
    {
        PropertiesHost host;
        Measure(state, host);
    }
    ShutdownQtBackend();
}
BENCHMARK(BM_OpenPropertiesSheetAsWidgets)->Unit(benchmark::kMillisecond);

}  // namespace
