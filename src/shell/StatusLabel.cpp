#include "shell/StatusLabel.h"

#include "controls/BarColors.h"
#include "platform/gdi/Font.h"
#include "platform/ui/PaintDC.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CStatusLabel, CStatic)
IMPLEMENT_DYNAMIC(CStatusSeriesLabel, CStatusLabel)

BEGIN_MESSAGE_MAP(CStatusLabel, CStatic)
    ON_WM_PAINT()
END_MESSAGE_MAP()

UINT CStatusLabel::TextFormat(DWORD dwStyle, const CString& strText)
{
    UINT nFormat = 0;
    if (dwStyle & SS_CENTERIMAGE) {
        nFormat = strText.Find(_T("\r\n")) >= 0 ? DT_CENTER
                                                 : DT_CENTER | DT_VCENTER | DT_SINGLELINE;
    } else {
        switch (dwStyle & SS_TYPEMASK) {
        case SS_CENTER:
            nFormat = DT_CENTER | DT_WORDBREAK;
            break;
        case SS_RIGHT:
            nFormat = DT_RIGHT | DT_WORDBREAK;
            break;
        case SS_LEFTNOWORDWRAP:
            nFormat = DT_LEFT;
            break;
        default:
            nFormat = DT_WORDBREAK;
            break;
        }
        if (strText.Find(_T('\t')) >= 0)
            nFormat |= DT_EXPANDTABS;
    }
    return nFormat | DT_END_ELLIPSIS | DT_VCENTER;
}

void CStatusLabel::OnPaint()
{
    CPaintDC dc(this);
    CRect rcClient;
    GetClientRect(rcClient);
    const int nSaved = dc.SaveDC();
    dc.IntersectClipRect(rcClient);
    dc.FillSolidRect(rcClient, kColorBtnFace);

    CString strText;
    GetWindowText(strText);
    const UINT nFormat = TextFormat(GetStyle(), strText);
    CFont font;
    font.CreateFont(16, 0, 0, 0, FW_SEMIBOLD, FALSE, FALSE, FALSE, DEFAULT_CHARSET,
                    OUT_DEFAULT_PRECIS, CLIP_DEFAULT_PRECIS, PROOF_QUALITY, DEFAULT_PITCH,
                    _T("Arial"));
    dc.SelectObject(&font);
    dc.SetBkMode(TRANSPARENT);
    // Highlight above, shadow to the lower right, the blue text between: an embossed look.
    static constexpr struct {
        COLORREF crText;
        int nLeft;
        int nTop;
    } kLayers[] = {{kColorBtnHighlight, 0, -3}, {kColorBtnShadow, 2, -1}, {RGB(0, 0, 255), 1, -2}};
    for (const auto& layer : kLayers) {
        CRect rcText = rcClient;
        rcText.left += layer.nLeft;
        rcText.top += layer.nTop;
        dc.SetTextColor(layer.crText);
        dc.DrawText(strText, rcText, nFormat);
    }
    dc.RestoreDC(nSaved);
}
