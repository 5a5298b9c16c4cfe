// The upload's decoding as the fuzzer and the replay of its kept inputs drive it: any bytes are
// taken as an uploaded image (buffer 0, then buffer 1 as long as the image's program-size word
// says, then whole message texts) and decoded; a decoded document must save, open again and
// encode.
#pragma once

#include "codec/ImageDecoder.h"
#include "codec/ImageEncoder.h"
#include "codec/ImageLayout.h"
#include "codec/VetlaCoreRule.h"
#include "document/VetlaDoc.h"
#include "platform/core/Exception.h"
#include "platform/core/MemFile.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>

namespace decode_round_trip {

enum class Outcome { Refused, Decoded, DoesNotReopen };

// The image as an upload leaves it in the codec: buffer 1 takes the program size the image
// names in PS, clipped to the bytes there are; the rest gives whole message texts.
inline void FillCodec(CVetlaCoreRule& codec, const std::uint8_t* pData, std::size_t nSize)
{
    const std::size_t nBuffer0 = std::min<std::size_t>(nSize, IMAGE_BUFFER0_BYTES);
    const ImageSection* pPs = FindImageSection("PS");
    int nWords = 0;
    if (nBuffer0 >= std::size_t(pPs->nOffset + 2))
        nWords = pData[pPs->nOffset] | pData[pPs->nOffset + 1] << 8;
    const std::size_t nRest = nSize - nBuffer0;
    const std::size_t nBuffer1 = std::min<std::size_t>(
        nRest, std::size_t(std::clamp(2 * nWords - IMAGE_BUFFER0_BYTES, 0, IMAGE_PROGRAM_BYTES_MAX)));
    const int nTexts = int((nRest - nBuffer1) / IMAGE_TEXT_BLOCK_BYTES);
    codec.m_nImageSize1 = int(nBuffer1);
    codec.m_nTextAreaSize = nTexts * IMAGE_TEXT_BLOCK_BYTES;
    codec.AllocImageBuffers(CODEC_MODE_UPLOAD, nTexts);
    if (nBuffer0)
        std::memcpy(codec.Image(0).data(), pData, nBuffer0);
    if (nBuffer1)
        std::memcpy(codec.Image(1).data(), pData + nBuffer0, nBuffer1);
    if (nTexts)
        std::memcpy(codec.TextArea().data(), pData + nBuffer0 + nBuffer1, codec.TextArea().size());
}

// The cause of the failed open of the saved document, 0 when it opened.
inline int ReopenFailure(CVetlaDoc& doc)
{
    CMemFile file;
    doc.StoreContents(&file);
    file.SeekToBegin();
    CVetlaDoc reopened;
    try {
        reopened.LoadContents(&file);
    } catch (CArchiveException* e) {
        const int nCause = e->m_cause;
        e->Delete();
        return nCause == 0 ? -1 : nCause;
    } catch (CException* e) {
        e->Delete();
        return -1;
    }
    return 0;
}

inline Outcome Run(const std::uint8_t* pData, std::size_t nSize, int* pCause = nullptr)
{
    constexpr SYSTEMTIME kStamp = {2026, 3, 0, 14, 9, 26, 53, 0};
    CVetlaCoreRule codec;
    FillCodec(codec, pData, nSize);
    CVetlaDoc doc;
    if (!DecodeProgramImage(codec, doc).bOk)
        return Outcome::Refused;
    const int nCause = ReopenFailure(doc);
    if (pCause)
        *pCause = nCause;
    if (nCause != 0)
        return Outcome::DoesNotReopen;
    CVetlaCoreRule again;
    again.m_pDoc = &doc;
    if (again.AllocImageBuffers(CODEC_MODE_DOWNLOAD, int(codec.TextArea().size()) / IMAGE_TEXT_BLOCK_BYTES))
        BuildProgramImage(again, kStamp);
    return Outcome::Decoded;
}

} // namespace decode_round_trip
