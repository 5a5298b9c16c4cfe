// The settings files the language file's fuzzer kept, replayed through the same run
// (support/LanguageFileRun.h).
#include "support/CorpusReplay.h"
#include "support/LanguageFileRun.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

TEST(LanguageCorpus, EveryFileGivesTheChoiceItsTextSays)
{
    const std::string strPath =
        (std::filesystem::temp_directory_path() / ("qarvo-language-corpus-" + std::to_string(getpid()) + ".ini")).string();
    const auto inputs = corpus_replay::ReadCorpus(std::string(QARVO_FUZZ_CORPUS_DIR) + "/language-corpus");
    EXPECT_FALSE(inputs.empty());
    for (const auto& input : inputs)
        EXPECT_TRUE(language_file_run::Run(input.bytes.data(), input.bytes.size(), strPath)) << input.name;
    std::filesystem::remove(strPath);
}

} // namespace
