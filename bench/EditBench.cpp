// Hit testing and wiring on a diagram at the controller's largest size: 1024 function blocks
// cycling through every function-block type, 128 inputs, 64 analog inputs and 64 outputs, every
// input wired to an earlier block of its kind with its pointers and pin tables set, as a
// finished or loaded diagram has them. Measured:
// - CVetlaDoc::BlockAtPoint on the last block of the list and on empty space (whole list);
// - the pin hit test under the mouse: the block with its pin stubs, then CVetlaView::PinAt;
// - a whole wire by the mouse: the press on the last function block's output, the hover check
//   over an open input (connection rules and the loop search upstream through the diagram) and
//   the release that routes, lays out and records the wire. The wire is taken away again
//   outside the measured time. Without the undo snapshot (a file of the whole document), which
//   is measured on its own.
// The aim: each under 1 ms, so the editor answers every mouse move at once.
#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/MessageTextClasses.h"
#include "document/PinHits.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "shell/MainFrame.h"

#include "DiagramHost.h"
#include "support/LargestDiagram.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

CPoint PinCentre(CBlockObj* pBlock, int nPin)
{
    CRect rect;
    GetBlockPinRect(&rect, pBlock, nPin);
    return CPoint((rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2);
}

struct EditedDiagram : DiagramHost {
    EditedDiagram()
    {
        Build();
        FitPage(2);
        view.WireTool().LoadTexts();
        view.OnConnect();
    }

    void Wire(CBlockObj* pSource, CBlockObj* pDest, int nPin)
    {
        view.WireTool().ConnectPins(PinCentre(pSource, BLOCK_FIRST_OUTPUT), pSource, BLOCK_FIRST_OUTPUT,
                         PinCentre(pDest, nPin), pDest, nPin);
    }

    void Build()
    {
        // The open AND the measured wire goes to, early in the list.
        pTarget = Place(BT_AND);
        const LargestDiagramSources sources = BuildLargestDiagram(
            doc, [this](int nType) { return Place(nType); },
            [this](CBlockObj* pSource, CBlockObj* pDest, int nPin) { Wire(pSource, pDest, nPin); });
        pLastDigital = sources.digital.back();
        pLast = static_cast<CBlockObj*>(doc.m_blockList.GetTail());
    }

    // The press, the hover over the target and the release: one finished wire.
    void DrawWire()
    {
        const CPoint ptFrom = PinCentre(pLastDigital, BLOCK_FIRST_OUTPUT);
        const CPoint ptTo = PinCentre(pTarget, 0);
        view.WireTool().ClickAt(ptFrom.x, ptFrom.y);
        view.WireTool().ShowPinTip(ptTo.x, ptTo.y, ptTo);
        view.WireTool().ClickAt(ptTo.x, ptTo.y);
    }

    void TakeWireAway()
    {
        auto* pLine = static_cast<CConnectLineObj*>(doc.m_lineList.GetTail());
        doc.RemoveLine(pLine);
        delete pLine;
        pTarget->m_nPinSource[0] = LINK_OPEN;
    }

    CBlockObj* pTarget = nullptr;
    CBlockObj* pLastDigital = nullptr;
    CBlockObj* pLast = nullptr;
};

EditedDiagram& Diagram()
{
    static EditedDiagram s_diagram;
    return s_diagram;
}

void BM_BlockAtPointLastBlock(benchmark::State& state)
{
    EditedDiagram& d = Diagram();
    const CPoint pt = d.pLast->m_ptPos + CPoint(d.pLast->m_nWidth / 2, d.pLast->m_nHeight / 2);
    for (auto _ : state)
        benchmark::DoNotOptimize(d.doc.BlockAtPoint(pt.x, pt.y));
    if (d.doc.BlockAtPoint(pt.x, pt.y) != d.pLast)
        state.SkipWithError("the last block was not hit");
    state.counters["blocks"] = double(d.doc.m_blockList.GetCount());
}
BENCHMARK(BM_BlockAtPointLastBlock)->Unit(benchmark::kMicrosecond);

void BM_BlockAtPointEmptySpace(benchmark::State& state)
{
    EditedDiagram& d = Diagram();
    for (auto _ : state)
        benchmark::DoNotOptimize(d.doc.BlockAtPoint(5, 5));
}
BENCHMARK(BM_BlockAtPointEmptySpace)->Unit(benchmark::kMicrosecond);

void BM_PinHitUnderTheMouse(benchmark::State& state)
{
    EditedDiagram& d = Diagram();
    const CPoint pt = PinCentre(d.pLast, 0);
    int nPin = -1;
    for (auto _ : state) {
        CBlockObj* pBlock = d.doc.BlockAtPointWithPins(pt.x, pt.y);
        nPin = PinAt(pBlock, pt.x, pt.y);
        benchmark::DoNotOptimize(nPin);
    }
    if (nPin != 0)
        state.SkipWithError("the pin was not hit");
}
BENCHMARK(BM_PinHitUnderTheMouse)->Unit(benchmark::kMicrosecond);

void BM_WireByTheMouse(benchmark::State& state)
{
    EditedDiagram& d = Diagram();
    d.view.WireTool().SetUndoOnWire(FALSE);
    const INT_PTR nWires = d.doc.m_lineList.GetCount();
    for (auto _ : state) {
        d.DrawWire();
        state.PauseTiming();
        if (d.doc.m_lineList.GetCount() != nWires + 1) {
            state.SkipWithError("no wire was drawn");
            break;
        }
        d.TakeWireAway();
        state.ResumeTiming();
    }
    d.view.WireTool().SetUndoOnWire(TRUE);
    state.counters["wires"] = double(nWires);
}
BENCHMARK(BM_WireByTheMouse)->Unit(benchmark::kMicrosecond);

// The hover check alone, as every mouse move with a wire in progress runs it.
void BM_HoverCheckWithAWireInProgress(benchmark::State& state)
{
    EditedDiagram& d = Diagram();
    const CPoint ptFrom = PinCentre(d.pLastDigital, BLOCK_FIRST_OUTPUT);
    const CPoint ptTo = PinCentre(d.pTarget, 0);
    d.view.WireTool().ClickAt(ptFrom.x, ptFrom.y);
    for (auto _ : state)
        d.view.WireTool().ShowPinTip(ptTo.x, ptTo.y, ptTo);
    if (d.view.WireTool().HoverVerdict() != HOVER_ALLOWED)
        state.SkipWithError("the target was refused");
    d.view.WireTool().End();
}
BENCHMARK(BM_HoverCheckWithAWireInProgress)->Unit(benchmark::kMicrosecond);

// The undo snapshot a finished wire takes: the whole document written to a file.
void BM_UndoSnapshotOfTheDiagram(benchmark::State& state)
{
    EditedDiagram& d = Diagram();
    for (auto _ : state)
        d.doc.m_undo.SaveState(&d.doc);
}
BENCHMARK(BM_UndoSnapshotOfTheDiagram)->Unit(benchmark::kMillisecond);

} // namespace
