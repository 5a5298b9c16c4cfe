#include "controls/GridTitleTip.h"

#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/TipWindow.h"
#include "platform/ui/WindowStyles.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CGridTitleTip, CWnd)

BEGIN_MESSAGE_MAP(CGridTitleTip, CWnd)
    ON_WM_PAINT()
END_MESSAGE_MAP()

CGridTitleTip::~CGridTitleTip()
{
    if (m_hWnd)
        DestroyWindow();
}

void CGridTitleTip::Show(CWnd* pOwner, const CRect& rect, const CString& strText, const LOGFONT& font,
                         COLORREF crText, COLORREF crBack)
{
    if (!m_hWnd) {
        if (!CreateEx(WS_EX_TOOLWINDOW | WS_EX_TOPMOST, nullptr, nullptr, WS_POPUP | WS_BORDER,
                      CRect(0, 0, 0, 0), pOwner, 0))
            return;
        AfxMakeTipWindow(*this);
    }
    m_strText = strText;
    m_font = font;
    m_crText = crText;
    m_crBack = crBack;
    SetWindowPos(&wndTopMost, rect.left, rect.top, rect.Width(), rect.Height(), SWP_NOACTIVATE);
    ShowWindow(SW_SHOWNA);
    Invalidate();
}

void CGridTitleTip::Hide()
{
    if (IsShown())
        ShowWindow(SW_HIDE);
}

void CGridTitleTip::OnPaint()
{
    CPaintDC dc(this);
    CRect client;
    GetClientRect(&client);
    dc.FillSolidRect(&client, m_crBack);
    CFont font;
    font.CreateFontIndirect(&m_font);
    CFont* pOldFont = dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    dc.SetTextColor(m_crText);
    dc.DrawText(m_strText, &client, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
    dc.SelectObject(pOldFont);
}
