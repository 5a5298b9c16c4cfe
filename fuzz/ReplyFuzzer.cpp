// libFuzzer target of the controller's replies (support/ReplyChecks.h): every reply check
// reads only the bytes received. A password told of for a refused handshake, and every
// sanitizer report, is a finding. Seeds: tests/data/reply-corpus.
#include "support/ReplyChecks.h"

#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    if (!reply_checks::Run(pData, nSize))
        std::abort();
    return 0;
}
