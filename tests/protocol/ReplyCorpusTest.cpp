// The replies the reply checks' fuzzer kept, replayed through the same checks
// (support/ReplyChecks.h).
#include "support/CorpusReplay.h"
#include "support/ReplyChecks.h"

#include <gtest/gtest.h>

#include <string>

namespace {

TEST(ReplyCorpus, EveryReplyIsCheckedWithinItsBytes)
{
    const auto inputs = corpus_replay::ReadCorpus(std::string(QARVO_FUZZ_CORPUS_DIR) + "/reply-corpus");
    EXPECT_FALSE(inputs.empty());
    for (const auto& input : inputs)
        EXPECT_TRUE(reply_checks::Run(input.bytes.data(), input.bytes.size())) << input.name;
}

} // namespace
