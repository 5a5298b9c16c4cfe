// The application driven through the window layer: start-up, File New/New LAD, Save As and
// Open, the extension check, closing documents with the status bar's controls and the
// information window, the Close All question, the zoom pane and the language setting.
#include "shell/VetlaApp.h"

#include "blocks/BlockTypes.h"
#include "document/VetlaDoc.h"
#include "editor/ChildFrame.h"
#include "editor/InputsBarDlg.h"
#include "editor/OutputsBarDlg.h"
#include "editor/SimulationBarDlg.h"
#include "editor/VetlaView.h"
#include "pages/program/PropertiesPropSh.h"
#include "platform/core/MessageBox.h"
#include "platform/core/StringTable.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/DocTemplate.h"
#include "platform/ui/ToolBarGlyphs.h"
#include "platform/ui/FileDialogRequest.h"
#include "platform/ui/KeyState.h"
#include "shell/StatusBitmapButton.h"
#include "shell/StatusLabel.h"
#include "shell/ChineseTables.h"
#include "shell/AboutDlg.h"
#include "shell/CloseAllDlg.h"
#include "shell/MainFrame.h"
#include "shell/Resource.h"
#include "shell/SettingsFile.h"
#include "support/RunningApp.h"

#include <QApplication>
#include <QHelpEvent>
#include <QToolTip>

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace {

const std::vector<UINT> kStartPanes = {ID_SEPARATOR, ID_INDICATOR_ZOOM, ID_INDICATOR_CAPS, ID_INDICATOR_NUM,
                                       ID_INDICATOR_SCRL};

// The toolbar's tips in the English and the Chinese interface. Zoom In and Zoom Out have a
// string without a tip part: no tip. About has no Chinese string: its English tip.
const struct ToolbarTip {
    UINT nID;
    const char* pszEnglish;
    const char* pszChinese;
} kToolbarTips[] = {
    {ID_FILE_NEW, "New", "新建"},
    {ID_FILE_OPEN, "Open", "打开"},
    {ID_FILE_SAVE, "Save", "保存"},
    {ID_EDIT_CUT, "Cut", "剪切"},
    {ID_EDIT_COPY, "Copy", "复制"},
    {ID_EDIT_PASTE, "Paste", "粘贴"},
    {ID_EDIT_UNDO, "Undo", "撤销"},
    {ID_EDIT_REDO, "Redo", "重做"},
    {ID_PLC_DOWNLOAD, "PC->Device   Ctrl+D", "PC->设备   Ctrl+D"},
    {ID_PLC_UPLOAD, "Device->PC   Ctrl+U", "设备->PC   Ctrl+U"},
    {ID_TOOLS_SIMULATION, "Simulation F3", "仿真 F3"},
    {ID_CONNECT, "Connect F5", "连接 F5"},
    {ID_VIEW_ZOOM_IN, "", ""},
    {ID_VIEW_ZOOM_OUT, "", ""},
    {ID_APP_ABOUT, "About", "About"},
};

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

// Records what an update handler decides.
class CStateUI : public CCmdUI {
public:
    explicit CStateUI(UINT nID) { m_nID = nID; }
    void Enable(BOOL bOn = TRUE) override { m_nEnabled = bOn; }
    void SetCheck(int nCheck = 1) override { m_nCheck = nCheck; }
    int m_nEnabled = -1;
    int m_nCheck = -1;
};

class VetlaAppTest : public ::testing::Test {
protected:
    void SetUp() override
    {
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
        m_app.Close();
        CDialog::SetDialogHook(nullptr);
        g_bShowAtNewFile = 1;
        g_bChineseUI = 0;
        SetUiLanguage(UiLanguage::English);
        g_mapIdText.RemoveAll();
        g_mapMenuText.RemoveAll();
        AfxSetFileDialogHandler(m_previousDialog);
    }

    CString Path(const char* name) const { return m_app.Path(name); }

    void Start(const char* settings = "missing.ini")
    {
        ASSERT_TRUE(m_app.Start(settings));
    }
    void StartWithADiagram()
    {
        Start();
        Command(ID_FILE_NEW);
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
        m_app->OnIdle(0);
        return Frame()->m_wndStatusBar.GetPaneText(Frame()->m_wndStatusBar.CommandToIndex(ID_INDICATOR_ZOOM));
    }

    CVetlaView* ActiveView() const { return Frame()->GetActiveView(); }
    // The tip that the pointer resting on the middle of the toolbar button brings up: the
    // widget's tool-tip event on Qt, the layer's own tip request on the headless layer.
    std::string HoverTip(UINT nID) const
    {
        CToolBar& toolBar = Frame()->m_wndToolBar;
        CRect rect;
        toolBar.GetItemRect(toolBar.CommandToIndex(nID), rect);
        if (!RunningApp::OnQt())
            return toolBar.ToolTipTextAt(rect.CenterPoint()).ToUtf8();
        auto* pWidget = static_cast<QtPeerWidget*>(QtWidgetOf(toolBar));
        const QPoint ptLocal = pWidget->ClientRect().topLeft() + QPoint(rect.CenterPoint().x, rect.CenterPoint().y);
        // A hidden tip keeps its text a while: a marker shown first tells "no tip".
        const QString strMarker = QStringLiteral("(no tip)");
        QToolTip::showText(pWidget->mapToGlobal(ptLocal), strMarker, pWidget);
        QHelpEvent tip(QEvent::ToolTip, ptLocal, pWidget->mapToGlobal(ptLocal));
        QApplication::sendEvent(pWidget, &tip);
        const QString strTip = QToolTip::text();
        QToolTip::hideText();
        return strTip == strMarker ? std::string() : strTip.toStdString();
    }
    void ExpectToolbarTips(bool bChinese) const
    {
        for (const ToolbarTip& tip : kToolbarTips)
            EXPECT_EQ(HoverTip(tip.nID), bChinese ? tip.pszChinese : tip.pszEnglish) << tip.nID;
    }
    // A new diagram holding one AND block, simulating.
    void SimulateANewDiagram()
    {
        StartWithADiagram();
        ActiveDoc()->AddBlock(ActiveView()->CreateBlockObject(BT_AND));
        Command(ID_TOOLS_SIMULATION);
        ASSERT_EQ(ActiveView()->EditMode(), EDIT_MODE_SIMULATE);
    }
    // What the frame's update handlers decide for the command: enabled, checked (-1: unsaid).
    std::pair<int, int> UiState(UINT nID) const
    {
        CStateUI state(nID);
        Frame()->OnCmdMsg(nID, CN_UPDATE_COMMAND_UI, &state, nullptr);
        return {state.m_nEnabled, state.m_nCheck};
    }
    std::vector<UINT> PaneIDs() const
    {
        std::vector<UINT> ids;
        for (int i = 0; i < Frame()->m_wndStatusBar.GetCount(); ++i)
            ids.push_back(Frame()->m_wndStatusBar.GetItemID(i));
        return ids;
    }
    // The picture button and the series text, hosted over their panes after the message pane.
    void ExpectControlsOverTheirPanes() const
    {
        EXPECT_EQ(PaneIDs(), std::vector<UINT>({ID_SEPARATOR, CStatusBarControls::ID_PANE_MODEL_BUTTON,
                                                CStatusBarControls::ID_PANE_MODEL_TEXT, ID_INDICATOR_ZOOM,
                                                ID_INDICATOR_CAPS, ID_INDICATOR_NUM, ID_INDICATOR_SCRL}));
        const CStatusBarControls& controls = Frame()->m_statusControls;
        ASSERT_TRUE(IsWindow(controls.GetButton()));
        ASSERT_TRUE(IsWindow(controls.GetSeriesLabel()));
        const CCtrlStatusBar& bar = Frame()->m_wndStatusBar;
        EXPECT_EQ(bar.GetPaneControl(CStatusBarControls::ID_PANE_MODEL_BUTTON), controls.GetButton());
        EXPECT_EQ(bar.GetPaneControl(CStatusBarControls::ID_PANE_MODEL_TEXT), controls.GetSeriesLabel());
        CString strSeries;
        GetHardwareSeries(g_wHardwareCode, &strSeries, nullptr);
        EXPECT_FALSE(strSeries.IsEmpty());
        EXPECT_EQ(Frame()->GetSeriesText(), strSeries);
    }
    void ClickSeriesText() const
    {
        CStatusSeriesLabel* pLabel = Frame()->m_statusControls.GetSeriesLabel();
        ASSERT_TRUE(IsWindow(pLabel));
        pLabel->SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, 0);
        pLabel->SendMessage(WM_LBUTTONUP, 0, 0);
    }

    // The Close All dialog, when it comes, gets the user's actions and then the closing button.
    void RunCloseAll(const std::function<void(CDialog&)>& actions, UINT nClose = IDOK)
    {
        CDialog::SetDialogHook([actions, nClose](CDialog& d) {
            if (d.GetTemplateID() != CCloseAllDlg::IDD)
                return;
            actions(d);
            d.PostMessage(WM_COMMAND, MAKEWPARAM(nClose, BN_CLICKED), 0);
        });
    }
    static CXListCtrl& List(CDialog& d)
    {
        return *static_cast<CXListCtrl*>(d.GetDlgItem(CCloseAllDlg::IDC_DOCUMENT_LIST));
    }
    // A click in the middle of the row's Save cell.
    static void ClickSave(CDialog& d, int nItem)
    {
        CRect rect;
        ASSERT_TRUE(List(d).GetSubItemRect(nItem, 0, LVIR_LABEL, rect));
        List(d).SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(rect.CenterPoint()));
        List(d).SendMessage(WM_LBUTTONUP, 0, MakePointLParam(rect.CenterPoint()));
    }

    CManualTickSource m_clock;
    RunningApp m_app{"qarvo-app", RunningApp::BackendOfTheRun(), &m_clock};
    CMessageBoxRecorder m_boxes;
    std::vector<CString> m_answers;
    std::vector<FileDialogRequest> m_requests;
    FileDialogHandler m_previousDialog;
};

