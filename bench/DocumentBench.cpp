// The document at the controller's largest size: 1024 logic blocks with 128 inputs and 64
// outputs, about 2000 wires. Saving, loading and an undo snapshot are measured against a plain
// copy of as many bytes; a scan steps every block once in the simulation order.
#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "blocks/MessageTextClasses.h"
#include "document/SimScan.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "platform/core/Archive.h"
#include "platform/core/MemFile.h"
#include "shell/MainFrame.h"

#include "DiagramHost.h"

#include <benchmark/benchmark.h>

#include <cstring>
#include <memory>
#include <random>
#include <vector>

namespace {

constexpr int FUNCTION_BLOCKS = 1024;
constexpr int INPUTS = 128;
constexpr int OUTPUTS = 64;
constexpr int LOGIC_TYPES[] = {BT_AND, BT_OR, BT_XOR, BT_NAND, BT_NOR, BT_NOT, BT_AND_EDGE, BT_NAND_EDGE};

void Wire(CVetlaDoc& doc, CBlockObj* pFrom, CBlockObj* pTo, int nPin)
{
    auto* pLine = new CConnectLineObj;
    pLine->m_nStartBlock = pFrom->m_nNumber;
    pLine->m_nStartPin = BLOCK_FIRST_OUTPUT;
    pLine->m_nEndBlock = pTo->m_nNumber;
    pLine->m_nEndPin = nPin;
    pLine->m_pStartBlock = pFrom;
    pLine->m_pEndBlock = pTo;
    pLine->m_ptStart = CPoint(pFrom->m_ptPos.x + 32, pFrom->m_ptPos.y + 18);
    pLine->m_ptEnd = CPoint(pTo->m_ptPos.x - 7, pTo->m_ptPos.y + 10 * (nPin + 1));
    pLine->m_arrVertices.Add(pLine->m_ptStart);
    pLine->m_arrVertices.Add(CPoint(pLine->m_ptStart.x + 10, pLine->m_ptStart.y));
    pLine->m_arrVertices.Add(CPoint(pLine->m_ptStart.x + 10, pLine->m_ptEnd.y));
    pLine->m_arrVertices.Add(pLine->m_ptEnd);
    pTo->m_nPinSource[nPin] = pFrom->m_nNumber;
    doc.AddLine(pLine);
}

CBlockObj* PlaceAt(CVetlaDoc& doc, int nType, int i)
{
    CBlockObj* pBlock = CreateBlockForType(nType, nullptr, nullptr);
    pBlock->m_ptPos = CPoint(40 + 60 * (i % 32), 40 + 60 * (i / 32));
    doc.AddBlock(pBlock);
    return pBlock;
}

// A diagram with an active frame and view, as a running simulation has it.
struct LargeDiagram : DiagramHost {
    LargeDiagram()
    {
        std::mt19937 random(1024);
        std::vector<CBlockObj*> sources;
        for (int i = 0; i < INPUTS; ++i)
            sources.push_back(PlaceAt(doc, BT_IN, i));
        for (int i = 0; i < FUNCTION_BLOCKS; ++i) {
            CBlockObj* pGate = PlaceAt(doc, LOGIC_TYPES[i % std::size(LOGIC_TYPES)], INPUTS + i);
            for (int nPin = 0; nPin < std::min(pGate->m_nInputs, 2); ++nPin)
                Wire(doc, sources[random() % sources.size()], pGate, nPin);
            sources.push_back(pGate);
        }
        for (int i = 0; i < OUTPUTS; ++i)
            Wire(doc, sources[sources.size() - 1 - std::size_t(i)], PlaceAt(doc, BT_OUT, INPUTS + FUNCTION_BLOCKS + i), 0);

        view.m_nEditMode = EDIT_MODE_SIMULATE;
        child.m_nSimRunState = SIM_RUN_RUNNING;
        child.GetSimTime(&view.m_simClock);
        Save(bytes);
    }
    void Save(CMemFile& file)
    {
        file.SetLength(0);
        doc.StoreContents(&file);
    }

    CMemFile bytes;
};

LargeDiagram& Diagram()
{
    static LargeDiagram s_diagram;
    return s_diagram;
}

std::size_t FileSize() { return std::size_t(Diagram().bytes.GetLength()); }

void BM_PlainCopy(benchmark::State& state)
{
    const std::vector<char> source(FileSize(), 'x');
    std::vector<char> target(source.size());
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), source.size());
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(source.size()));
}
BENCHMARK(BM_PlainCopy);

void BM_SaveToMemory(benchmark::State& state)
{
    LargeDiagram& diagram = Diagram();
    CMemFile file(1 << 20);
    for (auto _ : state) {
        file.SetLength(0);
        diagram.doc.StoreContents(&file);
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(FileSize()));
}
BENCHMARK(BM_SaveToMemory);

// The load itself: the archive read into an emptied document.
void BM_LoadFromMemory(benchmark::State& state)
{
    LargeDiagram& diagram = Diagram();
    CVetlaDoc doc;
    for (auto _ : state) {
        state.PauseTiming();
        doc.DeleteContents();
        diagram.bytes.SeekToBegin();
        state.ResumeTiming();
        CArchive ar(&diagram.bytes, CArchive::load);
        ar.m_pDocument = &doc;
        doc.Serialize(ar);
        ar.Close();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(FileSize()));
}
BENCHMARK(BM_LoadFromMemory)->Unit(benchmark::kMicrosecond);

// What opening and Undo do: the load with the copy kept to bring the contents back on failure.
void BM_LoadContentsWithRollback(benchmark::State& state)
{
    LargeDiagram& diagram = Diagram();
    CVetlaDoc doc;
    for (auto _ : state) {
        diagram.bytes.SeekToBegin();
        doc.LoadContents(&diagram.bytes);
    }
}
BENCHMARK(BM_LoadContentsWithRollback)->Unit(benchmark::kMicrosecond);

void BM_UndoSnapshot(benchmark::State& state)
{
    LargeDiagram& diagram = Diagram();
    CUndoStore& undo = diagram.doc.m_undo;
    for (auto _ : state) {
        state.PauseTiming();
        undo.m_nIndex = 0;
        undo.m_nTopIndex = 0;
        state.ResumeTiming();
        if (!undo.SaveState(&diagram.doc))
            state.SkipWithError("snapshot failed");
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(FileSize()));
}
BENCHMARK(BM_UndoSnapshot)->Unit(benchmark::kMicrosecond);

// One scan: the view's copy of the clock, then every block's step in list order (inputs, the
// function blocks, the outputs), the block numbers answered from the scan's index.
void BM_ScanAllBlocks(benchmark::State& state)
{
    LargeDiagram& diagram = Diagram();
    std::vector<CBlockObj*> order;
    for (POSITION pos = diagram.doc.m_blockList.GetHeadPosition(); pos;)
        order.push_back(static_cast<CBlockObj*>(diagram.doc.m_blockList.GetNext(pos)));
    int nFlip = 0;
    for (auto _ : state) {
        // Inputs change between scans, so that the gates see edges.
        order[std::size_t(nFlip++ % INPUTS)]->m_nPinValue[BLOCK_FIRST_OUTPUT] ^= 1;
        diagram.child.AdvanceSimTime();
        diagram.child.GetSimTime(&diagram.view.m_simClock);
        ScanDocument(diagram.doc, diagram.view.MakeSimContext());
    }
    state.counters["ns_per_block"] = benchmark::Counter(
        double(state.iterations()) * double(order.size()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ScanAllBlocks)->Unit(benchmark::kMicrosecond);

} // namespace
