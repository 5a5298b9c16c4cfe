#include "DialogTestSupport.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/Clipboard.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/FileDialog.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "platform/ui/WaitCursor.h"
#include "platform/ui/WndMessageMap.h"

namespace {

const CRect kControlRect(10, 10, 110, 30);

class ControlsTest : public OwnedControlsTest<CNotifyLog> {
protected:
    static std::string Cmd(int nID, UINT nCode)
    {
        return "command:" + std::to_string(nID) + ":" + std::to_string(nCode);
    }

    CMessageBoxRecorder m_boxes;
};

TEST_F(ControlsTest, EditNotifiesUpdateThenChangeForProgramAndUserText)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE | WS_TABSTOP, kControlRect, &m_owner, 100));
    Take();
    edit.SetWindowText(_T("12"));
    EXPECT_EQ(Take(), (EventLog{Cmd(100, EN_UPDATE), Cmd(100, EN_CHANGE)}));
    edit.SetSel(2, 2);
    edit.SendMessage(WM_CHAR, '3');
    EXPECT_EQ(Take(), (EventLog{Cmd(100, EN_UPDATE), Cmd(100, EN_CHANGE)}));
    EXPECT_EQ(WindowText(edit), CString(_T("123")));
    EXPECT_TRUE(edit.GetModify());
    edit.SetSel(0, 1);
    edit.ReplaceSel(_T("9"));
    EXPECT_EQ(WindowText(edit), CString(_T("923")));
    EXPECT_EQ(edit.GetSel(), DWORD(MAKELONG(1, 1)));
    EXPECT_EQ(Take(), (EventLog{Cmd(100, EN_UPDATE), Cmd(100, EN_CHANGE)}));
    // Leaving the edit reports EN_KILLFOCUS.
    edit.SetFocus();
    m_owner.SetFocus();
    EXPECT_EQ(Take(), (EventLog{Cmd(100, EN_SETFOCUS), Cmd(100, EN_KILLFOCUS)}));
}

TEST_F(ControlsTest, EditLimitReadOnlyAndLines)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, kControlRect, &m_owner, 100));
    edit.SetLimitText(3);
    for (TCHAR ch : {u'a', u'b', u'c', u'd'})
        edit.SendMessage(WM_CHAR, ch);
    EXPECT_EQ(WindowText(edit), CString(_T("abc")));
    EXPECT_EQ(m_boxes.Beeps().size(), 1u);
    EXPECT_NE(std::find(m_owner.m_events.begin(), m_owner.m_events.end(), Cmd(100, EN_MAXTEXT)),
              m_owner.m_events.end());
    // Backspace removes the character before the caret; read-only refuses typing.
    edit.SendMessage(WM_CHAR, VK_BACK);
    EXPECT_EQ(WindowText(edit), CString(_T("ab")));
    edit.SetReadOnly(TRUE);
    EXPECT_TRUE(edit.GetStyle() & ES_READONLY);
    edit.SendMessage(WM_CHAR, 'x');
    EXPECT_EQ(WindowText(edit), CString(_T("ab")));

    CEdit multi;
    ASSERT_TRUE(multi.Create(ES_MULTILINE | ES_WANTRETURN, kControlRect, &m_owner, 101));
    multi.SetWindowText(_T("one\r\ntwo\r\nthree"));
    EXPECT_EQ(multi.GetLineCount(), 3);
    EXPECT_EQ(edit.GetLineCount(), 1);
    multi.SetSel(-1, -1);
    multi.SetSel(0, -1);
    multi.ReplaceSel(_T("a\r\nb"));
    EXPECT_EQ(multi.GetLineCount(), 2);
}

