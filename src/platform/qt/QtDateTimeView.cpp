// The date/time picker's view: a QDateTimeEdit with the control's range and format; the date
// or time the user edits becomes the control's (DTN_DATETIMECHANGE). Its parts are edited in
// the widget (QtDateFieldEdit): typed digits, the arrows and the keys that edit a line stay
// there.
#include "platform/qt/QtControlViews.h"
#include "platform/qt/QtDateFieldEdit.h"
#include "platform/qt/QtKeyMap.h"

#include "platform/ui/DateTimeCtrl.h"

#include <QDateTimeEdit>
#include <QKeyEvent>

namespace {

QDateTime ToQDateTime(const SYSTEMTIME& st)
{
    return QDateTime(QDate(st.wYear, st.wMonth, st.wDay), QTime(st.wHour, st.wMinute, st.wSecond));
}

SYSTEMTIME FromQDateTime(const QDateTime& dateTime)
{
    SYSTEMTIME st = {};
    st.wYear = WORD(dateTime.date().year());
    st.wMonth = WORD(dateTime.date().month());
    st.wDay = WORD(dateTime.date().day());
    st.wHour = WORD(dateTime.time().hour());
    st.wMinute = WORD(dateTime.time().minute());
    st.wSecond = WORD(dateTime.time().second());
    return st;
}

class QtDateTimeView : public QtControlView {
public:
    QtDateTimeView(CDateTimeCtrl& picker, QDateTimeEdit* pEdit) : QtControlView(picker, pEdit), m_picker(picker), m_pEdit(pEdit)
    {
        pEdit->setFocusPolicy(Qt::ClickFocus);
        pEdit->setCalendarPopup(!(picker.GetStyle() & DTS_UPDOWN) &&
                                (picker.GetStyle() & DTS_TIMEFORMAT) != DTS_TIMEFORMAT);
        QObject::connect(pEdit, &QDateTimeEdit::dateTimeChanged, [this, pAlive = Life()](const QDateTime& dateTime) {
            if (!*pAlive)
                return;
            // The owner's notification may close the dialog, and this view with the picker's window.
            m_picker.UserSetTime(FromQDateTime(dateTime));
            if (*pAlive)
                Refresh();
        });
    }

protected:
    bool KeepsKey(const QKeyEvent& event) const override
    {
        const bool bStep = (event.key() == Qt::Key_Up || event.key() == Qt::Key_Down) &&
                           !(event.modifiers() & (Qt::AltModifier | Qt::ControlModifier));
        return bStep || IsLineEditingKey(event);
    }
    void Sync() override
    {
        // Only what changed is set again: setting the format or the time anew puts the user's
        // caret back to the first field.
        SYSTEMTIME range[2] = {};
        const DWORD dwRange = m_picker.GetRange(&range[0], &range[1]);
        const QDateTime minimum = (dwRange & GDTR_MIN) ? ToQDateTime(range[0]) : QDateTime();
        const QDateTime maximum = (dwRange & GDTR_MAX) ? ToQDateTime(range[1]) : QDateTime();
        if (minimum != m_minimum || maximum != m_maximum) {
            m_minimum = minimum;
            m_maximum = maximum;
            m_pEdit->clearMinimumDateTime();
            m_pEdit->clearMaximumDateTime();
            if (minimum.isValid())
                m_pEdit->setMinimumDateTime(minimum);
            if (maximum.isValid())
                m_pEdit->setMaximumDateTime(maximum);
        }
        QString strFormat = ToQString(m_picker.GetFormat());
        if (strFormat.isEmpty())
            strFormat = (m_picker.GetStyle() & DTS_TIMEFORMAT) == DTS_TIMEFORMAT ? QStringLiteral("H:mm:ss")
                                                                                 : QStringLiteral("dd.MM.yyyy");
        if (m_pEdit->displayFormat() != strFormat)
            m_pEdit->setDisplayFormat(strFormat);
        SYSTEMTIME st = {};
        if (m_picker.GetTime(&st) == GDT_VALID && m_pEdit->dateTime() != ToQDateTime(st))
            m_pEdit->setDateTime(ToQDateTime(st));
    }

private:
    CDateTimeCtrl& m_picker;
    QDateTimeEdit* m_pEdit;
    // The range last given to the widget; invalid for an open end.
    QDateTime m_minimum;
    QDateTime m_maximum;
};

}  // namespace

std::unique_ptr<IControlView> MakeQtDateTimeView(CDateTimeCtrl& picker)
{
    return std::make_unique<QtDateTimeView>(picker, new QtDateFieldEdit);
}
