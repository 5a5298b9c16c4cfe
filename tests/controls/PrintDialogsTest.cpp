// The dialogs before a print and the page layout: their limits, messages and defaults, and the
// two small controls of the print setup.
#include "controls/EllipsisLabel.h"
#include "controls/EnterSafeEdit.h"
#include "controls/HColorDialog.h"
#include "controls/PageLayoutDlg.h"
#include "controls/PrintSetupDlg.h"

#include "platform/core/MessageBox.h"
#include "platform/gdi/ImagePrinter.h"
#include "platform/gdi/PixelBuffer.h"
#include "platform/gdi/RecordingSurface.h"
#include "platform/ui/Button.h"
#include "platform/ui/Edit.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/PrintDialog.h"
#include "platform/ui/WindowFixture.h"
#include "platform/qt/QtDialogServices.h"
#include "support/QtTestInput.h"

#include <QPushButton>
#include <QTimer>

#include <functional>
#include <string>
#include <vector>

namespace {

class PrintDialogsTest : public WindowTest {
protected:
    void TearDown() override
    {
        CDialog::SetDialogHook(nullptr);
        WindowTest::TearDown();
    }

    // Runs the dialog with fn acting on it once it shows; what DoModal returned.
    static INT_PTR Run(CDialog& dlg, const std::function<void(CDialog&)>& fn)
    {
        CDialog::SetDialogHook([&](CDialog& d) { fn(d); });
        const INT_PTR nResult = dlg.DoModal();
        CDialog::SetDialogHook(nullptr);
        return nResult;
    }
    static void Type(CDialog& dlg, UINT nID, LPCTSTR lpszText)
    {
        auto* pEdit = dynamic_cast<CEdit*>(dlg.GetDlgItem(int(nID)));
        ASSERT_NE(pEdit, nullptr);
        pEdit->UserEdit(lpszText, CString(lpszText).GetLength());
    }
    static void Click(CDialog& dlg, UINT nID) { dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0); }
    static void Post(CDialog& dlg, UINT nID) { dlg.PostMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0); }

    CMessageBoxRecorder m_boxes;
};

TEST_F(PrintDialogsTest, PageLayoutTakesAtMostAHundredPages)
{
    const struct {
        LPCTSTR across;
        LPCTSTR down;
        bool bAccepted;
    } cases[] = {{_T("10"), _T("10"), true}, {_T("11"), _T("10"), false}, {_T("1"), _T("100"), true},
                 {_T("100"), _T("2"), false}};
    for (const auto& c : cases) {
        m_boxes.Clear();
        CPageLayoutDlg dlg;
        const INT_PTR nResult = Run(dlg, [&](CDialog& d) {
            Type(d, CPageLayoutDlg::IDC_ACROSS, c.across);
            Type(d, CPageLayoutDlg::IDC_DOWN, c.down);
            Post(d, IDOK);
            // A refused OK leaves the dialog open: Cancel ends it then.
            Post(d, IDCANCEL);
        });
        const std::string strCase = CString(c.across).ToUtf8() + "x" + CString(c.down).ToUtf8();
        EXPECT_EQ(nResult, c.bAccepted ? IDOK : IDCANCEL) << strCase;
        if (c.bAccepted) {
            EXPECT_TRUE(m_boxes.Boxes().empty()) << strCase;
            EXPECT_EQ(dlg.m_nPagesAcross * dlg.m_nPagesDown, std::stoi(strCase.substr(0, strCase.find('x'))) *
                                                                 std::stoi(strCase.substr(strCase.find('x') + 1)));
        } else {
            ASSERT_EQ(m_boxes.Boxes().size(), 1u) << strCase;
            EXPECT_EQ(m_boxes.Boxes()[0].text.ToUtf8(), "For the total number of pages(horizontal x vertical) only "
                                                         "values between 1 and 100  are valid.");
            EXPECT_EQ(m_boxes.Boxes()[0].type & MB_ICONMASK, UINT(MB_ICONEXCLAMATION));
        }
    }
}

