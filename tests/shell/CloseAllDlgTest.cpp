// The Close All question, run modally and driven from the dialog hook as a user would: clicks on
// the Save boxes, the select-all box, OK and Cancel.
#include "shell/CloseAllDlg.h"

#include "platform/ui/Button.h"
#include "platform/ui/WindowFixture.h"

#include <functional>
#include <vector>

namespace {

class CloseAllDlgTest : public WindowTest {
protected:
    void SetUp() override
    {
        WindowTest::SetUp();
        m_main.CreateEx(0, _T("Main"), _T("main"), WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                        CRect(0, 0, 800, 600), nullptr, 0);
        m_thread.m_pMainWnd = &m_main;
    }
    void TearDown() override
    {
        CDialog::SetDialogHook(nullptr);
        m_thread.m_pMainWnd = nullptr;
        m_main.DestroyWindow();
        WindowTest::TearDown();
    }

    // Runs the dialog over documents "Doc0" ... with the user's actions, then the closing button.
    // afterAdding runs once every document is in.
    INT_PTR Run(CCloseAllDlg& dlg, int nDocuments, const std::function<void(CDialog&)>& actions,
                UINT nClose = IDOK, const std::function<void()>& afterAdding = {})
    {
        for (int i = 0; i < nDocuments; ++i)
            EXPECT_TRUE(dlg.AddDocument(Name(i)));
        if (afterAdding)
            afterAdding();
        CDialog::SetDialogHook([&](CDialog& d) {
            actions(d);
            d.PostMessage(WM_COMMAND, MAKEWPARAM(nClose, BN_CLICKED), 0);
        });
        return dlg.DoModal();
    }
    static CString Name(int i)
    {
        CString str;
        str.Format(_T("Doc%d"), i);
        return str;
    }
    static CXListCtrl& List(CDialog& d)
    {
        return *static_cast<CXListCtrl*>(d.GetDlgItem(CCloseAllDlg::IDC_DOCUMENT_LIST));
    }
    // A click in the middle of the row's Save cell, scrolled into view first.
    static void ClickSave(CDialog& d, int nItem)
    {
        CXListCtrl& list = List(d);
        list.EnsureVisible(nItem, FALSE);
        CRect rect;
        ASSERT_TRUE(list.GetSubItemRect(nItem, 0, LVIR_LABEL, rect));
        list.SendMessage(WM_LBUTTONDOWN, MK_LBUTTON, MakePointLParam(rect.CenterPoint()));
        list.SendMessage(WM_LBUTTONUP, 0, MakePointLParam(rect.CenterPoint()));
    }
    static void ClickSelectAll(CDialog& d)
    {
        static_cast<CButton*>(d.GetDlgItem(CCloseAllDlg::IDC_SELECT_ALL))->Click();
    }
    static std::vector<BOOL> Flags(const CCloseAllDlg& dlg)
    {
        std::vector<BOOL> flags;
        for (int i = 0; i < dlg.GetDocumentCount(); ++i)
            flags.push_back(dlg.GetSaveFlag(i));
        return flags;
    }

