// A brush: solid or hollow.
#pragma once

#include "platform/gdi/GdiObject.h"

class CBrush : public CGdiObject {
    DECLARE_DYNAMIC(CBrush)
public:
    CBrush() = default;
    explicit CBrush(COLORREF crColor);

    BOOL CreateSolidBrush(COLORREF crColor);
    // BS_SOLID or BS_NULL (hollow).
    BOOL CreateBrushIndirect(const LOGBRUSH* pLogBrush);
    int GetLogBrush(LOGBRUSH* pLogBrush) const;
};
