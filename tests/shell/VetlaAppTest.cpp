// The application driven through the window layer: start-up, File New/New LAD, Save As and
// Open, the extension check, closing documents, the zoom pane and the language setting.
#include "shell/VetlaApp.h"

#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/VetlaView.h"
#include "platform/core/MessageBox.h"
#include "platform/core/StringTable.h"
#include "platform/ui/FileDialogRequest.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/NativeWindow.h"
#include "shell/ChineseTables.h"
#include "shell/MainFrame.h"
#include "shell/Resource.h"
#include "shell/SettingsFile.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

void WriteBytes(const std::filesystem::path& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary) << bytes;
}

std::string ReadBytes(const std::filesystem::path& path)
{
    std::ifstream file(path, std::ios::binary);
    return {std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>()};
}

std::string Utf16Le(const std::string& ascii)
{
    std::string bytes;
    for (char ch : ascii) {
        bytes.push_back(ch);
        bytes.push_back('\0');
    }
    return bytes;
}

class VetlaAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        AfxSetWindowBackend(nullptr);
        CMessageQueue::Get().Reset();
        CMessageQueue::Get().SetTickSource(&m_clock);
        m_folder = std::filesystem::temp_directory_path() /
                   ("qarvo-app-" + std::to_string(getpid()) + "-" +
                    ::testing::UnitTest::GetInstance()->current_test_info()->name());
        std::filesystem::remove_all(m_folder);
        std::filesystem::create_directories(m_folder);
        m_previousDialog = AfxSetFileDialogHandler([this](FileDialogRequest& request) {
            m_requests.push_back(request);
            if (m_answers.empty())
                return FALSE;
            request.fileNames = m_answers;
            request.strFileName = m_answers.front();
            m_answers.clear();
            return TRUE;
        });
    }

    void TearDown() override
    {
        if (m_pApp && IsWindow(m_pApp->m_pMainWnd)) {
            m_pApp->CloseAllDocuments(TRUE);
            m_pApp->m_pMainWnd->DestroyWindow();
        }
        m_pApp.reset();
        g_bChineseUI = 0;
        SetUiLanguage(UiLanguage::English);
        g_mapIdText.RemoveAll();
        g_mapMenuText.RemoveAll();
        AfxSetFileDialogHandler(m_previousDialog);
        CMessageQueue::Get().Reset();
        CMessageQueue::Get().SetTickSource(nullptr);
        std::filesystem::remove_all(m_folder);
    }

    CString Path(const char* name) const { return CString::FromUtf8((m_folder / name).string()); }

    void Start(const char* settings = "missing.ini")
    {
        m_pApp = std::make_unique<CVetlaApp>(Path(settings));
        m_pApp->SetProfilePath(Path("profile.ini"));
        ASSERT_TRUE(m_pApp->InitInstance());
    }

    CMainFrame* Frame() const { return AfxGetMainFrame(); }
    LRESULT Command(UINT nID) const { return Frame()->SendMessage(WM_COMMAND, nID); }
    CVetlaDoc* ActiveDoc() const
    {
        CVetlaView* pView = Frame()->GetActiveView();
        return pView ? pView->GetDocument() : nullptr;
    }
    CString ZoomPane() const
    {
        m_pApp->OnIdle(0);
        return Frame()->m_wndStatusBar.GetPaneText(Frame()->m_wndStatusBar.CommandToIndex(ID_INDICATOR_ZOOM));
    }

    CManualTickSource m_clock;
    std::filesystem::path m_folder;
    CMessageBoxRecorder m_boxes;
    std::unique_ptr<CVetlaApp> m_pApp;
    std::vector<CString> m_answers;
    std::vector<FileDialogRequest> m_requests;
    FileDialogHandler m_previousDialog;
};

