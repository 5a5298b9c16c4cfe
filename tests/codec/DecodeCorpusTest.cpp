// The inputs the decoder's fuzzer found faults with (tests/data/decode-corpus), and the golden
// images, replayed through the same round trip: each is refused or decodes into a document
// that saves and opens again, and none may trip a sanitizer.
#include "support/DecodeRoundTrip.h"

#include "blocks/BlockFactory.h"
#include "blocks/MessageTextClasses.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace {

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(DecodeCorpus, EveryKeptInputIsRefusedOrReopens)
{
    RegisterBlockClasses();
    RegisterMessageTextClasses();
    int nDecoded = 0;
    for (const char* pszDir : {QARVO_DECODE_CORPUS_DIR, QARVO_GOLDEN_DIR}) {
        for (const auto& entry : std::filesystem::directory_iterator(pszDir)) {
            if (entry.path().extension() != ".bin")
                continue;
            const std::vector<std::uint8_t> bytes = ReadBytes(entry.path());
            int nCause = 0;
            const auto outcome = decode_round_trip::Run(bytes.data(), bytes.size(), &nCause);
            EXPECT_NE(outcome, decode_round_trip::Outcome::DoesNotReopen) << entry.path() << ": cause " << nCause;
            nDecoded += outcome == decode_round_trip::Outcome::Decoded ? 1 : 0;
        }
    }
    // The golden images decode.
    EXPECT_GE(nDecoded, 2);
}

} // namespace