    CWnd m_main;
};

// Every row starts ticked, so that OK without a click saves the user's work, and the select-all
// box with them; the table holds 200 documents and refuses the next.
TEST_F(CloseAllDlgTest, ListsUpTo200DocumentsEachTickedToSave)
{
    CCloseAllDlg dlg(&m_main);
    constexpr int kDocuments = 200;
    const INT_PTR nResult = Run(dlg, kDocuments, [&](CDialog& d) {
        CString strCaption;
        d.GetWindowText(strCaption);
        EXPECT_EQ(strCaption, CString(_T("Close All")));
        CXListCtrl& list = List(d);
        ASSERT_EQ(list.GetItemCount(), kDocuments);
        EXPECT_EQ(list.GetColumnCount(), 2);
        for (int i : {0, kDocuments - 1}) {
            EXPECT_EQ(list.GetCheckbox(i, 0), 1);
            EXPECT_EQ(list.GetItemText(i, 0), CString());
            EXPECT_EQ(list.GetItemText(i, 1), Name(i));
        }
        EXPECT_EQ(d.IsDlgButtonChecked(CCloseAllDlg::IDC_SELECT_ALL), UINT(BST_CHECKED));
    }, IDOK, [&] { EXPECT_FALSE(dlg.AddDocument(Name(kDocuments))); });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(dlg.GetDocumentCount(), kDocuments);
    EXPECT_EQ(Flags(dlg), std::vector<BOOL>(kDocuments, TRUE));
    EXPECT_EQ(dlg.GetDocumentName(kDocuments - 1), Name(kDocuments - 1));
}

TEST_F(CloseAllDlgTest, OkReturnsTheRowsLeftTicked)
{
    CCloseAllDlg dlg(&m_main);
    const INT_PTR nResult = Run(dlg, 6, [&](CDialog& d) {
        ClickSave(d, 1);
        ClickSave(d, 4);
        ClickSave(d, 5);
        ClickSave(d, 5);  // cleared and ticked again
        EXPECT_EQ(List(d).GetCheckbox(1, 0), 0);
    });
    EXPECT_EQ(nResult, IDOK);
    EXPECT_EQ(Flags(dlg), std::vector<BOOL>({TRUE, FALSE, TRUE, TRUE, FALSE, TRUE}));
}

// The select-all box starts as the rows do, all ticked: its first click clears them all.
TEST_F(CloseAllDlgTest, SelectAllTicksAndClearsEveryEntry)
{
    struct Case {
        const char* name;
        int nSelectAllClicks;
        int nToggledRow;  // -1 none
        std::vector<BOOL> flags;
        UINT nSelectAllBox;
    };
    const Case cases[] = {
        {"once clears all", 1, -1, {FALSE, FALSE, FALSE}, BST_UNCHECKED},
        {"twice ticks all again", 2, -1, {TRUE, TRUE, TRUE}, BST_CHECKED},
        {"a row toggled after it ticks that row alone", 1, 1, {FALSE, TRUE, FALSE}, BST_UNCHECKED},
        {"a row toggled after ticking all clears that row alone", 2, 1, {TRUE, FALSE, TRUE}, BST_CHECKED},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        CCloseAllDlg dlg(&m_main);
        UINT nBox = 99;
        std::vector<int> boxes;
        Run(dlg, 3, [&](CDialog& d) {
            for (int i = 0; i < c.nSelectAllClicks; ++i)
                ClickSelectAll(d);
            if (c.nToggledRow >= 0)
                ClickSave(d, c.nToggledRow);
            nBox = d.IsDlgButtonChecked(CCloseAllDlg::IDC_SELECT_ALL);
            for (int i = 0; i < 3; ++i)
                boxes.push_back(List(d).GetCheckbox(i, 0));
        });
        EXPECT_EQ(Flags(dlg), c.flags);
        EXPECT_EQ(nBox, c.nSelectAllBox);
        for (int i = 0; i < 3; ++i)
            EXPECT_EQ(boxes[std::size_t(i)], c.flags[std::size_t(i)] ? 1 : 0);
    }
}

TEST_F(CloseAllDlgTest, CancelAndAnEmptyList)
{
    CCloseAllDlg cancelled(&m_main);
    EXPECT_EQ(Run(cancelled, 2, [&](CDialog& d) { ClickSave(d, 0); }, IDCANCEL), IDCANCEL);

    CCloseAllDlg empty(&m_main);
    int nRows = -1;
    EXPECT_EQ(Run(empty, 0, [&](CDialog& d) { nRows = List(d).GetItemCount(); }), IDOK);
    EXPECT_EQ(nRows, 0);
    EXPECT_EQ(empty.GetDocumentCount(), 0);
    EXPECT_FALSE(empty.GetSaveFlag(0));
}

}  // namespace
