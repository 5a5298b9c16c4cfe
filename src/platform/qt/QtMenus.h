// Native menus and file dialogs for the window layer: a frame's menu-bar strip gets a QMenuBar
// built from its CMenu data (rebuilt whenever the data changes), popups opened with
// TrackPopupMenu become QMenus, and file dialogs QFileDialogs. The menus ask the frame for the
// items' state (WM_INITMENUPOPUP) before they open and post the chosen command to it as
// WM_COMMAND. Items their owner draws are painted by the owner (WM_DRAWITEM) in the menu's font
// and, through the layer's system colours, in the colours of the menus Qt draws. Call after
// InitQtBackend.
#pragma once

#include "platform/core/String.h"

#include <QString>

class CMenuBarWnd;
class QMenuBar;

void InitQtMenus();
void ShutdownQtMenus();
// The native menu bar of a strip; null when it has none (no Qt, or no menu yet).
QMenuBar* QtMenuBarOf(const CMenuBarWnd& bar);
// A file filter of the layer ("Name|*.a;*.b|...|") as Qt's name filters ("Name (*.a *.b);;...").
QString QtFileFilter(const CString& strFilter);
