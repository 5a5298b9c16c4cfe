// One simulation scan of a diagram at the controller's largest size with blocks of every
// family: 1024 function blocks cycling through every function-block type code (as many message
// texts, shift registers and filters as a controller allows), 128 inputs, 64 analog inputs, 64
// outputs and the data log, every digital input wired to a digital source and every analog
// input to an analog one. Measured: the model's scan alone (ScanDocument, with the context the
// view gives it), and the scan followed by each block drawn into the recording surface as a
// simulated paint does (DrawSim). The scan is also measured on an eighth, a quarter and a half
// of that diagram (161, 321 and 641 blocks), so that its growth reads as a curve: the time per
// block should stay flat. The aims: under 1 microsecond per block for the steps, under 5 ms
// for steps and drawing together (the tick is 25 ms). A ladder diagram of rungs of make and
// break contacts into coils, and analog contacts into analog outputs, is measured the same way,
// and so is its conversion into a function-block diagram (aim: under 100 ms).
#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/MessageTextClasses.h"
#include "blocks/PowerBusObj.h"
#include "blocks/SimContext.h"
#include "document/BlockNumberIndex.h"
#include "document/LadderConversion.h"
#include "document/SimScan.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"
#include "shell/MainFrame.h"

#include "DiagramHost.h"
#include "support/LargestDiagram.h"

#include <benchmark/benchmark.h>

#include <memory>
#include <vector>

namespace {

// A document with its view and frames, set up as a running simulation.
struct SimulationHost : DiagramHost {
    explicit SimulationHost(int nDocType) : DiagramHost(nDocType) {}

    // The order of the document's list once it is built, and the run state of the bar.
    void StartRun()
    {
        for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;)
            order.push_back(static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos)));
        view.OnSimulation();
        child.m_nSimRunState = SIM_RUN_RUNNING;
        child.GetSimTime(&view.Simulation().Clock());
    }

    // What a tick does before the scan: the clock moves on, one block's output flips so that
    // the blocks see edges, and the view takes its copy of the clock.
    void Tick(int nTick, int nFlipped)
    {
        order[std::size_t(nTick % nFlipped)]->m_nPinValue[BLOCK_FIRST_OUTPUT] ^= 1;
        child.AdvanceSimTime();
        child.GetSimTime(&view.Simulation().Clock());
    }

    // One scan as the view's paint runs it.
    CSimContext Scan()
    {
        const CSimContext sim = view.MakeSimContext();
        ScanDocument(doc, sim);
        return sim;
    }

    std::vector<CBlockObj*> order;
};

struct LargeDiagram : SimulationHost {
    explicit LargeDiagram(int nDivisor) : SimulationHost(DOC_TYPE_FBD)
    {
        nInputs = int(BuildLargestDiagram(
                          doc, [this](int nType) { return Place(nType); },
                          [](const CBlockObj* pSource, CBlockObj* pDest, int nPin) {
                              pDest->m_nPinSource[nPin] = pSource->m_nNumber;
                          },
                          nDivisor)
                          .inputs.size());
        Place(BT_DATALOG);
        StartRun();
    }

    void Tick(int nTick) { SimulationHost::Tick(nTick, nInputs); }

    int nInputs = 0;
};

// Rungs as a ladder program at the coil limit: a make contact on an input, then a break contact
// on the previous rung's coil, into a flag coil; and analog contacts into analog outputs.
struct LadderDiagram : SimulationHost {
    static constexpr int RUNGS = 768;
    static constexpr int ANALOG_RUNGS = 256;

    LadderDiagram() : SimulationHost(DOC_TYPE_LAD)
    {
        auto* pRail = new CPowerBusObj(BT_POWERBUS);
        doc.m_powerBusList.AddTail(pRail);
        pRail->m_nPinValue[BLOCK_FIRST_OUTPUT] = 1;
        const CBlockObj* pPreviousCoil = nullptr;
        for (int i = 0; i < RUNGS; ++i) {
            CBlockObj* pMake = Element(BT_MAKE, 100 + i % 256, pRail);
            CBlockObj* pBreak =
                Element(BT_BREAK, pPreviousCoil ? pPreviousCoil->m_nNumber : 1870, pMake);
            pPreviousCoil = Element(BT_RELAY_COIL, 1316 + i % 512, pBreak);
        }
        for (int i = 0; i < ANALOG_RUNGS; ++i)
            Element(BT_AOUT_LAD, 4230 + i % 32, Element(BT_ACONTACT, 4000 + i % 64, pRail));
        StartRun();
    }

