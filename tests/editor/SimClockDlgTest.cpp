// The simulated Set Clock dialog, opened and closed by the Simulation bar's Set date/time button:
// it starts at the frame's clock, Apply and OK set the clock (and raise the jump flag that makes
// the next scan move the timers), Cancel leaves it, the date stays within 2000 to 2099, and
// "Apply values immediately" sets the clock on every picker change and outlives the dialog.
#include "editor/SimulationFrame.h"

#include "editor/SimClockDlg.h"
#include "platform/ui/Button.h"
#include "platform/ui/DateTimeCtrl.h"

namespace {

constexpr SYSTEMTIME kStart = {2024, 3, 2, 5, 8, 7, 6, 0};  // Tuesday 5 March 2024 08:07:06

std::int64_t Ms(const SYSTEMTIME& st) { return SystemTimeToMs(&st); }

class SimClockDlgTest : public SimulationFrameTest {
protected:
    void SetUp() override
    {
        SimulationFrameTest::SetUp();
        StartSimulation(2400, kStart);
    }

    CButton& SetClockButton() { return *static_cast<CButton*>(Bar().GetDlgItem(IDC_SIM_SET_CLOCK)); }
    // Clicks the Set date/time button and returns the dialog it opened.
    CSimClockDlg& Open()
    {
        SetClockButton().Click();
        CSimClockDlg* pDlg = Bar().GetClockDlg();
        EXPECT_TRUE(pDlg && pDlg->m_hWnd);
        return *pDlg;
    }
    static CDateTimeCtrl& Picker(CSimClockDlg& dlg, UINT nID)
    {
        return *static_cast<CDateTimeCtrl*>(dlg.GetDlgItem(int(nID)));
    }
    static void ClickItem(CSimClockDlg& dlg, UINT nID) { static_cast<CButton*>(dlg.GetDlgItem(int(nID)))->Click(); }
    BOOL IsOpen() { return Bar().GetClockDlg() && Bar().GetClockDlg()->m_hWnd; }
};

TEST_F(SimClockDlgTest, OpensAtTheSimulatedClockWithItsRangeAndText)
{
    CSimClockDlg& dlg = Open();
    EXPECT_EQ(SetClockButton().GetCheck(), BST_CHECKED);
    for (UINT nID : {IDC_SIM_CLOCK_DATE, IDC_SIM_CLOCK_TIME}) {
        SYSTEMTIME st = {};
        ASSERT_EQ(Picker(dlg, nID).GetTime(&st), GDT_VALID);
        EXPECT_EQ(AfxCompareSystemTime(st, kStart), 0) << nID;
    }
    SYSTEMTIME stMin = {};
    SYSTEMTIME stMax = {};
    EXPECT_EQ(Picker(dlg, IDC_SIM_CLOCK_DATE).GetRange(&stMin, &stMax), GDTR_MIN | GDTR_MAX);
    EXPECT_EQ(AfxCompareSystemTime(stMin, SYSTEMTIME{2000, 1, 0, 1, 0, 0, 0, 0}), 0);
    EXPECT_EQ(AfxCompareSystemTime(stMax, SYSTEMTIME{2099, 12, 0, 31, 23, 59, 59, 0}), 0);
    CString strShown;
    dlg.GetDlgItemText(IDC_SIM_CLOCK_SHOWN, strShown);
    EXPECT_EQ(strShown, CString(_T("Tuesday, March 5, 2024 8:7:6 AM")));
    EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_SIM_CLOCK_IMMEDIATE), UINT(BST_UNCHECKED));
}

TEST_F(SimClockDlgTest, OkSetsTheDateAndTimeOfDayAndRaisesTheJump)
{
    CSimClockDlg& dlg = Open();
    Picker(dlg, IDC_SIM_CLOCK_DATE).UserSetTime(SYSTEMTIME{2031, 12, 0, 31, 8, 7, 6, 0});
    Picker(dlg, IDC_SIM_CLOCK_TIME).UserSetTime(SYSTEMTIME{2024, 3, 0, 5, 23, 59, 58, 0});
    EXPECT_EQ(Ms(Clock()), Ms(kStart)) << "without Apply values immediately a picker sets nothing";
    ClickItem(dlg, IDOK);

    const SYSTEMTIME st = Clock();
    EXPECT_EQ(Ms(st), Ms(SYSTEMTIME{2031, 12, 0, 31, 23, 59, 58, 0}));
    EXPECT_EQ(st.wDayOfWeek, 3) << "31 December 2031 is a Wednesday";
    EXPECT_EQ(m_pFrame->m_bClockSet, 1);
    SYSTEMTIME stPrev = {};
    m_pFrame->GetPrevSimTime(&stPrev);
    EXPECT_EQ(Ms(stPrev), Ms(kStart));
    EXPECT_FALSE(IsOpen());
    EXPECT_EQ(SetClockButton().GetCheck(), BST_UNCHECKED);

    // The clock runs on from the set time across the year's end.
    m_pFrame->OnSimTick();
    for (int i = 0; i < 80; ++i)
        m_pFrame->OnSimTick();
    EXPECT_EQ(Clock().wYear, 2032);
}

