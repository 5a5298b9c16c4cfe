// The static control's view: a QLabel aligned by the SS_ style.
#include "platform/qt/QtControlViews.h"

#include "platform/ui/Static.h"

#include <QLabel>

namespace {

class QtStaticView : public QtControlView {
public:
    QtStaticView(CStatic& label, QLabel* pLabel) : QtControlView(label, pLabel), m_label(label), m_pLabel(pLabel) {}

protected:
    void Sync() override
    {
        CString strText;
        m_label.GetWindowText(strText);
        m_pLabel->setText(ToQString(strText));
        const DWORD dwType = m_label.GetStyle() & SS_TYPEMASK;
        Qt::Alignment align = dwType == SS_CENTER ? Qt::AlignHCenter
                              : dwType == SS_RIGHT ? Qt::AlignRight
                                                   : Qt::AlignLeft;
        align |= (m_label.GetStyle() & SS_CENTERIMAGE) ? Qt::AlignVCenter : Qt::AlignTop;
        m_pLabel->setAlignment(align);
        m_pLabel->setWordWrap(dwType == SS_LEFT || dwType == SS_CENTER || dwType == SS_RIGHT);
    }

private:
    CStatic& m_label;
    QLabel* m_pLabel;
};

}  // namespace

std::unique_ptr<IControlView> MakeQtStaticView(CStatic& label)
{
    return std::make_unique<QtStaticView>(label, new QLabel);
}
