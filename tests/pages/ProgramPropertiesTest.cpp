#include "PageFixture.h"

#include "blocks/BlockMR.h"
#include "blocks/BlockTypes.h"
#include "document/LogoBitmap.h"
#include "editor/ChildFrame.h"
#include "pages/program/AnalogOutputDlgs.h"
#include "pages/program/ProgramPageIds.h"
#include "pages/program/PropertiesPropSh.h"
#include "platform/core/File.h"
#include "platform/core/FileSystem.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/FileDialogRequest.h"
#include "platform/ui/TreeCtrl.h"
#include "support/ComboLines.h"

#include <climits>

#include <unistd.h>

namespace {

constexpr WORD k3X = 0x1188;
constexpr WORD k75X = 0x5188;
constexpr WORD k77X = 0x5288;

class ProgramPropertiesTest : public PageFixture {
protected:
    void SetUp() override
    {
        PageFixture::SetUp();
        m_wOldCode = g_wHardwareCode;
    }
    void TearDown() override
    {
        g_wHardwareCode = m_wOldCode;
        PageFixture::TearDown();
    }

    // File > Properties: act on the sheet once it shows, then OK (followed by Cancel when OK
    // was refused with a message) or Cancel. Returns whether OK closed the sheet.
    bool RunProperties(std::function<void(CPropertiesPropSh&)> act, bool bOk = true)
    {
        bool bClosedWithOk = false;
        CDialog::SetDialogHook([&](CDialog& dlg) {
            auto* pSheet = dynamic_cast<CPropertiesPropSh*>(&dlg);
            if (!pSheet) {
                if (m_nested)
                    m_nested(dlg);
                return;
            }
            m_pSheet = pSheet;
            act(*pSheet);
            const size_t nBoxes = m_boxes.Boxes().size();
            const bool bEnabled = pSheet->GetDlgItem(IDOK)->IsWindowEnabled();
            pSheet->SendMessage(WM_COMMAND, MAKEWPARAM(bOk ? IDOK : IDCANCEL, BN_CLICKED), 0);
            bClosedWithOk = bOk && bEnabled && m_boxes.Boxes().size() == nBoxes;
            if (bOk && !bClosedWithOk)
                pSheet->SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
        });
        Command(ID_FILE_PROPERTIES);
        CDialog::SetDialogHook(nullptr);
        return bClosedWithOk;
    }
    static CPropertyPage& Show(CPropertiesPropSh& sheet, CPropertyPage& page)
    {
        sheet.SetActivePage(&page);
        return page;
    }
    CString LastBox() const { return m_boxes.Boxes().empty() ? CString() : m_boxes.Boxes().back().text; }
    void UseHardware(WORD wCode)
    {
        Doc().m_wHardwareCode = wCode;
        GetHardwareSeries(wCode, &Doc().m_strHardwareName, &Doc().m_wFirmwareWord);
        g_wHardwareCode = wCode;
    }

    std::function<void(CDialog&)> m_nested;
    CPropertiesPropSh* m_pSheet = nullptr;
    WORD m_wOldCode = 0;
};

// ---- the command ----

TEST_F(ProgramPropertiesTest, OkWritesTheDocumentMarksItModifiedAndTakesOneSnapshot)
{
    Doc().SetModifiedFlag(FALSE);
    const int nSnapshots = Snapshots();
    EXPECT_TRUE(RunProperties([](CPropertiesPropSh& sheet) {
        CPropertyPage& page = Show(sheet, sheet.m_general);
        SetText(page, IDC_GENERAL_TEXTS[0], _T("Anna"));
        SetText(page, IDC_GENERAL_TEXTS[8], _T("3.1"));
        Show(sheet, sheet.m_protect);
    }));
    EXPECT_EQ(Doc().m_settings.strProject[PROJECT_CREATOR].ToUtf8(), "Anna");
    EXPECT_EQ(Doc().m_settings.strProject[PROJECT_VERSION3].ToUtf8(), "3.1");
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Snapshots(), nSnapshots + 1);

}

