// What an upload does on the UI thread once the image has been read: the image decoded into a
// fresh document, every wire that crosses a block cut into a connector pair, and the first
// paint of the window (a screen-sized image at zoom 1). Measured on the controller's largest
// program (1024 function blocks of every type, 128 inputs, 64 analog inputs, 64 outputs) and on
// programs where one input feeds 100, 200 or 300 AND gates, which cut as many wires at one
// output pin, and on the images the upload fuzzer kept whose cut once took seconds (thousands of
// wires down a tall diagram, many of them from one pin; a crowded one whose replay cut before
// the view spanned the diagram), run as the fuzzer runs them. The aim: under 100 ms for each, so that the window never
// stands still.
#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "codec/ImageDecoder.h"
#include "codec/ImageEncoder.h"
#include "codec/VetlaCoreRule.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "platform/qt/OffscreenImage.h"
#include "shell/MainFrame.h"

#include "support/CorpusReplay.h"
#include "support/DecodeRoundTrip.h"
#include "support/LargestDiagram.h"
#include "support/UploadDraw.h"

#include <QApplication>
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <memory>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr WORD kNewerWifiHardware = 0x5288;
constexpr SYSTEMTIME kStamp = {2026, 3, 0, 14, 9, 26, 53, 0};

// The stages are timed in the thread's processor time, in milliseconds: the machines the
// figures come from are shared.
double ThreadMs()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return double(t.tv_sec) * 1e3 + double(t.tv_nsec) / 1e6;
}

void StartApp()
{
    static int argc = 1;
    static char name[] = "upload-bench";
    static char* argv[] = {name, nullptr};
    static QApplication* pApp = [] {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        return new QApplication(argc, argv);
    }();
    (void)pApp;
}

// The image a controller would send back for the diagram that build() makes.
struct UploadedImage {
    explicit UploadedImage(const std::function<void(CVetlaDoc&)>& build)
    {
        RegisterBlockClasses();
        CVetlaDoc doc;
        doc.m_wHardwareCode = kNewerWifiHardware;
        build(doc);
        int nTexts = 0;
        for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;)
            nTexts += static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos))->m_nType == BT_MSGTEXT ? 1 : 0;
        CVetlaCoreRule encoder;
        encoder.m_pDoc = &doc;
        encoder.AllocImageBuffers(CODEC_MODE_DOWNLOAD, nTexts);
        bOk = BuildProgramImage(encoder, kStamp).bOk;
        bytes.assign(encoder.Image(0).begin(), encoder.Image(0).end());
        bytes.insert(bytes.end(), encoder.Image(1).begin(), encoder.Image(1).end());
        bytes.insert(bytes.end(), encoder.TextArea().begin(), encoder.TextArea().end());
    }

    // An image as the controller sent it.
    explicit UploadedImage(std::vector<BYTE> image) : bOk(true), bytes(std::move(image)) {}

    // The codec as the upload leaves it after reading.
    void Fill(CVetlaCoreRule& codec) const { decode_round_trip::FillCodec(codec, bytes.data(), bytes.size()); }

    bool bOk = false;
    std::vector<BYTE> bytes;
};

void BuildLargest(CVetlaDoc& doc)
{
    BuildLargestDiagram(
        doc,
        [&doc](int nType) {
            CBlockObj* pBlock = CreateBlockForType(nType, nullptr, &doc);
            doc.AddBlock(pBlock);
            return pBlock;
        },
        [](CBlockObj* pFrom, CBlockObj* pTo, int nPin) { pTo->m_nPinSource[nPin] = pFrom->m_nNumber; });
}

// One input feeding the first pin of nGates AND gates, each gate feeding the next one's
// second pin: the layout runs the gates down a staircase that the input's wires cross, so that
// every one of them is cut at the input's one output pin.
void BuildFanOut(CVetlaDoc& doc, int nGates)
{
    CBlockObj* pInput = CreateBlockForType(BT_IN, nullptr, &doc);
    doc.AddBlock(pInput);
    CBlockObj* pLast = nullptr;
    for (int i = 0; i < nGates; ++i) {
        CBlockObj* pGate = CreateBlockForType(BT_AND, nullptr, &doc);
        doc.AddBlock(pGate);
        pGate->m_nPinSource[0] = pInput->m_nNumber;
        if (pLast)
            pGate->m_nPinSource[1] = pLast->m_nNumber;
        pLast = pGate;
    }
}

