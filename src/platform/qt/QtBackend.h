// The Qt backend of the window layer: one widget per created window, Qt's input, paint, resize
// and close events turned into the layer's messages, and Qt's event loop as the message loop
// (posted messages and timers of the layer's queue are pumped from it, idle processing runs when
// it has nothing else to do).
#pragma once

// Creates the toolkit's application object from the command line (Qt takes its own options out
// of argc/argv; argc must outlive the backend) unless one exists already, then installs the
// backend. The program calls this first, before any window or font exists.
void InitQtBackend(int& argc, char** argv);
// Installs the backend (and Qt painting as the drawing layer's display) over an existing
// application object. Calling it again does nothing.
void InitQtBackend();
// Removes the backend, and the application object when InitQtBackend made it; the drawing
// layer's display is the headless one again. Windows still alive keep their widgets until they
// are destroyed.
void ShutdownQtBackend();
