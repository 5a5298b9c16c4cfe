// The date field's keys and clicks as Qt delivers them: a date or time is edited part by part,
// and what the user typed is the date or time the program reads.
#include "platform/qt/QtControlView.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/WinThread.h"
#include "support/QtTestInput.h"

#include <QDateTimeEdit>
#include <QLineEdit>

#include <string>
#include <vector>

namespace {

using QtDateTimeKeysTest = QtControlsSuite;

QtKey Digit(char16_t ch)
{
    static const char16_t* const kDigits[] = {u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9"};
    return {Qt::Key(Qt::Key_0 + (ch - u'0')), Qt::NoModifier, kDigits[ch - u'0']};
}

constexpr QtKey kQtPoint{Qt::Key_Period, Qt::NoModifier, u"."};
constexpr QtKey kQtColon{Qt::Key_Colon, Qt::NoModifier, u":"};

TEST_F(QtDateTimeKeysTest, PartsAreEditedByClicksDigitsArrowsAndSeparators)
{
    const struct {
        DWORD dwStyle;
        int nClickAt;   // the character clicked first, -1 for none
        std::vector<QtKey> keys;
        const char* after;   // day.month.year hour:minute:second
    } cases[] = {
        {DTS_SHORTDATEFORMAT, -1, {kQtHome, kQtUp}, "6.1.2020 0:0:0"},
        {DTS_SHORTDATEFORMAT, -1, {kQtHome, kQtDown, kQtDown}, "3.1.2020 0:0:0"},
        {DTS_SHORTDATEFORMAT, -1, {kQtHome, kQtRight, kQtUp}, "5.2.2020 0:0:0"},
        {DTS_SHORTDATEFORMAT, -1, {kQtHome, kQtShiftRight, kQtShiftRight, Digit(u'1'), Digit(u'7')}, "17.1.2020 0:0:0"},
        {DTS_SHORTDATEFORMAT, 0, {Digit(u'0'), Digit(u'7')}, "7.1.2020 0:0:0"},
        {DTS_SHORTDATEFORMAT, 4, {Digit(u'0'), Digit(u'7')}, "5.7.2020 0:0:0"},
        {DTS_SHORTDATEFORMAT, 8, {Digit(u'2'), Digit(u'0'), Digit(u'3'), Digit(u'1')}, "5.1.2031 0:0:0"},
        {DTS_SHORTDATEFORMAT, 1, {kQtRight, Digit(u'1'), Digit(u'1')}, "5.11.2020 0:0:0"},
        {DTS_SHORTDATEFORMAT, 8, {kQtLeft, kQtLeft, Digit(u'9')}, "9.1.2020 0:0:0"},
        {DTS_SHORTDATEFORMAT, 0, {Digit(u'4'), kQtPoint, Digit(u'3'), kQtPoint, Digit(u'2'), Digit(u'0'), Digit(u'3'), Digit(u'0')}, "4.3.2030 0:0:0"},
        {DTS_SHORTDATEFORMAT, 0, {kQtPoint, Digit(u'3')}, "5.3.2020 0:0:0"},
        {DTS_SHORTDATEFORMAT, 8, {kQtSelectAll, Digit(u'1'), Digit(u'5'), kQtPoint, Digit(u'0'), Digit(u'3'), kQtPoint,
                                  Digit(u'2'), Digit(u'0'), Digit(u'3'), Digit(u'0')}, "15.3.2030 0:0:0"},
        {DTS_SHORTDATEFORMAT, 0, {Digit(u'3'), Digit(u'7')}, "7.1.2020 0:0:0"},
        {DTS_TIMEFORMAT, 3, {Digit(u'4'), Digit(u'5')}, "5.1.2020 0:45:0"},
        {DTS_TIMEFORMAT, 0, {Digit(u'1'), Digit(u'7'), kQtColon, Digit(u'3'), kQtRight, kQtUp}, "5.1.2020 17:3:1"},
    };
    for (const auto& c : cases) {
        CDateTimeCtrl picker;
        ASSERT_TRUE(picker.Create(WS_VISIBLE | WS_TABSTOP | c.dwStyle, CRect(10, 10, 150, 34), &m_top, 7));
        SYSTEMTIME st = {2020, 1, 0, 5, 0, 0, 0, 0};
        picker.SetTime(&st);
        picker.SetFocus();
        auto* pEdit = QtWidgetOf(picker)->findChild<QDateTimeEdit*>();
        ASSERT_NE(pEdit, nullptr);
        if (c.nClickAt >= 0)
            QtClickCharacter(pEdit->findChild<QLineEdit*>(), c.nClickAt);
        for (const QtKey& key : c.keys)
            key.TypeInto(pEdit);
        ASSERT_EQ(picker.GetTime(&st), GDT_VALID);
        const std::string strAfter = std::to_string(st.wDay) + "." + std::to_string(st.wMonth) + "." +
                                     std::to_string(st.wYear) + " " + std::to_string(st.wHour) + ":" +
                                     std::to_string(st.wMinute) + ":" + std::to_string(st.wSecond);
        EXPECT_EQ(strAfter, c.after) << c.nClickAt << ", " << c.keys.size() << " keys: " << pEdit->text().toStdString();
        picker.DestroyWindow();
    }
}

}  // namespace