int CountConnectors(const CVetlaDoc& doc)
{
    int nCount = 0;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;)
        nCount += static_cast<const CBlockObj*>(doc.m_blockList.GetNext(pos))->m_nType == BT_MALE ? 1 : 0;
    return nCount;
}

// The decoding, the cut and the first paint, each iteration into a fresh document of a view, as
// the upload window does it: the view spans the laid-out diagram before the cut. An image the
// upload fuzzer kept is decoded as its run does (support/UploadDraw.h), into a document of its
// pages.
void RunUpload(benchmark::State& state, const UploadedImage& image, bool bAsFuzzed = false)
{
    StartApp();
    if (!image.bOk) {
        state.SkipWithError("the program does not encode");
        return;
    }
    CMainFrame frame;
    CChildFrame child;
    CVetlaView view;
    AfxSetMainFrame(&frame);
    child.SetActiveView(&view);
    frame.MDIActivate(&child);
    double dDecodeMs = 0;
    double dCutMs = 0;
    double dDrawMs = 0;
    COffscreenImage screen(1920, 1080);
    CDC& dc = screen.GetDC();
    view.ApplyZoomMapping(&dc);
    for (auto _ : state) {
        state.PauseTiming();
        CVetlaCoreRule codec;
        image.Fill(codec);
        auto pDoc = std::make_unique<CVetlaDoc>();
        if (bAsFuzzed)
            golden::MakeNewDocument(*pDoc, upload_draw::kDocType, upload_draw::kHardwareCode);
        view.SetDocument(pDoc.get());
        view.UpdateScrollSizes();
        state.ResumeTiming();
        const auto tStart = ThreadMs();
        if (!DecodeProgramImage(codec, *pDoc).bOk) {
            state.SkipWithError("the image does not decode");
            break;
        }
        const auto tDecoded = ThreadMs();
        view.UpdateScrollSizes();
        view.CutWiresCrossingBlocks();
        const auto tCut = ThreadMs();
        view.OnDraw(&dc);
        const auto tDrawn = ThreadMs();
        state.PauseTiming();
        dDecodeMs += tDecoded - tStart;
        dCutMs += tCut - tDecoded;
        dDrawMs += tDrawn - tCut;
        state.counters["blocks"] = double(pDoc->m_blockList.GetCount());
        state.counters["wires"] = double(pDoc->m_lineList.GetCount());
        state.counters["pairs"] = double(CountConnectors(*pDoc));
        view.SetDocument(nullptr);
        pDoc.reset();
        state.ResumeTiming();
    }
    // Where the time goes, per iteration: decoding, cutting, the first paint.
    const double dRuns = double(std::max<benchmark::IterationCount>(state.iterations(), 1));
    state.counters["decode_ms"] = dDecodeMs / dRuns;
    state.counters["cut_ms"] = dCutMs / dRuns;
    state.counters["draw_ms"] = dDrawMs / dRuns;
    frame.MDIActivate(nullptr);
    AfxSetMainFrame(nullptr);
}

void BM_UploadLargestProgram(benchmark::State& state)
{
    static const UploadedImage s_image(BuildLargest);
    RunUpload(state, s_image);
}
BENCHMARK(BM_UploadLargestProgram)->Unit(benchmark::kMillisecond);

void BM_UploadFanOut(benchmark::State& state)
{
    const int nGates = int(state.range(0));
    const UploadedImage image([nGates](CVetlaDoc& doc) { BuildFanOut(doc, nGates); });
    RunUpload(state, image);
}
BENCHMARK(BM_UploadFanOut)->Arg(100)->Arg(200)->Arg(300)->Unit(benchmark::kMillisecond);

// An image the upload fuzzer kept, run as the fuzzer runs it.
void BM_UploadKeptImage(benchmark::State& state, const char* pszName)
{
    const UploadedImage image(corpus_replay::ReadBytes(std::string(QARVO_UPLOAD_CORPUS_DIR "/") + pszName));
    RunUpload(state, image, true);
}
BENCHMARK_CAPTURE(BM_UploadKeptImage, tall, "slow-cut-tall")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UploadKeptImage, wide, "slow-cut-wide")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UploadKeptImage, crowded, "slow-cut-crowded")->Unit(benchmark::kMillisecond);

} // namespace
