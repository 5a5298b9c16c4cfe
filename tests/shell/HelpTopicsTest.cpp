#include "shell/HelpTopics.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/HelpBrowser.h"
#include "platform/ui/Wnd.h"
#include "pages/sheet/PageTexts.h"
#include "shell/Resource.h"
#include "support/RunningApp.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <unistd.h>

namespace {

TEST(HelpTopics, MapHasItsRowsAndIdsWithoutAPageAddNothing)
{
    InitHelpTopics();
    InitHelpTopics();
    EXPECT_EQ(g_mapHelpTopic.size(), 106u);
    EXPECT_EQ(g_mapHelpTopic.begin()->first, 1000);
    EXPECT_EQ(g_mapHelpTopic.rbegin()->first, 1116);
    for (WORD nId : {1011, 1016, 1090, 1102, 1109, 1111, 1112})
        EXPECT_EQ(g_mapHelpTopic.count(nId), 0u) << nId;
    EXPECT_EQ(g_mapHelpTopic.at(1004), CString(_T("Stepping Motor Control _ Edge.htm")));

    const CString strFile = _T("/opt/qarvo/QARVOEDITOR.CHM");
    EXPECT_EQ(BuildHelpAddress(strFile, HELP_TOPIC_INPUTS), CString(_T("/opt/qarvo/QARVOEDITOR.CHM::\\Inputs.htm")));
    EXPECT_EQ(BuildHelpAddress(strFile, 1011), CString(_T("/opt/qarvo/QARVOEDITOR.CHM::\\")));
    EXPECT_EQ(HelpPageOfAddress(BuildHelpAddress(strFile, 1011)), CString(_T("/opt/qarvo/QARVOEDITOR.CHM/index.htm")));
    EXPECT_EQ(HelpPageOfAddress(BuildHelpAddress(strFile, 1033)),
              CString(_T("/opt/qarvo/QARVOEDITOR.CHM/Astronomical clock.htm")));
}

// Every topic of the map has its page in both languages' folders.
TEST(HelpTopics, EveryTopicHasItsPageInBothLanguages)
{
    InitHelpTopics();
    for (const char* pszFolder : {"QARVOEDITOR.CHM", "QARVOEDITOR_GBK.CHM"}) {
        const std::filesystem::path folder = std::filesystem::path(QARVO_HELP_DIR) / pszFolder;
        EXPECT_TRUE(std::filesystem::exists(folder / "index.htm")) << pszFolder;
        for (const auto& [nId, strPage] : g_mapHelpTopic)
            EXPECT_TRUE(std::filesystem::exists(folder / strPage.ToUtf8())) << pszFolder << " " << nId;
    }
}

TEST(HelpTopics, HelpFileByLanguage)
{
    const struct {
        LPCTSTR pszHelpPath;
        BOOL bChinese;
        LPCTSTR pszWant;
    } cases[] = {
        {_T("/opt/Qarvo/QARVOEditor.HLP"), FALSE, _T("/opt/Qarvo/QARVOEDITOR.CHM")},
        {_T("/opt/Qarvo/QARVOEditor.HLP"), TRUE, _T("/opt/Qarvo/QARVOEDITOR_GBK.CHM")},
        // Another program name: the Chinese rule finds nothing to replace.
        {_T("/opt/Qarvo/Editor.hlp"), TRUE, _T("/opt/Qarvo/EDITOR.HLP")},
        // Every "HLP" of the name is replaced in English; the folder keeps its case.
        {_T("/opt/xhlp/XHLP.hlp"), FALSE, _T("/opt/xhlp/XCHM.CHM")},
    };
    for (const auto& c : cases)
        EXPECT_EQ(HelpFileForLanguage(c.pszHelpPath, c.bChinese), CString(c.pszWant)) << CString(c.pszHelpPath).ToUtf8();
    // A path far longer than a fixed address buffer would hold comes through whole.
    const CString strDeep = _T("/") + CString(_T('d'), 400) + _T("/QARVOEditor.HLP");
    InitHelpTopics();
    const CString strAddress = BuildHelpAddress(HelpFileForLanguage(strDeep, FALSE), 1002);
    EXPECT_EQ(strAddress.Right(30), CString(_T("::\\Stairway Lighting Switch.htm")).Right(30));
    EXPECT_EQ(strAddress.GetLength(), 1 + 400 + 16 + 3 + 28);
}

// A help folder beside a scratch "program", pages opened through a recorder.
class HelpOpening : public ::testing::Test {
protected:
    void SetUp() override
    {
        m_folder = std::filesystem::temp_directory_path() / ("help-test-" + std::to_string(::getpid()));
        std::filesystem::create_directories(m_folder);
        m_strApp = CString((m_folder.string() + "/").c_str());
        m_previous = SetHelpPageOpener([this](const CString& strPage) {
            m_opened.push_back(strPage);
            return m_bBrowser;
        });
        InitHelpTopics();
    }
    void TearDown() override
    {
        SetHelpPageOpener(m_previous);
        std::filesystem::remove_all(m_folder);
    }
    void AddPage(const char* pszFolder, const char* pszPage)
    {
        std::filesystem::create_directories(m_folder / pszFolder);
        std::ofstream(m_folder / pszFolder / pszPage) << "<html></html>";
    }

