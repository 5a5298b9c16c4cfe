// The controller's program image: buffer 0 of 10240 bytes cut into named sections, buffer 1 (the
// single section J of function-block records), and the message-text area of the newer
// generation. Every offset the encoder writes and the decoder reads is fixed here.
#pragma once

#include "platform/core/Types.h"

#include <algorithm>
#include <span>

constexpr int IMAGE_BUFFER0_BYTES = 10240;
// Section J at its largest: the controller's whole program memory.
constexpr int IMAGE_PROGRAM_BYTES_MAX = 24576;
// Buffer 1 is sent in whole frames of 64 registers.
constexpr int IMAGE_BUFFER1_STEP = 128;
// One message text of the newer generation in the message-text area.
constexpr int IMAGE_TEXT_BLOCK_BYTES = 1280;
// One message text of the older generation in section C.
constexpr int IMAGE_OLD_TEXT_BYTES = 64;
// A reference word's block offset stays below the negation bit.
constexpr int IMAGE_REF_NEGATED_BIT = 0x0400;
constexpr WORD IMAGE_OPEN_NEGATED = 0xF400;
// Names: 8 bytes each in section B, one index word each in A.
constexpr int IMAGE_NAME_BYTES = 8;
constexpr int IMAGE_NAMED_BLOCKS_MAX = 256;

struct ImageSection {
    const char* pszName;
    int nBuffer;
    int nOffset;
    int nSize;
};

// The 29 sections in the order a name is looked up.
std::span<const ImageSection> ImageSections();
// The first section of that name; null for a name the image does not have.
const ImageSection* FindImageSection(const char* pszName);

// A section's bytes in the image buffers (buffer 0 and buffer 1), clipped to what its buffer
// holds; empty for a name the image lacks.
template <class Buffers>
auto ImageSectionBytes(Buffers& buffers, const char* pszName) -> decltype(std::span(buffers[0]))
{
    const ImageSection* pSection = FindImageSection(pszName);
    if (!pSection)
        return {};
    auto& buffer = buffers[pSection->nBuffer];
    const std::size_t nOffset = std::min(std::size_t(pSection->nOffset), buffer.size());
    const std::size_t nSize = std::min(std::size_t(pSection->nSize), buffer.size() - nOffset);
    return std::span(buffer).subspan(nOffset, nSize);
}

// The size of buffer 1 for a program of nProgramBytes: rounded up to whole 128-byte steps, 128
// for an empty program, never above 24576.
int ImageBuffer1Bytes(int nProgramBytes);

// The starting contents before a download is encoded: buffer 0 all 0xFF but LC, C (except the
// first byte of each 16-byte slot) and PW zero; buffer 1 all 0xFF.
void PresetImageBuffer0(std::span<BYTE> buffer0);
// The message-text area: 0xFF, with byte 28 of the first eight 32-byte rows of each text zero
// and its character cells (bytes 256-639) spaces.
void PresetTextArea(std::span<BYTE> area);
