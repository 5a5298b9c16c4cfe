// Where top-level windows appear: a dialog, a sheet or a tool window opens centred over its
// owner and never off the screen. The layer places them itself: without a window manager
// nobody else would, and a window left at 0,0 lies over the main window's menu bar.
#pragma once

#include "platform/core/Geometry.h"

class CWnd;

// The part of the screen windows may cover: the backend's work area; without a backend (the
// headless layer) a screen of 1024 x 768.
CRect AfxGetScreenArea();

// rect (normalised) moved, and cut where it is larger, so that it lies inside area.
CRect AfxKeepInside(const CRect& rect, const CRect& area);
// The same inside the screen area.
CRect AfxKeepOnScreen(const CRect& rect);

// A window of that size centred over pOwner's top-level window (the main window when there is
// no owner, the screen when there is neither), kept on the screen.
CRect AfxPlaceOverOwner(CSize size, const CWnd* pOwner);
