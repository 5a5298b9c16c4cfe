// The inputs the model's fuzzers kept, replayed through the same runs (tests/support): a file
// opened and then simulated, converted and encoded; Undo's reload of a snapshot; the
// astronomical clock's file of places. None may trip a sanitizer or break the run's rule.
#include "support/CityListRoundTrip.h"
#include "support/CorpusReplay.h"
#include "support/OpenSimulateEncode.h"
#include "support/SnapshotReload.h"

#include "blocks/BlockFactory.h"
#include "blocks/MessageTextClasses.h"

#include <gtest/gtest.h>

#include <string>

namespace {

std::string Corpus(const char* pszName) { return std::string(QARVO_FUZZ_CORPUS_DIR) + "/" + pszName; }

class FuzzCorpus : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        RegisterBlockClasses();
        RegisterMessageTextClasses();
    }
};

TEST_F(FuzzCorpus, OpenedFilesSimulateConvertAndEncode)
{
    int nUsed = 0;
    for (const auto& input : corpus_replay::ReadCorpus(Corpus("open-simulate-corpus")))
        nUsed += open_simulate_encode::Run(input.bytes.data(), input.bytes.size()) == open_simulate_encode::Outcome::Used;
    EXPECT_GT(nUsed, 0);
}

TEST_F(FuzzCorpus, RefusedSnapshotsLeaveTheDocumentAndReloadedOnesReopen)
{
    int nRefused = 0;
    int nReloaded = 0;
    for (const auto& input : corpus_replay::ReadCorpus(Corpus("snapshot-corpus"))) {
        switch (snapshot_reload::Run(input.bytes.data(), input.bytes.size())) {
        case snapshot_reload::Outcome::Refused: ++nRefused; break;
        case snapshot_reload::Outcome::Reloaded: ++nReloaded; break;
        default: ADD_FAILURE() << input.name;
        }
    }
    EXPECT_GT(nRefused, 0);
    EXPECT_GT(nReloaded, 0);
}

TEST_F(FuzzCorpus, CityFilesReadBackToTheirPlaces)
{
    for (const auto& input : corpus_replay::ReadCorpus(Corpus("city-list-corpus")))
        EXPECT_TRUE(city_list_round_trip::Run(input.bytes.data(), input.bytes.size())) << input.name;
}

} // namespace