TEST_F(VetlaAppTest, StartsWithNoDocumentFivePanesAndFullZoom)
{
    g_bShowAtNewFile = 0;
    Start();
    ASSERT_NE(Frame(), nullptr);
    EXPECT_EQ(m_pApp->m_pMainWnd, Frame());
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 0);
    EXPECT_EQ(Frame()->m_wndStatusBar.GetCount(), 5);
    EXPECT_EQ(ZoomPane().ToUtf8(), "Zoom:100%");
    EXPECT_FALSE(Frame()->IsInfoWindowVisible());
    EXPECT_EQ(Frame()->GetTitle().ToUtf8(), "QARVO Editor");
    // The Run/Stop button is hidden and File New has its drop-down arrow.
    CToolBar& toolBar = Frame()->m_wndToolBar;
    EXPECT_TRUE(toolBar.GetButtonState(toolBar.CommandToIndex(ID_PLC_RUNSTOP)) & TBSTATE_HIDDEN);
    EXPECT_TRUE(toolBar.GetButtonStyle(toolBar.CommandToIndex(ID_FILE_NEW)) & TBSTYLE_DROPDOWN);
    g_bShowAtNewFile = 1;
}

TEST_F(VetlaAppTest, NewGivesFbdNewLadALadderAndTheNextNewFbdAgain)
{
    Start();
    Command(ID_FILE_NEW);
    ASSERT_NE(ActiveDoc(), nullptr);
    EXPECT_FALSE(ActiveDoc()->IsLadder());
    EXPECT_TRUE(Frame()->IsInfoWindowVisible());
    EXPECT_TRUE(Frame()->HasSeriesLabel());
    Command(ID_FILE_NEW_LAD);
    EXPECT_TRUE(ActiveDoc()->IsLadder());
    Command(ID_FILE_NEW);
    EXPECT_FALSE(ActiveDoc()->IsLadder());
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 3);
    // The document menu shows the device commands' captions and no "Select hardware".
    CMenu* pMenu = Frame()->GetMenu();
    ASSERT_NE(pMenu, nullptr);
    CString strCaption;
    pMenu->GetMenuString(ID_PLC_DOWNLOAD, strCaption, MF_BYCOMMAND);
    EXPECT_EQ(strCaption.ToUtf8(), "PC->Device\tCtrl+D");
    EXPECT_EQ(pMenu->GetMenuState(ID_OPTIONS_SELECT_HARDWARE, MF_BYCOMMAND), UINT(-1));
}

TEST_F(VetlaAppTest, ClosingTheLastDocumentHidesTheInformationWindowAndTheControls)
{
    Start();
    Command(ID_FILE_NEW);
    Command(ID_FILE_NEW_LAD);
    Command(ID_FILE_CLOSE);
    EXPECT_TRUE(Frame()->IsInfoWindowVisible());
    Command(ID_FILE_CLOSE);
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 0);
    EXPECT_FALSE(Frame()->IsInfoWindowVisible());
    EXPECT_FALSE(Frame()->HasStatusButton());
    EXPECT_FALSE(Frame()->HasSeriesLabel());
}

TEST_F(VetlaAppTest, SaveAsWritesAFileThatOpenReadsBackEqual)
{
    Start();
    Command(ID_FILE_NEW_LAD);
    CVetlaDoc* pDoc = ActiveDoc();
    ASSERT_NE(pDoc, nullptr);
    pDoc->m_strProgramName = _T("PUMP");
    m_answers = {Path("pump.dld")};
    Command(ID_FILE_SAVE_AS);
    ASSERT_EQ(m_requests.size(), 1u);
    // The saved document is a ladder: its own filter and extension, whatever the template.
    EXPECT_EQ(m_requests[0].strFilter.ToUtf8(), "Ladder Files (*.dld)|*.dld|All Files (*.*)|*.*||");
    EXPECT_EQ(m_requests[0].strDefExt.ToUtf8(), "dld");
    const std::string saved = ReadBytes(m_folder / "pump.dld");
    ASSERT_FALSE(saved.empty());
    Command(ID_FILE_CLOSE);

    m_answers = {Path("pump.dld")};
    Command(ID_FILE_OPEN);
    CVetlaDoc* pOpened = ActiveDoc();
    ASSERT_NE(pOpened, nullptr);
    EXPECT_TRUE(pOpened->IsLadder());
    EXPECT_EQ(pOpened->m_strProgramName.ToUtf8(), "PUMP");
    m_answers = {Path("again.dld")};
    Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(ReadBytes(m_folder / "again.dld"), saved);
}

