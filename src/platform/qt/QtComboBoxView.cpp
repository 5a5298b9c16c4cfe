// The combo box's view: a QComboBox (editable for a combo with an edit field). Choosing an item
// in its list is the user's selection; Up and Down go to the layer, which selects by itself. The
// edit field's caret lives in its QLineEdit, so the keys that edit the line stay there and the
// edited text reaches the layer whole.
#include "platform/qt/QtControlViews.h"
#include "platform/qt/QtKeyMap.h"

#include "platform/ui/ComboBox.h"

#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>

namespace {

class QtComboBoxView : public QtControlView {
public:
    QtComboBoxView(CComboBox& combo, QComboBox* pBox) : QtControlView(combo, pBox), m_combo(combo), m_pBox(pBox)
    {
        QObject::connect(pBox, &QComboBox::activated, [this](int nIndex) {
            m_combo.UserSelect(nIndex);
            Refresh();
        });
        if (pBox->isEditable()) {
            QObject::connect(pBox->lineEdit(), &QLineEdit::textEdited,
                             [this](const QString& strText) { m_combo.UserEditText(FromQString(strText)); });
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

private:
    CComboBox& m_combo;
    QComboBox* m_pBox;
};

}  // namespace

std::unique_ptr<IControlView> MakeQtComboBoxView(CComboBox& combo)
{
    auto* pBox = new QComboBox;
    pBox->setEditable((combo.GetStyle() & 0x3) != CBS_DROPDOWNLIST);
    return std::make_unique<QtComboBoxView>(combo, pBox);
}
