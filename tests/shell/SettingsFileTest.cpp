#include "document/AstroCities.h"
#include "shell/MainFrame.h"
#include "shell/SettingsFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace {

// The settings are written to "DruvoProperty" in the program's configuration folder, which
// logging out leaves alone. A file that only an earlier folder in the temporary folder holds
// ("DruvoProperty", else "QarvoProperty") is read from there until then; the astronomical
// clock's places read so go to the new folder at the end of the run.
TEST(SettingsFile, WrittenToTheConfigurationFolderAndReadFromAnEarlierPlaceUntilThen)
{
    namespace fs = std::filesystem;
    const fs::path base = fs::temp_directory_path() / ("shell-settings-" + std::to_string(::getpid()));
    fs::remove_all(base);
    fs::create_directories(base);
    const char* pszRuntime = std::getenv("XDG_RUNTIME_DIR");
    const std::string strRuntime = pszRuntime ? pszRuntime : "";
    const char* pszTmp = std::getenv("TMPDIR");
    const std::string strTmp = pszTmp ? pszTmp : "";
    const char* pszConfig = std::getenv("XDG_CONFIG_HOME");
    const std::string strConfig = pszConfig ? pszConfig : "";
    ::unsetenv("XDG_RUNTIME_DIR");
    ::setenv("TMPDIR", base.c_str(), 1);
    ::setenv("XDG_CONFIG_HOME", (base / "config").c_str(), 1);

    const fs::path temp = base / ("qarvo-" + std::to_string(::geteuid()));
    const fs::path folder = base / "config" / "qarvo-editor" / "DruvoProperty";
    fs::create_directories(temp / "DruvoProperty");
    g_astroCities = BuiltInAstroCities();
    g_astroCities.push_back({_T("Home"), 0, 8, 30, 0, 0, 47, 0, 0, 1});
    std::ofstream(temp / "DruvoProperty" / "Astro.Property") << FormatAstroCityFile({g_astroCities.back()});
    const CString strTestPlaces = GetAstroCityFilePath();
    SetAstroCityFilePath(CString());
    delete new CMainFrame;
    SetAstroCityFilePath(strTestPlaces);
    EXPECT_EQ(g_astroCities.size(), std::size_t(ASTRO_FIRST_USER_CITY + 1));
    EXPECT_TRUE(fs::exists(folder / "Astro.Property"));
    EXPECT_FALSE(fs::exists(temp / "DruvoProperty" / "Astro.Property"));
    g_astroCities = BuiltInAstroCities();

    EXPECT_EQ(GetSettingsFilePath().ToUtf8(), (folder / "DruvoEditor.ini").string());
    for (const fs::path& place : {temp / "QarvoProperty", temp / "DruvoProperty", folder}) {
        fs::create_directories(place);
        std::ofstream(place / "DruvoEditor.ini") << "x";
        EXPECT_EQ(GetSettingsFileToRead(LANGUAGE_FILE_NAME).ToUtf8(), (place / "DruvoEditor.ini").string());
    }

    if (pszRuntime)
        ::setenv("XDG_RUNTIME_DIR", strRuntime.c_str(), 1);
    if (pszTmp)
        ::setenv("TMPDIR", strTmp.c_str(), 1);
    else
        ::unsetenv("TMPDIR");
    pszConfig ? ::setenv("XDG_CONFIG_HOME", strConfig.c_str(), 1) : ::unsetenv("XDG_CONFIG_HOME");
    fs::remove_all(base);
}

} // namespace