TEST_F(ProgramPropertiesTest, StatusClickOpensTheHardwarePageOnce)
{
    int nFirstShown = -1;
    CDialog::SetDialogHook([&](CDialog& dlg) {
        auto& sheet = static_cast<CPropertySheet&>(dlg);
        nFirstShown = sheet.GetActiveIndex();
        sheet.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    Command(CStatusBarControls::ID_STATUS_MODEL_TEXT);
    EXPECT_EQ(nFirstShown, CPropertiesPropSh::PAGE_HARDWARE);
    Command(ID_FILE_PROPERTIES);
    EXPECT_EQ(nFirstShown, CPropertiesPropSh::PAGE_GENERAL);
    Frame()->m_nPropertiesStartPage = 2;
    Command(ID_FILE_PROPERTIES);
    EXPECT_EQ(nFirstShown, CPropertiesPropSh::PAGE_PARAMETER);
    EXPECT_EQ(Frame()->m_nPropertiesStartPage, 0);
}

TEST_F(ProgramPropertiesTest, NewDiagramOpensItsPropertiesWhileShowAtNewFileIsSet)
{
    int nSheets = 0;
    CDialog::SetDialogHook([&](CDialog& dlg) {
        if (auto* pSheet = dynamic_cast<CPropertiesPropSh*>(&dlg)) {
            ++nSheets;
            // Unticked here, the next new diagram opens without it.
            static_cast<CButton*>(pSheet->m_general.GetDlgItem(IDC_SHOW_AT_NEW_FILE))->SetCheck(BST_UNCHECKED);
            pSheet->SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        }
    });
    g_bShowAtNewFile = 1;
    Command(ID_FILE_NEW);
    EXPECT_EQ(nSheets, 1);
    EXPECT_EQ(Doc().m_settings.bShowAtNewFile, 0);
    EXPECT_EQ(g_bShowAtNewFile, 0);
    Command(ID_FILE_NEW);
    EXPECT_EQ(nSheets, 1);
    CDialog::SetDialogHook(nullptr);
}

TEST_F(ProgramPropertiesTest, CommandIsEnabledOnlyWithADiagram)
{
    CCmdUI state;
    state.m_nID = ID_FILE_PROPERTIES;
    EXPECT_TRUE(state.DoUpdate(Frame(), FALSE) && state.m_bEnabled);
    Command(ID_FILE_CLOSE);
    ASSERT_EQ(View(), nullptr);
    EXPECT_TRUE(state.DoUpdate(Frame(), FALSE));
    EXPECT_FALSE(state.m_bEnabled);
}

// ---- General and Protect ----

TEST_F(ProgramPropertiesTest, GeneralAndProtectRefuseWhatTheControllerCannotTake)
{
    const CString strLong(_T('x'), GENERAL_TEXT_MAX + 1);
    EXPECT_FALSE(RunProperties([&](CPropertiesPropSh& sheet) {
        SetText(Show(sheet, sheet.m_general), IDC_GENERAL_TEXTS[4], strLong);
    }));
    EXPECT_TRUE(Doc().m_settings.strProject[PROJECT_DIAGRAM_NO].IsEmpty());

    struct Case {
        LPCTSTR lpszHigh;
        LPCTSTR lpszLow;
        bool bAccepted;
    };
    for (const Case& c : {Case{_T("90"), _T("-20"), true}, Case{_T("-20"), _T("-20"), true},
                          Case{_T("-21"), _T("-20"), false}}) {
        m_boxes.Clear();
        const bool bOk = RunProperties([&](CPropertiesPropSh& sheet) {
            CPropertyPage& page = Show(sheet, sheet.m_protect);
            SetText(page, IDC_TEMP_HIGH, c.lpszHigh);
            SetText(page, IDC_TEMP_LOW, c.lpszLow);
        });
        EXPECT_EQ(bOk, c.bAccepted) << CString(c.lpszHigh).ToUtf8();
        if (!c.bAccepted) {
            EXPECT_EQ(LastBox(), CString(PROTECT_HIGH_BELOW_LOW));
        }
    }
    EXPECT_EQ(Doc().m_settings.nTempHigh, -20);
    EXPECT_EQ(Doc().m_settings.nTempLow, -20);
}

TEST_F(ProgramPropertiesTest, TemperatureBeyondAWordIsCutWhileTyping)
{
    RunProperties(
        [&](CPropertiesPropSh& sheet) {
            CPropertyPage& page = Show(sheet, sheet.m_protect);
            SetText(page, IDC_TEMP_HIGH, _T(""));
            Type(page, IDC_TEMP_HIGH, u"40000");
            EXPECT_EQ(Text(page, IDC_TEMP_HIGH).ToUtf8(), "32767");
            SetText(page, IDC_TEMP_LOW, _T(""));
            Type(page, IDC_TEMP_LOW, u"-40000");
            EXPECT_EQ(Text(page, IDC_TEMP_LOW).ToUtf8(), "-32768");
        },
        false);
}

// ---- Parameter ----

TEST_F(ProgramPropertiesTest, PasswordAndNameTakeOnlyTheirCharacters)
{
    RunProperties(
        [&](CPropertiesPropSh& sheet) {
            CPropertyPage& page = Show(sheet, sheet.m_parameter);
            EXPECT_FALSE(page.GetDlgItem(IDC_CURRENT_PASSWORD)->IsWindowEnabled());
            Type(page, IDC_NEW_PASSWORD, u"ab");
            EXPECT_TRUE(Text(page, IDC_NEW_PASSWORD).IsEmpty());
            EXPECT_EQ(LastBox(), CString(PARAMETER_PASSWORD_LETTERS));
            SetText(page, IDC_PROGRAM_NAME, _T("PUMP7-A"));
            EXPECT_EQ(Text(page, IDC_PROGRAM_NAME).ToUtf8(), "PUMP7");
            EXPECT_EQ(LastBox(), CString(PARAMETER_NAME_CHARACTERS));
        },
        false);
}

TEST_F(ProgramPropertiesTest, PasswordChangesNeedTheCurrentOne)
{
    struct Case {
        LPCTSTR lpszCurrent;  // null: no password yet, the box is greyed
        LPCTSTR lpszNew;
        LPCTSTR lpszRepeat;
        LPCTSTR lpszRefusal;  // null: accepted
        const char* pszStored;
    };
    const Case cases[] = {
        {nullptr, _T("ABC"), _T("ABC"), nullptr, "ABC"},
        {_T("ABD"), _T("XY"), _T("XY"), PARAMETER_OLD_PASSWORD_WRONG, "ABC"},
        {_T("ABC"), _T("XY"), _T("XZ"), PARAMETER_PASSWORDS_DIFFER, "ABC"},
        // The right current password with empty new ones clears it.
        {_T("ABC"), _T(""), _T(""), nullptr, ""},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << CString(c.lpszCurrent).ToUtf8() << " " << CString(c.lpszNew).ToUtf8());
        const bool bOk = RunProperties([&](CPropertiesPropSh& sheet) {
            CPropertyPage& page = Show(sheet, sheet.m_parameter);
            EXPECT_EQ(page.GetDlgItem(IDC_CURRENT_PASSWORD)->IsWindowEnabled() != FALSE, c.lpszCurrent != nullptr);
            if (c.lpszCurrent)
                SetText(page, IDC_CURRENT_PASSWORD, c.lpszCurrent);
            SetText(page, IDC_NEW_PASSWORD, c.lpszNew);
            SetText(page, IDC_REPEAT_PASSWORD, c.lpszRepeat);
        });
        EXPECT_EQ(bOk, c.lpszRefusal == nullptr);
        if (c.lpszRefusal) {
            EXPECT_EQ(LastBox(), CString(c.lpszRefusal));
        }
        EXPECT_EQ(Doc().m_settings.strPassword.ToUtf8(), c.pszStored);
    }
}

TEST_F(ProgramPropertiesTest, AnalogOutputsFollowTheGenerationAndTheirRange)
{
    m_nested = [](CDialog& dlg) {
        CWnd* pEdit = dlg.GetDlgItem(IDC_FIXED_VALUE_FIRST + 5);
        pEdit->SetFocus();
        pEdit->SetWindowText(_T("12"));
        dlg.GetDlgItem(IDC_FIXED_VALUE_FIRST + 6)->SetFocus();
        EXPECT_EQ(CString(_T("10")), [&] {
            CString str;
            pEdit->GetWindowText(str);
            return str;
        }());
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
    EXPECT_TRUE(RunProperties([](CPropertiesPropSh& sheet) {
        CPropertyPage& page = Show(sheet, sheet.m_parameter);
        EXPECT_TRUE(Shown(page, IDC_AI0_RANGE));
        Click(page, IDC_KEEP_AQ_VALUES);
        ASSERT_TRUE(page.GetDlgItem(IDC_FIXED_VALUE_BUTTON)->IsWindowEnabled());
        Click(page, IDC_FIXED_VALUE_BUTTON);
    }));
    EXPECT_EQ(Doc().m_settings.analog.dAqFixedValue[5], 10.0);
    EXPECT_EQ(Doc().m_settings.analog.bKeepAqValues, 0);

    UseHardware(k3X);
    RunProperties(
        [](CPropertiesPropSh& sheet) {
            CPropertyPage& page = Show(sheet, sheet.m_parameter);
            for (int nID : {IDC_AI0_RANGE, IDC_AI1_RANGE, IDC_KEEP_AQ_VALUES, IDC_FIXED_VALUE_BUTTON,
                            IDC_VALUE_RANGE_BUTTON, IDC_AQ_STOP_GROUP})
                EXPECT_FALSE(Shown(page, nID)) << nID;
        },
        false);
}

// Cancel drops what the sheet's pages hold, but not what the two dialogs wrote on their OK.
TEST_F(ProgramPropertiesTest, TheAnalogOutputDialogsWriteTheDocumentWhateverClosesTheSheet)
{
    m_nested = [](CDialog& dlg) {
        if (dynamic_cast<CFixedValueDlg*>(&dlg))
            SetText(dlg, IDC_FIXED_VALUE_FIRST + 3, _T("7.5"));
        else
            Combo(dlg, IDC_RANGE_TYPE_FIRST + 2).UserSelect(1);
        dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    };
    Doc().SetModifiedFlag(FALSE);
    const int nSnapshots = Snapshots();
    RunProperties(
        [](CPropertiesPropSh& sheet) {
            SetText(Show(sheet, sheet.m_general), IDC_GENERAL_TEXTS[0], _T("Changed"));
            CPropertyPage& page = Show(sheet, sheet.m_parameter);
            Click(page, IDC_KEEP_AQ_VALUES);
            Click(page, IDC_FIXED_VALUE_BUTTON);
            Click(page, IDC_VALUE_RANGE_BUTTON);
        },
        false);
    EXPECT_TRUE(Doc().m_settings.strProject[PROJECT_CREATOR].IsEmpty());
    const AnalogSettings& analog = Doc().m_settings.analog;
    EXPECT_EQ(analog.dAqFixedValue[3], 7.5);
    EXPECT_EQ(analog.byAqRangeType[2], 1);
    EXPECT_EQ(analog.bKeepAqValues, 1) << "the check is the sheet's OK's to write";
    EXPECT_TRUE(Doc().IsModified());
    EXPECT_EQ(Snapshots(), nSnapshots + 2);
}

// ---- COM ----

TEST_F(ProgramPropertiesTest, TextPanelFixesAndHidesTheLineSettings)
{
    EXPECT_TRUE(RunProperties([](CPropertiesPropSh& sheet) {
        CPropertyPage& page = Show(sheet, sheet.m_com[1]);
        SetText(page, IDC_COM_TIMEOUT, _T("900"));
        Combo(page, IDC_COM_MODEL).UserSelect(COM_MODEL_TEXT_PANEL);
        for (int nID : {IDC_COM_ADDRESS, IDC_COM_PROTOCOL, IDC_COM_BAUD, IDC_COM_PARITY, IDC_COM_TIMEOUT,
                        IDC_COM_DELAY, IDC_COM_DATA_REGISTER, IDC_COM_SLAVE_NOTE})
            EXPECT_FALSE(Shown(page, nID)) << nID;
        Combo(page, IDC_COM_MODEL).UserSelect(COM_MODEL_SLAVE);
        EXPECT_TRUE(Shown(page, IDC_COM_BAUD));
        EXPECT_TRUE(Shown(page, IDC_COM_ADDRESS));
        EXPECT_EQ(Text(page, IDC_COM_ADDRESS).ToUtf8(), "1");
    }));
    const ComPortSettings& com = Doc().m_settings.com[1];
    EXPECT_EQ(com.nModel, COM_MODEL_SLAVE);
    EXPECT_EQ(com.nProtocol, 0);
    EXPECT_EQ(com.nBaudIndex, 9);
    EXPECT_EQ(com.nParityDataStop, 0);
    EXPECT_EQ(com.nParity, 0);
    EXPECT_EQ(com.nDataBits, 1);
    EXPECT_EQ(com.nStopBits, 0);
    EXPECT_EQ(com.nTimeout, 200);
    EXPECT_EQ(com.nDelay, 0);
    EXPECT_EQ(com.nDataRegister, 0);
    EXPECT_EQ(com.nAddress, 1);
}

TEST_F(ProgramPropertiesTest, ComListsFollowTheGenerationAndTheRole)
{
    Doc().m_settings.com[0].nModel = COM_MODEL_SLAVE;
    Doc().m_settings.com[0].nParity = 2;
    Doc().m_settings.com[0].nDataBits = 0;
    RunProperties(
        [](CPropertiesPropSh& sheet) {
            CPropertyPage& page = Show(sheet, sheet.m_com[0]);
            EXPECT_EQ(ComboLines(page, IDC_COM_BAUD).back().ToUtf8(), "921600");
            EXPECT_EQ(ComboLines(page, IDC_COM_PROTOCOL).size(), 2u);
            // "Even,7,1" has no RTU line: the first line is taken.
            EXPECT_EQ(Combo(page, IDC_COM_PARITY).GetCurSel(), 0);
            Combo(page, IDC_COM_MODEL).UserSelect(COM_MODEL_MASTER);
            EXPECT_EQ(ComboLines(page, IDC_COM_PROTOCOL).back().ToUtf8(), "UDC");
            EXPECT_FALSE(Shown(page, IDC_COM_ADDRESS));
            Combo(page, IDC_COM_PROTOCOL).UserSelect(2);
            EXPECT_FALSE(Shown(page, IDC_COM_DATA_REGISTER));
            Combo(page, IDC_COM_MODEL).UserSelect(COM_MODEL_SLAVE);
            EXPECT_EQ(ComboLines(page, IDC_COM_PROTOCOL).size(), 2u);
            EXPECT_EQ(Combo(page, IDC_COM_PROTOCOL).GetCurSel(), 0);
            SetText(page, IDC_COM_ADDRESS, _T("300"));
            EXPECT_EQ(Text(page, IDC_COM_ADDRESS).ToUtf8(), "255");
            SetText(page, IDC_COM_ADDRESS, _T("0"));
            EXPECT_EQ(Text(page, IDC_COM_ADDRESS).ToUtf8(), "1");
        },
        false);

    UseHardware(k3X);
    RunProperties(
        [](CPropertiesPropSh& sheet) {
            CPropertyPage& page = Show(sheet, sheet.m_com[2]);
            EXPECT_EQ(ComboLines(page, IDC_COM_BAUD).back().ToUtf8(), "115200");
            Combo(page, IDC_COM_MODEL).UserSelect(COM_MODEL_MASTER);
            EXPECT_EQ(ComboLines(page, IDC_COM_PROTOCOL).size(), 2u);
        },
        false);
}

// ---- Hardware ----

HTREEITEM FindItem(CTreeCtrl& tree, int nData)
{
    for (HTREEITEM hFamily = tree.GetRootItem(); hFamily; hFamily = tree.GetNextSiblingItem(hFamily)) {
        if (int(tree.GetItemData(hFamily)) == nData)
            return hFamily;
        for (HTREEITEM hLine = tree.GetChildItem(hFamily); hLine; hLine = tree.GetNextSiblingItem(hLine)) {
            if (int(tree.GetItemData(hLine)) == nData)
                return hLine;
        }
    }
    return nullptr;
}

TEST_F(ProgramPropertiesTest, HardwareRefusesALineTheDiagramCannotRunOn)
{
    UseHardware(k75X);
    CBlockObj* pInput = Block(BT_IN);
    pInput->m_nOperand = 16;
    pInput->m_nNumber = 116;
    Doc().SetModifiedFlag(FALSE);
    EXPECT_FALSE(RunProperties([](CPropertiesPropSh& sheet) {
        CPropertyPage& page = Show(sheet, sheet.m_hardware);
        auto& tree = *static_cast<CTreeCtrl*>(page.GetDlgItem(IDC_HARDWARE_TREE));
        EXPECT_EQ(int(tree.GetItemData(tree.GetSelectedItem())), 5);
        for (int nItem : {1, 3}) {
            tree.UserSelect(FindItem(tree, nItem));
            EXPECT_EQ(Text(page, IDC_HARDWARE_RESOURCES).Left(4).ToUtf8(), "I016") << nItem;
            EXPECT_FALSE(sheet.GetDlgItem(IDOK)->IsWindowEnabled()) << nItem;
        }
        // A double click while OK is disabled does nothing.
        tree.UserDoubleClick(tree.GetSelectedItem());
        tree.UserSelect(FindItem(tree, 9));
        EXPECT_TRUE(sheet.GetDlgItem(IDOK)->IsWindowEnabled());
        EXPECT_GE(Text(page, IDC_HARDWARE_RESOURCES).Find(_T("Maximum Resources:")), 0);
        tree.UserSelect(FindItem(tree, 1));
    }));
    EXPECT_EQ(Doc().m_wHardwareCode, k75X);
    EXPECT_FALSE(Doc().IsModified());
}

TEST_F(ProgramPropertiesTest, WifiBlocksKeepTheWifiLine)
{
    UseHardware(k77X);
    Block(BT_WIFI_OUT);
    RunProperties(
        [](CPropertiesPropSh& sheet) {
            CPropertyPage& page = Show(sheet, sheet.m_hardware);
            auto& tree = *static_cast<CTreeCtrl*>(page.GetDlgItem(IDC_HARDWARE_TREE));
            for (int nItem : {5, 9}) {
                tree.UserSelect(FindItem(tree, nItem));
                EXPECT_GE(Text(page, IDC_HARDWARE_RESOURCES).Find(_T(": Not supported!")), 0) << nItem;
                EXPECT_FALSE(sheet.GetDlgItem(IDOK)->IsWindowEnabled()) << nItem;
            }
        },
        false);
}

TEST_F(ProgramPropertiesTest, ChoosingALineChangesTheDocumentOnlyWhenItDiffers)
{
    UseHardware(k75X);
    Doc().m_settings.com[0].nBaudIndex = 12;
    Doc().SetModifiedFlag(FALSE);
    // The document's own line, chosen by a double click, leaves it untouched.
    EXPECT_TRUE(RunProperties([](CPropertiesPropSh& sheet) {
        CPropertyPage& page = Show(sheet, sheet.m_hardware);
        auto& tree = *static_cast<CTreeCtrl*>(page.GetDlgItem(IDC_HARDWARE_TREE));
        tree.UserSelect(FindItem(tree, 4));
        tree.UserDoubleClick(tree.GetSelectedItem());
        ASSERT_TRUE(sheet.GetSafeHwnd());
        tree.UserSelect(FindItem(tree, 5));
    }));
    EXPECT_FALSE(Doc().IsModified());

    EXPECT_TRUE(RunProperties([](CPropertiesPropSh& sheet) {
        CPropertyPage& page = Show(sheet, sheet.m_hardware);
        auto& tree = *static_cast<CTreeCtrl*>(page.GetDlgItem(IDC_HARDWARE_TREE));
        tree.UserSelect(FindItem(tree, 3));
    }));
    EXPECT_EQ(Doc().m_wHardwareCode, 0x2188);
    EXPECT_EQ(g_wHardwareCode, 0x2188);
    EXPECT_EQ(Doc().m_settings.com[0].nBaudIndex, COM_BAUD_9600);
    EXPECT_EQ(Frame()->GetSeriesText().ToUtf8(), "4X Series B1.XX");
    EXPECT_TRUE(Doc().IsModified());
}

// Another line chosen while the diagram simulates ends the simulation first, as leaving it
// does: no run goes on under the new line with its timer and bars, and the Simulation command
// that follows starts a run afresh. The command offers no other way out of a half run.
TEST_F(ProgramPropertiesTest, ALineChosenWhileSimulatingEndsTheSimulationFirst)
{
    UseHardware(k75X);
    Block(BT_AND);
    StartSimulation();
    EXPECT_TRUE(RunProperties([](CPropertiesPropSh& sheet) {
        CPropertyPage& page = Show(sheet, sheet.m_hardware);
        auto& tree = *static_cast<CTreeCtrl*>(page.GetDlgItem(IDC_HARDWARE_TREE));
        tree.UserSelect(FindItem(tree, 7));
    }));
    EXPECT_EQ(Doc().m_wHardwareCode, k77X);
    CChildFrame* pFrame = V().GetParentFrame();
    EXPECT_EQ(V().EditMode(), EDIT_MODE_SELECT);
    EXPECT_FALSE(Doc().m_bSimulating);
    EXPECT_EQ(g_pSimulatingView, nullptr);
    EXPECT_FALSE(pFrame->IsSimTimerRunning());
    EXPECT_EQ(pFrame->GetSimulationBarDlg(), nullptr);

    StartSimulation();
    EXPECT_TRUE(Doc().m_bSimulating);
    Command(ID_TOOLS_SIMULATION);
    EXPECT_EQ(V().EditMode(), EDIT_MODE_SELECT);
    EXPECT_FALSE(Doc().m_bSimulating);
    EXPECT_FALSE(pFrame->IsSimTimerRunning());
}

// ---- LCD Setting ----

TEST_F(ProgramPropertiesTest, LogoIsTakenFromABmpFileInAnyCase)
{
    std::vector<BYTE> bytes(62 + 64 * 16, 0);
    const BYTE header[] = {'B', 'M', 0, 0, 0, 0, 0, 0, 0, 0, 62, 0, 0, 0, 40, 0, 0, 0, LOGO_WIDTH, 0, 0, 0, LOGO_HEIGHT, 0, 0, 0, 1, 0, 1};
    std::copy(std::begin(header), std::end(header), bytes.begin());
    bytes[58] = bytes[59] = bytes[60] = 0xFF;  // palette: black, white; every pixel black
    CString strPath;
    strPath.Format(_T("%sproptest-%d-logo.bmp"), GetTempPath(), int(getpid()));
    {
        CFile file(strPath, CFile::modeCreate | CFile::modeWrite);
        file.Write(bytes.data(), UINT(bytes.size()));
    }
    const FileDialogHandler previous = AfxSetFileDialogHandler([&](FileDialogRequest& request) {
        request.strFileName = strPath;
        request.fileNames = {strPath};
        return TRUE;
    });
    EXPECT_TRUE(RunProperties([&](CPropertiesPropSh& sheet) {
        CPropertyPage& page = Show(sheet, sheet.m_startUpBmp);
        EXPECT_TRUE(Shown(page, IDC_LCD_CONTRAST));
        Click(page, IDC_LOGO_OPEN);
        EXPECT_TRUE(sheet.m_startUpBmp.GetPreview().IsPixelSet(63, 107));
        EXPECT_EQ(Text(page, IDC_LOGO_FILE), strPath);
        Combo(page, IDC_LCD_CONTRAST).UserSelect(7);
    }));
    AfxSetFileDialogHandler(previous);
    EXPECT_EQ(Doc().m_settings.strLogoFile, strPath);
    EXPECT_EQ(Doc().m_settings.lcd.nContrast, 7);
    CFile::Remove(strPath);

    // A path typed into the box is checked at OK as a chosen file is, not stored unchecked.
    EXPECT_FALSE(RunProperties([&](CPropertiesPropSh& sheet) {
        CPropertyPage& page = Show(sheet, sheet.m_startUpBmp);
        SetText(page, IDC_LOGO_FILE, _T(""));
        Type(page, IDC_LOGO_FILE, u"typed.bmp");
    }));
    EXPECT_EQ(LastBox(), LogoNotFoundMessage(_T("typed.bmp")));
    EXPECT_EQ(Doc().m_settings.strLogoFile, strPath);

    // A file that is gone is named in the refusal; the older controllers have no LCD lists.
    UseHardware(k3X);
    m_boxes.Clear();
    RunProperties(
        [&](CPropertiesPropSh& sheet) {
            CPropertyPage& page = Show(sheet, sheet.m_startUpBmp);
            EXPECT_FALSE(Shown(page, IDC_LCD_CONTRAST));
            EXPECT_FALSE(sheet.m_startUpBmp.GetPreview().HasImage());
        },
        false);
    EXPECT_EQ(LastBox(), LogoNotFoundMessage(strPath));

    // One that is there but cannot be read (a folder; root reads any file) is an open error.
    const CString strFolder = strPath + _T(".bmp");
    ASSERT_TRUE(CreateDirectory(strFolder));
    AfxSetFileDialogHandler([&](FileDialogRequest& request) {
        request.fileNames = {strFolder};
        return TRUE;
    });
    RunProperties([&](CPropertiesPropSh& sheet) { Click(Show(sheet, sheet.m_startUpBmp), IDC_LOGO_OPEN); }, false);
    AfxSetFileDialogHandler(previous);
    RemoveDirectory(strFolder);
    EXPECT_EQ(LastBox(), CString(_T("Open file error!")));
    EXPECT_EQ(m_boxes.Boxes().back().type & MB_ICONMASK, MB_ICONSTOP);
}

} // namespace
