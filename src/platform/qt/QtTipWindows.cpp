#include "platform/qt/QtTipWindows.h"

#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/Msg.h"
#include "platform/ui/TipWindow.h"
#include "platform/ui/Wnd.h"

#include <QApplication>
#include <QEvent>
#include <QPointer>
#include <QPolygon>
#include <QRegion>
#include <QWidget>

#include <algorithm>
#include <vector>

namespace {

// A tip belongs to what the mouse rested on: any other window that opens after it (a menu, a
// dialog, a message box) would otherwise stand under a tip that no longer means anything. Each
// tip window is told to cancel its mode, as a window system tells windows when a menu or a
// modal window takes over, and decides itself how to hide. A tip is a window of its own, which
// the window manager does not know as part of its owner: when the owner's top-level window is
// minimised or moved, its tips are told the same, so that none stays alone on the desktop or
// points at the place its owner has left.
class QtTipWindowBackend : public ITipWindowBackend, public QObject {
public:
    void MakeTipWindow(CWnd& wnd) override
    {
        QWidget* pWidget = QtWidgetOf(wnd);
        if (!pWidget)
            return;
        std::erase_if(m_tips, [](const QPointer<QWidget>& pTip) { return pTip.isNull(); });
        m_tips.emplace_back(pWidget);
        if (!m_bFiltering && qApp) {
            qApp->installEventFilter(this);
            m_bFiltering = true;
        }
        // Changing the flags hides the widget; the layer shows it again when the tip shows.
        const bool bVisible = pWidget->isVisible();
        pWidget->setWindowFlags(Qt::ToolTip | Qt::FramelessWindowHint | Qt::WindowDoesNotAcceptFocus);
        pWidget->setAttribute(Qt::WA_ShowWithoutActivating);
        pWidget->setVisible(bVisible);
    }

    void SetTipShape(CWnd& wnd, const std::vector<CPoint>& outline) override
    {
        QWidget* pWidget = QtWidgetOf(wnd);
        if (!pWidget)
            return;
        if (outline.empty()) {
            pWidget->clearMask();
            return;
        }
        QPolygon polygon;
        for (const CPoint& pt : outline)
            polygon << QPoint(pt.x, pt.y);
        pWidget->setMask(QRegion(polygon, Qt::WindingFill));
    }

    void Stop()
    {
        if (m_bFiltering && qApp)
            qApp->removeEventFilter(this);
        m_bFiltering = false;
        m_tips.clear();
    }

protected:
    bool eventFilter(QObject* pObject, QEvent* pEvent) override
    {
        if (!pObject->isWidgetType())
            return false;
        const auto* pWidget = static_cast<QWidget*>(pObject);
        if (!pWidget->isWindow() || pWidget->windowType() == Qt::ToolTip)
            return false;
        if (pEvent->type() == QEvent::Show)
            CancelTips(nullptr);
        else if ((pEvent->type() == QEvent::WindowStateChange && pWidget->isMinimized()) ||
                 pEvent->type() == QEvent::Move)
            CancelTips(pWidget);
        return false;
    }

private:
    // Every tip, or only those whose owner lies in the top-level window pTop.
    void CancelTips(const QWidget* pTop)
    {
        // Copied: a tip's handler may create or destroy windows.
        const std::vector<QPointer<QWidget>> tips = m_tips;
        for (const QPointer<QWidget>& pTip : tips) {
            auto* pPeer = dynamic_cast<QtPeerWidget*>(pTip.data());
            if (!pPeer || !pPeer->Window())
                continue;
            const CWnd* pOwner = pPeer->Window()->GetParent();
            const QWidget* pOwnerWidget = pOwner ? QtWidgetOf(*pOwner) : nullptr;
            if (!pTop || (pOwnerWidget && pOwnerWidget->window() == pTop))
                pPeer->Window()->SendMessage(WM_CANCELMODE);
        }
    }

    std::vector<QPointer<QWidget>> m_tips;
    bool m_bFiltering = false;
};

QtTipWindowBackend g_tipBackend;

} // namespace

void InitQtTipWindows() { AfxSetTipWindowBackend(&g_tipBackend); }

void ShutdownQtTipWindows()
{
    if (AfxGetTipWindowBackend() == &g_tipBackend)
        AfxSetTipWindowBackend(nullptr);
    g_tipBackend.Stop();
}
