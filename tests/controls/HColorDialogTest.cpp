// The colour dialog with the caller's caption and a Help button.
#include "controls/HColorDialog.h"

#include "platform/ui/Button.h"
#include "platform/ui/WindowFixture.h"
#include "support/QtTestInput.h"

namespace {

class HColorDialogTest : public WindowTest {
protected:
    void TearDown() override
    {
        CDialog::SetDialogHook(nullptr);
        WindowTest::TearDown();
    }
};

TEST_F(HColorDialogTest, ShowsTheCallersCaptionAndReturnsTheChosenColour)
{
    CHColorDialog dlg(_T("Set the linked line color"), RGB(0, 0, 255), CC_RGBINIT);
    CString strCaption;
    CDialog::SetDialogHook([&](CDialog& d) {
        d.GetWindowText(strCaption);
        d.SetDlgItemText(int(IDC_COLOR_GREEN), _T("64"));
        d.PostMessage(WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0);
    });
    EXPECT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(strCaption.ToUtf8(), "Set the linked line color");
    EXPECT_EQ(dlg.GetColor(), RGB(0, 64, 255));
}

// A click on the Help button, as Qt delivers it, neither ends the dialog nor changes the colour.
using HColorDialogQtTest = QtControlsSuite;

TEST_F(HColorDialogQtTest, TheHelpButtonShowsAndDoesNothing)
{
    CHColorDialog dlg(_T("Frame window background color"), RGB(0, 128, 128), CC_RGBINIT);
    ASSERT_TRUE(dlg.Create(IDD_COLOR_DIALOG, &m_top));
    dlg.ShowWindow(SW_SHOW);
    CWnd* pHelp = dlg.GetDlgItem(int(IDC_COLOR_HELP));
    ASSERT_TRUE(pHelp && pHelp->IsWindowVisible());
    QtClick(QtWidgetOf(*pHelp));
    m_thread.PumpPending();
    EXPECT_TRUE(dlg.IsWindowVisible());
    EXPECT_EQ(dlg.GetColor(), RGB(0, 128, 128));
}

} // namespace
