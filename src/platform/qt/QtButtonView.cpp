// The button's view: QPushButton, QCheckBox, QRadioButton or QGroupBox by the button's type. A
// click is the control's own Click (which checks, clears the radio group and sends BN_CLICKED);
// the widget then shows what the control decided.
#include "platform/qt/QtControlViews.h"

#include "platform/ui/Button.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

#include <memory>

namespace {

class QtButtonView : public QtControlView {
public:
    QtButtonView(CButton& button, QWidget* pWidget) : QtControlView(button, pWidget), m_button(button)
    {
        if (auto* pAbstract = qobject_cast<QAbstractButton*>(pWidget)) {
            QObject::connect(pAbstract, &QAbstractButton::clicked, [this, pAlive = Life()] {
                if (!*pAlive)
                    return;
                m_button.Click();
                // A click may close the dialog, and this view with its button's window.
                if (*pAlive)
                    Refresh();
            });
        }
    }
    // A check box: its box, the gap after it and the text.
    int WidthToShow(const CString& strText) const override
    {
        auto* pCheck = qobject_cast<QCheckBox*>(m_pWidget.data());
        if (!pCheck)
            return 0;
        const QStyle* pStyle = pCheck->style();
        return pStyle->pixelMetric(QStyle::PM_IndicatorWidth) + pStyle->pixelMetric(QStyle::PM_CheckBoxLabelSpacing) +
               pCheck->fontMetrics().horizontalAdvance(ToQString(strText));
    }

protected:
    void Sync() override
    {
        CString strText;
        m_button.GetWindowText(strText);
        const QString strQt = ToQString(strText);
        if (auto* pGroup = qobject_cast<QGroupBox*>(m_pWidget.data())) {
            pGroup->setTitle(strQt);
            return;
        }
        auto* pAbstract = qobject_cast<QAbstractButton*>(m_pWidget.data());
        pAbstract->setText(strQt);
        if (auto* pCheck = qobject_cast<QCheckBox*>(pAbstract)) {
            const int nCheck = m_button.GetCheck();
            pCheck->setCheckState(nCheck == BST_CHECKED         ? Qt::Checked
                                  : nCheck == BST_INDETERMINATE ? Qt::PartiallyChecked
                                                                : Qt::Unchecked);
        } else if (auto* pRadio = qobject_cast<QRadioButton*>(pAbstract)) {
            pRadio->setChecked(m_button.GetCheck() == BST_CHECKED);
        } else if (auto* pPush = qobject_cast<QPushButton*>(pAbstract)) {
            pPush->setDefault(m_button.ButtonType() == BS_DEFPUSHBUTTON);
        }
    }

private:
    CButton& m_button;
};

}  // namespace

std::unique_ptr<IControlView> MakeQtButtonView(CButton& button)
{
    QWidget* pWidget = nullptr;
    if (button.ButtonType() == BS_GROUPBOX) {
        pWidget = new QGroupBox;
    } else if (button.IsCheckBox()) {
        auto* pCheck = new QCheckBox;
        pCheck->setTristate(button.ButtonType() == BS_3STATE || button.ButtonType() == BS_AUTO3STATE);
        pWidget = pCheck;
    } else if (button.IsRadio()) {
        auto* pRadio = new QRadioButton;
        // The control clears its group itself; Qt must not do it a second way.
        pRadio->setAutoExclusive(false);
        pWidget = pRadio;
    } else {
        auto* pPush = new QPushButton;
        pPush->setAutoDefault(false);
        pWidget = pPush;
    }
    return std::make_unique<QtButtonView>(button, pWidget);
}
