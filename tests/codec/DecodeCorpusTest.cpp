// The inputs the decoder's fuzzer found faults with (tests/data/decode-corpus), and the golden
// images, replayed through the same round trip: each is refused or decodes into a document
// that saves and opens again, and none may trip a sanitizer.
#include "support/CorpusReplay.h"
#include "support/DecodeRoundTrip.h"

#include "blocks/BlockFactory.h"
#include "blocks/MessageTextClasses.h"

#include <gtest/gtest.h>

namespace {

TEST(DecodeCorpus, EveryKeptInputIsRefusedOrReopens)
{
    RegisterBlockClasses();
    RegisterMessageTextClasses();
    int nDecoded = 0;
    for (const char* pszDir : {QARVO_DECODE_CORPUS_DIR, QARVO_GOLDEN_DIR}) {
        for (const corpus_replay::Input& input : corpus_replay::ReadCorpus(pszDir)) {
            if (!input.name.ends_with(".bin"))
                continue;
            int nCause = 0;
            const auto outcome = decode_round_trip::Run(input.bytes.data(), input.bytes.size(), &nCause);
            EXPECT_NE(outcome, decode_round_trip::Outcome::DoesNotReopen) << input.name << ": cause " << nCause;
            nDecoded += outcome == decode_round_trip::Outcome::Decoded ? 1 : 0;
        }
    }
    // The golden images decode.
    EXPECT_GE(nDecoded, 2);
}

} // namespace
