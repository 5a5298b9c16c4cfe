// A pen: style, width in logical units (0 is one device pixel whatever the mapping), colour.
#pragma once

#include "platform/gdi/GdiObject.h"

class CPen : public CGdiObject {
    DECLARE_DYNAMIC(CPen)
public:
    CPen() = default;
    CPen(int nPenStyle, int nWidth, COLORREF crColor);

    // Styles PS_SOLID .. PS_INSIDEFRAME; a dashed or dotted style wider than 1 becomes solid.
    BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
    BOOL CreatePenIndirect(const LOGPEN* pLogPen);
    int GetLogPen(LOGPEN* pLogPen) const;
};
