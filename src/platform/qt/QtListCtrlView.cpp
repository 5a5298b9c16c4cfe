// The report list's view. The list and its header paint themselves through the layer (so that
// custom draw reaches the owner with a real device context) and take the mouse and keys as the
// layer's messages; the view adds only a real vertical scroll bar along the right edge while
// the rows do not fit, moving the list's top row.
#include "platform/qt/QtControlViews.h"

#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/ListCtrl.h"

#include <QPointer>
#include <QScrollBar>

#include <algorithm>
#include <memory>

namespace {

class QtListCtrlView : public IControlView {
public:
    QtListCtrlView(CListCtrl& list, QtPeerWidget* pPeer) : m_list(list), m_pPeer(pPeer)
    {
        m_pBar = new QScrollBar(Qt::Vertical, pPeer);
        m_pBar->setFocusPolicy(Qt::NoFocus);
        QObject::connect(m_pBar.data(), &QScrollBar::valueChanged, [this, pAlive = m_pAlive](int nTop) {
            if (!*pAlive || m_bSyncing)
                return;
            m_list.Scroll(CSize(0, (nTop - m_list.GetTopIndex()) * CListCtrl::kRowHeight));
        });
        Refresh();
    }
    // The bar may be inside its own signal: it is freed when Qt is back in its event loop.
    ~QtListCtrlView() override
    {
        *m_pAlive = false;
        if (m_pBar) {
            m_pBar->hide();
            m_pBar->deleteLater();
        }
    }
    QtListCtrlView(const QtListCtrlView&) = delete;
    QtListCtrlView& operator=(const QtListCtrlView&) = delete;

    void Refresh() override
    {
        if (!m_pBar || !m_pPeer)
            return;
        m_bSyncing = true;
        const int nPage = std::max(1, m_list.GetCountPerPage());
        const int nHidden = std::max(0, m_list.GetItemCount() - nPage);
        m_pBar->setRange(0, nHidden);
        m_pBar->setPageStep(nPage);
        m_pBar->setValue(m_list.GetTopIndex());
        const QRect client = m_pPeer->ClientRect();
        CRect rectHeader(0, 0, 0, 0);
        if (CHeaderCtrl* pHeader = m_list.GetHeaderCtrl(); pHeader && (pHeader->GetStyle() & WS_VISIBLE))
            pHeader->GetWindowRect(rectHeader);
        const int nWidth = m_pBar->sizeHint().width();
        m_pBar->setGeometry(client.right() + 1 - nWidth, client.top() + rectHeader.Height(), nWidth,
                            client.height() - rectHeader.Height());
        m_pBar->setVisible(nHidden > 0);
        m_pBar->raise();
        m_bSyncing = false;
    }

private:
    CListCtrl& m_list;
    QPointer<QtPeerWidget> m_pPeer;
    QPointer<QScrollBar> m_pBar;
    bool m_bSyncing = false;
    std::shared_ptr<bool> m_pAlive = std::make_shared<bool>(true);
};

}  // namespace

std::unique_ptr<IControlView> MakeQtListCtrlView(CListCtrl& list)
{
    auto* pPeer = qobject_cast<QtPeerWidget*>(QtWidgetOf(list));
    return pPeer ? std::make_unique<QtListCtrlView>(list, pPeer) : nullptr;
}
