// The device clock and summer/winter time dialogs under the user's keys and clicks, as Qt
// delivers them to the widgets behind the fields: numbers typed into fields that hold their
// value to its range, the arrow keys that step a field as its spin buttons do, and the date
// edited part by part.
#include "controller/DeviceClockDlg.h"
#include "controller/SummerTimeDlg.h"
#include "platform/qt/QtControlView.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/DateTimeCtrl.h"
#include "shell/MainFrame.h"
#include "support/QtTestInput.h"
#include "support/RunningApp.h"

#include <QDateTimeEdit>
#include <QLineEdit>

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

class DeviceClockKeysTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        if (!RunningApp::OnQt())
            GTEST_SKIP() << "keys through the Qt widgets";
        InitQtControls();
        ASSERT_TRUE(m_app.Start());
    }
    void TearDown() override
    {
        m_app.Close();
        AfxSetControlViewFactory(nullptr);
    }

    static QLineEdit* LineOf(CDialog& dlg, UINT nID)
    {
        return QtWidgetOf(*dlg.GetDlgItem(int(nID)))->findChild<QLineEdit*>();
    }
    static std::string Text(CDialog& dlg, UINT nID)
    {
        CString strText;
        dlg.GetDlgItemText(int(nID), strText);
        return strText.ToUtf8();
    }

    RunningApp m_app{"qarvo-clockkeys", RunningApp::BackendOfTheRun()};
};

TEST_F(DeviceClockKeysTest, TypedNumbersAndArrowKeysInTheTimeFields)
{
    CDeviceClockDlg& clock = AfxGetMainFrame()->m_dlgDeviceClock;
    ASSERT_TRUE(clock.Create(AfxGetMainFrame()));
    CSummerTimeDlg& summer = AfxGetMainFrame()->m_dlgSummerTime;
    ASSERT_TRUE(summer.Create(AfxGetMainFrame()));
    // The dates and the difference are the user's with the freely adjustable rule.
    static_cast<CButton*>(summer.GetDlgItem(int(CSummerTimeDlg::IDC_ACTIVE)))->Click();
    static_cast<CComboBox*>(summer.GetDlgItem(int(CSummerTimeDlg::IDC_RULE)))->UserSelect(DST_RULE_FREE);
    const struct {
        CDialog* pDlg;
        UINT nID;
        std::vector<QtKey> keys;   // after the field is selected and emptied
        const char* typed;
        const char* shown;
    } cases[] = {
        {&clock, CDeviceClockDlg::IDC_MINUTE, {}, "37", "37"},
        {&clock, CDeviceClockDlg::IDC_SECOND, {}, "42", "42"},
        {&clock, CDeviceClockDlg::IDC_HOUR, {}, "5", "5"},
        {&clock, CDeviceClockDlg::IDC_MINUTE, {}, "759", "59"},
        {&clock, CDeviceClockDlg::IDC_HOUR, {kQtUp, kQtUp}, "", "2"},
        {&clock, CDeviceClockDlg::IDC_SECOND, {kQtDown}, "", "0"},
        {&clock, CDeviceClockDlg::IDC_MINUTE, {kQtEnd, kQtUp}, "58", "59"},
        {&clock, CDeviceClockDlg::IDC_HOUR, {kQtDown}, "23", "22"},
        {&summer, CSummerTimeDlg::IDC_START_MONTH, {kQtUp}, "3", "4"},
        {&summer, CSummerTimeDlg::IDC_START_DAY, {kQtUp}, "31", "30"},
        {&summer, CSummerTimeDlg::IDC_END_DAY, {kQtDown}, "1", "1"},
        {&summer, CSummerTimeDlg::IDC_DIFFERENCE, {kQtUp}, "180", "180"},
        {&summer, CSummerTimeDlg::IDC_DIFFERENCE, {kQtDown}, "60", "59"},
    };
    for (const auto& c : cases) {
        QLineEdit* pLine = LineOf(*c.pDlg, c.nID);
        ASSERT_NE(pLine, nullptr);
        QtClick(pLine);
        kQtSelectAll.TypeInto(pLine);
        kQtBackspace.TypeInto(pLine);
        QtTypeText(pLine, c.typed);
        for (const QtKey& key : c.keys)
            key.TypeInto(pLine);
        EXPECT_EQ(Text(*c.pDlg, c.nID), c.shown) << c.nID << " " << c.typed << " " << c.keys.size();
    }
    // The fields hold what was last typed or stepped; Write sends them.
    clock.SendMessage(WM_COMMAND, MAKEWPARAM(CDeviceClockDlg::IDC_WRITE, BN_CLICKED), 0);
    EXPECT_EQ(clock.m_nHour, 22);
    EXPECT_EQ(clock.m_nMinute, 59);
    EXPECT_EQ(clock.m_nSecond, 0);
    summer.DestroyWindow();
    clock.DestroyWindow();
}

TEST_F(DeviceClockKeysTest, TheDateIsSetPartByPart)
{
    CDeviceClockDlg& clock = AfxGetMainFrame()->m_dlgDeviceClock;
    ASSERT_TRUE(clock.Create(AfxGetMainFrame()));
    auto* pDate = QtWidgetOf(*clock.GetDlgItem(int(CDeviceClockDlg::IDC_DATE)))->findChild<QDateTimeEdit*>();
    ASSERT_NE(pDate, nullptr);
    const struct {
        int nClickAt;   // a character of "dd.MM.yyyy"
        std::vector<QtKey> keys;
        const char* typed;
        const char* sent;   // day.month.year
    } cases[] = {
        {0, {}, "07", "7.3.2030"},
        {4, {}, "07", "9.7.2030"},
        {8, {}, "2031", "9.3.2031"},
        {1, {kQtRight}, "11", "9.11.2030"},
        {9, {kQtSelectAll}, "15.06.2033", "15.6.2033"},
    };
    for (const auto& c : cases) {
        const SYSTEMTIME st = {2030, 3, 6, 9, 0, 0, 0, 0};
        static_cast<CDateTimeCtrl*>(clock.GetDlgItem(int(CDeviceClockDlg::IDC_DATE)))->SetTime(&st);
        clock.m_nDay = 9;
        clock.m_nMonth = 3;
        clock.m_nYear = 2030;
        QtClickCharacter(pDate->findChild<QLineEdit*>(), c.nClickAt);
        for (const QtKey& key : c.keys)
            key.TypeInto(pDate);
        QtTypeText(pDate, c.typed);
        clock.SendMessage(WM_COMMAND, MAKEWPARAM(CDeviceClockDlg::IDC_WRITE, BN_CLICKED), 0);
        EXPECT_EQ(std::to_string(clock.m_nDay) + "." + std::to_string(clock.m_nMonth) + "." + std::to_string(clock.m_nYear),
                  c.sent)
            << c.nClickAt << " " << c.typed << ": " << pDate->text().toStdString();
    }
    clock.DestroyWindow();
}

}  // namespace
