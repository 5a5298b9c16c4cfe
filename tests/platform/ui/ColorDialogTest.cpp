// The colour dialog: its start colour, the basic swatches, the typed parts and how it ends.
#include "WindowFixture.h"

#include "platform/ui/Button.h"
#include "platform/ui/ColorDialog.h"

#include <functional>

namespace {

class ColorDialogTest : public WindowTest {
protected:
    void TearDown() override
    {
        CDialog::SetDialogHook(nullptr);
        WindowTest::TearDown();
    }
    // Runs the dialog: the actions, then the closing button.
    INT_PTR Run(CColorDialog& dlg, const std::function<void(CDialog&)>& actions, UINT nClose = IDOK)
    {
        CDialog::SetDialogHook([&](CDialog& d) {
            actions(d);
            d.PostMessage(WM_COMMAND, MAKEWPARAM(nClose, BN_CLICKED), 0);
        });
        return dlg.DoModal();
    }
    static UINT Part(CDialog& d, UINT nID) { return d.GetDlgItemInt(int(nID), nullptr, FALSE); }
    static COLORREF Sample(CDialog& d)
    {
        return static_cast<CColorSwatch*>(d.GetDlgItem(int(IDC_COLOR_SAMPLE)))->GetColor();
    }
};

// A colour that is not black is the start, with or without CC_RGBINIT: the class library sets
// the flag itself for it. OK without a change gives the start colour back.
TEST_F(ColorDialogTest, StartsAtTheGivenColourAndOkKeepsIt)
{
    const struct {
        COLORREF crStart;
        DWORD dwFlags;
    } cases[] = {{RGB(10, 200, 30), CC_RGBINIT}, {RGB(10, 200, 30), 0}, {RGB(255, 255, 255), 0}, {RGB(0, 0, 0), 0}};
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.crStart << " flags " << c.dwFlags);
        CColorDialog dlg(c.crStart, c.dwFlags);
        EXPECT_EQ(Run(dlg,
                      [&](CDialog& d) {
                          EXPECT_EQ(Part(d, IDC_COLOR_RED), GetRValue(c.crStart));
                          EXPECT_EQ(Part(d, IDC_COLOR_GREEN), GetGValue(c.crStart));
                          EXPECT_EQ(Part(d, IDC_COLOR_BLUE), GetBValue(c.crStart));
                          EXPECT_EQ(Sample(d), c.crStart);
                      }),
                  IDOK);
        EXPECT_EQ(dlg.GetColor(), c.crStart);
    }
}

TEST_F(ColorDialogTest, ClickedSwatchAndTypedPartsGiveTheColour)
{
    CColorDialog dlg(RGB(1, 2, 3), CC_RGBINIT);
    Run(dlg, [](CDialog& d) {
        // The twelfth basic colour is yellow.
        d.GetDlgItem(int(IDC_COLOR_BASIC_FIRST) + 11)->SendMessage(WM_LBUTTONUP, 0, 0);
        EXPECT_EQ(Part(d, IDC_COLOR_RED), 255u);
        EXPECT_EQ(Part(d, IDC_COLOR_BLUE), 0u);
        EXPECT_EQ(Sample(d), RGB(255, 255, 0));
        d.SetDlgItemText(int(IDC_COLOR_GREEN), _T("128"));
        EXPECT_EQ(Sample(d), RGB(255, 128, 0));
    });
    EXPECT_EQ(dlg.GetColor(), RGB(255, 128, 0));
}

TEST_F(ColorDialogTest, PartsBeyondTheRangeCountAsTheirLimitAndCancelKeepsNothing)
{
    CColorDialog clamped(RGB(0, 0, 0), CC_RGBINIT);
    Run(clamped, [](CDialog& d) {
        d.SetDlgItemText(int(IDC_COLOR_RED), _T("999"));
        d.SetDlgItemText(int(IDC_COLOR_BLUE), _T(""));
    });
    EXPECT_EQ(clamped.GetColor(), RGB(255, 0, 0));

    CColorDialog cancelled(RGB(5, 6, 7), CC_RGBINIT);
    EXPECT_EQ(Run(cancelled, [](CDialog& d) { d.SetDlgItemText(int(IDC_COLOR_RED), _T("200")); }, IDCANCEL),
              IDCANCEL);
}

TEST_F(ColorDialogTest, TheHelpButtonShowsOnlyWhenAskedFor)
{
    for (const DWORD dwFlags : {DWORD(0), CC_SHOWHELP}) {
        CColorDialog dlg(RGB(0, 0, 0), dwFlags);
        Run(dlg, [dwFlags](CDialog& d) {
            CWnd* pHelp = d.GetDlgItem(int(IDC_COLOR_HELP));
            ASSERT_NE(pHelp, nullptr);
            EXPECT_EQ(pHelp->IsWindowVisible(), dwFlags == CC_SHOWHELP);
        });
    }
}

} // namespace