TEST_F(SimClockDlgTest, CancelAndTheButtonCloseWithoutChangingTheClock)
{
    struct Case {
        const char* name;
        bool bByButton;
    };
    for (const Case& c : {Case{"Cancel", false}, Case{"button", true}}) {
        CSimClockDlg& dlg = Open();
        Picker(dlg, IDC_SIM_CLOCK_DATE).UserSetTime(SYSTEMTIME{2050, 6, 0, 1, 0, 0, 0, 0});
        if (c.bByButton)
            SetClockButton().Click();
        else
            ClickItem(dlg, IDCANCEL);
        EXPECT_FALSE(IsOpen()) << c.name;
        EXPECT_EQ(SetClockButton().GetCheck(), BST_UNCHECKED) << c.name;
        EXPECT_EQ(Ms(Clock()), Ms(kStart)) << c.name;
        EXPECT_EQ(m_pFrame->m_bClockSet, 0) << c.name;
    }
}

TEST_F(SimClockDlgTest, DatesOutsideTheCenturyAreRefused)
{
    CSimClockDlg& dlg = Open();
    CDateTimeCtrl& date = Picker(dlg, IDC_SIM_CLOCK_DATE);
    const SYSTEMTIME stBefore = {1999, 12, 0, 31, 23, 59, 59, 0};
    const SYSTEMTIME stAfter = {2100, 1, 0, 1, 0, 0, 0, 0};
    EXPECT_FALSE(date.SetTime(&stBefore));
    EXPECT_FALSE(date.SetTime(&stAfter));
    date.UserSetTime(stAfter);
    ClickItem(dlg, IDC_SIM_CLOCK_APPLY);
    EXPECT_EQ(Clock().wYear, 2099) << "a date past the range is held at its end";
    date.UserSetTime(stBefore);
    ClickItem(dlg, IDC_SIM_CLOCK_APPLY);
    EXPECT_EQ(Clock().wYear, 2000);
    EXPECT_TRUE(IsOpen()) << "Apply keeps the dialog open";
}

TEST_F(SimClockDlgTest, ApplyValuesImmediatelySetsTheClockOnEveryChangeAndIsKept)
{
    CSimClockDlg& dlg = Open();
    ClickItem(dlg, IDC_SIM_CLOCK_IMMEDIATE);
    Picker(dlg, IDC_SIM_CLOCK_DATE).UserSetTime(SYSTEMTIME{2030, 1, 0, 2, 8, 7, 6, 0});
    EXPECT_EQ(Ms(Clock()), Ms(SYSTEMTIME{2030, 1, 0, 2, 8, 7, 6, 0}));
    // The time picker still holds the opening date; the date changed above stays.
    Picker(dlg, IDC_SIM_CLOCK_TIME).UserSetTime(SYSTEMTIME{2024, 3, 0, 5, 12, 5, 9, 0});
    EXPECT_EQ(Ms(Clock()), Ms(SYSTEMTIME{2030, 1, 0, 2, 12, 5, 9, 0}));
    CString strShown;
    dlg.GetDlgItemText(IDC_SIM_CLOCK_SHOWN, strShown);
    EXPECT_EQ(strShown, CString(_T("Wednesday, January 2, 2030 12:5:9 PM")));
    ClickItem(dlg, IDCANCEL);

    CSimClockDlg& again = Open();
    EXPECT_EQ(again.IsDlgButtonChecked(IDC_SIM_CLOCK_IMMEDIATE), UINT(BST_CHECKED)) << "the flag outlives the dialog";
    SYSTEMTIME st = {};
    Picker(again, IDC_SIM_CLOCK_DATE).GetTime(&st);
    EXPECT_EQ(st.wYear, 2030) << "a new opening starts at the clock as it is now";
}

TEST_F(SimClockDlgTest, LeavingTheSimulationWithTheDialogOpenTakesItDown)
{
    Open();
    m_pFrame->DestroySimBars();
    EXPECT_EQ(m_pFrame->GetSimulationBarDlg(), nullptr);
    m_pFrame->DestroyWindow();   // nothing of the dialog is left to touch
}

} // namespace