TEST_F(VetlaAppTest, TheZoomPaneIsAsWideAsItsTextInTheBarsFont)
{
    Start();
    CCtrlStatusBar& bar = Frame()->m_wndStatusBar;
    const int nIndex = bar.CommandToIndex(ID_INDICATOR_ZOOM);
    const auto width = [&] {
        m_app->OnIdle(0);
        PaneInfo info;
        bar.GetPaneInfoEx(nIndex, info);
        return info.cxWidth;
    };
    const int nPlain = width();
    CFont font;
    ASSERT_TRUE(font.CreatePointFont(240, _T("Arial")));
    bar.SetFont(&font, FALSE);
    EXPECT_GT(width(), nPlain * 3 / 2);
    bar.SetFont(nullptr, FALSE);
}

TEST_F(VetlaAppTest, StartsWithNoDocumentFivePanesAndFullZoom)
{
    g_bShowAtNewFile = 0;
    Start();
    ASSERT_NE(Frame(), nullptr);
    EXPECT_EQ(m_app->m_pMainWnd, Frame());
    EXPECT_EQ(m_app->GetOpenDocumentCount(), 0);
    EXPECT_EQ(PaneIDs(), kStartPanes);
    EXPECT_EQ(ZoomPane().ToUtf8(), "Zoom:100%");
    // The information window is docked at the bottom, hidden until a document opens.
    CInfoWindowBar& infoBar = Frame()->m_wndInfoBar;
    ASSERT_TRUE(IsWindow(&infoBar));
    EXPECT_FALSE(infoBar.IsVisible());
    EXPECT_FALSE(Frame()->IsInfoWindowVisible());
    EXPECT_EQ(infoBar.GetDockBarID(), UINT(AFX_IDW_DOCKBAR_BOTTOM));
    EXPECT_EQ(Frame()->GetTitle().ToUtf8(), "QARVO Editor");
    // The Run/Stop button is hidden and File New has its drop-down arrow.
    CToolBar& toolBar = Frame()->m_wndToolBar;
    EXPECT_TRUE(toolBar.GetButtonState(toolBar.CommandToIndex(ID_PLC_RUNSTOP)) & TBSTATE_HIDDEN);
    EXPECT_TRUE(toolBar.GetButtonStyle(toolBar.CommandToIndex(ID_FILE_NEW)) & TBSTYLE_DROPDOWN);
}

