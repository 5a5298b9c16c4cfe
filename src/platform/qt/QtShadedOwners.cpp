#include "platform/qt/QtShadedOwners.h"

#include "platform/qt/QtPeerWidget.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/Wnd.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QGuiApplication>
#include <QPointer>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>

#include <cstdlib>
#include <cstring>
#include <map>
#include <memory>
#include <vector>

namespace {

xcb_atom_t InternAtom(xcb_connection_t* pConnection, const char* pszName)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(pConnection, 0, uint16_t(std::strlen(pszName)), pszName);
    xcb_intern_atom_reply_t* pReply = xcb_intern_atom_reply(pConnection, cookie, nullptr);
    const xcb_atom_t atom = pReply ? pReply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(pReply);
    return atom;
}

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
        const xcb_get_property_cookie_t cookie =
            xcb_get_property(m_pConnection, 0, window, m_atomState, XCB_ATOM_ATOM, 0, 64);
        xcb_get_property_reply_t* pReply = xcb_get_property_reply(m_pConnection, cookie, nullptr);
        if (!pReply)
            return false;
        const auto* pAtoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(pReply));
        const int nAtoms = xcb_get_property_value_length(pReply) / int(sizeof(xcb_atom_t));
        bool bShaded = false;
        for (int i = 0; i < nAtoms && !bShaded; ++i)
            bShaded = pAtoms[i] == m_atomShaded;
        std::free(pReply);
        return bShaded;
    }

    static QWindow* TopLevelWindow(xcb_window_t window)
    {
        for (QWindow* pWindow : QGuiApplication::topLevelWindows()) {
            if (pWindow->handle() && pWindow->winId() == WId(window))
                return pWindow;
        }
        return nullptr;
    }

    void Follow(xcb_window_t window)
    {
        QWindow* pOwner = TopLevelWindow(window);
        if (!pOwner)
            return;
        if (IsShaded(window)) {
            std::vector<QPointer<QWidget>>& hidden = m_hidden[window];
            for (QWidget* pWidget : QApplication::topLevelWidgets()) {
                if (pWidget->isVisible() && IsOverlayPopup(*pWidget) && pWidget->windowHandle() &&
                    pWidget->windowHandle()->transientParent() == pOwner) {
                    pWidget->hide();
                    hidden.emplace_back(pWidget);
                }
            }
            return;
        }
        const auto it = m_hidden.find(window);
        if (it == m_hidden.end())
            return;
        // A popup that the program closed or hid meanwhile stays so.
        for (const QPointer<QWidget>& pWidget : it->second) {
            const auto* pPeer = qobject_cast<QtPeerWidget*>(pWidget.data());
            if (pPeer && pPeer->Window() && (pPeer->Window()->GetStyle() & WS_VISIBLE))
                pWidget->show();
        }
        m_hidden.erase(it);
    }

    xcb_connection_t* m_pConnection;
    xcb_atom_t m_atomState;
    xcb_atom_t m_atomShaded;
    // The popups each shaded owner hid, by the owner's X window.
    std::map<xcb_window_t, std::vector<QPointer<QWidget>>> m_hidden;
};

std::unique_ptr<ShadeWatch>& Watch()
{
    static std::unique_ptr<ShadeWatch> s_pWatch;
    return s_pWatch;
}

}  // namespace

void WatchShadedOwners()
{
    auto* pX11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    if (Watch() || !pX11 || !pX11->connection())
        return;
    Watch() = std::make_unique<ShadeWatch>(pX11->connection());
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
