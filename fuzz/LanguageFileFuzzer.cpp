// libFuzzer target of the settings file that names the interface language
// (support/LanguageFileRun.h): the choice read from any bytes is what their text says and
// survives a write. A choice that does not, and every sanitizer report, is a finding. Seeds:
// tests/data/language-corpus.
#include "support/LanguageFileRun.h"

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* pData, std::size_t nSize)
{
    static const std::string s_strPath =
        (std::filesystem::temp_directory_path() / ("qarvo-language-fuzz-" + std::to_string(getpid()) + ".ini")).string();
    if (!language_file_run::Run(pData, nSize, s_strPath))
        std::abort();
    return 0;
}