TEST_F(PrintDialogsTest, PageNumbersOutOfRangeAreCorrectedWhileTyped)
{
    const struct {
        LPCTSTR typed;
        LPCTSTR shown;
    } cases[] = {{_T("0"), _T("1")}, {_T("250"), _T("100")}, {_T("7"), _T("7")}, {_T(""), _T("")}};
    for (UINT nID : {CPageLayoutDlg::IDC_ACROSS, CPageLayoutDlg::IDC_DOWN}) {
        for (const auto& c : cases) {
            CPageLayoutDlg dlg;
            CString strShown;
            Run(dlg, [&](CDialog& d) {
                Type(d, nID, c.typed);
                d.GetDlgItemText(int(nID), strShown);
                Post(d, IDCANCEL);
            });
            EXPECT_EQ(strShown, CString(c.shown)) << nID << " typed " << CString(c.typed).ToUtf8();
        }
    }
}

TEST_F(PrintDialogsTest, ARefusedLayoutClosesWithCancelAndSaysWhy)
{
    const struct {
        PageLayoutFit fit;
        const char* text;
        UINT nIcon;
    } cases[] = {
        {PageLayoutFit::BlockOutside, "There are not enough pages to contain all Block(s),so size update fail!!!",
         MB_ICONSTOP},
        {PageLayoutFit::WireBelow, "There are not enough pages to contain all Block(s),so size update fail!", 0},
        {PageLayoutFit::WireRight, "There are not enough pages to contain all Block(s),so size update fail!!!", 0},
    };
    for (const auto& c : cases) {
        m_boxes.Clear();
        CPageLayoutDlg dlg;
        dlg.m_nPagesAcross = 3;
        dlg.m_nPagesDown = 2;
        std::vector<std::pair<int, int>> asked;
        dlg.m_checkFit = [&](int nAcross, int nDown) {
            asked.emplace_back(nAcross, nDown);
            return c.fit;
        };
        const INT_PTR nResult = Run(dlg, [&](CDialog& d) {
            Type(d, CPageLayoutDlg::IDC_ACROSS, _T("1"));
            Post(d, IDOK);
        });
        EXPECT_EQ(nResult, IDCANCEL) << c.text;
        EXPECT_EQ(asked, (std::vector<std::pair<int, int>>{{1, 2}}));
        ASSERT_EQ(m_boxes.Boxes().size(), 1u);
        EXPECT_EQ(m_boxes.Boxes()[0].text.ToUtf8(), c.text);
        EXPECT_EQ(m_boxes.Boxes()[0].caption.ToUtf8(), "Page Size");
        EXPECT_EQ(m_boxes.Boxes()[0].type & MB_ICONMASK, c.nIcon);
    }
}

TEST_F(PrintDialogsTest, ThePageLayoutPictureKeepsTheNumbersItWasOpenedWith)
{
    // Inside the first of three pages across (92..116, 76..92) but left of the one page's grid.
    const CPoint ptFirstOfThree(96, 86);
    const struct {
        int nOpened;
        LPCTSTR across;
        COLORREF color;
    } cases[] = {{1, _T("3"), RGB(132, 130, 132)}, {3, _T("1"), RGB(255, 255, 255)}, {3, _T(""), RGB(255, 255, 255)}};
    for (const auto& c : cases) {
        CPageLayoutDlg dlg;
        dlg.m_nPagesAcross = c.nOpened;
        PixelBuffer pixels(CPageLayoutPreview::kWidth, CPageLayoutPreview::kHeight);
        Run(dlg, [&](CDialog& d) {
            Type(d, CPageLayoutDlg::IDC_ACROSS, c.across);
            RecordingSurface surface(pixels, DeviceCaps{});
            CDC dc(surface);
            auto* pPreview = dynamic_cast<CPageLayoutPreview*>(d.GetDlgItem(CPageLayoutDlg::IDC_PREVIEW));
            ASSERT_NE(pPreview, nullptr);
            pPreview->Draw(&dc);
            Post(d, IDCANCEL);
        });
        EXPECT_EQ(pixels.GetPixel(ptFirstOfThree.x, ptFirstOfThree.y), c.color) << CString(c.across).ToUtf8();
    }
}

