#include "platform/gdi/Pen.h"

IMPLEMENT_DYNAMIC(CPen, CGdiObject)

CPen::CPen(int nPenStyle, int nWidth, COLORREF crColor) { CreatePen(nPenStyle, nWidth, crColor); }

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor)
{
    if (nPenStyle < PS_SOLID || nPenStyle > PS_INSIDEFRAME)
        return FALSE;
    const int nPixels = nWidth < 0 ? 0 : nWidth;
    // Broken styles are drawn with one-pixel pens only; a wider pen draws them solid.
    const bool bBroken = nPenStyle >= PS_DASH && nPenStyle <= PS_DASHDOTDOT;
    const int nStyle = bBroken && nPixels > 1 ? PS_SOLID : nPenStyle;
    Create(LOGPEN{UINT(nStyle), POINT{nPixels, 0}, crColor});
    return TRUE;
}

BOOL CPen::CreatePenIndirect(const LOGPEN* pLogPen)
{
    return pLogPen && CreatePen(int(pLogPen->lopnStyle), pLogPen->lopnWidth.x, pLogPen->lopnColor);
}

int CPen::GetLogPen(LOGPEN* pLogPen) const
{
    const LOGPEN* pPen = Get<LOGPEN>();
    if (!pPen || !pLogPen)
        return 0;
    *pLogPen = *pPen;
    return int(sizeof(LOGPEN));
}