// Every button shows a picture of its own, never text, inside its cell; the transfer buttons'
// tips also stand in the message pane. Connect follows Simulation, as in the Tools menu.
TEST_F(VetlaAppTest, EveryToolbarButtonHasItsOwnPictureAndATip)
{
    Start();
    CToolBar& toolBar = Frame()->m_wndToolBar;
    EXPECT_EQ(toolBar.CommandToIndex(ID_CONNECT), toolBar.CommandToIndex(ID_TOOLS_SIMULATION) + 1);
    const CRect rectCell(CPoint(0, 0), CSize(kToolGlyphWidth + 1, kToolGlyphHeight + 1));
    std::set<std::string> looks;
    int nButtons = 0;
    for (int i = 0; i < toolBar.GetCount(); ++i) {
        const CToolBar::Button& button = toolBar.GetButton(i);
        if (button.nStyle & TBSTYLE_SEP)
            continue;
        SCOPED_TRACE(button.nID);
        ++nButtons;
        EXPECT_TRUE(HasStockToolGlyph(button.nID));
        EXPECT_TRUE(button.strLabel.IsEmpty());
        RecordingSurface surface;
        CDC dc;
        dc.AttachSurface(&surface);
        DrawStockToolGlyph(dc, button.nID, CPoint(0, 0), true);
        dc.AttachSurface(nullptr);
        looks.insert(surface.Dump());
        for (const RecordingSurface::Record& record : surface.Records()) {
            for (const POINT& point : record.points)
                EXPECT_TRUE(rectCell.PtInRect(point)) << record.ToString();
        }
    }
    EXPECT_EQ(int(looks.size()), nButtons);

    // The transfer buttons name their shortcut, in the tip and in the message pane; the other
    // buttons leave the pane alone.
    const auto messagePane = [this] { return Frame()->m_wndStatusBar.GetPaneText(0).ToUtf8(); };
    HoverTip(ID_PLC_DOWNLOAD);
    EXPECT_EQ(messagePane(), "PC->Device   Ctrl+D");
    HoverTip(ID_PLC_UPLOAD);
    EXPECT_EQ(messagePane(), "Device->PC   Ctrl+U");
    HoverTip(ID_FILE_OPEN);
    EXPECT_EQ(messagePane(), "Device->PC   Ctrl+U");
    EXPECT_EQ(toolBar.ToolTipTextAt(CPoint(-5, -5)).ToUtf8(), "");
}

// Each button's tip is the tip part of its command string, with or without a document.
TEST_F(VetlaAppTest, ToolbarTipsAreTheTipPartsOfTheCommandStrings)
{
    g_bShowAtNewFile = 0;
    Start();
    ExpectToolbarTips(false);
    Command(ID_FILE_NEW);
    ExpectToolbarTips(false);
}

