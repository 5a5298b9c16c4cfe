#include "controls/SizingControlBarCF.h"

#include "controls/BarColors.h"
#include "platform/gdi/DC.h"
#include "platform/gdi/Font.h"
#include "platform/ui/WndMessageMap.h"

IMPLEMENT_DYNAMIC(CSizingControlBarCF, CSizingControlBarG)

BEGIN_MESSAGE_MAP(CSizingControlBarCF, CSizingControlBarG)
    ON_MESSAGE(WM_SETTEXT, OnSetText)
END_MESSAGE_MAP()

namespace {

// The caption's title: 8.5 points at the screen's 96 pixels per inch.
constexpr int kCaptionFontHeight = 11;
constexpr int kTitleInset = 3;

// The title cut to fit nRoom units along its baseline, with "..." where it was cut.
CString FitWithEllipsis(CDC* pDC, const CString& strTitle, int nRoom)
{
    if (pDC->GetTextExtent(strTitle).cx <= nRoom)
        return strTitle;
    for (int nLength = strTitle.GetLength() - 1; nLength > 0; --nLength) {
        const CString strCut = strTitle.Left(nLength) + _T("...");
        if (pDC->GetTextExtent(strCut).cx <= nRoom)
            return strCut;
    }
    return CString();
}

}  // namespace

CSizingControlBarCF::CSizingControlBarCF() : m_sFontFace(_T("Arial")) {}

void CSizingControlBarCF::OnUpdateCmdUI(CFrameWnd* pTarget, BOOL bDisableIfNoHndler)
{
    CSizingControlBarG::OnUpdateCmdUI(pTarget, bDisableIfNoHndler);
    CWnd* pFocus = GetFocus();
    const BOOL bActive = pFocus && (pFocus == this || IsChild(pFocus));
    if (bActive != m_bActive) {
        m_bActive = bActive;
        Invalidate();
    }
}

LRESULT CSizingControlBarCF::OnSetText(WPARAM, LPARAM)
{
    const LRESULT lResult = Default();
    Invalidate();
    return lResult;
}

void CSizingControlBarCF::NcPaintGripper(CDC* pDC, const CRect&)
{
    if (!HasGripper())
        return;
    const CRect rcCaption = GetGripperRect();
    pDC->FillSolidRect(rcCaption, m_bActive ? kColorActiveCaption : kColorInactiveCaption);

    CString strTitle;
    GetWindowText(strTitle);
    const BOOL bVertical = IsHorzDocked();
    CFont font;
    font.CreateFont(-kCaptionFontHeight, 0, bVertical ? 900 : 0, bVertical ? 900 : 0, FW_NORMAL,
                    FALSE, FALSE, FALSE, DEFAULT_CHARSET, OUT_DEFAULT_PRECIS,
                    CLIP_DEFAULT_PRECIS, DEFAULT_QUALITY, DEFAULT_PITCH, m_sFontFace);
    CFont* pOldFont = pDC->SelectObject(&font);
    const int nOldMode = pDC->SetBkMode(TRANSPARENT);
    const COLORREF crOld = pDC->SetTextColor(kColorCaptionText);
    const CRect rcClose = GetCloseButtonRect();
    if (bVertical) {
        // Rotated text starts at its baseline's left end: the caption's bottom, running up, and
        // must end short of the close button at the top.
        const int nRoom = rcCaption.bottom - kTitleInset - (rcClose.bottom + kTitleInset);
        pDC->TextOut(rcCaption.left + 1, rcCaption.bottom - kTitleInset,
                     FitWithEllipsis(pDC, strTitle, nRoom));
    } else {
        CRect rcText(rcCaption.left + kTitleInset, rcCaption.top, rcClose.left - 1,
                     rcCaption.bottom);
        pDC->DrawText(strTitle, rcText, DT_LEFT | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX |
                                             DT_END_ELLIPSIS);
    }
    pDC->SetTextColor(crOld);
    pDC->SetBkMode(nOldMode);
    pDC->SelectObject(pOldFont);
    DrawCloseButton(pDC);
}