TEST_F(ControlsTest, EditCutCopyPasteThroughTheClipboard)
{
    CEdit edit;
    ASSERT_TRUE(edit.Create(WS_VISIBLE, kControlRect, &m_owner, 100));
    edit.SetWindowText(_T("hello world"));
    edit.SetSel(0, 5);
    edit.Cut();
    CString strClip;
    ASSERT_TRUE(CClipboard::GetText(strClip));
    EXPECT_EQ(strClip, CString(_T("hello")));
    edit.SetSel(-1, -1);
    edit.SendMessage(EM_SETSEL, 6, 6);
    edit.Paste();
    EXPECT_EQ(WindowText(edit), CString(_T(" worldhello")));
    // A single-line edit takes only the first line of pasted text.
    CClipboard::SetText(_T("x\r\ny"));
    edit.SetSel(0, -1);
    edit.Paste();
    EXPECT_EQ(WindowText(edit), CString(_T("x")));
}

TEST_F(ControlsTest, ComboSearchesPrefixWithoutCaseAndWrapsRound)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(CBS_DROPDOWNLIST | WS_VSCROLL | WS_TABSTOP, kControlRect, &m_owner, 102));
    for (LPCTSTR s : {_T("Alpha"), _T("beta"), _T("ALPINE"), _T("Gamma")})
        combo.AddString(s);
    struct Case {
        int nStartAfter;
        LPCTSTR lpsz;
        int nPrefix;
        int nExact;
    };
    const Case cases[] = {
        {-1, _T("alp"), 0, CB_ERR},  {0, _T("ALP"), 2, CB_ERR},  {2, _T("alp"), 0, CB_ERR},
        {-1, _T("BETA"), 1, 1},      {1, _T("beta"), 1, 1},      {-1, _T("delta"), CB_ERR, CB_ERR},
        {-1, _T(""), 0, CB_ERR},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(CString(c.lpsz).ToUtf8() + " after " + std::to_string(c.nStartAfter));
        EXPECT_EQ(combo.FindString(c.nStartAfter, c.lpsz), c.nPrefix);
        EXPECT_EQ(combo.FindStringExact(c.nStartAfter, c.lpsz), c.nExact);
    }
    EXPECT_EQ(combo.SelectString(-1, _T("gam")), 3);
    EXPECT_EQ(combo.SelectString(-1, _T("zeta")), CB_ERR);
    EXPECT_EQ(combo.GetCurSel(), 3);
    CString strText;
    combo.GetLBText(3, strText);
    EXPECT_EQ(strText, CString(_T("Gamma")));
    EXPECT_EQ(combo.GetLBTextLen(9), CB_ERR);
}

TEST_F(ControlsTest, ComboNotifiesOnlyTheUsersSelection)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(CBS_DROPDOWNLIST | WS_VISIBLE, kControlRect, &m_owner, 104));
    combo.AddString(_T("a"));
    combo.AddString(_T("b"));
    combo.SetItemData(1, 0xBEEF);
    Take();
    combo.SetCurSel(0);
    EXPECT_TRUE(Take().empty());
    combo.SendMessage(WM_KEYDOWN, VK_DOWN);
    EXPECT_EQ(Take(), (EventLog{Cmd(104, CBN_SELCHANGE), Cmd(104, CBN_SELENDOK)}));
    EXPECT_EQ(combo.GetCurSel(), 1);
    EXPECT_EQ(combo.GetItemData(combo.GetCurSel()), DWORD_PTR(0xBEEF));
    // The selection follows insertions and deletions before it.
    combo.InsertString(0, _T("first"));
    EXPECT_EQ(combo.GetCurSel(), 2);
    combo.DeleteString(2);
    EXPECT_EQ(combo.GetCurSel(), CB_ERR);
    combo.ResetContent();
    EXPECT_EQ(combo.GetCount(), 0);
    EXPECT_EQ(combo.SetCurSel(0), CB_ERR);
}

