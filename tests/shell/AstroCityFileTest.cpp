#include "document/AstroCities.h"
#include "shell/MainFrame.h"
#include "shell/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <unistd.h>

namespace {

// Every main frame of this test program reads and writes the places in a scratch folder, never
// the user's own file.
class ScratchCityFile : public ::testing::Environment {
public:
    void SetUp() override
    {
        m_folder = std::filesystem::temp_directory_path() / ("shell-astro-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_folder);
        SetAstroCityFilePath(CString((m_folder / "places" / "Astro.Property").string().c_str()));
    }
    void TearDown() override { std::filesystem::remove_all(m_folder); }

private:
    std::filesystem::path m_folder;
};

const auto* const g_pScratch = ::testing::AddGlobalTestEnvironment(new ScratchCityFile);

TEST(AstroCityFile, MainFrameKeepsTheUserPlacesBetweenRuns)
{
    const std::string strPath = GetAstroCityFilePath().ToUtf8();
    {
        CMainFrame frame;
        ASSERT_EQ(g_astroCities.size(), std::size_t(ASTRO_FIRST_USER_CITY));
        g_astroCities.push_back({_T("Home"), 0, 8, 30, 0, 0, 47, 0, 0, 1});
        g_astroCities.push_back({_T("Cabin"), 1, 116, 0, 0, 1, 12, 0, 0, 20});
    }
    EXPECT_EQ(std::filesystem::file_size(strPath), 2 * 88u);
    g_astroCities = BuiltInAstroCities();
    {
        CMainFrame frame;
        ASSERT_EQ(g_astroCities.size(), 14u);
        EXPECT_EQ(g_astroCities[12].name, _T("Home"));
        EXPECT_EQ(g_astroCities[13].name, _T("Cabin"));
        EXPECT_EQ(g_astroCities[13].lonDeg, 116);
        g_astroCities.resize(ASTRO_FIRST_USER_CITY);
    }
    EXPECT_FALSE(std::filesystem::exists(strPath));
    CMainFrame frame;
    EXPECT_EQ(g_astroCities.size(), std::size_t(ASTRO_FIRST_USER_CITY));
}

} // namespace
