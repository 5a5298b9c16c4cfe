#include "shell/SettingsFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <string>
#include <unistd.h>

namespace {

// The settings live in "DruvoProperty"; a user whose earlier version made "QarvoProperty" keeps
// that folder and what it holds until the new one exists.
TEST(SettingsFile, FolderIsTheNewOneUnlessOnlyTheEarlierExists)
{
    namespace fs = std::filesystem;
    const fs::path base = fs::temp_directory_path() / ("shell-settings-" + std::to_string(::getpid()));
    fs::remove_all(base);
    fs::create_directories(base);
    const char* pszRuntime = std::getenv("XDG_RUNTIME_DIR");
    const std::string strRuntime = pszRuntime ? pszRuntime : "";
    const char* pszTmp = std::getenv("TMPDIR");
    const std::string strTmp = pszTmp ? pszTmp : "";
    ::unsetenv("XDG_RUNTIME_DIR");
    ::setenv("TMPDIR", base.c_str(), 1);

    const fs::path temp = base / ("qarvo-" + std::to_string(::geteuid()));
    EXPECT_EQ(GetSettingsFolder().ToUtf8(), (temp / "DruvoProperty").string());
    EXPECT_EQ(GetSettingsFilePath().ToUtf8(), (temp / "DruvoProperty" / "DruvoEditor.ini").string());
    fs::create_directories(temp / "QarvoProperty");
    EXPECT_EQ(GetSettingsFolder().ToUtf8(), (temp / "QarvoProperty").string());
    fs::create_directories(temp / "DruvoProperty");
    EXPECT_EQ(GetSettingsFolder().ToUtf8(), (temp / "DruvoProperty").string());

    if (pszRuntime)
        ::setenv("XDG_RUNTIME_DIR", strRuntime.c_str(), 1);
    if (pszTmp)
        ::setenv("TMPDIR", strTmp.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
    fs::remove_all(base);
}

} // namespace