TEST_F(ControlsTest, TypedCharactersEditOnlyAComboWithAnEditField)
{
    CComboBox edit;
    ASSERT_TRUE(edit.Create(CBS_DROPDOWN | WS_VISIBLE, kControlRect, &m_owner, 108));
    edit.AddString(_T("/dev/ttyS0"));
    edit.SetCurSel(0);
    Take();
    for (TCHAR ch : {TCHAR(VK_BACK), TCHAR('1'), TCHAR(VK_ESCAPE)})
        edit.SendMessage(WM_CHAR, WPARAM(ch));
    EXPECT_EQ(WindowText(edit), CString(_T("/dev/ttyS1")));
    EXPECT_EQ(Take(), (EventLog{Cmd(108, CBN_EDITUPDATE), Cmd(108, CBN_EDITCHANGE), Cmd(108, CBN_EDITUPDATE),
                                      Cmd(108, CBN_EDITCHANGE)}));

    CComboBox list;
    ASSERT_TRUE(list.Create(CBS_DROPDOWNLIST | WS_VISIBLE, kControlRect, &m_owner, 109));
    list.AddString(_T("a"));
    list.SetCurSel(0);
    list.SendMessage(WM_CHAR, WPARAM('b'));
    EXPECT_EQ(WindowText(list), CString(_T("a")));
}

TEST_F(ControlsTest, SortedComboAndListBoxKeepCaseInsensitiveOrder)
{
    CComboBox combo;
    ASSERT_TRUE(combo.Create(CBS_DROPDOWNLIST | CBS_SORT, kControlRect, &m_owner, 105));
    CListBox list;
    ASSERT_TRUE(list.Create(LBS_SORT, kControlRect, &m_owner, 106));
    for (LPCTSTR s : {_T("pear"), _T("Apple"), _T("banana")}) {
        combo.AddString(s);
        list.AddString(s);
    }
    CString strFirst, strLast;
    combo.GetLBText(0, strFirst);
    list.GetText(2, strLast);
    EXPECT_EQ(strFirst, CString(_T("Apple")));
    EXPECT_EQ(strLast, CString(_T("pear")));
}

TEST_F(ControlsTest, ListBoxNotifiesWithLbsNotify)
{
    CListBox list;
    ASSERT_TRUE(list.Create(LBS_NOTIFY | WS_VISIBLE, kControlRect, &m_owner, 107));
    list.AddString(_T("one"));
    list.AddString(_T("two"));
    Take();
    list.SetCurSel(0);
    EXPECT_TRUE(Take().empty());
    list.UserDoubleClick(1);
    EXPECT_EQ(Take(), (EventLog{Cmd(107, LBN_SELCHANGE), Cmd(107, LBN_DBLCLK)}));
    list.SendMessage(WM_KEYDOWN, VK_UP);
    EXPECT_EQ(Take(), (EventLog{Cmd(107, LBN_SELCHANGE)}));
    EXPECT_EQ(list.FindString(-1, _T("TW")), 1);
    EXPECT_EQ(list.SetTopIndex(1), LB_OKAY);
    EXPECT_EQ(list.GetTopIndex(), 1);
}