// Use As Default and Print Blocks parameters are taken on OK; TitleBlock and Help do nothing.
TEST_F(PrintDialogsTest, TheCheckBoxesAreTakenAndTheButtonsWithoutActionLeaveTheDialogOpen)
{
    CPageLayoutDlg layout;
    EXPECT_EQ(Run(layout,
                  [](CDialog& d) {
                      Click(d, CPageLayoutDlg::IDC_HELP_BUTTON);
                      EXPECT_TRUE(d.IsWindowVisible());
                      d.CheckDlgButton(int(CPageLayoutDlg::IDC_USE_AS_DEFAULT), BST_CHECKED);
                      Post(d, IDOK);
                  }),
              IDOK);
    EXPECT_TRUE(layout.m_bUseAsDefault);

    CPrintSetupDlg setup;
    EXPECT_EQ(Run(setup,
                  [](CDialog& d) {
                      for (UINT nID : {CPrintSetupDlg::IDC_TITLE_BLOCK, CPrintSetupDlg::IDC_HELP_BUTTON})
                          Click(d, nID);
                      EXPECT_TRUE(d.IsWindowVisible());
                      ASSERT_TRUE(d.GetDlgItem(int(CPrintSetupDlg::IDC_PRINT_PARAMETERS))->IsWindowEnabled());
                      d.CheckDlgButton(int(CPrintSetupDlg::IDC_PRINT_PARAMETERS), BST_CHECKED);
                      Post(d, IDOK);
                  }),
              IDOK);
    EXPECT_TRUE(setup.m_bPrintParameters);
}

TEST_F(PrintDialogsTest, ThePageLayoutPictureNumbersThePagesRowByRow)
{
    // Three across, two down: cells of 24 x 16 centred in the 253 x 165 picture.
    EXPECT_EQ(CPageLayoutPreview::GridOrigin(3, 2), CPoint(92, 68));
    EXPECT_EQ(CPageLayoutPreview::GridOrigin(1, 1), CPoint(116, 76));
}

TEST_F(PrintDialogsTest, PrintSetupOpensWithA4ScaledToThePageEveryTime)
{
    AfxGetPrinterSettings().bLandscape = TRUE;
    for (int nRun = 0; nRun < 2; ++nRun) {
        CPrintSetupDlg dlg;
        std::vector<int> states;
        const INT_PTR nResult = Run(dlg, [&](CDialog& d) {
            for (UINT nID : {CPrintSetupDlg::IDC_A4, CPrintSetupDlg::IDC_SCALE_TO_PAGE, CPrintSetupDlg::IDC_HORIZONTAL})
                states.push_back(int(d.IsDlgButtonChecked(int(nID))));
            for (UINT nID : {CPrintSetupDlg::IDC_A2, CPrintSetupDlg::IDC_A3, CPrintSetupDlg::IDC_SCALE_TO_PAPER,
                             CPrintSetupDlg::IDC_SCALING, CPrintSetupDlg::IDC_FACTOR})
                states.push_back(int(d.GetDlgItem(int(nID))->IsWindowEnabled()));
            // What the user chooses is taken on OK, but not remembered for the next time.
            Click(d, CPrintSetupDlg::IDC_SCALE_TO_PAGE);
            Click(d, CPrintSetupDlg::IDC_A3);
            Click(d, CPrintSetupDlg::IDC_VERTICAL);
            Post(d, IDOK);
        });
        EXPECT_EQ(nResult, IDOK);
        EXPECT_EQ(states, (std::vector<int>{1, 1, nRun == 0 ? 1 : 0, 0, 0, 0, 0, 0})) << "run " << nRun;
        EXPECT_EQ(dlg.m_nPageSize, PRINT_PAGE_A3);
        EXPECT_EQ(dlg.m_nScaleMode, PRINT_SCALE_TO_PAGE);
        EXPECT_FALSE(dlg.m_bLandscape);
        // The orientation is the application's printer setting: the next job prints upright.
        EXPECT_FALSE(AfxGetPrinterSettings().bLandscape);
    }
}

