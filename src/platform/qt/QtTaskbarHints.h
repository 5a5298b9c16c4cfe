// Owned windows (dialogs, sheets, floating bars, popups, message boxes, Qt's own dialogs) stand
// for their owner and get no entry of their own in the desktop's task list, as on the classic
// system. Some window managers leave a transient window out by themselves (xfwm4), others list
// it (icewm): each is told by _NET_WM_STATE_SKIP_TASKBAR, which Qt does not set. X11 only.
#pragma once

void KeepOwnedWindowsOffTheTaskbar();
void StopKeepingOwnedWindowsOffTheTaskbar();
