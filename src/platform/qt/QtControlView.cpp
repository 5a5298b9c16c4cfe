#include "platform/qt/QtControlView.h"

#include "platform/qt/QtControlViews.h"
#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/Button.h"
#include "platform/ui/ComboBox.h"
#include "platform/ui/Edit.h"
#include "platform/ui/ListBox.h"
#include "platform/ui/SpinButtonCtrl.h"
#include "platform/ui/Static.h"
#include "platform/ui/TabCtrl.h"
#include "platform/ui/DateTimeCtrl.h"
#include "platform/ui/ListCtrl.h"
#include "platform/ui/ProgressCtrl.h"
#include "platform/ui/SliderCtrl.h"
#include "platform/ui/TreeCtrl.h"
#include "platform/ui/KeyState.h"
#include "platform/ui/WinThread.h"

#include <QCoreApplication>
#include <QFocusEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QSignalBlocker>

// Watches the widget for focus changes the user makes and for the keys the view sends to the
// layer. It goes with the widget; the view, which may go first (the focus it follows can close
// the dialog), cuts it off.
class QtControlView::EventFilter : public QObject {
public:
    explicit EventFilter(QtControlView& view) : m_pView(&view) {}

    void Detach() { m_pView = nullptr; }

protected:
    bool eventFilter(QObject*, QEvent* pEvent) override
    {
        if (!m_pView)
            return false;
        // A click focuses a control that takes the focus by clicks, as on the classic system
        // (and also where the window system gives no focus to an inactive window).
        const bool bClickFocus = pEvent->type() == QEvent::MouseButtonPress &&
                                 (m_pView->m_pWidget->focusPolicy() & Qt::ClickFocus);
        const bool bUserFocus = pEvent->type() == QEvent::FocusIn &&
                                static_cast<QFocusEvent*>(pEvent)->reason() != Qt::OtherFocusReason;
        if (bClickFocus || bUserFocus)
            m_pView->FollowFocus();
        if (!m_pView)
            return true;
        if (m_pView->TakesEvent(*pEvent))
            return true;
        if (pEvent->type() == QEvent::KeyPress || pEvent->type() == QEvent::KeyRelease) {
            if (m_pView->KeepsKey(*static_cast<QKeyEvent*>(pEvent)))
                return false;
            return m_pView->ForwardKey(pEvent);
        }
        if (pEvent->type() == QEvent::MouseMove)
            m_pView->ForwardMouseMove(*static_cast<QMouseEvent*>(pEvent));
        return false;
    }

private:
    QtControlView* m_pView;
};

QtControlView::QtControlView(CWnd& wnd, QWidget* pWidget) : m_wnd(wnd), m_pWidget(pWidget)
{
    QWidget* pPeer = QtWidgetOf(wnd);
    if (pPeer) {
        auto* pLayout = new QHBoxLayout(pPeer);
        pLayout->setContentsMargins(0, 0, 0, 0);
        pLayout->addWidget(pWidget);
        pPeer->setFocusProxy(pWidget);
    }
    m_pFilter = new EventFilter(*this);
    m_pFilter->setParent(pWidget);
    pWidget->installEventFilter(m_pFilter);
    pWidget->setMouseTracking(true);
}

// The widget may be inside one of its own signals (a choice that closed the dialog): it is cut
// off from the view and freed when Qt is back in its event loop.
QtControlView::~QtControlView()
{
    *m_pAlive = false;
    if (!m_pWidget)
        return;
    m_pFilter->Detach();
    m_pWidget->hide();
    m_pWidget->deleteLater();
}

void QtControlView::Refresh()
{
    if (!m_pWidget)
        return;
    const QSignalBlocker blocker(m_pWidget.data());
    m_pWidget->setEnabled(m_wnd.IsWindowEnabled());
    Sync();
}

bool QtControlView::ForwardKey(QEvent* pEvent)
{
    QWidget* pPeer = QtWidgetOf(m_wnd);
    if (!pPeer)
        return false;
    QCoreApplication::sendEvent(pPeer, pEvent);
    return true;
}

void QtControlView::ForwardMouseMove(const QMouseEvent& event)
{
    CWinThread* pThread = AfxGetThread();
    if (!pThread || !m_pWidget || CWnd::GetCapture())
        return;
    const QPoint ptGlobal = m_pWidget->mapToGlobal(event.position().toPoint());
    CPoint point(ptGlobal.x(), ptGlobal.y());
    m_wnd.ScreenToClient(&point);
    MSG msg = {&m_wnd, WM_MOUSEMOVE, AfxGetMouseKeyFlags(), MakePointLParam(point),
               DWORD(CMessageQueue::Get().Now()), {0, 0}};
    pThread->RouteMessage(msg);
}

void QtControlView::FollowFocus()
{
    if (CWnd::GetFocus() != &m_wnd)
        m_wnd.SetFocus();
}

void InitQtControls()
{
    AfxSetControlViewFactory([](CWnd& wnd) -> std::unique_ptr<IControlView> {
        if (!QtWidgetOf(wnd))
            return nullptr;
        if (auto* pEdit = dynamic_cast<CEdit*>(&wnd))
            return MakeQtEditView(*pEdit);
        if (auto* pCombo = dynamic_cast<CComboBox*>(&wnd))
            return MakeQtComboBoxView(*pCombo);
        if (auto* pButton = dynamic_cast<CButton*>(&wnd))
            return MakeQtButtonView(*pButton);
        if (auto* pStatic = dynamic_cast<CStatic*>(&wnd))
            return MakeQtStaticView(*pStatic);
        if (auto* pList = dynamic_cast<CListBox*>(&wnd))
            return MakeQtListBoxView(*pList);
        if (auto* pSpin = dynamic_cast<CSpinButtonCtrl*>(&wnd))
            return MakeQtSpinView(*pSpin);
        if (auto* pTab = dynamic_cast<CTabCtrl*>(&wnd))
            return MakeQtTabView(*pTab);
        if (auto* pProgress = dynamic_cast<CProgressCtrl*>(&wnd))
            return MakeQtProgressView(*pProgress);
        if (auto* pSlider = dynamic_cast<CSliderCtrl*>(&wnd))
            return MakeQtSliderView(*pSlider);
        if (auto* pPicker = dynamic_cast<CDateTimeCtrl*>(&wnd))
            return MakeQtDateTimeView(*pPicker);
        if (auto* pTree = dynamic_cast<CTreeCtrl*>(&wnd))
            return MakeQtTreeView(*pTree);
        if (auto* pList = dynamic_cast<CListCtrl*>(&wnd))
            return MakeQtListCtrlView(*pList);
        return nullptr;
    });
}
