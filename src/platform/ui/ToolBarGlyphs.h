// Pictograms for toolbar buttons, drawn from small tables of shapes: the layer's own for the
// class library's commands (new, open, save, cut, copy, paste, undo, redo, print, about), and
// those an application registers for its own commands. A toolbar resource that carries no image
// strip still shows buttons a user can tell apart; a command without a pictogram shows its menu
// caption instead (see CToolBar).
#pragma once

#include "platform/core/Geometry.h"
#include "platform/core/Types.h"

#include <span>

class CDC;

enum class ToolTone : BYTE { Ink, Paper, Blue, Yellow, Gold, Grey, Brown, Green, Red };
enum class ToolShape : BYTE { Polygon, Polyline, Ellipse };

struct ToolPt {
    signed char x;
    signed char y;
};

// A polygon is filled with its fill tone and outlined with its pen; a polyline uses the pen
// only; an ellipse lies in the box of its first two points.
struct ToolStroke {
    ToolShape shape;
    ToolTone fill;
    ToolTone pen;
    BYTE nWidth;
    BYTE nCount;
    ToolPt pts[8];
};

constexpr ToolStroke ToolBox(ToolTone fill, signed char x1, signed char y1, signed char x2, signed char y2)
{
    return {ToolShape::Polygon, fill, ToolTone::Ink, 1, 4, {{x1, y1}, {x2, y1}, {x2, y2}, {x1, y2}}};
}

// Gives command nID the pictogram drawn by strokes (which must outlive every toolbar), in place
// of a stock one or an earlier registration.
void AfxRegisterToolGlyph(UINT nID, std::span<const ToolStroke> strokes);

// The cell a pictogram is drawn in.
constexpr int kToolGlyphWidth = 16;
constexpr int kToolGlyphHeight = 15;

bool HasStockToolGlyph(UINT nID);
// Draws the pictogram of nID with its top left corner at ptOrigin, in greys for a disabled
// button; draws nothing for a command that has none.
void DrawStockToolGlyph(CDC& dc, UINT nID, CPoint ptOrigin, bool bEnabled);