TEST_F(VetlaAppTest, ChineseToolbarTipsAreTheChineseCommandStringsTipParts)
{
    g_bShowAtNewFile = 0;
    WriteBytes(m_app.Folder() / "zh.ini", Utf16Le("language=zh_CN\n"));
    Start("zh.ini");
    ExpectToolbarTips(true);
    Command(ID_FILE_NEW);
    ExpectToolbarTips(true);
    HoverTip(ID_PLC_DOWNLOAD);
    EXPECT_EQ(Frame()->m_wndStatusBar.GetPaneText(0).ToUtf8(), "PC->设备   Ctrl+D");
}

TEST_F(VetlaAppTest, NewGivesFbdNewLadALadderAndTheNextNewFbdAgain)
{
    StartWithADiagram();
    ASSERT_NE(ActiveDoc(), nullptr);
    EXPECT_FALSE(ActiveDoc()->IsLadder());
    EXPECT_TRUE(Frame()->m_wndInfoBar.IsVisible());
    ExpectControlsOverTheirPanes();
    Command(ID_FILE_NEW_LAD);
    EXPECT_TRUE(ActiveDoc()->IsLadder());
    Command(ID_FILE_NEW);
    EXPECT_FALSE(ActiveDoc()->IsLadder());
    EXPECT_EQ(m_app->GetOpenDocumentCount(), 3);
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
    StartWithADiagram();
    Command(ID_FILE_NEW_LAD);
    Command(ID_FILE_CLOSE);
    EXPECT_TRUE(Frame()->IsInfoWindowVisible());
    Command(ID_FILE_CLOSE);
    EXPECT_EQ(m_app->GetOpenDocumentCount(), 0);
    EXPECT_FALSE(Frame()->m_wndInfoBar.IsVisible());
    EXPECT_FALSE(Frame()->HasStatusButton());
    EXPECT_FALSE(Frame()->HasSeriesLabel());
    // Each control went with its own pane: the zoom pane and the key panes stay.
    EXPECT_EQ(PaneIDs(), kStartPanes);
    EXPECT_EQ(Frame()->m_wndStatusBar.GetPaneControl(CStatusBarControls::ID_PANE_MODEL_TEXT), nullptr);
    EXPECT_EQ(ZoomPane().ToUtf8(), "Zoom:100%");

    // The next document brings them back.
    Command(ID_FILE_NEW);
    ExpectControlsOverTheirPanes();
}

TEST_F(VetlaAppTest, TheInformationWindowKeepsItsLogAndTheViewCommandTogglesIt)
{
    StartWithADiagram();
    Frame()->LogMessage(_T("COM%d fail to open, Please check!\n"), 3);
    Frame()->LogMessage(_T("DownLoad Starts...\n"));
    Command(ID_VIEW_INFO_WINDOW);
    EXPECT_FALSE(Frame()->m_wndInfoBar.IsVisible());
    Command(ID_VIEW_INFO_WINDOW);
    EXPECT_TRUE(Frame()->m_wndInfoBar.IsVisible());
    EXPECT_EQ(Frame()->m_wndInfoBar.GetLogText().ToUtf8(),
              "COM3 fail to open, Please check!\r\nDownLoad Starts...\r\n");
}

TEST_F(VetlaAppTest, ClickingTheSeriesTextAsksForTheHardwarePageUnlessSimulating)
{
    StartWithADiagram();
    int nShownPage = -1;
    CDialog::SetDialogHook([&](CDialog& dlg) {
        auto& sheet = static_cast<CPropertySheet&>(dlg);
        nShownPage = sheet.GetActiveIndex();
        sheet.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    ActiveView()->OnSimulation();
    ClickSeriesText();
    EXPECT_EQ(nShownPage, -1);
    ActiveView()->OnSimulation();
    ClickSeriesText();
    EXPECT_EQ(nShownPage, CPropertiesPropSh::PAGE_HARDWARE);
    EXPECT_EQ(Frame()->m_nPropertiesStartPage, 0);
    nShownPage = -1;
    Command(CStatusBarControls::ID_STATUS_MODEL_BUTTON);
    EXPECT_EQ(nShownPage, CPropertiesPropSh::PAGE_HARDWARE);
    CDialog::SetDialogHook(nullptr);
}

// ---- closing the program with modified documents ----

TEST_F(VetlaAppTest, CloseAllListsTheModifiedDocumentsAndSavesOnlyTheOneLeftTicked)
{
    StartWithADiagram();
    CVetlaDoc* pFirst = ActiveDoc();
    Command(ID_FILE_NEW_LAD);
    CVetlaDoc* pLadder = ActiveDoc();
    Command(ID_FILE_NEW);  // unmodified: not listed
    // Nothing modified yet: nothing is asked.
    RunCloseAll([](CDialog&) { ADD_FAILURE() << "Close All with nothing modified"; });
    EXPECT_TRUE(m_app->SaveAllModified());
    EXPECT_TRUE(m_boxes.Boxes().empty());
    pFirst->SetModifiedFlag(TRUE);
    pLadder->SetModifiedFlag(TRUE);
    const std::vector<CString> expectedRows = {pFirst->GetTitle(), pLadder->GetTitle()};

    std::vector<CString> rows;
    RunCloseAll([&](CDialog& d) {
        CXListCtrl& list = List(d);
        for (int i = 0; i < list.GetItemCount(); ++i)
            rows.push_back(list.GetItemText(i, 1));
        ClickSave(d, 0);
    });
    m_boxes.QueueAnswer(IDYES);
    m_answers = {Path("ladder.dld")};
    Frame()->SendMessage(WM_CLOSE);

    EXPECT_EQ(rows, expectedRows);
    // The ladder was asked about once and saved as a ladder; the other was dropped unasked.
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].type & MB_TYPEMASK, MB_YESNOCANCEL);
    ASSERT_EQ(m_requests.size(), 1u);
    EXPECT_EQ(m_requests[0].strDefExt.ToUtf8(), "dld");
    EXPECT_TRUE(m_requests[0].strInitialDir.IsEmpty()) << "the dialog's own start: last folder, else documents";
    EXPECT_FALSE(ReadBytes(m_app.Folder() / "ladder.dld").empty());
    EXPECT_EQ(m_app->m_pMainWnd, nullptr);
    EXPECT_EQ(m_app->GetOpenDocumentCount(), 0);
}

