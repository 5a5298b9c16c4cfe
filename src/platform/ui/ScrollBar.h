// CScrollBar: a scroll-bar control window. Scroll messages name it as their sender; a window's
// own scroll bars (WS_HSCROLL, WS_VSCROLL) send with none.
#pragma once

#include "platform/ui/Wnd.h"

class CScrollBar : public CWnd {
    DECLARE_DYNAMIC(CScrollBar)

public:
    BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
};
