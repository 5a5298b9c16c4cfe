// libFuzzer target of the upload's decoding: any bytes either fail to decode with an error or
// decode into a document that saves, opens again and encodes (support/DecodeRoundTrip.h). A
// decoded document that does not open again, and every sanitizer report, is a finding. Seeds:
// the golden images tests/data/golden/image-*.bin and tests/data/decode-corpus.
#include "support/DecodeRoundTrip.h"

#include "blocks/BlockFactory.h"
#include "blocks/MessageTextClasses.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerInitialize(int*, char***)
{
    RegisterBlockClasses();
    RegisterMessageTextClasses();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    int nCause = 0;
    if (decode_round_trip::Run(pData, nSize, &nCause) == decode_round_trip::Outcome::DoesNotReopen) {
        std::fprintf(stderr, "the decoded document does not open again (cause %d)\n", nCause);
        std::abort();
    }
    return 0;
}
