// The date and time box of the picker's view, edited part by part as the classic picker is: a
// click selects the part under it and digits set that part; Left and Right, and the separator of
// the format, move to the neighbouring part; Ctrl+A selects the whole text and starts at the
// first part, so that a whole date typed sets the whole date; Up and Down step the part.
// Qt's own typing edits the text character by character: digits typed inside a part or over
// the whole text made a text that is no date and changed nothing, or another part than the one
// shown.
#pragma once

#include <QDateTimeEdit>
#include <QString>

class QtDateFieldEdit : public QDateTimeEdit {
public:
    QtDateFieldEdit();

protected:
    void keyPressEvent(QKeyEvent* pEvent) override;
    void focusInEvent(QFocusEvent* pEvent) override;
    bool eventFilter(QObject* pWatched, QEvent* pEvent) override;

private:
    void SelectPart(int nIndex);
    void TypeDigit(int nDigit);
    void SetPart(Section section, int nValue);
    bool IsSeparator(QChar ch) const;

    int m_nPart = 0;
    QString m_strTyped;          // the digits typed into the part since it was selected
    bool m_bAdvanced = false;    // the last digit filled its part and moved on to the next
};
