// Printing a diagram of 3 x 3 pages to a PDF file as the Print command does it once Print Setup
// is answered: the whole base drawn at zoom 1 into one picture, and its nine tiles stretched onto
// nine pages of a high-resolution PDF printer, the file written. The aim: under 2 s.
#include "DiagramHost.h"

#include "blocks/BlockTypes.h"
#include "platform/gdi/DisplayDevice.h"
#include "platform/qt/QPainterSurface.h"
#include "platform/qt/QtPrinting.h"
#include "platform/ui/PrintDialog.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

QApplication& App()
{
    static int argc = 1;
    static char name[] = "print-bench";
    static char* argv[] = {name, nullptr};
    static QApplication* pApp = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *pApp;
}

// Blocks of the common kinds in rows over all nine pages.
void FillNinePages(DiagramHost& host)
{
    constexpr int kTypes[] = {BT_AND, BT_OR, BT_NOT, BT_XOR};
    for (int i = 0; i < 600; ++i) {
        CBlockObj* pBlock = host.Place(kTypes[i % 4]);
        pBlock->m_ptPos = pBlock->m_ptPos2 = CPoint(40 + 100 * (i % 30), 40 + 110 * (i / 30));
    }
}

void BM_PrintThreeByThreePagesToPdf(benchmark::State& state)
{
    App();
    const DisplayDevice display = GetDisplayDevice();
    DeviceCaps screen;
    SetDisplayDevice(screen, &QPainterSurface::ForPixels);
    const std::filesystem::path path = std::filesystem::temp_directory_path() / "qarvo-print-bench.pdf";
    const PrintBackend previous = AfxSetPrintBackend(PrintBackend{
        [] { return true; },
        [&path](PrintDialogSettings&) { return MakeQtPdfPrinter(CString(path.string().c_str())); },
        nullptr,
    });
    {
        DiagramHost host;
        host.doc.m_sizeScreen = {screen.nHorzRes, screen.nVertRes};
        host.view.SetPageLayout(3, 3);
        FillNinePages(host);
        for (auto _ : state) {
            std::filesystem::remove(path);
            if (!host.view.Printing().CaptureDiagram() || !host.view.DoFilePrint() || !std::filesystem::exists(path)) {
                state.SkipWithError("no PDF was written");
                break;
            }
        }
        state.counters["pdf_kib"] = double(std::filesystem::file_size(path)) / 1024.0;
    }
    AfxSetPrintBackend(previous);
    SetDisplayDevice(display.caps, display.pMaker);
    std::filesystem::remove(path);
}
BENCHMARK(BM_PrintThreeByThreePagesToPdf)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