TEST_F(PrintDialogsTest, PrintSetupScaleModesEnableTheirControls)
{
    CPrintSetupDlg dlg;
    std::vector<int> states;
    Run(dlg, [&](CDialog& d) {
        // "Scaling" is offered only once the modes are reachable; pressing it directly shows
        // what it sets up.
        Click(d, CPrintSetupDlg::IDC_SCALING);
        for (UINT nID : {CPrintSetupDlg::IDC_FACTOR, CPrintSetupDlg::IDC_A2, CPrintSetupDlg::IDC_A4})
            states.push_back(int(d.GetDlgItem(int(nID))->IsWindowEnabled()));
        states.push_back(int(d.IsDlgButtonChecked(int(CPrintSetupDlg::IDC_SCALING))));
        states.push_back(int(d.IsDlgButtonChecked(int(CPrintSetupDlg::IDC_SCALE_TO_PAGE))));
        Click(d, CPrintSetupDlg::IDC_SCALE_TO_PAGE);
        for (UINT nID : {CPrintSetupDlg::IDC_FACTOR, CPrintSetupDlg::IDC_A2, CPrintSetupDlg::IDC_A4})
            states.push_back(int(d.GetDlgItem(int(nID))->IsWindowEnabled()));
        Post(d, IDCANCEL);
    });
    EXPECT_EQ(states, (std::vector<int>{1, 0, 0, 1, 0, 0, 1, 1}));
}

TEST_F(PrintDialogsTest, PrintSetupRefusesAFactorAboveTwo)
{
    CPrintSetupDlg dlg;
    const INT_PTR nResult = Run(dlg, [&](CDialog& d) {
        Click(d, CPrintSetupDlg::IDC_SCALING);
        Type(d, CPrintSetupDlg::IDC_FACTOR, _T("2.5"));
        Post(d, IDOK);
        Post(d, IDCANCEL);
    });
    EXPECT_EQ(nResult, IDCANCEL);
    EXPECT_EQ(m_boxes.Boxes().size(), 1u);

    m_boxes.Clear();
    CPrintSetupDlg accepted;
    EXPECT_EQ(Run(accepted,
                  [&](CDialog& d) {
                      Click(d, CPrintSetupDlg::IDC_SCALING);
                      Type(d, CPrintSetupDlg::IDC_FACTOR, _T("1.5"));
                      Post(d, IDOK);
                  }),
              IDOK);
    EXPECT_DOUBLE_EQ(accepted.m_dScale, 1.5);
    EXPECT_EQ(accepted.m_nScaleMode, PRINT_SCALE_BY_FACTOR);
    EXPECT_TRUE(m_boxes.Boxes().empty());
}

TEST_F(PrintDialogsTest, EnterInTheFactorDoesNotCloseTheDialog)
{
    CEnterSafeEdit edit;
    MSG enter{};
    enter.message = WM_KEYDOWN;
    enter.wParam = VK_RETURN;
    EXPECT_TRUE(edit.PreTranslateMessage(&enter));
    MSG digit = enter;
    digit.wParam = '1';
    EXPECT_FALSE(edit.PreTranslateMessage(&digit));
}

TEST_F(PrintDialogsTest, TheEllipsisLabelShortensAPathInTheMiddle)
{
    EXPECT_EQ(CEllipsisLabel(DT_SINGLELINE, 1).GetDrawFormat(), UINT(DT_SINGLELINE | DT_PATH_ELLIPSIS));
    EXPECT_EQ(CEllipsisLabel(DT_SINGLELINE, 0).GetDrawFormat(), UINT(DT_SINGLELINE | DT_END_ELLIPSIS));
}

