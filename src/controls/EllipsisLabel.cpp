#include "controls/EllipsisLabel.h"

#include "controls/BarColors.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CEllipsisLabel, CWnd)

BEGIN_MESSAGE_MAP(CEllipsisLabel, CWnd)
    ON_WM_PAINT()
    ON_WM_ERASEBKGND()
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

UINT CEllipsisLabel::GetDrawFormat() const
{
    return m_nFormat | (m_nPathMode > 0 ? DT_PATH_ELLIPSIS : DT_END_ELLIPSIS);
}

void CEllipsisLabel::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(rcClient);
    dc.FillSolidRect(rcClient, kColorBtnFace);
    CFont* pOldFont = nullptr;
    if (CWnd* pParent = GetParent(); pParent && pParent->GetFont())
        pOldFont = dc.SelectObject(pParent->GetFont());
    CString strText;
    GetWindowText(strText);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(kColorBtnText);
    dc.DrawText(strText, rcClient, GetDrawFormat());
    if (pOldFont)
        dc.SelectObject(pOldFont);
}

BOOL CEllipsisLabel::OnEraseBkgnd(CDC* pDC)
{
    CRect rcClient;
    GetClientRect(rcClient);
    pDC->FillSolidRect(rcClient, kColorBtnFace);
    return TRUE;
}

LRESULT CEllipsisLabel::OnSetText(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    Invalidate();
    return lResult;
}
