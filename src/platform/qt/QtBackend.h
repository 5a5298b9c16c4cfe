// The Qt backend of the window layer: one widget per created window, Qt's input, paint, resize
// and close events turned into the layer's messages, and Qt's event loop as the message loop
// (posted messages and timers of the layer's queue are pumped from it, idle processing runs when
// it has nothing else to do). A QApplication must exist before InitQtBackend is called.
#pragma once

// Installs the backend (and Qt painting as the drawing layer's display). Calling it again does
// nothing.
void InitQtBackend();
// Removes the backend; windows still alive keep their widgets until they are destroyed.
void ShutdownQtBackend();