TEST_F(PrintDialogsTest, AColourDialogWithoutACaptionKeepsItsOwnTitle)
{
    CHColorDialog dlg(CString(), RGB(1, 2, 3), CC_RGBINIT);
    CString strCaption;
    Run(dlg, [&](CDialog& d) {
        d.GetWindowText(strCaption);
        Post(d, IDCANCEL);
    });
    EXPECT_EQ(strCaption.ToUtf8(), "Color");
}

TEST(ImagePrinterTest, KeepsTheFinishedPagesOfAJobAndNothingOfAnAbortedOne)
{
    ImagePages out;
    CDC dc;
    ASSERT_TRUE(dc.CreatePrinterDC(std::make_unique<CImagePrinter>(40, 30, 96, out)));
    ASSERT_GT(dc.StartDoc(_T("job")), 0);
    for (COLORREF colour : {RGB(255, 0, 0), RGB(0, 0, 255)}) {
        ASSERT_GT(dc.StartPage(), 0);
        dc.FillSolidRect(0, 0, 10, 10, colour);
        ASSERT_GT(dc.EndPage(), 0);
    }
    ASSERT_GT(dc.EndDoc(), 0);
    ASSERT_EQ(out.pages.size(), 2u);
    EXPECT_EQ(out.pages[0].GetPixel(5, 5), RGB(255, 0, 0));
    EXPECT_EQ(out.pages[1].GetPixel(5, 5), RGB(0, 0, 255));
    // Each page starts white.
    EXPECT_EQ(out.pages[1].GetPixel(20, 20), RGB(255, 255, 255));

    ASSERT_GT(dc.StartDoc(_T("again")), 0);
    ASSERT_GT(dc.StartPage(), 0);
    dc.AbortDoc();
    EXPECT_EQ(out.pages.size(), 2u);
}

// Enter, as Qt delivers it to the control with the focus, presses OK, which is drawn as the
// default button: when the dialog opens and after a click on the check box. A radio button keeps
// Enter to itself, so the dialog stays open until Escape.
class PrintSetupQtTest : public QtControlsSuite {
protected:
    void SetUp() override
    {
        QtControlsSuite::SetUp();
        InitQtDialogServices();
    }
    void TearDown() override
    {
        CDialog::SetDialogHook(nullptr);
        ShutdownQtDialogServices();
        QtControlsSuite::TearDown();
    }
};

TEST_F(PrintSetupQtTest, EnterPressesTheDefaultOk)
{
    const struct {
        const char* name;
        UINT nClicked;  // 0: nothing
        INT_PTR nResult;
    } cases[] = {
        {"at the opening", 0, IDOK},
        {"after the check box", CPrintSetupDlg::IDC_PRINT_PARAMETERS, IDOK},
        {"after a radio button", CPrintSetupDlg::IDC_VERTICAL, IDCANCEL},
    };
    for (const auto& c : cases) {
        CPrintSetupDlg dlg(&m_top);
        bool bOkDrawnAsDefault = false;
        CDialog::SetDialogHook([&](CDialog& d) {
            QTimer::singleShot(0, [&] {
                auto* pOk = QtWidgetOf(*d.GetDlgItem(IDOK))->findChild<QPushButton*>();
                bOkDrawnAsDefault = pOk && pOk->isDefault();
                if (c.nClicked)
                    QtClick(QtWidgetOf(*d.GetDlgItem(int(c.nClicked)))->focusProxy());
                CWnd* pFocus = CWnd::GetFocus();
                ASSERT_NE(pFocus, nullptr);
                QWidget* pFocusWidget = QtWidgetOf(*pFocus);
                QtType(pFocusWidget->focusProxy() ? pFocusWidget->focusProxy() : pFocusWidget, Qt::Key_Return,
                       QStringLiteral("\r"));
                if (IsWindow(&d))
                    d.PostMessage(WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
            });
        });
        EXPECT_EQ(dlg.DoModal(), c.nResult) << c.name;
        EXPECT_TRUE(bOkDrawnAsDefault) << c.name;
    }
}

}  // namespace
