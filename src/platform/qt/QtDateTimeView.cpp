// The date/time picker's view: a QDateTimeEdit with the control's range and format; the date
// or time the user edits becomes the control's (DTN_DATETIMECHANGE).
#include "platform/qt/QtControlViews.h"

#include "platform/ui/DateTimeCtrl.h"

#include <QDateTimeEdit>

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
        QObject::connect(pEdit, &QDateTimeEdit::dateTimeChanged, [this](const QDateTime& dateTime) {
            m_picker.UserSetTime(FromQDateTime(dateTime));
            Refresh();
        });
    }

protected:
    void Sync() override
    {
        SYSTEMTIME range[2] = {};
        const DWORD dwRange = m_picker.GetRange(&range[0], &range[1]);
        m_pEdit->clearMinimumDateTime();
        m_pEdit->clearMaximumDateTime();
        if (dwRange & GDTR_MIN)
            m_pEdit->setMinimumDateTime(ToQDateTime(range[0]));
        if (dwRange & GDTR_MAX)
            m_pEdit->setMaximumDateTime(ToQDateTime(range[1]));
        QString strFormat = ToQString(m_picker.GetFormat());
        if (strFormat.isEmpty())
            strFormat = (m_picker.GetStyle() & DTS_TIMEFORMAT) == DTS_TIMEFORMAT ? QStringLiteral("H:mm:ss")
                                                                                 : QStringLiteral("dd.MM.yyyy");
        m_pEdit->setDisplayFormat(strFormat);
        SYSTEMTIME st = {};
        if (m_picker.GetTime(&st) == GDT_VALID)
            m_pEdit->setDateTime(ToQDateTime(st));
    }

private:
    CDateTimeCtrl& m_picker;
    QDateTimeEdit* m_pEdit;
};

}  // namespace

std::unique_ptr<IControlView> MakeQtDateTimeView(CDateTimeCtrl& picker)
{
    return std::make_unique<QtDateTimeView>(picker, new QDateTimeEdit);
}
