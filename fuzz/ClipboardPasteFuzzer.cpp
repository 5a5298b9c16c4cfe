// libFuzzer target of the diagram's paste (support/PasteRoundTrip.h): whatever the clipboard
// holds, the pasted diagram saves to a file that opens again. A saved file that does not open,
// and every sanitizer report, is a finding. Seeds: tests/data/paste-corpus.
#include "support/PasteRoundTrip.h"

#include <cstdio>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    if (paste_round_trip::Run(pData, nSize) == paste_round_trip::Outcome::SaveDoesNotReopen) {
        std::fprintf(stderr, "the document after the paste does not open again\n");
        std::abort();
    }
    return 0;
}
