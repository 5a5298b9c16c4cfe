// The date field's keys as Qt delivers them: typed digits and the arrows edit the date the
// program reads, Right stepping from one part to the next.
#include "platform/qt/QtControlView.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/MessageQueue.h"
#include "platform/ui/WinThread.h"
#include "support/QtTestInput.h"

#include <QDateTimeEdit>

#include <string>
#include <vector>

namespace {

using QtDateTimeKeysTest = QtControlsSuite;

QtKey Digit(char16_t ch)
{
    static const char16_t* const kDigits[] = {u"0", u"1", u"2", u"3", u"4", u"5", u"6", u"7", u"8", u"9"};
    return {Qt::Key(Qt::Key_0 + (ch - u'0')), Qt::NoModifier, kDigits[ch - u'0']};
}

TEST_F(QtDateTimeKeysTest, DigitsAndArrowsEditTheDate)
{
    const struct {
        std::vector<QtKey> keys;
        const char* after;   // day.month.year
    } cases[] = {
        {{kQtHome, kQtUp}, "6.1.2020"},
        {{kQtHome, kQtDown, kQtDown}, "3.1.2020"},
        {{kQtHome, kQtRight, kQtUp}, "5.2.2020"},
        {{kQtHome, kQtShiftRight, kQtShiftRight, Digit(u'1'), Digit(u'7')}, "17.1.2020"},
    };
    for (const auto& c : cases) {
        CDateTimeCtrl picker;
        ASSERT_TRUE(picker.Create(WS_VISIBLE | WS_TABSTOP | DTS_SHORTDATEFORMAT, CRect(10, 10, 150, 34), &m_top, 7));
        SYSTEMTIME st = {2020, 1, 0, 5, 0, 0, 0, 0};
        picker.SetTime(&st);
        picker.SetFocus();
        auto* pEdit = QtWidgetOf(picker)->findChild<QDateTimeEdit*>();
        ASSERT_NE(pEdit, nullptr);
        for (const QtKey& key : c.keys)
            key.TypeInto(pEdit);
        ASSERT_EQ(picker.GetTime(&st), GDT_VALID);
        EXPECT_EQ(std::to_string(st.wDay) + "." + std::to_string(st.wMonth) + "." + std::to_string(st.wYear), c.after)
            << c.keys.size() << " keys: " << pEdit->text().toStdString();
        picker.DestroyWindow();
    }
}

}  // namespace
