// The project file of diagrams of the controller's largest size (1281 blocks with every family
// of function blocks, each input wired with a routed wire) and of an eighth, a quarter and a
// half of it. Saving into memory, loading from memory, opening (the load as Open and Undo run
// it: the file read whole, tried on a trial document, then taken over), an undo snapshot and an
// Undo are each reported as a ratio to a plain copy of as many bytes, measured in the same run
// (counter x_memcpy). The budgets: save and load within 15 times the copy, open and Undo within
// 30 times. A scan steps every block once in the simulation order.
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/ConnectLineObj.h"
#include "document/SimScan.h"
#include "document/VetlaDoc.h"
#include "platform/core/Archive.h"
#include "platform/core/MemFile.h"
#include "platform/core/ObjectArena.h"

#include "DiagramHost.h"
#include "support/LargestDiagram.h"

#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <memory>
#include <new>
#include <vector>

namespace {

// The thread's CPU time: the machine is shared, and wall time would count other programs'
// turns on the processor into both sides of a ratio.
struct ThreadClock {
    using duration = std::chrono::nanoseconds;
    using time_point = std::chrono::time_point<ThreadClock>;
    static time_point now()
    {
        timespec ts{};
        clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
        return time_point(duration(std::int64_t(ts.tv_sec) * 1000000000 + ts.tv_nsec));
    }
};
using Clock = ThreadClock;

const std::vector<std::int64_t> kSizes = {161, 321, 641, 1281};

struct FileDiagram : DiagramHost {
    explicit FileDiagram(int nDivisor)
    {
        inputs = BuildLargestDiagram(
                     doc, [this](int nType) { return Place(nType); },
                     [this](CBlockObj* pSource, CBlockObj* pDest, int nPin) { Wire(pSource, pDest, nPin); },
                     nDivisor)
                     .inputs;
        Place(BT_DATALOG);
        FitPage(1);
        view.OnSimulation();
        child.m_nSimRunState = SIM_RUN_RUNNING;
        child.GetSimTime(&view.Simulation().Clock());
        bytes.SetLength(0);
        doc.StoreContents(&bytes);
    }

    // A wire with a two-segment route, as the wire tool lays it.
    void Wire(CBlockObj* pSource, CBlockObj* pDest, int nPin)
    {
        auto* pLine = new CConnectLineObj;
        pLine->m_nStartBlock = pSource->m_nNumber;
        pLine->m_nStartPin = BLOCK_FIRST_OUTPUT;
        pLine->m_nEndBlock = pDest->m_nNumber;
        pLine->m_nEndPin = nPin;
        pLine->m_pStartBlock = pSource;
        pLine->m_pEndBlock = pDest;
        pLine->m_ptStart = pSource->m_ptPos + CPoint(pSource->m_nWidth + 8, 10);
        pLine->m_ptEnd = pDest->m_ptPos + CPoint(-8, 8 + 6 * nPin);
        pLine->m_arrVertices.Add(pLine->m_ptStart);
        pLine->m_arrVertices.Add(CPoint(pLine->m_ptStart.x, pLine->m_ptEnd.y));
        pLine->m_arrVertices.Add(pLine->m_ptEnd);
        pDest->m_nPinSource[nPin] = pSource->m_nNumber;
        doc.AddLine(pLine);
    }

    std::vector<CBlockObj*> inputs;
    CMemFile bytes;
};

// One diagram lives at a time: each makes its frame the main frame's active one.
FileDiagram& Diagram(std::int64_t nBlocks)
{
    static std::unique_ptr<FileDiagram> s_pDiagram;
    static std::int64_t s_nBlocks = 0;
    if (!s_pDiagram || s_nBlocks != nBlocks) {
        s_pDiagram.reset();
        s_pDiagram = std::make_unique<FileDiagram>(LargestDiagramDivisor(int(nBlocks)));
        s_nBlocks = nBlocks;
    }
    return *s_pDiagram;
}

std::size_t FileSize(FileDiagram& diagram) { return std::size_t(diagram.bytes.GetLength()); }

// A buffer of nBytes at the start of a cache line. A copy's speed depends on where its source
// and target lie within their lines and pages, by a quarter on this machine; wherever the heap
// happened to put them, the ratios moved from run to run by as much. Both at a line's start is
// the fastest placement, so the copy that the ratios divide by is the best a copy does.
struct LineAlignedBytes {
    explicit LineAlignedBytes(std::size_t nBytes, char fill)
        : pBytes(static_cast<char*>(std::aligned_alloc(kLine, (nBytes + kLine - 1) / kLine * kLine)))
    {
        if (pBytes == nullptr)
            throw std::bad_alloc();
        std::memset(pBytes.get(), fill, nBytes);
    }
    char* data() const { return pBytes.get(); }

