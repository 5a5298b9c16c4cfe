// Printing a diagram of 3 x 3 pages to a PDF file as the Print command does it once Print Setup
// is answered: each of the nine pages drawn onto a high-resolution PDF printer, the file
// written. The aim: under 2 s.
//
// Print Preview of a diagram of 3 x 2 pages as the user meets it, with Qt widgets and the
// system's printers: from the Print Setup's OK until the preview shows its first page. The
// aim: under 0.5 s.
#include "DiagramHost.h"

#include "blocks/BlockTypes.h"
#include "platform/gdi/DisplayDevice.h"
#include "platform/qt/QPainterSurface.h"
#include "platform/qt/QtBackend.h"
#include "platform/qt/QtPrinting.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/PrintPreviewDlg.h"

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

// Blocks of the common kinds in rows over the pages: 600 cover nine.
void FillPages(DiagramHost& host, int nBlocks)
{
    constexpr int kTypes[] = {BT_AND, BT_OR, BT_NOT, BT_XOR};
    for (int i = 0; i < nBlocks; ++i) {
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
        FillPages(host, 600);
        for (auto _ : state) {
            std::filesystem::remove(path);
            if (!host.view.DoFilePrint() || !std::filesystem::exists(path)) {
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

void BM_OpenPrintPreview(benchmark::State& state)
{
    App();
    InitQtBackend();
    InitQtPrinting();
    {
        DiagramHost host;
        host.doc.m_sizeScreen = {1280, 800};
        host.view.SetPageLayout(3, 2);
        FillPages(host, 400);
        // Print Setup is answered at once; the preview closes as soon as it shows.
        CDialog::SetDialogHook([](CDialog& dlg) {
            const UINT nAnswer = dynamic_cast<CPrintPreviewDlg*>(&dlg) ? IDCANCEL : IDOK;
            dlg.PostMessage(WM_COMMAND, MAKEWPARAM(nAnswer, BN_CLICKED), 0);
        });
        for (auto _ : state)
            host.view.Printing().Preview();
        CDialog::SetDialogHook(nullptr);
    }
    ShutdownQtPrinting();
    ShutdownQtBackend();
}
BENCHMARK(BM_OpenPrintPreview)->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
