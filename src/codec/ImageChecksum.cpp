#include "codec/ImageEncoder.h"

#include "codec/ImageLayout.h"
#include "codec/RecordWriter.h"
#include "codec/VetlaCoreRule.h"

#include <cstdint>

namespace {

constexpr int kProgramSumOffset = 1016;
constexpr int kTextWordsOffset = 1010;
constexpr int kTextSumOffset = 1012;
constexpr int kBuffer0SummedFrom = 1024;

// The sum of the bytes taken as 32-bit little-endian words; a tail shorter than a word counts
// with its missing bytes as 0xFF, as the controller's erased memory reads.
std::uint32_t SumWords(std::span<const BYTE> bytes)
{
    std::uint32_t nSum = 0;
    for (std::size_t i = 0; i < bytes.size(); i += 4) {
        std::uint32_t nWord = 0;
        for (std::size_t k = 0; k < 4; ++k)
            nWord |= std::uint32_t(i + k < bytes.size() ? bytes[i + k] : 0xFF) << (8 * k);
        nSum += nWord;
    }
    return nSum;
}

} // namespace

void WriteImageChecksums(CVetlaCoreRule& codec, BOOL bNewGeneration)
{
    std::span<BYTE> lc = codec.Section("LC");
    const std::span<const BYTE> buffer1 = codec.Image(1);
    std::uint32_t nSum = SumWords(codec.Image(0).subspan(kBuffer0SummedFrom)) + SumWords(buffer1);
    // The rest of the program memory is erased: each missing word adds 0xFFFFFFFF.
    nSum += std::uint32_t((IMAGE_PROGRAM_BYTES_MAX - int(buffer1.size())) / 4) * 0xFFFFFFFFu;
    RecordWriter(lc, kProgramSumOffset).Long(nSum);
    const std::span<const BYTE> area = codec.TextArea();
    if (!bNewGeneration || area.empty())
        return;
    RecordWriter(lc, kTextWordsOffset).Word(int(area.size() / 2));
    RecordWriter(lc, kTextSumOffset).Long(SumWords(area));
}
