// Who gets the keyboard while dialogs run, and how activation moves between top-level windows.
#include "DialogTestSupport.h"

#include "platform/ui/Accelerator.h"
#include "platform/ui/Button.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/Edit.h"

#include <algorithm>

namespace {

constexpr UINT IDD_KEYS = 9101;
constexpr int IDC_NAME = 1001;
constexpr int IDC_CHECK = 1002;
constexpr WORD ID_CUT_BLOCKS = 40001;
constexpr WORD ID_NEW_FILE = 40002;

void RegisterKeysTemplate()
{
    DialogTemplate t;
    t.nID = IDD_KEYS;
    t.strCaption = _T("Keys");
    t.dwStyle = WS_POPUP | WS_CAPTION;
    t.size = CSize(160, 80);
    t.items = {
        Item(IDC_NAME, WC_EDIT, WS_TABSTOP | WS_BORDER, CRect(10, 10, 100, 22), _T("Pump")),
        Item(IDC_CHECK, WC_BUTTON, BS_AUTOCHECKBOX | WS_TABSTOP, CRect(10, 30, 100, 40), _T("On")),
        Item(IDOK, WC_BUTTON, BS_DEFPUSHBUTTON | WS_TABSTOP, CRect(10, 60, 60, 74), _T("OK")),
    };
    AfxRegisterDialogTemplate(t);
}

// The main window as the program's frame has it: its accelerators hold the editing keys of the
// diagram (Ctrl+X cuts blocks) and it logs every key it is shown.
class CAccelMain : public CNotifyLog {
public:
    const CAcceleratorTable m_table = {{FVIRTKEY | FCONTROL, 'X', ID_CUT_BLOCKS},
                                       {FVIRTKEY | FCONTROL, 'Z', ID_CUT_BLOCKS},
                                       {FVIRTKEY | FCONTROL, 'A', ID_CUT_BLOCKS},
                                       {FVIRTKEY | FCONTROL, 'N', ID_NEW_FILE}};
    int m_nKeysSeen = 0;

    BOOL PreTranslateMessage(MSG* pMsg) override
    {
        if (pMsg->message < WM_KEYFIRST || pMsg->message > WM_KEYLAST)
            return FALSE;
        ++m_nKeysSeen;
        return TranslateAccelerator(this, &m_table, pMsg);
    }
    int Commands(WORD nID) const
    {
        const std::string strLine = "command:" + std::to_string(nID) + ":1";
        return int(std::count(m_events.begin(), m_events.end(), strLine));
    }
};

// Records the WM_ACTIVATE messages it gets as "<name>:<state>:<other's name>".
class CActivationLog : public CWnd {
public:
    CActivationLog(std::string strName, EventLog& log) : m_strName(std::move(strName)), m_log(log) {}
    std::string m_strName;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_ACTIVATE) {
            const auto* pOther = dynamic_cast<const CActivationLog*>(WndFromParam(lParam));
            m_log.push_back(m_strName + ":" + std::to_string(LOWORD(DWORD(wParam))) + ":" +
                            (pOther ? pOther->m_strName : std::string("-")));
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }

private:
    EventLog& m_log;
};

class ModalKeysTest : public MainWindowTest<CAccelMain> {
protected:
    void SetUp() override
    {
        MainWindowTest::SetUp();
        RegisterKeysTemplate();
    }
    // A key as the backend delivers it: the key-down through the filters, then its character
    // unless the key-down was taken.
    void CtrlKey(char chKey)
    {
        CWnd* pTarget = CWnd::GetFocus();
        AfxSetKeyState(VK_CONTROL, true);
        if (!KeyDown(pTarget, UINT(chKey))) {
            MSG ch = {pTarget, WM_CHAR, WPARAM(chKey - 'A' + 1), 1, 0, {0, 0}};
            m_thread.RouteMessage(ch);
        }
        AfxSetKeyState(VK_CONTROL, false);
    }
};

