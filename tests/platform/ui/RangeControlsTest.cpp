// The progress bar, the trackbar and the date/time picker: ranges, clamping and notifications.
#include "DialogTestSupport.h"

#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/ProgressCtrl.h"
#include "platform/ui/SliderCtrl.h"

namespace {

const CRect kRect(0, 0, 120, 24);

class CScrollLog : public CWnd {
public:
    EventLog m_events;

protected:
    LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override
    {
        if (message == WM_HSCROLL || message == WM_VSCROLL)
            m_events.push_back(std::string(message == WM_HSCROLL ? "h:" : "v:") +
                               std::to_string(LOWORD(DWORD(wParam))) + ":" +
                               std::to_string(HIWORD(DWORD(wParam))));
        if (message == WM_NOTIFY) {
            const auto* pChange = reinterpret_cast<const NMDATETIMECHANGE*>(lParam);
            if (pChange->nmhdr.code == DTN_DATETIMECHANGE)
                m_events.push_back("datetime:" + std::to_string(pChange->dwFlags) + ":" +
                                   std::to_string(pChange->st.wYear) + "-" +
                                   std::to_string(pChange->st.wMonth) + "-" +
                                   std::to_string(pChange->st.wDay));
        }
        return CWnd::WindowProc(message, wParam, lParam);
    }
};

using RangeControlsTest = OwnedControlsTest<CScrollLog>;

SYSTEMTIME Date(WORD wYear, WORD wMonth, WORD wDay, WORD wHour = 0, WORD wMinute = 0)
{
    SYSTEMTIME st = {};
    st.wYear = wYear;
    st.wMonth = wMonth;
    st.wDay = wDay;
    st.wHour = wHour;
    st.wMinute = wMinute;
    return st;
}

TEST_F(RangeControlsTest, ProgressClampsAndWrapsItsSteps)
{
    CProgressCtrl progress;
    ASSERT_TRUE(progress.Create(WS_VISIBLE, kRect, &m_owner, 1));
    int nLower = -1, nUpper = -1;
    progress.GetRange(nLower, nUpper);
    EXPECT_EQ(nLower, 0);
    EXPECT_EQ(nUpper, 100);
    EXPECT_EQ(progress.SetPos(150), 0);
    EXPECT_EQ(progress.GetPos(), 100);
    progress.SetPos(-5);
    EXPECT_EQ(progress.GetPos(), 0);
    progress.SetRange32(10, 40);
    EXPECT_EQ(progress.GetPos(), 10);   // the position follows the new range
    progress.SetStep(25);
    progress.StepIt();
    EXPECT_EQ(progress.GetPos(), 35);
    progress.StepIt();                  // past the upper end: again from the lower one
    EXPECT_EQ(progress.GetPos(), 30);
    EXPECT_EQ(progress.SendMessage(PBM_GETPOS), 30);
    EXPECT_EQ(progress.SendMessage(PBM_GETRANGE, TRUE), 10);
}

TEST_F(RangeControlsTest, SliderClampsAndReportsTheUsersMoves)
{
    CSliderCtrl slider;
    ASSERT_TRUE(slider.Create(WS_VISIBLE | TBS_AUTOTICKS, kRect, &m_owner, 2));
    slider.SetRange(0, 10);
    slider.SetPageSize(4);
    slider.SetTicFreq(5);
    EXPECT_EQ(slider.GetTicPositions(), (std::vector<int>{0, 5, 10}));
    slider.SetPos(12);
    EXPECT_EQ(slider.GetPos(), 10);
    EXPECT_TRUE(Take().empty());   // the program's changes notify nobody

    slider.SendMessage(WM_KEYDOWN, VK_PRIOR);
    EXPECT_EQ(slider.GetPos(), 6);
    slider.SendMessage(WM_KEYDOWN, VK_HOME);
    slider.SendMessage(WM_KEYDOWN, VK_LEFT);   // already at the minimum: held there
    EXPECT_EQ(slider.GetPos(), 0);
    slider.UserMove(TB_THUMBTRACK, 7);
    slider.UserMove(TB_THUMBPOSITION, 7);
    EXPECT_EQ(Take(), (EventLog{"h:2:0", "h:8:0", "h:6:0", "h:8:0", "h:0:0", "h:8:0", "h:5:7",
                                "h:4:7", "h:8:0"}));

    CSliderCtrl vertical;
    ASSERT_TRUE(vertical.Create(WS_VISIBLE | TBS_VERT, kRect, &m_owner, 3));
    vertical.UserMove(TB_LINEDOWN);
    EXPECT_EQ(Take(), (EventLog{"v:1:0", "v:8:0"}));
}

TEST_F(RangeControlsTest, DateTimeRoundTripRangeAndChangeNotification)
{
    CDateTimeCtrl picker;
    ASSERT_TRUE(picker.Create(WS_VISIBLE | DTS_SHORTDATEFORMAT, kRect, &m_owner, 4));
    SYSTEMTIME st = Date(2024, 2, 29, 13, 5);
    ASSERT_TRUE(picker.SetTime(&st));
    SYSTEMTIME read = {};
    EXPECT_EQ(picker.GetTime(&read), GDT_VALID);
    EXPECT_EQ(AfxCompareSystemTime(read, st), 0);
    EXPECT_EQ(read.wDayOfWeek, 4);   // a Thursday
    EXPECT_TRUE(Take().empty());

    // Not a date, or no time without DTS_SHOWNONE: refused, the time stays.
    for (const SYSTEMTIME& bad : {Date(2023, 2, 29), Date(2024, 13, 1), Date(2024, 1, 1, 24)})
        EXPECT_FALSE(picker.SetTime(&bad));
    EXPECT_FALSE(picker.SetTime(nullptr));
    picker.GetTime(&read);
    EXPECT_EQ(read.wDay, 29);

    const SYSTEMTIME range[2] = {Date(2024, 1, 1), Date(2024, 12, 31)};
    EXPECT_TRUE(picker.SendMessage(DTM_SETRANGE, GDTR_MIN | GDTR_MAX, reinterpret_cast<LPARAM>(range)));
    const SYSTEMTIME outside = Date(2025, 1, 1);
    EXPECT_FALSE(picker.SetTime(&outside));
    // The user's choice is held inside the range and reported.
    picker.UserSetTime(Date(2030, 6, 1));
    EXPECT_EQ(Take(), (EventLog{"datetime:0:2024-12-31"}));
    picker.SetFormat(_T("dd.MM.yyyy"));
    EXPECT_EQ(picker.FormatTime(), CString(_T("31.12.2024")));
    picker.SetFormat(_T("'at' HH:mm"));
    EXPECT_EQ(picker.FormatTime(), CString(_T("at 00:00")));
}

}  // namespace