// The Close All list holds 200 documents: with more modified the program says so and stays.
TEST_F(VetlaAppTest, MoreThan200ModifiedDocumentsKeepTheProgramOpen)
{
    Start();
    for (int i = 0; i < 201; ++i)
        m_app->m_pFBDTemplate->CreateNewDocument()->SetModifiedFlag(TRUE);
    RunCloseAll([](CDialog&) { ADD_FAILURE() << "Close All over more than it can list"; });
    Frame()->SendMessage(WM_CLOSE);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text, CString(_T("There are too much Documents to be Saved!")));
    EXPECT_EQ(m_boxes.Boxes()[0].type & MB_ICONMASK, MB_ICONSTOP);
    EXPECT_TRUE(IsWindow(m_app->m_pMainWnd));
    EXPECT_EQ(m_app->GetOpenDocumentCount(), 201);
}

TEST_F(VetlaAppTest, CancelInCloseAllKeepsTheProgramAndItsChanges)
{
    StartWithADiagram();
    ActiveDoc()->SetModifiedFlag(TRUE);
    RunCloseAll([&](CDialog& d) { ClickSave(d, 0); }, IDCANCEL);
    Frame()->SendMessage(WM_CLOSE);
    ASSERT_TRUE(IsWindow(m_app->m_pMainWnd));
    EXPECT_TRUE(ActiveDoc()->IsModified());
    EXPECT_TRUE(m_boxes.Boxes().empty());
    EXPECT_EQ(m_app->GetOpenDocumentCount(), 1);
}

TEST_F(VetlaAppTest, SaveAsWritesAFileThatOpenReadsBackEqual)
{
    Start();
    Command(ID_FILE_NEW_LAD);
    CVetlaDoc* pDoc = ActiveDoc();
    ASSERT_NE(pDoc, nullptr);
    pDoc->m_settings.strProgramName = _T("PUMP");
    m_answers = {Path("pump.dld")};
    Command(ID_FILE_SAVE_AS);
    ASSERT_EQ(m_requests.size(), 1u);
    // The saved document is a ladder: its own filter and extension, whatever the template.
    EXPECT_EQ(m_requests[0].strFilter.ToUtf8(), "Ladder Files (*.dld)|*.dld|All Files (*.*)|*.*||");
    EXPECT_EQ(m_requests[0].strDefExt.ToUtf8(), "dld");
    const std::string saved = ReadBytes(m_app.Folder() / "pump.dld");
    ASSERT_FALSE(saved.empty());
    Command(ID_FILE_CLOSE);

    m_answers = {Path("pump.dld")};
    Command(ID_FILE_OPEN);
    CVetlaDoc* pOpened = ActiveDoc();
    ASSERT_NE(pOpened, nullptr);
    EXPECT_TRUE(pOpened->IsLadder());
    EXPECT_EQ(pOpened->m_settings.strProgramName.ToUtf8(), "PUMP");
    m_answers = {Path("again.dld")};
    Command(ID_FILE_SAVE_AS);
    EXPECT_EQ(ReadBytes(m_app.Folder() / "again.dld"), saved);
}