TEST_F(ModalKeysTest, AModalDialogsEditTakesItsEditingKeysAndTheMainWindowSeesNone)
{
    CDialog dlg(IDD_KEYS, &m_main);
    CString strAfterCut, strAfterUndo;
    bool bMainDisabled = false;
    CDialog::SetDialogHook([&](CDialog& d) {
        bMainDisabled = !m_main.IsWindowEnabled();
        CWnd* pName = d.GetDlgItem(IDC_NAME);
        pName->SetFocus();
        CtrlKey('A');
        CtrlKey('X');
        strAfterCut = WindowText(*pName);
        CtrlKey('Z');
        strAfterUndo = WindowText(*pName);
        // A key that still finds the main window (the view kept the focus) goes nowhere.
        EXPECT_TRUE(KeyDown(&m_main, VK_DELETE));
        d.EndDialog(IDOK);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_TRUE(bMainDisabled);
    EXPECT_EQ(strAfterCut, CString(_T("")));
    EXPECT_EQ(strAfterUndo, CString(_T("Pump")));
    CString strClip;
    EXPECT_TRUE(CClipboard::GetText(strClip));
    EXPECT_EQ(strClip, CString(_T("Pump")));
    EXPECT_EQ(m_main.m_nKeysSeen, 0);
    EXPECT_EQ(m_main.Commands(ID_CUT_BLOCKS), 0);
    EXPECT_TRUE(m_main.IsWindowEnabled());
}

TEST_F(ModalKeysTest, AModelessDialogsKeysStillReachTheMainWindowButItsEditKeepsEditingKeys)
{
    CDialog dlg(IDD_KEYS, &m_main);
    ASSERT_TRUE(dlg.Create(IDD_KEYS, &m_main));
    dlg.GetDlgItem(IDC_CHECK)->SetFocus();
    CtrlKey('N');
    EXPECT_EQ(m_main.Commands(ID_NEW_FILE), 1);
    CtrlKey('X');
    EXPECT_EQ(m_main.Commands(ID_CUT_BLOCKS), 1);

    CWnd* pName = dlg.GetDlgItem(IDC_NAME);
    pName->SetFocus();
    CtrlKey('A');
    CtrlKey('X');
    EXPECT_EQ(WindowText(*pName), CString(_T("")));
    EXPECT_EQ(m_main.Commands(ID_CUT_BLOCKS), 1);
    CtrlKey('N');
    EXPECT_EQ(m_main.Commands(ID_NEW_FILE), 2);
    dlg.DestroyWindow();
}

TEST_F(ModalKeysTest, AModalLoopDisablesEveryOtherWindowAndGivesThemBack)
{
    CWnd tool, hidden;
    ASSERT_TRUE(tool.CreateEx(0, _T("Tool"), _T("tool"), WS_POPUP | WS_CAPTION | WS_VISIBLE, kRect, &m_main, 0));
    ASSERT_TRUE(hidden.CreateEx(0, _T("Tool"), _T("hidden"), WS_POPUP, kRect, &m_main, 0));
    hidden.EnableWindow(FALSE);
    CDialog dlg(IDD_KEYS, &tool);
    bool bToolDisabled = false, bMainDisabled = false;
    CDialog::SetDialogHook([&](CDialog& d) {
        bToolDisabled = !tool.IsWindowEnabled();
        bMainDisabled = !m_main.IsWindowEnabled();
        d.EndDialog(IDCANCEL);
    });
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(bToolDisabled);
    EXPECT_TRUE(bMainDisabled);
    EXPECT_TRUE(tool.IsWindowEnabled());
    EXPECT_TRUE(m_main.IsWindowEnabled());
    EXPECT_FALSE(hidden.IsWindowEnabled());   // disabled before: stays so
}

TEST_F(ModalKeysTest, TheEditsUndoTakesARunOfTypingBackAsOneStepAndRedoesIt)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, kRect, &m_main, 5));
    edit.SetWindowText(_T("ab"));
    EXPECT_FALSE(edit.CanUndo());
    edit.SetSel(2, 2);
    for (TCHAR ch : {TCHAR('c'), TCHAR('d')})
        edit.SendMessage(WM_CHAR, ch);
    EXPECT_EQ(WindowText(edit), CString(_T("abcd")));
    EXPECT_TRUE(edit.Undo());
    EXPECT_EQ(WindowText(edit), CString(_T("ab")));
    EXPECT_TRUE(edit.Undo());
    EXPECT_EQ(WindowText(edit), CString(_T("abcd")));
    // Paste and Shift+Insert; a password box never gives its text away.
    CClipboard::SetText(_T("X"));
    edit.SendMessage(WM_CHAR, 0x16);
    EXPECT_EQ(WindowText(edit), CString(_T("abcdX")));
    edit.ModifyStyle(0, ES_PASSWORD);
    edit.SendMessage(WM_CHAR, 0x01);
    edit.SendMessage(WM_CHAR, 0x03);
    CString strClip;
    CClipboard::GetText(strClip);
    EXPECT_EQ(strClip, CString(_T("X")));
}

TEST_F(ModalKeysTest, ActivationMovesToAShownWindowAndBackToItsOwner)
{
    EventLog log;
    CActivationLog main("main", log), sheet("sheet", log);
    ASSERT_TRUE(main.CreateEx(0, _T("Main"), _T("main"), WS_OVERLAPPEDWINDOW | WS_VISIBLE, kRect, nullptr, 0));
    EXPECT_EQ(CWnd::GetActiveWindow(), &main);
    ASSERT_TRUE(sheet.CreateEx(0, _T("Sheet"), _T("sheet"), WS_POPUP | WS_CAPTION, kRect, &main, 0));
    log.clear();
    sheet.ShowWindow(SW_SHOW);
    EXPECT_EQ(log, (EventLog{"main:0:sheet", "sheet:1:main"}));
    log.clear();
    // The user clicks back into the main window (the backend reports it).
    main.SetActiveWindow(WA_CLICKACTIVE);
    EXPECT_EQ(log, (EventLog{"sheet:0:main", "main:2:sheet"}));
    // Focus into the sheet activates it; hiding it hands the activation to its owner.
    sheet.SetFocus();
    log.clear();
    sheet.ShowWindow(SW_HIDE);
    EXPECT_EQ(log, (EventLog{"sheet:0:main", "main:1:sheet"}));
    sheet.DestroyWindow();
    // The main window takes the activation of a window that goes without an owner.
    main.DestroyWindow();
    EXPECT_EQ(CWnd::GetActiveWindow(), &m_main);
}

}  // namespace