    static constexpr std::size_t kLine = 64;
    struct Free {
        void operator()(char* p) const { std::free(p); }
    };
    std::unique_ptr<char, Free> pBytes;
};

// CPU nanoseconds of one memcpy of nBytes: the fastest of several batches, as other programs'
// use of the caches only ever slows a batch down, over a few pairs of buffers, as the pages that
// a pair happens to get can slow every batch of it by a fifth. Measured again for each benchmark
// run, right after its timed part: this shared machine has stretches of seconds in which
// everything runs a sixth slower, and a copy measured once for the whole program divided every
// later run by whichever stretch it fell in.
double CopyNanos(std::size_t nBytes)
{
    constexpr int kPairs = 3;
    constexpr int kBatches = 15;
    constexpr int kCopies = 200;
    double fastest = 0;
    for (int nPair = 0; nPair < kPairs; ++nPair) {
        const LineAlignedBytes source(nBytes, 'x');
        const LineAlignedBytes target(nBytes, 'y');
        for (int nBatch = 0; nBatch < kBatches; ++nBatch) {
            const Clock::time_point start = Clock::now();
            for (int i = 0; i < kCopies; ++i) {
                std::memcpy(target.data(), source.data(), nBytes);
                benchmark::DoNotOptimize(target.data());
                benchmark::ClobberMemory();
            }
            const double batch = std::chrono::duration<double, std::nano>(Clock::now() - start).count() / kCopies;
            fastest = nPair == 0 && nBatch == 0 ? batch : std::min(fastest, batch);
        }
    }
    return fastest;
}

// CPU nanoseconds that the clock's own two readings add to a timed stretch, the least of many
// empty stretches: the thread's CPU clock is a system call, here half a microsecond, which is
// a fiftieth of a small file's load. The copy, timed over batches, carries next to none of it.
double ClockNanos()
{
    static const double s_nanos = [] {
        Clock::duration least = Clock::duration::max();
        for (int i = 0; i < 2000; ++i) {
            const Clock::time_point start = Clock::now();
            least = std::min(least, Clock::now() - start);
        }
        return std::chrono::duration<double, std::nano>(least).count();
    }();
    return s_nanos;
}

// Times the timed part of an iteration for the ratio (in CPU time, as the copy, and without the
// clock's own cost); the benchmark's own timing runs alongside.
class RatioTimer {
public:
    void Start() { m_start = Clock::now(); }
    void Stop() { m_total += Clock::now() - m_start; }
    void Report(benchmark::State& state, std::size_t nBytes) const
    {
        const double nanos = std::chrono::duration<double, std::nano>(m_total).count();
        if (state.iterations() > 0)
            state.counters["x_memcpy"] =
                (nanos / double(state.iterations()) - ClockNanos()) / CopyNanos(nBytes);
        state.counters["bytes"] = double(nBytes);
        state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(nBytes));
    }

private:
    Clock::time_point m_start;
    Clock::duration m_total{};
};

