// The tab control's view: a QTabBar over the control's area. A tab the user picks is asked for
// (TCN_SELCHANGING may refuse it); the bar then shows whatever the control decided.
#include "platform/qt/QtControlViews.h"

#include "platform/ui/TabCtrl.h"

#include <QTabBar>
#include <QVBoxLayout>

namespace {

class QtTabView : public QtControlView {
public:
    QtTabView(CTabCtrl& tab, QWidget* pHost, QTabBar* pBar) : QtControlView(tab, pHost), m_tab(tab), m_pBar(pBar)
    {
        QObject::connect(pBar, &QTabBar::currentChanged, [this](int nIndex) {
            if (nIndex != m_tab.GetCurSel())
                m_tab.UserSelect(nIndex);
            Refresh();
        });
    }

protected:
    void Sync() override
    {
        const QSignalBlocker blocker(m_pBar);
        while (m_pBar->count() > m_tab.GetItemCount())
            m_pBar->removeTab(m_pBar->count() - 1);
        for (int i = 0; i < m_tab.GetItemCount(); ++i) {
            const QString strText = ToQString(m_tab.GetItem(i)->strText);
            if (i < m_pBar->count())
                m_pBar->setTabText(i, strText);
            else
                m_pBar->addTab(strText);
        }
        m_pBar->setShape((m_tab.GetStyle() & TCS_BOTTOM) ? QTabBar::RoundedSouth : QTabBar::RoundedNorth);
        m_pBar->setCurrentIndex(m_tab.GetCurSel());
    }

private:
    CTabCtrl& m_tab;
    QTabBar* m_pBar;
};

}  // namespace

std::unique_ptr<IControlView> MakeQtTabView(CTabCtrl& tab)
{
    // The bar lies along one edge; the pages show in the rest of the control's area.
    auto* pHost = new QWidget;
    auto* pLayout = new QVBoxLayout(pHost);
    pLayout->setContentsMargins(0, 0, 0, 0);
    auto* pBar = new QTabBar(pHost);
    pBar->setFocusPolicy(Qt::NoFocus);
    if (tab.GetStyle() & TCS_BOTTOM) {
        pLayout->addStretch();
        pLayout->addWidget(pBar);
    } else {
        pLayout->addWidget(pBar);
        pLayout->addStretch();
    }
    pHost->setAttribute(Qt::WA_TransparentForMouseEvents, false);
    return std::make_unique<QtTabView>(tab, pHost, pBar);
}
