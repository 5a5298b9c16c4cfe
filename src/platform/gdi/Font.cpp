#include "platform/gdi/Font.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/DisplayDevice.h"

#include <cstdlib>

IMPLEMENT_DYNAMIC(CFont, CGdiObject)

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                       BYTE nPitchAndFamily, LPCTSTR lpszFacename)
{
    LOGFONT font{nHeight,     nWidth,     nEscapement,    nOrientation,   nWeight,
                 bItalic,     bUnderline, cStrikeOut,     nCharSet,       nOutPrecision,
                 nClipPrecision, nQuality, nPitchAndFamily, {}};
    // Longer names are cut so that the last unit stays the terminating NUL.
    for (int i = 0; lpszFacename && lpszFacename[i] && i < LF_FACESIZE - 1; ++i)
        font.lfFaceName[i] = lpszFacename[i];
    return CreateFontIndirect(&font);
}

BOOL CFont::CreateFontIndirect(const LOGFONT* pLogFont)
{
    if (!pLogFont)
        return FALSE;
    LOGFONT font = *pLogFont;
    font.lfFaceName[LF_FACESIZE - 1] = 0;
    Create(font);
    return TRUE;
}

// The height is the point size at the device's vertical resolution, as a character height in
// the context's logical units.
BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC)
{
    const int nLogPixelsY = pDC ? pDC->GetDeviceCaps(LOGPIXELSY) : GetDisplayDevice().caps.nLogPixelsY;
    SIZE size{0, nLogPixelsY * nPointSize / 720};
    if (pDC)
        pDC->DPtoLP(&size);
    return CreateFont(-std::abs(size.cy), 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                      OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH,
                      lpszFaceName);
}

int CFont::GetLogFont(LOGFONT* pLogFont) const
{
    const LOGFONT* pFont = Get<LOGFONT>();
    if (!pFont || !pLogFont)
        return 0;
    *pLogFont = *pFont;
    return int(sizeof(LOGFONT));
}
