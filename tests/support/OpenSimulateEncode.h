// A file opened and then used, for its fuzzer and the replay of the kept inputs: any bytes that
// open as a project are simulated for a few scans (stopped, then running, a few cycles stepped)
// and drawn without a device, a ladder diagram is converted into a function-block diagram, and
// the function-block diagram is encoded into a download image. Nothing of it may trip a
// sanitizer; an encoding refused for a value it cannot carry is an answer, not an error.
#pragma once

#include "support/OpenRoundTrip.h"

#include "blocks/BlockObj.h"
#include "blocks/BlockTypes.h"
#include "blocks/SimContext.h"
#include "blocks/SimTime.h"
#include "codec/ImageEncoder.h"
#include "codec/VetlaCoreRule.h"
#include "document/LadderConversion.h"
#include "document/SimScan.h"
#include "platform/gdi/DC.h"

#include <cstdint>

namespace open_simulate_encode {

enum class Outcome { Refused, Used };

constexpr SYSTEMTIME kClock = {2026, 3, 0, 14, 9, 26, 53, 0};
constexpr int kScans = 4;

inline void Simulate(CVetlaDoc& doc)
{
    SYSTEMTIME clock = kClock;
    CSimContext sim;
    CDC dc;
    BuildSimulationOrder(doc);
    StartSimulationRun(doc, clock);
    sim.bSimulating = TRUE;
    for (int nScan = 0; nScan < kScans; ++nScan) {
        sim.nRunState = nScan == 0 ? SIM_RUN_STOPPED : SIM_RUN_RUNNING;
        if (nScan == kScans - 1) {
            sim.nStepState = SIM_STEP_STEPPING;
            AdvanceTimersByCycle(doc);
        }
        sim.stScan = sim.stNow = clock;
        ScanDocument(doc, sim);
        for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;) {
            auto* pBlock = static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos));
            if (sim.nRunState == SIM_RUN_STOPPED)
                pBlock->Draw(&sim, &dc, TRUE, RGB(0, 0, 0));
            else
                pBlock->DrawSim(&sim, &dc);
        }
        AdvanceSimClock(&clock);
    }
    EndSimulationRun(doc);
}

// As the download prepares it: the special blocks sized, a text block for each message text.
inline void Encode(CVetlaDoc& doc)
{
    doc.UpdateSpecialBlockSizes();
    int nTexts = 0;
    for (POSITION pos = doc.m_blockList.GetHeadPosition(); pos;)
        nTexts += static_cast<CBlockObj*>(doc.m_blockList.GetNext(pos))->m_nType == BT_MSGTEXT ? 1 : 0;
    CVetlaCoreRule codec;
    codec.m_pDoc = &doc;
    if (codec.AllocImageBuffers(CODEC_MODE_DOWNLOAD, doc.IsNewGenerationDoc() ? nTexts : 0))
        BuildProgramImage(codec, kClock);
}

inline Outcome Run(const std::uint8_t* pData, std::size_t nSize)
{
    CVetlaDoc doc;
    if (!open_round_trip::Open(doc, pData, nSize))
        return Outcome::Refused;
    Simulate(doc);
    if (!doc.IsLadder()) {
        Encode(doc);
        return Outcome::Used;
    }
    CLadderConversion conversion(doc);
    CVetlaDoc fbd;
    if (conversion.PutInto(fbd)) {
        Simulate(fbd);
        Encode(fbd);
    }
    return Outcome::Used;
}

} // namespace open_simulate_encode
