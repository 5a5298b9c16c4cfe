#include "platform/gdi/Brush.h"

IMPLEMENT_DYNAMIC(CBrush, CGdiObject)

CBrush::CBrush(COLORREF crColor) { CreateSolidBrush(crColor); }

BOOL CBrush::CreateSolidBrush(COLORREF crColor)
{
    Create(LOGBRUSH{BS_SOLID, crColor, 0});
    return TRUE;
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* pLogBrush)
{
    if (!pLogBrush || (pLogBrush->lbStyle != BS_SOLID && pLogBrush->lbStyle != BS_NULL))
        return FALSE;
    Create(LOGBRUSH{pLogBrush->lbStyle, pLogBrush->lbStyle == BS_SOLID ? pLogBrush->lbColor : 0, 0});
    return TRUE;
}

int CBrush::GetLogBrush(LOGBRUSH* pLogBrush) const
{
    const LOGBRUSH* pBrush = Get<LOGBRUSH>();
    if (!pBrush || !pLogBrush)
        return 0;
    *pLogBrush = *pBrush;
    return int(sizeof(LOGBRUSH));
}