    CBlockObj* Element(int nType, int nOperand, const CBlockObj* pSource)
    {
        CBlockObj* pElement = Place(nType);
        pElement->m_nOperand = nOperand;
        pElement->m_nPinSource[0] = pSource->m_nNumber;
        return pElement;
    }

    void Tick(int nTick) { SimulationHost::Tick(nTick, RUNGS); }
};

// The diagram of nBlocks blocks (the largest for any size but 161, 321 and 641). One diagram
// lives at a time: each makes its frame the main frame's active one.
LargeDiagram& Diagram(int nBlocks = LARGEST_DIAGRAM_BLOCKS)
{
    static std::unique_ptr<LargeDiagram> s_pDiagram;
    static int s_nBlocks = 0;
    if (!s_pDiagram || s_nBlocks != nBlocks) {
        s_pDiagram.reset();
        s_pDiagram = std::make_unique<LargeDiagram>(LargestDiagramDivisor(nBlocks));
        s_nBlocks = nBlocks;
    }
    return *s_pDiagram;
}

LadderDiagram& Ladder()
{
    static LadderDiagram s_ladder;
    return s_ladder;
}

void CountPerBlock(benchmark::State& state, std::size_t nBlocks)
{
    state.counters["blocks"] = double(nBlocks);
    state.counters["ns_per_block"] = benchmark::Counter(
        double(state.iterations()) * double(nBlocks),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// The argument is the diagram's size in blocks; the time per block should stay flat as it grows.
void BM_ScanSteps(benchmark::State& state)
{
    LargeDiagram& diagram = Diagram(int(state.range(0)));
    int nTick = 0;
    for (auto _ : state) {
        diagram.Tick(nTick++);
        diagram.Scan();
    }
    CountPerBlock(state, diagram.order.size());
}
BENCHMARK(BM_ScanSteps)->Arg(161)->Arg(321)->Arg(641)->Arg(1281)->Unit(benchmark::kMicrosecond);

// A simulated paint: the scan, then each block's drawing in state colours (pins, body, symbol,
// label, parameter texts, value box) into the recording surface, which is emptied between
// scans outside the timing.
void BM_ScanStepsAndDrawing(benchmark::State& state)
{
    LargeDiagram& diagram = Diagram();
    RecordingSurface surface(SIZE{3400, 2400});
    CDC dc(surface);
    int nTick = 0;
    for (auto _ : state) {
        diagram.Tick(nTick++);
        CBlockNumberIndex index(diagram.doc);
        const CSimContext sim = diagram.Scan();
        for (CBlockObj* pBlock : diagram.order)
            pBlock->DrawSim(&sim, &dc);
        state.PauseTiming();
        state.counters["records"] = double(surface.Records().size());
        surface.Clear();
        state.ResumeTiming();
    }
    CountPerBlock(state, diagram.order.size());
}
BENCHMARK(BM_ScanStepsAndDrawing)->Unit(benchmark::kMicrosecond);

void BM_LadderScanSteps(benchmark::State& state)
{
    LadderDiagram& ladder = Ladder();
    int nTick = 0;
    for (auto _ : state) {
        ladder.Tick(nTick++);
        ladder.Scan();
    }
    CountPerBlock(state, ladder.order.size());
}
BENCHMARK(BM_LadderScanSteps)->Unit(benchmark::kMicrosecond);

// The ladder converted into a new FBD document: the rungs folded into gates, the blocks made,
// laid out and wired. Making and freeing the empty document are not timed.
void BM_ConvertLadder(benchmark::State& state)
{
    LadderDiagram& ladder = Ladder();
    for (auto _ : state) {
        state.PauseTiming();
        auto pFbd = std::make_unique<CVetlaDoc>();
        state.ResumeTiming();
        CLadderConversion conversion(ladder.doc);
        conversion.PutInto(*pFbd);
        state.PauseTiming();
        state.counters["blocks"] = double(pFbd->m_blockList.GetCount());
        state.counters["wires"] = double(pFbd->m_lineList.GetCount());
        pFbd.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_ConvertLadder)->Unit(benchmark::kMillisecond);

}  // namespace