TEST_F(VetlaAppTest, OpenRefusesOtherExtensionsAndOpensTheRest)
{
    Start();
    Command(ID_FILE_NEW);
    m_answers = {Path("a.dfb")};
    Command(ID_FILE_SAVE_AS);
    Command(ID_FILE_CLOSE);
    m_boxes.Clear();
    m_answers = {Path("a.dfb"), Path("notes.txt")};
    Command(ID_FILE_OPEN);
    EXPECT_EQ(m_pApp->GetOpenDocumentCount(), 1);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text.ToUtf8(), "QARVO Editor Can't load this type of file .txt");
    EXPECT_EQ(m_boxes.Boxes()[0].type & MB_ICONMASK, MB_ICONINFORMATION);
    EXPECT_EQ(m_requests.back().strFilter.ToUtf8(),
              "QARVO Editor Files(*.dfb, *.dld)|*.dfb; *.dld|Function Block Files (*.dfb) File(*.dfb)|*.dfb|"
              "Ladder Files (*.dld) File(*.dld)|*.dld|All Files(*.*)|*.*||");
}

TEST_F(VetlaAppTest, ZoomPaneFollowsTheActiveDocument)
{
    Start();
    Command(ID_FILE_NEW);
    ActiveDoc()->m_fZoom = 1.5f;
    EXPECT_EQ(ZoomPane().ToUtf8(), "Zoom:150%");
}

// Records what an update handler decides.
class CStateUI : public CCmdUI {
public:
    explicit CStateUI(UINT nID) { m_nID = nID; }
    void Enable(BOOL bOn = TRUE) override { m_nEnabled = bOn; }
    int m_nEnabled = -1;
};

TEST_F(VetlaAppTest, InformationWindowToggleNeedsADocumentAndLanguageIsAlwaysOn)
{
    Start();
    CStateUI info(ID_VIEW_INFO_WINDOW);
    EXPECT_TRUE(Frame()->OnCmdMsg(ID_VIEW_INFO_WINDOW, CN_UPDATE_COMMAND_UI, &info, nullptr));
    EXPECT_EQ(info.m_nEnabled, FALSE);
    CStateUI language(ID_OPTIONS_LANGUAGE);
    Frame()->OnCmdMsg(ID_OPTIONS_LANGUAGE, CN_UPDATE_COMMAND_UI, &language, nullptr);
    EXPECT_EQ(language.m_nEnabled, TRUE);
    Command(ID_FILE_NEW);
    CStateUI withDoc(ID_VIEW_INFO_WINDOW);
    Frame()->OnCmdMsg(ID_VIEW_INFO_WINDOW, CN_UPDATE_COMMAND_UI, &withDoc, nullptr);
    EXPECT_EQ(withDoc.m_nEnabled, TRUE);
    // The view's commands that are not built yet stay disabled when no view answers.
    CStateUI zoom(ID_VIEW_ZOOM_IN);
    Frame()->OnCmdMsg(ID_VIEW_ZOOM_IN, CN_UPDATE_COMMAND_UI, &zoom, nullptr);
    EXPECT_EQ(zoom.m_nEnabled, FALSE);
}

// ---- the settings file ----

struct SettingsCase {
    const char* name;
    std::string bytes;
    int nChinese;
};

class SettingsFileTest : public VetlaAppTest, public ::testing::WithParamInterface<SettingsCase> {};

