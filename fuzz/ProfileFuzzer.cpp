// libFuzzer target of the profile file (support/ProfileRoundTrip.h): what is read from any
// bytes saves to a file that reads and saves to the same bytes again. A file that does not
// settle, and every sanitizer report, is a finding. Seeds: tests/data/profile-corpus.
#include "support/ProfileRoundTrip.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    static const std::string s_strPath =
        (std::filesystem::temp_directory_path() / ("qarvo-profile-fuzz-" + std::to_string(getpid()) + ".ini")).string();
    if (!profile_round_trip::Run(pData, nSize, s_strPath)) {
        std::fprintf(stderr, "the saved profile does not settle\n");
        std::abort();
    }
    return 0;
}
