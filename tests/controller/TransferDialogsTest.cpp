// The transfer's two small dialogs in the running application on both backends: the progress
// window's captions and percentage lines by caption kind and its Ok, and the password dialog's
// rule of capital letters and its length limit.
#include "controller/PasswordDlg.h"
#include "controller/TransferProgressDlg.h"

#include "platform/core/MessageBox.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/Static.h"
#include "protocol/PlcOperation.h"
#include "shell/MainFrame.h"
#include "support/RunningApp.h"

#include <gtest/gtest.h>

#include <string>

namespace {

class TransferDialogsTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(m_app.Start()); }
    void TearDown() override
    {
        CDialog::SetDialogHook(nullptr);
        m_app.Close();
    }

    static std::string Text(CWnd& wnd)
    {
        CString str;
        wnd.GetWindowText(str);
        return str.ToUtf8();
    }
    static std::string ItemText(CDialog& dlg, UINT nID)
    {
        CString str;
        dlg.GetDlgItemText(int(nID), str);
        return str.ToUtf8();
    }

    RunningApp m_app{"qarvo-transferdlgs", RunningApp::BackendOfTheRun()};
    CMessageBoxRecorder m_boxes;
};

struct CaptionCase {
    int nKind;
    int nPercent;
    const char* pszTitle;
    const char* pszLine;
};

TEST_F(TransferDialogsTest, ProgressShowsTheCaptionOfItsKind)
{
    CTransferProgressDlg dlg;
    ASSERT_TRUE(dlg.Create());
    EXPECT_EQ(Text(dlg), "PC-->PLC");
    EXPECT_EQ(ItemText(dlg, CTransferProgressDlg::IDC_PERCENT), "Writing Program - 0%");
    EXPECT_EQ(ItemText(dlg, CTransferProgressDlg::IDC_TRANSFER_TEXT), "Data is transferring...");
    const CaptionCase cases[] = {
        {PROGRESS_CAPTION_DOWNLOAD, 42, "PC->Device", "DownLoading Program - 42%"},
        {PROGRESS_CAPTION_UPLOAD, 7, "Device->PC", "UpLoading Program - 7%"},
        {PROGRESS_CAPTION_SETTINGS, 100, "PC->Device", "It's writing or Factory Resetting - 100%"},
        // Another kind keeps what the window shows and only becomes the last kind.
        {3, 55, "PC->Device", "It's writing or Factory Resetting - 100%"},
    };
    for (const CaptionCase& c : cases) {
        dlg.SendMessage(WM_TRANSFER_PROGRESS, WPARAM(c.nPercent), LPARAM(c.nKind));
        EXPECT_EQ(dlg.GetCaptionKind(), c.nKind);
        EXPECT_EQ(Text(dlg), c.pszTitle) << c.nKind;
        EXPECT_EQ(ItemText(dlg, CTransferProgressDlg::IDC_PERCENT), c.pszLine) << c.nKind;
    }
    EXPECT_EQ(dlg.m_wndProgress.GetPos(), 100);
    dlg.DestroyWindow();
}

TEST_F(TransferDialogsTest, ProgressOkClosesAndTellsTheMainWindow)
{
    CTransferProgressDlg dlg;
    ASSERT_TRUE(dlg.Create());
    CMainFrame* pFrame = AfxGetMainFrame();
    const CString strLogBefore = pFrame->m_wndInfoBar.GetLogText();
    dlg.SendMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(dlg.GetSafeHwnd(), nullptr);
    MSG msg;
    bool bCancelPosted = false;
    while (CMessageQueue::Get().Take(msg)) {
        bCancelPosted |= msg.message == WM_PLC_COMMAND && msg.wParam == PLC_OP_CANCEL;
        DispatchMessage(&msg);
    }
    EXPECT_TRUE(bCancelPosted);
    // The frame takes no action on it: nothing logged, no box, no window.
    EXPECT_EQ(pFrame->m_wndInfoBar.GetLogText(), strLogBefore);
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

struct TypingCase {
    const char* pszTyped;
    const char* pszKept;
    bool bRefused;
};

TEST_F(TransferDialogsTest, PasswordTakesCapitalLettersOnly)
{
    const TypingCase cases[] = {
        {"ABCDEFGH", "ABCDEFGH", false},
        {"ABCDEFGHI", "ABCDEFGH", false},  // the limit cuts the ninth
        {"Ab", "", true},
        {"AB1", "", true},
        {"", "", false},
    };
    for (const TypingCase& c : cases) {
        m_boxes.Clear();
        std::string strTyped;
        CDialog::SetDialogHook([&](CDialog& d) {
            auto& dlg = static_cast<CPasswordDlg&>(d);
            dlg.m_wndPassword.UserEdit(CString::FromUtf8(c.pszTyped), int(std::string(c.pszTyped).size()));
            strTyped = Text(dlg.m_wndPassword);
            d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
        });
        CPasswordDlg dlg;
        EXPECT_EQ(dlg.DoModal(), IDOK);
        EXPECT_EQ(strTyped, c.pszKept) << c.pszTyped;
        EXPECT_EQ(dlg.m_strPassword.ToUtf8(), c.pszKept) << c.pszTyped;
        ASSERT_EQ(m_boxes.Boxes().size(), c.bRefused ? 1U : 0U) << c.pszTyped;
        if (c.bRefused) {
            EXPECT_EQ(m_boxes.Boxes()[0].text.ToUtf8(), "Every character of the password must be A - Z");
            EXPECT_EQ(m_boxes.Boxes()[0].type & MB_ICONMASK, MB_ICONINFORMATION);
        }
    }
}

TEST_F(TransferDialogsTest, PasswordCancelKeepsNothing)
{
    CDialog::SetDialogHook([&](CDialog& d) {
        static_cast<CPasswordDlg&>(d).m_wndPassword.UserEdit(_T("SECRET"), 6);
        d.PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    });
    CPasswordDlg dlg;
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
    EXPECT_TRUE(dlg.m_strPassword.IsEmpty());
}

}  // namespace
