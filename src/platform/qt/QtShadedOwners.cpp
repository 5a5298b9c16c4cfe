#include "platform/qt/QtShadedOwners.h"

#include "platform/qt/QtPeerWidget.h"
#include "platform/qt/QtXcb.h"
#include "platform/ui/Wnd.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QGuiApplication>
#include <QWidget>
#include <QWindow>

#include <memory>

namespace {

// A top-level window without a frame of the window manager's, laid over its owner's content.
bool IsOverlayPopup(const QWidget& widget)
{
    return widget.windowType() == Qt::Tool && widget.windowFlags().testFlag(Qt::FramelessWindowHint);
}

class ShadeWatch : public QObject, public QAbstractNativeEventFilter {
public:
    explicit ShadeWatch(xcb_connection_t* pConnection)
        : m_pConnection(pConnection), m_atomState(InternAtom(pConnection, "_NET_WM_STATE")),
          m_atomShaded(InternAtom(pConnection, "_NET_WM_STATE_SHADED"))
    {
    }

    bool nativeEventFilter(const QByteArray& eventType, void* pMessage, qintptr*) override
    {
        if (eventType != "xcb_generic_event_t")
            return false;
        const auto* pEvent = static_cast<const xcb_generic_event_t*>(pMessage);
        if ((pEvent->response_type & 0x7F) != XCB_PROPERTY_NOTIFY)
            return false;
        const auto* pNotify = reinterpret_cast<const xcb_property_notify_event_t*>(pEvent);
        if (pNotify->atom != m_atomState || m_atomState == XCB_ATOM_NONE)
            return false;
        // Qt's own handling of the event comes after this filter; the popups follow in its next
        // pass.
        const xcb_window_t window = pNotify->window;
        QMetaObject::invokeMethod(this, [this, window] { Follow(window); }, Qt::QueuedConnection);
        return false;
    }

private:
    bool IsShaded(xcb_window_t window) const
    {
        return AtomListHolds(m_pConnection, window, m_atomState, m_atomShaded);
    }

    static QWindow* TopLevelWindow(xcb_window_t window)
    {
        for (QWindow* pWindow : QGuiApplication::topLevelWindows()) {
            if (pWindow->handle() && pWindow->winId() == WId(window))
                return pWindow;
        }
        return nullptr;
    }

    // Through the layer, which hands the activation of a popup going out of sight on to its
    // owner and shows again only what went with the owner.
    void Follow(xcb_window_t window)
    {
        QWindow* pOwner = TopLevelWindow(window);
        if (!pOwner)
            return;
        const BOOL bOwnerShown = !IsShaded(window);
        for (QWidget* pWidget : QApplication::topLevelWidgets()) {
            auto* pPeer = qobject_cast<QtPeerWidget*>(pWidget);
            if (pPeer && pPeer->Window() && IsOverlayPopup(*pPeer) && pPeer->windowHandle() &&
                pPeer->windowHandle()->transientParent() == pOwner)
                pPeer->Window()->ShowWithOwner(bOwnerShown);
        }
    }

    xcb_connection_t* m_pConnection;
    xcb_atom_t m_atomState;
    xcb_atom_t m_atomShaded;
};

std::unique_ptr<ShadeWatch>& Watch()
{
    static std::unique_ptr<ShadeWatch> s_pWatch;
    return s_pWatch;
}

}  // namespace

void WatchShadedOwners()
{
    xcb_connection_t* pConnection = XcbConnection();
    if (Watch() || !pConnection)
        return;
    Watch() = std::make_unique<ShadeWatch>(pConnection);
    qGuiApp->installNativeEventFilter(Watch().get());
}

void StopWatchingShadedOwners()
{
    if (!Watch())
        return;
    if (qGuiApp)
        qGuiApp->removeNativeEventFilter(Watch().get());
    Watch().reset();
}
