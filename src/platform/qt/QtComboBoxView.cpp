// The combo box's view: a QComboBox (editable for a combo with an edit field). Choosing an item
// in its list is the user's selection; Up and Down go to the layer, which selects by itself. The
// edit field's caret lives in its QLineEdit, so the keys that edit the line stay there and the
// edited text reaches the layer whole. A closed drop-down list shows its chosen item in the room
// the classic control gives it (ClosedListStyle).
#include "platform/qt/QtControlViews.h"
#include "platform/qt/QtKeyMap.h"

#include "platform/ui/ComboBox.h"

#include <QApplication>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QStyleOptionComboBox>

#include <algorithm>

namespace {

// The dialogs size their drop-down lists for the classic control, whose chosen item runs from
// inside the frame up to the arrow button. Qt's styles keep a few pixels more on either side, which
// cuts short items ("Q0~Q3" shows as "Q0~Q") in the narrow lists of codes and units.
class ClosedListStyle : public QProxyStyle {
public:
    QRect subControlRect(ComplexControl control, const QStyleOptionComplex* pOption, SubControl subControl,
                         const QWidget* pWidget) const override
    {
        const QRect rect = QProxyStyle::subControlRect(control, pOption, subControl, pWidget);
        const auto* pCombo = qstyleoption_cast<const QStyleOptionComboBox*>(pOption);
        if (control != CC_ComboBox || subControl != SC_ComboBoxEditField || !pCombo || pCombo->editable)
            return rect;
        const Qt::LayoutDirection direction = pOption->direction;
        const QRect whole = pOption->rect;
        const QRect arrow = visualRect(direction, whole, QProxyStyle::subControlRect(control, pOption,
                                                                                    SC_ComboBoxArrow, pWidget));
        const QRect field = visualRect(direction, whole, rect);
        const int nLeft = std::min(field.left(), whole.left() + kFramePixels);
        const int nRight = std::max(field.right(), arrow.left() - 1);
        return visualRect(direction, whole, QRect(QPoint(nLeft, field.top()), QPoint(nRight, field.bottom())));
    }

private:
    static constexpr int kFramePixels = 2;
};

// One style for every closed list, made anew for each application object.
QStyle* ClosedListStyleInstance()
{
    static QPointer<ClosedListStyle> s_pStyle;
    if (!s_pStyle) {
        s_pStyle = new ClosedListStyle;
        s_pStyle->setParent(qApp);
    }
    return s_pStyle;
}

class QtComboBoxView : public QtControlView {
public:
    QtComboBoxView(CComboBox& combo, QComboBox* pBox) : QtControlView(combo, pBox), m_combo(combo), m_pBox(pBox)
    {
        QObject::connect(pBox, &QComboBox::activated, [this, pAlive = Life()](int nIndex) {
            if (!*pAlive)
                return;
            // The choice may close the dialog, and this view with its combo's window.
            m_combo.UserSelect(nIndex);
            if (*pAlive)
                Refresh();
        });
        if (pBox->isEditable()) {
            QObject::connect(pBox->lineEdit(), &QLineEdit::textEdited, [this, pAlive = Life()](const QString& strText) {
                if (*pAlive)
                    m_combo.UserEditText(FromQString(strText));
            });
        }
    }

protected:
    bool KeepsKey(const QKeyEvent& event) const override
    {
        return m_pBox->isEditable() && IsLineEditingKey(event);
    }
    void Sync() override
    {
        const CStringItemList& items = m_combo.Items();
        bool bSame = m_pBox->count() == items.GetCount();
        for (int i = 0; bSame && i < items.GetCount(); ++i)
            bSame = FromQString(m_pBox->itemText(i)) == items.At(i).strText;
        if (!bSame) {
            m_pBox->clear();
            for (const CStringItemList::Item& item : items.Items())
                m_pBox->addItem(ToQString(item.strText));
        }
        if (m_pBox->currentIndex() != m_combo.GetCurSel())
            m_pBox->setCurrentIndex(m_combo.GetCurSel());
        if (m_pBox->isEditable()) {
            // Setting the same text again would move the user's caret to the end.
            CString strText;
            m_combo.GetWindowText(strText);
            if (FromQString(m_pBox->currentText()) != strText)
                m_pBox->setEditText(ToQString(strText));
        }
    }

    int WidthToShow(const CString& strText) const override
    {
        QStyleOptionComboBox option;
        option.initFrom(m_pBox);
        option.editable = m_pBox->isEditable();
        option.frame = true;
        const QRect field =
            m_pBox->style()->subControlRect(QStyle::CC_ComboBox, &option, QStyle::SC_ComboBoxEditField, m_pBox);
        const int nAround = m_pBox->width() - field.width() + 2 * kTextMargin;
        return m_pBox->fontMetrics().horizontalAdvance(ToQString(strText)) + nAround;
    }

private:
    // Room the chosen item keeps from the field's edges, on each side.
    static constexpr int kTextMargin = 1;

    CComboBox& m_combo;
    QComboBox* m_pBox;
};

}  // namespace

std::unique_ptr<IControlView> MakeQtComboBoxView(CComboBox& combo)
{
    auto* pBox = new QComboBox;
    pBox->setEditable((combo.GetStyle() & 0x3) != CBS_DROPDOWNLIST);
    if (!pBox->isEditable())
        pBox->setStyle(ClosedListStyleInstance());
    return std::make_unique<QtComboBoxView>(combo, pBox);
}
