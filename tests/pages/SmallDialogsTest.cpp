// The bit-mask dialog ("%04X" in and out) and the date-selection dialog (month and day buttons,
// the days a month allows, the marks of the chosen ones).
#include "SheetFixture.h"

#include "pages/controls/BitMaskDlg.h"
#include "pages/controls/DateSelectDlg.h"
#include "platform/qt/QtControlView.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/Button.h"

#include <QPushButton>

namespace {

class SmallDialogs : public SheetFixture {
protected:
    static void Click(CDialog& dlg, int nID) { dlg.SendMessage(WM_COMMAND, MAKEWPARAM(nID, BN_CLICKED), 0); }
};

TEST_F(SmallDialogs, TheBitMaskGoesInAndOutAsFourHexDigits)
{
    EXPECT_EQ(CBitMaskDlg::ParseMask(_T("8001")), 0x8001);
    EXPECT_EQ(CBitMaskDlg::ParseMask(_T("00FF")), 0x00FF);
    CBitMaskDlg dlg;
    dlg.m_strMask = _T("8001");
    std::vector<int> checked;
    CDialog::SetDialogHook([&](CDialog& shown) {
        for (int k = 0; k < BIT_MASK_BITS; ++k) {
            if (shown.IsDlgButtonChecked(IDC_BIT_FIRST + k))
                checked.push_back(k);
            shown.CheckDlgButton(IDC_BIT_FIRST + k, k == 4);
        }
        Click(shown, IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(checked, (std::vector<int>{0, 15}));
    EXPECT_EQ(dlg.m_strMask, CString(_T("0010")));
}

TEST_F(SmallDialogs, ADayTheMonthLacksHoldsOkBack)
{
    CDateSelectDlg dlg;
    dlg.m_nMonth2 = 3;
    dlg.m_nDay2 = 31;
    dlg.m_bFirstPair = 0;
    CString strMarkedApril;
    CDialog::SetDialogHook([&](CDialog& shown) {
        EXPECT_EQ(Text(shown, IDC_DAY_FIRST + 30), CString(_T("31*")));
        Click(shown, IDC_MONTH_FIRST + 3);  // April
        strMarkedApril = Text(shown, IDC_MONTH_FIRST + 3);
        EXPECT_EQ(Text(shown, IDC_MONTH_FIRST + 2), CString(_T("3"))) << "the mark left March";
        EXPECT_FALSE(Enabled(shown, IDOK));
        Click(shown, IDC_DAY_FIRST + 29);  // the 30th
        EXPECT_TRUE(Enabled(shown, IDOK));
        EXPECT_FALSE(Enabled(shown, IDC_DAY_FIRST + 30));
        Click(shown, IDOK);
    });
    ASSERT_EQ(dlg.DoModal(), IDOK);
    EXPECT_EQ(strMarkedApril, CString(_T("4*")));
    EXPECT_EQ(dlg.m_nMonth2, 4);
    EXPECT_EQ(dlg.m_nDay2, 30);
    EXPECT_EQ(dlg.m_nMonth1, 1) << "the other pair stays";

    // A month from a file that no button offers, a cleared day box: each starts at the first.
    CDateSelectDlg damaged;
    damaged.m_nMonth1 = 13;
    damaged.m_nDay1 = 0;
    CString strFirstDay;
    CDialog::SetDialogHook([&](CDialog& shown) {
        strFirstDay = Text(shown, IDC_DAY_FIRST);
        Click(shown, IDOK);
    });
    ASSERT_EQ(damaged.DoModal(), IDOK);
    EXPECT_EQ(strFirstDay, CString(_T("1*")));
    EXPECT_EQ(damaged.m_nMonth1, 1);
    EXPECT_EQ(damaged.m_nDay1, 1);
}

TEST_F(SmallDialogs, FebruaryTakesDay29AwayOnlyWhenAskedTo)
{
    for (int bFeb29 : {0, 1}) {
        CDateSelectDlg dlg;
        dlg.m_bFeb29 = bFeb29;
        BOOL bDay29 = FALSE;
        BOOL bDay30 = TRUE;
        CDialog::SetDialogHook([&](CDialog& shown) {
            Click(shown, IDC_MONTH_FIRST + 1);
            bDay29 = Enabled(shown, IDC_DAY_FIRST + 28);
            bDay30 = Enabled(shown, IDC_DAY_FIRST + 29);
            Click(shown, IDCANCEL);
        });
        dlg.DoModal();
        EXPECT_EQ(bDay29, bFeb29) << bFeb29;
        EXPECT_FALSE(bDay30);
    }
}

// Every month and every day up to the 30th is drawn as a default button, as the dialog sets them
// when it opens; the 31st and Cancel keep the plain style. On Qt the widget shows the style.
TEST_F(SmallDialogs, TheCalendarButtonsAreDrawnAsDefaultButtons)
{
    const bool bQt = RunningApp::BackendOfTheRun() == RunningApp::Backend::Qt;
    if (bQt)
        InitQtControls();
    CDateSelectDlg dlg;
    std::vector<int> plain;
    std::vector<int> drawnPlain;
    CDialog::SetDialogHook([&](CDialog& shown) {
        for (int nID = IDC_MONTH_FIRST; nID <= IDC_DAY_FIRST + 30; ++nID) {
            auto* pButton = dynamic_cast<CButton*>(shown.GetDlgItem(nID));
            ASSERT_NE(pButton, nullptr) << nID;
            if (pButton->ButtonType() != BS_DEFPUSHBUTTON)
                plain.push_back(nID);
            QWidget* pWidget = QtWidgetOf(*pButton);
            if (auto* pPush = pWidget ? pWidget->findChild<QPushButton*>() : nullptr; pPush && !pPush->isDefault())
                drawnPlain.push_back(nID);
        }
        auto* pCancel = dynamic_cast<CButton*>(shown.GetDlgItem(IDCANCEL));
        EXPECT_EQ(pCancel->ButtonType(), UINT(BS_PUSHBUTTON));
        Click(shown, IDCANCEL);
    });
    dlg.DoModal();
    EXPECT_EQ(plain, std::vector<int>{IDC_DAY_FIRST + 30});
    if (bQt) {
        EXPECT_EQ(drawnPlain, std::vector<int>{IDC_DAY_FIRST + 30});
    }
}

}  // namespace
