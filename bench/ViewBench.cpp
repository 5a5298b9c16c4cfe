// One paint of a simulating diagram view at the controller's largest size: every block steps and
// is drawn in its state colour, every wire in its source's colour, through the QPainter surface
// into an offscreen image at zoom 1, as the 25 ms tick's repaint does. 1024 function blocks
// cycling through every function-block type (as many message texts, shift registers and filters
// as a controller allows), 128 inputs, 64 analog inputs, 64 outputs and the data log, every
// input wired. Measured into a screen-sized image (what a window's paint covers) and into an
// image of the whole diagram. The aims: under 10 ms for the screen, so a scan fits in every
// tick with room to spare, and under 25 ms (one tick) for the whole diagram.
#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/MessageTextClasses.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "platform/gdi/DisplayDevice.h"
#include "platform/qt/OffscreenImage.h"
#include "platform/qt/QPainterSurface.h"
#include "shell/MainFrame.h"

#include "DiagramHost.h"
#include "support/LargestDiagram.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <vector>

namespace {

QApplication& App()
{
    static int argc = 1;
    static char name[] = "view-bench";
    static char* argv[] = {name, nullptr};
    static QApplication* pApp = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    return *pApp;
}

struct SimulatingView : DiagramHost {
    SimulatingView()
    {
        App();
        Build();
        FitPage(1);
        view.UpdateScrollSizes();
        view.OnSimulation();
    }

    // Each input is wired to a random earlier source of its kind, with a two-segment route.
    void Wire(const CBlockObj* pSource, CBlockObj* pDest, int nPin) { AddRoutedWire(doc, pSource, pDest, nPin); }

    void Build()
    {
        inputs = BuildLargestDiagram(
                     doc, [this](int nType) { return Place(nType); },
                     [this](const CBlockObj* pSource, CBlockObj* pDest, int nPin) { Wire(pSource, pDest, nPin); })
                     .inputs;
        Place(BT_DATALOG);
    }

    // What a tick does before its paint: the clock moves on and one input flips, so that the
    // blocks see edges.
    void Tick(int nTick)
    {
        CBlockObj* pInput = inputs[std::size_t(nTick) % inputs.size()];
        pInput->m_nPinValue[BLOCK_FIRST_OUTPUT] ^= 1;
        pInput->m_bPinChanged[BLOCK_FIRST_OUTPUT] = 1;
        child.AdvanceSimTime();
    }

    std::vector<CBlockObj*> inputs;
};

// Arguments: the image's width and height; 0 takes the whole diagram (3300 x 3010 pixels).
// A window shows at most a screen of it, which is what a tick's paint copies.
void BM_SimulationPaintIntoImage(benchmark::State& state)
{
    static SimulatingView s_host;
    const CRect& rcBase = s_host.doc.m_rcExtent;
    const int nWidth = state.range(0) ? int(state.range(0)) : rcBase.Width();
    const int nHeight = state.range(1) ? int(state.range(1)) : rcBase.Height();
    COffscreenImage image(nWidth, nHeight);
    CDC& dc = image.GetDC();
    s_host.view.ApplyZoomMapping(&dc);
    int nTick = 0;
    for (auto _ : state) {
        s_host.Tick(nTick++);
        s_host.view.OnDraw(&dc);
    }
    state.counters["blocks"] = double(s_host.placed);
    state.counters["wires"] = double(s_host.doc.m_lineList.GetCount());
}
BENCHMARK(BM_SimulationPaintIntoImage)->Args({1920, 1080})->Args({0, 0})->Unit(benchmark::kMillisecond);

// A screen-sized paint as the view's window paint makes it: the memory bitmap is selected into
// the view's memory context for the paint and the context's first bitmap back after it, so
// that every tick's paint starts on a new surface over the same pixels.
void BM_SimulationPaintThroughViewBitmap(benchmark::State& state)
{
    static SimulatingView s_host;
    CDC memDC;
    memDC.CreateMemoryDC(&QPainterSurface::ForPixels, GetDisplayDevice().caps);
    CBitmap bitmap;
    bitmap.CreateCompatibleBitmap(&memDC, 1920, 1080);
    s_host.view.ApplyZoomMapping(&memDC);
    int nTick = 0;
    for (auto _ : state) {
        s_host.Tick(nTick++);
        CBitmap* pOldBitmap = memDC.SelectObject(&bitmap);
        s_host.view.OnDraw(&memDC);
        memDC.SelectObject(pOldBitmap);
    }
}
BENCHMARK(BM_SimulationPaintThroughViewBitmap)->Unit(benchmark::kMillisecond);

} // namespace
