// A font described by a LOGFONT; the surface that draws it finds the nearest real face.
#pragma once

#include "platform/gdi/GdiObject.h"

class CFont : public CGdiObject {
    DECLARE_DYNAMIC(CFont)
public:
    // Heights and widths are logical units; a negative height is the character height, a
    // positive one the cell height.
    BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                    BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                    BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                    BYTE nPitchAndFamily, LPCTSTR lpszFacename);
    BOOL CreateFontIndirect(const LOGFONT* pLogFont);
    // nPointSize in tenths of a point, converted with the context's (or the display's) vertical
    // resolution and mapping.
    BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = nullptr);
    int GetLogFont(LOGFONT* pLogFont) const;
};
