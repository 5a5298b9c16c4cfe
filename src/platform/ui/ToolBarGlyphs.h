// Pictograms for toolbar buttons of the class library's own commands (new, open, save, cut,
// copy, paste, undo, redo, print, about), drawn from a small table of shapes. A toolbar resource
// that carries no image strip still shows buttons a user can tell apart; commands of the
// application itself show their menu caption instead (see CToolBar).
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/Types.h"

class CDC;

// The cell a pictogram is drawn in.
constexpr int kToolGlyphWidth = 16;
constexpr int kToolGlyphHeight = 15;

bool HasStockToolGlyph(UINT nID);
// Draws the pictogram of nID with its top left corner at ptOrigin, in greys for a disabled
// button; draws nothing for a command that has none.
void DrawStockToolGlyph(CDC& dc, UINT nID, CPoint ptOrigin, bool bEnabled);