TEST_F(ControlsTest, ButtonsClickCheckAndGroupRadios)
{
    CButton check, radio1, radio2, radio3, other, push;
    ASSERT_TRUE(check.Create(_T("c"), BS_AUTOCHECKBOX | WS_VISIBLE, kControlRect, &m_owner, 110));
    radio1.Create(_T("r1"), BS_AUTORADIOBUTTON | WS_GROUP | WS_VISIBLE, kControlRect, &m_owner, 111);
    radio2.Create(_T("r2"), BS_AUTORADIOBUTTON | WS_VISIBLE, kControlRect, &m_owner, 112);
    radio3.Create(_T("r3"), BS_AUTORADIOBUTTON | WS_VISIBLE, kControlRect, &m_owner, 113);
    other.Create(_T("o"), BS_AUTORADIOBUTTON | WS_GROUP | WS_VISIBLE, kControlRect, &m_owner, 114);
    push.Create(_T("p"), BS_PUSHBUTTON | WS_VISIBLE, kControlRect, &m_owner, 115);
    Take();
    check.SetCheck(BST_CHECKED);
    EXPECT_TRUE(Take().empty());
    check.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
    EXPECT_EQ(check.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(Take(), (EventLog{Cmd(110, BN_CLICKED)}));
    other.SetCheck(BST_CHECKED);
    radio1.Click();
    radio3.Click();
    EXPECT_EQ(radio1.GetCheck(), BST_UNCHECKED);
    EXPECT_EQ(radio3.GetCheck(), BST_CHECKED);
    EXPECT_EQ(other.GetCheck(), BST_CHECKED);   // another group
    push.SendMessage(WM_KEYUP, VK_SPACE);
    EXPECT_EQ(Take(), (EventLog{Cmd(111, BN_CLICKED), Cmd(113, BN_CLICKED), Cmd(115, BN_CLICKED)}));
    // A push button has no check; BM_SETSTYLE turns it into the default button.
    push.SetCheck(BST_CHECKED);
    EXPECT_EQ(push.GetCheck(), BST_UNCHECKED);
    push.SendMessage(BM_SETSTYLE, BS_DEFPUSHBUTTON, TRUE);
    EXPECT_EQ(push.SendMessage(WM_GETDLGCODE), LRESULT(DLGC_BUTTON | DLGC_DEFPUSHBUTTON));
    // A disabled button does not click.
    push.EnableWindow(FALSE);
    push.Click();
    EXPECT_TRUE(Take().empty());
}

// Refuses (answers nonzero) deltas that would go below zero, and logs each request.
class CSpinParent : public CNotifyLog {
public:
    std::vector<int> m_deltas;

protected:
    void OnDeltaPos(NMHDR* pNMHDR, LRESULT* pResult)
    {
        auto* pUpDown = reinterpret_cast<NMUPDOWN*>(pNMHDR);
        m_deltas.push_back(pUpDown->iDelta);
        *pResult = pUpDown->iPos + pUpDown->iDelta < 0;
    }
    DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSpinParent, CNotifyLog)
    ON_NOTIFY(UDN_DELTAPOS, 120, OnDeltaPos)
END_MESSAGE_MAP()

TEST_F(ControlsTest, SpinAsksWithDeltaPosAndWritesItsBuddy)
{
    CSpinParent parent;
    CreateParent(parent);
    CEdit buddy;
    buddy.Create(WS_VISIBLE, kControlRect, &parent, 119);
    CSpinButtonCtrl spin;
    ASSERT_TRUE(spin.Create(UDS_SETBUDDYINT | UDS_AUTOBUDDY | UDS_NOTHOUSANDS | WS_VISIBLE,
                            CRect(110, 10, 126, 30), &parent, 120));
    EXPECT_EQ(spin.GetBuddy(), &buddy);
    int nLower = 0, nUpper = 0;
    spin.GetRange32(nLower, nUpper);
    EXPECT_EQ(nLower, 100);
    EXPECT_EQ(nUpper, 0);
    spin.SetRange32(-5, 3000000);
    spin.SetPos(1022);
    EXPECT_EQ(WindowText(buddy), CString(_T("1022")));
    // The user's value in the buddy is where the next step starts.
    buddy.SetWindowText(_T("0"));
    spin.UserStep(1);
    EXPECT_EQ(spin.GetPos(), 1);
    spin.SendMessage(WM_LBUTTONDOWN, 0, MAKELPARAM(2, 18));   // lower half: down
    spin.UserStep(-1);                                        // refused below zero
    EXPECT_EQ(spin.GetPos(), 0);
    EXPECT_EQ(parent.m_deltas, (std::vector<int>{1, -1, -1}));
    EXPECT_EQ(WindowText(buddy), CString(_T("0")));
    // Positions clamp to the range; thousands separators unless UDS_NOTHOUSANDS.
    spin.SetPos(5000000);
    EXPECT_EQ(spin.GetPos(), 3000000);
    EXPECT_EQ(AfxSpinBuddyText(-1234567, true), CString(_T("-1,234,567")));
    EXPECT_EQ(AfxSpinBuddyText(999, true), CString(_T("999")));
    parent.DestroyWindow();
}

TEST(FileDialogTest, TheHookAnswersAndTheDefaultExtensionIsAdded)
{
    FileDialogRequest seen;
    FileDialogHandler previous = AfxSetFileDialogHandler([&](FileDialogRequest& request) {
        seen = request;
        request.strFileName = _T("/tmp/out/logo");
        return TRUE;
    });
    CFileDialog save(FALSE, _T("bmp"), _T("logo"), OFN_OVERWRITEPROMPT,
                     _T("Graphic files(*.bmp)|*.bmp||"));
    save.m_ofn.lpstrInitialDir = _T("/tmp");
    EXPECT_EQ(save.DoModal(), IDOK);
    EXPECT_FALSE(seen.bOpenFileDialog);
    EXPECT_EQ(seen.strInitialDir, CString(_T("/tmp")));
    EXPECT_EQ(seen.strFileName, CString(_T("logo")));
    EXPECT_EQ(AfxParseFileFilter(seen.strFilter).size(), 1u);
    EXPECT_EQ(save.GetPathName(), CString(_T("/tmp/out/logo.bmp")));
    EXPECT_EQ(save.GetFileName(), CString(_T("logo.bmp")));
    EXPECT_EQ(save.GetFileTitle(), CString(_T("logo")));
    EXPECT_EQ(save.GetFileExt(), CString(_T("bmp")));
    EXPECT_EQ(save.GetFolderPath(), CString(_T("/tmp/out")));

    AfxSetFileDialogHandler([](FileDialogRequest&) { return FALSE; });
    CFileDialog open(TRUE);
    EXPECT_EQ(open.DoModal(), IDCANCEL);
    EXPECT_TRUE(open.GetPathName().IsEmpty());
    AfxSetFileDialogHandler(previous);
}

TEST(ClipboardTest, RegisteredFormatRoundTripAndText)
{
    const UINT nFormat = RegisterClipboardFormat(_T("NorviFABLogic"));
    EXPECT_GE(nFormat, CF_REGISTERED_FIRST);
    EXPECT_EQ(RegisterClipboardFormat(_T("norvifablogic")), nFormat);
    EXPECT_NE(RegisterClipboardFormat(_T("NorviFAB")), nFormat);
    EXPECT_EQ(AfxGetClipboardFormatName(nFormat), CString(_T("NorviFABLogic")));
    EXPECT_EQ(RegisterClipboardFormat(_T("")), 0u);

    CClipboard::Empty();
    const std::vector<BYTE> bytes = {0, 1, 2, 0xFF, 0};
    CClipboard::SetData(nFormat, bytes);
    CClipboard::SetText(_T("text"));
    std::vector<BYTE> back;
    ASSERT_TRUE(CClipboard::GetData(nFormat, back));
    EXPECT_EQ(back, bytes);
    EXPECT_TRUE(IsClipboardFormatAvailable(CF_UNICODETEXT));
    CString strText;
    ASSERT_TRUE(CClipboard::GetText(strText));
    EXPECT_EQ(strText, CString(_T("text")));
    CClipboard::Empty();
    EXPECT_FALSE(IsClipboardFormatAvailable(nFormat));
    EXPECT_FALSE(CClipboard::GetText(strText));

    // Text without a NUL and with an odd byte count ends at its last whole unit.
    CClipboard::SetData(CF_UNICODETEXT, {'a', 0, 'b'});
    ASSERT_TRUE(CClipboard::GetText(strText));
    EXPECT_EQ(strText, CString(_T("a")));
    CClipboard::Empty();
}

TEST(WaitCursorTest, NestedWaitsRestoreTheCursorShownBefore)
{
    const HCURSOR hArrow = AfxLoadStandardCursor(IDC_ARROW);
    SetCursor(hArrow);
    {
        CWaitCursor outer;
        EXPECT_EQ(GetCursor(), AfxLoadStandardCursor(IDC_WAIT));
        {
            CWaitCursor inner;
            EXPECT_EQ(CWaitCursor::GetWaitCount(), 2);
        }
        EXPECT_EQ(GetCursor(), AfxLoadStandardCursor(IDC_WAIT));
        SetCursor(hArrow);
        outer.Restore();
        EXPECT_EQ(GetCursor(), AfxLoadStandardCursor(IDC_WAIT));
    }
    EXPECT_EQ(GetCursor(), hArrow);
    EXPECT_EQ(CWaitCursor::GetWaitCount(), 0);
}

}  // namespace
