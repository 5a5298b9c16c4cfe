// CPaintDC: the device context of one WM_PAINT, clipped to the update rectangle; constructing it
// validates the window (and erases it first when asked), destroying it ends the paint.
#pragma once

#include "platform/gdi/DC.h"
#include "platform/ui/Wnd.h"

class CPaintDC : public CDC {
public:
    explicit CPaintDC(CWnd* pWnd);
    ~CPaintDC() override;
    CPaintDC(const CPaintDC&) = delete;
    CPaintDC& operator=(const CPaintDC&) = delete;

    PAINTSTRUCT m_ps = {};

private:
    CWnd* m_pWnd;
};