TEST_F(VetlaAppTest, OpenRefusesOtherExtensionsAndOpensTheRest)
{
    StartWithADiagram();
    m_answers = {Path("a.dfb")};
    Command(ID_FILE_SAVE_AS);
    Command(ID_FILE_CLOSE);
    m_boxes.Clear();
    m_answers = {Path("a.dfb"), Path("notes.txt")};
    Command(ID_FILE_OPEN);
    EXPECT_EQ(m_app->GetOpenDocumentCount(), 1);
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_EQ(m_boxes.Boxes()[0].text.ToUtf8(), "QARVO Editor Can't load this type of file .txt");
    EXPECT_EQ(m_boxes.Boxes()[0].type & MB_ICONMASK, MB_ICONINFORMATION);
    EXPECT_EQ(m_requests.back().strFilter.ToUtf8(),
              "QARVO Editor Files(*.dfb, *.dld)|*.dfb; *.dld|Function Block Files (*.dfb) File(*.dfb)|*.dfb|"
              "Ladder Files (*.dld) File(*.dld)|*.dld|All Files(*.*)|*.*||");
}

TEST_F(VetlaAppTest, InformationWindowToggleNeedsADocumentAndLanguageIsAlwaysOn)
{
    Start();
    EXPECT_EQ(UiState(ID_VIEW_INFO_WINDOW).first, FALSE);
    EXPECT_EQ(UiState(ID_OPTIONS_LANGUAGE).first, TRUE);
    Command(ID_FILE_NEW);
    EXPECT_EQ(UiState(ID_VIEW_INFO_WINDOW).first, TRUE);
    // The view's commands that are not built yet stay disabled when no view answers.
    EXPECT_EQ(UiState(ID_PLC_MONIT).first, FALSE);
    // Not simulating: no simulation bar is offered and the power is off.
    EXPECT_EQ(UiState(ID_VIEW_OUTPUTS_BAR), std::pair(0, 0));
    EXPECT_FALSE(IsSimulationPowerOn());
}

// ---- the settings file ----

TEST_F(VetlaAppTest, ChineseExactlyWhenTheUtf16TextHoldsZhCn)
{
    EXPECT_EQ(ReadChineseSetting(Path("settings.ini")), 0);  // no file
    const struct {
        const char* name;
        std::string bytes;
        int nChinese;
    } cases[] = {
        {"empty", "", 0},
        {"chinese", Utf16Le("language=zh_CN\n"), 1},
        {"english", Utf16Le("language=en_US\n"), 0},
        {"inside a word", Utf16Le("xxzh_CNyy"), 1},
        {"eight bit", "language=zh_CN\n", 0},
        // An odd length: the last byte is no code unit and is never read as one.
        {"odd length", Utf16Le("zh_CN") + "z", 1},
        {"cut in the middle", Utf16Le("zh_C") + "N", 0},
        // The text ends at its first NUL.
        {"after a NUL", Utf16Le("en_US") + std::string(2, '\0') + Utf16Le("zh_CN"), 0},
    };
    for (const auto& c : cases) {
        WriteBytes(m_app.Folder() / "settings.ini", c.bytes);
        EXPECT_EQ(ReadChineseSetting(Path("settings.ini")), c.nChinese) << c.name;
    }
}

TEST_F(VetlaAppTest, ASettingsFileThatCannotBeReadSaysSoAndGivesEnglish)
{
    EXPECT_FALSE(ReadChineseSetting(Path("settings.ini")));
    EXPECT_TRUE(m_boxes.Boxes().empty());  // no file: no word
    std::filesystem::create_directory(m_app.Folder() / "settings.ini");
    EXPECT_FALSE(ReadChineseSetting(Path("settings.ini")));
    ASSERT_EQ(m_boxes.Boxes().size(), 1u);
    EXPECT_GE(m_boxes.Boxes()[0].text.Find(_T("settings.ini")), 0) << m_boxes.Boxes()[0].text.ToUtf8();
}

TEST_F(VetlaAppTest, ChineseSettingTranslatesMenusAndTexts)
{
    WriteBytes(m_app.Folder() / "zh.ini", Utf16Le("language=zh_CN\n"));
    Start("zh.ini");
    EXPECT_EQ(g_bChineseUI, 1);
    CString strText;
    ASSERT_TRUE(g_mapIdText.Lookup(WORD(ID_FILE_OPEN), strText));
    CString strCaption;
    Frame()->GetMenu()->GetMenuString(ID_FILE_OPEN, strCaption, MF_BYCOMMAND);
    EXPECT_EQ(strCaption, strText);
    Frame()->GetMenu()->GetMenuString(0, strCaption, MF_BYPOSITION);
    EXPECT_EQ(strCaption.ToUtf8(), CString(u"文件(&F)").ToUtf8());
    // Device->PC takes its string's caption, which has a Chinese form.
    Frame()->GetMenu()->GetMenuString(ID_PLC_UPLOAD, strCaption, MF_BYCOMMAND);
    EXPECT_EQ(strCaption.ToUtf8(), "设备->PC\tCtrl+U");
    Command(ID_FILE_NEW);
    Frame()->GetMenu()->GetMenuString(ID_FILE_SAVE, strCaption, MF_BYCOMMAND);
    ASSERT_TRUE(g_mapIdText.Lookup(WORD(ID_FILE_SAVE), strText));
    EXPECT_EQ(strCaption, strText);
    EXPECT_TRUE(m_app->m_bDocMenusTranslated);
    // Edit > Align keeps its English names, vertically first.
    CMenu* pEdit = Frame()->GetMenu()->GetSubMenu(1);
    CMenu* pAlign = pEdit->GetSubMenu(int(pEdit->GetMenuItemCount()) - 1);
    pAlign->GetMenuString(0, strCaption, MF_BYPOSITION);
    pAlign->GetMenuString(1, strText, MF_BYPOSITION);
    EXPECT_EQ((strCaption + _T("|") + strText).ToUtf8(), "Align Vertically|Align Horizontally");
}

