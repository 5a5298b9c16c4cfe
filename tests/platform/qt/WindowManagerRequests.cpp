#include "WindowManagerRequests.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <initializer_list>

namespace {

xcb_connection_t* Connection()
{
    auto* pX11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return pX11 ? pX11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* pConnection, const char* pszName)
{
    xcb_intern_atom_reply_t* pReply = xcb_intern_atom_reply(
        pConnection, xcb_intern_atom(pConnection, 0, uint16_t(std::strlen(pszName)), pszName), nullptr);
    const xcb_atom_t atom = pReply ? pReply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(pReply);
    return atom;
}

// A request about a window goes to the root window, where only the window manager hears it.
void SendToWindowManager(const QWidget& window, const char* pszType, std::initializer_list<uint32_t> data)
{
    xcb_connection_t* pConnection = Connection();
    if (!pConnection)
        return;
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window.winId());
    event.type = Atom(pConnection, pszType);
    int i = 0;
    for (const uint32_t n : data)
        event.data.data32[i++] = n;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(pConnection)).data->root;
    xcb_send_event(pConnection, 0, root,
                   XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY,
                   reinterpret_cast<const char*>(&event));
    xcb_flush(pConnection);
}

// The request's source: a pager, which acts for the user.
constexpr uint32_t kFromUser = 2;

}  // namespace

void AskWindowManagerToMaximise(const QWidget& window, bool bMaximise)
{
    xcb_connection_t* pConnection = Connection();
    if (!pConnection)
        return;
    SendToWindowManager(window, "_NET_WM_STATE",
                        {bMaximise ? 1u : 0u, Atom(pConnection, "_NET_WM_STATE_MAXIMIZED_VERT"),
                         Atom(pConnection, "_NET_WM_STATE_MAXIMIZED_HORZ"), kFromUser});
}

bool WindowManagerOffers(const QWidget& window, const char* pszAction)
{
    xcb_connection_t* pConnection = Connection();
    if (!pConnection)
        return false;
    xcb_get_property_reply_t* pReply = xcb_get_property_reply(
        pConnection,
        xcb_get_property(pConnection, 0, xcb_window_t(window.winId()), Atom(pConnection, "_NET_WM_ALLOWED_ACTIONS"),
                         XCB_ATOM_ATOM, 0, 64),
        nullptr);
    if (!pReply)
        return false;
    const auto* pActions = static_cast<const xcb_atom_t*>(xcb_get_property_value(pReply));
    const int nActions = xcb_get_property_value_length(pReply) / int(sizeof(xcb_atom_t));
    const bool bOffered = std::find(pActions, pActions + nActions, Atom(pConnection, pszAction)) != pActions + nActions;
    std::free(pReply);
    return bOffered;
}

void AskWindowManagerToShade(const QWidget& window, bool bShade)
{
    xcb_connection_t* pConnection = Connection();
    if (!pConnection)
        return;
    SendToWindowManager(window, "_NET_WM_STATE",
                        {bShade ? 1u : 0u, Atom(pConnection, "_NET_WM_STATE_SHADED"), 0, kFromUser});
}

void AskWindowManagerToPlace(const QWidget& window, const QRect& frame)
{
    // The client's size is asked for; the position, by the north-west gravity, is the frame's.
    const QSize border = window.frameGeometry().size() - window.size();
    constexpr uint32_t kNorthWest = 1;
    constexpr uint32_t kEveryField = 0xF00;
    SendToWindowManager(window, "_NET_MOVERESIZE_WINDOW",
                        {kNorthWest | kEveryField | kFromUser << 12, uint32_t(frame.x()), uint32_t(frame.y()),
                         uint32_t(frame.width() - border.width()), uint32_t(frame.height() - border.height())});
}
