// The fonts of the LCD editor. The sans-serif texts name no face, only the swiss family, so
// that the platform picks its sans-serif font: on Linux that is fontconfig's "Sans Serif"
// (DejaVu Sans on the machines we build on), with Chinese glyphs taken from the CJK font
// fontconfig falls back to (WenQuanYi Micro Hei).
#pragma once

#include "platform/core/String.h"
#include "platform/gdi/GdiTypes.h"

class CDC;

// A font by its cell height and character width (device pixels), weight and pitch and
// family; no face is named.
LOGFONT MakeLcdFont(int nHeight, int nWidth, int nWeight, BYTE nPitchAndFamily);

// The cells' font: height 24, width 8, the sans-serif face.
LOGFONT GridCellFont();
// A double-width character's glyph over its two cells: height 20, width 16, fixed pitch.
LOGFONT WideGlyphFont();
// That font with its width set so that the character, measured on dc, is as wide as the two
// cells' text rectangle: fonts differ in how wide they draw a Chinese glyph for a given width.
LOGFONT FitWideGlyphFont(CDC& dc, const CString& strChar, int nTargetWidth);
// The font with its width narrowed so that the character, measured on dc, fits nWidth; the font
// itself when it fits already. A character the face lacks comes from a fallback face, which may
// draw it wider than a cell (U+2103 in DejaVu Sans).
LOGFONT FitGlyphFont(CDC& dc, const CString& strChar, int nWidth, const LOGFONT& font);
// The element drawing's sans-serif texts.
LOGFONT SansFont(int nHeight, int nWidth, int nWeight);
// A fixed-pitch font without a face name.
LOGFONT FixedFont(int nHeight, int nWidth, int nWeight);
