#include "WindowManagerRequests.h"

#include "platform/qt/QtXcb.h"
#include "support/QtTestApp.h"

#include <QAbstractNativeEventFilter>
#include <QApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <cstring>
#include <initializer_list>

namespace {

// A message about the window, to the destination's clients that listen to the mask.
void SendClientMessage(const QWidget& window, const char* pszType, std::initializer_list<uint32_t> data,
                       xcb_window_t destination, uint32_t mask)
{
    xcb_connection_t* pConnection = XcbConnection();
    if (!pConnection)
        return;
    xcb_client_message_event_t event;
    std::memset(&event, 0, sizeof event);
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = xcb_window_t(window.winId());
    event.type = InternAtom(pConnection, pszType);
    int i = 0;
    for (const uint32_t n : data)
        event.data.data32[i++] = n;
    xcb_send_event(pConnection, 0, destination, mask, reinterpret_cast<const char*>(&event));
    xcb_flush(pConnection);
}

// A request about a window goes to the root window, where only the window manager hears it.
void SendToWindowManager(const QWidget& window, const char* pszType, std::initializer_list<uint32_t> data)
{
    if (xcb_connection_t* pConnection = XcbConnection())
        SendClientMessage(window, pszType, data, xcb_setup_roots_iterator(xcb_get_setup(pConnection)).data->root,
                          XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT | XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY);
}

// The request's source: a pager, which acts for the user.
constexpr uint32_t kFromUser = 2;

// Sets (bOn) or clears the window's _NET_WM_STATE states, one or two of them.
void AskForStates(const QWidget& window, bool bOn, const char* pszFirst,
                  const char* pszSecond = nullptr)
{
    if (xcb_connection_t* pConnection = XcbConnection()) {
        SendToWindowManager(window, "_NET_WM_STATE",
                            {bOn ? 1u : 0u, InternAtom(pConnection, pszFirst),
                             pszSecond ? InternAtom(pConnection, pszSecond) : 0u, kFromUser});
    }
}

// Whether the window's list of atoms (_NET_WM_STATE, _NET_WM_ALLOWED_ACTIONS) holds the atom.
bool ListHolds(const QWidget& window, const char* pszList, const char* pszAtom)
{
    xcb_connection_t* pConnection = XcbConnection();
    return pConnection && AtomListHolds(pConnection, xcb_window_t(window.winId()), InternAtom(pConnection, pszList),
                                        InternAtom(pConnection, pszAtom));
}

// A message the program sends to its own window: the X server queues it behind every event
// already due to the program, so once Qt has dispatched it, it has dispatched those as well.
class MarkerSeen : public QAbstractNativeEventFilter {
public:
    explicit MarkerSeen(const QWidget& window)
        : m_window(xcb_window_t(window.winId())), m_type(InternAtom(XcbConnection(), kMarker))
    {
        QApplication::instance()->installNativeEventFilter(this);
        SendClientMessage(window, kMarker, {}, m_window, XCB_EVENT_MASK_NO_EVENT);
    }
    ~MarkerSeen() override { QApplication::instance()->removeNativeEventFilter(this); }
    bool nativeEventFilter(const QByteArray& eventType, void* pMessage, qintptr*) override
    {
        const auto* pEvent = static_cast<const xcb_client_message_event_t*>(pMessage);
        const bool bMarker = eventType == "xcb_generic_event_t" &&
                             (pEvent->response_type & 0x7F) == XCB_CLIENT_MESSAGE && pEvent->window == m_window &&
                             pEvent->type == m_type;
        m_bSeen = m_bSeen || bMarker;
        return bMarker;
    }
    bool Seen() const { return m_bSeen; }

private:
    static constexpr const char* kMarker = "QARVO_TEST_MARKER";
    xcb_window_t m_window;
    xcb_atom_t m_type;
    bool m_bSeen = false;
};

}  // namespace

bool WaitForWindowManager(const QWidget& window)
{
    xcb_connection_t* pConnection = XcbConnection();
    if (!pConnection)
        return true;
    // The window manager handles its requests in order: once it has answered both, it has
    // handled every request before them.
    constexpr const char* kNoEffect = "_NET_WM_STATE_SKIP_PAGER";
    const bool bHeld = WindowCarriesState(window, kNoEffect);
    for (const bool bOn : {!bHeld, bHeld}) {
        AskForStates(window, bOn, kNoEffect);
        if (!ProcessEventsUntil([&] { return WindowCarriesState(window, kNoEffect) == bOn; }))
            return false;
    }
    const MarkerSeen marker(window);
    if (!ProcessEventsUntil([&] { return marker.Seen(); }))
        return false;
    // What Qt made of the events (an activation) is delivered on its next turn.
    QApplication::processEvents();
    return true;
}

void AskWindowManagerToMaximise(const QWidget& window, bool bMaximise)
{
    AskForStates(window, bMaximise, "_NET_WM_STATE_MAXIMIZED_VERT", "_NET_WM_STATE_MAXIMIZED_HORZ");
}

bool WindowManagerOffers(const QWidget& window, const char* pszAction)
{
    return ListHolds(window, "_NET_WM_ALLOWED_ACTIONS", pszAction);
}

bool WindowCarriesState(const QWidget& window, const char* pszState)
{
    return ListHolds(window, "_NET_WM_STATE", pszState);
}

void AskWindowManagerToShade(const QWidget& window, bool bShade)
{
    AskForStates(window, bShade, "_NET_WM_STATE_SHADED");
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
