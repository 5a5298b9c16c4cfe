// libFuzzer target of the open path: any bytes either fail to open or open into a document
// whose saved file opens again. A saved file that does not open, and every sanitizer report, is
// a finding. (A damaged file whose document saves to bytes that then open to a slightly other
// document is known and not yet counted: the load's repairs are not all settled in one pass.)
// Seeds: tests/data/open-corpus.
#include "support/OpenRoundTrip.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    const open_round_trip::Outcome outcome = open_round_trip::Run(pData, nSize);
    if (outcome == open_round_trip::Outcome::SaveDoesNotReopen) {
        std::fprintf(stderr, "the saved file does not open\n");
        std::abort();
    }
    return 0;
}
