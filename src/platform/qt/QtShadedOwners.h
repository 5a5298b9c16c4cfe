// Popups laid over their owner (the in-place editor of the simulation's message display, the
// value popup of a diagram) follow it when the window manager shades it, rolls it up into its
// title bar: the window manager leaves them where they are, windows of their own, and they would
// float alone over the desktop. They hide while their owner is shaded and show again after.
// X11 only, where the shade is the window manager's _NET_WM_STATE_SHADED, which Qt does not
// report; elsewhere nothing is watched.
#pragma once

void WatchShadedOwners();
void StopWatchingShadedOwners();