void BM_PlainCopy(benchmark::State& state)
{
    const std::size_t nBytes = FileSize(Diagram(state.range(0)));
    const LineAlignedBytes source(nBytes, 'x');
    const LineAlignedBytes target(nBytes, 'y');
    for (auto _ : state) {
        std::memcpy(target.data(), source.data(), nBytes);
        benchmark::DoNotOptimize(target.data());
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(std::int64_t(state.iterations()) * std::int64_t(nBytes));
}
BENCHMARK(BM_PlainCopy)->ArgsProduct({kSizes});

void BM_SaveToMemory(benchmark::State& state)
{
    FileDiagram& diagram = Diagram(state.range(0));
    CMemFile file(1 << 20);
    RatioTimer timer;
    for (auto _ : state) {
        timer.Start();
        file.SetLength(0);
        diagram.doc.StoreContents(&file);
        timer.Stop();
    }
    timer.Report(state, FileSize(diagram));
}
BENCHMARK(BM_SaveToMemory)->ArgsProduct({kSizes})->Unit(benchmark::kMicrosecond);

// The load itself: the archive read into an emptied document.
void BM_LoadFromMemory(benchmark::State& state)
{
    FileDiagram& diagram = Diagram(state.range(0));
    CVetlaDoc doc;
    RatioTimer timer;
    for (auto _ : state) {
        state.PauseTiming();
        doc.DeleteContents();
        diagram.bytes.SeekToBegin();
        state.ResumeTiming();
        timer.Start();
        const CObjectArenaScope arena; // as CDocument's load
        CArchive ar(&diagram.bytes, CArchive::load);
        ar.m_pDocument = &doc;
        doc.Serialize(ar);
        ar.Close();
        timer.Stop();
    }
    timer.Report(state, FileSize(diagram));
}
BENCHMARK(BM_LoadFromMemory)->ArgsProduct({kSizes})->Unit(benchmark::kMicrosecond);

// What opening a file does to a document that already holds one: the file read whole, tried on
// a trial document, then taken over with the old contents kept until it has succeeded.
void BM_OpenFromMemory(benchmark::State& state)
{
    FileDiagram& diagram = Diagram(state.range(0));
    CVetlaDoc doc;
    diagram.bytes.SeekToBegin();
    doc.LoadContents(&diagram.bytes);
    RatioTimer timer;
    for (auto _ : state) {
        diagram.bytes.SeekToBegin();
        timer.Start();
        doc.LoadContents(&diagram.bytes);
        timer.Stop();
    }
    timer.Report(state, FileSize(diagram));
}
BENCHMARK(BM_OpenFromMemory)->ArgsProduct({kSizes})->Unit(benchmark::kMicrosecond);

void BM_UndoSnapshot(benchmark::State& state)
{
    FileDiagram& diagram = Diagram(state.range(0));
    CUndoStore& undo = diagram.doc.m_undo;
    RatioTimer timer;
    for (auto _ : state) {
        state.PauseTiming();
        undo.m_nIndex = 0;
        undo.m_nTopIndex = 0;
        state.ResumeTiming();
        timer.Start();
        if (!undo.SaveState(&diagram.doc))
            state.SkipWithError("snapshot failed");
        timer.Stop();
    }
    timer.Report(state, FileSize(diagram));
}
BENCHMARK(BM_UndoSnapshot)->ArgsProduct({kSizes})->Unit(benchmark::kMicrosecond);

// Undo: the snapshot before the last edit read back into the document.
void BM_Undo(benchmark::State& state)
{
    FileDiagram& diagram = Diagram(state.range(0));
    CVetlaDoc doc;
    diagram.bytes.SeekToBegin();
    doc.LoadContents(&diagram.bytes);
    if (!doc.m_undo.SaveState(&doc) || !doc.m_undo.SaveState(&doc)) {
        state.SkipWithError("snapshots failed");
        return;
    }
    const int nTop = doc.m_undo.m_nIndex;
    RatioTimer timer;
    for (auto _ : state) {
        doc.m_undo.m_nIndex = nTop;
        timer.Start();
        if (!doc.m_undo.Undo())
            state.SkipWithError("undo failed");
        timer.Stop();
    }
    timer.Report(state, FileSize(diagram));
}
BENCHMARK(BM_Undo)->ArgsProduct({kSizes})->Unit(benchmark::kMicrosecond);

// One scan: the view's copy of the clock, then every block's step in list order (inputs, the
// function blocks, the outputs), the block numbers answered from the scan's index.
void BM_ScanAllBlocks(benchmark::State& state)
{
    FileDiagram& diagram = Diagram(state.range(0));
    int nFlip = 0;
    for (auto _ : state) {
        // Inputs change between scans, so that the blocks see edges.
        diagram.inputs[std::size_t(nFlip++) % diagram.inputs.size()]->m_nPinValue[BLOCK_FIRST_OUTPUT] ^= 1;
        diagram.child.AdvanceSimTime();
        diagram.child.GetSimTime(&diagram.view.Simulation().Clock());
        ScanDocument(diagram.doc, diagram.view.MakeSimContext());
    }
    state.counters["ns_per_block"] = benchmark::Counter(
        double(state.iterations()) * double(diagram.doc.m_blockList.GetCount()),
        benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ScanAllBlocks)->ArgsProduct({kSizes})->Unit(benchmark::kMicrosecond);

} // namespace
