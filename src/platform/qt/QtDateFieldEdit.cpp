#include "platform/qt/QtDateFieldEdit.h"

#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include <algorithm>
#include <utility>

namespace {

// What a part takes: its largest value and its number of digits.
struct PartDigits {
    int nMax;
    int nDigits;
};

bool TakesDigits(QDateTimeEdit::Section section, PartDigits& digits)
{
    switch (section) {
    case QDateTimeEdit::DaySection:
        digits = {31, 2};
        return true;
    case QDateTimeEdit::MonthSection:
        digits = {12, 2};
        return true;
    case QDateTimeEdit::YearSection:
        digits = {9999, 4};
        return true;
    case QDateTimeEdit::HourSection:
        digits = {23, 2};
        return true;
    case QDateTimeEdit::MinuteSection:
    case QDateTimeEdit::SecondSection:
        digits = {59, 2};
        return true;
    default:
        return false;
    }
}

// The day of a month that has fewer days than the one asked for is its last.
QDate DateWithin(int nYear, int nMonth, int nDay)
{
    const QDate first(nYear, nMonth, 1);
    return first.isValid() ? QDate(nYear, nMonth, std::min(nDay, first.daysInMonth())) : QDate();
}

}  // namespace

QtDateFieldEdit::QtDateFieldEdit() { lineEdit()->installEventFilter(this); }

void QtDateFieldEdit::SelectPart(int nIndex)
{
    m_nPart = std::clamp(nIndex, 0, std::max(sectionCount() - 1, 0));
    setCurrentSectionIndex(m_nPart);
    setSelectedSection(sectionAt(m_nPart));
}

void QtDateFieldEdit::SetPart(Section section, int nValue)
{
    const QDate date = this->date();
    QTime time = this->time();
    QDate newDate = date;
    switch (section) {
    case DaySection:
        newDate = nValue >= 1 ? DateWithin(date.year(), date.month(), nValue) : QDate();
        break;
    case MonthSection:
        newDate = nValue >= 1 && nValue <= 12 ? DateWithin(date.year(), nValue, date.day()) : QDate();
        break;
    case YearSection:
        newDate = nValue >= 1 ? DateWithin(nValue, date.month(), date.day()) : QDate();
        break;
    case HourSection:
        time.setHMS(nValue, time.minute(), time.second());
        break;
    case MinuteSection:
        time.setHMS(time.hour(), nValue, time.second());
        break;
    case SecondSection:
        time.setHMS(time.hour(), time.minute(), nValue);
        break;
    default:
        return;
    }
    // The box holds the value inside its range.
    if (newDate.isValid() && time.isValid())
        setDateTime(QDateTime(newDate, time));
}

void QtDateFieldEdit::TypeDigit(int nDigit)
{
    const Section section = sectionAt(m_nPart);
    PartDigits digits{};
    if (!TakesDigits(section, digits))
        return;
    // A digit that makes the part too long or too large starts it anew.
    QString strTyped = m_strTyped + QChar(u'0' + nDigit);
    if (strTyped.size() > digits.nDigits || strTyped.toInt() > digits.nMax)
        strTyped = QString(QChar(u'0' + nDigit));
    m_strTyped = strTyped;
    const int nValue = strTyped.toInt();
    const bool bFull = strTyped.size() >= digits.nDigits || nValue * 10 > digits.nMax;
    // The first digits of a year are no year yet.
    if (section != YearSection || bFull)
        SetPart(section, nValue);
    if (bFull && m_nPart + 1 < sectionCount()) {
        SelectPart(m_nPart + 1);
        m_strTyped.clear();
        m_bAdvanced = true;
    } else {
        SelectPart(m_nPart);
    }
}

bool QtDateFieldEdit::IsSeparator(QChar ch) const
{
    return !ch.isLetterOrNumber() && ch != u'\'' && displayFormat().contains(ch);
}

void QtDateFieldEdit::keyPressEvent(QKeyEvent* pEvent)
{
    const Qt::KeyboardModifiers modifiers = pEvent->modifiers() & ~Qt::KeypadModifier;
    const bool bAdvanced = std::exchange(m_bAdvanced, false);
    const bool bPlain = !(modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::ShiftModifier));
    const QString strText = pEvent->text();
    switch (pEvent->key()) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Home:
    case Qt::Key_End:
        if (!bPlain)
            break;
        m_strTyped.clear();
        if (pEvent->key() == Qt::Key_Left || pEvent->key() == Qt::Key_Right)
            SelectPart(m_nPart + (pEvent->key() == Qt::Key_Left ? -1 : 1));
        else
            SelectPart(pEvent->key() == Qt::Key_Home ? 0 : sectionCount() - 1);
        return;
    case Qt::Key_Up:
    case Qt::Key_Down:
        m_strTyped.clear();
        setCurrentSectionIndex(m_nPart);
        QDateTimeEdit::keyPressEvent(pEvent);
        SelectPart(m_nPart);
        return;
    case Qt::Key_A:
        if (modifiers == Qt::ControlModifier) {
            m_strTyped.clear();
            SelectPart(0);
            lineEdit()->selectAll();
            return;
        }
        break;
    case Qt::Key_Backspace:
    case Qt::Key_Delete:
        // A part always holds a value.
        return;
    default:
        break;
    }
    if (modifiers & (Qt::ControlModifier | Qt::AltModifier) || strText.isEmpty() || strText.front() < QChar(0x20)) {
        QDateTimeEdit::keyPressEvent(pEvent);
        return;
    }
    const QChar ch = strText.front();
    if (ch.isDigit()) {
        TypeDigit(ch.digitValue());
    } else if (IsSeparator(ch)) {
        // The separator after a part that moved on by itself is the one the user meant.
        m_strTyped.clear();
        SelectPart(bAdvanced ? m_nPart : m_nPart + 1);
    }
}

void QtDateFieldEdit::focusInEvent(QFocusEvent* pEvent)
{
    QDateTimeEdit::focusInEvent(pEvent);
    m_strTyped.clear();
    m_bAdvanced = false;
    SelectPart(currentSectionIndex());
}

bool QtDateFieldEdit::eventFilter(QObject* pWatched, QEvent* pEvent)
{
    // The line box places its caret first; the part the caret landed in is then selected.
    if (pWatched == lineEdit() && pEvent->type() == QEvent::MouseButtonPress &&
        static_cast<QMouseEvent*>(pEvent)->button() == Qt::LeftButton) {
        static_cast<QObject*>(lineEdit())->event(pEvent);
        m_strTyped.clear();
        m_bAdvanced = false;
        SelectPart(currentSectionIndex());
        return true;
    }
    return QDateTimeEdit::eventFilter(pWatched, pEvent);
}
