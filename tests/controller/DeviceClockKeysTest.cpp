// The clock dialogs' fields under the keys and clicks Qt delivers to the widgets behind them.
#include "controller/DeviceClockDlg.h"
#include "controller/SummerTimeDlg.h"
#include "platform/core/MessageBox.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DateTimeCtrl.h"
#include "shell/MainFrame.h"
#include "support/QtTestInput.h"
#include "support/RunningApp.h"

#include <string>

namespace {

TEST(DeviceClockKeysTest, FieldsTakeTypedNumbersArrowsAndDateParts)
{
    if (!RunningApp::OnQt())
        GTEST_SKIP() << "keys through the Qt widgets";
    RunningApp app("qarvo-clockkeys", RunningApp::Backend::Qt);
    InitQtControls();
    ASSERT_TRUE(app.Start());
    CDeviceClockDlg& clock = AfxGetMainFrame()->m_dlgDeviceClock;
    CSummerTimeDlg& summer = AfxGetMainFrame()->m_dlgSummerTime;
    ASSERT_TRUE(clock.Create(AfxGetMainFrame()) && summer.Create(AfxGetMainFrame()));
    static_cast<CButton*>(summer.GetDlgItem(int(CSummerTimeDlg::IDC_ACTIVE)))->Click();
    static_cast<CComboBox*>(summer.GetDlgItem(int(CSummerTimeDlg::IDC_RULE)))->UserSelect(DST_RULE_FREE);
    using C = CDeviceClockDlg;
    // nClickAt: the date's character clicked first; sent: the field's text, or the date Write sends.
    const struct { CDialog* pDlg; UINT nID; int nClickAt; const char* typed; const char* sent; } cases[] = {
        {&clock, C::IDC_MINUTE, 0, "\b37", "37"}, {&clock, C::IDC_SECOND, 0, "\b42", "42"},
        {&clock, C::IDC_MINUTE, 0, "759", "59"}, {&clock, C::IDC_HOUR, 0, "\b^^", "2"},
        {&clock, C::IDC_HOUR, 0, "23v", "22"}, {&summer, CSummerTimeDlg::IDC_START_MONTH, 0, "3^", "4"},
        {&summer, CSummerTimeDlg::IDC_DIFFERENCE, 0, "180^", "180"},
        {&clock, C::IDC_DATE, 0, "07", "7.3.2030"}, {&clock, C::IDC_DATE, 4, "07", "9.7.2030"},
        {&clock, C::IDC_DATE, 8, "2031", "9.3.2031"}, {&clock, C::IDC_DATE, 1, ">11", "9.11.2030"},
        {&clock, C::IDC_DATE, 8, "<<4.3.2032", "4.3.2032"}, {&clock, C::IDC_DATE, 4, "^", "9.4.2030"},
        {&clock, C::IDC_DATE, 9, "*15.06.2033", "15.6.2033"},
    };
    for (const auto& c : cases) {
        CWnd& field = *c.pDlg->GetDlgItem(int(c.nID));
        CString strSent;
        if (auto* pDate = dynamic_cast<CDateTimeCtrl*>(&field)) {
            const SYSTEMTIME st = {2030, 3, 6, 9, 0, 0, 0, 0};
            pDate->SetTime(&st);
            QtTypeAtCharacter(field, c.nClickAt, c.typed);
            clock.SendMessage(WM_COMMAND, MAKEWPARAM(C::IDC_WRITE, BN_CLICKED), 0);
            strSent.Format(_T("%d.%d.%d"), clock.m_nDay, clock.m_nMonth, clock.m_nYear);
        } else {
            QtRetype(field, c.typed);
            field.GetWindowText(strSent);
        }
        EXPECT_EQ(strSent.ToUtf8(), c.sent) << c.nID << " " << c.typed;
    }
    // Set sends no calibration past -30..30 seconds a week, which would arrive wrapped in 16 bits.
    CMessageBoxRecorder boxes;
    QtRetype(*clock.GetDlgItem(int(C::IDC_CALIBRATION)), "300000");
    clock.SendMessage(WM_COMMAND, MAKEWPARAM(C::IDC_SET, BN_CLICKED), 0);
    EXPECT_EQ(boxes.Boxes().size(), 1u) << "the range message";
}

}  // namespace
