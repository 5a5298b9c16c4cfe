#include "shell/StatusBitmapButton.h"

#include "controls/BarColors.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CStatusBitmapButton, CButton)

BEGIN_MESSAGE_MAP(CStatusBitmapButton, CButton)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CStatusBitmapButton::OnPaint()
{
    CPaintDC dc(this);
    CRect rect;
    GetClientRect(rect);
    dc.FillSolidRect(rect, kColorBtnFace);
    if (GetState() & BST_PUSHED)
        dc.Draw3dRect(rect, kColorBtnShadow, kColorBtnHighlight);
    // A module: a grey body with a green display window, greyed out when disabled.
    CRect rcBody = rect;
    rcBody.DeflateRect(2, 3);
    const BOOL bEnabled = IsWindowEnabled();
    dc.FillSolidRect(rcBody, bEnabled ? RGB(128, 128, 128) : kColorBtnShadow);
    CRect rcDisplay = rcBody;
    rcDisplay.DeflateRect(2, 2, 2, rcBody.Height() / 2);
    dc.FillSolidRect(rcDisplay, bEnabled ? RGB(96, 192, 96) : kColorGrayText);
}
