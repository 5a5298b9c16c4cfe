// The colour dialog with the caller's caption.
#include "controls/HColorDialog.h"

#include "platform/ui/Button.h"
#include "platform/ui/WindowFixture.h"

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

} // namespace
