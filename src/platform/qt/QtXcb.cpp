#include "platform/qt/QtXcb.h"

#include <QGuiApplication>

#include <algorithm>
#include <cstdlib>
#include <cstring>

xcb_connection_t* XcbConnection()
{
    auto* pX11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return pX11 ? pX11->connection() : nullptr;
}

xcb_atom_t InternAtom(xcb_connection_t* pConnection, const char* pszName)
{
    const xcb_intern_atom_cookie_t cookie =
        xcb_intern_atom(pConnection, 0, uint16_t(std::strlen(pszName)), pszName);
    xcb_intern_atom_reply_t* pReply = xcb_intern_atom_reply(pConnection, cookie, nullptr);
    const xcb_atom_t atom = pReply ? pReply->atom : xcb_atom_t(XCB_ATOM_NONE);
    std::free(pReply);
    return atom;
}

bool AtomListHolds(xcb_connection_t* pConnection, xcb_window_t window, xcb_atom_t list, xcb_atom_t atom)
{
    const xcb_get_property_cookie_t cookie = xcb_get_property(pConnection, 0, window, list, XCB_ATOM_ATOM, 0, 64);
    xcb_get_property_reply_t* pReply = xcb_get_property_reply(pConnection, cookie, nullptr);
    if (!pReply)
        return false;
    const auto* pAtoms = static_cast<const xcb_atom_t*>(xcb_get_property_value(pReply));
    const int nAtoms = xcb_get_property_value_length(pReply) / int(sizeof(xcb_atom_t));
    const bool bHeld = std::find(pAtoms, pAtoms + nAtoms, atom) != pAtoms + nAtoms;
    std::free(pReply);
    return bHeld;
}
