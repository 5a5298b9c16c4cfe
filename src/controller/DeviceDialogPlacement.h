// Where the device tool dialogs open: left of the screen's middle, so that the information
// window at the bottom of the main frame, where their results are written, stays in sight.
#pragma once

class CWnd;

// The dialog's top-left corner at (screen width / 2 - 100, screen height / 2 - 100) for the
// clock dialogs, (screen width / 2 - 100, screen height / 6) for the taller WiFi dialogs; its
// size is kept. Nothing moves without a screen.
void PlaceDeviceDialogMiddle(CWnd& dialog);
void PlaceDeviceDialogHigh(CWnd& dialog);
