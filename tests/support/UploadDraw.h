// The upload as the program finishes it, for its fuzzer and the replay of the kept inputs: any
// bytes are taken as an uploaded image (support/DecodeRoundTrip.h) and decoded into the
// document of a view, the view spans the laid-out diagram, the wires that cross blocks are cut
// (their connectors look for free spots within the view), and the diagram is drawn. What was
// decoded must then save to a file that opens again.
#pragma once

#include "support/DecodeRoundTrip.h"
#include "support/GoldenCorpus.h"

#include "platform/core/MessageBox.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"

#include <cstdint>

namespace upload_draw {

enum class Outcome { Refused, Drawn, DoesNotReopen };

// The document an image is decoded into: its pages decide the layout, and so which wires cross.
constexpr int kDocType = DOC_TYPE_FBD;
constexpr WORD kHardwareCode = 0x5188;

inline Outcome Run(const std::uint8_t* pData, std::size_t nSize)
{
    CMessageBoxRecorder quiet;
    CVetlaCoreRule codec;
    decode_round_trip::FillCodec(codec, pData, nSize);
    golden::GoldenHost host;
    CVetlaDoc& doc = host.NewDocument(kDocType, kHardwareCode);
    const bool bDecoded = DecodeProgramImage(codec, doc).bOk;
    host.View().UpdateScrollSizes();
    host.View().CutWiresCrossingBlocks();
    RecordingSurface surface;
    CDC dc(surface);
    host.View().OnDraw(&dc);
    if (decode_round_trip::ReopenFailure(doc) != 0)
        return Outcome::DoesNotReopen;
    return bDecoded ? Outcome::Drawn : Outcome::Refused;
}

} // namespace upload_draw
