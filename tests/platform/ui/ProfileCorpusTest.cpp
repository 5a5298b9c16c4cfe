// The profile files the profile's fuzzer kept, replayed through the same round trip
// (support/ProfileRoundTrip.h), and the carriage returns that kept a value from settling.
#include "support/CorpusReplay.h"
#include "support/ProfileRoundTrip.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

std::string ProfilePath()
{
    return (std::filesystem::temp_directory_path() / ("qarvo-profile-corpus-" + std::to_string(getpid()) + ".ini"))
        .string();
}

TEST(ProfileCorpus, EveryFileSettlesAfterOneSave)
{
    const std::string strPath = ProfilePath();
    const auto inputs = corpus_replay::ReadCorpus(std::string(QARVO_FUZZ_CORPUS_DIR) + "/profile-corpus");
    EXPECT_FALSE(inputs.empty());
    for (const auto& input : inputs)
        EXPECT_TRUE(profile_round_trip::Run(input.bytes.data(), input.bytes.size(), strPath)) << input.name;
    std::filesystem::remove(strPath);
}

// A value ending in carriage returns lost one on every save; a key of a NUL was saved as an
// empty key, which is not read, and a key opening with a bracket as a section's line.
TEST(ProfileCorpus, TrailingCarriageReturnsSettle)
{
    const std::string strPath = ProfilePath();
    // The key of a NUL is none; the last line, cut at its NUL, would be a section's, which
    // would take the entry the round trip writes to Settings.
    constexpr char kText[] = "[Bars]\r\nv=\r\r\nw=a\r\r\r\n\0=b\n[Settings]\n[k=v]\0x\n";
    EXPECT_TRUE(profile_round_trip::Run(reinterpret_cast<const std::uint8_t*>(kText), sizeof kText - 1, strPath));
    CProfileFile profile;
    profile.Open(CString::FromUtf8(strPath));
    EXPECT_EQ(profile.GetString(_T("Bars"), _T("w"), nullptr), CString(_T("a  ")));
    std::filesystem::remove(strPath);
}

} // namespace
