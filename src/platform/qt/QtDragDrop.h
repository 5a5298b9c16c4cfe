// Drag-and-drop on Qt: the layer's drag loop as a real QDrag, and the drag events of a window's
// widget handed to the window's drop target with the Ctrl and Shift keys read from the
// event's modifiers.
#pragma once

#include "platform/ui/DragDrop.h"

class QDragMoveEvent;
class QDropEvent;

// The drag loop the Qt backend installs.
DROPEFFECT RunQtDrag(CWnd& source, const ClipboardData& data, DROPEFFECT allowed);

// A widget's drag events for its window: enter and move ask the target (accepted with its
// effect, ignored without one), leave tells it, drop hands the data over. The point is in the
// window's client coordinates. Where no drop target takes the drag, local files go to the
// window that accepts dropped files (WM_DROPFILES).
void QtDragMove(CWnd& wnd, QDragMoveEvent& event, CPoint point, bool bEnter);
void QtDragLeave(CWnd& wnd);
void QtDrop(CWnd& wnd, QDropEvent& event, CPoint point);
