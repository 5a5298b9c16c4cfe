// The clipboard texts the LCD paste's fuzzer kept, replayed through the same paste
// (support/LcdPasteRun.h).
#include "support/CorpusReplay.h"
#include "support/LcdPasteRun.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(LcdPasteCorpus, EveryPasteLeavesThePairsWhole)
{
    const auto inputs = corpus_replay::ReadCorpus(std::string(QARVO_FUZZ_CORPUS_DIR) + "/lcd-paste-corpus");
    EXPECT_FALSE(inputs.empty());
    for (const auto& input : inputs)
        EXPECT_TRUE(lcd_paste_run::Run(input.bytes.data(), input.bytes.size())) << input.name;
}

} // namespace