TEST_F(VetlaAppTest, LanguageWriteReplacesItsLineAndKeepsWhatFollows)
{
    const std::filesystem::path file = m_app.Folder() / "sub" / "DruvoEditor.ini";
    const CString strPath = CString::FromUtf8(file.string());
    const struct {
        const char* before;  // null: no file
        const char* after;
    } cases[] = {
        {nullptr, "language=zh_CN\n"},
        {"", "language=zh_CN\n"},
        {"language=en_US\nlanguage=en_US\ntrailing text", "language=zh_CN\nlanguage=en_US\ntrailing text"},
        {"first=1\nlanguage=english\nlast=2", "first=1\nlanguage=zh_CN\nlast=2"},
        {"first=1\nlanguage=en_US", "first=1\nlanguage=zh_CN\n"},
        {"no line of its own\n", "language=zh_CN\nno line of its own\n"},
    };
    for (const auto& c : cases) {
        std::filesystem::remove(file);
        if (c.before)
            WriteBytes(file, Utf16Le(c.before));
        ASSERT_TRUE(WriteLanguageSetting(strPath, LANGUAGE_CHINESE, nullptr)) << (c.before ? c.before : "none");
        EXPECT_EQ(ReadBytes(file), Utf16Le(c.after)) << (c.before ? c.before : "none");
        EXPECT_TRUE(ReadChineseSetting(strPath));
    }
    // A read's text ends at a NUL: a language line behind it is no line of the text's and stays.
    const std::string nul(2, '\0');
    WriteBytes(file, Utf16Le("keep\n") + nul + Utf16Le("language=en_US\n"));
    ASSERT_TRUE(WriteLanguageSetting(strPath, LANGUAGE_CHINESE, nullptr));
    EXPECT_EQ(ReadBytes(file), Utf16Le("language=zh_CN\nkeep\n") + nul + Utf16Le("language=en_US\n"));
}

TEST_F(VetlaAppTest, AFailedLanguageWriteKeepsTheOldSettingAndSaysSo)
{
    Start();
    // A plain file where the folder should be: nothing can be written below it.
    WriteBytes(m_app.Folder() / "blocked", "x");
    CString strReason;
    EXPECT_FALSE(WriteLanguageSetting(Path("blocked/DruvoEditor.ini"), LANGUAGE_CHINESE, &strReason));
    EXPECT_FALSE(strReason.IsEmpty());
    EXPECT_EQ(ReadBytes(m_app.Folder() / "blocked"), "x");
}

} // namespace

// ---- a simulated power interruption ----

// The Power button held down in the active view's simulation locks the bars' close buttons; a
// release over the information window's caption ends the interruption.
TEST_F(VetlaAppTest, APowerInterruptionLocksTheBarsAndEndsAtAReleaseOverTheLog)
{
    SimulateANewDiagram();
    CSimulationBarDlg* pBar = ActiveView()->GetParentFrame()->GetSimulationBarDlg();
    ASSERT_TRUE(pBar);
    EXPECT_FALSE(IsSimulationPowerOn());
    EXPECT_FALSE(CSizingControlBarG::IsCloseLocked());

    CWnd* pPower = pBar->GetDlgItem(IDC_SIM_POWER);
    MSG down{pPower, WM_LBUTTONDOWN, MK_LBUTTON, 0, 0, {0, 0}};
    AfxGetThread()->RouteMessage(down);
    ASSERT_TRUE(pBar->IsPowerPressed());
    EXPECT_TRUE(IsSimulationPowerOn());
    EXPECT_TRUE(CSizingControlBarG::IsCloseLocked());

    CInfoWindowBar& info = Frame()->m_wndInfoBar;
    const CRect rcClose = info.GetCloseButtonRect();
    info.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(CPoint(rcClose.CenterPoint().x, rcClose.bottom + 20)));
    EXPECT_FALSE(pBar->IsPowerPressed());
    EXPECT_FALSE(IsSimulationPowerOn());
    EXPECT_FALSE(CSizingControlBarG::IsCloseLocked());
}

