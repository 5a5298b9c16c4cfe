// The X connection under Qt's xcb platform, for what the window manager reads from X and Qt
// neither sets nor reports (a window's shade, its place in the task list).
#pragma once

#include <xcb/xcb.h>

// Null on any other platform (offscreen, Wayland).
xcb_connection_t* XcbConnection();
// XCB_ATOM_NONE when the server cannot make it.
xcb_atom_t InternAtom(xcb_connection_t* pConnection, const char* pszName);
// Whether the window's property that lists atoms (_NET_WM_STATE) holds the atom.
bool AtomListHolds(xcb_connection_t* pConnection, xcb_window_t window, xcb_atom_t list, xcb_atom_t atom);
