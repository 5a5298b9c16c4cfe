#include "pages/program/LogoNote.h"

#include "controls/BarColors.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CLogoNote, CStatic)

BEGIN_MESSAGE_MAP(CLogoNote, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

void CLogoNote::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(rcClient);
    dc.FillSolidRect(rcClient, kColorBtnFace);
    CString strText;
    GetWindowText(strText);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(RGB(255, 0, 0));
    if (CWnd* pParent = GetParent())
        dc.SelectObject(pParent->GetFont());
    dc.TextOut(0, 0, strText);
}