    std::filesystem::path m_folder;
    CString m_strApp;
    HelpPageOpener m_previous;
    std::vector<CString> m_opened;
    BOOL m_bBrowser = TRUE;
    CMessageBoxRecorder m_boxes;
};

TEST_F(HelpOpening, MissingHelpOrPageIsNamedAndNothingOpens)
{
    OpenHelpTopic(m_strApp, FALSE, HELP_TOPIC_INPUTS);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, _T("Can't Find ") + m_strApp + _T("QARVOEDITOR.CHM, Please Check!"));
    EXPECT_EQ(m_boxes.Boxes()[0].type & MB_TYPEMASK, MB_OK);

    AddPage("QARVOEDITOR.CHM", "Inputs.htm");
    OpenHelpTopic(m_strApp, FALSE, 1030);
    ASSERT_EQ(m_boxes.Boxes().size(), 2u);
    EXPECT_EQ(m_boxes.Boxes()[1].text, _T("Can't Find ") + m_strApp + _T("QARVOEDITOR.CHM/AND.htm, Please Check!"));
    // The Chinese help is a folder of its own.
    OpenHelpTopic(m_strApp, TRUE, HELP_TOPIC_INPUTS);
    ASSERT_EQ(m_boxes.Boxes().size(), 3u);
    EXPECT_NE(m_boxes.Boxes()[2].text.Find(_T("QARVOEDITOR_GBK.CHM,")), -1);
    EXPECT_TRUE(m_opened.empty());
}

TEST_F(HelpOpening, TopicsAndTheDefaultPageOpenInTheBrowser)
{
    AddPage("QARVOEDITOR.CHM", "Inputs.htm");
    AddPage("QARVOEDITOR.CHM", "index.htm");
    AddPage("QARVOEDITOR_GBK.CHM", "Inputs.htm");
    OpenHelpTopic(m_strApp, FALSE, HELP_TOPIC_INPUTS);
    OpenHelpTopic(m_strApp, FALSE, 1011);
    OpenHelpTopic(m_strApp, TRUE, HELP_TOPIC_INPUTS);
    EXPECT_TRUE(m_boxes.Boxes().empty());
    EXPECT_EQ(m_opened, (std::vector<CString>{m_strApp + _T("QARVOEDITOR.CHM/Inputs.htm"),
                                              m_strApp + _T("QARVOEDITOR.CHM/index.htm"),
                                              m_strApp + _T("QARVOEDITOR_GBK.CHM/Inputs.htm")}));
}

TEST_F(HelpOpening, APageNoBrowserCanShowIsSaid)
{
    AddPage("QARVOEDITOR.CHM", "Inputs.htm");
    m_bBrowser = FALSE;
    OpenHelpTopic(m_strApp, FALSE, HELP_TOPIC_INPUTS);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text,
              _T("No browser could open the help page ") + m_strApp + _T("QARVOEDITOR.CHM/Inputs.htm."));
}

TEST_F(HelpOpening, HelpContentsAndTheSheetsOpenTheProgramsHelp)
{
    {
        RunningApp app("help", RunningApp::BackendOfTheRun());
        ASSERT_TRUE(app.Start());
        app->m_strAppFolder = m_strApp;
        AddPage("QARVOEDITOR.CHM", "Inputs.htm");
        AddPage("QARVOEDITOR.CHM", "Astronomical clock.htm");
        app->m_pMainWnd->SendMessage(WM_COMMAND, ID_HELP_CONTENTS);
        ASSERT_TRUE(HasPageHelp());
        OpenPageHelp(1033);
    }
    EXPECT_EQ(m_opened, (std::vector<CString>{m_strApp + _T("QARVOEDITOR.CHM/Inputs.htm"),
                                              m_strApp + _T("QARVOEDITOR.CHM/Astronomical clock.htm")}));
    EXPECT_TRUE(m_boxes.Boxes().empty());
    // The sheets offer no Help once the program is gone.
    EXPECT_FALSE(HasPageHelp());
}

} // namespace
