// Qt key codes to virtual-key codes, the characters a key types, and the keys a native text
// widget keeps for itself.
#pragma once

#include "platform/core/Types.h"

class QKeyEvent;
class QString;

// The virtual key of a Qt key (Qt::Key value); bKeypad for keys of the numeric keypad. 0 when
// the key has no virtual-key code.
UINT VirtualKeyFromQtKey(int nQtKey, bool bKeypad);

// The characters the key types, as the classic translation of a key-down gives them.
QString TypedCharacters(const QKeyEvent& event, UINT nVirtKey);

// Keys that edit a line of text or move its caret (typing, Backspace, Delete, the arrows across,
// Home, End, Insert and the clipboard's Ctrl keys): a native line keeps these; every other key
// (Tab, Enter, Escape, Up, Down, Alt and function keys) belongs to the dialog and the program.
bool IsLineEditingKey(const QKeyEvent& event);