TEST_P(SettingsFileTest, ChineseExactlyWhenTheUtf16TextHoldsZhCn)
{
    const SettingsCase& c = GetParam();
    if (c.name != std::string("missing"))
        WriteBytes(m_folder / "settings.ini", c.bytes);
    EXPECT_EQ(ReadChineseSetting(Path("settings.ini")), c.nChinese);
}

INSTANTIATE_TEST_SUITE_P(
    Contents, SettingsFileTest,
    ::testing::Values(SettingsCase{"missing", "", 0}, SettingsCase{"empty", "", 0},
                      SettingsCase{"chinese", Utf16Le("language=zh_CN\n"), 1},
                      SettingsCase{"english", Utf16Le("language=en_US\n"), 0},
                      SettingsCase{"inside_a_word", Utf16Le("xxzh_CNyy"), 1},
                      SettingsCase{"eight_bit", "language=zh_CN\n", 0},
                      // An odd length: the last byte is no code unit and is never read as one.
                      SettingsCase{"odd_length", Utf16Le("zh_CN") + "z", 1},
                      SettingsCase{"cut_in_the_middle", Utf16Le("zh_C") + "N", 0}),
    [](const ::testing::TestParamInfo<SettingsCase>& info) { return std::string(info.param.name); });

TEST_F(VetlaAppTest, ChineseSettingTranslatesMenusAndTexts)
{
    WriteBytes(m_folder / "zh.ini", Utf16Le("language=zh_CN\n"));
    Start("zh.ini");
    EXPECT_EQ(g_bChineseUI, 1);
    CString strText;
    ASSERT_TRUE(g_mapIdText.Lookup(WORD(ID_FILE_OPEN), strText));
    CString strCaption;
    Frame()->GetMenu()->GetMenuString(ID_FILE_OPEN, strCaption, MF_BYCOMMAND);
    EXPECT_EQ(strCaption, strText);
    Frame()->GetMenu()->GetMenuString(0, strCaption, MF_BYPOSITION);
    EXPECT_EQ(strCaption.ToUtf8(), CString(u"文件(&F)").ToUtf8());
    Command(ID_FILE_NEW);
    Frame()->GetMenu()->GetMenuString(ID_FILE_SAVE, strCaption, MF_BYCOMMAND);
    ASSERT_TRUE(g_mapIdText.Lookup(WORD(ID_FILE_SAVE), strText));
    EXPECT_EQ(strCaption, strText);
    EXPECT_TRUE(m_pApp->m_bDocMenusTranslated);
}

TEST_F(VetlaAppTest, LanguageWriteReplacesTheWholeFileWithItsOneLine)
{
    const std::filesystem::path file = m_folder / "sub" / "DruvoEditor.ini";
    const CString strPath = CString::FromUtf8(file.string());
    ASSERT_TRUE(WriteLanguageSetting(strPath, LANGUAGE_ENGLISH, nullptr));
    WriteBytes(file, Utf16Le("language=en_US\nlanguage=en_US\ntrailing text that stays no more"));
    ASSERT_TRUE(WriteLanguageSetting(strPath, LANGUAGE_CHINESE, nullptr));
    EXPECT_EQ(ReadBytes(file), Utf16Le("language=zh_CN\n"));
    EXPECT_TRUE(ReadChineseSetting(strPath));
}

TEST_F(VetlaAppTest, AFailedLanguageWriteKeepsTheOldSettingAndSaysSo)
{
    Start();
    // A plain file where the folder should be: nothing can be written below it.
    WriteBytes(m_folder / "blocked", "x");
    CString strReason;
    EXPECT_FALSE(WriteLanguageSetting(Path("blocked/DruvoEditor.ini"), LANGUAGE_CHINESE, &strReason));
    EXPECT_FALSE(strReason.IsEmpty());
    EXPECT_EQ(ReadBytes(m_folder / "blocked"), "x");
}

} // namespace
