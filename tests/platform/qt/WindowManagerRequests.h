// What a user asks of the window manager with the title bar (maximise, restore, a drag, a drag of
// the frame's edge), sent to the window manager as a pager sends it, from outside Qt: the window's
// new state and geometry then reach the program only as the window manager reports them, in the
// order it chooses. For desktop runs (an X display with a window manager) only.
#pragma once

#include <QRect>

class QWidget;

void AskWindowManagerToMaximise(const QWidget& window, bool bMaximise);
// Whether the window manager offers the action (_NET_WM_ACTION_SHADE, ...) for the window.
bool WindowManagerOffers(const QWidget& window, const char* pszAction);
// Whether the window's _NET_WM_STATE holds the state (_NET_WM_STATE_SKIP_TASKBAR, ...).
bool WindowCarriesState(const QWidget& window, const char* pszState);
// Rolled up into its title bar (shaded), or down again.
void AskWindowManagerToShade(const QWidget& window, bool bShade);
// frame: the window's frame, title bar included, as it is to stand on the screen.
void AskWindowManagerToPlace(const QWidget& window, const QRect& frame);
// Returns once the window manager has handled what the program asked of it before the call (a
// window mapped, an activation) and Qt has taken in what the window manager did about it: on a
// busy machine that may come seconds late. The window manager is asked to set and clear a state
// that changes nothing on the screen, on the window given; FALSE when it has not within ten
// seconds. TRUE at once off X (offscreen).
bool WaitForWindowManager(const QWidget& window);
