// The inputs the open path's fuzzer kept (tests/data/open-corpus) replayed through the same
// round trip: each either fails to open or opens and saves to a file that opens again, and none
// may trip a sanitizer. (As in the fuzzer, a damaged file whose saved document reopens slightly
// otherwise is not yet a failure: the load's repairs do not all settle in one pass.)
#include "support/OpenRoundTrip.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

namespace {

std::vector<std::uint8_t> ReadBytes(const std::filesystem::path& path)
{
    std::ifstream in(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(OpenCorpus, EveryInputFailsOrRoundTrips)
{
    int nRefused = 0;
    int nOpened = 0;
    for (const auto& entry : std::filesystem::directory_iterator(QARVO_OPEN_CORPUS_DIR)) {
        const std::vector<std::uint8_t> bytes = ReadBytes(entry.path());
        switch (open_round_trip::Run(bytes.data(), bytes.size())) {
        case open_round_trip::Outcome::Refused:
            ++nRefused;
            break;
        case open_round_trip::Outcome::RoundTripped:
        case open_round_trip::Outcome::ReopenDiffers:
            ++nOpened;
            break;
        case open_round_trip::Outcome::SaveDoesNotReopen:
            ADD_FAILURE() << entry.path() << ": its saved file does not open";
            break;
        }
    }
    // A corpus reduced to nothing, or to files of one kind, would prove nothing.
    EXPECT_GT(nOpened, 0);
    EXPECT_GT(nRefused, 0);
}

} // namespace
