// Encoding the diagram of the controller's largest size into its program image: 1024 function
// blocks cycling through every function-block type on a newer controller with WiFi, 128 inputs,
// 64 analog inputs and 64 outputs, every input pin fed by an earlier block of its kind. Measured:
// the whole encoding pass of a download (the buffers allocated, every record, output section and
// document section written, then the checksums). The aim: under 5 ms, against about 12 s that
// the image takes on the wire (137-byte frames at 115200 baud).
// Decoding that image back, after an upload, into a fresh document with its layout and wires
// (BM_DecodeLargestImage). The aim: under 20 ms.
#include "blocks/BlockFactory.h"
#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "codec/ImageDecoder.h"
#include "codec/ImageEncoder.h"
#include "codec/VetlaCoreRule.h"
#include "document/VetlaDoc.h"

#include "support/LargestDiagram.h"

#include <benchmark/benchmark.h>

#include <memory>

namespace {

constexpr WORD kNewerWifiHardware = 0x5288;
constexpr SYSTEMTIME kStamp = {2026, 3, 0, 14, 9, 26, 53, 0};

struct LargestDocument {
    LargestDocument()
    {
        doc.m_wHardwareCode = kNewerWifiHardware;
        BuildLargestDiagram(
            doc,
            [this](int nType) {
                CBlockObj* pBlock = CreateBlockForType(nType, nullptr, &doc);
                doc.AddBlock(pBlock);
                nTexts += nType == BT_MSGTEXT ? 1 : 0;
                return pBlock;
            },
            [](CBlockObj* pFrom, CBlockObj* pTo, int nPin) { pTo->m_nPinSource[nPin] = pFrom->m_nNumber; });
    }

    CVetlaDoc doc;
    int nTexts = 0;
};

void BM_EncodeLargestDiagram(benchmark::State& state)
{
    LargestDocument largest;
    for (auto _ : state) {
        CVetlaCoreRule codec;
        codec.m_pDoc = &largest.doc;
        codec.AllocImageBuffers(CODEC_MODE_DOWNLOAD, largest.nTexts);
        const EncodeResult result = BuildProgramImage(codec, kStamp);
        if (!result.bOk) {
            state.SkipWithError(result.nMessageId == IDS_ENCODE_NO_RESOURCES ? "refused: 612" : "refused: 604");
            return;
        }
        WriteImageChecksums(codec, TRUE);
        benchmark::DoNotOptimize(codec.Image(1).data());
    }
    state.counters["program_bytes"] = largest.doc.GetProgramSize();
}
BENCHMARK(BM_EncodeLargestDiagram)->Unit(benchmark::kMillisecond);

void BM_DecodeLargestImage(benchmark::State& state)
{
    LargestDocument largest;
    CVetlaCoreRule codec;
    codec.m_pDoc = &largest.doc;
    codec.AllocImageBuffers(CODEC_MODE_DOWNLOAD, largest.nTexts);
    if (!BuildProgramImage(codec, kStamp).bOk) {
        state.SkipWithError("the largest diagram does not encode");
        return;
    }
    // The fresh document is the upload's: opening it makes its undo folder, file-system work
    // that is not the decoding's and is left out of the time.
    for (auto _ : state) {
        state.PauseTiming();
        auto pDoc = std::make_unique<CVetlaDoc>();
        state.ResumeTiming();
        const DecodeResult result = DecodeProgramImage(codec, *pDoc);
        if (!result.bOk) {
            state.SkipWithError("the image does not decode");
            return;
        }
        benchmark::DoNotOptimize(pDoc->m_lineList.GetCount());
        state.PauseTiming();
        state.counters["blocks"] = double(pDoc->m_blockList.GetCount());
        state.counters["wires"] = double(pDoc->m_lineList.GetCount());
        pDoc.reset();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_DecodeLargestImage)->Unit(benchmark::kMillisecond);

} // namespace