TEST_F(VetlaAppTest, HelpAboutShowsTheProgramsNameAndItsLine)
{
    Start();
    CString strName, strLine;
    CDialog::SetDialogHook([&](CDialog& d) {
        if (d.GetTemplateID() != CAboutDlg::IDD)
            return;
        d.GetDlgItem(CAboutDlg::IDC_ABOUT_NAME)->GetWindowText(strName);
        d.GetDlgItem(CAboutDlg::IDC_ABOUT_LINE)->GetWindowText(strLine);
        d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    Command(ID_APP_ABOUT);
    CDialog::SetDialogHook(nullptr);
    EXPECT_EQ(strName.ToUtf8(), "QARVO Editor");
    EXPECT_FALSE(strLine.IsEmpty());
}

// A view resized in a simulation has its frame redraw the simulation bars at the next tick.
TEST_F(VetlaAppTest, ResizingASimulatingViewRedrawsTheBarsAgain)
{
    StartWithADiagram();
    ActiveDoc()->AddBlock(ActiveView()->CreateBlockObject(BT_AND));
    CChildFrame* pFrame = ActiveView()->GetParentFrame();
    pFrame->m_bBarsRedrawn = 1;
    ActiveView()->SetWindowPos(nullptr, 0, 0, 500, 400, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(pFrame->m_bBarsRedrawn, 1) << "not simulating";
    Command(ID_TOOLS_SIMULATION);
    pFrame->m_bBarsRedrawn = 1;
    ActiveView()->SetWindowPos(nullptr, 0, 0, 520, 380, SWP_NOMOVE | SWP_NOZORDER);
    EXPECT_EQ(pFrame->m_bBarsRedrawn, 0);
}

// The status bar names the hardware and the zoom of the diagram whose window is in front.
TEST_F(VetlaAppTest, ActivatingADiagramShowsItsHardwareAndZoomInTheStatusBar)
{
    StartWithADiagram();
    CChildFrame* pFirst = ActiveView()->GetParentFrame();
    ActiveDoc()->m_strHardwareName = _T("First series");
    Command(ID_FILE_NEW);
    ActiveDoc()->m_strHardwareName = _T("Second series");
    ActiveDoc()->m_fZoom = 1.5f;
    EXPECT_EQ(ZoomPane().ToUtf8(), "Zoom:150%");
    Frame()->MDIActivate(pFirst);
    EXPECT_EQ(Frame()->GetSeriesText().ToUtf8(), "First series");
    EXPECT_EQ(ZoomPane().ToUtf8(), "Zoom:100%");
}

// View > Outputs, Inputs and Simulation Bar hide and show the simulating diagram's bars; they
// are offered only while it simulates.
TEST_F(VetlaAppTest, TheSimulationBarsToggleWhileTheDiagramSimulates)
{
    SimulateANewDiagram();
    CChildFrame* pChild = Frame()->MDIGetActive();
    const std::pair<UINT, CControlBar*> bars[] = {
        {ID_VIEW_OUTPUTS_BAR, pChild->m_pOutputsBar},
        {ID_VIEW_INPUTS_BAR, pChild->m_pInputsBar},
        {ID_VIEW_SIMULATION_BAR, pChild->m_pSimulationBar}};
    for (const auto& [nID, pBar] : bars) {
        SCOPED_TRACE(nID);
        ASSERT_NE(pBar, nullptr);
        EXPECT_EQ(UiState(nID), std::pair(1, 1));
        Command(nID);
        EXPECT_FALSE(pBar->IsVisible());
        EXPECT_EQ(UiState(nID), std::pair(1, 0));
        Command(nID);
        EXPECT_TRUE(pBar->IsVisible());
    }
    // Another diagram simulating: this one's Simulation button says why it does nothing.
    CVetlaView* pSimulating = ActiveView();
    Command(ID_FILE_NEW);
    ASSERT_NE(ActiveView(), pSimulating);
    CString strTip;
    EXPECT_TRUE(Frame()->ToolTipText(ID_TOOLS_SIMULATION, strTip));
    EXPECT_EQ(strTip, CString(_T("You can't run tow simulations at a time! Please close the other then go on.")));
    EXPECT_TRUE(Frame()->ToolTipText(ID_FILE_OPEN, strTip));
    EXPECT_EQ(strTip, CString(_T("Open")));
}

// The diagram's function keys reach it from a docked bar's edit box; typed letters stay there,
// and F1 alone opens nothing.
TEST_F(VetlaAppTest, FunctionKeysGoToTheDiagramLettersStayInTheInformationWindow)
{
    StartWithADiagram();
    CWnd* pEdit = &Frame()->m_wndInfoBar.m_wndEdit;
    const auto taken = [&](UINT nMessage, WPARAM wParam) {
        MSG msg{};
        msg.hwnd = pEdit;
        msg.message = nMessage;
        msg.wParam = wParam;
        return Frame()->PreTranslateMessage(&msg);
    };
    for (const WPARAM nKey : {WPARAM(VK_ESCAPE), WPARAM(VK_F3), WPARAM(VK_F5), WPARAM(VK_F9), WPARAM(VK_F11)})
        EXPECT_TRUE(taken(WM_KEYDOWN, nKey)) << nKey;
    for (const WPARAM nChar : {WPARAM('r'), WPARAM('t'), WPARAM('x'), WPARAM('z')})
        EXPECT_FALSE(taken(WM_CHAR, nChar)) << nChar;
    EXPECT_FALSE(taken(WM_KEYDOWN, VK_F4));
    EXPECT_TRUE(taken(WM_KEYDOWN, VK_F1));
}
